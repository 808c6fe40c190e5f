#include "ui/frmlehrbuchverwaltung.h"

#include "model/config.h"
#include "model/lektionsdatei.h"
#include "store/datenmanager.h"
#include "store/lektionsspeicher.h"
#include "store/rueckfrage.h"

#include <QAction>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace lexovita {

namespace {

constexpr int kIdRolle = Qt::UserRole;

int32_t ZeilenId(const QTreeWidgetItem *it)
{
    return it ? it->data(0, kIdRolle).toInt() : 0;
}

QString Datum(const QDateTime &d)
{
    return d.isValid() ? d.date().toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

// Names are shown and stored without single quotes, as the lesson lists always did.
QString OhneApostroph(QString name)
{
    return name.replace(QLatin1Char('\''), QLatin1Char('"'));
}

} // namespace

TfrmLehrbuchverwaltung::TfrmLehrbuchverwaltung(TDatenmanager &daten, TConfig *config, IRueckfrage &rueckfrage,
                                               int modus, const QString &vorschlag, QWidget *parent)
    : QDialog(parent), m_daten(daten), m_config(config), m_rueckfrage(rueckfrage), m_modus(modus),
      m_vorschlag(vorschlag)
{
    setObjectName(QStringLiteral("frmLehrbuchverwaltung"));
    resize(860, 520);

    tbVerwaltung = new QToolBar(this);
    tbVerwaltung->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tbVerwaltung->setIconSize(QSize(16, 16));
    auto neu = [this](const QString &text, QStyle::StandardPixmap bild) {
        QAction *a = tbVerwaltung->addAction(style()->standardIcon(bild), text);
        return a;
    };
    actNeueLektion = neu(QStringLiteral("Neue Lektion"), QStyle::SP_FileIcon);
    actLektionOeffnen = neu(QStringLiteral("Lektion öffnen"), QStyle::SP_DialogOpenButton);
    actLektionSpeichern = neu(QStringLiteral("Lektion speichern"), QStyle::SP_DialogSaveButton);
    actLektionLoeschen = neu(QStringLiteral("Lektion löschen"), QStyle::SP_TrashIcon);
    tbVerwaltung->addSeparator();
    actNeuesLehrbuch = neu(QStringLiteral("Neues Lehrbuch"), QStyle::SP_FileDialogNewFolder);
    actLehrbuchLoeschen = neu(QStringLiteral("Lehrbuch löschen"), QStyle::SP_TrashIcon);
    tbVerwaltung->addSeparator();
    actIcon = tbVerwaltung->addAction(QStringLiteral("Icon"));
    actListe = tbVerwaltung->addAction(QStringLiteral("Liste"));
    actDetails = tbVerwaltung->addAction(QStringLiteral("Details"));
    for (QAction *a : {actIcon, actListe, actDetails})
        a->setCheckable(true);
    actDetails->setChecked(true);

    lvwLehrbuecher = new QTreeWidget(this);
    lvwLehrbuecher->setObjectName(QStringLiteral("lvwLehrbuecher"));
    lvwLehrbuecher->setHeaderLabels({QStringLiteral("Lehrbuch")});
    lvwLehrbuecher->setRootIsDecorated(false);
    lvwLehrbuecher->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    lvwLehrbuecher->setAcceptDrops(true);
    lvwLehrbuecher->viewport()->setAcceptDrops(true);
    lvwLehrbuecher->viewport()->installEventFilter(this);
    lvwLehrbuecher->installEventFilter(this);
    lvwLehrbuecher->setContextMenuPolicy(Qt::CustomContextMenu);

    lvwLektionen = new QTreeWidget(this);
    lvwLektionen->setObjectName(QStringLiteral("lvwLektionen"));
    lvwLektionen->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Vokabeln"), QStringLiteral("Text"),
                                   QStringLiteral("Letzter Zugriff"), QStringLiteral("Erstellt am")});
    lvwLektionen->setRootIsDecorated(false);
    lvwLektionen->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    lvwLektionen->setDragEnabled(true);
    lvwLektionen->setDragDropMode(QAbstractItemView::DragOnly);
    lvwLektionen->setColumnWidth(0, 220);
    lvwLektionen->installEventFilter(this);
    lvwLektionen->setContextMenuPolicy(Qt::CustomContextMenu);

    auto *split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(lvwLehrbuecher);
    split->addWidget(lvwLektionen);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 3);
    split->setSizes({220, 620});

    auto *lblName = new QLabel(QStringLiteral("Lektion:"), this);
    edtName = new QLineEdit(this);
    edtName->setObjectName(QStringLiteral("edtName"));
    edtName->installEventFilter(this);
    lblName->setBuddy(edtName);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setAutoDefault(false);
    btnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    btnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    btnAbbrechen->setAutoDefault(false);
    auto *unten = new QHBoxLayout;
    unten->addWidget(lblName);
    unten->addWidget(edtName, 1);
    unten->addWidget(btnOK);
    unten->addWidget(btnAbbrechen);

    auto *lay = new QVBoxLayout(this);
    lay->addWidget(tbVerwaltung);
    lay->addWidget(split, 1);
    lay->addLayout(unten);

    m_popupLehrbuch = new QMenu(this);
    m_popupLehrbuch->addAction(QStringLiteral("Umbenennen"), this,
                               [this] { lvwLehrbuecher->editItem(lvwLehrbuecher->currentItem(), 0); });
    m_popupLehrbuch->addAction(QStringLiteral("Exportieren"), this, &TfrmLehrbuchverwaltung::LehrbuchExportieren);
    m_popupLehrbuch->addAction(QStringLiteral("Löschen"), this, &TfrmLehrbuchverwaltung::LehrbuchLoeschen);
    m_popupLektion = new QMenu(this);
    m_popupLektion->addAction(QStringLiteral("Umbenennen"), this,
                              [this] { lvwLektionen->editItem(lvwLektionen->currentItem(), 0); });
    m_popupLektion->addAction(QStringLiteral("Löschen"), this, &TfrmLehrbuchverwaltung::LektionLoeschen);

    // Mode: caption, OK caption and which chooser action is offered.
    switch (modus) {
    case SpeichernUnter:
        setWindowTitle(QStringLiteral("Lektion speichern unter"));
        btnOK->setText(QStringLiteral("Speichern"));
        break;
    case Oeffnen:
        setWindowTitle(QStringLiteral("Lektion öffnen"));
        btnOK->setText(QStringLiteral("Öffnen"));
        break;
    case Anhaengen:
        setWindowTitle(QStringLiteral("Lektion anhängen"));
        btnOK->setText(QStringLiteral("Anhängen"));
        break;
    default:
        setWindowTitle(QStringLiteral("Lehrbuchverwaltung"));
        m_vorschlag.clear();
        break;
    }
    actLektionOeffnen->setVisible(modus == Oeffnen || modus == Anhaengen);
    actLektionSpeichern->setVisible(modus == SpeichernUnter);
    actLektionLoeschen->setEnabled(false);
    m_ergebnis.lehrbuchId = m_config ? m_config->LehrbuchID : 0;

    exportDateiWaehlen = [this](const QString &vorschlag) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Lehrbuch exportieren"), vorschlag,
                                            QStringLiteral("XML-Dateien (*.xml)"));
    };

    connect(actNeueLektion, &QAction::triggered, this, [this] {
        m_ergebnis.bestaetigt = false;
        reject();
        emit neueLektionGewuenscht();
    });
    connect(actLektionOeffnen, &QAction::triggered, this, &TfrmLehrbuchverwaltung::OkKlick);
    connect(actLektionSpeichern, &QAction::triggered, this, &TfrmLehrbuchverwaltung::OkKlick);
    connect(actLektionLoeschen, &QAction::triggered, this, &TfrmLehrbuchverwaltung::LektionLoeschen);
    connect(actNeuesLehrbuch, &QAction::triggered, this, &TfrmLehrbuchverwaltung::NeuesLehrbuch);
    connect(actLehrbuchLoeschen, &QAction::triggered, this, &TfrmLehrbuchverwaltung::LehrbuchLoeschen);
    connect(actIcon, &QAction::triggered, this, [this] { AnsichtSetzen(0); });
    connect(actListe, &QAction::triggered, this, [this] { AnsichtSetzen(1); });
    connect(actDetails, &QAction::triggered, this, [this] { AnsichtSetzen(2); });
    connect(btnOK, &QPushButton::clicked, this, &TfrmLehrbuchverwaltung::OkKlick);
    connect(btnAbbrechen, &QPushButton::clicked, this, [this] {
        m_ergebnis.bestaetigt = false;
        reject();
    });
    connect(lvwLehrbuecher, &QTreeWidget::itemSelectionChanged, this, &TfrmLehrbuchverwaltung::LehrbuchGewaehlt);
    connect(lvwLektionen, &QTreeWidget::itemSelectionChanged, this, &TfrmLehrbuchverwaltung::LektionGewaehlt);
    connect(lvwLektionen, &QTreeWidget::itemDoubleClicked, this, &TfrmLehrbuchverwaltung::OkKlick);
    connect(lvwLehrbuecher, &QTreeWidget::itemChanged, this, &TfrmLehrbuchverwaltung::Umbenannt);
    connect(lvwLektionen, &QTreeWidget::itemChanged, this, &TfrmLehrbuchverwaltung::Umbenannt);
    connect(lvwLehrbuecher, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        if (lvwLehrbuecher->itemAt(p))
            m_popupLehrbuch->popup(lvwLehrbuecher->viewport()->mapToGlobal(p));
    });
    connect(lvwLektionen, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        if (lvwLektionen->itemAt(p))
            m_popupLektion->popup(lvwLektionen->viewport()->mapToGlobal(p));
    });

    AnsichtAktualisieren();
    if (modus == SpeichernUnter) {
        edtName->setFocus();
        edtName->selectAll();
    }
}

TfrmLehrbuchverwaltung::~TfrmLehrbuchverwaltung() = default;

bool TfrmLehrbuchverwaltung::Frage(const QString &text)
{
    return m_rueckfrage.Frage(ProgrammTitel(), text, KN_JA_NEIN, Antwort::Nein, Symbol::Frage) == Antwort::Ja;
}

int32_t TfrmLehrbuchverwaltung::GewaehltesLehrbuch() const
{
    const auto sel = lvwLehrbuecher->selectedItems();
    return sel.size() == 1 ? ZeilenId(sel.first()) : 0;
}

void TfrmLehrbuchverwaltung::AnsichtAktualisieren()
{
    TLektionsSpeicher speicher(m_daten);
    m_fuellt = true;
    {
        const QSignalBlocker sperre(lvwLehrbuecher);
        lvwLehrbuecher->clear();
        for (const TLehrbuchZeile &z : speicher.Lehrbuecher()) {
            auto *it = new QTreeWidgetItem({z.name});
            it->setData(0, kIdRolle, z.id);
            it->setFlags(it->flags() | Qt::ItemIsEditable | Qt::ItemIsDropEnabled);
            lvwLehrbuecher->addTopLevelItem(it);
        }
    }
    m_fuellt = false;
    QTreeWidgetItem *wahl = nullptr;
    const int32_t gemerkt = m_config ? m_config->LehrbuchID : 0;
    for (int i = 0; i < lvwLehrbuecher->topLevelItemCount() && gemerkt != 0; ++i)
        if (ZeilenId(lvwLehrbuecher->topLevelItem(i)) == gemerkt)
            wahl = lvwLehrbuecher->topLevelItem(i);
    if (!wahl && lvwLehrbuecher->topLevelItemCount() > 0)
        wahl = lvwLehrbuecher->topLevelItem(0);
    if (wahl) {
        lvwLehrbuecher->setCurrentItem(wahl);
        wahl->setSelected(true);
    }
    LehrbuchGewaehlt();
    edtName->setText(m_vorschlag);
}

void TfrmLehrbuchverwaltung::LehrbuchGewaehlt()
{
    m_ergebnis.lehrbuchId = GewaehltesLehrbuch();
    const auto sel = lvwLehrbuecher->selectedItems();
    m_ergebnis.lehrbuch = sel.size() == 1 ? sel.first()->text(0) : QString();
    actLehrbuchLoeschen->setEnabled(sel.size() == 1);
    LektionenZeigen();
}

void TfrmLehrbuchverwaltung::LektionenZeigen()
{
    const QString name = edtName->text();
    m_fuellt = true;
    {
        const QSignalBlocker sperre(lvwLektionen);
        lvwLektionen->clear();
        if (m_ergebnis.lehrbuchId != 0) {
            TLektionsSpeicher speicher(m_daten);
            for (const TLektionZeile &z : speicher.Lektionen(m_ergebnis.lehrbuchId)) {
                auto *it = new QTreeWidgetItem({z.name, QString::number(z.vokabeln), z.TextSpalte(),
                                                Datum(z.zugriff), Datum(z.erstellt)});
                it->setData(0, kIdRolle, z.id);
                it->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
                it->setFlags(it->flags() | Qt::ItemIsEditable | Qt::ItemIsDragEnabled);
                lvwLektionen->addTopLevelItem(it);
            }
        }
    }
    m_fuellt = false;
    if (lvwLektionen->topLevelItemCount() > 0) {
        lvwLektionen->setCurrentItem(lvwLektionen->topLevelItem(0));
        lvwLektionen->topLevelItem(0)->setSelected(true);
    } else {
        LektionGewaehlt();
    }
    // In save mode the proposed name must survive the selection of the first row.
    if (m_modus == SpeichernUnter)
        edtName->setText(name.isEmpty() ? m_vorschlag : name);
}

void TfrmLehrbuchverwaltung::LektionGewaehlt()
{
    const auto sel = lvwLektionen->selectedItems();
    if (sel.size() == 1) {
        edtName->setText(sel.first()->text(0));
        actLektionLoeschen->setEnabled(true);
    } else {
        edtName->clear();
        actLektionLoeschen->setEnabled(false);
    }
}

void TfrmLehrbuchverwaltung::OkKlick()
{
    if (edtName->text().trimmed().isEmpty() || m_ergebnis.lehrbuchId == 0)
        return;
    if (m_modus == SpeichernUnter)
        LektionSpeichernWahl();
    else if (m_modus == Oeffnen || m_modus == Anhaengen)
        LektionOeffnenWahl();
}

void TfrmLehrbuchverwaltung::LektionSpeichernWahl()
{
    const QString name = edtName->text().trimmed();
    int32_t ziel = 0;
    for (int i = 0; i < lvwLektionen->topLevelItemCount(); ++i) {
        QTreeWidgetItem *it = lvwLektionen->topLevelItem(i);
        if (it->text(0).trimmed() == name) {
            if (!Frage(QStringLiteral("Soll die Lektion '") + it->text(0) + QStringLiteral("' überschrieben werden?")))
                return; // stay open for another name
            ziel = ZeilenId(it);
            break;
        }
    }
    m_ergebnis.lektionId = ziel;
    m_ergebnis.name = name;
    m_ergebnis.bestaetigt = true;
    accept();
}

void TfrmLehrbuchverwaltung::LektionOeffnenWahl()
{
    const QString name = edtName->text().trimmed();
    for (int i = 0; i < lvwLektionen->topLevelItemCount(); ++i) {
        QTreeWidgetItem *it = lvwLektionen->topLevelItem(i);
        if (it->text(0) == name) {
            lvwLektionen->setCurrentItem(it);
            m_ergebnis.lektionId = ZeilenId(it);
            m_ergebnis.name = it->text(0).trimmed();
            m_ergebnis.bestaetigt = true;
            accept();
            return;
        }
    }
}

void TfrmLehrbuchverwaltung::NeuesLehrbuch()
{
    const QString name = QStringLiteral("Neues Lehrbuch");
    const int32_t id = TLektionsSpeicher(m_daten).LehrbuchAnlegen(name);
    m_fuellt = true;
    auto *it = new QTreeWidgetItem({name});
    it->setData(0, kIdRolle, id);
    it->setFlags(it->flags() | Qt::ItemIsEditable | Qt::ItemIsDropEnabled);
    lvwLehrbuecher->addTopLevelItem(it);
    m_fuellt = false;
    lvwLehrbuecher->clearSelection();
    lvwLehrbuecher->setCurrentItem(it);
    it->setSelected(true);
    lvwLehrbuecher->editItem(it, 0);
}

void TfrmLehrbuchverwaltung::Umbenannt(QTreeWidgetItem *item, int spalte)
{
    if (m_fuellt || spalte != 0)
        return;
    const QString name = OhneApostroph(item->text(0));
    if (name.trimmed().isEmpty())
        return;
    TLektionsSpeicher speicher(m_daten);
    if (item->treeWidget() == lvwLehrbuecher)
        speicher.LehrbuchUmbenennen(ZeilenId(item), name);
    else
        speicher.LektionUmbenennen(ZeilenId(item), name);
    if (name != item->text(0)) {
        const QSignalBlocker sperre(item->treeWidget());
        item->setText(0, name);
    }
    if (item->treeWidget() == lvwLehrbuecher && item->isSelected())
        m_ergebnis.lehrbuch = name;
}

void TfrmLehrbuchverwaltung::LektionLoeschen()
{
    const auto sel = lvwLektionen->selectedItems();
    if (sel.size() != 1)
        return;
    QTreeWidgetItem *it = sel.first();
    if (!Frage(QStringLiteral("Soll die Lektion '") + it->text(0) + QStringLiteral("' wirklich gelöscht werden?")))
        return;
    TLektionsSpeicher(m_daten).LektionLoeschen(ZeilenId(it));
    delete it;
    LektionGewaehlt();
}

void TfrmLehrbuchverwaltung::LehrbuchLoeschen()
{
    const auto sel = lvwLehrbuecher->selectedItems();
    if (sel.size() != 1)
        return;
    const int32_t id = ZeilenId(sel.first());
    if (!Frage(QStringLiteral("Soll das Lehrbuch '") + sel.first()->text(0) +
               QStringLiteral("' mit allen zugehörigen Lektionen gelöscht werden?")))
        return;
    TLektionsSpeicher(m_daten).LehrbuchLoeschen(id);
    emit lehrbuchGeloescht(id);
    if (m_config && m_config->LehrbuchID == id)
        m_config->LehrbuchID = 0;
    AnsichtAktualisieren();
}

void TfrmLehrbuchverwaltung::LehrbuchExportieren()
{
    const auto sel = lvwLehrbuecher->selectedItems();
    if (sel.size() != 1)
        return;
    const QString name = sel.first()->text(0);
    const QString datei = exportDateiWaehlen(name + QStringLiteral(".xml"));
    if (datei.isEmpty())
        return;
    const QString vorlagen = m_config && !m_config->programmordner.isEmpty()
                                 ? m_config->VorlagenOrdner()
                                 : QCoreApplication::applicationDirPath() + QStringLiteral("/vorlagen/");
    XmlDateiSchreiben(XmlDateiname(datei), TLektionsSpeicher(m_daten).LehrbuchExportieren(ZeilenId(sel.first()), vorlagen));
    m_rueckfrage.Meldung(ProgrammTitel(), ExportMeldung(name));
}

void TfrmLehrbuchverwaltung::LektionVerschieben(int32_t lektionId, int32_t lehrbuchId)
{
    if (lektionId == 0 || lehrbuchId == 0)
        return;
    TLektionsSpeicher(m_daten).LektionVerschieben(lektionId, lehrbuchId);
    LektionenZeigen();
}

void TfrmLehrbuchverwaltung::AnsichtSetzen(int art)
{
    actIcon->setChecked(art == 0);
    actListe->setChecked(art == 1);
    actDetails->setChecked(art == 2);
    // The list view has no icon mode; "Icon" and "Liste" show the names only.
    lvwLektionen->setHeaderHidden(art != 2);
    for (int s = 1; s < lvwLektionen->columnCount(); ++s)
        lvwLektionen->setColumnHidden(s, art != 2);
    lvwLektionen->setIconSize(art == 0 ? QSize(32, 32) : QSize(16, 16));
}

void TfrmLehrbuchverwaltung::hideEvent(QHideEvent *event)
{
    const int32_t id = GewaehltesLehrbuch();
    if (m_config && id != 0)
        m_config->LehrbuchID = id;
    QDialog::hideEvent(event);
}

bool TfrmLehrbuchverwaltung::eventFilter(QObject *obj, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(event);
        const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        if (obj == edtName && enter) {
            if (!edtName->text().trimmed().isEmpty())
                OkKlick();
            return true;
        }
        // While a caption is edited the keys go to the editor, not to the list.
        if (obj == lvwLektionen) {
            if (enter && !lvwLektionen->selectedItems().isEmpty()) {
                OkKlick();
                return true;
            }
            if (k->key() == Qt::Key_Delete) {
                LektionLoeschen();
                return true;
            }
        }
        if (obj == lvwLehrbuecher && k->key() == Qt::Key_Delete) {
            LehrbuchLoeschen();
            return true;
        }
    }
    if (obj == lvwLehrbuecher->viewport()) {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto *d = static_cast<QDropEvent *>(event);
            if (d->source() == lvwLektionen && lvwLehrbuecher->itemAt(d->position().toPoint()))
                d->acceptProposedAction();
            else
                d->ignore();
            return true;
        }
        if (event->type() == QEvent::Drop) {
            auto *d = static_cast<QDropEvent *>(event);
            QTreeWidgetItem *ziel = lvwLehrbuecher->itemAt(d->position().toPoint());
            const auto sel = lvwLektionen->selectedItems();
            d->setDropAction(Qt::IgnoreAction);
            d->accept();
            if (ziel && sel.size() == 1)
                LektionVerschieben(ZeilenId(sel.first()), ZeilenId(ziel));
            return true;
        }
    }
    return QDialog::eventFilter(obj, event);
}

} // namespace lexovita
