// Backup, restore and cleanup on a real database file, as the backup and
// cleanup windows and the command line use them.
#include "app/auftrag.h"
#include "app/lektionssitzung.h"
#include "app/sicherungsdienst.h"
#include "model/uhr.h"
#include "store/analysequelle.h"
#include "store/hilfen.h"
#include "store/lernspeicher.h"
#include "store/schema.h"
#include "store/sicherung.h"
#include "store/vokabelspeicher.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <filesystem>
#include <map>
#include <zip.h>

namespace lexovita::test {
namespace {

const QDate kTag(2024, 3, 5);

// Every row of every table, as text, sorted per table.
std::map<QString, QStringList> AlleZeilen(TDatenmanager &d)
{
    std::map<QString, QStringList> aus;
    for (const QString &t : AufraeumTabellen(d)) {
        const QByteArray sql = QStringLiteral("SELECT * FROM \"%1\"").arg(t).toUtf8();
        TAnweisung a = d.Verbindung().Anweisung(sql.constData());
        QStringList zeilen;
        while (a.Schritt()) {
            QStringList felder;
            for (int s = 0; s < a.Spaltenzahl(); ++s)
                felder << (a.IstNull(s) ? QStringLiteral("<null>") : a.Text(s));
            zeilen << felder.join(QLatin1Char('|'));
        }
        zeilen.sort();
        aus[t] = zeilen;
    }
    return aus;
}

void ZipSchreiben(const QString &pfad, const std::vector<std::pair<QString, QByteArray>> &eintraege)
{
    int code = 0;
    zip_t *z = zip_open(QFile::encodeName(pfad).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    ASSERT_NE(z, nullptr);
    for (const auto &[name, inhalt] : eintraege) {
        zip_source_t *q = zip_source_buffer(z, inhalt.constData(), static_cast<zip_uint64_t>(inhalt.size()), 0);
        ASSERT_GE(zip_file_add(z, name.toUtf8().constData(), q, ZIP_FL_ENC_UTF_8), 0) << name.toStdString();
    }
    ASSERT_EQ(zip_close(z), 0);
}

QByteArray Lesen(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Index contents swapped between two indexes of one table: every page still
// decrypts, but the engine's integrity check finds rows missing.
const char *const kIndexVertauscht = R"(
PRAGMA writable_schema = ON;
UPDATE sqlite_master SET rootpage = CASE name
  WHEN 'bedeutung_bedeutung' THEN (SELECT rootpage FROM sqlite_master WHERE name = 'bedeutung_bedeutung_lower')
  ELSE (SELECT rootpage FROM sqlite_master WHERE name = 'bedeutung_bedeutung') END
WHERE name IN ('bedeutung_bedeutung', 'bedeutung_bedeutung_lower');
PRAGMA writable_schema = OFF;
)";

// A database file changed by `sql` on a connection of its own.
QByteArray Veraendert(const QByteArray &db, const char *sql)
{
    QTemporaryDir d;
    const QString pfad = d.filePath(QStringLiteral("lexovita.db"));
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(db) != db.size())
        return {};
    f.close();
    {
        TVerbindung v(pfad, kSchluessel, TVerbindung::Modus::NurVorhandene);
        v.Ausfuehren(sql);
    }
    return Lesen(pfad);
}

class Sicherung : public ::testing::Test {
  protected:
    QTemporaryDir tmp;
    TFesteUhr uhr{QDateTime(kTag, QTime(9, 30))};
    TSkriptRueckfrage r;
    std::unique_ptr<TDatenmanager> dm;

    QString Daten() const { return tmp.filePath(QStringLiteral("daten")); }
    QString Ziel() const { return tmp.filePath(QStringLiteral("ziel")); }

    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(Ziel()));
        dm = std::make_unique<TDatenmanager>(Daten());
        dm->SetUhr(uhr);
        TVokabelSpeicher s(*dm);
        for (const char *w : {"amare", "rosa", "bellum"}) {
            auto v = Eintrag(QString::fromLatin1(w), WA_SUBSTANTIV, KD_A, QStringLiteral("x"));
            v->BedeutungHinzufuegen(QStringLiteral("Bedeutung von %1").arg(QString::fromLatin1(w)), {}, 1, 1);
            s.VokabelAnlegen(*v);
        }
    }
    TSicherungsdienst Dienst(TLektionssitzung *sitzung = nullptr) { return {*dm, r, uhr, sitzung}; }
    // The database inside a fresh backup, as raw bytes.
    QByteArray DatenbankBytes()
    {
        const TSicherungsErgebnis e = Dienst().BackupErstellen(Ziel());
        EXPECT_TRUE(e.ok) << e.meldung.toStdString();
        QTemporaryDir aus;
        return Lesen(BackupEntpacken(e.datei, aus.path()));
    }
    QStringList Arbeitsreste() const
    {
        return QDir(Daten())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
            .filter(QRegularExpression(QStringLiteral("^\\.|vor-wiederherstellung")));
    }
};

TEST(Backupname, FirstFreeNumberAfterCollisions)
{
    const struct {
        QStringList vorhanden;
        QString erwartet;
    } faelle[] = {
        {{}, "lexovita Backup 2024-03-05.zip"},
        {{"lexovita Backup 2024-03-04.zip"}, "lexovita Backup 2024-03-05.zip"},
        {{"lexovita Backup 2024-03-05.zip"}, "lexovita Backup 2024-03-05 (1).zip"},
        {{"lexovita Backup 2024-03-05.zip", "lexovita Backup 2024-03-05 (1).zip"},
         "lexovita Backup 2024-03-05 (2).zip"},
        // a gap is filled: the first number whose file is missing
        {{"lexovita Backup 2024-03-05.zip", "lexovita Backup 2024-03-05 (2).zip"},
         "lexovita Backup 2024-03-05 (1).zip"},
    };
    for (const auto &f : faelle) {
        QTemporaryDir d;
        for (const QString &n : f.vorhanden) {
            QFile datei(d.filePath(n));
            ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        }
        EXPECT_EQ(BackupDateiname(d.path(), kTag), d.filePath(f.erwartet)) << f.vorhanden.join(", ").toStdString();
    }
}

TEST_F(Sicherung, TwoBackupsOnOneDayGetNumberedNamesAndAreStandardZips)
{
    const TSicherungsErgebnis a = Dienst().BackupErstellen(Ziel());
    const TSicherungsErgebnis b = Dienst().BackupErstellen(Ziel());
    ASSERT_TRUE(a.ok && b.ok) << a.meldung.toStdString() << b.meldung.toStdString();
    EXPECT_EQ(a.datei, QDir(Ziel()).filePath("lexovita Backup 2024-03-05.zip"));
    EXPECT_EQ(b.datei, QDir(Ziel()).filePath("lexovita Backup 2024-03-05 (1).zip"));
    EXPECT_EQ(a.meldung, QStringLiteral("Ein Backup mit dem Namen\n\n\"%1\"\n\nwurde angelegt.").arg(a.datei));
    // One entry at the archive root, readable by any zip tool.
    int code = 0;
    zip_t *z = zip_open(QFile::encodeName(a.datei).constData(), ZIP_RDONLY, &code);
    ASSERT_NE(z, nullptr);
    ASSERT_EQ(zip_get_num_entries(z, 0), 1);
    EXPECT_STREQ(zip_get_name(z, 0, 0), "lexovita.db");
    zip_discard(z);
    EXPECT_TRUE(Arbeitsreste().isEmpty()) << Arbeitsreste().join(", ").toStdString();
}

TEST_F(Sicherung, AMissingFolderIsRefusedWithoutWritingAnything)
{
    const TSicherungsErgebnis e = Dienst().BackupErstellen(tmp.filePath("gibt-es-nicht"));
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.meldung, QStringLiteral("Das ausgewählte Verzeichnis ist ungültig."));
    EXPECT_FALSE(QFileInfo::exists(tmp.filePath("gibt-es-nicht")));
}

TEST_F(Sicherung, RestoreGivesBackExactlyTheRowsOfTheBackup)
{
    const auto vorher = AlleZeilen(*dm);
    const TSicherungsErgebnis b = Dienst().BackupErstellen(Ziel());
    ASSERT_TRUE(b.ok) << b.meldung.toStdString();

    TVokabelSpeicher s(*dm);
    auto neu = Eintrag(QStringLiteral("novus"), WA_ADJEKTIV);
    neu->BedeutungHinzufuegen(QStringLiteral("neu"), {}, 1, 1);
    s.VokabelAnlegen(*neu);
    dm->VokabelLoeschen(1);
    ASSERT_NE(AlleZeilen(*dm), vorher);

    // A modified open lesson closes without the save question.
    TLektionssitzung sitzung(*dm, r, uhr);
    sitzung.Neu();
    ASSERT_NE(sitzung.Aktuell(), nullptr);
    sitzung.TextSetzen(QStringLiteral("Gallia est omnis divisa"));
    ASSERT_TRUE(sitzung.Aktuell()->geaendert);
    r.antworten = {Antwort::Ja};
    const TSicherungsErgebnis e = Dienst(&sitzung).BackupEinspielen(b.datei);
    ASSERT_TRUE(e.ok) << e.meldung.toStdString();
    EXPECT_EQ(e.meldung, QStringLiteral("Das Backup wurde erfolgreich eingespielt."));
    ASSERT_EQ(r.fragen.size(), 1u);
    EXPECT_EQ(r.fragen[0].text, TSicherungsdienst::EinspielFrage());
    EXPECT_EQ(sitzung.Lektionen().Anzahl(), 1);
    EXPECT_FALSE(sitzung.Aktuell()->geaendert);

    // The same data manager works on the restored file.
    EXPECT_EQ(AlleZeilen(*dm), vorher);
    EXPECT_TRUE(dm->Bereit());
    EXPECT_EQ(dm->VokabelLaden(1)->vokabel, QStringLiteral("amare"));
    EXPECT_TRUE(Arbeitsreste().isEmpty()) << Arbeitsreste().join(", ").toStdString();
}

// Runs until cancelled, reading on the job's own connection meanwhile.
class TLeseAuftrag final : public TAuftrag {
  public:
    std::atomic<bool> laeuft{false};
    void Ausfuehren(TAuftragsKontext &k) override
    {
        for (;;) {
            TAnweisung a = k.Daten().Verbindung().Anweisung("SELECT count(*) FROM vokabel");
            a.Schritt();
            laeuft = true;
            k.AbbruchPruefen();
            QThread::msleep(2);
        }
    }
};

// The program's own holders of the database let go for the swap and read
// the restored file afterwards: an analysis source in a read session with
// its kept statement, and a job on its own connection, which is cancelled.
TEST_F(Sicherung, RestoreSucceedsWhileTheProgramsOwnHoldersUseTheDatabase)
{
    const TSicherungsErgebnis b = Dienst().BackupErstellen(Ziel());
    ASSERT_TRUE(b.ok) << b.meldung.toStdString();
    TAnalysequelle quelle(*dm);
    std::vector<IAnalysequelle::TStichwortZeile> zeilen;
    auto amare = [&] {
        zeilen.clear();
        quelle.Auffrischen();
        quelle.StichwoerterMitPraefix(QStringLiteral("amare"), true, zeilen);
        return zeilen.size();
    };
    ASSERT_EQ(amare(), 1u);
    dm->VokabelLoeschen(zeilen.front().vokabelId);
    ASSERT_EQ(amare(), 0u);
    quelle.SitzungBeginnen();
    TAuftragslaeufer laeufer(*dm);
    auto auftrag = std::make_shared<TLeseAuftrag>();
    ASSERT_TRUE(laeufer.Starten(auftrag));
    while (!auftrag->laeuft)
        QThread::msleep(1);

    r.antworten = {Antwort::Ja};
    const TSicherungsErgebnis e = Dienst().BackupEinspielen(b.datei);
    ASSERT_TRUE(e.ok) << e.meldung.toStdString();
    EXPECT_TRUE(laeufer.AbbruchAngefordert());
    EXPECT_EQ(amare(), 1u);
}

TEST_F(Sicherung, DecliningTheQuestionChangesNothing)
{
    const TSicherungsErgebnis b = Dienst().BackupErstellen(Ziel());
    dm->VokabelLoeschen(1);
    const auto vorher = AlleZeilen(*dm);
    r.antworten = {Antwort::Nein};
    const TSicherungsErgebnis e = Dienst().BackupEinspielen(b.datei);
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.meldung.isEmpty());
    EXPECT_EQ(AlleZeilen(*dm), vorher);
}

TEST_F(Sicherung, BadArchivesAreRefusedAndTheDatabaseStaysAsItWas)
{
    const QByteArray db = DatenbankBytes();
    ASSERT_GT(db.size(), 8192);
    TVokabelSpeicher s(*dm);
    auto neu = Eintrag(QStringLiteral("post"), WA_ADJEKTIV);
    s.VokabelAnlegen(*neu);
    const auto vorher = AlleZeilen(*dm);

    const struct {
        const char *name;
        std::vector<std::pair<QString, QByteArray>> eintraege; // empty: not a zip at all
        const char *grund;
    } faelle[] = {
        {"kein zip", {}, "kein lesbares Backup-Archiv"},
        {"../x", {{"../x", db}}, "unzulässigen Pfad „../x“"},
        {"../ im Namen der Datenbank", {{"../lexovita.db", db}}, "unzulässigen Pfad"},
        {"absoluter Pfad", {{"/tmp/lexovita.db", db}}, "unzulässigen Pfad"},
        {"fremde Datei neben der Datenbank", {{"lexovita.db", db}, {"notizen.txt", "hallo"}}, "fremde Datei"},
        {"fremde Datei unter dem Namen der Datenbank", {{"lexovita.db", "Dies ist keine Datenbank."}}, "beschädigt"},
        {"abgeschnittene Datenbank", {{"lexovita.db", db.left(db.size() / 2)}}, "beschädigt"},
        {"leeres Archiv", {}, "kein lesbares"},
    };
    int nr = 0;
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.name);
        const QString archiv = tmp.filePath(QStringLiteral("fall%1.zip").arg(++nr));
        if (f.eintraege.empty()) {
            QFile datei(archiv);
            ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
            datei.write(std::string_view(f.name) == "kein zip" ? "PK\x03\x04 kaputt" : "");
        } else {
            ZipSchreiben(archiv, f.eintraege);
        }
        r.antworten = {Antwort::Ja};
        const TSicherungsErgebnis e = Dienst().BackupEinspielen(archiv);
        EXPECT_FALSE(e.ok);
        EXPECT_TRUE(e.meldung.startsWith(TSicherungsdienst::EinspielFehler())) << e.meldung.toStdString();
        EXPECT_TRUE(e.meldung.contains(QString::fromUtf8(f.grund))) << e.meldung.toStdString();
        EXPECT_EQ(AlleZeilen(*dm), vorher);
        EXPECT_TRUE(Arbeitsreste().isEmpty()) << Arbeitsreste().join(", ").toStdString();
        EXPECT_FALSE(QFileInfo::exists(QDir(Daten()).filePath("x")));
    }
    // Still connected and writable.
    dm->VokabelLoeschen(neu->id);
    EXPECT_EQ(Zahl(*dm, "SELECT count(*) FROM vokabel"), 3);
}

TEST_F(Sicherung, ADatabaseLargerThanTheFreeSpaceIsRefusedBeforeAnythingIsWritten)
{
    // An archive may declare far more than it holds compressed; what it
    // declares must fit beside what the system needs.
    const QByteArray db = DatenbankBytes();
    const QString archiv = tmp.filePath(QStringLiteral("gross.zip"));
    ZipSchreiben(archiv, {{QStringLiteral("lexovita.db"), db}});
    constexpr qint64 kReserve = 64 * 1024 * 1024;
    const struct {
        qint64 frei;
        bool passt;
    } faelle[] = {{0, false}, {kReserve, false}, {kReserve + db.size() - 1, false}, {kReserve + db.size(), true}};
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.frei);
        QTemporaryDir aus;
        if (f.passt) {
            EXPECT_EQ(Lesen(BackupEntpacken(archiv, aus.path(), f.frei)), db);
        } else {
            try {
                BackupEntpacken(archiv, aus.path(), f.frei);
                ADD_FAILURE() << "not refused";
            } catch (const TFehler &e) {
                EXPECT_TRUE(e.Meldung().contains(QStringLiteral("nicht genug Speicherplatz")))
                    << e.Meldung().toStdString();
            }
            EXPECT_TRUE(QDir(aus.path()).isEmpty());
        }
    }
}

// Backups made by changing a real backup's database: each is refused
// before the live file is touched, and the old database answers as before.
TEST_F(Sicherung, PoisonedAndBrokenBackupsAreRefusedAndTheOldDatabaseAnswersAsBefore)
{
    const QByteArray db = DatenbankBytes();
    const auto vorher = AlleZeilen(*dm);
    const struct {
        const char *name;
        const char *sql;
        const char *grund;
    } faelle[] = {
        {"lek_vok ohne Spalten", "DROP TABLE lek_vok; CREATE TABLE lek_vok (x INTEGER);",
         "Der Tabelle „lek_vok“ fehlt die Spalte „vokabel_id“"},
        {"vokabel ohne Stammformen",
         "ALTER TABLE vokabel RENAME TO alt; CREATE TABLE vokabel (id INTEGER PRIMARY KEY AUTOINCREMENT, vokabel "
         "TEXT); "
         "INSERT INTO vokabel SELECT id, vokabel FROM alt; DROP TABLE alt;",
         "Der Tabelle „vokabel“ fehlt die Spalte „form1“"},
        {"Trigger, der beim nächsten Antworten alles löscht",
         "CREATE TRIGGER gift AFTER INSERT ON gedaechtnis BEGIN DELETE FROM vokabel; DELETE FROM lektion; END;",
         "den Trigger „gift“"},
        {"Trigger in einer älteren Version",
         "CREATE TRIGGER gift AFTER UPDATE ON lek_vok BEGIN DELETE FROM vokabel; "
         "END; PRAGMA user_version = 3;",
         "den Trigger „gift“"},
        {"Sicht", "CREATE VIEW sicht AS SELECT * FROM vokabel;", "die Sicht „sicht“"},
        {"fremde Tabelle", "CREATE TABLE fremd (x);", "unbekannte Objekt „fremd“"},
        {"zusätzliche Spalte", "ALTER TABLE stamm ADD COLUMN x TEXT;", "unbekannte Spalte „x“"},
        {"eindeutiger Index", "DROP INDEX stamm_stamm; CREATE UNIQUE INDEX stamm_stamm ON stamm (stamm);",
         "Index „stamm_stamm“"},
        {"Regel, die jedes Speichern verhindert",
         "DROP TABLE lehrbuch; CREATE TABLE lehrbuch (id INTEGER PRIMARY KEY AUTOINCREMENT, "
         "name TEXT NOT NULL DEFAULT '' CHECK (length(name) < 2));",
         "Regeln"},
        {"Spalte mit anderem Typ",
         "DROP TABLE lehrbuch; CREATE TABLE lehrbuch (id INTEGER PRIMARY KEY AUTOINCREMENT, name BLOB);",
         "Spalten der Tabelle „lehrbuch“"},
        {"unbekannte neuere Version", "PRAGMA user_version = 99;", "neueren Programmversion"},
        {"Version 0", "PRAGMA user_version = 0;", "beschädigt"},
        {"ältere Version mit kaputter Tabelle",
         "DROP TABLE lek_vok; CREATE TABLE lek_vok (x); PRAGMA user_version = 1;", "kann nicht aktualisiert werden"},
        {"beschädigter Index", kIndexVertauscht, "Prüfung der Datenbank hat Fehler gefunden"},
    };
    int nr = 0;
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.name);
        const QByteArray kaputt = Veraendert(db, f.sql);
        ASSERT_FALSE(kaputt.isEmpty());
        const QString archiv = tmp.filePath(QStringLiteral("gift%1.zip").arg(++nr));
        ZipSchreiben(archiv, {{QStringLiteral("lexovita.db"), kaputt}});
        r.antworten = {Antwort::Ja};
        const TSicherungsErgebnis e = Dienst().BackupEinspielen(archiv);
        EXPECT_FALSE(e.ok);
        EXPECT_TRUE(e.meldung.startsWith(TSicherungsdienst::EinspielFehler())) << e.meldung.toStdString();
        EXPECT_TRUE(e.meldung.contains(QString::fromUtf8(f.grund))) << e.meldung.toStdString();
        EXPECT_EQ(AlleZeilen(*dm), vorher);
        EXPECT_TRUE(Arbeitsreste().isEmpty()) << Arbeitsreste().join(", ").toStdString();
    }
    // The old database answers and takes writes: the poisoned trigger never arrived.
    TLernspeicher lernen(*dm);
    TAntwortEintrag antwort;
    antwort.vokabelId = 1;
    antwort.zeitpunkt = QDateTime(kTag, QTime(10, 0));
    antwort.richtig = true;
    TGedaechtnis zustand;
    zustand.vokabelId = 1;
    zustand.letzte = antwort.zeitpunkt;
    zustand.faellig = kTag.addDays(1);
    zustand.erste = kTag;
    lernen.AntwortSpeichern(antwort, zustand);
    EXPECT_EQ(Zahl(*dm, "SELECT count(*) FROM gedaechtnis"), 1);
    EXPECT_EQ(Zahl(*dm, "SELECT count(*) FROM vokabel"), 3);
    EXPECT_EQ(dm->VokabelLaden(1)->vokabel, QStringLiteral("amare"));
}

// A backup of an earlier release (other layout, fewer indexes, looser
// columns) still restores: it is brought up to date on the scratch copy.
TEST_F(Sicherung, ABackupOfAnEarlierReleaseIsUpgradedAndRestored)
{
    QTemporaryDir alt;
    AlteDatenbankAnlegen(alt.filePath(QStringLiteral("lexovita.db")));
    const QString archiv = tmp.filePath(QStringLiteral("alt.zip"));
    ZipSchreiben(archiv, {{QStringLiteral("lexovita.db"), Lesen(alt.filePath(QStringLiteral("lexovita.db")))}});
    r.antworten = {Antwort::Ja};
    const TSicherungsErgebnis e = Dienst().BackupEinspielen(archiv);
    ASSERT_TRUE(e.ok) << e.meldung.toStdString();
    EXPECT_EQ(dm->Verbindung().Benutzerversion(), kSchemaVersion);
    EXPECT_EQ(dm->VokabelLaden(1)->vokabel, QStringLiteral("amare"));
    EXPECT_EQ(Zahl(*dm, "SELECT count(*) FROM vokwb"), 2);
}

// A live database that fails the check is not saved: no archive, not even
// under a scratch name, and the message says why.
TEST_F(Sicherung, ABackupOfADatabaseThatFailsTheCheckIsRefused)
{
    const struct {
        const char *name;
        const char *sql;
        const char *grund;
    } faelle[] = {
        {"lek_vok ohne Spalten", "DROP TABLE lek_vok; CREATE TABLE lek_vok (x INTEGER);", "fehlt die Spalte"},
        {"Trigger", "CREATE TRIGGER gift AFTER INSERT ON gedaechtnis BEGIN DELETE FROM vokabel; END;", "Trigger"},
        {"beschädigter Index", kIndexVertauscht, "Prüfung der Datenbank hat Fehler gefunden"},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.name);
        QTemporaryDir ordner, ziel;
        {
            TDatenmanager neu(ordner.path());
            TVokabelSpeicher s(neu);
            auto v = Eintrag(QStringLiteral("Rosa"), WA_SUBSTANTIV, KD_A);
            v->BedeutungHinzufuegen(QStringLiteral("Rose"), {}, 1, 1);
            s.VokabelAnlegen(*v);
        }
        {
            TVerbindung v(QDir(ordner.path()).filePath(QStringLiteral("lexovita.db")), kSchluessel,
                          TVerbindung::Modus::NurVorhandene);
            v.Ausfuehren(f.sql);
        }
        TDatenmanager daten(ordner.path(), TDatenmanager::Modus::NurVorhandene);
        const TSicherungsErgebnis e = TSicherungsdienst(daten, r, uhr).BackupErstellen(ziel.path());
        EXPECT_FALSE(e.ok);
        EXPECT_TRUE(e.meldung.contains(QStringLiteral("kann nicht gesichert werden"))) << e.meldung.toStdString();
        EXPECT_TRUE(e.meldung.contains(QString::fromUtf8(f.grund))) << e.meldung.toStdString();
        EXPECT_TRUE(QDir(ziel.path()).isEmpty())
            << QDir(ziel.path()).entryList(QDir::AllEntries | QDir::Hidden).join(", ").toStdString();
    }
}

// Scratch copies go to the system's temporary folder, or to the backup's
// folder when that one cannot be used; never to the data folder, whose
// disk may be the full one.
TEST_F(Sicherung, TheWorkingCopyIsMadeOutsideTheDataFolder)
{
    const QByteArray tmpdirVorher = qgetenv("TMPDIR");
    const auto zurueck = qScopeGuard([&] { qputenv("TMPDIR", tmpdirVorher); });
    const QString systemTemp = tmp.filePath(QStringLiteral("systemtemp"));
    ASSERT_TRUE(QDir().mkpath(systemTemp));
    const struct {
        QString tmpdir;
        QString erwartet; // where the scratch folder must appear
    } faelle[] = {
        {systemTemp, systemTemp}, {tmp.filePath(QStringLiteral("fehlt/ganz")), Ziel()}, // no usable temporary folder
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.tmpdir.toStdString());
        qputenv("TMPDIR", QFile::encodeName(f.tmpdir));
        QStringList gesehen, imDatenordner;
        BackupErstellen(*dm, Ziel(), kTag, [&](int, int) {
            gesehen << QDir(f.erwartet).entryList({QStringLiteral(".backup-*")}, QDir::Dirs | QDir::Hidden);
            imDatenordner << Arbeitsreste();
        });
        EXPECT_FALSE(gesehen.isEmpty());
        EXPECT_TRUE(imDatenordner.isEmpty()) << imDatenordner.join(", ").toStdString();
        EXPECT_TRUE(QDir(f.erwartet).entryList({QStringLiteral(".backup-*")}, QDir::Dirs | QDir::Hidden).isEmpty());
    }
}

// What a killed backup or restore left behind goes at the next backup
// once it is an hour old; younger scratch files and foreign files stay.
TEST_F(Sicherung, LeftoversOlderThanAnHourAreRemovedByTheNextBackup)
{
    namespace fs = std::filesystem;
    const auto alt = fs::file_time_type::clock::now() - std::chrono::hours(2);
    struct Rest {
        QString pfad;
        bool ordner, alt, bleibt;
    };
    const std::vector<Rest> reste = {
        {QDir(Daten()).filePath(".backup-AbC123"), true, true, false},
        {QDir(Daten()).filePath(".wiederherstellung-XyZ789"), true, true, false},
        {QDir(Daten()).filePath(".wiederherstellung-jung12"), true, false, true},
        {QDir(Ziel()).filePath("lexovita Backup 2024-03-01.zip.Qw3rTy"), false, true, false},
        {QDir(Ziel()).filePath("lexovita Backup 2024-03-01.zip.jUnG99"), false, false, true},
        {QDir(Ziel()).filePath("urlaub.zip.bak"), false, true, true},
        {QDir(Ziel()).filePath(".backup-fremd"), true, true, true},
    };
    for (const Rest &rest : reste) {
        if (rest.ordner) {
            ASSERT_TRUE(QDir().mkpath(rest.pfad + "/inhalt"));
        } else {
            QFile datei(rest.pfad);
            ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
            datei.write(QByteArray(4096, 'x'));
        }
        if (rest.alt)
            fs::last_write_time(QFile::encodeName(rest.pfad).toStdString(), alt);
    }
    const TSicherungsErgebnis e = Dienst().BackupErstellen(Ziel());
    ASSERT_TRUE(e.ok) << e.meldung.toStdString();
    for (const Rest &rest : reste)
        EXPECT_EQ(QFileInfo::exists(rest.pfad), rest.bleibt) << rest.pfad.toStdString();
}

// ------------------------------------------------------------------ cleanup

// Cancels once `nach` steps are done; records the log.
class TAbbruchKontext final : public TAuftragsKontext {
  public:
    TAbbruchKontext(TDatenmanager &d, int nach) : m_d(d), m_nach(nach) {}
    bool Abbruch() const override { return m_abbruch.load(); }
    const std::atomic<bool> &AbbruchFlag() const override { return m_abbruch; }
    void Gesamt(int wert, int maximum) override
    {
        letzterStand = {wert, maximum};
        if (wert >= m_nach)
            m_abbruch = true;
    }
    void Schritt(int, int, const QString &) override {}
    void Protokoll(const QString &zeile) override { protokoll << zeile; }
    TDatenmanager &Daten() override { return m_d; }
    QStringList protokoll;
    std::pair<int, int> letzterStand;

  private:
    TDatenmanager &m_d;
    int m_nach;
    std::atomic<bool> m_abbruch{false};
};

class Aufraeumen : public Sicherung {
  protected:
    void SetUp() override
    {
        Sicherung::SetUp();
        // Deleted rows leave free pages that only the final step gives back.
        TTransaktion t(dm->Verbindung());
        for (int i = 0; i < 400; ++i) {
            TAnweisung a = dm->Verbindung().Anweisung("INSERT INTO bedeutung (bedeutung) VALUES (?1)");
            a.Binden(1, QString(500, QLatin1Char('a' + i % 26)));
            a.Ausfuehren();
        }
        t.Bestaetigen();
        dm->Verbindung().Ausfuehren("DELETE FROM bedeutung WHERE length(bedeutung) = 500");
        dm->Verbindung().Ausfuehren("PRAGMA wal_checkpoint(TRUNCATE)");
        ASSERT_GT(Zahl(*dm, "PRAGMA freelist_count"), 10);
    }
};

TEST_F(Aufraeumen, AFullRunVisitsEveryTableThenCompactsAndChecks)
{
    const auto vorher = AlleZeilen(*dm);
    const int tabellen = static_cast<int>(AufraeumTabellen(*dm).size());
    TAbbruchKontext k(*dm, 1 << 30);
    TAufraeumAuftrag().Ausfuehren(k);
    // A step per table, one to compact, one to check; the end names the result.
    EXPECT_EQ(k.protokoll.size(), tabellen + 2);
    EXPECT_EQ(k.letzterStand, std::make_pair(tabellen + 2, tabellen + 2));
    EXPECT_EQ(k.protokoll.last(), QStringLiteral("Die Prüfung der Datenbank hat keine Fehler gefunden."));
    EXPECT_EQ(Zahl(*dm, "PRAGMA freelist_count"), 0);
    EXPECT_EQ(AlleZeilen(*dm), vorher);
}

TEST_F(Aufraeumen, CancelAfterTheFirstTableLeavesTheRestUntouched)
{
    const int frei = Zahl(*dm, "PRAGMA freelist_count");
    TAbbruchKontext k(*dm, 1);
    EXPECT_THROW(TAufraeumAuftrag().Ausfuehren(k), TAuftragAbgebrochen);
    ASSERT_EQ(k.protokoll.size(), 1);
    EXPECT_TRUE(k.protokoll[0].contains(AufraeumTabellen(*dm).first()));
    EXPECT_EQ(Zahl(*dm, "PRAGMA freelist_count"), frei);
}

} // namespace
} // namespace lexovita::test
