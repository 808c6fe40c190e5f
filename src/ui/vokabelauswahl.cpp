#include "ui/vokabelauswahl.h"

#include "app/ankreuzmodell.h"
#include "learning/testbogen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace lexovita {

TVokabelauswahl::TVokabelauswahl(QWidget *parent, const Texte &texte, bool sortieren) : QWidget(parent)
{
    mdlVokabeln =
        new TAnkreuzModell({QStringLiteral("Vokabel"), QStringLiteral("Wortart"), texte.bedeutungenKopf}, this);
    lvwVokabeln = new QTreeView(this);
    lvwVokabeln->setObjectName(QStringLiteral("lvwVokabeln"));
    lvwVokabeln->setAccessibleName(texte.listenName);
    lvwVokabeln->setModel(mdlVokabeln);
    lvwVokabeln->setRootIsDecorated(false);
    lvwVokabeln->setUniformRowHeights(true);
    lvwVokabeln->setAllColumnsShowFocus(true);
    if (sortieren) {
        lvwVokabeln->setSelectionMode(QAbstractItemView::ExtendedSelection);
        // The model sorts itself, so the ticks it reports follow the rows shown.
        lvwVokabeln->setSortingEnabled(true);
        lvwVokabeln->sortByColumn(0, Qt::AscendingOrder);
    }
    lvwVokabeln->header()->setStretchLastSection(true);
    lblAnzahl = new QLabel(this);
    // Shows stored text: a headword with tags must not turn into markup.
    lblAnzahl->setTextFormat(Qt::PlainText);
    lblAnzahl->setObjectName(QStringLiteral("lblAnzahl"));
    lblAuswahl = new QLabel(this);
    lblAuswahl->setTextFormat(Qt::PlainText);
    lblAuswahl->setObjectName(QStringLiteral("lblAuswahl"));
    btnAlleAuswaehlen = new QPushButton(texte.alleAuswaehlen, this);
    btnAlleAuswaehlen->setObjectName(QStringLiteral("btnAlleAuswaehlen"));
    btnAlleAuswaehlen->setAccessibleName(QStringLiteral("Alle auswählen"));
    btnAlleAuswaehlen->setAutoDefault(false);

    auto *zaehler = new QHBoxLayout;
    zaehler->addWidget(lblAnzahl);
    zaehler->addSpacing(24);
    zaehler->addWidget(lblAuswahl);
    zaehler->addStretch();
    zaehler->addWidget(btnAlleAuswaehlen);
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(lvwVokabeln, 1);
    lay->addLayout(zaehler);
    setFocusProxy(lvwVokabeln);

    connect(mdlVokabeln, &TAnkreuzModell::ankreuzungGeaendert, this, &TVokabelauswahl::AuswahlZaehlen);
    connect(btnAlleAuswaehlen, &QPushButton::clicked, this, &TVokabelauswahl::AlleAuswaehlen);
    Leeren();
}

void TVokabelauswahl::Fuellen(const std::vector<std::unique_ptr<TVokabel>> &vokabeln)
{
    std::vector<TAnkreuzModell::Zeile> zeilen;
    zeilen.reserve(vokabeln.size());
    for (const auto &v : vokabeln)
        zeilen.push_back({v->id, {v->vokabel, v->WortartText(), v->BedeutungenText()}});
    mdlVokabeln->Setzen(std::move(zeilen));
    if (lvwVokabeln->isSortingEnabled())
        mdlVokabeln->sort(lvwVokabeln->header()->sortIndicatorSection(), lvwVokabeln->header()->sortIndicatorOrder());
    lvwVokabeln->resizeColumnToContents(0);
    lvwVokabeln->resizeColumnToContents(1);
    if (mdlVokabeln->rowCount() > 0)
        lvwVokabeln->selectionModel()->setCurrentIndex(mdlVokabeln->index(0, 0), QItemSelectionModel::NoUpdate);
    lblAnzahl->setText(VokabelnVorhanden(mdlVokabeln->rowCount()));
    AuswahlZaehlen();
}

void TVokabelauswahl::Leeren()
{
    Fuellen({});
}

void TVokabelauswahl::AlleAuswaehlen()
{
    mdlVokabeln->AlleAnkreuzen();
}

std::vector<bool> TVokabelauswahl::Markiert() const
{
    return mdlVokabeln->Angekreuzt();
}

std::vector<int32_t> TVokabelauswahl::MarkierteIds() const
{
    return mdlVokabeln->AngekreuzteIds();
}

void TVokabelauswahl::AuswahlZaehlen()
{
    const int n = mdlVokabeln->AnzahlAngekreuzt();
    lblAuswahl->setText(VokabelnAusgewaehlt(n));
    emit auswahlGeaendert(n);
}

} // namespace lexovita
