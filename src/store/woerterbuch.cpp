#include "store/woerterbuch.h"

namespace lexovita {

namespace {

// Statement text of a list: columns text and id, a key column for the range.
struct TListe {
    const char *tabelle;
    const char *text;
    const char *id;
    const char *schluessel;
};

TListe ListeVon(TWoerterbuchModus modus, bool praesens)
{
    switch (modus) {
    case TWoerterbuchModus::Latein:
        return praesens ? TListe{"vokwb", "ausdruck", "vokabel_id", "ausdruck_lower"}
                        : TListe{"vokabel", "vokabel", "id", "vokabel_lower"};
    case TWoerterbuchModus::Deutsch:
        return {"bedeutung", "bedeutung", "id", "bedeutung_lower"};
    case TWoerterbuchModus::Merkhilfen:
        break;
    }
    return {"merkhilfe", "merkhilfe", "0", "merkhilfe_lower"};
}

} // namespace

std::vector<TWoerterbuchZeile> TWoerterbuchAbfrage::Liste(TWoerterbuchModus modus, bool praesens, const QString &text)
{
    daten_.PruefenBereit();
    const TListe l = ListeVon(modus, praesens);
    const QString schluessel = text.toLower();
    const QString ende = schluessel.isEmpty() ? QString() : PraefixEnde(schluessel);
    // The names come from the fixed table above, never from the user.
    QByteArray sql = QByteArray("SELECT ") + l.text + ", " + l.id + " FROM " + l.tabelle;
    if (!schluessel.isEmpty())
        sql += QByteArray(" WHERE ") + l.schluessel + " >= ?1" +
               (ende.isNull() ? "" : QByteArray(" AND ") + l.schluessel + " < ?2");
    sql += QByteArray(" ORDER BY ") + l.schluessel + ", rowid";
    TAnweisung a = daten_.Verbindung().Anweisung(sql.constData());
    if (!schluessel.isEmpty()) {
        a.Binden(1, schluessel);
        if (!ende.isNull())
            a.Binden(2, ende);
    }
    std::vector<TWoerterbuchZeile> zeilen;
    while (a.Schritt())
        zeilen.push_back({a.Text(0), a.Int(1)});
    return zeilen;
}

std::vector<TWoerterbuchTreffer> TWoerterbuchAbfrage::Eintraege(TWoerterbuchModus modus, const TWoerterbuchZeile &zeile,
                                                                const QString &suchtext)
{
    daten_.PruefenBereit();
    std::vector<TWoerterbuchTreffer> treffer;
    auto lesen = [&](TAnweisung &a) {
        while (a.Schritt())
            treffer.push_back({a.Int(0), a.Text(1)});
    };
    switch (modus) {
    case TWoerterbuchModus::Latein: {
        TAnweisung a = daten_.Verbindung().Anweisung("SELECT id, vokabel FROM vokabel WHERE id = ?1");
        a.Binden(1, zeile.id);
        lesen(a);
        break;
    }
    case TWoerterbuchModus::Deutsch: {
        TAnweisung a = daten_.Verbindung().Anweisung("SELECT v.id, v.vokabel FROM vok_bed b JOIN vokabel v ON "
                                                     "v.id = b.vokabel_id WHERE b.bedeutung_id = ?1 ORDER BY b.rowid");
        a.Binden(1, zeile.id);
        lesen(a);
        break;
    }
    case TWoerterbuchModus::Merkhilfen: {
        const QString text = zeile.text.isEmpty() ? suchtext : zeile.text;
        const QString ende = PraefixEnde(text);
        TAnweisung a = daten_.Verbindung().Anweisung(
            ende.isNull() ? "SELECT v.id, v.vokabel FROM merkhilfe m JOIN vokabel v ON v.id = m.vokabel_id "
                            "WHERE m.merkhilfe >= ?1 ORDER BY m.merkhilfe, m.rowid"
                          : "SELECT v.id, v.vokabel FROM merkhilfe m JOIN vokabel v ON v.id = m.vokabel_id "
                            "WHERE m.merkhilfe >= ?1 AND m.merkhilfe < ?2 ORDER BY m.merkhilfe, m.rowid");
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
