#include "app/analysedienst.h"

#include "app/lexikonanalyse.h"
#include "store/analysequelle.h"

namespace lexovita {

const std::vector<TLatForm> &TWortanalyse::Analysieren(const QString &wort)
{
    m_analyse.Zuruecksetzen();
    m_analyse.FormAnalysieren(wort);
    return m_analyse.Ergebnisliste();
}

TAnalysedienst::TAnalysedienst(TDatenmanager &daten) : m_daten(daten) {}

TAnalysedienst::~TAnalysedienst() = default;

TAnalysequelle &TAnalysedienst::Quelle(TBestand bestand)
{
    // Each source registers with the data manager when made; the lexicon's
    // is only made for those who ask for it.
    std::unique_ptr<TAnalysequelle> &quelle = bestand == TBestand::Lexikon ? m_lexikon : m_vokabeln;
    if (!quelle)
        quelle = std::make_unique<TAnalysequelle>(m_daten, bestand);
    return *quelle;
}

std::unique_ptr<TWortanalyse> TAnalysedienst::Analyse(TBestand bestand)
{
    return std::make_unique<TWortanalyse>(Quelle(bestand));
}

std::unique_ptr<TLexikonAnalyse> TAnalysedienst::LexikonAnalyse()
{
    return std::make_unique<TLexikonAnalyse>(*this);
}

TAnalysesitzung::TAnalysesitzung(TAnalysedienst &dienst, TBestand bestand)
    : m_sitzung(std::make_unique<TLesesitzung>(dienst.Quelle(bestand)))
{
}

TAnalysesitzung::~TAnalysesitzung() = default;

} // namespace lexovita
