#include "ui/frmvokabeleditor.h"

#include "app/anwendungskern.h"
#include "model/config.h"
#include "morph/laengen.h"
#include "ui/editorseiten.h"
#include "ui/hilfe.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <iterator>

namespace lexovita {

namespace {

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

} // namespace

using editorseiten::Knopf;

TfrmVokabelEditor::TfrmVokabelEditor(QWidget *parent, TAnwendungskern &kern, TVokabel &eintrag, const QString &titel)
    : QDialog(parent), m_kern(kern), m_dienst(kern), m_entwurf(eintrag)
{
    setObjectName(QStringLiteral("frmVokabelEditor"));
    const auto klammer = titel.indexOf(QLatin1Char('('));
    m_titelAnfang = klammer >= 0 ? titel.left(klammer + 1) : titel;
    setWindowTitle(titel);

    m_seiteVokabel = new TSeiteVokabel(m_entwurf, m_dienst);
    m_seiteBedeutungen = new TSeiteBedeutungen(m_entwurf);
    m_seiteAttribute = new TSeiteAttribute(m_entwurf);
    m_seiteSonderformen = new TSeiteSonderformen(m_entwurf);
    m_seiteMerkhilfen = new TSeiteMerkhilfen(m_entwurf, kern.Config().VorlagenOrdner());
    m_seiteVerweise = new TSeiteVerweise(m_entwurf, m_dienst, kern.Config().KeepVokTooltip);
    pgcSeiten = new QTabWidget(this);
    pgcSeiten->setObjectName(QStringLiteral("pgcSeiten"));
    pgcSeiten->addTab(m_seiteVokabel, QStringLiteral("Vokabel"));
    pgcSeiten->addTab(m_seiteBedeutungen, QStringLiteral("Bedeutungen"));
    pgcSeiten->addTab(m_seiteAttribute, QStringLiteral("Attribute"));
    pgcSeiten->addTab(m_seiteSonderformen, QStringLiteral("Sonderformen"));
    pgcSeiten->addTab(m_seiteMerkhilfen, QStringLiteral("Merkhilfen"));
    pgcSeiten->addTab(m_seiteVerweise, QStringLiteral("Verweise"));

    const TSeiteVokabel &vok = *m_seiteVokabel;
    edtVokabel = vok.edtVokabel;
    lblVorhanden = vok.lblVorhanden;
    lblLexikon = vok.lblLexikon;
    lstLexikon = vok.lstLexikon;
    btnLexikon = vok.btnLexikon;
    cmbWortart = vok.cmbWortart;
    const TSeiteBedeutungen &bed = *m_seiteBedeutungen;
    edtBedeutung = bed.edtBedeutung;
    edtKommentar = bed.edtKommentar;
    spnGruppe = bed.spnGruppe;
    tvwBedeutungen = bed.tvwBedeutungen;
    btnBedeutungHinzufuegen = bed.btnBedeutungHinzufuegen;
    btnBedeutungAktualisieren = bed.btnBedeutungAktualisieren;
    btnBedeutungEntfernen = bed.btnBedeutungEntfernen;
    const TSeiteAttribute &att = *m_seiteAttribute;
    stkAttribute = att.stkAttribute;
    std::copy(std::begin(att.edtVerb), std::end(att.edtVerb), edtVerb);
    cmbKonjugation = att.cmbKonjugation;
    chkDeponens = att.chkDeponens;
    chkSemideponens = att.chkSemideponens;
    chkKeinPassiv = att.chkKeinPassiv;
    edtGenitiv = att.edtGenitiv;
    std::copy(std::begin(att.optSubstGenus), std::end(att.optSubstGenus), optSubstGenus);
    cmbDeklination = att.cmbDeklination;
    chkSingularis = att.chkSingularis;
    chkPluralis = att.chkPluralis;
    lblStammSubstantiv = att.lblStammSubstantiv;
    std::copy(std::begin(att.edtAdjektiv), std::end(att.edtAdjektiv), edtAdjektiv);
    lblStammAdjektiv = att.lblStammAdjektiv;
    lblDeklination = att.lblDeklination;
    edtKomparativ = att.edtKomparativ;
    edtSuperlativ = att.edtSuperlativ;
    std::copy(std::begin(att.optProGenus), std::end(att.optProGenus), optProGenus);
    lblVorschau = att.lblVorschau;
    const TSeiteSonderformen &sond = *m_seiteSonderformen;
    tvwKategorien = sond.tvwKategorien;
    lblSonderformen = sond.lblSonderformen;
    chkSonderform = sond.chkSonderform;
    edtSonderform = sond.edtSonderform;
    btnAlleAuswaehlen = sond.btnAlleAuswaehlen;
    btnAlleAbwaehlen = sond.btnAlleAbwaehlen;
    const TSeiteMerkhilfen &merk = *m_seiteMerkhilfen;
    edtMerkhilfe = merk.edtMerkhilfe;
    cmbSprache = merk.cmbSprache;
    lvwMerkhilfen = merk.lvwMerkhilfen;
    btnMerkhilfeHinzufuegen = merk.btnMerkhilfeHinzufuegen;
    btnMerkhilfeAktualisieren = merk.btnMerkhilfeAktualisieren;
    btnMerkhilfeEntfernen = merk.btnMerkhilfeEntfernen;
    btnDetailansicht = merk.btnDetailansicht;
    btnListenansicht = merk.btnListenansicht;
    const TSeiteVerweise &ver = *m_seiteVerweise;
    edtVerweis = ver.edtVerweis;
    frameVerweis = ver.frameVerweis;
    lstVerweise = ver.lstVerweise;
    btnVerweisHinzufuegen = ver.btnVerweisHinzufuegen;
    btnVerweisAktualisieren = ver.btnVerweisAktualisieren;
    btnVerweisEntfernen = ver.btnVerweisEntfernen;

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
    connect(m_seiteVokabel, &TSeiteVokabel::getippt, this, &TfrmVokabelEditor::LexikonZeigen);
    connect(lstLexikon, &QListWidget::itemActivated, this, &TfrmVokabelEditor::AusLexikonFuellen);
    connect(btnLexikon, &QPushButton::clicked, this, &TfrmVokabelEditor::AusLexikonFuellen);
    connect(&m_entwurf, &TVokabelEntwurf::gefuellt, this, &TfrmVokabelEditor::Fuellen);
    connect(&m_entwurf, &TVokabelEntwurf::vokabelGeaendert, this,
            [this] { setWindowTitle(m_titelAnfang + m_entwurf.Eintrag().vokabel + QLatin1Char(')')); });

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

void TfrmVokabelEditor::Fuellen()
{
    m_seiteVokabel->Fuellen();
    m_seiteBedeutungen->Fuellen();
    m_seiteMerkhilfen->Fuellen();
    m_seiteVerweise->Fuellen();
    m_seiteAttribute->Zeigen();
    m_seiteSonderformen->KategorienAufbauen();
}

// ---- The lexicon's offer ---------------------------------------------------

void TfrmVokabelEditor::LexikonZeigen()
{
    lstLexikon->clear();
    for (const TVokabelEntwurf::LexikonAngebot &a : m_entwurf.Lexikonangebot(m_kern)) {
        auto *eintrag = new QListWidgetItem(a.text, lstLexikon);
        eintrag->setData(Qt::UserRole, a.id);
    }
    const bool gefunden = lstLexikon->count() > 0;
    if (gefunden)
        lstLexikon->setCurrentRow(0);
    for (QWidget *w : std::initializer_list<QWidget *>{lblLexikon, lstLexikon, btnLexikon})
        w->setVisible(gefunden);
}

void TfrmVokabelEditor::AusLexikonFuellen()
{
    if (const QListWidgetItem *gewaehlt = lstLexikon->currentItem())
        m_entwurf.AusLexikon(m_kern, gewaehlt->data(Qt::UserRole).toInt());
}

// ---- Keys and OK -----------------------------------------------------------

bool TfrmVokabelEditor::eventFilter(QObject *obj, QEvent *event)
{
    for (QObject *seite : std::initializer_list<QObject *>{m_seiteBedeutungen, m_seiteMerkhilfen, m_seiteVerweise})
        if (seite->eventFilter(obj, event))
            return true;
    return QDialog::eventFilter(obj, event);
}

void TfrmVokabelEditor::Ok()
{
    m_entwurf.Abschliessen();
    if (const auto mangel = m_entwurf.Pruefen()) {
        QMessageBox::warning(this, windowTitle(), mangel->meldung);
        using S = TVokabelEntwurf::Seite;
        SeiteWechseln(static_cast<int>(mangel->seite));
        // The field that lacks it, or the first of its page.
        QWidget *feld = nullptr;
        switch (mangel->seite) {
        case S::Vokabel:
            feld = edtVokabel;
            break;
        case S::Bedeutungen:
            feld = edtBedeutung;
            break;
        case S::Attribute:
            feld = stkAttribute->currentWidget()->findChild<QLineEdit *>();
            break;
        case S::Sonderformen:
            feld = tvwKategorien->isVisible() ? static_cast<QWidget *>(tvwKategorien) : edtSonderform.first();
            break;
        case S::Merkhilfen:
            feld = lvwMerkhilfen;
            break;
        case S::Verweise:
            feld = lstVerweise;
            break;
        }
        if (feld)
            feld->setFocus();
        return;
    }
    // The caller stores it later, together with others.
    if (!m_speichern) {
        accept();
        return;
    }
    // Declining a duplicate question returns here with the input kept: the
    // headword can be changed or the question answered otherwise.
    if (!m_dienst.Speichern(m_entwurf.Eintrag()))
        return;
    m_gespeichert = 1;
    accept();
}

} // namespace lexovita
