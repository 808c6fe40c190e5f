#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

class QApplication;

namespace lexovita {

class TDatenmanager;

// What the command line asks of the program.
struct TStartOptionen {
    bool debug = false;           // "/debug", "-debug" or a file debug.debug beside the program
    QString datenOrdner;          // --data DIR; empty when not given (TPfade decides)
    bool selbsttestStart = false; // quit as soon as the main window is shown
    QString screenshot;           // grab the shown main window into this PNG and quit
    QString importDatei;          // a lesson file given to open (double click): the import window shows it
};

// Reads the arguments (without the program name). Unknown arguments are ignored.
TStartOptionen StartOptionenLesen(const QStringList &argumente, const QString &programmOrdner);

// Sends Qt's messages to "lexovita.log" in the given folder (the diagnostic
// log; the database folder, never the program's own).
void DiagnoseprotokollEinschalten(const QString &ordner);

// Imports the starter textbooks from the program data folder
// into a freshly created database, with a progress dialog.
void GrundwortschatzEinrichten(TDatenmanager &dm, QWidget *eltern);

// The start sequence of the program: start window, main window, data
// manager, settings, then the event loop. Returns the process exit code.
class TProgrammstart {
  public:
    TProgrammstart(QApplication &app, TStartOptionen optionen);
    ~TProgrammstart();
    int Ausfuehren();

    // Shows a fatal start error; replaceable so tests see no message box.
    std::function<void(const QString &)> fehlerAnzeigen;

  private:
    QApplication &m_app;
    TStartOptionen m_optionen;
};

} // namespace lexovita
