#include "morph/staemme.h"

namespace lexovita {

namespace {

// Removes the last n characters; a shorter text becomes empty.
QString Kuerzen(const QString &s, qsizetype n) { return s.size() > n ? s.left(s.size() - n) : QString(); }

bool Endet(const QString &s, const char *endung) { return s.endsWith(QLatin1String(endung)); }

} // namespace

int32_t AdjektivKlasse(const TVokabel &v)
{
    return v.KonjDekl() == KD_A ? int32_t(KD_O) : v.KonjDekl();
}

QString Praesensstamm(const TVokabel &v)
{
    if (v.Wortart() != WA_VERB || v.form1.isEmpty())
        return QString();
    const int32_t kd = v.KonjDekl();
    if (kd != KD_A && kd != KD_E && kd != KD_I && kd != KD_K && kd != KD_G)
        return QString();
    // Deponents are entered with -or, the others with -o.
    QString stamm = Kuerzen(v.form1, v.Deponens() ? 2 : 1);
    if (kd == KD_A)
        stamm += QLatin1Char('a');
    return stamm;
}

QString Perfektstamm(const TVokabel &v)
{
    if (v.Wortart() != WA_VERB || v.Deponens())
        return QString();
    return Kuerzen(v.form2, 1);
}

QString Partizipstamm(const TVokabel &v)
{
    if (v.Wortart() != WA_VERB)
        return QString();
    QString s = (v.Deponens() || v.Semideponens()) ? v.form2 : v.form3;
    if (Endet(s, " sum"))
        s = Kuerzen(s, 4);
    if (Endet(s, "um"))
        return Kuerzen(s, 2) + QLatin1Char('u');
    if (Endet(s, "a"))
        return Kuerzen(s, 1) + QLatin1Char('u');
    if (Endet(s, "us"))
        return Kuerzen(s, 2) + QLatin1Char('u');
    return s;
}

QString Nominalstamm(const TVokabel &v)
{
    if (v.Wortart() == WA_ADJEKTIV) {
        const int32_t kd = AdjektivKlasse(v);
        if (kd == KD_O) {
            if (Endet(v.form2, "a"))
                return Kuerzen(v.form2, 1);
            if (Endet(v.form2, "is"))
                return Kuerzen(v.form2, 2);
            return QString();
        }
        if (kd == KD_I) {
            if (!v.form1.isEmpty() && !v.form2.isEmpty() && !v.form3.isEmpty())
                return Kuerzen(v.form3, 1);
            if (!v.form1.isEmpty() && v.form2.isEmpty() && v.form3.isEmpty())
                return Kuerzen(v.form1, 2);
        }
        return QString();
    }
    if (v.Wortart() != WA_SUBSTANTIV || v.form1.isEmpty())
        return QString();
    const int32_t kd = v.KonjDekl();
    if (!v.PluralisTantum()) {
        // Cut the genitive singular ending: -ae, -ei, -is, -us; -i of the o-class.
        if (kd == KD_O)
            return Kuerzen(v.form1, 1);
        if (kd != KD_KEINE)
            return Kuerzen(v.form1, 2);
        return QString();
    }
    // Cut the genitive plural ending: -arum/-erum/-orum, -ium/-uum, -um.
    switch (kd) {
    case KD_A: case KD_E: case KD_O: return Kuerzen(v.form1, 4);
    case KD_I: case KD_U: case KD_G: return Kuerzen(v.form1, 3);
    case KD_K: return Kuerzen(v.form1, 2);
    default: return QString();
    }
}

} // namespace lexovita
