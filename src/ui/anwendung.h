#pragma once

#include <QApplication>
#include <QIcon>

namespace lexovita {

// The application object. The program's errors are thrown as exceptions
// (TFehler and its kinds); an exception that leaves an event handler is shown
// here as a German error box instead of ending the program.
class TAnwendung : public QApplication {
    Q_OBJECT
  public:
    TAnwendung(int &argc, char **argv);
    bool notify(QObject *empfaenger, QEvent *ereignis) override;

    // Qt's own texts (file, colour and print dialogs) in German from Qt's
    // translations, and German numbers and dates as the default locale.
    // False, with a warning, when the translations are not installed.
    static bool DeutschEinrichten(QCoreApplication &app);

    // The German text for an exception, as the error box shows it.
    static QString FehlerText(const std::exception &e);
    static void FehlerZeigen(const QString &text);
};

// The program's icon (an open book under a Roman L) in all its sizes.
QIcon ProgrammSymbol();

} // namespace lexovita
