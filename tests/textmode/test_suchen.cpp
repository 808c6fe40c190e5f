// Searching and replacing in the lesson text: matches, direction, whole
// words, replacing at the caret, replacing all, and the walk of the form search.
#include "textmode/suchen.h"

#include <gtest/gtest.h>

namespace lexovita {
namespace {

const QString kText = QStringLiteral("Amor vincit omnia; et nos cedamus amori.\nAmor, amor!");

TSuchoptionen Opt(bool gross, bool ganz, bool oben)
{
    return {gross, ganz, oben};
}

struct FindenFall {
    const char *name;
    const char *muster;
    int ab;
    TSuchoptionen o;
    int erwartet; // start of the match, -1 none
};

TEST(Suchen, FindenNachRichtungGrossKleinUndGanzenWoertern)
{
    const FindenFall faelle[] = {
        {"ohne Groß-/Kleinschreibung", "amor", 0, Opt(false, false, false), 0},
        {"mit Groß-/Kleinschreibung", "amor", 0, Opt(true, false, false), 34},
        {"ab der Position", "amor", 1, Opt(false, false, false), 34},
        {"Treffer direkt an der Position", "amor", 34, Opt(false, false, false), 34},
        {"ganzes Wort überspringt amori", "amor", 1, Opt(false, true, false), 41},
        {"Komma und Zeilenumbruch trennen", "amor", 42, Opt(false, true, false), 47},
        {"Ausrufezeichen am Ende trennt", "amor", 42, Opt(true, true, false), 47},
        {"nichts mehr danach", "amor", 48, Opt(false, false, false), -1},
        {"nach oben vom Ende", "amor", 52, Opt(false, false, true), 47},
        {"nach oben: Treffer endet genau an der Position", "amor", 51, Opt(false, false, true), 47},
        {"nach oben: teilweise vor der Position zählt nicht", "amor", 50, Opt(false, false, true), 41},
        {"nach oben mit Groß-/Kleinschreibung", "Amor", 47, Opt(true, false, true), 41},
        {"nach oben ganzes Wort überspringt amori", "amor", 41, Opt(false, true, true), 0},
        {"nach oben vom Anfang", "amor", 0, Opt(false, false, true), -1},
        {"Wortteil ohne ganze Wörter", "cit", 0, Opt(false, false, false), 8},
        {"Wortteil mit ganzen Wörtern", "cit", 0, Opt(false, true, false), -1},
        {"leeres Muster", "", 0, Opt(false, false, false), -1},
        {"Muster länger als der Text", "amor vincit omnia; et nos cedamus amori. amor amor amor", 0,
         Opt(false, false, false), -1},
        {"Position hinter dem Text", "amor", 500, Opt(false, false, true), 47},
    };
    for (const FindenFall &f : faelle) {
        const auto t = Finden(kText, QString::fromUtf8(f.muster), f.ab, f.o);
        EXPECT_EQ(t ? t->anfang : -1, f.erwartet) << f.name;
        if (t) {
            EXPECT_EQ(t->laenge, QString::fromUtf8(f.muster).size()) << f.name;
        }
    }
}

TEST(Suchen, WeitersuchenLaeuftEinmalDurchUndEndetDann)
{
    // Each search goes on from the caret the last hit left: after it going
    // down, before it going up.
    for (const bool oben : {false, true}) {
        const TSuchoptionen o = Opt(false, true, oben);
        std::vector<int> treffer;
        int cursor = oben ? int(kText.size()) : 0;
        while (const auto t = Finden(kText, QStringLiteral("AMOR"), cursor, o)) {
            treffer.push_back(t->anfang);
            cursor = oben ? t->anfang : t->Ende();
        }
        EXPECT_EQ(treffer, oben ? std::vector<int>({47, 41, 0}) : std::vector<int>({0, 41, 47})) << oben;
    }
}

struct CursorFall {
    const char *name;
    const char *muster;
    int cursor;
    TSuchoptionen o;
    int erwartet;
};

TEST(Suchen, ErsetzenNimmtDenTrefferAmCursor)
{
    const CursorFall faelle[] = {
        {"nach unten: endet am Cursor", "amor", 4, Opt(false, false, false), 0},
        {"nach unten mit Groß-/Kleinschreibung", "amor", 4, Opt(true, false, false), -1},
        {"nach unten: vor dem Cursor steht anderes", "amor", 5, Opt(false, false, false), -1},
        {"nach unten: zu wenig Text vor dem Cursor", "amor", 3, Opt(false, false, false), -1},
        {"nach oben: beginnt am Cursor", "amor", 41, Opt(false, false, true), 41},
        {"nach oben am Textende", "amor", 52, Opt(false, false, true), -1},
        {"leeres Muster", "", 4, Opt(false, false, false), -1},
    };
    for (const CursorFall &f : faelle) {
        const auto t = TrefferAmCursor(kText, QString::fromUtf8(f.muster), f.cursor, f.o);
        EXPECT_EQ(t ? t->anfang : -1, f.erwartet) << f.name;
    }
}

struct AlleFall {
    const char *name;
    const char *text, *muster, *ersatz;
    TSuchoptionen o;
    const char *ergebnis;
    int anzahl;
};

TEST(Suchen, AlleErsetzenZaehltJedesVorkommenEinmal)
{
    const AlleFall faelle[] = {
        {"alle ohne Groß-/Kleinschreibung", "Amor amat amorem.", "amor", "odi", Opt(false, false, false),
         "odi amat odiem.", 2},
        {"nur ganze Wörter", "Amor amat amorem.", "amor", "odi", Opt(false, true, false), "odi amat amorem.", 1},
        {"mit Groß-/Kleinschreibung", "Amor amat amorem.", "amor", "odi", Opt(true, false, false), "Amor amat odiem.",
         1},
        {"Ersatz enthält das Muster", "a b a", "a", "aa", Opt(false, false, false), "aa b aa", 2},
        {"Ersatz ist das Muster in anderer Schreibung", "a A", "a", "A", Opt(false, false, false), "A A", 2},
        {"Ersatz leer, Vorkommen hintereinander", "aaa", "a", "", Opt(false, false, false), "", 3},
        {"entstehende Vorkommen bleiben", "aab", "ab", "a", Opt(false, false, false), "aa", 1},
        {"Richtung spielt keine Rolle", "x x x", "x", "y", Opt(false, false, true), "y y y", 3},
        {"kein Vorkommen", "Gallia est", "Roma", "Urbs", Opt(false, false, false), "Gallia est", 0},
        {"leeres Muster", "Gallia est", "", "x", Opt(false, false, false), "Gallia est", 0},
    };
    for (const AlleFall &f : faelle) {
        const QString text = QString::fromUtf8(f.text);
        const QString ersatz = QString::fromUtf8(f.ersatz);
        const TErsetzung e = AlleErsetzen(text, QString::fromUtf8(f.muster), ersatz, f.o);
        EXPECT_EQ(e.text, QString::fromUtf8(f.ergebnis)) << f.name;
        EXPECT_EQ(int(e.stellen.size()), f.anzahl) << f.name;
        // Applying the ranges one after another, as the editor does, gives the same text.
        QString schritt = text;
        for (const TFundstelle &s : e.stellen)
            schritt.replace(s.anfang, s.laenge, ersatz);
        EXPECT_EQ(schritt, e.text) << f.name;
    }
}

TEST(Suchen, ErsetzungsmeldungEinzahlNurBeiEins)
{
    EXPECT_EQ(ErsetzungsMeldung(0),
              QStringLiteral("Das Dokument wurde durchsucht. Es wurden 0 Ersetzungen vorgenommen"));
    EXPECT_EQ(ErsetzungsMeldung(1), QStringLiteral("Das Dokument wurde durchsucht. Es wurde 1 Ersetzung vorgenommen"));
    EXPECT_EQ(ErsetzungsMeldung(12),
              QStringLiteral("Das Dokument wurde durchsucht. Es wurden 12 Ersetzungen vorgenommen"));
}

TEST(Suchen, WoerterZwischenTrennzeichen)
{
    const QString t = QStringLiteral("  \"Veni, vidi,\tvici!\"\n\nEt (tu)?");
    std::vector<QString> w;
    for (const TFundstelle &f : Woerter(t))
        w.push_back(t.mid(f.anfang, f.laenge));
    EXPECT_EQ(w, (std::vector<QString>{QStringLiteral("Veni"), QStringLiteral("vidi"), QStringLiteral("vici"),
                                       QStringLiteral("Et"), QStringLiteral("tu")}));
    EXPECT_TRUE(Woerter(QStringLiteral(" .,; ")).empty());
}

struct WalkFall {
    const char *name;
    int cursor;
    bool oben;
    int erwartet;
};

TEST(Suchen, FormensucheGehtWortFuerWortInDerRichtung)
{
    // "Formen" of videre: vidit, videt, Videbis.
    const QString t = QStringLiteral("Vidit puer et videt; puella Videbis.");
    std::vector<QString> geprueft;
    const auto istForm = [&](const QString &w) {
        geprueft.push_back(w);
        return w.toLower().startsWith(QStringLiteral("vid"));
    };
    const WalkFall faelle[] = {
        {"vom Anfang", 0, false, 0},
        {"hinter dem ersten Treffer", 5, false, 14},
        {"mitten im Wort beginnt beim nächsten", 16, false, 28},
        {"nach dem letzten", 36, false, -1},
        {"nach oben vom Ende", 36, true, 28},
        {"nach oben vor dem Treffer", 28, true, 14},
        {"nach oben mitten im Wort", 17, true, 0},
        {"nach oben vom Anfang", 0, true, -1},
    };
    for (const WalkFall &f : faelle) {
        const auto w = WortSuchen(t, f.cursor, f.oben, istForm);
        EXPECT_EQ(w ? w->anfang : -1, f.erwartet) << f.name;
    }
    // The walk stops at the first hit and asks nothing beyond it.
    geprueft.clear();
    const auto w = WortSuchen(t, 5, false, istForm);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->laenge, 5);
    EXPECT_EQ(geprueft, (std::vector<QString>{QStringLiteral("puer"), QStringLiteral("et"), QStringLiteral("videt")}));
}

} // namespace
} // namespace lexovita
