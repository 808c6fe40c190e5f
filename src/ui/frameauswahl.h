#pragma once

#include "model/vokabel.h"

#include <QFrame>
#include <memory>
#include <vector>

class QLabel;
class QToolButton;

namespace lexovita {

// The candidate panel beside the quick-add field: shows one of the headword
// search hits at a time, with buttons to step through them.
class TframeAuswahl : public QFrame {
    Q_OBJECT
  public:
    using Liste = std::vector<std::unique_ptr<TVokabel>>;

    explicit TframeAuswahl(QWidget *parent = nullptr);
    ~TframeAuswahl() override;

    // Replaces (and frees) the old list and shows the first candidate.
    void ListeSetzen(Liste liste);
    int Anzahl() const { return static_cast<int>(m_liste.size()); }
    int Index() const { return m_index; }
    // The shown candidate, or nullptr for an empty list.
    const TVokabel *Aktuell() const;

    void Runter(); // stops at the last candidate
    void Hoch();   // stops at the first candidate

  signals:
    void geaendert();

  private:
    void Anzeigen();

    Liste m_liste;
    int m_index = 0;
    QLabel *lblNummer;
    QLabel *lblVokabel;
    QLabel *lblWortart;
    QLabel *lblFormen;
    QToolButton *btnHoch;
    QToolButton *btnRunter;
};

} // namespace lexovita
