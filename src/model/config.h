#pragma once

#include "model/fehler.h"

#include <QHashFunctions>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <span>
#include <variant>

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

// The keys the values are stored under: "3.0/" and its subkeys.
enum class TEinstellungsGruppe : uint8_t { Wurzel, Colors, Lernen, Text, Layout };

inline size_t qHash(TEinstellungsGruppe gruppe, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(gruppe), seed);
}

// How a value is stored: Zahl a 32-bit number, Schalter 0 or 1, Text a plain
// text, Farbe a colour text, Liste decimal identifiers joined with ",".
enum class TEinstellungsArt : uint8_t { Zahl, Schalter, Text, Farbe, Liste };

// Which way a value travels between memory and store.
enum class TSpeicherung : uint8_t {
    LesenUndSchreiben,
    NurLesen, // read at every load, never written: a change lasts until the next load
    Keine,    // in memory only, neither read nor written
};

struct TEinstellung;

// All user options. Readers use the members directly, by their stored names.
// The defaults live in one table (Tabelle()); every constructor applies them.
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

    // Reads every value of the table in its order, each on its own: a
    // missing value takes its default, and so does a value of the wrong
    // kind or outside its range (Bereich()), which adds one German line
    // naming the key and the value it had to Warnungen(). A store that
    // cannot be read at all leaves every default and is marked as only
    // partly read. An empty programmordner means the program data folder of
    // TPfade. Never throws for what the store holds.
    void EinstellungenLaden(const QString &programmordner = {});
    // What the last load replaced, one line per value; empty when all was well.
    const QStringList &Warnungen() const { return m_warnungen; }
    // True when the last load could not read the store: saving would write
    // defaults over the user's values, so EinstellungenSpeichern leaves it.
    bool TeilweiseGelesen() const { return m_teilweise; }
    // Writes every value except the read-only and the in-memory ones; does
    // nothing after a load that could not read the store.
    void EinstellungenSpeichern();

    // A working copy on the same store with every table value and the
    // program folder, for editing that may be taken over or thrown away.
    std::unique_ptr<TConfig> Kopie() const;

    // Every value with its key, kind and default, in the order of loading.
    static std::span<const TEinstellung> Tabelle();

    // The global settings object of the running program (set by start-up).
    static TConfig *Global();
    static void SetGlobal(TConfig *config);

    // The program data folder (vorlagen/ and the rest), with a trailing separator.
    QString programmordner;
    QString VorlagenOrdner() const { return programmordner + QStringLiteral("vorlagen/"); }
    QString DatenOrdner() const { return programmordner + QStringLiteral("Data/"); }

    // Root key.
    int32_t LehrbuchID{};
    bool wbPraesens{};
    bool KeepVokTooltip{};
    // Latin text in every view: with its vowel lengths (else plain, as typed
    // without marks), and with the stressed syllable marked.
    bool Laengen{};
    bool Betonung{};

    // Colors ("Hg" background, "Vg" foreground): agreement backgrounds and
    // their read-only foregrounds, then the editor and analysis colours.
    TFarbe clKNG{}, clKNGVg{};
    TFarbe clKN{}, clKNVg{};
    TFarbe clKG{}, clKGVg{};
    TFarbe clNG{}, clNGVg{};
    TFarbe clK{}, clKVg{};
    TFarbe clN{}, clNVg{};
    TFarbe clG{}, clGVg{};
    TFarbe clNormalHg{}, clNormalVg{};
    TFarbe clAusgeblendetHg{}, clAusgeblendetVg{};
    TFarbe clSatzHg{};
    TFarbe clSatzVg{}; // in memory only, never stored
    TFarbe clAusgewaehltHg{}, clAusgewaehltVg{};
    TFarbe clSelVg{}, clSelHg{};
    TFarbe clAnalysiertVg{}, clAnalysiertHg{};
    TFarbe clLexikonVg{}, clLexikonHg{}; // a word known only through the large lexicon

    // Lernen.
    int32_t vlRichtung{}; // 1 Latin -> German, anything else German -> Latin
    bool vlStammformen{};
    bool vlPraesens{};
    bool vlPerfekt{};
    bool vlPartizip{};
    int32_t vlKasus{}; // form identifier of the noun form asked besides the nominative
    bool vlCase{};
    bool vlsMischen{};
    bool vlsAnfang{};
    bool vlsFalscheMehrfach{};
    int32_t vlsFalscheAnzahl{};
    bool vlsSchnellkorrektur{};
    bool vlmMischen{};
    bool vlmStammformen{};
    QStringList flVerb, flAdjektiv, flSubstantiv; // decimal form identifiers
    bool flStammformen{};
    bool flKonjDekl{};
    bool flVokabel{};
    bool flGrundformen{}; // forms drills: only the forms a beginner meets first
    // Spaced repetition: desired retention in percent, new entries per day,
    // and whether the ordinary drills record their answers too.
    int32_t lrBehalten{};
    int32_t lrNeueProTag{};
    bool lrAufzeichnen{};
    // The forms drills and the principal parts of the written drill demand
    // the vowel lengths, where the entry has them.
    bool lrLaengen{};

    bool LateinDeutsch() const { return vlRichtung == 1; }

    // Text.
    bool txtUmbruch{};
    int32_t txtUmbruchZeichen{}; // 0 = wrap at the right margin
    int32_t txtZeilenabstand{};  // line height in pixels
    bool txtUnsichtbareZeichen{};
    QString txtName;
    int32_t txtSize{};
    int32_t txtStyle{}; // bit 0 bold, 1 italic, 2 underline, 3 strike-out
    bool txtDragDrop{};

    // Layout.
    int32_t testReihenfolge{}; // 1 keep order, otherwise shuffle
    bool testStammformen{};
    bool testKonjDekl{};
    QString backupOrdner; // the folder of the last backup written or restored

    // Default lists of the forms drills, as their stored text.
    static const QString &StandardVerbformen();
    static const QString &StandardAdjektivformen();
    static const QString &StandardSubstantivformen();

    // A list's stored text: the items joined with ",".
    static QString ListeAlsText(const QStringList &liste) { return liste.join(QLatin1Char(',')); }
    static QStringList ListeAusText(const QString &text);

  private:
    void StandardwerteSetzen();

    std::unique_ptr<QSettings> m_eigener;
    QSettings *m_store;
    QStringList m_warnungen;
    bool m_teilweise = false;
};

// One row of the settings table. The field's type follows from the kind:
// Zahl and Farbe int32_t, Schalter bool, Text QString, Liste QStringList.
struct TEinstellung {
    using TWert = std::variant<int32_t, bool, QString, QStringList>;
    using TFeld = std::variant<int32_t TConfig::*, bool TConfig::*, QString TConfig::*, QStringList TConfig::*>;

    TEinstellungsGruppe gruppe;
    QString name; // value name below the group's key
    TEinstellungsArt art;
    TWert standard;
    TSpeicherung speicherung;
    TFeld feld;
    // For numbers: the values the settings window can set; others are
    // replaced by the default when loading.
    int32_t minimum = INT32_MIN, maximum = INT32_MAX;

    // Full key in the store, e.g. "3.0/Colors/clKNG".
    QString Schluessel() const;
    TWert Wert(const TConfig &config) const;
    // The value must hold the field's type.
    void Setzen(TConfig &config, const TWert &wert) const;
};

} // namespace lexovita
