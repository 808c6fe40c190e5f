// Main window: printing and exporting the current lesson.
#include "app/anwendungskern.h"
#include "app/druckdienst.h"
#include "model/lektion.h"
#include "model/rueckfrage.h"
#include "model/uhr.h"
#include "ui/drucksatz.h"
#include "ui/frmdrucken.h"
#include "ui/frmhaupt.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace lexovita {

namespace {

QString Vorschlag(const TLektion *lektion, const QString &endung)
{
    return DateiVorschlag(lektion ? lektion->name : QString(), endung);
}

// The wait cursor ends with the scope, also when a database error is thrown.
class TWarten {
  public:
    TWarten() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWarten() { QApplication::restoreOverrideCursor(); }
    TWarten(const TWarten &) = delete;
    TWarten &operator=(const TWarten &) = delete;
};

} // namespace

void TfrmHaupt::DruckenVerbinden()
{
    druckfensterZeigen = [](TfrmDrucken &fenster) { fenster.exec(); };
    htmlDateiWaehlen = [this](const QString &vorschlag) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Als HTML-Datei exportieren"), vorschlag,
                                            QStringLiteral("HTML-Dateien (*.htm *.html)"));
    };
    pdfDateiWaehlen = [this](const QString &vorschlag) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Als PDF exportieren"), vorschlag,
                                            QStringLiteral("PDF-Dateien (*.pdf)"));
    };
    connect(Aktion(QStringLiteral("actDrucken")), &QAction::triggered, this, &TfrmHaupt::Drucken);
    connect(Aktion(QStringLiteral("actExportierenHTML")), &QAction::triggered, this, &TfrmHaupt::HtmlExportieren);
    connect(Aktion(QStringLiteral("actExportierenPDF")), &QAction::triggered, this, &TfrmHaupt::PdfExportieren);
    DruckaktionenAktualisieren();
}

void TfrmHaupt::DruckaktionenAktualisieren()
{
    const bool offen = AktuelleLektion() != nullptr;
    for (const char *n : {"actDrucken", "actExportierenHTML", "actExportierenPDF"})
        Aktivieren(n, offen);
}

void TfrmHaupt::Drucken()
{
    if (!AktuelleLektion())
        return;
    TfrmDrucken fenster(m_kern, this);
    druckfensterZeigen(fenster);
}

void TfrmHaupt::HtmlExportieren()
{
    const QString datei = htmlDateiWaehlen(Vorschlag(AktuelleLektion(), QStringLiteral(".htm")));
    if (datei.isEmpty())
        return;
    TWarten warten;
    TDruckdienst(m_kern).HtmlExportieren(datei);
}

void TfrmHaupt::PdfExportieren()
{
    const QString datei = pdfDateiWaehlen(Vorschlag(AktuelleLektion(), QStringLiteral(".pdf")));
    if (datei.isEmpty())
        return;
    TDruckdienst dienst(m_kern);
    bool geschrieben = false;
    {
        TWarten warten;
        TDrucksatz satz(dienst.Dokument(dienst.Standardwahl()), dienst.VorlagenOrdner());
        satz.SetKopfFuss(StandardKopf(), StandardFuss(), m_kern.Uhr().Heute().toString(QStringLiteral("dd.MM.yyyy")));
        geschrieben = PdfSchreiben(satz, datei, dienst.Lektionsname());
    }
    if (!geschrieben)
        m_kern.Rueckfrage().Meldung(
            ProgrammTitel(),
            QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden.").arg(QDir::toNativeSeparators(datei)));
}

} // namespace lexovita
