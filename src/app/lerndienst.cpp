#include "lerndienst.h"

#include "app/analysedienst.h"
#include "app/anwendungskern.h"
#include "app/lehrbuchverwaltung.h"
#include "app/lektionssitzung.h"
#include "model/config.h"
#include "model/lektion.h"
#include "morph/formenmanager.h"
#include "store/analysequelle.h"
#include "store/datenmanager.h"
#include "store/lektionsspeicher.h"

namespace lexovita {

namespace {

// Stored special forms of an entry, read when a form of it is generated.
class TSonderformenAusDatenbank : public ISonderformQuelle {
  public:
    explicit TSonderformenAusDatenbank(TDatenmanager &daten) : m_daten(daten) {}
    void SonderformenLaden(int32_t vokabelId, std::vector<TLatForm> &ziel) override
    {
        for (TLatForm &f : m_daten.SonderformenVon(vokabelId))
            ziel.push_back(std::move(f));
    }

  private:
    TDatenmanager &m_daten;
};

} // namespace

TLerndienst::TLerndienst(TAnwendungskern &kern)
    : m_daten(kern.Daten()), m_config(kern.Config()), m_zufall(kern.Zufall()), m_sitzung(&kern.Sitzung()),
      m_sonderformen(std::make_unique<TSonderformenAusDatenbank>(kern.Daten())), m_analyse(&kern.Analyse().Quelle())
{
}

TLerndienst::TLerndienst(TDatenmanager &daten, const TConfig &config, IZufall &zufall)
    : m_daten(daten), m_config(config), m_zufall(zufall),
      m_sonderformen(std::make_unique<TSonderformenAusDatenbank>(daten)),
      m_eigeneAnalyse(std::make_unique<TAnalysedienst>(daten)), m_analyse(&m_eigeneAnalyse->Quelle())
{
}

TLerndienst::~TLerndienst() = default;

std::unique_ptr<TVokabeltest> TLerndienst::Vokabeltest(const TLektion &lektion)
{
    auto test = std::make_unique<TVokabeltest>(lektion, m_config, *this, m_zufall);
    test->Formenmanager().SetSonderformQuelle(m_sonderformen.get());
    return test;
}

std::unique_ptr<TFormenTest> TLerndienst::FormenTest(const TLektion &lektion, TFormenTest::Modus modus)
{
    auto test = std::make_unique<TFormenTest>(lektion, m_config, m_zufall, m_analyse);
    test->Formenmanager().SetSonderformQuelle(m_sonderformen.get());
    test->SetModus(modus);
    return test;
}

std::unique_ptr<TMuendlicheAbfrage> TLerndienst::MuendlicheAbfrage(const TLektion &lektion)
{
    return std::make_unique<TMuendlicheAbfrage>(lektion, m_config, m_zufall);
}

bool TLerndienst::FalscheSpeichern(const TVerwaltungsAuswahl &ziel, const std::vector<int32_t> &ids, bool hinzufuegen)
{
    if (!ziel.bestaetigt || ziel.name.trimmed().isEmpty() || ziel.lehrbuchId == 0 || ids.empty())
        return false;
    if (m_sitzung && m_sitzung->InOffeneLektion(ziel.lektionId, ids, hinzufuegen))
        return true;
    TLektionsSpeicher speicher(m_daten);
    std::unique_ptr<TLektion> lektion;
    if (ziel.lektionId != 0)
        lektion = speicher.LektionLesen(ziel.lektionId);
    if (!lektion) {
        // Also when the chosen lesson was deleted meanwhile: nothing is lost.
        lektion = std::make_unique<TLektion>();
        lektion->name = ziel.name.trimmed();
        lektion->lehrbuch_id = ziel.lehrbuchId;
    } else if (!hinzufuegen) {
        lektion->vokabeln.clear();
    }
    for (int32_t id : ids) {
        auto v = std::make_unique<TVokabel>();
        v->id = id;
        lektion->VokabelAnhaengen(std::move(v));
    }
    return speicher.LektionSpeichern(*lektion);
}

std::unique_ptr<TVokabel> TLerndienst::VokabelLaden(int32_t id)
{
    return m_daten.VokabelLaden(id);
}

} // namespace lexovita
