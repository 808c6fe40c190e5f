#pragma once

#include <QDialog>

#include <functional>
#include <memory>

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
class TAuftrag;
class TAufraeumAuftrag;
class TSicherungsdienst;
struct TSicherungsErgebnis;
enum class TAuftragsausgang;

// "Backup": writes the database into a zip archive in a chosen folder, or
// restores it from a chosen archive. The copy and the check of an archive
// run as jobs with progress; messages go through `rueckfrage`.
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
    // The "&OK" command: starts the job; `fertig` follows when it has ended
    // and its message was shown.
    void Ausfuehren();
    bool Laeuft() const;
    // The folder of the path field: itself when creating, the archive's
    // folder when restoring.
    QString Ordner() const;

    QRadioButton *rbErstellen;
    QRadioButton *rbEinspielen;
    QTreeView *tvwOrdner;
    QLabel *lblPfad;
    QLineEdit *edtPfad;
    QProgressBar *pbFortschritt;
    QPushButton *btnOk;
    QPushButton *btnSchliessen;

  signals:
    void fertig(bool ok);

  protected:
    void closeEvent(QCloseEvent *e) override;
    void reject() override;

  private:
    using Abschluss = std::function<TSicherungsErgebnis(TAuftragsausgang, const QString &)>;
    void Starten(std::shared_ptr<TAuftrag> auftrag, Abschluss abschluss);
    void Beendet(TAuftragsausgang ausgang, const QString &fehler);
    void ErgebnisZeigen(const TSicherungsErgebnis &e);

    TSicherungsdienst &m_dienst;
    IRueckfrage &m_rueckfrage;
    TAuftragslaeufer *m_laeufer;
    QFileSystemModel *m_modell;
    Abschluss m_abschluss;
    bool m_erstellt = false;
    bool m_nurErstellen = false;
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
    // The step under way, and at the end how it went.
    QLabel *lblSchritt;
    QPushButton *btnAufraeumen;
    QPushButton *btnSchliessen;

  protected:
    void closeEvent(QCloseEvent *e) override;
    void reject() override;

  private:
    void Beendet(TAuftragsausgang ausgang, const QString &fehler);

    TAuftragslaeufer &m_laeufer;
    IRueckfrage &m_rueckfrage;
    std::shared_ptr<TAufraeumAuftrag> m_auftrag;
};

} // namespace lexovita
