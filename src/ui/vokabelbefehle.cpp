#include "ui/vokabelbefehle.h"

#include "app/anwendungskern.h"
#include "app/lektionssitzung.h"
#include "app/vokabeldienst.h"
#include "model/vokabel.h"

namespace lexovita {

TVokabelAnhaengenBefehl::TVokabelAnhaengenBefehl(TLektionssitzung &sitzung, int32_t id)
    : QUndoCommand(QStringLiteral("Vokabel hinzufügen")), m_sitzung(sitzung), m_id(id)
{
}

void TVokabelAnhaengenBefehl::redo()
{
    if (m_zeile < 0) {
        // First run: the entry comes from the database like every list row.
        if (!m_sitzung.Aktuell() || !m_sitzung.VokabelAnhaengen(m_id, true)) {
            setObsolete(true);
            return;
        }
        m_zeile = m_sitzung.Aktuell()->Anzahl() - 1;
        return;
    }
    m_sitzung.VokabelnEinfuegen(std::move(m_entfernt));
    m_entfernt.clear();
}

void TVokabelAnhaengenBefehl::undo()
{
    m_entfernt = m_sitzung.VokabelnEntfernen({m_zeile});
}

TVokabelnAnhaengenBefehl::TVokabelnAnhaengenBefehl(TLektionssitzung &sitzung, std::vector<int32_t> ids)
    : QUndoCommand(QStringLiteral("Vokabeln aus Liste einfügen")), m_sitzung(sitzung), m_ids(std::move(ids))
{
}

void TVokabelnAnhaengenBefehl::redo()
{
    if (m_zeilen.isEmpty()) {
        // First run: each entry comes from the database like every list row.
        if (!m_sitzung.Aktuell()) {
            setObsolete(true);
            return;
        }
        for (const int32_t id : m_ids)
            if (m_sitzung.VokabelAnhaengen(id, true))
                m_zeilen.append(m_sitzung.Aktuell()->Anzahl() - 1);
        if (m_zeilen.isEmpty())
            setObsolete(true);
        return;
    }
    m_sitzung.VokabelnEinfuegen(std::move(m_entfernt));
    m_entfernt.clear();
}

void TVokabelnAnhaengenBefehl::undo()
{
    m_entfernt = m_sitzung.VokabelnEntfernen(m_zeilen);
}

TVokabelnEntfernenBefehl::TVokabelnEntfernenBefehl(TLektionssitzung &sitzung, QList<int> zeilen)
    : QUndoCommand(QStringLiteral("Vokabel entfernen")), m_sitzung(sitzung), m_zeilen(std::move(zeilen))
{
}

void TVokabelnEntfernenBefehl::redo()
{
    m_entfernt = m_sitzung.VokabelnEntfernen(m_zeilen);
    if (m_entfernt.empty())
        setObsolete(true);
}

void TVokabelnEntfernenBefehl::undo()
{
    m_sitzung.VokabelnEinfuegen(std::move(m_entfernt));
    m_entfernt.clear();
}

TVokabelVerschiebenBefehl::TVokabelVerschiebenBefehl(TLektionssitzung &sitzung, Art art, int von, int nach)
    : QUndoCommand(art == Art::Oben    ? QStringLiteral("Vokabel nach oben")
                   : art == Art::Unten ? QStringLiteral("Vokabel nach unten")
                                       : QStringLiteral("Vokabel verschieben")),
      m_sitzung(sitzung), m_art(art), m_von(von), m_nach(nach)
{
}

void TVokabelVerschiebenBefehl::redo()
{
    if (m_erstes) {
        m_erstes = false;
        // Where up and down lead (they wrap round) is the session's rule.
        switch (m_art) {
        case Art::Oben:
            m_nach = m_sitzung.VokabelNachOben(m_von);
            break;
        case Art::Unten:
            m_nach = m_sitzung.VokabelNachUnten(m_von);
            break;
        case Art::Ziehen:
            if (!m_sitzung.VokabelVerschieben(m_von, m_nach))
                m_nach = -1;
            break;
        }
        if (m_nach < 0 || m_nach == m_von)
            setObsolete(true);
        return;
    }
    m_sitzung.VokabelVerschieben(m_von, m_nach);
}

void TVokabelVerschiebenBefehl::undo()
{
    m_sitzung.VokabelVerschieben(m_nach, m_von);
}

TVokabelnSortierenBefehl::TVokabelnSortierenBefehl(TLektionssitzung &sitzung, TSpalte spalte)
    : QUndoCommand(QStringLiteral("Vokabeln sortieren")), m_sitzung(sitzung), m_spalte(spalte)
{
}

void TVokabelnSortierenBefehl::redo()
{
    if (m_herkunft.isEmpty()) {
        m_herkunft = m_sitzung.VokabelnSortieren(m_spalte);
        if (m_herkunft.isEmpty())
            setObsolete(true); // already in that order
        return;
    }
    m_sitzung.VokabelnAnordnen(m_herkunft);
}

void TVokabelnSortierenBefehl::undo()
{
    QList<int> zurueck(m_herkunft.size());
    for (int i = 0; i < m_herkunft.size(); ++i)
        zurueck[m_herkunft[i]] = i;
    m_sitzung.VokabelnAnordnen(zurueck);
}

TVokabelBearbeitenBefehl::TVokabelBearbeitenBefehl(TAnwendungskern &kern, std::unique_ptr<TVokabel> vorher,
                                                   std::unique_ptr<TVokabel> nachher)
    : QUndoCommand(QStringLiteral("Vokabel bearbeiten")), m_kern(kern), m_vorher(std::move(vorher)),
      m_nachher(std::move(nachher))
{
}

TVokabelBearbeitenBefehl::~TVokabelBearbeitenBefehl() = default;

void TVokabelBearbeitenBefehl::Speichern(const TVokabel &v)
{
    TVokabel kopie;
    v.KopierenNach(kopie);
    // Stored again under its id; the service replaces the copies in every open lesson.
    if (!TVokabeldienst(m_kern).Speichern(kopie)) {
        setObsolete(true);
        return;
    }
    m_kern.Sitzung().VokabelAktualisiert(kopie.id);
}

void TVokabelBearbeitenBefehl::redo()
{
    if (m_erstes) {
        m_erstes = false; // the editor stored it already
        return;
    }
    Speichern(*m_nachher);
}

void TVokabelBearbeitenBefehl::undo()
{
    Speichern(*m_vorher);
}

} // namespace lexovita
