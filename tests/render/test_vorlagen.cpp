// Checks on the delivered templates: keyword typos or a missing marker would
// otherwise only show as a "-" or an empty spot on a printed page.
#include "render/formplatzhalter.h"
#include "render/html.h"
#include "render/seiten.h"

#include <gtest/gtest.h>

#include "qt_ausgabe.h"

#include <QDir>
#include <QRegularExpression>
#include <set>

using namespace lexovita;

namespace {

QStringList Lesen(const char *name)
{
    return VorlageLesen(QDir(QStringLiteral(LEXOVITA_VORLAGEN_QUELLE)).filePath(QString::fromLatin1(name)));
}

QStringList FormMarker(const QStringList &zeilen)
{
    static const QRegularExpression muster(QStringLiteral("<!-- #Form\\(.*?\\) -->"));
    QStringList marker;
    for (const QString &z : zeilen) {
        auto it = muster.globalMatch(z);
        while (it.hasNext())
            marker.append(it.next().captured(0));
    }
    return marker;
}

std::set<int32_t> FormIds(const QStringList &zeilen)
{
    std::set<int32_t> ids;
    for (const QString &m : FormMarker(zeilen))
        if (!FormPlatzhalterLesen(m).vokabel)
            ids.insert(FormPlatzhalterLesen(m).formId);
    return ids;
}

int Vorkommen(const QStringList &zeilen, const QString &marker)
{
    int n = 0;
    for (const QString &z : zeilen)
        n += int(z.count(marker));
    return n;
}

std::set<int32_t> Faelle(int32_t basis)
{
    std::set<int32_t> ids;
    for (int k = 1; k <= 10; ++k)
        ids.insert(basis + (k << 13));
    return ids;
}

void Hinzu(std::set<int32_t> &ziel, const std::set<int32_t> &mehr)
{
    ziel.insert(mehr.begin(), mehr.end());
}

const int32_t kGenera[] = {0x20000, 0x40000, 0x60000};

// The paradigm of a verb from the identifier blocks, independent of how the
// template was written.
std::set<int32_t> VerbParadigma(bool deponens)
{
    std::set<int32_t> ids;
    const int32_t genera[] = {0x100, 0x200};
    for (int32_t gv : genera) {
        if (deponens && gv == 0x200)
            continue;
        for (int32_t tempus = 8; tempus <= 48; tempus += 8)
            for (int32_t p = 1; p <= 6; ++p)
                ids.insert(p + tempus + 0x40 + gv);
        for (int32_t tempus : {8, 16, 32, 40})
            for (int32_t p = 1; p <= 6; ++p)
                ids.insert(p + tempus + 0x80 + gv);
        for (int32_t tempus : {8, 24, 32})
            ids.insert(0x800 + gv + tempus);
    }
    for (int32_t id : {202, 205, 210, 211, 214})
        ids.insert(id);
    if (!deponens) {
        ids.insert(213);
        ids.insert(5121);
        ids.insert(5122);
    }
    for (int32_t id : {0x3000, 0x5000, 0x7000, 0x9000, 0xB000})
        ids.insert(id);
    for (int32_t g : kGenera) {
        Hinzu(ids, Faelle(g + 0xC00));
        Hinzu(ids, Faelle(g + 0x508));
        Hinzu(ids, Faelle(g + 0x518));
        Hinzu(ids, Faelle(g + (deponens ? 0x520 : 0x620)));
    }
    return ids;
}

} // namespace

TEST(Vorlagen, EveryFormMarkerOfTheFormsTablesUsesOnlyKnownKeywordsAndOneMarkerPerLine)
{
    for (const char *name : {"tabelle_verb.htm", "tabelle_deponens.htm", "tabelle_substantiv.htm",
                             "tabelle_adjektiv.htm", "tabelle_pronomen.htm", "drucken_adjektiv.htm"}) {
        const QStringList zeilen = Lesen(name);
        ASSERT_FALSE(zeilen.isEmpty()) << name;
        for (const QString &z : zeilen)
            EXPECT_LE(z.count(QStringLiteral("<!-- #Form(")), 1) << name << ": " << z.toStdString();
        for (const QString &m : FormMarker(zeilen)) {
            const QString innen = m.mid(11, m.size() - 16);
            for (const QString &wort : innen.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                EXPECT_TRUE(wort == QLatin1String("VOKABEL") || FormSchluesselwortWert(wort) != 0)
                    << name << ": " << wort.toStdString();
        }
    }
}

TEST(Vorlagen, VerbTablesShowTheWholeParadigmOnceAndDeponentsNoPassiveOrSupine)
{
    EXPECT_EQ(FormIds(Lesen("tabelle_verb.htm")), VerbParadigma(false));
    EXPECT_EQ(FormIds(Lesen("tabelle_deponens.htm")), VerbParadigma(true));
    EXPECT_EQ(FormMarker(Lesen("tabelle_verb.htm")).size(), VerbParadigma(false).size() + 1); // + headword
}

TEST(Vorlagen, NounPronounAndAdjectiveTablesShowAllCasesGendersDegreesAndAdverbs)
{
    const std::set<int32_t> faelle = Faelle(0);
    EXPECT_EQ(FormIds(Lesen("tabelle_substantiv.htm")), faelle);
    EXPECT_EQ(FormIds(Lesen("tabelle_pronomen.htm")), faelle);

    std::set<int32_t> adjektiv = {0x280000, 0x300000, 0x380000};
    for (int32_t grad : {0x80000, 0x100000, 0x180000})
        for (int32_t g : kGenera)
            Hinzu(adjektiv, Faelle(grad + g));
    EXPECT_EQ(FormIds(Lesen("tabelle_adjektiv.htm")), adjektiv);
}

TEST(Vorlagen, FormsTablesHaveUniqueJumpAnchorsAndShowTheHeadword)
{
    for (const char *name : {"tabelle_verb.htm", "tabelle_deponens.htm", "tabelle_substantiv.htm",
                             "tabelle_adjektiv.htm", "tabelle_pronomen.htm"}) {
        const QStringList zeilen = Lesen(name);
        const QStringList anker = Sprungmarken(zeilen);
        EXPECT_FALSE(anker.isEmpty()) << name;
        EXPECT_EQ(QSet<QString>(anker.begin(), anker.end()).size(), anker.size()) << name;
        EXPECT_EQ(Vorkommen(zeilen, QStringLiteral("<!-- #Form(VOKABEL) -->")), 1) << name;
    }
    EXPECT_EQ(Sprungmarken(Lesen("tabelle_verb.htm")),
              (QStringList{"Indikativ", "Konjunktiv", "Imperativ", "Infinitive", "Partizipien", "Gerundium",
                           "Gerundivum", "Supinum"}));
}

TEST(Vorlagen, LineMarkersStandAloneBecauseTheirLinesAreWrittenInFrontOfThem)
{
    const struct {
        const char *datei;
        QStringList marker;
    } faelle[] = {
        {"vokabel.htm", {"<!-- #Bedeutungen -->", "<!-- #Merkhilfen -->"}},
        {"analyse.htm", {"<!-- #Bedeutungen -->", "<!-- #Merkhilfen -->", "<!-- #Analyse -->"}},
        {"drucken_v_Standard.htm", {"<!-- #VokabelAnfang -->"}},
        {"drucken_t_Standard.htm", {"<!-- #Text -->"}},
        {"drucken_vt_Standard.htm", {"<!-- #VokabelAnfang -->", "<!-- #Text -->"}},
        {"drucken_tv_Standard.htm", {"<!-- #VokabelAnfang -->", "<!-- #Text -->"}},
        {"vokabeltest.htm", {"<!-- #VokabelAnfang -->", "<!-- #VokabelEnde -->"}},
    };
    for (const auto &f : faelle) {
        const QStringList zeilen = Lesen(f.datei);
        for (const QString &m : f.marker) {
            EXPECT_EQ(Vorkommen(zeilen, m), 1) << f.datei << " " << m.toStdString();
            EXPECT_TRUE(zeilen.contains(m)) << f.datei << ": " << m.toStdString() << " not alone on its line";
        }
    }
    const QStringList vt = Lesen("drucken_vt_Standard.htm");
    const QStringList tv = Lesen("drucken_tv_Standard.htm");
    EXPECT_LT(vt.indexOf("<!-- #VokabelAnfang -->"), vt.indexOf("<!-- #Text -->"));
    EXPECT_GT(tv.indexOf("<!-- #VokabelAnfang -->"), tv.indexOf("<!-- #Text -->"));
}

TEST(Vorlagen, EveryPageTemplateCarriesTheMarkersOfItsPage)
{
    const QStringList kopf = {"<!-- #Vokabel -->", "<!-- #Wortart -->", "<!-- #Formen -->", "<!-- #KonjDekl -->"};
    for (const char *name : {"vokabel.htm", "analyse.htm"})
        for (const QString &m : kopf)
            EXPECT_EQ(Vorkommen(Lesen(name), m), 1) << name << " " << m.toStdString();
    for (const char *name :
         {"drucken_v_Standard.htm", "drucken_t_Standard.htm", "drucken_vt_Standard.htm", "drucken_tv_Standard.htm"})
        EXPECT_EQ(Vorkommen(Lesen(name), QStringLiteral("<!-- #Ueberschrift -->")), 1) << name;
    const QStringList block = {"<!-- #Nr -->",        "<!-- #Vokabel -->",  "<!-- #Bedeutungen -->",
                               "<!-- #Formen -->",    "<!-- #KonjDekl -->", "<!-- #Merkhilfen -->",
                               "<!-- #Trennlinie -->"};
    for (const char *name :
         {"drucken_verb.htm", "drucken_substantiv.htm", "drucken_adjektiv.htm", "drucken_vokabel.htm"})
        for (const QString &m : block)
            EXPECT_EQ(Vorkommen(Lesen(name), m), 1) << name << " " << m.toStdString();

    const QStringList test = Lesen("vokabeltest.htm");
    const qsizetype anfang = test.indexOf("<!-- #VokabelAnfang -->");
    const qsizetype ende = test.indexOf("<!-- #VokabelEnde -->");
    const QStringList imBlock = test.mid(anfang + 1, ende - anfang - 1);
    for (const char *m : {"<!-- #Nr -->", "<!-- #Vokabel -->", "<!-- #Formen -->", "<!-- #KonjDekl -->"})
        EXPECT_EQ(Vorkommen(imBlock, QString::fromLatin1(m)), 1) << m;
}

TEST(Vorlagen, TheDeliveredEntryPageShowsTheEntryWithoutLeftoverMarkersBesideTheLineMarkers)
{
    TVokabel v;
    v.vokabel = QStringLiteral("puella");
    v.form1 = QStringLiteral("puellae");
    v.form2 = QStringLiteral("f");
    v.SetWortart(WA_SUBSTANTIV);
    v.SetKonjDekl(KD_A);
    v.BedeutungHinzufuegen(QStringLiteral("Mädchen"), QString(), 1, 1);
    const QString seite = VokabelSeite(v, Lesen("vokabel.htm")).join(QLatin1Char('\n'));
    EXPECT_TRUE(seite.contains(QStringLiteral("puella")));
    EXPECT_TRUE(seite.contains(QStringLiteral("puellae, f.")));
    EXPECT_TRUE(seite.contains(QStringLiteral("A-Deklination")));
    EXPECT_TRUE(seite.contains(QStringLiteral("Mädchen")));
    EXPECT_FALSE(seite.contains(QStringLiteral("<!-- #Vokabel -->")));
    EXPECT_FALSE(seite.contains(QStringLiteral("<!-- #KonjDekl -->")));
}
