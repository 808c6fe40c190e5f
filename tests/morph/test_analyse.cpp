#include "morph/analyse.h"
#include "morph/analyse_bloecke.h"
#include "morph/endungen.h"
#include "morph/formenmanager.h"
#include "morph/stammfilter.h"

#include "morph_hilfe.h"

#include <gtest/gtest.h>

namespace lexovita {
namespace {

using namespace lexovita::test;

int L(const char *wort)
{
    return EndungsLaenge(QString::fromUtf8(wort));
}

TEST(EndungsLaenge, TakesTheLongestListedEndingThatLeavesTwoLetters)
{
    EXPECT_EQ(L("rosam"), 2);             // "am"
    EXPECT_EQ(L("laudaturum esse"), 9);   // "urum esse"
    EXPECT_EQ(L("amabamini"), 7);         // "abamini" rather than "mini"
    EXPECT_EQ(L("pulcherrimarum"), 7);    // "rimarum"
    EXPECT_EQ(L("laudatae essemus"), 10); // "ae essemus"
    EXPECT_EQ(L("amant"), 3);             // "ant"
}

TEST(EndungsLaenge, NeedsTwoLettersBeforeTheEndingAndOtherwiseCutsOne)
{
    EXPECT_EQ(L("amo"), 1); // "mo" is no ending, "o" alone is not listed
    EXPECT_EQ(L("eam"), 1); // "am" would leave one letter
    EXPECT_EQ(L("meam"), 2);
    EXPECT_EQ(L("cornu"), 1); // no endings for u
    EXPECT_EQ(L("rex"), 1);
    EXPECT_EQ(L("a"), 1);
    EXPECT_EQ(L(""), 1);
    EXPECT_EQ(L("ROSAM"), 1); // callers normalise first
}

// The fast analysis skips a block when the word ends in none of the block's
// listed endings. That is only sound if every text the generators produce
// for the block ends in one of them; checked here for entries of every
// class and flag combination.
TEST(StammzeilePlausibel, RulesOutFirstPartsTwoLongerThanTheWordUnlessGenitivePlural)
{
    const struct {
        const char *form1;
        qsizetype wortLaenge;
        bool plausibel;
    } faelle[] = {
        {"itine", 4, true},      // one longer
        {"itiner", 4, false},    // two longer: the limit
        {"itineris", 4, false},  // "iter"
        {"regis", 6, true},      // shorter than the word
        {"", 0, true},           // no first part
        {"castrorum", 6, true},  // "castra"
        {"divitiarum", 7, true}, // "divitia"
        {"dierum", 3, false},    // -erum is no exception
        {"CASTRORUM", 6, false}, // the ending is compared as entered
    };
    for (const auto &f : faelle) {
        const QString form1 = QString::fromUtf8(f.form1);
        SCOPED_TRACE(f.form1);
        EXPECT_EQ(StammzeilePlausibel(form1, f.wortLaenge), f.plausibel);
        // What a source keeps of the entry gives the same answer.
        EXPECT_EQ(StammzeilePlausibel(form1.size(), GenitivPluralArumOrum(form1), f.wortLaenge), f.plausibel);
    }
}

TEST(Analysebloecke, EveryGeneratedTextEndsInOneOfItsBlocksEndings)
{
    std::vector<TVokabel> eintraege;
    const int32_t verbflags[] = {0, ATTR_DEPONENS, ATTR_SEMIDEPONENS, ATTR_KEIN_PASSIV};
    for (int32_t flags : verbflags) {
        eintraege.push_back(Eintrag(WA_VERB, KD_A, "laudare", "laudo", "laudavi", "laudatum", flags));
        eintraege.push_back(Eintrag(WA_VERB, KD_E, "monere", "moneo", "monui", "monitum", flags));
        eintraege.push_back(Eintrag(WA_VERB, KD_I, "audire", "audio", "audivi", "auditum", flags));
        eintraege.push_back(Eintrag(WA_VERB, KD_K, "regere", "rego", "rexi", "rectum", flags));
        eintraege.push_back(Eintrag(WA_VERB, KD_G, "capere", "capio", "cepi", "captum", flags));
        eintraege.push_back(Eintrag(WA_VERB, KD_A, "hortari", "hortor", "hortatus sum", "", flags));
        eintraege.push_back(Eintrag(WA_VERB, KD_K, "sequi", "sequor", "secutus sum", "", flags));
        eintraege.push_back(Eintrag(WA_VERB, KD_G, "pati", "patior", "passus sum", "", flags));
    }
    eintraege.push_back(Eintrag(WA_ADJEKTIV, KD_O, "bonus", "bonus", "bona", "bonum"));
    eintraege.push_back(Eintrag(WA_ADJEKTIV, KD_O, "idoneus", "idoneus", "idonea", "idoneum"));
    eintraege.push_back(Eintrag(WA_ADJEKTIV, KD_O, "beneficus", "beneficus", "benefica", "beneficum"));
    eintraege.push_back(Eintrag(WA_ADJEKTIV, KD_O, "pulcher", "pulcher", "pulchra", "pulchrum"));
    eintraege.push_back(Eintrag(WA_ADJEKTIV, KD_I, "acer", "acer", "acris", "acre"));
    eintraege.push_back(Eintrag(WA_ADJEKTIV, KD_I, "felix", "felicis"));
    eintraege.push_back(Eintrag(WA_ADJEKTIV, KD_I, "prudens", "prudentis"));

    const char buchstaben[] = "aeimorstu";
    int gepruefte = 0;
    for (const TVokabel &v : eintraege) {
        for (const char b : buchstaben) {
            if (!b)
                continue;
            const intern::TBuchstabenbloecke &bl = intern::BloeckeFuer(QLatin1Char(b));
            const auto bloecke = v.Wortart() == WA_VERB ? bl.verb : bl.adjektiv;
            for (const intern::TAnalyseblock &block : bloecke) {
                const int32_t s = intern::BlockSelektor(block, v);
                if (s < 0)
                    continue;
                TFormenmanager m;
                block.erzeugen(m, v, s);
                for (const TLatForm &f : m.Ergebnisliste()) {
                    if (f.text.isEmpty())
                        continue;
                    ++gepruefte;
                    EXPECT_TRUE(intern::KannPassen(block, v, f.text.toLower()))
                        << v.vokabel.toStdString() << " Block " << block.nr << ": " << f.text.toStdString();
                }
            }
        }
    }
    EXPECT_GT(gepruefte, 5000);
}

// Records what the analysis asks its source.
class Protokollquelle : public IAnalysequelle {
  public:
    std::vector<std::string> fragen;
    int auffrischungen = 0;

    void Auffrischen() override { ++auffrischungen; }
    void StaemmeMitPraefix(const QString &p, std::vector<int32_t> &) override { Notieren("stamm", p); }
    void StaemmeAmWortanfang(const QString &w, std::vector<int32_t> &) override { Notieren("anfang", w); }
    void StichwoerterAmWortanfang(const QString &w, std::vector<TStichwortZeile> &) override
    {
        Notieren("stichwortanfang", w);
    }
    const TVokabel *Vokabelzeile(int32_t) override { return nullptr; }
    void SonderformenMitPraefix(const QString &p, bool, std::vector<TSonderformZeile> &) override
    {
        Notieren("sonder", p);
    }
    void SonderformenVon(int32_t, std::vector<TSonderformZeile> &) override {}
    void StichwoerterMitPraefix(const QString &p, bool, std::vector<TStichwortZeile> &) override
    {
        Notieren("stichwort", p);
    }
    void BedeutungenLaden(TVokabel &) override {}

  private:
    void Notieren(const char *was, const QString &p) { fragen.push_back(std::string(was) + " " + p.toStdString()); }
};

TEST(FormAnalysieren, AsksForTheStemOnlyWhenWordAndStemAreLongEnough)
{
    TFormenmanager m;
    Protokollquelle q;
    TFormanalyse a(m, q);
    a.FormAnalysieren(QStringLiteral("Rosam"));
    EXPECT_EQ(q.fragen, (std::vector<std::string>{"stamm ros", "sonder rosam", "stichwort rosam", "anfang rosam",
                                                  "stichwortanfang rosam"}));
    q.fragen.clear();
    a.FormAnalysieren(QStringLiteral("es"));  // two letters: no stem path
    a.FormAnalysieren(QStringLiteral("eam")); // stem "ea" after cutting one letter
    a.FormAnalysieren(QStringLiteral("est")); // stem "es"
    a.FormAnalysieren(QString());
    EXPECT_EQ(q.fragen,
              (std::vector<std::string>{"sonder es", "stichwort es", "anfang es", "stichwortanfang es", "stamm ea",
                                        "sonder eam", "stichwort eam", "anfang eam", "stichwortanfang eam", "stamm es",
                                        "sonder est", "stichwort est", "anfang est", "stichwortanfang est"}));
    EXPECT_EQ(q.auffrischungen, 4); // once per analysed word, not for the empty one
}

TEST(FormAnalysieren, SplitsQueOnlyFromWordsOfMoreThanFourLetters)
{
    TFormenmanager m;
    Protokollquelle q;
    TFormanalyse a(m, q);
    a.FormAnalysieren(QStringLiteral("virque"));
    // The enclitic's own entry is looked up by its headword only.
    EXPECT_EQ(q.fragen, (std::vector<std::string>{"stamm virqu", "sonder virque", "stichwort virque", "anfang virque",
                                                  "stichwortanfang virque", "stamm vi", "sonder vir", "stichwort vir",
                                                  "anfang vir", "stichwortanfang vir", "stamm -qu", "sonder -que",
                                                  "stichwort -que"}));
    EXPECT_EQ(q.auffrischungen, 1);
    q.fragen.clear();
    a.FormAnalysieren(QStringLiteral("ique"));
    EXPECT_EQ(q.fragen, (std::vector<std::string>{"stamm iqu", "sonder ique", "stichwort ique", "anfang ique",
                                                  "stichwortanfang ique"}));
}

} // namespace
} // namespace lexovita
