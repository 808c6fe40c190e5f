#pragma once

#include <QString>
#include <QStringList>

namespace lexovita {

// Where the program reads its own files and where it writes the user's.
// main and lexovita-cli make this value once at start; everything below
// takes its folders from here, so an installed copy never writes into its
// install prefix.
struct TPfade {
    // vorlagen/, hilfe/ and the starter textbooks: share/lexovita when
    // installed, the folder of the program in a build tree or portable copy.
    QString programmdaten;
    // The folder of the database: --data, else Data/ beside the program
    // (portable), else the user's data folder.
    QString benutzerdaten;
    // Generated pages (tmp.htm) for the user's browser.
    QString seitenCache;
    bool installiert = false; // programmdaten is the shared data folder, not the program's own
    bool portabel = false;    // the database lies in Data/ beside the program

    QString Vorlagen() const;    // with a trailing "/"
    QString Hilfe() const;       // with a trailing "/"
    QString SeitenDatei() const; // tmp.htm in the page cache
    // The starter textbook folders that exist, in the order of import:
    // "Grundwortschatz Latein", then "Aufbauwortschatz Latein".
    QStringList StartLehrbuecher() const;

    // The rules above, from the folder of the program file, the --data
    // option (empty when not given) and the user's data and cache folders.
    // `installierteDaten` is the shared data folder relative to the program
    // folder (e.g. "../share/lexovita").
    static TPfade Ermitteln(const QString &programmOrdner, const QString &datenOption, const QString &benutzerOrdner,
                            const QString &cacheOrdner, const QString &installierteDaten);
    // The same with the user's folders from the system ("~/.local/share/lexovita",
    // "~/.cache/lexovita") and the shared folder this build installs to.
    static TPfade FuerProgramm(const QString &programmOrdner, const QString &datenOption);

    // The value the running process made at start. Set once by main and
    // lexovita-cli (and by the test programs); empty folders until then.
    static const TPfade &Aktuell();
    static void Setzen(const TPfade &pfade);
};

} // namespace lexovita
