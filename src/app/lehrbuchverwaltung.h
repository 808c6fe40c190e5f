#pragma once

#include "model/lektion.h"
#include "model/rueckfrage.h"
#include "model/zeilen.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

namespace lexovita {

class TDatenmanager;
class TLektionsSpeicher;

// What the textbook management window is opened for. The values are those
// the lesson commands pass; any other value means plain management.
enum TVerwaltungsModus : int {
    VM_VERWALTEN = 0,
    VM_SPEICHERN_UNTER = 1,
    VM_OEFFNEN = 2,
    VM_ANHAENGEN = 4,
};

// The choice handed back to the lesson command that opened the window.
struct TVerwaltungsAuswahl {
    bool bestaetigt = false;
    QString name;           // trimmed
    int32_t lehrbuchId = 0; // 0 = none
    QString lehrbuch;       // the chosen textbook's name
    int32_t lektionId = 0;  // 0 = store as a new lesson
};

// The rules of the textbook management window, without widgets: which
// textbook and lesson are chosen, what OK means in each mode, and the
// changes to textbooks and lessons with their questions. Every change runs
// through TLektionsSpeicher (one transaction each, bound values only).
class TLehrbuchverwaltung {
  public:
    TLehrbuchverwaltung(TDatenmanager &daten, IRueckfrage &rueckfrage, int modus);
    ~TLehrbuchverwaltung();
    TLehrbuchverwaltung(const TLehrbuchverwaltung &) = delete;
    TLehrbuchverwaltung &operator=(const TLehrbuchverwaltung &) = delete;

    static bool OeffnenSichtbar(int modus) { return modus == VM_OEFFNEN || modus == VM_ANHAENGEN; }
    static bool SpeichernSichtbar(int modus) { return modus == VM_SPEICHERN_UNTER; }
    // Only storing under a new name uses the proposed name.
    static QString Startname(int modus, const QString &vorschlag)
    {
        return modus == VM_SPEICHERN_UNTER ? vorschlag : QString();
    }
    static QString ExportVorschlag(const QString &lehrbuch) { return lehrbuch + QStringLiteral(".xml"); }

    int Modus() const { return m_modus; }
    // Save mode asks before an existing lesson is chosen; a caller that
    // adds to the lesson rather than replacing it asks itself, if at all.
    void SetUeberschreibenFragen(bool fragen) { m_ueberschreibenFragen = fragen; }

    // Reloads the textbooks (table order) and returns the row to select: the
    // remembered textbook if it still exists, else the first; -1 when empty.
    int Aktualisieren(int32_t gemerktesLehrbuch);
    const std::vector<TLehrbuchZeile> &Lehrbuecher() const { return m_lehrbuecher; }
    const TLehrbuchZeile *Lehrbuch(int32_t id) const;

    // The chosen textbook (0 = none) and its lessons in table order.
    void LehrbuchWaehlen(int32_t id);
    int32_t GewaehltesLehrbuch() const { return m_lehrbuch; }
    const std::vector<TLektionZeile> &Lektionen() const { return m_lektionen; }
    const TLektionZeile *Lektion(int32_t id) const;

    // OK in the choosing modes. `markiert` is the selected lesson row (0 if
    // none): among lessons of equal name it is the one meant. Returns true
    // when the window closes with a confirmed choice (see Auswahl()); false
    // leaves it open: empty name, no textbook, declined overwrite, a name
    // that matches no lesson when opening, or plain management.
    bool Bestaetigen(const QString &name, int32_t markiert = 0);
    const TVerwaltungsAuswahl &Auswahl() const { return m_auswahl; }

    // Each asks first where the user could lose data; true when done.
    bool LektionLoeschen(int32_t id);
    bool LehrbuchLoeschen(int32_t id);
    // A new textbook "Neues Lehrbuch"; returns its id.
    int32_t LehrbuchNeu();
    // Names are stored as typed; an empty (blank) name is refused, since such
    // a lesson could never be chosen again.
    bool LehrbuchUmbenennen(int32_t id, const QString &name);
    bool LektionUmbenennen(int32_t id, const QString &name);
    // Moves a lesson into another existing textbook and reloads the lessons.
    bool LektionVerschieben(int32_t lektionId, int32_t lehrbuchId);
    // Writes the textbook as a lesson file (".xml" appended when missing) and
    // returns the message to show. Throws TLektionsdateiFehler or
    // DatenbankFehler with a German text.
    QString LehrbuchExportieren(int32_t id, const QString &datei, const QString &vorlagenOrdner);

    // Deleted during this use, so the caller can detach open copies.
    const std::vector<int32_t> &GeloeschteLehrbuecher() const { return m_geloeschteLehrbuecher; }
    const std::vector<int32_t> &GeloeschteLektionen() const { return m_geloeschteLektionen; }

  private:
    bool Frage(const QString &text);
    void LektionenLaden();

    IRueckfrage &m_rueckfrage;
    std::unique_ptr<TLektionsSpeicher> m_speicher;
    int m_modus;
    bool m_ueberschreibenFragen = true;
    std::vector<TLehrbuchZeile> m_lehrbuecher;
    std::vector<TLektionZeile> m_lektionen;
    int32_t m_lehrbuch = 0;
    TVerwaltungsAuswahl m_auswahl;
    std::vector<int32_t> m_geloeschteLehrbuecher;
    std::vector<int32_t> m_geloeschteLektionen;
};

// Lessons an import stored: every lesson stored after a remembered highest
// id (single user: nothing else writes lessons meanwhile).
struct TNeueLektion {
    int32_t id = 0;
    QString name;
    QString lehrbuch;
    QString Anzeige() const { return lehrbuch + QStringLiteral(" – ") + name; }
};
int32_t LetzteLektionsId(TDatenmanager &daten);
std::vector<TNeueLektion> LektionenNach(TDatenmanager &daten, int32_t letzteId);

// The rules of the lesson properties window: new name, textbook (created
// after asking when missing) and notes of a lesson. A stored lesson's name
// and textbook are written at once, in one transaction.
class TLektionseigenschaften {
  public:
    TLektionseigenschaften(TDatenmanager &daten, IRueckfrage &rueckfrage);
    ~TLektionseigenschaften();
    TLektionseigenschaften(const TLektionseigenschaften &) = delete;
    TLektionseigenschaften &operator=(const TLektionseigenschaften &) = delete;

    QStringList LehrbuchNamen();
    static QString LehrbuchFrage(const QString &name);

    // Applies the window's fields to the lesson. A blank name or textbook
    // leaves that part unchanged, as does declining to create a missing
    // textbook. Changes that are only in memory (notes, or anything of a
    // never stored lesson) mark the lesson modified so they are not lost.
    void Uebernehmen(TLektion &lektion, const QString &name, const QString &lehrbuch, const QStringList &notizen);

  private:
    TDatenmanager &m_daten;
    IRueckfrage &m_rueckfrage;
    std::unique_ptr<TLektionsSpeicher> m_speicher;
};

} // namespace lexovita
