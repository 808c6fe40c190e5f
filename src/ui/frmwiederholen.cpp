#include "ui/frmwiederholen.h"

#include "app/anwendungskern.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lexovita {

TfrmWiederholen::TfrmWiederholen(QWidget *parent, TAnwendungskern &kern)
    : QDialog(parent), m_dienst(std::make_unique<TWiederholdienst>(kern))
{
    setObjectName(QStringLiteral("frmWiederholen"));
    setWindowTitle(QStringLiteral("Fällige Vokabeln wiederholen"));

    cmbLehrbuch = new QComboBox(this);
    cmbLehrbuch->setObjectName(QStringLiteral("cmbLehrbuch"));
    cmbLehrbuch->setAccessibleName(QStringLiteral("Lehrbuch"));
    // The label asks for a textbook, so the first choice names textbooks.
    cmbLehrbuch->addItem(QStringLiteral("Alle Lehrbücher"), 0);
    for (const TWiederholdienst::TLehrbuch &b : m_dienst->Lehrbuecher())
        cmbLehrbuch->addItem(b.name, b.id);
    auto *lblLehrbuch = new QLabel(QStringLiteral("&Lehrbuch:"), this);
    lblLehrbuch->setBuddy(cmbLehrbuch);

    lblFaellig = new QLabel(this);
    // Shows stored text: a headword with tags must not turn into markup.
    lblFaellig->setTextFormat(Qt::PlainText);
    lblFaellig->setObjectName(QStringLiteral("lblFaellig"));
    lblNeu = new QLabel(this);
    lblNeu->setTextFormat(Qt::PlainText);
    lblNeu->setObjectName(QStringLiteral("lblNeu"));
    lblHinweis = new QLabel(this);
    lblHinweis->setTextFormat(Qt::PlainText);
    lblHinweis->setObjectName(QStringLiteral("lblHinweis"));
    lblHinweis->setWordWrap(true);
    QFont f = lblFaellig->font();
    f.setBold(true);
    lblFaellig->setFont(f);
    lblNeu->setFont(f);

    btnStarten = new QPushButton(QStringLiteral("&Starten"), this);
    btnStarten->setObjectName(QStringLiteral("btnStarten"));
    btnStarten->setDefault(true);
    btnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    btnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));

    auto *form = new QFormLayout;
    form->addRow(lblLehrbuch, cmbLehrbuch);
    form->addRow(QStringLiteral("Heute fällig:"), lblFaellig);
    form->addRow(QStringLiteral("Neue Vokabeln:"), lblNeu);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnStarten);
    knoepfe->addWidget(btnAbbrechen);
    auto *haupt = new QVBoxLayout(this);
    haupt->addLayout(form);
    haupt->addWidget(lblHinweis);
    haupt->addStretch();
    haupt->addLayout(knoepfe);
    resize(420, 200);

    connect(cmbLehrbuch, &QComboBox::currentIndexChanged, this, &TfrmWiederholen::Planen);
    connect(btnStarten, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    Planen();
}

TfrmWiederholen::~TfrmWiederholen() = default;

void TfrmWiederholen::Planen()
{
    m_plan = m_dienst->Planen(cmbLehrbuch->currentData().toInt());
    lblFaellig->setText(QString::number(m_plan.faellig.size()));
    lblNeu->setText(QString::number(m_plan.neu.size()));
    const bool leer = m_plan.Anzahl() == 0;
    lblHinweis->setText(leer ? QStringLiteral("Heute ist nichts zu wiederholen, und das Tageslimit für neue Vokabeln "
                                              "ist erreicht.")
                             : QStringLiteral("Die überfälligsten Vokabeln kommen zuerst, die neuen in der "
                                              "Reihenfolge der Lektionen (höchstens %1 am Tag).")
                                   .arg(m_dienst->Einstellung().neueProTag));
    btnStarten->setEnabled(!leer);
}

} // namespace lexovita
