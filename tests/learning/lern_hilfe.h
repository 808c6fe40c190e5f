#pragma once

// Entries, a lesson, a database stand-in and a scripted random source for
// the drill engines.

#include "learning/vokabeltest.h"
#include "model/config.h"
#include "model/lektion.h"
#include "model/uhr.h"
#include "model/vokabel.h"

#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <ostream>
#include <string>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace lexovita::test {

inline std::string S(const QString &s)
{
    return s.toStdString();
}

inline std::unique_ptr<TVokabel> Eintrag(int32_t id, int32_t wortart, int32_t kd, const char *vokabel,
                                         std::initializer_list<const char *> formen,
                                         std::initializer_list<const char *> bedeutungen, int32_t flags = 0)
{
    auto v = std::make_unique<TVokabel>();
    v->id = id;
    v->SetWortart(wortart);
    v->SetKonjDekl(kd);
    v->attribute |= flags;
    v->vokabel = QString::fromUtf8(vokabel);
    QString *ziele[3] = {&v->form1, &v->form2, &v->form3};
    int i = 0;
    for (const char *f : formen)
        *ziele[i++] = QString::fromUtf8(f);
    for (const char *b : bedeutungen)
        v->BedeutungAnhaengen(QString::fromUtf8(b), {}, 1);
    return v;
}

// Real entries of a beginners' textbook, each with its own id.
inline std::unique_ptr<TVokabel> Laudare()
{
    return Eintrag(11, WA_VERB, KD_A, "laudare", {"laudo", "laudavi", "laudatum"}, {"loben", "preisen"});
}
inline std::unique_ptr<TVokabel> Hortari()
{
    return Eintrag(12, WA_VERB, KD_A, "hortari", {"hortor", "hortatus sum", ""}, {"ermahnen"}, ATTR_DEPONENS);
}
inline std::unique_ptr<TVokabel> Amicus()
{
    return Eintrag(13, WA_SUBSTANTIV, KD_O, "amicus", {"amici", "m"}, {"Freund"});
}
inline std::unique_ptr<TVokabel> Castra()
{
    return Eintrag(14, WA_SUBSTANTIV, KD_O, "castra", {"castrorum", "n"}, {"Lager"}, ATTR_PLURALIS_TANTUM);
}
inline std::unique_ptr<TVokabel> Bonus()
{
    return Eintrag(15, WA_ADJEKTIV, KD_O, "bonus", {"bonus", "bona", "bonum"}, {"gut"});
}
inline std::unique_ptr<TVokabel> Felix()
{
    return Eintrag(16, WA_ADJEKTIV, KD_I, "felix", {"felicis"}, {"glücklich"});
}
inline std::unique_ptr<TVokabel> Saepe()
{
    return Eintrag(17, WA_ADVERB, KD_KEINE, "saepe", {}, {"oft"});
}
inline std::unique_ptr<TVokabel> Malum()
{
    return Eintrag(18, WA_SUBSTANTIV, KD_O, "malum", {"mali", "n"}, {"Übel"});
}
inline std::unique_ptr<TVokabel> Rosa()
{
    return Eintrag(19, WA_SUBSTANTIV, KD_A, "rosa", {"rosae", "f"}, {"Rose"});
}
// Pronouns are stored one entry per gender, their inflected forms as
// special forms without gender.
inline std::unique_ptr<TVokabel> Is()
{
    auto v = Eintrag(20, WA_PRONOMEN, KD_KEINE, "is", {"", "m"}, {"dieser"});
    v->sonderformen.push_back(std::make_unique<TLatForm>(20, QStringLiteral("eius"), 0x4000));
    v->sonderformen.push_back(std::make_unique<TLatForm>(20, QStringLiteral("ei"), 0x6000));
    return v;
}

// The database as the drill sees it: a fresh copy of the entry per load,
// an empty entry for an id it does not hold.
class TTestQuelle : public IVokabelQuelle {
  public:
    std::map<int32_t, std::unique_ptr<TVokabel>> eintraege;
    int ladungen = 0;

    void Hinzufuegen(const TVokabel &v)
    {
        auto kopie = std::make_unique<TVokabel>();
        v.KopierenNach(*kopie);
        eintraege[v.id] = std::move(kopie);
    }
    std::unique_ptr<TVokabel> VokabelLaden(int32_t id) override
    {
        ++ladungen;
        auto v = std::make_unique<TVokabel>();
        if (const auto it = eintraege.find(id); it != eintraege.end())
            it->second->KopierenNach(*v);
        return v;
    }
};

// Gives the listed numbers in turn (each taken modulo the range), then 0.
class TSkriptZufall : public IZufall {
  public:
    std::deque<int> zahlen;
    std::vector<int> bereiche; // the range of every draw, for checks
    int Zahl(int anzahl) override
    {
        bereiche.push_back(anzahl);
        if (anzahl <= 1 || zahlen.empty())
            return 0;
        const int z = zahlen.front();
        zahlen.pop_front();
        return z % anzahl;
    }
};

// A config on a scratch INI file, holding the defaults.
struct TTestConfig {
    QTemporaryDir ordner;
    TConfig config{ordner.filePath(QStringLiteral("lexovita.ini"))};
};

// A lesson holding copies of the entries, and the same entries in the source.
inline void Fuellen(TLektion &lektion, TTestQuelle &quelle, std::vector<std::unique_ptr<TVokabel>> eintraege)
{
    for (auto &v : eintraege) {
        quelle.Hinzufuegen(*v);
        lektion.VokabelAnhaengen(std::move(v));
    }
}

} // namespace lexovita::test
