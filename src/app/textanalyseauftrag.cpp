#include "app/textanalyseauftrag.h"

#include "morph/analyse.h"
#include "morph/formenmanager.h"
#include "store/analysequelle.h"

namespace lexovita {

void TTextanalyseAuftrag::Ausfuehren(TAuftragsKontext &k)
{
    TAnalysequelle quelle(k.Daten());
    TLesesitzung sitzung(quelle); // one snapshot for the whole text
    TFormenmanager manager;
    TFormanalyse analyse(manager, quelle);
    m_ergebnis = TextAnalysieren(
        m_text,
        [&](const QString &wort) {
            analyse.Zuruecksetzen();
            analyse.FormAnalysieren(wort);
            return analyse.Ergebnisliste();
        },
        [&] { return k.Abbruch(); }, [&](int prozent) { k.Gesamt(prozent, 100); });
    if (m_ergebnis.vollstaendig)
        k.Gesamt(100, 100);
}

} // namespace lexovita
