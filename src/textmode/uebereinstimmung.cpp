#include "textmode/uebereinstimmung.h"

#include <algorithm>
#include <set>

namespace lexovita {

namespace {

constexpr int32_t kKasusMaske = 0x1E000;
constexpr int32_t kMaskulin = 0x20000;
constexpr int32_t kFeminin = 0x40000;
constexpr int32_t kGenusMaske = kMaskulin | kFeminin;
constexpr int32_t kUtrum = 0x800000; // common gender

// 0..4 for nominative to ablative in either number, -1 without a case.
int Kasus(int32_t id)
{
    const int32_t k = id & kKasusMaske;
    if (k >= 0x2000 && k <= 0xA000)
        return (k - 0x2000) / 0x2000;
    if (k >= 0xC000 && k <= 0x14000)
        return (k - 0xC000) / 0x2000;
    return -1;
}

// 1 singular, 2 plural, 0 none.
int Numerus(int32_t id)
{
    const int32_t k = id & kKasusMaske;
    const int32_t person = id & 7;
    if ((k >= 0x2000 && k <= 0xA000) || (person >= 1 && person <= 3))
        return 1;
    if ((k >= 0xC000 && k <= 0x14000) || (person >= 4 && person <= 6))
        return 2;
    return 0;
}

bool GenauMaskulinOderFeminin(int32_t id)
{
    const int32_t g = id & kGenusMaske;
    return g == kMaskulin || g == kFeminin;
}

void Hinzu(std::vector<TFarbbereich> &aus, const TLatForm &f, TFarbrolle rolle)
{
    aus.push_back({f.wortanfang, static_cast<int>(f.text.size()), rolle, f.satz, true});
}

// The analysed words of a sentence: lexicon results first, so that a word
// the vocabulary knows as well is painted over in the colour of the analysed.
void Analysierte(std::vector<TFarbbereich> &aus, const TContext &satz)
{
    for (const auto &f : satz.formen)
        if (f->ausLexikon)
            Hinzu(aus, *f, TFarbrolle::Lexikon);
    for (const auto &f : satz.formen)
        if (!f->ausLexikon)
            Hinzu(aus, *f, TFarbrolle::Analysiert);
}

} // namespace

void Rollenfarben(TFarbrolle rolle, const TConfig &c, TFarbe &vg, TFarbe &hg)
{
    switch (rolle) {
    case TFarbrolle::Normal:
        vg = c.clNormalVg;
        hg = c.clNormalHg;
        return;
    case TFarbrolle::Ausgeblendet:
        vg = c.clAusgeblendetVg;
        hg = c.clAusgeblendetHg;
        return;
    case TFarbrolle::Satz:
        vg = c.clSatzVg;
        hg = c.clSatzHg;
        return;
    case TFarbrolle::Analysiert:
        vg = c.clAnalysiertVg;
        hg = c.clAnalysiertHg;
        return;
    case TFarbrolle::Auswahl:
        vg = c.clSelVg;
        hg = c.clSelHg;
        return;
    case TFarbrolle::K:
        vg = c.clKVg;
        hg = c.clK;
        return;
    case TFarbrolle::N:
        vg = c.clNVg;
        hg = c.clN;
        return;
    case TFarbrolle::G:
        vg = c.clGVg;
        hg = c.clG;
        return;
    case TFarbrolle::KN:
        vg = c.clKNVg;
        hg = c.clKN;
        return;
    case TFarbrolle::NG:
        vg = c.clNGVg;
        hg = c.clNG;
        return;
    case TFarbrolle::KG:
        vg = c.clKGVg;
        hg = c.clKG;
        return;
    case TFarbrolle::KNG:
        vg = c.clKNGVg;
        hg = c.clKNG;
        return;
    case TFarbrolle::Lexikon:
        vg = c.clLexikonVg;
        hg = c.clLexikonHg;
        return;
    }
}

bool KasusGleich(int32_t a, int32_t b)
{
    const int ka = Kasus(a);
    return ka >= 0 && ka == Kasus(b);
}

bool NumerusGleich(int32_t a, int32_t b)
{
    const int na = Numerus(a);
    return na != 0 && na == Numerus(b);
}

bool GenusGleich(int32_t r, int32_t s)
{
    const int32_t gr = r & kGenusMaske;
    const int32_t gs = s & kGenusMaske;
    if (gr != 0 && gs != 0 && gr == gs)
        return true;
    return ((r & kUtrum) && GenauMaskulinOderFeminin(s)) || ((s & kUtrum) && GenauMaskulinOderFeminin(r));
}

TUebereinstimmung Vergleichen(int32_t r, const std::vector<int32_t> &s, const TKriterien &k)
{
    TUebereinstimmung u;
    for (int32_t wert : s) {
        const bool kasus = k.kasus && KasusGleich(r, wert);
        const bool numerus = k.numerus && NumerusGleich(r, wert);
        const bool genus = k.genus && GenusGleich(r, wert);
        if (!k.oder && ((k.kasus && !kasus) || (k.numerus && !numerus) || (k.genus && !genus)))
            continue;
        u.kasus |= kasus;
        u.numerus |= numerus;
        u.genus |= genus;
    }
    return u;
}

bool Uebereinstimmungsfarbe(const TUebereinstimmung &u, const TKriterien &k, TFarbrolle &farbe)
{
    struct Regel {
        bool kasus, numerus, genus;
        TFarbrolle farbe;
    };
    // The painting order: a later colour covers an earlier one.
    static const Regel regeln[] = {
        {true, false, false, TFarbrolle::K}, {false, true, false, TFarbrolle::N}, {false, false, true, TFarbrolle::G},
        {true, true, false, TFarbrolle::KN}, {false, true, true, TFarbrolle::NG}, {true, false, true, TFarbrolle::KG},
        {true, true, true, TFarbrolle::KNG},
    };
    bool gefunden = false;
    for (const Regel &r : regeln) {
        const bool gefragt = k.oder ? (!r.kasus || k.kasus) && (!r.numerus || k.numerus) && (!r.genus || k.genus)
                                    : r.kasus == k.kasus && r.numerus == k.numerus && r.genus == k.genus;
        const bool stimmt = (!r.kasus || u.kasus) && (!r.numerus || u.numerus) && (!r.genus || u.genus);
        if (gefragt && stimmt) {
            farbe = r.farbe;
            gefunden = true;
        }
    }
    return gefunden;
}

std::vector<TFarbbereich> Zusammenfassen(std::vector<TFarbbereich> bereiche)
{
    std::vector<TFarbbereich> aus;
    for (TFarbbereich &b : bereiche) {
        if (!aus.empty() && !b.wort && !aus.back().wort && aus.back().rolle == b.rolle &&
            aus.back().anfang + aus.back().laenge == b.anfang) {
            aus.back().laenge += b.laenge;
            continue;
        }
        aus.push_back(std::move(b));
    }
    return aus;
}

std::vector<TFarbbereich> SatzFarben(const std::vector<std::unique_ptr<TContext>> &saetze, int satz,
                                     const QString &wort)
{
    std::vector<TFarbbereich> aus;
    for (const auto &s : saetze) {
        const bool geklickt = s->satz == satz;
        aus.push_back(
            {s->anfang, s->ende - s->anfang, geklickt ? TFarbrolle::Satz : TFarbrolle::Ausgeblendet, s->satz, false});
        if (!geklickt)
            continue;
        Analysierte(aus, *s);
        for (const auto &f : s->formen)
            if (!wort.isEmpty() && f->text.toLower() == wort)
                Hinzu(aus, *f, TFarbrolle::Auswahl);
    }
    return Zusammenfassen(std::move(aus));
}

std::vector<TFarbbereich> Uebereinstimmungsfarben(const TContext &satz, const QString &wort, int32_t vokabelId,
                                                  bool ausLexikon, const TKriterien &k)
{
    std::vector<TFarbbereich> aus;
    aus.push_back({satz.anfang, satz.ende - satz.anfang, TFarbrolle::Satz, satz.satz, false});
    // Lexicon words first, so that the vocabulary's colour covers them.
    for (const auto &f : satz.formen)
        if (f->ausLexikon && f->text.toLower() != wort)
            Hinzu(aus, *f, TFarbrolle::Lexikon);
    // S in the order of the identifiers' decimal text, without repeats.
    std::set<QString> sText;
    for (const auto &f : satz.formen) {
        const bool istWort = f->text.toLower() == wort;
        if (istWort || !f->ausLexikon)
            Hinzu(aus, *f, istWort ? TFarbrolle::Auswahl : TFarbrolle::Analysiert);
        if (istWort && f->vokabelId == vokabelId && f->ausLexikon == ausLexikon)
            sText.insert(QString::number(f->formId));
    }
    std::vector<int32_t> s;
    for (const QString &t : sText)
        s.push_back(t.toInt());
    for (const auto &f : satz.formen) {
        TFarbrolle farbe;
        if (Uebereinstimmungsfarbe(Vergleichen(f->formId, s, k), k, farbe))
            Hinzu(aus, *f, farbe);
    }
    return aus;
}

} // namespace lexovita
