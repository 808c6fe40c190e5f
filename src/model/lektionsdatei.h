#pragma once

#include "model/fehler.h"
#include "model/lektion.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

class QDomElement;

namespace lexovita {

// A lesson file that cannot be read: malformed XML, an unknown or misplaced
// element, a missing part or an invalid code. The German message names the line.
class TLektionsdateiFehler : public TFehler {
  public:
    TLektionsdateiFehler(int zeile, const QString &text);
    int Zeile() const { return m_zeile; }

  private:
    int m_zeile;
};

// Writes one LEKTION element with its entries (VOK) and text below the parent.
void LektionSchreiben(const TLektion &lektion, QDomElement &parent);

// A whole lesson file as UTF-8 text. The prolog is the content of
// <vorlagenOrdner>/import.dtd when that file exists, else a bare XML declaration.
QByteArray LehrbuchAlsXml(const QString &lehrbuchName, const std::vector<const TLektion *> &lektionen,
                          const QString &vorlagenOrdner);
// One lesson on its own: LEKTION directly below the root, without BUCH.
QByteArray LektionAlsXml(const TLektion &lektion, const QString &vorlagenOrdner);

// The chosen file name with ".xml" appended unless it already ends so.
QString XmlDateiname(const QString &gewaehlt);
// Writes the text to the file; throws TLektionsdateiFehler (line 0) on failure.
void XmlDateiSchreiben(const QString &datei, const QByteArray &inhalt);
// Message shown after a textbook export.
QString ExportMeldung(const QString &lehrbuchName);

// What a lesson file holds: its textbooks in file order. Lessons standing
// directly below the root form a group with ohneLehrbuch set.
struct TLehrbuchInhalt {
    QString name;
    bool ohneLehrbuch = false;
    std::vector<std::unique_ptr<TLektion>> lektionen;
};

std::vector<TLehrbuchInhalt> LektionsdateiLesen(const QByteArray &inhalt);
std::vector<TLehrbuchInhalt> LektionsdateiLaden(const QString &datei);
// The bytes of a lesson file. Only a regular file is read: a pipe would
// block for ever and a device such as /dev/zero never ends.
QByteArray LektionsdateiInhalt(const QString &datei);

} // namespace lexovita
