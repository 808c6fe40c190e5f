// The rules of the settings window: number fields, collecting forms from a
// text, and what OK, Abbrechen and a plain close do to the settings.
#include "app/einstellungsbearbeitung.h"
#include "app/einstellungsdienst.h"
#include "morph/formid.h"
#include "store/test_lektion_hilfen.h"

#include <QTemporaryDir>

namespace lexovita::test {
namespace {

QStringList Ids(std::initializer_list<int32_t> ids)
{
    QStringList liste;
    for (int32_t id : ids)
        liste << QString::number(id);
    return liste;
}

TEST(Zahlfelder, TextBecomesTheStoredValueOrTheFieldsFallback)
{
    const struct {
        TZahlfeld feld;
        int32_t TConfig::*wert;
        const char *text;
        int32_t erwartet;
    } faelle[] = {
        {TZahlfeld::FalscheAnzahl, &TConfig::vlsFalscheAnzahl, "1", 1},
        {TZahlfeld::FalscheAnzahl, &TConfig::vlsFalscheAnzahl, "99", 99},
        {TZahlfeld::FalscheAnzahl, &TConfig::vlsFalscheAnzahl, "7", 7},
        {TZahlfeld::FalscheAnzahl, &TConfig::vlsFalscheAnzahl, "0", 1},
        {TZahlfeld::FalscheAnzahl, &TConfig::vlsFalscheAnzahl, "-4", 1},
        {TZahlfeld::FalscheAnzahl, &TConfig::vlsFalscheAnzahl, "ab", 1},
        {TZahlfeld::FalscheAnzahl, &TConfig::vlsFalscheAnzahl, "", 1},
        {TZahlfeld::Umbruch, &TConfig::txtUmbruchZeichen, "0", 0},
        {TZahlfeld::Umbruch, &TConfig::txtUmbruchZeichen, "99", 99},
        {TZahlfeld::Umbruch, &TConfig::txtUmbruchZeichen, "-1", 80},
        {TZahlfeld::Umbruch, &TConfig::txtUmbruchZeichen, "100", 80},
        {TZahlfeld::Umbruch, &TConfig::txtUmbruchZeichen, "x1", 0},
        {TZahlfeld::Umbruch, &TConfig::txtUmbruchZeichen, "", 0},
        {TZahlfeld::Abstand, &TConfig::txtZeilenabstand, "10", 10},
        {TZahlfeld::Abstand, &TConfig::txtZeilenabstand, "99", 99},
        {TZahlfeld::Abstand, &TConfig::txtZeilenabstand, "9", 18},
        {TZahlfeld::Abstand, &TConfig::txtZeilenabstand, "0", 18},
        {TZahlfeld::Abstand, &TConfig::txtZeilenabstand, "zz", 18},
    };
    QTemporaryDir ordner;
    for (const auto &f : faelle) {
        TConfig c(ordner.filePath(QStringLiteral("e.ini")));
        c.*f.wert = 55; // a value that none of the cases yields
        ZahlfeldSetzen(c, f.feld, QString::fromLatin1(f.text));
        EXPECT_EQ(c.*f.wert, f.erwartet) << "Text \"" << f.text << '"';
        EXPECT_EQ(ZahlfeldLesen(c, f.feld), f.erwartet) << "Text \"" << f.text << '"';
    }
}

TEST(FormHinzufuegen, VerbPersonsExpandOthersGoToTheirWordClass)
{
    const struct {
        int32_t wortart, formId;
        QStringList verb, adjektiv, substantiv;
    } faelle[] = {
        // 3rd singular present: all seven person codes of that tense and mood
        {WA_VERB, 331, Ids({329, 330, 331, 332, 333, 334, 335}), {}, {}},
        {WA_VERB, 5127, Ids({5121, 5122, 5123, 5124, 5125, 5126, 5127}), {}, {}},
        // no person bits (infinitive-like): only itself
        {WA_VERB, 5128, Ids({5128}), {}, {}},
        {WA_ADJEKTIV, 663552, {}, Ids({663552}), {}},
        {WA_SUBSTANTIV, 16384, {}, {}, Ids({16384})},
        {WA_PRONOMEN, 16384, {}, {}, {}},
        {WA_ADVERB, 2621440, {}, {}, {}},
        {WA_UNBESTIMMT, 331, {}, {}, {}},
    };
    for (const auto &f : faelle) {
        TFormenauswahl a;
        FormHinzufuegen(a, f.wortart, f.formId);
        FormHinzufuegen(a, f.wortart, f.formId); // a second find adds nothing
        EXPECT_EQ(a.verb, f.verb) << f.formId;
        EXPECT_EQ(a.adjektiv, f.adjektiv) << f.formId;
        EXPECT_EQ(a.substantiv, f.substantiv) << f.formId;
    }
}

class FormenHolen : public LektionsDatenbank {
  protected:
    TFormenauswahl Holen(const QString &text)
    {
        TLektion l;
        l.TextAusString(text);
        TFormenHolenAuftrag auftrag(l.TextAlsString());
        QString fehler;
        EXPECT_EQ(AuftragDirektAusfuehren(auftrag, daten, &fehler), TAuftragsausgang::Erfolg) << fehler.toStdString();
        return auftrag.Ergebnis();
    }
};

TEST_F(FormenHolen, AnEmptyTextEmptiesAllThreeSelections)
{
    Anlegen(QStringLiteral("amare"), WA_VERB, KD_A, QStringLiteral("amo"), QStringLiteral("amavi"),
            QStringLiteral("amatum"), {QStringLiteral("lieben")});
    QTemporaryDir ordner;
    TConfig config(ordner.filePath(QStringLiteral("e.ini")));
    TEinstellungsdienst dienst(config);
    TEinstellungsbearbeitung b(dienst);
    ASSERT_FALSE(b.Kopie().flVerb.isEmpty()); // the defaults
    b.FormenUebernehmen(Holen(QString()));
    EXPECT_TRUE(b.Kopie().flVerb.isEmpty());
    EXPECT_TRUE(b.Kopie().flAdjektiv.isEmpty());
    EXPECT_TRUE(b.Kopie().flSubstantiv.isEmpty());
}

TEST_F(FormenHolen, FormsOfStoredEntriesLandInTheirWordClassesList)
{
    Anlegen(QStringLiteral("amare"), WA_VERB, KD_A, QStringLiteral("amo"), QStringLiteral("amavi"),
            QStringLiteral("amatum"), {QStringLiteral("lieben")});
    Anlegen(QStringLiteral("amicus"), WA_SUBSTANTIV, KD_O, QStringLiteral("amici"), QStringLiteral("m"), {},
            {QStringLiteral("Freund")});
    const TFormenauswahl a = Holen(QStringLiteral("Amat amicos.\nNemo amat."));
    EXPECT_EQ(a.verb, Ids({329, 330, 331, 332, 333, 334, 335}));
    EXPECT_EQ(a.substantiv, Ids({73728 | fid::MASKULINUM})); // accusative plural, as found
    EXPECT_TRUE(a.adjektiv.isEmpty());
}

// A context that asks to stop once the job has looked at the flag `frei`
// times, i.e. after that many words.
class TStoppNach : public TAuftragsKontext {
  public:
    TStoppNach(TDatenmanager &daten, int frei) : m_daten(daten), m_frei(frei) {}
    bool Abbruch() const override
    {
        m_flag = m_frei-- <= 0;
        return m_flag;
    }
    const std::atomic<bool> &AbbruchFlag() const override { return m_flag; }
    void Gesamt(int, int) override {}
    void Schritt(int, int, const QString &) override {}
    void Protokoll(const QString &) override {}
    TDatenmanager &Daten() override { return m_daten; }

  private:
    TDatenmanager &m_daten;
    mutable int m_frei;
    mutable std::atomic<bool> m_flag{false};
};

TEST_F(FormenHolen, ACancelKeepsTheFormsOfTheWordsBeforeIt)
{
    Anlegen(QStringLiteral("amare"), WA_VERB, KD_A, QStringLiteral("amo"), QStringLiteral("amavi"),
            QStringLiteral("amatum"), {QStringLiteral("lieben")});
    Anlegen(QStringLiteral("amicus"), WA_SUBSTANTIV, KD_O, QStringLiteral("amici"), QStringLiteral("m"), {},
            {QStringLiteral("Freund")});
    TLektion l;
    l.TextAusString(QStringLiteral("Amat amicos."));
    for (const int frei : {0, 1, 2}) {
        TFormenHolenAuftrag auftrag(l.TextAlsString());
        TStoppNach kontext(daten, frei);
        auftrag.Ausfuehren(kontext);
        EXPECT_EQ(auftrag.Ergebnis().verb.isEmpty(), frei < 1) << frei;
        EXPECT_EQ(auftrag.Ergebnis().substantiv.isEmpty(), frei < 2) << frei;
    }
}

// What each way of leaving the window does with a font size changed in it:
// in effect for the run, and in the store.
TEST(Einstellungsbearbeitung, OkSavesCloseKeepsForTheRunAbbrechenRestoresTheStore)
{
    enum class Weg { Ok, Abbrechen, Schliessen };
    const struct {
        Weg weg;
        int32_t live, gespeichert, agreementVg;
    } faelle[] = {
        // a read-only colour lasts for the run only, even after OK
        {Weg::Ok, 20, 20, 0x0000FF},
        {Weg::Schliessen, 20, 12, 0x0000FF},
        {Weg::Abbrechen, 12, 12, 0x000000},
    };
    for (const auto &f : faelle) {
        QTemporaryDir ordner;
        const QString ini = ordner.filePath(QStringLiteral("e.ini"));
        TConfig config(ini);
        TEinstellungsdienst dienst(config);
        dienst.Aendern([](TConfig &c) { c.txtSize = 12; });
        dienst.Speichern();
        TEinstellungsbearbeitung b(dienst);
        b.Kopie().txtSize = 20;
        b.Kopie().clKNGVg = 0x0000FF;
        EXPECT_EQ(config.txtSize, 12) << "the copy is not the live settings";
        switch (f.weg) {
        case Weg::Ok:
            b.Ok();
            break;
        case Weg::Abbrechen:
            b.Abbrechen();
            break;
        case Weg::Schliessen:
            b.Schliessen();
            break;
        }
        EXPECT_EQ(config.txtSize, f.live);
        EXPECT_EQ(config.clKNGVg, f.agreementVg);
        TConfig gespeichert(ini);
        gespeichert.EinstellungenLaden();
        EXPECT_EQ(gespeichert.txtSize, f.gespeichert);
        EXPECT_EQ(gespeichert.clKNGVg, 0x000000);
    }
}

TEST(Einstellungsbearbeitung, AbbrechenAlsoDropsChangesAnEarlierCloseKept)
{
    QTemporaryDir ordner;
    TConfig config(ordner.filePath(QStringLiteral("e.ini")));
    TEinstellungsdienst dienst(config);
    {
        TEinstellungsbearbeitung b(dienst);
        b.Kopie().vlRichtung = 2;
        b.Schliessen();
    }
    ASSERT_EQ(config.vlRichtung, 2);
    TEinstellungsbearbeitung b(dienst);
    b.Abbrechen();
    EXPECT_EQ(config.vlRichtung, 1);
}

} // namespace
} // namespace lexovita::test
