#include "app/formensuche.h"

#include "app/analysedienst.h"
#include "app/anwendungskern.h"
#include "store/analysequelle.h"

namespace lexovita {

TFormensuche::TFormensuche(TAnwendungskern &kern) : m_dienst(kern.Analyse()), m_analyse(m_dienst.Analyse()) {}

TFormensuche::~TFormensuche() = default;

std::optional<TFundstelle> TFormensuche::Suchen(const QString &text, int cursor, bool nachOben,
                                                const QString &stichwort)
{
    TAnalysequelle &quelle = m_dienst.Quelle();
    TLesesitzung sitzung(quelle);
    quelle.Auffrischen();
    TFormanalyse &analyse = m_analyse->Formanalyse();
    analyse.Zuruecksetzen();
    const QString gesucht = stichwort.trimmed();
    if (gesucht.isEmpty())
        return std::nullopt;
    std::vector<IAnalysequelle::TStichwortZeile> zeilen;
    quelle.StichwoerterMitPraefix(gesucht.toLower(), false, zeilen);
    for (const auto &z : zeilen)
        if (z.vokabel.trimmed() == gesucht)
            analyse.InBestandAufnehmen(z.vokabelId);
    if (analyse.Vokabelcache().empty())
        return std::nullopt; // nothing can be a form: the walk would find nothing
    return WortSuchen(text, cursor, nachOben, [&](const QString &wort) {
        analyse.Ergebnisliste().clear();
        analyse.FormAnalysierenImBestand(wort.trimmed());
        for (const TLatForm &f : analyse.Ergebnisliste()) {
            const TVokabel *v = analyse.VokabelImCache(f.vokabelId);
            if (v && v->vokabel.toLower() == gesucht)
                return true;
        }
        return false;
    });
}

} // namespace lexovita
