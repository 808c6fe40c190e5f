#include "ui/frmlehrbuchverwaltung.h"

#include "app/anwendungskern.h"
#include "app/lehrbuchmodelle.h"
#include "model/config.h"
#include "model/fehler.h"
#include "model/lektionsdatei.h"
#include "ui/guirueckfrage.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace lexovita {

namespace {

constexpr int kIdRolle = Qt::UserRole;

// The rows' symbol: the app models hold no pictures, so the view's delegate
// adds one to the first column.
class TSymbolDelegat : public QStyledItemDelegate {
  public:
    TSymbolDelegat(QIcon symbol, QObject *parent) : QStyledItemDelegate(parent), m_symbol(std::move(symbol)) {}

  protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() != 0)
            return;
        option->features |= QStyleOptionViewItem::HasDecoration;
        option->icon = m_symbol;
        option->decorationSize = m_symbol.actualSize(option->decorationSize);
    }

  private:
    QIcon m_symbol;
};

} // namespace

TfrmLehrbuchverwaltung::Ergebnis TfrmLehrbuchverwaltung::Auswaehlen(QWidget *eltern, TAnwendungskern &kern, int modus,
                                                                    const QString &vorschlag, bool ueberschreibenFragen)
{
    TGuiRueckfrage gui;
    TfrmLehrbuchverwaltung fenster(kern.Daten(), kern.Config(), gui, modus, vorschlag, eltern);
    fenster.Logik().SetUeberschreibenFragen(ueberschreibenFragen);
    gui.SetEltern(&fenster);
    fenster.exec();
    return fenster.ErgebnisHolen();
}

QString TfrmLehrbuchverwaltung::Titel(int modus)
{
    switch (modus) {
    case VM_SPEICHERN_UNTER:
        return QStringLiteral("Lektion speichern unter");
    case VM_OEFFNEN:
        return QStringLiteral("Lektion öffnen");
    case VM_ANHAENGEN:
        return QStringLiteral("Lektion anhängen");
    default:
        return QStringLiteral("Lehrbuchverwaltung");
    }
}

QString TfrmLehrbuchverwaltung::OkText(int modus)
{
    switch (modus) {
    case VM_SPEICHERN_UNTER:
        return QStringLiteral("Speichern");
    case VM_OEFFNEN:
        return QStringLiteral("Öffnen");
    case VM_ANHAENGEN:
        return QStringLiteral("Anhängen");
    default:
        return QStringLiteral("OK");
    }
}

TfrmLehrbuchverwaltung::TfrmLehrbuchverwaltung(TDatenmanager &daten, TConfig &config, IRueckfrage &rueckfrage,
                                               int modus, const QString &vorschlag, QWidget *parent)
    : QDialog(parent), m_daten(daten), m_config(config), m_rueckfrage(rueckfrage),
      m_logik(std::make_unique<TLehrbuchverwaltung>(daten, rueckfrage, modus)), m_modus(modus),
      m_vorschlag(TLehrbuchverwaltung::Startname(modus, vorschlag))
{
    exportDateiWaehlen = [this](const QString &v) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Lehrbuch exportieren"), v,
                                            QStringLiteral("XML-Dateien (*.xml)"));
    };
    AufbauErstellen();

    setWindowTitle(Titel(modus));
    btnOK->setText(OkText(modus));
    actLektionOeffnen->setVisible(TLehrbuchverwaltung::OeffnenSichtbar(modus));
    actLektionSpeichern->setVisible(TLehrbuchverwaltung::SpeichernSichtbar(modus));
    edtName->clear();

    Sicher([this] { AnsichtAktualisieren(); });
    if (modus == VM_SPEICHERN_UNTER) {
        edtName->setFocus();
        edtName->selectAll();
    } else if (TLehrbuchverwaltung::OeffnenSichtbar(modus)) {
        // The preselected lesson opens with Enter at once.
        lvwLektionen->setFocus();
    }
}

TfrmLehrbuchverwaltung::~TfrmLehrbuchverwaltung() = default;

void TfrmLehrbuchverwaltung::AufbauErstellen()
{
    setObjectName(QStringLiteral("frmLehrbuchverwaltung"));
    setSizeGripEnabled(true);
    QStyle *s = style();

    tbVerwaltung = new QToolBar(this);
    tbVerwaltung->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tbVerwaltung->setIconSize(QSize(24, 24));
    auto aktion = [&](const char *name, const QString &text, QStyle::StandardPixmap icon) {
        auto *a = new QAction(s->standardIcon(icon), text, this);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    actNeueLektion = aktion("actNeueLektion", QStringLiteral("Neue Lektion"), QStyle::SP_FileIcon);
    actLektionOeffnen = aktion("actLektionOeffnen", QStringLiteral("Lektion öffnen"), QStyle::SP_DialogOpenButton);
    actLektionSpeichern =
        aktion("actLektionSpeichern", QStringLiteral("Lektion speichern"), QStyle::SP_DialogSaveButton);
    actLektionLoeschen = aktion("actLektionLoeschen", QStringLiteral("Lektion löschen"), QStyle::SP_TrashIcon);
    actNeuesLehrbuch = aktion("actNeuesLehrbuch", QStringLiteral("Neues Lehrbuch"), QStyle::SP_FileDialogNewFolder);
    actLehrbuchLoeschen =
        aktion("actLehrbuchLoeschen", QStringLiteral("Lehrbuch löschen"), QStyle::SP_DialogDiscardButton);
    actLehrbuchExportieren =
        aktion("actLehrbuchExportieren", QStringLiteral("Lehrbuch exportieren..."), QStyle::SP_DriveFDIcon);
    actIcon = aktion("actIcon", QStringLiteral("Icon"), QStyle::SP_FileDialogContentsView);
    actListe = aktion("actListe", QStringLiteral("Liste"), QStyle::SP_FileDialogListView);
    actDetails = aktion("actDetails", QStringLiteral("Details"), QStyle::SP_FileDialogDetailedView);
    auto *ansichten = new QActionGroup(this);
    for (QAction *a : {actIcon, actListe, actDetails}) {
        a->setCheckable(true);
        ansichten->addAction(a);
    }
    actDetails->setChecked(true);
    tbVerwaltung->addAction(actNeueLektion);
    tbVerwaltung->addAction(actLektionOeffnen);
    tbVerwaltung->addAction(actLektionSpeichern);
    tbVerwaltung->addAction(actLektionLoeschen);
    tbVerwaltung->addSeparator();
    tbVerwaltung->addAction(actNeuesLehrbuch);
    tbVerwaltung->addAction(actLehrbuchLoeschen);
    tbVerwaltung->addSeparator();
    tbVerwaltung->addAction(actIcon);
    tbVerwaltung->addAction(actListe);
    tbVerwaltung->addAction(actDetails);

    mdlLehrbuecher = new TLehrbuchModell(*m_logik, this);
    lvwLehrbuecher = new QTreeView(this);
    lvwLehrbuecher->setObjectName(QStringLiteral("lvwLehrbuecher"));
    lvwLehrbuecher->setAccessibleName(QStringLiteral("Lehrbücher"));
    lvwLehrbuecher->setModel(mdlLehrbuecher);
    lvwLehrbuecher->setItemDelegate(new TSymbolDelegat(s->standardIcon(QStyle::SP_DirIcon), lvwLehrbuecher));
    lvwLehrbuecher->setRootIsDecorated(false);
    lvwLehrbuecher->setUniformRowHeights(true);
    lvwLehrbuecher->setSelectionMode(QAbstractItemView::SingleSelection);
    lvwLehrbuecher->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    // A lesson row is dropped onto a textbook, never between two.
    lvwLehrbuecher->setAcceptDrops(true);
    lvwLehrbuecher->viewport()->setAcceptDrops(true);
    lvwLehrbuecher->setDropIndicatorShown(true);
    lvwLehrbuecher->setDragDropMode(QAbstractItemView::DropOnly);
    lvwLehrbuecher->setDragDropOverwriteMode(true);
    lvwLehrbuecher->setContextMenuPolicy(Qt::CustomContextMenu);

    mdlLektionen = new TLektionenModell(*m_logik, this);
    lvwLektionen = new QTreeView(this);
    lvwLektionen->setObjectName(QStringLiteral("lvwLektionen"));
    lvwLektionen->setAccessibleName(QStringLiteral("Lektionen"));
    lvwLektionen->setModel(mdlLektionen);
    auto *lektionSymbol = new TSymbolDelegat(s->standardIcon(QStyle::SP_FileIcon), this);
    lvwLektionen->setItemDelegate(lektionSymbol);
    lvwLektionen->setRootIsDecorated(false);
    lvwLektionen->setUniformRowHeights(true);
    lvwLektionen->setAllColumnsShowFocus(true);
    lvwLektionen->header()->setStretchLastSection(false);
    lvwLektionen->header()->setSectionResizeMode(TLektionenModell::SpName, QHeaderView::Stretch);
    for (int sp = TLektionenModell::SpVokabeln; sp < TLektionenModell::SpAnzahl; ++sp)
        lvwLektionen->header()->setSectionResizeMode(sp, QHeaderView::ResizeToContents);
    lvwLektionenSymbole = new QListView(this);
    lvwLektionenSymbole->setObjectName(QStringLiteral("lvwLektionenSymbole"));
    lvwLektionenSymbole->setModel(mdlLektionen);
    lvwLektionenSymbole->setItemDelegate(lektionSymbol);
    QItemSelectionModel *eigene = lvwLektionenSymbole->selectionModel();
    lvwLektionenSymbole->setSelectionModel(lvwLektionen->selectionModel());
    delete eigene;
    for (QAbstractItemView *v :
         {static_cast<QAbstractItemView *>(lvwLektionen), static_cast<QAbstractItemView *>(lvwLektionenSymbole)}) {
        v->setSelectionMode(QAbstractItemView::SingleSelection);
        v->setSelectionBehavior(QAbstractItemView::SelectRows);
        v->setEditTriggers(QAbstractItemView::EditKeyPressed);
        v->setDragEnabled(true);
        v->setDragDropMode(QAbstractItemView::DragOnly);
        v->setDefaultDropAction(Qt::CopyAction);
        v->setContextMenuPolicy(Qt::CustomContextMenu);
        v->installEventFilter(this);
        connect(v, &QAbstractItemView::doubleClicked, this, [this] {
            if (TLehrbuchverwaltung::OeffnenSichtbar(m_modus) || TLehrbuchverwaltung::SpeichernSichtbar(m_modus))
                OkKlick();
        });
        connect(v, &QWidget::customContextMenuRequested, this, [this, v](const QPoint &p) {
            const QModelIndex i = v->indexAt(p);
            if (!i.isValid())
                return;
            v->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            mnuLektion->exec(v->viewport()->mapToGlobal(p));
        });
    }
    lvwLehrbuecher->installEventFilter(this);
    stkLektionen = new QStackedWidget(this);
    stkLektionen->addWidget(lvwLektionen);
    stkLektionen->addWidget(lvwLektionenSymbole);

    auto *teiler = new QSplitter(Qt::Horizontal, this);
    teiler->addWidget(lvwLehrbuecher);
    teiler->addWidget(stkLektionen);
    teiler->setStretchFactor(0, 1);
    teiler->setStretchFactor(1, 3);
    teiler->setSizes({220, 640});
    teiler->setChildrenCollapsible(false);

    lblName = new QLabel(QStringLiteral("Lektion:"), this);
    edtName = new QLineEdit(this);
    edtName->setObjectName(QStringLiteral("edtName"));
    lblName->setBuddy(edtName);
    btnOK = new QPushButton(this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    btnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    // Enter is handled per field: in the name field only with a name.
    for (QPushButton *b : {btnOK, btnAbbrechen}) {
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setMinimumWidth(100);
    }
    auto *unten = new QHBoxLayout;
    unten->addWidget(lblName);
    unten->addWidget(edtName, 1);
    unten->addSpacing(12);
    unten->addWidget(btnOK);
    unten->addWidget(btnAbbrechen);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(tbVerwaltung);
    layout->addWidget(teiler, 1);
    layout->addLayout(unten);

    mnuLehrbuch = new QMenu(this);
    mnuLehrbuch->addAction(QStringLiteral("Umbenennen"), this, [this] { LehrbuchUmbenennenStarten(); });
    mnuLehrbuch->addAction(QStringLiteral("Exportieren"), this, [this] { LehrbuchExportieren(); });
    mnuLehrbuch->addAction(QStringLiteral("Löschen"), this, [this] { LehrbuchLoeschen(); });
    mnuLektion = new QMenu(this);
    mnuLektion->addAction(QStringLiteral("Umbenennen"), this, [this] { LektionUmbenennenStarten(); });
    mnuLektion->addAction(QStringLiteral("Löschen"), this, [this] { LektionLoeschen(); });

    connect(lvwLehrbuecher, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        const QModelIndex i = lvwLehrbuecher->indexAt(p);
        if (!i.isValid())
            return;
        lvwLehrbuecher->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
        mnuLehrbuch->exec(lvwLehrbuecher->viewport()->mapToGlobal(p));
    });
    connect(lvwLehrbuecher->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { Sicher([this] { LehrbuchGewaehlt(); }); });
    // The dragging view is still inside its drag; change the lists afterwards.
    connect(mdlLehrbuecher, &TLehrbuchModell::lektionAbgelegt, this, &TfrmLehrbuchverwaltung::LektionVerschieben,
            Qt::QueuedConnection);
    connect(mdlLehrbuecher, &TLehrbuchModell::fehler, this, &TfrmLehrbuchverwaltung::Fehler);
    connect(mdlLektionen, &TLektionenModell::fehler, this, &TfrmLehrbuchverwaltung::Fehler);
    // A renamed lesson that is selected gives the name field its new name.
    connect(mdlLektionen, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &von) {
        if (GewaehlteLektion() == mdlLektionen->Id(von.row()))
            edtName->setText(von.data().toString());
    });
    connect(lvwLektionen->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { LektionGewaehlt(); });
    connect(edtName, &QLineEdit::returnPressed, this, [this] {
        if (!edtName->text().trimmed().isEmpty() &&
            (TLehrbuchverwaltung::OeffnenSichtbar(m_modus) || TLehrbuchverwaltung::SpeichernSichtbar(m_modus)))
            OkKlick();
    });
    connect(btnOK, &QPushButton::clicked, this, &TfrmLehrbuchverwaltung::OkKlick);
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(actNeueLektion, &QAction::triggered, this, &TfrmLehrbuchverwaltung::NeueLektion);
    connect(actLektionOeffnen, &QAction::triggered, this, &TfrmLehrbuchverwaltung::OkKlick);
    connect(actLektionSpeichern, &QAction::triggered, this, &TfrmLehrbuchverwaltung::OkKlick);
    connect(actLektionLoeschen, &QAction::triggered, this, &TfrmLehrbuchverwaltung::LektionLoeschen);
    connect(actNeuesLehrbuch, &QAction::triggered, this, &TfrmLehrbuchverwaltung::NeuesLehrbuch);
    connect(actLehrbuchLoeschen, &QAction::triggered, this, &TfrmLehrbuchverwaltung::LehrbuchLoeschen);
    connect(actLehrbuchExportieren, &QAction::triggered, this, &TfrmLehrbuchverwaltung::LehrbuchExportieren);
    connect(actIcon, &QAction::triggered, this, [this] { AnsichtSetzen(Icon); });
    connect(actListe, &QAction::triggered, this, [this] { AnsichtSetzen(Liste); });
    connect(actDetails, &QAction::triggered, this, [this] { AnsichtSetzen(Details); });

    resize(880, 520);
}

void TfrmLehrbuchverwaltung::Sicher(const std::function<void()> &befehl)
{
    QString text;
    try {
        befehl();
        return;
    } catch (const std::exception &f) {
        text = FehlerMeldung(f);
    }
    Fehler(text);
}

void TfrmLehrbuchverwaltung::Fehler(const QString &meldung)
{
    m_rueckfrage.Frage(ProgrammTitel(), meldung, KN_OK, Antwort::Ok, Symbol::Fehler);
}

int32_t TfrmLehrbuchverwaltung::GewaehltesLehrbuch() const
{
    const QModelIndexList auswahl = lvwLehrbuecher->selectionModel()->selectedRows();
    return auswahl.size() == 1 ? auswahl.first().data(kIdRolle).toInt() : 0;
}

int32_t TfrmLehrbuchverwaltung::GewaehlteLektion() const
{
    const QModelIndexList zeilen = lvwLektionen->selectionModel()->selectedRows(TLektionenModell::SpName);
    return zeilen.size() == 1 ? zeilen.first().data(kIdRolle).toInt() : 0;
}

void TfrmLehrbuchverwaltung::AnsichtAktualisieren()
{
    // The selection of this use wins over the remembered one of the last.
    const int32_t gemerkt = GewaehltesLehrbuch() ? GewaehltesLehrbuch() : m_config.LehrbuchID;
    const int index = m_logik->Aktualisieren(gemerkt);
    mdlLehrbuecher->Neu();
    if (index >= 0) {
        // Chosen once below, not once more by the selection's signal.
        const QSignalBlocker sperre(lvwLehrbuecher->selectionModel());
        lvwLehrbuecher->selectionModel()->setCurrentIndex(mdlLehrbuecher->index(index),
                                                          QItemSelectionModel::ClearAndSelect);
    }
    LehrbuchGewaehlt();
    if (!m_vorschlag.isEmpty())
        edtName->setText(m_vorschlag);
}

void TfrmLehrbuchverwaltung::LehrbuchGewaehlt()
{
    const int32_t id = GewaehltesLehrbuch();
    if (id != m_logik->GewaehltesLehrbuch())
        m_logik->LehrbuchWaehlen(id);
    actLehrbuchLoeschen->setEnabled(id != 0);
    actLehrbuchExportieren->setEnabled(id != 0);
    LektionenZeigen();
}

void TfrmLehrbuchverwaltung::LektionenZeigen()
{
    mdlLektionen->Neu();
    // While saving, the proposed or typed name must not be replaced by the
    // first lesson's name just because a textbook was clicked.
    if (mdlLektionen->rowCount() > 0 && m_modus != VM_SPEICHERN_UNTER)
        lvwLektionen->selectionModel()->setCurrentIndex(mdlLektionen->index(0, TLektionenModell::SpName),
                                                        QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
    LektionGewaehlt();
}

void TfrmLehrbuchverwaltung::LektionGewaehlt()
{
    const int32_t id = GewaehlteLektion();
    actLektionLoeschen->setEnabled(id != 0);
    if (const TLektionZeile *z = m_logik->Lektion(id))
        edtName->setText(z->name);
    else if (m_modus != VM_SPEICHERN_UNTER)
        edtName->clear();
}

void TfrmLehrbuchverwaltung::OkKlick()
{
    if (!TLehrbuchverwaltung::OeffnenSichtbar(m_modus) && !TLehrbuchverwaltung::SpeichernSichtbar(m_modus)) {
        accept(); // plain management: OK just closes
        return;
    }
    Sicher([this] {
        if (m_logik->Bestaetigen(edtName->text(), GewaehlteLektion()))
            accept();
    });
}

TfrmLehrbuchverwaltung::Ergebnis TfrmLehrbuchverwaltung::ErgebnisHolen() const
{
    Ergebnis e;
    static_cast<TVerwaltungsAuswahl &>(e) = m_logik->Auswahl();
    if (result() != QDialog::Accepted || m_neueLektion)
        e.bestaetigt = false;
    e.neueLektion = m_neueLektion;
    e.geloeschteLehrbuecher = m_logik->GeloeschteLehrbuecher();
    e.geloeschteLektionen = m_logik->GeloeschteLektionen();
    return e;
}

void TfrmLehrbuchverwaltung::NeueLektion()
{
    m_neueLektion = true;
    reject();
}

void TfrmLehrbuchverwaltung::NeuesLehrbuch()
{
    Sicher([this] {
        const QModelIndex neu = mdlLehrbuecher->index(mdlLehrbuecher->Anlegen());
        lvwLehrbuecher->selectionModel()->setCurrentIndex(neu, QItemSelectionModel::ClearAndSelect);
        lvwLehrbuecher->edit(neu);
    });
}

void TfrmLehrbuchverwaltung::LehrbuchUmbenennenStarten()
{
    const QModelIndex i = lvwLehrbuecher->currentIndex();
    if (i.isValid())
        lvwLehrbuecher->edit(i);
}

void TfrmLehrbuchverwaltung::LektionUmbenennenStarten()
{
    const QModelIndexList zeilen = lvwLektionen->selectionModel()->selectedRows(TLektionenModell::SpName);
    if (zeilen.size() != 1)
        return;
    auto *v = static_cast<QAbstractItemView *>(stkLektionen->currentWidget());
    v->edit(zeilen.first());
}

void TfrmLehrbuchverwaltung::LehrbuchLoeschen()
{
    const int32_t id = GewaehltesLehrbuch();
    if (id == 0)
        return;
    Sicher([&] {
        if (mdlLehrbuecher->Loeschen(id))
            AnsichtAktualisieren();
    });
}

void TfrmLehrbuchverwaltung::LektionLoeschen()
{
    const int32_t id = GewaehlteLektion();
    if (id == 0)
        return;
    Sicher([&] {
        if (mdlLektionen->Loeschen(id))
            LektionGewaehlt();
    });
}

void TfrmLehrbuchverwaltung::LehrbuchExportieren()
{
    const int32_t id = GewaehltesLehrbuch();
    const TLehrbuchZeile *z = m_logik->Lehrbuch(id);
    if (!z)
        return;
    const QString datei = exportDateiWaehlen(TLehrbuchverwaltung::ExportVorschlag(z->name));
    if (datei.isEmpty())
        return;
    Sicher([&] {
        const QString meldung = m_logik->LehrbuchExportieren(id, datei, m_config.VorlagenOrdner());
        m_rueckfrage.Meldung(ProgrammTitel(), meldung);
    });
}

void TfrmLehrbuchverwaltung::LektionVerschieben(int32_t lektionId, int32_t lehrbuchId)
{
    Sicher([&] {
        if (mdlLektionen->Verschieben(lektionId, lehrbuchId))
            LektionGewaehlt();
    });
}

void TfrmLehrbuchverwaltung::AnsichtSetzen(int art)
{
    switch (art) {
    case Icon:
        lvwLektionenSymbole->setViewMode(QListView::IconMode);
        lvwLektionenSymbole->setIconSize(QSize(32, 32));
        lvwLektionenSymbole->setGridSize(QSize(120, 72));
        lvwLektionenSymbole->setWordWrap(true);
        lvwLektionenSymbole->setMovement(QListView::Static);
        stkLektionen->setCurrentWidget(lvwLektionenSymbole);
        actIcon->setChecked(true);
        break;
    case Liste:
        lvwLektionenSymbole->setViewMode(QListView::ListMode);
        lvwLektionenSymbole->setIconSize(QSize(16, 16));
        lvwLektionenSymbole->setGridSize(QSize());
        lvwLektionenSymbole->setFlow(QListView::TopToBottom);
        lvwLektionenSymbole->setWrapping(true);
        lvwLektionenSymbole->setResizeMode(QListView::Adjust);
        stkLektionen->setCurrentWidget(lvwLektionenSymbole);
        actListe->setChecked(true);
        break;
    default:
        stkLektionen->setCurrentWidget(lvwLektionen);
        actDetails->setChecked(true);
        break;
    }
    // Setting the view mode resets drag settings of a list view.
    lvwLektionenSymbole->setDragEnabled(true);
    lvwLektionenSymbole->setDragDropMode(QAbstractItemView::DragOnly);
}

void TfrmLehrbuchverwaltung::hideEvent(QHideEvent *event)
{
    if (const int32_t id = GewaehltesLehrbuch())
        m_config.LehrbuchID = id;
    QDialog::hideEvent(event);
}

bool TfrmLehrbuchverwaltung::eventFilter(QObject *obj, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(obj, event);
    // While a caption is edited the editor has the keys, so a key arriving
    // here never belongs to an edit.
    const int taste = static_cast<QKeyEvent *>(event)->key();
    if (obj == lvwLehrbuecher && taste == Qt::Key_Delete) {
        LehrbuchLoeschen();
        return true;
    }
    // Enter on a textbook opens its preselected lesson as well.
    if (obj == lvwLehrbuecher && (taste == Qt::Key_Return || taste == Qt::Key_Enter) && GewaehlteLektion() != 0 &&
        TLehrbuchverwaltung::OeffnenSichtbar(m_modus)) {
        OkKlick();
        return true;
    }
    if (obj == lvwLektionen || obj == lvwLektionenSymbole) {
        if (taste == Qt::Key_Delete) {
            LektionLoeschen();
            return true;
        }
        if ((taste == Qt::Key_Return || taste == Qt::Key_Enter) && GewaehlteLektion() != 0) {
            if (TLehrbuchverwaltung::OeffnenSichtbar(m_modus) || TLehrbuchverwaltung::SpeichernSichtbar(m_modus))
                OkKlick();
            return true;
        }
    }
    return QDialog::eventFilter(obj, event);
}

} // namespace lexovita
