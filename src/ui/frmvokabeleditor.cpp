#include "ui/frmvokabeleditor.h"

#include "app/anwendungskern.h"
#include "app/lexikondienst.h"
#include "model/config.h"
#include "morph/formenmanager.h"
#include "morph/laengen.h"
#include "morph/staemme.h"
#include "morph/vokabelregeln.h"
#include "ui/formenbaeume.h"
#include "ui/frameauswahl.h"
#include "ui/hilfe.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValidator>

namespace lexovita {

namespace {

constexpr int kSonderformZeilen = 10;

// Word classes in the order of the combo box.
const int32_t kWortarten[] = {WA_VERB, WA_SUBSTANTIV, WA_ADJEKTIV, WA_PRONOMEN, WA_ADVERB, WA_UNBESTIMMT};
const char *const kWortartNamen[] = {"Verb", "Substantiv", "Adjektiv", "Pronomen", "Adverb", "Andere Wortart"};
// Inflection classes of the conjugation and declension combos.
const int32_t kKlassen[] = {KD_A, KD_E, KD_I, KD_O, KD_U, KD_K, KD_G};
const int32_t kKonjugationen[] = {KD_A, KD_E, KD_I, KD_K, KD_G};
// Attribute pages of the stacked widget.
enum { SEITE_VERB, SEITE_SUBSTANTIV, SEITE_ADJEKTIV, SEITE_ADVERB, SEITE_PRONOMEN, SEITE_KEINE };
// Meaning items: the text of a meaning row; heading rows hold none.
constexpr int kRolleBedeutung = Qt::UserRole + 1;

int WortartIndex(int32_t wortart)
{
    for (int i = 0; i < 6; ++i)
        if (kWortarten[i] == wortart)
            return i;
    return 5;
}

// Latin fields take lengths as typed: a_ and :a become ā while typing.
class TLaengenEingabe : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString &eingabe, int &pos) const override
    {
        qsizetype cursor = pos;
        eingabe = LaengenEintippen(eingabe, &cursor);
        pos = int(cursor);
        return Acceptable;
    }
};

QLineEdit *Feld(QWidget *eltern, const char *name, const QString &zugang)
{
    auto *e = new QLineEdit(eltern);
    e->setObjectName(QString::fromLatin1(name));
    e->setAccessibleName(zugang);
    return e;
}

QLabel *Beschriftung(const QString &text, QWidget *buddy)
{
    auto *l = new QLabel(text);
    l->setBuddy(buddy);
    return l;
}

QPushButton *Knopf(const QString &text, const char *name)
{
    auto *b = new QPushButton(text);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

TfrmVokabelEditor::TfrmVokabelEditor(QWidget *parent, TAnwendungskern &kern, TVokabel &eintrag, const QString &titel)
    : QDialog(parent), m_kern(kern), m_dienst(kern), m_eintrag(eintrag), m_formen(std::make_unique<TFormenmanager>())
{
    setObjectName(QStringLiteral("frmVokabelEditor"));
    const auto klammer = titel.indexOf(QLatin1Char('('));
    m_titelAnfang = klammer >= 0 ? titel.left(klammer + 1) : titel;
    setWindowTitle(titel);
    // The grid edits the entry's own special forms: the generator must show what it makes itself.
    m_formen->SetSonderformenEinsetzen(false);

    pgcSeiten = new QTabWidget(this);
    pgcSeiten->setObjectName(QStringLiteral("pgcSeiten"));
    pgcSeiten->addTab(SeiteVokabel(), QStringLiteral("Vokabel"));
    pgcSeiten->addTab(SeiteBedeutungen(), QStringLiteral("Bedeutungen"));
    pgcSeiten->addTab(SeiteAttribute(), QStringLiteral("Attribute"));
    pgcSeiten->addTab(SeiteSonderformen(), QStringLiteral("Sonderformen"));
    pgcSeiten->addTab(SeiteMerkhilfen(), QStringLiteral("Merkhilfen"));
    pgcSeiten->addTab(SeiteVerweise(), QStringLiteral("Verweise"));

    btnZurueck = Knopf(QStringLiteral("< &Zurück"), "btnZurueck");
    btnWeiter = Knopf(QStringLiteral("&Weiter >"), "btnWeiter");
    btnOK = Knopf(QStringLiteral("&OK"), "btnOK");
    btnAbbrechen = Knopf(QStringLiteral("Abbrechen"), "btnAbbrechen");
    btnHilfe = Knopf(QStringLiteral("&Hilfe"), "btnHilfe");
    // Enter belongs to the fields of the pages (adding meanings, aids, references).
    for (QPushButton *b : {btnZurueck, btnWeiter, btnOK, btnAbbrechen, btnHilfe})
        b->setAutoDefault(false);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btnHilfe);
    knoepfe->addStretch(1);
    knoepfe->addWidget(btnZurueck);
    knoepfe->addWidget(btnWeiter);
    knoepfe->addSpacing(12);
    knoepfe->addWidget(btnOK);
    knoepfe->addWidget(btnAbbrechen);
    // Long vowels: a button row for the mouse, "a_" or ":a" for the keyboard.
    auto *laengen = new TLaengenEingabe(this);
    m_lateinFelder = {edtVokabel,     edtVerb[0],     edtVerb[1],    edtVerb[2],    edtGenitiv, edtAdjektiv[0],
                      edtAdjektiv[1], edtAdjektiv[2], edtKomparativ, edtSuperlativ, edtVerweis};
    m_lateinFelder += edtSonderform;
    for (QLineEdit *feld : m_lateinFelder)
        feld->setValidator(laengen);
    auto *vokale = new QHBoxLayout;
    vokale->addWidget(new QLabel(QStringLiteral("Lange Vokale (oder a_ tippen):"), this));
    for (const QChar lang : QStringLiteral("āēīōūȳ")) {
        auto *knopf = new QToolButton(this);
        knopf->setText(lang);
        knopf->setObjectName(QStringLiteral("btnLang") + KurzVokal(lang));
        knopf->setAccessibleName(QStringLiteral("Langes %1 einfügen").arg(KurzVokal(lang)));
        knopf->setToolTip(QStringLiteral("Langes %1 einfügen (oder %1_ tippen)").arg(KurzVokal(lang)));
        // The caret stays in the Latin field the pupil is typing in.
        knopf->setFocusPolicy(Qt::NoFocus);
        connect(knopf, &QToolButton::clicked, this, [this, lang] {
            auto *feld = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            if (feld && m_lateinFelder.contains(feld) && feld->isEnabled())
                feld->insert(QString(lang));
        });
        vokale->addWidget(knopf);
    }
    vokale->addStretch(1);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(pgcSeiten, 1);
    lay->addLayout(vokale);
    lay->addLayout(knoepfe);

    connect(btnZurueck, &QPushButton::clicked, this, [this] { SeiteWechseln(pgcSeiten->currentIndex() - 1); });
    connect(btnWeiter, &QPushButton::clicked, this, [this] { SeiteWechseln(pgcSeiten->currentIndex() + 1); });
    connect(pgcSeiten, &QTabWidget::currentChanged, this, [this](int i) {
        btnZurueck->setEnabled(i > 0);
        btnWeiter->setEnabled(i < pgcSeiten->count() - 1);
    });
    connect(btnOK, &QPushButton::clicked, this, &TfrmVokabelEditor::Ok);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHilfe, &QPushButton::clicked, this, [this] { HilfeZeigen(this, 1058); });

    Fuellen();
    SeiteWechseln(0);
    btnZurueck->setEnabled(false);
    resize(640, 520);
}

TfrmVokabelEditor::~TfrmVokabelEditor() = default;

bool TfrmVokabelEditor::Bearbeiten(QWidget *parent, TAnwendungskern &kern, TVokabel &eintrag, const QString &titel)
{
    TfrmVokabelEditor editor(parent, kern, eintrag, titel);
    editor.exec();
    return editor.Gespeichert() == 1;
}

bool TfrmVokabelEditor::Vorbereiten(QWidget *parent, TAnwendungskern &kern, TVokabel &eintrag, const QString &titel)
{
    TfrmVokabelEditor editor(parent, kern, eintrag, titel);
    editor.m_speichern = false;
    return editor.exec() == QDialog::Accepted;
}

void TfrmVokabelEditor::SeiteWechseln(int seite)
{
    if (seite < 0 || seite >= pgcSeiten->count())
        return;
    pgcSeiten->setCurrentIndex(seite);
    btnZurueck->setEnabled(seite > 0);
    btnWeiter->setEnabled(seite < pgcSeiten->count() - 1);
}

// ---- Pages -----------------------------------------------------------------

QWidget *TfrmVokabelEditor::SeiteVokabel()
{
    auto *seite = new QWidget;
    edtVokabel = Feld(seite, "edtVokabel", QStringLiteral("Vokabel"));
    cmbWortart = new QComboBox(seite);
    cmbWortart->setObjectName(QStringLiteral("cmbWortart"));
    cmbWortart->setAccessibleName(QStringLiteral("Wortart"));
    for (const char *n : kWortartNamen)
        cmbWortart->addItem(QString::fromUtf8(n));
    // Said while typing, not only at "OK": a stored entry of that headword.
    lblVorhanden = new QLabel(seite);
    lblVorhanden->setObjectName(QStringLiteral("lblVorhanden"));
    lblVorhanden->setWordWrap(true);
    lblVorhanden->hide();
    lstLexikon = new QListWidget(seite);
    lstLexikon->setObjectName(QStringLiteral("lstLexikon"));
    lstLexikon->setAccessibleName(QStringLiteral("Passende Wörter aus dem Lexikon"));
    lstLexikon->setMaximumHeight(110);
    lblLexikon = Beschriftung(QStringLiteral("Im &Lexikon:"), lstLexikon);
    btnLexikon = Knopf(QStringLiteral("Aus dem Lexikon ü&bernehmen"), "btnLexikon");
    for (QWidget *w : std::initializer_list<QWidget *>{lblLexikon, lstLexikon, btnLexikon})
        w->hide();
    auto *form = new QFormLayout;
    // The rows stay together at the top when the lexicon list comes and goes.
    auto *oben = new QVBoxLayout(seite);
    oben->addLayout(form);
    oben->addStretch(1);
    form->addRow(Beschriftung(QStringLiteral("&Vokabel:"), edtVokabel), edtVokabel);
    form->addRow(QString(), lblVorhanden);
    form->addRow(Beschriftung(QStringLiteral("Wort&art:"), cmbWortart), cmbWortart);
    form->addRow(lblLexikon, lstLexikon);
    form->addRow(QString(), btnLexikon);
    connect(lstLexikon, &QListWidget::itemActivated, this, &TfrmVokabelEditor::AusLexikonFuellen);
    connect(btnLexikon, &QPushButton::clicked, this, &TfrmVokabelEditor::AusLexikonFuellen);
    connect(edtVokabel, &QLineEdit::textChanged, this, &TfrmVokabelEditor::VokabelGeaendert);
    connect(cmbWortart, &QComboBox::activated, this, &TfrmVokabelEditor::WortartGewaehlt);
    return seite;
}

QWidget *TfrmVokabelEditor::SeiteBedeutungen()
{
    auto *seite = new QWidget;
    edtBedeutung = Feld(seite, "edtBedeutung", QStringLiteral("Bedeutung"));
    edtKommentar = Feld(seite, "edtKommentar", QStringLiteral("Kommentar"));
    spnGruppe = new QSpinBox(seite);
    spnGruppe->setObjectName(QStringLiteral("spnGruppe"));
    spnGruppe->setAccessibleName(QStringLiteral("Gruppe"));
    spnGruppe->setRange(1, 2);
    tvwBedeutungen = new QTreeWidget(seite);
    tvwBedeutungen->setObjectName(QStringLiteral("tvwBedeutungen"));
    tvwBedeutungen->setAccessibleName(QStringLiteral("Bedeutungen"));
    tvwBedeutungen->setHeaderLabels(
        {QStringLiteral("Bedeutung"), QStringLiteral("Kommentar"), QStringLiteral("Gruppe")});
    tvwBedeutungen->installEventFilter(this);
    // Meanings are dragged within the tree only; the drop is handled in
    // eventFilter so the entry, not the tree, decides the new order.
    tvwBedeutungen->setDragDropMode(QAbstractItemView::InternalMove);
    tvwBedeutungen->viewport()->installEventFilter(this);
    btnBedeutungHinzufuegen = Knopf(QStringLiteral("Bedeutung hinzu&fügen"), "btnBedeutungHinzufuegen");
    btnBedeutungAktualisieren = Knopf(QStringLiteral("Bedeutung akt&ualisieren"), "btnBedeutungAktualisieren");
    btnBedeutungEntfernen = Knopf(QStringLiteral("Bedeutung &entfernen"), "btnBedeutungEntfernen");

    auto *form = new QFormLayout;
    form->addRow(Beschriftung(QStringLiteral("&Bedeutung:"), edtBedeutung), edtBedeutung);
    form->addRow(Beschriftung(QStringLiteral("&Kommentar:"), edtKommentar), edtKommentar);
    form->addRow(Beschriftung(QStringLiteral("&Gruppe:"), spnGruppe), spnGruppe);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btnBedeutungHinzufuegen);
    knoepfe->addWidget(btnBedeutungAktualisieren);
    knoepfe->addWidget(btnBedeutungEntfernen);
    knoepfe->addStretch(1);
    auto *lay = new QVBoxLayout(seite);
    lay->addLayout(form);
    lay->addLayout(knoepfe);
    lay->addWidget(tvwBedeutungen, 1);

    for (QLineEdit *e : {edtBedeutung, edtKommentar}) {
        e->installEventFilter(this);
        connect(e, &QLineEdit::textChanged, this, &TfrmVokabelEditor::BedeutungKnoepfe);
    }
    spnGruppe->installEventFilter(this);
    connect(btnBedeutungHinzufuegen, &QPushButton::clicked, this, &TfrmVokabelEditor::BedeutungHinzufuegen);
    connect(btnBedeutungAktualisieren, &QPushButton::clicked, this, &TfrmVokabelEditor::BedeutungAktualisieren);
    connect(btnBedeutungEntfernen, &QPushButton::clicked, this, &TfrmVokabelEditor::BedeutungEntfernen);
    connect(tvwBedeutungen, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *it) {
        if (it && !it->data(0, kRolleBedeutung).toString().isEmpty()) {
            const TBedeutung *b = m_eintrag.BedeutungSuchen(it->data(0, kRolleBedeutung).toString());
            if (b) {
                edtBedeutung->setText(b->bedeutung);
                edtKommentar->setText(b->kommentar);
                spnGruppe->setValue(b->gruppe);
            }
        }
        BedeutungKnoepfe();
    });
    return seite;
}

QWidget *TfrmVokabelEditor::SeiteAttribute()
{
    auto *seite = new QWidget;
    stkAttribute = new QStackedWidget(seite);
    stkAttribute->setObjectName(QStringLiteral("stkAttribute"));

    // Verb.
    auto *verb = new QWidget;
    auto *vf = new QFormLayout(verb);
    const char *verbNamen[] = {"edtVerb1", "edtVerb2", "edtVerb3"};
    // Each principal part named by the form it holds.
    const char *verbTexte[] = {"&1. Prs. Sg. Präsens Aktiv Indikativ", "1. Prs. Sg. P&erfekt Aktiv Indikativ",
                               "Pa&rtizip Perfekt Passiv"};
    for (int i = 0; i < 3; ++i) {
        const QString text = QString::fromUtf8(verbTexte[i]);
        edtVerb[i] = Feld(verb, verbNamen[i], QString(text).remove(QLatin1Char('&')));
        vf->addRow(Beschriftung(text + QLatin1Char(':'), edtVerb[i]), edtVerb[i]);
    }
    cmbKonjugation = new QComboBox(verb);
    cmbKonjugation->setObjectName(QStringLiteral("cmbKonjugation"));
    cmbKonjugation->setAccessibleName(QStringLiteral("Konjugation"));
    for (int32_t k : kKonjugationen)
        cmbKonjugation->addItem(KonjDeklName(WA_VERB, k), k);
    cmbKonjugation->addItem(QStringLiteral("Keine Konjugation"), KD_KEINE);
    vf->addRow(Beschriftung(QStringLiteral("&Konjugation:"), cmbKonjugation), cmbKonjugation);
    chkDeponens = new QCheckBox(QStringLiteral("&Deponens"), verb);
    chkDeponens->setObjectName(QStringLiteral("chkDeponens"));
    chkSemideponens = new QCheckBox(QStringLiteral("&Semideponens"), verb);
    chkSemideponens->setObjectName(QStringLiteral("chkSemideponens"));
    chkKeinPassiv = new QCheckBox(QStringLiteral("Keine &Passiv-Formen"), verb);
    chkKeinPassiv->setObjectName(QStringLiteral("chkKeinPassiv"));
    vf->addRow(chkDeponens);
    vf->addRow(chkSemideponens);
    vf->addRow(chkKeinPassiv);
    stkAttribute->addWidget(verb);

    // Noun.
    auto *subst = new QWidget;
    auto *sf = new QFormLayout(subst);
    edtGenitiv = Feld(subst, "edtGenitiv", QStringLiteral("Genitiv Singular oder Plural"));
    sf->addRow(Beschriftung(QStringLiteral("&Genitiv Sg. oder Pl.:"), edtGenitiv), edtGenitiv);
    auto *genus = new QGroupBox(QStringLiteral("Genus"), subst);
    auto *gl = new QVBoxLayout(genus);
    const char *genusTexte[] = {"&maskulinum", "&femininum", "&neutrum", "maskulinum + fem&ininum"};
    auto *substGruppe = new QButtonGroup(subst);
    for (int i = 0; i < 4; ++i) {
        optSubstGenus[i] = new QRadioButton(QString::fromUtf8(genusTexte[i]), genus);
        optSubstGenus[i]->setObjectName(QStringLiteral("optSubstGenus%1").arg(i));
        substGruppe->addButton(optSubstGenus[i], i);
        gl->addWidget(optSubstGenus[i]);
    }
    sf->addRow(genus);
    cmbDeklination = new QComboBox(subst);
    cmbDeklination->setObjectName(QStringLiteral("cmbDeklination"));
    cmbDeklination->setAccessibleName(QStringLiteral("Deklination"));
    for (int32_t k : kKlassen)
        cmbDeklination->addItem(KonjDeklName(WA_SUBSTANTIV, k), k);
    cmbDeklination->addItem(QStringLiteral("Keine Deklination"), KD_KEINE);
    sf->addRow(Beschriftung(QStringLiteral("&Deklination:"), cmbDeklination), cmbDeklination);
    chkSingularis = new QCheckBox(QStringLiteral("&Singularis tantum"), subst);
    chkSingularis->setObjectName(QStringLiteral("chkSingularis"));
    chkPluralis = new QCheckBox(QStringLiteral("&Pluralis tantum"), subst);
    chkPluralis->setObjectName(QStringLiteral("chkPluralis"));
    sf->addRow(chkSingularis);
    sf->addRow(chkPluralis);
    lblStammSubstantiv = new QLabel(subst);
    lblStammSubstantiv->setObjectName(QStringLiteral("lblStammSubstantiv"));
    sf->addRow(QStringLiteral("Wortstamm:"), lblStammSubstantiv);
    stkAttribute->addWidget(subst);

    // Adjective.
    auto *adj = new QWidget;
    auto *af = new QFormLayout(adj);
    const char *adjNamen[] = {"edtAdjektiv1", "edtAdjektiv2", "edtAdjektiv3"};
    const char *adjTexte[] = {"Nominativ Sg. &maskulinum oder Genitiv Sg.", "Nominativ Sg. &femininum",
                              "Nominativ Sg. &neutrum"};
    for (int i = 0; i < 3; ++i) {
        const QString text = QString::fromUtf8(adjTexte[i]);
        edtAdjektiv[i] = Feld(adj, adjNamen[i], QString(text).remove(QLatin1Char('&')));
        af->addRow(Beschriftung(text + QLatin1Char(':'), edtAdjektiv[i]), edtAdjektiv[i]);
    }
    lblStammAdjektiv = new QLabel(adj);
    lblStammAdjektiv->setObjectName(QStringLiteral("lblStammAdjektiv"));
    lblDeklination = new QLabel(adj);
    lblDeklination->setObjectName(QStringLiteral("lblDeklination"));
    af->addRow(QStringLiteral("Wortstamm:"), lblStammAdjektiv);
    af->addRow(QStringLiteral("Deklination:"), lblDeklination);
    stkAttribute->addWidget(adj);

    // Adverb.
    auto *adv = new QWidget;
    auto *df = new QFormLayout(adv);
    edtKomparativ = Feld(adv, "edtKomparativ", QStringLiteral("Komparativ"));
    edtSuperlativ = Feld(adv, "edtSuperlativ", QStringLiteral("Superlativ"));
    df->addRow(Beschriftung(QStringLiteral("&Komparativ:"), edtKomparativ), edtKomparativ);
    df->addRow(Beschriftung(QStringLiteral("&Superlativ:"), edtSuperlativ), edtSuperlativ);
    stkAttribute->addWidget(adv);

    // Pronoun.
    auto *pro = new QGroupBox(QStringLiteral("Genus"));
    auto *pl = new QVBoxLayout(pro);
    const char *proTexte[] = {"&maskulinum", "&femininum", "&neutrum", "maskulinum + fem&ininum", "Kein &Genus"};
    auto *proGruppe = new QButtonGroup(pro);
    for (int i = 0; i < 5; ++i) {
        optProGenus[i] = new QRadioButton(QString::fromUtf8(proTexte[i]), pro);
        optProGenus[i]->setObjectName(QStringLiteral("optProGenus%1").arg(i));
        proGruppe->addButton(optProGenus[i], i);
        pl->addWidget(optProGenus[i]);
    }
    pl->addStretch(1);
    stkAttribute->addWidget(pro);

    auto *keine = new QLabel(QStringLiteral("Für diese Wortart sind keine Attribute vorgesehen."));
    keine->setAlignment(Qt::AlignCenter);
    stkAttribute->addWidget(keine);

    lblVorschau = new QLabel(seite);
    lblVorschau->setObjectName(QStringLiteral("lblVorschau"));
    lblVorschau->setAccessibleName(QStringLiteral("Vorschau wichtiger Formen"));
    lblVorschau->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *vorschau = new QGroupBox(QStringLiteral("Vorschau"), seite);
    auto *vl = new QVBoxLayout(vorschau);
    vl->addWidget(lblVorschau);

    auto *lay = new QVBoxLayout(seite);
    lay->addWidget(stkAttribute, 1);
    lay->addWidget(vorschau);

    // Every typed character goes into the entry at once, trimmed: the preview and the stem follow.
    for (QLineEdit *e : {edtVerb[0], edtVerb[1], edtVerb[2], edtAdjektiv[0], edtAdjektiv[1], edtAdjektiv[2],
                         edtKomparativ, edtSuperlativ, edtGenitiv})
        connect(e, &QLineEdit::textChanged, this, &TfrmVokabelEditor::FormGeaendert);
    connect(edtGenitiv, &QLineEdit::editingFinished, this, [this] {
        if (m_fuellt)
            return;
        GenitivSetzen(m_eintrag, edtGenitiv->text());
        AttributeZeigen();
    });
    connect(cmbKonjugation, &QComboBox::activated, this, [this] {
        m_eintrag.SetKonjDekl(cmbKonjugation->currentData().toInt());
        VorschauAktualisieren();
    });
    connect(cmbDeklination, &QComboBox::activated, this, [this] {
        m_eintrag.SetKonjDekl(cmbDeklination->currentData().toInt());
        StammZeigen();
        VorschauAktualisieren();
    });
    const struct {
        QCheckBox *box;
        int32_t bit;
    } flags[] = {{chkDeponens, ATTR_DEPONENS},
                 {chkSemideponens, ATTR_SEMIDEPONENS},
                 {chkKeinPassiv, ATTR_KEIN_PASSIV},
                 {chkSingularis, ATTR_SINGULARIS_TANTUM},
                 {chkPluralis, ATTR_PLURALIS_TANTUM}};
    for (const auto &f : flags)
        connect(f.box, &QCheckBox::clicked, this, [this, bit = f.bit](bool an) { FlagGeklickt(bit, an); });
    connect(substGruppe, &QButtonGroup::idClicked, this, [this](int i) {
        m_eintrag.form2 = GenusBuchstabe(static_cast<TGenus>(i));
        StammZeigen();
        VorschauAktualisieren();
    });
    connect(proGruppe, &QButtonGroup::idClicked, this,
            [this](int i) { m_eintrag.form2 = GenusBuchstabe(static_cast<TGenus>(i)); });
    return seite;
}

QWidget *TfrmVokabelEditor::SeiteSonderformen()
{
    auto *seite = new QWidget;
    tvwKategorien = new QTreeWidget(seite);
    tvwKategorien->setObjectName(QStringLiteral("tvwKategorien"));
    tvwKategorien->setAccessibleName(QStringLiteral("Formenkategorien"));
    tvwKategorien->setHeaderHidden(true);
    lblSonderformen = new QLabel(QStringLiteral("Sonderformen eingeben..."), seite);
    lblSonderformen->setObjectName(QStringLiteral("lblSonderformen"));
    QFont fett = lblSonderformen->font();
    fett.setBold(true);
    lblSonderformen->setFont(fett);

    auto *raster = new QGridLayout;
    for (int i = 0; i < kSonderformZeilen; ++i) {
        auto *haken = new QCheckBox(seite);
        haken->setObjectName(QStringLiteral("chkSonderform%1").arg(i));
        auto *feld = new QLineEdit(seite);
        feld->setObjectName(QStringLiteral("edtSonderform%1").arg(i));
        feld->setEnabled(false);
        chkSonderform.append(haken);
        edtSonderform.append(feld);
        raster->addWidget(haken, i, 0);
        raster->addWidget(feld, i, 1);
        connect(haken, &QCheckBox::clicked, this, [this, i](bool an) { SonderformHaken(i, an); });
        connect(feld, &QLineEdit::textEdited, this, [this, i](const QString &t) { SonderformText(i, t); });
    }
    raster->setColumnStretch(1, 1);
    raster->setRowStretch(kSonderformZeilen, 1);
    btnAlleAuswaehlen = Knopf(QStringLiteral("Alle &auswählen"), "btnAlleAuswaehlen");
    btnAlleAbwaehlen = Knopf(QStringLiteral("Alle a&bwählen"), "btnAlleAbwaehlen");
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btnAlleAuswaehlen);
    knoepfe->addWidget(btnAlleAbwaehlen);
    knoepfe->addStretch(1);

    auto *rechts = new QVBoxLayout;
    rechts->addWidget(lblSonderformen);
    rechts->addLayout(raster, 1);
    rechts->addLayout(knoepfe);
    auto *lay = new QHBoxLayout(seite);
    lay->addWidget(tvwKategorien, 2);
    lay->addLayout(rechts, 3);

    connect(tvwKategorien, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *it) { SonderformenZeigen(it ? KnotenDaten(it).id : 0); });
    auto alle = [this](bool an) {
        for (int i = 0; i < static_cast<int>(m_zeilen.size()); ++i)
            if (chkSonderform[i]->isChecked() != an) {
                chkSonderform[i]->setChecked(an);
                SonderformHaken(i, an);
            }
    };
    connect(btnAlleAuswaehlen, &QPushButton::clicked, this, [alle] { alle(true); });
    connect(btnAlleAbwaehlen, &QPushButton::clicked, this, [alle] { alle(false); });
    return seite;
}

QWidget *TfrmVokabelEditor::SeiteMerkhilfen()
{
    auto *seite = new QWidget;
    edtMerkhilfe = Feld(seite, "edtMerkhilfe", QStringLiteral("Merkhilfe"));
    cmbSprache = new QComboBox(seite);
    cmbSprache->setObjectName(QStringLiteral("cmbSprache"));
    cmbSprache->setAccessibleName(QStringLiteral("Sprache"));
    for (int32_t s : {SPR_DEUTSCH, SPR_ENGLISCH, SPR_FRANZOESISCH, SPR_SPANISCH, SPR_ITALIENISCH, SPR_ANDERE})
        cmbSprache->addItem(SpracheName(s), s);
    cmbSprache->setCurrentIndex(-1);
    lvwMerkhilfen = new QTreeWidget(seite);
    lvwMerkhilfen->setObjectName(QStringLiteral("lvwMerkhilfen"));
    lvwMerkhilfen->setAccessibleName(QStringLiteral("Merkhilfen"));
    lvwMerkhilfen->setRootIsDecorated(false);
    lvwMerkhilfen->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvwMerkhilfen->setHeaderLabels({QStringLiteral("Merkhilfe"), QStringLiteral("Sprache")});
    lvwMerkhilfen->installEventFilter(this);
    btnMerkhilfeHinzufuegen = Knopf(QStringLiteral("Merkhilfe hinzu&fügen"), "btnMerkhilfeHinzufuegen");
    btnMerkhilfeAktualisieren = Knopf(QStringLiteral("Merkhilfe akt&ualisieren"), "btnMerkhilfeAktualisieren");
    btnMerkhilfeEntfernen = Knopf(QStringLiteral("Merkhilfe &entfernen"), "btnMerkhilfeEntfernen");
    btnDetailansicht = Knopf(QStringLiteral("&Detailansicht"), "btnDetailansicht");
    btnListenansicht = Knopf(QStringLiteral("&Listenansicht"), "btnListenansicht");

    auto *form = new QFormLayout;
    form->addRow(Beschriftung(QStringLiteral("Wor&t:"), edtMerkhilfe), edtMerkhilfe);
    form->addRow(Beschriftung(QStringLiteral("&Sprache:"), cmbSprache), cmbSprache);
    auto *knoepfe = new QHBoxLayout;
    for (QPushButton *b : {btnMerkhilfeHinzufuegen, btnMerkhilfeAktualisieren, btnMerkhilfeEntfernen})
        knoepfe->addWidget(b);
    knoepfe->addStretch(1);
    knoepfe->addWidget(btnDetailansicht);
    knoepfe->addWidget(btnListenansicht);
    auto *lay = new QVBoxLayout(seite);
    lay->addLayout(form);
    lay->addLayout(knoepfe);
    lay->addWidget(lvwMerkhilfen, 1);

    connect(edtMerkhilfe, &QLineEdit::textChanged, this, &TfrmVokabelEditor::MerkhilfeKnoepfe);
    connect(cmbSprache, &QComboBox::currentIndexChanged, this, &TfrmVokabelEditor::MerkhilfeKnoepfe);
    connect(lvwMerkhilfen, &QTreeWidget::itemSelectionChanged, this, [this] {
        const auto sel = lvwMerkhilfen->selectedItems();
        if (sel.size() == 1) {
            edtMerkhilfe->setText(sel.first()->text(0));
            cmbSprache->setCurrentIndex(cmbSprache->findText(sel.first()->text(1)));
        }
        MerkhilfeKnoepfe();
    });
    edtMerkhilfe->installEventFilter(this);
    connect(btnMerkhilfeHinzufuegen, &QPushButton::clicked, this, &TfrmVokabelEditor::MerkhilfeHinzufuegen);
    connect(btnMerkhilfeAktualisieren, &QPushButton::clicked, this, &TfrmVokabelEditor::MerkhilfeAktualisieren);
    connect(btnMerkhilfeEntfernen, &QPushButton::clicked, this, &TfrmVokabelEditor::MerkhilfenEntfernen);
    // The list view shows the words alone; the details add the language column.
    connect(btnDetailansicht, &QPushButton::clicked, this, [this] {
        lvwMerkhilfen->setHeaderHidden(false);
        lvwMerkhilfen->setColumnHidden(1, false);
    });
    connect(btnListenansicht, &QPushButton::clicked, this, [this] {
        lvwMerkhilfen->setHeaderHidden(true);
        lvwMerkhilfen->setColumnHidden(1, true);
    });
    return seite;
}

QWidget *TfrmVokabelEditor::SeiteVerweise()
{
    auto *seite = new QWidget;
    edtVerweis = Feld(seite, "edtVerweis", QStringLiteral("Verweis auf Vokabel"));
    edtVerweis->installEventFilter(this);
    frameVerweis = new TframeAuswahl(seite);
    frameVerweis->setObjectName(QStringLiteral("frameVerweis"));
    frameVerweis->hide();
    lstVerweise = new QListWidget(seite);
    lstVerweise->setObjectName(QStringLiteral("lstVerweise"));
    lstVerweise->setAccessibleName(QStringLiteral("Verweise"));
    lstVerweise->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstVerweise->installEventFilter(this);
    btnVerweisHinzufuegen = Knopf(QStringLiteral("Verweis hinzu&fügen"), "btnVerweisHinzufuegen");
    btnVerweisAktualisieren = Knopf(QStringLiteral("Verweis akt&ualisieren"), "btnVerweisAktualisieren");
    btnVerweisEntfernen = Knopf(QStringLiteral("Verweis &entfernen"), "btnVerweisEntfernen");

    auto *zeile = new QHBoxLayout;
    zeile->addWidget(Beschriftung(QStringLiteral("&Vokabel:"), edtVerweis));
    zeile->addWidget(edtVerweis, 1);
    zeile->addWidget(frameVerweis);
    auto *knoepfe = new QHBoxLayout;
    for (QPushButton *b : {btnVerweisHinzufuegen, btnVerweisAktualisieren, btnVerweisEntfernen})
        knoepfe->addWidget(b);
    knoepfe->addStretch(1);
    auto *lay = new QVBoxLayout(seite);
    lay->addLayout(zeile);
    lay->addLayout(knoepfe);
    lay->addWidget(lstVerweise, 1);

    connect(edtVerweis, &QLineEdit::textChanged, this, &TfrmVokabelEditor::VerweisSuchen);
    connect(frameVerweis, &TframeAuswahl::geaendert, this, &TfrmVokabelEditor::VerweisKnoepfe);
    connect(lstVerweise, &QListWidget::itemSelectionChanged, this, &TfrmVokabelEditor::VerweisKnoepfe);
    connect(btnVerweisHinzufuegen, &QPushButton::clicked, this, &TfrmVokabelEditor::VerweisHinzufuegen);
    connect(btnVerweisAktualisieren, &QPushButton::clicked, this, &TfrmVokabelEditor::VerweisAktualisieren);
    connect(btnVerweisEntfernen, &QPushButton::clicked, this, &TfrmVokabelEditor::VerweiseEntfernen);
    return seite;
}

void TfrmVokabelEditor::Fuellen()
{
    m_fuellt = true;
    edtVokabel->setText(m_eintrag.vokabel);
    cmbWortart->setCurrentIndex(WortartIndex(m_eintrag.Wortart()));
    m_fuellt = false;
    VorhandeneZeigen();
    BedeutungenAufbauen(QString());
    lvwMerkhilfen->clear();
    for (const auto &m : m_eintrag.merkhilfen) {
        auto *it = new QTreeWidgetItem(lvwMerkhilfen, {m->merkhilfe, SpracheName(m->sprache)});
        const QString flagge = SpracheFlagge(m->sprache);
        if (!flagge.isEmpty())
            it->setIcon(0, QIcon(QDir(m_kern.Config().VorlagenOrdner()).filePath(flagge)));
    }
    lstVerweise->clear();
    lstVerweise->addItems(m_eintrag.Verweise());
    AttributeZeigen();
    MerkhilfeKnoepfe();
    VerweisKnoepfe();
    m_gespeichert = 2;
}

// ---- "Vokabel" and "Attribute" -----------------------------------------------

void TfrmVokabelEditor::VokabelGeaendert(const QString &text)
{
    if (m_fuellt)
        return;
    if (text.contains(QLatin1Char('\''))) {
        // Apostrophes break the quoting of the old data files; the double quote stands in for them.
        const int pos = edtVokabel->cursorPosition();
        QString ersetzt = text;
        ersetzt.replace(QLatin1Char('\''), QLatin1Char('"'));
        edtVokabel->setText(ersetzt);
        edtVokabel->setCursorPosition(pos);
        return;
    }
    m_eintrag.vokabel = text.trimmed();
    setWindowTitle(m_titelAnfang + m_eintrag.vokabel + QLatin1Char(')'));
    VorhandeneZeigen();
    LexikonZeigen();
    if (m_eintrag.Wortart() == WA_ADJEKTIV)
        FormGeaendert();
    VorschauAktualisieren();
}

void TfrmVokabelEditor::VorhandeneZeigen()
{
    QStringList wortarten;
    if (!m_eintrag.vokabel.isEmpty())
        for (const auto &v : m_dienst.Suchen(m_eintrag.vokabel))
            if (v->id != m_eintrag.id && LaengenEntfernen(v->vokabel) == LaengenEntfernen(m_eintrag.vokabel))
                wortarten << v->WortartText();
    wortarten.removeDuplicates();
    lblVorhanden->setText(wortarten.isEmpty() ? QString()
                                              : QStringLiteral("„%1“ ist bereits im Wörterbuch vorhanden (%2).")
                                                    .arg(m_eintrag.vokabel, wortarten.join(QStringLiteral(", "))));
    lblVorhanden->setVisible(!wortarten.isEmpty());
}

void TfrmVokabelEditor::LexikonZeigen()
{
    lstLexikon->clear();
    // Offered for a new entry only: an existing one is the pupil's own.
    if (m_eintrag.id == 0 && m_eintrag.vokabel.size() >= 2)
        for (const TLexikonLemma &l : LexikonNachschlagen(m_kern, m_eintrag.vokabel)) {
            QStringList deutsch;
            for (const QStringList &gruppe : l.deutsch)
                deutsch << gruppe.join(QStringLiteral(", "));
            const QString text = deutsch.isEmpty() ? l.schluesselformen
                                                   : QStringLiteral("%1 – %2").arg(l.schluesselformen,
                                                                                   deutsch.join(QStringLiteral("; ")));
            auto *eintrag = new QListWidgetItem(text, lstLexikon);
            eintrag->setData(Qt::UserRole, l.id);
        }
    const bool gefunden = lstLexikon->count() > 0;
    if (gefunden)
        lstLexikon->setCurrentRow(0);
    for (QWidget *w : std::initializer_list<QWidget *>{lblLexikon, lstLexikon, btnLexikon})
        w->setVisible(gefunden);
}

void TfrmVokabelEditor::AusLexikonFuellen()
{
    const QListWidgetItem *gewaehlt = lstLexikon->currentItem();
    TVokabel lemma;
    if (!gewaehlt || !LexikonEintragBauen(m_kern.Daten(), gewaehlt->data(Qt::UserRole).toInt(), lemma))
        return;
    // Every page takes the lemma; the pupil can still change all of it.
    const int32_t id = m_eintrag.id;
    lemma.KopierenNach(m_eintrag);
    m_eintrag.id = id;
    Fuellen();
    setWindowTitle(m_titelAnfang + m_eintrag.vokabel + QLatin1Char(')'));
    VorschauAktualisieren();
}

void TfrmVokabelEditor::WortartGewaehlt(int index)
{
    const int32_t wortart = kWortarten[std::clamp(index, 0, 5)];
    m_eintrag.SetWortart(wortart);
    if (wortart == WA_VERB)
        StammformenVorschlagen(m_eintrag);
    AttributeZeigen();
}

void TfrmVokabelEditor::AttributeZeigen()
{
    m_fuellt = true;
    const TVokabel &v = m_eintrag;
    auto setzen = [](QLineEdit *e, const QString &t) {
        if (e->text() != t)
            e->setText(t);
    };
    switch (v.Wortart()) {
    case WA_VERB: {
        stkAttribute->setCurrentIndex(SEITE_VERB);
        setzen(edtVerb[0], v.form1);
        setzen(edtVerb[1], v.form2);
        setzen(edtVerb[2], v.form3);
        const int k = cmbKonjugation->findData(v.KonjDekl());
        cmbKonjugation->setCurrentIndex(k >= 0 ? k : cmbKonjugation->count() - 1);
        chkDeponens->setChecked(v.Deponens());
        chkSemideponens->setChecked(v.Semideponens());
        chkKeinPassiv->setChecked(v.KeinPassiv());
        edtVerb[2]->setEnabled(PartizipFeldAktiv(v));
        break;
    }
    case WA_SUBSTANTIV: {
        stkAttribute->setCurrentIndex(SEITE_SUBSTANTIV);
        setzen(edtGenitiv, v.form1);
        const int genus = static_cast<int>(GenusAus(v.form2));
        for (int i = 0; i < 4; ++i)
            optSubstGenus[i]->setChecked(i == genus);
        const int k = cmbDeklination->findData(v.KonjDekl());
        cmbDeklination->setCurrentIndex(k >= 0 ? k : cmbDeklination->count() - 1);
        chkSingularis->setChecked(v.SingularisTantum());
        chkPluralis->setChecked(v.PluralisTantum());
        break;
    }
    case WA_ADJEKTIV:
        stkAttribute->setCurrentIndex(SEITE_ADJEKTIV);
        setzen(edtAdjektiv[0], v.form1);
        setzen(edtAdjektiv[1], v.form2);
        setzen(edtAdjektiv[2], v.form3);
        break;
    case WA_ADVERB:
        stkAttribute->setCurrentIndex(SEITE_ADVERB);
        setzen(edtKomparativ, v.form1);
        setzen(edtSuperlativ, v.form2);
        break;
    case WA_PRONOMEN: {
        stkAttribute->setCurrentIndex(SEITE_PRONOMEN);
        optProGenus[static_cast<int>(GenusAus(v.form2))]->setChecked(true);
        break;
    }
    default:
        stkAttribute->setCurrentIndex(SEITE_KEINE);
        break;
    }
    m_fuellt = false;
    StammZeigen();
    KategorienAufbauen();
    VorschauAktualisieren();
}

void TfrmVokabelEditor::FormGeaendert()
{
    if (m_fuellt)
        return;
    TVokabel &v = m_eintrag;
    switch (v.Wortart()) {
    case WA_VERB:
        v.form1 = edtVerb[0]->text().trimmed();
        v.form2 = edtVerb[1]->text().trimmed();
        v.form3 = edtVerb[2]->text().trimmed();
        break;
    case WA_SUBSTANTIV:
        v.form1 = edtGenitiv->text().trimmed();
        break;
    case WA_ADJEKTIV:
        v.form1 = edtAdjektiv[0]->text().trimmed();
        v.form2 = edtAdjektiv[1]->text().trimmed();
        v.form3 = edtAdjektiv[2]->text().trimmed();
        v.SetKonjDekl(DeklinationErmitteln(v.vokabel, v.form1, v.form2, v.form3));
        break;
    case WA_ADVERB:
        v.form1 = edtKomparativ->text().trimmed();
        v.form2 = edtSuperlativ->text().trimmed();
        break;
    default:
        return;
    }
    StammZeigen();
    VorschauAktualisieren();
}

void TfrmVokabelEditor::FlagGeklickt(int32_t bit, bool an)
{
    if (m_fuellt)
        return;
    FlagSetzen(m_eintrag, bit, an);
    AttributeZeigen();
}

void TfrmVokabelEditor::StammZeigen()
{
    if (m_eintrag.Wortart() == WA_SUBSTANTIV)
        lblStammSubstantiv->setText(Nominalstamm(m_eintrag));
    if (m_eintrag.Wortart() == WA_ADJEKTIV) {
        lblStammAdjektiv->setText(Nominalstamm(m_eintrag));
        lblDeklination->setText(m_eintrag.KonjDeklText());
    }
}

void TfrmVokabelEditor::VorschauAktualisieren()
{
    const QStringList formen = Schluesselformen(*m_formen, m_eintrag);
    lblVorschau->setText(formen.isEmpty() ? QStringLiteral("–") : formen.join(QStringLiteral("   ·   ")));
}

// ---- "Bedeutungen" ---------------------------------------------------------

void TfrmVokabelEditor::BedeutungenAufbauen(const QString &auswahl)
{
    const QSignalBlocker sperre(tvwBedeutungen);
    tvwBedeutungen->clear();
    m_eintrag.BedeutungenSortieren();
    QTreeWidgetItem *gruppe = nullptr;
    int32_t gruppeNr = 0;
    QTreeWidgetItem *gewaehlt = nullptr;
    for (const auto &b : m_eintrag.bedeutungen) {
        if (!gruppe || b->gruppe != gruppeNr) {
            gruppeNr = b->gruppe;
            gruppe = new QTreeWidgetItem(tvwBedeutungen, {QStringLiteral("Gruppe %1").arg(gruppeNr)});
            gruppe->setData(1, kRolleBedeutung, gruppeNr);
            gruppe->setExpanded(true);
        }
        auto *it = new QTreeWidgetItem(
            gruppe, {b->bedeutung, b->kommentar, QStringLiteral("%1 - %2").arg(b->gruppe).arg(b->position)});
        it->setData(0, kRolleBedeutung, b->bedeutung);
        if (b->bedeutung == auswahl)
            gewaehlt = it;
    }
    tvwBedeutungen->expandAll();
    tvwBedeutungen->resizeColumnToContents(0);
    if (gewaehlt)
        tvwBedeutungen->setCurrentItem(gewaehlt);
    spnGruppe->setMaximum(m_eintrag.MaxGruppe() + 1);
    BedeutungKnoepfe();
}

void TfrmVokabelEditor::BedeutungKnoepfe()
{
    const QString text = edtBedeutung->text().trimmed();
    const TBedeutung *gleich = m_eintrag.BedeutungSuchen(text);
    const QTreeWidgetItem *it = tvwBedeutungen->currentItem();
    const QString gewaehlt = it ? it->data(0, kRolleBedeutung).toString() : QString();
    btnBedeutungHinzufuegen->setEnabled(!text.isEmpty() && !gleich);
    btnBedeutungAktualisieren->setEnabled(!gewaehlt.isEmpty() && !text.isEmpty() &&
                                          (!gleich || gleich->bedeutung == gewaehlt));
    btnBedeutungEntfernen->setEnabled(!gewaehlt.isEmpty());
}

void TfrmVokabelEditor::BedeutungHinzufuegen()
{
    if (!btnBedeutungHinzufuegen->isEnabled())
        return;
    const QString text = edtBedeutung->text().trimmed();
    m_eintrag.BedeutungAnhaengen(text, edtKommentar->text().trimmed(), std::max(1, spnGruppe->value()));
    BedeutungenAufbauen(text);
    edtBedeutung->setFocus();
    edtBedeutung->selectAll();
}

void TfrmVokabelEditor::BedeutungAktualisieren()
{
    const QTreeWidgetItem *it = tvwBedeutungen->currentItem();
    if (!btnBedeutungAktualisieren->isEnabled() || !it)
        return;
    const QString alt = it->data(0, kRolleBedeutung).toString();
    const TBedeutung *b = m_eintrag.BedeutungSuchen(alt);
    if (!b)
        return;
    const QString neu = edtBedeutung->text().trimmed();
    const int32_t gruppe = spnGruppe->value();
    // In its own group it keeps its place; moved to another group it goes first there.
    const int32_t position = gruppe == b->gruppe ? b->position : 1;
    m_eintrag.BedeutungAendern(alt, neu, position, gruppe, edtKommentar->text().trimmed());
    BedeutungenAufbauen(neu);
}

void TfrmVokabelEditor::BedeutungEntfernen()
{
    const QTreeWidgetItem *it = tvwBedeutungen->currentItem();
    if (!it || it->data(0, kRolleBedeutung).toString().isEmpty())
        return;
    m_eintrag.BedeutungEntfernen(it->data(0, kRolleBedeutung).toString());
    BedeutungenAufbauen(QString());
}

void TfrmVokabelEditor::BedeutungVerschieben(const QTreeWidgetItem *ziel)
{
    const QTreeWidgetItem *it = tvwBedeutungen->currentItem();
    const QString text = it ? it->data(0, kRolleBedeutung).toString() : QString();
    const TBedeutung *b = m_eintrag.BedeutungSuchen(text);
    if (!b || !ziel || ziel == it)
        return;
    // On a group heading the meaning goes first into that group; on another
    // meaning it takes that meaning's group and place.
    int32_t gruppe = ziel->data(1, kRolleBedeutung).toInt();
    int32_t position = 1;
    if (const TBedeutung *z = m_eintrag.BedeutungSuchen(ziel->data(0, kRolleBedeutung).toString())) {
        gruppe = z->gruppe;
        position = z->position;
    }
    if (gruppe < 1)
        return;
    m_eintrag.BedeutungAendern(text, text, position, gruppe, b->kommentar);
    BedeutungenAufbauen(text);
}

// ---- "Sonderformen" --------------------------------------------------------

void TfrmVokabelEditor::KategorienAufbauen()
{
    const int32_t wa = m_eintrag.Wortart();
    const bool mitBaum = wa == WA_VERB || wa == WA_ADJEKTIV || wa == WA_ADVERB;
    tvwKategorien->setVisible(mitBaum);
    std::vector<int32_t> selektoren;
    {
        const QSignalBlocker sperre(tvwKategorien);
        if (mitBaum)
            KategorieBaum(tvwKategorien, m_eintrag, selektoren, 1);
        else
            tvwKategorien->clear();
    }
    SonderformenZeigen(0);
}

void TfrmVokabelEditor::SonderformenZeigen(int32_t selektor)
{
    m_zeilen = SonderformZeilen(*m_formen, m_eintrag, selektor, kSonderformZeilen);
    QString ueberschrift = QStringLiteral("Sonderformen eingeben...");
    if (selektor != 0) {
        QStringList pfad;
        for (const QTreeWidgetItem *it = tvwKategorien->currentItem(); it; it = it->parent())
            pfad.prepend(it->text(0));
        ueberschrift = pfad.join(QLatin1Char(' '));
    }
    lblSonderformen->setText(ueberschrift);
    for (int i = 0; i < kSonderformZeilen; ++i) {
        const bool da = i < static_cast<int>(m_zeilen.size());
        chkSonderform[i]->setVisible(da);
        edtSonderform[i]->setVisible(da);
        if (!da)
            continue;
        const TLatForm &f = m_zeilen[static_cast<size_t>(i)];
        const TLatForm *sonder = Sonderform(f.formId);
        const QString name = SonderformZeilenText(m_eintrag, f.formId);
        chkSonderform[i]->setText(name);
        chkSonderform[i]->setChecked(sonder);
        edtSonderform[i]->setAccessibleName(QStringLiteral("Sonderform ") + name);
        edtSonderform[i]->setEnabled(sonder);
        edtSonderform[i]->setText(sonder ? sonder->text : f.text);
    }
    btnAlleAuswaehlen->setEnabled(!m_zeilen.empty());
    btnAlleAbwaehlen->setEnabled(!m_zeilen.empty());
}

TLatForm *TfrmVokabelEditor::Sonderform(int32_t formId)
{
    for (const auto &s : m_eintrag.sonderformen)
        if (s->formId == formId)
            return s.get();
    return nullptr;
}

void TfrmVokabelEditor::SonderformHaken(int zeile, bool an)
{
    if (zeile >= static_cast<int>(m_zeilen.size()))
        return;
    const TLatForm &f = m_zeilen[static_cast<size_t>(zeile)];
    QLineEdit *feld = edtSonderform[zeile];
    if (an) {
        if (const TLatForm *s = Sonderform(f.formId))
            feld->setText(s->text);
        else
            m_eintrag.sonderformen.push_back(
                std::make_unique<TLatForm>(m_eintrag.id, feld->text().trimmed(), f.formId));
        feld->setEnabled(true);
        feld->setFocus();
    } else {
        auto &liste = m_eintrag.sonderformen;
        liste.erase(std::remove_if(liste.begin(), liste.end(), [&](const auto &s) { return s->formId == f.formId; }),
                    liste.end());
        feld->setText(f.text);
        feld->setEnabled(false);
    }
}

void TfrmVokabelEditor::SonderformText(int zeile, const QString &text)
{
    if (zeile >= static_cast<int>(m_zeilen.size()))
        return;
    const int32_t id = m_zeilen[static_cast<size_t>(zeile)].formId;
    if (TLatForm *s = Sonderform(id))
        s->text = text.trimmed();
    else
        m_eintrag.sonderformen.push_back(std::make_unique<TLatForm>(m_eintrag.id, text.trimmed(), id));
}

// ---- "Merkhilfen" ----------------------------------------------------------

void TfrmVokabelEditor::MerkhilfeKnoepfe()
{
    const QString wort = edtMerkhilfe->text().trimmed();
    const QString sprache = cmbSprache->currentText();
    bool gelistet = false;
    for (int i = 0; i < lvwMerkhilfen->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *it = lvwMerkhilfen->topLevelItem(i);
        gelistet = gelistet || (it->text(0) == wort && it->text(1) == sprache);
    }
    const int gewaehlt = int(lvwMerkhilfen->selectedItems().size());
    btnMerkhilfeHinzufuegen->setEnabled(!wort.isEmpty() && cmbSprache->currentIndex() >= 0 && !gelistet);
    btnMerkhilfeAktualisieren->setEnabled(gewaehlt == 1 && !wort.isEmpty() && cmbSprache->currentIndex() >= 0);
    btnMerkhilfeEntfernen->setEnabled(gewaehlt > 0);
}

void TfrmVokabelEditor::MerkhilfeHinzufuegen()
{
    if (!btnMerkhilfeHinzufuegen->isEnabled())
        return;
    const int32_t sprache = cmbSprache->currentData().toInt();
    auto *it = new QTreeWidgetItem(lvwMerkhilfen, {edtMerkhilfe->text().trimmed(), SpracheName(sprache)});
    const QString flagge = SpracheFlagge(sprache);
    if (!flagge.isEmpty())
        it->setIcon(0, QIcon(QDir(m_kern.Config().VorlagenOrdner()).filePath(flagge)));
    MerkhilfenUebernehmen();
    edtMerkhilfe->selectAll();
}

void TfrmVokabelEditor::MerkhilfeAktualisieren()
{
    const auto sel = lvwMerkhilfen->selectedItems();
    if (!btnMerkhilfeAktualisieren->isEnabled() || sel.size() != 1)
        return;
    const int32_t sprache = cmbSprache->currentData().toInt();
    sel.first()->setText(0, edtMerkhilfe->text().trimmed());
    sel.first()->setText(1, SpracheName(sprache));
    const QString flagge = SpracheFlagge(sprache);
    sel.first()->setIcon(0,
                         flagge.isEmpty() ? QIcon() : QIcon(QDir(m_kern.Config().VorlagenOrdner()).filePath(flagge)));
    MerkhilfenUebernehmen();
}

void TfrmVokabelEditor::MerkhilfenEntfernen()
{
    qDeleteAll(lvwMerkhilfen->selectedItems());
    MerkhilfenUebernehmen();
}

void TfrmVokabelEditor::MerkhilfenUebernehmen()
{
    m_eintrag.merkhilfen.clear();
    for (int i = 0; i < lvwMerkhilfen->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *it = lvwMerkhilfen->topLevelItem(i);
        m_eintrag.MerkhilfeHinzufuegen(it->text(0), SpracheAusName(it->text(1)));
    }
    MerkhilfeKnoepfe();
}

// ---- "Verweise" ------------------------------------------------------------

void TfrmVokabelEditor::VerweisSuchen(const QString &text)
{
    if (text.trimmed().size() < 2) {
        frameVerweis->hide();
        VerweisKnoepfe();
        return;
    }
    auto treffer = m_dienst.Suchen(text);
    frameVerweis->setVisible(!treffer.empty());
    frameVerweis->ListeSetzen(std::move(treffer));
    VerweisKnoepfe();
}

QString TfrmVokabelEditor::GewaehlterVerweis() const
{
    const TVokabel *v =
        frameVerweis->isVisibleTo(const_cast<TfrmVokabelEditor *>(this)) ? frameVerweis->Aktuell() : nullptr;
    return v ? v->vokabel : QString();
}

void TfrmVokabelEditor::VerweisKnoepfe()
{
    const QString wahl = GewaehlterVerweis();
    const bool neu = !wahl.isEmpty() && lstVerweise->findItems(wahl, Qt::MatchFixedString).isEmpty();
    btnVerweisHinzufuegen->setEnabled(neu);
    btnVerweisAktualisieren->setEnabled(neu && lstVerweise->selectedItems().size() == 1);
    btnVerweisEntfernen->setEnabled(!lstVerweise->selectedItems().isEmpty());
}

void TfrmVokabelEditor::VerweisHinzufuegen()
{
    if (!btnVerweisHinzufuegen->isEnabled())
        return;
    lstVerweise->addItem(GewaehlterVerweis());
    if (!m_kern.Config().KeepVokTooltip)
        frameVerweis->hide();
    VerweiseUebernehmen();
}

void TfrmVokabelEditor::VerweisAktualisieren()
{
    const auto sel = lstVerweise->selectedItems();
    if (!btnVerweisAktualisieren->isEnabled() || sel.size() != 1)
        return;
    sel.first()->setText(GewaehlterVerweis());
    VerweiseUebernehmen();
}

void TfrmVokabelEditor::VerweiseEntfernen()
{
    qDeleteAll(lstVerweise->selectedItems());
    VerweiseUebernehmen();
}

void TfrmVokabelEditor::VerweiseUebernehmen()
{
    m_eintrag.VerweiseLeeren();
    for (int i = 0; i < lstVerweise->count(); ++i)
        m_eintrag.VerweisHinzufuegen(lstVerweise->item(i)->text());
    VerweisKnoepfe();
}

// ---- Keys and OK -----------------------------------------------------------

bool TfrmVokabelEditor::eventFilter(QObject *obj, QEvent *event)
{
    if (obj == tvwBedeutungen->viewport() && event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        BedeutungVerschieben(tvwBedeutungen->itemAt(drop->position().toPoint()));
        drop->setDropAction(Qt::IgnoreAction);
        drop->accept();
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(obj, event);
    const int taste = static_cast<QKeyEvent *>(event)->key();
    const bool enter = taste == Qt::Key_Return || taste == Qt::Key_Enter;
    if (enter && (obj == edtBedeutung || obj == edtKommentar || obj == spnGruppe)) {
        if (btnBedeutungHinzufuegen->isEnabled())
            BedeutungHinzufuegen();
        else if (btnBedeutungAktualisieren->isEnabled())
            BedeutungAktualisieren();
        return true;
    }
    if (enter && obj == edtMerkhilfe) {
        MerkhilfeHinzufuegen();
        return true;
    }
    if (obj == edtVerweis) {
        if (enter) {
            VerweisHinzufuegen();
            return true;
        }
        if (taste == Qt::Key_Down || taste == Qt::Key_Up) {
            taste == Qt::Key_Down ? frameVerweis->Runter() : frameVerweis->Hoch();
            return true;
        }
    }
    if (taste == Qt::Key_Delete) {
        if (obj == tvwBedeutungen) {
            BedeutungEntfernen();
            return true;
        }
        if (obj == lvwMerkhilfen) {
            MerkhilfenEntfernen();
            return true;
        }
        if (obj == lstVerweise) {
            VerweiseEntfernen();
            return true;
        }
    }
    return QDialog::eventFilter(obj, event);
}

void TfrmVokabelEditor::Ok()
{
    // A field still being typed in counts as left.
    FormGeaendert();
    if (m_eintrag.Wortart() == WA_SUBSTANTIV)
        GenitivSetzen(m_eintrag, edtGenitiv->text());
    const TVokabeldienst::Pruefung p = TVokabeldienst::EingabePruefen(m_eintrag);
    if (p != TVokabeldienst::Pruefung::Ok) {
        QMessageBox::warning(this, windowTitle(), TVokabeldienst::PruefungsMeldung(p));
        const bool vokabel = p == TVokabeldienst::Pruefung::VokabelFehlt;
        SeiteWechseln(vokabel ? 0 : 1);
        (vokabel ? edtVokabel : edtBedeutung)->setFocus();
        return;
    }
    // The caller stores it later, together with others.
    if (!m_speichern) {
        accept();
        return;
    }
    // Declining a duplicate question returns here with the input kept: the
    // headword can be changed or the question answered otherwise.
    if (!m_dienst.Speichern(m_eintrag))
        return;
    m_gespeichert = 1;
    accept();
}

} // namespace lexovita
