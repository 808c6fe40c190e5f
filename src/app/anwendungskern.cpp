#include "app/anwendungskern.h"

#include "app/analysedienst.h"
#include "app/einstellungsdienst.h"
#include "app/lektionssitzung.h"
#include "app/start.h"
#include "model/config.h"
#include "model/uhr.h"
#include "store/datenmanager.h"

namespace lexovita {

TAnwendungskern::TAnwendungskern(TDatenmanager &daten, TConfig &config, IRueckfrage &rueckfrage, const IUhr *uhr,
                                 IZufall *zufall)
    : m_daten(daten), m_config(config), m_rueckfrage(rueckfrage), m_uhr(uhr ? uhr : &TSystemUhr::Instanz())
{
    if (!zufall)
        m_eigenerZufall = std::make_unique<TSystemZufall>();
    m_zufall = zufall ? zufall : m_eigenerZufall.get();
    m_daten.SetUhr(*m_uhr);
    m_einstellungen = std::make_unique<TEinstellungsdienst>(m_config);
    m_sitzung = std::make_unique<TLektionssitzung>(m_daten, m_rueckfrage, *m_uhr);
    m_analyse = std::make_unique<TAnalysedienst>(m_daten);
}

TAnwendungskern::~TAnwendungskern() = default;

std::vector<std::unique_ptr<TVokabel>> TAnwendungskern::VokabelnSuchen(const QString &text)
{
    return m_daten.VokabelnSuchen(text);
}

bool TAnwendungskern::VokabelindexSicherstellen()
{
    return lexovita::VokabelindexSicherstellen(m_daten, m_rueckfrage);
}

} // namespace lexovita
