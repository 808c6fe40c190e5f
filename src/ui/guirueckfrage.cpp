#include "ui/guirueckfrage.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

namespace lexovita {

namespace {

QMessageBox::StandardButton Knopf(Antwort a)
{
    switch (a) {
    case Antwort::Ja:
        return QMessageBox::Yes;
    case Antwort::Nein:
        return QMessageBox::No;
    case Antwort::Abbrechen:
        return QMessageBox::Cancel;
    case Antwort::Ok:
        return QMessageBox::Ok;
    }
    return QMessageBox::NoButton;
}

QMessageBox::Icon Icon(Symbol s)
{
    switch (s) {
    case Symbol::Information:
        return QMessageBox::Information;
    case Symbol::Frage:
        return QMessageBox::Question;
    case Symbol::Warnung:
        return QMessageBox::Warning;
    case Symbol::Fehler:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Antwort TGuiRueckfrage::Frage(const QString &titel, const QString &text, int knoepfe, Antwort vorgabe, Symbol symbol)
{
    QMessageBox box(Icon(symbol), titel, text, QMessageBox::NoButton, m_eltern);
    // Qt's own button texts follow the system language; the program speaks German everywhere.
    const struct {
        int bit;
        QMessageBox::StandardButton knopf;
        const char *text;
    } tabelle[] = {
        {KN_JA, QMessageBox::Yes, "&Ja"},
        {KN_NEIN, QMessageBox::No, "&Nein"},
        {KN_OK, QMessageBox::Ok, "OK"},
        {KN_ABBRECHEN, QMessageBox::Cancel, "Abbrechen"},
    };
    for (const auto &z : tabelle) {
        if (knoepfe & z.bit)
            box.addButton(z.knopf)->setText(QString::fromUtf8(z.text));
    }
    if (knoepfe == 0)
        box.addButton(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    if (QAbstractButton *b = box.button(Knopf(vorgabe)))
        box.setDefaultButton(static_cast<QPushButton *>(b));
    if (knoepfe & KN_ABBRECHEN)
        box.setEscapeButton(QMessageBox::Cancel);
    else if (knoepfe & KN_NEIN)
        box.setEscapeButton(QMessageBox::No);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
        return Antwort::Ja;
    case QMessageBox::No:
        return Antwort::Nein;
    case QMessageBox::Ok:
        return Antwort::Ok;
    default:
        return Antwort::Abbrechen;
    }
}

void TGuiRueckfrage::Meldung(const QString &titel, const QString &text)
{
    QMessageBox box(QMessageBox::Information, titel, text, QMessageBox::Ok, m_eltern);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

bool TGuiRueckfrage::BackupAnbieten()
{
    return m_backup && m_backup();
}

} // namespace lexovita
