// The text mode of a lesson without a window: analysing, clicking, agreement, look-up.
#include "app/anwendungskern.h"
#include "app/lektionssitzung.h"
#include "app/textmodus.h"
#include "model/config.h"
#include "store/test_lektion_hilfen.h"

#include <QCoreApplication>
#include <QSignalSpy>

namespace lexovita::test {
namespace {

class Textmodus : public LektionsDatenbank {
  protected:
    static void SetUpTestSuite()
    {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_app";
            static char *argv[] = {name, nullptr};
            new QCoreApplication(argc, argv);
        }
    }

    TConfig config{QStringLiteral("/dev/null")};
    TAnwendungskern kern{daten, config, stumm};
    TTextmodus modus{kern};
    int32_t puer = 0, bonus = 0;

    void SetUp() override
    {
        puer = Anlegen(QStringLiteral("puer"), WA_SUBSTANTIV, KD_O, QStringLiteral("pueri"), QStringLiteral("m"), {},
                       {QStringLiteral("Junge")});
        bonus = Anlegen(QStringLiteral("bonus"), WA_ADJEKTIV, 0, {}, {}, {}, {QStringLiteral("gut")});
        kern.Sitzung().Neu();
        kern.Sitzung().TextSetzen(QStringLiteral("Puer bonus ridet. Bonus puer est."));
    }

    void Analysieren()
    {
        QSignalSpy zustand(&modus, &TTextmodus::zustandGeaendert);
        ASSERT_TRUE(modus.Umschalten());
        EXPECT_EQ(modus.Zustand(), TS_LAEUFT);
        ASSERT_TRUE(zustand.wait(10000));
        ASSERT_FALSE(modus.Laeuft());
    }
};

TEST_F(Textmodus, AnAnalysedTextAnswersClicksWithTheWordsEntriesAndAgreementColours)
{
    Analysieren();
    EXPECT_EQ(modus.Zustand(), TS_ANALYSIERT);
    const auto &saetze = kern.Sitzung().Ansicht(kern.Sitzung().Aktuell()).saetze;
    ASSERT_EQ(saetze.size(), 3u); // the third is the closing line break
    EXPECT_EQ(modus.SatzAn(20), 2);

    // "bonus" in the first sentence: one entry, and "puer" agrees with it in everything.
    const auto farben = modus.Klick(1, 6);
    EXPECT_EQ(modus.GeklicktesWort(), QStringLiteral("bonus"));
    ASSERT_EQ(modus.Wortkontext().size(), 1u);
    EXPECT_EQ(modus.Wortkontext()[0].vokabel, QStringLiteral("bonus"));
    ASSERT_TRUE(modus.Vokabel(bonus));
    EXPECT_EQ(modus.Vokabel(bonus)->BedeutungenText(), QStringLiteral("gut")); // each meaning once
    EXPECT_EQ(farben[0].rolle, TFarbrolle::Satz);
    for (const TFarbbereich &f : farben)
        if (f.satz != 1) {
            EXPECT_EQ(f.rolle, TFarbrolle::Ausgeblendet); // other sentences only faded
        }
    bool puerKng = false;
    for (const TFarbbereich &f : modus.Uebereinstimmung(bonus, false, TKriterien{}))
        puerKng |= f.anfang == 0 && f.rolle == TFarbrolle::KNG;
    EXPECT_TRUE(puerKng);

    // Back to entry mode at once, the results stay for the lesson.
    EXPECT_FALSE(modus.Umschalten());
    EXPECT_EQ(modus.Zustand(), TS_EINGABE);
}

TEST_F(Textmodus, EachLessonKeepsItsOwnStateAndLookUpsFindEveryEntryOfAWord)
{
    Analysieren();
    TLektion *erste = kern.Sitzung().Aktuell();
    kern.Sitzung().Neu();
    EXPECT_EQ(modus.Zustand(), TS_EINGABE);
    kern.Sitzung().TabWaehlen(0);
    EXPECT_EQ(kern.Sitzung().Aktuell(), erste);
    EXPECT_EQ(modus.Zustand(), TS_ANALYSIERT);

    modus.Nachschlagen(QStringLiteral("  pueri "));
    ASSERT_EQ(modus.Wortkontext().size(), 1u);
    EXPECT_EQ(modus.Wortkontext()[0].id, puer);
    EXPECT_FALSE(modus.ErgebnisseVon(puer).empty());
    EXPECT_TRUE(modus.ErgebnisseVon(bonus).empty());
    modus.Nachschlagen(QStringLiteral("xyz"));
    EXPECT_TRUE(modus.Wortkontext().empty());
}

} // namespace
} // namespace lexovita::test
