// The written drill on every lesson of both starter textbooks, answered as a
// pupil who knows the textbook: the stored meaning and principal parts typed
// in. Every drill must end with all answers right.
#include "learning/vokabeltest.h"
#include "model/lektion.h"
#include "model/uhr.h"
#include "model/vokabel.h"
#include "store/lektionsspeicher.h"
#include "ui/frmabfrage.h"
#include "ui/frmhaupt.h"
#include "ui/punktestand.h"
#include "ui_hilfe.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace lexovita;
using namespace lexovita::testhilfe;

namespace {

// Types the textbook's answers for the asked entry into the visible fields.
void GespeichertEingeben(TfrmAbfrage *f, const TVokabel &v)
{
    f->edtAntwort->setText(v.bedeutungen.empty() ? QString() : v.bedeutungen.front()->bedeutung);
    if (v.Wortart() == WA_SUBSTANTIV) {
        f->edtForm1->setText(v.form1);
        const QString g = v.form2;
        QRadioButton *wahl = g == QLatin1String("m")   ? f->optM
                             : g == QLatin1String("f") ? f->optF
                             : g == QLatin1String("n") ? f->optN
                             : g == QLatin1String("p") ? f->optMF
                                                       : nullptr;
        if (wahl)
            wahl->setChecked(true);
        return;
    }
    const QString formen[] = {v.form1, v.form2, v.form3};
    QLineEdit *felder[] = {f->edtForm1, f->edtForm2, f->edtForm3};
    for (int i = 0; i < 3; ++i)
        if (felder[i]->isVisibleTo(f))
            felder[i]->setText(formen[i]);
}

} // namespace

class TestAbfrageLehrbuecher : public QObject {
    Q_OBJECT

  private slots:
    void everyLessonOfBothStarterTextbooksEndsWithAllAnswersRight()
    {
        TUmgebung u(true);
        TFesterZufall zufall(3);
        QVERIFY(u.Oeffnen(nullptr, &zufall));
        TConfig &c = *u.config;
        c.vlStammformen = c.vlPraesens = c.vlPerfekt = c.vlPartizip = true;
        c.vlsSchnellkorrektur = true;
        TLektionsSpeicher speicher(*u.dm);
        QStringList fehler;
        int lektionen = 0, gefragt = 0;
        for (const char *buch : {"Grundwortschatz Latein", "Aufbauwortschatz Latein"}) {
            const int32_t buchId = speicher.LehrbuchSuchen(QString::fromLatin1(buch));
            QVERIFY2(buchId != 0, buch);
            for (const TLektionZeile &l : speicher.Lektionen(buchId)) {
                ++lektionen;
                u.fenster->Sitzung().GespeicherteOeffnen(l.id);
                const int anzahl = u.fenster->AktuelleLektion()->Anzahl();
                QString ende;
                const bool offen = ImModalen<TfrmAbfrage>(
                    u.fenster->Aktion(QStringLiteral("actVokabelnSchriftlich")), [&](TfrmAbfrage *f) {
                        for (int schritt = 0; schritt < 2 * anzahl && f->GetZustand() != TfrmAbfrage::Fertig;
                             ++schritt) {
                            const TVokabel &v = *f->Test().AktuelleVokabel();
                            GespeichertEingeben(f, v);
                            const QString wer = l.name + QStringLiteral(": ") + v.vokabel;
                            // The live colouring agrees with the verdict to come.
                            if (f->edtAntwort->palette().color(QPalette::Text) != QColor(0, 128, 0))
                                fehler << wer + QStringLiteral(" (rot eingefärbt)");
                            f->btnWeiter->click();
                            ++gefragt;
                            if (f->GetZustand() == TfrmAbfrage::Loesung)
                                fehler << wer + QStringLiteral(" falsch: ") +
                                              Zeilen(f->lvwAntworten).join(QLatin1Char(';'));
                            f->btnWeiter->click();
                        }
                        ende = f->GetZustand() == TfrmAbfrage::Fertig
                                   ? f->pnlErgebnis->lblRichtig->text() + QLatin1Char('/') +
                                         f->pnlErgebnis->lblInsgesamt->text()
                                   : QStringLiteral("nicht beendet");
                        // Unfinished, reject() would show the summary instead of closing.
                        f->done(QDialog::Rejected);
                    });
                QVERIFY2(offen, qPrintable(l.name));
                const QString erwartet = QStringLiteral("100 %/") + QString::number(anzahl);
                if (ende != erwartet)
                    fehler << l.name + QStringLiteral(": ") + ende + QStringLiteral(" statt ") + erwartet;
                u.fenster->Sitzung().Schliessen();
            }
        }
        QCOMPARE(lektionen, 60);
        QVERIFY(gefragt > 1500);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestAbfrageLehrbuecher)
#include "test_abfrage_lehrbuecher.moc"
