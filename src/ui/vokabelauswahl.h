#pragma once

#include "model/vokabel.h"

#include <QWidget>
#include <memory>
#include <vector>

class QLabel;
class QPushButton;
class QTreeView;

namespace lexovita {

class TAnkreuzModell;

// A list of entries to tick, with the count lines "… Vokabeln vorhanden" and
// "… ausgewählt" and a button that ticks them all. The word list from the
// text and the printed vocabulary test choose their entries with it.
class TVokabelauswahl : public QWidget {
    Q_OBJECT
  public:
    struct Texte {
        QString bedeutungenKopf; // heading of the meanings column
        QString listenName;      // accessible name of the list
        QString alleAuswaehlen;  // caption of the button, with its mnemonic
    };

    // `sortieren`: the user may sort by a column; otherwise the rows stay in
    // the order they were given, which Markiert() reports.
    TVokabelauswahl(QWidget *parent, const Texte &texte, bool sortieren);

    // Replaces the rows: one unticked row per entry, its id kept with the row.
    void Fuellen(const std::vector<std::unique_ptr<TVokabel>> &vokabeln);
    void Leeren();
    void AlleAuswaehlen();

    // One flag per row, in row order.
    std::vector<bool> Markiert() const;
    // The ids of the ticked rows, in row order.
    std::vector<int32_t> MarkierteIds() const;

    QTreeView *lvwVokabeln;
    TAnkreuzModell *mdlVokabeln;
    QLabel *lblAnzahl;
    QLabel *lblAuswahl;
    QPushButton *btnAlleAuswaehlen;

  signals:
    // After every change of the ticks, with the number ticked.
    void auswahlGeaendert(int anzahl);

  private:
    void AuswahlZaehlen();
};

} // namespace lexovita
