#pragma once

#include "model/fehler.h"
#include "store/datenmanager.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

namespace lexovita {

// The large lexicon: lemmas of the installed Collatinus data with German
// meanings from Collatinus and FreeDict, kept in lex_* tables beside the
// user's vocabulary. Nobody edits it; importing again replaces it whole.

// A source that is missing or cannot be read. The old lexicon stays.
class LexikonFehler : public TFehler {
  public:
    explicit LexikonFehler(const QString &meldung) : TFehler(meldung) {}
};

struct TLexikonQuellen {
    QString collatinus; // folder with lemmes.la, modeles.la, irregs.la, lemmes.de ...
    QString freedict;   // folder with freedict-lat-deu.index and .dict.dz; empty: none
    // Where the Debian packages put them.
    static TLexikonQuellen Installiert();
    // Both sets of files in one folder (the command line's --quelle).
    static TLexikonQuellen InOrdner(const QString &ordner);
    bool CollatinusVorhanden() const;
    bool FreedictVorhanden() const;
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

// True when a text given as German is French: it equals (or is mostly) the
// French gloss of the same lemma, or its words are French rather than German.
bool FranzoesischerText(const QString &text, const QString &franzoesisch = {});

// Imports the lexicon from the sources into the database in one
// transaction. `fortschritt` gets (done, total) and returns false to
// cancel; a cancelled or failed import leaves the old lexicon and throws
// LexikonFehler with a German message.
TLexikonBericht LexikonImportieren(TDatenmanager &daten, const TLexikonQuellen &quellen,
                                   const std::function<bool(int, int)> &fortschritt = {});

struct TLexikonStand {
    int eintraege = 0;
    QString datum;  // "yyyymmddhhnnss" of the import, empty if never
    QString quelle; // the folders read
};
TLexikonStand LexikonStand(TDatenmanager &daten);

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

// Key forms of an entry as the look-up and the analysis show them: for a
// verb its first, perfect and participle forms, else headword and parts.
QString Schluesselformen(const QStringList &laengen, int32_t wortart);

// Lemmas whose headword or Collatinus canonical form equals `wort` (without
// quantities, letter case, j/i and u/v differences), most frequent first.
std::vector<TLexikonLemma> LexikonSuchen(TDatenmanager &daten, const QString &wort);
// One lemma by id; id 0 if there is none.
TLexikonLemma LexikonLemma(TDatenmanager &daten, int32_t id);

} // namespace lexovita
