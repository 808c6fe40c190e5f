#include "app/lexikonanalyse.h"

#include "morph/collatinus.h"
#include "store/analysequelle.h"
#include "store/lexikon.h"
#include "store/sqlite.h"

#include <QSet>

namespace lexovita {

TLexikonAnalyse::TLexikonAnalyse(TAnalysedienst &dienst)
    : m_sitzung(dienst, TBestand::Vokabeln), m_vokabelAnalyse(dienst.Analyse(TBestand::Vokabeln)),
      m_lexikonAnalyse(dienst.Analyse(TBestand::Lexikon))
{
    // Both sources share the connection and thus the read snapshot.
    dienst.Quelle(TBestand::Lexikon).Auffrischen();
}

QString TLexikonAnalyse::Schluesselformen(const TVokabel &v)
{
    QStringList teile;
    switch (v.Wortart()) {
    case WA_VERB:
        for (const QString *f : {&v.form1, &v.form2, &v.form3})
            if (!f->isEmpty())
                teile.append(*f);
        break;
    case WA_SUBSTANTIV:
        teile = {v.vokabel, v.form1};
        if (!v.form2.isEmpty())
            teile.append(v.form2 == QLatin1String("p") ? QStringLiteral("m./f.") : v.form2 + QLatin1Char('.'));
        break;
    case WA_ADJEKTIV:
        teile.append(v.vokabel);
        for (const QString *f : {&v.form2, &v.form3})
            if (!f->isEmpty())
                teile.append(*f);
        if (teile.size() == 1 && !v.form1.isEmpty())
            teile.append(v.form1);
        break;
    case WA_ADVERB:
        teile.append(v.vokabel);
        for (const QString *f : {&v.form1, &v.form2})
            if (!f->isEmpty())
                teile.append(*f);
        break;
    default:
        teile.append(v.vokabel);
    }
    teile.removeAll(QString());
    return teile.join(QStringLiteral(", "));
}

const std::vector<TLexikonTreffer> &TLexikonAnalyse::Analysieren(const QString &wort)
{
    m_treffer.clear();
    QSet<QString> gehalten; // folded headword + word class of the vocabulary's entries
    for (const TLatForm &f : m_vokabelAnalyse->Analysieren(wort)) {
        const TVokabel *v = m_vokabelAnalyse->Vokabel(f.vokabelId);
        if (v)
            gehalten.insert(TFormanalyse::Falten(v->vokabel) + QString::number(v->Wortart()));
        m_treffer.push_back({f, v, false, v ? Schluesselformen(*v) : QString()});
    }
    for (const TLatForm &f : m_lexikonAnalyse->Analysieren(wort)) {
        const TVokabel *v = m_lexikonAnalyse->Vokabel(f.vokabelId);
        if (v && gehalten.contains(TFormanalyse::Falten(v->vokabel) + QString::number(v->Wortart())))
            continue;
        m_treffer.push_back({f, v, true, v ? Schluesselformen(*v) : QString()});
    }
    return m_treffer;
}

} // namespace lexovita
