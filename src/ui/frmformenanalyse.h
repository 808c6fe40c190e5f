#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTextBrowser;
class QTreeWidget;

namespace lexovita {

class TAnwendungskern;
class TFormendienst;
class TVokabel;

// "Formenanalyse": a typed word is traced back to the entries and forms that
// can have produced it; the chosen entry is shown with its analysed forms.
class TfrmFormenanalyse : public QDialog {
    Q_OBJECT
  public:
    TfrmFormenanalyse(QWidget *parent, TAnwendungskern &kern);
    ~TfrmFormenanalyse() override;

    // Analyses the word as if typed and "Suchen" pressed.
    void Suchen(const QString &wort);
    void Suchen();
    // The entry whose page is shown, or null.
    const TVokabel *Vokabel() const { return m_vokabel.get(); }

    QLineEdit *edtSuchen;
    QPushButton *btnSuchen;
    QCheckBox *chkVerweise;
    QTreeWidget *VSTVokabeln;
    QTextBrowser *WebBrowser1;
    QPushButton *btnHinzufuegen;
    QPushButton *btnFormentabelle;
    QPushButton *btnBearbeiten;
    QPushButton *btnSchliessen;
    QPushButton *btnHilfe;

    // Opens the editor on the stored entry; true when it was stored. Without
    // it "Vokabel bearbeiten" is not offered.
    std::function<bool(int32_t id)> vokabelBearbeiten;

  signals:
    // An entry was added to the current lesson.
    void hinzugefuegt();

  private:
    void KnotenGewaehlt();
    void Hinzufuegen();
    void FormentabelleZeigen();
    void Bearbeiten();
    void Schliessen();

    TAnwendungskern &m_kern;
    std::unique_ptr<TFormendienst> m_dienst;
    std::unique_ptr<TVokabel> m_vokabel;
    int32_t m_lexikonId = 0; // the shown lemma when it comes from the lexicon
};

} // namespace lexovita
