#pragma once

#include "model/vokabel.h"
#include "morph/formenmanager.h"

#include <QString>
#include <QStringList>

namespace lexovita {

// Resolves one template marker "<!-- #Form(PRAE IND AKT 1SG) -->" to forms of
// the entry in the manager's result list (emptied first). A marker whose
// last keyword is VOKABEL yields one form: the headword, labelled "Vokabel";
// one that names no form yields an empty list.
void FormAusVorlage(TFormenmanager &manager, const TVokabel &v, const QString &platzhalter);

// The forms table of an entry, built from its template.
struct TFormentabelle {
    QString vorlage;          // template file name; empty when the word class has no table
    QStringList zeilen;       // the page, every form marker resolved
    QStringList sprungmarken; // anchors of the jump list, in page order
    QString Html() const { return zeilen.join(QLatin1Char('\n')); }
};

// Reads the entry's template from `vorlagenOrdner`; a missing template
// leaves the page empty. Headword and forms are shown as `anzeige` says for
// the entry; the manager must make forms with lengths for them to show.
TFormentabelle FormentabelleErzeugen(TFormenmanager &manager, const TVokabel &v, const QString &vorlagenOrdner,
                                     TLaengenAnzeige anzeige = {});

} // namespace lexovita
