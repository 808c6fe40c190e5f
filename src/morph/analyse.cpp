#include "morph/analyse.h"

#include "morph/analyse_bloecke.h"
#include "morph/endungen.h"
#include "morph/erzeuger.h"
#include "morph/formid.h"
#include "morph/nominalformen.h"
#include "morph/staemme.h"
#include "morph/stammfilter.h"

#include <QSet>
#include <algorithm>
#include <limits>

namespace lexovita {

using namespace intern;

namespace {

// Forms that spell the present infinitive and are reported as that only: the
// gerund's nominative, and the present passive's second ending -re.
bool AlsInfinitivGemeldet(const TLatForm &f)
{
    constexpr int32_t zweitePassiv = fid::INDIKATIV | fid::PASSIV | fid::PRAESENS | fid::P2_SG;
    return f.formId == (fid::GERUNDIUM | fid::NOM_SG) || (f.variante == 2 && f.formId == zweitePassiv);
}

QChar KleinesZeichen(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? QChar(char16_t(u + 32)) : c;
}

// True if `text`, lower-cased (A-Z only), equals the already lower-cased word.
bool GleichKlein(const QString &text, const QString &wort)
{
    if (text.size() != wort.size())
        return false;
    const QChar *a = text.constData();
    const QChar *b = wort.constData();
    for (qsizetype i = 0, n = wort.size(); i < n; ++i)
        if (KleinesZeichen(a[i]) != b[i])
            return false;
    return true;
}

std::span<const TAnalyseblock> BloeckeDerWortart(const TBuchstabenbloecke &b, int32_t wortart)
{
    switch (wortart) {
    case WA_VERB:
        return b.verb;
    case WA_SUBSTANTIV:
        return b.substantiv;
    case WA_ADJEKTIV:
        return b.adjektiv;
    default:
        return {}; // adverbs, pronouns, undetermined: never regenerated
    }
}

// Clears SonderformenEinsetzen while candidates are generated, so that they
// are compared in their regular spelling, and BezeichnungenSetzen: only the
// few forms equal to the word are labelled. Set again however we leave.
class OhneSonderformen {
  public:
    explicit OhneSonderformen(TFormenmanager &m) : m_manager(m)
    {
        m_manager.SetSonderformenEinsetzen(false);
        m_manager.SetBezeichnungenSetzen(false);
    }
    ~OhneSonderformen()
    {
        m_manager.SetSonderformenEinsetzen(true);
        m_manager.SetBezeichnungenSetzen(true);
    }
    OhneSonderformen(const OhneSonderformen &) = delete;
    OhneSonderformen &operator=(const OhneSonderformen &) = delete;

  private:
    TFormenmanager &m_manager;
};

constexpr int32_t kFrei = std::numeric_limits<int32_t>::min(); // empty slot of the id set
constexpr qsizetype kWoerterHoechstens = 100'000;              // words kept before starting afresh

// Hash of a text lower-cased (A-Z only), as the word was normalised.
uint32_t KleinHash(const QString &text)
{
    TFormhash h;
    h.Dazu(text);
    return h.wert;
}

} // namespace

// What was generated for earlier words, per entry: which blocks, and the
// hashes of their forms' texts, each tagged with its block. A word whose
// hash misses an entry's set is not in any of its generated blocks, which
// one look-up per entry settles; on a hit only the tagged blocks are
// generated again and compared exactly. Generation depends only on the
// entry's fields, so the hashes hold as long as those are unchanged.
struct TFormanalyse::Blockspeicher {
    static constexpr size_t kHoechstens = 8'000'000;      // hashes kept before starting afresh
    static constexpr uint32_t kNrBits = 63;               // low bits of a kept hash: the block number
    static constexpr uint32_t kLeer = 0xffffffffu;        // empty slot (no block has number 63)
    static constexpr int32_t kDirektHoechstens = 1 << 18; // ids below are found by index

    struct Eintrag {
        int32_t attribute = 0;
        QString vokabel, form1, form2, form3;
        bool umschrieben = false; // Umschrieben(v)
        uint64_t erzeugt = 0;     // blocks generated (or not applying to the entry)
        // Open addressing, at most half full: the forms' hashes, their low
        // bits replaced by the block number.
        std::vector<uint32_t> tafel;
        size_t anzahl = 0;
        int stellen = 0; // tafel.size() == 1 << stellen

        // The last few words a generated block was generated again for, with
        // the forms it gave: texts repeat their words.
        struct Wiederholung {
            int nr = -1;
            QString wort;
            std::vector<TLatForm> formen;
        };
        static constexpr size_t kWiederholungen = 8;
        std::vector<Wiederholung> wiederholungen;
        size_t naechste = 0; // the one replaced next
        const Wiederholung *Gefunden(int nr, const QString &wort) const
        {
            for (const Wiederholung &w : wiederholungen)
                if (w.nr == nr && w.wort == wort)
                    return &w;
            return nullptr;
        }
        Wiederholung &Neue()
        {
            if (wiederholungen.size() < kWiederholungen)
                return wiederholungen.emplace_back();
            Wiederholung &w = wiederholungen[naechste];
            naechste = (naechste + 1) % kWiederholungen;
            return w;
        }

        // Usually the very same strings, shared with the source's row.
        static bool Gleich(const QString &a, const QString &b)
        {
            return a.size() == b.size() && (a.constData() == b.constData() || a == b);
        }
        bool Passt(const TVokabel &v) const
        {
            return attribute == v.attribute && Gleich(vokabel, v.vokabel) && Gleich(form1, v.form1) &&
                   Gleich(form2, v.form2) && Gleich(form3, v.form3);
        }
        void Neu(const TVokabel &v)
        {
            attribute = v.attribute;
            vokabel = v.vokabel;
            form1 = v.form1;
            form2 = v.form2;
            form3 = v.form3;
            umschrieben = Umschrieben(v);
            erzeugt = 0;
            tafel.clear();
            anzahl = 0;
            stellen = 0;
            wiederholungen.clear();
            naechste = 0;
        }

        size_t Platz(uint32_t schluessel) const
        {
            return stellen == 0 ? 0 : size_t((schluessel * 2654435761u) >> (32 - stellen));
        }
        void Einfuegen(uint32_t wert)
        {
            const size_t maske = tafel.size() - 1;
            for (size_t i = Platz(wert & ~kNrBits);; i = (i + 1) & maske) {
                if (tafel[i] == wert)
                    return;
                if (tafel[i] == kLeer) {
                    tafel[i] = wert;
                    ++anzahl;
                    return;
                }
            }
        }
        void Wachsen(size_t neu)
        {
            if (2 * (anzahl + neu) <= tafel.size())
                return;
            int s = std::max(stellen, 4);
            while ((size_t(1) << s) < 2 * (anzahl + neu))
                ++s;
            std::vector<uint32_t> alt(size_t(1) << s, kLeer);
            alt.swap(tafel);
            stellen = s;
            anzahl = 0;
            for (const uint32_t w : alt)
                if (w != kLeer)
                    Einfuegen(w);
        }

        // The generated blocks that may hold a form with the word's hash.
        uint64_t Treffer(uint32_t worthash) const
        {
            if (tafel.empty())
                return 0;
            const uint32_t schluessel = worthash & ~kNrBits;
            const size_t maske = tafel.size() - 1;
            uint64_t bloecke = 0;
            for (size_t i = Platz(schluessel); tafel[i] != kLeer; i = (i + 1) & maske)
                if ((tafel[i] & ~kNrBits) == schluessel)
                    bloecke |= uint64_t(1) << (tafel[i] & kNrBits);
            return bloecke;
        }
    };

    std::vector<std::unique_ptr<Eintrag>> direkt; // by id
    QHash<int32_t, Eintrag> sonst;                // ids outside
    size_t gesamt = 0;

    // The entry's record, emptied if its fields changed since.
    Eintrag &EintragFuer(const TVokabel &v)
    {
        if (gesamt > kHoechstens) {
            direkt.clear();
            sonst.clear();
            gesamt = 0;
        }
        Eintrag *e = nullptr;
        bool neu = false;
        if (v.id >= 0 && v.id < kDirektHoechstens) {
            if (size_t(v.id) >= direkt.size())
                direkt.resize(size_t(v.id) + 1);
            std::unique_ptr<Eintrag> &p = direkt[size_t(v.id)];
            neu = !p;
            if (neu)
                p = std::make_unique<Eintrag>();
            e = p.get();
        } else {
            neu = !sonst.contains(v.id);
            e = &sonst[v.id];
        }
        if (neu || !e->Passt(v)) {
            gesamt -= std::min(gesamt, e->anzahl);
            e->Neu(v);
        }
        return *e;
    }

    // Records the hashes of the block's non-empty texts, which the caller
    // has just generated.
    void Merken(Eintrag &e, const TAnalyseblock &b, const std::vector<uint32_t> &hashes)
    {
        const size_t anfang = e.anzahl;
        e.Wachsen(hashes.size());
        for (const uint32_t h : hashes)
            e.Einfuegen((h & ~kNrBits) | uint32_t(b.nr));
        e.erzeugt |= uint64_t(1) << b.nr;
        gesamt += e.anzahl - anfang;
    }
};

TFormanalyse::TFormanalyse(TFormenmanager &manager, IAnalysequelle &quelle, Optionen optionen)
    : m_manager(manager), m_quelle(quelle), m_optionen(optionen), m_bloecke(std::make_unique<Blockspeicher>())
{
}

TFormanalyse::~TFormanalyse() = default;

QString TFormanalyse::Normalisieren(const QString &wort)
{
    QString w = AsciiKlein(wort);
    w.replace(QLatin1Char('\''), QLatin1Char('"'));
    return w;
}

void TFormanalyse::Zuruecksetzen()
{
    m_manager.Zuruecksetzen();
    m_cache.clear();
    m_cacheIndex.clear();
}

const TVokabel *TFormanalyse::VokabelImCache(int32_t id) const
{
    const auto it = m_cacheIndex.constFind(id);
    return it == m_cacheIndex.constEnd() ? nullptr : m_cache[size_t(*it)].get();
}

TVokabel *TFormanalyse::InCache(int32_t id)
{
    const auto it = m_cacheIndex.constFind(id);
    return it == m_cacheIndex.constEnd() ? nullptr : m_cache[size_t(*it)].get();
}

TVokabel *TFormanalyse::Cachen(std::unique_ptr<TVokabel> v)
{
    m_cacheIndex.insert(v->id, qsizetype(m_cache.size()));
    m_cache.push_back(std::move(v));
    return m_cache.back().get();
}

TVokabel *TFormanalyse::HolenUndCachen(int32_t id)
{
    if (TVokabel *v = InCache(id))
        return v;
    const TVokabel *zeile = m_quelle.Vokabelzeile(id);
    if (!zeile)
        return nullptr;
    auto neu = std::make_unique<TVokabel>();
    zeile->KopierenNach(*neu);
    m_quelle.BedeutungenLaden(*neu);
    return Cachen(std::move(neu));
}

QString TFormanalyse::Falten(const QString &wort)
{
    bool schlicht = true;
    for (QChar c : wort)
        schlicht = schlicht && c.unicode() < 0x80 && c != QLatin1Char('j');
    if (schlicht)
        return wort;
    QString f;
    f.reserve(wort.size() + 2);
    for (QChar c : wort.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue; // macron, breve, diaeresis, accents
        const char16_t u = c.toLower().unicode();
        if (u == u'\u00e6')
            f += QLatin1String("ae");
        else if (u == u'\u0153')
            f += QLatin1String("oe");
        else if (u == u'j')
            f += QLatin1Char('i');
        else
            f += QChar(u);
    }
    return f;
}

void TFormanalyse::FormAnalysieren(const QString &wort)
{
    const QString w = Normalisieren(wort);
    if (w.isEmpty())
        return;
    m_quelle.Auffrischen();
    // A word met before on an empty list and cache gives what it gave then;
    // otherwise earlier results and entries could change what it adds.
    const std::optional<uint64_t> stand = m_optionen.schnell ? m_quelle.Datenstand() : std::nullopt;
    if (!stand || !m_cache.empty() || !Ergebnisliste().empty()) {
        Analysieren(w, false);
        return;
    }
    if (*stand != m_woerterStand || m_woerter.size() > kWoerterHoechstens) {
        m_woerter.clear();
        m_einmal.clear();
        m_woerterStand = *stand;
    }
    if (const auto it = m_woerter.constFind(w); it != m_woerter.constEnd()) {
        Ergebnisliste() = it->formen;
        for (const int32_t id : it->eintraege)
            HolenUndCachen(id);
        return;
    }
    Analysieren(w, false);
    // Most words of a text come once: only a word met the second time is kept.
    // A hash collision only keeps a word early: its results are its own.
    const size_t hash = qHash(w);
    if (!m_einmal.contains(hash)) {
        if (m_einmal.size() >= 4 * kWoerterHoechstens)
            m_einmal.clear(); // start afresh rather than grow without end
        m_einmal.insert(hash);
        return;
    }
    TWortergebnis &e = m_woerter[w];
    e.formen = Ergebnisliste();
    e.eintraege.reserve(m_cache.size());
    for (const auto &v : m_cache)
        e.eintraege.push_back(v->id);
}

void TFormanalyse::Analysieren(const QString &wort, bool normalisieren)
{
    const QString w = normalisieren ? Normalisieren(wort) : wort;
    if (w.isEmpty())
        return;
    std::vector<TLatForm> &liste = Ergebnisliste();
    const size_t anfang = liste.size();
    Regelpfade(w);
    const QString f = Falten(w);
    if (f != w)
        Regelpfade(f);
    // The enclitic entries themselves ("-que") are looked up by headword only.
    const bool enklitikon = f.startsWith(QLatin1Char('-'));
    if (!enklitikon) {
        Ergaenzungspfad(f);
        Umschreibungen(f);
        if (liste.size() == anfang)
            Schreibvarianten(f);
    }

    if (w.size() > 4 && w.endsWith(QLatin1String("que"))) {
        Analysieren(w.chopped(3), true);
        Analysieren(QStringLiteral("-que"), true);
        // Only this word's results take the full text; results the caller
        // accumulated from other words keep theirs.
        for (size_t i = anfang; i < liste.size(); ++i)
            liste[i].text = w;
    } else if (liste.size() == anfang && f.size() > 4 && !enklitikon &&
               (f.endsWith(QLatin1String("ne")) || f.endsWith(QLatin1String("ve")))) {
        // -ne and -ve end many words themselves (regione, bene, breve): split
        // only a word that is nothing without the split.
        Analysieren(f.chopped(2), true);
        if (liste.size() > anfang) {
            Analysieren(QLatin1Char('-') + f.right(2), true);
            for (size_t i = anfang; i < liste.size(); ++i)
                liste[i].text = w;
        }
    }
    Duplikateentfernen();
}

void TFormanalyse::Regelpfade(const QString &w)
{
    m_stammWort.clear();
    const QString stamm = w.left(w.size() - EndungsLaenge(w));
    if (w.size() >= 3 && stamm.size() >= 2)
        Stammpfad(w, stamm);
    Sonderformpfad(w);
    Stichwortpfad(w);
}

// An ending of real texts that the tables write differently: the word's
// ending `geschrieben` stands for `regulaer`; Pruefen decides on each form
// the rewritten word was found as and returns the identifier to report, or
// -1 to drop it.
struct TFormanalyse::TUmschreibung {
    const char *geschrieben;
    const char *regulaer;
    int32_t (*pruefen)(int32_t formId, const TVokabel &v, const QString &wort);
};

namespace {

bool Finit(int32_t id)
{
    const int32_t modus = fid::Modus(id);
    return (modus == fid::INDIKATIV || modus == fid::KONJUNKTIV) && fid::Nominalform(id) == 0;
}

// posuere, amavere: the third plural perfect.
int32_t PerfektAufEre(int32_t id, const TVokabel &, const QString &)
{
    return id == (fid::AKTIV | fid::INDIKATIV | fid::PERFEKT | fid::P3_PL) ? id : -1;
}

// hortare, amabere: the second singular of the passive shape. A verb's
// infinitive is not also read as its second singular passive.
int32_t PassivAufRe(int32_t id, const TVokabel &v, const QString &wort)
{
    const int32_t tempus = fid::Tempus(id);
    const bool passivform = fid::GenusVerbi(id) == fid::PASSIV || v.Deponens();
    if (!Finit(id) || fid::Person(id) != fid::P2_SG || !passivform ||
        !(tempus == fid::PRAESENS || tempus == fid::IMPERFEKT || tempus == fid::FUTUR1))
        return -1;
    return wort.compare(v.vokabel, Qt::CaseInsensitive) == 0 ? -1 : id;
}

// audieram, audierunt: the perfect of -ivi verbs without its v.
int32_t OhneV(int32_t id, const TVokabel &, const QString &)
{
    const int32_t tempus = fid::Tempus(id);
    if (!Finit(id) || fid::GenusVerbi(id) != fid::AKTIV || (id & fid::VERKUERZT) ||
        !(tempus == fid::PERFEKT || tempus == fid::PLUSQUAMPERFEKT || tempus == fid::FUTUR2))
        return -1;
    return id | fid::VERKUERZT;
}

// consili, Clodi: the genitive of nouns in -ius and -ium with one i.
int32_t GenitivAufI(int32_t id, const TVokabel &v, const QString &)
{
    if (v.Wortart() != WA_SUBSTANTIV || (id & fid::KASUS_MASKE) != fid::GEN_SG)
        return -1;
    const QString k = v.vokabel.toLower();
    return k.endsWith(QLatin1String("ius")) || k.endsWith(QLatin1String("ium")) ? id : -1;
}

constexpr const char *kOhneVEndungen[] = {"ram", "ras",   "rat",   "ramus", "ratis", "rant", "ro", "ris",
                                          "rit", "rimus", "ritis", "rint",  "rim",   "runt", "re"};

} // namespace

void TFormanalyse::Umschreibungen(const QString &wort)
{
    static const TUmschreibung kEre{"ere", "erunt", PerfektAufEre};
    static const TUmschreibung kRe{"re", "ris", PassivAufRe};
    static const TUmschreibung kGenitiv{"i", "ii", GenitivAufI};
    for (const TUmschreibung *u : {&kEre, &kRe, &kGenitiv}) {
        const QLatin1StringView g(u->geschrieben);
        if (wort.size() > g.size() + 1 && wort.endsWith(g))
            Ergaenzungspfad(wort.chopped(g.size()) + QLatin1StringView(u->regulaer), u, wort);
    }
    static const TUmschreibung kOhneV{"", "", OhneV};
    for (const char *e : kOhneVEndungen) {
        const QLatin1StringView endung(e);
        const qsizetype vor = wort.size() - endung.size() - 2; // where "ie" would begin
        if (vor < 2 || !wort.endsWith(endung) || wort.mid(vor, 2) != QLatin1String("ie"))
            continue;
        const QLatin1StringView regulaer = endung == QLatin1String("re") ? QLatin1StringView("runt") : endung;
        Ergaenzungspfad(wort.left(vor) + QLatin1String("ive") + regulaer, &kOhneV, wort);
    }
}

namespace {

// Prefixes that editions write assimilated or not: each pair both ways.
constexpr std::pair<const char *, const char *> kPraefixe[] = {
    {"adp", "app"},   {"adt", "att"},   {"adc", "acc"},  {"adf", "aff"},   {"adg", "agg"},   {"adl", "all"},
    {"adr", "arr"},   {"ads", "ass"},   {"adq", "acq"},  {"conl", "coll"}, {"conr", "corr"}, {"conm", "comm"},
    {"conp", "comp"}, {"conb", "comb"}, {"inp", "imp"},  {"inb", "imb"},   {"inm", "imm"},   {"inl", "ill"},
    {"inr", "irr"},   {"obp", "opp"},   {"obc", "occ"},  {"obf", "off"},   {"subc", "succ"}, {"subf", "suff"},
    {"subg", "sugg"}, {"subm", "summ"}, {"subp", "supp"}};

bool Vokal(QChar c)
{
    return c == QLatin1Char('a') || c == QLatin1Char('e') || c == QLatin1Char('i') || c == QLatin1Char('o') ||
           c == QLatin1Char('u');
}

} // namespace

void TFormanalyse::Schreibvarianten(const QString &wort)
{
    // The word with its prefix written the other way, if it has one of them.
    QStringList formen{wort};
    for (const auto &[a, b] : kPraefixe) {
        if (wort.startsWith(QLatin1String(a)))
            formen << QLatin1String(b) + wort.mid(qsizetype(strlen(a)));
        else if (wort.startsWith(QLatin1String(b)))
            formen << QLatin1String(a) + wort.mid(qsizetype(strlen(b)));
    }
    if (wort.startsWith(QLatin1String("exs")))
        formen << QLatin1String("ex") + wort.mid(3);
    else if (wort.startsWith(QLatin1String("ex")) && wort.size() > 3 && !Vokal(wort[2]))
        formen << QLatin1String("exs") + wort.mid(2);

    // u for consonantal v: before a vowel, at the beginning or after a vowel
    // or consonant (not in qu, gu). Only in texts that write no v at all.
    QStringList varianten;
    for (const QString &f : formen) {
        if (f != wort)
            varianten << f;
        if (f.contains(QLatin1Char('v')))
            continue;
        std::vector<qsizetype> stellen;
        for (qsizetype i = 0; i + 1 < f.size() && stellen.size() < 3; ++i)
            if (f[i] == QLatin1Char('u') && Vokal(f[i + 1]) &&
                (i == 0 || (f[i - 1] != QLatin1Char('q') && f[i - 1] != QLatin1Char('g'))))
                stellen.push_back(i);
        for (uint32_t maske = 1; maske < (1u << stellen.size()); ++maske) {
            QString g = f;
            for (size_t k = 0; k < stellen.size(); ++k)
                if (maske & (1u << k))
                    g[stellen[k]] = QLatin1Char('v');
            varianten << g;
        }
    }
    for (const QString &g : varianten) {
        Regelpfade(g);
        Ergaenzungspfad(g);
        Umschreibungen(g);
    }
}

void TFormanalyse::Ergaenzungspfad(const QString &wort, const TUmschreibung *u, const QString &geschrieben)
{
    std::vector<TLatForm> &liste = Ergebnisliste();
    m_anfangZeilen.clear();
    m_quelle.StaemmeAmWortanfang(wort, m_anfangZeilen);
    m_stichwortZeilen.clear();
    m_quelle.StichwoerterAmWortanfang(wort, m_stichwortZeilen);
    for (const IAnalysequelle::TStichwortZeile &z : m_stichwortZeilen)
        m_anfangZeilen.push_back(z.vokabelId);
    if (m_anfangZeilen.empty())
        return;
    m_worthash = KleinHash(wort);
    // Which blocks fit depends only on the word's last letters (no block
    // ending is longer than eight), and texts repeat their endings.
    const TLebendeBloecke &lebendAlle = Endungsbloecke(wort).alle;
    const bool nachStamm = !u && m_optionen.schnell && !m_stammWort.isEmpty() && wort == m_stammWort;
    size_t platz = 16;
    while (platz < 2 * m_anfangZeilen.size())
        platz *= 2;
    m_gesehen.assign(platz, kFrei);
    for (const int32_t id : m_anfangZeilen) {
        if (Gesehen(id))
            continue;
        const TVokabel *zeile = m_quelle.Vokabelzeile(id);
        if (!zeile)
            continue;
        const TVokabel *imCache = InCache(id);
        const TVokabel &v = imCache ? *imCache : *zeile;
        const size_t vorher = liste.size();
        {
            OhneSonderformen ohne(m_manager);
            // What the stem path compared of this entry on this very word
            // would come again and go as duplicates.
            Vergleichen(v, wort, AlleBloecke(), lebendAlle, nachStamm ? StammVerglichen(id) : 0);
        }
        // The gerund's nominative is the infinitive, reported as such; so is
        // the second ending -re of the present passive (amāre beside amāris).
        auto weg = [&](TLatForm &f) {
            if (AlsInfinitivGemeldet(f))
                return true;
            if (!u)
                return false;
            const int32_t neu = u->pruefen(f.formId, v, geschrieben);
            if (neu < 0)
                return true;
            if (neu != f.formId) {
                f.formId = neu;
                f.bezeichnung = GeneratorBezeichnung(neu);
            }
            f.text = geschrieben;
            return false;
        };
        liste.erase(std::remove_if(liste.begin() + qsizetype(vorher), liste.end(), weg), liste.end());
        if (!imCache && liste.size() > vorher) {
            auto neu = std::make_unique<TVokabel>();
            zeile->KopierenNach(*neu);
            m_quelle.BedeutungenLaden(*neu);
            Cachen(std::move(neu));
        }
    }
}

const TFormanalyse::TEndungsbloecke &TFormanalyse::Endungsbloecke(const QString &wort)
{
    // Few sets of fitting blocks occur; the lists are built once per set
    // and dispatch letter.
    static_assert(kBlockanzahlHoechstens <= 60 && kBuchstabenbloeckeHoechstens <= 16);
    const uint64_t passend = PassendeBloecke(wort);
    const TBuchstabenbloecke &bl = BloeckeFuer(wort.isEmpty() ? QChar() : wort.back());
    const uint64_t schluessel = passend | (uint64_t(bl.nr) << 60);
    auto it = m_endungsBloecke.find(schluessel);
    if (it == m_endungsBloecke.end()) {
        it = m_endungsBloecke.try_emplace(schluessel).first;
        BloeckeWaehlen(bl, passend, it->second.buchstabe);
        BloeckeWaehlen(AlleBloecke(), passend, it->second.alle);
    }
    return it->second;
}

void TFormanalyse::BloeckeWaehlen(const TBuchstabenbloecke &bl, uint64_t passend, TLebendeBloecke &lebend)
{
    // The blocks whose endings fit the word, by word class; comparison
    // blocks stay in for the entries that compare with magis/maxime.
    const int32_t klassen[3] = {WA_VERB, WA_SUBSTANTIV, WA_ADJEKTIV};
    for (int k = 0; k < 3; ++k) {
        std::vector<TLebend> &l = lebend.bloecke[size_t(k)];
        l.clear();
        lebend.alle[size_t(k)] = 0;
        lebend.nurUmschrieben[size_t(k)] = 0;
        for (const TAnalyseblock &b : BloeckeDerWortart(bl, klassen[k])) {
            const bool passt = (passend >> b.nr) & 1;
            if (passt || b.regel == Blockregel::Steigerung) {
                l.push_back({&b, !passt});
                lebend.alle[size_t(k)] |= uint64_t(1) << b.nr;
                if (!passt)
                    lebend.nurUmschrieben[size_t(k)] |= uint64_t(1) << b.nr;
            }
        }
    }
}

void TFormanalyse::Stammpfad(const QString &wort, const QString &stamm)
{
    std::vector<TLatForm> &liste = Ergebnisliste();
    m_worthash = KleinHash(wort);
    const TLebendeBloecke &lebend = Endungsbloecke(wort).buchstabe;
    m_stammZeilen.clear();
    m_quelle.StaemmeFuerWort(stamm, wort.size(), m_stammZeilen);
    // Several stems of one entry lead to the same forms again; the repeats
    // would all be removed as duplicates, so the fast path skips them.
    size_t platz = 16;
    while (platz < 2 * m_stammZeilen.size())
        platz *= 2;
    m_gesehen.assign(platz, kFrei);
    m_stammVerglichen.assign(platz, {kFrei, 0});
    m_stammWort = wort;
    for (const int32_t id : m_stammZeilen) {
        if (m_optionen.schnell && Gesehen(id))
            continue;
        const TVokabel *zeile = m_quelle.Vokabelzeile(id);
        if (!zeile)
            continue;
        if (!StammzeilePlausibel(zeile->form1, wort.size()))
            continue;
        const TVokabel *imCache = InCache(id);
        const TVokabel &v = imCache ? *imCache : *zeile;
        const size_t vorher = liste.size();
        {
            OhneSonderformen ohne(m_manager);
            if (const uint64_t verglichen = Vergleichen(v, wort, BloeckeFuer(wort.back()), lebend))
                StammVerglichenSetzen(id, verglichen);
            if (v.Wortart() == WA_ADVERB) {
                if (GleichKlein(v.form1, wort))
                    liste.emplace_back(v.id, v.form1, fid::KOMPARATIV, QStringLiteral("Komparativ des Adverbs"));
                if (GleichKlein(v.form2, wort))
                    liste.emplace_back(v.id, v.form2, fid::SUPERLATIV, QStringLiteral("Superlativ des Adverbs"));
            }
        }
        if (!imCache && liste.size() > vorher) {
            auto neu = std::make_unique<TVokabel>();
            zeile->KopierenNach(*neu);
            m_quelle.BedeutungenLaden(*neu);
            Cachen(std::move(neu));
        }
    }
}

void TFormanalyse::StammVerglichenSetzen(int32_t id, uint64_t bloecke)
{
    if (id == kFrei)
        return;
    const size_t maske = m_stammVerglichen.size() - 1;
    for (size_t i = size_t(uint32_t(id) * 2654435761u) & maske;; i = (i + 1) & maske) {
        auto &[schluessel, wert] = m_stammVerglichen[i];
        if (schluessel == id || schluessel == kFrei) {
            schluessel = id;
            wert |= bloecke;
            return;
        }
    }
}

uint64_t TFormanalyse::StammVerglichen(int32_t id) const
{
    if (id == kFrei || m_stammVerglichen.empty())
        return 0;
    const size_t maske = m_stammVerglichen.size() - 1;
    for (size_t i = size_t(uint32_t(id) * 2654435761u) & maske;; i = (i + 1) & maske) {
        if (m_stammVerglichen[i].first == id)
            return m_stammVerglichen[i].second;
        if (m_stammVerglichen[i].first == kFrei)
            return 0;
    }
}

bool TFormanalyse::Gesehen(int32_t id)
{
    if (id == kFrei) // cannot be stored; such a row is simply not skipped
        return false;
    const size_t maske = m_gesehen.size() - 1;
    for (size_t i = size_t(uint32_t(id) * 2654435761u) & maske;; i = (i + 1) & maske) {
        if (m_gesehen[i] == id)
            return true;
        if (m_gesehen[i] == kFrei) {
            m_gesehen[i] = id;
            return false;
        }
    }
}

uint64_t TFormanalyse::Vergleichen(const TVokabel &v, const QString &wort, const TBuchstabenbloecke &bl,
                                   const TLebendeBloecke &lebend, uint64_t ohne)
{
    std::vector<TLatForm> &liste = Ergebnisliste();
    auto erzeugenUndVergleichen = [&](const TAnalyseblock &b, int32_t selektor, Blockspeicher::Eintrag *merken) {
        const size_t vorher = liste.size();
        if (m_optionen.schnell) {
            // Only the forms with the word's hash reach the list.
            m_blockHashes.clear();
            const TVergleichsfilter filter{m_worthash, &m_blockHashes};
            struct Gesetzt {
                TFormenmanager &m;
                ~Gesetzt() { m.SetVergleichsfilter(nullptr); }
            } gesetzt{m_manager};
            m_manager.SetVergleichsfilter(&filter);
            b.erzeugen(m_manager, v, selektor);
            if (merken)
                m_bloecke->Merken(*merken, b, m_blockHashes);
        } else {
            b.erzeugen(m_manager, v, selektor);
        }
        const auto weg = std::remove_if(liste.begin() + qsizetype(vorher), liste.end(),
                                        [&wort](const TLatForm &f) { return !GleichKlein(f.text, wort); });
        liste.erase(weg, liste.end());
        for (size_t i = vorher; i < liste.size(); ++i)
            if (liste[i].bezeichnung.isEmpty())
                liste[i].bezeichnung = GeneratorBezeichnung(liste[i].formId);
    };
    if (!m_optionen.schnell) {
        for (const TAnalyseblock &b : BloeckeDerWortart(bl, v.Wortart())) {
            const int32_t selektor = BlockSelektor(b, v);
            if (selektor >= 0)
                erzeugenUndVergleichen(b, selektor, nullptr);
        }
        return 0;
    }
    const int wa = v.Wortart();
    const int k = wa == WA_VERB ? 0 : wa == WA_SUBSTANTIV ? 1 : wa == WA_ADJEKTIV ? 2 : -1;
    if (k < 0 || (lebend.alle[size_t(k)] & ~ohne) == 0)
        return 0;
    Blockspeicher::Eintrag &eintrag = m_bloecke->EintragFuer(v);
    uint64_t pruefen = lebend.alle[size_t(k)] & ~ohne;
    if (!eintrag.umschrieben)
        pruefen &= ~lebend.nurUmschrieben[size_t(k)];
    // Blocks met for the first time are generated and compared while their
    // hashes are taken; the others only on a hash hit.
    const uint64_t erzeugen = pruefen & (~eintrag.erzeugt | eintrag.Treffer(m_worthash));
    if (erzeugen == 0)
        return pruefen;
    for (const TLebend &l : lebend.bloecke[size_t(k)]) {
        const TAnalyseblock &b = *l.block;
        const uint64_t bit = uint64_t(1) << b.nr;
        if (!(erzeugen & bit))
            continue;
        const int32_t selektor = BlockSelektor(b, v);
        if (selektor < 0) {
            eintrag.erzeugt |= bit; // holds none of the entry's forms
            continue;
        }
        if (!(eintrag.erzeugt & bit)) {
            erzeugenUndVergleichen(b, selektor, &eintrag);
            continue;
        }
        // Generation depends only on the entry's fields, which the record
        // matches: a word met before takes the forms it gave then.
        if (const auto *w = eintrag.Gefunden(b.nr, wort)) {
            liste.insert(liste.end(), w->formen.begin(), w->formen.end());
            continue;
        }
        const size_t vorher = liste.size();
        erzeugenUndVergleichen(b, selektor, nullptr);
        auto &w = eintrag.Neue();
        w.nr = b.nr;
        w.wort = wort;
        w.formen.assign(liste.begin() + qsizetype(vorher), liste.end());
    }
    return pruefen;
}

void TFormanalyse::Sonderformpfad(const QString &wort)
{
    std::vector<TLatForm> &liste = Ergebnisliste();
    m_sonderZeilen.clear();
    m_quelle.SonderformenMitPraefix(wort, m_optionen.schnell, m_sonderZeilen);
    for (const IAnalysequelle::TSonderformZeile &z : m_sonderZeilen) {
        if (!GleichKlein(z.form, wort))
            continue;
        const TVokabel *v = HolenUndCachen(z.vokabelId);
        if (!v)
            continue;
        int32_t formId = z.formId;
        const QString bezeichnung = FormBezeichnung(formId);
        // Nouns store their special forms without gender; the entry has it.
        const int32_t wa = v->Wortart();
        if ((wa == WA_SUBSTANTIV || wa == WA_PRONOMEN) && !(formId & fid::GENUS_MASKE) && !(formId & fid::MASK_FEM))
            formId |= GenusAusBuchstabe(v->form2);
        liste.emplace_back(v->id, wort, formId, bezeichnung);
    }
}

void TFormanalyse::Stichwortpfad(const QString &wort)
{
    m_stichwortZeilen.clear();
    m_quelle.StichwoerterMitPraefix(wort, m_optionen.schnell, m_stichwortZeilen);
    for (const IAnalysequelle::TStichwortZeile &z : m_stichwortZeilen) {
        if (!GleichKlein(z.vokabel, wort))
            continue;
        if (const TVokabel *v = HolenUndCachen(z.vokabelId))
            StichwortErgebnisse(*v, wort);
    }
}

void TFormanalyse::StichwortErgebnisse(const TVokabel &v, const QString &wort)
{
    std::vector<TLatForm> &liste = Ergebnisliste();
    auto neu = [&](int32_t formId) { liste.emplace_back(v.id, wort, formId, FormBezeichnung(formId)); };
    switch (v.Wortart()) {
    case WA_VERB:
        neu(fid::INFINITIV | fid::AKTIV | fid::PRAESENS);
        break;
    case WA_SUBSTANTIV:
    case WA_PRONOMEN: {
        // "p" (masculine and feminine) adds nothing here.
        const int32_t genus = GenusAusBuchstabe(v.form2) & fid::GENUS_MASKE;
        neu((v.PluralisTantum() ? fid::NOM_PL : fid::NOM_SG) | genus);
        break;
    }
    case WA_ADJEKTIV:
        // A plural-only adjective (pauci) names its nominative plural.
        neu(fid::POSITIV | fid::MASKULINUM | (v.PluralisTantum() ? fid::NOM_PL : fid::NOM_SG));
        // One ending (felix, felicis): the headword is every gender's nominative.
        if (v.form1.endsWith(QLatin1String("is")) && v.form2.isEmpty() && v.form3.isEmpty()) {
            neu(fid::POSITIV | fid::FEMININUM | fid::NOM_SG);
            neu(fid::POSITIV | fid::NEUTRUM | fid::NOM_SG);
        }
        break;
    default:
        liste.emplace_back(v.id, wort, 0, QString());
        break;
    }
}

void TFormanalyse::FormAnalysierenImBestand(const QString &wort)
{
    // Every generated form of the known entries counts, in any of the
    // spellings the full analysis folds (capitals, j, macrons, ligatures).
    const QString w = Falten(Normalisieren(wort));
    if (w.isEmpty())
        return;
    m_quelle.Auffrischen();
    std::vector<TLatForm> &liste = Ergebnisliste();
    if (!m_cache.empty()) {
        m_worthash = KleinHash(w);
        const TLebendeBloecke &alle = Endungsbloecke(w).alle;
        {
            OhneSonderformen ohne(m_manager);
            for (const auto &v : m_cache)
                Vergleichen(*v, w, AlleBloecke(), alle);
        }
        // Everything in the list that is not this word goes, so that the list
        // holds the analyses of the word just checked; the gerund's
        // nominative is the infinitive, reported as such.
        const auto weg = std::remove_if(liste.begin(), liste.end(), [&w](const TLatForm &f) {
            return !GleichKlein(f.text, w) || AlsInfinitivGemeldet(f);
        });
        liste.erase(weg, liste.end());
    }
    for (const auto &v : m_cache) {
        m_sonderZeilen.clear();
        m_quelle.SonderformenVon(v->id, m_sonderZeilen);
        for (const IAnalysequelle::TSonderformZeile &z : m_sonderZeilen)
            if (GleichKlein(z.form, w))
                liste.emplace_back(v->id, w, z.formId, FormBezeichnung(z.formId));
    }
    for (const auto &v : m_cache)
        if (GleichKlein(v->vokabel, w))
            StichwortErgebnisse(*v, w);
    Duplikateentfernen();
}

void TFormanalyse::Duplikateentfernen()
{
    std::vector<TLatForm> &liste = Ergebnisliste();
    QSet<quint64> gesehen;
    gesehen.reserve(qsizetype(liste.size()));
    size_t ziel = 0;
    for (size_t i = 0; i < liste.size(); ++i) {
        const quint64 schluessel = (quint64(quint32(liste[i].vokabelId)) << 32) | quint32(liste[i].formId);
        if (gesehen.contains(schluessel))
            continue;
        gesehen.insert(schluessel);
        if (ziel != i)
            liste[ziel] = std::move(liste[i]);
        ++ziel;
    }
    liste.erase(liste.begin() + qsizetype(ziel), liste.end());
}

} // namespace lexovita
