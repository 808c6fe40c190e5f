#include "render/html.h"
#include "render/seiten.h"

#include <gtest/gtest.h>

#include "qt_ausgabe.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

using namespace lexovita;

namespace {

// amare with two meaning groups, remarks and aids in three languages.
TVokabel Amare()
{
    TVokabel v;
    v.id = 7;
    v.vokabel = QStringLiteral("amare");
    v.form1 = QStringLiteral("amo");
    v.form2 = QStringLiteral("amavi");
    v.form3 = QStringLiteral("amatum");
    v.SetWortart(WA_VERB);
    v.SetKonjDekl(KD_A);
    v.BedeutungHinzufuegen(QStringLiteral("verliebt sein"), QString(), 2, 1);
    v.BedeutungHinzufuegen(QStringLiteral("lieben"), QStringLiteral("jdn."), 1, 1);
    v.BedeutungHinzufuegen(QStringLiteral("mögen"), QString(), 1, 2);
    v.MerkhilfeHinzufuegen(QStringLiteral("Amateur"), SPR_DEUTSCH);
    v.MerkhilfeHinzufuegen(QStringLiteral("aimer"), SPR_FRANZOESISCH);
    v.MerkhilfeHinzufuegen(QStringLiteral("amor"), SPR_ANDERE);
    return v;
}

TVokabel Ohne(const QString &wort, int32_t wortart)
{
    TVokabel v;
    v.vokabel = wort;
    v.SetWortart(wortart);
    v.BedeutungHinzufuegen(QStringLiteral("Bedeutung"), QString(), 1, 1);
    return v;
}

const QStringList kVokabelVorlage = {
    QStringLiteral("<H1><!-- #Vokabel --></H1>"),
    QStringLiteral("<P><!-- #Wortart -->, <!-- #KonjDekl -->: <!-- #Formen --></P>"),
    QStringLiteral("<!-- #Bedeutungen -->"),
    QStringLiteral("<!-- #Merkhilfen -->"),
};

} // namespace

TEST(Marker, EveryOccurrenceIsReplacedAndTheValueIsTakenLiterally)
{
    EXPECT_EQ(MarkerErsetzen(QStringLiteral("<!-- #Nr -->. und <!-- #Nr -->"), QStringLiteral("<!-- #Nr -->"),
                             QStringLiteral("3")),
              "3. und 3");
    EXPECT_EQ(MarkerErsetzen(QStringLiteral("a <!-- #Vokabel --> b"), QStringLiteral("<!-- #Vokabel -->"),
                             QStringLiteral("$1 \\0 \\")),
              "a $1 \\0 \\ b");
    EXPECT_EQ(MarkerErsetzen(QStringLiteral("kein Marker"), QStringLiteral("<!-- #Vokabel -->"), QStringLiteral("x")),
              "kein Marker");
}

TEST(Marker, UserTextIsEscapedSoThatMarkupShowsAsTyped)
{
    EXPECT_EQ(HtmlMaskieren(QStringLiteral("<b>Hin & Her</b> \"x\"")),
              "&lt;b&gt;Hin &amp; Her&lt;/b&gt; &quot;x&quot;");
    EXPECT_EQ(HtmlMaskieren(QStringLiteral("Präsens")), "Präsens");
}

TEST(Vorlage, AMissingTemplateIsEmptyAndASavedDocumentReadsBackLineByLine)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_TRUE(VorlageLesen(dir.filePath(QStringLiteral("fehlt.htm"))).isEmpty());
    EXPECT_TRUE(VorlageText(dir.filePath(QStringLiteral("fehlt.htm"))).isEmpty());
    const QStringList zeilen = {QStringLiteral("<P>Übung</P>"), QString(), QStringLiteral("Ende")};
    ASSERT_TRUE(DokumentSpeichern(dir.filePath(QStringLiteral("tmp.htm")), zeilen));
    EXPECT_EQ(VorlageLesen(dir.filePath(QStringLiteral("tmp.htm"))), zeilen);
    EXPECT_FALSE(DokumentSpeichern(dir.filePath(QStringLiteral("gibtsnicht/tmp.htm")), zeilen));
}

TEST(Vorlage, ACachedPageGetsABaseToTheTemplatesAfterItsHead)
{
    struct Fall {
        QStringList seite, erwartet; // "@" stands for the base element
    };
    const Fall faelle[] = {
        {{"<HTML>", "<HEAD>", "<TITLE>x</TITLE>", "</HEAD>"}, {"<HTML>", "<HEAD>@", "<TITLE>x</TITLE>", "</HEAD>"}},
        {{"<html><head lang=\"de\"><title>y</title></head>"}, {"<html><head lang=\"de\">@<title>y</title></head>"}},
        {{"<header>", "<P>ohne Kopf</P>"}, {"@", "<header>", "<P>ohne Kopf</P>"}},
    };
    QTemporaryDir dir;
    const QString vorlagen = dir.filePath(QStringLiteral("mit Leerzeichen/vorlagen"));
    const QString basis =
        QStringLiteral("<base href=\"%1/\">").arg(QUrl::fromLocalFile(vorlagen).toString(QUrl::FullyEncoded));
    ASSERT_TRUE(basis.contains(QStringLiteral("mit%20Leerzeichen")));
    for (const Fall &f : faelle) {
        const QString datei = dir.filePath(QStringLiteral("neu/cache/tmp.htm")); // the folders are made
        ASSERT_TRUE(SeiteZwischenspeichern(datei, f.seite, vorlagen));
        EXPECT_EQ(VorlageText(datei), f.erwartet.join('\n').replace(QLatin1Char('@'), basis));
    }
    QFile sperre(dir.filePath(QStringLiteral("datei")));
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
    EXPECT_FALSE(SeiteZwischenspeichern(dir.filePath(QStringLiteral("datei/tmp.htm")), {"x"}, vorlagen));
}

TEST(VokabelSeite, HeaderMarkersAreFilledFromTheEntry)
{
    const QStringList seite = VokabelSeite(Amare(), kVokabelVorlage);
    EXPECT_TRUE(seite.contains("<H1>amare</H1>"));
    EXPECT_TRUE(seite.contains("<P>Verb, A-Konjugation: amo, amavi, amatum</P>"));
}

TEST(VokabelSeite, MeaningsAreGroupedIntoRowsWithRemarksInGreyItalics)
{
    const QStringList seite = VokabelSeite(Amare(), kVokabelVorlage);
    const qsizetype start = seite.indexOf("<TABLE border=\"0\">");
    ASSERT_GE(start, 0);
    const QStringList erwartet = {
        "<TABLE border=\"0\">",
        "<TR><TD valign=\"top\">1)</TD><TD>",
        "lieben <FONT color=\"#808080\"><I>(jdn.)</I></FONT>, mögen",
        "</TD></TR>",
        "<TR><TD valign=\"top\">2)</TD><TD>",
        "verliebt sein",
        "</TABLE>",
        "<!-- #Bedeutungen -->",
    };
    EXPECT_EQ(seite.mid(start, erwartet.size()), erwartet);
}

TEST(VokabelSeite, MemoryAidsShowTheirFlagFromTheTemplateFolderAndNoneForOtherLanguages)
{
    const QStringList seite = VokabelSeite(Amare(), kVokabelVorlage);
    const qsizetype start = seite.lastIndexOf("<TABLE border=\"0\">");
    const QStringList erwartet = {
        "<TABLE border=\"0\">",
        "<TR><TD><IMG src=\"vorlagen/deutschland.bmp\"></TD><TD>Amateur</TD></TR>",
        "<TR><TD><IMG src=\"vorlagen/frankreich.bmp\"></TD><TD>aimer</TD></TR>",
        "<TR><TD></TD><TD>amor</TD></TR>",
        "</TABLE>",
        "<!-- #Merkhilfen -->",
    };
    EXPECT_EQ(seite.mid(start, erwartet.size()), erwartet);
}

TEST(VokabelSeite, AnEntryWithoutAidsSaysSoAndItsMarkupInMeaningsIsEscaped)
{
    TVokabel v = Ohne(QStringLiteral("<i>et</i>"), WA_UNBESTIMMT);
    v.BedeutungHinzufuegen(QStringLiteral("Katz & Maus"), QStringLiteral("<b>"), 1, 2);
    const QStringList seite = VokabelSeite(v, kVokabelVorlage);
    EXPECT_TRUE(seite.contains("<FONT color=\"#808080\"><I>Keine Merkhilfen vorhanden</I></FONT>"));
    EXPECT_TRUE(seite.contains("<H1>&lt;i&gt;et&lt;/i&gt;</H1>"));
    EXPECT_TRUE(seite.contains("Bedeutung, Katz &amp; Maus <FONT color=\"#808080\"><I>(&lt;b&gt;)</I></FONT>"));
    // The entry's own order is left as it was.
    EXPECT_EQ(v.bedeutungen.front()->bedeutung, "Bedeutung");
}

TEST(AnalyseSeite, RecognisedFormsAreListedAndFlagsNeedNoFolder)
{
    const QStringList vorlage = {QStringLiteral("<UL>"), QStringLiteral("<!-- #Analyse -->"), QStringLiteral("</UL>"),
                                 QStringLiteral("<!-- #Merkhilfen -->")};
    const QStringList seite = AnalyseSeite(
        Amare(), vorlage, {QStringLiteral("1. Prs. Sg. Präsens Aktiv Indikativ"), QString(), QStringLiteral("x<y")});
    EXPECT_EQ(seite.mid(1, 2), (QStringList{"<LI>1. Prs. Sg. Präsens Aktiv Indikativ</LI>", "<LI>x&lt;y</LI>"}));
    EXPECT_TRUE(seite.contains("<TR><TD><IMG src=\"deutschland.bmp\"></TD><TD>Amateur</TD></TR>"));

    const QStringList leer = AnalyseSeite(Amare(), vorlage, {});
    EXPECT_EQ(leer.at(1), "<FONT color=\"#808080\"><I>Keine Formen erkannt</I></FONT>");
}

namespace {

DruckVorlagen KleineVorlagen()
{
    DruckVorlagen v;
    v.haupt = {QStringLiteral("<H1><!-- #Ueberschrift --></H1>"), QStringLiteral("<!-- #VokabelAnfang -->"),
               QStringLiteral("<DIV><!-- #Text --></DIV>")};
    const QStringList block = {QStringLiteral("<!-- #Nr -->|<!-- #Vokabel -->|<!-- #Formen -->|<!-- #KonjDekl -->"),
                               QStringLiteral("<!-- #Bedeutungen -->"), QStringLiteral("<!-- #Merkhilfen -->"),
                               QStringLiteral("<!-- #Trennlinie -->")};
    v.verb = QStringList{QStringLiteral("VERB")} + block;
    v.substantiv = QStringList{QStringLiteral("SUBSTANTIV")} + block;
    v.adjektiv = QStringList{QStringLiteral("ADJEKTIV <!-- #Form(KOM MAS NOMSG) -->")} + block;
    v.vokabel = QStringList{QStringLiteral("ANDERE")} + block;
    return v;
}

} // namespace

TEST(LektionDokument, EntriesAreNumberedWithTheBlockOfTheirWordClassAndTheLastHasNoRule)
{
    const TVokabel amare = Amare();
    TVokabel et = Ohne(QStringLiteral("et"), WA_UNBESTIMMT);
    LektionsDaten lektion;
    lektion.name = QStringLiteral("Lektion <1>");
    lektion.vokabeln = {&amare, &et};
    const QStringList dok = LektionDokument(lektion, false, KleineVorlagen(), nullptr);

    const QStringList erwartet = {
        "<H1>Lektion &lt;1&gt;</H1>",
        "VERB",
        "1|amare|amo, amavi, amatum<BR>|A-Konjugation<BR>",
        // Joined in list order, as the lesson holds them.
        "verliebt sein, lieben, mögen<BR>",
        "<TABLE border=\"0\"><TR><TD>D:</TD><TD>Amateur</TD></TR><TR><TD>F:</TD><TD>aimer</TD></TR>"
        "<TR><TD></TD><TD>amor</TD></TR></TABLE>",
        "<HR>",
        "ANDERE",
        // No principal parts, no class, no aids: those markers stay (invisible).
        "2|et|<!-- #Formen -->|<!-- #KonjDekl -->",
        "Bedeutung<BR>",
        "<!-- #Merkhilfen -->",
        "<!-- #Trennlinie -->",
        "<!-- #VokabelAnfang -->",
        "(Kein Text vorhanden)",
        "<DIV><!-- #Text --></DIV>",
        "<BR><BR><DIV align=\"right\" style=\"font-size: 8pt;\">lexovita&trade;</DIV>",
    };
    EXPECT_EQ(dok, erwartet);
}

TEST(LektionDokument, AidsWithPicturesUseFlagFilesAndNoPictureForOtherLanguages)
{
    const TVokabel amare = Amare();
    EXPECT_EQ(MerkhilfenTabelle(amare, true),
              "<TABLE border=\"0\"><TR><TD><IMG src=\"deutschland.bmp\"></TD><TD>Amateur</TD></TR>"
              "<TR><TD><IMG src=\"frankreich.bmp\"></TD><TD>aimer</TD></TR>"
              "<TR><TD></TD><TD>amor</TD></TR></TABLE>");
}

TEST(LektionDokument, AnEmptyLessonSaysSoAndItsTextIsEscapedLineByLine)
{
    LektionsDaten lektion;
    lektion.name = QStringLiteral("Leer");
    DruckVorlagen vorlagen = KleineVorlagen();
    QStringList dok = LektionDokument(lektion, true, vorlagen, nullptr);
    EXPECT_TRUE(dok.contains("(Keine Vokabeln vorhanden)"));

    lektion.text = {QStringLiteral("Amo te."), QStringLiteral("a < b & c")};
    dok = LektionDokument(lektion, true, vorlagen, nullptr);
    const qsizetype i = dok.indexOf("Amo te.");
    ASSERT_GE(i, 0);
    EXPECT_EQ(dok.at(i + 1), "a &lt; b &amp; c");
    EXPECT_FALSE(dok.contains("(Kein Text vorhanden)"));
}

TEST(LektionDokument, FormMarkersAskForTheFormsOfTheirOwnEntryAndPrintADashForNothing)
{
    TVokabel bonus = Ohne(QStringLiteral("bonus"), WA_ADJEKTIV);
    TVokabel malus = Ohne(QStringLiteral("malus"), WA_ADJEKTIV);
    LektionsDaten lektion;
    lektion.vokabeln = {&bonus, &malus};
    const VokabelFormTextFn formen = [](const TVokabel &v, int32_t id) {
        return v.vokabel == QLatin1String("bonus") && id == 0x122000 ? QStringLiteral("melior") : QString();
    };
    const QStringList dok = LektionDokument(lektion, false, KleineVorlagen(), formen);
    EXPECT_EQ(dok.filter("ADJEKTIV"), (QStringList{"ADJEKTIV melior", "ADJEKTIV -"}));
}

TEST(LektionDokument, WithoutMainTemplateOnlyTheFooterIsLeft)
{
    const TVokabel amare = Amare();
    LektionsDaten lektion;
    lektion.vokabeln = {&amare};
    DruckVorlagen vorlagen = KleineVorlagen();
    vorlagen.haupt.clear();
    EXPECT_EQ(LektionDokument(lektion, false, vorlagen, nullptr), QStringList{DokumentFusszeile()});
}

TEST(LektionDokument, TheTemplateIsChosenByWhatIsPrinted)
{
    EXPECT_EQ(DruckVorlageName(true, true), "drucken_vt_Standard.htm");
    EXPECT_EQ(DruckVorlageName(true, true, true), "drucken_tv_Standard.htm");
    EXPECT_EQ(DruckVorlageName(true, false, true), "drucken_v_Standard.htm");
    EXPECT_EQ(DruckVorlageName(false, true), "drucken_t_Standard.htm");
    EXPECT_EQ(DruckVorlageName(false, false), "");

    const TVokabel amare = Amare();
    LektionsDaten lektion;
    EXPECT_EQ(DruckVorlageFuer(lektion), "");
    lektion.text = {QStringLiteral("Amo.")};
    EXPECT_EQ(DruckVorlageFuer(lektion), "drucken_t_Standard.htm");
    lektion.vokabeln = {&amare};
    EXPECT_EQ(DruckVorlageFuer(lektion), "drucken_vt_Standard.htm");
}

namespace {

const QStringList kTestVorlage = {
    QStringLiteral("<H1>Test</H1>"),
    QStringLiteral("<!-- #VokabelAnfang -->"),
    QStringLiteral("<P><!-- #Nr -->. <!-- #Vokabel --></P>"),
    QStringLiteral("<TABLE><!-- #Formen --><!-- #KonjDekl --></TABLE>"),
    QStringLiteral("<!-- #VokabelEnde -->"),
    QStringLiteral("<P>Ende</P>"),
};
const TestTexte kTexte = {QStringLiteral("[KONJ]"), QStringLiteral("[DEKL-S]"), QStringLiteral("[DEKL-A]")};

} // namespace

TEST(Vokabeltest, TheBlockIsRepeatedPerEntryAndItsTemplateLinesAreLeftEmpty)
{
    const TVokabel amare = Amare();
    TVokabel ille = Ohne(QStringLiteral("ille"), WA_PRONOMEN);
    const QStringList seite = VokabeltestSeite({&amare, &ille}, true, true, kTestVorlage, kTexte);
    const QString formenZeile =
        QStringLiteral("<TR><TD rowspan=\"2\" valign=\"top\"><I>Formen:</I></TD><TD>&nbsp;</TD></TR>"
                       "<TR><TD width=\"100%\"><HR noshade></TD></TR>");
    const QStringList erwartet = {
        "<H1>Test</H1>",
        "<P>1. amare</P>",
        "<TABLE>" + formenZeile + "[KONJ]</TABLE>",
        // A pronoun never gets the forms row nor a class block.
        "<P>2. ille</P>",
        "<TABLE><!-- #Formen --><!-- #KonjDekl --></TABLE>",
        "<!-- #VokabelAnfang -->",
        "",
        "",
        "<!-- #VokabelEnde -->",
        "<P>Ende</P>",
        DokumentFusszeile(),
    };
    EXPECT_EQ(seite, erwartet);
}

// The sheet's instruction asks for principal parts and inflection classes
// only when the sheet has lines for them.
TEST(Vokabeltest, TheInstructionAsksOnlyForWhatWasChosen)
{
    const TVokabel amare = Amare();
    const QStringList vorlage = {QStringLiteral("<P><!-- #Anweisung --></P>")};
    const struct {
        bool stammformen, konjDekl;
        const char *anweisung;
    } faelle[] = {
        {false, false, "<P>Schreibe zu jeder Vokabel die Bedeutung auf.</P>"},
        {true, false,
         "<P>Schreibe zu jeder Vokabel die Bedeutung auf. Wo &bdquo;Formen:&ldquo; steht, erg&auml;nze auch die "
         "Stammformen.</P>"},
        {false, true,
         "<P>Schreibe zu jeder Vokabel die Bedeutung auf. Wo danach gefragt ist, erg&auml;nze auch die Konjugation "
         "bzw. Deklination.</P>"},
        {true, true,
         "<P>Schreibe zu jeder Vokabel die Bedeutung auf. Wo danach gefragt ist, erg&auml;nze auch die Stammformen "
         "und die Konjugation bzw. Deklination.</P>"},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(VokabeltestSeite({&amare}, f.stammformen, f.konjDekl, vorlage, kTexte).value(0).toStdString(),
                  f.anweisung)
            << f.stammformen << f.konjDekl;
}

TEST(Vokabeltest, OptionsOffLeaveTheMarkersAndATemplateWithoutBlockStaysAsItIs)
{
    const TVokabel amare = Amare();
    const QStringList seite = VokabeltestSeite({&amare}, false, false, kTestVorlage, kTexte);
    EXPECT_TRUE(seite.contains("<TABLE><!-- #Formen --><!-- #KonjDekl --></TABLE>"));

    const QStringList ohneBlock = {QStringLiteral("<P>nur Text</P>")};
    EXPECT_EQ(VokabeltestSeite({&amare}, true, true, ohneBlock, kTexte),
              (QStringList{"<P>nur Text</P>", DokumentFusszeile()}));
    EXPECT_EQ(VokabeltestSeite({&amare}, true, true, {}, kTexte), QStringList{DokumentFusszeile()});
}
