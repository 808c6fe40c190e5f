#include "ui/frmlektionseigenschaften.h"

#include "app/anwendungskern.h"
#include "app/lehrbuchverwaltung.h"
#include "model/fehler.h"
#include "model/lektion.h"
#include "ui/guirueckfrage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lexovita {

namespace {

QString KurzesDatum(const QDate &d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

} // namespace

bool TfrmEigenschaften::Bearbeiten(QWidget *eltern, TAnwendungskern &kern, TLektion &lektion)
{
    TGuiRueckfrage gui;
    TfrmEigenschaften fenster(kern.Daten(), lektion, gui, eltern);
    gui.SetEltern(&fenster);
    return fenster.exec() == QDialog::Accepted;
}

TfrmEigenschaften::TfrmEigenschaften(TDatenmanager &daten, TLektion &lektion, IRueckfrage &rueckfrage, QWidget *parent)
    : QDialog(parent), m_daten(daten), m_lektion(lektion), m_rueckfrage(rueckfrage)
{
    setObjectName(QStringLiteral("frmEigenschaften"));
    setWindowTitle(QStringLiteral("Eigenschaften"));

    edtName = new QLineEdit(lektion.name, this);
    edtName->setObjectName(QStringLiteral("edtName"));
    cmbLehrbuch = new QComboBox(this);
    cmbLehrbuch->setObjectName(QStringLiteral("cmbLehrbuch"));
    cmbLehrbuch->setEditable(true);
    cmbLehrbuch->setInsertPolicy(QComboBox::NoInsert);
    try {
        cmbLehrbuch->addItems(TLektionseigenschaften(daten, rueckfrage).LehrbuchNamen());
    } catch (const TFehler &f) {
        // The name and notes stay editable without the list of textbooks.
        m_rueckfrage.Frage(ProgrammTitel(), f.Meldung(), KN_OK, Antwort::Ok, Symbol::Fehler);
    }
    cmbLehrbuch->setCurrentIndex(-1);
    cmbLehrbuch->setEditText(lektion.lehrbuch);
    lblErstellt = new QLabel(KurzesDatum(lektion.erstellt), this);
    lblZugriff = new QLabel(KurzesDatum(lektion.zugriff), this);
    memNotizen = new QPlainTextEdit(this);
    memNotizen->setObjectName(QStringLiteral("memNotizen"));
    memNotizen->setPlainText(lektion.notizen.join(QLatin1Char('\n')));
    memNotizen->setTabChangesFocus(true);

    auto *felder = new QFormLayout;
    felder->addRow(QStringLiteral("&Name:"), edtName);
    felder->addRow(QStringLiteral("&Lehrbuch:"), cmbLehrbuch);
    felder->addRow(QStringLiteral("Erstellt am:"), lblErstellt);
    felder->addRow(QStringLiteral("Letzter Zugriff am:"), lblZugriff);
    felder->addRow(QStringLiteral("N&otizen:"), memNotizen);

    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnAbbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    btnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    for (QPushButton *b : {btnOK, btnAbbrechen})
        b->setMinimumWidth(100);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(btnOK);
    knoepfe->addWidget(btnAbbrechen);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(felder, 1);
    layout->addLayout(knoepfe);

    connect(btnOK, &QPushButton::clicked, this, &TfrmEigenschaften::OkKlick);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    resize(460, 360);
}

void TfrmEigenschaften::OkKlick()
{
    const QString text = memNotizen->toPlainText();
    const QStringList notizen = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    QString fehler;
    try {
        TLektionseigenschaften(m_daten, m_rueckfrage)
            .Uebernehmen(m_lektion, edtName->text(), cmbLehrbuch->currentText(), notizen);
        accept();
        return;
    } catch (const std::exception &f) {
        fehler = FehlerMeldung(f);
    }
    m_rueckfrage.Frage(ProgrammTitel(), fehler, KN_OK, Antwort::Ok, Symbol::Fehler);
}

} // namespace lexovita
