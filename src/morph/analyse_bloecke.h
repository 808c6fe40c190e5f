#pragma once

// The blocks of forms that the stem path of the analysis regenerates, by the
// word's last letter (the dispatch letter) and word class. Forms outside
// these blocks are never matched by the stem path.

#include "morph/formenmanager.h"

#include <QString>
#include <span>
#include <string_view>

namespace lexovita::intern {

using Blockgenerator = void (*)(TFormenmanager &, const TVokabel &, int32_t);

enum class Blockregel : uint8_t {
    Keine,
    PassivEinfach,         // passive simple tense: not for verbs without passive (unless deponent)
    PassivZusammengesetzt, // compound passive tense: likewise (unless deponent or semi-deponent)
    PartizipPerfekt,       // voice from the flags: active for (semi-)deponents, else passive
    Steigerung,            // comparative/superlative: -uus/-ius/-eus adjectives use magis/maxime + positive
};

struct TAnalyseblock {
    int nr; // unique per (generator, selector), for reusing generated blocks
    Blockgenerator erzeugen;
    int32_t selektor;
    Blockregel regel;
    // Every text of the block ends in one of these; empty: any ending.
    std::span<const std::string_view> endungen;
};

struct TBuchstabenbloecke {
    std::span<const TAnalyseblock> verb, substantiv, adjektiv;
    int nr = 0; // unique per set, below kBuchstabenbloeckeHoechstens
};
inline constexpr int kBuchstabenbloeckeHoechstens = 16;

// The blocks of a dispatch letter; all empty for letters without any.
const TBuchstabenbloecke &BloeckeFuer(QChar letzter);

// Every block of every letter once (without the parts of whole blocks).
const TBuchstabenbloecke &AlleBloecke();

// Number of distinct block numbers (nr < this).
int Blockanzahl();
// Below 64: the analysis keys its block lists by a mask of block numbers
// with the letter's set in the top four bits.
inline constexpr int kBlockanzahlHoechstens = 60;

// Selector the block is generated with for this entry, or -1 if the block
// does not apply to it at all.
int32_t BlockSelektor(const TAnalyseblock &b, const TVokabel &v);

// True if a form of the block can be equal to the word: the block has an
// ending the word ends with (or no fixed endings). Only saves work.
bool KannPassen(const TAnalyseblock &b, const TVokabel &v, const QString &wort);
// The same in two parts: the word's side, and the entries whose comparison
// is made with magis/maxime and so may end in anything.
bool EndungenPassen(const TAnalyseblock &b, const QString &wort);
bool Umschrieben(const TVokabel &v);
// The numbers of the blocks for which EndungenPassen holds, as a mask.
uint64_t PassendeBloecke(const QString &wort);

} // namespace lexovita::intern
