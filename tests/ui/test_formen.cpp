// The forms table and the form analysis opened from the main window on a
// lesson of the starter textbook, and the forms trees as widgets.
#include "app/anwendungskern.h"
#include "app/formendienst.h"
#include "app/lektionssitzung.h"
#include "app/vokabeldienst.h"
#include "model/config.h"
#include "model/lektion.h"
#include "model/rueckfrage.h"
#include "morph/formenmanager.h"
#include "store/datenmanager.h"
#include "store/lexikon.h"
#include "ui/formenbaeume.h"
#include "ui/frmformenanalyse.h"
#include "ui/frmformentabelle.h"
#include "ui/frmhaupt.h"
#include "ui/frmvokabeleditor.h"
#include "ui/frmvokabeleigenschaften.h"
#include "ui/programmstart.h"
#include "ui/vokabeltabelle.h"
#include "ui_hilfe.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

using namespace lexovita;
using namespace lexovita::testhilfe;

class TestFormen : public QObject {
    Q_OBJECT

    std::unique_ptr<TUmgebung> m_u;
    TfrmHaupt *m_fenster = nullptr;

    // Row of the first entry of the current lesson with that word class, -1 if none.
    int Zeile(int32_t wortart) const
    {
        const TLektion *l = m_fenster->AktuelleLektion();
        for (int i = 0; i < l->Anzahl(); ++i)
            if (l->vokabeln[size_t(i)]->Wortart() == wortart)
                return i;
        return -1;
    }
    void Waehlen(int zeile) { m_fenster->lvwVokabeln->ZeilenWaehlen({zeile}); }

  private slots:
    void initTestCase()
    {
        m_u = std::make_unique<TUmgebung>(true);
        m_u->frage.antwort = Antwort::Nein;
        QVERIFY(m_u->Oeffnen());
        m_fenster = m_u->fenster.get();
        // The first lesson of the starter textbook with a verb and a noun in it.
        TAnweisung a = m_u->dm->Verbindung().Anweisung("SELECT id FROM lektion ORDER BY id");
        while (a.Schritt()) {
            m_u->kern->Sitzung().GespeicherteOeffnen(a.Int(0));
            if (Zeile(WA_VERB) >= 0 && Zeile(WA_SUBSTANTIV) >= 0)
                break;
        }
        QVERIFY(Zeile(WA_VERB) >= 0);
    }
    void aCaesarSentenceIsAnalysedAndTheWordsAgreeingWithTheClickedOneAreColoured()
    {
        m_u->kern->Sitzung().Neu();
        m_fenster->pgcSeiten->setCurrentIndex(1);
        m_fenster->edtText->setPlainText(QStringLiteral("Caesar magnas copias in Galliam duxit."));
        m_fenster->Aktion(QStringLiteral("actTextanalyse"))->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(m_fenster->lblModus->text(), QStringLiteral("Analyse-Modus"), 10000);
        QTextCursor c = m_fenster->edtText->textCursor();
        c.setPosition(16); // in "copias"
        QTest::mouseClick(m_fenster->edtText->viewport(), Qt::LeftButton, {},
                          m_fenster->edtText->cursorRect(c).center());
        QCOMPARE(m_fenster->lvwWortkontext->topLevelItem(0)->text(0), QStringLiteral("cōpia"));
        // Accusative plural feminine: "magnas" agrees in case, number and gender.
        QColor magnas;
        for (const QTextEdit::ExtraSelection &s : m_fenster->edtText->extraSelections())
            if (s.cursor.selectionStart() == 7)
                magnas = s.format.background().color();
        QCOMPARE(magnas, QColor::fromRgb(FarbeAlsRgb(m_u->config->clKNG)));
        Bild(m_fenster, QStringLiteral("textanalyse_caesar.png"));
        m_fenster->Aktion(QStringLiteral("actTextanalyse"))->trigger();
        m_u->kern->Sitzung().Schliessen();
    }

    void cleanupTestCase() { m_u.reset(); }

    // The forms table and the entry page follow "Vokallängen anzeigen".
    void formentabelleUndVokabelseiteZeigenDieLaengenNachDerEinstellung()
    {
        const auto verb = [](const char *vokabel, const char *f1, const char *f2, const char *f3, int32_t kd) {
            auto v = std::make_unique<TVokabel>();
            v->vokabel = QString::fromUtf8(vokabel);
            v->form1 = QString::fromUtf8(f1);
            v->form2 = QString::fromUtf8(f2);
            v->form3 = QString::fromUtf8(f3);
            v->SetWortart(WA_VERB);
            v->SetKonjDekl(kd);
            v->BedeutungAnhaengen(QStringLiteral("lieben"), {}, 1);
            return v;
        };
        const auto amare = verb("amāre", "amō", "amāvī", "amātum", KD_A);
        TFormendienst dienst(*m_u->kern);
        for (const bool an : {true, false}) {
            m_u->config->Laengen = an;
            TfrmFormentabelle f(m_fenster, dienst, *amare);
            const QString seite = f.WebBrowser1->toPlainText();
            QVERIFY2(seite.contains(an ? QStringLiteral("amāvī") : QStringLiteral("amavi")), qPrintable(seite));
            QVERIFY2(!seite.contains(an ? QStringLiteral("amavi") : QStringLiteral("amāvī")), qPrintable(seite));
            QCOMPARE(f.windowTitle(),
                     an ? QStringLiteral("Formentabelle: amāre") : QStringLiteral("Formentabelle: amare"));
        }
        m_u->config->Laengen = true;
        {
            const auto audire = verb("audīre", "audiō", "audīvī", "audītum", KD_I);
            TfrmFormentabelle f(m_fenster, dienst, *audire);
            f.resize(640, 560);
            f.show();
            QVERIFY(QTest::qWaitForWindowExposed(&f));
            Bild(&f, QStringLiteral("formentabelle_audire.png"));
        }
        // The entry page of a stored noun typed with its lengths.
        TVokabel rex;
        rex.vokabel = QStringLiteral("rēx");
        rex.form1 = QStringLiteral("rēgis");
        rex.form2 = QStringLiteral("m");
        rex.SetWortart(WA_SUBSTANTIV);
        rex.SetKonjDekl(KD_K);
        rex.BedeutungAnhaengen(QStringLiteral("König"), {}, 1);
        TVokabeldienst vokabeln(*m_u->kern);
        QVERIFY(vokabeln.Speichern(rex));
        TfrmVokabeleigenschaften seite(m_fenster, *m_u->kern, rex.id);
        const QString text = seite.findChild<QTextBrowser *>(QStringLiteral("txtVokabel"))->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("rēx")) && text.contains(QStringLiteral("rēgis")), qPrintable(text));
        seite.resize(520, 420);
        seite.show();
        QVERIFY(QTest::qWaitForWindowExposed(&seite));
        Bild(&seite, QStringLiteral("vokabelseite_rex.png"));
    }

    void formentabelleFolgtDerAuswahlUndZeigtDieTabelleDerVokabel()
    {
        QAction *akt = m_fenster->Aktion(QStringLiteral("actFormentabelle"));
        m_fenster->lvwVokabeln->clearSelection();
        QVERIFY(!akt->isEnabled());
        const TLektion *l = m_fenster->AktuelleLektion();
        for (int32_t wortart : {WA_VERB, WA_SUBSTANTIV}) {
            const int z = Zeile(wortart);
            Waehlen(z);
            QVERIFY(akt->isEnabled());
            const TVokabel &v = *l->vokabeln[size_t(z)];
            QString titel, erste, seite;
            int marken = 0;
            QVERIFY(ImModalen<TfrmFormentabelle>(akt, [&](TfrmFormentabelle *f) {
                titel = f->windowTitle();
                marken = f->cmbLinks->count();
                erste = f->cmbLinks->itemText(0);
                seite = f->WebBrowser1->toPlainText();
            }));
            QCOMPARE(titel, QStringLiteral("Formentabelle: ") + v.vokabel);
            QVERIFY(marken > 0);
            QVERIFY2(seite.startsWith(v.vokabel), qPrintable(seite.left(80)));
            QVERIFY(!seite.contains(QStringLiteral("#Form(")));
            QCOMPARE(erste, wortart == WA_VERB ? QStringLiteral("Indikativ") : QStringLiteral("Deklination"));
        }
        // Two entries selected: no table.
        m_fenster->lvwVokabeln->ZeilenWaehlen({0, 1});
        QVERIFY(!akt->isEnabled());
    }

    void formenanalyseFindetAmavistiUndFuegtDieVokabelHinzu()
    {
        QAction *akt = m_fenster->Aktion(QStringLiteral("actFormenanalyse"));
        QVERIFY(akt->isEnabled());
        const int vorher = m_fenster->AktuelleLektion()->Anzahl();
        QString titel, erster, seite, editorTitel, nachBearbeiten, seiteNachBearbeiten;
        bool tabelle = false, leer = true, bearbeitet = false;
        QVERIFY(ImModalen<TfrmFormenanalyse>(akt, [&](TfrmFormenanalyse *f) {
            titel = f->windowTitle();
            f->Suchen(QStringLiteral("amavisti"));
            erster = f->VSTVokabeln->topLevelItemCount() ? f->VSTVokabeln->topLevelItem(0)->text(0) : QString();
            seite = f->WebBrowser1->toPlainText();
            tabelle = f->btnFormentabelle->isEnabled();
            f->resize(900, 520);
            Bild(f, QStringLiteral("formenanalyse-amavisti.png"));
            // "Vokabel bearbeiten" opens the editor on the shown entry; after OK the word is analysed again.
            bearbeitet =
                f->btnBearbeiten->isEnabled() && ImModalen<TfrmVokabelEditor>([f] { f->btnBearbeiten->click(); },
                                                                              [&](TfrmVokabelEditor *e) {
                                                                                  editorTitel = e->windowTitle();
                                                                                  f->WebBrowser1->clear();
                                                                                  e->btnOK->click();
                                                                              });
            nachBearbeiten = f->Vokabel() ? f->Vokabel()->vokabel : QString();
            seiteNachBearbeiten = f->WebBrowser1->toPlainText();
            f->btnHinzufuegen->click();
            // An unknown word empties tree and page and disables the actions.
            f->Suchen(QStringLiteral("xqzt"));
            leer = f->VSTVokabeln->topLevelItemCount() == 0 && f->WebBrowser1->toPlainText().isEmpty() &&
                   !f->btnHinzufuegen->isEnabled() && !f->btnFormentabelle->isEnabled();
        }));
        QCOMPARE(titel, QStringLiteral("Formenanalyse"));
        QCOMPARE(erster, QStringLiteral("amare")); // the analysis names the plain headword
        QVERIFY2(seite.contains(QStringLiteral("2. Prs. Sg. Perfekt Aktiv Indikativ")), qPrintable(seite));
        QVERIFY(tabelle);
        QVERIFY(leer);
        QVERIFY(bearbeitet);
        QCOMPARE(editorTitel, QStringLiteral("Vokabel bearbeiten (amāre)"));
        QCOMPARE(nachBearbeiten, QStringLiteral("amāre"));
        QCOMPARE(seiteNachBearbeiten, seite);
        QCOMPARE(m_fenster->AktuelleLektion()->Anzahl(), vorher + 1);
        QCOMPARE(m_fenster->lvwVokabeln->Anzahl(), vorher + 1);
        QCOMPARE(m_fenster->lvwVokabeln->Text(vorher, 1), QStringLiteral("amāre"));
    }

    // A word only the lexicon knows is shown with its key forms and
    // meanings, cannot be edited, and becomes a real entry of the lesson.
    void formenanalyseZeigtLexikonwoerterUndUebernimmtSie()
    {
        TUmgebung u;
        QVERIFY(u.Oeffnen());
        const TLexikonBericht bericht =
            LexikonImportieren(*u.dm, TLexikonQuellen::InOrdner(QStringLiteral(LEXOVITA_LEXIKON_FIXTUREN)));
        QVERIFY(bericht.lemmata > 0);
        QString erster, seite, danach;
        bool bearbeitbar = true, tabelle = false;
        int trefferDanach = 0;
        QVERIFY(ImModalen<TfrmFormenanalyse>(
            u.fenster->Aktion(QStringLiteral("actFormenanalyse")), [&](TfrmFormenanalyse *f) {
                f->Suchen(QStringLiteral("rosam"));
                erster = f->VSTVokabeln->topLevelItemCount() ? f->VSTVokabeln->topLevelItem(0)->text(0) : QString();
                seite = f->WebBrowser1->toPlainText();
                bearbeitbar = f->btnBearbeiten->isEnabled();
                tabelle = f->btnFormentabelle->isEnabled();
                Bild(f, QStringLiteral("formenanalyse-lexikon.png"));
                f->btnHinzufuegen->click();
                f->Suchen(QStringLiteral("rosam"));
                trefferDanach = f->VSTVokabeln->topLevelItemCount();
                danach = trefferDanach ? f->VSTVokabeln->topLevelItem(0)->text(0) : QString();
            }));
        QCOMPARE(erster, QStringLiteral("rosa, rosae, f. (Lexikon)"));
        QVERIFY2(seite.contains(QStringLiteral("Mit Längen: rosa, rosae")), qPrintable(seite));
        QVERIFY2(seite.contains(QStringLiteral("Rose")), qPrintable(seite));
        QVERIFY(!bearbeitbar);
        QVERIFY(tabelle);
        QCOMPARE(u.fenster->AktuelleLektion()->Anzahl(), 1);
        QCOMPARE(u.fenster->AktuelleLektion()->vokabeln[0]->vokabel, QStringLiteral("rosa"));
        QVERIFY(u.fenster->AktuelleLektion()->vokabeln[0]->id > 0);
        // Now held by the vocabulary, the lemma is no longer offered twice.
        QCOMPARE(trefferDanach, 1);
        QCOMPARE(danach, QStringLiteral("rosa"));
    }

    void formentabelleVonCapere()
    {
        auto treffer = m_u->kern->VokabelnSuchen(QStringLiteral("capere"));
        QVERIFY(!treffer.empty());
        QCOMPARE(treffer.front()->vokabel, QStringLiteral("capere"));
        TFormendienst dienst(*m_u->kern);
        const auto v = dienst.VokabelLaden(treffer.front()->id);
        QVERIFY(v);
        TfrmFormentabelle f(m_fenster, dienst, *v);
        f.resize(800, 640);
        f.show();
        // The starter entry carries its lengths, and the table shows them.
        QVERIFY(f.WebBrowser1->toPlainText().contains(QStringLiteral("capiō")));
        QVERIFY(f.WebBrowser1->toPlainText().contains(QStringLiteral("cēpistī")));
        Bild(&f, QStringLiteral("formentabelle-capere.png"));
        // The jump list scrolls the page to its section.
        const int oben = f.WebBrowser1->verticalScrollBar()->value();
        f.cmbLinks->setCurrentIndex(f.cmbLinks->count() - 1);
        emit f.cmbLinks->activated(f.cmbLinks->count() - 1);
        QVERIFY(f.WebBrowser1->verticalScrollBar()->value() > oben);
    }

    void formenBaumIstDreistufigUndFuelltDieZweiteSpalteBeimAufklappen()
    {
        TVokabel v;
        v.id = 1;
        v.vokabel = QStringLiteral("amare");
        v.SetWortart(WA_VERB);
        v.SetKonjDekl(KD_A);
        v.form1 = QStringLiteral("amo");
        v.form2 = QStringLiteral("amavi");
        v.form3 = QStringLiteral("amatum");
        TFormenmanager m;
        QTreeWidget baum;
        baum.setColumnCount(2);
        int gefragt = 0;
        FormenBaum(&baum, m, v, 1, {329}, [&](int32_t id) {
            ++gefragt;
            return QString::number(id);
        });
        QTreeWidgetItem *indikativ = baum.topLevelItem(0);
        QCOMPARE(indikativ->text(0), QStringLiteral("Indikativ"));
        QCOMPARE(indikativ->checkState(0), Qt::PartiallyChecked);
        QTreeWidgetItem *praesens = indikativ->child(0)->child(0);
        QCOMPARE(praesens->child(0)->checkState(0), Qt::Checked);
        QVERIFY(praesens->child(0)->text(1).isEmpty());
        QCOMPARE(gefragt, 0);
        praesens->setExpanded(true);
        QCOMPARE(gefragt, 6);
        QCOMPARE(praesens->child(1)->text(1), QStringLiteral("330"));
        praesens->setCheckState(0, Qt::Checked);
        QCOMPARE(AngehakteFormen(&baum), (QList<int32_t>{329, 330, 331, 332, 333, 334}));

        std::vector<int32_t> selektoren;
        KategorieBaum(&baum, v, selektoren, 2);
        int knoten = 0;
        for (QTreeWidgetItemIterator it(&baum); *it; ++it)
            ++knoten;
        QCOMPARE(int(selektoren.size()), knoten);
        QCOMPARE(baum.topLevelItem(0)->text(0), QStringLiteral("Präsensstamm"));
    }

    void analyseBaumZeigtDieVokabelImHauptfenster()
    {
        TFormendienst dienst(*m_u->kern);
        QCOMPARE(dienst.Analysieren(QStringLiteral("amavisti"), false).size(), size_t(1));
        const auto v = dienst.VokabelLaden(dienst.Ergebnisse().front().vokabelId);
        AnalyseBaum(m_fenster->tvwVokabeln, v.get(), dienst.Ergebnisse());
        QTreeWidgetItem *wurzel = m_fenster->tvwVokabeln->topLevelItem(0);
        QCOMPARE(wurzel->text(0), QStringLiteral("amāre"));
        QCOMPARE(m_fenster->tvwVokabeln->currentItem(), wurzel);
        QTreeWidgetItem *analysiert = wurzel->child(wurzel->childCount() - 1);
        QCOMPARE(analysiert->text(0), QStringLiteral("Analysierte Formen"));
        QCOMPARE(analysiert->child(0)->text(0), QStringLiteral("2. Prs. Sg. Perfekt Aktiv Indikativ"));
        AnalyseBaum(m_fenster->tvwVokabeln, nullptr, {});
        QCOMPARE(m_fenster->tvwVokabeln->topLevelItemCount(), 0);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestFormen t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_formen.moc"
