// Widget tests of the main window and the start-up, on an in-memory database.
#include "app/anwendungskern.h"
#include "app/einstellungsdienst.h"
#include "app/lektionssitzung.h"
#include "app/textmodus.h"
#include "model/config.h"
#include "model/lektion.h"
#include "model/lektionsdatei.h"
#include "model/rueckfrage.h"
#include "store/datenmanager.h"
#include "store/lektionsspeicher.h"
#include "store/lexikon.h"
#include "store/vokabelspeicher.h"
#include "ui/frameauswahl.h"
#include "ui/frmeinstellungen.h"
#include "ui/frmhaupt.h"
#include "ui/frmlehrbuchverwaltung.h"
#include "ui/frmsuchen.h"
#include "ui/frmwoerterbuch.h"
#include "ui/hilfe.h"
#include "ui/programmstart.h"
#include "ui/vokabeltabelle.h"
#include "ui_hilfe.h"

#include <QAbstractTextDocumentLayout>
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
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTextLayout>
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

QStringList Spalte(const TVokabelTabelle *liste, int spalte)
{
    QStringList s;
    for (int i = 0; i < liste->Anzahl(); ++i)
        s << liste->Text(i, spalte);
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
    void Auswaehlen(QList<int> zeilen) { m_fenster->lvwVokabeln->ZeilenWaehlen(zeilen); }

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
            {"actNumerale", "&Numerale...", ""},
            {"actUeber", "Ü&ber lexovita...", ""},
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
        QCOMPARE(m_fenster->lvwVokabeln->Anzahl(), 1);
        QCOMPARE(m_fenster->lvwVokabeln->Text(0, 1), gewaehlt);
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
        QCOMPARE(liste->Anzahl(), 5);
        Auswaehlen({0, 2, 4});
        // Several entries go only after a question; "Nein" keeps them.
        m_u->frage.antworten = {Antwort::Nein, Antwort::Ja};
        m_fenster->Aktion(QStringLiteral("actVokabelEntfernen"))->trigger();
        QCOMPARE(liste->Anzahl(), 5);
        QCOMPARE(m_u->frage.gefragt.last().text,
                 QStringLiteral("Sollen die 3 ausgewählten Vokabeln aus der Lektion entfernt werden?"));
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
        QCOMPARE(m_fenster->lvwVokabeln->Anzahl(), 2);
        m_fenster->lvwVokabeln->setFocus();
        Auswaehlen({0});
        QTest::keyClick(m_fenster->lvwVokabeln, Qt::Key_Delete);
        QCOMPARE(Spalte(m_fenster->lvwVokabeln, 1), QStringList{QStringLiteral("celer")});
    }

    // Each list command marks the tab; undo (Ctrl+Z in the list) brings back
    // the list and the saved state's mark, redo (Ctrl+Y) the command's.
    void everyListCommandMarksTheTabAndUndoAndRedoRestoreListAndMark()
    {
        for (const char *w : {"amar", "bonu", "cele"})
            Hinzufuegen(QString::fromLatin1(w));
        const int32_t buch = TLektionsSpeicher(*m_u->dm).LehrbuchAnlegen(QStringLiteral("Latein I"));
        m_fenster->lehrbuchWaehlen = [buch](int, const QString &) {
            return Gewaehlt(QStringLiteral("Lektion 1"), buch, QStringLiteral("Latein I"), 0);
        };
        m_fenster->Aktion(QStringLiteral("actSpeichern"))->trigger();
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("Lektion 1"));
        const QStringList gespeichert{"amare", "bonus", "celer"};
        auto *liste = m_fenster->lvwVokabeln;
        QAction *zurueck = m_fenster->Aktion(QStringLiteral("actVokabelRueckgaengig"));
        QAction *vor = m_fenster->Aktion(QStringLiteral("actVokabelWiederherstellen"));
        QVERIFY(zurueck->isEnabled()); // the adds before saving can still be undone
        auto header = [liste](int spalte) {
            QHeaderView *h = liste->header();
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                              QPoint(h->sectionViewportPosition(h->logicalIndex(spalte)) + 5, h->height() / 2));
        };
        const struct {
            const char *befehl;
            std::function<void()> ausfuehren;
            QStringList danach;
        } faelle[] = {
            {"Vokabel entfernen",
             [&] {
                 Auswaehlen({1});
                 m_fenster->Aktion(QStringLiteral("actVokabelEntfernen"))->trigger();
             },
             {"amare", "celer"}},
            {"Vokabel nach oben",
             [&] {
                 Auswaehlen({0});
                 m_fenster->Aktion(QStringLiteral("actVokabelNachOben"))->trigger();
             },
             {"bonus", "celer", "amare"}},
            {"Vokabel nach unten",
             [&] {
                 Auswaehlen({0});
                 m_fenster->Aktion(QStringLiteral("actVokabelNachUnten"))->trigger();
             },
             {"bonus", "amare", "celer"}},
            {"Vokabel verschieben",
             [&] {
                 Auswaehlen({0});
                 emit liste->verschieben(0, 2);
             },
             {"bonus", "celer", "amare"}},
            {"Vokabeln sortieren", [&] { header(4); }, {"bonus", "celer", "amare"}}, // Adjektiv before Verb
            {"Vokabel hinzufügen", [&] { Hinzufuegen(QStringLiteral("amic")); }, {"amare", "bonus", "celer", "amicus"}},
        };
        for (const auto &f : faelle) {
            const QString befehl = QString::fromUtf8(f.befehl);
            f.ausfuehren();
            QCOMPARE(Spalte(liste, 1), f.danach);
            QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("Lektion 1 *"));
            QCOMPARE(zurueck->text(), QStringLiteral("&Rückgängig: ") + befehl);
            Bild(m_fenster, QStringLiteral("liste-%1.png").arg(&f - faelle));
            if (&f == faelle && qEnvironmentVariableIsSet("LEXOVITA_BILDER")) {
                QMenu *menue = m_fenster->menuBar()->actions().at(1)->menu();
                menue->popup(m_fenster->mapToGlobal(QPoint(60, 30)));
                Bild(menue, QStringLiteral("menue-vokabel.png"));
                menue->close();
            }
            liste->setFocus();
            QTest::keyClick(liste, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(Spalte(liste, 1), gespeichert);
            QCOMPARE(Spalte(liste, 0), (QStringList{"1", "2", "3"}));
            QVERIFY2(m_fenster->TabSet->tabText(0) == QStringLiteral("Lektion 1"), f.befehl);
            QCOMPARE(vor->text(), QStringLiteral("&Wiederherstellen: ") + befehl);
            QTest::keyClick(liste, Qt::Key_Y, Qt::ControlModifier);
            QCOMPARE(Spalte(liste, 1), f.danach);
            QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("Lektion 1 *"));
            vor->trigger(); // nothing left to redo
            zurueck->trigger();
            QCOMPARE(Spalte(liste, 1), gespeichert);
        }
        // The stored order is the one saved last: a sorted list is stored sorted.
        header(4);
        m_fenster->Aktion(QStringLiteral("actSpeichern"))->trigger();
        const TLektion *l = m_fenster->AktuelleLektion();
        const auto gespeicherteLektion = TLektionsSpeicher(*m_u->dm).LektionLesen(l->id);
        QStringList gelesen;
        for (const auto &v : gespeicherteLektion->vokabeln)
            gelesen << v->vokabel;
        QCOMPARE(gelesen, (QStringList{"bonus", "celer", "amare"}));
        // Ctrl+Z in the text editor is the editor's own undo, not the list's.
        QTest::keyClicks(m_fenster->edtText, QStringLiteral("Roma"));
        QTest::keyClick(m_fenster->edtText, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Spalte(liste, 1), (QStringList{"bonus", "celer", "amare"}));
    }

    // Saving while typing keeps the caret where it is and the text's undo history.
    void savingKeepsTheCaretAndTheUndoHistoryOfTheText()
    {
        const int32_t buch = TLektionsSpeicher(*m_u->dm).LehrbuchAnlegen(QStringLiteral("Latein I"));
        m_fenster->lehrbuchWaehlen = [buch](int, const QString &) {
            return Gewaehlt(QStringLiteral("Lektion 1"), buch, QStringLiteral("Latein I"), 0);
        };
        m_fenster->pgcSeiten->setCurrentIndex(1);
        m_fenster->edtText->setFocus();
        QTest::keyClicks(m_fenster->edtText, QStringLiteral("Gallia est omnis divisa."));
        QTextCursor c = m_fenster->edtText->textCursor();
        c.setPosition(6);
        m_fenster->edtText->setTextCursor(c);
        int stelle = 6;
        for (int mal = 0; mal < 2; ++mal) { // the first save asks for a place, the second goes straight
            QTest::keyClick(m_fenster->edtText, Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("Lektion 1"));
            QCOMPARE(m_fenster->edtText->textCursor().position(), stelle);
            QVERIFY(m_fenster->edtText->document()->isUndoAvailable());
            QTest::keyClicks(m_fenster->edtText, QStringLiteral("X"));
            ++stelle;
        }
        QCOMPARE(m_fenster->edtText->toPlainText(), QStringLiteral("GalliaXX est omnis divisa."));
        // Back through both saves to the text as typed before the first.
        for (int i = 0; i < 4 && m_fenster->edtText->toPlainText().contains(QLatin1Char('X')); ++i)
            m_fenster->edtText->undo();
        QCOMPARE(m_fenster->edtText->toPlainText(), QStringLiteral("Gallia est omnis divisa."));
    }

    void quickAddOfAWordAlreadyInTheLessonSelectsItsRow()
    {
        for (const char *w : {"amar", "bonu", "amar"})
            Hinzufuegen(QString::fromLatin1(w));
        QCOMPARE(Spalte(m_fenster->lvwVokabeln, 1), (QStringList{"amare", "bonus"}));
        QCOMPARE(m_fenster->lvwVokabeln->AusgewaehlteZeilen(), QList<int>{0});
        QCOMPARE(m_fenster->statusBar()->currentMessage(), QStringLiteral("\"amare\" ist bereits in der Lektion."));
        // Ctrl+Insert in the field opens "Neue Vokabel..." rather than copying.
        QString titel;
        QTimer::singleShot(0, [&titel] {
            if (auto *editor = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                titel = editor->windowTitle();
                editor->reject();
            }
        });
        m_fenster->edtVokabel->setFocus();
        m_fenster->edtVokabel->setText(QStringLiteral("saltare"));
        QTest::keyClick(m_fenster->edtVokabel, Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(titel, QStringLiteral("Neue Vokabel (saltare)"));
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
        QTest::keyClicks(m_fenster->edtText, QStringLiteral("Gallia est omnis divisa."));
        QTest::keyClicks(m_fenster->memNotizen, QStringLiteral("Notiz eins")); // key release copies the notes
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("unbenannt-1 *"));
        m_fenster->Sitzung().Neu();
        QVERIFY(m_fenster->edtText->toPlainText().isEmpty());
        QCOMPARE(m_fenster->TabSet->tabText(1), QStringLiteral("unbenannt-2"));
        m_fenster->TabSet->setCurrentIndex(0);
        QCOMPARE(m_fenster->edtText->toPlainText(), QStringLiteral("Gallia est omnis divisa."));
        QCOMPARE(m_fenster->memNotizen->toPlainText(), QStringLiteral("Notiz eins"));
        QCOMPARE(m_fenster->AktuelleLektion()->notizen, QStringList{QStringLiteral("Notiz eins")});
        QCOMPARE(m_fenster->AktuelleLektion()->text, QStringList{QStringLiteral("Gallia est omnis divisa.")});
    }

    void theTextPageShowsLineColumnAndTheWordAtTheCaret()
    {
        QTest::keyClicks(m_fenster->edtText, QStringLiteral("Gallia est."));
        QTest::keyClick(m_fenster->edtText, Qt::Key_Return);
        QTest::keyClicks(m_fenster->edtText, QStringLiteral("Amo, te"));
        QCOMPARE(m_fenster->lblZeile->text(), QStringLiteral("Zeile: 2"));
        QCOMPARE(m_fenster->lblSpalte->text(), QStringLiteral("Spalte: 8"));
        QCOMPARE(m_fenster->btnAnalyse->text(), QStringLiteral("te"));
        QTextCursor c = m_fenster->edtText->textCursor();
        c.setPosition(15); // on the comma after "Amo"
        m_fenster->edtText->setTextCursor(c);
        QCOMPARE(m_fenster->lblSpalte->text(), QStringLiteral("Spalte: 4"));
        QCOMPARE(m_fenster->btnAnalyse->text(), QStringLiteral("amo"));
        QVERIFY(!m_fenster->btnAnalyse->isHidden());
        QAction *nachschlagen = m_fenster->Aktion(QStringLiteral("actWortNachschlagen"));
        QVERIFY(nachschlagen->isEnabled());
        c.setPosition(16); // the blank after the comma: no word
        m_fenster->edtText->setTextCursor(c);
        QVERIFY(m_fenster->btnAnalyse->isHidden());
        QVERIFY(!nachschlagen->isEnabled());
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("unbenannt-1 *"));
    }

    // A fixed wrap column breaks lines between words; only a word longer
    // than the whole line is cut.
    void aReadingTextWrapsBetweenWordsAtEveryColumn()
    {
        const QString lang = QStringLiteral("Populusromanusquiritiumquesenatus");
        const QString text = QStringLiteral("Gallia est omnis divisa in partes tres, quarum unam incolunt Belgae, "
                                            "aliam Aquitani, tertiam qui ipsorum lingua Celtae, nostra Galli "
                                            "appellantur. Hi omnes lingua, institutis, legibus inter se differunt. ") +
                             lang + QStringLiteral(" bellum gerunt, attingunt provinciae fines.");
        m_u->kern->Sitzung().TextSetzen(text);
        m_fenster->LektionZeigen();
        m_fenster->pgcSeiten->setCurrentIndex(1);
        for (const int spalten : {20, 30, 80}) {
            m_u->kern->Einstellungen().Aendern([spalten](TConfig &c) {
                c.txtUmbruch = true;
                c.txtUmbruchZeichen = spalten;
            });
            QTextEdit *e = m_fenster->edtText;
            e->document()->documentLayout()->documentSize(); // lays the text out
            const QTextBlock b = e->document()->firstBlock();
            QTextLayout *layout = b.layout();
            QVERIFY(layout->lineCount() > 1);
            QStringList zeilen;
            for (int i = 0; i < layout->lineCount(); ++i)
                zeilen << b.text().mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength());
            const QString alle = zeilen.join(QLatin1Char('|'));
            for (int i = 1; i < zeilen.size(); ++i) {
                const bool zwischenWoertern = zeilen[i - 1].endsWith(QLatin1Char(' '));
                // A cut word fills its line alone.
                const bool langesWort = lang.contains(zeilen[i - 1]);
                QVERIFY2(zwischenWoertern || langesWort, qPrintable(QStringLiteral("%1: %2").arg(spalten).arg(alle)));
            }
            // The lines are about as long as asked: not one word each.
            const int laengste = std::max_element(zeilen.begin(), zeilen.end(), [](auto &a, auto &z) {
                                     return a.size() < z.size();
                                 })->size();
            QVERIFY2(laengste >= spalten * 2 / 3 && laengste <= spalten * 3 / 2,
                     qPrintable(QStringLiteral("%1: %2").arg(spalten).arg(alle)));
            if (spalten == 30)
                Bild(m_fenster, QStringLiteral("umbruch.png"));
        }
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
        TVokabelSpeicher(*m_u->dm).Speichern(laudare);
        TLektion *l = m_fenster->AktuelleLektion();
        l->text = {QStringLiteral("Laudo te, amice."), QStringLiteral("Amicus laudat amicam; laudo laudatus.")};
        m_fenster->LektionZeigen();
        m_fenster->pgcSeiten->setCurrentIndex(1);
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("unbenannt-1"));
        QTextEdit *editor = m_fenster->edtText;
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
        QTest::keyClicks(m_fenster->edtText, QStringLiteral("Amicus bonus."));
        QTest::keyClick(m_fenster->edtText, Qt::Key_Return);
        QTest::keyClicks(m_fenster->edtText, QStringLiteral("Celer amicus amo."));
        QAction *modus = m_fenster->Aktion(QStringLiteral("actTextanalyse"));
        QVERIFY(modus->isEnabled());
        modus->trigger();
        QVERIFY(m_fenster->edtText->isReadOnly());
        QTRY_COMPARE_WITH_TIMEOUT(m_fenster->lblModus->text(), QStringLiteral("Analyse-Modus"), 10000);
        QVERIFY(modus->isChecked());
        QVERIFY(m_fenster->chkKasus->isEnabled());
        QVERIFY(m_fenster->pgbAnalyse->isHidden());
        // Nothing clicked yet: the whole text in the faded colours.
        const QColor ausgeblendet = QColor::fromRgb(FarbeAlsRgb(m_u->config->clAusgeblendetVg));
        QCOMPARE(m_fenster->edtText->palette().color(QPalette::Text), ausgeblendet);

        // A click on "amicus" in the second line: the word list shows its entry.
        QTextCursor c = m_fenster->edtText->textCursor();
        c.setPosition(22);
        const QPoint punkt = m_fenster->edtText->cursorRect(c).center();
        QTest::mouseClick(m_fenster->edtText->viewport(), Qt::LeftButton, {}, punkt);
        QCOMPARE(Spalte(m_fenster->lvwWortkontext, 0), QStringList{QStringLiteral("amicus")});
        QCOMPARE(m_fenster->cmbSuchen->currentText(), QStringLiteral("amicus"));
        QVERIFY(m_fenster->tvwVokabeln->topLevelItemCount() == 1);
        QVERIFY(m_fenster->Aktion(QStringLiteral("actHinzufuegen"))->isEnabled());
        // The clicked sentence is painted; with case alone asked, "Celer" agrees with "amicus".
        auto hintergrundBei = [&](int position) {
            QColor farbe;
            for (const QTextEdit::ExtraSelection &s : m_fenster->edtText->extraSelections())
                if (s.cursor.selectionStart() == position && s.cursor.selectionEnd() > position)
                    farbe = s.format.background().color();
            return farbe;
        };
        QCOMPARE(hintergrundBei(14), QColor::fromRgb(FarbeAlsRgb(m_u->config->clSatzHg)));
        m_fenster->chkNumerus->click();
        m_fenster->chkGenus->click();
        QCOMPARE(hintergrundBei(14), QColor::fromRgb(FarbeAlsRgb(m_u->config->clK)));
        QCOMPARE(hintergrundBei(20), QColor::fromRgb(FarbeAlsRgb(m_u->config->clK))); // amicus itself
        // Settings confirmed meanwhile keep the faded text, the clicked
        // sentence and the agreement colours.
        m_u->kern->Einstellungen().Aendern([](TConfig &c) { c.txtSize += 1; });
        QCOMPARE(m_fenster->edtText->palette().color(QPalette::Text), ausgeblendet);
        QCOMPARE(hintergrundBei(14), QColor::fromRgb(FarbeAlsRgb(m_u->config->clK)));
        // The same through the settings window, confirmed with OK after a new
        // case-agreement colour and another word wrap.
        const QColor neuesK(0x12, 0x34, 0x56);
        QVERIFY(ImModalen<TfrmEinstellungen>(
            m_fenster->Aktion(QStringLiteral("actEinstellungen")), [&](TfrmEinstellungen *e) {
                const auto k =
                    e->lstElemente->findItems(QStringLiteral("Kasus-Kongruenz (Analysemodus)"), Qt::MatchExactly);
                QCOMPARE(k.size(), 1);
                e->lstElemente->setCurrentItem(k.first());
                e->FarbeSetzen(false, neuesK);
                e->chkUmbruch->click();
                e->btnOK->click();
            }));
        QCOMPARE(QColor::fromRgb(FarbeAlsRgb(m_u->config->clK)), neuesK);
        QCOMPARE(m_fenster->edtText->palette().color(QPalette::Text), ausgeblendet);
        QCOMPARE(hintergrundBei(14), neuesK);
        QCOMPARE(hintergrundBei(20), neuesK);
        if (const QString ordner = qEnvironmentVariable("LEXOVITA_BILDER"); !ordner.isEmpty())
            m_fenster->grab().save(QDir(ordner).filePath(QStringLiteral("textanalyse.png")));
        m_fenster->Aktion(QStringLiteral("actHinzufuegen"))->trigger();
        QCOMPARE(Spalte(m_fenster->lvwVokabeln, 1), QStringList{QStringLiteral("amicus")});

        // Back to entry mode at once; the text is editable again and not coloured.
        modus->trigger();
        QCOMPARE(m_fenster->lblModus->text(), QStringLiteral("Eingabe-Modus"));
        QVERIFY(!m_fenster->edtText->isReadOnly());
        QVERIFY(m_fenster->edtText->palette().color(QPalette::Text) != ausgeblendet);
        QVERIFY(m_fenster->edtText->extraSelections().isEmpty());
        QVERIFY(!m_fenster->chkKasus->isEnabled());

        // Look-up from the search box.
        m_fenster->cmbSuchen->setEditText(QStringLiteral("  bonus "));
        QTest::keyClick(m_fenster->cmbSuchen->lineEdit(), Qt::Key_Return);
        QCOMPARE(m_fenster->cmbSuchen->currentText(), QStringLiteral("bonus"));
        QCOMPARE(Spalte(m_fenster->lvwWortkontext, 0), QStringList{QStringLiteral("bonus")});

        // A word the database does not know says so, and nothing can be added.
        m_fenster->cmbSuchen->setEditText(QStringLiteral("Aquitani"));
        QTest::keyClick(m_fenster->cmbSuchen->lineEdit(), Qt::Key_Return);
        QCOMPARE(Spalte(m_fenster->lvwWortkontext, 0), QStringList{QStringLiteral("„Aquitani“ nicht gefunden")});
        QVERIFY(m_fenster->lvwWortkontext->selectedItems().isEmpty());
        QVERIFY(!m_fenster->Aktion(QStringLiteral("actHinzufuegen"))->isEnabled());
        Bild(m_fenster, QStringLiteral("nicht-gefunden.png"));
        // Another lesson does not show this lesson's look-up; coming back neither.
        m_u->kern->Sitzung().Neu();
        QCOMPARE(m_fenster->lvwWortkontext->topLevelItemCount(), 0);
        QVERIFY(m_fenster->cmbSuchen->currentText().isEmpty());
        QVERIFY(m_fenster->Textmodus().Wortkontext().empty());
    }

    // With the lexicon imported, the look-up and the analysed text show the
    // lemmas the vocabulary lacks, marked as such; adding one makes it an
    // entry (the add undoable), and "Längen einblenden" shows the text with
    // the lengths its analysis decides without ever storing them.
    void theLexiconAnswersOnTheTextPageAndItsLemmasBecomeEntries()
    {
        QVERIFY(
            LexikonImportieren(*m_u->dm, TLexikonQuellen::InOrdner(QStringLiteral(LEXOVITA_LEXIKON_FIXTUREN))).lemmata >
            0);
        m_fenster->pgcSeiten->setCurrentIndex(1);
        QTest::keyClicks(m_fenster->edtText, QStringLiteral("Rex rosam amo. Rosa bona."));
        const TLektion *lektion = m_fenster->AktuelleLektion();
        const QString gespeichert = lektion->TextAlsString();

        m_fenster->cmbSuchen->setEditText(QStringLiteral("rosam"));
        QTest::keyClick(m_fenster->cmbSuchen->lineEdit(), Qt::Key_Return);
        QCOMPARE(Spalte(m_fenster->lvwWortkontext, 0), QStringList{QStringLiteral("rosa, rosae, f. (Lexikon)")});
        QCOMPARE(Spalte(m_fenster->lvwWortkontext, 1), QStringList{QStringLiteral("Substantiv")});
        QStringList baum;
        for (QTreeWidgetItemIterator it(m_fenster->tvwVokabeln); *it; ++it)
            baum << (*it)->text(0);
        QVERIFY2(baum.contains(QStringLiteral("Rose")) && baum.contains(QStringLiteral("Akkusativ Sg.")),
                 qPrintable(baum.join(QLatin1Char('|'))));
        Bild(m_fenster, QStringLiteral("nachschlagen-lexikon.png"));
        QAction *hinzu = m_fenster->Aktion(QStringLiteral("actHinzufuegen"));
        QVERIFY(hinzu->isEnabled());
        hinzu->trigger();
        QCOMPARE(lektion->Anzahl(), 1);
        const int32_t rosa = lektion->vokabeln[0]->id;
        QVERIFY(rosa > 0);
        QCOMPARE(lektion->vokabeln[0]->vokabel, QStringLiteral("rosa"));
        // From now on the row is the entry, and a look-up finds the entry only.
        QCOMPARE(Spalte(m_fenster->lvwWortkontext, 0), QStringList{QStringLiteral("rosa")});
        QCOMPARE(Spalte(m_fenster->lvwWortkontext, 2), QStringList{QString::number(rosa)});
        m_fenster->Aktion(QStringLiteral("actVokabelRueckgaengig"))->trigger();
        QCOMPARE(lektion->Anzahl(), 0);
        QTest::keyClick(m_fenster->cmbSuchen->lineEdit(), Qt::Key_Return);
        QCOMPARE(Spalte(m_fenster->lvwWortkontext, 0), QStringList{QStringLiteral("rosa")});

        // Analysed: in the clicked sentence a word only the lexicon knows has
        // its own colour, the vocabulary's words theirs.
        QAction *modus = m_fenster->Aktion(QStringLiteral("actTextanalyse"));
        QAction *laengen = m_fenster->Aktion(QStringLiteral("actLaengen"));
        QVERIFY(!laengen->isEnabled());
        modus->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(m_fenster->lblModus->text(), QStringLiteral("Analyse-Modus"), 10000);
        QTextCursor c = m_fenster->edtText->textCursor();
        c.setPosition(11);
        QTest::mouseClick(m_fenster->edtText->viewport(), Qt::LeftButton, {},
                          m_fenster->edtText->cursorRect(c).center());
        QCOMPARE(m_fenster->cmbSuchen->currentText(), QStringLiteral("amo"));
        auto vordergrundBei = [&](int position) {
            QColor farbe;
            for (const QTextEdit::ExtraSelection &s : m_fenster->edtText->extraSelections())
                if (s.cursor.selectionStart() == position && s.cursor.selectionEnd() > position)
                    farbe = s.format.foreground().color();
            return farbe;
        };
        QCOMPARE(vordergrundBei(0), QColor::fromRgb(FarbeAlsRgb(m_u->config->clLexikonVg)));
        QCOMPARE(vordergrundBei(4), QColor::fromRgb(FarbeAlsRgb(m_u->config->clAnalysiertVg)));

        // The lengths: one length shown, readings that differ in the hint.
        QVERIFY(laengen->isEnabled());
        laengen->trigger();
        QVERIFY(laengen->isChecked());
        QCOMPARE(m_fenster->edtText->toPlainText(), QStringLiteral("Rēx rosam amō. Rosa bona."));
        QVERIFY(m_fenster->edtText->isReadOnly());
        QCOMPARE(vordergrundBei(0), QColor::fromRgb(FarbeAlsRgb(m_u->config->clLexikonVg)));
        c = m_fenster->edtText->textCursor();
        c.setPosition(17);
        m_fenster->edtText->setTextCursor(c);
        const QString hinweis = m_fenster->statusBar()->currentMessage();
        QVERIFY2(hinweis.contains(QStringLiteral("Rosa: ")) && hinweis.contains(QStringLiteral("Rosā: ")),
                 qPrintable(hinweis));
        Bild(m_fenster, QStringLiteral("laengen-eingeblendet.png"));
        QCOMPARE(lektion->TextAlsString(), gespeichert);
        // Back to entry mode: the lesson's own text, editable, display off.
        modus->trigger();
        QVERIFY(!laengen->isChecked() && !laengen->isEnabled());
        QCOMPARE(m_fenster->edtText->toPlainText(), QStringLiteral("Rex rosam amo. Rosa bona."));
        QVERIFY(!m_fenster->edtText->isReadOnly());
        QCOMPARE(m_fenster->edtText->textCursor().position(), 17);
        QTest::keyClick(m_fenster->edtText, Qt::Key_End);
        QTest::keyClicks(m_fenster->edtText, QStringLiteral(" Amo."));
        QCOMPARE(lektion->TextAlsString(), QStringLiteral("Rex rosam amo. Rosa bona. Amo.\r\n"));
    }

    void theDictionaryListsHeadwordsShowsTheChosenEntryAndAddsItToTheLesson()
    {
        QAction *wb = m_fenster->Aktion(QStringLiteral("actWoerterbuch"));
        QVERIFY(wb->isEnabled());
        QStringList liste, bedeutungen;
        QString anzahl, keine;
        int keineZeilen = -1;
        bool formentabelle = false;
        QTimer::singleShot(0, this, [&] {
            auto *f = qobject_cast<TfrmWoerterbuch *>(QApplication::activeModalWidget());
            QVERIFY(f);
            QCOMPARE(f->windowTitle(), QStringLiteral("Wörterbuch"));
            QTest::keyClicks(f->edtSuchen, QStringLiteral("am"));
            for (int i = 0; i < f->lstWoerter->model()->rowCount(); ++i)
                liste << f->lstWoerter->model()->index(i, 0).data().toString();
            anzahl = f->lblVokabelAnzahl->text();
            bedeutungen << f->lblBedeutungen->text();
            f->lstWoerter->setCurrentIndex(f->lstWoerter->model()->index(2, 0));
            bedeutungen << f->lblBedeutungen->text();
            formentabelle = f->btnFormentabelle->isEnabled();
            if (const QString ordner = qEnvironmentVariable("LEXOVITA_BILDER"); !ordner.isEmpty())
                f->grab().save(QDir(ordner).filePath(QStringLiteral("woerterbuch.png")));
            f->btnHinzufuegen->click();
            // A text nothing begins with says so.
            QTest::keyClicks(f->edtSuchen, QStringLiteral("xq"));
            keine = f->lblVokabelAnzahl->text();
            keineZeilen = f->lstWoerter->model()->rowCount();
            Bild(f, QStringLiteral("woerterbuch-keine.png"));
            f->btnSchliessen->click();
        });
        wb->trigger();
        QCOMPARE(keine, QStringLiteral("keine Vokabel gefunden"));
        QCOMPARE(keineZeilen, 0);
        QCOMPARE(liste, (QStringList{QStringLiteral("amare"), QStringLiteral("ambulare"), QStringLiteral("amicus")}));
        QCOMPARE(anzahl, QStringLiteral("1 Vokabel gefunden:"));
        QCOMPARE(bedeutungen, (QStringList{QStringLiteral("lieben"), QStringLiteral("Freund")}));
        QVERIFY(formentabelle);
        QCOMPARE(Spalte(m_fenster->lvwVokabeln, 1), QStringList{QStringLiteral("amicus")});
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("unbenannt-1 *"));
    }

    // Stored text with tags stays text: no heading, picture or link from a
    // lesson file of unknown origin, in the dictionary as in the entry panel.
    void storedMarkupIsShownAsPlainText()
    {
        const QString wort = QStringLiteral("amx<h1>Titel</h1><img src=\"file:///etc/x.png\">");
        const QString bedeutung = QStringLiteral("<a href=\"file:///etc/passwd\">lies</a>");
        m_u->Speichern(wort, WA_SUBSTANTIV, bedeutung);
        QString vokabel, bedeutungen;
        Qt::TextFormat formatVokabel = Qt::AutoText, formatBedeutungen = Qt::AutoText;
        QTimer::singleShot(0, this, [&] {
            auto *f = qobject_cast<TfrmWoerterbuch *>(QApplication::activeModalWidget());
            QVERIFY(f);
            QTest::keyClicks(f->edtSuchen, QStringLiteral("amx"));
            f->lstWoerter->setCurrentIndex(f->lstWoerter->model()->index(0, 0));
            vokabel = f->lblVokabel->text();
            bedeutungen = f->lblBedeutungen->text();
            formatVokabel = f->lblVokabel->textFormat();
            formatBedeutungen = f->lblBedeutungen->textFormat();
            f->btnSchliessen->click();
        });
        m_fenster->Aktion(QStringLiteral("actWoerterbuch"))->trigger();
        QCOMPARE(vokabel, wort);
        QCOMPARE(bedeutungen, bedeutung);
        QCOMPARE(formatVokabel, Qt::PlainText);
        QCOMPARE(formatBedeutungen, Qt::PlainText);

        m_fenster->edtVokabel->clear();
        QTest::keyClicks(m_fenster->edtVokabel, QStringLiteral("amx"));
        QVERIFY(m_fenster->frameAuswahl->isVisible());
        int gezeigt = 0;
        for (auto *l : m_fenster->frameAuswahl->findChildren<QLabel *>())
            if (l->text() == wort) {
                QCOMPARE(l->textFormat(), Qt::PlainText);
                ++gezeigt;
            }
        QCOMPARE(gezeigt, 1);
    }

    void closingAModifiedLessonAsksTheSaveQuestionWithYesPreselected()
    {
        Hinzufuegen(QStringLiteral("amar"));
        m_u->frage.antworten = {Antwort::Nein};
        m_fenster->Sitzung().Schliessen();
        QCOMPARE(m_u->frage.gefragt.size(), 1);
        const auto &f = m_u->frage.gefragt.first();
        QCOMPARE(f.titel, QStringLiteral("lexovita"));
        QCOMPARE(f.text, QStringLiteral("Soll die Lektion \"unbenannt-1\" gespeichert werden?"));
        QCOMPARE(f.knoepfe, int(KN_JA_NEIN_ABBRECHEN));
        QVERIFY(f.vorgabe == Antwort::Ja);
        QVERIFY(f.symbol == Symbol::Frage);
        // No: the lesson is closed and a fresh one takes its place.
        QCOMPARE(m_fenster->AktuelleLektion()->Anzahl(), 0);
        QCOMPARE(m_fenster->lvwVokabeln->Anzahl(), 0);
    }

    void closingTheWindowAsksAboutEveryModifiedLessonAndSavesTheSettings()
    {
        Hinzufuegen(QStringLiteral("amar")); // lesson 1 modified
        m_fenster->Sitzung().Neu();          // lesson 2 stays unmodified
        m_fenster->Sitzung().Neu();
        QTest::keyClicks(m_fenster->edtText, QStringLiteral("Roma")); // lesson 3 modified by typing
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
        QTest::keyClicks(m_fenster->edtText, QStringLiteral("Amo te."));
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
        // A new lesson with an entry in it stays open beside the opened one.
        Hinzufuegen(QStringLiteral("cele"));
        m_fenster->Aktion(QStringLiteral("actOeffnen"))->trigger();
        QCOMPARE(m_fenster->TabSet->count(), 2);
        QCOMPARE(m_fenster->TabSet->currentIndex(), 1);
        QCOMPARE(m_fenster->TabSet->tabText(1), QStringLiteral("Tiere"));
        QCOMPARE(Spalte(m_fenster->lvwVokabeln, 1), (QStringList{"amicus", "bonus"}));
        QCOMPARE(m_fenster->edtText->toPlainText(), QStringLiteral("Amicus bonus est."));
        // Opening it again shows the open copy instead of a second tab.
        m_fenster->TabSet->setCurrentIndex(0);
        m_fenster->Aktion(QStringLiteral("actOeffnen"))->trigger();
        QCOMPARE(m_fenster->TabSet->count(), 2);
        QCOMPARE(m_fenster->TabSet->currentIndex(), 1);

        m_fenster->TabSet->setCurrentIndex(0);
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
        QTest::keyClicks(m_fenster->edtText, QStringLiteral("Amo te."));
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
        // The untouched "unbenannt-1" gave way when "Tiere" opened.
        QCOMPARE(m_fenster->TabSet->tabText(0), QStringLiteral("Tiere *"));

        // "Neue Lektion" in the chooser opens a new lesson instead of a choice.
        m_fenster->lehrbuchWaehlen = [&](int, const QString &) {
            TfrmLehrbuchverwaltung::Ergebnis e;
            e.neueLektion = true;
            return e;
        };
        m_fenster->Sitzung().Oeffnen();
        QCOMPARE(m_fenster->TabSet->count(), 2);
        QCOMPARE(m_fenster->AktuelleLektion()->name, QStringLiteral("unbenannt-2"));
    }
};

// Command line and start-up failures, without a main window of their own.
class TestProgrammstart : public QObject {
    Q_OBJECT
  private slots:
    // On a database just made the pupil meets the first lesson of the first
    // textbook, not an empty page; later an untouched new lesson gives way
    // to the lesson opened, which Enter opens in the chooser.
    void theFirstStartShowsTheFirstLessonAndEnterOpensThePreselectedOne()
    {
        TUmgebung u(true);
        QVERIFY(u.Oeffnen(nullptr, nullptr, true));
        TfrmHaupt *f = u.fenster.get();
        TLektionsSpeicher speicher(*u.dm);
        const TLektionZeile erste = speicher.Lektionen(speicher.Lehrbuecher().front().id).front();
        QCOMPARE(f->TabSet->count(), 1);
        QCOMPARE(f->TabSet->tabText(0), erste.name);
        QCOMPARE(f->AktuelleLektion()->id, erste.id);
        QVERIFY(f->lvwVokabeln->Anzahl() > 0);
        QVERIFY(!f->AktuelleLektion()->geaendert);
        Bild(f, QStringLiteral("erster-start.png"));

        u.kern->Sitzung().Neu();
        u.kern->Sitzung().Schliessen(u.kern->Sitzung().Lektionen().Lektion(0));
        QCOMPARE(f->TabSet->count(), 1);
        QVERIFY(f->TabSet->tabText(0).startsWith(QStringLiteral("unbenannt")));
        QVERIFY(ImModalen<TfrmLehrbuchverwaltung>(f->Aktion(QStringLiteral("actOeffnen")),
                                                  [](TfrmLehrbuchverwaltung *w) { Enter(w); }));
        QCOMPARE(f->TabSet->count(), 1);
        QCOMPARE(f->AktuelleLektion()->id, erste.id);

        // Without the first start the window opens on a new lesson.
        TUmgebung spaeter(true);
        QVERIFY(spaeter.Oeffnen());
        QVERIFY(spaeter.fenster->TabSet->tabText(0).startsWith(QStringLiteral("unbenannt")));
    }

    void commandLineSwitchesDebugAndDataFolder()
    {
        QTemporaryDir ordner;
        auto o = StartOptionenLesen({}, ordner.path());
        QVERIFY(!o.debug);
        QVERIFY(o.datenOrdner.isEmpty()); // the paths value picks the folder
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
        // A lesson file given (a double click on it) goes to the import window; a missing one is ignored.
        o = StartOptionenLesen({f.fileName()}, ordner.path());
        QCOMPARE(o.importDatei, f.fileName());
        QVERIFY(
            StartOptionenLesen({ordner.filePath(QStringLiteral("fehlt.xml"))}, ordner.path()).importDatei.isEmpty());
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
