#include "app/vokabelentwurf.h"

#include "app/anwendungskern.h"
#include "app/lexikondienst.h"
#include "app/vokabeldienst.h"
#include "model/textpruefung.h"
#include "morph/formenmanager.h"
#include "morph/laengen.h"
#include "morph/staemme.h"
#include "morph/vokabelregeln.h"

#include <algorithm>

namespace lexovita {

TVokabelEntwurf::TVokabelEntwurf(TVokabel &eintrag, QObject *parent)
    : QObject(parent), m_eintrag(eintrag), m_formen(std::make_unique<TFormenmanager>())
{
    // The special-forms grid edits the entry's own special forms: the
    // generator must show what it makes itself.
    m_formen->SetSonderformenEinsetzen(false);
    m_eintrag.BedeutungenSortieren();
}

TVokabelEntwurf::~TVokabelEntwurf() = default;

// ---- Headword and word class ---------------------------------------------------

QString TVokabelEntwurf::VokabelEingabe(const QString &getippt)
{
    QString text = getippt;
    text.replace(QLatin1Char('\''), QLatin1Char('"'));
    return text;
}

void TVokabelEntwurf::SetVokabel(const QString &text)
{
    m_eintrag.vokabel = text.trimmed();
    if (m_eintrag.Wortart() == WA_ADJEKTIV)
        AdjektivDeklinationErmitteln();
    emit vokabelGeaendert();
    emit formenGeaendert();
}

void TVokabelEntwurf::SetWortart(int32_t wortart)
{
    m_eintrag.SetWortart(wortart);
    if (wortart == WA_VERB)
        StammformenVorschlagen(m_eintrag);
    emit attributeGeaendert();
}

TVokabelEntwurf::Attributseite TVokabelEntwurf::AttributSeite() const
{
    switch (m_eintrag.Wortart()) {
    case WA_VERB:
        return Attributseite::Verb;
    case WA_SUBSTANTIV:
        return Attributseite::Substantiv;
    case WA_ADJEKTIV:
        return Attributseite::Adjektiv;
    case WA_ADVERB:
        return Attributseite::Adverb;
    case WA_PRONOMEN:
        return Attributseite::Pronomen;
    default:
        return Attributseite::Keine;
    }
}

QString TVokabelEntwurf::VorhandenHinweis(const std::vector<std::unique_ptr<TVokabel>> &gefunden) const
{
    if (m_eintrag.vokabel.isEmpty())
        return {};
    // Lengths are how the headword is written, not which word it is.
    const QString ohne = LaengenEntfernen(m_eintrag.vokabel);
    QStringList wortarten;
    for (const auto &v : gefunden)
        if (v->id != m_eintrag.id && LaengenEntfernen(v->vokabel) == ohne)
            wortarten << v->WortartText();
    wortarten.removeDuplicates();
    if (wortarten.isEmpty())
        return {};
    return QStringLiteral("„%1“ ist bereits im Wörterbuch vorhanden (%2).")
        .arg(m_eintrag.vokabel, wortarten.join(QStringLiteral(", ")));
}

QString TVokabelEntwurf::VorhandenHinweis(TVokabeldienst &dienst) const
{
    return m_eintrag.vokabel.isEmpty() ? QString() : VorhandenHinweis(dienst.Suchen(m_eintrag.vokabel));
}

std::vector<TVokabelEntwurf::LexikonAngebot> TVokabelEntwurf::Lexikonangebot(TAnwendungskern &kern) const
{
    std::vector<LexikonAngebot> angebot;
    // Offered for a new entry only: an existing one is the pupil's own.
    if (m_eintrag.id != 0 || m_eintrag.vokabel.size() < 2)
        return angebot;
    for (const TLexikonLemma &l : LexikonNachschlagen(kern, m_eintrag.vokabel)) {
        QStringList deutsch;
        for (const QStringList &gruppe : l.deutsch)
            deutsch << gruppe.join(QStringLiteral(", "));
        angebot.push_back({l.id, deutsch.isEmpty() ? l.schluesselformen
                                                   : QStringLiteral("%1 – %2").arg(
                                                         l.schluesselformen, deutsch.join(QStringLiteral("; ")))});
    }
    return angebot;
}

bool TVokabelEntwurf::AusLexikon(TAnwendungskern &kern, int32_t lemmaId)
{
    TVokabel lemma;
    if (!LexikonEintragBauen(kern.Daten(), lemmaId, lemma))
        return false;
    // Every page takes the lemma; the pupil can still change all of it.
    const int32_t id = m_eintrag.id;
    lemma.KopierenNach(m_eintrag);
    m_eintrag.id = id;
    m_eintrag.BedeutungenSortieren();
    emit gefuellt();
    emit vokabelGeaendert();
    return true;
}

// ---- Attributes ----------------------------------------------------------------

void TVokabelEntwurf::SetVerbform(int index, const QString &text)
{
    QString *formen[] = {&m_eintrag.form1, &m_eintrag.form2, &m_eintrag.form3};
    if (index < 0 || index > 2)
        return;
    *formen[index] = text.trimmed();
    emit formenGeaendert();
}

void TVokabelEntwurf::SetKonjDekl(int32_t konjDekl)
{
    m_eintrag.SetKonjDekl(konjDekl);
    emit formenGeaendert();
}

void TVokabelEntwurf::SetFlag(int32_t bit, bool an)
{
    FlagSetzen(m_eintrag, bit, an);
    emit attributeGeaendert();
}

bool TVokabelEntwurf::PartizipFeldAktiv() const
{
    return lexovita::PartizipFeldAktiv(m_eintrag);
}

void TVokabelEntwurf::SetGenitiv(const QString &text)
{
    m_eintrag.form1 = text.trimmed();
    emit formenGeaendert();
}

void TVokabelEntwurf::GenitivBestaetigen()
{
    GenitivSetzen(m_eintrag, m_eintrag.form1);
    emit attributeGeaendert();
}

void TVokabelEntwurf::SetGenus(TGenus genus)
{
    m_eintrag.form2 = GenusBuchstabe(genus);
    emit formenGeaendert();
}

void TVokabelEntwurf::SetAdjektivform(int index, const QString &text)
{
    QString *formen[] = {&m_eintrag.form1, &m_eintrag.form2, &m_eintrag.form3};
    if (index < 0 || index > 2)
        return;
    *formen[index] = text.trimmed();
    AdjektivDeklinationErmitteln();
    emit formenGeaendert();
}

void TVokabelEntwurf::SetKomparativ(const QString &text)
{
    m_eintrag.form1 = text.trimmed();
    emit formenGeaendert();
}

void TVokabelEntwurf::SetSuperlativ(const QString &text)
{
    m_eintrag.form2 = text.trimmed();
    emit formenGeaendert();
}

void TVokabelEntwurf::AdjektivDeklinationErmitteln()
{
    m_eintrag.SetKonjDekl(DeklinationErmitteln(m_eintrag.vokabel, m_eintrag.form1, m_eintrag.form2, m_eintrag.form3));
}

QString TVokabelEntwurf::Stamm() const
{
    const int32_t wa = m_eintrag.Wortart();
    return wa == WA_SUBSTANTIV || wa == WA_ADJEKTIV ? Nominalstamm(m_eintrag) : QString();
}

QString TVokabelEntwurf::Vorschau() const
{
    const QStringList formen = Schluesselformen(*m_formen, m_eintrag);
    return formen.isEmpty() ? QStringLiteral("–") : formen.join(QStringLiteral("   ·   "));
}

// ---- Meanings ------------------------------------------------------------------

bool TVokabelEntwurf::BedeutungHinzufuegbar(const QString &text) const
{
    const QString t = text.trimmed();
    return !t.isEmpty() && !m_eintrag.BedeutungSuchen(t);
}

bool TVokabelEntwurf::BedeutungAenderbar(const QString &gewaehlt, const QString &text) const
{
    const QString t = text.trimmed();
    const TBedeutung *gleich = m_eintrag.BedeutungSuchen(t);
    return m_eintrag.BedeutungSuchen(gewaehlt) && !t.isEmpty() && (!gleich || gleich->bedeutung == gewaehlt);
}

bool TVokabelEntwurf::BedeutungHinzufuegen(const QString &text, const QString &kommentar, int32_t gruppe)
{
    if (!BedeutungHinzufuegbar(text))
        return false;
    m_eintrag.BedeutungAnhaengen(text.trimmed(), kommentar.trimmed(), std::max(1, gruppe));
    m_eintrag.BedeutungenSortieren();
    return true;
}

bool TVokabelEntwurf::BedeutungAktualisieren(const QString &alt, const QString &text, const QString &kommentar,
                                             int32_t gruppe)
{
    if (!BedeutungAenderbar(alt, text))
        return false;
    const TBedeutung *b = m_eintrag.BedeutungSuchen(alt);
    const int32_t position = gruppe == b->gruppe ? b->position : 1;
    m_eintrag.BedeutungAendern(alt, text.trimmed(), position, gruppe, kommentar.trimmed());
    m_eintrag.BedeutungenSortieren();
    return true;
}

void TVokabelEntwurf::BedeutungEntfernen(const QString &text)
{
    m_eintrag.BedeutungEntfernen(text);
    m_eintrag.BedeutungenSortieren();
}

bool TVokabelEntwurf::BedeutungInGruppe(const QString &text, int32_t gruppe)
{
    const TBedeutung *b = m_eintrag.BedeutungSuchen(text);
    if (!b || gruppe < 1)
        return false;
    m_eintrag.BedeutungAendern(text, text, 1, gruppe, b->kommentar);
    m_eintrag.BedeutungenSortieren();
    return true;
}

bool TVokabelEntwurf::BedeutungAnStelleVon(const QString &text, const QString &ziel)
{
    const TBedeutung *b = m_eintrag.BedeutungSuchen(text);
    const TBedeutung *z = m_eintrag.BedeutungSuchen(ziel);
    if (!b || !z || b == z)
        return false;
    // Read before the change moves the others.
    const int32_t gruppe = z->gruppe;
    const int32_t position = z->position;
    m_eintrag.BedeutungAendern(text, text, position, gruppe, b->kommentar);
    m_eintrag.BedeutungenSortieren();
    return true;
}

// ---- Special forms ---------------------------------------------------------------

bool TVokabelEntwurf::HatKategorien() const
{
    const int32_t wa = m_eintrag.Wortart();
    return wa == WA_VERB || wa == WA_ADJEKTIV || wa == WA_ADVERB;
}

std::vector<TLatForm> TVokabelEntwurf::SonderformZeilen(int32_t selektor, int hoechstens) const
{
    return lexovita::SonderformZeilen(*m_formen, m_eintrag, selektor, hoechstens);
}

QString TVokabelEntwurf::SonderformName(int32_t formId) const
{
    return SonderformZeilenText(m_eintrag, formId);
}

const TLatForm *TVokabelEntwurf::Sonderform(int32_t formId) const
{
    for (const auto &s : m_eintrag.sonderformen)
        if (s->formId == formId)
            return s.get();
    return nullptr;
}

QString TVokabelEntwurf::SonderformAn(int32_t formId, const QString &text)
{
    if (const TLatForm *s = Sonderform(formId))
        return s->text;
    m_eintrag.sonderformen.push_back(std::make_unique<TLatForm>(m_eintrag.id, text.trimmed(), formId));
    return m_eintrag.sonderformen.back()->text;
}

void TVokabelEntwurf::SonderformAus(int32_t formId)
{
    auto &liste = m_eintrag.sonderformen;
    liste.erase(std::remove_if(liste.begin(), liste.end(), [&](const auto &s) { return s->formId == formId; }),
                liste.end());
}

void TVokabelEntwurf::SetSonderformText(int32_t formId, const QString &text)
{
    for (const auto &s : m_eintrag.sonderformen)
        if (s->formId == formId) {
            s->text = text.trimmed();
            return;
        }
    m_eintrag.sonderformen.push_back(std::make_unique<TLatForm>(m_eintrag.id, text.trimmed(), formId));
}

// ---- Memory aids ---------------------------------------------------------------

bool TVokabelEntwurf::MerkhilfeHinzufuegbar(const QString &text, int32_t sprache) const
{
    const QString t = text.trimmed();
    return !t.isEmpty() && !m_eintrag.MerkhilfeVorhanden(t, sprache);
}

void TVokabelEntwurf::MerkhilfeHinzufuegen(const QString &text, int32_t sprache)
{
    m_eintrag.MerkhilfeHinzufuegen(text, sprache);
}

void TVokabelEntwurf::MerkhilfeAendern(int index, const QString &text, int32_t sprache)
{
    auto &liste = m_eintrag.merkhilfen;
    const QString t = text.trimmed();
    if (index < 0 || index >= static_cast<int>(liste.size()) || t.isEmpty())
        return;
    const auto stelle = liste.begin() + index;
    if (m_eintrag.MerkhilfeVorhanden(t, sprache) && !((*stelle)->merkhilfe == t && (*stelle)->sprache == sprache)) {
        liste.erase(stelle);
        return;
    }
    // Added again in place, so an unknown language becomes "andere" as on adding.
    TVokabel neu;
    neu.MerkhilfeHinzufuegen(t, sprache);
    *stelle = std::move(neu.merkhilfen.front());
}

void TVokabelEntwurf::MerkhilfenEntfernen(QList<int> indizes)
{
    std::sort(indizes.begin(), indizes.end(), std::greater<>());
    indizes.erase(std::unique(indizes.begin(), indizes.end()), indizes.end());
    auto &liste = m_eintrag.merkhilfen;
    for (const int i : indizes)
        if (i >= 0 && i < static_cast<int>(liste.size()))
            liste.erase(liste.begin() + i);
}

// ---- Cross-references ------------------------------------------------------------

std::vector<std::unique_ptr<TVokabel>> TVokabelEntwurf::VerweisKandidaten(TVokabeldienst &dienst,
                                                                          const QString &text) const
{
    if (text.trimmed().size() < 2)
        return {};
    return dienst.Suchen(text);
}

bool TVokabelEntwurf::VerweisNeu(const QString &text) const
{
    return !text.isEmpty() && !m_eintrag.Verweise().contains(text, Qt::CaseInsensitive);
}

void TVokabelEntwurf::VerweisHinzufuegen(const QString &text)
{
    m_eintrag.VerweisHinzufuegen(text);
}

void TVokabelEntwurf::VerweisAendern(const QString &alt, const QString &neu)
{
    QStringList liste = m_eintrag.Verweise();
    liste.removeAll(alt);
    liste << neu;
    VerweiseSetzen(liste);
}

void TVokabelEntwurf::VerweiseEntfernen(const QStringList &texte)
{
    QStringList liste = m_eintrag.Verweise();
    for (const QString &t : texte)
        liste.removeAll(t);
    VerweiseSetzen(liste);
}

void TVokabelEntwurf::VerweiseSetzen(QStringList liste)
{
    m_eintrag.VerweiseLeeren();
    for (const QString &t : liste)
        m_eintrag.VerweisHinzufuegen(t);
}

// ---- OK --------------------------------------------------------------------------

void TVokabelEntwurf::Abschliessen()
{
    if (m_eintrag.Wortart() != WA_SUBSTANTIV)
        return;
    const int32_t vorher = m_eintrag.attribute;
    GenitivSetzen(m_eintrag, m_eintrag.form1);
    if (m_eintrag.attribute != vorher)
        emit attributeGeaendert();
}

std::optional<TVokabelEntwurf::Mangel> TVokabelEntwurf::Pruefen() const
{
    const TVokabeldienst::Pruefung p = TVokabeldienst::EingabePruefen(m_eintrag);
    if (p != TVokabeldienst::Pruefung::Ok)
        return Mangel{p == TVokabeldienst::Pruefung::VokabelFehlt ? Seite::Vokabel : Seite::Bedeutungen,
                      TVokabeldienst::PruefungsMeldung(p)};
    // What storing would refuse, said here with the page that holds it; the
    // field names are those of the store's own check.
    auto mangel = [](Seite seite, const QString &text, const QString &feld) -> std::optional<Mangel> {
        QString m = TextMangel(text, feld, kMaxWortLaenge);
        return m.isEmpty() ? std::nullopt : std::optional<Mangel>(Mangel{seite, std::move(m)});
    };
    std::optional<Mangel> m = mangel(Seite::Vokabel, m_eintrag.vokabel, QStringLiteral("Das Stichwort"));
    const struct {
        const QString &text;
        const char *feld;
    } formen[] = {{m_eintrag.form1, "Die erste Stammform"},
                  {m_eintrag.form2, "Die zweite Stammform"},
                  {m_eintrag.form3, "Die dritte Stammform"}};
    for (const auto &f : formen)
        if (!m)
            m = mangel(Seite::Attribute, f.text, QString::fromUtf8(f.feld));
    for (const auto &b : m_eintrag.bedeutungen) {
        if (!m)
            m = mangel(Seite::Bedeutungen, b->bedeutung,
                       QStringLiteral("Die Bedeutung „%1“").arg(b->bedeutung.left(40)));
        if (!m)
            m = mangel(Seite::Bedeutungen, b->kommentar,
                       QStringLiteral("Der Kommentar zu „%1“").arg(b->bedeutung.left(40)));
    }
    for (const auto &s : m_eintrag.sonderformen)
        if (!m)
            m = mangel(Seite::Sonderformen, s->text, QStringLiteral("Die Sonderform"));
    for (const auto &h : m_eintrag.merkhilfen)
        if (!m)
            m = mangel(Seite::Merkhilfen, h->merkhilfe, QStringLiteral("Die Merkhilfe"));
    return m;
}

} // namespace lexovita
