#include "formentest.h"

#include "antwort.h"
#include "morph/analyse.h"
#include "morph/formid.h"

namespace lexovita {

namespace {

std::vector<int32_t> Identifikatoren(const QStringList &liste)
{
    std::vector<int32_t> ids;
    for (const QString &t : liste) {
        bool ok = false;
        const int32_t id = t.toInt(&ok);
        if (ok)
            ids.push_back(id);
    }
    return ids;
}

// Lowers A-Z only and trims blanks and control characters at both ends.
QString GetipptBereinigen(const QString &text)
{
    QString t = text;
    for (QChar &c : t) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() - 'A' + 'a');
    }
    qsizetype anfang = 0;
    qsizetype ende = t.size();
    while (anfang < ende && t[anfang].unicode() <= ' ')
        ++anfang;
    while (ende > anfang && t[ende - 1].unicode() <= ' ')
        --ende;
    return t.mid(anfang, ende - anfang);
}

} // namespace

TFormenTest::TFormenTest(const TLektion &lektion, const TConfig &config, IZufall &zufall, IAnalysequelle *quelle)
    : m_lektion(lektion), m_zufall(zufall), m_quelle(quelle), m_verbAlle(Identifikatoren(config.flVerb)),
      m_substantivAlle(Identifikatoren(config.flSubstantiv)), m_adjektivAlle(Identifikatoren(config.flAdjektiv)),
      m_verb(m_verbAlle), m_substantiv(m_substantivAlle), m_adjektiv(m_adjektivAlle), m_keine{0},
      m_laengenAbfragen(config.lrLaengen)
{
}

bool TFormenTest::IstGrundform(int32_t wortart, int32_t id)
{
    // Qualified: inside the class, Modus names the drill's mode.
    using fid::AKTIV, fid::PRAESENS, fid::IMPERFEKT, fid::FUTUR1, fid::PERFEKT, fid::INFINITIV, fid::INDIKATIV,
        fid::IMPERATIV, fid::ADVERB, fid::POSITIV;
    using fid::GenusVerbi, fid::Tempus, fid::Nominalform, fid::Grad;
    switch (wortart) {
    case WA_VERB: {
        if (GenusVerbi(id) != AKTIV)
            return false;
        const int32_t tempus = Tempus(id);
        if (Nominalform(id) == INFINITIV)
            return tempus == PRAESENS;
        if (Nominalform(id) != 0)
            return false;
        if (fid::Modus(id) == IMPERATIV)
            return tempus == PRAESENS;
        return fid::Modus(id) == INDIKATIV &&
               (tempus == PRAESENS || tempus == IMPERFEKT || tempus == FUTUR1 || tempus == PERFEKT);
    }
    case WA_ADJEKTIV:
        return (id & ADVERB) == 0 && (Grad(id) == 0 || Grad(id) == POSITIV);
    default:
        return true;
    }
}

void TFormenTest::SetNurGrundformen(bool an)
{
    m_nurGrundformen = an;
    const auto waehlen = [an](const std::vector<int32_t> &alle, int32_t wortart) {
        std::vector<int32_t> aus;
        for (const int32_t id : alle)
            if (!an || IstGrundform(wortart, id))
                aus.push_back(id);
        return aus;
    };
    m_verb = waehlen(m_verbAlle, WA_VERB);
    m_substantiv = waehlen(m_substantivAlle, WA_SUBSTANTIV);
    m_adjektiv = waehlen(m_adjektivAlle, WA_ADJEKTIV);
    m_vorhanden.reset(); // the lesson may have forms now, or none
}

const std::vector<int32_t> &TFormenTest::ErlaubteFormen(int32_t wortart) const
{
    switch (wortart) {
    case WA_VERB:
        return m_verb;
    case WA_SUBSTANTIV:
    case WA_PRONOMEN:
        return m_substantiv;
    case WA_ADJEKTIV:
        return m_adjektiv;
    default:
        return m_keine;
    }
}

bool TFormenTest::FormErzeugen(const TVokabel &v, int32_t id)
{
    m_formen.Zuruecksetzen();
    m_formen.FormenErzeugen(v, id);
    return !m_formen.Ergebnisliste().empty() && !m_formen.Ergebnisliste().front().text.isEmpty();
}

void TFormenTest::LaengenErzeugen(const TVokabel &v, int32_t id)
{
    // The marked records come in the same order as the plain ones.
    m_formen.SetLaengen(true);
    FormErzeugen(v, id);
    m_formen.SetLaengen(false);
    const TLatForm &f = m_formen.Ergebnisliste().front();
    formTextLaengen = f.text;
    formVariantenLaengen.clear();
    for (const TLatForm &w : m_formen.Ergebnisliste())
        if (w.variante == 2 && (w.formId & ~fid::VERKUERZT) == f.formId && !w.text.isEmpty())
            formVariantenLaengen << w.text;
}

bool TFormenTest::FormenVorhanden()
{
    // The lesson and the allowed lists do not change while a drill runs.
    if (!m_vorhanden) {
        m_vorhanden = false;
        for (const auto &v : m_lektion.vokabeln) {
            for (const int32_t id : ErlaubteFormen(v->Wortart())) {
                if (FormErzeugen(*v, id)) {
                    m_vorhanden = true;
                    return true;
                }
            }
        }
    }
    return *m_vorhanden;
}

bool TFormenTest::NaechsteForm()
{
    antwort.clear();
    antwortFormId = 0;
    formText.clear();
    formVarianten.clear();
    formTextLaengen.clear();
    formVariantenLaengen.clear();
    loesungen.clear();
    eingegebeneFormen.clear();
    laengenHinweis.clear();
    if (!FormenVorhanden())
        return false;
    // Entry and identifier are drawn independently each time, so some draws
    // miss; FormenVorhanden guarantees that one can hit.
    while (formText.isEmpty()) {
        const TVokabel &v = *m_lektion.vokabeln[m_zufall.Zahl(m_lektion.Anzahl())];
        const std::vector<int32_t> &ids = ErlaubteFormen(v.Wortart());
        if (ids.empty())
            continue;
        if (!FormErzeugen(v, ids[m_zufall.Zahl(static_cast<int>(ids.size()))]))
            continue;
        const TLatForm &f = m_formen.Ergebnisliste().front();
        formVarianten.clear();
        for (const TLatForm &w : m_formen.Ergebnisliste())
            if (w.variante == 2 && (w.formId & ~fid::VERKUERZT) == f.formId && !w.text.isEmpty())
                formVarianten << w.text;
        aktuelleVokabel = &v;
        formId = f.formId;
        formText = f.text;
        formBezeichnung = f.bezeichnung;
    }
    LaengenErzeugen(*aktuelleVokabel, formId);
    return true;
}

bool TFormenTest::Pruefen()
{
    const bool richtig = m_modus == Bestimmen ? PruefenBestimmen() : PruefenBilden();
    ++(richtig ? richtige : falsche);
    return richtig;
}

bool TFormenTest::PruefenBilden()
{
    eingegebeneFormen.clear();
    laengenHinweis.clear();
    antwort = GetipptBereinigen(antwort);
    // No punctuation is removed: "laudavi." is not the form. Every ending a
    // grammar prints for the asked form counts (amaris or amare).
    const QString gefaltet = LateinFalten(antwort);
    const QStringList ziele = QStringList{formText} + formVarianten;
    for (const QString &ziel : ziele) {
        if (gefaltet != LateinFalten(ziel))
            continue;
        // Lengths count only where the entry has them: an unmarked entry's
        // forms carry long endings on stems of unknown length.
        if (!m_laengenAbfragen || !aktuelleVokabel || !LaengenBekannt(*aktuelleVokabel))
            return true;
        const QStringList markiert = QStringList{formTextLaengen} + formVariantenLaengen;
        const QString mitLaengen = LateinFalten(antwort, false, true);
        for (const QString &m : markiert)
            if (mitLaengen == LateinFalten(m, false, true))
                return true;
        // The marked text of the ending that was meant, else the first.
        const qsizetype i = ziele.indexOf(ziel);
        laengenHinweis = LaengenHinweis(i < markiert.size() ? markiert[i] : formTextLaengen, antwort);
        return false;
    }
    if (aktuelleVokabel && !antwort.isEmpty()) {
        m_formen.Zuruecksetzen();
        m_formen.AlleFormenErzeugen(*aktuelleVokabel);
        for (const TLatForm &f : m_formen.Ergebnisliste()) {
            if (!f.text.isEmpty() && LateinFalten(f.text) == LateinFalten(antwort) &&
                !eingegebeneFormen.contains(f.bezeichnung))
                eingegebeneFormen << f.bezeichnung;
        }
    }
    return false;
}

bool TFormenTest::PruefenBestimmen()
{
    loesungen.clear();
    if (!aktuelleVokabel || !m_quelle)
        return false;
    m_formen.Zuruecksetzen();
    TFormanalyse analyse(m_formen, *m_quelle);
    analyse.FormAnalysieren(formText);
    bool richtig = false;
    for (const TLatForm &f : m_formen.Ergebnisliste()) {
        if (f.vokabelId != aktuelleVokabel->id)
            continue;
        loesungen << f.bezeichnung;
        // A pronoun's case counts whatever its gender: the genders are
        // entries of their own, and the tree names only the entry's.
        const int32_t ohne = aktuelleVokabel->Wortart() == WA_PRONOMEN ? ~fid::GENUS_MASKE : ~0;
        if ((f.formId & ohne) == (antwortFormId & ohne))
            richtig = true;
    }
    return richtig;
}

} // namespace lexovita
