#pragma once

#include <QWidget>

class QTimer;

namespace lexovita {

// The start window shown while the application objects are created. It
// agrees to close once its one-shot timer (one second) has fired.
class TfrmStart : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmStart(const QString &version, QWidget *parent = nullptr);
    bool DarfSchliessen() const { return m_fertig; }

  private:
    bool m_fertig = false;
    QTimer *m_timer;
};

} // namespace lexovita
