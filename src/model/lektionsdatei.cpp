#include "model/lektionsdatei.h"

#include "model/textpruefung.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <algorithm>
#include <array>
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

// Stored text goes out fit for XML and within the limits the reader
// enforces, so every export reads again.
void Blatt(QDomElement &parent, const QString &name, const QString &text, qsizetype grenze = kMaxWortLaenge)
{
    QDomDocument doc = parent.ownerDocument();
    QDomElement e = doc.createElement(name);
    if (!text.isEmpty())
        e.appendChild(doc.createTextNode(XmlTauglich(text, grenze)));
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
//
// The file is read as a stream: a lesson file of a whole dictionary would
// take many times its size as a document tree.

QString Tag(QStringView name)
{
    return QLatin1Char('<') + name.toString() + QLatin1Char('>');
}

struct Regel {
    const QString &name;
    int rang;      // children must come in non-decreasing rank
    bool mehrfach; // may repeat
    bool pflicht;  // must occur
};

class TLeser {
  public:
    explicit TLeser(const QByteArray &inhalt) : m_r(inhalt) {}

    [[noreturn]] static void Fehler(qint64 zeile, const QString &text)
    {
        throw TLektionsdateiFehler(static_cast<int>(zeile), text);
    }
    qint64 Zeile() const { return m_r.lineNumber(); }
    QString Name() const { return m_r.name().toString(); }

    // Moves to the root element and returns its name.
    QString Wurzel()
    {
        while (!m_r.atEnd()) {
            if (m_r.readNext() == QXmlStreamReader::StartElement)
                return Name();
        }
        Fehler(std::max<qint64>(Zeile(), 1), QStringLiteral("Die Datei ist kein gültiges XML-Dokument."));
    }

    // The attribute of the element just begun; missing is an error.
    QString Attribut(const QString &element, qint64 zeile, const QString &name) const
    {
        const QXmlStreamAttributes a = m_r.attributes();
        if (!a.hasAttribute(name))
            Fehler(zeile, QStringLiteral("Dem Element %1 fehlt das Attribut \"%2\".").arg(Tag(element), name));
        return a.value(name).toString();
    }

    // The name attribute of a lesson or textbook, within its limit.
    QString NameAttribut(const QString &element, qint64 zeile) const
    {
        const QString name = Attribut(element, zeile, QStringLiteral("name"));
        const QString mangel =
            TextMangel(name, QStringLiteral("Das Attribut \"name\" von %1").arg(Tag(element)), kMaxNamenLaenge);
        if (!mangel.isEmpty())
            Fehler(zeile, mangel);
        return name;
    }

    // The child elements of the element just begun, checked against the
    // allowed names, their order, repetition and presence as they come;
    // `kind(name)` reads each child to its end. Stray text is an error,
    // comments are ignored.
    template <typename Fn>
    void Kinder(const QString &element, qint64 zeile, std::initializer_list<Regel> regeln, Fn &&kind)
    {
        std::array<bool, 16> gesehen{};
        Q_ASSERT(regeln.size() <= gesehen.size());
        int letzterRang = -1;
        while (!m_r.atEnd()) {
            switch (m_r.readNext()) {
            case QXmlStreamReader::Characters:
                if (!m_r.isWhitespace()) {
                    const QString wert = m_r.text().toString();
                    if (!wert.trimmed().isEmpty()) {
                        // The reader stands where the text ends; name the line where it starts.
                        qsizetype anfang = 0;
                        while (wert[anfang].isSpace())
                            ++anfang;
                        Fehler(Zeile() - wert.mid(anfang).count(QLatin1Char('\n')),
                               QStringLiteral("Unerwarteter Text \"%1\" in %2.").arg(wert.trimmed(), Tag(element)));
                    }
                }
                break;
            case QXmlStreamReader::StartElement: {
                const QString name = Name();
                size_t i = 0;
                for (; i < regeln.size(); ++i)
                    if ((regeln.begin() + i)->name == name)
                        break;
                if (i == regeln.size())
                    Fehler(Zeile(), QStringLiteral("Unbekanntes Element %1 in %2.").arg(Tag(name), Tag(element)));
                const Regel &regel = *(regeln.begin() + i);
                if (regel.rang < letzterRang)
                    Fehler(
                        Zeile(),
                        QStringLiteral("Das Element %1 steht in %2 an falscher Stelle.").arg(Tag(name), Tag(element)));
                if (gesehen[i] && !regel.mehrfach)
                    Fehler(Zeile(),
                           QStringLiteral("Das Element %1 kommt in %2 mehrfach vor.").arg(Tag(name), Tag(element)));
                gesehen[i] = true;
                letzterRang = regel.rang;
                kind(name);
                break;
            }
            case QXmlStreamReader::EndElement:
                for (size_t i = 0; i < regeln.size(); ++i)
                    if ((regeln.begin() + i)->pflicht && !gesehen[i])
                        Fehler(zeile, QStringLiteral("In %1 fehlt das Element %2.")
                                          .arg(Tag(element), Tag((regeln.begin() + i)->name)));
                return;
            default:
                break;
            }
        }
        Fehler(std::max<qint64>(Zeile(), 1), QStringLiteral("Die Datei ist kein gültiges XML-Dokument."));
    }

    // The text of the element just begun, which may hold only text; reads to
    // its end. A text over the element's limit is refused as soon as it is
    // read, so a huge one never sits in memory.
    QString Inhalt(const QString &element)
    {
        const qint64 zeile = Zeile();
        const qsizetype grenze = element == kText || element == kNotizen ? kMaxLektionstextLaenge : kMaxWortLaenge;
        QString text;
        while (!m_r.atEnd()) {
            switch (m_r.readNext()) {
            case QXmlStreamReader::Characters:
                text += m_r.text();
                if (text.size() > grenze)
                    Fehler(zeile, TextMangel(text, QStringLiteral("Der Inhalt von %1").arg(Tag(element)), grenze));
                break;
            case QXmlStreamReader::EndElement: {
                const QString mangel = TextMangel(text, QStringLiteral("Der Inhalt von %1").arg(Tag(element)), grenze);
                if (!mangel.isEmpty())
                    Fehler(zeile, mangel);
                return text;
            }
            case QXmlStreamReader::StartElement:
                Fehler(Zeile(), QStringLiteral("Unerwartetes Element %1 in %2.").arg(Tag(m_r.name()), Tag(element)));
            default:
                break;
            }
        }
        Fehler(std::max<qint64>(Zeile(), 1), QStringLiteral("Die Datei ist kein gültiges XML-Dokument."));
    }

  private:
    QXmlStreamReader m_r;
};

int32_t ZahlAus(qint64 zeile, const QString &text, const QString &was, qint64 min, qint64 max)
{
    bool ok = false;
    const qint64 wert = text.trimmed().toLongLong(&ok, 10);
    if (!ok || wert < min || wert > max)
        TLeser::Fehler(zeile, QStringLiteral("Ungültiger Wert \"%1\" in %2.").arg(text.trimmed(), was));
    return static_cast<int32_t>(wert);
}

// The number the element just begun holds; reads to its end.
int32_t Zahl(TLeser &l, const QString &element, qint64 min, qint64 max)
{
    const qint64 zeile = l.Zeile();
    return ZahlAus(zeile, l.Inhalt(element), Tag(element), min, max);
}

int32_t ZahlAttribut(const TLeser &l, const QString &element, const QString &name, qint64 min, qint64 max)
{
    const qint64 zeile = l.Zeile();
    return ZahlAus(zeile, l.Attribut(element, zeile, name),
                   QStringLiteral("dem Attribut \"%1\" von %2").arg(name, Tag(element)), min, max);
}

void BedeutungLesen(TLeser &l, TVokabel &v)
{
    auto b = std::make_unique<TBedeutung>();
    l.Kinder(
        kBed, l.Zeile(),
        {{kWort, 0, false, true}, {kKommentar, 1, false, false}, {kGruppe, 2, false, true}, {kPos, 3, false, true}},
        [&](const QString &name) {
            const qint64 zeile = l.Zeile();
            if (name == kWort) {
                b->bedeutung = l.Inhalt(name);
                if (b->bedeutung.trimmed().isEmpty())
                    TLeser::Fehler(zeile, QStringLiteral("Das Element %1 ist leer.").arg(Tag(kWort)));
            } else if (name == kKommentar) {
                b->kommentar = l.Inhalt(name);
            } else if (name == kGruppe) {
                b->gruppe = Zahl(l, name, 1, std::numeric_limits<int32_t>::max());
            } else {
                b->position = Zahl(l, name, 1, std::numeric_limits<int32_t>::max());
            }
        });
    v.bedeutungen.push_back(std::move(b));
}

std::unique_ptr<TVokabel> VokabelLesen(TLeser &l)
{
    auto v = std::make_unique<TVokabel>();
    int32_t wortart = WA_UNBESTIMMT;
    int32_t konjdekl = KD_KEINE;
    qint64 attributZeile = -1;
    int32_t attribut = 0;
    l.Kinder(kVok, l.Zeile(),
             {{kName, 0, false, true},
              {kBed, 1, true, false},
              {kForm1, 2, false, false},
              {kForm2, 3, false, false},
              {kForm3, 4, false, false},
              {kWortart, 5, false, true},
              {kKonjDekl, 6, false, false},
              {kAttribute, 7, false, false},
              {kMerkhilfe, 8, true, false},
              {kSf, 9, true, false}},
             [&](const QString &name) {
                 const qint64 zeile = l.Zeile();
                 if (name == kName) {
                     v->vokabel = l.Inhalt(name);
                 } else if (name == kBed) {
                     BedeutungLesen(l, *v);
                 } else if (name == kForm1) {
                     v->form1 = l.Inhalt(name);
                 } else if (name == kForm2) {
                     v->form2 = l.Inhalt(name);
                 } else if (name == kForm3) {
                     v->form3 = l.Inhalt(name);
                 } else if (name == kWortart) {
                     wortart = Zahl(l, name, WA_VERB, WA_PRONOMEN);
                 } else if (name == kKonjDekl) {
                     konjdekl = Zahl(l, name, KD_KEINE, KD_G);
                     if (konjdekl % 8 != 0)
                         TLeser::Fehler(
                             zeile, QStringLiteral("Ungültiger Wert \"%1\" in %2.").arg(konjdekl).arg(Tag(kKonjDekl)));
                 } else if (name == kAttribute) {
                     attributZeile = zeile;
                     attribut = Zahl(l, name, 1, kAttributBits);
                 } else if (name == kMerkhilfe) {
                     auto m = std::make_unique<TMerkhilfe>();
                     m->sprache = ZahlAttribut(l, name, QStringLiteral("sprache"), SPR_ANDERE, SPR_ITALIENISCH);
                     m->merkhilfe = l.Inhalt(name);
                     v->merkhilfen.push_back(std::move(m));
                 } else {
                     const int32_t fid =
                         ZahlAttribut(l, name, QStringLiteral("fid"), 1, std::numeric_limits<int32_t>::max());
                     v->sonderformen.push_back(std::make_unique<TLatForm>(0, l.Inhalt(name), fid));
                 }
             });
    if (attributZeile < 0) {
        v->attribute = wortart | konjdekl;
    } else {
        // The attribute word repeats both codes; a file where they disagree is damaged.
        if ((attribut & ATTR_WORTART_MASKE) != wortart || (attribut & ATTR_KONJDEKL_MASKE) != konjdekl)
            TLeser::Fehler(attributZeile, QStringLiteral("Der Wert %1 in %2 passt nicht zu %3 und %4.")
                                              .arg(attribut)
                                              .arg(Tag(kAttribute), Tag(kWortart), Tag(kKonjDekl)));
        v->attribute = attribut;
    }
    return v;
}

std::unique_ptr<TLektion> LektionLesen(TLeser &l, const QString &lehrbuch)
{
    static const QRegularExpression zeilenende(QStringLiteral("\r\n|\n|\r"));
    auto lektion = std::make_unique<TLektion>();
    const qint64 zeile = l.Zeile();
    lektion->name = l.NameAttribut(kLektion, zeile);
    lektion->lehrbuch = lehrbuch;
    l.Kinder(kLektion, zeile, {{kVok, 0, true, false}, {kText, 1, false, false}, {kNotizen, 2, false, false}},
             [&](const QString &name) {
                 if (name == kVok)
                     lektion->VokabelAnhaengen(VokabelLesen(l));
                 else if (name == kText)
                     lektion->text = l.Inhalt(name).split(zeilenende); // the lines were joined by line breaks
                 else
                     lektion->notizen = l.Inhalt(name).split(zeilenende);
             });
    return lektion;
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
    lek.setAttribute(QStringLiteral("name"), XmlTauglich(lektion.name, kMaxNamenLaenge));
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
            e.appendChild(doc.createTextNode(XmlTauglich(m->merkhilfe, kMaxWortLaenge)));
            vok.appendChild(e);
        }
        for (const auto &sf : v->sonderformen) {
            QDomElement e = doc.createElement(kSf);
            e.setAttribute(QStringLiteral("fid"), QString::number(sf->formId));
            e.appendChild(doc.createTextNode(XmlTauglich(sf->text, kMaxWortLaenge)));
            vok.appendChild(e);
        }
    }
    if (!lektion.text.isEmpty())
        Blatt(lek, kText, lektion.text.join(QStringLiteral("\r\n")), kMaxLektionstextLaenge);
    // Notes (the source of a reading text, say) only when there are any, so a
    // lesson without notes is written as before.
    if (!lektion.notizen.isEmpty() && !lektion.notizen.join(QString()).trimmed().isEmpty())
        Blatt(lek, kNotizen, lektion.notizen.join(QStringLiteral("\r\n")), kMaxLektionstextLaenge);
}

QByteArray LehrbuchAlsXml(const QString &lehrbuchName, const std::vector<const TLektion *> &lektionen,
                          const QString &vorlagenOrdner)
{
    return Dokument(vorlagenOrdner, [&](QDomDocument &doc, QDomElement &wurzel) {
        QDomElement buch = doc.createElement(kBuch);
        buch.setAttribute(QStringLiteral("name"), XmlTauglich(lehrbuchName, kMaxNamenLaenge));
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

// A lesson file nests six elements deep; a deeper file is refused by the
// linear pass that checks the XML before the elements are read.
constexpr int kMaxTiefe = 64;

// The XML reader decodes its whole input before it counts lines, so it
// blames bad UTF-8 on line 1; the line is found here instead.
void KodierungPruefen(const QByteArray &inhalt)
{
    static const QRegularExpression andere(QStringLiteral("^<\\?xml[^>]*encoding\\s*=\\s*[\"'](?!utf-?8[\"'])"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (andere.match(QString::fromLatin1(inhalt.left(200))).hasMatch())
        return; // another declared encoding: the reader checks it
    qsizetype anfang = 0;
    for (int zeile = 1; anfang <= inhalt.size(); ++zeile) {
        qsizetype ende = inhalt.indexOf('\n', anfang);
        if (ende < 0)
            ende = inhalt.size();
        QStringDecoder utf8(QStringDecoder::Utf8);
        (void)QString(utf8(QByteArrayView(inhalt).sliced(anfang, ende - anfang)));
        if (utf8.hasError())
            throw TLektionsdateiFehler(zeile, QStringLiteral("Die Zeile ist nicht gültig als UTF-8 kodiert."));
        anfang = ende + 1;
    }
}

void VorabPruefen(const QByteArray &inhalt)
{
    KodierungPruefen(inhalt);
    QXmlStreamReader leser(inhalt);
    int tiefe = 0;
    while (!leser.atEnd()) {
        const auto art = leser.readNext();
        // The format needs no entities; declared ones can make a small file
        // expand to gigabytes while it is read.
        if (art == QXmlStreamReader::DTD && leser.text().contains(QLatin1String("<!ENTITY")))
            throw TLektionsdateiFehler(static_cast<int>(leser.lineNumber()),
                                       QStringLiteral("Die Dokumenttyp-Deklaration der Datei legt Entitäten an "
                                                      "(<!ENTITY>); Lektionsdateien brauchen keine."));
        if (art == QXmlStreamReader::StartElement && ++tiefe > kMaxTiefe)
            throw TLektionsdateiFehler(static_cast<int>(leser.lineNumber()),
                                       QStringLiteral("Die Elemente der Datei sind tiefer als %1 Ebenen "
                                                      "verschachtelt; das ist keine Lektionsdatei.")
                                           .arg(kMaxTiefe));
        if (art == QXmlStreamReader::EndElement)
            --tiefe;
    }
    if (leser.hasError())
        throw TLektionsdateiFehler(std::max(static_cast<int>(leser.lineNumber()), 1),
                                   QStringLiteral("Die Datei ist kein gültiges XML-Dokument (Spalte %1: %2).")
                                       .arg(leser.columnNumber())
                                       .arg(leser.errorString()));
}

} // namespace

std::vector<TLehrbuchInhalt> LektionsdateiLesen(const QByteArray &inhalt)
{
    // Malformed XML anywhere is reported before what the elements say.
    VorabPruefen(inhalt);
    TLeser l(inhalt);
    const QString wurzel = l.Wurzel();
    if (wurzel != kLexovita)
        TLeser::Fehler(
            l.Zeile(),
            QStringLiteral("Unbekanntes Wurzelelement %1, erwartet wird %2.").arg(Tag(wurzel), Tag(kLexovita)));
    std::vector<TLehrbuchInhalt> buecher;
    l.Kinder(kLexovita, l.Zeile(), {{kBuch, 0, true, false}, {kLektion, 0, true, false}}, [&](const QString &name) {
        if (name == kBuch) {
            TLehrbuchInhalt buch;
            const qint64 zeile = l.Zeile();
            buch.name = l.NameAttribut(kBuch, zeile);
            l.Kinder(kBuch, zeile, {{kLektion, 0, true, false}},
                     [&](const QString &) { buch.lektionen.push_back(LektionLesen(l, buch.name)); });
            buecher.push_back(std::move(buch));
        } else {
            if (buecher.empty() || !buecher.back().ohneLehrbuch) {
                buecher.emplace_back();
                buecher.back().ohneLehrbuch = true;
            }
            buecher.back().lektionen.push_back(LektionLesen(l, QString()));
        }
    });
    return buecher;
}

QByteArray LektionsdateiInhalt(const QString &datei)
{
    const QFileInfo info(datei);
    if (info.exists() && !info.isFile())
        throw TLektionsdateiFehler(
            0, QStringLiteral("\"%1\" ist keine gewöhnliche Datei und wird nicht gelesen.").arg(datei));
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        throw TLektionsdateiFehler(0, QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden.").arg(datei));
    return f.readAll();
}

std::vector<TLehrbuchInhalt> LektionsdateiLaden(const QString &datei)
{
    return LektionsdateiLesen(LektionsdateiInhalt(datei));
}

} // namespace lexovita
