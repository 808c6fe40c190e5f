#pragma once

#include "model/fehler.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

class QSettings;

namespace lexovita {

// A colour as the settings store it: 0x00BBGGRR (blue in the high byte, red in
// the low byte). Values with a non-zero top byte are special colours such as
// clNone or system colours; the GUI resolves those itself.
using TFarbe = int32_t;

constexpr TFarbe clNone = 0x1FFFFFFF;
constexpr TFarbe clDefault = 0x20000000;

// 0xRRGGBB for a plain 0x00BBGGRR colour, so the GUI can build its colour object.
inline uint32_t FarbeAlsRgb(TFarbe farbe)
{
    const auto f = static_cast<uint32_t>(farbe);
    return ((f & 0xFF) << 16) | (f & 0xFF00) | ((f >> 16) & 0xFF);
}
inline TFarbe FarbeAusRgb(uint32_t rgb)
{
    return static_cast<TFarbe>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

// A failure of the settings store: a value of the wrong kind or a store that
// cannot be written. The message is German and meant for the application's
// error display.
class TEinstellungsFehler : public TFehler {
public:
    explicit TEinstellungsFehler(const QString &meldung) : TFehler(meldung) {}
};

// A colour text that is neither a colour name nor a number.
class TKonvertierungsFehler : public TEinstellungsFehler {
public:
    using TEinstellungsFehler::TEinstellungsFehler;
};

// Colour text <-> colour: standard names ("clBlack", ...), "$BBGGRR"-style hex
// with a dollar sign, "0x" hex and plain decimal numbers are accepted.
TFarbe FarbeAusText(const QString &text); // throws TKonvertierungsFehler
QString FarbeAlsText(TFarbe farbe);       // always "$" + eight hex digits

// All user options. Readers use the members directly, by their stored names.
class TConfig {
public:
    // Native per-user store under Harnfel/lexovita.
    TConfig();
    // An INI file at the given path (used for portable setups and tests).
    explicit TConfig(const QString &iniDatei);
    // A store owned by the caller; it must outlive this object.
    explicit TConfig(QSettings &store);
    ~TConfig();
    TConfig(const TConfig &) = delete;
    TConfig &operator=(const TConfig &) = delete;

    // Reads every value; a missing value takes its default. An empty
    // programmordner means the folder of the running program.
    void EinstellungenLaden(const QString &programmordner = {});
    // Writes every value except the read-only agreement foregrounds.
    void EinstellungenSpeichern();

    // The global settings object of the running program (set by start-up).
    static TConfig *Global();
    static void SetGlobal(TConfig *config);

    // Folder of the program file, with a trailing separator.
    QString programmordner;
    QString VorlagenOrdner() const { return programmordner + QStringLiteral("vorlagen/"); }
    QString DatenOrdner() const { return programmordner + QStringLiteral("Data/"); }

    // Root key.
    int32_t LehrbuchID = 0;
    bool wbPraesens = false;
    bool KeepVokTooltip = false;

    // Colors: agreement backgrounds and their (read-only) foregrounds.
    TFarbe clKNG = 0x99CCFF, clKNGVg = 0x000000;
    TFarbe clKN = 0xFF99FF, clKNVg = 0x000000;
    TFarbe clKG = 0xFF9999, clKGVg = 0x000000;
    TFarbe clNG = 0x99FF99, clNGVg = 0x000000;
    TFarbe clK = 0xFFFF99, clKVg = 0x000000;
    TFarbe clN = 0x9999FF, clNVg = 0x000000;
    TFarbe clG = 0xCCCCCC, clGVg = 0x000000;
    TFarbe clNormalHg = 0xFFFFFF, clNormalVg = 0x000000;
    TFarbe clAusgeblendetHg = 0xFFFFFF, clAusgeblendetVg = 0xC0C0C0;
    TFarbe clSatzHg = 0xFFFFFF;
    TFarbe clAusgewaehltHg = 0xFFFFFF, clAusgewaehltVg = 0xFF0000;
    TFarbe clSelVg = 0xFF0000, clSelHg = 0x00FFFF;
    TFarbe clAnalysiertVg = 0xFF0000, clAnalysiertHg = 0xFFFFFF;
    // Foreground of the clicked sentence: in memory only, never stored.
    TFarbe clSatzVg = 0x000000;

    // Lernen.
    int32_t vlRichtung = 1; // 1 Latin -> German, anything else German -> Latin
    bool vlStammformen = true;
    bool vlPraesens = true;
    bool vlPerfekt = true;
    bool vlPartizip = true;
    int32_t vlKasus = 0x4000;
    bool vlCase = false;
    bool vlsMischen = true;
    bool vlsAnfang = true;
    bool vlsFalscheMehrfach = true;
    int32_t vlsFalscheAnzahl = 1;
    bool vlsSchnellkorrektur = false;
    bool vlmMischen = true;
    bool vlmStammformen = false;
    QStringList flVerb, flAdjektiv, flSubstantiv; // decimal form identifiers
    bool flStammformen = true;
    bool flKonjDekl = true;
    bool flVokabel = true;

    bool LateinDeutsch() const { return vlRichtung == 1; }

    // Text.
    bool txtUmbruch = true;
    int32_t txtUmbruchZeichen = 80;
    int32_t txtZeilenabstand = 18;
    bool txtUnsichtbareZeichen = false;
    QString txtName = QStringLiteral("Tahoma");
    int32_t txtSize = 10;
    int32_t txtStyle = 0; // bit 0 bold, 1 italic, 2 underline, 3 strike-out
    bool txtDragDrop = false;

    // Layout.
    int32_t testReihenfolge = 1; // 1 keep order, otherwise shuffle
    bool testStammformen = false;
    bool testKonjDekl = false;

    // Default lists of the forms drills, as their stored text.
    static const QString &StandardVerbformen();
    static const QString &StandardAdjektivformen();
    static const QString &StandardSubstantivformen();

    // A list's stored text: the items joined with ",".
    static QString ListeAlsText(const QStringList &liste) { return liste.join(QLatin1Char(',')); }
    static QStringList ListeAusText(const QString &text);

private:
    std::unique_ptr<QSettings> m_eigener;
    QSettings *m_store;
};

} // namespace lexovita
