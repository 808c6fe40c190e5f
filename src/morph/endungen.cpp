#include "morph/endungen.h"

#include <span>
#include <string_view>

namespace lexovita {

namespace {

// Probable inflection endings by last letter. Endings with a blank belong to
// compound forms typed as one string ("laudaturum esse"). "ui" is there so
// the dative singular of the u-declension (fructui) reaches its stem "fruct";
// cutting more only widens the stem range, so no other result is lost.

constexpr std::string_view kA[] = {"ia",    "ua",     "ura",    "nda",    "iora",   "ntia",    "enda",     "ienda",
                                   "entia", "issima", "illima", "errima", "ientia", "entiora", "entissima"};
constexpr std::string_view kE[] = {"te",      "ae",      "re",        "nte",       "ite",    "ere",    "sse",
                                   "tote",    "iore",    "ndae",      "rime",      "isse",   "urae",   "ente",
                                   "endae",   "itote",   "iente",     "rimae",     "iendae", "issime", "um esse",
                                   "issimae", "entiore", "urum esse", "entissimae"};
constexpr std::string_view kI[] = {"ri",      "ui",      "nti",     "ndi",     "uri",     "ari",      "eri",
                                   "iri",     "sti",     "isti",    "mini",    "iori",    "enti",     "endi",
                                   "rimi",    "amini",   "emini",   "imini",   "iendi",   "ienti",    "issimi",
                                   "illimi",  "iemini",  "iamini",  "um iri",  "ebamini", "abamini",  "aremini",
                                   "eremini", "iremini", "abimini", "ebimini", "entiori", "iebamini", "entissimi"};
constexpr std::string_view kM[] = {
    "am",        "em",         "im",         "um",           "rem",         "uum",      "ium",      "iam",
    "abam",      "ebam",       "eram",       "uram",         "ndam",        "ntem",     "erim",     "arum",
    "orum",      "erum",       "urum",       "ndum",         "erem",        "arem",     "iorem",    "issem",
    "iorum",     "ntium",      "a sim",      "a sum",        "endum",       "entem",    "endam",    "iebam",
    "rimum",     "rimam",      "urarum",     "ndarum",       "urorum",      "ndorum",   "entium",   "ientem",
    "us sim",    "um sim",     "us sum",     "um sum",       "a eram",      "iendum",   "iendam",   "ientium",
    "us eram",   "um eram",    "a essem",    "endorum",      "endarum",     "issimum",  "issimam",  "rimorum",
    "rimarum",   "us essem",   "um essem",   "iendorum",     "iendarum",    "entiorem", "entiorum", "issimorum",
    "issimarum", "entissimum", "entissimam", "entissimorum", "entissimarum"};
constexpr std::string_view kO[] = {"eo",    "io",    "bo",     "to",     "ro",     "ero",      "uro",
                                   "ndo",   "ito",   "nto",    "endo",   "rimo",   "unto",     "iendo",
                                   "iunto", "a ero", "us ero", "um ero", "issimo", "entissimo"};
constexpr std::string_view kR[] = {
    "er",      "or",      "ar",      "tor",     "bar",     "ior",     "iar",     "arer",    "erer",
    "irer",    "iter",    "nter",    "abor",    "ebor",    "abar",    "atur",    "etur",    "itur",
    "amur",    "emur",    "imur",    "itor",    "ntor",    "ebar",    "antur",   "entur",   "untur",
    "untor",   "ietur",   "iamur",   "iatur",   "iebar",   "iemur",   "abatur",  "ebatur",  "aretur",
    "eretur",  "iretur",  "abitur",  "ebitur",  "abamur",  "ebamur",  "aremur",  "eremur",  "iremur",
    "abimur",  "ebimur",  "bantur",  "iuntor",  "iuntur",  "iantur",  "ientur",  "entior",  "abantur",
    "ebantur", "arentur", "erentur", "irentur", "abuntur", "ebuntur", "iebatur", "iebamur", "iebantur"};
constexpr std::string_view kS[] = {
    "as",        "es",         "is",         "us",         "os",         "eas",        "ias",        "ies",
    "bis",       "ius",        "ans",        "ens",        "abas",       "ebas",       "eras",       "ndas",
    "uras",      "ares",       "eres",       "ires",       "ntes",       "eris",       "aris",       "iris",
    "atis",      "stis",       "etis",       "itis",       "ntis",       "ndis",       "uris",       "amus",
    "emus",      "imus",       "ebus",       "ibus",       "ndus",       "urus",       "ndos",       "uros",
    "iens",      "a es",       "iebas",      "endas",      "isses",      "entes",      "iores",      "ieris",
    "rimus",     "iaris",      "earis",      "eatis",      "iatis",      "ietis",      "sitis",      "istis",
    "entis",     "ioris",      "endis",      "iamus",      "eamus",      "iemus",      "endus",      "endos",
    "us es",     "um es",      "a sis",      "rimis",      "rimos",      "rimas",      "iendas",     "ientes",
    "areris",    "ereris",     "ireris",     "aberis",     "eberis",     "abaris",     "ebaris",     "ebatis",
    "abatis",    "eratis",     "aretis",     "eretis",     "iretis",     "abitis",     "ebitis",     "eritis",
    "ientis",    "iendis",     "abamus",     "ebamus",     "eramus",     "aremus",     "eremus",     "iremus",
    "abimus",    "ebimus",     "erimus",     "ntibus",     "iendus",     "iendos",     "rrimis",     "entius",
    "us sis",    "um sis",     "a eras",     "a eris",     "issimas",    "illimas",    "iebaris",    "iebatis",
    "issetis",   "issimis",    "illimis",    "issemus",    "issimus",    "illimus",    "antibus",    "entibus",
    "ioribus",   "issimos",    "us eras",    "us eris",    "um eras",    "um eris",    "a esses",    "i estis",
    "a estis",   "a simus",    "i simus",    "a sumus",    "i sumus",    "a sitis",    "i sitis",    "iebamus",
    "ientibus",  "us esses",   "um esses",   "ae estis",   "ae simus",   "ae sumus",   "ae sitis",   "i eratis",
    "a eratis",  "i eritis",   "a eritis",   "i eramus",   "a eramus",   "i erimus",   "a erimus",   "entioris",
    "entiores",  "ae eratis",  "ae eritis",  "ae eramus",  "ae erimus",  "i essetis",  "a essetis",  "i essemus",
    "a essemus", "ae essetis", "ae essemus", "entioribus", "entissimus", "entissimis", "entissimos", "entissimas"};
constexpr std::string_view kT[] = {
    "at",       "et",       "it",       "nt",       "ret",      "ant",      "ent",      "unt",     "int",     "iat",
    "iet",      "abat",     "ebat",     "erat",     "abit",     "ebit",     "erit",     "eant",    "rent",    "iunt",
    "eret",     "iant",     "ient",     "runt",     "aret",     "isset",    "abant",    "ebant",   "erant",   "abunt",
    "ebunt",    "erunt",    "erint",    "a sit",    "a est",    "erent",    "iebat",    "arent",   "issent",  "um sit",
    "us sit",   "um est",   "us est",   "a erit",   "i sunt",   "a sunt",   "i sint",   "a sint",  "a erat",  "us erit",
    "us erat",  "um erat",  "um erit",  "ae sunt",  "ae sint",  "a esset",  "i erant",  "a erant", "i erunt", "a erunt",
    "um esset", "us esset", "ae erant", "ae erunt", "i essent", "a essent", "ae essent"};

std::span<const std::string_view> EndungenFuer(QChar letzter)
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
    default:
        return {};
    }
}

bool EndetAuf(const QString &wort, std::string_view endung)
{
    const qsizetype laenge = qsizetype(endung.size());
    const qsizetype start = wort.size() - laenge;
    for (qsizetype i = 0; i < laenge; ++i)
        if (wort.at(start + i) != QLatin1Char(endung[i]))
            return false;
    return true;
}

} // namespace

int EndungsLaenge(const QString &wort)
{
    if (wort.isEmpty())
        return 1;
    int beste = 1;
    for (std::string_view endung : EndungenFuer(wort.back())) {
        const qsizetype k = qsizetype(endung.size());
        if (k > beste && wort.size() >= k + 2 && EndetAuf(wort, endung))
            beste = int(k);
    }
    return beste;
}

} // namespace lexovita
