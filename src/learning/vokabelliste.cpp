#include "learning/vokabelliste.h"

#include "model/lektion.h"

#include <QSet>
#include <algorithm>

namespace lexovita {

TTextbereich ListenBereich(int textLaenge, bool ganzerText, int auswahlAnfang, int auswahlLaenge)
{
    if (ganzerText)
        return {0, std::max(textLaenge, 0)};
    const int anfang = std::clamp(auswahlAnfang, 0, std::max(textLaenge, 0));
    const int ende = std::clamp(anfang + std::abs(auswahlLaenge), anfang, std::max(textLaenge, 0));
    return {anfang, ende - anfang};
}

const TVokabel *TGefundeneVokabeln::Vokabel(int32_t id) const
{
    for (const auto &v : vokabeln)
        if (v->id == id)
            return v.get();
    return nullptr;
}

TGefundeneVokabeln VokabelListeSammeln(const QString &text, TTextbereich bereich, const TWortVokabelnFn &analysieren,
                                       const std::function<bool()> &abbruch,
                                       const std::function<void(int prozent)> &fortschritt)
{
    TGefundeneVokabeln ergebnis;
    QSet<int32_t> ids;
    const int anfang = std::clamp(bereich.anfang, 0, static_cast<int>(text.size()));
    const int ende = std::clamp(anfang + bereich.laenge, anfang, static_cast<int>(text.size()));
    int p = anfang;
    while (p < ende) {
        if (abbruch && abbruch()) {
            ergebnis.vollstaendig = false;
            break;
        }
        int grenze = p;
        while (grenze < text.size() && !TLektion::IstWortgrenze(text[grenze]))
            ++grenze;
        if (const QString wort = TLektion::WortAn(text, p); !wort.isEmpty()) {
            for (const TVokabel *v : analysieren(wort)) {
                if (!v || ids.contains(v->id))
                    continue;
                ids.insert(v->id);
                auto kopie = std::make_unique<TVokabel>();
                v->KopierenNach(*kopie);
                ergebnis.vokabeln.push_back(std::move(kopie));
            }
        }
        p = grenze + 1;
        if (fortschritt && ende > anfang)
            fortschritt(static_cast<int>(static_cast<qint64>(std::min(p, ende) - anfang) * 100 / (ende - anfang)));
    }
    return ergebnis;
}

bool VokabelnUebernehmen(TLektion &ziel, const TGefundeneVokabeln &gefunden, const std::vector<int32_t> &gewaehlt,
                         TListenZiel art, bool doppelteVermeiden)
{
    bool geaendert = false;
    QSet<int32_t> vorhanden;
    if (art == TListenZiel::Hinzufuegen && doppelteVermeiden)
        for (const auto &v : ziel.vokabeln)
            vorhanden.insert(v->id);
    if (art == TListenZiel::Ueberschreiben && !ziel.vokabeln.empty()) {
        ziel.vokabeln.clear();
        geaendert = true;
    }
    for (int32_t id : gewaehlt) {
        const TVokabel *v = gefunden.Vokabel(id);
        if (!v || vorhanden.contains(id))
            continue;
        auto kopie = std::make_unique<TVokabel>();
        v->KopierenNach(*kopie);
        ziel.VokabelAnhaengen(std::move(kopie));
        geaendert = true;
    }
    return geaendert;
}

} // namespace lexovita
