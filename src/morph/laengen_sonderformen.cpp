#include "morph/laengen_sonderformen.h"

#include "morph/formid.h"
#include "morph/laengen.h"

#include <QHash>
#include <QStringList>

namespace lexovita {

namespace {

// Marked forms of one group; the key is the plain form.
using Tabelle = QHash<QString, QString>;

Tabelle Aufbauen(const char *formen)
{
    Tabelle t;
    for (const QString &f : QString::fromUtf8(formen).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        t.insert(LaengenEntfernen(f), f);
    return t;
}

// Forms of the simple verbs; compounds add a prefix.
const Tabelle &Esse()
{
    static const Tabelle t =
        Aufbauen("sum es est sumus estis sunt eram erās erat erāmus erātis erant erō eris erit erimus eritis erunt "
                 "sim sīs sit sīmus sītis sint essem essēs esset essēmus essētis essent este estō estōte suntō esse "
                 "fore futūrum futūrus futūra futūrī futūrō futūrae futūram futūrā futūrōrum futūrārum futūrīs futūrōs "
                 "futūrās");
    return t;
}

const Tabelle &Posse()
{
    static const Tabelle t =
        Aufbauen("possum potes potest possumus potestis possunt poteram poterās poterat poterāmus poterātis poterant "
                 "poterō poteris poterit poterimus poteritis poterunt possim possīs possit possīmus possītis possint "
                 "possem possēs posset possēmus possētis possent posse potēns");
    return t;
}

const Tabelle &Ire()
{
    static const Tabelle t =
        Aufbauen("eō īs it īmus ītis eunt ībam ībās ībat ībāmus ībātis ībant ībō ībis ībit ībimus ībitis ībunt "
                 "eam eās eat eāmus eātis eant īrem īrēs īret īrēmus īrētis īrent ī īte ītō ītōte euntō īre īrī "
                 "īstī īstis īssem īssēs īsset īssēmus īssētis īssent īsse iēns euntis euntī euntem eunte euntēs "
                 "euntium euntibus euntia eundī eundō eundum");
    return t;
}

const Tabelle &Ferre()
{
    static const Tabelle t =
        Aufbauen("ferō fers fert ferimus fertis ferunt ferris fertur ferrer ferrēris ferrētur ferrēmur ferrēminī "
                 "ferrentur fer ferte fertō fertōte ferrī ferre ferrem ferrēs ferret ferrēmus ferrētis ferrent");
    return t;
}

const Tabelle &Wollen()
{
    static const Tabelle t =
        Aufbauen("volō vīs vult volt volumus vultis volunt volēbam volēbās volēbat volēbāmus volēbātis volēbant "
                 "volam volēs volet volēmus volētis volent velim velīs velit velīmus velītis velint vellem vellēs "
                 "vellet vellēmus vellētis vellent velle volēns volentis volentī volentem volente volentēs volentium "
                 "volentibus volentia "
                 "nōlō nōn nōlumus nōlunt nōlēbam nōlēbās nōlēbat nōlēbāmus nōlēbātis nōlēbant nōlam nōlēs nōlet "
                 "nōlēmus nōlētis nōlent nōlim nōlīs nōlit nōlīmus nōlītis nōlint nōllem nōllēs nōllet nōllēmus "
                 "nōllētis nōllent nōlle nōlī nōlīte nōlītō nōlītōte nōluntō nōlēns nōlentis nōlentī nōlentem "
                 "nōlente nōlentēs nōlentium nōlentibus nōlentia "
                 "mālō māvīs māvult mālumus māvultis mālunt mālēbam mālēbās mālēbat mālēbāmus mālēbātis mālēbant "
                 "mālam mālēs mālet mālēmus mālētis mālent mālim mālīs mālit mālīmus mālītis mālint māllem māllēs "
                 "māllet māllēmus māllētis māllent mālle");
    return t;
}

// fīō keeps its ī before a vowel, except in fierī and fierem.
const Tabelle &Fieri()
{
    static const Tabelle t =
        Aufbauen("fīō fīs fit fīmus fītis fīunt fīēbam fīēbās fīēbat fīēbāmus fīēbātis fīēbant fīam fīēs fīet "
                 "fīēmus fīētis fīent fīās fīat fīāmus fīātis fīant fierem fierēs fieret fierēmus fierētis fierent "
                 "fierī fī fīte factum factus");
    return t;
}

const Tabelle &Edere()
{
    static const Tabelle t = Aufbauen("edō ēs ēst edimus ēstis edunt ēsse ēssem ēssēs ēsset ēssēmus ēssētis ēssent "
                                      "ēste ēstō ēstōte");
    return t;
}

// Short imperatives and the like of otherwise regular verbs.
const Tabelle &Einzelne()
{
    static const Tabelle t = Aufbauen("dīc dūc fac fer");
    return t;
}

const Tabelle &Pronomen()
{
    static const Tabelle t = Aufbauen(
        "ego meī mihi mē nōs nostrum nostrī nōbīs tū tuī tibi tē vōs vestrum vestrī vōbīs suī sibi sē "
        "is ea id eius eī eum eam iī eae eōrum eārum eīs iīs eōs eās "
        "hic haec hoc huius huic hunc hanc hī hae hōrum hārum hīs hōs hās "
        "ille illa illud illīus illī illum illam illae illōrum illārum illīs illōs illās "
        "iste ista istud istīus istī istum istam istae istōrum istārum istīs istōs istās "
        "ipse ipsa ipsum ipsīus ipsī ipsam ipsae ipsōrum ipsārum ipsīs ipsōs ipsās "
        "īdem eadem idem eiusdem eīdem eundem eandem iīdem eaedem eōrundem eārundem eīsdem iīsdem īsdem eōsdem "
        "eāsdem "
        "quī quae quod quis quid cuius cui quem quam quōrum quārum quibus quōs quās "
        "nēmō nēminis nēminī nēminem nihil nūllīus nūllī sōlīus sōlī tōtīus tōtī ūnīus ūnī alīus aliī "
        "alterīus alterī ullīus ullī utrīus utrī uterque utrumque utriusque utrīque");
    return t;
}

// Ablative forms that differ from a plain form of another case only by length.
const Tabelle &PronomenAblativ()
{
    static const Tabelle t =
        Aufbauen("eā eō hōc hāc illā illō istā istō ipsā ipsō eādem eōdem quā quō mē tē sē nōbīs vōbīs quibus");
    return t;
}

// Long prefixes of compounds; the others are short or long by position.
QString Praefix(const QString &p)
{
    static const Tabelle t = Aufbauen("dē prō prōd sē trāns trā vēn");
    return t.value(p, p);
}

const Tabelle *VerbGruppe(const QString &lemma)
{
    if (lemma.endsWith(QLatin1String("posse")))
        return &Posse();
    if (lemma == QLatin1String("edere") || lemma.endsWith(QLatin1String("comedere")))
        return &Edere();
    if (lemma.endsWith(QLatin1String("esse")))
        return &Esse();
    if (lemma.endsWith(QLatin1String("ferre")))
        return &Ferre();
    if (lemma.endsWith(QLatin1String("velle")) || lemma.endsWith(QLatin1String("nolle")) ||
        lemma.endsWith(QLatin1String("malle")))
        return &Wollen();
    if (lemma.endsWith(QLatin1String("fieri")) || lemma.endsWith(QLatin1String("facere")))
        return &Fieri();
    if (lemma.endsWith(QLatin1String("ire")))
        return &Ire();
    return nullptr;
}

// The word from the group's table, whole or after a prefix the lemma starts with.
QString AusGruppe(const Tabelle &t, const QString &lemma, const QString &wort)
{
    const auto it = t.constFind(wort);
    if (it != t.constEnd())
        return *it;
    for (qsizetype k = 1; k < wort.size(); ++k) {
        const QString p = wort.left(k);
        if (!lemma.startsWith(p))
            break;
        const auto rest = t.constFind(wort.mid(k));
        if (rest != t.constEnd())
            return Praefix(p) + *rest;
    }
    return QString();
}

struct Ersetzung {
    const char *schlicht;
    const char *lang;
};

bool EndungErsetzen(QString &w, std::initializer_list<Ersetzung> liste)
{
    for (const Ersetzung &e : liste) {
        const QString s = QString::fromUtf8(e.schlicht);
        if (w.endsWith(s) && w.size() > s.size()) {
            w = w.left(w.size() - s.size()) + QString::fromUtf8(e.lang);
            return true;
        }
    }
    return false;
}

// The case ending of a declined form with its length.
QString Kasusendung(const TVokabel &v, int32_t formId, QString w)
{
    const bool pronominal = v.Wortart() == WA_PRONOMEN || v.Wortart() == WA_ADJEKTIV;
    // The comparative keeps -ōr- before a vowel: maiōris, meliōrem, minōra.
    if (fid::Grad(formId) == fid::KOMPARATIV || w.contains(QLatin1String("ior"))) {
        for (qsizetype i = w.indexOf(QLatin1String("or")); i >= 0; i = w.indexOf(QLatin1String("or"), i + 1))
            if (i + 2 < w.size() && IstLateinVokal(w[i + 2]) && i > 0)
                w[i] = LangVokal(w[i]);
    }
    // The future active participle: -ūrus.
    if (fid::Nominalform(formId) == fid::PARTIZIP && fid::Tempus(formId) == fid::FUTUR1) {
        const qsizetype i = w.lastIndexOf(QLatin1String("ur"));
        if (i > 0)
            w[i] = LangVokal(w[i]);
    }
    switch (fid::KasusNr(formId)) {
    case 2:
        if (pronominal && EndungErsetzen(w, {{"ius", "īus"}}))
            break;
        EndungErsetzen(w, {{"ae", "ae"}, {"ei", "eī"}, {"is", "is"}, {"us", "ūs"}, {"i", "ī"}});
        break;
    case 3:
        EndungErsetzen(w, {{"ae", "ae"}, {"ei", "eī"}, {"i", "ī"}, {"o", "ō"}});
        break;
    case 5:
        if (v.KonjDekl() == KD_E && EndungErsetzen(w, {{"e", "ē"}}))
            break;
        EndungErsetzen(w, {{"a", "ā"}, {"o", "ō"}, {"u", "ū"}, {"i", "ī"}});
        break;
    case 6:
        EndungErsetzen(w, {{"ae", "ae"}, {"es", "ēs"}, {"i", "ī"}});
        break;
    case 7:
        EndungErsetzen(w, {{"orum", "ōrum"}, {"arum", "ārum"}, {"erum", "ērum"}});
        break;
    case 8:
    case 10:
        EndungErsetzen(w, {{"abus", "ābus"}, {"ebus", "ēbus"}, {"ibus", "ibus"}, {"ubus", "ubus"}, {"is", "īs"}});
        break;
    case 9:
        EndungErsetzen(w, {{"os", "ōs"}, {"as", "ās"}, {"es", "ēs"}, {"us", "ūs"}});
        break;
    default:
        break;
    }
    return w;
}

QString WortMitLaengen(const TVokabel &v, const QString &lemma, int32_t formId, const QString &wort)
{
    if (v.Wortart() == WA_VERB) {
        if (const Tabelle *g = VerbGruppe(lemma)) {
            const QString m = AusGruppe(*g, lemma, wort);
            if (!m.isEmpty())
                return m;
        }
        const auto e = Einzelne().constFind(wort);
        if (e != Einzelne().constEnd())
            return *e;
        if (wort == QLatin1String("esse"))
            return wort;
        const int32_t aktivPerfekt = fid::AKTIV | fid::INDIKATIV | fid::PERFEKT;
        if ((formId & ~fid::PERSON_MASKE) == aktivPerfekt) {
            QString w = wort;
            EndungErsetzen(w, {{"isti", "istī"}, {"erunt", "ērunt"}, {"i", "ī"}});
            return w;
        }
    } else {
        const Tabelle &abl = PronomenAblativ();
        const int32_t kasus = fid::KasusNr(formId);
        if ((kasus == 5 || kasus == 10) && abl.contains(wort))
            return abl.value(wort);
        if (v.Wortart() == WA_PRONOMEN || v.Wortart() == WA_ADJEKTIV) {
            const auto p = Pronomen().constFind(wort);
            if (p != Pronomen().constEnd())
                return *p;
        }
    }
    if (fid::KasusNr(formId) != 0)
        return Kasusendung(v, formId, wort);
    return wort;
}

} // namespace

QString SonderformMitLaengen(const TVokabel &v, int32_t formId, const QString &text)
{
    const QString lemma = LaengenEntfernen(v.vokabel);
    QStringList woerter = text.split(QLatin1Char(' '));
    for (QString &w : woerter)
        w = WortMitLaengen(v, lemma, formId, w);
    return woerter.join(QLatin1Char(' '));
}

} // namespace lexovita
