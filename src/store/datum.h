#pragma once

#include "store/schicht.h"

#include "model/uhr.h"

#include <QDateTime>
#include <QString>

namespace lexovita {

// Time stamps are stored as text "yyyymmddhhnnss" (n = minute).
inline constexpr const char *kZeitstempelFormat = "yyyymmddhhnnss";

// The clock's local date and time as "yyyymmddhhnnss".
QString DatumJetzt(const IUhr &uhr);
// The date-time of a "yyyymmddhhnnss" text; throws KonvertierungsFehler.
QDateTime DatumLesen(const QString &text);
// Reads `text` position by position under `format`: y year, m month, d day,
// h hour, n minute, s second, other format characters are skipped. Throws
// KonvertierungsFehler when the lengths differ, a digit is not numeric or
// the date or time is impossible.
QDateTime DatumNachFormat(const QString &text, const QString &format);

} // namespace lexovita
