#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

namespace lexovita {

// One record of a CSV file: its fields and the line it starts on (1-based);
// a quoted field may span several lines.
struct TCsvZeile {
    int zeile = 0;
    QStringList felder;
};

// A CSV file as spreadsheet programs write it, decoded and split.
struct TCsvTabelle {
    QChar trenner = QLatin1Char(';');
    bool bom = false;              // started with the UTF-8 byte-order mark
    bool windows1252 = false;      // not valid UTF-8, read as Windows-1252
    std::vector<TCsvZeile> zeilen; // empty lines left out
};

// Reads UTF-8 (with or without BOM) or, when the bytes are not valid UTF-8,
// Windows-1252; CRLF, LF or CR line ends; fields in double quotes with
// doubled quotes and line breaks inside (a line break inside a field
// becomes "\n"). The separator (";", "," or tab) is the one that splits the
// first lines into the same number of fields, tab before ";" before ",".
// An opening quote that is never closed throws TLektionsdateiFehler with its line.
TCsvTabelle CsvLesen(const QByteArray &inhalt);

// The separator that splits the text's first records most evenly.
QChar CsvTrennerErkennen(const QString &text);

// Text of a Windows-1252 file.
QString Windows1252Lesen(const QByteArray &bytes);

// True for bytes that look like a table rather than a lesson file: not
// starting (after BOM and blanks) with "<".
bool SiehtNachCsvAus(const QByteArray &inhalt);

// One field for a file with this separator: quoted when it holds the
// separator, a quote, a line break or blanks at its ends; a text starting
// with "=", "+", "-", "@", tab or CR gets a leading apostrophe so that a
// spreadsheet shows it instead of running it as a formula.
QString CsvFeld(const QString &text, QChar trenner);
// Reverses the apostrophe CsvFeld put in front of formula-looking text.
QString CsvFeldZurueck(const QString &feld);
// A record: fields joined by the separator, ended by CR LF.
QString CsvDatensatz(const QStringList &felder, QChar trenner);

} // namespace lexovita
