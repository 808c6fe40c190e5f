#include "ui/frmmuendlich.h"

#include "app/lerndienst.h"
#include "learning/muendlich.h"
#include "ui/hilfe.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace lexovita {

TfrmMuendlich::TfrmMuendlich(QWidget *parent, TAnwendungskern &kern, const TLektion &lektion)
    : QDialog(parent), m_dienst(std::make_unique<TLerndienst>(kern))
{
    setObjectName(QStringLiteral("frmMuendlich"));
    setWindowTitle(QStringLiteral("Vokabeln mündlich lernen"));
    m_abfrage = m_dienst->MuendlicheAbfrage(lektion);

    QStyle *stil = QApplication::style();
    tbAbfrage = new QToolBar(this);
    tbAbfrage->setObjectName(QStringLiteral("tbAbfrage"));
    tbAbfrage->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    actNaechste = tbAbfrage->addAction(stil->standardIcon(QStyle::SP_ArrowDown), QStringLiteral("&Nächste Vokabel"));
    actNaechste->setObjectName(QStringLiteral("actNaechste"));
    actNaechste->setShortcut(QKeySequence(QStringLiteral("Alt+N")));
    actNaechste->setToolTip(QStringLiteral("Nächste Vokabel (Eingabe oder Pfeil nach unten)"));
    actVorherige = tbAbfrage->addAction(stil->standardIcon(QStyle::SP_ArrowUp), QStringLiteral("&Vorherige Vokabel"));
    actVorherige->setObjectName(QStringLiteral("actVorherige"));
    actVorherige->setShortcut(QKeySequence(QStringLiteral("Alt+V")));
    actVorherige->setToolTip(QStringLiteral("Vorherige Vokabel (Pfeil nach oben)"));
    lblFortschritt = new QLabel(this);
    // Shows stored text: a headword with tags must not turn into markup.
    lblFortschritt->setTextFormat(Qt::PlainText);
    lblFortschritt->setObjectName(QStringLiteral("lblFortschritt"));

    tblVokabeln = new QTableWidget(0, 2, this);
    tblVokabeln->setObjectName(QStringLiteral("tblVokabeln"));
    tblVokabeln->setAccessibleName(QStringLiteral("Abgefragte Vokabeln"));
    tblVokabeln->setHorizontalHeaderLabels({m_abfrage->FragenUeberschrift(), m_abfrage->AntwortenUeberschrift()});
    tblVokabeln->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblVokabeln->verticalHeader()->hide();
    // Long meanings wrap inside their column; each row is as tall as its text.
    tblVokabeln->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblVokabeln->setWordWrap(true);
    // Read from a little distance while answering aloud: a larger font and
    // some air around each cell.
    QFont schrift = tblVokabeln->font();
    schrift.setPointSize(std::max(schrift.pointSize() + 2, 11));
    tblVokabeln->setFont(schrift);
    tblVokabeln->setStyleSheet(QStringLiteral("QTableWidget::item { padding: 4px; }"));
    tblVokabeln->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblVokabeln->setSelectionMode(QAbstractItemView::NoSelection);
    tblVokabeln->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    tblVokabeln->installEventFilter(this);

    btnAbbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    btnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    btnHilfe = new QPushButton(QStringLiteral("&Hilfe"), this);
    btnHilfe->setObjectName(QStringLiteral("btnHilfe"));
    for (QPushButton *b : {btnAbbrechen, btnHilfe})
        b->setAutoDefault(false);

    auto *oben = new QHBoxLayout;
    oben->addWidget(tbAbfrage);
    oben->addStretch();
    oben->addWidget(lblFortschritt);
    auto *unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(btnAbbrechen);
    unten->addWidget(btnHilfe);
    auto *haupt = new QVBoxLayout(this);
    haupt->addLayout(oben);
    haupt->addWidget(tblVokabeln, 1);
    haupt->addLayout(unten);
    resize(620, 440);

    connect(actNaechste, &QAction::triggered, this, &TfrmMuendlich::Naechste);
    connect(actVorherige, &QAction::triggered, this, &TfrmMuendlich::Vorherige);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHilfe, &QPushButton::clicked, this, [this] { HilfeZeigen(this, 1036); });

    Abgleichen(0);
    tblVokabeln->setFocus();
}

TfrmMuendlich::~TfrmMuendlich() = default;

void TfrmMuendlich::Naechste()
{
    if (!m_abfrage->Naechste())
        return;
    // The new row once there is one, else the row just revealed.
    Abgleichen(std::min(m_abfrage->Aktuell(), m_abfrage->Anzahl() - 1));
}

void TfrmMuendlich::Vorherige()
{
    if (m_abfrage->Vorherige())
        Abgleichen(m_abfrage->Aktuell());
}

void TfrmMuendlich::Abgleichen(int sichtbar)
{
    const auto &zeilen = m_abfrage->Zeilen();
    const int anzahl = static_cast<int>(zeilen.size());
    tblVokabeln->setRowCount(anzahl);
    // Only the rows around the current one change from step to step.
    for (int r = std::max(0, m_abfrage->Aktuell() - 1); r < anzahl; ++r) {
        const TMuendlicheZeile &z = zeilen[static_cast<size_t>(r)];
        for (int spalte = 0; spalte < 2; ++spalte) {
            QTableWidgetItem *item = tblVokabeln->item(r, spalte);
            if (!item) {
                item = new QTableWidgetItem;
                tblVokabeln->setItem(r, spalte, item);
            }
            item->setText(spalte == 0 ? z.frage : z.antwort);
            QFont f = tblVokabeln->font();
            // The open question stands out until its answer is shown.
            f.setBold(spalte == 0 && !z.aufgedeckt);
            item->setFont(f);
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
    }
    if (sichtbar <= 0)
        tblVokabeln->scrollToTop();
    else if (sichtbar < anzahl)
        tblVokabeln->scrollToItem(tblVokabeln->item(sichtbar, 0), QAbstractItemView::EnsureVisible);
    lblFortschritt->setText(m_abfrage->Fortschritt());
    actNaechste->setEnabled(m_abfrage->Aktuell() < m_abfrage->Anzahl());
    actVorherige->setEnabled(m_abfrage->Aktuell() > 0);
}

bool TfrmMuendlich::eventFilter(QObject *obj, QEvent *event)
{
    if (obj == tblVokabeln && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down:
            Naechste();
            return true;
        case Qt::Key_Up:
            Vorherige();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(obj, event);
}

} // namespace lexovita
