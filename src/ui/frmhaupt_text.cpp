// Main window: the text page in its two modes (entry and analysis), the
// word list, look-ups and the agreement colouring. The states and rules
// are the text mode's; this file paints them.
#include "app/anwendungskern.h"
#include "app/lektionssitzung.h"
#include "app/textmodus.h"
#include "model/config.h"
#include "model/rueckfrage.h"
#include "textmode/textanalyse.h"
#include "ui/formenbaeume.h"
#include "ui/frmhaupt.h"
#include "ui/frmvokabeleigenschaften.h"
#include "ui/vokabelbefehle.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolTip>
#include <QTreeWidget>

namespace lexovita {

namespace {

QColor Farbe(TFarbe f)
{
    return QColor::fromRgb(FarbeAlsRgb(f));
}

// Column 0 of a word-list row carries whether it is a lexicon lemma.
constexpr int kLexikonRolle = Qt::UserRole + 1;

bool AusLexikon(const QTreeWidgetItem *zeile)
{
    return zeile->data(0, kLexikonRolle).toBool();
}

} // namespace

void TfrmHaupt::TextmodusVerbinden()
{
    m_textmodus = new TTextmodus(m_kern, this);
    connect(m_textmodus, &TTextmodus::zustandGeaendert, this, &TfrmHaupt::TextmodusZeigen);
    connect(m_textmodus, &TTextmodus::fortschritt, pgbAnalyse, &QProgressBar::setValue);
    connect(Aktion(QStringLiteral("actTextanalyse")), &QAction::triggered, this, [this] {
        m_textmodus->Umschalten();
        TextmodusZeigen();
    });
    connect(cmdAnalyseAbbrechen, &QPushButton::clicked, m_textmodus, &TTextmodus::Abbrechen);
    connect(cmbSuchen->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        const QString text = cmbSuchen->currentText().trimmed();
        cmbSuchen->setEditText(text);
        if (text.isEmpty())
            return;
        if (cmbSuchen->findText(text) < 0)
            cmbSuchen->addItem(text);
        Nachschlagen(text);
    });
    connect(btnAnalyse, &QPushButton::clicked, this, &TfrmHaupt::WortNachschlagen);
    connect(Aktion(QStringLiteral("actWortNachschlagen")), &QAction::triggered, this, &TfrmHaupt::WortNachschlagen);
    connect(Aktion(QStringLiteral("actHinzufuegen")), &QAction::triggered, this, &TfrmHaupt::WortkontextHinzufuegen);
    connect(Aktion(QStringLiteral("actLaengen")), &QAction::toggled, this, &TfrmHaupt::LaengenZeigen);
    connect(lvwWortkontext, &QTreeWidget::itemSelectionChanged, this, &TfrmHaupt::WortkontextGewaehlt);
    connect(lvwWortkontext, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *it) {
        // Not the "nicht gefunden" row; a lexicon lemma is no entry yet.
        if (!it->text(2).isEmpty() && !AusLexikon(it))
            TfrmVokabeleigenschaften::Zeigen(this, m_kern, it->text(2).toInt());
    });
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{chkKasus, chkNumerus, chkGenus, optUnd, optOder})
        connect(b, &QAbstractButton::clicked, this, &TfrmHaupt::WortkontextGewaehlt);
    edtText->viewport()->installEventFilter(this);
    Aktivieren("actHinzufuegen", false);
    Aktivieren("actLaengen", false);
}

bool TfrmHaupt::TextKlick(QObject *obj, QEvent *event)
{
    // Filters are installed while the pages are still being built.
    if (!m_textmodus || obj != edtText->viewport())
        return false;
    if (event->type() == QEvent::ToolTip && m_lektionsDokument) {
        // An unmarked word of the lengths display lists its readings.
        const auto *h = static_cast<QHelpEvent *>(event);
        const QString hinweis = LaengenHinweis(edtText->cursorForPosition(h->pos()).position());
        if (hinweis.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(h->globalPos(), hinweis, edtText->viewport());
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick && m_textmodus->Zustand() == TS_EINGABE) {
        WortNachschlagen();
        return false;
    }
    if (event->type() != QEvent::MouseButtonRelease || m_textmodus->Zustand() != TS_ANALYSIERT)
        return false;
    const auto *m = static_cast<QMouseEvent *>(event);
    const TLektion *l = AktuelleLektion();
    if (!l || m->button() != Qt::LeftButton)
        return false;
    const QString text = l->TextAlsString();
    const int offset = TextOffset(text, edtText->cursorForPosition(m->position().toPoint()).position());
    const int satz = m_textmodus->SatzAn(offset);
    if (satz == 0)
        return false;
    m_grundfarben = m_textmodus->Klick(satz, offset);
    Einfaerben(m_grundfarben);
    const QString wort = m_textmodus->GeklicktesWort();
    if (wort != cmbSuchen->currentText().trimmed().toLower())
        cmbSuchen->setEditText(wort);
    WortkontextFuellen();
    return false;
}

void TfrmHaupt::TextmodusZeigen()
{
    const int zustand = m_textmodus->Zustand();
    const bool laeuft = m_textmodus->Laeuft();
    SuchenAktualisieren(zustand == TS_EINGABE && !laeuft);
    QAction *modus = Aktion(QStringLiteral("actTextanalyse"));
    modus->setChecked(zustand != TS_EINGABE);
    modus->setEnabled(!laeuft);
    TabSet->setEnabled(!laeuft);
    Aktivieren("actOeffnen", !laeuft);
    pgbAnalyse->setVisible(laeuft);
    cmdAnalyseAbbrechen->setVisible(laeuft);
    edtText->setReadOnly(zustand != TS_EINGABE);
    const bool analysiert = zustand == TS_ANALYSIERT;
    // The lengths come from the analysis, and the text is read-only only
    // while it stands: leaving it ends the display.
    if (!analysiert)
        LaengenZeigen(false);
    Aktivieren("actLaengen", analysiert);
    for (QWidget *w : std::initializer_list<QWidget *>{chkKasus, chkNumerus, chkGenus, optUnd, optOder})
        w->setEnabled(analysiert);
    edtText->viewport()->setCursor(analysiert ? Qt::PointingHandCursor : Qt::IBeamCursor);
    ModusfarbenAnwenden();
    if (laeuft) {
        pgbAnalyse->setValue(0);
        lblModus->setText(QStringLiteral("Text wird analysiert..."));
        const TLektion *l = AktuelleLektion();
        Einfaerben({{0, l ? static_cast<int>(l->TextAlsString().size()) : 0, TFarbrolle::Ausgeblendet, 0, false}});
    } else if (analysiert) {
        lblModus->setText(m_lektionsDokument ? QStringLiteral("Analyse-Modus (mit Längen)")
                                             : QStringLiteral("Analyse-Modus"));
        m_grundfarben = m_textmodus->Klick(0, 0);
        Einfaerben(m_grundfarben);
    } else {
        lblModus->setText(QStringLiteral("Eingabe-Modus"));
        edtText->setExtraSelections({});
    }
}

void TfrmHaupt::ModusfarbenAnwenden()
{
    // Outside entry mode every sentence not clicked is faded: that is the
    // editor's plain colour then, and only the clicked sentence is painted.
    TFarbe vg, hg;
    Rollenfarben(m_textmodus->Zustand() == TS_EINGABE ? TFarbrolle::Normal : TFarbrolle::Ausgeblendet, m_kern.Config(),
                 vg, hg);
    QPalette p = edtText->palette();
    p.setColor(QPalette::Text, Farbe(vg));
    p.setColor(QPalette::Base, Farbe(hg));
    edtText->setPalette(p);
}

void TfrmHaupt::FarbenErneuern()
{
    ModusfarbenAnwenden();
    if (m_textmodus->Zustand() != TS_ANALYSIERT)
        return;
    // The clicked sentence and the chosen entry's agreement keep their
    // places and take the new colours.
    if (lvwWortkontext->selectedItems().size() == 1)
        WortkontextGewaehlt();
    else
        Einfaerben(m_grundfarben);
}

void TfrmHaupt::Einfaerben(const std::vector<TFarbbereich> &bereiche)
{
    const TLektion *l = AktuelleLektion();
    if (!l)
        return;
    const QString text = l->TextAlsString();
    QList<QTextEdit::ExtraSelection> auswahl;
    for (const TFarbbereich &b : bereiche) {
        // The faded colours are the editor's own in this mode (see
        // TextmodusZeigen): a selection over a long text would lay it all out again.
        if (b.rolle == TFarbrolle::Ausgeblendet)
            continue;
        QTextEdit::ExtraSelection s;
        s.cursor = QTextCursor(edtText->document());
        // The lesson text ends with a line break the editor does not hold.
        const int ende = edtText->document()->characterCount() - 1;
        s.cursor.setPosition(std::min(EditorPosition(text, b.anfang), ende));
        s.cursor.setPosition(std::min(EditorPosition(text, b.anfang + b.laenge), ende), QTextCursor::KeepAnchor);
        TFarbe vg, hg;
        Rollenfarben(b.rolle, m_kern.Config(), vg, hg);
        s.format.setForeground(Farbe(vg));
        s.format.setBackground(Farbe(hg));
        auswahl.append(s);
    }
    edtText->setExtraSelections(auswahl);
}

void TfrmHaupt::WortkontextFuellen()
{
    const bool hat = !m_textmodus->Wortkontext().empty();
    {
        const QSignalBlocker sperre(lvwWortkontext);
        lvwWortkontext->clear();
        tvwVokabeln->clear();
        for (const TWortkontextZeile &z : m_textmodus->Wortkontext()) {
            auto *zeile = new QTreeWidgetItem({z.vokabel, z.wortart, QString::number(z.id)});
            zeile->setData(0, kLexikonRolle, z.ausLexikon);
            if (z.ausLexikon)
                zeile->setToolTip(0,
                                  QStringLiteral("Aus dem Lexikon: „Vokabel zu Lektion hinzufügen“ macht daraus eine "
                                                 "eigene Vokabel."));
            lvwWortkontext->addTopLevelItem(zeile);
        }
        // Key forms are long; "(Lexikon)" at their end must stay readable.
        if (hat)
            lvwWortkontext->resizeColumnToContents(0);
        // An empty list would look like nothing happened; the row says why
        // and cannot be chosen.
        if (!hat) {
            auto *zeile =
                new QTreeWidgetItem({QStringLiteral("„%1“ nicht gefunden").arg(cmbSuchen->currentText().trimmed())});
            zeile->setFlags(Qt::ItemIsEnabled);
            lvwWortkontext->addTopLevelItem(zeile);
            lvwWortkontext->setFirstColumnSpanned(0, QModelIndex(), true);
        }
    }
    Aktivieren("actHinzufuegen", hat);
    m_wortkontextLektion = AktuelleLektion();
    if (hat)
        lvwWortkontext->setCurrentItem(lvwWortkontext->topLevelItem(0));
}

void TfrmHaupt::WortkontextZuLektion(const TLektion *lektion)
{
    if (lektion == m_wortkontextLektion)
        return;
    m_wortkontextLektion = lektion;
    m_textmodus->NachschlagenLeeren();
    const QSignalBlocker sperre(lvwWortkontext);
    lvwWortkontext->clear();
    tvwVokabeln->clear();
    cmbSuchen->setEditText(QString());
    Aktivieren("actHinzufuegen", false);
}

void TfrmHaupt::WortkontextGewaehlt()
{
    const QList<QTreeWidgetItem *> sel = lvwWortkontext->selectedItems();
    if (sel.size() != 1)
        return;
    const int32_t id = sel.first()->text(2).toInt();
    const bool lexikon = AusLexikon(sel.first());
    if (m_textmodus->Zustand() == TS_ANALYSIERT && !m_textmodus->GeklicktesWort().isEmpty()) {
        const TKriterien k{chkKasus->isChecked(), chkNumerus->isChecked(), chkGenus->isChecked(), optOder->isChecked()};
        // The other sentences keep the colours of the click.
        std::vector<TFarbbereich> farben = m_grundfarben;
        for (const TFarbbereich &b : m_textmodus->Uebereinstimmung(id, lexikon, k))
            farben.push_back(b);
        Einfaerben(farben);
    }
    VokabelbaumZeigen(id, lexikon);
}

void TfrmHaupt::VokabelbaumZeigen(int32_t id, bool ausLexikon)
{
    AnalyseBaum(tvwVokabeln, m_textmodus->Vokabel(id, ausLexikon), m_textmodus->ErgebnisseVon(id, ausLexikon));
    if (QTreeWidgetItem *kopf = tvwVokabeln->topLevelItem(0); kopf && ausLexikon)
        kopf->setText(0, kopf->text(0) + QStringLiteral(" (Lexikon)"));
}

void TfrmHaupt::WortkontextHinzufuegen()
{
    const QList<QTreeWidgetItem *> sel = lvwWortkontext->selectedItems();
    if (sel.size() != 1)
        return;
    int32_t id = sel.first()->text(2).toInt();
    if (AusLexikon(sel.first())) {
        // The lemma becomes an entry first (an existing one is offered);
        // from then on the list and the analysed text name that entry.
        id = m_textmodus->LexikonUebernehmen(id);
        if (id <= 0)
            return;
        if (m_textmodus->Zustand() == TS_ANALYSIERT && !m_textmodus->GeklicktesWort().isEmpty())
            m_grundfarben = m_textmodus->Klickfarben();
        WortkontextFuellen();
        for (int i = 0; i < lvwWortkontext->topLevelItemCount(); ++i) {
            QTreeWidgetItem *zeile = lvwWortkontext->topLevelItem(i);
            if (!AusLexikon(zeile) && zeile->text(2).toInt() == id)
                lvwWortkontext->setCurrentItem(zeile);
        }
    }
    Ausfuehren(new TVokabelAnhaengenBefehl(Sitzung(), id));
}

void TfrmHaupt::LaengenZeigen(bool an)
{
    QAction *aktion = Aktion(QStringLiteral("actLaengen"));
    const bool vorher = m_lektionsDokument != nullptr;
    // Both documents hold the same characters: the caret keeps its place.
    const int caret = edtText->textCursor().position();
    if (an && !m_lektionsDokument) {
        const TLaengenansicht ansicht = m_textmodus->Laengen();
        if (ansicht.text.isEmpty()) {
            const QSignalBlocker sperre(aktion);
            aktion->setChecked(false);
            return;
        }
        // The editor's plain text: one line break per line, none at the end.
        QString text = ansicht.text;
        text.remove(QLatin1Char('\r'));
        if (text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        auto *anzeige = new QTextDocument(this);
        anzeige->setDefaultFont(edtText->document()->defaultFont());
        anzeige->setPlainText(text);
        // The editor deletes a document it owns when given another: the
        // lesson's is kept aside until the display ends.
        m_lektionsDokument = edtText->document();
        m_lektionsDokumentEigner = m_lektionsDokument->parent();
        m_lektionsDokument->setParent(this);
        m_laengenHinweise = ansicht.hinweise;
        m_zeigtLektion = true;
        edtText->setExtraSelections({}); // they point into the document shown so far
        edtText->setDocument(anzeige);
        edtText->setReadOnly(true);
        m_zeigtLektion = false;
        ZeilenabstandAnwenden();
        statusBar()->showMessage(QStringLiteral("%1 Wörter mit Längen, %2 ohne eindeutige Länge")
                                     .arg(ansicht.markiert)
                                     .arg(ansicht.hinweise.size()));
    } else if (!an && m_lektionsDokument) {
        QTextDocument *anzeige = edtText->document();
        m_zeigtLektion = true;
        edtText->setExtraSelections({});
        edtText->setDocument(m_lektionsDokument);
        m_zeigtLektion = false;
        m_lektionsDokument->setParent(m_lektionsDokumentEigner);
        m_lektionsDokument = nullptr;
        m_laengenHinweise.clear();
        delete anzeige;
    }
    {
        const QSignalBlocker sperre(aktion);
        aktion->setChecked(m_lektionsDokument != nullptr);
    }
    if (vorher != (m_lektionsDokument != nullptr)) {
        QTextCursor c(edtText->document());
        c.setPosition(std::min(caret, edtText->document()->characterCount() - 1));
        edtText->setTextCursor(c);
    }
    if (vorher != (m_lektionsDokument != nullptr) && m_textmodus->Zustand() == TS_ANALYSIERT) {
        lblModus->setText(m_lektionsDokument ? QStringLiteral("Analyse-Modus (mit Längen)")
                                             : QStringLiteral("Analyse-Modus"));
        // The painted ranges belong to the document that was shown.
        FarbenErneuern();
    }
}

QString TfrmHaupt::LaengenHinweis(int position) const
{
    const TLektion *l = m_lektionsDokument ? AktuelleLektion() : nullptr;
    if (!l)
        return {};
    const int offset = TextOffset(l->TextAlsString(), position);
    for (const TLaengenansicht::THinweis &h : m_laengenHinweise)
        if (offset >= h.anfang && offset <= h.anfang + h.laenge) // the caret may stand right after it
            return h.text;
    return {};
}

void TfrmHaupt::Nachschlagen(const QString &wort)
{
    m_textmodus->Nachschlagen(wort);
    WortkontextFuellen();
}

void TfrmHaupt::WortNachschlagen()
{
    const QString wort = btnAnalyse->text();
    if (wort.isEmpty())
        return;
    cmbSuchen->setEditText(wort);
    Nachschlagen(wort);
}

void TfrmHaupt::ZeilenabstandAnwenden()
{
    // A fixed line height in pixels; 0 or less keeps the font's own.
    const int hoehe = m_kern.Config().txtZeilenabstand;
    QTextBlockFormat f;
    f.setLineHeight(hoehe > 0 ? hoehe : 100,
                    hoehe > 0 ? QTextBlockFormat::FixedHeight : QTextBlockFormat::ProportionalHeight);
    const bool vorher = m_zeigtLektion;
    m_zeigtLektion = true;
    QTextCursor c(edtText->document());
    c.select(QTextCursor::Document);
    c.mergeBlockFormat(f);
    m_zeigtLektion = vorher;
}

} // namespace lexovita
