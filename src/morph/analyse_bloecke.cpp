#include "morph/analyse_bloecke.h"

#include "morph/adjektivformen.h"
#include "morph/formid.h"
#include "morph/nominalformen.h"
#include "morph/verbformen.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>

namespace lexovita::intern {

namespace {

using sv = std::string_view;

// ---- Endings: every text a block can produce ends in one of these -------
// Listed as the shortest literal tails of the generators' cells (a tail
// that another one ends with is left out). Blocks with cells that are the
// entry's own fields or a bare stem have no list: they may end in anything.

constexpr sv E_IMPF_IND_AKT[] = {"bam",   "bas",   "bat",   "bamus",  "batis",  "bant", "bar",
                                 "baris", "batur", "bamur", "bamini", "bantur", "bare"};
constexpr sv E_FUT1_IND_AKT[] = {"bo",   "bis",  "bit",  "bimus", "bitis", "bunt",  "am",    "es",     "et",
                                 "emus", "etis", "ent",  "bor",   "beris", "bitur", "bimur", "bimini", "buntur",
                                 "ar",   "eris", "etur", "emur",  "emini", "entur", "ere"};
constexpr sv E_PERF_IND_AKT[] = {"i",    "it",  "imus", "istis",  "erunt",  "sti",   "stis", "runt",
                                 " sum", " es", " est", " sumus", " estis", " sunt", "ere"};
constexpr sv E_PQPF_IND_AKT[] = {"ram", "ras", "rat", "ramus", "ratis", "rant"};
constexpr sv E_FUT2_IND_AKT[] = {"ro", "ris", "rit", "rimus", "ritis", "rint", "runt"};
constexpr sv E_PRS_KONJ_AKT[] = {"em",   "es",   "et",   "emus", "etis",  "ent",   "am",   "as",    "at",
                                 "amus", "atis", "ant",  "er",   "eris",  "etur",  "emur", "emini", "entur",
                                 "ar",   "aris", "atur", "amur", "amini", "antur", "ere",  "are"};
constexpr sv E_PERF_KONJ_AKT[] = {"rim",  "ris",  "rit",  "rimus",  "ritis",  "rint",
                                  " sim", " sis", " sit", " simus", " sitis", " sint"};
constexpr sv E_PQPF_KONJ_AKT[] = {"ssem", "sses", "sset", "ssemus", "ssetis", "ssent"};

constexpr sv E_PRS_IND_PAS[] = {"or", "ris", "tur", "mur", "mini", "re"};
constexpr sv E_IMPF_IND_PAS[] = {"bar", "baris", "batur", "bamur", "bamini", "bantur", "bare"};
constexpr sv E_FUT1_IND_PAS[] = {"bor",  "beris", "bitur", "bimur", "bimini", "buntur", "ar",
                                 "eris", "etur",  "emur",  "emini", "entur",  "ere"};
constexpr sv E_PERF_IND_PAS[] = {" sum", " es", " est", " sumus", " estis", " sunt"};
constexpr sv E_PQPF_IND_PAS[] = {" eram", " eras", " erat", " eramus", " eratis", " erant"};
constexpr sv E_FUT2_IND_PAS[] = {" ero", " eris", " erit", " erimus", " eritis", " erunt"};
constexpr sv E_PRS_KONJ_PAS[] = {"er",   "eris", "etur", "emur",  "emini", "entur", "ar",
                                 "aris", "atur", "amur", "amini", "antur", "ere",   "are"};
constexpr sv E_IMPF_KONJ_PAS[] = {"rer", "reris", "retur", "remur", "remini", "rentur", "rere"};
constexpr sv E_PERF_KONJ_PAS[] = {" sim", " sis", " sit", " simus", " sitis", " sint"};
constexpr sv E_PQPF_KONJ_PAS[] = {" essem", " esses", " esset", " essemus", " essetis", " essent"};

constexpr sv E_IMP2[] = {"to", "tote", "tor"};
constexpr sv E_PPA[] = {"ns", "ntis", "nti", "ntem", "nte", "ntes", "ntia", "ntium", "ntibus"};
constexpr sv E_PPA_ABL[] = {"nte"};
constexpr sv E_PFA[] = {"rus", "ri", "ro", "rum", "ros", "ris", "ra", "rae", "ram", "rarum", "ras", "rorum"};
constexpr sv E_GERUNDIV[] = {"ndus", "ndi", "ndo",  "ndum", "ndorum", "ndis",
                             "ndos", "nda", "ndae", "ndam", "ndarum", "ndas"};
constexpr sv E_KOMP[] = {"ior", "ius", "ioris", "iori", "iorem", "iore", "iores", "iora", "iorum", "ioribus"};
constexpr sv E_KOMP_ABL[] = {"iore"};
constexpr sv E_SUP[] = {"imus", "imi", "imo",  "imum", "imorum", "imis",
                        "imos", "ima", "imae", "imam", "imarum", "imas"};
constexpr sv E_ADVERB[] = {"e", "er", "ius", "ime"};

constexpr int32_t M = fid::MASKULINUM, F = fid::FEMININUM, N = fid::NEUTRUM;
constexpr int32_t IA = fid::INDIKATIV | fid::AKTIV, IP = fid::INDIKATIV | fid::PASSIV;
constexpr int32_t KA = fid::KONJUNKTIV | fid::AKTIV, KP = fid::KONJUNKTIV | fid::PASSIV;
constexpr int32_t PPA = fid::PARTIZIP | fid::AKTIV | fid::PRAESENS;
constexpr int32_t PFA = fid::PARTIZIP | fid::AKTIV | fid::FUTUR1;
constexpr int32_t PPP = fid::PARTIZIP | fid::PASSIV | fid::PERFEKT;

using R = Blockregel;

enum Nr : int {
    PRS_IND_AKT,
    IMPF_IND_AKT,
    FUT1_IND_AKT,
    PERF_IND_AKT,
    PQPF_IND_AKT,
    FUT2_IND_AKT,
    PRS_IND_PAS,
    IMPF_IND_PAS,
    FUT1_IND_PAS,
    PERF_IND_PAS,
    PQPF_IND_PAS,
    FUT2_IND_PAS,
    PRS_KONJ_AKT,
    IMPF_KONJ_AKT,
    PERF_KONJ_AKT,
    PQPF_KONJ_AKT,
    PRS_KONJ_PAS,
    IMPF_KONJ_PAS,
    PERF_KONJ_PAS,
    PQPF_KONJ_PAS,
    IMP1,
    IMP2,
    INFINITIVE,
    SUPINA,
    GERUNDIUM,
    PPA_M,
    PPA_F,
    PPA_N,
    PPA_ABL_M,
    PPA_ABL_F,
    PPA_ABL_N,
    PFA_M,
    PFA_F,
    PFA_N,
    GDV_M,
    GDV_F,
    GDV_N,
    PPP_PAS_F,
    PPP_PAS_N, // always passive
    PPP_M,
    PPP_F,
    PPP_N, // voice from the flags
    SUBSTANTIV,
    POS_M,
    POS_F,
    POS_N,
    KOMP_M,
    KOMP_F,
    KOMP_N,
    KOMP_ABL_M,
    KOMP_ABL_F,
    KOMP_ABL_N,
    SUP_M,
    SUP_F,
    SUP_N,
    ADVERB,
    ANZAHL
};
// The analysis keeps sets of blocks as 64-bit masks.
static_assert(ANZAHL <= kBlockanzahlHoechstens);

constexpr TAnalyseblock B(Nr nr, Blockgenerator g, int32_t s, R r = R::Keine, std::span<const sv> e = {})
{
    return {nr, g, s, r, e};
}

// ---- The blocks -----------------------------------------------------------

constexpr TAnalyseblock bPrsIndAkt = B(PRS_IND_AKT, IndikativAktivErzeugen, IA | fid::PRAESENS);
constexpr TAnalyseblock bImpfIndAkt =
    B(IMPF_IND_AKT, IndikativAktivErzeugen, IA | fid::IMPERFEKT, R::Keine, E_IMPF_IND_AKT);
constexpr TAnalyseblock bFut1IndAkt =
    B(FUT1_IND_AKT, IndikativAktivErzeugen, IA | fid::FUTUR1, R::Keine, E_FUT1_IND_AKT);
constexpr TAnalyseblock bPerfIndAkt =
    B(PERF_IND_AKT, IndikativAktivErzeugen, IA | fid::PERFEKT, R::Keine, E_PERF_IND_AKT);
constexpr TAnalyseblock bPqpfIndAkt =
    B(PQPF_IND_AKT, IndikativAktivErzeugen, IA | fid::PLUSQUAMPERFEKT, R::Keine, E_PQPF_IND_AKT);
constexpr TAnalyseblock bFut2IndAkt =
    B(FUT2_IND_AKT, IndikativAktivErzeugen, IA | fid::FUTUR2, R::Keine, E_FUT2_IND_AKT);

constexpr TAnalyseblock bPrsIndPas =
    B(PRS_IND_PAS, IndikativPassivErzeugen, IP | fid::PRAESENS, R::PassivEinfach, E_PRS_IND_PAS);
constexpr TAnalyseblock bImpfIndPas =
    B(IMPF_IND_PAS, IndikativPassivErzeugen, IP | fid::IMPERFEKT, R::PassivEinfach, E_IMPF_IND_PAS);
constexpr TAnalyseblock bFut1IndPas =
    B(FUT1_IND_PAS, IndikativPassivErzeugen, IP | fid::FUTUR1, R::PassivEinfach, E_FUT1_IND_PAS);
constexpr TAnalyseblock bPerfIndPas =
    B(PERF_IND_PAS, IndikativPassivErzeugen, IP | fid::PERFEKT, R::PassivZusammengesetzt, E_PERF_IND_PAS);
constexpr TAnalyseblock bPqpfIndPas =
    B(PQPF_IND_PAS, IndikativPassivErzeugen, IP | fid::PLUSQUAMPERFEKT, R::PassivZusammengesetzt, E_PQPF_IND_PAS);
constexpr TAnalyseblock bFut2IndPas =
    B(FUT2_IND_PAS, IndikativPassivErzeugen, IP | fid::FUTUR2, R::PassivZusammengesetzt, E_FUT2_IND_PAS);

constexpr TAnalyseblock bPrsKonjAkt =
    B(PRS_KONJ_AKT, KonjunktivAktivErzeugen, KA | fid::PRAESENS, R::Keine, E_PRS_KONJ_AKT);
constexpr TAnalyseblock bImpfKonjAkt = B(IMPF_KONJ_AKT, KonjunktivAktivErzeugen, KA | fid::IMPERFEKT);
constexpr TAnalyseblock bPerfKonjAkt =
    B(PERF_KONJ_AKT, KonjunktivAktivErzeugen, KA | fid::PERFEKT, R::Keine, E_PERF_KONJ_AKT);
constexpr TAnalyseblock bPqpfKonjAkt =
    B(PQPF_KONJ_AKT, KonjunktivAktivErzeugen, KA | fid::PLUSQUAMPERFEKT, R::Keine, E_PQPF_KONJ_AKT);

constexpr TAnalyseblock bPrsKonjPas =
    B(PRS_KONJ_PAS, KonjunktivPassivErzeugen, KP | fid::PRAESENS, R::PassivEinfach, E_PRS_KONJ_PAS);
constexpr TAnalyseblock bImpfKonjPas =
    B(IMPF_KONJ_PAS, KonjunktivPassivErzeugen, KP | fid::IMPERFEKT, R::PassivEinfach, E_IMPF_KONJ_PAS);
constexpr TAnalyseblock bPerfKonjPas =
    B(PERF_KONJ_PAS, KonjunktivPassivErzeugen, KP | fid::PERFEKT, R::PassivZusammengesetzt, E_PERF_KONJ_PAS);
constexpr TAnalyseblock bPqpfKonjPas =
    B(PQPF_KONJ_PAS, KonjunktivPassivErzeugen, KP | fid::PLUSQUAMPERFEKT, R::PassivZusammengesetzt, E_PQPF_KONJ_PAS);

constexpr TAnalyseblock bImp1 = B(IMP1, ImperativIErzeugen, fid::IMPERATIV_I);
constexpr TAnalyseblock bImp2 = B(IMP2, ImperativIIErzeugen, fid::IMPERATIV_II, R::Keine, E_IMP2);
constexpr TAnalyseblock bInfinitive = B(INFINITIVE, InfinitiveErzeugen, fid::INFINITIV);
constexpr TAnalyseblock bSupina = B(SUPINA, SupineErzeugen, fid::SUPINUM);
constexpr TAnalyseblock bGerundium = B(GERUNDIUM, GerundiumErzeugen, fid::GERUNDIUM);

constexpr TAnalyseblock bPpaM = B(PPA_M, PartizipPraesensErzeugen, M | PPA, R::Keine, E_PPA);
constexpr TAnalyseblock bPpaF = B(PPA_F, PartizipPraesensErzeugen, F | PPA, R::Keine, E_PPA);
constexpr TAnalyseblock bPpaN = B(PPA_N, PartizipPraesensErzeugen, N | PPA, R::Keine, E_PPA);
constexpr TAnalyseblock bPpaAblM = B(PPA_ABL_M, PartizipPraesensErzeugen, M | PPA | fid::ABL_SG, R::Keine, E_PPA_ABL);
constexpr TAnalyseblock bPpaAblF = B(PPA_ABL_F, PartizipPraesensErzeugen, F | PPA | fid::ABL_SG, R::Keine, E_PPA_ABL);
constexpr TAnalyseblock bPpaAblN = B(PPA_ABL_N, PartizipPraesensErzeugen, N | PPA | fid::ABL_SG, R::Keine, E_PPA_ABL);
constexpr TAnalyseblock bPfaM = B(PFA_M, PartizipFuturErzeugen, M | PFA, R::Keine, E_PFA);
constexpr TAnalyseblock bPfaF = B(PFA_F, PartizipFuturErzeugen, F | PFA, R::Keine, E_PFA);
constexpr TAnalyseblock bPfaN = B(PFA_N, PartizipFuturErzeugen, N | PFA, R::Keine, E_PFA);
constexpr TAnalyseblock bGdvM = B(GDV_M, GerundivumErzeugen, M | fid::GERUNDIVUM, R::Keine, E_GERUNDIV);
constexpr TAnalyseblock bGdvF = B(GDV_F, GerundivumErzeugen, F | fid::GERUNDIVUM, R::Keine, E_GERUNDIV);
constexpr TAnalyseblock bGdvN = B(GDV_N, GerundivumErzeugen, N | fid::GERUNDIVUM, R::Keine, E_GERUNDIV);
constexpr TAnalyseblock bPppPasF = B(PPP_PAS_F, PartizipPerfektErzeugen, F | PPP);
constexpr TAnalyseblock bPppPasN = B(PPP_PAS_N, PartizipPerfektErzeugen, N | PPP);
constexpr TAnalyseblock bPppM = B(PPP_M, PartizipPerfektErzeugen, M | PPP, R::PartizipPerfekt);
constexpr TAnalyseblock bPppF = B(PPP_F, PartizipPerfektErzeugen, F | PPP, R::PartizipPerfekt);
constexpr TAnalyseblock bPppN = B(PPP_N, PartizipPerfektErzeugen, N | PPP, R::PartizipPerfekt);

constexpr TAnalyseblock bSubstantiv = B(SUBSTANTIV, SubstantivformenErzeugen, 0);

constexpr TAnalyseblock bPosM = B(POS_M, PositivErzeugen, M | fid::POSITIV);
constexpr TAnalyseblock bPosF = B(POS_F, PositivErzeugen, F | fid::POSITIV);
constexpr TAnalyseblock bPosN = B(POS_N, PositivErzeugen, N | fid::POSITIV);
constexpr TAnalyseblock bKompM = B(KOMP_M, KomparativErzeugen, M | fid::KOMPARATIV, R::Steigerung, E_KOMP);
constexpr TAnalyseblock bKompF = B(KOMP_F, KomparativErzeugen, F | fid::KOMPARATIV, R::Steigerung, E_KOMP);
constexpr TAnalyseblock bKompN = B(KOMP_N, KomparativErzeugen, N | fid::KOMPARATIV, R::Steigerung, E_KOMP);
constexpr TAnalyseblock bKompAblM =
    B(KOMP_ABL_M, KomparativErzeugen, M | fid::KOMPARATIV | fid::ABL_SG, R::Steigerung, E_KOMP_ABL);
constexpr TAnalyseblock bKompAblF =
    B(KOMP_ABL_F, KomparativErzeugen, F | fid::KOMPARATIV | fid::ABL_SG, R::Steigerung, E_KOMP_ABL);
constexpr TAnalyseblock bKompAblN =
    B(KOMP_ABL_N, KomparativErzeugen, N | fid::KOMPARATIV | fid::ABL_SG, R::Steigerung, E_KOMP_ABL);
constexpr TAnalyseblock bSupM = B(SUP_M, SuperlativErzeugen, M | fid::SUPERLATIV, R::Steigerung, E_SUP);
constexpr TAnalyseblock bSupF = B(SUP_F, SuperlativErzeugen, F | fid::SUPERLATIV, R::Steigerung, E_SUP);
constexpr TAnalyseblock bSupN = B(SUP_N, SuperlativErzeugen, N | fid::SUPERLATIV, R::Steigerung, E_SUP);
constexpr TAnalyseblock bAdverb = B(ADVERB, AdjektivAdverbErzeugen, fid::ADVERB, R::Keine, E_ADVERB);

// ---- Blocks by dispatch letter, in generation order ------------------------

constexpr TAnalyseblock kSubstantiv[] = {bSubstantiv};

constexpr TAnalyseblock kVerbA[] = {bPpaM, bPpaF, bPpaN, bPfaF, bGdvF, bGdvN, bPppPasF, bPppPasN, bImp1};
constexpr TAnalyseblock kAdjA[] = {bPosF, bPosN, bKompN, bSupF, bSupN};

constexpr TAnalyseblock kVerbE[] = {bPpaAblM, bPpaAblF, bPpaAblN, bImp1, bImp2, bInfinitive, bPfaF, bGdvF, bPppF};
constexpr TAnalyseblock kAdjE[] = {bPosF, bPosN, bKompAblM, bKompAblF, bKompAblN, bSupF, bAdverb};

constexpr TAnalyseblock kVerbI[] = {bPerfIndAkt, bPrsIndPas, bImpfIndPas, bFut1IndPas, bPrsKonjPas, bImpfKonjPas, bImp1,
                                    bPpaM,       bPpaF,      bPpaN,       bPfaM,       bPfaN,       bGdvM,        bGdvN,
                                    bGerundium,  bPppM,      bPppF,       bPppN,       bInfinitive};
constexpr TAnalyseblock kAdjAlle[] = {bPosM, bPosF, bPosN, bKompM, bKompF, bKompN, bSupM, bSupF, bSupN};

constexpr TAnalyseblock kVerbM[] = {bPrsKonjAkt,  bImpfKonjAkt, bPerfKonjAkt, bPqpfKonjAkt, bImpfIndAkt,
                                    bFut1IndAkt,  bPqpfIndAkt,  bPerfIndPas,  bPqpfIndPas,  bPerfKonjPas,
                                    bPqpfKonjPas, bPpaM,        bPpaF,        bPpaN,        bPfaM,
                                    bPfaF,        bPfaN,        bGdvM,        bGdvF,        bGdvN,
                                    bGerundium,   bPppM,        bPppF,        bPppN,        bSupina};

constexpr TAnalyseblock kVerbO[] = {bPrsIndAkt, bFut1IndAkt, bFut2IndAkt, bFut2IndPas, bImp2, bPfaM,
                                    bPfaN,      bGdvM,       bGdvN,       bGerundium,  bPppM, bPppN};
constexpr TAnalyseblock kAdjO[] = {bPosM, bPosN, bSupM, bSupN};

constexpr TAnalyseblock kVerbR[] = {bPrsIndPas, bImpfIndPas, bFut1IndPas, bPrsKonjPas, bImpfKonjPas, bImp2};
constexpr TAnalyseblock kAdjR[] = {bKompM, bKompF, bAdverb};

constexpr TAnalyseblock kVerbS[] = {bPrsIndAkt,   bImpfIndAkt,  bFut1IndAkt,  bPerfIndAkt,  bPqpfIndAkt, bFut2IndAkt,
                                    bPrsIndPas,   bImpfIndPas,  bFut1IndPas,  bPerfIndPas,  bPqpfIndPas, bFut2IndPas,
                                    bPrsKonjAkt,  bImpfKonjAkt, bPerfKonjAkt, bPqpfKonjAkt, bPrsKonjPas, bImpfKonjPas,
                                    bPerfKonjPas, bPqpfKonjPas, bPpaM,        bPpaF,        bPpaN,       bPfaM,
                                    bPfaF,        bPfaN,        bGdvM,        bGdvF,        bGdvN,       bGerundium,
                                    bPppM,        bPppF,        bPppN};
constexpr TAnalyseblock kAdjS[] = {bPosM, bPosF, bPosN, bKompM, bKompF, bKompN, bSupM, bSupF, bSupN, bAdverb};

constexpr TAnalyseblock kVerbT[] = {bPrsIndAkt,  bImpfIndAkt, bFut1IndAkt,  bPerfIndAkt,  bPqpfIndAkt,
                                    bFut2IndAkt, bPrsKonjAkt, bImpfKonjAkt, bPerfKonjAkt, bPqpfKonjAkt,
                                    bPerfIndPas, bPqpfIndPas, bFut2IndPas,  bPerfKonjPas, bPqpfKonjPas};

constexpr TAnalyseblock kVerbU[] = {bSupina};

// Every block once, whatever the word's last letter: for the forms the
// letter's blocks leave out (neuter -ura, accusatives equal to the headword,
// words ending in other letters). The ablative-only blocks are inside the
// whole ones; the always-passive participles are a deponent's active ones.
constexpr TAnalyseblock kVerbAlle[] = {
    bPrsIndAkt,  bImpfIndAkt,  bFut1IndAkt,  bPerfIndAkt,  bPqpfIndAkt, bFut2IndAkt,  bPrsIndPas,   bImpfIndPas,
    bFut1IndPas, bPerfIndPas,  bPqpfIndPas,  bFut2IndPas,  bPrsKonjAkt, bImpfKonjAkt, bPerfKonjAkt, bPqpfKonjAkt,
    bPrsKonjPas, bImpfKonjPas, bPerfKonjPas, bPqpfKonjPas, bImp1,       bImp2,        bInfinitive,  bSupina,
    bGerundium,  bPpaM,        bPpaF,        bPpaN,        bPfaM,       bPfaF,        bPfaN,        bGdvM,
    bGdvF,       bGdvN,        bPppM,        bPppF,        bPppN};
constexpr TAnalyseblock kAdjGanz[] = {bPosM, bPosF, bPosN, bKompM, bKompF, bKompN, bSupM, bSupF, bSupN, bAdverb};

const TBuchstabenbloecke kAlle{kVerbAlle, kSubstantiv, kAdjGanz, 10};

// Every block once, endings shared by several blocks next to each other, so
// that a word's fitting blocks are found checking each ending list once.
constexpr TAnalyseblock kJeNummer[] = {
    bPrsIndAkt,  bImpfIndAkt,  bFut1IndAkt,  bPerfIndAkt,  bPqpfIndAkt, bFut2IndAkt,  bPrsIndPas,   bImpfIndPas,
    bFut1IndPas, bPerfIndPas,  bPqpfIndPas,  bFut2IndPas,  bPrsKonjAkt, bImpfKonjAkt, bPerfKonjAkt, bPqpfKonjAkt,
    bPrsKonjPas, bImpfKonjPas, bPerfKonjPas, bPqpfKonjPas, bImp1,       bImp2,        bInfinitive,  bSupina,
    bGerundium,  bPpaM,        bPpaF,        bPpaN,        bPpaAblM,    bPpaAblF,     bPpaAblN,     bPfaM,
    bPfaF,       bPfaN,        bGdvM,        bGdvF,        bGdvN,       bPppPasF,     bPppPasN,     bPppM,
    bPppF,       bPppN,        bSubstantiv,  bPosM,        bPosF,       bPosN,        bKompM,       bKompF,
    bKompN,      bKompAblM,    bKompAblF,    bKompAblN,    bSupM,       bSupF,        bSupN,        bAdverb};
static_assert(std::size(kJeNummer) == ANZAHL);

const TBuchstabenbloecke kA{kVerbA, kSubstantiv, kAdjA, 1};
const TBuchstabenbloecke kE{kVerbE, kSubstantiv, kAdjE, 2};
const TBuchstabenbloecke kI{kVerbI, kSubstantiv, kAdjAlle, 3};
const TBuchstabenbloecke kM{kVerbM, kSubstantiv, kAdjAlle, 4};
const TBuchstabenbloecke kO{kVerbO, kSubstantiv, kAdjO, 5};
const TBuchstabenbloecke kR{kVerbR, kSubstantiv, kAdjR, 6};
const TBuchstabenbloecke kS{kVerbS, kSubstantiv, kAdjS, 7};
const TBuchstabenbloecke kT{kVerbT, kSubstantiv, {}, 8};
const TBuchstabenbloecke kU{kVerbU, kSubstantiv, {}, 9};
const TBuchstabenbloecke kKeine{{}, {}, {}, 0};
static_assert(10 < kBuchstabenbloeckeHoechstens);

bool EndetAuf(const QString &wort, sv endung)
{
    const qsizetype n = qsizetype(endung.size());
    if (wort.size() < n)
        return false;
    const QChar *w = wort.constData() + (wort.size() - n);
    for (qsizetype i = 0; i < n; ++i)
        if (w[i] != QLatin1Char(endung[size_t(i)]))
            return false;
    return true;
}

} // namespace

const TBuchstabenbloecke &BloeckeFuer(QChar letzter)
{
    switch (letzter.unicode()) {
    case 'a':
        return kA;
    case 'e':
        return kE;
    case 'i':
        return kI;
    case 'm':
        return kM;
    case 'o':
        return kO;
    case 'r':
        return kR;
    case 's':
        return kS;
    case 't':
        return kT;
    case 'u':
        return kU;
    default:
        return kKeine;
    }
}

const TBuchstabenbloecke &AlleBloecke()
{
    return kAlle;
}

int Blockanzahl()
{
    return ANZAHL;
}

int32_t BlockSelektor(const TAnalyseblock &b, const TVokabel &v)
{
    switch (b.regel) {
    case Blockregel::PassivEinfach:
        // A verb without passive has none; a deponent's are its active forms.
        return v.KeinPassiv() && !v.Deponens() ? -1 : b.selektor;
    case Blockregel::PassivZusammengesetzt:
        return v.KeinPassiv() && !v.Deponens() && !v.Semideponens() ? -1 : b.selektor;
    case Blockregel::PartizipPerfekt:
        if (v.Deponens() || v.Semideponens())
            return (b.selektor & ~fid::GENUS_VERBI_MASKE) | fid::AKTIV;
        return b.selektor;
    default:
        return b.selektor;
    }
}

bool Umschrieben(const TVokabel &v)
{
    // These adjectives compare with magis/maxime + the positive, whose
    // nominative is the headword or another stored form.
    return EndetAuf(v.vokabel, "uus") || EndetAuf(v.vokabel, "ius") || EndetAuf(v.vokabel, "eus");
}

bool EndungenPassen(const TAnalyseblock &b, const QString &wort)
{
    if (b.endungen.empty())
        return true;
    for (sv e : b.endungen)
        if (EndetAuf(wort, e))
            return true;
    return false;
}

namespace {

// The blocks by each ending they list, the ending's letters packed into a
// number from its last letter on: a word's fitting blocks are then found
// with one look-up per length of its tail instead of comparing every list.
struct TEndungstafel {
    static constexpr size_t kLaengste = 8;
    std::unordered_map<uint64_t, uint64_t> nachEndung;
    uint64_t immer = 0; // blocks without a list of endings
};

const TEndungstafel &Endungstafel()
{
    static const TEndungstafel tafel = [] {
        TEndungstafel t;
        for (const TAnalyseblock &b : kJeNummer) {
            const uint64_t bit = uint64_t(1) << b.nr;
            if (b.endungen.empty())
                t.immer |= bit;
            for (sv e : b.endungen) {
                Q_ASSERT(!e.empty() && e.size() <= TEndungstafel::kLaengste);
                uint64_t schluessel = 0;
                for (size_t i = 0; i < e.size(); ++i)
                    schluessel |= uint64_t(uchar(e[e.size() - 1 - i])) << (8 * i);
                t.nachEndung[schluessel] |= bit;
            }
        }
        return t;
    }();
    return tafel;
}

} // namespace

uint64_t PassendeBloecke(const QString &wort)
{
    const TEndungstafel &t = Endungstafel();
    uint64_t maske = t.immer;
    uint64_t schluessel = 0;
    const qsizetype n = std::min<qsizetype>(wort.size(), TEndungstafel::kLaengste);
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = wort[wort.size() - 1 - i].unicode();
        if (c == 0 || c > 0x7f)
            break; // no ending holds it, nor any longer tail
        schluessel |= uint64_t(c) << (8 * i);
        if (const auto it = t.nachEndung.find(schluessel); it != t.nachEndung.end())
            maske |= it->second;
    }
    return maske;
}

bool KannPassen(const TAnalyseblock &b, const TVokabel &v, const QString &wort)
{
    return EndungenPassen(b, wort) || (b.regel == Blockregel::Steigerung && Umschrieben(v));
}

} // namespace lexovita::intern
