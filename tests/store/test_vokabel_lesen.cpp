#include "store/hilfen.h"
#include "store/vokabelspeicher.h"

#include <QDateTime>

using namespace lexovita;
using namespace lexovita::test;

namespace {

// Rows written straight into the tables, as another program version or a
// damaged edit might have left them.
class Tabellen : public ::testing::Test {
  protected:
    TDatenmanager d{QStringLiteral(":memory:")};

    int32_t Vokabel(const QString &wort, const QString &wortart = QStringLiteral("s"),
                    const QString &konjdekl = QString(), int32_t attribute = 0)
    {
        TAnweisung a = d.Verbindung().Anweisung(
            "INSERT INTO vokabel (vokabel, wortart, konjdekl, attribute, vokabel_lower, form1, form2) "
            "VALUES (?1, ?2, ?3, ?4, ?5, 'f1', 'f2')");
        a.Binden(1, wort).Binden(2, wortart).Binden(3, konjdekl).Binden(4, attribute).Binden(5, wort.toLower());
        a.Ausfuehren();
        return int32_t(d.Verbindung().LetzteId());
    }
    int64_t BedeutungText(const QString &text)
    {
        TAnweisung a = d.Verbindung().Anweisung("INSERT INTO bedeutung (bedeutung, bedeutung_lower) VALUES (?1, ?2)");
        a.Binden(1, text).Binden(2, text.toLower());
        a.Ausfuehren();
        return d.Verbindung().LetzteId();
    }
    void Bedeutung(int32_t vok, int64_t bed, int32_t gruppe, int32_t position, const QString &kommentar = {})
    {
        TAnweisung a = d.Verbindung().Anweisung("INSERT INTO vok_bed VALUES (?1, ?2, ?3, ?4, ?5)");
        a.Binden(1, vok).Binden(2, bed).Binden(3, gruppe).Binden(4, position).Binden(5, kommentar);
        a.Ausfuehren();
    }
    void Bedeutung(int32_t vok, const QString &text, int32_t gruppe, int32_t position, const QString &kommentar = {})
    {
        Bedeutung(vok, BedeutungText(text), gruppe, position, kommentar);
    }
    void Ausfuehren(const char *sql, int32_t a, int32_t b = 0)
    {
        TAnweisung s = d.Verbindung().Anweisung(sql);
        s.Binden(1, a);
        if (QByteArray(sql).contains("?2"))
            s.Binden(2, b);
        s.Ausfuehren();
    }
    Liste Geladen(int32_t id) { return Bedeutungen(*d.VokabelLaden(id)); }
};

} // namespace

// ---------------------------------------------------------------- meanings

using BedeutungenLaden = Tabellen;

TEST_F(BedeutungenLaden, StoredPositionsOnlyOrderTheMeaningsOfAGroup)
{
    const int32_t v = Vokabel(QStringLiteral("res"));
    Bedeutung(v, QStringLiteral("a"), 2, 5);
    Bedeutung(v, QStringLiteral("b"), 2, 3);
    Bedeutung(v, QStringLiteral("c"), 1, 0);
    EXPECT_EQ(Geladen(v), (Liste{"c 1/1", "b 2/1", "a 2/2"}));
}

TEST_F(BedeutungenLaden, PositionsCompareAsNumbersAndGroupsBelowOneCountAsOne)
{
    const int32_t v = Vokabel(QStringLiteral("res"));
    Bedeutung(v, QStringLiteral("zehn"), 1, 10);
    Bedeutung(v, QStringLiteral("neun"), 0, 9);
    Bedeutung(v, QStringLiteral("zwei"), -3, 2);
    EXPECT_EQ(Geladen(v), (Liste{"zwei 1/1", "neun 1/2", "zehn 1/3"}));
}

TEST_F(BedeutungenLaden, GroupThreeWithoutGroupTwoLandsInGroupOneCountingAgain)
{
    const int32_t v = Vokabel(QStringLiteral("res"));
    Bedeutung(v, QStringLiteral("x"), 3, 1);
    Bedeutung(v, QStringLiteral("a"), 1, 1);
    Bedeutung(v, QStringLiteral("b"), 1, 2);
    EXPECT_EQ(Geladen(v), (Liste{"a 1/1", "b 1/2", "x 1/1"}));
}

TEST_F(BedeutungenLaden, MissingOrEmptyMeaningTextIsSkippedButKeepsItsPlace)
{
    const int32_t v = Vokabel(QStringLiteral("res"));
    Bedeutung(v, int64_t(4711), 1, 1);
    Bedeutung(v, QString(), 1, 2);
    Bedeutung(v, QStringLiteral("Sache"), 1, 3);
    EXPECT_EQ(Geladen(v), (Liste{"Sache 1/3"}));
}

TEST_F(BedeutungenLaden, RemarkContainingSemicolonsStillLoads)
{
    const int32_t v = Vokabel(QStringLiteral("res"));
    Bedeutung(v, QStringLiteral("Sache"), 1, 1, QStringLiteral("a; b;c"));
    Bedeutung(v, QStringLiteral("Ding"), 1, 2, QStringLiteral(";"));
    EXPECT_EQ(Geladen(v), (Liste{"Sache 1/1 [a; b;c]", "Ding 1/2 [;]"}));
}

TEST_F(BedeutungenLaden, SharedMeaningRowServesEveryEntry)
{
    const int32_t a = Vokabel(QStringLiteral("amare"), QStringLiteral("v"));
    const int32_t b = Vokabel(QStringLiteral("diligere"), QStringLiteral("v"));
    const int64_t lieben = BedeutungText(QStringLiteral("lieben"));
    Bedeutung(a, lieben, 1, 1);
    Bedeutung(b, lieben, 1, 1, QStringLiteral("hochschätzen"));
    EXPECT_EQ(Geladen(a), (Liste{"lieben 1/1"}));
    EXPECT_EQ(Geladen(b), (Liste{"lieben 1/1 [hochschätzen]"}));
}

// ---------------------------------------------------------------- entries

using VokabelLaden = Tabellen;

TEST_F(VokabelLaden, IdZeroOrUnknownGivesANewEmptyEntry)
{
    for (int32_t id : {0, -1, 999}) {
        auto v = d.VokabelLaden(id);
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(v->id, 0);
        EXPECT_TRUE(v->vokabel.isEmpty());
        EXPECT_EQ(v->Wortart(), WA_UNBESTIMMT);
    }
}

TEST_F(VokabelLaden, StoredLettersDecideWordClassAndInflectionKeepingTheFlags)
{
    // The attribute word says verb/A-Konjugation, the letters say noun/O.
    const int32_t a = Vokabel(QStringLiteral("dominus"), QStringLiteral("s"), QStringLiteral("o"),
                              WA_VERB | KD_A | ATTR_SINGULARIS_TANTUM | ATTR_RESERVIERT);
    auto v = d.VokabelLaden(a);
    EXPECT_EQ(v->Wortart(), WA_SUBSTANTIV);
    EXPECT_EQ(v->KonjDekl(), KD_O);
    EXPECT_TRUE(v->SingularisTantum());
    EXPECT_TRUE(v->attribute & ATTR_RESERVIERT);
    EXPECT_EQ(v->form1, QStringLiteral("f1"));

    auto fremd = d.VokabelLaden(Vokabel(QStringLiteral("x"), QStringLiteral("x"), QStringLiteral("z")));
    EXPECT_EQ(fremd->Wortart(), WA_UNBESTIMMT);
    EXPECT_EQ(fremd->KonjDekl(), KD_KEINE);
    EXPECT_EQ(fremd->KonjDeklText(), QString());
}

TEST_F(VokabelLaden, MemoryAidsLoadInStoredOrderButSpecialFormsAndReferencesOnlyOnRequest)
{
    const int32_t a = Vokabel(QStringLiteral("amicus"));
    const int32_t b = Vokabel(QStringLiteral("Amica"));
    const int32_t c = Vokabel(QStringLiteral("inimicus"));
    for (auto [text, sprache] : {std::pair{"friend", 2}, std::pair{"ami", 3}, std::pair{"Freund", 9}}) {
        TAnweisung m =
            d.Verbindung().Anweisung("INSERT INTO merkhilfe (vokabel_id, merkhilfe, sprache) VALUES (?1, ?2, ?3)");
        m.Binden(1, a).Binden(2, QString::fromUtf8(text)).Binden(3, int32_t(sprache));
        m.Ausfuehren();
    }
    Ausfuehren("INSERT INTO sonderform (vokabel_id, form_id, form) VALUES (?1, ?2, 'amice')", a, 77);
    Ausfuehren("INSERT INTO vok_vok VALUES (?1, ?2)", a, c);
    Ausfuehren("INSERT INTO vok_vok VALUES (?1, ?2)", b, a);
    Ausfuehren("INSERT INTO vok_vok VALUES (?1, ?2)", a, 999); // refers to a missing entry

    auto v = d.VokabelLaden(a);
    ASSERT_EQ(v->merkhilfen.size(), 3u);
    EXPECT_EQ(v->merkhilfen[0]->merkhilfe, QStringLiteral("friend"));
    EXPECT_EQ(v->merkhilfen[1]->sprache, SPR_FRANZOESISCH);
    EXPECT_EQ(v->merkhilfen[2]->sprache, SPR_ANDERE);
    EXPECT_TRUE(v->sonderformen.empty());
    EXPECT_TRUE(v->Verweise().isEmpty());

    d.SonderformenLaden(*v);
    ASSERT_EQ(v->sonderformen.size(), 1u);
    EXPECT_EQ(v->sonderformen[0]->text, QStringLiteral("amice"));
    EXPECT_EQ(v->sonderformen[0]->formId, 77);
    EXPECT_EQ(v->sonderformen[0]->vokabelId, a);
    d.VerweiseLaden(*v);
    // Both directions, sorted ignoring case, the missing entry skipped.
    EXPECT_EQ(v->Verweise(), (QStringList{"Amica", "inimicus"}));
    d.VerweiseLaden(*v);
    EXPECT_EQ(v->Verweise().size(), 2);
}

// ----------------------------------------------------------------- search

using VokabelnSuchen = Tabellen;

TEST_F(VokabelnSuchen, NeedsMoreThanOneCharacterAfterTrimming)
{
    Vokabel(QStringLiteral("a"));
    Vokabel(QStringLiteral("ab"));
    EXPECT_TRUE(d.VokabelnSuchen(QStringLiteral("a")).empty());
    EXPECT_TRUE(d.VokabelnSuchen(QStringLiteral("  a  ")).empty());
    EXPECT_TRUE(d.VokabelnSuchen(QString()).empty());
    EXPECT_EQ(d.VokabelnSuchen(QStringLiteral(" ab ")).size(), 1u);
}

TEST_F(VokabelnSuchen, FindsHeadwordsBeginningWithTheTextIgnoringCaseInKeyOrder)
{
    for (const char *w : {"amo", "Amicus", "AMARE", "cama", "ante", "am", "Ämter", "ämsig"})
        Vokabel(QString::fromUtf8(w), QStringLiteral("v"));
    QStringList gefunden;
    for (const auto &v : d.VokabelnSuchen(QStringLiteral("  Am ")))
        gefunden << v->vokabel;
    EXPECT_EQ(gefunden, (QStringList{"am", "AMARE", "Amicus", "amo"}));
    EXPECT_EQ(d.VokabelnSuchen(QString::fromUtf8("ÄM")).size(), 2u);
    auto v = std::move(d.VokabelnSuchen(QStringLiteral("amo")).front());
    EXPECT_EQ(v->Wortart(), WA_VERB);
    EXPECT_EQ(v->form1, QStringLiteral("f1"));
    EXPECT_TRUE(v->bedeutungen.empty());
}

TEST_F(VokabelnSuchen, TreatsWildcardsAndQuotesAsPlainCharacters)
{
    Vokabel(QStringLiteral("abc"));
    Vokabel(QStringLiteral("a_c"));
    Vokabel(QStringLiteral("a%c"));
    Vokabel(QStringLiteral("o'x"));
    EXPECT_EQ(d.VokabelnSuchen(QStringLiteral("a_")).size(), 1u);
    EXPECT_EQ(d.VokabelnSuchen(QStringLiteral("a%")).size(), 1u);
    EXPECT_EQ(d.VokabelnSuchen(QStringLiteral("o'")).size(), 1u);
}

TEST_F(VokabelnSuchen, ReturnsAtMostFiftyEntries)
{
    for (int i = 0; i < 60; ++i)
        Vokabel(QStringLiteral("am%1").arg(i, 2, 10, QLatin1Char('0')));
    const auto treffer = d.VokabelnSuchen(QStringLiteral("Am"));
    ASSERT_EQ(treffer.size(), size_t(TDatenmanager::kSuchLimit));
    EXPECT_EQ(treffer.front()->vokabel, QStringLiteral("am00"));
    EXPECT_EQ(treffer.back()->vokabel, QStringLiteral("am49"));
}

// --------------------------------------------------------------- deleting

using Loeschen = Tabellen;

namespace {

int ZeilenVon(TDatenmanager &d, int32_t id)
{
    return Zahl(d,
                "SELECT (SELECT count(*) FROM vokabel WHERE id = ?1) + (SELECT count(*) FROM vok_bed WHERE "
                "vokabel_id = ?1) + (SELECT count(*) FROM vok_vok WHERE vokabel1_id = ?1 OR vokabel2_id = ?1) + "
                "(SELECT count(*) FROM merkhilfe WHERE vokabel_id = ?1) + (SELECT count(*) FROM sonderform "
                "WHERE vokabel_id = ?1) + (SELECT count(*) FROM lek_vok WHERE vokabel_id = ?1) + (SELECT "
                "count(*) FROM stamm WHERE vokabel_id = ?1) + (SELECT count(*) FROM vokwb WHERE vokabel_id = ?1)",
                id);
}

} // namespace

class VokabelLoeschen : public Tabellen {
  protected:
    int32_t a = 0, b = 0;
    void SetUp() override
    {
        a = Vokabel(QStringLiteral("amicus"));
        b = Vokabel(QStringLiteral("inimicus"));
        for (int32_t id : {a, b}) {
            Bedeutung(id, QStringLiteral("Freund"), 1, 1);
            Ausfuehren("INSERT INTO merkhilfe (vokabel_id, merkhilfe, sprache) VALUES (?1, 'ami', ?2)", id, 3);
            Ausfuehren("INSERT INTO sonderform (vokabel_id, form_id, form) VALUES (?1, ?2, 'x')", id, 5);
            Ausfuehren("INSERT INTO lek_vok (vokabel_id, lektion_id, position) VALUES (?1, ?2, 1)", id, 1);
            Ausfuehren("INSERT INTO stamm (vokabel_id, stamm) VALUES (?1, 'amic')", id);
            Ausfuehren("INSERT INTO vokwb (vokabel_id, ausdruck) VALUES (?1, 'amicus')", id);
        }
        Ausfuehren("INSERT INTO vok_vok VALUES (?1, ?2)", a, b);
        Ausfuehren("INSERT INTO vok_vok VALUES (?1, ?2)", b, a);
        ASSERT_EQ(ZeilenVon(d, a), 9);
    }
};

TEST_F(VokabelLoeschen, RemovesEveryDependentRowOnBothSidesButKeepsMeaningTexts)
{
    d.VokabelLoeschen(a);
    EXPECT_EQ(ZeilenVon(d, a), 0);
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM vok_vok"), 0);
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM bedeutung WHERE bedeutung = 'Freund'"), 2);
    // The other entry keeps everything but its references to the deleted one.
    EXPECT_EQ(ZeilenVon(d, b), 7);
    EXPECT_EQ(d.VokabelLaden(b)->BedeutungenText(), QStringLiteral("Freund"));
    EXPECT_EQ(d.VokabelLaden(a)->id, 0);
}

TEST_F(VokabelLoeschen, FailureHalfWayLeavesEverythingInPlace)
{
    d.Verbindung().Ausfuehren("CREATE TRIGGER stoerung BEFORE DELETE ON stamm "
                              "BEGIN SELECT RAISE(ABORT, 'Testabbruch'); END");
    EXPECT_THROW(d.VokabelLoeschen(a), DatenbankFehler);
    EXPECT_FALSE(d.Verbindung().InTransaktion());
    EXPECT_EQ(ZeilenVon(d, a), 9);
    EXPECT_EQ(d.VokabelLaden(a)->vokabel, QStringLiteral("amicus"));
}

TEST_F(Loeschen, TextbookGoesWithItsLessonsAndTheirEntryListsOnly)
{
    const int32_t v = Vokabel(QStringLiteral("amicus"));
    d.Verbindung().Ausfuehren("INSERT INTO lehrbuch (id, name) VALUES (1, 'Eins'), (2, 'Zwei');"
                              "INSERT INTO lektion (id, name, lehrbuch_id) VALUES (10, 'L1', 1), (11, 'L2', 1), "
                              "(12, 'L3', 2)");
    for (int32_t lektion : {10, 11, 12})
        Ausfuehren("INSERT INTO lek_vok (vokabel_id, lektion_id, position) VALUES (?1, ?2, 1)", v, lektion);
    EXPECT_EQ(d.LehrbuchLoeschen(1), (std::vector<int32_t>{10, 11}));
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM lehrbuch"), 1);
    EXPECT_EQ(Zahl(d, "SELECT group_concat(id) FROM lektion"), 12);
    EXPECT_EQ(Zahl(d, "SELECT group_concat(lektion_id) FROM lek_vok"), 12);
    EXPECT_EQ(d.VokabelLaden(v)->id, v);
}

TEST_F(Loeschen, TextbookDeletionIsAllOrNothing)
{
    d.Verbindung().Ausfuehren("INSERT INTO lehrbuch (id, name) VALUES (1, 'Eins');"
                              "INSERT INTO lektion (id, name, lehrbuch_id) VALUES (10, 'L1', 1);"
                              "INSERT INTO lek_vok (vokabel_id, lektion_id) VALUES (5, 10);"
                              "CREATE TRIGGER stoerung BEFORE DELETE ON lehrbuch "
                              "BEGIN SELECT RAISE(ABORT, 'Testabbruch'); END");
    EXPECT_THROW(d.LehrbuchLoeschen(1), DatenbankFehler);
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM lektion"), 1);
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM lek_vok"), 1);
}

// ------------------------------------------------------------- time stamps

TEST(Zeitstempel, ReadsEachFieldFromItsFormatLetters)
{
    EXPECT_EQ(DatumLesen(QStringLiteral("20031224183005")), QDateTime(QDate(2003, 12, 24), QTime(18, 30, 5)));
    EXPECT_EQ(DatumNachFormat(QStringLiteral("24.12.2003 18:30:05"), QStringLiteral("dd.mm.yyyy hh:nn:ss")),
              QDateTime(QDate(2003, 12, 24), QTime(18, 30, 5)));
}

TEST(Zeitstempel, TextOfAnotherLengthNamesTextAndFormat)
{
    try {
        DatumLesen(QStringLiteral("2003"));
        FAIL();
    } catch (const KonvertierungsFehler &f) {
        EXPECT_EQ(f.Meldung(), QStringLiteral("Datum \"2003\" passt nicht zum Format \"yyyymmddhhnnss\"!"));
    }
}

TEST(Zeitstempel, NonDigitsAndImpossibleDatesAreConversionErrors)
{
    EXPECT_THROW(DatumLesen(QStringLiteral("2003122418300x")), KonvertierungsFehler);
    EXPECT_THROW(DatumLesen(QStringLiteral("2003-224183005")), KonvertierungsFehler);
    EXPECT_THROW(DatumLesen(QStringLiteral("20030230120000")), KonvertierungsFehler);
    EXPECT_THROW(DatumLesen(QStringLiteral("20031224250000")), KonvertierungsFehler);
    EXPECT_THROW(DatumLesen(QStringLiteral("00001224120000")), KonvertierungsFehler);
}

TEST(Zeitstempel, NowIsTheClocksTimeInFourteenDigitsThatReadBack)
{
    TDatenmanager dm(QStringLiteral(":memory:"));
    const QDateTime vorher = QDateTime::currentDateTime().addSecs(-1);
    const QString jetzt = dm.DatumJetzt();
    ASSERT_EQ(jetzt.size(), 14);
    const QDateTime gelesen = TDatenmanager::DatumLesen(jetzt);
    EXPECT_GE(gelesen, vorher.addMSecs(-vorher.time().msec()));
    EXPECT_LE(gelesen, QDateTime::currentDateTime());

    TFesteUhr uhr(QDateTime(QDate(2026, 12, 24), QTime(18, 30, 5)));
    dm.SetUhr(uhr);
    EXPECT_EQ(dm.DatumJetzt(), QStringLiteral("20261224183005"));
}
