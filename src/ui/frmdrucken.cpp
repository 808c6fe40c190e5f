#include "ui/frmdrucken.h"

#include "app/anwendungskern.h"
#include "model/rueckfrage.h"
#include "model/uhr.h"
#include "render/kopffuss.h"
#include "ui/drucksatz.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace lexovita {

namespace {

QComboBox *KopfFussFeld(QWidget *eltern, const char *name, const QString &vorgabe)
{
    auto *c = new QComboBox(eltern);
    c->setObjectName(QString::fromLatin1(name));
    // Editable: anything typed that is not one of the choices is free text.
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItem(QString());
    c->addItems(KopfFussAuswahl());
    c->setCurrentText(vorgabe);
    return c;
}

QComboBox *AusrichtungFeld(QWidget *eltern, const char *name, TAusrichtung vorgabe)
{
    auto *c = new QComboBox(eltern);
    c->setObjectName(QString::fromLatin1(name));
    c->addItems(AusrichtungAuswahl());
    c->setCurrentIndex(int(vorgabe));
    return c;
}

QString Code(const QComboBox *text, const QComboBox *ausrichtung, const QString &lektionsname)
{
    const QString t = text->currentText().trimmed();
    if (t.isEmpty())
        return {};
    return KopfFussCode(t, TAusrichtung(ausrichtung->currentIndex()), lektionsname);
}

} // namespace

QString DateiVorschlag(const QString &lektion, const QString &endung)
{
    static const QRegularExpression verboten(QStringLiteral("[\\\\/:*?\"<>|]"));
    QString name = lektion.trimmed();
    name.replace(verboten, QStringLiteral("_"));
    if (name.isEmpty())
        name = QStringLiteral("Lektion");
    return QDir::home().filePath(name + endung);
}

void DruckseiteEinrichten(QPrinter &drucker)
{
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

QString StandardKopf()
{
    return KopfFussCode(KopfFussAuswahl().at(0), TAusrichtung::Links, {});
}

QString StandardFuss()
{
    return KopfFussCode(KopfFussAuswahl().at(2), TAusrichtung::Rechts, {});
}

void TfrmDrucken::Ausfuehren(QWidget *eltern, TAnwendungskern &kern)
{
    TfrmDrucken fenster(kern, eltern);
    fenster.exec();
}

TfrmDrucken::TfrmDrucken(TAnwendungskern &kern, QWidget *parent) : QDialog(parent), m_kern(kern), m_dienst(kern)
{
    setObjectName(QStringLiteral("frmDrucken"));
    setWindowTitle(QStringLiteral("Lektion drucken"));

    auto *elemente = new QGroupBox(QStringLiteral("Auswahl der Elemente"), this);
    chkVokabeln = new QCheckBox(QStringLiteral("V&okabeln"), elemente);
    chkVokabeln->setObjectName(QStringLiteral("chkVokabeln"));
    chkText = new QCheckBox(QStringLiteral("&Text"), elemente);
    chkText->setObjectName(QStringLiteral("chkText"));
    auto *elementeLay = new QVBoxLayout(elemente);
    elementeLay->addWidget(chkVokabeln);
    elementeLay->addWidget(chkText);

    auto *reihenfolge = new QGroupBox(QStringLiteral("Reihenfolge"), this);
    reihenfolge->setObjectName(QStringLiteral("grpReihenfolge"));
    optVokabelnZuerst = new QRadioButton(QStringLiteral("&Erst Vokabeln, dann Text"), reihenfolge);
    optVokabelnZuerst->setObjectName(QStringLiteral("optVokabelnZuerst"));
    optTextZuerst = new QRadioButton(QStringLiteral("Erst Te&xt, dann Vokabeln"), reihenfolge);
    optTextZuerst->setObjectName(QStringLiteral("optTextZuerst"));
    optVokabelnZuerst->setChecked(true);
    auto *reihenfolgeLay = new QVBoxLayout(reihenfolge);
    reihenfolgeLay->addWidget(optVokabelnZuerst);
    reihenfolgeLay->addWidget(optTextZuerst);

    auto *seite = new QGroupBox(QStringLiteral("Kopf- und Fußzeile"), this);
    cmbKopfzeile = KopfFussFeld(seite, "cmbKopfzeile", KopfFussAuswahl().at(0));
    cmbKopfAusrichtung = AusrichtungFeld(seite, "cmbKopfAusrichtung", TAusrichtung::Links);
    cmbFusszeile = KopfFussFeld(seite, "cmbFusszeile", KopfFussAuswahl().at(2));
    cmbFussAusrichtung = AusrichtungFeld(seite, "cmbFussAusrichtung", TAusrichtung::Rechts);
    auto *raster = new QGridLayout(seite);
    auto beschriftet = [&](int zeile, int spalte, const QString &text, QWidget *feld) {
        auto *l = new QLabel(text, seite);
        l->setBuddy(feld);
        raster->addWidget(l, zeile, spalte);
        raster->addWidget(feld, zeile, spalte + 1);
    };
    beschriftet(0, 0, QStringLiteral("&Kopfzeile:"), cmbKopfzeile);
    beschriftet(0, 2, QStringLiteral("A&usrichtung:"), cmbKopfAusrichtung);
    beschriftet(1, 0, QStringLiteral("&Fußzeile:"), cmbFusszeile);
    beschriftet(1, 2, QStringLiteral("Ausrichtu&ng:"), cmbFussAusrichtung);
    raster->setColumnStretch(1, 1);

    btnVorschau = new QPushButton(QStringLiteral("&Vorschau"), this);
    btnVorschau->setObjectName(QStringLiteral("btnVorschau"));
    btnDrucken = new QPushButton(QStringLiteral("&Drucken"), this);
    btnDrucken->setObjectName(QStringLiteral("btnDrucken"));
    btnDrucken->setDefault(true);
    btnSchliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    btnSchliessen->setObjectName(QStringLiteral("btnSchliessen"));
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    for (QPushButton *b : {btnVorschau, btnDrucken, btnSchliessen}) {
        b->setMinimumWidth(100);
        knoepfe->addWidget(b);
    }

    auto *oben = new QHBoxLayout;
    oben->addWidget(elemente);
    oben->addWidget(reihenfolge, 1);
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(oben);
    lay->addWidget(seite);
    lay->addLayout(knoepfe);

    const struct {
        QWidget *w;
        const char *name;
    } namen[] = {
        {chkVokabeln, "Vokabeln drucken"},
        {chkText, "Text drucken"},
        {optVokabelnZuerst, "Erst Vokabeln, dann Text"},
        {optTextZuerst, "Erst Text, dann Vokabeln"},
        {cmbKopfzeile, "Kopfzeile"},
        {cmbKopfAusrichtung, "Ausrichtung der Kopfzeile"},
        {cmbFusszeile, "Fußzeile"},
        {cmbFussAusrichtung, "Ausrichtung der Fußzeile"},
        {btnVorschau, "Vorschau"},
        {btnDrucken, "Drucken"},
        {btnSchliessen, "Schließen"},
    };
    for (const auto &n : namen)
        n.w->setAccessibleName(QString::fromUtf8(n.name));

    // The choice follows what the lesson has; without either nothing can be printed.
    const bool vokabeln = m_dienst.HatVokabeln();
    const bool text = m_dienst.HatText();
    chkVokabeln->setChecked(vokabeln);
    chkVokabeln->setEnabled(vokabeln);
    chkText->setChecked(text);
    chkText->setEnabled(text);
    btnVorschau->setEnabled(vokabeln || text);
    btnDrucken->setEnabled(vokabeln || text);
    AuswahlGeaendert(nullptr);

    connect(chkVokabeln, &QCheckBox::clicked, this, [this] { AuswahlGeaendert(chkVokabeln); });
    connect(chkText, &QCheckBox::clicked, this, [this] { AuswahlGeaendert(chkText); });
    connect(btnVorschau, &QPushButton::clicked, this, &TfrmDrucken::Vorschau);
    connect(btnDrucken, &QPushButton::clicked, this, &TfrmDrucken::Drucken);
    connect(btnSchliessen, &QPushButton::clicked, this, &QDialog::reject);

    vorschauZeigen = [](QPrintPreviewDialog &vorschau) { vorschau.exec(); };
    druckDialogZeigen = [this](QPrinter &drucker) {
        QPrintDialog dialog(&drucker, this);
        dialog.setWindowTitle(QStringLiteral("Drucken"));
        return dialog.exec() == QDialog::Accepted;
    };
}

TfrmDrucken::~TfrmDrucken() = default;

void TfrmDrucken::AuswahlGeaendert(QCheckBox *geklickt)
{
    // At least one part stays chosen: unchecking the last one checks it again.
    if (geklickt && !chkVokabeln->isChecked() && !chkText->isChecked())
        geklickt->setChecked(true);
    const bool beide = chkVokabeln->isChecked() && chkText->isChecked();
    optVokabelnZuerst->setEnabled(beide);
    optTextZuerst->setEnabled(beide);
}

TDruckwahl TfrmDrucken::Wahl() const
{
    TDruckwahl w;
    w.vokabeln = chkVokabeln->isChecked();
    w.text = chkText->isChecked();
    w.textZuerst = optTextZuerst->isChecked();
    return w;
}

QString TfrmDrucken::KopfCode() const
{
    return Code(cmbKopfzeile, cmbKopfAusrichtung, m_dienst.Lektionsname());
}

QString TfrmDrucken::FussCode() const
{
    return Code(cmbFusszeile, cmbFussAusrichtung, m_dienst.Lektionsname());
}

std::unique_ptr<TDrucksatz> TfrmDrucken::Satz()
{
    auto satz = std::make_unique<TDrucksatz>(m_dienst.Erzeugen(Wahl()), m_dienst.VorlagenOrdner());
    satz->SetKopfFuss(KopfCode(), FussCode(), m_kern.Uhr().Heute().toString(QStringLiteral("dd.MM.yyyy")));
    return satz;
}

void TfrmDrucken::DruckerEinrichten(QPrinter &drucker) const
{
    DruckseiteEinrichten(drucker);
    drucker.setDocName(m_dienst.Lektionsname());
    drucker.setCreator(QStringLiteral("lexovita"));
}

void TfrmDrucken::Vorschau()
{
    const std::unique_ptr<TDrucksatz> satz = Satz();
    QPrinter drucker(QPrinter::HighResolution);
    DruckerEinrichten(drucker);
    QPrintPreviewDialog vorschau(&drucker, this);
    vorschau.setObjectName(QStringLiteral("frmVorschau"));
    vorschau.setWindowTitle(QStringLiteral("Druckvorschau"));
    // The preview asks again for every change of page size or orientation.
    connect(&vorschau, &QPrintPreviewDialog::paintRequested, &vorschau, [&satz](QPrinter *p) { satz->Drucken(*p); });
    vorschauZeigen(vorschau);
}

void TfrmDrucken::Drucken()
{
    const std::unique_ptr<TDrucksatz> satz = Satz();
    QPrinter drucker(QPrinter::HighResolution);
    DruckerEinrichten(drucker);
    if (!druckDialogZeigen(drucker))
        return;
    if (!satz->Drucken(drucker)) {
        m_kern.Rueckfrage().Meldung(ProgrammTitel(),
                                    QStringLiteral("Der Drucker konnte nicht angesprochen werden. Die Lektion wurde "
                                                   "nicht gedruckt."));
        return;
    }
    accept();
}

} // namespace lexovita
