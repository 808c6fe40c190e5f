#include "store/datum.h"

#include "store/fehler.h"

namespace lexovita {

namespace {

int Zahl(const QString &ziffern)
{
    bool ok = !ziffern.isEmpty();
    for (QChar c : ziffern)
        ok = ok && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const int wert = ok ? ziffern.toInt(&ok) : 0;
    if (!ok)
        throw KonvertierungsFehler(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(ziffern));
    return wert;
}

} // namespace

QString DatumJetzt(const IUhr &uhr)
{
    return uhr.Jetzt().toString(QStringLiteral("yyyyMMddHHmmss"));
}

QDateTime DatumLesen(const QString &text)
{
    return DatumNachFormat(text, QString::fromLatin1(kZeitstempelFormat));
}

QDateTime DatumNachFormat(const QString &text, const QString &format)
{
    if (text.size() != format.size())
        throw KonvertierungsFehler(QStringLiteral("Datum \"%1\" passt nicht zum Format \"%2\"!").arg(text, format));
    QString jahr, monat, tag, stunde, minute, sekunde;
    for (int i = 0; i < format.size(); ++i) {
        switch (format[i].unicode()) {
        case 'y':
            jahr += text[i];
            break;
        case 'm':
            monat += text[i];
            break;
        case 'd':
            tag += text[i];
            break;
        case 'h':
            stunde += text[i];
            break;
        case 'n':
            minute += text[i];
            break;
        case 's':
            sekunde += text[i];
            break;
        default:
            break;
        }
    }
    const int j = Zahl(jahr), mo = Zahl(monat), t = Zahl(tag);
    const int h = Zahl(stunde), mi = Zahl(minute), s = Zahl(sekunde);
    const QDate datum(j, mo, t);
    if (j < 1 || !datum.isValid())
        throw KonvertierungsFehler(QStringLiteral("Ungültiges Argument zum Codieren des Datums"));
    const QTime zeit(h, mi, s, 0);
    if (!zeit.isValid())
        throw KonvertierungsFehler(QStringLiteral("Ungültiges Argument zum Codieren der Uhrzeit"));
    return QDateTime(datum, zeit);
}

} // namespace lexovita
