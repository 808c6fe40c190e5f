#include "app/programminfo.h"

#include "model/pfade.h"
#include "store/lexikon.h"

#include <QDir>
#include <QFileInfo>

#ifndef LEXOVITA_VERSION
#error "LEXOVITA_VERSION comes from the project version in CMake"
#endif

namespace lexovita {

QString ProgrammVersion()
{
    return QStringLiteral(LEXOVITA_VERSION);
}

QStringList ProgrammOrdnerZeilen(const TPfade &pfade)
{
    const auto n = [](const QString &o) { return QDir::toNativeSeparators(o); };
    QString datenbank = n(pfade.benutzerdaten);
    if (pfade.portabel)
        datenbank += QStringLiteral(" (tragbar, neben dem Programm)");
    return {QStringLiteral("Programmdaten: %1").arg(n(pfade.programmdaten)),
            QStringLiteral("Datenbank: %1").arg(datenbank),
            QStringLiteral("Seiten für den Browser: %1").arg(n(pfade.seitenCache))};
}

QStringList DatenquellenZeilen(const TPfade &pfade)
{
    QStringList zeilen;
    for (const QString &ordner : pfade.StartLehrbuecher()) {
        const QString name = QFileInfo(ordner).fileName();
        if (name == QLatin1String("grundwortschatz"))
            zeilen << QStringLiteral("Grundwortschatz Latein: für lexovita zusammengestellt, unter der Lizenz des "
                                     "Programms (GPL-3)");
        else if (name == QLatin1String("aufbauwortschatz"))
            zeilen << QStringLiteral("Aufbauwortschatz Latein: für lexovita zusammengestellt (GPL-3); die Lesetexte "
                                     "sind gemeinfreien Texten von Caesar, Nepos, Cicero, Phaedrus, Ovid, Seneca "
                                     "und der Vulgata nachgebildet");
    }
    if (zeilen.isEmpty())
        zeilen << QStringLiteral("Keine Start-Lehrbücher gefunden in %1")
                      .arg(QDir::toNativeSeparators(pfade.programmdaten));
    // The lexicon is read from installed packages, under their licences.
    const TLexikonQuellen quellen = TLexikonQuellen::Installiert();
    if (quellen.CollatinusVorhanden())
        zeilen << QStringLiteral("Lexikon: Collatinus von Yves Ouvrard und Mitwirkenden (GPL-3), gelesen aus %1")
                      .arg(QDir::toNativeSeparators(quellen.collatinus));
    if (quellen.FreedictVorhanden())
        zeilen << QStringLiteral("Deutsche Bedeutungen: FreeDict Latein–Deutsch (GPL-2+), gelesen aus %1")
                      .arg(QDir::toNativeSeparators(quellen.freedict));
    return zeilen;
}

} // namespace lexovita
