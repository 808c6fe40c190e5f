#include "morph/kategorien.h"

#include "morph/formid.h"

namespace lexovita {

namespace {

class Baum {
  public:
    std::vector<TKategorieKnoten> knoten;

    // Adds a node at the current depth; Kinder() opens a level below it.
    Baum &Knoten(const char *beschriftung, int32_t selektor = 0)
    {
        knoten.push_back({QString::fromUtf8(beschriftung), selektor, m_ebene});
        return *this;
    }
    template <class F> Baum &Kinder(F &&f)
    {
        ++m_ebene;
        f();
        --m_ebene;
        return *this;
    }
    // Headings "maskulinum", "femininum", "neutrum" for basis + gender.
    void Genera(int32_t basis)
    {
        Knoten("maskulinum", basis | fid::MASKULINUM);
        Knoten("femininum", basis | fid::FEMININUM);
        Knoten("neutrum", basis | fid::NEUTRUM);
    }
    // The six tenses of the indicative, or the four of the subjunctive.
    void Tempora(int32_t basis, bool indikativ)
    {
        Knoten("Präsens", basis | fid::PRAESENS);
        Knoten("Imperfekt", basis | fid::IMPERFEKT);
        if (indikativ)
            Knoten("Futur 1", basis | fid::FUTUR1);
        Knoten("Perfekt", basis | fid::PERFEKT);
        Knoten("Plusquamperfekt", basis | fid::PLUSQUAMPERFEKT);
        if (indikativ)
            Knoten("Futur 2", basis | fid::FUTUR2);
    }

  private:
    int32_t m_ebene = 0;
};

void VerbBaum(Baum &b)
{
    b.Knoten("Indikativ").Kinder([&] {
        b.Knoten("Aktiv").Kinder([&] { b.Tempora(fid::AKTIV | fid::INDIKATIV, true); });
        b.Knoten("Passiv").Kinder([&] { b.Tempora(fid::PASSIV | fid::INDIKATIV, true); });
    });
    b.Knoten("Konjunktiv").Kinder([&] {
        b.Knoten("Aktiv").Kinder([&] { b.Tempora(fid::AKTIV | fid::KONJUNKTIV, false); });
        b.Knoten("Passiv").Kinder([&] { b.Tempora(fid::PASSIV | fid::KONJUNKTIV, false); });
    });
    b.Knoten("Imperativ").Kinder([&] {
        b.Knoten("Imperativ I", fid::IMPERATIV_I);
        b.Knoten("Imperativ II", fid::IMPERATIV_II);
    });
    b.Knoten("Nominalformen").Kinder([&] {
        b.Knoten("substantivisch").Kinder([&] {
            b.Knoten("Infinitive", fid::INFINITIV);
            b.Knoten("Gerundium", fid::GERUNDIUM);
            b.Knoten("Supin", fid::SUPINUM);
        });
        b.Knoten("adjektivisch").Kinder([&] {
            b.Knoten("Partizipien").Kinder([&] {
                b.Knoten("Partizip Präsens Aktiv").Kinder([&] {
                    b.Genera(fid::PARTIZIP | fid::AKTIV | fid::PRAESENS);
                });
                b.Knoten("Partizip Futur Aktiv").Kinder([&] { b.Genera(fid::PARTIZIP | fid::AKTIV | fid::FUTUR1); });
                b.Knoten("Partizip Perfekt Passiv").Kinder([&] {
                    b.Genera(fid::PARTIZIP | fid::PASSIV | fid::PERFEKT);
                });
            });
            b.Knoten("Gerundiv").Kinder([&] { b.Genera(fid::GERUNDIVUM); });
        });
    });
}

// Deponents and semi-deponents: active only, no supine.
void DeponensBaum(Baum &b)
{
    b.Knoten("Indikativ Aktiv").Kinder([&] { b.Tempora(fid::AKTIV | fid::INDIKATIV, true); });
    b.Knoten("Konjunktiv Aktiv").Kinder([&] { b.Tempora(fid::AKTIV | fid::KONJUNKTIV, false); });
    b.Knoten("Imperativ").Kinder([&] {
        b.Knoten("Imperativ I", fid::IMPERATIV_I);
        b.Knoten("Imperativ II", fid::IMPERATIV_II);
    });
    b.Knoten("Nominalformen").Kinder([&] {
        b.Knoten("substantivisch").Kinder([&] {
            b.Knoten("Infinitive", fid::INFINITIV);
            b.Knoten("Gerundium", fid::GERUNDIUM);
        });
        b.Knoten("adjektivisch").Kinder([&] {
            b.Knoten("Partizipien", fid::PARTIZIP).Kinder([&] {
                b.Knoten("Partizip Präsens Aktiv").Kinder([&] {
                    b.Genera(fid::PARTIZIP | fid::AKTIV | fid::PRAESENS);
                });
                b.Knoten("Partizip Futur Aktiv").Kinder([&] { b.Genera(fid::PARTIZIP | fid::AKTIV | fid::FUTUR1); });
                b.Knoten("Partizip Perfekt Aktiv").Kinder([&] { b.Genera(fid::PARTIZIP | fid::AKTIV | fid::PERFEKT); });
            });
            b.Knoten("Gerundiv").Kinder([&] { b.Genera(fid::GERUNDIVUM); });
        });
    });
}

void Steigerung(Baum &b, const char *name, int32_t grad)
{
    b.Knoten(name).Kinder([&] { b.Genera(grad); });
}

} // namespace

std::vector<TKategorieKnoten> KategorieSelektoren(const TVokabel &v)
{
    Baum b;
    switch (v.Wortart()) {
    case WA_SUBSTANTIV:
    case WA_PRONOMEN:
        b.knoten.push_back({v.vokabel, 0, 0});
        break;
    case WA_ADVERB:
        Steigerung(b, "Komparativ", fid::KOMPARATIV);
        Steigerung(b, "Superlativ", fid::SUPERLATIV);
        break;
    case WA_ADJEKTIV:
        Steigerung(b, "Positiv", fid::POSITIV);
        Steigerung(b, "Komparativ", fid::KOMPARATIV);
        Steigerung(b, "Superlativ", fid::SUPERLATIV);
        b.Knoten("Adverb", fid::ADVERB);
        break;
    case WA_VERB:
        if (v.Deponens() || v.Semideponens())
            DeponensBaum(b);
        else
            VerbBaum(b);
        break;
    default:
        break;
    }
    return std::move(b.knoten);
}

} // namespace lexovita
