#pragma once

#include "model/vokabel.h"
#include "morph/vokabelzeile.h"

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <vector>

namespace lexovita {

class TDatenmanager;

// "Vokabeln aus Liste einfügen...": each pasted line is matched against the
// large lexicon, else read by the word-list rules, and checked against the
// user's own entries, so that the pupil only decides what is left open.

enum class TListenstatus {
    Gefunden,   // one entry fits: from the lexicon, by the rules, or as edited
    Mehrdeutig, // several lexicon lemmas fit: the pupil chooses
    Unbekannt,  // neither lexicon nor rules give an entry: edit or leave out
    Vorhanden,  // the user has this entry already: it is reused
};
QString ListenstatusText(TListenstatus status);

// A lexicon lemma offered for an ambiguous line.
struct TListenkandidat {
    int32_t lexikonId = 0;
    QString text; // key forms and meanings: "populus, populi, f. – Pappel"
};

struct TListenposten {
    TListenzeile zeile;
    TListenstatus status = TListenstatus::Unbekannt;
    QString hinweis; // German: where the entry comes from, or why it is open
    std::vector<TListenkandidat> kandidaten;
    int gewaehlt = -1; // index into kandidaten
    // The entry to store; for an open line what the line gives, for the editor.
    TVokabel vokabel;
    int32_t vorhandenId = 0; // the user's entry that is reused
    bool aufnehmen = false;  // the pupil keeps the line ticked
    // An entry is settled: found, existing, or an ambiguous line once chosen.
    bool Bereit() const;
};

class TListeneinfuegung {
  public:
    explicit TListeneinfuegung(TDatenmanager &daten);

    // Whether the lexicon holds lemmas; without it only the rules answer.
    bool MitLexikon() const { return m_mitLexikon; }

    // Reads and matches the pasted text afresh.
    void Lesen(const QString &text);
    const std::vector<TListenposten> &Posten() const { return m_posten; }
    // Lines that held no Latin word (headings, numbers) and were left out.
    int Uebersprungen() const { return m_uebersprungen; }

    // The pupil chooses lemma `kandidat` of an ambiguous line.
    bool Waehlen(size_t posten, int kandidat);
    // The pupil edited the line's entry in the editor (not stored yet).
    void Bearbeitet(size_t posten, const TVokabel &v);
    void Aufnehmen(size_t posten, bool an);

    // Stores every ticked new entry in one transaction and returns the ids
    // of all ticked lines' entries (new and reused, each once) in list
    // order, for the lesson. Throws TFehler on a database error; then
    // nothing is stored.
    std::vector<int32_t> Einfuegen();

  private:
    void Abgleichen(TListenposten &p);
    bool AusLexikon(TListenposten &p, int32_t lexikonId);
    bool NachRegeln(TListenposten &p);
    // The user's entry with the entry's headword and word class; 0 if none.
    int32_t VorhandeneVokabel(const TVokabel &v);
    void AlsVorhanden(TListenposten &p, int32_t id);

    TDatenmanager &m_daten;
    bool m_mitLexikon = false;
    std::vector<TListenposten> m_posten;
    int m_uebersprungen = 0;
};

// The review table over the lines: the first column's tick keeps a settled
// line; edits go through the model so that the views follow.
class TListenModell : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Spalte { SpZeile, SpStatus, SpVokabel, SpBedeutungen, SpHinweis, SpAnzahl };
    // Candidate texts of an ambiguous line (QStringList), and the chosen index.
    static constexpr int KandidatenRolle = Qt::UserRole + 1;
    static constexpr int GewaehltRolle = Qt::UserRole + 2;

    explicit TListenModell(TListeneinfuegung &liste, QObject *parent = nullptr);

    void Lesen(const QString &text);
    bool Waehlen(int zeile, int kandidat);
    void Bearbeitet(int zeile, const TVokabel &v);
    // Ticked lines that will be stored or reused.
    int Bereit() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

  private:
    void ZeileGeaendert(int zeile);
    TListeneinfuegung &m_liste;
};

} // namespace lexovita
