#include "model/uhr.h"

namespace lexovita {

namespace {

// Rejection sampling keeps every number equally likely.
int Ziehen(std::mt19937 &gen, int anzahl)
{
    if (anzahl <= 1)
        return 0;
    const uint32_t n = static_cast<uint32_t>(anzahl);
    const uint32_t grenze = UINT32_MAX - (UINT32_MAX % n);
    uint32_t w;
    do
        w = static_cast<uint32_t>(gen());
    while (w >= grenze);
    return static_cast<int>(w % n);
}

} // namespace

const IUhr &TSystemUhr::Instanz()
{
    static const TSystemUhr uhr;
    return uhr;
}

TSystemZufall::TSystemZufall() : m_gen(std::random_device{}()) {}

int TSystemZufall::Zahl(int anzahl)
{
    return Ziehen(m_gen, anzahl);
}

int TFesterZufall::Zahl(int anzahl)
{
    return Ziehen(m_gen, anzahl);
}

} // namespace lexovita
