#include "fsrs.h"

#include <algorithm>
#include <cmath>

namespace lexovita {

namespace {

double Begrenzt(double d)
{
    return std::clamp(d, 1.0, 10.0);
}

int Zahl(TNote n)
{
    return static_cast<int>(n);
}

} // namespace

const TFsrs::TGewichte &TFsrs::Standardgewichte()
{
    static const TGewichte w = {0.40255, 1.18385, 3.173, 15.69105, 7.1949, 0.5345, 1.4604, 0.0046,  1.54575, 0.1192,
                                1.01925, 1.9395,  0.11,  0.29605,  2.2698, 0.2315, 2.9898, 0.51655, 0.6621};
    return w;
}

TFsrs::TFsrs(const IUhr &uhr, double behalten, const TGewichte &gewichte)
    : m_uhr(uhr), m_behalten(std::clamp(behalten, 0.5, 0.99)), m_w(gewichte)
{
}

double TFsrs::Abrufbarkeit(double tage, double stabilitaet)
{
    return std::pow(1.0 + kFaktor * tage / stabilitaet, kZerfall);
}

int TFsrs::Intervall(double stabilitaet) const
{
    const double tage = stabilitaet / kFaktor * (std::pow(m_behalten, 1.0 / kZerfall) - 1.0);
    return std::clamp(static_cast<int>(std::lround(tage)), 1, kLaengstesIntervall);
}

double TFsrs::AnfangsStabilitaet(TNote note) const
{
    return std::max(m_w[static_cast<size_t>(Zahl(note) - 1)], 0.1);
}

double TFsrs::AnfangsSchwierigkeit(TNote note) const
{
    return Begrenzt(m_w[4] - std::exp(m_w[5] * (Zahl(note) - 1)) + 1.0);
}

double TFsrs::NaechsteSchwierigkeit(double d, TNote note) const
{
    // The step shrinks near 10 so hard entries do not stick at the top, and
    // everything drifts slowly back towards the difficulty of an easy start.
    const double schritt = -m_w[6] * (Zahl(note) - 3);
    const double naechste = d + schritt * (10.0 - d) / 9.0;
    const double anfangLeicht = m_w[4] - std::exp(m_w[5] * 3) + 1.0;
    return Begrenzt(m_w[7] * anfangLeicht + (1.0 - m_w[7]) * naechste);
}

double TFsrs::StabilitaetNachErinnern(double d, double s, double r, TNote note) const
{
    const double strafe = note == TNote::Schwer ? m_w[15] : 1.0;
    const double bonus = note == TNote::Leicht ? m_w[16] : 1.0;
    return s * (1.0 + std::exp(m_w[8]) * (11.0 - d) * std::pow(s, -m_w[9]) * (std::exp(m_w[10] * (1.0 - r)) - 1.0) *
                          strafe * bonus);
}

double TFsrs::StabilitaetNachVergessen(double d, double s, double r) const
{
    const double neu =
        m_w[11] * std::pow(d, -m_w[12]) * (std::pow(s + 1.0, m_w[13]) - 1.0) * std::exp(m_w[14] * (1.0 - r));
    // Forgetting never makes the memory stronger than it was.
    return std::min(neu, s);
}

double TFsrs::StabilitaetAmSelbenTag(double s, TNote note) const
{
    return s * std::exp(m_w[17] * (Zahl(note) - 3 + m_w[18]));
}

TGedaechtnis TFsrs::Wiederholen(const std::optional<TGedaechtnis> &vorher, TNote note, int32_t vokabelId,
                                TAbfrageRichtung richtung) const
{
    const QDateTime jetzt = m_uhr.Jetzt();
    TGedaechtnis g;
    if (vorher && vorher->letzte.isValid() && vorher->stabilitaet > 0) {
        g = *vorher;
        // Whole days, as a pupil counts them: yesterday evening is one day ago.
        const qint64 tage = std::max<qint64>(0, vorher->letzte.date().daysTo(jetzt.date()));
        const double s = vorher->stabilitaet;
        const double d = vorher->schwierigkeit;
        if (tage == 0)
            g.stabilitaet = StabilitaetAmSelbenTag(s, note);
        else {
            const double r = Abrufbarkeit(static_cast<double>(tage), s);
            g.stabilitaet =
                note == TNote::Nochmal ? StabilitaetNachVergessen(d, s, r) : StabilitaetNachErinnern(d, s, r, note);
        }
        g.schwierigkeit = NaechsteSchwierigkeit(d, note);
    } else {
        g.stabilitaet = AnfangsStabilitaet(note);
        g.schwierigkeit = AnfangsSchwierigkeit(note);
        g.erste = jetzt.date();
        g.wiederholungen = 0;
        g.richtige = 0;
    }
    g.stabilitaet = std::max(g.stabilitaet, 0.01);
    g.vokabelId = vokabelId;
    g.richtung = richtung;
    g.letzte = jetzt;
    g.faellig = jetzt.date().addDays(Intervall(g.stabilitaet));
    ++g.wiederholungen;
    if (note != TNote::Nochmal)
        ++g.richtige;
    return g;
}

} // namespace lexovita
