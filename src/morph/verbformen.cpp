#include "morph/verbformen.h"

#include "morph/adjektivformen.h"
#include "morph/erzeuger.h"

#include <array>

namespace lexovita {

using namespace intern;

namespace {

using Reihe6 = std::array<Zelle, 6>; // 1. Sg. to 3. Pl.

// One ending table of a block: the row for each conjugation class. Classes
// without a verb rule have an empty present stem; they take the I row.
struct Klassen {
    const Reihe6 &a, &e, &i, &k, &g;

    const Reihe6 &Fuer(int32_t kd) const
    {
        switch (kd) {
        case KD_A:
            return a;
        case KD_E:
            return e;
        case KD_K:
            return k;
        case KD_G:
            return g;
        default:
            return i;
        }
    }
};

// ---- Present system, active -------------------------------------------

constexpr Reihe6 PRS_IND_AE{FORM1, p("s"), p("t"), p("mus"), p("tis"), p("nt")};
constexpr Reihe6 PRS_IND_IG{FORM1, p("s"), p("t"), p("mus"), p("tis"), p("unt")};
constexpr Reihe6 PRS_IND_K{FORM1, p("is"), p("it"), p("imus"), p("itis"), p("unt")};
constexpr Reihe6 IMPF_IND_AE{p("bam"), p("bās"), p("bat"), p("bāmus"), p("bātis"), p("bant")};
constexpr Reihe6 IMPF_IND{p("ēbam"), p("ēbās"), p("ēbat"), p("ēbāmus"), p("ēbātis"), p("ēbant")};
constexpr Reihe6 FUT1_IND_AE{p("bō"), p("bis"), p("bit"), p("bimus"), p("bitis"), p("bunt")};
constexpr Reihe6 FUT1_IND{p("am"), p("ēs"), p("et"), p("ēmus"), p("ētis"), p("ent")};
constexpr Reihe6 PRS_KONJ_A{p1("em"), p1("ēs"), p1("et"), p1("ēmus"), p1("ētis"), p1("ent")};
constexpr Reihe6 PRS_KONJ{p("am"), p("ās"), p("at"), p("āmus"), p("ātis"), p("ant")};
// Built from the headword (the present infinitive) without any test.
constexpr Reihe6 IMPF_KONJ{vok("m"), vok("^s"), vok("t"), vok("^mus"), vok("^tis"), vok("nt")};

constexpr Klassen kPrsIndAkt{PRS_IND_AE, PRS_IND_AE, PRS_IND_IG, PRS_IND_K, PRS_IND_IG};
constexpr Klassen kImpfIndAkt{IMPF_IND_AE, IMPF_IND_AE, IMPF_IND, IMPF_IND, IMPF_IND};
constexpr Klassen kFut1IndAkt{FUT1_IND_AE, FUT1_IND_AE, FUT1_IND, FUT1_IND, FUT1_IND};
constexpr Klassen kPrsKonjAkt{PRS_KONJ_A, PRS_KONJ, PRS_KONJ, PRS_KONJ, PRS_KONJ};
constexpr Klassen kImpfKonjAkt{IMPF_KONJ, IMPF_KONJ, IMPF_KONJ, IMPF_KONJ, IMPF_KONJ};

// ---- Present system, passive (and deponent active) ---------------------

constexpr Reihe6 PRS_PAS_A{p1("or"), p("ris"), p("tur"), p("mur"), p("minī"), p("ntur")};
constexpr Reihe6 PRS_PAS_E{p("or"), p("ris"), p("tur"), p("mur"), p("minī"), p("ntur")};
constexpr Reihe6 PRS_PAS_I{p("or"), p("ris"), p("tur"), p("mur"), p("minī"), p("untur")};
constexpr Reihe6 PRS_PAS_K{p("or"), p("eris"), p("itur"), p("imur"), p("iminī"), p("untur")};
constexpr Reihe6 PRS_PAS_G{p("or"), p1("eris"), p("tur"), p("mur"), p("minī"), p("untur")};
constexpr Reihe6 IMPF_PAS_AE{p("bar"), p("bāris"), p("bātur"), p("bāmur"), p("bāminī"), p("bantur")};
constexpr Reihe6 IMPF_PAS{p("ēbar"), p("ēbāris"), p("ēbātur"), p("ēbāmur"), p("ēbāminī"), p("ēbantur")};
constexpr Reihe6 FUT1_PAS_AE{p("bor"), p("beris"), p("bitur"), p("bimur"), p("biminī"), p("buntur")};
constexpr Reihe6 FUT1_PAS{p("ar"), p("ēris"), p("ētur"), p("ēmur"), p("ēminī"), p("entur")};
constexpr Reihe6 PRS_KONJ_PAS_A{p1("er"), p1("ēris"), p1("ētur"), p1("ēmur"), p1("ēminī"), p1("entur")};
constexpr Reihe6 PRS_KONJ_PAS{p("ar"), p("āris"), p("ātur"), p("āmur"), p("āminī"), p("antur")};
constexpr Reihe6 IMPF_KONJ_PAS{p("rer"), p("rēris"), p("rētur"), p("rēmur"), p("rēminī"), p("rentur")};
constexpr Reihe6 IMPF_KONJ_PAS_K{p("erer"), p("erēris"), p("erētur"), p("erēmur"), p("erēminī"), p("erentur")};
constexpr Reihe6 IMPF_KONJ_PAS_G{p1("erer"), p1("erēris"), p1("erētur"), p1("erēmur"), p1("erēminī"), p1("erentur")};

constexpr Klassen kPrsIndPas{PRS_PAS_A, PRS_PAS_E, PRS_PAS_I, PRS_PAS_K, PRS_PAS_G};
constexpr Klassen kImpfIndPas{IMPF_PAS_AE, IMPF_PAS_AE, IMPF_PAS, IMPF_PAS, IMPF_PAS};
constexpr Klassen kFut1IndPas{FUT1_PAS_AE, FUT1_PAS_AE, FUT1_PAS, FUT1_PAS, FUT1_PAS};
constexpr Klassen kPrsKonjPas{PRS_KONJ_PAS_A, PRS_KONJ_PAS, PRS_KONJ_PAS, PRS_KONJ_PAS, PRS_KONJ_PAS};
constexpr Klassen kImpfKonjPas{IMPF_KONJ_PAS, IMPF_KONJ_PAS, IMPF_KONJ_PAS, IMPF_KONJ_PAS_K, IMPF_KONJ_PAS_G};

// ---- Perfect system, active, with the shortened (v-less) forms ---------

constexpr Reihe6 PERF_IND{r("ī"), r("istī"), r("it"), r("imus"), r("istis"), r("ērunt")};
constexpr Reihe6 PQPF_IND{r("eram"), r("erās"), r("erat"), r("erāmus"), r("erātis"), r("erant")};
constexpr Reihe6 FUT2_IND{r("erō"), r("eris"), r("erit"), r("erimus"), r("eritis"), r("erint")};
constexpr Reihe6 PERF_KONJ{r("erim"), r("erīs"), r("erit"), r("erīmus"), r("erītis"), r("erint")};
constexpr Reihe6 PQPF_KONJ{r("issem"), r("issēs"), r("isset"), r("issēmus"), r("issētis"), r("issent")};

constexpr Reihe6 PERF_IND_KURZ{FEHLT, r1("stī"), FEHLT, FEHLT, r1("stis"), r1("runt")};
constexpr Reihe6 PQPF_IND_KURZ{r1("ram"), r1("rās"), r1("rat"), r1("rāmus"), r1("rātis"), r1("rant")};
constexpr Reihe6 FUT2_IND_KURZ{r1("rō"), r1("ris"), r1("rit"), r1("rimus"), r1("ritis"), r1("rint")};
constexpr Reihe6 PERF_KONJ_KURZ{r1("rim"), r1("rīs"), r1("rit"), r1("rīmus"), r1("rītis"), r1("rint")};
constexpr Reihe6 PQPF_KONJ_KURZ{r1("ssem"), r1("ssēs"), r1("sset"), r1("ssēmus"), r1("ssētis"), r1("ssent")};

// ---- Compound perfect system: participle + form of esse -----------------

using Hilfsverb = std::array<const char *, 6>;
constexpr Hilfsverb SUM{"sum", "es", "est", "sumus", "estis", "sunt"};
constexpr Hilfsverb ERAM{"eram", "erās", "erat", "erāmus", "erātis", "erant"};
constexpr Hilfsverb ERO{"erō", "eris", "erit", "erimus", "eritis", "erunt"};
constexpr Hilfsverb SIM{"sim", "sīs", "sit", "sīmus", "sītis", "sint"};
constexpr Hilfsverb ESSEM{"essem", "essēs", "esset", "essēmus", "essētis", "essent"};

// Participle endings by gender (m, f, n), singular and plural.
constexpr const char *PART_SG[3] = {"us", "a", "um"};
constexpr const char *PART_PL[3] = {"ī", "ae", "a"};

// ---- Imperatives: persons 2 and 5 (I); 2, 3, 5, 6 (II) ------------------

constexpr Reihe6 IMP1_AE{FEHLT, p(""), FEHLT, FEHLT, p("te"), FEHLT};
constexpr Reihe6 IMP1_K{FEHLT, p("e"), FEHLT, FEHLT, p("ite"), FEHLT};
constexpr Reihe6 IMP1_G{FEHLT, p1("e"), FEHLT, FEHLT, p("te"), FEHLT};
constexpr Reihe6 IMP2_AE{FEHLT, p("tō"), p("tō"), FEHLT, p("tōte"), p("ntō")};
constexpr Reihe6 IMP2_I{FEHLT, p("tō"), p("tō"), FEHLT, p("tōte"), p("untō")};
constexpr Reihe6 IMP2_K{FEHLT, p("itō"), p("itō"), FEHLT, p("itōte"), p("untō")};

constexpr Reihe6 IMP1_DEP{FEHLT, p("re"), FEHLT, FEHLT, p("minī"), FEHLT};
constexpr Reihe6 IMP1_DEP_K{FEHLT, p("ere"), FEHLT, FEHLT, p("iminī"), FEHLT};
constexpr Reihe6 IMP1_DEP_G{FEHLT, p1("ere"), FEHLT, FEHLT, p("minī"), FEHLT};
constexpr Reihe6 IMP2_DEP_AE{FEHLT, p("tor"), p("tor"), FEHLT, FEHLT, p("ntor")};
constexpr Reihe6 IMP2_DEP_I{FEHLT, p("tor"), p("tor"), FEHLT, FEHLT, p("untor")};
constexpr Reihe6 IMP2_DEP_K{FEHLT, p("itor"), p("itor"), FEHLT, FEHLT, p("untor")};

constexpr Klassen kImp1{IMP1_AE, IMP1_AE, IMP1_AE, IMP1_K, IMP1_G};
constexpr Klassen kImp2{IMP2_AE, IMP2_AE, IMP2_I, IMP2_K, IMP2_I};
constexpr Klassen kImp1Dep{IMP1_DEP, IMP1_DEP, IMP1_DEP, IMP1_DEP_K, IMP1_DEP_G};
constexpr Klassen kImp2Dep{IMP2_DEP_AE, IMP2_DEP_AE, IMP2_DEP_I, IMP2_DEP_K, IMP2_DEP_I};

// ---- Gerund: Nominativ to Ablativ Sg. -----------------------------------

using Reihe5 = std::array<Zelle, 5>;
constexpr Reihe5 GERUNDIUM_AE{vok(), p("ndī"), p("ndō"), p("ndum"), p("ndō")};
constexpr Reihe5 GERUNDIUM{vok(), p("endī"), p("endō"), p("endum"), p("endō")};

// Present passive infinitive, also the deponent's present infinitive.
Zelle InfinitivPraesensPassiv(int32_t kd)
{
    return kd == KD_K ? p("ī") : kd == KD_G ? p("^") : p("rī");
}

// Table of a simple-tense block, or nullptr if the mood has no such tense.
const Klassen *EinfacheTabelle(int32_t modus, int32_t tempus, bool passiv)
{
    if (modus == fid::INDIKATIV) {
        switch (tempus) {
        case fid::PRAESENS:
            return passiv ? &kPrsIndPas : &kPrsIndAkt;
        case fid::IMPERFEKT:
            return passiv ? &kImpfIndPas : &kImpfIndAkt;
        case fid::FUTUR1:
            return passiv ? &kFut1IndPas : &kFut1IndAkt;
        default:
            return nullptr;
        }
    }
    switch (tempus) {
    case fid::PRAESENS:
        return passiv ? &kPrsKonjPas : &kPrsKonjAkt;
    case fid::IMPERFEKT:
        return passiv ? &kImpfKonjPas : &kImpfKonjAkt;
    default:
        return nullptr;
    }
}

struct Perfektblock {
    const Reihe6 *voll = nullptr;
    const Reihe6 *kurz = nullptr;
    const Hilfsverb *hilfsverb = nullptr;
};

Perfektblock PerfektTabelle(int32_t modus, int32_t tempus)
{
    if (modus == fid::INDIKATIV) {
        switch (tempus) {
        case fid::PERFEKT:
            return {&PERF_IND, &PERF_IND_KURZ, &SUM};
        case fid::PLUSQUAMPERFEKT:
            return {&PQPF_IND, &PQPF_IND_KURZ, &ERAM};
        case fid::FUTUR2:
            return {&FUT2_IND, &FUT2_IND_KURZ, &ERO};
        default:
            return {};
        }
    }
    switch (tempus) {
    case fid::PERFEKT:
        return {&PERF_KONJ, &PERF_KONJ_KURZ, &SIM};
    case fid::PLUSQUAMPERFEKT:
        return {&PQPF_KONJ, &PQPF_KONJ_KURZ, &ESSEM};
    default:
        return {};
    }
}

bool IstEinfach(int32_t tempus)
{
    return tempus == fid::PRAESENS || tempus == fid::IMPERFEKT || tempus == fid::FUTUR1;
}

bool IstPerfektisch(int32_t tempus)
{
    return tempus == fid::PERFEKT || tempus == fid::PLUSQUAMPERFEKT || tempus == fid::FUTUR2;
}

// Passive shape of a simple tense; a deponent's forms are its active ones.
void EinfachPassiv(TErzeuger &e, int32_t modus, int32_t tempus, int32_t person)
{
    const Klassen *t = EinfacheTabelle(modus, tempus, true);
    if (!t)
        return;
    const int32_t gv = e.vok.Deponens() ? fid::AKTIV : fid::PASSIV;
    const Reihe6 &reihe = t->Fuer(e.vok.KonjDekl());
    e.Reihe(reihe, {.basis = gv | modus | tempus, .filter = person});
    // -re beside -ris: amāris / amāre.
    if (Zugelassen(person, fid::P2_SG)) {
        QString text = e.Text(reihe[fid::P2_SG - 1], {});
        if (text.endsWith(QLatin1String("ris"))) {
            text.chop(2);
            text.append(QLatin1Char('e'));
            e.VarianteAnfuegen(gv | modus | tempus | fid::P2_SG, std::move(text));
        }
    }
}

void EinfachAktiv(TErzeuger &e, int32_t modus, int32_t tempus, int32_t person)
{
    if (e.vok.Deponens())
        return EinfachPassiv(e, modus, tempus, person);
    const Klassen *t = EinfacheTabelle(modus, tempus, false);
    if (!t)
        return;
    e.Reihe(t->Fuer(e.vok.KonjDekl()), {.basis = fid::AKTIV | modus | tempus, .filter = person});
}

// Participle + auxiliary, in three runs: masculine, feminine, neuter.
void Zusammengesetzt(TErzeuger &e, int32_t modus, int32_t tempus, int32_t person)
{
    const Perfektblock b = PerfektTabelle(modus, tempus);
    if (!b.hilfsverb)
        return;
    const int32_t gv = (e.vok.Deponens() || e.vok.Semideponens()) ? fid::AKTIV : fid::PASSIV;
    const QString &q = e.st.Q;
    for (int g = 0; g < 3; ++g) {
        for (int32_t nr = fid::P1_SG; nr <= fid::P3_PL; ++nr) {
            if (!Zugelassen(person, nr))
                continue;
            QString text;
            if (!q.isEmpty()) {
                text = e.Verbinden(q, nr <= fid::P3_SG ? PART_SG[g] : PART_PL[g]);
                text.append(QLatin1Char(' ')).append(e.Verbinden(QString(), (*b.hilfsverb)[nr - 1]));
            }
            e.Anfuegen(gv | modus | tempus | nr, std::move(text), g == 0 ? 1 : 2);
        }
    }
}

void PerfektAktiv(TErzeuger &e, int32_t modus, int32_t tempus, int32_t person)
{
    if (e.vok.Deponens() || e.vok.Semideponens())
        return Zusammengesetzt(e, modus, tempus, person);
    const Perfektblock b = PerfektTabelle(modus, tempus);
    if (!b.voll)
        return;
    const int32_t basis = fid::AKTIV | modus | tempus;
    e.Reihe(*b.voll, {.basis = basis, .filter = person});
    // -ēre beside -ērunt: amāvērunt / amāvēre.
    if (modus == fid::INDIKATIV && tempus == fid::PERFEKT && Zugelassen(person, fid::P3_PL))
        e.VarianteAnfuegen(basis | fid::P3_PL, e.Text(r("ēre"), {}));
    // The v-less forms follow the block, whatever person was asked for.
    if (e.st.R.endsWith(QLatin1Char('v')))
        e.Reihe(*b.kurz, {.basis = fid::VERKUERZT | basis, .variante = 2});
}

void Finit(TFormenmanager &m, const TVokabel &v, int32_t s, int32_t modus, bool passiv)
{
    const int32_t tempus = fid::Tempus(s);
    const int32_t person = fid::Person(s);
    TErzeuger e(m, v);
    if (IstEinfach(tempus))
        passiv ? EinfachPassiv(e, modus, tempus, person) : EinfachAktiv(e, modus, tempus, person);
    else if (IstPerfektisch(tempus))
        passiv ? Zusammengesetzt(e, modus, tempus, person) : PerfektAktiv(e, modus, tempus, person);
}

} // namespace

void IndikativAktivErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    Finit(m, v, s, fid::INDIKATIV, false);
}
void IndikativPassivErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    Finit(m, v, s, fid::INDIKATIV, true);
}
void KonjunktivAktivErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    Finit(m, v, s, fid::KONJUNKTIV, false);
}
void KonjunktivPassivErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    Finit(m, v, s, fid::KONJUNKTIV, true);
}

void ImperativIErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    TErzeuger e(m, v);
    const Klassen &t = v.Deponens() ? kImp1Dep : kImp1;
    e.Reihe(t.Fuer(v.KonjDekl()), {.basis = fid::IMPERATIV_I, .filter = fid::Person(s)});
}

void ImperativIIErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    TErzeuger e(m, v);
    const Klassen &t = v.Deponens() ? kImp2Dep : kImp2;
    e.Reihe(t.Fuer(v.KonjDekl()), {.basis = fid::IMPERATIV_II, .filter = fid::Person(s)});
}

void InfinitiveErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    const int32_t tempus = fid::Tempus(s);
    const int32_t gv = fid::GenusVerbi(s);
    if ((tempus != 0 && tempus != fid::PRAESENS && tempus != fid::PERFEKT && tempus != fid::FUTUR1) ||
        gv == fid::GENUS_VERBI_MASKE)
        return;
    TErzeuger e(m, v);
    const bool dep = v.Deponens();
    // A deponent has only active infinitives, whatever voice was asked for.
    const bool aktiv = dep || gv != fid::PASSIV;
    const bool passiv = !dep && gv != fid::AKTIV;
    const Lauf passivLauf{.gesperrt = v.KeinPassiv()};
    auto einzeln = [&e](int32_t id, const Zelle &z, const Lauf &l = {}) { e.Anfuegen(id, e.Text(z, l), l.variante); };

    if (tempus == 0 || tempus == fid::PRAESENS) {
        if (aktiv)
            einzeln(fid::INFINITIV | fid::AKTIV | fid::PRAESENS, dep ? InfinitivPraesensPassiv(v.KonjDekl()) : vok());
        if (passiv)
            einzeln(fid::INFINITIV | fid::PASSIV | fid::PRAESENS, InfinitivPraesensPassiv(v.KonjDekl()), passivLauf);
    }
    if (tempus == 0 || tempus == fid::PERFEKT) {
        if (aktiv) {
            // A semi-deponent's perfect is compound like a deponent's; its
            // perfect stem (from "... sum") would give no usable infinitive.
            const bool zusammengesetzt = dep || v.Semideponens();
            einzeln(fid::INFINITIV | fid::AKTIV | fid::PERFEKT, zusammengesetzt ? u("m esse") : r("isse"));
            if (!zusammengesetzt && e.st.R.endsWith(QLatin1Char('v')))
                einzeln(fid::VERKUERZT | fid::INFINITIV | fid::AKTIV | fid::PERFEKT, r1("sse"), {.variante = 2});
        }
        if (passiv)
            einzeln(fid::INFINITIV | fid::PASSIV | fid::PERFEKT, u("m esse"), passivLauf);
    }
    if (tempus == 0 || tempus == fid::FUTUR1) {
        if (aktiv)
            einzeln(fid::INFINITIV | fid::AKTIV | fid::FUTUR1, u("^rum esse"));
        if (passiv)
            einzeln(fid::INFINITIV | fid::PASSIV | fid::FUTUR1, u("m īrī"), passivLauf);
    }
}

void SupineErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    if (v.Deponens())
        return;
    static constexpr std::array<Zelle, 2> SUPINA{u("^"), u("m")};
    TErzeuger e(m, v);
    e.Reihe(SUPINA, {.basis = fid::SUPINUM, .filter = fid::Person(s)});
}

void GerundiumErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    TErzeuger e(m, v);
    const bool ae = v.KonjDekl() == KD_A || v.KonjDekl() == KD_E;
    e.Reihe(ae ? GERUNDIUM_AE : GERUNDIUM,
            {.basis = fid::GERUNDIUM, .schritt = fid::KASUS_SCHRITT, .filter = fid::KasusNr(s)});
}

void VerbformenErzeugen(TFormenmanager &m, const TVokabel &v, int32_t s)
{
    const int32_t gv = fid::GenusVerbi(s);
    const bool keinPassiv = v.Deponens() || v.KeinPassiv();
    switch (fid::Modus(s)) {
    case fid::INDIKATIV:
        if (gv == fid::AKTIV)
            IndikativAktivErzeugen(m, v, s);
        else if (gv == fid::PASSIV && !keinPassiv)
            IndikativPassivErzeugen(m, v, s);
        break;
    case fid::KONJUNKTIV:
        if (gv == fid::AKTIV)
            KonjunktivAktivErzeugen(m, v, s);
        else if (gv == fid::PASSIV && !keinPassiv)
            KonjunktivPassivErzeugen(m, v, s);
        break;
    case fid::IMPERATIV:
        if (fid::Tempus(s) == fid::PRAESENS)
            ImperativIErzeugen(m, v, s);
        else if (fid::Tempus(s) == fid::IMPERFEKT)
            ImperativIIErzeugen(m, v, s);
        break;
    default:
        break;
    }
    switch (fid::Nominalform(s)) {
    case fid::INFINITIV:
        InfinitiveErzeugen(m, v, s);
        break;
    case fid::SUPINUM:
        SupineErzeugen(m, v, s);
        break;
    case fid::GERUNDIUM:
        GerundiumErzeugen(m, v, s);
        break;
    case fid::GERUNDIVUM:
        GerundivumErzeugen(m, v, s);
        break;
    case fid::PARTIZIP:
        switch (fid::Tempus(s)) {
        case fid::PRAESENS:
            PartizipPraesensErzeugen(m, v, s);
            break;
        case fid::FUTUR1:
            PartizipFuturErzeugen(m, v, s);
            break;
        case fid::PERFEKT:
            PartizipPerfektErzeugen(m, v, s);
            break;
        default:
            break;
        }
        break;
    default:
        break;
    }
}

} // namespace lexovita
