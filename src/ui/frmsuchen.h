#pragma once

#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabBar;
class QTextEdit;

namespace lexovita {

class TAnwendungskern;
class TFormensuche;
struct TFundstelle;
struct TSuchoptionen;

// "Suchen und Ersetzen" over the main window's lesson text editor, with the
// search for every form of an entry. Not modal; created on first use and
// shown and hidden after that. Every change goes through the editor, so the
// editor's own binding carries it into the lesson.
class TfrmSuchen : public QDialog {
    Q_OBJECT
  public:
    TfrmSuchen(QTextEdit &editor, TAnwendungskern &kern, QWidget *parent);
    ~TfrmSuchen() override;

    // Shows the window on the tab "Suchen" or "Ersetzen".
    void Zeigen(bool ersetzen);

    void Weitersuchen();
    void Ersetzen();
    void AlleErsetzen();

    QTabBar *tabSeiten;
    QComboBox *cmbSuchen;
    QLabel *lblErsetzen;
    QComboBox *cmbErsetzen;
    QComboBox *cmbRichtung;
    QComboBox *cmbBeginn;
    QCheckBox *chkCase;
    QCheckBox *chkGanzeWoerter;
    QWidget *pnlFormen;
    QCheckBox *chkFormen;
    QPushButton *btnWeiter;
    QPushButton *btnErsetzen;
    QPushButton *btnAlle;
    QPushButton *btnAbbrechen;
    QPushButton *btnHilfe;

  protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

  private:
    void SeiteZeigen();
    bool ErsetzenSeite() const;
    TSuchoptionen Optionen() const;
    void Vergessen();
    void Schwarz();
    void Markieren(const TFundstelle &f, bool nachOben);
    void Durchsucht(const QString &text);
    void SuchenNormal();
    void SuchenInFormen();

    QTextEdit &m_editor;
    TAnwendungskern &m_kern;
    std::unique_ptr<TFormensuche> m_formen; // only while shown
    QString m_letzterText;
    int m_letztePosition = -1;
};

} // namespace lexovita
