#include "store/woerterbuch.h"

#include "model/suchschluessel.h"

#include <algorithm>
#include <iterator>

namespace lexovita {

namespace {

// Statement text of a list: columns text and id, a key column for the range.
struct TListe {
    const char *tabelle;
    const char *text;
    const char *id;
    const char *schluessel;
    TSuchsprache sprache;
};

TListe ListeVon(TWoerterbuchModus modus, bool praesens)
{
    switch (modus) {
    case TWoerterbuchModus::Latein:
        return praesens ? TListe{"vokwb", "ausdruck", "vokabel_id", "ausdruck_such", TSuchsprache::Latein}
                        : TListe{"vokabel", "vokabel", "id", "vokabel_such", TSuchsprache::Latein};
    case TWoerterbuchModus::Deutsch:
        return {"bedeutung", "bedeutung", "id", "bedeutung_such", TSuchsprache::Deutsch};
    case TWoerterbuchModus::Merkhilfen:
        break;
    }
    return {"merkhilfe", "merkhilfe", "0", "merkhilfe_such", TSuchsprache::Deutsch};
}

// The rows in the range of the key, or (innen) those holding it as a word
// further in, at most `anzahl`, after `nach` when given.
std::vector<TWoerterbuchZeile> ZeilenLesen(TDatenmanager &daten, const TListe &l, const QString &schluessel,
                                           const QString &ende, bool innen, int anzahl, const TWoerterbuchZeile *nach)
{
    // The names come from the fixed table above, never from the user; an
    // unused parameter is bound to a value that lets every row pass.
    const QByteArray k(l.schluessel);
    const QByteArray bereich = "(" + k + " >= ?1" + (ende.isNull() ? QByteArray() : " AND " + k + " < ?2") + ")";
    QByteArray sql = "SELECT " + QByteArray(l.text) + ", " + l.id + ", " + k + ", rowid FROM " + l.tabelle + " WHERE ";
    if (innen)
        // A word begins after a blank, a bracket, a hyphen or a slash.
        sql += "instr(' ' || replace(replace(replace(" + k +
               ", '(', ' '), '-', ' '), '/', ' '), ' ' || ?1) > 0 "
               "AND NOT " +
               bereich;
    else
        sql += bereich;
    if (nach)
        sql += " AND (" + k + " > ?3 OR (" + k + " = ?3 AND rowid > ?4))";
    sql += " ORDER BY " + k + ", rowid LIMIT ?5";
    TAnweisung a = daten.Verbindung().Anweisung(sql.constData());
    a.Binden(1, schluessel);
    if (!ende.isNull())
        a.Binden(2, ende);
    if (nach)
        a.Binden(3, nach->schluessel).Binden(4, nach->rowid);
    a.Binden(5, static_cast<int64_t>(anzahl));
    std::vector<TWoerterbuchZeile> zeilen;
    while (a.Schritt())
        zeilen.push_back({a.Text(0), a.Int(1), a.Text(2), a.Int64(3)});
    return zeilen;
}

} // namespace

std::vector<TWoerterbuchZeile> TWoerterbuchAbfrage::Liste(TWoerterbuchModus modus, bool praesens, const QString &text,
                                                          int anzahl, const TWoerterbuchZeile *nach)
{
    m_daten.PruefenBereit();
    const TListe l = ListeVon(modus, praesens);
    const QString schluessel = Suchschluessel(text, l.sprache);
    const QString ende = schluessel.isEmpty() ? QString() : PraefixEnde(schluessel);
    // German meanings are also found by a word inside them ("freuen" in
    // "sich freuen"), listed after those that begin with the text.
    const bool innen = modus == TWoerterbuchModus::Deutsch && !schluessel.isEmpty();
    const bool nachInnen = nach && innen && !nach->schluessel.startsWith(schluessel);
    std::vector<TWoerterbuchZeile> zeilen;
    if (!nachInnen)
        zeilen = ZeilenLesen(m_daten, l, schluessel, ende, false, anzahl, nach);
    if (innen && (anzahl < 0 || static_cast<int>(zeilen.size()) < anzahl)) {
        const int rest = anzahl < 0 ? -1 : anzahl - static_cast<int>(zeilen.size());
        std::vector<TWoerterbuchZeile> weitere =
            ZeilenLesen(m_daten, l, schluessel, ende, true, rest, nachInnen ? nach : nullptr);
        zeilen.insert(zeilen.end(), std::make_move_iterator(weitere.begin()), std::make_move_iterator(weitere.end()));
    }
    return zeilen;
}

std::vector<TWoerterbuchTreffer> TWoerterbuchAbfrage::Eintraege(TWoerterbuchModus modus, const TWoerterbuchZeile &zeile,
                                                                const QString &suchtext)
{
    m_daten.PruefenBereit();
    std::vector<TWoerterbuchTreffer> treffer;
    // Each entry once, however many of its memory aids match.
    auto lesen = [&](TAnweisung &a) {
        while (a.Schritt()) {
            const int32_t id = a.Int(0);
            if (std::none_of(treffer.begin(), treffer.end(), [id](const TWoerterbuchTreffer &t) { return t.id == id; }))
                treffer.push_back({id, a.Text(1)});
        }
    };
    switch (modus) {
    case TWoerterbuchModus::Latein: {
        TAnweisung a = m_daten.Verbindung().Anweisung("SELECT id, vokabel FROM vokabel WHERE id = ?1");
        a.Binden(1, zeile.id);
        lesen(a);
        break;
    }
    case TWoerterbuchModus::Deutsch: {
        TAnweisung a = m_daten.Verbindung().Anweisung("SELECT v.id, v.vokabel FROM vok_bed b JOIN vokabel v ON "
                                                      "v.id = b.vokabel_id WHERE b.bedeutung_id = ?1 ORDER BY b.rowid");
        a.Binden(1, zeile.id);
        lesen(a);
        break;
    }
    case TWoerterbuchModus::Merkhilfen: {
        const QString text = Suchschluessel(zeile.text.isEmpty() ? suchtext : zeile.text, TSuchsprache::Deutsch);
        const QString ende = PraefixEnde(text);
        TAnweisung a = m_daten.Verbindung().Anweisung(
            ende.isNull() ? "SELECT v.id, v.vokabel FROM merkhilfe m JOIN vokabel v ON v.id = m.vokabel_id "
                            "WHERE m.merkhilfe_such >= ?1 ORDER BY m.merkhilfe_such, m.rowid"
                          : "SELECT v.id, v.vokabel FROM merkhilfe m JOIN vokabel v ON v.id = m.vokabel_id "
                            "WHERE m.merkhilfe_such >= ?1 AND m.merkhilfe_such < ?2 ORDER BY m.merkhilfe_such, "
                            "m.rowid");
        a.Binden(1, text);
        if (!ende.isNull())
            a.Binden(2, ende);
        lesen(a);
        break;
    }
    }
    return treffer;
}

} // namespace lexovita
