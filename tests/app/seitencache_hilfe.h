#pragma once

#include "model/pfade.h"
#include "render/html.h"

#include <QDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace lexovita::test {

// The page cache holds exactly the shown page plus a <base href> to the
// templates folder, so the browser finds the pictures there.
inline ::testing::AssertionResult SeiteImCache(const QString &seite, const QString &vorlagen)
{
    const QString gespeichert = VorlageText(TPfade::Aktuell().SeitenDatei());
    const QString basis = QStringLiteral("<base href=\"%1/\">")
                              .arg(QUrl::fromLocalFile(QDir(vorlagen).absolutePath()).toString(QUrl::FullyEncoded));
    if (!gespeichert.contains(basis))
        return ::testing::AssertionFailure() << "ohne " << basis.toStdString() << ": " << gespeichert.toStdString();
    if (QString(gespeichert).remove(basis) != seite)
        return ::testing::AssertionFailure() << "andere Seite: " << gespeichert.toStdString();
    return ::testing::AssertionSuccess();
}

} // namespace lexovita::test
