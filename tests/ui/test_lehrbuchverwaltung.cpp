// Widget tests of the textbook management window and the lesson properties
// window, on an in-memory database with scripted answers.
#include "app/lehrbuchmodelle.h"
#include "model/config.h"
#include "model/lektion.h"
#include "model/lektionsdatei.h"
#include "model/rueckfrage.h"
#include "store/datenmanager.h"
#include "store/lektionsspeicher.h"
#include "store/vokabelspeicher.h"
#include "ui/frmlehrbuchverwaltung.h"
#include "ui/frmlektionseigenschaften.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>

using namespace lexovita;

namespace {

class TSkript : public IRueckfrage {
  public:
    QList<Antwort> antworten;
    QStringList fragen;
    QStringList meldungen;
    QList<Symbol> symbole;

    Antwort Frage(const QString &, const QString &text, int, Antwort, Symbol symbol) override
    {
        fragen << text;
        symbole << symbol;
        return antworten.isEmpty() ? Antwort::Nein : antworten.takeFirst();
    }
    void Meldung(const QString &, const QString &text) override { meldungen << text; }
};

int32_t Eintrag(TDatenmanager &dm, IRueckfrage &r, const QString &wort, int32_t wortart, const QString &bedeutung)
{
    TVokabel v;
    v.vokabel = wort;
    v.SetWortart(wortart);
    v.BedeutungAnhaengen(bedeutung, {}, 1);
    TVokabelSpeicher(dm).Speichern(v);
    return v.id;
}

int Zahl(TDatenmanager &dm, const char *sql)
{
    TAnweisung a = dm.Verbindung().Anweisung(sql);
    return a.Schritt() ? a.Int(0) : -1;
}

QStringList Spalte(const QAbstractItemModel *m, int spalte)
{
    QStringList s;
    for (int r = 0; r < m->rowCount(); ++r)
        s << m->index(r, spalte).data().toString();
    return s;
}

QStringList Lehrbuecher(const QAbstractItemView *liste)
{
    return Spalte(liste->model(), 0);
}

// Every visible label and button is at least as wide as its text needs, the
// tool bar shows all of its tools, and the window fits a 1280x800 screen.
// With LEXOVITA_BILDER set the window is saved there as a picture.
void Pruefen(QWidget *fenster, const QString &name)
{
    QVERIFY(fenster->width() <= 1280 && fenster->height() <= 800);
    QVERIFY(fenster->minimumSizeHint().width() <= 1280 && fenster->minimumSizeHint().height() <= 800);
    for (QWidget *w : fenster->findChildren<QWidget *>()) {
        if (!w->isVisible() || !(qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w)))
            continue;
        QVERIFY2(w->width() >= w->minimumSizeHint().width(),
                 qPrintable(name + QStringLiteral(": ") + w->objectName() + QLatin1Char(' ') +
                            w->property("text").toString()));
    }
    for (QToolBar *t : fenster->findChildren<QToolBar *>())
        QVERIFY2(t->width() >= t->sizeHint().width(), qPrintable(name + QStringLiteral(": Werkzeugleiste")));
    const QString ordner = qEnvironmentVariable("LEXOVITA_BILDER");
    if (!ordner.isEmpty())
        QVERIFY(fenster->grab().save(ordner + QLatin1Char('/') + name + QStringLiteral(".png")));
}

} // namespace

class TestLehrbuchverwaltung : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_ordner;
    std::unique_ptr<TDatenmanager> m_dm;
    std::unique_ptr<TConfig> m_config;
    TSkript m_frage;
    int32_t m_amare = 0, m_domus = 0;

    std::unique_ptr<TfrmLehrbuchverwaltung> Fenster(int modus, const QString &vorschlag = {})
    {
        auto f = std::make_unique<TfrmLehrbuchverwaltung>(*m_dm, *m_config, m_frage, modus, vorschlag);
        f->show();
        if (!QTest::qWaitForWindowExposed(f.get()))
            qWarning("Fenster nicht sichtbar");
        return f;
    }
    std::unique_ptr<TLektion> Lektion(const QString &name, std::initializer_list<int32_t> ids)
    {
        auto l = std::make_unique<TLektion>();
        l->name = name;
        for (int32_t id : ids)
            l->VokabelAnhaengen(m_dm->VokabelLaden(id));
        return l;
    }
    // Stores a lesson directly, for tests that start from a filled database.
    int32_t Gespeichert(const QString &name, int32_t buch, std::initializer_list<int32_t> ids,
                        const QStringList &text = {})
    {
        auto l = Lektion(name, ids);
        l->lehrbuch_id = buch;
        l->text = text;
        TLektionsSpeicher(*m_dm).LektionSpeichern(*l);
        return l->id;
    }

  private slots:
    void init()
    {
        m_dm = std::make_unique<TDatenmanager>(QStringLiteral(":memory:"));
        m_config = std::make_unique<TConfig>(m_ordner.filePath(QStringLiteral("einstellungen.ini")));
        m_config->programmordner = m_ordner.path() + QLatin1Char('/');
        m_amare = Eintrag(*m_dm, m_frage, QStringLiteral("amare"), WA_VERB, QStringLiteral("lieben"));
        m_domus = Eintrag(*m_dm, m_frage, QStringLiteral("domus"), WA_SUBSTANTIV, QStringLiteral("Haus"));
        m_frage = TSkript();
    }
    void cleanup()
    {
        m_config.reset();
        m_dm.reset();
    }

    void theModeSetsCaptionOkButtonAndToolsAndTheListsHaveTheirColumns()
    {
        const struct {
            int modus;
            const char *titel, *ok;
            bool oeffnen, speichern;
        } faelle[] = {
            {VM_SPEICHERN_UNTER, "Lektion speichern unter", "Speichern", false, true},
            {VM_OEFFNEN, "Lektion öffnen", "Öffnen", true, false},
            {VM_ANHAENGEN, "Lektion anhängen", "Anhängen", true, false},
            {VM_VERWALTEN, "Lehrbuchverwaltung", "OK", false, false},
            {3, "Lehrbuchverwaltung", "OK", false, false}, // unknown modes mean management
        };
        for (const auto &f : faelle) {
            auto w = Fenster(f.modus, QStringLiteral("Vorschlag"));
            QCOMPARE(w->windowTitle(), QString::fromUtf8(f.titel));
            QCOMPARE(w->btnOK->text(), QString::fromUtf8(f.ok));
            QCOMPARE(w->actLektionOeffnen->isVisible(), f.oeffnen);
            QCOMPARE(w->actLektionSpeichern->isVisible(), f.speichern);
            QCOMPARE(w->edtName->text(), f.modus == VM_SPEICHERN_UNTER ? QStringLiteral("Vorschlag") : QString());
        }
        auto w = Fenster(VM_VERWALTEN);
        QCOMPARE(w->lvwLehrbuecher->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Lehrbuch"));
        QStringList spalten;
        for (int i = 0; i < w->mdlLektionen->columnCount(); ++i)
            spalten << w->mdlLektionen->headerData(i, Qt::Horizontal).toString();
        QCOMPARE(spalten, (QStringList{QStringLiteral("Name"), QStringLiteral("Vokabeln"), QStringLiteral("Text"),
                                       QStringLiteral("Letzter Zugriff"), QStringLiteral("Erstellt am")}));
        QStringList werkzeuge;
        for (QAction *a : w->tbVerwaltung->actions())
            if (!a->isSeparator())
                werkzeuge << a->text();
        QCOMPARE(werkzeuge, (QStringList{QStringLiteral("Neue Lektion"), QStringLiteral("Lektion öffnen"),
                                         QStringLiteral("Lektion speichern"), QStringLiteral("Lektion löschen"),
                                         QStringLiteral("Neues Lehrbuch"), QStringLiteral("Lehrbuch löschen"),
                                         QStringLiteral("Icon"), QStringLiteral("Liste"), QStringLiteral("Details")}));
    }

    void aLessonSavedIntoANewTextbookOpensAgainWithItsEntries()
    {
        int32_t buch = 0;
        TfrmLehrbuchverwaltung::Ergebnis gewaehlt;
        {
            auto w = Fenster(VM_SPEICHERN_UNTER, QStringLiteral("Meine Lektion"));
            QCOMPARE(w->lvwLehrbuecher->model()->rowCount(), 0);
            w->btnOK->click(); // no textbook yet: nothing happens
            QVERIFY(w->isVisible());

            w->actNeuesLehrbuch->trigger();
            QCOMPARE(Lehrbuecher(w->lvwLehrbuecher), QStringList{QStringLiteral("Neues Lehrbuch")});
            const QPersistentModelIndex item = w->lvwLehrbuecher->currentIndex();
            QVERIFY(item.isValid());
            auto *editor = w->lvwLehrbuecher->viewport()->findChild<QLineEdit *>();
            QVERIFY(editor); // the caption is being edited
            editor->setText(QStringLiteral("Cursus Latinus"));
            QTest::keyClick(editor, Qt::Key_Return);
            QTRY_COMPARE(item.data().toString(), QStringLiteral("Cursus Latinus"));
            buch = w->GewaehltesLehrbuch();
            QVERIFY(buch > 0);
            QCOMPARE(TLektionsSpeicher(*m_dm).LehrbuchSuchen(QStringLiteral("Cursus Latinus")), buch);

            QCOMPARE(w->edtName->text(), QStringLiteral("Meine Lektion"));
            QTest::keyClick(w->edtName, Qt::Key_Return);
            QVERIFY(!w->isVisible());
            gewaehlt = w->ErgebnisHolen();
        }
        QVERIFY(gewaehlt.bestaetigt);
        QCOMPARE(gewaehlt.name, QStringLiteral("Meine Lektion"));
        QCOMPARE(gewaehlt.lehrbuchId, buch);
        QCOMPARE(gewaehlt.lehrbuch, QStringLiteral("Cursus Latinus"));
        QCOMPARE(gewaehlt.lektionId, 0);
        QCOMPARE(m_config->LehrbuchID, buch); // remembered for the next use
        QVERIFY(m_frage.fragen.isEmpty());

        auto lektion = Lektion(gewaehlt.name, {m_domus, m_amare});
        lektion->lehrbuch_id = gewaehlt.lehrbuchId;
        lektion->text = {QStringLiteral("Amo domum.")};
        QVERIFY(TLektionsSpeicher(*m_dm).LektionUeberschreiben(*lektion, gewaehlt.lektionId));

        auto w = Fenster(VM_OEFFNEN);
        QCOMPARE(w->GewaehltesLehrbuch(), buch);
        QCOMPARE(Spalte(w->mdlLektionen, 0), QStringList{QStringLiteral("Meine Lektion")});
        QCOMPARE(Spalte(w->mdlLektionen, 1), QStringList{QStringLiteral("2")});
        QCOMPARE(Spalte(w->mdlLektionen, 2), QStringList{QStringLiteral("ja")});
        QVERIFY(!w->mdlLektionen->index(0, 3).data().toString().isEmpty());
        QCOMPARE(w->edtName->text(), QStringLiteral("Meine Lektion")); // first row preselected

        const QModelIndex zeile = w->mdlLektionen->index(0, 0);
        const QRect r = w->lvwLektionen->visualRect(zeile);
        QTest::mouseClick(w->lvwLektionen->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(w->lvwLektionen->viewport(), Qt::LeftButton, {}, r.center());
        QVERIFY(!w->isVisible());
        const auto geoeffnet = w->ErgebnisHolen();
        QVERIFY(geoeffnet.bestaetigt);
        QCOMPARE(geoeffnet.lektionId, lektion->id);
        auto gelesen = TLektionsSpeicher(*m_dm).LektionLesen(geoeffnet.lektionId);
        QVERIFY(gelesen);
        QCOMPARE(gelesen->Anzahl(), 2);
        QCOMPARE(gelesen->vokabeln[0]->vokabel, QStringLiteral("domus"));
        QCOMPARE(gelesen->text, QStringList{QStringLiteral("Amo domum.")});
    }

    void savingUnderAnExistingNameAsksAndStaysOpenOnNo()
    {
        const int32_t buch = TLektionsSpeicher(*m_dm).LehrbuchAnlegen(QStringLiteral("Prima"));
        const int32_t alt = Gespeichert(QStringLiteral("Lektion 1"), buch, {m_amare});
        auto w = Fenster(VM_SPEICHERN_UNTER, QStringLiteral("  Lektion 1 "));
        QCOMPARE(w->edtName->text(), QStringLiteral("  Lektion 1 ")); // not replaced by the first row
        m_frage.antworten = {Antwort::Nein};
        w->btnOK->click();
        QVERIFY(w->isVisible());
        QCOMPARE(m_frage.fragen, QStringList{QStringLiteral("Soll die Lektion 'Lektion 1' überschrieben werden?")});
        m_frage.antworten = {Antwort::Ja};
        w->actLektionSpeichern->trigger();
        QVERIFY(!w->isVisible());
        QCOMPARE(w->ErgebnisHolen().lektionId, alt);
        QCOMPARE(w->ErgebnisHolen().name, QStringLiteral("Lektion 1"));
    }

    void openingIgnoresUnknownNamesAndCancelOrNewLessonNeverConfirm()
    {
        const int32_t buch = TLektionsSpeicher(*m_dm).LehrbuchAnlegen(QStringLiteral("Prima"));
        Gespeichert(QStringLiteral("Lektion 1"), buch, {m_amare});
        auto w = Fenster(VM_OEFFNEN);
        w->edtName->setText(QStringLiteral("Lektion 7"));
        QTest::keyClick(w->edtName, Qt::Key_Return);
        QVERIFY(w->isVisible());
        w->btnAbbrechen->click();
        QVERIFY(!w->isVisible());
        QVERIFY(!w->ErgebnisHolen().bestaetigt);

        auto n = Fenster(VM_ANHAENGEN);
        n->actNeueLektion->trigger();
        QVERIFY(!n->isVisible());
        QVERIFY(n->ErgebnisHolen().neueLektion);
        QVERIFY(!n->ErgebnisHolen().bestaetigt);
    }

    void renamingStoresNamesAsTypedAndDeletingAsksFirst()
    {
        TLektionsSpeicher speicher(*m_dm);
        const int32_t buch = speicher.LehrbuchAnlegen(QStringLiteral("Prima"));
        const int32_t anderes = speicher.LehrbuchAnlegen(QStringLiteral("Cursus"));
        const int32_t l1 = Gespeichert(QStringLiteral("Lektion 1"), buch, {m_amare}, {QStringLiteral("Amo.")});
        const int32_t l2 = Gespeichert(QStringLiteral("Lektion 2"), buch, {m_domus});
        Gespeichert(QStringLiteral("Lektion X"), anderes, {m_domus});
        m_config->LehrbuchID = buch;
        auto w = Fenster(VM_VERWALTEN);
        QCOMPARE(w->GewaehltesLehrbuch(), buch);
        QCOMPARE(Spalte(w->mdlLektionen, 2), (QStringList{QStringLiteral("ja"), QStringLiteral("nein")}));

        QAbstractItemModel *buecher = w->lvwLehrbuecher->model();
        QVERIFY(buecher->setData(w->lvwLehrbuecher->currentIndex(), QStringLiteral("Prima 'neu'")));
        QCOMPARE(speicher.Lehrbuecher()[0].name, QStringLiteral("Prima 'neu'"));
        QVERIFY(!buecher->setData(w->lvwLehrbuecher->currentIndex(), QStringLiteral("  ")));
        QCOMPARE(w->lvwLehrbuecher->currentIndex().data().toString(), QStringLiteral("Prima 'neu'"));
        QVERIFY(w->mdlLektionen->setData(w->mdlLektionen->index(1, 0), QStringLiteral("Caesar's Gallien")));
        QCOMPARE(speicher.LektionLesen(l2)->name, QStringLiteral("Caesar's Gallien"));

        // Delete key on the lesson list: No keeps, Yes deletes the selected lesson only.
        w->lvwLektionen->setFocus();
        w->lvwLektionen->selectionModel()->setCurrentIndex(
            w->mdlLektionen->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_frage.antworten = {Antwort::Nein};
        QTest::keyClick(w->lvwLektionen, Qt::Key_Delete);
        QCOMPARE(w->mdlLektionen->rowCount(), 2);
        m_frage.antworten = {Antwort::Ja};
        QTest::keyClick(w->lvwLektionen, Qt::Key_Delete);
        QCOMPARE(Spalte(w->mdlLektionen, 0), QStringList{QStringLiteral("Caesar's Gallien")});
        QVERIFY(!speicher.LektionLesen(l1));
        QCOMPARE(m_frage.fragen.last(), QStringLiteral("Soll die Lektion 'Lektion 1' wirklich gelöscht werden?"));

        // Delete key on the textbook list: the textbook goes with its lessons, entries stay.
        m_frage.antworten = {Antwort::Ja};
        QTest::keyClick(w->lvwLehrbuecher, Qt::Key_Delete);
        QCOMPARE(m_frage.fragen.last(),
                 QStringLiteral("Soll das Lehrbuch 'Prima 'neu'' mit allen zugehörigen Lektionen gelöscht werden?"));
        QCOMPARE(Lehrbuecher(w->lvwLehrbuecher), QStringList{QStringLiteral("Cursus")});
        QCOMPARE(Spalte(w->mdlLektionen, 0), QStringList{QStringLiteral("Lektion X")});
        QCOMPARE(Zahl(*m_dm, "SELECT count(*) FROM lektion"), 1);
        QCOMPARE(Zahl(*m_dm, "SELECT count(*) FROM lek_vok"), 1);
        QCOMPARE(Zahl(*m_dm, "SELECT count(*) FROM vokabel"), 2);

        w->btnOK->click(); // plain management: OK closes without a choice
        QVERIFY(!w->isVisible());
        const auto e = w->ErgebnisHolen();
        QVERIFY(!e.bestaetigt);
        QCOMPARE(e.geloeschteLehrbuecher, std::vector<int32_t>{buch});
        QCOMPARE(e.geloeschteLektionen, (std::vector<int32_t>{l1, l2}));
        QCOMPARE(m_config->LehrbuchID, anderes);
    }

    void aLessonDroppedOnATextbookMovesThere()
    {
        TLektionsSpeicher speicher(*m_dm);
        const int32_t buch = speicher.LehrbuchAnlegen(QStringLiteral("Prima"));
        const int32_t ziel = speicher.LehrbuchAnlegen(QStringLiteral("Cursus"));
        const int32_t l1 = Gespeichert(QStringLiteral("Lektion 1"), buch, {m_amare});
        auto w = Fenster(VM_VERWALTEN);
        std::unique_ptr<QMimeData> daten(w->mdlLektionen->mimeData({w->mdlLektionen->index(0, 0)}));
        QVERIFY(daten);
        const QPoint punkt = w->lvwLehrbuecher->visualRect(w->lvwLehrbuecher->model()->index(1, 0)).center();
        QDragEnterEvent betreten(punkt, Qt::CopyAction, daten.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w->lvwLehrbuecher->viewport(), &betreten);
        QVERIFY(betreten.isAccepted());
        QDragMoveEvent bewegen(punkt, Qt::CopyAction, daten.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w->lvwLehrbuecher->viewport(), &bewegen);
        QVERIFY(bewegen.isAccepted());
        QDropEvent drop(punkt, Qt::CopyAction, daten.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w->lvwLehrbuecher->viewport(), &drop);
        QTRY_COMPARE(speicher.LektionLesen(l1)->lehrbuch_id, ziel);
        QCOMPARE(w->mdlLektionen->rowCount(), 0);
    }

    void theViewsSwitchTheLessonListAndExportWritesTheFile()
    {
        const int32_t buch = TLektionsSpeicher(*m_dm).LehrbuchAnlegen(QStringLiteral("Prima"));
        Gespeichert(QStringLiteral("Lektion 1"), buch, {m_amare, m_domus});
        auto w = Fenster(VM_VERWALTEN);
        w->actIcon->trigger();
        QCOMPARE(w->stkLektionen->currentWidget(), w->lvwLektionenSymbole);
        QCOMPARE(w->lvwLektionenSymbole->viewMode(), QListView::IconMode);
        w->actListe->trigger();
        QCOMPARE(w->lvwLektionenSymbole->viewMode(), QListView::ListMode);
        w->actDetails->trigger();
        QCOMPARE(w->stkLektionen->currentWidget(), w->lvwLektionen);

        QString vorgeschlagen;
        const QString datei = m_ordner.filePath(QStringLiteral("prima"));
        w->exportDateiWaehlen = [&](const QString &v) {
            vorgeschlagen = v;
            return datei;
        };
        w->actLehrbuchExportieren->trigger();
        QCOMPARE(vorgeschlagen, QStringLiteral("Prima.xml"));
        QCOMPARE(m_frage.meldungen, QStringList{QStringLiteral("Das Lehrbuch \"Prima\" wurde exportiert.")});
        const auto inhalt = LektionsdateiLaden(datei + QStringLiteral(".xml"));
        QCOMPARE(inhalt.size(), size_t(1));
        QCOMPARE(inhalt[0].lektionen.size(), size_t(1));
        QCOMPARE(inhalt[0].lektionen[0]->Anzahl(), 2);

        // A folder that cannot be written is an error box, not a crash.
        w->exportDateiWaehlen = [&](const QString &) { return m_ordner.filePath(QStringLiteral("fehlt/x.xml")); };
        w->actLehrbuchExportieren->trigger();
        QCOMPARE(m_frage.symbole.last(), Symbol::Fehler);
    }

    void propertiesRenameAndMoveAStoredLessonAfterAskingForANewTextbook()
    {
        TLektionsSpeicher speicher(*m_dm);
        const int32_t buch = speicher.LehrbuchAnlegen(QStringLiteral("Prima"));
        const int32_t id = Gespeichert(QStringLiteral("Lektion 1"), buch, {m_amare});
        auto lektion = speicher.LektionLesen(id);
        lektion->notizen = {QStringLiteral("alt")};
        TfrmEigenschaften w(*m_dm, *lektion, m_frage);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Eigenschaften"));
        QCOMPARE(w.edtName->text(), QStringLiteral("Lektion 1"));
        QCOMPARE(w.cmbLehrbuch->currentText(), QStringLiteral("Prima"));
        QCOMPARE(w.lblErstellt->text(), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
        QCOMPARE(w.memNotizen->toPlainText(), QStringLiteral("alt"));

        w.edtName->setText(QStringLiteral(" Lektion I "));
        w.cmbLehrbuch->setEditText(QStringLiteral("Cursus"));
        w.memNotizen->setPlainText(QStringLiteral("neu\nzweite Zeile"));
        m_frage.antworten = {Antwort::Ja};
        w.btnOK->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(m_frage.fragen,
                 QStringList{QStringLiteral("Das Lehrbuch \"Cursus\" existiert nicht. \r\nSoll es angelegt werden?")});
        const int32_t neu = speicher.LehrbuchSuchen(QStringLiteral("Cursus"));
        QVERIFY(neu > 0);
        QCOMPARE(lektion->name, QStringLiteral("Lektion I"));
        QCOMPARE(lektion->lehrbuch_id, neu);
        QCOMPARE(lektion->notizen, (QStringList{QStringLiteral("neu"), QStringLiteral("zweite Zeile")}));
        auto gelesen = speicher.LektionLesen(id);
        QCOMPARE(gelesen->name, QStringLiteral("Lektion I"));
        QCOMPARE(gelesen->lehrbuch_id, neu);

        TfrmEigenschaften abbrechen(*m_dm, *lektion, m_frage);
        abbrechen.edtName->setText(QStringLiteral("verworfen"));
        abbrechen.btnAbbrechen->click();
        QCOMPARE(lektion->name, QStringLiteral("Lektion I"));
    }
    void theWindowsFitTheScreenWithoutClippedTexts()
    {
        TLektionsSpeicher speicher(*m_dm);
        const int32_t buch = speicher.LehrbuchAnlegen(QStringLiteral("Grundwortschatz Latein"));
        speicher.LehrbuchAnlegen(QStringLiteral("Cursus"));
        for (int i = 1; i <= 12; ++i)
            Gespeichert(QStringLiteral("Lektion %1: Verben der a-Konjugation").arg(i), buch, {m_amare, m_domus},
                        i % 2 ? QStringList{QStringLiteral("Amo.")} : QStringList{});
        m_config->LehrbuchID = buch;
        for (int modus : {VM_SPEICHERN_UNTER, VM_OEFFNEN}) {
            auto w = Fenster(modus, QStringLiteral("Lektion 13"));
            Pruefen(w.get(), QStringLiteral("lehrbuchverwaltung_%1").arg(modus));
            if (modus == VM_OEFFNEN) {
                w->actIcon->trigger();
                Pruefen(w.get(), QStringLiteral("lehrbuchverwaltung_icon"));
            }
        }
        auto lektion = speicher.LektionLesen(Gespeichert(QStringLiteral("Lektion 14"), buch, {m_amare}));
        lektion->notizen = {QStringLiteral("Vokabeln bis Freitag lernen")};
        TfrmEigenschaften e(*m_dm, *lektion, m_frage);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        Pruefen(&e, QStringLiteral("eigenschaften"));
    }
};

QTEST_MAIN(TestLehrbuchverwaltung)
#include "test_lehrbuchverwaltung.moc"
