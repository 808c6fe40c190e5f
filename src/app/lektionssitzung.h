#pragma once

#include "app/lehrbuchverwaltung.h"
#include "model/lektion.h"
#include "model/rueckfrage.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace lexovita {

class IUhr;
class TDatenmanager;

// What the textbook management hands back when it was opened to choose a
// place or a lesson, with what was deleted while it was open.
struct TLehrbuchwahl : TVerwaltungsAuswahl {
    // "Neue Lektion" was chosen: a new lesson is opened instead.
    bool neueLektion = false;
    std::vector<int32_t> geloeschteLehrbuecher;
    std::vector<int32_t> geloeschteLektionen;
};

// The choices only a person can make, shown by the windows. Tests answer
// them from a script.
class ILektionsdialoge {
  public:
    virtual ~ILektionsdialoge() = default;
    // The textbook management as chooser in the given TVerwaltungsModus.
    virtual TLehrbuchwahl LehrbuchWaehlen(int modus, const QString &vorschlag) = 0;
    // The file for "Als XML-Datei exportieren...", "Als CSV-Datei
    // exportieren..." and "Als Karteikarten exportieren..." ("" = cancelled);
    // the proposal's ending tells which kind of file is meant.
    virtual QString ExportDateiWaehlen(const QString &vorschlag) = 0;
    // The lesson properties, modally.
    virtual void EigenschaftenBearbeiten(TLektion &lektion) = 0;
    // Long database work begins (true) or ends (false), e.g. for a wait cursor.
    virtual void Beschaeftigt(bool an) { (void)an; }
};

// The open lessons and their commands: new, open, save, save as, append,
// close with the save question, properties, export, and the commands on the
// current lesson's entry list. Windows call these and show what the signals
// say changed; the rules live here, so the commands run without any window.
// Every change of entries or their order goes through here and marks the
// lesson modified in this one place.
class TLektionssitzung : public QObject {
    Q_OBJECT
  public:
    TLektionssitzung(TDatenmanager &daten, IRueckfrage &rueckfrage, const IUhr &uhr, QObject *parent = nullptr);
    ~TLektionssitzung() override;

    // Must outlive the session's use; without it choosing commands do nothing.
    void SetDialoge(ILektionsdialoge *dialoge) { m_dialoge = dialoge; }
    // Folder of the templates the lesson file refers to (with a trailing separator).
    void SetVorlagenOrdner(const QString &ordner) { m_vorlagen = ordner; }

    TLektionManager &Lektionen() { return m_lektionen; }
    TLektion *Aktuell() const { return m_lektionen.Aktuell(); }
    TLektionsAnsicht &Ansicht(const TLektion *lektion) { return m_lektionen.Ansicht(lektion); }

    // The current lesson's text and notes are owned here; the editors write
    // every change through these. A real change marks the lesson modified.
    void TextSetzen(const QString &text);
    void NotizenSetzen(const QString &notizen);
    QString Text() const;
    QString Notizen() const;

    // Marks the current lesson modified by a change outside its entry list
    // (announced as a header change).
    void Markieren();
    // An undo history of the entry list reached (sauber) or left the state
    // last saved: the mark follows, unless something else was changed since.
    void ListenstandSetzen(bool sauber);

    void Neu();
    // Both return false when the lesson was not stored (the chooser was
    // cancelled, or its textbook is gone and no new place was chosen).
    bool Speichern(TLektion *lektion = nullptr);
    bool SpeichernUnter(TLektion *lektion = nullptr);
    void Oeffnen();
    // Opens the stored lesson, or makes its open copy current: two diverging
    // copies of one stored lesson would overwrite each other.
    // An untouched new lesson (never stored, nothing typed) closes then.
    void GespeicherteOeffnen(int32_t id);
    // First start: opens the first lesson of the first textbook that has
    // one; false when there is none.
    bool ErsteLektionOeffnen();
    void Anhaengen();
    // Asks the save question for a modified lesson (Ja/Nein/Abbrechen, "Ja"
    // preselected). False when it was cancelled, or saving was wanted but did
    // not happen: the lesson stays open.
    bool Schliessen(TLektion *lektion = nullptr);
    // Program end: the save question for every modified lesson in the order
    // they were opened. False keeps the program open.
    bool Beenden();
    // Restoring a backup: all lessons close without the save question (the
    // restore would overwrite whatever was saved) and one new lesson opens.
    void AlleSchliessen();
    void Eigenschaften();
    // Writes the lesson file with the stored special forms of every entry.
    bool Exportieren();
    // The current lesson as a word list for spreadsheets, or as a file for
    // flash-card apps with forms tables for verbs, nouns and adjectives.
    bool TabelleExportieren();
    bool KarteikartenExportieren();
    bool TabWaehlen(int tab);
    // Appends the stored entry with this id to the current lesson and marks
    // it modified; false for an unknown entry. Only an undoable caller (one
    // that keeps it in the lesson's undo history) passes `rueckgaengigBar`:
    // otherwise going back in that history must not clear the mark.
    bool VokabelAnhaengen(int32_t id, bool rueckgaengigBar = false);

    // The current lesson's entry list. Each command marks the lesson modified
    // when it changed something and announces the rows it touched.
    // Removes the rows; returns the removed entries with their former rows,
    // ascending, so that they can be put back.
    std::vector<std::pair<int, std::unique_ptr<TVokabel>>> VokabelnEntfernen(QList<int> zeilen);
    // Puts entries back at the given rows (ascending, as VokabelnEntfernen returns them).
    void VokabelnEinfuegen(std::vector<std::pair<int, std::unique_ptr<TVokabel>>> vokabeln);
    // Moves one entry so that it ends up at row `nach`.
    bool VokabelVerschieben(int von, int nach);
    // Up and down wrap round at the ends; both return the entry's new row, -1 for an invalid row.
    int VokabelNachOben(int zeile);
    int VokabelNachUnten(int zeile);
    // Sorts by a column ("Nr" does nothing). Returns for every new row the
    // row it came from; empty when nothing moved.
    QList<int> VokabelnSortieren(TSpalte spalte);
    // Puts the entries into a new order: new row i takes old row herkunft[i].
    bool VokabelnAnordnen(const QList<int> &herkunft);
    // The rows of the current lesson whose entry has this id were rewritten
    // elsewhere (the editor replaces every copy): announce them and mark the lesson.
    void VokabelAktualisiert(int32_t id);
    // The entry list of an open lesson was rewritten wholesale by another
    // window: marks it modified and announces it (views start afresh).
    void VokabelnNeuGesetzt(TLektion *lektion);
    // The entry was deleted from the database: its rows leave every open
    // lesson, which is then marked modified. Returns the rows removed.
    int VokabelUeberallEntfernen(int32_t id);
    // Entries another window wants stored into the stored lesson `lektionId`
    // while it is open here: they go into the open copy instead (appended,
    // or replacing its entries), which is marked modified, so that saving
    // the open copy later cannot drop them. False when it is not open.
    bool InOffeneLektion(int32_t lektionId, const std::vector<int32_t> &ids, bool hinzufuegen);
    // Textbooks and lessons deleted in a chooser opened by another window:
    // open copies must then be saved to a new place.
    void LoeschungenAnwenden(const TLehrbuchwahl &wahl);

  signals:
    // Another lesson became current, or the current one was read afresh:
    // editors are rebuilt only on this.
    void lektionGewechselt();
    // The lesson is about to be freed.
    void lektionGeschlossen(TLektion *lektion);
    // The lesson was stored: what it holds now is the saved state.
    void gespeichert(TLektion *lektion);
    // Names, modified marks or the set of open lessons changed.
    void kopfGeaendert();
    // The current lesson's text or notes were changed by a command, not by
    // their editor (which writes through TextSetzen and NotizenSetzen).
    void textGeaendert();
    void notizenGeaendert();
    // Rows of the current lesson's entry list, announced around the change
    // like an item model does.
    void vokabelnEinfuegenBeginnt(int erste, int letzte);
    void vokabelnEingefuegt();
    void vokabelnEntfernenBeginnt(int erste, int letzte);
    void vokabelnEntfernt();
    // `vor` is the row the entry is put before, counted before the move.
    void vokabelVerschiebenBeginnt(int von, int vor);
    void vokabelVerschoben();
    void reihenfolgeAendernBeginnt();
    // New row i holds the entry of old row herkunft[i].
    void reihenfolgeGeaendert(const QList<int> &herkunft);
    void vokabelnGeaendert(int erste, int letzte);
    // The whole entry list of this lesson was replaced (append a stored
    // lesson, an entry deleted from the dictionary, another window's list).
    void vokabelnNeu(TLektion *lektion);

  private:
    TLehrbuchwahl Lehrbuchwahl(int modus, const QString &vorschlag);
    void Beschaeftigt(bool an);
    // The entry-list commands' mark; Markieren() also notes a change beyond the list.
    void Markieren(TLektion *lektion);
    void AlsGespeichertMerken(TLektion *lektion);
    // The save question; Ja stores. False when cancelled or storing failed.
    bool SpeichernFragen(TLektion *lektion);

    TDatenmanager &m_daten;
    IRueckfrage &m_rueckfrage;
    const IUhr &m_uhr;
    ILektionsdialoge *m_dialoge = nullptr;
    QString m_vorlagen;
    TLektionManager m_lektionen;
    // Open lessons changed beyond their entry list since they were opened or saved.
    QSet<const TLektion *> m_anders;
};

} // namespace lexovita
