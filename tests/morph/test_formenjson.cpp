#include "morph/formenjson.h"
#include "morph_hilfe.h"

#include <gtest/gtest.h>

using namespace lexovita;
using namespace lexovita::test;

namespace {
bool Lesen(const char *zeile, TFormenAnfrage &a, QString &fehler)
{
    return FormenAnfrageLesen(zeile, a, fehler);
}
} // namespace

TEST(FormenJson, ReadsLettersFlagsSpecialFormsAndSelector)
{
    TFormenAnfrage a;
    QString fehler;
    ASSERT_TRUE(Lesen(R"({"key":"h","vokabel":"hortari","form1":"hortor","form2":"hortatus sum","wortart":"v",)"
                      R"("konjdekl":"a","attribute":1079,"sonderformen":[[329,"hortor!"]],"selektor":329})",
                      a, fehler))
        << fehler.toStdString();
    EXPECT_EQ(a.vokabel.Wortart(), WA_VERB);
    EXPECT_EQ(a.vokabel.KonjDekl(), KD_A);
    // 1079 = 1024 + 55: the class bits of "attribute" are ignored, the flags kept.
    EXPECT_TRUE(a.vokabel.KeinPassiv());
    EXPECT_FALSE(a.vokabel.Deponens());
    ASSERT_EQ(a.vokabel.sonderformen.size(), 1u);
    EXPECT_EQ(a.vokabel.sonderformen[0]->formId, 329);
    ASSERT_TRUE(a.selektor.has_value());
    TFormenmanager m;
    FormenAnfrageErzeugen(m, a);
    EXPECT_EQ(Texte(m), "hortor!");
}

TEST(FormenJson, RejectsMalformedLinesWithGermanMessagesAndKeepsTheKey)
{
    const char *falsch[] = {
        "nicht json",
        "[1,2]",
        R"({"key":5,"wortart":"v"})",
        R"({"key":5,"vokabel":"a"})",
        R"({"key":5,"vokabel":"a","wortart":"v","form1":3})",
        R"({"key":5,"vokabel":"a","wortart":"v","attribute":1.5})",
        R"({"key":5,"vokabel":"a","wortart":"v","sonderformen":[[1]]})",
        R"({"key":5,"vokabel":"a","wortart":"v","sonderformen":[["1","x"]]})",
        R"({"key":5,"vokabel":"a","wortart":"v","selektor":"1"})",
    };
    for (const char *z : falsch) {
        TFormenAnfrage a;
        QString fehler;
        EXPECT_FALSE(Lesen(z, a, fehler)) << z;
        EXPECT_FALSE(fehler.isEmpty()) << z;
        if (z[0] == '{') {
            EXPECT_EQ(a.key.toInt(), 5) << z;
        }
    }
}

TEST(FormenJson, WritesCompactLinesInTheDocumentedKeyOrder)
{
    std::vector<TLatForm> formen;
    formen.emplace_back(0, QStringLiteral("a\"b"), 329, QStringLiteral("1. Prs. Sg. Präsens Aktiv Indikativ"), 1);
    EXPECT_EQ(FormenAntwort(QStringLiteral("k"), formen).toStdString(),
              "{\"key\":\"k\",\"formen\":[{\"id\":329,\"bezeichnung\":\"1. Prs. Sg. Präsens Aktiv Indikativ\","
              "\"text\":\"a\\\"b\",\"variante\":1}]}");
    EXPECT_EQ(FehlerAntwort(QJsonValue::Null, QStringLiteral("kaputt")).toStdString(),
              "{\"key\":null,\"fehler\":\"kaputt\"}");
}
