#include "wiederholdienst.h"

#include "app/anwendungskern.h"
#include "model/config.h"
#include "model/lektion.h"
#include "store/datenmanager.h"
#include "store/lektionsspeicher.h"
#include "store/lernspeicher.h"

#include <algorithm>

namespace lexovita {

namespace {

TWiederholdienst::TEinstellung AusConfig(const TConfig &c)
{
    TWiederholdienst::TEinstellung e;
    e.behalten = std::clamp(c.lrBehalten, 70, 99) / 100.0;
    e.neueProTag = std::max(0, c.lrNeueProTag);
    e.richtung = c.LateinDeutsch() ? TAbfrageRichtung::LateinDeutsch : TAbfrageRichtung::DeutschLatein;
    e.aufzeichnen = c.lrAufzeichnen;
    return e;
}

} // namespace

TWiederholdienst::TWiederholdienst(TAnwendungskern &kern)
    : TWiederholdienst(kern.Daten(), kern.Uhr(), AusConfig(kern.Config()))
{
}

TWiederholdienst::TWiederholdienst(TAnwendungskern &kern, const IUhr &uhr, const TEinstellung &einstellung)
    : TWiederholdienst(kern.Daten(), uhr, einstellung)
{
}

TWiederholdienst::TWiederholdienst(TDatenmanager &daten, const IUhr &uhr, const TEinstellung &einstellung)
    : m_daten(daten), m_uhr(uhr), m_einstellung(einstellung), m_speicher(std::make_unique<TLernspeicher>(daten)),
      m_fsrs(uhr, einstellung.behalten)
{
}

TWiederholdienst::~TWiederholdienst() = default;

QString TWiederholdienst::AntwortzeitMangel(int32_t vokabelId)
{
    const QDateTime jetzt = m_uhr.Jetzt();
    // Stored times are "yyyymmddhhnnss": a year outside four digits breaks
    // their order, and dates far off make every due date meaningless.
    if (!jetzt.isValid() || jetzt.date().year() < 1900 || jetzt.date().year() > 2100)
        return QStringLiteral("Die Zeit „%1“ liegt nicht zwischen den Jahren 1900 und 2100.")
            .arg(jetzt.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    const std::optional<TGedaechtnis> g = m_speicher->Gedaechtnis(vokabelId, m_einstellung.richtung);
    if (g && g->letzte.isValid() && jetzt < g->letzte)
        return QStringLiteral("Die Zeit „%1“ liegt vor der letzten Wiederholung dieser Vokabel (%2).")
            .arg(jetzt.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                 g->letzte.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    return {};
}

TGedaechtnis TWiederholdienst::Antworten(int32_t vokabelId, bool richtig, TAbfrageArt art, int32_t sekunden)
{
    TNote note = TNote::Gut;
    if (!richtig) {
        note = TNote::Nochmal;
        m_falschBeantwortet.insert(vokabelId);
    } else if (m_falschBeantwortet.count(vokabelId)) {
        note = TNote::Schwer;
    }
    const TGedaechtnis neu = m_fsrs.Wiederholen(m_speicher->Gedaechtnis(vokabelId, m_einstellung.richtung), note,
                                                vokabelId, m_einstellung.richtung);
    m_speicher->AntwortSpeichern({vokabelId, m_uhr.Jetzt(), art, m_einstellung.richtung, richtig, sekunden}, neu);
    return neu;
}

std::optional<TGedaechtnis> TWiederholdienst::Gedaechtnis(int32_t vokabelId)
{
    return m_speicher->Gedaechtnis(vokabelId, m_einstellung.richtung);
}

TWiederholdienst::TPlan TWiederholdienst::Planen(int32_t lehrbuchId)
{
    TPlan plan;
    const QDate heute = m_uhr.Heute();
    plan.faellig = m_speicher->Faellige(heute, m_einstellung.richtung, lehrbuchId);
    const int frei = m_einstellung.neueProTag - m_speicher->NeueAm(heute, m_einstellung.richtung);
    plan.neu = m_speicher->Neue(m_einstellung.richtung, lehrbuchId, frei);
    return plan;
}

std::unique_ptr<TLektion> TWiederholdienst::AlsLektion(const TPlan &plan)
{
    auto lektion = std::make_unique<TLektion>();
    lektion->name = QStringLiteral("Fällige Vokabeln");
    for (const auto *liste : {&plan.faellig, &plan.neu})
        for (const TLernkarte &k : *liste) {
            auto v = std::make_unique<TVokabel>();
            v->id = k.vokabelId;
            v->vokabel = k.vokabel;
            lektion->vokabeln.push_back(std::move(v));
        }
    return lektion;
}

std::vector<TLernkarte> TWiederholdienst::Faellige(const QDate &bis, int32_t lehrbuchId)
{
    return m_speicher->Faellige(bis, m_einstellung.richtung, lehrbuchId);
}

TLernstatistikDaten TWiederholdienst::Statistik()
{
    return m_speicher->Statistik(m_uhr.Heute(), m_einstellung.richtung);
}

std::vector<TWiederholdienst::TLehrbuch> TWiederholdienst::Lehrbuecher()
{
    std::vector<TLehrbuch> liste;
    for (const TLehrbuchZeile &z : TLektionsSpeicher(m_daten).Lehrbuecher())
        liste.push_back({z.id, z.name});
    return liste;
}

int32_t TWiederholdienst::LehrbuchSuchen(const QString &name)
{
    for (const TLehrbuch &b : Lehrbuecher())
        if (b.name.compare(name, Qt::CaseInsensitive) == 0)
            return b.id;
    return 0;
}

bool TWiederholdienst::VokabelVorhanden(int32_t vokabelId)
{
    return m_speicher->VokabelVorhanden(vokabelId);
}

QStringList LektionsnamenFuerAchse(const QStringList &namen)
{
    constexpr qsizetype kVorn = 14;
    constexpr qsizetype kHinten = 9;
    QStringList aus;
    for (const QString &name : namen) {
        const QString kurz = name.size() <= kVorn + 1 + kHinten
                                 ? name
                                 : name.left(kVorn).trimmed() + QChar(0x2026) + name.right(kHinten).trimmed();
        QString eindeutig = kurz;
        for (int n = 2; aus.contains(eindeutig); ++n)
            eindeutig = kurz + QStringLiteral(" (%1)").arg(n);
        aus << eindeutig;
    }
    return aus;
}

} // namespace lexovita
