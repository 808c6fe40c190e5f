// Every test program runs with the folders of the build tree: the program
// data copied beside the binaries, and a page cache of its own that
// disappears at exit, so no test writes into the data folder.
#include "model/pfade.h"

#include <QTemporaryDir>

namespace {

const bool kGesetzt = [] {
    static QTemporaryDir cache;
    lexovita::TPfade p;
    p.programmdaten = QStringLiteral(LEXOVITA_BAU_DATEN);
    p.seitenCache = cache.path();
    lexovita::TPfade::Setzen(p);
    return true;
}();

} // namespace
