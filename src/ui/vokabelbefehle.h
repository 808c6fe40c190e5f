#pragma once

#include "model/lektion.h"

#include <QList>
#include <QUndoCommand>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace lexovita {

class TAnwendungskern;
class TLektionssitzung;
class TVokabel;

// The undoable commands of a lesson's entry list. Each works on the
// session's current lesson, which is the lesson whose undo history is active;
// the session marks the lesson and announces the rows.

// "Vokabel hinzufügen": appends the stored entry.
class TVokabelAnhaengenBefehl : public QUndoCommand {
  public:
    TVokabelAnhaengenBefehl(TLektionssitzung &sitzung, int32_t id);
    void redo() override;
    void undo() override;

  private:
    TLektionssitzung &m_sitzung;
    int32_t m_id;
    int m_zeile = -1;
    std::vector<std::pair<int, std::unique_ptr<TVokabel>>> m_entfernt;
};

// "Vokabeln aus Liste einfügen": appends the stored entries in one step.
class TVokabelnAnhaengenBefehl : public QUndoCommand {
  public:
    TVokabelnAnhaengenBefehl(TLektionssitzung &sitzung, std::vector<int32_t> ids);
    void redo() override;
    void undo() override;

  private:
    TLektionssitzung &m_sitzung;
    std::vector<int32_t> m_ids;
    QList<int> m_zeilen; // where they went, once appended
    std::vector<std::pair<int, std::unique_ptr<TVokabel>>> m_entfernt;
};

// "Vokabel entfernen": removes the rows and keeps the entries to put them back.
class TVokabelnEntfernenBefehl : public QUndoCommand {
  public:
    TVokabelnEntfernenBefehl(TLektionssitzung &sitzung, QList<int> zeilen);
    void redo() override;
    void undo() override;

  private:
    TLektionssitzung &m_sitzung;
    QList<int> m_zeilen;
    std::vector<std::pair<int, std::unique_ptr<TVokabel>>> m_entfernt;
};

// "Vokabel nach oben", "Vokabel nach unten" and dragging a row.
class TVokabelVerschiebenBefehl : public QUndoCommand {
  public:
    enum class Art { Oben, Unten, Ziehen };
    TVokabelVerschiebenBefehl(TLektionssitzung &sitzung, Art art, int von, int nach = -1);
    void redo() override;
    void undo() override;
    int Nach() const { return m_nach; }

  private:
    TLektionssitzung &m_sitzung;
    Art m_art;
    int m_von;
    int m_nach;
    bool m_erstes = true;
};

// Sorting by a column header.
class TVokabelnSortierenBefehl : public QUndoCommand {
  public:
    TVokabelnSortierenBefehl(TLektionssitzung &sitzung, TSpalte spalte);
    void redo() override;
    void undo() override;

  private:
    TLektionssitzung &m_sitzung;
    TSpalte m_spalte;
    QList<int> m_herkunft;
};

// The editor stored a new version of an entry of the list: undo stores the
// previous version again, so the dictionary and every lesson agree.
class TVokabelBearbeitenBefehl : public QUndoCommand {
  public:
    // `vorher` and `nachher` are the entry before and after editing; the
    // editor has stored `nachher` already.
    TVokabelBearbeitenBefehl(TAnwendungskern &kern, std::unique_ptr<TVokabel> vorher,
                             std::unique_ptr<TVokabel> nachher);
    ~TVokabelBearbeitenBefehl() override;
    void redo() override;
    void undo() override;

  private:
    void Speichern(const TVokabel &v);

    TAnwendungskern &m_kern;
    std::unique_ptr<TVokabel> m_vorher, m_nachher;
    bool m_erstes = true;
};

} // namespace lexovita
