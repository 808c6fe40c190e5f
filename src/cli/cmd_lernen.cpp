// Spaced repetition for scripts: the due entries and recording an answer.

#include "befehle.h"

#include "app/start.h"

#include "app/datenzugang.h"
#include "app/wiederholdienst.h"
#include "konsolenrueckfrage.h"
#include "model/fehler.h"
#include "model/textpruefung.h"

#include <QDateTime>
#include <cstdio>
#include <optional>

namespace lexovita::cli {

namespace {

// Takes "--name WERT" out of the arguments; false with a message when the
// value is missing.
bool OptionNehmen(QStringList &argumente, const QString &name, std::optional<QString> &wert)
{
    const qsizetype i = argumente.indexOf(name);
    if (i < 0)
        return true;
    if (i + 1 >= argumente.size()) {
        Fehler(QStringLiteral("%1 erwartet einen Wert.").arg(name));
        return false;
    }
    wert = argumente[i + 1];
    argumente.remove(i, 2);
    return true;
}

int Faellig(const Aufruf &aufruf)
{
    QStringList argumente = aufruf.argumente;
    std::optional<QString> datumText, lehrbuch;
    if (!OptionNehmen(argumente, QStringLiteral("--datum"), datumText) ||
        !OptionNehmen(argumente, QStringLiteral("--lehrbuch"), lehrbuch))
        return 2;
    if (!argumente.isEmpty()) {
        Fehler(QStringLiteral("Unbekanntes Argument „%1“. Aufruf: faellig [--datum JJJJ-MM-TT] [--lehrbuch NAME]")
                   .arg(argumente.first()));
        return 2;
    }
    QDate bis = QDate::currentDate();
    if (datumText) {
        bis = QDate::fromString(*datumText, Qt::ISODate);
        if (!bis.isValid() || datumText->size() != 10 || bis.year() < 1900 || bis.year() > 2100) {
            Fehler(QStringLiteral("Ungültiges Datum „%1“. Erwartet wird JJJJ-MM-TT zwischen 1900 und 2100.")
                       .arg(*datumText));
            return 2;
        }
    }
    try {
        TKonsolenRueckfrage rueckfrage;
        TDatenzugang zugang(aufruf.datenOrdner, TDatenzugang::Modus::NurVorhandene, rueckfrage);
        if (!Bereit(zugang))
            return 1;
        const TFesteUhr uhr(QDateTime(bis, QTime(12, 0)));
        TWiederholdienst dienst(zugang.Kern(), uhr, {});
        int32_t lehrbuchId = 0;
        if (lehrbuch) {
            lehrbuchId = dienst.LehrbuchSuchen(*lehrbuch);
            if (lehrbuchId == 0) {
                Fehler(QStringLiteral("Das Lehrbuch „%1“ gibt es nicht.").arg(*lehrbuch));
                return 1;
            }
        }
        for (const TLernkarte &k : dienst.Faellige(bis, lehrbuchId))
            Ausgabe(QStringLiteral("%1\t%2\t%3\t%4")
                        .arg(k.vokabelId)
                        .arg(TsvFeld(k.vokabel), k.faellig.toString(Qt::ISODate))
                        .arg(k.stabilitaet, 0, 'f', 2));
        return 0;
    } catch (const TFehler &e) {
        Fehler(e.Meldung());
        return 1;
    }
}

int Antwort(const Aufruf &aufruf)
{
    QStringList argumente = aufruf.argumente;
    std::optional<QString> zeitText;
    if (!OptionNehmen(argumente, QStringLiteral("--zeit"), zeitText))
        return 2;
    if (argumente.size() != 2) {
        Fehler(QStringLiteral("Aufruf: antwort ID richtig|falsch [--zeit JJJJ-MM-TTTHH:MM]"));
        return 2;
    }
    bool zahl = false;
    const int id = argumente[0].toInt(&zahl);
    if (!zahl || id <= 0) {
        Fehler(QStringLiteral("Ungültige Vokabel-ID „%1“.").arg(argumente[0]));
        return 2;
    }
    const QString urteil = argumente[1].toLower();
    if (urteil != QLatin1String("richtig") && urteil != QLatin1String("falsch")) {
        Fehler(QStringLiteral("Ungültige Bewertung „%1“. Erwartet wird „richtig“ oder „falsch“.").arg(argumente[1]));
        return 2;
    }
    QDateTime zeit = QDateTime::currentDateTime();
    if (zeitText) {
        zeit = QDateTime::fromString(*zeitText, QStringLiteral("yyyy-MM-ddTHH:mm"));
        // The format also takes a sign or a fifth digit in the year.
        if (!zeit.isValid() || zeitText->size() != 16 || !zeitText->at(0).isDigit()) {
            Fehler(QStringLiteral("Ungültige Zeit „%1“. Erwartet wird JJJJ-MM-TTTHH:MM.").arg(*zeitText));
            return 2;
        }
    }
    try {
        TKonsolenRueckfrage rueckfrage;
        TDatenzugang zugang(aufruf.datenOrdner, TDatenzugang::Modus::NurVorhandene, rueckfrage);
        if (!Bereit(zugang))
            return 1;
        const TFesteUhr uhr(zeit);
        TWiederholdienst dienst(zugang.Kern(), uhr, {});
        if (!dienst.VokabelVorhanden(id)) {
            Fehler(QStringLiteral("Eine Vokabel mit der ID %1 gibt es nicht.").arg(id));
            return 1;
        }
        const QString mangel = dienst.AntwortzeitMangel(id);
        if (!mangel.isEmpty()) {
            Fehler(mangel);
            return 2;
        }
        const TGedaechtnis g = dienst.Antworten(id, urteil == QLatin1String("richtig"), TAbfrageArt::Schriftlich);
        Ausgabe(g.faellig.toString(Qt::ISODate));
        return 0;
    } catch (const TFehler &e) {
        Fehler(e.Meldung());
        return 1;
    }
}

const Registrierung faellig(QStringLiteral("faellig"),
                            QStringLiteral("faellig [--datum JJJJ-MM-TT] [--lehrbuch NAME]  fällige Vokabeln als TSV"),
                            Faellig);
const Registrierung
    antwort(QStringLiteral("antwort"),
            QStringLiteral("antwort ID richtig|falsch [--zeit JJJJ-MM-TTTHH:MM]  eine Antwort speichern"), Antwort);

} // namespace

} // namespace lexovita::cli
