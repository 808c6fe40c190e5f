#include "render/html.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringConverter>
#include <QTextStream>

namespace lexovita {

QString HtmlMaskieren(const QString &text)
{
    // QString::toHtmlEscaped lives in QtCore and covers & < > and ".
    return text.toHtmlEscaped();
}

QString VorlagenOrdner()
{
    if (QCoreApplication::instance())
        return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("vorlagen"));
    return QStringLiteral("vorlagen");
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
