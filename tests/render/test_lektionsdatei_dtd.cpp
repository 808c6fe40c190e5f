// The export writes the content of vorlagen/import.dtd in front of its
// document; the DTD must accept what the writer produces.
#include "model/lektion.h"
#include "model/lektionsdatei.h"
#include "render/seiten.h"

#include <gtest/gtest.h>

#include "qt_ausgabe.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace lexovita;

namespace {

std::unique_ptr<TVokabel> Voll()
{
    auto v = std::make_unique<TVokabel>();
    v->id = 11;
    v->vokabel = QStringLiteral("amare");
    v->form1 = QStringLiteral("amo");
    v->form2 = QStringLiteral("amavi");
    v->form3 = QStringLiteral("amatum");
    v->SetWortart(WA_VERB);
    v->SetKonjDekl(KD_A);
    v->SetKeinPassiv(true);
    v->BedeutungHinzufuegen(QStringLiteral("lieben"), QStringLiteral("jdn. & etw."), 1, 1);
    v->BedeutungHinzufuegen(QStringLiteral("mögen"), QString(), 1, 2);
    v->MerkhilfeHinzufuegen(QStringLiteral("aimer"), SPR_FRANZOESISCH);
    v->sonderformen.push_back(std::make_unique<TLatForm>(11, QStringLiteral("amasti"), 354));
    return v;
}

std::unique_ptr<TVokabel> Knapp()
{
    // Only what is always written: headword and word class.
    auto v = std::make_unique<TVokabel>();
    v->vokabel = QStringLiteral("et");
    return v;
}

// xmllint's exit code and messages for a document.
std::pair<int, QString> Pruefen(const QByteArray &xml)
{
    QTemporaryDir dir;
    const QString datei = dir.filePath(QStringLiteral("lektion.xml"));
    QFile f(datei);
    f.open(QIODevice::WriteOnly);
    f.write(xml);
    f.close();
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStandardPaths::findExecutable(QStringLiteral("xmllint")),
            {QStringLiteral("--valid"), QStringLiteral("--noout"), datei});
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAll())};
}

} // namespace

TEST(LektionsdateiDtd, TextbookAndSingleLessonExportsValidateAgainstTheDeliveredDtd)
{
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xmllint")).isEmpty())
        << "xmllint missing (libxml2-utils, scripts/install-deps.sh)";
    TLektion voll;
    voll.name = QStringLiteral("Lektion 1");
    voll.text = {QStringLiteral("Amo te."), QStringLiteral("Tu me amas.")};
    voll.vokabeln.push_back(Voll());
    voll.vokabeln.push_back(Knapp());
    TLektion leer;
    leer.name = QStringLiteral("Lektion 2");

    const QString vorlagen = QStringLiteral(LEXOVITA_VORLAGEN_QUELLE);
    const QByteArray buch = LehrbuchAlsXml(QStringLiteral("Cursus"), {&voll, &leer}, vorlagen);
    ASSERT_TRUE(buch.contains("<!DOCTYPE LEXOVITA"));
    const auto [rcBuch, meldungBuch] = Pruefen(buch);
    EXPECT_EQ(rcBuch, 0) << meldungBuch.toStdString();

    const auto [rcLektion, meldungLektion] = Pruefen(LektionAlsXml(voll, vorlagen));
    EXPECT_EQ(rcLektion, 0) << meldungLektion.toStdString();
}

TEST(LektionsdateiDtd, TheDtdRejectsElementsOutOfOrder)
{
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xmllint")).isEmpty())
        << "xmllint missing (libxml2-utils, scripts/install-deps.sh)";
    TLektion lektion;
    lektion.name = QStringLiteral("L");
    lektion.vokabeln.push_back(Voll());
    QByteArray xml = LektionAlsXml(lektion, QStringLiteral(LEXOVITA_VORLAGEN_QUELLE));
    ASSERT_TRUE(xml.contains("<WORTART>"));
    // WORTART moved in front of NAME.
    xml.replace("<NAME>amare</NAME>", "<WORTART>1</WORTART><NAME>amare</NAME>");
    EXPECT_NE(Pruefen(xml).first, 0);
}

TEST(LektionsDaten, TakeNameTextAndEntriesOfALessonInOrder)
{
    TLektion lektion;
    lektion.name = QStringLiteral("L");
    lektion.text = {QStringLiteral("Amo.")};
    lektion.vokabeln.push_back(Voll());
    lektion.vokabeln.push_back(Knapp());
    const LektionsDaten d = LektionsDatenAus(lektion);
    EXPECT_EQ(d.name, "L");
    EXPECT_EQ(d.text, QStringList{"Amo."});
    ASSERT_EQ(d.vokabeln.size(), 2u);
    EXPECT_EQ(d.vokabeln[0], lektion.vokabeln[0].get());
    EXPECT_EQ(d.vokabeln[1]->vokabel, "et");
}
