#include "model/lektionsdatei.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <functional>
#include <initializer_list>
#include <limits>

namespace lexovita {

namespace {

const QString kLexovita = QStringLiteral("LEXOVITA");
const QString kBuch = QStringLiteral("BUCH");
const QString kLektion = QStringLiteral("LEKTION");
const QString kVok = QStringLiteral("VOK");
const QString kName = QStringLiteral("NAME");
const QString kBed = QStringLiteral("BED");
const QString kWort = QStringLiteral("WORT");
const QString kKommentar = QStringLiteral("KOMMENTAR");
const QString kGruppe = QStringLiteral("GRUPPE");
const QString kPos = QStringLiteral("POS");
const QString kForm1 = QStringLiteral("FORM1");
const QString kForm2 = QStringLiteral("FORM2");
const QString kForm3 = QStringLiteral("FORM3");
const QString kWortart = QStringLiteral("WORTART");
const QString kKonjDekl = QStringLiteral("KONJDEKL");
const QString kAttribute = QStringLiteral("ATTRIBUTE");
const QString kMerkhilfe = QStringLiteral("MERKHILFE");
const QString kSf = QStringLiteral("SF");
const QString kText = QStringLiteral("TEXT");
const QString kNotizen = QStringLiteral("NOTIZEN");

const QByteArray kDeklaration = QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");

// The bits of the attribute word that carry meaning (up to the reserved bit).
constexpr int32_t kAttributBits = 0xFFF;

void Blatt(QDomElement &parent, const QString &name, const QString &text)
{
    QDomDocument doc = parent.ownerDocument();
    QDomElement e = doc.createElement(name);
    if (!text.isEmpty())
        e.appendChild(doc.createTextNode(text));
    parent.appendChild(e);
}

// The prolog of an exported file. The document is written as UTF-8, so a
// template declaring another encoding is corrected rather than lying.
QByteArray Prolog(const QString &vorlagenOrdner)
{
    if (vorlagenOrdner.isEmpty())
        return kDeklaration;
    QFile f(QDir(vorlagenOrdner).filePath(QStringLiteral("import.dtd")));
    if (!f.open(QIODevice::ReadOnly))
        return kDeklaration;
    QByteArray p = f.readAll();
    if (p.startsWith("\xEF\xBB\xBF"))
        p.remove(0, 3);
    if (p.startsWith("<?xml")) {
        const qsizetype ende = p.indexOf("?>");
        if (ende > 0) {
            QString decl = QString::fromUtf8(p.left(ende));
            static const QRegularExpression kodierung(QStringLiteral("encoding\\s*=\\s*([\"'])[^\"']*\\1"));
            decl.replace(kodierung, QStringLiteral("encoding=\"UTF-8\""));
            p = decl.toUtf8() + p.mid(ende);
        }
    } else {
        p.prepend(kDeklaration);
    }
    if (!p.endsWith('\n'))
        p.append('\n');
    return p;
}

QByteArray Dokument(const QString &vorlagenOrdner, const std::function<void(QDomDocument &, QDomElement &)> &fuellen)
{
    QDomDocument doc;
    QDomElement wurzel = doc.createElement(kLexovita);
    doc.appendChild(wurzel);
    fuellen(doc, wurzel);
    return Prolog(vorlagenOrdner) + doc.toByteArray(2);
}

// ---- reading -------------------------------------------------------------

[[noreturn]] void Fehler(const QDomNode &n, const QString &text)
{
    throw TLektionsdateiFehler(n.lineNumber(), text);
}

QString Tag(const QString &name)
{
    return QLatin1Char('<') + name + QLatin1Char('>');
}

struct Regel {
    const QString &name;
    int rang;      // children must come in non-decreasing rank
    bool mehrfach; // may repeat
    bool pflicht;  // must occur
};

// The child elements of e, checked against the allowed names, their order,
// repetition and presence; stray text is an error, comments are ignored.
std::vector<QDomElement> Kinder(const QDomElement &e, std::initializer_list<Regel> regeln)
{
    std::vector<QDomElement> kinder;
    std::vector<bool> gesehen(regeln.size(), false);
    int letzterRang = -1;
    for (QDomNode n = e.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isText()) {
            const QString wert = n.nodeValue();
            if (!wert.trimmed().isEmpty()) {
                // The parser reports where the text ends; name the line where it starts.
                qsizetype anfang = 0;
                while (wert[anfang].isSpace())
                    ++anfang;
                const int zeile = n.lineNumber() - static_cast<int>(wert.mid(anfang).count(QLatin1Char('\n')));
                throw TLektionsdateiFehler(
                    zeile, QStringLiteral("Unerwarteter Text \"%1\" in %2.").arg(wert.trimmed(), Tag(e.tagName())));
            }
            continue;
        }
        if (!n.isElement())
            continue;
        const QDomElement k = n.toElement();
        size_t i = 0;
        for (; i < regeln.size(); ++i)
            if ((regeln.begin() + i)->name == k.tagName())
                break;
        if (i == regeln.size())
            Fehler(k, QStringLiteral("Unbekanntes Element %1 in %2.").arg(Tag(k.tagName()), Tag(e.tagName())));
        const Regel &r = *(regeln.begin() + i);
        if (r.rang < letzterRang)
            Fehler(k, QStringLiteral("Das Element %1 steht in %2 an falscher Stelle.")
                          .arg(Tag(k.tagName()), Tag(e.tagName())));
        if (gesehen[i] && !r.mehrfach)
            Fehler(k,
                   QStringLiteral("Das Element %1 kommt in %2 mehrfach vor.").arg(Tag(k.tagName()), Tag(e.tagName())));
        gesehen[i] = true;
        letzterRang = r.rang;
        kinder.push_back(k);
    }
    for (size_t i = 0; i < regeln.size(); ++i)
        if ((regeln.begin() + i)->pflicht && !gesehen[i])
            Fehler(
                e,
                QStringLiteral("In %1 fehlt das Element %2.").arg(Tag(e.tagName()), Tag((regeln.begin() + i)->name)));
    return kinder;
}

// The text of an element that may hold only text.
QString Inhalt(const QDomElement &e)
{
    QString text;
    for (QDomNode n = e.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isElement())
            Fehler(n, QStringLiteral("Unerwartetes Element %1 in %2.").arg(Tag(n.nodeName()), Tag(e.tagName())));
        if (n.isText())
            text += n.nodeValue();
    }
    return text;
}

int32_t ZahlAus(const QDomNode &ort, const QString &text, const QString &was, qint64 min, qint64 max)
{
    bool ok = false;
    const qint64 wert = text.trimmed().toLongLong(&ok, 10);
    if (!ok || wert < min || wert > max)
        Fehler(ort, QStringLiteral("Ungültiger Wert \"%1\" in %2.").arg(text.trimmed(), was));
    return static_cast<int32_t>(wert);
}

int32_t Zahl(const QDomElement &e, qint64 min, qint64 max)
{
    return ZahlAus(e, Inhalt(e), Tag(e.tagName()), min, max);
}

QString Attribut(const QDomElement &e, const QString &name)
{
    if (!e.hasAttribute(name))
        Fehler(e, QStringLiteral("Dem Element %1 fehlt das Attribut \"%2\".").arg(Tag(e.tagName()), name));
    return e.attribute(name);
}

int32_t ZahlAttribut(const QDomElement &e, const QString &name, qint64 min, qint64 max)
{
    return ZahlAus(e, Attribut(e, name), QStringLiteral("dem Attribut \"%1\" von %2").arg(name, Tag(e.tagName())), min,
                   max);
}

void BedeutungLesen(const QDomElement &bed, TVokabel &v)
{
    auto b = std::make_unique<TBedeutung>();
    for (const QDomElement &k : Kinder(bed, {{kWort, 0, false, true},
                                             {kKommentar, 1, false, false},
                                             {kGruppe, 2, false, true},
                                             {kPos, 3, false, true}})) {
        const QString name = k.tagName();
        if (name == kWort) {
            b->bedeutung = Inhalt(k);
            if (b->bedeutung.trimmed().isEmpty())
                Fehler(k, QStringLiteral("Das Element %1 ist leer.").arg(Tag(kWort)));
        } else if (name == kKommentar) {
            b->kommentar = Inhalt(k);
        } else if (name == kGruppe) {
            b->gruppe = Zahl(k, 1, std::numeric_limits<int32_t>::max());
        } else {
            b->position = Zahl(k, 1, std::numeric_limits<int32_t>::max());
        }
    }
    v.bedeutungen.push_back(std::move(b));
}

std::unique_ptr<TVokabel> VokabelLesen(const QDomElement &vok)
{
    auto v = std::make_unique<TVokabel>();
    int32_t wortart = WA_UNBESTIMMT;
    int32_t konjdekl = KD_KEINE;
    QDomElement attributElement;
    int32_t attribut = 0;
    for (const QDomElement &k : Kinder(vok, {{kName, 0, false, true},
                                             {kBed, 1, true, false},
                                             {kForm1, 2, false, false},
                                             {kForm2, 3, false, false},
                                             {kForm3, 4, false, false},
                                             {kWortart, 5, false, true},
                                             {kKonjDekl, 6, false, false},
                                             {kAttribute, 7, false, false},
                                             {kMerkhilfe, 8, true, false},
                                             {kSf, 9, true, false}})) {
        const QString name = k.tagName();
        if (name == kName) {
            v->vokabel = Inhalt(k);
        } else if (name == kBed) {
            BedeutungLesen(k, *v);
        } else if (name == kForm1) {
            v->form1 = Inhalt(k);
        } else if (name == kForm2) {
            v->form2 = Inhalt(k);
        } else if (name == kForm3) {
            v->form3 = Inhalt(k);
        } else if (name == kWortart) {
            wortart = Zahl(k, WA_VERB, WA_PRONOMEN);
        } else if (name == kKonjDekl) {
            konjdekl = Zahl(k, KD_KEINE, KD_G);
            if (konjdekl % 8 != 0)
                Fehler(k, QStringLiteral("Ungültiger Wert \"%1\" in %2.").arg(konjdekl).arg(Tag(kKonjDekl)));
        } else if (name == kAttribute) {
            attributElement = k;
            attribut = Zahl(k, 1, kAttributBits);
        } else if (name == kMerkhilfe) {
            auto m = std::make_unique<TMerkhilfe>();
            m->sprache = ZahlAttribut(k, QStringLiteral("sprache"), SPR_ANDERE, SPR_ITALIENISCH);
            m->merkhilfe = Inhalt(k);
            v->merkhilfen.push_back(std::move(m));
        } else {
            const int32_t fid = ZahlAttribut(k, QStringLiteral("fid"), 1, std::numeric_limits<int32_t>::max());
            v->sonderformen.push_back(std::make_unique<TLatForm>(0, Inhalt(k), fid));
        }
    }
    if (attributElement.isNull()) {
        v->attribute = wortart | konjdekl;
    } else {
        // The attribute word repeats both codes; a file where they disagree is damaged.
        if ((attribut & ATTR_WORTART_MASKE) != wortart || (attribut & ATTR_KONJDEKL_MASKE) != konjdekl)
            Fehler(attributElement, QStringLiteral("Der Wert %1 in %2 passt nicht zu %3 und %4.")
                                        .arg(attribut)
                                        .arg(Tag(kAttribute), Tag(kWortart), Tag(kKonjDekl)));
        v->attribute = attribut;
    }
    return v;
}

std::unique_ptr<TLektion> LektionLesen(const QDomElement &lek, const QString &lehrbuch)
{
    static const QRegularExpression zeilenende(QStringLiteral("\r\n|\n|\r"));
    auto l = std::make_unique<TLektion>();
    l->name = Attribut(lek, QStringLiteral("name"));
    l->lehrbuch = lehrbuch;
    for (const QDomElement &k :
         Kinder(lek, {{kVok, 0, true, false}, {kText, 1, false, false}, {kNotizen, 2, false, false}})) {
        if (k.tagName() == kVok)
            l->VokabelAnhaengen(VokabelLesen(k));
        else if (k.tagName() == kText)
            l->text = Inhalt(k).split(zeilenende); // the lines were joined by line breaks
        else
            l->notizen = Inhalt(k).split(zeilenende);
    }
    return l;
}

} // namespace

namespace {
QString MitZeile(int zeile, const QString &text)
{
    return zeile > 0 ? QStringLiteral("Fehler in Zeile %1: %2").arg(zeile).arg(text) : text;
}
} // namespace

TLektionsdateiFehler::TLektionsdateiFehler(int zeile, const QString &text)
    : TFehler(MitZeile(zeile, text)), m_zeile(zeile)
{
}

void LektionSchreiben(const TLektion &lektion, QDomElement &parent)
{
    QDomDocument doc = parent.ownerDocument();
    QDomElement lek = doc.createElement(kLektion);
    lek.setAttribute(QStringLiteral("name"), lektion.name);
    parent.appendChild(lek);

    for (const auto &v : lektion.vokabeln) {
        QDomElement vok = doc.createElement(kVok);
        lek.appendChild(vok);
        Blatt(vok, kName, v->vokabel);
        for (const auto &b : v->bedeutungen) {
            QDomElement bed = doc.createElement(kBed);
            vok.appendChild(bed);
            Blatt(bed, kWort, b->bedeutung);
            if (!b->kommentar.isEmpty())
                Blatt(bed, kKommentar, b->kommentar);
            Blatt(bed, kGruppe, QString::number(b->gruppe));
            Blatt(bed, kPos, QString::number(b->position));
        }
        if (!v->form1.isEmpty())
            Blatt(vok, kForm1, v->form1);
        if (!v->form2.isEmpty())
            Blatt(vok, kForm2, v->form2);
        if (!v->form3.isEmpty())
            Blatt(vok, kForm3, v->form3);
        Blatt(vok, kWortart, QString::number(v->Wortart()));
        if (v->KonjDekl() != 0)
            Blatt(vok, kKonjDekl, QString::number(v->KonjDekl()));
        if (v->attribute != 0)
            Blatt(vok, kAttribute, QString::number(v->attribute));
        for (const auto &m : v->merkhilfen) {
            QDomElement e = doc.createElement(kMerkhilfe);
            e.setAttribute(QStringLiteral("sprache"), QString::number(m->sprache));
            e.appendChild(doc.createTextNode(m->merkhilfe));
            vok.appendChild(e);
        }
        for (const auto &sf : v->sonderformen) {
            QDomElement e = doc.createElement(kSf);
            e.setAttribute(QStringLiteral("fid"), QString::number(sf->formId));
            e.appendChild(doc.createTextNode(sf->text));
            vok.appendChild(e);
        }
    }
    if (!lektion.text.isEmpty())
        Blatt(lek, kText, lektion.text.join(QStringLiteral("\r\n")));
    // Notes (the source of a reading text, say) only when there are any, so a
    // lesson without notes is written as before.
    if (!lektion.notizen.isEmpty() && !lektion.notizen.join(QString()).trimmed().isEmpty())
        Blatt(lek, kNotizen, lektion.notizen.join(QStringLiteral("\r\n")));
}

QByteArray LehrbuchAlsXml(const QString &lehrbuchName, const std::vector<const TLektion *> &lektionen,
                          const QString &vorlagenOrdner)
{
    return Dokument(vorlagenOrdner, [&](QDomDocument &doc, QDomElement &wurzel) {
        QDomElement buch = doc.createElement(kBuch);
        buch.setAttribute(QStringLiteral("name"), lehrbuchName);
        wurzel.appendChild(buch);
        for (const TLektion *l : lektionen)
            if (l)
                LektionSchreiben(*l, buch);
    });
}

QByteArray LektionAlsXml(const TLektion &lektion, const QString &vorlagenOrdner)
{
    return Dokument(vorlagenOrdner, [&](QDomDocument &, QDomElement &wurzel) { LektionSchreiben(lektion, wurzel); });
}

QString XmlDateiname(const QString &gewaehlt)
{
    return gewaehlt.endsWith(QLatin1String(".xml")) ? gewaehlt : gewaehlt + QStringLiteral(".xml");
}

void XmlDateiSchreiben(const QString &datei, const QByteArray &inhalt)
{
    // Written aside and renamed, so a failed export never leaves half a file.
    QSaveFile f(datei);
    if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size() || !f.commit())
        throw TLektionsdateiFehler(0, QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden.").arg(datei));
}

QString ExportMeldung(const QString &lehrbuchName)
{
    return QStringLiteral("Das Lehrbuch \"%1\" wurde exportiert.").arg(lehrbuchName);
}

namespace {

// A lesson file nests six elements deep. The document parser takes time
// that grows far faster than the depth (12,000 levels: seconds, 50,000:
// minutes), so deeper files are refused by a linear pass before it runs.
constexpr int kMaxTiefe = 64;

void TiefePruefen(const QByteArray &inhalt)
{
    QXmlStreamReader leser(inhalt);
    int tiefe = 0;
    while (!leser.atEnd()) {
        const auto art = leser.readNext();
        if (art == QXmlStreamReader::StartElement && ++tiefe > kMaxTiefe)
            throw TLektionsdateiFehler(static_cast<int>(leser.lineNumber()),
                                       QStringLiteral("Die Elemente der Datei sind tiefer als %1 Ebenen "
                                                      "verschachtelt; das ist keine Lektionsdatei.")
                                           .arg(kMaxTiefe));
        if (art == QXmlStreamReader::EndElement)
            --tiefe;
    }
    // Malformed XML is reported by the document parser with its own words.
}

} // namespace

std::vector<TLehrbuchInhalt> LektionsdateiLesen(const QByteArray &inhalt)
{
    TiefePruefen(inhalt);
    QDomDocument doc;
    QString meldung;
    int zeile = 0;
    int spalte = 0;
    if (!doc.setContent(inhalt, false, &meldung, &zeile, &spalte))
        throw TLektionsdateiFehler(std::max(zeile, 1), QStringLiteral("Die Datei ist kein gültiges XML-Dokument "
                                                                      "(Spalte %1: %2).")
                                                           .arg(spalte)
                                                           .arg(meldung));
    const QDomElement wurzel = doc.documentElement();
    if (wurzel.tagName() != kLexovita)
        Fehler(wurzel, QStringLiteral("Unbekanntes Wurzelelement %1, erwartet wird %2.")
                           .arg(Tag(wurzel.tagName()), Tag(kLexovita)));
    std::vector<TLehrbuchInhalt> buecher;
    for (const QDomElement &k : Kinder(wurzel, {{kBuch, 0, true, false}, {kLektion, 0, true, false}})) {
        if (k.tagName() == kBuch) {
            TLehrbuchInhalt buch;
            buch.name = Attribut(k, QStringLiteral("name"));
            for (const QDomElement &lek : Kinder(k, {{kLektion, 0, true, false}}))
                buch.lektionen.push_back(LektionLesen(lek, buch.name));
            buecher.push_back(std::move(buch));
        } else {
            if (buecher.empty() || !buecher.back().ohneLehrbuch) {
                buecher.emplace_back();
                buecher.back().ohneLehrbuch = true;
            }
            buecher.back().lektionen.push_back(LektionLesen(k, QString()));
        }
    }
    return buecher;
}

std::vector<TLehrbuchInhalt> LektionsdateiLaden(const QString &datei)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        throw TLektionsdateiFehler(0, QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden.").arg(datei));
    return LektionsdateiLesen(f.readAll());
}

} // namespace lexovita
