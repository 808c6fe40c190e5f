#pragma once

#include "store/schicht.h"

#include "model/fehler.h"

namespace lexovita {

// DatenbankFehler, which the services pass on to the windows and the
// command line, is in model/fehler.h.

// A text that cannot be converted (time stamps).
class KonvertierungsFehler : public TFehler {
  public:
    explicit KonvertierungsFehler(const QString &meldung) : TFehler(meldung) {}
};

} // namespace lexovita
