#include "ui/anwendung.h"
#include "ui/programmstart.h"

int main(int argc, char *argv[])
{
    lexovita::TAnwendung app(argc, argv);
    lexovita::TProgrammstart start(
        app, lexovita::StartOptionenLesen(app.arguments().mid(1), QCoreApplication::applicationDirPath()));
    return start.Ausfuehren();
}
