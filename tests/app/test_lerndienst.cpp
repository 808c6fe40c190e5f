// The drill engines fed from a private in-memory database.
#include "app/anwendungskern.h"
#include "app/lehrbuchverwaltung.h"
#include "app/lektionssitzung.h"
#include "app/lerndienst.h"
#include "app/wiederholdienst.h"

#include "model/config.h"
#include "morph/formid.h"
#include "store/lektionsspeicher.h"
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
        ASSERT_EQ(TVokabelSpeicher(daten).VokabelAnlegen(v), TVokabelSpeicher::Ausgang::Gespeichert);
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

// The drill's summary stores the wrongly answered entries as a lesson: new,
// appended to a stored one, or replacing its entries; never its text.
TEST_F(Lerndienst, WrongEntriesAreSavedAsANewLessonOrIntoAStoredOne)
{
    const int32_t amicus = Anlegen(QStringLiteral("amicus"), WA_SUBSTANTIV, KD_O, QStringLiteral("amici"),
                                   QStringLiteral("m"), {}, {QStringLiteral("Freund")});
    TLektionsSpeicher speicher(daten);
    const int32_t buch = speicher.LehrbuchAnlegen(QStringLiteral("Fehlerbuch"));
    auto alt = Lektion(QStringLiteral("Alt"), buch, {laudare});
    alt->text = QStringList{QStringLiteral("Amicus laudat.")};
    ASSERT_TRUE(speicher.LektionSpeichern(*alt));

    const struct {
        const char *name;
        const char *lektion;
        bool vorhanden; // into the stored lesson "Alt"
        bool hinzufuegen;
        std::vector<int32_t> ids;
        bool gespeichert;
        std::vector<std::string> erwartet;
    } faelle[] = {
        {"new lesson", "Fehler", false, true, {laudare, amicus}, true, {"laudare", "amicus"}},
        {"added: doubles allowed", "Alt", true, true, {laudare, amicus}, true, {"laudare", "laudare", "amicus"}},
        {"replaced", "Alt", true, false, {amicus}, true, {"amicus"}},
        {"no entry checked", "Alt", true, true, {}, false, {"amicus"}},
        {"blank name", "  ", false, true, {amicus}, false, {}},
    };
    TLerndienst dienst(daten, config, zufall);
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.name);
        TVerwaltungsAuswahl ziel;
        ziel.bestaetigt = true;
        ziel.name = QString::fromUtf8(f.lektion);
        ziel.lehrbuchId = buch;
        ziel.lektionId = f.vorhanden ? alt->id : 0;
        const int lektionenVorher = Zahl("SELECT count(*) FROM lektion");
        EXPECT_EQ(dienst.FalscheSpeichern(ziel, f.ids, f.hinzufuegen), f.gespeichert);
        const int32_t id = f.vorhanden ? alt->id : speicher.LektionSuchen(buch, ziel.name);
        EXPECT_EQ(Zahl("SELECT count(*) FROM lektion"), lektionenVorher + (!f.vorhanden && f.gespeichert ? 1 : 0));
        if (f.erwartet.empty()) {
            EXPECT_EQ(id, 0);
            continue;
        }
        const auto gelesen = speicher.LektionLesen(id);
        ASSERT_TRUE(gelesen);
        EXPECT_EQ(Woerter(*gelesen), f.erwartet);
        EXPECT_EQ(Zahl("SELECT vokabeln FROM lektion WHERE id = ?1", id), int(f.erwartet.size()));
        EXPECT_EQ(Zahl("SELECT count(*) FROM lek_vok WHERE lektion_id = ?1", id), int(f.erwartet.size()));
        EXPECT_EQ(gelesen->lehrbuch_id, buch);
        if (f.vorhanden) {
            EXPECT_EQ(gelesen->name, QStringLiteral("Alt"));
            EXPECT_EQ(gelesen->text, QStringList{QStringLiteral("Amicus laudat.")});
        }
    }
    // Not confirmed: nothing is written.
    TVerwaltungsAuswahl abgebrochen;
    abgebrochen.name = QStringLiteral("Nie");
    abgebrochen.lehrbuchId = buch;
    EXPECT_FALSE(dienst.FalscheSpeichern(abgebrochen, {laudare}, true));
    EXPECT_EQ(speicher.LektionSuchen(buch, QStringLiteral("Nie")), 0);
}

// Saving into a lesson that is open in the main window goes into the open
// copy: writing the stored rows instead would be undone when that copy is
// saved with its own entry list.
TEST_F(Lerndienst, WrongEntriesForAnOpenLessonGoIntoItsOpenCopy)
{
    TLektionsSpeicher speicher(daten);
    const int32_t buch = speicher.LehrbuchAnlegen(QStringLiteral("Fehlerbuch"));
    auto alt = Lektion(QStringLiteral("Alt"), buch, {laudare});
    ASSERT_TRUE(speicher.LektionSpeichern(*alt));
    TAnwendungskern kern(daten, config, stumm, nullptr, &zufall);
    kern.Sitzung().GespeicherteOeffnen(alt->id);
    TLektion *offen = kern.Sitzung().Aktuell();
    ASSERT_TRUE(offen && offen->id == alt->id && !offen->geaendert);

    TVerwaltungsAuswahl ziel;
    ziel.bestaetigt = true;
    ziel.name = QStringLiteral("Alt");
    ziel.lehrbuchId = buch;
    ziel.lektionId = alt->id;
    TLerndienst dienst(kern);
    EXPECT_TRUE(dienst.FalscheSpeichern(ziel, {is}, true));
    EXPECT_EQ(Woerter(*offen), (std::vector<std::string>{"laudare", "is"}));
    EXPECT_TRUE(offen->geaendert);
    EXPECT_EQ(Woerter(*speicher.LektionLesen(alt->id)), std::vector<std::string>{"laudare"});
    ASSERT_TRUE(kern.Sitzung().Speichern());
    EXPECT_EQ(Woerter(*speicher.LektionLesen(alt->id)), (std::vector<std::string>{"laudare", "is"}));
}

TEST(LektionsnamenFuerAchse, LongNamesKeepTheirStartAndEndAndNamesThatComeOutAlikeAreNumbered)
{
    const struct {
        QStringList namen, erwartet;
    } faelle[] = {
        {{QStringLiteral("Lektion 3"), QStringLiteral("Lektion 4: Im Haus")},
         {QStringLiteral("Lektion 3"), QStringLiteral("Lektion 4: Im Haus")}},
        {{QStringLiteral("Lektion 12: Ablativus absolutus, Teil 1")},
         {QStringLiteral("Lektion 12: Ab\u2026s, Teil 1")}},
        {{QStringLiteral("Ablativus absolutus im Satz, Teil 1"), QStringLiteral("Ablativus absolutus im Text, Teil 1"),
          QStringLiteral("Ablativus absolutus im Buch, Teil 1")},
         {QStringLiteral("Ablativus abso\u2026z, Teil 1"), QStringLiteral("Ablativus abso\u2026t, Teil 1"),
          QStringLiteral("Ablativus abso\u2026h, Teil 1")}},
        {{QStringLiteral("Wiederholung der Lektionen 1 bis 5"), QStringLiteral("Wiederholung der Verben 1 bis 5")},
         {QStringLiteral("Wiederholung d\u2026n 1 bis 5"), QStringLiteral("Wiederholung d\u2026n 1 bis 5 (2)")}},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(LektionsnamenFuerAchse(f.namen), f.erwartet) << f.namen.join(QStringLiteral(" | ")).toStdString();
}

} // namespace
