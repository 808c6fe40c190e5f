// The numerals window as a pupil types into it.
#include "ui/frmnumerale.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace lexovita;

class TestNumerale : public QObject {
    Q_OBJECT
  private slots:
    void TypingConvertsAtOnceAndCapitalisesNumerals()
    {
        const struct {
            const char *getippt, *feld, *beschriftung, *umgerechnet, *wort;
        } faelle[] = {
            {"mmxxiv", "MMXXIV", "Arabisch:", "2024", "duo milia viginti quattuor "},
            {"3999", "3999", "Römisch:", "MMMCMXCIX", "tria milia nongenti nonaginta novem "},
            {"98", "98", "Römisch:", "XCVIII", "nonaginta octo"},
            {"4000", "4000", "Arabisch:", "", ""},
            {"0", "0", "Arabisch:", "", ""},
            {"iiii", "IIII", "Arabisch:", "", ""},
        };
        TfrmNumerale fenster;
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        QCOMPARE(fenster.focusWidget(), fenster.edtEingabe);
        for (const auto &f : faelle) {
            fenster.edtEingabe->clear();
            QTest::keyClicks(fenster.edtEingabe, QString::fromUtf8(f.getippt));
            QCOMPARE(fenster.edtEingabe->text(), QString::fromUtf8(f.feld));
            QCOMPARE(fenster.edtEingabe->cursorPosition(), static_cast<int>(qstrlen(f.feld)));
            QCOMPARE(fenster.lblUmgerechnet->text(), QString::fromUtf8(f.beschriftung));
            QCOMPARE(fenster.edtUmgerechnet->text(), QString::fromUtf8(f.umgerechnet));
            QCOMPARE(fenster.edtWort->text(), QString::fromUtf8(f.wort));
        }
        QVERIFY(fenster.edtUmgerechnet->isReadOnly() && fenster.edtWort->isReadOnly());
    }
};

QTEST_MAIN(TestNumerale)
#include "test_numerale.moc"
