#include "antwort.h"

#include <algorithm>

namespace lexovita {

namespace {

bool Ignoriert(QChar c)
{
    switch (c.unicode()) {
    case '!':
    case '?':
    case '.':
    case ',':
    case ':':
    case ';':
    case '(':
    case ')':
    case '"':
    case '\'':
    case ' ':
        return true;
    default:
        return false;
    }
}

} // namespace

QString AntwortNormalisieren(const QString &text, bool grossKlein)
{
    QString aus;
    aus.reserve(text.size());
    for (const QChar c : text) {
        if (Ignoriert(c))
            continue;
        if (!grossKlein && c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            aus.append(QChar(c.unicode() - 'A' + 'a'));
        else
            aus.append(c);
    }
    return aus;
}

bool AntwortVergleichen(const QString &a, const QString &b, bool grossKlein)
{
    return AntwortNormalisieren(a, grossKlein) == AntwortNormalisieren(b, grossKlein);
}

QString LateinFalten(const QString &text, bool grossKlein, bool laengen)
{
    // Decomposing splits ā into a + combining macron; the marks are dropped.
    // Only marks on the letters a-z go, so no other script is changed.
    const QString zerlegt = text.normalized(QString::NormalizationForm_D);
    QString aus;
    aus.reserve(zerlegt.size());
    for (const QChar c : zerlegt) {
        if (laengen && c.unicode() == 0x0304) {
            aus.append(c);
            continue;
        }
        if (c.category() == QChar::Mark_NonSpacing && !aus.isEmpty() && aus.back().unicode() < 128 &&
            aus.back().isLetter())
            continue;
        char16_t u = c.unicode();
        if (!grossKlein && u >= 'A' && u <= 'Z')
            u = static_cast<char16_t>(u - 'A' + 'a');
        if (u == 'j')
            u = 'i';
        else if (u == 'J')
            u = 'I';
        aus.append(QChar(u));
    }
    return aus.normalized(QString::NormalizationForm_C);
}

QString LateinNormalisieren(const QString &text, bool grossKlein, bool laengen)
{
    return LateinFalten(AntwortNormalisieren(text, true), grossKlein, laengen);
}

QString LaengenHinweis(const QString &richtig, const QString &getippt)
{
    return QStringLiteral("Länge: %1, nicht %2").arg(richtig.trimmed(), getippt.trimmed());
}

bool LateinVergleichen(const QString &antwort, const QString &ziel, bool grossKlein)
{
    return LateinNormalisieren(antwort, grossKlein) == LateinNormalisieren(ziel, grossKlein);
}

QString PartizipNeutrum(const QString &normalisiert, bool mitSum)
{
    static const QString sum = QStringLiteral("sum");
    QString partizip = normalisiert;
    if (mitSum) {
        if (!partizip.endsWith(sum))
            return normalisiert;
        partizip.chop(sum.size());
    }
    // The blank between participle and "sum" is gone already, so "a" and
    // "us" are endings only when a stem is left before them.
    if (partizip.size() > 2 && partizip.endsWith(QLatin1String("us")))
        partizip = partizip.chopped(2) + QStringLiteral("um");
    else if (partizip.size() > 1 && partizip.endsWith(QLatin1Char('a')))
        partizip = partizip.chopped(1) + QStringLiteral("um");
    return mitSum ? partizip + sum : partizip;
}

TProzente ProzenteRunden(int richtige, int falsche)
{
    const qint64 alle = static_cast<qint64>(richtige) + falsche;
    if (alle <= 0)
        return {};
    // Half up; wrong is the rest, so the two always make 100.
    const int richtig = static_cast<int>((static_cast<qint64>(richtige) * 200 + alle) / (2 * alle));
    return {richtig, 100 - richtig};
}

} // namespace lexovita

namespace lexovita {

QString EingegebeneFormHinweis(const QStringList &bezeichnungen)
{
    // Case names are masculine ("den Genitiv Pl."); every other label is
    // called a form ("die Form 1. Prs. Sg. ...").
    static const QStringList kKasus = {QStringLiteral("Nominativ"), QStringLiteral("Genitiv"),
                                       QStringLiteral("Dativ"),     QStringLiteral("Akkusativ"),
                                       QStringLiteral("Ablativ"),   QStringLiteral("Vokativ")};
    QStringList teile;
    for (const QString &b : bezeichnungen) {
        const bool kasus = std::any_of(kKasus.begin(), kKasus.end(), [&](const QString &k) { return b.startsWith(k); });
        teile << (kasus ? QStringLiteral("den ") : QStringLiteral("die Form ")) + b;
    }
    if (teile.isEmpty())
        return {};
    return QStringLiteral("Du hast ") + teile.join(QStringLiteral(" bzw. ")) + QStringLiteral(" eingegeben.");
}

} // namespace lexovita
