#include "model/csv.h"

#include "model/lektionsdatei.h"

#include <QStringDecoder>
#include <array>

namespace lexovita {

namespace {

// 0x80 to 0x9F of Windows-1252; 0 marks the five unassigned bytes, read as
// the control character of the same number like Latin-1 does.
constexpr std::array<char16_t, 32> kCp1252 = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                              0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

struct TZerlegung {
    std::vector<TCsvZeile> zeilen;
    int offeneZeile = 0; // line of a quote never closed, 0 if none
};

// Splits the whole text; `hoechstens` > 0 stops after that many records.
TZerlegung Zerlegen(const QString &text, QChar trenner, int hoechstens = 0)
{
    TZerlegung z;
    int zeile = 1;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        if (hoechstens > 0 && static_cast<int>(z.zeilen.size()) >= hoechstens)
            break;
        TCsvZeile satz;
        satz.zeile = zeile;
        QString feld;
        bool ende = false;
        while (!ende) {
            if (i < n && text[i] == QLatin1Char('"') && feld.isEmpty()) {
                const int start = zeile;
                ++i;
                bool zu = false;
                while (i < n) {
                    const QChar c = text[i];
                    if (c == QLatin1Char('"')) {
                        if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                            feld += QLatin1Char('"');
                            i += 2;
                            continue;
                        }
                        ++i;
                        zu = true;
                        break;
                    }
                    if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                        ++zeile;
                        i += (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) ? 2 : 1;
                        feld += QLatin1Char('\n');
                        continue;
                    }
                    feld += c;
                    ++i;
                }
                if (!zu) {
                    z.offeneZeile = start;
                    satz.felder << feld;
                    z.zeilen.push_back(std::move(satz));
                    return z;
                }
            }
            // Unquoted text, or what follows a closing quote up to the separator.
            while (i < n && text[i] != trenner && text[i] != QLatin1Char('\r') && text[i] != QLatin1Char('\n'))
                feld += text[i++];
            satz.felder << feld;
            feld.clear();
            if (i < n && text[i] == trenner) {
                ++i;
                continue;
            }
            if (i < n) {
                i += (text[i] == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) ? 2 : 1;
                ++zeile;
            }
            ende = true;
        }
        bool leer = true;
        for (const QString &f : satz.felder)
            if (!f.trimmed().isEmpty())
                leer = false;
        if (!leer)
            z.zeilen.push_back(std::move(satz));
    }
    return z;
}

} // namespace

QString Windows1252Lesen(const QByteArray &bytes)
{
    QString s;
    s.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0 && kCp1252[b - 0x80] != 0)
            s += QChar(kCp1252[b - 0x80]);
        else
            s += QChar(char16_t(b)); // Latin-1 and Windows-1252 agree below 0x80 and from 0xA0
    }
    return s;
}

QChar CsvTrennerErkennen(const QString &text)
{
    // Spreadsheets write the same number of fields on every line; the
    // candidate that keeps the count most constant over the first records
    // wins, ties go to the earlier candidate.
    QChar bester = QLatin1Char(';');
    double besteWertung = -1;
    for (const QChar c : {QChar(QLatin1Char('\t')), QChar(QLatin1Char(';')), QChar(QLatin1Char(','))}) {
        const TZerlegung z = Zerlegen(text, c, 20);
        if (z.zeilen.empty())
            continue;
        const qsizetype erste = z.zeilen.front().felder.size();
        if (erste < 2)
            continue;
        int gleich = 0;
        for (const TCsvZeile &s : z.zeilen)
            if (s.felder.size() == erste)
                ++gleich;
        const double wertung = double(gleich) / double(z.zeilen.size());
        if (wertung > besteWertung) {
            besteWertung = wertung;
            bester = c;
        }
    }
    return bester;
}

TCsvTabelle CsvLesen(const QByteArray &inhalt)
{
    TCsvTabelle t;
    QByteArray bytes = inhalt;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        t.bom = true;
        bytes.remove(0, 3);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError() && !t.bom) {
        t.windows1252 = true;
        text = Windows1252Lesen(bytes);
    }
    t.trenner = CsvTrennerErkennen(text);
    TZerlegung z = Zerlegen(text, t.trenner);
    if (z.offeneZeile > 0)
        throw TLektionsdateiFehler(z.offeneZeile,
                                   QStringLiteral("Das Anführungszeichen am Anfang des Feldes wird nie geschlossen."));
    t.zeilen = std::move(z.zeilen);
    return t;
}

bool SiehtNachCsvAus(const QByteArray &inhalt)
{
    qsizetype i = inhalt.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < inhalt.size() && (inhalt[i] == ' ' || inhalt[i] == '\t' || inhalt[i] == '\r' || inhalt[i] == '\n'))
        ++i;
    return i < inhalt.size() && inhalt[i] != '<';
}

namespace {
bool SiehtNachFormelAus(const QString &text)
{
    if (text.isEmpty())
        return false;
    const QChar c = text.front();
    return c == QLatin1Char('=') || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('@') ||
           c == QLatin1Char('\t') || c == QLatin1Char('\r');
}
} // namespace

QString CsvFeld(const QString &text, QChar trenner)
{
    QString f = SiehtNachFormelAus(text) ? QLatin1Char('\'') + text : text;
    const bool quoten = f.contains(trenner) || f.contains(QLatin1Char('"')) || f.contains(QLatin1Char('\n')) ||
                        f.contains(QLatin1Char('\r')) || (!f.isEmpty() && (f.front().isSpace() || f.back().isSpace()));
    if (!quoten)
        return f;
    f.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + f + QLatin1Char('"');
}

QString CsvFeldZurueck(const QString &feld)
{
    if (feld.size() >= 2 && feld.front() == QLatin1Char('\'') && SiehtNachFormelAus(feld.mid(1)))
        return feld.mid(1);
    return feld;
}

QString CsvDatensatz(const QStringList &felder, QChar trenner)
{
    QStringList teile;
    teile.reserve(felder.size());
    for (const QString &f : felder)
        teile << CsvFeld(f, trenner);
    return teile.join(trenner) + QStringLiteral("\r\n");
}

} // namespace lexovita
