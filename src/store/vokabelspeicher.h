#pragma once

#include "store/schicht.h"

#include "model/vokabel.h"
#include "store/datenmanager.h"

#include <QString>
#include <cstdint>

namespace lexovita {

// Stores an edited entry with everything that hangs on it: the database side
// of the vocabulary editor's OK. Each store runs in one transaction. It never
// asks: a headword that is taken comes back as the conflict, nothing is
// written, and the caller asks the user and stores again with the answer.
//
// The special forms written are the entry's `sonderformen` (the editor puts
// its edited list there before storing).
class TVokabelSpeicher {
  public:
    enum class Ausgang {
        Gespeichert,
        Gleichlautend, // a new entry: another one has the same headword and word class
        Belegt,        // an edited entry: its new headword and word class belong to another one
    };
    struct Ergebnis {
        Ausgang ausgang = Ausgang::Gespeichert;
        int32_t andere = 0;    // the entry in the way
        QString bisherVokabel; // Belegt: the edited entry's headword and word class as stored
        int32_t bisherWortart = 0;
        bool Gespeichert() const { return ausgang == Ausgang::Gespeichert; }
        friend bool operator==(const Ergebnis &e, Ausgang a) { return e.ausgang == a; }
    };
    // What to do about a conflict on this call.
    enum class Loesung {
        Melden,   // store nothing, return the conflict
        Ersetzen, // the other entry goes; an edited entry takes over its lesson memberships
        Daneben,  // only for a new entry: store a second one beside the namesake
    };

    explicit TVokabelSpeicher(TDatenmanager &daten) : m_daten(daten) {}

    // VokabelAktualisieren for an entry with id > 0, else VokabelAnlegen.
    Ergebnis Speichern(TVokabel &eintrag, Loesung loesung = Loesung::Melden);

    // Inserts a new row; on success the entry's id and aktualisierung are
    // the stored ones. An existing entry with the same headword and word
    // class is Gleichlautend unless `loesung` settles it.
    Ergebnis VokabelAnlegen(TVokabel &eintrag, Loesung loesung = Loesung::Melden);

    // Updates the stored row of eintrag.id and replaces its dependent rows.
    // If the new headword and word class belong to another entry, that is
    // Belegt; only Ersetzen stores then, moving that entry's lesson
    // memberships here and deleting it. The time stamp moves on only if the
    // entry changed. If the row vanished meanwhile, the entry is stored as a
    // new one.
    Ergebnis VokabelAktualisieren(TVokabel &eintrag, Loesung loesung = Loesung::Melden);

    // Inserts the entry's row and all its dependent rows without asking
    // anything, inside the caller's transaction; sets id and aktualisierung.
    void ZeileAnlegen(TVokabel &eintrag);

    // Writers of the dependent rows (run inside the caller's transaction).
    void BedeutungenSchreiben(const TVokabel &eintrag, int32_t id);
    void MerkhilfenSchreiben(const TVokabel &eintrag, int32_t id);
    void VerweiseSchreiben(const TVokabel &eintrag, int32_t id);
    void SonderformenSchreiben(const TVokabel &eintrag, int32_t id);
    void StaemmeSchreiben(const TVokabel &eintrag, int32_t id);
    void WortindexSchreiben(const TVokabel &eintrag, int32_t id);

  private:
    int32_t AndereMitGleichemWort(const TVokabel &eintrag, int32_t ausser);
    void AbhaengigeLoeschen(int32_t id);
    void AbhaengigeSchreiben(const TVokabel &eintrag, int32_t id);

    TDatenmanager &m_daten;
};

} // namespace lexovita
