#pragma once

#include "model/latform.h"
#include "model/vokabel.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace lexovita {

class TAnwendungskern;
class TFormenmanager;
class TVokabeldienst;

// The entry the vocabulary editor works on, with the editor's rules: each
// page of the window calls one setter per change and shows what the draft
// then holds. The entry itself is the caller's copy; storing stays with
// TVokabeldienst.
class TVokabelEntwurf : public QObject {
    Q_OBJECT
  public:
    // The editor's pages in tab order; a complaint names the one to go to.
    enum class Seite { Vokabel, Bedeutungen, Attribute, Sonderformen, Merkhilfen, Verweise };
    // The part of the attribute page that belongs to the word class.
    enum class Attributseite { Verb, Substantiv, Adjektiv, Adverb, Pronomen, Keine };
    struct Mangel {
        Seite seite;
        QString meldung;
    };
    struct LexikonAngebot {
        int32_t id;
        QString text; // key forms – meanings
    };

    explicit TVokabelEntwurf(TVokabel &eintrag, QObject *parent = nullptr);
    ~TVokabelEntwurf() override;

    const TVokabel &Eintrag() const { return m_eintrag; }
    TVokabel &Eintrag() { return m_eintrag; }

    // ---- Headword and word class
    // The headword as typed: apostrophes break the quoting of the old data
    // files, so the double quote stands in for them.
    static QString VokabelEingabe(const QString &getippt);
    // Stores the trimmed headword; an adjective's declension follows it.
    void SetVokabel(const QString &text);
    // A verb gets the principal parts its headword tells.
    void SetWortart(int32_t wortart);
    Attributseite AttributSeite() const;
    // "„x“ ist bereits im Wörterbuch vorhanden (Verb)." when another entry of
    // the headword (lengths aside) is among `gefunden`, else empty.
    QString VorhandenHinweis(const std::vector<std::unique_ptr<TVokabel>> &gefunden) const;
    QString VorhandenHinweis(TVokabeldienst &dienst) const;
    // Lemmas of the lexicon for a new entry of at least two letters.
    std::vector<LexikonAngebot> Lexikonangebot(TAnwendungskern &kern) const;
    // Every part of the entry from the lemma; the entry keeps its id.
    bool AusLexikon(TAnwendungskern &kern, int32_t lemmaId);

    // ---- Attributes (each form trimmed)
    void SetVerbform(int index, const QString &text); // principal parts 0..2
    void SetKonjDekl(int32_t konjDekl);
    // Deponent and semi-deponent, singularis and pluralis tantum exclude
    // each other.
    void SetFlag(int32_t bit, bool an);
    bool PartizipFeldAktiv() const;
    // While typed the genitive is stored as it is; once left, one in -um
    // makes the noun a pluralis tantum.
    void SetGenitiv(const QString &text);
    void GenitivBestaetigen();
    void SetGenus(TGenus genus);
    // Masculine (or genitive), feminine, neuter: they settle the declension.
    void SetAdjektivform(int index, const QString &text);
    void SetKomparativ(const QString &text);
    void SetSuperlativ(const QString &text);
    // The stem of a noun or adjective, empty for other classes.
    QString Stamm() const;
    // Three key forms joined, or "–" when none can be made.
    QString Vorschau() const;

    // ---- Meanings (kept sorted by group and place)
    const std::vector<std::unique_ptr<TBedeutung>> &Bedeutungen() const { return m_eintrag.bedeutungen; }
    const TBedeutung *Bedeutung(const QString &text) const { return m_eintrag.BedeutungSuchen(text); }
    // The highest group a meaning may be given: one past the last used.
    int32_t NeueGruppe() const { return m_eintrag.MaxGruppe() + 1; }
    bool BedeutungHinzufuegbar(const QString &text) const;
    bool BedeutungAenderbar(const QString &gewaehlt, const QString &text) const;
    // Appends to the group; false for an empty or listed meaning.
    bool BedeutungHinzufuegen(const QString &text, const QString &kommentar, int32_t gruppe);
    // In its own group a meaning keeps its place; in another it goes first.
    bool BedeutungAktualisieren(const QString &alt, const QString &text, const QString &kommentar, int32_t gruppe);
    void BedeutungEntfernen(const QString &text);
    // First into a group, or to the group and place of another meaning.
    bool BedeutungInGruppe(const QString &text, int32_t gruppe);
    bool BedeutungAnStelleVon(const QString &text, const QString &ziel);

    // ---- Special forms
    // Only verbs, adjectives and adverbs have categories to choose from.
    bool HatKategorien() const;
    // Generated forms of one category, as rows to override.
    std::vector<TLatForm> SonderformZeilen(int32_t selektor, int hoechstens) const;
    QString SonderformName(int32_t formId) const;
    const TLatForm *Sonderform(int32_t formId) const;
    // Turns the special form on with `text` unless it is on already; its
    // text is returned.
    QString SonderformAn(int32_t formId, const QString &text);
    void SonderformAus(int32_t formId);
    void SetSonderformText(int32_t formId, const QString &text);

    // ---- Memory aids (in the order added)
    bool MerkhilfeHinzufuegbar(const QString &text, int32_t sprache) const;
    void MerkhilfeHinzufuegen(const QString &text, int32_t sprache);
    // The aid at `index` changed; one equal to another one merges into it.
    void MerkhilfeAendern(int index, const QString &text, int32_t sprache);
    void MerkhilfenEntfernen(QList<int> indizes);

    // ---- Cross-references (sorted, without duplicates)
    // Stored headwords for a reference of at least two letters.
    std::vector<std::unique_ptr<TVokabel>> VerweisKandidaten(TVokabeldienst &dienst, const QString &text) const;
    bool VerweisNeu(const QString &text) const;
    void VerweisHinzufuegen(const QString &text);
    void VerweisAendern(const QString &alt, const QString &neu);
    void VerweiseEntfernen(const QStringList &texte);

    // ---- OK
    // Rules of fields still being typed in, as if they were left.
    void Abschliessen();
    // The first reason the entry cannot be stored, with its page.
    std::optional<Mangel> Pruefen() const;

  signals:
    void vokabelGeaendert();
    // Word class, flags or genitive rule: the attribute page and the
    // special-form categories are shown anew.
    void attributeGeaendert();
    // A form or class: stem and preview follow.
    void formenGeaendert();
    // Everything, from the lexicon.
    void gefuellt();

  private:
    void AdjektivDeklinationErmitteln();
    void VerweiseSetzen(QStringList liste);

    TVokabel &m_eintrag;
    std::unique_ptr<TFormenmanager> m_formen;
};

} // namespace lexovita
