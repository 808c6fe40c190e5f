#pragma once

#include "app/druckdienst.h"

#include <QDialog>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QPrintPreviewDialog;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace lexovita {

class TAnwendungskern;
class TDrucksatz;

// "Lektion drucken": what of the current lesson is printed, in which order,
// and the page header and footer; "Vorschau" and "Drucken" build the print
// document through the print service and lay it out with TDrucksatz.
class TfrmDrucken : public QDialog {
    Q_OBJECT
  public:
    TfrmDrucken(TAnwendungskern &kern, QWidget *parent = nullptr);
    ~TfrmDrucken() override;

    // Shows the window modally for the current lesson.
    static void Ausfuehren(QWidget *eltern, TAnwendungskern &kern);

    TDruckwahl Wahl() const;
    QString KopfCode() const;
    QString FussCode() const;
    // Builds the document for the current choices (and keeps it as tmp.htm in the page cache).
    std::unique_ptr<TDrucksatz> Satz();

    // The preview window and the system print dialog, replaceable so that
    // tests can look at them without a modal loop.
    std::function<void(QPrintPreviewDialog &vorschau)> vorschauZeigen;
    std::function<bool(QPrinter &drucker)> druckDialogZeigen;

    void Vorschau();
    void Drucken();

    QCheckBox *chkVokabeln;
    QCheckBox *chkText;
    QRadioButton *optVokabelnZuerst;
    QRadioButton *optTextZuerst;
    QComboBox *cmbKopfzeile;
    QComboBox *cmbKopfAusrichtung;
    QComboBox *cmbFusszeile;
    QComboBox *cmbFussAusrichtung;
    QPushButton *btnVorschau;
    QPushButton *btnDrucken;
    QPushButton *btnSchliessen;

  private:
    void AuswahlGeaendert(QCheckBox *geklickt);
    void DruckerEinrichten(QPrinter &drucker) const;

    TAnwendungskern &m_kern;
    TDruckdienst m_dienst;
};

// A file in the home folder proposed from a lesson name: characters that no
// file system takes ("Lektion 1: Auf dem Forum") become "_".
QString DateiVorschlag(const QString &name, const QString &endung);
// A printer set to A4 with the margins of the lesson print.
void DruckseiteEinrichten(QPrinter &drucker);
// The header and footer the PDF export uses: date left, "Seite x von X" right.
QString StandardKopf();
QString StandardFuss();

} // namespace lexovita
