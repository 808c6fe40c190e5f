// Main window: construction, wiring and the commands that act on lessons.
#include "ui/frmhaupt.h"

#include "app/anwendungskern.h"
#include "app/einstellungsdienst.h"
#include "app/lektionssitzung.h"
#include "app/vokabeldienst.h"
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
#include "ui/vokabelliste.h"

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
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
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
    connect(&Sitzung(), &TLektionssitzung::anzeigen, this, &TfrmHaupt::LektionZeigen);
    connect(&Sitzung(), &TLektionssitzung::kopfGeaendert, this, &TfrmHaupt::TabsAufbauen);
    // Changed settings take effect in the open window at once.
    connect(&m_kern.Einstellungen(), &TEinstellungsdienst::geaendert, this,
            [this](const QSet<TEinstellungsGruppe> &gruppen) {
                if (gruppen.contains(TEinstellungsGruppe::Text) || gruppen.contains(TEinstellungsGruppe::Colors))
                    EditorEinstellungenAnwenden();
            });
}

TfrmHaupt::~TfrmHaupt()
{
    // The session outlives the window: no more questions to it, no more signals from it.
    Sitzung().SetDialoge(nullptr);
    disconnect(&Sitzung(), nullptr, this, nullptr);
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

void TfrmHaupt::Importieren()
{
    const TfrmImport::Ausgang a = TfrmImport::Ausfuehren(this, m_kern);
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
        // Entries may have been added to the lesson or deleted.
        LektionZeigen();
    });
    verbinde("actBeenden", [this] { close(); });
    verbinde("actVokabelHinzufuegen", [this] { VokabelHinzufuegen(); });
    verbinde("actVokabelEntfernen", [this] { VokabelEntfernen(); });
    verbinde("actVokabelNachOben", [this] { VokabelNachOben(); });
    verbinde("actVokabelNachUnten", [this] { VokabelNachUnten(); });
    verbinde("actAusschneiden", [this] { PlusMemo1->cut(); });
    verbinde("actKopieren", [this] { PlusMemo1->copy(); });
    verbinde("actEinfuegen", [this] { PlusMemo1->paste(); });
    verbinde("actRueckgaengig", [this] { PlusMemo1->undo(); });
    verbinde("actWiederholen", [this] { PlusMemo1->redo(); });
    verbinde("actFormentabelle", [this] {
        const QList<int> sel = lvwVokabeln->AusgewaehlteZeilen();
        if (sel.size() == 1 && AktuelleLektion())
            TfrmFormentabelle::Zeigen(this, m_kern, *AktuelleLektion()->vokabeln[static_cast<size_t>(sel.first())]);
    });
    verbinde("actFormenanalyse", [this] {
        TfrmFormenanalyse fenster(this, m_kern);
        connect(&fenster, &TfrmFormenanalyse::hinzugefuegt, this, [this] { VokabellisteAufbauen(); });
        fenster.exec();
    });
    verbinde("Action2", [this] {
        TfrmNumerale fenster(this);
        fenster.exec();
    });
    verbinde("actEinstellungen", [this] {
        TfrmEinstellungen fenster(m_kern, AktuelleLektion() ? AktuelleLektion()->TextAlsString() : QString(), this);
        fenster.exec();
    });
    verbinde("Action4", [this] { UeberLexovita(); });
    verbinde("actHilfe", [this] { HilfeZeigen(this, 1016); });

    connect(btnHinzufuegen, &QPushButton::clicked, this, [this] {
        VokabelHinzufuegen();
        edtVokabel->setFocus();
        edtVokabel->selectAll();
    });
    connect(edtVokabel, &QLineEdit::textChanged, this, &TfrmHaupt::SchnellEingabeGeaendert);
    connect(TabSet, &QTabBar::currentChanged, this, &TfrmHaupt::TabGewechselt);
    connect(lvwVokabeln, &QTreeWidget::itemSelectionChanged, this, &TfrmHaupt::AuswahlGeaendert);
    connect(lvwVokabeln->header(), &QHeaderView::sectionClicked, this, &TfrmHaupt::SpalteSortieren);
    connect(lvwVokabeln, &TVokabelListe::verschieben, this, &TfrmHaupt::VokabelVerschieben);
    connect(lvwVokabeln, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (!lvwVokabeln->itemAt(pos))
            return;
        mnuVokabelPopup->clear();
        const int n = lvwVokabeln->AusgewaehlteZeilen().size();
        auto eintrag = [this](const QString &text, const char *aktion) {
            QAction *a = Aktion(QString::fromLatin1(aktion));
            QAction *p = mnuVokabelPopup->addAction(text, a, &QAction::trigger);
            p->setEnabled(a->isEnabled());
        };
        if (n == 1) {
            const TLektion *l = AktuelleLektion();
            const int z = lvwVokabeln->AusgewaehlteZeilen().first();
            const int wa = l->vokabeln[static_cast<size_t>(z)]->Wortart();
            if (wa == WA_VERB || wa == WA_SUBSTANTIV || wa == WA_ADJEKTIV || wa == WA_PRONOMEN)
                eintrag(QStringLiteral("Formentabelle"), "actFormentabelle");
            eintrag(QStringLiteral("Bearbeiten"), "actVokabelBearbeiten");
            eintrag(QStringLiteral("Nach oben"), "actVokabelNachOben");
            eintrag(QStringLiteral("Nach unten"), "actVokabelNachUnten");
            eintrag(QStringLiteral("Eigenschaften"), "actEigenschaften");
        }
        eintrag(QStringLiteral("Entfernen"), "actVokabelEntfernen");
        mnuVokabelPopup->popup(lvwVokabeln->viewport()->mapToGlobal(pos));
    });
    connect(lvwVokabeln, &QTreeWidget::itemDoubleClicked, this,
            [this] { Aktion(QStringLiteral("actEigenschaften"))->trigger(); });

    connect(PlusMemo1, &QTextEdit::cursorPositionChanged, this, &TfrmHaupt::TextCursorGeaendert);
    // The editors are bound to the session's lesson: every change goes there at once.
    connect(PlusMemo1, &QTextEdit::textChanged, this, [this] {
        if (!m_zeigtLektion)
            Sitzung().TextSetzen(PlusMemo1->toPlainText());
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
        if (event->type() == QEvent::KeyPress) {
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
    m_kern.Einstellungen().Laden();
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
    emit bereit();
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

void TfrmHaupt::VokabelZeileFuellen(int zeile)
{
    const TVokabel &v = *AktuelleLektion()->vokabeln[static_cast<size_t>(zeile)];
    auto *it = new QTreeWidgetItem({QString::number(zeile + 1), v.vokabel, v.FormenText(), v.BedeutungenText(),
                                    v.WortartText(), v.KonjDeklText()});
    it->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
    it->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    lvwVokabeln->addTopLevelItem(it);
}

void TfrmHaupt::VokabellisteAufbauen(int auswahl)
{
    const QSignalBlocker sperre(lvwVokabeln);
    lvwVokabeln->clear();
    if (const TLektion *l = AktuelleLektion()) {
        for (int i = 0; i < l->Anzahl(); ++i)
            VokabelZeileFuellen(i);
    }
    if (auswahl >= 0 && auswahl < lvwVokabeln->topLevelItemCount()) {
        QTreeWidgetItem *it = lvwVokabeln->topLevelItem(auswahl);
        lvwVokabeln->setCurrentItem(it);
        it->setSelected(true);
        lvwVokabeln->scrollToItem(it);
    } else if (lvwVokabeln->topLevelItemCount() > 0) {
        lvwVokabeln->scrollToItem(lvwVokabeln->topLevelItem(0));
    }
    AuswahlGeaendert();
    LernaktionenAktualisieren();
}

void TfrmHaupt::LektionZeigen()
{
    TLektion *l = AktuelleLektion();
    if (!l)
        return;
    m_zeigtLektion = true;
    VokabellisteAufbauen();
    PlusMemo1->setPlainText(l->text.join(QLatin1Char('\n')));
    memNotizen->setPlainText(l->notizen.join(QLatin1Char('\n')));
    ZeilenabstandAnwenden();
    m_zeigtLektion = false;
    TabsAufbauen();
    // Each lesson keeps its own mode and analysis results.
    TextmodusZeigen();
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
    bool formen = false;
    if (eine && AktuelleLektion()) {
        const int wa = AktuelleLektion()->vokabeln[static_cast<size_t>(sel.first())]->Wortart();
        formen = wa == WA_VERB || wa == WA_SUBSTANTIV || wa == WA_ADJEKTIV || wa == WA_PRONOMEN;
    }
    Aktivieren("actFormentabelle", formen);
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
    if (!kandidat || !Sitzung().VokabelAnhaengen(kandidat->id))
        return;
    const int zeile = AktuelleLektion()->Anzahl() - 1;
    VokabelZeileFuellen(zeile);
    lvwVokabeln->scrollToItem(lvwVokabeln->topLevelItem(zeile));
    if (!m_kern.Config().KeepVokTooltip)
        AuswahlZeigen(false);
    LernaktionenAktualisieren();
}

// ---- Entry list ------------------------------------------------------------

void TfrmHaupt::VokabelEntfernen()
{
    const QList<int> zeilen = lvwVokabeln->AusgewaehlteZeilen();
    TLektion *l = AktuelleLektion();
    if (zeilen.isEmpty() || !l)
        return;
    l->VokabelnEntfernen(zeilen);
    VokabellisteAufbauen();
    Sitzung().Markieren();
}

void TfrmHaupt::VokabelNachOben()
{
    const QList<int> zeilen = lvwVokabeln->AusgewaehlteZeilen();
    TLektion *l = AktuelleLektion();
    if (zeilen.size() != 1 || !l)
        return;
    VokabellisteAufbauen(l->VokabelNachOben(zeilen.first()));
    Sitzung().Markieren();
}

void TfrmHaupt::VokabelNachUnten()
{
    const QList<int> zeilen = lvwVokabeln->AusgewaehlteZeilen();
    TLektion *l = AktuelleLektion();
    if (zeilen.size() != 1 || !l)
        return;
    VokabellisteAufbauen(l->VokabelNachUnten(zeilen.first()));
    Sitzung().Markieren();
}

void TfrmHaupt::VokabelVerschieben(int von, int nach)
{
    TLektion *l = AktuelleLektion();
    if (l && l->VokabelVerschieben(von, nach))
        VokabellisteAufbauen(nach);
}

void TfrmHaupt::SpalteSortieren(int spalte)
{
    TLektion *l = AktuelleLektion();
    if (!l || spalte <= 0 || spalte > static_cast<int>(TSpalte::KonjDekl))
        return;
    l->VokabelnSortieren(static_cast<TSpalte>(spalte));
    VokabellisteAufbauen();
}

} // namespace lexovita
