#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace lexovita {

class IRueckfrage;
class IUhr;
class IZufall;
class TAnalysedienst;
class TConfig;
class TEinstellungsdienst;
class TDatenmanager;
class TLektionssitzung;
class TVokabel;

// What the windows and the command line work on: the open database, the
// settings, the clock and random source, the question interface, the lesson
// session and the analysis service. Windows
// hand the core to the services they use and never touch the tables.
class TAnwendungskern {
  public:
    // Everything given must outlive the core. Without a clock the system's is used.
    TAnwendungskern(TDatenmanager &daten, TConfig &config, IRueckfrage &rueckfrage, const IUhr *uhr = nullptr,
                    IZufall *zufall = nullptr);
    ~TAnwendungskern();
    TAnwendungskern(const TAnwendungskern &) = delete;
    TAnwendungskern &operator=(const TAnwendungskern &) = delete;

    TDatenmanager &Daten() { return m_daten; }
    TConfig &Config() { return m_config; }
    // Loads, saves and announces changes of the settings above.
    TEinstellungsdienst &Einstellungen() { return *m_einstellungen; }
    IRueckfrage &Rueckfrage() { return m_rueckfrage; }
    const IUhr &Uhr() const { return *m_uhr; }
    IZufall &Zufall() { return *m_zufall; }
    TLektionssitzung &Sitzung() { return *m_sitzung; }
    // The word-form analysis on this connection, shared by every window.
    TAnalysedienst &Analyse() { return *m_analyse; }

    // Headword search of the quick add: entries beginning with the text.
    std::vector<std::unique_ptr<TVokabel>> VokabelnSuchen(const QString &text);
    // Start-up maintenance after the window is shown: builds a missing word index.
    bool VokabelindexSicherstellen();

  private:
    TDatenmanager &m_daten;
    TConfig &m_config;
    IRueckfrage &m_rueckfrage;
    const IUhr *m_uhr;
    std::unique_ptr<IZufall> m_eigenerZufall;
    IZufall *m_zufall;
    std::unique_ptr<TEinstellungsdienst> m_einstellungen;
    std::unique_ptr<TLektionssitzung> m_sitzung;
    std::unique_ptr<TAnalysedienst> m_analyse;
};

} // namespace lexovita
