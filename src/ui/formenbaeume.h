#pragma once

#include "model/latform.h"
#include "model/vokabel.h"
#include "morph/formenbaum.h"
#include "morph/laengen.h"

#include <QMetaType>
#include <QSet>
#include <functional>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

Q_DECLARE_METATYPE(lexovita::TBasicNodeData)

namespace lexovita {

class TFormenmanager;

// The node payload of an item (stored in its first column), default when absent.
TBasicNodeData KnotenDaten(const QTreeWidgetItem *item);

// Fills a tree from nodes in pre-order; checkable trees get tri-state boxes.
void KnotenEinfuegen(QTreeWidget *baum, const std::vector<TBaumKnoten> &knoten, bool checkbar);

// The checkable forms tree of an entry. The second column of a form row gets
// its Latin text when the row first becomes visible, through `formText`
// (which must outlive the tree's items); rows that carry their text from the
// start show it as `anzeige` says.
void FormenBaum(QTreeWidget *baum, TFormenmanager &manager, const TVokabel &v, int art, const QSet<int32_t> &angehakt,
                std::function<QString(int32_t)> formText, TLaengenAnzeige anzeige = {});
// The forms tree of a view: every form as `anzeige` shows it for the entry,
// which the tree keeps a copy of. The manager is switched to forms with
// lengths while any mark is shown and must outlive the tree's items.
void FormenBaumZeigen(QTreeWidget *baum, TFormenmanager &manager, const TVokabel &v, TLaengenAnzeige anzeige);
// The identifiers of all checked form rows, in tree order.
QList<int32_t> AngehakteFormen(const QTreeWidget *baum);

// The category tree of an entry; `selektoren` receives one form selector per
// node in creation order (0 = heading only).
void KategorieBaum(QTreeWidget *baum, const TVokabel &v, std::vector<int32_t> &selektoren, int art);

// The main window's tree of one analysed entry; empty without an entry.
void AnalyseBaum(QTreeWidget *baum, const TVokabel *v, const std::vector<TLatForm> &ergebnisse);

} // namespace lexovita
