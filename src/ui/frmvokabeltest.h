#pragma once

#include "app/druckdienst.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeView;

namespace lexovita {

class TAnwendungskern;
class TDrucksatz;
class TLektion;
class TVokabelauswahl;

// "Vokabeltest": which entries of the lesson go on the printed test, in
// which order and with which extra rows; the page "Vorschau" shows the
// sheet as it will be printed. The sheet is built by the print service.
class TfrmVokabeltest : public QDialog {
    Q_OBJECT
  public:
    // Lesson and core must outlive the window.
    TfrmVokabeltest(QWidget *parent, TAnwendungskern &kern, const TLektion &lektion);
    ~TfrmVokabeltest() override;

    enum Seite { SeiteVokabeln, SeiteEinstellungen, SeiteVorschau };

    // The chosen entries: one flag per row, in lesson order.
    std::vector<bool> Markiert() const;
    TTestwahl Wahl() const;
    // Builds the sheet anew (a mixed test gets a new order) for preview and printing.
    std::unique_ptr<TDrucksatz> Satz();
    // The pages the preview shows; 0 before it was first shown.
    int VorschauSeiten() const;
    // The text of the sheet the preview shows.
    QString VorschauText() const;

    void AlleAuswaehlen();
    void Drucken();
    void PdfSpeichern();

    // The system print dialog and the PDF file choice, replaceable so that
    // tests run without a modal window.
    std::function<bool(QPrinter &drucker)> druckDialogZeigen;
    std::function<QString(const QString &vorschlag)> pdfDateiWaehlen;

    QTabWidget *pgcSeiten;
    QTreeView *lvwVokabeln;
    QLabel *lblAnzahl;
    QLabel *lblAuswahl;
    QPushButton *btnAlleAuswaehlen;
    QRadioButton *optReihenfolge;
    QRadioButton *optMischen;
    QCheckBox *chkStammformen;
    QCheckBox *chkKonjDekl;
    QPrintPreviewWidget *pvwVorschau;
    QPushButton *btnDrucken;
    QPushButton *btnPdf;
    QPushButton *btnSchliessen;
    QPushButton *btnHilfe;

  public slots:
    void done(int ergebnis) override;

  private:
    void SeiteGewechselt(int seite);
    void VorschauAufbauen();

    TAnwendungskern &m_kern;
    const TLektion &m_lektion;
    TVokabelauswahl *m_auswahl;
    TDruckdienst m_dienst;
    std::unique_ptr<QPrinter> m_drucker;    // page of the preview
    std::unique_ptr<TDrucksatz> m_vorschau; // what the preview shows
};

} // namespace lexovita
