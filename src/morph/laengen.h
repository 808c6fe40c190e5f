#pragma once

// Vowel lengths of Latin text: macrons on long vowels (ā ē ī ō ū ȳ). The
// plain text every lookup uses is the marked one with the marks taken off.

#include <QString>
#include <QStringView>

namespace lexovita {

class TVokabel;

// The text without length marks: macrons and breves come off, precomposed or
// combining; every other character stays as it is.
QString LaengenEntfernen(QStringView text);

// True if the text carries a macron or breve.
bool HatLaengen(QStringView text);

// The text in composed form with breves dropped, as marked texts are kept;
// a macron on the first vowel of ae, au or oe goes too (diphthongs stay unmarked).
QString LaengenBereinigen(QStringView text);

// What a pupil types into a Latin field, with lengths as typed: a vowel
// followed by '_' or preceded by ':' becomes long (a_ and :a give ā),
// breves are dropped and a combining macron joins its vowel. `cursor`, a
// position in `text`, moves back by the characters taken out before it.
QString LaengenEintippen(QStringView text, qsizetype *cursor = nullptr);

// Long and short counterparts of a vowel; other characters come back unchanged.
QChar LangVokal(QChar c);
QChar KurzVokal(QChar c);
bool IstLateinVokal(QChar c); // a e i o u y, long or short, either case

// Stem plus ending by the rules of the join:
// - a leading '^' in the ending lengthens the stem's last vowel (amārēmus,
//   amātūrus, capī) and is dropped;
// - a long last vowel of the stem is shortened before a vowel (moneō,
//   audiunt), before a final -m, -t, -nt and before -nt-/-nd- (amat, amant,
//   amantis, amandī);
// - the ē of -ēī stays long only after a vowel (diēī, but reī, fideī).
QString LangVerbinden(const QString &stamm, QStringView endung);

// The plain form of an ending as the marked tables write it ('^' dropped).
QString EndungSchlicht(const char *endungUtf8);

// The word with an acute on the stressed vowel by the rule of the
// penultimate: two syllables stress the first; longer words the penultimate
// if it is long by nature or position, else the antepenultimate. Muta cum
// liquida does not make position; qu and a consonantal i or u (initial or
// between vowels) count as consonants. Text without a vowel comes back as it is.
QString Betonen(QStringView wort);

// How the views show Latin text: with or without its length marks, and
// with or without an acute on the stressed syllable.
struct TLaengenAnzeige {
    bool laengen = true;   // off: every view shows the plain text
    bool betonung = false; // computed from the marks, so only where they are known

    // For the texts of one entry and its forms: marks and stress only where
    // the entry's lengths are known (LaengenBekannt). An unmarked entry's
    // forms stay plain, as a half-marked "amavī" would pass for short vowels.
    TLaengenAnzeige Fuer(const TVokabel &eintrag) const;
};

// The marked text as a view shows it: with `betonung` every word gets its
// stress (Betonen), then the marks come off unless `laengen` is set.
QString LaengenZeigen(QStringView text, TLaengenAnzeige anzeige);

// Whether the lengths of an entry are known: its headword or one of its
// principal parts carries a mark. An entry typed without marks gives forms
// with long endings on unmarked stems (amavī), whose stress would be guessed
// and whose lengths a drill must not demand.
bool LaengenBekannt(const TVokabel &v);

} // namespace lexovita
