#include "textmode/textanalyse.h"

namespace lexovita {

TTextanalyse TextAnalysieren(const QString &text,
                             const std::function<std::vector<TLatForm>(const QString &wort)> &analysieren,
                             const std::function<bool()> &abbruch, const std::function<void(int prozent)> &fortschritt)
{
    TTextanalyse ergebnis;
    const int laenge = static_cast<int>(text.size());
    int p = 0;
    int n = 0;
    while (p < laenge) {
        const int e = TLektion::SatzEnde(text, p);
        auto satz = std::make_unique<TContext>();
        satz->satz = ++n;
        satz->anfang = p;
        satz->ende = e;
        while (p < e) {
            // One word runs from here to the next delimiter; stepping by the
            // trimmed word's length would land inside it after leading blanks.
            int grenze = p;
            while (grenze < laenge && !TLektion::IstWortgrenze(text[grenze]))
                ++grenze;
            int anfang = p;
            while (anfang < grenze && text[anfang].unicode() <= 0x20)
                ++anfang;
            const QString w = TLektion::WortAn(text, p);
            if (!w.isEmpty()) {
                if (abbruch && abbruch()) {
                    ergebnis.vollstaendig = false;
                } else if (ergebnis.vollstaendig) {
                    for (const TLatForm &f : analysieren(w)) {
                        auto kopie = std::make_unique<TLatForm>(f);
                        kopie->satz = n;
                        kopie->wortanfang = anfang;
                        satz->formen.push_back(std::move(kopie));
                    }
                    if (fortschritt)
                        fortschritt(static_cast<int>(static_cast<qint64>(anfang) * 100 / laenge));
                }
            }
            p = grenze + 1;
        }
        ergebnis.saetze.push_back(std::move(satz));
    }
    return ergebnis;
}

int EditorPosition(const QString &text, int offset)
{
    int crs = 0;
    for (int i = 0; i < offset && i < text.size(); ++i)
        crs += text[i] == QLatin1Char('\r');
    return offset - crs;
}

int TextOffset(const QString &text, int position)
{
    int p = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (p == position)
            return i; // a line break maps to its CR
        if (text[i] != QLatin1Char('\r'))
            ++p;
    }
    return static_cast<int>(text.size());
}

} // namespace lexovita
