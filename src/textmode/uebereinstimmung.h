#pragma once

#include "model/config.h"
#include "model/lektion.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace lexovita {

// The colour pairs of the text editor, named after their settings
// (clNormal..., clAusgeblendet..., the clicked sentence, clAnalysiert...,
// clSel..., and the seven agreement colours clK ... clKNG), and a word
// known only through the large lexicon (clLexikon...).
enum class TFarbrolle { Normal, Ausgeblendet, Satz, Analysiert, Auswahl, K, N, G, KN, NG, KG, KNG, Lexikon };

// The text colour and background of a role, from the settings.
void Rollenfarben(TFarbrolle rolle, const TConfig &c, TFarbe &vordergrund, TFarbe &hintergrund);

// One coloured range of the lesson text, tagged with its sentence so that a
// click on it tells which sentence was meant. Ranges are painted in order,
// a later one over an earlier one.
struct TFarbbereich {
    int anfang = 0;
    int laenge = 0;
    TFarbrolle rolle = TFarbrolle::Normal;
    int satz = 0;
    bool wort = false; // a word, shown with the hand cursor

    bool operator==(const TFarbbereich &) const = default;
};

// Which agreements are asked for, and how they combine.
struct TKriterien {
    bool kasus = true;
    bool numerus = true;
    bool genus = true;
    bool oder = false; // "ODER"; otherwise "UND"
};

// Agreement of two form identifiers in one respect.
bool KasusGleich(int32_t a, int32_t b);
bool NumerusGleich(int32_t a, int32_t b);
// `r` is the compared word's form, `s` one form of the chosen word; the
// common-gender bit agrees with an exact masculine or feminine on either side.
bool GenusGleich(int32_t r, int32_t s);

struct TUebereinstimmung {
    bool kasus = false;
    bool numerus = false;
    bool genus = false;
};

// The flags of a form against the chosen word's forms S. With "UND" a form
// of S counts only when it agrees in every asked respect.
TUebereinstimmung Vergleichen(int32_t r, const std::vector<int32_t> &s, const TKriterien &k);

// The agreement colour of a form with these flags, if any: with "UND" the
// one colour of exactly the asked respects; with "ODER" the last of K, N, G,
// KN, NG, KG, KNG whose respects are all asked and all agree.
bool Uebereinstimmungsfarbe(const TUebereinstimmung &u, const TKriterien &k, TFarbrolle &farbe);

// Neighbouring ranges of one role without a word in between become one
// range, so that a long faded text is painted as a few ranges.
std::vector<TFarbbereich> Zusammenfassen(std::vector<TFarbbereich> bereiche);

// A click on sentence `satz`: every other sentence faded, the clicked one in
// the sentence colours, its analysed words marked (a word with lexicon
// results only in the lexicon colour), and the results whose text is `wort`
// (lower-cased) as the clicked word.
std::vector<TFarbbereich> SatzFarben(const std::vector<std::unique_ptr<TContext>> &saetze, int satz,
                                     const QString &wort);

// The agreement colouring of one sentence for the clicked word and the
// entry (or lexicon lemma) chosen for it, over the results of both stores.
std::vector<TFarbbereich> Uebereinstimmungsfarben(const TContext &satz, const QString &wort, int32_t vokabelId,
                                                  bool ausLexikon, const TKriterien &k);

} // namespace lexovita
