// Widget test of the oral drill, run from the main window on a small lesson
// in a temporary database with a fixed random source.
#include "model/uhr.h"
#include "store/vokabelspeicher.h"
#include "ui/frmhaupt.h"
#include "ui/frmmuendlich.h"
#include "ui/vokabeltabelle.h"
#include "ui_hilfe.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace lexovita;
using namespace lexovita::testhilfe;

// Long enough to wrap in its column.
const QString kLieben = QStringLiteral("lieben, gern haben, verliebt sein in, Gefallen finden an, sich freuen über");

class TestMuendlich : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TUmgebung> m_u;
    std::unique_ptr<TFesterZufall> m_zufall;

    void Speichern(const QString &wort, int32_t wortart, const QString &bedeutung, const QString &form1 = {},
                   const QString &form2 = {})
    {
        TVokabel v;
        v.vokabel = wort;
        v.form1 = form1;
        v.form2 = form2;
        v.SetWortart(wortart);
        v.BedeutungAnhaengen(bedeutung, {}, 1);
        TVokabelSpeicher(*m_u->dm).Speichern(v);
    }

  private slots:
    void init()
    {
        m_u = std::make_unique<TUmgebung>();
        m_zufall = std::make_unique<TFesterZufall>(5);
        Speichern(QStringLiteral("amare"), WA_VERB, kLieben, QStringLiteral("amo"), QStringLiteral("amavi"));
        Speichern(QStringLiteral("amicus"), WA_SUBSTANTIV, QStringLiteral("Freund"), QStringLiteral("amici"),
                  QStringLiteral("m"));
        Speichern(QStringLiteral("bonus"), WA_ADJEKTIV, QStringLiteral("gut"));
        QVERIFY(m_u->Oeffnen(nullptr, m_zufall.get()));
    }
    void cleanup()
    {
        m_u.reset();
        m_zufall.reset();
    }

    // Every key of the drill from the first row to the end and back: what
    // the list shows (an open question in bold), the progress line and
    // which step is offered.
    void theOralDrillRevealsAndHidesRowByRow()
    {
        TfrmHaupt *haupt = m_u->fenster.get();
        QAction *aktion = haupt->Aktion(QStringLiteral("actVokabelnMuendlich"));
        QVERIFY(!aktion->isEnabled());
        for (const char *w : {"amar", "amic", "bonu"}) {
            haupt->edtVokabel->clear();
            QTest::keyClicks(haupt->edtVokabel, QString::fromLatin1(w));
            QTest::keyClick(haupt->edtVokabel, Qt::Key_Return);
        }
        QVERIFY(aktion->isEnabled());
        m_u->config->vlmStammformen = true;

        QStringList schritte;
        bool listeLeer = false;
        QTimer::singleShot(0, this, [&] {
            auto *f = qobject_cast<TfrmMuendlich *>(QApplication::activeModalWidget());
            QVERIFY(f);
            const std::unique_ptr<QDialog, void (*)(QDialog *)> zu(f, [](QDialog *d) { d->reject(); });
            listeLeer = haupt->lvwVokabeln->Anzahl() == 0;
            QCOMPARE(f->focusWidget(), f->tblVokabeln);
            // "frage|antwort" per row, "*" before an open question; then the
            // progress line and the steps offered (N next, V back).
            auto stand = [f] {
                QStringList s;
                for (int r = 0; r < f->tblVokabeln->rowCount(); ++r) {
                    const QTableWidgetItem *frage = f->tblVokabeln->item(r, 0);
                    s << (frage->font().bold() ? QStringLiteral("*") : QString()) + frage->text() + QLatin1Char('|') +
                             f->tblVokabeln->item(r, 1)->text();
                }
                s << f->lblFortschritt->text() + QLatin1Char(' ') +
                         (f->actNaechste->isEnabled() ? QStringLiteral("N") : QString()) +
                         (f->actVorherige->isEnabled() ? QStringLiteral("V") : QString());
                return s.join(QStringLiteral(" / "));
            };
            schritte << stand();
            Bild(f, QStringLiteral("muendlich_frage.png"));
            for (Qt::Key taste : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Return, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down,
                                  Qt::Key_Down, Qt::Key_Up}) {
                QTest::keyClick(f->tblVokabeln, taste);
                schritte << stand();
                if (schritte.size() == 8)
                    Bild(f, QStringLiteral("muendlich_aufgedeckt.png"));
            }
            f->actVorherige->trigger(); // the tool bar's button
            schritte << stand();
        });
        aktion->trigger();
        QVERIFY(listeLeer);
        QCOMPARE(haupt->lvwVokabeln->Anzahl(), 3);
        const QString a = QStringLiteral("amare (amo, amavi)|") + kLieben, b = QStringLiteral("bonus|gut"),
                      c = QStringLiteral("amicus (amici, m.)|Freund");
        auto offen = [](const QString &zeile) { return QLatin1Char('*') + zeile.section('|', 0, 0) + "|?"; };
        const QStringList erwartet{
            offen(b) + " / Vokabel 1 von 3 N",
            offen(b) + " / Vokabel 1 von 3 N", // back on the first row: nothing
            b + " / " + offen(a) + " / Vokabel 2 von 3 NV",
            b + " / " + a + " / " + offen(c) + " / Vokabel 3 von 3 NV",
            b + " / " + offen(a) + " / Vokabel 2 von 3 NV",             // the open row goes
            b + " / " + a + " / " + offen(c) + " / Vokabel 3 von 3 NV", // the same entry again
            b + " / " + a + " / " + c + " / Vokabel 3 von 3 V",         // all revealed
            b + " / " + a + " / " + c + " / Vokabel 3 von 3 V",         // nothing more
            b + " / " + a + " / " + offen(c) + " / Vokabel 3 von 3 NV", // hidden, not removed
            b + " / " + offen(a) + " / Vokabel 2 von 3 NV",
        };
        QCOMPARE(schritte, erwartet);
    }
};

QTEST_MAIN(TestMuendlich)
#include "test_muendlich.moc"
