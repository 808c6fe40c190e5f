// Editing rules of the vocabulary editor: proposals, detection, flags, the
// special-forms grid and the key-form preview.
#include "morph/formid.h"
#include "morph/kategorien.h"
#include "morph/vokabelregeln.h"

#include <gtest/gtest.h>

#include "morph_hilfe.h"

using namespace lexovita;
using namespace lexovita::test;

namespace {

struct Vorschlag {
    const char *kopf;
    const char *f1, *f2, *f3; // what the fields held before
    const char *e1, *e2, *e3; // what they hold after
    int32_t flagsVorher;
    int32_t konjdekl;
    int32_t flagsNachher;
};

} // namespace

TEST(Vokabelregeln, StammformenVorschlagenFuelltNurWasDieEndungVerraet)
{
    const int32_t D = ATTR_DEPONENS, S = ATTR_SEMIDEPONENS;
    const Vorschlag faelle[] = {
        {"amare", "x", "y", "z", "amo", "amavi", "amatum", D, KD_A, 0},
        {"hortari", "", "", "alt", "hortor", "hortatum sum", "", S, KD_A, D},
        {"audire", "", "audivi", "auditum", "audio", "audivi", "auditum", 0, KD_KEINE, 0},
        {"largiri", "", "largitus sum", "", "largior", "largitus sum", "", 0, KD_KEINE, D},
        // -ere: the conjugation cannot be told, the typed parts stay; only the flags follow -re.
        {"monere", "moneo", "monui", "monitum", "moneo", "monui", "monitum", D, KD_KEINE, 0},
        {"audere", "audeo", "ausus sum", "", "audeo", "ausus sum", "", S, KD_KEINE, 0},
        {"sum", "es", "fui", "", "es", "fui", "", 0, KD_KEINE, 0},
        // A headword typed with lengths: the proposals carry the regular endings' lengths.
        {"saltāre", "", "", "", "saltō", "saltāvī", "saltātum", 0, KD_A, 0},
        {"cōnsultāre", "", "", "", "cōnsultō", "cōnsultāvī", "cōnsultātum", 0, KD_A, 0},
        {"audīre", "", "", "", "audiō", "", "", 0, KD_KEINE, 0},
        {"hortārī", "", "", "", "hortor", "hortātum sum", "", 0, KD_A, D},
        {"largīrī", "", "", "", "largior", "", "", 0, KD_KEINE, D},
        // A combining macron counts as the precomposed one.
        {"salta\u0304re", "", "", "", "saltō", "saltāvī", "saltātum", 0, KD_A, 0},
    };
    for (const Vorschlag &f : faelle) {
        TVokabel v = Eintrag(WA_VERB, KD_KEINE, f.kopf, f.f1, f.f2, f.f3, f.flagsVorher);
        StammformenVorschlagen(v);
        SCOPED_TRACE(f.kopf);
        EXPECT_EQ(v.form1, QString::fromUtf8(f.e1));
        EXPECT_EQ(v.form2, QString::fromUtf8(f.e2));
        EXPECT_EQ(v.form3, QString::fromUtf8(f.e3));
        EXPECT_EQ(v.KonjDekl(), f.konjdekl);
        EXPECT_EQ(v.attribute & (D | S), f.flagsNachher);
        EXPECT_EQ(v.Wortart(), WA_VERB);
    }
}

TEST(Vokabelregeln, DeklinationErmitteln)
{
    const struct {
        const char *kopf, *m, *f, *n;
        int32_t erwartet;
    } faelle[] = {
        {"acer", "acer", "acris", "acre", KD_I},
        {"bonus", "bonus", "bona", "bonum", KD_O},
        {"felix", "felicis", "", "", KD_I},
        {"fortis", "fortis", "fortis", "forte", KD_I},
        {"liber", "liber", "libera", "liberum", KD_O},
        {"x", "", "", "", KD_KEINE},
        {"bonus", "bonus", "bona", "", KD_KEINE},
        {"felix", "felix", "", "", KD_KEINE},
        {"bonus", " bonus ", " bona", "bonum ", KD_O},
        {"acer", "acer", "acris", "acrum", KD_I},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(DeklinationErmitteln(QString::fromUtf8(f.kopf), QString::fromUtf8(f.m), QString::fromUtf8(f.f),
                                       QString::fromUtf8(f.n)),
                  f.erwartet)
            << f.kopf << " " << f.m << " " << f.f << " " << f.n;
}

TEST(Vokabelregeln, GenitivAufUmMachtPluralisTantumUndLoestSingularisTantum)
{
    const struct {
        const char *genitiv;
        int32_t vorher;
        const char *form1;
        int32_t nachher;
        bool erkannt;
    } faelle[] = {
        {" castrorum ", ATTR_SINGULARIS_TANTUM, "castrorum", ATTR_PLURALIS_TANTUM, true},
        {"liberorum", 0, "liberorum", ATTR_PLURALIS_TANTUM, true},
        {"amici", ATTR_SINGULARIS_TANTUM, "amici", ATTR_SINGULARIS_TANTUM, false},
        {"rei", ATTR_PLURALIS_TANTUM, "rei", ATTR_PLURALIS_TANTUM, false}, // never cleared by the rule
        {"", 0, "", 0, false},
    };
    for (const auto &f : faelle) {
        TVokabel v = Eintrag(WA_SUBSTANTIV, KD_O, "x", "", "m", "", f.vorher);
        GenitivSetzen(v, QString::fromUtf8(f.genitiv));
        EXPECT_EQ(v.form1, QString::fromUtf8(f.form1));
        EXPECT_EQ(v.attribute & (ATTR_PLURALIS_TANTUM | ATTR_SINGULARIS_TANTUM), f.nachher) << f.genitiv;
        EXPECT_EQ(PluralisTantumErkannt(QString::fromUtf8(f.genitiv)), f.erkannt) << f.genitiv;
    }
}

TEST(Vokabelregeln, FlagsSchliessenIhrGegenstueckAus)
{
    const struct {
        int32_t vorher, bit;
        bool an;
        int32_t nachher;
    } faelle[] = {
        {ATTR_SEMIDEPONENS, ATTR_DEPONENS, true, ATTR_DEPONENS},
        {ATTR_DEPONENS, ATTR_SEMIDEPONENS, true, ATTR_SEMIDEPONENS},
        {ATTR_DEPONENS | ATTR_KEIN_PASSIV, ATTR_DEPONENS, false, ATTR_KEIN_PASSIV},
        {ATTR_SEMIDEPONENS, ATTR_KEIN_PASSIV, true, ATTR_SEMIDEPONENS | ATTR_KEIN_PASSIV},
        {ATTR_PLURALIS_TANTUM, ATTR_SINGULARIS_TANTUM, true, ATTR_SINGULARIS_TANTUM},
        {ATTR_SINGULARIS_TANTUM, ATTR_PLURALIS_TANTUM, true, ATTR_PLURALIS_TANTUM},
        {ATTR_SINGULARIS_TANTUM, ATTR_PLURALIS_TANTUM, false, ATTR_SINGULARIS_TANTUM},
    };
    for (const auto &f : faelle) {
        TVokabel v = Eintrag(WA_VERB, KD_A, "x", "", "", "", f.vorher);
        FlagSetzen(v, f.bit, f.an);
        EXPECT_EQ(v.attribute & ~(ATTR_WORTART_MASKE | ATTR_KONJDEKL_MASKE), f.nachher) << f.vorher << " " << f.bit;
        EXPECT_EQ(v.Wortart(), WA_VERB);
        EXPECT_EQ(v.KonjDekl(), KD_A);
        EXPECT_EQ(PartizipFeldAktiv(v), !(f.nachher & (ATTR_DEPONENS | ATTR_SEMIDEPONENS)));
    }
}

TEST(Vokabelregeln, SonderformZeilenZeigenDieErzeugtenFormenOhneKurzformenHoechstensZehn)
{
    TFormenmanager m;
    TVokabel amare = Eintrag(WA_VERB, KD_A, "amare", "amo", "amavi", "amatum");
    // A stored special form must not show in place of the generated text.
    amare.sonderformen.push_back(std::make_unique<TLatForm>(7, QStringLiteral("AMAS"),
                                                            fid::PRAESENS | fid::INDIKATIV | fid::AKTIV | fid::P2_SG));
    const auto praesens = SonderformZeilen(m, amare, fid::PRAESENS | fid::INDIKATIV | fid::AKTIV);
    ASSERT_EQ(praesens.size(), 6u);
    EXPECT_EQ(praesens[1].text, QStringLiteral("amas"));
    EXPECT_EQ(SonderformZeilenText(amare, praesens[1].formId), QStringLiteral("2. Prs. Sg."));

    const auto perfekt = SonderformZeilen(m, amare, fid::PERFEKT | fid::INDIKATIV | fid::AKTIV);
    for (const TLatForm &f : perfekt)
        EXPECT_FALSE(f.formId & fid::VERKUERZT) << f.text.toStdString();
    EXPECT_EQ(perfekt.size(), 6u);

    TVokabel amicus = Eintrag(WA_SUBSTANTIV, KD_O, "amicus", "amici", "m");
    const auto faelle = SonderformZeilen(m, amicus, 0);
    ASSERT_EQ(faelle.size(), 10u);
    EXPECT_EQ(SonderformZeilenText(amicus, faelle[9].formId), KasusWort(10));
    amicus.SetPluralisTantum(true);
    EXPECT_LE(SonderformZeilen(m, amicus, 0, 10).size(), 10u);
    EXPECT_EQ(SonderformZeilen(m, amicus, 0, 3).size(), 3u);

    // Every selector of a verb's tree gives at most ten rows, and a heading none.
    for (const TKategorieKnoten &k : KategorieSelektoren(amare, 1)) {
        const auto zeilen = SonderformZeilen(m, amare, k.selektor);
        EXPECT_LE(zeilen.size(), 10u) << k.beschriftung.toStdString();
        if (k.selektor == 0) {
            EXPECT_TRUE(zeilen.empty());
        }
    }
}

TEST(Vokabelregeln, SchluesselformenVerratenDieKlasse)
{
    TFormenmanager m;
    const struct {
        TVokabel v;
        QStringList erwartet;
    } faelle[] = {
        {Eintrag(WA_VERB, KD_A, "amare", "amo", "amavi", "amatum"),
         {"2. Sg. Präsens: amas", "1. Sg. Futur: amabo", "3. Sg. Perfekt: amavit"}},
        {Eintrag(WA_VERB, KD_I, "audire", "audio", "audivi", "auditum"),
         {"2. Sg. Präsens: audis", "1. Sg. Futur: audiam", "3. Sg. Perfekt: audivit"}},
        {Eintrag(WA_SUBSTANTIV, KD_O, "amicus", "amici", "m"),
         {"Gen. Sg.: amici", "Akk. Sg.: amicum", "Gen. Pl.: amicorum"}},
        {Eintrag(WA_ADVERB, 0, "bene", "melius", "optime"), {}},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(Schluesselformen(m, f.v), f.erwartet) << f.v.vokabel.toStdString();
    EXPECT_TRUE(m.Ergebnisliste().empty());
}
