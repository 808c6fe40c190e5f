#pragma once

#include <QString>
#include <cstdint>

namespace lexovita {

// One Latin form: the entry it belongs to, its text, its numeric identifier
// and German label. A plain record, owned by the list that holds it.
struct TLatForm {
    int32_t vokabelId = 0;
    QString text;
    int32_t formId = 0;
    QString bezeichnung;
    int32_t variante = 1;    // 1 regular form, 2 further form under an identifier already produced
    int32_t satz = 0;        // sentence number, set by the text analysis only
    int32_t wortanfang = 0;  // start offset in the lesson text, set by the text analysis only
    bool ausLexikon = false; // vokabelId names a lemma of the large lexicon, not an entry

    TLatForm() = default;
    TLatForm(int32_t vokId, QString txt, int32_t fid, QString bez = {}, int32_t var = 1)
        : vokabelId(vokId), text(std::move(txt)), formId(fid), bezeichnung(std::move(bez)), variante(var)
    {
    }

    // Copies everything but the text position, as the analysis expects.
    void KopierenNach(TLatForm &ziel) const
    {
        ziel.vokabelId = vokabelId;
        ziel.text = text;
        ziel.formId = formId;
        ziel.bezeichnung = bezeichnung;
        ziel.variante = variante;
        ziel.satz = satz;
        ziel.ausLexikon = ausLexikon;
    }
};

} // namespace lexovita
