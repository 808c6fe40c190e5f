// Commands on the database itself: init and suche.

#include "befehle.h"

#include "app/importauftrag.h"
#include "app/start.h"
#include "model/textpruefung.h"
#include "store/datenmanager.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace lexovita::cli {

namespace {

// Questions on the console: no dialog can be shown, so the database is
// upgraded without a backup (init) or not at all (suche).
class TKonsolenRueckfrage : public IRueckfrage {
  public:
    explicit TKonsolenRueckfrage(bool aktualisieren) : aktualisieren_(aktualisieren) {}
    Antwort Frage(const QString &, const QString &text, int knoepfe, Antwort vorgabe, Symbol) override
    {
        Meldung(QString(), text);
        if (!aktualisieren_ && (knoepfe & KN_ABBRECHEN))
            return Antwort::Abbrechen;
        if (knoepfe & KN_NEIN)
            return Antwort::Nein;
        return vorgabe;
    }
    void Meldung(const QString &, const QString &text) override
    {
        QString t = text;
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        std::fprintf(stderr, "%s\n", t.toUtf8().constData());
    }

  private:
    bool aktualisieren_;
};

// The starter textbooks from the folders grundwortschatz and
// aufbauwortschatz beside the program, only into a database without entries,
// so that init may run on every start.
bool GrundwortschatzImportieren(TDatenmanager &daten)
{
    if (!DatenbankLeer(daten)) {
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
    if (AuftragDirektAusfuehren(auftrag, daten, &meldung) != TAuftragsausgang::Erfolg) {
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
        TKonsolenRueckfrage rueckfrage(true);
        const TDatenbankStart start = DatenbankStarten(aufruf.datenOrdner, rueckfrage);
        if (start.Abgebrochen())
            return 1;
        TDatenmanager &daten = *start.daten;
        VokabelindexSicherstellen(daten, rueckfrage);
        if (aufruf.argumente.contains(QStringLiteral("--grundwortschatz")) && !GrundwortschatzImportieren(daten))
            return 1;
        Ausgabe(QStringLiteral("Datenbank bereit: %1").arg(daten.Datei()));
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
        TDatenmanager daten(aufruf.datenOrdner, TDatenmanager::Modus::NurVorhandene);
        TKonsolenRueckfrage rueckfrage(false);
        if (DatenbankAktualisieren(daten, rueckfrage) == TAktualisierung::Abgebrochen) {
            Fehler(QStringLiteral("Die Datenbank muss erst mit „init“ aktualisiert werden."));
            return 1;
        }
        const QString text = aufruf.argumente.join(QLatin1Char(' '));
        for (const auto &v : daten.VokabelnSuchen(text))
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
