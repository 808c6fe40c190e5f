#include "lernspeicher.h"

#include "datenmanager.h"
#include "sqlite.h"

#include <functional>
#include <unordered_map>
#include <unordered_set>

namespace lexovita {

namespace {

QString Zeit(const QDateTime &z)
{
    return z.toString(QStringLiteral("yyyyMMddHHmmss"));
}

QDateTime ZeitLesen(const QString &text)
{
    return QDateTime::fromString(text, QStringLiteral("yyyyMMddHHmmss"));
}

int32_t R(TAbfrageRichtung r)
{
    return static_cast<int32_t>(r);
}

int Zahl(TVerbindung &v, const char *sql, const std::function<void(TAnweisung &)> &binden)
{
    TAnweisung a = v.Anweisung(sql);
    binden(a);
    return a.Schritt() ? a.Int(0) : 0;
}

} // namespace

TLernspeicher::TLernspeicher(TDatenmanager &daten) : m_daten(daten) {}

bool TLernspeicher::VokabelVorhanden(int32_t vokabelId)
{
    m_daten.PruefenBereit();
    TAnweisung a = m_daten.Verbindung().Anweisung("SELECT 1 FROM vokabel WHERE id = ?1");
    a.Binden(1, vokabelId);
    return a.Schritt();
}

std::optional<TGedaechtnis> TLernspeicher::Gedaechtnis(int32_t vokabelId, TAbfrageRichtung richtung)
{
    m_daten.PruefenBereit();
    TAnweisung a = m_daten.Verbindung().Anweisung(
        "SELECT stabilitaet, schwierigkeit, letzte, faellig, erste, wiederholungen, richtige FROM gedaechtnis "
        "WHERE vokabel_id = ?1 AND richtung = ?2");
    a.Binden(1, vokabelId).Binden(2, R(richtung));
    if (!a.Schritt())
        return std::nullopt;
    TGedaechtnis g;
    g.vokabelId = vokabelId;
    g.richtung = richtung;
    g.stabilitaet = a.Double(0);
    g.schwierigkeit = a.Double(1);
    g.letzte = ZeitLesen(a.Text(2));
    g.faellig = TagLesen(a.Text(3));
    g.erste = TagLesen(a.Text(4));
    g.wiederholungen = a.Int(5);
    g.richtige = a.Int(6);
    return g;
}

void TLernspeicher::AntwortSpeichern(const TAntwortEintrag &antwort, const TGedaechtnis &zustand)
{
    m_daten.PruefenBereit();
    // Times are stored as "yyyymmddhhnnss"; another year width breaks their order.
    for (const QDate &tag : {antwort.zeitpunkt.date(), zustand.faellig})
        if (tag.isValid() && (tag.year() < 1000 || tag.year() > 9999))
            throw DatenbankFehler(QStringLiteral("Das Datum %1 kann nicht gespeichert werden.")
                                      .arg(tag.toString(QStringLiteral("yyyy-MM-dd"))));
    TVerbindung &v = m_daten.Verbindung();
    TTransaktion t(v);
    {
        TAnweisung a = v.Anweisung("INSERT INTO lernverlauf (vokabel_id, zeitpunkt, art, richtung, richtig, sekunden) "
                                   "VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
        a.Binden(1, antwort.vokabelId)
            .Binden(2, Zeit(antwort.zeitpunkt))
            .Binden(3, static_cast<int32_t>(antwort.art))
            .Binden(4, R(antwort.richtung))
            .Binden(5, int32_t(antwort.richtig ? 1 : 0))
            .Binden(6, antwort.sekunden);
        a.Ausfuehren();
    }
    {
        TAnweisung a = v.Anweisung(
            "INSERT OR REPLACE INTO gedaechtnis (vokabel_id, richtung, stabilitaet, schwierigkeit, letzte, faellig, "
            "erste, wiederholungen, richtige) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
        a.Binden(1, zustand.vokabelId)
            .Binden(2, R(zustand.richtung))
            .Binden(3, zustand.stabilitaet)
            .Binden(4, zustand.schwierigkeit)
            .Binden(5, Zeit(zustand.letzte))
            .Binden(6, Tag(zustand.faellig))
            .Binden(7, Tag(zustand.erste))
            .Binden(8, zustand.wiederholungen)
            .Binden(9, zustand.richtige);
        a.Ausfuehren();
    }
    t.Bestaetigen();
}

std::vector<TLernkarte> TLernspeicher::Faellige(const QDate &bis, TAbfrageRichtung richtung, int32_t lehrbuchId)
{
    m_daten.PruefenBereit();
    TAnweisung a =
        m_daten.Verbindung().Anweisung("SELECT g.vokabel_id, v.vokabel, g.faellig, g.stabilitaet FROM gedaechtnis g "
                                       "JOIN vokabel v ON v.id = g.vokabel_id "
                                       "WHERE g.richtung = ?1 AND g.faellig <= ?2 AND (?3 = 0 OR EXISTS ("
                                       "  SELECT 1 FROM lek_vok lv JOIN lektion l ON l.id = lv.lektion_id "
                                       "  WHERE lv.vokabel_id = g.vokabel_id AND l.lehrbuch_id = ?3)) "
                                       "ORDER BY g.faellig, g.vokabel_id");
    a.Binden(1, R(richtung)).Binden(2, Tag(bis)).Binden(3, lehrbuchId);
    std::vector<TLernkarte> karten;
    while (a.Schritt())
        karten.push_back({a.Int(0), a.Text(1), TagLesen(a.Text(2)), a.Double(3)});
    return karten;
}

std::vector<TLernkarte> TLernspeicher::Neue(TAbfrageRichtung richtung, int32_t lehrbuchId, int anzahl)
{
    m_daten.PruefenBereit();
    std::vector<TLernkarte> karten;
    if (anzahl <= 0)
        return karten;
    // An entry in several lessons comes with the first of them.
    TAnweisung a = m_daten.Verbindung().Anweisung(
        "SELECT lv.vokabel_id, v.vokabel, min(printf('%010d%010d%010d', l.lehrbuch_id, l.id, lv.position)) AS platz "
        "FROM lek_vok lv JOIN lektion l ON l.id = lv.lektion_id JOIN vokabel v ON v.id = lv.vokabel_id "
        "WHERE (?1 = 0 OR l.lehrbuch_id = ?1) AND NOT EXISTS ("
        "  SELECT 1 FROM gedaechtnis g WHERE g.vokabel_id = lv.vokabel_id AND g.richtung = ?2) "
        "GROUP BY lv.vokabel_id ORDER BY platz LIMIT ?3");
    a.Binden(1, lehrbuchId).Binden(2, R(richtung)).Binden(3, int32_t(anzahl));
    while (a.Schritt())
        karten.push_back({a.Int(0), a.Text(1), QDate(), 0});
    return karten;
}

int TLernspeicher::NeueAm(const QDate &tag, TAbfrageRichtung richtung)
{
    m_daten.PruefenBereit();
    return Zahl(m_daten.Verbindung(), "SELECT count(*) FROM gedaechtnis WHERE richtung = ?1 AND erste = ?2",
                [&](TAnweisung &a) { a.Binden(1, R(richtung)).Binden(2, Tag(tag)); });
}

TLernstatistikDaten TLernspeicher::Statistik(const QDate &heute, TAbfrageRichtung richtung)
{
    m_daten.PruefenBereit();
    TVerbindung &v = m_daten.Verbindung();
    TLernstatistikDaten s;
    {
        TAnweisung a = v.Anweisung("SELECT 1 FROM lernverlauf LIMIT 1");
        s.verlaufVorhanden = a.Schritt();
    }

    // Each day is one range over the time index, which also holds the
    // verdict: no table rows are read and nothing is sorted.
    const QDate erster = heute.addDays(-29);
    {
        TAnweisung a =
            v.Anweisung("SELECT count(*), total(richtig) FROM lernverlauf WHERE zeitpunkt >= ?1 AND zeitpunkt < ?2");
        for (int i = 0; i < 30; ++i) {
            const QDate tag = erster.addDays(i);
            a.Zuruecksetzen();
            a.Binden(1, Tag(tag)).Binden(2, Tag(tag.addDays(1)));
            const int32_t alle = a.Schritt() ? a.Int(0) : 0;
            const int32_t richtig = alle > 0 ? a.Int(1) : 0;
            s.tage.push_back({tag, richtig, alle - richtig});
        }
    }

    for (int i = 0; i < 30; ++i)
        s.vorschau.push_back({heute.addDays(i), 0});
    {
        TAnweisung a = v.Anweisung("SELECT faellig, count(*) FROM gedaechtnis WHERE richtung = ?1 AND faellig <= ?2 "
                                   "GROUP BY faellig");
        a.Binden(1, R(richtung)).Binden(2, Tag(heute.addDays(29)));
        while (a.Schritt()) {
            const qint64 i = std::max<qint64>(0, heute.daysTo(TagLesen(a.Text(0))));
            if (i < 30)
                s.vorschau[size_t(i)].faellig += a.Int(1);
        }
    }
    s.faelligHeute = s.vorschau.front().faellig;

    // Learnt, new and the retention per lesson from one pass over each of
    // the two tables: a join would look up every entry in the other table.
    std::unordered_map<int32_t, std::pair<int32_t, int32_t>> zaehler; // entry -> reviews, right
    {
        // "+richtung": read the table in order instead of the due index.
        TAnweisung a = v.Anweisung("SELECT vokabel_id, wiederholungen, richtige FROM gedaechtnis WHERE +richtung = ?1");
        a.Binden(1, R(richtung));
        while (a.Schritt())
            zaehler.emplace(a.Int(0), std::pair{a.Int(1), a.Int(2)});
    }
    s.gelernt = static_cast<int32_t>(zaehler.size());
    std::unordered_map<int32_t, std::pair<int32_t, int32_t>> jeLektion;
    std::unordered_set<int32_t> neu;
    {
        TAnweisung a = v.Anweisung("SELECT vokabel_id, lektion_id FROM lek_vok");
        while (a.Schritt()) {
            const auto z = zaehler.find(a.Int(0));
            if (z == zaehler.end()) {
                neu.insert(a.Int(0));
                continue;
            }
            auto &l = jeLektion[a.Int(1)];
            l.first += z->second.first;
            l.second += z->second.second;
        }
    }
    s.neu = static_cast<int32_t>(neu.size());
    if (!jeLektion.empty()) {
        TAnweisung a = v.Anweisung("SELECT id, name FROM lektion ORDER BY lehrbuch_id, id");
        while (a.Schritt())
            if (const auto l = jeLektion.find(a.Int(0)); l != jeLektion.end())
                s.lektionen.push_back({a.Text(1), l->second.first, l->second.second});
    }

    // Each day is one range over the time index, so a long run costs a few
    // look-ups rather than a pass over the whole history.
    TAnweisung tag = v.Anweisung("SELECT 1 FROM lernverlauf WHERE zeitpunkt >= ?1 AND zeitpunkt < ?2 LIMIT 1");
    auto geuebt = [&](const QDate &d) {
        tag.Zuruecksetzen();
        tag.Binden(1, Tag(d)).Binden(2, Tag(d.addDays(1)));
        return tag.Schritt();
    };
    QDate d = geuebt(heute) ? heute : heute.addDays(-1);
    while (s.tageInFolge < 36500 && geuebt(d)) {
        ++s.tageInFolge;
        d = d.addDays(-1);
    }
    return s;
}

} // namespace lexovita
