#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace lexovita {
class TDatenzugang;
}

namespace lexovita::cli {

// What every command gets: the database folder (--data DIR, else the one
// TPfade chose) and the arguments after the command name.
struct Aufruf {
    QString datenOrdner;
    QStringList argumente;
};

// Returns the process exit code; prints German messages on stderr itself.
using Befehlsfunktion = std::function<int(const Aufruf &)>;

struct Befehl {
    QString name;
    QString kurzhilfe; // one German line for --help, e.g. "suche TEXT  Stichwortsuche"
    Befehlsfunktion ausfuehren;
};

// Each cmd_*.cpp registers its commands through a static Registrierung.
std::vector<Befehl> &Befehle();

struct Registrierung {
    Registrierung(QString name, QString kurzhilfe, Befehlsfunktion f)
    {
        Befehle().push_back({std::move(name), std::move(kurzhilfe), std::move(f)});
    }
};

// Helpers for commands.
void Fehler(const QString &meldung); // "lexovita-cli: <meldung>" on stderr
void Ausgabe(const QString &zeile);  // one UTF-8 line on stdout
// The console cannot show the backup window: an older database is only
// brought up to date when that needs no question; "init" does the rest.
// False, with the message given, when it stays old.
bool Bereit(TDatenzugang &zugang);

} // namespace lexovita::cli
