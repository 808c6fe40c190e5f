#include "ui/hilfe.h"

#include "model/pfade.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace lexovita {

namespace {
QPointer<QDialog> g_fenster;
QTextBrowser *g_browser = nullptr;
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
    if (!g_fenster) {
        g_fenster = new QDialog(eltern ? eltern->window() : nullptr, Qt::Window);
        g_fenster->setAttribute(Qt::WA_DeleteOnClose);
        g_fenster->setWindowTitle(QStringLiteral("lexovita-Hilfe"));
        g_fenster->resize(760, 600);
        g_browser = new QTextBrowser(g_fenster);
        g_browser->setObjectName(QStringLiteral("txtHilfe"));
        g_browser->setOpenExternalLinks(true);
        g_browser->setSearchPaths({HilfeOrdner()});
        auto *lay = new QVBoxLayout(g_fenster);
        lay->setContentsMargins(0, 0, 0, 0);
        lay->addWidget(g_browser);
    }
    g_browser->setSource(QUrl::fromLocalFile(datei));
    g_fenster->show();
    g_fenster->raise();
    g_fenster->activateWindow();
}

} // namespace lexovita
