#include "app/woerterbuch.h"

#include "app/anwendungskern.h"
#include "app/laengenanzeige.h"
#include "app/lektionssitzung.h"
#include "model/config.h"
#include "model/rueckfrage.h"
#include "store/datenmanager.h"
#include "store/woerterbuch.h"

#include <algorithm>
#include <iterator>

namespace lexovita {

TWoerterbuch::TWoerterbuch(TAnwendungskern &kern)
    : m_kern(kern), m_abfrage(std::make_unique<TWoerterbuchAbfrage>(kern.Daten()))
{
}

TWoerterbuch::~TWoerterbuch() = default;

QString TWoerterbuch::AnzeigeText(const QString &latein) const
{
    return lexovita::AnzeigeText(latein, m_kern.Config());
}

TLaengenAnzeige TWoerterbuch::LaengenAnzeige(const TVokabel &v) const
{
    return lexovita::LaengenAnzeige(m_kern.Config(), v);
}

void TWoerterbuch::ModusSetzen(TWoerterbuchModus modus)
{
    m_modus = modus;
    Suchen(m_text);
}

QString TWoerterbuch::ListenTitel() const
{
    switch (m_modus) {
    case TWoerterbuchModus::Latein:
        return QStringLiteral("Liste der Vokabeln:");
    case TWoerterbuchModus::Deutsch:
        return QStringLiteral("Liste der Bedeutungen:");
    case TWoerterbuchModus::Merkhilfen:
        break;
    }
    return QStringLiteral("Liste der Merkhilfen:");
}

void TWoerterbuch::Suchen(const QString &text)
{
    m_text = text;
    ListeLesen(kSeite);
    ZeileWaehlen(m_liste.empty() ? -1 : 0);
}

void TWoerterbuch::ListeLesen(int anzahl)
{
    // One row more than wanted tells whether another page follows.
    m_liste = m_abfrage->Liste(m_modus, m_kern.Config().wbPraesens, m_text, anzahl + 1);
    m_mehr = static_cast<int>(m_liste.size()) > anzahl;
    if (m_mehr)
        m_liste.pop_back();
}

int TWoerterbuch::MehrLaden()
{
    if (!m_mehr || m_liste.empty())
        return 0;
    std::vector<TWoerterbuchZeile> neu =
        m_abfrage->Liste(m_modus, m_kern.Config().wbPraesens, m_text, kSeite + 1, &m_liste.back());
    m_mehr = static_cast<int>(neu.size()) > kSeite;
    if (m_mehr)
        neu.pop_back();
    m_liste.insert(m_liste.end(), std::make_move_iterator(neu.begin()), std::make_move_iterator(neu.end()));
    return static_cast<int>(neu.size());
}

void TWoerterbuch::ZeileWaehlen(int zeile)
{
    m_zeile = zeile;
    m_treffer.clear();
    if (zeile >= 0 && zeile < static_cast<int>(m_liste.size()))
        m_treffer = m_abfrage->Eintraege(m_modus, m_liste[static_cast<size_t>(zeile)], m_text);
    TrefferWaehlen(m_treffer.empty() ? -1 : 0);
}

QString TWoerterbuch::AnzahlText() const
{
    if (m_treffer.empty())
        return QStringLiteral("keine Vokabel gefunden");
    if (m_treffer.size() == 1)
        return m_treffer[0].vokabel.isEmpty() ? QStringLiteral("0 Vokabeln gefunden")
                                              : QStringLiteral("1 Vokabel gefunden:");
    return QString::number(m_treffer.size()) + QStringLiteral(" Vokabeln gefunden:");
}

void TWoerterbuch::TrefferWaehlen(int index)
{
    m_vokabel.reset();
    m_gewaehlt = index >= 0 && index < static_cast<int>(m_treffer.size()) ? index : -1;
    if (m_gewaehlt < 0)
        return;
    TDatenmanager &d = m_kern.Daten();
    m_vokabel = d.VokabelLaden(m_treffer[static_cast<size_t>(m_gewaehlt)].id);
    d.VerweiseLaden(*m_vokabel);
    d.SonderformenLaden(*m_vokabel);
}

void TWoerterbuch::Naechste()
{
    if (BlaetternMoeglich())
        TrefferWaehlen((m_gewaehlt + 1) % static_cast<int>(m_treffer.size()));
}

void TWoerterbuch::Vorherige()
{
    if (BlaetternMoeglich())
        TrefferWaehlen((m_gewaehlt + static_cast<int>(m_treffer.size()) - 1) % static_cast<int>(m_treffer.size()));
}

bool TWoerterbuch::FormentabelleMoeglich() const
{
    if (!m_vokabel)
        return false;
    const int wa = m_vokabel->Wortart();
    return wa == WA_VERB || wa == WA_ADJEKTIV || wa == WA_SUBSTANTIV || wa == WA_PRONOMEN;
}

bool TWoerterbuch::ZuLektionHinzufuegen()
{
    return m_vokabel && m_kern.Sitzung().VokabelAnhaengen(m_vokabel->id);
}

bool TWoerterbuch::Loeschen()
{
    if (!m_vokabel)
        return false;
    const QString frage = QStringLiteral("Soll die Vokabel\n\n   '%1'\n\naus dem Wörterbuch und aus allen Lektionen "
                                         "gelöscht werden?")
                              .arg(m_treffer[static_cast<size_t>(m_gewaehlt)].vokabel);
    if (m_kern.Rueckfrage().Frage(ProgrammTitel(), frage, KN_JA_NEIN, Antwort::Nein, Symbol::Frage) != Antwort::Ja)
        return false;
    const int32_t id = m_vokabel->id;
    m_kern.Daten().VokabelLoeschen(id);
    // Open copies would store the deleted entry again.
    m_kern.Sitzung().VokabelUeberallEntfernen(id);
    Suchen(m_text);
    return true;
}

void TWoerterbuch::Neuladen()
{
    const int zeile = m_zeile;
    const int gewaehlt = m_gewaehlt;
    ListeLesen(std::max(kSeite, static_cast<int>(m_liste.size())));
    ZeileWaehlen(zeile < static_cast<int>(m_liste.size()) ? zeile : (m_liste.empty() ? -1 : 0));
    if (gewaehlt >= 0 && gewaehlt < static_cast<int>(m_treffer.size()))
        TrefferWaehlen(gewaehlt);
}

QString BedeutungenAnzeige(TVokabel &v)
{
    v.BedeutungenSortieren();
    QString text;
    int32_t gruppe = -1;
    for (const auto &b : v.bedeutungen) {
        if (gruppe != -1 && b->gruppe != gruppe)
            text += QStringLiteral("\n\n");
        else if (b->position > 1)
            text += QStringLiteral(", ");
        gruppe = b->gruppe;
        text += b->bedeutung;
        if (!b->kommentar.isEmpty())
            text += QStringLiteral(" [") + b->kommentar + QLatin1Char(']');
    }
    return text;
}

} // namespace lexovita
