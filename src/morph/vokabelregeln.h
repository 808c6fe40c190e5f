#pragma once

#include "model/latform.h"
#include "model/vokabel.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace lexovita {

class TFormenmanager;

// Editing rules of the vocabulary editor that need no window: each changes
// only what its rule covers, so fields the user typed stay as they are.

// Principal parts from the headword of a verb: -are and -ari fill all parts
// and the a-conjugation, -ire and -iri only the first part; a headword in -i
// makes the verb a deponent, one in -re clears both deponent flags. Other
// endings (-ere among them) leave the parts untouched, as the conjugation
// cannot be read off them.
void StammformenVorschlagen(TVokabel &v);

// A new entry typed only as a headword: one in -are, -ere, -ire or -ari,
// -eri, -iri reads as an infinitive, so the entry becomes a verb with the
// parts StammformenVorschlagen proposes, for the user to confirm. False
// (and nothing changed) for any other headword or an entry with a class.
bool WortartVorschlagen(TVokabel &v);

// A noun's genitive in -um is a plural (castra, castrorum).
bool PluralisTantumErkannt(const QString &genitiv);

// Stores the trimmed genitive in form1; one in -um sets "Pluralis tantum".
void GenitivSetzen(TVokabel &v, const QString &genitiv);

// Declension of an adjective from its three fields (trimmed by the caller
// or not): 0 (unknown), KD_I or KD_O.
int32_t DeklinationErmitteln(const QString &vokabel, const QString &m, const QString &f, const QString &n);

// Sets one of the flag bits; the pairs deponent/semi-deponent and singularis/
// pluralis tantum exclude each other, so setting one clears its partner.
void FlagSetzen(TVokabel &v, int32_t bit, bool an);

// Whether the participle field means anything: not for (semi-)deponents.
bool PartizipFeldAktiv(const TVokabel &v);

// The generated forms of one category-tree selector as the special-forms
// grid shows them: without stored special forms, without shortened perfects
// and further variants, at most `hoechstens` rows.
std::vector<TLatForm> SonderformZeilen(TFormenmanager &manager, const TVokabel &v, int32_t selektor,
                                       int hoechstens = 10);

// Caption of one grid row ("1. Prs. Sg.", "Genitiv Pl.", "Supin I" ...).
QString SonderformZeilenText(const TVokabel &v, int32_t formId);

// Three forms that show at a glance whether class and parts are right
// (a verb's 2nd singular present, 1st singular future and 3rd singular
// perfect; a noun's genitive singular, accusative singular and genitive
// plural; an adjective's feminine, genitive and comparative), each as
// "label: form"; empty rows are left out.
QStringList Schluesselformen(TFormenmanager &manager, const TVokabel &v);

} // namespace lexovita

namespace lexovita {

// Declension of a noun from its genitive (singular, or plural for a
// pluralis tantum), headword and gender letter: -ae/-arum A, -i/-orum O,
// -ei E (headword in -es), -us/-uum U; -is: neuters in -e, -al, -ar I,
// words of as many syllables in -is/-es and stems ending in two consonants
// G (civis, urbs), any other K (rex, pater). 0 when the genitive does not
// tell (a plural in -um of the third declension, an unknown ending).
int32_t NomenDeklinationErmitteln(const QString &vokabel, const QString &genitiv, const QString &genus);

// Conjugation of a verb from headword and first principal part where the
// headword's ending alone does not tell (-ere, -ire, deponents in -eri,
// -iri, -i): E, K, G or I; 0 for irregular verbs (esse, ire, ferre ...).
int32_t KonjugationErmitteln(const QString &vokabel, const QString &form1);

// Gender letter ("m", "f", "n", "p") of a gender abbreviation as word
// lists write it ("m.", "f", "m./f.", "c."), or empty.
QString GenusAusKuerzel(const QString &text);

// Fills word class, inflection class, principal parts and flags of an entry
// from its headword and the principal parts as a word list writes them
// ("amo, amavi, amatum", "regis, m.", "acris, acre"), with the editor's
// rules where they reach. `wortart` narrows the choice (0 = from the parts).
// Returns an empty text when the entry is settled, else a German reason why
// the row is ambiguous or unreadable; the entry is then left as it came.
QString KlasseErmitteln(TVokabel &v, const QString &stammformen, int32_t wortart = 0);

} // namespace lexovita
