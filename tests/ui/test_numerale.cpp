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
            bool meldung;
        } faelle[] = {
            {"mmxxiv", "MMXXIV", "Arabisch:", "2024", "duo milia viginti quattuor", false},
            {"3999", "3999", "Römisch:", "MMMCMXCIX", "tria milia nongenti nonaginta novem", false},
            {"98", "98", "Römisch:", "XCVIII", "nonaginta octo", false},
            {"4000", "4000", "Arabisch:", "", "", true},
            {"0", "0", "Arabisch:", "", "", true},
            {"iiii", "IIII", "Arabisch:", "", "", true},
            {"x", "X", "Arabisch:", "10", "decem", false},
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
            // Invalid input is explained at once; the message goes with the next valid one.
            QCOMPARE(fenster.lblMeldung->isVisible(), f.meldung);
            QCOMPARE(fenster.lblMeldung->text().isEmpty(), !f.meldung);
        }
        QVERIFY(fenster.edtUmgerechnet->isReadOnly() && fenster.edtWort->isReadOnly());
    }
};

QTEST_MAIN(TestNumerale)
#include "test_numerale.moc"
