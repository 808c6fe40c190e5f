// The drills of the menu "Lernen": each opens modally on the current lesson.
#include "ui/frmabfrage.h"
#include "ui/frmeinstellungen.h"
#include "ui/frmformenlernen.h"
#include "ui/frmhaupt.h"
#include "ui/frmmuendlich.h"
#include "ui/vokabelliste.h"

#include <QAction>
#include <QTreeWidget>

namespace lexovita {

void TfrmHaupt::LernenVerbinden()
{
    // The list is emptied while a drill runs, so the answers are not in sight.
    auto abfragen = [this](auto oeffnen) {
        TLektion *lektion = AktuelleLektion();
        if (!lektion || lektion->Anzahl() == 0)
            return;
        lvwVokabeln->clear();
        oeffnen(*lektion);
        VokabellisteAufbauen();
    };
    connect(Aktion(QStringLiteral("actVokabelnSchriftlich")), &QAction::triggered, this, [this, abfragen] {
        abfragen([this](TLektion &lektion) {
            TfrmAbfrage fenster(this, m_kern, lektion);
            fenster.exec();
        });
    });
    connect(Aktion(QStringLiteral("actVokabelnMuendlich")), &QAction::triggered, this, [this, abfragen] {
        abfragen([this](TLektion &lektion) {
            TfrmMuendlich fenster(this, m_kern, lektion);
            fenster.exec();
        });
    });
    for (auto [name, modus] :
         {std::pair{"actFormenBilden", TFormenTest::Bilden}, std::pair{"actFormenBestimmen", TFormenTest::Bestimmen}}) {
        connect(Aktion(QString::fromLatin1(name)), &QAction::triggered, this, [this, modus] {
            TLektion *lektion = AktuelleLektion();
            if (!lektion || lektion->Anzahl() == 0)
                return;
            bool einstellungen = false;
            {
                TfrmFormenLernen fenster(this, m_kern, *lektion, modus);
                einstellungen = fenster.exec() == TfrmFormenLernen::ZuDenEinstellungen;
            }
            if (!einstellungen)
                return;
            // Straight to the page where the drilled forms are chosen.
            TfrmEinstellungen fenster(m_kern, lektion->TextAlsString(), this);
            const QList<QTreeWidgetItem *> seite = fenster.tvwEinstellungen->findItems(
                QStringLiteral("Formen auswählen"), Qt::MatchExactly | Qt::MatchRecursive);
            if (!seite.isEmpty())
                fenster.tvwEinstellungen->setCurrentItem(seite.first());
            fenster.exec();
        });
    }
}

} // namespace lexovita
