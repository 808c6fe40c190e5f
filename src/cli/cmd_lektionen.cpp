// Commands on lesson files: import and export.

#include "befehle.h"

#include "app/start.h"
#include "cmd_austausch.h"

#include "app/anwendungskern.h"
#include "app/datenzugang.h"
#include "app/importauftrag.h"
#include "app/tabellenaustausch.h"
#include "konsolenrueckfrage.h"
#include "model/fehler.h"
#include "model/lektionsdatei.h"
#include "model/pfade.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace lexovita::cli {

namespace {

int Import(const Aufruf &aufruf)
{
    if (IstTabellenImport(aufruf))
        return TabellenImport(aufruf);
    if (aufruf.argumente.isEmpty()) {
        Fehler(QStringLiteral("import erwartet mindestens eine Lektionsdatei."));
        return 2;
    }
    for (const QString &datei : aufruf.argumente)
        if (datei.startsWith(QLatin1String("--"))) {
            Fehler(QStringLiteral("import: unbekanntes Argument „%1“.").arg(datei));
            return 2;
        }
    try {
        // Scripts rely on import creating the database; a mistyped folder must not go unnoticed.
        if (!TDatenzugang::Vorhanden(aufruf.datenOrdner))
            std::fprintf(stderr, "%s\n",
                         QStringLiteral("Im Ordner „%1“ ist keine Datenbank; es wird eine neue angelegt.")
                             .arg(QDir::toNativeSeparators(aufruf.datenOrdner))
                             .toUtf8()
                             .constData());
        TKonsolenRueckfrage rueckfrage;
        TDatenzugang zugang(aufruf.datenOrdner, TDatenzugang::Modus::AnlegenWennNoetig, rueckfrage);
        if (!Bereit(zugang))
            return 1;
        TImportErgebnis gesamt;
        int fehler = 0;
        // The window's import job; each file is kept or dropped as a whole,
        // one bad file does not stop the others.
        for (const QString &datei : aufruf.argumente) {
            const QString name = QFileInfo(datei).fileName();
            TDateiImportAuftrag auftrag(datei);
            QString meldung;
            if (zugang.AuftragAusfuehren(auftrag, &meldung) == TAuftragsausgang::Erfolg) {
                gesamt += auftrag.Ergebnis();
                Ausgabe(QStringLiteral("%1: %2").arg(name, ImportZusammenfassung(auftrag.Ergebnis())));
            } else {
                Fehler(QStringLiteral("%1: %2 Die Datei wurde nicht importiert.").arg(name, meldung));
                ++fehler;
            }
        }
        if (aufruf.argumente.size() > 1)
            Ausgabe(QStringLiteral("Gesamt: %1").arg(ImportZusammenfassung(gesamt)));
        return fehler == 0 ? 0 : 1;
    } catch (const DatenbankFehler &f) {
        Fehler(f.Meldung());
        return 1;
    }
}

int Export(const Aufruf &aufruf)
{
    if (IstFormatExport(aufruf))
        return FormatExport(aufruf);
    QStringList args = aufruf.argumente;
    QString lehrbuch;
    bool lehrbuchGegeben = false;
    const qsizetype i = args.indexOf(QStringLiteral("--lehrbuch"));
    if (i >= 0 && i + 1 < args.size()) {
        lehrbuch = args[i + 1];
        lehrbuchGegeben = true;
        args.remove(i, 2);
    }
    if (!lehrbuchGegeben || args.size() != 1) {
        Fehler(QStringLiteral("Aufruf: export --lehrbuch NAME DATEI.xml"));
        return 2;
    }
    try {
        TKonsolenRueckfrage rueckfrage;
        TDatenzugang zugang(aufruf.datenOrdner, TDatenzugang::Modus::NurVorhandene, rueckfrage);
        if (!Bereit(zugang))
            return 1;
        const int32_t id = LehrbuchSuchen(zugang.Kern(), lehrbuch);
        if (id == 0) {
            Fehler(QStringLiteral("Das Lehrbuch „%1“ ist nicht vorhanden.").arg(lehrbuch));
            return 1;
        }
        const QString vorlagen = TPfade::Aktuell().Vorlagen();
        XmlDateiSchreiben(XmlDateiname(args.first()), LehrbuchAlsLektionsdatei(zugang.Kern(), id, vorlagen));
        Ausgabe(ExportMeldung(lehrbuch));
        return 0;
    } catch (const TFehler &f) {
        Fehler(f.Meldung());
        return 1;
    }
}

const Registrierung kImport(QStringLiteral("import"),
                            QStringLiteral("import [--lehrbuch NAME] [--teilweise] DATEI...  Lektionsdateien (.xml) "
                                           "und Wortlisten (.csv, .tsv) in die Datenbank übernehmen"),
                            Import);
const Registrierung kExport(QStringLiteral("export"),
                            QStringLiteral("export --lehrbuch NAME [--format xml|csv|anki] [--formen WORTARTEN] DATEI  "
                                           "Lehrbuch als Lektionsdatei, Wortliste oder Karteikarten schreiben"),
                            Export);

} // namespace

} // namespace lexovita::cli
