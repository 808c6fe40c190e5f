// Every error of the program reaches the user as its German text through the
// one function the error boxes and the console use.
#include "model/config.h"
#include "model/fehler.h"
#include "model/lektionsdatei.h"
#include "store/fehler.h" // header only: the store's errors share the base

#include <gtest/gtest.h>
#include <string_view>

using namespace lexovita;

TEST(FehlerMeldung, GivesTheGermanTextOfEveryErrorClassAndWhatOfOthers)
{
    const QString datei = QStringLiteral("Die Datei „Übung.xml“ kann nicht geöffnet werden.");
    const struct {
        const char *klasse;
        std::exception_ptr fehler;
        QString meldung;
    } faelle[] = {
        {"DatenbankFehler", std::make_exception_ptr(DatenbankFehler(QStringLiteral("Der Datenträger ist voll."), 13)),
         QStringLiteral("Der Datenträger ist voll.")},
        {"KonvertierungsFehler",
         std::make_exception_ptr(KonvertierungsFehler(QStringLiteral("'2x' ist kein gültiger Integerwert"))),
         QStringLiteral("'2x' ist kein gültiger Integerwert")},
        {"TEinstellungsFehler",
         std::make_exception_ptr(TEinstellungsFehler(QStringLiteral("Die Einstellungen sind gesperrt."))),
         QStringLiteral("Die Einstellungen sind gesperrt.")},
        {"TKonvertierungsFehler",
         std::make_exception_ptr(TKonvertierungsFehler(QStringLiteral("'grün' ist kein gültiger Farbwert"))),
         QStringLiteral("'grün' ist kein gültiger Farbwert")},
        {"TLektionsdateiFehler mit Zeile",
         std::make_exception_ptr(TLektionsdateiFehler(7, QStringLiteral("Unbekanntes Element „VOC“."))),
         QStringLiteral("Fehler in Zeile 7: Unbekanntes Element „VOC“.")},
        {"TLektionsdateiFehler ohne Zeile", std::make_exception_ptr(TLektionsdateiFehler(0, datei)), datei},
        {"TFehler", std::make_exception_ptr(TFehler(QStringLiteral("Äußerst selten."))),
         QStringLiteral("Äußerst selten.")},
        // Not ours: what() is taken as UTF-8.
        {"std::runtime_error", std::make_exception_ptr(std::runtime_error("Zugriff auf „Ä“ verweigert")),
         QStringLiteral("Zugriff auf „Ä“ verweigert")},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.klasse);
        // Callers that handle only our own errors catch the base.
        bool unserer = false;
        try {
            std::rethrow_exception(f.fehler);
        } catch (const TFehler &) {
            unserer = true;
        } catch (...) {
        }
        EXPECT_EQ(unserer, std::string_view(f.klasse).substr(0, 5) != "std::");
        try {
            std::rethrow_exception(f.fehler);
        } catch (const std::exception &e) {
            EXPECT_EQ(FehlerMeldung(e).toStdString(), f.meldung.toStdString());
            // Logs print what(): the same text.
            EXPECT_EQ(QString::fromUtf8(e.what()).toStdString(), f.meldung.toStdString());
        }
    }
}
