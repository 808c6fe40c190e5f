// Commands on the database itself: init and suche.

#include "befehle.h"

#include "store/datenmanager.h"
#include "store/import.h"

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

// The starter textbook from the folder grundwortschatz beside the program,
// only into a database without entries, so that init may run on every start.
bool GrundwortschatzImportieren(TDatenmanager &daten)
{
    {
        TAnweisung a = daten.Verbindung().Anweisung("SELECT count(*) FROM vokabel");
        if (a.Schritt() && a.Int(0) > 0) {
            Ausgabe(QStringLiteral("Die Datenbank enthält bereits Vokabeln; der Grundwortschatz wird nicht importiert."));
            return true;
        }
    }
    const QString ordner = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("grundwortschatz"));
    try {
        Ausgabe(QStringLiteral("Grundwortschatz: %1").arg(ImportZusammenfassung(OrdnerImportieren(daten, ordner))));
        return true;
    } catch (const TLektionsdateiFehler &f) {
        Fehler(f.Meldung());
        return false;
    }
}

int Init(const Aufruf &aufruf)
{
    try {
        TDatenmanager daten(aufruf.datenOrdner, TDatenmanager::Modus::AnlegenWennNoetig);
        TKonsolenRueckfrage rueckfrage(true);
        if (daten.DatenbankAktualisieren(rueckfrage) == TDatenmanager::Aktualisierung::Abgebrochen)
            return 1;
        daten.VokabelindexAnlegen(rueckfrage);
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
        if (daten.DatenbankAktualisieren(rueckfrage) == TDatenmanager::Aktualisierung::Abgebrochen) {
            Fehler(QStringLiteral("Die Datenbank muss erst mit „init“ aktualisiert werden."));
            return 1;
        }
        const QString text = aufruf.argumente.join(QLatin1Char(' '));
        for (const auto &v : daten.VokabelnSuchen(text))
            Ausgabe(QString::number(v->id) + QLatin1Char('\t') + v->vokabel + QLatin1Char('\t') + v->WortartText() +
                    QLatin1Char('\t') + v->FormenText());
        return 0;
    } catch (const DatenbankFehler &f) {
        Fehler(f.Meldung());
        return 1;
    }
}

const Registrierung kInit(QStringLiteral("init"), QStringLiteral("init [--grundwortschatz]  aktuelle Datenbank anlegen, auf Wunsch mit dem Grundwortschatz"),
                          Init);
const Registrierung kSuche(QStringLiteral("suche"),
                           QStringLiteral("suche TEXT   Stichwortsuche (Id, Vokabel, Wortart, Stammformen)"), Suche);

} // namespace

} // namespace lexovita::cli
