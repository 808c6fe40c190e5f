// The drills of the menu "Lernen": each opens modally on the current lesson.
#include "ui/frmabfrage.h"
#include "ui/frmhaupt.h"
#include "ui/vokabelliste.h"

#include <QAction>

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
}

} // namespace lexovita
