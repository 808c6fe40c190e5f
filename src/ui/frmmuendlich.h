#pragma once

#include <QDialog>
#include <memory>

class QAction;
class QLabel;
class QPushButton;
class QTableWidget;
class QToolBar;

namespace lexovita {

class TAnwendungskern;
class TLektion;
class TLerndienst;
class TMuendlicheAbfrage;

// "Vokabeln mündlich lernen": the pupil answers in their head and reveals
// the solution; the asked entries pile up in a two-column list and can be
// hidden again by stepping back. Nothing is judged or counted.
class TfrmMuendlich : public QDialog {
    Q_OBJECT
  public:
    // Lesson and core must outlive the window.
    TfrmMuendlich(QWidget *parent, TAnwendungskern &kern, const TLektion &lektion);
    ~TfrmMuendlich() override;

    const TMuendlicheAbfrage &Abfrage() const { return *m_abfrage; }

    QToolBar *tbAbfrage;
    QAction *actNaechste;
    QAction *actVorherige;
    QLabel *lblFortschritt;
    QTableWidget *tblVokabeln;
    QPushButton *btnAbbrechen;
    QPushButton *btnHilfe;

  protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

  private:
    void Naechste();
    void Vorherige();
    // Brings the list in line with the drill's rows; `sichtbar` is scrolled to.
    void Abgleichen(int sichtbar);

    std::unique_ptr<TLerndienst> m_dienst;
    std::unique_ptr<TMuendlicheAbfrage> m_abfrage;
};

} // namespace lexovita
