#pragma once

#include "model/latform.h"
#include "model/vokabel.h"
#include "morph/laengen.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace lexovita {

// Where stored special forms come from. The database adapter implements it
// with one indexed query per entry; generation asks it only while
// SonderformenEinsetzen is set.
class ISonderformQuelle {
  public:
    virtual ~ISonderformQuelle() = default;
    // Appends the special forms stored for the entry (formId and text are
    // read; order matters only for duplicates: the first row wins).
    virtual void SonderformenLaden(int32_t vokabelId, std::vector<TLatForm> &ziel) = 0;
};

// Stems of one entry as the generators use them; P1, R1 and Q are the stems
// with their last character cut.
struct TStaemme {
    QString P, P1; // Praesensstamm
    QString R, R1; // Perfektstamm
    QString U, Q;  // Partizipstamm
    QString N;     // Nominalstamm
};

// Hash of a form's text with A-Z lower-cased (FNV-1a over the UTF-16 units),
// by which the analysis finds the forms that may equal a word; taken piece
// by piece so that a text need not be built to be hashed.
struct TFormhash {
    uint32_t wert = 2166136261u;
    void Zeichen(char16_t u)
    {
        if (u >= u'A' && u <= u'Z')
            u = char16_t(u + 32);
        wert ^= u;
        wert *= 16777619u;
    }
    void Dazu(QStringView s)
    {
        for (const QChar c : s)
            Zeichen(c.unicode());
    }
    // An ending as the tables write it: UTF-8 with length marks, which the
    // plain text does not carry, and '^' for a lengthened stem vowel.
    void Dazu(const char *s)
    {
        for (; *s; ++s) {
            const uchar b = uchar(*s);
            if (b < 0x80) {
                if (b != '^')
                    Zeichen(char16_t(b));
                continue;
            }
            const char16_t u = char16_t(((b & 0x1F) << 6) | (uchar(s[1]) & 0x3F));
            ++s;
            Zeichen(KurzVokal(QChar(u)).unicode());
        }
    }
};

// While set on the manager, generators append only the forms whose text has
// the hash `ziel`, and put the hash of every non-empty text into `hashes`:
// the analysis keeps only the forms equal to its word, and building the
// other texts would be wasted.
struct TVergleichsfilter {
    uint32_t ziel = 0;
    std::vector<uint32_t> *hashes = nullptr;
};

// Generates the forms of entries into an owned, ordered result list.
// One manager per window, engine or thread; it is not shared.
class TFormenmanager {
  public:
    TFormenmanager() = default;
    TFormenmanager(const TFormenmanager &) = delete;
    TFormenmanager &operator=(const TFormenmanager &) = delete;

    std::vector<TLatForm> &Ergebnisliste() { return m_ergebnisse; }
    // Positions in the list of second endings (amāre beside amāris) the
    // rules appended; a stored special form of the same identifier drops them.
    std::vector<size_t> &Endungsvarianten() { return m_endungsvarianten; }
    const std::vector<TLatForm> &Ergebnisliste() const { return m_ergebnisse; }

    // Empties the result list. Generators only append; callers reset first.
    void Zuruecksetzen();

    bool SonderformenEinsetzen() const { return m_sonderformenEinsetzen; }
    void SetSonderformenEinsetzen(bool an) { m_sonderformenEinsetzen = an; }

    // Off: forms labelled by their identifier alone get an empty label, for
    // callers that keep few of the forms and label those themselves.
    bool BezeichnungenSetzen() const { return m_bezeichnungenSetzen; }
    void SetBezeichnungenSetzen(bool an) { m_bezeichnungenSetzen = an; }

    // On: texts carry the vowel lengths (macrons); off (the default): the
    // plain texts that analysis, drills and search use.
    bool Laengen() const { return m_laengen; }
    void SetLaengen(bool an) { m_laengen = an; }

    // Not owned; null (the default) appends every form.
    const TVergleichsfilter *Vergleichsfilter() const { return m_filter; }
    void SetVergleichsfilter(const TVergleichsfilter *filter) { m_filter = filter; }

    // Not owned. Without a source the entry's own `sonderformen` are used.
    void SetSonderformQuelle(ISonderformQuelle *quelle) { m_quelle = quelle; }
    ISonderformQuelle *SonderformQuelle() const { return m_quelle; }

    // Appends the entry's forms that the selector asks for, then (while
    // SonderformenEinsetzen is set) overlays special forms on the whole list.
    void FormenErzeugen(const TVokabel &v, int32_t selektor);

    // Every form of the entry: FormenErzeugen for each selector of its
    // category tree, in tree order (the same records, overlay applied once).
    void AlleFormenErzeugen(const TVokabel &v);

    // Overlays stored special forms on every record of the list: a record
    // whose (formId, vokabelId) has a stored row takes its text.
    void SonderformenAnwenden(const TVokabel &v);

    // Stems of the entry, recomputed whenever the entry's fields changed.
    const TStaemme &Staemme(const TVokabel &v);

  private:
    std::vector<TLatForm> m_ergebnisse;
    std::vector<size_t> m_endungsvarianten;
    bool m_sonderformenEinsetzen = true;
    bool m_bezeichnungenSetzen = true;
    bool m_laengen = false;
    ISonderformQuelle *m_quelle = nullptr;
    const TVergleichsfilter *m_filter = nullptr;

    // Stem cache, keyed by the fields the stems depend on.
    struct StammSchluessel {
        int32_t attribute = -1;
        bool laengen = false;
        QString vokabel, form1, form2, form3;
    } m_stammSchluessel;
    TStaemme m_staemme;
    std::vector<TLatForm> m_geladen; // scratch list for the special-form source
    // The entry as the generators see it when marks must be added or taken
    // off: its fields cleaned of breves (lengths on) or of every mark (off).
    TVokabel m_schatten;
    const TVokabel &Erzeugungseintrag(const TVokabel &v);
};

} // namespace lexovita
