#include "store/staemme.h"

namespace lexovita {

namespace {

// "Cut X from F": F without the ending X, or empty if F does not end in X.
QString Abschneiden(const QString &f, const QString &x)
{
    return f.endsWith(x) ? f.left(f.size() - x.size()) : QString();
}

QString Abschneiden(const QString &f, const char *x) { return Abschneiden(f, QString::fromLatin1(x)); }

} // namespace

QString AsciiKlein(const QString &text)
{
    QString r = text;
    for (QChar &c : r)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    return r;
}

QStringList StaemmeAbleiten(const TVokabel &v)
{
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
            case KD_A: s1 = Abschneiden(f, "arum"); break;
            case KD_E: s1 = Abschneiden(f, "erum"); break;
            case KD_I:
            case KD_G: s1 = Abschneiden(f, "ium"); break;
            case KD_O: s1 = Abschneiden(f, "orum"); break;
            case KD_U: s1 = Abschneiden(f, "uum"); break;
            case KD_K: s1 = Abschneiden(f, "um"); break;
            default: s1.clear(); break;
            }
        } else {
            switch (klasse) {
            case KD_A: s1 = Abschneiden(f, "ae"); break;
            case KD_E: s1 = Abschneiden(f, "ei"); break;
            case KD_O: s1 = Abschneiden(f, "i"); break;
            case KD_K:
            case KD_I:
            case KD_G: s1 = Abschneiden(f, "is"); break;
            case KD_U: s1 = Abschneiden(f, "us"); break;
            default: s1.clear(); break;
            }
        }
        s2.clear();
        s3.clear();
        break;
    }
    case WA_ADJEKTIV:
        // Adjectives of the o/a type are stored as 32; 8 means the same class.
        if (klasse == KD_O || klasse == KD_A) {
            s1 = Abschneiden(v.form2, "a");
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
