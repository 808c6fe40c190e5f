#pragma once

// Shared helpers of the store tests: a scratch data folder, a scripted
// question interface and short ways to build entries and count rows.

#include "model/rueckfrage.h"
#include "model/vokabel.h"
#include "store/datenmanager.h"

#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Readable failure output for Qt strings.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList &l, std::ostream *os)
{
    *os << '{';
    for (const QString &s : l)
        *os << '"' << s.toStdString() << "\" ";
    *os << '}';
}

namespace lexovita::test {

inline const QByteArray kSchluessel = QByteArrayLiteral("k7zq3mv0xh2bn8rt5wyc4");

// Answers questions from a script and records everything it was shown.
class TSkriptRueckfrage : public IRueckfrage {
  public:
    struct Frage {
        QString titel, text;
        int knoepfe;
        Antwort vorgabe;
        Symbol symbol;
    };
    std::deque<Antwort> antworten;
    std::vector<Frage> fragen;
    std::vector<QString> meldungen;
    int backups = 0;
    bool backupGelingt = true;

    TSkriptRueckfrage() = default;
    TSkriptRueckfrage(std::initializer_list<Antwort> a) : antworten(a) {}

    Antwort Frage(const QString &titel, const QString &text, int knoepfe, Antwort vorgabe, Symbol symbol) override
    {
        fragen.push_back({titel, text, knoepfe, vorgabe, symbol});
        if (antworten.empty()) {
            ADD_FAILURE() << "unerwartete Frage: " << text.toStdString();
            return Antwort::Abbrechen;
        }
        const Antwort a = antworten.front();
        antworten.pop_front();
        return a;
    }
    void Meldung(const QString &, const QString &text) override { meldungen.push_back(text); }
    bool BackupAnbieten() override
    {
        ++backups;
        return backupGelingt;
    }
};

// A fresh data folder per test.
class DatenOrdner : public ::testing::Test {
  protected:
    QTemporaryDir ordner;
    QString Pfad() const { return ordner.path(); }
    QString Datei() const { return ordner.filePath(TDatenmanager::Dateiname()); }
    QByteArray Inhalt() const
    {
        QFile f(Datei());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

inline int Zahl(TDatenmanager &d, const char *sql, int64_t parameter = 0)
{
    TAnweisung a = d.Verbindung().Anweisung(sql);
    if (QByteArray(sql).contains("?1"))
        a.Binden(1, parameter);
    return a.Schritt() ? a.Int(0) : -1;
}

inline std::unique_ptr<TVokabel> Eintrag(const QString &vokabel, int32_t wortart, int32_t konjdekl = KD_KEINE,
                                         const QString &f1 = {}, const QString &f2 = {}, const QString &f3 = {})
{
    auto v = std::make_unique<TVokabel>();
    v->vokabel = vokabel;
    v->SetWortart(wortart);
    v->SetKonjDekl(konjdekl);
    v->form1 = f1;
    v->form2 = f2;
    v->form3 = f3;
    return v;
}

// "text g/p [remark]" in list order.
inline std::vector<std::string> Bedeutungen(const TVokabel &v)
{
    std::vector<std::string> aus;
    for (const auto &b : v.bedeutungen) {
        QString s = QStringLiteral("%1 %2/%3").arg(b->bedeutung).arg(b->gruppe).arg(b->position);
        if (!b->kommentar.isEmpty())
            s += QStringLiteral(" [%1]").arg(b->kommentar);
        aus.push_back(s.toStdString());
    }
    return aus;
}

using Liste = std::vector<std::string>;

} // namespace lexovita::test
