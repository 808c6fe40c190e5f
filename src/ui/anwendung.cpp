#include "ui/anwendung.h"

#include "model/fehler.h"
#include "model/rueckfrage.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

namespace lexovita {

TAnwendung::TAnwendung(int &argc, char **argv) : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Harnfel"));
    setApplicationName(QStringLiteral("lexovita"));
    setApplicationVersion(QStringLiteral(LEXOVITA_VERSION));
    // The desktop entry's name, so the desktop shows the same icon for the window.
    setDesktopFileName(QStringLiteral("de.harnfel.lexovita"));
    setWindowIcon(ProgrammSymbol());
}

QIcon ProgrammSymbol()
{
    QIcon symbol;
    for (const char *groesse : {"48", "128", "256"})
        symbol.addFile(QStringLiteral(":/lexovita/lexovita-%1.png").arg(QLatin1String(groesse)));
    return symbol;
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
