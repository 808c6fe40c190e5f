// The printed vocabulary test and the word list from the lesson text, opened
// from the main window on a small temporary database.
#include "model/lektion.h"
#include "model/uhr.h"
#include "store/vokabelspeicher.h"
#include "ui/frmhaupt.h"
#include "ui/frmvokabelliste.h"
#include "ui/frmvokabeltest.h"
#include "ui/vokabeltabelle.h"
#include "ui_hilfe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>

using namespace lexovita;
using namespace lexovita::testhilfe;

namespace {

// The text of a PDF; the test fails (not skips) without pdftotext, which
// scripts/install-deps.sh installs.
QString PdfText(const QString &datei)
{
    const QString programm = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (programm.isEmpty()) {
        qWarning("pdftotext fehlt (poppler-utils, scripts/install-deps.sh)");
        return {};
    }
    QProcess p;
    p.start(programm, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), datei, QStringLiteral("-")});
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Runs `pruefen` on the modal window the action opens, and closes that
// window if a check failed on the way.
template <class Fenster, class Fn> void ImFenster(QAction *aktion, Fn pruefen)
{
    bool gelaufen = false;
    QTimer::singleShot(0, [&] {
        auto *f = qobject_cast<Fenster *>(QApplication::activeModalWidget());
        QVERIFY(f);
        gelaufen = true;
        pruefen(*f);
        if (f->isVisible())
            f->reject();
    });
    aktion->trigger();
    QVERIFY(gelaufen);
}

} // namespace

class TestVokabeltest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TUmgebung> m_u;
    TfrmHaupt *m_fenster = nullptr;
    TFesterZufall m_zufall{3};
    QTemporaryDir m_ziel;

    // The order of the chosen headwords in a sheet's text.
    static QString Reihenfolge(const QString &text)
    {
        QList<std::pair<qsizetype, QString>> stellen;
        for (const char *w : {"laudare", "bonus", "saepe"})
            stellen.append({text.indexOf(QString::fromLatin1(w)), QString::fromLatin1(w)});
        std::sort(stellen.begin(), stellen.end());
        QStringList r;
        for (const auto &s : stellen)
            r << (s.first < 0 ? QStringLiteral("-") : s.second);
        return r.join(QLatin1Char(' '));
    }

  private slots:
    void init()
    {
        m_u = std::make_unique<TUmgebung>();
        m_u->Speichern(QStringLiteral("laudare"), WA_VERB, QStringLiteral("loben"),
                       {QStringLiteral("laudo"), QStringLiteral("laudavi"), QStringLiteral("laudatum")}, KD_A);
        m_u->Speichern(QStringLiteral("amicus"), WA_SUBSTANTIV, QStringLiteral("Freund"),
                       {QStringLiteral("amici"), QStringLiteral("m")}, KD_O);
        m_u->Speichern(QStringLiteral("rosa"), WA_SUBSTANTIV, QStringLiteral("Rose"),
                       {QStringLiteral("rosae"), QStringLiteral("f")}, KD_A);
        m_u->Speichern(QStringLiteral("bonus"), WA_ADJEKTIV, QStringLiteral("gut"),
                       {QStringLiteral("bonus"), QStringLiteral("bona"), QStringLiteral("bonum")}, KD_O);
        m_u->Speichern(QStringLiteral("saepe"), WA_ADVERB, QStringLiteral("oft"), {}, KD_KEINE);
        QVERIFY(m_u->Oeffnen(nullptr, &m_zufall));
        m_fenster = m_u->fenster.get();
    }
    void cleanup() { m_u.reset(); }

    // Three of four entries chosen, principal parts and inflection class
    // asked: the PDF holds them in lesson order, the forms row and the class
    // blocks only for verb, noun and adjective. Mixed, each preview draws
    // anew and printing prints the order last previewed.
    void aTestSheetOfTheCheckedEntriesIsPreviewedSavedAsPdfAndPrinted()
    {
        QVERIFY(!m_fenster->Aktion(QStringLiteral("actVokabeltest"))->isEnabled());
        for (const char *w : {"laud", "amic", "bonu", "saep"})
            m_u->Hinzufuegen(QString::fromLatin1(w));
        QVERIFY(m_fenster->Aktion(QStringLiteral("actVokabeltest"))->isEnabled());
        const QString pdf = m_ziel.filePath(QStringLiteral("test.pdf"));
        const QString gedruckt = m_ziel.filePath(QStringLiteral("gedruckt.pdf"));
        QString vorgeschlagen;
        QStringList reihenfolgen;
        ImFenster<TfrmVokabeltest>(m_fenster->Aktion(QStringLiteral("actVokabeltest")), [&](TfrmVokabeltest &f) {
            QCOMPARE(f.windowTitle(), QStringLiteral("Vokabeltest"));
            QCOMPARE(f.pgcSeiten->count(), 3);
            QCOMPARE(f.pgcSeiten->tabText(2), QStringLiteral("Vorschau"));
            QCOMPARE(f.lblAnzahl->text(), QStringLiteral("4 Vokabeln vorhanden"));
            QCOMPARE(f.lblAuswahl->text(), QStringLiteral("4 Vokabeln ausgewählt"));
            QCOMPARE(Zeilen(f.lvwVokabeln).first(), QStringLiteral("laudare|Verb|loben"));
            QVERIFY(f.optReihenfolge->isChecked() && !f.chkStammformen->isChecked());
            f.show();
            Bild(&f, QStringLiteral("vokabeltest_vokabeln.png"));

            // Nothing checked: nothing to print.
            for (int i = 0; i < 4; ++i)
                Ankreuzen(f.lvwVokabeln, i, false);
            QCOMPARE(f.lblAuswahl->text(), QStringLiteral("0 Vokabeln ausgewählt"));
            QVERIFY(!f.btnDrucken->isEnabled());
            f.btnAlleAuswaehlen->click();
            QVERIFY(f.btnDrucken->isEnabled());
            Ankreuzen(f.lvwVokabeln, 1, false); // amicus
            QCOMPARE(f.lblAuswahl->text(), QStringLiteral("3 Vokabeln ausgewählt"));

            f.pgcSeiten->setCurrentIndex(TfrmVokabeltest::SeiteEinstellungen);
            f.chkStammformen->setChecked(true);
            f.chkKonjDekl->setChecked(true);
            Bild(&f, QStringLiteral("vokabeltest_einstellungen.png"));
            f.pgcSeiten->setCurrentIndex(TfrmVokabeltest::SeiteVorschau);
            QTest::qWait(50);
            QCOMPARE(f.VorschauSeiten(), 1);
            Bild(&f, QStringLiteral("vokabeltest_vorschau.png"));

            f.pdfDateiWaehlen = [&](const QString &vorschlag) {
                vorgeschlagen = vorschlag;
                return pdf;
            };
            f.btnPdf->click();
            QVERIFY(f.isVisible());

            // Mixed: every visit of the preview draws anew, and printing
            // prints the order the preview shows.
            f.optMischen->setChecked(true);
            for (int i = 0; i < 3; ++i) {
                f.pgcSeiten->setCurrentIndex(TfrmVokabeltest::SeiteEinstellungen);
                f.pgcSeiten->setCurrentIndex(TfrmVokabeltest::SeiteVorschau);
                reihenfolgen << Reihenfolge(f.VorschauText());
            }
            f.druckDialogZeigen = [&](QPrinter &drucker) {
                drucker.setOutputFormat(QPrinter::PdfFormat);
                drucker.setOutputFileName(gedruckt);
                return true;
            };
            f.btnDrucken->click();
            QCOMPARE(f.result(), int(QDialog::Accepted));
        });
        QVERIFY2(m_u->frage.meldungen.isEmpty(), qPrintable(m_u->frage.meldungen.join('\n')));
        QVERIFY(vorgeschlagen.endsWith(QStringLiteral("Vokabeltest unbenannt-1.pdf")));
        const QString text = PdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Vokabeltest")), qPrintable(text));
        const qsizetype laudare = text.indexOf(QStringLiteral("laudare"));
        const qsizetype bonus = text.indexOf(QStringLiteral("bonus"));
        const qsizetype saepe = text.indexOf(QStringLiteral("saepe"));
        QVERIFY(laudare >= 0 && laudare < bonus && bonus < saepe);
        QVERIFY(!text.contains(QStringLiteral("amicus")));
        QCOMPARE(text.count(QStringLiteral("Bedeutung:")), 3);
        QCOMPARE(text.count(QStringLiteral("Formen:")), 2); // not for the adverb
        QCOMPARE(text.count(QStringLiteral("Konjugation:")), 1);
        QCOMPARE(text.count(QStringLiteral("Deklination:")), 1);
        QVERIFY(text.indexOf(QStringLiteral("Konjugation:")) < bonus);
        QVERIFY(text.contains(QStringLiteral("lexovita™")));
        QCOMPARE(reihenfolgen.size(), 3);
        QVERIFY(QSet<QString>(reihenfolgen.begin(), reihenfolgen.end()).size() > 1);
        QCOMPARE(Reihenfolge(PdfText(gedruckt)), reihenfolgen.last());
        if (const QString ordner = qEnvironmentVariable("LEXOVITA_BILDER"); !ordner.isEmpty()) {
            QFile::remove(QDir(ordner).filePath(QStringLiteral("vokabeltest.pdf")));
            QFile::copy(pdf, QDir(ordner).filePath(QStringLiteral("vokabeltest.pdf")));
        }
        // The options are kept for the next test.
        QVERIFY(m_u->config->testStammformen && m_u->config->testKonjDekl);
        QCOMPARE(m_u->config->testReihenfolge, 2);
    }

    // The whole text lists each entry once, sorted; the checked ones are
    // added without doubles. Then the selected part alone goes into a new
    // lesson.
    void theWordListOfTheTextGoesIntoTheLessonOrANewOne()
    {
        m_u->Hinzufuegen(QStringLiteral("amic"));
        m_fenster->edtText->setPlainText(QStringLiteral("Amicus rosam laudat.\nAmici boni rosas laudant."));
        TLektion *lektion = m_fenster->AktuelleLektion();
        QCOMPARE(lektion->text.size(), 2);
        QAction *aktion = m_fenster->Aktion(QStringLiteral("actVokabelliste"));
        QVERIFY(aktion->isEnabled());
        ImFenster<TfrmVokabelliste>(aktion, [&](TfrmVokabelliste &f) {
            QCOMPARE(f.windowTitle(), QStringLiteral("Vokabelliste aus Text erstellen"));
            QCOMPARE(f.lblAnzahl->text(), QStringLiteral("0 Vokabeln vorhanden"));
            QCOMPARE(f.lblAuswahl->text(), QStringLiteral("0 Vokabeln ausgewählt"));
            QVERIFY(!f.btnOK->isEnabled());
            QVERIFY(!f.optAuswahl->isEnabled()); // nothing selected in the text
            f.btnListeErstellen->click();
            QTRY_VERIFY_WITH_TIMEOUT(!f.Laeuft(), 20000);
            QVERIFY(!f.pgbFortschritt->isVisible());
            QCOMPARE(f.btnListeErstellen->text(), QStringLiteral("&Liste erstellen"));
            QCOMPARE(Zeilen(f.lvwVokabeln), (QStringList{"amicus|Substantiv|Freund", "bonus|Adjektiv|gut",
                                                         "laudare|Verb|loben", "rosa|Substantiv|Rose"}));
            QCOMPARE(f.lblAnzahl->text(), QStringLiteral("4 Vokabeln vorhanden"));
            Ankreuzen(f.lvwVokabeln, 0);
            Ankreuzen(f.lvwVokabeln, 3);
            QCOMPARE(f.lblAuswahl->text(), QStringLiteral("2 Vokabeln ausgewählt"));
            QVERIFY(f.btnOK->isEnabled());
            QVERIFY(f.optDoppelteVermeiden->isEnabled());
            f.optDoppelteVermeiden->setChecked(true);
            Bild(&f, QStringLiteral("vokabelliste.png"));
            f.btnOK->click();
        });
        QCOMPARE(m_fenster->AktuelleLektion(), lektion);
        QCOMPARE(m_fenster->lvwVokabeln->Anzahl(), 2);
        QCOMPARE(lektion->vokabeln[1]->vokabel, QStringLiteral("rosa"));
        QVERIFY(lektion->geaendert);
        QCOMPARE(m_fenster->pgcSeiten->currentIndex(), 0);

        // "Amici boni" selected: only those words, into a new lesson.
        QTextCursor c = m_fenster->edtText->textCursor();
        c.setPosition(21);
        c.setPosition(31, QTextCursor::KeepAnchor);
        m_fenster->edtText->setTextCursor(c);
        QCOMPARE(c.selectedText(), QStringLiteral("Amici boni"));
        ImFenster<TfrmVokabelliste>(aktion, [&](TfrmVokabelliste &f) {
            QCOMPARE(f.lvwVokabeln->model()->rowCount(), 0); // the last list is gone
            QVERIFY(f.optAuswahl->isEnabled());
            f.optAuswahl->setChecked(true);
            f.btnListeErstellen->click();
            QTRY_VERIFY_WITH_TIMEOUT(!f.Laeuft(), 20000);
            QCOMPARE(Zeilen(f.lvwVokabeln), (QStringList{"amicus|Substantiv|Freund", "bonus|Adjektiv|gut"}));
            f.btnAlleAuswaehlen->click();
            QCOMPARE(f.lblAuswahl->text(), QStringLiteral("2 Vokabeln ausgewählt"));
            f.optNeueLektion->setChecked(true);
            QVERIFY(!f.optDoppelteVermeiden->isEnabled());
            f.btnOK->click();
        });
        TLektion *neu = m_fenster->AktuelleLektion();
        QVERIFY(neu != lektion);
        QCOMPARE(neu->Anzahl(), 2);
        QVERIFY(neu->geaendert);
        QCOMPARE(lektion->Anzahl(), 2);
    }
};

QTEST_MAIN(TestVokabeltest)
#include "test_vokabeltest.moc"
