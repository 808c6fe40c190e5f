#include "store/sqlite.h"

#include <sqlcipher/sqlite3.h>

#include <QFileInfo>
#include <QLoggingCategory>

namespace lexovita {

namespace {

Q_LOGGING_CATEGORY(lcDatenbank, "lexovita.datenbank", QtWarningMsg)

// The engine opens a write-protected file read-only and fails only later,
// often with "cannot open" for its journal; the user needs to hear why.
bool Schreibgeschuetzt(const QString &datei)
{
    const QFileInfo info(datei);
    return info.exists() && (!info.isWritable() || !QFileInfo(info.absolutePath()).isWritable());
}

QString GermanText(int rc, const QString &datei)
{
    if (((rc & 0xff) == SQLITE_CANTOPEN || (rc & 0xff) == SQLITE_READONLY) && !datei.isEmpty() &&
        Schreibgeschuetzt(datei))
        return QStringLiteral("Die Datenbank „%1“ ist schreibgeschützt: Die Datei oder ihr Ordner lässt sich nicht "
                              "beschreiben.")
            .arg(datei);
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral(
            "Die Datenbank ist von einem anderen Programm gesperrt. Bitte versuche es später erneut.");
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return QStringLiteral("Die Datenbank „%1“ ist beschädigt oder keine lexovita-Datenbank.").arg(datei);
    case SQLITE_CONSTRAINT:
        return QStringLiteral("Ein Datensatz verletzt eine Bedingung der Datenbank.");
    case SQLITE_FULL:
        return QStringLiteral("Der Datenträger ist voll.");
    case SQLITE_READONLY:
        return QStringLiteral("Die Datenbank „%1“ ist schreibgeschützt.").arg(datei);
    case SQLITE_CANTOPEN:
        return QStringLiteral("Die Datenbank „%1“ kann nicht geöffnet werden.").arg(datei);
    case SQLITE_IOERR:
        return QStringLiteral("Lese- oder Schreibfehler in der Datenbank „%1“.").arg(datei);
    case SQLITE_NOMEM:
        return QStringLiteral("Nicht genügend Arbeitsspeicher für die Datenbank.");
    default:
        return QStringLiteral("Datenbankfehler. Die Aktion wurde nicht ausgeführt.");
    }
}

} // namespace

// ---------------------------------------------------------------- TAnweisung

TAnweisung::TAnweisung(TAnweisung &&a) noexcept
    : m_verbindung(a.m_verbindung), m_stmt(a.m_stmt), m_sql(std::move(a.m_sql))
{
    a.m_verbindung = nullptr;
    a.m_stmt = nullptr;
}

TAnweisung &TAnweisung::operator=(TAnweisung &&a) noexcept
{
    if (this != &a) {
        Freigeben();
        m_verbindung = a.m_verbindung;
        m_stmt = a.m_stmt;
        m_sql = std::move(a.m_sql);
        a.m_verbindung = nullptr;
        a.m_stmt = nullptr;
    }
    return *this;
}

TAnweisung::~TAnweisung()
{
    Freigeben();
}

void TAnweisung::Freigeben() noexcept
{
    if (!m_stmt)
        return;
    // reset() repeats the last step's error code; that error was thrown already.
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    m_verbindung->Zurueckgeben(m_sql, m_stmt);
    m_stmt = nullptr;
    m_verbindung = nullptr;
}

void TAnweisung::BindungPruefen(int rc, int index)
{
    if (rc != SQLITE_OK)
        m_verbindung->Fehler(rc, m_sql + " (Parameter " + std::to_string(index) + ")");
}

TAnweisung &TAnweisung::Binden(int index, int32_t wert)
{
    BindungPruefen(sqlite3_bind_int(m_stmt, index, wert), index);
    return *this;
}

TAnweisung &TAnweisung::Binden(int index, int64_t wert)
{
    BindungPruefen(sqlite3_bind_int64(m_stmt, index, wert), index);
    return *this;
}

TAnweisung &TAnweisung::Binden(int index, double wert)
{
    BindungPruefen(sqlite3_bind_double(m_stmt, index, wert), index);
    return *this;
}

TAnweisung &TAnweisung::Binden(int index, const QString &wert)
{
    const QByteArray utf8 = wert.toUtf8();
    // A null QByteArray would bind NULL; the tables hold '' for empty texts.
    BindungPruefen(
        sqlite3_bind_text(m_stmt, index, utf8.isNull() ? "" : utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT),
        index);
    return *this;
}

TAnweisung &TAnweisung::BindenNull(int index)
{
    BindungPruefen(sqlite3_bind_null(m_stmt, index), index);
    return *this;
}

bool TAnweisung::Schritt()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    // Reset so that the statement can go back to the cache cleanly.
    sqlite3_reset(m_stmt);
    m_verbindung->Fehler(rc, m_sql);
}

void TAnweisung::Ausfuehren()
{
    while (Schritt()) {
    }
}

void TAnweisung::Zuruecksetzen()
{
    const int rc = sqlite3_reset(m_stmt);
    if (rc != SQLITE_OK)
        m_verbindung->Fehler(rc, m_sql);
}

int TAnweisung::Spaltenzahl() const
{
    return sqlite3_column_count(m_stmt);
}
bool TAnweisung::IstNull(int s) const
{
    return sqlite3_column_type(m_stmt, s) == SQLITE_NULL;
}
int32_t TAnweisung::Int(int s) const
{
    return sqlite3_column_int(m_stmt, s);
}
int64_t TAnweisung::Int64(int s) const
{
    return sqlite3_column_int64(m_stmt, s);
}

double TAnweisung::Double(int s) const
{
    return sqlite3_column_double(m_stmt, s);
}

QString TAnweisung::Text(int s) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, s));
    if (!text)
        return QString();
    return QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, s));
}

QString TAnweisung::Spaltenname(int s) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, s));
}

// --------------------------------------------------------------- TVerbindung

TVerbindung::TVerbindung(const QString &datei, const QByteArray &schluessel, Modus modus) : m_datei(datei)
{
    int flags = SQLITE_OPEN_READWRITE;
    if (modus == Modus::AnlegenWennNoetig)
        flags |= SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(datei.toUtf8().constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        QString text = GermanText(rc, datei);
        if ((rc & 0xff) == SQLITE_CANTOPEN && modus == Modus::NurVorhandene && !QFileInfo::exists(datei))
            text = QStringLiteral("Die Datenbank „%1“ ist nicht vorhanden.").arg(datei);
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        throw DatenbankFehler(text, rc);
    }
    sqlite3_extended_result_codes(m_db, 0);
    if (!schluessel.isEmpty()) {
        const int krc = sqlite3_key(m_db, schluessel.constData(), int(schluessel.size()));
        if (krc != SQLITE_OK) {
            sqlite3_close_v2(m_db);
            m_db = nullptr;
            throw DatenbankFehler(GermanText(krc, datei), krc);
        }
        // 4 KiB pages halve the decryption work per look-up against the 1 KiB
        // default. The setting is not stored in the encrypted file, so every
        // connection to it must use the same value.
        char *fehler = nullptr;
        const int prc = sqlite3_exec(m_db, "PRAGMA cipher_page_size = 4096", nullptr, nullptr, &fehler);
        sqlite3_free(fehler);
        if (prc != SQLITE_OK) {
            sqlite3_close_v2(m_db);
            m_db = nullptr;
            throw DatenbankFehler(GermanText(prc, datei), prc);
        }
    }
}

TVerbindung::~TVerbindung()
{
    {
        std::lock_guard<std::mutex> sperre(m_cacheMutex);
        for (auto &[sql, liste] : m_cache)
            for (sqlite3_stmt *s : liste)
                sqlite3_finalize(s);
        m_cache.clear();
    }
    if (m_db)
        sqlite3_close_v2(m_db);
}

TAnweisung TVerbindung::Anweisung(const char *sql)
{
    std::string schluessel(sql);
    {
        std::lock_guard<std::mutex> sperre(m_cacheMutex);
        auto it = m_cache.find(schluessel);
        if (it != m_cache.end() && !it->second.empty()) {
            sqlite3_stmt *s = it->second.back();
            it->second.pop_back();
            return TAnweisung(this, s, std::move(schluessel));
        }
    }
    sqlite3_stmt *stmt = nullptr;
    const int rc = sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        Fehler(rc, schluessel);
    }
    return TAnweisung(this, stmt, std::move(schluessel));
}

void TVerbindung::Zurueckgeben(const std::string &sql, sqlite3_stmt *stmt) noexcept
{
    try {
        std::lock_guard<std::mutex> sperre(m_cacheMutex);
        m_cache[sql].push_back(stmt);
    } catch (...) {
        sqlite3_finalize(stmt);
    }
}

void TVerbindung::Ausfuehren(const char *sql)
{
    char *fehler = nullptr;
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, &fehler);
    sqlite3_free(fehler);
    if (rc != SQLITE_OK)
        Fehler(rc, sql);
}

void TVerbindung::Fehler(int rc, const std::string &sql) const
{
    // The user reads German only; the engine's English words and the
    // statement go to the log for the developers
    // (QT_LOGGING_RULES="lexovita.datenbank.info=true").
    const QString engine = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString();
    qCInfo(lcDatenbank).noquote() << engine << QString::fromUtf8(sql.substr(0, 120).c_str());
    throw DatenbankFehler(GermanText(rc, m_datei), rc);
}

int64_t TVerbindung::LetzteId() const
{
    return sqlite3_last_insert_rowid(m_db);
}
int TVerbindung::Aenderungen() const
{
    return sqlite3_changes(m_db);
}
bool TVerbindung::InTransaktion() const
{
    return sqlite3_get_autocommit(m_db) == 0;
}

void TVerbindung::SetWartezeit(int ms)
{
    const int rc = sqlite3_busy_timeout(m_db, ms);
    if (rc != SQLITE_OK)
        Fehler(rc);
}

int32_t TVerbindung::Benutzerversion()
{
    TAnweisung a = Anweisung("PRAGMA user_version");
    return a.Schritt() ? a.Int(0) : 0;
}

void TVerbindung::SetBenutzerversion(int32_t version)
{
    // Pragmas take no parameters; the value is a number we produce ourselves.
    const std::string sql = "PRAGMA user_version = " + std::to_string(version);
    Ausfuehren(sql.c_str());
}

bool TVerbindung::TabelleVorhanden(const QString &tabelle)
{
    TAnweisung a = Anweisung("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1");
    a.Binden(1, tabelle);
    return a.Schritt();
}

bool TVerbindung::SpalteVorhanden(const QString &tabelle, const QString &spalte)
{
    // table_info cannot bind its argument; only known table names reach it.
    for (QChar c : tabelle)
        if (!(c.isLetterOrNumber() || c == QLatin1Char('_')))
            throw DatenbankFehler(QStringLiteral("Ungültiger Tabellenname „%1“.").arg(tabelle));
    const std::string sql = "PRAGMA table_info(" + tabelle.toStdString() + ")";
    TAnweisung a = Anweisung(sql.c_str());
    while (a.Schritt())
        if (a.Text(1).compare(spalte, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// -------------------------------------------------------------- TTransaktion

TTransaktion::TTransaktion(TVerbindung &v) : m_verbindung(v)
{
    if (v.InTransaktion()) {
        m_sicherung = "lx_sicherung_" + std::to_string(v.NaechsteSicherungsnummer());
        v.Ausfuehren(("SAVEPOINT " + m_sicherung).c_str());
    } else {
        v.Ausfuehren("BEGIN IMMEDIATE");
    }
}

TTransaktion::~TTransaktion()
{
    if (!m_offen)
        return;
    // Errors are ignored here: the engine may have rolled back on its own
    // (disk full, I/O error), and a destructor must not throw.
    const std::string sql =
        m_sicherung.empty() ? std::string("ROLLBACK") : "ROLLBACK TO " + m_sicherung + "; RELEASE " + m_sicherung;
    sqlite3_exec(m_verbindung.Handle(), sql.c_str(), nullptr, nullptr, nullptr);
}

void TTransaktion::Bestaetigen()
{
    m_verbindung.Ausfuehren(m_sicherung.empty() ? "COMMIT" : ("RELEASE " + m_sicherung).c_str());
    m_offen = false;
}

// ---------------------------------------------------------------- PraefixEnde

QString PraefixEnde(const QString &praefix)
{
    QList<uint> zeichen = praefix.toUcs4();
    while (!zeichen.isEmpty()) {
        uint &letztes = zeichen.last();
        if (letztes < 0x10FFFF) {
            ++letztes;
            if (letztes >= 0xD800 && letztes <= 0xDFFF) // no code points there
                letztes = 0xE000;
            return QString::fromUcs4(reinterpret_cast<const char32_t *>(zeichen.constData()), zeichen.size());
        }
        zeichen.removeLast();
    }
    return QString();
}

} // namespace lexovita
