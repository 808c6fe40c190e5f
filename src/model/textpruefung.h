#pragma once

#include "model/fehler.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace lexovita {

class TLektion;
class TVokabel;

// Limits of stored texts: enough for any real entry, lesson or textbook,
// small enough that a hostile file cannot fill memory or the disk.
inline constexpr qsizetype kMaxWortLaenge = 1000;           // headword, form, meaning, remark, memory aid
inline constexpr qsizetype kMaxLektionstextLaenge = 100000; // a lesson's text or notes
inline constexpr qsizetype kMaxNamenLaenge = 200;           // a lesson or textbook name

// A text that may not be stored: a character XML 1.0 cannot hold or a text
// over its limit. The message is German and names the field.
class TTextFehler : public TFehler {
  public:
    using TFehler::TFehler;
};

// Index of the first character XML 1.0 cannot hold (C0 controls other than
// tab, line feed and carriage return; U+FFFE, U+FFFF; lone surrogates), or
// -1. Such a text written into a lesson file makes the file unreadable.
qsizetype UnzulaessigesZeichen(QStringView text);
// "U+0001" for the character at `index`.
QString ZeichenName(QStringView text, qsizetype index);

// The German complaint about `text` in the field called `feld`, or an
// empty string when the text may be stored.
QString TextMangel(QStringView text, const QString &feld, qsizetype maxLaenge);
// Throws TTextFehler with TextMangel's message.
void TextPruefen(QStringView text, const QString &feld, qsizetype maxLaenge);

// Every text of an entry (headword, forms, meanings and remarks, memory
// aids, special forms) and of a lesson (name, text, notes; not its entries).
void VokabelPruefen(const TVokabel &vokabel);
void LektionPruefen(const TLektion &lektion);

// For writing stored text into a lesson file: characters XML cannot hold
// become U+FFFD and the text is cut to `maxLaenge`, so the file always
// reads again.
QString XmlTauglich(const QString &text, qsizetype maxLaenge);

// For a line of tab-separated output: tab, line breaks, backslash and every
// other control character as a backslash escape ("\t", "\n", "\r", "\\",
// "\x1b"), so a field can neither split the line nor steer a terminal.
QString TsvFeld(const QString &text);

} // namespace lexovita
