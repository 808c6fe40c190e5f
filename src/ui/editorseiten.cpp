#include "ui/editorseiten.h"

#include "app/vokabeldienst.h"
#include "app/vokabelentwurf.h"
#include "model/vokabel.h"
#include "ui/formenbaeume.h"
#include "ui/frameauswahl.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace lexovita {

namespace {

// Word classes in the order of the combo box.
const int32_t kWortarten[] = {WA_VERB, WA_SUBSTANTIV, WA_ADJEKTIV, WA_PRONOMEN, WA_ADVERB, WA_UNBESTIMMT};
const char *const kWortartNamen[] = {"Verb", "Substantiv", "Adjektiv", "Pronomen", "Adverb", "Andere Wortart"};
// Inflection classes of the conjugation and declension combos.
const int32_t kKlassen[] = {KD_A, KD_E, KD_I, KD_O, KD_U, KD_K, KD_G};
const int32_t kKonjugationen[] = {KD_A, KD_E, KD_I, KD_K, KD_G};
// Meaning items: the text of a meaning row; heading rows hold none.
constexpr int kRolleBedeutung = Qt::UserRole + 1;

int WortartIndex(int32_t wortart)
{
    for (int i = 0; i < 6; ++i)
        if (kWortarten[i] == wortart)
            return i;
    return 5;
}

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

bool IstEnter(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int taste = static_cast<const QKeyEvent *>(event)->key();
    return taste == Qt::Key_Return || taste == Qt::Key_Enter;
}

bool IstEntf(const QEvent *event)
{
    return event->type() == QEvent::KeyPress && static_cast<const QKeyEvent *>(event)->key() == Qt::Key_Delete;
}

QIcon Flagge(const QString &vorlagen, int32_t sprache)
{
    const QString datei = SpracheFlagge(sprache);
    return datei.isEmpty() ? QIcon() : QIcon(QDir(vorlagen).filePath(datei));
}

} // namespace

QPushButton *editorseiten::Knopf(const QString &text, const char *name)
{
    auto *b = new QPushButton(text);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

using editorseiten::Knopf;

// ---- "Vokabel" -------------------------------------------------------------

TSeiteVokabel::TSeiteVokabel(TVokabelEntwurf &entwurf, TVokabeldienst &dienst) : m_entwurf(entwurf), m_dienst(dienst)
{
    edtVokabel = Feld(this, "edtVokabel", QStringLiteral("Vokabel"));
    cmbWortart = new QComboBox(this);
    cmbWortart->setObjectName(QStringLiteral("cmbWortart"));
    cmbWortart->setAccessibleName(QStringLiteral("Wortart"));
    for (const char *n : kWortartNamen)
        cmbWortart->addItem(QString::fromUtf8(n));
    // Said while typing, not only at "OK": a stored entry of that headword.
    lblVorhanden = new QLabel(this);
    lblVorhanden->setObjectName(QStringLiteral("lblVorhanden"));
    lblVorhanden->setWordWrap(true);
    lblVorhanden->hide();
    lstLexikon = new QListWidget(this);
    lstLexikon->setObjectName(QStringLiteral("lstLexikon"));
    lstLexikon->setAccessibleName(QStringLiteral("Passende Wörter aus dem Lexikon"));
    lstLexikon->setMaximumHeight(110);
    lblLexikon = Beschriftung(QStringLiteral("Im &Lexikon:"), lstLexikon);
    btnLexikon = Knopf(QStringLiteral("Aus dem Lexikon ü&bernehmen"), "btnLexikon");
    for (QWidget *w : std::initializer_list<QWidget *>{lblLexikon, lstLexikon, btnLexikon})
        w->hide();
    auto *form = new QFormLayout;
    // The rows stay together at the top when the lexicon list comes and goes.
    auto *oben = new QVBoxLayout(this);
    oben->addLayout(form);
    oben->addStretch(1);
    form->addRow(Beschriftung(QStringLiteral("&Vokabel:"), edtVokabel), edtVokabel);
    form->addRow(QString(), lblVorhanden);
    form->addRow(Beschriftung(QStringLiteral("Wort&art:"), cmbWortart), cmbWortart);
    form->addRow(lblLexikon, lstLexikon);
    form->addRow(QString(), btnLexikon);
    connect(edtVokabel, &QLineEdit::textChanged, this, &TSeiteVokabel::VokabelGeaendert);
    connect(cmbWortart, &QComboBox::activated, this,
            [this](int index) { m_entwurf.SetWortart(kWortarten[std::clamp(index, 0, 5)]); });
}

void TSeiteVokabel::Fuellen()
{
    m_fuellt = true;
    edtVokabel->setText(m_entwurf.Eintrag().vokabel);
    cmbWortart->setCurrentIndex(WortartIndex(m_entwurf.Eintrag().Wortart()));
    m_fuellt = false;
    VorhandeneZeigen();
}

void TSeiteVokabel::VokabelGeaendert(const QString &text)
{
    if (m_fuellt)
        return;
    const QString eingabe = TVokabelEntwurf::VokabelEingabe(text);
    if (eingabe != text) {
        // Typed again as the draft takes it; the caret stays where it was.
        const int pos = edtVokabel->cursorPosition();
        edtVokabel->setText(eingabe);
        edtVokabel->setCursorPosition(pos);
        return;
    }
    m_entwurf.SetVokabel(text);
    VorhandeneZeigen();
    emit getippt();
}

void TSeiteVokabel::VorhandeneZeigen()
{
    const QString hinweis = m_entwurf.VorhandenHinweis(m_dienst);
    lblVorhanden->setText(hinweis);
    lblVorhanden->setVisible(!hinweis.isEmpty());
}

// ---- "Bedeutungen" ---------------------------------------------------------

TSeiteBedeutungen::TSeiteBedeutungen(TVokabelEntwurf &entwurf) : m_entwurf(entwurf)
{
    edtBedeutung = Feld(this, "edtBedeutung", QStringLiteral("Bedeutung"));
    edtKommentar = Feld(this, "edtKommentar", QStringLiteral("Kommentar"));
    spnGruppe = new QSpinBox(this);
    spnGruppe->setObjectName(QStringLiteral("spnGruppe"));
    spnGruppe->setAccessibleName(QStringLiteral("Gruppe"));
    spnGruppe->setRange(1, 2);
    tvwBedeutungen = new QTreeWidget(this);
    tvwBedeutungen->setObjectName(QStringLiteral("tvwBedeutungen"));
    tvwBedeutungen->setAccessibleName(QStringLiteral("Bedeutungen"));
    tvwBedeutungen->setHeaderLabels(
        {QStringLiteral("Bedeutung"), QStringLiteral("Kommentar"), QStringLiteral("Gruppe")});
    tvwBedeutungen->installEventFilter(this);
    // Meanings are dragged within the tree only; the drop is handled in
    // eventFilter so the draft, not the tree, decides the new order.
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
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(form);
    lay->addLayout(knoepfe);
    lay->addWidget(tvwBedeutungen, 1);

    for (QLineEdit *e : {edtBedeutung, edtKommentar}) {
        e->installEventFilter(this);
        connect(e, &QLineEdit::textChanged, this, &TSeiteBedeutungen::Knoepfe);
    }
    spnGruppe->installEventFilter(this);
    connect(btnBedeutungHinzufuegen, &QPushButton::clicked, this, &TSeiteBedeutungen::Hinzufuegen);
    connect(btnBedeutungAktualisieren, &QPushButton::clicked, this, &TSeiteBedeutungen::Aktualisieren);
    connect(btnBedeutungEntfernen, &QPushButton::clicked, this, &TSeiteBedeutungen::Entfernen);
    connect(tvwBedeutungen, &QTreeWidget::currentItemChanged, this, [this] {
        if (const TBedeutung *b = Gewaehlt().isEmpty() ? nullptr : m_entwurf.Bedeutung(Gewaehlt())) {
            edtBedeutung->setText(b->bedeutung);
            edtKommentar->setText(b->kommentar);
            spnGruppe->setValue(b->gruppe);
        }
        Knoepfe();
    });
}

QString TSeiteBedeutungen::Gewaehlt() const
{
    const QTreeWidgetItem *it = tvwBedeutungen->currentItem();
    return it ? it->data(0, kRolleBedeutung).toString() : QString();
}

void TSeiteBedeutungen::Aufbauen(const QString &auswahl)
{
    const QSignalBlocker sperre(tvwBedeutungen);
    tvwBedeutungen->clear();
    QTreeWidgetItem *gruppe = nullptr;
    int32_t gruppeNr = 0;
    QTreeWidgetItem *gewaehlt = nullptr;
    for (const auto &b : m_entwurf.Bedeutungen()) {
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
    spnGruppe->setMaximum(m_entwurf.NeueGruppe());
    Knoepfe();
}

void TSeiteBedeutungen::Knoepfe()
{
    const QString text = edtBedeutung->text();
    const QString gewaehlt = Gewaehlt();
    btnBedeutungHinzufuegen->setEnabled(m_entwurf.BedeutungHinzufuegbar(text));
    btnBedeutungAktualisieren->setEnabled(!gewaehlt.isEmpty() && m_entwurf.BedeutungAenderbar(gewaehlt, text));
    btnBedeutungEntfernen->setEnabled(!gewaehlt.isEmpty());
}

void TSeiteBedeutungen::Hinzufuegen()
{
    const QString text = edtBedeutung->text().trimmed();
    if (!m_entwurf.BedeutungHinzufuegen(text, edtKommentar->text(), spnGruppe->value()))
        return;
    Aufbauen(text);
    edtBedeutung->setFocus();
    edtBedeutung->selectAll();
}

void TSeiteBedeutungen::Aktualisieren()
{
    const QString neu = edtBedeutung->text().trimmed();
    if (m_entwurf.BedeutungAktualisieren(Gewaehlt(), neu, edtKommentar->text(), spnGruppe->value()))
        Aufbauen(neu);
}

void TSeiteBedeutungen::Entfernen()
{
    const QString gewaehlt = Gewaehlt();
    if (gewaehlt.isEmpty())
        return;
    m_entwurf.BedeutungEntfernen(gewaehlt);
    Aufbauen(QString());
}

void TSeiteBedeutungen::Verschieben(const QTreeWidgetItem *ziel)
{
    const QString text = Gewaehlt();
    if (!ziel || ziel == tvwBedeutungen->currentItem())
        return;
    // A heading holds its group number, a meaning row its text.
    const QString zielText = ziel->data(0, kRolleBedeutung).toString();
    const bool verschoben = zielText.isEmpty()
                                ? m_entwurf.BedeutungInGruppe(text, ziel->data(1, kRolleBedeutung).toInt())
                                : m_entwurf.BedeutungAnStelleVon(text, zielText);
    if (verschoben)
        Aufbauen(text);
}

bool TSeiteBedeutungen::eventFilter(QObject *obj, QEvent *event)
{
    if (obj == tvwBedeutungen->viewport() && event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        Verschieben(tvwBedeutungen->itemAt(drop->position().toPoint()));
        drop->setDropAction(Qt::IgnoreAction);
        drop->accept();
        return true;
    }
    if (IstEnter(event) && (obj == edtBedeutung || obj == edtKommentar || obj == spnGruppe)) {
        if (btnBedeutungHinzufuegen->isEnabled())
            Hinzufuegen();
        else if (btnBedeutungAktualisieren->isEnabled())
            Aktualisieren();
        return true;
    }
    if (IstEntf(event) && obj == tvwBedeutungen) {
        Entfernen();
        return true;
    }
    return QWidget::eventFilter(obj, event);
}

// ---- "Attribute" -----------------------------------------------------------

TSeiteAttribute::TSeiteAttribute(TVokabelEntwurf &entwurf) : m_entwurf(entwurf)
{
    stkAttribute = new QStackedWidget(this);
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

    lblVorschau = new QLabel(this);
    lblVorschau->setObjectName(QStringLiteral("lblVorschau"));
    lblVorschau->setAccessibleName(QStringLiteral("Vorschau wichtiger Formen"));
    lblVorschau->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *vorschau = new QGroupBox(QStringLiteral("Vorschau"), this);
    auto *vl = new QVBoxLayout(vorschau);
    vl->addWidget(lblVorschau);

    auto *lay = new QVBoxLayout(this);
    lay->addWidget(stkAttribute, 1);
    lay->addWidget(vorschau);

    // Every typed character goes into the draft at once: the preview and the stem follow.
    const struct {
        QLineEdit *feld;
        void (TVokabelEntwurf::*setzen)(const QString &);
    } formen[] = {{edtGenitiv, &TVokabelEntwurf::SetGenitiv},
                  {edtKomparativ, &TVokabelEntwurf::SetKomparativ},
                  {edtSuperlativ, &TVokabelEntwurf::SetSuperlativ}};
    for (const auto &f : formen)
        connect(f.feld, &QLineEdit::textChanged, this, [this, setzen = f.setzen](const QString &t) {
            if (!m_fuellt)
                (m_entwurf.*setzen)(t);
        });
    for (int i = 0; i < 3; ++i) {
        connect(edtVerb[i], &QLineEdit::textChanged, this, [this, i](const QString &t) {
            if (!m_fuellt)
                m_entwurf.SetVerbform(i, t);
        });
        connect(edtAdjektiv[i], &QLineEdit::textChanged, this, [this, i](const QString &t) {
            if (!m_fuellt)
                m_entwurf.SetAdjektivform(i, t);
        });
    }
    connect(edtGenitiv, &QLineEdit::editingFinished, this, [this] {
        if (!m_fuellt)
            m_entwurf.GenitivBestaetigen();
    });
    for (QComboBox *klasse : {cmbKonjugation, cmbDeklination})
        connect(klasse, &QComboBox::activated, this,
                [this, klasse] { m_entwurf.SetKonjDekl(klasse->currentData().toInt()); });
    const struct {
        QCheckBox *box;
        int32_t bit;
    } flags[] = {{chkDeponens, ATTR_DEPONENS},
                 {chkSemideponens, ATTR_SEMIDEPONENS},
                 {chkKeinPassiv, ATTR_KEIN_PASSIV},
                 {chkSingularis, ATTR_SINGULARIS_TANTUM},
                 {chkPluralis, ATTR_PLURALIS_TANTUM}};
    for (const auto &f : flags)
        connect(f.box, &QCheckBox::clicked, this, [this, bit = f.bit](bool an) {
            if (!m_fuellt)
                m_entwurf.SetFlag(bit, an);
        });
    for (QButtonGroup *gruppe : {substGruppe, proGruppe})
        connect(gruppe, &QButtonGroup::idClicked, this, [this](int i) { m_entwurf.SetGenus(static_cast<TGenus>(i)); });
    connect(&m_entwurf, &TVokabelEntwurf::attributeGeaendert, this, &TSeiteAttribute::Zeigen);
    connect(&m_entwurf, &TVokabelEntwurf::formenGeaendert, this, &TSeiteAttribute::StammUndVorschau);
}

void TSeiteAttribute::Zeigen()
{
    m_fuellt = true;
    const TVokabel &v = m_entwurf.Eintrag();
    auto setzen = [](QLineEdit *e, const QString &t) {
        if (e->text() != t)
            e->setText(t);
    };
    const auto seite = m_entwurf.AttributSeite();
    stkAttribute->setCurrentIndex(static_cast<int>(seite));
    switch (seite) {
    case TVokabelEntwurf::Attributseite::Verb: {
        setzen(edtVerb[0], v.form1);
        setzen(edtVerb[1], v.form2);
        setzen(edtVerb[2], v.form3);
        const int k = cmbKonjugation->findData(v.KonjDekl());
        cmbKonjugation->setCurrentIndex(k >= 0 ? k : cmbKonjugation->count() - 1);
        chkDeponens->setChecked(v.Deponens());
        chkSemideponens->setChecked(v.Semideponens());
        chkKeinPassiv->setChecked(v.KeinPassiv());
        edtVerb[2]->setEnabled(m_entwurf.PartizipFeldAktiv());
        break;
    }
    case TVokabelEntwurf::Attributseite::Substantiv: {
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
    case TVokabelEntwurf::Attributseite::Adjektiv:
        setzen(edtAdjektiv[0], v.form1);
        setzen(edtAdjektiv[1], v.form2);
        setzen(edtAdjektiv[2], v.form3);
        break;
    case TVokabelEntwurf::Attributseite::Adverb:
        setzen(edtKomparativ, v.form1);
        setzen(edtSuperlativ, v.form2);
        break;
    case TVokabelEntwurf::Attributseite::Pronomen:
        optProGenus[static_cast<int>(GenusAus(v.form2))]->setChecked(true);
        break;
    case TVokabelEntwurf::Attributseite::Keine:
        break;
    }
    m_fuellt = false;
    StammUndVorschau();
}

void TSeiteAttribute::StammUndVorschau()
{
    switch (m_entwurf.AttributSeite()) {
    case TVokabelEntwurf::Attributseite::Substantiv:
        lblStammSubstantiv->setText(m_entwurf.Stamm());
        break;
    case TVokabelEntwurf::Attributseite::Adjektiv:
        lblStammAdjektiv->setText(m_entwurf.Stamm());
        lblDeklination->setText(m_entwurf.Eintrag().KonjDeklText());
        break;
    default:
        break;
    }
    lblVorschau->setText(m_entwurf.Vorschau());
}

// ---- "Sonderformen" --------------------------------------------------------

TSeiteSonderformen::TSeiteSonderformen(TVokabelEntwurf &entwurf) : m_entwurf(entwurf)
{
    tvwKategorien = new QTreeWidget(this);
    tvwKategorien->setObjectName(QStringLiteral("tvwKategorien"));
    tvwKategorien->setAccessibleName(QStringLiteral("Formenkategorien"));
    tvwKategorien->setHeaderHidden(true);
    lblSonderformen = new QLabel(QStringLiteral("Sonderformen eingeben..."), this);
    lblSonderformen->setObjectName(QStringLiteral("lblSonderformen"));
    QFont fett = lblSonderformen->font();
    fett.setBold(true);
    lblSonderformen->setFont(fett);

    auto *raster = new QGridLayout;
    for (int i = 0; i < kZeilen; ++i) {
        auto *haken = new QCheckBox(this);
        haken->setObjectName(QStringLiteral("chkSonderform%1").arg(i));
        auto *feld = new QLineEdit(this);
        feld->setObjectName(QStringLiteral("edtSonderform%1").arg(i));
        feld->setEnabled(false);
        chkSonderform.append(haken);
        edtSonderform.append(feld);
        raster->addWidget(haken, i, 0);
        raster->addWidget(feld, i, 1);
        connect(haken, &QCheckBox::clicked, this, [this, i](bool an) { Haken(i, an); });
        connect(feld, &QLineEdit::textEdited, this, [this, i](const QString &t) { Text(i, t); });
    }
    raster->setColumnStretch(1, 1);
    raster->setRowStretch(kZeilen, 1);
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
    auto *lay = new QHBoxLayout(this);
    lay->addWidget(tvwKategorien, 2);
    lay->addLayout(rechts, 3);

    connect(tvwKategorien, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *it) { Zeigen(it ? KnotenDaten(it).id : 0); });
    auto alle = [this](bool an) {
        for (int i = 0; i < static_cast<int>(m_zeilen.size()); ++i)
            if (chkSonderform[i]->isChecked() != an) {
                chkSonderform[i]->setChecked(an);
                Haken(i, an);
            }
    };
    connect(btnAlleAuswaehlen, &QPushButton::clicked, this, [alle] { alle(true); });
    connect(btnAlleAbwaehlen, &QPushButton::clicked, this, [alle] { alle(false); });
    connect(&m_entwurf, &TVokabelEntwurf::attributeGeaendert, this, &TSeiteSonderformen::KategorienAufbauen);
}

void TSeiteSonderformen::KategorienAufbauen()
{
    const bool mitBaum = m_entwurf.HatKategorien();
    tvwKategorien->setVisible(mitBaum);
    std::vector<int32_t> selektoren;
    {
        const QSignalBlocker sperre(tvwKategorien);
        if (mitBaum)
            KategorieBaum(tvwKategorien, m_entwurf.Eintrag(), selektoren, 1);
        else
            tvwKategorien->clear();
    }
    Zeigen(0);
}

void TSeiteSonderformen::Zeigen(int32_t selektor)
{
    m_zeilen = m_entwurf.SonderformZeilen(selektor, kZeilen);
    QString ueberschrift = QStringLiteral("Sonderformen eingeben...");
    if (selektor != 0) {
        QStringList pfad;
        for (const QTreeWidgetItem *it = tvwKategorien->currentItem(); it; it = it->parent())
            pfad.prepend(it->text(0));
        ueberschrift = pfad.join(QLatin1Char(' '));
    }
    lblSonderformen->setText(ueberschrift);
    for (int i = 0; i < kZeilen; ++i) {
        const bool da = i < static_cast<int>(m_zeilen.size());
        chkSonderform[i]->setVisible(da);
        edtSonderform[i]->setVisible(da);
        if (!da)
            continue;
        const TLatForm &f = m_zeilen[static_cast<size_t>(i)];
        const TLatForm *sonder = m_entwurf.Sonderform(f.formId);
        const QString name = m_entwurf.SonderformName(f.formId);
        chkSonderform[i]->setText(name);
        chkSonderform[i]->setChecked(sonder);
        edtSonderform[i]->setAccessibleName(QStringLiteral("Sonderform ") + name);
        edtSonderform[i]->setEnabled(sonder);
        edtSonderform[i]->setText(sonder ? sonder->text : f.text);
    }
    btnAlleAuswaehlen->setEnabled(!m_zeilen.empty());
    btnAlleAbwaehlen->setEnabled(!m_zeilen.empty());
}

void TSeiteSonderformen::Haken(int zeile, bool an)
{
    if (zeile >= static_cast<int>(m_zeilen.size()))
        return;
    const TLatForm &f = m_zeilen[static_cast<size_t>(zeile)];
    QLineEdit *feld = edtSonderform[zeile];
    if (an) {
        feld->setText(m_entwurf.SonderformAn(f.formId, feld->text()));
        feld->setEnabled(true);
        feld->setFocus();
    } else {
        m_entwurf.SonderformAus(f.formId);
        feld->setText(f.text);
        feld->setEnabled(false);
    }
}

void TSeiteSonderformen::Text(int zeile, const QString &text)
{
    if (zeile < static_cast<int>(m_zeilen.size()))
        m_entwurf.SetSonderformText(m_zeilen[static_cast<size_t>(zeile)].formId, text);
}

// ---- "Merkhilfen" ----------------------------------------------------------

TSeiteMerkhilfen::TSeiteMerkhilfen(TVokabelEntwurf &entwurf, const QString &vorlagenOrdner)
    : m_entwurf(entwurf), m_vorlagen(vorlagenOrdner)
{
    edtMerkhilfe = Feld(this, "edtMerkhilfe", QStringLiteral("Merkhilfe"));
    cmbSprache = new QComboBox(this);
    cmbSprache->setObjectName(QStringLiteral("cmbSprache"));
    cmbSprache->setAccessibleName(QStringLiteral("Sprache"));
    for (int32_t s : {SPR_DEUTSCH, SPR_ENGLISCH, SPR_FRANZOESISCH, SPR_SPANISCH, SPR_ITALIENISCH, SPR_ANDERE})
        cmbSprache->addItem(SpracheName(s), s);
    cmbSprache->setCurrentIndex(-1);
    lvwMerkhilfen = new QTreeWidget(this);
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
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(form);
    lay->addLayout(knoepfe);
    lay->addWidget(lvwMerkhilfen, 1);

    connect(edtMerkhilfe, &QLineEdit::textChanged, this, &TSeiteMerkhilfen::Knoepfe);
    connect(cmbSprache, &QComboBox::currentIndexChanged, this, &TSeiteMerkhilfen::Knoepfe);
    connect(lvwMerkhilfen, &QTreeWidget::itemSelectionChanged, this, [this] {
        const auto sel = lvwMerkhilfen->selectedItems();
        if (sel.size() == 1) {
            edtMerkhilfe->setText(sel.first()->text(0));
            cmbSprache->setCurrentIndex(cmbSprache->findText(sel.first()->text(1)));
        }
        Knoepfe();
    });
    edtMerkhilfe->installEventFilter(this);
    connect(btnMerkhilfeHinzufuegen, &QPushButton::clicked, this, &TSeiteMerkhilfen::Hinzufuegen);
    connect(btnMerkhilfeAktualisieren, &QPushButton::clicked, this, &TSeiteMerkhilfen::Aktualisieren);
    connect(btnMerkhilfeEntfernen, &QPushButton::clicked, this, &TSeiteMerkhilfen::Entfernen);
    // The list view shows the words alone; the details add the language column.
    connect(btnDetailansicht, &QPushButton::clicked, this, [this] {
        lvwMerkhilfen->setHeaderHidden(false);
        lvwMerkhilfen->setColumnHidden(1, false);
    });
    connect(btnListenansicht, &QPushButton::clicked, this, [this] {
        lvwMerkhilfen->setHeaderHidden(true);
        lvwMerkhilfen->setColumnHidden(1, true);
    });
}

void TSeiteMerkhilfen::Fuellen()
{
    // The rows follow the draft; rows chosen before stay chosen.
    const QList<int> gewaehlt = GewaehlteZeilen();
    {
        const QSignalBlocker sperre(lvwMerkhilfen);
        lvwMerkhilfen->clear();
        for (const auto &m : m_entwurf.Eintrag().merkhilfen) {
            auto *it = new QTreeWidgetItem(lvwMerkhilfen, {m->merkhilfe, SpracheName(m->sprache)});
            it->setIcon(0, Flagge(m_vorlagen, m->sprache));
        }
        for (const int z : gewaehlt)
            if (QTreeWidgetItem *it = lvwMerkhilfen->topLevelItem(z))
                it->setSelected(true);
    }
    Knoepfe();
}

QList<int> TSeiteMerkhilfen::GewaehlteZeilen() const
{
    QList<int> zeilen;
    for (QTreeWidgetItem *it : lvwMerkhilfen->selectedItems())
        zeilen << lvwMerkhilfen->indexOfTopLevelItem(it);
    return zeilen;
}

void TSeiteMerkhilfen::Knoepfe()
{
    const QString wort = edtMerkhilfe->text();
    const bool sprache = cmbSprache->currentIndex() >= 0;
    const int gewaehlt = int(lvwMerkhilfen->selectedItems().size());
    btnMerkhilfeHinzufuegen->setEnabled(sprache &&
                                        m_entwurf.MerkhilfeHinzufuegbar(wort, cmbSprache->currentData().toInt()));
    btnMerkhilfeAktualisieren->setEnabled(gewaehlt == 1 && !wort.trimmed().isEmpty() && sprache);
    btnMerkhilfeEntfernen->setEnabled(gewaehlt > 0);
}

void TSeiteMerkhilfen::Hinzufuegen()
{
    if (!btnMerkhilfeHinzufuegen->isEnabled())
        return;
    m_entwurf.MerkhilfeHinzufuegen(edtMerkhilfe->text(), cmbSprache->currentData().toInt());
    Fuellen();
    edtMerkhilfe->selectAll();
}

void TSeiteMerkhilfen::Aktualisieren()
{
    const QList<int> gewaehlt = GewaehlteZeilen();
    if (!btnMerkhilfeAktualisieren->isEnabled() || gewaehlt.size() != 1)
        return;
    m_entwurf.MerkhilfeAendern(gewaehlt.first(), edtMerkhilfe->text(), cmbSprache->currentData().toInt());
    Fuellen();
}

void TSeiteMerkhilfen::Entfernen()
{
    m_entwurf.MerkhilfenEntfernen(GewaehlteZeilen());
    lvwMerkhilfen->clearSelection();
    Fuellen();
}

bool TSeiteMerkhilfen::eventFilter(QObject *obj, QEvent *event)
{
    if (IstEnter(event) && obj == edtMerkhilfe) {
        Hinzufuegen();
        return true;
    }
    if (IstEntf(event) && obj == lvwMerkhilfen) {
        Entfernen();
        return true;
    }
    return QWidget::eventFilter(obj, event);
}

// ---- "Verweise" ------------------------------------------------------------

TSeiteVerweise::TSeiteVerweise(TVokabelEntwurf &entwurf, TVokabeldienst &dienst, bool auswahlBehalten)
    : m_entwurf(entwurf), m_dienst(dienst), m_auswahlBehalten(auswahlBehalten)
{
    edtVerweis = Feld(this, "edtVerweis", QStringLiteral("Verweis auf Vokabel"));
    edtVerweis->installEventFilter(this);
    frameVerweis = new TframeAuswahl(this);
    frameVerweis->setObjectName(QStringLiteral("frameVerweis"));
    frameVerweis->hide();
    lstVerweise = new QListWidget(this);
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
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(zeile);
    lay->addLayout(knoepfe);
    lay->addWidget(lstVerweise, 1);

    connect(edtVerweis, &QLineEdit::textChanged, this, &TSeiteVerweise::Suchen);
    connect(frameVerweis, &TframeAuswahl::geaendert, this, &TSeiteVerweise::Knoepfe);
    connect(lstVerweise, &QListWidget::itemSelectionChanged, this, &TSeiteVerweise::Knoepfe);
    connect(btnVerweisHinzufuegen, &QPushButton::clicked, this, &TSeiteVerweise::Hinzufuegen);
    connect(btnVerweisAktualisieren, &QPushButton::clicked, this, &TSeiteVerweise::Aktualisieren);
    connect(btnVerweisEntfernen, &QPushButton::clicked, this, &TSeiteVerweise::Entfernen);
}

void TSeiteVerweise::Fuellen()
{
    // The list shows the draft's references, sorted as they are stored;
    // references chosen before stay chosen.
    const QStringList markiert = Markiert();
    {
        const QSignalBlocker sperre(lstVerweise);
        lstVerweise->clear();
        lstVerweise->addItems(m_entwurf.Eintrag().Verweise());
        for (int i = 0; i < lstVerweise->count(); ++i)
            lstVerweise->item(i)->setSelected(markiert.contains(lstVerweise->item(i)->text()));
    }
    Knoepfe();
}

QStringList TSeiteVerweise::Markiert() const
{
    QStringList texte;
    for (const QListWidgetItem *it : lstVerweise->selectedItems())
        texte << it->text();
    return texte;
}

void TSeiteVerweise::Suchen(const QString &text)
{
    auto treffer = m_entwurf.VerweisKandidaten(m_dienst, text);
    frameVerweis->setVisible(!treffer.empty());
    if (!treffer.empty())
        frameVerweis->ListeSetzen(std::move(treffer));
    Knoepfe();
}

QString TSeiteVerweise::Gewaehlt() const
{
    const TVokabel *v = frameVerweis->isVisibleTo(this) ? frameVerweis->Aktuell() : nullptr;
    return v ? v->vokabel : QString();
}

void TSeiteVerweise::Knoepfe()
{
    const bool neu = m_entwurf.VerweisNeu(Gewaehlt());
    const auto gewaehlt = lstVerweise->selectedItems().size();
    btnVerweisHinzufuegen->setEnabled(neu);
    btnVerweisAktualisieren->setEnabled(neu && gewaehlt == 1);
    btnVerweisEntfernen->setEnabled(gewaehlt > 0);
}

void TSeiteVerweise::Hinzufuegen()
{
    if (!btnVerweisHinzufuegen->isEnabled())
        return;
    m_entwurf.VerweisHinzufuegen(Gewaehlt());
    if (!m_auswahlBehalten)
        frameVerweis->hide();
    Fuellen();
}

void TSeiteVerweise::Aktualisieren()
{
    const QStringList markiert = Markiert();
    if (!btnVerweisAktualisieren->isEnabled() || markiert.size() != 1)
        return;
    const QString neu = Gewaehlt();
    m_entwurf.VerweisAendern(markiert.first(), neu);
    lstVerweise->clearSelection();
    Fuellen();
    for (QListWidgetItem *it : lstVerweise->findItems(neu, Qt::MatchExactly))
        it->setSelected(true);
}

void TSeiteVerweise::Entfernen()
{
    m_entwurf.VerweiseEntfernen(Markiert());
    lstVerweise->clearSelection();
    Fuellen();
}

bool TSeiteVerweise::eventFilter(QObject *obj, QEvent *event)
{
    if (obj == edtVerweis && event->type() == QEvent::KeyPress) {
        const int taste = static_cast<const QKeyEvent *>(event)->key();
        if (IstEnter(event)) {
            Hinzufuegen();
            return true;
        }
        if (taste == Qt::Key_Down || taste == Qt::Key_Up) {
            taste == Qt::Key_Down ? frameVerweis->Runter() : frameVerweis->Hoch();
            return true;
        }
    }
    if (IstEntf(event) && obj == lstVerweise) {
        Entfernen();
        return true;
    }
    return QWidget::eventFilter(obj, event);
}

} // namespace lexovita
