#include "app/textanalyseauftrag.h"

#include "app/analysedienst.h"
#include "app/lexikonanalyse.h"
#include "store/analysequelle.h"
#include "store/lexikon.h"

#include <QHash>

namespace lexovita {

void TTextanalyseAuftrag::Ausfuehren(TAuftragsKontext &k)
{
    // The job's own connection gets its own analysis service.
    TAnalysedienst dienst(k.Daten());
    TLesesitzung sitzung(dienst.Quelle()); // one snapshot for the whole text
    TWortanalyse analyse(dienst.Quelle());
    // The lexicon only once it holds lemmas: without it the text is analysed
    // against the vocabulary alone, as it always was.
    std::unique_ptr<TLexikonAnalyse> lexikon;
    if (LexikonStand(k.Daten()).eintraege > 0)
        lexikon = dienst.LexikonAnalyse();
    // Within one snapshot a word always gives the same results; a reading
    // text repeats most of its words.
    QHash<QString, std::vector<TLatForm>> gesehen;
    m_ergebnis = TextAnalysieren(
        m_text,
        [&](const QString &wort) -> std::vector<TLatForm> {
            auto it = gesehen.find(wort);
            if (it != gesehen.end())
                return *it;
            std::vector<TLatForm> formen;
            if (lexikon) {
                for (const TLexikonTreffer &t : lexikon->Analysieren(wort)) {
                    formen.push_back(t.form);
                    formen.back().ausLexikon = t.ausLexikon;
                }
            } else {
                formen = analyse.Analysieren(wort);
            }
            gesehen.insert(wort, formen);
            return formen;
        },
        [&] { return k.Abbruch(); }, [&](int prozent) { k.Gesamt(prozent, 100); });
    if (m_ergebnis.vollstaendig)
        k.Gesamt(100, 100);
}

} // namespace lexovita
