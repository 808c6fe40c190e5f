#include "model/vokabel.h"

#include <gtest/gtest.h>

using namespace lexovita;

namespace {

// "text g/p" pairs in list order, for compact expectations.
std::vector<std::string> Bedeutungen(const TVokabel &v)
{
    std::vector<std::string> aus;
    for (const auto &b : v.bedeutungen)
        aus.push_back(QStringLiteral("%1 %2/%3").arg(b->bedeutung).arg(b->gruppe).arg(b->position).toStdString());
    return aus;
}

using Liste = std::vector<std::string>;

} // namespace

TEST(VokabelAttribute, NewEntryIsUndeterminedWithoutFlagsOrLists)
{
    TVokabel v;
    EXPECT_EQ(v.id, 0);
    EXPECT_EQ(v.Wortart(), WA_UNBESTIMMT);
    EXPECT_EQ(v.KonjDekl(), KD_KEINE);
    EXPECT_FALSE(v.Deponens() || v.Semideponens() || v.PluralisTantum() || v.SingularisTantum() || v.KeinPassiv());
    EXPECT_TRUE(v.bedeutungen.empty() && v.merkhilfen.empty() && v.sonderformen.empty() && v.Verweise().empty());
}

TEST(VokabelAttribute, InvalidCodesFallBackToUndeterminedAndNone)
{
    TVokabel v;
    v.SetWortart(0);
    EXPECT_EQ(v.Wortart(), WA_UNBESTIMMT);
    v.SetWortart(7);
    EXPECT_EQ(v.Wortart(), WA_UNBESTIMMT);
    v.SetKonjDekl(KD_K);
    v.SetKonjDekl(12);
    EXPECT_EQ(v.KonjDekl(), KD_KEINE);
    v.SetKonjDekl(64);
    EXPECT_EQ(v.KonjDekl(), KD_KEINE);
}

TEST(VokabelAttribute, EachAccessorTouchesOnlyItsOwnBits)
{
    TVokabel v;
    v.attribute = ATTR_RESERVIERT;
    v.SetWortart(WA_VERB);
    v.SetKonjDekl(KD_G);
    v.SetDeponens(true);
    v.SetKeinPassiv(true);
    EXPECT_EQ(v.attribute, ATTR_RESERVIERT | WA_VERB | KD_G | ATTR_DEPONENS | ATTR_KEIN_PASSIV);
    v.SetWortart(WA_ADJEKTIV);
    v.SetDeponens(false);
    EXPECT_EQ(v.attribute, ATTR_RESERVIERT | WA_ADJEKTIV | KD_G | ATTR_KEIN_PASSIV);
    v.SetPluralisTantum(true);
    v.SetSingularisTantum(true);
    v.SetSemideponens(true);
    EXPECT_EQ(v.attribute & 0x3C0, ATTR_PLURALIS_TANTUM | ATTR_SINGULARIS_TANTUM | ATTR_SEMIDEPONENS);
}

TEST(VokabelTabellen, StoredLettersMapBothWaysAndUnknownLettersFallBack)
{
    for (int32_t wa : {WA_VERB, WA_SUBSTANTIV, WA_ADVERB, WA_ADJEKTIV, WA_PRONOMEN})
        EXPECT_EQ(WortartAusBuchstabe(WortartBuchstabe(wa)), wa);
    EXPECT_EQ(WortartBuchstabe(WA_UNBESTIMMT), QString());
    EXPECT_EQ(WortartAusBuchstabe(QStringLiteral("x")), WA_UNBESTIMMT);
    EXPECT_EQ(WortartAusBuchstabe(QString()), WA_UNBESTIMMT);
    for (int32_t kd = KD_A; kd <= KD_G; kd += 8)
        EXPECT_EQ(KonjDeklAusBuchstabe(KonjDeklBuchstabe(kd)), kd);
    EXPECT_EQ(KonjDeklAusBuchstabe(QStringLiteral("z")), KD_KEINE);
    EXPECT_EQ(KonjDeklBuchstabe(KD_KEINE), QString());
    EXPECT_EQ(KonjDeklBuchstabe(KD_K), QStringLiteral("k"));
}

TEST(VokabelTabellen, InflectionNamesDependOnTheWordClass)
{
    EXPECT_EQ(KonjDeklName(WA_VERB, KD_O), QStringLiteral("Unbekannt"));
    EXPECT_EQ(KonjDeklName(WA_VERB, KD_K), QStringLiteral("Konsonantische Konjugation"));
    EXPECT_EQ(KonjDeklName(WA_SUBSTANTIV, KD_KEINE), QStringLiteral("Keine Deklination"));
    EXPECT_EQ(KonjDeklName(WA_SUBSTANTIV, KD_G), QStringLiteral("Gemischte Deklination"));
    EXPECT_EQ(KonjDeklName(WA_ADJEKTIV, KD_A), QStringLiteral("O/A-Deklination"));
    EXPECT_EQ(KonjDeklName(WA_ADJEKTIV, KD_O), QStringLiteral("O/A-Deklination"));
    EXPECT_EQ(KonjDeklName(WA_ADJEKTIV, KD_E), QStringLiteral("Keine Deklination"));
    EXPECT_EQ(KonjDeklName(WA_ADVERB, KD_A), QString());
    TVokabel v;
    v.SetWortart(WA_VERB);
    EXPECT_EQ(v.KonjDeklText(), QStringLiteral("Unbekannt"));
    EXPECT_EQ(v.WortartText(), QStringLiteral("Verb"));
    EXPECT_EQ(SpracheName(9), QStringLiteral("Andere Sprache"));
    EXPECT_EQ(SpracheAusName(QStringLiteral("Französisch")), SPR_FRANZOESISCH);
}

TEST(VokabelBedeutungen, AddingTrimsAndIgnoresEmptyTexts)
{
    TVokabel v;
    v.BedeutungHinzufuegen(QStringLiteral("  lieben "), QStringLiteral(" gern haben "), 1, 1);
    v.BedeutungHinzufuegen(QStringLiteral("   "), QString(), 1, 2);
    ASSERT_EQ(v.bedeutungen.size(), 1u);
    EXPECT_EQ(v.bedeutungen[0]->bedeutung, QStringLiteral("lieben"));
    EXPECT_EQ(v.bedeutungen[0]->kommentar, QStringLiteral("gern haben"));
}

TEST(VokabelBedeutungen, AGroupBeyondTheNextOneFallsBackToGroupOne)
{
    TVokabel v;
    v.BedeutungHinzufuegen(QStringLiteral("a"), {}, 1, 1);
    v.BedeutungHinzufuegen(QStringLiteral("b"), {}, 2, 1);
    v.BedeutungHinzufuegen(QStringLiteral("c"), {}, 5, 1);
    v.BedeutungAnhaengen(QStringLiteral("d"), {}, 2);
    v.BedeutungAnhaengen(QStringLiteral("e"), {}, 3);
    EXPECT_EQ(Bedeutungen(v), (Liste{"a 1/1", "b 2/1", "c 1/1", "d 2/2", "e 3/1"}));
    EXPECT_EQ(v.MaxGruppe(), 3);
    EXPECT_EQ(TVokabel().MaxGruppe(), 1);
}

TEST(VokabelBedeutungen, SearchFindsTheLastExactMatch)
{
    TVokabel v;
    v.BedeutungHinzufuegen(QStringLiteral("Weg"), QStringLiteral("erste"), 1, 1);
    v.BedeutungHinzufuegen(QStringLiteral("Weg"), QStringLiteral("zweite"), 1, 2);
    ASSERT_NE(v.BedeutungSuchen(QStringLiteral("Weg")), nullptr);
    EXPECT_EQ(v.BedeutungSuchen(QStringLiteral("Weg"))->kommentar, QStringLiteral("zweite"));
    EXPECT_EQ(v.BedeutungSuchen(QStringLiteral("weg")), nullptr);
}

TEST(VokabelBedeutungen, MovingWithinAGroupShiftsTheOthers)
{
    TVokabel v;
    v.BedeutungHinzufuegen(QStringLiteral("a"), {}, 1, 1);
    v.BedeutungHinzufuegen(QStringLiteral("b"), {}, 1, 2);
    v.BedeutungHinzufuegen(QStringLiteral("c"), {}, 1, 3);
    v.BedeutungAendern(QStringLiteral("a"), QString(), 3, 1, QStringLiteral("neu"));
    EXPECT_EQ(Bedeutungen(v), (Liste{"a 1/3", "b 1/1", "c 1/2"}));
    EXPECT_EQ(v.bedeutungen[0]->kommentar, QStringLiteral("neu"));
    v.BedeutungAendern(QStringLiteral("a"), QStringLiteral("A"), 1, 1, {});
    EXPECT_EQ(Bedeutungen(v), (Liste{"A 1/1", "b 1/2", "c 1/3"}));
}

TEST(VokabelBedeutungen, MovingToAnotherGroupRenumbersBothAndClosesAnEmptiedGroup)
{
    TVokabel v;
    v.BedeutungHinzufuegen(QStringLiteral("a"), {}, 1, 1);
    v.BedeutungHinzufuegen(QStringLiteral("b"), {}, 2, 1);
    v.BedeutungHinzufuegen(QStringLiteral("c"), {}, 3, 1);
    v.BedeutungHinzufuegen(QStringLiteral("d"), {}, 3, 2);
    // b leaves group 2, which becomes empty: group 3 closes up to 2.
    v.BedeutungAendern(QStringLiteral("b"), QString(), 1, 1, {});
    EXPECT_EQ(Bedeutungen(v), (Liste{"a 1/2", "b 1/1", "c 2/1", "d 2/2"}));
    // Moving d to position 1 of group 1 shifts group 1 and closes the gap in group 2.
    v.BedeutungAendern(QStringLiteral("d"), QString(), 1, 1, {});
    EXPECT_EQ(Bedeutungen(v), (Liste{"a 1/3", "b 1/2", "c 2/1", "d 1/1"}));
}

TEST(VokabelBedeutungen, ChangingAnUnknownMeaningChangesNothing)
{
    TVokabel v;
    v.BedeutungHinzufuegen(QStringLiteral("a"), {}, 1, 1);
    v.BedeutungAendern(QStringLiteral("x"), QStringLiteral("y"), 2, 1, {});
    EXPECT_EQ(Bedeutungen(v), (Liste{"a 1/1"}));
}

TEST(VokabelBedeutungen, RemovingTheOnlyMeaningOfAGroupRenumbersLaterGroups)
{
    TVokabel v;
    v.BedeutungHinzufuegen(QStringLiteral("a"), {}, 1, 1);
    v.BedeutungHinzufuegen(QStringLiteral("a2"), {}, 1, 2);
    v.BedeutungHinzufuegen(QStringLiteral("b"), {}, 2, 1);
    v.BedeutungHinzufuegen(QStringLiteral("c"), {}, 3, 1);
    v.BedeutungEntfernen(QStringLiteral(" b "));
    EXPECT_EQ(Bedeutungen(v), (Liste{"a 1/1", "a2 1/2", "c 2/1"}));
    v.BedeutungEntfernen(QStringLiteral("a"));
    EXPECT_EQ(Bedeutungen(v), (Liste{"a2 1/1", "c 2/1"}));
    v.BedeutungEntfernen(QStringLiteral("nicht da"));
    EXPECT_EQ(v.bedeutungen.size(), 2u);
}

TEST(VokabelBedeutungen, SortingOrdersByGroupThenPositionAndIsStable)
{
    TVokabel v;
    v.BedeutungHinzufuegen(QStringLiteral("c"), {}, 1, 2);
    v.BedeutungHinzufuegen(QStringLiteral("d"), {}, 2, 1);
    v.BedeutungHinzufuegen(QStringLiteral("a"), {}, 1, 1);
    v.BedeutungHinzufuegen(QStringLiteral("b"), {}, 1, 1);
    v.BedeutungenSortieren();
    EXPECT_EQ(Bedeutungen(v), (Liste{"a 1/1", "b 1/1", "c 1/2", "d 2/1"}));
    EXPECT_EQ(v.BedeutungenText(), QStringLiteral("a, b, c, d"));
}

TEST(VokabelMerkhilfen, DuplicatesPerLanguageAreIgnoredAndUnknownLanguagesBecomeOther)
{
    TVokabel v;
    v.MerkhilfeHinzufuegen(QStringLiteral("amicable"), SPR_ENGLISCH);
    v.MerkhilfeHinzufuegen(QStringLiteral(" amicable "), SPR_ENGLISCH);
    v.MerkhilfeHinzufuegen(QStringLiteral("amicable"), SPR_DEUTSCH);
    v.MerkhilfeHinzufuegen(QStringLiteral("x"), 9);
    v.MerkhilfeHinzufuegen(QString(), SPR_DEUTSCH);
    ASSERT_EQ(v.merkhilfen.size(), 3u);
    EXPECT_EQ(v.merkhilfen[2]->sprache, SPR_ANDERE);
    EXPECT_EQ(SpracheName(v.merkhilfen[2]->sprache), QStringLiteral("Andere Sprache"));
    EXPECT_TRUE(v.MerkhilfeVorhanden(QStringLiteral("amicable"), SPR_DEUTSCH));
    EXPECT_FALSE(v.MerkhilfeVorhanden(QStringLiteral("amicable"), SPR_FRANZOESISCH));
}

TEST(VokabelVerweise, ReferencesStaySortedWithoutCaseInsensitiveDuplicates)
{
    TVokabel v;
    v.VerweisHinzufuegen(QStringLiteral("servus"));
    v.VerweisHinzufuegen(QStringLiteral("Amicus"));
    v.VerweisHinzufuegen(QStringLiteral(" amicus "));
    v.VerweisHinzufuegen(QStringLiteral(""));
    v.VerweisHinzufuegen(QStringLiteral("dominus"));
    EXPECT_EQ(v.Verweise(),
              (QStringList{QStringLiteral("Amicus"), QStringLiteral("dominus"), QStringLiteral("servus")}));
}

TEST(VokabelFormenText, VerbsAndAdjectivesMarkMissingInnerParts)
{
    TVokabel v;
    v.SetWortart(WA_VERB);
    v.form1 = QStringLiteral("amo");
    v.form2 = QStringLiteral("amavi");
    v.form3 = QStringLiteral("amatum");
    EXPECT_EQ(v.FormenText(), QStringLiteral("amo, amavi, amatum"));
    v.form1.clear();
    EXPECT_EQ(v.FormenText(), QStringLiteral("[n/a], amavi, amatum"));
    v.form2.clear();
    EXPECT_EQ(v.FormenText(), QStringLiteral("[n/a], [n/a], amatum"));
    v.form1 = QStringLiteral("amo");
    EXPECT_EQ(v.FormenText(), QStringLiteral("amo, [n/a], amatum"));
    v.form3.clear();
    EXPECT_EQ(v.FormenText(), QStringLiteral("amo"));
    v.SetWortart(WA_ADJEKTIV);
    v.form1.clear();
    EXPECT_EQ(v.FormenText(), QString());
}

TEST(VokabelFormenText, NounsShowGenitiveAndGender)
{
    TVokabel v;
    v.SetWortart(WA_SUBSTANTIV);
    v.form2 = QStringLiteral("f");
    EXPECT_EQ(v.FormenText(), QStringLiteral("[n/a], f."));
    v.form1 = QStringLiteral("civis");
    v.form2 = QStringLiteral("p");
    EXPECT_EQ(v.FormenText(), QStringLiteral("civis, m./f."));
    v.form2.clear();
    EXPECT_EQ(v.FormenText(), QStringLiteral("civis"));
    v.form1.clear(); // nothing stored: no placeholder before nothing
    EXPECT_EQ(v.FormenText(), QString());
}

TEST(VokabelFormenText, AdverbsPronounsAndOthers)
{
    TVokabel v;
    v.SetWortart(WA_ADVERB);
    v.form1 = QStringLiteral("celerius");
    v.form2 = QStringLiteral("celerrime");
    EXPECT_EQ(v.FormenText(), QStringLiteral("celerius, celerrime"));
    v.form1.clear();
    EXPECT_EQ(v.FormenText(), QStringLiteral("celerrime"));
    v.SetWortart(WA_PRONOMEN);
    v.form2 = QStringLiteral("p");
    EXPECT_EQ(v.FormenText(), QStringLiteral("m. + f."));
    v.form2.clear();
    EXPECT_EQ(v.FormenText(), QStringLiteral("kein Genus"));
    v.SetWortart(WA_UNBESTIMMT);
    v.form1 = QStringLiteral("x");
    EXPECT_EQ(v.FormenText(), QString());
}

namespace {
void Fuellen(TVokabel &v)
{
    v.vokabel = QStringLiteral("amicus");
    v.SetWortart(WA_SUBSTANTIV);
    v.SetKonjDekl(KD_O);
    v.form1 = QStringLiteral("amici");
    v.form2 = QStringLiteral("m");
    v.BedeutungHinzufuegen(QStringLiteral("Freund"), QStringLiteral("eng"), 1, 1);
    v.BedeutungHinzufuegen(QStringLiteral("Gönner"), {}, 2, 1);
    v.MerkhilfeHinzufuegen(QStringLiteral("ami"), SPR_FRANZOESISCH);
    v.sonderformen.push_back(std::make_unique<TLatForm>(0, QStringLiteral("amice"), 0x2000));
}
} // namespace

TEST(VokabelVergleich, CaseOfPartsOrderOfMeaningsAndRemarksDoNotMatter)
{
    TVokabel a, b;
    Fuellen(a);
    Fuellen(b);
    b.vokabel = QStringLiteral("Amicus");
    b.bedeutungen.clear();
    b.BedeutungHinzufuegen(QStringLiteral("Gönner"), QStringLiteral("anders"), 1, 1);
    b.BedeutungHinzufuegen(QStringLiteral("Freund"), {}, 1, 2);
    b.id = 42;
    b.aktualisierung = QStringLiteral("20240101000000");
    b.VerweisHinzufuegen(QStringLiteral("servus"));
    b.attribute |= ATTR_RESERVIERT;
    EXPECT_TRUE(a.IstGleich(b));
    EXPECT_TRUE(b.IstGleich(a));
}

TEST(VokabelVergleich, AnExtraAidMeaningSpecialFormOrFlagMakesThemDiffer)
{
    TVokabel a;
    Fuellen(a);
    {
        TVokabel b;
        Fuellen(b);
        b.MerkhilfeHinzufuegen(QStringLiteral("amico"), SPR_ITALIENISCH);
        EXPECT_FALSE(a.IstGleich(b));
        EXPECT_FALSE(b.IstGleich(a));
    }
    {
        TVokabel b;
        Fuellen(b);
        b.BedeutungHinzufuegen(QStringLiteral("Verbündeter"), {}, 1, 2);
        EXPECT_FALSE(a.IstGleich(b));
    }
    {
        TVokabel b;
        Fuellen(b);
        b.sonderformen[0]->text = QStringLiteral("amicus");
        EXPECT_FALSE(a.IstGleich(b));
    }
    {
        TVokabel b;
        Fuellen(b);
        b.SetSingularisTantum(true);
        EXPECT_FALSE(a.IstGleich(b));
    }
}

TEST(VokabelKopieren, CopyKeepsMeaningsGroupsAndLeavesTargetSpecialForms)
{
    TVokabel a;
    Fuellen(a);
    a.id = 7;
    a.VerweisHinzufuegen(QStringLiteral("servus"));
    TVokabel ziel;
    ziel.BedeutungHinzufuegen(QStringLiteral("alt"), {}, 1, 1);
    ziel.sonderformen.push_back(std::make_unique<TLatForm>(0, QStringLiteral("x"), 0x4000));
    a.KopierenNach(ziel);
    EXPECT_EQ(ziel.id, 7);
    EXPECT_EQ(Bedeutungen(ziel), (Liste{"Freund 1/1", "Gönner 2/1"}));
    EXPECT_EQ(ziel.bedeutungen[0]->kommentar, QStringLiteral("eng"));
    EXPECT_EQ(ziel.Verweise(), QStringList{QStringLiteral("servus")});
    ASSERT_EQ(ziel.sonderformen.size(), 1u);
    EXPECT_EQ(ziel.sonderformen[0]->formId, 0x4000);
    EXPECT_EQ(ziel.merkhilfen.size(), 1u);
}
