#pragma once

#include "app/auftrag.h"
#include "app/start.h"

#include <QString>
#include <functional>
#include <memory>

namespace lexovita {

class IRueckfrage;
class TAnwendungskern;
class TConfig;

// The database of one command-line call with the application core over it,
// so that a command works on the same services as the windows. Settings are
// the defaults; nothing of the user's window settings is read.
class TDatenzugang {
  public:
    using Modus = TDatenbankModus;
    // Opens the database of the folder; an older one stays as it is until
    // Aktualisieren. Throws DatenbankFehler for a damaged or foreign file, or
    // a missing one with NurVorhandene.
    TDatenzugang(const QString &ordner, Modus modus, IRueckfrage &rueckfrage);
    // The program's start: work leftovers removed, the database created if
    // needed and its upgrade asked (DatenbankStarten). Null when declined.
    static std::unique_ptr<TDatenzugang> Starten(const QString &ordner, IRueckfrage &rueckfrage);
    ~TDatenzugang();
    TDatenzugang(const TDatenzugang &) = delete;
    TDatenzugang &operator=(const TDatenzugang &) = delete;

    // Whether the folder holds a database file.
    static bool Vorhanden(const QString &ordner);
    // True once the tables have the current layout.
    bool Bereit() const;
    // DatenbankAktualisieren with the question interface given above.
    TAktualisierung Aktualisieren();
    // True when the database holds no entry yet.
    bool Leer();
    QString Datei() const;

    TAnwendungskern &Kern() { return *m_kern; }
    // A job run on this connection on the calling thread (AuftragDirektAusfuehren).
    TAuftragsausgang AuftragAusfuehren(TAuftrag &auftrag, QString *fehler = nullptr,
                                       const std::function<void(const QString &)> &protokoll = {});

  private:
    TDatenzugang(std::unique_ptr<TDatenmanager> daten, IRueckfrage &rueckfrage);

    std::unique_ptr<TDatenmanager> m_daten;
    std::unique_ptr<TConfig> m_config;
    IRueckfrage &m_rueckfrage;
    std::unique_ptr<TAnwendungskern> m_kern;
};

} // namespace lexovita
