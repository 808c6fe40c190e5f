// What a screen reader or a test robot sees: every control that the keyboard
// reaches, in the main window and in every window its commands open, has a
// name in the accessibility tree.

#include "ui_hilfe.h"

#include "ui/vokabeltabelle.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QTabWidget>
#include <QTest>

using namespace lexovita;
using namespace lexovita::testhilfe;

namespace {

// "window: class objectName" for each focusable, visible control without a name.
QStringList SichtbareOhneNamen(QWidget *fenster)
{
    QStringList aus;
    const QString wo = fenster->windowTitle().isEmpty() ? QString::fromLatin1(fenster->metaObject()->className())
                                                        : fenster->windowTitle();
    for (QWidget *w : fenster->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(fenster) || w->focusPolicy() == Qt::NoFocus || !w->isEnabled())
            continue;
        // The editor inside a spin box or combo box is part of that named
        // control in the tree; so is a widget that hands its focus on.
        if (w->focusProxy() || qobject_cast<QAbstractSpinBox *>(w->parentWidget()) ||
            qobject_cast<QComboBox *>(w->parentWidget()))
            continue;
        // Qt's print preview is a picture of the pages, named as a whole.
        if (qobject_cast<QPrintPreviewWidget *>(w->parentWidget()))
            continue;
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
        if (!i || i->text(QAccessible::Name).trimmed().isEmpty())
            aus << wo + QStringLiteral(": ") + QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') +
                       w->objectName();
    }
    return aus;
}

// The same on every page of every tabbed part of the window.
QStringList OhneNamen(QWidget *fenster)
{
    QStringList aus = SichtbareOhneNamen(fenster);
    for (QTabWidget *t : fenster->findChildren<QTabWidget *>()) {
        const int vorher = t->currentIndex();
        for (int i = 0; i < t->count(); ++i) {
            t->setCurrentIndex(i);
            aus << SichtbareOhneNamen(fenster);
        }
        t->setCurrentIndex(vorher);
    }
    aus.removeDuplicates();
    return aus;
}

} // namespace

class TestZugang : public QObject {
    Q_OBJECT

  private slots:
    void everyControlTheKeyboardReachesHasAName()
    {
        TUmgebung u(true);
        QVERIFY(u.Oeffnen());
        TfrmHaupt *f = u.fenster.get();
        for (const char *w : {"amar", "amic", "bonu"})
            u.Hinzufuegen(QString::fromLatin1(w));
        QCOMPARE(f->lvwVokabeln->Anzahl(), 3);

        QStringList fehler = OhneNamen(f);
        QStringList geoeffnet;
        // Every command that opens a window of the program's own (file and
        // print dialogs are Qt's).
        for (const char *name : {"actWoerterbuch",         "actFormenanalyse",     "actEinstellungen",
                                 "actVokabelnSchriftlich", "actVokabelnMuendlich", "actVokabeltest",
                                 "actFormenBilden",        "actFormenBestimmen",   "actVokabelliste",
                                 "actFaelligeWiederholen", "actLernstatistik",     "actBackup",
                                 "actVokabelBearbeiten",   "actEigenschaften",     "actLektionEigenschaften",
                                 "actFormentabelle",       "actDrucken",           "actSuchen",
                                 "actDBAufraeumen",        "actImportieren",       "actOeffnen",
                                 "actVokabelnAusListe"}) {
            // The entry commands act on one chosen entry (a verb).
            f->lvwVokabeln->ZeilenWaehlen({0});
            QAction *a = f->Aktion(QString::fromLatin1(name));
            QVERIFY2(a, name);
            if (!a->isEnabled()) {
                fehler << QStringLiteral("nicht verfügbar: ") + QString::fromLatin1(name);
                continue;
            }
            const QList<QWidget *> vorher = QApplication::topLevelWidgets();
            const bool modal = ImModalen<QDialog>(a, [&](QDialog *d) {
                if (qobject_cast<QFileDialog *>(d) || qobject_cast<QMessageBox *>(d))
                    return;
                geoeffnet << QString::fromLatin1(name);
                fehler << OhneNamen(d);
            });
            if (modal)
                continue;
            for (QWidget *t : QApplication::topLevelWidgets())
                if (t->isVisible() && t != f && !vorher.contains(t)) {
                    geoeffnet << QString::fromLatin1(name);
                    fehler << OhneNamen(t);
                    t->close();
                }
        }
        qInfo().noquote() << "geprüft:" << geoeffnet.join(QStringLiteral(", "));
        QVERIFY2(geoeffnet.size() >= 15, qPrintable(geoeffnet.join(QStringLiteral(", "))));
        fehler.removeDuplicates();
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestZugang)
#include "test_zugang.moc"
