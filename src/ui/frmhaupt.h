#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>

#include "app/lektionssitzung.h"
#include "app/textmodus.h"
#include "textmode/uebereinstimmung.h"
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
class QTextDocument;
class QTabWidget;
class QTextEdit;
class QToolBar;
class QTreeWidget;
class QMenu;
class QUndoCommand;
class QUndoGroup;
class QUndoStack;

namespace lexovita {

class TAnwendungskern;
class TFormenmanager;
class TLektion;
class TLektionssitzung;
class TTextmodus;
class TVokabelModell;
class TVokabelTabelle;
class TframeAuswahl;
class TfrmDrucken;
class TfrmSuchen;
class TfrmVokabelliste;

// The program's main window: lesson tabs, the entry list with quick add,
// the lesson text and notes. It turns user actions into calls on the lesson
// session and shows what the session reports; the rules live there.
class TfrmHaupt : public QMainWindow, private ILektionsdialoge {
    Q_OBJECT
  public:
    // The core must outlive the window.
    explicit TfrmHaupt(TAnwendungskern &kern, QWidget *parent = nullptr);
    ~TfrmHaupt() override;

    QAction *Aktion(const QString &name) const { return m_aktionen.value(name); }
    TLektionssitzung &Sitzung();
    // The forms manager of the main window's look-ups (word at the caret, search box).
    TFormenmanager &Formen() { return *m_formen; }
    TLektion *AktuelleLektion() const;
    TTextmodus &Textmodus() { return *m_textmodus; }
    // "Suchen und Ersetzen", null until first opened.
    TfrmSuchen *Suchfenster() const { return m_suchen; }

    // Entry list commands (menu "Vokabel").
    void VokabelHinzufuegen();
    void VokabelEntfernen();
    void VokabelNachOben();
    void VokabelNachUnten();
    void SpalteSortieren(int spalte);
    void VokabelVerschieben(int von, int nach);

    // "Neue Vokabel...", "Vokabeln aus Liste einfügen...", "Vokabel bearbeiten...",
    // "Eigenschaften..." (frmhaupt_vokabel.cpp).
    void VokabelNeu();
    void VokabelnAusListe();
    void VokabelBearbeiten();
    void VokabelEigenschaften();

    // Shows the current lesson anew: list, text, notes, captions. Only when
    // another lesson became current; saving never rebuilds the editors.
    void LektionZeigen();
    // The undo history of the current lesson's entry list.
    QUndoStack *Rueckgaengig() const;
    // The entry-list model shown in `lvwVokabeln`.
    TVokabelModell &VokabelModell() { return *m_vokabelModell; }

    // Shows the textbook management as chooser in the given mode
    // (TVerwaltungsModus); replaceable so that tests can answer without a
    // modal window.
    std::function<TLehrbuchwahl(int modus, const QString &vorschlag)> lehrbuchWaehlen;
    // Asks for the file of "Als XML-Datei exportieren..." ("" = cancelled); replaceable for tests.
    std::function<QString(const QString &vorschlag)> exportDateiWaehlen;
    // Shows the lesson properties modally; replaceable like the chooser.
    std::function<void(TLektion &lektion)> eigenschaftenZeigen;

    // "Drucken...", "Als HTML-Datei exportieren...", "Als PDF exportieren...":
    // the current lesson's print document.
    void Drucken();
    void HtmlExportieren();
    void PdfExportieren();
    // Shows the print window modally; replaceable for tests.
    std::function<void(TfrmDrucken &fenster)> druckfensterZeigen;
    // Ask for the export file ("" = cancelled); replaceable for tests.
    std::function<QString(const QString &vorschlag)> htmlDateiWaehlen;
    std::function<QString(const QString &vorschlag)> pdfDateiWaehlen;

    // The import window on a lesson file given at start (a double click on it).
    void DateiImportieren(const QString &datei);
    // Asks once, on a new database, whether to build the lexicon from the
    // installed packages; does nothing when they are missing or it exists.
    void LexikonAnbieten();
    // Set before the first show when the database was just created: the
    // first lesson of the first textbook opens then.
    bool ersterStart = false;

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
    void DruckenVerbinden();
    void DruckaktionenAktualisieren();
    // The drills of the menu "Lernen" (frmhaupt_lernen.cpp).
    void LernenVerbinden();
    void ErsteAnzeige();
    void EditorEinstellungenAnwenden();
    void LegendeAktualisieren();

    void AuswahlGeaendert();
    // Runs the command on the current lesson's undo history.
    void Ausfuehren(QUndoCommand *befehl);
    void UndoAktualisieren();
    void LernaktionenAktualisieren();
    void Geaendert();
    void TabsAufbauen();
    void TabGewechselt(int index);
    void ListeGeaendert();
    void TextNeu();
    void NotizenNeu();

    void SchnellEingabeGeaendert(const QString &text);
    void AuswahlZeigen(bool zeigen);
    void AuswahlPlatzieren();
    void TextCursorGeaendert();
    void UeberLexovita();

    // The text page (frmhaupt_text.cpp).
    void TextmodusVerbinden();
    bool TextKlick(QObject *obj, QEvent *event);
    void TextmodusZeigen();
    // The editor's colours for the mode; after a settings change also the
    // painted ranges again.
    void ModusfarbenAnwenden();
    void FarbenErneuern();
    void Einfaerben(const std::vector<TFarbbereich> &bereiche);
    void WortkontextFuellen();
    // The look-up beside the text belongs to one lesson: another one shown
    // empties it.
    void WortkontextZuLektion(const TLektion *lektion);
    void WortkontextGewaehlt();
    void VokabelbaumZeigen(int32_t id, bool ausLexikon);
    void WortkontextHinzufuegen();
    // "Längen einblenden": the analysed text with its lengths in a document
    // of its own, shown in the read-only editor; the lesson's document stays
    // as it is and comes back when the display ends.
    void LaengenZeigen(bool an);
    QString LaengenHinweis(int position) const;
    void Nachschlagen(const QString &wort);
    void WortNachschlagen();
    void ZeilenabstandAnwenden();
    void Importieren(const QString &datei = {});

    // Search and replace (frmhaupt_suchen.cpp).
    void SuchenVerbinden();
    void SuchenZeigen(bool ersetzen);
    void SuchenAktualisieren(bool eingabe);
    void VokabelAktionenVerbinden();
    const TVokabel *GewaehlteVokabel() const;

    void Aktivieren(const char *name, bool an);

    // The session's questions, answered by windows.
    TLehrbuchwahl LehrbuchWaehlen(int modus, const QString &vorschlag) override;
    QString ExportDateiWaehlen(const QString &vorschlag) override;
    void EigenschaftenBearbeiten(TLektion &lektion) override;
    void Beschaeftigt(bool an) override;

    TAnwendungskern &m_kern;
    TTextmodus *m_textmodus = nullptr;
    TfrmSuchen *m_suchen = nullptr;             // created on first use
    TfrmVokabelliste *m_vokabelliste = nullptr; // created on first use, kept
    TVokabelModell *m_vokabelModell = nullptr;
    QUndoGroup *m_undo = nullptr;
    std::map<const TLektion *, QUndoStack *> m_undoStapel; // one per open lesson
    std::vector<TFarbbereich> m_grundfarben;               // the colours of the last click
    // The lesson the look-up beside the text was made in.
    const TLektion *m_wortkontextLektion = nullptr;
    std::unique_ptr<TFormenmanager> m_formen;
    QHash<QString, QAction *> m_aktionen;
    bool m_ersteAnzeige = true;
    bool m_zeigtLektion = false; // the window fills the editors: not a change by the user
    // While the lengths are shown: the lesson's document, its owner, and the
    // readings of the words left unmarked.
    QTextDocument *m_lektionsDokument = nullptr;
    QObject *m_lektionsDokumentEigner = nullptr;
    std::vector<TLaengenansicht::THinweis> m_laengenHinweise;

  public:
    // Widgets, named as the other windows and the tests refer to them.
    QTabBar *TabSet;
    QTabWidget *pgcSeiten;
    TVokabelTabelle *lvwVokabeln;
    QLineEdit *edtVokabel;
    QPushButton *btnHinzufuegen;
    TframeAuswahl *frameAuswahl;
    QToolBar *tbVokabel;
    QMenu *mnuVokabelPopup;
    QTextEdit *edtText;
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
