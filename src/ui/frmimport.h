#pragma once

#include "store/import.h"

#include <QDialog>
#include <atomic>
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
class QThread;

namespace lexovita {

class IRueckfrage;
class TDatenmanager;

// "Importieren": reads a lesson file into the database on a worker thread,
// with progress over the file's lessons ("Gesamt:") and over the entries of
// the current lesson ("Aktuelle Lektion:"), a log, and "Abbrechen", which
// keeps nothing of the file. Afterwards one of the imported lessons can be
// chosen to be opened.
//
// Entry point for the main window:
//
//   const TfrmImport::Ausgang a = TfrmImport::Ausfuehren(this, daten);
//   if (a.oeffnen != 0) ... open the stored lesson a.oeffnen ...
class TfrmImport : public QDialog {
    Q_OBJECT
public:
    struct Ausgang {
        std::vector<int32_t> lektionen; // ids of the imported lessons, in file order
        int32_t oeffnen = 0;            // the lesson the user chose to open, 0 = none
    };

    // Shows the window modally. Without `rueckfrage` errors are German
    // message boxes over the window. `datei` fills the file field.
    static Ausgang Ausfuehren(QWidget *eltern, TDatenmanager &daten, IRueckfrage *rueckfrage = nullptr,
                              const QString &datei = {});

    TfrmImport(TDatenmanager &daten, IRueckfrage &rueckfrage, QWidget *parent = nullptr);
    ~TfrmImport() override;

    Ausgang AusgangHolen() const;
    bool Laeuft() const { return m_thread != nullptr; }
    const TImportErgebnis &Ergebnis() const { return m_ergebnis; }

    // Asks for the file to import ("" = cancelled); replaceable for tests.
    std::function<QString()> dateiWaehlen;

    // Commands of the buttons.
    void Durchsuchen();
    void Starten();
    void Abbrechen(); // cancels a running import, otherwise closes
    void Oeffnen();

    QLineEdit *edtDatei;
    QPushButton *btnDurchsuchen;
    QProgressBar *pgbGesamt;
    QProgressBar *pgbLektion;
    QPlainTextEdit *memProtokoll;
    QComboBox *cmbLektionen;
    QPushButton *btnOeffnen;
    QPushButton *btnImportieren;
    QPushButton *btnAbbrechen;

signals:
    // The worker has ended and the window shows the outcome.
    void beendet();

    // From the worker thread to the window (queued).
    void standGemeldet(int lektionenGesamt, int lektion, const QString &name, int vokabelnInLektion, int vokabel);
    void arbeitFertig();

public slots:
    void reject() override;

private:
    void StandZeigen(int lektionenGesamt, int lektion, const QString &name, int vokabelnInLektion, int vokabel);
    void Fertig();
    void KnoepfeAktualisieren();
    void Protokoll(const QString &zeile);

    TDatenmanager &m_daten;
    IRueckfrage &m_rueckfrage;
    QThread *m_thread = nullptr;
    std::atomic<bool> m_abbruch{false};
    bool m_schliessenNachEnde = false;
    int m_gemeldeteLektion = 0;
    int32_t m_letzteId = 0;
    // Written by the worker before it signals the end; read afterwards.
    TImportErgebnis m_ergebnis;
    QString m_fehler;
    std::vector<int32_t> m_lektionen;
    int32_t m_oeffnen = 0;
};

} // namespace lexovita
