#include "ui/frmformenlernen.h"

#include "app/anwendungskern.h"
#include "app/einstellungsdienst.h"
#include "app/laengenanzeige.h"
#include "app/lerndienst.h"
#include "learning/antwort.h"
#include "model/config.h"
#include "model/lektion.h"
#include "model/vokabel.h"
#include "morph/formenbaum.h"
#include "morph/formid.h"
#include "ui/formenbaeume.h"
#include "ui/hilfe.h"
#include "ui/punktestand.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace lexovita {

namespace {

QString OderLeer(const QString &s)
{
    return s.isEmpty() ? QStringLiteral("(leer)") : s;
}

QLabel *Zeile(QWidget *eltern, const char *name)
{
    auto *l = new QLabel(eltern);
    // Shows stored text: a headword with tags must not turn into markup.
    l->setTextFormat(Qt::PlainText);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

} // namespace

TfrmFormenLernen::TfrmFormenLernen(QWidget *parent, TAnwendungskern &kern, const TLektion &lektion,
                                   TFormenTest::Modus modus)
    : QDialog(parent), m_kern(kern), m_dienst(std::make_unique<TLerndienst>(kern)),
      m_test(m_dienst->FormenTest(lektion, modus))
{
    const bool bilden = Bilden();
    setObjectName(bilden ? QStringLiteral("frmFormenBilden") : QStringLiteral("frmFormenBestimmen"));
    setWindowTitle(bilden ? QStringLiteral("Formen bilden") : QStringLiteral("Formen bestimmen"));

    chkGrundformen = new QCheckBox(QStringLiteral("Nur &Grundformen"), this);
    chkGrundformen->setObjectName(QStringLiteral("chkGrundformen"));
    chkGrundformen->setToolTip(QStringLiteral("Verben nur im Indikativ Aktiv (Präsens, Imperfekt, Futur, Perfekt), "
                                              "Imperativ und Infinitiv Präsens; Adjektive nur im Positiv"));
    chkGrundformen->setAccessibleDescription(chkGrundformen->toolTip());
    chkGrundformen->setChecked(kern.Config().flGrundformen);
    m_test->SetNurGrundformen(chkGrundformen->isChecked());

    // The task: what is asked and, as the settings allow, the entry's helps.
    grpAufgabe =
        new QGroupBox(bilden ? QStringLiteral("Bilde die Form...") : QStringLiteral("Bestimme die Form..."), this);
    lblForm = Zeile(grpAufgabe, "lblForm");
    QFont gross = lblForm->font();
    gross.setPointSize(12);
    gross.setBold(true);
    lblForm->setFont(gross);
    lblVokabel = Zeile(grpAufgabe, "lblVokabel");
    lblStammformen = Zeile(grpAufgabe, "lblStammformen");
    lblKonjDekl = Zeile(grpAufgabe, "lblKonjDekl");
    auto *aufgabe = new QVBoxLayout(grpAufgabe);
    for (QLabel *l : {lblForm, lblVokabel, lblStammformen, lblKonjDekl})
        aufgabe->addWidget(l);
    grpAufgabe->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    pnlFrage = new QWidget(this);
    pnlFrage->setObjectName(QStringLiteral("pnlFrage"));
    auto *frage = new QVBoxLayout(pnlFrage);
    frage->setContentsMargins(0, 0, 0, 0);
    frage->addWidget(grpAufgabe);
    lblAntwort = new QLabel(QStringLiteral("&Form:"), pnlFrage);
    edtAntwort = new QLineEdit(pnlFrage);
    edtAntwort->setObjectName(QStringLiteral("edtAntwort"));
    edtAntwort->setAccessibleName(QStringLiteral("Form"));
    lblAntwort->setBuddy(edtAntwort);
    tvwFormen = new QTreeWidget(pnlFrage);
    tvwFormen->setObjectName(QStringLiteral("tvwFormen"));
    tvwFormen->setAccessibleName(QStringLiteral("Formen der Vokabel"));
    tvwFormen->setHeaderHidden(true);
    edtAuswahl = new QLineEdit(pnlFrage);
    edtAuswahl->setObjectName(QStringLiteral("edtAuswahl"));
    edtAuswahl->setAccessibleName(QStringLiteral("Gewählte Form"));
    edtAuswahl->setEnabled(false);
    if (bilden) {
        auto *zeile = new QHBoxLayout;
        zeile->addWidget(lblAntwort);
        zeile->addWidget(edtAntwort, 1);
        frage->addLayout(zeile);
        frage->addStretch();
        tvwFormen->hide();
        edtAuswahl->hide();
    } else {
        auto *lblFormen = new QLabel(QStringLiteral("&Form wählen:"), pnlFrage);
        lblFormen->setBuddy(tvwFormen);
        frage->addWidget(lblFormen);
        frage->addWidget(tvwFormen, 1);
        frage->addWidget(edtAuswahl);
        lblAntwort->hide();
        edtAntwort->hide();
    }

    // The solution after a wrong answer.
    grpLoesung = new QGroupBox(QStringLiteral("Lösung"), this);
    grpLoesung->setObjectName(QStringLiteral("grpLoesung"));
    lblErgebnis = Zeile(grpLoesung, "lblErgebnis");
    QFont fett = lblErgebnis->font();
    fett.setBold(true);
    lblErgebnis->setFont(fett);
    lblErgebnis->setStyleSheet(QStringLiteral("color: #c80000"));
    lblAufgabe = Zeile(grpLoesung, "lblAufgabe");
    lblFalsch = Zeile(grpLoesung, "lblFalsch");
    lblRichtig = Zeile(grpLoesung, "lblRichtig");
    lblRichtig->setFont(fett);
    lstLoesungen = new QListWidget(grpLoesung);
    lstLoesungen->setObjectName(QStringLiteral("lstLoesungen"));
    lstLoesungen->setAccessibleName(QStringLiteral("Richtige Antworten"));
    lblEingegeben = Zeile(grpLoesung, "lblEingegeben");
    auto *loesung = new QFormLayout;
    loesung->addRow(QStringLiteral("Aufgabe:"), lblAufgabe);
    loesung->addRow(QStringLiteral("Falsche Antwort:"), lblFalsch);
    if (bilden) {
        loesung->addRow(QStringLiteral("Richtige Antwort:"), lblRichtig);
        lstLoesungen->hide();
    } else {
        loesung->addRow(QStringLiteral("Richtige Antwort(en):"), lstLoesungen);
        lblRichtig->hide();
    }
    auto *loes = new QVBoxLayout(grpLoesung);
    loes->addWidget(lblErgebnis);
    loes->addLayout(loesung);
    loes->addWidget(lblEingegeben);
    loes->addStretch();

    // Shown instead of a question when the lesson has no allowed form.
    pnlKeineFormen = new QFrame(this);
    pnlKeineFormen->setObjectName(QStringLiteral("pnlKeineFormen"));
    pnlKeineFormen->setFrameShape(QFrame::StyledPanel);
    lblKeineFormen = Zeile(pnlKeineFormen, "lblKeineFormen");
    lblKeineFormen->setText(QStringLiteral("Keine Formen verfügbar!"));
    lblKeineFormen->setFont(gross);
    auto *lblKeine = Zeile(pnlKeineFormen, "lblKeineFormenText");
    lblKeine->setText(QStringLiteral(
        "Das Programm konnte keine Formen ermitteln, die für die Funktion \"Formen bilden\" verwendet werden dürfen. "
        "Füge entweder weitere Vokabeln zur aktuellen Lektion hinzu oder prüfe in den Einstellungen für "
        "\"Formen lernen\", ob genügend Formen für die Abfrage zugelassen sind."));
    btnEinstellungen = new QPushButton(QStringLiteral("&Zu den Einstellungen"), pnlKeineFormen);
    btnEinstellungen->setObjectName(QStringLiteral("btnEinstellungen"));
    auto *keine = new QVBoxLayout(pnlKeineFormen);
    keine->addWidget(lblKeineFormen);
    keine->addSpacing(6);
    keine->addWidget(lblKeine);
    auto *knopf = new QHBoxLayout;
    knopf->addStretch();
    knopf->addWidget(btnEinstellungen);
    keine->addLayout(knopf);
    keine->addStretch();

    pnlErgebnis = new TPunktestand(this, false);
    const TDrillspalte spalte = DrillspalteAnlegen(this, pnlErgebnis);
    btnWeiter = spalte.weiter;
    btnAbbrechen = spalte.abbrechen;
    btnHilfe = spalte.hilfe;
    // Enter in the answer field or the tree reaches the dialog and presses it.
    btnWeiter->setDefault(true);

    auto *links = new QVBoxLayout;
    links->addWidget(chkGrundformen);
    links->addWidget(pnlFrage, 1);
    links->addWidget(grpLoesung, 1);
    links->addWidget(pnlKeineFormen, 1);
    auto *haupt = new QHBoxLayout(this);
    haupt->addLayout(links, 1);
    haupt->addLayout(spalte.layout);
    resize(bilden ? 620 : 660, bilden ? 400 : 560);

    connect(btnWeiter, &QPushButton::clicked, this, &TfrmFormenLernen::Weiter);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHilfe, &QPushButton::clicked, this, [this] { HilfeZeigen(this, Bilden() ? 1013 : 1012); });
    connect(btnEinstellungen, &QPushButton::clicked, this, [this] { done(ZuDenEinstellungen); });
    tvwFormen->installEventFilter(this);
    connect(tvwFormen, &QTreeWidget::itemSelectionChanged, this, &TfrmFormenLernen::AuswahlGeaendert);
    // A double click on a heading opens it; only a form row answers.
    connect(tvwFormen, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (KnotenDaten(item).kind == KNOTEN_FORM && m_zustand == Frage)
            Weiter();
    });

    connect(chkGrundformen, &QCheckBox::toggled, this, [this](bool an) {
        m_kern.Einstellungen().Aendern([an](TConfig &c) { c.flGrundformen = an; });
        m_test->SetNurGrundformen(an);
        Beginnen();
    });

    PunkteZeigen();
    Beginnen();
}

void TfrmFormenLernen::Beginnen()
{
    grpLoesung->hide();
    const bool vorhanden = m_test->FormenVorhanden();
    pnlKeineFormen->setVisible(!vorhanden);
    btnWeiter->setEnabled(vorhanden);
    btnWeiter->setDefault(vorhanden);
    btnEinstellungen->setDefault(!vorhanden);
    if (!vorhanden) {
        m_zustand = KeineFormen;
        pnlFrage->hide();
        btnEinstellungen->setFocus();
        return;
    }
    m_test->NaechsteForm();
    FrageZeigen();
}

TfrmFormenLernen::~TfrmFormenLernen() = default;

void TfrmFormenLernen::FrageZeigen()
{
    m_zustand = Frage;
    const TConfig &c = m_kern.Config();
    const TVokabel &v = *m_test->aktuelleVokabel;
    const bool bilden = Bilden();
    lblForm->setText(bilden ? m_test->formBezeichnung : AnzeigeText(m_test->formTextLaengen, c, v));
    const QString vokabel = AnzeigeText(v.vokabel, c, v);
    lblVokabel->setText(bilden ? QStringLiteral("von ") + vokabel : vokabel);
    lblVokabel->setVisible(bilden || c.flVokabel);
    // Empty helps take no line, so the box holds only what is shown.
    const QString formen = AnzeigeText(v.FormenText(), c, v);
    lblStammformen->setText(formen);
    lblStammformen->setVisible(c.flStammformen && !formen.isEmpty());
    const QString konjDekl = v.KonjDeklText();
    lblKonjDekl->setText(konjDekl);
    lblKonjDekl->setVisible(c.flKonjDekl && !konjDekl.isEmpty());

    if (bilden) {
        edtAntwort->clear();
    } else {
        // No checkable boxes and no Latin column: the tree must not give the
        // answer away.
        tvwFormen->clear();
        KnotenEinfuegen(tvwFormen, FormenBaumKnoten(m_test->Formenmanager(), v, 1), false);
        edtAuswahl->clear();
    }
    PunkteZeigen();
    grpLoesung->hide();
    pnlFrage->show();
    if (bilden)
        edtAntwort->setFocus();
    else
        tvwFormen->setFocus();
}

void TfrmFormenLernen::AuswahlGeaendert()
{
    const TBasicNodeData d = KnotenDaten(tvwFormen->selectedItems().value(0));
    edtAuswahl->setText(d.kind == KNOTEN_FORM ? d.label : QString());
}

bool TfrmFormenLernen::eventFilter(QObject *obj, QEvent *event)
{
    // Enter on a heading opens or closes it, as in any tree; on a form row
    // it reaches the dialog and answers.
    if (obj == tvwFormen && event->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(event)->key();
        QTreeWidgetItem *item = tvwFormen->currentItem();
        if ((taste == Qt::Key_Return || taste == Qt::Key_Enter) && item && item->childCount() > 0) {
            item->setExpanded(!item->isExpanded());
            return true;
        }
    }
    return QDialog::eventFilter(obj, event);
}

void TfrmFormenLernen::Weiter()
{
    switch (m_zustand) {
    case Frage:
        Pruefen();
        break;
    case Loesung:
        m_test->NaechsteForm();
        FrageZeigen();
        break;
    case KeineFormen:
        break;
    }
}

void TfrmFormenLernen::Pruefen()
{
    if (Bilden()) {
        m_test->antwort = edtAntwort->text();
    } else {
        // A heading, or nothing chosen, is identifier 0: no answer yet, so
        // nothing is counted.
        m_test->antwortFormId = KnotenDaten(tvwFormen->selectedItems().value(0)).id;
        if (m_test->antwortFormId == 0) {
            edtAuswahl->setText(QStringLiteral("Wähle zuerst eine Form im Baum aus."));
            tvwFormen->setFocus();
            return;
        }
    }
    if (m_test->Pruefen()) {
        m_test->NaechsteForm();
        FrageZeigen();
    } else {
        LoesungZeigen();
    }
}

void TfrmFormenLernen::LoesungZeigen()
{
    m_zustand = Loesung;
    const TVokabel &v = *m_test->aktuelleVokabel;
    const TConfig &c = m_kern.Config();
    lblErgebnis->setText(QStringLiteral("Die Antwort ist falsch!"));
    if (Bilden()) {
        lblAufgabe->setText(m_test->formBezeichnung + QStringLiteral(" von ") + AnzeigeText(v.vokabel, c, v));
        lblFalsch->setText(OderLeer(m_test->antwort));
        lblRichtig->setText(AnzeigeText(m_test->formTextLaengen, c, v));
    } else {
        lblAufgabe->setText(AnzeigeText(m_test->formTextLaengen, c, v));
        lblFalsch->setText(m_test->antwortFormId == 0 ? OderLeer({}) : FormBezeichnung(m_test->antwortFormId));
        lstLoesungen->clear();
        lstLoesungen->addItems(m_test->loesungen);
    }
    // Another form of the same entry: say which one was typed; or the form
    // itself with a wrong length.
    const QString hinweis = !Bilden()                           ? QString()
                            : !m_test->laengenHinweis.isEmpty() ? m_test->laengenHinweis
                                                                : EingegebeneFormHinweis(m_test->eingegebeneFormen);
    lblEingegeben->setText(hinweis);
    lblEingegeben->setVisible(!hinweis.isEmpty());
    PunkteZeigen();
    pnlFrage->hide();
    grpLoesung->show();
    btnWeiter->setFocus();
}

void TfrmFormenLernen::PunkteZeigen()
{
    pnlErgebnis->Setzen(m_test->Abgefragt(), 0, m_test->ProzentRichtig(), m_test->ProzentFalsch(), m_test->richtige,
                        m_test->falsche);
}

} // namespace lexovita
