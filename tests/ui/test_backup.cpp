// Widget tests of the backup and cleanup windows on a database in a
// temporary folder. With LEXOVITA_BILDER set both windows are saved there.
#include "app/anwendungskern.h"
#include "app/auftrag.h"
#include "app/sicherungsdienst.h"
#include "model/config.h"
#include "model/rueckfrage.h"
#include "model/uhr.h"
#include "store/datenmanager.h"
#include "store/sqlite.h"
#include "ui/frmbackup.h"

#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace lexovita;

namespace {

class TSkript : public IRueckfrage {
  public:
    QStringList texte;
    QList<Symbol> symbole;
    Antwort antwort = Antwort::Ok;
    Antwort Frage(const QString &, const QString &text, int, Antwort, Symbol symbol) override
    {
        texte << text;
        symbole << symbol;
        return antwort;
    }
    void Meldung(const QString &, const QString &text) override { texte << text; }
};

void Bild(QWidget *fenster, const QString &name)
{
    const QString ordner = qEnvironmentVariable("LEXOVITA_BILDER");
    if (!ordner.isEmpty())
        QVERIFY(fenster->grab().save(ordner + QLatin1Char('/') + name + QStringLiteral(".png")));
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> m_ordner;
    std::unique_ptr<TDatenmanager> m_dm;
    TSkript m_frage;
    TFesteUhr m_uhr{QDateTime(QDate(2024, 3, 5), QTime(9, 0))};

  private slots:
    void init()
    {
        m_ordner = std::make_unique<QTemporaryDir>();
        m_dm = std::make_unique<TDatenmanager>(m_ordner->filePath(QStringLiteral("daten")));
        m_frage = TSkript();
    }
    void cleanup()
    {
        m_dm.reset();
        m_ordner.reset();
    }

    void ModeDecidesPromptAndWhatTheTreeShows()
    {
        TSicherungsdienst dienst(*m_dm, m_frage, m_uhr);
        TfrmBackup f(dienst, m_frage);
        QVERIFY(f.rbErstellen->isChecked());
        QCOMPARE(f.lblPfad->text(), QStringLiteral("&Wo soll das Backup hinterlegt werden?"));
        auto *modell = qobject_cast<QFileSystemModel *>(f.tvwOrdner->model());
        QVERIFY(!(modell->filter() & QDir::Files));
        f.rbEinspielen->click();
        QCOMPARE(f.lblPfad->text(), QStringLiteral("&Welche Backup-Datei soll eingespielt werden?"));
        QVERIFY(modell->filter() & QDir::Files);
        // Choosing a node puts its full path into the field.
        f.tvwOrdner->setCurrentIndex(modell->index(m_ordner->path()));
        QCOMPARE(f.edtPfad->text(), QDir::toNativeSeparators(m_ordner->path()));
        TSicherungsdienst start(*m_dm, m_frage, m_uhr);
        TfrmBackup nurErstellen(start, m_frage, true);
        QVERIFY(!nurErstellen.rbEinspielen->isEnabled());
    }

    void OkWritesTheBackupOrShowsTheFolderMessage()
    {
        TSicherungsdienst dienst(*m_dm, m_frage, m_uhr);
        TfrmBackup f(dienst, m_frage);
        f.show();
        Bild(&f, QStringLiteral("backup"));
        QSignalSpy fertig(&f, &TfrmBackup::fertig);
        f.edtPfad->setText(m_ordner->filePath(QStringLiteral("fehlt")));
        f.btnOk->click();
        QVERIFY(fertig.wait(10000));
        QCOMPARE(m_frage.texte, QStringList{QStringLiteral("Das ausgewählte Verzeichnis ist ungültig.")});
        QCOMPARE(m_frage.symbole, QList<Symbol>{Symbol::Fehler});
        QVERIFY(f.isVisible() && !f.BackupErstellt());

        f.edtPfad->setText(m_ordner->path());
        f.btnOk->click();
        QVERIFY(!f.btnOk->isEnabled()); // the copy runs as a job
        QVERIFY(fertig.wait(10000));
        QVERIFY(f.BackupErstellt());
        QVERIFY(!f.isVisible());
        QVERIFY(QFile::exists(m_ordner->filePath(QStringLiteral("lexovita Backup 2024-03-05.zip"))));
        QVERIFY(m_frage.texte.last().startsWith(QStringLiteral("Ein Backup mit dem Namen")));
    }

    // The check runs as a job; only a good archive replaces the database,
    // and the window's connection sees the restored rows at once.
    void RestoreThroughTheWindowSwapsOnlyAGoodArchive()
    {
        auto anzahl = [this] {
            TAnweisung a = m_dm->Verbindung().Anweisung("SELECT count(*) FROM lehrbuch");
            return a.Schritt() ? a.Int(0) : -1;
        };
        TSicherungsdienst dienst(*m_dm, m_frage, m_uhr);
        const TSicherungsErgebnis b = dienst.BackupErstellen(m_ordner->path());
        QVERIFY(b.ok);
        const int vorher = anzahl();
        m_dm->Verbindung().Ausfuehren("INSERT INTO lehrbuch (name) VALUES ('Nachher')");
        QCOMPARE(anzahl(), vorher + 1);

        QFile kaputt(m_ordner->filePath(QStringLiteral("kaputt.zip")));
        QVERIFY(kaputt.open(QIODevice::WriteOnly) && kaputt.write("PK kein Archiv") > 0);
        kaputt.close();
        m_frage.antwort = Antwort::Ja;
        for (const auto &[archiv, gut] : {std::pair{kaputt.fileName(), false}, std::pair{b.datei, true}}) {
            TfrmBackup f(dienst, m_frage);
            QSignalSpy fertig(&f, &TfrmBackup::fertig);
            f.ModusSetzen(true);
            f.edtPfad->setText(archiv);
            f.btnOk->click();
            QVERIFY(fertig.count() == 1 || fertig.wait(10000));
            QCOMPARE(fertig.first().first().toBool(), gut);
            QCOMPARE(anzahl(), gut ? vorher : vorher + 1);
        }
        QVERIFY(std::any_of(m_frage.texte.begin(), m_frage.texte.end(),
                            [](const QString &t) { return t.startsWith(TSicherungsdienst::EinspielFehler()); }));
        QCOMPARE(m_frage.texte.last(), QStringLiteral("Das Backup wurde erfolgreich eingespielt."));
    }

    void CleanupSwitchesCaptionAndReturnsToIdle()
    {
        TAuftragslaeufer laeufer(*m_dm);
        TfrmAufraeumen f(laeufer, m_frage);
        f.show();
        Bild(&f, QStringLiteral("aufraeumen"));
        QCOMPARE(f.btnAufraeumen->text(), QStringLiteral("&Aufräumen"));
        QSignalSpy ende(&laeufer, &TAuftragslaeufer::beendet);
        f.btnAufraeumen->click();
        QCOMPARE(f.btnAufraeumen->text(), QStringLiteral("&Abbrechen"));
        QVERIFY(!f.btnSchliessen->isEnabled());
        QVERIFY(ende.wait(20000));
        QCOMPARE(ende.first().first().value<TAuftragsausgang>(), TAuftragsausgang::Erfolg);
        QCOMPARE(f.btnAufraeumen->text(), QStringLiteral("&Aufräumen"));
        QCOMPARE(f.pbFortschritt->value(), 0);
        QVERIFY(f.btnSchliessen->isEnabled());
        QVERIFY(m_frage.texte.isEmpty());
    }
};

QTEST_MAIN(TestBackup)
#include "test_backup.moc"
