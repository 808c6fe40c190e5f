#include "store/import.h"

#include "store/lektionsspeicher.h"
#include "store/vokabelspeicher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <string>

namespace lexovita {

namespace {

// Line of the n-th (0-based) VOK element of the document. The model reader
// keeps no positions, and the line is needed only for an error.
int VokZeile(const QByteArray &inhalt, int n)
{
    QXmlStreamReader r(inhalt);
    int gezaehlt = 0;
    while (!r.atEnd()) {
        if (r.readNext() == QXmlStreamReader::StartElement && r.name() == QLatin1String("VOK")) {
            if (gezaehlt == n)
                return static_cast<int>(r.lineNumber());
            ++gezaehlt;
        }
    }
    return 0;
}

// Texts of a file may carry blanks a hand editor left; the store keeps
// trimmed texts like the vocabulary editor does.
void Bereinigen(TVokabel &e)
{
    e.vokabel = e.vokabel.trimmed();
    e.form1 = e.form1.trimmed();
    e.form2 = e.form2.trimmed();
    e.form3 = e.form3.trimmed();
    for (auto &b : e.bedeutungen) {
        b->bedeutung = b->bedeutung.trimmed();
        b->kommentar = b->kommentar.trimmed();
    }
    std::erase_if(e.bedeutungen, [](const auto &b) { return b->bedeutung.isEmpty(); });
    std::vector<std::unique_ptr<TMerkhilfe>> hilfen;
    hilfen.swap(e.merkhilfen);
    for (const auto &m : hilfen)
        e.MerkhilfeHinzufuegen(m->merkhilfe, m->sprache);
    for (auto &f : e.sonderformen)
        f->text = f->text.trimmed();
}

// A large import touches more pages than the default page cache holds;
// every page that falls out must be decrypted again on the next touch.
// The cache grows for the import and shrinks back afterwards.
class TGrosserSeitenpuffer {
  public:
    explicit TGrosserSeitenpuffer(TVerbindung &v) : m_v(v)
    {
        TAnweisung a = m_v.Anweisung("PRAGMA cache_size");
        m_alt = a.Schritt() ? a.Int64(0) : -2000;
        m_v.Ausfuehren("PRAGMA cache_size = -65536"); // 64 MiB
    }
    ~TGrosserSeitenpuffer()
    {
        try {
            m_v.Ausfuehren(("PRAGMA cache_size = " + std::to_string(m_alt)).c_str());
        } catch (...) {
            // A destructor must not throw; a larger cache does no harm.
        }
    }
    TGrosserSeitenpuffer(const TGrosserSeitenpuffer &) = delete;
    TGrosserSeitenpuffer &operator=(const TGrosserSeitenpuffer &) = delete;

  private:
    TVerbindung &m_v;
    int64_t m_alt = -2000;
};

bool SonderformVorhanden(const TVokabel &e, const TLatForm &f)
{
    for (const auto &s : e.sonderformen)
        if (s->formId == f.formId && s->text == f.text)
            return true;
    return false;
}

} // namespace

int32_t TImport::VorhandeneSuchen(const TVokabel &e)
{
    TAnweisung a = m_daten.Verbindung().Anweisung(
        "SELECT id FROM vokabel WHERE vokabel = ?1 AND wortart = ?2 AND konjdekl = ?3 AND form1 = ?4 "
        "AND form2 = ?5 AND form3 = ?6 ORDER BY id LIMIT 1");
    a.Binden(1, e.vokabel)
        .Binden(2, WortartBuchstabe(e.Wortart()))
        .Binden(3, KonjDeklBuchstabe(e.KonjDekl()))
        .Binden(4, e.form1)
        .Binden(5, e.form2)
        .Binden(6, e.form3);
    return a.Schritt() ? a.Int(0) : 0;
}

void TImport::Ergaenzen(int32_t id, const TVokabel &e)
{
    std::unique_ptr<TVokabel> gespeichert = m_daten.VokabelLaden(id);
    m_daten.SonderformenLaden(*gespeichert);

    // Only what is missing is written, through the same writers the editor
    // uses; `neu` carries just the additions.
    TVokabel neu;
    for (const auto &b : e.bedeutungen) {
        if (gespeichert->BedeutungSuchen(b->bedeutung))
            continue;
        gespeichert->BedeutungAnhaengen(b->bedeutung, b->kommentar, b->gruppe);
        const TBedeutung &dazu = *gespeichert->bedeutungen.back();
        auto kopie = std::make_unique<TBedeutung>(dazu);
        neu.bedeutungen.push_back(std::move(kopie));
    }
    for (const auto &m : e.merkhilfen) {
        if (gespeichert->MerkhilfeVorhanden(m->merkhilfe, m->sprache))
            continue;
        gespeichert->MerkhilfeHinzufuegen(m->merkhilfe, m->sprache);
        auto kopie = std::make_unique<TMerkhilfe>();
        kopie->merkhilfe = m->merkhilfe;
        kopie->sprache = m->sprache;
        neu.merkhilfen.push_back(std::move(kopie));
    }
    for (const auto &f : e.sonderformen) {
        if (SonderformVorhanden(*gespeichert, *f))
            continue;
        gespeichert->sonderformen.push_back(std::make_unique<TLatForm>(id, f->text, f->formId));
        neu.sonderformen.push_back(std::make_unique<TLatForm>(id, f->text, f->formId));
    }
    if (neu.bedeutungen.empty() && neu.merkhilfen.empty() && neu.sonderformen.empty())
        return;

    TVokabelSpeicher speicher(m_daten);
    speicher.BedeutungenSchreiben(neu, id);
    speicher.MerkhilfenSchreiben(neu, id);
    speicher.SonderformenSchreiben(neu, id);
    TAnweisung a = m_daten.Verbindung().Anweisung("UPDATE vokabel SET aktualisierung = ?1 WHERE id = ?2");
    a.Binden(1, m_daten.DatumJetzt()).Binden(2, id);
    a.Ausfuehren();
}

void TImport::Anlegen(TVokabel &e)
{
    // Not through VokabelAnlegen: that one looks for namesakes and opens a
    // savepoint per entry, whose page journal costs more than the rest of a
    // large import together. The whole file runs in one transaction anyway.
    TVokabelSpeicher(m_daten).ZeileAnlegen(e);
}

TImportErgebnis TImport::DateiImportieren(const QString &datei)
{
    return Importieren(LektionsdateiInhalt(datei), QFileInfo(datei).completeBaseName());
}

TImportErgebnis TImport::Importieren(const QByteArray &inhalt, const QString &ersatzLehrbuch)
{
    // The whole file is read and checked before anything is written.
    std::vector<TLehrbuchInhalt> buecher = LektionsdateiLesen(inhalt);
    {
        int n = 0;
        for (auto &buch : buecher)
            for (auto &l : buch.lektionen)
                for (auto &e : l->vokabeln) {
                    Bereinigen(*e);
                    if (e->vokabel.isEmpty())
                        throw TLektionsdateiFehler(VokZeile(inhalt, n),
                                                   QStringLiteral("Die Vokabel hat kein Stichwort (<NAME>)."));
                    ++n;
                }
    }

    return LehrbuecherImportieren(buecher, ersatzLehrbuch);
}

void TImport::VerweiseErgaenzen(const TVokabel &e)
{
    if (e.Verweise().isEmpty() || e.id <= 0)
        return;
    TVokabel gespeichert;
    gespeichert.id = e.id;
    m_daten.VerweiseLaden(gespeichert);
    TVokabel neu;
    for (const QString &w : e.Verweise())
        if (!gespeichert.Verweise().contains(w, Qt::CaseInsensitive) && w.compare(e.vokabel, Qt::CaseInsensitive) != 0)
            neu.VerweisHinzufuegen(w);
    if (neu.Verweise().isEmpty())
        return;
    TVokabelSpeicher(m_daten).VerweiseSchreiben(neu, e.id);
}

TImportErgebnis TImport::LehrbuecherImportieren(std::vector<TLehrbuchInhalt> &buecher, const QString &ersatzLehrbuch)
{
    TImportStand stand;
    for (const auto &buch : buecher)
        stand.lektionenGesamt += static_cast<int>(buch.lektionen.size());

    TImportErgebnis ergebnis;
    TLektionsSpeicher lektionen(m_daten);
    m_daten.VokabelLaden(0); // refuses a database that still needs its upgrade

    TGrosserSeitenpuffer puffer(m_daten.Verbindung());
    TTransaktion t(m_daten.Verbindung());
    for (auto &buch : buecher) {
        const QString buchName = buch.ohneLehrbuch ? ersatzLehrbuch : buch.name;
        int32_t buchId = lektionen.LehrbuchSuchen(buchName);
        if (buchId == 0) {
            buchId = lektionen.LehrbuchAnlegen(buchName);
            ++ergebnis.lehrbuecherAngelegt;
        }
        for (auto &lektion : buch.lektionen) {
            ++stand.lektion;
            stand.lektionName = lektion->name;
            stand.vokabelnInLektion = lektion->Anzahl();
            stand.vokabel = 0;
            if (m_fortschritt)
                m_fortschritt(stand);
            for (auto &e : lektion->vokabeln) {
                if (Abbrechen()) {
                    ergebnis.abgebrochen = true;
                    return ergebnis; // the transaction guard rolls everything back
                }
                const int32_t id = VorhandeneSuchen(*e);
                if (id > 0) {
                    Ergaenzen(id, *e);
                    e->id = id;
                    ++ergebnis.vokabelnGefunden;
                } else {
                    Anlegen(*e);
                    ++ergebnis.vokabelnAngelegt;
                }
                ++stand.vokabel;
                if (m_fortschritt)
                    m_fortschritt(stand);
            }
            lektion->id = 0;
            lektion->lehrbuch_id = buchId;
            lektion->lehrbuch = buchName;
            lektion->name = lektionen.FreierLektionsname(buchId, lektion->name);
            if (!lektionen.LektionSpeichern(*lektion))
                throw DatenbankFehler(
                    QStringLiteral("Die Lektion \"%1\" konnte nicht gespeichert werden.").arg(lektion->name));
            ++ergebnis.lektionenAngelegt;
        }
    }
    for (auto &buch : buecher)
        for (auto &lektion : buch.lektionen)
            for (auto &e : lektion->vokabeln)
                VerweiseErgaenzen(*e);
    if (Abbrechen()) {
        ergebnis.abgebrochen = true;
        return ergebnis;
    }
    t.Bestaetigen();
    return ergebnis;
}

TImportErgebnis OrdnerImportieren(TDatenmanager &daten, const QString &ordner,
                                  const std::function<void(int datei, int dateien)> &fortschritt)
{
    return OrdnerImportieren(daten, QStringList{ordner}, fortschritt);
}

TImportErgebnis OrdnerImportieren(TDatenmanager &daten, const QStringList &ordner,
                                  const std::function<void(int datei, int dateien)> &fortschritt)
{
    // All files are listed first, so a folder without lesson files stops the
    // import before anything is written.
    QStringList dateien;
    for (const QString &o : ordner) {
        const QStringList namen =
            QDir(o).entryList({QStringLiteral("*.xml")}, QDir::Files | QDir::Readable, QDir::Name);
        if (namen.isEmpty())
            throw TLektionsdateiFehler(0, QStringLiteral("Im Ordner \"%1\" liegen keine Lektionsdateien.").arg(o));
        for (const QString &name : namen)
            dateien << QDir(o).filePath(name);
    }
    daten.VokabelLaden(0);
    TImportErgebnis gesamt;
    TTransaktion t(daten.Verbindung());
    TImport import(daten);
    for (qsizetype i = 0; i < dateien.size(); ++i) {
        if (fortschritt)
            fortschritt(int(i), int(dateien.size()));
        try {
            gesamt += import.DateiImportieren(dateien[i]);
        } catch (const TLektionsdateiFehler &f) {
            throw TLektionsdateiFehler(0, QStringLiteral("%1: %2").arg(QFileInfo(dateien[i]).fileName(), f.Meldung()));
        }
    }
    t.Bestaetigen();
    return gesamt;
}

} // namespace lexovita
