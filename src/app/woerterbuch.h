#pragma once

#include "model/zeilen.h"
#include "morph/laengen.h"

#include <QString>
#include <memory>
#include <vector>

namespace lexovita {

class TAnwendungskern;
class TVokabel;
class TWoerterbuchAbfrage;

// The dictionary window's state and rules: the direction, the list for the
// search text, the entries of the chosen row, the entry shown and the
// commands on it. The window shows what this holds.
class TWoerterbuch {
  public:
    explicit TWoerterbuch(TAnwendungskern &kern);
    ~TWoerterbuch();

    TWoerterbuchModus Modus() const { return m_modus; }
    // Switches the direction and searches again with the current text.
    void ModusSetzen(TWoerterbuchModus modus);
    // "Liste der Vokabeln:", "Liste der Bedeutungen:", "Liste der Merkhilfen:".
    QString ListenTitel() const;

    // Lists the rows beginning with the text, a page at a time; the entries
    // of the first row are then the chooser's.
    void Suchen(const QString &text);
    const std::vector<TWoerterbuchZeile> &Liste() const { return m_liste; }
    // The list is read in pages so a keystroke costs the same on a large
    // dictionary: the next page is read when the window scrolls near the
    // end. Returns how many rows were added.
    static constexpr int kSeite = 200;
    bool MehrVorhanden() const { return m_mehr; }
    int MehrLaden();
    // The chooser filled for a list row.
    void ZeileWaehlen(int zeile);
    const std::vector<TWoerterbuchTreffer> &Treffer() const { return m_treffer; }
    // "1 Vokabel gefunden:", "0 Vokabeln gefunden", "3 Vokabeln gefunden:",
    // and "keine Vokabel gefunden" when nothing matched. Entries are
    // counted, not the rows or memory aids that led to them.
    QString AnzahlText() const;

    // The chooser's entry shown (loaded with cross-references, memory aids
    // and special forms); null when there is none.
    void TrefferWaehlen(int index);
    int GewaehlterTreffer() const { return m_gewaehlt; }
    const TVokabel *Vokabel() const { return m_vokabel.get(); }
    // "Nächste Vokabel" / "Vorherige Vokabel", wrapping around.
    bool BlaetternMoeglich() const { return m_treffer.size() >= 2; }
    void Naechste();
    void Vorherige();
    bool FormentabelleMoeglich() const;

    // Latin text as the settings show it (laengenanzeige.h): a list row of
    // the Latin list or a chooser's headword, and the texts of one entry.
    QString AnzeigeText(const QString &latein) const;
    TLaengenAnzeige LaengenAnzeige(const TVokabel &v) const;

    // The shown entry goes to the current lesson.
    bool ZuLektionHinzufuegen();
    // Asks first; deletes the entry from the dictionary and every lesson,
    // stored and open, and searches again.
    bool Loeschen();
    // After the entry was edited elsewhere: show it again with its new data.
    void Neuladen();

  private:
    // Reads the first `anzahl` rows for the current text afresh.
    void ListeLesen(int anzahl);

    TAnwendungskern &m_kern;
    std::unique_ptr<TWoerterbuchAbfrage> m_abfrage;
    TWoerterbuchModus m_modus = TWoerterbuchModus::Latein;
    QString m_text;
    std::vector<TWoerterbuchZeile> m_liste;
    bool m_mehr = false;
    int m_zeile = -1;
    std::vector<TWoerterbuchTreffer> m_treffer;
    int m_gewaehlt = -1;
    std::unique_ptr<TVokabel> m_vokabel;
};

// The meanings as the dictionary shows them: a group per line, ", " before
// every further meaning of a group, a remark in brackets, groups set apart
// by an empty line. Sorts the entry's meanings first.
QString BedeutungenAnzeige(TVokabel &v);

} // namespace lexovita
