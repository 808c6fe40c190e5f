// "Vokabeln aus Liste einfügen": a pasted list matched against the small
// fixture lexicon (with two homographs added), the rules, and the user's own
// entries; storing is all or nothing.

#include "app/listeneinfuegen.h"
#include "store/datenmanager.h"
#include "store/lexikon.h"
#include "store/sqlite.h"
#include "store/vokabelspeicher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lexovita;

namespace {

// The fixture lexicon and "populus" twice: the people (m.) and the poplar (f.).
QString MitHomographen(const QTemporaryDir &ziel)
{
    QDir quelle(QStringLiteral(LEXOVITA_TESTDATA_DIR "/lexikon"));
    for (const QString &datei : quelle.entryList(QDir::Files))
        QFile::copy(quelle.filePath(datei), QDir(ziel.path()).filePath(datei));
    const auto anhaengen = [&](const char *datei, const char *zeilen) {
        QFile f(QDir(ziel.path()).filePath(QString::fromLatin1(datei)));
        f.setPermissions(f.permissions() | QFileDevice::WriteOwner);
        if (f.open(QIODevice::Append))
            f.write(zeilen);
    };
    anhaengen("lemmes.la", "\npŏpŭlus|lupus|||i, m.|90\npōpŭlus2|lupus|||i, f.|10\n");
    anhaengen("lemmes.de", "\npopulus:Volk\npopulus2:Pappel\n");
    return ziel.path();
}

int Anzahl(TDatenmanager &d)
{
    TAnweisung a = d.Verbindung().Anweisung("SELECT COUNT(*) FROM vokabel");
    return a.Schritt() ? a.Int(0) : -1;
}

const char *const kListe = "Lektion 3\n"
                           "\n"
                           "1. rosa, -ae f. Blume\n"
                           "amo, amavi, amatum – lieben\n"
                           "populus\n"
                           "• populus, -i f. Pappel\n"
                           "rex, regis m. König\n"
                           "bonus, -a, -um\tgut\n"
                           "fenestra, -ae f. Fenster\n"
                           "xyzq quatsch\n";

class Listeneinfuegen : public ::testing::Test {
  protected:
    QTemporaryDir ordner, quelle;
    TDatenmanager daten{ordner.path()};
    int32_t rex = 0;
    void SetUp() override
    {
        TVokabel v;
        v.vokabel = QStringLiteral("rex");
        v.SetWortart(WA_SUBSTANTIV);
        v.SetKonjDekl(KD_K);
        v.form1 = QStringLiteral("regis");
        v.form2 = QStringLiteral("m");
        v.BedeutungAnhaengen(QStringLiteral("König"), QString(), 1);
        ASSERT_TRUE(TVokabelSpeicher(daten).VokabelAnlegen(v).Gespeichert());
        rex = v.id;
    }
};

TEST_F(Listeneinfuegen, OhneLexikonAntwortenDieRegeln)
{
    TListeneinfuegung liste(daten);
    EXPECT_FALSE(liste.MitLexikon());
    liste.Lesen(QString::fromUtf8(kListe));
    ASSERT_EQ(liste.Posten().size(), 8U);
    EXPECT_EQ(liste.Uebersprungen(), 1);
    const TListenposten &amo = liste.Posten()[1];
    EXPECT_EQ(amo.status, TListenstatus::Gefunden) << amo.hinweis.toStdString();
    EXPECT_EQ(amo.vokabel.vokabel, QStringLiteral("amare"));
    EXPECT_EQ(amo.vokabel.KonjDekl(), KD_A);
    EXPECT_EQ(liste.Posten()[2].status, TListenstatus::Unbekannt); // populus: no gender, no German
    EXPECT_EQ(liste.Posten()[4].status, TListenstatus::Vorhanden);
    EXPECT_EQ(liste.Posten()[4].vorhandenId, rex);
}

TEST_F(Listeneinfuegen, GemischteListeGegenDasLexikonUndAllesOderNichtsGespeichert)
{
    ASSERT_GT(LexikonImportieren(daten, TLexikonQuellen::InOrdner(MitHomographen(quelle))).lemmata, 12);
    TListeneinfuegung liste(daten);
    ASSERT_TRUE(liste.MitLexikon());
    liste.Lesen(QString::fromUtf8(kListe));
    ASSERT_EQ(liste.Posten().size(), 8U);

    struct Erwartet {
        TListenstatus status;
        const char *vokabel, *bedeutungen;
    };
    const Erwartet erwartet[] = {
        {TListenstatus::Gefunden, "rosa", "Blume"}, // the line's German wins
        {TListenstatus::Gefunden, "amāre", "lieben"},     {TListenstatus::Mehrdeutig, "populus", ""},
        {TListenstatus::Gefunden, "pōpulus", "Pappel"}, // the gender chooses
        {TListenstatus::Vorhanden, "rex", "König"},       {TListenstatus::Gefunden, "bonus", "gut"},
        {TListenstatus::Gefunden, "fenestra", "Fenster"}, // not in the lexicon: the rules
        {TListenstatus::Unbekannt, "xyzq", "quatsch"},
    };
    for (size_t i = 0; i < std::size(erwartet); ++i) {
        const TListenposten &p = liste.Posten()[i];
        SCOPED_TRACE(p.zeile.text.toStdString());
        EXPECT_EQ(p.status, erwartet[i].status) << p.hinweis.toStdString();
        EXPECT_EQ(p.vokabel.vokabel, QString::fromUtf8(erwartet[i].vokabel));
        EXPECT_EQ(p.vokabel.BedeutungenText(), QString::fromUtf8(erwartet[i].bedeutungen));
    }
    EXPECT_EQ(liste.Posten()[3].vokabel.form2, QStringLiteral("f"));
    EXPECT_EQ(liste.Posten()[6].vokabel.KonjDekl(), KD_A);
    const TListenposten &populus = liste.Posten()[2];
    ASSERT_EQ(populus.kandidaten.size(), 2U);
    EXPECT_TRUE(populus.kandidaten[0].text.contains(QStringLiteral("Volk")));
    EXPECT_FALSE(populus.Bereit());

    // Choosing the poplar settles the ambiguous line; the next line means
    // the same entry, which is stored once.
    ASSERT_TRUE(liste.Waehlen(2, 1));
    EXPECT_TRUE(liste.Posten()[2].Bereit());
    EXPECT_EQ(liste.Posten()[2].vokabel.BedeutungenText(), QStringLiteral("Pappel"));

    // A failure half-way (at the sixth new entry) stores nothing.
    const int vorher = Anzahl(daten);
    daten.Verbindung().Ausfuehren("CREATE TEMP TRIGGER scheitern BEFORE INSERT ON vokabel "
                                  "WHEN NEW.vokabel_lower = 'fenestra' BEGIN SELECT RAISE(ABORT, 'voll'); END");
    EXPECT_THROW(liste.Einfuegen(), TFehler);
    EXPECT_EQ(Anzahl(daten), vorher);
    EXPECT_EQ(liste.Posten()[0].vokabel.id, 0);

    daten.Verbindung().Ausfuehren("DROP TRIGGER scheitern");
    const std::vector<int32_t> ids = liste.Einfuegen();
    // rosa, amare, populus, rex (reused), bonus, fenestra; not the unknown line.
    ASSERT_EQ(ids.size(), 6U);
    EXPECT_EQ(ids[3], rex);
    EXPECT_EQ(Anzahl(daten), vorher + 5);
    const auto amare = daten.VokabelLaden(ids[1]);
    EXPECT_EQ(amare->vokabel, QStringLiteral("amāre"));
    EXPECT_EQ(amare->form2, QStringLiteral("amāvī"));

    // Pasted again, every line now finds the stored entries.
    liste.Lesen(QString::fromUtf8(kListe));
    for (size_t i : {0, 1, 3, 5, 6})
        EXPECT_EQ(liste.Posten()[i].status, TListenstatus::Vorhanden) << i;
}

} // namespace
