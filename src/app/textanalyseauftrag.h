#pragma once

#include "app/auftrag.h"
#include "textmode/textanalyse.h"

#include <QString>

namespace lexovita {

// The background analysis of a lesson text: every word analysed against the
// database on the job's own connection, with a freshly cleared forms
// manager per word. A cancel ends the analysing, not the layout: the job
// still succeeds, with `Ergebnis().vollstaendig` false.
class TTextanalyseAuftrag : public TAuftrag {
  public:
    // `text` is the lesson text as one string (TLektion::TextAlsString).
    explicit TTextanalyseAuftrag(QString text) : m_text(std::move(text)) {}
    void Ausfuehren(TAuftragsKontext &kontext) override;

    TTextanalyse &Ergebnis() { return m_ergebnis; }

  private:
    QString m_text;
    TTextanalyse m_ergebnis;
};

} // namespace lexovita
