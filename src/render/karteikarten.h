#pragma once

#include "model/lektion.h"
#include "morph/formenmanager.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <vector>

namespace lexovita {

// The word classes whose notes get a forms table when nothing else is chosen.
QSet<int32_t> KarteikartenFormenVorgabe();

// A textbook as a tab-separated text file for flash-card apps: the header
// lines "#separator:tab", "#html:true", "#notetype column:1",
// "#deck column:2", "#tags column:6", then one note per entry (an entry in
// several lessons once, in the deck of its first lesson, with the tags of
// all). Fields: note type "lexovita", deck "lexovita::<Lehrbuch>::<Lektion>",
// front (Latin with principal parts and class), back (meanings by group and
// memory aids), a compact forms table for entries whose word class is in
// `formenFuer` (else empty), tags (textbook and lesson, blanks replaced by
// "_"). Every text is HTML-escaped; tabs and line breaks never reach a field.
// Entries must carry their special forms.
QByteArray KarteikartenSchreiben(const QString &lehrbuch, const std::vector<const TLektion *> &lektionen,
                                 TFormenmanager &manager, const QSet<int32_t> &formenFuer);

// The forms table of one entry as compact HTML (no attributes, no line
// breaks), empty for word classes without one.
QString FormenHtml(TFormenmanager &manager, const TVokabel &v);

} // namespace lexovita
