// Printing and exporting a starter lesson from the main window.
#include "app/anwendungskern.h"
#include "app/lektionssitzung.h"
#include "model/config.h"
#include "model/lektion.h"
#include "model/pfade.h"
#include "model/rueckfrage.h"
#include "store/datenmanager.h"
#include "ui/drucksatz.h"
#include "ui/frmdrucken.h"
#include "ui/frmhaupt.h"
#include "ui/frmvokabeltest.h"
#include "ui/programmstart.h"
#include "ui_hilfe.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

using namespace lexovita;
using namespace lexovita::testhilfe;

namespace {

// The text of a PDF; the test fails (not skips) without pdftotext, which
// scripts/install-deps.sh installs.
QString PdfText(const QString &datei, int seite = 0)
{
    const QString programm = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (programm.isEmpty()) {
        qWarning("pdftotext fehlt (poppler-utils, scripts/install-deps.sh)");
        return {};
    }
    QStringList argumente;
    if (seite > 0)
        argumente << QStringLiteral("-f") << QString::number(seite) << QStringLiteral("-l") << QString::number(seite);
    argumente << QStringLiteral("-enc") << QStringLiteral("UTF-8") << datei << QStringLiteral("-");
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PdfSeiten(const QString &datei)
{
    // Every page of a Qt PDF is one "/Type /Page" object.
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression seite(QStringLiteral("/Type\\s*/Page\\b(?!s)"));
    return int(QString::fromLatin1(f.readAll()).count(seite));
}

// The Alt letters of a window's buttons and labels; a doubled one is listed.
QStringList DoppelteBuchstaben(const QWidget *fenster)
{
    QHash<QChar, QString> belegt;
    QStringList doppelt;
    QStringList texte;
    for (const QAbstractButton *b : fenster->findChildren<QAbstractButton *>())
        texte << b->text();
    for (const QLabel *l : fenster->findChildren<QLabel *>())
        texte << l->text();
    for (const QString &t : texte) {
        const qsizetype i = t.indexOf(QLatin1Char('&'));
        if (i < 0 || i + 1 >= t.size())
            continue;
        const QChar c = t[i + 1].toLower();
        if (belegt.contains(c))
            doppelt << belegt.value(c) + QStringLiteral(" / ") + t;
        belegt.insert(c, t);
    }
    return doppelt;
}

// With LEXOVITA_BILDER set to a folder, windows and PDFs are kept there for
// a look by eye (pdftoppm -png for the PDFs).
QString BilderOrdner()
{
    return qEnvironmentVariable("LEXOVITA_BILDER");
}

} // namespace

class TestDrucken : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TUmgebung> m_u;
    TfrmHaupt *m_fenster = nullptr;

    void LektionOeffnen(const QString &anfang)
    {
        TAnweisung a = m_u->dm->Verbindung().Anweisung("SELECT id FROM lektion WHERE name LIKE ?1 ORDER BY id");
        a.Binden(1, anfang + QLatin1Char('%'));
        QVERIFY2(a.Schritt(), qPrintable(anfang));
        m_fenster->Sitzung().GespeicherteOeffnen(a.Int(0));
        QVERIFY(m_fenster->AktuelleLektion());
        QVERIFY(m_fenster->AktuelleLektion()->name.startsWith(anfang));
    }

  private slots:
    void initTestCase()
    {
        // The starter textbook and the templates are copied beside the binaries.
        QVERIFY(QFileInfo(
                    QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("vorlagen/drucken_verb.htm")))
                    .exists());
    }
    void init()
    {
        m_u = std::make_unique<TUmgebung>(true);
        m_u->frage.antwort = Antwort::Nein;
        QVERIFY(m_u->Oeffnen());
        m_fenster = m_u->fenster.get();
    }
    void cleanup() { m_u.reset(); }

    void printWindowOpensFromTheMainWindowAndPreviewsTheLesson()
    {
        LektionOeffnen(QStringLiteral("Lektion 1:"));
        for (const char *n : {"actDrucken", "actExportierenHTML", "actExportierenPDF"})
            QVERIFY2(m_fenster->Aktion(QString::fromLatin1(n))->isEnabled(), n);

        bool gezeigt = false;
        int vorschauSeiten = 0;
        QString vorschauTitel;
        m_fenster->druckfensterZeigen = [&](TfrmDrucken &f) {
            gezeigt = true;
            QCOMPARE(f.windowTitle(), QStringLiteral("Lektion drucken"));
            QVERIFY(f.chkVokabeln->isChecked() && f.chkVokabeln->isEnabled());
            QVERIFY(f.chkText->isChecked() && f.chkText->isEnabled());
            QVERIFY(f.optVokabelnZuerst->isChecked() && f.optVokabelnZuerst->isEnabled());
            QCOMPARE(f.cmbKopfzeile->currentText(), QStringLiteral("(Datum)"));
            QCOMPARE(f.cmbFusszeile->currentText(), QStringLiteral("(Seite x von X)"));
            QCOMPARE(f.FussCode(), QStringLiteral("&bSeite &p von &P"));
            QVERIFY2(DoppelteBuchstaben(&f).isEmpty(), qPrintable(DoppelteBuchstaben(&f).join(", ")));
            for (QWidget *w : f.findChildren<QWidget *>())
                if (w->focusPolicy() != Qt::NoFocus &&
                    (qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w)))
                    QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));

            // One part stays chosen; the order only counts with both.
            f.chkVokabeln->click();
            QVERIFY(!f.chkVokabeln->isChecked());
            QVERIFY(!f.optTextZuerst->isEnabled());
            f.chkText->click();
            QVERIFY(f.chkText->isChecked());
            f.chkVokabeln->click();
            f.optTextZuerst->setChecked(true);
            QCOMPARE(f.Wahl().textZuerst, true);

            f.vorschauZeigen = [&](QPrintPreviewDialog &d) {
                vorschauTitel = d.windowTitle();
                auto *seiten = d.findChild<QPrintPreviewWidget *>();
                QVERIFY(seiten);
                seiten->updatePreview();
                vorschauSeiten = seiten->pageCount();
                if (!BilderOrdner().isEmpty()) {
                    d.resize(900, 700);
                    d.show();
                    QTest::qWait(200);
                    d.grab().save(QDir(BilderOrdner()).filePath(QStringLiteral("druckvorschau.png")));
                    d.hide();
                }
            };
            if (!BilderOrdner().isEmpty()) {
                f.show();
                QTest::qWait(100);
                f.grab().save(QDir(BilderOrdner()).filePath(QStringLiteral("lektion_drucken.png")));
            }
            f.btnVorschau->click();
        };
        m_fenster->Aktion(QStringLiteral("actDrucken"))->trigger();
        QVERIFY(gezeigt);
        QCOMPARE(vorschauTitel, QStringLiteral("Druckvorschau"));
        QVERIFY2(vorschauSeiten > 1, qPrintable(QString::number(vorschauSeiten)));

        // The preview wrote the document it showed: text first, as chosen.
        QFile tmp(TPfade::Aktuell().SeitenDatei());
        QVERIFY(tmp.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(tmp.readAll());
        QVERIFY(html.contains(QStringLiteral("Lektion 1: Auf dem Forum")));
        QVERIFY(html.indexOf(QStringLiteral("Ecce forum")) < html.indexOf(QStringLiteral(">esse<")));
        QVERIFY(html.contains(QStringLiteral("<IMG src=\"amerika.bmp\">")));
    }

    void aLessonWithoutEntriesOrTextCannotBePrintedAndTextOnlyFixesTheChoice()
    {
        m_fenster->Sitzung().Neu();
        {
            TfrmDrucken f(*m_u->kern);
            QVERIFY(!f.btnVorschau->isEnabled());
            QVERIFY(!f.btnDrucken->isEnabled());
        }
        m_fenster->Sitzung().TextSetzen(QStringLiteral("Gallia est omnis divisa."));
        TfrmDrucken f(*m_u->kern);
        QVERIFY(f.btnDrucken->isEnabled());
        QVERIFY(f.chkText->isChecked());
        QVERIFY(!f.chkVokabeln->isChecked() && !f.chkVokabeln->isEnabled());
        QVERIFY(!f.optVokabelnZuerst->isEnabled());
    }

    void printingGoesToThePrinterWithHeaderAndFooterOnEveryPage()
    {
        LektionOeffnen(QStringLiteral("Lektion 1:"));
        QTemporaryDir ziel;
        const QString pdf = ziel.filePath(QStringLiteral("druck.pdf"));
        bool gedruckt = false;
        m_fenster->druckfensterZeigen = [&](TfrmDrucken &f) {
            f.cmbKopfzeile->setCurrentText(QStringLiteral("(Name der Lektion)"));
            f.cmbKopfAusrichtung->setCurrentIndex(1);
            f.druckDialogZeigen = [&](QPrinter &drucker) {
                drucker.setOutputFormat(QPrinter::PdfFormat);
                drucker.setOutputFileName(pdf);
                return true;
            };
            f.btnDrucken->click();
            gedruckt = f.result() == QDialog::Accepted;
        };
        m_fenster->Aktion(QStringLiteral("actDrucken"))->trigger();
        QVERIFY(gedruckt);
        const int seiten = PdfSeiten(pdf);
        QVERIFY2(seiten > 1, qPrintable(QString::number(seiten)));
        for (int s = 1; s <= seiten; ++s) {
            const QString text = PdfText(pdf, s);
            QVERIFY2(text.contains(QStringLiteral("Lektion 1: Auf dem Forum")), qPrintable(text.left(200)));
            QVERIFY2(text.contains(QStringLiteral("Seite %1 von %2").arg(s).arg(seiten)), qPrintable(text.right(200)));
        }
    }

    void pdfExportKeepsUmlautsAndTheFooterMark()
    {
        LektionOeffnen(QStringLiteral("Lektion 2:"));
        QTemporaryDir ziel;
        const QString pdf = ziel.filePath(QStringLiteral("lektion.pdf"));
        QString vorgeschlagen;
        m_fenster->pdfDateiWaehlen = [&](const QString &vorschlag) {
            vorgeschlagen = vorschlag;
            return pdf;
        };
        m_fenster->Aktion(QStringLiteral("actExportierenPDF"))->trigger();
        QCOMPARE(QFileInfo(vorgeschlagen).fileName(), QStringLiteral("Lektion 2_ Die Familie.pdf"));
        QVERIFY(m_u->frage.meldungen.isEmpty());
        const QString text = PdfText(pdf);
        for (const char *wort : {"Mädchen", "Straße", "Glück", "unterstützen", "lexovita™"})
            QVERIFY2(text.contains(QString::fromUtf8(wort)), wort);
        if (!BilderOrdner().isEmpty())
            QFile::copy(pdf, QDir(BilderOrdner()).filePath(QStringLiteral("lektion2.pdf")));

        // Cancelled: nothing is written, nothing is said.
        m_fenster->pdfDateiWaehlen = [](const QString &) { return QString(); };
        QFile::remove(pdf);
        m_fenster->Aktion(QStringLiteral("actExportierenPDF"))->trigger();
        QVERIFY(!QFileInfo::exists(pdf));
        QVERIFY(m_u->frage.meldungen.isEmpty());
    }

    void htmlExportWritesThePageWithItsPicturesBesideIt()
    {
        LektionOeffnen(QStringLiteral("Lektion 1:"));
        QTemporaryDir ziel;
        const QString datei = ziel.filePath(QStringLiteral("unter/ordner/lektion.htm"));
        QVERIFY(QDir().mkpath(QFileInfo(datei).path()));
        m_fenster->htmlDateiWaehlen = [&](const QString &) { return datei; };
        m_fenster->Aktion(QStringLiteral("actExportierenHTML"))->trigger();
        QVERIFY2(m_u->frage.meldungen.isEmpty(), qPrintable(m_u->frage.meldungen.join('\n')));
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        QVERIFY(html.contains(QStringLiteral("<H1>Lektion 1: Auf dem Forum</H1>")));
        static const QRegularExpression bild(QStringLiteral("<IMG src=\"([^\"]*)\">"));
        QStringList bilder;
        for (auto it = bild.globalMatch(html); it.hasNext();)
            bilder << it.next().captured(1);
        bilder.removeDuplicates();
        QVERIFY(bilder.size() >= 3);
        for (const QString &b : bilder)
            QVERIFY2(QImage(QFileInfo(datei).dir().filePath(b)).width() > 0, qPrintable(b));

        // A folder that cannot be written is reported, not ignored.
        m_fenster->htmlDateiWaehlen = [&](const QString &) { return ziel.filePath(QStringLiteral("fehlt/x.htm")); };
        m_fenster->Aktion(QStringLiteral("actExportierenHTML"))->trigger();
        QCOMPARE(m_u->frage.meldungen.size(), 1);
        QVERIFY(m_u->frage.meldungen.first().contains(QStringLiteral("konnte nicht geschrieben werden")));
    }

    void longLessonsBreakBetweenEntriesNeverInsideOne()
    {
        LektionOeffnen(QStringLiteral("Lektion 1:"));
        TfrmDrucken f(*m_u->kern);
        f.chkText->click(); // entries only
        std::unique_ptr<TDrucksatz> satz = f.Satz();
        // A small page forces many breaks.
        const QPageLayout a6(QPageSize(QPageSize::A6), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                             QPageLayout::Millimeter);
        satz->Umbrechen(a6);
        QVERIFY2(satz->Seiten() > 5, qPrintable(QString::number(satz->Seiten())));
        const std::vector<double> &umbrueche = satz->Umbrueche();
        QTextDocument &dok = satz->Dokument();
        QCOMPARE(umbrueche.back(), dok.size().height());
        const double seitenHoehe = a6.paintRect(QPageLayout::Point).height() * TDrucksatz::kDpi / 72.0;
        int eintraege = 0;
        for (QTextFrame *rahmen : dok.rootFrame()->childFrames()) {
            if (!qobject_cast<QTextTable *>(rahmen))
                continue;
            ++eintraege;
            const QRectF r = dok.documentLayout()->frameBoundingRect(rahmen);
            QVERIFY(r.height() < seitenHoehe);
            for (size_t i = 1; i + 1 < umbrueche.size(); ++i)
                QVERIFY2(umbrueche[i] <= r.top() + 1 || umbrueche[i] >= r.bottom() - 1,
                         qPrintable(
                             QStringLiteral("Umbruch %1 in [%2, %3]").arg(umbrueche[i]).arg(r.top()).arg(r.bottom())));
        }
        QCOMPARE(eintraege, m_fenster->AktuelleLektion()->Anzahl());
        for (size_t i = 1; i < umbrueche.size(); ++i)
            QVERIFY(umbrueche[i] > umbrueche[i - 1] && umbrueche[i] - umbrueche[i - 1] <= seitenHoehe + 0.5);

        // Whatever the page height, the closing program mark never stands
        // alone on the last page: the last line of text before it goes along.
        const QTextBlock marke = dok.lastBlock();
        QVERIFY(marke.text().contains(QStringLiteral("lexovita")));
        QTextBlock davor = marke.previous();
        while (davor.text().trimmed().isEmpty())
            davor = davor.previous();
        const double letzteZeile = dok.documentLayout()->blockBoundingRect(davor).top() +
                                   davor.layout()->lineAt(davor.layout()->lineCount() - 1).y();
        for (int rand = 5; rand <= 45; ++rand) {
            satz->Umbrechen(QPageLayout(QPageSize(QPageSize::A6), QPageLayout::Portrait, QMarginsF(10, rand, 10, 10),
                                        QPageLayout::Millimeter));
            const double letzteSeite = satz->Umbrueche()[satz->Umbrueche().size() - 2];
            QVERIFY2(letzteSeite <= letzteZeile + 0.5, qPrintable(QStringLiteral("Rand %1 mm").arg(rand)));
        }
    }

    // The printed test of a whole lesson on the window's A4 page: the first
    // entries stand on page 1 under the heading, and no entry is cut, with
    // or without the extra rows.
    void thePrintedTestStartsOnPageOneAndNeverCutsAnEntry()
    {
        LektionOeffnen(QStringLiteral("Lektion 1:"));
        const int anzahl = m_fenster->AktuelleLektion()->Anzahl();
        QVERIFY(anzahl > 30);
        QPrinter drucker;
        DruckseiteEinrichten(drucker);
        for (const bool extra : {false, true}) {
            TfrmVokabeltest f(m_fenster, *m_u->kern, *m_fenster->AktuelleLektion());
            f.chkStammformen->setChecked(extra);
            f.chkKonjDekl->setChecked(extra);
            std::unique_ptr<TDrucksatz> satz = f.Satz();
            satz->Umbrechen(drucker.pageLayout());
            QTextDocument &dok = satz->Dokument();
            const std::vector<double> &umbrueche = satz->Umbrueche();
            // Each entry is one table at the top level, after the name and date line.
            std::vector<QRectF> eintraege;
            for (QTextFrame *rahmen : dok.rootFrame()->childFrames())
                if (qobject_cast<QTextTable *>(rahmen))
                    eintraege.push_back(dok.documentLayout()->frameBoundingRect(rahmen));
            QCOMPARE(int(eintraege.size()), anzahl + 1);
            eintraege.erase(eintraege.begin());
            QVERIFY2(umbrueche[1] >= eintraege.front().bottom() - 1,
                     qPrintable(QStringLiteral("Seite 1 endet bei %1, die erste Vokabel bei %2")
                                    .arg(umbrueche[1])
                                    .arg(eintraege.front().bottom())));
            QStringList zerschnitten;
            for (size_t k = 0; k < eintraege.size(); ++k)
                for (size_t i = 1; i + 1 < umbrueche.size(); ++i)
                    if (umbrueche[i] > eintraege[k].top() + 1 && umbrueche[i] < eintraege[k].bottom() - 1)
                        zerschnitten << QString::number(k + 1);
            QVERIFY2(zerschnitten.isEmpty(), qPrintable(zerschnitten.join(QStringLiteral(", "))));
            if (extra && !BilderOrdner().isEmpty())
                QVERIFY(PdfSchreiben(*satz, QDir(BilderOrdner()).filePath(QStringLiteral("vokabeltest_lektion1.pdf")),
                                     QStringLiteral("Vokabeltest")));
        }
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestDrucken t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_drucken.moc"
