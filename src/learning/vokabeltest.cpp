#include "vokabeltest.h"

#include "antwort.h"
#include "morph/formid.h"

#include <algorithm>

namespace lexovita {

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
    laengenHinweise.clear();
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
    laengenHinweise.clear();

    const QString getippt = AntwortFeldNormalisiert(antwort);
    const QStringList ziele = AntwortZiele(v);
    bedeutungRichtig = std::any_of(ziele.begin(), ziele.end(),
                                   [&](const QString &z) { return AntwortFeldNormalisiert(z) == getippt; });

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
    if (m_config.vlsMischen && m_config.vlsFalscheMehrfach) {
        // The drawn copy stays, and from the threshold on one more is added.
        if (statistik.falsch >= m_config.vlsFalscheAnzahl)
            m_abfrageliste.push_back(v.id);
    } else if (!m_config.vlsMischen && m_config.vlsAnfang) {
        ListeFuellen();
    } else if (m_aktuellerIndex < Verbleibend()) {
        // Not to be asked again: the entry stays counted as wrong, and the
        // drill can end.
        m_abfrageliste.erase(m_abfrageliste.begin() + m_aktuellerIndex);
    }
}

QString TVokabeltest::AntwortFeldNormalisiert(const QString &text) const
{
    return m_config.LateinDeutsch() ? lexovita::AntwortNormalisieren(text, m_config.vlCase)
                                    : LateinNormalisieren(text, m_config.vlCase);
}

QStringList TVokabeltest::AntwortZiele(const TVokabel &v) const
{
    if (!m_config.LateinDeutsch())
        return {v.vokabel};
    QStringList ziele;
    for (const auto &b : v.bedeutungen)
        ziele << b->bedeutung;
    return ziele;
}

bool TVokabeltest::AntwortPasstNoch(const QString &getippt) const
{
    if (!m_aktuelleVokabel)
        return false;
    const QString anfang = AntwortFeldNormalisiert(getippt);
    const QStringList ziele = AntwortZiele(*m_aktuelleVokabel);
    return std::any_of(ziele.begin(), ziele.end(),
                       [&](const QString &z) { return AntwortFeldNormalisiert(z).startsWith(anfang); });
}

bool TVokabeltest::StammformGleich(const QString &getippt, const QString &ziel, bool partizip, bool mitSum)
{
    const auto gleich = [&](bool laengen) {
        const QString g = LateinNormalisieren(getippt, m_config.vlCase, laengen);
        const QString z = LateinNormalisieren(ziel, m_config.vlCase, laengen);
        return g == z || (partizip && PartizipNeutrum(g, mitSum) == PartizipNeutrum(z, mitSum));
    };
    if (!gleich(false))
        return false;
    // A part stored without marks has no lengths to ask.
    if (!m_config.lrLaengen || !HatLaengen(ziel) || gleich(true))
        return true;
    laengenHinweise << LaengenHinweis(ziel, getippt);
    return false;
}

std::vector<TAbfragefeld> TVokabeltest::Abfragefelder() const
{
    return m_aktuelleVokabel ? Abfragefelder(*m_aktuelleVokabel) : std::vector<TAbfragefeld>{};
}

std::vector<TAbfragefeld> TVokabeltest::Abfragefelder(const TVokabel &v) const
{
    std::vector<TAbfragefeld> felder;
    if (!m_config.vlStammformen)
        return felder;
    const auto wenn = [&](bool an, TAbfragefeld::Art art, const QString &bezeichnung) {
        if (an)
            felder.push_back({art, bezeichnung});
    };
    switch (v.Wortart()) {
    case WA_VERB:
        wenn(m_config.vlPraesens && !v.form1.isEmpty(), TAbfragefeld::Form1,
             QStringLiteral("1. Prs. Präsens Aktiv Indikativ"));
        wenn(m_config.vlPerfekt && !v.form2.isEmpty(), TAbfragefeld::Form2,
             QStringLiteral("1. Prs. Perfekt Aktiv Indikativ"));
        // A deponent has no passive participle of its own to ask.
        wenn(m_config.vlPartizip && !v.Deponens() && !v.form3.isEmpty(), TAbfragefeld::Form3,
             QStringLiteral("Partizip Perfekt Passiv"));
        break;
    case WA_SUBSTANTIV:
        felder.push_back({TAbfragefeld::Form1, FormBezeichnung(GefragterKasus(v))});
        wenn(!v.form2.isEmpty(), TAbfragefeld::Genus, QStringLiteral("Genus"));
        break;
    case WA_ADJEKTIV:
        if (!v.form2.isEmpty() || !v.form3.isEmpty()) {
            wenn(!v.form1.isEmpty(), TAbfragefeld::Form1, QStringLiteral("Nominativ Sg. maskulinum"));
            wenn(!v.form2.isEmpty(), TAbfragefeld::Form2, QStringLiteral("Nominativ Sg. femininum"));
            wenn(!v.form3.isEmpty(), TAbfragefeld::Form3, QStringLiteral("Nominativ Sg. neutrum"));
        } else {
            wenn(!v.form1.isEmpty(), TAbfragefeld::Form1, QStringLiteral("Genitiv Sg. maskulinum"));
        }
        break;
    default:
        break;
    }
    return felder;
}

void TVokabeltest::FormenPruefen(const TVokabel &v)
{
    form1Richtig = form2Richtig = form3Richtig = true;
    const bool verb = v.Wortart() == WA_VERB;
    for (const TAbfragefeld &feld : Abfragefelder(v)) {
        switch (feld.art) {
        case TAbfragefeld::Form1:
            if (v.Wortart() != WA_SUBSTANTIV) {
                form1Richtig = StammformGleich(antwortForm1, v.form1);
                break;
            }
            m_formen.Zuruecksetzen();
            // The case form with its lengths where they are asked and known;
            // the comparison folds them otherwise.
            m_formen.SetLaengen(m_config.lrLaengen && LaengenBekannt(v));
            m_formen.FormenErzeugen(v, GefragterKasus(v));
            m_formen.SetLaengen(false);
            if (!m_formen.Ergebnisliste().empty()) {
                form1Richtig = StammformGleich(antwortForm1, m_formen.Ergebnisliste().front().text);
                if (!form1Richtig)
                    EingegebeneFormSuchen(v, antwortForm1);
            }
            break;
        case TAbfragefeld::Form2: {
            // A perfect stored as participle and "sum" ("gavisus sum") takes
            // the participle in any gender; any other perfect is compared as
            // it is.
            const bool mitSum = verb && v.form2.trimmed().endsWith(QLatin1String(" sum"));
            form2Richtig = StammformGleich(antwortForm2, v.form2, mitSum, verb);
            break;
        }
        case TAbfragefeld::Form3:
            form3Richtig = StammformGleich(antwortForm3, v.form3, verb, false);
            break;
        case TAbfragefeld::Genus:
            form2Richtig = AntwortVergleichen(antwortForm2, v.form2);
            break;
        }
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
    return ProzenteRunden(richtige, falsche).richtig;
}

int TVokabeltest::ProzentFalsch() const
{
    return ProzenteRunden(richtige, falsche).falsch;
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
