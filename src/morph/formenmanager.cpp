#include "morph/formenmanager.h"

#include "morph/adjektivformen.h"
#include "morph/kategorien.h"
#include "morph/laengen_sonderformen.h"
#include "morph/nominalformen.h"
#include "morph/staemme.h"
#include "morph/verbformen.h"

#include <algorithm>

namespace lexovita {

namespace {

struct Sonderform {
    int32_t formId;
    const QString *text;
};

// Sorted by identifier; equal identifiers keep their stored order so that
// the first stored row wins, as an index seek would find it.
void Sortieren(std::vector<Sonderform> &zeilen)
{
    std::stable_sort(zeilen.begin(), zeilen.end(),
                     [](const Sonderform &a, const Sonderform &b) { return a.formId < b.formId; });
}

// Stored special forms are written as typed: with lengths on, an unmarked
// one takes its marks from the table of irregular forms; with lengths off,
// marks come off.
QString SonderformText(const TVokabel &v, int32_t formId, const QString &text, bool laengen)
{
    if (laengen)
        return HatLaengen(text) ? LaengenBereinigen(text) : SonderformMitLaengen(v, formId, text);
    return HatLaengen(text) ? LaengenEntfernen(text) : text;
}

bool HatSonderform(const std::vector<Sonderform> &zeilen, int32_t formId)
{
    const auto it = std::lower_bound(zeilen.begin(), zeilen.end(), formId,
                                     [](const Sonderform &z, int32_t id) { return z.formId < id; });
    return it != zeilen.end() && it->formId == formId;
}

// A second ending built by rule does not stand beside a stored special form
// of its identifier (fereris is ferris, so ferere is no form): it goes.
void VariantenStreichen(std::vector<TLatForm> &liste, std::vector<size_t> &varianten, int32_t vokabelId,
                        const std::vector<Sonderform> &zeilen)
{
    if (zeilen.empty() || varianten.empty())
        return;
    std::vector<size_t> weg;
    for (size_t i : varianten)
        if (i < liste.size() && liste[i].vokabelId == vokabelId && liste[i].variante == 2 &&
            HatSonderform(zeilen, liste[i].formId))
            weg.push_back(i);
    if (weg.empty())
        return;
    std::sort(weg.begin(), weg.end());
    for (auto it = weg.rbegin(); it != weg.rend(); ++it)
        liste.erase(liste.begin() + std::ptrdiff_t(*it));
    // The positions after a removed record move up.
    std::vector<size_t> neu;
    for (size_t i : varianten) {
        if (std::binary_search(weg.begin(), weg.end(), i))
            continue;
        neu.push_back(i - size_t(std::lower_bound(weg.begin(), weg.end(), i) - weg.begin()));
    }
    varianten = std::move(neu);
}

void Ueberlagern(std::vector<TLatForm> &liste, const TVokabel &v, int32_t vokabelId,
                 const std::vector<Sonderform> &zeilen, bool laengen)
{
    if (zeilen.empty())
        return;
    for (TLatForm &f : liste) {
        if (f.vokabelId != vokabelId)
            continue;
        const auto it = std::lower_bound(zeilen.begin(), zeilen.end(), f.formId,
                                         [](const Sonderform &z, int32_t id) { return z.formId < id; });
        if (it != zeilen.end() && it->formId == f.formId)
            f.text = SonderformText(v, f.formId, *it->text, laengen && vokabelId == v.id);
    }
}

QString Gekuerzt(const QString &s)
{
    return s.isEmpty() ? QString() : s.chopped(1);
}

} // namespace

void TFormenmanager::Zuruecksetzen()
{
    m_ergebnisse.clear();
    m_endungsvarianten.clear();
}

const TStaemme &TFormenmanager::Staemme(const TVokabel &v)
{
    StammSchluessel &k = m_stammSchluessel;
    if (k.attribute != v.attribute || k.laengen != m_laengen || k.vokabel != v.vokabel || k.form1 != v.form1 ||
        k.form2 != v.form2 || k.form3 != v.form3) {
        k = {v.attribute, m_laengen, v.vokabel, v.form1, v.form2, v.form3};
        TStaemme &s = m_staemme;
        s.P = Praesensstamm(v);
        if (m_laengen)
            s.P = LangerPraesensstamm(v, s.P);
        s.P1 = Gekuerzt(s.P);
        s.R = Perfektstamm(v);
        s.R1 = Gekuerzt(s.R);
        s.U = Partizipstamm(v);
        s.Q = Gekuerzt(s.U);
        s.N = Nominalstamm(v);
    }
    return m_staemme;
}

const TVokabel &TFormenmanager::Erzeugungseintrag(const TVokabel &v)
{
    if (!m_laengen && !HatLaengen(v.vokabel) && !HatLaengen(v.form1) && !HatLaengen(v.form2) && !HatLaengen(v.form3))
        return v;
    auto feld = [this](const QString &f) { return m_laengen ? LaengenBereinigen(f) : LaengenEntfernen(f); };
    m_schatten.id = v.id;
    m_schatten.attribute = v.attribute;
    m_schatten.vokabel = feld(v.vokabel);
    m_schatten.form1 = feld(v.form1);
    m_schatten.form2 = feld(v.form2);
    m_schatten.form3 = feld(v.form3);
    return m_schatten;
}

void TFormenmanager::FormenErzeugen(const TVokabel &eintrag, int32_t s)
{
    const TVokabel &v = Erzeugungseintrag(eintrag);
    switch (v.Wortart()) {
    case WA_VERB:
        VerbformenErzeugen(*this, v, s);
        break;
    case WA_SUBSTANTIV:
        SubstantivformenErzeugen(*this, v, s);
        break;
    case WA_ADVERB:
        AdverbPlatzhalterErzeugen(*this, v, s);
        break;
    case WA_ADJEKTIV:
        AdjektivformenErzeugen(*this, v, s);
        break;
    case WA_PRONOMEN:
        PronomenformenErzeugen(*this, v, s);
        break;
    default:
        break; // undetermined entries have no forms
    }
    if (m_sonderformenEinsetzen)
        SonderformenAnwenden(eintrag);
}

void TFormenmanager::AlleFormenErzeugen(const TVokabel &v)
{
    // The overlay is idempotent, so applying it once after all selectors
    // gives the same list as applying it after each one.
    const bool einsetzen = m_sonderformenEinsetzen;
    m_sonderformenEinsetzen = false;
    for (const TKategorieKnoten &k : KategorieSelektoren(v))
        FormenErzeugen(v, k.selektor);
    m_sonderformenEinsetzen = einsetzen;
    if (einsetzen)
        SonderformenAnwenden(v);
}

void TFormenmanager::SonderformenAnwenden(const TVokabel &v)
{
    if (m_ergebnisse.empty())
        return;
    std::vector<Sonderform> zeilen;
    if (!m_quelle) {
        // Without a source only the entry's own list is known; records of
        // other entries got their overlay when they were generated.
        if (v.sonderformen.empty())
            return;
        zeilen.reserve(v.sonderformen.size());
        for (const auto &sf : v.sonderformen)
            zeilen.push_back({sf->formId, &sf->text});
        Sortieren(zeilen);
        VariantenStreichen(m_ergebnisse, m_endungsvarianten, v.id, zeilen);
        Ueberlagern(m_ergebnisse, v, v.id, zeilen, m_laengen);
        return;
    }
    // Every entry that has records in the list, each asked once.
    std::vector<int32_t> ids;
    for (const TLatForm &f : m_ergebnisse)
        if (std::find(ids.begin(), ids.end(), f.vokabelId) == ids.end())
            ids.push_back(f.vokabelId);
    for (int32_t id : ids) {
        m_geladen.clear();
        m_quelle->SonderformenLaden(id, m_geladen);
        zeilen.clear();
        for (const TLatForm &sf : m_geladen)
            zeilen.push_back({sf.formId, &sf.text});
        Sortieren(zeilen);
        VariantenStreichen(m_ergebnisse, m_endungsvarianten, id, zeilen);
        Ueberlagern(m_ergebnisse, v, id, zeilen, m_laengen);
    }
}

} // namespace lexovita
