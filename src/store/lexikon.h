#pragma once

#include "store/schicht.h"

#include "model/fehler.h"
#include "model/zeilen.h"
#include "store/datenmanager.h"

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

// Key forms of an entry as the look-up and the analysis show them: for a
// verb its first, perfect and participle forms, else headword and parts.
QString Schluesselformen(const QStringList &laengen, int32_t wortart);

// Lemmas whose headword or Collatinus canonical form equals `wort` (without
// quantities, letter case, j/i and u/v differences), most frequent first.
std::vector<TLexikonLemma> LexikonSuchen(TDatenmanager &daten, const QString &wort);
// One lemma by id; id 0 if there is none.
TLexikonLemma LexikonLemma(TDatenmanager &daten, int32_t id);

} // namespace lexovita
