#pragma once

#include <QString>

class QCoreApplication;
class QDialog;
class QWidget;

namespace lexovita {

// The help connection: topic pages "<topic>.htm" in the folder "hilfe"
// beside the program, shown in one help window that stays open beside the
// program's windows, with back, forward and close.
QString HilfeOrdner();
// The German message when the help is missing, empty when it is there.
QString HilfeFehlt();
void HilfeZeigen(QWidget *eltern, int thema);
// The help window while it is open, else null.
QDialog *Hilfefenster();

// F1 anywhere: the window's own "Hilfe" button (the object named
// "btnHilfe"), so the key opens the page of the window it is pressed in;
// a window without one shows the overview. Installed once per application.
void HilfeTasteEinrichten(QCoreApplication &app);

} // namespace lexovita
