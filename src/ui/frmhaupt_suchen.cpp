// Main window: "Suchen..." and "Ersetzen..." open the search window over the
// lesson text; both work in entry mode only.
#include "app/textmodus.h"
#include "ui/frmhaupt.h"
#include "ui/frmsuchen.h"

#include <QAction>

namespace lexovita {

void TfrmHaupt::SuchenVerbinden()
{
    connect(Aktion(QStringLiteral("actSuchen")), &QAction::triggered, this, [this] { SuchenZeigen(false); });
    connect(Aktion(QStringLiteral("actErsetzen")), &QAction::triggered, this, [this] { SuchenZeigen(true); });
}

void TfrmHaupt::SuchenZeigen(bool ersetzen)
{
    if (!m_suchen)
        m_suchen = new TfrmSuchen(*edtText, m_kern, this);
    m_suchen->Zeigen(ersetzen);
}

void TfrmHaupt::SuchenAktualisieren(bool eingabe)
{
    Aktivieren("actSuchen", eingabe);
    Aktivieren("actErsetzen", eingabe);
    // Analysis colours the text itself; the search must not paint over it.
    if (!eingabe && m_suchen)
        m_suchen->hide();
}

} // namespace lexovita
