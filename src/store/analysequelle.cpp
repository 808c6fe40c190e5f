#include "store/analysequelle.h"

#include "morph/laengen.h"
#include "morph/staemme.h"
#include "morph/stammfilter.h"

#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <tuple>
#include <utility>

namespace lexovita {

namespace {

// LIKE pattern for "begins with": the text with its wildcards escaped.
QString LikeAnfang(const QString &praefix)
{
    QString muster;
    muster.reserve(praefix.size() + 1);
    for (QChar c : praefix) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
            muster += QLatin1Char('\\');
        muster += c;
    }
    muster += QLatin1Char('%');
    return muster;
}

char16_t AsciiKleinesZeichen(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? char16_t(u + 32) : u;
}

// Narrows [von, bis), sorted texts that all begin with the word's first
// `stelle` characters, to those whose next character is `c`: the text equal
// to the longer beginning first, then the ones going on.
template <typename It, typename TextFn>
std::pair<It, It> Eingrenzen(It von, It bis, qsizetype stelle, char16_t c, TextFn text)
{
    const auto zeichen = [&](const auto &z) -> int {
        const QStringView t = text(z);
        return t.size() > stelle ? int(t[stelle].unicode()) : -1;
    };
    von = std::partition_point(von, bis, [&](const auto &z) { return zeichen(z) < int(c); });
    bis = std::partition_point(von, bis, [&](const auto &z) { return zeichen(z) <= int(c); });
    return {von, bis};
}

// The analysis matches plain words: an entry's vowel lengths (amāre, amō)
// are taken off its headword and principal parts before it sees them.
void LaengenAbnehmen(TVokabel &v)
{
    for (QString *t : {&v.vokabel, &v.form1, &v.form2, &v.form3})
        if (HatLaengen(*t))
            *t = LaengenEntfernen(*t);
}

const char *const kVokabelZeile = "SELECT id, vokabel, form1, form2, form3, konjdekl, wortart, attribute, "
                                  "aktualisierung FROM vokabel WHERE id = ?1";

} // namespace

// ---------------------------------------------------------------- TAnalysequelleSql

std::string BestandSql(const char *sql, TBestand bestand)
{
    std::string s(sql);
    if (bestand == TBestand::Vokabeln)
        return s;
    for (const char *tabelle : {"vokabel", "stamm", "sonderform"}) {
        const std::string alt = std::string("FROM ") + tabelle + " ";
        const std::string neu = std::string("FROM lex_") + tabelle + " ";
        s += ' '; // a table name at the very end
        for (size_t p = s.find(alt); p != std::string::npos; p = s.find(alt, p + neu.size()))
            s.replace(p, alt.size(), neu);
        s.pop_back();
    }
    return s;
}

void LexikonBedeutungenLaden(TVerbindung &verbindung, TVokabel &vokabel)
{
    TAnweisung a = verbindung.Anweisung("SELECT bedeutung, gruppe, position FROM lex_bedeutung "
                                        "WHERE vokabel_id = ?1 AND sprache = 1 ORDER BY gruppe, position, rowid");
    a.Binden(1, vokabel.id);
    while (a.Schritt())
        vokabel.BedeutungHinzufuegen(a.Text(0), QString(), a.Int(1), a.Int(2));
}

TAnweisung TAnalysequelleSql::Anweisung(const char *sql)
{
    return m_daten.Verbindung().Anweisung(BestandSql(sql, m_bestand).c_str());
}

void TAnalysequelleSql::StaemmeMitPraefix(const QString &praefix, std::vector<int32_t> &ziel)
{
    const QString anfang = AsciiKlein(praefix);
    const QString ende = PraefixEnde(anfang);
    TAnweisung a = ende.isNull() ? Anweisung("SELECT vokabel_id, stamm FROM stamm WHERE stamm >= ?1 "
                                             "ORDER BY stamm, rowid")
                                 : Anweisung("SELECT vokabel_id, stamm FROM stamm WHERE stamm >= ?1 "
                                             "AND stamm < ?2 ORDER BY stamm, rowid");
    a.Binden(1, anfang);
    if (!ende.isNull())
        a.Binden(2, ende);
    while (a.Schritt())
        ziel.push_back(a.Int(0));
}

void TAnalysequelleSql::StaemmeAmWortanfang(const QString &wort, std::vector<int32_t> &ziel)
{
    const QString w = AsciiKlein(wort);
    for (qsizetype k = 1; k <= w.size(); ++k) {
        for (const QString &stamm : {w.left(k), w.left(k) + QLatin1Char('v')}) {
            TAnweisung a = Anweisung("SELECT vokabel_id FROM stamm WHERE stamm = ?1 ORDER BY stamm, rowid");
            a.Binden(1, stamm);
            while (a.Schritt())
                ziel.push_back(a.Int(0));
        }
    }
}

void TAnalysequelleSql::StichwoerterAmWortanfang(const QString &wort, std::vector<TStichwortZeile> &ziel)
{
    const QString w = wort.toLower();
    for (qsizetype k = 1; k <= w.size(); ++k) {
        TAnweisung a = Anweisung("SELECT id, vokabel FROM vokabel WHERE vokabel_lower = ?1 ORDER BY vokabel_lower, id");
        a.Binden(1, w.left(k));
        while (a.Schritt())
            ziel.push_back({a.Int(0), LaengenEntfernen(a.Text(1))});
    }
}

const TVokabel *TAnalysequelleSql::Vokabelzeile(int32_t id)
{
    TAnweisung a = Anweisung(kVokabelZeile);
    a.Binden(1, id);
    m_zeile = a.Schritt() ? TDatenmanager::VokabelAusDatensatz(a) : nullptr;
    if (m_zeile)
        LaengenAbnehmen(*m_zeile);
    return m_zeile.get();
}

void TAnalysequelleSql::SonderformenMitPraefix(const QString &praefix, bool, std::vector<TSonderformZeile> &ziel)
{
    // LIKE ignores the case of ASCII letters only, as the analysis compares.
    TAnweisung a = Anweisung("SELECT vokabel_id, form_id, form FROM sonderform "
                             "WHERE form LIKE ?1 ESCAPE '\\' ORDER BY form, rowid");
    a.Binden(1, LikeAnfang(praefix));
    while (a.Schritt())
        ziel.push_back({a.Int(0), a.Int(1), a.Text(2)});
}

void TAnalysequelleSql::SonderformenVon(int32_t vokabelId, std::vector<TSonderformZeile> &ziel)
{
    TAnweisung a = Anweisung("SELECT vokabel_id, form_id, form FROM sonderform WHERE vokabel_id = ?1 ORDER BY rowid");
    a.Binden(1, vokabelId);
    while (a.Schritt())
        ziel.push_back({a.Int(0), a.Int(1), a.Text(2)});
}

void TAnalysequelleSql::StichwoerterMitPraefix(const QString &praefix, bool, std::vector<TStichwortZeile> &ziel)
{
    // The headword index runs over the lower-cased headword.
    const QString anfang = praefix.toLower();
    const QString ende = PraefixEnde(anfang);
    TAnweisung a = ende.isNull() ? Anweisung("SELECT id, vokabel FROM vokabel WHERE "
                                             "vokabel_lower >= ?1 ORDER BY vokabel_lower, id")
                                 : Anweisung("SELECT id, vokabel FROM vokabel WHERE "
                                             "vokabel_lower >= ?1 AND vokabel_lower < ?2 "
                                             "ORDER BY vokabel_lower, id");
    a.Binden(1, anfang);
    if (!ende.isNull())
        a.Binden(2, ende);
    while (a.Schritt())
        ziel.push_back({a.Int(0), LaengenEntfernen(a.Text(1))});
}

void TAnalysequelleSql::BedeutungenLaden(TVokabel &vokabel)
{
    if (m_bestand == TBestand::Lexikon)
        return LexikonBedeutungenLaden(m_daten.Verbindung(), vokabel);
    m_daten.BedeutungenLaden(vokabel);
}

// ---------------------------------------------------------------- TAnalysequelle

TAnalysequelle::TAnalysequelle(TDatenmanager &daten, TBestand bestand)
    : m_daten(daten), m_bestand(bestand), m_sql(daten, bestand)
{
    m_daten.TeilhaberAnmelden(*this);
}

TAnalysequelle::~TAnalysequelle()
{
    m_daten.TeilhaberAbmelden(*this);
    SitzungBeenden();
    sqlite3_finalize(m_datenversion);
}

void TAnalysequelle::Loslassen()
{
    SitzungBeenden();
    sqlite3_finalize(m_datenversion);
    m_datenversion = nullptr;
    m_gebaut = false;
    m_stand = {};
    m_bedeutungen.clear();
    m_bedeutungenAlle = false;
    m_einzelnGeladen = 0;
}

TAnalysequelle::Stand TAnalysequelle::AktuellerStand()
{
    Stand s;
    // Moves on when another connection committed a change. Asked before
    // every word, so the statement is kept prepared rather than fetched
    // from the connection's cache each time.
    static const char *const kSql = "PRAGMA data_version";
    TVerbindung &verbindung = m_daten.Verbindung();
    sqlite3 *db = verbindung.Handle();
    if (!m_datenversion) {
        const int rc = sqlite3_prepare_v2(db, kSql, -1, &m_datenversion, nullptr);
        if (rc != SQLITE_OK) {
            sqlite3_finalize(m_datenversion);
            m_datenversion = nullptr;
            verbindung.Fehler(rc, kSql);
        }
    }
    const int rc = sqlite3_step(m_datenversion);
    if (rc == SQLITE_ROW)
        s.datenversion = sqlite3_column_int64(m_datenversion, 0);
    sqlite3_reset(m_datenversion);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        verbindung.Fehler(rc, kSql);
    // Counts this connection's own writes, which data_version does not see.
    s.aenderungen = sqlite3_total_changes(db);
    return s;
}

void TAnalysequelle::Auffrischen()
{
    if (m_sitzung && m_gebaut && sqlite3_total_changes(m_daten.Verbindung().Handle()) == m_stand.aenderungen)
        return;
    const Stand jetzt = AktuellerStand();
    if (!m_gebaut || !(jetzt == m_stand)) {
        Aufbauen();
        m_stand = jetzt;
    }
}

std::optional<uint64_t> TAnalysequelle::Datenstand() const
{
    // Every change the source notices reads the tables afresh.
    if (!m_gebaut)
        return std::nullopt;
    return uint64_t(m_aufbauten);
}

void TAnalysequelle::SitzungBeginnen()
{
    TVerbindung &verbindung = m_daten.Verbindung();
    if (m_sitzung || sqlite3_get_autocommit(verbindung.Handle()) == 0)
        return;
    verbindung.Ausfuehren("BEGIN");
    try {
        // The first read inside the transaction fixes the snapshot.
        Auffrischen();
    } catch (...) {
        sqlite3_exec(verbindung.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    m_sitzung = true;
}

void TAnalysequelle::SitzungBeenden()
{
    if (!m_sitzung)
        return;
    m_sitzung = false;
    sqlite3_exec(m_daten.Verbindung().Handle(), "COMMIT", nullptr, nullptr, nullptr);
}

void TAnalysequelle::Bereitstellen()
{
    if (!m_gebaut)
        Auffrischen();
}

namespace {

// 0-25 for a-z, -1 otherwise.
int Buchstabe(QChar c)
{
    const char16_t u = c.unicode();
    return u >= u'a' && u <= u'z' ? int(u - u'a') : -1;
}

} // namespace

template <typename T, typename TextFn>
void TAnalysequelle::TAnfangsindex::Aufbauen(const std::vector<T> &feld, TextFn text)
{
    eins.fill({0, 0});
    zwei.fill({0, 0});
    // The array is sorted, so each range is one run: its first and last index.
    auto erweitern = [](std::pair<uint32_t, uint32_t> &b, uint32_t i) {
        if (b.first == b.second)
            b.first = i;
        b.second = i + 1;
    };
    for (uint32_t i = 0; i < uint32_t(feld.size()); ++i) {
        const QStringView t = text(feld[i]);
        const int a = t.isEmpty() ? -1 : Buchstabe(t[0]);
        if (a < 0)
            continue;
        erweitern(eins[size_t(a)], i);
        const int b = t.size() < 2 ? -1 : Buchstabe(t[1]);
        if (b >= 0)
            erweitern(zwei[size_t(a) * kBuchstaben + size_t(b)], i);
    }
}

bool TAnalysequelle::TAnfangsindex::Bereich(QStringView anfang, qsizetype laenge, uint32_t &von, uint32_t &bis) const
{
    const int a = anfang.isEmpty() || laenge < 1 ? -1 : Buchstabe(anfang[0]);
    if (a < 0)
        return false;
    if (laenge == 1) {
        std::tie(von, bis) = eins[size_t(a)];
        return true;
    }
    const int b = anfang.size() < 2 ? -1 : Buchstabe(anfang[1]);
    if (b < 0)
        return false;
    std::tie(von, bis) = zwei[size_t(a) * kBuchstaben + size_t(b)];
    return true;
}

void TAnalysequelle::Aufbauen()
{
    m_gebaut = false;
    m_staemme.clear();
    m_vokabeln.clear();
    m_formen.clear();
    m_formenVon.clear();
    m_nachId.clear();
    m_stichwortZeilen.clear();
    m_stichwortAnfaenge.clear();
    m_stichwortText.clear();
    m_bedeutungen.clear();
    m_bedeutungenAlle = false;
    m_einzelnGeladen = 0;
    m_stammText.clear();
    {
        TAnweisung a = Anweisung("SELECT stamm, vokabel_id FROM stamm ORDER BY stamm, rowid");
        while (a.Schritt()) {
            const QString stamm = a.Text(0);
            m_staemme.push_back({uint32_t(m_stammText.size()), uint32_t(stamm.size()), a.Int(1), -1, false});
            m_stammText += stamm;
        }
        // Prefix searches below compare QStrings; equal stems keep storage
        // order. The database's order is that order unless a stem holds
        // characters beyond the first plane.
        const auto vor = [this](const TStamm &x, const TStamm &y) { return Stammtext(x) < Stammtext(y); };
        if (!std::is_sorted(m_staemme.begin(), m_staemme.end(), vor))
            std::stable_sort(m_staemme.begin(), m_staemme.end(), vor);
        m_stammIndex.Aufbauen(m_staemme, [this](const TStamm &z) { return Stammtext(z); });
    }
    {
        TAnweisung a = Anweisung("SELECT id, vokabel, form1, form2, form3, konjdekl, wortart, attribute, "
                                 "aktualisierung FROM vokabel ORDER BY id");
        std::vector<std::pair<QString, TStichwortZeile>> stichwoerter; // lower-cased headword, row
        while (a.Schritt()) {
            TVokabel &v = m_vokabeln.emplace_back();
            TDatenmanager::VokabelAusDatensatz(a, v);
            LaengenAbnehmen(v);
            stichwoerter.push_back({AsciiKlein(v.vokabel), {v.id, v.vokabel}});
        }
        // Sorted beside each other in one text, so that the searches touch
        // little memory; equal headwords stay in id order.
        std::stable_sort(stichwoerter.begin(), stichwoerter.end(),
                         [](const auto &x, const auto &y) { return x.first < y.first; });
        m_stichwortZeilen.reserve(stichwoerter.size());
        for (size_t i = 0; i < stichwoerter.size(); ++i) {
            const QString &k = stichwoerter[i].first;
            if (i == 0 || k != stichwoerter[i - 1].first) {
                const auto z = uint32_t(m_stichwortZeilen.size());
                m_stichwortAnfaenge.push_back({uint32_t(m_stichwortText.size()), uint32_t(k.size()), z, z});
                m_stichwortText += k;
            }
            m_stichwortZeilen.push_back(std::move(stichwoerter[i].second));
            m_stichwortAnfaenge.back().bis = uint32_t(m_stichwortZeilen.size());
        }
        m_stichwortIndex.Aufbauen(m_stichwortAnfaenge, [this](const TStichwortAnfang &s) {
            return QStringView(m_stichwortText).mid(s.anfang, s.laenge);
        });
        // Ids are handed out one after the other; a direct table is then
        // the quickest look-up.
        const int32_t hoechste = m_vokabeln.empty() ? -1 : m_vokabeln.back().id; // read in id order
        if (hoechste >= 0 && size_t(hoechste) <= 4 * m_vokabeln.size() + 65536) {
            m_nachId.assign(size_t(hoechste) + 1, nullptr);
            for (const TVokabel &v : m_vokabeln)
                if (v.id >= 0)
                    m_nachId[size_t(v.id)] = &v;
        }
        for (TStamm &z : m_staemme) {
            const TVokabel *v = Zeile(z.vokabelId);
            if (!v)
                continue;
            const QString &f1 = v->form1;
            z.form1Laenge = int32_t(f1.size());
            z.genitivPlural = GenitivPluralArumOrum(f1);
        }
    }
    {
        TAnweisung a = Anweisung("SELECT vokabel_id, form_id, form FROM sonderform ORDER BY form, rowid");
        while (a.Schritt()) {
            TSonderformZeile z{a.Int(0), a.Int(1), a.Text(2)};
            m_formen[AsciiKlein(z.form)].push_back(z);
        }
    }
    {
        TAnweisung a = Anweisung("SELECT vokabel_id, form_id, form FROM sonderform ORDER BY rowid");
        while (a.Schritt())
            m_formenVon[a.Int(0)].push_back({a.Int(0), a.Int(1), a.Text(2)});
    }
    m_gebaut = true;
    ++m_aufbauten;
}

template <typename Fn> void TAnalysequelle::StaemmeDurchgehen(const QString &praefix, Fn &&fn)
{
    Bereitstellen();
    const QString anfang = AsciiKlein(praefix);
    const QStringView p(anfang);
    // Compared by UTF-16 unit, as the stems are sorted, inline: one search
    // per word.
    const QChar *const pa = p.data();
    const QChar *const pe = pa + p.size();
    auto von = m_staemme.begin(), bis = m_staemme.end();
    uint32_t a = 0, b = 0;
    if (m_stammIndex.Bereich(p, std::min<qsizetype>(p.size(), 2), a, b)) {
        von = m_staemme.begin() + a;
        bis = m_staemme.begin() + b;
    }
    auto it = std::lower_bound(von, bis, p, [this, pa, pe](const TStamm &z, QStringView) {
        const QChar *const t = m_stammText.constData() + z.anfang;
        return std::lexicographical_compare(t, t + z.laenge, pa, pe);
    });
    // The stems that begin with the prefix follow each other from there.
    for (; it != bis && it->laenge >= uint32_t(p.size()) && std::equal(pa, pe, m_stammText.constData() + it->anfang);
         ++it)
        fn(*it);
}

void TAnalysequelle::StaemmeMitPraefix(const QString &praefix, std::vector<int32_t> &ziel)
{
    StaemmeDurchgehen(praefix, [&ziel](const TStamm &z) { ziel.push_back(z.vokabelId); });
}

void TAnalysequelle::StaemmeFuerWort(const QString &praefix, qsizetype wortLaenge, std::vector<int32_t> &ziel)
{
    StaemmeDurchgehen(praefix, [&ziel, wortLaenge](const TStamm &z) {
        if (z.form1Laenge < 0 || !StammzeilePlausibel(z.form1Laenge, z.genitivPlural, wortLaenge))
            return;
        ziel.push_back(z.vokabelId);
    });
}

void TAnalysequelle::StaemmeAmWortanfang(const QString &wort, std::vector<int32_t> &ziel)
{
    Bereitstellen();
    // Each longer beginning narrows the range of the shorter one, one
    // character at a time; the stem equal to the beginning leads its range.
    const auto text = [this](const TStamm &z) { return Stammtext(z); };
    auto von = m_staemme.begin(), bis = m_staemme.end();
    const QString klein = AsciiKlein(wort.left(2));
    for (qsizetype k = 1; k <= wort.size(); ++k) {
        uint32_t a = 0, b = 0;
        if (k <= 2 && m_stammIndex.Bereich(klein, k, a, b)) {
            von = m_staemme.begin() + a;
            bis = m_staemme.begin() + b;
        } else {
            std::tie(von, bis) = Eingrenzen(von, bis, k - 1, AsciiKleinesZeichen(wort[k - 1]), text);
        }
        auto it = von;
        for (; it != bis && qsizetype(it->laenge) == k; ++it)
            ziel.push_back(it->vokabelId);
        if (it == bis)
            break; // no stem goes on with this beginning
        for (it = Eingrenzen(it, bis, k, u'v', text).first;
             it != bis && qsizetype(it->laenge) == k + 1 && Stammtext(*it)[k] == QLatin1Char('v'); ++it)
            ziel.push_back(it->vokabelId);
    }
}

void TAnalysequelle::StichwoerterAmWortanfang(const QString &wort, std::vector<TStichwortZeile> &ziel)
{
    Bereitstellen();
    const auto text = [this](const TStichwortAnfang &a) {
        return QStringView(m_stichwortText).mid(a.anfang, a.laenge);
    };
    auto von = m_stichwortAnfaenge.cbegin(), bis = m_stichwortAnfaenge.cend();
    for (qsizetype k = 1; k <= wort.size() && von != bis; ++k) {
        uint32_t a = 0, b = 0;
        if (k <= 2 && m_stichwortIndex.Bereich(wort, k, a, b)) {
            von = m_stichwortAnfaenge.cbegin() + a;
            bis = m_stichwortAnfaenge.cbegin() + b;
        } else {
            std::tie(von, bis) = Eingrenzen(von, bis, k - 1, wort[k - 1].unicode(), text);
        }
        if (von != bis && qsizetype(von->laenge) == k)
            ziel.insert(ziel.end(), m_stichwortZeilen.begin() + von->von, m_stichwortZeilen.begin() + von->bis);
    }
}

const TVokabel *TAnalysequelle::Vokabelzeile(int32_t id)
{
    Bereitstellen();
    return Zeile(id);
}

const TVokabel *TAnalysequelle::Zeile(int32_t id) const
{
    if (!m_nachId.empty() && id >= 0)
        return size_t(id) < m_nachId.size() ? m_nachId[size_t(id)] : nullptr;
    const auto it = std::lower_bound(m_vokabeln.begin(), m_vokabeln.end(), id,
                                     [](const TVokabel &v, int32_t gesucht) { return v.id < gesucht; });
    return it != m_vokabeln.end() && it->id == id ? &*it : nullptr;
}

void TAnalysequelle::SonderformenMitPraefix(const QString &praefix, bool nurGleiche,
                                            std::vector<TSonderformZeile> &ziel)
{
    if (!nurGleiche)
        return m_sql.SonderformenMitPraefix(praefix, nurGleiche, ziel);
    Bereitstellen();
    const auto it = m_formen.constFind(praefix);
    if (it != m_formen.constEnd())
        ziel.insert(ziel.end(), it->begin(), it->end());
}

void TAnalysequelle::SonderformenVon(int32_t vokabelId, std::vector<TSonderformZeile> &ziel)
{
    Bereitstellen();
    const auto it = m_formenVon.constFind(vokabelId);
    if (it != m_formenVon.constEnd())
        ziel.insert(ziel.end(), it->begin(), it->end());
}

void TAnalysequelle::StichwoerterMitPraefix(const QString &praefix, bool nurGleiche, std::vector<TStichwortZeile> &ziel)
{
    if (!nurGleiche)
        return m_sql.StichwoerterMitPraefix(praefix, nurGleiche, ziel);
    Bereitstellen();
    if (const TStichwortAnfang *a = StichwortGleich(praefix))
        ziel.insert(ziel.end(), m_stichwortZeilen.begin() + a->von, m_stichwortZeilen.begin() + a->bis);
}

const TAnalysequelle::TStichwortAnfang *TAnalysequelle::StichwortGleich(QStringView text) const
{
    auto von = m_stichwortAnfaenge.cbegin(), bis = m_stichwortAnfaenge.cend();
    uint32_t a = 0, b = 0;
    if (m_stichwortIndex.Bereich(text, std::min<qsizetype>(text.size(), 2), a, b)) {
        von = m_stichwortAnfaenge.cbegin() + a;
        bis = m_stichwortAnfaenge.cbegin() + b;
    }
    const auto kopf = [this](const TStichwortAnfang &x) {
        return QStringView(m_stichwortText).mid(x.anfang, x.laenge);
    };
    const auto it =
        std::lower_bound(von, bis, text, [&](const TStichwortAnfang &x, QStringView t) { return kopf(x) < t; });
    return it != bis && kopf(*it) == text ? &*it : nullptr;
}

void TAnalysequelle::BedeutungenLaden(TVokabel &vokabel)
{
    // The lexicon's meanings are read per lemma: a text asks for few of them.
    if (m_bestand == TBestand::Lexikon) {
        if (vokabel.bedeutungen.empty())
            LexikonBedeutungenLaden(m_daten.Verbindung(), vokabel);
        return;
    }
    // The kept copy stands for a load into an entry without meanings.
    if (!vokabel.bedeutungen.empty())
        return m_daten.BedeutungenLaden(vokabel);
    Bereitstellen();
    auto it = m_bedeutungen.find(vokabel.id);
    // A few entries are read one by one (a single look-up should not pay for
    // the whole table); once a text keeps asking, all are read in one go.
    if (it == m_bedeutungen.end() && !m_bedeutungenAlle && ++m_einzelnGeladen > kEinzelnHoechstens) {
        AlleBedeutungenLesen();
        it = m_bedeutungen.find(vokabel.id);
    }
    if (it == m_bedeutungen.end()) {
        TVokabel frisch;
        frisch.id = vokabel.id;
        m_daten.BedeutungenLaden(frisch);
        std::vector<TBedeutung> kopie;
        kopie.reserve(frisch.bedeutungen.size());
        for (const auto &b : frisch.bedeutungen)
            kopie.push_back(*b);
        it = m_bedeutungen.insert(vokabel.id, std::move(kopie));
    }
    for (const TBedeutung &b : *it)
        vokabel.bedeutungen.push_back(std::make_unique<TBedeutung>(b));
}

void TAnalysequelle::AlleBedeutungenLesen()
{
    // Every entry gets its list, empty ones included, so that no entry is
    // asked for singly afterwards.
    for (const TVokabel &v : m_vokabeln)
        if (!m_bedeutungen.contains(v.id))
            m_bedeutungen.insert(v.id, {});
    TAnweisung a = m_daten.Verbindung().Anweisung(
        "SELECT vb.vokabel_id, vb.gruppe, vb.position, vb.bedeutung_id, vb.kommentar, b.bedeutung "
        "FROM vok_bed AS vb LEFT JOIN bedeutung AS b ON b.id = vb.bedeutung_id "
        "ORDER BY vb.vokabel_id, vb.rowid");
    std::vector<TBedeutungsrohzeile> roh;
    int32_t aktuell = 0;
    bool offen = false;
    auto abschliessen = [&]() {
        if (!offen)
            return;
        // Entries read singly before keep their list.
        auto it = m_bedeutungen.find(aktuell);
        if (it == m_bedeutungen.end() || it->empty()) {
            TVokabel v;
            v.id = aktuell;
            BedeutungenAufbereiten(roh, v);
            std::vector<TBedeutung> liste;
            liste.reserve(v.bedeutungen.size());
            for (const auto &b : v.bedeutungen)
                liste.push_back(std::move(*b));
            m_bedeutungen.insert(aktuell, std::move(liste));
        }
        roh.clear();
    };
    while (a.Schritt()) {
        const int32_t id = a.Int(0);
        if (!offen || id != aktuell) {
            abschliessen();
            aktuell = id;
            offen = true;
        }
        roh.push_back({a.Int(1), a.Int(2), a.Int64(3), a.Text(4), a.Text(5)});
    }
    abschliessen();
    m_bedeutungenAlle = true;
}

} // namespace lexovita
