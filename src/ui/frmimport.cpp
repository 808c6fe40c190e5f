#include "ui/frmimport.h"

#include "app/anwendungskern.h"
#include "app/auftrag.h"
#include "model/rueckfrage.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace lexovita {

TfrmImport::Ausgang TfrmImport::Ausfuehren(QWidget *eltern, TAnwendungskern &kern, const QString &datei)
{
    TfrmImport fenster(kern, eltern);
    fenster.edtDatei->setText(datei);
    fenster.exec();
    return fenster.AusgangHolen();
}

TfrmImport::TfrmImport(TAnwendungskern &kern, QWidget *parent)
    : QDialog(parent), m_rueckfrage(kern.Rueckfrage()), m_laeufer(new TAuftragslaeufer(kern.Daten(), this))
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(QStringLiteral("Importieren"));
    setSizeGripEnabled(true);
    dateiWaehlen = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Importieren"), edtDatei->text(),
                                            QStringLiteral("Lektionsdateien und Wortlisten (*.xml *.csv *.tsv *.txt);;"
                                                           "Lektionsdateien (*.xml);;Wortlisten (*.csv *.tsv *.txt)"));
    };

    auto *lblDatei = new QLabel(QStringLiteral("Folgende Datei importieren:"), this);
    edtDatei = new QLineEdit(this);
    edtDatei->setObjectName(QStringLiteral("edtDatei"));
    lblDatei->setBuddy(edtDatei);
    btnDurchsuchen = new QPushButton(QStringLiteral("Durchsuchen..."), this);
    btnDurchsuchen->setObjectName(QStringLiteral("btnDurchsuchen"));
    auto *dateiZeile = new QHBoxLayout;
    dateiZeile->addWidget(edtDatei, 1);
    dateiZeile->addWidget(btnDurchsuchen);

    pgbGesamt = new QProgressBar(this);
    pgbGesamt->setObjectName(QStringLiteral("pgbGesamt"));
    pgbLektion = new QProgressBar(this);
    pgbLektion->setObjectName(QStringLiteral("pgbLektion"));
    for (QProgressBar *p : {pgbGesamt, pgbLektion}) {
        p->setRange(0, 1);
        p->setValue(0);
    }
    auto *balken = new QGridLayout;
    balken->addWidget(new QLabel(QStringLiteral("Gesamt:"), this), 0, 0);
    balken->addWidget(pgbGesamt, 0, 1);
    balken->addWidget(new QLabel(QStringLiteral("Aktuelle Lektion:"), this), 1, 0);
    balken->addWidget(pgbLektion, 1, 1);
    balken->setColumnStretch(1, 1);

    memProtokoll = new QPlainTextEdit(this);
    memProtokoll->setObjectName(QStringLiteral("memProtokoll"));
    memProtokoll->setAccessibleName(QStringLiteral("Protokoll"));
    memProtokoll->setReadOnly(true);

    lvwZeilen = new QTreeWidget(this);
    lvwZeilen->setObjectName(QStringLiteral("lvwZeilen"));
    lvwZeilen->setAccessibleName(QStringLiteral("Zeilen der Wortliste"));
    lvwZeilen->setHeaderLabels(
        {QStringLiteral("Zeile"), QStringLiteral("Vokabel"), QStringLiteral("Lektion"), QStringLiteral("Prüfung")});
    lvwZeilen->setRootIsDecorated(false);
    lvwZeilen->setAlternatingRowColors(true);
    lvwZeilen->setVisible(false);

    cmbLektionen = new QComboBox(this);
    cmbLektionen->setObjectName(QStringLiteral("cmbLektionen"));
    cmbLektionen->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbLektionen->setMinimumContentsLength(20);
    btnOeffnen = new QPushButton(QStringLiteral("Öffnen"), this);
    btnOeffnen->setObjectName(QStringLiteral("btnOeffnen"));
    auto *lblOeffnen = new QLabel(QStringLiteral("Importierte Lektion öffnen:"), this);
    lblOeffnen->setBuddy(cmbLektionen);
    auto *oeffnenZeile = new QHBoxLayout;
    oeffnenZeile->addWidget(lblOeffnen);
    oeffnenZeile->addWidget(cmbLektionen, 1);
    oeffnenZeile->addWidget(btnOeffnen);

    btnImportieren = new QPushButton(QStringLiteral("Importieren"), this);
    btnImportieren->setObjectName(QStringLiteral("btnImportieren"));
    btnAbbrechen = new QPushButton(QStringLiteral("Schließen"), this);
    btnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    for (QPushButton *b : {btnOeffnen, btnImportieren, btnAbbrechen, btnDurchsuchen}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(100);
    }
    btnImportieren->setDefault(true);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(btnImportieren);
    knoepfe->addWidget(btnAbbrechen);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblDatei);
    layout->addLayout(dateiZeile);
    layout->addSpacing(6);
    layout->addLayout(balken);
    m_lblZeilen = new QLabel(QStringLiteral("&Zeilen der Wortliste:"), this);
    m_lblZeilen->setBuddy(lvwZeilen);
    m_lblZeilen->setVisible(false);
    layout->addWidget(m_lblZeilen);
    layout->addWidget(lvwZeilen, 2);
    layout->addWidget(new QLabel(QStringLiteral("Protokoll:"), this));
    layout->addWidget(memProtokoll, 1);
    layout->addLayout(oeffnenZeile);
    layout->addLayout(knoepfe);

    connect(btnDurchsuchen, &QPushButton::clicked, this, &TfrmImport::Durchsuchen);
    connect(btnImportieren, &QPushButton::clicked, this, &TfrmImport::Starten);
    connect(btnAbbrechen, &QPushButton::clicked, this, &TfrmImport::Abbrechen);
    connect(btnOeffnen, &QPushButton::clicked, this, &TfrmImport::Oeffnen);
    connect(edtDatei, &QLineEdit::textChanged, this, &TfrmImport::KnoepfeAktualisieren);
    connect(m_laeufer, &TAuftragslaeufer::gesamt, this, [this](int wert, int maximum) {
        pgbGesamt->setRange(0, qMax(1, maximum));
        pgbGesamt->setValue(wert);
    });
    connect(m_laeufer, &TAuftragslaeufer::schritt, this, [this](int wert, int maximum, const QString &) {
        pgbLektion->setRange(0, qMax(1, maximum));
        pgbLektion->setValue(wert);
    });
    connect(m_laeufer, &TAuftragslaeufer::protokoll, this, &TfrmImport::Protokoll);
    connect(m_laeufer, &TAuftragslaeufer::beendet, this, &TfrmImport::Fertig);

    KnoepfeAktualisieren();
    resize(600, 460);
}

// The runner, a child of the window, cancels and waits for a running job.
TfrmImport::~TfrmImport() = default;

bool TfrmImport::Laeuft() const
{
    return m_laeufer->Laeuft();
}

void TfrmImport::KnoepfeAktualisieren()
{
    const bool laeuft = Laeuft();
    edtDatei->setEnabled(!laeuft);
    btnDurchsuchen->setEnabled(!laeuft);
    btnImportieren->setEnabled(!laeuft && !edtDatei->text().trimmed().isEmpty());
    btnAbbrechen->setText(laeuft ? QStringLiteral("Abbrechen") : QStringLiteral("Schließen"));
    btnAbbrechen->setEnabled(true);
    cmbLektionen->setEnabled(!laeuft && cmbLektionen->count() > 0);
    btnOeffnen->setEnabled(!laeuft && cmbLektionen->count() > 0);
}

void TfrmImport::Protokoll(const QString &zeile)
{
    memProtokoll->appendPlainText(zeile);
}

void TfrmImport::Durchsuchen()
{
    const QString datei = dateiWaehlen();
    if (datei.isEmpty())
        return;
    edtDatei->setText(datei);
    if (IstTabellendatei(datei))
        TabellePruefen();
    else {
        lvwZeilen->setVisible(false);
        m_lblZeilen->setVisible(false);
    }
}

int TfrmImport::TabellePruefen()
{
    const QString datei = edtDatei->text().trimmed();
    lvwZeilen->clear();
    lvwZeilen->setVisible(true);
    m_lblZeilen->setVisible(true);
    // The reasons of bad rows are long; the window grows once to show them.
    if (width() < 820)
        resize(820, qMax(height(), 560));
    TVokabeltabelle t;
    try {
        t = TabelleLesen(datei);
    } catch (const TFehler &f) {
        Protokoll(QStringLiteral("Fehler: ") + f.Meldung());
        return -1;
    }
    if (datei != m_geprueft) {
        m_geprueft = datei;
        Protokoll(QStringLiteral("„%1“ geprüft: %2 Zeilen, davon %3 fehlerhaft.")
                      .arg(QFileInfo(datei).fileName())
                      .arg(t.zeilen.size())
                      .arg(t.Fehlerhafte()));
        for (const QString &h : t.hinweise)
            Protokoll(h);
    }
    QTreeWidgetItem *ersteSchlechte = nullptr;
    for (const TTabellenzeile &z : t.zeilen) {
        auto *eintrag = new QTreeWidgetItem(lvwZeilen, {QString::number(z.zeile), z.vokabel, z.lektion,
                                                        (z.gut ? QString() : QStringLiteral("Fehler: ")) + z.meldung});
        eintrag->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        if (!z.gut) {
            eintrag->setForeground(3, QBrush(Qt::red));
            eintrag->setToolTip(3, z.meldung);
            if (!ersteSchlechte)
                ersteSchlechte = eintrag;
        }
    }
    for (int i = 0; i < 3; ++i)
        lvwZeilen->resizeColumnToContents(i);
    if (ersteSchlechte)
        lvwZeilen->setCurrentItem(ersteSchlechte);
    return t.Fehlerhafte();
}

void TfrmImport::Starten()
{
    const QString datei = edtDatei->text().trimmed();
    if (Laeuft() || datei.isEmpty())
        return;
    m_ergebnis = {};
    cmbLektionen->clear();
    m_lektionen.clear();
    pgbGesamt->setRange(0, 1);
    pgbGesamt->setValue(0);
    pgbLektion->setRange(0, 1);
    pgbLektion->setValue(0);
    m_tabellenAuftrag.reset();
    if (IstTabellendatei(datei)) {
        // Every row's state is on screen before anything is stored.
        const int schlecht = TabellePruefen();
        if (schlecht < 0)
            return;
        if (schlecht > 0) {
            const int alle = lvwZeilen->topLevelItemCount();
            const Antwort a = m_rueckfrage.Frage(
                ProgrammTitel(),
                QStringLiteral("%1 von %2 Zeilen können nicht gelesen werden; die Liste zeigt, welche und warum.\n\n"
                               "Sollen die %3 fehlerfreien Zeilen übernommen werden?")
                    .arg(schlecht)
                    .arg(alle)
                    .arg(alle - schlecht),
                KN_JA_NEIN, Antwort::Nein, Symbol::Frage);
            if (a != Antwort::Ja) {
                Protokoll(QStringLiteral("Es wurde nichts übernommen."));
                return;
            }
        }
        m_tabellenAuftrag = std::make_shared<TTabellenImportAuftrag>(QStringList{datei}, QString(), true);
        m_laeufer->Starten(m_tabellenAuftrag);
        KnoepfeAktualisieren();
        return;
    }
    lvwZeilen->setVisible(false);
    m_lblZeilen->setVisible(false);
    m_auftrag = std::make_shared<TDateiImportAuftrag>(datei);
    m_laeufer->Starten(m_auftrag);
    KnoepfeAktualisieren();
}

void TfrmImport::Fertig(TAuftragsausgang ausgang, const QString &fehler)
{
    m_ergebnis = m_tabellenAuftrag ? m_tabellenAuftrag->Ergebnis() : m_auftrag->Ergebnis();
    if (ausgang == TAuftragsausgang::Fehler) {
        Protokoll(QStringLiteral("Fehler: ") + fehler);
        Protokoll(QStringLiteral("Es wurde nichts übernommen."));
        if (!m_schliessenNachEnde)
            m_rueckfrage.Frage(ProgrammTitel(),
                               QStringLiteral("Die Datei konnte nicht importiert werden.\n\n") + fehler, KN_OK,
                               Antwort::Ok, Symbol::Fehler);
    } else if (ausgang == TAuftragsausgang::Abgebrochen) {
        m_ergebnis.abgebrochen = true;
        Protokoll(ImportZusammenfassung(m_ergebnis));
    } else {
        pgbLektion->setValue(pgbLektion->maximum());
        for (const TNeueLektion &l : m_tabellenAuftrag ? m_tabellenAuftrag->Lektionen() : m_auftrag->Lektionen()) {
            m_lektionen.push_back(l.id);
            cmbLektionen->addItem(l.Anzeige(), l.id);
        }
    }
    KnoepfeAktualisieren();
    emit beendet();
    if (m_schliessenNachEnde)
        QDialog::reject();
}

void TfrmImport::Abbrechen()
{
    if (Laeuft()) {
        m_laeufer->Abbrechen();
        Protokoll(QStringLiteral("Abbruch angefordert..."));
        btnAbbrechen->setEnabled(false);
        return;
    }
    QDialog::reject();
}

void TfrmImport::reject()
{
    // Escape or the close box while importing: cancel, close when it has ended.
    if (Laeuft()) {
        m_schliessenNachEnde = true;
        Abbrechen();
        return;
    }
    QDialog::reject();
}

void TfrmImport::Oeffnen()
{
    if (Laeuft() || cmbLektionen->currentIndex() < 0)
        return;
    m_oeffnen = cmbLektionen->currentData().toInt();
    accept();
}

TfrmImport::Ausgang TfrmImport::AusgangHolen() const
{
    Ausgang a;
    a.lektionen = m_lektionen;
    a.oeffnen = result() == QDialog::Accepted ? m_oeffnen : 0;
    return a;
}

} // namespace lexovita
