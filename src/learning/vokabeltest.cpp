#include "vokabeltest.h"

#include "antwort.h"
#include "morph/formid.h"

namespace lexovita {

namespace {

// The typed perfect or participle in the neuter the entry stores, so that a
// masculine or feminine answer counts ("hortatus sum" for "hortatum sum").
// The ending is tested as typed: "hortatUS sum" stays as it is.
QString MaskulinumOderFemininumZuNeutrum(const QString &text, const QString &mask, const QString &fem,
                                         const QString &neutrum)
{
    if (text.endsWith(mask))
        return text.left(text.size() - mask.size()) + neutrum;
    if (text.endsWith(fem))
        return text.left(text.size() - fem.size()) + neutrum;
    return text;
}

} // namespace

TVokabeltest::TVokabeltest(const TLektion &lektion, const TConfig &config, IVokabelQuelle &quelle, IZufall &zufall)
    : m_lektion(lektion), m_config(config), m_quelle(quelle), m_zufall(zufall)
{
    ListeFuellen();
}

void TVokabeltest::ListeFuellen()
{
    m_abfrageliste.clear();
    for (const auto &v : m_lektion.vokabeln)
        m_abfrageliste.push_back(v->id);
    m_aktuellerIndex = 0;
}

void TVokabeltest::NaechsteVokabel()
{
    bedeutungRichtig = false;
    const bool formenOffen = !m_config.vlStammformen;
    form1Richtig = form2Richtig = form3Richtig = formenOffen;
    antwort.clear();
    antwortForm1.clear();
    antwortForm2.clear();
    antwortForm3.clear();
    eingegebeneFormen.clear();
    if (m_abfrageliste.empty())
        return;
    if (m_config.vlsMischen)
        m_aktuellerIndex = m_zufall.Zahl(Verbleibend());
    // Mixing switched off in mid-drill may leave the index past the end.
    if (m_aktuellerIndex >= Verbleibend())
        m_aktuellerIndex = 0;
    m_aktuelleVokabel = m_quelle.VokabelLaden(m_abfrageliste[m_aktuellerIndex]);
}

int32_t TVokabeltest::GefragterKasus(const TVokabel &v) const
{
    const int32_t kasus = m_config.vlKasus;
    const int32_t nr = fid::KasusNr(kasus);
    if (v.PluralisTantum() && kasus == fid::Kasus(nr) && nr >= 1 && nr <= fid::KASUS_SINGULAR)
        return kasus + fid::Kasus(fid::KASUS_SINGULAR);
    return kasus;
}

void TVokabeltest::Pruefen()
{
    if (!m_aktuelleVokabel)
        return;
    const TVokabel &v = *m_aktuelleVokabel;
    eingegebeneFormen.clear();

    bedeutungRichtig = false;
    if (m_config.LateinDeutsch()) {
        for (const auto &b : v.bedeutungen) {
            if (AntwortVergleichen(antwort, b->bedeutung)) {
                bedeutungRichtig = true;
                break;
            }
        }
    } else {
        bedeutungRichtig = LateinVergleichen(antwort, v.vokabel);
    }

    if (m_config.vlStammformen)
        FormenPruefen(v);

    TVokStatistik &statistik = StatistikFuer(v.id);
    if (IstRichtig()) {
        ++richtige;
        ++statistik.richtig;
        if (m_aktuellerIndex < Verbleibend())
            m_abfrageliste.erase(m_abfrageliste.begin() + m_aktuellerIndex);
        return;
    }
    ++falsche;
    ++statistik.falsch;
    if (m_config.vlsMischen) {
        if (m_config.vlsFalscheMehrfach && statistik.falsch >= m_config.vlsFalscheAnzahl)
            m_abfrageliste.push_back(v.id);
    } else if (m_config.vlsAnfang) {
        ListeFuellen();
    } else if (m_aktuellerIndex < Verbleibend()) {
        m_abfrageliste.erase(m_abfrageliste.begin() + m_aktuellerIndex);
    }
}

void TVokabeltest::FormenPruefen(const TVokabel &v)
{
    form1Richtig = form2Richtig = form3Richtig = true;
    switch (v.Wortart()) {
    case WA_VERB:
        if (m_config.vlPraesens && !v.form1.isEmpty())
            form1Richtig = LateinVergleichen(antwortForm1, v.form1);
        if (m_config.vlPerfekt && !v.form2.isEmpty()) {
            antwortForm2 = MaskulinumOderFemininumZuNeutrum(antwortForm2, QStringLiteral("us sum"),
                                                            QStringLiteral("a sum"), QStringLiteral("um sum"));
            form2Richtig = LateinVergleichen(antwortForm2, v.form2);
        }
        if (m_config.vlPartizip && !v.form3.isEmpty()) {
            antwortForm3 = MaskulinumOderFemininumZuNeutrum(antwortForm3, QStringLiteral("us"), QStringLiteral("a"),
                                                            QStringLiteral("um"));
            form3Richtig = LateinVergleichen(antwortForm3, v.form3);
        }
        break;
    case WA_SUBSTANTIV: {
        m_formen.Zuruecksetzen();
        m_formen.FormenErzeugen(v, GefragterKasus(v));
        if (!m_formen.Ergebnisliste().empty()) {
            form1Richtig = LateinVergleichen(antwortForm1, m_formen.Ergebnisliste().front().text);
            if (!form1Richtig)
                EingegebeneFormSuchen(v, antwortForm1);
        }
        if (!v.form2.isEmpty())
            form2Richtig = AntwortVergleichen(antwortForm2, v.form2);
        break;
    }
    case WA_ADJEKTIV: {
        const QString *gespeichert[3] = {&v.form1, &v.form2, &v.form3};
        const QString *getippt[3] = {&antwortForm1, &antwortForm2, &antwortForm3};
        bool *urteil[3] = {&form1Richtig, &form2Richtig, &form3Richtig};
        for (int i = 0; i < 3; ++i) {
            if (!gespeichert[i]->isEmpty())
                *urteil[i] = LateinVergleichen(*getippt[i], *gespeichert[i]);
        }
        break;
    }
    default:
        break;
    }
}

void TVokabeltest::EingegebeneFormSuchen(const TVokabel &v, const QString &eingabe)
{
    if (AntwortNormalisieren(eingabe, true).isEmpty())
        return;
    m_formen.Zuruecksetzen();
    m_formen.AlleFormenErzeugen(v);
    for (const TLatForm &f : m_formen.Ergebnisliste()) {
        if (!f.text.isEmpty() && LateinVergleichen(eingabe, f.text) && !eingegebeneFormen.contains(f.bezeichnung))
            eingegebeneFormen << f.bezeichnung;
    }
}

int TVokabeltest::ProzentRichtig() const
{
    return Abgefragt() == 0 ? 0 : richtige * 100 / Abgefragt();
}

int TVokabeltest::ProzentFalsch() const
{
    return Abgefragt() == 0 ? 0 : falsche * 100 / Abgefragt();
}

TVokStatistik &TVokabeltest::StatistikFuer(int32_t id)
{
    for (TVokStatistik &s : m_statistiken) {
        if (s.vokabelId == id)
            return s;
    }
    m_statistiken.push_back(TVokStatistik{id, 0, 0});
    return m_statistiken.back();
}

bool TVokabeltest::AntwortVergleichen(const QString &a, const QString &b) const
{
    return lexovita::AntwortVergleichen(a, b, m_config.vlCase);
}

} // namespace lexovita
