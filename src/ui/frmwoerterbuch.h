#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QTreeView;
class QTreeWidget;

namespace lexovita {

class TAnwendungskern;
class TFormenmanager;
class TWoerterbuch;
class TWoerterbuchModell;

// "Wörterbuch": the whole vocabulary in three directions (Latin, German,
// memory aids), a search field over the list, the entries of the chosen row
// and the chosen entry with its forms tree.
class TfrmWoerterbuch : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmWoerterbuch(TAnwendungskern &kern, QWidget *parent = nullptr);
    ~TfrmWoerterbuch() override;

    TWoerterbuch &Logik() { return *m_logik; }
    // Shows the list again, e.g. once the editor hooks are set.
    void Aktualisieren() { ListeZeigen(); }
    // The editor is another window; the main window hands it in. Both return
    // true when an entry was stored.
    std::function<bool(int32_t id)> vokabelBearbeiten;
    std::function<bool()> neueVokabel;

    QToolButton *btnLatein, *btnDeutsch, *btnMerkhilfen;
    QLineEdit *edtSuchen;
    QLabel *lblListe;
    QTreeView *lstWoerter;
    QComboBox *cmbVokabel;
    QLabel *lblVokabelAnzahl;
    QTabWidget *pgcVokabel;
    QLabel *lblVokabel, *lblBedeutungen, *lblWortart, *lblFormen, *lblKonjDeklTitel, *lblKonjDekl;
    QLabel *lblMerkhilfen, *lblVerweise;
    QTreeWidget *lvwMerkhilfen, *lvwVerweise, *tvwFormen;
    QPushButton *btnHinzufuegen, *btnBearbeiten, *btnLoeschen, *btnFormentabelle, *btnNaechste, *btnVorherige, *btnNeu,
        *btnHilfe, *btnSchliessen;

  private:
    void ListeZeigen();
    // Appends the next page of the list once the view nears its end.
    void TrefferZeigen();
    void VokabelZeigen();

    TAnwendungskern &m_kern;
    std::unique_ptr<TWoerterbuch> m_logik;
    TWoerterbuchModell *m_liste = nullptr;
    std::unique_ptr<TFormenmanager> m_formen;
};

} // namespace lexovita
