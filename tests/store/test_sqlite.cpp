#include "store/hilfen.h"
#include "store/sqlite.h"

using namespace lexovita;
using namespace lexovita::test;

namespace {

class SpeicherVerbindung : public ::testing::Test {
  protected:
    TVerbindung db{QStringLiteral(":memory:"), QByteArray(), TVerbindung::Modus::AnlegenWennNoetig};
    void SetUp() override { db.Ausfuehren("CREATE TABLE t (x TEXT)"); }
    int Zeilen()
    {
        TAnweisung a = db.Anweisung("SELECT count(*) FROM t");
        return a.Schritt() ? a.Int(0) : -1;
    }
    void Einfuegen(const QString &x)
    {
        TAnweisung a = db.Anweisung("INSERT INTO t (x) VALUES (?1)");
        a.Binden(1, x);
        a.Ausfuehren();
    }
};

} // namespace

TEST(PraefixEnde, IncrementsTheLastCharacter)
{
    EXPECT_EQ(PraefixEnde(QStringLiteral("am")), QStringLiteral("an"));
    EXPECT_EQ(PraefixEnde(QStringLiteral("ä")), QString(QChar(0xE5)));
    EXPECT_TRUE(PraefixEnde(QString()).isNull());
}

TEST(PraefixEnde, SkipsSurrogatesAndCarriesOverMaximalCodePoints)
{
    EXPECT_EQ(PraefixEnde(QString(QChar(0xD7FF))), QString(QChar(0xE000)));
    const QString maximal = QString::fromUcs4(U"a\U0010FFFF");
    EXPECT_EQ(PraefixEnde(maximal), QStringLiteral("b"));
    EXPECT_TRUE(PraefixEnde(QString::fromUcs4(U"\U0010FFFF")).isNull());
}

TEST_F(SpeicherVerbindung, RangeWithPraefixEndeHoldsExactlyTheWordsWithThatPrefix)
{
    for (const char *w : {"am", "amo", "amz\xC3\xBF", "amicus", "an", "al", "a", "ama\xF4\x8F\xBF\xBF"})
        Einfuegen(QString::fromUtf8(w));
    TAnweisung a = db.Anweisung("SELECT x FROM t WHERE x >= ?1 AND x < ?2 ORDER BY x");
    a.Binden(1, QStringLiteral("am")).Binden(2, PraefixEnde(QStringLiteral("am")));
    QStringList gefunden;
    while (a.Schritt())
        gefunden << a.Text(0);
    EXPECT_EQ(gefunden, (QStringList{"am", QString::fromUtf8("ama\xF4\x8F\xBF\xBF"), "amicus", "amo",
                                     QString::fromUtf8("amz\xC3\xBF")}));
}

TEST_F(SpeicherVerbindung, BoundTextIsStoredVerbatimAndNeverRunAsSql)
{
    const QString boese = QStringLiteral("l'homme \"x\"; DROP TABLE t;--");
    Einfuegen(boese);
    TAnweisung a = db.Anweisung("SELECT x FROM t WHERE x = ?1");
    a.Binden(1, boese);
    ASSERT_TRUE(a.Schritt());
    EXPECT_EQ(a.Text(0), boese);
    EXPECT_TRUE(db.TabelleVorhanden(QStringLiteral("t")));
}

TEST_F(SpeicherVerbindung, ErrorsBecomeGermanExceptionsWithTheEngineCode)
{
    try {
        db.Anweisung("SELEKT nichts");
        FAIL() << "Syntaxfehler nicht gemeldet";
    } catch (const DatenbankFehler &f) {
        EXPECT_TRUE(f.Meldung().startsWith(QStringLiteral("Datenbankfehler."))) << f.what();
        // Neither the statement nor the engine's English reaches the user.
        EXPECT_FALSE(f.Meldung().contains(QStringLiteral("SELEKT"))) << f.what();
        EXPECT_FALSE(f.Meldung().contains(QStringLiteral("syntax"))) << f.what();
        EXPECT_NE(f.Code(), 0);
    }
    db.Ausfuehren("CREATE TABLE u (x INTEGER NOT NULL)");
    TAnweisung a = db.Anweisung("INSERT INTO u (x) VALUES (?1)");
    a.BindenNull(1);
    EXPECT_THROW(a.Ausfuehren(), DatenbankFehler);
    EXPECT_THROW(a.Binden(7, int32_t(1)), DatenbankFehler); // no such parameter
}

TEST_F(SpeicherVerbindung, TransactionRollsBackUnlessConfirmed)
{
    {
        TTransaktion t(db);
        Einfuegen(QStringLiteral("weg"));
    }
    EXPECT_EQ(Zeilen(), 0);
    EXPECT_FALSE(db.InTransaktion());
    {
        TTransaktion t(db);
        Einfuegen(QStringLiteral("bleibt"));
        t.Bestaetigen();
    }
    EXPECT_EQ(Zeilen(), 1);
}

TEST_F(SpeicherVerbindung, NestedTransactionIsASavepointOfTheOuterOne)
{
    {
        TTransaktion aussen(db);
        Einfuegen(QStringLiteral("aussen"));
        {
            TTransaktion innen(db);
            Einfuegen(QStringLiteral("innen verworfen"));
        }
        EXPECT_EQ(Zeilen(), 1);
        {
            TTransaktion innen(db);
            Einfuegen(QStringLiteral("innen bestätigt"));
            innen.Bestaetigen();
        }
        EXPECT_TRUE(db.InTransaktion());
    }
    // The outer guard was never confirmed: everything goes.
    EXPECT_EQ(Zeilen(), 0);
}

TEST_F(SpeicherVerbindung, CachedStatementCanBeUsedTwiceAtTheSameTime)
{
    Einfuegen(QStringLiteral("a"));
    Einfuegen(QStringLiteral("b"));
    TAnweisung aussen = db.Anweisung("SELECT x FROM t ORDER BY x");
    int paare = 0;
    while (aussen.Schritt()) {
        TAnweisung innen = db.Anweisung("SELECT x FROM t ORDER BY x");
        while (innen.Schritt())
            ++paare;
    }
    EXPECT_EQ(paare, 4);
}
