#include "ui/anwendung.h"

#include "model/fehler.h"
#include "model/rueckfrage.h"
#include "ui/hilfe.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

namespace lexovita {

TAnwendung::TAnwendung(int &argc, char **argv) : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Harnfel"));
    setApplicationName(QStringLiteral("lexovita"));
    setApplicationVersion(QStringLiteral(LEXOVITA_VERSION));
    // The desktop entry's name, so the desktop shows the same icon for the window.
    setDesktopFileName(QStringLiteral("de.harnfel.lexovita"));
    setWindowIcon(ProgrammSymbol());
    DeutschEinrichten(*this);
    HilfeTasteEinrichten(*this);
}

QIcon ProgrammSymbol()
{
    QIcon symbol;
    for (const char *groesse : {"48", "128", "256"})
        symbol.addFile(QStringLiteral(":/lexovita/lexovita-%1.png").arg(QLatin1String(groesse)));
    return symbol;
}

bool TAnwendung::DeutschEinrichten(QCoreApplication &app)
{
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    QLocale::setDefault(deutsch);
    // Loaded once per application; the translator lives as long as it does.
    if (app.findChild<QTranslator *>(QStringLiteral("qtbase_de")))
        return true;
    auto *uebersetzung = new QTranslator(&app);
    uebersetzung->setObjectName(QStringLiteral("qtbase_de"));
    const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!uebersetzung->load(deutsch, QStringLiteral("qtbase"), QStringLiteral("_"), ordner)) {
        qWarning("Qt-Übersetzung qtbase_de.qm fehlt in %s (Paket qt6-translations-l10n): Qt-Dialoge bleiben englisch.",
                 qPrintable(ordner));
        delete uebersetzung;
        return false;
    }
    QCoreApplication::installTranslator(uebersetzung);
    return true;
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
