#include "app/start.h"
#include "store/hilfen.h"
#include "store/schema.h"
#include "store/sicherung.h"
#include "store/sqlite.h"
#include "store/vokabelspeicher.h"
#include "store/woerterbuch.h"

#include <QDir>
#include <QRandomGenerator>
#include <sqlcipher/sqlite3.h>

using namespace lexovita;
using namespace lexovita::test;

namespace {

QString Aktualisierungsfrage()
{
    return QStringLiteral("Die Datenbank muss aktualisiert werden. Dies kann einige Sekunden dauern.\r\n"
                          "Das Programm wird während dieser Zeit nicht reagieren. Nach einer erfolgreichen\r\n"
                          "Aktualisierung wird eine Meldung angezeigt. Es werden dabei keine Änderungen an den "
                          "Daten vorgenommen.\r\n\r\nMöchtest du ein Backup erstellen?");
}

QStringList Spalten(TDatenmanager &d, const QString &tabelle)
{
    const std::string sql = "PRAGMA table_info(" + tabelle.toStdString() + ")";
    TAnweisung a = d.Verbindung().Anweisung(sql.c_str());
    QStringList namen;
    while (a.Schritt())
        namen << a.Text(1);
    return namen;
}

QString Plan(TDatenmanager &d, const char *sql)
{
    const std::string erklaert = std::string("EXPLAIN QUERY PLAN ") + sql;
    TAnweisung a = d.Verbindung().Anweisung(erklaert.c_str());
    QString plan;
    while (a.Schritt())
        plan += a.Text(3) + QLatin1Char('\n');
    return plan;
}

QString Beschaedigt(const QString &datei)
{
    return QStringLiteral("Die Datenbank „%1“ ist beschädigt oder keine lexovita-Datenbank.").arg(datei);
}

} // namespace

// ------------------------------------------------------------ new database

using NeueDatenbank = DatenOrdner;

TEST_F(NeueDatenbank, HasAllElevenTablesWithTheirNamedIndexes)
{
    TDatenmanager d(Pfad());
    ASSERT_TRUE(d.Bereit());
    for (const char *t : {"vokabel", "bedeutung", "vok_bed", "vok_vok", "merkhilfe", "sonderform", "stamm", "vokwb",
                          "lehrbuch", "lektion", "lek_vok"})
        EXPECT_TRUE(d.Verbindung().TabelleVorhanden(QString::fromLatin1(t))) << t;
    QStringList indexe;
    TAnweisung a = d.Verbindung().Anweisung(
        "SELECT name FROM sqlite_master WHERE type = 'index' AND name NOT LIKE 'sqlite_%' ORDER BY name");
    while (a.Schritt())
        indexe << a.Text(0);
    for (const char *i :
         {"vokabel_vokabel", "vokabel_vokabelwortart", "bedeutung_bedeutung", "bedeutung_bedeutung_lower",
          "vok_bed_vokabel_id", "vok_bed_bedeutung_id", "vok_vok_vokabel1_id", "vok_vok_vokabel2_id",
          "merkhilfe_vokabel_id", "merkhilfe_merkhilfe", "merkhilfe_merkhilfe_lower", "sonderform_vokabel_id",
          "sonderform_form", "sonderform_form_id_vokabel_id", "stamm_stamm", "vokwb_ausdruck", "vokwb_vokabel_id",
          "lek_vok_vokabel_id", "lek_vok_lektion_id"})
        EXPECT_TRUE(indexe.contains(QString::fromLatin1(i))) << i;
    EXPECT_EQ(d.Verbindung().Benutzerversion(), kSchemaVersion);
}

TEST_F(NeueDatenbank, KeepsTheStoredColumnOrderOfEntriesAndLessons)
{
    TDatenmanager d(Pfad());
    EXPECT_EQ(Spalten(d, QStringLiteral("vokabel")).mid(0, 9),
              (QStringList{"id", "vokabel", "form1", "form2", "form3", "konjdekl", "wortart", "attribute",
                           "aktualisierung"}));
    EXPECT_EQ(Spalten(d, QStringLiteral("lektion")), (QStringList{"id", "name", "lehrbuch_id", "notizen", "text",
                                                                  "unbenutzt", "vokabeln", "erstellt", "zugriff"}));
    EXPECT_EQ(Spalten(d, QStringLiteral("vok_bed")),
              (QStringList{"vokabel_id", "bedeutung_id", "gruppe", "position", "kommentar"}));
    EXPECT_EQ(Spalten(d, QStringLiteral("lek_vok")), (QStringList{"vokabel_id", "lektion_id", "position"}));
}

TEST_F(NeueDatenbank, IsCreatedWithItsFolderButNotWhenOnlyExistingOnesAreWanted)
{
    const QString unter = ordner.filePath(QStringLiteral("a/b"));
    try {
        TDatenmanager d(unter, TDatenmanager::Modus::NurVorhandene);
        FAIL() << "fehlende Datenbank nicht gemeldet";
    } catch (const DatenbankFehler &f) {
        EXPECT_EQ(f.Meldung(), QStringLiteral("Im Ordner „%1“ ist keine lexovita-Datenbank vorhanden.").arg(unter));
    }
    EXPECT_FALSE(QDir(unter).exists());
    TDatenmanager d(unter);
    EXPECT_TRUE(QFile::exists(QDir(unter).filePath(TDatenmanager::Dateiname())));
}

TEST(SpeicherDatenbank, WorksWithoutAFile)
{
    TDatenmanager d(QStringLiteral(":memory:"));
    EXPECT_TRUE(d.Bereit());
    EXPECT_TRUE(d.VokabelnSuchen(QStringLiteral("am")).empty());
}

// ------------------------------------------------------------- encryption

using Verschluesselung = DatenOrdner;

TEST_F(Verschluesselung, FileCarriesNoPlainSqliteHeaderNorPlainText)
{
    {
        TDatenmanager d(Pfad());
        TSkriptRueckfrage r;
        auto v = Eintrag(QStringLiteral("geheimwort"), WA_SUBSTANTIV);
        v->BedeutungHinzufuegen(QStringLiteral("Geheimnis"), {}, 1, 1);
        TVokabelSpeicher(d).VokabelAnlegen(*v);
    }
    const QByteArray inhalt = Inhalt();
    ASSERT_GT(inhalt.size(), 1024);
    EXPECT_FALSE(inhalt.startsWith("SQLite format 3"));
    EXPECT_FALSE(inhalt.contains("geheimwort"));
    EXPECT_FALSE(inhalt.contains("Geheimnis"));
}

TEST_F(Verschluesselung, WrongKeyCannotReadTheFile)
{
    {
        TDatenmanager d(Pfad());
    }
    TVerbindung falsch(Datei(), QByteArrayLiteral("falsches-passwort"), TVerbindung::Modus::NurVorhandene);
    try {
        falsch.Anweisung("SELECT count(*) FROM sqlite_master").Schritt();
        FAIL() << "mit falschem Schlüssel gelesen";
    } catch (const DatenbankFehler &f) {
        EXPECT_EQ(f.Code(), SQLITE_NOTADB);
        EXPECT_EQ(f.Meldung(), Beschaedigt(Datei()));
    }
}

// ------------------------------------------------------ damaged or foreign

using FremdeDatei = DatenOrdner;

TEST_F(FremdeDatei, RandomBytesAreReportedAndLeftUntouched)
{
    QByteArray zufall(8192, '\0');
    for (char &c : zufall)
        c = char(QRandomGenerator::global()->bounded(256));
    {
        QFile f(Datei());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(zufall);
    }
    for (auto modus : {TDatenmanager::Modus::AnlegenWennNoetig, TDatenmanager::Modus::NurVorhandene}) {
        try {
            TDatenmanager d(Pfad(), modus);
            FAIL() << "Zufallsdaten als Datenbank geöffnet";
        } catch (const DatenbankFehler &f) {
            EXPECT_EQ(f.Meldung(), Beschaedigt(Datei()));
        }
    }
    EXPECT_EQ(Inhalt(), zufall);
    EXPECT_EQ(QDir(Pfad()).entryList(QDir::Files), QStringList{TDatenmanager::Dateiname()});
}

TEST_F(FremdeDatei, PlainSqliteDatabaseIsReportedAndLeftUntouched)
{
    {
        TVerbindung fremd(Datei(), QByteArray(), TVerbindung::Modus::AnlegenWennNoetig);
        fremd.Ausfuehren("CREATE TABLE kunden (name TEXT); INSERT INTO kunden VALUES ('Meier');");
    }
    const QByteArray vorher = Inhalt();
    ASSERT_TRUE(vorher.startsWith("SQLite format 3"));
    EXPECT_THROW(TDatenmanager d(Pfad()), DatenbankFehler);
    EXPECT_EQ(Inhalt(), vorher);
}

TEST_F(FremdeDatei, EncryptedDatabaseWithoutOurTablesIsRejected)
{
    {
        TVerbindung fremd(Datei(), kSchluessel, TVerbindung::Modus::AnlegenWennNoetig);
        fremd.Ausfuehren("CREATE TABLE kunden (name TEXT)");
    }
    const QByteArray vorher = Inhalt();
    try {
        TDatenmanager d(Pfad());
        FAIL();
    } catch (const DatenbankFehler &f) {
        EXPECT_EQ(f.Meldung(), Beschaedigt(Datei()));
    }
    EXPECT_EQ(Inhalt(), vorher);
}

TEST_F(FremdeDatei, DatabaseOfANewerReleaseIsRejected)
{
    {
        TDatenmanager d(Pfad());
        d.Verbindung().SetBenutzerversion(kSchemaVersion + 1);
    }
    EXPECT_THROW(TDatenmanager d(Pfad()), DatenbankFehler);
}

// ------------------------------------------------------ second connection

using ZweiteVerbindung = DatenOrdner;

TEST_F(ZweiteVerbindung, SeesCommittedEntriesAndReadsWhileTheFirstWrites)
{
    TDatenmanager erste(Pfad());
    TDatenmanager zweite(Pfad());
    TSkriptRueckfrage r;
    auto v = Eintrag(QStringLiteral("amicus"), WA_SUBSTANTIV, KD_O, QStringLiteral("amici"), QStringLiteral("m"));
    v->BedeutungHinzufuegen(QStringLiteral("Freund"), {}, 1, 1);
    TVokabelSpeicher(erste).VokabelAnlegen(*v);
    EXPECT_EQ(zweite.VokabelLaden(v->id)->BedeutungenText(), QStringLiteral("Freund"));

    TTransaktion offen(erste.Verbindung());
    TAnweisung a = erste.Verbindung().Anweisung("DELETE FROM vokabel WHERE id = ?1");
    a.Binden(1, v->id);
    a.Ausfuehren();
    // Not yet committed: the reader still sees the entry and is not blocked.
    EXPECT_EQ(zweite.VokabelnSuchen(QStringLiteral("ami")).size(), 1u);
}

TEST_F(ZweiteVerbindung, WaitsForTheWriteLockAndFailsCleanlyWhenItIsHeldTooLong)
{
    TDatenmanager erste(Pfad());
    TDatenmanager zweite(Pfad());
    zweite.SetWartezeit(50);
    TSkriptRueckfrage r;
    auto v = Eintrag(QStringLiteral("amicus"), WA_SUBSTANTIV);
    v->BedeutungHinzufuegen(QStringLiteral("Freund"), {}, 1, 1);
    {
        TTransaktion sperre(erste.Verbindung());
        TVokabelSpeicher(erste).VokabelAnlegen(*v);
        try {
            zweite.VokabelLoeschen(v->id);
            FAIL() << "Schreibsperre nicht beachtet";
        } catch (const DatenbankFehler &f) {
            EXPECT_EQ(f.Code(), SQLITE_BUSY);
            EXPECT_EQ(f.Meldung(),
                      QStringLiteral(
                          "Die Datenbank ist von einem anderen Programm gesperrt. Bitte versuche es später erneut."));
        }
        sperre.Bestaetigen();
    }
    zweite.VokabelLoeschen(v->id);
    EXPECT_EQ(erste.VokabelLaden(v->id)->id, 0);
    TAnweisung pruefung = erste.Verbindung().Anweisung("PRAGMA integrity_check");
    ASSERT_TRUE(pruefung.Schritt());
    EXPECT_EQ(pruefung.Text(0), QStringLiteral("ok"));
}

// ---------------------------------------------------------------- upgrade

using Aktualisierung = DatenOrdner;

TEST_F(Aktualisierung, CurrentDatabaseStartsWithoutAnyQuestion)
{
    {
        TDatenmanager d(Pfad());
    }
    TDatenmanager d(Pfad());
    TSkriptRueckfrage r;
    EXPECT_EQ(DatenbankAktualisieren(d, r), TAktualisierung::Aktuell);
    EXPECT_TRUE(r.fragen.empty());
    EXPECT_TRUE(r.meldungen.empty());
}

TEST_F(Aktualisierung, CancelLeavesTheFileUnchangedAndTheDatabaseUnusable)
{
    AlteDatenbankAnlegen(Datei());
    const QByteArray vorher = Inhalt();
    TDatenmanager d(Pfad());
    EXPECT_FALSE(d.Bereit());
    TSkriptRueckfrage r{Antwort::Abbrechen};
    EXPECT_EQ(DatenbankAktualisieren(d, r), TAktualisierung::Abgebrochen);
    ASSERT_EQ(r.fragen.size(), 1u);
    EXPECT_EQ(r.fragen[0].text, Aktualisierungsfrage());
    EXPECT_EQ(r.fragen[0].knoepfe, KN_JA_NEIN_ABBRECHEN);
    EXPECT_EQ(r.fragen[0].symbol, Symbol::Information);
    EXPECT_EQ(r.backups, 0);
    EXPECT_THROW(d.VokabelLaden(1), DatenbankFehler);
    EXPECT_EQ(Inhalt(), vorher);
}

TEST_F(Aktualisierung, NoUpgradesInPlaceKeepingDataIdsAndLessonOrder)
{
    AlteDatenbankAnlegen(Datei());
    {
        TDatenmanager d(Pfad());
        TSkriptRueckfrage r{Antwort::Nein};
        EXPECT_EQ(DatenbankAktualisieren(d, r), TAktualisierung::Aktualisiert);
        EXPECT_EQ(r.backups, 0);
        EXPECT_EQ(r.meldungen, std::vector<QString>{QStringLiteral("Die Datenbank wurde aktualisiert.")});
        EXPECT_TRUE(d.Bereit());
    }
    const QByteArray inhalt = Inhalt();
    EXPECT_FALSE(inhalt.startsWith("SQLite format 3"));

    TDatenmanager d(Pfad());
    TSkriptRueckfrage keine;
    EXPECT_EQ(DatenbankAktualisieren(d, keine), TAktualisierung::Aktuell);
    EXPECT_EQ(Spalten(d, QStringLiteral("vokabel")).mid(0, 9).last(), QStringLiteral("aktualisierung"));
    auto amare = d.VokabelLaden(1);
    EXPECT_EQ(amare->vokabel, QStringLiteral("amare"));
    EXPECT_EQ(amare->Wortart(), WA_VERB);
    EXPECT_EQ(amare->BedeutungenText(), QStringLiteral("lieben"));
    EXPECT_TRUE(amare->aktualisierung.isEmpty());
    EXPECT_EQ(d.VokabelnSuchen(QStringLiteral("ro")).size(), 1u);
    // Rows from before the upgrade are found by their search keys.
    TWoerterbuchAbfrage wb(d);
    EXPECT_EQ(wb.Liste(TWoerterbuchModus::Latein, false, QStringLiteral("RŌ")).size(), 1u);
    EXPECT_EQ(wb.Liste(TWoerterbuchModus::Deutsch, false, QStringLiteral("Lieb")).size(), 1u);
    // Positions follow the stored order within each lesson.
    TAnweisung pos = d.Verbindung().Anweisung("SELECT vokabel_id, lektion_id, position FROM lek_vok ORDER BY rowid");
    QStringList zeilen;
    while (pos.Schritt())
        zeilen << QStringLiteral("%1/%2/%3").arg(pos.Int(0)).arg(pos.Int(1)).arg(pos.Int(2));
    EXPECT_EQ(zeilen, (QStringList{"2/1/1", "1/1/2", "2/7/1"}));
    // The id of the entry deleted before the upgrade is not handed out again.
    TSkriptRueckfrage r;
    auto neu = Eintrag(QStringLiteral("novus"), WA_ADJEKTIV);
    neu->BedeutungHinzufuegen(QStringLiteral("neu"), {}, 1, 1);
    TVokabelSpeicher(d).VokabelAnlegen(*neu);
    EXPECT_EQ(neu->id, 4);
}

TEST_F(Aktualisierung, YesOffersTheBackupBeforeChangingAnything)
{
    AlteDatenbankAnlegen(Datei());
    const QByteArray vorher = Inhalt();
    TDatenmanager d(Pfad());
    struct BackupPruefer : TSkriptRueckfrage {
        TDatenmanager *d = nullptr;
        bool spalteBeimBackup = true;
        bool BackupAnbieten() override
        {
            spalteBeimBackup = d->Verbindung().SpalteVorhanden(QStringLiteral("lek_vok"), QStringLiteral("position"));
            return TSkriptRueckfrage::BackupAnbieten();
        }
    } r;
    r.d = &d;
    r.antworten = {Antwort::Ja};
    EXPECT_EQ(DatenbankAktualisieren(d, r), TAktualisierung::Aktualisiert);
    EXPECT_EQ(r.backups, 1);
    EXPECT_FALSE(r.spalteBeimBackup);
    EXPECT_TRUE(d.Verbindung().SpalteVorhanden(QStringLiteral("lek_vok"), QStringLiteral("position")));
    EXPECT_NE(Inhalt(), vorher);
}

TEST_F(Aktualisierung, YesWithAFailedBackupLeavesTheFileUntouchedAndSaysSo)
{
    AlteDatenbankAnlegen(Datei());
    const QByteArray vorher = Inhalt();
    {
        TDatenmanager d(Pfad());
        TSkriptRueckfrage r{Antwort::Ja};
        r.backupGelingt = false;
        EXPECT_EQ(DatenbankAktualisieren(d, r), TAktualisierung::Abgebrochen);
        EXPECT_EQ(r.backups, 1);
        EXPECT_FALSE(d.Bereit());
        ASSERT_EQ(r.meldungen.size(), 1u);
        EXPECT_TRUE(r.meldungen[0].contains(QStringLiteral("nicht aktualisiert")));
    }
    EXPECT_EQ(Inhalt(), vorher);
}

// The backup window at start works on its own connection to the file that
// waits for its upgrade; the archive must hold the data before the upgrade.
TEST_F(Aktualisierung, YesTakesARealBackupOfTheOldFileBeforeTheUpgrade)
{
    AlteDatenbankAnlegen(Datei());
    QTemporaryDir ziel;
    struct BackupMacher : TSkriptRueckfrage {
        QString ordner, datenOrdner, archiv;
        bool BackupAnbieten() override
        {
            TSkriptRueckfrage::BackupAnbieten();
            TDatenmanager eigene(datenOrdner, TDatenmanager::Modus::NurVorhandene);
            archiv = BackupErstellen(eigene, ordner, QDate(2024, 3, 5));
            return true;
        }
    } r;
    r.ordner = ziel.path();
    r.datenOrdner = Pfad();
    r.antworten = {Antwort::Ja};
    TDatenmanager d(Pfad());
    EXPECT_EQ(DatenbankAktualisieren(d, r), TAktualisierung::Aktualisiert);
    EXPECT_TRUE(d.Verbindung().SpalteVorhanden(QStringLiteral("lek_vok"), QStringLiteral("position")));

    QTemporaryDir aus;
    const QString alt = BackupEntpacken(r.archiv, aus.path());
    TVerbindung v(alt, kSchluessel, TVerbindung::Modus::NurVorhandene);
    EXPECT_FALSE(v.SpalteVorhanden(QStringLiteral("lek_vok"), QStringLiteral("position")));
    EXPECT_EQ(v.Benutzerversion(), 1);
}

TEST_F(Aktualisierung, MissingOnlyTheTimeStampIsAskedOnceAndAddsEmptyValues)
{
    AlteDatenbankAnlegen(Datei(), /*mitPosition=*/true, /*mitAktualisierung=*/false);
    TDatenmanager d(Pfad());
    TSkriptRueckfrage r{Antwort::Nein};
    DatenbankAktualisieren(d, r);
    EXPECT_EQ(r.fragen.size(), 1u);
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM vokabel WHERE aktualisierung = ''"), 2);
    EXPECT_FALSE(Inhalt().startsWith("SQLite format 3"));
}

TEST_F(Aktualisierung, OlderMarkWithAllFieldsPresentIsFixedSilently)
{
    AlteDatenbankAnlegen(Datei(), true, true, true);
    TDatenmanager d(Pfad());
    TSkriptRueckfrage r;
    EXPECT_EQ(DatenbankAktualisieren(d, r), TAktualisierung::Aktuell);
    EXPECT_TRUE(r.fragen.empty());
    EXPECT_EQ(d.Verbindung().Benutzerversion(), kSchemaVersion);
}

// German keys made before umlauts folded to the plain vowel are made
// afresh, silently: "Glück" then meets "Gluck" and "Glueck".
TEST_F(Aktualisierung, GermanSearchKeysOfThePreviousVersionAreMadeAfresh)
{
    {
        TDatenmanager d(Pfad());
        d.Verbindung().Ausfuehren(
            "INSERT INTO bedeutung (bedeutung, bedeutung_lower, bedeutung_such) VALUES ('Glück', 'glück', 'glueck');"
            "INSERT INTO merkhilfe (vokabel_id, merkhilfe, merkhilfe_such) VALUES (1, 'Mädchen', 'maedchen');");
        d.Verbindung().SetBenutzerversion(4);
    }
    TDatenmanager d(Pfad());
    TSkriptRueckfrage r;
    EXPECT_EQ(DatenbankAktualisieren(d, r), TAktualisierung::Aktuell);
    EXPECT_TRUE(r.fragen.empty());
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM bedeutung WHERE bedeutung_such = 'gluck'"), 1);
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM merkhilfe WHERE merkhilfe_such = 'madchen'"), 1);
}

// ------------------------------------------------------------- word index

TEST_F(Aktualisierung, MissingWordIndexIsBuiltFromEveryEntry)
{
    AlteDatenbankAnlegen(Datei(), true, true, true);
    TDatenmanager d(Pfad());
    TSkriptRueckfrage r;
    DatenbankAktualisieren(d, r);
    ASSERT_TRUE(d.VokabelindexFehlt());
    // Deleting before the index exists must work too.
    d.VokabelLoeschen(99);
    EXPECT_TRUE(VokabelindexSicherstellen(d, r));
    EXPECT_EQ(r.meldungen,
              (std::vector<QString>{
                  QStringLiteral("Es muss ein neuer Vokabelindex angelegt werden. Dies kann einige Sekunden dauern."),
                  QStringLiteral("Der Vokabelindex wurde angelegt.")}));
    TAnweisung a =
        d.Verbindung().Anweisung("SELECT ausdruck, vokabel_id, ausdruck_lower FROM vokwb ORDER BY vokabel_id");
    QStringList zeilen;
    while (a.Schritt())
        zeilen << a.Text(0) + QLatin1Char('/') + QString::number(a.Int(1)) + QLatin1Char('/') + a.Text(2);
    // A verb is indexed by its first principal part, anything else by its headword.
    EXPECT_EQ(zeilen, (QStringList{"amo/1/amo", "Rosa/2/rosa"}));
    EXPECT_EQ(TWoerterbuchAbfrage(d).Liste(TWoerterbuchModus::Latein, true, QStringLiteral("ros")).size(), 1u);
    EXPECT_FALSE(VokabelindexSicherstellen(d, r));
    EXPECT_EQ(r.meldungen.size(), 2u);
}

// ---------------------------------------------------------- range scans

namespace {

// The statement the store itself prepared (it stays in the connection's
// cache), found by a piece of its text.
sqlite3_stmt *Vorbereitet(TDatenmanager &d, const char *stueck)
{
    for (sqlite3_stmt *s = sqlite3_next_stmt(d.Verbindung().Handle(), nullptr); s;
         s = sqlite3_next_stmt(d.Verbindung().Handle(), s))
        if (std::string(sqlite3_sql(s)).find(stueck) != std::string::npos)
            return s;
    return nullptr;
}

} // namespace

TEST(Bereichsabfragen, HeadwordSearchAndStemLookupScanTheirIndexWithoutSorting)
{
    TDatenmanager d(QStringLiteral(":memory:"));
    TSkriptRueckfrage r;
    TVokabelSpeicher speicher(d);
    for (int i = 0; i < 200; ++i) {
        auto v = Eintrag(QStringLiteral("wort%1").arg(i, 3, 10, QLatin1Char('0')), WA_VERB, KD_A,
                         QStringLiteral("wort%1o").arg(i), QStringLiteral("wort%1avi").arg(i));
        v->BedeutungHinzufuegen(QStringLiteral("b%1").arg(i), {}, 1, 1);
        speicher.VokabelAnlegen(*v);
    }
    EXPECT_EQ(d.VokabelnSuchen(QStringLiteral("wort19")).size(), 10u); // wort190 ... wort199
    EXPECT_EQ(d.StaemmeMitPraefix(QStringLiteral("wort19")).size(), 22u);

    for (const char *stueck : {"vokabel_lower >= ?1 AND vokabel_lower < ?2", "stamm >= ?1 AND stamm < ?2"}) {
        sqlite3_stmt *s = Vorbereitet(d, stueck);
        ASSERT_NE(s, nullptr) << stueck;
        EXPECT_EQ(sqlite3_stmt_status(s, SQLITE_STMTSTATUS_FULLSCAN_STEP, 0), 0) << stueck;
        EXPECT_EQ(sqlite3_stmt_status(s, SQLITE_STMTSTATUS_SORT, 0), 0) << stueck;
    }
    EXPECT_TRUE(Plan(d, sqlite3_sql(Vorbereitet(d, "vokabel_lower >= ?1 AND vokabel_lower < ?2")))
                    .contains(QStringLiteral("INDEX vokabel_vokabel")));
    EXPECT_TRUE(Plan(d, sqlite3_sql(Vorbereitet(d, "stamm >= ?1 AND stamm < ?2")))
                    .contains(QStringLiteral("INDEX stamm_stamm")));
    // The dictionary's ranges over lower-cased meanings and aids.
    EXPECT_TRUE(Plan(d, "SELECT id FROM bedeutung WHERE bedeutung_lower >= ?1 AND bedeutung_lower < ?2")
                    .contains(QStringLiteral("INDEX bedeutung_bedeutung_lower")));
    EXPECT_TRUE(Plan(d, "SELECT vokabel_id FROM merkhilfe WHERE merkhilfe_lower >= ?1 AND merkhilfe_lower < ?2")
                    .contains(QStringLiteral("INDEX merkhilfe_merkhilfe_lower")));
}
