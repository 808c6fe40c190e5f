#pragma once

#include <QString>

class QWidget;

namespace lexovita {

// The help connection: topic pages "<topic>.htm" in the folder "hilfe"
// beside the program, shown in one help window that stays open beside the
// program's windows.
QString HilfeOrdner();
// The German message when the help is missing, empty when it is there.
QString HilfeFehlt();
void HilfeZeigen(QWidget *eltern, int thema);

} // namespace lexovita
