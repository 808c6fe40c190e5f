#pragma once

#include "store/schicht.h"

#include "model/lektion.h"
#include "model/zeilen.h"
#include "store/datenmanager.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace lexovita {

// Stored lessons and textbooks: the tables lehrbuch, lektion and lek_vok.
// Every writing operation runs in one transaction (a savepoint when the
// caller already holds one) and passes values only as bound parameters.
class TLektionsSpeicher {
  public:
    explicit TLektionsSpeicher(TDatenmanager &daten) : m_daten(daten) {}

    // Stores the lesson. A lesson with an id whose row exists gets its row
    // updated (entry count, last access, notes, text) and its entry list
    // replaced; otherwise a new row is inserted and its id becomes the
    // lesson's. lek_vok gets one row per stored entry with position 1, 2, ...
    // in lesson order; entries that were never stored (id 0) are left out.
    // Returns false without writing when the lesson has no name or its
    // textbook does not exist: the caller must ask for a place first.
    bool LektionSpeichern(TLektion &lektion);

    // "Save as" onto an existing stored lesson: the lesson takes the target's
    // id and is stored there under its own name and textbook. A target id 0
    // stores a new lesson.
    bool LektionUeberschreiben(TLektion &lektion, int32_t zielId);

    // A stored lesson with its entries in stored order (deleted entries are
    // skipped), its textbook, dates, notes and text; nullptr for an unknown id.
    std::unique_ptr<TLektion> LektionLesen(int32_t id);

    // Appends the entries of a stored lesson, in stored order, to an open
    // lesson and marks it modified. Returns the number appended.
    int LektionAnhaengen(int32_t id, TLektion &ziel);

    // Lists in table order.
    std::vector<TLehrbuchZeile> Lehrbuecher();
    std::vector<TLektionZeile> Lektionen(int32_t lehrbuchId);
    // Id of the first textbook with exactly this name, 0 if none.
    int32_t LehrbuchSuchen(const QString &name);
    // Id of the lesson of the textbook whose trimmed name equals the trimmed
    // name, 0 if none.
    int32_t LektionSuchen(int32_t lehrbuchId, const QString &name);
    // `name` itself if no lesson of the textbook is called so, else the first
    // free of "name (2)", "name (3)", ...
    QString FreierLektionsname(int32_t lehrbuchId, const QString &name);

    int32_t LehrbuchAnlegen(const QString &name);
    // Names are stored exactly as typed.
    void LehrbuchUmbenennen(int32_t id, const QString &name);
    // Deletes the textbook with its lessons and their entry lists (never
    // entries). Returns the deleted lesson ids so open copies can be detached.
    std::vector<int32_t> LehrbuchLoeschen(int32_t id);

    void LektionUmbenennen(int32_t id, const QString &name);
    void LektionVerschieben(int32_t lektionId, int32_t lehrbuchId);
    void LektionLoeschen(int32_t id);

    // The textbook as a lesson file (UTF-8), each lesson read as stored, the
    // entries with their special forms. The prolog comes from
    // <vorlagenOrdner>/import.dtd when it exists.
    QByteArray LehrbuchExportieren(int32_t lehrbuchId, const QString &vorlagenOrdner);

    // The textbook's lessons as stored, each entry with its special forms
    // and cross-references; `name` gets the textbook's name. Throws
    // DatenbankFehler for an unknown textbook.
    std::vector<std::unique_ptr<TLektion>> LehrbuchLesen(int32_t lehrbuchId, QString &name);
    // The textbook as a word list for spreadsheets (VokabeltabelleSchreiben).
    QByteArray LehrbuchAlsTabelle(int32_t lehrbuchId);

  private:
    void Pruefen();
    bool LehrbuchVorhanden(int32_t id);
    std::vector<int32_t> LektionsVokabelIds(int32_t lektionId);

    TDatenmanager &m_daten;
};

} // namespace lexovita
