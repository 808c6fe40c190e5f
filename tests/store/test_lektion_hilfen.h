#pragma once

// Helpers of the lesson and import tests: a private in-memory database,
// entries stored through the editor's store, row counts of every table.

#include "model/lektion.h"
#include "model/rueckfrage.h"
#include "store/datenmanager.h"
#include "store/vokabelspeicher.h"

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

class TStumm : public IRueckfrage {
  public:
    Antwort Frage(const QString &, const QString &text, int, Antwort, Symbol) override
    {
        ADD_FAILURE() << "unerwartete Frage: " << text.toStdString();
        return Antwort::Abbrechen;
    }
    void Meldung(const QString &, const QString &) override {}
};

class LektionsDatenbank : public ::testing::Test {
  protected:
    TDatenmanager daten{QStringLiteral(":memory:")};
    TStumm stumm;

    // Stores a new entry with one meaning per text (group 1).
    int32_t Anlegen(const QString &wort, int32_t wortart, int32_t konjdekl = 0, const QString &f1 = {},
                    const QString &f2 = {}, const QString &f3 = {}, const QStringList &bedeutungen = {})
    {
        TVokabel v;
        v.vokabel = wort;
        v.SetWortart(wortart);
        v.SetKonjDekl(konjdekl);
        v.form1 = f1;
        v.form2 = f2;
        v.form3 = f3;
        for (const QString &b : bedeutungen)
            v.BedeutungAnhaengen(b, QString(), 1);
        TVokabelSpeicher speicher(daten);
        EXPECT_EQ(speicher.VokabelAnlegen(v), TVokabelSpeicher::Ausgang::Gespeichert);
        return v.id;
    }

    // A lesson holding copies of the stored entries, in the given order.
    std::unique_ptr<TLektion> Lektion(const QString &name, int32_t lehrbuchId, std::initializer_list<int32_t> ids)
    {
        auto l = std::make_unique<TLektion>();
        l->name = name;
        l->lehrbuch_id = lehrbuchId;
        for (int32_t id : ids)
            l->VokabelAnhaengen(daten.VokabelLaden(id));
        return l;
    }

    int Zahl(const char *sql, int64_t parameter = 0)
    {
        TAnweisung a = daten.Verbindung().Anweisung(sql);
        if (QByteArray(sql).contains("?1"))
            a.Binden(1, parameter);
        return a.Schritt() ? a.Int(0) : -1;
    }

    // Row count of every table, to show that a failed operation kept nothing.
    std::map<std::string, int> Zeilen()
    {
        std::map<std::string, int> z;
        for (const char *t : {"vokabel", "bedeutung", "vok_bed", "vok_vok", "merkhilfe", "sonderform", "stamm", "vokwb",
                              "lehrbuch", "lektion", "lek_vok"}) {
            TAnweisung a = daten.Verbindung().Anweisung((std::string("SELECT count(*) FROM ") + t).c_str());
            z[t] = a.Schritt() ? a.Int(0) : -1;
        }
        return z;
    }
};

inline std::vector<std::string> Woerter(const TLektion &l)
{
    std::vector<std::string> w;
    for (const auto &v : l.vokabeln)
        w.push_back(v->vokabel.toStdString());
    return w;
}

} // namespace lexovita::test
