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

using namespace lexovita;

namespace {

class TSkript : public IRueckfrage {
  public:
    QStringList fragen;
    QList<Symbol> symbole;
    Antwort Frage(const QString &, const QString &text, int, Antwort, Symbol symbol) override
    {
        fragen << text;
        symbole << symbol;
        return Antwort::Ok;
    }
    void Meldung(const QString &, const QString &text) override { fragen << text; }
};

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

} // namespace

class TestImport : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> m_ordner;
    std::unique_ptr<TDatenmanager> m_dm;
    TSkript m_frage;
    TConfig m_config{QStringLiteral("/dev/null")};
    QString m_datei;

    std::map<QString, int> Zeilen()
    {
        std::map<QString, int> z;
        for (const char *t : {"vokabel", "bedeutung", "vok_bed", "stamm", "vokwb", "lehrbuch", "lektion", "lek_vok"}) {
            TAnweisung a = m_dm->Verbindung().Anweisung((std::string("SELECT count(*) FROM ") + t).c_str());
            z[QString::fromLatin1(t)] = a.Schritt() ? a.Int(0) : -1;
        }
        return z;
    }

  private slots:
    void init()
    {
        m_ordner = std::make_unique<QTemporaryDir>();
        m_dm = std::make_unique<TDatenmanager>(m_ordner->path());
        m_frage = TSkript();
        m_datei = m_ordner->filePath(QStringLiteral("prima.xml"));
        QFile f(m_datei);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Lektionsdatei());
    }
    void cleanup()
    {
        m_dm.reset();
        m_ordner.reset();
    }

    void aSmallFileIsImportedWithProgressAndALessonCanBeChosenToOpen()
    {
        TAnwendungskern kern(*m_dm, m_config, m_frage);
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
        QVERIFY(m_frage.fragen.isEmpty());

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
        auto l = TLektionsSpeicher(*m_dm).LektionLesen(a.oeffnen);
        QVERIFY(l);
        QCOMPARE(l->name, QStringLiteral("Lektion 2"));
        QCOMPARE(l->lehrbuch, QStringLiteral("Prima"));
        QCOMPARE(l->Anzahl(), 1);
        QCOMPARE(l->text, QStringList{QStringLiteral("Domus bona est.")});
    }

    void cancellingKeepsNothingOfTheFile()
    {
        const auto vorher = Zeilen();
        TAnwendungskern kern(*m_dm, m_config, m_frage);
        TfrmImport w(kern);
        w.show();
        w.edtDatei->setText(m_datei);
        // Hold the worker at its first report until Abbrechen was pressed,
        // so the cancel always lands in the middle of the import.
        QSemaphore weiter;
        bool gehalten = false;
        connect(
            &w.Laeufer(), &TAuftragslaeufer::schritt, &w,
            [&] {
                if (!gehalten) {
                    gehalten = true;
                    weiter.acquire();
                }
            },
            Qt::DirectConnection);
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
        QVERIFY(m_frage.fragen.isEmpty());
    }

    void closingWhileImportingCancelsAndClosesAfterTheWorkerEnded()
    {
        const auto vorher = Zeilen();
        TAnwendungskern kern(*m_dm, m_config, m_frage);
        TfrmImport w(kern);
        w.show();
        w.edtDatei->setText(m_datei);
        QSemaphore weiter;
        bool gehalten = false;
        connect(
            &w.Laeufer(), &TAuftragslaeufer::schritt, &w,
            [&] {
                if (!gehalten) {
                    gehalten = true;
                    weiter.acquire();
                }
            },
            Qt::DirectConnection);
        QSignalSpy ende(&w, &TfrmImport::beendet);
        w.btnImportieren->click();
        w.reject(); // Escape or the close box
        QVERIFY(w.isVisible());
        weiter.release();
        QVERIFY(ende.wait(10000));
        QVERIFY(!w.isVisible());
        QVERIFY(Zeilen() == vorher);
    }

    void aBrokenFileIsAGermanErrorAndChangesNothing()
    {
        const auto vorher = Zeilen();
        const QString kaputt = m_ordner->filePath(QStringLiteral("kaputt.xml"));
        QFile f(kaputt);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Lektionsdatei().replace("</LEXOVITA>", ""));
        f.close();

        for (const QString &datei : {kaputt, m_ordner->filePath(QStringLiteral("fehlt.xml"))}) {
            m_frage = TSkript();
            TAnwendungskern kern(*m_dm, m_config, m_frage);
            TfrmImport w(kern);
            w.show();
            w.edtDatei->setText(datei);
            QSignalSpy ende(&w, &TfrmImport::beendet);
            w.btnImportieren->click();
            QVERIFY(ende.count() == 1 || ende.wait(10000));
            QCOMPARE(m_frage.symbole, QList<Symbol>{Symbol::Fehler});
            QVERIFY2(m_frage.fragen[0].startsWith(QStringLiteral("Die Datei konnte nicht importiert werden.")),
                     qPrintable(m_frage.fragen[0]));
            QVERIFY(w.memProtokoll->toPlainText().contains(QStringLiteral("Es wurde nichts übernommen.")));
            QVERIFY(!w.btnOeffnen->isEnabled());
        }
        QVERIFY(Zeilen() == vorher);
    }
};

QTEST_MAIN(TestImport)
#include "test_import.moc"
