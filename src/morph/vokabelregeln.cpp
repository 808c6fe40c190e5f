#include "morph/vokabelregeln.h"
#include "morph/laengen.h"

#include "morph/formenbaum.h"
#include "morph/formenmanager.h"
#include "morph/formid.h"

namespace lexovita {

void StammformenVorschlagen(TVokabel &v)
{
    // The rules read endings; a headword typed with lengths reads as without,
    // and then its proposals carry the lengths of the regular endings too
    // (saltāre: saltō, saltāvī, saltātum), as the pupil's textbook prints them.
    const QString roh = LaengenBereinigen(v.vokabel).trimmed();
    const bool markiert = HatLaengen(roh);
    const QString h = LaengenEntfernen(roh);
    // The headword as typed without its last n letters.
    auto stamm = [&](qsizetype n) { return (markiert ? roh : h).chopped(n); };
    auto endung = [markiert](const char *schlicht, const char *lang) {
        return QString::fromUtf8(markiert ? lang : schlicht);
    };
    if (h.endsWith(QLatin1String("re"))) {
        v.SetDeponens(false);
        v.SetSemideponens(false);
    } else if (h.endsWith(QLatin1Char('i'))) {
        v.SetDeponens(true);
        v.SetSemideponens(false);
    }
    if (h.endsWith(QLatin1String("are"))) {
        const QString s = stamm(3);
        v.form1 = s + endung("o", "ō");
        v.form2 = s + endung("avi", "āvī");
        v.form3 = s + endung("atum", "ātum");
        v.SetKonjDekl(KD_A);
    } else if (h.endsWith(QLatin1String("ire"))) {
        // The i stays, short before the o: audiō.
        v.form1 = stamm(3) + endung("io", "iō");
    } else if (h.endsWith(QLatin1String("ari"))) {
        const QString s = stamm(3);
        v.form1 = s + QStringLiteral("or");
        v.form2 = s + endung("atum sum", "ātum sum");
        v.form3.clear();
        v.SetKonjDekl(KD_A);
    } else if (h.endsWith(QLatin1String("iri"))) {
        v.form1 = stamm(3) + QStringLiteral("ior");
    }
}

bool WortartVorschlagen(TVokabel &v)
{
    const QString h = LaengenEntfernen(v.vokabel).trimmed().toLower();
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
    const QString m = LaengenEntfernen(mRoh).trimmed(), f = LaengenEntfernen(fRoh).trimmed(),
                  n = LaengenEntfernen(nRoh).trimmed();
    if (m.isEmpty() && f.isEmpty() && n.isEmpty())
        return KD_KEINE;
    // felix, felicis: one ending, the genitive in the first field.
    if (m.endsWith(QLatin1String("is")) && f.isEmpty() && n.isEmpty())
        return KD_I;
    if (m.isEmpty() || f.isEmpty() || n.isEmpty())
        return KD_KEINE;
    // acer, acris, acre: the masculine differs from the headword only in the i-declension.
    if (m != LaengenEntfernen(vokabel).trimmed())
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

namespace lexovita {

namespace {

bool IstVokal(QChar c)
{
    return QStringLiteral("aeiouyāēīōūȳ").contains(c.toLower());
}

// Syllables as vowel groups; ae, au, oe count once, "u" after "q" not at all.
int Silben(const QString &wort)
{
    const QString w = wort.toLower();
    int n = 0;
    for (qsizetype i = 0; i < w.size(); ++i) {
        if (!IstVokal(w[i]) || (w[i] == QLatin1Char('u') && i > 0 && w[i - 1] == QLatin1Char('q')))
            continue;
        ++n;
        if (i + 1 < w.size()) {
            const QString paar = w.mid(i, 2);
            if (paar == QLatin1String("ae") || paar == QLatin1String("au") || paar == QLatin1String("oe"))
                ++i;
        }
    }
    return n;
}

bool Endet(const QString &w, const char *endung)
{
    return w.endsWith(QLatin1String(endung), Qt::CaseInsensitive);
}

QString Name(const TVokabel &v)
{
    return QStringLiteral("„") + v.vokabel + QStringLiteral("“");
}

} // namespace

QString GenusAusKuerzel(const QString &text)
{
    QString k = text.toLower();
    k.remove(QLatin1Char(' '));
    k.remove(QLatin1Char('.'));
    if (k == QLatin1String("m"))
        return QStringLiteral("m");
    if (k == QLatin1String("f"))
        return QStringLiteral("f");
    if (k == QLatin1String("n"))
        return QStringLiteral("n");
    if (k == QLatin1String("m/f") || k == QLatin1String("mf") || k == QLatin1String("m+f") || k == QLatin1String("c"))
        return QStringLiteral("p");
    return QString();
}

int32_t NomenDeklinationErmitteln(const QString &vokabelRoh, const QString &genitivRoh, const QString &genus)
{
    const QString h = LaengenEntfernen(vokabelRoh).trimmed().toLower(),
                  g = LaengenEntfernen(genitivRoh).trimmed().toLower();
    if (g.isEmpty())
        return KD_KEINE;
    if (Endet(g, "arum") || Endet(g, "ae"))
        return KD_A;
    if (Endet(g, "orum"))
        return KD_O;
    if (Endet(g, "erum") || (Endet(g, "ei") && Endet(h, "es")))
        return KD_E;
    if (Endet(g, "uum") || (Endet(g, "us") && (Endet(h, "us") || Endet(h, "u"))))
        return KD_U;
    if (Endet(g, "i"))
        return KD_O;
    if (!Endet(g, "is"))
        return KD_KEINE;
    if (genus == QLatin1String("n") && (Endet(h, "e") || Endet(h, "al") || Endet(h, "ar")))
        return KD_I;
    if ((Endet(h, "is") || Endet(h, "es")) && Silben(h) == Silben(g))
        return KD_G;
    const QString stamm = g.left(g.size() - 2);
    if (stamm.size() >= 2 && !IstVokal(stamm[stamm.size() - 1]) && !IstVokal(stamm[stamm.size() - 2]) &&
        Silben(h) < Silben(g))
        return KD_G;
    return KD_K;
}

int32_t KonjugationErmitteln(const QString &vokabelRoh, const QString &form1Roh)
{
    const QString h = LaengenEntfernen(vokabelRoh).trimmed().toLower(),
                  p = LaengenEntfernen(form1Roh).trimmed().toLower();
    if (Endet(h, "are") || Endet(h, "ari"))
        return KD_A;
    if (Endet(h, "ere"))
        return Endet(p, "eo") ? KD_E : Endet(p, "io") ? KD_G : Endet(p, "o") ? KD_K : KD_KEINE;
    if (Endet(h, "ire"))
        return Endet(p, "io") ? KD_I : KD_KEINE;
    if (Endet(h, "eri"))
        return Endet(p, "eor") ? KD_E : KD_KEINE;
    if (Endet(h, "iri"))
        return Endet(p, "ior") ? KD_I : KD_KEINE;
    if (Endet(h, "i"))
        return Endet(p, "ior") ? KD_G : Endet(p, "or") ? KD_K : KD_KEINE;
    return KD_KEINE;
}

QString KlasseErmitteln(TVokabel &v, const QString &stammformen, int32_t wortart)
{
    QStringList teile;
    for (const QString &t : stammformen.split(QLatin1Char(','))) {
        const QString s = t.trimmed();
        // A dash stands for a part that does not exist (timeo, timui, -).
        teile << ((s == QLatin1String("-") || s == QStringLiteral("–") || s == QStringLiteral("—")) ? QString() : s);
    }
    while (!teile.isEmpty() && teile.back().isEmpty())
        teile.removeLast();
    const QString h = v.vokabel.trimmed();
    QString genus;
    if (!teile.isEmpty()) {
        genus = GenusAusKuerzel(teile.back());
        if (!genus.isEmpty())
            teile.removeLast();
    }
    const auto teil = [&](int i) { return i < teile.size() ? teile[i] : QString(); };

    if (wortart == 0) {
        if (!genus.isEmpty())
            wortart = WA_SUBSTANTIV;
        else if (teile.isEmpty())
            wortart = WA_UNBESTIMMT;
        else if (Endet(teil(0), "o") || Endet(teil(0), "or") || Endet(teil(0), "sum"))
            wortart = WA_VERB;
        else if ((teile.size() == 2 && Endet(teil(0), "a") && Endet(teil(1), "um")) ||
                 (teile.size() == 2 && Endet(teil(0), "is") && Endet(teil(1), "e")) ||
                 (teile.size() == 1 && Endet(teil(0), "e") && Endet(h, "is")) || (teile.size() == 3 && teil(0) == h))
            wortart = WA_ADJEKTIV;
        else if (teile.size() == 2 && Endet(teil(0), "ius") && Endet(teil(1), "me"))
            wortart = WA_ADVERB;
        else if (teile.size() == 1 && Endet(teil(0), "is"))
            return Name(v) + QStringLiteral(": Substantiv ohne Genus oder Adjektiv mit einer Endung? "
                                            "Bitte das Genus (m., f., n.) oder die Wortart angeben.");
        else if (teile.size() == 1 && NomenDeklinationErmitteln(h, teil(0), QString()) != KD_KEINE)
            return Name(v) + QStringLiteral(": Das Genus fehlt (m., f. oder n. nach dem Genitiv).");
        else
            return Name(v) + QStringLiteral(": Die Wortart lässt sich aus „%1“ nicht bestimmen; "
                                            "bitte die Spalte „Wortart“ ausfüllen.")
                                 .arg(stammformen.trimmed());
    }

    TVokabel neu;
    neu.vokabel = h;
    neu.SetWortart(wortart);
    switch (neu.Wortart()) {
    case WA_VERB: {
        if (teile.size() > 3)
            return Name(v) + QStringLiteral(": Ein Verb hat höchstens drei weitere Stammformen.");
        // The editor's proposal from the headword; the row's own parts win.
        StammformenVorschlagen(neu);
        if (!teile.isEmpty()) {
            neu.form1 = teil(0);
            neu.form2 = teil(1);
            neu.form3 = teil(2);
        }
        if (!neu.Deponens() && neu.form2.endsWith(QLatin1String(" sum")))
            FlagSetzen(neu, ATTR_SEMIDEPONENS, true);
        if (neu.KonjDekl() == KD_KEINE)
            neu.SetKonjDekl(KonjugationErmitteln(h, neu.form1));
        if (neu.KonjDekl() == KD_KEINE)
            return Name(v) + QStringLiteral(": Die Konjugation lässt sich nicht bestimmen (unregelmäßiges Verb?).");
        break;
    }
    case WA_SUBSTANTIV: {
        if (teile.size() > 1)
            return Name(v) + QStringLiteral(": Ein Substantiv braucht nur den Genitiv und das Genus.");
        if (genus.isEmpty())
            return Name(v) + QStringLiteral(": Das Genus fehlt (m., f. oder n. nach dem Genitiv).");
        GenitivSetzen(neu, teil(0));
        neu.form2 = genus;
        neu.SetKonjDekl(NomenDeklinationErmitteln(h, neu.form1, genus));
        if (neu.KonjDekl() == KD_KEINE)
            return Name(v) +
                   QStringLiteral(": Die Deklination lässt sich aus dem Genitiv „%1“ nicht bestimmen.").arg(neu.form1);
        break;
    }
    case WA_ADJEKTIV: {
        if (teile.size() == 3) {
            neu.form1 = teil(0);
            neu.form2 = teil(1);
            neu.form3 = teil(2);
        } else if (teile.size() == 2) {
            neu.form1 = h;
            neu.form2 = teil(0);
            neu.form3 = teil(1);
        } else if (teile.size() == 1 && Endet(teil(0), "is")) {
            neu.form1 = teil(0); // one ending: the genitive (felix, felicis)
        } else if (teile.size() == 1 && Endet(teil(0), "e")) {
            neu.form1 = h; // two endings: omnis, omne
            neu.form2 = h;
            neu.form3 = teil(0);
        } else {
            return Name(v) + QStringLiteral(": Die Formen des Adjektivs lassen sich nicht zuordnen.");
        }
        neu.SetKonjDekl(DeklinationErmitteln(h, neu.form1, neu.form2, neu.form3));
        if (neu.KonjDekl() == KD_KEINE)
            return Name(v) + QStringLiteral(": Die Deklination des Adjektivs lässt sich nicht bestimmen.");
        break;
    }
    case WA_ADVERB:
        if (teile.size() > 2)
            return Name(v) + QStringLiteral(": Ein Adverb hat nur Komparativ und Superlativ.");
        neu.form1 = teil(0);
        neu.form2 = teil(1);
        break;
    case WA_PRONOMEN:
        neu.form2 = genus;
        break;
    default:
        neu.form1 = teil(0);
        neu.form2 = teil(1);
        neu.form3 = teil(2);
        break;
    }
    v.vokabel = h;
    v.attribute = (v.attribute & ATTR_RESERVIERT) | neu.attribute;
    v.form1 = neu.form1;
    v.form2 = neu.form2;
    v.form3 = neu.form3;
    return QString();
}

} // namespace lexovita
