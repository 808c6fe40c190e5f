// lexovita-cli lexikon: import of the large lexicon from the installed
// Collatinus and FreeDict data, and look-up of a lemma.

#include "befehle.h"

#include "konsolenrueckfrage.h"

#include "app/anwendungskern.h"
#include "app/datenzugang.h"
#include "app/lexikondienst.h"
#include "model/vokabel.h"
#include "morph/laengen.h"

#include <QElapsedTimer>
#include <cstdio>

namespace lexovita::cli {

namespace {

int Importieren(const Aufruf &aufruf, const QStringList &rest)
{
    TLexikonQuellen quellen = TLexikonQuellen::Installiert();
    for (int i = 0; i < rest.size(); ++i) {
        if (rest[i] == QLatin1String("--quelle") && i + 1 < rest.size()) {
            quellen = TLexikonQuellen::InOrdner(rest[++i]);
        } else {
            Fehler(QStringLiteral("Unbekanntes Argument „%1“. Aufruf: lexikon importieren [--quelle ORDNER]")
                       .arg(rest[i]));
            return 2;
        }
    }
    TKonsolenRueckfrage rueckfrage;
    TDatenzugang zugang(aufruf.datenOrdner, TDatenzugang::Modus::AnlegenWennNoetig, rueckfrage);
    QElapsedTimer uhr;
    uhr.start();
    const TLexikonBericht b = LexikonEinlesen(zugang.Kern(), quellen, [](int erledigt, int gesamt) {
        std::fprintf(stderr, "Lexikon: %d von %d Lemmata\n", erledigt, gesamt);
        return true;
    });
    const auto anteil = [](int64_t teil, int64_t ganz) { return ganz > 0 ? 100.0 * double(teil) / double(ganz) : 0.0; };
    Ausgabe(
        QStringLiteral("%1 Lemmata importiert in %2 s.").arg(b.lemmata).arg(double(uhr.elapsed()) / 1000.0, 0, 'f', 1));
    Ausgabe(QStringLiteral("Auf unsere Klassen abgebildet: %1 Lemmata (%2 %), %3 % der Häufigkeitsmasse.")
                .arg(b.abgebildet)
                .arg(anteil(b.abgebildet, b.lemmata), 0, 'f', 2)
                .arg(anteil(b.frequenzAbgebildet, b.frequenz), 0, 'f', 2));
    for (auto it = b.nichtAbgebildet.cbegin(); it != b.nichtAbgebildet.cend(); ++it)
        Ausgabe(QStringLiteral("  als „Andere Wortart“ mit Sonderformen: Modell %1, %2 Lemmata")
                    .arg(it.key())
                    .arg(it.value()));
    Ausgabe(QStringLiteral("Sonderformen: %1").arg(b.sonderformen));
    for (auto it = b.sonderformenJeModell.cbegin(); it != b.sonderformenJeModell.cend(); ++it)
        if (it.value() > 0)
            Ausgabe(QStringLiteral("  Modell %1: %2 Sonderformen").arg(it.key()).arg(it.value()));
    Ausgabe(QStringLiteral("Deutsch aus Collatinus: %1, nur aus FreeDict: %2, abgeleitet: %3, Namen: %6, ohne Deutsch: "
                           "%4; französische Texte in lemmes.de erkannt: %5")
                .arg(b.deutschCollatinus)
                .arg(b.deutschFreedict)
                .arg(b.deutschAbgeleitet)
                .arg(b.ohneDeutsch)
                .arg(b.franzoesisch)
                .arg(b.deutschName));
    for (const QString &h : b.hinweise)
        Ausgabe(QStringLiteral("Hinweis: ") + h);
    return 0;
}

int Suchen(const Aufruf &aufruf, const QStringList &rest)
{
    if (rest.size() != 1) {
        Fehler(QStringLiteral("Aufruf: lexikon suche WORT"));
        return 2;
    }
    TKonsolenRueckfrage rueckfrage;
    TDatenzugang zugang(aufruf.datenOrdner, TDatenzugang::Modus::NurVorhandene, rueckfrage);
    if (!zugang.Bereit()) {
        Fehler(QStringLiteral("Die Datenbank in \"%1\" hat ein älteres Format; bitte zuerst mit „init“ "
                              "aktualisieren.")
                   .arg(aufruf.datenOrdner));
        return 2;
    }
    const std::vector<TLexikonLemma> treffer = LexikonNachschlagen(zugang.Kern(), rest.first());
    if (treffer.empty()) {
        Fehler(QStringLiteral("„%1“ steht nicht im Lexikon.").arg(rest.first()));
        return 1;
    }
    for (const TLexikonLemma &l : treffer) {
        TVokabel v;
        v.SetWortart(l.wortart);
        QStringList deutsch;
        for (const QStringList &g : l.deutsch)
            deutsch.append(g.join(QStringLiteral(", ")));
        QStringList andere;
        if (!l.englisch.isEmpty())
            andere.append(QStringLiteral("en: ") + l.englisch.join(QStringLiteral(", ")));
        if (!l.franzoesisch.isEmpty())
            andere.append(QStringLiteral("fr: ") + l.franzoesisch.join(QStringLiteral(", ")));
        // Breves only confirm a short vowel; our texts mark the long ones alone.
        Ausgabe(QStringList{LaengenBereinigen(l.laengen.value(0)), l.schluesselformen, v.WortartText(),
                            deutsch.join(QStringLiteral("; ")), andere.join(QStringLiteral(" | ")),
                            QStringLiteral("lexikon")}
                    .join(QLatin1Char('\t')));
    }
    return 0;
}

int Lexikon(const Aufruf &aufruf)
{
    const QString unter = aufruf.argumente.value(0);
    const QStringList rest = aufruf.argumente.mid(1);
    try {
        if (unter == QLatin1String("importieren"))
            return Importieren(aufruf, rest);
        if (unter == QLatin1String("suche"))
            return Suchen(aufruf, rest);
    } catch (const TFehler &f) {
        Fehler(f.Meldung());
        return 1;
    }
    Fehler(QStringLiteral("Aufruf: lexikon importieren [--quelle ORDNER] | lexikon suche WORT"));
    return 2;
}

const Registrierung registrierung(QStringLiteral("lexikon"),
                                  QStringLiteral("lexikon importieren [--quelle ORDNER] | lexikon suche WORT  "
                                                 "großes Lexikon aus Collatinus und FreeDict einlesen, Lemma "
                                                 "nachschlagen (TSV)"),
                                  Lexikon);

} // namespace

} // namespace lexovita::cli
