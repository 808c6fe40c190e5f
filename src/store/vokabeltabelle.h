#pragma once

#include "store/schicht.h"

#include "model/lektion.h"
#include "model/lektionsdatei.h"
#include "model/zeilen.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace lexovita {

// Reads a word list. The first line names the columns (in any order, case
// and spelling variants ignored): "Vokabel"/"Latein"/"Lateinisch",
// "Stammformen"/"Formen", "Bedeutung(en)"/"Deutsch", and optionally
// "Wortart", "Lektion", "Lehrbuch", "Merkhilfen", plus the columns of the
// export ("Klasse", "Genus", "Merkmale", "Verweise", "Sonderformen",
// "Position", "Lektionstext", "Notizen"). A file without such a line is read as
// Latin, forms, German when it has three columns.
//
// A row without the export's "Klasse" column gets word class, inflection
// class and flags from its principal parts (KlasseErmitteln); an ambiguous
// row is bad, not guessed. Meanings separated by ";" form groups, by ","
// meanings within a group; "[...]" after a meaning is its remark; a
// backslash takes the next character literally.
//
// Rows go into the lesson of their "Lektion" cell, else `dateiLektion`, in
// the textbook `lehrbuch` when it is given, else that of their "Lehrbuch"
// cell, else "Importierte Lektionen". Throws TLektionsdateiFehler when the
// file as a whole cannot be read (unclosed quote, no usable columns).
TVokabeltabelle VokabeltabelleLesen(const QByteArray &inhalt, const QString &dateiLektion,
                                    const QString &lehrbuch = {});

// A textbook as a word list: UTF-8 with BOM, ";"-separated, CR LF, a header
// line and one row per entry of every lesson, with everything the reader
// needs to recreate entries and lessons. Entries must carry their special
// forms and cross-references.
QByteArray VokabeltabelleSchreiben(const QString &lehrbuch, const std::vector<const TLektion *> &lektionen);

// Texts of the cells, for the export and its tests.
QString BedeutungenZelle(const TVokabel &v);
QString StammformenZelle(const TVokabel &v);

} // namespace lexovita
