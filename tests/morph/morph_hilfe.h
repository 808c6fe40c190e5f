#pragma once

#include "model/vokabel.h"
#include "morph/formenmanager.h"

#include <QString>
#include <QStringList>
#include <ostream>

namespace lexovita::test {

inline TVokabel Eintrag(int32_t wortart, int32_t kd, const char *vokabel, const char *f1 = "", const char *f2 = "",
                        const char *f3 = "", int32_t flags = 0)
{
    TVokabel v;
    v.id = 7;
    v.SetWortart(wortart);
    v.SetKonjDekl(kd);
    v.attribute |= flags;
    v.vokabel = QString::fromUtf8(vokabel);
    v.form1 = QString::fromUtf8(f1);
    v.form2 = QString::fromUtf8(f2);
    v.form3 = QString::fromUtf8(f3);
    return v;
}

// Texts of the result list joined by ", " for compact expectations.
inline std::string Texte(const TFormenmanager &m)
{
    QStringList t;
    for (const auto &f : m.Ergebnisliste())
        t << f.text;
    return t.join(QStringLiteral(", ")).toStdString();
}

inline std::vector<int32_t> Ids(const TFormenmanager &m)
{
    std::vector<int32_t> ids;
    for (const auto &f : m.Ergebnisliste())
        ids.push_back(f.formId);
    return ids;
}

inline std::string S(const QString &s)
{
    return s.toStdString();
}

// Generates with the selector into a fresh manager.
inline std::string Erzeugt(const TVokabel &v, int32_t selektor)
{
    TFormenmanager m;
    m.FormenErzeugen(v, selektor);
    return Texte(m);
}

} // namespace lexovita::test

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE
