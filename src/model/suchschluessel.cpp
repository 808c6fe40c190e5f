#include "model/suchschluessel.h"

namespace lexovita {

QString Suchschluessel(const QString &text, TSuchsprache sprache)
{
    const bool deutsch = sprache == TSuchsprache::Deutsch;
    // Umlauts become digraphs before the accents are dropped, or ä would
    // end up as a.
    QString s = text.toLower();
    if (deutsch) {
        s.replace(QChar(0x00E4), QLatin1String("ae"));
        s.replace(QChar(0x00F6), QLatin1String("oe"));
        s.replace(QChar(0x00FC), QLatin1String("ue"));
        s.replace(QChar(0x00DF), QLatin1String("ss"));
        s.replace(QChar(0x1E9E), QLatin1String("ss"));
    }
    s.replace(QChar(0x00E6), QLatin1String("ae"));
    s.replace(QChar(0x0153), QLatin1String("oe"));
    const QString zerlegt = s.normalized(QString::NormalizationForm_D);
    QString ergebnis;
    ergebnis.reserve(zerlegt.size());
    for (const QChar c : zerlegt) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        ergebnis.append(!deutsch && c == QLatin1Char('j') ? QLatin1Char('i') : c);
    }
    return ergebnis;
}

} // namespace lexovita
