#pragma once

#include "model/vokabel.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace lexovita {

// The inflection models and lemma lines of the Collatinus lexicon, read from
// their text, and the way each model becomes one of our entries. Pure
// computation: the store reads the files and writes the tables.

// One line of lemmes.la: "canon[=marked]|model|radical 1|radical 2|indications|frequency".
struct TCollatinusLemma {
    QString schluessel;    // canonical form without quantities, homograph number kept ("dico2")
    QString lemma;         // with quantities, without homograph number ("dīco")
    QStringList varianten; // further spellings of the marked form ("ăb", "ābs" beside "ā")
    QString modell;
    QStringList radikal1, radikal2; // given radicals (alternatives), may be empty
    QString angaben;                // indications ("is, ere, dixi, dictum", "ae, f.")
    int frequenz = 0;
};

// Reads one lemma line; none for comments, blank lines and lines that do not
// have the six fields.
std::optional<TCollatinusLemma> CollatinusLemmaLesen(const QString &zeile);

// The spelling our entries are stored in: without quantity marks, j as i,
// ligatures spelled out; letter case kept.
QString OhneLaengen(const QString &text);

class TCollatinusModelle {
  public:
    TCollatinusModelle();
    ~TCollatinusModelle();
    TCollatinusModelle(TCollatinusModelle &&) noexcept;
    TCollatinusModelle &operator=(TCollatinusModelle &&) noexcept;

    // Parses the text of modeles.la. False (with a German reason) when a
    // model refers to an unknown parent or a line cannot be read.
    bool Lesen(const QString &text, QString &fehler);

    bool Hat(const QString &modell) const;
    QStringList Namen() const; // in file order
    // Part of speech letter of the model (n, a, p, v, d, m), or 0 for the invariable ones.
    QChar Wortart(const QString &modell) const;

    // Every form of the lemma with its quantities, by morphology number
    // (1..416 as the model file counts); alternatives in order.
    std::map<int, QStringList> Formen(const TCollatinusLemma &lemma) const;

  private:
    struct TModell;
    std::vector<std::unique_ptr<TModell>> m_modelle;
    QHash<QString, TModell *> m_nachName;
};

// Our form identifier for a morphology number of a word of the given class
// (0 if we have no such form, e.g. the vocative). `genus` is the noun's
// gender value, `deponens` maps the passive forms onto active identifiers.
int32_t FormIdAusMorphologie(int morpho, int32_t wortart, int32_t genus, bool deponens);

// How one model maps onto our classes.
struct TModellAbbildung {
    int32_t wortart = WA_UNBESTIMMT;
    int32_t konjDekl = KD_KEINE;
    int32_t flags = 0;
    bool abgebildet = false; // false: kept as "Unbestimmt" with its forms as special forms
};
TModellAbbildung ModellAbbilden(const QString &modell, QChar pos);

// One lexicon lemma as an entry: principal parts, classes, flags and the
// special forms where our generator differs from the model's forms. The
// marked principal parts go to `laengen`, with the vowel lengths a school
// book marks (Schullaengen) rather than Collatinus' syllable quantities.
struct TLexikonEintrag {
    TVokabel vokabel;    // without id and meanings
    QStringList laengen; // headword and principal parts with quantities, "" where absent
    TModellAbbildung abbildung;
    int sonderformenAusModell = 0; // special forms the comparison added
};
TLexikonEintrag LexikonEintragBilden(const TCollatinusLemma &lemma, const TCollatinusModelle &modelle);

// Irregular forms (irregs.la): "form[*]:lemma key:morphology list". The star
// marks a form that stands beside the regular one.
struct TCollatinusIrregulaer {
    QString form; // with quantities
    QString schluessel;
    std::vector<int> morphologien;
    bool zusaetzlich = false;
};
std::optional<TCollatinusIrregulaer> CollatinusIrregulaerLesen(const QString &zeile);

} // namespace lexovita
