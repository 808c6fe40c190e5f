#pragma once

#include "model/rueckfrage.h"

#include <functional>

class QWidget;

namespace lexovita {

// Questions and messages as German message boxes.
class TGuiRueckfrage : public IRueckfrage {
  public:
    explicit TGuiRueckfrage(QWidget *eltern = nullptr) : m_eltern(eltern) {}
    void SetEltern(QWidget *eltern) { m_eltern = eltern; }
    // The backup window is not built into this class; start-up hands it in.
    void SetBackup(std::function<bool()> backup) { m_backup = std::move(backup); }

    Antwort Frage(const QString &titel, const QString &text, int knoepfe, Antwort vorgabe, Symbol symbol) override;
    void Meldung(const QString &titel, const QString &text) override;
    bool BackupAnbieten() override;

  private:
    QWidget *m_eltern;
    std::function<bool()> m_backup;
};

} // namespace lexovita
