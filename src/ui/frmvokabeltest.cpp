#include "ui/frmvokabeltest.h"

#include "app/anwendungskern.h"
#include "app/einstellungsdienst.h"
#include "model/config.h"
#include "model/lektion.h"
#include "model/rueckfrage.h"
#include "ui/drucksatz.h"
#include "ui/frmdrucken.h"
#include "ui/hilfe.h"
#include "ui/vokabelauswahl.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QTreeView>
#include <QVBoxLayout>

namespace lexovita {

namespace {

const QString kTitel = QStringLiteral("Vokabeltest");

} // namespace

TfrmVokabeltest::TfrmVokabeltest(QWidget *parent, TAnwendungskern &kern, const TLektion &lektion)
    : QDialog(parent), m_kern(kern), m_lektion(lektion), m_dienst(kern),
      m_drucker(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("frmVokabeltest"));
    setWindowTitle(kTitel);
    DruckseiteEinrichten(*m_drucker);
    m_drucker->setDocName(kTitel);
    m_drucker->setCreator(QStringLiteral("lexovita"));

    pgcSeiten = new QTabWidget(this);
    pgcSeiten->setObjectName(QStringLiteral("pgcSeiten"));
    pgcSeiten->setAccessibleName(QStringLiteral("Seiten"));

    // Page "Vokabeln": which entries may be asked.
    auto *seiteVokabeln = new QWidget(pgcSeiten);
    auto *lblFrage = new QLabel(QStringLiteral("Welche Vokabeln dürfen für den Test verwendet werden?"), seiteVokabeln);
    m_auswahl = new TVokabelauswahl(
        seiteVokabeln,
        {QStringLiteral("Bedeutung(en)"), QStringLiteral("Vokabeln für den Test"), QStringLiteral("&Alle auswählen")},
        false);
    lvwVokabeln = m_auswahl->lvwVokabeln;
    lblAnzahl = m_auswahl->lblAnzahl;
    lblAuswahl = m_auswahl->lblAuswahl;
    btnAlleAuswaehlen = m_auswahl->btnAlleAuswaehlen;
    lblFrage->setBuddy(lvwVokabeln);
    auto *layVokabeln = new QVBoxLayout(seiteVokabeln);
    layVokabeln->addWidget(lblFrage);
    layVokabeln->addWidget(m_auswahl, 1);
    pgcSeiten->addTab(seiteVokabeln, QStringLiteral("Vokabeln"));

    // Page "Einstellungen": order and the extra rows of every entry.
    auto *seiteEinstellungen = new QWidget(pgcSeiten);
    auto *grpReihenfolge = new QGroupBox(QStringLiteral("Reihenfolge"), seiteEinstellungen);
    optReihenfolge = new QRadioButton(QStringLiteral("&Reihenfolge beibehalten"), grpReihenfolge);
    optReihenfolge->setObjectName(QStringLiteral("optReihenfolge"));
    optMischen = new QRadioButton(QStringLiteral("Vokabeln &mischen"), grpReihenfolge);
    optMischen->setObjectName(QStringLiteral("optMischen"));
    auto *layReihenfolge = new QVBoxLayout(grpReihenfolge);
    layReihenfolge->addWidget(optReihenfolge);
    layReihenfolge->addWidget(optMischen);
    auto *grpAbfragen = new QGroupBox(QStringLiteral("Zusätzlich abfragen"), seiteEinstellungen);
    chkStammformen = new QCheckBox(QStringLiteral("S&tammformen abfragen"), grpAbfragen);
    chkStammformen->setObjectName(QStringLiteral("chkStammformen"));
    chkKonjDekl = new QCheckBox(QStringLiteral("&Konjugation bzw. Deklination abfragen"), grpAbfragen);
    chkKonjDekl->setObjectName(QStringLiteral("chkKonjDekl"));
    auto *layAbfragen = new QVBoxLayout(grpAbfragen);
    layAbfragen->addWidget(chkStammformen);
    layAbfragen->addWidget(chkKonjDekl);
    auto *layEinstellungen = new QVBoxLayout(seiteEinstellungen);
    layEinstellungen->addWidget(grpReihenfolge);
    layEinstellungen->addWidget(grpAbfragen);
    layEinstellungen->addStretch();
    pgcSeiten->addTab(seiteEinstellungen, QStringLiteral("Einstellungen"));

    // Page "Vorschau": the sheet on paper.
    pvwVorschau = new QPrintPreviewWidget(m_drucker.get(), pgcSeiten);
    pvwVorschau->setObjectName(QStringLiteral("pvwVorschau"));
    pvwVorschau->setAccessibleName(QStringLiteral("Vorschau des Vokabeltests"));
    pvwVorschau->fitToWidth();
    pgcSeiten->addTab(pvwVorschau, QStringLiteral("Vorschau"));

    btnDrucken = new QPushButton(QStringLiteral("&Drucken"), this);
    btnDrucken->setObjectName(QStringLiteral("btnDrucken"));
    btnDrucken->setDefault(true);
    btnPdf = new QPushButton(QStringLiteral("Als &PDF speichern..."), this);
    btnPdf->setObjectName(QStringLiteral("btnPdf"));
    btnSchliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    btnSchliessen->setObjectName(QStringLiteral("btnSchliessen"));
    btnHilfe = new QPushButton(QStringLiteral("&Hilfe"), this);
    btnHilfe->setObjectName(QStringLiteral("btnHilfe"));
    for (QPushButton *b : {btnPdf, btnSchliessen, btnHilfe})
        b->setAutoDefault(false);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    for (QPushButton *b : {btnDrucken, btnPdf, btnSchliessen, btnHilfe})
        knoepfe->addWidget(b);

    auto *haupt = new QVBoxLayout(this);
    haupt->addWidget(pgcSeiten, 1);
    haupt->addLayout(knoepfe);
    resize(640, 560);

    const struct {
        QWidget *w;
        const char *name;
    } namen[] = {
        {optReihenfolge, "Reihenfolge beibehalten"},
        {optMischen, "Vokabeln mischen"},
        {chkStammformen, "Stammformen abfragen"},
        {chkKonjDekl, "Konjugation bzw. Deklination abfragen"},
        {btnDrucken, "Drucken"},
        {btnPdf, "Als PDF speichern"},
        {btnSchliessen, "Schließen"},
        {btnHilfe, "Hilfe"},
    };
    for (const auto &n : namen)
        n.w->setAccessibleName(QString::fromUtf8(n.name));

    // The options as last used.
    const TConfig &c = m_kern.Config();
    (c.testReihenfolge == 1 ? optReihenfolge : optMischen)->setChecked(true);
    chkStammformen->setChecked(c.testStammformen);
    chkKonjDekl->setChecked(c.testKonjDekl);

    connect(m_auswahl, &TVokabelauswahl::auswahlGeaendert, this, [this](int anzahl) {
        btnDrucken->setEnabled(anzahl > 0);
        btnPdf->setEnabled(anzahl > 0);
    });
    m_auswahl->Fuellen(m_lektion.vokabeln);
    m_auswahl->AlleAuswaehlen();

    connect(pgcSeiten, &QTabWidget::currentChanged, this, &TfrmVokabeltest::SeiteGewechselt);
    connect(pvwVorschau, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *p) {
        if (m_vorschau)
            m_vorschau->Drucken(*p);
    });
    connect(btnDrucken, &QPushButton::clicked, this, &TfrmVokabeltest::Drucken);
    connect(btnPdf, &QPushButton::clicked, this, &TfrmVokabeltest::PdfSpeichern);
    connect(btnSchliessen, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHilfe, &QPushButton::clicked, this, [this] { HilfeZeigen(this, 1068); });

    druckDialogZeigen = [this](QPrinter &drucker) {
        QPrintDialog dialog(&drucker, this);
        dialog.setWindowTitle(QStringLiteral("Drucken"));
        return dialog.exec() == QDialog::Accepted;
    };
    pdfDateiWaehlen = [this](const QString &vorschlag) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Als PDF speichern"), vorschlag,
                                            QStringLiteral("PDF-Dateien (*.pdf)"));
    };
    lvwVokabeln->setFocus();
}

TfrmVokabeltest::~TfrmVokabeltest() = default;

std::vector<bool> TfrmVokabeltest::Markiert() const
{
    return m_auswahl->Markiert();
}

TTestwahl TfrmVokabeltest::Wahl() const
{
    TTestwahl w;
    w.mischen = optMischen->isChecked();
    w.stammformen = chkStammformen->isChecked();
    w.konjDekl = chkKonjDekl->isChecked();
    return w;
}

void TfrmVokabeltest::AlleAuswaehlen()
{
    m_auswahl->AlleAuswaehlen();
}

std::unique_ptr<TDrucksatz> TfrmVokabeltest::Satz()
{
    // The page header and footer stay empty: the sheet has its own heading.
    return std::make_unique<TDrucksatz>(m_dienst.Vokabeltest(m_lektion, Markiert(), Wahl()), m_dienst.VorlagenOrdner());
}

void TfrmVokabeltest::SeiteGewechselt(int seite)
{
    if (seite == SeiteVorschau)
        VorschauAufbauen();
}

void TfrmVokabeltest::VorschauAufbauen()
{
    m_vorschau = Satz();
    pvwVorschau->updatePreview();
}

int TfrmVokabeltest::VorschauSeiten() const
{
    return m_vorschau ? pvwVorschau->pageCount() : 0;
}

QString TfrmVokabeltest::VorschauText() const
{
    return m_vorschau ? m_vorschau->Dokument().toPlainText() : QString();
}

void TfrmVokabeltest::Drucken()
{
    // What is printed is what the preview shows: a mixed test keeps the
    // order the user has just looked at.
    if (pgcSeiten->currentIndex() != SeiteVorschau)
        pgcSeiten->setCurrentIndex(SeiteVorschau);
    if (!m_vorschau)
        VorschauAufbauen();
    QPrinter drucker(QPrinter::HighResolution);
    DruckseiteEinrichten(drucker);
    drucker.setDocName(kTitel);
    drucker.setCreator(QStringLiteral("lexovita"));
    if (!druckDialogZeigen(drucker))
        return;
    if (!m_vorschau->Drucken(drucker)) {
        m_kern.Rueckfrage().Meldung(ProgrammTitel(), QStringLiteral("Der Drucker konnte nicht angesprochen werden. Der "
                                                                    "Vokabeltest wurde nicht gedruckt."));
        return;
    }
    accept();
}

void TfrmVokabeltest::PdfSpeichern()
{
    const QString datei =
        pdfDateiWaehlen(DateiVorschlag(kTitel + QLatin1Char(' ') + m_lektion.name, QStringLiteral(".pdf")));
    if (datei.isEmpty())
        return;
    if (pgcSeiten->currentIndex() != SeiteVorschau)
        pgcSeiten->setCurrentIndex(SeiteVorschau);
    if (!m_vorschau)
        VorschauAufbauen();
    if (!PdfSchreiben(*m_vorschau, datei, kTitel))
        m_kern.Rueckfrage().Meldung(
            ProgrammTitel(),
            QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden.").arg(QDir::toNativeSeparators(datei)));
}

void TfrmVokabeltest::done(int ergebnis)
{
    const bool mischen = optMischen->isChecked();
    const bool stammformen = chkStammformen->isChecked();
    const bool konjDekl = chkKonjDekl->isChecked();
    m_kern.Einstellungen().Aendern([&](TConfig &c) {
        c.testReihenfolge = mischen ? 2 : 1;
        c.testStammformen = stammformen;
        c.testKonjDekl = konjDekl;
    });
    QDialog::done(ergebnis);
}

} // namespace lexovita
