// Vowel lengths of generated forms and the stress rule.
//
// The paradigms below follow the standard school paradigms as printed in
// Rubenbauer/Hofmann/Heine, "Lateinische Grammatik": the tables of the a-,
// o-, consonant, i-, u- and e-declension, of the adjectives of the o/a and
// third declension with their comparison, the conjugation tables (amāre,
// monēre, audīre, capere, regere, a deponent) and those of esse, ferre,
// fierī and the pronouns. They were typed from those tables as remembered,
// not from this generator's output; a copy of the book was not at hand to
// compare line by line.

#include "model/lektion.h"
#include "model/lektionsdatei.h"
#include "morph/formenmanager.h"
#include "morph/formid.h"
#include "morph/laengen.h"
#include "morph_hilfe.h"

#include <gtest/gtest.h>

#include <QDir>

using namespace lexovita;
using namespace lexovita::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// The marked text of the form with that identifier and variant ("" if none).
QString Lang(const TVokabel &v, int32_t id, int32_t variante = 1)
{
    TFormenmanager m;
    m.SetLaengen(true);
    m.AlleFormenErzeugen(v);
    for (const TLatForm &f : m.Ergebnisliste())
        if (f.formId == id && f.variante == variante)
            return f.text;
    return QString();
}

constexpr int32_t IA = fid::INDIKATIV | fid::AKTIV, IP = fid::INDIKATIV | fid::PASSIV;
constexpr int32_t KA = fid::KONJUNKTIV | fid::AKTIV, KP = fid::KONJUNKTIV | fid::PASSIV;
constexpr int32_t PRS = fid::PRAESENS, IMPF = fid::IMPERFEKT, FUT = fid::FUTUR1, PERF = fid::PERFEKT;
constexpr int32_t M = fid::MASKULINUM, F = fid::FEMININUM, N = fid::NEUTRUM;
constexpr int32_t POS = fid::POSITIV, KOMP = fid::KOMPARATIV, SUP = fid::SUPERLATIV;
int32_t K(int nr)
{
    return fid::Kasus(nr);
}

struct Fall {
    int32_t id;
    const char *erwartet;
    int32_t variante = 1;
};

void Pruefen(const TVokabel &v, std::initializer_list<Fall> faelle)
{
    for (const Fall &f : faelle)
        EXPECT_EQ(S(Lang(v, f.id, f.variante)), f.erwartet) << S(v.vokabel) << " id " << f.id << "/" << f.variante;
}

} // namespace

TEST(Laengenregeln, JoinFoldAndStress)
{
    const struct {
        const char *stamm, *endung, *erwartet;
    } fugen[] = {
        {"amā", "s", "amās"},         {"amā", "t", "amat"},          {"amā", "nt", "amant"},
        {"amā", "m", "amam"},         {"amā", "ntis", "amantis"},    {"amā", "ndī", "amandī"},
        {"amā", "ns", "amāns"},       {"monē", "or", "moneor"},      {"audī", "unt", "audiunt"},
        {"audī", "ēbam", "audiēbam"}, {"amāre", "^mus", "amārēmus"}, {"amātu", "^rus", "amātūrus"},
        {"capi", "^", "capī"},        {"di", "ēī", "diēī"},          {"r", "ēī", "reī"},
        {"fid", "ēī", "fideī"},       {"", "maximē ", "maximē "},
    };
    for (const auto &f : fugen)
        EXPECT_EQ(S(LangVerbinden(QString::fromUtf8(f.stamm), QString::fromUtf8(f.endung))), f.erwartet)
            << f.stamm << "+" << f.endung;

    EXPECT_EQ(S(LaengenEntfernen(u"Ālea iactă ēst, ȳ a\u0304")), "Alea iacta est, y a");
    const struct {
        const char16_t *roh;
        const char *bereinigt;
    } texte[] = {
        {u"rŏsă", "rosa"},
        {u"rosāe", "rosae"},
        {u"pōena", "poena"},
        {u"āurum", "aurum"},
        {u"Ăchāemĕnēs", "Achaemenēs"},
        {u"āēr", "āēr"},
        {u"lăvācrum", "lavācrum"},
        {u"rosā", "rosā"},
        {u"a\u0304e", "ae"},
    };
    for (const auto &t : texte)
        EXPECT_EQ(S(LaengenBereinigen(t.roh)), t.bereinigt) << t.bereinigt;
    EXPECT_TRUE(HatLaengen(u"rosā"));
    EXPECT_FALSE(HatLaengen(u"rosa, Königin"));

    const struct {
        const char *wort, *betont;
    } woerter[] = {
        {"amāre", "amā́re"},         {"capere", "cápere"},   {"fēmina", "fḗmina"},
        {"cōnstituō", "cōnstítuō"}, {"dominus", "dóminus"}, {"Rōmānī", "Rōmā́nī"},
        {"dīxit", "dī́xit"},         {"puella", "puélla"},   {"tenebrae", "ténebrae"},
        {"patria", "pátria"},       {"Caesar", "Cáesar"},   {"amīcus", "amī́cus"},
        {"cuius", "cúius"},         {"aqua", "áqua"},       {"lingua", "língua"},
        {"iūstitia", "iūstítia"},   {"rēx", "rēx"},         {"laudāvistī", "laudāvístī"},
        {"Iūlius", "Iū́lius"},       {"deus", "déus"},
    };
    for (const auto &w : woerter)
        EXPECT_EQ(S(Betonen(QString::fromUtf8(w.wort))), w.betont) << w.wort;
}

// Collatinus' syllable quantities become the vowel lengths of a school book.
// Each row: the marked parts of one lemma as Collatinus writes them, further
// forms of it, and the parts as a school book marks them.
TEST(Laengenregeln, SchullaengenAusSilbenquantitaeten)
{
    using S_ = TFormStamm;
    const struct {
        std::vector<TMarkierteForm> teile, weitere;
        std::vector<const char *> schule;
    } zeilen[] = {
        {{{u"mīttĕrĕ"_s}, {u"mīttō̆"_s}, {u"mīsī"_s, S_::Perfekt}, {u"mīssŭm"_s, S_::Supin}},
         {},
         {"mittĕrĕ", "mittō", "mīsī", "missŭm"}},
        {{{u"ūrbs"_s}, {u"ūrbĭs"_s}}, {}, {"urbs", "urbĭs"}},
        {{{u"ēxspēcto"_s}}, {}, {"exspecto"}},
        // x, ps, pt after a vowel the stem shows long before c, g, b
        {{{u"rēx"_s}, {u"rēgĭs"_s}}, {}, {"rēx", "rēgĭs"}},
        {{{u"lūx"_s}}, {{u"lūcĕ"_s}}, {"lūx"}},
        {{{u"nūx"_s}}, {{u"nŭcĭs"_s}}, {"nux"}},
        {{{u"fēlīx"_s}}, {{u"fēlīcĭs"_s}}, {"fēlīx"}},
        {{{u"dīcĕrĕ"_s}, {u"dīcō̆"_s}, {u"dīxī"_s, S_::Perfekt}, {u"dīctŭm"_s, S_::Supin}},
         {},
         {"dīcĕrĕ", "dīcō", "dīxī", "dictŭm"}},
        {{{u"scrībō̆"_s}, {u"scrīpsī"_s, S_::Perfekt}, {u"scrīptŭm"_s, S_::Supin}},
         {},
         {"scrībō", "scrīpsī", "scrīptŭm"}},
        // the supine takes nothing from the perfect
        {{{u"rūmpō̆"_s}, {u"rūpī"_s, S_::Perfekt}, {u"rūptŭm"_s, S_::Supin}}, {}, {"rumpō", "rūpī", "ruptŭm"}},
        {{{u"vīncō̆"_s}, {u"vīcī"_s, S_::Perfekt}, {u"vīctŭm"_s, S_::Supin}},
         {{u"vīcĕrāmŭs"_s, S_::Perfekt}},
         {"vincō", "vīcī", "victŭm"}},
        {{{u"āctŭm"_s, S_::Supin}}, {{u"ăgō̆"_s}, {u"ēgī"_s, S_::Perfekt}}, {"actŭm"}},
        // ns, nf, nct, nx keep or give the length
        {{{u"cōnsŭl"_s}, {u"consul"_s}}, {}, {"cōnsŭl", "cōnsul"}},
        {{{u"īnfāns"_s}, {u"īnfāntĭs"_s}}, {}, {"īnfāns", "īnfantĭs"}},
        {{{u"sānctŭs"_s}, {u"iūnxī"_s}}, {}, {"sānctŭs", "iūnxī"}},
        // muta cum liquida leaves the syllable open; qu is one consonant
        {{{u"mātrĕm"_s}, {u"pā̆trĭs"_s}, {u"ā̆grĭcŏlă"_s}}, {}, {"mātrĕm", "patrĭs", "agrĭcŏlă"}},
        {{{u"antīquŭs"_s}, {u"āxĭs"_s}, {u"māiŏr"_s}}, {}, {"antīquŭs", "axĭs", "maiŏr"}},
        // diphthongs, prefixes, a participle with sum
        {{{u"rŏsāe"_s}, {u"cāusă"_s}, {u"ābĕō̆"_s}, {u"hōrtātŭs sum"_s, S_::Supin}},
         {},
         {"rŏsae", "causă", "abĕō", "hortātŭs sum"}},
    };
    for (const auto &z : zeilen) {
        const QStringList schule = Schullaengen(z.teile, z.weitere);
        ASSERT_EQ(size_t(schule.size()), z.schule.size());
        for (size_t i = 0; i < z.schule.size(); ++i) {
            EXPECT_EQ(S(schule[qsizetype(i)]), z.schule[i]) << S(z.teile[i].text);
            EXPECT_EQ(S(LaengenEntfernen(schule[qsizetype(i)])), S(LaengenEntfernen(z.teile[i].text)));
        }
    }
}

// What a pupil types becomes the marked text; the caret stays behind the
// character it followed ('|' marks it).
TEST(Laengenregeln, EintippenMitUnterstrichDoppelpunktUndBreve)
{
    const struct {
        const char *getippt, *erwartet;
    } faelle[] = {
        {"ama_re|", "amāre|"},        {"am:are|", "amāre|"}, {"a_mo|, ama_vi_", "āmo|, amāvī"},
        {"A_nna|", "Ānna|"},          {"ro|să", "ro|sa"},    {"rosa\u0306|", "rosa|"},
        {"a\u0304|mo", "ā|mo"},       {":ā|", "ā|"},         {"se_|d", "sē|d"},
        {"12:30 | x_", "12:30 | x_"}, {"_a|:", "_a|:"},
    };
    for (const auto &f : faelle) {
        QString getippt = QString::fromUtf8(f.getippt);
        qsizetype cursor = getippt.indexOf(u'|');
        getippt.remove(cursor, 1);
        QString ergebnis = LaengenEintippen(getippt, &cursor);
        ergebnis.insert(cursor, u'|');
        EXPECT_EQ(S(ergebnis), f.erwartet) << f.getippt;
    }
}

TEST(Laengenparadigmen, Konjugationen)
{
    Pruefen(Eintrag(WA_VERB, KD_A, "amāre", "amō", "amāvī", "amātum"),
            {{IA | PRS | 1, "amō"},
             {IA | PRS | 2, "amās"},
             {IA | PRS | 3, "amat"},
             {IA | PRS | 4, "amāmus"},
             {IA | PRS | 5, "amātis"},
             {IA | PRS | 6, "amant"},
             {IA | IMPF | 1, "amābam"},
             {IA | IMPF | 6, "amābant"},
             {IA | FUT | 2, "amābis"},
             {IA | PERF | 1, "amāvī"},
             {IA | PERF | 2, "amāvistī"},
             {IA | PERF | 6, "amāvērunt"},
             {IA | PERF | 6, "amāvēre", 2},
             {fid::VERKUERZT | IA | PERF | 2, "amāstī", 2},
             {fid::VERKUERZT | IA | PERF | 6, "amārunt", 2},
             {IA | fid::PLUSQUAMPERFEKT | 1, "amāveram"},
             {IA | fid::FUTUR2 | 4, "amāverimus"},
             {KA | PRS | 1, "amem"},
             {KA | PRS | 2, "amēs"},
             {KA | PRS | 3, "amet"},
             {KA | IMPF | 2, "amārēs"},
             {KA | IMPF | 4, "amārēmus"},
             {KA | IMPF | 6, "amārent"},
             {KA | PERF | 2, "amāverīs"},
             {KA | fid::PLUSQUAMPERFEKT | 2, "amāvissēs"},
             {IP | PRS | 1, "amor"},
             {IP | PRS | 2, "amāris"},
             {IP | PRS | 2, "amāre", 2},
             {IP | PRS | 6, "amantur"},
             {IP | IMPF | 2, "amābāris"},
             {IP | IMPF | 2, "amābāre", 2},
             {IP | FUT | 2, "amāberis"},
             {IP | FUT | 2, "amābere", 2},
             {KP | PRS | 2, "amēris"},
             {KP | IMPF | 2, "amārēris"},
             {IP | PERF | 3, "amātus est"},
             {IP | PERF | 4, "amātī sumus"},
             {fid::IMPERATIV_I | 2, "amā"},
             {fid::IMPERATIV_II | 6, "amantō"},
             {fid::INFINITIV | fid::PASSIV | PRS, "amārī"},
             {fid::INFINITIV | fid::AKTIV | FUT, "amātūrum esse"},
             {fid::INFINITIV | fid::PASSIV | FUT, "amātum īrī"},
             {fid::GERUNDIUM | K(2), "amandī"},
             {fid::SUPINUM_I, "amātū"},
             {fid::SUPINUM_II, "amātum"},
             {fid::PARTIZIP | fid::AKTIV | PRS | M | K(1), "amāns"},
             {fid::PARTIZIP | fid::AKTIV | PRS | M | K(2), "amantis"},
             {fid::PARTIZIP | fid::AKTIV | FUT | F | K(1), "amātūra"},
             {fid::PARTIZIP | fid::PASSIV | PERF | F | K(5), "amātā"},
             {fid::GERUNDIVUM | M | K(1), "amandus"}});
    Pruefen(Eintrag(WA_VERB, KD_E, "monēre", "moneō", "monuī", "monitum"),
            {{IA | PRS | 1, "moneō"},
             {IA | PRS | 2, "monēs"},
             {IA | PRS | 3, "monet"},
             {IA | PRS | 6, "monent"},
             {IA | IMPF | 1, "monēbam"},
             {IA | FUT | 1, "monēbō"},
             {KA | PRS | 1, "moneam"},
             {KA | PRS | 2, "moneās"},
             {IP | PRS | 1, "moneor"},
             {IP | PRS | 2, "monēris"},
             {fid::IMPERATIV_I | 2, "monē"},
             {fid::GERUNDIUM | K(2), "monendī"},
             {fid::PARTIZIP | fid::AKTIV | PRS | M | K(1), "monēns"}});
    Pruefen(Eintrag(WA_VERB, KD_I, "audīre", "audiō", "audīvī", "audītum"),
            {{IA | PRS | 2, "audīs"},
             {IA | PRS | 3, "audit"},
             {IA | PRS | 4, "audīmus"},
             {IA | PRS | 6, "audiunt"},
             {IA | IMPF | 1, "audiēbam"},
             {IA | FUT | 1, "audiam"},
             {IA | FUT | 2, "audiēs"},
             {KA | PRS | 2, "audiās"},
             {KA | IMPF | 1, "audīrem"},
             {IP | PRS | 2, "audīris"},
             {IP | PRS | 6, "audiuntur"},
             {fid::IMPERATIV_I | 2, "audī"},
             {fid::IMPERATIV_II | 6, "audiuntō"},
             {fid::INFINITIV | fid::PASSIV | PRS, "audīrī"},
             {fid::GERUNDIUM | K(2), "audiendī"},
             {fid::PARTIZIP | fid::AKTIV | PRS | M | K(1), "audiēns"},
             {fid::PARTIZIP | fid::AKTIV | PRS | M | K(2), "audientis"},
             {IA | PERF | 6, "audīvērunt"},
             {fid::VERKUERZT | IA | PERF | 2, "audīstī", 2}});
    Pruefen(Eintrag(WA_VERB, KD_G, "capere", "capiō", "cēpī", "captum"),
            {{IA | PRS | 2, "capis"},
             {IA | PRS | 6, "capiunt"},
             {IA | IMPF | 1, "capiēbam"},
             {IA | FUT | 2, "capiēs"},
             {KA | IMPF | 1, "caperem"},
             {IP | PRS | 2, "caperis"},
             {IP | PRS | 2, "capere", 2},
             {fid::INFINITIV | fid::PASSIV | PRS, "capī"},
             {fid::IMPERATIV_I | 2, "cape"},
             {fid::IMPERATIV_I | 5, "capite"},
             {IA | PERF | 6, "cēpērunt"},
             {fid::PARTIZIP | fid::AKTIV | PRS | M | K(1), "capiēns"}});
    Pruefen(Eintrag(WA_VERB, KD_K, "regere", "regō", "rēxī", "rēctum"),
            {{IA | PRS | 2, "regis"},
             {IA | PRS | 6, "regunt"},
             {IA | IMPF | 1, "regēbam"},
             {IA | FUT | 1, "regam"},
             {IA | FUT | 2, "regēs"},
             {IA | FUT | 3, "reget"},
             {KA | PRS | 2, "regās"},
             {IP | PRS | 2, "regeris"},
             {IP | PRS | 2, "regere", 2},
             {IP | FUT | 2, "regēris"},
             {IP | FUT | 2, "regēre", 2},
             {fid::INFINITIV | fid::PASSIV | PRS, "regī"},
             {IP | PERF | 1, "rēctus sum"},
             {fid::PARTIZIP | fid::AKTIV | PRS | M | K(2), "regentis"}});
    Pruefen(Eintrag(WA_VERB, KD_A, "hortārī", "hortor", "hortātus sum", "", ATTR_DEPONENS),
            {{IA | PRS | 2, "hortāris"},
             {IA | PRS | 2, "hortāre", 2},
             {IA | PRS | 6, "hortantur"},
             {fid::INFINITIV | fid::AKTIV | PRS, "hortārī"},
             {fid::IMPERATIV_I | 2, "hortāre"},
             {IA | PERF | 1, "hortātus sum"}});
}

TEST(Laengenparadigmen, DeklinationenUndSteigerung)
{
    Pruefen(Eintrag(WA_SUBSTANTIV, KD_A, "rosa", "rosae", "f"),
            {{F | K(1), "rosa"}, {F | K(5), "rosā"}, {F | K(7), "rosārum"}, {F | K(8), "rosīs"}, {F | K(9), "rosās"}});
    Pruefen(Eintrag(WA_SUBSTANTIV, KD_O, "dominus", "dominī", "m"),
            {{M | K(3), "dominō"}, {M | K(6), "dominī"}, {M | K(7), "dominōrum"}, {M | K(9), "dominōs"}});
    Pruefen(Eintrag(WA_SUBSTANTIV, KD_O, "templum", "templī", "n"),
            {{N | K(4), "templum"}, {N | K(6), "templa"}, {N | K(8), "templīs"}});
    Pruefen(Eintrag(WA_SUBSTANTIV, KD_K, "rēx", "rēgis", "m"),
            {{M | K(3), "rēgī"}, {M | K(5), "rēge"}, {M | K(6), "rēgēs"}, {M | K(7), "rēgum"}, {M | K(8), "rēgibus"}});
    Pruefen(Eintrag(WA_SUBSTANTIV, KD_G, "cīvis", "cīvis", "m"),
            {{M | K(5), "cīve"}, {M | K(7), "cīvium"}, {M | K(9), "cīvēs"}, {M | K(9), "cīvīs", 2}});
    Pruefen(Eintrag(WA_SUBSTANTIV, KD_I, "turris", "turris", "f"),
            {{F | K(4), "turrim"}, {F | K(5), "turrī"}, {F | K(9), "turrīs"}, {F | K(9), "turrēs", 2}});
    Pruefen(Eintrag(WA_SUBSTANTIV, KD_I, "mare", "maris", "n"),
            {{N | K(5), "marī"}, {N | K(6), "maria"}, {N | K(9), "maria", 1}, {N | K(9), "", 2}});
    Pruefen(Eintrag(WA_SUBSTANTIV, KD_U, "frūctus", "frūctūs", "m"),
            {{M | K(3), "frūctuī"}, {M | K(5), "frūctū"}, {M | K(6), "frūctūs"}, {M | K(7), "frūctuum"}});
    Pruefen(Eintrag(WA_SUBSTANTIV, KD_U, "cornū", "cornūs", "n"), {{N | K(3), "cornū"}, {N | K(6), "cornua"}});
    Pruefen(Eintrag(WA_SUBSTANTIV, KD_E, "rēs", "reī", "f"),
            {{F | K(3), "reī"}, {F | K(4), "rem"}, {F | K(5), "rē"}, {F | K(7), "rērum"}, {F | K(8), "rēbus"}});
    Pruefen(Eintrag(WA_SUBSTANTIV, KD_E, "diēs", "diēī", "m"), {{M | K(3), "diēī"}, {M | K(4), "diem"}});

    Pruefen(Eintrag(WA_ADJEKTIV, KD_O, "lātus", "lātus", "lāta", "lātum"), {{POS | F | K(5), "lātā"},
                                                                            {POS | M | K(7), "lātōrum"},
                                                                            {KOMP | M | K(1), "lātior"},
                                                                            {KOMP | M | K(2), "lātiōris"},
                                                                            {KOMP | N | K(1), "lātius"},
                                                                            {KOMP | N | K(6), "lātiōra"},
                                                                            {SUP | M | K(1), "lātissimus"},
                                                                            {fid::ADVERB | POS, "lātē"},
                                                                            {fid::ADVERB | SUP, "lātissimē"}});
    Pruefen(Eintrag(WA_ADJEKTIV, KD_I, "ācer", "ācer", "ācris", "ācre"), {{POS | M | K(3), "ācrī"},
                                                                          {POS | M | K(9), "ācrēs"},
                                                                          {POS | M | K(9), "ācrīs", 2},
                                                                          {POS | N | K(6), "ācria"},
                                                                          {POS | M | K(5), "", 2},
                                                                          {KOMP | M | K(4), "ācriōrem"},
                                                                          {SUP | F | K(1), "ācerrima"},
                                                                          {fid::ADVERB | POS, "ācriter"},
                                                                          {fid::ADVERB | SUP, "ācerrimē"}});
    Pruefen(Eintrag(WA_ADJEKTIV, KD_I, "fēlīx", "fēlīcis"), {{POS | M | K(5), "fēlīcī"},
                                                             {POS | M | K(5), "fēlīce", 2},
                                                             {POS | N | K(4), "fēlīx"},
                                                             {POS | N | K(6), "fēlīcia"},
                                                             {KOMP | M | K(1), "fēlīcior"},
                                                             {SUP | M | K(1), "fēlīcissimus"},
                                                             {fid::ADVERB | POS, "fēlīciter"}});
    Pruefen(Eintrag(WA_ADJEKTIV, KD_I, "prūdēns", "prūdentis"),
            {{POS | M | K(2), "prūdentis"}, {fid::ADVERB | POS, "prūdenter"}});
}

TEST(Laengenparadigmen, UnregelmaessigeVerbenUndPronomen)
{
    auto mit = [](TVokabel v, std::initializer_list<std::pair<int32_t, const char *>> sf) {
        for (const auto &[id, text] : sf)
            v.sonderformen.push_back(std::make_unique<TLatForm>(v.id, QString::fromUtf8(text), id));
        return v;
    };
    Pruefen(mit(Eintrag(WA_VERB, KD_KEINE, "esse", "sum", "fuī"),
                {{IA | PRS | 2, "es"}, {KA | PRS | 2, "sis"}, {KA | PRS | 4, "simus"}, {IA | IMPF | 2, "eras"}}),
            {{IA | PRS | 2, "es"}, {KA | PRS | 2, "sīs"}, {KA | PRS | 4, "sīmus"}, {IA | IMPF | 2, "erās"}});
    Pruefen(mit(Eintrag(WA_VERB, KD_K, "edere", "edō", "ēdī", "ēsum"), {{IA | PRS | 2, "es"}, {IA | PRS | 3, "est"}}),
            {{IA | PRS | 2, "ēs"}, {IA | PRS | 3, "ēst"}, {IA | PRS | 4, "edimus"}});
    Pruefen(mit(Eintrag(WA_VERB, KD_K, "prōdesse", "prōsum", "prōfuī"),
                {{IA | PRS | 1, "prosum"}, {IA | PRS | 3, "prodest"}, {KA | PRS | 2, "prosis"}}),
            {{IA | PRS | 1, "prōsum"}, {IA | PRS | 3, "prōdest"}, {KA | PRS | 2, "prōsīs"}});
    Pruefen(mit(Eintrag(WA_VERB, KD_I, "redīre", "redeō", "rediī", "reditum"),
                {{IA | PRS | 2, "redis"}, {IA | PRS | 6, "redeunt"}, {IA | IMPF | 1, "redibam"}}),
            {{IA | PRS | 2, "redīs"}, {IA | PRS | 6, "redeunt"}, {IA | IMPF | 1, "redībam"}});
    Pruefen(mit(Eintrag(WA_VERB, KD_K, "ferre", "ferō", "tulī", "lātum"),
                {{IP | PRS | 2, "ferris"}, {IP | PRS | 3, "fertur"}, {KP | IMPF | 2, "ferreris"}}),
            {{IP | PRS | 2, "ferris"}, {IP | PRS | 2, "", 2}, {KP | IMPF | 2, "ferrēris"}, {IP | FUT | 2, "ferēris"}});
    Pruefen(mit(Eintrag(WA_VERB, KD_G, "facere", "faciō", "fēcī", "factum"),
                {{IP | PRS | 1, "fio"}, {IP | PRS | 6, "fiunt"}, {IP | IMPF | 1, "fiebam"}}),
            {{IP | PRS | 1, "fīō"}, {IP | PRS | 6, "fīunt"}, {IP | IMPF | 1, "fīēbam"}});
    Pruefen(mit(Eintrag(WA_VERB, KD_KEINE, "velle", "volō", "voluī"), {{IA | PRS | 2, "vis"}, {KA | PRS | 2, "velis"}}),
            {{IA | PRS | 2, "vīs"}, {KA | PRS | 2, "velīs"}});
    Pruefen(mit(Eintrag(WA_VERB, KD_KEINE, "nōlle", "nōlō", "nōluī"), {{IA | PRS | 2, "non vis"}}),
            {{IA | PRS | 2, "nōn vīs"}});
    // Pronouns: the ablative differs from the nominative by its length only.
    Pruefen(mit(Eintrag(WA_PRONOMEN, KD_KEINE, "ea"), {{K(2), "eius"}, {K(3), "ei"}, {K(5), "ea"}, {K(7), "earum"}}),
            {{K(1), "ea"}, {K(2), "eius"}, {K(3), "eī"}, {K(5), "eā"}, {K(7), "eārum"}});
    Pruefen(mit(Eintrag(WA_PRONOMEN, KD_KEINE, "hoc"), {{K(4), "hoc"}, {K(5), "hoc"}, {K(2), "huius"}}),
            {{K(4), "hoc"}, {K(5), "hōc"}, {K(2), "huius"}});
    Pruefen(mit(Eintrag(WA_ADJEKTIV, KD_O, "magnus", "magnus", "magna", "magnum"),
                {{KOMP | M | K(2), "maioris"}, {KOMP | N | K(6), "maiora"}, {SUP | M | K(7), "maximorum"}}),
            {{KOMP | M | K(2), "maiōris"}, {KOMP | N | K(6), "maiōra"}, {SUP | M | K(7), "maximōrum"}});
}

// Taking the marks off the marked texts gives back the plain texts exactly,
// for every form of every entry of both starter textbooks; and an entry typed
// with marks gives the same plain forms as the same entry without them.
TEST(Laengeninvariante, OhneMarkenGleichDenSchlichtenFormen)
{
    int formen = 0;
    for (const char *buch : {"grundwortschatz", "aufbauwortschatz"}) {
        const QDir dir(QStringLiteral(LEXOVITA_QUELL_DIR "/data/") + QLatin1String(buch));
        const QStringList dateien = dir.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name);
        ASSERT_FALSE(dateien.isEmpty()) << buch;
        for (const QString &datei : dateien) {
            for (const TLehrbuchInhalt &inhalt : LektionsdateiLaden(dir.filePath(datei))) {
                for (const auto &lektion : inhalt.lektionen) {
                    for (const auto &v : lektion->vokabeln) {
                        TFormenmanager schlicht, lang;
                        lang.SetLaengen(true);
                        schlicht.AlleFormenErzeugen(*v);
                        lang.AlleFormenErzeugen(*v);
                        const auto &a = schlicht.Ergebnisliste();
                        const auto &b = lang.Ergebnisliste();
                        ASSERT_EQ(a.size(), b.size()) << S(v->vokabel);
                        for (size_t i = 0; i < a.size(); ++i) {
                            ASSERT_EQ(a[i].formId, b[i].formId) << S(v->vokabel);
                            ASSERT_EQ(a[i].variante, b[i].variante) << S(v->vokabel);
                            ASSERT_EQ(S(a[i].text), S(LaengenEntfernen(b[i].text))) << S(v->vokabel);
                            ++formen;
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(formen, 100000);

    const std::pair<TVokabel, TVokabel> paare[] = {
        {Eintrag(WA_VERB, KD_A, "amāre", "amō", "amāvī", "amātum"),
         Eintrag(WA_VERB, KD_A, "amare", "amo", "amavi", "amatum")},
        {Eintrag(WA_SUBSTANTIV, KD_K, "rēx", "rēgis", "m"), Eintrag(WA_SUBSTANTIV, KD_K, "rex", "regis", "m")},
        {Eintrag(WA_ADJEKTIV, KD_I, "fēlīx", "fēlīcis"), Eintrag(WA_ADJEKTIV, KD_I, "felix", "felicis")},
    };
    for (const auto &[markiert, ohne] : paare) {
        TFormenmanager m1, m2;
        m1.AlleFormenErzeugen(markiert);
        m2.AlleFormenErzeugen(ohne);
        EXPECT_EQ(Texte(m1), Texte(m2)) << S(ohne.vokabel);
    }
}
