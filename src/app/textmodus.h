#pragma once

#include "textmode/uebereinstimmung.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

namespace lexovita {

class TAnwendungskern;
class TAuftragslaeufer;
class TWortanalyse;
class TLektion;
class TTextanalyseAuftrag;
class TVokabel;
enum class TAuftragsausgang;

// One row of the word list beside the text: an entry the clicked or looked
// up word can belong to.
struct TWortkontextZeile {
    int32_t id = 0;
    QString vokabel; // empty when the entry no longer exists
    QString wortart;
    // A lemma of the large lexicon (id is its id there): shown with its key
    // forms and lengths, taken over as an entry when added to the lesson.
    bool ausLexikon = false;
};

// The lesson text with the vowel lengths its analysis decides ("Längen
// einblenden"): the text as TLektion::TextAlsString gives it, each marked
// word in place (a macron vowel is one character, so offsets stay), and
// the words left unmarked because their readings differ, with the readings.
struct TLaengenansicht {
    QString text;
    struct THinweis {
        int anfang = 0;
        int laenge = 0;
        QString text;
    };
    std::vector<THinweis> hinweise;
    int markiert = 0; // words shown with lengths
};

// The text mode of the open lessons: the entry and analysis states of each
// lesson, the background analysis, clicks on analysed words, agreement
// colouring and word look-ups. The main window paints what this returns.
class TTextmodus : public QObject {
    Q_OBJECT
  public:
    explicit TTextmodus(TAnwendungskern &kern, QObject *parent = nullptr);
    ~TTextmodus() override;

    // "Modus Textanalyse": back to entry mode when the current lesson is
    // not in it, else starts analysing its text. False when nothing started.
    bool Umschalten();
    void Abbrechen();
    bool Laeuft() const;
    // The state of the current lesson (TS_EINGABE, TS_LAEUFT, TS_ANALYSIERT).
    int Zustand() const;

    // A click on sentence `satz` at `offset` of the lesson text in analysis
    // mode: remembers sentence and word, returns the sentence colours, and
    // fills the word list with the entries of the word's stored results.
    std::vector<TFarbbereich> Klick(int satz, int offset);
    // The colouring of the clicked sentence for the entry chosen in the word list.
    std::vector<TFarbbereich> Uebereinstimmung(int32_t vokabelId, bool ausLexikon, const TKriterien &kriterien);
    // The colours of the last click again, e.g. after a lemma was taken over.
    std::vector<TFarbbereich> Klickfarben() const;
    // The sentence holding `offset`, 0 if none.
    int SatzAn(int offset) const;

    // Analyses the (trimmed, lower-cased) word against the whole database and
    // fills the word list with its entries in the order they were met, then
    // the lexicon lemmas the vocabulary does not hold.
    void Nachschlagen(const QString &wort);
    const std::vector<TWortkontextZeile> &Wortkontext() const { return m_wortkontext; }
    // Forgets the last look-up or click (another lesson is shown).
    void NachschlagenLeeren() { Leeren(); }
    // The looked-up word's results for the entry, e.g. for its tree.
    std::vector<TLatForm> ErgebnisseVon(int32_t vokabelId, bool ausLexikon = false) const;
    // The entry of a word-list row with its meanings (an empty one with the
    // id when it no longer exists); a lexicon lemma as an entry with its
    // lengths and German meanings, carrying the lemma's id.
    const TVokabel *Vokabel(int32_t id, bool ausLexikon = false) const;
    // Makes lexicon lemma `lemmaId` an entry of the vocabulary (an existing
    // entry of that headword and word class is offered instead) and lets
    // the analysed texts and the word list name the entry from now on.
    // The entry's id, 0 if the lemma does not exist.
    int32_t LexikonUebernehmen(int32_t lemmaId);
    // The current lesson's text with the lengths its analysis decides; an
    // empty text unless the lesson is analysed.
    TLaengenansicht Laengen();
    QString GeklicktesWort() const;

  signals:
    // The current lesson's state changed (started, ended, back to entry).
    void zustandGeaendert();
    void fortschritt(int prozent);

  private:
    void Beendet(TAuftragsausgang ausgang, const QString &fehler);
    const TVokabel *Laden(int32_t id, bool ausLexikon = false);
    void Leeren();
    bool MitLexikon();
    void Zeile(const TLatForm &f);

    TAnwendungskern &m_kern;
    std::unique_ptr<TAuftragslaeufer> m_laeufer;
    std::shared_ptr<TTextanalyseAuftrag> m_auftrag;
    TLektion *m_analysiert = nullptr; // the lesson whose text the job reads
    // Look-ups on the UI thread's connection, through the core's analysis
    // service; its own analysis keeps the looked-up entries.
    std::unique_ptr<TWortanalyse> m_analyse;
    std::vector<TWortkontextZeile> m_wortkontext;
    std::vector<std::unique_ptr<TVokabel>> m_vokabeln; // rows loaded for clicks
    std::vector<std::unique_ptr<TVokabel>> m_lemmata;  // lexicon rows, as entries with the lemma's id
    std::vector<TLatForm> m_ergebnisse;
};

} // namespace lexovita
