#include "ui/frmimport.h"

#include "model/lektionsdatei.h"
#include "store/datenmanager.h"
#include "store/fehler.h"
#include "store/lehrbuchverwaltung.h"
#include "ui/guirueckfrage.h"

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
#include <QThread>
#include <QVBoxLayout>

namespace lexovita {

TfrmImport::Ausgang TfrmImport::Ausfuehren(QWidget *eltern, TDatenmanager &daten, IRueckfrage *rueckfrage,
                                           const QString &datei)
{
    TGuiRueckfrage gui;
    TfrmImport fenster(daten, rueckfrage ? *rueckfrage : gui, eltern);
    gui.SetEltern(&fenster);
    fenster.edtDatei->setText(datei);
    fenster.exec();
    return fenster.AusgangHolen();
}

TfrmImport::TfrmImport(TDatenmanager &daten, IRueckfrage &rueckfrage, QWidget *parent)
    : QDialog(parent), m_daten(daten), m_rueckfrage(rueckfrage)
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(QStringLiteral("Importieren"));
    setSizeGripEnabled(true);
    dateiWaehlen = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Importieren"), edtDatei->text(),
                                            QStringLiteral("XML-Dateien (*.xml)"));
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
    memProtokoll->setReadOnly(true);

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
    layout->addWidget(new QLabel(QStringLiteral("Protokoll:"), this));
    layout->addWidget(memProtokoll, 1);
    layout->addLayout(oeffnenZeile);
    layout->addLayout(knoepfe);

    connect(btnDurchsuchen, &QPushButton::clicked, this, &TfrmImport::Durchsuchen);
    connect(btnImportieren, &QPushButton::clicked, this, &TfrmImport::Starten);
    connect(btnAbbrechen, &QPushButton::clicked, this, &TfrmImport::Abbrechen);
    connect(btnOeffnen, &QPushButton::clicked, this, &TfrmImport::Oeffnen);
    connect(edtDatei, &QLineEdit::textChanged, this, &TfrmImport::KnoepfeAktualisieren);
    // The worker emits from its own thread; the window handles it on its own.
    connect(this, &TfrmImport::standGemeldet, this, &TfrmImport::StandZeigen, Qt::QueuedConnection);
    connect(this, &TfrmImport::arbeitFertig, this, &TfrmImport::Fertig, Qt::QueuedConnection);

    KnoepfeAktualisieren();
    resize(600, 460);
}

TfrmImport::~TfrmImport()
{
    if (m_thread) {
        m_abbruch = true;
        m_thread->wait();
        delete m_thread;
    }
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

void TfrmImport::Protokoll(const QString &zeile) { memProtokoll->appendPlainText(zeile); }

void TfrmImport::Durchsuchen()
{
    const QString datei = dateiWaehlen();
    if (!datei.isEmpty())
        edtDatei->setText(datei);
}

void TfrmImport::Starten()
{
    const QString datei = edtDatei->text().trimmed();
    if (Laeuft() || datei.isEmpty())
        return;
    try {
        m_letzteId = LetzteLektionsId(m_daten);
    } catch (const DatenbankFehler &f) {
        m_rueckfrage.Frage(ProgrammTitel(), f.Meldung(), KN_OK, Antwort::Ok, Symbol::Fehler);
        return;
    }
    m_abbruch = false;
    m_ergebnis = {};
    m_fehler.clear();
    m_gemeldeteLektion = 0;
    cmbLektionen->clear();
    m_lektionen.clear();
    pgbGesamt->setRange(0, 1);
    pgbGesamt->setValue(0);
    pgbLektion->setRange(0, 1);
    pgbLektion->setValue(0);
    Protokoll(QStringLiteral("Import von „%1“ gestartet.").arg(QFileInfo(datei).fileName()));

    // A database in a file gets its own connection on the worker thread; a
    // private in-memory one (tests) can only be shared, which is safe while
    // this modal window keeps everything else from touching it.
    const QString ordner =
        m_daten.Datei() == QLatin1String(":memory:") ? QString() : QFileInfo(m_daten.Datei()).absolutePath();
    m_thread = QThread::create([this, datei, ordner] {
        try {
            std::unique_ptr<TDatenmanager> eigene;
            if (!ordner.isEmpty())
                eigene = std::make_unique<TDatenmanager>(ordner, TDatenmanager::Modus::NurVorhandene);
            TImport import(eigene ? *eigene : m_daten);
            import.SetAbbruch(&m_abbruch);
            import.SetFortschritt([this](const TImportStand &s) {
                emit standGemeldet(s.lektionenGesamt, s.lektion, s.lektionName, s.vokabelnInLektion, s.vokabel);
            });
            m_ergebnis = import.DateiImportieren(datei);
        } catch (const TLektionsdateiFehler &f) {
            m_fehler = f.Meldung();
        } catch (const DatenbankFehler &f) {
            m_fehler = f.Meldung();
        } catch (const std::exception &f) {
            m_fehler = QString::fromUtf8(f.what());
        }
        emit arbeitFertig();
    });
    m_thread->start();
    KnoepfeAktualisieren();
}

void TfrmImport::StandZeigen(int lektionenGesamt, int lektion, const QString &name, int vokabelnInLektion,
                             int vokabel)
{
    pgbGesamt->setRange(0, qMax(1, lektionenGesamt));
    pgbGesamt->setValue(qMax(0, lektion - 1));
    pgbLektion->setRange(0, qMax(1, vokabelnInLektion));
    pgbLektion->setValue(vokabel);
    if (lektion != m_gemeldeteLektion) {
        m_gemeldeteLektion = lektion;
        Protokoll(QStringLiteral("Lektion %1 von %2: %3").arg(lektion).arg(lektionenGesamt).arg(name));
    }
}

void TfrmImport::Fertig()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
    }
    if (!m_fehler.isEmpty()) {
        Protokoll(QStringLiteral("Fehler: ") + m_fehler);
        Protokoll(QStringLiteral("Es wurde nichts übernommen."));
        if (!m_schliessenNachEnde)
            m_rueckfrage.Frage(ProgrammTitel(),
                               QStringLiteral("Die Datei konnte nicht importiert werden.\n\n") + m_fehler, KN_OK,
                               Antwort::Ok, Symbol::Fehler);
    } else {
        Protokoll(ImportZusammenfassung(m_ergebnis));
        if (!m_ergebnis.abgebrochen) {
            pgbGesamt->setValue(pgbGesamt->maximum());
            pgbLektion->setValue(pgbLektion->maximum());
            try {
                for (const TNeueLektion &l : LektionenNach(m_daten, m_letzteId)) {
                    m_lektionen.push_back(l.id);
                    cmbLektionen->addItem(l.Anzeige(), l.id);
                }
            } catch (const DatenbankFehler &f) {
                Protokoll(QStringLiteral("Fehler: ") + f.Meldung());
            }
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
        m_abbruch = true;
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
