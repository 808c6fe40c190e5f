#include "morph/vokabelregeln.h"

#include "morph/formenbaum.h"
#include "morph/formenmanager.h"
#include "morph/formid.h"

namespace lexovita {

void StammformenVorschlagen(TVokabel &v)
{
    const QString h = v.vokabel.trimmed();
    if (h.endsWith(QLatin1String("re"))) {
        v.SetDeponens(false);
        v.SetSemideponens(false);
    } else if (h.endsWith(QLatin1Char('i'))) {
        v.SetDeponens(true);
        v.SetSemideponens(false);
    }
    if (h.endsWith(QLatin1String("are"))) {
        const QString s = h.left(h.size() - 3);
        v.form1 = s + QStringLiteral("o");
        v.form2 = s + QStringLiteral("avi");
        v.form3 = s + QStringLiteral("atum");
        v.SetKonjDekl(KD_A);
    } else if (h.endsWith(QLatin1String("ire"))) {
        v.form1 = h.left(h.size() - 2) + QStringLiteral("o");
    } else if (h.endsWith(QLatin1String("ari"))) {
        const QString s = h.left(h.size() - 3);
        v.form1 = s + QStringLiteral("or");
        v.form2 = s + QStringLiteral("atum sum");
        v.form3.clear();
        v.SetKonjDekl(KD_A);
    } else if (h.endsWith(QLatin1String("iri"))) {
        v.form1 = h.left(h.size() - 2) + QStringLiteral("or");
    }
}

bool WortartVorschlagen(TVokabel &v)
{
    const QString h = v.vokabel.trimmed().toLower();
    if (v.Wortart() != WA_UNBESTIMMT || h.size() < 4)
        return false;
    for (const char *endung : {"are", "ere", "ire", "ari", "eri", "iri"}) {
        if (h.endsWith(QLatin1String(endung))) {
            v.SetWortart(WA_VERB);
            StammformenVorschlagen(v);
            return true;
        }
    }
    return false;
}

bool PluralisTantumErkannt(const QString &genitiv)
{
    return genitiv.trimmed().endsWith(QLatin1String("um"));
}

void GenitivSetzen(TVokabel &v, const QString &genitiv)
{
    v.form1 = genitiv.trimmed();
    if (PluralisTantumErkannt(v.form1))
        FlagSetzen(v, ATTR_PLURALIS_TANTUM, true);
}

int32_t DeklinationErmitteln(const QString &vokabel, const QString &mRoh, const QString &fRoh, const QString &nRoh)
{
    const QString m = mRoh.trimmed(), f = fRoh.trimmed(), n = nRoh.trimmed();
    if (m.isEmpty() && f.isEmpty() && n.isEmpty())
        return KD_KEINE;
    // felix, felicis: one ending, the genitive in the first field.
    if (m.endsWith(QLatin1String("is")) && f.isEmpty() && n.isEmpty())
        return KD_I;
    if (m.isEmpty() || f.isEmpty() || n.isEmpty())
        return KD_KEINE;
    // acer, acris, acre: the masculine differs from the headword only in the i-declension.
    if (m != vokabel.trimmed())
        return KD_I;
    return f.endsWith(QLatin1Char('a')) && n.endsWith(QLatin1String("um")) ? KD_O : KD_I;
}

void FlagSetzen(TVokabel &v, int32_t bit, bool an)
{
    switch (bit) {
    case ATTR_DEPONENS:
        v.SetDeponens(an);
        if (an)
            v.SetSemideponens(false);
        break;
    case ATTR_SEMIDEPONENS:
        v.SetSemideponens(an);
        if (an)
            v.SetDeponens(false);
        break;
    case ATTR_PLURALIS_TANTUM:
        v.SetPluralisTantum(an);
        if (an)
            v.SetSingularisTantum(false);
        break;
    case ATTR_SINGULARIS_TANTUM:
        v.SetSingularisTantum(an);
        if (an)
            v.SetPluralisTantum(false);
        break;
    case ATTR_KEIN_PASSIV:
        v.SetKeinPassiv(an);
        break;
    default:
        break;
    }
}

bool PartizipFeldAktiv(const TVokabel &v)
{
    return !v.Deponens() && !v.Semideponens();
}

std::vector<TLatForm> SonderformZeilen(TFormenmanager &manager, const TVokabel &v, int32_t selektor, int hoechstens)
{
    std::vector<TLatForm> zeilen;
    if (selektor == 0 && v.Wortart() != WA_SUBSTANTIV && v.Wortart() != WA_PRONOMEN)
        return zeilen;
    // The grid shows what the generator makes, so the user sees what a special form replaces.
    const bool vorher = manager.SonderformenEinsetzen();
    manager.SetSonderformenEinsetzen(false);
    manager.Zuruecksetzen();
    manager.FormenErzeugen(v, selektor);
    manager.SetSonderformenEinsetzen(vorher);
    for (const TLatForm &f : manager.Ergebnisliste()) {
        if ((f.formId & fid::VERKUERZT) || f.variante == 2)
            continue;
        if (static_cast<int>(zeilen.size()) >= hoechstens)
            break;
        zeilen.push_back(f);
    }
    manager.Zuruecksetzen();
    return zeilen;
}

QString SonderformZeilenText(const TVokabel &v, int32_t formId)
{
    if (v.Wortart() == WA_ADJEKTIV && (formId & fid::ADVERB)) {
        switch (fid::Grad(formId)) {
        case fid::KOMPARATIV:
            return QStringLiteral("Komparativ");
        case fid::SUPERLATIV:
            return QStringLiteral("Superlativ");
        default:
            return QStringLiteral("Positiv");
        }
    }
    if (v.Wortart() == WA_VERB) {
        const int32_t nominal = fid::Nominalform(formId);
        if (nominal == fid::SUPINUM)
            return fid::Person(formId) == fid::SUPINUM_II_NR ? QStringLiteral("Supin II") : QStringLiteral("Supin I");
        if (nominal == fid::INFINITIV) {
            QString t;
            switch (fid::Tempus(formId)) {
            case fid::PERFEKT:
                t = QStringLiteral("Perfekt");
                break;
            case fid::FUTUR1:
                t = QStringLiteral("Futur");
                break;
            default:
                t = QStringLiteral("Präsens");
            }
            if (v.Deponens())
                return t;
            return t + (fid::GenusVerbi(formId) == fid::PASSIV ? QStringLiteral(" Passiv") : QStringLiteral(" Aktiv"));
        }
        if (nominal == 0)
            return PersonWort(fid::Person(formId));
    }
    return KasusWort(fid::KasusNr(formId));
}

QStringList Schluesselformen(TFormenmanager &manager, const TVokabel &v)
{
    struct Form {
        int32_t id;
        const char *name;
    };
    std::vector<Form> formen;
    switch (v.Wortart()) {
    case WA_VERB: {
        const int32_t genus = v.Deponens() ? fid::PASSIV : fid::AKTIV;
        const int32_t perfekt = (v.Deponens() || v.Semideponens()) ? fid::PASSIV : fid::AKTIV;
        formen = {{fid::PRAESENS | fid::INDIKATIV | genus | fid::P2_SG, "2. Sg. Präsens"},
                  {fid::FUTUR1 | fid::INDIKATIV | genus | fid::P1_SG, "1. Sg. Futur"},
                  {fid::PERFEKT | fid::INDIKATIV | perfekt | fid::P3_SG, "3. Sg. Perfekt"}};
        break;
    }
    case WA_SUBSTANTIV:
        formen = {{fid::GEN_SG, "Gen. Sg."}, {fid::AKK_SG, "Akk. Sg."}, {fid::GEN_PL, "Gen. Pl."}};
        break;
    case WA_ADJEKTIV:
        formen = {{fid::POSITIV | fid::FEMININUM | fid::NOM_SG, "Nom. Sg. f."},
                  {fid::POSITIV | fid::MASKULINUM | fid::GEN_SG, "Gen. Sg. m."},
                  {fid::KOMPARATIV | fid::MASKULINUM | fid::NOM_SG, "Komparativ"}};
        break;
    default:
        break;
    }
    QStringList aus;
    for (const Form &f : formen) {
        const QString text = ErsteFormText(manager, v, f.id);
        if (!text.isEmpty())
            aus << QString::fromUtf8(f.name) + QStringLiteral(": ") + text;
    }
    manager.Zuruecksetzen();
    return aus;
}

} // namespace lexovita
