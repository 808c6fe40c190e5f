#include "app/lehrbuchmodelle.h"

#include "model/fehler.h"

#include <QMimeData>

namespace lexovita {

namespace {

QString Zeitpunkt(const QDateTime &t)
{
    return t.isValid() ? t.toString(QStringLiteral("dd.MM.yyyy HH:mm")) : QString();
}

constexpr auto kGueltig =
    QAbstractItemModel::CheckIndexOption::IndexIsValid | QAbstractItemModel::CheckIndexOption::ParentIsInvalid;

} // namespace

// ---------------------------------------------------------------------------

TLehrbuchModell::TLehrbuchModell(TLehrbuchverwaltung &logik, QObject *parent)
    : QAbstractListModel(parent), m_logik(logik), m_zeilen(logik.Lehrbuecher())
{
}

void TLehrbuchModell::Neu()
{
    beginResetModel();
    m_zeilen = m_logik.Lehrbuecher();
    endResetModel();
}

int TLehrbuchModell::Anlegen()
{
    const int32_t id = m_logik.LehrbuchNeu();
    const auto &neu = m_logik.Lehrbuecher();
    int zeile = static_cast<int>(neu.size()) - 1;
    for (size_t i = 0; i < neu.size(); ++i)
        if (neu[i].id == id)
            zeile = static_cast<int>(i);
    beginInsertRows({}, zeile, zeile);
    m_zeilen.insert(m_zeilen.begin() + zeile, neu[static_cast<size_t>(zeile)]);
    endInsertRows();
    return zeile;
}

bool TLehrbuchModell::Loeschen(int32_t id)
{
    const int zeile = Zeile(id);
    if (zeile < 0 || !m_logik.LehrbuchLoeschen(id))
        return false;
    beginRemoveRows({}, zeile, zeile);
    m_zeilen.erase(m_zeilen.begin() + zeile);
    endRemoveRows();
    return true;
}

int TLehrbuchModell::Zeile(int32_t id) const
{
    for (size_t i = 0; i < m_zeilen.size(); ++i)
        if (m_zeilen[i].id == id)
            return static_cast<int>(i);
    return -1;
}

int32_t TLehrbuchModell::Id(int zeile) const
{
    return zeile >= 0 && zeile < rowCount() ? m_zeilen[static_cast<size_t>(zeile)].id : 0;
}

int TLehrbuchModell::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_zeilen.size());
}

QVariant TLehrbuchModell::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, kGueltig))
        return {};
    const TLehrbuchZeile &z = m_zeilen[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return z.name;
    if (role == Qt::UserRole)
        return z.id;
    return {};
}

bool TLehrbuchModell::setData(const QModelIndex &index, const QVariant &wert, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, kGueltig))
        return false;
    TLehrbuchZeile &z = m_zeilen[static_cast<size_t>(index.row())];
    const QString neu = wert.toString();
    if (neu == z.name)
        return true;
    try {
        if (!m_logik.LehrbuchUmbenennen(z.id, neu))
            return false;
    } catch (const std::exception &f) {
        emit fehler(FehlerMeldung(f));
        return false;
    }
    z.name = neu;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant TLehrbuchModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section == 0)
        return QStringLiteral("Lehrbuch");
    return QAbstractListModel::headerData(section, orientation, role);
}

Qt::ItemFlags TLehrbuchModell::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDropEnabled |
           Qt::ItemNeverHasChildren;
}

QStringList TLehrbuchModell::mimeTypes() const
{
    return {TLektionenModell::MimeTyp()};
}

bool TLehrbuchModell::canDropMimeData(const QMimeData *daten, Qt::DropAction aktion, int zeile, int spalte,
                                      const QModelIndex &eltern) const
{
    Q_UNUSED(zeile)
    Q_UNUSED(spalte)
    // Only onto a textbook, never between two.
    return daten && daten->hasFormat(TLektionenModell::MimeTyp()) && aktion == Qt::CopyAction && eltern.isValid() &&
           checkIndex(eltern, kGueltig);
}

bool TLehrbuchModell::dropMimeData(const QMimeData *daten, Qt::DropAction aktion, int zeile, int spalte,
                                   const QModelIndex &eltern)
{
    if (!canDropMimeData(daten, aktion, zeile, spalte, eltern))
        return false;
    emit lektionAbgelegt(daten->data(TLektionenModell::MimeTyp()).toInt(), Id(eltern.row()));
    return true;
}

// ---------------------------------------------------------------------------

TLektionenModell::TLektionenModell(TLehrbuchverwaltung &logik, QObject *parent)
    : QAbstractTableModel(parent), m_logik(logik), m_zeilen(logik.Lektionen())
{
}

void TLektionenModell::Neu()
{
    beginResetModel();
    m_zeilen = m_logik.Lektionen();
    endResetModel();
}

bool TLektionenModell::Entfernen(int32_t id, bool erledigt)
{
    const int zeile = Zeile(id);
    if (!erledigt || zeile < 0)
        return erledigt;
    beginRemoveRows({}, zeile, zeile);
    m_zeilen.erase(m_zeilen.begin() + zeile);
    endRemoveRows();
    return true;
}

bool TLektionenModell::Loeschen(int32_t id)
{
    return Entfernen(id, Zeile(id) >= 0 && m_logik.LektionLoeschen(id));
}

bool TLektionenModell::Verschieben(int32_t lektion, int32_t lehrbuch)
{
    return Entfernen(lektion, Zeile(lektion) >= 0 && m_logik.LektionVerschieben(lektion, lehrbuch));
}

int TLektionenModell::Zeile(int32_t id) const
{
    for (size_t i = 0; i < m_zeilen.size(); ++i)
        if (m_zeilen[i].id == id)
            return static_cast<int>(i);
    return -1;
}

int32_t TLektionenModell::Id(int zeile) const
{
    return zeile >= 0 && zeile < rowCount() ? m_zeilen[static_cast<size_t>(zeile)].id : 0;
}

int TLektionenModell::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_zeilen.size());
}

int TLektionenModell::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : SpAnzahl;
}

QVariant TLektionenModell::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, kGueltig))
        return {};
    const TLektionZeile &z = m_zeilen[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case SpName:
            return z.name;
        case SpVokabeln:
            return QString::number(z.vokabeln);
        case SpText:
            return z.TextSpalte();
        case SpZugriff:
            return Zeitpunkt(z.zugriff);
        case SpErstellt:
            return Zeitpunkt(z.erstellt);
        default:
            return {};
        }
    case Qt::EditRole:
        return index.column() == SpName ? QVariant(z.name) : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == SpVokabeln ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::UserRole:
        return z.id;
    default:
        return {};
    }
}

bool TLektionenModell::setData(const QModelIndex &index, const QVariant &wert, int role)
{
    if (role != Qt::EditRole || index.column() != SpName || !checkIndex(index, kGueltig))
        return false;
    TLektionZeile &z = m_zeilen[static_cast<size_t>(index.row())];
    const QString neu = wert.toString();
    if (neu == z.name)
        return true;
    try {
        if (!m_logik.LektionUmbenennen(z.id, neu))
            return false;
    } catch (const std::exception &f) {
        emit fehler(FehlerMeldung(f));
        return false;
    }
    z.name = neu;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant TLektionenModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const kKopf[] = {"Name", "Vokabeln", "Text", "Letzter Zugriff", "Erstellt am"};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < SpAnzahl)
        return QString::fromLatin1(kKopf[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags TLektionenModell::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;
    if (index.column() == SpName)
        f |= Qt::ItemIsEditable;
    return f;
}

QStringList TLektionenModell::mimeTypes() const
{
    return {MimeTyp()};
}

QMimeData *TLektionenModell::mimeData(const QModelIndexList &indizes) const
{
    if (indizes.isEmpty() || !checkIndex(indizes.first(), kGueltig))
        return nullptr;
    auto *daten = new QMimeData;
    daten->setData(MimeTyp(), QByteArray::number(Id(indizes.first().row())));
    return daten;
}

} // namespace lexovita
