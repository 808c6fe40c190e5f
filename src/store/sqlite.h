#pragma once

#include "store/schicht.h"

// Thin RAII layer over the SQLCipher C API. Every value reaches SQL through
// a bound parameter; every result code is checked and turned into a
// DatenbankFehler with a German text.

#include "store/fehler.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace lexovita {

class TVerbindung;

// One prepared statement, borrowed from the connection's cache and handed
// back (reset, bindings cleared) when it goes out of scope. Must not outlive
// its connection. Parameter indexes and column numbers follow sqlite: ?1 is
// index 1, the first result column is 0.
class TAnweisung {
  public:
    TAnweisung() = default;
    TAnweisung(TAnweisung &&andere) noexcept;
    TAnweisung &operator=(TAnweisung &&andere) noexcept;
    TAnweisung(const TAnweisung &) = delete;
    TAnweisung &operator=(const TAnweisung &) = delete;
    ~TAnweisung();

    TAnweisung &Binden(int index, int32_t wert);
    TAnweisung &Binden(int index, int64_t wert);
    TAnweisung &Binden(int index, double wert);
    TAnweisung &Binden(int index, const QString &wert); // a null QString binds as ''
    TAnweisung &BindenNull(int index);

    // Advances to the next row; false once the statement has finished.
    bool Schritt();
    // Runs the statement to its end (for INSERT/UPDATE/DELETE).
    void Ausfuehren();
    // Makes the statement runnable again; bindings are kept.
    void Zuruecksetzen();

    int Spaltenzahl() const;
    bool IstNull(int spalte) const;
    int32_t Int(int spalte) const;
    int64_t Int64(int spalte) const;
    double Double(int spalte) const;
    QString Text(int spalte) const;
    QString Spaltenname(int spalte) const;

  private:
    friend class TVerbindung;
    TAnweisung(TVerbindung *verbindung, sqlite3_stmt *stmt, std::string sql)
        : m_verbindung(verbindung), m_stmt(stmt), m_sql(std::move(sql))
    {
    }
    void BindungPruefen(int rc, int index);
    void Freigeben() noexcept;

    TVerbindung *m_verbindung = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
    std::string m_sql;
};

// One connection to a database file. Not copyable; statements borrowed from
// it must be gone before it is destroyed.
class TVerbindung {
  public:
    enum class Modus { NurVorhandene, AnlegenWennNoetig };

    // `datei` may be ":memory:". An empty `schluessel` leaves the file
    // unencrypted (only used for in-memory databases and tests of foreign
    // files). Opening never reads a page; errors of a foreign or damaged file
    // surface on the first statement.
    TVerbindung(const QString &datei, const QByteArray &schluessel, Modus modus);
    ~TVerbindung();
    TVerbindung(const TVerbindung &) = delete;
    TVerbindung &operator=(const TVerbindung &) = delete;

    TAnweisung Anweisung(const char *sql);
    // Runs statements without parameters (schema changes, pragmas).
    void Ausfuehren(const char *sql);

    int64_t LetzteId() const;
    int Aenderungen() const;
    bool InTransaktion() const;
    void SetWartezeit(int millisekunden);
    int32_t Benutzerversion();
    void SetBenutzerversion(int32_t version);
    bool TabelleVorhanden(const QString &tabelle);
    bool SpalteVorhanden(const QString &tabelle, const QString &spalte);
    const QString &Datei() const { return m_datei; }
    sqlite3 *Handle() const { return m_db; }

    // Throws the DatenbankFehler for a result code; `sql` names the statement.
    [[noreturn]] void Fehler(int rc, const std::string &sql = {}) const;

  private:
    friend class TAnweisung;
    void Zurueckgeben(const std::string &sql, sqlite3_stmt *stmt) noexcept;
    friend class TTransaktion;
    int NaechsteSicherungsnummer() { return ++m_sicherungen; }

    sqlite3 *m_db = nullptr;
    QString m_datei;
    std::mutex m_cacheMutex;
    std::unordered_map<std::string, std::vector<sqlite3_stmt *>> m_cache;
    int m_sicherungen = 0;
};

// Groups statements: rolls back unless Bestaetigen() was called. Nested
// guards become savepoints of the enclosing transaction. Write transactions
// take the write lock at once (BEGIN IMMEDIATE) so a second program waits
// for the busy timeout instead of failing half-way.
class TTransaktion {
  public:
    explicit TTransaktion(TVerbindung &verbindung);
    ~TTransaktion();
    TTransaktion(const TTransaktion &) = delete;
    TTransaktion &operator=(const TTransaktion &) = delete;
    void Bestaetigen();

  private:
    TVerbindung &m_verbindung;
    std::string m_sicherung; // savepoint name, empty for an outer transaction
    bool m_offen = true;
};

// The smallest string greater than every string that begins with `praefix`
// in sqlite's binary (code point) order, for range scans
// `key >= praefix AND key < PraefixEnde(praefix)`. A null QString means
// there is no upper bound (empty prefix or only maximal code points).
QString PraefixEnde(const QString &praefix);

} // namespace lexovita
