// Widget tests of the drills, run from the main window on a small lesson in
// a temporary database with a fixed random source.
#include "model/lektion.h"
#include "model/uhr.h"
#include "store/lektionsspeicher.h"
#include "store/vokabelspeicher.h"
#include "ui/frmabfrage.h"
#include "ui/frmhaupt.h"
#include "ui/punktestand.h"
#include "ui/vokabelliste.h"
#include "ui_hilfe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace lexovita;
using namespace lexovita::testhilfe;

class TestLernen : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TUmgebung> m_u;
    TDatenmanager *m_dm = nullptr;
    TfrmHaupt *m_fenster = nullptr;
    TFesterZufall m_zufall{5};

    void Speichern(const QString &wort, int32_t wortart, const QString &bedeutung, const QString &form1 = {},
                   const QString &form2 = {})
    {
        TVokabel v;
        v.vokabel = wort;
        v.form1 = form1;
        v.form2 = form2;
        v.SetWortart(wortart);
        v.BedeutungAnhaengen(bedeutung, {}, 1);
        TVokabelSpeicher(*m_dm, m_u->frage).Speichern(v);
    }
    void Hinzufuegen(const QString &text)
    {
        m_fenster->edtVokabel->clear();
        QTest::keyClicks(m_fenster->edtVokabel, text);
        QTest::keyClick(m_fenster->edtVokabel, Qt::Key_Return);
    }

  private slots:
    void init()
    {
        m_u = std::make_unique<TUmgebung>();
        m_dm = m_u->dm.get();
        Speichern(QStringLiteral("amare"), WA_VERB, QStringLiteral("lieben"), QStringLiteral("amo"),
                  QStringLiteral("amavi"));
        Speichern(QStringLiteral("amicus"), WA_SUBSTANTIV, QStringLiteral("Freund"), QStringLiteral("amici"),
                  QStringLiteral("m"));
        Speichern(QStringLiteral("bonus"), WA_ADJEKTIV, QStringLiteral("gut"));
        QVERIFY(m_u->Oeffnen(nullptr, &m_zufall));
        m_fenster = m_u->fenster.get();
    }
    void cleanup() { m_u.reset(); }

    void theDrillActionsNeedAnEntryInTheLesson()
    {
        for (const char *name : {"actVokabelnSchriftlich"})
            QVERIFY2(!m_fenster->Aktion(QString::fromLatin1(name))->isEnabled(), name);
        Hinzufuegen(QStringLiteral("bonu"));
        for (const char *name : {"actVokabelnSchriftlich"})
            QVERIFY2(m_fenster->Aktion(QString::fromLatin1(name))->isEnabled(), name);
    }

    // In lesson order without restart: right, wrong (with principal parts),
    // right; the drill ends after the last entry with the wrong one listed.
    void aWrittenDrillTypedThroughEndsWithTheScoreAndTheWrongEntries()
    {
        for (const char *w : {"amar", "amic", "bonu"})
            Hinzufuegen(QString::fromLatin1(w));
        m_u->config->vlsMischen = false;
        m_u->config->vlsAnfang = false;
        m_u->config->vlStammformen = true;
        m_u->config->vlsSchnellkorrektur = true;
        QStringList fragen, ergebnisse, loesung, zusammenfassung, alle;
        QString insgesamt, richtig, falsch, schriftfarbe;
        int balkenRichtig = -1, balkenFalsch = -1;
        bool listeLeer = false, weiterVerborgen = false;
        QString gespeichert;
        TLektionsSpeicher speicher(*m_dm);
        const int32_t buch = speicher.LehrbuchAnlegen(QStringLiteral("Wiederholung"));
        QTimer::singleShot(0, this, [&] {
            auto *f = qobject_cast<TfrmAbfrage *>(QApplication::activeModalWidget());
            QVERIFY(f);
            // A failed check must not leave the modal window open.
            const std::unique_ptr<QDialog, void (*)(QDialog *)> zu(f, [](QDialog *d) { d->reject(); });
            listeLeer = m_fenster->lvwVokabeln->topLevelItemCount() == 0;
            const struct {
                const char *antwort, *form1, *form2;
                bool genus;
            } eingaben[] = {
                {"Lieben!", "amo", "amavi", false},
                {"Feind", "amicus", nullptr, true},
                {"gut", nullptr, nullptr, false},
            };
            for (const auto &e : eingaben) {
                fragen << f->lblFrage->text();
                QTest::keyClicks(f->edtAntwort, QString::fromUtf8(e.antwort));
                schriftfarbe += f->edtAntwort->palette().color(QPalette::Text) == QColor(0, 128, 0) ? "g" : "r";
                Enter(f);
                for (const char *form : {e.form1, e.form2})
                    if (form) {
                        QTest::keyClicks(f->focusWidget(), QString::fromUtf8(form));
                        Enter(f);
                    }
                if (e.genus) // Enter on the gender options checks, none chosen
                    Enter(f);
                ergebnisse << f->lblErgebnis->text();
                if (f->GetZustand() == TfrmAbfrage::Loesung) {
                    loesung = Zeilen(f->lvwAntworten);
                    Bild(f, QStringLiteral("abfrage_loesung.png"));
                }
                Enter(f);
            }
            QCOMPARE(f->GetZustand(), TfrmAbfrage::Fertig);
            Bild(f, QStringLiteral("abfrage_fertig.png"));
            weiterVerborgen = !f->btnWeiter->isVisible();
            insgesamt = f->pnlErgebnis->lblInsgesamt->text();
            richtig = f->pnlErgebnis->lblRichtig->text();
            falsch = f->pnlErgebnis->lblFalsch->text();
            balkenRichtig = f->pnlErgebnis->chtErgebnis->Richtige();
            balkenFalsch = f->pnlErgebnis->chtErgebnis->Falsche();
            zusammenfassung = Zeilen(f->lvwFalsch);
            f->spnFalsch->setValue(0);
            alle = Zeilen(f->lvwFalsch);

            // The checked entry is saved as a new lesson of the chosen textbook.
            QVERIFY(!f->btnSpeichern->isEnabled());
            f->lvwFalsch->topLevelItem(1)->setCheckState(0, Qt::Checked);
            QVERIFY(f->btnSpeichern->isEnabled());
            QVERIFY(f->chkHinzufuegen->isChecked());
            f->lektionWaehlen = [&] {
                TLehrbuchwahl wahl;
                wahl.bestaetigt = true;
                wahl.name = QStringLiteral(" Fehler ");
                wahl.lehrbuchId = buch;
                wahl.lehrbuch = QStringLiteral("Wiederholung");
                return wahl;
            };
            f->btnSpeichern->click();
            gespeichert = f->lblGespeichert->text();
        });
        m_fenster->Aktion(QStringLiteral("actVokabelnSchriftlich"))->trigger();
        QVERIFY(listeLeer);
        QCOMPARE(m_fenster->lvwVokabeln->topLevelItemCount(), 3);
        QCOMPARE(fragen, (QStringList{"amare?", "amicus?", "bonus?"}));
        QCOMPARE(schriftfarbe, QStringLiteral("grg")); // case and "!" do not count, "Feind" begins no meaning
        QCOMPARE(ergebnisse,
                 (QStringList{"Die Antwort ist richtig!", "Die Antwort ist falsch!", "Die Antwort ist richtig!"}));
        QCOMPARE(loesung, (QStringList{"✘ falsch|Feind", "✘ falsch|amicus", "✘ falsch|(leer)"}));
        QVERIFY(weiterVerborgen);
        QCOMPARE(insgesamt, QStringLiteral("3"));
        QCOMPARE(richtig, QStringLiteral("66%"));
        QCOMPARE(falsch, QStringLiteral("33%"));
        QCOMPARE(balkenRichtig, 2);
        QCOMPARE(balkenFalsch, 1);
        QCOMPARE(zusammenfassung, QStringList{"amicus|1|0|1"});
        QCOMPARE(alle, (QStringList{"amare|1|1|0", "amicus|1|0|1", "bonus|1|1|0"}));
        QCOMPARE(gespeichert, QStringLiteral("1 Vokabel wurde in der Lektion 'Fehler' (Wiederholung) gespeichert."));
        const auto fehler = speicher.LektionLesen(speicher.LektionSuchen(buch, QStringLiteral("Fehler")));
        QVERIFY(fehler);
        QCOMPARE(fehler->name, QStringLiteral("Fehler"));
        QCOMPARE(fehler->Anzahl(), 1);
        QCOMPARE(fehler->vokabeln[0]->vokabel, QStringLiteral("amicus"));
    }
};

QTEST_MAIN(TestLernen)
#include "test_lernen.moc"
