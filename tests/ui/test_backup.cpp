// Widget tests of the backup and cleanup windows on a database in a
// temporary folder. With LEXOVITA_BILDER set both windows are saved there.
#include "app/anwendungskern.h"
#include "app/auftrag.h"
#include "app/lektionssitzung.h"
#include "app/sicherungsdienst.h"
#include "app/textmodus.h"
#include "model/config.h"
#include "model/rueckfrage.h"
#include "model/uhr.h"
#include "store/datenmanager.h"
#include "store/sqlite.h"
#include "ui/frmbackup.h"
#include "ui/vokabeltabelle.h"
#include "ui_hilfe.h"

#include <QComboBox>
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
#include <QTextEdit>
#include <QTreeView>
#include <QTreeWidget>

using namespace lexovita;
using namespace lexovita::testhilfe;

class TestBackup : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TUmgebung> m_u;
    TFesteUhr m_uhr{QDateTime(QDate(2024, 3, 5), QTime(9, 0))};

  private slots:
    void init()
    {
        // The database in a subfolder: the backups go beside it.
        m_u = std::make_unique<TUmgebung>(false, QStringLiteral("daten"));
        m_u->frage.antwort = Antwort::Ok;
    }
    void cleanup() { m_u.reset(); }

    void ModeDecidesPromptAndWhatTheTreeShows()
    {
        TSicherungsdienst dienst(*m_u->dm, m_u->frage, m_uhr);
        TfrmBackup f(dienst, m_u->frage);
        QVERIFY(f.rbErstellen->isChecked());
        QCOMPARE(f.lblPfad->text(), QStringLiteral("&Wo soll das Backup hinterlegt werden?"));
        auto *modell = qobject_cast<QFileSystemModel *>(f.tvwOrdner->model());
        QVERIFY(!(modell->filter() & QDir::Files));
        f.rbEinspielen->click();
        QCOMPARE(f.lblPfad->text(), QStringLiteral("&Welche Backup-Datei soll eingespielt werden?"));
        QVERIFY(modell->filter() & QDir::Files);
        // Choosing a node puts its full path into the field.
        f.tvwOrdner->setCurrentIndex(modell->index(m_u->ordner.path()));
        QCOMPARE(f.edtPfad->text(), QDir::toNativeSeparators(m_u->ordner.path()));
        TSicherungsdienst start(*m_u->dm, m_u->frage, m_uhr);
        TfrmBackup nurErstellen(start, m_u->frage, true);
        QVERIFY(!nurErstellen.rbEinspielen->isEnabled());
    }

    void OkWritesTheBackupOrShowsTheFolderMessage()
    {
        TSicherungsdienst dienst(*m_u->dm, m_u->frage, m_uhr);
        TfrmBackup f(dienst, m_u->frage);
        f.show();
        Bild(&f, QStringLiteral("backup.png"));
        QSignalSpy fertig(&f, &TfrmBackup::fertig);
        f.edtPfad->setText(m_u->ordner.filePath(QStringLiteral("fehlt")));
        f.btnOk->click();
        QVERIFY(fertig.wait(10000));
        QCOMPARE(m_u->frage.texte, QStringList{QStringLiteral("Das ausgewählte Verzeichnis ist ungültig.")});
        QCOMPARE(m_u->frage.gefragt.size(), 1);
        QVERIFY(m_u->frage.gefragt.first().symbol == Symbol::Fehler);
        QVERIFY(f.isVisible() && !f.BackupErstellt());

        f.edtPfad->setText(m_u->ordner.path());
        f.btnOk->click();
        QVERIFY(!f.btnOk->isEnabled()); // the copy runs as a job
        QVERIFY(fertig.wait(10000));
        QVERIFY(f.BackupErstellt());
        QVERIFY(!f.isVisible());
        QVERIFY(QFile::exists(m_u->ordner.filePath(QStringLiteral("lexovita Backup 2024-03-05.zip"))));
        QVERIFY(m_u->frage.texte.last().startsWith(QStringLiteral("Ein Backup mit dem Namen")));
    }

    // The main window's "Backup..." offers the folder of the last backup
    // written again.
    void TheFolderOfTheLastBackupIsOfferedAgain()
    {
        QVERIFY(m_u->Oeffnen(&m_uhr));
        QVERIFY(QDir(m_u->ordner.path()).mkdir(QStringLiteral("sicherungen")));
        const QString ziel = m_u->ordner.filePath(QStringLiteral("sicherungen"));
        QString zuerst, danach;
        bool geschrieben = false;
        // As a plain dialog: the backup window keeps its reject() to itself.
        QVERIFY(ImModalen<QDialog>(m_u->fenster->Aktion(QStringLiteral("actBackup")), [&](QDialog *d) {
            auto *f = qobject_cast<TfrmBackup *>(d);
            QVERIFY(f);
            zuerst = f->edtPfad->text();
            QSignalSpy fertig(f, &TfrmBackup::fertig);
            f->edtPfad->setText(ziel);
            f->btnOk->click();
            geschrieben = fertig.wait(10000) && fertig.first().first().toBool();
        }));
        QVERIFY(geschrieben);
        QVERIFY(ImModalen<QDialog>(m_u->fenster->Aktion(QStringLiteral("actBackup")), [&](QDialog *d) {
            if (auto *f = qobject_cast<TfrmBackup *>(d))
                danach = f->edtPfad->text();
        }));
        QCOMPARE(zuerst, QDir::toNativeSeparators(QDir::homePath()));
        QCOMPARE(danach, QDir::toNativeSeparators(ziel));
        // A setting like the others, written to the settings file with them.
        QCOMPARE(m_u->config->backupOrdner, ziel);
    }

    // The check runs as a job; only a good archive replaces the database,
    // and the window's connection sees the restored rows at once.
    void RestoreThroughTheWindowSwapsOnlyAGoodArchive()
    {
        auto anzahl = [this] {
            TAnweisung a = m_u->dm->Verbindung().Anweisung("SELECT count(*) FROM lehrbuch");
            return a.Schritt() ? a.Int(0) : -1;
        };
        TSicherungsdienst dienst(*m_u->dm, m_u->frage, m_uhr);
        const TSicherungsErgebnis b = dienst.BackupErstellen(m_u->ordner.path());
        QVERIFY(b.ok);
        const int vorher = anzahl();
        m_u->dm->Verbindung().Ausfuehren("INSERT INTO lehrbuch (name) VALUES ('Nachher')");
        QCOMPARE(anzahl(), vorher + 1);

        QFile kaputt(m_u->ordner.filePath(QStringLiteral("kaputt.zip")));
        QVERIFY(kaputt.open(QIODevice::WriteOnly) && kaputt.write("PK kein Archiv") > 0);
        kaputt.close();
        m_u->frage.antwort = Antwort::Ja;
        for (const auto &[archiv, gut] : {std::pair{kaputt.fileName(), false}, std::pair{b.datei, true}}) {
            TfrmBackup f(dienst, m_u->frage);
            QSignalSpy fertig(&f, &TfrmBackup::fertig);
            f.ModusSetzen(true);
            f.edtPfad->setText(archiv);
            f.btnOk->click();
            QVERIFY(fertig.count() == 1 || fertig.wait(10000));
            QCOMPARE(fertig.first().first().toBool(), gut);
            QCOMPARE(anzahl(), gut ? vorher : vorher + 1);
        }
        QVERIFY(std::any_of(m_u->frage.texte.begin(), m_u->frage.texte.end(),
                            [](const QString &t) { return t.startsWith(TSicherungsdienst::EinspielFehler()); }));
        QCOMPARE(m_u->frage.texte.last(), QStringLiteral("Das Backup wurde erfolgreich eingespielt."));
    }

    void CleanupSwitchesCaptionAndReturnsToIdle()
    {
        TAuftragslaeufer laeufer(*m_u->dm);
        TfrmAufraeumen f(laeufer, m_u->frage);
        f.show();
        Bild(&f, QStringLiteral("aufraeumen.png"));
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
        // The end is said, with the check's result.
        QCOMPARE(m_u->frage.meldungen.size(), 1);
        QVERIFY(m_u->frage.texte.last().endsWith(QStringLiteral("keine Fehler gefunden.")));
        QCOMPARE(f.lblSchritt->text(), m_u->frage.texte.last());
    }

    // After a while of use every window has touched the database: the look-up
    // and the text analysis keep statements and read sessions, windows ran
    // jobs on their own connections. Cleaning up must still report its end,
    // and a restore must still swap the file, with an analysis even running.
    void CleanupAndRestoreWorkAfterEveryWindowWasUsed()
    {
        TUmgebung u(true, QStringLiteral("daten"));
        QVERIFY(u.Oeffnen());
        TfrmHaupt *f = u.fenster.get();
        u.frage.antwort = Antwort::Ja;
        TSicherungsdienst dienst(u.kern->Daten(), u.frage, u.kern->Uhr());
        const TSicherungsErgebnis backup = dienst.BackupErstellen(u.ordner.path());
        QVERIFY2(backup.ok, qPrintable(backup.meldung));

        for (const char *w : {"amar", "amic", "bonu"})
            u.Hinzufuegen(QString::fromLatin1(w));
        auto analysieren = [&](const QString &text) {
            if (f->Textmodus().Zustand() != TS_EINGABE) // back to entry mode first
                f->Aktion(QStringLiteral("actTextanalyse"))->trigger();
            u.kern->Sitzung().TextSetzen(text);
            f->LektionZeigen();
            f->Aktion(QStringLiteral("actTextanalyse"))->trigger();
            QVERIFY(f->Textmodus().Laeuft());
        };
        analysieren(QStringLiteral("Amicus bonus amat. Amici boni amant."));
        QTRY_VERIFY_WITH_TIMEOUT(!f->Textmodus().Laeuft(), 20000);
        QCOMPARE(f->Textmodus().Zustand(), TS_ANALYSIERT);
        auto nachschlagen = [&] {
            f->cmbSuchen->setEditText(QStringLiteral("amat"));
            QTest::keyClick(f->cmbSuchen->lineEdit(), Qt::Key_Return);
            return f->Textmodus().Wortkontext().size();
        };
        QVERIFY(nachschlagen() > 0);
        for (const char *name :
             {"actWoerterbuch", "actFormenanalyse", "actVokabelnSchriftlich", "actVokabelnMuendlich", "actFormenBilden",
              "actVokabelliste", "actLernstatistik", "actFaelligeWiederholen", "actEinstellungen", "actVokabeltest"}) {
            f->lvwVokabeln->ZeilenWaehlen({0});
            QAction *a = f->Aktion(QString::fromLatin1(name));
            QVERIFY2(a && a->isEnabled(), name);
            QVERIFY2(ImModalen<QDialog>(a,
                                        [](QDialog *d) {
                                            // The dictionary pages through its list.
                                            if (auto *suche = d->findChild<QLineEdit *>(QStringLiteral("edtSuchen")))
                                                QTest::keyClicks(suche, QStringLiteral("am"));
                                        }),
                     name);
        }

        u.frage.texte.clear();
        QVERIFY(ImModalen<QDialog>(f->Aktion(QStringLiteral("actDBAufraeumen")), [](QDialog *d) {
            auto *w = qobject_cast<TfrmAufraeumen *>(d);
            QVERIFY(w);
            w->btnAufraeumen->click();
            QTRY_VERIFY_WITH_TIMEOUT(w->btnSchliessen->isEnabled(), 60000);
        }));
        QCOMPARE(u.frage.texte, QStringList{QStringLiteral("Die Datenbank wurde aufgeräumt.\n\n"
                                                           "Die Prüfung der Datenbank hat keine Fehler gefunden.")});

        // A change the restore takes back, an unsaved lesson, and an analysis
        // on its own connection still running.
        const int32_t neu = u.Speichern(QStringLiteral("novus"), WA_ADJEKTIV, QStringLiteral("neu"));
        QString lang;
        for (int i = 0; i < 400; ++i)
            lang += QStringLiteral("Amicus bonus amicum bonum amat. ");
        analysieren(lang);
        QVERIFY(f->AktuelleLektion()->geaendert);
        u.frage.texte.clear();
        bool eingespielt = false;
        QVERIFY(ImModalen<QDialog>(f->Aktion(QStringLiteral("actBackup")), [&](QDialog *d) {
            auto *w = qobject_cast<TfrmBackup *>(d);
            QVERIFY(w);
            w->ModusSetzen(true);
            w->edtPfad->setText(backup.datei);
            QSignalSpy fertig(w, &TfrmBackup::fertig);
            w->btnOk->click();
            QVERIFY2(fertig.count() == 1 || fertig.wait(30000), qPrintable(u.frage.texte.join(QLatin1Char('|'))));
            eingespielt = fertig.first().first().toBool();
        }));
        // Asked once whether to go on; the lessons closed without the save question.
        QCOMPARE(u.frage.texte, QStringList({TSicherungsdienst::EinspielFrage(),
                                             QStringLiteral("Das Backup wurde erfolgreich eingespielt.")}));
        QVERIFY(eingespielt);
        QTRY_VERIFY(!f->Textmodus().Laeuft());
        QCOMPARE(u.kern->Sitzung().Lektionen().Anzahl(), 1);
        QCOMPARE(f->lvwVokabeln->Anzahl(), 0);
        QCOMPARE(u.dm->VokabelLaden(neu)->id, 0);
        // The look-up reads the restored tables.
        QVERIFY(nachschlagen() > 0);
    }
};

QTEST_MAIN(TestBackup)
#include "test_backup.moc"
