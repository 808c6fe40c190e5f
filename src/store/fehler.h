#pragma once

#include "model/fehler.h"

namespace lexovita {

// Error of the database engine or of the database file, with a German text
// meant for the user. `code` is the engine's result code (0 if none).
class DatenbankFehler : public TFehler {
  public:
    explicit DatenbankFehler(const QString &meldung, int code = 0) : TFehler(meldung), m_code(code) {}
    int Code() const { return m_code; }

  private:
    int m_code;
};

// A text that cannot be converted (time stamps).
class KonvertierungsFehler : public TFehler {
  public:
    explicit KonvertierungsFehler(const QString &meldung) : TFehler(meldung) {}
};

} // namespace lexovita
