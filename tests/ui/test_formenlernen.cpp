// Widget tests of "Formen bilden" and "Formen bestimmen", run from the main
// window on a small lesson in a temporary database with a fixed random source.
#include "model/lektion.h"
#include "model/uhr.h"
#include "morph/formid.h"
#include "store/vokabelspeicher.h"
#include "ui/frmeinstellungen.h"
#include "ui/frmformenlernen.h"
#include "ui/frmhaupt.h"
#include "ui/punktestand.h"
#include "ui_hilfe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace lexovita;
using namespace lexovita::testhilfe;

namespace {

QStringList Eintraege(const QListWidget *liste)
{
    QStringList s;
    for (int i = 0; i < liste->count(); ++i)
        s << liste->item(i)->text();
    return s;
}

// The node at the end of a path of captions from the top.
QTreeWidgetItem *Pfad(QTreeWidget *baum, const QStringList &schritte)
{
    QTreeWidgetItem *item = baum->invisibleRootItem();
    for (const QString &schritt : schritte) {
        QTreeWidgetItem *kind = nullptr;
        for (int i = 0; i < item->childCount() && !kind; ++i)
            if (item->child(i)->text(0) == schritt)
                kind = item->child(i);
        if (!kind)
            return nullptr;
        item = kind;
    }
    return item;
}

QTreeWidgetItem *Knoten(QTreeWidget *baum, const QString &text)
{
    const QList<QTreeWidgetItem *> treffer = baum->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return treffer.isEmpty() ? nullptr : treffer.first();
}

} // namespace

class TestFormenLernen : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TUmgebung> m_u;
    TfrmHaupt *m_fenster = nullptr;
    std::unique_ptr<TFesterZufall> m_zufall;

    // Runs `pruefen` on the drill window once the action has opened it.
    template <typename F> void Oeffnen(const char *aktion, F pruefen)
    {
        bool gelaufen = false;
        QTimer::singleShot(0, this, [&] {
            auto *f = qobject_cast<TfrmFormenLernen *>(QApplication::activeModalWidget());
            QVERIFY(f);
            // A failed check must not leave the modal window open.
            const std::unique_ptr<QDialog, void (*)(QDialog *)> zu(f, [](QDialog *d) {
                if (d->isVisible())
                    d->reject();
            });
            pruefen(f);
            gelaufen = true;
        });
        m_fenster->Aktion(QString::fromLatin1(aktion))->trigger();
        QVERIFY(gelaufen);
    }

  private slots:
    void init()
    {
        m_u = std::make_unique<TUmgebung>();
        m_zufall = std::make_unique<TFesterZufall>(7);
        m_u->Speichern(QStringLiteral("laudare"), WA_VERB, QStringLiteral("loben"), {"laudo", "laudavi", "laudatum"},
                       KD_A);
        m_u->Speichern(QStringLiteral("amicus"), WA_SUBSTANTIV, QStringLiteral("Freund"), {"amici", "m"}, KD_O);
        m_u->Speichern(QStringLiteral("ita"), WA_UNBESTIMMT, QStringLiteral("so"), {}, KD_KEINE);
        QVERIFY(m_u->Oeffnen(nullptr, m_zufall.get()));
        m_fenster = m_u->fenster.get();
    }
    void cleanup()
    {
        m_u.reset();
        m_zufall.reset();
    }

    // Wrong with another form of the entry, right (case, blanks and macrons
    // do not count), then empty: the solution says which form was typed.
    void formenBildenShowsTheSolutionAndWhichFormWasTyped()
    {
        m_u->Hinzufuegen(QStringLiteral("laud"));
        m_u->Hinzufuegen(QStringLiteral("amic"));
        m_u->config->flVerb = {QString::number(fid::P1_SG | fid::PERFEKT | fid::INDIKATIV | fid::AKTIV)};
        m_u->config->flSubstantiv = {QStringLiteral("57344")}; // Genitiv Pl.
        m_u->config->flKonjDekl = false;
        // What the pupil types for each task: wrong, right, nothing.
        const QHash<QString, QStringList> antworten{
            {QStringLiteral("Genitiv Pl.|von amicus"), {"amici", " Amicorum ", ""}},
            {QStringLiteral("1. Prs. Sg. Perfekt Aktiv Indikativ|von laudare"), {"laudo", "laudāvī", ""}},
        };
        QStringList aufgaben, loesungen, hinweise;
        QString insgesamt, richtig, falsch;
        bool konjDeklVerborgen = false, stammformenDa = false, fokusImFeld = false;
        Oeffnen("actFormenBilden", [&](TfrmFormenLernen *f) {
            QCOMPARE(f->windowTitle(), QStringLiteral("Formen bilden"));
            konjDeklVerborgen = !f->lblKonjDekl->isVisible();
            stammformenDa = f->lblStammformen->isVisible() && !f->lblStammformen->text().isEmpty();
            Bild(f, QStringLiteral("formen_bilden_frage.png"));
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(f->GetZustand(), TfrmFormenLernen::Frage);
                const QString aufgabe = f->lblForm->text() + QLatin1Char('|') + f->lblVokabel->text();
                aufgaben << aufgabe;
                QVERIFY2(antworten.contains(aufgabe), qPrintable(aufgabe));
                // Typed with a macron keyboard layout, which key clicks cannot send.
                f->edtAntwort->insert(antworten[aufgabe][i]);
                Enter(f);
                if (i == 1) {
                    // Right: the next task at once, the cursor in the field.
                    fokusImFeld = f->focusWidget() == f->edtAntwort;
                    continue;
                }
                QCOMPARE(f->GetZustand(), TfrmFormenLernen::Loesung);
                loesungen << QStringList{f->lblErgebnis->text(), f->lblAufgabe->text(), f->lblFalsch->text(),
                                         f->lblRichtig->text()}
                                 .join(QLatin1Char('|'));
                hinweise << (f->lblEingegeben->isVisible() ? f->lblEingegeben->text() : QStringLiteral("-"));
                if (i == 0)
                    Bild(f, QStringLiteral("formen_bilden_loesung.png"));
                Enter(f); // the focus is on "Weiter >"
            }
            insgesamt = f->pnlErgebnis->lblInsgesamt->text();
            richtig = f->pnlErgebnis->lblRichtig->text();
            falsch = f->pnlErgebnis->lblFalsch->text();
            QCOMPARE(f->pnlErgebnis->chtErgebnis->Richtige(), 1);
            QCOMPARE(f->pnlErgebnis->chtErgebnis->Falsche(), 2);
        });
        QVERIFY(konjDeklVerborgen);
        QVERIFY(stammformenDa);
        QVERIFY(fokusImFeld);
        QCOMPARE(aufgaben, (QStringList{"Genitiv Pl.|von amicus", "1. Prs. Sg. Perfekt Aktiv Indikativ|von laudare",
                                        "Genitiv Pl.|von amicus"}));
        QCOMPARE(loesungen, (QStringList{"Die Antwort ist falsch!|Genitiv Pl. von amicus|amici|amicorum",
                                         "Die Antwort ist falsch!|Genitiv Pl. von amicus|(leer)|amicorum"}));
        QCOMPARE(hinweise, (QStringList{"Du hast den Genitiv Sg. bzw. den Nominativ Pl. eingegeben.", "-"}));
        QCOMPARE(insgesamt, QStringLiteral("3"));
        QCOMPARE(richtig, QStringLiteral("33 %"));
        QCOMPARE(falsch, QStringLiteral("67 %"));
    }

    // "Längen abfragen": a form right but for its lengths is named in the
    // solution, which shows the entry and the form with their lengths.
    void formenBildenNamesAWrongLength()
    {
        m_u->Speichern(QStringLiteral("iūdicāre"), WA_VERB, QStringLiteral("urteilen"),
                       {QStringLiteral("iūdicō"), QStringLiteral("iūdicāvī"), QStringLiteral("iūdicātum")}, KD_A);
        m_u->Hinzufuegen(QStringLiteral("iudic"));
        m_u->config->flVerb = {QString::number(fid::P1_SG | fid::PERFEKT | fid::INDIKATIV | fid::AKTIV)};
        m_u->config->lrLaengen = true;
        Oeffnen("actFormenBilden", [&](TfrmFormenLernen *f) {
            QCOMPARE(f->lblVokabel->text(), QStringLiteral("von iūdicāre"));
            f->edtAntwort->insert(QStringLiteral("iudicavi"));
            Enter(f);
            QCOMPARE(f->GetZustand(), TfrmFormenLernen::Loesung);
            QCOMPARE(f->lblRichtig->text(), QStringLiteral("iūdicāvī"));
            QVERIFY(f->lblEingegeben->isVisible());
            QCOMPARE(f->lblEingegeben->text(), QStringLiteral("Länge: iūdicāvī, nicht iudicavi"));
            Bild(f, QStringLiteral("formen_bilden_laenge.png"));
        });
    }

    // amici is Genitiv Sg. and Nominativ Pl.: a wrong pick lists both, either
    // one is right, and "Weiter" with no pick is no answer.
    void formenBestimmenAcceptsEveryReadingOfTheAskedEntry()
    {
        m_u->Hinzufuegen(QStringLiteral("amic"));
        m_u->config->flSubstantiv = {QStringLiteral("16384")}; // Genitiv Sg.
        m_u->config->flVokabel = false;
        Oeffnen("actFormenBestimmen", [&](TfrmFormenLernen *f) {
            QCOMPARE(f->windowTitle(), QStringLiteral("Formen bestimmen"));
            QCOMPARE(f->lblForm->text(), QStringLiteral("amici"));
            QVERIFY(!f->lblVokabel->isVisible());
            QCOMPARE(f->focusWidget(), f->tvwFormen);
            QCOMPARE(f->tvwFormen->topLevelItemCount(), 10);
            // The tree must not give the answer away: no Latin, no ticks.
            for (QTreeWidgetItemIterator it(f->tvwFormen); *it; ++it) {
                QCOMPARE((*it)->text(1), QString());
                QVERIFY((*it)->data(0, Qt::CheckStateRole).isNull());
            }
            f->tvwFormen->setCurrentItem(Knoten(f->tvwFormen, QStringLiteral("Dativ Sg.")));
            const QString gewaehlt = f->edtAuswahl->text();
            Bild(f, QStringLiteral("formen_bestimmen_frage.png"));
            Enter(f);
            QCOMPARE(f->GetZustand(), TfrmFormenLernen::Loesung);
            QCOMPARE(f->lblAufgabe->text(), QStringLiteral("amici"));
            QCOMPARE(f->lblFalsch->text(), gewaehlt);
            QVERIFY2(gewaehlt.startsWith(QStringLiteral("Dativ Sg.")), qPrintable(gewaehlt));
            const QStringList richtige = Eintraege(f->lstLoesungen);
            QCOMPARE(richtige.size(), 2);
            QVERIFY2(richtige[0].startsWith(QStringLiteral("Genitiv Sg.")), qPrintable(richtige.join('|')));
            QVERIFY2(richtige[1].startsWith(QStringLiteral("Nominativ Pl.")), qPrintable(richtige.join('|')));
            QVERIFY(!f->lblEingegeben->isVisible());
            Bild(f, QStringLiteral("formen_bestimmen_loesung.png"));
            Enter(f);

            // The other reading, by double click: right, and the next task at once.
            QCOMPARE(f->GetZustand(), TfrmFormenLernen::Frage);
            QTreeWidgetItem *nomPl = Knoten(f->tvwFormen, QStringLiteral("Nominativ Pl."));
            QVERIFY(nomPl);
            f->tvwFormen->scrollToItem(nomPl);
            const QPoint punkt = f->tvwFormen->visualItemRect(nomPl).center();
            QTest::mouseClick(f->tvwFormen->viewport(), Qt::LeftButton, {}, punkt);
            QTest::mouseDClick(f->tvwFormen->viewport(), Qt::LeftButton, {}, punkt);
            QTest::mouseRelease(f->tvwFormen->viewport(), Qt::LeftButton, {}, punkt);
            QCOMPARE(f->pnlErgebnis->lblInsgesamt->text(), QStringLiteral("2"));
            QCOMPARE(f->GetZustand(), TfrmFormenLernen::Frage);
            QCOMPARE(f->pnlErgebnis->lblRichtig->text(), QStringLiteral("50 %"));
            // The new task's tree is built afresh, with nothing chosen.
            QVERIFY(f->tvwFormen->selectedItems().isEmpty());
            QCOMPARE(f->tvwFormen->topLevelItemCount(), 10);
            QVERIFY(f->edtAuswahl->text().isEmpty());

            Enter(f); // nothing picked: no answer, nothing counted
            QCOMPARE(f->GetZustand(), TfrmFormenLernen::Frage);
            QCOMPARE(f->pnlErgebnis->lblInsgesamt->text(), QStringLiteral("2"));
            QCOMPARE(f->edtAuswahl->text(), QStringLiteral("Wähle zuerst eine Form im Baum aus."));
        });

        // A verb's tree by keyboard: Enter opens a heading, on a form row it answers.
        m_u->Hinzufuegen(QStringLiteral("laud"));
        m_u->config->flSubstantiv.clear(); // nouns are not asked
        m_u->config->flVerb = {QString::number(fid::P1_SG | fid::PERFEKT | fid::INDIKATIV | fid::AKTIV)};
        Oeffnen("actFormenBestimmen", [&](TfrmFormenLernen *f) {
            QCOMPARE(f->lblForm->text(), QStringLiteral("laudavi"));
            QTreeWidgetItem *indikativ = Pfad(f->tvwFormen, {"Indikativ"});
            QVERIFY(indikativ && !indikativ->isExpanded());
            f->tvwFormen->setCurrentItem(indikativ);
            Enter(f);
            QCOMPARE(f->GetZustand(), TfrmFormenLernen::Frage);
            QVERIFY(indikativ->isExpanded());
            QTreeWidgetItem *zeile = Pfad(f->tvwFormen, {"Indikativ", "Aktiv", "Perfekt", "1. Person Sg."});
            QVERIFY(zeile);
            f->tvwFormen->setCurrentItem(zeile);
            QCOMPARE(f->edtAuswahl->text(), QStringLiteral("1. Prs. Sg. Perfekt Aktiv Indikativ"));
            Bild(f, QStringLiteral("formen_bestimmen_verb.png"));
            Enter(f);
            QCOMPARE(f->GetZustand(), TfrmFormenLernen::Frage);
            QCOMPARE(f->pnlErgebnis->lblRichtig->text(), QStringLiteral("100 %"));
        });
    }

    // "Nur Grundformen" (on at first) asks a beginner's forms of the default
    // lists only; switched off, every allowed form comes, and the choice is
    // kept for the next time.
    void onlyBasicFormsUntilTheChoiceIsSwitchedOff()
    {
        m_u->Hinzufuegen(QStringLiteral("laud"));
        QStringList fremd, alle;
        bool erstAn = false;
        Oeffnen("actFormenBilden", [&](TfrmFormenLernen *f) {
            erstAn = f->chkGrundformen->isChecked();
            const auto ziehen = [&](QStringList &ausserhalb) {
                for (int i = 0; i < 60; ++i) {
                    if (!TFormenTest::IstGrundform(WA_VERB, f->Test().formId))
                        ausserhalb << f->Test().formBezeichnung;
                    f->edtAntwort->setText(f->Test().formText);
                    f->btnWeiter->click();
                }
            };
            ziehen(fremd);
            Bild(f, QStringLiteral("formen_grundformen.png"));
            f->chkGrundformen->setChecked(false);
            ziehen(alle);
        });
        QVERIFY(erstAn);
        QVERIFY2(fremd.isEmpty(), qPrintable(fremd.join(QLatin1Char('|'))));
        QVERIFY(alle.size() > 20); // most of the default list is beyond the basics
        QVERIFY(!m_u->config->flGrundformen);

        // The basic set itself, as a table.
        using namespace fid;
        const struct {
            int32_t wortart, id;
            bool grund;
        } faelle[] = {
            {WA_VERB, P1_SG | PRAESENS | INDIKATIV | AKTIV, true},
            {WA_VERB, P3_PL | PERFEKT | INDIKATIV | AKTIV, true},
            {WA_VERB, P2_SG | IMPERATIV_I | AKTIV, true},
            {WA_VERB, INFINITIV | PRAESENS | AKTIV, true},
            {WA_VERB, P1_SG | PLUSQUAMPERFEKT | KONJUNKTIV | AKTIV, false},
            {WA_VERB, P1_SG | PRAESENS | INDIKATIV | PASSIV, false},
            {WA_VERB, PARTIZIP | PRAESENS | AKTIV | GEN_PL | FEMININUM, false},
            {WA_VERB, INFINITIV | PERFEKT | AKTIV, false},
            {WA_ADJEKTIV, GEN_SG | MASKULINUM | POSITIV, true},
            {WA_ADJEKTIV, GEN_SG | MASKULINUM | KOMPARATIV, false},
            {WA_SUBSTANTIV, ABL_PL, true},
        };
        for (const auto &k : faelle)
            QVERIFY2(TFormenTest::IstGrundform(k.wortart, k.id) == k.grund, qPrintable(FormBezeichnung(k.id)));
    }

    // An entry of undetermined class has no forms: the panel instead of a
    // task, and its button leads to the page where forms are allowed.
    void withoutFormsThePanelLeadsToTheSettings()
    {
        m_u->Hinzufuegen(QStringLiteral("ita"));
        QString seite;
        Oeffnen("actFormenBestimmen", [&](TfrmFormenLernen *f) {
            QCOMPARE(f->GetZustand(), TfrmFormenLernen::KeineFormen);
            QVERIFY(f->pnlKeineFormen->isVisible());
            QCOMPARE(f->lblKeineFormen->text(), QStringLiteral("Keine Formen verfügbar!"));
            QVERIFY(!f->pnlFrage->isVisible());
            QVERIFY(!f->btnWeiter->isEnabled());
            Bild(f, QStringLiteral("formen_keine.png"));
            QTimer::singleShot(0, this, [&] {
                if (auto *e = qobject_cast<TfrmEinstellungen *>(QApplication::activeModalWidget())) {
                    seite = e->tvwEinstellungen->currentItem()->text(0);
                    e->reject();
                }
            });
            QTest::keyClick(f->focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(seite, QStringLiteral("Formen auswählen"));
    }
};

QTEST_MAIN(TestFormenLernen)
#include "test_formenlernen.moc"
