// Forms tree, category trees and the analysis tree of one entry.
#include "morph/formenbaum.h"
#include "morph/formid.h"
#include "morph/kategorien.h"

#include <gtest/gtest.h>

#include "morph_hilfe.h"

#include <set>

using namespace lexovita;
using namespace lexovita::test;

namespace {

const TBaumKnoten *Finden(const std::vector<TBaumKnoten> &knoten, const char *caption, int32_t art)
{
    for (const TBaumKnoten &k : knoten)
        if (k.daten.caption == QString::fromUtf8(caption) && k.daten.kind == art)
            return &k;
    return nullptr;
}

// The rows of a heading (first one with that caption), in order.
std::vector<const TBaumKnoten *> Zeilen(const std::vector<TBaumKnoten> &knoten, const char *ueberschrift)
{
    std::vector<const TBaumKnoten *> zeilen;
    for (size_t i = 0; i < knoten.size(); ++i) {
        if (knoten[i].daten.caption != QString::fromUtf8(ueberschrift) || knoten[i].daten.kind != KNOTEN_UEBERSCHRIFT)
            continue;
        for (size_t j = i + 1; j < knoten.size() && knoten[j].ebene > knoten[i].ebene; ++j)
            if (knoten[j].daten.kind == KNOTEN_FORM)
                zeilen.push_back(&knoten[j]);
        break;
    }
    return zeilen;
}

std::vector<std::string> Texte(const std::vector<const TBaumKnoten *> &zeilen)
{
    std::vector<std::string> t;
    for (const TBaumKnoten *k : zeilen)
        t.push_back(k->daten.caption.toStdString() + "=" + k->daten.text.toStdString());
    return t;
}

TVokabel Hortari()
{
    return Eintrag(WA_VERB, KD_A, "hortari", "hortor", "hortatus sum", "", ATTR_DEPONENS);
}
TVokabel Amare()
{
    return Eintrag(WA_VERB, KD_A, "amare", "amo", "amavi", "amatum");
}

} // namespace

TEST(FormenBaum, DeponensHatKeinPassivKeinSupinUndEinAktivesPartizipPerfekt)
{
    for (int32_t flag : {ATTR_DEPONENS, ATTR_SEMIDEPONENS}) {
        TVokabel v = Eintrag(WA_VERB, KD_A, "hortari", "hortor", "hortatus sum", "", flag);
        TFormenmanager m;
        const auto knoten = FormenBaumKnoten(m, v, 1);
        ASSERT_FALSE(knoten.empty());
        for (const TBaumKnoten &k : knoten) {
            EXPECT_NE(fid::GenusVerbi(k.daten.id), fid::PASSIV) << S(k.daten.label);
            EXPECT_NE(k.daten.caption, QStringLiteral("Passiv"));
            EXPECT_NE(k.daten.caption, QStringLiteral("Supin"));
            EXPECT_NE(k.daten.caption, QStringLiteral("Partizip Perfekt Passiv"));
        }
        const auto partizip = Zeilen(knoten, "Partizip Perfekt Aktiv");
        ASSERT_EQ(partizip.size(), 30u);
        EXPECT_EQ(partizip.front()->daten.id, 1312 + fid::MASKULINUM + fid::NOM_SG);
        EXPECT_EQ(partizip.front()->daten.label, QStringLiteral("Partizip Perfekt Aktiv Nominativ Sg. maskulinum"));
        EXPECT_EQ(Texte(Zeilen(knoten, "Infinitive")),
                  (std::vector<std::string>{"Präsens Aktiv=hortari", "Perfekt Aktiv=hortatum esse",
                                            "Futur Aktiv=hortaturum esse"}));
        // Imperativ II of a deponent has no second person plural.
        std::vector<int32_t> imp2;
        for (const TBaumKnoten *k : Zeilen(knoten, "Imperativ II"))
            imp2.push_back(k->daten.id);
        EXPECT_EQ(imp2, (std::vector<int32_t>{210, 211, 214}));
    }
}

TEST(FormenBaum, AktivesVerbHatBeideGeneraUndSupinMitTexten)
{
    TVokabel v = Amare();
    TFormenmanager m;
    const auto knoten = FormenBaumKnoten(m, v, 1, {329, 2312});
    // 6 + 6 tenses x 6 persons in the indicative, 4 + 4 in the subjunctive.
    int finit = 0;
    for (const TBaumKnoten &k : knoten)
        if (k.daten.kind == KNOTEN_FORM &&
            (fid::Modus(k.daten.id) == fid::INDIKATIV || fid::Modus(k.daten.id) == fid::KONJUNKTIV))
            ++finit;
    EXPECT_EQ(finit, (12 + 8) * 6);
    // The generator files the u-form under Supinum I, the um-form under Supinum II.
    EXPECT_EQ(Texte(Zeilen(knoten, "Supin")), (std::vector<std::string>{"Supinum I=amatu", "Supinum II=amatum"}));
    EXPECT_EQ(Texte(Zeilen(knoten, "Imperativ I")),
              (std::vector<std::string>{"2. Person Sg.=ama", "2. Person Pl.=amate"}));
    EXPECT_EQ(Texte(Zeilen(knoten, "Gerundium")).front(), "Nominativ Sg.=amare");
    ASSERT_NE(Finden(knoten, "Partizip Perfekt Passiv", KNOTEN_UEBERSCHRIFT), nullptr);

    // Headings carry id 0; rows their identifier and label; the drill
    // selections check exactly their rows.
    std::vector<int32_t> angehakt;
    for (const TBaumKnoten &k : knoten) {
        if (k.daten.kind == KNOTEN_UEBERSCHRIFT) {
            EXPECT_EQ(k.daten.id, 0);
        } else {
            EXPECT_EQ(k.daten.label, FormBezeichnung(k.daten.id));
        }
        if (k.angehakt)
            angehakt.push_back(k.daten.id);
    }
    EXPECT_EQ(angehakt, (std::vector<int32_t>{329, 2312}));
    EXPECT_EQ(knoten.front().daten.caption, QStringLiteral("Indikativ"));
    EXPECT_EQ(knoten.front().ebene, 0);
}

TEST(FormenBaum, NominaNachWortart)
{
    TFormenmanager m;
    const struct {
        TVokabel v;
        int art;
        size_t zeilen;
        int32_t ersteId;
    } faelle[] = {
        {Eintrag(WA_SUBSTANTIV, KD_A, "puella", "puellae", "f"), 1, 10, fid::FEMININUM | fid::NOM_SG},
        {Eintrag(WA_SUBSTANTIV, KD_K, "civis", "civis", "p"), 1, 10, fid::MASK_FEM | fid::NOM_SG},
        {Eintrag(WA_PRONOMEN, KD_KEINE, "ille"), 1, 10, fid::NOM_SG},
        {Eintrag(WA_ADJEKTIV, KD_O, "bonus", "boni", "bona", "bonum"), 1, 3 * 30 + 3,
         fid::POSITIV | fid::MASKULINUM | fid::NOM_SG},
        {Eintrag(WA_ADVERB, KD_KEINE, "bene"), 1, 2 * 30, fid::KOMPARATIV | fid::MASKULINUM | fid::NOM_SG},
        // A verb needs the full tree; other kinds leave it empty.
        {Amare(), 2, 0, 0},
    };
    for (const auto &f : faelle) {
        const auto knoten = FormenBaumKnoten(m, f.v, f.art);
        std::vector<const TBaumKnoten *> zeilen;
        for (const TBaumKnoten &k : knoten)
            if (k.daten.kind == KNOTEN_FORM)
                zeilen.push_back(&k);
        EXPECT_EQ(zeilen.size(), f.zeilen) << S(f.v.vokabel);
        if (!zeilen.empty()) {
            EXPECT_EQ(zeilen.front()->daten.id, f.ersteId) << S(f.v.vokabel);
        }
    }
    const auto adjektiv = FormenBaumKnoten(m, Eintrag(WA_ADJEKTIV, KD_O, "bonus", "boni", "bona", "bonum"), 1);
    std::vector<int32_t> adverb;
    for (const TBaumKnoten *k : Zeilen(adjektiv, "Adverb"))
        adverb.push_back(k->daten.id);
    EXPECT_EQ(adverb, (std::vector<int32_t>{0x280000, 0x300000, 0x380000}));
}

namespace {

std::set<std::pair<int32_t, int32_t>> Formen(const TVokabel &v, int art)
{
    std::set<std::pair<int32_t, int32_t>> ids;
    for (const TKategorieKnoten &k : KategorieSelektoren(v, art)) {
        if (k.selektor == 0)
            continue;
        TFormenmanager m;
        m.FormenErzeugen(v, k.selektor);
        for (const TLatForm &f : m.Ergebnisliste())
            ids.insert({f.formId, f.variante});
    }
    return ids;
}

} // namespace

TEST(KategorieBaum, NachStammUndNachKategorieBietenDieselbenFormen)
{
    const TVokabel amare = Amare();
    const auto nachKategorie = Formen(amare, 1);
    EXPECT_GT(nachKategorie.size(), 200u);
    EXPECT_EQ(Formen(amare, 2), nachKategorie);

    const auto stamm = KategorieSelektoren(amare, 2);
    ASSERT_FALSE(stamm.empty());
    EXPECT_EQ(stamm.front().beschriftung, QStringLiteral("Präsensstamm"));
    int wurzeln = 0;
    for (const TKategorieKnoten &k : stamm)
        wurzeln += k.ebene == 0;
    EXPECT_EQ(wurzeln, 3);

    // A deponent by stem: perfect forms hang on the participle stem, and no
    // node asks for the passive.
    const auto deponens = KategorieSelektoren(Hortari(), 2);
    QStringList oben;
    for (const TKategorieKnoten &k : deponens) {
        if (k.ebene == 0)
            oben << k.beschriftung;
        EXPECT_NE(fid::GenusVerbi(k.selektor), fid::PASSIV) << S(k.beschriftung);
    }
    EXPECT_EQ(oben, (QStringList{QStringLiteral("Präsensstamm"), QStringLiteral("Partizipialstamm")}));
    // Nouns: one node, the headword, in both kinds.
    const TVokabel puella = Eintrag(WA_SUBSTANTIV, KD_A, "puella", "puellae", "f");
    ASSERT_EQ(KategorieSelektoren(puella, 2).size(), 1u);
    EXPECT_EQ(KategorieSelektoren(puella, 2).front().beschriftung, QStringLiteral("puella"));
}

TEST(AnalyseBaum, ZeigtNurBezeichneteErgebnisseDerVokabelInListenfolge)
{
    TVokabel v = Amare();
    v.BedeutungAnhaengen(QStringLiteral("lieben"), {}, 1);
    v.BedeutungAnhaengen(QStringLiteral("mögen"), {}, 1);
    const std::vector<TLatForm> ergebnisse = {
        {v.id, QStringLiteral("amavisti"), 354, QStringLiteral("2. Prs. Sg. Perfekt Aktiv Indikativ")},
        {v.id + 1, QStringLiteral("amavisti"), 354, QStringLiteral("fremd")},
        {v.id, QStringLiteral("amavisti"), 0, QString()},
        {v.id, QStringLiteral("amavisti"), 418, QStringLiteral("2. Prs. Sg. Perfekt Aktiv Konjunktiv")},
    };
    const auto knoten = AnalyseBaumKnoten(v, ergebnisse);
    QStringList zeilen;
    for (const TBaumKnoten &k : knoten)
        zeilen << QString(k.ebene * 2, QLatin1Char(' ')) + k.daten.caption;
    EXPECT_EQ(zeilen, (QStringList{"amare", "  Bedeutungen", "    lieben", "    mögen", "  Attribute",
                                   "    Formen: " + v.FormenText(), "    Konjugation: " + v.KonjDeklText(),
                                   "  Analysierte Formen", "    2. Prs. Sg. Perfekt Aktiv Indikativ",
                                   "    2. Prs. Sg. Perfekt Aktiv Konjunktiv"}));
    EXPECT_EQ(knoten.back().daten.kind, KNOTEN_FORM);
    EXPECT_TRUE(knoten.front().ausgeklappt);

    // An undetermined entry shows only its meanings.
    TVokabel et = Eintrag(WA_UNBESTIMMT, KD_KEINE, "et");
    et.BedeutungAnhaengen(QStringLiteral("und"), {}, 1);
    EXPECT_EQ(AnalyseBaumKnoten(et, {}).size(), 3u);
}
