#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace lexovita {

class TAnwendungskern;
class TLektion;

// What the print window prints of a lesson.
struct TDruckwahl {
    bool vokabeln = true;
    bool text = true;
    bool textZuerst = false; // with both: the text before the entries
};

// The options of the printed vocabulary test.
struct TTestwahl {
    bool mischen = false;     // "Vokabeln mischen"
    bool stammformen = false; // "Stammformen abfragen"
    bool konjDekl = false;    // "Konjugation bzw. Deklination abfragen"
};

// Prepares the print document of the current lesson for the print window,
// the preview and the exports: special forms loaded from the database, the
// templates and flag pictures taken from the program's vorlagen folder.
// Rendering and paper belong to the windows; this builds the HTML only.
class TDruckdienst {
  public:
    // The core must outlive the service.
    explicit TDruckdienst(TAnwendungskern &kern);

    const TLektion *Lektion() const;
    QString Lektionsname() const;
    bool HatVokabeln() const;
    bool HatText() const;
    // Everything the lesson has, entries first.
    TDruckwahl Standardwahl() const;

    // The templates and pictures: vorlagen/ in the program data folder.
    QString VorlagenOrdner() const;
    // tmp.htm in the page cache, the last generated print document.
    QString TmpDatei() const;

    // The print document of the current lesson for the choice, as HTML with
    // the flags as pictures (file names relative to VorlagenOrdner()). Empty
    // without a current lesson.
    QString Dokument(const TDruckwahl &wahl);
    // The same, also kept as tmp.htm in the page cache. A cache that cannot
    // be written does not stop printing: the text is returned all the same,
    // the user is told once and TmpGeschrieben() tells.
    QString Erzeugen(const TDruckwahl &wahl);
    bool TmpGeschrieben() const { return m_tmpGeschrieben; }

    // "Als HTML-Datei exportieren...": the print document of everything the
    // lesson has, saved to `datei`, with the flag pictures it shows copied
    // beside it. False after telling the user what could not be written.
    bool HtmlExportieren(const QString &datei);

    // The printed vocabulary test of the checked entries of `lektion` (entry
    // i stands for `markiert[i]`) from vokabeltest.htm and the three
    // inflection-class texts; mixed anew on every call when so chosen. Also
    // kept in the page cache; see TmpGeschrieben().
    QString Vokabeltest(const TLektion &lektion, const std::vector<bool> &markiert, const TTestwahl &wahl);

  private:
    QStringList Zeilen(const TDruckwahl &wahl);

    TAnwendungskern &m_kern;
    bool m_tmpGeschrieben = false;
};

} // namespace lexovita
