#include "store/datenmanager.h"
#include "morph/laengen.h"

#include "model/suchschluessel.h"
#include "morph/staemme.h"
#include "store/schema.h"

#include <sqlcipher/sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <filesystem>

namespace lexovita {

namespace {

// The whole file is encrypted with the table password of the entry table.
const QByteArray kTabellenpasswort = QByteArrayLiteral("k7zq3mv0xh2bn8rt5wyc4");

const QString kSpeicher = QStringLiteral(":memory:");

QString Beschaedigt(const QString &datei)
{
    return QStringLiteral("Die Datenbank „%1“ ist beschädigt oder keine lexovita-Datenbank.").arg(datei);
}

} // namespace

TDatenmanager::TDatenmanager(const QString &datenOrdner, Modus modus)
{
    const bool speicher = datenOrdner == kSpeicher;
    m_datei = speicher ? kSpeicher : QDir(datenOrdner).filePath(Dateiname());
    const bool vorhanden = !speicher && QFileInfo::exists(m_datei);
    if (!speicher && !vorhanden) {
        if (modus == Modus::NurVorhandene)
            throw DatenbankFehler(
                QStringLiteral("Im Ordner „%1“ ist keine lexovita-Datenbank vorhanden.").arg(datenOrdner));
        if (!QDir().mkpath(datenOrdner))
            throw DatenbankFehler(QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden.").arg(datenOrdner));
    }
    Oeffnen(modus);
}

std::unique_ptr<TVerbindung> TDatenmanager::DateiOeffnen(const QString &datei, TVerbindung::Modus modus)
{
    return std::make_unique<TVerbindung>(datei, datei == kSpeicher ? QByteArray() : kTabellenpasswort, modus);
}

// A new database is laid out beside its place and linked in only when it is
// complete: a second program starting at the same moment finds either no
// file or a whole one. Reading a file whose first page another program was
// still writing made that program call a sound database damaged.
void TDatenmanager::NeueDateiAnlegen()
{
    namespace fs = std::filesystem;
    const QString neu = m_datei + QStringLiteral(".neu-%1").arg(QCoreApplication::applicationPid());
    std::error_code fehler;
    fs::remove(neu.toStdString(), fehler);
    try {
        const std::unique_ptr<TVerbindung> v = DateiOeffnen(neu, TVerbindung::Modus::AnlegenWennNoetig);
        TTransaktion t(*v);
        SchemaAnlegen(*v);
        t.Bestaetigen();
        // Switching to WAL needs the file to itself; done here, no program
        // opening the linked file has to wait for another one's switch.
        TAnweisung wal = v->Anweisung("PRAGMA journal_mode = WAL");
        wal.Ausfuehren();
    } catch (...) {
        fs::remove(neu.toStdString(), fehler);
        throw;
    }
    // A hard link never replaces a file another program put there first.
    fs::create_hard_link(neu.toStdString(), m_datei.toStdString(), fehler);
    if (fehler && fehler != std::errc::file_exists && !QFileInfo::exists(m_datei)) {
        fehler.clear();
        fs::rename(neu.toStdString(), m_datei.toStdString(), fehler); // file systems without hard links
    }
    std::error_code egal;
    fs::remove(neu.toStdString(), egal);
    if (!QFileInfo::exists(m_datei))
        throw DatenbankFehler(QStringLiteral("Die Datenbank „%1“ kann nicht angelegt werden.").arg(m_datei));
}

void TDatenmanager::Oeffnen(Modus modus)
{
    const bool speicher = m_datei == kSpeicher;
    if (!speicher && modus == Modus::AnlegenWennNoetig && !QFileInfo::exists(m_datei))
        NeueDateiAnlegen();
    const bool vorhanden = !speicher && QFileInfo::exists(m_datei);
    m_bereit = false;
    m_verbindung =
        DateiOeffnen(m_datei, vorhanden ? TVerbindung::Modus::NurVorhandene : TVerbindung::Modus::AnlegenWennNoetig);
    m_verbindung->SetWartezeit(kWartezeitMs);
    // Decrypted pages are kept: every page read from disk costs a decryption.
    m_verbindung->Ausfuehren("PRAGMA cache_size = -16384");

    // The first read decrypts page 1: a foreign, damaged or differently
    // keyed file fails here, before anything is written to it.
    int tabellen = 0;
    int32_t version = 0;
    try {
        TAnweisung probe = m_verbindung->Anweisung("SELECT count(*) FROM sqlite_master");
        tabellen = probe.Schritt() ? probe.Int(0) : 0;
        version = m_verbindung->Benutzerversion();
    } catch (const DatenbankFehler &f) {
        const int code = f.Code() & 0xff;
        if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
            throw DatenbankFehler(Beschaedigt(m_datei), f.Code());
        throw;
    }

    if (tabellen == 0 && version == 0) {
        // A new (or zero-length) file: give it the current layout.
        if (vorhanden && modus == Modus::NurVorhandene)
            throw DatenbankFehler(Beschaedigt(m_datei), SQLITE_NOTADB);
        TTransaktion t(*m_verbindung);
        SchemaAnlegen(*m_verbindung);
        t.Bestaetigen();
        Betriebsbereit();
        return;
    }
    if (version > kSchemaVersion)
        throw DatenbankFehler(
            QStringLiteral("Die Datenbank „%1“ stammt von einer neueren Programmversion.").arg(m_datei));
    if (version < 1 || !m_verbindung->TabelleVorhanden(QStringLiteral("vokabel")) ||
        !m_verbindung->TabelleVorhanden(QStringLiteral("lek_vok")))
        throw DatenbankFehler(Beschaedigt(m_datei), SQLITE_NOTADB);
    if (version == kSchemaVersion)
        Betriebsbereit();
}

TDatenmanager::~TDatenmanager() = default;

void TDatenmanager::DatenbankErsetzen(const QString &neueDatei, const std::function<void()> &pruefen)
{
    namespace fs = std::filesystem;
    if (m_datei == kSpeicher)
        throw DatenbankFehler(QStringLiteral("Eine Datenbank im Arbeitsspeicher kann nicht ersetzt werden."));
    // The program's own holders let go first: a statement still prepared on
    // the connection would keep it open, a read session its transaction, a
    // worker's connection the log.
    std::vector<ITeilhaber *> teilhaber;
    {
        std::lock_guard<std::mutex> sperre(m_teilhaberMutex);
        teilhaber = m_teilhaber;
    }
    for (ITeilhaber *t : teilhaber)
        t->Loslassen();
    if (m_verbindung->InTransaktion())
        throw DatenbankFehler(QStringLiteral("Die Datenbank wird gerade geschrieben."));
    const fs::path live = m_datei.toStdString();
    const fs::path neu = neueDatei.toStdString();
    const fs::path vorher = (m_datei + VorWiederherstellungEndung()).toStdString();
    const fs::path wal = (m_datei + QStringLiteral("-wal")).toStdString();

    // Closing the last connection folds the write-ahead log into the file;
    // a log left behind means another connection still uses it.
    m_verbindung.reset();
    m_bereit = false;
    std::error_code fehler;
    if (fs::exists(wal, fehler)) {
        Oeffnen(Modus::NurVorhandene);
        throw DatenbankFehler(QStringLiteral("Die Datenbank wird noch von einem anderen Programm verwendet."));
    }
    fs::remove(vorher, fehler);
    // A second name for the old file: the rename below then swaps atomically.
    fs::create_hard_link(live, vorher, fehler);
    if (fehler)
        fs::copy_file(live, vorher, fs::copy_options::overwrite_existing, fehler);
    if (fehler) {
        Oeffnen(Modus::NurVorhandene);
        throw DatenbankFehler(QStringLiteral("Die bisherige Datenbank kann nicht gesichert werden (%1).")
                                  .arg(QString::fromStdString(fehler.message())));
    }
    fs::rename(neu, live, fehler);
    if (fehler) {
        fs::remove(vorher, fehler);
        Oeffnen(Modus::NurVorhandene);
        throw DatenbankFehler(QStringLiteral("Die Datenbank kann nicht ersetzt werden."));
    }
    try {
        Oeffnen(Modus::NurVorhandene);
        if (pruefen)
            pruefen();
    } catch (...) {
        m_verbindung.reset();
        m_bereit = false;
        fs::remove(fs::path(live.string() + "-wal"), fehler);
        fs::remove(fs::path(live.string() + "-shm"), fehler);
        fs::rename(vorher, live, fehler);
        Oeffnen(Modus::NurVorhandene);
        throw;
    }
    fs::remove(vorher, fehler);
}

void TDatenmanager::TeilhaberAnmelden(ITeilhaber &teilhaber)
{
    std::lock_guard<std::mutex> sperre(m_teilhaberMutex);
    m_teilhaber.push_back(&teilhaber);
}

void TDatenmanager::TeilhaberAbmelden(ITeilhaber &teilhaber)
{
    std::lock_guard<std::mutex> sperre(m_teilhaberMutex);
    std::erase(m_teilhaber, &teilhaber);
}

void TDatenmanager::Betriebsbereit()
{
    // WAL lets a second program read while this one writes; together with
    // the busy timeout neither corrupts the file nor fails at once.
    TAnweisung wal = m_verbindung->Anweisung("PRAGMA journal_mode = WAL");
    wal.Ausfuehren();
    m_bereit = true;
}

void TDatenmanager::PruefenBereit() const
{
    if (!m_bereit)
        throw DatenbankFehler(QStringLiteral("Die Datenbank „%1“ muss erst aktualisiert werden.").arg(m_datei));
}

bool TDatenmanager::AktualisierungAendertTabellen()
{
    return !m_bereit && MigrationAendertTabellen(*m_verbindung);
}

void TDatenmanager::Aktualisieren()
{
    if (m_bereit)
        return;
    TTransaktion t(*m_verbindung);
    MigrationAusfuehren(*m_verbindung);
    t.Bestaetigen();
    Betriebsbereit();
}

bool TDatenmanager::VokabelindexFehlt()
{
    return !m_verbindung->TabelleVorhanden(QStringLiteral("vokwb"));
}

bool TDatenmanager::VokabelindexAnlegen()
{
    PruefenBereit();
    if (!VokabelindexFehlt())
        return false;
    TTransaktion t(*m_verbindung);
    WortindexTabelleAnlegen(*m_verbindung);
    {
        TAnweisung lesen = m_verbindung->Anweisung("SELECT id, vokabel, form1, wortart FROM vokabel ORDER BY id");
        while (lesen.Schritt()) {
            TVokabel v;
            v.vokabel = lesen.Text(1);
            v.form1 = lesen.Text(2);
            v.SetWortart(WortartAusBuchstabe(lesen.Text(3)));
            const QString wort = v.Indexwort();
            TAnweisung schreiben = m_verbindung->Anweisung(
                "INSERT INTO vokwb (ausdruck, vokabel_id, ausdruck_lower, ausdruck_such) VALUES (?1, ?2, ?3, ?4)");
            schreiben.Binden(1, wort)
                .Binden(2, lesen.Int64(0))
                .Binden(3, wort.toLower())
                .Binden(4, Suchschluessel(wort, TSuchsprache::Latein));
            schreiben.Ausfuehren();
        }
    }
    t.Bestaetigen();
    return true;
}

// ------------------------------------------------------------------ reading

std::unique_ptr<TVokabel> TDatenmanager::VokabelAusDatensatz(const TAnweisung &z)
{
    auto v = std::make_unique<TVokabel>();
    VokabelAusDatensatz(z, *v);
    return v;
}

void TDatenmanager::VokabelAusDatensatz(const TAnweisung &z, TVokabel &v)
{
    v.id = z.Int(0);
    v.vokabel = z.Text(1);
    v.form1 = z.Text(2);
    v.form2 = z.Text(3);
    v.form3 = z.Text(4);
    v.attribute = z.Int(7);
    v.aktualisierung = z.Text(8);
    // The stored letters are authoritative for class and inflection class.
    v.SetWortart(WortartAusBuchstabe(z.Text(6)));
    v.SetKonjDekl(KonjDeklAusBuchstabe(z.Text(5)));
}

std::unique_ptr<TVokabel> TDatenmanager::VokabelLaden(int32_t id)
{
    PruefenBereit();
    if (id > 0) {
        TAnweisung a = m_verbindung->Anweisung(
            "SELECT id, vokabel, form1, form2, form3, konjdekl, wortart, attribute, aktualisierung "
            "FROM vokabel WHERE id = ?1");
        a.Binden(1, id);
        if (a.Schritt()) {
            std::unique_ptr<TVokabel> v = VokabelAusDatensatz(a);
            BedeutungenLaden(*v);
            MerkhilfenLaden(*v);
            return v;
        }
    }
    return std::make_unique<TVokabel>();
}

// The meanings of one entry from its vok_bed rows: a key list sorted without
// regard to letter case (the separator sorts before every digit and letter,
// so group 1 comes before group 10) with repeated keys dropped; stored
// positions only order a group, loaded ones count 1, 2, 3, ...
void BedeutungenAufbereiten(const std::vector<TBedeutungsrohzeile> &roh, TVokabel &v)
{
    struct Zeile {
        QString schluessel; // group;position;meaning id;remark
        QString sortierung;
        QString text;
    };
    std::vector<Zeile> zeilen;
    zeilen.reserve(roh.size());
    for (const TBedeutungsrohzeile &r : roh) {
        Zeile z;
        z.schluessel = QString::number(r.gruppe < 1 ? 1 : r.gruppe) + QLatin1Char(';') +
                       (r.position < 1 ? QStringLiteral("001") : QStringLiteral("%1").arg(r.position, 3)) +
                       QLatin1Char(';') + QString::number(r.bedeutungId) + QLatin1Char(';') + r.kommentar;
        z.sortierung = z.schluessel;
        z.sortierung.replace(QLatin1Char(';'), QChar(1));
        z.text = r.text;
        zeilen.push_back(std::move(z));
    }
    std::stable_sort(zeilen.begin(), zeilen.end(), [](const Zeile &x, const Zeile &y) {
        return x.sortierung.compare(y.sortierung, Qt::CaseInsensitive) < 0;
    });
    zeilen.erase(std::unique(zeilen.begin(), zeilen.end(),
                             [](const Zeile &x, const Zeile &y) {
                                 return x.sortierung.compare(y.sortierung, Qt::CaseInsensitive) == 0;
                             }),
                 zeilen.end());
    int32_t p = 1;
    int32_t g = 1;
    for (const Zeile &z : zeilen) {
        // Only the first three separators split: a remark may hold ";".
        const qsizetype a = z.schluessel.indexOf(QLatin1Char(';'));
        const qsizetype b = z.schluessel.indexOf(QLatin1Char(';'), a + 1);
        const qsizetype c = z.schluessel.indexOf(QLatin1Char(';'), b + 1);
        const int32_t gruppe = z.schluessel.left(a).toInt();
        const QString kommentar = z.schluessel.mid(c + 1);
        if (gruppe != g) {
            g = gruppe;
            p = 1;
        }
        if (!z.text.isEmpty())
            v.BedeutungHinzufuegen(z.text, kommentar, g, p);
        ++p;
    }
}

void TDatenmanager::BedeutungenLaden(TVokabel &v)
{
    PruefenBereit();
    std::vector<TBedeutungsrohzeile> roh;
    TAnweisung a = m_verbindung->Anweisung("SELECT vb.gruppe, vb.position, vb.bedeutung_id, vb.kommentar, b.bedeutung "
                                           "FROM vok_bed AS vb LEFT JOIN bedeutung AS b ON b.id = vb.bedeutung_id "
                                           "WHERE vb.vokabel_id = ?1 ORDER BY vb.rowid");
    a.Binden(1, v.id);
    while (a.Schritt())
        roh.push_back({a.Int(0), a.Int(1), a.Int64(2), a.Text(3), a.Text(4)});
    BedeutungenAufbereiten(roh, v);
}

void TDatenmanager::MerkhilfenLaden(TVokabel &v)
{
    PruefenBereit();
    TAnweisung a =
        m_verbindung->Anweisung("SELECT merkhilfe, sprache FROM merkhilfe WHERE vokabel_id = ?1 ORDER BY rowid");
    a.Binden(1, v.id);
    while (a.Schritt())
        v.MerkhilfeHinzufuegen(a.Text(0), a.Int(1));
}

void TDatenmanager::SonderformenLaden(TVokabel &v)
{
    v.sonderformen.clear();
    for (TLatForm &f : SonderformenVon(v.id))
        v.sonderformen.push_back(std::make_unique<TLatForm>(std::move(f)));
}

void TDatenmanager::VerweiseLaden(TVokabel &v)
{
    PruefenBereit();
    v.VerweiseLeeren();
    {
        TAnweisung a = m_verbindung->Anweisung("SELECT v.vokabel FROM vok_vok AS r JOIN vokabel AS v "
                                               "ON v.id = r.vokabel2_id WHERE r.vokabel1_id = ?1 ORDER BY r.rowid");
        a.Binden(1, v.id);
        while (a.Schritt())
            v.VerweisHinzufuegen(a.Text(0));
    }
    TAnweisung b = m_verbindung->Anweisung("SELECT v.vokabel FROM vok_vok AS r JOIN vokabel AS v "
                                           "ON v.id = r.vokabel1_id WHERE r.vokabel2_id = ?1 ORDER BY r.rowid");
    b.Binden(1, v.id);
    while (b.Schritt())
        v.VerweisHinzufuegen(b.Text(0));
}

std::vector<std::unique_ptr<TVokabel>> TDatenmanager::VokabelnSuchen(const QString &text)
{
    PruefenBereit();
    std::vector<std::unique_ptr<TVokabel>> liste;
    // Headwords are keyed without their lengths: "saltare" finds "saltāre".
    const QString schluessel = LaengenEntfernen(text.trimmed()).toLower();
    if (schluessel.size() <= 1)
        return liste;
    const QString ende = PraefixEnde(schluessel);
    TAnweisung a = ende.isNull()
                       ? m_verbindung->Anweisung("SELECT id, vokabel, wortart, form1, form2, form3 FROM vokabel "
                                                 "WHERE vokabel_lower >= ?1 ORDER BY vokabel_lower, id LIMIT ?3")
                       : m_verbindung->Anweisung("SELECT id, vokabel, wortart, form1, form2, form3 FROM vokabel "
                                                 "WHERE vokabel_lower >= ?1 AND vokabel_lower < ?2 "
                                                 "ORDER BY vokabel_lower, id LIMIT ?3");
    a.Binden(1, schluessel);
    if (!ende.isNull())
        a.Binden(2, ende);
    a.Binden(3, int32_t(kSuchLimit));
    while (a.Schritt()) {
        auto v = std::make_unique<TVokabel>();
        v->id = a.Int(0);
        v->vokabel = a.Text(1);
        v->SetWortart(WortartAusBuchstabe(a.Text(2)));
        v->form1 = a.Text(3);
        v->form2 = a.Text(4);
        v->form3 = a.Text(5);
        liste.push_back(std::move(v));
    }
    return liste;
}

// ----------------------------------------------------------------- deleting

void TDatenmanager::VokabelLoeschen(int32_t id)
{
    PruefenBereit();
    static const char *const kLoeschen[] = {
        "DELETE FROM vokabel WHERE id = ?1",
        "DELETE FROM vok_bed WHERE vokabel_id = ?1",
        "DELETE FROM vok_vok WHERE vokabel1_id = ?1 OR vokabel2_id = ?1",
        "DELETE FROM merkhilfe WHERE vokabel_id = ?1",
        "DELETE FROM sonderform WHERE vokabel_id = ?1",
        "DELETE FROM lek_vok WHERE vokabel_id = ?1",
        "DELETE FROM stamm WHERE vokabel_id = ?1",
        "DELETE FROM lernverlauf WHERE vokabel_id = ?1",
        "DELETE FROM gedaechtnis WHERE vokabel_id = ?1",
    };
    // Meaning texts are shared between entries and stay.
    TTransaktion t(*m_verbindung);
    for (const char *sql : kLoeschen) {
        TAnweisung a = m_verbindung->Anweisung(sql);
        a.Binden(1, id);
        a.Ausfuehren();
    }
    if (!VokabelindexFehlt()) {
        TAnweisung a = m_verbindung->Anweisung("DELETE FROM vokwb WHERE vokabel_id = ?1");
        a.Binden(1, id);
        a.Ausfuehren();
    }
    t.Bestaetigen();
}

std::vector<int32_t> TDatenmanager::LehrbuchLoeschen(int32_t id)
{
    PruefenBereit();
    TTransaktion t(*m_verbindung);
    std::vector<int32_t> lektionen;
    {
        TAnweisung a = m_verbindung->Anweisung("SELECT id FROM lektion WHERE lehrbuch_id = ?1 ORDER BY id");
        a.Binden(1, id);
        while (a.Schritt())
            lektionen.push_back(a.Int(0));
    }
    for (int32_t lektion : lektionen) {
        TAnweisung a = m_verbindung->Anweisung("DELETE FROM lek_vok WHERE lektion_id = ?1");
        a.Binden(1, lektion);
        a.Ausfuehren();
    }
    {
        TAnweisung a = m_verbindung->Anweisung("DELETE FROM lektion WHERE lehrbuch_id = ?1");
        a.Binden(1, id);
        a.Ausfuehren();
    }
    {
        TAnweisung a = m_verbindung->Anweisung("DELETE FROM lehrbuch WHERE id = ?1");
        a.Binden(1, id);
        a.Ausfuehren();
    }
    t.Bestaetigen();
    return lektionen;
}

// ------------------------------------------------------- analysis look-ups

std::vector<TDatenmanager::TStammZeile> TDatenmanager::StaemmeMitPraefix(const QString &praefix)
{
    PruefenBereit();
    const QString anfang = AsciiKlein(praefix);
    const QString ende = PraefixEnde(anfang);
    TAnweisung a = ende.isNull() ? m_verbindung->Anweisung("SELECT vokabel_id, stamm FROM stamm "
                                                           "WHERE stamm >= ?1 ORDER BY stamm")
                                 : m_verbindung->Anweisung("SELECT vokabel_id, stamm FROM stamm "
                                                           "WHERE stamm >= ?1 AND stamm < ?2 ORDER BY stamm");
    a.Binden(1, anfang);
    if (!ende.isNull())
        a.Binden(2, ende);
    std::vector<TStammZeile> zeilen;
    while (a.Schritt())
        zeilen.push_back({a.Int(0), a.Text(1)});
    return zeilen;
}

std::vector<TLatForm> TDatenmanager::SonderformenMitForm(const QString &form)
{
    PruefenBereit();
    TAnweisung a =
        m_verbindung->Anweisung("SELECT vokabel_id, form_id, form FROM sonderform WHERE form = ?1 ORDER BY rowid");
    a.Binden(1, form);
    std::vector<TLatForm> formen;
    while (a.Schritt())
        formen.emplace_back(a.Int(0), a.Text(2), a.Int(1));
    return formen;
}

std::vector<TLatForm> TDatenmanager::SonderformenVon(int32_t vokabelId)
{
    PruefenBereit();
    TAnweisung a = m_verbindung->Anweisung(
        "SELECT vokabel_id, form_id, form FROM sonderform WHERE vokabel_id = ?1 ORDER BY rowid");
    a.Binden(1, vokabelId);
    std::vector<TLatForm> formen;
    while (a.Schritt())
        formen.emplace_back(a.Int(0), a.Text(2), a.Int(1));
    return formen;
}

} // namespace lexovita
