#pragma once

#include "app/auftrag.h"
#include "app/lehrbuchverwaltung.h"
#include "model/zeilen.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace lexovita {

// Imports one lesson file in one transaction: overall progress over the
// file's lessons, step progress over the entries of the current lesson, a
// log line per lesson. Cancelled or failed, nothing of the file is kept.
class TDateiImportAuftrag : public TAuftrag {
  public:
    explicit TDateiImportAuftrag(QString datei) : m_datei(std::move(datei)) {}
    void Ausfuehren(TAuftragsKontext &kontext) override;

    const TImportErgebnis &Ergebnis() const { return m_ergebnis; }
    // The lessons the import stored, in file order.
    const std::vector<TNeueLektion> &Lektionen() const { return m_lektionen; }

  private:
    QString m_datei;
    TImportErgebnis m_ergebnis;
    std::vector<TNeueLektion> m_lektionen;
};

// Imports every lesson file of a folder in one transaction (the starter
// textbook is there completely or not at all); overall progress over files.
class TOrdnerImportAuftrag : public TAuftrag {
  public:
    explicit TOrdnerImportAuftrag(QString ordner) : m_ordner{std::move(ordner)} {}
    // Several folders, in this order, still in one transaction.
    explicit TOrdnerImportAuftrag(QStringList ordner) : m_ordner(std::move(ordner)) {}
    void Ausfuehren(TAuftragsKontext &kontext) override;
    const TImportErgebnis &Ergebnis() const { return m_ergebnis; }

  private:
    QStringList m_ordner;
    TImportErgebnis m_ergebnis;
};

} // namespace lexovita
