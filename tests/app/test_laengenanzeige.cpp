// The one decision how Latin text is shown, over the texts every view takes
// from it: headword, principal parts, generated forms and the printed page.
#include "app/laengenanzeige.h"

#include "model/config.h"
#include "morph/formenbaum.h"
#include "morph/formid.h"
#include "render/seiten.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lexovita;

namespace {

std::string S(const QString &s)
{
    return s.toStdString();
}

void Verb(TVokabel &v, const char *vokabel, const char *f1, const char *f2, const char *f3)
{
    v.vokabel = QString::fromUtf8(vokabel);
    v.form1 = QString::fromUtf8(f1);
    v.form2 = QString::fromUtf8(f2);
    v.form3 = QString::fromUtf8(f3);
    v.SetWortart(WA_VERB);
    v.SetKonjDekl(KD_A);
    v.BedeutungAnhaengen(QStringLiteral("lieben"), {}, 1);
}

} // namespace

TEST(Laengenanzeige, HeadwordFormsAndPrintedPageFollowTheTwoSettings)
{
    QTemporaryDir dir;
    TConfig config(dir.filePath(QStringLiteral("e.ini")));
    EXPECT_TRUE(config.Laengen);    // shown unless switched off
    EXPECT_FALSE(config.Betonung);  // off unless switched on
    EXPECT_FALSE(config.lrLaengen); // drills as before unless switched on

    TVokabel markiert, schlicht;
    Verb(markiert, "amāre", "amō", "amāvī", "amātum");
    Verb(schlicht, "amare", "amo", "amavi", "amatum");
    const int32_t perfekt = fid::INDIKATIV | fid::AKTIV | fid::PERFEKT | 1;

    const struct {
        bool laengen, betonung;
        const char *vokabel, *formen, *perfekt, *schlichtVokabel, *schlichtPerfekt;
    } faelle[] = {
        // Lengths as stored; the unmarked entry's forms stay plain rather
        // than show a long ending on a stem of unknown length (amavī).
        {true, false, "amāre", "amō, amāvī, amātum", "amāvī", "amare", "amavi"},
        // Off: every text plain, as it was before lengths were shown.
        {false, false, "amare", "amo, amavi, amatum", "amavi", "amare", "amavi"},
        // Stress from the lengths, on each word; none for the unmarked entry.
        {true, true, "amā́re", "ámō, amā́vī, amā́tum", "amā́vī", "amare", "amavi"},
        // Stress without the macrons.
        {false, true, "amáre", "ámo, amávi, amátum", "amávi", "amare", "amavi"},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(testing::Message() << "Längen " << f.laengen << ", Betonung " << f.betonung);
        config.Laengen = f.laengen;
        config.Betonung = f.betonung;
        EXPECT_EQ(S(AnzeigeText(markiert.vokabel, config, markiert)), f.vokabel);
        EXPECT_EQ(S(AnzeigeText(markiert.FormenText(), config, markiert)), f.formen);
        EXPECT_EQ(S(AnzeigeText(schlicht.vokabel, config, schlicht)), f.schlichtVokabel);

        TFormenmanager formen;
        formen.SetLaengen(true);
        EXPECT_EQ(S(FormenText(formen, markiert, perfekt, LaengenAnzeige(config, markiert))), f.perfekt);
        EXPECT_EQ(S(FormenText(formen, schlicht, perfekt, LaengenAnzeige(config, schlicht))), f.schlichtPerfekt);

        // The printed lesson: headword, principal parts and a form marker.
        LektionsDaten lektion;
        lektion.vokabeln = {&markiert};
        DruckVorlagen vorlagen;
        vorlagen.haupt = {QStringLiteral("<!-- #VokabelAnfang -->")};
        vorlagen.verb = {QStringLiteral("<!-- #Vokabel -->|<!-- #Formen -->|<!-- #Form(PERF IND AKT 1SG) -->")};
        const QString seite =
            LektionDokument(
                lektion, false, vorlagen,
                [&](const TVokabel &v, int32_t id) { return FormenText(formen, v, id, LaengenAnzeige(config, v)); },
                LaengenAnzeige(config))
                .join(QLatin1Char('\n'));
        EXPECT_TRUE(seite.startsWith(
            QStringLiteral("%1|%2<BR>|%3")
                .arg(QString::fromUtf8(f.vokabel), QString::fromUtf8(f.formen), QString::fromUtf8(f.perfekt))))
            << S(seite);
    }
}
