#include "store/test_lektion_hilfen.h"

#include "model/textpruefung.h"
#include "store/import.h"
#include "store/lektionsspeicher.h"

#include <QDir>
#include <QTemporaryDir>
#include <atomic>
#include <functional>

using namespace lexovita;
using namespace lexovita::test;
using Liste = std::vector<std::string>;

namespace {

QByteArray Datei(const char *lektionen)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LEXOVITA>\n<BUCH name=\"Prima\">\n") + lektionen +
           "</BUCH>\n</LEXOVITA>\n";
}

const char *const kZweiLektionen = R"(<LEKTION name="L1">
<VOK><NAME>amare</NAME>
<BED><WORT>lieben</WORT><GRUPPE>1</GRUPPE><POS>1</POS></BED>
<FORM1>amo</FORM1><FORM2>amavi</FORM2><FORM3>amatum</FORM3><WORTART>1</WORTART><KONJDEKL>8</KONJDEKL>
<MERKHILFE sprache="2">amateur</MERKHILFE></VOK>
<VOK><NAME>rosa</NAME>
<BED><WORT>Rose</WORT><GRUPPE>1</GRUPPE><POS>1</POS></BED>
<FORM1>rosae</FORM1><FORM2>f</FORM2><WORTART>2</WORTART><KONJDEKL>8</KONJDEKL></VOK>
<TEXT>Rosam amo.</TEXT>
</LEKTION>
<LEKTION name="L2">
<VOK><NAME>rosa</NAME>
<BED><WORT>Rose</WORT><GRUPPE>1</GRUPPE><POS>1</POS></BED>
<FORM1>rosae</FORM1><FORM2>f</FORM2><WORTART>2</WORTART><KONJDEKL>8</KONJDEKL></VOK>
<VOK><NAME>esse</NAME>
<BED><WORT>sein</WORT><GRUPPE>1</GRUPPE><POS>1</POS></BED>
<FORM1>sum</FORM1><FORM2>fui</FORM2><WORTART>1</WORTART><ATTRIBUTE>1025</ATTRIBUTE>
<SF fid="331">est</SF></VOK>
</LEKTION>
)";

class Import : public LektionsDatenbank {
  protected:
    TLektionsSpeicher speicher{daten};
    TImport import{daten};
};

TEST_F(Import, StoresNewEntriesWithStemsAndWordIndexAndEachLessonInItsTextbook)
{
    const TImportErgebnis e = import.Importieren(Datei(kZweiLektionen));
    EXPECT_EQ(e.vokabelnAngelegt, 3);
    EXPECT_EQ(e.vokabelnGefunden, 1); // rosa of L2 is the one L1 created
    EXPECT_EQ(e.lektionenAngelegt, 2);
    EXPECT_EQ(e.lehrbuecherAngelegt, 1);
    EXPECT_FALSE(e.abgebrochen);

    EXPECT_EQ(Zahl("SELECT count(*) FROM vokabel"), 3);
    EXPECT_EQ(Zahl("SELECT count(*) FROM vokwb"), 3);
    EXPECT_GT(Zahl("SELECT count(*) FROM stamm WHERE vokabel_id = (SELECT id FROM vokabel WHERE vokabel = 'amare')"),
              0);
    EXPECT_EQ(Zahl("SELECT count(*) FROM sonderform WHERE form = 'est'"), 1);

    const int32_t buch = speicher.LehrbuchSuchen(QStringLiteral("Prima"));
    ASSERT_GT(buch, 0);
    const auto zeilen = speicher.Lektionen(buch);
    ASSERT_EQ(zeilen.size(), 2u);
    auto l1 = speicher.LektionLesen(zeilen[0].id);
    EXPECT_EQ(l1->name, QStringLiteral("L1"));
    EXPECT_EQ(Woerter(*l1), (Liste{"amare", "rosa"}));
    EXPECT_EQ(l1->text, QStringList{QStringLiteral("Rosam amo.")});
    EXPECT_EQ(l1->vokabeln[0]->merkhilfen.size(), 1u);
    auto l2 = speicher.LektionLesen(zeilen[1].id);
    EXPECT_EQ(Woerter(*l2), (Liste{"rosa", "esse"}));
    EXPECT_EQ(l2->vokabeln[0]->id, l1->vokabeln[1]->id);
    EXPECT_EQ(l2->vokabeln[1]->attribute, 1025);
}

TEST_F(Import, AMatchedEntryGetsOnlyTheMeaningsAidsAndSpecialFormsItLacks)
{
    const int32_t rosa = Anlegen(QStringLiteral("rosa"), WA_SUBSTANTIV, KD_A, QStringLiteral("rosae"),
                                 QStringLiteral("f"), {}, {QStringLiteral("Rose")});
    // Same headword and class, other principal parts: a different entry.
    const int32_t andere = Anlegen(QStringLiteral("amare"), WA_VERB, KD_A, QStringLiteral("amo"),
                                   QStringLiteral("amavi"), {}, {QStringLiteral("gern haben")});
    const QByteArray datei = Datei(R"(<LEKTION name="L">
<VOK><NAME>rosa</NAME>
<BED><WORT>Rose</WORT><GRUPPE>1</GRUPPE><POS>1</POS></BED>
<BED><WORT>Blume</WORT><KOMMENTAR>poetisch</KOMMENTAR><GRUPPE>2</GRUPPE><POS>1</POS></BED>
<FORM1>rosae</FORM1><FORM2>f</FORM2><WORTART>2</WORTART><KONJDEKL>8</KONJDEKL>
<MERKHILFE sprache="2">rose</MERKHILFE><SF fid="9">rosai</SF></VOK>
<VOK><NAME>amare</NAME>
<BED><WORT>lieben</WORT><GRUPPE>1</GRUPPE><POS>1</POS></BED>
<FORM1>amo</FORM1><FORM2>amavi</FORM2><FORM3>amatum</FORM3><WORTART>1</WORTART><KONJDEKL>8</KONJDEKL></VOK>
</LEKTION>
)");
    const TImportErgebnis e = import.Importieren(datei);
    EXPECT_EQ(e.vokabelnGefunden, 1);
    EXPECT_EQ(e.vokabelnAngelegt, 1);

    auto v = daten.VokabelLaden(rosa);
    daten.SonderformenLaden(*v);
    ASSERT_EQ(v->bedeutungen.size(), 2u);
    EXPECT_EQ(v->bedeutungen[0]->bedeutung, QStringLiteral("Rose"));
    EXPECT_EQ(v->bedeutungen[1]->bedeutung, QStringLiteral("Blume"));
    EXPECT_EQ(v->bedeutungen[1]->kommentar, QStringLiteral("poetisch"));
    EXPECT_EQ(v->bedeutungen[1]->gruppe, 2);
    ASSERT_EQ(v->merkhilfen.size(), 1u);
    EXPECT_EQ(v->merkhilfen[0]->merkhilfe, QStringLiteral("rose"));
    ASSERT_EQ(v->sonderformen.size(), 1u);
    EXPECT_EQ(v->sonderformen[0]->formId, 9);

    EXPECT_EQ(Zahl("SELECT count(*) FROM vokabel WHERE vokabel = 'amare'"), 2);
    EXPECT_EQ(daten.VokabelLaden(andere)->BedeutungenText(), QStringLiteral("gern haben"));

    // A second import finds everything and adds nothing more.
    const auto vorher = Zeilen();
    const TImportErgebnis zweit = import.Importieren(datei);
    EXPECT_EQ(zweit.vokabelnGefunden, 2);
    EXPECT_EQ(zweit.vokabelnAngelegt, 0);
    auto nachher = Zeilen();
    EXPECT_EQ(nachher["lektion"], vorher.at("lektion") + 1);
    EXPECT_EQ(nachher["lek_vok"], vorher.at("lek_vok") + 2);
    nachher["lektion"] = vorher.at("lektion");
    nachher["lek_vok"] = vorher.at("lek_vok");
    EXPECT_EQ(nachher, vorher);
}

TEST_F(Import, ALessonNameTakenInTheTextbookGetsANumberedSuffix)
{
    const QByteArray datei = Datei(R"(<LEKTION name="L1"/><LEKTION name="L1"/>)");
    import.Importieren(datei);
    import.Importieren(datei);
    std::vector<std::string> namen;
    for (const auto &z : speicher.Lektionen(speicher.LehrbuchSuchen(QStringLiteral("Prima"))))
        namen.push_back(z.name.toStdString());
    EXPECT_EQ(namen, (Liste{"L1", "L1 (2)", "L1 (3)", "L1 (4)"}));
    EXPECT_EQ(Zahl("SELECT count(*) FROM lehrbuch"), 1);
}

TEST_F(Import, LessonsOutsideATextbookGoToTheFallbackTextbook)
{
    const QByteArray datei = R"(<LEXOVITA><LEKTION name="lose"/></LEXOVITA>)";
    import.Importieren(datei, QStringLiteral("meine_datei"));
    const int32_t buch = speicher.LehrbuchSuchen(QStringLiteral("meine_datei"));
    ASSERT_GT(buch, 0);
    EXPECT_EQ(speicher.Lektionen(buch).at(0).name, QStringLiteral("lose"));
}

TEST_F(Import, ARejectedFileNamesTheLineAndLeavesTheDatabaseUnchanged)
{
    import.Importieren(Datei(kZweiLektionen));
    const auto vorher = Zeilen();

    struct Fall {
        const char *name;
        QByteArray inhalt;
        int zeile;
    };
    const QByteArray gut = Datei(kZweiLektionen);
    const std::vector<Fall> faelle{
        // Everything before the fault is valid and would be stored.
        {"unbekanntes Element", Datei(R"(<LEKTION name="neu">
<VOK><NAME>neu</NAME><WORTART>3</WORTART></VOK>
<VOK><NAME>x</NAME><WORTART>3</WORTART><FARBE>rot</FARBE></VOK>
</LEKTION>
)"),
         6},
        {"ungültige Wortart", Datei(R"(<LEKTION name="neu">
<VOK><NAME>neu</NAME><WORTART>3</WORTART></VOK>
<VOK><NAME>x</NAME><WORTART>9</WORTART></VOK>
</LEKTION>
)"),
         6},
        {"ungültige Deklination", Datei(R"(<LEKTION name="neu">
<VOK><NAME>neu</NAME><WORTART>3</WORTART></VOK>
<VOK><NAME>x</NAME><WORTART>2</WORTART>
<KONJDEKL>12</KONJDEKL></VOK>
</LEKTION>
)"),
         7},
        {"kaputtes XML", Datei(R"(<LEKTION name="neu">
<VOK><NAME>neu</NAME><WORTART>3</WORTART></VOK>
<VOK><NAME>x</NAME><WORTART>3</WORTART></VOX>
</LEKTION>
)"),
         6},
        {"leeres Stichwort", Datei(R"(<LEKTION name="neu">
<VOK><NAME>neu</NAME><WORTART>3</WORTART></VOK>
<VOK>
<NAME> </NAME><WORTART>3</WORTART></VOK>
</LEKTION>
)"),
         6},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        try {
            import.Importieren(f.inhalt);
            ADD_FAILURE() << "kein Fehler";
        } catch (const TLektionsdateiFehler &fehler) {
            EXPECT_EQ(fehler.Zeile(), f.zeile) << fehler.what();
            EXPECT_TRUE(fehler.Meldung().startsWith(QStringLiteral("Fehler in Zeile %1:").arg(f.zeile)))
                << fehler.what();
        }
        EXPECT_EQ(Zeilen(), vorher);
    }
}

TEST_F(Import, CancellingBetweenEntriesKeepsNothingAndProgressCountsLessonsAndEntries)
{
    std::atomic<bool> abbruch{false};
    std::vector<std::tuple<int, int, int, int>> staende;
    import.SetAbbruch(&abbruch);
    import.SetFortschritt([&](const TImportStand &s) {
        staende.emplace_back(s.lektion, s.lektionenGesamt, s.vokabel, s.vokabelnInLektion);
    if (s.lektion == 2 && s.vokabel == 1)
        abbruch = true;
});
const auto vorher = Zeilen();
const TImportErgebnis e = import.Importieren(Datei(kZweiLektionen));
EXPECT_TRUE(e.abgebrochen);
EXPECT_EQ(Zeilen(), vorher);
const std::vector<std::tuple<int, int, int, int>> erwartet{
    {1, 2, 0, 2}, {1, 2, 1, 2}, {1, 2, 2, 2}, {2, 2, 0, 2}, {2, 2, 1, 2}};
EXPECT_EQ(staende, erwartet);

// Without the flag the same import goes through.
abbruch = false;
import.SetFortschritt({});
EXPECT_FALSE(import.Importieren(Datei(kZweiLektionen)).abgebrochen);
EXPECT_EQ(Zahl("SELECT count(*) FROM lektion"), 2);
} // namespace

// Builds a textbook through the store as a user would, with everything the
// lesson file carries.
class ExportImport : public LektionsDatenbank {
  protected:
    TLektionsSpeicher speicher{daten};

    int32_t Lehrbuch()
    {
        TVokabelSpeicher vs(daten);
        TVokabel v;
        v.vokabel = QStringLiteral("hortari");
        v.SetWortart(WA_VERB);
        v.SetKonjDekl(KD_A);
        v.SetDeponens(true);
        v.form1 = QStringLiteral("hortor");
        v.form2 = QStringLiteral("hortatus sum");
        v.BedeutungHinzufuegen(QStringLiteral("ermahnen"), QStringLiteral("jdn."), 1, 1);
        v.BedeutungHinzufuegen(QStringLiteral("auffordern"), QString(), 1, 2);
        v.BedeutungHinzufuegen(QStringLiteral("ermutigen"), QStringLiteral("zu etw."), 2, 1);
        v.MerkhilfeHinzufuegen(QStringLiteral("exhort"), SPR_ENGLISCH);
        v.MerkhilfeHinzufuegen(QStringLiteral("exhorter"), SPR_FRANZOESISCH);
        v.sonderformen.push_back(std::make_unique<TLatForm>(0, QStringLiteral("hortare"), 330));
        EXPECT_EQ(vs.VokabelAnlegen(v), TVokabelSpeicher::Ausgang::Gespeichert);

        const int32_t mare = Anlegen(QStringLiteral("mare"), WA_SUBSTANTIV, KD_I, QStringLiteral("maris"),
                                     QStringLiteral("n"), {}, {QStringLiteral("Meer"), QStringLiteral("See")});
        const int32_t heu = Anlegen(QStringLiteral("heu"), WA_UNBESTIMMT, 0, {}, {}, {}, {QStringLiteral("ach!")});

        const int32_t buch = speicher.LehrbuchAnlegen(QStringLiteral("Lehrbuch \"Eins\" & <Zwei>"));
        auto l1 = Lektion(QStringLiteral("Erste"), buch, {v.id, mare, heu, mare});
        l1->text = QStringList{QStringLiteral("Heu, mare!"), QString(), QStringLiteral("Hortamur te.")};
        auto l2 = Lektion(QStringLiteral("Zweite ohne Text"), buch, {heu});
        auto l3 = Lektion(QStringLiteral("Leer"), buch, {});
        for (auto *l : {l1.get(), l2.get(), l3.get()})
            EXPECT_TRUE(speicher.LektionSpeichern(*l));
        return buch;
    }
};

TEST_F(ExportImport, ExportImportIntoAnEmptyDatabaseAndExportAgainGivesTheSameDocument)
{
    const QString vorlagen = QStringLiteral(LEXOVITA_TESTDATA_DIR "/../../data/vorlagen");
    const QByteArray erst = speicher.LehrbuchExportieren(Lehrbuch(), vorlagen);
    ASSERT_TRUE(erst.contains("<!DOCTYPE LEXOVITA"));
    ASSERT_TRUE(erst.contains("hortare"));
    ASSERT_TRUE(erst.contains("<KOMMENTAR>zu etw.</KOMMENTAR>"));

    TDatenmanager leer(QStringLiteral(":memory:"));
    TImport import(leer);
    const TImportErgebnis e = import.Importieren(erst);
    EXPECT_EQ(e.vokabelnAngelegt, 3);
    EXPECT_EQ(e.vokabelnGefunden, 2);
    EXPECT_EQ(e.lektionenAngelegt, 3);

    TLektionsSpeicher zweiter(leer);
    const QString name = QStringLiteral("Lehrbuch \"Eins\" & <Zwei>");
    const QByteArray wieder = zweiter.LehrbuchExportieren(zweiter.LehrbuchSuchen(name), vorlagen);
    EXPECT_EQ(QString::fromUtf8(wieder), QString::fromUtf8(erst));
}

TEST_F(ExportImport, ImportingTheFolderOfTwoFilesKeepsBothOrNeither)
{
    QTemporaryDir ordner;
    const QByteArray gut = speicher.LehrbuchExportieren(Lehrbuch(), QString());
    {
        QFile f(ordner.filePath(QStringLiteral("a.xml")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(gut);
    }
    {
        QFile f(ordner.filePath(QStringLiteral("b.xml")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<LEXOVITA>\n<BUCH/>\n</LEXOVITA>\n");
    }
    TDatenmanager leer(QStringLiteral(":memory:"));
    try {
        OrdnerImportieren(leer, ordner.path());
        ADD_FAILURE() << "kein Fehler";
    } catch (const TLektionsdateiFehler &f) {
        EXPECT_TRUE(f.Meldung().startsWith(QStringLiteral("b.xml: Fehler in Zeile 2:"))) << f.what();
    }
    TAnweisung a = leer.Verbindung().Anweisung("SELECT count(*) FROM vokabel");
    ASSERT_TRUE(a.Schritt());
    EXPECT_EQ(a.Int(0), 0);
}

} // namespace

namespace {

// Whatever way a text comes in (editor and command line through the
// entry store, every import through the same writers), a character XML
// cannot hold or a text over its limit is refused and nothing is stored.
TEST_F(ExportImport, TextsThatWouldBreakAnExportAreRefusedOnTheWayIn)
{
    const int32_t buch = speicher.LehrbuchAnlegen(QStringLiteral("Prima"));
    const int vorher = Zahl("SELECT count(*) FROM vokabel");
    const struct {
        const char *fall;
        std::function<void()> schreiben;
        const char *teil;
    } faelle[] = {
        {"Steuerzeichen im Stichwort", [&] { Anlegen(QStringLiteral("ama\x01re"), WA_VERB); },
         "Das Stichwort enthält das unzulässige Steuerzeichen U+0001"},
        {"Escape-Folge in der Bedeutung",
         [&] { Anlegen(QStringLiteral("amare"), WA_VERB, 0, {}, {}, {}, {QStringLiteral("\x1b[2J")}); }, "U+001B"},
        {"NUL in einer Stammform",
         [&] { Anlegen(QStringLiteral("amare"), WA_VERB, 0, QStringLiteral("a") + QChar(0)); }, "Die erste Stammform"},
        {"U+FFFE", [&] { Anlegen(QStringLiteral("amare") + QChar(0xFFFE), WA_VERB); }, "U+FFFE"},
        {"Stichwort zu lang", [&] { Anlegen(QString(1001, QLatin1Char('a')), WA_VERB); }, "1001 Zeichen zu lang"},
        {"Lehrbuchname zu lang", [&] { speicher.LehrbuchAnlegen(QString(201, QLatin1Char('b'))); },
         "Der Name des Lehrbuchs ist mit 201 Zeichen zu lang"},
        {"Lehrbuch umbenannt", [&] { speicher.LehrbuchUmbenennen(buch, QStringLiteral("a\x02")); }, "U+0002"},
        {"Lektionstext zu lang",
         [&] {
             auto l = Lektion(QStringLiteral("L"), buch, {});
             l->text = QStringList{QString(100001, QLatin1Char('t'))};
             speicher.LektionSpeichern(*l);
         },
         "Der Lektionstext ist mit 100001 Zeichen zu lang"},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.fall);
        try {
            f.schreiben();
            ADD_FAILURE() << "stored";
        } catch (const TTextFehler &e) {
            EXPECT_TRUE(e.Meldung().contains(QString::fromUtf8(f.teil))) << e.what();
        }
    }
    EXPECT_EQ(Zahl("SELECT count(*) FROM vokabel"), vorher);
    EXPECT_EQ(Zahl("SELECT count(*) FROM lektion"), 0);
    EXPECT_EQ(speicher.Lehrbuecher().size(), 1u);
}

// Texts an older version stored unchecked: the export of the whole
// textbook still imports again.
TEST_F(ExportImport, AnExportWithStoredControlCharactersImportsAgain)
{
    const int32_t buch = Lehrbuch();
    daten.Verbindung().Ausfuehren("UPDATE vokabel SET vokabel = 'hor' || char(1) || 'tari' || char(27) || '[2J', "
                                  "form1 = char(0) || 'x' WHERE vokabel = 'hortari';"
                                  "UPDATE bedeutung SET bedeutung = 'Meer' || char(65534) WHERE bedeutung = 'Meer';"
                                  "UPDATE lektion SET name = 'Erste' || char(7), text = 'Heu' || char(8) "
                                  "WHERE name = 'Erste'");
    const QByteArray xml = speicher.LehrbuchExportieren(buch, QString());
    TDatenmanager leer(QStringLiteral(":memory:"));
    TImport import(leer);
    const TImportErgebnis e = import.Importieren(xml);
    EXPECT_EQ(e.lektionenAngelegt, 3);
    TLektionsSpeicher zweiter(leer);
    EXPECT_GT(zweiter.LektionSuchen(zweiter.LehrbuchSuchen(QStringLiteral("Lehrbuch \"Eins\" & <Zwei>")),
                                    QStringLiteral("Erste\uFFFD")),
              0);
}

} // namespace
