// The service behind the vocabulary editor and the entry properties, on a
// private in-memory database with open lessons.
#include "app/vokabeldienst.h"

#include "render/html.h"
#include "seitencache_hilfe.h"
#include "store/test_lektion_hilfen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>

using namespace lexovita;
using namespace lexovita::test;

namespace {

class TSkript : public IRueckfrage {
  public:
    struct TFrage {
        QString titel, text;
        int knoepfe;
        Antwort vorgabe;
    };
    std::vector<TFrage> fragen;
    std::deque<Antwort> antworten;
    Antwort Frage(const QString &titel, const QString &text, int knoepfe, Antwort vorgabe, Symbol) override
    {
        fragen.push_back({titel, text, knoepfe, vorgabe});
        if (antworten.empty()) {
            ADD_FAILURE() << "unerwartete Frage: " << text.toStdString();
            return Antwort::Abbrechen;
        }
        const Antwort a = antworten.front();
        antworten.pop_front();
        return a;
    }
    QStringList meldungen;
    void Meldung(const QString &, const QString &text) override { meldungen << text; }
};

class Vokabeldienst : public LektionsDatenbank {
  protected:
    TSkript skript;
    TLektionManager lektionen;
    QTemporaryDir vorlagen;
    int32_t amicus = 0, amare = 0;

    void SetUp() override
    {
        amicus = Anlegen(QStringLiteral("amicus"), WA_SUBSTANTIV, KD_O, QStringLiteral("amici"), QStringLiteral("m"),
                         {}, {QStringLiteral("Freund")});
        TVokabel v;
        v.vokabel = QStringLiteral("amare");
        v.SetWortart(WA_VERB);
        v.SetKonjDekl(KD_A);
        v.BedeutungAnhaengen(QStringLiteral("lieben"), {}, 1);
        v.MerkhilfeHinzufuegen(QStringLiteral("Amateur"), SPR_DEUTSCH);
        v.VerweisHinzufuegen(QStringLiteral("amicus"));
        v.sonderformen.push_back(std::make_unique<TLatForm>(0, QStringLiteral("amasti"), 354));
        ASSERT_EQ(TVokabelSpeicher(daten).VokabelAnlegen(v), TVokabelSpeicher::Ausgang::Gespeichert);
        amare = v.id;
    }

    TVokabeldienst Dienst() { return TVokabeldienst(daten, skript, &lektionen, vorlagen.path()); }
};

} // namespace

TEST_F(Vokabeldienst, EingabePruefenVerlangtVokabelUndBedeutung)
{
    const struct {
        const char *vokabel;
        const char *bedeutung;
        TVokabeldienst::Pruefung erwartet;
    } faelle[] = {
        {"", "Freund", TVokabeldienst::Pruefung::VokabelFehlt},
        {"   ", "", TVokabeldienst::Pruefung::VokabelFehlt},
        {"amicus", "", TVokabeldienst::Pruefung::BedeutungFehlt},
        {"amicus", "Freund", TVokabeldienst::Pruefung::Ok},
    };
    for (const auto &f : faelle) {
        TVokabel v;
        v.vokabel = QString::fromUtf8(f.vokabel);
        v.BedeutungAnhaengen(QString::fromUtf8(f.bedeutung), {}, 1);
        const auto p = TVokabeldienst::EingabePruefen(v);
        EXPECT_EQ(p, f.erwartet) << f.vokabel << "/" << f.bedeutung;
        EXPECT_EQ(TVokabeldienst::PruefungsMeldung(p).isEmpty(), p == TVokabeldienst::Pruefung::Ok);
    }
}

TEST_F(Vokabeldienst, GespeicherteVokabelErsetztIhreKopienInAllenOffenenLektionen)
{
    TLektion *erste = lektionen.LektionHinzufuegen(Lektion(QStringLiteral("A"), 0, {amicus, amare, amicus}));
    TLektion *zweite = lektionen.LektionHinzufuegen(Lektion(QStringLiteral("B"), 0, {amare}));
    auto dienst = Dienst();
    auto v = dienst.ZumBearbeiten(*erste->vokabeln[0]);
    v->BedeutungAnhaengen(QStringLiteral("Gefährte"), {}, 2);
    v->form1 = QStringLiteral("amici ");
    ASSERT_TRUE(dienst.Speichern(*v));
    EXPECT_EQ(dienst.ErsetzteKopien(), 2);
    for (size_t i : {size_t(0), size_t(2)})
        EXPECT_EQ(erste->vokabeln[i]->BedeutungenText(), QStringLiteral("Freund, Gefährte"));
    EXPECT_EQ(erste->vokabeln[1]->vokabel, QStringLiteral("amare"));
    EXPECT_EQ(zweite->vokabeln[0]->BedeutungenText(), QStringLiteral("lieben"));
    EXPECT_EQ(dienst.Laden(amicus)->BedeutungenText(), QStringLiteral("Freund, Gefährte"));
}

TEST_F(Vokabeldienst, AbgelehnteFrageSpeichertNichtsUndLaesstDieLektionenUnberuehrt)
{
    TLektion *l = lektionen.LektionHinzufuegen(Lektion(QStringLiteral("A"), 0, {amicus}));
    auto dienst = Dienst();
    const auto vorher = Zeilen();

    // A new entry with an existing headword and class: Cancel.
    auto neu = TVokabeldienst::Neu(QStringLiteral(" amicus "));
    neu->SetWortart(WA_SUBSTANTIV);
    neu->BedeutungAnhaengen(QStringLiteral("Geliebter"), {}, 1);
    skript.antworten = {Antwort::Abbrechen};
    EXPECT_FALSE(dienst.Speichern(*neu));
    EXPECT_EQ(neu->id, 0);

    // Renaming amare onto amicus' headword and class: No.
    auto geaendert = dienst.Laden(amare);
    geaendert->vokabel = QStringLiteral("amicus");
    geaendert->SetWortart(WA_SUBSTANTIV);
    skript.antworten = {Antwort::Nein};
    EXPECT_FALSE(dienst.Speichern(*geaendert));

    EXPECT_EQ(Zeilen(), vorher);
    EXPECT_EQ(dienst.ErsetzteKopien(), 0);
    EXPECT_EQ(l->vokabeln[0]->BedeutungenText(), QStringLiteral("Freund"));
    EXPECT_TRUE(skript.antworten.empty());
}

TEST_F(Vokabeldienst, NamensgleicheNeueVokabelFragtUndDieAntwortEntscheidet)
{
    const struct {
        const char *wort;
        Antwort antwort;
        bool gespeichert;
        int zeilen; // entries of that headword afterwards
    } faelle[] = {
        {"amica", Antwort::Abbrechen, false, 1},
        {"amor", Antwort::Nein, true, 2},
        {"ami'cus", Antwort::Ja, true, 1},
    };
    auto dienst = Dienst();
    for (const auto &f : faelle) {
        const QString wort = QString::fromUtf8(f.wort);
        SCOPED_TRACE(f.wort);
        const int32_t alt = Anlegen(wort, WA_SUBSTANTIV, KD_A, {}, {}, {}, {QStringLiteral("alt")});
        skript.fragen.clear();
        skript.antworten = {f.antwort};
        auto neu = TVokabeldienst::Neu(wort);
        neu->SetWortart(WA_SUBSTANTIV);
        neu->BedeutungAnhaengen(QStringLiteral("neu"), {}, 1);
        EXPECT_EQ(dienst.Speichern(*neu), f.gespeichert);
        ASSERT_EQ(skript.fragen.size(), 1u);
        EXPECT_EQ(skript.fragen[0].titel, QStringLiteral("Gleichlautende Vokabel"));
        QString zitiert = wort;
        zitiert.replace(QLatin1Char('\''), QStringLiteral("''"));
        EXPECT_EQ(skript.fragen[0].text,
                  QStringLiteral("Die Vokabel '%1' ist mit der gleichen Wortart bereits in der Datenbank vorhanden.\r\n"
                                 "Soll diese Vokabel überschrieben werden?\r\n\r\n"
                                 "Wähle \"Nein\", um einen neuen Vokabeldatensatz anzulegen und die bereits "
                                 "vorhandene gleichlautende Vokabel nicht zu überschreiben.")
                      .arg(zitiert));
        EXPECT_EQ(skript.fragen[0].knoepfe, KN_JA_NEIN_ABBRECHEN);
        // Overwriting changes the entry in every lesson: never the default.
        EXPECT_EQ(skript.fragen[0].vorgabe, Antwort::Nein);
        EXPECT_EQ(neu->id > 0, f.gespeichert);
        TAnweisung a = daten.Verbindung().Anweisung("SELECT count(*) FROM vokabel WHERE vokabel = ?1");
        a.Binden(1, wort);
        ASSERT_TRUE(a.Schritt());
        EXPECT_EQ(a.Int(0), f.zeilen);
        EXPECT_EQ(dienst.Laden(alt) != nullptr, f.antwort != Antwort::Ja);
    }
}

TEST_F(Vokabeldienst, UmbenennenAufEineAndereVokabelFragtUndJaUebernimmtIhrenPlatz)
{
    auto dienst = Dienst();
    auto geaendert = dienst.Laden(amare);
    geaendert->vokabel = QStringLiteral("amicus");
    geaendert->SetWortart(WA_SUBSTANTIV);
    skript.antworten = {Antwort::Ja};
    ASSERT_TRUE(dienst.Speichern(*geaendert));
    ASSERT_EQ(skript.fragen.size(), 1u);
    EXPECT_EQ(skript.fragen[0].titel, ProgrammTitel());
    EXPECT_EQ(skript.fragen[0].text,
              QStringLiteral("Die Vokabel \"amare (Verb)\" wurde geändert in \"amicus (Substantiv)\".\r\n\r\n"
                             "Die Vokabel \"amicus (Substantiv)\" ist jedoch bereits in der Datenbank vorhanden.\r\n"
                             "Soll diese Vokabel überschrieben werden?"));
    EXPECT_EQ(skript.fragen[0].knoepfe, KN_JA_NEIN);
    EXPECT_EQ(skript.fragen[0].vorgabe, Antwort::Nein);
    EXPECT_EQ(dienst.Laden(amicus), nullptr);
    EXPECT_EQ(dienst.Laden(amare)->vokabel, QStringLiteral("amicus"));
}

TEST_F(Vokabeldienst, BearbeitungskopieLiestVerweiseUndSonderformenAusDerDatenbank)
{
    auto dienst = Dienst();
    // A lesson copy as the lesson list holds it: no references, a special form from a lesson file.
    auto kopie = daten.VokabelLaden(amare);
    kopie->sonderformen.push_back(std::make_unique<TLatForm>(amare, QStringLiteral("fremd"), 1));
    const auto v = dienst.ZumBearbeiten(*kopie);
    EXPECT_EQ(v->Verweise(), QStringList{QStringLiteral("amicus")});
    ASSERT_EQ(v->sonderformen.size(), 1u);
    EXPECT_EQ(v->sonderformen[0]->text, QStringLiteral("amasti"));
    EXPECT_EQ(v->merkhilfen.size(), 1u);

    // A new entry is not looked up.
    TVokabel neu;
    neu.vokabel = QStringLiteral("amare");
    EXPECT_TRUE(dienst.ZumBearbeiten(neu)->Verweise().isEmpty());
    EXPECT_EQ(dienst.Laden(999), nullptr);
}

TEST_F(Vokabeldienst, EigenschaftenZeigenDieSeiteMitFlaggenNebenDerSeite)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(LEXOVITA_VORLAGEN_QUELLE "/vokabel.htm"),
                            vorlagen.filePath(QStringLiteral("vokabel.htm"))));
    auto dienst = Dienst();
    const QString seite = dienst.EigenschaftenHtml(amare);
    EXPECT_TRUE(seite.contains(QStringLiteral("<IMG src=\"deutschland.bmp\">"))) << seite.toStdString();
    EXPECT_TRUE(seite.contains(QStringLiteral("lieben")));
    EXPECT_TRUE(seite.contains(QStringLiteral("Amateur")));
    EXPECT_TRUE(SeiteImCache(seite, vorlagen.path()));
    EXPECT_TRUE(dienst.EigenschaftenHtml(999).isEmpty());

    // A cache that cannot be written: the page still shows, the user hears
    // of it once, not on every entry shown.
    const TPfade vorher = TPfade::Aktuell();
    TPfade kaputt = vorher;
    QFile sperre(vorlagen.filePath(QStringLiteral("datei")));
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
    kaputt.seitenCache = sperre.fileName() + QStringLiteral("/cache");
    TPfade::Setzen(kaputt);
    EXPECT_EQ(dienst.EigenschaftenHtml(amare), seite);
    EXPECT_EQ(dienst.EigenschaftenHtml(amare), seite);
    TPfade::Setzen(vorher);
    ASSERT_EQ(skript.meldungen.size(), 1u);
    EXPECT_TRUE(skript.meldungen[0].contains(QDir::toNativeSeparators(kaputt.SeitenDatei())))
        << skript.meldungen[0].toStdString();
}

TEST_F(Vokabeldienst, LoeschenEntferntDieVokabel)
{
    auto dienst = Dienst();
    ASSERT_EQ(dienst.Suchen(QStringLiteral("am")).size(), 2u);
    dienst.Loeschen(amicus);
    EXPECT_EQ(dienst.Laden(amicus), nullptr);
    const auto rest = dienst.Suchen(QStringLiteral("am"));
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_EQ(rest[0]->id, amare);
}
