#include "ui/frameauswahl.h"

#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace lexovita {

TframeAuswahl::TframeAuswahl(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("frameAuswahl"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    // A tooltip-like look so the panel reads as a transient hint over the list.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::ToolTipBase));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::ToolTipText));
    setPalette(pal);

    lblNummer = new QLabel(this);
    // Shows stored text: a headword with tags must not turn into markup.
    lblNummer->setTextFormat(Qt::PlainText);
    lblNummer->setObjectName(QStringLiteral("lblNummer"));
    lblVokabel = new QLabel(this);
    lblVokabel->setTextFormat(Qt::PlainText);
    lblVokabel->setObjectName(QStringLiteral("lblVokabel"));
    QFont fett = lblVokabel->font();
    fett.setBold(true);
    lblVokabel->setFont(fett);
    lblWortart = new QLabel(this);
    lblWortart->setTextFormat(Qt::PlainText);
    lblWortart->setObjectName(QStringLiteral("lblWortart"));
    lblFormen = new QLabel(this);
    lblFormen->setTextFormat(Qt::PlainText);
    lblFormen->setObjectName(QStringLiteral("lblFormen"));

    btnHoch = new QToolButton(this);
    btnHoch->setObjectName(QStringLiteral("btnHoch"));
    btnHoch->setArrowType(Qt::UpArrow);
    btnHoch->setToolTip(QStringLiteral("Vorheriger Vorschlag"));
    btnHoch->setFocusPolicy(Qt::NoFocus);
    btnRunter = new QToolButton(this);
    btnRunter->setObjectName(QStringLiteral("btnRunter"));
    btnRunter->setArrowType(Qt::DownArrow);
    btnRunter->setToolTip(QStringLiteral("Nächster Vorschlag"));
    btnRunter->setFocusPolicy(Qt::NoFocus);

    auto *raster = new QGridLayout(this);
    raster->setContentsMargins(6, 4, 4, 4);
    raster->setHorizontalSpacing(8);
    raster->setVerticalSpacing(2);
    auto *kopf = new QHBoxLayout;
    kopf->setSpacing(6);
    kopf->addWidget(lblNummer);
    kopf->addWidget(lblVokabel, 1);
    raster->addLayout(kopf, 0, 0);
    raster->addWidget(lblWortart, 1, 0);
    raster->addWidget(lblFormen, 2, 0);
    auto *knoepfe = new QVBoxLayout;
    knoepfe->setSpacing(2);
    knoepfe->addWidget(btnHoch);
    knoepfe->addWidget(btnRunter);
    knoepfe->addStretch();
    raster->addLayout(knoepfe, 0, 1, 3, 1);

    connect(btnHoch, &QToolButton::clicked, this, &TframeAuswahl::Hoch);
    connect(btnRunter, &QToolButton::clicked, this, &TframeAuswahl::Runter);
    Anzeigen();
}

TframeAuswahl::~TframeAuswahl() = default;

void TframeAuswahl::ListeSetzen(Liste liste)
{
    m_liste = std::move(liste);
    m_index = 0;
    Anzeigen();
}

const TVokabel *TframeAuswahl::Aktuell() const
{
    if (m_index < 0 || m_index >= Anzahl())
        return nullptr;
    return m_liste[static_cast<size_t>(m_index)].get();
}

void TframeAuswahl::Runter()
{
    if (m_index + 1 < Anzahl()) {
        ++m_index;
        Anzeigen();
    }
}

void TframeAuswahl::Hoch()
{
    if (m_index > 0) {
        --m_index;
        Anzeigen();
    }
}

void TframeAuswahl::Anzeigen()
{
    const TVokabel *v = Aktuell();
    if (!v) {
        lblNummer->setText(QStringLiteral("(0/0)"));
        lblVokabel->clear();
        lblWortart->clear();
        lblFormen->clear();
    } else {
        lblNummer->setText(QStringLiteral("(%1/%2)").arg(m_index + 1).arg(Anzahl()));
        lblVokabel->setText(v->vokabel);
        lblWortart->setText(QStringLiteral("Wortart: ") + v->WortartText());
        lblFormen->setText(v->FormenText());
        lblFormen->setVisible(!lblFormen->text().isEmpty());
    }
    btnHoch->setEnabled(m_index > 0);
    btnRunter->setEnabled(m_index + 1 < Anzahl());
    adjustSize();
    emit geaendert();
}

} // namespace lexovita
