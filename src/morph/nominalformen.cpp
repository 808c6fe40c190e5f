#include "morph/nominalformen.h"

#include "morph/erzeuger.h"

#include <array>

namespace lexovita {

using namespace intern;

namespace {

using Reihe10 = std::array<Zelle, 10>; // Nominativ Sg. to Ablativ Pl.

// One declension: the regular row and the neuter row (equal where the
// neuter has no forms of its own).
struct Deklination {
    Reihe10 normal, neutrum;
};

// Nominative and genitive singular are the entry's own headword and form1.
constexpr Deklination A_DEKL{{vok(), FORM1, n("ae"), n("am"), n("ā"), n("ae"), n("ārum"), n("īs"), n("ās"), n("īs")},
                             {vok(), FORM1, n("ae"), n("am"), n("ā"), n("ae"), n("ārum"), n("īs"), n("ās"), n("īs")}};
// The ē of -ēī stays long only after a vowel (diēī, reī); the join decides.
constexpr Deklination E_DEKL{
    {vok(), FORM1, n("ēī"), n("em"), n("ē"), n("ēs"), n("ērum"), n("ēbus"), n("ēs"), n("ēbus")},
    {vok(), FORM1, n("ēī"), n("em"), n("ē"), n("ēs"), n("ērum"), n("ēbus"), n("ēs"), n("ēbus")}};
constexpr Deklination I_DEKL{{vok(), FORM1, n("ī"), n("im"), n("ī"), n("ēs"), n("ium"), n("ibus"), n("īs"), n("ibus")},
                             {vok(), FORM1, n("ī"), vok(), n("ī"), n("ia"), n("ium"), n("ibus"), n("ia"), n("ibus")}};
constexpr Deklination O_DEKL{{vok(), FORM1, n("ō"), n("um"), n("ō"), n("ī"), n("ōrum"), n("īs"), n("ōs"), n("īs")},
                             {vok(), FORM1, n("ō"), vok(), n("ō"), n("a"), n("ōrum"), n("īs"), n("a"), n("īs")}};
constexpr Deklination U_DEKL{{vok(), FORM1, n("uī"), n("um"), n("ū"), n("ūs"), n("uum"), n("ibus"), n("ūs"), n("ibus")},
                             {vok(), FORM1, n("ū"), vok(), n("ū"), n("ua"), n("uum"), n("ibus"), n("ua"), n("ibus")}};
constexpr Deklination K_DEKL{{vok(), FORM1, n("ī"), n("em"), n("e"), n("ēs"), n("um"), n("ibus"), n("ēs"), n("ibus")},
                             {vok(), FORM1, n("ī"), vok(), n("e"), n("a"), n("um"), n("ibus"), n("a"), n("ibus")}};
constexpr Deklination G_DEKL{{vok(), FORM1, n("ī"), n("em"), n("e"), n("ēs"), n("ium"), n("ibus"), n("ēs"), n("ibus")},
                             {vok(), FORM1, n("ī"), vok(), n("e"), n("a"), n("ium"), n("ibus"), n("a"), n("ibus")}};

const Deklination &DeklinationFuer(int32_t kd)
{
    switch (kd) {
    case KD_A:
        return A_DEKL;
    case KD_E:
        return E_DEKL;
    case KD_I:
        return I_DEKL;
    case KD_O:
        return O_DEKL;
    case KD_U:
        return U_DEKL;
    case KD_G:
        return G_DEKL;
    default:
        return K_DEKL; // consonant class and classes without a rule
    }
}

constexpr Reihe10 PRONOMEN{vok(), LEER, LEER, LEER, LEER, LEER, LEER, LEER, LEER, LEER};

// Filter of a case number inside a part of the ten cases that starts after
// `vorher` cases: 0 stays "all", a case outside the part matches nothing.
int32_t TeilFilter(int32_t kasusNr, int32_t vorher, int32_t anzahl)
{
    if (kasusNr == 0)
        return 0;
    const int32_t nr = kasusNr - vorher;
    return nr >= 1 && nr <= anzahl ? nr : -1;
}

} // namespace

int32_t GenusAusBuchstabe(const QString &b)
{
    switch (GenusAus(b)) {
    case TGenus::Maskulinum:
        return fid::MASKULINUM;
    case TGenus::Femininum:
        return fid::FEMININUM;
    case TGenus::Neutrum:
        return fid::NEUTRUM;
    case TGenus::MaskFem:
        return fid::MASK_FEM;
    case TGenus::Keins:
        break;
    }
    return 0;
}

void SubstantivformenErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    TErzeuger e(m, v);
    const int32_t genus = GenusAusBuchstabe(v.form2);
    const Deklination &d = DeklinationFuer(v.KonjDekl());
    const Reihe10 &reihe = genus == fid::NEUTRUM ? d.neutrum : d.normal;
    const std::span<const Zelle> alle(reihe);
    const int32_t kasus = fid::KasusNr(s);
    if (!v.PluralisTantum())
        e.Reihe(alle.first(fid::KASUS_SINGULAR),
                {.basis = genus, .schritt = fid::KASUS_SCHRITT, .filter = TeilFilter(kasus, 0, fid::KASUS_SINGULAR)});
    if (!v.SingularisTantum()) {
        e.Reihe(alle.subspan(fid::KASUS_SINGULAR),
                {.basis = genus + fid::Kasus(fid::KASUS_SINGULAR),
                 .schritt = fid::KASUS_SCHRITT,
                 .filter = TeilFilter(kasus, fid::KASUS_SINGULAR, fid::KASUS_ANZAHL - fid::KASUS_SINGULAR)});
        // The i-stems' accusative plural has -īs beside -ēs (turrīs, cīvēs).
        const int32_t kd = v.KonjDekl();
        if ((kd == KD_I || kd == KD_G) && genus != fid::NEUTRUM && Zugelassen(kasus, 9))
            e.VarianteAnfuegen(genus | fid::AKK_PL, e.Text(kd == KD_I ? n("ēs") : n("īs"), {}));
    }
}

void PronomenformenErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    TErzeuger e(m, v);
    e.Reihe(PRONOMEN, {.schritt = fid::KASUS_SCHRITT, .filter = fid::KasusNr(s)});
}

void AdverbPlatzhalterErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    if (s <= 0 && fid::KasusNr(s) == 0)
        return;
    TErzeuger e(m, v);
    const int32_t zusatz = fid::Grad(s) | fid::Genus(s);
    const int32_t kasus = fid::KasusNr(s);
    for (int32_t k = 1; k <= fid::KASUS_ANZAHL; ++k)
        if (Zugelassen(kasus, k))
            e.Anfuegen(fid::Kasus(k) | zusatz, KasusWort(k), QString(), 1);
}

} // namespace lexovita
