#pragma once

#include <QString>
#include <vector>

namespace lexovita {

class IZufall;
class TLektion;
class TVokabel;

// The count lines of the word lists: "1 Vokabel vorhanden",
// "3 Vokabeln vorhanden", "0 Vokabeln ausgewählt".
QString VokabelnVorhanden(int anzahl);
QString VokabelnAusgewaehlt(int anzahl);

// The entries of a printed vocabulary test, in the order they go on the
// sheet: the checked positions of the lesson (`markiert[i]` stands for entry
// i; missing flags count as unchecked), kept in lesson order or, with
// `mischen`, drawn one by one uniformly from the positions still left. Every
// call draws anew, so each preview of a mixed test has its own order.
std::vector<const TVokabel *> TestVokabeln(const TLektion &lektion, const std::vector<bool> &markiert, bool mischen,
                                           IZufall &zufall);

} // namespace lexovita
