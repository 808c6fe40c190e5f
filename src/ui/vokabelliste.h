#pragma once

#include <QTreeWidget>

namespace lexovita {

// The lesson's entry list. Dragging a row onto another reports the move to
// the owner instead of moving items itself, so the lesson stays the one
// source of the order; the owner rebuilds the rows afterwards.
class TVokabelListe : public QTreeWidget {
    Q_OBJECT
  public:
    explicit TVokabelListe(QWidget *parent = nullptr);

    // Row indices of the selected rows, ascending.
    QList<int> AusgewaehlteZeilen() const;

  signals:
    void verschieben(int von, int nach);

  protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void startDrag(Qt::DropActions actions) override;
};

} // namespace lexovita
