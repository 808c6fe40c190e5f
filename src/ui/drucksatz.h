#pragma once

#include <QImage>
#include <QString>
#include <memory>
#include <vector>

class QPainter;
class QPageLayout;
class QPrinter;
class QTextDocument;

namespace lexovita {

// Lays an HTML print document out on pages and draws them with the page
// header and footer. The preview, the printer and the PDF all call the same
// routine, so they get the same pages. Breaks fall between table rows and
// text lines; only a row taller than a whole page is cut.
class TDrucksatz {
  public:
    // bildOrdner: where the pictures named in the document (without folder) are.
    TDrucksatz(const QString &html, const QString &bildOrdner);
    ~TDrucksatz();
    TDrucksatz(const TDrucksatz &) = delete;
    TDrucksatz &operator=(const TDrucksatz &) = delete;

    // Header and footer codes (see render/kopffuss.h) and the date "&d" shows.
    void SetKopfFuss(const QString &kopf, const QString &fuss, const QString &datum);

    // Breaks the document into pages of the paint area of `seite`.
    void Umbrechen(const QPageLayout &seite);
    int Seiten() const { return int(m_umbrueche.size()) - 1; }
    // Page n (0-based) runs from Umbrueche()[n] to Umbrueche()[n + 1], in
    // layout units (kDpi per inch).
    const std::vector<double> &Umbrueche() const { return m_umbrueche; }
    // Vertical spans that must stay on one page (table rows, text lines).
    const std::vector<std::pair<double, double>> &Einheiten() const { return m_einheiten; }

    // Draws page n; the painter's origin is the top left of the paint area
    // of a device with `dpi` dots per inch.
    void SeiteZeichnen(QPainter &painter, int n, double dpi) const;
    // Breaks for the printer's page and prints the pages it asks for
    // (all, or its from/to range). False when the printer cannot be painted on.
    bool Drucken(QPrinter &drucker);

    QTextDocument &Dokument() { return *m_dokument; }

    static constexpr double kDpi = 300.0;

  private:
    void EinheitenSammeln();
    double KopfHoehe() const;
    double FussHoehe() const;

    QImage m_geraet; // fixes the layout resolution, whatever the target
    std::unique_ptr<QTextDocument> m_dokument;
    QString m_kopf, m_fuss, m_datum;
    double m_breitePt = 0, m_hoehePt = 0; // paint area
    std::vector<double> m_umbrueche;
    std::vector<std::pair<double, double>> m_einheiten;
};

// The lesson's pages as a PDF file; false when it cannot be written.
bool PdfSchreiben(TDrucksatz &satz, const QString &datei, const QString &titel);

} // namespace lexovita
