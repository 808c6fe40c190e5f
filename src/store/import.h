#pragma once

#include "store/schicht.h"

#include "model/lektionsdatei.h"
#include "model/zeilen.h"
#include "store/datenmanager.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>

namespace lexovita {

// Imports lesson files into the database. An entry of the file is matched
// to a stored entry with the same headword, word class, inflection class and
// principal parts; the stored entry then gets the file's meanings, memory
// aids and special forms it lacks. Any other entry is stored as a new one
// with its stems and word-index row, without asking about namesakes. Each
// lesson becomes a stored lesson of the textbook of the same name (created
// when missing); a lesson name already used in that textbook gets " (2)",
// " (3)", ... Lessons standing outside any textbook go to the textbook
// named by `ersatzLehrbuch`.
//
// A file is imported in one transaction: when it cannot be read (the
// TLektionsdateiFehler names the line), a database error occurs or the
// import is cancelled, nothing of it is kept.
//
// Made for a worker thread with its own TDatenmanager: the progress
// callback runs on the importing thread, the cancel flag is read between
// entries.
class TImport {
  public:
    using Fortschritt = std::function<void(const TImportStand &)>;

    explicit TImport(TDatenmanager &daten) : m_daten(daten) {}

    void SetFortschritt(Fortschritt f) { m_fortschritt = std::move(f); }
    void SetAbbruch(const std::atomic<bool> *abbruch) { m_abbruch = abbruch; }

    // Lessons outside a textbook go to a textbook named after the file.
    TImportErgebnis DateiImportieren(const QString &datei);
    TImportErgebnis Importieren(const QByteArray &inhalt,
                                const QString &ersatzLehrbuch = QStringLiteral("Importierte Lektionen"));
    // Textbooks read already (from a lesson file or a word list), in one
    // transaction. Cross-references are written once all entries exist, so
    // they may point to entries further down; one to a headword the
    // database does not hold is dropped.
    TImportErgebnis LehrbuecherImportieren(std::vector<TLehrbuchInhalt> &buecher, const QString &ersatzLehrbuch);

  private:
    bool Abbrechen() const { return m_abbruch && m_abbruch->load(std::memory_order_relaxed); }
    int32_t VorhandeneSuchen(const TVokabel &eintrag);
    void Ergaenzen(int32_t id, const TVokabel &eintrag);
    void Anlegen(TVokabel &eintrag);
    void VerweiseErgaenzen(const TVokabel &eintrag);

    TDatenmanager &m_daten;
    Fortschritt m_fortschritt;
    const std::atomic<bool> *m_abbruch = nullptr;
};

// Imports every *.xml file of a folder in name order, all of them in one
// transaction (the starter vocabulary is there completely or not at all).
// Errors name the file: TLektionsdateiFehler with line 0 and the file's
// name in front of the message.
// `fortschritt` (optional) is told before each file: its 0-based number and
// the number of files.
TImportErgebnis OrdnerImportieren(TDatenmanager &daten, const QString &ordner,
                                  const std::function<void(int datei, int dateien)> &fortschritt = {});
// The same over several folders, one after the other, still in one
// transaction; every folder must hold lesson files. Progress counts the
// files of all folders together.
TImportErgebnis OrdnerImportieren(TDatenmanager &daten, const QStringList &ordner,
                                  const std::function<void(int datei, int dateien)> &fortschritt = {});

} // namespace lexovita
