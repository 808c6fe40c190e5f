#include "render/formentabelle.h"

#include "morph/formenbaum.h"
#include "render/formplatzhalter.h"
#include "render/html.h"

#include <QDir>

namespace lexovita {

void FormAusVorlage(TFormenmanager &manager, const TVokabel &v, const QString &platzhalter)
{
    manager.Zuruecksetzen();
    const FormPlatzhalter p = FormPlatzhalterLesen(platzhalter);
    if (p.formId > 0)
        manager.FormenErzeugen(v, p.formId);
    if (p.vokabel) {
        manager.Zuruecksetzen();
        manager.Ergebnisliste().emplace_back(v.id, v.vokabel, 0, QStringLiteral("Vokabel"));
    }
}

TFormentabelle FormentabelleErzeugen(TFormenmanager &manager, const TVokabel &v, const QString &vorlagenOrdner,
                                     TLaengenAnzeige anzeige)
{
    TFormentabelle t;
    t.vorlage = FormentabelleVorlage(v);
    if (t.vorlage.isEmpty())
        return t;
    const QStringList vorlage = VorlageLesen(QDir(vorlagenOrdner).filePath(t.vorlage));
    const TLaengenAnzeige dieser = anzeige.Fuer(v);
    t.zeilen = FormentabelleSeite(
        v, vorlage, [&](int32_t formId) { return FormenText(manager, v, formId, dieser); }, anzeige);
    t.sprungmarken = Sprungmarken(t.zeilen);
    return t;
}

} // namespace lexovita
