// The lesson session driven without any window: scripted choices and answers.
#include "app/lektionssitzung.h"
#include "app/vokabelmodell.h"
#include "model/uhr.h"
#include "store/lektionsspeicher.h"
#include "store/test_lektion_hilfen.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <deque>
#include <functional>

namespace lexovita::test {
namespace {

// Answers the save question from a script and records every question.
class TAntworten : public IRueckfrage {
  public:
    std::deque<Antwort> antworten;
    QStringList gefragt;
    int knoepfe = 0;
    Antwort vorgabe = Antwort::Ok;
    Antwort Frage(const QString &, const QString &text, int k, Antwort v, Symbol) override
    {
        gefragt << text;
        knoepfe = k;
        vorgabe = v;
        if (antworten.empty()) {
            ADD_FAILURE() << "unerwartete Frage: " << text.toStdString();
            return Antwort::Abbrechen;
        }
        const Antwort a = antworten.front();
        antworten.pop_front();
        return a;
    }
    void Meldung(const QString &, const QString &) override {}
};

// The textbook management as a script: each call takes the next prepared choice.
class TDialoge : public ILektionsdialoge {
  public:
    std::deque<TLehrbuchwahl> wahlen;
    std::vector<int> modi;
    TLehrbuchwahl LehrbuchWaehlen(int modus, const QString &) override
    {
        modi.push_back(modus);
        if (wahlen.empty())
            return {}; // cancelled
        TLehrbuchwahl w = wahlen.front();
        wahlen.pop_front();
        return w;
    }
    QString ExportDateiWaehlen(const QString &) override { return {}; }
    void EigenschaftenBearbeiten(TLektion &) override {}
};

TLehrbuchwahl Gewaehlt(const QString &name, int32_t buch, int32_t lektion = 0)
{
    TLehrbuchwahl w;
    w.bestaetigt = true;
    w.name = name;
    w.lehrbuchId = buch;
    w.lehrbuch = QStringLiteral("Buch");
    w.lektionId = lektion;
    return w;
}

class Lektionssitzung : public LektionsDatenbank {
  protected:
    TFesteUhr uhr{QDateTime(QDate(2026, 12, 8), QTime(9, 0))};
    TAntworten antworten;
    TDialoge dialoge;
    TLektionssitzung sitzung{daten, antworten, uhr};
    TLektionsSpeicher speicher{daten};
    int32_t buch = 0, amare = 0, domus = 0, bonus = 0;

    void SetUp() override
    {
        daten.SetUhr(uhr);
        sitzung.SetDialoge(&dialoge);
        buch = speicher.LehrbuchAnlegen(QStringLiteral("Buch"));
        amare = Anlegen(QStringLiteral("amare"), WA_VERB, KD_A, QStringLiteral("amo"), QStringLiteral("amavi"),
                        QStringLiteral("amatum"), {QStringLiteral("lieben")});
        domus = Anlegen(QStringLiteral("domus"), WA_SUBSTANTIV, 0, QStringLiteral("domus"), QStringLiteral("f"), {},
                        {QStringLiteral("Haus")});
        bonus = Anlegen(QStringLiteral("bonus"), WA_ADJEKTIV, 0, {}, {}, {}, {QStringLiteral("gut")});
        sitzung.Neu();
    }

    // A stored lesson of the textbook with these entries.
    int32_t Gespeichert(const QString &name, std::initializer_list<int32_t> ids)
    {
        auto l = Lektion(name, buch, ids);
        EXPECT_TRUE(speicher.LektionSpeichern(*l));
        return l->id;
    }

    QStringList Woerter(const TLektion &l)
    {
        QStringList w;
        for (const auto &v : l.vokabeln)
            w << v->vokabel;
        return w;
    }
};

TEST_F(Lektionssitzung, OpeningAStoredLessonTwiceShowsTheOpenCopyInsteadOfASecondOne)
{
    const int32_t id = Gespeichert(QStringLiteral("L1"), {amare, domus});
    ASSERT_EQ(sitzung.Lektionen().Anzahl(), 1);
    sitzung.GespeicherteOeffnen(id);
    TLektion *offen = sitzung.Aktuell();
    ASSERT_EQ(offen->id, id);
    // An untouched new lesson that was current gives way to the opened one.
    EXPECT_EQ(sitzung.Lektionen().Anzahl(), 1);
    sitzung.TextSetzen(QStringLiteral("Amo domum."));
    sitzung.Neu();
    ASSERT_NE(sitzung.Aktuell(), offen);

    QSignalSpy gewechselt(&sitzung, &TLektionssitzung::lektionGewechselt);
    sitzung.GespeicherteOeffnen(id);
    EXPECT_EQ(sitzung.Aktuell(), offen);
    EXPECT_EQ(sitzung.Lektionen().Anzahl(), 2);
    // The unsaved text of the open copy is what the user sees, not the stored one.
    EXPECT_EQ(sitzung.Text(), QStringLiteral("Amo domum."));
    EXPECT_EQ(gewechselt.count(), 1);
    // Opening it while it is current rebuilds nothing.
    sitzung.GespeicherteOeffnen(id);
    EXPECT_EQ(gewechselt.count(), 1);
}

TEST_F(Lektionssitzung, DeletingATextbookInTheChooserDetachsItsOpenLessonSoSavingAsksForANewPlace)
{
    const int32_t id = Gespeichert(QStringLiteral("L1"), {amare});
    sitzung.GespeicherteOeffnen(id);
    TLektion *offen = sitzung.Aktuell();
    ASSERT_FALSE(offen->geaendert);

    // "Öffnen" is cancelled, but the textbook was deleted while the chooser was open.
    daten.LehrbuchLoeschen(buch);
    TLehrbuchwahl geloescht;
    geloescht.geloeschteLehrbuecher = {buch};
    dialoge.wahlen.push_back(geloescht);
    QSignalSpy kopf(&sitzung, &TLektionssitzung::kopfGeaendert);
    sitzung.Oeffnen();
    EXPECT_EQ(offen->id, 0);
    EXPECT_EQ(offen->lehrbuch_id, 0);
    EXPECT_TRUE(offen->geaendert);
    EXPECT_GE(kopf.count(), 1);

    // Saving must ask for a place: the chooser in "save as" mode, here cancelled.
    dialoge.modi.clear();
    EXPECT_FALSE(sitzung.Speichern());
    EXPECT_EQ(dialoge.modi, std::vector<int>{VM_SPEICHERN_UNTER});
    const int32_t neuesBuch = speicher.LehrbuchAnlegen(QStringLiteral("Neu"));
    dialoge.wahlen.push_back(Gewaehlt(QStringLiteral("L1"), neuesBuch));
    EXPECT_TRUE(sitzung.Speichern());
    EXPECT_NE(offen->id, 0);
    EXPECT_FALSE(offen->geaendert);
    EXPECT_EQ(Woerter(*speicher.LektionLesen(offen->id)), QStringList{QStringLiteral("amare")});
}

TEST_F(Lektionssitzung, ClosingAModifiedLessonFollowsTheAnswerToTheSaveQuestion)
{
    struct Fall {
        const char *name;
        Antwort antwort;
        bool ortGewaehlt;
        bool geschlossen;
        bool gespeichert;
    };
    const Fall faelle[] = {
        {"Nein closes without storing", Antwort::Nein, false, true, false},
        {"Ja stores at the chosen place and closes", Antwort::Ja, true, true, true},
        {"Ja with a cancelled chooser keeps the lesson open", Antwort::Ja, false, false, false},
        {"Abbrechen keeps the lesson open", Antwort::Abbrechen, false, false, false},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        sitzung.Neu();
        TLektion *l = sitzung.Aktuell();
        ASSERT_TRUE(sitzung.VokabelAnhaengen(bonus));
        ASSERT_TRUE(l->geaendert);
        const QString name = QString::fromLatin1(f.name);
        antworten.antworten = {f.antwort};
        antworten.gefragt.clear();
        if (f.ortGewaehlt)
            dialoge.wahlen.push_back(Gewaehlt(name, buch));
        const int vorher = sitzung.Lektionen().Anzahl();
        const QString frage = l->SpeichernFrage();

        EXPECT_EQ(sitzung.Schliessen(), f.geschlossen);
        EXPECT_EQ(antworten.gefragt, QStringList{frage});
        // One Enter stores: "Ja" is preselected, and the question can be cancelled.
        EXPECT_EQ(antworten.knoepfe, int(KN_JA_NEIN_ABBRECHEN));
        EXPECT_EQ(antworten.vorgabe, Antwort::Ja);
        EXPECT_EQ(sitzung.Lektionen().Anzahl(), f.geschlossen ? vorher - 1 : vorher);
        EXPECT_EQ(speicher.LektionSuchen(buch, name) != 0, f.gespeichert);
        EXPECT_TRUE(dialoge.wahlen.empty());
    }
    // An unmodified lesson closes without a question.
    sitzung.Neu();
    antworten.gefragt.clear();
    EXPECT_TRUE(sitzung.Schliessen());
    EXPECT_TRUE(antworten.gefragt.isEmpty());
}

TEST_F(Lektionssitzung, AppendingThenSavingAsStoresTheCombinedListAndLeavesTheSourceAlone)
{
    const int32_t quelle = Gespeichert(QStringLiteral("Quelle"), {domus, amare});
    ASSERT_TRUE(sitzung.VokabelAnhaengen(bonus));
    dialoge.wahlen.push_back(Gewaehlt(QString(), 0, quelle));
    sitzung.Anhaengen();
    TLektion *l = sitzung.Aktuell();
    EXPECT_EQ(Woerter(*l), (QStringList{QStringLiteral("bonus"), QStringLiteral("domus"), QStringLiteral("amare")}));
    EXPECT_TRUE(l->geaendert);

    dialoge.wahlen.push_back(Gewaehlt(QStringLiteral("Alles"), buch));
    EXPECT_TRUE(sitzung.SpeichernUnter());
    EXPECT_EQ(dialoge.modi, (std::vector<int>{VM_ANHAENGEN, VM_SPEICHERN_UNTER}));
    EXPECT_EQ(l->name, QStringLiteral("Alles"));
    EXPECT_FALSE(l->geaendert);
    auto gelesen = speicher.LektionLesen(l->id);
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(Woerter(*gelesen), Woerter(*l));
    EXPECT_EQ(gelesen->erstellt, QDate(2026, 12, 8));
    EXPECT_EQ(Woerter(*speicher.LektionLesen(quelle)), (QStringList{QStringLiteral("domus"), QStringLiteral("amare")}));
}

TEST_F(Lektionssitzung, TextAndNotesMarkTheLessonOnlyWhenTheyReallyChange)
{
    TLektion *l = sitzung.Aktuell();
    QSignalSpy kopf(&sitzung, &TLektionssitzung::kopfGeaendert);
    sitzung.TextSetzen(QString());
    sitzung.NotizenSetzen(QString());
    EXPECT_FALSE(l->geaendert);
    sitzung.NotizenSetzen(QStringLiteral("Vokabeln bis Freitag\nS. 12"));
    EXPECT_TRUE(l->geaendert);
    EXPECT_EQ(l->notizen, (QStringList{QStringLiteral("Vokabeln bis Freitag"), QStringLiteral("S. 12")}));
    sitzung.TextSetzen(QStringLiteral("Salve.\nVale."));
    EXPECT_EQ(l->text, (QStringList{QStringLiteral("Salve."), QStringLiteral("Vale.")}));
    EXPECT_EQ(sitzung.Text(), QStringLiteral("Salve.\nVale."));
    EXPECT_EQ(kopf.count(), 1); // the mark appears once
}

TEST_F(Lektionssitzung, ProgramEndAsksForEveryModifiedLessonAndStopsWhenAPlaceIsNotChosen)
{
    TLektion *erste = sitzung.Aktuell();
    sitzung.TextSetzen(QStringLiteral("Prima."));
    sitzung.Neu();
    sitzung.Neu();
    TLektion *dritte = sitzung.Aktuell();
    sitzung.TextSetzen(QStringLiteral("Tertia."));

    antworten.antworten = {Antwort::Nein, Antwort::Ja};
    EXPECT_FALSE(sitzung.Beenden()); // "Ja" for the third, but no place chosen
    EXPECT_EQ(antworten.gefragt, (QStringList{erste->SpeichernFrage(), dritte->SpeichernFrage()}));

    antworten.gefragt.clear();
    antworten.antworten = {Antwort::Nein, Antwort::Nein};
    EXPECT_TRUE(sitzung.Beenden());
    EXPECT_EQ(antworten.gefragt.size(), 2);
}

// Every change of the entry list marks the lesson once and is announced as
// the rows it touched; the model over the session stays consistent, which
// the model tester checks after each announcement.
TEST_F(Lektionssitzung, EveryEntryListCommandMarksTheLessonAndAnnouncesItsRows)
{
    struct Fall {
        const char *name;
        std::function<void(TLektionssitzung &)> befehl;
        QStringList danach;
        const char *signal; // the announcement expected
    };
    const Fall faelle[] = {
        {"remove two rows",
         [](TLektionssitzung &s) {
             EXPECT_EQ(s.VokabelnEntfernen({2, 1}).size(), 2u);
         },
         {"amare"},
         SIGNAL(vokabelnEntfernt())},
        {"up",
         [](TLektionssitzung &s) { EXPECT_EQ(s.VokabelNachOben(1), 0); },
         {"domus", "amare", "bonus"},
         SIGNAL(vokabelVerschoben())},
        {"up from the top wraps to the end",
         [](TLektionssitzung &s) { EXPECT_EQ(s.VokabelNachOben(0), 2); },
         {"domus", "bonus", "amare"},
         SIGNAL(vokabelVerschoben())},
        {"down",
         [](TLektionssitzung &s) { EXPECT_EQ(s.VokabelNachUnten(0), 1); },
         {"domus", "amare", "bonus"},
         SIGNAL(vokabelVerschoben())},
        {"down from the end wraps to the top",
         [](TLektionssitzung &s) { EXPECT_EQ(s.VokabelNachUnten(2), 0); },
         {"bonus", "amare", "domus"},
         SIGNAL(vokabelVerschoben())},
        {"drag the first below the last",
         [](TLektionssitzung &s) { EXPECT_TRUE(s.VokabelVerschieben(0, 2)); },
         {"domus", "bonus", "amare"},
         SIGNAL(vokabelVerschoben())},
        {"drag the last to the top",
         [](TLektionssitzung &s) { EXPECT_TRUE(s.VokabelVerschieben(2, 0)); },
         {"bonus", "amare", "domus"},
         SIGNAL(vokabelVerschoben())},
        {"sort by word class",
         [](TLektionssitzung &s) { EXPECT_EQ(s.VokabelnSortieren(TSpalte::Wortart).size(), 3); },
         {"bonus", "domus", "amare"},
         SIGNAL(reihenfolgeGeaendert(QList<int>))},
        {"append",
         [this](TLektionssitzung &s) { EXPECT_TRUE(s.VokabelAnhaengen(amare)); },
         {"amare", "domus", "bonus", "amare"},
         SIGNAL(vokabelnEingefuegt())},
    };
    const int32_t id = Gespeichert(QStringLiteral("L1"), {amare, domus, bonus});
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        // A fresh, unmodified copy of the stored lesson each time.
        sitzung.Neu();
        sitzung.GespeicherteOeffnen(id);
        TLektion *l = sitzung.Aktuell();
        l->geaendert = false;
        TVokabelModell modell(sitzung);
        QAbstractItemModelTester tester(&modell, QAbstractItemModelTester::FailureReportingMode::Fatal);
        QSignalSpy kopf(&sitzung, &TLektionssitzung::kopfGeaendert);
        QSignalSpy gemeldet(&sitzung, f.signal);
        QSignalSpy gewechselt(&sitzung, &TLektionssitzung::lektionGewechselt);
        f.befehl(sitzung);
        EXPECT_EQ(Woerter(*l), f.danach);
        EXPECT_TRUE(l->geaendert);
        EXPECT_EQ(kopf.count(), 1);
        EXPECT_EQ(gemeldet.count(), 1);
        EXPECT_EQ(gewechselt.count(), 0); // nothing is shown anew
        QStringList gezeigt;
        for (int z = 0; z < modell.rowCount(); ++z) {
            gezeigt << modell.index(z, TVokabelModell::Vokabel).data().toString();
            EXPECT_EQ(modell.index(z, TVokabelModell::Nr).data().toString(), QString::number(z + 1));
        }
        EXPECT_EQ(gezeigt, f.danach);
        l->geaendert = false;
        sitzung.Schliessen(l);
    }
    // What changes nothing marks nothing.
    sitzung.GespeicherteOeffnen(id);
    TLektion *l = sitzung.Aktuell();
    l->geaendert = false;
    EXPECT_TRUE(sitzung.VokabelnEntfernen({7}).empty());
    EXPECT_FALSE(sitzung.VokabelVerschieben(1, 1));
    EXPECT_TRUE(sitzung.VokabelnSortieren(TSpalte::Nr).isEmpty());
    EXPECT_FALSE(l->geaendert);
}

// Removing and putting back, and sorting and ordering back, are exact
// inverses: an undo history is built on them.
TEST_F(Lektionssitzung, RemovedEntriesGoBackToTheirRowsAndASortCanBeReversed)
{
    const int32_t id = Gespeichert(QStringLiteral("L1"), {amare, domus, bonus, amare});
    sitzung.GespeicherteOeffnen(id);
    TLektion *l = sitzung.Aktuell();
    const QStringList vorher = Woerter(*l);
    TVokabelModell modell(sitzung);
    QAbstractItemModelTester tester(&modell, QAbstractItemModelTester::FailureReportingMode::Fatal);
    auto entfernt = sitzung.VokabelnEntfernen({0, 3, 1});
    ASSERT_EQ(entfernt.size(), 3u);
    EXPECT_EQ(Woerter(*l), QStringList{QStringLiteral("bonus")});
    sitzung.VokabelnEinfuegen(std::move(entfernt));
    EXPECT_EQ(Woerter(*l), vorher);

    const QList<int> herkunft = sitzung.VokabelnSortieren(TSpalte::Vokabel);
    EXPECT_EQ(Woerter(*l), (QStringList{"amare", "amare", "bonus", "domus"}));
    QList<int> zurueck(herkunft.size());
    for (int i = 0; i < herkunft.size(); ++i)
        zurueck[herkunft[i]] = i;
    EXPECT_TRUE(sitzung.VokabelnAnordnen(zurueck));
    EXPECT_EQ(Woerter(*l), vorher);
    EXPECT_FALSE(sitzung.VokabelnAnordnen({0, 0, 1, 2})); // no permutation

    // The model's own move and sort go through the session as well.
    l->geaendert = false;
    EXPECT_TRUE(modell.moveRows({}, 0, 1, {}, 3)); // before row 3: ends on row 2
    EXPECT_EQ(Woerter(*l), (QStringList{"domus", "bonus", "amare", "amare"}));
    EXPECT_TRUE(l->geaendert);
    modell.sort(TVokabelModell::Vokabel, Qt::DescendingOrder);
    EXPECT_EQ(Woerter(*l), (QStringList{"domus", "bonus", "amare", "amare"}));
    modell.sort(TVokabelModell::Vokabel);
    EXPECT_EQ(Woerter(*l), (QStringList{"amare", "amare", "bonus", "domus"}));
    // While a drill runs, the list shows no rows.
    modell.SetVerborgen(true);
    EXPECT_EQ(modell.rowCount(), 0);
    modell.SetVerborgen(false);
    EXPECT_EQ(modell.rowCount(), 4);
}

// Saving touches only the header: the editors are not rebuilt, so their
// caret and undo history survive. An undo history back at the saved state
// clears the mark, unless something beyond the list changed meanwhile.
TEST_F(Lektionssitzung, SavingRebuildsNothingAndTheListStateDecidesTheMark)
{
    const int32_t id = Gespeichert(QStringLiteral("L1"), {amare, domus});
    sitzung.GespeicherteOeffnen(id);
    TLektion *l = sitzung.Aktuell();
    QSignalSpy gewechselt(&sitzung, &TLektionssitzung::lektionGewechselt);
    QSignalSpy text(&sitzung, &TLektionssitzung::textGeaendert);
    QSignalSpy gespeichert(&sitzung, &TLektionssitzung::gespeichert);
    sitzung.VokabelNachUnten(0);
    EXPECT_TRUE(l->geaendert);
    sitzung.ListenstandSetzen(true);
    EXPECT_FALSE(l->geaendert);
    sitzung.ListenstandSetzen(false);
    EXPECT_TRUE(sitzung.Speichern());
    EXPECT_FALSE(l->geaendert);
    EXPECT_EQ(gespeichert.count(), 1);
    EXPECT_EQ(gewechselt.count(), 0);
    EXPECT_EQ(text.count(), 0);
    EXPECT_EQ(Woerter(*speicher.LektionLesen(id)), (QStringList{"domus", "amare"}));

    sitzung.VokabelNachUnten(0);
    sitzung.TextSetzen(QStringLiteral("Amo."));
    sitzung.ListenstandSetzen(true);
    EXPECT_TRUE(l->geaendert); // the text is still unsaved
    EXPECT_TRUE(sitzung.Speichern());
    EXPECT_TRUE(sitzung.VokabelAnhaengen(bonus)); // as the dictionary adds: outside the undo history
    sitzung.ListenstandSetzen(true);
    EXPECT_TRUE(l->geaendert);
}

} // namespace
} // namespace lexovita::test
