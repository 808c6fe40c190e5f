#include "ui/anwendung.h"

#include "model/fehler.h"
#include "model/rueckfrage.h"

#include <QMessageBox>
#include <QPushButton>

namespace lexovita {

TAnwendung::TAnwendung(int &argc, char **argv) : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Harnfel"));
    setApplicationName(QStringLiteral("lexovita"));
    setApplicationVersion(QStringLiteral(LEXOVITA_VERSION));
}

QString TAnwendung::FehlerText(const std::exception &e)
{
    return FehlerMeldung(e);
}

void TAnwendung::FehlerZeigen(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, ProgrammTitel(), text, QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

bool TAnwendung::notify(QObject *empfaenger, QEvent *ereignis)
{
    try {
        return QApplication::notify(empfaenger, ereignis);
    } catch (const std::exception &e) {
        FehlerZeigen(FehlerText(e));
    } catch (...) {
        FehlerZeigen(QStringLiteral("Unbekannter Fehler."));
    }
    return false;
}

} // namespace lexovita
