#include "render/karteikarten.h"

#include "morph/formenbaum.h"
#include "morph/formid.h"
#include "render/html.h"

#include <QHash>
#include <QRegularExpression>

namespace lexovita {

namespace {

QString Zelle(const QString &text)
{
    return HtmlMaskieren(text);
}

// Deck and tag parts: "::" would open a sub-deck, blanks would split a tag.
QString DeckTeil(QString name)
{
    name.replace(QStringLiteral("::"), QStringLiteral(":"));
    name.remove(QLatin1Char('"')); // a quote at a field's start would open a quoted field
    return name.simplified();
}

QString Schlagwort(const QString &name)
{
    QString s = name.simplified();
    s.remove(QLatin1Char('"'));
    s.replace(QLatin1Char(' '), QLatin1Char('_'));
    return s;
}

// No tab or line break may reach a field: they would end it.
QString Feld(QString html)
{
    html.replace(QLatin1Char('\t'), QLatin1Char(' '));
    html.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    html.replace(QLatin1Char('\r'), QStringLiteral("<br>"));
    return html;
}

QString Vorderseite(const TVokabel &v)
{
    QString s = QStringLiteral("<b>") + Zelle(v.vokabel) + QStringLiteral("</b>");
    QString formen = v.FormenText();
    // An adjective's first form is mostly the headword again.
    if (formen.startsWith(v.vokabel + QStringLiteral(", ")))
        formen = formen.mid(v.vokabel.size() + 2);
    if (!formen.isEmpty())
        s += QStringLiteral(", ") + Zelle(formen);
    QString klasse = v.WortartText();
    if (!v.KonjDeklText().isEmpty())
        klasse += QStringLiteral(", ") + v.KonjDeklText();
    return s + QStringLiteral("<br><small>") + Zelle(klasse) + QStringLiteral("</small>");
}

QString Rueckseite(const TVokabel &v)
{
    QStringList gruppen;
    for (int32_t g = 1; g <= v.MaxGruppe(); ++g) {
        std::vector<const TBedeutung *> teil;
        for (const auto &b : v.bedeutungen)
            if (b->gruppe == g)
                teil.push_back(b.get());
        std::stable_sort(teil.begin(), teil.end(), [](auto *a, auto *b) { return a->position < b->position; });
        QStringList texte;
        for (const TBedeutung *b : teil)
            texte << Zelle(b->bedeutung) +
                         (b->kommentar.isEmpty() ? QString() : QStringLiteral(" (") + Zelle(b->kommentar) + u')');
        if (!texte.isEmpty())
            gruppen << texte.join(QStringLiteral(", "));
    }
    QString s;
    if (gruppen.size() == 1) {
        s = gruppen.front();
    } else {
        for (qsizetype i = 0; i < gruppen.size(); ++i)
            s += (i ? QStringLiteral("<br>") : QString()) + QString::number(i + 1) + QStringLiteral(". ") + gruppen[i];
    }
    QStringList hilfen;
    for (const auto &m : v.merkhilfen)
        hilfen << Zelle(m->merkhilfe) + QStringLiteral(" (") + Zelle(SpracheName(m->sprache)) + u')';
    if (!hilfen.isEmpty())
        s += QStringLiteral("<br><small>Merkhilfen: ") + hilfen.join(QStringLiteral(", ")) + QStringLiteral("</small>");
    return s;
}

QString Tabelle(TFormenmanager &m, const TVokabel &v, const QStringList &spalten,
                const std::vector<std::pair<QString, std::vector<int32_t>>> &zeilen)
{
    QString s = QStringLiteral("<table><tr><th></th>");
    for (const QString &k : spalten)
        s += QStringLiteral("<th>") + Zelle(k) + QStringLiteral("</th>");
    s += QStringLiteral("</tr>");
    bool etwas = false;
    for (const auto &[name, ids] : zeilen) {
        s += QStringLiteral("<tr><th>") + Zelle(name) + QStringLiteral("</th>");
        for (const int32_t id : ids) {
            const QString form = ErsteFormText(m, v, id);
            etwas = etwas || !form.isEmpty();
            s += QStringLiteral("<td>") + Zelle(form) + QStringLiteral("</td>");
        }
        s += QStringLiteral("</tr>");
    }
    return etwas ? s + QStringLiteral("</table>") : QString();
}

} // namespace

QSet<int32_t> KarteikartenFormenVorgabe()
{
    return {WA_VERB, WA_SUBSTANTIV, WA_ADJEKTIV};
}

QString FormenHtml(TFormenmanager &m, const TVokabel &v)
{
    using namespace fid;
    const QStringList kasus = {QStringLiteral("Nom."), QStringLiteral("Gen."), QStringLiteral("Dat."),
                               QStringLiteral("Akk."), QStringLiteral("Abl.")};
    const int32_t sg[] = {NOM_SG, GEN_SG, DAT_SG, AKK_SG, ABL_SG};
    const int32_t pl[] = {NOM_PL, GEN_PL, DAT_PL, AKK_PL, ABL_PL};
    std::vector<std::pair<QString, std::vector<int32_t>>> zeilen;
    QString html;
    switch (v.Wortart()) {
    case WA_SUBSTANTIV: {
        const bool nurPl = v.PluralisTantum(), nurSg = v.SingularisTantum();
        QStringList spalten;
        if (!nurPl)
            spalten << QStringLiteral("Sg.");
        if (!nurSg)
            spalten << QStringLiteral("Pl.");
        for (int i = 0; i < 5; ++i) {
            std::vector<int32_t> ids;
            if (!nurPl)
                ids.push_back(sg[i]);
            if (!nurSg)
                ids.push_back(pl[i]);
            zeilen.emplace_back(kasus[i], ids);
        }
        html = Tabelle(m, v, spalten, zeilen);
        break;
    }
    case WA_ADJEKTIV:
        for (int i = 0; i < 5; ++i)
            zeilen.emplace_back(kasus[i], std::vector<int32_t>{POSITIV | MASKULINUM | sg[i],
                                                               POSITIV | FEMININUM | sg[i], POSITIV | NEUTRUM | sg[i]});
        html = Tabelle(m, v, {QStringLiteral("m."), QStringLiteral("f."), QStringLiteral("n.")}, zeilen);
        break;
    case WA_VERB: {
        const int32_t genus = v.Deponens() ? PASSIV : AKTIV;
        const int32_t perfekt = (v.Deponens() || v.Semideponens()) ? PASSIV : AKTIV;
        const QStringList personen = {QStringLiteral("1. Sg."), QStringLiteral("2. Sg."), QStringLiteral("3. Sg."),
                                      QStringLiteral("1. Pl."), QStringLiteral("2. Pl."), QStringLiteral("3. Pl.")};
        for (int p = 0; p < 6; ++p)
            zeilen.emplace_back(personen[p], std::vector<int32_t>{PRAESENS | INDIKATIV | genus | (P1_SG + p),
                                                                  PERFEKT | INDIKATIV | perfekt | (P1_SG + p)});
        html = Tabelle(m, v, {QStringLiteral("Präsens"), QStringLiteral("Perfekt")}, zeilen);
        break;
    }
    default:
        break;
    }
    m.Zuruecksetzen();
    return html;
}

QByteArray KarteikartenSchreiben(const QString &lehrbuch, const std::vector<const TLektion *> &lektionen,
                                 TFormenmanager &manager, const QSet<int32_t> &formenFuer)
{
    struct Notiz {
        const TVokabel *v;
        QString deck;
        QStringList schlagworte;
    };
    // A lesson never stored has no textbook; its deck still needs a name.
    const QString buch = lehrbuch.trimmed().isEmpty() ? QStringLiteral("Ohne Lehrbuch") : lehrbuch;
    std::vector<Notiz> notizen;
    QHash<int32_t, size_t> nachId;
    for (const TLektion *l : lektionen)
        for (const auto &v : l->vokabeln) {
            const QString lektionTag = Schlagwort(l->name);
            if (v->id > 0 && nachId.contains(v->id)) {
                Notiz &n = notizen[nachId.value(v->id)];
                if (!n.schlagworte.contains(lektionTag))
                    n.schlagworte << lektionTag;
                continue;
            }
            if (v->id > 0)
                nachId.insert(v->id, notizen.size());
            notizen.push_back({v.get(),
                               QStringLiteral("lexovita::") + DeckTeil(buch) + QStringLiteral("::") + DeckTeil(l->name),
                               {Schlagwort(buch), lektionTag}});
        }
    QString text = QStringLiteral("#separator:tab\n#html:true\n#notetype column:1\n#deck column:2\n#tags column:6\n");
    for (const Notiz &n : notizen) {
        const QString formen = formenFuer.contains(n.v->Wortart()) ? FormenHtml(manager, *n.v) : QString();
        QStringList felder = {QStringLiteral("lexovita"), n.deck, Vorderseite(*n.v),
                              Rueckseite(*n.v),           formen, n.schlagworte.join(QLatin1Char(' '))};
        for (QString &f : felder)
            f = Feld(f);
        text += felder.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

} // namespace lexovita
