#include "ui/programmstart.h"

#include "model/config.h"
#include "store/datenmanager.h"
#include "store/import.h"
#include "ui/anwendung.h"
#include "ui/frmhaupt.h"
#include "ui/frmstart.h"
#include "ui/guirueckfrage.h"
#include "ui/hilfe.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <mutex>

namespace lexovita {

TStartOptionen StartOptionenLesen(const QStringList &argumente, const QString &programmOrdner)
{
    TStartOptionen o;
    o.datenOrdner = QDir(programmOrdner).filePath(QStringLiteral("Data"));
    o.debug = QFileInfo::exists(QDir(programmOrdner).filePath(QStringLiteral("debug.debug")));
    for (int i = 0; i < argumente.size(); ++i) {
        const QString &a = argumente[i];
        if (a.compare(QLatin1String("/debug"), Qt::CaseInsensitive) == 0 ||
            a.compare(QLatin1String("-debug"), Qt::CaseInsensitive) == 0) {
            o.debug = true;
        } else if (a == QLatin1String("--data") && i + 1 < argumente.size()) {
            o.datenOrdner = argumente[++i];
        } else if (a == QLatin1String("--selbsttest-start")) {
            o.selbsttestStart = true;
        } else if (a == QLatin1String("--screenshot") && i + 1 < argumente.size()) {
            o.screenshot = argumente[++i];
        }
    }
    return o;
}

namespace {

QFile *g_protokoll = nullptr;
std::mutex g_protokollSperre;

void Protokollieren(QtMsgType typ, const QMessageLogContext &, const QString &text)
{
    static const char *const arten[] = {"DEBUG", "WARNUNG", "KRITISCH", "FATAL", "INFO"};
    const int i = typ >= 0 && typ <= 4 ? static_cast<int>(typ) : 0;
    const QByteArray zeile = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz ")).toUtf8() +
                             arten[i] + ": " + text.toUtf8() + '\n';
    std::lock_guard<std::mutex> sperre(g_protokollSperre);
    if (g_protokoll) {
        g_protokoll->write(zeile);
        g_protokoll->flush();
    }
    if (typ == QtFatalMsg)
        std::abort();
}

} // namespace

void DiagnoseprotokollEinschalten(const QString &ordner)
{
    std::lock_guard<std::mutex> sperre(g_protokollSperre);
    if (g_protokoll)
        return;
    auto *datei = new QFile(QDir(ordner).filePath(QStringLiteral("lexovita.log")));
    if (!datei->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        delete datei;
        return;
    }
    g_protokoll = datei;
    qInstallMessageHandler(Protokollieren);
}

void GrundwortschatzEinrichten(TDatenmanager &dm, QWidget *eltern)
{
    const QString ordner = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("grundwortschatz"));
    if (!QFileInfo(ordner).isDir())
        return;
    QProgressDialog fortschritt(QStringLiteral("Der Grundwortschatz wird eingerichtet..."), QString(), 0, 1, eltern);
    fortschritt.setWindowTitle(ProgrammTitel());
    fortschritt.setWindowModality(Qt::ApplicationModal);
    fortschritt.setMinimumDuration(0);
    fortschritt.setCancelButton(nullptr);
    try {
        const TImportErgebnis e = OrdnerImportieren(dm, ordner, [&](int datei, int dateien) {
            fortschritt.setMaximum(dateien);
            fortschritt.setValue(datei);
            QCoreApplication::processEvents();
        });
        qInfo("Grundwortschatz: %s", qPrintable(ImportZusammenfassung(e)));
    } catch (const std::exception &e) {
        // The import runs in one transaction: the empty database stays usable.
        qWarning("Grundwortschatz nicht eingerichtet: %s", e.what());
        QMessageBox::warning(eltern, ProgrammTitel(),
                             QStringLiteral("Der Grundwortschatz konnte nicht eingerichtet werden:\n\n%1")
                                 .arg(TAnwendung::FehlerText(e)));
    }
}

TProgrammstart::TProgrammstart(QApplication &app, TStartOptionen optionen)
    : fehlerAnzeigen(&TAnwendung::FehlerZeigen), m_app(app), m_optionen(std::move(optionen))
{
}

TProgrammstart::~TProgrammstart() = default;

int TProgrammstart::Ausfuehren()
{
    QElapsedTimer uhr;
    uhr.start();
    if (m_optionen.debug)
        DiagnoseprotokollEinschalten(QCoreApplication::applicationDirPath());
    qInfo("lexovita %s startet, Daten in %s", qPrintable(QCoreApplication::applicationVersion()),
          qPrintable(m_optionen.datenOrdner));

    // 1. Start window, painted before the slow work begins.
    auto start = std::make_unique<TfrmStart>(QCoreApplication::applicationVersion());
    start->show();
    m_app.processEvents();

    // 2.-3. Program title and main window.
    QApplication::setApplicationName(QStringLiteral("lexovita"));
    TGuiRueckfrage rueckfrage;
    TfrmHaupt::Umgebung umgebung;
    umgebung.rueckfrage = &rueckfrage;
    auto haupt = std::make_unique<TfrmHaupt>(umgebung);
    rueckfrage.SetEltern(haupt.get());

    // 4. Data manager: a damaged file must stay as it is, so nothing else is tried.
    std::unique_ptr<TDatenmanager> dm;
    const bool ersterStart =
        !QFileInfo::exists(QDir(m_optionen.datenOrdner).filePath(TDatenmanager::Dateiname()));
    try {
        dm = std::make_unique<TDatenmanager>(m_optionen.datenOrdner);
        rueckfrage.SetEltern(start.get());
        const auto ergebnis = dm->DatenbankAktualisieren(rueckfrage);
        rueckfrage.SetEltern(haupt.get());
        if (ergebnis == TDatenmanager::Aktualisierung::Abgebrochen) {
            qInfo("Aktualisierung abgebrochen, Programmende");
            return 0;
        }
    } catch (const std::exception &e) {
        start->hide();
        qCritical("Datenbank: %s", e.what());
        fehlerAnzeigen(QStringLiteral("Die Datenbank im Ordner \"%1\" kann nicht geöffnet werden:\n\n%2\n\n"
                                      "Die Datei wurde nicht verändert. Das Programm wird beendet.")
                           .arg(QDir::toNativeSeparators(m_optionen.datenOrdner), TAnwendung::FehlerText(e)));
        return 1;
    }

    // A new database starts with the bundled starter textbook, so the
    // program is usable at once.
    if (ersterStart)
        GrundwortschatzEinrichten(*dm, start.get());

    // Missing help is reported once; the program runs on without it.
    if (const QString fehlt = HilfeFehlt(); !fehlt.isEmpty() && !m_optionen.selbsttestStart &&
                                             m_optionen.screenshot.isEmpty())
        rueckfrage.Meldung(ProgrammTitel(), fehlt);

    // 5. Settings object, loaded when the main window is shown.
    auto config = std::make_unique<TConfig>();
    TConfig::SetGlobal(config.get());
    umgebung.datenmanager = dm.get();
    umgebung.config = config.get();
    haupt->UmgebungSetzen(umgebung);

    qInfo("Anwendungsobjekte nach %lld ms angelegt", static_cast<long long>(uhr.elapsed()));
    // 6. Wait for the start window's timer.
    while (!start->DarfSchliessen())
        m_app.processEvents(QEventLoop::WaitForMoreEvents);

    // 7. Hide the start window and run the event loop with the main window.
    start.reset();
    if (m_optionen.selbsttestStart || !m_optionen.screenshot.isEmpty()) {
        QObject::connect(haupt.get(), &TfrmHaupt::bereit, haupt.get(), [&, this] {
            if (!m_optionen.screenshot.isEmpty()) {
                // Let the layouts settle before grabbing.
                QTimer::singleShot(300, haupt.get(), [&, this] {
                    haupt->grab().save(m_optionen.screenshot);
                    QCoreApplication::exit(0);
                });
                return;
            }
            std::fprintf(stdout, "Hauptfenster nach %lld ms gezeigt\n", static_cast<long long>(uhr.elapsed()));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }
    if (QScreen *s = haupt->screen())
        haupt->resize(s->availableGeometry().size());
    haupt->showMaximized();
    const int rc = m_app.exec();
    haupt.reset();
    TConfig::SetGlobal(nullptr);
    config.reset();
    dm.reset();
    return rc;
}

} // namespace lexovita
