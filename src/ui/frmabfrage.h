#pragma once

#include "app/lektionssitzung.h"

#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <functional>
#include <map>
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
class QTreeView;
class QTreeWidget;

namespace lexovita {

class TAnkreuzModell;
class TAnwendungskern;
class TConfig;
class TLektion;
class TWiederholdienst;
class TLerndienst;
class TPunktestand;
class TVokabeltest;

// "Vokabeln schriftlich lernen": asks the lesson's entries one by one, shows
// the verdict and the entry page, and at the end lists the entries answered
// wrongly. The engine checks and keeps the queue; the window shows it.
// Every answer goes to the review history when recording is on. As
// "Fällige Vokabeln wiederholen" it asks a planned session in its order,
// always records, and the summary shows each entry's next review.
class TfrmAbfrage : public QDialog {
    Q_OBJECT
  public:
    enum Zustand { Frage, Richtig, Loesung, Fertig };
    enum class Art { Lektion, Wiederholung };

    // Lesson and core must outlive the window.
    TfrmAbfrage(QWidget *parent, TAnwendungskern &kern, const TLektion &lektion, Art art = Art::Lektion);
    ~TfrmAbfrage() override;

    Zustand GetZustand() const { return m_zustand; }

    // The lesson chooser of "Speichern" (textbook management in save mode,
    // no overwrite question); replaceable so tests answer without a window.
    std::function<TLehrbuchwahl()> lektionWaehlen;
    // "Speichern": the checked entries of the summary into the chosen lesson.
    void FalscheSpeichern();
    const TVokabeltest &Test() const { return *m_test; }
    // The next review of each entry answered in this window.
    const std::map<int32_t, QDate> &NaechsteWiederholungen() const { return m_naechste; }

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
    QTreeView *lvwFalsch;
    TAnkreuzModell *mdlFalsch;
    QSpinBox *spnFalsch;
    QPushButton *btnAlleMarkieren;
    QPushButton *btnSpeichern;
    QCheckBox *chkHinzufuegen;
    QLabel *lblGespeichert;
    TPunktestand *pnlErgebnis;
    QPushButton *btnWeiter;
    QPushButton *btnAbbrechen;
    QPushButton *btnHilfe;

    // "Abbrechen" and Escape: while answers were given, the summary of
    // them; else, and on the summary, the window closes.
    void reject() override;

  protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

  private:
    void FrageZeigen();
    void FelderZeigen();
    void Weiter();
    void Pruefen();
    void Beenden(bool abgebrochen = false);
    void ErgebnisZeigen();
    void ZusammenfassungFuellen();
    void Schnellkorrektur(const QString &text);
    void EnterIn(QWidget *feld);
    void Aufzeichnen(int32_t vokabelId, bool richtig);
    const TConfig &Cfg() const;

    TAnwendungskern &m_kern;
    Art m_art;
    std::unique_ptr<TConfig> m_eigeneConfig; // the session's fixed order
    std::unique_ptr<TWiederholdienst> m_wiederholung;
    std::map<int32_t, QDate> m_naechste;
    QDateTime m_gefragtUm;
    bool m_speicherFehlerGemeldet = false;
    const TLektion &m_lektion;
    std::unique_ptr<TLerndienst> m_dienst;
    std::unique_ptr<TVokabeltest> m_test;
    QButtonGroup *m_genus;
    Zustand m_zustand = Frage;
};

} // namespace lexovita
