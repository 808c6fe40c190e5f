// Word lists for spreadsheets and files for flash-card apps: the table side
// of "import" and the formats of "export".

#include "cmd_austausch.h"
#include "konsolenrueckfrage.h"

#include "app/anwendungskern.h"
#include "app/datenzugang.h"
#include "app/importauftrag.h"
#include "app/tabellenaustausch.h"
#include "model/fehler.h"
#include "model/lektionsdatei.h"
#include "model/pfade.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace lexovita::cli {

namespace {

// Takes "--name WERT" out of the arguments; false when the value is missing.
bool WertNehmen(QStringList &args, const QString &name, QString &wert, bool &gegeben)
{
    const qsizetype i = args.indexOf(name);
    if (i < 0)
        return true;
    if (i + 1 >= args.size())
        return false;
    wert = args[i + 1];
    gegeben = true;
    args.remove(i, 2);
    return true;
}

} // namespace

bool IstTabellenImport(const Aufruf &aufruf)
{
    for (const QString &a : aufruf.argumente)
        if (a == QLatin1String("--lehrbuch") || a == QLatin1String("--teilweise") ||
            (!a.startsWith(QLatin1String("--")) && IstTabellendatei(a)))
            return true;
    return false;
}

int TabellenImport(const Aufruf &aufruf)
{
    QStringList args = aufruf.argumente;
    QString lehrbuch;
    bool lehrbuchGegeben = false;
    if (!WertNehmen(args, QStringLiteral("--lehrbuch"), lehrbuch, lehrbuchGegeben) ||
        (lehrbuchGegeben && lehrbuch.trimmed().isEmpty())) {
        Fehler(QStringLiteral("--lehrbuch erwartet den Namen eines Lehrbuchs."));
        return 2;
    }
    const bool teilweise = args.removeAll(QStringLiteral("--teilweise")) > 0;
    QStringList tabellen, lektionsdateien;
    for (const QString &a : args) {
        if (a.startsWith(QLatin1String("--"))) {
            Fehler(QStringLiteral("Unbekannte Option „%1“ für import.").arg(a));
            return 2;
        }
        (IstTabellendatei(a) ? tabellen : lektionsdateien) << a;
    }
    if (tabellen.isEmpty() && lektionsdateien.isEmpty()) {
        Fehler(QStringLiteral("Aufruf: import [--lehrbuch NAME] [--teilweise] DATEI..."));
        return 2;
    }
    try {
        TKonsolenRueckfrage rueckfrage;
        TDatenzugang zugang(aufruf.datenOrdner, TDatenzugang::Modus::AnlegenWennNoetig, rueckfrage);
        if (!Bereit(zugang))
            return 1;
        int code = 0;
        if (!tabellen.isEmpty()) {
            TTabellenImportAuftrag auftrag(tabellen, lehrbuch, teilweise);
            QString meldung;
            // Log lines go to stderr (notes) as they come.
            const auto protokoll = [](const QString &zeile) {
                std::fprintf(stderr, "%s\n", zeile.toUtf8().constData());
            };
            if (zugang.AuftragAusfuehren(auftrag, &meldung, protokoll) == TAuftragsausgang::Erfolg) {
                Ausgabe(ImportZusammenfassung(auftrag.Ergebnis()));
                if (auftrag.Fehlerhafte() > 0)
                    code = 1;
            } else {
                Fehler(meldung);
                code = 1;
            }
        }
        for (const QString &datei : lektionsdateien) {
            TDateiImportAuftrag auftrag(datei);
            QString meldung;
            const QString name = QFileInfo(datei).fileName();
            if (zugang.AuftragAusfuehren(auftrag, &meldung) == TAuftragsausgang::Erfolg) {
                Ausgabe(QStringLiteral("%1: %2").arg(name, ImportZusammenfassung(auftrag.Ergebnis())));
            } else {
                Fehler(QStringLiteral("%1: %2 Die Datei wurde nicht importiert.").arg(name, meldung));
                code = 1;
            }
        }
        return code;
    } catch (const TFehler &f) {
        Fehler(f.Meldung());
        return 1;
    }
}

bool IstFormatExport(const Aufruf &aufruf)
{
    return aufruf.argumente.contains(QStringLiteral("--format"));
}

int FormatExport(const Aufruf &aufruf)
{
    QStringList args = aufruf.argumente;
    QString lehrbuch, format, formen = QStringLiteral("verb,substantiv,adjektiv");
    bool lehrbuchGegeben = false, formatGegeben = false, formenGegeben = false;
    const QString aufruftext =
        QStringLiteral("Aufruf: export --lehrbuch NAME --format csv|anki|xml [--formen WORTARTEN] DATEI");
    if (!WertNehmen(args, QStringLiteral("--lehrbuch"), lehrbuch, lehrbuchGegeben) ||
        !WertNehmen(args, QStringLiteral("--format"), format, formatGegeben) ||
        !WertNehmen(args, QStringLiteral("--formen"), formen, formenGegeben) || !lehrbuchGegeben || args.size() != 1 ||
        args.first().startsWith(QLatin1String("--"))) {
        Fehler(aufruftext);
        return 2;
    }
    format = format.toLower();
    if (format != QLatin1String("csv") && format != QLatin1String("anki") && format != QLatin1String("xml")) {
        Fehler(QStringLiteral("Unbekanntes Format „%1“; möglich sind csv, anki und xml.").arg(format));
        return 2;
    }
    QSet<int32_t> wortarten;
    if (!FormenWortartenLesen(formen, wortarten)) {
        Fehler(QStringLiteral("--formen erwartet eine Liste aus verb, substantiv, adjektiv oder „keine“."));
        return 2;
    }
    try {
        TKonsolenRueckfrage rueckfrage;
        TDatenzugang zugang(aufruf.datenOrdner, TDatenzugang::Modus::NurVorhandene, rueckfrage);
        if (!Bereit(zugang))
            return 1;
        TAnwendungskern &kern = zugang.Kern();
        const int32_t id = LehrbuchSuchen(kern, lehrbuch);
        if (id == 0) {
            Fehler(QStringLiteral("Das Lehrbuch „%1“ ist nicht vorhanden.").arg(lehrbuch));
            return 1;
        }
        const QString ziel = args.first();
        if (format == QLatin1String("csv")) {
            XmlDateiSchreiben(TabellenDateiname(ziel), LehrbuchAlsTabelle(kern, id));
        } else if (format == QLatin1String("anki")) {
            XmlDateiSchreiben(KarteikartenDateiname(ziel), LehrbuchAlsKarteikarten(kern, id, wortarten));
        } else {
            const QString vorlagen = TPfade::Aktuell().Vorlagen();
            XmlDateiSchreiben(XmlDateiname(ziel), LehrbuchAlsLektionsdatei(kern, id, vorlagen));
        }
        Ausgabe(ExportMeldung(lehrbuch));
        return 0;
    } catch (const TFehler &f) {
        Fehler(f.Meldung());
        return 1;
    }
}

} // namespace lexovita::cli
