#include "lernspeicher.h"

#include "datenmanager.h"
#include "sqlite.h"

#include <functional>

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

    const QDate erster = heute.addDays(-29);
    for (int i = 0; i < 30; ++i)
        s.tage.push_back({erster.addDays(i), 0, 0});
    {
        TAnweisung a = v.Anweisung("SELECT substr(zeitpunkt, 1, 8) AS tag, sum(richtig), count(*) FROM lernverlauf "
                                   "WHERE zeitpunkt >= ?1 AND zeitpunkt < ?2 GROUP BY tag");
        a.Binden(1, Tag(erster)).Binden(2, Tag(heute.addDays(1)));
        while (a.Schritt()) {
            const qint64 i = erster.daysTo(TagLesen(a.Text(0)));
            if (i >= 0 && i < 30) {
                s.tage[size_t(i)].richtig = a.Int(1);
                s.tage[size_t(i)].falsch = a.Int(2) - a.Int(1);
            }
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

    {
        TAnweisung a = v.Anweisung("SELECT l.name, sum(g.wiederholungen), sum(g.richtige) FROM lektion l "
                                   "JOIN lek_vok lv ON lv.lektion_id = l.id "
                                   "JOIN gedaechtnis g ON g.vokabel_id = lv.vokabel_id AND g.richtung = ?1 "
                                   "GROUP BY l.id ORDER BY l.lehrbuch_id, l.id");
        a.Binden(1, R(richtung));
        while (a.Schritt())
            s.lektionen.push_back({a.Text(0), a.Int(1), a.Int(2)});
    }

    s.gelernt = Zahl(v, "SELECT count(*) FROM gedaechtnis WHERE richtung = ?1",
                     [&](TAnweisung &a) { a.Binden(1, R(richtung)); });
    s.neu = Zahl(v,
                 "SELECT count(DISTINCT lv.vokabel_id) FROM lek_vok lv WHERE NOT EXISTS ("
                 "  SELECT 1 FROM gedaechtnis g WHERE g.vokabel_id = lv.vokabel_id AND g.richtung = ?1)",
                 [&](TAnweisung &a) { a.Binden(1, R(richtung)); });

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
