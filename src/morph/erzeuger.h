#pragma once

// Internal machinery shared by the generators: ending tables are arrays of
// cells (which stem, which ending), walked row by row into the result list.

#include "morph/formenmanager.h"
#include "morph/formid.h"

#include <span>

namespace lexovita::intern {

// The base a cell's text is built on.
enum class Stamm : uint8_t {
    P,
    P1,
    R,
    R1,
    U,
    Q,
    N, // stems; an empty stem gives an empty text
    X, // a stem the caller derives (comparative, participle ...)
    Vokabel,
    Form1, // the entry's fields as they are
    Form2,
    Form3, // the entry's forms as they are
    Form2OderVokabel,
    Form3OderVokabel,
    Leer, // always empty (placeholders for special forms)
};

struct Zelle {
    Stamm stamm;
    const char *endung; // UTF-8 with lengths (see LangVerbinden); nullptr: this form is not produced
};

// Shorthands that keep the tables close to the grammar tables.
constexpr Zelle p(const char *e)
{
    return {Stamm::P, e};
}
constexpr Zelle p1(const char *e)
{
    return {Stamm::P1, e};
}
constexpr Zelle r(const char *e)
{
    return {Stamm::R, e};
}
constexpr Zelle r1(const char *e)
{
    return {Stamm::R1, e};
}
constexpr Zelle u(const char *e)
{
    return {Stamm::U, e};
}
constexpr Zelle q(const char *e)
{
    return {Stamm::Q, e};
}
constexpr Zelle n(const char *e)
{
    return {Stamm::N, e};
}
constexpr Zelle x(const char *e)
{
    return {Stamm::X, e};
}
constexpr Zelle vok(const char *e = "")
{
    return {Stamm::Vokabel, e};
}
constexpr Zelle FORM1{Stamm::Form1, ""};
constexpr Zelle FORM2{Stamm::Form2, ""};
constexpr Zelle FORM3{Stamm::Form3, ""};
constexpr Zelle FORM2_ODER_VOK{Stamm::Form2OderVokabel, ""};
constexpr Zelle FORM3_ODER_VOK{Stamm::Form3OderVokabel, ""};
constexpr Zelle FEHLT{Stamm::Leer, nullptr};
constexpr Zelle LEER{Stamm::Leer, ""};

// Label the generators write for an identifier, from a table built once.
QString GeneratorBezeichnung(int32_t formId);

// Options of one row walk.
struct Lauf {
    int32_t basis = 0;   // identifier of the row without the running group
    int32_t schritt = 1; // 1 for persons, 0x2000 for cases
    int32_t filter = 0;  // 0 all, else only cell number filter (1-based)
    int32_t variante = 1;
    const QString *x = nullptr;    // the derived stem for Stamm::X
    bool gesperrt = false;         // true: every text stays empty
    const char *praefix = nullptr; // put in front of every non-empty text (UTF-8 with lengths)
};

class TErzeuger {
  public:
    TErzeuger(TFormenmanager &m, const TVokabel &v)
        : vok(v), st(m.Staemme(v)), liste(m.Ergebnisliste()), bezeichnen(m.BezeichnungenSetzen()), lang(m.Laengen()),
          filter(m.Vergleichsfilter()), varianten(m.Endungsvarianten())
    {
    }

    const TVokabel &vok;
    const TStaemme &st;
    std::vector<TLatForm> &liste;
    bool bezeichnen;
    bool lang; // texts with vowel lengths
    const TVergleichsfilter *filter;
    std::vector<size_t> &varianten;

    // Stem plus a table ending: with lengths by the rules of the join, else
    // the plain ending.
    QString Verbinden(const QString &stamm, const char *endung) const;

    QString Text(const Zelle &z, const Lauf &l) const;
    void Anfuegen(int32_t id, QString text, int32_t variante = 1)
    {
        if (Durchlassen(text))
            Ablegen(id, std::move(text), variante);
    }
    void Anfuegen(int32_t id, const QString &bezeichnung, QString text, int32_t variante)
    {
        if (Durchlassen(text))
            liste.emplace_back(vok.id, std::move(text), id, bezeichnung, variante);
    }
    // A second ending of a form already appended (variante 2); an empty text
    // (the stem is missing) adds nothing.
    void VarianteAnfuegen(int32_t id, QString text)
    {
        if (text.isEmpty() || !Durchlassen(text))
            return;
        varianten.push_back(liste.size());
        Ablegen(id, std::move(text), 2);
    }
    // Appends cell i (1-based) with identifier basis + i * schritt, for every
    // cell the filter admits.
    void Reihe(std::span<const Zelle> zellen, const Lauf &l);

  private:
    // False if the filter keeps the text out of the list.
    bool Durchlassen(const QString &text) const
    {
        if (!filter)
            return true;
        if (text.isEmpty())
            return false;
        TFormhash h;
        h.Dazu(text);
        filter->hashes->push_back(h.wert);
        return h.wert == filter->ziel;
    }
    void Ablegen(int32_t id, QString text, int32_t variante)
    {
        liste.emplace_back(vok.id, std::move(text), id, bezeichnen ? GeneratorBezeichnung(id) : QString(), variante);
    }
    // The hash of Text(z, l) without building it; false if that is empty.
    bool TextHash(const Zelle &z, const Lauf &l, TFormhash &h) const;
};

// Filter value of a selector group: 0 = all, else 1-based number.
inline bool Zugelassen(int32_t filter, int32_t nr)
{
    return filter == 0 || filter == nr;
}

// Gender group of a declined-form selector: anything but m or f is neuter.
inline int32_t GenusAusSelektor(int32_t s)
{
    const int32_t g = fid::Genus(s);
    return g == fid::MASKULINUM || g == fid::FEMININUM ? g : fid::NEUTRUM;
}

// 0 masculine, 1 feminine, 2 neuter.
inline int GenusIndex(int32_t genus)
{
    return genus == fid::MASKULINUM ? 0 : genus == fid::FEMININUM ? 1 : 2;
}

} // namespace lexovita::intern
