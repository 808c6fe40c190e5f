#include "ui/programmstart.h"

#include "app/anwendungskern.h"
#include "app/auftrag.h"
#include "app/importauftrag.h"
#include "app/lektionssitzung.h"
#include "app/sicherungsdienst.h"
#include "app/start.h"
#include "app/vokabeldienst.h"
#include "model/config.h"
#include "model/lektion.h"
#include "model/pfade.h"
#include "ui/anwendung.h"
#include "ui/frmbackup.h"
#include "ui/frmhaupt.h"
#include "ui/frmstart.h"
#include "ui/guirueckfrage.h"
#include "ui/hilfe.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QProgressDialog>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <mutex>

namespace lexovita {

TStartOptionen StartOptionenLesen(const QStringList &argumente, const QString &programmOrdner)
{
    TStartOptionen o;
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
        } else if (QFileInfo(a).isFile()) {
            o.importDatei = a;
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
    const QByteArray zeile =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz ")).toUtf8() + arten[i] + ": " +
        text.toUtf8() + '\n';
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
    // Both starter textbooks go in together, the second one builds on the first.
    const QStringList ordner = StartLehrbuchOrdner();
    if (ordner.isEmpty())
        return;
    QProgressDialog fortschritt(QStringLiteral("Der Grundwortschatz wird eingerichtet..."), QString(), 0, 1, eltern);
    fortschritt.setWindowTitle(ProgrammTitel());
    fortschritt.setWindowModality(Qt::ApplicationModal);
    fortschritt.setMinimumDuration(0);
    fortschritt.setCancelButton(nullptr);
    auto auftrag = std::make_shared<TOrdnerImportAuftrag>(ordner);
    TAuftragslaeufer laeufer(dm);
    QEventLoop warten;
    TAuftragsausgang ausgang = TAuftragsausgang::Erfolg;
    QString fehler;
    QObject::connect(&laeufer, &TAuftragslaeufer::gesamt, &fortschritt, [&](int wert, int maximum) {
        fortschritt.setMaximum(maximum);
        fortschritt.setValue(wert);
    });
    QObject::connect(&laeufer, &TAuftragslaeufer::beendet, &warten, [&](TAuftragsausgang a, const QString &f) {
        ausgang = a;
        fehler = f;
        warten.quit();
    });
    laeufer.Starten(auftrag);
    warten.exec();
    if (ausgang == TAuftragsausgang::Erfolg) {
        qInfo("Grundwortschatz: %s", qPrintable(ImportZusammenfassung(auftrag->Ergebnis())));
        return;
    }
    // The import runs in one transaction: the empty database stays usable.
    qWarning("Grundwortschatz nicht eingerichtet: %s", qPrintable(fehler));
    QMessageBox::warning(eltern, ProgrammTitel(),
                         QStringLiteral("Der Grundwortschatz konnte nicht eingerichtet werden:\n\n%1").arg(fehler));
}

namespace {

// The self-test start also renders an entry page as the entry view does:
// an installed copy thereby shows that it finds its templates and can write
// its page cache. The entry is the open lesson's first stored one, else the
// lowest id (a fresh database opens no lesson).
bool ProbeseiteSchreiben(TAnwendungskern &kern)
{
    TVokabeldienst dienst(kern);
    QString seite;
    if (const TLektion *lektion = kern.Sitzung().Aktuell())
        for (const auto &v : lektion->vokabeln)
            if (v->id > 0 && !(seite = dienst.EigenschaftenHtml(v->id)).isEmpty())
                break;
    for (int32_t id = 1; seite.isEmpty() && id <= 100; ++id)
        seite = dienst.EigenschaftenHtml(id);
    if (seite.isEmpty()) {
        std::fprintf(stdout, "Keine Vokabel für die Probeseite\n");
        return true;
    }
    const bool geschrieben = QFileInfo::exists(TPfade::Aktuell().SeitenDatei());
    std::fprintf(stdout, "Vokabelseite %s: %s\n", geschrieben ? "geschrieben" : "FEHLT",
                 qPrintable(QDir::toNativeSeparators(TPfade::Aktuell().SeitenDatei())));
    std::fflush(stdout);
    return geschrieben;
}

} // namespace

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
        DiagnoseprotokollEinschalten(m_optionen.datenOrdner);
    qInfo("lexovita %s startet, Daten in %s", qPrintable(QCoreApplication::applicationVersion()),
          qPrintable(m_optionen.datenOrdner));

    // 1. Start window, painted before the slow work begins.
    auto start = std::make_unique<TfrmStart>(QCoreApplication::applicationVersion());
    start->show();
    m_app.processEvents();

    QApplication::setApplicationName(QStringLiteral("lexovita"));
    TGuiRueckfrage rueckfrage(start.get());
    // "Yes" to the upgrade question: the backup window, creating only.
    rueckfrage.SetBackup([&, this] {
        return MitStartdienst(m_optionen.datenOrdner, rueckfrage, [&](TSicherungsdienst &dienst) {
            TfrmBackup fenster(dienst, rueckfrage, true, start.get());
            fenster.exec();
            return fenster.BackupErstellt();
        });
    });

    // 2. Database: a damaged file must stay as it is, so nothing else is tried.
    TDatenbankStart db;
    try {
        db = DatenbankStarten(m_optionen.datenOrdner, rueckfrage);
        if (db.Abgebrochen()) {
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
    if (db.neu)
        GrundwortschatzEinrichten(*db.daten, start.get());

    // Missing help is reported once; the program runs on without it.
    if (const QString fehlt = HilfeFehlt();
        !fehlt.isEmpty() && !m_optionen.selbsttestStart && m_optionen.screenshot.isEmpty())
        rueckfrage.Meldung(ProgrammTitel(), fehlt);

    // 3. Settings (loaded when the main window is shown), the core and the main window.
    auto config = std::make_unique<TConfig>();
    TConfig::SetGlobal(config.get());
    auto kern = std::make_unique<TAnwendungskern>(*db.daten, *config, rueckfrage);
    auto haupt = std::make_unique<TfrmHaupt>(*kern);
    haupt->ersterStart = db.neu;
    rueckfrage.SetEltern(haupt.get());

    qInfo("Anwendungsobjekte nach %lld ms angelegt", static_cast<long long>(uhr.elapsed()));
    // 4. Wait for the start window's timer.
    while (!start->DarfSchliessen())
        m_app.processEvents(QEventLoop::WaitForMoreEvents);

    // 5. Hide the start window and run the event loop with the main window.
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
            QCoreApplication::exit(ProbeseiteSchreiben(*kern) ? 0 : 1);
        });
    }
    if (!m_optionen.importDatei.isEmpty() && !m_optionen.selbsttestStart && m_optionen.screenshot.isEmpty()) {
        const QString datei = m_optionen.importDatei;
        QObject::connect(haupt.get(), &TfrmHaupt::bereit, haupt.get(), [&haupt, datei] {
            QTimer::singleShot(0, haupt.get(), [&haupt, datei] { haupt->DateiImportieren(datei); });
        });
    }
    // A new database is offered the lexicon once, when its packages are installed.
    if (db.neu && !m_optionen.selbsttestStart && m_optionen.screenshot.isEmpty()) {
        QObject::connect(haupt.get(), &TfrmHaupt::bereit, haupt.get(),
                         [&haupt] { QTimer::singleShot(0, haupt.get(), [&haupt] { haupt->LexikonAnbieten(); }); });
    }
    if (QScreen *s = haupt->screen())
        haupt->resize(s->availableGeometry().size());
    haupt->showMaximized();
    const int rc = m_app.exec();
    haupt.reset();
    kern.reset();
    TConfig::SetGlobal(nullptr);
    config.reset();
    db.Schliessen();
    return rc;
}

} // namespace lexovita
