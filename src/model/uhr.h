#pragma once

#include <QDate>
#include <QDateTime>
#include <cstdint>
#include <random>

namespace lexovita {

// The time as the program sees it. Everything that stamps or schedules asks
// this instead of the system, so tests can fix the time.
class IUhr {
  public:
    virtual ~IUhr() = default;
    virtual QDateTime Jetzt() const = 0;
    QDate Heute() const { return Jetzt().date(); }
};

class TSystemUhr final : public IUhr {
  public:
    QDateTime Jetzt() const override { return QDateTime::currentDateTime(); }
    // The one system clock, for callers that are given none.
    static const IUhr &Instanz();
};

// A clock that stands still until it is set or moved on.
class TFesteUhr final : public IUhr {
  public:
    explicit TFesteUhr(QDateTime zeit) : m_zeit(std::move(zeit)) {}
    QDateTime Jetzt() const override { return m_zeit; }
    void Setzen(const QDateTime &zeit) { m_zeit = zeit; }
    void Vorstellen(qint64 sekunden) { m_zeit = m_zeit.addSecs(sekunden); }

  private:
    QDateTime m_zeit;
};

// Random choices (shuffling, picking the next entry of a drill).
class IZufall {
  public:
    virtual ~IZufall() = default;
    // A whole number in [0, anzahl); 0 when anzahl <= 1.
    virtual int Zahl(int anzahl) = 0;
};

// Drawn from the system's entropy once, then a fast generator.
class TSystemZufall final : public IZufall {
  public:
    TSystemZufall();
    int Zahl(int anzahl) override;

  private:
    std::mt19937 m_gen;
};

// The same sequence for the same seed on every platform: the draw does not
// rely on the standard library's distributions, whose results differ
// between implementations.
class TFesterZufall final : public IZufall {
  public:
    explicit TFesterZufall(uint32_t saat = 1) : m_gen(saat) {}
    int Zahl(int anzahl) override;

  private:
    std::mt19937 m_gen;
};

} // namespace lexovita
