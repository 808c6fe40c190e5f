#pragma once

#include "model/vokabel.h"

#include <QDialog>
#include <memory>

class QPushButton;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace lexovita {

class TAnwendungskern;
class TFormenmanager;

// "Vokabeleigenschaften": the stored entry, read only, as its entry page and
// as its forms tree.
class TfrmVokabeleigenschaften : public QDialog {
    Q_OBJECT
  public:
    // Reloads the entry by id; an unknown id shows empty pages.
    TfrmVokabeleigenschaften(QWidget *parent, TAnwendungskern &kern, int32_t id);
    ~TfrmVokabeleigenschaften() override;

    static void Zeigen(QWidget *parent, TAnwendungskern &kern, int32_t id);

    QTabWidget *pgcSeiten;
    QTextBrowser *txtVokabel;
    QTreeWidget *tvwFormen;
    QPushButton *btnSchliessen;

  private:
    std::unique_ptr<TVokabel> m_vokabel;
    std::unique_ptr<TFormenmanager> m_formen;
};

} // namespace lexovita
