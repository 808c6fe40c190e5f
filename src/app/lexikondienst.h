#pragma once

#include "app/auftrag.h"
#include "model/zeilen.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace lexovita {

class TDatenmanager;
class TVokabel;

// What a window shows about the large lexicon.
struct TLexikonStatus {
    bool collatinus = false; // package data found
    bool freedict = false;
    QString warumNicht; // German sentence why the import is unavailable, empty if it is available
    int eintraege = 0;
    QString datum; // "yyyymmddhhnnss" of the last import, empty if none
};
TLexikonStatus LexikonStatus(TDatenmanager &daten, const TLexikonQuellen &quellen = TLexikonQuellen::Installiert());

// The import as a job: overall progress over the lemmas, cancel between
// them; cancelled or failed, the old lexicon stays.
class TLexikonImportAuftrag : public TAuftrag {
  public:
    explicit TLexikonImportAuftrag(TLexikonQuellen quellen = TLexikonQuellen::Installiert())
        : m_quellen(std::move(quellen))
    {
    }
    void Ausfuehren(TAuftragsKontext &kontext) override;
    const TLexikonBericht &Bericht() const { return m_bericht; }

  private:
    TLexikonQuellen m_quellen;
    TLexikonBericht m_bericht;
};

// Taking a lexicon lemma over as an entry of the user's vocabulary.
struct TUebernahme {
    int32_t vokabelId = 0;  // the new or the existing entry; 0 if the lemma does not exist
    bool vorhanden = false; // an entry with that headword and word class was there already
};

// Makes a real entry from lexicon lemma `lexikonId`: headword, principal
// parts, word class, inflection class, gender and flags, the German
// meanings in their groups, the special forms, and the long vowels of
// headword and principal parts. An entry with the same headword and
// word class is offered instead of storing a second one.
TUebernahme LexikonLemmaUebernehmen(TDatenmanager &daten, int32_t lexikonId);

// The same entry, built but not stored, for the editor to fill its pages
// from; false if the lemma does not exist.
bool LexikonEintragBauen(TDatenmanager &daten, int32_t lexikonId, TVokabel &v);

// Homographs of a headword with key forms and meanings, most frequent first.
std::vector<TLexikonLemma> LexikonNachschlagen(TDatenmanager &daten, const QString &wort);

class TAnwendungskern;
// The same on the core's database, for the command line.
std::vector<TLexikonLemma> LexikonNachschlagen(TAnwendungskern &kern, const QString &wort);
// The import on the calling thread; `fortschritt(erledigt, gesamt)` returns
// false to cancel.
TLexikonBericht LexikonEinlesen(TAnwendungskern &kern, const TLexikonQuellen &quellen,
                                const std::function<bool(int, int)> &fortschritt);

} // namespace lexovita
