// lexovita-cli under stress: killed at random moments while it imports and
// stores, and run twice at once on one database. Afterwards the database
// must pass the engine's integrity check, hold no rows that hang on a
// missing entry or lesson, and hold each import either wholly or not at all.
//
// LEXOVITA_ABSTUERZE sets the number of kills (default 10); LEXOVITA_SAAT
// repeats a run with the seed it printed.

#include "model/rueckfrage.h"
#include "store/datenmanager.h"
#include "store/sicherung.h"
#include "store/sqlite.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>

#include <unistd.h>

using namespace lexovita;

namespace {

constexpr int kLektionsgroesse = 5000;
constexpr int kBurst = 300;

std::string S(const QString &s)
{
    return s.toStdString();
}

QProcess *Starten(const QString &daten, const QStringList &argumente, const QByteArray &eingabe = {})
{
    auto *p = new QProcess;
    p->start(QStringLiteral(LEXOVITA_CLI), QStringList{QStringLiteral("--data"), daten} + argumente);
    EXPECT_TRUE(p->waitForStarted(10000));
    p->write(eingabe);
    p->closeWriteChannel();
    return p;
}

struct Ende {
    int code = -1;
    QString fehler;
};

Ende Abwarten(QProcess *p)
{
    if (p->state() != QProcess::NotRunning) {
        EXPECT_TRUE(p->waitForFinished(600000));
    }
    Ende e{p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1, QString::fromUtf8(p->readAllStandardError())};
    delete p;
    return e;
}

// A lesson file of `n` entries whose headwords all begin with `praefix`:
// verbs and nouns alternately, so stems and word-index rows are written too.
QByteArray Lektionsdatei(const QString &praefix, int n)
{
    QByteArray x = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LEXOVITA><BUCH name=\"Stress\"><LEKTION name=\"" +
                   praefix.toUtf8() + "\">\n";
    for (int i = 0; i < n; ++i) {
        const QByteArray w = praefix.toUtf8() + "x" + QByteArray::number(i);
        if (i % 2 == 0)
            x += "<VOK><NAME>" + w + "are</NAME><BED><WORT>tun " + QByteArray::number(i) +
                 "</WORT><GRUPPE>1</GRUPPE><POS>1</POS></BED><FORM1>" + w + "o</FORM1><FORM2>" + w +
                 "avi</FORM2><FORM3>" + w +
                 "atum</FORM3><WORTART>1</WORTART><KONJDEKL>8</KONJDEKL><ATTRIBUTE>9</ATTRIBUTE>"
                 "<MERKHILFE sprache=\"2\">do</MERKHILFE></VOK>\n";
        else
            x += "<VOK><NAME>" + w + "a</NAME><BED><WORT>Ding " + QByteArray::number(i) +
                 "</WORT><GRUPPE>1</GRUPPE><POS>1</POS></BED><FORM1>" + w +
                 "ae</FORM1><FORM2>f</FORM2><WORTART>2</WORTART><KONJDEKL>8</KONJDEKL><ATTRIBUTE>10</ATTRIBUTE>"
                 "<SF fid=\"8192\">" +
                 w + "a</SF></VOK>\n";
    }
    x += "<TEXT>Lorem ipsum.</TEXT></LEKTION></BUCH></LEXOVITA>\n";
    return x;
}

// JSON lines for `speichern`: `n` nouns with one meaning each.
QByteArray Burst(const QString &praefix, int n)
{
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b += "{\"key\":" + QByteArray::number(i) + ",\"vokabel\":\"" + praefix.toUtf8() + "y" + QByteArray::number(i) +
             "us\",\"form1\":\"" + praefix.toUtf8() + "y" + QByteArray::number(i) +
             "i\",\"form2\":\"m\",\"wortart\":\"s\",\"konjdekl\":\"o\",\"attribute\":0,\"bedeutungen\":[\"Sache " +
             QByteArray::number(i) + "\"]}\n";
    return b;
}

int64_t Zahl(TVerbindung &v, const QString &sql)
{
    TAnweisung a = v.Anweisung(sql.toUtf8().constData());
    return a.Schritt() ? a.Int64(0) : -1;
}

// Rows whose owner is gone, by table.
const char *const kWaisen[][2] = {
    {"vok_bed", "SELECT count(*) FROM vok_bed WHERE vokabel_id NOT IN (SELECT id FROM vokabel)"},
    {"vok_bed/bedeutung", "SELECT count(*) FROM vok_bed WHERE bedeutung_id NOT IN (SELECT id FROM bedeutung)"},
    {"merkhilfe", "SELECT count(*) FROM merkhilfe WHERE vokabel_id NOT IN (SELECT id FROM vokabel)"},
    {"sonderform", "SELECT count(*) FROM sonderform WHERE vokabel_id NOT IN (SELECT id FROM vokabel)"},
    {"stamm", "SELECT count(*) FROM stamm WHERE vokabel_id NOT IN (SELECT id FROM vokabel)"},
    {"vokwb", "SELECT count(*) FROM vokwb WHERE vokabel_id NOT IN (SELECT id FROM vokabel)"},
    {"lek_vok", "SELECT count(*) FROM lek_vok WHERE vokabel_id NOT IN (SELECT id FROM vokabel)"},
    {"lek_vok/lektion", "SELECT count(*) FROM lek_vok WHERE lektion_id NOT IN (SELECT id FROM lektion)"},
    {"lektion", "SELECT count(*) FROM lektion WHERE lehrbuch_id NOT IN (SELECT id FROM lehrbuch)"},
    // An entry without its word-index row or meaning was stored half.
    {"vokabel ohne vokwb", "SELECT count(*) FROM vokabel WHERE id NOT IN (SELECT vokabel_id FROM vokwb)"},
    {"vokabel ohne vok_bed", "SELECT count(*) FROM vokabel WHERE id NOT IN (SELECT vokabel_id FROM vok_bed)"},
};

// Integrity and orphans; then, per import round, all or nothing.
void DatenbankPruefen(const QString &ordner, int runden, const std::string &kontext)
{
    TDatenmanager daten(ordner, TDatenmanager::Modus::NurVorhandene);
    // The command line leaves the database current: no upgrade is pending.
    ASSERT_TRUE(daten.Bereit()) << kontext;
    TVerbindung &v = daten.Verbindung();
    EXPECT_NO_THROW(IntegritaetPruefen(v)) << kontext;
    for (const auto &w : kWaisen)
        EXPECT_EQ(Zahl(v, QString::fromLatin1(w[1])), 0) << kontext << ": " << w[0];
    for (int r = 0; r < runden; ++r) {
        const QString name = QStringLiteral("r%1").arg(r);
        const int64_t eintraege =
            Zahl(v, QStringLiteral("SELECT count(*) FROM vokabel WHERE vokabel GLOB '%1x*'").arg(name));
        const int64_t lektionen = Zahl(v, QStringLiteral("SELECT count(*) FROM lektion WHERE name = '%1'").arg(name));
        const int64_t zeilen = Zahl(v, QStringLiteral("SELECT count(*) FROM lek_vok JOIN lektion ON lektion.id = "
                                                      "lek_vok.lektion_id WHERE lektion.name = '%1'")
                                           .arg(name));
        const bool ganz = eintraege == kLektionsgroesse && lektionen == 1 && zeilen == kLektionsgroesse;
        const bool nichts = eintraege == 0 && lektionen == 0 && zeilen == 0;
        EXPECT_TRUE(ganz || nichts) << kontext << ": Runde " << r << " halb importiert: " << eintraege << " Vokabeln, "
                                    << lektionen << " Lektionen, " << zeilen << " Zeilen";
    }
}

int Umgebungszahl(const char *name, int standard)
{
    const char *w = std::getenv(name);
    return w && *w ? std::atoi(w) : standard;
}

class Zuverlaessigkeit : public ::testing::Test {
  protected:
    QTemporaryDir tmp;
    QString Daten() const { return tmp.filePath(QStringLiteral("daten")); }
    QString Datei(const QString &name, const QByteArray &inhalt) const
    {
        const QString pfad = tmp.filePath(name);
        QFile f(pfad);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        return pfad;
    }
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        const Ende e = Abwarten(Starten(Daten(), {QStringLiteral("init")}));
        ASSERT_EQ(e.code, 0) << S(e.fehler);
    }
};

// Import and a burst of single stores run side by side and are killed at a
// random moment of their work; the database stays whole after every kill.
TEST_F(Zuverlaessigkeit, AbsturzWaehrendImportUndSpeichern)
{
    const int kills = Umgebungszahl("LEXOVITA_ABSTUERZE", 10);
    const auto saat = static_cast<unsigned>(
        Umgebungszahl("LEXOVITA_SAAT", static_cast<int>(std::chrono::steady_clock::now().time_since_epoch().count())));
    std::mt19937 zufall(saat);
    SCOPED_TRACE("LEXOVITA_SAAT=" + std::to_string(saat));

    // How long an uninterrupted round takes sets the range of kill moments.
    QElapsedTimer uhr;
    uhr.start();
    QProcess *imp =
        Starten(Daten(), {QStringLiteral("import"),
                          Datei(QStringLiteral("r0.xml"), Lektionsdatei(QStringLiteral("r0"), kLektionsgroesse))});
    QProcess *sp = Starten(Daten(), {QStringLiteral("speichern")}, Burst(QStringLiteral("r0"), kBurst));
    const Ende ei = Abwarten(imp), es = Abwarten(sp);
    const qint64 dauer = uhr.elapsed();
    ASSERT_EQ(ei.code, 0) << S(ei.fehler);
    ASSERT_EQ(es.code, 0) << S(es.fehler);
    DatenbankPruefen(Daten(), 1, "ohne Abbruch");

    int getroffen = 0;
    for (int r = 1; r <= kills; ++r) {
        const QString name = QStringLiteral("r%1").arg(r);
        imp = Starten(Daten(), {QStringLiteral("import"),
                                Datei(name + QStringLiteral(".xml"), Lektionsdatei(name, kLektionsgroesse))});
        sp = Starten(Daten(), {QStringLiteral("speichern")}, Burst(name, kBurst));
        const int warten = std::uniform_int_distribution<int>(0, static_cast<int>(dauer))(zufall);
        QThread::msleep(static_cast<unsigned long>(warten));
        const bool lief = imp->state() != QProcess::NotRunning || sp->state() != QProcess::NotRunning;
        getroffen += lief;
        imp->kill();
        sp->kill();
        Abwarten(imp);
        Abwarten(sp);
        DatenbankPruefen(Daten(), r + 1, "Abbruch " + std::to_string(r) + " nach " + std::to_string(warten) + " ms");
        if (HasFailure())
            return;
    }
    // Most kills must hit a running process, or the test proves little.
    EXPECT_GE(getroffen, kills / 2);
    TDatenmanager daten(Daten(), TDatenmanager::Modus::NurVorhandene);
    const int64_t ganz = Zahl(daten.Verbindung(), QStringLiteral("SELECT count(*) FROM lektion")) - 1;
    std::printf("%d Abbrüche, %d davon während der Arbeit, %lld Importe ganz erhalten; Runde ohne Abbruch %lld ms\n",
                kills, getroffen, static_cast<long long>(ganz), static_cast<long long>(dauer));
}

// Two imports and a burst of stores at once: each waits for the others'
// write lock, and everything arrives.
TEST_F(Zuverlaessigkeit, ZweiSchreiberZugleich)
{
    constexpr int n = 500;
    QProcess *a = Starten(
        Daten(), {QStringLiteral("import"), Datei(QStringLiteral("r0.xml"), Lektionsdatei(QStringLiteral("r0"), n))});
    QProcess *b = Starten(
        Daten(), {QStringLiteral("import"), Datei(QStringLiteral("r1.xml"), Lektionsdatei(QStringLiteral("r1"), n))});
    QProcess *c = Starten(Daten(), {QStringLiteral("speichern")}, Burst(QStringLiteral("r2"), 100));
    for (QProcess *p : {a, b, c}) {
        const Ende e = Abwarten(p);
        EXPECT_EQ(e.code, 0) << S(e.fehler);
    }
    TDatenmanager daten(Daten(), TDatenmanager::Modus::NurVorhandene);
    TVerbindung &v = daten.Verbindung();
    EXPECT_NO_THROW(IntegritaetPruefen(v));
    for (const auto &w : kWaisen)
        EXPECT_EQ(Zahl(v, QString::fromLatin1(w[1])), 0) << w[0];
    EXPECT_EQ(Zahl(v, QStringLiteral("SELECT count(*) FROM lek_vok")), 2 * n);
    EXPECT_EQ(Zahl(v, QStringLiteral("SELECT count(*) FROM vokabel")), 2 * n + 100);
}

// Two programs starting at once on a folder without a database: both find
// a whole one, neither calls it damaged.
TEST_F(Zuverlaessigkeit, ZweiStartsLegenEineDatenbankAn)
{
    for (int runde = 0; runde < 5; ++runde) {
        const QString ordner = tmp.filePath(QStringLiteral("neu%1").arg(runde));
        QProcess *a = Starten(ordner, {QStringLiteral("init")});
        QProcess *b = Starten(ordner, {QStringLiteral("init")});
        for (QProcess *p : {a, b}) {
            const Ende e = Abwarten(p);
            EXPECT_EQ(e.code, 0) << "Runde " << runde << ": " << S(e.fehler);
        }
        EXPECT_EQ(QDir(ordner).entryList(QDir::Files).filter(QStringLiteral(".neu-")).size(), 0);
    }
}

// A writer that cannot get the lock in time says so in German and changes
// nothing; the holder of the lock keeps its work.
TEST_F(Zuverlaessigkeit, GesperrteDatenbankAendertNichts)
{
    const QString datei = Datei(QStringLiteral("r0.xml"), Lektionsdatei(QStringLiteral("r0"), 10));
    TDatenmanager halter(Daten(), TDatenmanager::Modus::NurVorhandene);
    const int64_t vorher = Zahl(halter.Verbindung(), QStringLiteral("SELECT count(*) FROM vokabel"));
    {
        TTransaktion sperre(halter.Verbindung());
        halter.Verbindung().Ausfuehren("INSERT INTO lehrbuch (name) VALUES ('Halter')");
        const struct {
            QStringList argumente;
            QByteArray eingabe;
        } faelle[] = {
            {{QStringLiteral("import"), datei}, {}},
            {{QStringLiteral("speichern")}, Burst(QStringLiteral("r1"), 3)},
        };
        for (const auto &f : faelle) {
            const Ende e = Abwarten(Starten(Daten(), f.argumente, f.eingabe));
            EXPECT_EQ(e.code, 1) << S(f.argumente.join(QLatin1Char(' ')));
            EXPECT_TRUE(e.fehler.contains(QStringLiteral(
                "Die Datenbank ist von einem anderen Programm gesperrt. Bitte versuche es später erneut.")))
                << S(e.fehler);
        }
        sperre.Bestaetigen();
    }
    TDatenmanager danach(Daten(), TDatenmanager::Modus::NurVorhandene);
    EXPECT_EQ(Zahl(danach.Verbindung(), QStringLiteral("SELECT count(*) FROM vokabel")), vorher);
    EXPECT_EQ(Zahl(danach.Verbindung(), QStringLiteral("SELECT count(*) FROM lektion")), 0);
    EXPECT_EQ(Zahl(danach.Verbindung(), QStringLiteral("SELECT count(*) FROM lehrbuch WHERE name = 'Halter'")), 1);
    EXPECT_NO_THROW(IntegritaetPruefen(danach.Verbindung()));
}

// A database on write-protected storage says so, for writing and reading,
// and stays as it was. Root ignores file modes, so as root the program runs
// as "nobody".
TEST_F(Zuverlaessigkeit, SchreibgeschuetzteDatenbankSagtEs)
{
    QStringList vorsatz;
    if (geteuid() == 0) {
        if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            GTEST_SKIP() << "setpriv fehlt";
        vorsatz = {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                   QStringLiteral(LEXOVITA_CLI)};
    }
    const QString db = QDir(Daten()).filePath(QStringLiteral("lexovita.db"));
    const qint64 groesse = QFileInfo(db).size();
    const auto lesbar = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    const auto betretbar = lesbar | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(tmp.path(), betretbar | QFileDevice::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(db, lesbar));
    const struct {
        const char *name;
        bool ordnerGeschuetzt;
        QStringList argumente;
        QByteArray eingabe;
    } faelle[] = {
        {"Datei", false, {QStringLiteral("speichern")}, Burst(QStringLiteral("ro"), 1)},
        {"Ordner", true, {QStringLiteral("speichern")}, Burst(QStringLiteral("ro"), 1)},
        {"Ordner, nur lesen", true, {QStringLiteral("suche"), QStringLiteral("ro")}, {}},
    };
    for (const auto &f : faelle) {
        ASSERT_TRUE(QFile::setPermissions(Daten(), f.ordnerGeschuetzt
                                                       ? betretbar
                                                       : betretbar | QFileDevice::WriteOwner | QFileDevice::WriteGroup |
                                                             QFileDevice::WriteOther));
        QProcess p;
        p.setProcessEnvironment([&] {
            auto umgebung = QProcessEnvironment::systemEnvironment();
            umgebung.insert(QStringLiteral("HOME"), tmp.path());
            return umgebung;
        }());
        const QStringList argumente = QStringList{QStringLiteral("--data"), Daten()} + f.argumente;
        if (vorsatz.isEmpty())
            p.start(QStringLiteral(LEXOVITA_CLI), argumente);
        else
            p.start(QStringLiteral("setpriv"), vorsatz + argumente);
        ASSERT_TRUE(p.waitForStarted(10000));
        p.write(f.eingabe);
        p.closeWriteChannel();
        ASSERT_TRUE(p.waitForFinished(60000));
        const QString fehler = QString::fromUtf8(p.readAllStandardError());
        EXPECT_EQ(p.exitCode(), 1) << f.name;
        EXPECT_TRUE(fehler.contains(QStringLiteral("ist schreibgeschützt"))) << f.name << ": " << S(fehler);
    }
    ASSERT_TRUE(QFile::setPermissions(Daten(), betretbar | QFileDevice::WriteOwner));
    EXPECT_EQ(QFileInfo(db).size(), groesse);
    TDatenmanager danach(Daten(), TDatenmanager::Modus::NurVorhandene);
    EXPECT_EQ(Zahl(danach.Verbindung(), QStringLiteral("SELECT count(*) FROM vokabel WHERE vokabel LIKE 'ro%'")), 0);
}

} // namespace
