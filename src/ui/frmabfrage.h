#pragma once

#include "app/lektionssitzung.h"

#include <QDialog>
#include <functional>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTextBrowser;
class QTreeWidget;

namespace lexovita {

class TAnwendungskern;
class TLektion;
class TLerndienst;
class TPunktestand;
class TVokabeltest;

// "Vokabeln schriftlich lernen": asks the lesson's entries one by one, shows
// the verdict and the entry page, and at the end lists the entries answered
// wrongly. The engine checks and keeps the queue; the window shows it.
class TfrmAbfrage : public QDialog {
    Q_OBJECT
  public:
    enum Zustand { Frage, Richtig, Loesung, Fertig };

    // Lesson and core must outlive the window.
    TfrmAbfrage(QWidget *parent, TAnwendungskern &kern, const TLektion &lektion);
    ~TfrmAbfrage() override;

    Zustand GetZustand() const { return m_zustand; }

    // The lesson chooser of "Speichern" (textbook management in save mode,
    // no overwrite question); replaceable so tests answer without a window.
    std::function<TLehrbuchwahl()> lektionWaehlen;
    // "Speichern": the checked entries of the summary into the chosen lesson.
    void FalscheSpeichern();
    const TVokabeltest &Test() const { return *m_test; }

    QGroupBox *grpFrage;
    QLabel *lblFrage;
    QLabel *lblWortart;
    QLabel *lblAntwort;
    QLineEdit *edtAntwort;
    QPushButton *btnMerkhilfen;
    QLabel *lblMerkhilfen;
    QLabel *lblForm1, *lblForm2, *lblForm3, *lblGenus;
    QLineEdit *edtForm1, *edtForm2, *edtForm3;
    QRadioButton *optM, *optF, *optN, *optMF;
    QGroupBox *grpErgebnis;
    QLabel *lblErgebnis;
    QTreeWidget *lvwAntworten;
    QLabel *lblEingegeben;
    QTextBrowser *txtVokabel;
    QGroupBox *grpZusammenfassung;
    QTreeWidget *lvwFalsch;
    QSpinBox *spnFalsch;
    QPushButton *btnAlleMarkieren;
    QPushButton *btnSpeichern;
    QCheckBox *chkHinzufuegen;
    QLabel *lblGespeichert;
    TPunktestand *pnlErgebnis;
    QPushButton *btnWeiter;
    QPushButton *btnAbbrechen;
    QPushButton *btnHilfe;

  protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

  private:
    void FrageZeigen();
    void FelderZeigen();
    void Weiter();
    void Pruefen();
    void Beenden();
    void ErgebnisZeigen();
    void ZusammenfassungFuellen();
    void MarkierungGeaendert();
    void Schnellkorrektur(const QString &text);
    void EnterIn(QWidget *feld);

    TAnwendungskern &m_kern;
    const TLektion &m_lektion;
    std::unique_ptr<TLerndienst> m_dienst;
    std::unique_ptr<TVokabeltest> m_test;
    QButtonGroup *m_genus;
    Zustand m_zustand = Frage;
};

} // namespace lexovita
