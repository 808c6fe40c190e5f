#pragma once

#include "store/schicht.h"

#include "model/latform.h"
#include "model/uhr.h"
#include "model/vokabel.h"
#include "model/zeilen.h"
#include "store/datum.h"
#include "store/fehler.h"
#include "store/sqlite.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace lexovita {

// One vok_bed row with its meaning text, as the meaning loads read it.
struct TBedeutungsrohzeile {
    int32_t gruppe;
    int32_t position;
    int64_t bedeutungId;
    QString kommentar;
    QString text;
};

// Adds the meanings of one entry from its rows (in storage order) in the
// loaded order and numbering; shared by every reader of meanings.
void BedeutungenAufbereiten(const std::vector<TBedeutungsrohzeile> &roh, TVokabel &v);

// Whatever keeps something of a data manager's connection between calls (a
// prepared statement, an open read session, rows read into memory, a worker
// with a second connection to the same file) registers with it, so that the
// database can be swapped: it lets go before, and starts afresh on its next
// use after.
class ITeilhaber {
  public:
    virtual ~ITeilhaber() = default;
    // Called on the thread that swaps the database; afterwards nothing of
    // the old connection may be held.
    virtual void Loslassen() = 0;
};

// The data manager: owns the connection to the encrypted database file in
// the data folder, brings an older database up to date, reads entries with
// everything that hangs on them, deletes entries and textbooks with their
// dependent rows, and offers the look-ups of the analysis.
//
// One instance per thread: a worker thread opens its own TDatenmanager on
// the same folder (the file runs in WAL mode, readers never block).
class TDatenmanager {
  public:
    using Modus = TDatenbankModus;

    static constexpr int kSuchLimit = 50;
    static constexpr int kWartezeitMs = 5000;

    // `datenOrdner` holds lexovita.db; ":memory:" gives a private in-memory
    // database. Throws DatenbankFehler for a damaged or foreign file, which
    // stays untouched. An older database is opened but not usable until
    // Aktualisieren() has run.
    explicit TDatenmanager(const QString &datenOrdner, Modus modus = Modus::AnlegenWennNoetig);
    ~TDatenmanager();
    TDatenmanager(const TDatenmanager &) = delete;
    TDatenmanager &operator=(const TDatenmanager &) = delete;

    static QString Dateiname() { return QStringLiteral("lexovita.db"); }
    const QString &Datei() const { return m_datei; }
    TVerbindung &Verbindung() { return *m_verbindung; }
    // True once the tables have the current layout.
    bool Bereit() const { return m_bereit; }
    // Throws DatenbankFehler while the database still needs its upgrade.
    void PruefenBereit() const;
    // How long a statement waits for another program's write lock.
    void SetWartezeit(int millisekunden) { m_verbindung->SetWartezeit(millisekunden); }

    // Start-up maintenance. Whether an older database is upgraded, and with
    // a backup first, is decided above the store (DatenbankAktualisieren in
    // app/start.h); the store only says what the upgrade would do and runs it.
    // True when the upgrade changes tables, false when it only adds what is
    // missing or nothing is to do.
    bool AktualisierungAendertTabellen();
    // Runs the upgrade in one transaction; afterwards Bereit() is true.
    void Aktualisieren();
    bool VokabelindexFehlt();
    // Builds the word index from every entry if it is missing; false if it
    // existed already.
    bool VokabelindexAnlegen();

    // Every time stamp the store writes comes from this clock (the system's
    // unless set; it must outlive the data manager).
    void SetUhr(const IUhr &uhr) { m_uhr = &uhr; }
    const IUhr &Uhr() const { return *m_uhr; }

    // Time stamps "yyyymmddhhnnss".
    QString DatumJetzt() const { return lexovita::DatumJetzt(*m_uhr); }
    static QDateTime DatumLesen(const QString &text) { return lexovita::DatumLesen(text); }
    static QDateTime DatumNachFormat(const QString &text, const QString &format)
    {
        return lexovita::DatumNachFormat(text, format);
    }

    // Reading entries. VokabelLaden never returns null: an id <= 0 or an
    // unknown id gives a new empty entry. Special forms and cross-references
    // are loaded separately.
    std::unique_ptr<TVokabel> VokabelLaden(int32_t id);
    // Columns of a vokabel row in stored order, for VokabelAusDatensatz.
    static constexpr const char *kVokabelSpalten =
        "id, vokabel, form1, form2, form3, konjdekl, wortart, attribute, aktualisierung";
    static std::unique_ptr<TVokabel> VokabelAusDatensatz(const TAnweisung &zeile);
    static void VokabelAusDatensatz(const TAnweisung &zeile, TVokabel &ziel);
    void BedeutungenLaden(TVokabel &vokabel);
    void MerkhilfenLaden(TVokabel &vokabel);
    void SonderformenLaden(TVokabel &vokabel);
    void VerweiseLaden(TVokabel &vokabel);
    // Headword search: trimmed, lower-cased, more than one character, at
    // most kSuchLimit entries that begin with the text (id, headword, word
    // class, form1-3 only).
    std::vector<std::unique_ptr<TVokabel>> VokabelnSuchen(const QString &text);

    // Deleting, each in one transaction.
    void VokabelLoeschen(int32_t id);
    // Deletes the textbook, its lessons and their entry lists. Returns the
    // ids of the deleted lessons so the caller can detach open copies.
    std::vector<int32_t> LehrbuchLoeschen(int32_t id);

    // Look-ups of the word-form analysis.
    struct TStammZeile {
        int32_t vokabelId;
        QString stamm;
    };
    // Every stem row whose stem begins with `praefix` (stems are stored
    // lower-cased), in stem order.
    std::vector<TStammZeile> StaemmeMitPraefix(const QString &praefix);
    // Special forms whose text equals `form` exactly.
    std::vector<TLatForm> SonderformenMitForm(const QString &form);
    // Special forms of one entry in stored order.
    std::vector<TLatForm> SonderformenVon(int32_t vokabelId);

    // Opens any file with the program's key and page settings (backup copies).
    static std::unique_ptr<TVerbindung> DateiOeffnen(const QString &datei, TVerbindung::Modus modus);

    // Restore: replaces the database file by `neueDatei` (a checked copy in
    // the data folder) and reconnects this same object, so everyone holding
    // it keeps working. The old file stays as Datei() + ".vor-wiederherstellung"
    // until `pruefen` (run on the new connection, e.g. its upgrade) returned;
    // on any error the old file is put back, reconnected, and the error is
    // rethrown. Needs the only connection to the file: no open transaction,
    // no running job.
    void DatenbankErsetzen(const QString &neueDatei, const std::function<void()> &pruefen = {});

    // Every holder of the connection (see ITeilhaber) registers for its
    // lifetime; DatenbankErsetzen asks each to let go first.
    void TeilhaberAnmelden(ITeilhaber &teilhaber);
    void TeilhaberAbmelden(ITeilhaber &teilhaber);
    static QString VorWiederherstellungEndung() { return QStringLiteral(".vor-wiederherstellung"); }

  private:
    void Oeffnen(Modus modus);
    void NeueDateiAnlegen();
    void Betriebsbereit();

    QString m_datei;
    std::unique_ptr<TVerbindung> m_verbindung;
    bool m_bereit = false;
    const IUhr *m_uhr = &TSystemUhr::Instanz();
    // Workers on an in-memory database share this object, so the list is guarded.
    std::mutex m_teilhaberMutex;
    std::vector<ITeilhaber *> m_teilhaber;
};

} // namespace lexovita
