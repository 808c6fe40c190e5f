#include "app/importauftrag.h"

#include "store/import.h"

#include <QFileInfo>

namespace lexovita {

void TDateiImportAuftrag::Ausfuehren(TAuftragsKontext &k)
{
    TDatenmanager &daten = k.Daten();
    const int32_t letzteId = LetzteLektionsId(daten);
    k.Protokoll(QStringLiteral("Import von „%1“ gestartet.").arg(QFileInfo(m_datei).fileName()));
    TImport import(daten);
    import.SetAbbruch(&k.AbbruchFlag());
    int gemeldet = 0;
    int lektionen = 1;
    import.SetFortschritt([&](const TImportStand &s) {
        lektionen = qMax(1, s.lektionenGesamt);
    k.Gesamt(qMax(0, s.lektion - 1), qMax(1, s.lektionenGesamt));
    k.Schritt(s.vokabel, qMax(1, s.vokabelnInLektion), s.lektionName);
    if (s.lektion != gemeldet) {
        gemeldet = s.lektion;
        k.Protokoll(QStringLiteral("Lektion %1 von %2: %3").arg(s.lektion).arg(s.lektionenGesamt).arg(s.lektionName));
    }
});
m_ergebnis = import.DateiImportieren(m_datei);
if (m_ergebnis.abgebrochen)
    throw TAuftragAbgebrochen{};
m_lektionen = LektionenNach(daten, letzteId);
k.Gesamt(lektionen, lektionen);
k.Protokoll(ImportZusammenfassung(m_ergebnis));
} // namespace lexovita

void TOrdnerImportAuftrag::Ausfuehren(TAuftragsKontext &k)
{
    m_ergebnis = OrdnerImportieren(k.Daten(), m_ordner, [&](int datei, int dateien) { k.Gesamt(datei, dateien); });
    k.Protokoll(ImportZusammenfassung(m_ergebnis));
}

} // namespace lexovita
