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
                          "und alle geöffneten Lektionen geschlossen.\nMöchtest du fortfahren?");
}

TSicherungsdienst::~TSicherungsdienst() = default;

void TBackupAuftrag::Ausfuehren(TAuftragsKontext &k)
{
    datei = lexovita::BackupErstellen(k.Daten(), m_ordner, m_datum, [&k](int wert, int maximum) {
        k.AbbruchPruefen();
        k.Schritt(wert, maximum);
    });
}

void TBackupPruefAuftrag::Ausfuehren(TAuftragsKontext &k)
{
    k.Schritt(0, 1, QStringLiteral("Backup wird geprüft ..."));
    datei = BackupEntpacken(m_archiv, m_zielOrdner);
    k.Schritt(1, 1);
}

std::shared_ptr<TBackupAuftrag> TSicherungsdienst::ErstellAuftrag(const QString &ordner) const
{
    return std::make_shared<TBackupAuftrag>(ordner, m_uhr.Heute());
}

TSicherungsErgebnis TSicherungsdienst::ErstellErgebnis(const TBackupAuftrag &auftrag, TAuftragsausgang ausgang,
                                                       const QString &fehler)
{
    TSicherungsErgebnis e;
    e.datei = auftrag.datei;
    switch (ausgang) {
    case TAuftragsausgang::Erfolg:
        e.ok = true;
        e.meldung = QStringLiteral("Ein Backup mit dem Namen\n\n\"%1\"\n\nwurde angelegt.")
                        .arg(QDir::toNativeSeparators(e.datei));
        break;
    case TAuftragsausgang::Abgebrochen:
        break; // the user stopped it; nothing to say
    case TAuftragsausgang::Fehler:
        e.meldung = fehler;
        break;
    }
    return e;
}

TSicherungsErgebnis TSicherungsdienst::BackupErstellen(const QString &ordner)
{
    const auto auftrag = ErstellAuftrag(ordner);
    QString fehler;
    const TAuftragsausgang ausgang = AuftragDirektAusfuehren(*auftrag, m_daten, &fehler);
    return ErstellErgebnis(*auftrag, ausgang, fehler);
}

std::shared_ptr<TBackupPruefAuftrag> TSicherungsdienst::EinspielenBeginnen(const QString &archiv,
                                                                           TSicherungsErgebnis &e)
{
    e = {};
    e.datei = archiv;
    if (!QFileInfo(archiv).isFile()) {
        e.meldung = QStringLiteral("Die angegebene Datei existiert nicht.");
        return nullptr;
    }
    if (m_rueckfrage.Frage(ProgrammTitel(), EinspielFrage(), KN_JA_NEIN, Antwort::Nein, Symbol::Frage) != Antwort::Ja)
        return nullptr;
    if (m_sitzung)
        m_sitzung->AlleSchliessen();
    // The scratch folder stays beside the database so the swap is one rename.
    ArbeitsresteEntfernen(QFileInfo(m_daten.Datei()).absolutePath(), QDateTime::currentDateTime(), true);
    m_arbeit = std::make_unique<QTemporaryDir>(
        QDir(QFileInfo(m_daten.Datei()).absolutePath()).filePath(QStringLiteral(".wiederherstellung-XXXXXX")));
    if (!m_arbeit->isValid()) {
        m_arbeit.reset();
        e.meldung = EinspielFehler() + QStringLiteral("\n\nIm Datenordner kann kein Arbeitsordner angelegt werden.");
        return nullptr;
    }
    return std::make_shared<TBackupPruefAuftrag>(archiv, m_arbeit->path());
}

TSicherungsErgebnis TSicherungsdienst::EinspielenAbschliessen(const TBackupPruefAuftrag &auftrag,
                                                              TAuftragsausgang ausgang, const QString &fehler)
{
    // The scratch folder goes whatever happens; the live file is only
    // touched after a successful check.
    const std::unique_ptr<QTemporaryDir> arbeit = std::move(m_arbeit);
    TSicherungsErgebnis e;
    e.datei = auftrag.datei;
    if (ausgang == TAuftragsausgang::Abgebrochen)
        return e;
    try {
        if (ausgang == TAuftragsausgang::Fehler)
            throw TFehler(fehler);
        m_daten.DatenbankErsetzen(auftrag.datei, [this] {
            // A backup from before an upgrade is upgraded at once: the user
            // has just chosen this data, so no second backup is offered.
            m_daten.Aktualisieren();
            m_daten.VokabelindexAnlegen();
            // The same check as on the scratch copy, now on the file in use:
            // only then is the previous database let go.
            DatenbankPruefen(m_daten.Verbindung());
        });
        e.ok = true;
        e.meldung = QStringLiteral("Das Backup wurde erfolgreich eingespielt.");
    } catch (const std::exception &f) {
        e.meldung = EinspielFehler() + QStringLiteral("\n\n") + FehlerMeldung(f);
    }
    return e;
}

TSicherungsErgebnis TSicherungsdienst::BackupEinspielen(const QString &archiv)
{
    TSicherungsErgebnis e;
    const auto auftrag = EinspielenBeginnen(archiv, e);
    if (!auftrag)
        return e;
    QString fehler;
    const TAuftragsausgang ausgang = AuftragDirektAusfuehren(*auftrag, m_daten, &fehler);
    return EinspielenAbschliessen(*auftrag, ausgang, fehler);
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
    // One step per table, one to compact the file and one to check it: the
    // bar moves after each, and the text names the step under way.
    const int schritte = static_cast<int>(tabellen.size()) + 2;
    k.Gesamt(0, schritte);
    for (int i = 0; i < tabellen.size(); ++i) {
        k.AbbruchPruefen();
        k.Schritt(i, schritte, QStringLiteral("Tabelle „%1“ wird aufgeräumt ...").arg(tabellen[i]));
        TabelleNeuIndizieren(daten, tabellen[i]);
        k.Protokoll(QStringLiteral("Tabelle „%1“ aufgeräumt.").arg(tabellen[i]));
        k.Gesamt(i + 1, schritte);
    }
    k.AbbruchPruefen();
    k.Schritt(schritte - 2, schritte, QStringLiteral("Die Datenbank wird verdichtet ..."));
    DatenbankVerdichten(daten);
    k.Protokoll(QStringLiteral("Datenbank verdichtet."));
    k.Gesamt(schritte - 1, schritte);
    k.AbbruchPruefen();
    k.Schritt(schritte - 1, schritte, QStringLiteral("Die Datenbank wird geprüft ..."));
    IntegritaetPruefen(daten.Verbindung());
    befund = QStringLiteral("Die Prüfung der Datenbank hat keine Fehler gefunden.");
    k.Protokoll(befund);
    k.Gesamt(schritte, schritte);
}

QString TAufraeumAuftrag::Ergebnis(TAuftragsausgang ausgang, const QString &fehler) const
{
    switch (ausgang) {
    case TAuftragsausgang::Erfolg:
        return QStringLiteral("Die Datenbank wurde aufgeräumt.\n\n%1").arg(befund);
    case TAuftragsausgang::Abgebrochen:
        return QStringLiteral("Das Aufräumen wurde abgebrochen. Die bereits aufgeräumten Tabellen bleiben so.");
    case TAuftragsausgang::Fehler:
        break;
    }
    return QStringLiteral("Beim Aufräumen der Datenbank ist ein Fehler aufgetreten:\n\n%1").arg(fehler);
}

} // namespace lexovita
