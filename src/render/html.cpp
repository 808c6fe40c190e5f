#include "render/html.h"

#include "model/pfade.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringConverter>
#include <QTextStream>
#include <QUrl>

namespace lexovita {

QString HtmlMaskieren(const QString &text)
{
    // QString::toHtmlEscaped lives in QtCore and covers & < > and ".
    return text.toHtmlEscaped();
}

QString VorlagenOrdner()
{
    return TPfade::Aktuell().Vorlagen();
}

QString VorlageText(const QString &pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    QTextStream strom(&datei);
    strom.setEncoding(QStringConverter::Utf8);
    return strom.readAll();
}

QStringList VorlageLesen(const QString &pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    QTextStream strom(&datei);
    strom.setEncoding(QStringConverter::Utf8);
    QStringList zeilen;
    QString zeile;
    while (strom.readLineInto(&zeile))
        zeilen.append(zeile);
    return zeilen;
}

bool DokumentSpeichern(const QString &pfad, const QStringList &zeilen)
{
    // Written to a temporary file first so a viewer never sees half a page.
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return false;
    const QByteArray inhalt = zeilen.join(QLatin1Char('\n')).toUtf8();
    if (datei.write(inhalt) != inhalt.size())
        return false;
    return datei.commit();
}

bool SeiteZwischenspeichern(const QString &datei, const QStringList &zeilen, const QString &vorlagenOrdner)
{
    QString basis = QUrl::fromLocalFile(QDir(vorlagenOrdner).absolutePath()).toString(QUrl::FullyEncoded);
    if (!basis.endsWith(QLatin1Char('/')))
        basis += QLatin1Char('/');
    const QString zeile = QStringLiteral("<base href=\"%1\">").arg(basis.toHtmlEscaped());
    // Right after the opening <head>; a page without one gets it first.
    QStringList seite = zeilen;
    static const QRegularExpression kopf(QStringLiteral("<head(\\s[^>]*)?>"),
                                         QRegularExpression::CaseInsensitiveOption);
    bool eingesetzt = false;
    for (QString &z : seite) {
        const QRegularExpressionMatch m = kopf.match(z);
        if (m.hasMatch()) {
            z.insert(m.capturedEnd(), zeile);
            eingesetzt = true;
            break;
        }
    }
    if (!eingesetzt)
        seite.prepend(zeile);
    if (!QDir().mkpath(QFileInfo(datei).absolutePath()))
        return false;
    return DokumentSpeichern(datei, seite);
}

QString MarkerErsetzen(const QString &zeile, const QString &marker, const QString &wert)
{
    QString ergebnis = zeile;
    ergebnis.replace(marker, wert);
    return ergebnis;
}

QString DokumentFusszeile()
{
    return QStringLiteral("<BR><BR><DIV align=\"right\" style=\"font-size: 8pt;\">lexovita&trade;</DIV>");
}

} // namespace lexovita
