#pragma once

#include "app/lehrbuchverwaltung.h"

#include <QAbstractListModel>
#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

namespace lexovita {

// The textbooks of the management window, over its rules: the name is
// edited in place (the rules may refuse it), and a lesson row dropped onto
// a textbook asks to move there. Each change touches only its own row.
class TLehrbuchModell : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit TLehrbuchModell(TLehrbuchverwaltung &logik, QObject *parent = nullptr);

    // After the rules reloaded their textbooks.
    void Neu();
    // A new textbook "Neues Lehrbuch"; returns its row. Database errors pass.
    int Anlegen();
    // Asks through the rules; true when deleted.
    bool Loeschen(int32_t id);
    int Zeile(int32_t id) const; // -1 when not listed
    int32_t Id(int zeile) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &wert, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    bool canDropMimeData(const QMimeData *daten, Qt::DropAction aktion, int zeile, int spalte,
                         const QModelIndex &eltern) const override;
    bool dropMimeData(const QMimeData *daten, Qt::DropAction aktion, int zeile, int spalte,
                      const QModelIndex &eltern) override;
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }

  signals:
    // A lesson row was dropped onto a textbook. The dragging view is still
    // inside its drag: connect queued.
    void lektionAbgelegt(int32_t lektion, int32_t lehrbuch);
    // A database error while renaming, as a German message.
    void fehler(const QString &meldung);

  private:
    TLehrbuchverwaltung &m_logik;
    std::vector<TLehrbuchZeile> m_zeilen;
};

// The lessons of the chosen textbook: name (edited in place), entry count,
// text, last access, created. A row drags as its lesson id.
class TLektionenModell : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Spalte { SpName, SpVokabeln, SpText, SpZugriff, SpErstellt, SpAnzahl };
    // The drag format of a lesson row: its id as decimal text.
    static QString MimeTyp() { return QStringLiteral("application/x-lexovita-lektion"); }

    explicit TLektionenModell(TLehrbuchverwaltung &logik, QObject *parent = nullptr);

    // After another textbook was chosen.
    void Neu();
    // Through the rules (which ask first); each removes only its row.
    bool Loeschen(int32_t id);
    bool Verschieben(int32_t lektion, int32_t lehrbuch);
    int Zeile(int32_t id) const; // -1 when not listed
    int32_t Id(int zeile) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &wert, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indizes) const override;
    // Copy, never move: the source view must not drop the row itself.
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

  signals:
    void fehler(const QString &meldung);

  private:
    bool Entfernen(int32_t id, bool erledigt);

    TLehrbuchverwaltung &m_logik;
    std::vector<TLektionZeile> m_zeilen;
};

} // namespace lexovita
