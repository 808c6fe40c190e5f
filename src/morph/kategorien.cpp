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

    // Präsens, Imperfekt and (with futur) Futur 1: the tenses of the present stem.
    void Praesenstempora(int32_t basis, bool futur)
    {
        Knoten("Präsens", basis | fid::PRAESENS);
        Knoten("Imperfekt", basis | fid::IMPERFEKT);
        if (futur)
            Knoten("Futur 1", basis | fid::FUTUR1);
    }
    // Perfekt, Plusquamperfekt and (with futur) Futur 2: the tenses of the perfect.
    void Perfekttempora(int32_t basis, bool futur)
    {
        Knoten("Perfekt", basis | fid::PERFEKT);
        Knoten("Plusquamperfekt", basis | fid::PLUSQUAMPERFEKT);
        if (futur)
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

// By stem: every node lists the forms built on one stem.
void VerbBaumNachStamm(Baum &b)
{
    constexpr int32_t AKT_IND = fid::AKTIV | fid::INDIKATIV, PAS_IND = fid::PASSIV | fid::INDIKATIV;
    constexpr int32_t AKT_KONJ = fid::AKTIV | fid::KONJUNKTIV, PAS_KONJ = fid::PASSIV | fid::KONJUNKTIV;
    b.Knoten("Präsensstamm").Kinder([&] {
        b.Knoten("Indikativ").Kinder([&] {
            b.Knoten("Aktiv").Kinder([&] { b.Praesenstempora(AKT_IND, true); });
            b.Knoten("Passiv").Kinder([&] { b.Praesenstempora(PAS_IND, true); });
        });
        b.Knoten("Konjunktiv").Kinder([&] {
            b.Knoten("Aktiv").Kinder([&] { b.Praesenstempora(AKT_KONJ, false); });
            b.Knoten("Passiv").Kinder([&] { b.Praesenstempora(PAS_KONJ, false); });
        });
        b.Knoten("Imperativ").Kinder([&] {
            b.Knoten("Imperativ I", fid::IMPERATIV_I);
            b.Knoten("Imperativ II", fid::IMPERATIV_II);
        });
        b.Knoten("Nominalformen").Kinder([&] {
            b.Knoten("Gerundium", fid::GERUNDIUM);
            b.Knoten("Gerundiv").Kinder([&] { b.Genera(fid::GERUNDIVUM); });
            b.Knoten("Partizip Präsens Aktiv").Kinder([&] { b.Genera(fid::PARTIZIP | fid::AKTIV | fid::PRAESENS); });
            b.Knoten("Infinitiv Präsens", fid::INFINITIV | fid::PRAESENS);
        });
    });
    b.Knoten("Perfektstamm").Kinder([&] {
        b.Knoten("Indikativ Aktiv").Kinder([&] { b.Perfekttempora(AKT_IND, true); });
        b.Knoten("Konjunktiv Aktiv").Kinder([&] { b.Perfekttempora(AKT_KONJ, true); });
        b.Knoten("Nominalformen").Kinder([&] {
            b.Knoten("Infinitiv Perfekt Aktiv", fid::INFINITIV | fid::AKTIV | fid::PERFEKT);
        });
    });
    b.Knoten("Partizipialstamm").Kinder([&] {
        b.Knoten("Indikativ Passiv").Kinder([&] { b.Perfekttempora(PAS_IND, true); });
        b.Knoten("Konjunktiv Passiv").Kinder([&] { b.Perfekttempora(PAS_KONJ, false); });
        b.Knoten("Nominalformen").Kinder([&] {
            b.Knoten("Partizip Futur Aktiv").Kinder([&] { b.Genera(fid::PARTIZIP | fid::AKTIV | fid::FUTUR1); });
            b.Knoten("Partizip Perfekt Passiv").Kinder([&] { b.Genera(fid::PARTIZIP | fid::PASSIV | fid::PERFEKT); });
            b.Knoten("Infinitiv Futur", fid::INFINITIV | fid::FUTUR1);
            b.Knoten("Infinitiv Perfekt Passiv", fid::INFINITIV | fid::PASSIV | fid::PERFEKT);
            b.Knoten("Supin", fid::SUPINUM);
        });
    });
}

// Deponents by stem: the perfect forms are built on the participle stem.
void DeponensBaumNachStamm(Baum &b)
{
    constexpr int32_t AKT_IND = fid::AKTIV | fid::INDIKATIV, AKT_KONJ = fid::AKTIV | fid::KONJUNKTIV;
    b.Knoten("Präsensstamm").Kinder([&] {
        b.Knoten("Indikativ Aktiv").Kinder([&] { b.Praesenstempora(AKT_IND, true); });
        b.Knoten("Konjunktiv Aktiv").Kinder([&] { b.Praesenstempora(AKT_KONJ, false); });
        b.Knoten("Imperativ").Kinder([&] {
            b.Knoten("Imperativ I", fid::IMPERATIV_I);
            b.Knoten("Imperativ II", fid::IMPERATIV_II);
        });
        b.Knoten("Nominalformen").Kinder([&] {
            b.Knoten("Gerundium", fid::GERUNDIUM);
            b.Knoten("Gerundiv").Kinder([&] { b.Genera(fid::GERUNDIVUM); });
            b.Knoten("Partizip Präsens Aktiv").Kinder([&] { b.Genera(fid::PARTIZIP | fid::AKTIV | fid::PRAESENS); });
            b.Knoten("Infinitiv Präsens Aktiv", fid::INFINITIV | fid::AKTIV | fid::PRAESENS);
        });
    });
    b.Knoten("Partizipialstamm").Kinder([&] {
        b.Knoten("Indikativ Aktiv").Kinder([&] { b.Perfekttempora(AKT_IND, true); });
        b.Knoten("Konjunktiv Aktiv").Kinder([&] { b.Perfekttempora(AKT_KONJ, false); });
        b.Knoten("Nominalformen").Kinder([&] {
            b.Knoten("Partizip Futur Aktiv").Kinder([&] { b.Genera(fid::PARTIZIP | fid::AKTIV | fid::FUTUR1); });
            b.Knoten("Partizip Perfekt Aktiv").Kinder([&] { b.Genera(fid::PARTIZIP | fid::AKTIV | fid::PERFEKT); });
            b.Knoten("Infinitiv Perfekt Aktiv", fid::INFINITIV | fid::AKTIV | fid::PERFEKT);
            b.Knoten("Infinitiv Futur Aktiv", fid::INFINITIV | fid::AKTIV | fid::FUTUR1);
            b.Knoten("Supin", fid::SUPINUM);
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
    return KategorieSelektoren(v, 1);
}

std::vector<TKategorieKnoten> KategorieSelektoren(const TVokabel &v, int art)
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
        if (art == 2 && (v.Deponens() || v.Semideponens()))
            DeponensBaumNachStamm(b);
        else if (art == 2)
            VerbBaumNachStamm(b);
        else if (v.Deponens() || v.Semideponens())
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
