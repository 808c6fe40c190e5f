#include "ui/frmformenanalyse.h"

#include "app/anwendungskern.h"
#include "app/formendienst.h"
#include "app/lektionssitzung.h"
#include "model/vokabel.h"
#include "ui/formenbaeume.h"
#include "ui/frmformentabelle.h"
#include "ui/hilfe.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace lexovita {

TfrmFormenanalyse::TfrmFormenanalyse(QWidget *parent, TAnwendungskern &kern)
    : QDialog(parent), m_kern(kern), m_dienst(std::make_unique<TFormendienst>(kern))
{
    setObjectName(QStringLiteral("frmFormenanalyse"));
    setWindowTitle(QStringLiteral("Formenanalyse"));

    auto *lblSuchen = new QLabel(QStringLiteral("&Wort:"), this);
    edtSuchen = new QLineEdit(this);
    edtSuchen->setObjectName(QStringLiteral("edtSuchen"));
    edtSuchen->setAccessibleName(QStringLiteral("Wort"));
    edtSuchen->setPlaceholderText(QStringLiteral("Lateinische Form eingeben, z. B. amavisti"));
    lblSuchen->setBuddy(edtSuchen);
    btnSuchen = new QPushButton(QStringLiteral("S&uchen"), this);
    btnSuchen->setObjectName(QStringLiteral("btnSuchen"));
    btnSuchen->setAccessibleName(QStringLiteral("Suchen"));
    btnSuchen->setDefault(true);
    chkVerweise = new QCheckBox(QStringLiteral("&Verweise anzeigen"), this);
    chkVerweise->setObjectName(QStringLiteral("chkVerweise"));
    chkVerweise->setAccessibleName(QStringLiteral("Verweise anzeigen"));

    VSTVokabeln = new QTreeWidget(this);
    VSTVokabeln->setObjectName(QStringLiteral("VSTVokabeln"));
    VSTVokabeln->setAccessibleName(QStringLiteral("Gefundene Vokabeln"));
    VSTVokabeln->setHeaderLabels({QStringLiteral("Vokabel")});
    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAccessibleName(QStringLiteral("Analyse"));
    WebBrowser1->setSearchPaths({m_dienst->VorlagenOrdner()});
    auto *split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(VSTVokabeln);
    split->addWidget(WebBrowser1);
    split->setStretchFactor(1, 1);
    split->setSizes({200, 500});

    btnHinzufuegen = new QPushButton(QStringLiteral("Zu &Lektion hinzufügen"), this);
    btnHinzufuegen->setObjectName(QStringLiteral("actHinzufuegen"));
    btnHinzufuegen->setAccessibleName(QStringLiteral("Zu Lektion hinzufügen"));
    btnFormentabelle = new QPushButton(QStringLiteral("&Formentabelle..."), this);
    btnFormentabelle->setObjectName(QStringLiteral("actFormentabelle"));
    btnFormentabelle->setAccessibleName(QStringLiteral("Formentabelle"));
    btnBearbeiten = new QPushButton(QStringLiteral("Vokabel &bearbeiten..."), this);
    btnBearbeiten->setObjectName(QStringLiteral("btnBearbeiten"));
    btnBearbeiten->setAccessibleName(QStringLiteral("Vokabel bearbeiten"));
    btnSchliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    btnSchliessen->setObjectName(QStringLiteral("btnSchliessen"));
    btnSchliessen->setAccessibleName(QStringLiteral("Schließen"));
    btnHilfe = new QPushButton(QStringLiteral("&Hilfe"), this);
    btnHilfe->setObjectName(QStringLiteral("btnHilfe"));
    btnHilfe->setAccessibleName(QStringLiteral("Hilfe"));
    for (QPushButton *b : {btnHinzufuegen, btnFormentabelle, btnBearbeiten, btnSchliessen, btnHilfe})
        b->setAutoDefault(false);
    btnHinzufuegen->setEnabled(false);
    btnFormentabelle->setEnabled(false);
    btnBearbeiten->setEnabled(false);

    auto *oben = new QHBoxLayout;
    oben->addWidget(lblSuchen);
    oben->addWidget(edtSuchen, 1);
    oben->addWidget(btnSuchen);
    oben->addWidget(chkVerweise);
    auto *unten = new QHBoxLayout;
    unten->addWidget(btnHinzufuegen);
    unten->addWidget(btnFormentabelle);
    unten->addWidget(btnBearbeiten);
    unten->addStretch(1);
    unten->addWidget(btnHilfe);
    unten->addWidget(btnSchliessen);
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(oben);
    lay->addWidget(split, 1);
    lay->addLayout(unten);

    connect(btnSuchen, &QPushButton::clicked, this, qOverload<>(&TfrmFormenanalyse::Suchen));
    connect(VSTVokabeln, &QTreeWidget::currentItemChanged, this, &TfrmFormenanalyse::KnotenGewaehlt);
    connect(btnHinzufuegen, &QPushButton::clicked, this, &TfrmFormenanalyse::Hinzufuegen);
    connect(btnFormentabelle, &QPushButton::clicked, this, &TfrmFormenanalyse::FormentabelleZeigen);
    connect(btnBearbeiten, &QPushButton::clicked, this, &TfrmFormenanalyse::Bearbeiten);
    connect(btnSchliessen, &QPushButton::clicked, this, &TfrmFormenanalyse::Schliessen);
    connect(btnHilfe, &QPushButton::clicked, this, [this] { HilfeZeigen(this, 1014); });
    resize(820, 560);
}

TfrmFormenanalyse::~TfrmFormenanalyse() = default;

void TfrmFormenanalyse::Suchen(const QString &wort)
{
    edtSuchen->setText(wort);
    Suchen();
}

void TfrmFormenanalyse::Suchen()
{
    {
        const QSignalBlocker sperre(VSTVokabeln);
        VSTVokabeln->clear();
    }
    m_vokabel.reset();
    const std::vector<TAnalyseTreffer> treffer = m_dienst->Analysieren(edtSuchen->text(), chkVerweise->isChecked());
    std::vector<TBaumKnoten> knoten;
    for (const TAnalyseTreffer &t : treffer) {
        TBaumKnoten k;
        if (t.ausLexikon) {
            const QString text = QStringLiteral("%1 (Lexikon)").arg(m_dienst->AnzeigeText(t.schluesselformen));
            k.daten = {text, KNOTEN_LEXIKON, t.vokabelId, {}, text};
            knoten.push_back(k);
            continue;
        }
        const QString vokabel = m_dienst->AnzeigeText(t.vokabel);
        k.daten = {vokabel, KNOTEN_VOKABEL, t.vokabelId, {}, vokabel};
        k.ausgeklappt = true;
        knoten.push_back(k);
        for (const auto &verweis : t.verweise) {
            TBaumKnoten r;
            r.daten = {verweis.text, KNOTEN_VERWEIS, verweis.vokabelId, {}, verweis.text};
            r.ebene = 1;
            knoten.push_back(r);
        }
    }
    KnotenEinfuegen(VSTVokabeln, knoten, false);
    if (VSTVokabeln->topLevelItemCount() > 0) {
        VSTVokabeln->setCurrentItem(VSTVokabeln->topLevelItem(0));
        btnHinzufuegen->setEnabled(true);
    } else {
        WebBrowser1->clear();
        btnHinzufuegen->setEnabled(false);
        btnFormentabelle->setEnabled(false);
        btnBearbeiten->setEnabled(false);
    }
    edtSuchen->setFocus();
    edtSuchen->selectAll();
}

void TfrmFormenanalyse::KnotenGewaehlt()
{
    const TBasicNodeData daten = KnotenDaten(VSTVokabeln->currentItem());
    const int32_t id = daten.id;
    m_lexikonId = 0;
    if (daten.kind == KNOTEN_LEXIKON) {
        // A lemma of the lexicon: shown and taken over, never edited here.
        m_vokabel = m_dienst->LexikonVokabel(id);
        if (!m_vokabel)
            return;
        m_lexikonId = id;
        WebBrowser1->setHtml(m_dienst->LexikonSeiteHtml(id));
        btnFormentabelle->setEnabled(HatFormentabelle(m_vokabel->Wortart()));
        btnBearbeiten->setEnabled(false);
        return;
    }
    if (id <= 0) {
        WebBrowser1->clear();
        btnBearbeiten->setEnabled(false);
        return;
    }
    std::unique_ptr<TVokabel> v = m_dienst->VokabelLaden(id);
    if (!v)
        return; // vanished meanwhile: the page stays as it was
    m_vokabel = std::move(v);
    WebBrowser1->setHtml(m_dienst->AnalyseSeiteHtml(*m_vokabel));
    btnFormentabelle->setEnabled(HatFormentabelle(m_vokabel->Wortart()));
    btnBearbeiten->setEnabled(bool(vokabelBearbeiten));
}

void TfrmFormenanalyse::Bearbeiten()
{
    if (!m_vokabel || !vokabelBearbeiten)
        return;
    const int32_t id = m_vokabel->id;
    if (!vokabelBearbeiten(id))
        return;
    // The corrected entry may analyse the word differently: analyse again,
    // and show the edited entry again when it still fits.
    Suchen();
    for (int i = 0; i < VSTVokabeln->topLevelItemCount(); ++i)
        if (KnotenDaten(VSTVokabeln->topLevelItem(i)).id == id) {
            VSTVokabeln->setCurrentItem(VSTVokabeln->topLevelItem(i));
            break;
        }
}

void TfrmFormenanalyse::Hinzufuegen()
{
    if (!m_vokabel)
        return;
    int32_t id = m_vokabel->id;
    if (m_lexikonId > 0) {
        // The lemma becomes a real entry first; an existing one is offered.
        id = m_dienst->LexikonUebernehmen(m_lexikonId);
        if (id <= 0)
            return;
    }
    if (m_kern.Sitzung().VokabelAnhaengen(id))
        emit hinzugefuegt();
}

void TfrmFormenanalyse::FormentabelleZeigen()
{
    if (!m_vokabel)
        return;
    TfrmFormentabelle fenster(this, *m_dienst, *m_vokabel);
    fenster.exec();
}

void TfrmFormenanalyse::Schliessen()
{
    m_dienst->Leeren();
    accept();
}

} // namespace lexovita
