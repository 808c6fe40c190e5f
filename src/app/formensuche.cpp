#include "app/formensuche.h"

#include "app/anwendungskern.h"
#include "morph/analyse.h"
#include "morph/formenmanager.h"
#include "store/analysequelle.h"

namespace lexovita {

TFormensuche::TFormensuche(TAnwendungskern &kern)
    : m_quelle(std::make_unique<TAnalysequelle>(kern.Daten())), m_manager(std::make_unique<TFormenmanager>()),
      m_analyse(std::make_unique<TFormanalyse>(*m_manager, *m_quelle))
{
}

TFormensuche::~TFormensuche() = default;

std::optional<TFundstelle> TFormensuche::Suchen(const QString &text, int cursor, bool nachOben,
                                                const QString &stichwort)
{
    TLesesitzung sitzung(*m_quelle);
    m_quelle->Auffrischen();
    m_analyse->Zuruecksetzen();
    const QString gesucht = stichwort.trimmed();
    if (gesucht.isEmpty())
        return std::nullopt;
    std::vector<IAnalysequelle::TStichwortZeile> zeilen;
    m_quelle->StichwoerterMitPraefix(gesucht.toLower(), false, zeilen);
    for (const auto &z : zeilen)
        if (z.vokabel.trimmed() == gesucht)
            m_analyse->InBestandAufnehmen(z.vokabelId);
    if (m_analyse->Vokabelcache().empty())
        return std::nullopt; // nothing can be a form: the walk would find nothing
    return WortSuchen(text, cursor, nachOben, [&](const QString &wort) {
        m_analyse->Ergebnisliste().clear();
        m_analyse->FormAnalysierenImBestand(wort.trimmed());
        for (const TLatForm &f : m_analyse->Ergebnisliste()) {
            const TVokabel *v = m_analyse->VokabelImCache(f.vokabelId);
            if (v && v->vokabel.toLower() == gesucht)
                return true;
        }
        return false;
    });
}

} // namespace lexovita
