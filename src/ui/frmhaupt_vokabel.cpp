// Main window: creating, editing and showing entries through the editor.
#include "ui/frmhaupt.h"

#include "app/anwendungskern.h"
#include "app/lektionssitzung.h"
#include "app/vokabeldienst.h"
#include "model/lektion.h"
#include "ui/frmlisteeinfuegen.h"
#include "ui/frmvokabeleditor.h"
#include "ui/frmvokabeleigenschaften.h"
#include "ui/vokabelbefehle.h"
#include "ui/vokabeltabelle.h"

#include <QAction>
#include <QLineEdit>

namespace lexovita {

void TfrmHaupt::VokabelAktionenVerbinden()
{
    connect(Aktion(QStringLiteral("actVokabelNeu")), &QAction::triggered, this, &TfrmHaupt::VokabelNeu);
    connect(Aktion(QStringLiteral("actVokabelnAusListe")), &QAction::triggered, this, &TfrmHaupt::VokabelnAusListe);
    connect(Aktion(QStringLiteral("actVokabelBearbeiten")), &QAction::triggered, this, &TfrmHaupt::VokabelBearbeiten);
    connect(Aktion(QStringLiteral("actEigenschaften")), &QAction::triggered, this, &TfrmHaupt::VokabelEigenschaften);
}

const TVokabel *TfrmHaupt::GewaehlteVokabel() const
{
    const QList<int> sel = lvwVokabeln->AusgewaehlteZeilen();
    const TLektion *l = AktuelleLektion();
    if (sel.size() != 1 || !l || sel.first() >= l->Anzahl())
        return nullptr;
    return l->vokabeln[static_cast<size_t>(sel.first())].get();
}

void TfrmHaupt::VokabelNeu()
{
    const QString text = edtVokabel->text().trimmed();
    auto v = TVokabeldienst::Neu(text);
    if (!TfrmVokabelEditor::Bearbeiten(this, m_kern, *v, QStringLiteral("Neue Vokabel (") + text + QLatin1Char(')')))
        return;
    // The stored entry, as every other list row comes from the database.
    if (const TLektion *l = AktuelleLektion()) {
        Ausfuehren(new TVokabelAnhaengenBefehl(Sitzung(), v->id));
        lvwVokabeln->ZeilenWaehlen({l->Anzahl() - 1});
    }
    edtVokabel->clear();
}

void TfrmHaupt::VokabelnAusListe()
{
    if (!AktuelleLektion())
        return;
    TfrmListeEinfuegen f(this, m_kern);
    if (f.exec() != QDialog::Accepted || f.Ids().empty())
        return;
    // The entries are stored; the lesson takes them in one undoable step.
    const int erste = AktuelleLektion()->Anzahl();
    Ausfuehren(new TVokabelnAnhaengenBefehl(Sitzung(), f.Ids()));
    if (AktuelleLektion()->Anzahl() > erste)
        lvwVokabeln->ZeilenWaehlen({erste});
}

void TfrmHaupt::VokabelBearbeiten()
{
    const TVokabel *gewaehlt = GewaehlteVokabel();
    if (!gewaehlt)
        return;
    TVokabeldienst dienst(m_kern);
    auto kopie = dienst.ZumBearbeiten(*gewaehlt);
    auto vorher = dienst.ZumBearbeiten(*gewaehlt);
    const QString titel = QStringLiteral("Vokabel bearbeiten (") + kopie->vokabel + QLatin1Char(')');
    // Storing replaced the copies in every open lesson already.
    if (!TfrmVokabelEditor::Bearbeiten(this, m_kern, *kopie, titel))
        return;
    Sitzung().VokabelAktualisiert(kopie->id);
    Ausfuehren(new TVokabelBearbeitenBefehl(m_kern, std::move(vorher), std::move(kopie)));
}

void TfrmHaupt::VokabelEigenschaften()
{
    if (const TVokabel *v = GewaehlteVokabel())
        TfrmVokabeleigenschaften::Zeigen(this, m_kern, v->id);
}

} // namespace lexovita
