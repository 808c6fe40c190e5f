#pragma once

#include <QString>

namespace lexovita {

// Caption of the program's own questions and messages.
inline QString ProgrammTitel()
{
    return QStringLiteral("lexovita");
}

enum class Antwort { Ja, Nein, Abbrechen, Ok };

// Buttons of a question, combinable with |.
enum Knoepfe : int {
    KN_OK = 1,
    KN_JA = 2,
    KN_NEIN = 4,
    KN_ABBRECHEN = 8,
    KN_JA_NEIN = KN_JA | KN_NEIN,
    KN_JA_NEIN_ABBRECHEN = KN_JA | KN_NEIN | KN_ABBRECHEN,
};

enum class Symbol { Information, Frage, Warnung, Fehler };

// The services ask and inform through this interface so that their logic
// runs without widgets: the GUI shows message boxes, the command line answers
// from its call or refuses, tests script the answers.
class IRueckfrage {
  public:
    virtual ~IRueckfrage() = default;
    virtual Antwort Frage(const QString &titel, const QString &text, int knoepfe, Antwort vorgabe, Symbol symbol) = 0;
    virtual void Meldung(const QString &titel, const QString &text) = 0;
    // Called when the user wants a backup before the database is upgraded;
    // the GUI shows the backup window modally. True only when a backup was
    // written and checked; otherwise the upgrade must not run.
    virtual bool BackupAnbieten() { return false; }
};

} // namespace lexovita
