#pragma once

#include "befehle.h"

namespace lexovita::cli {

// "import" with word lists (.csv/.tsv or content) or the options --lehrbuch
// and --teilweise; lesson files among the arguments are imported as before.
bool IstTabellenImport(const Aufruf &aufruf);
int TabellenImport(const Aufruf &aufruf);

// "export --format csv|anki|xml".
bool IstFormatExport(const Aufruf &aufruf);
int FormatExport(const Aufruf &aufruf);

} // namespace lexovita::cli
