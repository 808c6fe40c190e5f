#pragma once

#include "model/rueckfrage.h"

namespace lexovita::cli {

// The command line's answers: nobody sits at the console, so a question gets
// the answer the call itself stands for (restore means "yes, overwrite";
// init means "upgrade, without a backup dialog") when offered, and is
// refused otherwise: Abbrechen if offered, else Nein. Messages go to stderr.
class TKonsolenRueckfrage : public IRueckfrage {
  public:
    // `zustimmung`: the answer the command gives; Abbrechen for none.
    // `fragenZeigen`: the question's text goes to stderr first.
    explicit TKonsolenRueckfrage(Antwort zustimmung = Antwort::Abbrechen, bool fragenZeigen = false)
        : m_zustimmung(zustimmung), m_fragenZeigen(fragenZeigen)
    {
    }
    Antwort Frage(const QString &titel, const QString &text, int knoepfe, Antwort vorgabe, Symbol symbol) override;
    void Meldung(const QString &titel, const QString &text) override;

  private:
    Antwort m_zustimmung;
    bool m_fragenZeigen;
};

} // namespace lexovita::cli
