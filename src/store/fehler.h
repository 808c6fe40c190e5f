#pragma once

#include <QString>
#include <stdexcept>

namespace lexovita {

// Error of the database engine or of the database file, with a German text
// meant for the user. `code` is the engine's result code (0 if none).
class DatenbankFehler : public std::runtime_error {
public:
    explicit DatenbankFehler(const QString &meldung, int code = 0)
        : std::runtime_error(meldung.toStdString()), meldung_(meldung), code_(code) {}
    const QString &Meldung() const { return meldung_; }
    int Code() const { return code_; }

private:
    QString meldung_;
    int code_;
};

// A text that cannot be converted (time stamps).
class KonvertierungsFehler : public std::runtime_error {
public:
    explicit KonvertierungsFehler(const QString &meldung)
        : std::runtime_error(meldung.toStdString()), meldung_(meldung) {}
    const QString &Meldung() const { return meldung_; }

private:
    QString meldung_;
};

} // namespace lexovita
