#pragma once

#include <QString>

namespace lexovita {

// The key a dictionary row is found by, so that a pupil's spelling finds
// the stored one. Both the stored text and the typed text are folded the
// same way, which keeps prefix searches over an index possible.
// Latin: lower case, j as i, æ/œ as ae/oe, macrons, breves and diaereses
// dropped. German (meanings, memory aids): lower case, ä/ö/ü and ae/oe/ue
// all as a/o/u, ß as ss, other accents dropped.
enum class TSuchsprache { Latein, Deutsch };
QString Suchschluessel(const QString &text, TSuchsprache sprache);

} // namespace lexovita
