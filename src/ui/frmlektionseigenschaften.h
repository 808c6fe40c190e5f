#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lexovita {

class IRueckfrage;
class TAnwendungskern;
class TDatenmanager;
class TLektion;

// Lesson properties ("Eigenschaften"): name, textbook and notes of the
// current lesson. The rules live in TLektionseigenschaften.
//
// Entry point for the main window:
//
//   if (TfrmEigenschaften::Bearbeiten(this, kern, *lektion)) LektionZeigen();
class TfrmEigenschaften : public QDialog {
    Q_OBJECT
  public:
    // Shows the window modally; true when OK applied the fields (the lesson
    // must then be shown again); questions are German message boxes over the window.
    static bool Bearbeiten(QWidget *eltern, TAnwendungskern &kern, TLektion &lektion);

    TfrmEigenschaften(TDatenmanager &daten, TLektion &lektion, IRueckfrage &rueckfrage, QWidget *parent = nullptr);

    // "&OK": applies the fields and closes; a database error keeps it open.
    void OkKlick();

    QLineEdit *edtName;
    QComboBox *cmbLehrbuch;
    QLabel *lblErstellt;
    QLabel *lblZugriff;
    QPlainTextEdit *memNotizen;
    QPushButton *btnOK;
    QPushButton *btnAbbrechen;

  private:
    TDatenmanager &m_daten;
    TLektion &m_lektion;
    IRueckfrage &m_rueckfrage;
};

} // namespace lexovita
