// The settings window over a main window on an empty database. With
// LEXOVITA_BILDER set every page is saved there as a picture.
#include "app/anwendungskern.h"
#include "app/einstellungsbearbeitung.h"
#include "app/lexikondienst.h"
#include "model/config.h"
#include "model/rueckfrage.h"
#include "store/datenmanager.h"
#include "store/lexikon.h"
#include "ui/frmeinstellungen.h"
#include "ui/frmhaupt.h"
#include "ui_hilfe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

using namespace lexovita;
using namespace lexovita::testhilfe;

namespace {

int Angehakt(QTreeWidget *baum)
{
    int n = 0;
    for (QTreeWidgetItemIterator it(baum); *it; ++it)
        n += (*it)->checkState(0) == Qt::Checked ? 1 : 0;
    return n;
}

} // namespace

class TestEinstellungen : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TUmgebung> m_u;
    TfrmHaupt *m_fenster = nullptr;

  private slots:
    void init()
    {
        m_u = std::make_unique<TUmgebung>();
        QVERIFY(m_u->Oeffnen());
        m_fenster = m_u->fenster.get();
    }
    void cleanup() { m_u.reset(); }

    // The menu command opens the window; a font size chosen in it reaches
    // the editor and the store with OK only, and a huge one is brought down.
    void FontSizeReachesTheEditorOnlyWithOk()
    {
        const struct {
            const char *knopf;
            int gewaehlt, editor, gespeichert;
        } faelle[] = {{"btnAbbrechen", 23, 10, 10}, {"btnOK", 23, 23, 23}, {"btnOK", 400, 48, 48}};
        QAction *aktion = m_fenster->Aktion(QStringLiteral("actEinstellungen"));
        QVERIFY(aktion->isEnabled());
        for (const auto &f : faelle) {
            const int vorher = m_fenster->edtText->font().pointSize();
            bool gesehen = false;
            QTimer::singleShot(0, this, [&] {
                auto *fenster = qobject_cast<TfrmEinstellungen *>(QApplication::activeModalWidget());
                QVERIFY(fenster);
                QFont schrift(QStringLiteral("DejaVu Sans"), f.gewaehlt);
                fenster->SchriftSetzen(schrift);
                QCOMPARE(m_fenster->edtText->font().pointSize(), vorher);
                fenster->findChild<QPushButton *>(QString::fromLatin1(f.knopf))->click();
                gesehen = true;
            });
            aktion->trigger();
            QVERIFY(gesehen);
            QCOMPARE(m_fenster->edtText->font().pointSize(), f.editor);
            TConfig gespeichert(m_u->Ini());
            gespeichert.EinstellungenLaden();
            QCOMPARE(gespeichert.txtSize, f.gespeichert);
        }
    }

    void PagesShowTheSettingsAndAnUnknownCaseLeavesTheComboAlone()
    {
        m_u->config->vlKasus = 12345;
        m_u->config->vlPartizip = false;
        m_u->config->vlPerfekt = true;
        m_u->config->vlsMischen = false;
        TfrmEinstellungen f(*m_u->kern, QString(), m_fenster);
        f.cmbKasus->setCurrentIndex(4);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QString ordner = qEnvironmentVariable("LEXOVITA_BILDER");
        int seite = 0;
        for (QTreeWidgetItemIterator it(f.tvwEinstellungen); *it; ++it, ++seite) {
            f.tvwEinstellungen->setCurrentItem(*it);
            QCOMPARE(f.stkSeiten->currentIndex(), seite);
            if (!ordner.isEmpty()) {
                QApplication::processEvents(); // the page lays out the texts it was just given
                QVERIFY(f.grab().save(ordner + QStringLiteral("/einstellungen-%1.png").arg(seite)));
            }
        }
        QCOMPARE(seite, 9);
        QCOMPARE(f.cmbKasus->currentIndex(), 4);
        QVERIFY(!f.chkPartizip->isChecked() && f.chkPerfekt->isChecked());
        QVERIFY(f.chkVLSAnfang->isEnabled() && !f.edtFalscheAnzahl->isEnabled());
        // A number field steps within the field's range into the copy, not the live settings.
        QCOMPARE(f.edtAbstand->minimum(), ZahlfeldBereich(TZahlfeld::Abstand).minimum);
        QTest::keyClick(f.edtAbstand, Qt::Key_Up);
        QCOMPARE(f.Kopie().txtZeilenabstand, 19);
        f.edtAbstand->setValue(0);
        QCOMPARE(f.Kopie().txtZeilenabstand, ZahlfeldBereich(TZahlfeld::Abstand).minimum);
        f.edtAbstand->setValue(25);
        QCOMPARE(f.Kopie().txtZeilenabstand, 25);
        QCOMPARE(m_u->config->txtZeilenabstand, 18);
    }

    void FormenHolenOnAnEmptyTextClearsEveryCheck()
    {
        TfrmEinstellungen f(*m_u->kern, QString(), m_fenster);
        f.show();
        QVERIFY(Angehakt(f.VTVFormen) > 0); // the default verb selection
        f.btnText->click();
        QTRY_VERIFY(!f.Beschaeftigt());
        QVERIFY(f.btnOK->isEnabled() && f.btnAbbrechen->isEnabled());
        QCOMPARE(f.btnText->text(), QStringLiteral("Formen ho&len"));
        QCOMPARE(Angehakt(f.VTVFormen), 0);
        QVERIFY(f.Kopie().flVerb.isEmpty() && f.Kopie().flAdjektiv.isEmpty() && f.Kopie().flSubstantiv.isEmpty());
        // Switching the word class stores the old tree's (empty) checks first.
        f.cmbWortart->setCurrentIndex(2);
        QCOMPARE(Angehakt(f.VTVFormen), 0);
        QVERIFY(f.VTVFormen->topLevelItemCount() > 0);
    }
    // The page "Lexikon" imports from the sources it names, as a job whose
    // end it reports; without sources it says why and keeps the lexicon.
    // The lexicon colour is one of the text elements: chosen there and
    // confirmed, it is stored and paints the analysed words only the lexicon knows.
    void TheLexiconColourIsATextElementAndPaintsLexiconWords()
    {
        QVERIFY(
            LexikonImportieren(*m_u->dm, TLexikonQuellen::InOrdner(QStringLiteral(LEXOVITA_LEXIKON_FIXTUREN))).lemmata >
            0);
        {
            TfrmEinstellungen f(*m_u->kern, QString(), m_fenster);
            const auto zeilen =
                f.lstElemente->findItems(QStringLiteral("Wort nur im Lexikon (Analysemodus)"), Qt::MatchExactly);
            QCOMPARE(zeilen.size(), 1);
            f.lstElemente->setCurrentItem(zeilen.first());
            QCOMPARE(f.clrVg->text(), QStringLiteral("#4F6D8A")); // the muted default
            f.FarbeSetzen(true, QColor(0x8B, 0x45, 0x13));
            QCOMPARE(FarbeAlsRgb(m_u->config->clLexikonVg), 0x4F6D8Au); // a copy until OK
            f.btnOK->click();
        }
        QCOMPARE(FarbeAlsRgb(m_u->config->clLexikonVg), 0x8B4513u);
        TConfig gespeichert(m_u->Ini());
        gespeichert.EinstellungenLaden();
        QCOMPARE(FarbeAlsRgb(gespeichert.clLexikonVg), 0x8B4513u);

        // "Rex" and "dominum" only the lexicon knows: a click on "dominum"
        // paints "Rex" in the chosen colour.
        m_fenster->pgcSeiten->setCurrentIndex(1);
        QTest::keyClicks(m_fenster->edtText, QStringLiteral("Rex dominum amat."));
        m_fenster->Aktion(QStringLiteral("actTextanalyse"))->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(m_fenster->lblModus->text(), QStringLiteral("Analyse-Modus"), 10000);
        QTextCursor c = m_fenster->edtText->textCursor();
        c.setPosition(6);
        QTest::mouseClick(m_fenster->edtText->viewport(), Qt::LeftButton, {},
                          m_fenster->edtText->cursorRect(c).center());
        QColor rex;
        for (const QTextEdit::ExtraSelection &s : m_fenster->edtText->extraSelections())
            if (s.cursor.selectionStart() == 0 && s.cursor.selectionEnd() == 3)
                rex = s.format.foreground().color();
        QCOMPARE(rex, QColor(0x8B, 0x45, 0x13));
        Bild(m_fenster, QStringLiteral("lexikonfarbe.png"));
    }

    void TheLexiconPageImportsAndSaysWhyItCannot()
    {
        TfrmEinstellungen f(*m_u->kern, QString(), m_fenster);
        f.LexikonQuellenSetzen(TLexikonQuellen::InOrdner(QStringLiteral(LEXOVITA_LEXIKON_FIXTUREN)));
        f.show();
        f.LexikonSeiteZeigen();
        QCOMPARE(f.stkSeiten->currentWidget(), f.lblLexikonStand->parentWidget()->parentWidget());
        QCOMPARE(f.lblLexikonQuellen->text(),
                 QStringLiteral("Collatinus: gefunden\nFreeDict Latein–Deutsch: gefunden"));
        QCOMPARE(f.lblLexikonStand->text(), QStringLiteral("Es ist noch kein Lexikon importiert."));
        QVERIFY(f.btnLexikonImportieren->isEnabled());
        f.btnLexikonImportieren->click();
        QVERIFY(f.Beschaeftigt());
        QVERIFY(!f.btnOK->isEnabled());
        QTRY_VERIFY(!f.Beschaeftigt());
        QVERIFY(f.btnOK->isEnabled());
        QVERIFY2(f.lblLexikonMeldung->text().startsWith(QStringLiteral("Das Lexikon wurde importiert: 12 Wörter")),
                 qPrintable(f.lblLexikonMeldung->text()));
        QVERIFY2(f.lblLexikonStand->text().startsWith(QStringLiteral("12 Einträge, importiert am ")),
                 qPrintable(f.lblLexikonStand->text()));
        QCOMPARE(f.btnLexikonImportieren->text(), QStringLiteral("Erneut &importieren"));
        QCOMPARE(LexikonNachschlagen(m_u->kern->Daten(), QStringLiteral("rosa")).size(), size_t(1));

        QTemporaryDir leer;
        f.LexikonQuellenSetzen(TLexikonQuellen::InOrdner(leer.path()));
        QVERIFY(!f.btnLexikonImportieren->isEnabled());
        QVERIFY(f.lblLexikonQuellen->text().startsWith(QStringLiteral("Collatinus: nicht installiert")));
        QVERIFY(!f.lblLexikonMeldung->text().isEmpty());
        QVERIFY(f.lblLexikonStand->text().startsWith(QStringLiteral("12 Einträge")));
    }
};

QTEST_MAIN(TestEinstellungen)
#include "test_einstellungen.moc"
