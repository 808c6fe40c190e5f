// Renders every page that the templates produce into a QTextBrowser, the
// widget the program shows them in, and writes each whole page as PNG for a
// look by eye. Fails when a page refers to a picture that does not load or a
// forms table loses a jump anchor, which the eye might miss.
//   render_ansicht <program folder with vorlagen/ and hilfe/> <output prefix>
#include "morph/formenmanager.h"
#include "render/formplatzhalter.h"
#include "render/html.h"
#include "render/seiten.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>

using namespace lexovita;

namespace {

int fehler = 0;

void Melden(const QString &text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    ++fehler;
}

// Draws the whole document, not only the visible part of the widget.
void Abbilden(const QString &name, const QString &html, const QStringList &suchpfade, const QString &ausgabe)
{
    QTextBrowser browser;
    browser.resize(820, 600);
    browser.setSearchPaths(suchpfade);
    browser.setHtml(html);
    QTextDocument *dok = browser.document();
    dok->setTextWidth(800);

    // Every picture the page names must load.
    static const QRegularExpression bild(QStringLiteral("<IMG src=\"([^\"]+)\">"),
                                         QRegularExpression::CaseInsensitiveOption);
    auto it = bild.globalMatch(html);
    while (it.hasNext()) {
        const QString src = it.next().captured(1);
        const QVariant res = dok->resource(QTextDocument::ImageResource, QUrl(src));
        const QVariant geladen = res.isValid() ? res : browser.loadResource(QTextDocument::ImageResource, QUrl(src));
        if (!geladen.isValid() || geladen.value<QImage>().isNull())
            Melden(name + QStringLiteral(": Bild nicht geladen: ") + src);
    }

    QImage bildchen(QSize(int(dok->size().width()) + 1, int(dok->size().height()) + 1), QImage::Format_RGB32);
    bildchen.fill(Qt::white);
    QPainter maler(&bildchen);
    dok->drawContents(&maler);
    maler.end();
    const QString pfad = ausgabe + name + QStringLiteral(".png");
    if (!bildchen.save(pfad))
        Melden(QStringLiteral("Kann nicht schreiben: ") + pfad);
    std::printf("%s (%dx%d)\n", qPrintable(pfad), bildchen.width(), bildchen.height());
    // Long pages also in slices, each readable at full size.
    constexpr int kScheibe = 900;
    for (int teil = 0; bildchen.height() > kScheibe && teil * kScheibe < bildchen.height(); ++teil)
        bildchen.copy(0, teil * kScheibe, bildchen.width(), std::min(kScheibe, bildchen.height() - teil * kScheibe))
            .save(ausgabe + name + QStringLiteral("-teil%1.png").arg(teil + 1));
}

TVokabel Amare()
{
    TVokabel v;
    v.id = 1;
    v.vokabel = QStringLiteral("amare");
    v.form1 = QStringLiteral("amo");
    v.form2 = QStringLiteral("amavi");
    v.form3 = QStringLiteral("amatum");
    v.SetWortart(WA_VERB);
    v.SetKonjDekl(KD_A);
    v.BedeutungHinzufuegen(QStringLiteral("lieben"), QStringLiteral("jdn. oder etw."), 1, 1);
    v.BedeutungHinzufuegen(QStringLiteral("mögen"), QString(), 1, 2);
    v.BedeutungHinzufuegen(QStringLiteral("verliebt sein <in> & schwärmen"), QString(), 2, 1);
    v.MerkhilfeHinzufuegen(QStringLiteral("Amateur"), SPR_DEUTSCH);
    v.MerkhilfeHinzufuegen(QStringLiteral("amorous"), SPR_ENGLISCH);
    v.MerkhilfeHinzufuegen(QStringLiteral("aimer"), SPR_FRANZOESISCH);
    v.MerkhilfeHinzufuegen(QStringLiteral("amar"), SPR_SPANISCH);
    v.MerkhilfeHinzufuegen(QStringLiteral("amare"), SPR_ITALIENISCH);
    v.MerkhilfeHinzufuegen(QStringLiteral("amor (Latein)"), SPR_ANDERE);
    return v;
}

TVokabel Puella()
{
    TVokabel v;
    v.id = 2;
    v.vokabel = QStringLiteral("puella");
    v.form1 = QStringLiteral("puellae");
    v.form2 = QStringLiteral("f");
    v.SetWortart(WA_SUBSTANTIV);
    v.SetKonjDekl(KD_A);
    v.BedeutungHinzufuegen(QStringLiteral("Mädchen"), QString(), 1, 1);
    v.BedeutungHinzufuegen(QStringLiteral("junge Frau"), QString(), 1, 2);
    return v;
}

TVokabel Bonus()
{
    TVokabel v;
    v.id = 3;
    v.vokabel = QStringLiteral("bonus");
    v.form1 = QStringLiteral("bonus");
    v.form2 = QStringLiteral("bona");
    v.form3 = QStringLiteral("bonum");
    v.SetWortart(WA_ADJEKTIV);
    v.SetKonjDekl(KD_O);
    v.BedeutungHinzufuegen(QStringLiteral("gut"), QString(), 1, 1);
    v.MerkhilfeHinzufuegen(QStringLiteral("Bonus"), SPR_DEUTSCH);
    return v;
}

TVokabel Hortari()
{
    TVokabel v;
    v.id = 4;
    v.vokabel = QStringLiteral("hortari");
    v.form1 = QStringLiteral("hortor");
    v.form2 = QStringLiteral("hortatus sum");
    v.SetWortart(WA_VERB);
    v.SetKonjDekl(KD_A);
    v.SetDeponens(true);
    v.BedeutungHinzufuegen(QStringLiteral("ermahnen"), QString(), 1, 1);
    return v;
}

TVokabel Et()
{
    TVokabel v;
    v.id = 5;
    v.vokabel = QStringLiteral("et");
    v.BedeutungHinzufuegen(QStringLiteral("und"), QString(), 1, 1);
    v.BedeutungHinzufuegen(QStringLiteral("auch"), QString(), 1, 2);
    return v;
}

TVokabel Ille()
{
    TVokabel v;
    v.id = 6;
    v.vokabel = QStringLiteral("ille");
    v.form2 = QStringLiteral("m");
    v.SetWortart(WA_PRONOMEN);
    v.BedeutungHinzufuegen(QStringLiteral("jener"), QString(), 1, 1);
    return v;
}

// Stand-in texts of realistic length: the longest Latin forms decide whether
// the columns hold.
QString Probeform(int32_t id)
{
    static const QStringList formen = {QStringLiteral("amavissemus"),          QStringLiteral("amat"),
                                       QStringLiteral("amatus, -a, -um eris"), QStringLiteral("amantium"),
                                       QStringLiteral("amaturarum"),           QString()};
    return formen.at(id % formen.size());
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: render_ansicht <Programmordner> <Ausgabepräfix>\n");
        return 2;
    }
    const QDir programm(QString::fromLocal8Bit(argv[1]));
    const QDir vorlagen(programm.filePath(QStringLiteral("vorlagen")));
    const QString aus = QString::fromLocal8Bit(argv[2]);
    const auto lesen = [&](const char *name) { return VorlageLesen(vorlagen.filePath(QString::fromLatin1(name))); };

    const TVokabel amare = Amare(), puella = Puella(), bonus = Bonus(), hortari = Hortari(), et = Et(), ille = Ille();

    // The entry page is shown from memory with the program folder as base.
    Abbilden(QStringLiteral("vokabel"), VokabelSeite(amare, lesen("vokabel.htm")).join('\n'), {programm.absolutePath()},
             aus);
    Abbilden(QStringLiteral("vokabel-ohne-merkhilfen"), VokabelSeite(et, lesen("vokabel.htm")).join('\n'),
             {programm.absolutePath()}, aus);
    // Pages saved as vorlagen/tmp.htm resolve pictures inside vorlagen/.
    Abbilden(QStringLiteral("analyse"),
             AnalyseSeite(amare, lesen("analyse.htm"),
                          {QStringLiteral("Infinitiv Präsens Aktiv"), QStringLiteral("2. Prs. Sg. Imperativ I")})
                 .join('\n'),
             {vorlagen.absolutePath()}, aus);

    LektionsDaten lektion;
    lektion.name = QStringLiteral("Lektion 3: Die Familie");
    lektion.vokabeln = {&amare, &puella, &bonus, &et};
    lektion.text = {QStringLiteral("Puella bona matrem amat. Mater puellam bonam amat;"),
                    QStringLiteral("et pater puellam amat."), QString(),
                    QStringLiteral("Ein sehr langer Satz, der zeigen soll, dass auch lange Zeilen im Druck "
                                   "sauber umbrechen und nicht über den Rand hinauslaufen, wie es sein soll.")};
    const VokabelFormTextFn formen = [](const TVokabel &v, int32_t id) {
        if (v.vokabel == QLatin1String("bonus"))
            return id == 0x122000   ? QStringLiteral("melior")
                   : id == 0x1A2000 ? QStringLiteral("optimus")
                                    : QStringLiteral("bene");
        return Probeform(id);
    };
    for (const char *haupt : {"drucken_vt_Standard.htm", "drucken_tv_Standard.htm"}) {
        const QStringList dok = LektionDokument(
            lektion, true, DruckVorlagen::Laden(vorlagen.absolutePath(), QString::fromLatin1(haupt)), formen);
        Abbilden(QStringLiteral("druck-") + QString::fromLatin1(haupt).section('_', 1, 1), dok.join('\n'),
                 {vorlagen.absolutePath()}, aus);
    }
    LektionsDaten ohneBilder = lektion;
    ohneBilder.text.clear();
    Abbilden(QStringLiteral("druck-v-ohne-bilder"),
             LektionDokument(ohneBilder, false, DruckVorlagen::Laden(vorlagen.absolutePath(), "drucken_v_Standard.htm"),
                             formen)
                 .join('\n'),
             {vorlagen.absolutePath()}, aus);
    LektionsDaten nurText = lektion;
    nurText.vokabeln.clear();
    Abbilden(
        QStringLiteral("druck-t"),
        LektionDokument(nurText, true, DruckVorlagen::Laden(vorlagen.absolutePath(), "drucken_t_Standard.htm"), formen)
            .join('\n'),
        {vorlagen.absolutePath()}, aus);

    const struct {
        const TVokabel *v;
        const char *name;
    } tabellen[] = {{&amare, "tabelle-verb"},
                    {&hortari, "tabelle-deponens"},
                    {&puella, "tabelle-substantiv"},
                    {&bonus, "tabelle-adjektiv"},
                    {&ille, "tabelle-pronomen"}};
    for (const auto &t : tabellen) {
        const QStringList vorlage = lesen(qPrintable(FormentabelleVorlage(*t.v)));
        // The tables show what the generator really builds, so a look at
        // them checks the templates and the forms together.
        TFormenmanager generator;
        const QStringList seite = FormentabelleSeite(*t.v, vorlage, [&](int32_t id) {
            generator.Zuruecksetzen();
            generator.FormenErzeugen(*t.v, id);
            return generator.Ergebnisliste().empty() ? QString() : generator.Ergebnisliste().front().text;
        });
        const QString html = seite.join('\n');
        if (html.contains(QStringLiteral("<!-- #Form(")))
            Melden(QString::fromLatin1(t.name) + QStringLiteral(": Platzhalter übrig"));
        // The jump list navigates to these; the document must know each one.
        QTextBrowser probe;
        probe.setHtml(html);
        for (const QString &anker : Sprungmarken(seite))
            if (!probe.document()->toHtml().contains(QStringLiteral("name=\"") + anker + QLatin1Char('"')))
                Melden(QString::fromLatin1(t.name) + QStringLiteral(": Sprungmarke fehlt: ") + anker);
        Abbilden(QString::fromLatin1(t.name), html, {vorlagen.absolutePath()}, aus);
    }

    const TestTexte texte = {VorlageText(vorlagen.filePath("test_konjdekl_verb.txt")),
                             VorlageText(vorlagen.filePath("test_konjdekl_substantiv.txt")),
                             VorlageText(vorlagen.filePath("test_konjdekl_adjektiv.txt"))};
    Abbilden(QStringLiteral("vokabeltest"),
             VokabeltestSeite({&amare, &puella, &bonus, &et}, true, true, lesen("vokabeltest.htm"), texte).join('\n'),
             {vorlagen.absolutePath()}, aus);

    const QDir hilfe(programm.filePath(QStringLiteral("hilfe")));
    for (const QString &datei : hilfe.entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name))
        Abbilden(QStringLiteral("hilfe-") + QFileInfo(datei).baseName(), VorlageText(hilfe.filePath(datei)),
                 {hilfe.absolutePath()}, aus);
    return fehler == 0 ? 0 : 1;
}
