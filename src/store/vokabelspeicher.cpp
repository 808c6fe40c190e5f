#include "store/vokabelspeicher.h"
#include "morph/laengen.h"

#include "model/suchschluessel.h"
#include "model/textpruefung.h"
#include "morph/staemme.h"

namespace lexovita {

TVokabelSpeicher::Ergebnis TVokabelSpeicher::Speichern(TVokabel &eintrag, Loesung loesung)
{
    return eintrag.id > 0 ? VokabelAktualisieren(eintrag, loesung) : VokabelAnlegen(eintrag, loesung);
}

int32_t TVokabelSpeicher::AndereMitGleichemWort(const TVokabel &eintrag, int32_t ausser)
{
    // The same word with or without vowel lengths (labōrāre, laborare) is the
    // same headword; letter case still tells words apart.
    const QString schlicht = LaengenEntfernen(eintrag.vokabel);
    TAnweisung a = m_daten.Verbindung().Anweisung("SELECT id, vokabel FROM vokabel WHERE vokabel_lower = ?1 AND "
                                                  "wortart = ?2 AND id <> ?3 ORDER BY id");
    a.Binden(1, schlicht.toLower()).Binden(2, WortartBuchstabe(eintrag.Wortart())).Binden(3, ausser);
    while (a.Schritt())
        if (LaengenEntfernen(a.Text(1)) == schlicht)
            return a.Int(0);
    return 0;
}

TVokabelSpeicher::Ergebnis TVokabelSpeicher::VokabelAnlegen(TVokabel &eintrag, Loesung loesung)
{
    m_daten.PruefenBereit();
    VokabelPruefen(eintrag);
    TVerbindung &v = m_daten.Verbindung();

    // Looked up before the write lock is taken: the caller may ask the user
    // and come back.
    const int32_t vorhanden = AndereMitGleichemWort(eintrag, 0);
    if (vorhanden > 0 && loesung != Loesung::Ersetzen && loesung != Loesung::Daneben)
        return {Ausgang::Gleichlautend, vorhanden, {}, 0};
    const bool ersetzen = vorhanden > 0 && loesung == Loesung::Ersetzen;

    TTransaktion t(v);
    if (ersetzen)
        m_daten.VokabelLoeschen(vorhanden);
    ZeileAnlegen(eintrag);
    t.Bestaetigen();
    return {};
}

TVokabelSpeicher::Ergebnis TVokabelSpeicher::VokabelAktualisieren(TVokabel &eintrag, Loesung loesung)
{
    VokabelPruefen(eintrag);
    const int32_t id = eintrag.id;
    std::unique_ptr<TVokabel> gespeichert = m_daten.VokabelLaden(id);
    if (gespeichert->id == 0) {
        // Deleted meanwhile (e.g. by a second program): keep the user's work.
        eintrag.id = 0;
        return VokabelAnlegen(eintrag, loesung);
    }
    m_daten.SonderformenLaden(*gespeichert);
    TVerbindung &v = m_daten.Verbindung();

    int32_t andere = 0;
    if (gespeichert->vokabel != eintrag.vokabel || gespeichert->Wortart() != eintrag.Wortart()) {
        andere = AndereMitGleichemWort(eintrag, id);
        if (andere > 0 && loesung != Loesung::Ersetzen)
            return {Ausgang::Belegt, andere, gespeichert->vokabel, gespeichert->Wortart()};
    }

    TTransaktion t(v);
    if (andere > 0) {
        TAnweisung a = v.Anweisung("UPDATE lek_vok SET vokabel_id = ?1 WHERE vokabel_id = ?2");
        a.Binden(1, id).Binden(2, andere);
        a.Ausfuehren();
        m_daten.VokabelLoeschen(andere);
    }
    {
        TAnweisung a = v.Anweisung("UPDATE vokabel SET vokabel = ?1, form1 = ?2, form2 = ?3, form3 = ?4, "
                                   "konjdekl = ?5, wortart = ?6, attribute = ?7, aktualisierung = ?8, "
                                   "vokabel_lower = ?9, vokabel_such = ?11 WHERE id = ?10");
        a.Binden(1, eintrag.vokabel)
            .Binden(2, eintrag.form1)
            .Binden(3, eintrag.form2)
            .Binden(4, eintrag.form3)
            .Binden(5, KonjDeklBuchstabe(eintrag.KonjDekl()))
            .Binden(6, WortartBuchstabe(eintrag.Wortart()))
            .Binden(7, eintrag.attribute)
            .Binden(8, eintrag.aktualisierung)
            .Binden(9, LaengenEntfernen(eintrag.vokabel).toLower())
            .Binden(10, id)
            .Binden(11, Suchschluessel(eintrag.vokabel, TSuchsprache::Latein));
        a.Ausfuehren();
    }
    AbhaengigeLoeschen(id);
    AbhaengigeSchreiben(eintrag, id);

    m_daten.SonderformenLaden(eintrag);
    if (!eintrag.IstGleich(*gespeichert)) {
        const QString jetzt = m_daten.DatumJetzt();
        TAnweisung a = v.Anweisung("UPDATE vokabel SET aktualisierung = ?1 WHERE id = ?2");
        a.Binden(1, jetzt).Binden(2, id);
        a.Ausfuehren();
        eintrag.aktualisierung = jetzt;
    }
    t.Bestaetigen();
    return {};
}

void TVokabelSpeicher::AbhaengigeLoeschen(int32_t id)
{
    // References that other entries hold to this one (vokabel2_id) stay.
    static const char *const kLoeschen[] = {
        "DELETE FROM vok_bed WHERE vokabel_id = ?1",  "DELETE FROM merkhilfe WHERE vokabel_id = ?1",
        "DELETE FROM vok_vok WHERE vokabel1_id = ?1", "DELETE FROM sonderform WHERE vokabel_id = ?1",
        "DELETE FROM stamm WHERE vokabel_id = ?1",
    };
    for (const char *sql : kLoeschen) {
        TAnweisung a = m_daten.Verbindung().Anweisung(sql);
        a.Binden(1, id);
        a.Ausfuehren();
    }
    if (!m_daten.VokabelindexFehlt()) {
        TAnweisung a = m_daten.Verbindung().Anweisung("DELETE FROM vokwb WHERE vokabel_id = ?1");
        a.Binden(1, id);
        a.Ausfuehren();
    }
}

void TVokabelSpeicher::ZeileAnlegen(TVokabel &eintrag)
{
    // Every way in (editor, command line, each import) ends here or above:
    // what cannot be exported and read again is not stored.
    VokabelPruefen(eintrag);
    TVerbindung &v = m_daten.Verbindung();
    const QString jetzt = m_daten.DatumJetzt();
    TAnweisung a =
        v.Anweisung("INSERT INTO vokabel (vokabel, form1, form2, form3, konjdekl, wortart, attribute, "
                    "aktualisierung, vokabel_lower, vokabel_such) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)");
    a.Binden(1, eintrag.vokabel)
        .Binden(2, eintrag.form1)
        .Binden(3, eintrag.form2)
        .Binden(4, eintrag.form3)
        .Binden(5, KonjDeklBuchstabe(eintrag.KonjDekl()))
        .Binden(6, WortartBuchstabe(eintrag.Wortart()))
        .Binden(7, eintrag.attribute)
        .Binden(8, jetzt)
        .Binden(9, LaengenEntfernen(eintrag.vokabel).toLower())
        .Binden(10, Suchschluessel(eintrag.vokabel, TSuchsprache::Latein));
    a.Ausfuehren();
    const auto id = static_cast<int32_t>(v.LetzteId());
    AbhaengigeSchreiben(eintrag, id);
    eintrag.id = id;
    eintrag.aktualisierung = jetzt;
}

void TVokabelSpeicher::AbhaengigeSchreiben(const TVokabel &eintrag, int32_t id)
{
    BedeutungenSchreiben(eintrag, id);
    MerkhilfenSchreiben(eintrag, id);
    VerweiseSchreiben(eintrag, id);
    SonderformenSchreiben(eintrag, id);
    StaemmeSchreiben(eintrag, id);
    WortindexSchreiben(eintrag, id);
}

void TVokabelSpeicher::BedeutungenSchreiben(const TVokabel &eintrag, int32_t id)
{
    TVerbindung &v = m_daten.Verbindung();
    for (const auto &b : eintrag.bedeutungen) {
        int64_t bedeutungId = 0;
        {
            TAnweisung suche = v.Anweisung("SELECT id FROM bedeutung WHERE bedeutung = ?1 ORDER BY id LIMIT 1");
            suche.Binden(1, b->bedeutung);
            if (suche.Schritt())
                bedeutungId = suche.Int64(0);
        }
        if (bedeutungId == 0) {
            TAnweisung neu =
                v.Anweisung("INSERT INTO bedeutung (bedeutung, bedeutung_lower, bedeutung_such) VALUES (?1, ?2, ?3)");
            neu.Binden(1, b->bedeutung)
                .Binden(2, b->bedeutung.toLower())
                .Binden(3, Suchschluessel(b->bedeutung, TSuchsprache::Deutsch));
            neu.Ausfuehren();
            bedeutungId = v.LetzteId();
        }
        TAnweisung a = v.Anweisung("INSERT INTO vok_bed (vokabel_id, bedeutung_id, gruppe, position, kommentar) "
                                   "VALUES (?1, ?2, ?3, ?4, ?5)");
        a.Binden(1, id).Binden(2, bedeutungId).Binden(3, b->gruppe).Binden(4, b->position).Binden(5, b->kommentar);
        a.Ausfuehren();
    }
}

void TVokabelSpeicher::MerkhilfenSchreiben(const TVokabel &eintrag, int32_t id)
{
    for (const auto &m : eintrag.merkhilfen) {
        TAnweisung a = m_daten.Verbindung().Anweisung(
            "INSERT INTO merkhilfe (vokabel_id, merkhilfe, sprache, merkhilfe_lower, merkhilfe_such) "
            "VALUES (?1, ?2, ?3, ?4, ?5)");
        a.Binden(1, id)
            .Binden(2, m->merkhilfe)
            .Binden(3, m->sprache)
            .Binden(4, m->merkhilfe.toLower())
            .Binden(5, Suchschluessel(m->merkhilfe, TSuchsprache::Deutsch));
        a.Ausfuehren();
    }
}

void TVokabelSpeicher::VerweiseSchreiben(const TVokabel &eintrag, int32_t id)
{
    TVerbindung &v = m_daten.Verbindung();
    for (const QString &wort : eintrag.Verweise()) {
        // The headword index ignores letter case; an exact match wins.
        int64_t ziel = 0;
        {
            TAnweisung suche = v.Anweisung("SELECT id FROM vokabel WHERE vokabel_lower = ?1 "
                                           "ORDER BY vokabel <> ?2, id LIMIT 1");
            suche.Binden(1, wort.toLower()).Binden(2, wort);
            if (suche.Schritt())
                ziel = suche.Int64(0);
        }
        if (ziel == 0)
            continue; // the referred entry no longer exists
        TAnweisung a = v.Anweisung("INSERT INTO vok_vok (vokabel1_id, vokabel2_id) VALUES (?1, ?2)");
        a.Binden(1, id).Binden(2, ziel);
        a.Ausfuehren();
    }
}

void TVokabelSpeicher::SonderformenSchreiben(const TVokabel &eintrag, int32_t id)
{
    for (const auto &f : eintrag.sonderformen) {
        TAnweisung a =
            m_daten.Verbindung().Anweisung("INSERT INTO sonderform (vokabel_id, form_id, form) VALUES (?1, ?2, ?3)");
        a.Binden(1, id).Binden(2, f->formId).Binden(3, f->text);
        a.Ausfuehren();
    }
}

void TVokabelSpeicher::StaemmeSchreiben(const TVokabel &eintrag, int32_t id)
{
    for (const QString &stamm : StaemmeAbleiten(eintrag)) {
        TAnweisung a = m_daten.Verbindung().Anweisung("INSERT INTO stamm (vokabel_id, stamm) VALUES (?1, ?2)");
        a.Binden(1, id).Binden(2, stamm);
        a.Ausfuehren();
    }
}

void TVokabelSpeicher::WortindexSchreiben(const TVokabel &eintrag, int32_t id)
{
    // Without the word index table the start-up builds it from all entries.
    if (m_daten.VokabelindexFehlt())
        return;
    const QString wort = eintrag.Indexwort();
    TAnweisung a = m_daten.Verbindung().Anweisung(
        "INSERT INTO vokwb (ausdruck, vokabel_id, ausdruck_lower, ausdruck_such) VALUES (?1, ?2, ?3, ?4)");
    a.Binden(1, wort).Binden(2, id).Binden(3, wort.toLower()).Binden(4, Suchschluessel(wort, TSuchsprache::Latein));
    a.Ausfuehren();
}

} // namespace lexovita
