#include "ui/frmbackup.h"

#include "app/anwendungskern.h"
#include "app/auftrag.h"
#include "app/einstellungsdienst.h"
#include "app/sicherungsdienst.h"
#include "model/config.h"
#include "model/rueckfrage.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <utility>

namespace lexovita {

namespace {

void FehlerZeigen(IRueckfrage &r, const QString &text)
{
    r.Frage(ProgrammTitel(), text, KN_OK, Antwort::Ok, Symbol::Fehler);
}

} // namespace

TfrmBackup::TfrmBackup(TSicherungsdienst &dienst, IRueckfrage &rueckfrage, bool nurErstellen, QWidget *parent)
    : QDialog(parent), m_dienst(dienst), m_rueckfrage(rueckfrage), m_laeufer(new TAuftragslaeufer(dienst.Daten(), this))
{
    setWindowTitle(QStringLiteral("Backup"));
    auto *vorgang = new QGroupBox(QStringLiteral("Vorgang"), this);
    rbErstellen = new QRadioButton(QStringLiteral("Backup &erstellen"), vorgang);
    rbEinspielen = new QRadioButton(QStringLiteral("Backup e&inspielen"), vorgang);
    rbErstellen->setChecked(true);
    rbEinspielen->setEnabled(!nurErstellen);
    m_nurErstellen = nurErstellen;
    auto *vl = new QHBoxLayout(vorgang);
    vl->addWidget(rbErstellen);
    vl->addWidget(rbEinspielen);
    vl->addStretch();

    auto *pfad = new QGroupBox(QStringLiteral("Pfad festlegen"), this);
    m_modell = new QFileSystemModel(this);
    m_modell->setRootPath(QDir::rootPath());
    tvwOrdner = new QTreeView(pfad);
    tvwOrdner->setModel(m_modell);
    tvwOrdner->setAccessibleName(QStringLiteral("Ordner und Dateien"));
    for (int spalte = 1; spalte < m_modell->columnCount(); ++spalte)
        tvwOrdner->hideColumn(spalte);
    tvwOrdner->header()->hide();
    lblPfad = new QLabel(pfad);
    lblPfad->setObjectName(QStringLiteral("lblPfad"));
    edtPfad = new QLineEdit(pfad);
    edtPfad->setObjectName(QStringLiteral("edtPfad"));
    edtPfad->setAccessibleName(QStringLiteral("Pfad"));
    lblPfad->setBuddy(edtPfad);
    auto *pl = new QVBoxLayout(pfad);
    pl->addWidget(tvwOrdner, 1);
    pl->addWidget(lblPfad);
    pl->addWidget(edtPfad);

    auto *lblFortschritt = new QLabel(QStringLiteral("Fortschritt:"), this);
    pbFortschritt = new QProgressBar(this);
    pbFortschritt->setAccessibleName(QStringLiteral("Fortschritt"));
    pbFortschritt->setValue(0);
    lblFortschritt->setBuddy(pbFortschritt);
    btnOk = new QPushButton(QStringLiteral("&OK"), this);
    btnOk->setDefault(true);
    btnSchliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    auto *kl = new QHBoxLayout;
    kl->addStretch();
    kl->addWidget(btnOk);
    kl->addWidget(btnSchliessen);

    auto *haupt = new QVBoxLayout(this);
    haupt->addWidget(vorgang);
    haupt->addWidget(pfad, 1);
    haupt->addWidget(lblFortschritt);
    haupt->addWidget(pbFortschritt);
    haupt->addLayout(kl);
    resize(520, 560);

    connect(rbEinspielen, &QRadioButton::toggled, this, [this](bool an) { ModusSetzen(an); });
    connect(tvwOrdner->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &i) { edtPfad->setText(QDir::toNativeSeparators(m_modell->filePath(i))); });
    connect(btnOk, &QPushButton::clicked, this, &TfrmBackup::Ausfuehren);
    connect(btnSchliessen, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_laeufer, &TAuftragslaeufer::schritt, this, [this](int wert, int maximum, const QString &) {
        pbFortschritt->setMaximum(qMax(1, maximum));
        pbFortschritt->setValue(wert);
    });
    connect(m_laeufer, &TAuftragslaeufer::beendet, this, &TfrmBackup::Beendet);
    ModusSetzen(false);
    PfadSetzen(QDir::homePath());
}

void TfrmBackup::ModusSetzen(bool einspielen)
{
    if (rbEinspielen->isChecked() != einspielen)
        (einspielen ? rbEinspielen : rbErstellen)->setChecked(true);
    m_modell->setFilter(einspielen ? QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot
                                   : QDir::AllDirs | QDir::NoDotAndDotDot);
    lblPfad->setText(einspielen ? QStringLiteral("&Welche Backup-Datei soll eingespielt werden?")
                                : QStringLiteral("&Wo soll das Backup hinterlegt werden?"));
}

void TfrmBackup::PfadSetzen(const QString &pfad)
{
    const QModelIndex i = m_modell->index(pfad);
    if (i.isValid()) {
        tvwOrdner->setCurrentIndex(i);
        tvwOrdner->scrollTo(i);
    }
    edtPfad->setText(QDir::toNativeSeparators(pfad));
}

QString TfrmBackup::Ordner() const
{
    const QString pfad = QDir::fromNativeSeparators(edtPfad->text().trimmed());
    return rbEinspielen->isChecked() ? QFileInfo(pfad).absolutePath() : pfad;
}

bool TfrmBackup::Laeuft() const
{
    return m_laeufer->Laeuft();
}

void TfrmBackup::Ausfuehren()
{
    if (Laeuft())
        return;
    const QString pfad = QDir::fromNativeSeparators(edtPfad->text().trimmed());
    if (rbErstellen->isChecked()) {
        auto auftrag = m_dienst.ErstellAuftrag(pfad);
        Starten(auftrag, [auftrag](TAuftragsausgang ausgang, const QString &fehler) {
            return TSicherungsdienst::ErstellErgebnis(*auftrag, ausgang, fehler);
        });
        return;
    }
    TSicherungsErgebnis e;
    auto auftrag = m_dienst.EinspielenBeginnen(pfad, e);
    if (!auftrag) {
        ErgebnisZeigen(e);
        return;
    }
    Starten(auftrag, [this, auftrag](TAuftragsausgang ausgang, const QString &fehler) {
        return m_dienst.EinspielenAbschliessen(*auftrag, ausgang, fehler);
    });
}

void TfrmBackup::Starten(std::shared_ptr<TAuftrag> auftrag, Abschluss abschluss)
{
    m_abschluss = std::move(abschluss);
    btnOk->setEnabled(false);
    rbErstellen->setEnabled(false);
    rbEinspielen->setEnabled(false);
    btnSchliessen->setText(QStringLiteral("&Abbrechen"));
    if (!m_laeufer->Starten(std::move(auftrag)))
        Beendet(TAuftragsausgang::Fehler, QStringLiteral("Es läuft bereits ein anderer Vorgang."));
}

void TfrmBackup::Beendet(TAuftragsausgang ausgang, const QString &fehler)
{
    const TSicherungsErgebnis e = std::exchange(m_abschluss, {})(ausgang, fehler);
    pbFortschritt->setValue(0);
    btnOk->setEnabled(true);
    rbErstellen->setEnabled(true);
    rbEinspielen->setEnabled(!m_nurErstellen);
    btnSchliessen->setText(QStringLiteral("&Schließen"));
    if (rbErstellen->isChecked())
        m_erstellt = e.ok;
    ErgebnisZeigen(e);
}

void TfrmBackup::ErgebnisZeigen(const TSicherungsErgebnis &e)
{
    if (e.meldung.isEmpty()) { // declined at a question, or cancelled
        emit fertig(false);
        return;
    }
    if (!e.ok) {
        FehlerZeigen(m_rueckfrage, e.meldung);
        emit fertig(false);
        return;
    }
    m_rueckfrage.Meldung(ProgrammTitel(), e.meldung);
    emit fertig(true);
    accept();
}

void TfrmBackup::closeEvent(QCloseEvent *e)
{
    // A running copy stops at its next page; the window stays until it has.
    if (Laeuft()) {
        m_laeufer->Abbrechen();
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void TfrmBackup::reject()
{
    if (Laeuft()) {
        m_laeufer->Abbrechen();
        return;
    }
    QDialog::reject();
}

void BackupFensterZeigen(QWidget *eltern, TAnwendungskern &kern)
{
    TSicherungsdienst dienst(kern);
    TfrmBackup fenster(dienst, kern.Rueckfrage(), false, eltern);
    // The folder of the last backup is offered again, while it exists.
    if (const QString ordner = kern.Config().backupOrdner; !ordner.isEmpty() && QFileInfo(ordner).isDir())
        fenster.PfadSetzen(ordner);
    QObject::connect(&fenster, &TfrmBackup::fertig, &fenster, [&](bool ok) {
        if (ok)
            kern.Einstellungen().Aendern([ordner = fenster.Ordner()](TConfig &c) { c.backupOrdner = ordner; });
    });
    fenster.exec();
}

void AufraeumenFensterZeigen(QWidget *eltern, TAnwendungskern &kern)
{
    TAuftragslaeufer laeufer(kern.Daten());
    TfrmAufraeumen fenster(laeufer, kern.Rueckfrage(), eltern);
    fenster.exec();
}

// ------------------------------------------------------------ TfrmAufraeumen

TfrmAufraeumen::TfrmAufraeumen(TAuftragslaeufer &laeufer, IRueckfrage &rueckfrage, QWidget *parent)
    : QDialog(parent), m_laeufer(laeufer), m_rueckfrage(rueckfrage)
{
    setWindowTitle(QStringLiteral("Datenbank aufräumen"));
    lblErklaerung =
        new QLabel(QStringLiteral("Mit Hilfe dieser Funktion kannst du die Vokabeldatenbank von lexovita aufräumen "
                                  "und reparieren. Bei diesem Vorgang werden keine Daten verändert oder gelöscht. "
                                  "Das Aufräumen der Datenbank kann einige Minuten dauern."),
                   this);
    lblErklaerung->setWordWrap(true);
    auto *lblFortschritt = new QLabel(QStringLiteral("Fortschritt:"), this);
    pbFortschritt = new QProgressBar(this);
    pbFortschritt->setRange(0, 100);
    pbFortschritt->setValue(0);
    pbFortschritt->setAccessibleName(QStringLiteral("Fortschritt"));
    lblFortschritt->setBuddy(pbFortschritt);
    lblSchritt = new QLabel(this);
    lblSchritt->setObjectName(QStringLiteral("lblSchritt"));
    lblSchritt->setWordWrap(true);
    btnAufraeumen = new QPushButton(QStringLiteral("&Aufräumen"), this);
    btnAufraeumen->setObjectName(QStringLiteral("btnAufraeumen"));
    btnAufraeumen->setDefault(true);
    btnSchliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    auto *kl = new QHBoxLayout;
    kl->addStretch();
    kl->addWidget(btnAufraeumen);
    kl->addWidget(btnSchliessen);
    auto *haupt = new QVBoxLayout(this);
    haupt->addWidget(lblErklaerung);
    haupt->addSpacing(8);
    haupt->addWidget(lblFortschritt);
    haupt->addWidget(pbFortschritt);
    haupt->addWidget(lblSchritt);
    haupt->addStretch();
    haupt->addLayout(kl);
    resize(460, 240);

    connect(btnAufraeumen, &QPushButton::clicked, this, &TfrmAufraeumen::Umschalten);
    connect(btnSchliessen, &QPushButton::clicked, this, &QDialog::reject);
    connect(&m_laeufer, &TAuftragslaeufer::gesamt, this,
            [this](int wert, int maximum) { pbFortschritt->setValue(maximum > 0 ? wert * 100 / maximum : 0); });
    connect(&m_laeufer, &TAuftragslaeufer::schritt, lblSchritt,
            [this](int, int, const QString &text) { lblSchritt->setText(text); });
    connect(&m_laeufer, &TAuftragslaeufer::beendet, this, &TfrmAufraeumen::Beendet);
}

void TfrmAufraeumen::Beendet(TAuftragsausgang ausgang, const QString &fehler)
{
    const auto auftrag = std::exchange(m_auftrag, nullptr);
    btnAufraeumen->setText(QStringLiteral("&Aufräumen"));
    btnSchliessen->setEnabled(true);
    if (!auftrag)
        return;
    const QString text = auftrag->Ergebnis(ausgang, fehler);
    lblSchritt->setText(text);
    // The end is always said: done with the check's result, or why not.
    if (ausgang == TAuftragsausgang::Fehler)
        FehlerZeigen(m_rueckfrage, text);
    else if (ausgang == TAuftragsausgang::Erfolg)
        m_rueckfrage.Meldung(ProgrammTitel(), text);
    pbFortschritt->setValue(0);
}

bool TfrmAufraeumen::Laeuft() const
{
    return m_laeufer.Laeuft();
}

void TfrmAufraeumen::Umschalten()
{
    if (m_laeufer.Laeuft()) {
        btnAufraeumen->setText(QStringLiteral("&Aufräumen"));
        m_laeufer.Abbrechen();
        return;
    }
    auto auftrag = std::make_shared<TAufraeumAuftrag>();
    if (!m_laeufer.Starten(auftrag))
        return;
    m_auftrag = std::move(auftrag);
    pbFortschritt->setValue(0);
    lblSchritt->clear();
    btnAufraeumen->setText(QStringLiteral("&Abbrechen"));
    btnSchliessen->setEnabled(false);
}

void TfrmAufraeumen::closeEvent(QCloseEvent *e)
{
    // The job stops between two tables; the window stays until it has.
    if (m_laeufer.Laeuft()) {
        m_laeufer.Abbrechen();
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void TfrmAufraeumen::reject()
{
    if (m_laeufer.Laeuft()) {
        m_laeufer.Abbrechen();
        return;
    }
    QDialog::reject();
}

} // namespace lexovita
