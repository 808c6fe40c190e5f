#include "ui/punktestand.h"

#include <QPushButton>

#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QVBoxLayout>

namespace lexovita {

TBalkendiagramm::TBalkendiagramm(QWidget *parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Diagramm Richtige und Falsche"));
    setMinimumSize(140, 100);
}

void TBalkendiagramm::Setzen(int richtige, int falsche)
{
    m_richtige = richtige;
    m_falsche = falsche;
    setAccessibleDescription(QStringLiteral("Richtige: %1, Falsche: %2").arg(richtige).arg(falsche));
    update();
}

void TBalkendiagramm::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm = fontMetrics();
    const int unten = height() - fm.height() - 4;
    const int oben = fm.height() + 4;
    const int breite = width() / 2;
    const int hoechster = std::max({m_richtige, m_falsche, 1});
    const struct {
        int wert;
        QColor farbe;
        QString name;
    } balken[] = {{m_richtige, QColor(0, 160, 0), QStringLiteral("Richtige")},
                  {m_falsche, QColor(200, 0, 0), QStringLiteral("Falsche")}};
    for (int i = 0; i < 2; ++i) {
        const int x = i * breite + breite / 4;
        const int w = breite / 2;
        const int h = (unten - oben) * balken[i].wert / hoechster;
        p.fillRect(QRect(x, unten - h, w, h), balken[i].farbe);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(i * breite, unten + 2, breite, fm.height()), Qt::AlignCenter, balken[i].name);
        p.drawText(QRect(i * breite, unten - h - fm.height() - 2, breite, fm.height()), Qt::AlignCenter,
                   QString::number(balken[i].wert));
    }
    p.drawLine(0, unten, width(), unten);
}

TPunktestand::TPunktestand(QWidget *parent, bool verbleibend) : QGroupBox(QStringLiteral("Ergebnis"), parent)
{
    auto *form = new QFormLayout;
    lblInsgesamt = new QLabel(this);
    lblInsgesamt->setObjectName(QStringLiteral("lblInsgesamt"));
    lblVerbleibend = new QLabel(this);
    lblVerbleibend->setObjectName(QStringLiteral("lblVerbleibend"));
    lblRichtig = new QLabel(this);
    lblRichtig->setObjectName(QStringLiteral("lblRichtig"));
    lblFalsch = new QLabel(this);
    lblFalsch->setObjectName(QStringLiteral("lblFalsch"));
    form->addRow(QStringLiteral("Insgesamt:"), lblInsgesamt);
    if (verbleibend)
        form->addRow(QStringLiteral("Verbleibend:"), lblVerbleibend);
    else
        lblVerbleibend->hide();
    form->addRow(QStringLiteral("Richtig:"), lblRichtig);
    form->addRow(QStringLiteral("Falsch:"), lblFalsch);
    chtErgebnis = new TBalkendiagramm(this);
    chtErgebnis->setObjectName(QStringLiteral("chtErgebnis"));
    auto *l = new QVBoxLayout(this);
    l->addLayout(form);
    l->addWidget(chtErgebnis, 1);
    Setzen(0, 0, 0, 0, 0, 0);
}

void TPunktestand::Setzen(int abgefragt, int verbleibend, int prozentRichtig, int prozentFalsch, int richtige,
                          int falsche)
{
    // German style: digit groups with a dot, a blank before the sign.
    const QLocale de(QLocale::German, QLocale::Germany);
    lblInsgesamt->setText(de.toString(abgefragt));
    lblVerbleibend->setText(de.toString(verbleibend));
    lblRichtig->setText(de.toString(prozentRichtig) + QStringLiteral(" %"));
    lblFalsch->setText(de.toString(prozentFalsch) + QStringLiteral(" %"));
    chtErgebnis->Setzen(richtige, falsche);
}

TDrillspalte DrillspalteAnlegen(QWidget *fenster, TPunktestand *ergebnis)
{
    TDrillspalte s{};
    s.weiter = new QPushButton(QStringLiteral("&Weiter >"), fenster);
    s.weiter->setObjectName(QStringLiteral("btnWeiter"));
    s.weiter->setAccessibleName(QStringLiteral("Weiter"));
    s.abbrechen = new QPushButton(QStringLiteral("Abbrechen"), fenster);
    s.abbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    s.hilfe = new QPushButton(QStringLiteral("&Hilfe"), fenster);
    s.hilfe->setObjectName(QStringLiteral("btnHilfe"));
    for (QPushButton *b : {s.abbrechen, s.hilfe})
        b->setAutoDefault(false);
    s.layout = new QVBoxLayout;
    s.layout->addWidget(ergebnis);
    s.layout->addStretch();
    s.layout->addWidget(s.weiter);
    s.layout->addWidget(s.abbrechen);
    s.layout->addWidget(s.hilfe);
    return s;
}

} // namespace lexovita
