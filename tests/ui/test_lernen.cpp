// Widget tests of the drills, run from the main window on a small lesson in
// a temporary database with a fixed random source.
#include "model/lektion.h"
#include "model/uhr.h"
#include "store/lektionsspeicher.h"
#include "store/vokabelspeicher.h"
#include "ui/frmabfrage.h"
#include "ui/frmhaupt.h"
#include "ui/frmnumerale.h"
#include "ui/hilfe.h"
#include "ui/punktestand.h"
#include "ui/vokabeltabelle.h"
#include "ui_hilfe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

#include <functional>

using namespace lexovita;
using namespace lexovita::testhilfe;

namespace {

// The Alt letters of a caption, lowered; "&&" is a plain ampersand.
QList<QChar> Kuerzel(const QString &text)
{
    QList<QChar> k;
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&'))
                k << text[i + 1].toLower();
            ++i;
        }
    return k;
}

// Visible captions of `fenster` that share an Alt letter: labels that lead to
// a field, and buttons.
QStringList DoppelteKuerzel(const QWidget *fenster)
{
    QHash<QChar, QString> belegt;
    QStringList doppelt;
    const auto pruefen = [&](const QString &text) {
        for (QChar k : Kuerzel(text)) {
            if (belegt.contains(k))
                doppelt << belegt.value(k) + QStringLiteral(" / ") + text;
            belegt.insert(k, text);
        }
    };
    for (const QLabel *l : fenster->findChildren<QLabel *>())
        if (l->isVisible() && l->buddy())
            pruefen(l->text());
    for (const QAbstractButton *b : fenster->findChildren<QAbstractButton *>())
        if (b->isVisible())
            pruefen(b->text());
    return doppelt;
}

// Closes a drill window left open by a failed check; reject() would only
// show the summary of the answers so far.
void SchliessenWennOffen(QDialog *d)
{
    if (d->isVisible())
        d->done(QDialog::Rejected);
}

// The names of the pictures a rich-text document shows.
QStringList Bilder(const QTextDocument *dok)
{
    QStringList namen;
    for (QTextBlock b = dok->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                namen << it.fragment().charFormat().toImageFormat().name();
    return namen;
}

} // namespace

class TestLernen : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TUmgebung> m_u;
    TDatenmanager *m_dm = nullptr;
    TfrmHaupt *m_fenster = nullptr;
    TFesterZufall m_zufall{5};

  private slots:
    void init()
    {
        m_u = std::make_unique<TUmgebung>();
        m_dm = m_u->dm.get();
        m_u->Speichern(QStringLiteral("amare"), WA_VERB, QStringLiteral("lieben"),
                       {QStringLiteral("amo"), QStringLiteral("amavi")});
        m_u->Speichern(QStringLiteral("amicus"), WA_SUBSTANTIV, QStringLiteral("Freund"),
                       {QStringLiteral("amici"), QStringLiteral("m")});
        m_u->Speichern(QStringLiteral("bonus"), WA_ADJEKTIV, QStringLiteral("gut"));
        QVERIFY(m_u->Oeffnen(nullptr, &m_zufall));
        m_fenster = m_u->fenster.get();
    }
    void cleanup() { m_u.reset(); }

    void theDrillActionsNeedAnEntryInTheLesson()
    {
        for (const char *name :
             {"actVokabelnSchriftlich", "actVokabelnMuendlich", "actFormenBilden", "actFormenBestimmen"})
            QVERIFY2(!m_fenster->Aktion(QString::fromLatin1(name))->isEnabled(), name);
        m_u->Hinzufuegen(QStringLiteral("bonu"));
        for (const char *name :
             {"actVokabelnSchriftlich", "actVokabelnMuendlich", "actFormenBilden", "actFormenBestimmen"})
            QVERIFY2(m_fenster->Aktion(QString::fromLatin1(name))->isEnabled(), name);
    }

    // Alt letters: every entry of every main-window menu has exactly one, none
    // shared within its menu; in the written drill no two visible captions share
    // one, whichever entry is asked.
    void everyMenuEntryAndEveryDrillCaptionHasItsOwnAltLetter()
    {
        QStringList fehler;
        const std::function<void(const QMenu *)> menue = [&](const QMenu *m) {
            QHash<QChar, QString> belegt;
            for (QAction *a : m->actions()) {
                if (a->isSeparator() || a->text().isEmpty())
                    continue;
                const QList<QChar> k = Kuerzel(a->text());
                if (k.size() != 1)
                    fehler << m->title() + QStringLiteral(": ohne genau ein Kürzel: ") + a->text();
                else if (belegt.contains(k[0]))
                    fehler << m->title() + QStringLiteral(": ") + belegt.value(k[0]) + QStringLiteral(" / ") +
                                  a->text();
                else
                    belegt.insert(k[0], a->text());
                if (a->menu())
                    menue(a->menu());
            }
        };
        int menues = 0;
        for (QAction *m : m_fenster->menuBar()->actions())
            if (m->menu()) {
                ++menues;
                menue(m->menu());
            }
        QCOMPARE(menues, 6);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));

        // A verb (two person forms), a noun (case and gender), an adjective of
        // three endings (two nominatives) and one with no forms.
        m_u->Speichern(QStringLiteral("celer"), WA_ADJEKTIV, QStringLiteral("schnell"),
                       {QStringLiteral("celer"), QStringLiteral("celeris")});
        for (const char *w : {"amar", "amic", "cele", "bonu"})
            m_u->Hinzufuegen(QString::fromLatin1(w));
        QCOMPARE(m_fenster->lvwVokabeln->Anzahl(), 4);
        m_u->config->vlsMischen = false;
        m_u->config->vlsAnfang = false;
        m_u->config->vlStammformen = true;
        m_u->config->vlPraesens = true;
        m_u->config->vlPerfekt = true;
        QStringList zustaende;
        QTimer::singleShot(0, this, [&] {
            auto *f = qobject_cast<TfrmAbfrage *>(QApplication::activeModalWidget());
            QVERIFY(f);
            const std::unique_ptr<QDialog, void (*)(QDialog *)> zu(f, SchliessenWennOffen);
            for (int schritt = 0; schritt < 12 && f->GetZustand() != TfrmAbfrage::Fertig; ++schritt) {
                QStringList felder;
                for (QLineEdit *e : {f->edtForm1, f->edtForm2, f->edtForm3})
                    if (e->isVisible())
                        felder << e->accessibleName();
                zustaende << f->lblFrage->text() + QLatin1Char('|') + felder.join(QLatin1Char(','));
                fehler << DoppelteKuerzel(f);
                if (schritt == 0)
                    Bild(f, QStringLiteral("abfrage_verb.png"));
                f->btnWeiter->click();
            }
            QCOMPARE(f->GetZustand(), TfrmAbfrage::Fertig);
            fehler << DoppelteKuerzel(f);
        });
        m_fenster->Aktion(QStringLiteral("actVokabelnSchriftlich"))->trigger();
        // Every kind of entry was asked with its fields, and seen solved.
        QCOMPARE(zustaende.size(), 8);
        QCOMPARE(zustaende[0],
                 QStringLiteral("amare?|1. Prs. Präsens Aktiv Indikativ,1. Prs. Perfekt Aktiv Indikativ"));
        QCOMPARE(zustaende[4], QStringLiteral("celer?|Nominativ Sg. maskulinum,Nominativ Sg. femininum"));
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
    }

    // In lesson order without restart: right, wrong (with principal parts),
    // right; the drill ends after the last entry with the wrong one listed.
    void aWrittenDrillTypedThroughEndsWithTheScoreAndTheWrongEntries()
    {
        for (const char *w : {"amar", "amic", "bonu"})
            m_u->Hinzufuegen(QString::fromLatin1(w));
        m_u->config->vlsMischen = false;
        m_u->config->vlsAnfang = false;
        m_u->config->vlStammformen = true;
        m_u->config->vlsSchnellkorrektur = true;
        QStringList fragen, ergebnisse, loesung, zusammenfassung, alle;
        QString insgesamt, richtig, falsch, schriftfarbe, hinweis;
        int balkenRichtig = -1, balkenFalsch = -1;
        bool listeLeer = false, weiterVerborgen = false;
        QString gespeichert;
        TLektionsSpeicher speicher(*m_dm);
        const int32_t buch = speicher.LehrbuchAnlegen(QStringLiteral("Wiederholung"));
        QTimer::singleShot(0, this, [&] {
            auto *f = qobject_cast<TfrmAbfrage *>(QApplication::activeModalWidget());
            QVERIFY(f);
            // A failed check must not leave the modal window open.
            const std::unique_ptr<QDialog, void (*)(QDialog *)> zu(f, SchliessenWennOffen);
            listeLeer = m_fenster->lvwVokabeln->Anzahl() == 0;
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
                    hinweis = f->lblEingegeben->isVisible() ? f->lblEingegeben->text() : QString();
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
            Ankreuzen(f->lvwFalsch, 1);
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
        QCOMPARE(m_fenster->lvwVokabeln->Anzahl(), 3);
        QCOMPARE(fragen, (QStringList{"amare?", "amicus?", "bonus?"}));
        QCOMPARE(schriftfarbe, QStringLiteral("grg")); // case and "!" do not count, "Feind" begins no meaning
        QCOMPARE(ergebnisse,
                 (QStringList{"Die Antwort ist richtig!", "Die Antwort ist falsch!", "Die Antwort ist richtig!"}));
        QCOMPARE(loesung, (QStringList{"✘ falsch|Feind", "✘ falsch|amicus", "✘ falsch|(leer)"}));
        // The Genitiv Sg. was asked; the case field held another form of the noun.
        QCOMPARE(hinweis, QStringLiteral("Du hast den Nominativ Sg. eingegeben."));
        QVERIFY(weiterVerborgen);
        QCOMPARE(insgesamt, QStringLiteral("3"));
        QCOMPARE(richtig, QStringLiteral("67 %"));
        QCOMPARE(falsch, QStringLiteral("33 %"));
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

    // A wrong perfect: the solution shows it as typed (no "." added) beside
    // the entry page with its memory aid's flag, and the score counts it at
    // once. "Abbrechen" then shows the answers so far; its button now reads
    // "Schließen" and closes. Without an answer "Abbrechen" closes at once.
    void theSolutionShowsTheInputAndStoppingEarlyShowsTheAnswersSoFar()
    {
        TVokabel videre;
        videre.vokabel = QStringLiteral("videre");
        videre.form1 = QStringLiteral("video");
        videre.form2 = QStringLiteral("vidi");
        videre.form3 = QStringLiteral("visum");
        videre.SetWortart(WA_VERB);
        videre.SetKonjDekl(KD_E);
        videre.BedeutungAnhaengen(QStringLiteral("sehen"), {}, 1);
        videre.MerkhilfeHinzufuegen(QStringLiteral("video"), SPR_ENGLISCH);
        TVokabelSpeicher(*m_dm).Speichern(videre);
        for (const char *w : {"vide", "amar"})
            m_u->Hinzufuegen(QString::fromLatin1(w));
        m_u->config->vlsMischen = false;
        m_u->config->vlsAnfang = false;
        QStringList loesung, bilder, zusammenfassung;
        QString insgesamt, falsch, titel, knopf;
        bool bilderGeladen = true, offenNachAbbrechen = false, zuNachSchliessen = false;
        QVERIFY(
            ImModalen<TfrmAbfrage>(m_fenster->Aktion(QStringLiteral("actVokabelnSchriftlich")), [&](TfrmAbfrage *f) {
                const std::unique_ptr<QDialog, void (*)(QDialog *)> zu(f, SchliessenWennOffen);
                f->edtAntwort->setText(QStringLiteral("sehen"));
                f->edtForm1->setText(QStringLiteral("video"));
                f->edtForm2->setText(QStringLiteral("vidit"));
                f->edtForm3->setText(QStringLiteral("visus"));
                f->btnWeiter->click();
                QCOMPARE(f->GetZustand(), TfrmAbfrage::Loesung);
                loesung = Zeilen(f->lvwAntworten);
                insgesamt = f->pnlErgebnis->lblInsgesamt->text();
                falsch = f->pnlErgebnis->lblFalsch->text();
                bilder = Bilder(f->txtVokabel->document());
                for (const QString &b : bilder)
                    bilderGeladen =
                        bilderGeladen &&
                        f->txtVokabel->document()->resource(QTextDocument::ImageResource, QUrl(b)).isValid();
                Bild(f, QStringLiteral("abfrage_loesung_merkhilfe.png"));
                f->btnAbbrechen->click();
                offenNachAbbrechen = f->isVisible() && f->GetZustand() == TfrmAbfrage::Fertig;
                titel = f->grpZusammenfassung->title();
                knopf = f->btnAbbrechen->text();
                f->spnFalsch->setValue(0);
                zusammenfassung = Zeilen(f->lvwFalsch);
                Bild(f, QStringLiteral("abfrage_abgebrochen.png"));
                f->btnAbbrechen->click();
                zuNachSchliessen = !f->isVisible();
            }));
        QCOMPARE(loesung, (QStringList{"✔ richtig|sehen", "✔ richtig|video", "✘ falsch|vidit", "✔ richtig|visus"}));
        QCOMPARE(insgesamt, QStringLiteral("1"));
        QCOMPARE(falsch, QStringLiteral("100 %"));
        QCOMPARE(bilder.size(), 1);
        QVERIFY2(bilder[0].endsWith(QStringLiteral("amerika.bmp")), qPrintable(bilder[0]));
        QVERIFY(bilderGeladen);
        QVERIFY(offenNachAbbrechen);
        QCOMPARE(titel, QStringLiteral("Abfrage abgebrochen: bisherige Antworten"));
        QCOMPARE(knopf, QStringLiteral("S&chließen"));
        // Only what was asked: amare never came.
        QCOMPARE(zusammenfassung, (QStringList{"videre|1|0|1", "amare|0|0|0"}));
        QVERIFY(zuNachSchliessen);

        bool sofortZu = false;
        QVERIFY(
            ImModalen<TfrmAbfrage>(m_fenster->Aktion(QStringLiteral("actVokabelnSchriftlich")), [&](TfrmAbfrage *f) {
                const std::unique_ptr<QDialog, void (*)(QDialog *)> zu(f, SchliessenWennOffen);
                QTest::keyClick(f->edtAntwort, Qt::Key_Escape);
                sofortZu = !f->isVisible();
            }));
        QVERIFY(sofortZu);
    }

    // The colour while typing and the verdict after "Weiter" agree, also
    // where a copy of the comparison in the window used to differ.
    void theLiveColourAgreesWithTheVerdict()
    {
        m_u->Speichern(QStringLiteral("jam"), WA_ADVERB, QStringLiteral("schon"));
        m_u->Hinzufuegen(QStringLiteral("jam"));
        m_u->config->vlsSchnellkorrektur = true;
        m_u->config->vlStammformen = false;
        const struct {
            int richtung;
            bool gross;
            const char *getippt;
            bool richtig;
        } faelle[] = {
            {2, false, "iam", true},    {2, false, "jām", true},   {2, false, "Jam", true},  {2, true, "Jam", false},
            {1, false, "Schon!", true}, {1, true, "Schon", false}, {1, true, "schon", true}, {2, false, "jan", false},
        };
        QStringList abweichend;
        for (const auto &f : faelle) {
            m_u->config->vlRichtung = f.richtung;
            m_u->config->vlCase = f.gross;
            bool gruen = false, richtig = false;
            QVERIFY(ImModalen<TfrmAbfrage>(
                m_fenster->Aktion(QStringLiteral("actVokabelnSchriftlich")), [&](TfrmAbfrage *a) {
                    const std::unique_ptr<QDialog, void (*)(QDialog *)> zu(a, SchliessenWennOffen);
                    a->edtAntwort->setText(QString::fromUtf8(f.getippt));
                    gruen = a->edtAntwort->palette().color(QPalette::Text) == QColor(0, 128, 0);
                    a->btnWeiter->click();
                    richtig = a->GetZustand() == TfrmAbfrage::Richtig;
                }));
            if (gruen != f.richtig || richtig != f.richtig)
                abweichend << QStringLiteral("%1 (Richtung %2, Groß/klein %3): grün %4, richtig %5")
                                  .arg(QString::fromUtf8(f.getippt))
                                  .arg(f.richtung)
                                  .arg(f.gross)
                                  .arg(gruen)
                                  .arg(richtig);
        }
        QVERIFY2(abweichend.isEmpty(), qPrintable(abweichend.join(QLatin1Char('\n'))));
    }

    // F1 presses the help of the window it is pressed in; the help window
    // goes back and forward and closes with its own button.
    void f1OpensTheHelpPageOfTheCurrentWindow()
    {
        HilfeTasteEinrichten(*qApp);
        m_u->Hinzufuegen(QStringLiteral("amar"));
        QString imDrill;
        QVERIFY(
            ImModalen<TfrmAbfrage>(m_fenster->Aktion(QStringLiteral("actVokabelnSchriftlich")), [&](TfrmAbfrage *f) {
                const std::unique_ptr<QDialog, void (*)(QDialog *)> zu(f, SchliessenWennOffen);
                QTest::keyClick(f->edtAntwort, Qt::Key_F1);
                if (QDialog *h = Hilfefenster())
                    imDrill = h->findChild<QTextBrowser *>()->source().fileName();
            }));
        QCOMPARE(imDrill, QStringLiteral("1037.htm"));

        TfrmNumerale numerale(m_fenster);
        numerale.show();
        QTest::keyClick(numerale.edtEingabe, Qt::Key_F1);
        QDialog *h = Hilfefenster();
        QVERIFY(h && h->isVisible());
        auto *seite = h->findChild<QTextBrowser *>();
        auto *zurueck = h->findChild<QPushButton *>(QStringLiteral("btnZurueck"));
        auto *vor = h->findChild<QPushButton *>(QStringLiteral("btnVor"));
        QCOMPARE(seite->source().fileName(), QStringLiteral("1040.htm"));
        h->findChild<QPushButton *>(QStringLiteral("btnInhalt"))->click();
        QCOMPARE(seite->source().fileName(), QStringLiteral("index.htm"));
        QVERIFY(zurueck->isEnabled() && !vor->isEnabled());
        zurueck->click();
        QCOMPARE(seite->source().fileName(), QStringLiteral("1040.htm"));
        QVERIFY(vor->isEnabled());
        vor->click();
        QCOMPARE(seite->source().fileName(), QStringLiteral("index.htm"));
        Bild(h, QStringLiteral("hilfe.png"));
        QPointer<QDialog> offen(h);
        h->findChild<QPushButton *>(QStringLiteral("btnSchliessen"))->click();
        QVERIFY(offen.isNull() || !offen->isVisible());

        // The main window has no help button of its own: the overview.
        QTest::keyClick(m_fenster->edtVokabel, Qt::Key_F1);
        QVERIFY(Hilfefenster());
        QCOMPARE(Hilfefenster()->findChild<QTextBrowser *>()->source().fileName(), QStringLiteral("1016.htm"));
        Hilfefenster()->close();
    }
};

QTEST_MAIN(TestLernen)
#include "test_lernen.moc"
