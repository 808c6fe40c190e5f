#include "morph/staemme.h"

#include "morph/laengen.h"

#include <algorithm>

namespace lexovita {

namespace {

// Removes the last n characters; a shorter text becomes empty.
QString Kuerzen(const QString &s, qsizetype n)
{
    return s.size() > n ? s.left(s.size() - n) : QString();
}

bool Endet(const QString &s, const char *endung)
{
    return s.endsWith(QLatin1String(endung));
}

// "Cut X from F": F without the ending X, or empty if F does not end in X.
QString Abschneiden(const QString &f, const QString &x)
{
    return f.endsWith(x) ? f.left(f.size() - x.size()) : QString();
}

QString Abschneiden(const QString &f, const char *x)
{
    return Abschneiden(f, QString::fromLatin1(x));
}

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

QString LangerPraesensstamm(const TVokabel &v, const QString &p)
{
    if (p.isEmpty())
        return p;
    QString s = p;
    const QChar letzter = s.back();
    switch (v.KonjDekl()) {
    case KD_A:
        s.back() = LangVokal(QLatin1Char('a'));
        break;
    case KD_E:
        if (KurzVokal(letzter) == QLatin1Char('e'))
            s.back() = LangVokal(QLatin1Char('e'));
        break;
    case KD_I:
        if (KurzVokal(letzter) == QLatin1Char('i'))
            s.back() = LangVokal(QLatin1Char('i'));
        break;
    default:
        break;
    }
    return s;
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
            // pauci, paucae, pauca: the feminine given is a plural.
            if (v.PluralisTantum() && Endet(v.form2, "ae"))
                return Kuerzen(v.form2, 2);
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
    case KD_A:
    case KD_E:
    case KD_O:
        return Kuerzen(v.form1, 4);
    case KD_I:
    case KD_U:
    case KD_G:
        return Kuerzen(v.form1, 3);
    case KD_K:
        return Kuerzen(v.form1, 2);
    default:
        return QString();
    }
}

QString AsciiKlein(const QString &text)
{
    // Most texts are lower-case already: those keep sharing their data.
    const auto gross = [](QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); };
    const qsizetype ab = std::find_if(text.cbegin(), text.cend(), gross) - text.cbegin();
    if (ab == text.size())
        return text;
    QString r = text;
    QChar *w = r.data();
    for (qsizetype i = ab, n = r.size(); i < n; ++i)
        if (gross(w[i]))
            w[i] = QChar(w[i].unicode() + ('a' - 'A'));
    return r;
}

QStringList StaemmeAbleiten(const TVokabel &markiert)
{
    // Stems are looked up with plain words: they carry no vowel lengths.
    TVokabel v;
    v.attribute = markiert.attribute;
    v.vokabel = LaengenEntfernen(markiert.vokabel);
    v.form1 = LaengenEntfernen(markiert.form1);
    v.form2 = LaengenEntfernen(markiert.form2);
    v.form3 = LaengenEntfernen(markiert.form3);
    QString s1 = v.form1, s2 = v.form2, s3 = v.form3;
    const int32_t klasse = v.KonjDekl();

    switch (v.Wortart()) {
    case WA_VERB: {
        const bool aeik = klasse == KD_A || klasse == KD_E || klasse == KD_I || klasse == KD_K;
        if (v.Deponens())
            s1 = aeik ? Abschneiden(v.form1, "or") : klasse == KD_G ? Abschneiden(v.form1, "ior") : QString();
        else
            s1 = aeik ? Abschneiden(v.form1, "o") : klasse == KD_G ? Abschneiden(v.form1, "io") : QString();
        if (v.Deponens() || v.Semideponens()) {
            s2 = (v.form2.endsWith(QLatin1String("um sum")) || v.form2.endsWith(QLatin1String("us sum")))
                     ? v.form2.left(v.form2.size() - 6)
                     : QString();
            s3.clear();
        } else {
            s2 = Abschneiden(v.form2, "i");
            s3 = (v.form3.endsWith(QLatin1String("um")) || v.form3.endsWith(QLatin1String("us")))
                     ? v.form3.left(v.form3.size() - 2)
                     : QString();
        }
        break;
    }
    case WA_SUBSTANTIV: {
        const QString &f = v.form1;
        if (f.endsWith(QLatin1String("um"))) { // genitive plural, e.g. plural-only nouns
            switch (klasse) {
            case KD_A:
                s1 = Abschneiden(f, "arum");
                break;
            case KD_E:
                s1 = Abschneiden(f, "erum");
                break;
            case KD_I:
            case KD_G:
                s1 = Abschneiden(f, "ium");
                break;
            case KD_O:
                s1 = Abschneiden(f, "orum");
                break;
            case KD_U:
                s1 = Abschneiden(f, "uum");
                break;
            case KD_K:
                s1 = Abschneiden(f, "um");
                break;
            default:
                s1.clear();
                break;
            }
        } else {
            switch (klasse) {
            case KD_A:
                s1 = Abschneiden(f, "ae");
                break;
            case KD_E:
                s1 = Abschneiden(f, "ei");
                break;
            case KD_O:
                s1 = Abschneiden(f, "i");
                break;
            case KD_K:
            case KD_I:
            case KD_G:
                s1 = Abschneiden(f, "is");
                break;
            case KD_U:
                s1 = Abschneiden(f, "us");
                break;
            default:
                s1.clear();
                break;
            }
        }
        s2.clear();
        s3.clear();
        break;
    }
    case WA_ADJEKTIV:
        // Adjectives of the o/a type are stored as 32; 8 means the same class.
        if (klasse == KD_O || klasse == KD_A) {
            s1 = v.PluralisTantum() ? Abschneiden(v.form2, "ae") : Abschneiden(v.form2, "a");
            s2.clear();
            s3.clear();
        } else if (klasse == KD_I) {
            if (!v.form1.isEmpty() && v.form2.isEmpty() && v.form3.isEmpty())
                s1 = Abschneiden(v.form1, "is");
            else if (!v.form1.isEmpty() && !v.form2.isEmpty() && !v.form3.isEmpty())
                s1 = Abschneiden(v.form3, "e");
            else
                s1.clear();
            s2.clear();
            s3.clear();
        }
        break;
    case WA_ADVERB:
        s3.clear(); // comparative and superlative are the stems themselves
        break;
    default: // pronouns and undetermined entries have no stems
        return {};
    }

    // Repeats are removed before lower-casing.
    if (!s1.isEmpty()) {
        if (s2 == s1)
            s2.clear();
        if (s3 == s1)
            s3.clear();
    }
    if (!s2.isEmpty() && s3 == s2)
        s3.clear();

    QStringList ergebnis;
    for (const QString &s : {s1, s2, s3}) {
        if (s.isEmpty())
            continue;
        const QString klein = AsciiKlein(s);
        // Stems that differ only in letter case would give twin rows.
        if (!ergebnis.contains(klein))
            ergebnis.append(klein);
    }
    return ergebnis;
}

} // namespace lexovita
