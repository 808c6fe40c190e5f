// The drills of the menu "Lernen": each opens modally on the current lesson;
// the repetition of due entries and the statistics need none.
#include "app/wiederholdienst.h"
#include "model/lektion.h"
#include "ui/frmabfrage.h"
#include "ui/frmhaupt.h"
#include "ui/frmlernstatistik.h"
#include "ui/frmwiederholen.h"
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
    connect(Aktion(QStringLiteral("actFaelligeWiederholen")), &QAction::triggered, this, [this] {
        std::unique_ptr<TLektion> sitzung;
        {
            TfrmWiederholen start(this, m_kern);
            if (start.exec() != QDialog::Accepted)
                return;
            sitzung = TWiederholdienst::AlsLektion(start.Plan());
        }
        lvwVokabeln->clear();
        {
            TfrmAbfrage fenster(this, m_kern, *sitzung, TfrmAbfrage::Art::Wiederholung);
            fenster.exec();
        }
        VokabellisteAufbauen();
    });
    connect(Aktion(QStringLiteral("actLernstatistik")), &QAction::triggered, this, [this] {
        TfrmLernstatistik fenster(this, m_kern);
        fenster.exec();
    });
}

} // namespace lexovita
