// Runs every golden paradigm file through the same path as
// "lexovita-cli formen" and compares the records as multisets.

#include "morph/formenjson.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <map>
#include <tuple>

using namespace lexovita;

namespace {

using Zeile = std::tuple<int32_t, QString, QString, int32_t>; // form_id, label, text, variante

QString Zeigen(const Zeile &z)
{
    return QStringLiteral("%1\t%2\t%3\t%4").arg(std::get<0>(z)).arg(std::get<1>(z), std::get<2>(z)).arg(std::get<3>(z));
}

struct Golden {
    QByteArray eingabe;
    std::map<Zeile, std::vector<int>> erwartet; // row -> line numbers
    QStringList fehler;
};

Golden Lesen(const QString &pfad)
{
    Golden g;
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        g.fehler << QStringLiteral("nicht lesbar");
        return g;
    }
    int nr = 0;
    while (!f.atEnd()) {
        ++nr;
        QByteArray roh = f.readLine();
        if (roh.endsWith('\n'))
            roh.chop(1);
        if (roh.endsWith('\r'))
            roh.chop(1);
        const QString zeile = QString::fromUtf8(roh);
        if (zeile.trimmed().isEmpty() || zeile.startsWith(QLatin1Char('#')))
            continue;
        if (zeile.startsWith(QLatin1String("@eingabe "))) {
            g.eingabe = roh.mid(9);
            continue;
        }
        const QStringList teile = zeile.split(QLatin1Char('\t'));
        bool ok1 = false, ok2 = false;
        const int32_t id = teile.value(0).toInt(&ok1);
        const int32_t variante = teile.value(3).toInt(&ok2);
        if (teile.size() != 4 || !ok1 || !ok2) {
            g.fehler << QStringLiteral("Zeile %1 unlesbar: %2").arg(nr).arg(zeile);
            continue;
        }
        g.erwartet[{id, teile[1], teile[2], variante}].push_back(nr);
    }
    if (g.eingabe.isEmpty())
        g.fehler << QStringLiteral("keine @eingabe-Zeile");
    return g;
}

QStringList GoldenDateien()
{
    const QDir dir(QStringLiteral(LEXOVITA_TESTDATA_DIR "/golden"));
    QStringList pfade;
    for (const QString &name : dir.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name))
        pfade << dir.filePath(name);
    return pfade;
}

} // namespace

TEST(GoldenParadigmen, EveryFileMatchesTheGeneratedFormsAsAMultiset)
{
    const QStringList dateien = GoldenDateien();
    ASSERT_FALSE(dateien.isEmpty()) << "no golden files under tests/morph/golden";
    TFormenmanager manager;
    for (const QString &pfad : dateien) {
        SCOPED_TRACE(pfad.toStdString());
        Golden g = Lesen(pfad);
        ASSERT_TRUE(g.fehler.isEmpty()) << g.fehler.join(QLatin1Char('\n')).toStdString();
        TFormenAnfrage anfrage;
        QString fehler;
        ASSERT_TRUE(FormenAnfrageLesen(g.eingabe, anfrage, fehler)) << fehler.toStdString();
        FormenAnfrageErzeugen(manager, anfrage);

        QStringList zusaetzlich;
        for (const TLatForm &f : manager.Ergebnisliste()) {
            const Zeile z{f.formId, f.bezeichnung, f.text, f.variante};
            auto it = g.erwartet.find(z);
            if (it != g.erwartet.end() && !it->second.empty())
                it->second.pop_back();
            else
                zusaetzlich << Zeigen(z);
        }
        QStringList fehlend;
        for (const auto &[z, zeilen] : g.erwartet)
            for (int nr : zeilen)
                fehlend << QStringLiteral("Zeile %1: %2").arg(nr).arg(Zeigen(z));
        EXPECT_TRUE(fehlend.isEmpty() && zusaetzlich.isEmpty())
            << QFileInfo(pfad).fileName().toStdString() << "\nmissing (expected, not generated):\n  "
            << fehlend.join(QStringLiteral("\n  ")).toStdString() << "\nextra (generated, not expected):\n  "
            << zusaetzlich.join(QStringLiteral("\n  ")).toStdString();
    }
}
