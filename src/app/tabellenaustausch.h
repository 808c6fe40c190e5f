#pragma once

#include "app/auftrag.h"
#include "app/lehrbuchverwaltung.h"
#include "model/lektion.h"
#include "model/zeilen.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace lexovita {

class TDatenmanager;

// Exchange with spreadsheets (word lists as CSV) and flash-card apps.

// A word list rather than a lesson file: ending in .csv, .tsv or .txt, or
// (any other name) content that does not start like XML.
bool IstTabellendatei(const QString &datei);

// Reads a word list from disk; the lesson of rows without a "Lektion" cell
// is named after the file. Throws TLektionsdateiFehler.
TVokabeltabelle TabelleLesen(const QString &datei, const QString &lehrbuch = {});

// File names with the format's ending appended when the chosen one has none.
QString TabellenDateiname(const QString &gewaehlt);
QString KarteikartenDateiname(const QString &gewaehlt);

// A stored textbook, or one open lesson, as a word list or flash-card file.
// The lesson's entries are copied and completed with their special forms
// and cross-references from the database.
QByteArray LehrbuchAlsKarteikarten(TDatenmanager &daten, int32_t lehrbuchId, const QSet<int32_t> &formenFuer);

// A whole textbook for the command line's "export": its id by name (0 if
// there is none), then the file in one of the three formats.
class TAnwendungskern;
int32_t LehrbuchSuchen(TAnwendungskern &kern, const QString &name);
QByteArray LehrbuchAlsLektionsdatei(TAnwendungskern &kern, int32_t lehrbuchId, const QString &vorlagenOrdner);
QByteArray LehrbuchAlsTabelle(TAnwendungskern &kern, int32_t lehrbuchId);
QByteArray LehrbuchAlsKarteikarten(TAnwendungskern &kern, int32_t lehrbuchId, const QSet<int32_t> &formenFuer);
QByteArray LektionAlsTabelle(TDatenmanager &daten, const TLektion &lektion);
QByteArray LektionAlsKarteikarten(TDatenmanager &daten, const TLektion &lektion, const QSet<int32_t> &formenFuer);

// Word classes named in a list such as "verb,substantiv" ("keine" = none);
// false for an unknown name.
bool FormenWortartenLesen(const QString &liste, QSet<int32_t> &wortarten);

// Imports word lists as a job: every file is read and every row checked
// first; with a bad row nothing is stored unless `teilweise` is set, then
// the good rows are stored. All files in one transaction. The log names
// every bad row with its line.
class TTabellenImportAuftrag : public TAuftrag {
  public:
    TTabellenImportAuftrag(QStringList dateien, QString lehrbuch, bool teilweise)
        : m_dateien(std::move(dateien)), m_lehrbuch(std::move(lehrbuch)), m_teilweise(teilweise)
    {
    }
    void Ausfuehren(TAuftragsKontext &kontext) override;

    const TImportErgebnis &Ergebnis() const { return m_ergebnis; }
    const std::vector<TNeueLektion> &Lektionen() const { return m_lektionen; }
    int Fehlerhafte() const { return m_fehlerhafte; }

  private:
    QStringList m_dateien;
    QString m_lehrbuch;
    bool m_teilweise;
    TImportErgebnis m_ergebnis;
    std::vector<TNeueLektion> m_lektionen;
    int m_fehlerhafte = 0;
};

} // namespace lexovita
