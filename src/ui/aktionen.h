#pragma once

#include <QKeySequence>
#include <QString>
#include <vector>

namespace lexovita {

// One row of the main window's action list. Menus and tool bars are built
// from this one table so captions and keys live in a single place.
struct TAktionsEintrag {
    const char *name; // object name, e.g. "actNeueLektion"
    QString caption;
    QKeySequence taste;
    const char *menue;  // "Lektion", "Vokabel", "Text", "Lernen", "Tools", "Hilfe"
    const char *leiste; // tool bar name or nullptr
    bool trennerDavor;  // separator in the menu before this action
};

const std::vector<TAktionsEintrag> &Aktionsliste();

} // namespace lexovita
