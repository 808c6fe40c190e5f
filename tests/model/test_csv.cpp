#include "model/csv.h"
#include "model/lektionsdatei.h"

#include <gtest/gtest.h>

using namespace lexovita;

namespace {

// Records as "line:field|field" for compact comparison.
QStringList Kurz(const TCsvTabelle &t)
{
    QStringList aus;
    for (const TCsvZeile &z : t.zeilen)
        aus << QString::number(z.zeile) + QLatin1Char(':') + z.felder.join(QLatin1Char('|'));
    return aus;
}

TEST(Csv, LesenWieTabellenprogrammeSchreiben)
{
    struct Fall {
        const char *name;
        QByteArray bytes;
        char trenner;
        bool bom, cp1252;
        QStringList erwartet;
    };
    const QString umlaut = QStringLiteral("Bedeutung|Grüße");
    const std::vector<Fall> faelle = {
        {"Semikolon, LF",
         "Vokabel;Formen\namare;amo, amavi\n",
         ';',
         false,
         false,
         {"1:Vokabel|Formen", "2:amare|amo, amavi"}},
        {"BOM und CRLF",
         "\xEF\xBB\xBFVokabel;Bedeutung\r\nres;Gr\xC3\xBC\xC3\x9F"
         "e\r\n",
         ';',
         true,
         false,
         {"1:Vokabel|Bedeutung", QStringLiteral("2:res|Grüße")}},
        {"Komma mit Anführungszeichen",
         "Latein,Formen,Deutsch\r\namare,\"amo, amavi, amatum\",lieben\r\n",
         ',',
         false,
         false,
         {"1:Latein|Formen|Deutsch", "2:amare|amo, amavi, amatum|lieben"}},
        {"Tabulator",
         "Latein\tFormen\tDeutsch\nrex\tregis, m.\tKönig\n",
         '\t',
         false,
         false,
         {"1:Latein|Formen|Deutsch", QStringLiteral("2:rex|regis, m.|König")}},
        {"Semikolon gewinnt bei gleich vielen Kommas",
         "amare;amo, amavi, amatum;lieben\nmonere;moneo, monui, monitum;mahnen\n",
         ';',
         false,
         false,
         {"1:amare|amo, amavi, amatum|lieben", "2:monere|moneo, monui, monitum|mahnen"}},
        {"verdoppelte Anführungszeichen und Zeilenumbruch im Feld",
         "a;b\r\nres;\"Sache, \"\"Ding\"\"\r\nzweite Zeile\"\r\nrex;K\xC3\xB6nig\r\n",
         ';',
         false,
         false,
         {"1:a|b", "2:res|Sache, \"Ding\"\nzweite Zeile", QStringLiteral("4:rex|König")}},
        {"Windows-1252",
         "Vokabel;Bedeutung\r\nres;Gr\xFC\xDF"
         "e \x80 \x84"
         "Ding\x93\r\n",
         ';',
         false,
         true,
         {"1:Vokabel|Bedeutung", QStringLiteral("2:res|Grüße € „Ding“")}},
        {"leere Zeilen und Zeilen nur aus Trennern",
         "a;b\n\n;\r\n  ;  \nc;d\n\n",
         ';',
         false,
         false,
         {"1:a|b", "5:c|d"}},
        {"nur CR als Zeilenende", "a;b\rc;d\r", ';', false, false, {"1:a|b", "2:c|d"}},
        {"letzte Zeile ohne Zeilenende, leeres letztes Feld", "a;b;c\nx;;", ';', false, false, {"1:a|b|c", "2:x||"}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        const TCsvTabelle t = CsvLesen(f.bytes);
        EXPECT_EQ(t.trenner, QLatin1Char(f.trenner));
        EXPECT_EQ(t.bom, f.bom);
        EXPECT_EQ(t.windows1252, f.cp1252);
        EXPECT_EQ(Kurz(t), f.erwartet);
    }
}

TEST(Csv, NieGeschlossenesAnfuehrungszeichenNenntSeineZeile)
{
    try {
        CsvLesen("a;b\nc;d\ne;\"offen\nf;g\n");
        FAIL() << "kein Fehler";
    } catch (const TLektionsdateiFehler &f) {
        EXPECT_EQ(f.Zeile(), 3);
        EXPECT_TRUE(f.Meldung().contains(QStringLiteral("Anführungszeichen")));
    }
}

TEST(Csv, SchreibenUndZuruecklesenUndFormelnEntschaerfen)
{
    struct Fall {
        QString text;
        QString feld; // as written with ";"
    };
    const std::vector<Fall> faelle = {
        {QStringLiteral("lieben"), QStringLiteral("lieben")},
        {QStringLiteral("a; b"), QStringLiteral("\"a; b\"")},
        {QStringLiteral("sagt \"ja\""), QStringLiteral("\"sagt \"\"ja\"\"\"")},
        {QStringLiteral("zwei\nZeilen"), QStringLiteral("\"zwei\nZeilen\"")},
        {QStringLiteral(" Rand"), QStringLiteral("\" Rand\"")},
        {QStringLiteral("=SUMME(A1)"), QStringLiteral("'=SUMME(A1)")},
        {QStringLiteral("+ Akk."), QStringLiteral("'+ Akk.")},
        {QStringLiteral("-que"), QStringLiteral("'-que")},
        {QStringLiteral("@x;y"), QStringLiteral("\"'@x;y\"")},
        {QStringLiteral("'quoted'"), QStringLiteral("'quoted'")},
    };
    QStringList felder;
    for (const Fall &f : faelle) {
        EXPECT_EQ(CsvFeld(f.text, QLatin1Char(';')), f.feld) << f.text.toStdString();
        felder << f.text;
    }
    // The whole record read back gives the texts again.
    const QString satz = CsvDatensatz(QStringList{QStringLiteral("x"), QStringLiteral("y")}, QLatin1Char(';')) +
                         CsvDatensatz(felder, QLatin1Char(';'));
    const TCsvTabelle t = CsvLesen(satz.toUtf8());
    ASSERT_EQ(t.zeilen.size(), 2u);
    QStringList zurueck;
    for (const QString &f : t.zeilen[1].felder)
        zurueck << CsvFeldZurueck(f);
    EXPECT_EQ(zurueck, felder);
}

TEST(Csv, InhaltErkennen)
{
    EXPECT_TRUE(SiehtNachCsvAus("Vokabel;Formen\n"));
    EXPECT_TRUE(SiehtNachCsvAus("\xEF\xBB\xBFVokabel;Formen\n"));
    EXPECT_FALSE(SiehtNachCsvAus("\xEF\xBB\xBF  <?xml version=\"1.0\"?><LEXOVITA/>"));
    EXPECT_FALSE(SiehtNachCsvAus("\n<LEXOVITA/>"));
    EXPECT_FALSE(SiehtNachCsvAus(""));
}

} // namespace
