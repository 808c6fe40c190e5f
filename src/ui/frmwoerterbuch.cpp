#include "ui/frmwoerterbuch.h"

#include "app/anwendungskern.h"
#include "app/woerterbuch.h"
#include "app/woerterbuchmodell.h"
#include "model/pfade.h"
#include "model/vokabel.h"
#include "morph/formenbaum.h"
#include "morph/formenmanager.h"
#include "ui/formenbaeume.h"
#include "ui/frmformentabelle.h"
#include "ui/hilfe.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace lexovita {

namespace {

// A list sized to its rows: 17 pixels each plus 20.
void Hoehe(QTreeWidget *l)
{
    l->setFixedHeight(17 * l->topLevelItemCount() + 20);
}

QTreeWidget *Liste(QWidget *eltern, const QString &name, const QString &zugang)
{
    auto *l = new QTreeWidget(eltern);
    l->setObjectName(name);
    l->setAccessibleName(zugang);
    l->setHeaderHidden(true);
    l->setRootIsDecorated(false);
    // Sized to its rows from the start: a list that wanted to grow would pass
    // the page's spare room on to its caption, which then stands far above it.
    l->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    Hoehe(l);
    return l;
}

} // namespace

TfrmWoerterbuch::TfrmWoerterbuch(TAnwendungskern &kern, QWidget *parent)
    : QDialog(parent), m_kern(kern), m_logik(std::make_unique<TWoerterbuch>(kern)),
      m_formen(std::make_unique<TFormenmanager>())
{
    setObjectName(QStringLiteral("frmWoerterbuch"));
    setWindowTitle(QStringLiteral("Wörterbuch"));
    setSizeGripEnabled(true);

    // Left: direction, search field and list.
    auto *links = new QWidget(this);
    auto *richtung = new QHBoxLayout;
    auto *gruppe = new QButtonGroup(this);
    auto knopf = [&](QToolButton *&b, const char *name, const QString &text, TWoerterbuchModus modus) {
        b = new QToolButton(links);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        gruppe->addButton(b);
        richtung->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, modus] {
            m_logik->ModusSetzen(modus);
            ListeZeigen();
        });
    };
    knopf(btnLatein, "actWBLa", QStringLiteral("&Latein"), TWoerterbuchModus::Latein);
    knopf(btnDeutsch, "actWBDe", QStringLiteral("&Deutsch"), TWoerterbuchModus::Deutsch);
    knopf(btnMerkhilfen, "actWBMe", QStringLiteral("&Merkhilfen"), TWoerterbuchModus::Merkhilfen);
    richtung->addStretch();
    btnLatein->setChecked(true);

    auto *lblSuchen = new QLabel(QStringLiteral("&Suchen:"), links);
    edtSuchen = new QLineEdit(links);
    edtSuchen->setObjectName(QStringLiteral("edtSuchen"));
    lblSuchen->setBuddy(edtSuchen);
    lblListe = new QLabel(links);
    // Shows stored text: a headword with tags must not turn into markup.
    lblListe->setTextFormat(Qt::PlainText);
    lblListe->setObjectName(QStringLiteral("lblListe"));
    lstWoerter = new QTreeView(links);
    lstWoerter->setObjectName(QStringLiteral("lstWoerter"));
    lstWoerter->setAccessibleName(QStringLiteral("Liste"));
    // The label above names the list in each direction.
    lstWoerter->setHeaderHidden(true);
    lstWoerter->setRootIsDecorated(false);
    lstWoerter->setUniformRowHeights(true);
    lstWoerter->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstWoerter->setSelectionMode(QAbstractItemView::SingleSelection);
    // The next page is read when the view scrolls near the end (fetchMore).
    m_liste = new TWoerterbuchModell(*m_logik, this);
    lstWoerter->setModel(m_liste);
    lblListe->setBuddy(lstWoerter);
    auto *linksLay = new QVBoxLayout(links);
    linksLay->setContentsMargins(0, 0, 0, 0);
    linksLay->addLayout(richtung);
    linksLay->addWidget(lblSuchen);
    linksLay->addWidget(edtSuchen);
    linksLay->addWidget(lblListe);
    linksLay->addWidget(lstWoerter, 1);

    // Right: the chooser and the entry.
    auto *rechts = new QWidget(this);
    lblVokabelAnzahl = new QLabel(rechts);
    lblVokabelAnzahl->setTextFormat(Qt::PlainText);
    lblVokabelAnzahl->setObjectName(QStringLiteral("lblVokabelAnzahl"));
    cmbVokabel = new QComboBox(rechts);
    cmbVokabel->setObjectName(QStringLiteral("cmbVokabel"));
    cmbVokabel->setAccessibleName(QStringLiteral("Gefundene Vokabeln"));
    lblVokabelAnzahl->setBuddy(cmbVokabel);

    auto *seite = new QWidget;
    lblVokabel = new QLabel(seite);
    lblVokabel->setTextFormat(Qt::PlainText);
    lblVokabel->setObjectName(QStringLiteral("lblVokabel"));
    QFont gross = lblVokabel->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.5);
    gross.setBold(true);
    lblVokabel->setFont(gross);
    lblBedeutungen = new QLabel(seite);
    lblBedeutungen->setTextFormat(Qt::PlainText);
    lblBedeutungen->setObjectName(QStringLiteral("lblBedeutungen"));
    lblBedeutungen->setWordWrap(true);
    auto *linie = new QFrame(seite);
    linie->setFrameShape(QFrame::HLine);
    lblWortart = new QLabel(seite);
    lblWortart->setTextFormat(Qt::PlainText);
    lblWortart->setObjectName(QStringLiteral("lblWortart"));
    lblFormen = new QLabel(seite);
    lblFormen->setTextFormat(Qt::PlainText);
    lblFormen->setObjectName(QStringLiteral("lblFormen"));
    lblKonjDeklTitel = new QLabel(seite);
    lblKonjDeklTitel->setTextFormat(Qt::PlainText);
    lblKonjDekl = new QLabel(seite);
    lblKonjDekl->setTextFormat(Qt::PlainText);
    lblKonjDekl->setObjectName(QStringLiteral("lblKonjDekl"));
    auto *form = new QFormLayout;
    form->setVerticalSpacing(2);
    form->addRow(QStringLiteral("Wortart:"), lblWortart);
    form->addRow(QStringLiteral("Formen:"), lblFormen);
    form->addRow(lblKonjDeklTitel, lblKonjDekl);
    lblMerkhilfen = new QLabel(QStringLiteral("Merkhilfen:"), seite);
    lvwMerkhilfen = Liste(seite, QStringLiteral("lvwMerkhilfen"), QStringLiteral("Merkhilfen"));
    lblVerweise = new QLabel(QStringLiteral("Verweise:"), seite);
    lvwVerweise = Liste(seite, QStringLiteral("lvwVerweise"), QStringLiteral("Verweise"));
    auto *seiteLay = new QVBoxLayout(seite);
    seiteLay->setSpacing(15);
    seiteLay->addWidget(lblVokabel);
    seiteLay->addWidget(lblBedeutungen);
    seiteLay->addWidget(linie);
    seiteLay->addLayout(form);
    auto *mh = new QVBoxLayout;
    mh->setSpacing(2);
    mh->addWidget(lblMerkhilfen);
    mh->addWidget(lvwMerkhilfen);
    seiteLay->addLayout(mh);
    auto *vw = new QVBoxLayout;
    vw->setSpacing(2);
    vw->addWidget(lblVerweise);
    vw->addWidget(lvwVerweise);
    seiteLay->addLayout(vw);
    seiteLay->addStretch();

    tvwFormen = new QTreeWidget;
    tvwFormen->setObjectName(QStringLiteral("tvwFormen"));
    tvwFormen->setAccessibleName(QStringLiteral("Formen"));
    tvwFormen->setColumnCount(2);
    tvwFormen->setHeaderLabels({QStringLiteral("Form"), QStringLiteral("Latein")});
    tvwFormen->setColumnWidth(0, 300);
    pgcVokabel = new QTabWidget(rechts);
    pgcVokabel->setObjectName(QStringLiteral("pgcVokabel"));
    pgcVokabel->setAccessibleName(QStringLiteral("Gewählte Vokabel"));
    pgcVokabel->addTab(seite, QStringLiteral("Vokabel"));
    pgcVokabel->addTab(tvwFormen, QStringLiteral("Formen"));

    auto neuerKnopf = [&](QPushButton *&b, const char *name, const QString &text) {
        b = new QPushButton(text, rechts);
        b->setObjectName(QString::fromLatin1(name));
    };
    neuerKnopf(btnHinzufuegen, "btnHinzufuegen", QStringLiteral("Zu Le&ktion hinzufügen"));
    neuerKnopf(btnBearbeiten, "btnBearbeiten", QStringLiteral("Vokabel &bearbeiten"));
    neuerKnopf(btnLoeschen, "btnLoeschen", QStringLiteral("Vokabel lösc&hen"));
    neuerKnopf(btnFormentabelle, "btnFormentabelle", QStringLiteral("&Formentabelle"));
    neuerKnopf(btnVorherige, "btnVorherige", QStringLiteral("&Vorherige Vokabel"));
    neuerKnopf(btnNaechste, "btnNaechste", QStringLiteral("&Nächste Vokabel"));
    neuerKnopf(btnNeu, "btnNeu", QStringLiteral("Neue Vok&abel"));
    neuerKnopf(btnHilfe, "btnHilfe", QStringLiteral("H&ilfe"));
    neuerKnopf(btnSchliessen, "btnSchliessen", QStringLiteral("S&chließen"));
    auto *knoepfe = new QHBoxLayout;
    for (QPushButton *b : {btnVorherige, btnNaechste})
        knoepfe->addWidget(b);
    knoepfe->addStretch();
    auto *knoepfe2 = new QHBoxLayout;
    for (QPushButton *b : {btnHinzufuegen, btnBearbeiten, btnLoeschen, btnFormentabelle, btnNeu})
        knoepfe2->addWidget(b);
    knoepfe2->addStretch();

    auto *rechtsLay = new QVBoxLayout(rechts);
    rechtsLay->setContentsMargins(0, 0, 0, 0);
    rechtsLay->addWidget(lblVokabelAnzahl);
    rechtsLay->addWidget(cmbVokabel);
    rechtsLay->addLayout(knoepfe);
    rechtsLay->addWidget(pgcVokabel, 1);
    rechtsLay->addLayout(knoepfe2);

    auto *split = new QSplitter(this);
    split->addWidget(links);
    split->addWidget(rechts);
    split->setStretchFactor(1, 1);
    split->setSizes({260, 560});
    auto *unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(btnHilfe);
    unten->addWidget(btnSchliessen);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(split, 1);
    lay->addLayout(unten);

    connect(edtSuchen, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_logik->Suchen(text);
        ListeZeigen();
    });
    connect(lstWoerter->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &aktuell) {
                if (!aktuell.isValid())
                    return;
                // Keys walking down the list read ahead before the end is reached.
                if (aktuell.row() >= m_liste->rowCount() - 20 && m_liste->canFetchMore({}))
                    m_liste->fetchMore({});
                m_logik->ZeileWaehlen(aktuell.row());
                TrefferZeigen();
            });
    connect(cmbVokabel, &QComboBox::activated, this, [this](int index) {
        m_logik->TrefferWaehlen(index);
        VokabelZeigen();
    });
    connect(btnNaechste, &QPushButton::clicked, this, [this] {
        m_logik->Naechste();
        VokabelZeigen();
    });
    connect(btnVorherige, &QPushButton::clicked, this, [this] {
        m_logik->Vorherige();
        VokabelZeigen();
    });
    connect(btnHinzufuegen, &QPushButton::clicked, this, [this] { m_logik->ZuLektionHinzufuegen(); });
    connect(btnLoeschen, &QPushButton::clicked, this, [this] {
        if (m_logik->Loeschen())
            ListeZeigen();
    });
    connect(btnFormentabelle, &QPushButton::clicked, this, [this] {
        if (const TVokabel *v = m_logik->Vokabel())
            TfrmFormentabelle::Zeigen(this, m_kern, *v);
    });
    connect(btnBearbeiten, &QPushButton::clicked, this, [this] {
        if (m_logik->Vokabel() && vokabelBearbeiten && vokabelBearbeiten(m_logik->Vokabel()->id)) {
            const int zeile = lstWoerter->currentIndex().row();
            m_logik->Neuladen();
            // The rows were read again; the chosen one stays chosen.
            m_liste->Neu();
            const QSignalBlocker sperre(lstWoerter->selectionModel());
            lstWoerter->setCurrentIndex(m_liste->index(std::min(zeile, m_liste->rowCount() - 1)));
            VokabelZeigen();
        }
    });
    connect(btnNeu, &QPushButton::clicked, this, [this] {
        if (neueVokabel && neueVokabel()) {
            m_logik->Suchen(edtSuchen->text());
            ListeZeigen();
        }
    });
    connect(lvwVerweise, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *it) {
        // A reference leads to its headword, in the Latin list only.
        if (m_logik->Modus() == TWoerterbuchModus::Latein)
            edtSuchen->setText(it->text(0));
    });
    connect(btnHilfe, &QPushButton::clicked, this, [this] { HilfeZeigen(this, 1069); });
    connect(btnSchliessen, &QPushButton::clicked, this, &QDialog::accept);

    resize(860, 600);
    // A pupil opens the dictionary to type a word.
    edtSuchen->setFocus();
    m_logik->Suchen(QString());
    ListeZeigen();
}

TfrmWoerterbuch::~TfrmWoerterbuch() = default;

void TfrmWoerterbuch::ListeZeigen()
{
    lblListe->setText(m_logik->ListenTitel());
    const bool latein = m_logik->Modus() == TWoerterbuchModus::Latein;
    lvwVerweise->viewport()->setCursor(latein ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QFont f = lvwVerweise->font();
    f.setUnderline(latein);
    lvwVerweise->setFont(f);
    QPalette p = lvwVerweise->palette();
    p.setColor(QPalette::Text, latein ? QColor(Qt::blue) : palette().color(QPalette::WindowText));
    lvwVerweise->setPalette(p);
    m_liste->Neu();
    {
        // The dictionary chose the first row already.
        const QSignalBlocker sperre(lstWoerter->selectionModel());
        if (m_liste->rowCount() > 0)
            lstWoerter->setCurrentIndex(m_liste->index(0));
    }
    TrefferZeigen();
}

void TfrmWoerterbuch::TrefferZeigen()
{
    cmbVokabel->clear();
    for (const TWoerterbuchTreffer &t : m_logik->Treffer())
        cmbVokabel->addItem(m_logik->AnzeigeText(t.vokabel), t.id);
    cmbVokabel->setCurrentIndex(m_logik->GewaehlterTreffer());
    lblVokabelAnzahl->setText(m_logik->AnzahlText());
    VokabelZeigen();
}

void TfrmWoerterbuch::VokabelZeigen()
{
    cmbVokabel->setCurrentIndex(m_logik->GewaehlterTreffer());
    const bool zwei = m_logik->BlaetternMoeglich();
    btnNaechste->setEnabled(zwei);
    btnVorherige->setEnabled(zwei);
    // The logic keeps the entry; the page sorts its meanings for showing.
    TVokabel *v = const_cast<TVokabel *>(m_logik->Vokabel());
    for (QPushButton *b : {btnHinzufuegen, btnLoeschen, btnBearbeiten})
        b->setEnabled(v != nullptr);
    btnFormentabelle->setEnabled(m_logik->FormentabelleMoeglich());
    btnBearbeiten->setEnabled(v != nullptr && vokabelBearbeiten != nullptr);
    btnNeu->setEnabled(neueVokabel != nullptr);
    tvwFormen->clear();
    // A page of the tab widget must not be hidden by hand: it would show over the other.
    pgcVokabel->setTabEnabled(1, v != nullptr);
    if (!v) {
        for (QLabel *l : {lblVokabel, lblBedeutungen, lblWortart, lblFormen, lblKonjDekl})
            l->clear();
        lvwMerkhilfen->clear();
        lvwVerweise->clear();
        return;
    }
    const TLaengenAnzeige anzeige = m_logik->LaengenAnzeige(*v);
    lblVokabel->setText(LaengenZeigen(v->vokabel, anzeige));
    lblBedeutungen->setText(BedeutungenAnzeige(*v));
    lblWortart->setText(v->WortartText());
    lblFormen->setText(v->FormenText().isEmpty() ? QStringLiteral("(keine)") : LaengenZeigen(v->FormenText(), anzeige));
    const int wa = v->Wortart();
    lblKonjDeklTitel->setText(wa == WA_VERB                              ? QStringLiteral("Konjugation:")
                              : wa == WA_SUBSTANTIV || wa == WA_ADJEKTIV ? QStringLiteral("Deklination:")
                                                                         : QStringLiteral("Konj./Dekl.:"));
    lblKonjDekl->setText(v->KonjDeklText().isEmpty() ? QStringLiteral("(keine)") : v->KonjDeklText());
    lvwMerkhilfen->clear();
    const QString vorlagen = TPfade::Aktuell().Vorlagen();
    for (const auto &m : v->merkhilfen) {
        auto *it = new QTreeWidgetItem({m->merkhilfe});
        const QString flagge = SpracheFlagge(m->sprache);
        if (!flagge.isEmpty())
            it->setIcon(0, QIcon(QDir(vorlagen).filePath(flagge)));
        lvwMerkhilfen->addTopLevelItem(it);
    }
    lvwVerweise->clear();
    for (const QString &r : v->Verweise())
        lvwVerweise->addTopLevelItem(new QTreeWidgetItem({r}));
    const bool mh = lvwMerkhilfen->topLevelItemCount() > 0;
    const bool vw = lvwVerweise->topLevelItemCount() > 0;
    lblMerkhilfen->setVisible(mh);
    lvwMerkhilfen->setVisible(mh);
    lblVerweise->setVisible(vw);
    lvwVerweise->setVisible(vw);
    Hoehe(lvwMerkhilfen);
    Hoehe(lvwVerweise);
    // The tree fills its rows later; it keeps its own copy of the entry.
    FormenBaumZeigen(tvwFormen, *m_formen, *v, m_logik->LaengenAnzeige(*v));
}

} // namespace lexovita
