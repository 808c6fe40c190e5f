#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Harnfel"));
    QApplication::setApplicationName(QStringLiteral("lexovita"));
    QMainWindow fenster;
    fenster.setWindowTitle(QStringLiteral("lexovita"));
    fenster.resize(1024, 700);
    fenster.show();
    return app.exec();
}
