#include "muendlich.h"

namespace lexovita {

TMuendlicheAbfrage::TMuendlicheAbfrage(const TLektion &lektion, const TConfig &config, IZufall &zufall)
    : m_lektion(lektion), m_lateinDeutsch(config.LateinDeutsch()), m_stammformen(config.vlmStammformen)
{
    std::vector<int> pool;
    for (int i = 0; i < lektion.Anzahl(); ++i)
        pool.push_back(i);
    if (config.vlmMischen) {
        while (!pool.empty()) {
            const int k = zufall.Zahl(static_cast<int>(pool.size()));
            m_reihenfolge.push_back(pool[k]);
            pool.erase(pool.begin() + k);
        }
    } else {
        m_reihenfolge = std::move(pool);
    }
    if (!m_reihenfolge.empty())
        ZeileAnhaengen(m_reihenfolge.front());
}

void TMuendlicheAbfrage::ZeileAnhaengen(int position)
{
    const TVokabel &v = *m_lektion.vokabeln[position];
    TMuendlicheZeile zeile;
    zeile.position = position;
    if (m_lateinDeutsch) {
        zeile.frage = v.vokabel;
        const QString formen = m_stammformen ? v.FormenText() : QString();
        if (!formen.isEmpty())
            zeile.frage += QStringLiteral(" (") + formen + QLatin1Char(')');
    } else {
        zeile.frage = v.BedeutungenText();
    }
    Aufdecken(zeile, false);
    m_zeilen.push_back(std::move(zeile));
}

void TMuendlicheAbfrage::Aufdecken(TMuendlicheZeile &zeile, bool an) const
{
    zeile.aufgedeckt = an;
    if (!an) {
        zeile.antwort = QStringLiteral("?");
        return;
    }
    const TVokabel &v = *m_lektion.vokabeln[zeile.position];
    zeile.antwort = m_lateinDeutsch ? v.BedeutungenText() : v.vokabel;
}

bool TMuendlicheAbfrage::Naechste()
{
    if (m_aktuell >= Anzahl())
        return false;
    Aufdecken(m_zeilen[m_aktuell], true);
    ++m_aktuell;
    if (m_aktuell < Anzahl())
        ZeileAnhaengen(m_reihenfolge[m_aktuell]);
    return true;
}

bool TMuendlicheAbfrage::Vorherige()
{
    if (m_aktuell == 0)
        return false;
    if (m_aktuell < Anzahl())
        m_zeilen.pop_back();
    --m_aktuell;
    Aufdecken(m_zeilen[m_aktuell], false);
    return true;
}

QString TMuendlicheAbfrage::Fortschritt() const
{
    const int zeile = m_aktuell < Anzahl() ? m_aktuell + 1 : Anzahl();
    return QStringLiteral("Vokabel %1 von %2").arg(zeile).arg(Anzahl());
}

QString TMuendlicheAbfrage::FragenUeberschrift() const
{
    return m_lateinDeutsch ? QStringLiteral("Vokabel") : QStringLiteral("Bedeutung(en)");
}

QString TMuendlicheAbfrage::AntwortenUeberschrift() const
{
    return m_lateinDeutsch ? QStringLiteral("Bedeutung(en)") : QStringLiteral("Vokabel");
}

} // namespace lexovita
