#include "ui/frmvokabelliste.h"

#include "app/anwendungskern.h"
#include "app/auftrag.h"
#include "app/lektionssitzung.h"
#include "app/vokabellisteauftrag.h"
#include "model/lektion.h"
#include "model/rueckfrage.h"
#include "ui/hilfe.h"
#include "ui/vokabelauswahl.h"

#include <QButtonGroup>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lexovita {

namespace {

const QString kListeErstellen = QStringLiteral("&Liste erstellen");

} // namespace

TfrmVokabelliste::TfrmVokabelliste(QWidget *parent, TAnwendungskern &kern)
    : QDialog(parent), m_kern(kern), m_laeufer(new TAuftragslaeufer(kern.Daten(), this))
{
    setObjectName(QStringLiteral("frmVokabelliste"));
    setWindowTitle(QStringLiteral("Vokabelliste aus Text erstellen"));

    auto *grpBereich = new QGroupBox(QStringLiteral("Bereich"), this);
    optGesamt = new QRadioButton(QStringLiteral("&Gesamter Text"), grpBereich);
    optGesamt->setObjectName(QStringLiteral("optGesamt"));
    optAuswahl = new QRadioButton(QStringLiteral("Ausgewählter &Bereich"), grpBereich);
    optAuswahl->setObjectName(QStringLiteral("optAuswahl"));
    optGesamt->setChecked(true);
    btnListeErstellen = new QPushButton(kListeErstellen, grpBereich);
    btnListeErstellen->setObjectName(QStringLiteral("btnListeErstellen"));
    btnListeErstellen->setAutoDefault(false);
    pgbFortschritt = new QProgressBar(grpBereich);
    pgbFortschritt->setObjectName(QStringLiteral("pgbFortschritt"));
    pgbFortschritt->setRange(0, 100);
    pgbFortschritt->hide();
    auto *layBereich = new QHBoxLayout(grpBereich);
    layBereich->addWidget(optGesamt);
    layBereich->addWidget(optAuswahl);
    layBereich->addStretch();
    layBereich->addWidget(pgbFortschritt, 1);
    layBereich->addWidget(btnListeErstellen);

    m_auswahl = new TVokabelauswahl(
        this, {QStringLiteral("Bedeutungen"), QStringLiteral("Gefundene Vokabeln"), QStringLiteral("All&e auswählen")},
        true);
    lvwVokabeln = m_auswahl->lvwVokabeln;
    lblAnzahl = m_auswahl->lblAnzahl;
    lblAuswahl = m_auswahl->lblAuswahl;
    btnAlleAuswaehlen = m_auswahl->btnAlleAuswaehlen;

    auto *grpZiel = new QGroupBox(QStringLiteral("Speichern"), this);
    optHinzufuegen = new QRadioButton(QStringLiteral("&Zu aktueller Lektion hinzufügen"), grpZiel);
    optHinzufuegen->setObjectName(QStringLiteral("optHinzufuegen"));
    optUeberschreiben = new QRadioButton(QStringLiteral("Aktuelle Lektion &überschreiben"), grpZiel);
    optUeberschreiben->setObjectName(QStringLiteral("optUeberschreiben"));
    optNeueLektion = new QRadioButton(QStringLiteral("In &neuer Lektion speichern"), grpZiel);
    optNeueLektion->setObjectName(QStringLiteral("optNeueLektion"));
    optDoppelteZulassen = new QRadioButton(QStringLiteral("&Doppelte Vokabeln zulassen"), grpZiel);
    optDoppelteZulassen->setObjectName(QStringLiteral("optDoppelteZulassen"));
    optDoppelteVermeiden = new QRadioButton(QStringLiteral("Doppelte Vokabeln &vermeiden"), grpZiel);
    optDoppelteVermeiden->setObjectName(QStringLiteral("optDoppelteVermeiden"));
    auto *ziel = new QButtonGroup(grpZiel);
    for (QRadioButton *o : {optHinzufuegen, optUeberschreiben, optNeueLektion})
        ziel->addButton(o);
    auto *doppelte = new QButtonGroup(grpZiel);
    for (QRadioButton *o : {optDoppelteZulassen, optDoppelteVermeiden})
        doppelte->addButton(o);
    // Checked only now: siblings outside a group would exclude each other.
    optHinzufuegen->setChecked(true);
    optDoppelteZulassen->setChecked(true);
    auto *layZiel = new QGridLayout(grpZiel);
    layZiel->addWidget(optHinzufuegen, 0, 0);
    layZiel->addWidget(optUeberschreiben, 1, 0);
    layZiel->addWidget(optNeueLektion, 2, 0);
    layZiel->addWidget(optDoppelteZulassen, 0, 1);
    layZiel->addWidget(optDoppelteVermeiden, 1, 1);
    layZiel->setColumnStretch(1, 1);
    layZiel->setColumnMinimumWidth(0, 260);

    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnAbbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    btnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    btnHilfe = new QPushButton(QStringLiteral("&Hilfe"), this);
    btnHilfe->setObjectName(QStringLiteral("btnHilfe"));
    for (QPushButton *b : {btnAbbrechen, btnHilfe})
        b->setAutoDefault(false);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    for (QPushButton *b : {btnOK, btnAbbrechen, btnHilfe})
        knoepfe->addWidget(b);

    auto *haupt = new QVBoxLayout(this);
    haupt->addWidget(grpBereich);
    haupt->addWidget(m_auswahl, 1);
    haupt->addWidget(grpZiel);
    haupt->addLayout(knoepfe);
    resize(620, 520);

    const struct {
        QWidget *w;
        const char *name;
    } namen[] = {
        {optGesamt, "Gesamter Text"},
        {optAuswahl, "Ausgewählter Bereich"},
        {btnListeErstellen, "Liste erstellen"},
        {pgbFortschritt, "Fortschritt der Suche"},
        {optHinzufuegen, "Zu aktueller Lektion hinzufügen"},
        {optUeberschreiben, "Aktuelle Lektion überschreiben"},
        {optNeueLektion, "In neuer Lektion speichern"},
        {optDoppelteZulassen, "Doppelte Vokabeln zulassen"},
        {optDoppelteVermeiden, "Doppelte Vokabeln vermeiden"},
        {btnOK, "OK"},
        {btnAbbrechen, "Abbrechen"},
        {btnHilfe, "Hilfe"},
    };
    for (const auto &n : namen)
        n.w->setAccessibleName(QString::fromUtf8(n.name));

    connect(btnListeErstellen, &QPushButton::clicked, this, &TfrmVokabelliste::ListeErstellen);
    connect(m_auswahl, &TVokabelauswahl::auswahlGeaendert, btnOK,
            [this](int anzahl) { btnOK->setEnabled(anzahl > 0); });
    connect(ziel, &QButtonGroup::buttonToggled, this, &TfrmVokabelliste::ZielGewaehlt);
    connect(btnOK, &QPushButton::clicked, this, &TfrmVokabelliste::Uebernehmen);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHilfe, &QPushButton::clicked, this, [this] { HilfeZeigen(this, 1065); });
    connect(m_laeufer, &TAuftragslaeufer::gesamt, pgbFortschritt, [this](int wert, int maximum) {
        if (maximum > 0)
            pgbFortschritt->setValue(wert * 100 / maximum);
    });
    connect(m_laeufer, &TAuftragslaeufer::beendet, this, &TfrmVokabelliste::Fertig);
    Vorbereiten(nullptr, 0, 0);
}

// The runner, a child, stops and waits for a running job.
TfrmVokabelliste::~TfrmVokabelliste() = default;

bool TfrmVokabelliste::Laeuft() const
{
    return m_laeufer->Laeuft();
}

void TfrmVokabelliste::Vorbereiten(TLektion *lektion, int auswahlAnfang, int auswahlLaenge)
{
    Anhalten();
    m_lektion = lektion;
    m_auswahlAnfang = auswahlAnfang;
    m_auswahlLaenge = auswahlLaenge;
    m_gefunden = {};
    m_geaendert = false;
    m_auswahl->Leeren();
    // Without a selection only the whole text can be searched.
    optAuswahl->setEnabled(auswahlLaenge != 0);
    (auswahlLaenge != 0 && optAuswahl->isChecked() ? optAuswahl : optGesamt)->setChecked(true);
    // A lesson without text has nothing to list.
    btnListeErstellen->setEnabled(lektion && !lektion->TextAlsString().trimmed().isEmpty());
    ZielGewaehlt();
    btnListeErstellen->setFocus();
}

void TfrmVokabelliste::ListeErstellen()
{
    if (Laeuft()) {
        m_laeufer->Abbrechen();
        return;
    }
    if (!m_lektion)
        return;
    m_auswahl->Leeren();
    m_gefunden = {};
    const QString text = m_lektion->TextAlsString();
    m_auftrag = std::make_shared<TVokabellisteAuftrag>(
        text, ListenBereich(static_cast<int>(text.size()), optGesamt->isChecked(), m_auswahlAnfang, m_auswahlLaenge));
    m_verwerfen = false;
    if (!m_laeufer->Starten(m_auftrag))
        return;
    pgbFortschritt->setValue(0);
    pgbFortschritt->show();
    btnListeErstellen->setText(QStringLiteral("Abbrechen"));
    btnListeErstellen->setAccessibleName(QStringLiteral("Suche abbrechen"));
    for (QWidget *w : {static_cast<QWidget *>(optGesamt), static_cast<QWidget *>(optAuswahl),
                       static_cast<QWidget *>(btnAlleAuswaehlen)})
        w->setEnabled(false);
}

void TfrmVokabelliste::Fertig(TAuftragsausgang ausgang, const QString &fehler)
{
    pgbFortschritt->hide();
    pgbFortschritt->reset();
    btnListeErstellen->setText(kListeErstellen);
    btnListeErstellen->setAccessibleName(QStringLiteral("Liste erstellen"));
    optGesamt->setEnabled(true);
    optAuswahl->setEnabled(m_auswahlLaenge != 0);
    btnAlleAuswaehlen->setEnabled(true);
    const std::shared_ptr<TVokabellisteAuftrag> auftrag = std::move(m_auftrag);
    if (m_verwerfen || !auftrag)
        return;
    if (ausgang == TAuftragsausgang::Fehler) {
        m_kern.Rueckfrage().Meldung(ProgrammTitel(), fehler);
        return;
    }
    // A stopped search lists what it found until then.
    m_gefunden = std::move(auftrag->Ergebnis());
    m_auswahl->Fuellen(m_gefunden.vokabeln);
}

void TfrmVokabelliste::AlleAuswaehlen()
{
    m_auswahl->AlleAuswaehlen();
}

void TfrmVokabelliste::ZielGewaehlt()
{
    const bool hinzufuegen = optHinzufuegen->isChecked();
    optDoppelteZulassen->setEnabled(hinzufuegen);
    optDoppelteVermeiden->setEnabled(hinzufuegen);
}

void TfrmVokabelliste::Uebernehmen()
{
    if (Laeuft() || !m_lektion)
        return;
    const std::vector<int32_t> ids = m_auswahl->MarkierteIds();
    if (ids.empty())
        return;
    TListenZiel art = TListenZiel::Hinzufuegen;
    TLektion *ziel = m_lektion;
    if (optUeberschreiben->isChecked()) {
        art = TListenZiel::Ueberschreiben;
    } else if (optNeueLektion->isChecked()) {
        art = TListenZiel::NeueLektion;
        m_kern.Sitzung().Neu();
        ziel = m_kern.Sitzung().Aktuell();
    }
    m_geaendert = ziel && VokabelnUebernehmen(*ziel, m_gefunden, ids, art, optDoppelteVermeiden->isChecked());
    // Only the lesson in memory changes; it is stored when the user saves it.
    if (m_geaendert)
        m_kern.Sitzung().VokabelnNeuGesetzt(ziel);
    accept();
}

void TfrmVokabelliste::Anhalten()
{
    if (!Laeuft())
        return;
    m_verwerfen = true;
    QEventLoop warten;
    connect(m_laeufer, &TAuftragslaeufer::beendet, &warten, &QEventLoop::quit);
    m_laeufer->Abbrechen();
    if (Laeuft())
        warten.exec();
}

void TfrmVokabelliste::done(int ergebnis)
{
    // Closing stops a running search; what it found is not wanted.
    Anhalten();
    QDialog::done(ergebnis);
}

} // namespace lexovita
