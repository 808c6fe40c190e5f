#include "store/vokabeltabelle.h"

#include "model/csv.h"
#include "morph/vokabelregeln.h"

#include <QHash>
#include <algorithm>
#include <map>
#include <optional>

namespace lexovita {

namespace {

enum class TTabSpalte {
    Vokabel,
    Stammformen,
    Bedeutungen,
    Wortart,
    Lektion,
    Lehrbuch,
    Merkhilfen,
    Klasse,
    Genus,
    Merkmale,
    Verweise,
    Sonderformen,
    Position,
    Lektionstext,
    Notizen,
};

// Export column order; the reader takes any order.
const std::vector<std::pair<TTabSpalte, const char *>> &Kopf()
{
    static const std::vector<std::pair<TTabSpalte, const char *>> kopf = {
        {TTabSpalte::Lehrbuch, "Lehrbuch"},
        {TTabSpalte::Lektion, "Lektion"},
        {TTabSpalte::Position, "Position"},
        {TTabSpalte::Vokabel, "Vokabel"},
        {TTabSpalte::Stammformen, "Stammformen"},
        {TTabSpalte::Wortart, "Wortart"},
        {TTabSpalte::Klasse, "Klasse"},
        {TTabSpalte::Genus, "Genus"},
        {TTabSpalte::Merkmale, "Merkmale"},
        {TTabSpalte::Bedeutungen, "Bedeutungen"},
        {TTabSpalte::Merkhilfen, "Merkhilfen"},
        {TTabSpalte::Verweise, "Verweise"},
        {TTabSpalte::Sonderformen, "Sonderformen"},
        {TTabSpalte::Lektionstext, "Lektionstext"},
        {TTabSpalte::Notizen, "Notizen"},
    };
    return kopf;
}

// Column name folded: lower case, umlauts spelt out, only letters.
QString Falten(const QString &name)
{
    QString s = name.toLower();
    s.replace(QStringLiteral("ä"), QStringLiteral("ae"))
        .replace(QStringLiteral("ö"), QStringLiteral("oe"))
        .replace(QStringLiteral("ü"), QStringLiteral("ue"))
        .replace(QStringLiteral("ß"), QStringLiteral("ss"));
    QString aus;
    for (const QChar c : s)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            aus += c;
    return aus;
}

std::optional<TTabSpalte> SpalteAusName(const QString &name)
{
    static const QHash<QString, TTabSpalte> namen = {
        {QStringLiteral("vokabel"), TTabSpalte::Vokabel},
        {QStringLiteral("latein"), TTabSpalte::Vokabel},
        {QStringLiteral("lateinisch"), TTabSpalte::Vokabel},
        {QStringLiteral("stichwort"), TTabSpalte::Vokabel},
        {QStringLiteral("stammformen"), TTabSpalte::Stammformen},
        {QStringLiteral("stammform"), TTabSpalte::Stammformen},
        {QStringLiteral("formen"), TTabSpalte::Stammformen},
        {QStringLiteral("bedeutung"), TTabSpalte::Bedeutungen},
        {QStringLiteral("bedeutungen"), TTabSpalte::Bedeutungen},
        {QStringLiteral("bedeutungenen"), TTabSpalte::Bedeutungen},
        {QStringLiteral("deutsch"), TTabSpalte::Bedeutungen},
        {QStringLiteral("wortart"), TTabSpalte::Wortart},
        {QStringLiteral("lektion"), TTabSpalte::Lektion},
        {QStringLiteral("lehrbuch"), TTabSpalte::Lehrbuch},
        {QStringLiteral("merkhilfe"), TTabSpalte::Merkhilfen},
        {QStringLiteral("merkhilfen"), TTabSpalte::Merkhilfen},
        {QStringLiteral("klasse"), TTabSpalte::Klasse},
        {QStringLiteral("genus"), TTabSpalte::Genus},
        {QStringLiteral("merkmale"), TTabSpalte::Merkmale},
        {QStringLiteral("verweise"), TTabSpalte::Verweise},
        {QStringLiteral("verweis"), TTabSpalte::Verweise},
        {QStringLiteral("sonderformen"), TTabSpalte::Sonderformen},
        {QStringLiteral("position"), TTabSpalte::Position},
        {QStringLiteral("lektionstext"), TTabSpalte::Lektionstext},
        {QStringLiteral("notizen"), TTabSpalte::Notizen},
    };
    const auto it = namen.find(Falten(name));
    if (it == namen.end())
        return std::nullopt;
    return *it;
}

// --- Escaping inside a cell: "\" takes the next character literally.

QString Maskieren(const QString &text, const QString &zeichen)
{
    QString aus;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || zeichen.contains(c))
            aus += QLatin1Char('\\');
        aus += c;
    }
    return aus;
}

// Splits at unescaped `trenner`, keeping escapes in the pieces.
QStringList Teilen(const QString &text, QChar trenner)
{
    QStringList teile;
    QString teil;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
            teil += text[i];
            teil += text[++i];
        } else if (text[i] == trenner) {
            teile << teil;
            teil.clear();
        } else {
            teil += text[i];
        }
    }
    teile << teil;
    return teile;
}

QString Entmaskieren(const QString &text)
{
    QString aus;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size())
            ++i;
        aus += text[i];
    }
    return aus.trimmed();
}

// "text [remark]": the remark in square brackets at the end.
void BedeutungZerlegen(const QString &roh, QString &text, QString &kommentar)
{
    const QString s = roh.trimmed();
    kommentar.clear();
    if (s.endsWith(QLatin1Char(']')) && !s.endsWith(QStringLiteral("\\]"))) {
        // Find the unescaped "[" that opens the last bracket.
        qsizetype auf = -1;
        for (qsizetype i = 0; i < s.size() - 1; ++i) {
            if (s[i] == QLatin1Char('\\')) {
                ++i;
                continue;
            }
            if (s[i] == QLatin1Char('['))
                auf = i;
        }
        if (auf >= 0) {
            kommentar = Entmaskieren(s.mid(auf + 1, s.size() - auf - 2));
            text = Entmaskieren(s.left(auf));
            return;
        }
    }
    text = Entmaskieren(s);
}

const std::vector<std::pair<int32_t, const char *>> &Merkmalnamen()
{
    static const std::vector<std::pair<int32_t, const char *>> namen = {
        {ATTR_DEPONENS, "Deponens"},
        {ATTR_SEMIDEPONENS, "Semideponens"},
        {ATTR_PLURALIS_TANTUM, "Pluralis tantum"},
        {ATTR_SINGULARIS_TANTUM, "Singularis tantum"},
        {ATTR_KEIN_PASSIV, "Keine Passiv-Formen"},
        {ATTR_RESERVIERT, "Reserviert"},
    };
    return namen;
}

std::optional<int32_t> WortartAusText(const QString &text)
{
    const QString k = Falten(text);
    if (k.isEmpty())
        return 0;
    static const QHash<QString, int32_t> namen = {
        {QStringLiteral("verb"), WA_VERB},
        {QStringLiteral("v"), WA_VERB},
        {QStringLiteral("substantiv"), WA_SUBSTANTIV},
        {QStringLiteral("subst"), WA_SUBSTANTIV},
        {QStringLiteral("nomen"), WA_SUBSTANTIV},
        {QStringLiteral("adjektiv"), WA_ADJEKTIV},
        {QStringLiteral("adj"), WA_ADJEKTIV},
        {QStringLiteral("adverb"), WA_ADVERB},
        {QStringLiteral("adv"), WA_ADVERB},
        {QStringLiteral("pronomen"), WA_PRONOMEN},
        {QStringLiteral("pron"), WA_PRONOMEN},
        {QStringLiteral("unbestimmt"), WA_UNBESTIMMT},
        {QStringLiteral("anderewortart"), WA_UNBESTIMMT},
        {QStringLiteral("andere"), WA_UNBESTIMMT},
    };
    const auto it = namen.find(k);
    if (it == namen.end())
        return std::nullopt;
    return *it;
}

std::optional<int32_t> KlasseAusText(int32_t wortart, const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return KD_KEINE;
    bool zahl = false;
    const int n = t.toInt(&zahl);
    if (zahl)
        return (n >= 0 && n <= 56 && n % 8 == 0) ? std::optional<int32_t>(n) : std::nullopt;
    // The first code of that name wins: adjectives' "O/A-Deklination" is 32
    // as the editor sets it, "Keine Deklination" and "Unbekannt" are 0.
    for (const int32_t kd : {KD_KEINE, KD_O, KD_A, KD_E, KD_I, KD_U, KD_K, KD_G})
        if (KonjDeklName(wortart, kd).compare(t, Qt::CaseInsensitive) == 0)
            return kd;
    return std::nullopt;
}

QString KlasseText(const TVokabel &v)
{
    const QString name = v.KonjDeklText();
    const std::optional<int32_t> zurueck = KlasseAusText(v.Wortart(), name);
    // A code the name does not bring back (an adjective with 8, say) is written as its number.
    if (zurueck && *zurueck == v.KonjDekl())
        return name;
    return QString::number(v.KonjDekl());
}

QString GenusKuerzel(const QString &buchstabe)
{
    const TGenus genus = GenusAus(buchstabe);
    if (genus == TGenus::MaskFem)
        return QStringLiteral("m./f.");
    return genus == TGenus::Keins ? QString() : buchstabe + QLatin1Char('.');
}

bool HatGenus(int32_t wortart)
{
    return wortart == WA_SUBSTANTIV || wortart == WA_PRONOMEN;
}

QString TeileZelle(QStringList teile)
{
    while (!teile.isEmpty() && teile.back().isEmpty())
        teile.removeLast();
    for (QString &t : teile)
        t = Maskieren(t, QStringLiteral(","));
    return teile.join(QStringLiteral(", "));
}

// --- Reading one row.

struct TRohzeile {
    int zeile = 0;
    QHash<TTabSpalte, QString> zellen;
    int ueberzaehlig = 0; // non-empty fields beyond the header
    int felder = 0;
};

// The entry of a row, or the reason it cannot be read.
QString EintragLesen(const TRohzeile &r, bool mitKlasse, TVokabel &v)
{
    const auto zelle = [&](TTabSpalte s) { return r.zellen.value(s).trimmed(); };
    v.vokabel = Entmaskieren(zelle(TTabSpalte::Vokabel));
    if (v.vokabel.isEmpty())
        return QStringLiteral("Die Vokabel fehlt.");

    // Meanings: ";" groups, "," meanings of a group.
    int gruppe = 0;
    for (const QString &g : Teilen(zelle(TTabSpalte::Bedeutungen), QLatin1Char(';'))) {
        bool etwas = false;
        for (const QString &b : Teilen(g, QLatin1Char(','))) {
            QString text, kommentar;
            BedeutungZerlegen(b, text, kommentar);
            if (text.isEmpty())
                continue;
            if (!etwas)
                ++gruppe;
            etwas = true;
            v.BedeutungAnhaengen(text, kommentar, gruppe);
        }
    }
    if (v.bedeutungen.empty())
        return QStringLiteral("„%1“: Es fehlt eine Bedeutung.").arg(v.vokabel);

    const std::optional<int32_t> wortart = WortartAusText(zelle(TTabSpalte::Wortart));
    if (!wortart)
        return QStringLiteral("„%1“: Die Wortart „%2“ ist unbekannt.").arg(v.vokabel, zelle(TTabSpalte::Wortart));

    const QString formen = zelle(TTabSpalte::Stammformen);
    if (mitKlasse && *wortart != 0) {
        // A row of the export: everything is given, nothing inferred.
        v.SetWortart(*wortart);
        const std::optional<int32_t> kd = KlasseAusText(v.Wortart(), zelle(TTabSpalte::Klasse));
        if (!kd)
            return QStringLiteral("„%1“: Die Klasse „%2“ passt nicht zur Wortart %3.")
                .arg(v.vokabel, zelle(TTabSpalte::Klasse), v.WortartText());
        v.SetKonjDekl(*kd);
        for (const QString &m : zelle(TTabSpalte::Merkmale).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            bool bekannt = false;
            for (const auto &[bit, name] : Merkmalnamen())
                if (m.trimmed().compare(QString::fromUtf8(name), Qt::CaseInsensitive) == 0) {
                    v.attribute |= bit;
                    bekannt = true;
                }
            if (!bekannt)
                return QStringLiteral("„%1“: Das Merkmal „%2“ ist unbekannt.").arg(v.vokabel, m.trimmed());
        }
        QStringList teile;
        for (const QString &t : Teilen(formen, QLatin1Char(',')))
            teile << Entmaskieren(t);
        if (HatGenus(v.Wortart())) {
            if (!teile.isEmpty() && !GenusAusKuerzel(teile.back()).isEmpty())
                teile.removeLast();
            v.form1 = teile.value(0);
            v.form3 = teile.value(1);
            const QString genus = zelle(TTabSpalte::Genus);
            v.form2 = GenusAusKuerzel(genus).isEmpty() ? genus : GenusAusKuerzel(genus);
        } else {
            v.form1 = teile.value(0);
            v.form2 = teile.value(1);
            v.form3 = teile.value(2);
        }
    } else {
        QString ergaenzt = formen;
        // A separate gender cell counts as the abbreviation after the genitive.
        if (!zelle(TTabSpalte::Genus).isEmpty())
            ergaenzt += QStringLiteral(", ") + zelle(TTabSpalte::Genus);
        const QString grund = KlasseErmitteln(v, ergaenzt, *wortart);
        if (!grund.isEmpty())
            return grund;
    }

    // Memory aids "Sprache: Wort"; a text without a known language is of "Andere Sprache".
    for (const QString &m : Teilen(zelle(TTabSpalte::Merkhilfen), QLatin1Char(';'))) {
        const QString roh = m.trimmed();
        if (roh.isEmpty())
            continue;
        const qsizetype doppel = roh.indexOf(QLatin1Char(':'));
        int32_t sprache = SPR_ANDERE;
        QString wort = roh;
        if (doppel > 0) {
            const QString name = Entmaskieren(roh.left(doppel));
            for (int32_t s = SPR_ANDERE; s <= SPR_ITALIENISCH; ++s)
                if (SpracheName(s).compare(name, Qt::CaseInsensitive) == 0) {
                    sprache = s;
                    wort = roh.mid(doppel + 1);
                }
        }
        v.MerkhilfeHinzufuegen(Entmaskieren(wort), sprache);
    }
    for (const QString &w : Teilen(zelle(TTabSpalte::Verweise), QLatin1Char(';')))
        v.VerweisHinzufuegen(Entmaskieren(w));
    for (const QString &s : Teilen(zelle(TTabSpalte::Sonderformen), QLatin1Char(';'))) {
        const QString roh = s.trimmed();
        if (roh.isEmpty())
            continue;
        const qsizetype doppel = roh.indexOf(QLatin1Char(':'));
        bool zahl = false;
        const int32_t fid = doppel > 0 ? roh.left(doppel).trimmed().toInt(&zahl) : 0;
        if (!zahl)
            return QStringLiteral("„%1“: Die Sonderform „%2“ hat keine Formnummer (Nummer: Form).").arg(v.vokabel, roh);
        v.sonderformen.push_back(std::make_unique<TLatForm>(0, Entmaskieren(roh.mid(doppel + 1)), fid));
    }
    return QString();
}

QString Beschreibung(const TVokabel &v)
{
    QStringList teile{v.WortartText()};
    if (!v.KonjDeklText().isEmpty())
        teile << v.KonjDeklText();
    if (HatGenus(v.Wortart()) && !GenusKuerzel(v.form2).isEmpty())
        teile << GenusKuerzel(v.form2);
    for (const auto &[bit, name] : Merkmalnamen())
        if ((v.attribute & bit) && bit != ATTR_RESERVIERT)
            teile << QString::fromUtf8(name);
    return teile.join(QStringLiteral(", "));
}

} // namespace

TVokabeltabelle VokabeltabelleLesen(const QByteArray &inhalt, const QString &dateiLektion, const QString &lehrbuch)
{
    TVokabeltabelle t;
    const TCsvTabelle csv = CsvLesen(inhalt);
    if (csv.windows1252)
        t.hinweise << QStringLiteral("Die Datei ist nicht in UTF-8 geschrieben; sie wurde als Windows-1252 gelesen.");
    if (csv.zeilen.empty())
        throw TLektionsdateiFehler(0, QStringLiteral("Die Datei enthält keine Zeilen."));

    // Which column is which.
    std::vector<std::optional<TTabSpalte>> spalten;
    size_t erste = 0;
    bool kopf = false;
    for (const QString &f : csv.zeilen.front().felder)
        if (SpalteAusName(CsvFeldZurueck(f)) == TTabSpalte::Vokabel)
            kopf = true;
    if (kopf) {
        erste = 1;
        QList<TTabSpalte> gesehen;
        for (const QString &f : csv.zeilen.front().felder) {
            std::optional<TTabSpalte> s = SpalteAusName(CsvFeldZurueck(f));
            if (s && gesehen.contains(*s)) {
                t.hinweise << QStringLiteral("Die Spalte „%1“ steht doppelt; nur die erste wird gelesen.").arg(f);
                s.reset();
            } else if (!s && !f.trimmed().isEmpty()) {
                t.hinweise << QStringLiteral("Die Spalte „%1“ ist unbekannt und wird nicht gelesen.").arg(f);
            }
            if (s)
                gesehen << *s;
            spalten.push_back(s);
        }
        if (!gesehen.contains(TTabSpalte::Bedeutungen))
            throw TLektionsdateiFehler(
                1, QStringLiteral("Die Kopfzeile nennt keine Spalte „Bedeutungen“ (oder „Deutsch“)."));
    } else if (csv.zeilen.front().felder.size() == 3) {
        spalten = {TTabSpalte::Vokabel, TTabSpalte::Stammformen, TTabSpalte::Bedeutungen};
        t.hinweise << QStringLiteral("Die Datei hat keine Kopfzeile; die Spalten werden als Latein, Formen, Deutsch "
                                     "gelesen.");
    } else {
        throw TLektionsdateiFehler(1, QStringLiteral("Die erste Zeile nennt keine Spalte „Vokabel“ (oder „Latein“); "
                                                     "ohne Kopfzeile braucht die Datei genau drei Spalten: "
                                                     "Latein, Formen, Deutsch."));
    }
    const bool mitKlasse = std::find(spalten.begin(), spalten.end(), TTabSpalte::Klasse) != spalten.end();
    const bool mitPosition = std::find(spalten.begin(), spalten.end(), TTabSpalte::Position) != spalten.end();

    // Textbooks and lessons in the order they first appear.
    std::vector<std::pair<QString, std::unique_ptr<TLektion>>> lektionen; // book name, lesson
    std::map<std::pair<QString, QString>, size_t> lektionIndex;
    std::vector<std::vector<std::pair<double, std::unique_ptr<TVokabel>>>> eintraege;
    const QString ersatzBuch = QStringLiteral("Importierte Lektionen");

    for (size_t i = erste; i < csv.zeilen.size(); ++i) {
        const TCsvZeile &z = csv.zeilen[i];
        TRohzeile r;
        r.zeile = z.zeile;
        r.felder = static_cast<int>(z.felder.size());
        for (qsizetype k = 0; k < z.felder.size(); ++k) {
            const QString wert = CsvFeldZurueck(z.felder[k]);
            if (k >= static_cast<qsizetype>(spalten.size())) {
                if (!wert.trimmed().isEmpty())
                    ++r.ueberzaehlig;
                continue;
            }
            if (spalten[static_cast<size_t>(k)])
                r.zellen.insert(*spalten[static_cast<size_t>(k)], wert);
        }
        TTabellenzeile status;
        status.zeile = z.zeile;
        status.vokabel = r.zellen.value(TTabSpalte::Vokabel).trimmed();
        status.lehrbuch = !lehrbuch.trimmed().isEmpty() ? lehrbuch.trimmed()
                          : !r.zellen.value(TTabSpalte::Lehrbuch).trimmed().isEmpty()
                              ? r.zellen.value(TTabSpalte::Lehrbuch).trimmed()
                              : ersatzBuch;
        status.lektion = r.zellen.value(TTabSpalte::Lektion).trimmed();
        if (status.lektion.isEmpty())
            status.lektion = dateiLektion;

        const auto platz = [&]() -> size_t {
            const auto schluessel = std::make_pair(status.lehrbuch, status.lektion);
            auto it = lektionIndex.find(schluessel);
            if (it != lektionIndex.end())
                return it->second;
            auto l = std::make_unique<TLektion>();
            l->name = status.lektion;
            l->lehrbuch = status.lehrbuch;
            lektionen.emplace_back(status.lehrbuch, std::move(l));
            eintraege.emplace_back();
            lektionIndex.emplace(schluessel, lektionen.size() - 1);
            return lektionen.size() - 1;
        };
        const auto textSetzen = [&](size_t p) {
            TLektion &l = *lektionen[p].second;
            const QString text = r.zellen.value(TTabSpalte::Lektionstext);
            if (!text.isEmpty() && l.text.isEmpty())
                l.text = text.split(QLatin1Char('\n'));
            const QString notizen = r.zellen.value(TTabSpalte::Notizen);
            if (!notizen.isEmpty() && l.notizen.isEmpty())
                l.notizen = notizen.split(QLatin1Char('\n'));
        };

        // A row with only a lesson (and maybe its text) stands for a lesson without entries.
        bool nurLektion = status.vokabel.isEmpty() && !r.zellen.value(TTabSpalte::Lektion).trimmed().isEmpty();
        for (const TTabSpalte s : {TTabSpalte::Stammformen, TTabSpalte::Bedeutungen, TTabSpalte::Wortart,
                                   TTabSpalte::Merkhilfen, TTabSpalte::Sonderformen})
            if (!r.zellen.value(s).trimmed().isEmpty())
                nurLektion = false;
        if (nurLektion && r.ueberzaehlig == 0) {
            textSetzen(platz());
            continue;
        }

        auto v = std::make_unique<TVokabel>();
        double position = static_cast<double>(i);
        if (r.ueberzaehlig > 0) {
            status.meldung =
                QStringLiteral("Die Zeile hat %1 Felder, die Kopfzeile nur %2.").arg(r.felder).arg(spalten.size());
        } else {
            status.meldung = EintragLesen(r, mitKlasse, *v);
            const QString pos = r.zellen.value(TTabSpalte::Position).trimmed();
            if (status.meldung.isEmpty() && mitPosition && !pos.isEmpty()) {
                bool zahl = false;
                const int p = pos.toInt(&zahl);
                if (zahl && p > 0)
                    position = p;
                else
                    status.meldung = QStringLiteral("Die Position „%1“ ist keine Zahl größer als 0.").arg(pos);
            }
        }
        status.gut = status.meldung.isEmpty();
        if (status.gut) {
            status.meldung = Beschreibung(*v);
            const size_t p = platz();
            textSetzen(p);
            eintraege[p].emplace_back(position, std::move(v));
        }
        t.zeilen.push_back(status);
    }

    for (size_t p = 0; p < lektionen.size(); ++p) {
        auto &liste = eintraege[p];
        std::stable_sort(liste.begin(), liste.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        for (auto &[pos, v] : liste)
            lektionen[p].second->VokabelAnhaengen(std::move(v));
        // A plain reference, not a structured binding: clang 14 cannot capture those.
        const QString &buchName = lektionen[p].first;
        auto &lektion = lektionen[p].second;
        auto buch = std::find_if(t.buecher.begin(), t.buecher.end(), [&](const auto &b) { return b.name == buchName; });
        if (buch == t.buecher.end()) {
            t.buecher.emplace_back();
            t.buecher.back().name = buchName;
            buch = t.buecher.end() - 1;
        }
        buch->lektionen.push_back(std::move(lektion));
    }
    return t;
}

QString BedeutungenZelle(const TVokabel &v)
{
    std::vector<const TBedeutung *> sortiert;
    for (const auto &b : v.bedeutungen)
        sortiert.push_back(b.get());
    std::stable_sort(sortiert.begin(), sortiert.end(), [](const TBedeutung *a, const TBedeutung *b) {
        return a->gruppe != b->gruppe ? a->gruppe < b->gruppe : a->position < b->position;
    });
    QStringList gruppen;
    int32_t gruppe = -1;
    for (const TBedeutung *b : sortiert) {
        QString text = Maskieren(b->bedeutung, QStringLiteral(",;[]"));
        if (!b->kommentar.isEmpty())
            text += QStringLiteral(" [") + Maskieren(b->kommentar, QStringLiteral(",;[]")) + QLatin1Char(']');
        if (b->gruppe != gruppe)
            gruppen << text;
        else
            gruppen.back() += QStringLiteral(", ") + text;
        gruppe = b->gruppe;
    }
    return gruppen.join(QStringLiteral("; "));
}

QString StammformenZelle(const TVokabel &v)
{
    if (!HatGenus(v.Wortart()))
        return TeileZelle({v.form1, v.form2, v.form3});
    QString s = TeileZelle({v.form1, v.form3});
    const QString k = GenusKuerzel(v.form2);
    if (!k.isEmpty())
        s += (s.isEmpty() && v.form3.isEmpty() ? QString() : QStringLiteral(", ")) + k;
    // Keeps the place of an empty genitive before the gender: ", m.".
    if (v.form1.isEmpty() && !k.isEmpty() && s == k)
        s = QStringLiteral(", ") + k;
    return s;
}

QByteArray VokabeltabelleSchreiben(const QString &lehrbuch, const std::vector<const TLektion *> &lektionen)
{
    const QChar sep = QLatin1Char(';');
    QStringList kopf;
    for (const auto &[spalte, name] : Kopf())
        kopf << QString::fromUtf8(name);
    QString text = CsvDatensatz(kopf, sep);
    for (const TLektion *l : lektionen) {
        const QString lektionstext = l->text.join(QLatin1Char('\n'));
        const QString notizen = l->notizen.join(QLatin1Char('\n'));
        if (l->vokabeln.empty()) {
            QStringList zeile(kopf.size());
            zeile[0] = lehrbuch;
            zeile[1] = l->name;
            zeile[kopf.size() - 2] = lektionstext;
            zeile[kopf.size() - 1] = notizen;
            text += CsvDatensatz(zeile, sep);
            continue;
        }
        int position = 0;
        for (const auto &v : l->vokabeln) {
            ++position;
            QStringList merkmale;
            for (const auto &[bit, name] : Merkmalnamen())
                if (v->attribute & bit)
                    merkmale << QString::fromUtf8(name);
            QStringList hilfen;
            for (const auto &m : v->merkhilfen)
                hilfen << SpracheName(m->sprache) + QStringLiteral(": ") + Maskieren(m->merkhilfe, QStringLiteral(";"));
            QStringList verweise;
            for (const QString &w : v->Verweise())
                verweise << Maskieren(w, QStringLiteral(";"));
            QStringList sonder;
            for (const auto &f : v->sonderformen)
                sonder << QString::number(f->formId) + QStringLiteral(": ") + Maskieren(f->text, QStringLiteral(";"));
            text += CsvDatensatz({lehrbuch, l->name, QString::number(position), Maskieren(v->vokabel, QString()),
                                  StammformenZelle(*v), v->WortartText(), KlasseText(*v),
                                  HatGenus(v->Wortart()) ? v->form2 : QString(), merkmale.join(QStringLiteral(", ")),
                                  BedeutungenZelle(*v), hilfen.join(QStringLiteral("; ")),
                                  verweise.join(QStringLiteral("; ")), sonder.join(QStringLiteral("; ")),
                                  position == 1 ? lektionstext : QString(), position == 1 ? notizen : QString()},
                                 sep);
        }
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace lexovita
