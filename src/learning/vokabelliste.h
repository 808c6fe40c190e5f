#pragma once

#include "model/vokabel.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace lexovita {

class TLektion;

// The stretch of the lesson text the word list walks: [anfang, anfang +
// laenge) in the text as one string.
struct TTextbereich {
    int anfang = 0;
    int laenge = 0;
};

// "Gesamter Text", or the selection: a selection made backwards has a
// negative length and counts by its size. Clamped to the text.
TTextbereich ListenBereich(int textLaenge, bool ganzerText, int auswahlAnfang = 0, int auswahlLaenge = 0);

// The entries of one word's analysis results, in result order (an entry may
// repeat; null for a result whose entry is gone).
using TWortVokabelnFn = std::function<std::vector<const TVokabel *>(const QString &wort)>;

// What the word list found: every entry once, in order of first occurrence.
struct TGefundeneVokabeln {
    std::vector<std::unique_ptr<TVokabel>> vokabeln;
    bool vollstaendig = true; // false when stopped before the end
    const TVokabel *Vokabel(int32_t id) const;
};

// Walks the words of the range by the lesson's word delimiters; each word
// (trimmed, A-Z lower-cased) goes to `analysieren`, and every entry not met
// before is copied. Words are taken from delimiter to delimiter, so a range
// starting inside a word takes that whole word once and no word is skipped.
// `abbruch` is read before each word; `fortschritt` gets (position - start)
// * 100 / length after each word.
TGefundeneVokabeln VokabelListeSammeln(const QString &text, TTextbereich bereich, const TWortVokabelnFn &analysieren,
                                       const std::function<bool()> &abbruch = {},
                                       const std::function<void(int prozent)> &fortschritt = {});

// Where the chosen entries of the word list go.
enum class TListenZiel {
    Hinzufuegen,    // "Zu aktueller Lektion hinzufügen"
    Ueberschreiben, // "Aktuelle Lektion überschreiben"
    NeueLektion,    // "In neuer Lektion speichern": the caller makes the new lesson the target
};

// Puts a copy of each chosen found entry (`gewaehlt`: ids in list order) into
// the lesson: appended, or after emptying it with Ueberschreiben. With
// Hinzufuegen and `doppelteVermeiden` an entry the lesson held before is
// left out. Returns whether the lesson's entries changed; marking the lesson
// modified is the caller's.
bool VokabelnUebernehmen(TLektion &ziel, const TGefundeneVokabeln &gefunden, const std::vector<int32_t> &gewaehlt,
                         TListenZiel art, bool doppelteVermeiden);

} // namespace lexovita
