// Word class, inflection class and flags of a word-list row, from the
// headword and the principal parts as a teacher writes them.
#include "morph/vokabelregeln.h"

#include <gtest/gtest.h>

using namespace lexovita;

namespace {

struct Fall {
    const char *kopf;
    const char *formen;
    int32_t wortartVorgabe;
    // Expected entry; `fehler` non-empty means the row must be reported.
    int32_t wortart, konjdekl, flags;
    const char *f1, *f2, *f3;
    const char *fehler;
};

constexpr int32_t D = ATTR_DEPONENS, S = ATTR_SEMIDEPONENS, PT = ATTR_PLURALIS_TANTUM;

TEST(Klassenermittlung, JedeWortartUndKlasse)
{
    const Fall faelle[] = {
        // Verbs: the editor's proposal for -are/-ari, the first part for the others.
        {"amare", "amo, amavi, amatum", 0, WA_VERB, KD_A, 0, "amo", "amavi", "amatum", ""},
        {"monere", "moneo, monui, monitum", 0, WA_VERB, KD_E, 0, "moneo", "monui", "monitum", ""},
        {"ducere", "duco, duxi, ductum", 0, WA_VERB, KD_K, 0, "duco", "duxi", "ductum", ""},
        {"capere", "capio, cepi, captum", 0, WA_VERB, KD_G, 0, "capio", "cepi", "captum", ""},
        {"audire", "audio, audivi, auditum", 0, WA_VERB, KD_I, 0, "audio", "audivi", "auditum", ""},
        {"timere", "timeo, timui, -", 0, WA_VERB, KD_E, 0, "timeo", "timui", "", ""},
        {"hortari", "hortor, hortatus sum", 0, WA_VERB, KD_A, D, "hortor", "hortatus sum", "", ""},
        {"vereri", "vereor, veritus sum", 0, WA_VERB, KD_E, D, "vereor", "veritus sum", "", ""},
        {"sequi", "sequor, secutus sum", 0, WA_VERB, KD_K, D, "sequor", "secutus sum", "", ""},
        {"pati", "patior, passus sum", 0, WA_VERB, KD_G, D, "patior", "passus sum", "", ""},
        {"largiri", "largior, largitus sum", 0, WA_VERB, KD_I, D, "largior", "largitus sum", "", ""},
        {"gaudere", "gaudeo, gavisus sum", 0, WA_VERB, KD_E, S, "gaudeo", "gavisus sum", "", ""},
        {"laudare", "", WA_VERB, WA_VERB, KD_A, 0, "laudo", "laudavi", "laudatum", ""},
        // Nouns: the genitive and the gender decide.
        {"rosa", "rosae, f.", 0, WA_SUBSTANTIV, KD_A, 0, "rosae", "f", "", ""},
        {"dominus", "domini, m.", 0, WA_SUBSTANTIV, KD_O, 0, "domini", "m", "", ""},
        {"deus", "dei, m", 0, WA_SUBSTANTIV, KD_O, 0, "dei", "m", "", ""},
        {"castra", "castrorum, n.", 0, WA_SUBSTANTIV, KD_O, PT, "castrorum", "n", "", ""},
        {"res", "rei, f.", 0, WA_SUBSTANTIV, KD_E, 0, "rei", "f", "", ""},
        {"manus", "manus, f.", 0, WA_SUBSTANTIV, KD_U, 0, "manus", "f", "", ""},
        {"rex", "regis, m.", 0, WA_SUBSTANTIV, KD_K, 0, "regis", "m", "", ""},
        {"pater", "patris, m.", 0, WA_SUBSTANTIV, KD_K, 0, "patris", "m", "", ""},
        {"corpus", "corporis, n.", 0, WA_SUBSTANTIV, KD_K, 0, "corporis", "n", "", ""},
        {"civis", "civis, m./f.", 0, WA_SUBSTANTIV, KD_G, 0, "civis", "p", "", ""},
        {"urbs", "urbis, f.", 0, WA_SUBSTANTIV, KD_G, 0, "urbis", "f", "", ""},
        {"mare", "maris, n.", 0, WA_SUBSTANTIV, KD_I, 0, "maris", "n", "", ""},
        {"animal", "animalis, n.", 0, WA_SUBSTANTIV, KD_I, 0, "animalis", "n", "", ""},
        // Adjectives: the editor's rule from the three forms.
        {"bonus", "bona, bonum", 0, WA_ADJEKTIV, KD_O, 0, "bonus", "bona", "bonum", ""},
        {"pulcher", "pulchra, pulchrum", 0, WA_ADJEKTIV, KD_O, 0, "pulcher", "pulchra", "pulchrum", ""},
        {"acer", "acris, acre", 0, WA_ADJEKTIV, KD_I, 0, "acer", "acris", "acre", ""},
        {"omnis", "omne", 0, WA_ADJEKTIV, KD_I, 0, "omnis", "omnis", "omne", ""},
        {"felix", "felicis", WA_ADJEKTIV, WA_ADJEKTIV, KD_I, 0, "felicis", "", "", ""},
        // Adverb, pronoun, a word without forms.
        {"saepe", "saepius, saepissime", 0, WA_ADVERB, KD_KEINE, 0, "saepius", "saepissime", "", ""},
        {"ille", "m.", WA_PRONOMEN, WA_PRONOMEN, KD_KEINE, 0, "", "m", "", ""},
        {"et", "", 0, WA_UNBESTIMMT, KD_KEINE, 0, "", "", "", ""},
        // Ambiguous or unreadable: reported, not guessed.
        {"felix", "felicis", 0, 0, 0, 0, "", "", "", "ohne Genus oder Adjektiv"},
        {"dominus", "domini", 0, 0, 0, 0, "", "", "", "Genus fehlt"},
        {"esse", "sum, fui, -", 0, 0, 0, 0, "", "", "", "Konjugation"},
        {"ire", "eo, ii, itum", 0, 0, 0, 0, "", "", "", "Konjugation"},
        {"ferre", "fero, tuli, latum", 0, 0, 0, 0, "", "", "", "Konjugation"},
        {"moenia", "moenium, n.", 0, 0, 0, 0, "", "", "", "Deklination"},
        {"rex", "regis", WA_SUBSTANTIV, 0, 0, 0, "", "", "", "Genus fehlt"},
        {"xyz", "abc, def", 0, 0, 0, 0, "", "", "", "Wortart"},
        {"amare", "amo, amavi, amatum, amandum", 0, 0, 0, 0, "", "", "", "höchstens drei"},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(std::string(f.kopf) + "; " + f.formen);
        TVokabel v;
        v.vokabel = QString::fromUtf8(f.kopf);
        v.form1 = QStringLiteral("alt");
        const QString grund = KlasseErmitteln(v, QString::fromUtf8(f.formen), f.wortartVorgabe);
        if (*f.fehler) {
            EXPECT_TRUE(grund.contains(QString::fromUtf8(f.fehler))) << grund.toStdString();
            EXPECT_TRUE(grund.contains(QString::fromUtf8(f.kopf)));
            EXPECT_EQ(v.Wortart(), WA_UNBESTIMMT) << "a reported row leaves the entry as it came";
            EXPECT_EQ(v.form1, QStringLiteral("alt"));
            continue;
        }
        EXPECT_TRUE(grund.isEmpty()) << grund.toStdString();
        EXPECT_EQ(v.Wortart(), f.wortart);
        EXPECT_EQ(v.KonjDekl(), f.konjdekl);
        EXPECT_EQ(v.attribute & ~(ATTR_WORTART_MASKE | ATTR_KONJDEKL_MASKE), f.flags);
        EXPECT_EQ(v.form1, QString::fromUtf8(f.f1));
        EXPECT_EQ(v.form2, QString::fromUtf8(f.f2));
        EXPECT_EQ(v.form3, QString::fromUtf8(f.f3));
    }
}

} // namespace
