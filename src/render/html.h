#pragma once

#include <QString>
#include <QStringList>

namespace lexovita {

// Text from the user (headwords, meanings, aids, lesson text) goes into
// generated pages through this, so a meaning like "<b>" or "Hin & Her"
// shows as typed instead of breaking the page.
QString HtmlMaskieren(const QString &text);

// The templates folder of the running program (see TPfade).
QString VorlagenOrdner();

// Reads a template as lines (UTF-8). A missing or unreadable file counts as
// an empty template.
QStringList VorlageLesen(const QString &pfad);

// The whole file as one text, empty if it is missing (the text blocks of the
// printed test are inserted in one piece).
QString VorlageText(const QString &pfad);

// Writes the lines joined by line breaks as UTF-8; false if the file cannot
// be written.
bool DokumentSpeichern(const QString &pfad, const QStringList &zeilen);

// Writes a generated page for the user's browser to `datei` (in the page
// cache), with a <base href> to the templates folder so its pictures resolve
// there; makes the folder when missing. False if it cannot be written.
bool SeiteZwischenspeichern(const QString &datei, const QStringList &zeilen, const QString &vorlagenOrdner);

// Replaces every occurrence of a plain marker such as "<!-- #Vokabel -->".
// The value is inserted literally: "$1" or "\\" in user text stay as they are.
QString MarkerErsetzen(const QString &zeile, const QString &marker, const QString &wert);

// The footer line that closes printed documents and test sheets.
QString DokumentFusszeile();

} // namespace lexovita
