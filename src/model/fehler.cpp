#include "model/fehler.h"

namespace lexovita {

QString FehlerMeldung(const std::exception &e)
{
    if (const auto *f = dynamic_cast<const TFehler *>(&e))
        return f->Meldung();
    return QString::fromUtf8(e.what());
}

} // namespace lexovita
