#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace lexovita {

// How the lesson text is searched. Positions are those of the editor's plain
// text (one character per line break).
struct TSuchoptionen {
    bool grossKlein = false;   // "Groß-/Kleinschreibung": letter case must match
    bool ganzeWoerter = false; // "Nur ganze Wörter": word separators on both sides
    bool nachOben = false;     // "Nach oben": the last match before `ab`
};

// A match or a word: start and length in the text.
struct TFundstelle {
    int anfang = 0;
    int laenge = 0;
    int Ende() const { return anfang + laenge; }
    bool operator==(const TFundstelle &) const = default;
};

// A character that ends a word: the lesson's word separators and any white
// space (tabs, line breaks).
bool IstTrennzeichen(QChar c);

// The next occurrence of `muster`: searching down the first one starting at
// or after `ab`, searching up the last one ending at or before `ab`. An empty
// pattern finds nothing.
std::optional<TFundstelle> Finden(const QString &text, const QString &muster, int ab, const TSuchoptionen &o);

// "&Ersetzen": where the current match of `muster` stands next to the caret
// (searching down it ends at the caret, searching up it starts there), if the
// text there equals the pattern (letter case as the options say).
std::optional<TFundstelle> TrefferAmCursor(const QString &text, const QString &muster, int cursor,
                                           const TSuchoptionen &o);

// "&Alle ersetzen": replaces every occurrence from the start of the text on;
// the search goes on behind each inserted text, so a replacement holding the
// pattern is not searched again. `stellen` are the replaced ranges in the
// order they were replaced, each in the text as it was at that moment, so
// that an editor can apply them one after another. The direction is ignored.
struct TErsetzung {
    QString text;
    std::vector<TFundstelle> stellen;
};
TErsetzung AlleErsetzen(const QString &text, const QString &muster, const QString &ersatz, const TSuchoptionen &o);

// The message after "&Alle ersetzen".
QString ErsetzungsMeldung(int anzahl);

// The words of the text between separators.
std::vector<TFundstelle> Woerter(const QString &text);

// The form search's walk: word by word from `cursor` in the chosen direction
// (down the words starting at or after it, up those ending at or before it),
// the first word for which `istForm` is true.
std::optional<TFundstelle> WortSuchen(const QString &text, int cursor, bool nachOben,
                                      const std::function<bool(const QString &wort)> &istForm);

} // namespace lexovita
