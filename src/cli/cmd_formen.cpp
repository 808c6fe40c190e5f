// lexovita-cli formen: every form of entries given as JSON Lines on stdin,
// or of one stored entry (--data DIR --id N).

#include "befehle.h"

#include "model/fehler.h"
#include "morph/formenjson.h"
#include "morph/formenmanager.h"

#include <QFile>
#include <cstdio>

#if __has_include("app/datenzugang.h")
#include "app/datenzugang.h"
#include "app/vokabeldienst.h"
#include "konsolenrueckfrage.h"
#define LEXOVITA_FORMEN_MIT_DATENBANK 1
#endif

namespace lexovita::cli {

namespace {

void Schreiben(const QByteArray &zeile)
{
    std::fwrite(zeile.constData(), 1, size_t(zeile.size()), stdout);
    std::fputc('\n', stdout);
}

int AusEingabe(bool laengen)
{
    QFile ein;
    if (!ein.open(stdin, QIODevice::ReadOnly)) {
        Fehler(QStringLiteral("Die Standardeingabe kann nicht gelesen werden."));
        return 2;
    }
    TFormenmanager manager;
    manager.SetLaengen(laengen);
    bool fehlerGesehen = false;
    while (!ein.atEnd()) {
        const QByteArray zeile = ein.readLine().trimmed();
        if (zeile.isEmpty())
            continue; // blank lines carry no entry
        TFormenAnfrage anfrage;
        QString fehler;
        if (!FormenAnfrageLesen(zeile, anfrage, fehler)) {
            Schreiben(FehlerAntwort(anfrage.key, fehler));
            fehlerGesehen = true;
            continue;
        }
        FormenAnfrageErzeugen(manager, anfrage);
        Schreiben(FormenAntwort(anfrage.key, manager.Ergebnisliste()));
    }
    std::fflush(stdout);
    return fehlerGesehen ? 1 : 0;
}

#ifdef LEXOVITA_FORMEN_MIT_DATENBANK

int AusDatenbank(const QString &ordner, const QString &idText, bool laengen)
{
    bool ok = false;
    const int32_t id = idText.toInt(&ok);
    if (!ok || id <= 0) {
        Fehler(QStringLiteral("--id erwartet eine positive ganze Zahl."));
        return 2;
    }
    try {
        TKonsolenRueckfrage rueckfrage;
        TDatenzugang zugang(ordner, TDatenzugang::Modus::NurVorhandene, rueckfrage);
        if (!zugang.Bereit()) {
            Fehler(
                QStringLiteral("Die Datenbank in \"%1\" hat ein älteres Format; bitte zuerst mit dem Programm öffnen.")
                    .arg(ordner));
            return 2;
        }
        // The stored entry with its special forms, which overlay the generated ones.
        const std::unique_ptr<TVokabel> v = TVokabeldienst(zugang.Kern()).Laden(id);
        if (!v) {
            Fehler(QStringLiteral("Keine Vokabel mit der Nummer %1.").arg(id));
            return 1;
        }
        TFormenmanager manager;
        manager.SetLaengen(laengen);
        manager.AlleFormenErzeugen(*v);
        Schreiben(FormenAntwort(QJsonValue(id), manager.Ergebnisliste()));
        std::fflush(stdout);
        return 0;
    } catch (const std::exception &e) {
        // Like the other commands: 2 is kept for a wrong call, this is a failed one.
        Fehler(FehlerMeldung(e));
        return 1;
    }
}

#endif

int Formen(const Aufruf &aufruf)
{
    // --laengen writes every text with its vowel lengths; it may stand anywhere.
    QStringList argumente = aufruf.argumente;
    const bool laengen = argumente.removeAll(QStringLiteral("--laengen")) > 0;
    const qsizetype i = argumente.indexOf(QStringLiteral("--id"));
    if (i < 0) {
        if (!argumente.isEmpty()) {
            Fehler(QStringLiteral("formen: unbekanntes Argument \"%1\".").arg(argumente.first()));
            return 2;
        }
        return AusEingabe(laengen);
    }
#ifdef LEXOVITA_FORMEN_MIT_DATENBANK
    if (i + 1 >= argumente.size()) {
        Fehler(QStringLiteral("--id erwartet eine Nummer."));
        return 2;
    }
    // "--id N" is the whole call: a second --id or anything else is a mistake.
    if (argumente.size() != 2) {
        QStringList uebrig = argumente;
        uebrig.remove(i, 2);
        Fehler(QStringLiteral("formen: unbekanntes Argument \"%1\".").arg(uebrig.first()));
        return 2;
    }
    return AusDatenbank(aufruf.datenOrdner, argumente.at(i + 1), laengen);
#else
    Fehler(QStringLiteral("formen --id: dieses Programm wurde ohne Datenbankanbindung gebaut."));
    return 2;
#endif
}

const Registrierung registrierung(QStringLiteral("formen"),
                                  QStringLiteral("formen [--id N] [--laengen]  alle Formen von Vokabeln (JSON Lines "
                                                 "auf stdin, oder Vokabel N der Datenbank); --laengen: mit "
                                                 "Vokallängen"),
                                  Formen);

} // namespace

} // namespace lexovita::cli
