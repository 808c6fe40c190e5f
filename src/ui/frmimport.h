#pragma once

#include "app/importauftrag.h"
#include "app/tabellenaustausch.h"

#include <QDialog>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace lexovita {

class IRueckfrage;
class TAnwendungskern;
class TAuftragslaeufer;

// "Importieren": reads a lesson file or a word list (CSV) into the database
// as a background job. A word list is checked first: the window lists every
// row with its state before anything is stored, and with a bad row asks
// whether the good rows are to be stored.
//
// For lesson files:
// with progress over the file's lessons ("Gesamt:") and over the entries of
// the current lesson ("Aktuelle Lektion:"), a log, and "Abbrechen", which
// keeps nothing of the file. Afterwards one of the imported lessons can be
// chosen to be opened.
//
// Entry point for the main window:
//
//   const TfrmImport::Ausgang a = TfrmImport::Ausfuehren(this, kern);
//   if (a.oeffnen != 0) ... open the stored lesson a.oeffnen ...
class TfrmImport : public QDialog {
    Q_OBJECT
  public:
    struct Ausgang {
        std::vector<int32_t> lektionen; // ids of the imported lessons, in file order
        int32_t oeffnen = 0;            // the lesson the user chose to open, 0 = none
    };

    // Shows the window modally; errors are asked through the core's
    // question interface. `datei` fills the file field.
    static Ausgang Ausfuehren(QWidget *eltern, TAnwendungskern &kern, const QString &datei = {});

    explicit TfrmImport(TAnwendungskern &kern, QWidget *parent = nullptr);
    ~TfrmImport() override;

    Ausgang AusgangHolen() const;
    bool Laeuft() const;
    const TImportErgebnis &Ergebnis() const { return m_ergebnis; }
    // The runner of the import job, whose signals the window shows.
    TAuftragslaeufer &Laeufer() { return *m_laeufer; }

    // Asks for the file to import ("" = cancelled); replaceable for tests.
    std::function<QString()> dateiWaehlen;

    // Commands of the buttons.
    void Durchsuchen();
    void Starten();
    void Abbrechen(); // cancels a running import, otherwise closes
    void Oeffnen();
    // Reads the word list in the file field and lists its rows; returns the
    // number of bad rows, -1 when the file cannot be read at all.
    int TabellePruefen();

    QLineEdit *edtDatei;
    QPushButton *btnDurchsuchen;
    QProgressBar *pgbGesamt;
    QProgressBar *pgbLektion;
    QPlainTextEdit *memProtokoll;
    QTreeWidget *lvwZeilen; // the rows of a word list, shown only for one
    QComboBox *cmbLektionen;
    QPushButton *btnOeffnen;
    QPushButton *btnImportieren;
    QPushButton *btnAbbrechen;

  signals:
    // The job has ended and the window shows the outcome.
    void beendet();

  public slots:
    void reject() override;

  private:
    void Fertig(TAuftragsausgang ausgang, const QString &fehler);
    void KnoepfeAktualisieren();
    void Protokoll(const QString &zeile);

    IRueckfrage &m_rueckfrage;
    TAuftragslaeufer *m_laeufer;
    std::shared_ptr<TDateiImportAuftrag> m_auftrag;
    std::shared_ptr<TTabellenImportAuftrag> m_tabellenAuftrag; // set while a word list is imported
    QLabel *m_lblZeilen;
    QString m_geprueft; // the word list last checked, so its notes are logged once
    bool m_schliessenNachEnde = false;
    TImportErgebnis m_ergebnis;
    std::vector<int32_t> m_lektionen;
    int32_t m_oeffnen = 0;
};

} // namespace lexovita
