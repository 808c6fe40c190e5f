#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <vector>

namespace lexovita {

// Which drill an answer came from.
enum class TAbfrageArt : int32_t { Schriftlich = 0, Muendlich = 1, Formen = 2 };

// The direction asked: the entry's meaning (Latin -> German) or the Latin
// word (German -> Latin). Each direction is remembered on its own.
enum class TAbfrageRichtung : int32_t { LateinDeutsch = 1, DeutschLatein = 2 };

// How well one entry is known in one direction, after its last review.
struct TGedaechtnis {
    int32_t vokabelId = 0;
    TAbfrageRichtung richtung = TAbfrageRichtung::LateinDeutsch;
    double stabilitaet = 0;   // days until the chance of recall falls to 90 %
    double schwierigkeit = 0; // 1 (easy) .. 10 (hard)
    QDateTime letzte;         // last review
    QDate faellig;            // next review
    QDate erste;              // first review: counts against the daily limit of new entries
    int32_t wiederholungen = 0;
    int32_t richtige = 0;
};

// One answered drill question, as the history keeps it.
struct TAntwortEintrag {
    int32_t vokabelId = 0;
    QDateTime zeitpunkt;
    TAbfrageArt art = TAbfrageArt::Schriftlich;
    TAbfrageRichtung richtung = TAbfrageRichtung::LateinDeutsch;
    bool richtig = false;
    int32_t sekunden = 0;
};

// An entry to review or to learn anew.
struct TLernkarte {
    int32_t vokabelId = 0;
    QString vokabel;
    QDate faellig;          // invalid for a new entry
    double stabilitaet = 0; // days; 0 for a new entry
};

// What the statistics window shows, gathered in one pass over the tables.
struct TLernstatistikDaten {
    struct TTag {
        QDate tag;
        int32_t richtig = 0;
        int32_t falsch = 0;
    };
    struct TVorschau {
        QDate tag;
        int32_t faellig = 0; // overdue entries count on the first day
    };
    struct TLektionsquote {
        QString lektion;
        int32_t abfragen = 0;
        int32_t richtige = 0;
    };
    std::vector<TTag> tage;                // the last 30 days, oldest first, every day present
    std::vector<TVorschau> vorschau;       // today and the 29 days after it
    std::vector<TLektionsquote> lektionen; // lessons with reviews, in textbook order
    int32_t gelernt = 0;
    int32_t faelligHeute = 0;
    int32_t neu = 0;
    int32_t tageInFolge = 0; // ending today, or yesterday when today has none yet
    bool verlaufVorhanden = false;
};

} // namespace lexovita
