#pragma once

#include <QDialog>

class QFileSystemModel;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeView;

namespace lexovita {

class IRueckfrage;
class TAnwendungskern;
class TAuftragslaeufer;
class TSicherungsdienst;

// "Backup": writes the database into a zip archive in a chosen folder, or
// restores it from a chosen archive. Messages go through `rueckfrage`.
class TfrmBackup : public QDialog {
    Q_OBJECT
  public:
    // `nurErstellen`: only "Backup erstellen" (the upgrade question at start,
    // where no restore may replace the file being opened).
    TfrmBackup(TSicherungsdienst &dienst, IRueckfrage &rueckfrage, bool nurErstellen = false,
               QWidget *parent = nullptr);

    // True once an archive was written and checked.
    bool BackupErstellt() const { return m_erstellt; }
    void ModusSetzen(bool einspielen);
    void PfadSetzen(const QString &pfad);
    // The "&OK" command.
    void Ausfuehren();

    QRadioButton *rbErstellen;
    QRadioButton *rbEinspielen;
    QTreeView *tvwOrdner;
    QLabel *lblPfad;
    QLineEdit *edtPfad;
    QProgressBar *pbFortschritt;
    QPushButton *btnOk;
    QPushButton *btnSchliessen;

  private:
    TSicherungsdienst &m_dienst;
    IRueckfrage &m_rueckfrage;
    QFileSystemModel *m_modell;
    bool m_erstellt = false;
};

// The main window's "Backup..." and "Datenbank aufräumen", modal.
void BackupFensterZeigen(QWidget *eltern, TAnwendungskern &kern);
void AufraeumenFensterZeigen(QWidget *eltern, TAnwendungskern &kern);

// "Datenbank aufräumen": runs the cleanup job with progress; the button
// starts it and, while it runs, cancels it between two tables.
class TfrmAufraeumen : public QDialog {
    Q_OBJECT
  public:
    TfrmAufraeumen(TAuftragslaeufer &laeufer, IRueckfrage &rueckfrage, QWidget *parent = nullptr);
    bool Laeuft() const;
    // The command of btnAufraeumen.
    void Umschalten();

    QLabel *lblErklaerung;
    QProgressBar *pbFortschritt;
    QPushButton *btnAufraeumen;
    QPushButton *btnSchliessen;

  protected:
    void closeEvent(QCloseEvent *e) override;
    void reject() override;

  private:
    TAuftragslaeufer &m_laeufer;
    IRueckfrage &m_rueckfrage;
};

} // namespace lexovita
