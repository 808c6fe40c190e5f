#include "app/textmodus.h"

#include "app/analysedienst.h"
#include "app/anwendungskern.h"
#include "app/auftrag.h"
#include "app/lektionssitzung.h"
#include "app/lexikonanalyse.h"
#include "app/lexikondienst.h"
#include "app/textanalyseauftrag.h"
#include "model/rueckfrage.h"
#include "morph/formenmanager.h"
#include "store/analysequelle.h"
#include "store/datenmanager.h"
#include "store/lexikon.h"
#include "textmode/laengenwahl.h"

#include <QHash>
#include <map>
#include <tuple>

namespace lexovita {

TTextmodus::TTextmodus(TAnwendungskern &kern, QObject *parent)
    : QObject(parent), m_kern(kern), m_laeufer(std::make_unique<TAuftragslaeufer>(kern.Daten())),
      m_analyse(kern.Analyse().Analyse())
{
    connect(m_laeufer.get(), &TAuftragslaeufer::gesamt, this, [this](int wert, int) { emit fortschritt(wert); });
    connect(m_laeufer.get(), &TAuftragslaeufer::beendet, this, &TTextmodus::Beendet);
}

TTextmodus::~TTextmodus() = default;

bool TTextmodus::Laeuft() const
{
    return m_laeufer->Laeuft();
}

int TTextmodus::Zustand() const
{
    TLektion *l = m_kern.Sitzung().Aktuell();
    return l ? m_kern.Sitzung().Ansicht(l).textstatus : TS_EINGABE;
}

bool TTextmodus::Umschalten()
{
    TLektionssitzung &s = m_kern.Sitzung();
    TLektion *l = s.Aktuell();
    if (!l || Laeuft())
        return false;
    TLektionsAnsicht &ansicht = s.Ansicht(l);
    if (ansicht.textstatus != TS_EINGABE) {
        ansicht.textstatus = TS_EINGABE;
        emit zustandGeaendert();
        return false;
    }
    l->TextBereinigen();
    m_auftrag = std::make_shared<TTextanalyseAuftrag>(l->TextAlsString());
    m_analysiert = l;
    ansicht.textstatus = TS_LAEUFT;
    ansicht.SaetzeLeeren();
    ansicht.geklickterSatz = 0;
    m_laeufer->Starten(m_auftrag);
    emit zustandGeaendert();
    return true;
}

void TTextmodus::Abbrechen()
{
    m_laeufer->Abbrechen();
}

void TTextmodus::Beendet(TAuftragsausgang ausgang, const QString &fehler)
{
    TLektionssitzung &s = m_kern.Sitzung();
    TLektion *l = m_analysiert;
    m_analysiert = nullptr;
    // The lesson may have been closed meanwhile; then nothing is kept.
    if (l && s.Lektionen().Index(l) >= 0) {
        TLektionsAnsicht &ansicht = s.Ansicht(l);
        TTextanalyse &t = m_auftrag->Ergebnis();
        ansicht.saetze = std::move(t.saetze);
        const bool fertig = ausgang == TAuftragsausgang::Erfolg && t.vollstaendig;
        ansicht.textstatus = fertig ? TS_ANALYSIERT : TS_EINGABE;
    }
    m_auftrag.reset();
    if (ausgang == TAuftragsausgang::Fehler)
        m_kern.Rueckfrage().Frage(ProgrammTitel(),
                                  QStringLiteral("Der Text konnte nicht analysiert werden.\n\n") + fehler, KN_OK,
                                  Antwort::Ok, Symbol::Fehler);
    emit zustandGeaendert();
}

int TTextmodus::SatzAn(int offset) const
{
    TLektion *l = m_kern.Sitzung().Aktuell();
    if (!l)
        return 0;
    for (const auto &s : m_kern.Sitzung().Ansicht(l).saetze)
        if (offset >= s->anfang && offset < s->ende)
            return s->satz;
    return 0;
}

void TTextmodus::Leeren()
{
    m_wortkontext.clear();
    m_ergebnisse.clear();
}

const TVokabel *TTextmodus::Laden(int32_t id, bool ausLexikon)
{
    auto &liste = ausLexikon ? m_lemmata : m_vokabeln;
    for (const auto &v : liste)
        if (v->id == id)
            return v.get();
    std::unique_ptr<TVokabel> v;
    if (ausLexikon) {
        // Built as a taken-over entry would be: lengths, German meanings.
        v = std::make_unique<TVokabel>();
        LexikonEintragBauen(m_kern.Daten(), id, *v);
        v->id = id;
    } else {
        // Loaded with its meanings; gone meanwhile, an empty row with its id.
        v = m_kern.Daten().VokabelLaden(id);
        if (v->vokabel.isEmpty())
            v->id = id;
    }
    liste.push_back(std::move(v));
    return liste.back().get();
}

const TVokabel *TTextmodus::Vokabel(int32_t id, bool ausLexikon) const
{
    for (const auto &v : ausLexikon ? m_lemmata : m_vokabeln)
        if (v->id == id)
            return v.get();
    return ausLexikon ? nullptr : m_analyse->Vokabel(id);
}

bool TTextmodus::MitLexikon()
{
    return LexikonStand(m_kern.Daten()).eintraege > 0;
}

void TTextmodus::Zeile(const TLatForm &f)
{
    for (const auto &z : m_wortkontext)
        if (z.id == f.vokabelId && z.ausLexikon == f.ausLexikon)
            return;
    const TVokabel *v = Laden(f.vokabelId, f.ausLexikon);
    if (f.ausLexikon) {
        m_wortkontext.push_back({f.vokabelId, TLexikonAnalyse::Schluesselformen(*v) + QStringLiteral(" (Lexikon)"),
                                 v->WortartText(), true});
        return;
    }
    m_wortkontext.push_back({f.vokabelId, v->vokabel, v->vokabel.isEmpty() ? QString() : v->WortartText()});
}

std::vector<TFarbbereich> TTextmodus::Klick(int satz, int offset)
{
    TLektion *l = m_kern.Sitzung().Aktuell();
    if (!l)
        return {};
    TLektionsAnsicht &ansicht = m_kern.Sitzung().Ansicht(l);
    ansicht.geklickterSatz = satz;
    const QString wort = TLektion::WortAn(l->TextAlsString(), offset);
    ansicht.geklicktesWort = wort;
    Leeren();
    for (const auto &s : ansicht.saetze) {
        if (s->satz != satz)
            continue;
        for (const auto &f : s->formen) {
            if (f->text.toLower() != wort)
                continue;
            m_ergebnisse.push_back(*f);
            Zeile(*f);
        }
    }
    return SatzFarben(ansicht.saetze, satz, wort);
}

std::vector<TFarbbereich> TTextmodus::Klickfarben() const
{
    TLektion *l = m_kern.Sitzung().Aktuell();
    if (!l)
        return {};
    const TLektionsAnsicht &ansicht = m_kern.Sitzung().Ansicht(l);
    return SatzFarben(ansicht.saetze, ansicht.geklickterSatz, ansicht.geklicktesWort);
}

std::vector<TFarbbereich> TTextmodus::Uebereinstimmung(int32_t vokabelId, bool ausLexikon, const TKriterien &kriterien)
{
    TLektion *l = m_kern.Sitzung().Aktuell();
    if (!l)
        return {};
    const TLektionsAnsicht &ansicht = m_kern.Sitzung().Ansicht(l);
    for (const auto &s : ansicht.saetze)
        if (s->satz == ansicht.geklickterSatz)
            return Uebereinstimmungsfarben(*s, ansicht.geklicktesWort, vokabelId, ausLexikon, kriterien);
    return {};
}

void TTextmodus::Nachschlagen(const QString &wort)
{
    Leeren();
    m_analyse->Formanalyse().Zuruecksetzen();
    const QString w = wort.trimmed();
    if (w.isEmpty())
        return;
    if (MitLexikon()) {
        // Both stores, the vocabulary first; the rows are loaded entries.
        TLexikonAnalyse lexikon(m_kern.Analyse());
        for (const TLexikonTreffer &t : lexikon.Analysieren(w)) {
            m_ergebnisse.push_back(t.form);
            m_ergebnisse.back().ausLexikon = t.ausLexikon;
            Zeile(m_ergebnisse.back());
        }
        return;
    }
    {
        TLesesitzung sitzung(m_kern.Analyse().Quelle());
        m_analyse->Analysieren(w);
    }
    m_ergebnisse = m_analyse->Ergebnisse();
    for (const auto &v : m_analyse->Formanalyse().Vokabelcache())
        m_wortkontext.push_back({v->id, v->vokabel, v->WortartText()});
}

int32_t TTextmodus::LexikonUebernehmen(int32_t lemmaId)
{
    const int32_t id = LexikonLemmaUebernehmen(m_kern.Daten(), lemmaId).vokabelId;
    if (id <= 0)
        return 0;
    // The lemma's forms are the entry's now: every analysed text and the
    // word list name the entry, as a fresh analysis would.
    auto umbenennen = [&](TLatForm &f) {
        if (f.ausLexikon && f.vokabelId == lemmaId) {
            f.ausLexikon = false;
            f.vokabelId = id;
        }
    };
    TLektionManager &lektionen = m_kern.Sitzung().Lektionen();
    for (int i = 0; i < lektionen.Anzahl(); ++i)
        for (const auto &satz : lektionen.Ansicht(lektionen.Lektion(i)).saetze)
            for (const auto &f : satz->formen)
                umbenennen(*f);
    for (TLatForm &f : m_ergebnisse)
        umbenennen(f);
    m_wortkontext.clear();
    for (const TLatForm &f : m_ergebnisse)
        Zeile(f);
    return id;
}

std::vector<TLatForm> TTextmodus::ErgebnisseVon(int32_t vokabelId, bool ausLexikon) const
{
    std::vector<TLatForm> aus;
    for (const TLatForm &f : m_ergebnisse)
        if (f.vokabelId == vokabelId && f.ausLexikon == ausLexikon)
            aus.push_back(f);
    return aus;
}

QString TTextmodus::GeklicktesWort() const
{
    TLektion *l = m_kern.Sitzung().Aktuell();
    return l ? m_kern.Sitzung().Ansicht(l).geklicktesWort : QString();
}

} // namespace lexovita

namespace lexovita {

namespace {

// The forms of the analysed entries with their lengths: each entry loaded
// once, each of its form identifiers generated once.
class TLaengenformen {
  public:
    explicit TLaengenformen(TDatenmanager &daten) : m_daten(daten) { m_manager.SetLaengen(true); }

    // The marked text of the reading: the entry's form of that identifier
    // that spells the word (an enclitic after it aside); empty if none.
    QString Markiert(const TLatForm &f)
    {
        const QString wort = Schlicht(f.text);
        // A reading text repeats its words: each reading is looked up once.
        const QString schluessel = QStringLiteral("%1/%2/%3/").arg(f.ausLexikon).arg(f.vokabelId).arg(f.formId) + wort;
        if (auto it = m_gesehen.constFind(schluessel); it != m_gesehen.cend())
            return *it;
        QString vorn, gefunden;
        for (const TForm &g : Formen(f.ausLexikon, f.vokabelId, f.formId)) {
            if (g.schlicht == wort) {
                gefunden = g.text;
                break;
            }
            if (vorn.isEmpty() && !g.schlicht.isEmpty() && wort.startsWith(g.schlicht))
                vorn = g.text;
        }
        if (gefunden.isEmpty())
            gefunden = vorn;
        m_gesehen.insert(schluessel, gefunden);
        return gefunden;
    }

  private:
    struct TForm {
        QString schlicht, text;
    };

    // Letters as the analysis compares them: no lengths or case, i for j, u for v.
    static QString Schlicht(const QString &text)
    {
        QString s = LaengenEntfernen(text).toLower();
        s.replace(QLatin1Char('j'), QLatin1Char('i'));
        s.replace(QLatin1Char('v'), QLatin1Char('u'));
        return s;
    }

    // The entry or lemma with its special forms; null if it is gone.
    const TVokabel *Eintrag(bool ausLexikon, int32_t id)
    {
        auto [es, neu] = m_eintraege.try_emplace({ausLexikon, id});
        if (!neu)
            return es->second.get();
        auto v = std::make_unique<TVokabel>();
        if (ausLexikon) {
            if (!LexikonEintragBauen(m_daten, id, *v))
                return nullptr;
        } else {
            v = m_daten.VokabelLaden(id);
            if (v->id != id)
                return nullptr;
            m_daten.SonderformenLaden(*v);
        }
        es->second = std::move(v);
        return es->second.get();
    }

    // The texts of one form identifier of the entry, in the generator's order.
    const std::vector<TForm> &Formen(bool ausLexikon, int32_t id, int32_t formId)
    {
        auto [es, neu] = m_formen.try_emplace({ausLexikon, id, formId});
        if (!neu)
            return es->second;
        const TVokabel *v = Eintrag(ausLexikon, id);
        if (!v || formId <= 0)
            return es->second;
        m_manager.Zuruecksetzen();
        m_manager.FormenErzeugen(*v, formId);
        for (const TLatForm &g : m_manager.Ergebnisliste())
            if (g.formId == formId)
                es->second.push_back({Schlicht(g.text), g.text});
        return es->second;
    }

    TDatenmanager &m_daten;
    TFormenmanager m_manager;
    std::map<std::pair<bool, int32_t>, std::unique_ptr<TVokabel>> m_eintraege;
    std::map<std::tuple<bool, int32_t, int32_t>, std::vector<TForm>> m_formen;
    QHash<QString, QString> m_gesehen;
};

} // namespace

TLaengenansicht TTextmodus::Laengen()
{
    TLaengenansicht ansicht;
    TLektion *l = m_kern.Sitzung().Aktuell();
    if (!l || Zustand() != TS_ANALYSIERT)
        return ansicht;
    const QString text = l->TextAlsString();
    ansicht.text = text;
    TLaengenformen formen(m_kern.Daten());
    for (const auto &s : m_kern.Sitzung().Ansicht(l).saetze) {
        // The results of one word follow each other, in the word's order.
        std::vector<TTextwort> woerter;
        for (const auto &f : s->formen) {
            if (woerter.empty() || woerter.back().anfang != f->wortanfang)
                woerter.push_back({f->wortanfang, text.mid(f->wortanfang, f->text.size()), {}});
            woerter.back().lesarten.push_back({f->formId, f->bezeichnung, formen.Markiert(*f)});
        }
        for (const TTextwort &w : woerter) {
            const TLaengenwahl wahl = LaengeWaehlen(w, woerter);
            if (!wahl.text.isEmpty() && wahl.text.size() == w.text.size()) {
                ansicht.text.replace(w.anfang, w.text.size(), wahl.text);
                ansicht.markiert += wahl.text != w.text;
            } else if (!wahl.hinweis.isEmpty()) {
                ansicht.hinweise.push_back({w.anfang, static_cast<int>(w.text.size()), wahl.hinweis});
            }
        }
    }
    return ansicht;
}

} // namespace lexovita
