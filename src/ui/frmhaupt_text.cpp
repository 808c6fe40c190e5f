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
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTreeWidget>

namespace lexovita {

namespace {

QColor Farbe(TFarbe f)
{
    return QColor::fromRgb(FarbeAlsRgb(f));
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
    connect(Aktion(QStringLiteral("actHinzufuegen")), &QAction::triggered, this, [this] {
        const QList<QTreeWidgetItem *> sel = lvwWortkontext->selectedItems();
        if (sel.size() == 1)
            Ausfuehren(new TVokabelAnhaengenBefehl(Sitzung(), sel.first()->text(2).toInt()));
    });
    connect(lvwWortkontext, &QTreeWidget::itemSelectionChanged, this, &TfrmHaupt::WortkontextGewaehlt);
    connect(lvwWortkontext, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *it) {
        if (!it->text(2).isEmpty()) // not the "nicht gefunden" row
            TfrmVokabeleigenschaften::Zeigen(this, m_kern, it->text(2).toInt());
    });
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{chkKasus, chkNumerus, chkGenus, optUnd, optOder})
        connect(b, &QAbstractButton::clicked, this, &TfrmHaupt::WortkontextGewaehlt);
    PlusMemo1->viewport()->installEventFilter(this);
    Aktivieren("actHinzufuegen", false);
}

bool TfrmHaupt::TextKlick(QObject *obj, QEvent *event)
{
    // Filters are installed while the pages are still being built.
    if (!m_textmodus || obj != PlusMemo1->viewport())
        return false;
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
    const int offset = TextOffset(text, PlusMemo1->cursorForPosition(m->position().toPoint()).position());
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
    PlusMemo1->setReadOnly(zustand != TS_EINGABE);
    const bool analysiert = zustand == TS_ANALYSIERT;
    for (QWidget *w : std::initializer_list<QWidget *>{chkKasus, chkNumerus, chkGenus, optUnd, optOder})
        w->setEnabled(analysiert);
    PlusMemo1->viewport()->setCursor(analysiert ? Qt::PointingHandCursor : Qt::IBeamCursor);
    ModusfarbenAnwenden();
    if (laeuft) {
        pgbAnalyse->setValue(0);
        lblModus->setText(QStringLiteral("Text wird analysiert..."));
        const TLektion *l = AktuelleLektion();
        Einfaerben({{0, l ? static_cast<int>(l->TextAlsString().size()) : 0, TFarbrolle::Ausgeblendet, 0, false}});
    } else if (analysiert) {
        lblModus->setText(QStringLiteral("Analyse-Modus"));
        m_grundfarben = m_textmodus->Klick(0, 0);
        Einfaerben(m_grundfarben);
    } else {
        lblModus->setText(QStringLiteral("Eingabe-Modus"));
        PlusMemo1->setExtraSelections({});
    }
}

void TfrmHaupt::ModusfarbenAnwenden()
{
    // Outside entry mode every sentence not clicked is faded: that is the
    // editor's plain colour then, and only the clicked sentence is painted.
    TFarbe vg, hg;
    Rollenfarben(m_textmodus->Zustand() == TS_EINGABE ? TFarbrolle::Normal : TFarbrolle::Ausgeblendet, m_kern.Config(),
                 vg, hg);
    QPalette p = PlusMemo1->palette();
    p.setColor(QPalette::Text, Farbe(vg));
    p.setColor(QPalette::Base, Farbe(hg));
    PlusMemo1->setPalette(p);
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
        s.cursor = QTextCursor(PlusMemo1->document());
        // The lesson text ends with a line break the editor does not hold.
        const int ende = PlusMemo1->document()->characterCount() - 1;
        s.cursor.setPosition(std::min(EditorPosition(text, b.anfang), ende));
        s.cursor.setPosition(std::min(EditorPosition(text, b.anfang + b.laenge), ende), QTextCursor::KeepAnchor);
        TFarbe vg, hg;
        Rollenfarben(b.rolle, m_kern.Config(), vg, hg);
        s.format.setForeground(Farbe(vg));
        s.format.setBackground(Farbe(hg));
        auswahl.append(s);
    }
    PlusMemo1->setExtraSelections(auswahl);
}

void TfrmHaupt::WortkontextFuellen()
{
    const bool hat = !m_textmodus->Wortkontext().empty();
    {
        const QSignalBlocker sperre(lvwWortkontext);
        lvwWortkontext->clear();
        tvwVokabeln->clear();
        for (const TWortkontextZeile &z : m_textmodus->Wortkontext())
            lvwWortkontext->addTopLevelItem(new QTreeWidgetItem({z.vokabel, z.wortart, QString::number(z.id)}));
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
    if (m_textmodus->Zustand() == TS_ANALYSIERT && !m_textmodus->GeklicktesWort().isEmpty()) {
        const TKriterien k{chkKasus->isChecked(), chkNumerus->isChecked(), chkGenus->isChecked(), optOder->isChecked()};
        // The other sentences keep the colours of the click.
        std::vector<TFarbbereich> farben = m_grundfarben;
        for (const TFarbbereich &b : m_textmodus->Uebereinstimmung(id, k))
            farben.push_back(b);
        Einfaerben(farben);
    }
    VokabelbaumZeigen(id);
}

void TfrmHaupt::VokabelbaumZeigen(int32_t id)
{
    AnalyseBaum(tvwVokabeln, m_textmodus->Vokabel(id), m_textmodus->ErgebnisseVon(id));
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
    QTextCursor c(PlusMemo1->document());
    c.select(QTextCursor::Document);
    c.mergeBlockFormat(f);
    m_zeigtLektion = vorher;
}

} // namespace lexovita
