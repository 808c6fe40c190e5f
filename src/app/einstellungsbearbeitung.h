#pragma once

#include "app/auftrag.h"
#include "model/config.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

namespace lexovita {

class TEinstellungsdienst;

// The number fields of the settings window.
enum class TZahlfeld : uint8_t {
    FalscheAnzahl, // vlsFalscheAnzahl, 1 to 99
    Umbruch,       // txtUmbruchZeichen, 0 to 99 (0 = right margin)
    Abstand,       // txtZeilenabstand, 10 to 99 pixels
};

// The values the field's up-down steps through.
struct TZahlbereich {
    int32_t minimum, maximum;
};
TZahlbereich ZahlfeldBereich(TZahlfeld feld);

// The value a field's text stands for: inside the range the number itself,
// otherwise the field's fallback (one for a number out of range, one for a
// text that is no number).
int32_t ZahlfeldWert(TZahlfeld feld, const QString &text);
// Stores that value into the field's setting.
void ZahlfeldSetzen(TConfig &config, TZahlfeld feld, const QString &text);
// The setting's current value, as the field shows it.
int32_t ZahlfeldLesen(const TConfig &config, TZahlfeld feld);

// The text editor's font size in points as stored: the font dialog may
// offer sizes the editor cannot use (huge, or pixel-sized fonts without a
// point size), which are brought into 6 to 48.
int32_t SchriftgroesseBegrenzt(int32_t punkte);

// The three form selections the forms drills may ask, as decimal text.
struct TFormenauswahl {
    QStringList verb, adjektiv, substantiv;
};

// Adds one found form to the selection of its entry's word class: a verb
// form with a person brings all seven persons of its tense and mood along;
// adjectives and nouns add the identifier itself; other word classes add
// nothing. No identifier is added twice.
void FormHinzufuegen(TFormenauswahl &auswahl, int32_t wortart, int32_t formId);

// The selection list a forms tree of that word class (WA_VERB, WA_ADJEKTIV,
// WA_SUBSTANTIV) edits.
QStringList &Formenliste(TConfig &config, int32_t wortart);
// Replaces that list with the checked identifiers, in tree order.
void FormenlisteSetzen(TConfig &config, int32_t wortart, const QList<int32_t> &angehakt);

// "Formen holen": analyses the lesson text word by word on the job's own
// connection and collects every form found into a fresh selection. A
// cancel stops after the current word; what was collected so far is kept.
class TFormenHolenAuftrag : public TAuftrag {
  public:
    // `text` is the lesson text as one string (TLektion::TextAlsString).
    explicit TFormenHolenAuftrag(QString text) : m_text(std::move(text)) {}
    void Ausfuehren(TAuftragsKontext &kontext) override;

    const TFormenauswahl &Ergebnis() const { return m_ergebnis; }

  private:
    QString m_text;
    TFormenauswahl m_ergebnis;
};

// One visit of the settings window: a working copy of the settings that
// "OK" takes over and saves, "Abbrechen" throws away together with every
// unsaved change by reloading the store, and a plain close takes over for
// the rest of the run without saving.
class TEinstellungsbearbeitung {
  public:
    // The service must outlive the editing.
    explicit TEinstellungsbearbeitung(TEinstellungsdienst &dienst);
    ~TEinstellungsbearbeitung();
    TEinstellungsbearbeitung(const TEinstellungsbearbeitung &) = delete;
    TEinstellungsbearbeitung &operator=(const TEinstellungsbearbeitung &) = delete;

    TConfig &Kopie() { return *m_kopie; }

    void Ok();        // throws TEinstellungsFehler when the store cannot be (or must not be) written
    void Abbrechen(); // throws TEinstellungsFehler naming values replaced by their defaults
    void Schliessen();

    // The collected forms replace all three selections of the copy.
    void FormenUebernehmen(const TFormenauswahl &auswahl);

  private:
    TEinstellungsdienst &m_dienst;
    std::unique_ptr<TConfig> m_kopie;
};

} // namespace lexovita
