#pragma once

#include "learning/antwort.h"
#include "model/config.h"
#include "model/lektion.h"
#include "model/uhr.h"
#include "model/vokabel.h"
#include "morph/analysequelle.h"
#include "morph/formenmanager.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace lexovita {

// The forms drills: "Formen bilden" names a form of an entry and the pupil
// types it; "Formen bestimmen" shows a form and the pupil picks its form
// identifier. Questions are drawn at random, without end, from the lesson's
// entries and the identifiers the settings allow for their word class.
class TFormenTest {
  public:
    enum Modus : int32_t { Bilden = 1, Bestimmen = 2 };

    // The allowed identifiers are read from the config once, here. The
    // analysis source is needed by "Formen bestimmen" only. Lesson, config,
    // random source and analysis source must outlive the engine.
    TFormenTest(const TLektion &lektion, const TConfig &config, IZufall &zufall, IAnalysequelle *quelle = nullptr);
    TFormenTest(const TFormenTest &) = delete;
    TFormenTest &operator=(const TFormenTest &) = delete;

    void SetModus(Modus modus) { m_modus = modus; }
    Modus GetModus() const { return m_modus; }

    // The identifiers asked for an entry of that word class: the setting's
    // list, or the single identifier 0 for a class without one; with
    // NurGrundformen only those of the list a beginner meets first.
    const std::vector<int32_t> &ErlaubteFormen(int32_t wortart) const;

    // A beginner's choice of the allowed forms: of the verb the indicative
    // active of present, imperfect, future and perfect, the present
    // imperative and infinitive; of the adjective the positive; every case of
    // nouns and pronouns. Off by default.
    void SetNurGrundformen(bool an);
    bool NurGrundformen() const { return m_nurGrundformen; }
    static bool IstGrundform(int32_t wortart, int32_t formId);

    // Whether any entry of the lesson has a form under an allowed identifier.
    bool FormenVorhanden();
    // Draws the next question; false (and no question) when FormenVorhanden is.
    bool NaechsteForm();
    // Checks `antwort` or `antwortFormId` by the mode and counts the verdict.
    bool Pruefen();

    int Abgefragt() const { return richtige + falsche; }
    // Rounded; the two add up to 100 once something was answered.
    int ProzentRichtig() const { return ProzenteRunden(richtige, falsche).richtig; }
    int ProzentFalsch() const { return ProzenteRunden(richtige, falsche).falsch; }

    // Forms manager of generation and analysis; the application may give it
    // a source of stored special forms.
    TFormenmanager &Formenmanager() { return m_formen; }

    // The question.
    const TVokabel *aktuelleVokabel = nullptr;
    int32_t formId = 0;
    QString formText;
    QStringList formVarianten; // further endings of the asked form (amare beside amaris), also right
    QString formBezeichnung;
    // The same texts with their vowel lengths, for the solution and for
    // "Längen abfragen" (marked only as far as the entry's lengths are known).
    QString formTextLaengen;
    QStringList formVariantenLaengen;

    // The answer: typed ("Formen bilden", lowered and trimmed by the check) or
    // chosen ("Formen bestimmen", 0 for none).
    QString antwort;
    int32_t antwortFormId = 0;

    // "Formen bestimmen": the labels of every right answer of the last check.
    QStringList loesungen;
    // "Formen bilden": labels of the entry's other forms that a wrong answer
    // equals (the verdict stays wrong).
    QStringList eingegebeneFormen;
    // "Formen bilden" with "Längen abfragen": the note on an answer right but
    // for its lengths ("Länge: amāvī, nicht amavi"); empty otherwise.
    QString laengenHinweis;

    int32_t richtige = 0;
    int32_t falsche = 0;

  private:
    // The first generated form of the entry for the identifier, if any.
    bool FormErzeugen(const TVokabel &v, int32_t id);
    // formTextLaengen and formVariantenLaengen of the drawn form.
    void LaengenErzeugen(const TVokabel &v, int32_t id);
    bool PruefenBilden();
    bool PruefenBestimmen();

    const TLektion &m_lektion;
    IZufall &m_zufall;
    IAnalysequelle *m_quelle;
    Modus m_modus = Bilden;
    std::vector<int32_t> m_verbAlle, m_substantivAlle, m_adjektivAlle;
    std::vector<int32_t> m_verb, m_substantiv, m_adjektiv, m_keine;
    bool m_nurGrundformen = false;
    bool m_laengenAbfragen = false;
    std::optional<bool> m_vorhanden;
    TFormenmanager m_formen;
};

} // namespace lexovita
