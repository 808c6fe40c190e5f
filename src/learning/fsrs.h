#pragma once

#include "model/gedaechtnis.h"
#include "model/uhr.h"

#include <array>
#include <optional>

namespace lexovita {

// The grade of one review. The drills know only right and wrong: wrong is
// Nochmal, right is Gut, right after a wrong try in the same run is Schwer.
enum class TNote : int { Nochmal = 1, Schwer = 2, Gut = 3, Leicht = 4 };

// Spaced repetition after the FSRS memory model (version 5): each entry has
// a stability S (days until the chance of recall drops to 90 %) and a
// difficulty D (1..10); the chance of recall after t days follows the power
// curve R = (1 + F·t/S)^-0.5. A review sets new S and D from the grade and
// the R at that moment, and the next review falls on the day R reaches the
// desired retention. Pure: the time comes from the clock given.
class TFsrs {
  public:
    using TGewichte = std::array<double, 19>;
    // The published defaults of FSRS-5.
    static const TGewichte &Standardgewichte();

    static constexpr double kZerfall = -0.5;
    static constexpr double kFaktor = 19.0 / 81.0; // 0.9^(1/kZerfall) - 1
    static constexpr int kLaengstesIntervall = 36500;

    // `behalten` is the desired retention in (0, 1), e.g. 0.9.
    TFsrs(const IUhr &uhr, double behalten, const TGewichte &gewichte = Standardgewichte());

    // The state after a review now with `note`; `vorher` is empty for an
    // entry never reviewed. Entry, direction and counts are carried over.
    TGedaechtnis Wiederholen(const std::optional<TGedaechtnis> &vorher, TNote note, int32_t vokabelId,
                             TAbfrageRichtung richtung) const;

    // The chance of recall `tage` days after the last review.
    static double Abrufbarkeit(double tage, double stabilitaet);
    // Whole days until the next review for a stability, at least 1.
    int Intervall(double stabilitaet) const;

    double AnfangsStabilitaet(TNote note) const;
    double AnfangsSchwierigkeit(TNote note) const;

  private:
    double NaechsteSchwierigkeit(double d, TNote note) const;
    double StabilitaetNachErinnern(double d, double s, double r, TNote note) const;
    double StabilitaetNachVergessen(double d, double s, double r) const;
    double StabilitaetAmSelbenTag(double s, TNote note) const;

    const IUhr &m_uhr;
    double m_behalten;
    TGewichte m_w;
};

} // namespace lexovita
