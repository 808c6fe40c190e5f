#include "app/woerterbuchmodell.h"

#include "app/woerterbuch.h"

namespace lexovita {

TWoerterbuchModell::TWoerterbuchModell(TWoerterbuch &woerterbuch, QObject *parent)
    : QAbstractListModel(parent), m_woerterbuch(woerterbuch), m_zeilen(static_cast<int>(woerterbuch.Liste().size()))
{
}

void TWoerterbuchModell::Neu()
{
    beginResetModel();
    m_zeilen = static_cast<int>(m_woerterbuch.Liste().size());
    endResetModel();
}

int TWoerterbuchModell::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_zeilen;
}

QVariant TWoerterbuchModell::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    const auto &liste = m_woerterbuch.Liste();
    const auto zeile = static_cast<size_t>(index.row());
    if (zeile >= liste.size())
        return {};
    // Meanings and memory aids are German; only the Latin list carries lengths.
    return m_woerterbuch.Modus() == TWoerterbuchModus::Latein ? m_woerterbuch.AnzeigeText(liste[zeile].text)
                                                              : liste[zeile].text;
}

bool TWoerterbuchModell::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_woerterbuch.MehrVorhanden();
}

void TWoerterbuchModell::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid())
        return;
    // The dictionary appends the page; the rows are announced once they are there.
    const int neu = m_woerterbuch.MehrLaden();
    if (neu <= 0)
        return;
    beginInsertRows({}, m_zeilen, m_zeilen + neu - 1);
    m_zeilen += neu;
    endInsertRows();
}

} // namespace lexovita
