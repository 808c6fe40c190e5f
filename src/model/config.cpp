#include "config.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QVariant>

namespace lexovita {

namespace {

// Forms the drills may ask unless the user chose otherwise.
const char kVerbformen[] =
    "329,330,331,332,333,334,337,338,339,340,341,342,345,346,347,348,349,350,353,354,355,356,357,358,"
    "361,362,363,364,365,366,369,370,371,372,373,374,585,586,587,588,589,590,593,594,595,596,597,598,"
    "601,602,603,604,605,606,609,610,611,612,613,614,617,618,619,620,621,622,625,626,627,628,629,630,"
    "393,394,395,396,397,398,401,402,403,404,405,406,417,418,419,420,421,422,425,426,427,428,429,430,"
    "649,650,651,652,653,654,657,658,659,660,661,662,673,674,675,676,677,678,681,682,683,684,685,686,"
    "202,205,210,211,213,214,2312,2568,2336,2592,2328,2584,12288,20480,28672,36864,45056,5128,5136,"
    "140552,148744,156936,165128,173320,181512,189704,197896,206088,214280,271624,279816,288008,"
    "296200,304392,312584,320776,328968,337160,345352,402696,410888,419080,427272,435464,443656,"
    "451848,460040,468232,476424,140568,148760,156952,165144,173336,181528,189720,197912,206104,"
    "214296,271640,279832,288024,296216,304408,312600,320792,328984,337176,345368,402712,410904,"
    "419096,427288,435480,443672,451864,460056,468248,476440,140832,149024,157216,165408,173600,"
    "181792,189984,198176,206368,214560,271904,280096,288288,296480,304672,312864,321056,329248,"
    "337440,345632,402976,411168,419360,427552,435744,443936,452128,460320,468512,476704,142336,"
    "150528,158720,166912,175104,183296,191488,199680,207872,216064,273408,281600,289792,297984,"
    "306176,314368,322560,330752,338944,347136,404480,412672,420864,429056,437248,445440,453632,"
    "461824,470016,478208,5121,5122";

const char kAdjektivformen[] =
    "663552,671744,679936,688128,696320,704512,712704,720896,729088,737280,794624,802816,811008,"
    "819200,827392,835584,843776,851968,860160,868352,925696,933888,942080,950272,958464,966656,"
    "974848,983040,991232,999424,1187840,1196032,1204224,1212416,1220608,1228800,1236992,1245184,"
    "1253376,1261568,1318912,1327104,1335296,1343488,1351680,1359872,1368064,1376256,1384448,1392640,"
    "1449984,1458176,1466368,1474560,1482752,1490944,1499136,1507328,1515520,1523712,1712128,1720320,"
    "1728512,1736704,1744896,1753088,1761280,1769472,1777664,1785856,1843200,1851392,1859584,1867776,"
    "1875968,1884160,1892352,1900544,1908736,1916928,1974272,1982464,1990656,1998848,2007040,2015232,"
    "2023424,2031616,2039808,2048000,2621440,3145728,3670016";

const char kSubstantivformen[] =
    "8192,16384,24576,32768,40960,49152,57344,65536,73728,81920";

struct FarbName {
    const char *name;
    uint32_t wert;
};

// Standard colour names with their 0x00BBGGRR values; the system colours carry
// the high bit and the index of the system colour.
const FarbName kFarbNamen[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clLtGray", 0xC0C0C0},
    {"clDkGray", 0x808080},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", 0x80000000},
    {"clBackground", 0x80000001},
    {"clActiveCaption", 0x80000002},
    {"clInactiveCaption", 0x80000003},
    {"clMenu", 0x80000004},
    {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},
    {"clMenuText", 0x80000007},
    {"clWindowText", 0x80000008},
    {"clCaptionText", 0x80000009},
    {"clActiveBorder", 0x8000000A},
    {"clInactiveBorder", 0x8000000B},
    {"clAppWorkSpace", 0x8000000C},
    {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E},
    {"clBtnFace", 0x8000000F},
    {"clBtnShadow", 0x80000010},
    {"clGrayText", 0x80000011},
    {"clBtnText", 0x80000012},
    {"clInactiveCaptionText", 0x80000013},
    {"clBtnHighlight", 0x80000014},
    {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},
    {"clInfoText", 0x80000017},
    {"clInfoBk", 0x80000018},
    {"clHotLight", 0x8000001A},
    {"clGradientActiveCaption", 0x8000001B},
    {"clGradientInactiveCaption", 0x8000001C},
    {"clMenuHighlight", 0x8000001D},
    {"clMenuBar", 0x8000001E},
};

TConfig *g_config = nullptr;

const QString kWurzel = QStringLiteral("3.0/");
const QString kColors = QStringLiteral("3.0/Colors/");
const QString kLernen = QStringLiteral("3.0/Lernen/");
const QString kText = QStringLiteral("3.0/Text/");
const QString kLayout = QStringLiteral("3.0/Layout/");

// An INI file turns an unquoted text with commas into a list; the stored
// value is still the one text.
QString AlsText(const QVariant &wert)
{
    if (wert.metaType().id() == QMetaType::QStringList)
        return wert.toStringList().join(QLatin1Char(','));
    return wert.toString();
}

QString DatentypFehler(const QString &name)
{
    return QStringLiteral("Ungültiger Datentyp für '%1'").arg(name);
}

// Reads values in one place so every kind applies the same missing-value and
// wrong-kind rules.
class Leser {
public:
    explicit Leser(QSettings &s) : m_s(s) {}

    void Zahl(const QString &schluessel, int32_t &ziel, int32_t standard) const
    {
        if (!m_s.contains(schluessel)) {
            ziel = standard;
            return;
        }
        ziel = ZahlAus(schluessel, AlsText(m_s.value(schluessel)).trimmed());
    }

    void Schalter(const QString &schluessel, bool &ziel, bool standard) const
    {
        if (!m_s.contains(schluessel)) {
            ziel = standard;
            return;
        }
        const QString text = AlsText(m_s.value(schluessel)).trimmed();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            ziel = true;
        else if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            ziel = false;
        else
            ziel = ZahlAus(schluessel, text) != 0;
    }

    void Text(const QString &schluessel, QString &ziel, const QString &standard) const
    {
        ziel = m_s.contains(schluessel) ? AlsText(m_s.value(schluessel)) : standard;
    }

    void Farbe(const QString &schluessel, TFarbe &ziel, TFarbe standard) const
    {
        ziel = m_s.contains(schluessel) ? FarbeAusText(AlsText(m_s.value(schluessel))) : standard;
    }

    void Liste(const QString &schluessel, QStringList &ziel, const QString &standard) const
    {
        ziel = TConfig::ListeAusText(m_s.contains(schluessel) ? AlsText(m_s.value(schluessel)) : standard);
    }

private:
    static int32_t ZahlAus(const QString &schluessel, const QString &text)
    {
        bool ok = false;
        const qlonglong wert = text.toLongLong(&ok);
        // A registry number is 32 bits; unsigned values wrap like the registry's DWORD.
        if (!ok || wert < INT32_MIN || wert > UINT32_MAX)
            throw TEinstellungsFehler(DatentypFehler(schluessel.section(QLatin1Char('/'), -1)));
        return static_cast<int32_t>(static_cast<uint32_t>(wert));
    }

    QSettings &m_s;
};

} // namespace

TFarbe FarbeAusText(const QString &text)
{
    const QString t = text.trimmed();
    for (const auto &f : kFarbNamen)
        if (t.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0)
            return static_cast<TFarbe>(f.wert);

    bool ok = false;
    qlonglong wert = 0;
    if (t.startsWith(QLatin1Char('$')))
        wert = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        wert = t.mid(2).toLongLong(&ok, 16);
    else
        wert = t.toLongLong(&ok, 10);
    // toLongLong accepts signs after the prefix; a hex colour never has one.
    if (ok && !t.isEmpty() && (t[0] == QLatin1Char('$') || t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) &&
        (t.contains(QLatin1Char('-')) || t.contains(QLatin1Char('+'))))
        ok = false;
    if (!ok || wert < INT32_MIN || wert > UINT32_MAX)
        throw TKonvertierungsFehler(QStringLiteral("'%1' ist kein gültiger Farbwert").arg(text));
    return static_cast<TFarbe>(static_cast<uint32_t>(wert));
}

QString FarbeAlsText(TFarbe farbe)
{
    return QLatin1Char('$') + QString::number(static_cast<uint32_t>(farbe), 16).toUpper().rightJustified(8, QLatin1Char('0'));
}

TConfig::TConfig() : m_eigener(std::make_unique<QSettings>(QStringLiteral("Harnfel"), QStringLiteral("lexovita")))
{
    m_store = m_eigener.get();
    flVerb = ListeAusText(StandardVerbformen());
    flAdjektiv = ListeAusText(StandardAdjektivformen());
    flSubstantiv = ListeAusText(StandardSubstantivformen());
}

TConfig::TConfig(const QString &iniDatei) : m_eigener(std::make_unique<QSettings>(iniDatei, QSettings::IniFormat))
{
    m_store = m_eigener.get();
    flVerb = ListeAusText(StandardVerbformen());
    flAdjektiv = ListeAusText(StandardAdjektivformen());
    flSubstantiv = ListeAusText(StandardSubstantivformen());
}

TConfig::TConfig(QSettings &store) : m_store(&store)
{
    flVerb = ListeAusText(StandardVerbformen());
    flAdjektiv = ListeAusText(StandardAdjektivformen());
    flSubstantiv = ListeAusText(StandardSubstantivformen());
}

TConfig::~TConfig()
{
    if (g_config == this)
        g_config = nullptr;
}

TConfig *TConfig::Global() { return g_config; }
void TConfig::SetGlobal(TConfig *config) { g_config = config; }

const QString &TConfig::StandardVerbformen()
{
    static const QString text = QString::fromLatin1(kVerbformen);
    return text;
}
const QString &TConfig::StandardAdjektivformen()
{
    static const QString text = QString::fromLatin1(kAdjektivformen);
    return text;
}
const QString &TConfig::StandardSubstantivformen()
{
    static const QString text = QString::fromLatin1(kSubstantivformen);
    return text;
}

QStringList TConfig::ListeAusText(const QString &text)
{
    QStringList liste;
    for (const QString &teil : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString t = teil.trimmed();
        if (!t.isEmpty())
            liste.append(t);
    }
    return liste;
}

void TConfig::EinstellungenLaden(const QString &ordner)
{
    QString pfad = ordner;
    if (pfad.isEmpty())
        pfad = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    pfad = QDir::fromNativeSeparators(pfad);
    if (!pfad.endsWith(QLatin1Char('/')))
        pfad += QLatin1Char('/');
    programmordner = pfad;

    // Pick up changes other processes made to the same store.
    m_store->sync();
    const Leser l(*m_store);

    l.Zahl(kWurzel + QStringLiteral("LehrbuchID"), LehrbuchID, 0);
    l.Schalter(kWurzel + QStringLiteral("wbPraesens"), wbPraesens, false);
    l.Schalter(kWurzel + QStringLiteral("KeepVokTooltip"), KeepVokTooltip, false);

    l.Farbe(kColors + QStringLiteral("clKNG"), clKNG, 0x99CCFF);
    l.Farbe(kColors + QStringLiteral("clKNGVg"), clKNGVg, 0x000000);
    l.Farbe(kColors + QStringLiteral("clKN"), clKN, 0xFF99FF);
    l.Farbe(kColors + QStringLiteral("clKNVg"), clKNVg, 0x000000);
    l.Farbe(kColors + QStringLiteral("clKG"), clKG, 0xFF9999);
    l.Farbe(kColors + QStringLiteral("clKGVg"), clKGVg, 0x000000);
    l.Farbe(kColors + QStringLiteral("clNG"), clNG, 0x99FF99);
    l.Farbe(kColors + QStringLiteral("clNGVg"), clNGVg, 0x000000);
    l.Farbe(kColors + QStringLiteral("clK"), clK, 0xFFFF99);
    l.Farbe(kColors + QStringLiteral("clKVg"), clKVg, 0x000000);
    l.Farbe(kColors + QStringLiteral("clN"), clN, 0x9999FF);
    l.Farbe(kColors + QStringLiteral("clNVg"), clNVg, 0x000000);
    l.Farbe(kColors + QStringLiteral("clG"), clG, 0xCCCCCC);
    l.Farbe(kColors + QStringLiteral("clGVg"), clGVg, 0x000000);
    l.Farbe(kColors + QStringLiteral("clNormalHg"), clNormalHg, 0xFFFFFF);
    l.Farbe(kColors + QStringLiteral("clNormalVg"), clNormalVg, 0x000000);
    l.Farbe(kColors + QStringLiteral("clAusgeblendetHg"), clAusgeblendetHg, 0xFFFFFF);
    l.Farbe(kColors + QStringLiteral("clAusgeblendetVg"), clAusgeblendetVg, 0xC0C0C0);
    l.Farbe(kColors + QStringLiteral("clSatzHg"), clSatzHg, 0xFFFFFF);
    l.Farbe(kColors + QStringLiteral("clAusgewaehltHg"), clAusgewaehltHg, 0xFFFFFF);
    l.Farbe(kColors + QStringLiteral("clAusgewaehltVg"), clAusgewaehltVg, 0xFF0000);
    l.Farbe(kColors + QStringLiteral("clSelVg"), clSelVg, 0xFF0000);
    l.Farbe(kColors + QStringLiteral("clSelHg"), clSelHg, 0x00FFFF);
    l.Farbe(kColors + QStringLiteral("clAnalysiertVg"), clAnalysiertVg, 0xFF0000);
    l.Farbe(kColors + QStringLiteral("clAnalysiertHg"), clAnalysiertHg, 0xFFFFFF);

    l.Zahl(kLernen + QStringLiteral("vlRichtung"), vlRichtung, 1);
    l.Schalter(kLernen + QStringLiteral("vlStammformen"), vlStammformen, true);
    l.Schalter(kLernen + QStringLiteral("vlPraesens"), vlPraesens, true);
    l.Schalter(kLernen + QStringLiteral("vlPerfekt"), vlPerfekt, true);
    l.Schalter(kLernen + QStringLiteral("vlPartizip"), vlPartizip, true);
    l.Zahl(kLernen + QStringLiteral("vlKasus"), vlKasus, 0x4000);
    l.Schalter(kLernen + QStringLiteral("vlCase"), vlCase, false);
    l.Schalter(kLernen + QStringLiteral("vlsMischen"), vlsMischen, true);
    l.Schalter(kLernen + QStringLiteral("vlsAnfang"), vlsAnfang, true);
    l.Schalter(kLernen + QStringLiteral("vlsFalscheMehrfach"), vlsFalscheMehrfach, true);
    l.Zahl(kLernen + QStringLiteral("vlsFalscheAnzahl"), vlsFalscheAnzahl, 1);
    l.Schalter(kLernen + QStringLiteral("vlsSchnellkorrektur"), vlsSchnellkorrektur, false);
    l.Schalter(kLernen + QStringLiteral("vlmMischen"), vlmMischen, true);
    l.Schalter(kLernen + QStringLiteral("vlmStammformen"), vlmStammformen, false);
    l.Liste(kLernen + QStringLiteral("flVerb"), flVerb, StandardVerbformen());
    l.Liste(kLernen + QStringLiteral("flAdjektiv"), flAdjektiv, StandardAdjektivformen());
    l.Liste(kLernen + QStringLiteral("flSubstantiv"), flSubstantiv, StandardSubstantivformen());
    l.Schalter(kLernen + QStringLiteral("flStammformen"), flStammformen, true);
    l.Schalter(kLernen + QStringLiteral("flKonjDekl"), flKonjDekl, true);
    l.Schalter(kLernen + QStringLiteral("flVokabel"), flVokabel, true);

    l.Schalter(kText + QStringLiteral("txtUmbruch"), txtUmbruch, true);
    l.Zahl(kText + QStringLiteral("txtUmbruchZeichen"), txtUmbruchZeichen, 80);
    l.Zahl(kText + QStringLiteral("txtZeilenabstand"), txtZeilenabstand, 18);
    l.Schalter(kText + QStringLiteral("txtUnsichtbareZeichen"), txtUnsichtbareZeichen, false);
    l.Text(kText + QStringLiteral("txtName"), txtName, QStringLiteral("Tahoma"));
    l.Zahl(kText + QStringLiteral("txtSize"), txtSize, 10);
    l.Zahl(kText + QStringLiteral("txtStyle"), txtStyle, 0);
    l.Schalter(kText + QStringLiteral("txtDragDrop"), txtDragDrop, false);

    l.Zahl(kLayout + QStringLiteral("testReihenfolge"), testReihenfolge, 1);
    l.Schalter(kLayout + QStringLiteral("testStammformen"), testStammformen, false);
    l.Schalter(kLayout + QStringLiteral("testKonjDekl"), testKonjDekl, false);
}

void TConfig::EinstellungenSpeichern()
{
    QSettings &s = *m_store;
    const auto zahl = [&s](const QString &k, int32_t v) { s.setValue(k, v); };
    const auto schalter = [&s](const QString &k, bool v) { s.setValue(k, v ? 1 : 0); };
    const auto farbe = [&s](const QString &k, TFarbe v) { s.setValue(k, FarbeAlsText(v)); };
    const auto liste = [&s](const QString &k, const QStringList &v) { s.setValue(k, ListeAlsText(v)); };

    zahl(kWurzel + QStringLiteral("LehrbuchID"), LehrbuchID);
    schalter(kWurzel + QStringLiteral("wbPraesens"), wbPraesens);
    schalter(kWurzel + QStringLiteral("KeepVokTooltip"), KeepVokTooltip);

    // The foregrounds of the agreement colours are read only: a change lasts
    // until the next load.
    farbe(kColors + QStringLiteral("clKNG"), clKNG);
    farbe(kColors + QStringLiteral("clKN"), clKN);
    farbe(kColors + QStringLiteral("clKG"), clKG);
    farbe(kColors + QStringLiteral("clNG"), clNG);
    farbe(kColors + QStringLiteral("clK"), clK);
    farbe(kColors + QStringLiteral("clN"), clN);
    farbe(kColors + QStringLiteral("clG"), clG);
    farbe(kColors + QStringLiteral("clNormalHg"), clNormalHg);
    farbe(kColors + QStringLiteral("clNormalVg"), clNormalVg);
    farbe(kColors + QStringLiteral("clAusgeblendetHg"), clAusgeblendetHg);
    farbe(kColors + QStringLiteral("clAusgeblendetVg"), clAusgeblendetVg);
    farbe(kColors + QStringLiteral("clSatzHg"), clSatzHg);
    farbe(kColors + QStringLiteral("clAusgewaehltHg"), clAusgewaehltHg);
    farbe(kColors + QStringLiteral("clAusgewaehltVg"), clAusgewaehltVg);
    farbe(kColors + QStringLiteral("clSelVg"), clSelVg);
    farbe(kColors + QStringLiteral("clSelHg"), clSelHg);
    farbe(kColors + QStringLiteral("clAnalysiertVg"), clAnalysiertVg);
    farbe(kColors + QStringLiteral("clAnalysiertHg"), clAnalysiertHg);

    zahl(kLernen + QStringLiteral("vlRichtung"), vlRichtung);
    schalter(kLernen + QStringLiteral("vlStammformen"), vlStammformen);
    schalter(kLernen + QStringLiteral("vlPraesens"), vlPraesens);
    schalter(kLernen + QStringLiteral("vlPerfekt"), vlPerfekt);
    schalter(kLernen + QStringLiteral("vlPartizip"), vlPartizip);
    zahl(kLernen + QStringLiteral("vlKasus"), vlKasus);
    schalter(kLernen + QStringLiteral("vlCase"), vlCase);
    schalter(kLernen + QStringLiteral("vlsMischen"), vlsMischen);
    schalter(kLernen + QStringLiteral("vlsAnfang"), vlsAnfang);
    schalter(kLernen + QStringLiteral("vlsFalscheMehrfach"), vlsFalscheMehrfach);
    zahl(kLernen + QStringLiteral("vlsFalscheAnzahl"), vlsFalscheAnzahl);
    schalter(kLernen + QStringLiteral("vlsSchnellkorrektur"), vlsSchnellkorrektur);
    schalter(kLernen + QStringLiteral("vlmMischen"), vlmMischen);
    schalter(kLernen + QStringLiteral("vlmStammformen"), vlmStammformen);
    liste(kLernen + QStringLiteral("flVerb"), flVerb);
    liste(kLernen + QStringLiteral("flAdjektiv"), flAdjektiv);
    liste(kLernen + QStringLiteral("flSubstantiv"), flSubstantiv);
    schalter(kLernen + QStringLiteral("flStammformen"), flStammformen);
    schalter(kLernen + QStringLiteral("flKonjDekl"), flKonjDekl);
    schalter(kLernen + QStringLiteral("flVokabel"), flVokabel);

    schalter(kText + QStringLiteral("txtUmbruch"), txtUmbruch);
    zahl(kText + QStringLiteral("txtUmbruchZeichen"), txtUmbruchZeichen);
    zahl(kText + QStringLiteral("txtZeilenabstand"), txtZeilenabstand);
    schalter(kText + QStringLiteral("txtUnsichtbareZeichen"), txtUnsichtbareZeichen);
    s.setValue(kText + QStringLiteral("txtName"), txtName);
    zahl(kText + QStringLiteral("txtSize"), txtSize);
    zahl(kText + QStringLiteral("txtStyle"), txtStyle);
    schalter(kText + QStringLiteral("txtDragDrop"), txtDragDrop);

    zahl(kLayout + QStringLiteral("testReihenfolge"), testReihenfolge);
    schalter(kLayout + QStringLiteral("testStammformen"), testStammformen);
    schalter(kLayout + QStringLiteral("testKonjDekl"), testKonjDekl);

    s.sync();
    if (s.status() != QSettings::NoError)
        throw TEinstellungsFehler(QStringLiteral("Die Einstellungen konnten nicht gespeichert werden: %1")
                                      .arg(s.fileName()));
}

} // namespace lexovita
