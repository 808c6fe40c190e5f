#pragma once

#include "latform.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

namespace lexovita {

// Word class codes (bits 0-2 of the attribute word).
inline constexpr int32_t WA_VERB = 1;
inline constexpr int32_t WA_SUBSTANTIV = 2;
inline constexpr int32_t WA_UNBESTIMMT = 3;
inline constexpr int32_t WA_ADVERB = 4;
inline constexpr int32_t WA_ADJEKTIV = 5;
inline constexpr int32_t WA_PRONOMEN = 6;

// Inflection class codes (bits 3-5 of the attribute word, multiples of 8).
inline constexpr int32_t KD_KEINE = 0;
inline constexpr int32_t KD_A = 8;
inline constexpr int32_t KD_E = 16;
inline constexpr int32_t KD_I = 24;
inline constexpr int32_t KD_O = 32;
inline constexpr int32_t KD_U = 40;
inline constexpr int32_t KD_K = 48;
inline constexpr int32_t KD_G = 56;

// Flag bits of the attribute word.
inline constexpr int32_t ATTR_WORTART_MASKE = 7;
inline constexpr int32_t ATTR_KONJDEKL_MASKE = 56;
inline constexpr int32_t ATTR_DEPONENS = 64;
inline constexpr int32_t ATTR_PLURALIS_TANTUM = 128;
inline constexpr int32_t ATTR_SINGULARIS_TANTUM = 256;
inline constexpr int32_t ATTR_SEMIDEPONENS = 512;
inline constexpr int32_t ATTR_KEIN_PASSIV = 1024;
inline constexpr int32_t ATTR_RESERVIERT = 2048;

// Language codes of memory aids.
inline constexpr int32_t SPR_ANDERE = 0;
inline constexpr int32_t SPR_DEUTSCH = 1;
inline constexpr int32_t SPR_ENGLISCH = 2;
inline constexpr int32_t SPR_FRANZOESISCH = 3;
inline constexpr int32_t SPR_SPANISCH = 4;
inline constexpr int32_t SPR_ITALIENISCH = 5;

struct TBedeutung {
    QString bedeutung;
    QString kommentar;
    int32_t gruppe = 1;
    int32_t position = 1;
};

struct TMerkhilfe {
    QString merkhilfe;
    int32_t sprache = SPR_ANDERE;
};

// Stored letters and display names of the codes; shared by the store, the
// lesson file and the editor so the tables live in one place.
QString WortartBuchstabe(int32_t wortart);
int32_t WortartAusBuchstabe(const QString &buchstabe);
QString WortartName(int32_t wortart);
// Word classes whose entries have a forms table (verbs, nouns, adjectives,
// pronouns); one predicate for every window that offers it.
bool HatFormentabelle(int32_t wortart);
// A noun's or pronoun's gender, stored in form2 as one letter ("m", "f",
// "n", "p" for maskulinum + femininum). The order is that of the gender
// buttons in the editor and the drill.
enum class TGenus { Maskulinum, Femininum, Neutrum, MaskFem, Keins };
QString GenusBuchstabe(TGenus genus); // empty for Keins
TGenus GenusAus(const QString &buchstabe);
QString KonjDeklBuchstabe(int32_t konjdekl);
int32_t KonjDeklAusBuchstabe(const QString &buchstabe);
QString KonjDeklName(int32_t wortart, int32_t konjdekl);
QString SpracheName(int32_t sprache);
int32_t SpracheAusName(const QString &name);
QString SpracheFlagge(int32_t sprache); // file name of the flag picture, empty for none

// One Latin vocabulary entry with everything that hangs on it.
class TVokabel {
  public:
    int32_t id = 0;
    QString vokabel;
    QString form1, form2, form3;
    int32_t attribute = WA_UNBESTIMMT;
    std::vector<std::unique_ptr<TBedeutung>> bedeutungen;
    std::vector<std::unique_ptr<TMerkhilfe>> merkhilfen;
    std::vector<std::unique_ptr<TLatForm>> sonderformen;
    QString aktualisierung;

    TVokabel() = default;
    TVokabel(const TVokabel &) = delete;
    TVokabel &operator=(const TVokabel &) = delete;
    TVokabel(TVokabel &&) = default;
    TVokabel &operator=(TVokabel &&) = default;

    // Attribute accessors: each touches only its own bits.
    int32_t Wortart() const { return attribute & ATTR_WORTART_MASKE; }
    void SetWortart(int32_t code);
    int32_t KonjDekl() const { return attribute & ATTR_KONJDEKL_MASKE; }
    void SetKonjDekl(int32_t code);
    bool Deponens() const { return attribute & ATTR_DEPONENS; }
    void SetDeponens(bool an) { SetFlag(ATTR_DEPONENS, an); }
    bool PluralisTantum() const { return attribute & ATTR_PLURALIS_TANTUM; }
    void SetPluralisTantum(bool an) { SetFlag(ATTR_PLURALIS_TANTUM, an); }
    bool SingularisTantum() const { return attribute & ATTR_SINGULARIS_TANTUM; }
    void SetSingularisTantum(bool an) { SetFlag(ATTR_SINGULARIS_TANTUM, an); }
    bool Semideponens() const { return attribute & ATTR_SEMIDEPONENS; }
    void SetSemideponens(bool an) { SetFlag(ATTR_SEMIDEPONENS, an); }
    bool KeinPassiv() const { return attribute & ATTR_KEIN_PASSIV; }
    void SetKeinPassiv(bool an) { SetFlag(ATTR_KEIN_PASSIV, an); }

    // Meanings.
    void BedeutungHinzufuegen(const QString &text, const QString &kommentar, int32_t gruppe, int32_t position);
    void BedeutungAnhaengen(const QString &text, const QString &kommentar, int32_t gruppe);
    int32_t MaxGruppe() const;
    TBedeutung *BedeutungSuchen(const QString &text) const;
    void BedeutungAendern(const QString &alterText, const QString &neuerText, int32_t position, int32_t gruppe,
                          const QString &kommentar);
    void BedeutungEntfernen(const QString &text);
    void BedeutungenSortieren();
    QString BedeutungenText() const;

    // Memory aids.
    void MerkhilfeHinzufuegen(const QString &text, int32_t sprache);
    bool MerkhilfeVorhanden(const QString &text, int32_t sprache) const;

    // Cross-references: sorted case-insensitively, duplicates ignored.
    void VerweisHinzufuegen(const QString &text);
    const QStringList &Verweise() const { return verweise; }
    void VerweiseLeeren() { verweise.clear(); }

    // Display texts.
    QString WortartText() const { return WortartName(Wortart()); }
    QString KonjDeklText() const { return KonjDeklName(Wortart(), KonjDekl()); }
    QString FormenText() const;

    void KopierenNach(TVokabel &ziel) const;
    bool IstGleich(const TVokabel &andere) const;

    // Index word of the word index: form1 for a verb that has one, else the headword.
    QString Indexwort() const;

  private:
    void SetFlag(int32_t bit, bool an) { attribute = an ? (attribute | bit) : (attribute & ~bit); }
    QStringList verweise;
};

} // namespace lexovita
