#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lexovita {

// "Numerale": converts between Arabic numbers and Roman numerals as the
// pupil types, and shows the Latin cardinal number. Needs nothing else of
// the program.
class TfrmNumerale : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmNumerale(QWidget *parent = nullptr);

    QLineEdit *edtEingabe;
    QLabel *lblUmgerechnet; // "Römisch:" or "Arabisch:"
    QLineEdit *edtUmgerechnet;
    QLineEdit *edtWort;
    QLabel *lblMeldung; // what can be converted, after an invalid input
    QPushButton *btnSchliessen;
    QPushButton *btnHilfe;

  private:
    void EingabeGeaendert(const QString &text);
};

} // namespace lexovita
