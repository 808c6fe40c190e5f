#include "model/textpruefung.h"

#include "model/lektion.h"
#include "model/vokabel.h"

namespace lexovita {

namespace {

bool Unzulaessig(char16_t c)
{
    return (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c == 0xFFFE || c == 0xFFFF;
}

} // namespace

qsizetype UnzulaessigesZeichen(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
                ++i;
                continue;
            }
            return i;
        }
        if (QChar::isLowSurrogate(c) || Unzulaessig(c))
            return i;
    }
    return -1;
}

QString ZeichenName(QStringView text, qsizetype index)
{
    return QStringLiteral("U+") +
           QString::number(text[index].unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

QString TextMangel(QStringView text, const QString &feld, qsizetype maxLaenge)
{
    if (text.size() > maxLaenge)
        return QStringLiteral("%1 ist mit %2 Zeichen zu lang; erlaubt sind höchstens %3 Zeichen.")
            .arg(feld)
            .arg(text.size())
            .arg(maxLaenge);
    const qsizetype i = UnzulaessigesZeichen(text);
    if (i >= 0)
        return QStringLiteral("%1 enthält das unzulässige Steuerzeichen %2 (an Stelle %3).")
            .arg(feld, ZeichenName(text, i))
            .arg(i + 1);
    return {};
}

void TextPruefen(QStringView text, const QString &feld, qsizetype maxLaenge)
{
    const QString mangel = TextMangel(text, feld, maxLaenge);
    if (!mangel.isEmpty())
        throw TTextFehler(mangel);
}

void VokabelPruefen(const TVokabel &v)
{
    TextPruefen(v.vokabel, QStringLiteral("Das Stichwort"), kMaxWortLaenge);
    TextPruefen(v.form1, QStringLiteral("Die erste Stammform"), kMaxWortLaenge);
    TextPruefen(v.form2, QStringLiteral("Die zweite Stammform"), kMaxWortLaenge);
    TextPruefen(v.form3, QStringLiteral("Die dritte Stammform"), kMaxWortLaenge);
    for (const auto &b : v.bedeutungen) {
        TextPruefen(b->bedeutung, QStringLiteral("Die Bedeutung „%1“").arg(b->bedeutung.left(40)), kMaxWortLaenge);
        TextPruefen(b->kommentar, QStringLiteral("Der Kommentar zu „%1“").arg(b->bedeutung.left(40)), kMaxWortLaenge);
    }
    for (const auto &m : v.merkhilfen)
        TextPruefen(m->merkhilfe, QStringLiteral("Die Merkhilfe"), kMaxWortLaenge);
    for (const auto &f : v.sonderformen)
        TextPruefen(f->text, QStringLiteral("Die Sonderform"), kMaxWortLaenge);
}

void LektionPruefen(const TLektion &l)
{
    TextPruefen(l.name, QStringLiteral("Der Name der Lektion"), kMaxNamenLaenge);
    // Stored joined by line breaks, so the limit counts them too.
    TextPruefen(l.text.join(QLatin1Char('\n')), QStringLiteral("Der Lektionstext"), kMaxLektionstextLaenge);
    TextPruefen(l.notizen.join(QLatin1Char('\n')), QStringLiteral("Die Notizen der Lektion"), kMaxLektionstextLaenge);
}

QString XmlTauglich(const QString &text, qsizetype maxLaenge)
{
    QString aus = text.left(maxLaenge);
    // A pair cut in half by the limit is one lone surrogate, replaced below.
    for (qsizetype i = UnzulaessigesZeichen(aus); i >= 0; i = UnzulaessigesZeichen(aus))
        aus[i] = QChar::ReplacementCharacter;
    return aus;
}

QString TsvFeld(const QString &text)
{
    QString aus;
    aus.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'\t':
            aus += QLatin1String("\\t");
            break;
        case u'\n':
            aus += QLatin1String("\\n");
            break;
        case u'\r':
            aus += QLatin1String("\\r");
            break;
        case u'\\':
            aus += QLatin1String("\\\\");
            break;
        default:
            // C0, DEL and C1 controls: C1 holds the terminal's escape introducers.
            if (u < 0x20 || (u >= 0x7F && u < 0xA0))
                aus += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
            else
                aus += c;
        }
    }
    return aus;
}

} // namespace lexovita
