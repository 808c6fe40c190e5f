// lexovita-cli speichern: stores entries given as JSON Lines on stdin, each
// in its own transaction as the vocabulary editor's OK does.

#include "befehle.h"

#include "app/datenzugang.h"
#include "app/vokabeldienst.h"
#include "konsolenrueckfrage.h"
#include "model/textpruefung.h"
#include "morph/formenjson.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace lexovita::cli {

namespace {

// The meanings of a line: "bedeutungen": ["Text", ...], all in group 1.
void BedeutungenLesen(const QByteArray &zeile, TVokabel &v)
{
    const QJsonArray liste = QJsonDocument::fromJson(zeile).object().value(QStringLiteral("bedeutungen")).toArray();
    int32_t position = 1;
    for (const QJsonValue &b : liste)
        if (b.isString() && !b.toString().trimmed().isEmpty())
            v.BedeutungHinzufuegen(b.toString().trimmed(), QString(), 1, position++);
}

int Speichern(const Aufruf &aufruf)
{
    if (!aufruf.argumente.isEmpty()) {
        Fehler(QStringLiteral("speichern: unbekanntes Argument „%1“. Die Vokabeln kommen von der Standardeingabe.")
                   .arg(aufruf.argumente.first()));
        return 2;
    }
    QFile ein;
    if (!ein.open(stdin, QIODevice::ReadOnly)) {
        Fehler(QStringLiteral("Die Standardeingabe kann nicht gelesen werden."));
        return 2;
    }
    try {
        // No one can answer on the console. "Nein" stores an entry with a
        // namesake as a second entry (never replacing the stored one) and
        // upgrades an older database without a backup.
        TKonsolenRueckfrage rueckfrage(Antwort::Nein);
        TDatenzugang zugang(aufruf.datenOrdner, TDatenzugang::Modus::NurVorhandene, rueckfrage);
        if (zugang.Aktualisieren() == TAktualisierung::Abgebrochen) {
            Fehler(QStringLiteral("Die Datenbank muss erst mit „init“ aktualisiert werden."));
            return 1;
        }
        // The editor's OK, without open lessons.
        TVokabeldienst dienst(zugang.Kern());
        int nr = 0, gespeichert = 0, fehler = 0;
        while (!ein.atEnd()) {
            const QByteArray zeile = ein.readLine().trimmed();
            ++nr;
            if (zeile.isEmpty())
                continue;
            TFormenAnfrage anfrage;
            QString meldung;
            if (!FormenAnfrageLesen(zeile, anfrage, meldung)) {
                Fehler(QStringLiteral("Zeile %1: %2").arg(nr).arg(meldung));
                ++fehler;
                continue;
            }
            TVokabel &v = anfrage.vokabel;
            v.id = 0;
            BedeutungenLesen(zeile, v);
            try {
                if (dienst.Speichern(v)) {
                    ++gespeichert;
                    Ausgabe(QString::number(v.id) + QLatin1Char('\t') + TsvFeld(v.vokabel));
                }
            } catch (const TTextFehler &f) {
                Fehler(QStringLiteral("Zeile %1: %2 Die Vokabel wurde nicht gespeichert.").arg(nr).arg(f.Meldung()));
                ++fehler;
            }
        }
        Ausgabe(gespeichert == 1 ? QStringLiteral("1 Vokabel gespeichert.")
                                 : QStringLiteral("%1 Vokabeln gespeichert.").arg(gespeichert));
        return fehler == 0 ? 0 : 1;
    } catch (const DatenbankFehler &f) {
        Fehler(QStringLiteral("%1 Die übrigen Vokabeln wurden nicht gespeichert.").arg(f.Meldung()));
        return 1;
    }
}

const Registrierung kSpeichern(QStringLiteral("speichern"),
                               QStringLiteral("speichern  Vokabeln aus JSON-Zeilen der Standardeingabe speichern "
                                              "(Felder wie bei „formen“, dazu \"bedeutungen\")"),
                               Speichern);

} // namespace

} // namespace lexovita::cli
