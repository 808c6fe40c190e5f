#include "morph/erzeuger.h"

#include <QHash>
#include <cstring>

namespace lexovita::intern {

namespace {

QString BezeichnungNachRegel(int32_t id)
{
    if (id & fid::VERKUERZT)
        return FormBezeichnung(id & ~fid::VERKUERZT) + QStringLiteral(" (verkürzte Form)");
    QString b = FormBezeichnung(id);
    // Positive adjective labels carry no degree word and no trailing blank.
    if (WortartDerForm(id) == 5 && !(id & fid::ADVERB) && fid::Grad(id) == fid::POSITIV && b.endsWith(QLatin1Char(' ')))
        b.chop(1);
    return b;
}

// Every identifier with a fixed label that the generators write; built once
// so that generation copies shared strings instead of building labels.
QHash<int32_t, QString> BezeichnungenAufbauen()
{
    QHash<int32_t, QString> t;
    auto rein = [&t](int32_t id) { t.insert(id, BezeichnungNachRegel(id)); };
    const int32_t genera[] = {fid::MASKULINUM, fid::FEMININUM, fid::NEUTRUM};
    for (int32_t modus : {fid::INDIKATIV, fid::KONJUNKTIV})
        for (int32_t genusVerbi : {fid::AKTIV, fid::PASSIV})
            for (int32_t tempus = fid::PRAESENS; tempus <= fid::FUTUR2; tempus += fid::PRAESENS)
                for (int32_t person = fid::P1_SG; person <= fid::P3_PL; ++person) {
                    rein(modus | genusVerbi | tempus | person);
                    rein(fid::VERKUERZT | modus | genusVerbi | tempus | person);
                }
    for (int32_t person = fid::P1_SG; person <= fid::P3_PL; ++person) {
        rein(fid::IMPERATIV_I | person);
        rein(fid::IMPERATIV_II | person);
    }
    for (int32_t tempus : {fid::PRAESENS, fid::PERFEKT, fid::FUTUR1})
        for (int32_t genusVerbi : {fid::AKTIV, fid::PASSIV}) {
            rein(fid::INFINITIV | genusVerbi | tempus);
            rein(fid::VERKUERZT | fid::INFINITIV | genusVerbi | tempus);
        }
    rein(fid::SUPINUM_I);
    rein(fid::SUPINUM_II);
    for (int32_t k = 1; k <= fid::KASUS_ANZAHL; ++k) {
        const int32_t kasus = fid::Kasus(k);
        rein(fid::GERUNDIUM | kasus);
        for (int32_t g : {0, fid::MASKULINUM, fid::FEMININUM, fid::NEUTRUM, fid::MASK_FEM})
            rein(g | kasus);
        for (int32_t g : genera) {
            rein(g | fid::GERUNDIVUM | kasus);
            rein(g | fid::PARTIZIP | fid::AKTIV | fid::PRAESENS | kasus);
            rein(g | fid::PARTIZIP | fid::AKTIV | fid::FUTUR1 | kasus);
            rein(g | fid::PARTIZIP | fid::AKTIV | fid::PERFEKT | kasus);
            rein(g | fid::PARTIZIP | fid::PASSIV | fid::PERFEKT | kasus);
            for (int32_t grad : {fid::POSITIV, fid::KOMPARATIV, fid::SUPERLATIV})
                rein(g | grad | kasus);
        }
    }
    return t;
}

} // namespace

QString GeneratorBezeichnung(int32_t id)
{
    static const QHash<int32_t, QString> tabelle = BezeichnungenAufbauen();
    const auto it = tabelle.constFind(id);
    return it != tabelle.constEnd() ? *it : BezeichnungNachRegel(id);
}

namespace {

// Appends an ending of the tables without its length marks.
void SchlichtAnfuegen(QString &t, const char *e)
{
    for (; *e; ++e) {
        const uchar b = uchar(*e);
        if (b < 0x80) {
            if (b != '^')
                t.append(QLatin1Char(char(b)));
            continue;
        }
        const char16_t u = char16_t(((b & 0x1F) << 6) | (uchar(e[1]) & 0x3F));
        ++e;
        t.append(KurzVokal(QChar(u)));
    }
}

} // namespace

QString TErzeuger::Verbinden(const QString &stamm, const char *endung) const
{
    if (!*endung)
        return stamm;
    if (lang)
        return LangVerbinden(stamm, QString::fromUtf8(endung));
    QString t;
    t.reserve(stamm.size() + qsizetype(std::strlen(endung)));
    t.append(stamm);
    SchlichtAnfuegen(t, endung);
    return t;
}

QString TErzeuger::Text(const Zelle &z, const Lauf &l) const
{
    if (l.gesperrt)
        return QString();
    // Stem-built texts stay empty when the stem they rest on is empty.
    auto AusStamm = [this](const QString &basis, const QString &stamm, const char *endung) {
        return basis.isEmpty() ? QString() : Verbinden(stamm, endung);
    };
    QString t;
    switch (z.stamm) {
    case Stamm::P:
        t = AusStamm(st.P, st.P, z.endung);
        break;
    case Stamm::P1:
        t = AusStamm(st.P, st.P1, z.endung);
        break;
    case Stamm::R:
        t = AusStamm(st.R, st.R, z.endung);
        break;
    case Stamm::R1:
        t = AusStamm(st.R, st.R1, z.endung);
        break;
    case Stamm::U:
        t = AusStamm(st.U, st.U, z.endung);
        break;
    case Stamm::Q:
        t = AusStamm(st.U, st.Q, z.endung);
        break;
    case Stamm::N:
        t = AusStamm(st.N, st.N, z.endung);
        break;
    case Stamm::X:
        t = l.x ? AusStamm(*l.x, *l.x, z.endung) : QString();
        break;
    case Stamm::Vokabel:
        t = Verbinden(vok.vokabel, z.endung);
        break;
    case Stamm::Form1:
        t = Verbinden(vok.form1, z.endung);
        break;
    case Stamm::Form2OderVokabel:
        t = vok.form2.isEmpty() ? vok.vokabel : vok.form2;
        break;
    case Stamm::Form3OderVokabel:
        t = vok.form3.isEmpty() ? vok.vokabel : vok.form3;
        break;
    case Stamm::Form2:
        t = vok.form2;
        break;
    case Stamm::Form3:
        t = vok.form3;
        break;
    case Stamm::Leer:
        break;
    }
    if (l.praefix && !t.isEmpty())
        t.prepend(Verbinden(QString(), l.praefix));
    return t;
}

bool TErzeuger::TextHash(const Zelle &z, const Lauf &l, TFormhash &h) const
{
    // Mirrors Text(): a stem-built text is empty when its base stem is.
    if (l.gesperrt)
        return false;
    const QString *basis = nullptr;
    const QString *anfang = nullptr;
    const char *endung = z.endung;
    switch (z.stamm) {
    case Stamm::P:
        basis = anfang = &st.P;
        break;
    case Stamm::P1:
        basis = &st.P;
        anfang = &st.P1;
        break;
    case Stamm::R:
        basis = anfang = &st.R;
        break;
    case Stamm::R1:
        basis = &st.R;
        anfang = &st.R1;
        break;
    case Stamm::U:
        basis = anfang = &st.U;
        break;
    case Stamm::Q:
        basis = &st.U;
        anfang = &st.Q;
        break;
    case Stamm::N:
        basis = anfang = &st.N;
        break;
    case Stamm::X:
        if (!l.x)
            return false;
        basis = anfang = l.x;
        break;
    case Stamm::Vokabel:
        anfang = &vok.vokabel;
        break;
    case Stamm::Form1:
        anfang = &vok.form1;
        break;
    case Stamm::Form2OderVokabel:
        anfang = vok.form2.isEmpty() ? &vok.vokabel : &vok.form2;
        endung = "";
        break;
    case Stamm::Form3OderVokabel:
        anfang = vok.form3.isEmpty() ? &vok.vokabel : &vok.form3;
        endung = "";
        break;
    case Stamm::Form2:
        anfang = &vok.form2;
        endung = "";
        break;
    case Stamm::Form3:
        anfang = &vok.form3;
        endung = "";
        break;
    case Stamm::Leer:
        return false;
    }
    if ((basis && basis->isEmpty()) || (anfang->isEmpty() && !*endung))
        return false;
    if (l.praefix)
        h.Dazu(l.praefix);
    h.Dazu(*anfang);
    h.Dazu(endung);
    return true;
}

void TErzeuger::Reihe(std::span<const Zelle> zellen, const Lauf &l)
{
    for (size_t i = 0; i < zellen.size(); ++i) {
        const int32_t nr = int32_t(i) + 1;
        if (!Zugelassen(l.filter, nr) || !zellen[i].endung)
            continue;
        const int32_t id = l.basis + nr * l.schritt;
        if (filter) {
            // Only a text that may equal the analysed word is built.
            TFormhash h;
            if (!TextHash(zellen[i], l, h))
                continue;
            filter->hashes->push_back(h.wert);
            if (h.wert != filter->ziel)
                continue;
        }
        Ablegen(id, Text(zellen[i], l), l.variante);
    }
}

} // namespace lexovita::intern
