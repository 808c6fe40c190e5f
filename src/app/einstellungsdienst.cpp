#include "einstellungsdienst.h"

namespace lexovita {

TEinstellungsdienst::TEinstellungsdienst(TConfig &config, QObject *parent) : QObject(parent), m_config(&config) {}

TEinstellungsdienst::TEinstellungsdienst(std::unique_ptr<TConfig> config, QObject *parent)
    : QObject(parent), m_eigene(std::move(config)), m_config(m_eigene.get())
{
}

TEinstellungsdienst::~TEinstellungsdienst() = default;

TEinstellungsdienst::TWerte TEinstellungsdienst::Werte() const
{
    TWerte werte;
    const auto tabelle = TConfig::Tabelle();
    werte.reserve(tabelle.size());
    for (const TEinstellung &e : tabelle)
        werte.push_back(e.Wert(*m_config));
    return werte;
}

void TEinstellungsdienst::Melden(const TWerte &vorher)
{
    QSet<TEinstellungsGruppe> gruppen;
    const auto tabelle = TConfig::Tabelle();
    for (size_t i = 0; i < tabelle.size(); ++i)
        if (tabelle[i].Wert(*m_config) != vorher[i])
            gruppen.insert(tabelle[i].gruppe);
    if (!gruppen.isEmpty())
        emit geaendert(gruppen);
}

void TEinstellungsdienst::Aendern(const std::function<void(TConfig &)> &aenderung)
{
    const TWerte vorher = Werte();
    try {
        aenderung(*m_config);
    } catch (...) {
        // Values already changed stay changed, so the windows must hear of them.
        Melden(vorher);
        throw;
    }
    Melden(vorher);
}

QString TEinstellungsdienst::Laden(const QString &programmordner)
{
    Aendern([&programmordner](TConfig &c) { c.EinstellungenLaden(programmordner); });
    return m_config->Warnungen().join(QLatin1Char('\n'));
}

void TEinstellungsdienst::Speichern()
{
    m_config->EinstellungenSpeichern();
}

void TEinstellungsdienst::Uebernehmen(const TConfig &quelle)
{
    Aendern([&quelle](TConfig &c) {
        for (const TEinstellung &e : TConfig::Tabelle())
            e.Setzen(c, e.Wert(quelle));
    });
}

} // namespace lexovita
