// Widget tests of the import window: a small lesson file imported on the
// worker thread, cancelling, and a broken file, on a database in a
// temporary folder (the worker opens its own connection to it).
#include "app/anwendungskern.h"
#include "app/auftrag.h"
#include "model/config.h"
#include "model/lektionsdatei.h"
#include "model/rueckfrage.h"
#include "store/datenmanager.h"
#include "store/lektionsspeicher.h"
#include "ui/frmimport.h"
#include "ui_hilfe.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <memory>

using namespace lexovita;
using namespace lexovita::testhilfe;

namespace {

std::unique_ptr<TVokabel> Vokabel(const QString &wort, int32_t wortart, const QString &bedeutung)
{
    auto v = std::make_unique<TVokabel>();
    v->vokabel = wort;
    v->SetWortart(wortart);
    v->BedeutungAnhaengen(bedeutung, {}, 1);
    return v;
}

// A textbook "Prima" with two lessons of two and one entries.
QByteArray Lektionsdatei()
{
    TLektion eins, zwei;
    eins.name = QStringLiteral("Lektion 1");
    eins.VokabelAnhaengen(Vokabel(QStringLiteral("amare"), WA_VERB, QStringLiteral("lieben")));
    eins.VokabelAnhaengen(Vokabel(QStringLiteral("domus"), WA_SUBSTANTIV, QStringLiteral("Haus")));
    zwei.name = QStringLiteral("Lektion 2");
    zwei.VokabelAnhaengen(Vokabel(QStringLiteral("bonus"), WA_ADJEKTIV, QStringLiteral("gut")));
    zwei.text = {QStringLiteral("Domus bona est.")};
    return LehrbuchAlsXml(QStringLiteral("Prima"), {&eins, &zwei}, QString());
}

// Every visible label and button is as wide as its text needs and the
// window fits a 1280x800 screen. With LEXOVITA_BILDER set the window is
// saved there as a picture.
void Pruefen(QWidget *fenster, const QString &name)
{
    QVERIFY(fenster->width() <= 1280 && fenster->height() <= 800);
    for (QWidget *w : fenster->findChildren<QWidget *>()) {
        if (!w->isVisible() || !(qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w)))
            continue;
        QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(w->property("text").toString()));
    }
    const QString ordner = qEnvironmentVariable("LEXOVITA_BILDER");
    if (!ordner.isEmpty())
        QVERIFY(fenster->grab().save(ordner + QLatin1Char('/') + name + QStringLiteral(".png")));
}

// Holds the import's worker at its first report until `weiter` is
// released, so that what the test does meanwhile happens mid-import.
void AmErstenSchrittHalten(TfrmImport &w, QSemaphore &weiter)
{
    auto gehalten = std::make_shared<bool>(false);
    QObject::connect(
        &w.Laeufer(), &TAuftragslaeufer::schritt, &w,
        [&weiter, gehalten] {
            if (!*gehalten) {
                *gehalten = true;
                weiter.acquire();
            }
        },
        Qt::DirectConnection);
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TUmgebung> m_u;
    QString m_datei;

    std::map<QString, int> Zeilen()
    {
        std::map<QString, int> z;
        for (const char *t : {"vokabel", "bedeutung", "vok_bed", "stamm", "vokwb", "lehrbuch", "lektion", "lek_vok"}) {
            TAnweisung a = m_u->dm->Verbindung().Anweisung((std::string("SELECT count(*) FROM ") + t).c_str());
            z[QString::fromLatin1(t)] = a.Schritt() ? a.Int(0) : -1;
        }
        return z;
    }

  private slots:
    void init()
    {
        m_u = std::make_unique<TUmgebung>();
        m_u->frage.antwort = Antwort::Ok;
        m_datei = m_u->ordner.filePath(QStringLiteral("prima.xml"));
        QFile f(m_datei);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Lektionsdatei());
    }
    void cleanup() { m_u.reset(); }

    void aSmallFileIsImportedWithProgressAndALessonCanBeChosenToOpen()
    {
        TAnwendungskern kern(*m_u->dm, *m_u->config, m_u->frage);
        TfrmImport w(kern);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Importieren"));
        QVERIFY(!w.btnImportieren->isEnabled()); // no file yet
        QVERIFY(!w.btnOeffnen->isEnabled());
        w.dateiWaehlen = [this] { return m_datei; };
        w.btnDurchsuchen->click();
        QCOMPARE(w.edtDatei->text(), m_datei);

        QSignalSpy ende(&w, &TfrmImport::beendet);
        w.btnImportieren->click();
        QVERIFY(w.Laeuft() || ende.count() == 1);
        QVERIFY(ende.count() == 1 || ende.wait(10000));
        QVERIFY(!w.Laeuft());
        QVERIFY(m_u->frage.texte.isEmpty());

        const QString protokoll = w.memProtokoll->toPlainText();
        QVERIFY2(protokoll.contains(QStringLiteral("Lektion 1 von 2: Lektion 1")), qPrintable(protokoll));
        QVERIFY2(protokoll.contains(QStringLiteral("Lektion 2 von 2: Lektion 2")), qPrintable(protokoll));
        QVERIFY(protokoll.contains(QStringLiteral("3 Vokabeln angelegt, 0 vorhandene Vokabeln zugeordnet, "
                                                  "2 Lektionen angelegt.")));
        QCOMPARE(w.pgbGesamt->value(), w.pgbGesamt->maximum());
        QCOMPARE(w.pgbGesamt->maximum(), 2);
        QCOMPARE(w.pgbLektion->value(), w.pgbLektion->maximum());

        QCOMPARE(w.cmbLektionen->count(), 2);
        QCOMPARE(w.cmbLektionen->itemText(0), QStringLiteral("Prima – Lektion 1"));
        QVERIFY(w.btnOeffnen->isEnabled());
        Pruefen(&w, QStringLiteral("import"));
        w.cmbLektionen->setCurrentIndex(1);
        w.btnOeffnen->click();
        QVERIFY(!w.isVisible());
        const TfrmImport::Ausgang a = w.AusgangHolen();
        QCOMPARE(a.lektionen.size(), size_t(2));
        QCOMPARE(a.oeffnen, a.lektionen[1]);

        // The UI thread's own connection sees what the worker stored.
        auto l = TLektionsSpeicher(*m_u->dm).LektionLesen(a.oeffnen);
        QVERIFY(l);
        QCOMPARE(l->name, QStringLiteral("Lektion 2"));
        QCOMPARE(l->lehrbuch, QStringLiteral("Prima"));
        QCOMPARE(l->Anzahl(), 1);
        QCOMPARE(l->text, QStringList{QStringLiteral("Domus bona est.")});
    }

    void cancellingKeepsNothingOfTheFile()
    {
        const auto vorher = Zeilen();
        TAnwendungskern kern(*m_u->dm, *m_u->config, m_u->frage);
        TfrmImport w(kern);
        w.show();
        w.edtDatei->setText(m_datei);
        // The cancel lands in the middle of the import.
        QSemaphore weiter;
        AmErstenSchrittHalten(w, weiter);
        QSignalSpy ende(&w, &TfrmImport::beendet);
        w.btnImportieren->click();
        QVERIFY(w.Laeuft());
        QCOMPARE(w.btnAbbrechen->text(), QStringLiteral("Abbrechen"));
        QVERIFY(!w.btnImportieren->isEnabled());
        w.btnAbbrechen->click();
        weiter.release();
        QVERIFY(ende.wait(10000));

        QVERIFY(w.Ergebnis().abgebrochen);
        QVERIFY(w.isVisible()); // cancelling the import does not close the window
        QCOMPARE(w.btnAbbrechen->text(), QStringLiteral("Schließen"));
        QVERIFY(w.memProtokoll->toPlainText().contains(
            QStringLiteral("Der Import wurde abgebrochen; es wurde nichts übernommen.")));
        QCOMPARE(w.cmbLektionen->count(), 0);
        QVERIFY(w.AusgangHolen().lektionen.empty());
        QVERIFY(Zeilen() == vorher);
        QVERIFY(m_u->frage.texte.isEmpty());
    }

    void closingWhileImportingCancelsAndClosesAfterTheWorkerEnded()
    {
        const auto vorher = Zeilen();
        TAnwendungskern kern(*m_u->dm, *m_u->config, m_u->frage);
        TfrmImport w(kern);
        w.show();
        w.edtDatei->setText(m_datei);
        QSemaphore weiter;
        AmErstenSchrittHalten(w, weiter);
        QSignalSpy ende(&w, &TfrmImport::beendet);
        w.btnImportieren->click();
        w.reject(); // Escape or the close box
        QVERIFY(w.isVisible());
        weiter.release();
        QVERIFY(ende.wait(10000));
        QVERIFY(!w.isVisible());
        QVERIFY(Zeilen() == vorher);
    }

    // A word list is listed row by row before anything is stored; with a bad
    // row nothing is stored until the user agrees to keep the good ones.
    void aWordListShowsEveryRowFirstAndStoresTheGoodOnesOnlyWhenAsked()
    {
        const QString liste = m_u->ordner.filePath(QStringLiteral("woerter.csv"));
        QFile f(liste);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Latein;Formen;Deutsch;Lektion\r\n"
                "amare;amo, amavi, amatum;\"lieben; mögen\";Erste Stunde\r\n"
                "rex;regis, m.;König;Erste Stunde\r\n"
                "felix;felicis;glücklich;Erste Stunde\r\n"
                "acer;acris, acre;scharf;Erste Stunde\r\n");
        f.close();
        const auto vorher = Zeilen();
        for (const Antwort antwort : {Antwort::Nein, Antwort::Ja}) {
            m_u->frage = TStilleRueckfrage();
            m_u->frage.antwort = antwort;
            TAnwendungskern kern(*m_u->dm, *m_u->config, m_u->frage);
            TfrmImport w(kern);
            w.show();
            w.dateiWaehlen = [&] { return liste; };
            w.btnDurchsuchen->click();
            // Chosen, the file is checked and listed at once; nothing is stored.
            QVERIFY(w.lvwZeilen->isVisible());
            QCOMPARE(testhilfe::Zeilen(w.lvwZeilen),
                     (QStringList{QStringLiteral("2|amare|Erste Stunde|Verb, A-Konjugation"),
                                  QStringLiteral("3|rex|Erste Stunde|Substantiv, Konsonantische Deklination, m."),
                                  QStringLiteral("4|felix|Erste Stunde|Fehler: „felix“: Substantiv ohne Genus oder "
                                                 "Adjektiv mit einer Endung? Bitte das Genus (m., f., n.) oder die "
                                                 "Wortart angeben."),
                                  QStringLiteral("5|acer|Erste Stunde|Adjektiv, I-Deklination")}));
            QCOMPARE(w.lvwZeilen->currentItem()->text(1), QStringLiteral("felix"));
            QVERIFY(Zeilen() == vorher);

            QSignalSpy ende(&w, &TfrmImport::beendet);
            w.btnImportieren->click();
            QCOMPARE(m_u->frage.gefragt.size(), 1);
            QVERIFY(m_u->frage.gefragt.first().symbol == Symbol::Frage);
            QVERIFY2(m_u->frage.texte[0].startsWith(QStringLiteral("1 von 4 Zeilen können nicht gelesen werden")),
                     qPrintable(m_u->frage.texte[0]));
            if (antwort == Antwort::Nein) {
                QVERIFY(!w.Laeuft());
                QVERIFY(w.memProtokoll->toPlainText().contains(QStringLiteral("Es wurde nichts übernommen.")));
                QVERIFY(Zeilen() == vorher);
                Pruefen(&w, QStringLiteral("import-wortliste"));
                continue;
            }
            QVERIFY(ende.count() == 1 || ende.wait(10000));
            QVERIFY2(w.memProtokoll->toPlainText().contains(QStringLiteral(
                         "3 Vokabeln angelegt, 0 vorhandene Vokabeln zugeordnet, 1 Lektionen angelegt.")),
                     qPrintable(w.memProtokoll->toPlainText()));
            QCOMPARE(w.cmbLektionen->count(), 1);
            QCOMPARE(w.cmbLektionen->itemText(0), QStringLiteral("Importierte Lektionen – Erste Stunde"));
        }
    }

    void aBrokenFileIsAGermanErrorAndChangesNothing()
    {
        const auto vorher = Zeilen();
        const QString kaputt = m_u->ordner.filePath(QStringLiteral("kaputt.xml"));
        QFile f(kaputt);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Lektionsdatei().replace("</LEXOVITA>", ""));
        f.close();

        for (const QString &datei : {kaputt, m_u->ordner.filePath(QStringLiteral("fehlt.xml"))}) {
            m_u->frage = TStilleRueckfrage();
            m_u->frage.antwort = Antwort::Ok;
            TAnwendungskern kern(*m_u->dm, *m_u->config, m_u->frage);
            TfrmImport w(kern);
            w.show();
            w.edtDatei->setText(datei);
            QSignalSpy ende(&w, &TfrmImport::beendet);
            w.btnImportieren->click();
            QVERIFY(ende.count() == 1 || ende.wait(10000));
            QCOMPARE(m_u->frage.gefragt.size(), 1);
            QVERIFY(m_u->frage.gefragt.first().symbol == Symbol::Fehler);
            QVERIFY2(m_u->frage.texte[0].startsWith(QStringLiteral("Die Datei konnte nicht importiert werden.")),
                     qPrintable(m_u->frage.texte[0]));
            QVERIFY(w.memProtokoll->toPlainText().contains(QStringLiteral("Es wurde nichts übernommen.")));
            QVERIFY(!w.btnOeffnen->isEnabled());
        }
        QVERIFY(Zeilen() == vorher);
    }
};

QTEST_MAIN(TestImport)
#include "test_import.moc"
