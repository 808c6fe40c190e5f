// Word lists from spreadsheets: reading rows with their states, importing
// them in one transaction, and the lossless round trip of whole textbooks.

#include "store/test_lektion_hilfen.h"

#include "model/csv.h"
#include "store/import.h"
#include "store/lektionsspeicher.h"
#include "store/vokabeltabelle.h"

#include <atomic>

using namespace lexovita;
using namespace lexovita::test;

namespace {

const QString kGrund = QStringLiteral(LEXOVITA_TESTDATA_DIR "/../../data/grundwortschatz");
const QString kAufbau = QStringLiteral(LEXOVITA_TESTDATA_DIR "/../../data/aufbauwortschatz");

// "Buch/Lektion: wort wort ..." per lesson, in order.
QStringList Lektionen(const TVokabeltabelle &t)
{
    QStringList aus;
    for (const auto &b : t.buecher)
        for (const auto &l : b.lektionen) {
            QStringList woerter;
            for (const auto &v : l->vokabeln)
                woerter << v->vokabel;
            aus << b.name + QLatin1Char('/') + l->name + QStringLiteral(": ") + woerter.join(QLatin1Char(' '));
        }
    return aus;
}

// "line+" for a good row, "line-" for a bad one.
QStringList Zustaende(const TVokabeltabelle &t)
{
    QStringList aus;
    for (const auto &z : t.zeilen)
        aus << QString::number(z.zeile) + (z.gut ? QLatin1Char('+') : QLatin1Char('-'));
    return aus;
}

TEST(Vokabeltabelle, ZeilenUndIhrZustand)
{
    struct Fall {
        const char *name;
        QByteArray csv;
        QString lehrbuch; // --lehrbuch
        QStringList lektionen, zustaende;
        const char *meldung; // part of the first bad row's message, "" if none
    };
    const std::vector<Fall> faelle = {
        {"ohne Kopfzeile: Latein, Formen, Deutsch",
         "amare;amo, amavi, amatum;lieben\nrex;regis, m.;König\n",
         {},
         {"Importierte Lektionen/liste: amare rex"},
         {"1+", "2+"},
         ""},
        {"Kopfzeile in anderer Reihenfolge und Schreibweise, ohne Wahlspalten",
         "DEUTSCH,Lateinisch,formen\r\n\"lieben, gern haben; mögen\",amare,\"amo, amavi, amatum\"\r\n",
         {},
         {"Importierte Lektionen/liste: amare"},
         {"2+"},
         ""},
        {"Lektion und Lehrbuch aus Spalten, --lehrbuch gewinnt",
         "Vokabel;Formen;Bedeutung(en);Lektion;Lehrbuch\nrosa;rosae, f.;Rose;L1;A\nbonus;bona, bonum;gut;L2;A\n"
         "et;;und;L1;A\n",
         QStringLiteral("B"),
         {"B/L1: rosa et", "B/L2: bonus"},
         {"2+", "3+", "4+"},
         ""},
        {"leere Zeilen zählen für die Zeilennummer",
         "Latein;Formen;Deutsch\n\namare;amo, amavi, amatum;lieben\n\n\nfelix;felicis;glücklich\n",
         {},
         {"Importierte Lektionen/liste: amare"},
         {"3+", "6-"},
         "Zeile 6: „felix“: Substantiv ohne Genus"},
        {"zu viele Felder",
         "Latein;Formen;Deutsch\namare;amo, amavi, amatum;lieben;zu viel\nres;rei, f.;Sache;;\n",
         {},
         {"Importierte Lektionen/liste: res"},
         {"2-", "3+"},
         "Zeile 2: Die Zeile hat 4 Felder, die Kopfzeile nur 3."},
        {"fehlende Vokabel, fehlende Bedeutung, unbekannte Wortart",
         "Latein;Formen;Deutsch;Wortart\n;amo;lieben;\namare;amo, amavi, amatum;;\nrex;regis, m.;König;Tier\n",
         {},
         {},
         {"2-", "3-", "4-"},
         "Zeile 2: Die Vokabel fehlt."},
        {"Wortart-Spalte entscheidet, Merkhilfen mit Sprache",
         "Latein;Formen;Deutsch;Wortart;Merkhilfen\nfelix;felicis;glücklich;Adj.;\"Englisch: felicity; Glück\"\n",
         {},
         {"Importierte Lektionen/liste: felix"},
         {"2+"},
         ""},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        const TVokabeltabelle t = VokabeltabelleLesen(f.csv, QStringLiteral("liste"), f.lehrbuch);
        EXPECT_EQ(Lektionen(t), f.lektionen);
        EXPECT_EQ(Zustaende(t), f.zustaende);
        const auto schlecht = std::find_if(t.zeilen.begin(), t.zeilen.end(), [](const auto &z) { return !z.gut; });
        if (*f.meldung) {
            ASSERT_NE(schlecht, t.zeilen.end());
            EXPECT_TRUE(schlecht->Text().startsWith(QString::fromUtf8(f.meldung))) << schlecht->Text().toStdString();
        } else {
            EXPECT_EQ(schlecht, t.zeilen.end()) << schlecht->Text().toStdString();
        }
    }
}

TEST(Vokabeltabelle, ZellenWerdenGelesenWieGeschrieben)
{
    const TVokabeltabelle t = VokabeltabelleLesen("Latein;Formen;Deutsch;Merkhilfen;Verweise\n"
                                                  "gaudere;gaudeo, gavisus sum;\"sich freuen [+ Abl.], froh sein; "
                                                  "genießen\";\"Englisch: joy; Französisch: joie\";"
                                                  "gaudium\n",
                                                  QStringLiteral("L"));
    ASSERT_EQ(t.Fehlerhafte(), 0);
    const TVokabel &v = *t.buecher.at(0).lektionen.at(0)->vokabeln.at(0);
    EXPECT_EQ(v.Wortart(), WA_VERB);
    EXPECT_TRUE(v.Semideponens());
    ASSERT_EQ(v.bedeutungen.size(), 3u);
    EXPECT_EQ(v.bedeutungen[0]->bedeutung, QStringLiteral("sich freuen"));
    EXPECT_EQ(v.bedeutungen[0]->kommentar, QStringLiteral("+ Abl."));
    EXPECT_EQ(v.bedeutungen[1]->gruppe, 1);
    EXPECT_EQ(v.bedeutungen[1]->position, 2);
    EXPECT_EQ(v.bedeutungen[2]->bedeutung, QStringLiteral("genießen"));
    EXPECT_EQ(v.bedeutungen[2]->gruppe, 2);
    ASSERT_EQ(v.merkhilfen.size(), 2u);
    EXPECT_EQ(v.merkhilfen[1]->merkhilfe, QStringLiteral("joie"));
    EXPECT_EQ(v.merkhilfen[1]->sprache, SPR_FRANZOESISCH);
    EXPECT_EQ(v.Verweise(), QStringList{QStringLiteral("gaudium")});
    // The written cell reads back to the same meanings.
    EXPECT_EQ(BedeutungenZelle(v), QStringLiteral("sich freuen [+ Abl.], froh sein; genießen"));
}

TEST(Vokabeltabelle, DateiOhneBrauchbareSpaltenWirdAbgewiesen)
{
    for (const QByteArray &csv : {QByteArray("a;b\nc;d\n"), QByteArray("Vokabel;Formen\namare;amo\n"), QByteArray()}) {
        SCOPED_TRACE(csv.toStdString());
        EXPECT_THROW(VokabeltabelleLesen(csv, QStringLiteral("L")), TLektionsdateiFehler);
    }
}

class TabellenImport : public LektionsDatenbank {};

TEST_F(TabellenImport, EineTransaktionMitVerweisenUndVorhandenenVokabeln)
{
    const int32_t vorhanden = Anlegen(QStringLiteral("rex"), WA_SUBSTANTIV, KD_K, QStringLiteral("regis"),
                                      QStringLiteral("m"), {}, {QStringLiteral("König")});
    TVokabeltabelle t = VokabeltabelleLesen("Latein;Formen;Deutsch;Verweise\n"
                                            "regina;reginae, f.;Königin;\"rex; regnum\"\n"
                                            "rex;regis, m.;König, Herrscher;\n"
                                            "regnum;regni, n.;Reich;\n",
                                            QStringLiteral("Hof"), QStringLiteral("Latein 1"));
    ASSERT_EQ(t.Fehlerhafte(), 0);
    TImport import(daten);
    const TImportErgebnis e = import.LehrbuecherImportieren(t.buecher, QStringLiteral("-"));
    EXPECT_EQ(e.vokabelnAngelegt, 2);
    EXPECT_EQ(e.vokabelnGefunden, 1);
    TLektionsSpeicher speicher(daten);
    const int32_t buch = speicher.LehrbuchSuchen(QStringLiteral("Latein 1"));
    ASSERT_NE(buch, 0);
    auto lektion = speicher.LektionLesen(speicher.LektionSuchen(buch, QStringLiteral("Hof")));
    ASSERT_TRUE(lektion);
    ASSERT_EQ(lektion->Anzahl(), 3);
    EXPECT_EQ(lektion->vokabeln[1]->id, vorhanden);
    EXPECT_EQ(lektion->vokabeln[1]->BedeutungenText(), QStringLiteral("König, Herrscher"));
    // The reference to the entry further down the file was kept too.
    TVokabel &regina = *lektion->vokabeln[0];
    daten.VerweiseLaden(regina);
    EXPECT_EQ(regina.Verweise(), (QStringList{QStringLiteral("regnum"), QStringLiteral("rex")}));

    // An import stopped after its first entry keeps nothing, references included.
    const auto vorher = Zeilen();
    TVokabeltabelle zwei = VokabeltabelleLesen("Latein;Formen;Deutsch;Verweise\nlex;legis, f.;Gesetz;rex\n"
                                               "ius;iuris, n.;Recht;lex\n",
                                               QStringLiteral("Recht"));
    std::atomic<bool> abbruch{false};
    import.SetAbbruch(&abbruch);
    import.SetFortschritt([&](const TImportStand &s) { abbruch = s.vokabel >= 1;
});
EXPECT_TRUE(import.LehrbuecherImportieren(zwei.buecher, QStringLiteral("-")).abgebrochen);
EXPECT_EQ(Zeilen(), vorher);
} // namespace

// Both starter textbooks, exported as word lists and imported into an
// empty database, give the same lesson files as the originals.
TEST(TabellenRundreise, StarterLehrbuecherGleichWieXml)
{
    TDatenmanager quelle(QStringLiteral(":memory:"));
    OrdnerImportieren(quelle, QStringList{kGrund, kAufbau});
    TDatenmanager ziel(QStringLiteral(":memory:"));
    TLektionsSpeicher von(quelle), nach(ziel);
    const QString keineVorlagen = QStringLiteral("/nicht/vorhanden");
    const auto buecher = von.Lehrbuecher();
    ASSERT_EQ(buecher.size(), 2u);
    std::vector<QByteArray> tabellen;
    for (const TLehrbuchZeile &b : buecher) {
        const QByteArray csv = von.LehrbuchAlsTabelle(b.id);
        ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBFLehrbuch;Lektion;Position;Vokabel;Stammformen;"));
        TVokabeltabelle t = VokabeltabelleLesen(csv, QStringLiteral("ungenutzt"));
        ASSERT_EQ(t.Fehlerhafte(), 0) << std::find_if(t.zeilen.begin(), t.zeilen.end(),
                                                      [](const auto &z) { return !z.gut; })
                                             ->Text()
                                             .toStdString();
        TImport(ziel).LehrbuecherImportieren(t.buecher, QStringLiteral("-"));
        tabellen.push_back(csv);
    }
    for (size_t i = 0; i < buecher.size(); ++i) {
        SCOPED_TRACE(buecher[i].name.toStdString());
        const int32_t neu = nach.LehrbuchSuchen(buecher[i].name);
        ASSERT_NE(neu, 0);
        const QByteArray a = von.LehrbuchExportieren(buecher[i].id, keineVorlagen);
        const QByteArray b = nach.LehrbuchExportieren(neu, keineVorlagen);
        EXPECT_GT(a.size(), 100000);
        EXPECT_TRUE(a == b) << "first difference at byte "
                            << std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin();
        // Exported again, the word list is the same byte for byte.
        EXPECT_TRUE(nach.LehrbuchAlsTabelle(neu) == tabellen[i]);
    }
}

} // namespace
