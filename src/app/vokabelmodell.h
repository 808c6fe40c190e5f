#pragma once

#include <QAbstractTableModel>
#include <QList>

#include "model/lektion.h"

namespace lexovita {

class TConfig;
class TLektionssitzung;

// The current lesson's entries as a table: Vokabel, Formen, Bedeutungen,
// Wortart, Konj./Dekl. and the row number "Nr" last, so that the first
// column of a row stays the same when rows move (a view shows "Nr" first by
// moving its section). It holds no rows of its own; it reads the session's
// current lesson and follows the session's row announcements, so a command
// touches only the rows it changed. Moving and sorting go through the
// session, which marks the lesson modified.
class TVokabelModell : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Spalte { Vokabel, Formen, Bedeutungen, Wortart, KonjDekl, Nr, Spalten };
    // The lesson's sort key of a column.
    static TSpalte AlsSortierspalte(int spalte);

    // Headword and forms are shown as the settings say (laengenanzeige.h);
    // without settings as stored.
    explicit TVokabelModell(TLektionssitzung &sitzung, QObject *parent = nullptr, const TConfig *config = nullptr);

    // The way lengths are shown changed: every row is drawn again.
    void AnzeigeGeaendert();

    // While a drill runs the list shows no rows, so the answers are not in sight.
    void SetVerborgen(bool verborgen);
    bool Verborgen() const { return m_verborgen; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    // One row at a time, as a drag moves it; `ziel` is the row it is put before.
    bool moveRows(const QModelIndex &quelle, int zeile, int anzahl, const QModelIndex &zielEltern, int ziel) override;
    // Ascending by the column's text, case-insensitive; descending reverses it. "Nr" does nothing.
    void sort(int spalte, Qt::SortOrder reihenfolge = Qt::AscendingOrder) override;

  private:
    void Neu();
    void ReihenfolgeUebernehmen(const QList<int> &herkunft);

    TLektionssitzung &m_sitzung;
    const TConfig *m_config;
    TLektion *m_lektion = nullptr;
    bool m_verborgen = false;
};

} // namespace lexovita
