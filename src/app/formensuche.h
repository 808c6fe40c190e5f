#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "textmode/suchen.h"

namespace lexovita {

class TAnalysedienst;
class TAnwendungskern;
class TWortanalyse;

// "In Formen suchen": finds the words of a text that are inflected forms of
// the entries with a given headword. Owns its own analysis over the core's
// analysis service; the search window holds one while it is shown.
class TFormensuche {
  public:
    explicit TFormensuche(TAnwendungskern &kern);
    ~TFormensuche();
    TFormensuche(const TFormensuche &) = delete;
    TFormensuche &operator=(const TFormensuche &) = delete;

    // The next word of `text` from `cursor` on in the direction that is a
    // form of an entry whose headword, trimmed, is `stichwort`. A word counts
    // only when `stichwort` is the headword in lower case as stored.
    std::optional<TFundstelle> Suchen(const QString &text, int cursor, bool nachOben, const QString &stichwort);

  private:
    TAnalysedienst &m_dienst;
    std::unique_ptr<TWortanalyse> m_analyse;
};

} // namespace lexovita
