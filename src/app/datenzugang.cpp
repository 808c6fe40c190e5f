#include "app/datenzugang.h"

#include "app/anwendungskern.h"
#include "model/config.h"
#include "store/datenmanager.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace lexovita {

TDatenzugang::TDatenzugang(std::unique_ptr<TDatenmanager> daten, IRueckfrage &rueckfrage)
    : m_daten(std::move(daten)), m_config(std::make_unique<TConfig>()), m_rueckfrage(rueckfrage),
      m_kern(std::make_unique<TAnwendungskern>(*m_daten, *m_config, m_rueckfrage))
{
}

TDatenzugang::TDatenzugang(const QString &ordner, Modus modus, IRueckfrage &rueckfrage)
    : TDatenzugang(std::make_unique<TDatenmanager>(ordner, modus), rueckfrage)
{
}

std::unique_ptr<TDatenzugang> TDatenzugang::Starten(const QString &ordner, IRueckfrage &rueckfrage)
{
    TDatenbankStart start = DatenbankStarten(ordner, rueckfrage);
    if (start.Abgebrochen())
        return nullptr;
    return std::unique_ptr<TDatenzugang>(new TDatenzugang(std::move(start.daten), rueckfrage));
}

TDatenzugang::~TDatenzugang() = default;

bool TDatenzugang::Vorhanden(const QString &ordner)
{
    return QFileInfo::exists(QDir(ordner).filePath(TDatenmanager::Dateiname()));
}

bool TDatenzugang::Bereit() const
{
    return m_daten->Bereit();
}

TAktualisierung TDatenzugang::Aktualisieren()
{
    return DatenbankAktualisieren(*m_daten, m_rueckfrage);
}

bool TDatenzugang::Leer()
{
    return DatenbankLeer(*m_daten);
}

QString TDatenzugang::Datei() const
{
    return m_daten->Datei();
}

TAuftragsausgang TDatenzugang::AuftragAusfuehren(TAuftrag &auftrag, QString *fehler,
                                                 const std::function<void(const QString &)> &protokoll)
{
    return AuftragDirektAusfuehren(auftrag, *m_daten, fehler, protokoll);
}

} // namespace lexovita
