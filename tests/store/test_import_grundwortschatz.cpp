// The starter vocabulary shipped with the program must import completely
// and give entries the form generator can work with.

#include "store/test_lektion_hilfen.h"

#include "store/import.h"
#include "store/lektionsspeicher.h"

#include <QDir>
#include <QTemporaryDir>

using namespace lexovita;
using namespace lexovita::test;

namespace {

const QString kOrdner = QStringLiteral(LEXOVITA_TESTDATA_DIR "/../../data/grundwortschatz");
const QString kAufbau = QStringLiteral(LEXOVITA_TESTDATA_DIR "/../../data/aufbauwortschatz");

// What an entry of the given class needs so that its forms can be built:
// empty if nothing is missing.
QStringList Maengel(const TVokabel &v)
{
    QStringList m;
    if (v.bedeutungen.empty())
        m << QStringLiteral("keine Bedeutung");
    const int32_t kd = v.KonjDekl();
    switch (v.Wortart()) {
    case WA_VERB:
        // Irregular verbs (esse, ire, ferre ...) carry their forms as special forms.
        if (kd != KD_A && kd != KD_E && kd != KD_I && kd != KD_K && kd != KD_G && v.sonderformen.empty())
            m << QStringLiteral("keine Konjugation");
        if (v.form1.isEmpty())
            m << QStringLiteral("1. Sg. Präsens fehlt");
        if (v.form2.isEmpty() && v.sonderformen.empty())
            m << QStringLiteral("Perfekt fehlt");
        if ((v.Deponens() || v.Semideponens()) && !v.form2.endsWith(QStringLiteral(" sum")))
            m << QStringLiteral("Deponens ohne Perfekt auf \" sum\"");
        break;
    case WA_SUBSTANTIV:
        if (kd == KD_KEINE)
            m << QStringLiteral("keine Deklination");
        if (v.form1.isEmpty())
            m << QStringLiteral("Genitiv fehlt");
        if (!QStringList{QStringLiteral("m"), QStringLiteral("f"), QStringLiteral("n"), QStringLiteral("p")}.contains(
                v.form2))
            m << QStringLiteral("kein Genus (\"%1\")").arg(v.form2);
        break;
    case WA_ADJEKTIV:
        if (kd == KD_A || kd == KD_O) {
            // A plural-only adjective gives its feminine plural: pauci, paucae, pauca.
            if (v.PluralisTantum() ? !v.form2.endsWith(QStringLiteral("ae"))
                                   : !v.form2.endsWith(QLatin1Char('a')) && !v.form2.endsWith(QStringLiteral("is")))
                m << QStringLiteral("Femininum fehlt");
            if (v.form3.isEmpty())
                m << QStringLiteral("Neutrum fehlt");
        } else if (kd == KD_I) {
            const bool dreiEndungen = !v.form1.isEmpty() && !v.form2.isEmpty() && !v.form3.isEmpty();
            const bool eineEndung = !v.form1.isEmpty() && v.form2.isEmpty() && v.form3.isEmpty();
            if (!dreiEndungen && !eineEndung)
                m << QStringLiteral("Stammformen der I-Deklination unvollständig");
        } else {
            m << QStringLiteral("keine Adjektivdeklination");
        }
        break;
    default:
        break;
    }
    return m;
}

class Grundwortschatz : public LektionsDatenbank {};

TEST_F(Grundwortschatz, ImportsCompletelyAndEveryEntryHasMeaningClassPartsAndGender)
{
    const QStringList dateien = QDir(kOrdner).entryList({QStringLiteral("*.xml")}, QDir::Files);
    ASSERT_FALSE(dateien.isEmpty()) << kOrdner.toStdString();

    const TImportErgebnis e = OrdnerImportieren(daten, kOrdner);
    EXPECT_EQ(e.lektionenAngelegt, dateien.size());
    EXPECT_EQ(e.lehrbuecherAngelegt, 1);
    EXPECT_GT(e.vokabelnAngelegt, 0);

    TLektionsSpeicher speicher(daten);
    const int32_t buch = speicher.LehrbuchSuchen(QStringLiteral("Grundwortschatz Latein"));
    ASSERT_GT(buch, 0);
    EXPECT_EQ(speicher.Lektionen(buch).size(), static_cast<size_t>(dateien.size()));

    QStringList fehler;
    TAnweisung a = daten.Verbindung().Anweisung("SELECT id FROM vokabel ORDER BY id");
    while (a.Schritt()) {
        std::unique_ptr<TVokabel> v = daten.VokabelLaden(a.Int(0));
        daten.SonderformenLaden(*v);
        const QStringList m = Maengel(*v);
        if (!m.isEmpty())
            fehler << QStringLiteral("%1 (%2): %3").arg(v->vokabel, v->WortartText(), m.join(QStringLiteral(", ")));
    }
    EXPECT_TRUE(fehler.isEmpty()) << fehler.size() << " Einträge:\n" << fehler.join(QLatin1Char('\n')).toStdString();
}

// At first start both starter textbooks go in together: completely, or, if
// one folder holds no lesson files, not at all.
TEST_F(Grundwortschatz, BothStarterTextbooksImportInOneTransaction)
{
    QTemporaryDir leer;
    ASSERT_TRUE(leer.isValid());
    EXPECT_THROW(OrdnerImportieren(daten, QStringList{kOrdner, leer.path()}), TLektionsdateiFehler);
    TAnweisung keine = daten.Verbindung().Anweisung("SELECT count(*) FROM vokabel");
    ASSERT_TRUE(keine.Schritt());
    EXPECT_EQ(keine.Int(0), 0);

    std::vector<int> fortschritt;
    const TImportErgebnis e =
        OrdnerImportieren(daten, QStringList{kOrdner, kAufbau}, [&](int datei, int) { fortschritt.push_back(datei); });
    const qsizetype dateien = QDir(kOrdner).entryList({QStringLiteral("*.xml")}, QDir::Files).size() +
                              QDir(kAufbau).entryList({QStringLiteral("*.xml")}, QDir::Files).size();
    EXPECT_EQ(e.lektionenAngelegt, dateien);
    EXPECT_EQ(e.lehrbuecherAngelegt, 2);
    ASSERT_EQ(qsizetype(fortschritt.size()), dateien);
    EXPECT_EQ(fortschritt.back(), dateien - 1);

    // The reading texts of the second book name their source in the notes.
    TAnweisung n = daten.Verbindung().Anweisung(
        "SELECT count(*) FROM lektion JOIN lehrbuch ON lehrbuch.id = lektion.lehrbuch_id "
        "WHERE lehrbuch.name = 'Aufbauwortschatz Latein' AND lektion.notizen LIKE 'Lesetext nach %' "
        "AND lektion.text <> ''");
    ASSERT_TRUE(n.Schritt());
    EXPECT_EQ(n.Int(0), QDir(kAufbau).entryList({QStringLiteral("*.xml")}, QDir::Files).size());
}

} // namespace
