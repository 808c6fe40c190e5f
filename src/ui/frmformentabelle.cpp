#include "ui/frmformentabelle.h"

#include "app/formendienst.h"
#include "model/vokabel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace lexovita {

TfrmFormentabelle::TfrmFormentabelle(QWidget *parent, TFormendienst &dienst, const TVokabel &v) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmFormentabelle"));
    setWindowTitle(QStringLiteral("Formentabelle: ") + dienst.AnzeigeText(v.vokabel));

    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAccessibleName(QStringLiteral("Formentabelle"));
    WebBrowser1->setSearchPaths({dienst.VorlagenOrdner()});

    auto *lblLinks = new QLabel(QStringLiteral("&Springen zu:"), this);
    cmbLinks = new QComboBox(this);
    cmbLinks->setObjectName(QStringLiteral("cmbLinks"));
    cmbLinks->setAccessibleName(QStringLiteral("Springen zu"));
    cmbLinks->setMinimumContentsLength(20);
    lblLinks->setBuddy(cmbLinks);
    btnDrucken = new QPushButton(QStringLiteral("&Drucken..."), this);
    btnDrucken->setObjectName(QStringLiteral("btnDrucken"));
    btnDrucken->setAccessibleName(QStringLiteral("Drucken"));
    btnSchliessen = new QPushButton(QStringLiteral("S&chließen"), this);
    btnSchliessen->setObjectName(QStringLiteral("btnSchliessen"));
    btnSchliessen->setAccessibleName(QStringLiteral("Schließen"));
    btnSchliessen->setDefault(true);

    auto *unten = new QHBoxLayout;
    unten->addWidget(lblLinks);
    unten->addWidget(cmbLinks);
    unten->addStretch(1);
    unten->addWidget(btnDrucken);
    unten->addWidget(btnSchliessen);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(WebBrowser1, 1);
    lay->addLayout(unten);

    const TFormentabelle tabelle = dienst.Formentabelle(v);
    m_sprungmarken = tabelle.sprungmarken;
    if (tabelle.vorlage.isEmpty())
        WebBrowser1->setPlainText(QStringLiteral("Für diese Wortart gibt es keine Formentabelle."));
    else
        WebBrowser1->setHtml(tabelle.Html());
    cmbLinks->addItems(m_sprungmarken);
    cmbLinks->setEnabled(!m_sprungmarken.isEmpty());
    btnDrucken->setEnabled(!tabelle.zeilen.isEmpty());

    connect(cmbLinks, &QComboBox::activated, this,
            [this](int index) { WebBrowser1->scrollToAnchor(cmbLinks->itemText(index)); });
    connect(btnDrucken, &QPushButton::clicked, this, &TfrmFormentabelle::Drucken);
    connect(btnSchliessen, &QPushButton::clicked, this, &QDialog::accept);
    resize(760, 640);
}

void TfrmFormentabelle::Zeigen(QWidget *parent, TAnwendungskern &kern, const TVokabel &v)
{
    TFormendienst dienst(kern);
    const std::unique_ptr<TVokabel> gespeichert = dienst.VokabelLaden(v.id);
    TfrmFormentabelle fenster(parent, dienst, gespeichert ? *gespeichert : v);
    fenster.exec();
}

void TfrmFormentabelle::Drucken()
{
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(windowTitle());
    QPrintDialog dialog(&drucker, this);
    dialog.setWindowTitle(QStringLiteral("Formentabelle drucken"));
    if (dialog.exec() == QDialog::Accepted)
        WebBrowser1->document()->print(&drucker);
}

} // namespace lexovita
