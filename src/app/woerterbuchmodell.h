#pragma once

#include <QAbstractListModel>

namespace lexovita {

class TWoerterbuch;

// The dictionary's list rows (headwords, meanings or memory aids) over the
// dictionary's state. It shows the pages read so far; a view asks for the
// next page through canFetchMore/fetchMore when it scrolls near the end, so
// a keystroke costs one page however large the dictionary is.
class TWoerterbuchModell : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit TWoerterbuchModell(TWoerterbuch &woerterbuch, QObject *parent = nullptr);

    // The dictionary read its list afresh (search, direction, deletion).
    void Neu();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

  private:
    TWoerterbuch &m_woerterbuch;
    int m_zeilen = 0; // rows announced to the views
};

} // namespace lexovita
