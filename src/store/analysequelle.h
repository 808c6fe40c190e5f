#pragma once

#include "store/schicht.h"

#include "model/zeilen.h"
#include "morph/analysequelle.h"
#include "store/datenmanager.h"

#include <QHash>
#include <QString>
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <unordered_map>
#include <vector>

struct sqlite3_stmt;

namespace lexovita {

// The analysis source read straight from the tables, one indexed query per
// look-up. Simple and always current; the reference the fast source is
// measured against.
class TAnalysequelleSql : public IAnalysequelle {
  public:
    explicit TAnalysequelleSql(TDatenmanager &daten, TBestand bestand = TBestand::Vokabeln)
        : m_daten(daten), m_bestand(bestand)
    {
    }

    void StaemmeMitPraefix(const QString &praefix, std::vector<int32_t> &ziel) override;
    void StaemmeAmWortanfang(const QString &wort, std::vector<int32_t> &ziel) override;
    void StichwoerterAmWortanfang(const QString &wort, std::vector<TStichwortZeile> &ziel) override;
    const TVokabel *Vokabelzeile(int32_t id) override;
    void SonderformenMitPraefix(const QString &praefix, bool nurGleiche, std::vector<TSonderformZeile> &ziel) override;
    void SonderformenVon(int32_t vokabelId, std::vector<TSonderformZeile> &ziel) override;
    void StichwoerterMitPraefix(const QString &praefix, bool nurGleiche, std::vector<TStichwortZeile> &ziel) override;
    void BedeutungenLaden(TVokabel &vokabel) override;

  private:
    TAnweisung Anweisung(const char *sql);
    TDatenmanager &m_daten;
    TBestand m_bestand;
    std::unique_ptr<TVokabel> m_zeile; // the row last asked for
};

// The statement for the given tables: the vocabulary's text as it is, or
// the same with the lexicon's tables.
std::string BestandSql(const char *sql, TBestand bestand);

// The German meanings of a lexicon lemma, in groups and positions.
void LexikonBedeutungenLaden(TVerbindung &verbindung, TVokabel &vokabel);

// The analysis source for bulk work: keeps the stem, entry, special-form and
// headword rows in memory and answers from there. Before each analysis it
// asks the connection whether the database changed (its own writes and
// other connections' commits) and then reads the tables afresh. Meanings
// are read once per entry and kept until the next change.
//
// Uses the data manager's connection; like it, one per thread.
class TAnalysequelle : public IAnalysequelle, private ITeilhaber {
  public:
    explicit TAnalysequelle(TDatenmanager &daten, TBestand bestand = TBestand::Vokabeln);
    ~TAnalysequelle() override;

    void Auffrischen() override;
    std::optional<uint64_t> Datenstand() const override;
    void StaemmeMitPraefix(const QString &praefix, std::vector<int32_t> &ziel) override;
    void StaemmeFuerWort(const QString &praefix, qsizetype wortLaenge, std::vector<int32_t> &ziel) override;
    void StaemmeAmWortanfang(const QString &wort, std::vector<int32_t> &ziel) override;
    void StichwoerterAmWortanfang(const QString &wort, std::vector<TStichwortZeile> &ziel) override;
    const TVokabel *Vokabelzeile(int32_t id) override;
    void SonderformenMitPraefix(const QString &praefix, bool nurGleiche, std::vector<TSonderformZeile> &ziel) override;
    void SonderformenVon(int32_t vokabelId, std::vector<TSonderformZeile> &ziel) override;
    void StichwoerterMitPraefix(const QString &praefix, bool nurGleiche, std::vector<TStichwortZeile> &ziel) override;
    void BedeutungenLaden(TVokabel &vokabel) override;

    // How often the tables were read into memory (for tests and figures).
    int Aufbauten() const { return m_aufbauten; }

    // A read session for a whole text: one read transaction on the
    // connection, so commits of other connections cannot appear until it
    // ends (the connection reads one snapshot). Meanwhile the per-word check
    // only watches this connection's own writes, which costs no file lock.
    // Does nothing when the caller already has a transaction open.
    void SitzungBeginnen();
    void SitzungBeenden();

  private:
    // Before the database is swapped: the session ends, the kept statement
    // goes, and the next look-up reads the tables afresh.
    void Loslassen() override;

    struct Stand {
        int64_t datenversion = -1;
        int64_t aenderungen = -1;
        bool operator==(const Stand &) const = default;
    };
    Stand AktuellerStand();
    void Aufbauen();
    const TVokabel *Zeile(int32_t id) const; // from the tables as they are
    void Bereitstellen();
    void AlleBedeutungenLesen();

    static constexpr int kEinzelnHoechstens = 32; // meanings read singly before reading all

    TAnweisung Anweisung(const char *sql) { return m_daten.Verbindung().Anweisung(BestandSql(sql, m_bestand).c_str()); }
    TDatenmanager &m_daten;
    TBestand m_bestand;
    TAnalysequelleSql m_sql; // for the look-ups the memory copy does not cover
    bool m_gebaut = false;
    bool m_sitzung = false;
    Stand m_stand;
    int m_aufbauten = 0;

    // A stem row, its text in m_stammText; with what the stem path's
    // plausibility filter asks of the entry, so that rows it skips need not
    // be touched at all.
    struct TStamm {
        uint32_t anfang;
        uint32_t laenge;
        int32_t vokabelId;
        int32_t form1Laenge; // -1: no such entry
        bool genitivPlural;  // GenitivPluralArumOrum(form1)
    };
    // The ranges of a sorted array by the first one and two letters a-z of
    // its texts: a search starts inside them rather than in the whole array,
    // whose first halvings would each touch memory far apart.
    struct TAnfangsindex {
        static constexpr int kBuchstaben = 26;
        std::array<std::pair<uint32_t, uint32_t>, kBuchstaben> eins{};
        std::array<std::pair<uint32_t, uint32_t>, size_t(kBuchstaben) * kBuchstaben> zwei{};
        template <typename T, typename TextFn> void Aufbauen(const std::vector<T> &feld, TextFn text);
        // The range of the texts beginning with `anfang`'s first one or two
        // letters; false where they are not both a-z (search all then).
        bool Bereich(QStringView anfang, qsizetype laenge, uint32_t &von, uint32_t &bis) const;
    };
    TAnfangsindex m_stammIndex, m_stichwortIndex;
    template <typename Fn> void StaemmeDurchgehen(const QString &praefix, Fn &&fn);
    QStringView Stammtext(const TStamm &z) const { return QStringView(m_stammText).mid(z.anfang, z.laenge); }
    QString m_stammText;                                       // every stem, one after the other
    std::vector<TStamm> m_staemme;                             // in stem order
    std::deque<TVokabel> m_vokabeln;                           // entry rows in id order (a deque: they stay in place)
    std::vector<const TVokabel *> m_nachId;                    // the same, indexed by id while ids are dense
    QHash<QString, std::vector<TSonderformZeile>> m_formen;    // by lower-cased text, in form index order
    QHash<int32_t, std::vector<TSonderformZeile>> m_formenVon; // by entry, in storage order
    struct TStichwortAnfang {
        uint32_t anfang; // the lower-cased headword in m_stichwortText
        uint32_t laenge;
        uint32_t von, bis; // its rows in m_stichwortZeilen
    };
    std::vector<TStichwortAnfang> m_stichwortAnfaenge; // sorted by lower-cased headword, each once
    std::vector<TStichwortZeile> m_stichwortZeilen;    // in that order, equal ones in id order
    // The lower-cased headword equal to `text`, or null.
    const TStichwortAnfang *StichwortGleich(QStringView text) const;
    QString m_stichwortText;                               // their headwords one after the other
    QHash<int32_t, std::vector<TBedeutung>> m_bedeutungen; // read on first use
    bool m_bedeutungenAlle = false;                        // every entry's meanings are in m_bedeutungen
    int m_einzelnGeladen = 0;                              // meanings read singly since the tables
    sqlite3_stmt *m_datenversion = nullptr;                // PRAGMA data_version, kept prepared
};

// Holds a read session of the source for its lifetime.
class TLesesitzung {
  public:
    explicit TLesesitzung(TAnalysequelle &quelle) : m_quelle(quelle) { m_quelle.SitzungBeginnen(); }
    ~TLesesitzung() { m_quelle.SitzungBeenden(); }
    TLesesitzung(const TLesesitzung &) = delete;
    TLesesitzung &operator=(const TLesesitzung &) = delete;

  private:
    TAnalysequelle &m_quelle;
};

} // namespace lexovita
