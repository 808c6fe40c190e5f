#include "render/kopffuss.h"

namespace lexovita {

namespace {

const QString kDatum = QStringLiteral("(Datum)");
const QString kSeite = QStringLiteral("(Seite x)");
const QString kSeiteVon = QStringLiteral("(Seite x von X)");
const QString kLektion = QStringLiteral("(Name der Lektion)");

} // namespace

QStringList KopfFussAuswahl()
{
    return {kDatum, kSeite, kSeiteVon, kLektion};
}

QStringList AusrichtungAuswahl()
{
    return {QStringLiteral("links"), QStringLiteral("mitte"), QStringLiteral("rechts")};
}

QString KopfFussCode(const QString &auswahl, TAusrichtung ausrichtung, const QString &lektionsname)
{
    QString text;
    if (auswahl == kDatum)
        text = QStringLiteral("&d");
    else if (auswahl == kSeite)
        text = QStringLiteral("Seite &p");
    else if (auswahl == kSeiteVon)
        text = QStringLiteral("Seite &p von &P");
    else if (auswahl == kLektion)
        text = QString(lektionsname).replace(QLatin1Char('&'), QStringLiteral("&&"));
    else
        text = auswahl;
    switch (ausrichtung) {
    case TAusrichtung::Links:
        return text;
    case TAusrichtung::Mitte:
        return QStringLiteral("&b") + text + QStringLiteral("&b");
    case TAusrichtung::Rechts:
        return QStringLiteral("&b") + text;
    }
    return text;
}

TKopfFussZeile KopfFussAufloesen(const QString &code, const QString &datum, int seite, int seiten)
{
    QStringList teile{QString()};
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c != QLatin1Char('&') || i + 1 == code.size()) {
            teile.last() += c;
            continue;
        }
        const QChar n = code[++i];
        if (n == QLatin1Char('b'))
            teile.append(QString());
        else if (n == QLatin1Char('d'))
            teile.last() += datum;
        else if (n == QLatin1Char('p'))
            teile.last() += QString::number(seite);
        else if (n == QLatin1Char('P'))
            teile.last() += QString::number(seiten);
        else if (n == QLatin1Char('&'))
            teile.last() += QLatin1Char('&');
        else
            teile.last() += c + QString(n);
    }
    TKopfFussZeile z;
    z.links = teile.value(0);
    if (teile.size() == 2) {
        z.rechts = teile.value(1);
    } else if (teile.size() >= 3) {
        z.mitte = teile.value(1);
        // Separators beyond the second add nothing new: the rest is right.
        z.rechts = teile.mid(2).join(QString());
    }
    return z;
}

} // namespace lexovita
