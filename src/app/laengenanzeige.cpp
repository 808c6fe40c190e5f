#include "app/laengenanzeige.h"

#include "model/config.h"

namespace lexovita {

TLaengenAnzeige LaengenAnzeige(const TConfig &config)
{
    return {config.Laengen, config.Betonung};
}

TLaengenAnzeige LaengenAnzeige(const TConfig &config, const TVokabel &eintrag)
{
    return LaengenAnzeige(config).Fuer(eintrag);
}

QString AnzeigeText(QStringView text, const TConfig &config, const TVokabel &eintrag)
{
    return LaengenZeigen(text, LaengenAnzeige(config, eintrag));
}

QString AnzeigeText(QStringView text, const TConfig &config)
{
    return LaengenZeigen(text, {config.Laengen, config.Betonung && HatLaengen(text)});
}

} // namespace lexovita
