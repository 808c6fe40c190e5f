#include "frmnumerale.h"

#include "hilfe.h"
#include "learning/numerale.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace lexovita {

TfrmNumerale::TfrmNumerale(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Numerale"));
    setModal(true);
    edtEingabe = new QLineEdit(this);
    lblUmgerechnet = new QLabel(QStringLiteral("Römisch:"), this);
    edtUmgerechnet = new QLineEdit(this);
    edtUmgerechnet->setReadOnly(true);
    edtWort = new QLineEdit(this);
    edtWort->setReadOnly(true);
    lblMeldung = new QLabel(this);
    lblMeldung->setObjectName(QStringLiteral("lblMeldung"));
    lblMeldung->setWordWrap(true);
    lblMeldung->setStyleSheet(QStringLiteral("color: #b00000;"));
    lblMeldung->hide();
    btnSchliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    btnSchliessen->setDefault(true);
    btnHilfe = new QPushButton(QStringLiteral("&Hilfe"), this);
    btnHilfe->setObjectName(QStringLiteral("btnHilfe"));

    auto *felder = new QFormLayout;
    felder->addRow(QStringLiteral("Zahl (römisch oder arabisch):"), edtEingabe);
    felder->addRow(lblUmgerechnet, edtUmgerechnet);
    felder->addRow(QStringLiteral("Lateinischer Ausdruck:"), edtWort);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnSchliessen);
    knoepfe->addWidget(btnHilfe);
    auto *haupt = new QVBoxLayout(this);
    haupt->addLayout(felder);
    haupt->addWidget(lblMeldung);
    haupt->addLayout(knoepfe);
    setMinimumWidth(420);

    connect(edtEingabe, &QLineEdit::textChanged, this, &TfrmNumerale::EingabeGeaendert);
    connect(btnSchliessen, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnHilfe, &QPushButton::clicked, this, [this] { HilfeZeigen(this, 1040); });
    edtEingabe->setFocus();
}

void TfrmNumerale::EingabeGeaendert(const QString &text)
{
    const TNumeralErgebnis r = NumeralUmrechnen(text);
    if (r.eingabe != text) {
        // Numerals are shown in capitals; the caret goes to the end.
        const QSignalBlocker sperre(edtEingabe);
        edtEingabe->setText(r.eingabe);
        edtEingabe->setCursorPosition(static_cast<int>(r.eingabe.size()));
    }
    lblUmgerechnet->setText(r.roemischEingabe ? QStringLiteral("Arabisch:") : QStringLiteral("Römisch:"));
    edtUmgerechnet->setText(r.umgerechnet);
    edtWort->setText(r.wort);
    lblMeldung->setText(r.meldung);
    lblMeldung->setVisible(!r.meldung.isEmpty());
    // A screen reader hears the message with the field it concerns.
    edtEingabe->setAccessibleDescription(r.meldung);
}

} // namespace lexovita
