// The dictionary's three directions, its chooser and its commands, without a window.
#include "app/anwendungskern.h"
#include "app/lektionssitzung.h"
#include "app/woerterbuch.h"
#include "model/config.h"
#include "store/test_lektion_hilfen.h"
#include "store/vokabelspeicher.h"

namespace lexovita::test {
namespace {

class TJaNein : public IRueckfrage {
  public:
    Antwort antwort = Antwort::Nein;
    QStringList gefragt;
    Antwort Frage(const QString &, const QString &text, int, Antwort, Symbol) override
    {
        gefragt << text;
        return antwort;
    }
    void Meldung(const QString &, const QString &) override {}
};

class Woerterbuch : public LektionsDatenbank {
  protected:
    TConfig config{QStringLiteral("/dev/null")};
    TJaNein frage;
    TAnwendungskern kern{daten, config, frage};
    TWoerterbuch wb{kern};
    int32_t amare = 0, amicus = 0, diligere = 0, ambulare = 0;

    void SetUp() override
    {
        amare = Anlegen(QStringLiteral("amare"), WA_VERB, KD_A, QStringLiteral("amo"), QStringLiteral("amavi"),
                        QStringLiteral("amatum"), {QStringLiteral("lieben")});
        amicus = Anlegen(QStringLiteral("amicus"), WA_SUBSTANTIV, KD_O, QStringLiteral("amici"), QStringLiteral("m"),
                         {}, {QStringLiteral("Freund")});
        diligere = Anlegen(QStringLiteral("diligere"), WA_VERB, KD_K, QStringLiteral("diligo"),
                           QStringLiteral("dilexi"), QStringLiteral("dilectum"), {QStringLiteral("lieben")});
        ambulare = Anlegen(QStringLiteral("ambulare"), WA_VERB, KD_A, QStringLiteral("ambulo"),
                           QStringLiteral("ambulavi"), QStringLiteral("ambulatum"), {QStringLiteral("gehen")});
        auto v = daten.VokabelLaden(amicus);
        daten.MerkhilfenLaden(*v);
        v->MerkhilfeHinzufuegen(QStringLiteral("amical"), SPR_FRANZOESISCH);
        TVokabelSpeicher(daten, stumm).Speichern(*v);
    }

    QStringList Texte() const
    {
        QStringList t;
        for (const auto &z : wb.Liste())
            t << z.text;
        return t;
    }
    QStringList Treffer() const
    {
        QStringList t;
        for (const auto &z : wb.Treffer())
            t << z.vokabel;
        return t;
    }
};

TEST_F(Woerterbuch, TypingAPrefixListsTheHeadwordsThatBeginWithIt)
{
    wb.Suchen(QStringLiteral("Am"));
    EXPECT_EQ(wb.ListenTitel(), QStringLiteral("Liste der Vokabeln:"));
    EXPECT_EQ(Texte(), (QStringList{QStringLiteral("amare"), QStringLiteral("ambulare"), QStringLiteral("amicus")}));
    EXPECT_EQ(Treffer(), QStringList{QStringLiteral("amare")});
    EXPECT_EQ(wb.AnzahlText(), QStringLiteral("1 Vokabel gefunden:"));
    ASSERT_TRUE(wb.Vokabel());
    EXPECT_TRUE(wb.FormentabelleMoeglich());
    wb.Suchen(QString());
    EXPECT_EQ(Texte().size(), 4);
    wb.Suchen(QStringLiteral("x"));
    EXPECT_TRUE(Texte().isEmpty());
    EXPECT_FALSE(wb.Vokabel());
    EXPECT_EQ(wb.AnzahlText(), QStringLiteral("0 Vokabeln gefunden:"));
}

TEST_F(Woerterbuch, ASharedMeaningFillsTheChooserWithEveryEntryAndBrowsingWrapsAround)
{
    wb.ModusSetzen(TWoerterbuchModus::Deutsch);
    wb.Suchen(QStringLiteral("lie"));
    EXPECT_EQ(wb.ListenTitel(), QStringLiteral("Liste der Bedeutungen:"));
    ASSERT_EQ(Texte(), QStringList{QStringLiteral("lieben")}); // one meaning row, shared
    EXPECT_EQ(Treffer(), (QStringList{QStringLiteral("amare"), QStringLiteral("diligere")}));
    EXPECT_EQ(wb.AnzahlText(), QStringLiteral("2 Vokabeln gefunden:"));
    ASSERT_TRUE(wb.BlaetternMoeglich());
    wb.Naechste();
    EXPECT_EQ(wb.Vokabel()->vokabel, QStringLiteral("diligere"));
    wb.Naechste();
    EXPECT_EQ(wb.Vokabel()->vokabel, QStringLiteral("amare"));
    wb.Vorherige();
    EXPECT_EQ(wb.Vokabel()->vokabel, QStringLiteral("diligere"));
}

TEST_F(Woerterbuch, MemoryAidsFindTheirEntriesAndThePresentIndexListsVerbsUnderTheirFirstForm)
{
    wb.ModusSetzen(TWoerterbuchModus::Merkhilfen);
    wb.Suchen(QStringLiteral("ami"));
    EXPECT_EQ(Texte(), QStringList{QStringLiteral("amical")});
    EXPECT_EQ(Treffer(), QStringList{QStringLiteral("amicus")});

    config.wbPraesens = true;
    wb.ModusSetzen(TWoerterbuchModus::Latein);
    wb.Suchen(QStringLiteral("amo"));
    EXPECT_EQ(Texte(), QStringList{QStringLiteral("amo")});
    EXPECT_EQ(Treffer(), QStringList{QStringLiteral("amare")});
    config.wbPraesens = false;
    wb.Suchen(QStringLiteral("amo"));
    EXPECT_TRUE(Texte().isEmpty());
}

TEST_F(Woerterbuch, DeletingAsksFirstAndThenRemovesTheEntryEverywhere)
{
    kern.Sitzung().Neu();
    ASSERT_TRUE(kern.Sitzung().VokabelAnhaengen(amicus));
    ASSERT_TRUE(kern.Sitzung().VokabelAnhaengen(amare));
    wb.Suchen(QStringLiteral("amic"));
    EXPECT_FALSE(wb.Loeschen());
    ASSERT_EQ(frage.gefragt.size(), 1);
    EXPECT_EQ(frage.gefragt[0], QStringLiteral("Soll die Vokabel\n\n   'amicus'\n\naus dem Wörterbuch und aus allen "
                                               "Lektionen gelöscht werden?"));
    EXPECT_EQ(kern.Sitzung().Aktuell()->Anzahl(), 2);

    frage.antwort = Antwort::Ja;
    EXPECT_TRUE(wb.Loeschen());
    EXPECT_TRUE(Texte().isEmpty());
    EXPECT_TRUE(daten.VokabelLaden(amicus)->vokabel.isEmpty());
    ASSERT_EQ(kern.Sitzung().Aktuell()->Anzahl(), 1);
    EXPECT_EQ(kern.Sitzung().Aktuell()->vokabeln[0]->id, amare);
}

} // namespace
} // namespace lexovita::test
