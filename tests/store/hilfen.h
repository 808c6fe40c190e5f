#pragma once

// Shared helpers of the store tests: a scratch data folder, a scripted
// question interface and short ways to build entries and count rows.

#include "model/rueckfrage.h"
#include "model/vokabel.h"
#include "store/datenmanager.h"

#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Readable failure output for Qt strings.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList &l, std::ostream *os)
{
    *os << '{';
    for (const QString &s : l)
        *os << '"' << s.toStdString() << "\" ";
    *os << '}';
}

namespace lexovita::test {

inline const QByteArray kSchluessel = QByteArrayLiteral("k7zq3mv0xh2bn8rt5wyc4");

// A database as an earlier release left it: lek_vok without position,
// vokabel without aktualisierung, no word index.
inline void AlteDatenbankAnlegen(const QString &datei, bool mitPosition = false, bool mitAktualisierung = false,
                                 bool mitSuchspalten = false, int32_t version = 1)
{
    TVerbindung v(datei, kSchluessel, TVerbindung::Modus::AnlegenWennNoetig);
    v.Ausfuehren(R"(
CREATE TABLE vokabel (id INTEGER PRIMARY KEY AUTOINCREMENT, vokabel TEXT NOT NULL DEFAULT '',
  form1 TEXT NOT NULL DEFAULT '', form2 TEXT NOT NULL DEFAULT '', form3 TEXT NOT NULL DEFAULT '',
  konjdekl TEXT NOT NULL DEFAULT '', wortart TEXT NOT NULL DEFAULT '', attribute INTEGER NOT NULL DEFAULT 0,
  vokabel_lower TEXT NOT NULL DEFAULT '');
CREATE INDEX vokabel_vokabel ON vokabel (vokabel_lower);
CREATE INDEX vokabel_vokabelwortart ON vokabel (vokabel, wortart);
CREATE TABLE bedeutung (id INTEGER PRIMARY KEY AUTOINCREMENT, bedeutung TEXT NOT NULL DEFAULT '',
  bedeutung_lower TEXT NOT NULL DEFAULT '');
CREATE TABLE vok_bed (vokabel_id INTEGER, bedeutung_id INTEGER, gruppe INTEGER, position INTEGER, kommentar TEXT);
CREATE TABLE vok_vok (vokabel1_id INTEGER, vokabel2_id INTEGER);
CREATE TABLE merkhilfe (vokabel_id INTEGER, merkhilfe TEXT, sprache INTEGER, merkhilfe_lower TEXT);
CREATE TABLE sonderform (vokabel_id INTEGER, form_id INTEGER, form TEXT);
CREATE TABLE stamm (vokabel_id INTEGER, stamm TEXT);
CREATE TABLE lehrbuch (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT);
CREATE TABLE lektion (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, lehrbuch_id INTEGER, notizen TEXT,
  text TEXT, unbenutzt TEXT, vokabeln INTEGER, erstellt TEXT, zugriff TEXT);
CREATE TABLE lek_vok (vokabel_id INTEGER, lektion_id INTEGER);
INSERT INTO vokabel (vokabel, form1, form2, form3, konjdekl, wortart, attribute, vokabel_lower)
  VALUES ('amare', 'amo', 'amavi', 'amatum', 'a', 'v', 9, 'amare');
INSERT INTO vokabel (vokabel, form1, form2, konjdekl, wortart, attribute, vokabel_lower)
  VALUES ('Rosa', 'rosae', 'f', 'a', 's', 10, 'rosa');
INSERT INTO vokabel (vokabel, wortart, attribute, vokabel_lower) VALUES ('geloescht', '', 3, 'geloescht');
DELETE FROM vokabel WHERE vokabel = 'geloescht';
INSERT INTO bedeutung (bedeutung, bedeutung_lower) VALUES ('lieben', 'lieben');
INSERT INTO vok_bed VALUES (1, 1, 1, 1, '');
INSERT INTO lektion (name, lehrbuch_id) VALUES ('L1', 0);
INSERT INTO lek_vok VALUES (2, 1);
INSERT INTO lek_vok VALUES (1, 1);
INSERT INTO lek_vok VALUES (2, 7);
)");
    if (mitPosition)
        v.Ausfuehren("ALTER TABLE lek_vok ADD COLUMN position INTEGER NOT NULL DEFAULT 0");
    if (mitAktualisierung)
        v.Ausfuehren("ALTER TABLE vokabel ADD COLUMN aktualisierung TEXT NOT NULL DEFAULT ''");
    if (mitSuchspalten)
        for (const char *sql : {"ALTER TABLE vokabel ADD COLUMN vokabel_such TEXT NOT NULL DEFAULT ''",
                                "ALTER TABLE bedeutung ADD COLUMN bedeutung_such TEXT NOT NULL DEFAULT ''",
                                "ALTER TABLE merkhilfe ADD COLUMN merkhilfe_such TEXT NOT NULL DEFAULT ''"})
            v.Ausfuehren(sql);
    v.SetBenutzerversion(version);
}

// Answers questions from a script and records everything it was shown.
class TSkriptRueckfrage : public IRueckfrage {
  public:
    struct Frage {
        QString titel, text;
        int knoepfe;
        Antwort vorgabe;
        Symbol symbol;
    };
    std::deque<Antwort> antworten;
    std::vector<Frage> fragen;
    std::vector<QString> meldungen;
    int backups = 0;
    bool backupGelingt = true;

    TSkriptRueckfrage() = default;
    TSkriptRueckfrage(std::initializer_list<Antwort> a) : antworten(a) {}

    Antwort Frage(const QString &titel, const QString &text, int knoepfe, Antwort vorgabe, Symbol symbol) override
    {
        fragen.push_back({titel, text, knoepfe, vorgabe, symbol});
        if (antworten.empty()) {
            ADD_FAILURE() << "unerwartete Frage: " << text.toStdString();
            return Antwort::Abbrechen;
        }
        const Antwort a = antworten.front();
        antworten.pop_front();
        return a;
    }
    void Meldung(const QString &, const QString &text) override { meldungen.push_back(text); }
    bool BackupAnbieten() override
    {
        ++backups;
        return backupGelingt;
    }
};

// A fresh data folder per test.
class DatenOrdner : public ::testing::Test {
  protected:
    QTemporaryDir ordner;
    QString Pfad() const { return ordner.path(); }
    QString Datei() const { return ordner.filePath(TDatenmanager::Dateiname()); }
    QByteArray Inhalt() const
    {
        QFile f(Datei());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

inline int Zahl(TDatenmanager &d, const char *sql, int64_t parameter = 0)
{
    TAnweisung a = d.Verbindung().Anweisung(sql);
    if (QByteArray(sql).contains("?1"))
        a.Binden(1, parameter);
    return a.Schritt() ? a.Int(0) : -1;
}

inline std::unique_ptr<TVokabel> Eintrag(const QString &vokabel, int32_t wortart, int32_t konjdekl = KD_KEINE,
                                         const QString &f1 = {}, const QString &f2 = {}, const QString &f3 = {})
{
    auto v = std::make_unique<TVokabel>();
    v->vokabel = vokabel;
    v->SetWortart(wortart);
    v->SetKonjDekl(konjdekl);
    v->form1 = f1;
    v->form2 = f2;
    v->form3 = f3;
    return v;
}

// "text g/p [remark]" in list order.
inline std::vector<std::string> Bedeutungen(const TVokabel &v)
{
    std::vector<std::string> aus;
    for (const auto &b : v.bedeutungen) {
        QString s = QStringLiteral("%1 %2/%3").arg(b->bedeutung).arg(b->gruppe).arg(b->position);
        if (!b->kommentar.isEmpty())
            s += QStringLiteral(" [%1]").arg(b->kommentar);
        aus.push_back(s.toStdString());
    }
    return aus;
}

using Liste = std::vector<std::string>;

} // namespace lexovita::test
