#include "model/pfade.h"
#include "ui/anwendung.h"
#include "ui/programmstart.h"

int main(int argc, char *argv[])
{
    lexovita::TAnwendung app(argc, argv);
    const QString programmOrdner = QCoreApplication::applicationDirPath();
    lexovita::TStartOptionen optionen = lexovita::StartOptionenLesen(app.arguments().mid(1), programmOrdner);
    // The one place the program's folders are worked out; everything else asks TPfade.
    lexovita::TPfade::Setzen(lexovita::TPfade::FuerProgramm(programmOrdner, optionen.datenOrdner));
    optionen.datenOrdner = lexovita::TPfade::Aktuell().benutzerdaten;
    lexovita::TProgrammstart start(app, std::move(optionen));
    return start.Ausfuehren();
}
