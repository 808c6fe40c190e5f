#include "app/vokabellisteauftrag.h"

#include "morph/analyse.h"
#include "morph/formenmanager.h"
#include "store/analysequelle.h"

namespace lexovita {

void TVokabellisteAuftrag::Ausfuehren(TAuftragsKontext &k)
{
    TAnalysequelle quelle(k.Daten());
    TLesesitzung sitzung(quelle); // one snapshot for the whole walk
    TFormenmanager manager;
    TFormanalyse analyse(manager, quelle);
    m_ergebnis = VokabelListeSammeln(
        m_text, m_bereich,
        [&](const QString &wort) {
            analyse.Zuruecksetzen();
            analyse.FormAnalysieren(wort);
            std::vector<const TVokabel *> vokabeln;
            for (const TLatForm &f : analyse.Ergebnisliste())
                vokabeln.push_back(analyse.VokabelImCache(f.vokabelId));
            return vokabeln;
        },
        [&] { return k.Abbruch(); }, [&](int prozent) { k.Gesamt(prozent, 100); });
}

} // namespace lexovita
