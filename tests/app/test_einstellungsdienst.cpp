#include "app/einstellungsdienst.h"

#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace lexovita;
using G = TEinstellungsGruppe;

namespace {

// A group set as sorted names, so a failure reads "Colors,Text".
std::string Namen(const QSet<G> &gruppen)
{
    static const char *const kNamen[] = {"Wurzel", "Colors", "Lernen", "Text", "Layout"};
    std::vector<int> nummern;
    for (G g : gruppen)
        nummern.push_back(static_cast<int>(g));
    std::sort(nummern.begin(), nummern.end());
    std::string text;
    for (int n : nummern)
        text += (text.empty() ? "" : ",") + std::string(kNamen[n]);
    return text;
}

// A value of the row's kind that is not its default.
TEinstellung::TWert AndererWert(const TEinstellung &e)
{
    switch (e.art) {
    case TEinstellungsArt::Zahl:
    case TEinstellungsArt::Farbe:
        return std::get<int32_t>(e.standard) + 1;
    case TEinstellungsArt::Schalter:
        return !std::get<bool>(e.standard);
    case TEinstellungsArt::Text:
        return std::get<QString>(e.standard) + QStringLiteral(" Bold");
    case TEinstellungsArt::Liste:
        return std::get<QStringList>(e.standard) + QStringList{QStringLiteral("8192")};
    }
    return e.standard;
}

class EinstellungsdienstTest : public ::testing::Test {
  protected:
    EinstellungsdienstTest() : dienst(std::make_unique<TConfig>(Datei()))
    {
        QObject::connect(&dienst, &TEinstellungsdienst::geaendert,
                         [this](const QSet<G> &gruppen) { meldungen.push_back(Namen(gruppen)); });
    }
    QString Datei() const { return dir.filePath(QStringLiteral("lexovita.ini")); }
    void Schreiben(const QString &schluessel, const QVariant &wert)
    {
        QSettings s(Datei(), QSettings::IniFormat);
        s.setValue(schluessel, wert);
    }

    QTemporaryDir dir;
    TEinstellungsdienst dienst;
    std::vector<std::string> meldungen;
};

} // namespace

TEST_F(EinstellungsdienstTest, EachChangedValueIsAnnouncedWithItsGroupAndOnlyThat)
{
    for (const TEinstellung &e : TConfig::Tabelle()) {
        SCOPED_TRACE(e.Schluessel().toStdString());
        meldungen.clear();
        dienst.Aendern([&e](TConfig &c) { e.Setzen(c, AndererWert(e)); });
        dienst.Aendern([&e](TConfig &c) { e.Setzen(c, AndererWert(e)); }); // same value again
        dienst.Aendern([&e](TConfig &c) { e.Setzen(c, e.standard); });
        const std::string gruppe = Namen({e.gruppe});
        EXPECT_EQ(meldungen, (std::vector<std::string>{gruppe, gruppe}));
        EXPECT_EQ(e.Wert(dienst.Config()), e.standard);
    }
}

TEST_F(EinstellungsdienstTest, OneChangeOfSeveralValuesIsAnnouncedOnceAndAChangeUndoneNotAtAll)
{
    dienst.Aendern([](TConfig &c) {
        c.txtName = QStringLiteral("DejaVu Sans");
        c.txtZeilenabstand = 22;
        c.clSatzVg = 0x0000FF;
        c.LehrbuchID = 3;
        c.txtSize = 12; // changed and changed back: not a change
        c.txtSize = 10;
    });
    EXPECT_EQ(meldungen, (std::vector<std::string>{"Wurzel,Colors,Text"}));

    meldungen.clear();
    dienst.Aendern([](TConfig &c) { c.programmordner = QStringLiteral("/anderswo/"); }); // not a setting
    dienst.Aendern([](TConfig &) {});
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(EinstellungsdienstTest, LoadingAnnouncesTheGroupsWhoseValuesTheStoreChanged)
{
    Schreiben(QStringLiteral("3.0/Text/txtSize"), 14);
    Schreiben(QStringLiteral("3.0/Layout/testKonjDekl"), 1);
    Schreiben(QStringLiteral("3.0/Colors/clKNG"), QStringLiteral("$0099CCFF")); // its default
    EXPECT_EQ(dienst.Laden(QStringLiteral("/x")), QString());
    EXPECT_EQ(meldungen, (std::vector<std::string>{"Text,Layout"}));
    EXPECT_EQ(dienst.Config().txtSize, 14);

    meldungen.clear();
    EXPECT_EQ(dienst.Laden(QStringLiteral("/x")), QString());
    EXPECT_TRUE(meldungen.empty());

    // A load after an unsaved change takes the change back, which the windows must hear.
    dienst.Aendern([](TConfig &c) { c.vlCase = true; });
    meldungen.clear();
    EXPECT_EQ(dienst.Laden(QStringLiteral("/x")), QString());
    EXPECT_EQ(meldungen, (std::vector<std::string>{"Lernen"}));
    EXPECT_FALSE(dienst.Config().vlCase);
}

TEST_F(EinstellungsdienstTest, ABadValueIsReportedAndTheRestStillLoadsAndIsAnnounced)
{
    Schreiben(QStringLiteral("3.0/Layout/testReihenfolge"), QStringLiteral("gemischt"));
    Schreiben(QStringLiteral("3.0/Text/txtSize"), 14);
    EXPECT_EQ(dienst.Laden(QStringLiteral("/x")),
              QStringLiteral("Die Einstellung „3.0/Layout/testReihenfolge“ hatte den ungültigen Wert „gemischt“; es "
                             "gilt wieder der Standardwert."));
    EXPECT_EQ(meldungen, (std::vector<std::string>{"Text"}));
    EXPECT_EQ(dienst.Config().txtSize, 14);
}

TEST_F(EinstellungsdienstTest, TakingOverAnotherObjectCopiesEveryTableValueAndSavesThem)
{
    TConfig entwurf(dir.filePath(QStringLiteral("entwurf.ini")));
    for (const TEinstellung &e : TConfig::Tabelle())
        e.Setzen(entwurf, AndererWert(e));
    dienst.Uebernehmen(entwurf);
    EXPECT_EQ(meldungen, (std::vector<std::string>{"Wurzel,Colors,Lernen,Text,Layout"}));
    dienst.Speichern();

    TConfig gelesen(Datei());
    gelesen.EinstellungenLaden(QStringLiteral("/x"));
    for (const TEinstellung &e : TConfig::Tabelle()) {
        SCOPED_TRACE(e.Schluessel().toStdString());
        EXPECT_EQ(e.Wert(dienst.Config()), e.Wert(entwurf));
        if (e.speicherung == TSpeicherung::LesenUndSchreiben) {
            EXPECT_EQ(e.Wert(gelesen), e.Wert(entwurf));
        }
    }
}
