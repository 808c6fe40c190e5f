#include "render/seiten.h"

#include "render/html.h"

#include <QDir>
#include <algorithm>

namespace lexovita {

namespace {

const QString kVokabel = QStringLiteral("<!-- #Vokabel -->");
const QString kWortart = QStringLiteral("<!-- #Wortart -->");
const QString kFormen = QStringLiteral("<!-- #Formen -->");
const QString kKonjDekl = QStringLiteral("<!-- #KonjDekl -->");
const QString kMerkhilfen = QStringLiteral("<!-- #Merkhilfen -->");
const QString kBedeutungen = QStringLiteral("<!-- #Bedeutungen -->");
const QString kAnalyse = QStringLiteral("<!-- #Analyse -->");
const QString kVokabelAnfang = QStringLiteral("<!-- #VokabelAnfang -->");
const QString kVokabelEnde = QStringLiteral("<!-- #VokabelEnde -->");
const QString kText = QStringLiteral("<!-- #Text -->");
const QString kUeberschrift = QStringLiteral("<!-- #Ueberschrift -->");
const QString kNr = QStringLiteral("<!-- #Nr -->");
const QString kTrennlinie = QStringLiteral("<!-- #Trennlinie -->");
const QString kAnweisung = QStringLiteral("<!-- #Anweisung -->");

const QString kKeineMerkhilfen = QStringLiteral("<FONT color=\"#808080\"><I>Keine Merkhilfen vorhanden</I></FONT>");

// Headword, word class, principal parts and inflection class, as on the entry
// and analysis pages.
QString KopfdatenErsetzen(QString zeile, const TVokabel &v, TLaengenAnzeige anzeige)
{
    zeile = MarkerErsetzen(zeile, kVokabel, HtmlMaskieren(LaengenZeigen(v.vokabel, anzeige)));
    zeile = MarkerErsetzen(zeile, kWortart, HtmlMaskieren(v.WortartText()));
    zeile = MarkerErsetzen(zeile, kFormen, HtmlMaskieren(LaengenZeigen(v.FormenText(), anzeige)));
    zeile = MarkerErsetzen(zeile, kKonjDekl, HtmlMaskieren(v.KonjDeklText()));
    return zeile;
}

const QStringList &BlockFuer(const DruckVorlagen &vorlagen, const TVokabel &v)
{
    switch (v.Wortart()) {
    case WA_VERB:
        return vorlagen.verb;
    case WA_SUBSTANTIV:
        return vorlagen.substantiv;
    case WA_ADJEKTIV:
        return vorlagen.adjektiv;
    default:
        return vorlagen.vokabel;
    }
}

} // namespace

LektionsDaten LektionsDatenAus(const TLektion &lektion)
{
    LektionsDaten d;
    d.name = lektion.name;
    d.text = lektion.text;
    d.notizen = lektion.notizen;
    for (const auto &v : lektion.vokabeln)
        d.vokabeln.push_back(v.get());
    return d;
}

QStringList BedeutungenTabelle(const TVokabel &vokabel)
{
    // Sorted by group, then position; equal keys keep their order. The entry
    // itself stays untouched.
    std::vector<const TBedeutung *> sortiert;
    for (const auto &b : vokabel.bedeutungen)
        sortiert.push_back(b.get());
    std::stable_sort(sortiert.begin(), sortiert.end(), [](const TBedeutung *a, const TBedeutung *b) {
        return a->gruppe != b->gruppe ? a->gruppe < b->gruppe : a->position < b->position;
    });

    QStringList aus;
    aus.append(QStringLiteral("<TABLE border=\"0\">"));
    QString gesammelt;
    const TBedeutung *vorige = nullptr;
    for (const TBedeutung *b : sortiert) {
        if (!vorige || b->gruppe != vorige->gruppe) {
            if (!gesammelt.isEmpty())
                aus.append(gesammelt);
            gesammelt.clear();
            if (vorige)
                aus.append(QStringLiteral("</TD></TR>"));
            aus.append(QStringLiteral("<TR><TD valign=\"top\">%1)</TD><TD>").arg(b->gruppe));
        }
        if (!gesammelt.isEmpty())
            gesammelt += QStringLiteral(", ");
        gesammelt += HtmlMaskieren(b->bedeutung);
        if (!b->kommentar.isEmpty())
            gesammelt += QStringLiteral(" <FONT color=\"#808080\"><I>(") + HtmlMaskieren(b->kommentar) +
                         QStringLiteral(")</I></FONT>");
        vorige = b;
    }
    if (!gesammelt.isEmpty())
        aus.append(gesammelt);
    aus.append(QStringLiteral("</TABLE>"));
    return aus;
}

QStringList MerkhilfenZeilen(const TVokabel &vokabel, const QString &bildOrdner)
{
    if (vokabel.merkhilfen.empty())
        return {kKeineMerkhilfen};
    QStringList aus;
    aus.append(QStringLiteral("<TABLE border=\"0\">"));
    for (const auto &m : vokabel.merkhilfen) {
        const QString flagge = SpracheFlagge(m->sprache);
        const QString bild =
            flagge.isEmpty() ? QString() : QStringLiteral("<IMG src=\"") + bildOrdner + flagge + QStringLiteral("\">");
        aus.append(QStringLiteral("<TR><TD>") + bild + QStringLiteral("</TD><TD>") + HtmlMaskieren(m->merkhilfe) +
                   QStringLiteral("</TD></TR>"));
    }
    aus.append(QStringLiteral("</TABLE>"));
    return aus;
}

QString MerkhilfenTabelle(const TVokabel &vokabel, bool mitBildern)
{
    static const char *const kKuerzel[] = {"", "D:", "E:", "F:", "S:", "I:"};
    QString zeile = QStringLiteral("<TABLE border=\"0\">");
    for (const auto &m : vokabel.merkhilfen) {
        QString zeichen;
        const QString flagge = SpracheFlagge(m->sprache);
        if (mitBildern) {
            // No picture for other languages: an image without source would
            // show as a broken picture in the viewer.
            if (!flagge.isEmpty())
                zeichen = QStringLiteral("<IMG src=\"") + flagge + QStringLiteral("\">");
        } else if (m->sprache >= 1 && m->sprache <= 5) {
            zeichen = QLatin1String(kKuerzel[m->sprache]);
        }
        zeile += QStringLiteral("<TR><TD>") + zeichen + QStringLiteral("</TD><TD>") + HtmlMaskieren(m->merkhilfe) +
                 QStringLiteral("</TD></TR>");
    }
    zeile += QStringLiteral("</TABLE>");
    return zeile;
}

QStringList VokabelSeite(const TVokabel &vokabel, const QStringList &vorlage, const QString &bildOrdner,
                         TLaengenAnzeige anzeige)
{
    QStringList aus;
    for (const QString &vorlagenZeile : vorlage) {
        const QString zeile = KopfdatenErsetzen(vorlagenZeile, vokabel, anzeige.Fuer(vokabel));
        if (zeile.contains(kMerkhilfen))
            aus += MerkhilfenZeilen(vokabel, bildOrdner);
        if (zeile.contains(kBedeutungen))
            aus += BedeutungenTabelle(vokabel);
        aus.append(zeile);
    }
    return aus;
}

QString VokabelSeiteHtml(const TVokabel &vokabel, TLaengenAnzeige anzeige)
{
    const QStringList vorlage = VorlageLesen(QDir(VorlagenOrdner()).filePath(QStringLiteral("vokabel.htm")));
    return VokabelSeite(vokabel, vorlage, QStringLiteral("vorlagen/"), anzeige).join(QLatin1Char('\n'));
}

QStringList AnalyseSeite(const TVokabel &vokabel, const QStringList &vorlage, const QStringList &bezeichnungen,
                         TLaengenAnzeige anzeige)
{
    QStringList aus;
    for (const QString &vorlagenZeile : vorlage) {
        const QString zeile = KopfdatenErsetzen(vorlagenZeile, vokabel, anzeige.Fuer(vokabel));
        if (zeile.contains(kAnalyse)) {
            bool eine = false;
            for (const QString &b : bezeichnungen) {
                if (b.isEmpty())
                    continue;
                aus.append(QStringLiteral("<LI>") + HtmlMaskieren(b) + QStringLiteral("</LI>"));
                eine = true;
            }
            if (!eine)
                aus.append(QStringLiteral("<FONT color=\"#808080\"><I>Keine Formen erkannt</I></FONT>"));
        }
        if (zeile.contains(kMerkhilfen))
            aus += MerkhilfenZeilen(vokabel, QString());
        if (zeile.contains(kBedeutungen))
            aus += BedeutungenTabelle(vokabel);
        aus.append(zeile);
    }
    return aus;
}

QString DruckVorlageName(bool vokabeln, bool text, bool textZuerst)
{
    if (vokabeln && text)
        return textZuerst ? QStringLiteral("drucken_tv_Standard.htm") : QStringLiteral("drucken_vt_Standard.htm");
    if (vokabeln)
        return QStringLiteral("drucken_v_Standard.htm");
    if (text)
        return QStringLiteral("drucken_t_Standard.htm");
    return {};
}

QString DruckVorlageFuer(const LektionsDaten &lektion)
{
    return DruckVorlageName(!lektion.vokabeln.empty(), !lektion.text.isEmpty());
}

DruckVorlagen DruckVorlagen::Laden(const QString &ordner, const QString &hauptVorlage)
{
    const QDir dir(ordner);
    DruckVorlagen v;
    v.verb = VorlageLesen(dir.filePath(QStringLiteral("drucken_verb.htm")));
    v.substantiv = VorlageLesen(dir.filePath(QStringLiteral("drucken_substantiv.htm")));
    v.adjektiv = VorlageLesen(dir.filePath(QStringLiteral("drucken_adjektiv.htm")));
    v.vokabel = VorlageLesen(dir.filePath(QStringLiteral("drucken_vokabel.htm")));
    if (!hauptVorlage.isEmpty())
        v.haupt = VorlageLesen(dir.filePath(hauptVorlage));
    return v;
}

QStringList LektionDokument(const LektionsDaten &lektion, bool mitBildern, const DruckVorlagen &vorlagen,
                            const VokabelFormTextFn &formText, TLaengenAnzeige anzeige)
{
    QStringList aus;
    const int anzahl = int(lektion.vokabeln.size());
    for (const QString &vorlagenZeile : vorlagen.haupt) {
        if (vorlagenZeile.contains(kVokabelAnfang)) {
            for (int i = 0; i < anzahl; ++i) {
                const TVokabel &v = *lektion.vokabeln[size_t(i)];
                const TLaengenAnzeige dieser = anzeige.Fuer(v);
                const QString formen = LaengenZeigen(v.FormenText(), dieser);
                const FormTextFn formenDieser = [&](int32_t id) { return formText ? formText(v, id) : QString(); };
                for (QString zeile : BlockFuer(vorlagen, v)) {
                    zeile = MarkerErsetzen(zeile, kNr, QString::number(i + 1));
                    zeile = MarkerErsetzen(zeile, kVokabel, HtmlMaskieren(LaengenZeigen(v.vokabel, dieser)));
                    zeile = MarkerErsetzen(zeile, kBedeutungen,
                                           HtmlMaskieren(v.BedeutungenText()) + QStringLiteral("<BR>"));
                    if (!formen.isEmpty())
                        zeile = MarkerErsetzen(zeile, kFormen, HtmlMaskieren(formen) + QStringLiteral("<BR>"));
                    if (v.KonjDekl() != 0)
                        zeile =
                            MarkerErsetzen(zeile, kKonjDekl, HtmlMaskieren(v.KonjDeklText()) + QStringLiteral("<BR>"));
                    if (!v.merkhilfen.empty())
                        zeile = MarkerErsetzen(zeile, kMerkhilfen, MerkhilfenTabelle(v, mitBildern));
                    zeile = FormMarkerErsetzen(zeile, v, formenDieser, anzeige);
                    if (i + 1 < anzahl)
                        zeile = MarkerErsetzen(zeile, kTrennlinie, QStringLiteral("<HR>"));
                    aus.append(zeile);
                }
            }
            if (anzahl == 0)
                aus.append(QStringLiteral("(Keine Vokabeln vorhanden)"));
        }
        if (vorlagenZeile.contains(kText)) {
            for (const QString &textZeile : lektion.text)
                aus.append(HtmlMaskieren(textZeile));
            if (lektion.text.isEmpty())
                aus.append(QStringLiteral("(Kein Text vorhanden)"));
        }
        aus.append(MarkerErsetzen(vorlagenZeile, kUeberschrift, HtmlMaskieren(lektion.name)));
    }
    aus.append(DokumentFusszeile());
    return aus;
}

QStringList LektionDokument(const LektionsDaten &lektion, bool mitBildern, const QString &vorlagenPfad,
                            const VokabelFormTextFn &formText, TLaengenAnzeige anzeige)
{
    const QString ordner = VorlagenOrdner();
    QString haupt = vorlagenPfad;
    if (haupt.isEmpty()) {
        const QString name = DruckVorlageFuer(lektion);
        if (!name.isEmpty())
            haupt = QDir(ordner).filePath(name);
    }
    DruckVorlagen vorlagen = DruckVorlagen::Laden(ordner, QString());
    if (!haupt.isEmpty())
        vorlagen.haupt = VorlageLesen(QDir(ordner).filePath(haupt)); // absolute paths stay as given
    return LektionDokument(lektion, mitBildern, vorlagen, formText, anzeige);
}

QStringList VokabeltestSeite(const std::vector<const TVokabel *> &vokabeln, bool stammformen, bool konjDekl,
                             const QStringList &vorlage, const TestTexte &texte, TLaengenAnzeige anzeige)
{
    static const QString kFormenZeile =
        QStringLiteral("<TR><TD rowspan=\"2\" valign=\"top\"><I>Formen:</I></TD><TD>&nbsp;</TD></TR>"
                       "<TR><TD width=\"100%\"><HR noshade></TD></TR>");

    // Cut the block out of the template; its lines become empty lines.
    QStringList zeilen = vorlage;
    QStringList block;
    bool imBlock = false;
    for (QString &zeile : zeilen) {
        if (zeile.contains(kVokabelEnde))
            break;
        if (imBlock) {
            block.append(zeile);
            zeile.clear();
        } else if (zeile.contains(kVokabelAnfang)) {
            imBlock = true;
        }
    }

    // The instruction asks only for what the sheet has room for.
    QString anweisung = QStringLiteral("Schreibe zu jeder Vokabel die Bedeutung auf.");
    if (stammformen && konjDekl)
        anweisung += QStringLiteral(" Wo danach gefragt ist, erg&auml;nze auch die Stammformen und die Konjugation "
                                    "bzw. Deklination.");
    else if (stammformen)
        anweisung += QStringLiteral(" Wo &bdquo;Formen:&ldquo; steht, erg&auml;nze auch die Stammformen.");
    else if (konjDekl)
        anweisung += QStringLiteral(" Wo danach gefragt ist, erg&auml;nze auch die Konjugation bzw. Deklination.");

    QStringList aus;
    for (const QString &vorlagenZeile : zeilen) {
        const QString zeile = MarkerErsetzen(vorlagenZeile, kAnweisung, anweisung);
        if (zeile.contains(kVokabelAnfang)) {
            int nr = 0;
            for (const TVokabel *v : vokabeln) {
                ++nr;
                const int wa = v->Wortart();
                const bool mitFormen = stammformen && (wa == WA_VERB || wa == WA_SUBSTANTIV || wa == WA_ADJEKTIV);
                QString klassenText;
                bool mitKlasse = konjDekl;
                switch (wa) {
                case WA_VERB:
                    klassenText = texte.verb;
                    break;
                case WA_SUBSTANTIV:
                    klassenText = texte.substantiv;
                    break;
                case WA_ADJEKTIV:
                    klassenText = texte.adjektiv;
                    break;
                default:
                    mitKlasse = false;
                }
                for (QString b : block) {
                    b = MarkerErsetzen(b, kNr, QString::number(nr));
                    b = MarkerErsetzen(b, kVokabel, HtmlMaskieren(LaengenZeigen(v->vokabel, anzeige.Fuer(*v))));
                    if (mitFormen)
                        b = MarkerErsetzen(b, kFormen, kFormenZeile);
                    if (mitKlasse)
                        b = MarkerErsetzen(b, kKonjDekl, klassenText);
                    aus.append(b);
                }
            }
        }
        aus.append(zeile);
    }
    aus.append(DokumentFusszeile());
    return aus;
}

} // namespace lexovita
