#include "store/hilfen.h"
#include "store/vokabelspeicher.h"

using namespace lexovita;
using namespace lexovita::test;

namespace {

const QString kBoese = QStringLiteral("l'homme \"x\"; DROP TABLE vokabel;--");

class Speichern : public ::testing::Test {
  protected:
    TDatenmanager d{QStringLiteral(":memory:")};
    TVokabelSpeicher speicher{d};

    std::unique_ptr<TVokabel> Amare()
    {
        auto v = Eintrag(QStringLiteral("amare"), WA_VERB, KD_A, QStringLiteral("amo"), QStringLiteral("amavi"),
                         QStringLiteral("amatum"));
        v->BedeutungHinzufuegen(QStringLiteral("lieben"), QStringLiteral("auch: gern haben"), 1, 1);
        v->BedeutungHinzufuegen(QStringLiteral("verliebt sein"), {}, 1, 2);
        v->BedeutungHinzufuegen(QStringLiteral("pflegen"), {}, 2, 1);
        v->MerkhilfeHinzufuegen(QStringLiteral("amour"), SPR_FRANZOESISCH);
        v->MerkhilfeHinzufuegen(QStringLiteral("Amateur"), SPR_DEUTSCH);
        v->sonderformen.push_back(std::make_unique<TLatForm>(0, QStringLiteral("amasse"), 4242));
        return v;
    }
    std::unique_ptr<TVokabel> Einfach(const QString &wort, int32_t wortart = WA_SUBSTANTIV,
                                      const QString &bedeutung = QStringLiteral("etwas"))
    {
        auto v = Eintrag(wort, wortart);
        v->BedeutungHinzufuegen(bedeutung, {}, 1, 1);
        return v;
    }
    std::unique_ptr<TVokabel> Vollstaendig(int32_t id)
    {
        auto v = d.VokabelLaden(id);
        d.SonderformenLaden(*v);
        d.VerweiseLaden(*v);
        return v;
    }
    int Anzahl(const char *tabelle, int32_t id)
    {
        const std::string sql = std::string("SELECT count(*) FROM ") + tabelle + " WHERE vokabel_id = ?1";
        return Zahl(d, sql.c_str(), id);
    }
    void Zeitstempel(int32_t id, const QString &wert)
    {
        TAnweisung a = d.Verbindung().Anweisung("UPDATE vokabel SET aktualisierung = ?1 WHERE id = ?2");
        a.Binden(1, wert).Binden(2, id);
        a.Ausfuehren();
    }
};

} // namespace

// ------------------------------------------------------------- new entries

TEST_F(Speichern, NewEntryComesBackWithEverythingThatHangsOnIt)
{
    auto freund = Einfach(QStringLiteral("amicus"));
    ASSERT_EQ(speicher.VokabelAnlegen(*freund), TVokabelSpeicher::Ausgang::Gespeichert);
    auto v = Amare();
    v->VerweisHinzufuegen(QStringLiteral("amicus"));
    v->attribute |= ATTR_KEIN_PASSIV | ATTR_RESERVIERT;
    ASSERT_EQ(speicher.VokabelAnlegen(*v), TVokabelSpeicher::Ausgang::Gespeichert);
    EXPECT_GT(v->id, freund->id);
    EXPECT_EQ(v->aktualisierung.size(), 14);

    auto geladen = Vollstaendig(v->id);
    EXPECT_TRUE(geladen->IstGleich(*v));
    EXPECT_EQ(geladen->attribute, v->attribute);
    EXPECT_EQ(geladen->aktualisierung, v->aktualisierung);
    EXPECT_EQ(Bedeutungen(*geladen), (Liste{"lieben 1/1 [auch: gern haben]", "verliebt sein 1/2", "pflegen 2/1"}));
    EXPECT_EQ(geladen->merkhilfen[0]->merkhilfe, QStringLiteral("amour"));
    EXPECT_EQ(geladen->Verweise(), QStringList{"amicus"});
    // The referred entry sees the reference from its side as well.
    EXPECT_EQ(Vollstaendig(freund->id)->Verweise(), QStringList{"amare"});

    std::vector<std::string> staemme;
    for (const auto &z : d.StaemmeMitPraefix(QStringLiteral("AM")))
        staemme.push_back(QStringLiteral("%1 %2").arg(z.stamm).arg(z.vokabelId == v->id).toStdString());
    EXPECT_EQ(staemme, (Liste{"am 1", "amat 1", "amav 1"}));
    TAnweisung wb = d.Verbindung().Anweisung("SELECT ausdruck FROM vokwb WHERE vokabel_id = ?1");
    wb.Binden(1, v->id);
    ASSERT_TRUE(wb.Schritt());
    EXPECT_EQ(wb.Text(0), QStringLiteral("amo"));
    EXPECT_FALSE(wb.Schritt());
    const auto formen = d.SonderformenMitForm(QStringLiteral("amasse"));
    ASSERT_EQ(formen.size(), 1u);
    EXPECT_EQ(formen[0].vokabelId, v->id);
    EXPECT_EQ(formen[0].formId, 4242);
}

TEST_F(Speichern, HostileTextIsStoredVerbatimEverywhere)
{
    auto ziel = Einfach(kBoese, WA_ADVERB);
    speicher.VokabelAnlegen(*ziel);
    auto v = Eintrag(kBoese, WA_SUBSTANTIV, KD_K, kBoese + QStringLiteral("is"), QStringLiteral("m"));
    v->BedeutungHinzufuegen(kBoese, kBoese, 1, 1);
    v->MerkhilfeHinzufuegen(kBoese, SPR_ENGLISCH);
    v->VerweisHinzufuegen(kBoese);
    v->sonderformen.push_back(std::make_unique<TLatForm>(0, kBoese, 7));
    // Another word class: no namesake.
    ASSERT_EQ(speicher.VokabelAnlegen(*v), TVokabelSpeicher::Ausgang::Gespeichert);

    auto geladen = Vollstaendig(v->id);
    EXPECT_EQ(geladen->vokabel, kBoese);
    ASSERT_EQ(geladen->bedeutungen.size(), 1u);
    EXPECT_EQ(geladen->bedeutungen[0]->bedeutung, kBoese);
    EXPECT_EQ(geladen->bedeutungen[0]->kommentar, kBoese);
    EXPECT_EQ(geladen->merkhilfen[0]->merkhilfe, kBoese);
    EXPECT_EQ(geladen->sonderformen[0]->text, kBoese);
    EXPECT_EQ(geladen->Verweise(), QStringList{kBoese});
    EXPECT_EQ(d.VokabelnSuchen(QStringLiteral("l'homme \"x\"; drop")).size(), 2u);
    EXPECT_EQ(d.StaemmeMitPraefix(QStringLiteral("l'homme")).size(), 1u);
    EXPECT_TRUE(d.Verbindung().TabelleVorhanden(QStringLiteral("vokabel")));
}

TEST_F(Speichern, MeaningTextsAreSharedBetweenEntries)
{
    auto a = Einfach(QStringLiteral("amicus"), WA_SUBSTANTIV, QStringLiteral("Freund"));
    auto b = Einfach(QStringLiteral("socius"), WA_SUBSTANTIV, QStringLiteral("Freund"));
    speicher.VokabelAnlegen(*a);
    speicher.VokabelAnlegen(*b);
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM bedeutung"), 1);
    EXPECT_EQ(Zahl(d, "SELECT count(DISTINCT bedeutung_id) FROM vok_bed"), 1);
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM bedeutung WHERE bedeutung_lower = 'freund'"), 1);
}

TEST_F(Speichern, ReferenceToAMissingHeadwordIsDroppedAndLetterCaseIsForgiven)
{
    speicher.VokabelAnlegen(*Einfach(QStringLiteral("Roma")));
    speicher.VokabelAnlegen(*Einfach(QStringLiteral("roma"), WA_ADJEKTIV));
    auto v = Einfach(QStringLiteral("urbs"));
    v->VerweisHinzufuegen(QStringLiteral("gibtsnicht"));
    v->VerweisHinzufuegen(QStringLiteral("roma"));
    speicher.VokabelAnlegen(*v);
    TAnweisung a = d.Verbindung().Anweisung("SELECT vokabel2_id FROM vok_vok WHERE vokabel1_id = ?1");
    a.Binden(1, v->id);
    ASSERT_TRUE(a.Schritt());
    EXPECT_EQ(a.Int(0), v->id - 1); // the exact spelling wins over "Roma"
    EXPECT_FALSE(a.Schritt());
}

TEST_F(Speichern, FailureWhileStoringLeavesNoTrace)
{
    d.Verbindung().Ausfuehren("CREATE TRIGGER stoerung BEFORE INSERT ON vokwb "
                              "BEGIN SELECT RAISE(ABORT, 'Testabbruch'); END");
    auto v = Amare();
    EXPECT_THROW(speicher.VokabelAnlegen(*v), DatenbankFehler);
    EXPECT_EQ(v->id, 0);
    for (const char *t : {"vokabel", "bedeutung", "vok_bed", "merkhilfe", "sonderform", "stamm"}) {
        const std::string sql = std::string("SELECT count(*) FROM ") + t;
        EXPECT_EQ(Zahl(d, sql.c_str()), 0) << t;
    }
}

// ---------------------------------------------------- same headword again

TEST_F(Speichern, SameHeadwordAndClassIsReportedAndStoresNothing)
{
    auto alt = Einfach(QStringLiteral("o'x"));
    speicher.VokabelAnlegen(*alt);
    auto neu = Einfach(QStringLiteral("o'x"));
    const TVokabelSpeicher::Ergebnis e = speicher.VokabelAnlegen(*neu);
    EXPECT_EQ(e.ausgang, TVokabelSpeicher::Ausgang::Gleichlautend);
    EXPECT_EQ(e.andere, alt->id);
    EXPECT_EQ(neu->id, 0);
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM vokabel"), 1);
    // A second entry of the same headword with another word class is no namesake.
    EXPECT_EQ(speicher.VokabelAnlegen(*Einfach(QStringLiteral("o'x"), WA_ADVERB)),
              TVokabelSpeicher::Ausgang::Gespeichert);
}

TEST_F(Speichern, BesideStoresASecondEntryAndReplaceDeletesTheOld)
{
    auto alt = Einfach(QStringLiteral("res"), WA_SUBSTANTIV, QStringLiteral("Sache"));
    speicher.VokabelAnlegen(*alt);
    auto zweite = Einfach(QStringLiteral("res"), WA_SUBSTANTIV, QStringLiteral("Ding"));
    EXPECT_EQ(speicher.VokabelAnlegen(*zweite, TVokabelSpeicher::Loesung::Daneben),
              TVokabelSpeicher::Ausgang::Gespeichert);
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM vokabel WHERE vokabel = 'res'"), 2);

    auto dritte = Einfach(QStringLiteral("res"), WA_SUBSTANTIV, QStringLiteral("Angelegenheit"));
    EXPECT_EQ(speicher.VokabelAnlegen(*dritte, TVokabelSpeicher::Loesung::Ersetzen),
              TVokabelSpeicher::Ausgang::Gespeichert);
    // The first of the twins is replaced, with all its rows.
    EXPECT_EQ(d.VokabelLaden(alt->id)->id, 0);
    EXPECT_EQ(Anzahl("vok_bed", alt->id) + Anzahl("stamm", alt->id) + Anzahl("vokwb", alt->id), 0);
    EXPECT_EQ(d.VokabelLaden(zweite->id)->BedeutungenText(), QStringLiteral("Ding"));
    EXPECT_EQ(d.VokabelLaden(dritte->id)->BedeutungenText(), QStringLiteral("Angelegenheit"));
}

// ---------------------------------------------------------------- updating

TEST_F(Speichern, UpdateReplacesDependentRowsButKeepsReferencesFromOthers)
{
    auto v = Amare();
    speicher.VokabelAnlegen(*v);
    auto verweisend = Einfach(QStringLiteral("amor"));
    verweisend->VerweisHinzufuegen(QStringLiteral("amare"));
    speicher.VokabelAnlegen(*verweisend);

    auto bearbeitet = Vollstaendig(v->id);
    bearbeitet->form1 = QStringLiteral("amoo");
    bearbeitet->BedeutungEntfernen(QStringLiteral("pflegen"));
    bearbeitet->BedeutungHinzufuegen(QStringLiteral("mögen"), {}, 1, 3);
    bearbeitet->merkhilfen.clear();
    bearbeitet->MerkhilfeHinzufuegen(QStringLiteral("amorous"), SPR_ENGLISCH);
    bearbeitet->sonderformen.clear();
    ASSERT_EQ(speicher.VokabelAktualisieren(*bearbeitet), TVokabelSpeicher::Ausgang::Gespeichert);

    auto geladen = Vollstaendig(v->id);
    EXPECT_TRUE(geladen->IstGleich(*bearbeitet));
    EXPECT_EQ(Anzahl("vok_bed", v->id), 3);
    EXPECT_EQ(Anzahl("merkhilfe", v->id), 1);
    EXPECT_EQ(Anzahl("sonderform", v->id), 0);
    EXPECT_EQ(Anzahl("vokwb", v->id), 1);
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM stamm WHERE vokabel_id = ?1 AND stamm = 'amo'", v->id), 1);
    EXPECT_EQ(Anzahl("stamm", v->id), 3);
    // amor -> amare stays; amare's own list came from that row and is now stored from its side too.
    EXPECT_EQ(Vollstaendig(verweisend->id)->Verweise(), QStringList{"amare"});
    EXPECT_EQ(geladen->Verweise(), QStringList{"amor"});
}

TEST_F(Speichern, TimeStampMovesOnlyWhenTheEntryChanged)
{
    auto v = Amare();
    speicher.VokabelAnlegen(*v);
    const QString alt = QStringLiteral("20000101000000");
    Zeitstempel(v->id, alt);

    auto unveraendert = Vollstaendig(v->id);
    // Letter case of a form and remarks do not count as a change.
    unveraendert->form2 = QStringLiteral("AMAVI");
    unveraendert->bedeutungen[0]->kommentar = QStringLiteral("anders");
    speicher.VokabelAktualisieren(*unveraendert);
    EXPECT_EQ(d.VokabelLaden(v->id)->aktualisierung, alt);
    EXPECT_EQ(d.VokabelLaden(v->id)->form2, QStringLiteral("AMAVI"));

    auto geaendert = Vollstaendig(v->id);
    geaendert->sonderformen.push_back(std::make_unique<TLatForm>(0, QStringLiteral("amarier"), 99));
    speicher.VokabelAktualisieren(*geaendert);
    const QString neu = d.VokabelLaden(v->id)->aktualisierung;
    EXPECT_NE(neu, alt);
    EXPECT_EQ(neu, geaendert->aktualisierung);
    EXPECT_NO_THROW(DatumLesen(neu));
    EXPECT_EQ(geaendert->sonderformen.size(), 2u);
}

TEST_F(Speichern, RenamingOntoAnotherEntryIsReportedAndReplaceTakesOverItsLessons)
{
    auto amo = Einfach(QStringLiteral("amo"), WA_VERB);
    auto amare = Einfach(QStringLiteral("amare"), WA_VERB);
    speicher.VokabelAnlegen(*amo);
    speicher.VokabelAnlegen(*amare);
    d.Verbindung().Ausfuehren("INSERT INTO lektion (id, name) VALUES (1, 'L1')");
    {
        TAnweisung a =
            d.Verbindung().Anweisung("INSERT INTO lek_vok (vokabel_id, lektion_id, position) VALUES (?1, 1, 4)");
        a.Binden(1, amare->id);
        a.Ausfuehren();
    }

    auto umbenannt = Vollstaendig(amo->id);
    umbenannt->vokabel = QStringLiteral("amare");
    // Beside is no answer for an edited entry: it stays a conflict.
    for (auto loesung : {TVokabelSpeicher::Loesung::Melden, TVokabelSpeicher::Loesung::Daneben}) {
        const TVokabelSpeicher::Ergebnis e = speicher.VokabelAktualisieren(*umbenannt, loesung);
        EXPECT_EQ(e.ausgang, TVokabelSpeicher::Ausgang::Belegt);
        EXPECT_EQ(e.andere, amare->id);
        EXPECT_EQ(e.bisherVokabel, QStringLiteral("amo"));
        EXPECT_EQ(e.bisherWortart, WA_VERB);
        EXPECT_EQ(d.VokabelLaden(amo->id)->vokabel, QStringLiteral("amo"));
        EXPECT_EQ(d.VokabelLaden(amare->id)->id, amare->id);
    }

    EXPECT_EQ(speicher.VokabelAktualisieren(*umbenannt, TVokabelSpeicher::Loesung::Ersetzen),
              TVokabelSpeicher::Ausgang::Gespeichert);
    EXPECT_EQ(d.VokabelLaden(amare->id)->id, 0);
    EXPECT_EQ(d.VokabelLaden(amo->id)->vokabel, QStringLiteral("amare"));
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM lek_vok WHERE vokabel_id = ?1 AND position = 4", amo->id), 1);
    EXPECT_EQ(Zahl(d, "SELECT count(*) FROM lek_vok"), 1);
}

TEST_F(Speichern, ChangingTheWordClassToAFreeOneAsksNothing)
{
    auto a = Einfach(QStringLiteral("bene"), WA_ADVERB);
    auto b = Einfach(QStringLiteral("bene"), WA_SUBSTANTIV);
    speicher.VokabelAnlegen(*a);
    speicher.VokabelAnlegen(*b);
    auto x = Vollstaendig(b->id);
    x->SetWortart(WA_UNBESTIMMT);
    EXPECT_EQ(speicher.Speichern(*x), TVokabelSpeicher::Ausgang::Gespeichert);
    EXPECT_EQ(d.VokabelLaden(b->id)->Wortart(), WA_UNBESTIMMT);
}

TEST_F(Speichern, EntryDeletedMeanwhileIsStoredAsANewOne)
{
    auto v = Amare();
    speicher.VokabelAnlegen(*v);
    auto bearbeitet = Vollstaendig(v->id);
    d.VokabelLoeschen(v->id);
    EXPECT_EQ(speicher.VokabelAktualisieren(*bearbeitet), TVokabelSpeicher::Ausgang::Gespeichert);
    EXPECT_GT(bearbeitet->id, v->id);
    EXPECT_EQ(Vollstaendig(bearbeitet->id)->BedeutungenText(), QStringLiteral("lieben, verliebt sein, pflegen"));
}
