#include "app/vokabellisteauftrag.h"

#include "app/analysedienst.h"
#include "store/analysequelle.h"

namespace lexovita {

void TVokabellisteAuftrag::Ausfuehren(TAuftragsKontext &k)
{
    // The job's own connection gets its own analysis service.
    TAnalysedienst dienst(k.Daten());
    TLesesitzung sitzung(dienst.Quelle()); // one snapshot for the whole walk
    TWortanalyse analyse(dienst.Quelle());
    m_ergebnis = VokabelListeSammeln(
        m_text, m_bereich,
        [&](const QString &wort) {
            analyse.Analysieren(wort);
            std::vector<const TVokabel *> vokabeln;
            for (const TLatForm &f : analyse.Ergebnisse())
                vokabeln.push_back(analyse.Vokabel(f.vokabelId));
            return vokabeln;
        },
        [&] { return k.Abbruch(); }, [&](int prozent) { k.Gesamt(prozent, 100); });
}

} // namespace lexovita
