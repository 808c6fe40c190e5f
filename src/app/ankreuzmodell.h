#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace lexovita {

// Stored rows to tick: one row per entry with its id and column texts, a
// box in the first column. The word list from the text, the printed test's
// entry choice and the drill summary choose their entries with it.
class TAnkreuzModell : public QAbstractTableModel {
    Q_OBJECT
  public:
    struct Zeile {
        int32_t id = 0;
        QStringList texte; // one per column; missing ones are empty
    };

    explicit TAnkreuzModell(QStringList kopf, QObject *parent = nullptr);

    // Replaces the rows, all unticked.
    void Setzen(std::vector<Zeile> zeilen);
    void AlleAnkreuzen();

    int32_t Id(int zeile) const { return m_zeilen.at(static_cast<size_t>(zeile)).id; }
    // One flag per row, in row order.
    std::vector<bool> Angekreuzt() const;
    // The ids of the ticked rows, in row order.
    std::vector<int32_t> AngekreuzteIds() const;
    int AnzahlAngekreuzt() const { return m_angekreuzt; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &wert, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Stable, by the column's text as the locale orders it.
    void sort(int spalte, Qt::SortOrder reihenfolge = Qt::AscendingOrder) override;

  signals:
    // After every change of the ticks (not after Setzen), with the number ticked.
    void ankreuzungGeaendert(int anzahl);

  private:
    struct Eintrag {
        int32_t id;
        QStringList texte;
        bool angekreuzt;
    };
    QStringList m_kopf;
    std::vector<Eintrag> m_zeilen;
    int m_angekreuzt = 0;
};

} // namespace lexovita
