#pragma once

#include "store/schicht.h"

#include "model/gedaechtnis.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace lexovita {

class TDatenmanager;

// The review history and memory states in the database: lernverlauf and
// gedaechtnis. Days are compared as "yyyymmdd" text, so every look-up of
// due entries is one range over an index.
class TLernspeicher {
  public:
    explicit TLernspeicher(TDatenmanager &daten);

    std::optional<TGedaechtnis> Gedaechtnis(int32_t vokabelId, TAbfrageRichtung richtung);
    // The history row and the new memory state together, in one transaction.
    void AntwortSpeichern(const TAntwortEintrag &antwort, const TGedaechtnis &zustand);

    // Entries due on or before `bis`, most overdue first; `lehrbuchId` 0
    // means every entry, otherwise those in a lesson of that textbook.
    std::vector<TLernkarte> Faellige(const QDate &bis, TAbfrageRichtung richtung, int32_t lehrbuchId = 0);
    // Entries of lessons never reviewed in this direction, in textbook order
    // (textbook, lesson, place in the lesson), at most `anzahl`.
    std::vector<TLernkarte> Neue(TAbfrageRichtung richtung, int32_t lehrbuchId, int anzahl);
    // How many entries had their first review on `tag`.
    int NeueAm(const QDate &tag, TAbfrageRichtung richtung);

    TLernstatistikDaten Statistik(const QDate &heute, TAbfrageRichtung richtung);

    bool VokabelVorhanden(int32_t vokabelId);

    static QString Tag(const QDate &d) { return d.toString(QStringLiteral("yyyyMMdd")); }
    static QDate TagLesen(const QString &text) { return QDate::fromString(text, QStringLiteral("yyyyMMdd")); }

  private:
    TDatenmanager &m_daten;
};

} // namespace lexovita
