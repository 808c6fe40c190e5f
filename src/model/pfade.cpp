#include "model/pfade.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef LEXOVITA_DATEN_RELATIV
#define LEXOVITA_DATEN_RELATIV "../share/lexovita"
#endif

namespace lexovita {

namespace {

QString MitSchraegstrich(const QString &ordner)
{
    if (ordner.isEmpty())
        return {};
    QString o = QDir::fromNativeSeparators(ordner);
    if (!o.endsWith(QLatin1Char('/')))
        o += QLatin1Char('/');
    return o;
}

TPfade &Wert()
{
    static TPfade pfade;
    return pfade;
}

// The program and the command-line tool must agree on the folders whatever
// their application names are, so the name is fixed here.
QString SystemOrdner(QStandardPaths::StandardLocation art)
{
    const QString basis = QStandardPaths::writableLocation(art);
    return basis.isEmpty() ? QString() : QDir(basis).filePath(QStringLiteral("lexovita"));
}

} // namespace

QString TPfade::Vorlagen() const
{
    return MitSchraegstrich(programmdaten) + QStringLiteral("vorlagen/");
}

QString TPfade::Hilfe() const
{
    return MitSchraegstrich(programmdaten) + QStringLiteral("hilfe/");
}

QString TPfade::SeitenDatei() const
{
    return MitSchraegstrich(seitenCache) + QStringLiteral("tmp.htm");
}

QStringList TPfade::StartLehrbuecher() const
{
    QStringList ordner;
    const QDir daten(programmdaten);
    for (const char *name : {"grundwortschatz", "aufbauwortschatz"})
        if (!programmdaten.isEmpty() && QFileInfo(daten.filePath(QLatin1String(name))).isDir())
            ordner << daten.filePath(QLatin1String(name));
    return ordner;
}

TPfade TPfade::Ermitteln(const QString &programmOrdner, const QString &datenOption, const QString &benutzerOrdner,
                         const QString &cacheOrdner, const QString &installierteDaten)
{
    TPfade p;
    const QDir programm(programmOrdner);
    // Templates beside the program mean a build tree or a portable copy.
    if (QFileInfo(programm.filePath(QStringLiteral("vorlagen"))).isDir()) {
        p.programmdaten = QDir::cleanPath(programm.absolutePath());
    } else {
        p.programmdaten = QDir::cleanPath(programm.absoluteFilePath(installierteDaten));
        p.installiert = true;
    }
    const QString portabel = programm.filePath(QStringLiteral("Data"));
    if (!datenOption.isEmpty()) {
        p.benutzerdaten = datenOption;
    } else if (QFileInfo(portabel).isDir()) {
        p.benutzerdaten = portabel;
        p.portabel = true;
    } else {
        p.benutzerdaten = benutzerOrdner;
    }
    p.seitenCache = cacheOrdner;
    return p;
}

TPfade TPfade::FuerProgramm(const QString &programmOrdner, const QString &datenOption)
{
    return Ermitteln(programmOrdner, datenOption, SystemOrdner(QStandardPaths::GenericDataLocation),
                     SystemOrdner(QStandardPaths::GenericCacheLocation), QStringLiteral(LEXOVITA_DATEN_RELATIV));
}

const TPfade &TPfade::Aktuell()
{
    return Wert();
}

void TPfade::Setzen(const TPfade &pfade)
{
    Wert() = pfade;
}

} // namespace lexovita
