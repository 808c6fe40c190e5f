// Main window: construction, wiring and the commands that act on lessons.
#include "app/lexikondienst.h"
#include "ui/frmhaupt.h"

#include "app/anwendungskern.h"
#include "app/einstellungsdienst.h"
#include "app/lektionssitzung.h"
#include "app/vokabeldienst.h"
#include "app/vokabelmodell.h"
#include "model/config.h"
#include "model/lektion.h"
#include "model/rueckfrage.h"
#include "morph/formenmanager.h"
#include "ui/frameauswahl.h"
#include "ui/frmbackup.h"
#include "ui/frmeinstellungen.h"
#include "ui/frmformenanalyse.h"
#include "ui/frmformentabelle.h"
#include "ui/frmimport.h"
#include "ui/frmlektionseigenschaften.h"
#include "ui/frmnumerale.h"
#include "ui/frmvokabeleditor.h"
#include "ui/frmwoerterbuch.h"
#include "ui/hilfe.h"
#include "ui/vokabelbefehle.h"
#include "ui/vokabeltabelle.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QUndoGroup>
#include <QUndoStack>
#include <QVBoxLayout>

namespace lexovita {

TfrmHaupt::TfrmHaupt(TAnwendungskern &kern, QWidget *parent)
    : QMainWindow(parent), m_kern(kern), m_formen(std::make_unique<TFormenmanager>())
{
    setObjectName(QStringLiteral("frmHaupt"));
    setWindowTitle(ProgrammTitel());
    AktionenAnlegen();
    MenuesAnlegen();

    auto *mitte = new QWidget(this);
    TabSet = new QTabBar(mitte);
    TabSet->setObjectName(QStringLiteral("TabSet"));
    TabSet->setExpanding(false);
    TabSet->setDocumentMode(true);
    pgcSeiten = new QTabWidget(mitte);
    pgcSeiten->setObjectName(QStringLiteral("pgcSeiten"));
    pgcSeiten->setAccessibleName(QStringLiteral("Lektion"));
    auto *lay = new QVBoxLayout(mitte);
    lay->setContentsMargins(4, 4, 4, 4);
    lay->setSpacing(2);
    lay->addWidget(TabSet);
    lay->addWidget(pgcSeiten, 1);
    setCentralWidget(mitte);

    m_undo = new QUndoGroup(this);
    SeiteVokabelnAnlegen();
    SeiteTextAnlegen();
    AktionenVerbinden();
    VokabelAktionenVerbinden();
    TextmodusVerbinden();
    SuchenVerbinden();
    DruckenVerbinden();
    LernenVerbinden();
    AuswahlGeaendert();
    resize(1024, 700);

    lehrbuchWaehlen = [this](int modus, const QString &vorschlag) {
        return TfrmLehrbuchverwaltung::Auswaehlen(this, m_kern, modus, vorschlag);
    };
    exportDateiWaehlen = [this](const QString &vorschlag) {
        if (vorschlag.endsWith(QLatin1String(".csv")))
            return QFileDialog::getSaveFileName(this, QStringLiteral("Als CSV-Datei exportieren"), vorschlag,
                                                QStringLiteral("CSV-Dateien (*.csv)"));
        if (vorschlag.endsWith(QLatin1String(".txt")))
            return QFileDialog::getSaveFileName(this, QStringLiteral("Als Karteikarten exportieren"), vorschlag,
                                                QStringLiteral("Karteikarten für Lern-Apps (*.txt)"));
        return QFileDialog::getSaveFileName(this, QStringLiteral("Als XML-Datei exportieren"), vorschlag,
                                            QStringLiteral("XML-Dateien (*.xml)"));
    };
    eigenschaftenZeigen = [this](TLektion &lektion) { TfrmEigenschaften::Bearbeiten(this, m_kern, lektion); };

    Sitzung().SetDialoge(this);
    // Each signal rebuilds only what it names: saving touches the tabs alone.
    TLektionssitzung *s = &Sitzung();
    connect(s, &TLektionssitzung::lektionGewechselt, this, &TfrmHaupt::LektionZeigen);
    connect(s, &TLektionssitzung::kopfGeaendert, this, &TfrmHaupt::TabsAufbauen);
    connect(s, &TLektionssitzung::textGeaendert, this, &TfrmHaupt::TextNeu);
    connect(s, &TLektionssitzung::notizenGeaendert, this, &TfrmHaupt::NotizenNeu);
    for (auto signal : {&TLektionssitzung::vokabelnEingefuegt, &TLektionssitzung::vokabelnEntfernt,
                        &TLektionssitzung::vokabelVerschoben})
        connect(s, signal, this, &TfrmHaupt::ListeGeaendert);
    connect(s, &TLektionssitzung::reihenfolgeGeaendert, this, &TfrmHaupt::ListeGeaendert);
    connect(s, &TLektionssitzung::vokabelnGeaendert, this, &TfrmHaupt::ListeGeaendert);
    // A list rewritten by another window cannot be undone step by step any more.
    connect(s, &TLektionssitzung::vokabelnNeu, this, [this](TLektion *l) {
        if (auto it = m_undoStapel.find(l); it != m_undoStapel.end())
            it->second->clear();
        if (l == AktuelleLektion())
            ListeGeaendert();
    });
    connect(s, &TLektionssitzung::lektionGeschlossen, this, [this](TLektion *l) {
        if (auto it = m_undoStapel.find(l); it != m_undoStapel.end()) {
            delete it->second;
            m_undoStapel.erase(it);
        }
    });
    connect(s, &TLektionssitzung::gespeichert, this, [this](TLektion *l) {
        if (auto it = m_undoStapel.find(l); it != m_undoStapel.end())
            it->second->setClean();
    });
    // Changed settings take effect in the open window at once.
    connect(&m_kern.Einstellungen(), &TEinstellungsdienst::geaendert, this,
            [this](const QSet<TEinstellungsGruppe> &gruppen) {
                if (gruppen.contains(TEinstellungsGruppe::Text) || gruppen.contains(TEinstellungsGruppe::Colors))
                    EditorEinstellungenAnwenden();
                // The way vowel lengths are shown is a root value.
                if (gruppen.contains(TEinstellungsGruppe::Wurzel))
                    m_vokabelModell->AnzeigeGeaendert();
            });
}

TfrmHaupt::~TfrmHaupt()
{
    // The session outlives the window: no more questions to it, no more signals from it.
    Sitzung().SetDialoge(nullptr);
    disconnect(&Sitzung(), nullptr, this, nullptr);
    // Dying undo stacks still signal; by the time QObject deletes them this
    // window is only a QWidget, so they go first and unheard.
    for (const auto &[lektion, stapel] : m_undoStapel)
        disconnect(stapel, nullptr, this, nullptr);
    disconnect(m_undo, nullptr, this, nullptr);
    delete m_undo;
    m_undo = nullptr;
    m_undoStapel.clear();
}

TLektionssitzung &TfrmHaupt::Sitzung()
{
    return m_kern.Sitzung();
}

TLektion *TfrmHaupt::AktuelleLektion() const
{
    return m_kern.Sitzung().Aktuell();
}

TLehrbuchwahl TfrmHaupt::LehrbuchWaehlen(int modus, const QString &vorschlag)
{
    return lehrbuchWaehlen(modus, vorschlag);
}

QString TfrmHaupt::ExportDateiWaehlen(const QString &vorschlag)
{
    return exportDateiWaehlen(vorschlag);
}

void TfrmHaupt::EigenschaftenBearbeiten(TLektion &lektion)
{
    eigenschaftenZeigen(lektion);
}

void TfrmHaupt::Beschaeftigt(bool an)
{
    if (an)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TfrmHaupt::DateiImportieren(const QString &datei)
{
    Importieren(datei);
}

void TfrmHaupt::Importieren(const QString &datei)
{
    const TfrmImport::Ausgang a = TfrmImport::Ausfuehren(this, m_kern, datei);
    if (a.oeffnen != 0)
        Sitzung().GespeicherteOeffnen(a.oeffnen);
}

void TfrmHaupt::AktionenVerbinden()
{
    auto verbinde = [this](const char *name, auto funktion) {
        connect(Aktion(QString::fromLatin1(name)), &QAction::triggered, this, funktion);
    };
    TLektionssitzung *s = &Sitzung();
    verbinde("actNeueLektion", [s] { s->Neu(); });
    verbinde("actOeffnen", [s] { s->Oeffnen(); });
    verbinde("actSpeichern", [s] { s->Speichern(); });
    verbinde("actSpeichernUnter", [s] { s->SpeichernUnter(); });
    verbinde("actAnhaengen", [s] { s->Anhaengen(); });
    verbinde("actLektionSchliessen", [s] { s->Schliessen(); });
    verbinde("actLektionEigenschaften", [s] { s->Eigenschaften(); });
    verbinde("actExportieren", [s] { s->Exportieren(); });
    verbinde("actExportierenCSV", [s] { s->TabelleExportieren(); });
    verbinde("actExportierenKarteikarten", [s] { s->KarteikartenExportieren(); });
    verbinde("actImportieren", [this] { Importieren(); });
    verbinde("actBackup", [this] { BackupFensterZeigen(this, m_kern); });
    verbinde("actDBAufraeumen", [this] { AufraeumenFensterZeigen(this, m_kern); });
    verbinde("actWoerterbuch", [this] {
        TfrmWoerterbuch fenster(m_kern, this);
        fenster.vokabelBearbeiten = [this, &fenster](int32_t id) {
            auto v = TVokabeldienst(m_kern).Laden(id);
            return TfrmVokabelEditor::Bearbeiten(
                &fenster, m_kern, *v, QStringLiteral("Vokabel bearbeiten (") + v->vokabel + QLatin1Char(')'));
        };
        fenster.neueVokabel = [this, &fenster] {
            auto v = TVokabeldienst::Neu(QString());
            return TfrmVokabelEditor::Bearbeiten(&fenster, m_kern, *v, QStringLiteral("Neue Vokabel ()"));
        };
        fenster.Aktualisieren();
        fenster.exec();
    });
    verbinde("actBeenden", [this] { close(); });
    verbinde("actVokabelHinzufuegen", [this] { VokabelHinzufuegen(); });
    verbinde("actVokabelEntfernen", [this] { VokabelEntfernen(); });
    verbinde("actVokabelNachOben", [this] { VokabelNachOben(); });
    verbinde("actVokabelNachUnten", [this] { VokabelNachUnten(); });
    verbinde("actVokabelRueckgaengig", [this] { m_undo->undo(); });
    verbinde("actVokabelWiederherstellen", [this] { m_undo->redo(); });
    connect(m_undo, &QUndoGroup::indexChanged, this, &TfrmHaupt::UndoAktualisieren);
    connect(m_undo, &QUndoGroup::activeStackChanged, this, &TfrmHaupt::UndoAktualisieren);
    verbinde("actAusschneiden", [this] { edtText->cut(); });
    verbinde("actKopieren", [this] { edtText->copy(); });
    verbinde("actEinfuegen", [this] { edtText->paste(); });
    verbinde("actRueckgaengig", [this] { edtText->undo(); });
    verbinde("actWiederholen", [this] { edtText->redo(); });
    verbinde("actFormentabelle", [this] {
        if (const TVokabel *v = GewaehlteVokabel())
            TfrmFormentabelle::Zeigen(this, m_kern, *v);
    });
    verbinde("actFormenanalyse", [this] {
        TfrmFormenanalyse fenster(this, m_kern);
        fenster.vokabelBearbeiten = [this, &fenster](int32_t id) {
            auto v = TVokabeldienst(m_kern).Laden(id);
            return v &&
                   TfrmVokabelEditor::Bearbeiten(
                       &fenster, m_kern, *v, QStringLiteral("Vokabel bearbeiten (") + v->vokabel + QLatin1Char(')'));
        };
        fenster.exec();
    });
    verbinde("actNumerale", [this] {
        TfrmNumerale fenster(this);
        fenster.exec();
    });
    verbinde("actEinstellungen", [this] {
        TfrmEinstellungen fenster(m_kern, AktuelleLektion() ? AktuelleLektion()->TextAlsString() : QString(), this);
        fenster.exec();
    });
    verbinde("actUeber", [this] { UeberLexovita(); });
    verbinde("actHilfe", [this] { HilfeZeigen(this, 1016); });

    connect(btnHinzufuegen, &QPushButton::clicked, this, [this] {
        VokabelHinzufuegen();
        edtVokabel->setFocus();
        edtVokabel->selectAll();
    });
    connect(edtVokabel, &QLineEdit::textChanged, this, &TfrmHaupt::SchnellEingabeGeaendert);
    connect(TabSet, &QTabBar::currentChanged, this, &TfrmHaupt::TabGewechselt);
    connect(lvwVokabeln->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TfrmHaupt::AuswahlGeaendert);
    connect(m_vokabelModell, &QAbstractItemModel::modelReset, this, &TfrmHaupt::ListeGeaendert);
    connect(lvwVokabeln->header(), &QHeaderView::sectionClicked, this,
            [this](int spalte) { SpalteSortieren(static_cast<int>(TVokabelModell::AlsSortierspalte(spalte))); });
    connect(lvwVokabeln, &TVokabelTabelle::verschieben, this, &TfrmHaupt::VokabelVerschieben);
    connect(lvwVokabeln, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (lvwVokabeln->ZeileBei(pos) < 0)
            return;
        mnuVokabelPopup->clear();
        const int n = int(lvwVokabeln->AusgewaehlteZeilen().size());
        auto eintrag = [this](const QString &text, const char *aktion) {
            QAction *a = Aktion(QString::fromLatin1(aktion));
            QAction *p = mnuVokabelPopup->addAction(text, a, &QAction::trigger);
            p->setEnabled(a->isEnabled());
        };
        if (n == 1) {
            if (Aktion(QStringLiteral("actFormentabelle"))->isEnabled())
                eintrag(QStringLiteral("Formentabelle"), "actFormentabelle");
            eintrag(QStringLiteral("Bearbeiten"), "actVokabelBearbeiten");
            eintrag(QStringLiteral("Nach oben"), "actVokabelNachOben");
            eintrag(QStringLiteral("Nach unten"), "actVokabelNachUnten");
            eintrag(QStringLiteral("Eigenschaften"), "actEigenschaften");
        }
        eintrag(QStringLiteral("Entfernen"), "actVokabelEntfernen");
        mnuVokabelPopup->popup(lvwVokabeln->viewport()->mapToGlobal(pos));
    });
    connect(lvwVokabeln, &QAbstractItemView::doubleClicked, this,
            [this] { Aktion(QStringLiteral("actEigenschaften"))->trigger(); });

    connect(edtText, &QTextEdit::cursorPositionChanged, this, &TfrmHaupt::TextCursorGeaendert);
    // The editors are bound to the session's lesson: every change goes there at once.
    connect(edtText, &QTextEdit::textChanged, this, [this] {
        // The lengths display is never the lesson's text.
        if (!m_zeigtLektion && !m_lektionsDokument)
            Sitzung().TextSetzen(edtText->toPlainText());
    });
    connect(memNotizen, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_zeigtLektion)
            Sitzung().NotizenSetzen(memNotizen->toPlainText());
    });
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{chkKasus, chkNumerus, chkGenus, optUnd, optOder})
        connect(b, &QAbstractButton::toggled, this, &TfrmHaupt::LegendeAktualisieren);
}

bool TfrmHaupt::eventFilter(QObject *obj, QEvent *event)
{
    if (TextKlick(obj, event))
        return true;
    if (obj == edtVokabel) {
        if (event->type() == QEvent::ShortcutOverride) {
            // The field would take Ctrl+Insert as "copy"; here it is "Neue Vokabel...".
            auto *k = static_cast<QKeyEvent *>(event);
            if (k->key() == Qt::Key_Insert && k->modifiers() == Qt::ControlModifier) {
                event->ignore();
                return true;
            }
        } else if (event->type() == QEvent::KeyPress) {
            auto *k = static_cast<QKeyEvent *>(event);
            switch (k->key()) {
            case Qt::Key_Down:
                frameAuswahl->Runter();
                return true;
            case Qt::Key_Up:
                frameAuswahl->Hoch();
                return true;
            case Qt::Key_Escape:
                AuswahlZeigen(false);
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (frameAuswahl->isVisible()) {
                    VokabelHinzufuegen();
                    edtVokabel->selectAll();
                } else {
                    Aktion(QStringLiteral("actVokabelNeu"))->trigger();
                }
                return true;
            default:
                break;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // A click on the panel's own buttons keeps the field focused (NoFocus buttons).
            frameAuswahl->hide();
        }
    }
    return QMainWindow::eventFilter(obj, event);
}

void TfrmHaupt::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_ersteAnzeige) {
        m_ersteAnzeige = false;
        // After the window is on screen, so the word-index message has a parent to centre on.
        QTimer::singleShot(0, this, &TfrmHaupt::ErsteAnzeige);
    }
}

void TfrmHaupt::ErsteAnzeige()
{
    // Whatever the settings hold, start-up goes on with defaults for bad values.
    const QString warnung = m_kern.Einstellungen().Laden();
    if (!warnung.isEmpty())
        m_kern.Rueckfrage().Meldung(ProgrammTitel(), warnung);
    {
        Beschaeftigt(true);
        struct Ende {
            TfrmHaupt *f;
            ~Ende() { f->Beschaeftigt(false); }
        } ende{this};
        m_kern.VokabelindexSicherstellen();
    }
    Sitzung().SetVorlagenOrdner(m_kern.Config().VorlagenOrdner());
    EditorEinstellungenAnwenden();
    Sitzung().Neu();
    // A pupil's first look is a lesson to learn, not an empty page; the
    // untouched new lesson gives way to it.
    if (ersterStart)
        Sitzung().ErsteLektionOeffnen();
    emit bereit();
}

void TfrmHaupt::LexikonAnbieten()
{
    const TLexikonStatus status = LexikonStatus(m_kern.Daten());
    if (!status.warumNicht.isEmpty() || status.eintraege > 0)
        return;
    if (m_kern.Rueckfrage().Frage(
            QStringLiteral("Lexikon"),
            QStringLiteral("Auf diesem Rechner sind die lateinischen Wörterbücher von Collatinus installiert. Soll "
                           "lexovita daraus jetzt sein Lexikon aufbauen? Dann erkennen die Formenanalyse und der "
                           "Textmodus auch Wörter, die in keiner Lektion stehen.\n\nDer Import dauert weniger als eine "
                           "Minute. Du kannst ihn auch später unter „Einstellungen“ → „Lexikon“ starten."),
            KN_JA_NEIN, Antwort::Ja, Symbol::Frage) != Antwort::Ja)
        return;
    TfrmEinstellungen fenster(m_kern, AktuelleLektion() ? AktuelleLektion()->TextAlsString() : QString(), this);
    fenster.LexikonSeiteZeigen();
    QTimer::singleShot(0, &fenster, &TfrmEinstellungen::LexikonImportieren);
    fenster.exec();
}

void TfrmHaupt::closeEvent(QCloseEvent *event)
{
    // Until everything is stored, the window stays: a database error thrown
    // below must not let it close with the lessons in it.
    event->ignore();
    if (!Sitzung().Beenden())
        return;
    m_kern.Einstellungen().Speichern();
    event->accept();
}

// ---- Showing lessons -------------------------------------------------------

void TfrmHaupt::LektionZeigen()
{
    TLektion *l = AktuelleLektion();
    if (!l)
        return;
    WortkontextZuLektion(l);
    // The model follows the session by itself; the editors are rebuilt here only.
    TextNeu();
    NotizenNeu();
    TabsAufbauen();
    auto it = m_undoStapel.find(l);
    if (it == m_undoStapel.end()) {
        auto *stapel = new QUndoStack(m_undo);
        it = m_undoStapel.emplace(l, stapel).first;
        // This lesson's undo history decides its mark, once it is back at the saved state or leaves it.
        connect(stapel, &QUndoStack::cleanChanged, this, [this, stapel](bool sauber) {
            if (stapel == m_undo->activeStack())
                Sitzung().ListenstandSetzen(sauber);
        });
    }
    m_undo->setActiveStack(it->second);
    ListeGeaendert();
    if (lvwVokabeln->Anzahl() > 0)
        lvwVokabeln->scrollToTop();
    // Each lesson keeps its own mode and analysis results.
    TextmodusZeigen();
}

void TfrmHaupt::TextNeu()
{
    const TLektion *l = AktuelleLektion();
    if (!l)
        return;
    LaengenZeigen(false);
    m_zeigtLektion = true;
    edtText->setPlainText(l->text.join(QLatin1Char('\n')));
    ZeilenabstandAnwenden();
    m_zeigtLektion = false;
}

void TfrmHaupt::NotizenNeu()
{
    const TLektion *l = AktuelleLektion();
    if (!l)
        return;
    m_zeigtLektion = true;
    memNotizen->setPlainText(l->notizen.join(QLatin1Char('\n')));
    m_zeigtLektion = false;
}

void TfrmHaupt::ListeGeaendert()
{
    AuswahlGeaendert();
    LernaktionenAktualisieren();
}

QUndoStack *TfrmHaupt::Rueckgaengig() const
{
    return m_undo->activeStack();
}

void TfrmHaupt::Ausfuehren(QUndoCommand *befehl)
{
    if (QUndoStack *stapel = Rueckgaengig())
        stapel->push(befehl);
    else
        delete befehl;
}

void TfrmHaupt::UndoAktualisieren()
{
    // The captions name the command: "Rückgängig: Vokabel entfernen".
    QAction *zurueck = Aktion(QStringLiteral("actVokabelRueckgaengig"));
    QAction *vor = Aktion(QStringLiteral("actVokabelWiederherstellen"));
    zurueck->setEnabled(m_undo->canUndo());
    vor->setEnabled(m_undo->canRedo());
    zurueck->setText(m_undo->canUndo() ? QStringLiteral("&Rückgängig: ") + m_undo->undoText()
                                       : QStringLiteral("&Rückgängig"));
    vor->setText(m_undo->canRedo() ? QStringLiteral("&Wiederherstellen: ") + m_undo->redoText()
                                   : QStringLiteral("&Wiederherstellen"));
}

void TfrmHaupt::TabsAufbauen()
{
    const QSignalBlocker sperre(TabSet);
    // One tab per open lesson, in the session's order.
    TLektionManager &lektionen = Sitzung().Lektionen();
    while (TabSet->count() > lektionen.Anzahl())
        TabSet->removeTab(TabSet->count() - 1);
    while (TabSet->count() < lektionen.Anzahl())
        TabSet->addTab(QString());
    for (int i = 0; i < lektionen.Anzahl(); ++i)
        TabSet->setTabText(i, lektionen.Lektion(i)->TabText());
    DruckaktionenAktualisieren();
    if (const TLektion *a = AktuelleLektion()) {
        TabSet->setCurrentIndex(lektionen.Tab(a));
        setWindowTitle(ProgrammTitel() + QStringLiteral(" [") + a->name + QLatin1Char(']'));
    }
}

void TfrmHaupt::TabGewechselt(int index)
{
    Sitzung().TabWaehlen(index);
}

void TfrmHaupt::AuswahlGeaendert()
{
    const QList<int> sel = lvwVokabeln->AusgewaehlteZeilen();
    const bool eine = sel.size() == 1;
    Aktivieren("actVokabelEntfernen", !sel.isEmpty());
    Aktivieren("actVokabelNachOben", eine);
    Aktivieren("actVokabelNachUnten", eine);
    Aktivieren("actEigenschaften", eine);
    Aktivieren("actVokabelBearbeiten", eine);
    const TVokabel *v = GewaehlteVokabel();
    const int wa = v ? v->Wortart() : 0;
    Aktivieren("actFormentabelle", HatFormentabelle(wa));
}

void TfrmHaupt::LernaktionenAktualisieren()
{
    const bool hatVokabeln = AktuelleLektion() && AktuelleLektion()->Anzahl() > 0;
    for (const char *n :
         {"actVokabelnSchriftlich", "actVokabelnMuendlich", "actFormenBilden", "actFormenBestimmen", "actVokabeltest"})
        Aktivieren(n, hatVokabeln);
}

// ---- Quick add -------------------------------------------------------------

void TfrmHaupt::SchnellEingabeGeaendert(const QString &text)
{
    if (text.size() < 2) {
        AuswahlZeigen(false);
        return;
    }
    edtVokabel->end(false);
    auto treffer = m_kern.VokabelnSuchen(text);
    if (treffer.empty()) {
        AuswahlZeigen(false);
        return;
    }
    frameAuswahl->ListeSetzen(std::move(treffer));
    AuswahlZeigen(true);
}

void TfrmHaupt::VokabelHinzufuegen()
{
    const TVokabel *kandidat = frameAuswahl->isVisible() ? frameAuswahl->Aktuell() : nullptr;
    const TLektion *l = AktuelleLektion();
    if (!kandidat || !l)
        return;
    // A word already in the lesson is not added twice: its row is shown instead.
    for (int z = 0; z < l->Anzahl(); ++z) {
        if (l->vokabeln[static_cast<size_t>(z)]->id == kandidat->id) {
            lvwVokabeln->ZeilenWaehlen({z});
            statusBar()->showMessage(QStringLiteral("\"%1\" ist bereits in der Lektion.").arg(kandidat->vokabel), 5000);
            AuswahlZeigen(false);
            return;
        }
    }
    const int vorher = l->Anzahl();
    Ausfuehren(new TVokabelAnhaengenBefehl(Sitzung(), kandidat->id));
    if (l->Anzahl() == vorher)
        return;
    lvwVokabeln->scrollTo(m_vokabelModell->index(l->Anzahl() - 1, 0));
    if (!m_kern.Config().KeepVokTooltip)
        AuswahlZeigen(false);
}

// ---- Entry list ------------------------------------------------------------

void TfrmHaupt::VokabelEntfernen()
{
    const QList<int> zeilen = lvwVokabeln->AusgewaehlteZeilen();
    if (zeilen.isEmpty() || !AktuelleLektion())
        return;
    // One entry goes without a question, as it can be undone; several are asked for.
    if (zeilen.size() > 1 &&
        m_kern.Rueckfrage().Frage(
            ProgrammTitel(),
            QStringLiteral("Sollen die %1 ausgewählten Vokabeln aus der Lektion entfernt werden?").arg(zeilen.size()),
            KN_JA_NEIN, Antwort::Ja, Symbol::Frage) != Antwort::Ja)
        return;
    Ausfuehren(new TVokabelnEntfernenBefehl(Sitzung(), zeilen));
}

void TfrmHaupt::VokabelNachOben()
{
    const QList<int> zeilen = lvwVokabeln->AusgewaehlteZeilen();
    if (zeilen.size() != 1)
        return;
    Ausfuehren(new TVokabelVerschiebenBefehl(Sitzung(), TVokabelVerschiebenBefehl::Art::Oben, zeilen.first()));
    lvwVokabeln->ZeilenWaehlen(lvwVokabeln->AusgewaehlteZeilen());
}

void TfrmHaupt::VokabelNachUnten()
{
    const QList<int> zeilen = lvwVokabeln->AusgewaehlteZeilen();
    if (zeilen.size() != 1)
        return;
    Ausfuehren(new TVokabelVerschiebenBefehl(Sitzung(), TVokabelVerschiebenBefehl::Art::Unten, zeilen.first()));
    lvwVokabeln->ZeilenWaehlen(lvwVokabeln->AusgewaehlteZeilen());
}

void TfrmHaupt::VokabelVerschieben(int von, int nach)
{
    Ausfuehren(new TVokabelVerschiebenBefehl(Sitzung(), TVokabelVerschiebenBefehl::Art::Ziehen, von, nach));
}

void TfrmHaupt::SpalteSortieren(int spalte)
{
    if (spalte <= 0 || spalte > static_cast<int>(TSpalte::KonjDekl))
        return;
    Ausfuehren(new TVokabelnSortierenBefehl(Sitzung(), static_cast<TSpalte>(spalte)));
}

} // namespace lexovita
