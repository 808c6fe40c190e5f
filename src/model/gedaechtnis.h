#pragma once

#include <QDate>
#include <QDateTime>
#include <cstdint>

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

} // namespace lexovita
