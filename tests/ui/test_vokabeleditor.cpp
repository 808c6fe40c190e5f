// The vocabulary editor and the entry properties opened from the main window
// on the starter textbook: a new entry from the quick-add field, an entry of
// an open lesson edited in place.
#include "app/anwendungskern.h"
#include "app/lektionssitzung.h"
#include "app/vokabeldienst.h"
#include "model/config.h"
#include "model/lektion.h"
#include "model/rueckfrage.h"
#include "morph/formid.h"
#include "store/datenmanager.h"
#include "store/lexikon.h"
#include "ui/formenbaeume.h"
#include "ui/frameauswahl.h"
#include "ui/frmhaupt.h"
#include "ui/frmlisteeinfuegen.h"
#include "ui/frmvokabeleditor.h"
#include "ui/frmvokabeleigenschaften.h"
#include "ui/frmwoerterbuch.h"
#include "ui/programmstart.h"
#include "ui/vokabeltabelle.h"
#include "ui_hilfe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <functional>

using namespace lexovita;
using namespace lexovita::testhilfe;

namespace {

// Answers the next message box with OK and records its text.
void MeldungBestaetigen(QString &text)
{
    QTimer::singleShot(0, [&text] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    });
}

// The fixture lexicon with "populus" twice: the people (m.) and the poplar (f.).
QString LexikonMitHomographen(const QTemporaryDir &ziel)
{
    QDir quelle(QStringLiteral(LEXOVITA_LEXIKON_FIXTUREN));
    for (const QString &datei : quelle.entryList(QDir::Files))
        QFile::copy(quelle.filePath(datei), QDir(ziel.path()).filePath(datei));
    const auto anhaengen = [&](const char *datei, const char *zeilen) {
        QFile f(QDir(ziel.path()).filePath(QString::fromLatin1(datei)));
        f.setPermissions(f.permissions() | QFileDevice::WriteOwner);
        if (f.open(QIODevice::Append))
            f.write(zeilen);
    };
    anhaengen("lemmes.la", "\npŏpŭlus|lupus|||i, m.|90\npōpŭlus2|lupus|||i, f.|10\n");
    anhaengen("lemmes.de", "\npopulus:Volk\npopulus2:Pappel\n");
    return ziel.path();
}

} // namespace

class TestVokabeleditor : public QObject {
    Q_OBJECT

    std::unique_ptr<TUmgebung> m_u;
    TfrmHaupt *m_fenster = nullptr;

  private slots:
    void initTestCase()
    {
        m_u = std::make_unique<TUmgebung>(true);
        m_u->frage.antwort = Antwort::Nein;
        QVERIFY(m_u->Oeffnen());
        m_fenster = m_u->fenster.get();
    }
    void cleanupTestCase() { m_u.reset(); }

    void neueVokabelAusDerSchnelleingabeWirdGespeichertUndGefunden()
    {
        QLineEdit *feld = m_fenster->edtVokabel;
        feld->setFocus();
        QTest::keyClicks(feld, QStringLiteral("zelotypare"));
        QVERIFY(!m_fenster->frameAuswahl->isVisible());
        const int vorher = m_fenster->AktuelleLektion()->Anzahl();

        QString titel, vorschau, stammform, meldung, seiteNachMeldung, wortartAnfangs, beschriftung;
        bool zurueckAnfangs = true, weiterAmEnde = true;
        QVERIFY(ImModalen<TfrmVokabelEditor>([&] { QTest::keyClick(feld, Qt::Key_Return); },
                                             [&](TfrmVokabelEditor *e) {
                                                 titel = e->windowTitle();
                                                 QCOMPARE(e->edtVokabel->text(), QStringLiteral("zelotypare"));
                                                 // Read off the infinitive, for the pupil to confirm.
                                                 wortartAnfangs = e->cmbWortart->currentText();
                                                 for (QLabel *b : e->findChildren<QLabel *>())
                                                     if (b->buddy() == e->edtVerb[0])
                                                         beschriftung = b->text();
                                                 zurueckAnfangs = e->btnZurueck->isEnabled();
                                                 e->cmbWortart->setCurrentIndex(0);
                                                 emit e->cmbWortart->activated(0);
                                                 e->SeiteWechseln(2);
                                                 stammform = e->edtVerb[0]->text();
                                                 vorschau = e->lblVorschau->text();
                                                 Bild(e, QStringLiteral("editor-attribute.png"));
                                                 // Without a meaning the editor says so and stays open on the meanings
                                                 // page.
                                                 MeldungBestaetigen(meldung);
                                                 e->btnOK->click();
                                                 seiteNachMeldung = e->pgcSeiten->tabText(e->pgcSeiten->currentIndex());
                                                 e->edtBedeutung->setText(QStringLiteral("eifersüchtig sein"));
                                                 QTest::keyClick(e->edtBedeutung, Qt::Key_Return);
                                                 Bild(e, QStringLiteral("editor-bedeutungen.png"));
                                                 for (int s = 3; s < 6; ++s) {
                                                     e->SeiteWechseln(s);
                                                     Bild(e, QStringLiteral("editor-seite%1.png").arg(s));
                                                 }
                                                 weiterAmEnde = e->btnWeiter->isEnabled();
                                                 e->btnOK->click();
                                             }));
        QCOMPARE(titel, QStringLiteral("Neue Vokabel (zelotypare)"));
        QCOMPARE(wortartAnfangs, QStringLiteral("Verb"));
        QCOMPARE(beschriftung, QStringLiteral("&1. Prs. Sg. Präsens Aktiv Indikativ:"));
        QVERIFY(!zurueckAnfangs);
        QVERIFY(!weiterAmEnde);
        QCOMPARE(stammform, QStringLiteral("zelotypo"));
        QVERIFY2(vorschau.contains(QStringLiteral("zelotypas")) && vorschau.contains(QStringLiteral("zelotypavit")),
                 qPrintable(vorschau));
        QCOMPARE(meldung, QStringLiteral("Es muss mindestens eine Bedeutung für die Vokabel angegeben werden!"));
        QCOMPARE(seiteNachMeldung, QStringLiteral("Bedeutungen"));

        // The stored entry is the new last row of the lesson ...
        QCOMPARE(m_fenster->lvwVokabeln->Anzahl(), vorher + 1);
        const auto *liste = m_fenster->lvwVokabeln;
        QCOMPARE(liste->Text(vorher, 1), QStringLiteral("zelotypare"));
        QCOMPARE(liste->Text(vorher, 2), QStringLiteral("zelotypo, zelotypavi, zelotypatum"));
        QCOMPARE(liste->Text(vorher, 3), QStringLiteral("eifersüchtig sein"));
        QCOMPARE(liste->Text(vorher, 5), QStringLiteral("A-Konjugation"));
        QVERIFY(m_fenster->AktuelleLektion()->geaendert);

        // ... and the quick add finds it in the database.
        feld->setFocus();
        QTest::keyClicks(feld, QStringLiteral("zeloty"));
        QVERIFY(m_fenster->frameAuswahl->isVisible());
        const TVokabel *kandidat = m_fenster->frameAuswahl->Aktuell();
        QVERIFY(kandidat);
        QCOMPARE(kandidat->vokabel, QStringLiteral("zelotypare"));
        QCOMPARE(kandidat->id, m_fenster->AktuelleLektion()->vokabeln.back()->id);
        QTest::keyClick(feld, Qt::Key_Escape);
        feld->clear();
    }

    // A headword stored already is pointed out while it is typed; the
    // overwrite question defaults to "Nein", and "Abbrechen" there returns to
    // the editor with everything typed kept.
    void gleichlautendeVokabelBeimTippenZeigenUndAbbrechenBehaeltDieEingabe()
    {
        auto anzahl = [this] {
            TAnweisung a =
                m_u->dm->Verbindung().Anweisung("SELECT count(*) FROM vokabel WHERE vokabel_lower = 'laborare'");
            return a.Schritt() ? a.Int(0) : -1;
        };
        const int vorher = anzahl();
        QVERIFY(vorher >= 1);
        m_fenster->edtVokabel->clear();
        bool hinweisZuFrueh = true, hinweis = false, nochOffen = false;
        QString hinweisText, wortNachher, bedeutungNachher;
        m_u->frage.antworten = {Antwort::Abbrechen};
        m_u->frage.gefragt.clear();
        QVERIFY(
            ImModalen<TfrmVokabelEditor>(m_fenster->Aktion(QStringLiteral("actVokabelNeu")), [&](TfrmVokabelEditor *e) {
                QTest::keyClicks(e->edtVokabel, QStringLiteral("laborar"));
                hinweisZuFrueh = !e->lblVorhanden->isHidden();
                QTest::keyClicks(e->edtVokabel, QStringLiteral("e"));
                hinweis = !e->lblVorhanden->isHidden();
                hinweisText = e->lblVorhanden->text();
                Bild(e, QStringLiteral("editor-vorhanden.png"));
                e->cmbWortart->setCurrentIndex(0);
                emit e->cmbWortart->activated(0);
                e->SeiteWechseln(1);
                e->edtBedeutung->setText(QStringLiteral("sich mühen"));
                QTest::keyClick(e->edtBedeutung, Qt::Key_Return);
                e->btnOK->click();
                nochOffen = e->isVisible();
                wortNachher = e->edtVokabel->text();
                bedeutungNachher = e->tvwBedeutungen->topLevelItem(0)->child(0)->text(0);
            }));
        QVERIFY(!hinweisZuFrueh);
        QVERIFY(hinweis);
        QCOMPARE(hinweisText, QStringLiteral("„laborare“ ist bereits im Wörterbuch vorhanden (Verb)."));
        QCOMPARE(m_u->frage.gefragt.size(), 1);
        QCOMPARE(m_u->frage.gefragt.first().titel, QStringLiteral("Gleichlautende Vokabel"));
        QVERIFY(m_u->frage.gefragt.first().vorgabe == Antwort::Nein);
        QVERIFY(nochOffen);
        QCOMPARE(wortNachher, QStringLiteral("laborare"));
        QCOMPARE(bedeutungNachher, QStringLiteral("sich mühen"));
        QCOMPARE(anzahl(), vorher);
        m_u->frage.antworten.clear();
    }

    // The entry made above is found in the dictionary by its German meaning
    // as a pupil types it, and deleting it there takes it out of a stored
    // lesson too: it is gone when that lesson is next loaded.
    void neueVokabelImWoerterbuchFindenUndLoeschen()
    {
        TAnweisung a = m_u->dm->Verbindung().Anweisung("SELECT id FROM lektion ORDER BY id LIMIT 1");
        QVERIFY(a.Schritt());
        const int32_t lektion = a.Int(0);
        TAnweisung z = m_u->dm->Verbindung().Anweisung("SELECT id FROM vokabel WHERE vokabel = 'zelotypare'");
        QVERIFY(z.Schritt());
        const int32_t id = z.Int(0);
        m_u->kern->Sitzung().GespeicherteOeffnen(lektion);
        QVERIFY(m_u->kern->Sitzung().VokabelAnhaengen(id));
        QVERIFY(m_u->kern->Sitzung().Speichern());
        const int mit = m_fenster->AktuelleLektion()->Anzahl();

        QStringList liste, treffer;
        int abstand = -1;
        m_u->frage.antwort = Antwort::Ja;
        QVERIFY(ImModalen<TfrmWoerterbuch>([&] { m_fenster->Aktion(QStringLiteral("actWoerterbuch"))->trigger(); },
                                           [&](TfrmWoerterbuch *w) {
                                               w->btnDeutsch->click();
                                               QTest::keyClicks(w->edtSuchen, QStringLiteral("Eifersuecht"));
                                               for (int i = 0; i < w->lstWoerter->model()->rowCount(); ++i)
                                                   liste << w->lstWoerter->model()->index(i, 0).data().toString();
                                               for (int i = 0; i < w->cmbVokabel->count(); ++i)
                                                   treffer << w->cmbVokabel->itemText(i);
                                               QCoreApplication::processEvents(); // lay out as shown
                                               Bild(w, QStringLiteral("woerterbuch-deutsch.png"));
                                               w->btnMerkhilfen->click();
                                               w->edtSuchen->setText(QStringLiteral("a"));
                                               QCoreApplication::processEvents();
                                               Bild(w, QStringLiteral("woerterbuch-merkhilfen.png"));
                                               // The caption sits right above its list.
                                               QVERIFY(w->lvwMerkhilfen->isVisible());
                                               abstand = w->lvwMerkhilfen->geometry().top() -
                                                         w->lblMerkhilfen->geometry().top() -
                                                         w->lblMerkhilfen->sizeHint().height();
                                               w->btnLatein->click();
                                               w->edtSuchen->setText(QStringLiteral("zelotypare"));
                                               Bild(w, QStringLiteral("woerterbuch-latein.png"));
                                               w->btnLoeschen->click();
                                               w->btnSchliessen->click();
                                           }));
        m_u->frage.antwort = Antwort::Nein;
        QCOMPARE(liste, QStringList{QStringLiteral("eifersüchtig sein")});
        QCOMPARE(treffer, QStringList{QStringLiteral("zelotypare")});
        QVERIFY2(abstand >= 0 && abstand <= 6, qPrintable(QString::number(abstand)));
        QCOMPARE(m_fenster->AktuelleLektion()->Anzahl(), mit - 1);
        m_u->kern->Sitzung().AlleSchliessen();
        m_u->kern->Sitzung().GespeicherteOeffnen(lektion);
        for (const auto &v : m_fenster->AktuelleLektion()->vokabeln)
            QVERIFY(v->id != id && v->vokabel != QStringLiteral("zelotypare"));
        QCOMPARE(m_u->dm->VokabelLaden(id)->id, 0);
    }

    // A meaning dragged onto a group heading goes first into that group;
    // dragged onto another meaning it takes that one's group and place.
    void bedeutungenPerDragAndDropUmordnen()
    {
        QStringList nachGruppe, nachBedeutung;
        auto baum = [](QTreeWidget *t) {
            QStringList s;
            for (QTreeWidgetItemIterator it(t); *it; ++it)
                if ((*it)->parent())
                    s << (*it)->text(0) + QLatin1Char(' ') + (*it)->text(2);
            return s;
        };
        // Qt hands drops only to a running drag, which the test platform
        // has none of: the drop goes to the editor's filter as Qt would.
        auto ziehen = [](TfrmVokabelEditor *e, QTreeWidgetItem *von, QTreeWidgetItem *nach) {
            QTreeWidget *t = e->tvwBedeutungen;
            t->setCurrentItem(von);
            QMimeData daten;
            QDropEvent drop(QPointF(t->visualItemRect(nach).center()), Qt::MoveAction, &daten, Qt::LeftButton,
                            Qt::NoModifier);
            QVERIFY(t->viewport()->acceptDrops());
            QVERIFY(static_cast<QObject *>(e)->eventFilter(t->viewport(), &drop));
        };
        QVERIFY(ImModalen<TfrmVokabelEditor>(
            [&] { m_fenster->Aktion(QStringLiteral("actVokabelNeu"))->trigger(); },
            [&](TfrmVokabelEditor *e) {
                e->SeiteWechseln(1);
                for (const auto &[text, gruppe] : {std::pair{"alpha", 1}, {"beta", 1}, {"gamma", 2}}) {
                    e->edtBedeutung->setText(QString::fromLatin1(text));
                    e->spnGruppe->setValue(gruppe);
                    QTest::keyClick(e->edtBedeutung, Qt::Key_Return);
                }
                QTreeWidget *t = e->tvwBedeutungen;
                auto finden = [t](const QString &text) {
                    return t->findItems(text, Qt::MatchExactly | Qt::MatchRecursive).value(0);
                };

                ziehen(e, finden(QStringLiteral("gamma")), finden(QStringLiteral("Gruppe 1")));
                nachGruppe = baum(t);
                ziehen(e, finden(QStringLiteral("beta")), finden(QStringLiteral("gamma")));
                nachBedeutung = baum(t);
                e->reject();
            }));
        QCOMPARE(nachGruppe, (QStringList{"gamma 1 - 1", "alpha 1 - 2", "beta 1 - 3"}));
        QCOMPARE(nachBedeutung, (QStringList{"beta 1 - 1", "gamma 1 - 2", "alpha 1 - 3"}));
    }

    void bearbeiteteVokabelErscheintInDerOffenenLektion()
    {
        TAnweisung a = m_u->dm->Verbindung().Anweisung("SELECT id FROM lektion ORDER BY id LIMIT 1");
        QVERIFY(a.Schritt());
        m_u->kern->Sitzung().GespeicherteOeffnen(a.Int(0));
        TLektion *l = m_fenster->AktuelleLektion();
        QVERIFY(l->Anzahl() > 1);
        QVERIFY(!l->geaendert);
        const int32_t id = l->vokabeln[1]->id;
        const QString kopf = l->vokabeln[1]->vokabel;
        m_fenster->lvwVokabeln->ZeilenWaehlen({1});
        QAction *bearbeiten = m_fenster->Aktion(QStringLiteral("actVokabelBearbeiten"));
        QVERIFY(bearbeiten->isEnabled());

        QString titel;
        QVERIFY(ImModalen<TfrmVokabelEditor>([&] { bearbeiten->trigger(); },
                                             [&](TfrmVokabelEditor *e) {
                                                 titel = e->windowTitle();
                                                 e->SeiteWechseln(1);
                                                 e->edtBedeutung->setText(QStringLiteral("Prüfbedeutung"));
                                                 e->spnGruppe->setValue(e->spnGruppe->maximum());
                                                 e->btnBedeutungHinzufuegen->click();
                                                 e->btnOK->click();
                                             }));
        QCOMPARE(titel, QStringLiteral("Vokabel bearbeiten (") + kopf + QLatin1Char(')'));
        QVERIFY2(m_fenster->lvwVokabeln->Text(1, 3).endsWith(QStringLiteral(", Prüfbedeutung")),
                 qPrintable(m_fenster->lvwVokabeln->Text(1, 3)));
        QVERIFY(l->vokabeln[1]->BedeutungSuchen(QStringLiteral("Prüfbedeutung")));
        QVERIFY(l->geaendert);
        TVokabeldienst dienst(*m_u->kern);
        QVERIFY(dienst.Laden(id)->BedeutungSuchen(QStringLiteral("Prüfbedeutung")));

        // A double click shows the stored entry's properties.
        QString seite;
        int formen = 0;
        QVERIFY(ImModalen<TfrmVokabeleigenschaften>(
            [&] { emit m_fenster->lvwVokabeln->doubleClicked(m_fenster->lvwVokabeln->model()->index(1, 0)); },
            [&](TfrmVokabeleigenschaften *f) {
                seite = f->txtVokabel->toPlainText();
                formen = f->tvwFormen->topLevelItemCount();
                Bild(f, QStringLiteral("eigenschaften.png"));
                f->btnSchliessen->click();
            }));
        QVERIFY2(seite.contains(kopf) && seite.contains(QStringLiteral("Prüfbedeutung")), qPrintable(seite));
        QVERIFY(formen > 0 || l->vokabeln[1]->Wortart() == WA_ADVERB || l->vokabeln[1]->Wortart() == WA_UNBESTIMMT);
    }

    // Lengths are typed as a_, :a or with the button row, and stored as
    // typed; the rules still read the endings, and a search without marks
    // finds the entry.
    void laengenWerdenGetipptUndSoGespeichert()
    {
        TVokabel neu;
        TfrmVokabelEditor e(m_fenster, *m_u->kern, neu, QStringLiteral("Neue Vokabel"));
        e.show();
        e.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&e));
        e.edtVokabel->setFocus();
        QTest::keyClicks(e.edtVokabel, QStringLiteral("salta_re"));
        QCOMPARE(e.edtVokabel->text(), QStringLiteral("saltāre"));
        e.cmbWortart->setCurrentIndex(0);
        emit e.cmbWortart->activated(0);
        // The proposals carry the lengths of the headword's class.
        QCOMPARE(e.edtVerb[1]->text(), QStringLiteral("saltāvī"));
        e.SeiteWechseln(2);
        e.edtVerb[0]->setFocus();
        e.edtVerb[0]->selectAll();
        QTest::keyClicks(e.edtVerb[0], QStringLiteral("salt:o"));
        e.edtVerb[1]->setFocus();
        e.edtVerb[1]->selectAll();
        QTest::keyClicks(e.edtVerb[1], QStringLiteral("salta_v"));
        e.findChild<QToolButton *>(QStringLiteral("btnLangi"))->click();
        QCOMPARE(e.edtVerb[0]->text(), QStringLiteral("saltō"));
        QCOMPARE(e.edtVerb[1]->text(), QStringLiteral("saltāvī"));
        Bild(&e, QStringLiteral("editor-laengen.png"));
        e.SeiteWechseln(1);
        e.edtBedeutung->setText(QStringLiteral("tanzen"));
        QTest::keyClick(e.edtBedeutung, Qt::Key_Return);
        e.btnOK->click();
        QCOMPARE(e.Gespeichert(), 1);

        const auto treffer = m_u->kern->VokabelnSuchen(QStringLiteral("saltare"));
        QCOMPARE(treffer.size(), size_t(1));
        QCOMPARE(treffer.front()->vokabel, QStringLiteral("saltāre"));
        auto gespeichert = TVokabeldienst(*m_u->kern).Laden(treffer.front()->id);
        QCOMPARE(gespeichert->KonjDekl(), KD_A);
        QCOMPARE(gespeichert->form1, QStringLiteral("saltō"));
        QCOMPARE(gespeichert->form2, QStringLiteral("saltāvī"));
    }

    // A new headword the lexicon knows is offered with its key forms and
    // meanings; choosing it fills every page, lengths included.
    void neueVokabelAusDemLexikonFuellen()
    {
        TUmgebung u;
        QVERIFY(u.Oeffnen());
        QVERIFY(
            LexikonImportieren(*u.dm, TLexikonQuellen::InOrdner(QStringLiteral(LEXOVITA_LEXIKON_FIXTUREN))).lemmata >
            0);
        TVokabel neu;
        TfrmVokabelEditor e(u.fenster.get(), *u.kern, neu, QStringLiteral("Neue Vokabel ("));
        e.show();
        QTest::keyClicks(e.edtVokabel, QStringLiteral("rex"));
        QVERIFY(e.lstLexikon->isVisible());
        QCOMPARE(e.lstLexikon->count(), 1);
        QVERIFY2(e.lstLexikon->item(0)->text().startsWith(QStringLiteral("rex, regis, m.")),
                 qPrintable(e.lstLexikon->item(0)->text()));
        Bild(&e, QStringLiteral("editor-lexikon.png"));
        e.btnLexikon->click();
        QCOMPARE(e.edtVokabel->text(), QStringLiteral("rēx"));
        QCOMPARE(e.cmbWortart->currentText(), QStringLiteral("Substantiv"));
        QCOMPARE(e.edtGenitiv->text(), QStringLiteral("rēgis"));
        QVERIFY(e.tvwBedeutungen->topLevelItemCount() > 0);
        // The pupil's own changes come after, as in any new entry.
        e.edtVokabel->end(false);
        e.btnOK->click();
        QCOMPARE(e.Gespeichert(), 1);
        const auto treffer = u.kern->VokabelnSuchen(QStringLiteral("rex"));
        QCOMPARE(treffer.size(), size_t(1));
        auto gespeichert = TVokabeldienst(*u.kern).Laden(treffer.front()->id);
        QCOMPARE(gespeichert->vokabel, QStringLiteral("rēx"));
        QCOMPARE(gespeichert->form1, QStringLiteral("rēgis"));
        QCOMPARE(gespeichert->form2, QStringLiteral("m"));
        QVERIFY(!gespeichert->bedeutungen.empty());
        // A typed word without a lemma offers nothing.
        TVokabel noch;
        TfrmVokabelEditor leer(u.fenster.get(), *u.kern, noch, QStringLiteral("Neue Vokabel ("));
        leer.show();
        QTest::keyClicks(leer.edtVokabel, QStringLiteral("zelotypare"));
        QVERIFY(!leer.lstLexikon->isVisible());
    }

    // A pasted list of ten lines: the pupil chooses the ambiguous one, edits
    // the unknown one (not stored until "Einfügen"), inserts, and one undo
    // takes all of them out of the lesson again.
    void vokabelnAusListeEinfuegen()
    {
        TUmgebung u;
        QVERIFY(u.Oeffnen());
        QTemporaryDir quelle;
        QVERIFY(LexikonImportieren(*u.dm, TLexikonQuellen::InOrdner(LexikonMitHomographen(quelle))).lemmata > 12);
        const int32_t rex = u.Speichern(QStringLiteral("rex"), WA_SUBSTANTIV, QStringLiteral("König"),
                                        {QStringLiteral("regis"), QStringLiteral("m")}, KD_K);
        const QString liste = QStringLiteral("Vokabeln zu Lektion 3:\n"
                                             "1. rosa, -ae f. Rose\n"
                                             "2. amo, amavi, amatum – lieben\n"
                                             "3. populus\n"
                                             "4. rex, regis m. König\n"
                                             "5. bonus, -a, -um gut\n"
                                             "6. hortor, hortatus sum ermahnen\n"
                                             "7. consul, -is m. Konsul\n"
                                             "8. dominus, -i m. Herr\n"
                                             "9. fenestra, -ae f. Fenster\n"
                                             "10. xyzq Quatsch\n");
        const int vorher = u.fenster->AktuelleLektion()->Anzahl();
        QStringList status, nachWahl;
        bool vorEinfuegenGespeichert = true;
        QVERIFY(ImModalen<TfrmListeEinfuegen>(
            u.fenster->Aktion(QStringLiteral("actVokabelnAusListe")), [&](TfrmListeEinfuegen *f) {
                f->edtListe->setPlainText(liste);
                f->btnPruefen->click();
                const QAbstractItemModel *m = f->tblPosten->model();
                for (int z = 0; z < m->rowCount(); ++z)
                    status << m->index(z, TListenModell::SpStatus).data().toString();
                // Prüfen goes to the first open line: the ambiguous one.
                QCOMPARE(f->tblPosten->currentIndex().row(), 2);
                QVERIFY(f->cmbKandidaten->isEnabled());
                Bild(f, QStringLiteral("liste-pruefung.png"));
                f->cmbKandidaten->setFocus();
                QTest::keyClick(f->cmbKandidaten, Qt::Key_Down);
                QTest::keyClick(f->cmbKandidaten, Qt::Key_Down);
                nachWahl << m->index(2, TListenModell::SpVokabel).data().toString()
                         << m->index(2, TListenModell::SpBedeutungen).data().toString();
                // The unknown line: in the editor, OK hands it back unstored.
                f->tblPosten->setCurrentIndex(m->index(9, 0));
                QVERIFY(ImModalen<TfrmVokabelEditor>([f] { f->btnBearbeiten->click(); },
                                                     [](TfrmVokabelEditor *e) { e->btnOK->click(); }));
                vorEinfuegenGespeichert = !u.kern->VokabelnSuchen(QStringLiteral("xyzq")).empty();
                nachWahl << m->index(9, TListenModell::SpStatus).data().toString();
                Bild(f, QStringLiteral("liste-gewaehlt.png"));
                f->btnEinfuegen->click();
            }));
        QCOMPARE(status, QStringList({"gefunden", "gefunden", "mehrdeutig", "vorhanden", "gefunden", "gefunden",
                                      "gefunden", "gefunden", "gefunden", "unbekannt"}));
        QCOMPARE(nachWahl, QStringList({"pōpulus, pōpulī, f.", "Pappel", "gefunden"}));
        QVERIFY(!vorEinfuegenGespeichert);

        TLektion *l = u.fenster->AktuelleLektion();
        QCOMPARE(l->Anzahl(), vorher + 10);
        QCOMPARE(l->vokabeln[size_t(vorher) + 3]->id, rex);
        QCOMPARE(l->vokabeln[size_t(vorher) + 1]->vokabel, QStringLiteral("amāre"));
        QCOMPARE(l->vokabeln[size_t(vorher) + 6]->BedeutungenText(), QStringLiteral("Konsul"));
        QCOMPARE(u.fenster->Aktion(QStringLiteral("actVokabelRueckgaengig"))->text(),
                 QStringLiteral("&Rückgängig: Vokabeln aus Liste einfügen"));
        u.fenster->Aktion(QStringLiteral("actVokabelRueckgaengig"))->trigger();
        QCOMPARE(u.fenster->AktuelleLektion()->Anzahl(), vorher);
        QCOMPARE(u.fenster->lvwVokabeln->Anzahl(), vorher);
    }

    void sonderformenNurFuerAngehakteZeilen()
    {
        int32_t id = 0;
        for (const auto &t : m_u->kern->VokabelnSuchen(QStringLiteral("amare")))
            if (t->vokabel == QStringLiteral("amāre") && t->Wortart() == WA_VERB)
                id = t->id;
        QVERIFY(id > 0);
        TVokabeldienst dienst(*m_u->kern);
        const size_t vorher = dienst.Laden(id)->sonderformen.size();
        auto v = dienst.Laden(id);
        TfrmVokabelEditor e(m_fenster, *m_u->kern, *v, QStringLiteral("Vokabel bearbeiten (amare)"));
        e.show();
        e.SeiteWechseln(3);
        const int32_t praesens = fid::PRAESENS | fid::INDIKATIV | fid::AKTIV;
        for (QTreeWidgetItemIterator it(e.tvwKategorien); *it; ++it)
            if (KnotenDaten(*it).id == praesens)
                e.tvwKategorien->setCurrentItem(*it);
        QVERIFY(e.edtSonderform[5]->isVisible());
        QVERIFY(!e.edtSonderform[6]->isVisible());
        QCOMPARE(e.edtSonderform[1]->text(), QStringLiteral("amas"));
        QVERIFY(!e.edtSonderform[1]->isEnabled());
        Bild(&e, QStringLiteral("editor-sonderformen.png"));

        e.chkSonderform[1]->click();
        QVERIFY(e.edtSonderform[1]->isEnabled());
        e.edtSonderform[1]->selectAll();
        QTest::keyClicks(e.edtSonderform[1], QStringLiteral("amasse"));
        // Checked and unchecked again: nothing of it is stored.
        e.chkSonderform[2]->click();
        QTest::keyClicks(e.edtSonderform[2], QStringLiteral("x"));
        e.chkSonderform[2]->click();
        QCOMPARE(e.edtSonderform[2]->text(), QStringLiteral("amat"));
        e.btnOK->click();
        QCOMPARE(e.Gespeichert(), 1);

        const auto gespeichert = dienst.Laden(id);
        QCOMPARE(gespeichert->sonderformen.size(), vorher + 1);
        int treffer = 0;
        for (const auto &f : gespeichert->sonderformen) {
            QVERIFY(f->formId != (praesens | fid::P3_SG));
            if (f->formId == (praesens | fid::P2_SG)) {
                QCOMPARE(f->text, QStringLiteral("amasse"));
                ++treffer;
            }
        }
        QCOMPARE(treffer, 1);
    }
};

QTEST_MAIN(TestVokabeleditor)
#include "test_vokabeleditor.moc"
