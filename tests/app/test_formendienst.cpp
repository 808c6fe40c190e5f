// The service behind the form-analysis dialog and the forms table, on a
// private in-memory database.
#include "app/formendienst.h"

#include "render/html.h"
#include "seitencache_hilfe.h"
#include "store/test_lektion_hilfen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace lexovita;
using namespace lexovita::test;

namespace {

class Formendienst : public LektionsDatenbank {
  protected:
    QTemporaryDir vorlagen;
    int32_t amor = 0, amare = 0;

    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(LEXOVITA_VORLAGEN_QUELLE "/analyse.htm"),
                                vorlagen.filePath(QStringLiteral("analyse.htm"))));
        ASSERT_TRUE(QFile::copy(QStringLiteral(LEXOVITA_VORLAGEN_QUELLE "/tabelle_verb.htm"),
                                vorlagen.filePath(QStringLiteral("tabelle_verb.htm"))));
        amor = Anlegen(QStringLiteral("amor"), WA_SUBSTANTIV, KD_K, QStringLiteral("amoris"), QStringLiteral("m"), {},
                       {QStringLiteral("Liebe")});
        TVokabel v;
        v.vokabel = QStringLiteral("amare");
        v.SetWortart(WA_VERB);
        v.SetKonjDekl(KD_A);
        v.form1 = QStringLiteral("amo");
        v.form2 = QStringLiteral("amavi");
        v.form3 = QStringLiteral("amatum");
        v.BedeutungAnhaengen(QStringLiteral("lieben"), {}, 1);
        v.VerweisHinzufuegen(QStringLiteral("amor"));
        // The short perfect, stored as the entry's own form.
        v.sonderformen.push_back(std::make_unique<TLatForm>(0, QStringLiteral("amasti"), 354));
        ASSERT_EQ(TVokabelSpeicher(daten).VokabelAnlegen(v), TVokabelSpeicher::Ausgang::Gespeichert);
        amare = v.id;
    }
};

} // namespace

TEST_F(Formendienst, JedeVokabelEinmalAnDerStelleIhresErstenErgebnissesMitVerweisen)
{
    TFormendienst dienst(daten, vorlagen.path());
    for (bool verweise : {false, true}) {
        // Futur 2 indicative and perfect subjunctive at once.
        const auto treffer = dienst.Analysieren(QStringLiteral("amaveris"), verweise);
        EXPECT_GT(dienst.Ergebnisse().size(), 1u);
        ASSERT_EQ(treffer.size(), 1u);
        EXPECT_EQ(treffer[0].vokabelId, amare);
        EXPECT_EQ(treffer[0].vokabel, QStringLiteral("amare"));
        if (!verweise) {
            EXPECT_TRUE(treffer[0].verweise.empty());
            continue;
        }
        ASSERT_EQ(treffer[0].verweise.size(), 1u);
        EXPECT_EQ(treffer[0].verweise[0].vokabelId, amor);
        EXPECT_EQ(treffer[0].verweise[0].text, QStringLiteral("amor"));
    }
    EXPECT_TRUE(dienst.Analysieren(QStringLiteral("xyzzy"), true).empty());
    EXPECT_TRUE(dienst.Ergebnisse().empty());
}

TEST_F(Formendienst, ErgebnisseiteZeigtDieErkanntenFormenUndWirdGespeichert)
{
    TFormendienst dienst(daten, vorlagen.path());
    ASSERT_EQ(dienst.Analysieren(QStringLiteral("amavisti"), false).size(), 1u);
    const auto v = dienst.VokabelLaden(amare);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->Verweise(), QStringList{QStringLiteral("amor")});
    const QString seite = dienst.AnalyseSeiteHtml(*v);
    EXPECT_TRUE(seite.contains(QStringLiteral("<LI>2. Prs. Sg. Perfekt Aktiv Indikativ</LI>"))) << seite.toStdString();
    EXPECT_TRUE(seite.contains(QStringLiteral("lieben")));
    EXPECT_TRUE(SeiteImCache(seite, vorlagen.path()));

    // The entry of another word shows none of these labels.
    const auto amorV = dienst.VokabelLaden(amor);
    ASSERT_TRUE(amorV);
    EXPECT_TRUE(dienst.AnalyseSeiteHtml(*amorV).contains(QStringLiteral("Keine Formen erkannt")));
    EXPECT_EQ(dienst.VokabelLaden(99999), nullptr);
}

TEST_F(Formendienst, FormentabelleSetztGespeicherteSonderformenEin)
{
    TFormendienst dienst(daten, vorlagen.path());
    ASSERT_EQ(dienst.Analysieren(QStringLiteral("amavisti"), false).size(), 1u);
    const size_t ergebnisse = dienst.Ergebnisse().size();
    const auto v = dienst.VokabelLaden(amare);
    ASSERT_TRUE(v);
    const TFormentabelle t = dienst.Formentabelle(*v);
    EXPECT_TRUE(t.Html().contains(QStringLiteral(">amasti<")));
    EXPECT_FALSE(t.Html().contains(QStringLiteral(">amavisti<")));
    EXPECT_FALSE(t.Html().contains(QStringLiteral("<!-- #Form(")));
    // Building the table leaves the dialog's analysis results alone.
    EXPECT_EQ(dienst.Ergebnisse().size(), ergebnisse);
    EXPECT_TRUE(SeiteImCache(t.Html(), vorlagen.path()));
}
