// Backup, restore and cleanup on a real database file, as the backup and
// cleanup windows and the command line use them.
#include "app/auftrag.h"
#include "app/lektionssitzung.h"
#include "app/sicherungsdienst.h"
#include "model/uhr.h"
#include "store/analysequelle.h"
#include "store/hilfen.h"
#include "store/sicherung.h"
#include "store/vokabelspeicher.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <map>
#include <zip.h>

namespace lexovita::test {
namespace {

const QDate kTag(2024, 3, 5);

// Every row of every table, as text, sorted per table.
std::map<QString, QStringList> AlleZeilen(TDatenmanager &d)
{
    std::map<QString, QStringList> aus;
    for (const QString &t : AufraeumTabellen(d)) {
        const QByteArray sql = QStringLiteral("SELECT * FROM \"%1\"").arg(t).toUtf8();
        TAnweisung a = d.Verbindung().Anweisung(sql.constData());
        QStringList zeilen;
        while (a.Schritt()) {
            QStringList felder;
            for (int s = 0; s < a.Spaltenzahl(); ++s)
                felder << (a.IstNull(s) ? QStringLiteral("<null>") : a.Text(s));
            zeilen << felder.join(QLatin1Char('|'));
        }
        zeilen.sort();
        aus[t] = zeilen;
    }
    return aus;
}

void ZipSchreiben(const QString &pfad, const std::vector<std::pair<QString, QByteArray>> &eintraege)
{
    int code = 0;
    zip_t *z = zip_open(QFile::encodeName(pfad).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    ASSERT_NE(z, nullptr);
    for (const auto &[name, inhalt] : eintraege) {
        zip_source_t *q = zip_source_buffer(z, inhalt.constData(), static_cast<zip_uint64_t>(inhalt.size()), 0);
        ASSERT_GE(zip_file_add(z, name.toUtf8().constData(), q, ZIP_FL_ENC_UTF_8), 0) << name.toStdString();
    }
    ASSERT_EQ(zip_close(z), 0);
}

QByteArray Lesen(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Sicherung : public ::testing::Test {
  protected:
    QTemporaryDir tmp;
    TFesteUhr uhr{QDateTime(kTag, QTime(9, 30))};
    TSkriptRueckfrage r;
    std::unique_ptr<TDatenmanager> dm;

    QString Daten() const { return tmp.filePath(QStringLiteral("daten")); }
    QString Ziel() const { return tmp.filePath(QStringLiteral("ziel")); }

    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(Ziel()));
        dm = std::make_unique<TDatenmanager>(Daten());
        dm->SetUhr(uhr);
        TVokabelSpeicher s(*dm, r);
        for (const char *w : {"amare", "rosa", "bellum"}) {
            auto v = Eintrag(QString::fromLatin1(w), WA_SUBSTANTIV, KD_A, QStringLiteral("x"));
            v->BedeutungHinzufuegen(QStringLiteral("Bedeutung von %1").arg(QString::fromLatin1(w)), {}, 1, 1);
            s.VokabelAnlegen(*v);
        }
    }
    TSicherungsdienst Dienst(TLektionssitzung *sitzung = nullptr) { return {*dm, r, uhr, sitzung}; }
    // The database inside a fresh backup, as raw bytes.
    QByteArray DatenbankBytes()
    {
        const TSicherungsErgebnis e = Dienst().BackupErstellen(Ziel());
        EXPECT_TRUE(e.ok) << e.meldung.toStdString();
        QTemporaryDir aus;
        return Lesen(BackupEntpacken(e.datei, aus.path()));
    }
    QStringList Arbeitsreste() const
    {
        return QDir(Daten())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
            .filter(QRegularExpression(QStringLiteral("^\\.|vor-wiederherstellung")));
    }
};

TEST(Backupname, FirstFreeNumberAfterCollisions)
{
    const struct {
        QStringList vorhanden;
        QString erwartet;
    } faelle[] = {
        {{}, "lexovita Backup 2024-03-05.zip"},
        {{"lexovita Backup 2024-03-04.zip"}, "lexovita Backup 2024-03-05.zip"},
        {{"lexovita Backup 2024-03-05.zip"}, "lexovita Backup 2024-03-05 (1).zip"},
        {{"lexovita Backup 2024-03-05.zip", "lexovita Backup 2024-03-05 (1).zip"},
         "lexovita Backup 2024-03-05 (2).zip"},
        // a gap is filled: the first number whose file is missing
        {{"lexovita Backup 2024-03-05.zip", "lexovita Backup 2024-03-05 (2).zip"},
         "lexovita Backup 2024-03-05 (1).zip"},
    };
    for (const auto &f : faelle) {
        QTemporaryDir d;
        for (const QString &n : f.vorhanden) {
            QFile datei(d.filePath(n));
            ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        }
        EXPECT_EQ(BackupDateiname(d.path(), kTag), d.filePath(f.erwartet)) << f.vorhanden.join(", ").toStdString();
    }
}

TEST_F(Sicherung, TwoBackupsOnOneDayGetNumberedNamesAndAreStandardZips)
{
    const TSicherungsErgebnis a = Dienst().BackupErstellen(Ziel());
    const TSicherungsErgebnis b = Dienst().BackupErstellen(Ziel());
    ASSERT_TRUE(a.ok && b.ok) << a.meldung.toStdString() << b.meldung.toStdString();
    EXPECT_EQ(a.datei, QDir(Ziel()).filePath("lexovita Backup 2024-03-05.zip"));
    EXPECT_EQ(b.datei, QDir(Ziel()).filePath("lexovita Backup 2024-03-05 (1).zip"));
    EXPECT_EQ(a.meldung, QStringLiteral("Ein Backup mit dem Namen\n\n\"%1\"\n\nwurde angelegt.").arg(a.datei));
    // One entry at the archive root, readable by any zip tool.
    int code = 0;
    zip_t *z = zip_open(QFile::encodeName(a.datei).constData(), ZIP_RDONLY, &code);
    ASSERT_NE(z, nullptr);
    ASSERT_EQ(zip_get_num_entries(z, 0), 1);
    EXPECT_STREQ(zip_get_name(z, 0, 0), "lexovita.db");
    zip_discard(z);
    EXPECT_TRUE(Arbeitsreste().isEmpty()) << Arbeitsreste().join(", ").toStdString();
}

TEST_F(Sicherung, AMissingFolderIsRefusedWithoutWritingAnything)
{
    const TSicherungsErgebnis e = Dienst().BackupErstellen(tmp.filePath("gibt-es-nicht"));
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.meldung, QStringLiteral("Das ausgewählte Verzeichnis ist ungültig."));
    EXPECT_FALSE(QFileInfo::exists(tmp.filePath("gibt-es-nicht")));
}

TEST_F(Sicherung, RestoreGivesBackExactlyTheRowsOfTheBackup)
{
    const auto vorher = AlleZeilen(*dm);
    const TSicherungsErgebnis b = Dienst().BackupErstellen(Ziel());
    ASSERT_TRUE(b.ok) << b.meldung.toStdString();

    TVokabelSpeicher s(*dm, r);
    auto neu = Eintrag(QStringLiteral("novus"), WA_ADJEKTIV);
    neu->BedeutungHinzufuegen(QStringLiteral("neu"), {}, 1, 1);
    s.VokabelAnlegen(*neu);
    dm->VokabelLoeschen(1);
    ASSERT_NE(AlleZeilen(*dm), vorher);

    // A modified open lesson closes without the save question.
    TLektionssitzung sitzung(*dm, r, uhr);
    sitzung.Neu();
    ASSERT_NE(sitzung.Aktuell(), nullptr);
    sitzung.TextSetzen(QStringLiteral("Gallia est omnis divisa"));
    ASSERT_TRUE(sitzung.Aktuell()->geaendert);
    r.antworten = {Antwort::Ja};
    const TSicherungsErgebnis e = Dienst(&sitzung).BackupEinspielen(b.datei);
    ASSERT_TRUE(e.ok) << e.meldung.toStdString();
    EXPECT_EQ(e.meldung, QStringLiteral("Das Backup wurde erfolgreich eingespielt."));
    ASSERT_EQ(r.fragen.size(), 1u);
    EXPECT_EQ(r.fragen[0].text, TSicherungsdienst::EinspielFrage());
    EXPECT_EQ(sitzung.Lektionen().Anzahl(), 1);
    EXPECT_FALSE(sitzung.Aktuell()->geaendert);

    // The same data manager works on the restored file.
    EXPECT_EQ(AlleZeilen(*dm), vorher);
    EXPECT_TRUE(dm->Bereit());
    EXPECT_EQ(dm->VokabelLaden(1)->vokabel, QStringLiteral("amare"));
    EXPECT_TRUE(Arbeitsreste().isEmpty()) << Arbeitsreste().join(", ").toStdString();
}

// Runs until cancelled, reading on the job's own connection meanwhile.
class TLeseAuftrag final : public TAuftrag {
  public:
    std::atomic<bool> laeuft{false};
    void Ausfuehren(TAuftragsKontext &k) override
    {
        for (;;) {
            TAnweisung a = k.Daten().Verbindung().Anweisung("SELECT count(*) FROM vokabel");
            a.Schritt();
            laeuft = true;
            k.AbbruchPruefen();
            QThread::msleep(2);
        }
    }
};

// The program's own holders of the database let go for the swap and read
// the restored file afterwards: an analysis source in a read session with
// its kept statement, and a job on its own connection, which is cancelled.
TEST_F(Sicherung, RestoreSucceedsWhileTheProgramsOwnHoldersUseTheDatabase)
{
    const TSicherungsErgebnis b = Dienst().BackupErstellen(Ziel());
    ASSERT_TRUE(b.ok) << b.meldung.toStdString();
    TAnalysequelle quelle(*dm);
    std::vector<IAnalysequelle::TStichwortZeile> zeilen;
    auto amare = [&] {
        zeilen.clear();
        quelle.Auffrischen();
        quelle.StichwoerterMitPraefix(QStringLiteral("amare"), true, zeilen);
        return zeilen.size();
    };
    ASSERT_EQ(amare(), 1u);
    dm->VokabelLoeschen(zeilen.front().vokabelId);
    ASSERT_EQ(amare(), 0u);
    quelle.SitzungBeginnen();
    TAuftragslaeufer laeufer(*dm);
    auto auftrag = std::make_shared<TLeseAuftrag>();
    ASSERT_TRUE(laeufer.Starten(auftrag));
    while (!auftrag->laeuft)
        QThread::msleep(1);

    r.antworten = {Antwort::Ja};
    const TSicherungsErgebnis e = Dienst().BackupEinspielen(b.datei);
    ASSERT_TRUE(e.ok) << e.meldung.toStdString();
    EXPECT_TRUE(laeufer.AbbruchAngefordert());
    EXPECT_EQ(amare(), 1u);
}

TEST_F(Sicherung, DecliningTheQuestionChangesNothing)
{
    const TSicherungsErgebnis b = Dienst().BackupErstellen(Ziel());
    dm->VokabelLoeschen(1);
    const auto vorher = AlleZeilen(*dm);
    r.antworten = {Antwort::Nein};
    const TSicherungsErgebnis e = Dienst().BackupEinspielen(b.datei);
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.meldung.isEmpty());
    EXPECT_EQ(AlleZeilen(*dm), vorher);
}

TEST_F(Sicherung, BadArchivesAreRefusedAndTheDatabaseStaysAsItWas)
{
    const QByteArray db = DatenbankBytes();
    ASSERT_GT(db.size(), 8192);
    TVokabelSpeicher s(*dm, r);
    auto neu = Eintrag(QStringLiteral("post"), WA_ADJEKTIV);
    s.VokabelAnlegen(*neu);
    const auto vorher = AlleZeilen(*dm);

    const struct {
        const char *name;
        std::vector<std::pair<QString, QByteArray>> eintraege; // empty: not a zip at all
        const char *grund;
    } faelle[] = {
        {"kein zip", {}, "kein lesbares Backup-Archiv"},
        {"../x", {{"../x", db}}, "unzulässigen Pfad „../x“"},
        {"../ im Namen der Datenbank", {{"../lexovita.db", db}}, "unzulässigen Pfad"},
        {"absoluter Pfad", {{"/tmp/lexovita.db", db}}, "unzulässigen Pfad"},
        {"fremde Datei neben der Datenbank", {{"lexovita.db", db}, {"notizen.txt", "hallo"}}, "fremde Datei"},
        {"fremde Datei unter dem Namen der Datenbank", {{"lexovita.db", "Dies ist keine Datenbank."}}, "beschädigt"},
        {"abgeschnittene Datenbank", {{"lexovita.db", db.left(db.size() / 2)}}, "beschädigt"},
        {"leeres Archiv", {}, "kein lesbares"},
    };
    int nr = 0;
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.name);
        const QString archiv = tmp.filePath(QStringLiteral("fall%1.zip").arg(++nr));
        if (f.eintraege.empty()) {
            QFile datei(archiv);
            ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
            datei.write(std::string_view(f.name) == "kein zip" ? "PK\x03\x04 kaputt" : "");
        } else {
            ZipSchreiben(archiv, f.eintraege);
        }
        r.antworten = {Antwort::Ja};
        const TSicherungsErgebnis e = Dienst().BackupEinspielen(archiv);
        EXPECT_FALSE(e.ok);
        EXPECT_TRUE(e.meldung.startsWith(TSicherungsdienst::EinspielFehler())) << e.meldung.toStdString();
        EXPECT_TRUE(e.meldung.contains(QString::fromUtf8(f.grund))) << e.meldung.toStdString();
        EXPECT_EQ(AlleZeilen(*dm), vorher);
        EXPECT_TRUE(Arbeitsreste().isEmpty()) << Arbeitsreste().join(", ").toStdString();
        EXPECT_FALSE(QFileInfo::exists(QDir(Daten()).filePath("x")));
    }
    // Still connected and writable.
    dm->VokabelLoeschen(neu->id);
    EXPECT_EQ(Zahl(*dm, "SELECT count(*) FROM vokabel"), 3);
}

TEST_F(Sicherung, ADatabaseLargerThanTheFreeSpaceIsRefusedBeforeAnythingIsWritten)
{
    // An archive may declare far more than it holds compressed; what it
    // declares must fit beside what the system needs.
    const QByteArray db = DatenbankBytes();
    const QString archiv = tmp.filePath(QStringLiteral("gross.zip"));
    ZipSchreiben(archiv, {{QStringLiteral("lexovita.db"), db}});
    constexpr qint64 kReserve = 64 * 1024 * 1024;
    const struct {
        qint64 frei;
        bool passt;
    } faelle[] = {{0, false}, {kReserve, false}, {kReserve + db.size() - 1, false}, {kReserve + db.size(), true}};
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.frei);
        QTemporaryDir aus;
        if (f.passt) {
            EXPECT_EQ(Lesen(BackupEntpacken(archiv, aus.path(), f.frei)), db);
        } else {
            try {
                BackupEntpacken(archiv, aus.path(), f.frei);
                ADD_FAILURE() << "not refused";
            } catch (const TFehler &e) {
                EXPECT_TRUE(e.Meldung().contains(QStringLiteral("nicht genug Speicherplatz")))
                    << e.Meldung().toStdString();
            }
            EXPECT_TRUE(QDir(aus.path()).isEmpty());
        }
    }
}

// ------------------------------------------------------------------ cleanup

// Cancels once `nach` steps are done; records the log.
class TAbbruchKontext final : public TAuftragsKontext {
  public:
    TAbbruchKontext(TDatenmanager &d, int nach) : m_d(d), m_nach(nach) {}
    bool Abbruch() const override { return m_abbruch.load(); }
    const std::atomic<bool> &AbbruchFlag() const override { return m_abbruch; }
    void Gesamt(int wert, int maximum) override
    {
        letzterStand = {wert, maximum};
        if (wert >= m_nach)
            m_abbruch = true;
    }
    void Schritt(int, int, const QString &) override {}
    void Protokoll(const QString &zeile) override { protokoll << zeile; }
    TDatenmanager &Daten() override { return m_d; }
    QStringList protokoll;
    std::pair<int, int> letzterStand;

  private:
    TDatenmanager &m_d;
    int m_nach;
    std::atomic<bool> m_abbruch{false};
};

class Aufraeumen : public Sicherung {
  protected:
    void SetUp() override
    {
        Sicherung::SetUp();
        // Deleted rows leave free pages that only the final step gives back.
        TTransaktion t(dm->Verbindung());
        for (int i = 0; i < 400; ++i) {
            TAnweisung a = dm->Verbindung().Anweisung("INSERT INTO bedeutung (bedeutung) VALUES (?1)");
            a.Binden(1, QString(500, QLatin1Char('a' + i % 26)));
            a.Ausfuehren();
        }
        t.Bestaetigen();
        dm->Verbindung().Ausfuehren("DELETE FROM bedeutung WHERE length(bedeutung) = 500");
        dm->Verbindung().Ausfuehren("PRAGMA wal_checkpoint(TRUNCATE)");
        ASSERT_GT(Zahl(*dm, "PRAGMA freelist_count"), 10);
    }
};

TEST_F(Aufraeumen, AFullRunVisitsEveryTableThenCompactsAndChecks)
{
    const auto vorher = AlleZeilen(*dm);
    const int tabellen = static_cast<int>(AufraeumTabellen(*dm).size());
    TAbbruchKontext k(*dm, 1 << 30);
    TAufraeumAuftrag().Ausfuehren(k);
    // A step per table, one to compact, one to check; the end names the result.
    EXPECT_EQ(k.protokoll.size(), tabellen + 2);
    EXPECT_EQ(k.letzterStand, std::make_pair(tabellen + 2, tabellen + 2));
    EXPECT_EQ(k.protokoll.last(), QStringLiteral("Die Prüfung der Datenbank hat keine Fehler gefunden."));
    EXPECT_EQ(Zahl(*dm, "PRAGMA freelist_count"), 0);
    EXPECT_EQ(AlleZeilen(*dm), vorher);
}

TEST_F(Aufraeumen, CancelAfterTheFirstTableLeavesTheRestUntouched)
{
    const int frei = Zahl(*dm, "PRAGMA freelist_count");
    TAbbruchKontext k(*dm, 1);
    EXPECT_THROW(TAufraeumAuftrag().Ausfuehren(k), TAuftragAbgebrochen);
    ASSERT_EQ(k.protokoll.size(), 1);
    EXPECT_TRUE(k.protokoll[0].contains(AufraeumTabellen(*dm).first()));
    EXPECT_EQ(Zahl(*dm, "PRAGMA freelist_count"), frei);
}

} // namespace
} // namespace lexovita::test
