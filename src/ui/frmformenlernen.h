#pragma once

#include "learning/formentest.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace lexovita {

class TAnwendungskern;
class TLektion;
class TLerndienst;
class TPunktestand;

// "Formen bilden" (the pupil types the named form of an entry) and "Formen
// bestimmen" (the pupil picks the form of a shown word in the entry's forms
// tree). Questions come without end until "Abbrechen"; a right answer goes
// straight to the next one, a wrong one shows the solution first.
class TfrmFormenLernen : public QDialog {
    Q_OBJECT
  public:
    enum Zustand { KeineFormen, Frage, Loesung };
    // What exec() returns after "Zu den Einstellungen".
    static constexpr int ZuDenEinstellungen = 2;

    // Lesson and core must outlive the window.
    TfrmFormenLernen(QWidget *parent, TAnwendungskern &kern, const TLektion &lektion, TFormenTest::Modus modus);
    ~TfrmFormenLernen() override;

    Zustand GetZustand() const { return m_zustand; }
    const TFormenTest &Test() const { return *m_test; }

    QCheckBox *chkGrundformen; // "Nur Grundformen", kept in the settings
    QWidget *pnlFrage;
    QGroupBox *grpAufgabe;
    QLabel *lblForm;
    QLabel *lblVokabel;
    QLabel *lblStammformen;
    QLabel *lblKonjDekl;
    // "Formen bilden"
    QLabel *lblAntwort;
    QLineEdit *edtAntwort;
    // "Formen bestimmen"
    QTreeWidget *tvwFormen;
    QLineEdit *edtAuswahl;

    QGroupBox *grpLoesung;
    QLabel *lblErgebnis;
    QLabel *lblAufgabe;
    QLabel *lblFalsch;
    QLabel *lblRichtig;
    QListWidget *lstLoesungen;
    QLabel *lblEingegeben;

    QFrame *pnlKeineFormen;
    QLabel *lblKeineFormen;
    QPushButton *btnEinstellungen;

    TPunktestand *pnlErgebnis;
    QPushButton *btnWeiter;
    QPushButton *btnAbbrechen;
    QPushButton *btnHilfe;

  protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

  private:
    bool Bilden() const { return m_test->GetModus() == TFormenTest::Bilden; }
    void FrageZeigen();
    // Draws a question after the choice of forms changed, or shows that
    // there is none.
    void Beginnen();
    void Weiter();
    void Pruefen();
    void LoesungZeigen();
    void PunkteZeigen();
    void AuswahlGeaendert();

    TAnwendungskern &m_kern;
    std::unique_ptr<TLerndienst> m_dienst;
    std::unique_ptr<TFormenTest> m_test;
    Zustand m_zustand = Frage;
};

} // namespace lexovita
