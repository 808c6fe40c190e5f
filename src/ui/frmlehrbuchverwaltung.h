#pragma once

#include "app/lektionssitzung.h"

#include <QDialog>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QModelIndex;
class QPushButton;
class QStackedWidget;
class QToolBar;
class QTreeView;

namespace lexovita {

class IRueckfrage;
class TConfig;
class TAnwendungskern;
class TDatenmanager;
class TLehrbuchModell;
class TLektionenModell;

// Textbooks and their stored lessons: plain management, and the chooser of
// the lesson commands "Lektion speichern unter...", "Lektion öffnen..." and
// "Lektion anhängen". The rules live in TLehrbuchverwaltung; this window
// only shows them.
//
// Entry point for the main window:
//
//   auto e = TfrmLehrbuchverwaltung::Auswaehlen(this, daten, config, VM_OEFFNEN);
//   for (int32_t b : e.geloeschteLehrbuecher) lektionen.LehrbuchGeloescht(b);
//   if (e.neueLektion) NeueLektion();
//   else if (e.bestaetigt) ... e.lektionId, e.name, e.lehrbuchId, e.lehrbuch ...
//
// Modes: VM_SPEICHERN_UNTER (proposed name = `vorschlag`), VM_OEFFNEN,
// VM_ANHAENGEN, VM_VERWALTEN (plain management; never confirms). In save
// mode e.lektionId is the stored lesson the user agreed to overwrite, or 0
// for a new one. The selected textbook is remembered in config.LehrbuchID.
class TfrmLehrbuchverwaltung : public QDialog {
    Q_OBJECT
  public:
    // The choice, with what was deleted while the window was open.
    using Ergebnis = TLehrbuchwahl;

    // Shows the window modally and returns the choice; questions are German
    // message boxes over the window.
    // Without `ueberschreibenFragen` save mode hands back an existing lesson
    // without asking (for callers that ask themselves).
    static Ergebnis Auswaehlen(QWidget *eltern, TAnwendungskern &kern, int modus, const QString &vorschlag = {},
                               bool ueberschreibenFragen = true);

    TfrmLehrbuchverwaltung(TDatenmanager &daten, TConfig &config, IRueckfrage &rueckfrage, int modus,
                           const QString &vorschlag, QWidget *parent = nullptr);
    ~TfrmLehrbuchverwaltung() override;

    // Caption and OK button text by mode; any other mode is plain management.
    static QString Titel(int modus);
    static QString OkText(int modus);

    Ergebnis ErgebnisHolen() const;
    TLehrbuchverwaltung &Logik() { return *m_logik; }

    // Asks for the export file name ("" = cancelled); replaceable for tests.
    std::function<QString(const QString &vorschlag)> exportDateiWaehlen;

    // Commands, public so tests can drive them like the buttons do.
    void AnsichtAktualisieren();
    void OkKlick();
    void NeueLektion();
    void NeuesLehrbuch();
    void LehrbuchLoeschen();
    void LektionLoeschen();
    void LehrbuchExportieren();
    void LektionVerschieben(int32_t lektionId, int32_t lehrbuchId);
    enum Ansicht { Icon, Liste, Details };
    void AnsichtSetzen(int art);

    int32_t GewaehlteLektion() const; // 0 unless exactly one lesson row is selected
    int32_t GewaehltesLehrbuch() const;

    // Widgets, named as the tests refer to them.
    QToolBar *tbVerwaltung;
    QTreeView *lvwLehrbuecher;
    TLehrbuchModell *mdlLehrbuecher;
    TLektionenModell *mdlLektionen; // shared by both lesson views
    QTreeView *lvwLektionen;        // "Details"
    QListView *lvwLektionenSymbole; // "Icon" and "Liste"
    QStackedWidget *stkLektionen;
    QLabel *lblName;
    QLineEdit *edtName;
    QPushButton *btnOK;
    QPushButton *btnAbbrechen;
    QAction *actNeueLektion, *actLektionOeffnen, *actLektionSpeichern, *actLektionLoeschen;
    QAction *actNeuesLehrbuch, *actLehrbuchLoeschen, *actLehrbuchExportieren;
    QAction *actIcon, *actListe, *actDetails;
    QMenu *mnuLehrbuch;
    QMenu *mnuLektion;

  protected:
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *obj, QEvent *event) override;

  private:
    void AufbauErstellen();
    void LehrbuchGewaehlt();
    void LektionenZeigen();
    void LektionGewaehlt();
    void LehrbuchUmbenennenStarten();
    void LektionUmbenennenStarten();
    void Fehler(const QString &meldung);
    // Runs a database command; its errors become German message boxes.
    void Sicher(const std::function<void()> &befehl);

    TDatenmanager &m_daten;
    TConfig &m_config;
    IRueckfrage &m_rueckfrage;
    std::unique_ptr<TLehrbuchverwaltung> m_logik;
    int m_modus;
    QString m_vorschlag;
    bool m_neueLektion = false;
};

} // namespace lexovita
