#include "ui/vokabeltabelle.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <algorithm>

namespace lexovita {

TVokabelTabelle::TVokabelTabelle(QWidget *parent) : QTreeView(parent)
{
    setObjectName(QStringLiteral("lvwVokabeln"));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    // A header click is a command on the lesson, not a view of it.
    setSortingEnabled(false);
}

QList<int> TVokabelTabelle::AusgewaehlteZeilen() const
{
    QList<int> zeilen;
    if (!selectionModel())
        return zeilen;
    for (const QModelIndex &i : selectionModel()->selectedRows())
        zeilen.append(i.row());
    std::sort(zeilen.begin(), zeilen.end());
    return zeilen;
}

void TVokabelTabelle::ZeilenWaehlen(const QList<int> &zeilen)
{
    if (!model() || !selectionModel())
        return;
    QItemSelection auswahl;
    for (int z : zeilen)
        if (z >= 0 && z < model()->rowCount())
            auswahl.select(model()->index(z, 0), model()->index(z, model()->columnCount() - 1));
    selectionModel()->select(auswahl, QItemSelectionModel::ClearAndSelect);
    if (!zeilen.isEmpty() && zeilen.first() >= 0 && zeilen.first() < model()->rowCount()) {
        const QModelIndex erste = model()->index(zeilen.first(), 0);
        selectionModel()->setCurrentIndex(erste, QItemSelectionModel::NoUpdate);
        scrollTo(erste);
    }
}

int TVokabelTabelle::Anzahl() const
{
    return model() ? model()->rowCount() : 0;
}

QString TVokabelTabelle::Text(int zeile, int spalte) const
{
    return model() ? model()->index(zeile, header()->logicalIndex(spalte)).data().toString() : QString();
}

int TVokabelTabelle::ZeileBei(const QPoint &punkt) const
{
    const QModelIndex i = indexAt(punkt);
    return i.isValid() ? i.row() : -1;
}

void TVokabelTabelle::startDrag(Qt::DropActions actions)
{
    // Only a single entry can be dragged to a new place.
    if (AusgewaehlteZeilen().size() == 1)
        QTreeView::startDrag(actions);
}

void TVokabelTabelle::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->source() == this && AusgewaehlteZeilen().size() == 1)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TVokabelTabelle::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->source() == this && ZeileBei(event->position().toPoint()) >= 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TVokabelTabelle::dropEvent(QDropEvent *event)
{
    // The view must not move rows itself: the owner turns the drop into a command.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    const QList<int> sel = AusgewaehlteZeilen();
    const int nach = ZeileBei(event->position().toPoint());
    if (sel.size() == 1 && nach >= 0 && nach != sel.first())
        emit verschieben(sel.first(), nach);
}

} // namespace lexovita
