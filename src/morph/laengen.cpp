#include "morph/laengen.h"

#include "model/vokabel.h"

#include <algorithm>
#include <optional>
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

namespace {

// One letter of a marked text: the characters it was written with, its
// lower-case base letter and its marks.
struct TBuchstabe {
    qsizetype anfang = 0, laenge = 1; // the characters it was written with
    char16_t basis = 0;
    bool lang = false;
    bool gemein = false; // macron and breve: either quantity
};

bool SchulVokal(char16_t b)
{
    return Grundvokal(b) || b == 0x00e6 || b == 0x0153; // æ, œ
}

// The lower-case letter a marked character stands for; 0 for a combining mark.
char16_t Grundzeichen(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 0x0300 && u <= 0x036f)
        return 0;
    if (u == 0x045e) // Collatinus writes a short y as the Cyrillic ў
        return u'y';
    if (u == 0x1ee4 || u == 0x1ee5) // ụ: a consonantal u (anguis)
        return u'u';
    const char16_t b = Basis(c);
    return b == u'j' ? u'i' : b;
}

QString Grundtext(QStringView text)
{
    QString r;
    r.reserve(text.size());
    for (const QChar c : text)
        if (const char16_t b = Grundzeichen(c))
            r.append(QChar(b));
    return r;
}

bool IstDiphthong(QStringView f, qsizetype i)
{
    const QStringView d = f.mid(i, 2);
    return d == u"ae" || d == u"au" || d == u"oe";
}

// The consonants after the nucleus at i of the base letters f up to the next
// vowel of the word (h left out, qu as k) and whether they close its syllable.
bool SilbeGeschlossen(QStringView f, qsizetype i, QString *gruppe)
{
    const qsizetype n = f.size();
    qsizetype j = i + (IstDiphthong(f, i) ? 2 : 1);
    QString k;
    while (j < n && !SchulVokal(f[j].unicode()) && f[j].isLetter()) {
        if (f[j] != u'h')
            k.append(f[j]);
        ++j;
    }
    const bool weiter = j < n && SchulVokal(f[j].unicode());
    if (weiter && f[j] == u'u' && k.endsWith(u'q'))
        k.back() = u'k';
    if (gruppe)
        *gruppe = k;
    // A consonantal i between vowels is doubled (maior).
    if (k.isEmpty() && weiter && f[j] == u'i' && j + 1 < n && SchulVokal(f[j + 1].unicode()))
        return true;
    int zahl = 0;
    for (const QChar c : k)
        zahl += (c == u'x' || c == u'z') ? 2 : 1;
    if (k.size() == 2 && QStringView(u"bcdgptf").contains(k[0]) && (k[1] == u'l' || k[1] == u'r') && weiter)
        return false;
    return zahl >= 2;
}

// A marked text letter by letter, with the syllable nuclei and what follows them.
class TSilbenbild {
  public:
    explicit TSilbenbild(const QString &text)
    {
        // Collatinus writes precomposed letters; only a combining mark may need composing.
        const bool kombiniert = std::any_of(text.cbegin(), text.cend(),
                                            [](QChar c) { return c.unicode() >= 0x0300 && c.unicode() <= 0x036f; });
        m_text = kombiniert ? text.normalized(QString::NormalizationForm_C) : text;
        for (qsizetype p = 0; p < m_text.size(); ++p) {
            const QChar c = m_text[p];
            const char16_t u = c.unicode();
            if (u >= 0x0300 && u <= 0x036f && !m_z.empty()) {
                ++m_z.back().laenge;
                if (u == MAKRON)
                    m_z.back().lang = true;
                else if (u == BREVIS && m_z.back().lang)
                    m_z.back().gemein = true;
                continue;
            }
            TBuchstabe b;
            b.anfang = p;
            b.basis = Grundzeichen(c);
            b.lang = IstLang(c);
            m_z.push_back(b);
        }
        const qsizetype n = qsizetype(m_z.size());
        m_f.reserve(n);
        for (const TBuchstabe &b : m_z)
            m_f.append(QChar(b.basis));
        // ā̆ is long where a word ends (amō), elsewhere open to either quantity.
        for (qsizetype i = 0; i < n; ++i)
            if (m_z[size_t(i)].gemein && i + 1 < n && QChar(m_f[i + 1]).isLetter())
                m_z[size_t(i)].lang = false;
        m_lang.resize(size_t(n));
        for (qsizetype i = 0; i < n; ++i)
            m_lang[size_t(i)] = m_z[size_t(i)].lang;
        // Nuclei as Betonen finds them: not the u of qu and -ngu- before a
        // vowel, not an i at the start or between vowels before a vowel,
        // one for a diphthong.
        std::vector<bool> vokal(size_t(n), false);
        for (qsizetype i = 0; i < n; ++i)
            vokal[size_t(i)] = SchulVokal(m_f[i].unicode());
        for (qsizetype i = 0; i < n; ++i) {
            const bool folgtVokal = i + 1 < n && vokal[size_t(i + 1)];
            if (m_f[i] == u'u' && i > 0 &&
                (m_f[i - 1] == u'q' || (folgtVokal && i > 1 && m_f[i - 1] == u'g' && m_f[i - 2] == u'n')))
                vokal[size_t(i)] = false;
        }
        m_kern.assign(size_t(n), false);
        for (qsizetype i = 0; i < n; ++i) {
            if (!vokal[size_t(i)])
                continue;
            if (m_f[i] == u'i' && !m_lang[size_t(i)] && i + 1 < n && vokal[size_t(i + 1)] &&
                (i == 0 || vokal[size_t(i - 1)]))
                continue;
            m_kern[size_t(i)] = true;
            if (Diphthong(i))
                ++i;
        }
    }

    qsizetype Laenge() const { return m_f.size(); }
    QStringView Grund() const { return m_f; }
    bool Kern(qsizetype i) const { return m_kern[size_t(i)]; }
    bool Lang(qsizetype i) const { return m_lang[size_t(i)]; }
    void SetLang(qsizetype i, bool lang) { m_lang[size_t(i)] = lang; }
    bool Diphthong(qsizetype i) const { return IstDiphthong(m_f, i); }
    bool Geschlossen(qsizetype i, QString *gruppe = nullptr) const { return SilbeGeschlossen(m_f, i, gruppe); }

    // The text with the marks as they stand now; unchanged letters keep
    // their spelling.
    QString Text() const
    {
        QString r;
        for (size_t i = 0; i < m_z.size(); ++i) {
            const TBuchstabe &b = m_z[i];
            if (m_lang[i] == b.lang && !b.gemein) {
                r.append(QStringView(m_text).mid(b.anfang, b.laenge));
            } else {
                const QChar kurz = KurzVokal(m_text[b.anfang]);
                r.append(m_lang[i] ? LangVokal(kurz) : kurz);
            }
        }
        return r;
    }

  private:
    QString m_text;
    std::vector<TBuchstabe> m_z;
    QString m_f;
    std::vector<bool> m_lang, m_kern;
};

// Another form shows the vowel at i long in an open syllable, with the same
// letters before it and the same or a kindred consonant after it (rēx and
// rēgis, scrīpsī and scrībō).
bool Nachbarn(QStringView f, qsizetype i, QStringView fa)
{
    if (i + 1 >= f.size() || i + 1 >= fa.size() || f.left(i + 1) != fa.left(i + 1))
        return false;
    const QChar x = f[i + 1], y = fa[i + 1];
    const QStringView danach = f.mid(i + 1, 2);
    // Lachmann's lengthening before -ct- has its own rules (āctum, but dictum).
    if (danach == u"ct")
        return false;
    return x == y || (x == u'x' && (y == u'c' || y == u'g' || y == u'h')) ||
           ((danach == u"ps" || danach == u"pt") && (y == u'b' || y == u'p'));
}

struct TStuetze {
    const QString *text;
    TFormStamm stamm;
    QString grund;
    std::optional<TSilbenbild> bild; // built when the letters fit
};

bool Gestuetzt(const TSilbenbild &t, qsizetype i, TStuetze &a)
{
    if (!Nachbarn(t.Grund(), i, a.grund) || SilbeGeschlossen(a.grund, i, nullptr))
        return false;
    if (!a.bild)
        a.bild.emplace(*a.text);
    return a.bild->Lang(i) && a.bild->Kern(i);
}

} // namespace

QStringList Schullaengen(const std::vector<TMarkierteForm> &teile, const std::vector<TMarkierteForm> &weitere)
{
    std::vector<TStuetze> stuetzen;
    bool stuetzenGelesen = false;
    const auto stuetzenLesen = [&]() {
        if (stuetzenGelesen)
            return;
        stuetzenGelesen = true;
        for (const auto *liste : {&teile, &weitere})
            for (const TMarkierteForm &m : *liste)
                if (!m.text.isEmpty())
                    stuetzen.push_back({&m.text, m.stamm, Grundtext(m.text), std::nullopt});
    };
    QStringList r;
    for (const TMarkierteForm &teil : teile) {
        TSilbenbild t(teil.text);
        const qsizetype n = t.Laenge();
        for (qsizetype i = 0; i + 1 < n; ++i)
            if (t.Kern(i) && t.Diphthong(i) && t.Lang(i) && !t.Lang(i + 1))
                t.SetLang(i, false);
        QString gruppe;
        for (qsizetype i = 0; i < n; ++i) {
            if (!t.Kern(i) || !t.Lang(i) || !t.Geschlossen(i, &gruppe))
                continue;
            if (gruppe.startsWith(u"ns") || gruppe.startsWith(u"nf") || gruppe.startsWith(u"nct") ||
                gruppe.startsWith(u"nx"))
                continue;
            stuetzenLesen();
            bool gestuetzt = false;
            for (size_t s = 0; s < stuetzen.size() && !gestuetzt; ++s)
                gestuetzt = !(teil.stamm == TFormStamm::Supin && stuetzen[s].stamm == TFormStamm::Perfekt) &&
                            Gestuetzt(t, i, stuetzen[s]);
            if (gestuetzt)
                continue;
            t.SetLang(i, false);
        }
        // The prefix vowel of ab-, ad-, ob-, sub-, in- is short; before s
        // and f the rule below may lengthen it (īnsula, īnferō).
        const QStringView f = t.Grund();
        for (const QStringView vorsilbe : {u"ab", u"ad", u"ob", u"sub", u"in"})
            if (f.startsWith(vorsilbe) && n > vorsilbe.size() + 1 && f[vorsilbe.size()] != u's' &&
                f[vorsilbe.size()] != u'f')
                t.SetLang(vorsilbe.size() - 2, false);
        for (qsizetype i = 0; i < n; ++i)
            if (t.Kern(i)) {
                t.Geschlossen(i, &gruppe);
                if (gruppe.startsWith(u"ns") || gruppe.startsWith(u"nf"))
                    t.SetLang(i, true);
            }
        r.append(t.Text());
    }
    return r;
}

} // namespace lexovita
