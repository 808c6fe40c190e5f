#include "ui/frmeigenschaften.h"

#include "model/lektion.h"
#include "store/datenmanager.h"
#include "store/lektionsspeicher.h"
#include "store/rueckfrage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lexovita {

TfrmEigenschaften::TfrmEigenschaften(TLektion &lektion, TDatenmanager &daten, IRueckfrage &rueckfrage,
                                     QWidget *parent)
    : QDialog(parent), m_lektion(lektion), m_daten(daten), m_rueckfrage(rueckfrage)
{
    setObjectName(QStringLiteral("frmEigenschaften"));
    setWindowTitle(QStringLiteral("Eigenschaften"));
    resize(460, 380);

    edtName = new QLineEdit(lektion.name, this);
    edtName->setObjectName(QStringLiteral("edtName"));
    cmbLehrbuch = new QComboBox(this);
    cmbLehrbuch->setObjectName(QStringLiteral("cmbLehrbuch"));
    cmbLehrbuch->setEditable(true);
    cmbLehrbuch->setInsertPolicy(QComboBox::NoInsert);
    for (const TLehrbuchZeile &z : TLektionsSpeicher(daten).Lehrbuecher())
        cmbLehrbuch->addItem(z.name, z.id);
    cmbLehrbuch->setCurrentText(lektion.lehrbuch);
    const QLocale de(QLocale::German, QLocale::Germany);
    lblErstellt = new QLabel(de.toString(lektion.erstellt, QLocale::ShortFormat), this);
    lblZugriff = new QLabel(de.toString(lektion.zugriff, QLocale::ShortFormat), this);
    memNotizen = new QPlainTextEdit(lektion.notizen.join(QLatin1Char('\n')), this);
    memNotizen->setObjectName(QStringLiteral("memNotizen"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Name:"), edtName);
    form->addRow(QStringLiteral("Lehrbuch:"), cmbLehrbuch);
    form->addRow(QStringLiteral("Erstellt am:"), lblErstellt);
    form->addRow(QStringLiteral("Letzter Zugriff am:"), lblZugriff);
    form->addRow(QStringLiteral("Notizen:"), memNotizen);

    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setDefault(true);
    btnAbbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnOK);
    knoepfe->addWidget(btnAbbrechen);
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(form, 1);
    lay->addLayout(knoepfe);

    connect(btnOK, &QPushButton::clicked, this, &TfrmEigenschaften::Uebernehmen);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmEigenschaften::Uebernehmen()
{
    TLektionsSpeicher speicher(m_daten);
    const QString name = edtName->text().trimmed();
    if (!name.isEmpty()) {
        m_lektion.name = name;
        if (m_lektion.id > 0)
            speicher.LektionUmbenennen(m_lektion.id, name);
    }
    const QString lehrbuch = cmbLehrbuch->currentText().trimmed();
    if (!lehrbuch.isEmpty()) {
        int32_t id = speicher.LehrbuchSuchen(lehrbuch);
        if (id == 0 &&
            m_rueckfrage.Frage(ProgrammTitel(),
                               QStringLiteral("Das Lehrbuch \"") + lehrbuch +
                                   QStringLiteral("\" existiert nicht. \nSoll es angelegt werden?"),
                               KN_JA_NEIN, Antwort::Nein, Symbol::Frage) == Antwort::Ja)
            id = speicher.LehrbuchAnlegen(lehrbuch);
        if (id != 0) {
            m_lektion.lehrbuch_id = id;
            m_lektion.lehrbuch = lehrbuch;
            if (m_lektion.id > 0)
                speicher.LektionVerschieben(m_lektion.id, id);
        }
    }
    const QString notizen = memNotizen->toPlainText();
    m_lektion.notizen = notizen.isEmpty() ? QStringList() : notizen.split(QLatin1Char('\n'));
    accept();
}

} // namespace lexovita
