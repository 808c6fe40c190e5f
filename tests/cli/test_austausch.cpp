// Word lists and flash cards through lexovita-cli, run as its own process:
// all-or-nothing import with --teilweise, the exported word list, the
// flash-card file line by line, and a round trip through LibreOffice Calc
// when it is installed.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Lauf {
    int code = -1;
    QString aus, fehler;
};

class Austausch : public ::testing::Test {
  protected:
    QTemporaryDir tmp;

    Lauf Mit(const QStringList &argumente) const
    {
        QProcess p;
        p.setWorkingDirectory(tmp.path());
        p.start(QStringLiteral(LEXOVITA_CLI),
                QStringList{QStringLiteral("--data"), tmp.filePath(QStringLiteral("daten"))} + argumente);
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    QString Datei(const QString &name, const QByteArray &inhalt) const
    {
        QFile f(tmp.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        return f.fileName();
    }
    QByteArray Lesen(const QString &name) const
    {
        QFile f(tmp.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        return f.readAll();
    }
};

// One good file and one with a bad row (an adjective of one ending written
// like a noun without gender).
const QByteArray kListe = "Latein;Formen;Deutsch;Lektion;Merkhilfen\r\n"
                          "amare;amo, amavi, amatum;\"lieben, gern haben; mögen\";Lektion 1;Englisch: amorous\r\n"
                          "res;rei, f.;\"<Sache> & \"\"Ding\"\"\";Lektion 1;\r\n"
                          "felix;felicis;glücklich;Lektion 1;\r\n"
                          "bonus;bona, bonum;=1+1;Lektion 2;\r\n"
                          "amare;amo, amavi, amatum;lieben;Lektion 2;\r\n";

TEST_F(Austausch, EineFehlerhafteZeileVerhindertDenImportBisTeilweise)
{
    const QString liste = Datei(QStringLiteral("woerter.csv"), kListe);
    Lauf l = Mit({QStringLiteral("import"), QStringLiteral("--lehrbuch"), QStringLiteral("Mein Buch"), liste});
    EXPECT_EQ(l.code, 1);
    EXPECT_TRUE(l.fehler.contains(QStringLiteral("Zeile 4: „felix“"))) << l.fehler.toStdString();
    EXPECT_TRUE(l.fehler.contains(QStringLiteral("es wurde nichts übernommen")));
    l = Mit({QStringLiteral("export"), QStringLiteral("--lehrbuch"), QStringLiteral("Mein Buch"),
             QStringLiteral("--format"), QStringLiteral("csv"), QStringLiteral("aus")});
    EXPECT_EQ(l.code, 1) << "nothing was stored, so the textbook does not exist";

    l = Mit({QStringLiteral("import"), QStringLiteral("--teilweise"), QStringLiteral("--lehrbuch"),
             QStringLiteral("Mein Buch"), liste});
    EXPECT_EQ(l.code, 1) << "a bad row still fails the call";
    EXPECT_TRUE(l.aus.contains(QStringLiteral("3 Vokabeln angelegt, 1 vorhandene Vokabeln zugeordnet")))
        << l.aus.toStdString();

    l = Mit({QStringLiteral("export"), QStringLiteral("--lehrbuch"), QStringLiteral("Mein Buch"),
             QStringLiteral("--format"), QStringLiteral("csv"), QStringLiteral("aus")});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    const QByteArray roh = Lesen(QStringLiteral("aus.csv"));
    EXPECT_TRUE(roh.startsWith("\xEF\xBB\xBF")) << "with BOM, so that spreadsheets read umlauts right";
    const QStringList zeilen = QString::fromUtf8(roh.mid(3)).split(QStringLiteral("\r\n"));
    ASSERT_GE(zeilen.size(), 6);
    EXPECT_EQ(zeilen[0], QStringLiteral("Lehrbuch;Lektion;Position;Vokabel;Stammformen;Wortart;Klasse;Genus;"
                                        "Merkmale;Bedeutungen;Merkhilfen;Verweise;Sonderformen;Lektionstext;Notizen"));
    EXPECT_EQ(zeilen[1], QStringLiteral("Mein Buch;Lektion 1;1;amare;amo, amavi, amatum;Verb;A-Konjugation;;;"
                                        "\"lieben, gern haben; mögen\";Englisch: amorous;;;;"));
    EXPECT_EQ(zeilen[2], QStringLiteral("Mein Buch;Lektion 1;2;res;rei, f.;Substantiv;E-Deklination;f;;"
                                        "\"<Sache> & \"\"Ding\"\"\";;;;;"));
    // The formula-looking meaning is written so that a spreadsheet shows it.
    EXPECT_EQ(zeilen[3], QStringLiteral("Mein Buch;Lektion 2;1;bonus;bonus, bona, bonum;Adjektiv;O/A-Deklination;;;"
                                        "'=1+1;;;;;"));
    EXPECT_EQ(zeilen[4].left(30), QStringLiteral("Mein Buch;Lektion 2;2;amare;am"));
}

TEST_F(Austausch, KarteikartenZeileFuerZeile)
{
    ASSERT_EQ(Mit({QStringLiteral("import"), QStringLiteral("--teilweise"), QStringLiteral("--lehrbuch"),
                   QStringLiteral("Mein Buch"), Datei(QStringLiteral("w.csv"), kListe)})
                  .code,
              1);
    const Lauf l = Mit({QStringLiteral("export"), QStringLiteral("--lehrbuch"), QStringLiteral("Mein Buch"),
                        QStringLiteral("--format"), QStringLiteral("anki"), QStringLiteral("--formen"),
                        QStringLiteral("substantiv"), QStringLiteral("karten")});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    const QByteArray roh = Lesen(QStringLiteral("karten.txt"));
    EXPECT_FALSE(roh.contains('\r'));
    QStringList zeilen = QString::fromUtf8(roh).split(QLatin1Char('\n'));
    ASSERT_EQ(zeilen.takeLast(), QString()) << "the file ends with a line break";
    ASSERT_EQ(zeilen.size(), 5 + 3) << "headers, then one note per entry: amare is in both lessons";
    EXPECT_EQ(zeilen.mid(0, 5), (QStringList{QStringLiteral("#separator:tab"), QStringLiteral("#html:true"),
                                             QStringLiteral("#notetype column:1"), QStringLiteral("#deck column:2"),
                                             QStringLiteral("#tags column:6")}));
    struct Erwartet {
        const char *deck, *vorne, *hinten, *tags;
        bool formen;
    };
    const Erwartet erwartet[] = {
        {"lexovita::Mein Buch::Lektion 1", "<b>amare</b>, amo, amavi, amatum<br><small>Verb, A-Konjugation</small>",
         "1. lieben, gern haben<br>2. mögen<br><small>Merkhilfen: amorous (Englisch)</small>",
         "Mein_Buch Lektion_1 Lektion_2", false},
        {"lexovita::Mein Buch::Lektion 1", "<b>res</b>, rei, f.<br><small>Substantiv, E-Deklination</small>",
         "&lt;Sache&gt; &amp; &quot;Ding&quot;", "Mein_Buch Lektion_1", true},
        {"lexovita::Mein Buch::Lektion 2", "<b>bonus</b>, bona, bonum<br><small>Adjektiv, O/A-Deklination</small>",
         "=1+1", "Mein_Buch Lektion_2", false},
    };
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const QStringList f = zeilen[5 + i].split(QLatin1Char('\t'));
        ASSERT_EQ(f.size(), 6);
        EXPECT_EQ(f[0], QStringLiteral("lexovita"));
        EXPECT_EQ(f[1], QString::fromUtf8(erwartet[i].deck));
        EXPECT_EQ(f[2], QString::fromUtf8(erwartet[i].vorne));
        EXPECT_EQ(f[3], QString::fromUtf8(erwartet[i].hinten));
        EXPECT_EQ(f[5], QString::fromUtf8(erwartet[i].tags));
        for (const QString &tag : f[5].split(QLatin1Char(' ')))
            EXPECT_FALSE(tag.isEmpty());
        // Only the chosen class gets its table; res has "rebus" in it.
        EXPECT_EQ(f[4].startsWith(QStringLiteral("<table>")), erwartet[i].formen);
        if (erwartet[i].formen) {
            EXPECT_TRUE(f[4].contains(QStringLiteral("<td>rebus</td>"))) << f[4].toStdString();
        }
    }
}

// A teacher's sheet saved by LibreOffice Calc as CSV with its defaults.
TEST_F(Austausch, TabelleAusLibreOfficeCalc)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    // The sheet is made from a CSV by LibreOffice itself, then saved again as CSV.
    Datei(QStringLiteral("blatt.csv"), "Latein;Formen;Deutsch;Lektion\n"
                                       "amare;amo, amavi, amatum;\"lieben; mögen\";Erste Stunde\n"
                                       "rex;regis, m.;König;Erste Stunde\n"
                                       "acer;acris, acre;scharf, spitz;Erste Stunde\n");
    const auto umwandeln = [&](const QStringList &args) {
        QProcess p;
        p.setWorkingDirectory(tmp.path());
        p.start(soffice, QStringList{QStringLiteral("-env:UserInstallation=file://") + tmp.filePath("lo"),
                                     QStringLiteral("--headless")} +
                             args);
        EXPECT_TRUE(p.waitForFinished(180000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    };
    QDir(tmp.path()).mkdir(QStringLiteral("ods"));
    umwandeln({QStringLiteral("--infilter=CSV:59,34,76,1"), QStringLiteral("--convert-to"), QStringLiteral("ods"),
               QStringLiteral("--outdir"), tmp.filePath(QStringLiteral("ods")), QStringLiteral("blatt.csv")});
    ASSERT_TRUE(QFile::exists(tmp.filePath(QStringLiteral("ods/blatt.ods"))));
    umwandeln({QStringLiteral("--convert-to"), QStringLiteral("csv"), QStringLiteral("--outdir"), tmp.path(),
               tmp.filePath(QStringLiteral("ods/blatt.ods"))});
    const QByteArray calc = Lesen(QStringLiteral("blatt.csv"));
    ASSERT_TRUE(calc.startsWith("Latein,Formen,Deutsch,Lektion")) << calc.toStdString();

    const Lauf l = Mit({QStringLiteral("import"), QStringLiteral("--lehrbuch"), QStringLiteral("Calc"),
                        tmp.filePath(QStringLiteral("blatt.csv"))});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    EXPECT_TRUE(l.aus.contains(QStringLiteral("3 Vokabeln angelegt"))) << l.aus.toStdString();
    ASSERT_EQ(Mit({QStringLiteral("export"), QStringLiteral("--lehrbuch"), QStringLiteral("Calc"),
                   QStringLiteral("--format"), QStringLiteral("csv"), QStringLiteral("zurueck.csv")})
                  .code,
              0);
    const QString zurueck = QString::fromUtf8(Lesen(QStringLiteral("zurueck.csv")));
    EXPECT_TRUE(zurueck.contains(QStringLiteral("Calc;Erste Stunde;1;amare;amo, amavi, amatum;Verb;A-Konjugation;;;"
                                                "\"lieben; mögen\";")))
        << zurueck.toStdString();
    EXPECT_TRUE(zurueck.contains(QStringLiteral("Calc;Erste Stunde;3;acer;acer, acris, acre;Adjektiv;I-Deklination")));
}

} // namespace
