// Widget tests of the main window and the start-up, on an in-memory database.
#include "app/anwendungskern.h"
#include "app/lektionssitzung.h"
#include "model/config.h"
#include "model/lektion.h"
#include "model/lektionsdatei.h"
#include "model/rueckfrage.h"
#include "store/datenmanager.h"
#include "store/lektionsspeicher.h"
#include "store/vokabelspeicher.h"
#include "ui/frameauswahl.h"
#include "ui/frmhaupt.h"
#include "ui/frmlehrbuchverwaltung.h"
#include "ui/frmsuchen.h"
#include "ui/frmwoerterbuch.h"
#include "ui/hilfe.h"
#include "ui/programmstart.h"
#include "ui/vokabelliste.h"
#include "ui_hilfe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>

using namespace lexovita;
using namespace lexovita::testhilfe;

namespace {

TfrmLehrbuchverwaltung::Ergebnis Gewaehlt(const QString &name, int32_t buch, const QString &buchName, int32_t lektion)
{
    TfrmLehrbuchverwaltung::Ergebnis e;
    e.bestaetigt = true;
    e.name = name;
    e.lehrbuchId = buch;
    e.lehrbuch = buchName;
    e.lektionId = lektion;
    return e;
}

QStringList Spalte(const QTreeWidget *liste, int spalte)
{
    QStringList s;
    for (int i = 0; i < liste->topLevelItemCount(); ++i)
        s << liste->topLevelItem(i)->text(spalte);
    return s;
}

// The Alt letter of a caption ("Te&xt" -> 'x'), null without one; "&&" is a
// plain ampersand.
QChar Mnemonic(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

// Entries of one menu level sharing an Alt letter, submenus included: such a
// letter opens neither entry but cycles between them.
void DoppelteMnemonics(const QString &ebene, const QList<QAction *> &aktionen, QStringList &doppelt)
{
    QHash<QChar, QString> belegt;
    for (QAction *a : aktionen) {
        const QChar m = Mnemonic(a->text());
        if (!m.isNull() && belegt.contains(m))
            doppelt << ebene + QStringLiteral(": ") + belegt.value(m) + QStringLiteral(" / ") + a->text();
        else if (!m.isNull())
            belegt.insert(m, a->text());
        if (a->menu())
            DoppelteMnemonics(a->text(), a->menu()->actions(), doppelt);
    }
}

} // namespace

class TestFrmHaupt : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TUmgebung> m_u;
    TfrmHaupt *m_fenster = nullptr;

    // Puts the first candidate for `text` into the current lesson via the quick-add field.
    void Hinzufuegen(const QString &text)
    {
        m_fenster->edtVokabel->clear();
        QTest::keyClicks(m_fenster->edtVokabel, text);
        QVERIFY(m_fenster->frameAuswahl->isVisible());
        QTest::keyClick(m_fenster->edtVokabel, Qt::Key_Return);
    }
    void Auswaehlen(QList<int> zeilen)
    {
        m_fenster->lvwVokabeln->clearSelection();
        for (int z : zeilen)
            m_fenster->lvwVokabeln->topLevelItem(z)->setSelected(true);
    }

  private slots:
    void init()
    {
        m_u = std::make_unique<TUmgebung>();
        // Questions the script does not answer are answered "Nein".
        m_u->frage.antwort = Antwort::Nein;
        m_u->Speichern(QStringLiteral("amare"), WA_VERB, QStringLiteral("lieben"), {QStringLiteral("amo")});
        m_u->Speichern(QStringLiteral("amicus"), WA_SUBSTANTIV, QStringLiteral("Freund"));
        m_u->Speichern(QStringLiteral("ambulare"), WA_VERB, QStringLiteral("spazieren gehen"));
        m_u->Speichern(QStringLiteral("bonus"), WA_ADJEKTIV, QStringLiteral("gut"));
        m_u->Speichern(QStringLiteral("celer"), WA_ADJEKTIV, QStringLiteral("schnell"));
        m_u->frage.gefragt.clear();
        m_u->frage.antworten.clear();
        QVERIFY(m_u->Oeffnen());
        m_fenster = m_u->fenster.get();
    }
    void cleanup() { m_u.reset(); }

    void showingTheWindowOpensOneUnmodifiedLesson()
    {
        QCOMPARE(m_fenster->TabSet->count(), 1);
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("unbenannt-1"));
        QCOMPARE(m_fenster->windowTitle(), QStringLiteral("lexovita [unbenannt-1]"));
        QVERIFY(!m_fenster->Aktion(QStringLiteral("actVokabelEntfernen"))->isEnabled());
        QVERIFY(!m_fenster->Aktion(QStringLiteral("actVokabelnSchriftlich"))->isEnabled());
    }

    void everyActionOfTheListExistsWithItsCaptionAndKey()
    {
        const struct {
            const char *name, *caption, *taste;
        } erwartet[] = {
            {"actNeueLektion", "&Neue Lektion", "Ctrl+N"},
            {"actOeffnen", "Lektion ö&ffnen...", "Ctrl+O"},
            {"actVokabelNeu", "&Neue Vokabel...", "Ctrl+Ins"},
            {"actVokabelEntfernen", "Vokabel en&tfernen", "Del"},
            {"actTextanalyse", "&Modus \"Textanalyse\"", "Ctrl+T"},
            {"actWoerterbuch", "&Wörterbuch...", "Ctrl+W"},
            {"Action2", "&Numerale...", ""},
            {"Action4", "Ü&ber lexovita...", ""},
        };
        for (const auto &e : erwartet) {
            QAction *a = m_fenster->Aktion(QString::fromLatin1(e.name));
            QVERIFY2(a, e.name);
            QCOMPARE(a->text(), QString::fromUtf8(e.caption));
            QCOMPARE(a->shortcut(), QKeySequence(QString::fromLatin1(e.taste)));
        }
        // The word list works on any open lesson, also an empty one.
        QVERIFY(m_fenster->Aktion(QStringLiteral("actVokabelliste"))->isEnabled());
    }

    void everyMenuLevelHasUniqueAltLetters()
    {
        const QList<QAction *> menues = m_fenster->menuBar()->actions();
        QCOMPARE(menues.size(), 6);
        for (QAction *m : menues)
            QVERIFY2(!Mnemonic(m->text()).isNull(), qPrintable(m->text()));
        QStringList doppelt;
        DoppelteMnemonics(QStringLiteral("Menüleiste"), menues, doppelt);
        QVERIFY2(doppelt.isEmpty(), qPrintable(doppelt.join(QStringLiteral("; "))));
        // Alt+letter of a label on the window must not be taken by a menu.
        QSet<QChar> menueBuchstaben;
        for (QAction *m : menues)
            menueBuchstaben.insert(Mnemonic(m->text()));
        for (const QLabel *l : m_fenster->findChildren<QLabel *>()) {
            const QChar c = Mnemonic(l->text());
            QVERIFY2(c.isNull() || !menueBuchstaben.contains(c), qPrintable(l->text()));
        }
    }

    void theHelpActionShowsTheMainWindowTopic()
    {
        // The build copies the help pages beside the binaries (lexovita_data).
        QVERIFY2(QFileInfo::exists(QDir(HilfeOrdner()).filePath(QStringLiteral("1016.htm"))),
                 qPrintable(HilfeOrdner()));
        QVERIFY(HilfeFehlt().isEmpty());
        m_fenster->Aktion(QStringLiteral("actHilfe"))->trigger();
        auto *browser = m_fenster->findChild<QTextBrowser *>(QStringLiteral("txtHilfe"));
        QVERIFY(browser);
        QVERIFY(browser->window()->isVisible());
        QCOMPARE(browser->source().fileName(), QStringLiteral("1016.htm"));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Hauptfenster")));
    }

    void quickAddSearchesFromTheSecondLetterAndAddsTheShownCandidate()
    {
        QTest::keyClicks(m_fenster->edtVokabel, QStringLiteral("a"));
        QVERIFY(!m_fenster->frameAuswahl->isVisible());
        QVERIFY(!m_fenster->btnHinzufuegen->isEnabled());
        QTest::keyClicks(m_fenster->edtVokabel, QStringLiteral("m"));
        QVERIFY(m_fenster->frameAuswahl->isVisible());
        QVERIFY(m_fenster->btnHinzufuegen->isEnabled());
        QCOMPARE(m_fenster->frameAuswahl->Anzahl(), 3);
        // Down steps through the candidates and stops at the last one; Up stops at the first.
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(m_fenster->edtVokabel, Qt::Key_Down);
        QCOMPARE(m_fenster->frameAuswahl->Index(), 2);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(m_fenster->edtVokabel, Qt::Key_Up);
        QCOMPARE(m_fenster->frameAuswahl->Index(), 0);
        QTest::keyClick(m_fenster->edtVokabel, Qt::Key_Down);
        const QString gewaehlt = m_fenster->frameAuswahl->Aktuell()->vokabel;
        QTest::keyClick(m_fenster->edtVokabel, Qt::Key_Return);

        const TLektion *l = m_fenster->AktuelleLektion();
        QCOMPARE(l->Anzahl(), 1);
        QCOMPARE(l->vokabeln[0]->vokabel, gewaehlt);
        // The full entry is loaded, meanings included.
        QVERIFY(!l->vokabeln[0]->bedeutungen.empty());
        QCOMPARE(m_fenster->lvwVokabeln->topLevelItemCount(), 1);
        QCOMPARE(m_fenster->lvwVokabeln->topLevelItem(0)->text(1), gewaehlt);
        QVERIFY(!m_fenster->frameAuswahl->isVisible());
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("unbenannt-1 *"));
        // The entry makes the written drill and the printed test available.
        QVERIFY(m_fenster->Aktion(QStringLiteral("actVokabelnSchriftlich"))->isEnabled());
        QVERIFY(m_fenster->Aktion(QStringLiteral("actVokabeltest"))->isEnabled());
    }

    void escapeHidesTheCandidatesAndUnknownTextShowsNone()
    {
        QTest::keyClicks(m_fenster->edtVokabel, QStringLiteral("bo"));
        QVERIFY(m_fenster->frameAuswahl->isVisible());
        QTest::keyClick(m_fenster->edtVokabel, Qt::Key_Escape);
        QVERIFY(!m_fenster->frameAuswahl->isVisible());
        m_fenster->edtVokabel->clear();
        QTest::keyClicks(m_fenster->edtVokabel, QStringLiteral("xy"));
        QVERIFY(!m_fenster->frameAuswahl->isVisible());
        QVERIFY(!m_fenster->Aktion(QStringLiteral("actVokabelHinzufuegen"))->isEnabled());
        // Enter without candidates opens the editor on a new entry; cancelled, it adds nothing.
        QString titel;
        QTimer::singleShot(0, [&titel] {
            if (auto *editor = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                titel = editor->windowTitle();
                editor->reject();
            }
        });
        QTest::keyClick(m_fenster->edtVokabel, Qt::Key_Return);
        QCOMPARE(titel, QStringLiteral("Neue Vokabel (xy)"));
        QCOMPARE(m_fenster->AktuelleLektion()->Anzahl(), 0);
    }

    void movingUpAndDownWrapsAroundAndKeepsTheMovedRowSelected()
    {
        Hinzufuegen(QStringLiteral("amar"));
        Hinzufuegen(QStringLiteral("bonu"));
        Hinzufuegen(QStringLiteral("cele"));
        auto *liste = m_fenster->lvwVokabeln;
        QCOMPARE(Spalte(liste, 1), (QStringList{"amare", "bonus", "celer"}));
        Auswaehlen({0});
        QVERIFY(m_fenster->Aktion(QStringLiteral("actVokabelNachOben"))->isEnabled());
        m_fenster->Aktion(QStringLiteral("actVokabelNachOben"))->trigger();
        QCOMPARE(Spalte(liste, 1), (QStringList{"bonus", "celer", "amare"}));
        QCOMPARE(Spalte(liste, 0), (QStringList{"1", "2", "3"}));
        QCOMPARE(liste->AusgewaehlteZeilen(), QList<int>{2});
        m_fenster->Aktion(QStringLiteral("actVokabelNachUnten"))->trigger();
        QCOMPARE(Spalte(liste, 1), (QStringList{"amare", "bonus", "celer"}));
        QCOMPARE(liste->AusgewaehlteZeilen(), QList<int>{0});
        m_fenster->Aktion(QStringLiteral("actVokabelNachUnten"))->trigger();
        QCOMPARE(Spalte(liste, 1), (QStringList{"bonus", "amare", "celer"}));
        // Moving needs exactly one selected row.
        Auswaehlen({0, 1});
        QVERIFY(!m_fenster->Aktion(QStringLiteral("actVokabelNachOben"))->isEnabled());
        QVERIFY(m_fenster->Aktion(QStringLiteral("actVokabelEntfernen"))->isEnabled());
    }

    void removingSelectedRowsKeepsTheOthersInOrderAndRenumbers()
    {
        for (const char *w : {"amar", "amic", "ambu", "bonu", "cele"})
            Hinzufuegen(QString::fromLatin1(w));
        auto *liste = m_fenster->lvwVokabeln;
        QCOMPARE(liste->topLevelItemCount(), 5);
        Auswaehlen({0, 2, 4});
        m_fenster->Aktion(QStringLiteral("actVokabelEntfernen"))->trigger();
        QCOMPARE(Spalte(liste, 1), (QStringList{"amicus", "bonus"}));
        QCOMPARE(Spalte(liste, 0), (QStringList{"1", "2"}));
        QCOMPARE(m_fenster->AktuelleLektion()->Anzahl(), 2);
        QVERIFY(!m_fenster->Aktion(QStringLiteral("actVokabelEntfernen"))->isEnabled());
    }

    void theButtonAndTheInsertAndDeleteKeysWorkOnThePage()
    {
        m_fenster->edtVokabel->setFocus();
        QTest::keyClicks(m_fenster->edtVokabel, QStringLiteral("bo"));
        QTest::mouseClick(m_fenster->btnHinzufuegen, Qt::LeftButton);
        QCOMPARE(Spalte(m_fenster->lvwVokabeln, 1), QStringList{QStringLiteral("bonus")});
        QVERIFY(m_fenster->edtVokabel->hasFocus());
        QCOMPARE(m_fenster->edtVokabel->selectedText(), QStringLiteral("bo"));
        QTest::keyClicks(m_fenster->edtVokabel, QStringLiteral("ce"));
        QTest::keyClick(m_fenster->edtVokabel, Qt::Key_Insert);
        QCOMPARE(Spalte(m_fenster->lvwVokabeln, 1), (QStringList{"bonus", "celer"}));
        // Delete in the field edits the text; in the list it removes the selected entry.
        QTest::keyClick(m_fenster->edtVokabel, Qt::Key_Home);
        QTest::keyClick(m_fenster->edtVokabel, Qt::Key_Delete);
        QCOMPARE(m_fenster->edtVokabel->text(), QStringLiteral("e"));
        QCOMPARE(m_fenster->lvwVokabeln->topLevelItemCount(), 2);
        m_fenster->lvwVokabeln->setFocus();
        Auswaehlen({0});
        QTest::keyClick(m_fenster->lvwVokabeln, Qt::Key_Delete);
        QCOMPARE(Spalte(m_fenster->lvwVokabeln, 1), QStringList{QStringLiteral("celer")});
    }

    void clickingAHeaderSortsWithoutMarkingTheLesson()
    {
        for (const char *w : {"amar", "bonu", "amic"})
            Hinzufuegen(QString::fromLatin1(w));
        TLektion *l = m_fenster->AktuelleLektion();
        l->geaendert = false;
        m_fenster->LektionZeigen();
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("unbenannt-1"));
        auto *header = m_fenster->lvwVokabeln->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(4) + 5, header->height() / 2));
        QCOMPARE(Spalte(m_fenster->lvwVokabeln, 4), (QStringList{"Adjektiv", "Substantiv", "Verb"}));
        QCOMPARE(Spalte(m_fenster->lvwVokabeln, 0), (QStringList{"1", "2", "3"}));
        QCOMPARE(l->vokabeln[0]->vokabel, QStringLiteral("bonus"));
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("unbenannt-1"));
        // "Nr" does not sort.
        m_fenster->SpalteSortieren(1);
        QCOMPARE(Spalte(m_fenster->lvwVokabeln, 1), (QStringList{"amare", "amicus", "bonus"}));
        m_fenster->SpalteSortieren(0);
        QCOMPARE(Spalte(m_fenster->lvwVokabeln, 1), (QStringList{"amare", "amicus", "bonus"}));
    }

    void draggingARowMovesItWithoutMarkingTheLesson()
    {
        for (const char *w : {"amar", "bonu", "cele"})
            Hinzufuegen(QString::fromLatin1(w));
        m_fenster->AktuelleLektion()->geaendert = false;
        emit m_fenster->lvwVokabeln->verschieben(0, 2);
        QCOMPARE(Spalte(m_fenster->lvwVokabeln, 1), (QStringList{"bonus", "celer", "amare"}));
        QVERIFY(!m_fenster->AktuelleLektion()->geaendert);
    }

    void closingTheLastUnmodifiedLessonOpensAFreshOneWithoutAsking()
    {
        m_fenster->Aktion(QStringLiteral("actLektionSchliessen"))->trigger();
        QVERIFY(m_u->frage.gefragt.isEmpty());
        QCOMPARE(m_fenster->TabSet->count(), 1);
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("unbenannt-1"));
        QCOMPARE(m_fenster->Sitzung().Lektionen().Anzahl(), 1);
        QVERIFY(!m_fenster->AktuelleLektion()->geaendert);
    }

    void closingTheFirstOfThreeLessonsShowsTheNextOneAndRenumbersTabs()
    {
        m_fenster->Aktion(QStringLiteral("actNeueLektion"))->trigger();
        m_fenster->Aktion(QStringLiteral("actNeueLektion"))->trigger();
        QCOMPARE(m_fenster->TabSet->count(), 3);
        QCOMPARE(m_fenster->TabSet->tabText(2), QStringLiteral("unbenannt-3"));
        QCOMPARE(m_fenster->TabSet->currentIndex(), 2);
        m_fenster->TabSet->setCurrentIndex(0);
        QCOMPARE(m_fenster->AktuelleLektion()->name, QStringLiteral("unbenannt-1"));
        m_fenster->Sitzung().Schliessen();
        QCOMPARE(m_fenster->TabSet->count(), 2);
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("unbenannt-2"));
        QCOMPARE(m_fenster->TabSet->currentIndex(), 0);
        QCOMPARE(m_fenster->AktuelleLektion()->name, QStringLiteral("unbenannt-2"));
        QCOMPARE(m_fenster->windowTitle(), QStringLiteral("lexovita [unbenannt-2]"));
    }

    void switchingTabsKeepsEachLessonsTextAndNotes()
    {
        QTest::keyClicks(m_fenster->PlusMemo1, QStringLiteral("Gallia est omnis divisa."));
        QTest::keyClicks(m_fenster->memNotizen, QStringLiteral("Notiz eins")); // key release copies the notes
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("unbenannt-1 *"));
        m_fenster->Sitzung().Neu();
        QVERIFY(m_fenster->PlusMemo1->toPlainText().isEmpty());
        QCOMPARE(m_fenster->TabSet->tabText(1), QStringLiteral("unbenannt-2"));
        m_fenster->TabSet->setCurrentIndex(0);
        QCOMPARE(m_fenster->PlusMemo1->toPlainText(), QStringLiteral("Gallia est omnis divisa."));
        QCOMPARE(m_fenster->memNotizen->toPlainText(), QStringLiteral("Notiz eins"));
        QCOMPARE(m_fenster->AktuelleLektion()->notizen, QStringList{QStringLiteral("Notiz eins")});
        QCOMPARE(m_fenster->AktuelleLektion()->text, QStringList{QStringLiteral("Gallia est omnis divisa.")});
    }

    void theTextPageShowsLineColumnAndTheWordAtTheCaret()
    {
        QTest::keyClicks(m_fenster->PlusMemo1, QStringLiteral("Gallia est."));
        QTest::keyClick(m_fenster->PlusMemo1, Qt::Key_Return);
        QTest::keyClicks(m_fenster->PlusMemo1, QStringLiteral("Amo, te"));
        QCOMPARE(m_fenster->lblZeile->text(), QStringLiteral("Zeile: 2"));
        QCOMPARE(m_fenster->lblSpalte->text(), QStringLiteral("Spalte: 8"));
        QCOMPARE(m_fenster->btnAnalyse->text(), QStringLiteral("te"));
        QTextCursor c = m_fenster->PlusMemo1->textCursor();
        c.setPosition(15); // on the comma after "Amo"
        m_fenster->PlusMemo1->setTextCursor(c);
        QCOMPARE(m_fenster->lblSpalte->text(), QStringLiteral("Spalte: 4"));
        QCOMPARE(m_fenster->btnAnalyse->text(), QStringLiteral("amo"));
        QVERIFY(!m_fenster->btnAnalyse->isHidden());
        c.setPosition(16); // the blank after the comma: no word
        m_fenster->PlusMemo1->setTextCursor(c);
        QVERIFY(m_fenster->btnAnalyse->isHidden());
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("unbenannt-1 *"));
    }

    void searchFindsTheNextMatchAndFormsAndReplaceAllMarksTheLessonModified()
    {
        TVokabel laudare;
        laudare.SetWortart(WA_VERB);
        laudare.SetKonjDekl(KD_A);
        laudare.vokabel = QStringLiteral("laudare");
        laudare.form1 = QStringLiteral("laudo");
        laudare.form2 = QStringLiteral("laudavi");
        laudare.form3 = QStringLiteral("laudatum");
        laudare.BedeutungAnhaengen(QStringLiteral("loben"), {}, 1);
        TVokabelSpeicher(*m_u->dm, m_u->frage).Speichern(laudare);
        TLektion *l = m_fenster->AktuelleLektion();
        l->text = {QStringLiteral("Laudo te, amice."), QStringLiteral("Amicus laudat amicam; laudo laudatus.")};
        m_fenster->LektionZeigen();
        m_fenster->pgcSeiten->setCurrentIndex(1);
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("unbenannt-1"));
        QTextEdit *editor = m_fenster->PlusMemo1;
        // The marked range of the editor, or {-1, -1}.
        const auto markiert = [&] {
            const auto s = editor->extraSelections();
            if (s.size() != 1 || s.first().format.background().color() != QColor(Qt::blue))
                return std::pair{-1, -1};
            return std::pair{s.first().cursor.selectionStart(), s.first().cursor.selectionEnd()};
        };
        const auto weiter = [&](std::pair<int, int> erwartet) {
            const qsizetype gefragt = m_u->frage.gefragt.size();
            m_fenster->Suchfenster()->btnWeiter->click();
            QCOMPARE(markiert(), erwartet);
            if (erwartet.first < 0) {
                QCOMPARE(m_u->frage.gefragt.size(), gefragt + 1);
                QCOMPARE(m_u->frage.gefragt.last().text, QStringLiteral("Das Dokument wurde durchsucht."));
                QCOMPARE(editor->textCursor().position(), 0);
            } else {
                QCOMPARE(m_u->frage.gefragt.size(), gefragt);
                QCOMPARE(editor->textCursor().position(), erwartet.second);
            }
        };

        QAction *suchen = m_fenster->Aktion(QStringLiteral("actSuchen"));
        QVERIFY(suchen->isEnabled());
        suchen->trigger();
        TfrmSuchen *f = m_fenster->Suchfenster();
        QVERIFY(f && f->isVisible() && !f->isModal());
        QCOMPARE(f->windowTitle(), QStringLiteral("Suchen und Ersetzen"));
        QCOMPARE(f->tabSeiten->currentIndex(), 0);
        QVERIFY(f->cmbErsetzen->isHidden() && f->btnAlle->isHidden() && !f->pnlFormen->isHidden());
        QStringList beschriftungen;
        for (const QAbstractButton *b : f->findChildren<QAbstractButton *>())
            beschriftungen << b->text();
        for (const QLabel *b : f->findChildren<QLabel *>())
            beschriftungen << b->text();
        QHash<QChar, QString> belegt;
        for (const QString &t : beschriftungen) {
            const QChar m = Mnemonic(t);
            if (m.isNull())
                continue;
            QVERIFY2(!belegt.contains(m), qPrintable(belegt.value(m) + QStringLiteral(" / ") + t));
            belegt.insert(m, t);
        }
        QCOMPARE(belegt.size(), 11);

        // The same text again goes on after the last hit, up to the end.
        f->cmbSuchen->setEditText(QStringLiteral("laudo"));
        weiter({0, 5});
        weiter({39, 44});
        weiter({-1, -1});
        weiter({0, 5});

        // Every form of "laudare", one at a time; case and word bounds are the analysis's.
        f->chkFormen->setChecked(true);
        QVERIFY(!f->chkCase->isEnabled() && !f->chkGanzeWoerter->isEnabled());
        f->cmbSuchen->setEditText(QStringLiteral("laudare"));
        weiter({0, 5});
        weiter({24, 30});
        weiter({39, 44});
        weiter({45, 53});
        weiter({-1, -1});
        f->cmbSuchen->setEditText(QStringLiteral("nescio"));
        weiter({-1, -1});
        QCOMPARE(f->cmbSuchen->count(), 3); // the history: laudo, laudare, nescio
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("unbenannt-1"));

        // Analysis mode hides the window and disables both actions.
        QAction *modus = m_fenster->Aktion(QStringLiteral("actTextanalyse"));
        modus->trigger();
        QVERIFY(!f->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(m_fenster->lblModus->text(), QStringLiteral("Analyse-Modus"), 10000);
        QVERIFY(!suchen->isEnabled() && !m_fenster->Aktion(QStringLiteral("actErsetzen"))->isEnabled());
        modus->trigger();
        QVERIFY(suchen->isEnabled());

        m_fenster->Aktion(QStringLiteral("actErsetzen"))->trigger();
        QVERIFY(f->isVisible());
        QCOMPARE(f->tabSeiten->currentIndex(), 1);
        QVERIFY(!f->btnAlle->isHidden() && f->pnlFormen->isHidden() && f->chkCase->isEnabled());
        // "Ersetzen" first finds, then replaces the match at the caret and finds on.
        f->cmbSuchen->setEditText(QStringLiteral("amicam"));
        f->cmbErsetzen->setEditText(QStringLiteral("amicum"));
        f->btnErsetzen->click();
        QCOMPARE(markiert(), std::pair(31, 37));
        const qsizetype gefragt = m_u->frage.gefragt.size();
        f->btnErsetzen->click();
        QCOMPARE(m_u->frage.gefragt.size(), gefragt + 1);
        QCOMPARE(l->text.last(), QStringLiteral("Amicus laudat amicum; laudo laudatus."));
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("unbenannt-1 *"));

        // A replacement holding the search text is not searched again.
        l->geaendert = false;
        f->cmbSuchen->setEditText(QStringLiteral("LAUDO"));
        f->cmbErsetzen->setEditText(QStringLiteral("laudo laudas"));
        f->chkGanzeWoerter->setChecked(true);
        f->btnAlle->click();
        QCOMPARE(m_u->frage.gefragt.last().text,
                 QStringLiteral("Das Dokument wurde durchsucht. Es wurden 2 Ersetzungen vorgenommen"));
        QCOMPARE(l->text, QStringList({QStringLiteral("laudo laudas te, amice."),
                                       QStringLiteral("Amicus laudat amicum; laudo laudas laudatus.")}));
        QVERIFY(l->geaendert);
        f->cmbSuchen->setEditText(QStringLiteral("Amicus"));
        f->chkCase->setChecked(true);
        f->btnAlle->click();
        QCOMPARE(m_u->frage.gefragt.last().text,
                 QStringLiteral("Das Dokument wurde durchsucht. Es wurde 1 Ersetzung vorgenommen"));
        QCOMPARE(l->text.last(), QStringLiteral("laudo laudas laudat amicum; laudo laudas laudatus."));

        f->btnAbbrechen->click();
        QVERIFY(!f->isVisible());
        QVERIFY(editor->extraSelections().isEmpty());
    }

    void theTextAnalysisRunsInTheBackgroundAndAClickShowsTheWordsEntries()
    {
        m_fenster->pgcSeiten->setCurrentIndex(1);
        QTest::keyClicks(m_fenster->PlusMemo1, QStringLiteral("Amicus bonus."));
        QTest::keyClick(m_fenster->PlusMemo1, Qt::Key_Return);
        QTest::keyClicks(m_fenster->PlusMemo1, QStringLiteral("Celer amicus amo."));
        QAction *modus = m_fenster->Aktion(QStringLiteral("actTextanalyse"));
        QVERIFY(modus->isEnabled());
        modus->trigger();
        QVERIFY(m_fenster->PlusMemo1->isReadOnly());
        QTRY_COMPARE_WITH_TIMEOUT(m_fenster->lblModus->text(), QStringLiteral("Analyse-Modus"), 10000);
        QVERIFY(modus->isChecked());
        QVERIFY(m_fenster->chkKasus->isEnabled());
        QVERIFY(m_fenster->pgbAnalyse->isHidden());
        // Nothing clicked yet: the whole text in the faded colours.
        const QColor ausgeblendet = QColor::fromRgb(FarbeAlsRgb(m_u->config->clAusgeblendetVg));
        QCOMPARE(m_fenster->PlusMemo1->palette().color(QPalette::Text), ausgeblendet);

        // A click on "amicus" in the second line: the word list shows its entry.
        QTextCursor c = m_fenster->PlusMemo1->textCursor();
        c.setPosition(22);
        const QPoint punkt = m_fenster->PlusMemo1->cursorRect(c).center();
        QTest::mouseClick(m_fenster->PlusMemo1->viewport(), Qt::LeftButton, {}, punkt);
        QCOMPARE(Spalte(m_fenster->lvwWortkontext, 0), QStringList{QStringLiteral("amicus")});
        QCOMPARE(m_fenster->cmbSuchen->currentText(), QStringLiteral("amicus"));
        QVERIFY(m_fenster->tvwVokabeln->topLevelItemCount() == 1);
        QVERIFY(m_fenster->Aktion(QStringLiteral("actHinzufuegen"))->isEnabled());
        // The clicked sentence is painted; with case alone asked, "Celer" agrees with "amicus".
        auto hintergrundBei = [&](int position) {
            QColor farbe;
            for (const QTextEdit::ExtraSelection &s : m_fenster->PlusMemo1->extraSelections())
                if (s.cursor.selectionStart() == position && s.cursor.selectionEnd() > position)
                    farbe = s.format.background().color();
            return farbe;
        };
        QCOMPARE(hintergrundBei(14), QColor::fromRgb(FarbeAlsRgb(m_u->config->clSatzHg)));
        m_fenster->chkNumerus->click();
        m_fenster->chkGenus->click();
        QCOMPARE(hintergrundBei(14), QColor::fromRgb(FarbeAlsRgb(m_u->config->clK)));
        QCOMPARE(hintergrundBei(20), QColor::fromRgb(FarbeAlsRgb(m_u->config->clK))); // amicus itself
        if (const QString ordner = qEnvironmentVariable("LEXOVITA_BILDER"); !ordner.isEmpty())
            m_fenster->grab().save(QDir(ordner).filePath(QStringLiteral("textanalyse.png")));
        m_fenster->Aktion(QStringLiteral("actHinzufuegen"))->trigger();
        QCOMPARE(Spalte(m_fenster->lvwVokabeln, 1), QStringList{QStringLiteral("amicus")});

        // Back to entry mode at once; the text is editable again and not coloured.
        modus->trigger();
        QCOMPARE(m_fenster->lblModus->text(), QStringLiteral("Eingabe-Modus"));
        QVERIFY(!m_fenster->PlusMemo1->isReadOnly());
        QVERIFY(m_fenster->PlusMemo1->palette().color(QPalette::Text) != ausgeblendet);
        QVERIFY(m_fenster->PlusMemo1->extraSelections().isEmpty());
        QVERIFY(!m_fenster->chkKasus->isEnabled());

        // Look-up from the search box.
        m_fenster->cmbSuchen->setEditText(QStringLiteral("  bonus "));
        QTest::keyClick(m_fenster->cmbSuchen->lineEdit(), Qt::Key_Return);
        QCOMPARE(m_fenster->cmbSuchen->currentText(), QStringLiteral("bonus"));
        QCOMPARE(Spalte(m_fenster->lvwWortkontext, 0), QStringList{QStringLiteral("bonus")});
    }

    void theDictionaryListsHeadwordsShowsTheChosenEntryAndAddsItToTheLesson()
    {
        QAction *wb = m_fenster->Aktion(QStringLiteral("actWoerterbuch"));
        QVERIFY(wb->isEnabled());
        QStringList liste, bedeutungen;
        QString anzahl;
        bool formentabelle = false;
        QTimer::singleShot(0, this, [&] {
            auto *f = qobject_cast<TfrmWoerterbuch *>(QApplication::activeModalWidget());
            QVERIFY(f);
            QCOMPARE(f->windowTitle(), QStringLiteral("Wörterbuch"));
            QTest::keyClicks(f->edtSuchen, QStringLiteral("am"));
            liste = Spalte(f->DBGrid, 0);
            anzahl = f->lblVokabelAnzahl->text();
            bedeutungen << f->lblBedeutungen->text();
            f->DBGrid->setCurrentItem(f->DBGrid->topLevelItem(2));
            bedeutungen << f->lblBedeutungen->text();
            formentabelle = f->btnFormentabelle->isEnabled();
            if (const QString ordner = qEnvironmentVariable("LEXOVITA_BILDER"); !ordner.isEmpty())
                f->grab().save(QDir(ordner).filePath(QStringLiteral("woerterbuch.png")));
            f->btnHinzufuegen->click();
            f->btnSchliessen->click();
        });
        wb->trigger();
        QCOMPARE(liste, (QStringList{QStringLiteral("amare"), QStringLiteral("ambulare"), QStringLiteral("amicus")}));
        QCOMPARE(anzahl, QStringLiteral("1 Vokabel gefunden:"));
        QCOMPARE(bedeutungen, (QStringList{QStringLiteral("lieben"), QStringLiteral("Freund")}));
        QVERIFY(formentabelle);
        QCOMPARE(Spalte(m_fenster->lvwVokabeln, 1), QStringList{QStringLiteral("amicus")});
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("unbenannt-1 *"));
    }

    void closingAModifiedLessonAsksTheSaveQuestionWithNoPreselected()
    {
        Hinzufuegen(QStringLiteral("amar"));
        m_u->frage.antworten = {Antwort::Nein};
        m_fenster->Sitzung().Schliessen();
        QCOMPARE(m_u->frage.gefragt.size(), 1);
        const auto &f = m_u->frage.gefragt.first();
        QCOMPARE(f.titel, QStringLiteral("lexovita"));
        QCOMPARE(f.text, QStringLiteral("Soll die Lektion \"unbenannt-1\" gespeichert werden?"));
        QCOMPARE(f.knoepfe, int(KN_JA_NEIN));
        QVERIFY(f.vorgabe == Antwort::Nein);
        QVERIFY(f.symbol == Symbol::Frage);
        // No: the lesson is closed and a fresh one takes its place.
        QCOMPARE(m_fenster->AktuelleLektion()->Anzahl(), 0);
        QCOMPARE(m_fenster->lvwVokabeln->topLevelItemCount(), 0);
    }

    void closingTheWindowAsksAboutEveryModifiedLessonAndSavesTheSettings()
    {
        Hinzufuegen(QStringLiteral("amar")); // lesson 1 modified
        m_fenster->Sitzung().Neu();          // lesson 2 stays unmodified
        m_fenster->Sitzung().Neu();
        QTest::keyClicks(m_fenster->PlusMemo1, QStringLiteral("Roma")); // lesson 3 modified by typing
        m_u->config->KeepVokTooltip = true;
        m_u->frage.antworten = {Antwort::Nein, Antwort::Nein};
        QVERIFY(m_fenster->close());
        QCOMPARE(m_u->frage.gefragt.size(), 2);
        QCOMPARE(m_u->frage.gefragt[0].text, QStringLiteral("Soll die Lektion \"unbenannt-1\" gespeichert werden?"));
        QCOMPARE(m_u->frage.gefragt[1].text, QStringLiteral("Soll die Lektion \"unbenannt-3\" gespeichert werden?"));
        QSettings gespeichert(m_u->Ini(), QSettings::IniFormat);
        QVERIFY(gespeichert.allKeys().size() > 10);
        TConfig neu(m_u->Ini());
        neu.EinstellungenLaden();
        QVERIFY(neu.KeepVokTooltip);
    }

    void savingANewLessonAsksForAPlaceAndClearsTheMark()
    {
        TLektionsSpeicher speicher(*m_u->dm);
        const int32_t buch = speicher.LehrbuchAnlegen(QStringLiteral("Latein I"));
        QList<int> modi;
        QStringList vorschlaege;
        TfrmLehrbuchverwaltung::Ergebnis antwort;
        m_fenster->lehrbuchWaehlen = [&](int modus, const QString &vorschlag) {
            modi << modus;
            vorschlaege << vorschlag;
            return antwort;
        };
        Hinzufuegen(QStringLiteral("amar"));
        Hinzufuegen(QStringLiteral("bonu"));
        QTest::keyClicks(m_fenster->PlusMemo1, QStringLiteral("Amo te."));
        // Cancelling the chooser leaves the lesson unsaved and modified.
        m_fenster->Aktion(QStringLiteral("actSpeichern"))->trigger();
        QCOMPARE(modi, QList<int>{VM_SPEICHERN_UNTER});
        QCOMPARE(vorschlaege, QStringList{QStringLiteral("unbenannt-1")});
        QVERIFY(m_fenster->AktuelleLektion()->geaendert);
        QCOMPARE(m_fenster->AktuelleLektion()->id, 0);

        antwort = Gewaehlt(QStringLiteral("Lektion 1"), buch, QStringLiteral("Latein I"), 0);
        m_fenster->Aktion(QStringLiteral("actSpeichern"))->trigger();
        const TLektion *l = m_fenster->AktuelleLektion();
        QVERIFY(l->id > 0);
        QVERIFY(!l->geaendert);
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("Lektion 1"));
        QCOMPARE(m_fenster->windowTitle(), QStringLiteral("lexovita [Lektion 1]"));
        const auto zeilen = speicher.Lektionen(buch);
        QCOMPARE(zeilen.size(), size_t(1));
        QCOMPARE(zeilen[0].vokabeln, 2);
        QVERIFY(zeilen[0].hatText);
        // With name and textbook the next save goes straight to the store.
        Hinzufuegen(QStringLiteral("cele"));
        m_fenster->Aktion(QStringLiteral("actSpeichern"))->trigger();
        QCOMPARE(modi.size(), 2);
        QCOMPARE(speicher.Lektionen(buch)[0].vokabeln, 3);
        QCOMPARE(speicher.LektionLesen(l->id)->Anzahl(), 3);
    }

    void answeringYesOnCloseStoresTheLessonAndACancelledChooserKeepsItOpen()
    {
        TLektionsSpeicher speicher(*m_u->dm);
        const int32_t buch = speicher.LehrbuchAnlegen(QStringLiteral("Latein I"));
        int gewaehlt = 0;
        m_fenster->lehrbuchWaehlen = [&](int, const QString &) {
            ++gewaehlt;
            return TfrmLehrbuchverwaltung::Ergebnis{};
        };
        Hinzufuegen(QStringLiteral("amar"));
        m_u->frage.antworten = {Antwort::Ja};
        m_fenster->Sitzung().Schliessen();
        QCOMPARE(gewaehlt, 1);
        QCOMPARE(m_fenster->AktuelleLektion()->Anzahl(), 1); // still open, nothing lost
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("unbenannt-1 *"));

        m_fenster->AktuelleLektion()->lehrbuch_id = buch;
        m_u->frage.antworten = {Antwort::Ja};
        m_fenster->Sitzung().Schliessen();
        QCOMPARE(gewaehlt, 1);
        const auto zeilen = speicher.Lektionen(buch);
        QCOMPARE(zeilen.size(), size_t(1));
        QCOMPARE(zeilen[0].name, QStringLiteral("unbenannt-1"));
        QCOMPARE(m_fenster->AktuelleLektion()->Anzahl(), 0);
    }

    void openingAStoredLessonAddsATabAndAppendingAddsItsEntries()
    {
        TLektionsSpeicher speicher(*m_u->dm);
        const int32_t buch = speicher.LehrbuchAnlegen(QStringLiteral("Latein I"));
        TLektion gespeichert;
        gespeichert.name = QStringLiteral("Tiere");
        gespeichert.lehrbuch_id = buch;
        gespeichert.text = {QStringLiteral("Amicus bonus est.")};
        gespeichert.VokabelAnhaengen(m_u->dm->VokabelLaden(m_u->dm->VokabelnSuchen(QStringLiteral("amicus"))[0]->id));
        gespeichert.VokabelAnhaengen(m_u->dm->VokabelLaden(m_u->dm->VokabelnSuchen(QStringLiteral("bonus"))[0]->id));
        QVERIFY(speicher.LektionSpeichern(gespeichert));

        QList<int> modi;
        m_fenster->lehrbuchWaehlen = [&](int modus, const QString &) {
            modi << modus;
            return Gewaehlt(QStringLiteral("Tiere"), buch, QStringLiteral("Latein I"), gespeichert.id);
        };
        m_fenster->Aktion(QStringLiteral("actOeffnen"))->trigger();
        QCOMPARE(m_fenster->TabSet->count(), 2);
        QCOMPARE(m_fenster->TabSet->currentIndex(), 1);
        QCOMPARE(m_fenster->TabSet->tabText(1), QStringLiteral("Tiere"));
        QCOMPARE(Spalte(m_fenster->lvwVokabeln, 1), (QStringList{"amicus", "bonus"}));
        QCOMPARE(m_fenster->PlusMemo1->toPlainText(), QStringLiteral("Amicus bonus est."));
        // Opening it again shows the open copy instead of a second tab.
        m_fenster->TabSet->setCurrentIndex(0);
        m_fenster->Aktion(QStringLiteral("actOeffnen"))->trigger();
        QCOMPARE(m_fenster->TabSet->count(), 2);
        QCOMPARE(m_fenster->TabSet->currentIndex(), 1);

        m_fenster->TabSet->setCurrentIndex(0);
        Hinzufuegen(QStringLiteral("cele"));
        m_fenster->Aktion(QStringLiteral("actAnhaengen"))->trigger();
        QCOMPARE(modi.last(), int(VM_ANHAENGEN));
        QCOMPARE(Spalte(m_fenster->lvwVokabeln, 1), (QStringList{"celer", "amicus", "bonus"}));
        QCOMPARE(Spalte(m_fenster->lvwVokabeln, 0), (QStringList{"1", "2", "3"}));
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("unbenannt-1 *"));
    }

    void exportingTheLessonWritesALessonFileThatReadsBack()
    {
        Hinzufuegen(QStringLiteral("amar"));
        Hinzufuegen(QStringLiteral("bonu"));
        QTest::keyClicks(m_fenster->PlusMemo1, QStringLiteral("Amo te."));
        QString vorschlag;
        m_fenster->exportDateiWaehlen = [&](const QString &v) {
            vorschlag = v;
            return m_u->ordner.filePath(QStringLiteral("export")); // ".xml" is appended
        };
        m_fenster->Aktion(QStringLiteral("actExportieren"))->trigger();
        QCOMPARE(vorschlag, QStringLiteral("unbenannt-1.xml"));
        const auto inhalt = LektionsdateiLaden(m_u->ordner.filePath(QStringLiteral("export.xml")));
        QCOMPARE(inhalt.size(), size_t(1));
        QCOMPARE(inhalt[0].lektionen.size(), size_t(1));
        const TLektion &l = *inhalt[0].lektionen[0];
        QCOMPARE(l.name, QStringLiteral("unbenannt-1"));
        QCOMPARE(l.Anzahl(), 2);
        QCOMPARE(l.vokabeln[0]->vokabel, QStringLiteral("amare"));
        QCOMPARE(l.vokabeln[1]->BedeutungenText(), QStringLiteral("gut"));
        QCOMPARE(l.text, QStringList{QStringLiteral("Amo te.")});
    }

    // The lesson as a word list and as flash cards: each command proposes its
    // own file ending and writes its own format.
    void exportingTheLessonForSpreadsheetsAndFlashCards()
    {
        Hinzufuegen(QStringLiteral("amar"));
        Hinzufuegen(QStringLiteral("bonu"));
        QStringList vorschlaege;
        m_fenster->exportDateiWaehlen = [&](const QString &v) {
            vorschlaege << v;
            return m_u->ordner.filePath(QStringLiteral("export%1").arg(vorschlaege.size())); // ending appended
        };
        m_fenster->Aktion(QStringLiteral("actExportierenCSV"))->trigger();
        m_fenster->Aktion(QStringLiteral("actExportierenKarteikarten"))->trigger();
        QCOMPARE(vorschlaege, (QStringList{QStringLiteral("unbenannt-1.csv"), QStringLiteral("unbenannt-1.txt")}));
        QFile csv(m_u->ordner.filePath(QStringLiteral("export1.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> zeilen = csv.readAll().split('\n');
        QVERIFY(zeilen[0].startsWith("\xEF\xBB\xBFLehrbuch;Lektion;Position;Vokabel;"));
        QVERIFY2(zeilen[1].startsWith(";unbenannt-1;1;amare;amo;Verb;"), zeilen[1]);
        QVERIFY2(zeilen[2].startsWith(";unbenannt-1;2;bonus;"), zeilen[2]);
        QFile karten(m_u->ordner.filePath(QStringLiteral("export2.txt")));
        QVERIFY(karten.open(QIODevice::ReadOnly));
        const QList<QByteArray> notizen = karten.readAll().split('\n');
        QCOMPARE(notizen.size(), 5 + 2 + 1);
        QCOMPARE(notizen[0], QByteArray("#separator:tab"));
        QVERIFY2(notizen[5].startsWith("lexovita\tlexovita::Ohne Lehrbuch::unbenannt-1\t<b>amare</b>"), notizen[5]);

        // The choices in the menu, for a look by eye.
        QMenu *menue = nullptr;
        for (QAction *m : m_fenster->menuBar()->actions())
            if (m->menu() && m->menu()->actions().contains(m_fenster->Aktion(QStringLiteral("actExportierenCSV"))))
                menue = m->menu();
        QVERIFY(menue);
        menue->popup(m_fenster->mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(menue));
        Bild(menue, QStringLiteral("export-menue.png"));
        menue->close();
    }

    void textbooksDeletedInTheChooserDetachTheirOpenLessons()
    {
        TLektionsSpeicher speicher(*m_u->dm);
        const int32_t buch = speicher.LehrbuchAnlegen(QStringLiteral("Latein I"));
        TLektion gespeichert;
        gespeichert.name = QStringLiteral("Tiere");
        gespeichert.lehrbuch_id = buch;
        QVERIFY(speicher.LektionSpeichern(gespeichert));
        m_fenster->lehrbuchWaehlen = [&](int, const QString &) {
            return Gewaehlt(QStringLiteral("Tiere"), buch, QStringLiteral("Latein I"), gespeichert.id);
        };
        m_fenster->Sitzung().Oeffnen();
        QCOMPARE(m_fenster->AktuelleLektion()->id, gespeichert.id);
        QVERIFY(!m_fenster->AktuelleLektion()->geaendert);

        // The user deletes the textbook in the chooser and then cancels it.
        m_fenster->lehrbuchWaehlen = [&](int, const QString &) {
            speicher.LehrbuchLoeschen(buch);
            TfrmLehrbuchverwaltung::Ergebnis e;
            e.geloeschteLehrbuecher = {buch};
            return e;
        };
        m_fenster->Sitzung().Anhaengen();
        const TLektion *l = m_fenster->AktuelleLektion();
        QCOMPARE(l->id, 0);
        QCOMPARE(l->lehrbuch_id, 0);
        QVERIFY(l->geaendert);
        QCOMPARE(m_fenster->TabSet->tabText(1), QStringLiteral("Tiere *"));

        // "Neue Lektion" in the chooser opens a new lesson instead of a choice.
        m_fenster->lehrbuchWaehlen = [&](int, const QString &) {
            TfrmLehrbuchverwaltung::Ergebnis e;
            e.neueLektion = true;
            return e;
        };
        m_fenster->Sitzung().Oeffnen();
        QCOMPARE(m_fenster->TabSet->count(), 3);
        QCOMPARE(m_fenster->AktuelleLektion()->name, QStringLiteral("unbenannt-3"));
    }
};

// Command line and start-up failures, without a main window of their own.
class TestProgrammstart : public QObject {
    Q_OBJECT
  private slots:
    void commandLineSwitchesDebugAndDataFolder()
    {
        QTemporaryDir ordner;
        auto o = StartOptionenLesen({}, ordner.path());
        QVERIFY(!o.debug);
        QCOMPARE(o.datenOrdner, ordner.filePath(QStringLiteral("Data")));
        QVERIFY(StartOptionenLesen({QStringLiteral("/debug")}, ordner.path()).debug);
        QVERIFY(StartOptionenLesen({QStringLiteral("-debug")}, ordner.path()).debug);
        o = StartOptionenLesen({QStringLiteral("--data"), QStringLiteral("/x/y"), QStringLiteral("--selbsttest-start")},
                               ordner.path());
        QCOMPARE(o.datenOrdner, QStringLiteral("/x/y"));
        QVERIFY(o.selbsttestStart);
        QVERIFY(!o.debug);
        QFile f(ordner.filePath(QStringLiteral("debug.debug")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(StartOptionenLesen({}, ordner.path()).debug);
    }

    void aDamagedDatabaseEndsTheStartWithAnErrorAndStaysUntouched()
    {
        QTemporaryDir ordner;
        const QString datei = QDir(ordner.path()).filePath(TDatenmanager::Dateiname());
        QByteArray muell(8192, '\0');
        for (int i = 0; i < muell.size(); ++i)
            muell[i] = static_cast<char>((i * 7919) % 251);
        {
            QFile f(datei);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(muell);
        }
        TStartOptionen o;
        o.datenOrdner = ordner.path();
        TProgrammstart start(*qApp, o);
        QStringList fehler;
        start.fehlerAnzeigen = [&](const QString &t) { fehler << t; };
        QCOMPARE(start.Ausfuehren(), 1);
        QCOMPARE(fehler.size(), 1);
        QVERIFY2(fehler.first().contains(QStringLiteral("kann nicht geöffnet werden")), qPrintable(fehler.first()));
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), muell);
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files), QStringList{TDatenmanager::Dateiname()});
    }

    void aNewDatabaseGetsTheStarterTextbookWithItsLessons()
    {
        // The build copies the starter textbook beside the binaries (lexovita_data).
        QVERIFY(QFileInfo(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("grundwortschatz")))
                    .isDir());
        QTemporaryDir ordner;
        TDatenmanager dm(ordner.path());
        GrundwortschatzEinrichten(dm, nullptr);
        TAnweisung vok = dm.Verbindung().Anweisung("SELECT count(*) FROM vokabel");
        QVERIFY(vok.Schritt());
        QVERIFY2(vok.Int(0) >= 1000, qPrintable(QString::number(vok.Int(0))));
        TAnweisung lek = dm.Verbindung().Anweisung("SELECT count(*) FROM lektion");
        QVERIFY(lek.Schritt());
        QCOMPARE(lek.Int(0), 60); // both starter textbooks
        QCOMPARE(dm.VokabelnSuchen(QStringLiteral("amic")).empty(), false);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int rc = 0;
    {
        TestFrmHaupt t;
        rc |= QTest::qExec(&t, argc, argv);
    }
    {
        TestProgrammstart t;
        rc |= QTest::qExec(&t, argc, argv);
    }
    return rc;
}

#include "test_frmhaupt.moc"
