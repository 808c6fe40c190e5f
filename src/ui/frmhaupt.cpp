#include "ui/frmhaupt.h"

#include "app/anwendungskern.h"
#include "app/programminfo.h"
#include "app/vokabelmodell.h"
#include "model/config.h"
#include "model/lektion.h"
#include "model/pfade.h"
#include "model/rueckfrage.h"
#include "ui/aktionen.h"
#include "ui/anwendung.h"
#include "ui/frameauswahl.h"
#include "ui/vokabeltabelle.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtMath>

namespace lexovita {

namespace {

QIcon Symbolbild(const char *name)
{
    QStyle *s = QApplication::style();
    const QString n = QString::fromLatin1(name);
    if (n == QLatin1String("actNeueLektion"))
        return s->standardIcon(QStyle::SP_FileIcon);
    if (n == QLatin1String("actOeffnen"))
        return s->standardIcon(QStyle::SP_DialogOpenButton);
    if (n == QLatin1String("actSpeichern"))
        return s->standardIcon(QStyle::SP_DialogSaveButton);
    if (n == QLatin1String("actLektionSchliessen"))
        return s->standardIcon(QStyle::SP_DialogCloseButton);
    if (n == QLatin1String("actVokabelNachOben"))
        return s->standardIcon(QStyle::SP_ArrowUp);
    if (n == QLatin1String("actVokabelNachUnten"))
        return s->standardIcon(QStyle::SP_ArrowDown);
    if (n == QLatin1String("actVokabelEntfernen"))
        return s->standardIcon(QStyle::SP_TrashIcon);
    // The style's help picture is missing on many desktops; the program's own shows everywhere.
    if (n == QLatin1String("actHilfe"))
        return ProgrammSymbol();
    if (n == QLatin1String("actBeenden"))
        return s->standardIcon(QStyle::SP_DialogCloseButton);
    return {};
}

QColor Farbe(TFarbe f)
{
    return QColor::fromRgb(FarbeAlsRgb(f));
}

} // namespace

void TfrmHaupt::AktionenAnlegen()
{
    for (const TAktionsEintrag &e : Aktionsliste()) {
        auto *a = new QAction(e.caption, this);
        a->setObjectName(QString::fromLatin1(e.name));
        if (!e.taste.isEmpty())
            a->setShortcut(e.taste);
        a->setIcon(Symbolbild(e.name));
        m_aktionen.insert(a->objectName(), a);
    }
    Aktion(QStringLiteral("actTextanalyse"))->setCheckable(true);
    Aktion(QStringLiteral("actLaengen"))->setCheckable(true);
    // Entry-list keys must not fire while the user types in a text field.
    for (const char *n : {"actVokabelEntfernen", "actVokabelHinzufuegen"})
        Aktion(QString::fromLatin1(n))->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    for (const char *n : {"actVokabelRueckgaengig", "actVokabelWiederherstellen"}) {
        Aktion(QString::fromLatin1(n))->setShortcutContext(Qt::WidgetShortcut);
        Aktion(QString::fromLatin1(n))->setEnabled(false);
    }
}

void TfrmHaupt::MenuesAnlegen()
{
    QHash<QString, QMenu *> menues;
    QHash<QString, QToolBar *> leisten;
    // Every menu its own Alt key: L, V, X, N, O, H.
    const struct {
        const char *name;
        const char *titel;
    } menueDef[] = {
        {"Lektion", "&Lektion"}, {"Vokabel", "&Vokabel"}, {"Text", "Te&xt"},
        {"Lernen", "Ler&nen"},   {"Tools", "T&ools"},     {"Hilfe", "&Hilfe"},
    };
    for (const auto &m : menueDef)
        menues.insert(QString::fromLatin1(m.name), menuBar()->addMenu(QString::fromLatin1(m.titel)));
    const struct {
        const char *name;
        const char *objekt;
        const char *titel;
    } leistenDef[] = {
        {"Lektion", "tbLektion", "Lektion"},
        {"Tools", "tbTools", "Tools"},
        {"Hilfe", "tbHilfe", "Hilfe"},
        {"Lernen", "tbLernen", "Lernen"},
    };
    for (const auto &l : leistenDef) {
        // Two rows so every caption stays readable at 1280 pixels.
        if (QLatin1String(l.name) == QLatin1String("Lernen"))
            addToolBarBreak();
        QToolBar *tb = addToolBar(QString::fromUtf8(l.titel));
        tb->setObjectName(QString::fromLatin1(l.objekt));
        tb->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        tb->setIconSize(QSize(16, 16));
        leisten.insert(QString::fromLatin1(l.name), tb);
    }
    tbVokabel = new QToolBar(QStringLiteral("Vokabel"), this);
    tbVokabel->setObjectName(QStringLiteral("tbVokabel"));
    tbVokabel->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tbVokabel->setIconSize(QSize(16, 16));
    leisten.insert(QStringLiteral("Vokabel"), tbVokabel);

    for (const TAktionsEintrag &e : Aktionsliste()) {
        QAction *a = Aktion(QString::fromLatin1(e.name));
        QMenu *m = menues.value(QString::fromLatin1(e.menue));
        if (e.trennerDavor)
            m->addSeparator();
        m->addAction(a);
        if (e.leiste)
            leisten.value(QString::fromLatin1(e.leiste))->addAction(a);
    }
}

void TfrmHaupt::SeiteVokabelnAnlegen()
{
    auto *seite = new QWidget;
    seite->setObjectName(QStringLiteral("tabVokabeln"));
    lvwVokabeln = new TVokabelTabelle(seite);
    lvwVokabeln->setAccessibleName(QStringLiteral("Vokabeln der Lektion"));
    m_vokabelModell = new TVokabelModell(Sitzung(), this, &m_kern.Config());
    lvwVokabeln->setModel(m_vokabelModell);
    lvwVokabeln->header()->setSectionsClickable(true);
    lvwVokabeln->header()->setStretchLastSection(false);
    lvwVokabeln->header()->setSectionResizeMode(QHeaderView::Interactive);
    lvwVokabeln->header()->setSectionResizeMode(TVokabelModell::Bedeutungen, QHeaderView::Stretch);
    lvwVokabeln->header()->moveSection(TVokabelModell::Nr, 0);
    // The fixed columns leave room for the stretching meanings even in an
    // 800-pixel window; wider sums squeezed them to a few letters.
    lvwVokabeln->setColumnWidth(TVokabelModell::Nr, 40);
    lvwVokabeln->setColumnWidth(TVokabelModell::Vokabel, 140);
    lvwVokabeln->setColumnWidth(TVokabelModell::Formen, 200);
    lvwVokabeln->setColumnWidth(TVokabelModell::Wortart, 95);
    lvwVokabeln->setColumnWidth(TVokabelModell::KonjDekl, 140);
    lvwVokabeln->setContextMenuPolicy(Qt::CustomContextMenu);

    auto *lblVokabel = new QLabel(QStringLiteral("Voka&bel:"), seite);
    edtVokabel = new QLineEdit(seite);
    edtVokabel->setObjectName(QStringLiteral("edtVokabel"));
    edtVokabel->setPlaceholderText(QStringLiteral("Lateinisches Wort eingeben..."));
    edtVokabel->setMinimumWidth(320);
    edtVokabel->installEventFilter(this);
    lblVokabel->setBuddy(edtVokabel);
    btnHinzufuegen = new QPushButton(QStringLiteral("Vokabel hinzufügen"), seite);
    btnHinzufuegen->setObjectName(QStringLiteral("btnHinzufuegen"));
    btnHinzufuegen->setEnabled(false);
    // A click must not take the focus from the field: leaving it hides the candidates.
    btnHinzufuegen->setFocusPolicy(Qt::TabFocus);

    auto *unten = new QHBoxLayout;
    unten->addWidget(lblVokabel);
    unten->addWidget(edtVokabel);
    unten->addWidget(btnHinzufuegen);
    unten->addStretch(1);

    auto *lay = new QVBoxLayout(seite);
    lay->setContentsMargins(4, 4, 4, 4);
    lay->addWidget(tbVokabel);
    lay->addWidget(lvwVokabeln, 1);
    lay->addLayout(unten);

    frameAuswahl = new TframeAuswahl(seite);
    frameAuswahl->hide();
    connect(frameAuswahl, &TframeAuswahl::geaendert, this, &TfrmHaupt::AuswahlPlatzieren);

    // Insert and Delete act on the entry list while the focus is on this page;
    // undo and redo of the list only while the list has the focus, so that the
    // text editors keep their own.
    seite->addAction(Aktion(QStringLiteral("actVokabelHinzufuegen")));
    seite->addAction(Aktion(QStringLiteral("actVokabelEntfernen")));
    lvwVokabeln->addAction(Aktion(QStringLiteral("actVokabelRueckgaengig")));
    lvwVokabeln->addAction(Aktion(QStringLiteral("actVokabelWiederherstellen")));

    mnuVokabelPopup = new QMenu(this);
    pgcSeiten->addTab(seite, QStringLiteral("Vokabeln"));
}

void TfrmHaupt::SeiteTextAnlegen()
{
    auto *seite = new QWidget;
    seite->setObjectName(QStringLiteral("tabText"));

    edtText = new QTextEdit(seite);
    edtText->setObjectName(QStringLiteral("edtText"));
    edtText->setAccessibleName(QStringLiteral("Lektionstext"));
    edtText->setAcceptRichText(false);
    edtText->installEventFilter(this);

    lblModus = new QLabel(QStringLiteral("Eingabe-Modus"), seite);
    lblModus->setObjectName(QStringLiteral("lblModus"));
    QFont fett = lblModus->font();
    fett.setBold(true);
    lblModus->setFont(fett);
    lblZeile = new QLabel(QStringLiteral("Zeile: 1"), seite);
    lblZeile->setObjectName(QStringLiteral("lblZeile"));
    lblZeile->setMinimumWidth(80);
    lblSpalte = new QLabel(QStringLiteral("Spalte: 1"), seite);
    lblSpalte->setObjectName(QStringLiteral("lblSpalte"));
    lblSpalte->setMinimumWidth(80);
    btnAnalyse = new QPushButton(seite);
    btnAnalyse->setObjectName(QStringLiteral("btnAnalyse"));
    btnAnalyse->setToolTip(QStringLiteral("Wort nachschlagen"));
    btnAnalyse->setAccessibleName(btnAnalyse->toolTip());
    btnAnalyse->hide();
    pgbAnalyse = new QProgressBar(seite);
    pgbAnalyse->setObjectName(QStringLiteral("pgbAnalyse"));
    pgbAnalyse->setMaximumWidth(200);
    pgbAnalyse->hide();
    cmdAnalyseAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), seite);
    cmdAnalyseAbbrechen->setObjectName(QStringLiteral("cmdAnalyseAbbrechen"));
    cmdAnalyseAbbrechen->hide();

    auto *modus = new QHBoxLayout;
    modus->addWidget(lblModus);
    modus->addSpacing(16);
    modus->addWidget(lblZeile);
    modus->addWidget(lblSpalte);
    modus->addWidget(btnAnalyse);
    modus->addStretch();
    modus->addWidget(pgbAnalyse);
    modus->addWidget(cmdAnalyseAbbrechen);

    auto *links = new QWidget(seite);
    auto *linksLay = new QVBoxLayout(links);
    linksLay->setContentsMargins(0, 0, 0, 0);
    linksLay->addLayout(modus);
    linksLay->addWidget(edtText, 1);

    // Right side: look-up box, entry tree and the info pages.
    auto *rechts = new QWidget(seite);
    cmbSuchen = new QComboBox(rechts);
    cmbSuchen->setObjectName(QStringLiteral("cmbSuchen"));
    cmbSuchen->setAccessibleName(QStringLiteral("Wort nachschlagen"));
    cmbSuchen->setEditable(true);
    cmbSuchen->setInsertPolicy(QComboBox::NoInsert);
    cmbSuchen->lineEdit()->setPlaceholderText(QStringLiteral("Wort nachschlagen"));
    tvwVokabeln = new QTreeWidget(rechts);
    tvwVokabeln->setObjectName(QStringLiteral("tvwVokabeln"));
    tvwVokabeln->setAccessibleName(QStringLiteral("Gefundene Vokabeln"));
    tvwVokabeln->setHeaderHidden(true);

    pgcInfo = new QTabWidget(rechts);
    pgcInfo->setObjectName(QStringLiteral("pgcInfo"));
    auto *kontext = new QWidget;
    lvwWortkontext = new QTreeWidget(kontext);
    lvwWortkontext->setObjectName(QStringLiteral("lvwWortkontext"));
    lvwWortkontext->setAccessibleName(QStringLiteral("Vokabeln zum Wort"));
    lvwWortkontext->setRootIsDecorated(false);
    lvwWortkontext->setHeaderLabels({QStringLiteral("Vokabel"), QStringLiteral("Wortart"), QStringLiteral("ID")});
    lvwWortkontext->setColumnHidden(2, true);
    chkKasus = new QCheckBox(QStringLiteral("Kasus"), kontext);
    chkKasus->setObjectName(QStringLiteral("chkKasus"));
    chkNumerus = new QCheckBox(QStringLiteral("Numerus"), kontext);
    chkNumerus->setObjectName(QStringLiteral("chkNumerus"));
    chkGenus = new QCheckBox(QStringLiteral("Genus"), kontext);
    chkGenus->setObjectName(QStringLiteral("chkGenus"));
    optUnd = new QRadioButton(QStringLiteral("UND"), kontext);
    optUnd->setObjectName(QStringLiteral("optUnd"));
    optOder = new QRadioButton(QStringLiteral("ODER"), kontext);
    optOder->setObjectName(QStringLiteral("optOder"));
    chkKasus->setChecked(true);
    chkNumerus->setChecked(true);
    chkGenus->setChecked(true);
    optUnd->setChecked(true);
    for (QWidget *w : std::initializer_list<QWidget *>{chkKasus, chkNumerus, chkGenus, optUnd, optOder})
        w->setEnabled(false); // only meaningful in analysis mode
    auto *kontextLay = new QVBoxLayout(kontext);
    kontextLay->addWidget(lvwWortkontext, 1);
    auto *haken = new QHBoxLayout;
    haken->addWidget(chkKasus);
    haken->addWidget(chkNumerus);
    haken->addWidget(chkGenus);
    haken->addStretch();
    haken->addWidget(optUnd);
    haken->addWidget(optOder);
    kontextLay->addLayout(haken);
    pgcInfo->addTab(kontext, QStringLiteral("Kontext"));

    auto *legende = new QWidget;
    auto *legLay = new QGridLayout(legende);
    for (int i = 0; i < 7; ++i) {
        auto *probe = new QLabel(legende);
        probe->setFixedSize(28, 16);
        probe->setAutoFillBackground(true);
        probe->setFrameShape(QFrame::Box);
        auto *text = new QLabel(legende);
        legendeFarben.append(probe);
        legendeTexte.append(text);
        legLay->addWidget(probe, i, 0);
        legLay->addWidget(text, i, 1);
    }
    const char *shp[] = {"shpKNG", "shpKN", "shpKG", "shpK", "shpNG", "shpN", "shpG"};
    const char *lbl[] = {"lblKNG", "lblKN", "lblKG", "lblK", "lblNG", "lblN", "lblG"};
    for (int i = 0; i < 7; ++i) {
        legendeFarben[i]->setObjectName(QString::fromLatin1(shp[i]));
        legendeTexte[i]->setObjectName(QString::fromLatin1(lbl[i]));
    }
    legLay->setRowStretch(7, 1);
    legLay->setColumnStretch(1, 1);
    pgcInfo->addTab(legende, QStringLiteral("Legende"));

    memNotizen = new QPlainTextEdit;
    memNotizen->setObjectName(QStringLiteral("memNotizen"));
    memNotizen->installEventFilter(this);
    pgcInfo->addTab(memNotizen, QStringLiteral("Notizen"));

    auto *rechtsLay = new QVBoxLayout(rechts);
    rechtsLay->setContentsMargins(0, 0, 0, 0);
    rechtsLay->addWidget(cmbSuchen);
    auto *rechtsSplit = new QSplitter(Qt::Vertical, rechts);
    rechtsSplit->addWidget(tvwVokabeln);
    rechtsSplit->addWidget(pgcInfo);
    rechtsSplit->setStretchFactor(0, 1);
    rechtsSplit->setStretchFactor(1, 1);
    rechtsLay->addWidget(rechtsSplit, 1);

    auto *split = new QSplitter(Qt::Horizontal, seite);
    split->setObjectName(QStringLiteral("splText"));
    split->addWidget(links);
    split->addWidget(rechts);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    split->setSizes({800, 320});
    auto *lay = new QVBoxLayout(seite);
    lay->setContentsMargins(4, 4, 4, 4);
    lay->addWidget(split);

    pgcSeiten->addTab(seite, QStringLiteral("Text"));
    LegendeAktualisieren();
}

void TfrmHaupt::LegendeAktualisieren()
{
    const bool und = !optOder || !optOder->isChecked();
    const QStringList texte = und ? QStringList{QStringLiteral("Kasus, Numerus und Genus"),
                                                QStringLiteral("Kasus und Numerus"),
                                                QStringLiteral("Kasus und Genus"),
                                                QStringLiteral("Kasus"),
                                                QStringLiteral("Numerus und Genus"),
                                                QStringLiteral("Numerus"),
                                                QStringLiteral("Genus")}
                                  : QStringList{QStringLiteral("Kasus, Numerus oder Genus"),
                                                QStringLiteral("Kasus oder Numerus"),
                                                QStringLiteral("Kasus oder Genus"),
                                                QStringLiteral("Kasus"),
                                                QStringLiteral("Numerus oder Genus"),
                                                QStringLiteral("Numerus"),
                                                QStringLiteral("Genus")};
    const TConfig &c = m_kern.Config();
    const TFarbe farben[] = {c.clKNG, c.clKN, c.clKG, c.clK, c.clNG, c.clN, c.clG};
    for (int i = 0; i < 7; ++i) {
        QPalette p = legendeFarben[i]->palette();
        p.setColor(QPalette::Window, Farbe(farben[i]));
        legendeFarben[i]->setPalette(p);
        legendeTexte[i]->setText(texte[i]);
    }
}

void TfrmHaupt::EditorEinstellungenAnwenden()
{
    const TConfig *c = &m_kern.Config();
    QFont f(c->txtName, c->txtSize);
    f.setBold(c->txtStyle & 1);
    f.setItalic(c->txtStyle & 2);
    f.setUnderline(c->txtStyle & 4);
    f.setStrikeOut(c->txtStyle & 8);
    edtText->setFont(f);
    if (!c->txtUmbruch) {
        edtText->setLineWrapMode(QTextEdit::NoWrap);
    } else if (c->txtUmbruchZeichen > 0) {
        // Qt's fixed column counts characters and cuts the line wherever the
        // count runs out, inside words too. The width of that many average
        // characters wraps between words instead, and cuts only a word
        // longer than the whole line.
        const qreal rand = 2 * edtText->document()->documentMargin();
        edtText->setLineWrapMode(QTextEdit::FixedPixelWidth);
        edtText->setLineWrapColumnOrWidth(qCeil(QFontMetricsF(f).averageCharWidth() * c->txtUmbruchZeichen + rand));
    } else {
        edtText->setLineWrapMode(QTextEdit::WidgetWidth);
    }
    edtText->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QTextOption opt = edtText->document()->defaultTextOption();
    opt.setFlags(c->txtUnsichtbareZeichen
                     ? (QTextOption::ShowTabsAndSpaces | QTextOption::ShowLineAndParagraphSeparators)
                     : QTextOption::Flags());
    edtText->document()->setDefaultTextOption(opt);
    // Without drops the editor cannot take text dragged within itself.
    edtText->setAcceptDrops(c->txtDragDrop);
    QPalette p = edtText->palette();
    p.setColor(QPalette::Text, Farbe(c->clNormalVg));
    p.setColor(QPalette::Base, Farbe(c->clNormalHg));
    p.setColor(QPalette::Highlight, Farbe(c->clAusgewaehltHg));
    p.setColor(QPalette::HighlightedText, Farbe(c->clAusgewaehltVg));
    edtText->setPalette(p);
    if (m_textmodus)
        FarbenErneuern();
    ZeilenabstandAnwenden();
    LegendeAktualisieren();
}

void TfrmHaupt::TextCursorGeaendert()
{
    const QTextCursor c = edtText->textCursor();
    lblZeile->setText(QStringLiteral("Zeile: %1").arg(c.blockNumber() + 1));
    lblSpalte->setText(QStringLiteral("Spalte: %1").arg(c.positionInBlock() + 1));
    // The word at the caret, cut by the lesson's own word delimiters.
    const QString wort = TLektion::WortAn(edtText->toPlainText(), c.position());
    const bool hatWort = !wort.isEmpty();
    btnAnalyse->setText(wort);
    btnAnalyse->setVisible(hatWort);
    Aktivieren("actWortNachschlagen", hatWort);
    if (hatWort)
        btnAnalyse->setFixedWidth(btnAnalyse->fontMetrics().horizontalAdvance(wort) + 40);
    // The readings of an unmarked word, for those who move by keyboard.
    if (const QString hinweis = LaengenHinweis(c.position()); !hinweis.isEmpty())
        statusBar()->showMessage(QString(hinweis).replace(QLatin1Char('\n'), QStringLiteral("; ")));
}

void TfrmHaupt::AuswahlZeigen(bool zeigen)
{
    frameAuswahl->setVisible(zeigen);
    if (zeigen) {
        AuswahlPlatzieren();
        frameAuswahl->raise();
    }
    Aktivieren("actVokabelHinzufuegen", zeigen);
    btnHinzufuegen->setEnabled(zeigen);
}

void TfrmHaupt::AuswahlPlatzieren()
{
    if (!frameAuswahl->isVisible())
        return;
    frameAuswahl->adjustSize();
    QWidget *seite = frameAuswahl->parentWidget();
    const QPoint feld = edtVokabel->mapTo(seite, QPoint(0, 0));
    // Right of the typed text, so the text stays readable; its bottom on the field's bottom.
    int links = feld.x() + edtVokabel->fontMetrics().horizontalAdvance(edtVokabel->text()) + 30;
    links = std::min(links, seite->width() - frameAuswahl->width());
    const int oben = feld.y() + edtVokabel->height() - frameAuswahl->height() - edtVokabel->height() - 2;
    frameAuswahl->move(std::max(0, links), std::max(0, oben));
}

void TfrmHaupt::Aktivieren(const char *name, bool an)
{
    const QString n = QString::fromLatin1(name);
    if (QAction *a = Aktion(n))
        a->setEnabled(an);
}

void TfrmHaupt::UeberLexovita()
{
    const TPfade &pfade = TPfade::Aktuell();
    QString text = QStringLiteral("<b>lexovita</b><br>Lateinische Vokabeln und Formen lernen<br><br>Version ") +
                   ProgrammVersion().toHtmlEscaped() + QStringLiteral("<p><b>Herkunft der Daten</b></p><ul>");
    for (const QString &z : DatenquellenZeilen(pfade))
        text += QStringLiteral("<li>") + z.toHtmlEscaped() + QStringLiteral("</li>");
    text += QStringLiteral("</ul><p><b>Ordner</b><br>");
    text += ProgrammOrdnerZeilen(pfade)
                .join(QLatin1Char('\n'))
                .toHtmlEscaped()
                .replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    text += QStringLiteral("</p>");
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Über lexovita"), text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("dlgUeber"));
    box.setTextFormat(Qt::RichText);
    box.setIconPixmap(ProgrammSymbol().pixmap(64, 64));
    box.exec();
}

} // namespace lexovita
