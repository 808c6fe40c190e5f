// Rules of the textbook management and the lesson properties, on a private
// in-memory database with scripted answers.
#include "app/lehrbuchverwaltung.h"

#include "app/lehrbuchmodelle.h"

#include "model/lektionsdatei.h"
#include "store/lektionsspeicher.h"
#include "store/test_lektion_hilfen.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <memory>

using namespace lexovita;
using namespace lexovita::test;

namespace {

class TSkript : public IRueckfrage {
  public:
    QList<Antwort> antworten;
    QStringList fragen;
    std::vector<Antwort> vorgaben;

    Antwort Frage(const QString &titel, const QString &text, int knoepfe, Antwort vorgabe, Symbol) override
    {
        EXPECT_EQ(titel, ProgrammTitel());
        EXPECT_EQ(knoepfe, KN_JA_NEIN);
        fragen << text;
        vorgaben.push_back(vorgabe);
        if (antworten.isEmpty()) {
            ADD_FAILURE() << "unerwartete Frage: " << text.toStdString();
            return Antwort::Nein;
        }
        return antworten.takeFirst();
    }
    void Meldung(const QString &, const QString &) override {}
};

class Verwaltung : public LektionsDatenbank {
  protected:
    TSkript skript;
    TLektionsSpeicher speicher{daten};
    int32_t amare = 0, domus = 0;
    int32_t buchA = 0, buchB = 0;
    int32_t lektion1 = 0, lektion2 = 0;

    void SetUp() override
    {
        amare = Anlegen(QStringLiteral("amare"), 1, 8, QStringLiteral("amo"), QStringLiteral("amavi"),
                        QStringLiteral("amatum"), {QStringLiteral("lieben")});
        domus = Anlegen(QStringLiteral("domus"), 2, 32, QStringLiteral("domus"), QString(), QString(),
                        {QStringLiteral("Haus")});
        buchA = speicher.LehrbuchAnlegen(QStringLiteral("Cursus"));
        buchB = speicher.LehrbuchAnlegen(QStringLiteral("Prima"));
        lektion1 = Speichern(QStringLiteral("Lektion 1"), buchA, {amare, domus});
        lektion2 = Speichern(QStringLiteral("Lektion 2"), buchA, {domus});
    }

    int32_t Speichern(const QString &name, int32_t buch, std::initializer_list<int32_t> ids)
    {
        auto l = Lektion(name, buch, ids);
        EXPECT_TRUE(speicher.LektionSpeichern(*l));
        return l->id;
    }

    QString LehrbuchName(int32_t id)
    {
        TAnweisung a = daten.Verbindung().Anweisung("SELECT name FROM lehrbuch WHERE id = ?1");
        a.Binden(1, id);
        return a.Schritt() ? a.Text(0) : QStringLiteral("<fehlt>");
    }
};

} // namespace

TEST(VerwaltungsModus, ToolsAndProposedNameFollowTheMode)
{
    EXPECT_TRUE(TLehrbuchverwaltung::OeffnenSichtbar(VM_ANHAENGEN));
    EXPECT_FALSE(TLehrbuchverwaltung::OeffnenSichtbar(VM_SPEICHERN_UNTER));
    EXPECT_TRUE(TLehrbuchverwaltung::SpeichernSichtbar(VM_SPEICHERN_UNTER));
    EXPECT_FALSE(TLehrbuchverwaltung::SpeichernSichtbar(VM_VERWALTEN));
    EXPECT_EQ(TLehrbuchverwaltung::Startname(VM_SPEICHERN_UNTER, QStringLiteral("neu")), QStringLiteral("neu"));
    EXPECT_TRUE(TLehrbuchverwaltung::Startname(VM_OEFFNEN, QStringLiteral("neu")).isEmpty());
}

TEST_F(Verwaltung, RefreshSelectsTheRememberedTextbookOrTheFirstAndListsItsLessons)
{
    TLehrbuchverwaltung v(daten, skript, VM_OEFFNEN);
    EXPECT_EQ(v.Aktualisieren(buchB), 1);
    EXPECT_EQ(v.GewaehltesLehrbuch(), buchB);
    EXPECT_TRUE(v.Lektionen().empty());

    EXPECT_EQ(v.Aktualisieren(9999), 0); // a textbook deleted meanwhile
    EXPECT_EQ(v.GewaehltesLehrbuch(), buchA);
    ASSERT_EQ(v.Lektionen().size(), 2u);
    EXPECT_EQ(v.Lektionen()[0].name, QStringLiteral("Lektion 1"));
    EXPECT_EQ(v.Lektionen()[0].vokabeln, 2);
    EXPECT_EQ(v.Lektionen()[0].TextSpalte(), QStringLiteral("nein"));
}

TEST_F(Verwaltung, RefreshOnAnEmptyDatabaseChoosesNoTextbookAndOkDoesNothing)
{
    TDatenmanager leer(QStringLiteral(":memory:"));
    TLehrbuchverwaltung v(leer, skript, VM_SPEICHERN_UNTER);
    EXPECT_EQ(v.Aktualisieren(buchA), -1);
    EXPECT_EQ(v.GewaehltesLehrbuch(), 0);
    EXPECT_FALSE(v.Bestaetigen(QStringLiteral("Lektion 1")));
    EXPECT_FALSE(v.Auswahl().bestaetigt);
}

TEST_F(Verwaltung, SavingUnderANewNameConfirmsANewLessonWithTheTrimmedName)
{
    TLehrbuchverwaltung v(daten, skript, VM_SPEICHERN_UNTER);
    v.Aktualisieren(buchA);
    EXPECT_FALSE(v.Bestaetigen(QStringLiteral("   ")));
    ASSERT_TRUE(v.Bestaetigen(QStringLiteral("  Lektion 3 ")));
    EXPECT_TRUE(skript.fragen.isEmpty());
    EXPECT_TRUE(v.Auswahl().bestaetigt);
    EXPECT_EQ(v.Auswahl().name, QStringLiteral("Lektion 3"));
    EXPECT_EQ(v.Auswahl().lehrbuchId, buchA);
    EXPECT_EQ(v.Auswahl().lehrbuch, QStringLiteral("Cursus"));
    EXPECT_EQ(v.Auswahl().lektionId, 0);
}

TEST_F(Verwaltung, SavingUnderAnExistingNameWithBlanksAsksAndOverwritesOnlyOnYes)
{
    TLehrbuchverwaltung v(daten, skript, VM_SPEICHERN_UNTER);
    v.Aktualisieren(buchA);
    skript.antworten = {Antwort::Nein, Antwort::Ja};
    EXPECT_FALSE(v.Bestaetigen(QStringLiteral(" Lektion 2  ")));
    EXPECT_FALSE(v.Auswahl().bestaetigt);
    ASSERT_TRUE(v.Bestaetigen(QStringLiteral(" Lektion 2  ")));
    ASSERT_EQ(skript.fragen.size(), 2);
    EXPECT_EQ(skript.fragen[0], QStringLiteral("Soll die Lektion 'Lektion 2' überschrieben werden?"));
    EXPECT_EQ(skript.vorgaben[0], Antwort::Nein);
    EXPECT_EQ(v.Auswahl().lektionId, lektion2);
    EXPECT_EQ(v.Auswahl().name, QStringLiteral("Lektion 2"));

    // A caller that only adds to the lesson gets it without the question.
    TLehrbuchverwaltung ohneFrage(daten, skript, VM_SPEICHERN_UNTER);
    ohneFrage.SetUeberschreibenFragen(false);
    ohneFrage.Aktualisieren(buchA);
    ASSERT_TRUE(ohneFrage.Bestaetigen(QStringLiteral("Lektion 2")));
    EXPECT_EQ(skript.fragen.size(), 2);
    EXPECT_EQ(ohneFrage.Auswahl().lektionId, lektion2);

    // The chosen target really is replaced, not duplicated.
    auto neu = Lektion(v.Auswahl().name, v.Auswahl().lehrbuchId, {amare});
    ASSERT_TRUE(speicher.LektionUeberschreiben(*neu, v.Auswahl().lektionId));
    EXPECT_EQ(Zahl("SELECT count(*) FROM lektion"), 2);
    EXPECT_EQ(Zahl("SELECT count(*) FROM lek_vok WHERE lektion_id = ?1", lektion2), 1);
}

TEST_F(Verwaltung, OpeningNeedsTheNameOfAListedLessonAndPrefersTheSelectedRowAmongNamesakes)
{
    const int32_t zwilling = Speichern(QStringLiteral("Lektion 1"), buchA, {amare});
    Speichern(QStringLiteral("Lektion 9"), buchB, {amare});
    TLehrbuchverwaltung v(daten, skript, VM_OEFFNEN);
    v.Aktualisieren(buchA);
    EXPECT_FALSE(v.Bestaetigen(QStringLiteral("Lektion 7")));
    EXPECT_FALSE(v.Bestaetigen(QStringLiteral("Lektion 9"))); // belongs to the other textbook
    ASSERT_TRUE(v.Bestaetigen(QStringLiteral("Lektion 1 ")));
    EXPECT_EQ(v.Auswahl().lektionId, lektion1);
    ASSERT_TRUE(v.Bestaetigen(QStringLiteral("Lektion 1"), zwilling));
    EXPECT_EQ(v.Auswahl().lektionId, zwilling);
    EXPECT_TRUE(skript.fragen.isEmpty());

    TLehrbuchverwaltung anhaengen(daten, skript, VM_ANHAENGEN);
    anhaengen.Aktualisieren(buchA);
    ASSERT_TRUE(anhaengen.Bestaetigen(QStringLiteral("Lektion 2")));
    EXPECT_EQ(anhaengen.Auswahl().lektionId, lektion2);

    TLehrbuchverwaltung verwalten(daten, skript, VM_VERWALTEN);
    verwalten.Aktualisieren(buchA);
    EXPECT_FALSE(verwalten.Bestaetigen(QStringLiteral("Lektion 2")));
}

TEST_F(Verwaltung, DeletingALessonAsksAndRemovesItsEntryListButNoEntries)
{
    TLehrbuchverwaltung v(daten, skript, VM_VERWALTEN);
    v.Aktualisieren(buchA);
    skript.antworten = {Antwort::Nein, Antwort::Ja};
    EXPECT_FALSE(v.LektionLoeschen(lektion1));
    EXPECT_EQ(Zahl("SELECT count(*) FROM lektion"), 2);
    EXPECT_TRUE(v.LektionLoeschen(lektion1));
    EXPECT_EQ(skript.fragen[0], QStringLiteral("Soll die Lektion 'Lektion 1' wirklich gelöscht werden?"));
    EXPECT_EQ(Zahl("SELECT count(*) FROM lektion"), 1);
    EXPECT_EQ(Zahl("SELECT count(*) FROM lek_vok WHERE lektion_id = ?1", lektion1), 0);
    EXPECT_EQ(Zahl("SELECT count(*) FROM vokabel"), 2);
    ASSERT_EQ(v.Lektionen().size(), 1u);
    EXPECT_EQ(v.GeloeschteLektionen(), std::vector<int32_t>{lektion1});
}

TEST_F(Verwaltung, DeletingATextbookAsksThenRemovesItsLessonsAndReportsThem)
{
    Speichern(QStringLiteral("andere"), buchB, {amare});
    TLehrbuchverwaltung v(daten, skript, VM_VERWALTEN);
    v.Aktualisieren(buchA);
    skript.antworten = {Antwort::Nein, Antwort::Ja};
    EXPECT_FALSE(v.LehrbuchLoeschen(buchA));
    EXPECT_EQ(Zahl("SELECT count(*) FROM lehrbuch"), 2);
    EXPECT_TRUE(v.LehrbuchLoeschen(buchA));
    EXPECT_EQ(skript.fragen[0],
              QStringLiteral("Soll das Lehrbuch 'Cursus' mit allen zugehörigen Lektionen gelöscht werden?"));
    EXPECT_EQ(Zahl("SELECT count(*) FROM lehrbuch"), 1);
    EXPECT_EQ(Zahl("SELECT count(*) FROM lektion"), 1);
    EXPECT_EQ(Zahl("SELECT count(*) FROM lek_vok"), 1);
    EXPECT_EQ(Zahl("SELECT count(*) FROM vokabel"), 2);
    EXPECT_EQ(v.GewaehltesLehrbuch(), 0);
    EXPECT_TRUE(v.Lektionen().empty());
    EXPECT_EQ(v.GeloeschteLehrbuecher(), std::vector<int32_t>{buchA});
    EXPECT_EQ(v.GeloeschteLektionen(), (std::vector<int32_t>{lektion1, lektion2}));
}

TEST_F(Verwaltung, RenamingStoresTheNameAsTypedAndRefusesBlankNames)
{
    TLehrbuchverwaltung v(daten, skript, VM_VERWALTEN);
    v.Aktualisieren(buchA);
    EXPECT_TRUE(v.LehrbuchUmbenennen(buchA, QStringLiteral("O'Neills \"Latein\"; DROP TABLE lehrbuch")));
    EXPECT_EQ(LehrbuchName(buchA), QStringLiteral("O'Neills \"Latein\"; DROP TABLE lehrbuch"));
    EXPECT_EQ(v.Lehrbuch(buchA)->name, QStringLiteral("O'Neills \"Latein\"; DROP TABLE lehrbuch"));
    EXPECT_FALSE(v.LehrbuchUmbenennen(buchA, QStringLiteral("  ")));
    EXPECT_EQ(LehrbuchName(buchA), QStringLiteral("O'Neills \"Latein\"; DROP TABLE lehrbuch"));

    EXPECT_TRUE(v.LektionUmbenennen(lektion2, QStringLiteral("Caesar's Lektion")));
    EXPECT_EQ(v.Lektion(lektion2)->name, QStringLiteral("Caesar's Lektion"));
    EXPECT_FALSE(v.LektionUmbenennen(lektion2, QString()));
    EXPECT_EQ(speicher.LektionLesen(lektion2)->name, QStringLiteral("Caesar's Lektion"));
}

TEST_F(Verwaltung, NewTextbooksAreNamedNeuesLehrbuchAndLessonsMoveOnlyIntoExistingOtherTextbooks)
{
    TLehrbuchverwaltung v(daten, skript, VM_VERWALTEN);
    v.Aktualisieren(buchA);
    const int32_t neu = v.LehrbuchNeu();
    ASSERT_NE(v.Lehrbuch(neu), nullptr);
    EXPECT_EQ(v.Lehrbuch(neu)->name, QStringLiteral("Neues Lehrbuch"));
    EXPECT_EQ(v.Lehrbuecher().back().id, neu);

    EXPECT_FALSE(v.LektionVerschieben(lektion1, buchA));
    EXPECT_FALSE(v.LektionVerschieben(lektion1, 9999));
    EXPECT_TRUE(v.LektionVerschieben(lektion1, neu));
    ASSERT_EQ(v.Lektionen().size(), 1u);
    EXPECT_EQ(v.Lektionen()[0].id, lektion2);
    EXPECT_EQ(speicher.LektionLesen(lektion1)->lehrbuch_id, neu);
}

// The window's two lists as models over the rules: each change touches its
// own row, renaming goes through the rules, a dragged lesson row names its
// lesson to the textbook it is dropped on.
TEST_F(Verwaltung, TheTextbookAndLessonModelsFollowTheRules)
{
    const auto namen = [](const QAbstractItemModel &m, int spalte) {
        QStringList s;
        for (int i = 0; i < m.rowCount(); ++i)
            s << m.index(i, spalte).data().toString();
        return s;
    };
    TLehrbuchverwaltung v(daten, skript, VM_VERWALTEN);
    v.Aktualisieren(buchA);
    TLehrbuchModell buecher(v);
    TLektionenModell lektionen(v);
    QAbstractItemModelTester t1(&buecher, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester t2(&lektionen, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(namen(buecher, 0), (QStringList{"Cursus", "Prima"}));
    EXPECT_EQ(namen(lektionen, TLektionenModell::SpName), (QStringList{"Lektion 1", "Lektion 2"}));
    EXPECT_EQ(namen(lektionen, TLektionenModell::SpVokabeln), (QStringList{"2", "1"}));
    EXPECT_EQ(lektionen.index(0, 0).data(Qt::UserRole).toInt(), lektion1);
    EXPECT_TRUE(lektionen.flags(lektionen.index(0, TLektionenModell::SpName)) & Qt::ItemIsEditable);
    EXPECT_FALSE(lektionen.flags(lektionen.index(0, TLektionenModell::SpText)) & Qt::ItemIsEditable);

    // Renaming in place stores, a blank name is refused and the row keeps its name.
    QSignalSpy geaendert(&lektionen, &QAbstractItemModel::dataChanged);
    EXPECT_TRUE(lektionen.setData(lektionen.index(1, 0), QStringLiteral("Caesar's Lektion")));
    EXPECT_EQ(speicher.LektionLesen(lektion2)->name, QStringLiteral("Caesar's Lektion"));
    EXPECT_FALSE(lektionen.setData(lektionen.index(1, 0), QStringLiteral(" ")));
    EXPECT_EQ(lektionen.index(1, 0).data().toString(), QStringLiteral("Caesar's Lektion"));
    EXPECT_EQ(geaendert.size(), 1);
    EXPECT_TRUE(buecher.setData(buecher.index(1), QStringLiteral("Prima nova")));
    EXPECT_FALSE(buecher.setData(buecher.index(1), QString()));
    EXPECT_EQ(LehrbuchName(buchB), QStringLiteral("Prima nova"));

    // A new textbook is one inserted row.
    QSignalSpy eingefuegt(&buecher, &QAbstractItemModel::rowsInserted);
    const int neu = buecher.Anlegen();
    EXPECT_EQ(eingefuegt.size(), 1);
    EXPECT_EQ(namen(buecher, 0), (QStringList{"Cursus", "Prima nova", "Neues Lehrbuch"}));
    EXPECT_EQ(buecher.Zeile(buecher.Id(neu)), neu);

    // A lesson row dropped onto a textbook (never between two) names both.
    std::unique_ptr<QMimeData> gezogen(lektionen.mimeData({lektionen.index(0, 2)}));
    ASSERT_TRUE(gezogen);
    EXPECT_EQ(lektionen.supportedDragActions(), Qt::CopyAction);
    EXPECT_FALSE(buecher.canDropMimeData(gezogen.get(), Qt::CopyAction, 1, 0, {}));
    EXPECT_FALSE(buecher.canDropMimeData(gezogen.get(), Qt::MoveAction, -1, -1, buecher.index(2)));
    QSignalSpy abgelegt(&buecher, &TLehrbuchModell::lektionAbgelegt);
    EXPECT_TRUE(buecher.dropMimeData(gezogen.get(), Qt::CopyAction, -1, -1, buecher.index(2)));
    ASSERT_EQ(abgelegt.size(), 1);
    EXPECT_EQ(abgelegt[0][0].toInt(), lektion1);
    EXPECT_EQ(abgelegt[0][1].toInt(), buecher.Id(2));

    // Moving and deleting remove just that row; a declined question keeps it.
    QSignalSpy entfernt(&lektionen, &QAbstractItemModel::rowsRemoved);
    QSignalSpy zurueckgesetzt(&lektionen, &QAbstractItemModel::modelReset);
    EXPECT_TRUE(lektionen.Verschieben(lektion1, buecher.Id(2)));
    EXPECT_EQ(namen(lektionen, 0), QStringList{"Caesar's Lektion"});
    skript.antworten = {Antwort::Nein, Antwort::Ja};
    EXPECT_FALSE(lektionen.Loeschen(lektion2));
    EXPECT_EQ(lektionen.rowCount(), 1);
    EXPECT_TRUE(lektionen.Loeschen(lektion2));
    EXPECT_EQ(lektionen.rowCount(), 0);
    EXPECT_EQ(entfernt.size(), 2);
    EXPECT_EQ(zurueckgesetzt.size(), 0);

    // Another textbook chosen: the lessons are that textbook's.
    v.LehrbuchWaehlen(buecher.Id(2));
    lektionen.Neu();
    EXPECT_EQ(namen(lektionen, 0), QStringList{"Lektion 1"});
    skript.antworten = {Antwort::Ja};
    EXPECT_TRUE(buecher.Loeschen(buecher.Id(2)));
    EXPECT_EQ(namen(buecher, 0), (QStringList{"Cursus", "Prima nova"}));
    EXPECT_EQ(buecher.Zeile(9999), -1);
}

TEST_F(Verwaltung, ExportWritesTheTextbookAsALessonFileThatReadsBack)
{
    QTemporaryDir ordner;
    TLehrbuchverwaltung v(daten, skript, VM_VERWALTEN);
    v.Aktualisieren(buchA);
    EXPECT_EQ(TLehrbuchverwaltung::ExportVorschlag(QStringLiteral("Cursus")), QStringLiteral("Cursus.xml"));
    const QString meldung = v.LehrbuchExportieren(buchA, ordner.filePath(QStringLiteral("cursus")), ordner.path());
    EXPECT_EQ(meldung, QStringLiteral("Das Lehrbuch \"Cursus\" wurde exportiert."));
    const auto inhalt = LektionsdateiLaden(ordner.filePath(QStringLiteral("cursus.xml")));
    ASSERT_EQ(inhalt.size(), 1u);
    EXPECT_EQ(inhalt[0].name, QStringLiteral("Cursus"));
    ASSERT_EQ(inhalt[0].lektionen.size(), 2u);
    EXPECT_EQ(Woerter(*inhalt[0].lektionen[0]), (std::vector<std::string>{"amare", "domus"}));
    EXPECT_THROW(v.LehrbuchExportieren(buchA, ordner.filePath(QStringLiteral("fehlt/x.xml")), ordner.path()),
                 TLektionsdateiFehler);
}

// ---------------------------------------------------------------- properties

TEST_F(Verwaltung, PropertiesOfAStoredLessonRenameAndMoveItInTheDatabase)
{
    auto l = speicher.LektionLesen(lektion1);
    TLektionseigenschaften e(daten, skript);
    EXPECT_EQ(e.LehrbuchNamen(), (QStringList{QStringLiteral("Cursus"), QStringLiteral("Prima")}));
    e.Uebernehmen(*l, QStringLiteral("  Lektion I' "), QStringLiteral(" Prima "), l->notizen);
    EXPECT_EQ(l->name, QStringLiteral("Lektion I'"));
    EXPECT_EQ(l->lehrbuch_id, buchB);
    EXPECT_EQ(l->lehrbuch, QStringLiteral("Prima"));
    EXPECT_FALSE(l->geaendert); // everything is stored already
    auto gelesen = speicher.LektionLesen(lektion1);
    EXPECT_EQ(gelesen->name, QStringLiteral("Lektion I'"));
    EXPECT_EQ(gelesen->lehrbuch_id, buchB);
    EXPECT_TRUE(skript.fragen.isEmpty());
}

TEST_F(Verwaltung, PropertiesAskBeforeCreatingAMissingTextbookAndDecliningKeepsTheOldOne)
{
    auto l = speicher.LektionLesen(lektion1);
    TLektionseigenschaften e(daten, skript);
    skript.antworten = {Antwort::Nein, Antwort::Ja};
    e.Uebernehmen(*l, QString(), QStringLiteral("Neu"), l->notizen);
    EXPECT_EQ(skript.fragen[0], QStringLiteral("Das Lehrbuch \"Neu\" existiert nicht. \r\nSoll es angelegt werden?"));
    EXPECT_EQ(l->name, QStringLiteral("Lektion 1")); // a blank name changes nothing
    EXPECT_EQ(l->lehrbuch_id, buchA);
    EXPECT_EQ(Zahl("SELECT count(*) FROM lehrbuch"), 2);

    e.Uebernehmen(*l, QString(), QStringLiteral("Neu"), l->notizen);
    const int32_t neu = speicher.LehrbuchSuchen(QStringLiteral("Neu"));
    ASSERT_NE(neu, 0);
    EXPECT_EQ(l->lehrbuch_id, neu);
    EXPECT_EQ(speicher.LektionLesen(lektion1)->lehrbuch_id, neu);
}

TEST_F(Verwaltung, PropertiesOfANewLessonChangeOnlyMemoryAndMarkItModified)
{
    TLektion l;
    l.name = QStringLiteral("unbenannt-1");
    TLektionseigenschaften e(daten, skript);
    e.Uebernehmen(l, QStringLiteral("Neu"), QStringLiteral("Cursus"), {});
    EXPECT_EQ(l.name, QStringLiteral("Neu"));
    EXPECT_EQ(l.lehrbuch_id, buchA);
    EXPECT_TRUE(l.geaendert);
    EXPECT_EQ(Zahl("SELECT count(*) FROM lektion"), 2);

    // Notes live only in memory until the lesson is saved.
    auto gespeichert = speicher.LektionLesen(lektion2);
    e.Uebernehmen(*gespeichert, QString(), QString(), {QStringLiteral("Vokabeln bis Freitag")});
    EXPECT_EQ(gespeichert->notizen, QStringList{QStringLiteral("Vokabeln bis Freitag")});
    EXPECT_TRUE(gespeichert->geaendert);
}

TEST_F(Verwaltung, LessonsStoredAfterTheRememberedHighestIdAreTheImportedOnes)
{
    const int32_t letzte = LetzteLektionsId(daten);
    EXPECT_EQ(letzte, lektion2);
    EXPECT_TRUE(LektionenNach(daten, letzte).empty());
    const int32_t neu = Speichern(QStringLiteral("Lektion 5"), buchB, {amare});
    const auto nachher = LektionenNach(daten, letzte);
    ASSERT_EQ(nachher.size(), 1u);
    EXPECT_EQ(nachher[0].id, neu);
    EXPECT_EQ(nachher[0].Anzeige(), QStringLiteral("Prima – Lektion 5"));

    TDatenmanager leer(QStringLiteral(":memory:"));
    EXPECT_EQ(LetzteLektionsId(leer), 0);
}
