#pragma once

#include "model/latform.h"
#include "model/vokabel.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace lexovita {

// What the word-form analysis reads from the database. Morph knows nothing
// of the store; the store implements this (one source per connection, so one
// per thread). Every prefix look-up is a range scan over the keys that begin
// with the prefix, ignoring ASCII letter case; the analysis compares exactly
// afterwards.
class IAnalysequelle {
  public:
    struct TStichwortZeile {
        int32_t vokabelId = 0;
        QString vokabel; // the headword as stored
    };
    struct TSonderformZeile {
        int32_t vokabelId = 0;
        int32_t formId = 0;
        QString form;
    };

    virtual ~IAnalysequelle() = default;

    // Called once before each analysis: a source that keeps copies of the
    // tables makes sure they still match the database.
    virtual void Auffrischen() {}

    // After Auffrischen: a number that stays the same as long as every answer
    // of the source stays the same, so that the analysis may give a word met
    // before the results it gave then. None from a source that cannot tell.
    virtual std::optional<uint64_t> Datenstand() const { return std::nullopt; }

    // The entry ids of the stem rows whose stem begins with `praefix`, one per
    // row, in stem index order.
    virtual void StaemmeMitPraefix(const QString &praefix, std::vector<int32_t> &ziel) = 0;

    // The same for the stem of a word of `wortLaenge` characters. The source
    // may leave out rows that the stem path skips anyway: rows without an
    // entry, and rows whose entry StammzeilePlausibel() (morph/stammfilter.h)
    // rules out.
    virtual void StaemmeFuerWort(const QString &praefix, qsizetype wortLaenge, std::vector<int32_t> &ziel)
    {
        (void)wortLaenge;
        StaemmeMitPraefix(praefix, ziel);
    }

    // The entry ids of the stem rows whose stem is a beginning of `wort` (of
    // one character or more, the whole word included), or such a beginning
    // followed by "v" (the perfect stem of a shortened form: mo-ram, mov-i):
    // shorter beginnings first, for each the stem itself before the one with
    // "v", equal stems in stem index order. Finds the entries whose ending is
    // longer than the one the stem path cut off.
    virtual void StaemmeAmWortanfang(const QString &wort, std::vector<int32_t> &ziel) = 0;

    // Entries whose lower-cased headword is a beginning of `wort` (the whole
    // word included), shorter headwords first: forms built on the headword
    // (essem, pulcherrimus) and entries without stems.
    virtual void StichwoerterAmWortanfang(const QString &wort, std::vector<TStichwortZeile> &ziel) = 0;

    // The entry row as VokabelAusDatensatz builds it (no meanings, aids or
    // special forms); null if there is no entry with that id. The entry
    // belongs to the source and stays valid until the next call of any of
    // its functions; callers that keep it copy it.
    virtual const TVokabel *Vokabelzeile(int32_t id) = 0;

    // Special-form rows whose lower-cased text begins with `praefix`, in form
    // index order (text, then storage order). With `nurGleiche` the source
    // may leave out rows whose lower-cased text is longer than the prefix:
    // the caller keeps only those equal to it anyway.
    virtual void SonderformenMitPraefix(const QString &praefix, bool nurGleiche,
                                        std::vector<TSonderformZeile> &ziel) = 0;

    // Special-form rows of one entry in storage order.
    virtual void SonderformenVon(int32_t vokabelId, std::vector<TSonderformZeile> &ziel) = 0;

    // Entries whose lower-cased headword begins with `praefix`, in headword
    // index order; `nurGleiche` as for the special forms.
    virtual void StichwoerterMitPraefix(const QString &praefix, bool nurGleiche,
                                        std::vector<TStichwortZeile> &ziel) = 0;

    // Loads the entry's meanings as the data manager does.
    virtual void BedeutungenLaden(TVokabel &vokabel) = 0;
};

} // namespace lexovita
