#include "app/textmodus.h"

#include "app/analysedienst.h"
#include "app/anwendungskern.h"
#include "app/auftrag.h"
#include "app/lektionssitzung.h"
#include "app/textanalyseauftrag.h"
#include "model/rueckfrage.h"
#include "store/datenmanager.h"

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

const TVokabel *TTextmodus::Laden(int32_t id)
{
    for (const auto &v : m_vokabeln)
        if (v->id == id)
            return v.get();
    // Loaded with its meanings; gone meanwhile, an empty row with its id.
    auto v = m_kern.Daten().VokabelLaden(id);
    if (v->vokabel.isEmpty())
        v->id = id;
    m_vokabeln.push_back(std::move(v));
    return m_vokabeln.back().get();
}

const TVokabel *TTextmodus::Vokabel(int32_t id) const
{
    for (const auto &v : m_vokabeln)
        if (v->id == id)
            return v.get();
    return m_analyse->Vokabel(id);
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
            bool bekannt = false;
            for (const auto &z : m_wortkontext)
                bekannt |= z.id == f->vokabelId;
            if (!bekannt) {
                const TVokabel *v = Laden(f->vokabelId);
                m_wortkontext.push_back(
                    {f->vokabelId, v->vokabel, v->vokabel.isEmpty() ? QString() : v->WortartText()});
            }
        }
    }
    return SatzFarben(ansicht.saetze, satz, wort);
}

std::vector<TFarbbereich> TTextmodus::Uebereinstimmung(int32_t vokabelId, const TKriterien &kriterien)
{
    TLektion *l = m_kern.Sitzung().Aktuell();
    if (!l)
        return {};
    const TLektionsAnsicht &ansicht = m_kern.Sitzung().Ansicht(l);
    for (const auto &s : ansicht.saetze)
        if (s->satz == ansicht.geklickterSatz)
            return Uebereinstimmungsfarben(*s, ansicht.geklicktesWort, vokabelId, kriterien);
    return {};
}

void TTextmodus::Nachschlagen(const QString &wort)
{
    Leeren();
    m_analyse->Formanalyse().Zuruecksetzen();
    const QString w = wort.trimmed();
    if (w.isEmpty())
        return;
    {
        TLesesitzung sitzung(m_kern.Analyse().Quelle());
        m_analyse->Analysieren(w);
    }
    m_ergebnisse = m_analyse->Ergebnisse();
    for (const auto &v : m_analyse->Formanalyse().Vokabelcache())
        m_wortkontext.push_back({v->id, v->vokabel, v->WortartText()});
}

std::vector<TLatForm> TTextmodus::ErgebnisseVon(int32_t vokabelId) const
{
    std::vector<TLatForm> aus;
    for (const TLatForm &f : m_ergebnisse)
        if (f.vokabelId == vokabelId)
            aus.push_back(f);
    return aus;
}

QString TTextmodus::GeklicktesWort() const
{
    TLektion *l = m_kern.Sitzung().Aktuell();
    return l ? m_kern.Sitzung().Ansicht(l).geklicktesWort : QString();
}

} // namespace lexovita
