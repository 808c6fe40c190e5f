#include "morph/laengen.h"

#include "model/vokabel.h"

#include <vector>

namespace lexovita {

namespace {

constexpr char16_t MAKRON = 0x0304;
constexpr char16_t BREVIS = 0x0306;
constexpr char16_t AKUT = 0x0301;

// Base letter of a vowel with macron or breve; 0 for every other character.
char16_t Grundbuchstabe(char16_t c)
{
    switch (c) {
    case 0x0100:
    case 0x0102:
        return u'A';
    case 0x0101:
    case 0x0103:
        return u'a';
    case 0x0112:
    case 0x0114:
        return u'E';
    case 0x0113:
    case 0x0115:
        return u'e';
    case 0x012A:
    case 0x012C:
        return u'I';
    case 0x012B:
    case 0x012D:
        return u'i';
    case 0x014C:
    case 0x014E:
        return u'O';
    case 0x014D:
    case 0x014F:
        return u'o';
    case 0x016A:
    case 0x016C:
        return u'U';
    case 0x016B:
    case 0x016D:
        return u'u';
    case 0x0232:
        return u'Y';
    case 0x0233:
        return u'y';
    default:
        return 0;
    }
}

bool IstBrevis(char16_t c)
{
    return c == 0x0103 || c == 0x0102 || c == 0x0115 || c == 0x0114 || c == 0x012D || c == 0x012C || c == 0x014F ||
           c == 0x014E || c == 0x016D || c == 0x016C;
}

bool IstLang(QChar c)
{
    return Grundbuchstabe(c.unicode()) != 0 && !IstBrevis(c.unicode());
}

} // namespace

QString LaengenEntfernen(QStringView text)
{
    QString r;
    r.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == MAKRON || u == BREVIS)
            continue;
        const char16_t g = Grundbuchstabe(u);
        r.append(g ? QChar(g) : c);
    }
    return r;
}

bool HatLaengen(QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == MAKRON || u == BREVIS || Grundbuchstabe(u))
            return true;
    }
    return false;
}

QString LaengenBereinigen(QStringView text)
{
    const QString nfc = text.toString().normalized(QString::NormalizationForm_C);
    QString r;
    r.reserve(nfc.size());
    for (qsizetype i = 0; i < nfc.size(); ++i) {
        const char16_t u = nfc[i].unicode();
        if (u == BREVIS)
            continue;
        // A diphthong is long anyway and school texts leave it unmarked
        // (rosae, poena, aurum); Collatinus writes rosāe. A hiatus keeps its
        // mark because there the second vowel carries one too (āēr).
        const char16_t danach = i + 1 < nfc.size() ? nfc[i + 1].unicode() : 0;
        const char16_t g = Grundbuchstabe(u);
        const bool diphthong = (g == u'a' || g == u'A')   ? (danach == u'e' || danach == u'u')
                               : (g == u'o' || g == u'O') ? danach == u'e'
                                                          : false;
        r.append(IstBrevis(u) || (diphthong && u != g) ? QChar(g) : nfc[i]);
    }
    return r;
}

QChar LangVokal(QChar c)
{
    switch (c.unicode()) {
    case u'a':
        return QChar(0x0101);
    case u'e':
        return QChar(0x0113);
    case u'i':
        return QChar(0x012B);
    case u'o':
        return QChar(0x014D);
    case u'u':
        return QChar(0x016B);
    case u'y':
        return QChar(0x0233);
    case u'A':
        return QChar(0x0100);
    case u'E':
        return QChar(0x0112);
    case u'I':
        return QChar(0x012A);
    case u'O':
        return QChar(0x014C);
    case u'U':
        return QChar(0x016A);
    case u'Y':
        return QChar(0x0232);
    default:
        return c;
    }
}

QChar KurzVokal(QChar c)
{
    const char16_t g = Grundbuchstabe(c.unicode());
    return g ? QChar(g) : c;
}

bool IstLateinVokal(QChar c)
{
    const char16_t g = Grundbuchstabe(c.unicode());
    const char16_t b = g ? g : QChar(c).toLower().unicode();
    return b == u'a' || b == u'e' || b == u'i' || b == u'o' || b == u'u' || b == u'y' || b == u'A' || b == u'E' ||
           b == u'I' || b == u'O' || b == u'U' || b == u'Y';
}

QString LaengenEintippen(QStringView text, qsizetype *cursor)
{
    QString aus;
    aus.reserve(text.size());
    const qsizetype n = text.size();
    // Each character taken out at position `stelle` moves a cursor behind it.
    const auto entfernt = [cursor](qsizetype stelle) {
        if (cursor && *cursor > stelle)
            --*cursor;
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u':' && i + 1 < n && IstLateinVokal(text[i + 1])) {
            aus.append(LangVokal(KurzVokal(text[i + 1])));
            entfernt(i);
            ++i;
        } else if (IstLateinVokal(c) && i + 1 < n && (text[i + 1] == u'_' || text[i + 1] == QChar(0x0304))) {
            aus.append(LangVokal(KurzVokal(c)));
            entfernt(i + 1);
            ++i;
        } else if (c == QChar(0x0306)) { // a combining breve
            entfernt(i);
        } else if (IstLateinVokal(c) && !IstLang(c)) {
            aus.append(KurzVokal(c)); // ă gives a
        } else {
            aus.append(c);
        }
    }
    return aus;
}

QString LangVerbinden(const QString &stamm, QStringView endung)
{
    QString s = stamm;
    if (endung.startsWith(u'^')) {
        endung = endung.mid(1);
        if (!s.isEmpty())
            s.back() = LangVokal(s.back());
    } else if (!s.isEmpty() && IstLang(s.back()) && !endung.isEmpty()) {
        const bool kuerzen = IstLateinVokal(endung.front()) || endung == u"m" || endung == u"t" || endung == u"nt" ||
                             endung.startsWith(u"nt") || endung.startsWith(u"nd");
        if (kuerzen)
            s.back() = KurzVokal(s.back());
    }
    if (endung.startsWith(u"ēī") && (s.isEmpty() || !IstLateinVokal(s.back()))) {
        s.append(u'e');
        endung = endung.mid(1);
    }
    s.append(endung);
    return s;
}

QString EndungSchlicht(const char *endungUtf8)
{
    return LaengenEntfernen(QString::fromUtf8(endungUtf8)).remove(u'^');
}

namespace {

struct Silbenkern {
    qsizetype anfang = 0, ende = 0; // [anfang, ende) in the text
    bool lang = false;
};

bool Grundvokal(char16_t b)
{
    return b == u'a' || b == u'e' || b == u'i' || b == u'o' || b == u'u' || b == u'y';
}

// Lower-case base letter of every character (marks taken off).
char16_t Basis(QChar c)
{
    const char16_t g = Grundbuchstabe(c.unicode());
    return QChar(g ? g : c.unicode()).toLower().unicode();
}

} // namespace

QString Betonen(QStringView wort)
{
    const QString w = wort.toString().normalized(QString::NormalizationForm_C);
    const qsizetype n = w.size();
    std::vector<bool> vokal(size_t(n), false);
    for (qsizetype i = 0; i < n; ++i)
        vokal[size_t(i)] = Grundvokal(Basis(w[i]));
    // Consonantal u after q and in -ngu- before a vowel; consonantal i at the
    // start before a vowel and between vowels.
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t b = Basis(w[i]);
        const bool folgtVokal = i + 1 < n && vokal[size_t(i + 1)];
        if (b == u'u' && i > 0 && folgtVokal &&
            (Basis(w[i - 1]) == u'q' || (i > 1 && Basis(w[i - 1]) == u'g' && Basis(w[i - 2]) == u'n')))
            vokal[size_t(i)] = false;
        if (b == u'i' && !IstLang(w[i]) && folgtVokal && (i == 0 || vokal[size_t(i - 1)]))
            vokal[size_t(i)] = false;
    }
    std::vector<Silbenkern> kerne;
    for (qsizetype i = 0; i < n; ++i) {
        if (!vokal[size_t(i)])
            continue;
        Silbenkern k{i, i + 1, IstLang(w[i])};
        // ae, au, oe are diphthongs when neither part carries a mark.
        if (i + 1 < n && vokal[size_t(i + 1)] && w[i].unicode() < 0x80 && w[i + 1].unicode() < 0x80) {
            const char16_t a = Basis(w[i]), b = Basis(w[i + 1]);
            if ((a == u'a' && (b == u'e' || b == u'u')) || (a == u'o' && b == u'e')) {
                k.ende = i + 2;
                k.lang = true;
            }
        }
        kerne.push_back(k);
        i = k.ende - 1;
    }
    if (kerne.size() < 2)
        return w;
    size_t betont = 0;
    if (kerne.size() > 2) {
        const Silbenkern &pen = kerne[kerne.size() - 2];
        const Silbenkern &letzt = kerne.back();
        bool lang = pen.lang;
        if (!lang) {
            int konsonanten = 0;
            QString gruppe;
            for (qsizetype i = pen.ende; i < letzt.anfang; ++i) {
                const char16_t b = Basis(w[i]);
                if (b == u'h' || (b == u'u' && i > 0 && Basis(w[i - 1]) == u'q'))
                    continue;
                konsonanten += (b == u'x' || b == u'z' || b == u'i') ? 2 : 1;
                gruppe.append(QChar(b));
            }
            const bool mutaCumLiquida = gruppe.size() == 2 && QStringLiteral("bcdgpt").contains(gruppe[0]) &&
                                        (gruppe[1] == u'l' || gruppe[1] == u'r');
            lang = konsonanten >= 2 && !mutaCumLiquida;
        }
        betont = lang ? kerne.size() - 2 : kerne.size() - 3;
    }
    QString r = w;
    r.insert(kerne[betont].anfang + 1, QChar(AKUT));
    return r.normalized(QString::NormalizationForm_C);
}

QString LaengenZeigen(QStringView text, TLaengenAnzeige anzeige)
{
    QString r;
    if (anzeige.betonung) {
        // Word by word: a letter run, with the marks that belong to it.
        r.reserve(text.size() + 4);
        qsizetype i = 0;
        while (i < text.size()) {
            qsizetype ende = i;
            while (ende < text.size() && (text[ende].isLetter() || text[ende].category() == QChar::Mark_NonSpacing))
                ++ende;
            if (ende > i) {
                r += Betonen(text.mid(i, ende - i));
                i = ende;
            } else {
                r += text[i++];
            }
        }
    } else {
        r = text.toString();
    }
    if (anzeige.laengen)
        return r;
    r = LaengenEntfernen(r);
    // A stressed long vowel loses its macron and keeps the acute: á, not a + ◌́.
    return anzeige.betonung ? r.normalized(QString::NormalizationForm_C) : r;
}

bool LaengenBekannt(const TVokabel &v)
{
    return HatLaengen(v.vokabel) || HatLaengen(v.form1) || HatLaengen(v.form2) || HatLaengen(v.form3);
}

TLaengenAnzeige TLaengenAnzeige::Fuer(const TVokabel &eintrag) const
{
    const bool bekannt = LaengenBekannt(eintrag);
    return {laengen && bekannt, betonung && bekannt};
}

} // namespace lexovita
