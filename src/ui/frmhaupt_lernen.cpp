// The drills of the menu "Lernen" and the word list: each opens modally on
// the current lesson; the repetition of due entries and the statistics need none.
#include "app/lektionssitzung.h"
#include "app/vokabelmodell.h"
#include "app/wiederholdienst.h"
#include "model/lektion.h"
#include "textmode/textanalyse.h"
#include "ui/frmabfrage.h"
#include "ui/frmeinstellungen.h"
#include "ui/frmformenlernen.h"
#include "ui/frmhaupt.h"
#include "ui/frmlernstatistik.h"
#include "ui/frmmuendlich.h"
#include "ui/frmvokabelliste.h"
#include "ui/frmvokabeltest.h"
#include "ui/frmwiederholen.h"

#include <QAction>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QTreeWidget>

namespace lexovita {

void TfrmHaupt::LernenVerbinden()
{
    // The list is emptied while a drill runs, so the answers are not in sight.
    auto abfragen = [this](auto oeffnen) {
        TLektion *lektion = AktuelleLektion();
        if (!lektion || lektion->Anzahl() == 0)
            return;
        m_vokabelModell->SetVerborgen(true);
        oeffnen(*lektion);
        m_vokabelModell->SetVerborgen(false);
    };
    connect(Aktion(QStringLiteral("actVokabelnSchriftlich")), &QAction::triggered, this, [this, abfragen] {
        abfragen([this](TLektion &lektion) {
            TfrmAbfrage fenster(this, m_kern, lektion);
            fenster.exec();
        });
    });
    connect(Aktion(QStringLiteral("actVokabeltest")), &QAction::triggered, this, [this] {
        const TLektion *lektion = AktuelleLektion();
        if (!lektion || lektion->Anzahl() == 0)
            return;
        TfrmVokabeltest fenster(this, m_kern, *lektion);
        fenster.exec();
    });
    connect(Aktion(QStringLiteral("actVokabelliste")), &QAction::triggered, this, [this] {
        TLektion *lektion = AktuelleLektion();
        if (!lektion)
            return;
        if (!m_vokabelliste)
            m_vokabelliste = new TfrmVokabelliste(this, m_kern);
        // The editor's selection as offsets into the lesson text as one string.
        const QString text = lektion->TextAlsString();
        const QTextCursor c = edtText->textCursor();
        const int anfang = TextOffset(text, c.selectionStart());
        m_vokabelliste->Vorbereiten(lektion, anfang, TextOffset(text, c.selectionEnd()) - anfang);
        m_vokabelliste->exec();
        if (m_vokabelliste->LektionGeaendert())
            pgcSeiten->setCurrentIndex(0);
    });
    connect(Aktion(QStringLiteral("actVokabelnMuendlich")), &QAction::triggered, this, [this, abfragen] {
        abfragen([this](TLektion &lektion) {
            TfrmMuendlich fenster(this, m_kern, lektion);
            fenster.exec();
        });
    });
    for (const auto &paar :
         {std::pair{"actFormenBilden", TFormenTest::Bilden}, std::pair{"actFormenBestimmen", TFormenTest::Bestimmen}}) {
        connect(Aktion(QString::fromLatin1(paar.first)), &QAction::triggered, this, [this, modus = paar.second] {
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
    connect(Aktion(QStringLiteral("actFaelligeWiederholen")), &QAction::triggered, this, [this] {
        std::unique_ptr<TLektion> sitzung;
        {
            TfrmWiederholen start(this, m_kern);
            if (start.exec() != QDialog::Accepted)
                return;
            sitzung = TWiederholdienst::AlsLektion(start.Plan());
        }
        m_vokabelModell->SetVerborgen(true);
        {
            TfrmAbfrage fenster(this, m_kern, *sitzung, TfrmAbfrage::Art::Wiederholung);
            fenster.exec();
        }
        m_vokabelModell->SetVerborgen(false);
    });
    connect(Aktion(QStringLiteral("actLernstatistik")), &QAction::triggered, this, [this] {
        TfrmLernstatistik fenster(this, m_kern);
        fenster.exec();
    });
}

} // namespace lexovita
