#include "learning/testbogen.h"

#include "model/lektion.h"
#include "model/uhr.h"

#include <algorithm>

namespace lexovita {

QString VokabelnVorhanden(int anzahl)
{
    return anzahl == 1 ? QStringLiteral("1 Vokabel vorhanden") : QStringLiteral("%1 Vokabeln vorhanden").arg(anzahl);
}

QString VokabelnAusgewaehlt(int anzahl)
{
    return anzahl == 1 ? QStringLiteral("1 Vokabel ausgewählt") : QStringLiteral("%1 Vokabeln ausgewählt").arg(anzahl);
}

std::vector<const TVokabel *> TestVokabeln(const TLektion &lektion, const std::vector<bool> &markiert, bool mischen,
                                           IZufall &zufall)
{
    std::vector<const TVokabel *> rest;
    for (size_t i = 0; i < lektion.vokabeln.size() && i < markiert.size(); ++i)
        if (markiert[i])
            rest.push_back(lektion.vokabeln[i].get());
    if (!mischen)
        return rest;
    std::vector<const TVokabel *> gemischt;
    gemischt.reserve(rest.size());
    while (!rest.empty()) {
        const int n = static_cast<int>(rest.size());
        // A source that answers outside the range must not read past the list.
        const int gezogen = std::clamp(zufall.Zahl(n), 0, n - 1);
        gemischt.push_back(rest[static_cast<size_t>(gezogen)]);
        rest.erase(rest.begin() + gezogen);
    }
    return gemischt;
}

} // namespace lexovita
