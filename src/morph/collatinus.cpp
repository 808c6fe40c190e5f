#include "morph/collatinus.h"

#include "morph/formenmanager.h"
#include "morph/formid.h"
#include "morph/laengen.h"

#include <QRegularExpression>
#include <algorithm>

namespace lexovita {

namespace {

bool IstZeichen(QChar c)
{
    return c.category() == QChar::Mark_NonSpacing;
}

// Quantity marks off, the Cyrillic u the files use for a short y turned
// back into y; nothing else changes.
QString OhneMarken(const QString &text)
{
    QString f;
    f.reserve(text.size());
    for (QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (IstZeichen(c))
            continue;
        if (c.unicode() == 0x0443)
            c = QLatin1Char('y');
        else if (c.unicode() == 0x0423)
            c = QLatin1Char('Y');
        f += c;
    }
    return f;
}

// The text without its last `n` letters; a combining mark goes with its letter.
QString LetztBuchstabenAb(const QString &text, int n)
{
    const QString t = text.normalized(QString::NormalizationForm_C);
    qsizetype ende = t.size();
    while (n > 0 && ende > 0) {
        --ende;
        while (ende > 0 && IstZeichen(t[ende]))
            --ende;
        --n;
    }
    return t.left(ende);
}

std::vector<int> BereichLesen(const QString &text, bool &ok)
{
    std::vector<int> zahlen;
    ok = true;
    for (const QString &teil : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype strich = teil.indexOf(QLatin1Char('-'));
        bool a = false, b = true;
        const int von = teil.left(strich < 0 ? teil.size() : strich).toInt(&a);
        const int bis = strich < 0 ? von : teil.mid(strich + 1).toInt(&b);
        if (!a || !b || bis < von || bis - von > 500) {
            ok = false;
            return {};
        }
        for (int i = von; i <= bis; ++i)
            zahlen.push_back(i);
    }
    return zahlen;
}

QString Ohnenummer(const QString &kanon)
{
    QString t = kanon;
    while (!t.isEmpty() && t.back().isDigit())
        t.chop(1);
    return t;
}

} // namespace

QString OhneLaengen(const QString &text)
{
    QString f;
    const QString o = OhneMarken(text);
    f.reserve(o.size() + 2);
    for (QChar c : o) {
        switch (c.unicode()) {
        case u'j':
            f += QLatin1Char('i');
            break;
        case u'J':
            f += QLatin1Char('I');
            break;
        case 0x00e6:
            f += QLatin1String("ae");
            break;
        case 0x00c6:
            f += QLatin1String("Ae");
            break;
        case 0x0153:
            f += QLatin1String("oe");
            break;
        case 0x0152:
            f += QLatin1String("Oe");
            break;
        default:
            f += c;
        }
    }
    return f;
}

std::optional<TCollatinusLemma> CollatinusLemmaLesen(const QString &zeile)
{
    if (zeile.isEmpty() || zeile.startsWith(QLatin1Char('!')))
        return std::nullopt;
    const QStringList f = zeile.split(QLatin1Char('|'));
    if (f.size() < 6 || f[0].isEmpty() || f[1].isEmpty())
        return std::nullopt;
    bool ok = false;
    TCollatinusLemma l;
    // A remark may follow the frequency after "!".
    l.frequenz = f[5].section(QLatin1Char('!'), 0, 0).trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    const qsizetype gleich = f[0].indexOf(QLatin1Char('='));
    const QString kanon = gleich < 0 ? f[0] : f[0].left(gleich);
    l.schluessel = OhneMarken(kanon);
    // The marked form may list variants ("ĭn,īndŭ"): the first is the lemma.
    const QStringList markiert = (gleich < 0 ? kanon : f[0].mid(gleich + 1)).split(QLatin1Char(','));
    l.lemma = Ohnenummer(markiert.first()).normalized(QString::NormalizationForm_C);
    for (qsizetype i = 1; i < markiert.size(); ++i)
        l.varianten.append(Ohnenummer(markiert[i]).normalized(QString::NormalizationForm_C));
    l.modell = f[1];
    l.radikal1 = f[2].split(QLatin1Char(','), Qt::SkipEmptyParts);
    l.radikal2 = f[3].split(QLatin1Char(','), Qt::SkipEmptyParts);
    l.angaben = f[4].trimmed();
    return l;
}

std::optional<TCollatinusIrregulaer> CollatinusIrregulaerLesen(const QString &zeile)
{
    if (zeile.isEmpty() || zeile.startsWith(QLatin1Char('!')))
        return std::nullopt;
    const QStringList f = zeile.split(QLatin1Char(':'));
    if (f.size() != 3 || f[0].isEmpty() || f[1].isEmpty())
        return std::nullopt;
    TCollatinusIrregulaer i;
    i.form = f[0];
    if (i.form.endsWith(QLatin1Char('*'))) {
        i.zusaetzlich = true;
        i.form.chop(1);
    }
    i.form = i.form.normalized(QString::NormalizationForm_C);
    i.schluessel = f[1];
    bool ok = false;
    i.morphologien = BereichLesen(f[2], ok);
    if (!ok || i.morphologien.empty())
        return std::nullopt;
    return i;
}

// ---------------------------------------------------------------- models

struct TCollatinusModelle::TModell {
    QString name;
    QChar pos;
    // Radical rule by number: cut letters and added text; K keeps the
    // canonical form, "-" takes the radical only from the lemma line.
    struct TRadikal {
        enum Art { Regel, Kanon, NurLemma } art = Regel;
        int ab = 0;
        QString dazu;
    };
    std::map<int, TRadikal> radikale;
    struct TEndung {
        int radikal;
        QStringList texte;
    };
    std::map<int, std::vector<TEndung>> endungen;
    QSet<int> fehlend;
    QString suffix; // appended to every form
};

TCollatinusModelle::TCollatinusModelle() = default;
TCollatinusModelle::~TCollatinusModelle() = default;
TCollatinusModelle::TCollatinusModelle(TCollatinusModelle &&) noexcept = default;
TCollatinusModelle &TCollatinusModelle::operator=(TCollatinusModelle &&) noexcept = default;

bool TCollatinusModelle::Lesen(const QString &text, QString &fehler)
{
    m_modelle.clear();
    m_nachName.clear();
    QHash<QString, QStringList> konstanten;
    TModell *m = nullptr;
    QSet<int> eigene; // forms the current model itself gave endings for
    int nr = 0;
    const auto fehlerhaft = [&](const QString &warum) {
        fehler = QStringLiteral("Zeile %1 der Modelldatei: %2").arg(nr).arg(warum);
        return false;
    };
    for (QString zeile : text.split(QLatin1Char('\n'))) {
        ++nr;
        zeile = zeile.trimmed().normalized(QString::NormalizationForm_C);
        if (zeile.isEmpty() || zeile.startsWith(QLatin1Char('!')))
            continue;
        if (zeile.startsWith(QLatin1Char('$'))) {
            const qsizetype g = zeile.indexOf(QLatin1Char('='));
            if (g < 0)
                return fehlerhaft(QStringLiteral("Konstante ohne „=“."));
            konstanten.insert(zeile.mid(1, g - 1), zeile.mid(g + 1).split(QLatin1Char(';')));
            continue;
        }
        const qsizetype doppel = zeile.indexOf(QLatin1Char(':'));
        if (doppel < 0)
            return fehlerhaft(QStringLiteral("unbekannte Zeile."));
        const QString schluessel = zeile.left(doppel);
        const QString wert = zeile.mid(doppel + 1);
        if (schluessel == QLatin1String("modele")) {
            auto neu = std::make_unique<TModell>();
            eigene.clear();
            neu->name = wert;
            m = neu.get();
            m_nachName.insert(wert, m);
            m_modelle.push_back(std::move(neu));
            continue;
        }
        if (!m)
            return fehlerhaft(QStringLiteral("Angabe vor dem ersten Modell."));
        if (schluessel == QLatin1String("pere")) {
            const TModell *vater = m_nachName.value(wert);
            if (!vater)
                return fehlerhaft(QStringLiteral("unbekanntes Vatermodell „%1“.").arg(wert));
            const QString name = m->name;
            *m = *vater;
            m->name = name;
        } else if (schluessel == QLatin1String("R")) {
            const QStringList t = wert.split(QLatin1Char(':'));
            bool ok = false;
            const int n = t.value(0).toInt(&ok);
            if (!ok || t.size() != 2)
                return fehlerhaft(QStringLiteral("Radikal unlesbar."));
            TModell::TRadikal r;
            if (t[1] == QLatin1String("K")) {
                r.art = TModell::TRadikal::Kanon;
            } else if (t[1] == QLatin1String("-")) {
                r.art = TModell::TRadikal::NurLemma;
            } else {
                const QStringList ab = t[1].split(QLatin1Char(','));
                r.ab = ab.value(0).toInt(&ok);
                if (!ok || ab.size() != 2)
                    return fehlerhaft(QStringLiteral("Radikal unlesbar."));
                r.dazu = ab[1] == QLatin1String("0") ? QString() : ab[1];
            }
            m->radikale[n] = r;
        } else if (schluessel == QLatin1String("des") || schluessel == QLatin1String("des+")) {
            const QStringList t = wert.split(QLatin1Char(':'));
            bool ok = false;
            const std::vector<int> morpho = BereichLesen(t.value(0), ok);
            const int radikal = t.value(1).toInt(&ok) * (ok ? 1 : 0);
            if (t.size() != 3 || morpho.empty() || !ok)
                return fehlerhaft(QStringLiteral("Endungszeile unlesbar."));
            QStringList liste;
            for (const QString &teil : t[2].split(QLatin1Char(';'))) {
                const qsizetype dollar = teil.indexOf(QLatin1Char('$'));
                if (dollar < 0) {
                    liste.append(teil);
                    continue;
                }
                const QString vorn = teil.left(dollar);
                const auto k = konstanten.constFind(teil.mid(dollar + 1));
                if (k == konstanten.constEnd())
                    return fehlerhaft(QStringLiteral("unbekannte Konstante „%1“.").arg(teil.mid(dollar + 1)));
                for (const QString &x : *k)
                    liste.append(vorn + x);
            }
            for (size_t i = 0; i < morpho.size(); ++i) {
                // A list shorter than its range repeats its last ending.
                const QString e = liste.value(qsizetype(std::min(i, size_t(liste.size() - 1))));
                QStringList texte;
                for (const QString &x : e.split(QLatin1Char(',')))
                    texte.append(x == QLatin1String("-") ? QString() : x);
                auto &ziel = m->endungen[morpho[i]];
                // "des" replaces what the parent gave; lines of the model
                // itself for the same form add up.
                if (schluessel == QLatin1String("des") && !eigene.contains(morpho[i]))
                    ziel.clear();
                eigene.insert(morpho[i]);
                ziel.push_back({radikal, texte});
                m->fehlend.remove(morpho[i]);
            }
        } else if (schluessel == QLatin1String("abs")) {
            bool ok = false;
            for (int i : BereichLesen(wert, ok))
                m->fehlend.insert(i);
            if (!ok)
                return fehlerhaft(QStringLiteral("Bereich unlesbar."));
        } else if (schluessel == QLatin1String("pos")) {
            m->pos = wert.isEmpty() ? QChar() : wert[0];
        } else if (schluessel == QLatin1String("sufd")) {
            m->suffix = wert;
        } else if (schluessel != QLatin1String("suf")) {
            return fehlerhaft(QStringLiteral("unbekannte Angabe „%1“.").arg(schluessel));
        }
    }
    if (m_modelle.empty()) {
        fehler = QStringLiteral("Die Modelldatei enthält kein Modell.");
        return false;
    }
    return true;
}

bool TCollatinusModelle::Hat(const QString &modell) const
{
    return m_nachName.contains(modell);
}

QStringList TCollatinusModelle::Namen() const
{
    QStringList n;
    for (const auto &m : m_modelle)
        n.append(m->name);
    return n;
}

QChar TCollatinusModelle::Wortart(const QString &modell) const
{
    const TModell *m = m_nachName.value(modell);
    return m ? m->pos : QChar();
}

std::map<int, QStringList> TCollatinusModelle::Formen(const TCollatinusLemma &lemma) const
{
    std::map<int, QStringList> formen;
    const TModell *m = m_nachName.value(lemma.modell);
    if (!m)
        return formen;
    std::map<int, QStringList> radikale;
    for (const auto &[n, r] : m->radikale) {
        if (r.art == TModell::TRadikal::Kanon)
            radikale[n] = {lemma.lemma};
        else if (r.art == TModell::TRadikal::Regel)
            radikale[n] = {LetztBuchstabenAb(lemma.lemma, r.ab) + r.dazu};
    }
    if (!lemma.radikal1.isEmpty())
        radikale[1] = lemma.radikal1;
    if (!lemma.radikal2.isEmpty())
        radikale[2] = lemma.radikal2;
    for (const auto &[morpho, liste] : m->endungen) {
        if (m->fehlend.contains(morpho))
            continue;
        QStringList texte;
        for (const TModell::TEndung &e : liste) {
            const auto r = radikale.find(e.radikal);
            if (r == radikale.end())
                continue;
            for (const QString &rad : r->second)
                for (const QString &end : e.texte) {
                    const QString f = (rad + end + m->suffix).normalized(QString::NormalizationForm_C);
                    if (!texte.contains(f))
                        texte.append(f);
                }
        }
        if (!texte.isEmpty())
            formen[morpho] = texte;
    }
    return formen;
}

// ---------------------------------------------------------------- identifiers

namespace {

// Collatinus counts the cases nom, voc, acc, gen, dat, abl; 0: vocative.
int32_t Kasus(int i)
{
    static const int nr[6] = {1, 0, 4, 2, 3, 5};
    const int k = nr[i % 6];
    if (k == 0)
        return 0;
    return fid::Kasus(k + (i % 12 >= 6 ? fid::KASUS_SINGULAR : 0));
}

int32_t GenusNr(int i)
{
    static const int32_t g[3] = {fid::MASKULINUM, fid::FEMININUM, fid::NEUTRUM};
    return g[i];
}

// 36 forms of three genders, twelve cases each.
int32_t Dekliniert(int i, int32_t basis)
{
    const int32_t k = Kasus(i % 12);
    return k == 0 ? 0 : basis | GenusNr(i / 12) | k;
}

} // namespace

int32_t FormIdAusMorphologie(int morpho, int32_t wortart, int32_t genus, bool deponens)
{
    if (morpho >= 1 && morpho <= 12) {
        const int32_t k = Kasus(morpho - 1);
        return k == 0 ? 0 : (wortart == WA_SUBSTANTIV ? genus : 0) | k;
    }
    if (morpho >= 13 && morpho <= 120) {
        const int grad = (morpho - 13) / 36;
        const int32_t k = Kasus((morpho - 13) % 12);
        if (k == 0)
            return 0;
        if (wortart == WA_PRONOMEN) {
            // Pronoun forms carry their gender, but the masculine none.
            const int32_t g = GenusNr(((morpho - 13) % 36) / 12);
            return grad == 0 ? (g == fid::MASKULINUM ? 0 : g) | k : 0;
        }
        static const int32_t grade[3] = {fid::POSITIV, fid::KOMPARATIV, fid::SUPERLATIV};
        return Dekliniert((morpho - 13) % 36, grade[grad]);
    }
    if (morpho >= 121 && morpho <= 180) {
        static const int32_t tm[10][2] = {
            {fid::PRAESENS, fid::INDIKATIV},        {fid::IMPERFEKT, fid::INDIKATIV},
            {fid::FUTUR1, fid::INDIKATIV},          {fid::PERFEKT, fid::INDIKATIV},
            {fid::PLUSQUAMPERFEKT, fid::INDIKATIV}, {fid::FUTUR2, fid::INDIKATIV},
            {fid::PRAESENS, fid::KONJUNKTIV},       {fid::IMPERFEKT, fid::KONJUNKTIV},
            {fid::PERFEKT, fid::KONJUNKTIV},        {fid::PLUSQUAMPERFEKT, fid::KONJUNKTIV}};
        const int k = morpho - 121;
        return fid::AKTIV | tm[k / 6][0] | tm[k / 6][1] | (k % 6 + 1);
    }
    switch (morpho) {
    case 181:
        return fid::IMPERATIV_I | fid::P2_SG;
    case 182:
        return fid::IMPERATIV_I | fid::P2_PL;
    case 183:
        return fid::IMPERATIV_II | fid::P2_SG;
    case 184:
        return fid::IMPERATIV_II | fid::P3_SG;
    case 185:
        return fid::IMPERATIV_II | fid::P2_PL;
    case 186:
        return fid::IMPERATIV_II | fid::P3_PL;
    case 187:
        return fid::INFINITIV | fid::AKTIV | fid::PRAESENS;
    case 188:
        return fid::INFINITIV | fid::AKTIV | fid::PERFEKT;
    case 265: // -um: our Supinum II
        return fid::SUPINUM_II;
    case 266:
        return fid::SUPINUM_I;
    case 302:
        return fid::INFINITIV | (deponens ? fid::AKTIV : fid::PASSIV) | fid::PRAESENS;
    case 415:
        return fid::INFINITIV | fid::AKTIV | fid::FUTUR1;
    default:
        break;
    }
    if (morpho >= 189 && morpho <= 224)
        return Dekliniert(morpho - 189, fid::PARTIZIP | fid::AKTIV | fid::PRAESENS);
    if (morpho >= 225 && morpho <= 260)
        return Dekliniert(morpho - 225, fid::PARTIZIP | fid::AKTIV | fid::FUTUR1);
    if (morpho >= 261 && morpho <= 264) {
        static const int k[4] = {4, 2, 3, 5};
        return fid::GERUNDIUM | fid::Kasus(k[morpho - 261]);
    }
    const int32_t gv = deponens ? fid::AKTIV : fid::PASSIV;
    if (morpho >= 267 && morpho <= 296) {
        static const int32_t tm[5][2] = {{fid::PRAESENS, fid::INDIKATIV},
                                         {fid::IMPERFEKT, fid::INDIKATIV},
                                         {fid::FUTUR1, fid::INDIKATIV},
                                         {fid::PRAESENS, fid::KONJUNKTIV},
                                         {fid::IMPERFEKT, fid::KONJUNKTIV}};
        const int k = morpho - 267;
        return gv | tm[k / 6][0] | tm[k / 6][1] | (k % 6 + 1);
    }
    if (morpho >= 303 && morpho <= 338)
        return Dekliniert(morpho - 303, fid::PARTIZIP | gv | fid::PERFEKT);
    if (morpho >= 339 && morpho <= 374)
        return Dekliniert(morpho - 339, fid::GERUNDIVUM);
    return 0;
}

// ---------------------------------------------------------------- mapping

TModellAbbildung ModellAbbilden(const QString &modell, QChar pos)
{
    struct Zeile {
        const char *modell;
        int32_t wortart, konjDekl, flags;
    };
    // Every model of the lexicon; a model missing here is kept as
    // "Unbestimmt" with its forms as special forms.
    static const Zeile kTabelle[] = {
        // nouns
        {"uita", WA_SUBSTANTIV, KD_A, 0},
        {"epulae", WA_SUBSTANTIV, KD_A, ATTR_PLURALIS_TANTUM},
        {"roma", WA_SUBSTANTIV, KD_A, 0},
        {"dea", WA_SUBSTANTIV, KD_A, 0},
        {"leda", WA_SUBSTANTIV, KD_A, 0},
        {"aeneas", WA_SUBSTANTIV, KD_A, 0},
        {"cometes", WA_SUBSTANTIV, KD_A, 0},
        {"cybele", WA_SUBSTANTIV, KD_A, 0},
        {"lupus", WA_SUBSTANTIV, KD_O, 0},
        {"samus", WA_SUBSTANTIV, KD_O, ATTR_SINGULARIS_TANTUM},
        {"liberi", WA_SUBSTANTIV, KD_O, ATTR_PLURALIS_TANTUM},
        {"deus", WA_SUBSTANTIV, KD_O, 0},
        {"filius", WA_SUBSTANTIV, KD_O, 0},
        {"perseus", WA_SUBSTANTIV, KD_O, 0},
        {"delos", WA_SUBSTANTIV, KD_O, 0},
        {"templum", WA_SUBSTANTIV, KD_O, 0},
        {"arpinum", WA_SUBSTANTIV, KD_O, ATTR_SINGULARIS_TANTUM},
        {"castra", WA_SUBSTANTIV, KD_O, ATTR_PLURALIS_TANTUM},
        {"virus", WA_SUBSTANTIV, KD_O, ATTR_SINGULARIS_TANTUM},
        {"ilion", WA_SUBSTANTIV, KD_O, 0},
        {"puer", WA_SUBSTANTIV, KD_O, 0},
        {"ager", WA_SUBSTANTIV, KD_O, 0},
        {"miles", WA_SUBSTANTIV, KD_K, 0},
        {"honor", WA_SUBSTANTIV, KD_K, 0},
        {"aer", WA_SUBSTANTIV, KD_K, 0},
        {"tethys", WA_SUBSTANTIV, KD_K, 0},
        {"opes", WA_SUBSTANTIV, KD_K, ATTR_PLURALIS_TANTUM},
        {"dos", WA_SUBSTANTIV, KD_G, 0},
        {"corpus", WA_SUBSTANTIV, KD_K, 0},
        {"ciuis", WA_SUBSTANTIV, KD_G, 0},
        {"thales", WA_SUBSTANTIV, KD_K, 0},
        {"poesis", WA_SUBSTANTIV, KD_K, 0},
        {"manes", WA_SUBSTANTIV, KD_G, ATTR_PLURALIS_TANTUM},
        {"turris", WA_SUBSTANTIV, KD_I, 0},
        {"uis", WA_SUBSTANTIV, KD_I, 0},
        {"nauis", WA_SUBSTANTIV, KD_I, 0},
        {"apis", WA_SUBSTANTIV, KD_G, 0},
        {"mare", WA_SUBSTANTIV, KD_I, 0},
        {"moenia", WA_SUBSTANTIV, KD_I, ATTR_PLURALIS_TANTUM},
        {"animal", WA_SUBSTANTIV, KD_I, 0},
        {"manus", WA_SUBSTANTIV, KD_U, 0},
        {"acus", WA_SUBSTANTIV, KD_U, 0},
        {"lacus", WA_SUBSTANTIV, KD_U, 0},
        {"domus", WA_SUBSTANTIV, KD_U, 0},
        {"cornu", WA_SUBSTANTIV, KD_U, 0},
        {"res", WA_SUBSTANTIV, KD_E, 0},
        {"dies", WA_SUBSTANTIV, KD_E, 0},
        {"isaac", WA_SUBSTANTIV, KD_KEINE, ATTR_SINGULARIS_TANTUM},
        {"abraham", WA_SUBSTANTIV, KD_K, ATTR_SINGULARIS_TANTUM},
        {"jesus", WA_SUBSTANTIV, KD_O, ATTR_SINGULARIS_TANTUM},
        {"clio", WA_SUBSTANTIV, KD_KEINE, ATTR_SINGULARIS_TANTUM},
        // adjectives
        {"doctus", WA_ADJEKTIV, KD_O, 0},
        {"deni", WA_ADJEKTIV, KD_O, ATTR_PLURALIS_TANTUM},
        {"multus", WA_ADJEKTIV, KD_O, 0},
        {"nonus", WA_ADJEKTIV, KD_O, 0},
        {"deterior", WA_ADJEKTIV, KD_I, 0},
        {"unus", WA_ADJEKTIV, KD_O, 0},
        {"alter", WA_ADJEKTIV, KD_O, 0},
        {"unusquisque", WA_PRONOMEN, KD_KEINE, 0},
        {"aureus", WA_ADJEKTIV, KD_O, 0},
        {"meus", WA_ADJEKTIV, KD_O, 0},
        {"artios", WA_ADJEKTIV, KD_O, 0},
        {"duo", WA_ADJEKTIV, KD_O, ATTR_PLURALIS_TANTUM},
        {"miser", WA_ADJEKTIV, KD_O, 0},
        {"pulcher", WA_ADJEKTIV, KD_O, 0},
        {"fortis", WA_ADJEKTIV, KD_I, 0},
        {"felix", WA_ADJEKTIV, KD_I, 0},
        {"facilis", WA_ADJEKTIV, KD_I, 0},
        {"infans", WA_ADJEKTIV, KD_I, 0},
        {"acer", WA_ADJEKTIV, KD_I, 0},
        {"diues", WA_ADJEKTIV, KD_I, 0},
        {"plus", WA_ADJEKTIV, KD_I, 0},
        {"uetus", WA_ADJEKTIV, KD_I, 0},
        {"plerique", WA_ADJEKTIV, KD_O, ATTR_PLURALIS_TANTUM},
        {"mille", WA_ADJEKTIV, KD_I, 0},
        // pronouns
        {"prcum", WA_PRONOMEN, KD_KEINE, 0},
        {"is", WA_PRONOMEN, KD_KEINE, 0},
        {"idem", WA_PRONOMEN, KD_KEINE, 0},
        {"hic", WA_PRONOMEN, KD_KEINE, 0},
        {"ipse", WA_PRONOMEN, KD_KEINE, 0},
        {"ille", WA_PRONOMEN, KD_KEINE, 0},
        {"qui", WA_PRONOMEN, KD_KEINE, 0},
        {"quicumque", WA_PRONOMEN, KD_KEINE, 0},
        {"qualiscumque", WA_PRONOMEN, KD_KEINE, 0},
        {"quantuscumque", WA_PRONOMEN, KD_KEINE, 0},
        {"quidam", WA_PRONOMEN, KD_KEINE, 0},
        {"quilibet", WA_PRONOMEN, KD_KEINE, 0},
        {"quinam", WA_PRONOMEN, KD_KEINE, 0},
        {"quiuis", WA_PRONOMEN, KD_KEINE, 0},
        {"quis", WA_PRONOMEN, KD_KEINE, 0},
        {"siquis", WA_PRONOMEN, KD_KEINE, 0},
        {"quisnam", WA_PRONOMEN, KD_KEINE, 0},
        {"quispiam", WA_PRONOMEN, KD_KEINE, 0},
        {"quisquam", WA_PRONOMEN, KD_KEINE, 0},
        {"quisque", WA_PRONOMEN, KD_KEINE, 0},
        {"quisquis", WA_PRONOMEN, KD_KEINE, 0},
        {"ego", WA_PRONOMEN, KD_KEINE, 0},
        {"nos", WA_PRONOMEN, KD_KEINE, ATTR_PLURALIS_TANTUM},
        {"uos", WA_PRONOMEN, KD_KEINE, ATTR_PLURALIS_TANTUM},
        {"se", WA_PRONOMEN, KD_KEINE, 0},
        {"tu", WA_PRONOMEN, KD_KEINE, 0},
        {"uter", WA_PRONOMEN, KD_KEINE, 0},
        {"uterque", WA_PRONOMEN, KD_KEINE, 0},
        {"nemo", WA_PRONOMEN, KD_KEINE, 0},
        {"nihil", WA_PRONOMEN, KD_KEINE, 0},
        // verbs; the irregular ones without a class, so that our generator
        // builds no regular present forms beside the model's
        {"amo", WA_VERB, KD_A, 0},
        {"do", WA_VERB, KD_A, 0},
        {"moneo", WA_VERB, KD_E, 0},
        {"licet", WA_VERB, KD_E, 0},
        {"lego", WA_VERB, KD_K, 0},
        {"fero", WA_VERB, KD_KEINE, 0},
        {"aio", WA_VERB, KD_KEINE, ATTR_KEIN_PASSIV},
        {"dico", WA_VERB, KD_K, 0},
        {"uolo", WA_VERB, KD_KEINE, ATTR_KEIN_PASSIV},
        {"nolo", WA_VERB, KD_KEINE, ATTR_KEIN_PASSIV},
        {"malo", WA_VERB, KD_KEINE, ATTR_KEIN_PASSIV},
        {"edo", WA_VERB, KD_KEINE, 0},
        {"capio", WA_VERB, KD_G, 0},
        {"facio", WA_VERB, KD_G, 0},
        {"audio", WA_VERB, KD_I, 0},
        {"scio", WA_VERB, KD_I, 0},
        {"fio", WA_VERB, KD_KEINE, ATTR_KEIN_PASSIV},
        {"sum", WA_VERB, KD_KEINE, ATTR_KEIN_PASSIV},
        {"absum", WA_VERB, KD_KEINE, ATTR_KEIN_PASSIV},
        {"possum", WA_VERB, KD_KEINE, ATTR_KEIN_PASSIV},
        {"prosum", WA_VERB, KD_KEINE, ATTR_KEIN_PASSIV},
        {"imitor", WA_VERB, KD_A, ATTR_DEPONENS},
        {"uereor", WA_VERB, KD_E, ATTR_DEPONENS},
        {"sequor", WA_VERB, KD_K, ATTR_DEPONENS},
        {"patior", WA_VERB, KD_G, ATTR_DEPONENS},
        {"morior", WA_VERB, KD_G, ATTR_DEPONENS},
        {"potior", WA_VERB, KD_I, ATTR_DEPONENS},
        {"eo", WA_VERB, KD_KEINE, 0},
        // adverbs
        {"adv", WA_ADVERB, KD_KEINE, 0},
        {"adve", WA_ADVERB, KD_KEINE, 0},
        {"advr", WA_ADVERB, KD_KEINE, 0},
        {"fortiter", WA_ADVERB, KD_KEINE, 0},
        {"acriter", WA_ADVERB, KD_KEINE, 0},
        {"misere", WA_ADVERB, KD_KEINE, 0},
        {"humiliter", WA_ADVERB, KD_KEINE, 0},
        {"facile", WA_ADVERB, KD_KEINE, 0},
        // words without inflection: prepositions, conjunctions, interjections
        {"inv", WA_UNBESTIMMT, KD_KEINE, 0},
    };
    (void)pos;
    for (const Zeile &z : kTabelle)
        if (modell == QLatin1String(z.modell))
            return {z.wortart, z.konjDekl, z.flags, true};
    return {};
}

namespace {

QString Erste(const std::map<int, QStringList> &formen, int morpho)
{
    const auto it = formen.find(morpho);
    return it == formen.end() || it->second.isEmpty() ? QString() : it->second.first();
}

// Gender letter from the indications: "m.", "f.", "n.", both m. and f. as "p".
QString GenusAusAngaben(const QString &angaben)
{
    static const QRegularExpression wort(QStringLiteral("(?:^|[\\s,;(])([mfn])\\.(?=$|[\\s,;)])"));
    bool m = false, f = false, n = false;
    for (auto it = wort.globalMatch(angaben); it.hasNext();) {
        const QChar c = it.next().captured(1)[0];
        m = m || c == QLatin1Char('m');
        f = f || c == QLatin1Char('f');
        n = n || c == QLatin1Char('n');
    }
    if (m && f)
        return QStringLiteral("p");
    if (m)
        return QStringLiteral("m");
    if (f)
        return QStringLiteral("f");
    if (n)
        return QStringLiteral("n");
    return QString();
}

QString GenusNachModell(const QString &modell)
{
    static const char *const neutrum[] = {"templum", "arpinum", "castra", "virus",  "ilion",
                                          "corpus",  "mare",    "moenia", "animal", "cornu"};
    static const char *const femininum[] = {"uita",   "epulae", "roma",   "dea",  "leda",  "cybele",
                                            "res",    "dies",   "tethys", "opes", "dos",   "poesis",
                                            "turris", "uis",    "nauis",  "apis", "domus", "clio"};
    for (const char *x : neutrum)
        if (modell == QLatin1String(x))
            return QStringLiteral("n");
    for (const char *x : femininum)
        if (modell == QLatin1String(x))
            return QStringLiteral("f");
    return QStringLiteral("m");
}

int32_t GenusWert(const QString &g)
{
    if (g == QLatin1String("m"))
        return fid::MASKULINUM;
    if (g == QLatin1String("f"))
        return fid::FEMININUM;
    if (g == QLatin1String("n"))
        return fid::NEUTRUM;
    if (g == QLatin1String("p"))
        return fid::MASK_FEM;
    return 0;
}

void Setzen(TLexikonEintrag &e, const QStringList &marken)
{
    e.laengen = marken;
    while (e.laengen.size() < 4)
        e.laengen.append(QString());
    e.vokabel.vokabel = OhneLaengen(e.laengen[0]);
    e.vokabel.form1 = OhneLaengen(e.laengen[1]);
    e.vokabel.form2 = OhneLaengen(e.laengen[2]);
    e.vokabel.form3 = OhneLaengen(e.laengen[3]);
}

// The stem a verb form of the given morphology number is built on.
TFormStamm StammNachMorphologie(int morpho)
{
    if ((morpho >= 139 && morpho <= 156) || (morpho >= 169 && morpho <= 180) || morpho == 188)
        return TFormStamm::Perfekt;
    if ((morpho >= 225 && morpho <= 260) || morpho == 265 || morpho == 266 || (morpho >= 303 && morpho <= 338) ||
        (morpho >= 375 && morpho <= 410) || morpho == 415)
        return TFormStamm::Supin;
    return TFormStamm::Sonstige;
}

// Collatinus marks closed syllables long; our entries carry the lengths a
// school book marks, judged against every form the model gives.
void SchullaengenSetzen(TLexikonEintrag &e, const std::map<int, QStringList> &formen)
{
    const bool verb = e.abbildung.wortart == WA_VERB;
    const bool dep = verb && e.vokabel.Deponens();
    std::vector<TMarkierteForm> teile;
    for (qsizetype i = 0; i < e.laengen.size(); ++i) {
        TFormStamm stamm = TFormStamm::Sonstige;
        if (verb && i == 2)
            stamm = dep ? TFormStamm::Supin : TFormStamm::Perfekt;
        else if (verb && i == 3)
            stamm = TFormStamm::Supin;
        teile.push_back({e.laengen[i], stamm});
    }
    std::vector<TMarkierteForm> weitere;
    for (const auto &[morpho, texte] : formen)
        for (const QString &t : texte)
            weitere.push_back({t, verb ? StammNachMorphologie(morpho) : TFormStamm::Sonstige});
    e.laengen = Schullaengen(teile, weitere);
}

} // namespace

TLexikonEintrag LexikonEintragBilden(const TCollatinusLemma &lemma, const TCollatinusModelle &modelle)
{
    TLexikonEintrag e;
    e.abbildung = ModellAbbilden(lemma.modell, modelle.Wortart(lemma.modell));
    const std::map<int, QStringList> formen = modelle.Formen(lemma);
    TVokabel &v = e.vokabel;
    v.SetWortart(e.abbildung.wortart);
    v.SetKonjDekl(e.abbildung.konjDekl);
    v.attribute |= e.abbildung.flags;
    const auto hat = [&](int morpho) { return formen.count(morpho) > 0; };
    const auto f = [&](int morpho) { return Erste(formen, morpho); };
    QString genus;

    switch (e.abbildung.wortart) {
    case WA_VERB: {
        const bool dep = v.Deponens();
        if (dep) {
            const QString ppp = f(303);
            Setzen(e, {f(302).isEmpty() ? lemma.lemma : f(302), f(267).isEmpty() ? lemma.lemma : f(267),
                       ppp.isEmpty() ? QString() : ppp + QStringLiteral(" sum"), QString()});
        } else {
            Setzen(e, {f(187).isEmpty() ? lemma.lemma : f(187), f(121).isEmpty() ? lemma.lemma : f(121), f(139),
                       f(265).isEmpty() ? f(327) : f(265)});
        }
        // A verb whose model has no passive forms at all.
        bool passiv = false;
        for (int m = 267; m <= 302 && !passiv; ++m)
            passiv = hat(m);
        if (!dep && !passiv)
            v.SetKeinPassiv(true);
        break;
    }
    case WA_SUBSTANTIV: {
        genus = GenusAusAngaben(lemma.angaben);
        if (genus.isEmpty())
            genus = GenusNachModell(lemma.modell);
        if (!hat(1) && !hat(4) && hat(7))
            v.SetPluralisTantum(true);
        if (!hat(7) && !hat(10) && hat(1))
            v.SetSingularisTantum(true);
        // Of several genitives the one our class declines from (Augei, not Augeos).
        static const std::map<int32_t, const char *> endung = {{KD_A, "ae"}, {KD_E, "ei"}, {KD_I, "is"}, {KD_O, "i"},
                                                               {KD_U, "us"}, {KD_K, "is"}, {KD_G, "is"}};
        const auto genitiv = [&](int morpho) {
            const auto it = formen.find(morpho);
            const auto soll = endung.find(v.KonjDekl());
            if (it == formen.end() || it->second.isEmpty())
                return QString();
            if (soll != endung.end() && !v.PluralisTantum())
                for (const QString &g : it->second)
                    if (OhneLaengen(g).endsWith(QLatin1String(soll->second)))
                        return g;
            return it->second.first();
        };
        if (v.PluralisTantum())
            Setzen(e, {f(7).isEmpty() ? lemma.lemma : f(7), genitiv(10), QString(), QString()});
        else
            Setzen(e, {f(1).isEmpty() ? lemma.lemma : f(1), genitiv(4), QString(), QString()});
        v.form2 = genus;
        e.laengen[2] = genus;
        break;
    }
    case WA_ADJEKTIV: {
        const bool plural = !hat(13) && hat(19);
        if (plural)
            v.SetPluralisTantum(true);
        const int m = plural ? 19 : 13, fe = plural ? 31 : 25, n = plural ? 43 : 37;
        const QString kopf = f(m).isEmpty() ? lemma.lemma : f(m);
        if (v.KonjDekl() == KD_I && !OhneLaengen(f(n)).endsWith(QLatin1Char('e')))
            Setzen(e, {kopf, f(16), QString(), QString()}); // one ending: the genitive gives the stem
        else
            Setzen(e, {kopf, kopf, f(fe), f(n)});
        break;
    }
    case WA_ADVERB:
        Setzen(e, {f(414).isEmpty() ? lemma.lemma : f(414), f(411), f(412), QString()});
        break;
    case WA_PRONOMEN:
        Setzen(e, {hat(13) ? f(13) : (hat(1) ? f(1) : (hat(19) ? f(19) : (hat(7) ? f(7) : lemma.lemma))), QString(),
                   QString(), QString()});
        if (hat(25) || hat(37)) {
            v.form2 = QStringLiteral("m");
            e.laengen[2] = v.form2;
        }
        break;
    default:
        Setzen(e, {formen.count(416) ? f(416) : lemma.lemma, QString(), QString(), QString()});
        if (e.abbildung.abgebildet && lemma.angaben.contains(QLatin1String("adv.")))
            v.SetWortart(WA_ADVERB);
        break;
    }
    if (v.vokabel.isEmpty()) {
        // The forms give no headword (defective models): the lemma stands in.
        v.vokabel = OhneLaengen(lemma.lemma);
        e.laengen[0] = lemma.lemma;
    }
    SchullaengenSetzen(e, formen);

    // Where our generator does not give the model's form, the model's form
    // becomes a special form; forms we have no identifier for are left out.
    const int32_t g = GenusWert(genus);
    TFormenmanager manager;
    manager.SetSonderformenEinsetzen(false);
    manager.SetBezeichnungenSetzen(false);
    manager.AlleFormenErzeugen(v);
    QHash<int32_t, QStringList> unsere;
    for (const TLatForm &x : manager.Ergebnisliste())
        if (!x.text.isEmpty())
            unsere[x.formId].append(x.text.toLower());
    QSet<int32_t> gesetzt;
    for (const auto &[morpho, texte] : formen) {
        const int32_t id = FormIdAusMorphologie(morpho, v.Wortart(), g, v.Deponens());
        if (id == 0 || gesetzt.contains(id))
            continue;
        // A deponent's forms stand under the passive numbers; the model's
        // active finite forms and infinitives of such verbs are not forms.
        if (v.Deponens() && morpho >= 121 && morpho <= 188)
            continue;
        // The model compares every adjective, often wrongly (aeriferior);
        // we say "magis" where the ending is unusual. Only comparison stems
        // a lemma of the o/a model gives itself (melior, optimus) count.
        if (v.Wortart() == WA_ADJEKTIV && morpho >= 49 && morpho <= 120 &&
            (lemma.modell != QLatin1String("doctus") || (lemma.radikal1.isEmpty() && lemma.radikal2.isEmpty())))
            continue;
        const QStringList &bei = unsere[id];
        bool gleich = false;
        for (const QString &t : texte)
            gleich = gleich || bei.contains(OhneLaengen(t).toLower());
        // A verb or noun without a class has no stem rows: only special
        // forms lead the analysis to its forms, equal ones included.
        if (gleich && !(v.KonjDekl() == KD_KEINE && (v.Wortart() == WA_VERB || v.Wortart() == WA_SUBSTANTIV)))
            continue;
        if (v.Wortart() == WA_PRONOMEN && id == fid::NOM_SG && OhneLaengen(texte.first()) == v.vokabel)
            continue;
        // Every spelling the model gives (eis, iis), the first for display.
        for (const QString &t : texte) {
            v.sonderformen.push_back(std::make_unique<TLatForm>(0, OhneLaengen(t), id));
            ++e.sonderformenAusModell;
        }
        gesetzt.insert(id);
    }
    return e;
}

} // namespace lexovita
