#include "ui/frmlehrbuchverwaltung.h"

#include "app/anwendungskern.h"
#include "model/config.h"
#include "model/fehler.h"
#include "model/lektionsdatei.h"
#include "ui/guirueckfrage.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace lexovita {

namespace {

const QString kLektionMime = QStringLiteral("application/x-lexovita-lektion");
constexpr int kIdRolle = Qt::UserRole;

enum LektionSpalte { SpName, SpVokabeln, SpText, SpZugriff, SpErstellt, SpAnzahl };

QString Zeitpunkt(const QDateTime &t)
{
    return t.isValid() ? t.toString(QStringLiteral("dd.MM.yyyy HH:mm")) : QString();
}

// Lesson rows carry their id as drag data, so a row dropped onto a textbook
// moves the lesson there.
class TLektionenModell : public QStandardItemModel {
  public:
    using QStandardItemModel::QStandardItemModel;
    QStringList mimeTypes() const override { return {kLektionMime}; }
    QMimeData *mimeData(const QModelIndexList &indizes) const override
    {
        if (indizes.isEmpty())
            return nullptr;
        auto *daten = new QMimeData;
        daten->setData(kLektionMime, QByteArray::number(index(indizes.first().row(), SpName).data(kIdRolle).toInt()));
        return daten;
    }
    // Copy, never move: the source view must not drop the row itself.
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }
};

// The textbook list accepts dropped lesson rows.
class TLehrbuchListe : public QTreeWidget {
  public:
    using QTreeWidget::QTreeWidget;
    std::function<void(int32_t lektion, int32_t lehrbuch)> abgelegt;

  protected:
    QTreeWidgetItem *Ziel(const QDropEvent *e) const
    {
        return e->mimeData()->hasFormat(kLektionMime) ? itemAt(e->position().toPoint()) : nullptr;
    }
    void dragEnterEvent(QDragEnterEvent *e) override
    {
        if (e->mimeData()->hasFormat(kLektionMime))
            e->acceptProposedAction();
        else
            e->ignore();
    }
    void dragMoveEvent(QDragMoveEvent *e) override
    {
        if (Ziel(e)) {
            e->setDropAction(Qt::CopyAction);
            e->accept();
        } else {
            e->ignore();
        }
    }
    void dropEvent(QDropEvent *e) override
    {
        QTreeWidgetItem *ziel = Ziel(e);
        if (!ziel) {
            e->ignore();
            return;
        }
        const int32_t lektion = e->mimeData()->data(kLektionMime).toInt();
        const int32_t lehrbuch = ziel->data(0, kIdRolle).toInt();
        e->setDropAction(Qt::CopyAction);
        e->accept();
        // The source view is still inside its drag; change the lists afterwards.
        if (abgelegt)
            QTimer::singleShot(0, this, [f = abgelegt, lektion, lehrbuch] { f(lektion, lehrbuch); });
    }
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

    auto *buecher = new TLehrbuchListe(this);
    buecher->abgelegt = [this](int32_t lektion, int32_t lehrbuch) { LektionVerschieben(lektion, lehrbuch); };
    lvwLehrbuecher = buecher;
    lvwLehrbuecher->setObjectName(QStringLiteral("lvwLehrbuecher"));
    lvwLehrbuecher->setAccessibleName(QStringLiteral("Lehrbücher"));
    lvwLehrbuecher->setColumnCount(1);
    lvwLehrbuecher->setHeaderLabels({QStringLiteral("Lehrbuch")});
    lvwLehrbuecher->setRootIsDecorated(false);
    lvwLehrbuecher->setSelectionMode(QAbstractItemView::SingleSelection);
    lvwLehrbuecher->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    lvwLehrbuecher->setAcceptDrops(true);
    lvwLehrbuecher->viewport()->setAcceptDrops(true);
    lvwLehrbuecher->setDropIndicatorShown(true);
    lvwLehrbuecher->setDragDropMode(QAbstractItemView::DropOnly);
    lvwLehrbuecher->setContextMenuPolicy(Qt::CustomContextMenu);

    mdlLektionen = new TLektionenModell(0, SpAnzahl, this);
    mdlLektionen->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Vokabeln"), QStringLiteral("Text"),
                                             QStringLiteral("Letzter Zugriff"), QStringLiteral("Erstellt am")});
    lvwLektionen = new QTreeView(this);
    lvwLektionen->setObjectName(QStringLiteral("lvwLektionen"));
    lvwLektionen->setAccessibleName(QStringLiteral("Lektionen"));
    lvwLektionen->setModel(mdlLektionen);
    lvwLektionen->setRootIsDecorated(false);
    lvwLektionen->setUniformRowHeights(true);
    lvwLektionen->setAllColumnsShowFocus(true);
    lvwLektionen->header()->setStretchLastSection(false);
    lvwLektionen->header()->setSectionResizeMode(SpName, QHeaderView::Stretch);
    for (int sp = SpVokabeln; sp < SpAnzahl; ++sp)
        lvwLektionen->header()->setSectionResizeMode(sp, QHeaderView::ResizeToContents);
    lvwLektionenSymbole = new QListView(this);
    lvwLektionenSymbole->setObjectName(QStringLiteral("lvwLektionenSymbole"));
    lvwLektionenSymbole->setModel(mdlLektionen);
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
        QTreeWidgetItem *item = lvwLehrbuecher->itemAt(p);
        if (!item)
            return;
        lvwLehrbuecher->setCurrentItem(item);
        mnuLehrbuch->exec(lvwLehrbuecher->viewport()->mapToGlobal(p));
    });
    connect(lvwLehrbuecher, &QTreeWidget::itemSelectionChanged, this,
            [this] { Sicher([this] { LehrbuchGewaehlt(); }); });
    connect(lvwLehrbuecher, &QTreeWidget::itemChanged, this, &TfrmLehrbuchverwaltung::LehrbuchGeaendert);
    connect(mdlLektionen, &QStandardItemModel::itemChanged, this, &TfrmLehrbuchverwaltung::LektionGeaendert);
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
    m_rueckfrage.Frage(ProgrammTitel(), text, KN_OK, Antwort::Ok, Symbol::Fehler);
}

int32_t TfrmLehrbuchverwaltung::GewaehltesLehrbuch() const
{
    const QList<QTreeWidgetItem *> auswahl = lvwLehrbuecher->selectedItems();
    return auswahl.size() == 1 ? auswahl.first()->data(0, kIdRolle).toInt() : 0;
}

int32_t TfrmLehrbuchverwaltung::GewaehlteLektion() const
{
    const QModelIndexList zeilen = lvwLektionen->selectionModel()->selectedRows(SpName);
    return zeilen.size() == 1 ? zeilen.first().data(kIdRolle).toInt() : 0;
}

QTreeWidgetItem *TfrmLehrbuchverwaltung::LehrbuchZeile(int32_t id) const
{
    for (int i = 0; i < lvwLehrbuecher->topLevelItemCount(); ++i)
        if (lvwLehrbuecher->topLevelItem(i)->data(0, kIdRolle).toInt() == id)
            return lvwLehrbuecher->topLevelItem(i);
    return nullptr;
}

void TfrmLehrbuchverwaltung::AnsichtAktualisieren()
{
    // The selection of this use wins over the remembered one of the last.
    const int32_t gemerkt = GewaehltesLehrbuch() ? GewaehltesLehrbuch() : m_config.LehrbuchID;
    m_fuellt = true;
    lvwLehrbuecher->clear();
    const int index = m_logik->Aktualisieren(gemerkt);
    for (const TLehrbuchZeile &z : m_logik->Lehrbuecher()) {
        auto *item = new QTreeWidgetItem(lvwLehrbuecher, {z.name});
        item->setData(0, kIdRolle, z.id);
        item->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
        item->setFlags(item->flags() | Qt::ItemIsEditable | Qt::ItemIsDropEnabled);
    }
    if (index >= 0)
        lvwLehrbuecher->setCurrentItem(lvwLehrbuecher->topLevelItem(index));
    m_fuellt = false;
    LehrbuchGewaehlt();
    if (!m_vorschlag.isEmpty())
        edtName->setText(m_vorschlag);
}

void TfrmLehrbuchverwaltung::LehrbuchGewaehlt()
{
    if (m_fuellt)
        return;
    const int32_t id = GewaehltesLehrbuch();
    if (id != m_logik->GewaehltesLehrbuch())
        m_logik->LehrbuchWaehlen(id);
    actLehrbuchLoeschen->setEnabled(id != 0);
    actLehrbuchExportieren->setEnabled(id != 0);
    LektionenZeigen();
}

void TfrmLehrbuchverwaltung::LektionenZeigen()
{
    m_fuellt = true;
    mdlLektionen->removeRows(0, mdlLektionen->rowCount());
    const QIcon symbol = style()->standardIcon(QStyle::SP_FileIcon);
    for (const TLektionZeile &z : m_logik->Lektionen()) {
        QList<QStandardItem *> zeile;
        auto *name = new QStandardItem(symbol, z.name);
        name->setData(z.id, kIdRolle);
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled);
        zeile << name;
        for (const QString &text :
             {QString::number(z.vokabeln), z.TextSpalte(), Zeitpunkt(z.zugriff), Zeitpunkt(z.erstellt)}) {
            auto *item = new QStandardItem(text);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
            zeile << item;
        }
        zeile[SpVokabeln]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        mdlLektionen->appendRow(zeile);
    }
    m_fuellt = false;
    // While saving, the proposed or typed name must not be replaced by the
    // first lesson's name just because a textbook was clicked.
    if (mdlLektionen->rowCount() > 0 && m_modus != VM_SPEICHERN_UNTER)
        lvwLektionen->selectionModel()->setCurrentIndex(
            mdlLektionen->index(0, SpName), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    LektionGewaehlt();
}

void TfrmLehrbuchverwaltung::LektionGewaehlt()
{
    if (m_fuellt)
        return;
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
        const int32_t id = m_logik->LehrbuchNeu();
        m_fuellt = true;
        auto *item = new QTreeWidgetItem(lvwLehrbuecher, {QStringLiteral("Neues Lehrbuch")});
        item->setData(0, kIdRolle, id);
        item->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
        item->setFlags(item->flags() | Qt::ItemIsEditable | Qt::ItemIsDropEnabled);
        m_fuellt = false;
        lvwLehrbuecher->setCurrentItem(item);
        lvwLehrbuecher->editItem(item, 0);
    });
}

void TfrmLehrbuchverwaltung::LehrbuchGeaendert(QTreeWidgetItem *item, int spalte)
{
    if (m_fuellt || spalte != 0)
        return;
    const int32_t id = item->data(0, kIdRolle).toInt();
    const QString neu = item->text(0);
    const TLehrbuchZeile *alt = m_logik->Lehrbuch(id);
    if (!alt || alt->name == neu)
        return;
    bool ok = false;
    Sicher([&] { ok = m_logik->LehrbuchUmbenennen(id, neu); });
    if (!ok) {
        m_fuellt = true;
        if (const TLehrbuchZeile *z = m_logik->Lehrbuch(id))
            item->setText(0, z->name);
        m_fuellt = false;
    }
}

void TfrmLehrbuchverwaltung::LektionGeaendert(QStandardItem *item)
{
    if (m_fuellt || item->column() != SpName)
        return;
    const int32_t id = item->data(kIdRolle).toInt();
    const QString neu = item->text();
    const TLektionZeile *alt = m_logik->Lektion(id);
    if (!alt || alt->name == neu)
        return;
    bool ok = false;
    Sicher([&] { ok = m_logik->LektionUmbenennen(id, neu); });
    if (!ok) {
        m_fuellt = true;
        if (const TLektionZeile *z = m_logik->Lektion(id))
            item->setText(z->name);
        m_fuellt = false;
    }
    if (GewaehlteLektion() == id)
        edtName->setText(item->text());
}

void TfrmLehrbuchverwaltung::LehrbuchUmbenennenStarten()
{
    if (QTreeWidgetItem *item = lvwLehrbuecher->currentItem())
        lvwLehrbuecher->editItem(item, 0);
}

void TfrmLehrbuchverwaltung::LektionUmbenennenStarten()
{
    const QModelIndexList zeilen = lvwLektionen->selectionModel()->selectedRows(SpName);
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
        if (!m_logik->LehrbuchLoeschen(id))
            return;
        m_fuellt = true;
        delete LehrbuchZeile(id);
        m_fuellt = false;
        AnsichtAktualisieren();
    });
}

void TfrmLehrbuchverwaltung::LektionLoeschen()
{
    const int32_t id = GewaehlteLektion();
    if (id == 0)
        return;
    Sicher([&] {
        if (!m_logik->LektionLoeschen(id))
            return;
        for (int r = 0; r < mdlLektionen->rowCount(); ++r) {
            if (mdlLektionen->item(r, SpName)->data(kIdRolle).toInt() == id) {
                mdlLektionen->removeRow(r);
                break;
            }
        }
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
        if (m_logik->LektionVerschieben(lektionId, lehrbuchId))
            LektionenZeigen();
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
