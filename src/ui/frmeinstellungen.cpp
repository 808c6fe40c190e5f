#include "ui/frmeinstellungen.h"

#include "app/anwendungskern.h"
#include "app/auftrag.h"
#include "app/einstellungsbearbeitung.h"
#include "app/einstellungsdienst.h"
#include "app/lexikondienst.h"
#include "model/config.h"
#include "model/rueckfrage.h"
#include "model/vokabel.h"
#include "morph/formenmanager.h"
#include "morph/formid.h"
#include "ui/formenbaeume.h"
#include "ui/hilfe.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDateTime>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace lexovita {

namespace {

enum TSeite {
    kVokabeln,
    kSchriftlich,
    kMuendlich,
    kFormenLernen,
    kFormenAuswaehlen,
    kText,
    kFarben,
    kSonstiges,
    kLexikon
};

// The noun forms the written drill may ask besides the nominative.
const struct {
    const char *text;
    int32_t formId;
} kKasus[] = {
    {"Genitiv Sg.", fid::GEN_SG}, {"Dativ Sg.", fid::DAT_SG},     {"Akkusativ Sg.", fid::AKK_SG},
    {"Ablativ Sg.", fid::ABL_SG}, {"Nominativ Pl.", fid::NOM_PL}, {"Genitiv Pl.", fid::GEN_PL},
    {"Dativ Pl.", fid::DAT_PL},   {"Akkusativ Pl.", fid::AKK_PL}, {"Ablativ Pl.", fid::ABL_PL},
};

// The text elements of the colour page with the settings of their colours.
struct TElement {
    const char *name;
    TFarbe TConfig::*hg;
    TFarbe TConfig::*vg;
};
const TElement kElemente[] = {
    {"Normaler Text", &TConfig::clNormalHg, &TConfig::clNormalVg},
    {"Ausgeblendeter Satz (Analysemodus)", &TConfig::clAusgeblendetHg, &TConfig::clAusgeblendetVg},
    {"Ausgewählter Satz (Analysemodus)", &TConfig::clSatzHg, &TConfig::clSatzVg},
    {"Analysierte Form (Analysemodus)", &TConfig::clAnalysiertHg, &TConfig::clAnalysiertVg},
    {"Ausgewähltes Wort (Analysemodus)", &TConfig::clSelHg, &TConfig::clSelVg},
    {"Kasus-Kongruenz (Analysemodus)", &TConfig::clK, &TConfig::clKVg},
    {"Numerus-Kongruenz (Analysemodus)", &TConfig::clN, &TConfig::clNVg},
    {"Genus-Kongruenz (Analysemodus)", &TConfig::clG, &TConfig::clGVg},
    {"Kasus-Numerus-Kongruenz (Analysemodus)", &TConfig::clKN, &TConfig::clKNVg},
    {"Kasus-Genus-Kongruenz (Analysemodus)", &TConfig::clKG, &TConfig::clKGVg},
    {"Numerus-Genus-Kongruenz (Analysemodus)", &TConfig::clNG, &TConfig::clNGVg},
    {"Kasus-Numerus-Genus-Kongruenz (Analysemodus)", &TConfig::clKNG, &TConfig::clKNGVg},
    {"Wort nur im Lexikon (Analysemodus)", &TConfig::clLexikonHg, &TConfig::clLexikonVg},
};

// The preview: pieces of a Latin text, each drawn in one element's colours.
const struct {
    const char *text;
    int element; // index into kElemente
} kVorschau[] = {
    {"Gallia est omnis divisa in partes ...", 0},
    {"\n", 0},
    {"Eorum una pars, quam Gallos obtinere dictum est, initium capit ...", 1},
    {"\n", 0},
    {"Qua", 5},
    {" ", 2},
    {"de", 3},
    {" ", 2},
    {"causa", 5},
    {" ", 2},
    {"Helvetii", 2},
    {" ", 2},
    {"quoque", 9},
    {" ", 2},
    {"reliquos", 10},
    {" ", 2},
    {"Gallos", 10},
    {" ", 2},
    {"virtute", 9},
    {" ", 2},
    {"praecedunt", 6},
    {", ", 2},
    {"quod", 7},
    {" ", 2},
    {"fere", 12},
    {" ", 2},
    {"cotidianis", 11},
    {" ", 2},
    {"proeliis", 11},
    {" ", 2},
    {"cum", 4},
    {" ", 2},
    {"Germanis", 8},
    {" ", 2},
    {"contendunt", 6},
    {" ...", 2},
};

QColor Farbe(TFarbe f)
{
    return QColor::fromRgb(FarbeAlsRgb(f));
}

template <class T> T *Benannt(T *w, const char *name, const QString &zugaenglich = {})
{
    w->setObjectName(QString::fromLatin1(name));
    if (!zugaenglich.isEmpty())
        w->setAccessibleName(zugaenglich);
    return w;
}

} // namespace

TfrmEinstellungen::TfrmEinstellungen(TAnwendungskern &kern, QString text, QWidget *parent)
    : QDialog(parent), m_kern(kern), m_text(std::move(text)),
      m_bearbeitung(std::make_unique<TEinstellungsbearbeitung>(kern.Einstellungen())),
      m_formen(std::make_unique<TFormenmanager>()), m_laeufer(new TAuftragslaeufer(kern.Daten(), this)),
      m_lexikonQuellen(std::make_unique<TLexikonQuellen>(TLexikonQuellen::Installiert())),
      m_lexikonLaeufer(new TAuftragslaeufer(kern.Daten(), this)), m_baumWortart(WA_VERB)
{
    setObjectName(QStringLiteral("frmEinstellungen"));
    setWindowTitle(QStringLiteral("Einstellungen"));

    tvwEinstellungen = Benannt(new QTreeWidget(this), "tvwEinstellungen", QStringLiteral("Seiten"));
    tvwEinstellungen->setHeaderHidden(true);
    tvwEinstellungen->setFixedWidth(190);
    stkSeiten = Benannt(new QStackedWidget(this), "stkSeiten");
    const struct {
        const char *text;
        int eltern;
    } knoten[] = {
        {"Vokabeln lernen", -1}, {"Schriftlich abfragen", 0}, {"Mündlich abfragen", 0},
        {"Formen lernen", -1},   {"Formen auswählen", 3},     {"Text", -1},
        {"Farben", 5},           {"Sonstiges", -1},           {"Lexikon", -1},
    };
    QList<QTreeWidgetItem *> items;
    for (int i = 0; i < int(std::size(knoten)); ++i) {
        const auto &k = knoten[i];
        auto *item = k.eltern < 0 ? new QTreeWidgetItem(tvwEinstellungen) : new QTreeWidgetItem(items[k.eltern]);
        item->setText(0, QString::fromUtf8(k.text));
        item->setData(0, Qt::UserRole, i);
        items << item;
    }
    stkSeiten->addWidget(Seite(QStringLiteral("Vokabeln lernen"), SeiteVokabeln()));
    stkSeiten->addWidget(Seite(QStringLiteral("Vokabeln schriftlich lernen"), SeiteSchriftlich()));
    stkSeiten->addWidget(Seite(QStringLiteral("Vokabeln mündlich lernen"), SeiteMuendlich()));
    stkSeiten->addWidget(Seite(QStringLiteral("Formen lernen"), SeiteFormenLernen()));
    stkSeiten->addWidget(Seite(QStringLiteral("Formen auswählen"), SeiteFormenAuswaehlen()));
    stkSeiten->addWidget(Seite(QStringLiteral("Texteinstellungen"), SeiteText()));
    stkSeiten->addWidget(Seite(QStringLiteral("Textfarben"), SeiteFarben()));
    stkSeiten->addWidget(Seite(QStringLiteral("Sonstige Einstellungen"), SeiteSonstiges()));
    stkSeiten->addWidget(Seite(QStringLiteral("Lexikon"), SeiteLexikon()));

    btnOK = Benannt(new QPushButton(QStringLiteral("&OK"), this), "btnOK");
    btnOK->setDefault(true);
    btnAbbrechen = Benannt(new QPushButton(QStringLiteral("&Abbrechen"), this), "btnAbbrechen");
    btnHilfe = Benannt(new QPushButton(QStringLiteral("&Hilfe"), this), "btnHilfe");
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnOK);
    knoepfe->addWidget(btnAbbrechen);
    knoepfe->addWidget(btnHilfe);
    auto *oben = new QHBoxLayout;
    oben->addWidget(tvwEinstellungen);
    oben->addWidget(stkSeiten, 1);
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(oben, 1);
    lay->addLayout(knoepfe);
    resize(720, 520);

    Binden();
    connect(tvwEinstellungen, &QTreeWidget::currentItemChanged, this, &TfrmEinstellungen::SeiteGewaehlt);
    connect(btnOK, &QPushButton::clicked, this, &TfrmEinstellungen::Ok);
    connect(btnAbbrechen, &QPushButton::clicked, this, &TfrmEinstellungen::Abbrechen);
    connect(btnHilfe, &QPushButton::clicked, this, [this] { HilfeZeigen(this, 1020); });
    connect(m_laeufer, &TAuftragslaeufer::gesamt, pgbFortschritt, &QProgressBar::setValue);
    connect(m_laeufer, &TAuftragslaeufer::beendet, this, &TfrmEinstellungen::FormenGeholt);
    connect(m_lexikonLaeufer, &TAuftragslaeufer::gesamt, pgbLexikon, [this](int wert, int maximum) {
        pgbLexikon->setMaximum(maximum);
        pgbLexikon->setValue(wert);
    });
    connect(m_lexikonLaeufer, &TAuftragslaeufer::beendet, this, &TfrmEinstellungen::LexikonImportiert);
    connect(btnLexikonImportieren, &QPushButton::clicked, this, &TfrmEinstellungen::LexikonImportieren);

    for (int i : {0, 3, 5})
        items[i]->setExpanded(true);
    lstElemente->setCurrentRow(0);
    FormenbaumAufbauen();
    tvwEinstellungen->setCurrentItem(items[0]);
    tvwEinstellungen->setFocus();
}

TfrmEinstellungen::~TfrmEinstellungen() = default;

void TfrmEinstellungen::LexikonSeiteZeigen()
{
    for (QTreeWidgetItemIterator it(tvwEinstellungen); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toInt() == kLexikon)
            tvwEinstellungen->setCurrentItem(*it);
}

void TfrmEinstellungen::LexikonQuellenSetzen(const TLexikonQuellen &quellen)
{
    *m_lexikonQuellen = quellen;
    LexikonAnzeigen();
}

TConfig &TfrmEinstellungen::Kopie()
{
    return m_bearbeitung->Kopie();
}

QWidget *TfrmEinstellungen::Seite(const QString &ueberschrift, QWidget *inhalt)
{
    auto *seite = new QWidget;
    auto *kopf = new QLabel(ueberschrift, seite);
    QFont f = kopf->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    kopf->setFont(f);
    auto *lay = new QVBoxLayout(seite);
    lay->addWidget(kopf);
    lay->addWidget(inhalt, 1);
    return seite;
}

QWidget *TfrmEinstellungen::SeiteVokabeln()
{
    auto *seite = new QWidget;
    auto *w = new QGroupBox(QStringLiteral("Abfragerichtung"), seite);
    optLatDeu = Benannt(new QRadioButton(QStringLiteral("&Latein -> Deutsch"), w), "optLatDeu");
    optDeuLat = Benannt(new QRadioButton(QStringLiteral("&Deutsch -> Latein"), w), "optDeuLat");
    auto *lay = new QVBoxLayout(w);
    lay->addWidget(optLatDeu);
    lay->addWidget(optDeuLat);

    auto *wdh = new QGroupBox(QStringLiteral("Fällige Vokabeln wiederholen"), seite);
    spnBehalten = Benannt(new QSpinBox(wdh), "spnBehalten", QStringLiteral("Gewünschtes Behalten in Prozent"));
    spnBehalten->setRange(70, 99);
    spnBehalten->setSuffix(QStringLiteral(" %"));
    spnBehalten->setToolTip(QStringLiteral("Je höher, desto öfter wird wiederholt."));
    spnNeueProTag = Benannt(new QSpinBox(wdh), "spnNeueProTag", QStringLiteral("Neue Vokabeln pro Tag"));
    spnNeueProTag->setRange(0, 500);
    chkAufzeichnen = Benannt(
        new QCheckBox(QStringLiteral("Antworten der schriftlichen Abfrage für die Wiederholung &speichern"), wdh),
        "chkAufzeichnen");
    auto *lblBehalten = new QLabel(QStringLiteral("Gewünschtes &Behalten:"), wdh);
    lblBehalten->setBuddy(spnBehalten);
    auto *lblNeu = new QLabel(QStringLiteral("&Neue Vokabeln pro Tag:"), wdh);
    lblNeu->setBuddy(spnNeueProTag);
    auto *form = new QGridLayout(wdh);
    form->addWidget(lblBehalten, 0, 0);
    form->addWidget(spnBehalten, 0, 1);
    form->addWidget(lblNeu, 1, 0);
    form->addWidget(spnNeueProTag, 1, 1);
    form->addWidget(chkAufzeichnen, 2, 0, 1, 3);
    form->setColumnStretch(2, 1);

    auto *haupt = new QVBoxLayout(seite);
    haupt->setContentsMargins(0, 0, 0, 0);
    haupt->addWidget(w);
    haupt->addWidget(wdh);
    haupt->addStretch();
    return seite;
}

QSpinBox *TfrmEinstellungen::Zahlfeld(TZahlfeld feld, const QString &name)
{
    // Arrows and keys step through the field's range; nothing outside it can be typed.
    auto *e = new QSpinBox;
    const TZahlbereich bereich = ZahlfeldBereich(feld);
    e->setRange(bereich.minimum, bereich.maximum);
    e->setAccessibleName(name);
    connect(e, &QSpinBox::valueChanged, this, [this, feld](int wert) {
        if (!m_fuellen)
            ZahlfeldSetzen(Kopie(), feld, QString::number(wert));
    });
    return e;
}

QWidget *TfrmEinstellungen::SeiteSchriftlich()
{
    tabSchriftlich = Benannt(new QTabWidget, "tabSchriftlich");
    auto *einst = new QWidget;
    chkStammformen = Benannt(new QCheckBox(QStringLiteral("&Stammformen abfragen")), "chkStammformen");
    cmbKasus = Benannt(new QComboBox, "cmbKasus", QStringLiteral("Bei Substantiven"));
    for (const auto &k : kKasus)
        cmbKasus->addItem(QString::fromLatin1(k.text), k.formId);
    auto *lblKasus = new QLabel(QStringLiteral("Bei Su&bstantiven:"));
    lblKasus->setBuddy(cmbKasus);
    chkPraesens = Benannt(new QCheckBox(QStringLiteral("1. Prs. &Präsens Akt. Ind.")), "chkPraesens");
    chkPerfekt = Benannt(new QCheckBox(QStringLiteral("1. Prs. Per&fekt Akt. Ind.")), "chkPerfekt");
    chkPartizip = Benannt(new QCheckBox(QStringLiteral("Parti&zip Perfekt Passiv")), "chkPartizip");
    chkCase = Benannt(new QCheckBox(QStringLiteral("&Groß- und Kleinschreibung unterscheiden")), "chkCase");
    chkSchnellkorrektur = Benannt(new QCheckBox(QStringLiteral("Hilfestellung bei der Eingabe über S&chriftfarbe")),
                                  "chkSchnellkorrektur");
    auto *lay = new QVBoxLayout(einst);
    lay->addWidget(chkStammformen);
    auto *stamm = new QGridLayout;
    stamm->setContentsMargins(24, 0, 0, 0);
    stamm->addWidget(lblKasus, 0, 0);
    stamm->addWidget(cmbKasus, 0, 1);
    stamm->addWidget(new QLabel(QStringLiteral("Bei Verben:")), 1, 0);
    stamm->addWidget(chkPraesens, 1, 1);
    stamm->addWidget(chkPerfekt, 2, 1);
    stamm->addWidget(chkPartizip, 3, 1);
    lay->addLayout(stamm);
    lay->addSpacing(8);
    lay->addWidget(chkCase);
    lay->addWidget(chkSchnellkorrektur);
    lay->addStretch();

    auto *folge = new QWidget;
    optVLSMischen = Benannt(new QRadioButton(QStringLiteral("Vokabeln &mischen")), "optVLSMischen");
    optVLSReihenfolge = Benannt(new QRadioButton(QStringLiteral("Reihenfolge einhal&ten")), "optVLSReihenfolge");
    chkVLSAnfang =
        Benannt(new QCheckBox(QStringLiteral("Bei falscher Antwort wieder am A&nfang beginnen")), "chkVLSAnfang");
    chkFalscheMehrfach =
        Benannt(new QCheckBox(QStringLiteral("Falsch beantwortete Vokabe&ln mehrfach abfragen")), "chkFalscheMehrfach");
    edtFalscheAnzahl =
        Benannt(Zahlfeld(TZahlfeld::FalscheAnzahl, QStringLiteral("Anzahl falscher Antworten")), "edtFalscheAnzahl");
    auto *lblVor = new QLabel(QStringLiteral("&Vokabeln, die mehr als "));
    lblVor->setBuddy(edtFalscheAnzahl);
    auto *zahl = new QHBoxLayout;
    zahl->setContentsMargins(24, 0, 0, 0);
    zahl->addWidget(lblVor);
    zahl->addWidget(edtFalscheAnzahl);
    zahl->addWidget(new QLabel(QStringLiteral("mal falsch beantwortet wurden, öfter abfragen.")));
    zahl->addStretch();
    auto *fl = new QVBoxLayout(folge);
    fl->addWidget(optVLSMischen);
    fl->addWidget(chkFalscheMehrfach);
    fl->addLayout(zahl);
    fl->addWidget(optVLSReihenfolge);
    fl->addWidget(chkVLSAnfang);
    fl->addStretch();

    tabSchriftlich->addTab(einst, QStringLiteral("&Einstellungen"));
    tabSchriftlich->addTab(folge, QStringLiteral("&Reihenfolge"));
    return tabSchriftlich;
}

QWidget *TfrmEinstellungen::SeiteMuendlich()
{
    auto *w = new QWidget;
    optVLMMischen = Benannt(new QRadioButton(QStringLiteral("Vokabeln &mischen")), "optVLMMischen");
    optVLMReihenfolge = Benannt(new QRadioButton(QStringLiteral("&Reihenfolge beibehalten")), "optVLMReihenfolge");
    optVLMStammformen = Benannt(new QCheckBox(QStringLiteral("&Stammformen anzeigen")), "optVLMStammformen");
    auto *gruppe = new QButtonGroup(w);
    gruppe->addButton(optVLMMischen);
    gruppe->addButton(optVLMReihenfolge);
    auto *lay = new QVBoxLayout(w);
    lay->addWidget(optVLMMischen);
    lay->addWidget(optVLMReihenfolge);
    lay->addSpacing(8);
    lay->addWidget(optVLMStammformen);
    lay->addStretch();
    return w;
}

QWidget *TfrmEinstellungen::SeiteFormenLernen()
{
    auto *w = new QGroupBox(QStringLiteral("Hilfestellungen"));
    chkFLStammformen = Benannt(new QCheckBox(QStringLiteral("&Stammformen anzeigen")), "chkFLStammformen");
    chkFLKonjDekl = Benannt(new QCheckBox(QStringLiteral("&Konjugation / Deklination anzeigen")), "chkFLKonjDekl");
    chkFLVokabel =
        Benannt(new QCheckBox(QStringLiteral("&Vokabel anzeigen (nur bei \"Formen bestimmen\")")), "chkFLVokabel");
    auto *lay = new QVBoxLayout(w);
    lay->addWidget(chkFLStammformen);
    lay->addWidget(chkFLKonjDekl);
    lay->addWidget(chkFLVokabel);
    lay->addStretch();
    return w;
}

QWidget *TfrmEinstellungen::SeiteFormenAuswaehlen()
{
    auto *w = new QWidget;
    cmbWortart = Benannt(new QComboBox, "cmbWortart", QStringLiteral("Wortart"));
    cmbWortart->addItem(QStringLiteral("Verb"), WA_VERB);
    cmbWortart->addItem(QStringLiteral("Adjektiv"), WA_ADJEKTIV);
    cmbWortart->addItem(QStringLiteral("Substantiv/Pronomen"), WA_SUBSTANTIV);
    auto *lblWortart = new QLabel(QStringLiteral("&Wortart:"));
    lblWortart->setBuddy(cmbWortart);
    VTVFormen = Benannt(new QTreeWidget, "VTVFormen", QStringLiteral("Formen, die abgefragt werden dürfen"));
    VTVFormen->setColumnCount(2);
    VTVFormen->setHeaderHidden(true);
    VTVFormen->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto *lblFormen = new QLabel(QStringLiteral("Folgende &Formen dürfen abgefragt werden:"));
    lblFormen->setBuddy(VTVFormen);
    auto *gruppe = new QGroupBox(QStringLiteral("Formen aus aktuellem Text übernehmen"));
    btnText = Benannt(new QPushButton(QStringLiteral("Formen ho&len")), "btnText");
    pgbFortschritt = Benannt(new QProgressBar, "pgbFortschritt", QStringLiteral("Fortschritt"));
    pgbFortschritt->setRange(0, 100);
    pgbFortschritt->setValue(0);
    pgbFortschritt->hide();
    auto *gl = new QHBoxLayout(gruppe);
    gl->addWidget(btnText);
    gl->addWidget(pgbFortschritt, 1);
    auto *kopf = new QHBoxLayout;
    kopf->addWidget(lblWortart);
    kopf->addWidget(cmbWortart);
    kopf->addStretch();
    auto *lay = new QVBoxLayout(w);
    lay->addLayout(kopf);
    lay->addWidget(lblFormen);
    lay->addWidget(VTVFormen, 1);
    lay->addWidget(gruppe);
    return w;
}

QWidget *TfrmEinstellungen::SeiteText()
{
    auto *w = new QWidget;
    chkUnsichtbareZeichen =
        Benannt(new QCheckBox(QStringLiteral("Zeige nicht sichtbare &Zeichen")), "chkUnsichtbareZeichen");
    chkDragDrop = Benannt(new QCheckBox(QStringLiteral("&Drag && Drop aktivieren")), "chkDragDrop");
    chkUmbruch = Benannt(new QCheckBox(QStringLiteral("Zeilen&umbruch nach")), "chkUmbruch");
    edtUmbruch = Benannt(Zahlfeld(TZahlfeld::Umbruch, QStringLiteral("Zeilenumbruch nach Zeichen")), "edtUmbruch");
    edtAbstand = Benannt(Zahlfeld(TZahlfeld::Abstand, QStringLiteral("Zeilenhöhe in Pixel")), "edtAbstand");
    auto *lblAbstand = new QLabel(QStringLiteral("Zei&lenhöhe: "));
    lblAbstand->setBuddy(edtAbstand);
    auto *umbruch = new QHBoxLayout;
    umbruch->addWidget(chkUmbruch);
    umbruch->addWidget(edtUmbruch);
    umbruch->addWidget(new QLabel(QStringLiteral("Zeichen")));
    umbruch->addWidget(new QLabel(QStringLiteral("(0 = Zeilenumbruch am rechten Rand)")));
    umbruch->addStretch();
    auto *abstand = new QHBoxLayout;
    abstand->addWidget(lblAbstand);
    abstand->addWidget(edtAbstand);
    abstand->addWidget(new QLabel(QStringLiteral("Pixel")));
    abstand->addStretch();
    auto *schrift = new QGroupBox(QStringLiteral("Schriftart"));
    pnlFont = Benannt(new QLabel(QStringLiteral("Beispiel")), "pnlFont");
    pnlFont->setAlignment(Qt::AlignCenter);
    pnlFont->setFrameShape(QFrame::StyledPanel);
    pnlFont->setMinimumHeight(60);
    btnFont = Benannt(new QPushButton(QStringLiteral("&Schriftart")), "btnFont");
    auto *sl = new QHBoxLayout(schrift);
    sl->addWidget(pnlFont, 1);
    sl->addWidget(btnFont, 0, Qt::AlignTop);
    auto *lay = new QVBoxLayout(w);
    lay->addWidget(chkUnsichtbareZeichen);
    lay->addWidget(chkDragDrop);
    lay->addLayout(umbruch);
    lay->addLayout(abstand);
    lay->addWidget(schrift);
    lay->addStretch();
    return w;
}

QWidget *TfrmEinstellungen::SeiteFarben()
{
    auto *w = new QWidget;
    lstElemente = Benannt(new QListWidget, "lstElemente", QStringLiteral("Textelemente"));
    for (const TElement &e : kElemente)
        lstElemente->addItem(QString::fromUtf8(e.name));
    auto *lblElemente = new QLabel(QStringLiteral("&Element:"));
    lblElemente->setBuddy(lstElemente);
    clrVg = Benannt(new QPushButton, "clrVg", QStringLiteral("Vordergrund"));
    clrHg = Benannt(new QPushButton, "clrHg", QStringLiteral("Hintergrund"));
    auto *lblVg = new QLabel(QStringLiteral("&Vordergrund:"));
    lblVg->setBuddy(clrVg);
    auto *lblHg = new QLabel(QStringLiteral("Hinter&grund:"));
    lblHg->setBuddy(clrHg);
    txtVorschau = Benannt(new QTextBrowser, "txtVorschau", QStringLiteral("Vorschau"));
    txtVorschau->setOpenLinks(false);
    auto *lblVorschau = new QLabel(QStringLiteral("Vorscha&u:"));
    lblVorschau->setBuddy(txtVorschau);
    auto *farben = new QGridLayout;
    farben->addWidget(lblVg, 0, 0);
    farben->addWidget(clrVg, 0, 1);
    farben->addWidget(lblHg, 1, 0);
    farben->addWidget(clrHg, 1, 1);
    farben->setRowStretch(2, 1);
    auto *oben = new QHBoxLayout;
    oben->addWidget(lstElemente, 1);
    oben->addLayout(farben);
    auto *lay = new QVBoxLayout(w);
    lay->addWidget(lblElemente);
    lay->addLayout(oben, 1);
    lay->addWidget(lblVorschau);
    lay->addWidget(txtVorschau, 1);
    return w;
}

QWidget *TfrmEinstellungen::SeiteSonstiges()
{
    auto *w = new QWidget;
    auto *wb = new QGroupBox(QStringLiteral("Wörterbuch"));
    chkWBPraesens = Benannt(new QCheckBox(QStringLiteral("1.Prs.Sg. &Präsens statt Infinitiv Präsens bei Verben")),
                            "chkWBPraesens");
    (new QVBoxLayout(wb))->addWidget(chkWBPraesens);
    auto *va = new QGroupBox(QStringLiteral("Vokabelauswahl"));
    chkVokabelauswahl =
        Benannt(new QCheckBox(QStringLiteral("Vokabelauswahlfenster nach der Auswahl einer Vokabel nicht &schließen")),
                "chkVokabelauswahl");
    (new QVBoxLayout(va))->addWidget(chkVokabelauswahl);
    auto *lg = new QGroupBox(QStringLiteral("Vokallängen"));
    chkLaengen = Benannt(new QCheckBox(QStringLiteral("&Vokallängen anzeigen (ā, ē, ī, ō, ū)")), "chkLaengen",
                         QStringLiteral("Vokallängen anzeigen"));
    chkBetonung = Benannt(new QCheckBox(QStringLiteral("Be&tonung anzeigen (nur wo die Längen bekannt sind)")),
                          "chkBetonung", QStringLiteral("Betonung anzeigen"));
    chkLaengenAbfragen = Benannt(new QCheckBox(QStringLiteral("&Längen abfragen (Formen lernen und Stammformen)")),
                                 "chkLaengenAbfragen", QStringLiteral("Längen abfragen"));
    auto *lgl = new QVBoxLayout(lg);
    lgl->addWidget(chkLaengen);
    lgl->addWidget(chkBetonung);
    lgl->addWidget(chkLaengenAbfragen);
    auto *lay = new QVBoxLayout(w);
    lay->addWidget(wb);
    lay->addWidget(va);
    lay->addWidget(lg);
    lay->addStretch();
    return w;
}

QWidget *TfrmEinstellungen::SeiteLexikon()
{
    auto *w = new QWidget;
    // Broken by hand: a wrapping label inside the stacked pages gets too
    // little height and paints over the lines below it.
    auto *erklaerung =
        new QLabel(QStringLiteral("Das Lexikon liest über 24.000 lateinische Wörter mit Formen und Bedeutungen\n"
                                  "aus den installierten Paketen „collatinus“ und „dict-freedict-lat-deu“.\n"
                                  "Die Formenanalyse erkennt damit auch Wörter, die in keiner Lektion stehen.\n"
                                  "Deine eigenen Vokabeln bleiben davon unberührt."));
    lblLexikonQuellen = Benannt(new QLabel, "lblLexikonQuellen", QStringLiteral("Quellen des Lexikons"));
    lblLexikonQuellen->setTextFormat(Qt::PlainText);
    lblLexikonStand = Benannt(new QLabel, "lblLexikonStand", QStringLiteral("Stand des Lexikons"));
    lblLexikonStand->setTextFormat(Qt::PlainText);
    lblLexikonMeldung = Benannt(new QLabel, "lblLexikonMeldung", QStringLiteral("Meldung zum Lexikon"));
    lblLexikonMeldung->setTextFormat(Qt::PlainText);
    lblLexikonMeldung->setWordWrap(true);
    btnLexikonImportieren = Benannt(new QPushButton(QStringLiteral("&Importieren")), "btnLexikonImportieren");
    pgbLexikon = Benannt(new QProgressBar, "pgbLexikon", QStringLiteral("Fortschritt des Imports"));
    pgbLexikon->hide();
    btnLexikonImportieren->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto *knopf = new QHBoxLayout;
    knopf->addWidget(btnLexikonImportieren);
    knopf->addWidget(pgbLexikon, 1);
    auto *lay = new QVBoxLayout(w);
    lay->addWidget(erklaerung);
    lay->addWidget(lblLexikonQuellen);
    lay->addWidget(lblLexikonStand);
    lay->addLayout(knopf);
    lay->addWidget(lblLexikonMeldung);
    lay->addStretch();
    return w;
}

void TfrmEinstellungen::LexikonAnzeigen()
{
    const TLexikonStatus status = LexikonStatus(m_kern.Daten(), *m_lexikonQuellen);
    const auto gefunden = [](bool da) { return da ? QStringLiteral("gefunden") : QStringLiteral("nicht installiert"); };
    lblLexikonQuellen->setText(QStringLiteral("Collatinus: %1\nFreeDict Latein–Deutsch: %2")
                                   .arg(gefunden(status.collatinus), gefunden(status.freedict)));
    if (status.eintraege == 0) {
        lblLexikonStand->setText(QStringLiteral("Es ist noch kein Lexikon importiert."));
    } else {
        const QDateTime datum = QDateTime::fromString(status.datum, QStringLiteral("yyyyMMddHHmmss"));
        lblLexikonStand->setText(QStringLiteral("%1 Einträge, importiert am %2")
                                     .arg(QLocale().toString(status.eintraege),
                                          QLocale().toString(datum, QStringLiteral("d. MMMM yyyy, HH:mm"))));
    }
    if (!m_lexikonAuftrag) {
        btnLexikonImportieren->setText(status.eintraege == 0 ? QStringLiteral("&Importieren")
                                                             : QStringLiteral("Erneut &importieren"));
        btnLexikonImportieren->setEnabled(status.warumNicht.isEmpty());
        if (!status.warumNicht.isEmpty())
            lblLexikonMeldung->setText(status.warumNicht);
    }
}

void TfrmEinstellungen::LexikonImportieren()
{
    if (m_lexikonAuftrag) {
        m_lexikonLaeufer->Abbrechen();
        btnLexikonImportieren->setEnabled(false);
        return;
    }
    m_lexikonAuftrag = std::make_shared<TLexikonImportAuftrag>(*m_lexikonQuellen);
    if (!m_lexikonLaeufer->Starten(m_lexikonAuftrag)) {
        m_lexikonAuftrag.reset();
        return;
    }
    btnOK->setEnabled(false);
    btnAbbrechen->setEnabled(false);
    btnLexikonImportieren->setText(QStringLiteral("Import a&bbrechen"));
    lblLexikonMeldung->setText(QStringLiteral("Das Lexikon wird importiert …"));
    pgbLexikon->setValue(0);
    pgbLexikon->show();
}

void TfrmEinstellungen::LexikonImportiert(TAuftragsausgang ausgang, const QString &fehler)
{
    const auto auftrag = std::move(m_lexikonAuftrag);
    m_lexikonAuftrag.reset();
    pgbLexikon->hide();
    btnOK->setEnabled(!m_auftrag);
    btnAbbrechen->setEnabled(!m_auftrag);
    btnLexikonImportieren->setEnabled(true);
    switch (ausgang) {
    case TAuftragsausgang::Erfolg: {
        const TLexikonBericht &b = auftrag->Bericht();
        QString text = QStringLiteral("Das Lexikon wurde importiert: %1 Wörter, %2 davon mit deutscher Bedeutung.")
                           .arg(QLocale().toString(b.lemmata), QLocale().toString(b.lemmata - b.ohneDeutsch));
        for (const QString &hinweis : b.hinweise)
            text += QLatin1Char('\n') + hinweis;
        lblLexikonMeldung->setText(text);
        break;
    }
    case TAuftragsausgang::Abgebrochen:
        lblLexikonMeldung->setText(
            QStringLiteral("Der Import wurde abgebrochen. Das bisherige Lexikon ist unverändert."));
        break;
    case TAuftragsausgang::Fehler:
        lblLexikonMeldung->setText(
            QStringLiteral("Der Import ist fehlgeschlagen: %1 Das bisherige Lexikon ist unverändert.").arg(fehler));
        break;
    }
    LexikonAnzeigen();
}

void TfrmEinstellungen::Binden()
{
    // A check box writes its state; a radio button its value when chosen.
    auto schalter = [this](QAbstractButton *knopf, bool TConfig::*feld, bool wert) {
        const bool radio = qobject_cast<QRadioButton *>(knopf) != nullptr;
        connect(knopf, &QAbstractButton::toggled, this, [this, feld, wert, radio](bool an) {
            if (m_fuellen || (radio && !an))
                return;
            Kopie().*feld = radio ? wert : an;
            Freigeben();
        });
    };
    for (const auto &paar : {std::pair{spnBehalten, &TConfig::lrBehalten}, {spnNeueProTag, &TConfig::lrNeueProTag}})
        connect(paar.first, &QSpinBox::valueChanged, this, [this, zahl = paar.second](int wert) {
            if (!m_fuellen)
                Kopie().*zahl = wert;
        });
    connect(optLatDeu, &QRadioButton::toggled, this, [this](bool an) {
        if (!m_fuellen && an)
            Kopie().vlRichtung = 1;
    });
    connect(optDeuLat, &QRadioButton::toggled, this, [this](bool an) {
        if (!m_fuellen && an)
            Kopie().vlRichtung = 2;
    });
    for (auto [knopf, feld] : {std::pair<QAbstractButton *, bool TConfig::*>{chkStammformen, &TConfig::vlStammformen},
                               {chkPraesens, &TConfig::vlPraesens},
                               {chkPerfekt, &TConfig::vlPerfekt},
                               {chkPartizip, &TConfig::vlPartizip},
                               {chkCase, &TConfig::vlCase},
                               {chkSchnellkorrektur, &TConfig::vlsSchnellkorrektur},
                               {chkVLSAnfang, &TConfig::vlsAnfang},
                               {chkFalscheMehrfach, &TConfig::vlsFalscheMehrfach},
                               {optVLMStammformen, &TConfig::vlmStammformen},
                               {chkFLStammformen, &TConfig::flStammformen},
                               {chkFLKonjDekl, &TConfig::flKonjDekl},
                               {chkFLVokabel, &TConfig::flVokabel},
                               {chkUnsichtbareZeichen, &TConfig::txtUnsichtbareZeichen},
                               {chkDragDrop, &TConfig::txtDragDrop},
                               {chkUmbruch, &TConfig::txtUmbruch},
                               {chkWBPraesens, &TConfig::wbPraesens},
                               {chkVokabelauswahl, &TConfig::KeepVokTooltip},
                               {chkAufzeichnen, &TConfig::lrAufzeichnen},
                               {chkLaengen, &TConfig::Laengen},
                               {chkBetonung, &TConfig::Betonung},
                               {chkLaengenAbfragen, &TConfig::lrLaengen}})
        schalter(knopf, feld, true);
    schalter(optVLSMischen, &TConfig::vlsMischen, true);
    schalter(optVLSReihenfolge, &TConfig::vlsMischen, false);
    schalter(optVLMMischen, &TConfig::vlmMischen, true);
    schalter(optVLMReihenfolge, &TConfig::vlmMischen, false);
    connect(cmbKasus, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!m_fuellen && i >= 0)
            Kopie().vlKasus = cmbKasus->itemData(i).toInt();
    });
    connect(cmbWortart, &QComboBox::currentIndexChanged, this, &TfrmEinstellungen::WortartGewaehlt);
    connect(btnText, &QPushButton::clicked, this, &TfrmEinstellungen::FormenHolen);
    connect(btnFont, &QPushButton::clicked, this, [this] {
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, pnlFont->font(), this, QStringLiteral("Schriftart"));
        if (ok)
            SchriftSetzen(f);
    });
    connect(lstElemente, &QListWidget::currentRowChanged, this, &TfrmEinstellungen::ElementGewaehlt);
    for (bool vg : {true, false})
        connect(vg ? clrVg : clrHg, &QPushButton::clicked, this, [this, vg] {
            const TElement &e = kElemente[std::max(0, lstElemente->currentRow())];
            const QColor c = QColorDialog::getColor(Farbe(Kopie().*(vg ? e.vg : e.hg)), this,
                                                    vg ? QStringLiteral("Vordergrund") : QStringLiteral("Hintergrund"));
            if (c.isValid())
                FarbeSetzen(vg, c);
        });
    connect(txtVorschau, &QTextBrowser::anchorClicked, this,
            [this](const QUrl &url) { lstElemente->setCurrentRow(url.fragment().toInt()); });
}

void TfrmEinstellungen::SeiteGewaehlt()
{
    const QTreeWidgetItem *item = tvwEinstellungen->currentItem();
    if (!item)
        return;
    const int seite = item->data(0, Qt::UserRole).toInt();
    stkSeiten->setCurrentIndex(seite);
    Fuellen(seite);
}

void TfrmEinstellungen::Fuellen(int seite)
{
    const TConfig &c = Kopie();
    m_fuellen = true;
    switch (seite) {
    case kVokabeln:
        (c.vlRichtung == 1 ? optLatDeu : optDeuLat)->setChecked(true);
        spnBehalten->setValue(c.lrBehalten);
        spnNeueProTag->setValue(c.lrNeueProTag);
        chkAufzeichnen->setChecked(c.lrAufzeichnen);
        break;
    case kSchriftlich: {
        chkStammformen->setChecked(c.vlStammformen);
        const int i = cmbKasus->findData(c.vlKasus);
        if (i >= 0)
            cmbKasus->setCurrentIndex(i);
        chkPraesens->setChecked(c.vlPraesens);
        chkPerfekt->setChecked(c.vlPerfekt);
        chkPartizip->setChecked(c.vlPartizip);
        chkCase->setChecked(c.vlCase);
        chkSchnellkorrektur->setChecked(c.vlsSchnellkorrektur);
        (c.vlsMischen ? optVLSMischen : optVLSReihenfolge)->setChecked(true);
        chkVLSAnfang->setChecked(c.vlsAnfang);
        chkFalscheMehrfach->setChecked(c.vlsFalscheMehrfach);
        edtFalscheAnzahl->setValue(c.vlsFalscheAnzahl);
        break;
    }
    case kMuendlich:
        (c.vlmMischen ? optVLMMischen : optVLMReihenfolge)->setChecked(true);
        optVLMStammformen->setChecked(c.vlmStammformen);
        break;
    case kFormenLernen:
        chkFLStammformen->setChecked(c.flStammformen);
        chkFLKonjDekl->setChecked(c.flKonjDekl);
        chkFLVokabel->setChecked(c.flVokabel);
        break;
    case kText: {
        chkUnsichtbareZeichen->setChecked(c.txtUnsichtbareZeichen);
        chkDragDrop->setChecked(c.txtDragDrop);
        chkUmbruch->setChecked(c.txtUmbruch);
        edtUmbruch->setValue(c.txtUmbruchZeichen);
        edtAbstand->setValue(c.txtZeilenabstand);
        QFont f(c.txtName, c.txtSize);
        f.setBold(c.txtStyle & 1);
        f.setItalic(c.txtStyle & 2);
        f.setUnderline(c.txtStyle & 4);
        f.setStrikeOut(c.txtStyle & 8);
        pnlFont->setFont(f);
        break;
    }
    case kFarben:
        ElementGewaehlt();
        VorschauZeichnen();
        break;
    case kSonstiges:
        chkWBPraesens->setChecked(c.wbPraesens);
        chkVokabelauswahl->setChecked(c.KeepVokTooltip);
        chkLaengen->setChecked(c.Laengen);
        chkBetonung->setChecked(c.Betonung);
        chkLaengenAbfragen->setChecked(c.lrLaengen);
        break;
    case kLexikon:
        LexikonAnzeigen();
        break;
    default:
        break;
    }
    m_fuellen = false;
    Freigeben();
}

// Controls that only matter while another one is on.
void TfrmEinstellungen::Freigeben()
{
    const TConfig &c = Kopie();
    for (QWidget *w : {static_cast<QWidget *>(cmbKasus), static_cast<QWidget *>(chkPraesens),
                       static_cast<QWidget *>(chkPerfekt), static_cast<QWidget *>(chkPartizip)})
        w->setEnabled(c.vlStammformen);
    chkFalscheMehrfach->setEnabled(c.vlsMischen);
    edtFalscheAnzahl->setEnabled(c.vlsMischen);
    chkVLSAnfang->setEnabled(!c.vlsMischen);
    edtUmbruch->setEnabled(c.txtUmbruch);
}

void TfrmEinstellungen::FormenbaumAufbauen()
{
    TConfig &c = Kopie();
    QSet<int32_t> angehakt;
    for (const QStringList *liste : {&c.flVerb, &c.flAdjektiv, &c.flSubstantiv})
        for (const QString &id : *liste)
            angehakt.insert(id.toInt());
    TVokabel leer;
    leer.SetWortart(m_baumWortart);
    FormenBaum(VTVFormen, *m_formen, leer, 1, angehakt, [](int32_t) { return QString(); });
}

void TfrmEinstellungen::FormenSpeichern()
{
    if (VTVFormen->topLevelItemCount() > 0)
        FormenlisteSetzen(Kopie(), m_baumWortart, AngehakteFormen(VTVFormen));
}

void TfrmEinstellungen::WortartGewaehlt()
{
    FormenSpeichern();
    m_baumWortart = cmbWortart->currentData().toInt();
    FormenbaumAufbauen();
}

void TfrmEinstellungen::FormenHolen()
{
    if (m_auftrag) {
        m_laeufer->Abbrechen();
        return;
    }
    m_auftrag = std::make_shared<TFormenHolenAuftrag>(m_text);
    if (!m_laeufer->Starten(m_auftrag)) {
        m_auftrag.reset();
        return;
    }
    btnOK->setEnabled(false);
    btnAbbrechen->setEnabled(false);
    pgbFortschritt->setValue(0);
    pgbFortschritt->show();
    btnText->setText(QStringLiteral("Abbre&chen"));
}

void TfrmEinstellungen::FormenGeholt()
{
    const auto auftrag = std::move(m_auftrag);
    m_auftrag.reset();
    // A cancelled walk keeps what it collected up to the word it stopped at.
    m_bearbeitung->FormenUebernehmen(auftrag->Ergebnis());
    btnOK->setEnabled(true);
    btnAbbrechen->setEnabled(true);
    btnText->setText(QStringLiteral("Formen ho&len"));
    pgbFortschritt->setValue(0);
    pgbFortschritt->hide();
    m_baumWortart = cmbWortart->currentData().toInt();
    FormenbaumAufbauen();
}

void TfrmEinstellungen::SchriftSetzen(const QFont &gewaehlt)
{
    QFont schrift = gewaehlt;
    schrift.setPointSize(SchriftgroesseBegrenzt(gewaehlt.pointSize()));
    pnlFont->setFont(schrift);
    TConfig &c = Kopie();
    c.txtName = schrift.family();
    c.txtSize = schrift.pointSize();
    c.txtStyle = (schrift.bold() ? 1 : 0) | (schrift.italic() ? 2 : 0) | (schrift.underline() ? 4 : 0) |
                 (schrift.strikeOut() ? 8 : 0);
}

void TfrmEinstellungen::ElementGewaehlt()
{
    const int i = lstElemente->currentRow();
    for (QPushButton *b : {clrVg, clrHg}) {
        b->setIcon({});
        b->setText({});
    }
    if (i < 0)
        return;
    const TElement &e = kElemente[i];
    for (auto [b, feld] : {std::pair{clrVg, e.vg}, {clrHg, e.hg}}) {
        const QColor farbe = Farbe(Kopie().*feld);
        QPixmap muster(24, 16);
        muster.fill(farbe);
        b->setIcon(muster);
        b->setText(farbe.name().toUpper());
    }
}

void TfrmEinstellungen::FarbeSetzen(bool vordergrund, const QColor &farbe)
{
    const int i = lstElemente->currentRow();
    if (i < 0)
        return;
    const TElement &e = kElemente[i];
    Kopie().*(vordergrund ? e.vg : e.hg) = FarbeAusRgb(farbe.rgb() & 0xFFFFFF);
    ElementGewaehlt();
    VorschauZeichnen();
}

void TfrmEinstellungen::VorschauZeichnen()
{
    const TConfig &c = Kopie();
    QString html =
        QStringLiteral("<div style=\"background-color:%1; font-size:11pt\">").arg(Farbe(c.clNormalHg).name());
    for (const auto &stueck : kVorschau) {
        const QString text = QString::fromLatin1(stueck.text);
        if (text == QLatin1String("\n")) {
            html += QStringLiteral("<br/>");
            continue;
        }
        const TElement &e = kElemente[stueck.element];
        html += QStringLiteral("<a href=\"#%1\" style=\"text-decoration:none; color:%2; background-color:%3\">%4</a>")
                    .arg(stueck.element)
                    .arg(Farbe(c.*e.vg).name(), Farbe(c.*e.hg).name(), text.toHtmlEscaped());
    }
    html += QStringLiteral("</div>");
    txtVorschau->setHtml(html);
}

void TfrmEinstellungen::Ok()
{
    FormenSpeichern();
    m_erledigt = true;
    try {
        m_bearbeitung->Ok();
    } catch (const TEinstellungsFehler &f) {
        m_kern.Rueckfrage().Meldung(QStringLiteral("Einstellungen"), f.Meldung());
    }
    accept();
}

void TfrmEinstellungen::Abbrechen()
{
    m_erledigt = true;
    try {
        m_bearbeitung->Abbrechen();
    } catch (const TEinstellungsFehler &f) {
        m_kern.Rueckfrage().Meldung(QStringLiteral("Einstellungen"), f.Meldung());
    }
    QDialog::reject();
}

void TfrmEinstellungen::reject()
{
    // While forms are collected the window stays; otherwise a plain close
    // keeps the changes for this run without saving them.
    if (Beschaeftigt())
        return;
    if (!m_erledigt) {
        m_erledigt = true;
        FormenSpeichern();
        m_bearbeitung->Schliessen();
    }
    QDialog::reject();
}

} // namespace lexovita
