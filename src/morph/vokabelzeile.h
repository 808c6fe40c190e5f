#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace lexovita {

// One line of a word list as pupils copy it from a textbook or a teacher's
// sheet: "amo, amavi, amatum – lieben", "puella, -ae f. Mädchen",
// "laudāre, laudō, laudāvī, laudātum loben", "amare". Nothing here knows the
// database; the line is only taken apart.
struct TListenzeile {
    QString text;      // the line as pasted, trimmed
    QString stichwort; // the first Latin word as written (lengths kept)
    // The further Latin forms in order, abbreviated endings written out
    // ("-ae" after "puella" gives "puellae"); a dash for a part that does not
    // exist ("timeo, timui, –") stays as an empty entry.
    QStringList formen;
    QString genus;   // "m", "f", "n", "p" (m./f.) or empty
    QString deutsch; // the German part as written, empty if none
    // False for a line that holds no Latin word: a heading ("Lektion 3",
    // "Vokabeln:"), page numbers, rules of dashes.
    bool lesbar = false;
};

// Takes one line apart. Numbering ("1.", "12)", "a)") and bullets ("•", "-",
// "*") in front are dropped. Latin and German are separated by a tab, a
// dash between spaces, a colon, or else where the comma-joined Latin forms
// and their gender abbreviation end.
TListenzeile ListenzeileLesen(const QString &zeile);

// Every line of a pasted text that is not empty, in order (unreadable lines
// included, with `lesbar` false).
std::vector<TListenzeile> ListeLesen(const QString &text);

// Writes out an abbreviated form after its headword as word lists do:
// "puella" + "-ae" gives "puellae", "dominus" + "-i" "domini", "pater" +
// "-tris" "patris", "corpus" + "-oris" "corporis", "consul" + "-is"
// "consulis". A form without a leading dash comes back as it is.
QString EndungErgaenzen(const QString &stichwort, const QString &kurz);

// The infinitive a verb line beginning with the first person stands for:
// "amo" with "amavi" gives "amare", "moneo" "monere", "audio" with "audivi"
// "audire", "capio" "capere", "hortor" with "hortatus sum" "hortari",
// "sequor" "sequi". Empty when the first form is no first person or the
// other forms are not a verb's.
QString InfinitivAusErsterPerson(const QString &erste, const QStringList &weitere);

// A Latin word folded for comparison: without lengths, lower case, j as i
// and v as u (as the lexicon's keys are).
QString ListenSchluessel(const QString &wort);

} // namespace lexovita
