#include "config.h"

#include "model/pfade.h"

#include <QDir>
#include <QSettings>
#include <QVariant>
#include <type_traits>

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

const char kSubstantivformen[] = "8192,16384,24576,32768,40960,49152,57344,65536,73728,81920";

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

int32_t ZahlAus(const QString &name, const QString &text)
{
    bool ok = false;
    const qlonglong wert = text.toLongLong(&ok);
    // A registry number is 32 bits; unsigned values wrap like the registry's DWORD.
    if (!ok || wert < INT32_MIN || wert > UINT32_MAX)
        throw TEinstellungsFehler(DatentypFehler(name));
    return static_cast<int32_t>(static_cast<uint32_t>(wert));
}

bool SchalterAus(const QString &name, const QString &text)
{
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return ZahlAus(name, text) != 0;
}

// The stored text of a present value, converted to the row's field type.
TEinstellung::TWert WertAusText(const TEinstellung &e, const QString &text)
{
    switch (e.art) {
    case TEinstellungsArt::Zahl:
        return ZahlAus(e.name, text.trimmed());
    case TEinstellungsArt::Schalter:
        return SchalterAus(e.name, text.trimmed());
    case TEinstellungsArt::Text:
        return text;
    case TEinstellungsArt::Farbe:
        return FarbeAusText(text);
    case TEinstellungsArt::Liste:
        return TConfig::ListeAusText(text);
    }
    return e.standard;
}

// The stored form: booleans as 0/1, colours as "$" + eight hex digits.
QVariant WertAlsSpeicherwert(const TEinstellung &e, const TEinstellung::TWert &wert)
{
    switch (e.art) {
    case TEinstellungsArt::Zahl:
        return std::get<int32_t>(wert);
    case TEinstellungsArt::Schalter:
        return std::get<bool>(wert) ? 1 : 0;
    case TEinstellungsArt::Text:
        return std::get<QString>(wert);
    case TEinstellungsArt::Farbe:
        return FarbeAlsText(std::get<int32_t>(wert));
    case TEinstellungsArt::Liste:
        return TConfig::ListeAlsText(std::get<QStringList>(wert));
    }
    return {};
}

// Row builders: the kind and the member's type are fixed together, so a row
// cannot pair a colour with a boolean field.
using G = TEinstellungsGruppe;
using S = TSpeicherung;

TEinstellung Zahl(G gruppe, const char *name, int32_t TConfig::*feld, int32_t standard, int32_t minimum = INT32_MIN,
                  int32_t maximum = INT32_MAX)
{
    return {gruppe, QLatin1String(name), TEinstellungsArt::Zahl, standard, S::LesenUndSchreiben, feld, minimum,
            maximum};
}
TEinstellung Schalter(G gruppe, const char *name, bool TConfig::*feld, bool standard)
{
    return {gruppe, QLatin1String(name), TEinstellungsArt::Schalter, standard, S::LesenUndSchreiben, feld};
}
TEinstellung Text(G gruppe, const char *name, QString TConfig::*feld, const char *standard)
{
    return {gruppe, QLatin1String(name), TEinstellungsArt::Text, QString::fromLatin1(standard), S::LesenUndSchreiben,
            feld};
}
TEinstellung Farbe(G gruppe, const char *name, TFarbe TConfig::*feld, TFarbe standard,
                   S speicherung = S::LesenUndSchreiben)
{
    return {gruppe, QLatin1String(name), TEinstellungsArt::Farbe, standard, speicherung, feld};
}
TEinstellung Liste(G gruppe, const char *name, QStringList TConfig::*feld, const QString &standard)
{
    return {gruppe, QLatin1String(name), TEinstellungsArt::Liste, TConfig::ListeAusText(standard), S::LesenUndSchreiben,
            feld};
}

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
    return QLatin1Char('$') +
           QString::number(static_cast<uint32_t>(farbe), 16).toUpper().rightJustified(8, QLatin1Char('0'));
}

TConfig::TConfig() : m_eigener(std::make_unique<QSettings>(QStringLiteral("Harnfel"), QStringLiteral("lexovita")))
{
    m_store = m_eigener.get();
    StandardwerteSetzen();
}

TConfig::TConfig(const QString &iniDatei) : m_eigener(std::make_unique<QSettings>(iniDatei, QSettings::IniFormat))
{
    m_store = m_eigener.get();
    StandardwerteSetzen();
}

TConfig::TConfig(QSettings &store) : m_store(&store)
{
    StandardwerteSetzen();
}

std::unique_ptr<TConfig> TConfig::Kopie() const
{
    auto kopie = std::make_unique<TConfig>(*m_store);
    kopie->programmordner = programmordner;
    for (const TEinstellung &e : Tabelle())
        e.Setzen(*kopie, e.Wert(*this));
    return kopie;
}

TConfig::~TConfig()
{
    if (g_config == this)
        g_config = nullptr;
}

TConfig *TConfig::Global()
{
    return g_config;
}
void TConfig::SetGlobal(TConfig *config)
{
    g_config = config;
}

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

std::span<const TEinstellung> TConfig::Tabelle()
{
    // The only place a stored value, its key and its default are named; load,
    // save, the defaults of a new object and change detection all walk it.
    static const TEinstellung tabelle[] = {
        Zahl(G::Wurzel, "LehrbuchID", &TConfig::LehrbuchID, 0, 0),
        Schalter(G::Wurzel, "wbPraesens", &TConfig::wbPraesens, false),
        Schalter(G::Wurzel, "KeepVokTooltip", &TConfig::KeepVokTooltip, false),
        Schalter(G::Wurzel, "Laengen", &TConfig::Laengen, true),
        Schalter(G::Wurzel, "Betonung", &TConfig::Betonung, false),

        Farbe(G::Colors, "clKNG", &TConfig::clKNG, 0x99CCFF),
        Farbe(G::Colors, "clKNGVg", &TConfig::clKNGVg, 0x000000, S::NurLesen),
        Farbe(G::Colors, "clKN", &TConfig::clKN, 0xFF99FF),
        Farbe(G::Colors, "clKNVg", &TConfig::clKNVg, 0x000000, S::NurLesen),
        Farbe(G::Colors, "clKG", &TConfig::clKG, 0xFF9999),
        Farbe(G::Colors, "clKGVg", &TConfig::clKGVg, 0x000000, S::NurLesen),
        Farbe(G::Colors, "clNG", &TConfig::clNG, 0x99FF99),
        Farbe(G::Colors, "clNGVg", &TConfig::clNGVg, 0x000000, S::NurLesen),
        Farbe(G::Colors, "clK", &TConfig::clK, 0xFFFF99),
        Farbe(G::Colors, "clKVg", &TConfig::clKVg, 0x000000, S::NurLesen),
        Farbe(G::Colors, "clN", &TConfig::clN, 0x9999FF),
        Farbe(G::Colors, "clNVg", &TConfig::clNVg, 0x000000, S::NurLesen),
        Farbe(G::Colors, "clG", &TConfig::clG, 0xCCCCCC),
        Farbe(G::Colors, "clGVg", &TConfig::clGVg, 0x000000, S::NurLesen),
        Farbe(G::Colors, "clNormalHg", &TConfig::clNormalHg, 0xFFFFFF),
        Farbe(G::Colors, "clNormalVg", &TConfig::clNormalVg, 0x000000),
        Farbe(G::Colors, "clAusgeblendetHg", &TConfig::clAusgeblendetHg, 0xFFFFFF),
        // Faded, yet readable: grey at 4.5:1 against white (WCAG AA).
        Farbe(G::Colors, "clAusgeblendetVg", &TConfig::clAusgeblendetVg, 0x767676),
        Farbe(G::Colors, "clSatzHg", &TConfig::clSatzHg, 0xFFFFFF),
        // Only the settings window changes it, and only for this session.
        Farbe(G::Colors, "clSatzVg", &TConfig::clSatzVg, 0x000000, S::Keine),
        Farbe(G::Colors, "clAusgewaehltHg", &TConfig::clAusgewaehltHg, 0xFFFFFF),
        Farbe(G::Colors, "clAusgewaehltVg", &TConfig::clAusgewaehltVg, 0xFF0000),
        Farbe(G::Colors, "clSelVg", &TConfig::clSelVg, 0xFF0000),
        Farbe(G::Colors, "clSelHg", &TConfig::clSelHg, 0x00FFFF),
        Farbe(G::Colors, "clAnalysiertVg", &TConfig::clAnalysiertVg, 0xFF0000),
        Farbe(G::Colors, "clAnalysiertHg", &TConfig::clAnalysiertHg, 0xFFFFFF),
        // Muted grey-blue (#4F6D8A, 5.4:1 against white): known, but not one of the pupil's words.
        Farbe(G::Colors, "clLexikonVg", &TConfig::clLexikonVg, 0x8A6D4F),
        Farbe(G::Colors, "clLexikonHg", &TConfig::clLexikonHg, 0xFFFFFF),

        Zahl(G::Lernen, "vlRichtung", &TConfig::vlRichtung, 1),
        Schalter(G::Lernen, "vlStammformen", &TConfig::vlStammformen, true),
        Schalter(G::Lernen, "vlPraesens", &TConfig::vlPraesens, true),
        Schalter(G::Lernen, "vlPerfekt", &TConfig::vlPerfekt, true),
        Schalter(G::Lernen, "vlPartizip", &TConfig::vlPartizip, true),
        Zahl(G::Lernen, "vlKasus", &TConfig::vlKasus, 0x4000), // genitive singular
        Schalter(G::Lernen, "vlCase", &TConfig::vlCase, false),
        Schalter(G::Lernen, "vlsMischen", &TConfig::vlsMischen, true),
        Schalter(G::Lernen, "vlsAnfang", &TConfig::vlsAnfang, true),
        Schalter(G::Lernen, "vlsFalscheMehrfach", &TConfig::vlsFalscheMehrfach, true),
        Zahl(G::Lernen, "vlsFalscheAnzahl", &TConfig::vlsFalscheAnzahl, 1, 1, 99),
        Schalter(G::Lernen, "vlsSchnellkorrektur", &TConfig::vlsSchnellkorrektur, false),
        Schalter(G::Lernen, "vlmMischen", &TConfig::vlmMischen, true),
        Schalter(G::Lernen, "vlmStammformen", &TConfig::vlmStammformen, false),
        Liste(G::Lernen, "flVerb", &TConfig::flVerb, StandardVerbformen()),
        Liste(G::Lernen, "flAdjektiv", &TConfig::flAdjektiv, StandardAdjektivformen()),
        Liste(G::Lernen, "flSubstantiv", &TConfig::flSubstantiv, StandardSubstantivformen()),
        Schalter(G::Lernen, "flStammformen", &TConfig::flStammformen, true),
        Schalter(G::Lernen, "flKonjDekl", &TConfig::flKonjDekl, true),
        Schalter(G::Lernen, "flVokabel", &TConfig::flVokabel, true),
        Schalter(G::Lernen, "flGrundformen", &TConfig::flGrundformen, true),
        Zahl(G::Lernen, "lrBehalten", &TConfig::lrBehalten, 90, 70, 99),
        Zahl(G::Lernen, "lrNeueProTag", &TConfig::lrNeueProTag, 20, 0, 500),
        Schalter(G::Lernen, "lrAufzeichnen", &TConfig::lrAufzeichnen, true),
        Schalter(G::Lernen, "lrLaengen", &TConfig::lrLaengen, false),

        Schalter(G::Text, "txtUmbruch", &TConfig::txtUmbruch, true),
        Zahl(G::Text, "txtUmbruchZeichen", &TConfig::txtUmbruchZeichen, 80, 0, 99),
        Zahl(G::Text, "txtZeilenabstand", &TConfig::txtZeilenabstand, 18, 10, 99),
        Schalter(G::Text, "txtUnsichtbareZeichen", &TConfig::txtUnsichtbareZeichen, false),
        Text(G::Text, "txtName", &TConfig::txtName, "Tahoma"),
        Zahl(G::Text, "txtSize", &TConfig::txtSize, 10, 6, 72),
        Zahl(G::Text, "txtStyle", &TConfig::txtStyle, 0, 0, 15),
        Schalter(G::Text, "txtDragDrop", &TConfig::txtDragDrop, false),

        Zahl(G::Layout, "testReihenfolge", &TConfig::testReihenfolge, 1),
        Schalter(G::Layout, "testStammformen", &TConfig::testStammformen, false),
        Schalter(G::Layout, "testKonjDekl", &TConfig::testKonjDekl, false),
        Text(G::Layout, "backupOrdner", &TConfig::backupOrdner, ""),
    };
    return tabelle;
}

void TConfig::StandardwerteSetzen()
{
    for (const TEinstellung &e : Tabelle())
        e.Setzen(*this, e.standard);
}

QString TEinstellung::Schluessel() const
{
    static const QString kPfade[] = {
        QStringLiteral("3.0/"),      QStringLiteral("3.0/Colors/"), QStringLiteral("3.0/Lernen/"),
        QStringLiteral("3.0/Text/"), QStringLiteral("3.0/Layout/"),
    };
    return kPfade[static_cast<size_t>(gruppe)] + name;
}

TEinstellung::TWert TEinstellung::Wert(const TConfig &config) const
{
    return std::visit([&config](auto TConfig::*f) -> TWert { return config.*f; }, feld);
}

void TEinstellung::Setzen(TConfig &config, const TWert &wert) const
{
    std::visit(
        [&config, &wert](auto TConfig::*f) {
            using Typ = std::remove_reference_t<decltype(config.*f)>;
            config.*f = std::get<Typ>(wert);
        },
        feld);
}

void TConfig::EinstellungenLaden(const QString &ordner)
{
    QString pfad = ordner;
    if (pfad.isEmpty())
        pfad = TPfade::Aktuell().programmdaten;
    pfad = QDir::fromNativeSeparators(pfad);
    if (!pfad.endsWith(QLatin1Char('/')))
        pfad += QLatin1Char('/');
    programmordner = pfad;

    m_warnungen.clear();
    // Pick up changes other processes made to the same store.
    m_store->sync();
    m_teilweise = m_store->status() != QSettings::NoError;
    if (m_teilweise)
        m_warnungen << QStringLiteral("Die Einstellungen in „%1“ können nicht gelesen werden; es gelten die "
                                      "Standardwerte, und die Datei wird nicht überschrieben.")
                           .arg(QDir::toNativeSeparators(m_store->fileName()));
    // One value at a time: a bad one must not cost the others.
    for (const TEinstellung &e : Tabelle()) {
        if (e.speicherung == TSpeicherung::Keine)
            continue;
        const QString schluessel = e.Schluessel();
        if (m_teilweise || !m_store->contains(schluessel)) {
            e.Setzen(*this, e.standard);
            continue;
        }
        const QString text = AlsText(m_store->value(schluessel));
        try {
            const TEinstellung::TWert wert = WertAusText(e, text);
            if (e.art == TEinstellungsArt::Zahl &&
                (std::get<int32_t>(wert) < e.minimum || std::get<int32_t>(wert) > e.maximum))
                throw TEinstellungsFehler(DatentypFehler(e.name));
            e.Setzen(*this, wert);
        } catch (const TEinstellungsFehler &) {
            e.Setzen(*this, e.standard);
            m_warnungen << QStringLiteral("Die Einstellung „%1“ hatte den ungültigen Wert „%2“; es gilt wieder der "
                                          "Standardwert.")
                               .arg(schluessel, text.left(80));
        }
    }
}

void TConfig::EinstellungenSpeichern()
{
    if (m_teilweise)
        return;
    QSettings &s = *m_store;
    for (const TEinstellung &e : Tabelle())
        if (e.speicherung == TSpeicherung::LesenUndSchreiben)
            s.setValue(e.Schluessel(), WertAlsSpeicherwert(e, e.Wert(*this)));

    s.sync();
    if (s.status() != QSettings::NoError)
        throw TEinstellungsFehler(
            QStringLiteral("Die Einstellungen konnten nicht gespeichert werden: %1").arg(s.fileName()));
}

} // namespace lexovita
