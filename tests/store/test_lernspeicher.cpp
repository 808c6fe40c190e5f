// The review history and memory states: atomic writes, deletion with the
// entry, the upgrade of a database without them, and the look-ups of due
// and new entries and of the statistics.
#include "hilfen.h"

#include "store/lernspeicher.h"
#include "store/schema.h"
#include "store/sicherung.h"
#include "store/sqlite.h"

#include <QStringList>

using namespace lexovita;
using namespace lexovita::test;

namespace {

constexpr auto kLD = TAbfrageRichtung::LateinDeutsch;
constexpr auto kDL = TAbfrageRichtung::DeutschLatein;
const QDate kHeute(2026, 5, 20);

// Two textbooks: A with lessons A1 (entries 1, 2, 3) and A2 (4, 1), B with
// lesson B1 (5, 6). Entry 7 is in no lesson.
void Beispiel(TDatenmanager &d)
{
    d.Verbindung().Ausfuehren(R"(
INSERT INTO vokabel (id, vokabel, vokabel_lower) VALUES (1, 'amare', 'amare'), (2, 'bellum', 'bellum'),
  (3, 'caput', 'caput'), (4, 'dare', 'dare'), (5, 'esse', 'esse'), (6, 'facere', 'facere'), (7, 'gens', 'gens');
INSERT INTO lehrbuch (id, name) VALUES (1, 'A'), (2, 'B');
INSERT INTO lektion (id, name, lehrbuch_id) VALUES (10, 'A1', 1), (11, 'B1', 2), (12, 'A2', 1);
INSERT INTO lek_vok (vokabel_id, lektion_id, position) VALUES (3, 10, 3), (1, 10, 1), (2, 10, 2),
  (5, 11, 1), (6, 11, 2), (4, 12, 1), (1, 12, 2);
)");
}

TGedaechtnis Zustand(int32_t id, const QDate &faellig, TAbfrageRichtung r = kLD, double s = 2.5)
{
    TGedaechtnis g;
    g.vokabelId = id;
    g.richtung = r;
    g.stabilitaet = s;
    g.schwierigkeit = 5.25;
    g.letzte = QDateTime(faellig.addDays(-2), QTime(9, 15, 30));
    g.faellig = faellig;
    g.erste = faellig.addDays(-2);
    g.wiederholungen = 2;
    g.richtige = 1;
    return g;
}

TAntwortEintrag Eintrag(int32_t id, const QDateTime &zeit, bool richtig, TAbfrageRichtung r = kLD)
{
    return {id, zeit, TAbfrageArt::Schriftlich, r, richtig, 4};
}

std::vector<int32_t> Ids(const std::vector<TLernkarte> &karten)
{
    std::vector<int32_t> ids;
    for (const TLernkarte &k : karten)
        ids.push_back(k.vokabelId);
    return ids;
}

// Every row of every table but the history's, as text, for comparing
// before and after.
QStringList Tabelleninhalt(TVerbindung &v)
{
    QStringList tabellen;
    {
        TAnweisung a = v.Anweisung("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' "
                                   "AND name NOT IN ('lernverlauf', 'gedaechtnis') ORDER BY name");
        while (a.Schritt())
            tabellen << a.Text(0);
    }
    QStringList zeilen;
    for (const QString &t : tabellen) {
        const std::string sql = "SELECT * FROM " + t.toStdString() + " ORDER BY rowid";
        TAnweisung a = v.Anweisung(sql.c_str());
        while (a.Schritt()) {
            QStringList z{t};
            for (int i = 0; i < a.Spaltenzahl(); ++i)
                z << a.Text(i);
            zeilen << z.join(QLatin1Char('|'));
        }
    }
    return zeilen;
}

using Lernspeicher = DatenOrdner;

} // namespace

TEST_F(Lernspeicher, AnAnswerStoresItsHistoryRowAndMemoryStateTogetherOrNeither)
{
    TDatenmanager d(Pfad());
    Beispiel(d);
    TLernspeicher s(d);
    const TGedaechtnis g = Zustand(2, kHeute);
    s.AntwortSpeichern(Eintrag(2, QDateTime(kHeute.addDays(-2), QTime(9, 15, 30)), true), g);
    const std::optional<TGedaechtnis> gelesen = s.Gedaechtnis(2, kLD);
    ASSERT_TRUE(gelesen);
    EXPECT_DOUBLE_EQ(gelesen->stabilitaet, 2.5);
    EXPECT_DOUBLE_EQ(gelesen->schwierigkeit, 5.25);
    EXPECT_EQ(gelesen->letzte, g.letzte);
    EXPECT_EQ(gelesen->faellig, kHeute);
    EXPECT_EQ(gelesen->erste, g.erste);
    EXPECT_EQ(gelesen->wiederholungen, 2);
    EXPECT_FALSE(s.Gedaechtnis(2, kDL));
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM lernverlauf WHERE vokabel_id = 2 AND zeitpunkt = '20260518091530' "
                      "AND richtig = 1 AND sekunden = 4 AND art = 0 AND richtung = 1"),
              1);

    // The state cannot be written: the history row of that answer must not stay either.
    d.Verbindung().Ausfuehren("CREATE TRIGGER sperre BEFORE INSERT ON gedaechtnis BEGIN SELECT RAISE(ABORT, 'x'); END");
    EXPECT_THROW(s.AntwortSpeichern(Eintrag(3, QDateTime(kHeute, QTime(8, 0)), false), Zustand(3, kHeute)),
                 DatenbankFehler);
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM lernverlauf"), 1);
    EXPECT_FALSE(s.Gedaechtnis(3, kLD));
}

TEST_F(Lernspeicher, DeletingAnEntryRemovesItsHistoryAndStatesOnly)
{
    TDatenmanager d(Pfad());
    Beispiel(d);
    TLernspeicher s(d);
    for (auto [id, r] : {std::pair{1, kLD}, std::pair{1, kDL}, std::pair{2, kLD}})
        s.AntwortSpeichern(Eintrag(id, QDateTime(kHeute, QTime(8, 0)), true, r), Zustand(id, kHeute, r));
    d.VokabelLoeschen(1);
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM lernverlauf WHERE vokabel_id = 1"), 0);
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM gedaechtnis WHERE vokabel_id = 1"), 0);
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM lernverlauf WHERE vokabel_id = 2"), 1);
    EXPECT_TRUE(s.Gedaechtnis(2, kLD));
}

TEST_F(Lernspeicher, TheBackupHoldsTheHistoryAndTheMemoryStates)
{
    TDatenmanager d(Pfad());
    Beispiel(d);
    TLernspeicher s(d);
    s.AntwortSpeichern(Eintrag(4, QDateTime(kHeute, QTime(8, 0)), true), Zustand(4, kHeute.addDays(3)));
    QTemporaryDir ziel, aus;
    const QString archiv = BackupErstellen(d, ziel.path(), kHeute);
    TVerbindung kopie(BackupEntpacken(archiv, aus.path()), kSchluessel, TVerbindung::Modus::NurVorhandene);
    TAnweisung a = kopie.Anweisung("SELECT (SELECT count(*) FROM lernverlauf WHERE vokabel_id = 4), "
                                   "(SELECT faellig FROM gedaechtnis WHERE vokabel_id = 4)");
    ASSERT_TRUE(a.Schritt());
    EXPECT_EQ(a.Int(0), 1);
    EXPECT_EQ(a.Text(1), QStringLiteral("20260523"));
}

// A database of the previous version is exactly today's without the two
// history tables: the upgrade adds them without asking and keeps every row.
TEST_F(Lernspeicher, TheUpgradeFromThePreviousVersionKeepsEveryRow)
{
    QStringList vorher;
    {
        TDatenmanager d(Pfad());
        Beispiel(d);
        d.Verbindung().Ausfuehren(R"(
INSERT INTO bedeutung (bedeutung, bedeutung_lower, bedeutung_such) VALUES ('lieben', 'lieben', 'lieben');
INSERT INTO vok_bed (vokabel_id, bedeutung_id) VALUES (1, 1);
INSERT INTO merkhilfe (vokabel_id, merkhilfe, merkhilfe_such) VALUES (1, 'Amor', 'amor');
INSERT INTO stamm (vokabel_id, stamm) VALUES (1, 'am');
INSERT INTO vokwb (ausdruck, vokabel_id, ausdruck_lower) VALUES ('amare', 1, 'amare');
DROP TABLE lernverlauf;
DROP TABLE gedaechtnis;
)");
        d.Verbindung().SetBenutzerversion(3);
        vorher = Tabelleninhalt(d.Verbindung());
    }
    ASSERT_GT(vorher.size(), 20);
    TDatenmanager d(Pfad(), TDatenmanager::Modus::NurVorhandene);
    EXPECT_FALSE(d.Bereit());
    // Adding the review tables is no upgrade worth a question.
    EXPECT_FALSE(d.AktualisierungAendertTabellen());
    d.Aktualisieren();
    EXPECT_EQ(d.Verbindung().Benutzerversion(), kSchemaVersion);
    EXPECT_EQ(Tabelleninhalt(d.Verbindung()), vorher);
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM lernverlauf"), 0);
    TLernspeicher s(d);
    s.AntwortSpeichern(Eintrag(1, QDateTime(kHeute, QTime(8, 0)), true), Zustand(1, kHeute));
    EXPECT_EQ(Ids(s.Faellige(kHeute, kLD)), std::vector<int32_t>{1});
}

TEST_F(Lernspeicher, DueEntriesComeMostOverdueFirstAndNewOnesInTextbookOrder)
{
    TDatenmanager d(Pfad());
    Beispiel(d);
    TLernspeicher s(d);
    const struct {
        int32_t id;
        int tage; // due relative to today
        TAbfrageRichtung r;
    } zustaende[] = {{4, 0, kLD}, {2, -3, kLD}, {6, -1, kLD}, {3, 1, kLD}, {5, -5, kDL}, {7, -2, kLD}};
    for (const auto &z : zustaende)
        s.AntwortSpeichern(Eintrag(z.id, QDateTime(kHeute.addDays(z.tage - 2), QTime(8, 0)), true, z.r),
                           Zustand(z.id, kHeute.addDays(z.tage), z.r));

    const std::vector<TLernkarte> alle = s.Faellige(kHeute, kLD);
    EXPECT_EQ(Ids(alle), (std::vector<int32_t>{2, 7, 6, 4}));
    EXPECT_EQ(alle.front().vokabel, QStringLiteral("bellum"));
    EXPECT_EQ(alle.front().faellig, kHeute.addDays(-3));
    EXPECT_DOUBLE_EQ(alle.front().stabilitaet, 2.5);
    EXPECT_EQ(Ids(s.Faellige(kHeute, kLD, 1)), (std::vector<int32_t>{2, 4}));
    EXPECT_EQ(Ids(s.Faellige(kHeute, kLD, 2)), (std::vector<int32_t>{6}));
    EXPECT_EQ(Ids(s.Faellige(kHeute.addDays(1), kLD, 1)), (std::vector<int32_t>{2, 4, 3}));
    EXPECT_EQ(Ids(s.Faellige(kHeute, kDL)), (std::vector<int32_t>{5}));

    // Textbook A, lesson A1 by place, then A2 (1 already came with A1), then B.
    EXPECT_EQ(Ids(s.Neue(kLD, 0, 20)), (std::vector<int32_t>{1, 5}));
    EXPECT_EQ(Ids(s.Neue(kDL, 0, 20)), (std::vector<int32_t>{1, 2, 3, 4, 6}));
    EXPECT_EQ(Ids(s.Neue(kDL, 0, 3)), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(Ids(s.Neue(kDL, 2, 20)), (std::vector<int32_t>{6}));
    EXPECT_TRUE(s.Neue(kDL, 0, 0).empty());
    EXPECT_EQ(s.NeueAm(kHeute.addDays(-2), kLD), 1); // entry 4 was first reviewed two days ago
}

TEST_F(Lernspeicher, StatisticsCountDaysForecastLessonsAndTheRunOfDays)
{
    TDatenmanager d(Pfad());
    Beispiel(d);
    TLernspeicher s(d);
    EXPECT_FALSE(s.Statistik(kHeute, kLD).verlaufVorhanden);
    // Answers yesterday and the two days before (a run of three), and one 40 days ago.
    const struct {
        int32_t id;
        int tag;
        bool richtig;
        int faelligIn;
    } antworten[] = {{1, -1, true, 0}, {2, -2, true, 3}, {2, -1, false, -1}, {3, -3, true, 12}, {4, -40, false, 40}};
    for (const auto &a : antworten)
        s.AntwortSpeichern(Eintrag(a.id, QDateTime(kHeute.addDays(a.tag), QTime(23, 59, 59)), a.richtig),
                           Zustand(a.id, kHeute.addDays(a.faelligIn)));
    const TLernstatistikDaten st = s.Statistik(kHeute, kLD);
    EXPECT_TRUE(st.verlaufVorhanden);
    ASSERT_EQ(st.tage.size(), 30u);
    EXPECT_EQ(st.tage.front().tag, kHeute.addDays(-29));
    EXPECT_EQ(st.tage.back().tag, kHeute);
    EXPECT_EQ(st.tage[28].richtig, 1);
    EXPECT_EQ(st.tage[28].falsch, 1);
    EXPECT_EQ(st.tage[27].richtig, 1);
    EXPECT_EQ(st.tage[26].richtig, 1);
    EXPECT_EQ(st.tage[29].richtig + st.tage[29].falsch, 0);
    ASSERT_EQ(st.vorschau.size(), 30u);
    EXPECT_EQ(st.vorschau[0].faellig, 2); // due today and one overdue
    EXPECT_EQ(st.vorschau[12].faellig, 1);
    EXPECT_EQ(st.faelligHeute, 2);
    EXPECT_EQ(st.gelernt, 4);
    EXPECT_EQ(st.neu, 2); // 5 and 6; 7 is in no lesson
    EXPECT_EQ(st.tageInFolge, 3);
    // Lesson A1 holds 1, 2, 3 (6 reviews, 3 right in the stored states), A2 holds 4 and 1.
    ASSERT_EQ(st.lektionen.size(), 2u);
    EXPECT_EQ(st.lektionen[0].lektion, QStringLiteral("A1"));
    EXPECT_EQ(st.lektionen[0].abfragen, 6);
    EXPECT_EQ(st.lektionen[0].richtige, 3);
    EXPECT_EQ(st.lektionen[1].lektion, QStringLiteral("A2"));

    // An answer today extends the run.
    s.AntwortSpeichern(Eintrag(5, QDateTime(kHeute, QTime(0, 0)), true), Zustand(5, kHeute.addDays(3)));
    EXPECT_EQ(s.Statistik(kHeute, kLD).tageInFolge, 4);
}
