#include "model/lektion.h"

#include <gtest/gtest.h>

using namespace lexovita;

namespace {

std::unique_ptr<TVokabel> Vok(const QString &wort, int32_t wortart = WA_UNBESTIMMT, int32_t id = 0)
{
    auto v = std::make_unique<TVokabel>();
    v->vokabel = wort;
    v->SetWortart(wortart);
    v->id = id;
    return v;
}

// Headwords in lesson order, joined by blanks.
std::string Reihe(const TLektion &l)
{
    QStringList w;
    for (const auto &v : l.vokabeln)
        w << v->vokabel;
    return w.join(QLatin1Char(' ')).toStdString();
}

void Fuellen(TLektion &l, const QStringList &woerter)
{
    for (const QString &w : woerter)
        l.VokabelAnhaengen(Vok(w));
}

} // namespace

TEST(LektionText, TheTextAsOneStringEndsEveryLineWithCrLf)
{
    TLektion l;
    EXPECT_EQ(l.TextAlsString(), QString());
    l.text = QStringList{QStringLiteral("Amo,"), QString(), QStringLiteral("te.")};
    EXPECT_EQ(l.TextAlsString(), QStringLiteral("Amo,\r\n\r\nte.\r\n"));
    l.TextAusString(QStringLiteral("a\r\nb\nc\rd\r\n"));
    EXPECT_EQ(l.text,
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}));
    l.TextAusString(QString());
    EXPECT_TRUE(l.text.isEmpty());
}

TEST(LektionWortAn, ACommaAfterTheFirstWordIsNotPartOfIt)
{
    const QString t = QStringLiteral("Amo, te.");
    EXPECT_EQ(TLektion::WortAn(t, 0), QStringLiteral("amo"));
    EXPECT_EQ(TLektion::WortAn(t, 2), QStringLiteral("amo"));
    EXPECT_EQ(TLektion::WortAn(t, 3), QStringLiteral("amo")); // on the comma
    EXPECT_EQ(TLektion::WortAn(t, 4), QString());             // the blank after the comma
    EXPECT_EQ(TLektion::WortAn(t, 5), QStringLiteral("te"));
    EXPECT_EQ(TLektion::WortAn(t, 7), QStringLiteral("te")); // on the full stop
    EXPECT_EQ(TLektion::WortAn(t, 8), QString());            // end of text, after a delimiter
}

TEST(LektionWortAn, WordsAreTrimmedLoweredAndBoundedByEveryDelimiter)
{
    EXPECT_EQ(TLektion::WortAn(QStringLiteral("\"Quo\tvadis?\""), 1), QStringLiteral("quo\tvadis"));
    EXPECT_EQ(TLektion::WortAn(QStringLiteral("(ROMA)"), 3), QStringLiteral("roma"));
    EXPECT_EQ(TLektion::WortAn(QStringLiteral("x[Marcus]y"), 4), QStringLiteral("marcus"));
    EXPECT_EQ(TLektion::WortAn(QStringLiteral("a:b"), 2), QStringLiteral("b"));
    EXPECT_EQ(TLektion::WortAn(QStringLiteral("l'ami"), 3), QStringLiteral("ami"));
    EXPECT_EQ(TLektion::WortAn(QStringLiteral("Ärger"), 1), QStringLiteral("Ärger")); // only A-Z are lowered
    EXPECT_EQ(TLektion::WortAn(QStringLiteral("a\r\nb"), 3), QStringLiteral("b"));
    EXPECT_EQ(TLektion::WortAn(QString(), 0), QString());
    EXPECT_EQ(TLektion::WortAn(QStringLiteral("abc"), 99), QStringLiteral("abc"));
    TLektion l;
    l.text = QStringList{QStringLiteral("Gallia est"), QStringLiteral("omnis divisa")};
    EXPECT_EQ(l.WortAn(13), QStringLiteral("omnis")); // "Gallia est\r\n" is 12 characters
}

TEST(LektionWortAn, SteppingByWordLengthPlusOneVisitsEveryWord)
{
    // The text analysis walks the text exactly like this.
    const QString t = QStringLiteral("Marcus amicum videt. Amicus ridet!");
    QStringList woerter;
    for (int p = 0; p < t.size();) {
        const QString w = TLektion::WortAn(t, p);
        if (!w.isEmpty())
            woerter << w;
        p += w.size() + 1;
    }
    EXPECT_EQ(woerter, (QStringList{QStringLiteral("marcus"), QStringLiteral("amicum"), QStringLiteral("videt"),
                                    QStringLiteral("amicus"), QStringLiteral("ridet")}));
}

TEST(LektionSatzEnde, SentencesEndAfterFullStopSemicolonExclamationOrQuestionMark)
{
    const QString t = QStringLiteral("Veni: vidi; vici. Quid? Ita!");
    EXPECT_EQ(TLektion::SatzEnde(t, 0), 11); // the colon does not end it, the semicolon does
    EXPECT_EQ(TLektion::SatzEnde(t, 11), 17);
    EXPECT_EQ(TLektion::SatzEnde(t, 17), 23);
    EXPECT_EQ(TLektion::SatzEnde(t, 23), 28);
    EXPECT_EQ(TLektion::SatzEnde(t, 28), 29); // nothing left: length + 1
    EXPECT_EQ(TLektion::SatzEnde(QStringLiteral("sine fine"), 0), 10);
}

TEST(LektionSatzEnde, AQuoteRightAfterTheDelimiterBelongsToTheSentence)
{
    const QString t = QStringLiteral("\"Ave.\" Dixit. \"Vale!\"");
    EXPECT_EQ(TLektion::SatzEnde(t, 0), 6);
    EXPECT_EQ(TLektion::SatzEnde(t, 6), 13);
    EXPECT_EQ(TLektion::SatzEnde(t, 13), 21);
    EXPECT_EQ(TLektion::SatzEnde(QStringLiteral("Ave. \"x\""), 0), 4); // a blank in between: no
}

TEST(LektionSatzEnde, TheLessonTextIsTrimmedAndStoredBackFirst)
{
    TLektion l;
    l.text = QStringList{QString(), QStringLiteral("  Salve. Vale"), QStringLiteral("   "), QString()};
    EXPECT_EQ(l.SatzEnde(0), 6);
    EXPECT_EQ(l.text, QStringList{QStringLiteral("Salve. Vale")});
    EXPECT_EQ(l.SatzEnde(6), static_cast<int>(QStringLiteral("Salve. Vale\r\n").size()) + 1);
    TLektion leer;
    leer.text = QStringList{QStringLiteral(" "), QString()};
    EXPECT_EQ(leer.SatzEnde(0), 1);
    EXPECT_TRUE(leer.text.isEmpty());
}

TEST(LektionManager, NewLessonsAreNamedAfterTheNumberOfOpenLessons)
{
    TLektionManager m;
    TLektion *a = m.NeueLektion();
    EXPECT_EQ(a->name, QStringLiteral("unbenannt-1"));
    EXPECT_EQ(a->id, 0);
    EXPECT_EQ(a->lehrbuch_id, 0);
    EXPECT_EQ(m.Ansicht(a).textstatus, TS_EINGABE);
    EXPECT_FALSE(a->geaendert);
    EXPECT_EQ(a->erstellt, QDate::currentDate());
    EXPECT_EQ(a->zugriff, QDate::currentDate());
    m.NeueLektion();
    TLektion *c = m.NeueLektion();
    EXPECT_EQ(c->name, QStringLiteral("unbenannt-3"));
    EXPECT_EQ(m.Tab(c), 2);
    EXPECT_EQ(m.Aktuell(), c);
    // After closing one of three the count names the next one, even if that repeats a name.
    m.LektionSchliessen(m.Lektion(0));
    EXPECT_EQ(m.NeueLektion()->name, QStringLiteral("unbenannt-3"));
}

TEST(LektionManager, ClosingChoosesThePreviousLessonOrTheFirst)
{
    TLektionManager m;
    TLektion *a = m.NeueLektion();
    TLektion *b = m.NeueLektion();
    TLektion *c = m.NeueLektion();
    EXPECT_EQ(m.LektionSchliessen(c), b);
    EXPECT_EQ(m.Aktuell(), b);
    c = m.NeueLektion();
    EXPECT_EQ(m.LektionSchliessen(a), b); // the new first lesson
    EXPECT_EQ(m.Tab(b), 0);
    EXPECT_EQ(m.Tab(c), 1);
    EXPECT_EQ(m.TabWaehlen(1), c);
    EXPECT_EQ(m.Aktuell(), c);
    EXPECT_EQ(m.TabWaehlen(5), nullptr);
    EXPECT_EQ(m.Aktuell(), c);
}

TEST(LektionManager, ClosingTheOnlyLessonOpensAFreshOne)
{
    TLektionManager m;
    TLektion *a = m.NeueLektion();
    a->VokabelAnhaengen(Vok(QStringLiteral("amo")));
    TLektion *neu = m.LektionSchliessen(a);
    ASSERT_EQ(m.Anzahl(), 1);
    EXPECT_EQ(neu, m.Aktuell());
    EXPECT_EQ(neu->name, QStringLiteral("unbenannt-1"));
    EXPECT_EQ(neu->Anzahl(), 0);
}

TEST(LektionManager, ModifiedLessonsAreListedInOpeningOrder)
{
    TLektionManager m;
    TLektion *a = m.NeueLektion();
    m.NeueLektion();
    TLektion *c = m.NeueLektion();
    c->AlsGeaendertMarkieren();
    a->AlsGeaendertMarkieren();
    EXPECT_EQ(m.GeaenderteLektionen(), (std::vector<TLektion *>{a, c}));
    EXPECT_EQ(a->TabText(), QStringLiteral("unbenannt-1 *"));
    EXPECT_EQ(m.Lektion(1)->TabText(), QStringLiteral("unbenannt-2"));
    EXPECT_EQ(a->SpeichernFrage(), QStringLiteral("Soll die Lektion \"unbenannt-1\" gespeichert werden?"));
}

TEST(LektionManager, AnEditedEntryReplacesItsCopiesInEveryOpenLesson)
{
    TLektionManager m;
    TLektion *a = m.NeueLektion();
    TLektion *b = m.NeueLektion();
    a->VokabelAnhaengen(Vok(QStringLiteral("amo"), WA_VERB, 5));
    a->VokabelAnhaengen(Vok(QStringLiteral("neu"), WA_VERB, 0));
    b->VokabelAnhaengen(Vok(QStringLiteral("amo"), WA_VERB, 5));
    b->VokabelAnhaengen(Vok(QStringLiteral("amo"), WA_VERB, 5));
    TVokabel bearbeitet;
    bearbeitet.id = 5;
    bearbeitet.vokabel = QStringLiteral("amare");
    bearbeitet.BedeutungAnhaengen(QStringLiteral("lieben"), {}, 1);
    EXPECT_EQ(m.VokabelUeberallErsetzen(bearbeitet), 3);
    EXPECT_EQ(Reihe(*a), "amare neu");
    EXPECT_EQ(Reihe(*b), "amare amare");
    EXPECT_EQ(b->vokabeln[1]->BedeutungenText(), QStringLiteral("lieben"));
    TVokabel ohneId;
    ohneId.vokabel = QStringLiteral("x");
    EXPECT_EQ(m.VokabelUeberallErsetzen(ohneId), 0);
    EXPECT_EQ(a->vokabeln[1]->vokabel, QStringLiteral("neu"));
}

TEST(LektionManager, DeletingATextbookDetachesItsOpenLessons)
{
    TLektionManager m;
    TLektion *a = m.NeueLektion();
    TLektion *b = m.NeueLektion();
    a->id = 3;
    a->lehrbuch_id = 7;
    a->lehrbuch = QStringLiteral("Prima");
    b->id = 4;
    b->lehrbuch_id = 8;
    m.LehrbuchGeloescht(7);
    EXPECT_EQ(a->id, 0);
    EXPECT_EQ(a->lehrbuch_id, 0);
    EXPECT_TRUE(a->lehrbuch.isEmpty());
    EXPECT_TRUE(a->geaendert);
    EXPECT_EQ(b->id, 4);
    EXPECT_FALSE(b->geaendert);
}

TEST(LektionVokabelliste, RemovingSelectedRowsKeepsTheOthersInOrder)
{
    TLektion l;
    Fuellen(l,
            {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("e")});
    // Selection order does not matter; duplicates and stale rows are ignored.
    EXPECT_EQ(l.VokabelnEntfernen({3, 0, 2, 3, 9}), 3);
    EXPECT_EQ(Reihe(l), "b e");
    TLektion m;
    Fuellen(m, {QStringLiteral("a")});
    EXPECT_EQ(m.VokabelnEntfernen({}), 0);
}

TEST(LektionVokabelliste, DraggingPutsTheEntryAtTheTargetsPlaceWithoutMarking)
{
    TLektion l;
    Fuellen(l, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
    EXPECT_TRUE(l.VokabelVerschieben(0, 2));
    EXPECT_EQ(Reihe(l), "b c a d");
    EXPECT_TRUE(l.VokabelVerschieben(3, 0));
    EXPECT_EQ(Reihe(l), "d b c a");
    EXPECT_FALSE(l.VokabelVerschieben(0, 4));
    EXPECT_FALSE(l.geaendert);
}

TEST(LektionVokabelliste, SortingByAColumnIgnoresCaseAndDoesNotMark)
{
    TLektion l;
    auto verb = Vok(QStringLiteral("amo"), WA_VERB);
    verb->SetKonjDekl(KD_A);
    verb->BedeutungAnhaengen(QStringLiteral("lieben"), {}, 1);
    auto adj = Vok(QStringLiteral("Bonus"), WA_ADJEKTIV);
    adj->SetKonjDekl(KD_O);
    adj->BedeutungAnhaengen(QStringLiteral("gut"), {}, 1);
    auto sub = Vok(QStringLiteral("CIVIS"), WA_SUBSTANTIV);
    sub->SetKonjDekl(KD_I);
    sub->BedeutungAnhaengen(QStringLiteral("Bürger"), {}, 1);
    l.VokabelAnhaengen(std::move(sub));
    l.VokabelAnhaengen(std::move(verb));
    l.VokabelAnhaengen(std::move(adj));

    l.VokabelnSortieren(TSpalte::Vokabel);
    EXPECT_EQ(Reihe(l), "amo Bonus CIVIS");
    l.VokabelnSortieren(TSpalte::Wortart);
    EXPECT_EQ(Reihe(l), "Bonus CIVIS amo"); // Adjektiv, Substantiv, Verb
    l.VokabelnSortieren(TSpalte::Bedeutungen);
    EXPECT_EQ(Reihe(l), "CIVIS Bonus amo"); // Bürger, gut, lieben
    l.VokabelnSortieren(TSpalte::KonjDekl);
    EXPECT_EQ(Reihe(l), "amo CIVIS Bonus"); // A-Konjugation, I-Deklination, O/A-Deklination
    l.VokabelnSortieren(TSpalte::Nr);
    EXPECT_EQ(Reihe(l), "amo CIVIS Bonus");
    EXPECT_FALSE(l.geaendert);
}
