// The lesson session driven without any window: scripted choices and answers.
#include "app/lektionssitzung.h"
#include "model/uhr.h"
#include "store/lektionsspeicher.h"
#include "store/test_lektion_hilfen.h"

#include <QSignalSpy>
#include <deque>

namespace lexovita::test {
namespace {

// Answers the save question from a script and records every question.
class TAntworten : public IRueckfrage {
  public:
    std::deque<Antwort> antworten;
    QStringList gefragt;
    Antwort Frage(const QString &, const QString &text, int, Antwort, Symbol) override
    {
        gefragt << text;
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

    QSignalSpy anzeigen(&sitzung, &TLektionssitzung::anzeigen);
    sitzung.GespeicherteOeffnen(id);
    EXPECT_EQ(sitzung.Aktuell(), offen);
    EXPECT_EQ(sitzung.Lektionen().Anzahl(), 2);
    // The unsaved text of the open copy is what the user sees, not the stored one.
    EXPECT_EQ(sitzung.Text(), QStringLiteral("Amo domum."));
    EXPECT_EQ(anzeigen.count(), 1);
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

} // namespace
} // namespace lexovita::test
