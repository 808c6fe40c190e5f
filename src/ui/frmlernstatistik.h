#pragma once

#include <QDialog>

class QChartView;
class QGroupBox;
class QLabel;
class QPushButton;

namespace lexovita {

class TAnwendungskern;
struct TLernstatistikDaten;

// "Lernstatistik": reviews per day, the forecast of due entries, retention
// per lesson and the counts, as charts. Without any history it says so.
class TfrmLernstatistik : public QDialog {
    Q_OBJECT
  public:
    TfrmLernstatistik(QWidget *parent, TAnwendungskern &kern);

    QLabel *lblLeer;
    QGroupBox *grpUeberblick;
    QLabel *lblGelernt, *lblFaellig, *lblNeu, *lblTageInFolge;
    QChartView *chtVerlauf;
    QChartView *chtVorschau;
    QChartView *chtBehalten;
    QPushButton *btnSchliessen;

  private:
    void Fuellen(const TLernstatistikDaten &d);
};

} // namespace lexovita
