// lexovita-cli as scripts use it: the built program in its own process, its
// database in a temporary folder. Exit codes, stdout and stderr are the
// contract (0 success, 1 the work failed, 2 wrong call; messages on stderr).

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string S(const QString &s)
{
    return s.toStdString();
}

struct Lauf {
    int code = -1;
    QString aus;
    QString fehler;
    QStringList Zeilen() const { return aus.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

// Runs the program in `ordner` (relative file names land there) with `eingabe`
// on stdin.
Lauf Starten(const QString &ordner, const QStringList &argumente, const QByteArray &eingabe = {})
{
    QProcess p;
    p.setWorkingDirectory(ordner);
    p.start(QStringLiteral(LEXOVITA_CLI), argumente);
    if (!p.waitForStarted(10000)) {
        ADD_FAILURE() << "cannot start " << LEXOVITA_CLI;
        return {};
    }
    p.write(eingabe);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << "timeout: " << S(argumente.join(QLatin1Char(' ')));
        return {};
    }
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << S(argumente.join(QLatin1Char(' ')));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QJsonObject Json(const QString &zeile)
{
    QJsonParseError fehler;
    const QJsonDocument d = QJsonDocument::fromJson(zeile.toUtf8(), &fehler);
    EXPECT_EQ(fehler.error, QJsonParseError::NoError) << S(zeile);
    EXPECT_TRUE(d.isObject()) << S(zeile);
    return d.object();
}

// Text of form `id` in one "formen" answer, empty if the form is missing.
QString Form(const QJsonObject &antwort, int id)
{
    for (const QJsonValue &f : antwort.value(QStringLiteral("formen")).toArray())
        if (f.toObject().value(QStringLiteral("id")).toInt() == id)
            return f.toObject().value(QStringLiteral("text")).toString();
    return {};
}

class Cli : public ::testing::Test {
  protected:
    QTemporaryDir tmp;
    QString Daten() const { return tmp.filePath(QStringLiteral("daten")); }
    Lauf Mit(const QStringList &argumente, const QByteArray &eingabe = {}) const
    {
        return Starten(tmp.path(), QStringList{QStringLiteral("--data"), Daten()} + argumente, eingabe);
    }
    bool Datei(const QString &name) const { return QFile::exists(tmp.filePath(name)); }
};

TEST_F(Cli, HelpListsEveryCommandAndACallWithoutCommandShowsItAsAnError)
{
    const Lauf hilfe = Starten(tmp.path(), {QStringLiteral("--help")});
    EXPECT_EQ(hilfe.code, 0);
    for (const char *befehl : {"init", "suche", "formen", "analyse", "import", "export", "backup", "restore"})
        EXPECT_TRUE(hilfe.aus.contains(QStringLiteral("\n  %1 ").arg(QLatin1String(befehl)))) << befehl;
    const Lauf ohne = Starten(tmp.path(), {});
    EXPECT_EQ(ohne.code, 2);
    EXPECT_EQ(ohne.aus, hilfe.aus);
    // --version names the version, the folders in use and where the starter books come from.
    const Lauf version = Starten(tmp.path(), {QStringLiteral("--version"), QStringLiteral("--data"), tmp.path()});
    EXPECT_EQ(version.code, 0);
    EXPECT_TRUE(version.aus.startsWith(QStringLiteral("lexovita-cli 3."))) << S(version.aus);
    EXPECT_TRUE(version.aus.contains(QStringLiteral("Datenbank: ") + QDir::toNativeSeparators(tmp.path()) + '\n'))
        << S(version.aus);
    EXPECT_TRUE(version.aus.contains(QStringLiteral("Grundwortschatz Latein:"))) << S(version.aus);
    EXPECT_TRUE(version.aus.contains(QStringLiteral("Aufbauwortschatz Latein:"))) << S(version.aus);
}

TEST_F(Cli, WrongCallsAndMissingDataExitWithTheirCodeAndAGermanMessage)
{
    enum Datenbank {
        KeinDataArgument,
        Fehlt, // --data names a folder without a database
        Leer,  // --data names a fresh database from `init`
    };
    const struct {
        Datenbank db;
        QStringList argumente;
        int code;
        const char *stichwort; // part of the message on stderr
    } faelle[] = {
        {KeinDataArgument, {"gibtsnicht"}, 2, "Unbekannter Befehl \"gibtsnicht\""},
        {KeinDataArgument, {"--data"}, 2, "--data erwartet einen Ordner"},
        {Fehlt, {"suche"}, 2, "Suchtext"},
        {Fehlt, {"formen", "--xyz"}, 2, "unbekanntes Argument \"--xyz\""},
        {Fehlt, {"formen", "--id"}, 2, "--id erwartet eine Nummer"},
        {Fehlt, {"formen", "--id", "abc"}, 2, "positive ganze Zahl"},
        {Fehlt, {"formen", "--id", "-3"}, 2, "positive ganze Zahl"},
        {Fehlt, {"formen", "--id", "48", "extra"}, 2, "unbekanntes Argument \"extra\""},
        {Fehlt, {"formen", "--id", "48", "--id", "49"}, 2, "unbekanntes Argument \"--id\""},
        {Fehlt, {"init", "--bogus"}, 2, "init: unbekanntes Argument „--bogus“"},
        {Fehlt, {"import", "--bogus"}, 2, "import: unbekanntes Argument „--bogus“"},
        {Fehlt, {"speichern", "extra"}, 2, "speichern: unbekanntes Argument „extra“"},
        {Fehlt, {"import"}, 2, "mindestens eine Lektionsdatei"},
        {Fehlt, {"export"}, 2, "Aufruf: export"},
        {Fehlt, {"export", "--lehrbuch", "Prima"}, 2, "Aufruf: export"},
        {Fehlt, {"export", "aus.xml"}, 2, "Aufruf: export"},
        {Fehlt, {"export", "--lehrbuch", "Prima", "aus.xml", "zwei.xml"}, 2, "Aufruf: export"},
        {Fehlt, {"suche", "amicus"}, 1, "keine lexovita-Datenbank"},
        {Fehlt, {"analyse", "amo"}, 1, "keine lexovita-Datenbank"},
        {Fehlt, {"formen", "--id", "5"}, 1, "keine lexovita-Datenbank"},
        {Fehlt, {"export", "--lehrbuch", "Prima", "aus.xml"}, 1, "keine lexovita-Datenbank"},
        {Leer, {"import", "fehlt.xml"}, 1, "fehlt.xml: Die Datei"},
        {Leer, {"export", "--lehrbuch", "Prima", "aus.xml"}, 1, "Das Lehrbuch „Prima“ ist nicht vorhanden"},
        {Leer, {"formen", "--id", "999"}, 1, "Keine Vokabel mit der Nummer 999"},
        {Fehlt, {"backup"}, 2, "Aufruf: backup ZIELORDNER"},
        {Fehlt, {"restore", "a.zip", "b.zip"}, 2, "Aufruf: restore ARCHIV"},
        {Fehlt, {"backup", "."}, 1, "keine lexovita-Datenbank"},
        {Leer, {"backup", "gibtsnicht"}, 1, "Das ausgewählte Verzeichnis ist ungültig."},
        {Leer, {"restore", "fehlt.zip"}, 1, "Die angegebene Datei existiert nicht."},
        {Leer, {"restore", "daten/lexovita.db"}, 1, "Beim Einspielen des Backups ist ein Fehler aufgetreten."},
    };
    for (const auto &f : faelle) {
        const std::string aufruf = S(f.argumente.join(QLatin1Char(' ')));
        QTemporaryDir fall;
        const QStringList data{QStringLiteral("--data"), fall.filePath(QStringLiteral("daten"))};
        if (f.db == Leer) {
            ASSERT_EQ(Starten(fall.path(), data + QStringList{QStringLiteral("init")}).code, 0);
        }
        const QStringList argumente = f.db == KeinDataArgument ? f.argumente : data + f.argumente;
        const Lauf l = Starten(fall.path(), argumente);
        EXPECT_EQ(l.code, f.code) << aufruf;
        EXPECT_TRUE(l.fehler.startsWith(QStringLiteral("lexovita-cli: "))) << aufruf << ": " << S(l.fehler);
        EXPECT_TRUE(l.fehler.contains(QString::fromUtf8(f.stichwort))) << aufruf << ": " << S(l.fehler);
        EXPECT_EQ(l.aus, QString()) << aufruf;
        // A failed call leaves nothing behind: no export file, no new database.
        EXPECT_FALSE(QFile::exists(fall.filePath(QStringLiteral("aus.xml")))) << aufruf;
        if (f.db == Fehlt) {
            EXPECT_FALSE(QFile::exists(fall.filePath(QStringLiteral("daten")))) << aufruf;
        }
    }
}

TEST_F(Cli, InitWithTheStarterTextbookThenSearchFormsAnalysisAndExportWork)
{
    const Lauf init = Mit({QStringLiteral("init"), QStringLiteral("--grundwortschatz")});
    ASSERT_EQ(init.code, 0) << S(init.fehler);
    EXPECT_TRUE(init.aus.contains(QStringLiteral("60 Lektionen angelegt"))) << S(init.aus);
    // init may run on every start: the second call must not import the textbook again.
    const Lauf nochmal = Mit({QStringLiteral("init"), QStringLiteral("--grundwortschatz")});
    EXPECT_EQ(nochmal.code, 0) << S(nochmal.fehler);
    EXPECT_TRUE(nochmal.aus.contains(QStringLiteral("bereits Vokabeln"))) << S(nochmal.aus);

    const Lauf suche = Mit({QStringLiteral("suche"), QStringLiteral("amare")});
    EXPECT_EQ(suche.code, 0) << S(suche.fehler);
    QString amareId;
    for (const QString &z : suche.Zeilen()) {
        const QStringList spalten = z.split(QLatin1Char('\t'));
        ASSERT_EQ(spalten.size(), 4) << S(z);
        // Found without macrons, shown with the textbook's vowel lengths.
        if (spalten[1] == QStringLiteral("amāre")) {
            EXPECT_TRUE(amareId.isEmpty()) << "amare twice: " << S(suche.aus);
            EXPECT_EQ(spalten[2], QStringLiteral("Verb"));
            EXPECT_EQ(spalten[3], QStringLiteral("amō, amāvī, amātum"));
            amareId = spalten[0];
        }
    }
    ASSERT_FALSE(amareId.isEmpty()) << S(suche.aus);
    const Lauf nichts = Mit({QStringLiteral("suche"), QStringLiteral("xyzxyz")});
    EXPECT_EQ(nichts.code, 0);
    EXPECT_EQ(nichts.aus, QString());

    const Lauf formen = Mit({QStringLiteral("formen"), QStringLiteral("--id"), amareId});
    ASSERT_EQ(formen.code, 0) << S(formen.fehler);
    ASSERT_EQ(formen.Zeilen().size(), 1);
    const QJsonObject antwort = Json(formen.Zeilen().first());
    EXPECT_EQ(antwort.value(QStringLiteral("key")).toInt(), amareId.toInt());
    EXPECT_EQ(Form(antwort, 329), QStringLiteral("amo"));

    const Lauf analyse = Mit({QStringLiteral("analyse"), QStringLiteral("amo")});
    EXPECT_EQ(analyse.code, 0) << S(analyse.fehler);
    const QString erwartet = QStringLiteral("amo\t%1\tamare\t329\t").arg(amareId);
    const QStringList treffer = analyse.Zeilen();
    EXPECT_TRUE(std::any_of(treffer.begin(), treffer.end(), [&](const QString &z) { return z.startsWith(erwartet); }))
        << S(analyse.aus);

    // Export the textbook and import it into a second, new database.
    const Lauf exp = Mit({QStringLiteral("export"), QStringLiteral("--lehrbuch"),
                          QStringLiteral("Grundwortschatz Latein"), QStringLiteral("buch.xml")});
    ASSERT_EQ(exp.code, 0) << S(exp.fehler);
    ASSERT_TRUE(Datei(QStringLiteral("buch.xml")));
    const QString zweite = tmp.filePath(QStringLiteral("zweite"));
    const Lauf imp =
        Starten(tmp.path(), {QStringLiteral("--data"), zweite, QStringLiteral("import"), QStringLiteral("buch.xml")});
    EXPECT_EQ(imp.code, 0) << S(imp.fehler);
    EXPECT_TRUE(imp.aus.contains(QStringLiteral("1186 Vokabeln angelegt"))) << S(imp.aus);
    const Lauf wieder =
        Starten(tmp.path(), {QStringLiteral("--data"), zweite, QStringLiteral("suche"), QStringLiteral("amicus")});
    // The vowel lengths travel through the exported file.
    EXPECT_TRUE(wieder.aus.contains(QStringLiteral("\tamīcus\tSubstantiv\tamīcī, m.\n"))) << S(wieder.aus);
}

TEST_F(Cli, RestoreBringsBackTheDatabaseOfTheBackup)
{
    ASSERT_EQ(Mit({QStringLiteral("init")}).code, 0);
    ASSERT_TRUE(QDir(tmp.path()).mkdir(QStringLiteral("sicherung")));
    const Lauf backup = Mit({QStringLiteral("backup"), tmp.filePath(QStringLiteral("sicherung"))});
    ASSERT_EQ(backup.code, 0) << S(backup.fehler);
    const QStringList archive = QDir(tmp.filePath(QStringLiteral("sicherung"))).entryList(QDir::Files);
    ASSERT_EQ(archive.size(), 1);
    EXPECT_TRUE(archive[0].startsWith(QStringLiteral("lexovita Backup "))) << S(archive[0]);
    EXPECT_TRUE(backup.aus.contains(archive[0])) << S(backup.aus);

    ASSERT_EQ(Mit({QStringLiteral("init"), QStringLiteral("--grundwortschatz")}).code, 0);
    ASSERT_FALSE(Mit({QStringLiteral("suche"), QStringLiteral("amare")}).aus.isEmpty());

    const Lauf restore = Mit({QStringLiteral("restore"), tmp.filePath(QStringLiteral("sicherung/") + archive[0])});
    ASSERT_EQ(restore.code, 0) << S(restore.fehler);
    EXPECT_EQ(restore.aus, QStringLiteral("Das Backup wurde erfolgreich eingespielt.\n"));
    const Lauf danach = Mit({QStringLiteral("suche"), QStringLiteral("amare")});
    EXPECT_EQ(danach.code, 0) << S(danach.fehler);
    EXPECT_EQ(danach.aus, QString());
}

TEST_F(Cli, FormenAnswersEveryJsonLineInOrderAndFailsAfterAMalformedOne)
{
    const QByteArray amare = R"({"key":"1","vokabel":"amare","form1":"amo","form2":"amavi","form3":"amatum",)"
                             R"("wortart":"v","konjdekl":"a","attribute":0})";
    const QByteArray amicus = R"({"key":"2","vokabel":"amicus","form1":"amici","form2":"m","wortart":"s",)"
                              R"("konjdekl":"o","attribute":0})";
    enum Art { Formen, Fehler };
    const struct {
        QByteArray eingabe;
        int code;
        std::vector<std::pair<Art, QJsonValue>> antworten; // kind and key of each output line
    } faelle[] = {
        {amare + "\n\n" + amicus + "\n", 0, {{Formen, "1"}, {Formen, "2"}}},
        {amare + "\nkein json\n" + R"({"key":7,"vokabel":"x"})" + "\n" + amicus,
         1,
         {{Formen, "1"}, {Fehler, QJsonValue::Null}, {Fehler, 7}, {Formen, "2"}}},
    };
    for (const auto &f : faelle) {
        const Lauf l = Starten(tmp.path(), {QStringLiteral("formen")}, f.eingabe);
        EXPECT_EQ(l.code, f.code) << f.eingabe.toStdString();
        const QStringList zeilen = l.Zeilen();
        ASSERT_EQ(zeilen.size(), qsizetype(f.antworten.size())) << S(l.aus);
        for (size_t i = 0; i < f.antworten.size(); ++i) {
            const QJsonObject o = Json(zeilen[qsizetype(i)]);
            EXPECT_EQ(o.value(QStringLiteral("key")), f.antworten[i].second) << S(zeilen[qsizetype(i)]);
            if (f.antworten[i].first == Fehler) {
                EXPECT_FALSE(o.value(QStringLiteral("fehler")).toString().isEmpty()) << S(zeilen[qsizetype(i)]);
                EXPECT_FALSE(o.contains(QStringLiteral("formen")));
            } else {
                EXPECT_FALSE(o.contains(QStringLiteral("fehler")));
            }
        }
        EXPECT_EQ(Form(Json(zeilen.first()), 329), QStringLiteral("amo"));
        EXPECT_EQ(Form(Json(zeilen.last()), 147456), QStringLiteral("amici")); // genitive singular
    }
}

} // namespace

// Answers recorded with --zeit schedule the entry; "faellig" lists it by its
// date; every bad call is refused with its code and leaves the data as it was.
TEST_F(Cli, AntwortSchedulesAnEntryAndFaelligListsItWhileBadCallsChangeNothing)
{
    ASSERT_EQ(Mit({QStringLiteral("init"), QStringLiteral("--grundwortschatz")}).code, 0);
    auto id = [this](const char *wort) {
        for (const QString &z : Mit({QStringLiteral("suche"), QString::fromLatin1(wort)}).Zeilen())
            if (z.section(QLatin1Char('\t'), 1, 1) == QLatin1String(wort))
                return z.section(QLatin1Char('\t'), 0, 0);
        return QString();
    };
    const QString populus = id("populus"), servus = id("servus");
    ASSERT_FALSE(populus.isEmpty());
    ASSERT_FALSE(servus.isEmpty());

    // New and right: stability 3.17 days, three days on; wrong: 0.40, tomorrow.
    const Lauf r = Mit({QStringLiteral("antwort"), populus, QStringLiteral("richtig"), QStringLiteral("--zeit"),
                        QStringLiteral("2026-05-01T17:00")});
    EXPECT_EQ(r.code, 0) << S(r.fehler);
    EXPECT_EQ(r.aus, QStringLiteral("2026-05-04\n"));
    const Lauf f = Mit({QStringLiteral("antwort"), servus, QStringLiteral("falsch"), QStringLiteral("--zeit"),
                        QStringLiteral("2026-05-01T17:05")});
    EXPECT_EQ(f.aus, QStringLiteral("2026-05-02\n"));

    auto faellig = [this](const char *datum) {
        return Mit({QStringLiteral("faellig"), QStringLiteral("--datum"), QString::fromLatin1(datum)}).Zeilen();
    };
    EXPECT_EQ(faellig("2026-05-01"), QStringList());
    EXPECT_EQ(faellig("2026-05-02"), QStringList{servus + QStringLiteral("\tservus\t2026-05-02\t0.40")});
    const QStringList beide{servus + QStringLiteral("\tservus\t2026-05-02\t0.40"),
                            populus + QStringLiteral("\tpopulus\t2026-05-04\t3.17")};
    EXPECT_EQ(faellig("2026-05-04"), beide);
    EXPECT_EQ(Mit({QStringLiteral("faellig"), QStringLiteral("--lehrbuch"), QStringLiteral("grundwortschatz latein"),
                   QStringLiteral("--datum"), QStringLiteral("2026-05-04")})
                  .Zeilen(),
              beide);

    const struct {
        QStringList argumente;
        int code;
        const char *meldung;
    } falsch[] = {
        {{"antwort", "abc", "richtig"}, 2, "Ungültige Vokabel-ID „abc“."},
        {{"antwort", "0", "richtig"}, 2, "Ungültige Vokabel-ID „0“."},
        {{"antwort", "999999", "richtig"}, 1, "Eine Vokabel mit der ID 999999 gibt es nicht."},
        {{"antwort", populus, "vielleicht"}, 2, "Ungültige Bewertung „vielleicht“."},
        {{"antwort", populus, "richtig", "--zeit", "2026-05-32T10:00"}, 2, "Ungültige Zeit „2026-05-32T10:00“."},
        // Impossible review times: a sign, years out of range, time running backwards.
        {{"antwort", populus, "richtig", "--zeit", "-2026-01-01T10:00"}, 2, "Ungültige Zeit „-2026-01-01T10:00“."},
        {{"antwort", populus, "richtig", "--zeit", "9999-01-01T10:00"}, 2, "nicht zwischen den Jahren 1900 und 2100"},
        {{"antwort", populus, "richtig", "--zeit", "0001-01-01T10:00"}, 2, "nicht zwischen den Jahren 1900 und 2100"},
        {{"antwort", populus, "richtig", "--zeit", "2026-05-01T16:59"},
         2,
         "liegt vor der letzten Wiederholung dieser Vokabel (2026-05-01 17:00)"},
        {{"faellig", "--datum", "0001-01-01"}, 2, "Ungültiges Datum „0001-01-01“."},
        {{"antwort", populus}, 2, "Aufruf: antwort ID richtig|falsch"},
        {{"faellig", "--datum", "2026-13-01"}, 2, "Ungültiges Datum „2026-13-01“."},
        {{"faellig", "--datum"}, 2, "--datum erwartet einen Wert."},
        {{"faellig", "--lehrbuch", "Gibt es nicht"}, 1, "Das Lehrbuch „Gibt es nicht“ gibt es nicht."},
    };
    for (const auto &fall : falsch) {
        const Lauf l = Mit(fall.argumente);
        EXPECT_EQ(l.code, fall.code) << S(fall.argumente.join(QLatin1Char(' ')));
        EXPECT_TRUE(l.fehler.contains(QString::fromUtf8(fall.meldung))) << S(l.fehler);
        EXPECT_TRUE(l.aus.isEmpty()) << S(l.aus);
    }
    EXPECT_EQ(faellig("2026-05-04"), beide);
}

namespace {

// Hostile input on the command line: texts XML cannot hold, an entity
// bomb, a pipe instead of a file. Each is refused with a German message,
// the good rest is kept, and the database does not grow.
TEST_F(Cli, HostileTextsAndFilesAreRefusedAndTheDatabaseStaysAsItWas)
{
    // A folder without a database: import says it creates one.
    QFile leer(tmp.filePath(QStringLiteral("leer.xml")));
    ASSERT_TRUE(leer.open(QIODevice::WriteOnly));
    leer.write("<?xml version=\"1.0\"?>\n<LEXOVITA/>\n");
    leer.close();
    const Lauf neu = Mit({QStringLiteral("import"), leer.fileName()});
    EXPECT_EQ(neu.code, 0) << S(neu.fehler);
    EXPECT_TRUE(neu.fehler.contains(QStringLiteral("ist keine Datenbank; es wird eine neue angelegt")))
        << S(neu.fehler);
    EXPECT_TRUE(QFile::exists(QDir(Daten()).filePath(QStringLiteral("lexovita.db"))));
    EXPECT_FALSE(Mit({QStringLiteral("import"), leer.fileName()}).fehler.contains(QStringLiteral("neue angelegt")));

    const Lauf s = Mit({QStringLiteral("speichern")},
                       "{\"vokabel\":\"rosa\",\"wortart\":\"s\",\"bedeutungen\":[\"Rose\"]}\n"
                       "{\"vokabel\":\"ro\\u0001sa\",\"wortart\":\"s\"}\n"
                       "{\"vokabel\":\"amicus\",\"wortart\":\"s\",\"bedeutungen\":[\"Fre\\u001b[2Jund\"]}\n"
                       "{\"vokabel\":\"bellum\",\"wortart\":\"s\",\"bedeutungen\":[\"Krieg\"]}\n");
    EXPECT_EQ(s.code, 1);
    EXPECT_TRUE(
        s.fehler.contains(QStringLiteral("Zeile 2: Das Stichwort enthält das unzulässige Steuerzeichen U+0001")))
        << S(s.fehler);
    EXPECT_TRUE(s.fehler.contains(QStringLiteral("Zeile 3: Die Bedeutung"))) << S(s.fehler);
    EXPECT_TRUE(s.aus.contains(QStringLiteral("2 Vokabeln gespeichert."))) << S(s.aus);

    const QString db = QDir(Daten()).filePath(QStringLiteral("lexovita.db"));
    const qint64 groesse = QFileInfo(db).size();
    QFile bombe(tmp.filePath(QStringLiteral("bombe.xml")));
    ASSERT_TRUE(bombe.open(QIODevice::WriteOnly));
    bombe.write("<?xml version=\"1.0\"?>\n<!DOCTYPE LEXOVITA [<!ENTITY b \"" + QByteArray(4000, 'b') +
                "\">]>\n<LEXOVITA><LEKTION name=\"L\"><VOK><NAME>" + QByteArray("&b;").repeated(30000) +
                "</NAME><WORTART>3</WORTART></VOK></LEKTION></LEXOVITA>\n");
    bombe.close();
    const QString rohr = tmp.filePath(QStringLiteral("rohr.xml"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(rohr).constData(), 0600), 0);
    const QString rohrTabelle = tmp.filePath(QStringLiteral("rohr.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(rohrTabelle).constData(), 0600), 0);
    const struct {
        QString datei;
        const char *meldung;
    } dateien[] = {{bombe.fileName(), "Entitäten"},
                   {rohr, "keine gewöhnliche Datei"},
                   {rohrTabelle, "keine gewöhnliche Datei"},
                   {QStringLiteral("/dev/zero"), "keine gewöhnliche Datei"}};
    for (const auto &d : dateien) {
        const Lauf l = Mit({QStringLiteral("import"), d.datei});
        EXPECT_EQ(l.code, 1) << S(d.datei);
        EXPECT_TRUE(l.fehler.contains(QString::fromUtf8(d.meldung))) << S(l.fehler);
    }
    EXPECT_EQ(QFileInfo(db).size(), groesse);
    EXPECT_EQ(Mit({QStringLiteral("suche"), QStringLiteral("ro")}).Zeilen().size(), 1);
}

TEST_F(Cli, LexiconSearchPrintsOneTsvLinePerLemmaWithLongVowelsOnly)
{
    ASSERT_EQ(Mit({QStringLiteral("init")}).code, 0);
    const Lauf import = Mit({QStringLiteral("lexikon"), QStringLiteral("importieren"), QStringLiteral("--quelle"),
                             QStringLiteral(LEXOVITA_TESTDATA_DIR "/../app/lexikon")});
    ASSERT_EQ(import.code, 0) << S(import.fehler);
    // The source writes rŏsa and rēx: the breve goes, the macron stays.
    const struct {
        const char *wort, *zeile;
    } faelle[] = {{"rosa", "rosa\trosa, rosae, f.\tSubstantiv\tRose\ten: rose | fr: rose\tlexikon"},
                  {"regem", nullptr},
                  {"rex", "rēx\t"}};
    for (const auto &f : faelle) {
        const Lauf l = Mit({QStringLiteral("lexikon"), QStringLiteral("suche"), QString::fromUtf8(f.wort)});
        if (!f.zeile) {
            EXPECT_EQ(l.code, 1) << f.wort; // a form is not a headword
            continue;
        }
        ASSERT_EQ(l.code, 0) << S(l.fehler);
        ASSERT_EQ(l.Zeilen().size(), 1) << S(l.aus);
        EXPECT_TRUE(l.Zeilen().first().startsWith(QString::fromUtf8(f.zeile))) << S(l.aus);
        EXPECT_EQ(l.Zeilen().first().count(QLatin1Char('\t')), 5) << S(l.aus);
    }
}

} // namespace
