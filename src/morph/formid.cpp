#include "morph/formid.h"

namespace lexovita {

namespace {

const char *const kPersonen[] = {"1. Prs. Sg.", "2. Prs. Sg.", "3. Prs. Sg.",
                                 "1. Prs. Pl.", "2. Prs. Pl.", "3. Prs. Pl."};

const char *const kKasus[] = {"Nominativ Sg.", "Genitiv Sg.", "Dativ Sg.", "Akkusativ Sg.", "Ablativ Sg.",
                              "Nominativ Pl.", "Genitiv Pl.", "Dativ Pl.", "Akkusativ Pl.", "Ablativ Pl."};

const char *const kGenera[] = {"maskulinum", "femininum", "neutrum"};

// Tense words of the finite forms, indexed by tense / 8 (1..6).
const char *const kTempora[] = {"", "Präsens ", "Imperfekt ", "Futur 1 ", "Perfekt ", "Plusquamperfekt ", "Futur 2 "};

QString Utf8(const char *s)
{
    return QString::fromUtf8(s);
}

QString FiniteBezeichnung(int32_t id)
{
    QString b;
    const int32_t modus = fid::Modus(id);
    const int32_t tempus = fid::Tempus(id);
    if (modus == fid::INDIKATIV || modus == fid::KONJUNKTIV) {
        b = Utf8(kTempora[tempus / fid::PRAESENS]);
        if (fid::GenusVerbi(id) == fid::AKTIV)
            b += QLatin1String("Aktiv ");
        else if (fid::GenusVerbi(id) == fid::PASSIV)
            b += QLatin1String("Passiv ");
        b += modus == fid::INDIKATIV ? QLatin1String("Indikativ") : QLatin1String("Konjunktiv");
        // A person of 0 or 7 has no word; no blank is put in front then.
        const QString person = PersonWort(fid::Person(id));
        if (!person.isEmpty())
            b = person + QLatin1Char(' ') + b;
    } else if (modus == fid::IMPERATIV) {
        if (tempus == fid::PRAESENS)
            b = PersonWort(fid::Person(id)) + QLatin1String(" Imperativ I");
        else if (tempus == fid::IMPERFEKT)
            b = PersonWort(fid::Person(id)) + QLatin1String(" Imperativ II");
    }
    return b;
}

QString NominalBezeichnung(int32_t id, QString bisher)
{
    const int32_t tempus = fid::Tempus(id);
    switch (fid::Nominalform(id)) {
    case fid::INFINITIV: {
        QString b = QStringLiteral("Infinitiv ");
        if (tempus == fid::PRAESENS)
            b += Utf8("Präsens");
        else if (tempus == fid::FUTUR1)
            b += QLatin1String("Futur");
        else if (tempus == fid::PERFEKT)
            b += QLatin1String("Perfekt");
        b += fid::GenusVerbi(id) == fid::PASSIV ? QLatin1String(" Passiv") : QLatin1String(" Aktiv");
        return b;
    }
    case fid::GERUNDIUM:
        return QStringLiteral("Gerundium ") + KasusWort(fid::KasusNr(id));
    case fid::SUPINUM:
        if (fid::Person(id) == fid::SUPINUM_I_NR)
            return QStringLiteral("Supinum I");
        if (fid::Person(id) == fid::SUPINUM_II_NR)
            return QStringLiteral("Supinum II");
        return QString();
    case fid::PARTIZIP: {
        QString b = QStringLiteral("Partizip ");
        if (tempus == fid::PRAESENS)
            b += Utf8("Präsens ");
        else if (tempus == fid::FUTUR1)
            b += QLatin1String("Futur ");
        else if (tempus == fid::PERFEKT)
            b += QLatin1String("Perfekt ");
        if (fid::GenusVerbi(id) == fid::AKTIV)
            b += QLatin1String("Aktiv ");
        else if (fid::GenusVerbi(id) == fid::PASSIV)
            b += QLatin1String("Passiv ");
        return b + KasusWort(fid::KasusNr(id)) + QLatin1Char(' ') + GenusWort(fid::Genus(id));
    }
    case fid::GERUNDIVUM:
        return QStringLiteral("Gerundivum ") + KasusWort(fid::KasusNr(id)) + QLatin1Char(' ') +
               GenusWort(fid::Genus(id));
    default:
        return bisher;
    }
}

} // namespace

QString PersonWort(int32_t person)
{
    return person >= 1 && person <= 6 ? QString::fromLatin1(kPersonen[person - 1]) : QString();
}

QString KasusWort(int32_t kasusNr)
{
    return kasusNr >= 1 && kasusNr <= fid::KASUS_ANZAHL ? QString::fromLatin1(kKasus[kasusNr - 1]) : QString();
}

QString GenusWort(int32_t genus)
{
    switch (genus) {
    case fid::MASKULINUM:
        return QString::fromLatin1(kGenera[0]);
    case fid::FEMININUM:
        return QString::fromLatin1(kGenera[1]);
    case fid::NEUTRUM:
        return QString::fromLatin1(kGenera[2]);
    default:
        return QString();
    }
}

int32_t WortartDerForm(int32_t id)
{
    const bool adverb = id & fid::ADVERB;
    if (id & (fid::PERSON_MASKE | fid::MODUS_MASKE | fid::NOMINALFORM_MASKE))
        return adverb ? 5 : 1;
    if (id & fid::KASUS_MASKE)
        return (adverb || (id & fid::GRAD_MASKE)) ? 5 : 2;
    return adverb ? 5 : 0;
}

QString FormBezeichnung(int32_t id)
{
    switch (WortartDerForm(id)) {
    case 1:
        return NominalBezeichnung(id, FiniteBezeichnung(id));
    case 2:
        return KasusWort(fid::KasusNr(id));
    case 5: {
        const int32_t grad = fid::Grad(id);
        if (id & fid::ADVERB) {
            QString b = QStringLiteral("Adverb");
            if (grad == fid::KOMPARATIV)
                b += QLatin1String(" im Komparativ");
            else if (grad == fid::SUPERLATIV)
                b += QLatin1String(" im Superlativ");
            return b;
        }
        QString b = KasusWort(fid::KasusNr(id)) + QLatin1Char(' ');
        if (fid::Genus(id))
            b += GenusWort(fid::Genus(id)) + QLatin1Char(' ');
        if (grad == fid::KOMPARATIV)
            b += QLatin1String("Komparativ");
        else if (grad == fid::SUPERLATIV)
            b += QLatin1String("Superlativ");
        return b;
    }
    default:
        return QString();
    }
}

} // namespace lexovita
