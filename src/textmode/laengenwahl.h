#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace lexovita {

// One reading of a word of the text: its form identifier and label, and the
// form's text with vowel lengths as the generator writes it (empty when the
// generator made no such form).
struct TLesart {
    int32_t formId = 0;
    QString bezeichnung;
    QString markiert;
};

// A word of one sentence with every reading the analysis gave it.
struct TTextwort {
    int32_t anfang = 0; // start offset in the text
    QString text;       // as written
    std::vector<TLesart> lesarten;
};

// What the length display shows for a word.
struct TLaengenwahl {
    QString text;           // the word as written with the chosen macrons; empty: it stays unmarked
    bool kongruenz = false; // the readings differed in length and agreement chose
    QString hinweis;        // they differed and nothing chose: one line per reading with its lengths
};

// The word as written with the macrons of `markiert`, if that spells the same
// word (letters compared without case, lengths, j/i and v/u): the letter case
// stays as written, and an enclitic after the form stays unmarked. Empty when
// the texts differ.
QString LaengenUebertragen(const QString &wort, const QString &markiert);

// The lengths of word `w` of `satz` (the sentence's words, w among them):
// - all readings spell one marked text: that one;
// - else the readings that agree in case, number and gender with a reading
//   of another word of the sentence, if they spell one marked text;
// - else the word stays unmarked and the hint lists its readings.
TLaengenwahl LaengeWaehlen(const TTextwort &w, const std::vector<TTextwort> &satz);

} // namespace lexovita
