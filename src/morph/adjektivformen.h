#pragma once

#include "morph/formenmanager.h"

namespace lexovita {

// Declined forms with a gender: adjectives in three degrees, the adverb of
// an adjective, the verb's participles and gerundive. The gender comes from
// the selector (0x20000 m, 0x40000 f, anything else n), one gender per call;
// the case group filters (0 = all ten). Special forms are not applied here.

// Adverb bit set: the adverb (degree 0 = all three); else by degree; a
// selector without degree yields nothing.
void AdjektivformenErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);
void PositivErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);
void KomparativErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);
void SuperlativErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);
void AdjektivAdverbErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);

void PartizipPraesensErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);
void PartizipFuturErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);
// Voice from the selector: 0x100 Aktiv, anything else Passiv.
void PartizipPerfektErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);
void GerundivumErzeugen(TFormenmanager &m, const TVokabel &v, int32_t selektor);

} // namespace lexovita
