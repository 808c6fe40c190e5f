#include "model/config.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

TEST_F(ConfigTest, AnEmptyStoreYieldsAllDefaults)
{
    TConfig c(Datei());
    c.clKNG = 0x123456; // a load must overwrite what was there
    c.vlKasus = 1;
    c.flSubstantiv.clear();
    c.EinstellungenLaden(QStringLiteral("/opt/lexovita"));
    EXPECT_EQ(c.programmordner, QStringLiteral("/opt/lexovita/"));
    EXPECT_EQ(c.VorlagenOrdner(), QStringLiteral("/opt/lexovita/vorlagen/"));
    EXPECT_EQ(c.LehrbuchID, 0);
    EXPECT_FALSE(c.wbPraesens);
    EXPECT_FALSE(c.KeepVokTooltip);
    EXPECT_EQ(c.clKNG, 0x99CCFF);
    EXPECT_EQ(c.clKN, 0xFF99FF);
    EXPECT_EQ(c.clKG, 0xFF9999);
    EXPECT_EQ(c.clNG, 0x99FF99);
    EXPECT_EQ(c.clK, 0xFFFF99);
    EXPECT_EQ(c.clN, 0x9999FF);
    EXPECT_EQ(c.clG, 0xCCCCCC);
    EXPECT_EQ(c.clAusgeblendetVg, 0xC0C0C0);
    EXPECT_EQ(c.clSatzHg, 0xFFFFFF);
    EXPECT_EQ(c.clSatzVg, 0x000000);
    EXPECT_EQ(c.clSelHg, 0x00FFFF);
    EXPECT_EQ(c.clAnalysiertVg, 0xFF0000);
    EXPECT_EQ(c.vlRichtung, 1);
    EXPECT_TRUE(c.LateinDeutsch());
    EXPECT_EQ(c.vlKasus, 0x4000);
    EXPECT_TRUE(c.vlStammformen && c.vlPraesens && c.vlPerfekt && c.vlPartizip);
    EXPECT_FALSE(c.vlCase || c.vlsSchnellkorrektur || c.vlmStammformen);
    EXPECT_EQ(c.vlsFalscheAnzahl, 1);
    EXPECT_EQ(c.txtName, QStringLiteral("Tahoma"));
    EXPECT_EQ(c.txtSize, 10);
    EXPECT_EQ(c.txtUmbruchZeichen, 80);
    EXPECT_EQ(c.txtZeilenabstand, 18);
    EXPECT_TRUE(c.txtUmbruch);
    EXPECT_EQ(c.testReihenfolge, 1);
    EXPECT_FALSE(c.testStammformen || c.testKonjDekl);

    ASSERT_EQ(c.flVerb.size(), 261);
    EXPECT_EQ(c.flVerb.first(), QStringLiteral("329"));
    EXPECT_EQ(c.flVerb[126], QStringLiteral("2312"));
    EXPECT_EQ(c.flVerb.last(), QStringLiteral("5122"));
    ASSERT_EQ(c.flAdjektiv.size(), 93);
    EXPECT_EQ(c.flAdjektiv.first(), QStringLiteral("663552"));
    EXPECT_EQ(c.flAdjektiv.last(), QStringLiteral("3670016"));
    EXPECT_EQ(TConfig::ListeAlsText(c.flSubstantiv),
              QStringLiteral("8192,16384,24576,32768,40960,49152,57344,65536,73728,81920"));
}

TEST_F(ConfigTest, SavingAfterLoadingDefaultsWritesEveryValueButTheReadOnlyForegrounds)
{
    TConfig c(Datei());
    c.EinstellungenLaden(QStringLiteral("/x"));
    c.EinstellungenSpeichern();
    const QStringList keys = AlleSchluessel();
    // 3 root values, 18 colours, 20 drill values, 8 editor and 3 layout values.
    EXPECT_EQ(keys.size(), 3 + 18 + 20 + 8 + 3);
    for (const char *vg : {"clKNGVg", "clKNVg", "clKGVg", "clNGVg", "clKVg", "clNVg", "clGVg", "clSatzVg"})
        EXPECT_FALSE(keys.contains(QStringLiteral("3.0/Colors/") + QLatin1String(vg))) << vg;
    EXPECT_TRUE(keys.contains(QStringLiteral("3.0/LehrbuchID")));
    EXPECT_TRUE(keys.contains(QStringLiteral("3.0/Colors/clNormalVg")));
    EXPECT_TRUE(keys.contains(QStringLiteral("3.0/Lernen/flSubstantiv")));
    EXPECT_TRUE(keys.contains(QStringLiteral("3.0/Text/txtDragDrop")));
    EXPECT_TRUE(keys.contains(QStringLiteral("3.0/Layout/testKonjDekl")));

    QSettings s(Datei(), QSettings::IniFormat);
    EXPECT_EQ(s.value(QStringLiteral("3.0/Colors/clKNG")).toString(), QStringLiteral("$0099CCFF"));
    EXPECT_EQ(s.value(QStringLiteral("3.0/Lernen/vlStammformen")).toString(), QStringLiteral("1"));
    EXPECT_EQ(s.value(QStringLiteral("3.0/Lernen/flVerb")).toString(), TConfig::StandardVerbformen());
}

TEST_F(ConfigTest, ChangedValuesSurviveASaveAndALoad)
{
    {
        TConfig c(Datei());
        c.EinstellungenLaden(QStringLiteral("/x"));
        c.LehrbuchID = 17;
        c.wbPraesens = true;
        c.clKNG = 0x010203;
        c.clAusgewaehltVg = clNone;
        c.vlRichtung = 2;
        c.vlKasus = 0xE000;
        c.vlCase = true;
        c.vlsFalscheAnzahl = 3;
        c.flVerb = QStringList{QStringLiteral("329"), QStringLiteral("5122")};
        c.flAdjektiv.clear();
        c.txtName = QStringLiteral("DejaVu Sans, Book");
        c.txtStyle = 3;
        c.testReihenfolge = 2;
        c.EinstellungenSpeichern();
    }
    TConfig c(Datei());
    c.EinstellungenLaden(QStringLiteral("/x"));
    EXPECT_EQ(c.LehrbuchID, 17);
    EXPECT_TRUE(c.wbPraesens);
    EXPECT_EQ(c.clKNG, 0x010203);
    EXPECT_EQ(c.clAusgewaehltVg, clNone);
    EXPECT_EQ(c.vlRichtung, 2);
    EXPECT_FALSE(c.LateinDeutsch());
    EXPECT_EQ(c.vlKasus, 0xE000);
    EXPECT_TRUE(c.vlCase);
    EXPECT_EQ(c.vlsFalscheAnzahl, 3);
    EXPECT_EQ(c.flVerb, (QStringList{QStringLiteral("329"), QStringLiteral("5122")}));
    EXPECT_TRUE(c.flAdjektiv.isEmpty());
    EXPECT_EQ(c.flSubstantiv.size(), 10);
    EXPECT_EQ(c.txtName, QStringLiteral("DejaVu Sans, Book"));
    EXPECT_EQ(c.txtStyle, 3);
    EXPECT_EQ(c.testReihenfolge, 2);
}

TEST_F(ConfigTest, ReadOnlyForegroundsAreReadButAChangeLastsOnlyUntilTheNextLoad)
{
    Schreiben(QStringLiteral("3.0/Colors/clKNVg"), QStringLiteral("clRed"));
    TConfig c(Datei());
    c.EinstellungenLaden(QStringLiteral("/x"));
    EXPECT_EQ(c.clKNVg, 0x0000FF);
    EXPECT_EQ(c.clKNGVg, 0x000000);
    c.clKNVg = 0x00FF00;
    c.clGVg = 0x00FF00;
    c.clSatzVg = 0x00FF00;
    c.EinstellungenSpeichern();
    c.EinstellungenLaden(QStringLiteral("/x"));
    EXPECT_EQ(c.clKNVg, 0x0000FF);
    EXPECT_EQ(c.clGVg, 0x000000);
    QSettings s(Datei(), QSettings::IniFormat);
    EXPECT_EQ(s.value(QStringLiteral("3.0/Colors/clKNVg")).toString(), QStringLiteral("clRed"));
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

TEST_F(ConfigTest, ABadColourTextOrANumberValueHoldingTextRaisesAGermanError)
{
    Schreiben(QStringLiteral("3.0/Colors/clSelHg"), QStringLiteral("gelb"));
    TConfig c(Datei());
    EXPECT_THROW(c.EinstellungenLaden(QStringLiteral("/x")), TKonvertierungsFehler);

    Schreiben(QStringLiteral("3.0/Colors/clSelHg"), QStringLiteral("clYellow"));
    Schreiben(QStringLiteral("3.0/Lernen/vlKasus"), QStringLiteral("Genitiv"));
    try {
        c.EinstellungenLaden(QStringLiteral("/x"));
        ADD_FAILURE() << "a text in a number value was accepted";
    } catch (const TEinstellungsFehler &f) {
        EXPECT_EQ(f.Meldung(), QStringLiteral("Ungültiger Datentyp für 'vlKasus'"));
    }
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
