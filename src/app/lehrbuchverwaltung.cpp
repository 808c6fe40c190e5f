#include "app/lehrbuchverwaltung.h"

#include "model/lektionsdatei.h"
#include "store/sqlite.h"

#include <algorithm>

namespace lexovita {

namespace {

QString InHochkommas(const QString &name)
{
    return QLatin1Char('\'') + name + QLatin1Char('\'');
}

} // namespace

TLehrbuchverwaltung::TLehrbuchverwaltung(TDatenmanager &daten, IRueckfrage &rueckfrage, int modus)
    : rueckfrage_(rueckfrage), speicher_(daten), modus_(modus)
{
}

bool TLehrbuchverwaltung::Frage(const QString &text)
{
    return rueckfrage_.Frage(ProgrammTitel(), text, KN_JA_NEIN, Antwort::Nein, Symbol::Frage) == Antwort::Ja;
}

int TLehrbuchverwaltung::Aktualisieren(int32_t gemerktesLehrbuch)
{
    lehrbuecher_ = speicher_.Lehrbuecher();
    if (lehrbuecher_.empty()) {
        LehrbuchWaehlen(0);
        return -1;
    }
    int index = 0;
    if (gemerktesLehrbuch != 0) {
        for (size_t i = 0; i < lehrbuecher_.size(); ++i)
            if (lehrbuecher_[i].id == gemerktesLehrbuch)
                index = static_cast<int>(i);
    }
    LehrbuchWaehlen(lehrbuecher_[static_cast<size_t>(index)].id);
    return index;
}

const TLehrbuchZeile *TLehrbuchverwaltung::Lehrbuch(int32_t id) const
{
    for (const TLehrbuchZeile &z : lehrbuecher_)
        if (z.id == id)
            return &z;
    return nullptr;
}

const TLektionZeile *TLehrbuchverwaltung::Lektion(int32_t id) const
{
    for (const TLektionZeile &z : lektionen_)
        if (z.id == id)
            return &z;
    return nullptr;
}

void TLehrbuchverwaltung::LehrbuchWaehlen(int32_t id)
{
    lehrbuch_ = Lehrbuch(id) ? id : 0;
    LektionenLaden();
}

void TLehrbuchverwaltung::LektionenLaden()
{
    lektionen_.clear();
    if (lehrbuch_ != 0)
        lektionen_ = speicher_.Lektionen(lehrbuch_);
}

bool TLehrbuchverwaltung::Bestaetigen(const QString &eingabe, int32_t markiert)
{
    const QString name = eingabe.trimmed();
    if (name.isEmpty() || lehrbuch_ == 0)
        return false;
    if (modus_ != VM_SPEICHERN_UNTER && modus_ != VM_OEFFNEN && modus_ != VM_ANHAENGEN)
        return false;

    // The selected row wins among lessons of the same name; otherwise the
    // first in list order.
    const TLektionZeile *treffer = nullptr;
    if (const TLektionZeile *m = Lektion(markiert); m && m->name.trimmed() == name)
        treffer = m;
    for (size_t i = 0; !treffer && i < lektionen_.size(); ++i)
        if (lektionen_[i].name.trimmed() == name)
            treffer = &lektionen_[i];

    TVerwaltungsAuswahl a;
    a.lehrbuchId = lehrbuch_;
    a.lehrbuch = Lehrbuch(lehrbuch_)->name;
    if (modus_ == VM_SPEICHERN_UNTER) {
        if (treffer) {
            if (ueberschreibenFragen_ && !Frage(QStringLiteral("Soll die Lektion ") + InHochkommas(treffer->name) +
                                                QStringLiteral(" überschrieben werden?")))
                return false;
            a.lektionId = treffer->id;
        }
        a.name = name;
    } else {
        if (!treffer)
            return false;
        a.lektionId = treffer->id;
        a.name = treffer->name.trimmed();
    }
    a.bestaetigt = true;
    auswahl_ = a;
    return true;
}

bool TLehrbuchverwaltung::LektionLoeschen(int32_t id)
{
    const TLektionZeile *z = Lektion(id);
    if (!z || !Frage(QStringLiteral("Soll die Lektion ") + InHochkommas(z->name) +
                     QStringLiteral(" wirklich gelöscht werden?")))
        return false;
    speicher_.LektionLoeschen(id);
    geloeschteLektionen_.push_back(id);
    LektionenLaden();
    return true;
}

bool TLehrbuchverwaltung::LehrbuchLoeschen(int32_t id)
{
    const TLehrbuchZeile *z = Lehrbuch(id);
    if (!z || !Frage(QStringLiteral("Soll das Lehrbuch ") + InHochkommas(z->name) +
                     QStringLiteral(" mit allen zugehörigen Lektionen gelöscht werden?")))
        return false;
    const std::vector<int32_t> lektionen = speicher_.LehrbuchLoeschen(id);
    geloeschteLektionen_.insert(geloeschteLektionen_.end(), lektionen.begin(), lektionen.end());
    geloeschteLehrbuecher_.push_back(id);
    lehrbuecher_ = speicher_.Lehrbuecher();
    if (lehrbuch_ == id)
        LehrbuchWaehlen(0);
    return true;
}

int32_t TLehrbuchverwaltung::LehrbuchNeu()
{
    const int32_t id = speicher_.LehrbuchAnlegen(QStringLiteral("Neues Lehrbuch"));
    lehrbuecher_ = speicher_.Lehrbuecher();
    return id;
}

bool TLehrbuchverwaltung::LehrbuchUmbenennen(int32_t id, const QString &name)
{
    if (name.trimmed().isEmpty() || !Lehrbuch(id))
        return false;
    speicher_.LehrbuchUmbenennen(id, name);
    lehrbuecher_ = speicher_.Lehrbuecher();
    return true;
}

bool TLehrbuchverwaltung::LektionUmbenennen(int32_t id, const QString &name)
{
    if (name.trimmed().isEmpty() || !Lektion(id))
        return false;
    speicher_.LektionUmbenennen(id, name);
    LektionenLaden();
    return true;
}

bool TLehrbuchverwaltung::LektionVerschieben(int32_t lektionId, int32_t lehrbuchId)
{
    if (!Lektion(lektionId) || !Lehrbuch(lehrbuchId) || lehrbuchId == lehrbuch_)
        return false;
    speicher_.LektionVerschieben(lektionId, lehrbuchId);
    LektionenLaden();
    return true;
}

QString TLehrbuchverwaltung::LehrbuchExportieren(int32_t id, const QString &datei, const QString &vorlagenOrdner)
{
    const TLehrbuchZeile *z = Lehrbuch(id);
    if (!z)
        throw DatenbankFehler(QStringLiteral("Das Lehrbuch mit der Nummer %1 ist nicht vorhanden.").arg(id));
    const QString name = z->name;
    XmlDateiSchreiben(XmlDateiname(datei), speicher_.LehrbuchExportieren(id, vorlagenOrdner));
    return ExportMeldung(name);
}

// ---------------------------------------------------------------------------

int32_t LetzteLektionsId(TDatenmanager &daten)
{
    TAnweisung a = daten.Verbindung().Anweisung("SELECT coalesce(max(id), 0) FROM lektion");
    return a.Schritt() ? a.Int(0) : 0;
}

std::vector<TNeueLektion> LektionenNach(TDatenmanager &daten, int32_t letzteId)
{
    TAnweisung a = daten.Verbindung().Anweisung(
        "SELECT l.id, l.name, coalesce(b.name, '') FROM lektion AS l LEFT JOIN lehrbuch AS b ON b.id = l.lehrbuch_id "
        "WHERE l.id > ?1 ORDER BY l.id");
    a.Binden(1, letzteId);
    std::vector<TNeueLektion> neu;
    while (a.Schritt())
        neu.push_back({a.Int(0), a.Text(1), a.Text(2)});
    return neu;
}

// ---------------------------------------------------------------------------

QStringList TLektionseigenschaften::LehrbuchNamen()
{
    QStringList namen;
    for (const TLehrbuchZeile &z : speicher_.Lehrbuecher())
        namen << z.name;
    return namen;
}

QString TLektionseigenschaften::LehrbuchFrage(const QString &name)
{
    return QStringLiteral("Das Lehrbuch \"") + name + QStringLiteral("\" existiert nicht. \r\n") +
           QStringLiteral("Soll es angelegt werden?");
}

void TLektionseigenschaften::Uebernehmen(TLektion &lektion, const QString &nameEingabe, const QString &lehrbuchEingabe,
                                         const QStringList &notizen)
{
    const QString name = nameEingabe.trimmed();
    const QString buch = lehrbuchEingabe.trimmed();
    const bool gespeichert = lektion.id > 0;

    // Ask before the transaction opens: it holds the write lock.
    int32_t buchId = 0;
    bool buchAnlegen = false;
    if (!buch.isEmpty()) {
        buchId = speicher_.LehrbuchSuchen(buch);
        if (buchId == 0)
            buchAnlegen = rueckfrage_.Frage(ProgrammTitel(), LehrbuchFrage(buch), KN_JA_NEIN, Antwort::Nein,
                                            Symbol::Frage) == Antwort::Ja;
    }
    const bool neuerName = !name.isEmpty() && name != lektion.name;
    const bool neuesBuch = buchAnlegen || (buchId != 0 && buchId != lektion.lehrbuch_id);

    if (gespeichert && (neuerName || neuesBuch)) {
        TTransaktion t(daten_.Verbindung());
        if (neuerName)
            speicher_.LektionUmbenennen(lektion.id, name);
        if (buchAnlegen)
            buchId = speicher_.LehrbuchAnlegen(buch);
        if (neuesBuch)
            speicher_.LektionVerschieben(lektion.id, buchId);
        t.Bestaetigen();
    } else if (buchAnlegen) {
        buchId = speicher_.LehrbuchAnlegen(buch);
    }

    if (!name.isEmpty())
        lektion.name = name;
    if (buchId != 0) {
        lektion.lehrbuch_id = buchId;
        lektion.lehrbuch = buch;
    }
    const bool notizenNeu = notizen != lektion.notizen;
    lektion.notizen = notizen;
    if (notizenNeu || (!gespeichert && (neuerName || neuesBuch)))
        lektion.AlsGeaendertMarkieren();
}

} // namespace lexovita
