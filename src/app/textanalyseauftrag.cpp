#include "app/textanalyseauftrag.h"

#include "app/analysedienst.h"

namespace lexovita {

void TTextanalyseAuftrag::Ausfuehren(TAuftragsKontext &k)
{
    // The job's own connection gets its own analysis service.
    TAnalysedienst dienst(k.Daten());
    TLesesitzung sitzung(dienst.Quelle()); // one snapshot for the whole text
    TWortanalyse analyse(dienst.Quelle());
    m_ergebnis = TextAnalysieren(
        m_text,
        [&](const QString &wort) {
            analyse.Analysieren(wort);
            return analyse.Ergebnisse();
        },
        [&] { return k.Abbruch(); }, [&](int prozent) { k.Gesamt(prozent, 100); });
    if (m_ergebnis.vollstaendig)
        k.Gesamt(100, 100);
}

} // namespace lexovita
