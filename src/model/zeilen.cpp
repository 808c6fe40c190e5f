#include "model/zeilen.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace lexovita {

QString TLektionZeile::TextSpalte() const
{
    return hatText ? QStringLiteral("ja") : QStringLiteral("nein");
}

TImportErgebnis &TImportErgebnis::operator+=(const TImportErgebnis &b)
{
    vokabelnAngelegt += b.vokabelnAngelegt;
    vokabelnGefunden += b.vokabelnGefunden;
    lektionenAngelegt += b.lektionenAngelegt;
    lehrbuecherAngelegt += b.lehrbuecherAngelegt;
    abgebrochen = abgebrochen || b.abgebrochen;
    return *this;
}

QString ImportZusammenfassung(const TImportErgebnis &e)
{
    if (e.abgebrochen)
        return QStringLiteral("Der Import wurde abgebrochen; es wurde nichts übernommen.");
    return QStringLiteral("%1 Vokabeln angelegt, %2 vorhandene Vokabeln zugeordnet, %3 Lektionen angelegt.")
        .arg(e.vokabelnAngelegt)
        .arg(e.vokabelnGefunden)
        .arg(e.lektionenAngelegt);
}

QString TTabellenzeile::Text() const
{
    return QStringLiteral("Zeile %1: %2").arg(zeile).arg(meldung);
}

int TVokabeltabelle::Fehlerhafte() const
{
    return static_cast<int>(std::count_if(zeilen.begin(), zeilen.end(), [](const auto &z) { return !z.gut; }));
}

TLexikonQuellen TLexikonQuellen::Installiert()
{
    return {QStringLiteral("/usr/share/collatinus/data"), QStringLiteral("/usr/share/dictd")};
}

TLexikonQuellen TLexikonQuellen::InOrdner(const QString &ordner)
{
    return {ordner, ordner};
}

bool TLexikonQuellen::CollatinusVorhanden() const
{
    return QFileInfo::exists(QDir(collatinus).filePath(QStringLiteral("lemmes.la"))) &&
           QFileInfo::exists(QDir(collatinus).filePath(QStringLiteral("modeles.la")));
}

bool TLexikonQuellen::FreedictVorhanden() const
{
    return !freedict.isEmpty() && QFileInfo::exists(QDir(freedict).filePath(QLatin1String(kFreedictIndex)));
}

} // namespace lexovita
