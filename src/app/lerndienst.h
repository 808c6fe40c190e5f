#pragma once

#include "learning/formentest.h"
#include "learning/muendlich.h"
#include "learning/vokabeltest.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace lexovita {

class IAnalysequelle;
class ISonderformQuelle;
class TAnwendungskern;
class TConfig;
class TDatenmanager;
class TLektion;
class TLektionssitzung;
class TAnalysedienst;
struct TVerwaltungsAuswahl;

// Feeds the drill engines from the database: entries are loaded afresh for
// the written drill, stored special forms overlay every generated form, and
// "Formen bestimmen" analyses against the whole database. One per drill
// window; the engines it makes must not outlive it.
class TLerndienst : public IVokabelQuelle {
  public:
    explicit TLerndienst(TAnwendungskern &kern);
    // The parts alone: for tests.
    TLerndienst(TDatenmanager &daten, const TConfig &config, IZufall &zufall);
    ~TLerndienst() override;
    TLerndienst(const TLerndienst &) = delete;
    TLerndienst &operator=(const TLerndienst &) = delete;

    // The drills are offered only for a lesson that holds an entry.
    static bool AbfrageMoeglich(const TLektion *lektion) { return lektion && lektion->Anzahl() > 0; }

    std::unique_ptr<TVokabeltest> Vokabeltest(const TLektion &lektion);
    std::unique_ptr<TFormenTest> FormenTest(const TLektion &lektion, TFormenTest::Modus modus);
    std::unique_ptr<TMuendlicheAbfrage> MuendlicheAbfrage(const TLektion &lektion);

    // "Speichern" of the written drill's summary: the entries (ids in list
    // order) stored as the lesson chosen in the textbook management: a new
    // lesson when `ziel.lektionId` is 0, otherwise that stored lesson with
    // the entries appended (`hinzufuegen`, doubles allowed) or replacing its
    // entries; its name, text and notes stay. False without writing when
    // the choice was not confirmed or has no name, textbook or entry.
    // A stored lesson that is open in the session gets them in its open
    // copy instead (see TLektionssitzung::InOffeneLektion).
    bool FalscheSpeichern(const TVerwaltungsAuswahl &ziel, const std::vector<int32_t> &ids, bool hinzufuegen);

    // The entry with meanings and memory aids; an empty entry with id 0 for
    // an id that is gone.
    std::unique_ptr<TVokabel> VokabelLaden(int32_t id) override;

  private:
    TDatenmanager &m_daten;
    const TConfig &m_config;
    IZufall &m_zufall;
    TLektionssitzung *m_sitzung = nullptr;
    std::unique_ptr<ISonderformQuelle> m_sonderformen;
    std::unique_ptr<TAnalysedienst> m_eigeneAnalyse; // only without the core
    IAnalysequelle *m_analyse = nullptr;
};

} // namespace lexovita
