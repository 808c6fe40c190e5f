// The large lexicon: import from small files in the Collatinus and dictd
// formats written for these tests, look-up, analysis over vocabulary and
// lexicon, and the checks over the installed Debian packages.

#include "app/lexikonanalyse.h"
#include "app/lexikondienst.h"
#include "model/rueckfrage.h"
#include "morph/analyse.h"
#include "morph/collatinus.h"
#include "morph/formenmanager.h"
#include "morph/formid.h"
#include "store/analysequelle.h"
#include "store/lexikon.h"
#include "store/sqlite.h"
#include "store/vokabelspeicher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace lexovita;

namespace {

QString Fixturen()
{
    return QStringLiteral(LEXOVITA_TESTDATA_DIR "/lexikon");
}

// A copy of the fixture folder that a case may damage.
QString Kopie(const QTemporaryDir &ziel)
{
    QDir quelle(Fixturen());
    for (const QString &datei : quelle.entryList(QDir::Files))
        QFile::copy(quelle.filePath(datei), QDir(ziel.path()).filePath(datei));
    return ziel.path();
}

int Zahl(TDatenmanager &d, const char *sql)
{
    TAnweisung a = d.Verbindung().Anweisung(sql);
    return a.Schritt() ? a.Int(0) : -1;
}

class Lexikon : public ::testing::Test {
  protected:
    QTemporaryDir ordner;
    TDatenmanager daten{ordner.path()};
    TLexikonBericht Importieren(const QString &quelle = Fixturen())
    {
        return LexikonImportieren(daten, TLexikonQuellen::InOrdner(quelle));
    }
};

struct Nein : IRueckfrage {
    Antwort Frage(const QString &, const QString &, int, Antwort, Symbol) override { return Antwort::Nein; }
    void Meldung(const QString &, const QString &) override {}
};

// One row per model of the fixture file: what the entry becomes.
TEST_F(Lexikon, JedesModellWirdZumRichtigenEintrag)
{
    const TLexikonBericht b = Importieren();
    EXPECT_EQ(b.lemmata, 12); // "in" and its spelling "indu"
    EXPECT_EQ(b.abgebildet, 12);
    EXPECT_EQ(b.frequenz, 5055);
    struct Fall {
        const char *suche;
        const char *laenge; // headword with school lengths (no mark by position)
        const char *schluesselformen;
        int32_t wortart, konjDekl, flags;
        const char *deutsch; // groups joined by "; "
        const char *quelle;
    };
    const Fall faelle[] = {
        {"rosa", "rŏsă", "rosa, rosae, f.", WA_SUBSTANTIV, KD_A, 0, "Rose", "collatinus"},
        {"dominus", "dŏmĭnŭs", "dominus, domini, m.", WA_SUBSTANTIV, KD_O, 0, "Herr, Hausherr; Gebieter", "collatinus"},
        {"consul", "cōnsŭl", "consul, consulis, m.", WA_SUBSTANTIV, KD_K, 0, "Konsul", "freedict"},
        {"rex", "rēx", "rex, regis, m.", WA_SUBSTANTIV, KD_K, 0, "König", "freedict"},
        {"bonus", "bŏnŭs", "bonus, bona, bonum", WA_ADJEKTIV, KD_O, 0, "gut", "freedict"},
        {"amo", "ămārĕ", "amo, amavi, amatum", WA_VERB, KD_A, 0, "lieben", "collatinus"},
        {"hortor", "hortārī", "hortor, hortatus sum", WA_VERB, KD_A, ATTR_DEPONENS, "ermahnen, ermuntern", "freedict"},
        {"esse", "essĕ", "sum, fui", WA_VERB, KD_KEINE, ATTR_KEIN_PASSIV, "sein; existieren", "freedict"},
        {"ille", "illĕ", "ille", WA_PRONOMEN, KD_KEINE, 0, "jener", "collatinus"},
        {"in", "ĭn", "in", WA_UNBESTIMMT, KD_KEINE, 0, "", ""},
        {"rosula", "rŏsŭlă", "rosula, rosulae, f.", WA_SUBSTANTIV, KD_A, 0, "Rose", "abgeleitet"}, // cf. rosa
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.suche);
        const std::vector<TLexikonLemma> l = LexikonSuchen(daten, QString::fromUtf8(f.suche));
        ASSERT_EQ(l.size(), 1u);
        EXPECT_EQ(l[0].laengen.value(0), QString::fromUtf8(f.laenge));
        EXPECT_EQ(l[0].schluesselformen, QString::fromUtf8(f.schluesselformen));
        EXPECT_EQ(l[0].wortart, f.wortart);
        EXPECT_EQ(l[0].konjDekl, f.konjDekl);
        EXPECT_EQ(l[0].attribute & ~(ATTR_WORTART_MASKE | ATTR_KONJDEKL_MASKE), f.flags);
        QStringList gruppen;
        for (const QStringList &g : l[0].deutsch)
            gruppen.append(g.join(QStringLiteral(", ")));
        EXPECT_EQ(gruppen.join(QStringLiteral("; ")), QString::fromUtf8(f.deutsch));
        EXPECT_EQ(l[0].deutschQuelle, QString::fromUtf8(f.quelle));
    }
    // Other languages stay apart; French never appears as German.
    const TLexikonLemma amo = LexikonSuchen(daten, QStringLiteral("amare")).at(0);
    EXPECT_EQ(amo.englisch, QStringList{QStringLiteral("to love")});
    EXPECT_EQ(amo.franzoesisch, QStringList{QStringLiteral("aimer")});
    EXPECT_EQ(b.franzoesisch, 2); // consul, rex
    EXPECT_EQ(b.deutschFreedict, 5);
    EXPECT_EQ(b.deutschAbgeleitet, 1);
    EXPECT_EQ(b.ohneDeutsch, 2); // in, indu
    // The principal parts keep their quantities.
    EXPECT_EQ(amo.laengen, (QStringList{QStringLiteral("ămārĕ"), QStringLiteral("ămō"), QStringLiteral("ămāvī"),
                                        QStringLiteral("ămātŭm")}));
}

// Forms of every kind of entry analyse back to their lemma, the irregular
// ones through special forms; the vocabulary answers before the lexicon.
TEST_F(Lexikon, AnalyseFindetLexikonUndVokabelnZuerst)
{
    Importieren();
    Nein nein;
    TVokabel rosa;
    rosa.vokabel = QStringLiteral("rosa");
    rosa.form1 = QStringLiteral("rosae");
    rosa.form2 = QStringLiteral("f");
    rosa.SetWortart(WA_SUBSTANTIV);
    rosa.SetKonjDekl(KD_A);
    TVokabelSpeicher(daten).Speichern(rosa);

    struct Fall {
        const char *wort;
        const char *stichwort;
        int32_t formId;
        bool lexikon;
    };
    const Fall faelle[] = {
        {"rosam", "rosa", fid::FEMININUM | fid::AKK_SG, false},
        {"dominorum", "dominus", fid::MASKULINUM | fid::GEN_PL, true},
        {"dominum", "dominus", fid::MASKULINUM | fid::GEN_PL, true}, // irregular, beside the regular form
        {"regibus", "rex", fid::MASKULINUM | fid::DAT_PL, true},
        {"bonae", "bonus", fid::POSITIV | fid::FEMININUM | fid::GEN_SG, true},
        {"amaverunt", "amare", fid::AKTIV | fid::INDIKATIV | fid::PERFEKT | fid::P3_PL, true},
        {"hortaris", "hortari", fid::AKTIV | fid::INDIKATIV | fid::PRAESENS | fid::P2_SG, true},
        {"est", "esse", fid::AKTIV | fid::INDIKATIV | fid::PRAESENS | fid::P3_SG, true},
        {"foret", "esse", fid::AKTIV | fid::KONJUNKTIV | fid::IMPERFEKT | fid::P3_SG, true},
        {"illius", "ille", fid::MASKULINUM | fid::GEN_SG, true},
        {"illud", "ille", fid::NEUTRUM | fid::NOM_SG, true},
        {"in", "in", 0, true},
        {"indu", "indu", 0, true}, // a second spelling of the same word
    };
    TAnalysedienst dienst(daten);
    TLexikonAnalyse analyse(dienst);
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.wort);
        const std::vector<TLexikonTreffer> &t = analyse.Analysieren(QString::fromUtf8(f.wort));
        bool gefunden = false;
        for (const TLexikonTreffer &x : t) {
            ASSERT_NE(x.vokabel, nullptr);
            gefunden = gefunden || (x.vokabel->vokabel == QString::fromUtf8(f.stichwort) && x.form.formId == f.formId &&
                                    x.ausLexikon == f.lexikon);
        }
        EXPECT_TRUE(gefunden);
    }
    // The lexicon's rosa is held by the vocabulary and not repeated.
    for (const TLexikonTreffer &x : analyse.Analysieren(QStringLiteral("rosae")))
        EXPECT_FALSE(x.ausLexikon);
    // A later lexicon word keeps its source and key forms.
    const std::vector<TLexikonTreffer> &t = analyse.Analysieren(QStringLiteral("amat"));
    ASSERT_FALSE(t.empty());
    EXPECT_TRUE(t[0].ausLexikon);
    EXPECT_EQ(t[0].schluesselformen, QStringLiteral("amo, amavi, amatum"));
}

TEST(LexikonFranzoesisch, ErkenntFranzoesischeGlossen)
{
    struct Fall {
        const char *text, *franzoesisch;
        bool erwartet;
    };
    const Fall faelle[] = {
        {"le consul", "consul", true},    // the French gloss with an article
        {"emmener", "emmener", true},     // copied over unchanged
        {"s'éloigner, partir", "", true}, // elision and accents
        {"placer loin de, écarter, cacher", "", true},
        {"Rose", "rose", false}, // a German noun is not the French word
        {"Mädchen", "fille", false},
        {"zeigen, sagen, darstellen", "", false},
        {"sich entfernen, weggehen", "s'éloigner", false},
        {"den Krieg erklären", "déclarer la guerre", false},
    };
    for (const Fall &f : faelle)
        EXPECT_EQ(FranzoesischerText(QString::fromUtf8(f.text), QString::fromUtf8(f.franzoesisch)), f.erwartet)
            << f.text;
}

TEST_F(Lexikon, ErneuterImportErsetztDasAlteLexikon)
{
    Importieren();
    const int sonderformen = Zahl(daten, "SELECT count(*) FROM lex_sonderform");
    Importieren();
    EXPECT_EQ(Zahl(daten, "SELECT count(*) FROM lex_vokabel"), 12);
    EXPECT_EQ(Zahl(daten, "SELECT count(*) FROM lex_sonderform"), sonderformen);
    EXPECT_GT(sonderformen, 10);

    // A smaller source: what it no longer has is gone.
    QTemporaryDir klein;
    Kopie(klein);
    QFile lemmata(QDir(klein.path()).filePath(QStringLiteral("lemmes.la")));
    ASSERT_TRUE(lemmata.open(QIODevice::WriteOnly | QIODevice::Truncate));
    lemmata.write("rŏsa|uita|||ae, f.|500\n");
    lemmata.close();
    const TLexikonBericht b = Importieren(klein.path());
    EXPECT_EQ(b.lemmata, 1);
    EXPECT_EQ(Zahl(daten, "SELECT count(*) FROM lex_vokabel"), 1);
    EXPECT_EQ(Zahl(daten, "SELECT count(*) FROM lex_stamm WHERE vokabel_id > 1"), 0);
    EXPECT_EQ(Zahl(daten, "SELECT count(*) FROM lex_bedeutung WHERE vokabel_id > 1"), 0);
    EXPECT_TRUE(LexikonSuchen(daten, QStringLiteral("amo")).empty());
    EXPECT_EQ(LexikonStand(daten).eintraege, 1);
    // The user's vocabulary never holds the lexicon.
    EXPECT_EQ(Zahl(daten, "SELECT count(*) FROM vokabel"), 0);
}

TEST_F(Lexikon, KaputteOderFehlendeQuelleLaesstDasAlteLexikon)
{
    Importieren();
    const QString stand = LexikonStand(daten).datum;
    struct Fall {
        const char *name;
        const char *datei;   // file to change
        const char *inhalt;  // new content; null: remove the file
        const char *meldung; // part of the German message
    };
    const Fall faelle[] = {
        {"Lemmadatei fehlt", "lemmes.la", nullptr, "keine Collatinus-Daten"},
        {"Modelldatei fehlt", "modeles.la", nullptr, "keine Collatinus-Daten"},
        {"Lemmazeile kaputt", "lemmes.la", "rŏsa|uita|||ae, f.|500\nkaputt\n", "beschädigt (Zeile 2)"},
        {"unbekanntes Modell", "lemmes.la", "rŏsa|gibtsnicht|||ae, f.|500\n", "beschädigt (Zeile 1)"},
        {"Vatermodell fehlt", "modeles.la", "modele:x\npere:y\n", "unbekanntes Vatermodell"},
        {"kein UTF-8", "lemmes.de", "rosa:\xff\xfe\n", "kein UTF-8"},
        {"Wörterbuch kaputt", "freedict-lat-deu.dict.dz", "kein gzip", "beschädigt"},
        {"Index kaputt", "freedict-lat-deu.index", "rex\t!!\tt\n", "beschädigt (Zeile 1)"},
        {"Irreguläre kaputt", "irregs.la", "fŏrĕt:sum\n", "beschädigt (Zeile 1)"},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        QTemporaryDir kaputt;
        Kopie(kaputt);
        const QString pfad = QDir(kaputt.path()).filePath(QString::fromLatin1(f.datei));
        QFile::remove(pfad);
        if (f.inhalt) {
            QFile d(pfad);
            ASSERT_TRUE(d.open(QIODevice::WriteOnly));
            d.write(f.inhalt);
        }
        try {
            Importieren(kaputt.path());
            ADD_FAILURE() << "kein Fehler";
        } catch (const LexikonFehler &e) {
            EXPECT_TRUE(e.Meldung().contains(QString::fromUtf8(f.meldung))) << e.Meldung().toStdString();
        }
        EXPECT_EQ(Zahl(daten, "SELECT count(*) FROM lex_vokabel"), 12);
        EXPECT_EQ(LexikonSuchen(daten, QStringLiteral("amo")).size(), 1u);
        EXPECT_EQ(LexikonStand(daten).datum, stand);
    }
    // Cancelling is the same: the old lexicon stays.
    EXPECT_THROW(LexikonImportieren(daten, TLexikonQuellen::InOrdner(Fixturen()),
                                    [](int erledigt, int) { return erledigt == 0; }),
                 LexikonFehler);
    EXPECT_EQ(Zahl(daten, "SELECT count(*) FROM lex_vokabel"), 12);
}

// Over the installed Debian packages: every model maps onto our classes,
// generated forms of the lemmas analyse back to their lemma, and most
// frequent lemmas have a German meaning. Skipped without the packages.
TEST_F(Lexikon, InstalliertesLexikon)
{
    const TLexikonQuellen quellen = TLexikonQuellen::Installiert();
    if (!quellen.CollatinusVorhanden() || !quellen.FreedictVorhanden())
        GTEST_SKIP() << "collatinus oder dict-freedict-lat-deu nicht installiert";
    const TLexikonBericht b = LexikonImportieren(daten, quellen);
    EXPECT_GT(b.lemmata, 20000);
    EXPECT_TRUE(b.nichtAbgebildet.isEmpty());
    EXPECT_GT(b.franzoesisch, 1000); // lemmes.de leaves about 1,300 in French

    // German for the 5,000 most frequent lemmas.
    const int mitDeutsch = Zahl(daten, "SELECT count(*) FROM (SELECT id FROM lex_vokabel ORDER BY frequenz DESC "
                                       "LIMIT 5000) AS h WHERE EXISTS (SELECT 1 FROM lex_bedeutung AS b WHERE "
                                       "b.vokabel_id = h.id AND b.sprache = 1)");
    std::printf("Deutsch bei %d der 5000 häufigsten Lemmata\n", mitDeutsch);
    EXPECT_GE(mitDeutsch, 4500);

    // Round trip: every generated form of a lemma analyses back to it. A
    // steady sample (every LEXOVITA_LEXIKON_SCHRITT-th lemma, default 40)
    // keeps the suite quick; 1 checks them all.
    const int schritt = std::max(1, qEnvironmentVariableIntValue("LEXOVITA_LEXIKON_SCHRITT") > 0
                                        ? qEnvironmentVariableIntValue("LEXOVITA_LEXIKON_SCHRITT")
                                        : 40);
    TAnalysequelle quelle(daten, TBestand::Lexikon);
    TFormenmanager analyseManager, erzeuger;
    TFormanalyse analyse(analyseManager, quelle);
    TAnalysequelleSql zeilen(daten, TBestand::Lexikon);
    std::map<QString, std::pair<int, int>> jeModell; // model -> forms, misses
    int formen = 0, fehler = 0;
    const int hoechste = Zahl(daten, "SELECT max(id) FROM lex_vokabel");
    for (int32_t id = 1; id <= hoechste; id += schritt) {
        const TVokabel *z = zeilen.Vokabelzeile(id);
        ASSERT_NE(z, nullptr);
        TVokabel v;
        z->KopierenNach(v);
        std::vector<IAnalysequelle::TSonderformZeile> sf;
        zeilen.SonderformenVon(id, sf);
        for (const auto &s : sf)
            v.sonderformen.push_back(std::make_unique<TLatForm>(id, s.form, s.formId));
        const QString modell = LexikonLemma(daten, id).modell;
        erzeuger.Zuruecksetzen();
        erzeuger.AlleFormenErzeugen(v);
        QSet<QString> gesehen;
        for (const TLatForm &f : erzeuger.Ergebnisliste()) {
            if (f.text.isEmpty() || f.text.contains(QLatin1Char(' ')) || gesehen.contains(f.text))
                continue;
            gesehen.insert(f.text);
            analyse.Zuruecksetzen();
            analyse.FormAnalysieren(f.text);
            bool zurueck = false;
            for (const TLatForm &r : analyse.Ergebnisliste())
                zurueck = zurueck || r.vokabelId == id;
            ++formen;
            ++jeModell[modell].first;
            if (!zurueck) {
                if (jeModell[modell].second < 3)
                    std::printf("nicht zurückgefunden: %s (%s, %s)\n", qPrintable(f.text), qPrintable(v.vokabel),
                                qPrintable(f.bezeichnung));
                ++fehler;
                ++jeModell[modell].second;
            }
        }
    }
    for (const auto &[modell, zahl] : jeModell)
        if (zahl.second > 0)
            std::printf("Modell %s: %d von %d Formen nicht zurückgefunden\n", qPrintable(modell), zahl.second,
                        zahl.first);
    std::printf("Rundweg: %d Formen, %d nicht zurückgefunden\n", formen, fehler);
    EXPECT_GT(formen, 500000 / schritt);
    // Over all lemmas 9 of 839,794 forms miss (forms the model does not
    // have: licebo of the impersonal licet, Iesum); at most one in 10,000.
    EXPECT_LE(fehler * 10000, formen);
}

} // namespace

namespace {

TEST_F(Lexikon, UebernahmeMachtEinenEchtenEintragOhneDoppel)
{
    Importieren();
    Nein nein;
    const int32_t amo = LexikonSuchen(daten, QStringLiteral("amo")).at(0).id;
    const TUebernahme u = LexikonLemmaUebernehmen(daten, amo);
    ASSERT_GT(u.vokabelId, 0);
    EXPECT_FALSE(u.vorhanden);
    const std::unique_ptr<TVokabel> v = daten.VokabelLaden(u.vokabelId);
    // With the long vowels of the lexicon, the breves dropped.
    EXPECT_EQ(QStringList({v->vokabel, v->form1, v->form2, v->form3}),
              QStringList(
                  {QStringLiteral("amāre"), QStringLiteral("amō"), QStringLiteral("amāvī"), QStringLiteral("amātum")}));
    EXPECT_EQ(v->Wortart(), WA_VERB);
    EXPECT_EQ(v->KonjDekl(), KD_A);
    ASSERT_EQ(v->bedeutungen.size(), 1u);
    EXPECT_EQ(v->bedeutungen[0]->bedeutung, QStringLiteral("lieben"));
    EXPECT_TRUE(v->merkhilfen.empty());
    // Meanings in groups and the noun's gender come along too.
    const TUebernahme d = LexikonLemmaUebernehmen(daten, LexikonSuchen(daten, QStringLiteral("dominus")).at(0).id);
    const std::unique_ptr<TVokabel> dom = daten.VokabelLaden(d.vokabelId);
    EXPECT_EQ(dom->form2, QStringLiteral("m"));
    EXPECT_EQ(dom->MaxGruppe(), 2);

    // Taken over again: the existing entry is offered.
    const TUebernahme nochmal = LexikonLemmaUebernehmen(daten, amo);
    EXPECT_TRUE(nochmal.vorhanden);
    EXPECT_EQ(nochmal.vokabelId, u.vokabelId);
    EXPECT_EQ(Zahl(daten, "SELECT count(*) FROM vokabel"), 2);
    // From now on the vocabulary answers for it.
    TAnalysedienst dienst(daten);
    TLexikonAnalyse analyse(dienst);
    for (const TLexikonTreffer &t : analyse.Analysieren(QStringLiteral("amat")))
        EXPECT_FALSE(t.ausLexikon);
}

TEST_F(Lexikon, ImportAlsAuftragUndStatus)
{
    const TLexikonStatus ohne = LexikonStatus(daten, TLexikonQuellen::InOrdner(ordner.filePath("fehlt")));
    EXPECT_FALSE(ohne.collatinus);
    EXPECT_TRUE(ohne.warumNicht.contains(QStringLiteral("„collatinus“")));
    EXPECT_EQ(ohne.eintraege, 0);

    TLexikonImportAuftrag auftrag(TLexikonQuellen::InOrdner(Fixturen()));
    QStringList protokoll;
    EXPECT_EQ(AuftragDirektAusfuehren(auftrag, daten, nullptr, [&](const QString &z) { protokoll.append(z); }),
              TAuftragsausgang::Erfolg);
    EXPECT_EQ(auftrag.Bericht().lemmata, 12);
    const TLexikonStatus mit = LexikonStatus(daten, TLexikonQuellen::InOrdner(Fixturen()));
    EXPECT_TRUE(mit.collatinus && mit.freedict);
    EXPECT_TRUE(mit.warumNicht.isEmpty());
    EXPECT_EQ(mit.eintraege, 12);
    EXPECT_EQ(mit.datum.size(), 14);
}

} // namespace
