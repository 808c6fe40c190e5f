#include "ui/frmlisteeinfuegen.h"

#include "app/anwendungskern.h"
#include "model/fehler.h"
#include "ui/frmvokabeleditor.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace lexovita {

namespace {

QPushButton *Knopf(QWidget *eltern, const QString &text, const char *name, const QString &zugang)
{
    auto *b = new QPushButton(text, eltern);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(zugang);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TfrmListeEinfuegen::TfrmListeEinfuegen(QWidget *parent, TAnwendungskern &kern)
    : QDialog(parent), m_kern(kern), m_liste(kern.Daten()), m_modell(new TListenModell(m_liste, this))
{
    setObjectName(QStringLiteral("frmListeEinfuegen"));
    setWindowTitle(QStringLiteral("Vokabeln aus Liste einfügen"));

    auto *lblListe = new QLabel(
        QStringLiteral("&Liste – eine Vokabel je Zeile, so wie im Buch (z. B. „puella, -ae f. Mädchen“):"), this);
    edtListe = new QPlainTextEdit(this);
    edtListe->setObjectName(QStringLiteral("edtListe"));
    edtListe->setAccessibleName(QStringLiteral("Liste"));
    edtListe->setTabChangesFocus(true);
    edtListe->setPlaceholderText(
        QStringLiteral("amo, amavi, amatum – lieben\npuella, -ae f. Mädchen\nbonus, -a, -um gut"));
    lblListe->setBuddy(edtListe);
    btnPruefen = Knopf(this, QStringLiteral("&Prüfen"), "btnPruefen", QStringLiteral("Prüfen"));
    btnPruefen->setToolTip(QStringLiteral("Liest die Liste und sucht jede Zeile im Lexikon (Strg+Eingabe)"));

    lblLexikon = new QLabel(this);
    lblLexikon->setObjectName(QStringLiteral("lblLexikon"));
    lblLexikon->setWordWrap(true);
    if (!m_liste.MitLexikon())
        lblLexikon->setText(QStringLiteral("Ohne Lexikon bestimmt lexovita Wortart und Formen nur nach den Regeln. "
                                           "Importierst du das Lexikon („Einstellungen“ → „Lexikon“), findet es "
                                           "mehr Wörter mit ihren Bedeutungen."));
    lblLexikon->setVisible(!m_liste.MitLexikon());

    auto *lblPosten = new QLabel(QStringLiteral("&Vokabeln:"), this);
    tblPosten = new QTableView(this);
    tblPosten->setObjectName(QStringLiteral("tblPosten"));
    tblPosten->setAccessibleName(QStringLiteral("Vokabeln der Liste"));
    tblPosten->setModel(m_modell);
    tblPosten->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblPosten->setSelectionMode(QAbstractItemView::SingleSelection);
    tblPosten->setTabKeyNavigation(false);
    tblPosten->verticalHeader()->hide();
    tblPosten->horizontalHeader()->setStretchLastSection(true);
    tblPosten->setWordWrap(false);
    lblPosten->setBuddy(tblPosten);
    lblHinweis = new QLabel(this);
    lblHinweis->setObjectName(QStringLiteral("lblHinweis"));
    lblHinweis->setWordWrap(true);

    auto *lblKandidaten = new QLabel(QStringLiteral("&Mehrdeutig – gemeint ist:"), this);
    cmbKandidaten = new QComboBox(this);
    cmbKandidaten->setObjectName(QStringLiteral("cmbKandidaten"));
    cmbKandidaten->setAccessibleName(QStringLiteral("Mehrdeutig – gemeint ist"));
    cmbKandidaten->setPlaceholderText(QStringLiteral("bitte wählen"));
    cmbKandidaten->setMinimumContentsLength(40);
    lblKandidaten->setBuddy(cmbKandidaten);
    btnBearbeiten = Knopf(this, QStringLiteral("&Bearbeiten..."), "btnBearbeiten", QStringLiteral("Bearbeiten"));
    btnAuslassen = Knopf(this, QStringLiteral("&Auslassen"), "btnAuslassen", QStringLiteral("Auslassen"));
    btnEinfuegen = Knopf(this, QStringLiteral("&Einfügen"), "btnEinfuegen", QStringLiteral("Einfügen"));
    btnAbbrechen = Knopf(this, QStringLiteral("Abbrechen"), "btnAbbrechen", QStringLiteral("Abbrechen"));

    auto *oben = new QHBoxLayout;
    oben->addWidget(lblListe, 1);
    oben->addWidget(btnPruefen);
    auto *wahl = new QHBoxLayout;
    wahl->addWidget(lblKandidaten);
    wahl->addWidget(cmbKandidaten, 1);
    wahl->addWidget(btnBearbeiten);
    wahl->addWidget(btnAuslassen);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(btnEinfuegen);
    knoepfe->addWidget(btnAbbrechen);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(edtListe, 1);
    layout->addWidget(lblLexikon);
    layout->addWidget(lblPosten);
    layout->addWidget(tblPosten, 3);
    layout->addLayout(wahl);
    layout->addWidget(lblHinweis);
    layout->addLayout(knoepfe);

    connect(btnPruefen, &QPushButton::clicked, this, &TfrmListeEinfuegen::Pruefen);
    auto *pruefen = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Return")), this);
    connect(pruefen, &QShortcut::activated, this, &TfrmListeEinfuegen::Pruefen);
    connect(tblPosten->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TfrmListeEinfuegen::ZeileGewechselt);
    connect(m_modell, &QAbstractItemModel::dataChanged, this, &TfrmListeEinfuegen::Zusammenfassen);
    connect(cmbKandidaten, &QComboBox::activated, this, &TfrmListeEinfuegen::Waehlen);
    connect(btnBearbeiten, &QPushButton::clicked, this, &TfrmListeEinfuegen::Bearbeiten);
    connect(tblPosten, &QTableView::doubleClicked, this, &TfrmListeEinfuegen::Bearbeiten);
    connect(btnAuslassen, &QPushButton::clicked, this, &TfrmListeEinfuegen::Auslassen);
    connect(btnEinfuegen, &QPushButton::clicked, this, &TfrmListeEinfuegen::Einfuegen);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    resize(900, 660);
    edtListe->setFocus();
    ZeileGewechselt();
    Zusammenfassen();
}

TfrmListeEinfuegen::~TfrmListeEinfuegen() = default;

int TfrmListeEinfuegen::AktuelleZeile() const
{
    const QModelIndex i = tblPosten->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void TfrmListeEinfuegen::Pruefen()
{
    m_modell->Lesen(edtListe->toPlainText());
    tblPosten->resizeColumnsToContents();
    for (int s = 0; s < TListenModell::SpHinweis; ++s)
        tblPosten->setColumnWidth(s, std::min(tblPosten->columnWidth(s), 260));
    // Room for the status a choice gives later.
    tblPosten->setColumnWidth(TListenModell::SpStatus,
                              tblPosten->fontMetrics().horizontalAdvance(QStringLiteral("mehrdeutig, gewählt")) + 16);
    // The first line that needs the pupil, else the first line.
    int erste = 0;
    for (int z = 0; z < m_modell->rowCount(); ++z)
        if (!m_liste.Posten()[size_t(z)].Bereit()) {
            erste = z;
            break;
        }
    if (m_modell->rowCount() > 0) {
        tblPosten->setCurrentIndex(m_modell->index(erste, 0));
        tblPosten->setFocus();
    }
    ZeileGewechselt();
    Zusammenfassen();
}

void TfrmListeEinfuegen::ZeileGewechselt()
{
    const int z = AktuelleZeile();
    const TListenposten *p = z >= 0 && size_t(z) < m_liste.Posten().size() ? &m_liste.Posten()[size_t(z)] : nullptr;
    cmbKandidaten->clear();
    const bool mehrdeutig = p && !p->kandidaten.empty();
    if (mehrdeutig) {
        for (const TListenkandidat &k : p->kandidaten)
            cmbKandidaten->addItem(k.text);
        cmbKandidaten->setCurrentIndex(p->gewaehlt);
    }
    cmbKandidaten->setEnabled(mehrdeutig);
    btnBearbeiten->setEnabled(p != nullptr);
    btnAuslassen->setEnabled(p && p->Bereit());
    btnAuslassen->setText(p && p->Bereit() && !p->aufnehmen ? QStringLiteral("&Aufnehmen")
                                                            : QStringLiteral("&Auslassen"));
}

void TfrmListeEinfuegen::Zusammenfassen()
{
    int zahl[4] = {};
    for (const TListenposten &p : m_liste.Posten())
        ++zahl[int(p.status)];
    QString text;
    if (!m_liste.Posten().empty()) {
        text = QStringLiteral("%1 gefunden, %2 mehrdeutig, %3 unbekannt, %4 vorhanden; %5 werden eingefügt.")
                   .arg(zahl[int(TListenstatus::Gefunden)])
                   .arg(zahl[int(TListenstatus::Mehrdeutig)])
                   .arg(zahl[int(TListenstatus::Unbekannt)])
                   .arg(zahl[int(TListenstatus::Vorhanden)])
                   .arg(m_modell->Bereit());
        if (m_liste.Uebersprungen() > 0)
            text +=
                m_liste.Uebersprungen() == 1
                    ? QStringLiteral(" 1 Zeile ohne lateinisches Wort übersprungen.")
                    : QStringLiteral(" %1 Zeilen ohne lateinisches Wort übersprungen.").arg(m_liste.Uebersprungen());
    }
    lblHinweis->setText(text);
    btnEinfuegen->setEnabled(m_modell->Bereit() > 0);
    btnEinfuegen->setDefault(m_modell->Bereit() > 0);
    const int z = AktuelleZeile();
    if (z >= 0 && size_t(z) < m_liste.Posten().size()) {
        const TListenposten &p = m_liste.Posten()[size_t(z)];
        btnAuslassen->setEnabled(p.Bereit());
        btnAuslassen->setText(p.Bereit() && !p.aufnehmen ? QStringLiteral("&Aufnehmen") : QStringLiteral("&Auslassen"));
    }
}

void TfrmListeEinfuegen::Waehlen(int kandidat)
{
    const int z = AktuelleZeile();
    if (z < 0 || kandidat < 0)
        return;
    m_modell->Waehlen(z, kandidat);
    ZeileGewechselt();
}

void TfrmListeEinfuegen::Bearbeiten()
{
    const int z = AktuelleZeile();
    if (z < 0 || size_t(z) >= m_liste.Posten().size())
        return;
    TVokabel v;
    m_liste.Posten()[size_t(z)].vokabel.KopierenNach(v);
    v.id = 0; // a new entry as far as the editor knows: storing waits for "Einfügen"
    const QString titel = QStringLiteral("Neue Vokabel (") + v.vokabel + QLatin1Char(')');
    if (!TfrmVokabelEditor::Vorbereiten(this, m_kern, v, titel))
        return;
    m_modell->Bearbeitet(z, v);
    ZeileGewechselt();
}

void TfrmListeEinfuegen::Auslassen()
{
    const int z = AktuelleZeile();
    if (z < 0 || size_t(z) >= m_liste.Posten().size())
        return;
    const bool an = m_liste.Posten()[size_t(z)].aufnehmen;
    m_modell->setData(m_modell->index(z, TListenModell::SpZeile), an ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    ZeileGewechselt();
}

void TfrmListeEinfuegen::Einfuegen()
{
    if (m_modell->Bereit() == 0)
        return;
    try {
        m_ids = m_liste.Einfuegen();
    } catch (const TFehler &f) {
        m_ids.clear();
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Die Vokabeln wurden nicht gespeichert:\n%1").arg(f.Meldung()));
        return;
    }
    accept();
}

} // namespace lexovita
