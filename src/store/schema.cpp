#include "store/schema.h"

#include "model/suchschluessel.h"
#include "store/sqlite.h"

#include <sqlcipher/sqlite3.h>

#include <QRegularExpression>
#include <map>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace lexovita {

namespace {

const char *const kVokabelTabelle = R"(
CREATE TABLE vokabel (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  vokabel TEXT NOT NULL DEFAULT '',
  form1 TEXT NOT NULL DEFAULT '',
  form2 TEXT NOT NULL DEFAULT '',
  form3 TEXT NOT NULL DEFAULT '',
  konjdekl TEXT NOT NULL DEFAULT '',
  wortart TEXT NOT NULL DEFAULT '',
  attribute INTEGER NOT NULL DEFAULT 0,
  aktualisierung TEXT NOT NULL DEFAULT '',
  vokabel_lower TEXT NOT NULL DEFAULT '',
  vokabel_such TEXT NOT NULL DEFAULT ''
);
)";

const char *const kVokabelIndexe = R"(
CREATE INDEX vokabel_vokabel ON vokabel (vokabel_lower);
CREATE INDEX vokabel_vokabelwortart ON vokabel (vokabel, wortart);
CREATE INDEX vokabel_vokabel_such ON vokabel (vokabel_such);
)";

const char *const kUebrigeTabellen = R"(
CREATE TABLE bedeutung (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  bedeutung TEXT NOT NULL DEFAULT '',
  bedeutung_lower TEXT NOT NULL DEFAULT '',
  bedeutung_such TEXT NOT NULL DEFAULT ''
);
CREATE INDEX bedeutung_bedeutung ON bedeutung (bedeutung);
CREATE INDEX bedeutung_bedeutung_lower ON bedeutung (bedeutung_lower);
CREATE INDEX bedeutung_bedeutung_such ON bedeutung (bedeutung_such);

CREATE TABLE vok_bed (
  vokabel_id INTEGER NOT NULL,
  bedeutung_id INTEGER NOT NULL,
  gruppe INTEGER NOT NULL DEFAULT 1,
  position INTEGER NOT NULL DEFAULT 1,
  kommentar TEXT NOT NULL DEFAULT ''
);
CREATE INDEX vok_bed_vokabel_id ON vok_bed (vokabel_id);
CREATE INDEX vok_bed_bedeutung_id ON vok_bed (bedeutung_id);

CREATE TABLE vok_vok (
  vokabel1_id INTEGER NOT NULL,
  vokabel2_id INTEGER NOT NULL
);
CREATE INDEX vok_vok_vokabel1_id ON vok_vok (vokabel1_id);
CREATE INDEX vok_vok_vokabel2_id ON vok_vok (vokabel2_id);

CREATE TABLE merkhilfe (
  vokabel_id INTEGER NOT NULL,
  merkhilfe TEXT NOT NULL DEFAULT '',
  sprache INTEGER NOT NULL DEFAULT 0,
  merkhilfe_lower TEXT NOT NULL DEFAULT '',
  merkhilfe_such TEXT NOT NULL DEFAULT ''
);
CREATE INDEX merkhilfe_vokabel_id ON merkhilfe (vokabel_id);
CREATE INDEX merkhilfe_merkhilfe ON merkhilfe (merkhilfe);
CREATE INDEX merkhilfe_merkhilfe_lower ON merkhilfe (merkhilfe_lower);
CREATE INDEX merkhilfe_merkhilfe_such ON merkhilfe (merkhilfe_such);

CREATE TABLE sonderform (
  vokabel_id INTEGER NOT NULL,
  form_id INTEGER NOT NULL,
  form TEXT NOT NULL DEFAULT ''
);
CREATE INDEX sonderform_vokabel_id ON sonderform (vokabel_id);
CREATE INDEX sonderform_form ON sonderform (form);
CREATE INDEX sonderform_form_id_vokabel_id ON sonderform (form_id, vokabel_id);

CREATE TABLE stamm (
  vokabel_id INTEGER NOT NULL,
  stamm TEXT NOT NULL DEFAULT ''
);
CREATE INDEX stamm_stamm ON stamm (stamm);
CREATE INDEX stamm_vokabel_id ON stamm (vokabel_id);

CREATE TABLE lehrbuch (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  name TEXT NOT NULL DEFAULT ''
);

CREATE TABLE lektion (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  name TEXT NOT NULL DEFAULT '',
  lehrbuch_id INTEGER NOT NULL DEFAULT 0,
  notizen TEXT NOT NULL DEFAULT '',
  text TEXT NOT NULL DEFAULT '',
  unbenutzt TEXT,
  vokabeln INTEGER NOT NULL DEFAULT 0,
  erstellt TEXT NOT NULL DEFAULT '',
  zugriff TEXT NOT NULL DEFAULT ''
);
CREATE INDEX lektion_lehrbuch_id ON lektion (lehrbuch_id);
)";

const char *const kLekVokTabelle = R"(
CREATE TABLE lek_vok (
  vokabel_id INTEGER NOT NULL,
  lektion_id INTEGER NOT NULL,
  position INTEGER NOT NULL DEFAULT 0
);
)";

const char *const kLekVokIndexe = R"(
CREATE INDEX lek_vok_vokabel_id ON lek_vok (vokabel_id);
CREATE INDEX lek_vok_lektion_id ON lek_vok (lektion_id);
)";

const char *const kWortindex = R"(
CREATE TABLE vokwb (
  ausdruck TEXT NOT NULL DEFAULT '',
  vokabel_id INTEGER NOT NULL,
  ausdruck_lower TEXT NOT NULL DEFAULT '',
  ausdruck_such TEXT NOT NULL DEFAULT ''
);
CREATE INDEX vokwb_ausdruck ON vokwb (ausdruck_lower);
CREATE INDEX vokwb_ausdruck_such ON vokwb (ausdruck_such);
CREATE INDEX vokwb_vokabel_id ON vokwb (vokabel_id);
)";

// The review history: one row per answered drill question, and per entry
// and direction the memory state the scheduler works on. Times are
// "yyyymmddhhnnss", days "yyyymmdd", so text order is time order.
const char *const kLernTabellen = R"(
CREATE TABLE lernverlauf (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  vokabel_id INTEGER NOT NULL,
  zeitpunkt TEXT NOT NULL DEFAULT '',
  art INTEGER NOT NULL DEFAULT 0,
  richtung INTEGER NOT NULL DEFAULT 1,
  richtig INTEGER NOT NULL DEFAULT 0,
  sekunden INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX lernverlauf_vokabel_id ON lernverlauf (vokabel_id);
CREATE INDEX lernverlauf_zeitpunkt ON lernverlauf (zeitpunkt, richtig);

CREATE TABLE gedaechtnis (
  vokabel_id INTEGER NOT NULL,
  richtung INTEGER NOT NULL,
  stabilitaet REAL NOT NULL DEFAULT 0,
  schwierigkeit REAL NOT NULL DEFAULT 0,
  letzte TEXT NOT NULL DEFAULT '',
  faellig TEXT NOT NULL DEFAULT '',
  erste TEXT NOT NULL DEFAULT '',
  wiederholungen INTEGER NOT NULL DEFAULT 0,
  richtige INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (vokabel_id, richtung)
) WITHOUT ROWID;
CREATE INDEX gedaechtnis_faellig ON gedaechtnis (richtung, faellig);
)";

// The large lexicon, rebuilt whole by each import and never edited by the
// user: lemma rows shaped like vokabel (so that the analysis reads them the
// same way) with the marked principal parts, the model and the corpus
// frequency; meanings by language (1 German, 2 English, 3 French) and source.
const char *const kLexikonTabellen = R"(
CREATE TABLE lex_vokabel (
  id INTEGER PRIMARY KEY,
  vokabel TEXT NOT NULL DEFAULT '',
  form1 TEXT NOT NULL DEFAULT '',
  form2 TEXT NOT NULL DEFAULT '',
  form3 TEXT NOT NULL DEFAULT '',
  konjdekl TEXT NOT NULL DEFAULT '',
  wortart TEXT NOT NULL DEFAULT '',
  attribute INTEGER NOT NULL DEFAULT 0,
  aktualisierung TEXT NOT NULL DEFAULT '',
  vokabel_lower TEXT NOT NULL DEFAULT '',
  schluessel TEXT NOT NULL DEFAULT '',
  kanon TEXT NOT NULL DEFAULT '',
  laengen TEXT NOT NULL DEFAULT '',
  modell TEXT NOT NULL DEFAULT '',
  frequenz INTEGER NOT NULL DEFAULT 0,
  abgebildet INTEGER NOT NULL DEFAULT 1
);
CREATE INDEX lex_vokabel_vokabel ON lex_vokabel (vokabel_lower);
CREATE INDEX lex_vokabel_schluessel ON lex_vokabel (schluessel);
CREATE INDEX lex_vokabel_kanon ON lex_vokabel (kanon);

CREATE TABLE lex_bedeutung (
  vokabel_id INTEGER NOT NULL,
  sprache INTEGER NOT NULL DEFAULT 1,
  gruppe INTEGER NOT NULL DEFAULT 1,
  position INTEGER NOT NULL DEFAULT 1,
  bedeutung TEXT NOT NULL DEFAULT '',
  quelle TEXT NOT NULL DEFAULT ''
);
CREATE INDEX lex_bedeutung_vokabel_id ON lex_bedeutung (vokabel_id);

CREATE TABLE lex_sonderform (
  vokabel_id INTEGER NOT NULL,
  form_id INTEGER NOT NULL,
  form TEXT NOT NULL DEFAULT ''
);
CREATE INDEX lex_sonderform_vokabel_id ON lex_sonderform (vokabel_id);
CREATE INDEX lex_sonderform_form ON lex_sonderform (form);

CREATE TABLE lex_stamm (
  vokabel_id INTEGER NOT NULL,
  stamm TEXT NOT NULL DEFAULT ''
);
CREATE INDEX lex_stamm_stamm ON lex_stamm (stamm);

CREATE TABLE lex_info (
  schluessel TEXT PRIMARY KEY,
  wert TEXT NOT NULL DEFAULT ''
);
)";

std::optional<int64_t> Sequenz(TVerbindung &v, const char *tabelle)
{
    if (!v.TabelleVorhanden(QStringLiteral("sqlite_sequence")))
        return std::nullopt;
    TAnweisung a = v.Anweisung("SELECT seq FROM sqlite_sequence WHERE name = ?1");
    a.Binden(1, QString::fromLatin1(tabelle));
    if (a.Schritt())
        return a.Int64(0);
    return std::nullopt;
}

// lek_vok gets the 1-based place of each entry in its lesson, taken from the
// order in which the rows were stored, which is the order lessons were read
// in before.
void LekVokPositionErgaenzen(TVerbindung &v)
{
    v.Ausfuehren("ALTER TABLE lek_vok ADD COLUMN position INTEGER NOT NULL DEFAULT 0");
    v.Ausfuehren(R"(
UPDATE lek_vok SET position = (
  SELECT count(*) FROM lek_vok AS frueher
  WHERE frueher.lektion_id = lek_vok.lektion_id AND frueher.rowid <= lek_vok.rowid))");
}

// vokabel is rebuilt rather than extended so that aktualisierung keeps its
// place right after attribute in every database.
void VokabelAktualisierungErgaenzen(TVerbindung &v)
{
    const bool hatKlein = v.SpalteVorhanden(QStringLiteral("vokabel"), QStringLiteral("vokabel_lower"));
    const std::optional<int64_t> sequenz = Sequenz(v, "vokabel");

    v.Ausfuehren("ALTER TABLE vokabel RENAME TO vokabel_alt");
    v.Ausfuehren(kVokabelTabelle);
    if (hatKlein)
        v.Ausfuehren(R"(
INSERT INTO vokabel (id, vokabel, form1, form2, form3, konjdekl, wortart, attribute, aktualisierung, vokabel_lower)
SELECT id, vokabel, form1, form2, form3, konjdekl, wortart, attribute, '', vokabel_lower FROM vokabel_alt)");
    else
        v.Ausfuehren(R"(
INSERT INTO vokabel (id, vokabel, form1, form2, form3, konjdekl, wortart, attribute, aktualisierung)
SELECT id, vokabel, form1, form2, form3, konjdekl, wortart, attribute, '' FROM vokabel_alt)");
    v.Ausfuehren("DROP TABLE vokabel_alt");
    v.Ausfuehren(kVokabelIndexe);

    if (!hatKlein) {
        std::vector<std::pair<int64_t, QString>> zeilen;
        {
            TAnweisung lesen = v.Anweisung("SELECT id, vokabel FROM vokabel");
            while (lesen.Schritt())
                zeilen.emplace_back(lesen.Int64(0), lesen.Text(1));
        }
        for (const auto &[id, vokabel] : zeilen) {
            TAnweisung schreiben = v.Anweisung("UPDATE vokabel SET vokabel_lower = ?1 WHERE id = ?2");
            schreiben.Binden(1, vokabel.toLower()).Binden(2, id);
            schreiben.Ausfuehren();
        }
    }

    // Ids of deleted entries must not come back.
    if (sequenz) {
        TAnweisung a = v.Anweisung("UPDATE sqlite_sequence SET seq = max(seq, ?1) WHERE name = 'vokabel'");
        a.Binden(1, *sequenz);
        a.Ausfuehren();
        if (v.Aenderungen() == 0) {
            TAnweisung b = v.Anweisung("INSERT INTO sqlite_sequence (name, seq) VALUES ('vokabel', ?1)");
            b.Binden(1, *sequenz);
            b.Ausfuehren();
        }
    }
}

bool PositionFehlt(TVerbindung &v)
{
    return !v.SpalteVorhanden(QStringLiteral("lek_vok"), QStringLiteral("position"));
}

bool AktualisierungFehlt(TVerbindung &v)
{
    return !v.SpalteVorhanden(QStringLiteral("vokabel"), QStringLiteral("aktualisierung"));
}

struct Schritt {
    int32_t nachVersion;
    bool (*aendertTabellen)(TVerbindung &);
    void (*ausfuehren)(TVerbindung &);
};

// Version 1 -> 2: lek_vok.position and vokabel.aktualisierung.
bool Schritt2Noetig(TVerbindung &v)
{
    return PositionFehlt(v) || AktualisierungFehlt(v);
}

void Schritt2(TVerbindung &v)
{
    if (PositionFehlt(v))
        LekVokPositionErgaenzen(v);
    if (AktualisierungFehlt(v))
        VokabelAktualisierungErgaenzen(v);
}

// Version 2 -> 3: the dictionary's search keys (see Suchschluessel), one
// column and index per searched text, filled for every existing row.
struct TSuchspalte {
    const char *tabelle, *text, *spalte, *index;
    TSuchsprache sprache;
};
const TSuchspalte kSuchspalten[] = {
    {"vokabel", "vokabel", "vokabel_such", "vokabel_vokabel_such", TSuchsprache::Latein},
    {"vokwb", "ausdruck", "ausdruck_such", "vokwb_ausdruck_such", TSuchsprache::Latein},
    {"bedeutung", "bedeutung", "bedeutung_such", "bedeutung_bedeutung_such", TSuchsprache::Deutsch},
    {"merkhilfe", "merkhilfe", "merkhilfe_such", "merkhilfe_merkhilfe_such", TSuchsprache::Deutsch},
};

// Writes the key of every row of the column's table.
void SuchschluesselFuellen(TVerbindung &v, const TSuchspalte &s)
{
    // The names come from the fixed table above, never from the user.
    const QByteArray tabelle(s.tabelle), spalte(s.spalte);
    std::vector<std::pair<int64_t, QString>> zeilen;
    {
        TAnweisung lesen = v.Anweisung(("SELECT rowid, " + QByteArray(s.text) + " FROM " + tabelle).constData());
        while (lesen.Schritt())
            zeilen.emplace_back(lesen.Int64(0), lesen.Text(1));
    }
    TAnweisung schreiben = v.Anweisung(("UPDATE " + tabelle + " SET " + spalte + " = ?1 WHERE rowid = ?2").constData());
    for (const auto &[rowid, text] : zeilen) {
        schreiben.Binden(1, Suchschluessel(text, s.sprache)).Binden(2, rowid);
        schreiben.Ausfuehren();
        schreiben.Zuruecksetzen();
    }
}

// Asked about only when a column is missing; the keys are filled in any case.
bool Schritt3Noetig(TVerbindung &v)
{
    for (const TSuchspalte &s : kSuchspalten)
        if (v.TabelleVorhanden(QString::fromLatin1(s.tabelle)) &&
            !v.SpalteVorhanden(QString::fromLatin1(s.tabelle), QString::fromLatin1(s.spalte)))
            return true;
    return false;
}

void Schritt3(TVerbindung &v)
{
    for (const TSuchspalte &s : kSuchspalten) {
        // An old database may lack the word index; the start-up builds it
        // later with its keys.
        if (!v.TabelleVorhanden(QString::fromLatin1(s.tabelle)))
            continue;
        // The names come from the fixed table above, never from the user.
        const QByteArray tabelle(s.tabelle), spalte(s.spalte);
        if (!v.SpalteVorhanden(QString::fromLatin1(s.tabelle), QString::fromLatin1(s.spalte)))
            v.Ausfuehren(
                ("ALTER TABLE " + tabelle + " ADD COLUMN " + spalte + " TEXT NOT NULL DEFAULT ''").constData());
        v.Ausfuehren(
            ("CREATE INDEX IF NOT EXISTS " + QByteArray(s.index) + " ON " + tabelle + " (" + spalte + ")").constData());
        SuchschluesselFuellen(v, s);
    }
}

// Version 3 -> 4: the review history. Only new tables, so no question.
bool Schritt4Noetig(TVerbindung &)
{
    return false;
}

void Schritt4(TVerbindung &v)
{
    if (!v.TabelleVorhanden(QStringLiteral("lernverlauf")))
        v.Ausfuehren(kLernTabellen);
}

// Version 4 -> 5: German keys fold umlauts and their spellings to the
// plain vowel; the stored keys are made afresh. No table changes.
bool Schritt5Noetig(TVerbindung &)
{
    return false;
}

void Schritt5(TVerbindung &v)
{
    for (const TSuchspalte &s : kSuchspalten)
        if (s.sprache == TSuchsprache::Deutsch)
            SuchschluesselFuellen(v, s);
}

// Version 5 -> 6: the empty lexicon tables. Only new tables, so no question.
bool Schritt6Noetig(TVerbindung &)
{
    return false;
}

void Schritt6(TVerbindung &v)
{
    if (!v.TabelleVorhanden(QStringLiteral("lex_vokabel")))
        v.Ausfuehren(kLexikonTabellen);
}

const Schritt kSchritte[] = {
    {2, Schritt2Noetig, Schritt2}, {3, Schritt3Noetig, Schritt3}, {4, Schritt4Noetig, Schritt4},
    {5, Schritt5Noetig, Schritt5}, {6, Schritt6Noetig, Schritt6},
};

} // namespace

void SchemaAnlegen(TVerbindung &v)
{
    v.Ausfuehren(kVokabelTabelle);
    v.Ausfuehren(kVokabelIndexe);
    v.Ausfuehren(kUebrigeTabellen);
    v.Ausfuehren(kLekVokTabelle);
    v.Ausfuehren(kLekVokIndexe);
    v.Ausfuehren(kWortindex);
    v.Ausfuehren(kLernTabellen);
    v.Ausfuehren(kLexikonTabellen);
    v.SetBenutzerversion(kSchemaVersion);
}

void WortindexTabelleAnlegen(TVerbindung &v)
{
    v.Ausfuehren(kWortindex);
}

bool MigrationAendertTabellen(TVerbindung &v)
{
    const int32_t version = v.Benutzerversion();
    for (const Schritt &s : kSchritte)
        if (s.nachVersion > version && s.aendertTabellen(v))
            return true;
    return false;
}

namespace {

// The layout of one database as the checks compare it: per object its kind
// and table, per table the columns, per index its definition.
struct TObjekt {
    QString art;         // "table" or "index"
    QString tabelle;     // the table an index belongs to
    QStringList teile;   // columns of a table, key columns of an index
    QString merkmale;    // table: virtual or without rowid; index: unique, origin, partial
    bool regeln = false; // a foreign key or CHECK rule
};
using TAufbau = std::map<QString, TObjekt>;

QString Fehlertext(const QString &grund)
{
    return QStringLiteral("Der Aufbau der Datenbank passt nicht zu dieser Programmversion: %1").arg(grund);
}

// Strips quoted names and texts so a word inside them is not taken for a keyword.
bool HatCheckRegel(QString sql)
{
    static const QRegularExpression zitat(QStringLiteral("'[^']*'|\"[^\"]*\"|`[^`]*`|\\[[^\\]]*\\]"));
    static const QRegularExpression check(QStringLiteral("\\bCHECK\\b"), QRegularExpression::CaseInsensitiveOption);
    sql.remove(zitat);
    return sql.contains(check);
}

TAufbau AufbauLesen(TVerbindung &v)
{
    TAufbau aufbau;
    std::vector<std::pair<QString, QString>> tabellen;
    {
        TAnweisung a = v.Anweisung("SELECT type, name, tbl_name, coalesce(sql, '') FROM sqlite_master");
        while (a.Schritt()) {
            const QString art = a.Text(0), name = a.Text(1);
            // The engine's own bookkeeping (autoincrement counters, statistics).
            if (art == QLatin1String("table") && name.startsWith(QLatin1String("sqlite_")))
                continue;
            TObjekt o;
            o.art = art;
            o.tabelle = a.Text(2);
            aufbau[name] = o;
            if (art == QLatin1String("table"))
                tabellen.emplace_back(name, a.Text(3));
        }
    }
    for (const auto &[tabelle, sql] : tabellen) {
        TObjekt &t = aufbau[tabelle];
        const QByteArray name = tabelle.toUtf8();
        // Pragmas take no bound names; this one is quoted.
        const QByteArray zitiert = "\"" + QByteArray(name).replace("\"", "\"\"") + "\"";
        {
            TAnweisung a = v.Anweisung(("PRAGMA table_info(" + zitiert + ")").constData());
            while (a.Schritt()) {
                const QByteArray spalte = a.Text(1).toUtf8();
                const char *folge = nullptr;
                int autoinc = 0;
                sqlite3_table_column_metadata(v.Handle(), "main", name.constData(), spalte.constData(), nullptr, &folge,
                                              nullptr, nullptr, &autoinc);
                t.teile << QStringLiteral("%1 %2 pk%3 %4%5")
                               .arg(a.Text(1), a.Text(2).toUpper())
                               .arg(a.Int(5))
                               .arg(QString::fromUtf8(folge ? folge : "BINARY").toUpper(),
                                    autoinc ? QStringLiteral(" autoinc") : QString());
            }
        }
        // A virtual table or one without rowid where the layout has a plain one.
        static const QRegularExpression art(QStringLiteral("^\\s*CREATE\\s+VIRTUAL\\b|\\bWITHOUT\\s+ROWID\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch treffer = art.match(sql);
        t.merkmale = treffer.hasMatch() ? treffer.captured(0).simplified().toUpper() : QString();
        {
            TAnweisung a = v.Anweisung(("PRAGMA foreign_key_list(" + zitiert + ")").constData());
            t.regeln = a.Schritt() || HatCheckRegel(sql);
        }
        std::vector<std::tuple<QString, int, QString, int>> indexe;
        {
            TAnweisung liste = v.Anweisung(("PRAGMA index_list(" + zitiert + ")").constData());
            while (liste.Schritt())
                indexe.emplace_back(liste.Text(1), liste.Int(2), liste.Text(3), liste.Int(4));
        }
        for (const auto &[index, eindeutig, herkunft, teilweise] : indexe) {
            TObjekt &i = aufbau[index];
            i.art = QStringLiteral("index");
            i.tabelle = tabelle;
            i.merkmale = QStringLiteral("u%1 %2 p%3").arg(eindeutig).arg(herkunft).arg(teilweise);
            const QByteArray indexZitiert = "\"" + index.toUtf8().replace("\"", "\"\"") + "\"";
            TAnweisung spalten = v.Anweisung(("PRAGMA index_xinfo(" + indexZitiert + ")").constData());
            while (spalten.Schritt())
                i.teile << QStringLiteral("%1 %2 d%3 %4 k%5")
                               .arg(spalten.Int(1))
                               .arg(spalten.Text(2))
                               .arg(spalten.Int(3))
                               .arg(spalten.Text(4).toUpper())
                               .arg(spalten.Int(5));
        }
    }
    return aufbau;
}

// Built once from the same statements a new database is made with.
const TAufbau &Sollaufbau()
{
    static const TAufbau soll = [] {
        TVerbindung v(QStringLiteral(":memory:"), {}, TVerbindung::Modus::AnlegenWennNoetig);
        SchemaAnlegen(v);
        return AufbauLesen(v);
    }();
    return soll;
}

QStringList Spaltennamen(const QStringList &teile)
{
    QStringList namen;
    for (const QString &t : teile)
        namen << t.section(QLatin1Char(' '), 0, 0);
    return namen;
}

} // namespace

void ObjektartenPruefen(TVerbindung &v)
{
    TAnweisung a = v.Anweisung("SELECT type, name FROM sqlite_master WHERE type NOT IN ('table', 'index')");
    if (!a.Schritt())
        return;
    const QString art = a.Text(0);
    const QString wort = art == QLatin1String("trigger") ? QStringLiteral("den Trigger")
                         : art == QLatin1String("view")  ? QStringLiteral("die Sicht")
                                                         : QStringLiteral("das Objekt");
    throw DatenbankFehler(
        Fehlertext(QStringLiteral("Sie enthält %1 „%2“, den lexovita nie anlegt.").arg(wort, a.Text(1))));
}

void SchemaPruefen(TVerbindung &v)
{
    ObjektartenPruefen(v);
    if (v.Benutzerversion() != kSchemaVersion)
        throw DatenbankFehler(Fehlertext(
            QStringLiteral("Sie hat die Version %1 statt %2.").arg(v.Benutzerversion()).arg(kSchemaVersion)));
    const TAufbau &soll = Sollaufbau();
    const TAufbau ist = AufbauLesen(v);
    for (const auto &[name, o] : ist) {
        const auto s = soll.find(name);
        if (s == soll.end() || s->second.art != o.art || s->second.tabelle != o.tabelle)
            throw DatenbankFehler(Fehlertext(QStringLiteral("Sie enthält das unbekannte Objekt „%1“.").arg(name)));
    }
    for (const auto &[name, s] : soll) {
        const auto i = ist.find(name);
        if (s.art == QLatin1String("index")) {
            // Indexes only make look-ups fast; older releases lacked some.
            if (i != ist.end() && (i->second.teile != s.teile || i->second.merkmale != s.merkmale))
                throw DatenbankFehler(Fehlertext(QStringLiteral("Der Index „%1“ ist anders aufgebaut.").arg(name)));
            continue;
        }
        if (i == ist.end())
            throw DatenbankFehler(Fehlertext(QStringLiteral("Die Tabelle „%1“ fehlt.").arg(name)));
        const TObjekt &t = i->second;
        const QStringList sollSpalten = Spaltennamen(s.teile), istSpalten = Spaltennamen(t.teile);
        for (const QString &spalte : sollSpalten)
            if (!istSpalten.contains(spalte))
                throw DatenbankFehler(
                    Fehlertext(QStringLiteral("Der Tabelle „%1“ fehlt die Spalte „%2“.").arg(name, spalte)));
        for (const QString &spalte : istSpalten)
            if (!sollSpalten.contains(spalte))
                throw DatenbankFehler(
                    Fehlertext(QStringLiteral("Die Tabelle „%1“ hat die unbekannte Spalte „%2“.").arg(name, spalte)));
        if (t.teile != s.teile || t.merkmale != s.merkmale)
            throw DatenbankFehler(
                Fehlertext(QStringLiteral("Die Spalten der Tabelle „%1“ sind anders aufgebaut.").arg(name)));
        if (t.regeln)
            throw DatenbankFehler(
                Fehlertext(QStringLiteral("Die Tabelle „%1“ hat Regeln, die lexovita nie anlegt.").arg(name)));
    }
}

void MigrationAusfuehren(TVerbindung &v)
{
    const int32_t version = v.Benutzerversion();
    for (const Schritt &s : kSchritte)
        if (s.nachVersion > version)
            s.ausfuehren(v);
    v.SetBenutzerversion(kSchemaVersion);
}

} // namespace lexovita
