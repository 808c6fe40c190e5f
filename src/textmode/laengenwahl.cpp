#include "textmode/laengenwahl.h"

#include "morph/laengen.h"
#include "textmode/uebereinstimmung.h"

#include <QStringList>

namespace lexovita {

namespace {

// A letter as the analysis compares it: no length, no case, i for j, u for v.
QChar Buchstabe(QChar c)
{
    c = KurzVokal(c).toLower();
    if (c == QLatin1Char('j'))
        return QLatin1Char('i');
    if (c == QLatin1Char('v'))
        return QLatin1Char('u');
    return c;
}

// True if the reading agrees in case, number and gender with a reading of
// another word of the sentence.
bool Kongruent(const TTextwort &w, const TLesart &l, const std::vector<TTextwort> &satz)
{
    for (const TTextwort &anderes : satz) {
        if (anderes.anfang == w.anfang)
            continue;
        for (const TLesart &a : anderes.lesarten)
            if (KasusGleich(l.formId, a.formId) && NumerusGleich(l.formId, a.formId) && GenusGleich(l.formId, a.formId))
                return true;
    }
    return false;
}

// The one marked text the readings spell, empty if they spell none or several.
QString Einheitlich(const std::vector<const TLesart *> &lesarten)
{
    if (lesarten.empty())
        return {};
    const QString &erster = lesarten.front()->markiert;
    for (const TLesart *l : lesarten)
        if (l->markiert != erster)
            return {};
    return erster;
}

} // namespace

QString LaengenUebertragen(const QString &wort, const QString &markiert)
{
    const QString m = LaengenBereinigen(markiert);
    if (m.isEmpty() || m.size() > wort.size())
        return {};
    QString aus = wort;
    for (qsizetype i = 0; i < m.size(); ++i) {
        if (Buchstabe(m[i]) != Buchstabe(wort[i]))
            return {};
        if (KurzVokal(m[i]) != m[i])
            aus[i] = LangVokal(KurzVokal(wort[i]));
    }
    return aus;
}

TLaengenwahl LaengeWaehlen(const TTextwort &w, const std::vector<TTextwort> &satz)
{
    TLaengenwahl wahl;
    std::vector<const TLesart *> alle;
    for (const TLesart &l : w.lesarten)
        alle.push_back(&l);
    QString markiert = Einheitlich(alle);
    if (markiert.isEmpty()) {
        std::vector<const TLesart *> kongruent;
        for (const TLesart *l : alle)
            if (Kongruent(w, *l, satz))
                kongruent.push_back(l);
        markiert = Einheitlich(kongruent);
        wahl.kongruenz = !markiert.isEmpty();
    }
    if (!markiert.isEmpty()) {
        wahl.text = LaengenUebertragen(w.text, markiert);
        if (!wahl.text.isEmpty())
            return wahl;
        wahl.kongruenz = false;
    }
    // Undecided: the readings with their lengths, each once; none when the
    // generator gave no reading its lengths.
    bool laengen = false;
    for (const TLesart *l : alle)
        laengen |= !l->markiert.isEmpty();
    if (!laengen)
        return wahl;
    QStringList zeilen;
    for (const TLesart *l : alle) {
        const QString mit = LaengenUebertragen(w.text, l->markiert);
        const QString zeile = QStringLiteral("%1: %2").arg(mit.isEmpty() ? w.text : mit, l->bezeichnung);
        if (!zeilen.contains(zeile))
            zeilen.append(zeile);
    }
    if (zeilen.size() > 1)
        wahl.hinweis = zeilen.join(QLatin1Char('\n'));
    return wahl;
}

} // namespace lexovita
