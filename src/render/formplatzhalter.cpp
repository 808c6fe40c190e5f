#include "render/formplatzhalter.h"

#include "render/html.h"

#include <QHash>
#include <QRegularExpression>

namespace lexovita {

namespace {

const QHash<QString, int32_t> &Schluesselwoerter()
{
    static const QHash<QString, int32_t> tabelle = {
        {QStringLiteral("PRAE"), 8},        {QStringLiteral("IMPF"), 16},       {QStringLiteral("FUT1"), 24},
        {QStringLiteral("PERF"), 32},       {QStringLiteral("PQPF"), 40},       {QStringLiteral("FUT2"), 48},
        {QStringLiteral("IND"), 64},        {QStringLiteral("KONJ"), 128},      {QStringLiteral("AKT"), 256},
        {QStringLiteral("PAS"), 512},       {QStringLiteral("NOMSG"), 0x2000},  {QStringLiteral("GENSG"), 0x4000},
        {QStringLiteral("DATSG"), 0x6000},  {QStringLiteral("AKKSG"), 0x8000},  {QStringLiteral("ABLSG"), 0xA000},
        {QStringLiteral("NOMPL"), 0xC000},  {QStringLiteral("GENPL"), 0xE000},  {QStringLiteral("DATPL"), 0x10000},
        {QStringLiteral("AKKPL"), 0x12000}, {QStringLiteral("ABLPL"), 0x14000}, {QStringLiteral("IMP1"), 200},
        {QStringLiteral("IMP2"), 208},      {QStringLiteral("1SG"), 1},         {QStringLiteral("2SG"), 2},
        {QStringLiteral("3SG"), 3},         {QStringLiteral("1PL"), 4},         {QStringLiteral("2PL"), 5},
        {QStringLiteral("3PL"), 6},         {QStringLiteral("INF"), 2048},      {QStringLiteral("GER"), 3072},
        {QStringLiteral("GRN"), 4096},      {QStringLiteral("PAR"), 1024},      {QStringLiteral("SUP1"), 5121},
        {QStringLiteral("SUP2"), 5122},     {QStringLiteral("MAS"), 0x20000},   {QStringLiteral("FEM"), 0x40000},
        {QStringLiteral("NEU"), 0x60000},   {QStringLiteral("POS"), 0x80000},   {QStringLiteral("KOM"), 0x100000},
        {QStringLiteral("SUP"), 0x180000},  {QStringLiteral("ADV"), 0x200000},
    };
    return tabelle;
}

// Greedy, as the template format defines it: a match runs from the first
// marker opening to the last ") -->" of the line, so two markers on one
// line are read as one description. The delivered templates keep one marker
// per line (checked on the template files); a page built from another
// template still resolves exactly as the format says.
const QRegularExpression &FormMuster()
{
    static const QRegularExpression muster(QStringLiteral("<!-- #Form\\(.*\\) -->"));
    return muster;
}

const QString kAnfang = QStringLiteral("<!-- #Form(");
const QString kEnde = QStringLiteral(") -->");

} // namespace

int32_t FormSchluesselwortWert(const QString &schluesselwort)
{
    return Schluesselwoerter().value(schluesselwort.trimmed().toUpper(), 0);
}

FormPlatzhalter FormPlatzhalterLesen(const QString &platzhalter)
{
    QString innen = platzhalter;
    if (innen.startsWith(kAnfang) && innen.endsWith(kEnde) && innen.size() >= kAnfang.size() + kEnde.size())
        innen = innen.mid(kAnfang.size(), innen.size() - kAnfang.size() - kEnde.size());
    const QStringList woerter = innen.split(QLatin1Char(' '), Qt::SkipEmptyParts);

    FormPlatzhalter ergebnis;
    for (const QString &wort : woerter)
        ergebnis.formId += FormSchluesselwortWert(wort);
    ergebnis.vokabel = !woerter.isEmpty() && woerter.last().trimmed().toUpper() == QLatin1String("VOKABEL");
    return ergebnis;
}

QString FormPlatzhalterText(const QString &platzhalter, const TVokabel &vokabel, const FormTextFn &formText,
                            TLaengenAnzeige anzeige)
{
    const FormPlatzhalter p = FormPlatzhalterLesen(platzhalter);
    QString text;
    if (p.vokabel)
        text = LaengenZeigen(vokabel.vokabel.trimmed(), anzeige.Fuer(vokabel));
    else if (p.formId > 0 && formText)
        text = formText(p.formId).trimmed();
    if (text.isEmpty())
        return QStringLiteral("-");
    return HtmlMaskieren(text);
}

QString FormMarkerErsetzen(const QString &zeile, const TVokabel &vokabel, const FormTextFn &formText,
                           TLaengenAnzeige anzeige)
{
    if (!zeile.contains(kAnfang))
        return zeile;
    QString ergebnis;
    qsizetype bisher = 0;
    auto treffer = FormMuster().globalMatch(zeile);
    while (treffer.hasNext()) {
        const auto t = treffer.next();
        ergebnis += zeile.mid(bisher, t.capturedStart() - bisher);
        ergebnis += FormPlatzhalterText(t.captured(0), vokabel, formText, anzeige);
        bisher = t.capturedEnd();
    }
    ergebnis += zeile.mid(bisher);
    return ergebnis;
}

QStringList Sprungmarken(const QStringList &zeilen)
{
    static const QRegularExpression muster(QStringLiteral("<A name=\"(.*?)\">"),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList namen;
    for (const QString &zeile : zeilen) {
        auto treffer = muster.globalMatch(zeile);
        while (treffer.hasNext())
            namen.append(treffer.next().captured(1));
    }
    return namen;
}

QString FormentabelleVorlage(const TVokabel &vokabel)
{
    switch (vokabel.Wortart()) {
    case WA_VERB:
        return (vokabel.Deponens() || vokabel.Semideponens()) ? QStringLiteral("tabelle_deponens.htm")
                                                              : QStringLiteral("tabelle_verb.htm");
    case WA_SUBSTANTIV:
        return QStringLiteral("tabelle_substantiv.htm");
    case WA_ADJEKTIV:
        return QStringLiteral("tabelle_adjektiv.htm");
    case WA_PRONOMEN:
        return QStringLiteral("tabelle_pronomen.htm");
    default:
        return {};
    }
}

QStringList FormentabelleSeite(const TVokabel &vokabel, const QStringList &vorlage, const FormTextFn &formText,
                               TLaengenAnzeige anzeige)
{
    QStringList seite;
    seite.reserve(vorlage.size());
    for (const QString &zeile : vorlage)
        seite.append(FormMarkerErsetzen(zeile, vokabel, formText, anzeige));
    return seite;
}

} // namespace lexovita
