#pragma once

#include "model/latform.h"
#include "model/vokabel.h"
#include "morph/analysequelle.h"
#include "render/formentabelle.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace lexovita {

class TLexikonAnalyse;

class IRueckfrage;
class TAnwendungskern;
class TConfig;
class TDatenmanager;
class TAnalysedienst;
class TWortanalyse;

// One entry found by the form analysis, with the entries its
// cross-references lead to.
struct TAnalyseTreffer {
    int32_t vokabelId = 0; // for a lexicon result the lemma's id in the lexicon
    QString vokabel;
    bool ausLexikon = false;  // a lemma of the large lexicon, not an entry of the user's
    QString schluesselformen; // lexicon results: "amo, amavi, amatum"
    struct Verweis {
        int32_t vokabelId = 0;
        QString text; // the cross-reference as stored
    };
    std::vector<Verweis> verweise;
};

// What the form-analysis dialog and the forms table window need of the
// database and the generator. Each window owns one: it has its own analysis
// and result list over the core's analysis service.
class TFormendienst {
  public:
    explicit TFormendienst(TAnwendungskern &kern);
    // A data manager and the template folder alone, with an analysis service
    // of its own: for tests and benchmarks.
    TFormendienst(TDatenmanager &daten, const QString &vorlagenOrdner);
    ~TFormendienst();
    TFormendienst(const TFormendienst &) = delete;
    TFormendienst &operator=(const TFormendienst &) = delete;

    // The entry with meanings, memory aids, cross-references and special
    // forms; null when there is no entry with that id.
    std::unique_ptr<TVokabel> VokabelLaden(int32_t id);

    // Analyses a word against the whole database. Every entry appears once,
    // at the place of its first result; with `verweise` each carries the
    // entries its cross-references name (a reference whose headword is not
    // in the database is left out).
    std::vector<TAnalyseTreffer> Analysieren(const QString &wort, bool verweise);
    // The lexicon lemma of a result of the last analysis as an entry (id 0,
    // not stored); null if it was no result.
    std::unique_ptr<TVokabel> LexikonVokabel(int32_t lemmaId) const;
    // Its result page: the analysis, key forms and meanings.
    QString LexikonSeiteHtml(int32_t lemmaId);
    // Takes the lemma over into the user's vocabulary (an entry with the same
    // headword and word class is offered instead); the entry's id, 0 if none.
    int32_t LexikonUebernehmen(int32_t lemmaId);
    // Results of the last analysis (labels, form identifiers) in list order.
    const std::vector<TLatForm> &Ergebnisse() const;
    // Empties the results of the last analysis.
    void Leeren();

    // The result page of the analysis for an entry (referring to the flag
    // pictures in the template folder), also kept in the page cache.
    QString AnalyseSeiteHtml(const TVokabel &v);

    // The forms table of an entry (special forms applied), also kept in the page cache.
    TFormentabelle Formentabelle(const TVokabel &v);

    // How Latin text is shown: by the settings; without the core the plain
    // text, as the results were before lengths were shown.
    TLaengenAnzeige Anzeige() const;
    // A headword or key forms of a result as shown.
    QString AnzeigeText(const QString &text) const;

    // The folder the pages refer to their pictures from.
    const QString &VorlagenOrdner() const { return m_vorlagen; }

  private:
    TFormendienst(TDatenmanager &daten, const QString &vorlagenOrdner, TAnalysedienst *dienst);
    void Speichern(const QStringList &zeilen);
    void LexikonAnalysieren(const QString &wort, std::vector<TAnalyseTreffer> &treffer);

    TDatenmanager &m_daten;
    QString m_vorlagen;
    IRueckfrage *m_rueckfrage = nullptr;             // tells a failed page write; none without the core
    const TConfig *m_config = nullptr;               // none without the core
    std::unique_ptr<TAnalysedienst> m_eigenerDienst; // only without the core
    TAnalysedienst *m_dienst;
    std::unique_ptr<TWortanalyse> m_analyse;
    std::vector<IAnalysequelle::TStichwortZeile> m_stichwoerter;
    // The large lexicon, once it holds lemmas; its results of the last word.
    std::unique_ptr<TLexikonAnalyse> m_lexikon;
    struct TLexikonErgebnis {
        TVokabel vokabel;
        QStringList bezeichnungen;
    };
    std::map<int32_t, TLexikonErgebnis> m_lexikonErgebnisse;
};

} // namespace lexovita
