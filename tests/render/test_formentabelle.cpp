// The forms table built from the delivered templates with the real
// generator, and the resolution of single form markers.
#include "morph/formenbaum.h"
#include "render/formentabelle.h"
#include "render/formplatzhalter.h"
#include "render/html.h"

#include <gtest/gtest.h>

#include "qt_ausgabe.h"

#include <QRegularExpression>

using namespace lexovita;

namespace {

const QString kVorlagen = QStringLiteral(LEXOVITA_VORLAGEN_QUELLE);

TVokabel Eintrag(int32_t wortart, int32_t kd, const char *vokabel, const char *f1, const char *f2, const char *f3)
{
    TVokabel v;
    v.id = 11;
    v.SetWortart(wortart);
    v.SetKonjDekl(kd);
    v.vokabel = QString::fromUtf8(vokabel);
    v.form1 = QString::fromUtf8(f1);
    v.form2 = QString::fromUtf8(f2);
    v.form3 = QString::fromUtf8(f3);
    return v;
}

} // namespace

TEST(FormAusVorlage, SchluesselwoerterVokabelUndFehlendeForm)
{
    const TVokabel amare = Eintrag(WA_VERB, KD_A, "amare", "amo", "amavi", "amatum");
    TFormenmanager m;
    const struct {
        const char *platzhalter;
        const char *text; // first result, or nullptr for none
        const char *bezeichnung;
    } faelle[] = {
        {"<!-- #Form(PRAE IND AKT 1SG) -->", "amo", "1. Prs. Sg. Präsens Aktiv Indikativ"},
        {"<!-- #Form(PERF IND AKT 2SG) -->", "amavisti", "2. Prs. Sg. Perfekt Aktiv Indikativ"},
        {"<!-- #Form(VOKABEL) -->", "amare", "Vokabel"},
        {"<!-- #Form(PRAE IND AKT 1SG VOKABEL) -->", "amare", "Vokabel"},
        {"<!-- #Form(NOMSG) -->", nullptr, nullptr}, // no case form for a verb
        {"<!-- #Form(XYZ) -->", nullptr, nullptr},
    };
    for (const auto &f : faelle) {
        m.Ergebnisliste().emplace_back(1, QStringLiteral("alt"), 1); // emptied first
        FormAusVorlage(m, amare, QString::fromUtf8(f.platzhalter));
        if (!f.text) {
            EXPECT_TRUE(m.Ergebnisliste().empty()) << f.platzhalter;
            continue;
        }
        ASSERT_FALSE(m.Ergebnisliste().empty()) << f.platzhalter;
        EXPECT_EQ(m.Ergebnisliste().front().text, QString::fromUtf8(f.text)) << f.platzhalter;
        EXPECT_EQ(m.Ergebnisliste().front().bezeichnung, QString::fromUtf8(f.bezeichnung)) << f.platzhalter;
    }
    EXPECT_EQ(m.Ergebnisliste().size(), 0u);
}

TEST(Formentabelle, AmareUndBonusSindVollstaendigAufgeloest)
{
    const struct {
        TVokabel v;
        const char *vorlage;
        QStringList zellen; // forms that must appear in the page
        const char *ersteMarke;
    } faelle[] = {
        {Eintrag(WA_VERB, KD_A, "amare", "amo", "amavi", "amatum"),
         "tabelle_verb.htm",
         {"amo", "amavisti", "amabantur", "amaveritis", "amatum esse", "amandi"},
         nullptr},
        {Eintrag(WA_ADJEKTIV, KD_O, "bonus", "boni", "bona", "bonum"),
         "tabelle_adjektiv.htm",
         {"boni", "bonarum", "bonis", "bonissimus"},
         "Positiv"},
    };
    static const QRegularExpression marker(QStringLiteral("<!-- #Form\\((.*?)\\) -->"));
    for (const auto &f : faelle) {
        TFormenmanager m;
        const TFormentabelle t = FormentabelleErzeugen(m, f.v, kVorlagen);
        EXPECT_EQ(t.vorlage, QString::fromLatin1(f.vorlage));
        const QString html = t.Html();
        ASSERT_GT(t.zeilen.size(), 20) << f.vorlage;
        EXPECT_FALSE(html.contains(QStringLiteral("<!-- #Form("))) << f.vorlage;
        EXPECT_TRUE(html.contains(QStringLiteral(">") + f.v.vokabel + QStringLiteral("<"))) << f.vorlage;
        for (const QString &zelle : f.zellen)
            EXPECT_TRUE(html.contains(QStringLiteral(">") + zelle + QStringLiteral("<"))) << zelle.toStdString();
        // Every marker of the template names a form these regular entries
        // have: none may come out as "-".
        TFormenmanager probe;
        for (const QString &zeile : VorlageLesen(kVorlagen + QLatin1Char('/') + QString::fromLatin1(f.vorlage))) {
            auto it = marker.globalMatch(zeile);
            while (it.hasNext()) {
                const QString m0 = it.next().captured(0);
                const FormPlatzhalter p = FormPlatzhalterLesen(m0);
                if (!p.vokabel) {
                    EXPECT_FALSE(ErsteFormText(probe, f.v, p.formId).isEmpty()) << m0.toStdString();
                }
            }
        }
        ASSERT_FALSE(t.sprungmarken.isEmpty());
        if (f.ersteMarke) {
            EXPECT_EQ(t.sprungmarken.front(), QString::fromLatin1(f.ersteMarke));
        }
    }
}

TEST(Formentabelle, OhneTabelleOderVorlageBleibtDieSeiteLeer)
{
    TFormenmanager m;
    const TVokabel et = Eintrag(WA_UNBESTIMMT, KD_KEINE, "et", "", "", "");
    EXPECT_TRUE(FormentabelleErzeugen(m, et, kVorlagen).vorlage.isEmpty());
    EXPECT_TRUE(FormentabelleErzeugen(m, et, kVorlagen).zeilen.isEmpty());
    const TVokabel amare = Eintrag(WA_VERB, KD_A, "amare", "amo", "amavi", "amatum");
    const TFormentabelle t = FormentabelleErzeugen(m, amare, QStringLiteral("/gibt/es/nicht"));
    EXPECT_EQ(t.vorlage, QStringLiteral("tabelle_verb.htm"));
    EXPECT_TRUE(t.zeilen.isEmpty());
}
