#pragma once

#include "learning/fsrs.h"
#include "model/gedaechtnis.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace lexovita {

class TAnwendungskern;
class TDatenmanager;
class TLektion;
class TLernspeicher;

// Spaced repetition for the windows and the command line: records each
// answered question with the memory state the scheduler gives it, plans the
// session of due and new entries, and gathers the statistics. One per drill
// window: the grade "hard" needs to know what was answered wrongly earlier
// in the same run.
class TWiederholdienst {
  public:
    struct TEinstellung {
        double behalten = 0.9;
        int neueProTag = 20;
        TAbfrageRichtung richtung = TAbfrageRichtung::LateinDeutsch;
        bool aufzeichnen = true; // the ordinary drills
    };
    // The settings of the core's configuration, read now.
    explicit TWiederholdienst(TAnwendungskern &kern);
    TWiederholdienst(TDatenmanager &daten, const IUhr &uhr, const TEinstellung &einstellung);
    // The core's database with a clock and settings of the caller's (the
    // command line's given date, the default settings).
    TWiederholdienst(TAnwendungskern &kern, const IUhr &uhr, const TEinstellung &einstellung);
    ~TWiederholdienst();
    TWiederholdienst(const TWiederholdienst &) = delete;
    TWiederholdienst &operator=(const TWiederholdienst &) = delete;

    const TEinstellung &Einstellung() const { return m_einstellung; }

    // The German complaint about an answer at the clock's time: a time
    // outside the years 1900 to 2100, or one before the entry's last review
    // in this direction; empty when the answer may be stored.
    QString AntwortzeitMangel(int32_t vokabelId);

    // Stores the answer and the entry's new memory state; returns the state.
    TGedaechtnis Antworten(int32_t vokabelId, bool richtig, TAbfrageArt art, int32_t sekunden = 0);
    std::optional<TGedaechtnis> Gedaechtnis(int32_t vokabelId);

    struct TPlan {
        std::vector<TLernkarte> faellig; // most overdue first
        std::vector<TLernkarte> neu;     // textbook order, within today's limit
        int Anzahl() const { return static_cast<int>(faellig.size() + neu.size()); }
    };
    // Today's session over every lesson (`lehrbuchId` 0) or one textbook.
    TPlan Planen(int32_t lehrbuchId = 0);
    // The plan as a lesson the written drill can run: due entries, then new ones.
    static std::unique_ptr<TLektion> AlsLektion(const TPlan &plan);

    std::vector<TLernkarte> Faellige(const QDate &bis, int32_t lehrbuchId = 0);
    TLernstatistikDaten Statistik();

    struct TLehrbuch {
        int32_t id;
        QString name;
    };
    std::vector<TLehrbuch> Lehrbuecher();
    // 0 when there is no textbook of that name.
    int32_t LehrbuchSuchen(const QString &name);
    bool VokabelVorhanden(int32_t vokabelId);

  private:
    TDatenmanager &m_daten;
    const IUhr &m_uhr;
    TEinstellung m_einstellung;
    std::unique_ptr<TLernspeicher> m_speicher;
    TFsrs m_fsrs;
    std::set<int32_t> m_falschBeantwortet;
};

// Lesson names for a chart axis, which elides a long label down to a few
// letters and drops a repeated one: a long name is cut in its middle, keeping
// the start and the end where lessons tell themselves apart ("Lektion 12:
// ...", "... Teil 2"); names that come out alike are numbered.
QStringList LektionsnamenFuerAchse(const QStringList &namen);

} // namespace lexovita
