// Main window: construction, wiring and the commands that act on lessons.
#include "ui/frmhaupt.h"

#include "model/config.h"
#include "model/lektion.h"
#include "model/lektionsdatei.h"
#include "morph/formenmanager.h"
#include "store/datenmanager.h"
#include "store/lektionsspeicher.h"
#include "model/rueckfrage.h"
#include "ui/frameauswahl.h"
#include "ui/hilfe.h"
#include "ui/frmimport.h"
#include "ui/frmlektionseigenschaften.h"
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
#include <QMessageBox>
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

TfrmHaupt::TfrmHaupt(const Umgebung &umgebung, QWidget *parent)
    : QMainWindow(parent), m_umgebung(umgebung), m_lektionen(std::make_unique<TLektionManager>()),
      m_formen(std::make_unique<TFormenmanager>())
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
    auto *lay = new QVBoxLayout(mitte);
    lay->setContentsMargins(4, 4, 4, 4);
    lay->setSpacing(2);
    lay->addWidget(TabSet);
    lay->addWidget(pgcSeiten, 1);
    setCentralWidget(mitte);

    SeiteVokabelnAnlegen();
    SeiteTextAnlegen();
    AktionenVerbinden();
    AuswahlGeaendert();
    resize(1024, 700);

    lehrbuchWaehlen = [this](int modus, const QString &vorschlag) {
        return TfrmLehrbuchverwaltung::Auswaehlen(this, *m_umgebung.datenmanager, *m_umgebung.config, modus, vorschlag,
                                                  m_umgebung.rueckfrage);
    };
    exportDateiWaehlen = [this](const QString &vorschlag) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Als XML-Datei exportieren"), vorschlag,
                                            QStringLiteral("XML-Dateien (*.xml)"));
    };
    eigenschaftenZeigen = [this](TLektion &lektion) {
        TfrmEigenschaften::Bearbeiten(this, *m_umgebung.datenmanager, lektion, m_umgebung.rueckfrage);
    };
}

TfrmHaupt::~TfrmHaupt() = default;

TLektion *TfrmHaupt::AktuelleLektion() const
{
    return m_lektionen->Aktuell();
}

void TfrmHaupt::AktionenVerbinden()
{
    auto verbinde = [this](const char *name, auto funktion) {
        connect(Aktion(QString::fromLatin1(name)), &QAction::triggered, this, funktion);
    };
    verbinde("actNeueLektion", [this] { NeueLektion(); });
    verbinde("actOeffnen", [this] { LektionOeffnen(); });
    verbinde("actSpeichern", [this] { LektionSpeichern(); });
    verbinde("actSpeichernUnter", [this] { LektionSpeichernUnter(); });
    verbinde("actAnhaengen", [this] { LektionAnhaengen(); });
    verbinde("actLektionSchliessen", [this] { LektionSchliessen(); });
    verbinde("actLektionEigenschaften", [this] { LektionEigenschaften(); });
    verbinde("actExportieren", [this] { LektionExportieren(); });
    verbinde("actImportieren", [this] {
        if (!m_umgebung.datenmanager)
            return;
        const TfrmImport::Ausgang a = TfrmImport::Ausfuehren(this, *m_umgebung.datenmanager, m_umgebung.rueckfrage);
        if (a.oeffnen != 0)
            GespeicherteLektionOeffnen(a.oeffnen);
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
    connect(PlusMemo1, &QTextEdit::textChanged, this, [this] {
        if (!m_zeigtLektion)
            Geaendert();
    });
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{chkKasus, chkNumerus, chkGenus, optUnd, optOder})
        connect(b, &QAbstractButton::toggled, this, &TfrmHaupt::LegendeAktualisieren);
}

bool TfrmHaupt::eventFilter(QObject *obj, QEvent *event)
{
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
    } else if (obj == PlusMemo1 && event->type() == QEvent::FocusOut) {
        TextNachLektion();
    } else if (obj == memNotizen && event->type() == QEvent::KeyRelease) {
        NotizenNachLektion();
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
    if (m_umgebung.config)
        m_umgebung.config->EinstellungenLaden();
    if (m_umgebung.datenmanager && m_umgebung.rueckfrage && m_umgebung.datenmanager->VokabelindexFehlt()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_umgebung.datenmanager->VokabelindexAnlegen(*m_umgebung.rueckfrage);
        QApplication::restoreOverrideCursor();
    }
    EditorEinstellungenAnwenden();
    NeueLektion();
    emit bereit();
}

void TfrmHaupt::closeEvent(QCloseEvent *event)
{
    // Until everything is stored, the window stays: a database error thrown
    // below must not let it close with the lessons in it.
    event->ignore();
    TextNachLektion();
    NotizenNachLektion();
    for (TLektion *l : m_lektionen->GeaenderteLektionen()) {
        if (FrageJaNein(l->SpeichernFrage()) && !LektionSpeichern(l)) {
            // The user cancelled choosing a place: keep the window so nothing is lost.
            event->ignore();
            return;
        }
    }
    if (m_umgebung.config)
        m_umgebung.config->EinstellungenSpeichern();
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
    const TLektion *l = AktuelleLektion();
    if (l) {
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
    PlusMemo1->setReadOnly(false);
    lblModus->setText(QStringLiteral("Eingabe-Modus"));
    memNotizen->setPlainText(l->notizen.join(QLatin1Char('\n')));
    m_zeigtLektion = false;
    setWindowTitle(ProgrammTitel() + QStringLiteral(" [") + l->name + QLatin1Char(']'));
    TabsAufbauen();
}

void TfrmHaupt::TabsAufbauen()
{
    const QSignalBlocker sperre(TabSet);
    // One tab per open lesson, at the lesson's tab index.
    while (TabSet->count() > m_lektionen->Anzahl())
        TabSet->removeTab(TabSet->count() - 1);
    while (TabSet->count() < m_lektionen->Anzahl())
        TabSet->addTab(QString());
    for (int i = 0; i < m_lektionen->Anzahl(); ++i) {
        const TLektion *l = m_lektionen->Lektion(i);
        if (l->tab >= 0 && l->tab < TabSet->count())
            TabSet->setTabText(l->tab, l->TabText());
    }
    if (const TLektion *a = AktuelleLektion())
        TabSet->setCurrentIndex(a->tab);
}

void TfrmHaupt::TabGewechselt(int index)
{
    TextNachLektion();
    NotizenNachLektion();
    if (m_lektionen->TabWaehlen(index))
        LektionZeigen();
}

void TfrmHaupt::Geaendert()
{
    if (TLektion *l = AktuelleLektion()) {
        if (!l->geaendert) {
            l->AlsGeaendertMarkieren();
            TabsAufbauen();
        }
    }
}

void TfrmHaupt::TextNachLektion()
{
    if (TLektion *l = AktuelleLektion())
        l->TextAusString(PlusMemo1->toPlainText());
}

void TfrmHaupt::NotizenNachLektion()
{
    if (TLektion *l = AktuelleLektion()) {
        const QString n = memNotizen->toPlainText();
        l->notizen = n.isEmpty() ? QStringList() : n.split(QLatin1Char('\n'));
    }
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
    for (const char *n : {"actVokabelnSchriftlich", "actVokabelnMuendlich", "actFormenBilden", "actFormenBestimmen",
                          "actVokabeltest"})
        Aktivieren(n, hatVokabeln);
}

// ---- Quick add -------------------------------------------------------------

void TfrmHaupt::SchnellEingabeGeaendert(const QString &text)
{
    if (text.size() < 2 || !m_umgebung.datenmanager) {
        AuswahlZeigen(false);
        return;
    }
    edtVokabel->end(false);
    auto treffer = m_umgebung.datenmanager->VokabelnSuchen(text);
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
    TLektion *l = AktuelleLektion();
    if (!kandidat || !l || !m_umgebung.datenmanager)
        return;
    auto voll = m_umgebung.datenmanager->VokabelLaden(kandidat->id);
    if (voll->vokabel.isEmpty())
        return;
    l->VokabelAnhaengen(std::move(voll));
    VokabelZeileFuellen(l->Anzahl() - 1);
    lvwVokabeln->scrollToItem(lvwVokabeln->topLevelItem(l->Anzahl() - 1));
    if (!m_umgebung.config || !m_umgebung.config->KeepVokTooltip)
        AuswahlZeigen(false);
    Geaendert();
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
    Geaendert();
}

void TfrmHaupt::VokabelNachOben()
{
    const QList<int> zeilen = lvwVokabeln->AusgewaehlteZeilen();
    TLektion *l = AktuelleLektion();
    if (zeilen.size() != 1 || !l)
        return;
    VokabellisteAufbauen(l->VokabelNachOben(zeilen.first()));
    Geaendert();
}

void TfrmHaupt::VokabelNachUnten()
{
    const QList<int> zeilen = lvwVokabeln->AusgewaehlteZeilen();
    TLektion *l = AktuelleLektion();
    if (zeilen.size() != 1 || !l)
        return;
    VokabellisteAufbauen(l->VokabelNachUnten(zeilen.first()));
    Geaendert();
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

// ---- Lesson commands -------------------------------------------------------

void TfrmHaupt::NeueLektion()
{
    TextNachLektion();
    NotizenNachLektion();
    m_lektionen->NeueLektion();
    LektionZeigen();
}

void TfrmHaupt::LektionSchliessen()
{
    TLektion *l = AktuelleLektion();
    if (!l)
        return;
    TextNachLektion();
    NotizenNachLektion();
    if (l->geaendert && FrageJaNein(l->SpeichernFrage()) && !LektionSpeichern(l))
        return; // saving was cancelled: keep the lesson open rather than lose it
    m_lektionen->LektionSchliessen(l);
    LektionZeigen();
}

TVerwaltungsAuswahl TfrmHaupt::Lehrbuchwahl(int modus, const QString &vorschlag)
{
    const TfrmLehrbuchverwaltung::Ergebnis e = lehrbuchWaehlen(modus, vorschlag);
    for (int32_t buch : e.geloeschteLehrbuecher)
        m_lektionen->LehrbuchGeloescht(buch);
    // An open copy of a deleted lesson must be saved to a new place, like one of a deleted textbook.
    for (int32_t lektion : e.geloeschteLektionen)
        for (int i = 0; i < m_lektionen->Anzahl(); ++i)
            if (m_lektionen->Lektion(i)->id == lektion)
                m_lektionen->Lektion(i)->LehrbuchLoesen();
    TabsAufbauen();
    if (e.neueLektion) {
        NeueLektion();
        return {};
    }
    return e;
}

bool TfrmHaupt::LektionSpeichern(TLektion *lektion)
{
    TLektion *l = lektion ? lektion : AktuelleLektion();
    if (!l || !m_umgebung.datenmanager)
        return false;
    if (l == AktuelleLektion()) {
        TextNachLektion();
        NotizenNachLektion();
    }
    if (l->name.trimmed().isEmpty() || l->lehrbuch_id == 0)
        return LektionSpeichernUnter(l);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = TLektionsSpeicher(*m_umgebung.datenmanager).LektionSpeichern(*l);
    QApplication::restoreOverrideCursor();
    if (!ok) // its textbook is gone: ask for a new place
        return LektionSpeichernUnter(l);
    LektionZeigen();
    return true;
}

bool TfrmHaupt::LektionSpeichernUnter(TLektion *lektion)
{
    TLektion *l = lektion ? lektion : AktuelleLektion();
    if (!l || !m_umgebung.datenmanager)
        return false;
    if (l == AktuelleLektion()) {
        TextNachLektion();
        NotizenNachLektion();
    }
    const auto wahl = Lehrbuchwahl(VM_SPEICHERN_UNTER, l->name);
    if (!wahl.bestaetigt || wahl.name.isEmpty() || wahl.lehrbuchId == 0)
        return false;
    l->name = wahl.name;
    l->lehrbuch_id = wahl.lehrbuchId;
    l->lehrbuch = wahl.lehrbuch;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = TLektionsSpeicher(*m_umgebung.datenmanager).LektionUeberschreiben(*l, wahl.lektionId);
    QApplication::restoreOverrideCursor();
    LektionZeigen();
    return ok;
}

void TfrmHaupt::LektionOeffnen()
{
    if (!m_umgebung.datenmanager)
        return;
    const auto wahl = Lehrbuchwahl(VM_OEFFNEN, QString());
    if (wahl.bestaetigt && wahl.lektionId != 0)
        GespeicherteLektionOeffnen(wahl.lektionId);
}

void TfrmHaupt::GespeicherteLektionOeffnen(int32_t id)
{
    if (!m_umgebung.datenmanager || id == 0)
        return;
    TextNachLektion();
    NotizenNachLektion();
    // A lesson that is open already is shown, not loaded a second time: two
    // diverging copies of one stored lesson would overwrite each other.
    for (int i = 0; i < m_lektionen->Anzahl(); ++i) {
        if (m_lektionen->Lektion(i)->id == id) {
            m_lektionen->SetAktuell(m_lektionen->Lektion(i));
            LektionZeigen();
            return;
        }
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto gelesen = TLektionsSpeicher(*m_umgebung.datenmanager).LektionLesen(id);
    QApplication::restoreOverrideCursor();
    if (!gelesen)
        return;
    gelesen->geaendert = false;
    m_lektionen->LektionHinzufuegen(std::move(gelesen));
    LektionZeigen();
}

void TfrmHaupt::LektionAnhaengen()
{
    TLektion *l = AktuelleLektion();
    if (!l || !m_umgebung.datenmanager)
        return;
    const auto wahl = Lehrbuchwahl(VM_ANHAENGEN, QString());
    if (!wahl.bestaetigt || wahl.lektionId == 0)
        return;
    TextNachLektion();
    NotizenNachLektion();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TLektionsSpeicher(*m_umgebung.datenmanager).LektionAnhaengen(wahl.lektionId, *l);
    QApplication::restoreOverrideCursor();
    l->AlsGeaendertMarkieren();
    LektionZeigen();
}

void TfrmHaupt::LektionEigenschaften()
{
    TLektion *l = AktuelleLektion();
    if (!l || !m_umgebung.datenmanager)
        return;
    TextNachLektion();
    NotizenNachLektion();
    eigenschaftenZeigen(*l);
    LektionZeigen();
}

void TfrmHaupt::LektionExportieren()
{
    TLektion *l = AktuelleLektion();
    if (!l)
        return;
    TextNachLektion();
    const QString datei = exportDateiWaehlen(l->name + QStringLiteral(".xml"));
    if (datei.isEmpty())
        return;
    if (m_umgebung.datenmanager) {
        // The file carries the stored special forms of every entry.
        for (auto &v : l->vokabeln)
            m_umgebung.datenmanager->SonderformenLaden(*v);
    }
    const QString vorlagen = m_umgebung.config ? m_umgebung.config->VorlagenOrdner()
                                               : QCoreApplication::applicationDirPath() + QStringLiteral("/vorlagen/");
    XmlDateiSchreiben(XmlDateiname(datei), LektionAlsXml(*l, vorlagen));
}

} // namespace lexovita
