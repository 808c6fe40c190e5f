#include "vokabel.h"

#include <algorithm>

namespace lexovita {

namespace {

struct KonjDeklZeile {
    int32_t code;
    const char *buchstabe;
    const char *verb;
    const char *substantiv;
    const char *adjektiv;
};

const KonjDeklZeile kKonjDekl[] = {
    {KD_KEINE, "", "Unbekannt", "Keine Deklination", "Keine Deklination"},
    {KD_A, "a", "A-Konjugation", "A-Deklination", "O/A-Deklination"},
    {KD_E, "e", "E-Konjugation", "E-Deklination", "Keine Deklination"},
    {KD_I, "i", "I-Konjugation", "I-Deklination", "I-Deklination"},
    {KD_O, "o", "Unbekannt", "O-Deklination", "O/A-Deklination"},
    {KD_U, "u", "Unbekannt", "U-Deklination", "Keine Deklination"},
    {KD_K, "k", "Konsonantische Konjugation", "Konsonantische Deklination", "Keine Deklination"},
    {KD_G, "g", "Gemischte Konjugation", "Gemischte Deklination", "Keine Deklination"},
};

const KonjDeklZeile *KonjDeklSuchen(int32_t code)
{
    for (const auto &z : kKonjDekl)
        if (z.code == code)
            return &z;
    return &kKonjDekl[0];
}

bool IstGueltigeWortart(int32_t code)
{
    return code == WA_VERB || code == WA_SUBSTANTIV || code == WA_ADVERB || code == WA_ADJEKTIV || code == WA_PRONOMEN;
}

bool IstGueltigeKonjDekl(int32_t code)
{
    return code >= KD_A && code <= KD_G && code % 8 == 0;
}

} // namespace

QString WortartBuchstabe(int32_t wortart)
{
    switch (wortart) {
    case WA_VERB:
        return QStringLiteral("v");
    case WA_SUBSTANTIV:
        return QStringLiteral("s");
    case WA_ADVERB:
        return QStringLiteral("d");
    case WA_ADJEKTIV:
        return QStringLiteral("a");
    case WA_PRONOMEN:
        return QStringLiteral("p");
    default:
        return {};
    }
}

int32_t WortartAusBuchstabe(const QString &b)
{
    if (b == QLatin1String("v"))
        return WA_VERB;
    if (b == QLatin1String("s"))
        return WA_SUBSTANTIV;
    if (b == QLatin1String("d"))
        return WA_ADVERB;
    if (b == QLatin1String("a"))
        return WA_ADJEKTIV;
    if (b == QLatin1String("p"))
        return WA_PRONOMEN;
    return WA_UNBESTIMMT;
}

bool HatFormentabelle(int32_t wortart)
{
    return wortart == WA_VERB || wortart == WA_SUBSTANTIV || wortart == WA_ADJEKTIV || wortart == WA_PRONOMEN;
}

QString GenusBuchstabe(TGenus genus)
{
    switch (genus) {
    case TGenus::Maskulinum:
        return QStringLiteral("m");
    case TGenus::Femininum:
        return QStringLiteral("f");
    case TGenus::Neutrum:
        return QStringLiteral("n");
    case TGenus::MaskFem:
        return QStringLiteral("p");
    case TGenus::Keins:
        break;
    }
    return {};
}

TGenus GenusAus(const QString &buchstabe)
{
    for (TGenus g : {TGenus::Maskulinum, TGenus::Femininum, TGenus::Neutrum, TGenus::MaskFem})
        if (buchstabe == GenusBuchstabe(g))
            return g;
    return TGenus::Keins;
}

QString WortartName(int32_t wortart)
{
    switch (wortart) {
    case WA_VERB:
        return QStringLiteral("Verb");
    case WA_SUBSTANTIV:
        return QStringLiteral("Substantiv");
    case WA_ADVERB:
        return QStringLiteral("Adverb");
    case WA_ADJEKTIV:
        return QStringLiteral("Adjektiv");
    case WA_PRONOMEN:
        return QStringLiteral("Pronomen");
    default:
        return QStringLiteral("Unbestimmt");
    }
}

QString KonjDeklBuchstabe(int32_t konjdekl)
{
    return IstGueltigeKonjDekl(konjdekl) ? QString::fromLatin1(KonjDeklSuchen(konjdekl)->buchstabe) : QString();
}

int32_t KonjDeklAusBuchstabe(const QString &b)
{
    if (b.isEmpty())
        return KD_KEINE;
    for (const auto &z : kKonjDekl)
        if (b == QLatin1String(z.buchstabe))
            return z.code;
    return KD_KEINE;
}

QString KonjDeklName(int32_t wortart, int32_t konjdekl)
{
    const KonjDeklZeile *z = KonjDeklSuchen(konjdekl);
    switch (wortart) {
    case WA_VERB:
        return QString::fromUtf8(z->verb);
    case WA_SUBSTANTIV:
        return QString::fromUtf8(z->substantiv);
    case WA_ADJEKTIV:
        return QString::fromUtf8(z->adjektiv);
    default:
        return {};
    }
}

QString SpracheName(int32_t sprache)
{
    switch (sprache) {
    case SPR_DEUTSCH:
        return QStringLiteral("Deutsch");
    case SPR_ENGLISCH:
        return QStringLiteral("Englisch");
    case SPR_FRANZOESISCH:
        return QStringLiteral("Französisch");
    case SPR_SPANISCH:
        return QStringLiteral("Spanisch");
    case SPR_ITALIENISCH:
        return QStringLiteral("Italienisch");
    default:
        return QStringLiteral("Andere Sprache");
    }
}

int32_t SpracheAusName(const QString &name)
{
    for (int32_t s = SPR_DEUTSCH; s <= SPR_ITALIENISCH; ++s)
        if (SpracheName(s) == name)
            return s;
    return SPR_ANDERE;
}

QString SpracheFlagge(int32_t sprache)
{
    switch (sprache) {
    case SPR_DEUTSCH:
        return QStringLiteral("deutschland.bmp");
    case SPR_ENGLISCH:
        return QStringLiteral("amerika.bmp");
    case SPR_FRANZOESISCH:
        return QStringLiteral("frankreich.bmp");
    case SPR_SPANISCH:
        return QStringLiteral("spanien.bmp");
    case SPR_ITALIENISCH:
        return QStringLiteral("italien.bmp");
    default:
        return {};
    }
}

void TVokabel::SetWortart(int32_t code)
{
    if (!IstGueltigeWortart(code))
        code = WA_UNBESTIMMT;
    attribute = (attribute & ~ATTR_WORTART_MASKE) | code;
}

void TVokabel::SetKonjDekl(int32_t code)
{
    if (!IstGueltigeKonjDekl(code))
        code = KD_KEINE;
    attribute = (attribute & ~ATTR_KONJDEKL_MASKE) | code;
}

void TVokabel::BedeutungHinzufuegen(const QString &text, const QString &kommentar, int32_t gruppe, int32_t position)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return;
    if (gruppe > MaxGruppe() + 1)
        gruppe = 1;
    auto b = std::make_unique<TBedeutung>();
    b->bedeutung = t;
    b->kommentar = kommentar.trimmed();
    b->gruppe = gruppe;
    b->position = position;
    bedeutungen.push_back(std::move(b));
}

void TVokabel::BedeutungAnhaengen(const QString &text, const QString &kommentar, int32_t gruppe)
{
    int32_t maxPos = 0;
    for (const auto &b : bedeutungen)
        if (b->gruppe == gruppe)
            maxPos = std::max(maxPos, b->position);
    BedeutungHinzufuegen(text, kommentar, gruppe, maxPos + 1);
}

int32_t TVokabel::MaxGruppe() const
{
    int32_t m = 1;
    for (const auto &b : bedeutungen)
        m = std::max(m, b->gruppe);
    return m;
}

TBedeutung *TVokabel::BedeutungSuchen(const QString &text) const
{
    TBedeutung *treffer = nullptr;
    for (const auto &b : bedeutungen)
        if (b->bedeutung == text)
            treffer = b.get();
    return treffer;
}

void TVokabel::BedeutungAendern(const QString &alterText, const QString &neuerText, int32_t position, int32_t gruppe,
                                const QString &kommentar)
{
    auto it =
        std::find_if(bedeutungen.begin(), bedeutungen.end(), [&](const auto &b) { return b->bedeutung == alterText; });
    if (it == bedeutungen.end())
        return;
    TBedeutung *geaendert = it->get();
    const int32_t alteGruppe = geaendert->gruppe;
    const int32_t altePosition = geaendert->position;
    if (gruppe <= MaxGruppe() + 1)
        geaendert->gruppe = gruppe;
    geaendert->kommentar = kommentar;
    geaendert->position = position;
    if (!neuerText.isEmpty())
        geaendert->bedeutung = neuerText;

    if (gruppe == alteGruppe) {
        for (auto &b : bedeutungen) {
            if (b.get() == geaendert || b->gruppe != gruppe)
                continue;
            if (altePosition < position && b->position > altePosition && b->position <= position)
                --b->position;
            else if (position < altePosition && b->position >= position && b->position < altePosition)
                ++b->position;
        }
        return;
    }

    bool alteGruppeBelegt = false;
    for (auto &b : bedeutungen) {
        if (b.get() == geaendert)
            continue;
        if (b->gruppe == alteGruppe && b->position > altePosition)
            --b->position;
        else if (b->gruppe == gruppe && b->position >= position)
            ++b->position;
    }
    for (const auto &b : bedeutungen)
        if (b->gruppe == alteGruppe)
            alteGruppeBelegt = true;
    if (!alteGruppeBelegt)
        for (auto &b : bedeutungen)
            if (b->gruppe > alteGruppe)
                --b->gruppe;
}

void TVokabel::BedeutungEntfernen(const QString &text)
{
    const QString t = text.trimmed();
    auto it = std::find_if(bedeutungen.begin(), bedeutungen.end(), [&](const auto &b) { return b->bedeutung == t; });
    if (it == bedeutungen.end())
        return;
    const int32_t gruppe = (*it)->gruppe;
    const int32_t position = (*it)->position;
    bedeutungen.erase(it);
    bool gruppeBelegt = false;
    for (auto &b : bedeutungen) {
        if (b->gruppe != gruppe)
            continue;
        gruppeBelegt = true;
        if (b->position > position)
            --b->position;
    }
    if (!gruppeBelegt)
        for (auto &b : bedeutungen)
            if (b->gruppe > gruppe)
                --b->gruppe;
}

void TVokabel::BedeutungenSortieren()
{
    std::stable_sort(bedeutungen.begin(), bedeutungen.end(), [](const auto &a, const auto &b) {
        return a->gruppe != b->gruppe ? a->gruppe < b->gruppe : a->position < b->position;
    });
}

QString TVokabel::BedeutungenText() const
{
    QStringList teile;
    for (const auto &b : bedeutungen)
        teile << b->bedeutung;
    return teile.join(QStringLiteral(", "));
}

void TVokabel::MerkhilfeHinzufuegen(const QString &text, int32_t sprache)
{
    const QString t = text.trimmed();
    if (sprache < SPR_DEUTSCH || sprache > SPR_ITALIENISCH)
        sprache = SPR_ANDERE;
    if (t.isEmpty() || MerkhilfeVorhanden(t, sprache))
        return;
    auto m = std::make_unique<TMerkhilfe>();
    m->merkhilfe = t;
    m->sprache = sprache;
    merkhilfen.push_back(std::move(m));
}

bool TVokabel::MerkhilfeVorhanden(const QString &text, int32_t sprache) const
{
    return std::any_of(merkhilfen.begin(), merkhilfen.end(),
                       [&](const auto &m) { return m->merkhilfe == text && m->sprache == sprache; });
}

void TVokabel::VerweisHinzufuegen(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return;
    auto kleiner = [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; };
    auto it = std::lower_bound(verweise.begin(), verweise.end(), t, kleiner);
    if (it != verweise.end() && it->compare(t, Qt::CaseInsensitive) == 0)
        return;
    verweise.insert(it, t);
}

QString TVokabel::FormenText() const
{
    switch (Wortart()) {
    case WA_VERB:
    case WA_ADJEKTIV: {
        const QString teile[3] = {form1, form2, form3};
        int letzter = -1;
        for (int i = 0; i < 3; ++i)
            if (!teile[i].isEmpty())
                letzter = i;
        QStringList aus;
        for (int i = 0; i <= letzter; ++i)
            aus << (teile[i].isEmpty() ? QStringLiteral("[n/a]") : teile[i]);
        return aus.join(QStringLiteral(", "));
    }
    case WA_SUBSTANTIV: {
        // The placeholder marks a missing genitive before the gender; with
        // neither stored there is nothing to show.
        if (form1.isEmpty() && form2.isEmpty())
            return {};
        QString s = form1.isEmpty() ? QStringLiteral("[n/a], ") : form1;
        if (!form2.isEmpty()) {
            if (!form1.isEmpty())
                s += QStringLiteral(", ");
            s += (form2 == QLatin1String("p") ? QStringLiteral("m./f") : form2) + QLatin1Char('.');
        }
        return s;
    }
    case WA_ADVERB:
        if (form2.isEmpty())
            return form1;
        return form1.isEmpty() ? form2 : form1 + QStringLiteral(", ") + form2;
    case WA_PRONOMEN:
        if (form2 == QLatin1String("m"))
            return QStringLiteral("m.");
        if (form2 == QLatin1String("f"))
            return QStringLiteral("f.");
        if (form2 == QLatin1String("n"))
            return QStringLiteral("n.");
        if (form2 == QLatin1String("p"))
            return QStringLiteral("m. + f.");
        return QStringLiteral("kein Genus");
    default:
        return {};
    }
}

void TVokabel::KopierenNach(TVokabel &ziel) const
{
    if (&ziel == this)
        return;
    ziel.vokabel = vokabel;
    ziel.attribute = attribute;
    ziel.form1 = form1;
    ziel.form2 = form2;
    ziel.form3 = form3;
    ziel.aktualisierung = aktualisierung;
    ziel.id = id;
    ziel.bedeutungen.clear();
    for (const auto &b : bedeutungen)
        ziel.BedeutungHinzufuegen(b->bedeutung, b->kommentar, b->gruppe, b->position);
    ziel.verweise = verweise;
    ziel.merkhilfen.clear();
    for (const auto &m : merkhilfen)
        ziel.MerkhilfeHinzufuegen(m->merkhilfe, m->sprache);
}

bool TVokabel::IstGleich(const TVokabel &o) const
{
    if (vokabel.toLower() != o.vokabel.toLower() || form1.toLower() != o.form1.toLower() ||
        form2.toLower() != o.form2.toLower() || form3.toLower() != o.form3.toLower())
        return false;
    const int32_t vergleich = 0x7FF & ~ATTR_RESERVIERT; // class, inflection and the five flags
    if ((attribute & vergleich) != (o.attribute & vergleich))
        return false;

    auto bedeutungenIn = [](const TVokabel &a, const TVokabel &b) {
        return std::all_of(a.bedeutungen.begin(), a.bedeutungen.end(), [&](const auto &x) {
            return std::any_of(b.bedeutungen.begin(), b.bedeutungen.end(),
                               [&](const auto &y) { return x->bedeutung == y->bedeutung; });
        });
    };
    auto merkhilfenIn = [](const TVokabel &a, const TVokabel &b) {
        return std::all_of(a.merkhilfen.begin(), a.merkhilfen.end(),
                           [&](const auto &x) { return b.MerkhilfeVorhanden(x->merkhilfe, x->sprache); });
    };
    auto sonderformenIn = [](const TVokabel &a, const TVokabel &b) {
        return std::all_of(a.sonderformen.begin(), a.sonderformen.end(), [&](const auto &x) {
            return std::any_of(b.sonderformen.begin(), b.sonderformen.end(),
                               [&](const auto &y) { return x->formId == y->formId && x->text == y->text; });
        });
    };
    return bedeutungenIn(*this, o) && bedeutungenIn(o, *this) && merkhilfenIn(*this, o) && merkhilfenIn(o, *this) &&
           sonderformenIn(*this, o) && sonderformenIn(o, *this);
}

QString TVokabel::Indexwort() const
{
    return (Wortart() == WA_VERB && !form1.isEmpty()) ? form1 : vokabel;
}

} // namespace lexovita
