#include "app/sicherungsdienst.h"

#include "app/anwendungskern.h"
#include "app/lektionssitzung.h"
#include "model/fehler.h"
#include "model/rueckfrage.h"
#include "model/uhr.h"
#include "store/datenmanager.h"
#include "store/sicherung.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace lexovita {

namespace {

// A restored backup from before an upgrade is upgraded at once: the user
// has just chosen this data, so no second backup is offered.
class TOhneBackup final : public IRueckfrage {
  public:
    Antwort Frage(const QString &, const QString &, int, Antwort, Symbol) override { return Antwort::Nein; }
    void Meldung(const QString &, const QString &) override {}
};

} // namespace

TSicherungsdienst::TSicherungsdienst(TDatenmanager &daten, IRueckfrage &rueckfrage, const IUhr &uhr,
                                     TLektionssitzung *sitzung)
    : m_daten(daten), m_rueckfrage(rueckfrage), m_uhr(uhr), m_sitzung(sitzung)
{
}

TSicherungsdienst::TSicherungsdienst(TAnwendungskern &kern)
    : TSicherungsdienst(kern.Daten(), kern.Rueckfrage(), kern.Uhr(), &kern.Sitzung())
{
}

QString TSicherungsdienst::EinspielFrage()
{
    return QStringLiteral("Beim Einspielen des Backups werden alle aktuellen Daten überschrieben \n"
                          "und alle geöffneten Lektionen geschlossen.\nMöchten Sie fortfahren?");
}

TSicherungsErgebnis TSicherungsdienst::BackupErstellen(const QString &ordner,
                                                       const std::function<void(int, int)> &fortschritt)
{
    TSicherungsErgebnis e;
    try {
        e.datei = lexovita::BackupErstellen(m_daten, ordner, m_uhr.Heute(), fortschritt);
        e.ok = true;
        e.meldung = QStringLiteral("Ein Backup mit dem Namen\n\n\"%1\"\n\nwurde angelegt.")
                        .arg(QDir::toNativeSeparators(e.datei));
    } catch (const std::exception &f) {
        e.meldung = FehlerMeldung(f);
    }
    return e;
}

TSicherungsErgebnis TSicherungsdienst::BackupEinspielen(const QString &archiv)
{
    TSicherungsErgebnis e;
    e.datei = archiv;
    if (!QFileInfo(archiv).isFile()) {
        e.meldung = QStringLiteral("Die angegebene Datei existiert nicht.");
        return e;
    }
    if (m_rueckfrage.Frage(ProgrammTitel(), EinspielFrage(), KN_JA_NEIN, Antwort::Nein, Symbol::Frage) != Antwort::Ja)
        return e;
    if (m_sitzung && !m_sitzung->AlleSchliessen())
        return e;
    try {
        QTemporaryDir arbeit(
            QDir(QFileInfo(m_daten.Datei()).absolutePath()).filePath(QStringLiteral(".wiederherstellung-XXXXXX")));
        if (!arbeit.isValid())
            throw TFehler(QStringLiteral("Im Datenordner kann kein Arbeitsordner angelegt werden."));
        const QString datei = BackupEntpacken(archiv, arbeit.path());
        m_daten.DatenbankErsetzen(datei, [this] {
            TOhneBackup still;
            if (m_daten.DatenbankAktualisieren(still) == TDatenmanager::Aktualisierung::Abgebrochen)
                throw TFehler(QStringLiteral("Die Datenbank des Backup konnte nicht aktualisiert werden."));
        });
        e.ok = true;
        e.meldung = QStringLiteral("Das Backup wurde erfolgreich eingespielt.");
    } catch (const std::exception &f) {
        e.meldung = EinspielFehler() + QStringLiteral("\n\n") + FehlerMeldung(f);
    }
    return e;
}

bool MitStartdienst(const QString &datenOrdner, IRueckfrage &rueckfrage,
                    const std::function<bool(TSicherungsdienst &)> &zeigen)
{
    try {
        TDatenmanager eigene(datenOrdner, TDatenmanager::Modus::NurVorhandene);
        TSicherungsdienst dienst(eigene, rueckfrage, TSystemUhr::Instanz());
        return zeigen(dienst);
    } catch (const std::exception &e) {
        rueckfrage.Meldung(ProgrammTitel(), FehlerMeldung(e));
        return false;
    }
}

void TAufraeumAuftrag::Ausfuehren(TAuftragsKontext &k)
{
    TDatenmanager &daten = k.Daten();
    const QStringList tabellen = AufraeumTabellen(daten);
    const int schritte = static_cast<int>(tabellen.size()) + 1;
    k.Gesamt(0, schritte);
    for (int i = 0; i < tabellen.size(); ++i) {
        k.AbbruchPruefen();
        TabelleNeuIndizieren(daten, tabellen[i]);
        k.Protokoll(QStringLiteral("Tabelle „%1“ aufgeräumt.").arg(tabellen[i]));
        k.Gesamt(i + 1, schritte);
    }
    k.AbbruchPruefen();
    DatenbankVerdichten(daten);
    k.Protokoll(QStringLiteral("Datenbank verdichtet und geprüft."));
    k.Gesamt(schritte, schritte);
}

} // namespace lexovita
