#include "ui/frmvokabeleigenschaften.h"

#include "app/anwendungskern.h"
#include "app/laengenanzeige.h"
#include "app/vokabeldienst.h"
#include "model/config.h"
#include "morph/formenbaum.h"
#include "morph/formenmanager.h"
#include "ui/formenbaeume.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace lexovita {

TfrmVokabeleigenschaften::TfrmVokabeleigenschaften(QWidget *parent, TAnwendungskern &kern, int32_t id)
    : QDialog(parent), m_formen(std::make_unique<TFormenmanager>())
{
    setObjectName(QStringLiteral("frmVokabeleigenschaften"));
    TVokabeldienst dienst(kern);
    m_vokabel = dienst.Laden(id);
    setWindowTitle(QStringLiteral("Vokabeleigenschaften") +
                   (m_vokabel ? QStringLiteral(" (") + AnzeigeText(m_vokabel->vokabel, kern.Config(), *m_vokabel) +
                                    QLatin1Char(')')
                              : QString()));

    pgcSeiten = new QTabWidget(this);
    pgcSeiten->setObjectName(QStringLiteral("pgcSeiten"));
    txtVokabel = new QTextBrowser;
    txtVokabel->setObjectName(QStringLiteral("txtVokabel"));
    txtVokabel->setAccessibleName(QStringLiteral("Vokabel"));
    // The page refers to its flag pictures beside it in the template folder.
    txtVokabel->setSearchPaths({kern.Config().VorlagenOrdner()});
    txtVokabel->setHtml(dienst.EigenschaftenHtml(id));
    tvwFormen = new QTreeWidget;
    tvwFormen->setObjectName(QStringLiteral("tvwFormen"));
    tvwFormen->setAccessibleName(QStringLiteral("Formen"));
    tvwFormen->setHeaderLabels({QStringLiteral("Form"), QStringLiteral("Wert")});
    tvwFormen->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    if (m_vokabel) {
        // The special forms loaded with the entry are the ones shown.
        m_formen->SetSonderformenEinsetzen(true);
        FormenBaumZeigen(tvwFormen, *m_formen, *m_vokabel, LaengenAnzeige(kern.Config()));
        // Read only: the boxes of the drill selection mean nothing here.
        for (QTreeWidgetItemIterator it(tvwFormen); *it; ++it)
            (*it)->setData(0, Qt::CheckStateRole, QVariant());
    }
    pgcSeiten->addTab(txtVokabel, QStringLiteral("Vokabel"));
    pgcSeiten->addTab(tvwFormen, QStringLiteral("Formen"));

    btnSchliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    btnSchliessen->setObjectName(QStringLiteral("btnSchliessen"));
    btnSchliessen->setDefault(true);
    connect(btnSchliessen, &QPushButton::clicked, this, &QDialog::accept);
    auto *unten = new QHBoxLayout;
    unten->addStretch(1);
    unten->addWidget(btnSchliessen);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(pgcSeiten, 1);
    lay->addLayout(unten);
    resize(560, 520);
}

TfrmVokabeleigenschaften::~TfrmVokabeleigenschaften() = default;

void TfrmVokabeleigenschaften::Zeigen(QWidget *parent, TAnwendungskern &kern, int32_t id)
{
    TfrmVokabeleigenschaften fenster(parent, kern, id);
    fenster.exec();
}

} // namespace lexovita
