// The text analysis job against a real database.
#include "app/textanalyseauftrag.h"
#include "store/test_lektion_hilfen.h"

namespace lexovita::test {
namespace {

class Textanalyseauftrag : public LektionsDatenbank {};

TEST_F(Textanalyseauftrag, EveryWordOfEverySentenceIsAnalysedAgainstTheStoredEntries)
{
    const int32_t amare = Anlegen(QStringLiteral("amare"), WA_VERB, KD_A, QStringLiteral("amo"),
                                  QStringLiteral("amavi"), QStringLiteral("amatum"), {QStringLiteral("lieben")});
    TLektion l;
    l.TextAusString(QStringLiteral("Amo te.\nNemo amat."));
    TTextanalyseAuftrag auftrag(l.TextAlsString());
    QString fehler;
    ASSERT_EQ(AuftragDirektAusfuehren(auftrag, daten, &fehler), TAuftragsausgang::Erfolg) << fehler.toStdString();
    const TTextanalyse &t = auftrag.Ergebnis();
    EXPECT_TRUE(t.vollstaendig);
    ASSERT_EQ(t.saetze.size(), 3u); // the last holds only the closing line break
    auto hat = [&](int satz, int anfang, int32_t formId) {
        for (const auto &f : t.saetze[static_cast<size_t>(satz - 1)]->formen)
            if (f->vokabelId == amare && f->wortanfang == anfang && f->formId == formId && f->satz == satz)
                return true;
        return false;
    };
    EXPECT_TRUE(hat(1, 0, 329));  // amo: 1st singular present active indicative
    EXPECT_TRUE(hat(2, 14, 331)); // amat: 3rd singular
    for (const auto &s : t.saetze)
        for (const auto &f : s->formen)
            EXPECT_EQ(f->vokabelId, amare) << f->text.toStdString(); // te and nemo are not stored
}

} // namespace
} // namespace lexovita::test
