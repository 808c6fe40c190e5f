#include "learning/formentest.h"

#include "lern_hilfe.h"
#include "morph/analysequelle.h"
#include "morph/formenbaum.h"
#include "morph/formid.h"
#include "morph/staemme.h"

#include <algorithm>

namespace lexovita {
namespace {

using namespace lexovita::test;

// The analysis' view of a handful of entries, kept in memory: the stem rows
// the store would write, the entries' special forms and the headwords.
class TSpeicherquelle : public IAnalysequelle {
  public:
    explicit TSpeicherquelle(const TLektion &lektion)
    {
        for (const auto &v : lektion.vokabeln) {
            for (const QString &stamm : StaemmeAbleiten(*v))
                m_staemme.push_back({stamm, v->id});
            m_eintraege.push_back(v.get());
        }
        std::sort(m_staemme.begin(), m_staemme.end());
    }
    void StaemmeMitPraefix(const QString &praefix, std::vector<int32_t> &ziel) override
    {
        for (const auto &[stamm, id] : m_staemme) {
            if (stamm.startsWith(praefix, Qt::CaseInsensitive))
                ziel.push_back(id);
        }
    }
    void StaemmeAmWortanfang(const QString &wort, std::vector<int32_t> &ziel) override
    {
        // Shorter beginnings first, each stem before the same stem with "v".
        for (qsizetype n = 1; n <= wort.size(); ++n)
            for (const QString &anfang : {wort.left(n), wort.left(n) + QLatin1Char('v')})
                for (const auto &[stamm, id] : m_staemme)
                    if (stamm == anfang)
                        ziel.push_back(id);
    }
    void StichwoerterAmWortanfang(const QString &wort, std::vector<TStichwortZeile> &ziel) override
    {
        for (qsizetype n = 1; n <= wort.size(); ++n)
            for (const TVokabel *v : m_eintraege)
                if (AsciiKlein(v->vokabel) == wort.left(n))
                    ziel.push_back({v->id, v->vokabel});
    }
    const TVokabel *Vokabelzeile(int32_t id) override
    {
        const auto it = std::find_if(m_eintraege.begin(), m_eintraege.end(), [&](auto *v) { return v->id == id; });
        return it == m_eintraege.end() ? nullptr : *it;
    }
    void SonderformenMitPraefix(const QString &praefix, bool, std::vector<TSonderformZeile> &ziel) override
    {
        for (const TVokabel *v : m_eintraege) {
            for (const auto &f : v->sonderformen) {
                if (f->text.startsWith(praefix))
                    ziel.push_back({v->id, f->formId, f->text});
            }
        }
    }
    void SonderformenVon(int32_t, std::vector<TSonderformZeile> &) override {}
    void StichwoerterMitPraefix(const QString &praefix, bool nurGleiche, std::vector<TStichwortZeile> &ziel) override
    {
        for (const TVokabel *v : m_eintraege) {
            const QString klein = AsciiKlein(v->vokabel);
            if (nurGleiche ? klein == praefix : klein.startsWith(praefix))
                ziel.push_back({v->id, v->vokabel});
        }
    }
    void BedeutungenLaden(TVokabel &) override {}

  private:
    std::vector<std::pair<QString, int32_t>> m_staemme;
    std::vector<const TVokabel *> m_eintraege;
};

TLektion *Lektion(std::vector<std::unique_ptr<TVokabel>> eintraege)
{
    static std::vector<std::unique_ptr<TLektion>> lektionen; // live as long as the test binary
    lektionen.push_back(std::make_unique<TLektion>());
    for (auto &v : eintraege)
        lektionen.back()->VokabelAnhaengen(std::move(v));
    return lektionen.back().get();
}

template <typename... T> std::vector<std::unique_ptr<TVokabel>> Liste(T... e)
{
    std::vector<std::unique_ptr<TVokabel>> l;
    (l.push_back(e()), ...);
    return l;
}

std::unique_ptr<TVokabel> Unbestimmt()
{
    return Eintrag(30, WA_UNBESTIMMT, KD_KEINE, "et", {}, {"und"});
}
std::unique_ptr<TVokabel> AmicusAdjektiv()
{
    return Eintrag(31, WA_ADJEKTIV, KD_O, "amicus", {"amicus", "amica", "amicum"}, {"freundlich"});
}

constexpr int32_t kLaudoId = fid::P1_SG | fid::PRAESENS | fid::INDIKATIV | fid::AKTIV;

TEST(FormenVorhanden, NeedsAnEntryWithAFormUnderAnAllowedIdentifier)
{
    const struct {
        const char *name;
        std::vector<std::unique_ptr<TVokabel>> eintraege;
        const char *substantivformen;
        bool vorhanden;
    } faelle[] = {
        {"undetermined words have no forms", Liste(Unbestimmt), nullptr, false},
        {"nouns with the defaults", Liste(Rosa), nullptr, true},
        {"nouns with no noun forms allowed", Liste(Rosa, Amicus), "", false},
        {"pronouns follow the noun list", Liste(Is), "", false},
        {"a verb beside them is enough", Liste(Rosa, Laudare), "", true},
        {"the ablative plural alone", Liste(Rosa), "81920", true},
        {"an empty lesson", Liste(), nullptr, false},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.name);
        TTestConfig tc;
        if (f.substantivformen)
            tc.config.flSubstantiv = TConfig::ListeAusText(QString::fromLatin1(f.substantivformen));
        auto eintraege = std::move(const_cast<std::vector<std::unique_ptr<TVokabel>> &>(f.eintraege));
        TLektion *lektion = Lektion(std::move(eintraege));
        TFesterZufall zufall;
        TFormenTest test(*lektion, tc.config, zufall);
        EXPECT_EQ(test.FormenVorhanden(), f.vorhanden);
        EXPECT_EQ(test.NaechsteForm(), f.vorhanden);
        EXPECT_EQ(test.formText.isEmpty(), !f.vorhanden);
    }
}

TEST(NaechsteForm, DrawsEntryAndIdentifierAndDrawsAgainWhenNothingResults)
{
    TTestConfig tc;
    tc.config.flSubstantiv = TConfig::ListeAusText(QStringLiteral("16384,81920"));
    tc.config.flVerb = {QString::number(kLaudoId)};
    TLektion *lektion = Lektion(Liste(Rosa, Laudare, Unbestimmt));
    TSkriptZufall zufall;
    TFormenTest test(*lektion, tc.config, zufall);
    // (entry, identifier) draws: the undetermined word gives nothing and is
    // drawn past; a single identifier needs no draw of its own.
    zufall.zahlen = {0, 1, 2, 0, 2, 1};
    const struct {
        int32_t vokabelId;
        const char *text, *bezeichnung;
    } erwartet[] = {
        {19, "rosis", "Ablativ Pl."},
        {19, "rosae", "Genitiv Sg."},
        {11, "laudo", "1. Prs. Sg. Präsens Aktiv Indikativ"},
    };
    for (const auto &e : erwartet) {
        SCOPED_TRACE(e.text);
        test.antwort = QStringLiteral("alt");
        test.antwortFormId = 5;
        ASSERT_TRUE(test.NaechsteForm());
        EXPECT_EQ(test.aktuelleVokabel->id, e.vokabelId);
        EXPECT_EQ(S(test.formText), e.text);
        EXPECT_EQ(S(test.formBezeichnung), e.bezeichnung);
        EXPECT_TRUE(test.antwort.isEmpty());
        EXPECT_EQ(test.antwortFormId, 0);
    }
    EXPECT_TRUE(zufall.zahlen.empty());
}

TEST(PruefenBilden, TakesTheFormAsPupilsTypeItButNotWithPunctuation)
{
    TTestConfig tc;
    tc.config.flVerb = {QString::number(fid::P1_SG | fid::PERFEKT | fid::INDIKATIV | fid::AKTIV)};
    TLektion *lektion = Lektion(Liste(Laudare));
    TFesterZufall zufall;
    TFormenTest test(*lektion, tc.config, zufall);
    const struct {
        const char *eingabe;
        bool richtig;
        const char *gespeichert;
        QStringList eingegeben;
    } faelle[] = {
        {"laudavi", true, "laudavi", {}},
        {"  Laudavi \t", true, "laudavi", {}},
        {"lāudāvī", true, "lāudāvī", {}},
        {"laudavi.", false, "laudavi.", {}},
        {"", false, "", {}},
        {"laudo", false, "laudo", {QStringLiteral("1. Prs. Sg. Präsens Aktiv Indikativ")}},
        {"laudavit", false, "laudavit", {QStringLiteral("3. Prs. Sg. Perfekt Aktiv Indikativ")}},
    };
    int richtige = 0;
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.eingabe);
        ASSERT_TRUE(test.NaechsteForm());
        ASSERT_EQ(S(test.formText), "laudavi");
        test.antwort = QString::fromUtf8(f.eingabe);
        EXPECT_EQ(test.Pruefen(), f.richtig);
        EXPECT_EQ(S(test.antwort), f.gespeichert);
        EXPECT_EQ(test.eingegebeneFormen, f.eingegeben);
        richtige += f.richtig;
    }
    EXPECT_EQ(test.richtige, richtige);
    EXPECT_EQ(test.Abgefragt(), 7);
    EXPECT_EQ(test.ProzentRichtig(), 43);
    EXPECT_EQ(test.ProzentFalsch(), 57);
}

// A form with a second ending takes either; the other persons stay wrong.
TEST(PruefenBilden, EitherEndingOfTheAskedFormIsRight)
{
    const struct {
        int32_t id;
        const char *gefragt;
        std::vector<std::pair<const char *, bool>> antworten;
    } faelle[] = {
        {fid::P3_PL | fid::PERFEKT | fid::INDIKATIV | fid::AKTIV,
         "laudaverunt",
         {{"laudavere", true}, {"laudarunt", true}, {"laudaverunt", true}, {"laudavit", false}}},
        {fid::P2_SG | fid::PRAESENS | fid::INDIKATIV | fid::PASSIV,
         "laudaris",
         {{"laudare", true}, {"laudāre", true}, {"laudaris", true}, {"laudamini", false}}},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.gefragt);
        TTestConfig tc;
        tc.config.flVerb = {QString::number(f.id)};
        TLektion *lektion = Lektion(Liste(Laudare));
        TFesterZufall zufall;
        TFormenTest test(*lektion, tc.config, zufall);
        for (const auto &[antwort, richtig] : f.antworten) {
            SCOPED_TRACE(antwort);
            ASSERT_TRUE(test.NaechsteForm());
            ASSERT_EQ(S(test.formText), f.gefragt);
            test.antwort = QString::fromUtf8(antwort);
            EXPECT_EQ(test.Pruefen(), richtig);
        }
    }
}

// "Längen abfragen": off, the marks are ignored as before; on, an entry
// typed with lengths wants them, and a form right but for them is named.
TEST(PruefenBilden, LengthsCountOnlyWhenAskedAndKnown)
{
    const auto laudare = [] {
        return Eintrag(21, WA_VERB, KD_A, "laudāre", {"laudō", "laudāvī", "laudātum"}, {"loben"});
    };
    const struct {
        bool abfragen;
        std::unique_ptr<TVokabel> (*eintrag)();
        const char *antwort;
        bool richtig;
        const char *hinweis;
    } faelle[] = {
        {false, laudare, "laudaverunt", true, ""},
        {false, laudare, "laudāverunt", true, ""},
        {false, laudare, "laudavere", true, ""},
        {true, laudare, "laudāvērunt", true, ""},
        {true, laudare, "LAUDĀVĒRUNT", true, ""}, // case as before
        {true, laudare, "laudāvēre", true, ""},   // the second ending, with its lengths
        {true, laudare, "laudaverunt", false, "Länge: laudāvērunt, nicht laudaverunt"},
        {true, laudare, "laudāverunt", false, "Länge: laudāvērunt, nicht laudāverunt"},
        {true, laudare, "laudavere", false, "Länge: laudāvēre, nicht laudavere"},
        {true, laudare, "laudāvit", false, ""}, // another form: no length to name
        // An entry typed without lengths asks none.
        {true, Laudare, "laudaverunt", true, ""},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(testing::Message() << f.abfragen << " " << f.antwort);
        TTestConfig tc;
        tc.config.flVerb = {QString::number(fid::P3_PL | fid::PERFEKT | fid::INDIKATIV | fid::AKTIV)};
        tc.config.lrLaengen = f.abfragen;
        TLektion *lektion = Lektion(Liste(f.eintrag));
        TFesterZufall zufall;
        TFormenTest test(*lektion, tc.config, zufall);
        ASSERT_TRUE(test.NaechsteForm());
        test.antwort = QString::fromUtf8(f.antwort);
        EXPECT_EQ(test.Pruefen(), f.richtig);
        EXPECT_EQ(S(test.laengenHinweis), f.hinweis);
    }
}

// The identifier of the forms tree's node with that caption, as the
// "Formen bestimmen" window hands it over.
int32_t Knoten(const TVokabel &v, const char *beschriftung)
{
    TFormenmanager m;
    for (const TBaumKnoten &k : FormenBaumKnoten(m, v, 1)) {
        if (k.daten.caption == QString::fromUtf8(beschriftung))
            return k.daten.id;
    }
    ADD_FAILURE() << "kein Knoten " << beschriftung;
    return -1;
}

// "Formen bestimmen" on a lesson holding the noun and a namesake adjective.
TEST(PruefenBestimmen, EveryReadingOfTheAskedEntryCountsAndNoneOfAnother)
{
    TTestConfig tc;
    tc.config.flSubstantiv = {QString::number(fid::GEN_SG)};
    tc.config.flAdjektiv.clear();
    TLektion *lektion = Lektion(Liste(Amicus, AmicusAdjektiv));
    const TVokabel &nomen = *lektion->vokabeln[0];
    const TVokabel &adjektiv = *lektion->vokabeln[1];
    TSpeicherquelle quelle(*lektion);
    TFesterZufall zufall;
    TFormenTest test(*lektion, tc.config, zufall, &quelle);
    test.SetModus(TFormenTest::Bestimmen);
    const struct {
        const char *name;
        int32_t gewaehlt;
        bool richtig;
    } faelle[] = {
        {"genitive singular", Knoten(nomen, "Genitiv Sg."), true},
        {"nominative plural", Knoten(nomen, "Nominativ Pl."), true},
        {"accusative singular", Knoten(nomen, "Akkusativ Sg."), false},
        {"the adjective's reading", fid::NOM_PL | fid::MASKULINUM | fid::POSITIV, false},
        {"nothing chosen", 0, false},
    };
    ASSERT_NE(Knoten(adjektiv, "Positiv"), -1); // the adjective really has such forms
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.name);
        ASSERT_TRUE(test.NaechsteForm());
        ASSERT_EQ(S(test.formText), "amici");
        test.antwortFormId = f.gewaehlt;
        EXPECT_EQ(test.Pruefen(), f.richtig);
        EXPECT_EQ(test.loesungen, QStringList({QStringLiteral("Genitiv Sg."), QStringLiteral("Nominativ Pl.")}));
    }
    EXPECT_EQ(test.richtige, 2);
    EXPECT_EQ(test.falsche, 3);
}

TEST(PruefenBestimmen, APronounsCaseCountsWhateverItsGender)
{
    TTestConfig tc;
    tc.config.flSubstantiv = {QString::number(fid::GEN_SG)};
    TLektion *lektion = Lektion(Liste(Is));
    TSpeicherquelle quelle(*lektion);
    TFesterZufall zufall;
    TFormenTest test(*lektion, tc.config, zufall, &quelle);
    test.SetModus(TFormenTest::Bestimmen);
    ASSERT_TRUE(test.NaechsteForm());
    ASSERT_EQ(S(test.formText), "eius");
    const struct {
        int32_t gewaehlt;
        bool richtig;
    } faelle[] = {
        {Knoten(*lektion->vokabeln[0], "Genitiv Sg."), true},
        {fid::GEN_SG | fid::FEMININUM, true},
        {fid::GEN_SG, true},
        {Knoten(*lektion->vokabeln[0], "Dativ Sg."), false},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.gewaehlt);
        test.antwortFormId = f.gewaehlt;
        EXPECT_EQ(test.Pruefen(), f.richtig);
    }
}

} // namespace
} // namespace lexovita
