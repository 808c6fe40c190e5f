#include "store/lektionsspeicher.h"

#include "store/vokabeltabelle.h"

#include "model/lektionsdatei.h"
#include "model/textpruefung.h"

#include <QRegularExpression>

namespace lexovita {

namespace {

// Memo fields hold the lines each closed by CR LF, like the lesson text as
// one string; reading accepts any line end.
QString ZeilenAlsMemo(const QStringList &zeilen)
{
    QString memo;
    for (const QString &z : zeilen)
        memo += z + QStringLiteral("\r\n");
    return memo;
}

QStringList MemoAlsZeilen(const QString &memo)
{
    static const QRegularExpression zeilenende(QStringLiteral("\r\n|\n|\r"));
    if (memo.isEmpty())
        return {};
    QStringList zeilen = memo.split(zeilenende);
    if (zeilen.last().isEmpty())
        zeilen.removeLast();
    return zeilen;
}

QDateTime Zeitstempel(const QString &text)
{
    // Rows written by other tools may carry an empty or odd stamp; the list
    // shows an empty date then instead of failing.
    if (text.isEmpty())
        return {};
    try {
        return DatumLesen(text);
    } catch (const KonvertierungsFehler &) {
        return {};
    }
}

} // namespace

void TLektionsSpeicher::Pruefen()
{
    // Reading entry 0 touches no table but refuses a database that still
    // needs its upgrade, with the data manager's message.
    if (!m_daten.Bereit())
        m_daten.VokabelLaden(0);
}

bool TLektionsSpeicher::LehrbuchVorhanden(int32_t id)
{
    if (id <= 0)
        return false;
    TAnweisung a = m_daten.Verbindung().Anweisung("SELECT 1 FROM lehrbuch WHERE id = ?1");
    a.Binden(1, id);
    return a.Schritt();
}

bool TLektionsSpeicher::LektionSpeichern(TLektion &lektion)
{
    Pruefen();
    LektionPruefen(lektion);
    if (lektion.name.trimmed().isEmpty() || !LehrbuchVorhanden(lektion.lehrbuch_id))
        return false;

    TVerbindung &v = m_daten.Verbindung();
    const QString jetzt = m_daten.DatumJetzt();
    std::vector<int32_t> ids;
    ids.reserve(lektion.vokabeln.size());
    for (const auto &e : lektion.vokabeln)
        if (e && e->id > 0)
            ids.push_back(e->id);
    const auto anzahl = static_cast<int32_t>(ids.size());

    TTransaktion t(v);
    bool vorhanden = false;
    if (lektion.id > 0) {
        TAnweisung a = v.Anweisung("UPDATE lektion SET vokabeln = ?1, zugriff = ?2, notizen = ?3, text = ?4 "
                                   "WHERE id = ?5");
        a.Binden(1, anzahl)
            .Binden(2, jetzt)
            .Binden(3, ZeilenAlsMemo(lektion.notizen))
            .Binden(4, ZeilenAlsMemo(lektion.text))
            .Binden(5, lektion.id);
        a.Ausfuehren();
        vorhanden = v.Aenderungen() > 0;
    }
    if (vorhanden) {
        TAnweisung d = v.Anweisung("DELETE FROM lek_vok WHERE lektion_id = ?1");
        d.Binden(1, lektion.id);
        d.Ausfuehren();
    } else {
        // A lesson whose row vanished meanwhile is stored anew rather than
        // leaving entry rows that point nowhere.
        TAnweisung a = v.Anweisung("INSERT INTO lektion (name, lehrbuch_id, notizen, text, vokabeln, erstellt, "
                                   "zugriff) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
        a.Binden(1, lektion.name)
            .Binden(2, lektion.lehrbuch_id)
            .Binden(3, ZeilenAlsMemo(lektion.notizen))
            .Binden(4, ZeilenAlsMemo(lektion.text))
            .Binden(5, anzahl)
            .Binden(6, jetzt)
            .Binden(7, jetzt);
        a.Ausfuehren();
    }
    const int32_t id = vorhanden ? lektion.id : static_cast<int32_t>(v.LetzteId());
    {
        TAnweisung a = v.Anweisung("INSERT INTO lek_vok (vokabel_id, lektion_id, position) VALUES (?1, ?2, ?3)");
        int32_t position = 1;
        for (int32_t vokabelId : ids) {
            a.Binden(1, vokabelId).Binden(2, id).Binden(3, position++);
            a.Ausfuehren();
            a.Zuruecksetzen();
        }
    }
    t.Bestaetigen();

    lektion.id = id;
    const QDate heute = DatumLesen(jetzt).date();
    if (!vorhanden)
        lektion.erstellt = heute;
    lektion.zugriff = heute;
    lektion.geaendert = false;
    return true;
}

bool TLektionsSpeicher::LektionUeberschreiben(TLektion &lektion, int32_t zielId)
{
    Pruefen();
    if (lektion.name.trimmed().isEmpty() || !LehrbuchVorhanden(lektion.lehrbuch_id))
        return false;
    TTransaktion t(m_daten.Verbindung());
    if (zielId > 0) {
        // The chosen name and textbook replace the target's.
        TAnweisung a = m_daten.Verbindung().Anweisung("UPDATE lektion SET name = ?1, lehrbuch_id = ?2 WHERE id = ?3");
        a.Binden(1, lektion.name).Binden(2, lektion.lehrbuch_id).Binden(3, zielId);
        a.Ausfuehren();
    }
    lektion.id = zielId > 0 ? zielId : 0;
    const bool ok = LektionSpeichern(lektion);
    t.Bestaetigen();
    return ok;
}

std::vector<int32_t> TLektionsSpeicher::LektionsVokabelIds(int32_t lektionId)
{
    // Users expect the order they saved; rows of equal position (written by
    // an older release) keep the order they were stored in.
    TAnweisung a =
        m_daten.Verbindung().Anweisung("SELECT vokabel_id FROM lek_vok WHERE lektion_id = ?1 ORDER BY position, rowid");
    a.Binden(1, lektionId);
    std::vector<int32_t> ids;
    while (a.Schritt())
        ids.push_back(a.Int(0));
    return ids;
}

std::unique_ptr<TLektion> TLektionsSpeicher::LektionLesen(int32_t id)
{
    Pruefen();
    auto l = std::make_unique<TLektion>();
    {
        TAnweisung a = m_daten.Verbindung().Anweisung(
            "SELECT l.name, l.lehrbuch_id, l.notizen, l.text, l.erstellt, l.zugriff, b.name "
            "FROM lektion AS l LEFT JOIN lehrbuch AS b ON b.id = l.lehrbuch_id WHERE l.id = ?1");
        a.Binden(1, id);
        if (!a.Schritt())
            return nullptr;
        l->id = id;
        l->name = a.Text(0);
        l->lehrbuch_id = a.Int(1);
        l->notizen = MemoAlsZeilen(a.Text(2));
        l->text = MemoAlsZeilen(a.Text(3));
        l->erstellt = Zeitstempel(a.Text(4)).date();
        l->zugriff = Zeitstempel(a.Text(5)).date();
        l->lehrbuch = a.Text(6);
    }
    for (int32_t vokabelId : LektionsVokabelIds(id)) {
        std::unique_ptr<TVokabel> e = m_daten.VokabelLaden(vokabelId);
        if (!e->vokabel.isEmpty())
            l->VokabelAnhaengen(std::move(e));
    }
    return l;
}

int TLektionsSpeicher::LektionAnhaengen(int32_t id, TLektion &ziel)
{
    Pruefen();
    int angehaengt = 0;
    for (int32_t vokabelId : LektionsVokabelIds(id)) {
        std::unique_ptr<TVokabel> e = m_daten.VokabelLaden(vokabelId);
        if (e->vokabel.isEmpty())
            continue; // deleted meanwhile
        ziel.VokabelAnhaengen(std::move(e));
        ++angehaengt;
    }
    ziel.AlsGeaendertMarkieren();
    return angehaengt;
}

std::vector<TLehrbuchZeile> TLektionsSpeicher::Lehrbuecher()
{
    Pruefen();
    TAnweisung a = m_daten.Verbindung().Anweisung("SELECT id, name FROM lehrbuch ORDER BY id");
    std::vector<TLehrbuchZeile> zeilen;
    while (a.Schritt())
        zeilen.push_back({a.Int(0), a.Text(1)});
    return zeilen;
}

std::vector<TLektionZeile> TLektionsSpeicher::Lektionen(int32_t lehrbuchId)
{
    Pruefen();
    TAnweisung a = m_daten.Verbindung().Anweisung(
        "SELECT id, name, lehrbuch_id, vokabeln, text <> '', zugriff, erstellt FROM lektion "
        "WHERE lehrbuch_id = ?1 ORDER BY id");
    a.Binden(1, lehrbuchId);
    std::vector<TLektionZeile> zeilen;
    while (a.Schritt()) {
        TLektionZeile z;
        z.id = a.Int(0);
        z.name = a.Text(1);
        z.lehrbuch_id = a.Int(2);
        z.vokabeln = a.Int(3);
        z.hatText = a.Int(4) != 0;
        z.zugriff = Zeitstempel(a.Text(5));
        z.erstellt = Zeitstempel(a.Text(6));
        zeilen.push_back(std::move(z));
    }
    return zeilen;
}

int32_t TLektionsSpeicher::LehrbuchSuchen(const QString &name)
{
    Pruefen();
    TAnweisung a = m_daten.Verbindung().Anweisung("SELECT id FROM lehrbuch WHERE name = ?1 ORDER BY id LIMIT 1");
    a.Binden(1, name);
    return a.Schritt() ? a.Int(0) : 0;
}

int32_t TLektionsSpeicher::LektionSuchen(int32_t lehrbuchId, const QString &name)
{
    const QString gesucht = name.trimmed();
    for (const TLektionZeile &z : Lektionen(lehrbuchId))
        if (z.name.trimmed() == gesucht)
            return z.id;
    return 0;
}

QString TLektionsSpeicher::FreierLektionsname(int32_t lehrbuchId, const QString &name)
{
    QStringList vorhanden;
    for (const TLektionZeile &z : Lektionen(lehrbuchId))
        vorhanden << z.name.trimmed();
    const QString basis = name.trimmed();
    if (!vorhanden.contains(basis))
        return name;
    for (int n = 2;; ++n) {
        const QString kandidat = QStringLiteral("%1 (%2)").arg(basis).arg(n);
        if (!vorhanden.contains(kandidat))
            return kandidat;
    }
}

int32_t TLektionsSpeicher::LehrbuchAnlegen(const QString &name)
{
    Pruefen();
    TextPruefen(name, QStringLiteral("Der Name des Lehrbuchs"), kMaxNamenLaenge);
    TVerbindung &v = m_daten.Verbindung();
    TTransaktion t(v);
    TAnweisung a = v.Anweisung("INSERT INTO lehrbuch (name) VALUES (?1)");
    a.Binden(1, name);
    a.Ausfuehren();
    const auto id = static_cast<int32_t>(v.LetzteId());
    t.Bestaetigen();
    return id;
}

void TLektionsSpeicher::LehrbuchUmbenennen(int32_t id, const QString &name)
{
    Pruefen();
    TextPruefen(name, QStringLiteral("Der Name des Lehrbuchs"), kMaxNamenLaenge);
    TTransaktion t(m_daten.Verbindung());
    TAnweisung a = m_daten.Verbindung().Anweisung("UPDATE lehrbuch SET name = ?1 WHERE id = ?2");
    a.Binden(1, name).Binden(2, id);
    a.Ausfuehren();
    t.Bestaetigen();
}

std::vector<int32_t> TLektionsSpeicher::LehrbuchLoeschen(int32_t id)
{
    return m_daten.LehrbuchLoeschen(id);
}

void TLektionsSpeicher::LektionUmbenennen(int32_t id, const QString &name)
{
    Pruefen();
    TextPruefen(name, QStringLiteral("Der Name der Lektion"), kMaxNamenLaenge);
    TTransaktion t(m_daten.Verbindung());
    TAnweisung a = m_daten.Verbindung().Anweisung("UPDATE lektion SET name = ?1 WHERE id = ?2");
    a.Binden(1, name).Binden(2, id);
    a.Ausfuehren();
    t.Bestaetigen();
}

void TLektionsSpeicher::LektionVerschieben(int32_t lektionId, int32_t lehrbuchId)
{
    Pruefen();
    if (!LehrbuchVorhanden(lehrbuchId))
        return; // a lesson without a textbook could never be listed again
    TTransaktion t(m_daten.Verbindung());
    TAnweisung a = m_daten.Verbindung().Anweisung("UPDATE lektion SET lehrbuch_id = ?1 WHERE id = ?2");
    a.Binden(1, lehrbuchId).Binden(2, lektionId);
    a.Ausfuehren();
    t.Bestaetigen();
}

void TLektionsSpeicher::LektionLoeschen(int32_t id)
{
    Pruefen();
    TVerbindung &v = m_daten.Verbindung();
    TTransaktion t(v);
    {
        TAnweisung a = v.Anweisung("DELETE FROM lek_vok WHERE lektion_id = ?1");
        a.Binden(1, id);
        a.Ausfuehren();
    }
    {
        TAnweisung a = v.Anweisung("DELETE FROM lektion WHERE id = ?1");
        a.Binden(1, id);
        a.Ausfuehren();
    }
    t.Bestaetigen();
}

std::vector<std::unique_ptr<TLektion>> TLektionsSpeicher::LehrbuchLesen(int32_t lehrbuchId, QString &name)
{
    {
        Pruefen();
        TAnweisung a = m_daten.Verbindung().Anweisung("SELECT name FROM lehrbuch WHERE id = ?1");
        a.Binden(1, lehrbuchId);
        if (!a.Schritt())
            throw DatenbankFehler(
                QStringLiteral("Das Lehrbuch mit der Nummer %1 ist nicht vorhanden.").arg(lehrbuchId));
        name = a.Text(0);
    }
    std::vector<std::unique_ptr<TLektion>> lektionen;
    for (const TLektionZeile &z : Lektionen(lehrbuchId)) {
        std::unique_ptr<TLektion> l = LektionLesen(z.id);
        if (!l)
            continue;
        for (auto &e : l->vokabeln) {
            m_daten.SonderformenLaden(*e);
            m_daten.VerweiseLaden(*e);
        }
        lektionen.push_back(std::move(l));
    }
    return lektionen;
}

QByteArray TLektionsSpeicher::LehrbuchExportieren(int32_t lehrbuchId, const QString &vorlagenOrdner)
{
    QString name;
    const std::vector<std::unique_ptr<TLektion>> lektionen = LehrbuchLesen(lehrbuchId, name);
    std::vector<const TLektion *> zeiger;
    for (const auto &l : lektionen)
        zeiger.push_back(l.get());
    return LehrbuchAlsXml(name, zeiger, vorlagenOrdner);
}

QByteArray TLektionsSpeicher::LehrbuchAlsTabelle(int32_t lehrbuchId)
{
    QString name;
    const std::vector<std::unique_ptr<TLektion>> lektionen = LehrbuchLesen(lehrbuchId, name);
    std::vector<const TLektion *> zeiger;
    for (const auto &l : lektionen)
        zeiger.push_back(l.get());
    return VokabeltabelleSchreiben(name, zeiger);
}

} // namespace lexovita
