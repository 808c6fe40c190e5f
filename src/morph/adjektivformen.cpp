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
    {vok(), n("is"), n("ī"), n("em"), n("ī"), n("ēs"), n("ium"), n("ibus"), n("ēs"), n("ibus")},
    {FORM2_ODER_VOK, n("is"), n("ī"), n("em"), n("ī"), n("ēs"), n("ium"), n("ibus"), n("ēs"), n("ibus")},
    {FORM3_ODER_VOK, n("is"), n("ī"), FORM3_ODER_VOK, n("ī"), n("ia"), n("ium"), n("ibus"), n("ia"), n("ibus")},
}};

constexpr Genera POSITIV_OA{{
    {vok(), n("ī"), n("ō"), n("um"), n("ō"), n("ī"), n("ōrum"), n("īs"), n("ōs"), n("īs")},
    {FORM2, n("ae"), n("ae"), n("am"), n("ā"), n("ae"), n("ārum"), n("īs"), n("ās"), n("īs")},
    {FORM3, n("ī"), n("ō"), n("um"), n("ō"), n("a"), n("ōrum"), n("īs"), n("a"), n("īs")},
}};

// ---- Comparative and superlative, on a derived stem X ----------------------

constexpr Reihe10 KOMPARATIV_MF{x("ior"),   x("iōris"), x("iōrī"),    x("iōrem"), x("iōre"),
                                x("iōrēs"), x("iōrum"), x("iōribus"), x("iōrēs"), x("iōribus")};
constexpr Reihe10 KOMPARATIV_N{x("ius"),  x("iōris"), x("iōrī"),    x("ius"),  x("iōre"),
                               x("iōra"), x("iōrum"), x("iōribus"), x("iōra"), x("iōribus")};
constexpr Genera KOMPARATIV{{KOMPARATIV_MF, KOMPARATIV_MF, KOMPARATIV_N}};

// The o/a endings on the superlative stem.
constexpr Genera O_A_AUF_X{{
    {x("us"), x("ī"), x("ō"), x("um"), x("ō"), x("ī"), x("ōrum"), x("īs"), x("ōs"), x("īs")},
    {x("a"), x("ae"), x("ae"), x("am"), x("ā"), x("ae"), x("ārum"), x("īs"), x("ās"), x("īs")},
    {x("um"), x("ī"), x("ō"), x("um"), x("ō"), x("a"), x("ōrum"), x("īs"), x("a"), x("īs")},
}};

// ---- Participles and gerundive ----------------------------------------------

constexpr Reihe10 PPA_MF{x("ns"),   x("ntis"),  x("ntī"),    x("ntem"), x("nte"),
                         x("ntēs"), x("ntium"), x("ntibus"), x("ntēs"), x("ntibus")};
constexpr Reihe10 PPA_N{x("ns"),   x("ntis"),  x("ntī"),    x("ns"),   x("nte"),
                        x("ntia"), x("ntium"), x("ntibus"), x("ntia"), x("ntibus")};
constexpr Genera PPA{{PPA_MF, PPA_MF, PPA_N}};

constexpr Genera PFA{{
    {u("^rus"), u("^rī"), u("^rō"), u("^rum"), u("^rō"), u("^rī"), u("^rōrum"), u("^rīs"), u("^rōs"), u("^rīs")},
    {u("^ra"), u("^rae"), u("^rae"), u("^ram"), u("^rā"), u("^rae"), u("^rārum"), u("^rīs"), u("^rās"), u("^rīs")},
    {u("^rum"), u("^rī"), u("^rō"), u("^rum"), u("^rō"), u("^ra"), u("^rōrum"), u("^rīs"), u("^ra"), u("^rīs")},
}};

constexpr Genera PPP{{
    {u("s"), q("ī"), q("ō"), u("m"), q("ō"), q("ī"), q("ōrum"), q("īs"), q("ōs"), q("īs")},
    {q("a"), q("ae"), q("ae"), q("am"), q("ā"), q("ae"), q("ārum"), q("īs"), q("ās"), q("īs")},
    {u("m"), q("ī"), q("ō"), u("m"), q("ō"), q("a"), q("ōrum"), q("īs"), q("a"), q("īs")},
}};

constexpr Genera GERUNDIV{{
    {x("ndus"), x("ndī"), x("ndō"), x("ndum"), x("ndō"), x("ndī"), x("ndōrum"), x("ndīs"), x("ndōs"), x("ndīs")},
    {x("nda"), x("ndae"), x("ndae"), x("ndam"), x("ndā"), x("ndae"), x("ndārum"), x("ndīs"), x("ndās"), x("ndīs")},
    {x("ndum"), x("ndī"), x("ndō"), x("ndum"), x("ndō"), x("nda"), x("ndōrum"), x("ndīs"), x("nda"), x("ndīs")},
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
    const bool iKlasse = AdjektivKlasse(e.vok) == KD_I;
    const Lauf lauf{.gesperrt = e.st.N.isEmpty(), .praefix = praefix};
    Dekliniere(e, iKlasse ? POSITIV_I : POSITIV_OA, grad, s, lauf);
    if (!iKlasse)
        return;
    // Grammars print these beside the first ending: the accusative plural
    // -īs (ācrīs), and -e beside -ī in the ablative of one-ending adjectives
    // used as nouns (absente).
    const int32_t g = GenusAusSelektor(s);
    const int32_t kasus = fid::KasusNr(s);
    if (g != fid::NEUTRUM && Zugelassen(kasus, 9))
        e.VarianteAnfuegen(grad | g | fid::AKK_PL, e.Text(n("īs"), lauf));
    const bool einendig = e.vok.form2.isEmpty() && e.vok.form3.isEmpty();
    if (einendig && !e.vok.PluralisTantum() && Zugelassen(kasus, 5))
        e.VarianteAnfuegen(grad | g | fid::ABL_SG, e.Text(n("e"), lauf));
}

// Present stem plus the ē of the i-, consonant and mixed classes.
QString PraesensPartizipStamm(const TErzeuger &e, const QString &P)
{
    if (P.isEmpty())
        return P;
    const int32_t kd = e.vok.KonjDekl();
    return (kd == KD_I || kd == KD_K || kd == KD_G) ? e.Verbinden(P, "ē") : P;
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
    const QString stamm = e.Verbinden(e.st.N, Infix(v));
    Dekliniere(e, KOMPARATIV, fid::KOMPARATIV, s, {.x = &stamm, .gesperrt = e.st.N.isEmpty()});
}

void SuperlativErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    TErzeuger e(m, v);
    if (Umschrieben(v))
        return Positiv(e, s, fid::SUPERLATIV, "maximē ");
    const QString stamm =
        Endet(v.vokabel, "er") ? e.Verbinden(v.vokabel, "rim") : e.Verbinden(e.Verbinden(e.st.N, Infix(v)), "issim");
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
                return e.Verbinden(N, "ē");
            return e.Verbinden(N, Endet(N, "nt") ? "er" : "iter");
        });
        e.Anfuegen(fid::ADVERB | fid::POSITIV, QStringLiteral("Adverb (von ") + v.vokabel + QLatin1Char(')'), t, 1);
    }
    if (grad == 0 || grad == fid::KOMPARATIV)
        e.Anfuegen(fid::ADVERB | fid::KOMPARATIV,
                   QStringLiteral("Adverb im Komparativ (von ") + v.vokabel + QLatin1Char(')'),
                   text([&] { return e.Verbinden(N, "ius"); }), 1);
    if (grad == 0 || grad == fid::SUPERLATIV)
        e.Anfuegen(
            fid::ADVERB | fid::SUPERLATIV, QStringLiteral("Adverb im Superlativ (von ") + v.vokabel + QLatin1Char(')'),
            text([&] { return Endet(v.vokabel, "er") ? e.Verbinden(v.vokabel, "rimē") : e.Verbinden(N, "issimē"); }),
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
    const QString stamm = PraesensPartizipStamm(e, e.st.P);
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
    const QString stamm = PraesensPartizipStamm(e, e.st.P);
    Dekliniere(e, GERUNDIV, fid::GERUNDIVUM, s, {.x = &stamm});
}

} // namespace lexovita
