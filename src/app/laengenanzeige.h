#pragma once

#include "morph/laengen.h"

#include <QString>
#include <QStringView>

namespace lexovita {

class TConfig;
class TVokabel;

// The one place that turns the settings into the way Latin text is shown:
// every view (lists, pages, forms, drills, print) asks here, so switching
// the lengths off gives the plain text everywhere at once.

// "Vokallängen anzeigen" and "Betonung anzeigen" as they stand.
TLaengenAnzeige LaengenAnzeige(const TConfig &config);
// For the texts of one entry and its forms (TLaengenAnzeige::Fuer).
TLaengenAnzeige LaengenAnzeige(const TConfig &config, const TVokabel &eintrag);

// A Latin text of an entry (headword, principal parts, a form) as shown.
QString AnzeigeText(QStringView text, const TConfig &config, const TVokabel &eintrag);
// A Latin text on its own: stressed only where it carries marks itself.
QString AnzeigeText(QStringView text, const TConfig &config);

} // namespace lexovita
