#pragma once

#include <QGroupBox>
#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace lexovita {

// Two bars side by side: right answers in green, wrong ones in red, scaled
// to the larger count.
class TBalkendiagramm : public QWidget {
    Q_OBJECT
  public:
    explicit TBalkendiagramm(QWidget *parent = nullptr);
    void Setzen(int richtige, int falsche);
    int Richtige() const { return m_richtige; }
    int Falsche() const { return m_falsche; }
    QSize sizeHint() const override { return {160, 120}; }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    int m_richtige = 0;
    int m_falsche = 0;
};

// The score of a drill: counts, percentages and the chart.
class TPunktestand : public QGroupBox {
    Q_OBJECT
  public:
    // Without `verbleibend` the line of entries still to ask is hidden.
    TPunktestand(QWidget *parent, bool verbleibend);
    void Setzen(int abgefragt, int verbleibend, int prozentRichtig, int prozentFalsch, int richtige, int falsche);

    QLabel *lblInsgesamt;
    QLabel *lblVerbleibend;
    QLabel *lblRichtig;
    QLabel *lblFalsch;
    TBalkendiagramm *chtErgebnis;
};

// The drill windows' right column: the score panel, then "Weiter >",
// "Abbrechen" and "Hilfe" at the bottom.
struct TDrillspalte {
    QPushButton *weiter, *abbrechen, *hilfe;
    QVBoxLayout *layout;
};
TDrillspalte DrillspalteAnlegen(QWidget *fenster, TPunktestand *ergebnis);

} // namespace lexovita
