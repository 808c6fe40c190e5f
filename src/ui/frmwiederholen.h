#pragma once

#include "app/wiederholdienst.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;

namespace lexovita {

class TAnwendungskern;

// The start of "Fällige Vokabeln wiederholen": which textbook, and how many
// entries are due today and how many new ones come with them.
class TfrmWiederholen : public QDialog {
    Q_OBJECT
  public:
    TfrmWiederholen(QWidget *parent, TAnwendungskern &kern);
    ~TfrmWiederholen() override;

    // Today's plan for the chosen textbook.
    const TWiederholdienst::TPlan &Plan() const { return m_plan; }

    QComboBox *cmbLehrbuch;
    QLabel *lblFaellig;
    QLabel *lblNeu;
    QLabel *lblHinweis;
    QPushButton *btnStarten;
    QPushButton *btnAbbrechen;

  private:
    void Planen();

    std::unique_ptr<TWiederholdienst> m_dienst;
    TWiederholdienst::TPlan m_plan;
};

} // namespace lexovita
