#include "ui/frmstart.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace lexovita {

TfrmStart::TfrmStart(const QString &version, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmStart"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xf4, 0xef, 0xe1));
    pal.setColor(QPalette::WindowText, QColor(0x3a, 0x2a, 0x10));
    setPalette(pal);

    auto *titel = new QLabel(QStringLiteral("lexovita"), this);
    QFont f = titel->font();
    f.setPointSize(f.pointSize() * 3);
    f.setBold(true);
    titel->setFont(f);
    titel->setAlignment(Qt::AlignCenter);
    auto *untertitel = new QLabel(QStringLiteral("Lateinische Vokabeln und Formen lernen"), this);
    untertitel->setAlignment(Qt::AlignCenter);
    auto *lblVersion = new QLabel(QStringLiteral("Version ") + version, this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setAlignment(Qt::AlignCenter);

    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(40, 30, 40, 24);
    lay->addWidget(titel);
    lay->addWidget(untertitel);
    lay->addSpacing(20);
    lay->addWidget(lblVersion);
    setFixedSize(420, 220);
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());

    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer); // a full second, not a coarse approximation
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, [this] { m_fertig = true; });
    m_timer->start();
}

} // namespace lexovita
