// The drill engines fed from a private in-memory database.
#include "app/lerndienst.h"

#include "model/config.h"
#include "morph/formid.h"
#include "store/test_lektion_hilfen.h"

#include <QTemporaryDir>

using namespace lexovita;
using namespace lexovita::test;

namespace {

class Lerndienst : public LektionsDatenbank {
  protected:
    QTemporaryDir ordner;
    TConfig config{ordner.filePath(QStringLiteral("lexovita.ini"))};
    TFesterZufall zufall{3};
    int32_t laudare = 0, is = 0;

    void SetUp() override
    {
        laudare = Anlegen(QStringLiteral("laudare"), WA_VERB, KD_A, QStringLiteral("laudo"), QStringLiteral("laudavi"),
                          QStringLiteral("laudatum"), {QStringLiteral("loben")});
        // A pronoun's inflected forms exist only as stored special forms.
        TVokabel v;
        v.vokabel = QStringLiteral("is");
        v.SetWortart(WA_PRONOMEN);
        v.form2 = QStringLiteral("m");
        v.BedeutungAnhaengen(QStringLiteral("dieser"), {}, 1);
        v.sonderformen.push_back(std::make_unique<TLatForm>(0, QStringLiteral("eius"), fid::GEN_SG));
        ASSERT_EQ(TVokabelSpeicher(daten, stumm).VokabelAnlegen(v), TVokabelSpeicher::Ergebnis::Gespeichert);
        is = v.id;
    }
};

TEST_F(Lerndienst, DrillsAreOfferedOnlyForALessonWithEntries)
{
    EXPECT_FALSE(TLerndienst::AbfrageMoeglich(nullptr));
    TLektion leer;
    EXPECT_FALSE(TLerndienst::AbfrageMoeglich(&leer));
    EXPECT_TRUE(TLerndienst::AbfrageMoeglich(Lektion(QStringLiteral("L"), 0, {laudare}).get()));
}

TEST_F(Lerndienst, TheWrittenDrillChecksAgainstTheStoredEntryNotTheLessonsCopy)
{
    auto lektion = Lektion(QStringLiteral("L"), 0, {laudare});
    lektion->vokabeln[0]->bedeutungen.front()->bedeutung = QStringLiteral("veraltet");
    TLerndienst dienst(daten, config, zufall);
    auto test = dienst.Vokabeltest(*lektion);
    test->NaechsteVokabel();
    test->antwort = QStringLiteral("loben");
    test->antwortForm1 = QStringLiteral("laudo");
    test->antwortForm2 = QStringLiteral("laudavi");
    test->antwortForm3 = QStringLiteral("laudatus");
    test->Pruefen();
    EXPECT_TRUE(test->IstRichtig());
    EXPECT_EQ(test->Verbleibend(), 0);
}

TEST_F(Lerndienst, FormsDrillsUseStoredSpecialFormsAndAnalyseAgainstTheDatabase)
{
    config.flSubstantiv = {QString::number(fid::GEN_SG)};
    auto lektion = Lektion(QStringLiteral("L"), 0, {is});
    TLerndienst dienst(daten, config, zufall);

    auto bilden = dienst.FormenTest(*lektion, TFormenTest::Bilden);
    ASSERT_TRUE(bilden->FormenVorhanden());
    ASSERT_TRUE(bilden->NaechsteForm());
    EXPECT_EQ(bilden->formText, QStringLiteral("eius"));
    bilden->antwort = QStringLiteral("Eius ");
    EXPECT_TRUE(bilden->Pruefen());

    auto bestimmen = dienst.FormenTest(*lektion, TFormenTest::Bestimmen);
    ASSERT_TRUE(bestimmen->NaechsteForm());
    bestimmen->antwortFormId = fid::GEN_SG | fid::MASKULINUM;
    EXPECT_TRUE(bestimmen->Pruefen());
    EXPECT_EQ(bestimmen->loesungen, QStringList{QStringLiteral("Genitiv Sg.")});
}

} // namespace
