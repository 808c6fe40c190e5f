#include "app/formendienst.h"

#include "app/analysedienst.h"
#include "app/anwendungskern.h"
#include "app/laengenanzeige.h"
#include "app/lexikonanalyse.h"
#include "app/lexikondienst.h"
#include "app/seitencache.h"
#include "model/config.h"
#include "render/html.h"
#include "render/seiten.h"
#include "store/analysequelle.h"
#include "store/datenmanager.h"
#include "store/lexikon.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

namespace lexovita {

TFormendienst::TFormendienst(TAnwendungskern &kern)
    : TFormendienst(kern.Daten(), kern.Config().VorlagenOrdner(), &kern.Analyse())
{
    m_rueckfrage = &kern.Rueckfrage();
    m_config = &kern.Config();
}

TFormendienst::TFormendienst(TDatenmanager &daten, const QString &vorlagenOrdner)
    : TFormendienst(daten, vorlagenOrdner, nullptr)
{
}

TFormendienst::TFormendienst(TDatenmanager &daten, const QString &vorlagenOrdner, TAnalysedienst *dienst)
    : m_daten(daten), m_vorlagen(vorlagenOrdner),
      m_eigenerDienst(dienst ? nullptr : std::make_unique<TAnalysedienst>(daten)),
      m_dienst(dienst ? dienst : m_eigenerDienst.get()), m_analyse(m_dienst->Analyse())
{
}

TFormendienst::~TFormendienst() = default;

std::unique_ptr<TVokabel> TFormendienst::VokabelLaden(int32_t id)
{
    if (id <= 0)
        return nullptr;
    auto v = m_daten.VokabelLaden(id);
    if (v->id != id)
        return nullptr;
    m_daten.VerweiseLaden(*v);
    m_daten.SonderformenLaden(*v);
    return v;
}

std::vector<TAnalyseTreffer> TFormendienst::Analysieren(const QString &wort, bool verweise)
{
    TLesesitzung sitzung(m_dienst->Quelle());
    m_analyse->Analysieren(wort);

    std::vector<TAnalyseTreffer> treffer;
    QSet<int32_t> gezeigt; // ids of all nodes, cross-references included
    for (const TLatForm &f : m_analyse->Ergebnisse()) {
        if (gezeigt.contains(f.vokabelId))
            continue;
        const TVokabel *v = m_analyse->Vokabel(f.vokabelId);
        if (!v)
            continue;
        gezeigt.insert(f.vokabelId);
        TAnalyseTreffer t;
        t.vokabelId = v->id;
        t.vokabel = v->vokabel;
        if (verweise) {
            TVokabel mitVerweisen;
            mitVerweisen.id = v->id;
            m_daten.VerweiseLaden(mitVerweisen);
            for (const QString &text : mitVerweisen.Verweise()) {
                // The first entry in headword order whose headword begins with the reference.
                m_stichwoerter.clear();
                m_dienst->Quelle().StichwoerterMitPraefix(text.toLower(), false, m_stichwoerter);
                if (m_stichwoerter.empty())
                    continue;
                t.verweise.push_back({m_stichwoerter.front().vokabelId, text});
                gezeigt.insert(m_stichwoerter.front().vokabelId);
            }
        }
        treffer.push_back(std::move(t));
    }
    LexikonAnalysieren(wort, treffer);
    return treffer;
}

void TFormendienst::LexikonAnalysieren(const QString &wort, std::vector<TAnalyseTreffer> &treffer)
{
    m_lexikonErgebnisse.clear();
    // Built once the lexicon holds lemmas: its tables are read per word.
    if (!m_lexikon) {
        if (LexikonStand(m_daten).eintraege == 0)
            return;
        m_lexikon = m_dienst->LexikonAnalyse();
    }
    for (const TLexikonTreffer &t : m_lexikon->Analysieren(wort)) {
        if (!t.ausLexikon || !t.vokabel)
            continue;
        const int32_t id = t.form.vokabelId;
        auto [es, neu] = m_lexikonErgebnisse.try_emplace(id);
        if (neu)
            t.vokabel->KopierenNach(es->second.vokabel);
        if (!t.form.bezeichnung.isEmpty())
            es->second.bezeichnungen.append(t.form.bezeichnung);
        if (!neu)
            continue;
        TAnalyseTreffer a;
        a.vokabelId = id;
        a.vokabel = t.vokabel->vokabel;
        a.ausLexikon = true;
        a.schluesselformen = t.schluesselformen;
        treffer.push_back(std::move(a));
    }
}

std::unique_ptr<TVokabel> TFormendienst::LexikonVokabel(int32_t lemmaId) const
{
    const auto es = m_lexikonErgebnisse.find(lemmaId);
    if (es == m_lexikonErgebnisse.end())
        return nullptr;
    auto v = std::make_unique<TVokabel>();
    es->second.vokabel.KopierenNach(*v);
    v->id = 0; // not an entry of the user's
    return v;
}

QString TFormendienst::LexikonSeiteHtml(int32_t lemmaId)
{
    const auto es = m_lexikonErgebnisse.find(lemmaId);
    if (es == m_lexikonErgebnisse.end())
        return {};
    const QStringList vorlage = VorlageLesen(QDir(m_vorlagen).filePath(QStringLiteral("analyse.htm")));
    QStringList seite = vorlage.isEmpty()
                            ? QStringList()
                            : AnalyseSeite(es->second.vokabel, vorlage, es->second.bezeichnungen, Anzeige());
    // Where the entry comes from, and the quantities the lexicon marks,
    // before the page's end.
    const TLexikonLemma lemma = LexikonLemma(m_daten, lemmaId);
    QStringList laengen;
    for (qsizetype i = 0; i < lemma.laengen.size(); ++i)
        if (!lemma.laengen[i].isEmpty() && !(lemma.wortart == WA_SUBSTANTIV && i == 2)) // a noun's gender
            laengen.append(HtmlMaskieren(LaengenBereinigen(lemma.laengen[i]))); // a breve only confirms a short vowel
    QString block = QStringLiteral("<hr><p><b>Aus dem Lexikon</b> (nur lesbar; „Zu Lektion hinzufügen“ macht daraus "
                                   "eine eigene Vokabel)</p>");
    if (!laengen.isEmpty() && Anzeige().laengen)
        block += QStringLiteral("<p>Mit Längen: %1</p>").arg(laengen.join(QStringLiteral(", ")));
    const qsizetype ende =
        seite.lastIndexOf(QRegularExpression(QStringLiteral("</body>"), QRegularExpression::CaseInsensitiveOption));
    if (ende >= 0)
        seite.insert(ende, block);
    else
        seite.append(block);
    Speichern(seite);
    return seite.join(QLatin1Char('\n'));
}

int32_t TFormendienst::LexikonUebernehmen(int32_t lemmaId)
{
    return LexikonLemmaUebernehmen(m_daten, lemmaId).vokabelId;
}

const std::vector<TLatForm> &TFormendienst::Ergebnisse() const
{
    return m_analyse->Ergebnisse();
}

void TFormendienst::Leeren()
{
    m_analyse->Formanalyse().Zuruecksetzen();
}

QString TFormendienst::AnalyseSeiteHtml(const TVokabel &v)
{
    QStringList bezeichnungen;
    for (const TLatForm &f : m_analyse->Ergebnisse())
        if (f.vokabelId == v.id && !f.bezeichnung.isEmpty())
            bezeichnungen.append(f.bezeichnung);
    const QStringList vorlage = VorlageLesen(QDir(m_vorlagen).filePath(QStringLiteral("analyse.htm")));
    const QStringList seite = vorlage.isEmpty() ? QStringList() : AnalyseSeite(v, vorlage, bezeichnungen, Anzeige());
    Speichern(seite);
    return seite.join(QLatin1Char('\n'));
}

TFormentabelle TFormendienst::Formentabelle(const TVokabel &v)
{
    // The forms table must not disturb the analysis results the dialog shows.
    TFormenmanager eigener;
    const TLaengenAnzeige anzeige = Anzeige();
    // Plain forms when no mark is shown: the table stays as it always was.
    eigener.SetLaengen(anzeige.laengen || anzeige.betonung);
    TFormentabelle t = FormentabelleErzeugen(eigener, v, m_vorlagen, anzeige);
    Speichern(t.zeilen);
    return t;
}

TLaengenAnzeige TFormendienst::Anzeige() const
{
    return m_config ? LaengenAnzeige(*m_config) : TLaengenAnzeige{false, false};
}

QString TFormendienst::AnzeigeText(const QString &text) const
{
    return m_config ? lexovita::AnzeigeText(text, *m_config) : LaengenZeigen(text, Anzeige());
}

void TFormendienst::Speichern(const QStringList &zeilen)
{
    SeiteImCacheAblegen(zeilen, m_vorlagen, m_rueckfrage);
}

} // namespace lexovita
