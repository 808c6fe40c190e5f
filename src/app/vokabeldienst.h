#pragma once

#include "model/vokabel.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace lexovita {

class IRueckfrage;
class TAnwendungskern;
class TConfig;
class TDatenmanager;
class TLektionManager;

// What the vocabulary editor and the entry properties need of the database:
// loading an entry with everything that hangs on it, storing it (duplicate
// questions through IRueckfrage), deleting, the headword search of the
// cross-references, and the read-only entry page.
class TVokabeldienst {
  public:
    explicit TVokabeldienst(TAnwendungskern &kern);
    // Without open lessons (lektionen null) nothing is replaced after storing.
    TVokabeldienst(TDatenmanager &daten, IRueckfrage &rueckfrage, TLektionManager *lektionen,
                   const QString &vorlagenOrdner);

    // Why the input cannot be stored; the editor shows the message and
    // sends the user to the page that lacks it.
    enum class Pruefung { Ok, VokabelFehlt, BedeutungFehlt };
    static Pruefung EingabePruefen(const TVokabel &v);
    static QString PruefungsMeldung(Pruefung p);

    // The stored entry with meanings, memory aids, cross-references and
    // special forms; null when there is no entry with that id.
    std::unique_ptr<TVokabel> Laden(int32_t id);
    // A new entry with the typed headword, id 0; a headword that reads as
    // an infinitive makes it a verb with proposed principal parts.
    static std::unique_ptr<TVokabel> Neu(const QString &vokabel);
    // The editor's copy of a lesson entry: its cross-references read if the
    // lesson copy had none, its special forms always from the database.
    std::unique_ptr<TVokabel> ZumBearbeiten(const TVokabel &lektionsEintrag);

    // Stores the entry (a new row for id 0, else the update) and, once
    // stored, replaces its copies in every open lesson. A headword and word
    // class that another entry has is asked about: for a new entry "Ja"
    // replaces that one, "Nein" stores a second, "Abbrechen" nothing; for an
    // edited entry "Ja" takes the other's place in its lessons. False when
    // nothing was stored.
    bool Speichern(TVokabel &eintrag);
    // The texts of those two questions.
    static QString GleichlautendText(const QString &vokabel);
    static QString BelegtText(const QString &bisher, int32_t bisherWortart, const TVokabel &neu);
    // How many lesson copies the last Speichern replaced.
    int ErsetzteKopien() const { return m_ersetzt; }

    void Loeschen(int32_t id);

    // Headwords beginning with the text, for the cross-reference chooser.
    std::vector<std::unique_ptr<TVokabel>> Suchen(const QString &text);

    // The entry page of the stored entry, referring to the flag pictures in
    // the template folder and also kept in the page cache (SeiteImCacheAblegen);
    // empty for an unknown id.
    QString EigenschaftenHtml(int32_t id);

  private:
    TDatenmanager &m_daten;
    IRueckfrage &m_rueckfrage;
    TLektionManager *m_lektionen;
    QString m_vorlagen;
    const TConfig *m_config = nullptr; // how pages show lengths; without the core as stored
    int m_ersetzt = 0;
};

} // namespace lexovita
