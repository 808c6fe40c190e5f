#pragma once

// Vowel lengths of Latin text: macrons on long vowels (ā ē ī ō ū ȳ). The
// plain text every lookup uses is the marked one with the marks taken off.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

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

// The stem a marked verb form is built on. A form of the supine stem takes
// no support from the perfect stem, whose vowel often differs (rūpī, ruptum;
// vīcī, victum).
enum class TFormStamm { Sonstige, Perfekt, Supin };

struct TMarkierteForm {
    QString text;
    TFormStamm stamm = TFormStamm::Sonstige;
};

// Collatinus marks the quantity of syllables: a macron on every vowel of a
// closed syllable (mīttō, ūrbs, ēxspēctō) and on the first vowel of a
// diphthong (rosāe); ā̆ stands for a vowel of either quantity. School books
// mark only vowels long by nature. `teile` are the marked forms of one lemma
// (headword, principal parts), `weitere` any further forms of it; the
// result is `teile` with the marks a school book would set:
// - a macron before two consonants (x and z count double, qu as one, muta
//   cum liquida does not close the syllable) goes, except before ns, nf,
//   nct, nx and where another form shows the same vowel long in an open
//   syllable before the same or a kindred consonant (rēx/rēgis, dīxī/dīcō,
//   scrīpsī/scrībō); a -ct- takes no such support (dictum beside dīcō);
// - a vowel before ns or nf is long (cōnsul, īnfāns);
// - the prefixes ab-, ad-, ob-, sub- and in- (but not ins-, inf-) are short;
// - ā̆ is long only at the end of a word (amō, but arbitror);
// - a diphthong's first vowel loses its mark.
// Only marks change: every text without marks stays as it was.
QStringList Schullaengen(const std::vector<TMarkierteForm> &teile, const std::vector<TMarkierteForm> &weitere);

} // namespace lexovita
