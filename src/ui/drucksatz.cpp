#include "ui/drucksatz.h"

#include "model/vokabel.h"
#include "render/kopffuss.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cmath>

namespace lexovita {

namespace {

constexpr double kPunkteJeZoll = 72.0;
constexpr double kKopfFussPunkte = 8.0;

QFont KopfFussSchrift()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(kKopfFussPunkte);
    return f;
}

// One span per table row, from the text of its cells out to the middle of
// the gap to the next row, the first and last row out to the table's frame:
// so a cut never takes a row's padding or border onto the next page either.
void TabellenSammeln(QTextFrame *rahmen, QAbstractTextDocumentLayout *layout,
                     std::vector<std::pair<double, double>> &einheiten)
{
    for (QTextFrame *kind : rahmen->childFrames()) {
        if (auto *tabelle = qobject_cast<QTextTable *>(kind)) {
            std::vector<std::pair<double, double>> zeilen;
            for (int r = 0; r < tabelle->rows(); ++r) {
                double oben = 1e300, unten = -1e300;
                for (int c = 0; c < tabelle->columns(); ++c) {
                    const QTextTableCell zelle = tabelle->cellAt(r, c);
                    if (!zelle.isValid())
                        continue;
                    const QTextBlock erster = zelle.firstCursorPosition().block();
                    const QTextBlock letzter = zelle.lastCursorPosition().block();
                    oben = std::min(oben, layout->blockBoundingRect(erster).top());
                    unten = std::max(unten, layout->blockBoundingRect(letzter).bottom());
                }
                if (oben < unten)
                    zeilen.emplace_back(oben, unten);
            }
            if (!zeilen.empty()) {
                const QRectF aussen = layout->frameBoundingRect(tabelle);
                for (size_t i = 0; i + 1 < zeilen.size(); ++i) {
                    const double mitte = (zeilen[i].second + zeilen[i + 1].first) / 2;
                    zeilen[i].second = mitte;
                    zeilen[i + 1].first = mitte;
                }
                zeilen.front().first = std::min(zeilen.front().first, aussen.top());
                zeilen.back().second = std::max(zeilen.back().second, aussen.bottom());
                einheiten.insert(einheiten.end(), zeilen.begin(), zeilen.end());
            }
        }
        TabellenSammeln(kind, layout, einheiten);
    }
}

} // namespace

TDrucksatz::TDrucksatz(const QString &html, const QString &bildOrdner)
    : m_geraet(1, 1, QImage::Format_ARGB32), m_dokument(std::make_unique<QTextDocument>())
{
    const int punkteJeMeter = int(std::lround(kDpi / 0.0254));
    m_geraet.setDotsPerMeterX(punkteJeMeter);
    m_geraet.setDotsPerMeterY(punkteJeMeter);
    m_dokument->documentLayout()->setPaintDevice(&m_geraet);
    // Glyph advances independent of hinting: the same lines at every resolution.
    m_dokument->setUseDesignMetrics(true);
    m_dokument->setBaseUrl(QUrl::fromLocalFile(QDir(bildOrdner).absolutePath() + QLatin1Char('/')));
    for (int sprache = 1; sprache <= 5; ++sprache) {
        const QString name = SpracheFlagge(sprache);
        const QImage bild(QDir(bildOrdner).filePath(name));
        if (!bild.isNull())
            m_dokument->addResource(QTextDocument::ImageResource, QUrl(name), bild);
    }
    m_dokument->setHtml(html);
}

TDrucksatz::~TDrucksatz() = default;

void TDrucksatz::SetKopfFuss(const QString &kopf, const QString &fuss, const QString &datum)
{
    m_kopf = kopf;
    m_fuss = fuss;
    m_datum = datum;
}

double TDrucksatz::KopfHoehe() const
{
    return m_kopf.isEmpty() ? 0.0 : kKopfFussPunkte * 2.5;
}

double TDrucksatz::FussHoehe() const
{
    return m_fuss.isEmpty() ? 0.0 : kKopfFussPunkte * 2.5;
}

void TDrucksatz::EinheitenSammeln()
{
    m_einheiten.clear();
    QAbstractTextDocumentLayout *layout = m_dokument->documentLayout();
    for (QTextBlock b = m_dokument->begin(); b.isValid(); b = b.next()) {
        const QRectF rahmen = layout->blockBoundingRect(b);
        const QTextLayout *zeilen = b.layout();
        if (!zeilen || zeilen->lineCount() == 0) {
            if (rahmen.height() > 0)
                m_einheiten.emplace_back(rahmen.top(), rahmen.bottom());
            continue;
        }
        for (int i = 0; i < zeilen->lineCount(); ++i) {
            const QRectF z = zeilen->lineAt(i).rect().translated(rahmen.topLeft());
            m_einheiten.emplace_back(z.top(), z.bottom());
        }
    }
    TabellenSammeln(m_dokument->rootFrame(), layout, m_einheiten);

    // In a table within a table the layout puts the cells' lines a little
    // above their outer table's frame, so they would reach into the entry
    // before and forbid every cut between the two (a printed test of nested
    // tables then broke only where a page was full, through an entry). What
    // lies in a top-level frame stays within it.
    std::vector<std::pair<double, double>> rahmen;
    for (QTextFrame *f : m_dokument->rootFrame()->childFrames()) {
        const QRectF r = layout->frameBoundingRect(f);
        rahmen.emplace_back(r.top(), r.bottom());
    }
    for (auto &[oben, unten] : m_einheiten) {
        const double mitte = (oben + unten) / 2;
        for (const auto &[rOben, rUnten] : rahmen)
            if (mitte >= rOben && mitte <= rUnten) {
                oben = std::max(oben, rOben);
                unten = std::min(unten, rUnten);
                break;
            }
    }
}

void TDrucksatz::Umbrechen(const QPageLayout &seite)
{
    const QRectF flaeche = seite.paintRect(QPageLayout::Point);
    m_breitePt = flaeche.width();
    m_hoehePt = flaeche.height();
    const double zuLayout = kDpi / kPunkteJeZoll;
    m_dokument->setTextWidth(m_breitePt * zuLayout);
    const double hoehe = std::max(1.0, (m_hoehePt - KopfHoehe() - FussHoehe()) * zuLayout);
    const double ende = m_dokument->size().height();

    EinheitenSammeln();
    // A cut may fall at the top of any span that no other span encloses.
    std::vector<double> erlaubt;
    erlaubt.reserve(m_einheiten.size() + 1);
    for (const auto &[oben, unten] : m_einheiten) {
        (void)unten;
        const bool innen = std::any_of(m_einheiten.begin(), m_einheiten.end(),
                                       [o = oben](const auto &e) { return o > e.first + 0.5 && o < e.second - 0.5; });
        if (!innen)
            erlaubt.push_back(oben);
    }
    // The closing program mark goes with the content before it rather than
    // alone onto a page of its own.
    const QTextBlock letzter = m_dokument->lastBlock();
    if (!letzter.text().trimmed().isEmpty()) {
        QAbstractTextDocumentLayout *layout = m_dokument->documentLayout();
        const double markeOben = layout->blockBoundingRect(letzter).top();
        // The last line of text before it; empty lines in between are no content.
        QTextBlock b = letzter.previous();
        while (b.isValid() && b.text().trimmed().isEmpty())
            b = b.previous();
        double inhaltOben = 0.0;
        if (b.isValid() && b.layout() && b.layout()->lineCount() > 0)
            inhaltOben = layout->blockBoundingRect(b).top() + b.layout()->lineAt(b.layout()->lineCount() - 1).y();
        erlaubt.erase(std::remove_if(erlaubt.begin(), erlaubt.end(),
                                     [&](double c) { return c > inhaltOben + 0.5 && c <= markeOben + 0.5; }),
                      erlaubt.end());
    }
    erlaubt.push_back(ende);
    std::sort(erlaubt.begin(), erlaubt.end());

    m_umbrueche.assign(1, 0.0);
    double y = 0.0;
    while (y < ende - 0.5) {
        // The last allowed cut that still fits; none: the span is taller
        // than a page and is cut where the page ends.
        auto it = std::upper_bound(erlaubt.begin(), erlaubt.end(), y + hoehe);
        double schnitt = y + hoehe;
        if (it != erlaubt.begin() && *std::prev(it) > y + 0.5)
            schnitt = *std::prev(it);
        schnitt = std::min(schnitt, ende);
        m_umbrueche.push_back(schnitt);
        y = schnitt;
    }
    if (m_umbrueche.size() == 1)
        m_umbrueche.push_back(ende); // an empty document still prints one page
}

void TDrucksatz::SeiteZeichnen(QPainter &painter, int n, double dpi) const
{
    if (n < 0 || n >= Seiten())
        return;
    const double proPunkt = dpi / kPunkteJeZoll;
    const double oben = m_umbrueche[size_t(n)];
    const double unten = m_umbrueche[size_t(n) + 1];

    painter.save();
    painter.translate(0, KopfHoehe() * proPunkt);
    const double skala = dpi / kDpi;
    painter.scale(skala, skala);
    painter.translate(0, -oben);
    const QRectF ausschnitt(0, oben, m_dokument->textWidth(), unten - oben);
    painter.setClipRect(ausschnitt);
    QAbstractTextDocumentLayout::PaintContext kontext;
    kontext.clip = ausschnitt;
    kontext.palette.setColor(QPalette::Text, Qt::black);
    m_dokument->documentLayout()->draw(&painter, kontext);
    painter.restore();

    painter.save();
    painter.setFont(KopfFussSchrift());
    painter.setPen(QColor(0x55, 0x55, 0x55));
    const double breite = m_breitePt * proPunkt;
    auto zeile = [&](const QString &code, const QRectF &band) {
        const TKopfFussZeile z = KopfFussAufloesen(code, m_datum, n + 1, Seiten());
        painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, z.links);
        painter.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter, z.mitte);
        painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, z.rechts);
    };
    if (!m_kopf.isEmpty())
        zeile(m_kopf, QRectF(0, 0, breite, kKopfFussPunkte * 1.5 * proPunkt));
    if (!m_fuss.isEmpty()) {
        const double h = kKopfFussPunkte * 1.5 * proPunkt;
        zeile(m_fuss, QRectF(0, m_hoehePt * proPunkt - h, breite, h));
    }
    painter.restore();
}

bool TDrucksatz::Drucken(QPrinter &drucker)
{
    Umbrechen(drucker.pageLayout());
    QPainter painter;
    if (!painter.begin(&drucker))
        return false;
    int von = 0;
    int bis = Seiten() - 1;
    if (drucker.printRange() == QPrinter::PageRange && drucker.fromPage() > 0) {
        von = drucker.fromPage() - 1;
        bis = std::min(bis, drucker.toPage() - 1);
    }
    const double dpi = drucker.resolution();
    for (int i = von; i <= bis; ++i) {
        if (i > von)
            drucker.newPage();
        SeiteZeichnen(painter, i, dpi);
    }
    return painter.end();
}

bool PdfSchreiben(TDrucksatz &satz, const QString &datei, const QString &titel)
{
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(datei);
    drucker.setDocName(titel);
    drucker.setCreator(QStringLiteral("lexovita"));
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    return satz.Drucken(drucker);
}

} // namespace lexovita
