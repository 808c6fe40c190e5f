#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QPushButton;
class QTextBrowser;

namespace lexovita {

class TAnwendungskern;
class TFormendienst;
class TVokabel;

// "Formentabelle": every form of one entry, laid out by the template of its
// word class, with a jump list to the table's sections and printing.
class TfrmFormentabelle : public QDialog {
    Q_OBJECT
  public:
    // Shows the table of `v` (its special forms loaded) built by `dienst`.
    TfrmFormentabelle(QWidget *parent, TFormendienst &dienst, const TVokabel &v);

    // Opens the table modally for an entry of a lesson: the stored entry
    // with its special forms, or the lesson's own copy when it is not stored.
    static void Zeigen(QWidget *parent, TAnwendungskern &kern, const TVokabel &v);

    void Drucken();
    const QStringList &Sprungmarken() const { return m_sprungmarken; }

    QTextBrowser *WebBrowser1;
    QComboBox *cmbLinks;
    QPushButton *btnDrucken;
    QPushButton *btnSchliessen;

  private:
    QStringList m_sprungmarken;
};

} // namespace lexovita
