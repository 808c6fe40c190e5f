#include "konsolenrueckfrage.h"

#include <cstdio>

namespace lexovita::cli {

namespace {

int Knopf(Antwort a)
{
    switch (a) {
    case Antwort::Ja:
        return KN_JA;
    case Antwort::Nein:
        return KN_NEIN;
    case Antwort::Abbrechen:
        return KN_ABBRECHEN;
    case Antwort::Ok:
        return KN_OK;
    }
    return 0;
}

} // namespace

Antwort TKonsolenRueckfrage::Frage(const QString &, const QString &text, int knoepfe, Antwort vorgabe, Symbol)
{
    if (m_fragenZeigen)
        Meldung(QString(), text);
    if (knoepfe & Knopf(m_zustimmung))
        return m_zustimmung;
    if (knoepfe & KN_ABBRECHEN)
        return Antwort::Abbrechen;
    if (knoepfe & KN_NEIN)
        return Antwort::Nein;
    return vorgabe;
}

void TKonsolenRueckfrage::Meldung(const QString &, const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(stderr, "%s\n", t.toUtf8().constData());
}

} // namespace lexovita::cli
