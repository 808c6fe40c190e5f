#include "morph/vokabelzeile.h"

#include "morph/laengen.h"
#include "morph/vokabelregeln.h"

#include <QRegularExpression>
#include <algorithm>
#include <cstring>

namespace lexovita {

namespace {

bool IstStrich(QChar c)
{
    return c == QLatin1Char('-') || c == QChar(0x2013) || c == QChar(0x2014);
}

bool IstVokal(QChar c)
{
    return QStringLiteral("aeiouy").contains(c);
}

// "+ Abl.", "+ Akk." and the like name the case a word governs: a note on
// the Latin side, not a form.
bool IstKasusNotiz(const QString &token)
{
    static const QRegularExpression kasus(QStringLiteral("^\\(?\\+?(Nom|Gen|Dat|Akk|Acc|Abl|Inf|AcI|Konj)\\.?\\)?,?$"),
                                          QRegularExpression::CaseInsensitiveOption);
    return token == QLatin1String("+") || kasus.match(token).hasMatch();
}

QString OhneKomma(QString s)
{
    while (s.endsWith(QLatin1Char(',')) || s.endsWith(QLatin1Char(';')))
        s.chop(1);
    return s.trimmed();
}

// Where a dash between spaces separates Latin from German, or -1. A dash
// right after a comma stands for a missing part ("timeo, timui, – fürchten").
qsizetype StrichTrenner(const QString &t)
{
    for (qsizetype i = 1; i + 1 <= t.size(); ++i) {
        if (!IstStrich(t[i]) || !t[i - 1].isSpace())
            continue;
        if (i + 1 < t.size() && !t[i + 1].isSpace())
            continue;
        qsizetype vor = i - 1;
        while (vor >= 0 && t[vor].isSpace())
            --vor;
        if (vor >= 0 && t[vor] != QLatin1Char(','))
            return i;
    }
    return -1;
}

// The Latin words of a line read without a separator: the first word, every
// word after one that ends in a comma, "sum" after a participle, gender
// abbreviations and case notes.
// Returns how many of the tokens are Latin.
qsizetype LateinischeTokens(const QStringList &tokens)
{
    qsizetype i = 1;
    while (i < tokens.size()) {
        const QString &t = tokens[i];
        const bool nachKomma = tokens[i - 1].endsWith(QLatin1Char(','));
        // A deponent's perfect is two words: hortatus sum.
        const bool perfekt = OhneKomma(t) == QLatin1String("sum") && tokens[i - 1].endsWith(QLatin1String("us"));
        if (nachKomma || perfekt || !GenusAusKuerzel(OhneKomma(t)).isEmpty() || IstKasusNotiz(t))
            ++i;
        else
            break;
    }
    return i;
}

bool LateinischesWort(const QString &w)
{
    if (w.isEmpty())
        return false;
    const QString basis = LaengenEntfernen(w);
    for (QChar c : basis) {
        if (c.isSpace() || c == QLatin1Char('-'))
            continue;
        const char16_t u = c.toLower().unicode();
        if (u < u'a' || u > u'z')
            return false;
    }
    return basis.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

} // namespace

QString ListenSchluessel(const QString &wort)
{
    QString k = LaengenEntfernen(wort).trimmed().toLower();
    k.replace(QLatin1Char('j'), QLatin1Char('i'));
    k.replace(QLatin1Char('v'), QLatin1Char('u'));
    return k;
}

QString EndungErgaenzen(const QString &stichwort, const QString &kurz)
{
    const QString k = kurz.trimmed();
    if (k.size() < 2 || !IstStrich(k[0]))
        return k;
    const QString e = k.mid(1).trimmed();
    const QString basis = LaengenEntfernen(stichwort.trimmed());
    // Cut the written headword where the plain one is cut, as long as the
    // lengths did not change its count of letters.
    const QString wort = basis.size() == stichwort.trimmed().size() ? stichwort.trimmed() : basis;
    const QString w = basis.toLower();
    const QString el = LaengenEntfernen(e).toLower();
    const qsizetype n = w.size();
    if (el.isEmpty() || n == 0)
        return wort;
    const QChar erster = el[0];
    const auto abgeschnitten = [&](qsizetype bis) { return wort.left(bis) + e; };
    if (IstVokal(erster)) {
        // The nominative ending gives way: domin-us, -i; corp-us, -oris; hom-o, -inis.
        for (const char *nom : {"us", "um", "os", "on", "es", "is", "en", "a", "o", "e"}) {
            const auto l = qsizetype(std::strlen(nom));
            if (w.endsWith(QLatin1String(nom)) && n > l + 1)
                return abgeschnitten(n - l);
        }
    }
    // The ending overlaps the headword's last letters: pa-ter, -tris; anim-al, -alis.
    const qsizetype ab = std::max<qsizetype>(IstVokal(erster) ? n - 3 : n - 4, 0);
    const qsizetype p = w.lastIndexOf(erster);
    if (p >= ab && p >= 0)
        return abgeschnitten(p);
    // urb-s, -is; du-x, -cis
    if (n >= 2 && (w.endsWith(QLatin1Char('s')) || w.endsWith(QLatin1Char('x'))) &&
        (!IstVokal(w[n - 2]) || !IstVokal(erster)))
        return abgeschnitten(n - 1);
    return wort + e; // consul, -is
}

QString InfinitivAusErsterPerson(const QString &erste, const QStringList &weitere)
{
    const QString f = LaengenEntfernen(erste).trimmed().toLower();
    QStringList teile;
    for (const QString &t : weitere)
        teile << LaengenEntfernen(t).trimmed().toLower();
    QString zweite;
    for (const QString &t : teile)
        if (!t.isEmpty()) {
            zweite = t;
            break;
        }
    // The next part must be a perfect (amavi, timui) or a deponent's (hortatus sum).
    if (zweite.isEmpty() || f.size() < 2 ||
        (!zweite.endsWith(QLatin1Char('i')) && !zweite.endsWith(QLatin1String("sum"))))
        return {};
    const auto teilEndet = [&](const char *endung) {
        for (const QString &t : teile)
            if (t.endsWith(QLatin1String(endung)))
                return true;
        return false;
    };
    if (f.endsWith(QLatin1String("eor")))
        return f.chopped(3) + QStringLiteral("eri");
    if (f.endsWith(QLatin1String("ior")))
        return f.chopped(3) + (teilEndet("itus sum") ? QStringLiteral("iri") : QStringLiteral("i"));
    if (f.endsWith(QLatin1String("or")))
        return f.chopped(2) + (teilEndet("atus sum") ? QStringLiteral("ari") : QStringLiteral("i"));
    if (zweite.endsWith(QLatin1String("sum")))
        return {};
    if (f.endsWith(QLatin1String("eo")))
        return f.chopped(2) + QStringLiteral("ere");
    if (f.endsWith(QLatin1String("io")))
        return f.chopped(2) + ((zweite.endsWith(QLatin1String("ivi")) || zweite.endsWith(QLatin1String("ii")))
                                   ? QStringLiteral("ire")
                                   : QStringLiteral("ere"));
    if (f.endsWith(QLatin1Char('o')))
        return f.chopped(1) + ((teilEndet("avi") || teilEndet("atum")) ? QStringLiteral("are") : QStringLiteral("ere"));
    return {};
}

TListenzeile ListenzeileLesen(const QString &zeile)
{
    TListenzeile z;
    QString t = zeile;
    t.replace(QChar(0x00a0), QLatin1Char(' '));
    t = t.trimmed();
    z.text = t;
    // Numbering and bullets in front: "1.", "12)", "a)", "•", "- ".
    static const QRegularExpression vorn(QStringLiteral("^(?:\\d+\\s*[.):]?\\s*|[a-z]\\)\\s*|[•·▪◦‣∙*>\\-–—]\\s+)"));
    for (int runde = 0; runde < 3; ++runde) {
        const QRegularExpressionMatch m = vorn.match(t);
        if (!m.hasMatch() || m.capturedLength() == 0)
            break;
        t = t.mid(m.capturedLength()).trimmed();
    }
    if (t.isEmpty())
        return z;

    QString latein;
    if (t.contains(QLatin1Char('\t'))) {
        QStringList spalten;
        for (const QString &s : t.split(QLatin1Char('\t'), Qt::SkipEmptyParts))
            if (!s.trimmed().isEmpty())
                spalten << s.trimmed();
        z.deutsch = spalten.size() > 1 ? spalten.takeLast() : QString();
        latein = spalten.join(QStringLiteral(", "));
    } else if (const qsizetype s = StrichTrenner(t); s > 0) {
        latein = t.left(s);
        z.deutsch = t.mid(s + 1);
    } else if (const qsizetype d = t.indexOf(QLatin1Char(':')); d >= 0) {
        latein = t.left(d);
        z.deutsch = t.mid(d + 1);
        if (z.deutsch.trimmed().isEmpty())
            return z; // a heading: "Vokabeln:"
    } else if (const qsizetype g = t.indexOf(QLatin1Char('=')); g > 0) {
        latein = t.left(g);
        z.deutsch = t.mid(g + 1);
    } else {
        const QStringList tokens = t.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const qsizetype n = LateinischeTokens(tokens);
        latein = tokens.mid(0, n).join(QLatin1Char(' '));
        z.deutsch = tokens.mid(n).join(QLatin1Char(' '));
    }
    z.deutsch = OhneKomma(z.deutsch.trimmed());

    // The Latin side: comma-separated forms, the gender after the last one
    // (or as a part of its own), case notes dropped.
    QStringList teile = latein.split(QLatin1Char(','));
    for (qsizetype i = 0; i < teile.size(); ++i) {
        QStringList w = teile[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        while (!w.isEmpty() && IstKasusNotiz(w.back()))
            w.removeLast();
        if (!w.isEmpty() && (w.size() > 1 || i > 0) && !GenusAusKuerzel(w.back()).isEmpty()) {
            z.genus = GenusAusKuerzel(w.back());
            w.removeLast();
        }
        teile[i] = w.join(QLatin1Char(' '));
    }
    while (teile.size() > 1 && teile.back().isEmpty())
        teile.removeLast();
    z.stichwort = teile.value(0);
    for (qsizetype i = 1; i < teile.size(); ++i) {
        const QString &f = teile[i];
        z.formen << ((f.size() == 1 && IstStrich(f[0])) ? QString() : EndungErgaenzen(z.stichwort, f));
    }

    // Headings and numbers are no Latin: "Lektion 3", "Seite 12".
    static const QRegularExpression nurZahl(QStringLiteral("^[\\d\\s.,:;()\\-–—]*$"));
    z.lesbar = LateinischesWort(z.stichwort) && !(!z.deutsch.isEmpty() && nurZahl.match(z.deutsch).hasMatch());
    return z;
}

std::vector<TListenzeile> ListeLesen(const QString &text)
{
    std::vector<TListenzeile> zeilen;
    for (const QString &zeile : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        if (zeile.trimmed().isEmpty())
            continue;
        zeilen.push_back(ListenzeileLesen(zeile));
    }
    return zeilen;
}

} // namespace lexovita
