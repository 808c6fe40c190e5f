#include "ui/formenbaeume.h"

#include "morph/kategorien.h"

#include <QApplication>
#include <QStyle>
#include <QTreeWidget>
#include <memory>

namespace lexovita {

namespace {

QIcon Bild(int32_t art)
{
    QStyle *s = QApplication::style();
    switch (art) {
    case KNOTEN_VOKABEL:
        return s->standardIcon(QStyle::SP_FileIcon);
    case KNOTEN_UEBERSCHRIFT:
        return s->standardIcon(QStyle::SP_DirIcon);
    case KNOTEN_VERWEIS:
        return s->standardIcon(QStyle::SP_FileLinkIcon);
    default:
        return {};
    }
}

// Fills the second column of the form rows below an item once.
void SpalteFuellen(QTreeWidgetItem *eltern, const std::function<QString(int32_t)> &formText)
{
    for (int i = 0; i < eltern->childCount(); ++i) {
        QTreeWidgetItem *kind = eltern->child(i);
        const TBasicNodeData d = KnotenDaten(kind);
        if (d.kind == KNOTEN_FORM && kind->data(1, Qt::UserRole).isNull()) {
            kind->setText(1, formText(d.id));
            kind->setData(1, Qt::UserRole, true);
        }
    }
}

} // namespace

TBasicNodeData KnotenDaten(const QTreeWidgetItem *item)
{
    return item ? item->data(0, Qt::UserRole).value<TBasicNodeData>() : TBasicNodeData{};
}

void KnotenEinfuegen(QTreeWidget *baum, const std::vector<TBaumKnoten> &knoten, bool checkbar)
{
    std::vector<QTreeWidgetItem *> pfad; // last item of each depth
    for (const TBaumKnoten &k : knoten) {
        pfad.resize(size_t(k.ebene));
        auto *item = pfad.empty() ? new QTreeWidgetItem(baum) : new QTreeWidgetItem(pfad.back());
        item->setText(0, k.daten.caption);
        item->setData(0, Qt::UserRole, QVariant::fromValue(k.daten));
        item->setIcon(0, Bild(k.daten.kind));
        if (checkbar) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
            item->setCheckState(0, k.angehakt ? Qt::Checked : Qt::Unchecked);
        }
        item->setExpanded(k.ausgeklappt);
        pfad.push_back(item);
    }
}

void FormenBaum(QTreeWidget *baum, TFormenmanager &manager, const TVokabel &v, int art, const QSet<int32_t> &angehakt,
                std::function<QString(int32_t)> formText, TLaengenAnzeige anzeige)
{
    baum->clear();
    // The filler of an earlier entry goes with its connection.
    const QString kFueller = QStringLiteral("formenbaumFueller");
    delete baum->findChild<QObject *>(kFueller, Qt::FindDirectChildrenOnly);
    auto *fueller = new QObject(baum);
    fueller->setObjectName(kFueller);
    // Rows fixed at build time (imperatives, infinitives ...) show their text
    // at once; every other row asks when it becomes visible.
    const std::vector<TBaumKnoten> knoten = FormenBaumKnoten(manager, v, art, angehakt);
    KnotenEinfuegen(baum, knoten, true);
    for (QTreeWidgetItemIterator it(baum); *it; ++it) {
        const TBasicNodeData d = KnotenDaten(*it);
        if (!d.text.isEmpty()) {
            (*it)->setText(1, LaengenZeigen(d.text, anzeige));
            (*it)->setData(1, Qt::UserRole, true);
        }
    }
    SpalteFuellen(baum->invisibleRootItem(), formText);
    QObject::connect(baum, &QTreeWidget::itemExpanded, fueller,
                     [formText](QTreeWidgetItem *item) { SpalteFuellen(item, formText); });
}

void FormenBaumZeigen(QTreeWidget *baum, TFormenmanager &manager, const TVokabel &v, TLaengenAnzeige anzeige)
{
    auto kopie = std::make_shared<TVokabel>();
    v.KopierenNach(*kopie);
    const TLaengenAnzeige dieser = anzeige.Fuer(v);
    manager.SetLaengen(anzeige.laengen || anzeige.betonung);
    FormenBaum(
        baum, manager, *kopie, 1, {},
        [&manager, kopie, dieser](int32_t id) { return FormenText(manager, *kopie, id, dieser); }, dieser);
}

QList<int32_t> AngehakteFormen(const QTreeWidget *baum)
{
    QList<int32_t> ids;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(baum)); *it; ++it) {
        const TBasicNodeData d = KnotenDaten(*it);
        if (d.kind == KNOTEN_FORM && (*it)->checkState(0) == Qt::Checked)
            ids.append(d.id);
    }
    return ids;
}

void KategorieBaum(QTreeWidget *baum, const TVokabel &v, std::vector<int32_t> &selektoren, int art)
{
    baum->clear();
    selektoren.clear();
    std::vector<TBaumKnoten> knoten;
    for (const TKategorieKnoten &k : KategorieSelektoren(v, art)) {
        TBaumKnoten b;
        b.daten.caption = k.beschriftung;
        b.daten.label = k.beschriftung;
        b.daten.id = k.selektor;
        b.daten.kind = k.selektor == 0 ? KNOTEN_UEBERSCHRIFT : KNOTEN_FORM;
        b.ebene = k.ebene;
        knoten.push_back(std::move(b));
        selektoren.push_back(k.selektor);
    }
    KnotenEinfuegen(baum, knoten, false);
}

void AnalyseBaum(QTreeWidget *baum, const TVokabel *v, const std::vector<TLatForm> &ergebnisse)
{
    baum->clear();
    if (!v)
        return;
    KnotenEinfuegen(baum, AnalyseBaumKnoten(*v, ergebnisse), false);
    if (QTreeWidgetItem *erster = baum->topLevelItem(0))
        baum->setCurrentItem(erster);
}

} // namespace lexovita
