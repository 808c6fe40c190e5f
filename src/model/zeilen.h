#pragma once

#include "model/lektionsdatei.h"

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace lexovita {

// Rows and values that the store reads and writes and that the services
// hand on to the windows and the command line. Plain data here, so that
// neither the windows nor the command line need a store header.

// ---------------------------------------------------------------- database

// How a database folder is opened.
enum class TDatenbankModus {
    NurVorhandene,     // a missing database is an error
    AnlegenWennNoetig, // a missing database (and folder) is created empty
};

// What a source of the word-form analysis reads: the user's entries, or the
// large lexicon, whose rows have the same shape.
enum class TBestand { Vokabeln, Lexikon };

// ---------------------------------------------------------------- textbooks

// One row of the textbook list.
struct TLehrbuchZeile {
    int32_t id = 0;
    QString name;
};

// One row of the lesson list of a textbook, with the columns the textbook
// management shows.
struct TLektionZeile {
    int32_t id = 0;
    QString name;
    int32_t lehrbuch_id = 0;
    int32_t vokabeln = 0; // entry count at the last save
    bool hatText = false;
    QDateTime zugriff; // invalid when never recorded
    QDateTime erstellt;

    // "ja" / "nein" for the "Text" column.
    QString TextSpalte() const;
};

// ---------------------------------------------------------------- import

// Where an import stands, for the two progress bars of the import window
// ("Gesamt:" over the lessons of the file, "Aktuelle Lektion:" over the
// entries of the current lesson).
struct TImportStand {
    int lektionenGesamt = 0;
    int lektion = 0; // 1-based number of the current lesson
    QString lektionName;
    int vokabelnInLektion = 0;
    int vokabel = 0; // entries of the current lesson done so far
};

struct TImportErgebnis {
    int vokabelnAngelegt = 0;
    int vokabelnGefunden = 0; // matched to a stored entry
    int lektionenAngelegt = 0;
    int lehrbuecherAngelegt = 0;
    bool abgebrochen = false; // cancelled: nothing of the file was kept

    TImportErgebnis &operator+=(const TImportErgebnis &b);
};

// German summary line of an import.
QString ImportZusammenfassung(const TImportErgebnis &ergebnis);

// The state of one data row of a word list, as the import window lists it
// before anything is stored.
struct TTabellenzeile {
    int zeile = 0; // line in the file (1-based)
    QString vokabel;
    QString lehrbuch;
    QString lektion;
    bool gut = false;
    QString meldung; // "Verb, A-Konjugation" for a good row, else the German reason

    // "Zeile 7: ..." as the log writes it.
    QString Text() const;
};

// What a word list (CSV) holds: the entries of the good rows in textbooks
// and lessons, every row's state, and notes for the log (encoding, columns
// not read).
struct TVokabeltabelle {
    std::vector<TLehrbuchInhalt> buecher;
    std::vector<TTabellenzeile> zeilen;
    QStringList hinweise;

    int Fehlerhafte() const;
};

// ---------------------------------------------------------------- dictionary

// The three directions of the dictionary.
enum class TWoerterbuchModus { Latein, Deutsch, Merkhilfen };

// One row of the dictionary list: its text and, in the Latin list, the
// entry's id; in the German list the meaning's id; 0 for memory aids.
struct TWoerterbuchZeile {
    QString text;
    int32_t id = 0;
    // Where the row stands in the list: the next page begins after it.
    QString schluessel;
    int64_t rowid = 0;
};

// An entry a list row stands for.
struct TWoerterbuchTreffer {
    int32_t id = 0;
    QString vokabel;
};

// ---------------------------------------------------------------- lexicon

// Where the files of the large lexicon are read from.
struct TLexikonQuellen {
    QString collatinus; // folder with lemmes.la, modeles.la, irregs.la, lemmes.de ...
    QString freedict;   // folder with freedict-lat-deu.index and .dict.dz; empty: none
    // Where the Debian packages put them.
    static TLexikonQuellen Installiert();
    // Both sets of files in one folder (the command line's --quelle).
    static TLexikonQuellen InOrdner(const QString &ordner);
    bool CollatinusVorhanden() const;
    bool FreedictVorhanden() const;

    static constexpr const char *kFreedictIndex = "freedict-lat-deu.index";
    static constexpr const char *kFreedictDaten = "freedict-lat-deu.dict.dz";
};

// What an import did, for the user and for the note on coverage.
struct TLexikonBericht {
    int lemmata = 0;
    int abgebildet = 0; // lemmas whose model maps onto our classes
    int64_t frequenz = 0, frequenzAbgebildet = 0;
    QMap<QString, int> nichtAbgebildet;      // model -> lemmas kept as "Unbestimmt"
    int sonderformen = 0;                    // rows, irregular forms included
    QMap<QString, int> sonderformenJeModell; // where our generator differs from the model
    int deutschCollatinus = 0;               // lemmas with German from Collatinus
    int deutschFreedict = 0;                 // lemmas whose German comes from FreeDict only (added to others otherwise)
    int deutschAbgeleitet = 0;               // borrowed from the lemma the word refers to or is formed from
    int deutschName = 0;                     // names without a meaning: the name itself
    int franzoesisch = 0;                    // Collatinus "German" texts found to be French
    int ohneDeutsch = 0;
    QStringList hinweise; // German remarks (e.g. FreeDict not installed)
};

// One lexicon lemma with what a look-up shows.
struct TLexikonLemma {
    int32_t id = 0;
    QString stichwort;        // headword as our entries spell it
    QStringList laengen;      // headword and principal parts with quantities
    QString schluesselformen; // "amo, amavi, amatum"
    int32_t wortart = 3, konjDekl = 0, attribute = 0;
    QString form1, form2, form3;
    QString modell;
    int frequenz = 0;
    // German meanings by group (each a list of positions), and the others.
    std::vector<QStringList> deutsch;
    QString deutschQuelle; // "collatinus", "freedict" or both joined by "+"
    QStringList englisch, franzoesisch;
};

} // namespace lexovita
