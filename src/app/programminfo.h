#pragma once

#include <QString>
#include <QStringList>

namespace lexovita {

struct TPfade;

// The version of this build, e.g. "3.0.0".
QString ProgrammVersion();

// What "Über lexovita" and `lexovita-cli --version` tell besides the
// version: where the program reads and writes, and where the data it ships
// or reads comes from. One German line each.
QStringList ProgrammOrdnerZeilen(const TPfade &pfade);
QStringList DatenquellenZeilen(const TPfade &pfade);

} // namespace lexovita
