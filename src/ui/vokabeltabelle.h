#pragma once

#include <QList>
#include <QTreeView>

namespace lexovita {

// The lesson's entry list over the entry model. A dragged row is reported
// to the owner instead of being moved here, so that the move becomes an
// undoable command; only one entry is dragged at a time.
class TVokabelTabelle : public QTreeView {
    Q_OBJECT
  public:
    explicit TVokabelTabelle(QWidget *parent = nullptr);

    // Row indices of the selected rows, ascending.
    QList<int> AusgewaehlteZeilen() const;
    // Selects exactly these rows; the first becomes current and is scrolled to.
    void ZeilenWaehlen(const QList<int> &zeilen);
    int Anzahl() const;
    // The text of a cell in the column shown at position `spalte`.
    QString Text(int zeile, int spalte) const;
    // The row under a point of the viewport, -1 for none.
    int ZeileBei(const QPoint &punkt) const;

  signals:
    void verschieben(int von, int nach);

  protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void startDrag(Qt::DropActions actions) override;
};

} // namespace lexovita
