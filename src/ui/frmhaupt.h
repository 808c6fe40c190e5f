#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>

#include "ui/frmlehrbuchverwaltung.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QComboBox;
class QTabBar;
class QTabWidget;
class QTextEdit;
class QToolBar;
class QTreeWidget;
class QMenu;

namespace lexovita {

class IRueckfrage;
class TConfig;
class TDatenmanager;
class TFormenmanager;
class TLektion;
class TLektionManager;
class TVokabelListe;
class TframeAuswahl;

// The program's main window: lesson tabs, the entry list with quick add,
// the lesson text and notes. It turns user actions into calls on the lesson
// manager and the data manager and shows the result; the rules themselves
// live in those classes.
class TfrmHaupt : public QMainWindow {
    Q_OBJECT
public:
    struct Umgebung {
        TDatenmanager *datenmanager = nullptr;
        TConfig *config = nullptr;
        IRueckfrage *rueckfrage = nullptr; // questions and messages; must outlive the window
    };

    explicit TfrmHaupt(const Umgebung &umgebung, QWidget *parent = nullptr);
    ~TfrmHaupt() override;
    // Start-up creates the window before the data manager and the settings.
    void UmgebungSetzen(const Umgebung &umgebung) { m_umgebung = umgebung; }

    QAction *Aktion(const QString &name) const { return m_aktionen.value(name); }
    TLektionManager &Lektionen() { return *m_lektionen; }
    // The forms manager of the main window's look-ups (word at the caret, search box).
    TFormenmanager &Formen() { return *m_formen; }
    TLektion *AktuelleLektion() const;

    // Lesson commands (menu "Lektion").
    void NeueLektion();
    // Both return false when the lesson was not stored (e.g. the chooser was cancelled).
    bool LektionSpeichern(TLektion *lektion = nullptr);
    bool LektionSpeichernUnter(TLektion *lektion = nullptr);
    void LektionOeffnen();
    // Opens the stored lesson with this id in a new tab (or shows its open copy).
    void GespeicherteLektionOeffnen(int32_t id);
    void LektionAnhaengen();
    void LektionSchliessen();
    void LektionEigenschaften();
    void LektionExportieren();

    // Entry list commands (menu "Vokabel").
    void VokabelHinzufuegen();
    void VokabelEntfernen();
    void VokabelNachOben();
    void VokabelNachUnten();
    void SpalteSortieren(int spalte);
    void VokabelVerschieben(int von, int nach);

    // Rebuilds list, text, notes, captions from the current lesson.
    void LektionZeigen();

    // Shows the textbook management as chooser in the given mode
    // (TVerwaltungsModus); replaceable so that tests can answer without a
    // modal window.
    std::function<TfrmLehrbuchverwaltung::Ergebnis(int modus, const QString &vorschlag)> lehrbuchWaehlen;
    // Asks for the file of "Als XML-Datei exportieren..." ("" = cancelled); replaceable for tests.
    std::function<QString(const QString &vorschlag)> exportDateiWaehlen;
    // Shows the lesson properties modally; replaceable like the chooser.
    std::function<void(TLektion &lektion)> eigenschaftenZeigen;

signals:
    // Emitted once, after the first show has loaded settings and opened the first lesson.
    void bereit();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    void AktionenAnlegen();
    void MenuesAnlegen();
    void SeiteVokabelnAnlegen();
    void SeiteTextAnlegen();
    void AktionenVerbinden();
    void ErsteAnzeige();
    void EditorEinstellungenAnwenden();
    void LegendeAktualisieren();

    void VokabelZeileFuellen(int zeile);
    void AuswahlGeaendert();
    void LernaktionenAktualisieren();
    void Geaendert();
    void TabsAufbauen();
    void TabGewechselt(int index);
    void VokabellisteAufbauen(int auswahl = -1);

    void SchnellEingabeGeaendert(const QString &text);
    void AuswahlZeigen(bool zeigen);
    void AuswahlPlatzieren();
    void TextCursorGeaendert();
    void TextNachLektion();
    void NotizenNachLektion();
    void UeberLexovita();
    bool FrageJaNein(const QString &text);

    void Aktivieren(const char *name, bool an);
    // Runs the chooser and applies its side effects (deleted textbooks and
    // lessons, "Neue Lektion") to the open lessons.
    TVerwaltungsAuswahl Lehrbuchwahl(int modus, const QString &vorschlag);

    Umgebung m_umgebung;
    std::unique_ptr<TLektionManager> m_lektionen;
    std::unique_ptr<TFormenmanager> m_formen;
    QHash<QString, QAction *> m_aktionen;
    QHash<QString, bool> m_verfuegbar; // false for actions whose window is not built in yet
    bool m_ersteAnzeige = true;
    bool m_zeigtLektion = false; // suppresses change marks while the window fills its widgets

public:
    // Widgets, named as the other windows and the tests refer to them.
    QTabBar *TabSet;
    QTabWidget *pgcSeiten;
    TVokabelListe *lvwVokabeln;
    QLineEdit *edtVokabel;
    QPushButton *btnHinzufuegen;
    TframeAuswahl *frameAuswahl;
    QToolBar *tbVokabel;
    QMenu *mnuVokabelPopup;
    QTextEdit *PlusMemo1;
    QLabel *lblModus;
    QLabel *lblZeile;
    QLabel *lblSpalte;
    QPushButton *btnAnalyse;
    QProgressBar *pgbAnalyse;
    QPushButton *cmdAnalyseAbbrechen;
    QComboBox *cmbSuchen;
    QTreeWidget *tvwVokabeln;
    QTabWidget *pgcInfo;
    QTreeWidget *lvwWortkontext;
    QCheckBox *chkKasus;
    QCheckBox *chkNumerus;
    QCheckBox *chkGenus;
    QRadioButton *optUnd;
    QRadioButton *optOder;
    QPlainTextEdit *memNotizen;
    QList<QLabel *> legendeFarben;
    QList<QLabel *> legendeTexte;
};

} // namespace lexovita
