#include "ui/hilfe.h"

#include "model/pfade.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace lexovita {

namespace {

QPointer<QDialog> g_fenster;
QTextBrowser *g_browser = nullptr;

constexpr int kUeberblick = 1016;

QPushButton *Knopf(const QString &text, const char *name, const QString &zugang, QWidget *eltern)
{
    auto *k = new QPushButton(text, eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setAccessibleName(zugang);
    k->setAutoDefault(false);
    return k;
}

void FensterAnlegen(QWidget *eltern)
{
    g_fenster = new QDialog(eltern ? eltern->window() : nullptr, Qt::Window);
    g_fenster->setObjectName(QStringLiteral("frmHilfe"));
    g_fenster->setAttribute(Qt::WA_DeleteOnClose);
    g_fenster->setWindowTitle(QStringLiteral("lexovita-Hilfe"));
    g_fenster->resize(760, 600);
    g_browser = new QTextBrowser(g_fenster);
    g_browser->setObjectName(QStringLiteral("txtHilfe"));
    g_browser->setAccessibleName(QStringLiteral("Hilfeseite"));
    g_browser->setOpenExternalLinks(true);
    g_browser->setSearchPaths({HilfeOrdner()});
    QPushButton *zurueck = Knopf(QStringLiteral("< &Zurück"), "btnZurueck", QStringLiteral("Zurück"), g_fenster);
    QPushButton *vor = Knopf(QStringLiteral("&Vor >"), "btnVor", QStringLiteral("Vor"), g_fenster);
    QPushButton *inhalt = Knopf(QStringLiteral("&Inhalt"), "btnInhalt", QStringLiteral("Inhalt"), g_fenster);
    QPushButton *schliessen =
        Knopf(QStringLiteral("&Schließen"), "btnSchliessen", QStringLiteral("Schließen"), g_fenster);
    zurueck->setEnabled(false);
    vor->setEnabled(false);
    QObject::connect(zurueck, &QPushButton::clicked, g_browser, &QTextBrowser::backward);
    QObject::connect(vor, &QPushButton::clicked, g_browser, &QTextBrowser::forward);
    QObject::connect(g_browser, &QTextBrowser::backwardAvailable, zurueck, &QWidget::setEnabled);
    QObject::connect(g_browser, &QTextBrowser::forwardAvailable, vor, &QWidget::setEnabled);
    QObject::connect(inhalt, &QPushButton::clicked, g_browser, [] {
        g_browser->setSource(QUrl::fromLocalFile(QDir(HilfeOrdner()).filePath(QStringLiteral("index.htm"))));
    });
    QObject::connect(schliessen, &QPushButton::clicked, g_fenster, &QDialog::close);
    auto *leiste = new QHBoxLayout;
    leiste->addWidget(zurueck);
    leiste->addWidget(vor);
    leiste->addWidget(inhalt);
    leiste->addStretch();
    leiste->addWidget(schliessen);
    auto *lay = new QVBoxLayout(g_fenster);
    lay->addLayout(leiste);
    lay->addWidget(g_browser, 1);
}

// Takes F1 before any window sees it.
class THilfeTaste : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *obj, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *taste = static_cast<QKeyEvent *>(event);
        if (taste->key() != Qt::Key_F1 || taste->modifiers() != Qt::NoModifier || !obj->isWidgetType())
            return false;
        QWidget *fenster = static_cast<QWidget *>(obj)->window();
        // Within the help window F1 has nothing more to show.
        if (fenster == g_fenster.data())
            return true;
        for (auto *k : fenster->findChildren<QAbstractButton *>(QStringLiteral("btnHilfe")))
            if (k->window() == fenster && k->isVisible() && k->isEnabled()) {
                k->click();
                return true;
            }
        HilfeZeigen(fenster, kUeberblick);
        return true;
    }
};

} // namespace

QString HilfeOrdner()
{
    return TPfade::Aktuell().Hilfe();
}

QString HilfeFehlt()
{
    const QString inhalt = QDir(HilfeOrdner()).filePath(QStringLiteral("index.htm"));
    if (QFileInfo::exists(inhalt))
        return {};
    return QStringLiteral("Hilfe-Datei nicht gefunden\r") + QDir::toNativeSeparators(inhalt);
}

void HilfeZeigen(QWidget *eltern, int thema)
{
    const QString datei = QDir(HilfeOrdner()).filePath(QString::number(thema) + QStringLiteral(".htm"));
    qInfo("Hilfe: Thema %d, %s", thema, qPrintable(datei));
    if (!g_fenster)
        FensterAnlegen(eltern);
    g_browser->setSource(QUrl::fromLocalFile(datei));
    g_fenster->show();
    g_fenster->raise();
    g_fenster->activateWindow();
}

QDialog *Hilfefenster()
{
    return g_fenster.data();
}

void HilfeTasteEinrichten(QCoreApplication &app)
{
    if (app.findChild<QObject *>(QStringLiteral("hilfeTaste"), Qt::FindDirectChildrenOnly))
        return;
    auto *filter = new THilfeTaste(&app);
    filter->setObjectName(QStringLiteral("hilfeTaste"));
    app.installEventFilter(filter);
}

} // namespace lexovita
