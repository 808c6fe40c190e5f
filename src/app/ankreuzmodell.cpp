#include "app/ankreuzmodell.h"

#include <QCollator>

#include <algorithm>

namespace lexovita {

TAnkreuzModell::TAnkreuzModell(QStringList kopf, QObject *parent) : QAbstractTableModel(parent), m_kopf(std::move(kopf))
{
}

void TAnkreuzModell::Setzen(std::vector<Zeile> zeilen)
{
    beginResetModel();
    m_zeilen.clear();
    m_zeilen.reserve(zeilen.size());
    for (Zeile &z : zeilen)
        m_zeilen.push_back({z.id, std::move(z.texte), false});
    m_angekreuzt = 0;
    endResetModel();
}

void TAnkreuzModell::AlleAnkreuzen()
{
    if (m_zeilen.empty())
        return;
    for (Eintrag &e : m_zeilen)
        e.angekreuzt = true;
    m_angekreuzt = static_cast<int>(m_zeilen.size());
    emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
    emit ankreuzungGeaendert(m_angekreuzt);
}

std::vector<bool> TAnkreuzModell::Angekreuzt() const
{
    std::vector<bool> a;
    a.reserve(m_zeilen.size());
    for (const Eintrag &e : m_zeilen)
        a.push_back(e.angekreuzt);
    return a;
}

std::vector<int32_t> TAnkreuzModell::AngekreuzteIds() const
{
    std::vector<int32_t> ids;
    for (const Eintrag &e : m_zeilen)
        if (e.angekreuzt)
            ids.push_back(e.id);
    return ids;
}

int TAnkreuzModell::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_zeilen.size());
}

int TAnkreuzModell::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_kopf.size());
}

QVariant TAnkreuzModell::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Eintrag &e = m_zeilen[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return e.texte.value(index.column());
    case Qt::CheckStateRole:
        if (index.column() == 0)
            return e.angekreuzt ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::UserRole:
        return e.id;
    default:
        return {};
    }
}

bool TAnkreuzModell::setData(const QModelIndex &index, const QVariant &wert, int role)
{
    if (role != Qt::CheckStateRole || index.column() != 0 ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    Eintrag &e = m_zeilen[static_cast<size_t>(index.row())];
    const bool an = wert.value<Qt::CheckState>() == Qt::Checked;
    if (e.angekreuzt != an) {
        e.angekreuzt = an;
        m_angekreuzt += an ? 1 : -1;
        emit dataChanged(index, index, {Qt::CheckStateRole});
        emit ankreuzungGeaendert(m_angekreuzt);
    }
    return true;
}

QVariant TAnkreuzModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_kopf.size())
        return m_kopf[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags TAnkreuzModell::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

void TAnkreuzModell::sort(int spalte, Qt::SortOrder reihenfolge)
{
    if (spalte < 0 || spalte >= columnCount())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList alt = persistentIndexList();
    // Remember where each row came from, to carry persistent indexes along.
    std::vector<size_t> reihe(m_zeilen.size());
    for (size_t i = 0; i < reihe.size(); ++i)
        reihe[i] = i;
    // An own collator: QString::localeAwareCompare keeps a per-thread one
    // that is never freed.
    const QCollator sortierung;
    std::stable_sort(reihe.begin(), reihe.end(), [&](size_t a, size_t b) {
        const int v = sortierung.compare(m_zeilen[a].texte.value(spalte), m_zeilen[b].texte.value(spalte));
        return reihenfolge == Qt::AscendingOrder ? v < 0 : v > 0;
    });
    std::vector<Eintrag> neu;
    neu.reserve(m_zeilen.size());
    std::vector<int> neueZeile(m_zeilen.size());
    for (size_t i = 0; i < reihe.size(); ++i) {
        neueZeile[reihe[i]] = static_cast<int>(i);
        neu.push_back(std::move(m_zeilen[reihe[i]]));
    }
    m_zeilen = std::move(neu);
    QModelIndexList neuIndizes;
    for (const QModelIndex &i : alt)
        neuIndizes << index(neueZeile[static_cast<size_t>(i.row())], i.column());
    changePersistentIndexList(alt, neuIndizes);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace lexovita
