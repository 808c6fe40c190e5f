#pragma once

#include <QString>
#include <cstdint>

namespace lexovita {

// The form identifier is a bit field with one group per grammatical
// category. With some groups left zero the same number selects a block of
// forms, which is how generators, trees and drills ask for forms.
namespace fid {

// Person and number (bits 0-2); in a supine identifier 1/2 = Supinum I/II.
constexpr int32_t PERSON_MASKE = 0x7;
constexpr int32_t P1_SG = 1;
constexpr int32_t P2_SG = 2;
constexpr int32_t P3_SG = 3;
constexpr int32_t P1_PL = 4;
constexpr int32_t P2_PL = 5;
constexpr int32_t P3_PL = 6;
constexpr int32_t SUPINUM_I_NR = 1;
constexpr int32_t SUPINUM_II_NR = 2;

// Tense (bits 3-5). Futur 1 doubles as "Futur" of infinitives and participles.
constexpr int32_t TEMPUS_MASKE = 0x38;
constexpr int32_t PRAESENS = 8;
constexpr int32_t IMPERFEKT = 16;
constexpr int32_t FUTUR1 = 24;
constexpr int32_t PERFEKT = 32;
constexpr int32_t PLUSQUAMPERFEKT = 40;
constexpr int32_t FUTUR2 = 48;

// Mood (bits 6-7).
constexpr int32_t MODUS_MASKE = 0xC0;
constexpr int32_t INDIKATIV = 0x40;
constexpr int32_t KONJUNKTIV = 0x80;
constexpr int32_t IMPERATIV = 0xC0;

// Voice (bits 8-9).
constexpr int32_t GENUS_VERBI_MASKE = 0x300;
constexpr int32_t AKTIV = 0x100;
constexpr int32_t PASSIV = 0x200;

// Nominal forms of the verb (bits 10-12).
constexpr int32_t NOMINALFORM_MASKE = 0x1C00;
constexpr int32_t PARTIZIP = 0x400;
constexpr int32_t INFINITIV = 0x800;
constexpr int32_t GERUNDIVUM = 0xC00;
constexpr int32_t GERUNDIUM = 0x1000;
constexpr int32_t SUPINUM = 0x1400;

// Case and number (bits 13-16): value 1..10 shifted left by 13.
constexpr int32_t KASUS_MASKE = 0x1E000;
constexpr int32_t KASUS_SCHIEBUNG = 13;
constexpr int32_t KASUS_SCHRITT = 1 << KASUS_SCHIEBUNG;
constexpr int32_t NOM_SG = 0x2000;
constexpr int32_t GEN_SG = 0x4000;
constexpr int32_t DAT_SG = 0x6000;
constexpr int32_t AKK_SG = 0x8000;
constexpr int32_t ABL_SG = 0xA000;
constexpr int32_t NOM_PL = 0xC000;
constexpr int32_t GEN_PL = 0xE000;
constexpr int32_t DAT_PL = 0x10000;
constexpr int32_t AKK_PL = 0x12000;
constexpr int32_t ABL_PL = 0x14000;
constexpr int32_t KASUS_ANZAHL = 10;
constexpr int32_t KASUS_SINGULAR = 5; // cases 1..5 are singular

// Gender (bits 17-18).
constexpr int32_t GENUS_MASKE = 0x60000;
constexpr int32_t MASKULINUM = 0x20000;
constexpr int32_t FEMININUM = 0x40000;
constexpr int32_t NEUTRUM = 0x60000;

// Degree (bits 19-20).
constexpr int32_t GRAD_MASKE = 0x180000;
constexpr int32_t POSITIV = 0x80000;
constexpr int32_t KOMPARATIV = 0x100000;
constexpr int32_t SUPERLATIV = 0x180000;

constexpr int32_t ADVERB = 0x200000;    // adverb formed from an adjective
constexpr int32_t VERKUERZT = 0x400000; // shortened perfect form
constexpr int32_t MASK_FEM = 0x800000;  // noun gender "maskulinum + femininum"

// Frequently used compositions.
constexpr int32_t IMPERATIV_I = IMPERATIV | PRAESENS;   // 200
constexpr int32_t IMPERATIV_II = IMPERATIV | IMPERFEKT; // 208
constexpr int32_t SUPINUM_I = SUPINUM | SUPINUM_I_NR;   // 5121
constexpr int32_t SUPINUM_II = SUPINUM | SUPINUM_II_NR; // 5122

// Group accessors.
constexpr int32_t Person(int32_t id)
{
    return id & PERSON_MASKE;
}
constexpr int32_t Tempus(int32_t id)
{
    return id & TEMPUS_MASKE;
}
constexpr int32_t Modus(int32_t id)
{
    return id & MODUS_MASKE;
}
constexpr int32_t GenusVerbi(int32_t id)
{
    return id & GENUS_VERBI_MASKE;
}
constexpr int32_t Nominalform(int32_t id)
{
    return id & NOMINALFORM_MASKE;
}
constexpr int32_t KasusNr(int32_t id)
{
    return (id & KASUS_MASKE) >> KASUS_SCHIEBUNG;
} // 0..15
constexpr int32_t Kasus(int32_t nr)
{
    return nr << KASUS_SCHIEBUNG;
}
constexpr int32_t Genus(int32_t id)
{
    return id & GENUS_MASKE;
}
constexpr int32_t Grad(int32_t id)
{
    return id & GRAD_MASKE;
}

} // namespace fid

// German words of the groups ("1. Prs. Sg.", "Genitiv Sg.", "femininum");
// empty for values outside the table.
QString PersonWort(int32_t person);
QString KasusWort(int32_t kasusNr);
QString GenusWort(int32_t genus); // takes the gender group value (0x20000 ...)

// The German label of a form identifier.
QString FormBezeichnung(int32_t formId);

// Word class a form identifier belongs to: 0, 1 (verb), 2 (noun, pronoun) or 5 (adjective).
int32_t WortartDerForm(int32_t formId);

} // namespace lexovita
