#pragma once

#include "app/listeneinfuegen.h"

#include <QDialog>
#include <cstdint>
#include <vector>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace lexovita {

class TAnwendungskern;

// "Vokabeln aus Liste einfügen...": the pupil pastes a word list, checks
// the review table (choosing among homographs, editing unknown lines,
// leaving lines out) and inserts. "Einfügen" stores the new entries; the
// caller adds Ids() to the lesson. "Abbrechen" stores nothing.
class TfrmListeEinfuegen : public QDialog {
    Q_OBJECT
  public:
    TfrmListeEinfuegen(QWidget *parent, TAnwendungskern &kern);
    ~TfrmListeEinfuegen() override;

    // The entries for the lesson, new and reused, once "Einfügen" succeeded.
    const std::vector<int32_t> &Ids() const { return m_ids; }
    TListenModell &Modell() { return *m_modell; }

    void Pruefen();
    // The current line of the table chooses candidate `kandidat`.
    void Waehlen(int kandidat);
    void Bearbeiten();
    void Auslassen();
    void Einfuegen();

    QPlainTextEdit *edtListe;
    QPushButton *btnPruefen;
    QLabel *lblHinweis, *lblLexikon;
    QTableView *tblPosten;
    QComboBox *cmbKandidaten;
    QPushButton *btnBearbeiten, *btnAuslassen, *btnEinfuegen, *btnAbbrechen;

  private:
    int AktuelleZeile() const;
    void ZeileGewechselt();
    void Zusammenfassen();

    TAnwendungskern &m_kern;
    TListeneinfuegung m_liste;
    TListenModell *m_modell;
    std::vector<int32_t> m_ids;
};

} // namespace lexovita
