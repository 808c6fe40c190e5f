#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lexovita {

class IRueckfrage;
class TDatenmanager;
class TLektion;

// Properties of the current lesson: name, textbook and notes.
class TfrmEigenschaften : public QDialog {
    Q_OBJECT
public:
    TfrmEigenschaften(TLektion &lektion, TDatenmanager &daten, IRueckfrage &rueckfrage, QWidget *parent = nullptr);

    // "&OK": applies the fields to the lesson (and to its stored row) and closes.
    void Uebernehmen();

    QLineEdit *edtName;
    QComboBox *cmbLehrbuch;
    QLabel *lblErstellt;
    QLabel *lblZugriff;
    QPlainTextEdit *memNotizen;
    QPushButton *btnOK;
    QPushButton *btnAbbrechen;

private:
    TLektion &m_lektion;
    TDatenmanager &m_daten;
    IRueckfrage &m_rueckfrage;
};

} // namespace lexovita
