#include "ui/frmlernstatistik.h"

#include "app/anwendungskern.h"
#include "app/wiederholdienst.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace lexovita {

namespace {

const QColor kGruen(60, 160, 80);
const QColor kRot(210, 70, 60);
const QColor kBlau(70, 120, 200);

QChartView *Diagrammfeld(QWidget *parent, const char *name, const QString &titel)
{
    auto *chart = new QChart;
    chart->setTitle(titel);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    // Bar labels such as "38,4 %" in German.
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::German, QLocale::Germany));
    auto *view = new QChartView(chart, parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setAccessibleName(titel);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(420, 260);
    return view;
}

// A value axis from 0 to a round maximum with whole-number ticks.
QValueAxis *Zahlenachse(int groesster)
{
    auto *achse = new QValueAxis;
    const int oben = std::max(4, ((groesster + 3) / 4) * 4);
    achse->setRange(0, oben);
    achse->setTickCount(5);
    // Localized charts take no "%d": their formats are those of QLocale.
    achse->setLabelFormat(QStringLiteral("%.0f"));
    return achse;
}

// A bar per day, but a date only every week: 30 dates side by side would
// be elided. The bars stand at 0..29 on a value scale.
QCategoryAxis *Tagesachse(const std::vector<QDate> &tage)
{
    auto *achse = new QCategoryAxis;
    achse->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    achse->setRange(-0.5, static_cast<double>(tage.size()) - 0.5);
    achse->setStartValue(-0.5);
    for (size_t i = 0; i < tage.size(); i += 7)
        achse->append(tage[i].toString(QStringLiteral("dd.MM.")), static_cast<double>(i));
    achse->setGridLineVisible(false);
    return achse;
}

QString Zeitraum(const std::vector<QDate> &tage)
{
    return tage.empty() ? QString()
                        : QStringLiteral(" (%1 bis %2)")
                              .arg(tage.front().toString(QStringLiteral("dd.MM.")),
                                   tage.back().toString(QStringLiteral("dd.MM.yyyy")));
}

} // namespace

TfrmLernstatistik::TfrmLernstatistik(QWidget *parent, TAnwendungskern &kern) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLernstatistik"));
    setWindowTitle(QStringLiteral("Lernstatistik"));

    lblLeer = new QLabel(
        QStringLiteral("Es gibt noch keine Wiederholungen.\n\nSobald du Vokabeln schriftlich abfragst "
                       "oder „Fällige Vokabeln wiederholen“ benutzt, zeigt dieses Fenster deinen Lernverlauf, "
                       "die kommenden Wiederholungen und wie gut du jede Lektion behältst."),
        this);
    lblLeer->setObjectName(QStringLiteral("lblLeer"));
    lblLeer->setWordWrap(true);
    lblLeer->setAlignment(Qt::AlignCenter);
    lblLeer->setMargin(24);

    grpUeberblick = new QGroupBox(QStringLiteral("Überblick"), this);
    auto zahl = [this](const char *name) {
        auto *l = new QLabel(grpUeberblick);
        l->setObjectName(QString::fromLatin1(name));
        QFont f = l->font();
        f.setPointSize(f.pointSize() + 8);
        f.setBold(true);
        l->setFont(f);
        l->setAlignment(Qt::AlignCenter);
        return l;
    };
    lblGelernt = zahl("lblGelernt");
    lblFaellig = zahl("lblFaellig");
    lblNeu = zahl("lblNeu");
    lblTageInFolge = zahl("lblTageInFolge");
    auto *ueberblick = new QGridLayout(grpUeberblick);
    const struct {
        QLabel *zahl;
        const char *text;
    } kacheln[] = {
        {lblGelernt, "gelernt"}, {lblFaellig, "heute fällig"}, {lblNeu, "neu"}, {lblTageInFolge, "Tage in Folge"}};
    int spalte = 0;
    for (const auto &k : kacheln) {
        auto *text = new QLabel(QString::fromUtf8(k.text), grpUeberblick);
        text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        ueberblick->addWidget(k.zahl, 1, spalte);
        ueberblick->addWidget(text, 2, spalte);
        ++spalte;
    }
    ueberblick->setRowStretch(0, 1);
    ueberblick->setRowStretch(3, 1);

    chtVerlauf = Diagrammfeld(this, "chtVerlauf", QStringLiteral("Wiederholungen der letzten 30 Tage"));
    chtVorschau = Diagrammfeld(this, "chtVorschau", QStringLiteral("Fällige Vokabeln der nächsten 30 Tage"));
    chtBehalten = Diagrammfeld(this, "chtBehalten", QStringLiteral("Behalten je Lektion (Anteil richtig)"));

    btnSchliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    btnSchliessen->setObjectName(QStringLiteral("btnSchliessen"));
    btnSchliessen->setDefault(true);
    connect(btnSchliessen, &QPushButton::clicked, this, &QDialog::accept);

    auto *raster = new QGridLayout;
    raster->addWidget(grpUeberblick, 0, 0);
    raster->addWidget(chtVerlauf, 0, 1);
    raster->addWidget(chtVorschau, 1, 0);
    raster->addWidget(chtBehalten, 1, 1);
    raster->setRowStretch(1, 1);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnSchliessen);
    auto *haupt = new QVBoxLayout(this);
    haupt->addWidget(lblLeer);
    haupt->addLayout(raster, 1);
    haupt->addLayout(knoepfe);
    resize(1000, 720);

    TWiederholdienst dienst(kern);
    Fuellen(dienst.Statistik());
}

void TfrmLernstatistik::Fuellen(const TLernstatistikDaten &d)
{
    const bool leer = !d.verlaufVorhanden;
    lblLeer->setVisible(leer);
    for (QWidget *w : std::initializer_list<QWidget *>{grpUeberblick, chtVerlauf, chtVorschau, chtBehalten})
        w->setVisible(!leer);
    if (leer) {
        resize(520, 240);
        return;
    }
    lblGelernt->setText(QString::number(d.gelernt));
    lblFaellig->setText(QString::number(d.faelligHeute));
    lblNeu->setText(QString::number(d.neu));
    lblTageInFolge->setText(QString::number(d.tageInFolge));

    {
        auto *richtig = new QBarSet(QStringLiteral("Richtig"));
        auto *falsch = new QBarSet(QStringLiteral("Falsch"));
        richtig->setColor(kGruen);
        falsch->setColor(kRot);
        std::vector<QDate> tage;
        int groesster = 0;
        for (const auto &t : d.tage) {
            *richtig << t.richtig;
            *falsch << t.falsch;
            tage.push_back(t.tag);
            groesster = std::max(groesster, t.richtig + t.falsch);
        }
        auto *reihe = new QStackedBarSeries;
        reihe->append(richtig);
        reihe->append(falsch);
        reihe->setBarWidth(0.8);
        QChart *c = chtVerlauf->chart();
        c->setTitle(c->title() + Zeitraum(tage));
        c->addSeries(reihe);
        auto *x = Tagesachse(tage);
        auto *y = Zahlenachse(groesster);
        c->addAxis(x, Qt::AlignBottom);
        c->addAxis(y, Qt::AlignLeft);
        reihe->attachAxis(x);
        reihe->attachAxis(y);
        c->legend()->setAlignment(Qt::AlignTop);
    }
    {
        auto *faellig = new QBarSet(QStringLiteral("Fällig"));
        faellig->setColor(kBlau);
        std::vector<QDate> tage;
        int groesster = 0;
        for (const auto &t : d.vorschau) {
            *faellig << t.faellig;
            tage.push_back(t.tag);
            groesster = std::max(groesster, t.faellig);
        }
        auto *reihe = new QBarSeries;
        reihe->append(faellig);
        reihe->setBarWidth(0.8);
        QChart *c = chtVorschau->chart();
        c->setTitle(c->title() + Zeitraum(tage));
        c->addSeries(reihe);
        auto *x = Tagesachse(tage);
        auto *y = Zahlenachse(groesster);
        c->addAxis(x, Qt::AlignBottom);
        c->addAxis(y, Qt::AlignLeft);
        reihe->attachAxis(x);
        reihe->attachAxis(y);
        c->legend()->hide();
    }
    {
        auto *anteil = new QBarSet(QStringLiteral("Richtig in %"));
        anteil->setColor(kGruen);
        QStringList lektionen;
        // The bars run top-down in lesson order.
        for (auto it = d.lektionen.rbegin(); it != d.lektionen.rend(); ++it) {
            *anteil << (it->abfragen > 0 ? 100.0 * it->richtige / it->abfragen : 0.0);
            lektionen << it->lektion;
        }
        auto *reihe = new QHorizontalBarSeries;
        reihe->append(anteil);
        reihe->setLabelsVisible(true);
        reihe->setLabelsFormat(QStringLiteral("@value %"));
        reihe->setLabelsPrecision(3);
        QChart *c = chtBehalten->chart();
        c->addSeries(reihe);
        auto *y = new QBarCategoryAxis;
        y->append(LektionsnamenFuerAchse(lektionen));
        connect(reihe, &QHorizontalBarSeries::hovered, chtBehalten,
                [this, lektionen, anteil](bool drauf, int i, QBarSet *) {
                    if (drauf && i >= 0 && i < lektionen.size())
                        QToolTip::showText(QCursor::pos(),
                                           lektionen[i] + QStringLiteral(": ") +
                                               QString::number(qRound(anteil->at(i))) + QStringLiteral(" % richtig"),
                                           chtBehalten);
                    else
                        QToolTip::hideText();
                });
        auto *x = new QValueAxis;
        x->setRange(0, 100);
        x->setTickCount(6);
        x->setLabelFormat(QStringLiteral("%.0f %")); // localized: "%" stands as it is
        c->addAxis(y, Qt::AlignLeft);
        c->addAxis(x, Qt::AlignBottom);
        reihe->attachAxis(x);
        reihe->attachAxis(y);
        c->legend()->hide();
    }
}

} // namespace lexovita
