#pragma once

#include "model/config.h"
#include "model/lektion.h"
#include "model/uhr.h"

#include <QString>
#include <vector>

namespace lexovita {

// One row of the oral drill: the question and, once revealed, the answer.
struct TMuendlicheZeile {
    int position = 0; // of the entry in the lesson
    QString frage;
    QString antwort; // "?" until revealed
    bool aufgedeckt = false;
};

// The oral drill's order and its reveal/back steps. Nothing is judged: the
// pupil reveals the answer and may step back to hide it again. The order is
// fixed when the drill starts, so stepping back and forth asks the same
// entries. Settings are read once, at the start.
class TMuendlicheAbfrage {
  public:
    // Lesson and random source must outlive the drill.
    TMuendlicheAbfrage(const TLektion &lektion, const TConfig &config, IZufall &zufall);

    // Lesson positions in the order of asking, each once.
    const std::vector<int> &Reihenfolge() const { return m_reihenfolge; }
    // The row being asked; Anzahl() once every row is revealed.
    int Aktuell() const { return m_aktuell; }
    int Anzahl() const { return static_cast<int>(m_reihenfolge.size()); }
    const std::vector<TMuendlicheZeile> &Zeilen() const { return m_zeilen; }

    // Reveals the current row and adds the next one; false when all were
    // revealed already.
    bool Naechste();
    // Hides the current row again, removing it unless it is the last
    // revealed one; false on the first row.
    bool Vorherige();

    // "Vokabel 2 von 5"; keeps the last row's number once all are revealed.
    QString Fortschritt() const;
    // Column headings: questions, answers.
    QString FragenUeberschrift() const;
    QString AntwortenUeberschrift() const;

  private:
    void ZeileAnhaengen(int position);
    void Aufdecken(TMuendlicheZeile &zeile, bool an) const;

    const TLektion &m_lektion;
    bool m_lateinDeutsch;
    bool m_stammformen;
    std::vector<int> m_reihenfolge;
    int m_aktuell = 0;
    std::vector<TMuendlicheZeile> m_zeilen;
};

} // namespace lexovita
