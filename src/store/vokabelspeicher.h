#pragma once

#include "model/rueckfrage.h"
#include "model/vokabel.h"
#include "store/datenmanager.h"

#include <QString>
#include <cstdint>

namespace lexovita {

// Stores an edited entry with everything that hangs on it: the database side
// of the vocabulary editor's OK. Each store runs in one transaction; the
// duplicate questions go through IRueckfrage before anything is written.
//
// The special forms written are the entry's `sonderformen` (the editor puts
// its edited list there before storing).
class TVokabelSpeicher {
  public:
    enum class Ergebnis { Gespeichert, NichtGespeichert };

    TVokabelSpeicher(TDatenmanager &daten, IRueckfrage &rueckfrage) : daten_(daten), rueckfrage_(rueckfrage) {}

    // VokabelAktualisieren for an entry with id > 0, else VokabelAnlegen.
    Ergebnis Speichern(TVokabel &eintrag);

    // Inserts a new row; on success the entry's id and aktualisierung are
    // the stored ones. An existing entry with the same headword and word
    // class raises the question "Gleichlautende Vokabel": Yes replaces it
    // (in every lesson), No (the default) stores a second one, Cancel
    // stores nothing.
    Ergebnis VokabelAnlegen(TVokabel &eintrag);

    // Updates the stored row of eintrag.id and replaces its dependent rows.
    // If the new headword and word class belong to another entry, the user is
    // asked; Yes moves that entry's lesson memberships here and deletes it,
    // No stores nothing. The time stamp moves on only if the entry changed.
    // If the row vanished meanwhile, the entry is stored as a new one.
    Ergebnis VokabelAktualisieren(TVokabel &eintrag);

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

    // Question texts, public so that dialogs and tests share them.
    static QString GleichlautendText(const QString &vokabel);
    static QString UeberschreibenText(const TVokabel &gespeichert, const TVokabel &neu);

  private:
    int32_t AndereMitGleichemWort(const TVokabel &eintrag, int32_t ausser);
    void AbhaengigeLoeschen(int32_t id);
    void AbhaengigeSchreiben(const TVokabel &eintrag, int32_t id);

    TDatenmanager &daten_;
    IRueckfrage &rueckfrage_;
};

} // namespace lexovita
