#pragma once

#include <QString>
#include <QStringList>

namespace lexovita {

class IRueckfrage;

// Keeps the last generated page (entry, analysis, forms table, print) as
// tmp.htm in the page cache of TPfade, for the user's browser. The windows
// show the page from memory, so a failed write spoils nothing on screen; it
// is logged every time and told to the user once per run through
// `rueckfrage` (when given), since every later page would fail the same way.
bool SeiteImCacheAblegen(const QStringList &zeilen, const QString &vorlagenOrdner, IRueckfrage *rueckfrage);

} // namespace lexovita
