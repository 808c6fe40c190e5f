#pragma once

#include "model/vokabel.h"
#include "morph/laengen.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace lexovita {

// Text of the first generated form for a form identifier (special forms
// applied), empty if the entry has none. Supplied by the caller, who owns a
// forms manager; rendering needs nothing of the generator itself.
using FormTextFn = std::function<QString(int32_t formId)>;
// The same for the lesson print, where every block belongs to another entry.
using VokabelFormTextFn = std::function<QString(const TVokabel &vokabel, int32_t formId)>;

// Value that one placeholder keyword ("PRAE", "IND", "NOMSG", ...) adds to a
// form identifier; 0 for an unknown keyword. Case and blanks are ignored.
int32_t FormSchluesselwortWert(const QString &schluesselwort);

struct FormPlatzhalter {
    int32_t formId = 0;   // sum of the keyword values
    bool vokabel = false; // last keyword is VOKABEL: the headword stands in
};

// Reads a whole marker "<!-- #Form(PRAE IND AKT 1SG) -->".
FormPlatzhalter FormPlatzhalterLesen(const QString &platzhalter);

// The text that replaces a marker: the headword for VOKABEL (shown as
// `anzeige` says for the entry), else the trimmed text of the form, or "-"
// when there is no form or its text is empty. HTML-escaped.
QString FormPlatzhalterText(const QString &platzhalter, const TVokabel &vokabel, const FormTextFn &formText,
                            TLaengenAnzeige anzeige = {});

// Replaces the form markers of a line. The match is greedy: from the first
// "<!-- #Form(" to the last ") -->" of the line is one description.
QString FormMarkerErsetzen(const QString &zeile, const TVokabel &vokabel, const FormTextFn &formText,
                           TLaengenAnzeige anzeige = {});

// Names of the jump anchors <A name="..."> of a page, in order.
QStringList Sprungmarken(const QStringList &zeilen);

// Forms table template file name for an entry (deponent and semi-deponent
// verbs, other verbs, nouns, adjectives, pronouns); empty for other classes.
QString FormentabelleVorlage(const TVokabel &vokabel);

// The forms table page: every form marker of the template resolved.
QStringList FormentabelleSeite(const TVokabel &vokabel, const QStringList &vorlage, const FormTextFn &formText,
                               TLaengenAnzeige anzeige = {});

} // namespace lexovita
