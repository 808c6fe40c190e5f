#pragma once

#include "learning/vokabelliste.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeView;

namespace lexovita {

class TAnwendungskern;
class TAuftragslaeufer;
class TLektion;
class TVokabellisteAuftrag;
class TVokabelauswahl;
enum class TAuftragsausgang;

// "Vokabelliste aus Text erstellen": analyses the words of the lesson text
// (or of the selected part) in the background, lists every entry found, and
// puts the checked ones into the lesson, replaces its entries with them, or
// starts a new lesson with them. Made once by the main window and shown
// again for each use.
class TfrmVokabelliste : public QDialog {
    Q_OBJECT
  public:
    // The core must outlive the window.
    TfrmVokabelliste(QWidget *parent, TAnwendungskern &kern);
    ~TfrmVokabelliste() override;

    // Before each showing: the current lesson and the selection of its text
    // (offsets in the text as one string; length 0 = no selection).
    void Vorbereiten(TLektion *lektion, int auswahlAnfang, int auswahlLaenge);

    // "Liste erstellen": starts the search, or stops the running one.
    void ListeErstellen();
    bool Laeuft() const;
    void AlleAuswaehlen();
    // "OK": the checked entries into the lesson chosen below the list.
    void Uebernehmen();
    // Whether the last "OK" changed the lesson (the main window then shows it).
    bool LektionGeaendert() const { return m_geaendert; }

    QRadioButton *optGesamt;
    QRadioButton *optAuswahl;
    QPushButton *btnListeErstellen;
    QProgressBar *pgbFortschritt;
    QTreeView *lvwVokabeln;
    QLabel *lblAnzahl;
    QLabel *lblAuswahl;
    QPushButton *btnAlleAuswaehlen;
    QRadioButton *optHinzufuegen;
    QRadioButton *optUeberschreiben;
    QRadioButton *optNeueLektion;
    QRadioButton *optDoppelteZulassen;
    QRadioButton *optDoppelteVermeiden;
    QPushButton *btnOK;
    QPushButton *btnAbbrechen;
    QPushButton *btnHilfe;

  public slots:
    void done(int ergebnis) override;

  private:
    void ZielGewaehlt();
    void Fertig(TAuftragsausgang ausgang, const QString &fehler);
    void Anhalten();

    TAnwendungskern &m_kern;
    TVokabelauswahl *m_auswahl;
    TLektion *m_lektion = nullptr;
    int m_auswahlAnfang = 0;
    int m_auswahlLaenge = 0;
    TAuftragslaeufer *m_laeufer;
    std::shared_ptr<TVokabellisteAuftrag> m_auftrag;
    TGefundeneVokabeln m_gefunden;
    bool m_verwerfen = false; // closed while searching: the result is not wanted
    bool m_geaendert = false;
};

} // namespace lexovita
