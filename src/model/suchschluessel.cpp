#include "model/suchschluessel.h"

#include <QRegularExpression>

namespace lexovita {

QString Suchschluessel(const QString &text, TSuchsprache sprache)
{
    const bool deutsch = sprache == TSuchsprache::Deutsch;
    QString s = text.toLower();
    if (deutsch) {
        s.replace(QChar(0x00DF), QLatin1String("ss"));
        s.replace(QChar(0x1E9E), QLatin1String("ss"));
    }
    s.replace(QChar(0x00E6), QLatin1String("ae"));
    s.replace(QChar(0x0153), QLatin1String("oe"));
    // Dropping the accents turns ä, ö, ü into a, o, u.
    const QString zerlegt = s.normalized(QString::NormalizationForm_D);
    QString ergebnis;
    ergebnis.reserve(zerlegt.size());
    for (const QChar c : zerlegt) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        ergebnis.append(!deutsch && c == QLatin1Char('j') ? QLatin1Char('i') : c);
    }
    if (deutsch) {
        // A pupil types "Glück" as "Gluck" or "Glueck": the spellings ae,
        // oe, ue fold to the plain vowel as well, so all three meet. After a
        // vowel they are no umlaut ("freuen", "Feuer", "bauen") and stay.
        static const QRegularExpression umlaut(QStringLiteral("(?<![aeiou])([aou])e"));
        ergebnis.replace(umlaut, QStringLiteral("\\1"));
    }
    return ergebnis;
}

} // namespace lexovita
