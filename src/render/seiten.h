#pragma once

#include "model/lektion.h"
#include "model/vokabel.h"
#include "morph/laengen.h"
#include "render/formplatzhalter.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace lexovita {

// What the lesson print needs of a lesson: its entries in lesson order (not
// owned), its Latin text and its name.
struct LektionsDaten {
    QString name;
    std::vector<const TVokabel *> vokabeln;
    QStringList text;
    QStringList notizen;
};

// The print view of a lesson; the entries stay owned by the lesson.
LektionsDaten LektionsDatenAus(const TLektion &lektion);

// The pages below show the Latin texts of an entry (headword, principal
// parts, forms) as `anzeige` says, each entry by TLaengenAnzeige::Fuer; the
// default shows them as stored.

// The entry page from the lines of vokabel.htm. Flag pictures are referred to
// as bildOrdner + file name; the page is shown from memory with the program
// folder as base, hence "vorlagen/".
QStringList VokabelSeite(const TVokabel &vokabel, const QStringList &vorlage,
                         const QString &bildOrdner = QStringLiteral("vorlagen/"), TLaengenAnzeige anzeige = {});
// The same, reading vokabel.htm from the vorlagen folder; joined into one text.
QString VokabelSeiteHtml(const TVokabel &vokabel, TLaengenAnzeige anzeige = {});

// The result page of the form analysis from the lines of analyse.htm:
// bezeichnungen are the labels of the analysis results that belong to the
// entry, in list order. The page is saved into the vorlagen folder, so the
// flags are referred to without folder.
QStringList AnalyseSeite(const TVokabel &vokabel, const QStringList &vorlage, const QStringList &bezeichnungen,
                         TLaengenAnzeige anzeige = {});

// Meanings as a table grouped by meaning group ("1)", "2)"), remarks in grey.
QStringList BedeutungenTabelle(const TVokabel &vokabel);
// Memory aids, one table row each with its flag; a grey note when there is none.
QStringList MerkhilfenZeilen(const TVokabel &vokabel, const QString &bildOrdner);
// The memory aids of the lesson print on one line: flags or "D:", "E:", ...
QString MerkhilfenTabelle(const TVokabel &vokabel, bool mitBildern);

// Main template of the lesson print: entries and text, entries only, text only;
// textZuerst picks the text-first template when both are printed. Empty when
// neither is printed.
QString DruckVorlageName(bool vokabeln, bool text, bool textZuerst = false);
// The automatic choice for a lesson: by whether it has entries and text.
QString DruckVorlageFuer(const LektionsDaten &lektion);

struct DruckVorlagen {
    QStringList haupt;
    QStringList verb;       // word class 1
    QStringList substantiv; // word class 2
    QStringList adjektiv;   // word class 5
    QStringList vokabel;    // all others

    // Reads the four block templates and the main template from a folder;
    // an empty main template name leaves the main template empty.
    static DruckVorlagen Laden(const QString &ordner, const QString &hauptVorlage);
};

// The lesson print document as lines; `formText` gives the forms as shown.
QStringList LektionDokument(const LektionsDaten &lektion, bool mitBildern, const DruckVorlagen &vorlagen,
                            const VokabelFormTextFn &formText, TLaengenAnzeige anzeige = {});
// The same with the templates read from the vorlagen folder; an empty template
// path chooses the template by the lesson's content.
QStringList LektionDokument(const LektionsDaten &lektion, bool mitBildern, const QString &vorlagenPfad,
                            const VokabelFormTextFn &formText, TLaengenAnzeige anzeige = {});

// The printed vocabulary test from vokabeltest.htm: the block between
// "<!-- #VokabelAnfang -->" and "<!-- #VokabelEnde -->" is repeated for every
// entry in the given order. The three texts are the inflection-class blocks
// of verbs, nouns and adjectives.
struct TestTexte {
    QString verb;
    QString substantiv;
    QString adjektiv;
};
QStringList VokabeltestSeite(const std::vector<const TVokabel *> &vokabeln, bool stammformen, bool konjDekl,
                             const QStringList &vorlage, const TestTexte &texte, TLaengenAnzeige anzeige = {});

} // namespace lexovita
