#include "model/pfade.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lexovita;

namespace {

// A program folder laid out as a build tree, a portable copy or an
// installed prefix, and where each puts its files.
TEST(Pfade, FolgtDerLageDesProgramms)
{
    struct Fall {
        const char *name;
        QStringList ordner; // created below the temporary root
        const char *programm;
        const char *datenOption;
        const char *programmdaten;
        const char *benutzerdaten;
        bool installiert;
        bool portabel;
    };
    const Fall faelle[] = {
        {"installiert",
         {"usr/bin", "usr/share/lexovita/vorlagen"},
         "usr/bin",
         "",
         "usr/share/lexovita",
         "<user>",
         true,
         false},
        {"installiert mit --data", {"usr/bin"}, "usr/bin", "/anders", "usr/share/lexovita", "/anders", true, false},
        {"Bauordner", {"build/bin/vorlagen"}, "build/bin", "", "build/bin", "<user>", false, false},
        {"portabel", {"stick/vorlagen", "stick/Data"}, "stick", "", "stick", "stick/Data", false, true},
        {"portabel mit --data", {"stick/vorlagen", "stick/Data"}, "stick", "/anders", "stick", "/anders", false, false},
        {"installiert mit Data daneben",
         {"opt/bin/Data"},
         "opt/bin",
         "",
         "opt/share/lexovita",
         "opt/bin/Data",
         true,
         true},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        QTemporaryDir wurzel;
        const QDir w(wurzel.path());
        for (const QString &o : f.ordner)
            ASSERT_TRUE(w.mkpath(o));
        const auto erwartet = [&](const QString &s) {
            if (s == QLatin1String("<user>"))
                return QStringLiteral("/home/u/.local/share/lexovita");
            return s.startsWith(QLatin1Char('/')) ? s : w.filePath(s);
        };
        const TPfade p =
            TPfade::Ermitteln(w.filePath(QLatin1String(f.programm)), QLatin1String(f.datenOption),
                              QStringLiteral("/home/u/.local/share/lexovita"),
                              QStringLiteral("/home/u/.cache/lexovita"), QStringLiteral("../share/lexovita"));
        EXPECT_EQ(p.programmdaten, erwartet(QLatin1String(f.programmdaten)));
        EXPECT_EQ(p.benutzerdaten, erwartet(QLatin1String(f.benutzerdaten)));
        EXPECT_EQ(p.seitenCache, QStringLiteral("/home/u/.cache/lexovita"));
        EXPECT_EQ(p.installiert, f.installiert);
        EXPECT_EQ(p.portabel, f.portabel);
        EXPECT_EQ(p.Vorlagen(), erwartet(QLatin1String(f.programmdaten)) + QStringLiteral("/vorlagen/"));
        EXPECT_EQ(p.SeitenDatei(), QStringLiteral("/home/u/.cache/lexovita/tmp.htm"));
    }
}

// Only starter textbook folders that exist are imported, in their order.
TEST(Pfade, StartLehrbuecherNurVorhandeneInReihenfolge)
{
    QTemporaryDir wurzel;
    const QDir w(wurzel.path());
    TPfade p;
    p.programmdaten = w.path();
    EXPECT_TRUE(p.StartLehrbuecher().isEmpty());
    ASSERT_TRUE(w.mkpath(QStringLiteral("aufbauwortschatz")));
    EXPECT_EQ(p.StartLehrbuecher(), QStringList{w.filePath(QStringLiteral("aufbauwortschatz"))});
    ASSERT_TRUE(w.mkpath(QStringLiteral("grundwortschatz")));
    EXPECT_EQ(p.StartLehrbuecher(), (QStringList{w.filePath(QStringLiteral("grundwortschatz")),
                                                 w.filePath(QStringLiteral("aufbauwortschatz"))}));
    p.programmdaten.clear(); // never the working folder by accident
    EXPECT_TRUE(p.StartLehrbuecher().isEmpty());
}

} // namespace
