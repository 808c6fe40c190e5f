#include "ui/frmsuchen.h"

#include "app/anwendungskern.h"
#include "app/formensuche.h"
#include "model/rueckfrage.h"
#include "textmode/suchen.h"
#include "ui/hilfe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTextEdit>
#include <QVBoxLayout>

namespace lexovita {

namespace {

enum { SEITE_SUCHEN, SEITE_ERSETZEN };
enum { NACH_OBEN, NACH_UNTEN };
enum { TEXTANFANG, AKTUELLE_POSITION };

QComboBox *Auswahl(QWidget *eltern, const char *name, const QString &zugang, const QStringList &eintraege)
{
    auto *c = new QComboBox(eltern);
    c->setObjectName(QString::fromLatin1(name));
    c->setAccessibleName(zugang);
    c->addItems(eintraege);
    return c;
}

// A search field: its history drops down, Return searches instead of adding.
QComboBox *Eingabe(QWidget *eltern, const char *name, const QString &zugang)
{
    auto *c = Auswahl(eltern, name, zugang, {});
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}

void InHistorie(QComboBox *c, const QString &text)
{
    if (text.isEmpty() || c->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive) >= 0)
        return;
    const QSignalBlocker sperre(c);
    const QString eingabe = c->currentText();
    c->addItem(text);
    c->setEditText(eingabe);
}

QPushButton *Knopf(QWidget *eltern, const QString &text, const char *name, const QString &zugang)
{
    auto *b = new QPushButton(text, eltern);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(zugang);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TfrmSuchen::TfrmSuchen(QTextEdit &editor, TAnwendungskern &kern, QWidget *parent)
    : QDialog(parent), m_editor(editor), m_kern(kern)
{
    setObjectName(QStringLiteral("frmSuchen"));
    setWindowTitle(QStringLiteral("Suchen und Ersetzen"));
    setModal(false);

    tabSeiten = new QTabBar(this);
    tabSeiten->setObjectName(QStringLiteral("tabSeiten"));
    tabSeiten->setAccessibleName(QStringLiteral("Suchen oder Ersetzen"));
    tabSeiten->addTab(QStringLiteral("Suchen"));
    tabSeiten->addTab(QStringLiteral("Ersetzen"));

    cmbSuchen = Eingabe(this, "cmbSuchen", QStringLiteral("Suchen nach"));
    auto *lblSuchen = new QLabel(QStringLiteral("Suchen &nach:"), this);
    lblSuchen->setBuddy(cmbSuchen);
    cmbErsetzen = Eingabe(this, "cmbErsetzen", QStringLiteral("Ersetzen durch"));
    lblErsetzen = new QLabel(QStringLiteral("Ersetzen &durch:"), this);
    lblErsetzen->setBuddy(cmbErsetzen);
    cmbRichtung = Auswahl(this, "cmbRichtung", QStringLiteral("Suchrichtung"),
                          {QStringLiteral("Nach oben"), QStringLiteral("Nach unten")});
    cmbRichtung->setCurrentIndex(NACH_UNTEN);
    auto *lblRichtung = new QLabel(QStringLiteral("Such&richtung:"), this);
    lblRichtung->setBuddy(cmbRichtung);
    cmbBeginn = Auswahl(this, "cmbBeginn", QStringLiteral("Beginn der Suche"),
                        {QStringLiteral("Textanfang"), QStringLiteral("Aktuelle Position")});
    cmbBeginn->setCurrentIndex(TEXTANFANG);
    auto *lblBeginn = new QLabel(QStringLiteral("&Beginn der Suche:"), this);
    lblBeginn->setBuddy(cmbBeginn);

    chkCase = new QCheckBox(QStringLiteral("&Groß-/Kleinschreibung"), this);
    chkCase->setObjectName(QStringLiteral("chkCase"));
    chkCase->setAccessibleName(QStringLiteral("Groß-/Kleinschreibung beachten"));
    chkGanzeWoerter = new QCheckBox(QStringLiteral("Nur ganze &Wörter"), this);
    chkGanzeWoerter->setObjectName(QStringLiteral("chkGanzeWoerter"));
    chkGanzeWoerter->setAccessibleName(QStringLiteral("Nur ganze Wörter"));

    pnlFormen = new QWidget(this);
    pnlFormen->setObjectName(QStringLiteral("pnlFormen"));
    chkFormen = new QCheckBox(QStringLiteral("In &Formen suchen"), pnlFormen);
    chkFormen->setObjectName(QStringLiteral("chkFormen"));
    chkFormen->setAccessibleName(QStringLiteral("In Formen suchen"));
    auto *lblFormen = new QLabel(QStringLiteral("Findet alle flektierten Formen der eingegebenen Vokabel (z.B. findet "
                                                "die Suche nach \"videre\" alle Formen dieser Vokabel im Text)"),
                                 pnlFormen);
    lblFormen->setWordWrap(true);
    chkFormen->setToolTip(lblFormen->text());
    auto *formen = new QVBoxLayout(pnlFormen);
    formen->setContentsMargins(0, 0, 0, 0);
    formen->addWidget(chkFormen);
    formen->addWidget(lblFormen);

    btnWeiter = Knopf(this, QStringLiteral("Weiter&suchen"), "btnWeiter", QStringLiteral("Weitersuchen"));
    btnWeiter->setDefault(true);
    btnErsetzen = Knopf(this, QStringLiteral("&Ersetzen"), "btnErsetzen", QStringLiteral("Ersetzen"));
    btnAlle = Knopf(this, QStringLiteral("&Alle ersetzen"), "btnAlle", QStringLiteral("Alle ersetzen"));
    btnAbbrechen = Knopf(this, QStringLiteral("Abbrechen"), "btnAbbrechen", QStringLiteral("Abbrechen"));
    btnHilfe = Knopf(this, QStringLiteral("&Hilfe"), "btnHilfe", QStringLiteral("Hilfe"));

    auto *felder = new QGridLayout;
    felder->addWidget(lblSuchen, 0, 0);
    felder->addWidget(cmbSuchen, 0, 1);
    felder->addWidget(lblErsetzen, 1, 0);
    felder->addWidget(cmbErsetzen, 1, 1);
    felder->addWidget(lblRichtung, 2, 0);
    felder->addWidget(cmbRichtung, 2, 1);
    felder->addWidget(lblBeginn, 3, 0);
    felder->addWidget(cmbBeginn, 3, 1);
    felder->addWidget(chkCase, 4, 0, 1, 2);
    felder->addWidget(chkGanzeWoerter, 5, 0, 1, 2);
    felder->addWidget(pnlFormen, 6, 0, 1, 2);
    felder->setColumnStretch(1, 1);
    auto *knoepfe = new QVBoxLayout;
    for (QPushButton *b : {btnWeiter, btnErsetzen, btnAlle, btnAbbrechen, btnHilfe})
        knoepfe->addWidget(b);
    knoepfe->addStretch(1);
    auto *inhalt = new QHBoxLayout;
    inhalt->addLayout(felder, 1);
    inhalt->addLayout(knoepfe);
    auto *haupt = new QVBoxLayout(this);
    haupt->addWidget(tabSeiten);
    haupt->addLayout(inhalt);

    connect(tabSeiten, &QTabBar::currentChanged, this, &TfrmSuchen::SeiteZeigen);
    connect(chkFormen, &QCheckBox::toggled, this, &TfrmSuchen::SeiteZeigen);
    connect(cmbSuchen, &QComboBox::editTextChanged, this, &TfrmSuchen::Vergessen);
    connect(btnWeiter, &QPushButton::clicked, this, &TfrmSuchen::Weitersuchen);
    connect(btnErsetzen, &QPushButton::clicked, this, &TfrmSuchen::Ersetzen);
    connect(btnAlle, &QPushButton::clicked, this, &TfrmSuchen::AlleErsetzen);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHilfe, &QPushButton::clicked, this, [this] { HilfeZeigen(this, 1048); });
    SeiteZeigen();
}

TfrmSuchen::~TfrmSuchen() = default;

void TfrmSuchen::Zeigen(bool ersetzen)
{
    tabSeiten->setCurrentIndex(ersetzen ? SEITE_ERSETZEN : SEITE_SUCHEN);
    SeiteZeigen();
    show();
    raise();
    activateWindow();
    cmbSuchen->setFocus();
    cmbSuchen->lineEdit()->selectAll();
}

bool TfrmSuchen::ErsetzenSeite() const
{
    return tabSeiten->currentIndex() == SEITE_ERSETZEN;
}

void TfrmSuchen::SeiteZeigen()
{
    const bool ersetzen = ErsetzenSeite();
    for (QWidget *w : std::initializer_list<QWidget *>{lblErsetzen, cmbErsetzen, btnErsetzen, btnAlle})
        w->setVisible(ersetzen);
    pnlFormen->setVisible(!ersetzen);
    // The form search compares whole words by their analysis: case and word
    // bounds have no say in it.
    const bool frei = ersetzen || !chkFormen->isChecked();
    chkCase->setEnabled(frei);
    chkGanzeWoerter->setEnabled(frei);
}

TSuchoptionen TfrmSuchen::Optionen() const
{
    return {chkCase->isChecked(), chkGanzeWoerter->isChecked(), cmbRichtung->currentIndex() == NACH_OBEN};
}

void TfrmSuchen::Vergessen()
{
    m_letzterText.clear();
    m_letztePosition = -1;
}

void TfrmSuchen::showEvent(QShowEvent *event)
{
    Vergessen();
    if (!m_formen)
        m_formen = std::make_unique<TFormensuche>(m_kern);
    QDialog::showEvent(event);
}

void TfrmSuchen::hideEvent(QHideEvent *event)
{
    Schwarz();
    m_formen.reset();
    QDialog::hideEvent(event);
}

void TfrmSuchen::Schwarz()
{
    m_editor.setExtraSelections({});
}

void TfrmSuchen::Markieren(const TFundstelle &f, bool nachOben)
{
    QTextEdit::ExtraSelection s;
    s.cursor = QTextCursor(m_editor.document());
    s.cursor.setPosition(f.anfang);
    s.cursor.setPosition(f.Ende(), QTextCursor::KeepAnchor);
    s.format.setForeground(Qt::white);
    s.format.setBackground(Qt::blue);
    m_editor.setExtraSelections({s});
    // Searching down the caret stands after the match, searching up before it.
    QTextCursor c = m_editor.textCursor();
    c.setPosition(nachOben ? f.anfang : f.Ende());
    m_editor.setTextCursor(c);
    m_editor.ensureCursorVisible();
}

void TfrmSuchen::Durchsucht(const QString &text)
{
    m_kern.Rueckfrage().Frage(ProgrammTitel(), text, KN_OK, Antwort::Ok, Symbol::Information);
}

void TfrmSuchen::Weitersuchen()
{
    InHistorie(cmbSuchen, cmbSuchen->currentText());
    if (!ErsetzenSeite() && chkFormen->isChecked())
        SuchenInFormen();
    else
        SuchenNormal();
}

void TfrmSuchen::SuchenNormal()
{
    const QString text = cmbSuchen->currentText().trimmed();
    const TSuchoptionen o = Optionen();
    Schwarz();
    const QString inhalt = m_editor.toPlainText();
    const int ende = static_cast<int>(inhalt.size());
    int ab;
    if (text != m_letzterText && cmbBeginn->currentIndex() == TEXTANFANG) {
        ab = o.nachOben ? ende : 0;
    } else {
        if (text == m_letzterText && m_letztePosition >= 0 && m_letztePosition <= ende) {
            QTextCursor c = m_editor.textCursor();
            c.setPosition(m_letztePosition);
            m_editor.setTextCursor(c);
        }
        ab = m_editor.textCursor().position();
    }
    if (const auto f = Finden(inhalt, text, ab, o)) {
        Markieren(*f, o.nachOben);
    } else {
        QTextCursor c = m_editor.textCursor();
        c.setPosition(o.nachOben ? ende : 0);
        m_editor.setTextCursor(c);
        Durchsucht(QStringLiteral("Das Dokument wurde durchsucht."));
    }
    m_letzterText = text;
    m_letztePosition = m_editor.textCursor().position();
}

void TfrmSuchen::SuchenInFormen()
{
    const QString text = cmbSuchen->currentText().trimmed();
    const bool nachOben = cmbRichtung->currentIndex() == NACH_OBEN;
    Schwarz();
    const QString inhalt = m_editor.toPlainText();
    const int ende = static_cast<int>(inhalt.size());
    int ab = m_editor.textCursor().position();
    if (text == m_letzterText && m_letztePosition >= 0 && m_letztePosition <= ende)
        ab = m_letztePosition;
    else if (cmbBeginn->currentIndex() == TEXTANFANG)
        ab = nachOben ? ende : 0;
    if (!m_formen)
        m_formen = std::make_unique<TFormensuche>(m_kern);
    btnWeiter->setCursor(Qt::WaitCursor);
    const auto f = m_formen->Suchen(inhalt, ab, nachOben, text);
    btnWeiter->unsetCursor();
    if (f) {
        Markieren(*f, nachOben);
    } else {
        QTextCursor c = m_editor.textCursor();
        c.setPosition(nachOben ? ende : 0);
        m_editor.setTextCursor(c);
        Durchsucht(QStringLiteral("Das Dokument wurde durchsucht."));
    }
    m_letzterText = text;
    m_letztePosition = m_editor.textCursor().position();
}

void TfrmSuchen::Ersetzen()
{
    InHistorie(cmbSuchen, cmbSuchen->currentText());
    InHistorie(cmbErsetzen, cmbErsetzen->currentText());
    const TSuchoptionen o = Optionen();
    const QString muster = cmbSuchen->currentText().trimmed();
    const QString ersatz = cmbErsetzen->currentText();
    const int cursor = m_editor.textCursor().position();
    if (const auto t = TrefferAmCursor(m_editor.toPlainText(), muster, cursor, o)) {
        QTextCursor c(m_editor.document());
        c.setPosition(t->anfang);
        c.setPosition(t->Ende(), QTextCursor::KeepAnchor);
        c.insertText(ersatz);
        c.setPosition(o.nachOben ? t->anfang : t->anfang + static_cast<int>(ersatz.size()));
        m_editor.setTextCursor(c);
        // Go on from behind the replacement, not from where the match ended.
        if (m_letzterText == muster)
            m_letztePosition = c.position();
    }
    Schwarz();
    SuchenNormal();
}

void TfrmSuchen::AlleErsetzen()
{
    InHistorie(cmbSuchen, cmbSuchen->currentText());
    InHistorie(cmbErsetzen, cmbErsetzen->currentText());
    Schwarz();
    const QString ersatz = cmbErsetzen->currentText();
    const TErsetzung e =
        lexovita::AlleErsetzen(m_editor.toPlainText(), cmbSuchen->currentText().trimmed(), ersatz, Optionen());
    if (!e.stellen.empty()) {
        // One edit block: one undo step, and the editor reports one change.
        QTextCursor c(m_editor.document());
        c.beginEditBlock();
        for (const TFundstelle &s : e.stellen) {
            c.setPosition(s.anfang);
            c.setPosition(s.Ende(), QTextCursor::KeepAnchor);
            c.insertText(ersatz);
        }
        c.endEditBlock();
    }
    Durchsucht(ErsetzungsMeldung(static_cast<int>(e.stellen.size())));
}

} // namespace lexovita
