#pragma once

#include "app/lehrbuchverwaltung.h"
#include "model/lektion.h"
#include "model/rueckfrage.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
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
// close with the save question, properties, export. Windows call these and
// show the result when `anzeigen` or `kopfGeaendert` arrive; the rules live
// here, so the commands run without any window.
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

    // Marks the current lesson modified after an entry-list command.
    void Markieren();

    void Neu();
    // Both return false when the lesson was not stored (the chooser was
    // cancelled, or its textbook is gone and no new place was chosen).
    bool Speichern(TLektion *lektion = nullptr);
    bool SpeichernUnter(TLektion *lektion = nullptr);
    void Oeffnen();
    // Opens the stored lesson, or makes its open copy current: two diverging
    // copies of one stored lesson would overwrite each other.
    void GespeicherteOeffnen(int32_t id);
    void Anhaengen();
    // Asks the save question for a modified lesson ("Nein" preselected).
    // False when saving was wanted but did not happen: the lesson stays open.
    bool Schliessen(TLektion *lektion = nullptr);
    // Program end: the save question for every modified lesson in the order
    // they were opened. False keeps the program open.
    bool Beenden();
    // Restoring a backup: the save question for every modified lesson, then
    // all lessons close and one new lesson opens. False keeps them open.
    bool AlleSchliessen();
    void Eigenschaften();
    // Writes the lesson file with the stored special forms of every entry.
    bool Exportieren();
    // The current lesson as a word list for spreadsheets, or as a file for
    // flash-card apps with forms tables for verbs, nouns and adjectives.
    bool TabelleExportieren();
    bool KarteikartenExportieren();
    bool TabWaehlen(int tab);
    // Appends the stored entry with this id to the current lesson and marks
    // it modified; false for an unknown entry.
    bool VokabelAnhaengen(int32_t id);
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
    // The current lesson changed or was re-read: show all of it again.
    void anzeigen();
    // Names, modified marks or the set of open lessons changed.
    void kopfGeaendert();

  private:
    TLehrbuchwahl Lehrbuchwahl(int modus, const QString &vorschlag);
    void Beschaeftigt(bool an);

    TDatenmanager &m_daten;
    IRueckfrage &m_rueckfrage;
    const IUhr &m_uhr;
    ILektionsdialoge *m_dialoge = nullptr;
    QString m_vorlagen;
    TLektionManager m_lektionen;
};

} // namespace lexovita
