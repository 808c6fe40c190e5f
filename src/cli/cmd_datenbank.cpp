// Commands on the database itself: init and suche.

#include "befehle.h"
#include "konsolenrueckfrage.h"

#include "app/anwendungskern.h"
#include "app/datenzugang.h"
#include "app/importauftrag.h"
#include "model/textpruefung.h"

#include <cstdio>

namespace lexovita::cli {

namespace {

// The starter textbooks from the folders grundwortschatz and
// aufbauwortschatz beside the program, only into a database without entries,
// so that init may run on every start.
bool GrundwortschatzImportieren(TDatenzugang &zugang)
{
    if (!zugang.Leer()) {
        Ausgabe(QStringLiteral("Die Datenbank enthält bereits Vokabeln; der Grundwortschatz wird nicht importiert."));
        return true;
    }
    const QStringList ordner = StartLehrbuchOrdner();
    if (ordner.isEmpty()) {
        Fehler(QStringLiteral("Der Grundwortschatz fehlt neben dem Programm."));
        return false;
    }
    TOrdnerImportAuftrag auftrag(ordner);
    QString meldung;
    if (zugang.AuftragAusfuehren(auftrag, &meldung) != TAuftragsausgang::Erfolg) {
        Fehler(meldung);
        return false;
    }
    Ausgabe(QStringLiteral("Grundwortschatz: %1").arg(ImportZusammenfassung(auftrag.Ergebnis())));
    return true;
}

int Init(const Aufruf &aufruf)
{
    for (const QString &a : aufruf.argumente)
        if (a != QLatin1String("--grundwortschatz")) {
            Fehler(QStringLiteral("init: unbekanntes Argument „%1“. Aufruf: init [--grundwortschatz]").arg(a));
            return 2;
        }
    try {
        // Calling init is the consent to the upgrade; the backup window cannot be shown.
        TKonsolenRueckfrage rueckfrage(Antwort::Nein, true);
        const std::unique_ptr<TDatenzugang> zugang = TDatenzugang::Starten(aufruf.datenOrdner, rueckfrage);
        if (!zugang)
            return 1;
        zugang->Kern().VokabelindexSicherstellen();
        if (aufruf.argumente.contains(QStringLiteral("--grundwortschatz")) && !GrundwortschatzImportieren(*zugang))
            return 1;
        Ausgabe(QStringLiteral("Datenbank bereit: %1").arg(zugang->Datei()));
        return 0;
    } catch (const DatenbankFehler &f) {
        Fehler(f.Meldung());
        return 1;
    }
}

int Suche(const Aufruf &aufruf)
{
    if (aufruf.argumente.isEmpty()) {
        Fehler(QStringLiteral("suche erwartet einen Suchtext."));
        return 2;
    }
    try {
        // The question is shown and refused: "init" upgrades.
        TKonsolenRueckfrage rueckfrage(Antwort::Abbrechen, true);
        TDatenzugang zugang(aufruf.datenOrdner, TDatenzugang::Modus::NurVorhandene, rueckfrage);
        if (zugang.Aktualisieren() == TAktualisierung::Abgebrochen) {
            Fehler(QStringLiteral("Die Datenbank muss erst mit „init“ aktualisiert werden."));
            return 1;
        }
        const QString text = aufruf.argumente.join(QLatin1Char(' '));
        for (const auto &v : zugang.Kern().VokabelnSuchen(text))
            Ausgabe(QString::number(v->id) + QLatin1Char('\t') + TsvFeld(v->vokabel) + QLatin1Char('\t') +
                    v->WortartText() + QLatin1Char('\t') + TsvFeld(v->FormenText()));
        return 0;
    } catch (const DatenbankFehler &f) {
        Fehler(f.Meldung());
        return 1;
    }
}

const Registrierung
    kInit(QStringLiteral("init"),
          QStringLiteral("init [--grundwortschatz]  aktuelle Datenbank anlegen, auf Wunsch mit dem Grundwortschatz"),
          Init);
const Registrierung kSuche(QStringLiteral("suche"),
                           QStringLiteral("suche TEXT   Stichwortsuche (Id, Vokabel, Wortart, Stammformen)"), Suche);

} // namespace

} // namespace lexovita::cli
