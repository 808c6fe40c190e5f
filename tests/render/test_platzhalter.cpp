#include "render/formplatzhalter.h"

#include <gtest/gtest.h>

#include "qt_ausgabe.h"

#include <vector>

using namespace lexovita;

namespace {

int32_t Id(const char *platzhalter)
{
    return FormPlatzhalterLesen(QString::fromUtf8(platzhalter)).formId;
}

TVokabel Verb()
{
    TVokabel v;
    v.vokabel = QStringLiteral("amare");
    v.SetWortart(WA_VERB);
    v.SetKonjDekl(KD_A);
    return v;
}

} // namespace

TEST(FormPlatzhalter, KeywordsOfFiniteVerbFormsAddUpToTheFormIdentifier)
{
    EXPECT_EQ(Id("<!-- #Form(PRAE IND AKT 1SG) -->"), 329);
    EXPECT_EQ(Id("<!-- #Form(IMPF KONJ PAS 3PL) -->"), 16 + 128 + 512 + 6);
    EXPECT_EQ(Id("<!-- #Form(FUT2 IND AKT 2PL) -->"), 48 + 64 + 256 + 5);
    EXPECT_EQ(Id("<!-- #Form(PQPF KONJ AKT 1PL) -->"), 40 + 128 + 256 + 4);
    EXPECT_EQ(Id("<!-- #Form(IMP1 2SG) -->"), 202);
    EXPECT_EQ(Id("<!-- #Form(IMP2 3PL) -->"), 214);
}

TEST(FormPlatzhalter, KeywordsOfNominalFormsAddUpToTheFormIdentifier)
{
    EXPECT_EQ(Id("<!-- #Form(INF PRAE AKT) -->"), 2312);
    EXPECT_EQ(Id("<!-- #Form(INF PERF PAS) -->"), 2592);
    EXPECT_EQ(Id("<!-- #Form(INF FUT1 AKT) -->"), 2328);
    EXPECT_EQ(Id("<!-- #Form(GRN GENSG) -->"), 0x5000);
    EXPECT_EQ(Id("<!-- #Form(GER MAS NOMSG) -->"), 0x20000 + 0xC00 + 0x2000);
    EXPECT_EQ(Id("<!-- #Form(PAR PRAE AKT FEM AKKPL) -->"), 0x40000 + 0x508 + 0x12000);
    EXPECT_EQ(Id("<!-- #Form(PAR PERF PAS NEU ABLSG) -->"), 0x60000 + 0x620 + 0xA000);
    EXPECT_EQ(Id("<!-- #Form(SUP1) -->"), 5121);
    EXPECT_EQ(Id("<!-- #Form(SUP2) -->"), 5122);
}

TEST(FormPlatzhalter, KeywordsOfAdjectivesNounsAndAdverbsAddUpToTheFormIdentifier)
{
    EXPECT_EQ(Id("<!-- #Form(POS MAS NOMSG) -->"), 0xA2000);
    EXPECT_EQ(Id("<!-- #Form(KOM FEM DATPL) -->"), 0x100000 + 0x40000 + 0x10000);
    // SUP is the superlative, SUP1 the supine: the two must not be confused.
    EXPECT_EQ(Id("<!-- #Form(SUP NEU GENPL) -->"), 0x180000 + 0x60000 + 0xE000);
    EXPECT_EQ(Id("<!-- #Form(ADV POS) -->"), 0x280000);
    EXPECT_EQ(Id("<!-- #Form(ADV SUP) -->"), 0x380000);
    EXPECT_EQ(Id("<!-- #Form(NOMPL) -->"), 0xC000);
    EXPECT_EQ(Id("<!-- #Form(ABLPL) -->"), 0x14000);
}

TEST(FormPlatzhalter, KeywordsAreReadRegardlessOfCaseAndExtraBlanksAndUnknownOnesAddNothing)
{
    EXPECT_EQ(Id("<!-- #Form(prae  ind Akt 1sg) -->"), 329);
    EXPECT_EQ(Id("<!-- #Form(PRAE IND XYZ AKT 1SG) -->"), 329);
    EXPECT_EQ(Id("<!-- #Form() -->"), 0);
    EXPECT_EQ(FormSchluesselwortWert(QStringLiteral(" nomsg ")), 0x2000);
    EXPECT_EQ(FormSchluesselwortWert(QStringLiteral("NOMINATIV")), 0);
}

TEST(FormPlatzhalter, VokabelCountsOnlyAsLastKeyword)
{
    EXPECT_TRUE(FormPlatzhalterLesen(QStringLiteral("<!-- #Form(VOKABEL) -->")).vokabel);
    EXPECT_TRUE(FormPlatzhalterLesen(QStringLiteral("<!-- #Form(PRAE vokabel) -->")).vokabel);
    EXPECT_FALSE(FormPlatzhalterLesen(QStringLiteral("<!-- #Form(VOKABEL PRAE) -->")).vokabel);
}

TEST(FormPlatzhalter, TextComesFromTheCallbackTrimmedOrIsADashWhenThereIsNone)
{
    const TVokabel v = Verb();
    std::vector<int32_t> gefragt;
    const FormTextFn formen = [&](int32_t id) {
        gefragt.push_back(id);
        return id == 329 ? QStringLiteral("  amo ") : QString();
    };
    EXPECT_EQ(FormPlatzhalterText(QStringLiteral("<!-- #Form(PRAE IND AKT 1SG) -->"), v, formen), "amo");
    EXPECT_EQ(FormPlatzhalterText(QStringLiteral("<!-- #Form(PRAE IND AKT 2SG) -->"), v, formen), "-");
    // No positive identifier: nothing is generated at all.
    EXPECT_EQ(FormPlatzhalterText(QStringLiteral("<!-- #Form(UNSINN) -->"), v, formen), "-");
    EXPECT_EQ(gefragt, (std::vector<int32_t>{329, 330}));
    EXPECT_EQ(FormPlatzhalterText(QStringLiteral("<!-- #Form(VOKABEL) -->"), v, formen), "amare");
    EXPECT_EQ(FormPlatzhalterText(QStringLiteral("<!-- #Form(PRAE IND AKT 1SG) -->"), v, nullptr), "-");
}

TEST(FormPlatzhalter, StoredSpecialFormsWithMarkupAreEscaped)
{
    const TVokabel v = Verb();
    const FormTextFn formen = [](int32_t) { return QStringLiteral("a<b>&c"); };
    EXPECT_EQ(FormPlatzhalterText(QStringLiteral("<!-- #Form(PRAE IND AKT 1SG) -->"), v, formen), "a&lt;b&gt;&amp;c");
}

TEST(FormPlatzhalter, AMarkerRunsGreedilyFromTheFirstOpeningToTheLastClosingOfItsLine)
{
    const TVokabel v = Verb();
    std::vector<int32_t> gefragt;
    const FormTextFn formen = [&](int32_t id) {
        gefragt.push_back(id);
        return QStringLiteral("f%1").arg(id);
    };
    const struct {
        const char *zeile, *erwartet;
    } faelle[] = {
        {"<TD><!-- #Form(PRAE IND AKT 1SG) --></TD><!-- #Vokabel -->", "<TD>f329</TD><!-- #Vokabel -->"},
        // Two markers are one description: its keywords (IND and AKT twice)
        // add up to a form that neither marker names alone.
        {"<TD><!-- #Form(PRAE IND AKT 1SG) --></TD><TD><!-- #Form(IMPF IND AKT 1SG) --></TD>", "<TD>f649</TD>"},
        // Only the last keyword of the whole span counts as VOKABEL.
        {"x <!-- #Form(PRAE) --> y <!-- #Form(PRAE VOKABEL) --> z", "x amare z"},
        {"ohne Marker", "ohne Marker"},
        {"<!-- #Form(PRAE IND AKT 1SG) ohne Ende", "<!-- #Form(PRAE IND AKT 1SG) ohne Ende"},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(FormMarkerErsetzen(QString::fromUtf8(f.zeile), v, formen), QString::fromUtf8(f.erwartet)) << f.zeile;
    EXPECT_EQ(gefragt, (std::vector<int32_t>{329, 649}));
}

TEST(FormPlatzhalter, JumpAnchorsAreListedInPageOrder)
{
    const QStringList seite = {QStringLiteral("<A name=\"Indikativ\"></A><H2>Indikativ</H2>"),
                               QStringLiteral("<p>nichts</p>"),
                               QStringLiteral("<A name=\"Konjunktiv\"></A> <A name=\"Imperativ\">x</A>")};
    EXPECT_EQ(Sprungmarken(seite), (QStringList{"Indikativ", "Konjunktiv", "Imperativ"}));
}

TEST(FormPlatzhalter, FormsTableTemplateFollowsWordClassAndDeponency)
{
    TVokabel v = Verb();
    EXPECT_EQ(FormentabelleVorlage(v), "tabelle_verb.htm");
    v.SetDeponens(true);
    EXPECT_EQ(FormentabelleVorlage(v), "tabelle_deponens.htm");
    v.SetDeponens(false);
    v.SetSemideponens(true);
    EXPECT_EQ(FormentabelleVorlage(v), "tabelle_deponens.htm");
    v.SetWortart(WA_SUBSTANTIV);
    EXPECT_EQ(FormentabelleVorlage(v), "tabelle_substantiv.htm");
    v.SetWortart(WA_ADJEKTIV);
    EXPECT_EQ(FormentabelleVorlage(v), "tabelle_adjektiv.htm");
    v.SetWortart(WA_PRONOMEN);
    EXPECT_EQ(FormentabelleVorlage(v), "tabelle_pronomen.htm");
    v.SetWortart(WA_ADVERB);
    EXPECT_EQ(FormentabelleVorlage(v), "");
}
