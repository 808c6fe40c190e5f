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

QString LateinFalten(const QString &text)
{
    // Decomposing splits ā into a + combining macron; the marks are dropped.
    // Only marks on the letters a-z go, so no other script is changed.
    const QString zerlegt = text.normalized(QString::NormalizationForm_D);
    QString aus;
    aus.reserve(zerlegt.size());
    for (const QChar c : zerlegt) {
        if (c.category() == QChar::Mark_NonSpacing && !aus.isEmpty() && aus.back().unicode() < 128 &&
            aus.back().isLetter())
            continue;
        char16_t u = c.unicode();
        if (u >= 'A' && u <= 'Z')
            u = static_cast<char16_t>(u - 'A' + 'a');
        if (u == 'j')
            u = 'i';
        aus.append(QChar(u));
    }
    return aus.normalized(QString::NormalizationForm_C);
}

bool LateinVergleichen(const QString &antwort, const QString &ziel)
{
    return LateinFalten(AntwortNormalisieren(antwort, true)) == LateinFalten(AntwortNormalisieren(ziel, true));
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
