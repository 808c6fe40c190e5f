#include "morph/adjektivformen.h"

#include "morph/erzeuger.h"
#include "morph/staemme.h"

#include <array>
#include <span>

namespace lexovita {

using namespace intern;

namespace {

using Reihe10 = std::array<Zelle, 10>; // Nominativ Sg. to Ablativ Pl.
using Genera = std::array<Reihe10, 3>; // maskulinum, femininum, neutrum

// ---- Positive degree -----------------------------------------------------

constexpr Genera POSITIV_I{{
    {vok(), n("is"), n("i"), n("em"), n("i"), n("es"), n("ium"), n("ibus"), n("es"), n("ibus")},
    {FORM2_ODER_VOK, n("is"), n("i"), n("em"), n("i"), n("es"), n("ium"), n("ibus"), n("es"), n("ibus")},
    {FORM3_ODER_VOK, n("is"), n("i"), FORM3_ODER_VOK, n("i"), n("ia"), n("ium"), n("ibus"), n("ia"), n("ibus")},
}};

constexpr Genera POSITIV_OA{{
    {vok(), n("i"), n("o"), n("um"), n("o"), n("i"), n("orum"), n("is"), n("os"), n("is")},
    {FORM2, n("ae"), n("ae"), n("am"), n("a"), n("ae"), n("arum"), n("is"), n("as"), n("is")},
    {FORM3, n("i"), n("o"), n("um"), n("o"), n("a"), n("orum"), n("is"), n("a"), n("is")},
}};

// ---- Comparative and superlative, on a derived stem X ----------------------

constexpr Reihe10 KOMPARATIV_MF{x("ior"),   x("ioris"), x("iori"),    x("iorem"), x("iore"),
                                x("iores"), x("iorum"), x("ioribus"), x("iores"), x("ioribus")};
constexpr Reihe10 KOMPARATIV_N{x("ius"),  x("ioris"), x("iori"),    x("ius"),  x("iore"),
                               x("iora"), x("iorum"), x("ioribus"), x("iora"), x("ioribus")};
constexpr Genera KOMPARATIV{{KOMPARATIV_MF, KOMPARATIV_MF, KOMPARATIV_N}};

// The o/a endings on the superlative stem.
constexpr Genera O_A_AUF_X{{
    {x("us"), x("i"), x("o"), x("um"), x("o"), x("i"), x("orum"), x("is"), x("os"), x("is")},
    {x("a"), x("ae"), x("ae"), x("am"), x("a"), x("ae"), x("arum"), x("is"), x("as"), x("is")},
    {x("um"), x("i"), x("o"), x("um"), x("o"), x("a"), x("orum"), x("is"), x("a"), x("is")},
}};

// ---- Participles and gerundive ----------------------------------------------

constexpr Reihe10 PPA_MF{x("ns"),   x("ntis"),  x("nti"),    x("ntem"), x("nte"),
                         x("ntes"), x("ntium"), x("ntibus"), x("ntes"), x("ntibus")};
constexpr Reihe10 PPA_N{x("ns"),   x("ntis"),  x("nti"),    x("ns"),   x("nte"),
                        x("ntia"), x("ntium"), x("ntibus"), x("ntia"), x("ntibus")};
constexpr Genera PPA{{PPA_MF, PPA_MF, PPA_N}};

constexpr Genera PFA{{
    {u("rus"), u("ri"), u("ro"), u("rum"), u("ro"), u("ri"), u("rorum"), u("ris"), u("ros"), u("ris")},
    {u("ra"), u("rae"), u("rae"), u("ram"), u("ra"), u("rae"), u("rarum"), u("ris"), u("ras"), u("ris")},
    {u("rum"), u("ri"), u("ro"), u("rum"), u("ro"), u("ra"), u("rorum"), u("ris"), u("ra"), u("ris")},
}};

constexpr Genera PPP{{
    {u("s"), q("i"), q("o"), u("m"), q("o"), q("i"), q("orum"), q("is"), q("os"), q("is")},
    {q("a"), q("ae"), q("ae"), q("am"), q("a"), q("ae"), q("arum"), q("is"), q("as"), q("is")},
    {u("m"), q("i"), q("o"), u("m"), q("o"), q("a"), q("orum"), q("is"), q("a"), q("is")},
}};

constexpr Genera GERUNDIV{{
    {x("ndus"), x("ndi"), x("ndo"), x("ndum"), x("ndo"), x("ndi"), x("ndorum"), x("ndis"), x("ndos"), x("ndis")},
    {x("nda"), x("ndae"), x("ndae"), x("ndam"), x("nda"), x("ndae"), x("ndarum"), x("ndis"), x("ndas"), x("ndis")},
    {x("ndum"), x("ndi"), x("ndo"), x("ndum"), x("ndo"), x("nda"), x("ndorum"), x("ndis"), x("nda"), x("ndis")},
}};

bool Endet(const QString &s, const char *e)
{
    return s.endsWith(QLatin1String(e));
}

// Walks the row of the selector's gender; identifiers basis + gender + case.
void Dekliniere(TErzeuger &e, const Genera &t, int32_t basis, int32_t s, Lauf l = {})
{
    const int32_t g = GenusAusSelektor(s);
    const Reihe10 &reihe = t[GenusIndex(g)];
    l.basis = basis | g;
    l.schritt = fid::KASUS_SCHRITT;
    const int32_t kasus = fid::KasusNr(s);
    if (!e.vok.PluralisTantum()) {
        l.filter = kasus;
        e.Reihe(reihe, l);
        return;
    }
    // A plural-only adjective (pauci) has no singular at all.
    if (kasus != 0 && kasus <= fid::KASUS_SINGULAR)
        return;
    l.basis += fid::Kasus(fid::KASUS_SINGULAR);
    l.filter = kasus == 0 ? 0 : kasus - fid::KASUS_SINGULAR;
    e.Reihe(std::span<const Zelle>(reihe).subspan(fid::KASUS_SINGULAR), l);
}

// Comparison with magis/maxime for adjectives in -uus, -ius, -eus.
bool Umschrieben(const TVokabel &v)
{
    return Endet(v.vokabel, "uus") || Endet(v.vokabel, "ius") || Endet(v.vokabel, "eus");
}

// -ficus and -volus compare with -ent-: beneficentior.
const char *Infix(const TVokabel &v)
{
    return (Endet(v.vokabel, "ficus") || Endet(v.vokabel, "volus")) ? "ent" : "";
}

// Positive forms; in another degree d they carry d and magis/maxime.
void Positiv(TErzeuger &e, int32_t s, int32_t grad, const char *praefix)
{
    const Genera &t = AdjektivKlasse(e.vok) == KD_I ? POSITIV_I : POSITIV_OA;
    Dekliniere(e, t, grad, s, {.gesperrt = e.st.N.isEmpty(), .praefix = praefix});
}

// Present stem plus the e of the i-, consonant and mixed classes.
QString PraesensPartizipStamm(const TVokabel &v, const QString &P)
{
    if (P.isEmpty())
        return P;
    const int32_t kd = v.KonjDekl();
    return (kd == KD_I || kd == KD_K || kd == KD_G) ? P + QLatin1Char('e') : P;
}

} // namespace

void PositivErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    TErzeuger e(m, v);
    Positiv(e, s, fid::POSITIV, nullptr);
}

void KomparativErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    TErzeuger e(m, v);
    if (Umschrieben(v))
        return Positiv(e, s, fid::KOMPARATIV, "magis ");
    const QString stamm = e.st.N + QLatin1String(Infix(v));
    Dekliniere(e, KOMPARATIV, fid::KOMPARATIV, s, {.x = &stamm, .gesperrt = e.st.N.isEmpty()});
}

void SuperlativErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    TErzeuger e(m, v);
    if (Umschrieben(v))
        return Positiv(e, s, fid::SUPERLATIV, "maxime ");
    const QString stamm = Endet(v.vokabel, "er") ? v.vokabel + QLatin1String("rim")
                                                 : e.st.N + QLatin1String(Infix(v)) + QLatin1String("issim");
    Dekliniere(e, O_A_AUF_X, fid::SUPERLATIV, s, {.x = &stamm, .gesperrt = e.st.N.isEmpty()});
}

void AdjektivAdverbErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    if (v.PluralisTantum())
        return; // pauci has no adverb
    TErzeuger e(m, v);
    const QString &N = e.st.N;
    const int32_t grad = fid::Grad(s);
    auto text = [&N](auto bauen) { return N.isEmpty() ? QString() : bauen(); };
    if (grad == 0 || grad == fid::POSITIV) {
        const QString t = text([&] {
            if (AdjektivKlasse(v) == KD_O)
                return N + QLatin1String("e");
            return N + QLatin1String(Endet(N, "nt") ? "er" : "iter");
        });
        e.Anfuegen(fid::ADVERB | fid::POSITIV, QStringLiteral("Adverb (von ") + v.vokabel + QLatin1Char(')'), t, 1);
    }
    if (grad == 0 || grad == fid::KOMPARATIV)
        e.Anfuegen(fid::ADVERB | fid::KOMPARATIV,
                   QStringLiteral("Adverb im Komparativ (von ") + v.vokabel + QLatin1Char(')'),
                   text([&] { return N + QLatin1String("ius"); }), 1);
    if (grad == 0 || grad == fid::SUPERLATIV)
        e.Anfuegen(fid::ADVERB | fid::SUPERLATIV,
                   QStringLiteral("Adverb im Superlativ (von ") + v.vokabel + QLatin1Char(')'), text([&] {
                       return Endet(v.vokabel, "er") ? v.vokabel + QLatin1String("rime") : N + QLatin1String("issime");
                   }),
                   1);
}

void AdjektivformenErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    if (s & fid::ADVERB)
        return AdjektivAdverbErzeugen(m, v, s);
    switch (fid::Grad(s)) {
    case fid::POSITIV:
        PositivErzeugen(m, v, s);
        break;
    case fid::KOMPARATIV:
        KomparativErzeugen(m, v, s);
        break;
    case fid::SUPERLATIV:
        SuperlativErzeugen(m, v, s);
        break;
    default:
        break; // no degree, no forms
    }
}

void PartizipPraesensErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    TErzeuger e(m, v);
    const QString stamm = PraesensPartizipStamm(v, e.st.P);
    Dekliniere(e, PPA, fid::PARTIZIP | fid::AKTIV | fid::PRAESENS, s, {.x = &stamm});
}

void PartizipFuturErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    TErzeuger e(m, v);
    Dekliniere(e, PFA, fid::PARTIZIP | fid::AKTIV | fid::FUTUR1, s);
}

void PartizipPerfektErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    TErzeuger e(m, v);
    const int32_t gv = fid::GenusVerbi(s) == fid::AKTIV ? fid::AKTIV : fid::PASSIV;
    Dekliniere(e, PPP, fid::PARTIZIP | gv | fid::PERFEKT, s);
}

void GerundivumErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    TErzeuger e(m, v);
    const QString stamm = PraesensPartizipStamm(v, e.st.P);
    Dekliniere(e, GERUNDIV, fid::GERUNDIVUM, s, {.x = &stamm});
}

} // namespace lexovita
