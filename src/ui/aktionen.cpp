#include "ui/aktionen.h"

namespace lexovita {

const std::vector<TAktionsEintrag> &Aktionsliste()
{
    using K = QKeySequence;
    static const std::vector<TAktionsEintrag> liste = {
        {"actNeueLektion", QStringLiteral("&Neue Lektion"), K(QStringLiteral("Ctrl+N")), "Lektion", "Lektion", false},
        {"actOeffnen", QStringLiteral("Lektion ö&ffnen..."), K(QStringLiteral("Ctrl+O")), "Lektion", "Lektion", false},
        {"actSpeichern", QStringLiteral("Lektion &speichern"), K(QStringLiteral("Ctrl+S")), "Lektion", "Lektion",
         false},
        {"actSpeichernUnter", QStringLiteral("Lektion speichern &unter..."), K(), "Lektion", nullptr, false},
        {"actAnhaengen", QStringLiteral("Lektion &anhängen"), K(), "Lektion", nullptr, false},
        {"actLektionSchliessen", QStringLiteral("Lektion sch&ließen"), K(), "Lektion", nullptr, false},
        {"actLektionEigenschaften", QStringLiteral("&Eigenschaften..."), K(), "Lektion", nullptr, true},
        {"actImportieren", QStringLiteral("&Importieren..."), K(), "Lektion", nullptr, true},
        {"actExportieren", QStringLiteral("Als &XML-Datei exportieren..."), K(), "Lektion", nullptr, false},
        {"actExportierenCSV", QStringLiteral("Als &CSV-Datei exportieren..."), K(), "Lektion", nullptr, false},
        {"actExportierenKarteikarten", QStringLiteral("Als &Karteikarten exportieren..."), K(), "Lektion", nullptr,
         false},
        {"actExportierenHTML", QStringLiteral("Als &HTML-Datei exportieren..."), K(), "Lektion", nullptr, false},
        {"actExportierenPDF", QStringLiteral("Als &PDF exportieren..."), K(), "Lektion", nullptr, false},
        {"actDrucken", QStringLiteral("&Drucken..."), K(QStringLiteral("Ctrl+P")), "Lektion", "Lektion", true},
        {"actBeenden", QStringLiteral("&Beenden"), K(), "Lektion", nullptr, true},

        {"actVokabelNeu", QStringLiteral("&Neue Vokabel..."), K(QStringLiteral("Ctrl+Ins")), "Vokabel", "Vokabel",
         false},
        {"actVokabelnAusListe", QStringLiteral("Vokabeln aus &Liste einfügen..."), K(), "Vokabel", nullptr, false},
        {"actEigenschaften", QStringLiteral("&Eigenschaften..."), K(), "Vokabel", nullptr, false},
        {"actVokabelBearbeiten", QStringLiteral("Vokabel &bearbeiten..."), K(QStringLiteral("Ctrl+B")), "Vokabel",
         "Vokabel", false},
        {"actFormentabelle", QStringLiteral("&Formentabelle..."), K(), "Vokabel", "Vokabel", false},
        {"actVokabelHinzufuegen", QStringLiteral("Vokabel &hinzufügen"), K(QStringLiteral("Ins")), "Vokabel", nullptr,
         true},
        {"actVokabelEntfernen", QStringLiteral("Vokabel en&tfernen"), K(QStringLiteral("Del")), "Vokabel", "Vokabel",
         false},
        {"actVokabelNachOben", QStringLiteral("Vokabel nach &oben"), K(), "Vokabel", "Vokabel", true},
        {"actVokabelNachUnten", QStringLiteral("Vokabel nach &unten"), K(), "Vokabel", "Vokabel", false},
        {"actVokabelRueckgaengig", QStringLiteral("&Rückgängig"), K(QStringLiteral("Ctrl+Z")), "Vokabel", nullptr,
         true},
        {"actVokabelWiederherstellen", QStringLiteral("&Wiederherstellen"), K(QStringLiteral("Ctrl+Y")), "Vokabel",
         nullptr, false},

        {"actTextanalyse", QStringLiteral("&Modus \"Textanalyse\""), K(QStringLiteral("Ctrl+T")), "Text", "Tools",
         false},
        {"actLaengen", QStringLiteral("Län&gen einblenden"), K(), "Text", nullptr, false},
        {"actAusschneiden", QStringLiteral("&Ausschneiden"), K(QStringLiteral("Ctrl+X")), "Text", nullptr, true},
        {"actKopieren", QStringLiteral("&Kopieren"), K(QStringLiteral("Ctrl+C")), "Text", nullptr, false},
        {"actEinfuegen", QStringLiteral("&Einfügen"), K(QStringLiteral("Ctrl+V")), "Text", nullptr, false},
        {"actRueckgaengig", QStringLiteral("&Rückgängig"), K(), "Text", nullptr, false},
        {"actWiederholen", QStringLiteral("&Wiederholen"), K(), "Text", nullptr, false},
        {"actSuchen", QStringLiteral("&Suchen..."), K(QStringLiteral("Ctrl+F")), "Text", nullptr, true},
        {"actErsetzen", QStringLiteral("Erse&tzen..."), K(QStringLiteral("Ctrl+R")), "Text", nullptr, false},
        {"actWortNachschlagen", QStringLiteral("Wort &nachschlagen"), K(), "Text", nullptr, true},
        {"actHinzufuegen", QStringLiteral("&Vokabel zu Lektion hinzufügen"), K(), "Text", nullptr, false},
        {"actVokabelliste", QStringLiteral("Vokabel&liste erstellen..."), K(), "Text", nullptr, false},

        {"actVokabelnSchriftlich", QStringLiteral("Vokabeln s&chriftlich abfragen..."), K(QStringLiteral("Ctrl+L")),
         "Lernen", "Lernen", false},
        {"actVokabelnMuendlich", QStringLiteral("Vokabeln &mündlich abfragen..."), K(QStringLiteral("Ctrl+M")),
         "Lernen", "Lernen", false},
        {"actVokabeltest", QStringLiteral("Vokabel&test erstellen..."), K(), "Lernen", "Lernen", false},
        {"actFormenBilden", QStringLiteral("Formen &bilden..."), K(), "Lernen", "Lernen", true},
        {"actFormenBestimmen", QStringLiteral("Formen b&estimmen..."), K(), "Lernen", "Lernen", false},
        {"actFaelligeWiederholen", QStringLiteral("Fällige Vokabeln &wiederholen..."),
         K(QStringLiteral("Ctrl+Shift+W")), "Lernen", "Lernen", true},
        {"actLernstatistik", QStringLiteral("Lern&statistik..."), K(), "Lernen", nullptr, false},

        {"actWoerterbuch", QStringLiteral("&Wörterbuch..."), K(QStringLiteral("Ctrl+W")), "Tools", "Tools", false},
        {"actFormenanalyse", QStringLiteral("&Formenanalyse..."), K(QStringLiteral("Ctrl+E")), "Tools", "Tools", false},
        {"actNumerale", QStringLiteral("&Numerale..."), K(), "Tools", nullptr, false},
        {"actDBAufraeumen", QStringLiteral("&Datenbank aufräumen"), K(), "Tools", nullptr, true},
        {"actBackup", QStringLiteral("&Backup..."), K(), "Tools", nullptr, false},
        {"actEinstellungen", QStringLiteral("&Einstellungen..."), K(), "Tools", "Tools", true},

        {"actHilfe", QStringLiteral("lexovita-&Hilfe..."), K(), "Hilfe", "Hilfe", false},
        {"actUeber", QStringLiteral("Ü&ber lexovita..."), K(), "Hilfe", nullptr, false},
    };
    return liste;
}

} // namespace lexovita
