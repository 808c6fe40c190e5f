#pragma once

#include "model/latform.h"
#include "model/vokabel.h"
#include "morph/analysequelle.h"
#include "morph/formenmanager.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace lexovita {

namespace intern {
struct TAnalyseblock;
struct TBuchstabenbloecke;
} // namespace intern

// Word-form analysis: traces a written Latin word back to the entries and
// forms that can have produced it. Results go to the forms manager's
// Ergebnisliste (appended, never cleared here); every entry that contributed
// is kept in Vokabelcache until Zuruecksetzen.
//
// The analysis sits beside TFormenmanager rather than inside it so that
// generation stays free of database access; it borrows the manager's
// result list and generators. Not for use by two threads at once.
class TFormanalyse {
  public:
    struct Optionen {
        // Generate only the blocks of the dispatch letter whose endings can
        // match the word, and reuse blocks generated for earlier words.
        // Off: every block of the letter, freshly generated (the plain
        // algorithm, kept for comparison).
        bool schnell = true;
    };

    TFormanalyse(TFormenmanager &manager, IAnalysequelle &quelle) : TFormanalyse(manager, quelle, Optionen{}) {}
    TFormanalyse(TFormenmanager &manager, IAnalysequelle &quelle, Optionen optionen);
    ~TFormanalyse();
    TFormanalyse(const TFormanalyse &) = delete;
    TFormanalyse &operator=(const TFormanalyse &) = delete;

    // Analyses one word against the whole database.
    void FormAnalysieren(const QString &wort);
    // Every generated form, special form and headword of the cached entries
    // equal to the word (spelling folded as FormAnalysieren does): no stem
    // look-up, no enclitic split, no adverb degrees, no endings of other
    // editions.
    void FormAnalysierenImBestand(const QString &wort);

    // Empties Ergebnisliste and Vokabelcache.
    void Zuruecksetzen();

    std::vector<TLatForm> &Ergebnisliste() { return m_manager.Ergebnisliste(); }
    const std::vector<TLatForm> &Ergebnisliste() const { return m_manager.Ergebnisliste(); }
    TFormenmanager &Formenmanager() { return m_manager; }

    // Entries met during analysis, in the order they were added; each is
    // loaded with its meanings.
    const std::vector<std::unique_ptr<TVokabel>> &Vokabelcache() const { return m_cache; }
    // The cached entry with that id, or null.
    const TVokabel *VokabelImCache(int32_t id) const;
    // Puts the entry (with its meanings) into Vokabelcache, for an analysis
    // restricted to chosen entries; null if there is no such entry.
    const TVokabel *InBestandAufnehmen(int32_t id) { return HolenUndCachen(id); }

    // Lower-cases A-Z and turns apostrophes into double quotes, as every
    // analysed word is compared.
    static QString Normalisieren(const QString &wort);
    // The normalised word in the spelling the entries are stored in: without
    // macrons, breves and diaereses, ae/oe for the ligatures, i for j, all
    // letters lower-case.
    static QString Falten(const QString &wort);

  private:
    struct Blockspeicher;

    // The whole analysis of one word, enclitic splits included.
    void Analysieren(const QString &wort, bool normalisieren);

    struct TLebend {
        const intern::TAnalyseblock *block;
        bool nurUmschrieben; // endings miss the word: only for magis/maxime entries
    };
    // By word class (verb, noun, adjective): the blocks in comparison order,
    // and the same as masks of block numbers.
    struct TLebendeBloecke {
        std::array<std::vector<TLebend>, 3> bloecke;
        std::array<uint64_t, 3> alle{};
        std::array<uint64_t, 3> nurUmschrieben{};
    };
    struct TUmschreibung;

    // `passend`: the numbers of the blocks whose endings fit the word.
    static void BloeckeWaehlen(const intern::TBuchstabenbloecke &bl, uint64_t passend, TLebendeBloecke &lebend);
    // Stem, special-form and headword look-up of one spelling.
    void Regelpfade(const QString &wort);
    // Forms the letter's blocks and the cut-off stem miss: every block, for
    // the entries whose stem or headword begins the word. With `u` the word
    // compared is the rewritten one and `u` decides on each form found.
    void Ergaenzungspfad(const QString &wort, const TUmschreibung *u = nullptr, const QString &geschrieben = {});
    // Endings of real texts the tables leave out, traced to the form they stand for.
    void Umschreibungen(const QString &wort);
    // Spellings of other editions (u for v, prefixes), tried when the word gave nothing.
    void Schreibvarianten(const QString &wort);
    void Stammpfad(const QString &wort, const QString &stamm);
    void Sonderformpfad(const QString &wort);
    void Stichwortpfad(const QString &wort);
    void StichwortErgebnisse(const TVokabel &v, const QString &wort);
    // Appends the forms of the dispatch letter's blocks equal to the word,
    // leaving out the blocks in `ohne`. Returns the blocks whose forms are
    // now known to be compared (fast path only).
    uint64_t Vergleichen(const TVokabel &v, const QString &wort, const intern::TBuchstabenbloecke &bl,
                         const TLebendeBloecke &lebend, uint64_t ohne = 0);
    bool Gesehen(int32_t id); // marks the id; true if it was marked before
    void StammVerglichenSetzen(int32_t id, uint64_t bloecke);
    uint64_t StammVerglichen(int32_t id) const;
    // Keeps the first result of every (entry, form identifier) pair.
    void Duplikateentfernen();
    TVokabel *InCache(int32_t id);
    // Cached entry or, when absent, the entry loaded with its meanings and
    // cached; null if the entry does not exist.
    TVokabel *HolenUndCachen(int32_t id);
    TVokabel *Cachen(std::unique_ptr<TVokabel> v);

    TFormenmanager &m_manager;
    IAnalysequelle &m_quelle;
    Optionen m_optionen;
    std::vector<std::unique_ptr<TVokabel>> m_cache;
    QHash<int32_t, qsizetype> m_cacheIndex; // id -> position in m_cache
    std::unique_ptr<Blockspeicher> m_bloecke;

    // Scratch lists, kept to avoid allocations per word.
    std::vector<int32_t> m_stammZeilen;
    std::vector<IAnalysequelle::TSonderformZeile> m_sonderZeilen;
    std::vector<IAnalysequelle::TStichwortZeile> m_stichwortZeilen;
    std::vector<int32_t> m_gesehen; // open-addressing set of the entry ids met on this word's stem rows
    uint32_t m_worthash = 0;
    // The blocks whose endings fit a word: of its last letter, and of every letter.
    struct TEndungsbloecke {
        TLebendeBloecke buchstabe, alle;
    };
    const TEndungsbloecke &Endungsbloecke(const QString &wort);
    // By the set of fitting blocks and the set of the dispatch letter.
    std::unordered_map<uint64_t, TEndungsbloecke> m_endungsBloecke;
    std::vector<int32_t> m_anfangZeilen;
    std::vector<uint32_t> m_blockHashes; // the text hashes of the block just generated
    // The blocks the last stem path compared, per entry id (open addressing
    // like m_gesehen), and the word it compared them with; empty when the
    // last rule paths ran no stem path.
    std::vector<std::pair<int32_t, uint64_t>> m_stammVerglichen;
    QString m_stammWort;
    // Texts repeat their words: what a word gave when it was analysed on an
    // empty list and cache, and the entries it cached, in their order. Valid
    // while the source's Datenstand stays the same.
    struct TWortergebnis {
        std::vector<TLatForm> formen;
        std::vector<int32_t> eintraege;
    };
    QHash<QString, TWortergebnis> m_woerter;
    uint64_t m_woerterStand = 0;
    QSet<size_t> m_einmal; // hashes of the words met once
};

} // namespace lexovita
