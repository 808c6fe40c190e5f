#pragma once

#include "model/config.h"

#include <QObject>
#include <QSet>
#include <functional>
#include <memory>
#include <vector>

namespace lexovita {

// The settings object of the running program together with the news of its
// changes: whoever changes values through Laden, Aendern or Uebernehmen tells
// every open window which groups to apply again (e.g. the editor's font when
// the Text group changed).
class TEinstellungsdienst : public QObject {
    Q_OBJECT
  public:
    // A settings object owned elsewhere; it must outlive the service.
    explicit TEinstellungsdienst(TConfig &config, QObject *parent = nullptr);
    explicit TEinstellungsdienst(std::unique_ptr<TConfig> config, QObject *parent = nullptr);
    ~TEinstellungsdienst() override;

    const TConfig &Config() const { return *m_config; }
    // Direct access: changes made through it are not announced.
    TConfig &Config() { return *m_config; }

    // Loads the store; announces the groups whose values differ afterwards.
    // Returns the German message about values that were replaced by their
    // defaults (TConfig::Warnungen as one text), empty when all was well.
    [[nodiscard]] QString Laden(const QString &programmordner = {});
    void Speichern();

    // Runs the change on the settings object and announces the groups it
    // actually changed; nothing is announced when every value stayed.
    void Aendern(const std::function<void(TConfig &)> &aenderung);
    // Takes every table value of quelle (e.g. the settings window's copy).
    void Uebernehmen(const TConfig &quelle);

  signals:
    void geaendert(const QSet<lexovita::TEinstellungsGruppe> &gruppen);

  private:
    using TWerte = std::vector<TEinstellung::TWert>;
    TWerte Werte() const;
    void Melden(const TWerte &vorher);

    std::unique_ptr<TConfig> m_eigene;
    TConfig *m_config;
};

} // namespace lexovita
