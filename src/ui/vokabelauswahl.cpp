#include "ui/vokabelauswahl.h"

#include "learning/testbogen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace lexovita {

TVokabelauswahl::TVokabelauswahl(QWidget *parent, const Texte &texte, bool sortieren)
    : QWidget(parent), m_sortieren(sortieren)
{
    lvwVokabeln = new QTreeWidget(this);
    lvwVokabeln->setObjectName(QStringLiteral("lvwVokabeln"));
    lvwVokabeln->setAccessibleName(texte.listenName);
    lvwVokabeln->setHeaderLabels({QStringLiteral("Vokabel"), QStringLiteral("Wortart"), texte.bedeutungenKopf});
    lvwVokabeln->setRootIsDecorated(false);
    lvwVokabeln->setUniformRowHeights(true);
    if (m_sortieren) {
        lvwVokabeln->setSelectionMode(QAbstractItemView::ExtendedSelection);
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

    connect(lvwVokabeln, &QTreeWidget::itemChanged, this, &TVokabelauswahl::AuswahlZaehlen);
    connect(btnAlleAuswaehlen, &QPushButton::clicked, this, &TVokabelauswahl::AlleAuswaehlen);
    Leeren();
}

void TVokabelauswahl::Fuellen(const std::vector<std::unique_ptr<TVokabel>> &vokabeln)
{
    {
        const QSignalBlocker sperre(lvwVokabeln);
        lvwVokabeln->setSortingEnabled(false);
        lvwVokabeln->clear();
        for (const auto &v : vokabeln) {
            auto *item = new QTreeWidgetItem(lvwVokabeln, {v->vokabel, v->WortartText(), v->BedeutungenText()});
            item->setData(0, Qt::UserRole, v->id);
            item->setCheckState(0, Qt::Unchecked);
        }
        if (m_sortieren) {
            lvwVokabeln->setSortingEnabled(true);
            lvwVokabeln->sortByColumn(0, Qt::AscendingOrder);
        }
    }
    lvwVokabeln->resizeColumnToContents(0);
    lvwVokabeln->resizeColumnToContents(1);
    if (lvwVokabeln->topLevelItemCount() > 0)
        lvwVokabeln->setCurrentItem(lvwVokabeln->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
    lblAnzahl->setText(VokabelnVorhanden(lvwVokabeln->topLevelItemCount()));
    AuswahlZaehlen();
}

void TVokabelauswahl::Leeren()
{
    Fuellen({});
}

void TVokabelauswahl::AlleAuswaehlen()
{
    {
        const QSignalBlocker sperre(lvwVokabeln);
        for (int i = 0; i < lvwVokabeln->topLevelItemCount(); ++i)
            lvwVokabeln->topLevelItem(i)->setCheckState(0, Qt::Checked);
    }
    // The blocked signals also kept the view from repainting the boxes.
    lvwVokabeln->viewport()->update();
    AuswahlZaehlen();
}

std::vector<bool> TVokabelauswahl::Markiert() const
{
    std::vector<bool> markiert;
    for (int i = 0; i < lvwVokabeln->topLevelItemCount(); ++i)
        markiert.push_back(lvwVokabeln->topLevelItem(i)->checkState(0) == Qt::Checked);
    return markiert;
}

std::vector<int32_t> TVokabelauswahl::MarkierteIds() const
{
    std::vector<int32_t> ids;
    for (int i = 0; i < lvwVokabeln->topLevelItemCount(); ++i)
        if (const QTreeWidgetItem *item = lvwVokabeln->topLevelItem(i); item->checkState(0) == Qt::Checked)
            ids.push_back(item->data(0, Qt::UserRole).toInt());
    return ids;
}

void TVokabelauswahl::AuswahlZaehlen()
{
    int n = 0;
    for (bool m : Markiert())
        n += m ? 1 : 0;
    lblAuswahl->setText(VokabelnAusgewaehlt(n));
    emit auswahlGeaendert(n);
}

} // namespace lexovita
