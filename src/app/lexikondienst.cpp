#include "app/lexikondienst.h"
#include "morph/laengen.h"

#include "app/anwendungskern.h"

#include "store/analysequelle.h"
#include "store/lexikon.h"
#include "store/sqlite.h"
#include "store/vokabelspeicher.h"

namespace lexovita {

TLexikonStatus LexikonStatus(TDatenmanager &daten, const TLexikonQuellen &quellen)
{
    TLexikonStatus s;
    s.collatinus = quellen.CollatinusVorhanden();
    s.freedict = quellen.FreedictVorhanden();
    if (!s.collatinus)
        s.warumNicht = QStringLiteral("Das Lexikon kann nicht importiert werden, weil das Paket „collatinus“ nicht "
                                      "installiert ist (seine Daten fehlen in „%1“).")
                           .arg(quellen.collatinus);
    const TLexikonStand stand = LexikonStand(daten);
    s.eintraege = stand.eintraege;
    s.datum = stand.datum;
    return s;
}

void TLexikonImportAuftrag::Ausfuehren(TAuftragsKontext &kontext)
{
    kontext.Protokoll(QStringLiteral("Lexikon wird aus „%1“ importiert …").arg(m_quellen.collatinus));
    m_bericht = LexikonImportieren(kontext.Daten(), m_quellen, [&kontext](int erledigt, int gesamt) {
        kontext.AbbruchPruefen(); // leaves the transaction, which rolls back
        kontext.Gesamt(erledigt, gesamt);
        return true;
    });
    kontext.Protokoll(QStringLiteral("%1 Lemmata importiert.").arg(m_bericht.lemmata));
    for (const QString &h : m_bericht.hinweise)
        kontext.Protokoll(h);
}

bool LexikonEintragBauen(TDatenmanager &daten, int32_t lexikonId, TVokabel &v)
{
    TAnalysequelleSql lexikon(daten, TBestand::Lexikon);
    const TVokabel *zeile = lexikon.Vokabelzeile(lexikonId);
    if (!zeile)
        return false;
    zeile->KopierenNach(v);
    v.id = 0;
    v.aktualisierung.clear();
    const TLexikonLemma lemma = LexikonLemma(daten, lexikonId);
    for (size_t g = 0; g < lemma.deutsch.size(); ++g)
        for (const QString &b : lemma.deutsch[g])
            v.BedeutungAnhaengen(b, QString(), int32_t(g) + 1);
    std::vector<IAnalysequelle::TSonderformZeile> sf;
    lexikon.SonderformenVon(lexikonId, sf);
    for (const auto &s : sf)
        v.sonderformen.push_back(std::make_unique<TLatForm>(0, s.form, s.formId));
    // The entry carries the lexicon's long vowels (breves dropped) wherever
    // the marked text spells the same word: amāre, amō, amāvī, amātum.
    QString *felder[] = {&v.vokabel, &v.form1, &v.form2, &v.form3};
    for (qsizetype i = 0; i < 4 && i < lemma.laengen.size(); ++i) {
        const QString markiert = LaengenBereinigen(lemma.laengen[i]);
        if (!felder[i]->isEmpty() && LaengenEntfernen(markiert) == *felder[i])
            *felder[i] = markiert;
    }
    return true;
}

TUebernahme LexikonLemmaUebernehmen(TDatenmanager &daten, int32_t lexikonId)
{
    TUebernahme u;
    TVokabel v;
    if (!LexikonEintragBauen(daten, lexikonId, v))
        return u;
    {
        // An entry typed with or without lengths counts as the same word.
        TAnweisung a = daten.Verbindung().Anweisung("SELECT id FROM vokabel WHERE vokabel_lower = ?1 AND wortart = ?2 "
                                                    "ORDER BY id LIMIT 1");
        a.Binden(1, LaengenEntfernen(v.vokabel).toLower()).Binden(2, WortartBuchstabe(v.Wortart()));
        if (a.Schritt()) {
            u.vokabelId = a.Int(0);
            u.vorhanden = true;
            return u;
        }
    }
    // A namesake stored since the look-up above is offered like one found there.
    const TVokabelSpeicher::Ergebnis e = TVokabelSpeicher(daten).VokabelAnlegen(v);
    u.vokabelId = e.Gespeichert() ? v.id : e.andere;
    u.vorhanden = !e.Gespeichert();
    return u;
}

std::vector<TLexikonLemma> LexikonNachschlagen(TDatenmanager &daten, const QString &wort)
{
    return LexikonSuchen(daten, wort);
}

std::vector<TLexikonLemma> LexikonNachschlagen(TAnwendungskern &kern, const QString &wort)
{
    return LexikonSuchen(kern.Daten(), wort);
}

TLexikonBericht LexikonEinlesen(TAnwendungskern &kern, const TLexikonQuellen &quellen,
                                const std::function<bool(int, int)> &fortschritt)
{
    return LexikonImportieren(kern.Daten(), quellen, fortschritt);
}

} // namespace lexovita
