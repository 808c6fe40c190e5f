// The dictionary's three directions, its chooser and its commands, without a window.
#include "app/anwendungskern.h"
#include "app/lektionssitzung.h"
#include "app/woerterbuch.h"
#include "app/woerterbuchmodell.h"
#include "model/config.h"
#include "store/test_lektion_hilfen.h"
#include "store/vokabelspeicher.h"
#include "store/woerterbuch.h"

#include <QAbstractItemModelTester>
#include <set>

namespace lexovita::test {
namespace {

class TJaNein : public IRueckfrage {
  public:
    Antwort antwort = Antwort::Nein;
    QStringList gefragt;
    Antwort Frage(const QString &, const QString &text, int, Antwort, Symbol) override
    {
        gefragt << text;
        return antwort;
    }
    void Meldung(const QString &, const QString &) override {}
};

class Woerterbuch : public LektionsDatenbank {
  protected:
    TConfig config{QStringLiteral("/dev/null")};
    TJaNein frage;
    TAnwendungskern kern{daten, config, frage};
    TWoerterbuch wb{kern};
    int32_t amare = 0, amicus = 0, diligere = 0, ambulare = 0;

    void SetUp() override
    {
        amare = Anlegen(QStringLiteral("amare"), WA_VERB, KD_A, QStringLiteral("amo"), QStringLiteral("amavi"),
                        QStringLiteral("amatum"), {QStringLiteral("lieben")});
        amicus = Anlegen(QStringLiteral("amicus"), WA_SUBSTANTIV, KD_O, QStringLiteral("amici"), QStringLiteral("m"),
                         {}, {QStringLiteral("Freund")});
        diligere = Anlegen(QStringLiteral("diligere"), WA_VERB, KD_K, QStringLiteral("diligo"),
                           QStringLiteral("dilexi"), QStringLiteral("dilectum"), {QStringLiteral("lieben")});
        ambulare = Anlegen(QStringLiteral("ambulare"), WA_VERB, KD_A, QStringLiteral("ambulo"),
                           QStringLiteral("ambulavi"), QStringLiteral("ambulatum"), {QStringLiteral("gehen")});
        auto v = daten.VokabelLaden(amicus);
        daten.MerkhilfenLaden(*v);
        v->MerkhilfeHinzufuegen(QStringLiteral("amical"), SPR_FRANZOESISCH);
        TVokabelSpeicher(daten).Speichern(*v);
    }

    QStringList Texte() const
    {
        QStringList t;
        for (const auto &z : wb.Liste())
            t << z.text;
        return t;
    }
    QStringList Treffer() const
    {
        QStringList t;
        for (const auto &z : wb.Treffer())
            t << z.vokabel;
        return t;
    }
};

TEST_F(Woerterbuch, TypingAPrefixListsTheHeadwordsThatBeginWithIt)
{
    wb.Suchen(QStringLiteral("Am"));
    EXPECT_EQ(wb.ListenTitel(), QStringLiteral("Liste der Vokabeln:"));
    EXPECT_EQ(Texte(), (QStringList{QStringLiteral("amare"), QStringLiteral("ambulare"), QStringLiteral("amicus")}));
    EXPECT_EQ(Treffer(), QStringList{QStringLiteral("amare")});
    EXPECT_EQ(wb.AnzahlText(), QStringLiteral("1 Vokabel gefunden:"));
    ASSERT_TRUE(wb.Vokabel());
    EXPECT_TRUE(wb.FormentabelleMoeglich());
    wb.Suchen(QString());
    EXPECT_EQ(Texte().size(), 4);
    wb.Suchen(QStringLiteral("x"));
    EXPECT_TRUE(Texte().isEmpty());
    EXPECT_FALSE(wb.Vokabel());
    EXPECT_EQ(wb.AnzahlText(), QStringLiteral("keine Vokabel gefunden"));
}

// A pupil types as they can: case, j for i, long marks and umlaut
// spellings find the stored spelling, in both directions of the search.
TEST_F(Woerterbuch, ThePupilsSpellingFindsTheStoredOne)
{
    Anlegen(QStringLiteral("Iuppiter"), WA_UNBESTIMMT, KD_KEINE, {}, {}, {}, {QStringLiteral("Jupiter")});
    Anlegen(QStringLiteral("jam"), WA_ADVERB, KD_KEINE, {}, {}, {}, {QStringLiteral("schon")});
    Anlegen(QStringLiteral("poēta"), WA_SUBSTANTIV, KD_A, QStringLiteral("poetae"), QStringLiteral("m"), {},
            {QStringLiteral("Dichter")});
    Anlegen(QStringLiteral("puella"), WA_SUBSTANTIV, KD_A, QStringLiteral("puellae"), QStringLiteral("f"), {},
            {QStringLiteral("Mädchen")});
    Anlegen(QStringLiteral("magnus"), WA_ADJEKTIV, KD_KEINE, {}, {}, {}, {QStringLiteral("groß")});
    Anlegen(QStringLiteral("fortuna"), WA_SUBSTANTIV, KD_A, QStringLiteral("fortunae"), QStringLiteral("f"), {},
            {QStringLiteral("Glück")});
    Anlegen(QStringLiteral("gaudere"), WA_VERB, KD_E, QStringLiteral("gaudeo"), QStringLiteral("gavisus sum"), {},
            {QStringLiteral("sich freuen")});
    Anlegen(QStringLiteral("laetitia"), WA_SUBSTANTIV, KD_A, QStringLiteral("laetitiae"), QStringLiteral("f"), {},
            {QStringLiteral("Freude")});
    Anlegen(QStringLiteral("laetari"), WA_VERB, KD_A, QStringLiteral("laetor"), QStringLiteral("laetatus sum"), {},
            {QStringLiteral("(sich) freuen über")});
    const struct {
        TWoerterbuchModus modus;
        const char *getippt;
        QStringList liste;
    } faelle[] = {
        {TWoerterbuchModus::Latein, "jupp", {"Iuppiter"}},
        {TWoerterbuchModus::Latein, "IA", {"jam"}},
        {TWoerterbuchModus::Latein, "pōët", {"poēta"}},
        {TWoerterbuchModus::Latein, "poet", {"poēta"}},
        {TWoerterbuchModus::Deutsch, "MAEDCH", {"Mädchen"}},
        {TWoerterbuchModus::Deutsch, "mäd", {"Mädchen"}},
        {TWoerterbuchModus::Deutsch, "gross", {"groß"}},
        {TWoerterbuchModus::Deutsch, "ju", {"Jupiter"}}, // no j/i in German
        {TWoerterbuchModus::Deutsch, "iu", {}},
        // An umlaut typed as its plain vowel, or spelled out.
        {TWoerterbuchModus::Deutsch, "Madchen", {"Mädchen"}},
        {TWoerterbuchModus::Deutsch, "Gluck", {"Glück"}},
        {TWoerterbuchModus::Deutsch, "glueck", {"Glück"}},
        // A word inside a meaning, after the meanings that begin with it.
        {TWoerterbuchModus::Deutsch, "freu", {"Freude", "Freund", "(sich) freuen über", "sich freuen"}},
        {TWoerterbuchModus::Deutsch, "freuen", {"(sich) freuen über", "sich freuen"}},
        {TWoerterbuchModus::Deutsch, "reuen", {}},         // not inside a word
        {TWoerterbuchModus::Deutsch, "Freun", {"Freund"}}, // "eue" is no umlaut
        {TWoerterbuchModus::Deutsch, "Eifersucht", {}},
        {TWoerterbuchModus::Merkhilfen, "AMIC", {"amical"}},
    };
    for (const auto &f : faelle) {
        wb.ModusSetzen(f.modus);
        wb.Suchen(QString::fromUtf8(f.getippt));
        EXPECT_EQ(Texte(), f.liste) << f.getippt;
        EXPECT_EQ(wb.Vokabel() != nullptr, !f.liste.isEmpty()) << f.getippt;
        if (f.liste.isEmpty()) {
            EXPECT_EQ(wb.AnzahlText(), QStringLiteral("keine Vokabel gefunden")) << f.getippt;
        }
    }
}

// The list comes in pages; read to the end they are the whole list, in
// order, without a row twice, also where many rows share one key.
TEST_F(Woerterbuch, PagesReadToTheEndAreTheWholeListInOrder)
{
    // 190 distinct keys, then 21 spellings of one key across the first
    // page's end, then 250 more.
    int anzahl = 0;
    auto neu = [&](const QString &wort) {
        Anlegen(wort, WA_SUBSTANTIV, KD_A, QStringLiteral("arae"), QStringLiteral("f"), {}, {QStringLiteral("Altar")});
        ++anzahl;
    };
    {
        TTransaktion t(daten.Verbindung());
        for (int i = 0; i < 190; ++i)
            neu(QStringLiteral("ara%1").arg(i, 4, 10, QLatin1Char('0')));
        // Spellings that differ only in vowel lengths are one headword: they
        // are stored beside each other, as "Nein" to the overwrite question does.
        for (const char16_t a : {u'a', u'\u0101', u'\u0103', u'\u00e2', u'\u00e0', u'\u00e1', u'\u00e4'})
            for (const QString &r : {QStringLiteral("r"), QStringLiteral("r\u0304"), QStringLiteral("r\u0306")}) {
                TVokabel v;
                v.vokabel = QString(QChar(a)) + r + QStringLiteral("b");
                v.SetWortart(WA_SUBSTANTIV);
                v.SetKonjDekl(KD_A);
                v.form1 = QStringLiteral("arae");
                v.form2 = QStringLiteral("f");
                v.BedeutungAnhaengen(QStringLiteral("Altar"), QString(), 1);
                EXPECT_EQ(TVokabelSpeicher(daten).Speichern(v, TVokabelSpeicher::Loesung::Daneben),
                          TVokabelSpeicher::Ausgang::Gespeichert);
                ++anzahl;
            }
        for (int i = 0; i < 250; ++i)
            neu(QStringLiteral("arc%1").arg(i, 4, 10, QLatin1Char('0')));
        t.Bestaetigen();
    }
    // Paged through the list model, as the window's view does when it scrolls.
    wb.Suchen(QStringLiteral("ar"));
    TWoerterbuchModell modell(wb);
    EXPECT_EQ(static_cast<int>(wb.Liste().size()), TWoerterbuch::kSeite);
    EXPECT_EQ(modell.rowCount(), TWoerterbuch::kSeite);
    EXPECT_TRUE(modell.canFetchMore({}));
    // The tester reads a page itself, as a view does.
    QAbstractItemModelTester tester(&modell, QAbstractItemModelTester::FailureReportingMode::Fatal);
    while (modell.canFetchMore({}))
        modell.fetchMore({});
    EXPECT_FALSE(wb.MehrVorhanden());
    const auto ganz = TWoerterbuchAbfrage(daten).Liste(TWoerterbuchModus::Latein, false, QStringLiteral("ar"));
    ASSERT_EQ(wb.Liste().size(), ganz.size());
    ASSERT_EQ(ganz.size(), static_cast<size_t>(anzahl));
    std::set<int32_t> ids;
    ASSERT_EQ(modell.rowCount(), static_cast<int>(ganz.size()));
    for (size_t i = 0; i < ganz.size(); ++i) {
        EXPECT_EQ(wb.Liste()[i].id, ganz[i].id) << i;
        EXPECT_EQ(modell.index(static_cast<int>(i)).data().toString(), ganz[i].text) << i;
        ids.insert(ganz[i].id);
        if (i > 0) {
            EXPECT_LE(ganz[i - 1].schluessel, ganz[i].schluessel);
        }
    }
    EXPECT_EQ(ids.size(), ganz.size());
}

TEST_F(Woerterbuch, ASharedMeaningFillsTheChooserWithEveryEntryAndBrowsingWrapsAround)
{
    wb.ModusSetzen(TWoerterbuchModus::Deutsch);
    wb.Suchen(QStringLiteral("lie"));
    EXPECT_EQ(wb.ListenTitel(), QStringLiteral("Liste der Bedeutungen:"));
    ASSERT_EQ(Texte(), QStringList{QStringLiteral("lieben")}); // one meaning row, shared
    EXPECT_EQ(Treffer(), (QStringList{QStringLiteral("amare"), QStringLiteral("diligere")}));
    EXPECT_EQ(wb.AnzahlText(), QStringLiteral("2 Vokabeln gefunden:"));
    ASSERT_TRUE(wb.BlaetternMoeglich());
    wb.Naechste();
    EXPECT_EQ(wb.Vokabel()->vokabel, QStringLiteral("diligere"));
    wb.Naechste();
    EXPECT_EQ(wb.Vokabel()->vokabel, QStringLiteral("amare"));
    wb.Vorherige();
    EXPECT_EQ(wb.Vokabel()->vokabel, QStringLiteral("diligere"));
}

TEST_F(Woerterbuch, MemoryAidsFindTheirEntriesAndThePresentIndexListsVerbsUnderTheirFirstForm)
{
    wb.ModusSetzen(TWoerterbuchModus::Merkhilfen);
    wb.Suchen(QStringLiteral("ami"));
    EXPECT_EQ(Texte(), QStringList{QStringLiteral("amical")});
    EXPECT_EQ(Treffer(), QStringList{QStringLiteral("amicus")});
    // Three aids of one entry count as one entry found.
    auto v = daten.VokabelLaden(amicus);
    daten.MerkhilfenLaden(*v);
    v->MerkhilfeHinzufuegen(QStringLiteral("amicable"), SPR_ENGLISCH);
    v->MerkhilfeHinzufuegen(QStringLiteral("amigo"), SPR_SPANISCH);
    TVokabelSpeicher(daten).Speichern(*v);
    wb.Suchen(QStringLiteral("ami"));
    EXPECT_EQ(Texte().size(), 3);
    EXPECT_EQ(Treffer(), QStringList{QStringLiteral("amicus")});
    EXPECT_EQ(wb.AnzahlText(), QStringLiteral("1 Vokabel gefunden:"));

    config.wbPraesens = true;
    wb.ModusSetzen(TWoerterbuchModus::Latein);
    wb.Suchen(QStringLiteral("amo"));
    EXPECT_EQ(Texte(), QStringList{QStringLiteral("amo")});
    EXPECT_EQ(Treffer(), QStringList{QStringLiteral("amare")});
    config.wbPraesens = false;
    wb.Suchen(QStringLiteral("amo"));
    EXPECT_TRUE(Texte().isEmpty());
}

TEST_F(Woerterbuch, DeletingAsksFirstAndThenRemovesTheEntryEverywhere)
{
    kern.Sitzung().Neu();
    ASSERT_TRUE(kern.Sitzung().VokabelAnhaengen(amicus));
    ASSERT_TRUE(kern.Sitzung().VokabelAnhaengen(amare));
    wb.Suchen(QStringLiteral("amic"));
    EXPECT_FALSE(wb.Loeschen());
    ASSERT_EQ(frage.gefragt.size(), 1);
    EXPECT_EQ(frage.gefragt[0], QStringLiteral("Soll die Vokabel\n\n   'amicus'\n\naus dem Wörterbuch und aus allen "
                                               "Lektionen gelöscht werden?"));
    EXPECT_EQ(kern.Sitzung().Aktuell()->Anzahl(), 2);

    frage.antwort = Antwort::Ja;
    EXPECT_TRUE(wb.Loeschen());
    EXPECT_TRUE(Texte().isEmpty());
    EXPECT_TRUE(daten.VokabelLaden(amicus)->vokabel.isEmpty());
    ASSERT_EQ(kern.Sitzung().Aktuell()->Anzahl(), 1);
    EXPECT_EQ(kern.Sitzung().Aktuell()->vokabeln[0]->id, amare);
}

} // namespace
} // namespace lexovita::test
