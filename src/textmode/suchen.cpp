#include "textmode/suchen.h"

#include "model/lektion.h"

namespace lexovita {

bool IstTrennzeichen(QChar c)
{
    return TLektion::IstWortgrenze(c) || c.isSpace();
}

namespace {

bool GanzesWort(const QString &text, int anfang, int laenge)
{
    const int ende = anfang + laenge;
    return (anfang == 0 || IstTrennzeichen(text[anfang - 1])) && (ende >= text.size() || IstTrennzeichen(text[ende]));
}

Qt::CaseSensitivity Gross(const TSuchoptionen &o)
{
    return o.grossKlein ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

} // namespace

std::optional<TFundstelle> Finden(const QString &text, const QString &muster, int ab, const TSuchoptionen &o)
{
    const int n = static_cast<int>(muster.size());
    if (n == 0 || n > text.size())
        return std::nullopt;
    ab = std::clamp<int>(ab, 0, int(text.size()));
    if (!o.nachOben) {
        for (qsizetype p = text.indexOf(muster, ab, Gross(o)); p >= 0; p = text.indexOf(muster, p + 1, Gross(o)))
            if (!o.ganzeWoerter || GanzesWort(text, int(p), n))
                return TFundstelle{int(p), n};
        return std::nullopt;
    }
    // Up: the match must end at or before `ab`.
    for (qsizetype p = ab - n; p >= 0; --p) {
        p = text.lastIndexOf(muster, p, Gross(o));
        if (p < 0)
            break;
        if (!o.ganzeWoerter || GanzesWort(text, int(p), n))
            return TFundstelle{int(p), n};
    }
    return std::nullopt;
}

std::optional<TFundstelle> TrefferAmCursor(const QString &text, const QString &muster, int cursor,
                                           const TSuchoptionen &o)
{
    const int n = static_cast<int>(muster.size());
    if (n == 0 || cursor < 0 || cursor > text.size())
        return std::nullopt;
    const int anfang = o.nachOben ? cursor : cursor - n;
    if (anfang < 0 || anfang + n > text.size())
        return std::nullopt;
    if (QStringView(text).mid(anfang, n).compare(muster, Gross(o)) != 0)
        return std::nullopt;
    return TFundstelle{anfang, n};
}

TErsetzung AlleErsetzen(const QString &text, const QString &muster, const QString &ersatz, const TSuchoptionen &o)
{
    TErsetzung e{text, {}};
    TSuchoptionen runter = o;
    runter.nachOben = false;
    int ab = 0;
    while (const auto f = Finden(e.text, muster, ab, runter)) {
        e.text.replace(f->anfang, f->laenge, ersatz);
        e.stellen.push_back(*f);
        ab = f->anfang + static_cast<int>(ersatz.size());
    }
    return e;
}

QString ErsetzungsMeldung(int anzahl)
{
    if (anzahl == 1)
        return QStringLiteral("Das Dokument wurde durchsucht. Es wurde 1 Ersetzung vorgenommen");
    return QStringLiteral("Das Dokument wurde durchsucht. Es wurden %1 Ersetzungen vorgenommen").arg(anzahl);
}

std::vector<TFundstelle> Woerter(const QString &text)
{
    std::vector<TFundstelle> w;
    int anfang = -1;
    for (int i = 0; i <= text.size(); ++i) {
        const bool grenze = i == text.size() || IstTrennzeichen(text[i]);
        if (grenze && anfang >= 0) {
            w.push_back({anfang, i - anfang});
            anfang = -1;
        } else if (!grenze && anfang < 0) {
            anfang = i;
        }
    }
    return w;
}

std::optional<TFundstelle> WortSuchen(const QString &text, int cursor, bool nachOben,
                                      const std::function<bool(const QString &wort)> &istForm)
{
    const std::vector<TFundstelle> w = Woerter(text);
    if (!nachOben) {
        for (const TFundstelle &f : w)
            if (f.anfang >= cursor && istForm(text.mid(f.anfang, f.laenge)))
                return f;
    } else {
        for (auto it = w.rbegin(); it != w.rend(); ++it)
            if (it->Ende() <= cursor && istForm(text.mid(it->anfang, it->laenge)))
                return *it;
    }
    return std::nullopt;
}

} // namespace lexovita
