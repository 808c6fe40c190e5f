#include "morph/formenbaum.h"

#include "morph/formid.h"
#include "morph/nominalformen.h"

#include <initializer_list>
#include <utility>

namespace lexovita {

namespace {

class Aufbau {
  public:
    Aufbau(TFormenmanager &manager, const TVokabel &v, const QSet<int32_t> &angehakt)
        : m_manager(manager), m_v(v), m_angehakt(angehakt)
    {
    }

    std::vector<TBaumKnoten> knoten;

    // A heading; Kinder() opens a level below the last node.
    Aufbau &Ueberschrift(const char *caption)
    {
        Neu(QString::fromUtf8(caption), KNOTEN_UEBERSCHRIFT, 0, {});
        return *this;
    }
    Aufbau &Zeile(const char *caption, int32_t id, const QString &text = {})
    {
        Neu(QString::fromUtf8(caption), KNOTEN_FORM, id, text);
        return *this;
    }
    template <class F> Aufbau &Kinder(F &&f)
    {
        ++m_ebene;
        f();
        --m_ebene;
        return *this;
    }

    void Deklination(int32_t basis)
    {
        static const char *const kFaelle[] = {"Nominativ Sg.", "Genitiv Sg.",   "Dativ Sg.",   "Akkusativ Sg.",
                                              "Ablativ Sg.",   "Nominativ Pl.", "Genitiv Pl.", "Dativ Pl.",
                                              "Akkusativ Pl.", "Ablativ Pl."};
        for (int32_t k = 1; k <= fid::KASUS_ANZAHL; ++k)
            Zeile(kFaelle[k - 1], basis + fid::Kasus(k));
    }
    void Genera(int32_t basis)
    {
        Ueberschrift("maskulinum").Kinder([&] { Deklination(basis + fid::MASKULINUM); });
        Ueberschrift("femininum").Kinder([&] { Deklination(basis + fid::FEMININUM); });
        Ueberschrift("neutrum").Kinder([&] { Deklination(basis + fid::NEUTRUM); });
    }
    void Personen(int32_t basis)
    {
        static const char *const kPersonen[] = {"1. Person Sg.", "2. Person Sg.", "3. Person Sg.",
                                                "1. Person Pl.", "2. Person Pl.", "3. Person Pl."};
        for (int32_t p = 1; p <= 6; ++p)
            Zeile(kPersonen[p - 1], basis + p);
    }
    // Headings of the tenses, each with its person block.
    void Tempora(int32_t basis, bool indikativ)
    {
        const std::pair<const char *, int32_t> tempora[] = {{"Präsens", fid::PRAESENS},
                                                            {"Imperfekt", fid::IMPERFEKT},
                                                            {"Futur I", fid::FUTUR1},
                                                            {"Perfekt", fid::PERFEKT},
                                                            {"Plusquamperfekt", fid::PLUSQUAMPERFEKT},
                                                            {"Futur II", fid::FUTUR2}};
        for (const auto &[name, tempus] : tempora) {
            if (!indikativ && (tempus == fid::FUTUR1 || tempus == fid::FUTUR2))
                continue;
            // Captured by value: clang 14 cannot capture a structured binding.
            Ueberschrift(name).Kinder([this, block = basis + tempus] { Personen(block); });
        }
    }
    // Rows whose Latin text is shown at once: the forms the block yields,
    // matched to the rows by identifier so a missing form leaves its row empty.
    void BlockZeilen(int32_t block, std::initializer_list<std::pair<const char *, int32_t>> zeilen)
    {
        m_manager.Zuruecksetzen();
        m_manager.FormenErzeugen(m_v, block);
        for (const auto &[caption, id] : zeilen) {
            QString text;
            for (const TLatForm &f : m_manager.Ergebnisliste())
                if (f.formId == id) {
                    text = f.text;
                    break;
                }
            Zeile(caption, id, text);
        }
    }

  private:
    void Neu(QString caption, int32_t art, int32_t id, QString text)
    {
        TBaumKnoten k;
        k.daten.caption = std::move(caption);
        k.daten.kind = art;
        k.daten.id = id;
        k.daten.text = std::move(text);
        k.daten.label = FormBezeichnung(id);
        k.ebene = m_ebene;
        k.angehakt = id != 0 && m_angehakt.contains(id);
        knoten.push_back(std::move(k));
    }

    TFormenmanager &m_manager;
    const TVokabel &m_v;
    const QSet<int32_t> &m_angehakt;
    int m_ebene = 0;
};

void VerbBaum(Aufbau &b, bool deponens)
{
    constexpr int32_t IND = fid::INDIKATIV, KONJ = fid::KONJUNKTIV;
    b.Ueberschrift("Indikativ").Kinder([&] {
        b.Ueberschrift("Aktiv").Kinder([&] { b.Tempora(fid::AKTIV | IND, true); });
        if (!deponens)
            b.Ueberschrift("Passiv").Kinder([&] { b.Tempora(fid::PASSIV | IND, true); });
    });
    b.Ueberschrift("Konjunktiv").Kinder([&] {
        b.Ueberschrift("Aktiv").Kinder([&] { b.Tempora(fid::AKTIV | KONJ, false); });
        if (!deponens)
            b.Ueberschrift("Passiv").Kinder([&] { b.Tempora(fid::PASSIV | KONJ, false); });
    });
    b.Ueberschrift("Imperativ").Kinder([&] {
        b.Ueberschrift("Imperativ I").Kinder([&] {
            b.BlockZeilen(fid::IMPERATIV_I, {{"2. Person Sg.", 202}, {"2. Person Pl.", 205}});
        });
        b.Ueberschrift("Imperativ II").Kinder([&] {
            if (deponens)
                b.BlockZeilen(fid::IMPERATIV_II,
                              {{"2. Person Sg.", 210}, {"3. Person Sg.", 211}, {"3. Person Pl.", 214}});
            else
                b.BlockZeilen(
                    fid::IMPERATIV_II,
                    {{"2. Person Sg.", 210}, {"3. Person Sg.", 211}, {"2. Person Pl.", 213}, {"3. Person Pl.", 214}});
        });
    });
    b.Ueberschrift("Nominalformen").Kinder([&] {
        b.Ueberschrift("substantivisch").Kinder([&] {
            b.Ueberschrift("Infinitive").Kinder([&] {
                if (deponens)
                    b.BlockZeilen(fid::INFINITIV,
                                  {{"Präsens Aktiv", 2312}, {"Perfekt Aktiv", 2336}, {"Futur Aktiv", 2328}});
                else
                    b.BlockZeilen(fid::INFINITIV, {{"Präsens Aktiv", 2312},
                                                   {"Präsens Passiv", 2568},
                                                   {"Perfekt Aktiv", 2336},
                                                   {"Perfekt Passiv", 2592},
                                                   {"Futur Aktiv", 2328},
                                                   {"Futur Passiv", 2584}});
            });
            b.Ueberschrift("Gerundium").Kinder([&] {
                b.BlockZeilen(fid::GERUNDIUM, {{"Nominativ Sg.", 0x3000},
                                               {"Genitiv Sg.", 0x5000},
                                               {"Dativ Sg.", 0x7000},
                                               {"Akkusativ Sg.", 0x9000},
                                               {"Ablativ Sg.", 0xB000}});
            });
            if (!deponens)
                b.Ueberschrift("Supin").Kinder([&] {
                    b.BlockZeilen(fid::SUPINUM, {{"Supinum I", fid::SUPINUM_I}, {"Supinum II", fid::SUPINUM_II}});
                });
        });
        b.Ueberschrift("adjektivisch").Kinder([&] {
            b.Ueberschrift("Partizip Präsens Aktiv").Kinder([&] { b.Genera(1288); });
            b.Ueberschrift("Partizip Futur Aktiv").Kinder([&] { b.Genera(1304); });
            if (deponens)
                b.Ueberschrift("Partizip Perfekt Aktiv").Kinder([&] { b.Genera(1312); });
            else
                b.Ueberschrift("Partizip Perfekt Passiv").Kinder([&] { b.Genera(1568); });
            b.Ueberschrift("Gerundivum").Kinder([&] { b.Genera(fid::GERUNDIVUM); });
        });
    });
}

int32_t NomenGenus(const TVokabel &v)
{
    return GenusAusBuchstabe(v.form2.trimmed().toLower());
}

} // namespace

std::vector<TBaumKnoten> FormenBaumKnoten(TFormenmanager &manager, const TVokabel &v, int art,
                                          const QSet<int32_t> &angehakt)
{
    Aufbau b(manager, v, angehakt);
    switch (v.Wortart()) {
    case WA_SUBSTANTIV:
    case WA_PRONOMEN:
        b.Deklination(NomenGenus(v));
        break;
    case WA_ADJEKTIV:
        b.Ueberschrift("Positiv").Kinder([&] { b.Genera(fid::POSITIV); });
        b.Ueberschrift("Komparativ").Kinder([&] { b.Genera(fid::KOMPARATIV); });
        b.Ueberschrift("Superlativ").Kinder([&] { b.Genera(fid::SUPERLATIV); });
        b.Ueberschrift("Adverb").Kinder([&] {
            b.Zeile("Positiv", fid::ADVERB | fid::POSITIV);
            b.Zeile("Komparativ", fid::ADVERB | fid::KOMPARATIV);
            b.Zeile("Superlativ", fid::ADVERB | fid::SUPERLATIV);
        });
        break;
    case WA_ADVERB:
        b.Ueberschrift("Komparativ").Kinder([&] { b.Genera(fid::KOMPARATIV); });
        b.Ueberschrift("Superlativ").Kinder([&] { b.Genera(fid::SUPERLATIV); });
        break;
    case WA_VERB:
        if (art == 1)
            VerbBaum(b, v.Deponens() || v.Semideponens());
        break;
    default:
        break;
    }
    return std::move(b.knoten);
}

std::vector<TBaumKnoten> AnalyseBaumKnoten(const TVokabel &v, const std::vector<TLatForm> &ergebnisse)
{
    std::vector<TBaumKnoten> knoten;
    auto neu = [&](const QString &caption, int32_t art, int ebene, bool offen = false) {
        TBaumKnoten k;
        k.daten.caption = caption;
        k.daten.kind = art;
        k.daten.label = caption;
        k.ebene = ebene;
        k.ausgeklappt = offen;
        knoten.push_back(std::move(k));
    };
    neu(v.vokabel, KNOTEN_VOKABEL, 0, true);
    knoten.back().daten.id = v.id;
    neu(QStringLiteral("Bedeutungen"), KNOTEN_UEBERSCHRIFT, 1, true);
    for (const auto &b : v.bedeutungen)
        neu(b->bedeutung, KNOTEN_BEDEUTUNG, 2);

    const int32_t wa = v.Wortart();
    if (wa == WA_UNBESTIMMT || wa < WA_VERB || wa > WA_PRONOMEN)
        return knoten;
    neu(QStringLiteral("Attribute"), KNOTEN_UEBERSCHRIFT, 1, true);
    neu(QStringLiteral("Formen: ") + v.FormenText(), KNOTEN_ATTRIBUT, 2);
    if (wa == WA_VERB)
        neu(QStringLiteral("Konjugation: ") + v.KonjDeklText(), KNOTEN_ATTRIBUT, 2);
    else if (wa == WA_SUBSTANTIV || wa == WA_ADJEKTIV)
        neu(QStringLiteral("Deklination: ") + v.KonjDeklText(), KNOTEN_ATTRIBUT, 2);
    neu(QStringLiteral("Analysierte Formen"), KNOTEN_UEBERSCHRIFT, 1, true);
    for (const TLatForm &f : ergebnisse)
        if (f.vokabelId == v.id && !f.bezeichnung.isEmpty()) {
            neu(f.bezeichnung, KNOTEN_FORM, 2);
            knoten.back().daten.id = f.formId;
            knoten.back().daten.text = f.text;
        }
    return knoten;
}

QString ErsteFormText(TFormenmanager &manager, const TVokabel &v, int32_t formId)
{
    manager.Zuruecksetzen();
    if (formId > 0)
        manager.FormenErzeugen(v, formId);
    return manager.Ergebnisliste().empty() ? QString() : manager.Ergebnisliste().front().text;
}

QString FormenText(TFormenmanager &manager, const TVokabel &v, int32_t formId, TLaengenAnzeige anzeige)
{
    manager.Zuruecksetzen();
    if (formId > 0)
        manager.FormenErzeugen(v, formId);
    QStringList texte;
    for (const TLatForm &f : manager.Ergebnisliste()) {
        if (f.formId != formId || f.text.isEmpty())
            continue;
        // Endings told apart only by their lengths are one text once the marks are off.
        const QString text = LaengenZeigen(f.text, anzeige);
        if (!texte.contains(text))
            texte.append(text);
    }
    return texte.join(QStringLiteral(" / "));
}

} // namespace lexovita
