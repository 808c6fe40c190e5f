#pragma once

#include "model/latform.h"
#include "model/vokabel.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

class QDomElement;

namespace lexovita {

// Text-analysis state of a lesson.
enum TextStatus : int32_t {
    TS_ANALYSIERT = 1,
    TS_EINGABE = 2,
    TS_LAEUFT = 3,
};

// Columns of the lesson's entry list; sorting by "Nr" does nothing.
enum class TSpalte {
    Nr,
    Vokabel,
    Formen,
    Bedeutungen,
    Wortart,
    KonjDekl,
};

// One sentence of an analysed lesson text: [anfang, ende) in the text as one
// string, with the analysis results of its words.
struct TContext {
    int32_t satz = 0;
    int32_t anfang = 0;
    int32_t ende = 0;
    std::vector<std::unique_ptr<TLatForm>> formen;
};

// What an open lesson shows beside its stored data: the state of the text
// analysis and what was clicked in the analysed text. Never stored.
struct TLektionsAnsicht {
    int32_t textstatus = TS_EINGABE;
    std::vector<std::unique_ptr<TContext>> saetze;
    int32_t geklickterSatz = 0;
    QString geklicktesWort;

    void SaetzeLeeren() { saetze.clear(); }
};

// A lesson: a named, ordered list of entries, its Latin text and notes.
// Storing needs only the public fields; the lesson knows nothing of tables.
class TLektion {
  public:
    int32_t id = 0; // 0 while never stored
    QString name;
    int32_t lehrbuch_id = 0; // 0 = no textbook yet
    QString lehrbuch;
    QStringList notizen;
    QStringList text;
    std::vector<std::unique_ptr<TVokabel>> vokabeln; // lesson order; an entry may repeat
    QDate erstellt, zugriff;
    bool geaendert = false;

    TLektion() = default;
    TLektion(const TLektion &) = delete;
    TLektion &operator=(const TLektion &) = delete;

    static const QStringList &Wortgrenzen(); // sorted
    static const QStringList &Satzgrenzen(); // sorted
    static bool IstWortgrenze(QChar c);
    static bool IstSatzgrenze(QChar c);

    // Takes ownership; does not mark the lesson modified (reading a stored
    // lesson appends too). Commands mark it themselves.
    TVokabel *VokabelAnhaengen(std::unique_ptr<TVokabel> vokabel);
    int Anzahl() const { return static_cast<int>(vokabeln.size()); }

    // The text as one string: every line followed by CR LF. Offsets of the
    // text analysis refer to this string.
    QString TextAlsString() const;
    // Inverse of TextAlsString; also accepts lone LF or CR as line ends.
    void TextAusString(const QString &ganzerText);

    // The word at offset p: trimmed, lower-cased (A-Z only); empty on a
    // delimiter that follows a delimiter.
    static QString WortAn(const QString &ganzerText, int p);
    QString WortAn(int p) const { return WortAn(TextAlsString(), p); }

    // End (exclusive) of the sentence starting at p in the given string;
    // length + 1 when no sentence delimiter follows.
    static int SatzEnde(const QString &ganzerText, int p);
    // Trims the lesson text first (stored back), then searches in it. Callers
    // that walk the text should call TextBereinigen before taking offsets, as
    // the first trim can shift them.
    int SatzEnde(int p);
    void TextBereinigen();

    // Tab caption: the name, with " *" while modified.
    QString TabText() const;
    // Question asked before a modified lesson is closed.
    QString SpeichernFrage() const;
    void AlsGeaendertMarkieren() { geaendert = true; }

    // Entry-list changes. They never mark the lesson: the lesson session
    // does, for every change of entries or order, in one place.
    int VokabelnEntfernen(QList<int> zeilen); // returns the number removed
    bool VokabelVerschieben(int von, int nach);
    // The rows in the order a column sorts them (stable, case-insensitive);
    // "Nr" keeps the order.
    QList<int> Sortierreihenfolge(TSpalte spalte) const;
    void VokabelnSortieren(TSpalte spalte);
    // Overwrites every entry with the edited entry's id (never id 0).
    int VokabelErsetzen(const TVokabel &bearbeitet);

    // The lesson's textbook was deleted: it must be saved to a new place.
    void LehrbuchLoesen();
};

// The open lessons, in the order they were opened (which is their tab
// order), each with its view state, and the current one.
class TLektionManager {
  public:
    TLektionManager() = default;
    TLektionManager(const TLektionManager &) = delete;
    TLektionManager &operator=(const TLektionManager &) = delete;

    // A new empty lesson "unbenannt-<count>" on the last tab, made current,
    // created and accessed on `heute`.
    TLektion *NeueLektion(const QDate &heute = QDate::currentDate());
    // Adds an opened (stored) lesson on the last tab and makes it current.
    TLektion *LektionHinzufuegen(std::unique_ptr<TLektion> lektion);
    // Removes and frees the lesson (asking about saving is the window's job)
    // and returns the new current lesson; closing the last opens a new one.
    TLektion *LektionSchliessen(TLektion *lektion);

    TLektion *Aktuell() const { return m_aktuell; }
    void SetAktuell(TLektion *lektion);
    // Makes the lesson on the given tab current; nullptr if there is none.
    TLektion *TabWaehlen(int tab);

    int Anzahl() const { return static_cast<int>(m_lektionen.size()); }
    TLektion *Lektion(int i) const;
    // The lesson's position, which is also its tab; -1 if it is not open.
    int Index(const TLektion *lektion) const;
    int Tab(const TLektion *lektion) const { return Index(lektion); }
    // The view state of an open lesson (the lesson must be open).
    TLektionsAnsicht &Ansicht(const TLektion *lektion);
    // Modified lessons in the order they were opened, for the close question.
    std::vector<TLektion *> GeaenderteLektionen() const;
    // The edited entry replaces its copies in every open lesson.
    int VokabelUeberallErsetzen(const TVokabel &bearbeitet);
    // Detaches the open lessons of a deleted textbook.
    void LehrbuchGeloescht(int32_t lehrbuchId);

    // Writes one LEKTION element below the parent (see lektionsdatei.h).
    static void LektionSchreiben(const TLektion &lektion, QDomElement &parent);

  private:
    struct Offen {
        std::unique_ptr<TLektion> lektion;
        std::unique_ptr<TLektionsAnsicht> ansicht;
    };
    std::vector<Offen> m_lektionen;
    TLektion *m_aktuell = nullptr;
};

} // namespace lexovita
