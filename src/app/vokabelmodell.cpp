#include "app/vokabelmodell.h"

#include "app/laengenanzeige.h"
#include "app/lektionssitzung.h"

namespace lexovita {

TVokabelModell::TVokabelModell(TLektionssitzung &sitzung, QObject *parent, const TConfig *config)
    : QAbstractTableModel(parent), m_sitzung(sitzung), m_config(config), m_lektion(sitzung.Aktuell())
{
    // Announcements of rows concern the current lesson, which is the one shown.
    const auto gezeigt = [this] { return !m_verborgen && m_lektion && m_lektion == m_sitzung.Aktuell(); };
    connect(&sitzung, &TLektionssitzung::lektionGewechselt, this, &TVokabelModell::Neu);
    connect(&sitzung, &TLektionssitzung::lektionGeschlossen, this, [this](TLektion *l) {
        if (l == m_lektion) {
            beginResetModel();
            m_lektion = nullptr;
            endResetModel();
        }
    });
    connect(&sitzung, &TLektionssitzung::vokabelnNeu, this, [this](TLektion *l) {
        if (l == m_lektion)
            Neu();
    });
    connect(&sitzung, &TLektionssitzung::vokabelnEinfuegenBeginnt, this, [this, gezeigt](int erste, int letzte) {
        if (gezeigt())
            beginInsertRows({}, erste, letzte);
    });
    connect(&sitzung, &TLektionssitzung::vokabelnEingefuegt, this, [this, gezeigt] {
        if (gezeigt()) {
            endInsertRows();
            // The numbers of the rows below moved on.
            emit dataChanged(index(0, Nr), index(rowCount() - 1, Nr));
        }
    });
    connect(&sitzung, &TLektionssitzung::vokabelnEntfernenBeginnt, this, [this, gezeigt](int erste, int letzte) {
        if (gezeigt())
            beginRemoveRows({}, erste, letzte);
    });
    connect(&sitzung, &TLektionssitzung::vokabelnEntfernt, this, [this, gezeigt] {
        if (gezeigt()) {
            endRemoveRows();
            if (rowCount() > 0)
                emit dataChanged(index(0, Nr), index(rowCount() - 1, Nr));
        }
    });
    connect(&sitzung, &TLektionssitzung::vokabelVerschiebenBeginnt, this, [this, gezeigt](int von, int vor) {
        if (gezeigt())
            beginMoveRows({}, von, von, {}, vor);
    });
    connect(&sitzung, &TLektionssitzung::vokabelVerschoben, this, [this, gezeigt] {
        if (gezeigt()) {
            endMoveRows();
            emit dataChanged(index(0, Nr), index(rowCount() - 1, Nr));
        }
    });
    connect(&sitzung, &TLektionssitzung::reihenfolgeAendernBeginnt, this, [this, gezeigt] {
        if (gezeigt())
            emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    });
    connect(&sitzung, &TLektionssitzung::reihenfolgeGeaendert, this, [this, gezeigt](const QList<int> &herkunft) {
        if (gezeigt())
            ReihenfolgeUebernehmen(herkunft);
    });
    connect(&sitzung, &TLektionssitzung::vokabelnGeaendert, this, [this, gezeigt](int erste, int letzte) {
        if (gezeigt())
            emit dataChanged(index(erste, 0), index(letzte, Spalten - 1));
    });
}

TSpalte TVokabelModell::AlsSortierspalte(int spalte)
{
    switch (spalte) {
    case Vokabel:
        return TSpalte::Vokabel;
    case Formen:
        return TSpalte::Formen;
    case Bedeutungen:
        return TSpalte::Bedeutungen;
    case Wortart:
        return TSpalte::Wortart;
    case KonjDekl:
        return TSpalte::KonjDekl;
    default:
        return TSpalte::Nr;
    }
}

void TVokabelModell::Neu()
{
    beginResetModel();
    m_lektion = m_sitzung.Aktuell();
    endResetModel();
}

void TVokabelModell::AnzeigeGeaendert()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, Vokabel), index(rowCount() - 1, Formen));
}

void TVokabelModell::SetVerborgen(bool verborgen)
{
    if (verborgen == m_verborgen)
        return;
    beginResetModel();
    m_verborgen = verborgen;
    m_lektion = m_sitzung.Aktuell();
    endResetModel();
}

void TVokabelModell::ReihenfolgeUebernehmen(const QList<int> &herkunft)
{
    // Selections and the current row follow their entries to the new rows.
    QList<int> neueZeile(herkunft.size());
    for (int i = 0; i < herkunft.size(); ++i)
        neueZeile[herkunft[i]] = i;
    const QModelIndexList alt = persistentIndexList();
    QModelIndexList neu;
    neu.reserve(alt.size());
    for (const QModelIndex &i : alt)
        neu.append(i.row() < neueZeile.size() ? index(neueZeile[i.row()], i.column()) : QModelIndex());
    changePersistentIndexList(alt, neu);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int TVokabelModell::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || m_verborgen || !m_lektion)
        return 0;
    return m_lektion->Anzahl();
}

int TVokabelModell::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Spalten;
}

QVariant TVokabelModell::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) || !m_lektion ||
        m_verborgen)
        return {};
    if (role == Qt::TextAlignmentRole && index.column() == Nr)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const TVokabel &v = *m_lektion->vokabeln[static_cast<size_t>(index.row())];
    switch (index.column()) {
    case Nr:
        return QString::number(index.row() + 1);
    case Vokabel:
        return m_config ? AnzeigeText(v.vokabel, *m_config, v) : v.vokabel;
    case Formen:
        return m_config ? AnzeigeText(v.FormenText(), *m_config, v) : v.FormenText();
    case Bedeutungen:
        return v.BedeutungenText();
    case Wortart:
        return v.WortartText();
    case KonjDekl:
        return v.KonjDeklText();
    default:
        return {};
    }
}

QVariant TVokabelModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Spalten)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const titel[] = {"Vokabel", "Formen", "Bedeutungen", "Wortart", "Konj./Dekl.", "Nr"};
    return QString::fromLatin1(titel[section]);
}

Qt::ItemFlags TVokabelModell::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled |
           Qt::ItemNeverHasChildren;
}

Qt::DropActions TVokabelModell::supportedDropActions() const
{
    return Qt::MoveAction;
}

bool TVokabelModell::moveRows(const QModelIndex &quelle, int zeile, int anzahl, const QModelIndex &zielEltern, int ziel)
{
    if (quelle.isValid() || zielEltern.isValid() || anzahl != 1 || m_verborgen || m_lektion != m_sitzung.Aktuell())
        return false;
    // Qt names the row the entry goes before; the session the row it ends up on.
    const int nach = ziel > zeile ? ziel - 1 : ziel;
    return m_sitzung.VokabelVerschieben(zeile, nach);
}

void TVokabelModell::sort(int spalte, Qt::SortOrder reihenfolge)
{
    const TSpalte schluessel = AlsSortierspalte(spalte);
    if (schluessel == TSpalte::Nr || m_verborgen || !m_lektion || m_lektion != m_sitzung.Aktuell())
        return;
    QList<int> herkunft = m_lektion->Sortierreihenfolge(schluessel);
    if (reihenfolge == Qt::DescendingOrder)
        std::reverse(herkunft.begin(), herkunft.end());
    m_sitzung.VokabelnAnordnen(herkunft);
}

} // namespace lexovita
