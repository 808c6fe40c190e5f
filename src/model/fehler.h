#pragma once

#include <QString>
#include <exception>
#include <stdexcept>

namespace lexovita {

// Base of the program's own errors. Each carries a German text meant for the
// user; what() holds the same text as UTF-8 for logs.
class TFehler : public std::runtime_error {
  public:
    explicit TFehler(const QString &meldung) : std::runtime_error(meldung.toStdString()), m_meldung(meldung) {}
    const QString &Meldung() const { return m_meldung; }

  private:
    QString m_meldung;
};

// The German text for any exception, as error boxes and the console show it:
// Meldung() of our own errors, what() read as UTF-8 otherwise.
QString FehlerMeldung(const std::exception &e);

// Error of the database engine or of the database file, with a German text
// meant for the user. `code` is the engine's result code (0 if none).
class DatenbankFehler : public TFehler {
  public:
    explicit DatenbankFehler(const QString &meldung, int code = 0) : TFehler(meldung), m_code(code) {}
    int Code() const { return m_code; }

  private:
    int m_code;
};

} // namespace lexovita
