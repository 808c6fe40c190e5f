#include "befehle.h"

#include "app/datenzugang.h"
#include "app/programminfo.h"
#include "model/pfade.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <cstdio>

namespace lexovita::cli {

std::vector<Befehl> &Befehle()
{
    static std::vector<Befehl> liste;
    return liste;
}

void Fehler(const QString &meldung)
{
    std::fprintf(stderr, "lexovita-cli: %s\n", meldung.toUtf8().constData());
}

void Ausgabe(const QString &zeile)
{
    const QByteArray b = zeile.toUtf8();
    std::fwrite(b.constData(), 1, b.size(), stdout);
    std::fputc('\n', stdout);
}

bool Bereit(TDatenzugang &zugang)
{
    if (zugang.Aktualisieren() == TAktualisierung::Abgebrochen) {
        Fehler(QStringLiteral("Die Datenbank muss erst mit „init“ aktualisiert werden."));
        return false;
    }
    return true;
}

} // namespace lexovita::cli

using namespace lexovita::cli;
using lexovita::TPfade;

static void HilfeZeigen()
{
    Ausgabe(QStringLiteral("Aufruf: lexovita-cli [--data ORDNER] BEFEHL [ARGUMENTE...]"));
    Ausgabe(QString());
    Ausgabe(QStringLiteral("Arbeitet ohne Fenster mit der lexovita-Datenbank."));
    Ausgabe(QStringLiteral(
        "  --data ORDNER  Datenbankordner (Standard: Data neben dem Programm, sonst ~/.local/share/lexovita)"));
    Ausgabe(QStringLiteral("  --help         diese Hilfe anzeigen"));
    Ausgabe(QStringLiteral("  --version      Version, Ordner und Herkunft der Daten anzeigen"));
    Ausgabe(QString());
    Ausgabe(QStringLiteral("Befehle:"));
    auto befehle = Befehle();
    std::sort(befehle.begin(), befehle.end(), [](const Befehl &a, const Befehl &b) { return a.name < b.name; });
    for (const auto &b : befehle)
        Ausgabe(QStringLiteral("  ") + b.kurzhilfe);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    Aufruf aufruf;
    QString befehl;
    bool versionZeigen = false;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            HilfeZeigen();
            return 0;
        }
        if (a == QLatin1String("--version")) {
            versionZeigen = true;
            continue;
        }
        if (a == QLatin1String("--data")) {
            if (args.isEmpty()) {
                Fehler(QStringLiteral("--data erwartet einen Ordner."));
                return 2;
            }
            aufruf.datenOrdner = args.takeFirst();
            continue;
        }
        befehl = a;
        break;
    }
    // Options after the command name stay with the command, except --data.
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--data") && i + 1 < args.size()) {
            aufruf.datenOrdner = args[i + 1];
            args.remove(i, 2);
            --i;
        }
    }
    aufruf.argumente = args;
    // The same folders as the program: --data, Data/ beside it, or the user's data folder.
    TPfade::Setzen(TPfade::FuerProgramm(QCoreApplication::applicationDirPath(), aufruf.datenOrdner));
    aufruf.datenOrdner = TPfade::Aktuell().benutzerdaten;
    if (versionZeigen) {
        Ausgabe(QStringLiteral("lexovita-cli ") + lexovita::ProgrammVersion());
        for (const QString &z : lexovita::ProgrammOrdnerZeilen(TPfade::Aktuell()))
            Ausgabe(z);
        Ausgabe(QStringLiteral("Herkunft der Daten:"));
        for (const QString &z : lexovita::DatenquellenZeilen(TPfade::Aktuell()))
            Ausgabe(QStringLiteral("  ") + z);
        return 0;
    }
    if (befehl.isEmpty()) {
        HilfeZeigen();
        return 2;
    }
    for (const auto &b : Befehle())
        if (b.name == befehl)
            return b.ausfuehren(aufruf);
    Fehler(QStringLiteral("Unbekannter Befehl \"%1\". Siehe lexovita-cli --help.").arg(befehl));
    return 2;
}
