// "Fällige Vokabeln wiederholen" and "Lernstatistik" from the main window on
// the starter textbook, with a fixed clock moved on day by day.
#include "learning/vokabeltest.h"
#include "model/uhr.h"
#include "model/vokabel.h"
#include "store/sqlite.h"
#include "ui/frmabfrage.h"
#include "ui/frmhaupt.h"
#include "ui/frmlernstatistik.h"
#include "ui/frmwiederholen.h"
#include "ui/vokabeltabelle.h"
#include "ui_hilfe.h"

#include <QAbstractBarSeries>
#include <QAction>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

using namespace lexovita;
using namespace lexovita::testhilfe;

namespace {

// Calls `f` with the modal window of type T as soon as it is open.
template <class T> void WennOffen(QObject *kontext, std::function<void(T *)> f)
{
    auto *timer = new QTimer(kontext);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, kontext, [timer, f] {
        if (auto *w = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            f(w);
        }
    });
    timer->start();
}

QString Datum(const QDate &d)
{
    return d.toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace

class TestWiederholen : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TUmgebung> m_u;
    TfrmHaupt *m_fenster = nullptr;
    const QDate m_tag1{2026, 3, 2};
    TFesteUhr m_uhr{QDateTime(QDate(2026, 3, 2), QTime(16, 0))};

    struct TSitzung {
        QString faellig, neu, hinweis;
        bool startbar = false;
        QStringList fragen;          // headwords in the order asked
        QStringList zusammenfassung; // every entry with its next review
    };

    // Opens the repetition; with `starten` runs the session answering the
    // questions at the places in `falsch` wrongly, the others with the
    // entry's first meaning.
    TSitzung Wiederholen(bool starten, const QList<int> &falsch = {})
    {
        TSitzung s;
        WennOffen<TfrmWiederholen>(this, [&, starten](TfrmWiederholen *start) {
            s.faellig = start->lblFaellig->text();
            s.neu = start->lblNeu->text();
            s.hinweis = start->lblHinweis->text();
            s.startbar = start->btnStarten->isEnabled();
            Bild(start, QStringLiteral("wiederholen_start.png"));
            if (!starten || !s.startbar) {
                start->reject();
                return;
            }
            WennOffen<TfrmAbfrage>(this, [&](TfrmAbfrage *f) {
                // done(), not reject(): a drill stopped early shows its summary first.
                const std::unique_ptr<QDialog, void (*)(QDialog *)> zu(f, [](QDialog *d) {
                    if (d->isVisible())
                        d->done(QDialog::Rejected);
                });
                for (int i = 0; f->GetZustand() == TfrmAbfrage::Frage && i < 50; ++i) {
                    const TVokabel *v = f->Test().AktuelleVokabel();
                    QVERIFY(v && !v->bedeutungen.empty());
                    s.fragen << v->vokabel;
                    QTest::keyClicks(f->edtAntwort,
                                     falsch.contains(i) ? QStringLiteral("xyz") : v->bedeutungen.front()->bedeutung);
                    Enter(f);
                    Enter(f);
                }
                QCOMPARE(f->GetZustand(), TfrmAbfrage::Fertig);
                f->spnFalsch->setValue(0);
                s.zusammenfassung = Zeilen(f->lvwFalsch);
                Bild(f, QStringLiteral("wiederholen_fertig.png"));
            });
            QTest::mouseClick(start->btnStarten, Qt::LeftButton);
        });
        m_fenster->Aktion(QStringLiteral("actFaelligeWiederholen"))->trigger();
        return s;
    }

    int Verlaufszeilen()
    {
        TAnweisung a = m_u->dm->Verbindung().Anweisung("SELECT count(*) FROM lernverlauf");
        return a.Schritt() ? a.Int(0) : -1;
    }

  private slots:
    void init()
    {
        m_u = std::make_unique<TUmgebung>(/*grundwortschatz=*/true);
        m_uhr.Setzen(QDateTime(m_tag1, QTime(16, 0)));
        QVERIFY(m_u->Oeffnen(&m_uhr));
        m_fenster = m_u->fenster.get();
        m_u->config->vlStammformen = false;
        m_u->config->lrNeueProTag = 4;
    }
    void cleanup() { m_u.reset(); }

    // Day 1 brings four new entries, two answered wrongly; day 2 asks only
    // those two again plus four new ones; day 3 only the one missed on day 2;
    // on day 4 the oldest is asked first.
    void aSessionOverSeveralDaysAsksWhatIsDue()
    {
        QVERIFY(m_fenster->Aktion(QStringLiteral("actFaelligeWiederholen"))->isEnabled());
        const TSitzung tag1 = Wiederholen(true, {2, 3});
        QCOMPARE(tag1.faellig, QStringLiteral("0"));
        QCOMPARE(tag1.neu, QStringLiteral("4"));
        QCOMPARE(tag1.fragen.size(), 4);
        // Right and new: 3.17 days of stability, three days on; wrong: tomorrow.
        const QString in3 = Datum(m_tag1.addDays(3)), morgen = Datum(m_tag1.addDays(1));
        QCOMPARE(tag1.zusammenfassung,
                 (QStringList{tag1.fragen[0] + "|1|1|0|" + in3, tag1.fragen[1] + "|1|1|0|" + in3,
                              tag1.fragen[2] + "|1|0|1|" + morgen, tag1.fragen[3] + "|1|0|1|" + morgen}));
        QCOMPARE(Verlaufszeilen(), 4);

        // The same day again: nothing due, the limit of new entries reached.
        const TSitzung nochmal = Wiederholen(true);
        QCOMPARE(nochmal.faellig, QStringLiteral("0"));
        QCOMPARE(nochmal.neu, QStringLiteral("0"));
        QVERIFY(!nochmal.startbar);
        QVERIFY(nochmal.hinweis.startsWith(QStringLiteral("Heute ist nichts zu wiederholen")));

        m_uhr.Vorstellen(24 * 3600);
        const TSitzung tag2 = Wiederholen(true, {2});
        QCOMPARE(tag2.faellig, QStringLiteral("2"));
        QCOMPARE(tag2.neu, QStringLiteral("4"));
        QCOMPARE(tag2.fragen.size(), 6);
        QCOMPARE(tag2.fragen.mid(0, 2), tag1.fragen.mid(2, 2));
        for (const QString &f : tag2.fragen.mid(2))
            QVERIFY2(!tag1.fragen.contains(f), qPrintable(f));
        // Wrong yesterday, right today: R(1 day, 0.40) = 0.79, stability 2.27 -> two days.
        QCOMPARE(tag2.zusammenfassung.at(0), tag1.fragen[2] + "|1|1|0|" + Datum(m_tag1.addDays(3)));
        QCOMPARE(tag2.zusammenfassung.at(2), tag2.fragen[2] + "|1|0|1|" + Datum(m_tag1.addDays(2)));
        QCOMPARE(Verlaufszeilen(), 10);

        m_uhr.Vorstellen(24 * 3600);
        const TSitzung tag3 = Wiederholen(false);
        QCOMPARE(tag3.faellig, QStringLiteral("1"));
        QCOMPARE(tag3.neu, QStringLiteral("4"));

        m_uhr.Vorstellen(24 * 3600);
        m_u->config->lrNeueProTag = 0;
        const TSitzung tag4 = Wiederholen(true);
        QCOMPARE(tag4.faellig, QStringLiteral("5"));
        QCOMPARE(tag4.neu, QStringLiteral("0"));
        QCOMPARE(tag4.fragen.size(), 5);
        QCOMPARE(tag4.fragen.first(), tag2.fragen[2]); // overdue since day 3
        QCOMPARE(Verlaufszeilen(), 15);
    }

    // The lesson drill records its answers while the setting is on: wrong,
    // then right in the same run counts as "hard" (stability 0.40255 ·
    // e^(0.51655 · (2 - 3 + 0.6621)) = 0.3381 days instead of 0.5667 for
    // "good"); with the setting off nothing is stored.
    void theWrittenDrillRecordsItsAnswersWhileTheSettingIsOn()
    {
        m_fenster->edtVokabel->clear();
        QTest::keyClicks(m_fenster->edtVokabel, QStringLiteral("populus"));
        QTest::keyClick(m_fenster->edtVokabel, Qt::Key_Return);
        QCOMPARE(m_fenster->lvwVokabeln->Anzahl(), 1);
        auto abfragen = [this](const QStringList &antworten) {
            WennOffen<TfrmAbfrage>(this, [antworten](TfrmAbfrage *f) {
                for (const QString &a : antworten) {
                    QTest::keyClicks(f->edtAntwort,
                                     a.isEmpty() ? f->Test().AktuelleVokabel()->bedeutungen.front()->bedeutung : a);
                    Enter(f);
                    Enter(f);
                }
                f->done(QDialog::Rejected); // stopped mid-drill: no summary wanted here
            });
            m_fenster->Aktion(QStringLiteral("actVokabelnSchriftlich"))->trigger();
        };
        m_u->config->vlsMischen = true;
        m_u->config->vlsFalscheMehrfach = true;
        m_u->config->vlsFalscheAnzahl = 1;
        abfragen({QStringLiteral("xyz"), QString()});
        QCOMPARE(Verlaufszeilen(), 2);
        TAnweisung a = m_u->dm->Verbindung().Anweisung(
            "SELECT g.stabilitaet, g.faellig, g.wiederholungen, g.richtige FROM gedaechtnis g "
            "JOIN vokabel v ON v.id = g.vokabel_id WHERE v.vokabel = 'populus' AND g.richtung = 1");
        QVERIFY(a.Schritt());
        QVERIFY(qAbs(a.Double(0) - 0.33808) < 5e-5);
        QCOMPARE(a.Text(1), QStringLiteral("20260303"));
        QCOMPARE(a.Int(2), 2);
        QCOMPARE(a.Int(3), 1);

        m_u->config->lrAufzeichnen = false;
        abfragen({QStringLiteral("xyz")});
        QCOMPARE(Verlaufszeilen(), 2);
    }

    void theStartWindowPlansPerTextbook()
    {
        QString faelligAlle, neuAlle, neuBuch, alle;
        int buecher = 0;
        WennOffen<TfrmWiederholen>(this, [&](TfrmWiederholen *start) {
            alle = start->cmbLehrbuch->itemText(0);
            faelligAlle = start->lblFaellig->text();
            neuAlle = start->lblNeu->text();
            buecher = start->cmbLehrbuch->count();
            start->cmbLehrbuch->setCurrentIndex(1);
            neuBuch = start->lblNeu->text();
            start->reject();
        });
        m_fenster->Aktion(QStringLiteral("actFaelligeWiederholen"))->trigger();
        QCOMPARE(alle, QStringLiteral("Alle Lehrbücher")); // what "Lehrbuch:" offers
        QCOMPARE(faelligAlle, QStringLiteral("0"));
        QCOMPARE(neuAlle, QStringLiteral("4"));
        QVERIFY(buecher >= 2);
        QCOMPARE(neuBuch, QStringLiteral("4"));
    }

    // No history: one sentence instead of empty axes. After a session: the
    // counts and a bar for each day and lesson.
    void theStatisticsSayWhenThereIsNothingAndShowTheSessionAfterwards()
    {
        bool leerSichtbar = false, diagrammeVerborgen = false;
        WennOffen<TfrmLernstatistik>(this, [&](TfrmLernstatistik *s) {
            leerSichtbar = s->lblLeer->isVisible();
            diagrammeVerborgen = !s->chtVerlauf->isVisible() && !s->grpUeberblick->isVisible();
            Bild(s, QStringLiteral("lernstatistik_leer.png"));
            s->accept();
        });
        m_fenster->Aktion(QStringLiteral("actLernstatistik"))->trigger();
        QVERIFY(leerSichtbar);
        QVERIFY(diagrammeVerborgen);

        Wiederholen(true, {1});
        // Long names alike in their first letters: each bar keeps a readable,
        // distinct label of its own.
        {
            TAnweisung a = m_u->dm->Verbindung().Anweisung(
                "UPDATE lektion SET name = 'Ablativus absolutus und Participium coniunctum, Teil ' || id");
            a.Schritt();
        }
        QStringList zahlen, achse, beschriftung;
        int reihen = -1, balken = -1;
        WennOffen<TfrmLernstatistik>(this, [&](TfrmLernstatistik *s) {
            zahlen = {s->lblGelernt->text(), s->lblFaellig->text(), s->lblNeu->text(), s->lblTageInFolge->text()};
            reihen = int(s->chtVerlauf->chart()->series().size());
            QVERIFY(!s->lblLeer->isVisible());
            QChart *c = s->chtBehalten->chart();
            for (QAbstractAxis *a : c->axes(Qt::Vertical))
                if (auto *k = qobject_cast<QBarCategoryAxis *>(a))
                    achse = k->categories();
            if (auto *r = c->series().isEmpty() ? nullptr : qobject_cast<QAbstractBarSeries *>(c->series()[0]))
                balken = r->barSets().isEmpty() ? -1 : int(r->barSets()[0]->count());
            // The labels as drawn: German numbers, and every axis labelled.
            for (QChartView *v : {s->chtBehalten, s->chtVerlauf})
                for (QGraphicsItem *i : v->scene()->items())
                    if (auto *t = dynamic_cast<QGraphicsTextItem *>(i); t && !t->toPlainText().isEmpty())
                        beschriftung << t->toPlainText();
            Bild(s, QStringLiteral("lernstatistik.png"));
            s->accept();
        });
        m_fenster->Aktion(QStringLiteral("actLernstatistik"))->trigger();
        QCOMPARE(zahlen.mid(0, 2), (QStringList{"4", "0"}));
        QVERIFY(zahlen[2].toInt() > 1000); // the rest of the starter textbook
        QCOMPARE(zahlen[3], QStringLiteral("1"));
        QCOMPARE(reihen, 1);
        for (const char *t : {"0 %", "20 %", "100 %", "0", "4"})
            QVERIFY2(beschriftung.contains(QString::fromLatin1(t)), qPrintable(beschriftung.join(QLatin1Char('|'))));
        const QRegularExpression anteil(QStringLiteral("^\\d+(,\\d+)? %$"));
        QVERIFY2(std::any_of(beschriftung.begin(), beschriftung.end(),
                             [&](const QString &t) { return anteil.match(t).hasMatch() && t != QLatin1String("0 %"); }),
                 qPrintable(beschriftung.join(QLatin1Char('|'))));
        QVERIFY(!achse.isEmpty());
        QCOMPARE(balken, int(achse.size()));
        QCOMPARE(int(QSet<QString>(achse.begin(), achse.end()).size()), int(achse.size()));
        // Start and end of the name, its middle cut.
        const QRegularExpression form(QStringLiteral("^Ablativus abso….*Teil \\d+$"));
        for (const QString &name : achse)
            QVERIFY2(form.match(name).hasMatch() && name.size() <= 24, qPrintable(name));
    }
};

QTEST_MAIN(TestWiederholen)
#include "test_wiederholen.moc"
