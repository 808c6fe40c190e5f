// The job runner: a worker thread with its own connection, reporting by queued signals.
#include "app/auftrag.h"
#include "store/datenmanager.h"
#include "store/fehler.h"
#include "store/lektionsspeicher.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace lexovita {
namespace {

// A job made of steps, each run by a function; between steps it looks at the cancel flag.
class TSchrittAuftrag : public TAuftrag {
  public:
    std::vector<std::function<void(TAuftragsKontext &)>> schritte;
    void Ausfuehren(TAuftragsKontext &k) override
    {
        for (auto &s : schritte) {
            k.AbbruchPruefen();
            s(k);
        }
    }
};

class Auftragslaeufer : public ::testing::Test {
  protected:
    static void SetUpTestSuite()
    {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_app";
            static char *argv[] = {name, nullptr};
            new QCoreApplication(argc, argv);
        }
    }

    QTemporaryDir ordner;
    std::unique_ptr<TDatenmanager> daten = std::make_unique<TDatenmanager>(ordner.path());
    TAuftragslaeufer laeufer{*daten};

    int Lehrbuecher()
    {
        TAnweisung a = daten->Verbindung().Anweisung("SELECT count(*) FROM lehrbuch");
        return a.Schritt() ? a.Int(0) : -1;
    }

    // Runs the job to its end and returns every `beendet` report.
    QList<QList<QVariant>> Ausfuehren(std::shared_ptr<TAuftrag> auftrag)
    {
        QSignalSpy ende(&laeufer, &TAuftragslaeufer::beendet);
        EXPECT_TRUE(laeufer.Starten(std::move(auftrag)));
        EXPECT_TRUE(ende.wait(10000));
        QCoreApplication::processEvents(); // a second report would arrive now
        return ende;
    }
};

// Stores three textbooks in one transaction and waits after the second
// until the test has pressed "Abbrechen".
class TDreiBuecher : public TAuftrag {
  public:
    QSemaphore gehalten, weiter;
    void Ausfuehren(TAuftragsKontext &k) override
    {
        TTransaktion t(k.Daten().Verbindung());
        for (const char *name : {"Eins", "Zwei", "Drei"}) {
            k.AbbruchPruefen();
            TLektionsSpeicher(k.Daten()).LehrbuchAnlegen(QString::fromLatin1(name));
            if (qstrcmp(name, "Zwei") == 0) {
                gehalten.release();
                weiter.acquire();
            }
        }
        t.Bestaetigen();
    }
};

TEST_F(Auftragslaeufer, ACancelBetweenStepsKeepsNothingTheJobWrote)
{
    const int vorher = Lehrbuecher();
    auto auftrag = std::make_shared<TDreiBuecher>();
    QSignalSpy ende(&laeufer, &TAuftragslaeufer::beendet);
    ASSERT_TRUE(laeufer.Starten(auftrag));
    ASSERT_TRUE(auftrag->gehalten.tryAcquire(1, 10000));
    EXPECT_TRUE(laeufer.Laeuft());
    EXPECT_FALSE(laeufer.Starten(std::make_shared<TSchrittAuftrag>())); // one job at a time
    laeufer.Abbrechen();
    auftrag->weiter.release();
    ASSERT_TRUE(ende.wait(10000));
    QCoreApplication::processEvents();
    ASSERT_EQ(ende.count(), 1);
    EXPECT_EQ(ende[0][0].value<TAuftragsausgang>(), TAuftragsausgang::Abgebrochen);
    EXPECT_FALSE(laeufer.Laeuft());
    EXPECT_EQ(Lehrbuecher(), vorher);

    // Without a cancel the same job keeps all three.
    auto ganz = std::make_shared<TDreiBuecher>();
    ganz->weiter.release();
    EXPECT_EQ(Ausfuehren(ganz)[0][0].value<TAuftragsausgang>(), TAuftragsausgang::Erfolg);
    EXPECT_EQ(Lehrbuecher(), vorher + 3);
}

TEST_F(Auftragslaeufer, OverallProgressNeverGoesDown)
{
    auto auftrag = std::make_shared<TSchrittAuftrag>();
    for (auto [wert, max] : std::initializer_list<std::pair<int, int>>{{1, 4}, {3, 4}, {2, 4}, {2, 3}, {4, 4}})
        auftrag->schritte.push_back([wert, max](TAuftragsKontext &k) { k.Gesamt(wert, max); });
    QSignalSpy gesamt(&laeufer, &TAuftragslaeufer::gesamt);
    const auto ende = Ausfuehren(auftrag);
    ASSERT_EQ(ende.count(), 1);
    EXPECT_EQ(ende[0][0].value<TAuftragsausgang>(), TAuftragsausgang::Erfolg);
    ASSERT_GE(gesamt.count(), 3);
    double vorher = 0;
    for (const auto &s : gesamt) {
        const double anteil = double(s[0].toInt()) / s[1].toInt();
        EXPECT_GE(anteil, vorher) << s[0].toInt() << "/" << s[1].toInt();
        vorher = anteil;
    }
    EXPECT_EQ(gesamt.last()[0].toInt(), gesamt.last()[1].toInt());
}

TEST_F(Auftragslaeufer, AnErrorIsReportedExactlyOnceInGermanAndTheRunnerTakesTheNextJob)
{
    auto kaputt = std::make_shared<TSchrittAuftrag>();
    kaputt->schritte = {[](TAuftragsKontext &k) {
        k.Protokoll(QStringLiteral("vorher"));
        throw DatenbankFehler(QStringLiteral("Die Datenbank ist beschädigt."));
    }};
    QSignalSpy protokoll(&laeufer, &TAuftragslaeufer::protokoll);
    auto ende = Ausfuehren(kaputt);
    ASSERT_EQ(ende.count(), 1);
    EXPECT_EQ(ende[0][0].value<TAuftragsausgang>(), TAuftragsausgang::Fehler);
    EXPECT_EQ(ende[0][1].toString(), QStringLiteral("Die Datenbank ist beschädigt."));
    EXPECT_EQ(protokoll.count(), 1);

    auto gut = std::make_shared<TSchrittAuftrag>();
    gut->schritte = {[](TAuftragsKontext &) {}};
    ende = Ausfuehren(gut);
    ASSERT_EQ(ende.count(), 1);
    EXPECT_EQ(ende[0][0].value<TAuftragsausgang>(), TAuftragsausgang::Erfolg);
    EXPECT_TRUE(ende[0][1].toString().isEmpty());
}

} // namespace
} // namespace lexovita
