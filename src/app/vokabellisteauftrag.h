#pragma once

#include "app/auftrag.h"
#include "learning/vokabelliste.h"

#include <QString>

namespace lexovita {

// "Vokabelliste aus Text erstellen": the words of a range of the lesson text
// analysed against the database on the job's own connection, each with a
// freshly cleared forms manager, and every entry met listed once. A cancel
// ends the walk; the job still succeeds with what was found until then
// (`Ergebnis().vollstaendig` false).
class TVokabellisteAuftrag : public TAuftrag {
  public:
    // `text` is the lesson text as one string (TLektion::TextAlsString).
    TVokabellisteAuftrag(QString text, TTextbereich bereich) : m_text(std::move(text)), m_bereich(bereich) {}
    void Ausfuehren(TAuftragsKontext &kontext) override;

    TGefundeneVokabeln &Ergebnis() { return m_ergebnis; }

  private:
    QString m_text;
    TTextbereich m_bereich;
    TGefundeneVokabeln m_ergebnis;
};

} // namespace lexovita
