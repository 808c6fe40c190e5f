#pragma once

#include "model/config.h"
#include "model/lektion.h"
#include "model/uhr.h"
#include "model/vokabel.h"
#include "morph/formenmanager.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

namespace lexovita {

// Where a drill loads the entry it asks: the application layer reads the
// database (headword, forms, attributes, meanings, memory aids). Never null:
// an unknown id gives an empty entry with id 0.
class IVokabelQuelle {
  public:
    virtual ~IVokabelQuelle() = default;
    virtual std::unique_ptr<TVokabel> VokabelLaden(int32_t id) = 0;
};

// One entry's answers in a drill.
struct TVokStatistik {
    int32_t vokabelId = 0;
    int32_t richtig = 0;
    int32_t falsch = 0;
    int32_t Anzahl() const { return richtig + falsch; }
};

// A field the written drill asks besides the meaning (or headword): the
// answer field that takes it and its caption ("Partizip Perfekt Passiv").
// A noun's gender is answered in antwortForm2 with its letter.
struct TAbfragefeld {
    enum Art { Form1, Form2, Form3, Genus };
    Art art;
    QString bezeichnung;
    bool operator==(const TAbfragefeld &) const = default;
};

// The written vocabulary drill: the queue of entries still to ask, the
// check of the typed answers, the counts. Settings are read from the config
// at each use, so a change during the drill counts from the next question.
//
// Calling order per question: NaechsteVokabel, set the answer fields,
// Pruefen, IstRichtig.
class TVokabeltest {
  public:
    // The queue starts with the lesson's entries in lesson order. All four
    // references must outlive the engine.
    TVokabeltest(const TLektion &lektion, const TConfig &config, IVokabelQuelle &quelle, IZufall &zufall);
    TVokabeltest(const TVokabeltest &) = delete;
    TVokabeltest &operator=(const TVokabeltest &) = delete;

    // Clears answers and verdicts, draws the next entry (at random while
    // mixing) and loads it afresh. Does nothing more on an empty queue.
    void NaechsteVokabel();
    // Checks the answer fields against the current entry, counts, and updates
    // the queue. The answer fields keep what was typed.
    void Pruefen();
    bool IstRichtig() const { return bedeutungRichtig && form1Richtig && form2Richtig && form3Richtig; }

    int Verbleibend() const { return static_cast<int>(m_abfrageliste.size()); }
    int Abgefragt() const { return richtige + falsche; }
    // Rounded; the two add up to 100 once something was answered.
    int ProzentRichtig() const;
    int ProzentFalsch() const;

    // The record of that entry; a zeroed one is appended when there is none.
    TVokStatistik &StatistikFuer(int32_t id);
    // In order of first answer.
    const std::vector<TVokStatistik> &Statistiken() const { return m_statistiken; }

    // The comparison of two texts under the current case setting.
    bool AntwortVergleichen(const QString &a, const QString &b) const;

    // Whether `getippt` is still the beginning of an accepted answer to the
    // meaning (or, German to Latin, headword) of the current entry: the same
    // comparison as the verdict, so a finished right answer always fits.
    bool AntwortPasstNoch(const QString &getippt) const;

    const TVokabel *AktuelleVokabel() const { return m_aktuelleVokabel.get(); }
    const std::vector<int32_t> &Abfrageliste() const { return m_abfrageliste; }
    int AktuellerIndex() const { return m_aktuellerIndex; }

    // The fields asked for the current entry (or `v`) under the current
    // settings, in the order the window shows them; empty when principal
    // parts are not asked. The check judges exactly these fields.
    std::vector<TAbfragefeld> Abfragefelder() const;
    std::vector<TAbfragefeld> Abfragefelder(const TVokabel &v) const;

    // The form identifier of the noun case asked for an entry: the setting,
    // or its plural for an entry that has no singular.
    int32_t GefragterKasus(const TVokabel &v) const;

    // Forms manager of the noun check; the application may give it a source
    // of stored special forms.
    TFormenmanager &Formenmanager() { return m_formen; }

    // The answer fields, filled by the window. For a noun antwortForm1 is the
    // case form and antwortForm2 the gender letter ("m", "f", "n", "p").
    QString antwort;
    QString antwortForm1, antwortForm2, antwortForm3;

    // Verdicts of the last check.
    bool bedeutungRichtig = false;
    bool form1Richtig = false, form2Richtig = false, form3Richtig = false;

    // Labels of the other forms of the entry that a wrong noun case form
    // equals (the verdict stays wrong); empty otherwise.
    QStringList eingegebeneFormen;
    // With "Längen abfragen": one note per principal part that was right but
    // for its lengths ("Länge: amāvī, nicht amavi").
    QStringList laengenHinweise;

    int32_t richtige = 0;
    int32_t falsche = 0;

  private:
    void ListeFuellen();
    // The meaning or headword field as the check compares it.
    QString AntwortFeldNormalisiert(const QString &text) const;
    QStringList AntwortZiele(const TVokabel &v) const;
    // A principal part against the stored one; a participle (`partizip`)
    // counts in any gender, a compound perfect (`mitSum`) too. Where the
    // lengths are asked and known, a part right but for them is wrong and
    // gets its note.
    bool StammformGleich(const QString &getippt, const QString &ziel, bool partizip = false, bool mitSum = false);
    void FormenPruefen(const TVokabel &v);
    void EingegebeneFormSuchen(const TVokabel &v, const QString &eingabe);

    const TLektion &m_lektion;
    const TConfig &m_config;
    IVokabelQuelle &m_quelle;
    IZufall &m_zufall;
    std::vector<int32_t> m_abfrageliste;
    int m_aktuellerIndex = 0;
    std::unique_ptr<TVokabel> m_aktuelleVokabel;
    TFormenmanager m_formen;
    std::vector<TVokStatistik> m_statistiken;
};

} // namespace lexovita
