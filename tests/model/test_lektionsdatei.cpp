#include "model/lektionsdatei.h"
#include "model/textpruefung.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace lexovita;

namespace {

std::unique_ptr<TVokabel> Amare()
{
    auto v = std::make_unique<TVokabel>();
    v->id = 11;
    v->vokabel = QStringLiteral("amare");
    v->SetWortart(WA_VERB);
    v->SetKonjDekl(KD_A);
    v->form1 = QStringLiteral("amo");
    v->form2 = QStringLiteral("amavi");
    v->form3 = QStringLiteral("amatum");
    v->BedeutungHinzufuegen(QStringLiteral("lieben"), QStringLiteral("jemanden"), 1, 1);
    v->BedeutungHinzufuegen(QStringLiteral("gern haben"), {}, 1, 2);
    v->BedeutungHinzufuegen(QStringLiteral("pflegen"), {}, 2, 1);
    v->MerkhilfeHinzufuegen(QStringLiteral("amour"), SPR_FRANZOESISCH);
    v->MerkhilfeHinzufuegen(QStringLiteral("amabile"), SPR_ITALIENISCH);
    v->sonderformen.push_back(std::make_unique<TLatForm>(11, QStringLiteral("amasti"), 0x2A2));
    return v;
}

std::unique_ptr<TVokabel> Res()
{
    auto v = std::make_unique<TVokabel>();
    v->vokabel = QStringLiteral("res");
    v->SetWortart(WA_SUBSTANTIV);
    v->SetKonjDekl(KD_E);
    v->form1 = QStringLiteral("rei");
    v->form2 = QStringLiteral("f");
    v->BedeutungHinzufuegen(QStringLiteral("Sache & \"Ding\" <allg.>"), QStringLiteral("Rücksicht"), 1, 1);
    return v;
}

// A lesson with two entries and a text with special characters and a blank line.
std::unique_ptr<TLektion> Beispiel(const QString &name)
{
    auto l = std::make_unique<TLektion>();
    l->name = name;
    l->VokabelAnhaengen(Amare());
    l->VokabelAnhaengen(Res());
    l->text = QStringList{QStringLiteral("Amo te, Marce & Iulia."), QString(), QStringLiteral("  \"Quid agis?\" ")};
    return l;
}

void ErwarteFehler(const QByteArray &xml, int zeile, const QString &teil)
{
    try {
        LektionsdateiLesen(xml);
        ADD_FAILURE() << "accepted:\n" << xml.toStdString();
    } catch (const TLektionsdateiFehler &f) {
        EXPECT_EQ(f.Zeile(), zeile) << f.what();
        EXPECT_TRUE(f.Meldung().startsWith(QStringLiteral("Fehler in Zeile %1: ").arg(zeile))) << f.what();
        EXPECT_TRUE(f.Meldung().contains(teil)) << f.what();
    }
}

// A minimal valid file around one VOK body (the VOK starts on line 4).
QByteArray MitVok(const QByteArray &inneres)
{
    return "<?xml version=\"1.0\"?>\n<LEXOVITA>\n<LEKTION name=\"L\">\n<VOK>\n" + inneres +
           "</VOK>\n</LEKTION>\n</LEXOVITA>\n";
}

} // namespace

TEST(LektionsdateiSchreiben, WritesEachPartOnlyWhenItHasAValue)
{
    TLektion l;
    l.name = QStringLiteral("Lektion 1");
    auto v = std::make_unique<TVokabel>();
    v->vokabel = QStringLiteral("ire");
    v->SetWortart(WA_VERB); // inflection class 0
    v->BedeutungHinzufuegen(QStringLiteral("gehen"), {}, 1, 1);
    l.VokabelAnhaengen(std::move(v));
    QDomDocument doc;
    QDomElement wurzel = doc.createElement(QStringLiteral("X"));
    doc.appendChild(wurzel);
    TLektionManager::LektionSchreiben(l, wurzel);
    EXPECT_EQ(doc.toString(-1), QStringLiteral("<X><LEKTION name=\"Lektion 1\"><VOK><NAME>ire</NAME>"
                                               "<BED><WORT>gehen</WORT><GRUPPE>1</GRUPPE><POS>1</POS></BED>"
                                               "<WORTART>1</WORTART><ATTRIBUTE>1</ATTRIBUTE></VOK></LEKTION></X>"));
}

TEST(LektionsdateiSchreiben, AFullEntryWritesItsChildrenInTheFixedOrder)
{
    TLektion l;
    l.name = QStringLiteral("L");
    l.VokabelAnhaengen(Amare());
    l.text = QStringList{QStringLiteral("a"), QStringLiteral("b")};
    QDomDocument doc;
    QDomElement wurzel = doc.createElement(QStringLiteral("X"));
    doc.appendChild(wurzel);
    LektionSchreiben(l, wurzel);
    const QString erwartet =
        QStringLiteral("<X><LEKTION name=\"L\"><VOK><NAME>amare</NAME>"
                       "<BED><WORT>lieben</WORT><KOMMENTAR>jemanden</KOMMENTAR><GRUPPE>1</GRUPPE><POS>1</POS></BED>"
                       "<BED><WORT>gern haben</WORT><GRUPPE>1</GRUPPE><POS>2</POS></BED>"
                       "<BED><WORT>pflegen</WORT><GRUPPE>2</GRUPPE><POS>1</POS></BED>"
                       "<FORM1>amo</FORM1><FORM2>amavi</FORM2><FORM3>amatum</FORM3>"
                       "<WORTART>1</WORTART><KONJDEKL>8</KONJDEKL><ATTRIBUTE>9</ATTRIBUTE>"
                       "<MERKHILFE sprache=\"3\">amour</MERKHILFE><MERKHILFE sprache=\"5\">amabile</MERKHILFE>"
                       "<SF fid=\"674\">amasti</SF></VOK>"
                       "<TEXT>a&#xd;\nb</TEXT></LEKTION></X>");
    EXPECT_EQ(doc.toString(-1), erwartet);
}

TEST(LektionsdateiSchreiben, ATextbookFileStartsWithTheTemplatePrologWhenPresent)
{
    QTemporaryDir dir;
    auto l = Beispiel(QStringLiteral("L1"));
    const QByteArray ohne = LehrbuchAlsXml(QStringLiteral("Prima"), {l.get()}, dir.path());
    EXPECT_TRUE(ohne.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LEXOVITA>\n  <BUCH name=\"Prima\">\n"
                                "    <LEKTION name=\"L1\">\n"));
    EXPECT_FALSE(ohne.contains("DOCTYPE"));

    const QByteArray dtd = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                           "<!DOCTYPE LEXOVITA [\n<!ELEMENT LEXOVITA (BUCH | LEKTION)*>\n]>";
    {
        QFile f(QDir(dir.path()).filePath(QStringLiteral("import.dtd")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(dtd);
    }
    const QByteArray mit = LehrbuchAlsXml(QStringLiteral("Prima"), {l.get()}, dir.path());
    // The file is UTF-8, so the declared encoding is corrected; the rest is the template's.
    EXPECT_TRUE(mit.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE LEXOVITA [\n"
                               "<!ELEMENT LEXOVITA (BUCH | LEKTION)*>\n]>\n<LEXOVITA>\n"))
        << mit.left(200).toStdString();
    EXPECT_EQ(LektionsdateiLesen(mit).front().lektionen.front()->name, QStringLiteral("L1"));
}

TEST(LektionsdateiSchreiben, ExportNamesAndMessage)
{
    EXPECT_EQ(XmlDateiname(QStringLiteral("/tmp/prima")), QStringLiteral("/tmp/prima.xml"));
    EXPECT_EQ(XmlDateiname(QStringLiteral("/tmp/prima.xml")), QStringLiteral("/tmp/prima.xml"));
    EXPECT_EQ(ExportMeldung(QStringLiteral("Prima")), QStringLiteral("Das Lehrbuch \"Prima\" wurde exportiert."));
}

TEST(LektionsdateiLesen, ReadsTextbooksLessonsAndEveryPartOfAnEntry)
{
    auto l1 = Beispiel(QStringLiteral("L1"));
    TLektion l2;
    l2.name = QStringLiteral("L2");
    const auto buecher = LektionsdateiLesen(LehrbuchAlsXml(QStringLiteral("Prima"), {l1.get(), &l2}, {}));
    ASSERT_EQ(buecher.size(), 1u);
    EXPECT_EQ(buecher[0].name, QStringLiteral("Prima"));
    EXPECT_FALSE(buecher[0].ohneLehrbuch);
    ASSERT_EQ(buecher[0].lektionen.size(), 2u);
    const TLektion &l = *buecher[0].lektionen[0];
    EXPECT_EQ(l.name, QStringLiteral("L1"));
    EXPECT_EQ(l.lehrbuch, QStringLiteral("Prima"));
    EXPECT_EQ(l.text, l1->text);
    EXPECT_FALSE(l.geaendert);
    ASSERT_EQ(l.Anzahl(), 2);
    const TVokabel &v = *l.vokabeln[0];
    EXPECT_TRUE(v.IstGleich(*l1->vokabeln[0]));
    EXPECT_EQ(v.id, 0); // ids belong to a database, not to the file
    EXPECT_EQ(v.attribute, WA_VERB | KD_A);
    ASSERT_EQ(v.bedeutungen.size(), 3u);
    EXPECT_EQ(v.bedeutungen[0]->kommentar, QStringLiteral("jemanden"));
    EXPECT_EQ(v.bedeutungen[2]->gruppe, 2);
    EXPECT_EQ(v.bedeutungen[1]->position, 2);
    EXPECT_EQ(v.merkhilfen[1]->sprache, SPR_ITALIENISCH);
    ASSERT_EQ(v.sonderformen.size(), 1u);
    EXPECT_EQ(v.sonderformen[0]->formId, 0x2A2);
    EXPECT_EQ(l.vokabeln[1]->bedeutungen[0]->bedeutung, QStringLiteral("Sache & \"Ding\" <allg.>"));
    EXPECT_EQ(l.vokabeln[1]->form2, QStringLiteral("f"));
    EXPECT_TRUE(buecher[0].lektionen[1]->text.isEmpty());
    EXPECT_EQ(buecher[0].lektionen[1]->Anzahl(), 0);
}

TEST(LektionsdateiLesen, WriteReadWriteGivesTheSameFile)
{
    auto l1 = Beispiel(QStringLiteral("Lektion \"eins\" & <zwei>"));
    // Notes (the source of a reading text) travel with the lesson; a lesson
    // without notes writes no element for them.
    l1->notizen = QStringList{QStringLiteral("Lesetext nach Caesar, De bello Gallico 1,1 & <vereinfacht>"),
                              QStringLiteral("zweite Zeile")};
    auto l2 = Beispiel(QStringLiteral("Ü"));
    l2->text = QStringList{QString()};
    l2->vokabeln[0]->attribute |= ATTR_DEPONENS | ATTR_RESERVIERT;
    const QByteArray erst = LehrbuchAlsXml(QStringLiteral("Buch ä"), {l1.get(), l2.get()}, {});
    EXPECT_EQ(erst.count("<NOTIZEN>"), 1);
    const auto buecher = LektionsdateiLesen(erst);
    EXPECT_EQ(buecher.at(0).lektionen.at(0)->notizen, l1->notizen);
    EXPECT_TRUE(buecher.at(0).lektionen.at(1)->notizen.isEmpty());
    std::vector<const TLektion *> gelesen;
    for (const auto &l : buecher.at(0).lektionen)
        gelesen.push_back(l.get());
    EXPECT_EQ(LehrbuchAlsXml(buecher[0].name, gelesen, {}), erst);

    const QByteArray einzeln = LektionAlsXml(*l1, {});
    const auto lose = LektionsdateiLesen(einzeln);
    ASSERT_EQ(lose.size(), 1u);
    EXPECT_TRUE(lose[0].ohneLehrbuch);
    EXPECT_EQ(LektionAlsXml(*lose[0].lektionen.at(0), {}), einzeln);
}

TEST(LektionsdateiLesen, AFileOnDiskRoundTripsAndAMissingFileIsReported)
{
    QTemporaryDir dir;
    const QString datei = XmlDateiname(dir.filePath(QStringLiteral("prima")));
    auto l = Beispiel(QStringLiteral("L1"));
    XmlDateiSchreiben(datei, LehrbuchAlsXml(QStringLiteral("Prima"), {l.get()}, {}));
    EXPECT_EQ(LektionsdateiLaden(datei).at(0).lektionen.at(0)->Anzahl(), 2);
    EXPECT_THROW(LektionsdateiLaden(dir.filePath(QStringLiteral("fehlt.xml"))), TLektionsdateiFehler);
    EXPECT_THROW(XmlDateiSchreiben(dir.filePath(QStringLiteral("kein/ordner/x.xml")), "x"), TLektionsdateiFehler);
}

TEST(LektionsdateiLesen, TheProjectTemplatePrologIsAccepted)
{
    const QString vorlagen = QStringLiteral(LEXOVITA_VORLAGEN);
    ASSERT_TRUE(QFile::exists(vorlagen + QStringLiteral("/import.dtd"))) << vorlagen.toStdString();
    auto l = Beispiel(QStringLiteral("L1"));
    const QByteArray xml = LehrbuchAlsXml(QStringLiteral("Prima"), {l.get()}, vorlagen);
    EXPECT_TRUE(xml.contains("<!DOCTYPE LEXOVITA"));
    EXPECT_EQ(LektionsdateiLesen(xml).at(0).lektionen.at(0)->Anzahl(), 2);
}

TEST(LektionsdateiFehlerhaft, MalformedXmlIsRejectedWithItsLine)
{
    ErwarteFehler("<?xml version=\"1.0\"?>\n<LEXOVITA>\n<BUCH name=\"x\">\n</LEXOVITA>\n", 4,
                  QStringLiteral("kein gültiges XML-Dokument"));
    ErwarteFehler("", 1, QStringLiteral("kein gültiges XML-Dokument"));
    ErwarteFehler(MitVok("<NAME>a &amp b</NAME>\n<WORTART>1</WORTART>\n"), 5, QStringLiteral("XML"));
    // Deep nesting is refused before the document parser, which would need
    // minutes for it; the line is that of the first element too deep.
    const QByteArray tief = "<LEXOVITA>\n" + QByteArray("<BUCH>").repeated(50000) + "\n</LEXOVITA>";
    ErwarteFehler(tief, 2, QStringLiteral("tiefer als 64 Ebenen verschachtelt"));
}

TEST(LektionsdateiFehlerhaft, UnknownOrMisplacedElementsNameTheirLine)
{
    ErwarteFehler("<?xml version=\"1.0\"?>\n<LEKTIONEN/>\n", 2, QStringLiteral("Wurzelelement <LEKTIONEN>"));
    ErwarteFehler(MitVok("<NAME>a</NAME>\n<WORTART>1</WORTART>\n<GENUS>f</GENUS>\n"), 7,
                  QStringLiteral("Unbekanntes Element <GENUS> in <VOK>"));
    ErwarteFehler(MitVok("<NAME>a</NAME>\n<WORTART>1</WORTART>\n<FORM1>b</FORM1>\n"), 7,
                  QStringLiteral("<FORM1> steht in <VOK> an falscher Stelle"));
    ErwarteFehler(MitVok("<NAME>a</NAME>\n<FORM1>b</FORM1>\n<FORM1>c</FORM1>\n<WORTART>1</WORTART>\n"), 7,
                  QStringLiteral("<FORM1> kommt in <VOK> mehrfach vor"));
    ErwarteFehler(MitVok("<NAME>a<B>x</B></NAME>\n<WORTART>1</WORTART>\n"), 5, QStringLiteral("<B> in <NAME>"));
    ErwarteFehler(MitVok("<NAME>a</NAME>\nlose\n<WORTART>1</WORTART>\n"), 6, QStringLiteral("Unerwarteter Text"));
    ErwarteFehler("<LEXOVITA>\n<BUCH name=\"b\">\n<VOK/>\n</BUCH>\n</LEXOVITA>", 3, QStringLiteral("<VOK> in <BUCH>"));
    ErwarteFehler("<LEXOVITA>\n<LEKTION name=\"L\">\n<NOTIZEN>n</NOTIZEN>\n<TEXT>t</TEXT>\n</LEKTION>\n</LEXOVITA>", 4,
                  QStringLiteral("<TEXT> steht in <LEKTION> an falscher Stelle"));
}

TEST(LektionsdateiFehlerhaft, MissingPartsNameTheLineOfTheirParent)
{
    ErwarteFehler(MitVok("<WORTART>1</WORTART>\n"), 4, QStringLiteral("In <VOK> fehlt das Element <NAME>"));
    ErwarteFehler(MitVok("<NAME>a</NAME>\n"), 4, QStringLiteral("fehlt das Element <WORTART>"));
    ErwarteFehler(MitVok("<NAME>a</NAME>\n<BED><WORT>x</WORT><POS>1</POS></BED>\n<WORTART>1</WORTART>\n"), 6,
                  QStringLiteral("In <BED> fehlt das Element <GRUPPE>"));
    ErwarteFehler(MitVok("<NAME>a</NAME>\n<WORTART>1</WORTART>\n<SF>amo</SF>\n"), 7,
                  QStringLiteral("fehlt das Attribut \"fid\""));
    ErwarteFehler("<LEXOVITA>\n<BUCH>\n</BUCH>\n</LEXOVITA>", 2, QStringLiteral("fehlt das Attribut \"name\""));
    ErwarteFehler(MitVok("<NAME>a</NAME>\n<BED><WORT> </WORT><GRUPPE>1</GRUPPE><POS>1</POS></BED>\n"
                         "<WORTART>1</WORTART>\n"),
                  6, QStringLiteral("<WORT> ist leer"));
}

TEST(LektionsdateiFehlerhaft, InvalidCodesAreRejected)
{
    ErwarteFehler(MitVok("<NAME>a</NAME>\n<WORTART>7</WORTART>\n"), 6, QStringLiteral("\"7\" in <WORTART>"));
    ErwarteFehler(MitVok("<NAME>a</NAME>\n<WORTART>v</WORTART>\n"), 6, QStringLiteral("\"v\" in <WORTART>"));
    ErwarteFehler(MitVok("<NAME>a</NAME>\n<WORTART>2</WORTART>\n<KONJDEKL>12</KONJDEKL>\n"), 7,
                  QStringLiteral("in <KONJDEKL>"));
    ErwarteFehler(MitVok("<NAME>a</NAME>\n<WORTART>2</WORTART>\n<KONJDEKL>64</KONJDEKL>\n"), 7,
                  QStringLiteral("in <KONJDEKL>"));
    ErwarteFehler(MitVok("<NAME>a</NAME>\n<WORTART>2</WORTART>\n<KONJDEKL>8</KONJDEKL>\n<ATTRIBUTE>17</ATTRIBUTE>\n"),
                  8, QStringLiteral("passt nicht zu <WORTART> und <KONJDEKL>"));
    ErwarteFehler(MitVok("<NAME>a</NAME>\n<WORTART>2</WORTART>\n<ATTRIBUTE>4098</ATTRIBUTE>\n"), 7,
                  QStringLiteral("in <ATTRIBUTE>"));
    ErwarteFehler(MitVok("<NAME>a</NAME>\n<BED><WORT>x</WORT><GRUPPE>0</GRUPPE><POS>1</POS></BED>\n"
                         "<WORTART>1</WORTART>\n"),
                  6, QStringLiteral("in <GRUPPE>"));
    ErwarteFehler(MitVok("<NAME>a</NAME>\n<WORTART>1</WORTART>\n<MERKHILFE sprache=\"9\">x</MERKHILFE>\n"), 7,
                  QStringLiteral("Attribut \"sprache\" von <MERKHILFE>"));
    ErwarteFehler(MitVok("<NAME>a</NAME>\n<WORTART>1</WORTART>\n<SF fid=\"-3\">x</SF>\n"), 7, QStringLiteral("\"-3\""));
}

TEST(LektionsdateiLesen, WithoutAttributeWordTheCodesAreCombinedAndCommentsAreIgnored)
{
    const auto b = LektionsdateiLesen(MitVok("<!-- Kommentar -->\n<NAME>res</NAME>\n<WORTART>2</WORTART>\n"
                                             "<KONJDEKL>16</KONJDEKL>\n"));
    const TVokabel &v = *b.at(0).lektionen.at(0)->vokabeln.at(0);
    EXPECT_EQ(v.Wortart(), WA_SUBSTANTIV);
    EXPECT_EQ(v.KonjDekl(), KD_E);
    EXPECT_EQ(v.attribute, WA_SUBSTANTIV | KD_E);
}

// Files from elsewhere: entities, over-long fields, characters XML cannot
// hold and files that are no files are refused before anything is kept.
TEST(LektionsdateiFehlerhaft, HostileFilesAreRefusedWithTheirLine)
{
    const QByteArray lang(kMaxWortLaenge + 1, 'a');
    const QByteArray name(kMaxNamenLaenge + 1, 'n');
    const struct {
        const char *fall;
        QByteArray xml;
        int zeile;
        const char *teil;
    } faelle[] = {
        {"Entität, 30000-mal benutzt",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE LEXOVITA [\n<!ENTITY b \"" + QByteArray(4000, 'b') +
             "\">\n]>\n<LEXOVITA><LEKTION name=\"L\"><VOK><NAME>" + QByteArray("&b;").repeated(30000) +
             "</NAME><WORTART>3</WORTART></VOK></LEKTION></LEXOVITA>\n",
         4, "Entitäten"},
        {"Stichwort zu lang", MitVok("<NAME>" + lang + "</NAME>\n<WORTART>3</WORTART>\n"), 5,
         "<NAME> ist mit 1001 Zeichen zu lang; erlaubt sind höchstens 1000 Zeichen."},
        {"Bedeutung zu lang",
         MitVok("<NAME>x</NAME>\n<BED><WORT>" + lang +
                "</WORT><GRUPPE>1</GRUPPE><POS>1</POS></BED>\n<WORTART>3</WORTART>\n"),
         6, "<WORT> ist mit 1001 Zeichen zu lang"},
        {"Lektionstext zu lang",
         "<?xml version=\"1.0\"?>\n<LEXOVITA>\n<LEKTION name=\"L\">\n<TEXT>" +
             QByteArray(kMaxLektionstextLaenge + 1, 't') + "</TEXT>\n</LEKTION>\n</LEXOVITA>\n",
         4, "<TEXT> ist mit"},
        {"Lehrbuchname zu lang", "<?xml version=\"1.0\"?>\n<LEXOVITA>\n<BUCH name=\"" + name + "\"/>\n</LEXOVITA>\n", 3,
         "Das Attribut \"name\" von <BUCH> ist mit 201 Zeichen zu lang"},
        {"Lektionsname zu lang", "<?xml version=\"1.0\"?>\n<LEXOVITA>\n<LEKTION name=\"" + name + "\"/>\n</LEXOVITA>\n",
         3, "<LEKTION>"},
        {"Steuerzeichen als Zeichenreferenz", MitVok("<NAME>a&#1;b</NAME>\n<WORTART>3</WORTART>\n"), 5, "Zeile"},
        {"ungültiges UTF-8 in Zeile 6",
         "<?xml version=\"1.0\"?>\n<LEXOVITA>\n<LEKTION "
         "name=\"L\">\n<VOK>\n<WORTART>3</WORTART>\n<NAME>a\xff\xfe"
         "b</NAME>\n"
         "</VOK></LEKTION></LEXOVITA>\n",
         6, "UTF-8"},
        {"U+FFFE als Zeichenreferenz", MitVok("<NAME>a&#xFFFE;b</NAME>\n<WORTART>3</WORTART>\n"), 5, "Zeile"},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.fall);
        ErwarteFehler(f.xml, f.zeile, QString::fromUtf8(f.teil));
    }
}

TEST(LektionsdateiFehlerhaft, OnlyRegularFilesAreRead)
{
    QTemporaryDir d;
    const QString fifo = d.filePath(QStringLiteral("rohr.xml"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &datei : {fifo, QStringLiteral("/dev/zero"), d.path()}) {
        SCOPED_TRACE(datei.toStdString());
        try {
            LektionsdateiLaden(datei);
            ADD_FAILURE() << "read";
        } catch (const TLektionsdateiFehler &f) {
            EXPECT_TRUE(f.Meldung().contains(QStringLiteral("keine gewöhnliche Datei"))) << f.what();
        }
    }
}

// Text already stored with characters XML cannot hold, or longer than the
// limits, is written so that the file reads again.
TEST(LektionsdateiSchreiben, StoredControlCharactersAndOverlongTextsStillGiveAReadableFile)
{
    auto l = Beispiel(QStringLiteral("L\x01") + QString(300, QLatin1Char('n')));
    l->vokabeln[0]->vokabel = QStringLiteral("ama\x1b[2Jre") + QChar(0xFFFE);
    l->vokabeln[0]->bedeutungen[0]->bedeutung =
        QStringLiteral("lie") + QChar(0) + QStringLiteral("ben") + QChar(0xD800);
    l->vokabeln[1]->form1 = QString(5000, QLatin1Char('f'));
    const QByteArray xml = LehrbuchAlsXml(QStringLiteral("Buch\x07"), {l.get()}, QString());
    const auto gelesen = LektionsdateiLesen(xml);
    ASSERT_EQ(gelesen.size(), 1u);
    EXPECT_EQ(gelesen[0].name, QStringLiteral("Buch") + QChar(0xFFFD));
    const TLektion &w = *gelesen[0].lektionen.at(0);
    EXPECT_EQ(w.name.size(), kMaxNamenLaenge);
    EXPECT_EQ(w.vokabeln[0]->vokabel, QStringLiteral("ama\uFFFD[2Jre\uFFFD"));
    EXPECT_EQ(w.vokabeln[0]->bedeutungen[0]->bedeutung, QStringLiteral("lie\uFFFDben\uFFFD"));
    EXPECT_EQ(w.vokabeln[1]->form1, QString(kMaxWortLaenge, QLatin1Char('f')));
}

TEST(Textpruefung, CharactersXmlCannotHoldAreFoundAndTsvFieldsAreEscaped)
{
    const QChar hoch(0xD83C), tief(0xDFDB); // one pair: a character outside the BMP
    const struct {
        QString text;
        qsizetype unzulaessig;
        QString tsv;
    } faelle[] = {
        {QStringLiteral("amare"), -1, QStringLiteral("amare")},
        {QStringLiteral("a\tb\nc\rd"), -1, QStringLiteral("a\\tb\\nc\\rd")},
        {QStringLiteral("x\x01"), 1, QStringLiteral("x\\x01")},
        {QString(QChar(0)) + QStringLiteral("a"), 0, QStringLiteral("\\x00a")},
        {QStringLiteral("\x1b]0;Titel\x07"), 0, QStringLiteral("\\x1b]0;Titel\\x07")},
        {QStringLiteral("a") + QChar(0x9B) + QStringLiteral("2J"), -1, QStringLiteral("a\\x9b2J")},
        {QStringLiteral("a\\b"), -1, QStringLiteral("a\\\\b")},
        {QStringLiteral("ab") + QChar(0xFFFE), 2, QStringLiteral("ab") + QChar(0xFFFE)},
        {QStringLiteral("ab") + QChar(0xFFFF), 2, QStringLiteral("ab") + QChar(0xFFFF)},
        {QString(hoch) + tief, -1, QString(hoch) + tief},
        {QStringLiteral("a") + hoch, 1, QStringLiteral("a") + hoch},
        {QString(tief) + hoch, 0, QString(tief) + hoch},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.text.toStdString());
        EXPECT_EQ(UnzulaessigesZeichen(f.text), f.unzulaessig);
        EXPECT_EQ(TsvFeld(f.text), f.tsv);
        EXPECT_EQ(TextMangel(f.text, QStringLiteral("Das Feld"), 100).isEmpty(), f.unzulaessig < 0);
    }
    EXPECT_EQ(TextMangel(QStringLiteral("x\x01"), QStringLiteral("Das Stichwort"), 100),
              QStringLiteral("Das Stichwort enthält das unzulässige Steuerzeichen U+0001 (an Stelle 2)."));
    EXPECT_EQ(TextMangel(QString(11, QLatin1Char('a')), QStringLiteral("Der Name"), 10),
              QStringLiteral("Der Name ist mit 11 Zeichen zu lang; erlaubt sind höchstens 10 Zeichen."));
}

// The lesson file carries headword and principal parts as typed, vowel lengths
// included; a file written before lengths existed reads as it always did.
TEST(LektionsdateiLesen, VowelLengthsSurviveTheFileAndAnOlderFileWithoutThemReadsAsBefore)
{
    struct Fall {
        const char *vokabel, *form1, *form2, *form3;
    };
    const Fall faelle[] = {
        {"amāre", "amō", "amāvī", "amātum"},
        {"rēx", "rēgis", "m", ""},
        {"Ȳmēttus", "Ȳmēttī", "m", ""},
        {"amare", "amo", "amavi", "amatum"},
    };
    for (const Fall &f : faelle) {
        TLektion l;
        l.name = QStringLiteral("L");
        auto v = std::make_unique<TVokabel>();
        v->vokabel = QString::fromUtf8(f.vokabel);
        v->form1 = QString::fromUtf8(f.form1);
        v->form2 = QString::fromUtf8(f.form2);
        v->form3 = QString::fromUtf8(f.form3);
        v->SetWortart(WA_VERB);
        l.VokabelAnhaengen(std::move(v));
        const QByteArray xml = LehrbuchAlsXml(QStringLiteral("B"), {&l}, {});
        EXPECT_TRUE(xml.contains(QByteArray("<NAME>") + f.vokabel + "</NAME>")) << xml.toStdString();
        const TVokabel &gelesen = *LektionsdateiLesen(xml).at(0).lektionen.at(0)->vokabeln.at(0);
        EXPECT_EQ(gelesen.vokabel.toUtf8(), QByteArray(f.vokabel));
        EXPECT_EQ(gelesen.form1.toUtf8(), QByteArray(f.form1));
        EXPECT_EQ(gelesen.form2.toUtf8(), QByteArray(f.form2));
        EXPECT_EQ(gelesen.form3.toUtf8(), QByteArray(f.form3));
    }
    // A file as the starter textbooks were shipped before they had lengths.
    const QByteArray alt =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LEXOVITA>\n  <BUCH name=\"Grundwortschatz Latein\">\n"
        "    <LEKTION name=\"Lektion 1\">\n      <VOK>\n        <NAME>amicus</NAME>\n"
        "        <BED>\n          <WORT>Freund</WORT>\n          <GRUPPE>1</GRUPPE>\n"
        "          <POS>1</POS>\n        </BED>\n        <FORM1>amici</FORM1>\n"
        "        <FORM2>m</FORM2>\n        <WORTART>2</WORTART>\n        <KONJDEKL>32</KONJDEKL>\n"
        "        <ATTRIBUTE>34</ATTRIBUTE>\n      </VOK>\n    </LEKTION>\n  </BUCH>\n</LEXOVITA>\n";
    const auto buecher = LektionsdateiLesen(alt);
    const TVokabel &v = *buecher.at(0).lektionen.at(0)->vokabeln.at(0);
    EXPECT_EQ(v.vokabel, QStringLiteral("amicus"));
    EXPECT_EQ(v.form1, QStringLiteral("amici"));
    EXPECT_EQ(v.form2, QStringLiteral("m"));
    EXPECT_EQ(v.attribute, WA_SUBSTANTIV | KD_O);
}
