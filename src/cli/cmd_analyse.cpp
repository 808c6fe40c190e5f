// lexovita-cli analyse: word-form analysis of words given as arguments or
// one per line on stdin, one TSV line per result.

#include "befehle.h"

#include "konsolenrueckfrage.h"

#include "app/analysedienst.h"
#include "app/anwendungskern.h"
#include "app/datenzugang.h"
#include "app/lexikonanalyse.h"

#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

namespace lexovita::cli {

namespace {

void Schreiben(const QString &zeile)
{
    const QByteArray b = zeile.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
    std::fputc('\n', stdout);
}

// word, entry id, headword, form identifier, label; a word without results
// keeps its line with four empty fields.
void Ausgeben(const TWortanalyse &analyse, const QString &wort)
{
    const QChar tab = QLatin1Char('\t');
    if (analyse.Ergebnisse().empty()) {
        Schreiben(wort + QStringLiteral("\t\t\t\t"));
        return;
    }
    for (const TLatForm &f : analyse.Ergebnisse()) {
        const TVokabel *v = analyse.Vokabel(f.vokabelId);
        Schreiben(wort + tab + QString::number(f.vokabelId) + tab + (v ? v->vokabel : QString()) + tab +
                  QString::number(f.formId) + tab + f.bezeichnung);
    }
}

// The same with two more fields: source (vokabel, lexikon) and key forms.
void AusgebenMitQuelle(const std::vector<TLexikonTreffer> &treffer, const QString &wort)
{
    const QChar tab = QLatin1Char('\t');
    if (treffer.empty()) {
        Schreiben(wort + QStringLiteral("\t\t\t\t\t\t"));
        return;
    }
    for (const TLexikonTreffer &t : treffer)
        Schreiben(wort + tab + QString::number(t.form.vokabelId) + tab + (t.vokabel ? t.vokabel->vokabel : QString()) +
                  tab + QString::number(t.form.formId) + tab + t.form.bezeichnung + tab +
                  (t.ausLexikon ? QStringLiteral("lexikon") : QStringLiteral("vokabel")) + tab + t.schluesselformen);
}

int Analyse(const Aufruf &aufruf)
{
    QStringList woerter;
    bool zeit = false;
    bool lexikon = false;
    for (const QString &a : aufruf.argumente) {
        if (a == QLatin1String("--zeit"))
            zeit = true;
        else if (a == QLatin1String("--lexikon"))
            lexikon = true;
        else
            woerter.append(a);
    }
    try {
        TKonsolenRueckfrage rueckfrage;
        TDatenzugang zugang(aufruf.datenOrdner, TDatenzugang::Modus::NurVorhandene, rueckfrage);
        if (!zugang.Bereit()) {
            Fehler(QStringLiteral("Die Datenbank in \"%1\" hat ein älteres Format; bitte zuerst mit „init“ "
                                  "aktualisieren.")
                       .arg(aufruf.datenOrdner));
            return 2;
        }
        QElapsedTimer uhr;
        uhr.start();
        TAnalysedienst &dienst = zugang.Kern().Analyse();
        std::unique_ptr<TLexikonAnalyse> beide;
        std::unique_ptr<TAnalysesitzung> sitzung;
        std::unique_ptr<TWortanalyse> analyse;
        if (lexikon) {
            beide = dienst.LexikonAnalyse();
        } else {
            sitzung = std::make_unique<TAnalysesitzung>(dienst); // one snapshot for the whole word list
            analyse = dienst.Analyse();
        }
        qint64 anzahl = 0;
        auto eins = [&](const QString &wort) {
            if (beide) {
                AusgebenMitQuelle(beide->Analysieren(wort), wort);
            } else {
                analyse->Analysieren(wort);
                Ausgeben(*analyse, wort);
            }
            ++anzahl;
        };
        if (!woerter.isEmpty()) {
            for (const QString &w : woerter)
                eins(w);
        } else {
            QFile ein;
            if (!ein.open(stdin, QIODevice::ReadOnly)) {
                Fehler(QStringLiteral("Die Standardeingabe kann nicht gelesen werden."));
                return 2;
            }
            while (!ein.atEnd()) {
                const QString wort = QString::fromUtf8(ein.readLine()).trimmed();
                if (!wort.isEmpty()) // blank lines carry no word
                    eins(wort);
            }
        }
        std::fflush(stdout);
        if (zeit) {
            const double sekunden = double(uhr.nsecsElapsed()) / 1e9;
            std::fprintf(stderr, "%lld Wörter in %.3f s: %.0f Wörter/s\n", static_cast<long long>(anzahl), sekunden,
                         sekunden > 0 ? double(anzahl) / sekunden : 0.0);
        }
        return 0;
    } catch (const DatenbankFehler &f) {
        Fehler(f.Meldung());
        return 1;
    }
}

const Registrierung registrierung(QStringLiteral("analyse"),
                                  QStringLiteral("analyse [--zeit] [--lexikon] [WORT...]  Wortformen bestimmen (Wörter "
                                                 "als Argumente oder eines je Zeile auf stdin), TSV-Ausgabe; mit "
                                                 "--lexikon auch aus dem großen Lexikon, mit Quelle und "
                                                 "Stammformen"),
                                  Analyse);

} // namespace

} // namespace lexovita::cli
