#include "ui/vokabelliste.h"

#include <QDropEvent>
#include <algorithm>

namespace lexovita {

TVokabelListe::TVokabelListe(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("lvwVokabeln"));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setSortingEnabled(false);
}

QList<int> TVokabelListe::AusgewaehlteZeilen() const
{
    QList<int> zeilen;
    for (QTreeWidgetItem *it : selectedItems())
        zeilen.append(indexOfTopLevelItem(it));
    std::sort(zeilen.begin(), zeilen.end());
    return zeilen;
}

void TVokabelListe::startDrag(Qt::DropActions actions)
{
    // Only a single entry can be dragged to a new place.
    if (selectedItems().size() == 1)
        QTreeWidget::startDrag(actions);
}

void TVokabelListe::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->source() == this && selectedItems().size() == 1)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TVokabelListe::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->source() == this && itemAt(event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TVokabelListe::dropEvent(QDropEvent *event)
{
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    const QList<int> sel = AusgewaehlteZeilen();
    QTreeWidgetItem *ziel = itemAt(event->position().toPoint());
    if (sel.size() != 1 || !ziel)
        return;
    const int nach = indexOfTopLevelItem(ziel);
    if (nach != sel.first())
        emit verschieben(sel.first(), nach);
}

} // namespace lexovita
