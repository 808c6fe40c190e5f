#include "app/einstellungsbearbeitung.h"

#include <algorithm>

#include "app/analysedienst.h"
#include "app/einstellungsdienst.h"
#include "model/vokabel.h"
#include "store/analysequelle.h"
#include "textmode/textanalyse.h"

namespace lexovita {

namespace {

struct TZahlfeldRegel {
    int32_t TConfig::*feld;
    int32_t minimum, maximum;
    int32_t ausserhalb, keineZahl;
};

const TZahlfeldRegel &Regel(TZahlfeld feld)
{
    static const TZahlfeldRegel regeln[] = {
        {&TConfig::vlsFalscheAnzahl, 1, 99, 1, 1},
        {&TConfig::txtUmbruchZeichen, 0, 99, 80, 0},
        {&TConfig::txtZeilenabstand, 10, 99, 18, 18},
    };
    return regeln[static_cast<size_t>(feld)];
}

void Aufnehmen(QStringList &liste, int32_t formId)
{
    const QString text = QString::number(formId);
    if (!liste.contains(text))
        liste.append(text);
}

// The person-and-number part of a verb form identifier.
constexpr int32_t kPersonBits = 7;

} // namespace

TZahlbereich ZahlfeldBereich(TZahlfeld feld)
{
    return {Regel(feld).minimum, Regel(feld).maximum};
}

int32_t ZahlfeldWert(TZahlfeld feld, const QString &text)
{
    const TZahlfeldRegel &r = Regel(feld);
    bool zahl = false;
    const int wert = text.trimmed().toInt(&zahl);
    if (!zahl)
        return r.keineZahl;
    return wert < r.minimum || wert > r.maximum ? r.ausserhalb : wert;
}

int32_t SchriftgroesseBegrenzt(int32_t punkte)
{
    if (punkte <= 0)
        return 10;
    return std::clamp<int32_t>(punkte, 6, 48);
}

void ZahlfeldSetzen(TConfig &config, TZahlfeld feld, const QString &text)
{
    config.*Regel(feld).feld = ZahlfeldWert(feld, text);
}

int32_t ZahlfeldLesen(const TConfig &config, TZahlfeld feld)
{
    return config.*Regel(feld).feld;
}

void FormHinzufuegen(TFormenauswahl &auswahl, int32_t wortart, int32_t formId)
{
    switch (wortart) {
    case WA_VERB:
        if ((formId & kPersonBits) != 0) {
            for (int32_t person = 1; person <= 7; ++person)
                Aufnehmen(auswahl.verb, (formId & ~kPersonBits) | person);
        } else {
            Aufnehmen(auswahl.verb, formId);
        }
        break;
    case WA_ADJEKTIV:
        Aufnehmen(auswahl.adjektiv, formId);
        break;
    case WA_SUBSTANTIV:
        Aufnehmen(auswahl.substantiv, formId);
        break;
    default:
        break;
    }
}

QStringList &Formenliste(TConfig &config, int32_t wortart)
{
    switch (wortart) {
    case WA_VERB:
        return config.flVerb;
    case WA_ADJEKTIV:
        return config.flAdjektiv;
    default:
        return config.flSubstantiv;
    }
}

void FormenlisteSetzen(TConfig &config, int32_t wortart, const QList<int32_t> &angehakt)
{
    QStringList &liste = Formenliste(config, wortart);
    liste.clear();
    for (int32_t id : angehakt)
        if (id > 0)
            liste.append(QString::number(id));
}

void TFormenHolenAuftrag::Ausfuehren(TAuftragsKontext &k)
{
    m_ergebnis = {};
    // The job's own connection gets its own analysis service.
    TAnalysedienst dienst(k.Daten());
    TLesesitzung sitzung(dienst.Quelle());
    TWortanalyse analyse(dienst.Quelle());
    // The walk of the text analysis, for its word boundaries and progress;
    // its sentence layout is not needed here.
    TextAnalysieren(
        m_text,
        [&](const QString &wort) {
            for (const TLatForm &f : analyse.Analysieren(wort))
                if (const TVokabel *v = analyse.Vokabel(f.vokabelId))
                    FormHinzufuegen(m_ergebnis, v->Wortart(), f.formId);
            return std::vector<TLatForm>{};
        },
        [&] { return k.Abbruch(); }, [&](int prozent) { k.Gesamt(prozent, 100); });
}

TEinstellungsbearbeitung::TEinstellungsbearbeitung(TEinstellungsdienst &dienst)
    : m_dienst(dienst), m_kopie(dienst.Config().Kopie())
{
}

TEinstellungsbearbeitung::~TEinstellungsbearbeitung() = default;

void TEinstellungsbearbeitung::Ok()
{
    m_dienst.Uebernehmen(*m_kopie);
    if (m_dienst.Config().TeilweiseGelesen())
        throw TEinstellungsFehler(m_dienst.Config().Warnungen().join(QLatin1Char('\n')));
    m_dienst.Speichern();
}

void TEinstellungsbearbeitung::Abbrechen()
{
    const QString warnung = m_dienst.Laden(m_dienst.Config().programmordner);
    if (!warnung.isEmpty())
        throw TEinstellungsFehler(warnung);
}

void TEinstellungsbearbeitung::Schliessen()
{
    m_dienst.Uebernehmen(*m_kopie);
}

void TEinstellungsbearbeitung::FormenUebernehmen(const TFormenauswahl &auswahl)
{
    m_kopie->flVerb = auswahl.verb;
    m_kopie->flAdjektiv = auswahl.adjektiv;
    m_kopie->flSubstantiv = auswahl.substantiv;
}

} // namespace lexovita
