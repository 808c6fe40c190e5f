#include "model/config.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace lexovita;

namespace {

// Every test works on its own INI file in a fresh temporary folder.
class ConfigTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString Datei() const { return dir.filePath(QStringLiteral("lexovita.ini")); }
    void Schreiben(const QString &schluessel, const QVariant &wert)
    {
        QSettings s(Datei(), QSettings::IniFormat);
        s.setValue(schluessel, wert);
    }
    QStringList AlleSchluessel()
    {
        QSettings s(Datei(), QSettings::IniFormat);
        return s.allKeys();
    }
};

// Values to try for a row: never its default, and for a switch both states,
// since one state alone may happen to equal a crossed row's default.
std::vector<TEinstellung::TWert> Werte(const TEinstellung &e)
{
    switch (e.art) {
    case TEinstellungsArt::Zahl: {
        // Two values inside the row's range, neither the default.
        std::vector<TEinstellung::TWert> werte;
        for (const int32_t w : {int32_t{4711}, int32_t{-5}, e.maximum, e.minimum})
            if (w >= e.minimum && w <= e.maximum && w != std::get<int32_t>(e.standard) && werte.size() < 2 &&
                std::find(werte.begin(), werte.end(), TEinstellung::TWert{w}) == werte.end())
                werte.push_back(w);
        return werte;
    }
    case TEinstellungsArt::Schalter:
        return {!std::get<bool>(e.standard), std::get<bool>(e.standard)};
    case TEinstellungsArt::Text:
        return {QStringLiteral("DejaVu Sans, Book"), QStringLiteral(" Liberation Serif ")};
    case TEinstellungsArt::Farbe:
        return {TFarbe{0x123456}, clNone};
    case TEinstellungsArt::Liste:
        return {QStringList{QStringLiteral("329"), QStringLiteral("5122")}, QStringList{}};
    }
    return {};
}

// How the store holds a value, as another program reading it would see it.
QString Speicherform(const TEinstellung &e, const TEinstellung::TWert &wert)
{
    switch (e.art) {
    case TEinstellungsArt::Zahl:
        return QString::number(std::get<int32_t>(wert));
    case TEinstellungsArt::Schalter:
        return std::get<bool>(wert) ? QStringLiteral("1") : QStringLiteral("0");
    case TEinstellungsArt::Text:
        return std::get<QString>(wert);
    case TEinstellungsArt::Farbe:
        return QStringLiteral("$%1")
            .arg(static_cast<uint32_t>(std::get<int32_t>(wert)), 8, 16, QLatin1Char('0'))
            .toUpper();
    case TEinstellungsArt::Liste:
        return std::get<QStringList>(wert).join(QLatin1Char(','));
    }
    return {};
}

std::string Anzeige(const TEinstellung &e, const TEinstellung::TWert &wert)
{
    return (e.Schluessel() + QStringLiteral(" = ") + Speicherform(e, wert)).toStdString();
}

} // namespace

TEST(FarbText, StandardNamesAreReadCaseInsensitively)
{
    EXPECT_EQ(FarbeAusText(QStringLiteral("clBlack")), 0x000000);
    EXPECT_EQ(FarbeAusText(QStringLiteral("clWhite")), 0xFFFFFF);
    EXPECT_EQ(FarbeAusText(QStringLiteral("clYellow")), 0x00FFFF);
    EXPECT_EQ(FarbeAusText(QStringLiteral("clBlue")), 0xFF0000);
    EXPECT_EQ(FarbeAusText(QStringLiteral("clRed")), 0x0000FF);
    EXPECT_EQ(FarbeAusText(QStringLiteral("clSilver")), 0xC0C0C0);
    EXPECT_EQ(FarbeAusText(QStringLiteral("clMaroon")), 0x000080);
    EXPECT_EQ(FarbeAusText(QStringLiteral("clnavy")), 0x800000);
    EXPECT_EQ(FarbeAusText(QStringLiteral("clNone")), clNone);
    EXPECT_EQ(static_cast<uint32_t>(FarbeAusText(QStringLiteral("clBtnFace"))), 0x8000000Fu);
}

TEST(FarbText, NumbersAreReadAsDollarHexPrefixedHexOrDecimal)
{
    EXPECT_EQ(FarbeAusText(QStringLiteral("$0099CCFF")), 0x99CCFF);
    EXPECT_EQ(FarbeAusText(QStringLiteral("$00ff0000")), 0xFF0000);
    EXPECT_EQ(FarbeAusText(QStringLiteral("0x00C0C0C0")), 0xC0C0C0);
    EXPECT_EQ(FarbeAusText(QStringLiteral("16711680")), 0xFF0000);
    EXPECT_EQ(FarbeAusText(QStringLiteral(" 255 ")), 0x0000FF);
    EXPECT_EQ(static_cast<uint32_t>(FarbeAusText(QStringLiteral("-2147483633"))), 0x8000000Fu);
}

TEST(FarbText, TextThatIsNeitherNameNorNumberIsAConversionError)
{
    for (const char *schlecht : {"", "Rot", "clRosa", "$", "$00GGHHII", "$-12", "12abc", "$1FFFFFFFF"}) {
        try {
            FarbeAusText(QString::fromLatin1(schlecht));
            ADD_FAILURE() << "accepted: " << schlecht;
        } catch (const TKonvertierungsFehler &f) {
            EXPECT_TRUE(f.Meldung().contains(QStringLiteral("kein gültiger Farbwert"))) << f.what();
        }
    }
}

TEST(FarbText, ColoursAreWrittenAsDollarAndEightHexDigits)
{
    EXPECT_EQ(FarbeAlsText(0x99CCFF), QStringLiteral("$0099CCFF"));
    EXPECT_EQ(FarbeAlsText(0), QStringLiteral("$00000000"));
    EXPECT_EQ(FarbeAlsText(clNone), QStringLiteral("$1FFFFFFF"));
    EXPECT_EQ(FarbeAusText(FarbeAlsText(FarbeAusText(QStringLiteral("clBtnFace")))),
              FarbeAusText(QStringLiteral("clBtnFace")));
    EXPECT_EQ(FarbeAlsRgb(0x0000FF), 0xFF0000u); // red
    EXPECT_EQ(FarbeAusRgb(0x123456), 0x563412);
}

TEST_F(ConfigTest, ANewObjectAndAnEmptyStoreBothYieldTheTableDefaults)
{
    TConfig neu(Datei());
    TConfig c(Datei());
    // Every value away from its default, so the load has to put each one back.
    for (const TEinstellung &e : TConfig::Tabelle())
        e.Setzen(c, Werte(e).front());
    c.EinstellungenLaden(QStringLiteral("/opt/lexovita"));
    for (const TEinstellung &e : TConfig::Tabelle()) {
        EXPECT_EQ(e.Wert(neu), e.standard) << Anzeige(e, e.Wert(neu));
        // A value held in memory only is no business of the store.
        const auto erwartet = e.speicherung == TSpeicherung::Keine ? Werte(e).front() : e.standard;
        EXPECT_EQ(e.Wert(c), erwartet) << Anzeige(e, e.Wert(c));
    }
    EXPECT_EQ(c.programmordner, QStringLiteral("/opt/lexovita/"));
    EXPECT_EQ(c.VorlagenOrdner(), QStringLiteral("/opt/lexovita/vorlagen/"));

    // The long form lists are data; their order matters to the forms drills.
    ASSERT_EQ(neu.flVerb.size(), 261);
    EXPECT_EQ(neu.flVerb.first(), QStringLiteral("329"));
    EXPECT_EQ(neu.flVerb[126], QStringLiteral("2312"));
    EXPECT_EQ(neu.flVerb.last(), QStringLiteral("5122"));
    ASSERT_EQ(neu.flAdjektiv.size(), 93);
    EXPECT_EQ(neu.flAdjektiv.first(), QStringLiteral("663552"));
    EXPECT_EQ(neu.flAdjektiv.last(), QStringLiteral("3670016"));
    EXPECT_EQ(TConfig::ListeAlsText(neu.flSubstantiv),
              QStringLiteral("8192,16384,24576,32768,40960,49152,57344,65536,73728,81920"));
    EXPECT_TRUE(neu.LateinDeutsch());
    neu.vlRichtung = 2;
    EXPECT_FALSE(neu.LateinDeutsch());
}

TEST_F(ConfigTest, EveryTableValueSurvivesASaveAndALoadOnItsOwn)
{
    // One value at a time, all others at their defaults: a row that reads or
    // writes another row's key or member shows up as a second changed value.
    const auto tabelle = TConfig::Tabelle();
    int runde = 0;
    for (const TEinstellung &e : tabelle) {
        for (const TEinstellung::TWert &wert : Werte(e)) {
            SCOPED_TRACE(Anzeige(e, wert));
            const QString datei = dir.filePath(QStringLiteral("runde%1.ini").arg(++runde));
            {
                TConfig c(datei);
                e.Setzen(c, wert);
                c.EinstellungenSpeichern();
            }
            QSettings s(datei, QSettings::IniFormat);
            const bool geschrieben = e.speicherung == TSpeicherung::LesenUndSchreiben;
            ASSERT_EQ(s.contains(e.Schluessel()), geschrieben);
            if (geschrieben) {
                EXPECT_EQ(s.value(e.Schluessel()).toString(), Speicherform(e, wert));
            }

            TConfig geladen(datei);
            geladen.EinstellungenLaden(QStringLiteral("/x"));
            for (const TEinstellung &andere : tabelle) {
                const auto erwartet = &andere == &e && geschrieben ? wert : andere.standard;
                EXPECT_EQ(andere.Wert(geladen), erwartet) << Anzeige(andere, andere.Wert(geladen));
            }
        }
    }
}

TEST_F(ConfigTest, SavingAfterLoadingDefaultsWritesEveryValueButTheReadOnlyForegrounds)
{
    TConfig c(Datei());
    c.EinstellungenLaden(QStringLiteral("/x"));
    c.EinstellungenSpeichern();
    const QStringList keys = AlleSchluessel();
    // 5 root values, 20 colours, 21 drill and 4 repetition values, 8 editor and 4 layout values.
    EXPECT_EQ(keys.size(), 5 + 20 + 21 + 4 + 8 + 4);
    for (const char *vg : {"clKNGVg", "clKNVg", "clKGVg", "clNGVg", "clKVg", "clNVg", "clGVg", "clSatzVg"})
        EXPECT_FALSE(keys.contains(QStringLiteral("3.0/Colors/") + QLatin1String(vg))) << vg;
    EXPECT_TRUE(keys.contains(QStringLiteral("3.0/LehrbuchID")));
    EXPECT_TRUE(keys.contains(QStringLiteral("3.0/Colors/clNormalVg")));
    EXPECT_TRUE(keys.contains(QStringLiteral("3.0/Lernen/flSubstantiv")));
    EXPECT_TRUE(keys.contains(QStringLiteral("3.0/Lernen/lrBehalten")));
    EXPECT_TRUE(keys.contains(QStringLiteral("3.0/Text/txtDragDrop")));
    EXPECT_TRUE(keys.contains(QStringLiteral("3.0/Layout/testKonjDekl")));
    EXPECT_TRUE(keys.contains(QStringLiteral("3.0/Layout/backupOrdner")));

    QSettings s(Datei(), QSettings::IniFormat);
    EXPECT_EQ(s.value(QStringLiteral("3.0/Colors/clKNG")).toString(), QStringLiteral("$0099CCFF"));
    EXPECT_EQ(s.value(QStringLiteral("3.0/Lernen/vlStammformen")).toString(), QStringLiteral("1"));
    EXPECT_EQ(s.value(QStringLiteral("3.0/Lernen/flVerb")).toString(), TConfig::StandardVerbformen());
}

TEST_F(ConfigTest, ReadOnlyValuesAreReadButAChangeLastsOnlyUntilTheNextLoad)
{
    int nurLesen = 0;
    for (const TEinstellung &e : TConfig::Tabelle()) {
        if (e.speicherung == TSpeicherung::LesenUndSchreiben)
            continue;
        SCOPED_TRACE(e.name.toStdString());
        const auto gespeichert = Werte(e).front();
        const auto geaendert = Werte(e).back();
        ASSERT_NE(gespeichert, geaendert);
        Schreiben(e.Schluessel(), Speicherform(e, gespeichert));
        TConfig c(Datei());
        c.EinstellungenLaden(QStringLiteral("/x"));
        if (e.speicherung == TSpeicherung::NurLesen) {
            ++nurLesen;
            EXPECT_EQ(e.Wert(c), gespeichert);
            e.Setzen(c, geaendert);
            c.EinstellungenSpeichern();
            c.EinstellungenLaden(QStringLiteral("/x"));
            EXPECT_EQ(e.Wert(c), gespeichert);
        } else {
            // In memory only: a stored value is ignored and a change is kept.
            EXPECT_EQ(e.Wert(c), e.standard);
            e.Setzen(c, geaendert);
            c.EinstellungenSpeichern();
            c.EinstellungenLaden(QStringLiteral("/x"));
            EXPECT_EQ(e.Wert(c), geaendert);
        }
        QSettings s(Datei(), QSettings::IniFormat);
        EXPECT_EQ(s.value(e.Schluessel()).toString(), Speicherform(e, gespeichert));
    }
    EXPECT_EQ(nurLesen, 7); // the agreement foregrounds
}

// Every text colour of the text page stays readable on its background in
// the defaults: the contrast ratio of WCAG AA for normal text, 4.5:1.
TEST_F(ConfigTest, DefaultTextColoursMeetTheContrastOfWcagAA)
{
    auto leuchtdichte = [](TFarbe f) {
        const uint32_t rgb = FarbeAlsRgb(f);
        double l = 0;
        const double gewicht[] = {0.2126, 0.7152, 0.0722};
        for (int i = 0; i < 3; ++i) {
            const double c = ((rgb >> (16 - 8 * i)) & 0xFF) / 255.0;
            l += gewicht[i] * (c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return l;
    };
    TConfig c(Datei());
    c.EinstellungenLaden(QStringLiteral("/x"));
    const struct {
        const char *name;
        TFarbe vg, hg;
    } paare[] = {
        {"Normal", c.clNormalVg, c.clNormalHg},
        {"Ausgeblendet", c.clAusgeblendetVg, c.clAusgeblendetHg},
        {"Satz", c.clSatzVg, c.clSatzHg},
        {"Ausgewaehlt", c.clAusgewaehltVg, c.clAusgewaehltHg},
        {"Sel", c.clSelVg, c.clSelHg},
        {"Analysiert", c.clAnalysiertVg, c.clAnalysiertHg},
        {"KNG", c.clKNGVg, c.clKNG},
        {"KN", c.clKNVg, c.clKN},
        {"KG", c.clKGVg, c.clKG},
        {"NG", c.clNGVg, c.clNG},
        {"K", c.clKVg, c.clK},
        {"N", c.clNVg, c.clN},
        {"G", c.clGVg, c.clG},
    };
    for (const auto &p : paare) {
        const double a = leuchtdichte(p.vg), b = leuchtdichte(p.hg);
        const double kontrast = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
        EXPECT_GE(kontrast, 4.5) << p.name;
    }
}

TEST_F(ConfigTest, StoredColoursAreReadInEveryAcceptedForm)
{
    Schreiben(QStringLiteral("3.0/Colors/clKNG"), QStringLiteral("clYellow"));
    Schreiben(QStringLiteral("3.0/Colors/clKN"), QStringLiteral("$00112233"));
    Schreiben(QStringLiteral("3.0/Colors/clKG"), QStringLiteral("255"));
    TConfig c(Datei());
    c.EinstellungenLaden(QStringLiteral("/x"));
    EXPECT_EQ(c.clKNG, 0x00FFFF);
    EXPECT_EQ(c.clKN, 0x112233);
    EXPECT_EQ(c.clKG, 0x0000FF);
}

// A bad value costs only itself: it takes its default, one German line
// names its key and what it held, every other value is kept, and saving
// writes the others back unchanged.
TEST_F(ConfigTest, ABadValueTakesItsDefaultAndKeepsEveryOtherValue)
{
    const struct {
        const char *schluessel;
        QVariant wert;
    } schlecht[] = {
        {"3.0/wbPraesens", QStringLiteral("vielleicht")},
        {"3.0/Colors/clSelHg", QStringLiteral("gelb")},
        {"3.0/Lernen/vlKasus", QStringLiteral("Genitiv")},
        {"3.0/Text/txtSize", 100000},       // the settings window offers 6 to 72
        {"3.0/Text/txtZeilenabstand", 3},   // 10 to 99
        {"3.0/Lernen/lrBehalten", 100},     // 70 to 99
        {"3.0/Lernen/vlsFalscheAnzahl", 0}, // 1 to 99
        {"3.0/LehrbuchID", -1},
    };
    Schreiben(QStringLiteral("3.0/Text/txtName"), QStringLiteral("DejaVu Serif"));
    Schreiben(QStringLiteral("3.0/Text/txtUmbruchZeichen"), 60);
    Schreiben(QStringLiteral("3.0/Lernen/lrNeueProTag"), 7);
    Schreiben(QStringLiteral("3.0/Colors/clKNG"), QStringLiteral("clYellow"));
    for (const auto &f : schlecht)
        Schreiben(QString::fromLatin1(f.schluessel), f.wert);

    TConfig c(Datei());
    c.EinstellungenLaden(QStringLiteral("/x"));
    EXPECT_EQ(c.txtName, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(c.txtUmbruchZeichen, 60);
    EXPECT_EQ(c.lrNeueProTag, 7);
    EXPECT_EQ(c.clKNG, 0x00FFFF);
    const TConfig standard(dir.filePath(QStringLiteral("leer.ini")));
    ASSERT_EQ(c.Warnungen().size(), std::size(schlecht)) << c.Warnungen().join("\n").toStdString();
    for (size_t i = 0; i < std::size(schlecht); ++i) {
        const QString schluessel = QString::fromLatin1(schlecht[i].schluessel);
        SCOPED_TRACE(schluessel.toStdString());
        const auto zeile = std::find_if(TConfig::Tabelle().begin(), TConfig::Tabelle().end(),
                                        [&](const TEinstellung &e) { return e.Schluessel() == schluessel; });
        ASSERT_NE(zeile, TConfig::Tabelle().end());
        EXPECT_EQ(zeile->Wert(c), zeile->standard);
        EXPECT_TRUE(c.Warnungen().contains(QStringLiteral("Die Einstellung „%1“ hatte den ungültigen Wert „%2“; es "
                                                          "gilt wieder der Standardwert.")
                                               .arg(schluessel, schlecht[i].wert.toString())))
            << c.Warnungen().join("\n").toStdString();
    }
    EXPECT_FALSE(c.TeilweiseGelesen());

    c.EinstellungenSpeichern();
    TConfig wieder(Datei());
    wieder.EinstellungenLaden(QStringLiteral("/x"));
    EXPECT_TRUE(wieder.Warnungen().isEmpty()) << wieder.Warnungen().join("\n").toStdString();
    EXPECT_EQ(wieder.txtName, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(wieder.txtSize, 10);
    EXPECT_EQ(wieder.lrNeueProTag, 7);
}

// A store that cannot be read gives the defaults for this run, says so,
// and is never written over with them.
TEST_F(ConfigTest, AStoreThatCannotBeReadIsNotSavedOver)
{
    // A folder where the file should be: nothing of it can be read.
    ASSERT_TRUE(QDir().mkpath(Datei()));
    TConfig c(Datei());
    c.EinstellungenLaden(QStringLiteral("/x"));
    EXPECT_TRUE(c.TeilweiseGelesen());
    ASSERT_EQ(c.Warnungen().size(), 1);
    EXPECT_TRUE(c.Warnungen()[0].contains(QStringLiteral("nicht überschrieben"))) << c.Warnungen()[0].toStdString();
    EXPECT_EQ(c.txtSize, 10);
    c.txtSize = 14;
    c.EinstellungenSpeichern();
    EXPECT_TRUE(QFileInfo(Datei()).isDir());
}

TEST_F(ConfigTest, BooleansAreTrueForAnyNonZeroNumber)
{
    Schreiben(QStringLiteral("3.0/Lernen/vlCase"), 5);
    Schreiben(QStringLiteral("3.0/Lernen/vlsMischen"), 0);
    Schreiben(QStringLiteral("3.0/Text/txtDragDrop"), QStringLiteral("true"));
    TConfig c(Datei());
    c.EinstellungenLaden(QStringLiteral("/x"));
    EXPECT_TRUE(c.vlCase);
    EXPECT_FALSE(c.vlsMischen);
    EXPECT_TRUE(c.txtDragDrop);
}

TEST_F(ConfigTest, AStoredEmptyNounListStaysEmpty)
{
    Schreiben(QStringLiteral("3.0/Lernen/flSubstantiv"), QString());
    TConfig c(Datei());
    c.EinstellungenLaden(QStringLiteral("/x"));
    EXPECT_TRUE(c.flSubstantiv.isEmpty());
    EXPECT_EQ(c.flVerb.size(), 261);
    c.EinstellungenSpeichern();
    c.flSubstantiv = QStringList{QStringLiteral("8192")};
    c.EinstellungenLaden(QStringLiteral("/x"));
    EXPECT_TRUE(c.flSubstantiv.isEmpty());
}

TEST_F(ConfigTest, AFormListWrittenWithoutQuotesByAnotherToolIsReadAsOneText)
{
    // Unquoted commas make the INI reader return a list; it is still one value.
    {
        QFile f(Datei());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[3.0]\nLehrbuchID=4\n\n[3.0/Lernen]\nflSubstantiv=8192, 16384,24576\n");
    }
    TConfig c(Datei());
    c.EinstellungenLaden(QStringLiteral("/x"));
    EXPECT_EQ(c.LehrbuchID, 4);
    EXPECT_EQ(c.flSubstantiv, (QStringList{QStringLiteral("8192"), QStringLiteral("16384"), QStringLiteral("24576")}));
}

TEST_F(ConfigTest, ACallerOwnedStoreIsUsedAsGiven)
{
    QSettings store(Datei(), QSettings::IniFormat);
    store.setValue(QStringLiteral("3.0/Text/txtSize"), 14);
    TConfig c(store);
    c.EinstellungenLaden(QStringLiteral("C:\\Programme\\lexovita"));
    EXPECT_EQ(c.txtSize, 14);
    EXPECT_TRUE(c.programmordner.endsWith(QLatin1Char('/')));
    c.txtSize = 9;
    c.EinstellungenSpeichern();
    EXPECT_EQ(store.value(QStringLiteral("3.0/Text/txtSize")).toInt(), 9);
}
