// Qt's own dialogs and the numbers speak German once the program has set
// itself up as it does at start. Needs Qt's translations
// (qt6-translations-l10n, scripts/install-deps.sh).
#include "ui/anwendung.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>

using namespace lexovita;

namespace {

QStringList Texte(const QWidget *fenster)
{
    QStringList t;
    for (const QAbstractButton *b : fenster->findChildren<QAbstractButton *>())
        if (b->isVisibleTo(fenster) && !b->text().isEmpty())
            t << QString(b->text()).remove(QLatin1Char('&'));
    for (const QLabel *l : fenster->findChildren<QLabel *>())
        if (l->isVisibleTo(fenster) && !l->text().isEmpty())
            t << QString(l->text()).remove(QLatin1Char('&'));
    return t;
}

} // namespace

class TestDeutsch : public QObject {
    Q_OBJECT
  private slots:
    void qtsDialogsAndNumbersAreGerman()
    {
        QVERIFY2(TAnwendung::DeutschEinrichten(*qApp), "qtbase_de.qm fehlt");
        QCOMPARE(QLocale().toString(38.4, 'f', 1), QStringLiteral("38,4"));
        QCOMPARE(QLocale().toString(QDate(2026, 3, 5), QLocale::ShortFormat), QStringLiteral("05.03.26"));

        QFileDialog datei(nullptr, QStringLiteral("Als PDF speichern"), QDir::tempPath());
        datei.setOption(QFileDialog::DontUseNativeDialog);
        datei.setAcceptMode(QFileDialog::AcceptSave);
        datei.show();
        QVERIFY(QTest::qWaitForWindowExposed(&datei));
        const QStringList dateiTexte = Texte(&datei);
        if (const QString ordner = qEnvironmentVariable("LEXOVITA_BILDER"); !ordner.isEmpty())
            datei.grab().save(QDir(ordner).filePath(QStringLiteral("dateidialog.png")));
        for (const char *deutsch : {"Speichern", "Abbrechen", "Dateiname:", "Suchen in:"})
            QVERIFY2(dateiTexte.contains(QString::fromUtf8(deutsch)), qPrintable(dateiTexte.join(QLatin1Char('|'))));
        for (const char *englisch : {"Save", "Cancel", "File name:", "Look in:"})
            QVERIFY2(!dateiTexte.contains(QString::fromUtf8(englisch)), englisch);

        QColorDialog farbe;
        farbe.setOption(QColorDialog::DontUseNativeDialog);
        farbe.show();
        const QStringList farbTexte = Texte(&farbe);
        QVERIFY2(farbTexte.contains(QStringLiteral("Farbe vom Bildschirm wählen")),
                 qPrintable(farbTexte.join(QLatin1Char('|'))));
        QVERIFY(!farbTexte.contains(QStringLiteral("Pick Screen Color")));
    }
};

QTEST_MAIN(TestDeutsch)
#include "test_deutsch.moc"
