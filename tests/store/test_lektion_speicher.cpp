#include "store/test_lektion_hilfen.h"

#include "store/lektionsspeicher.h"

using namespace lexovita;
using namespace lexovita::test;
using Liste = std::vector<std::string>;

namespace {

class Lektionsspeicher : public LektionsDatenbank {
  protected:
    TLektionsSpeicher speicher{daten};
    int32_t buch = 0, amare = 0, rosa = 0, bonus = 0;

    void SetUp() override
    {
        buch = speicher.LehrbuchAnlegen(QStringLiteral("Prima"));
        amare = Anlegen(QStringLiteral("amare"), WA_VERB, KD_A, QStringLiteral("amo"), QStringLiteral("amavi"),
                        QStringLiteral("amatum"), {QStringLiteral("lieben")});
        rosa = Anlegen(QStringLiteral("rosa"), WA_SUBSTANTIV, KD_A, QStringLiteral("rosae"), QStringLiteral("f"), {},
                       {QStringLiteral("Rose")});
        bonus = Anlegen(QStringLiteral("bonus"), WA_ADJEKTIV, KD_O, QStringLiteral("bonus"), QStringLiteral("bona"),
                        QStringLiteral("bonum"), {QStringLiteral("gut")});
    }

    std::vector<std::pair<int, int>> LekVok(int32_t lektion)
    {
        std::vector<std::pair<int, int>> z;
        TAnweisung a = daten.Verbindung().Anweisung(
            "SELECT vokabel_id, position FROM lek_vok WHERE lektion_id = ?1 ORDER BY position");
        a.Binden(1, lektion);
        while (a.Schritt())
            z.emplace_back(a.Int(0), a.Int(1));
        return z;
    }
};

TEST_F(Lektionsspeicher, StoringANewLessonWritesItsRowAndOnePositionedRowPerEntry)
{
    auto l = Lektion(QStringLiteral("Lektion 1"), buch, {rosa, amare, rosa});
    l->text = QStringList{QStringLiteral("Rosa amat."), QStringLiteral("Amo rosam.")};
    l->notizen = QStringList{QStringLiteral("Notiz")};
    l->geaendert = true;

    ASSERT_TRUE(speicher.LektionSpeichern(*l));

    EXPECT_GT(l->id, 0);
    EXPECT_FALSE(l->geaendert);
    EXPECT_EQ(l->erstellt, QDate::currentDate());
    EXPECT_EQ(Zahl("SELECT count(*) FROM lektion"), 1);
    EXPECT_EQ(Zahl("SELECT vokabeln FROM lektion WHERE id = ?1", l->id), 3);
    EXPECT_EQ(Zahl("SELECT lehrbuch_id FROM lektion WHERE id = ?1", l->id), buch);
    const std::vector<std::pair<int, int>> erwartet{{rosa, 1}, {amare, 2}, {rosa, 3}};
    EXPECT_EQ(LekVok(l->id), erwartet);
}

TEST_F(Lektionsspeicher, StoringTwiceReplacesTheEntryListInsteadOfDuplicatingIt)
{
    auto l = Lektion(QStringLiteral("Lektion 1"), buch, {amare, rosa, bonus});
    ASSERT_TRUE(speicher.LektionSpeichern(*l));
    const int32_t id = l->id;
    ASSERT_TRUE(speicher.LektionSpeichern(*l));
    EXPECT_EQ(l->id, id);
    EXPECT_EQ(Zahl("SELECT count(*) FROM lek_vok"), 3);

    l->VokabelnEntfernen({0});
    l->text = QStringList{QStringLiteral("Bona rosa.")};
    ASSERT_TRUE(speicher.LektionSpeichern(*l));

    EXPECT_EQ(Zahl("SELECT count(*) FROM lektion"), 1);
    EXPECT_EQ(Zahl("SELECT vokabeln FROM lektion WHERE id = ?1", id), 2);
    const std::vector<std::pair<int, int>> erwartet{{rosa, 1}, {bonus, 2}};
    EXPECT_EQ(LekVok(id), erwartet);
}

TEST_F(Lektionsspeicher, ALessonWithoutNameOrExistingTextbookIsNotStored)
{
    auto ohneName = Lektion(QStringLiteral("  "), buch, {amare});
    auto ohneBuch = Lektion(QStringLiteral("Lektion"), 0, {amare});
    auto fremdesBuch = Lektion(QStringLiteral("Lektion"), buch + 99, {amare});
    EXPECT_FALSE(speicher.LektionSpeichern(*ohneName));
    EXPECT_FALSE(speicher.LektionSpeichern(*ohneBuch));
    EXPECT_FALSE(speicher.LektionSpeichern(*fremdesBuch));
    EXPECT_EQ(Zahl("SELECT count(*) FROM lektion"), 0);
    EXPECT_EQ(Zahl("SELECT count(*) FROM lek_vok"), 0);
    EXPECT_EQ(fremdesBuch->id, 0);
}

TEST_F(Lektionsspeicher, ALessonWhoseRowWasDeletedMeanwhileIsStoredAsANewOne)
{
    auto l = Lektion(QStringLiteral("Lektion 1"), buch, {amare});
    ASSERT_TRUE(speicher.LektionSpeichern(*l));
    const int32_t alt = l->id;
    speicher.LektionLoeschen(alt);

    ASSERT_TRUE(speicher.LektionSpeichern(*l));
    EXPECT_NE(l->id, alt);
    EXPECT_EQ(Zahl("SELECT count(*) FROM lektion"), 1);
    EXPECT_EQ(Zahl("SELECT count(*) FROM lek_vok WHERE lektion_id = ?1", alt), 0);
    EXPECT_EQ(Zahl("SELECT count(*) FROM lek_vok WHERE lektion_id = ?1", l->id), 1);
}

TEST_F(Lektionsspeicher, ReadingAStoredLessonRestoresNameTextbookNotesTextAndEntries)
{
    auto l = Lektion(QStringLiteral("Lektion 1"), buch, {bonus, amare, rosa});
    l->text = QStringList{QStringLiteral("Rosa bona est."), QString(), QStringLiteral("Amo.")};
    l->notizen = QStringList{QStringLiteral("erste"), QStringLiteral("zweite")};
    ASSERT_TRUE(speicher.LektionSpeichern(*l));

    auto gelesen = speicher.LektionLesen(l->id);
    ASSERT_NE(gelesen, nullptr);
    EXPECT_EQ(gelesen->id, l->id);
    EXPECT_EQ(gelesen->name, QStringLiteral("Lektion 1"));
    EXPECT_EQ(gelesen->lehrbuch_id, buch);
    EXPECT_EQ(gelesen->lehrbuch, QStringLiteral("Prima"));
    EXPECT_EQ(gelesen->text, l->text);
    EXPECT_EQ(gelesen->notizen, l->notizen);
    EXPECT_EQ(gelesen->erstellt, QDate::currentDate());
    EXPECT_EQ(gelesen->zugriff, QDate::currentDate());
    EXPECT_FALSE(gelesen->geaendert);
    EXPECT_EQ(Woerter(*gelesen), (Liste{"bonus", "amare", "rosa"}));
    EXPECT_EQ(gelesen->vokabeln[1]->BedeutungenText(), QStringLiteral("lieben"));
    EXPECT_EQ(speicher.LektionLesen(l->id + 100), nullptr);
}

TEST_F(Lektionsspeicher, EntriesComeBackInTheirStoredPositionsAndDeletedOnesAreSkipped)
{
    auto l = Lektion(QStringLiteral("Lektion 1"), buch, {amare, rosa, bonus});
    ASSERT_TRUE(speicher.LektionSpeichern(*l));
    // Positions decide, not the order the rows were written in.
    TAnweisung a = daten.Verbindung().Anweisung("UPDATE lek_vok SET position = 4 - position WHERE lektion_id = ?1");
    a.Binden(1, l->id);
    a.Ausfuehren();
    EXPECT_EQ(Woerter(*speicher.LektionLesen(l->id)), (Liste{"bonus", "rosa", "amare"}));

    daten.VokabelLoeschen(rosa);
    EXPECT_EQ(Woerter(*speicher.LektionLesen(l->id)), (Liste{"bonus", "amare"}));
}

TEST_F(Lektionsspeicher, AppendingAStoredLessonAddsItsEntriesInOrderAndMarksTheLessonModified)
{
    auto gespeichert = Lektion(QStringLiteral("Lektion 1"), buch, {rosa, bonus, amare});
    ASSERT_TRUE(speicher.LektionSpeichern(*gespeichert));
    daten.VokabelLoeschen(bonus);

    auto offen = Lektion(QStringLiteral("offen"), 0, {amare});
    EXPECT_EQ(speicher.LektionAnhaengen(gespeichert->id, *offen), 2);
    EXPECT_EQ(Woerter(*offen), (Liste{"amare", "rosa", "amare"}));
    EXPECT_TRUE(offen->geaendert);
    EXPECT_EQ(offen->id, 0);
}

TEST_F(Lektionsspeicher, OverwritingAStoredLessonReplacesItsEntriesUnderTheChosenName)
{
    auto alt = Lektion(QStringLiteral("Lektion 1"), buch, {amare, rosa});
    ASSERT_TRUE(speicher.LektionSpeichern(*alt));
    const int32_t zweitesBuch = speicher.LehrbuchAnlegen(QStringLiteral("Secunda"));

    auto neu = Lektion(QStringLiteral("Lektion 1 neu"), zweitesBuch, {bonus});
    ASSERT_TRUE(speicher.LektionUeberschreiben(*neu, alt->id));

    EXPECT_EQ(neu->id, alt->id);
    EXPECT_EQ(Zahl("SELECT count(*) FROM lektion"), 1);
    auto gelesen = speicher.LektionLesen(alt->id);
    EXPECT_EQ(gelesen->name, QStringLiteral("Lektion 1 neu"));
    EXPECT_EQ(gelesen->lehrbuch_id, zweitesBuch);
    EXPECT_EQ(Woerter(*gelesen), (Liste{"bonus"}));
    EXPECT_EQ(Zahl("SELECT count(*) FROM lek_vok"), 1);
}

TEST_F(Lektionsspeicher, ListsShowTextbooksAndLessonsWithTheirColumnsInTableOrder)
{
    const int32_t zweites = speicher.LehrbuchAnlegen(QStringLiteral("Secunda"));
    auto mitText = Lektion(QStringLiteral("B mit Text"), buch, {amare, rosa});
    mitText->text = QStringList{QStringLiteral("Amo.")};
    auto ohneText = Lektion(QStringLiteral("A ohne Text"), buch, {bonus});
    auto anderes = Lektion(QStringLiteral("anderswo"), zweites, {});
    ASSERT_TRUE(speicher.LektionSpeichern(*mitText));
    ASSERT_TRUE(speicher.LektionSpeichern(*ohneText));
    ASSERT_TRUE(speicher.LektionSpeichern(*anderes));

    const auto buecher = speicher.Lehrbuecher();
    ASSERT_EQ(buecher.size(), 2u);
    EXPECT_EQ(buecher[0].name, QStringLiteral("Prima"));
    EXPECT_EQ(buecher[1].id, zweites);

    const auto zeilen = speicher.Lektionen(buch);
    ASSERT_EQ(zeilen.size(), 2u);
    EXPECT_EQ(zeilen[0].name, QStringLiteral("B mit Text"));
    EXPECT_EQ(zeilen[0].vokabeln, 2);
    EXPECT_EQ(zeilen[0].TextSpalte(), QStringLiteral("ja"));
    EXPECT_EQ(zeilen[1].id, ohneText->id);
    EXPECT_EQ(zeilen[1].TextSpalte(), QStringLiteral("nein"));
    EXPECT_EQ(zeilen[1].erstellt.date(), QDate::currentDate());
    EXPECT_EQ(zeilen[1].zugriff.date(), QDate::currentDate());
    EXPECT_EQ(speicher.LektionSuchen(buch, QStringLiteral("  A ohne Text ")), ohneText->id);
    EXPECT_EQ(speicher.LektionSuchen(zweites, QStringLiteral("A ohne Text")), 0);
}

TEST_F(Lektionsspeicher, NamesAreStoredExactlyAsTypedEvenWithQuotes)
{
    auto l = Lektion(QStringLiteral("Lektion"), buch, {amare});
    ASSERT_TRUE(speicher.LektionSpeichern(*l));
    const QString buchName = QStringLiteral("Ovid's \"Metamorphosen\"");
    const QString lektionName = QStringLiteral("x'); DELETE FROM lektion; --");
    speicher.LehrbuchUmbenennen(buch, buchName);
    speicher.LektionUmbenennen(l->id, lektionName);

    EXPECT_EQ(speicher.Lehrbuecher().at(0).name, buchName);
    EXPECT_EQ(speicher.LehrbuchSuchen(buchName), buch);
    EXPECT_EQ(speicher.LektionLesen(l->id)->name, lektionName);
    EXPECT_EQ(Zahl("SELECT count(*) FROM lektion"), 1);
}

TEST_F(Lektionsspeicher, DeletingRemovesLessonsAndEntryListsButNeverEntries)
{
    const int32_t zweites = speicher.LehrbuchAnlegen(QStringLiteral("Secunda"));
    auto a = Lektion(QStringLiteral("a"), buch, {amare, rosa});
    auto b = Lektion(QStringLiteral("b"), buch, {bonus});
    auto c = Lektion(QStringLiteral("c"), zweites, {amare});
    for (auto *l : {a.get(), b.get(), c.get()})
        ASSERT_TRUE(speicher.LektionSpeichern(*l));

    speicher.LektionLoeschen(a->id);
    EXPECT_EQ(Zahl("SELECT count(*) FROM lek_vok WHERE lektion_id = ?1", a->id), 0);
    EXPECT_EQ(speicher.Lektionen(buch).size(), 1u);

    const std::vector<int32_t> geloescht = speicher.LehrbuchLoeschen(buch);
    EXPECT_EQ(geloescht, std::vector<int32_t>{b->id});
    EXPECT_EQ(Zahl("SELECT count(*) FROM lehrbuch"), 1);
    EXPECT_EQ(Zahl("SELECT count(*) FROM lektion"), 1);
    EXPECT_EQ(Zahl("SELECT count(*) FROM lek_vok"), 1);
    EXPECT_EQ(Zahl("SELECT count(*) FROM vokabel"), 3);
}

TEST_F(Lektionsspeicher, MovingALessonNeedsAnExistingTextbook)
{
    const int32_t zweites = speicher.LehrbuchAnlegen(QStringLiteral("Secunda"));
    auto l = Lektion(QStringLiteral("a"), buch, {amare});
    ASSERT_TRUE(speicher.LektionSpeichern(*l));
    speicher.LektionVerschieben(l->id, zweites + 10);
    EXPECT_EQ(speicher.LektionLesen(l->id)->lehrbuch_id, buch);
    speicher.LektionVerschieben(l->id, zweites);
    EXPECT_EQ(speicher.LektionLesen(l->id)->lehrbuch_id, zweites);
}

TEST_F(Lektionsspeicher, ATakenLessonNameGetsTheNextFreeNumber)
{
    auto l1 = Lektion(QStringLiteral("Lektion 1"), buch, {});
    ASSERT_TRUE(speicher.LektionSpeichern(*l1));
    EXPECT_EQ(speicher.FreierLektionsname(buch, QStringLiteral("Lektion 2")), QStringLiteral("Lektion 2"));
    EXPECT_EQ(speicher.FreierLektionsname(buch, QStringLiteral("Lektion 1")), QStringLiteral("Lektion 1 (2)"));
    auto l2 = Lektion(QStringLiteral("Lektion 1 (2)"), buch, {});
    ASSERT_TRUE(speicher.LektionSpeichern(*l2));
    EXPECT_EQ(speicher.FreierLektionsname(buch, QStringLiteral("Lektion 1")), QStringLiteral("Lektion 1 (3)"));
    // Another textbook's lessons do not count.
    const int32_t zweites = speicher.LehrbuchAnlegen(QStringLiteral("Secunda"));
    EXPECT_EQ(speicher.FreierLektionsname(zweites, QStringLiteral("Lektion 1")), QStringLiteral("Lektion 1"));
}

} // namespace
