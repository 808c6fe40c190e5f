// The vocabulary editor's draft: what OK refuses and on which page, and the
// setters the pages call, without a window or a database.
#include "app/vokabelentwurf.h"

#include "model/textpruefung.h"
#include "morph/formid.h"

#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>

using namespace lexovita;

namespace {

using Seite = TVokabelEntwurf::Seite;

// "text g - p" per meaning in shown order, as the meanings tree labels them.
QStringList Bedeutungen(const TVokabelEntwurf &e)
{
    QStringList s;
    for (const auto &b : e.Bedeutungen())
        s << QStringLiteral("%1 %2-%3").arg(b->bedeutung).arg(b->gruppe).arg(b->position);
    return s;
}

} // namespace

// Each case starts from a stored-worthy verb and spoils one thing. The draft
// must name the page that holds it, and for text limits say what the store
// would refuse with, so the message is the store's own.
TEST(Vokabelentwurf, PruefenNenntMangelUndSeite)
{
    const QString lang(kMaxWortLaenge + 1, QLatin1Char('a'));
    const QString steuer = QStringLiteral("am") + QChar(0x01) + QStringLiteral("o");
    struct Fall {
        const char *name;
        std::function<void(TVokabelEntwurf &)> verderben;
        std::optional<Seite> seite; // none: the entry may be stored
        QString meldung;
    };
    const Fall faelle[] = {
        {"ok", [](TVokabelEntwurf &) {}, std::nullopt, {}},
        {"ohne Stichwort", [](TVokabelEntwurf &e) { e.SetVokabel(QStringLiteral("   ")); }, Seite::Vokabel,
         QStringLiteral("Es muss eine Vokabel eingegeben werden!")},
        {"ohne Bedeutung", [](TVokabelEntwurf &e) { e.BedeutungEntfernen(QStringLiteral("lieben")); },
         Seite::Bedeutungen, QStringLiteral("Es muss mindestens eine Bedeutung für die Vokabel angegeben werden!")},
        {"Stichwort zu lang", [&](TVokabelEntwurf &e) { e.SetVokabel(lang); }, Seite::Vokabel,
         QStringLiteral("Das Stichwort ist mit 1001 Zeichen zu lang; erlaubt sind höchstens 1000 Zeichen.")},
        {"Steuerzeichen in Stammform", [&](TVokabelEntwurf &e) { e.SetVerbform(0, steuer); }, Seite::Attribute,
         QStringLiteral("Die erste Stammform enthält das unzulässige Steuerzeichen U+0001 (an Stelle 3).")},
        {"Kommentar zu lang",
         [&](TVokabelEntwurf &e) {
             e.BedeutungAktualisieren(QStringLiteral("lieben"), QStringLiteral("lieben"), lang, 1);
         },
         Seite::Bedeutungen,
         QStringLiteral("Der Kommentar zu „lieben“ ist mit 1001 Zeichen zu lang; erlaubt sind höchstens 1000 "
                        "Zeichen.")},
        {"Steuerzeichen in Sonderform",
         [&](TVokabelEntwurf &e) { e.SetSonderformText(fid::PRAESENS | fid::P2_SG, steuer); }, Seite::Sonderformen,
         QStringLiteral("Die Sonderform enthält das unzulässige Steuerzeichen U+0001 (an Stelle 3).")},
        {"Merkhilfe zu lang", [&](TVokabelEntwurf &e) { e.MerkhilfeHinzufuegen(lang, SPR_ENGLISCH); },
         Seite::Merkhilfen,
         QStringLiteral("Die Merkhilfe ist mit 1001 Zeichen zu lang; erlaubt sind höchstens 1000 Zeichen.")},
        // The headword is asked for before a text further on is checked.
        {"Reihenfolge",
         [&](TVokabelEntwurf &e) {
             e.MerkhilfeHinzufuegen(lang, SPR_ENGLISCH);
             e.SetVokabel({});
         },
         Seite::Vokabel, QStringLiteral("Es muss eine Vokabel eingegeben werden!")},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        TVokabel v;
        TVokabelEntwurf e(v);
        e.SetVokabel(QStringLiteral("amare"));
        e.SetWortart(WA_VERB);
        e.BedeutungHinzufuegen(QStringLiteral("lieben"), {}, 1);
        f.verderben(e);
        const auto mangel = e.Pruefen();
        ASSERT_EQ(mangel.has_value(), f.seite.has_value()) << (mangel ? mangel->meldung.toStdString() : "");
        if (!mangel) {
            EXPECT_NO_THROW(VokabelPruefen(v));
            continue;
        }
        EXPECT_EQ(mangel->seite, *f.seite);
        EXPECT_EQ(mangel->meldung, f.meldung);
        // A text the store refuses is refused with the same words.
        if (!v.vokabel.isEmpty() && !v.bedeutungen.empty()) {
            try {
                VokabelPruefen(v);
                ADD_FAILURE() << "Speicher nimmt es an";
            } catch (const TTextFehler &fehler) {
                EXPECT_EQ(fehler.Meldung(), mangel->meldung);
            }
        }
    }
}

// The setters each page calls, with the rules the window used to apply
// itself: trimming, proposals, exclusive flags, the genitive rule once the
// field is left, the adjective's declension following every field.
TEST(Vokabelentwurf, SetzerWendenDieRegelnDesEditorsAn)
{
    struct Fall {
        const char *name;
        std::function<void(TVokabelEntwurf &)> tun;
        int32_t wortart;
        const char *f1, *f2, *f3;
        int32_t konjDekl;
        int32_t flags; // of the five flag bits
        const char *stamm;
    };
    const int32_t flagbits =
        ATTR_DEPONENS | ATTR_SEMIDEPONENS | ATTR_KEIN_PASSIV | ATTR_SINGULARIS_TANTUM | ATTR_PLURALIS_TANTUM;
    const Fall faelle[] = {
        {"Verb schlägt Stammformen vor",
         [](TVokabelEntwurf &e) {
             e.SetVokabel(QStringLiteral(" amare "));
             e.SetWortart(WA_VERB);
         },
         WA_VERB, "amo", "amavi", "amatum", KD_A, 0, ""},
        {"Semideponens löst Deponens ab",
         [](TVokabelEntwurf &e) {
             e.SetVokabel(QStringLiteral("audere"));
             e.SetWortart(WA_VERB);
             e.SetVerbform(0, QStringLiteral(" audeo "));
             e.SetVerbform(1, QStringLiteral("ausus sum"));
             e.SetKonjDekl(KD_E);
             e.SetFlag(ATTR_DEPONENS, true);
             e.SetFlag(ATTR_KEIN_PASSIV, true);
             e.SetFlag(ATTR_SEMIDEPONENS, true);
         },
         WA_VERB, "audeo", "ausus sum", "", KD_E, ATTR_SEMIDEPONENS | ATTR_KEIN_PASSIV, ""},
        {"Genitiv auf -um erst beim Verlassen",
         [](TVokabelEntwurf &e) {
             e.SetVokabel(QStringLiteral("castra"));
             e.SetWortart(WA_SUBSTANTIV);
             e.SetFlag(ATTR_SINGULARIS_TANTUM, true);
             e.SetGenitiv(QStringLiteral("castrorum "));
             EXPECT_FALSE(e.Eintrag().PluralisTantum());
             e.Abschliessen();
             e.SetGenus(TGenus::Neutrum);
         },
         WA_SUBSTANTIV, "castrorum", "n", "", 0, ATTR_PLURALIS_TANTUM, ""},
        {"Adjektiv der i-Deklination",
         [](TVokabelEntwurf &e) {
             e.SetWortart(WA_ADJEKTIV);
             e.SetVokabel(QStringLiteral("acer"));
             e.SetAdjektivform(0, QStringLiteral("acer"));
             e.SetAdjektivform(1, QStringLiteral("acris"));
             e.SetAdjektivform(2, QStringLiteral("acre "));
         },
         WA_ADJEKTIV, "acer", "acris", "acre", KD_I, 0, "acr"},
        // Fields typed before the headword: the headword settles the declension.
        {"Adjektiv folgt dem Stichwort",
         [](TVokabelEntwurf &e) {
             e.SetWortart(WA_ADJEKTIV);
             e.SetAdjektivform(0, QStringLiteral("bonus"));
             e.SetAdjektivform(1, QStringLiteral("bona"));
             e.SetAdjektivform(2, QStringLiteral("bonum"));
             EXPECT_EQ(e.Eintrag().KonjDekl(), KD_I);
             e.SetVokabel(QStringLiteral("bonus"));
         },
         WA_ADJEKTIV, "bonus", "bona", "bonum", KD_O, 0, "bon"},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        TVokabel v;
        TVokabelEntwurf e(v);
        f.tun(e);
        EXPECT_EQ(v.Wortart(), f.wortart);
        EXPECT_EQ(v.form1, QString::fromUtf8(f.f1));
        EXPECT_EQ(v.form2, QString::fromUtf8(f.f2));
        EXPECT_EQ(v.form3, QString::fromUtf8(f.f3));
        EXPECT_EQ(v.KonjDekl(), f.konjDekl);
        EXPECT_EQ(v.attribute & flagbits, f.flags);
        if (f.stamm) {
            EXPECT_EQ(e.Stamm(), QString::fromUtf8(f.stamm));
        }
    }
}

// What the pages listen to: a new class or flag shows the attribute page
// and the categories anew, a form only the stem and preview.
TEST(Vokabelentwurf, SignaleSagenDenSeitenWasSichAendert)
{
    TVokabel v;
    TVokabelEntwurf e(v);
    QSignalSpy attribute(&e, &TVokabelEntwurf::attributeGeaendert);
    QSignalSpy formen(&e, &TVokabelEntwurf::formenGeaendert);
    QSignalSpy vokabel(&e, &TVokabelEntwurf::vokabelGeaendert);
    e.SetVokabel(QStringLiteral("amare"));
    e.SetWortart(WA_VERB);
    e.SetFlag(ATTR_DEPONENS, true);
    EXPECT_FALSE(e.PartizipFeldAktiv());
    EXPECT_EQ(attribute.count(), 2);
    EXPECT_EQ(vokabel.count(), 1);
    const auto formenVorher = formen.count();
    e.SetVerbform(2, QStringLiteral("amatum"));
    EXPECT_EQ(formen.count(), formenVorher + 1);
    EXPECT_EQ(attribute.count(), 2);
    // Left without change, the genitive rule says nothing.
    e.SetWortart(WA_SUBSTANTIV);
    e.SetGenitiv(QStringLiteral("amici"));
    e.Abschliessen();
    EXPECT_EQ(attribute.count(), 3);
    EXPECT_EQ(e.AttributSeite(), TVokabelEntwurf::Attributseite::Substantiv);
    EXPECT_EQ(TVokabelEntwurf::VokabelEingabe(QStringLiteral("l'arc'")), QStringLiteral("l\"arc\""));
}

// Meanings added, changed, moved and removed as the tree shows them.
TEST(Vokabelentwurf, BedeutungenUndGruppen)
{
    struct Fall {
        const char *name;
        std::function<bool(TVokabelEntwurf &)> tun;
        bool ergebnis;
        QStringList danach;
    };
    const QString a = QStringLiteral("alpha"), b = QStringLiteral("beta"), g = QStringLiteral("gamma");
    const Fall faelle[] = {
        {"auf Gruppenkopf: zuerst dort",
         [&](TVokabelEntwurf &e) { return e.BedeutungInGruppe(g, 1); },
         true,
         {"gamma 1-1", "alpha 1-2", "beta 1-3"}},
        {"auf Bedeutung: deren Platz",
         [&](TVokabelEntwurf &e) { return e.BedeutungAnStelleVon(b, a); },
         true,
         {"beta 1-1", "alpha 1-2", "gamma 2-1"}},
        {"in andere Gruppe",
         [&](TVokabelEntwurf &e) { return e.BedeutungAnStelleVon(a, g); },
         true,
         {"beta 1-1", "alpha 2-1", "gamma 2-2"}},
        {"auf sich selbst",
         [&](TVokabelEntwurf &e) { return e.BedeutungAnStelleVon(a, a); },
         false,
         {"alpha 1-1", "beta 1-2", "gamma 2-1"}},
        {"Gruppe 0",
         [&](TVokabelEntwurf &e) { return e.BedeutungInGruppe(a, 0); },
         false,
         {"alpha 1-1", "beta 1-2", "gamma 2-1"}},
        {"aktualisiert in eigener Gruppe: bleibt",
         [&](TVokabelEntwurf &e) { return e.BedeutungAktualisieren(b, QStringLiteral(" beta2 "), {}, 1); },
         true,
         {"alpha 1-1", "beta2 1-2", "gamma 2-1"}},
        {"aktualisiert in andere Gruppe: zuerst",
         [&](TVokabelEntwurf &e) { return e.BedeutungAktualisieren(b, b, {}, 2); },
         true,
         {"alpha 1-1", "beta 2-1", "gamma 2-2"}},
        {"aktualisiert auf vorhandenen Text",
         [&](TVokabelEntwurf &e) { return e.BedeutungAktualisieren(a, g, {}, 1); },
         false,
         {"alpha 1-1", "beta 1-2", "gamma 2-1"}},
        {"doppelt hinzu",
         [&](TVokabelEntwurf &e) { return e.BedeutungHinzufuegen(QStringLiteral(" beta"), {}, 1); },
         false,
         {"alpha 1-1", "beta 1-2", "gamma 2-1"}},
        {"hinzu in neue Gruppe",
         [&](TVokabelEntwurf &e) { return e.BedeutungHinzufuegen(QStringLiteral("delta "), {}, e.NeueGruppe()); },
         true,
         {"alpha 1-1", "beta 1-2", "gamma 2-1", "delta 3-1"}},
        // A group left empty closes up.
        {"Gruppe geleert",
         [&](TVokabelEntwurf &e) {
             e.BedeutungEntfernen(a);
             e.BedeutungEntfernen(b);
             return true;
         },
         true,
         {"gamma 1-1"}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        TVokabel v;
        TVokabelEntwurf e(v);
        // Added out of order: the draft shows them by group and place.
        e.BedeutungHinzufuegen(g, {}, 2);
        e.BedeutungHinzufuegen(a, {}, 1);
        e.BedeutungHinzufuegen(b, QStringLiteral("Kommentar"), 1);
        EXPECT_EQ(f.tun(e), f.ergebnis);
        EXPECT_EQ(Bedeutungen(e), f.danach);
    }
    // A moved meaning keeps its comment.
    TVokabel v;
    TVokabelEntwurf e(v);
    e.BedeutungHinzufuegen(a, QStringLiteral("erst"), 1);
    e.BedeutungHinzufuegen(b, {}, 2);
    ASSERT_TRUE(e.BedeutungAnStelleVon(a, b));
    EXPECT_EQ(e.Bedeutung(a)->kommentar, QStringLiteral("erst"));
}

// A special form checked, typed over, unchecked and checked again: only
// what stays checked is kept, and the grid keeps showing the generated form.
TEST(Vokabelentwurf, SonderformenAnUndAus)
{
    TVokabel v;
    TVokabelEntwurf e(v);
    e.SetVokabel(QStringLiteral("amare"));
    e.SetWortart(WA_VERB);
    ASSERT_TRUE(e.HatKategorien());
    const int32_t praesens = fid::PRAESENS | fid::INDIKATIV | fid::AKTIV;
    const int32_t du = praesens | fid::P2_SG;

    EXPECT_EQ(e.SonderformAn(du, QStringLiteral(" amas ")), QStringLiteral("amas"));
    e.SetSonderformText(du, QStringLiteral("amasse "));
    // Checked again, the typed form stays.
    EXPECT_EQ(e.SonderformAn(du, QStringLiteral("amas")), QStringLiteral("amasse"));
    ASSERT_EQ(v.sonderformen.size(), size_t(1));
    const auto zeilen = e.SonderformZeilen(praesens, 10);
    ASSERT_EQ(zeilen.size(), size_t(6));
    EXPECT_EQ(zeilen[1].text, QStringLiteral("amas"));

    e.SonderformAn(praesens | fid::P3_SG, QStringLiteral("amat"));
    e.SonderformAus(praesens | fid::P3_SG);
    EXPECT_EQ(e.Sonderform(praesens | fid::P3_SG), nullptr);
    ASSERT_NE(e.Sonderform(du), nullptr);
    EXPECT_EQ(e.Sonderform(du)->text, QStringLiteral("amasse"));

    e.SetWortart(WA_SUBSTANTIV);
    EXPECT_FALSE(e.HatKategorien());
}

// Memory aids keep the order added and merge when one is changed into
// another; references compare without case and stay sorted.
TEST(Vokabelentwurf, MerkhilfenUndVerweise)
{
    TVokabel v;
    TVokabelEntwurf e(v);
    auto merkhilfen = [&] {
        QStringList s;
        for (const auto &m : v.merkhilfen)
            s << QStringLiteral("%1/%2").arg(m->merkhilfe).arg(m->sprache);
        return s;
    };
    EXPECT_FALSE(e.MerkhilfeHinzufuegbar(QStringLiteral("  "), SPR_DEUTSCH));
    e.MerkhilfeHinzufuegen(QStringLiteral("Amateur"), SPR_DEUTSCH);
    e.MerkhilfeHinzufuegen(QStringLiteral("amour"), SPR_FRANZOESISCH);
    e.MerkhilfeHinzufuegen(QStringLiteral("amorous"), SPR_ENGLISCH);
    EXPECT_FALSE(e.MerkhilfeHinzufuegbar(QStringLiteral(" amour"), SPR_FRANZOESISCH));
    EXPECT_TRUE(e.MerkhilfeHinzufuegbar(QStringLiteral("amour"), SPR_ENGLISCH));
    e.MerkhilfeAendern(2, QStringLiteral("amorous "), SPR_ITALIENISCH);
    EXPECT_EQ(merkhilfen(), (QStringList{"Amateur/1", "amour/3", "amorous/5"}));
    e.MerkhilfeAendern(0, QStringLiteral("amour"), SPR_FRANZOESISCH);
    EXPECT_EQ(merkhilfen(), (QStringList{"amour/3", "amorous/5"}));
    e.MerkhilfenEntfernen({1, 0, 1});
    EXPECT_TRUE(v.merkhilfen.empty());

    e.VerweisHinzufuegen(QStringLiteral("amicus"));
    e.VerweisHinzufuegen(QStringLiteral("amator"));
    EXPECT_FALSE(e.VerweisNeu(QStringLiteral("Amicus")));
    EXPECT_FALSE(e.VerweisNeu({}));
    e.VerweisAendern(QStringLiteral("amicus"), QStringLiteral("amor"));
    EXPECT_EQ(v.Verweise(), (QStringList{"amator", "amor"}));
    e.VerweiseEntfernen({QStringLiteral("amator")});
    EXPECT_EQ(v.Verweise(), QStringList{"amor"});
}

// The note on a stored headword: other entries only, lengths aside, each
// word class once.
TEST(Vokabelentwurf, VorhandenHinweis)
{
    auto eintrag = [](int32_t id, const char *wort, int32_t wortart) {
        auto v = std::make_unique<TVokabel>();
        v->id = id;
        v->vokabel = QString::fromUtf8(wort);
        v->SetWortart(wortart);
        return v;
    };
    std::vector<std::unique_ptr<TVokabel>> gefunden;
    gefunden.push_back(eintrag(5, "saltāre", WA_VERB));
    gefunden.push_back(eintrag(8, "saltarem", WA_VERB));
    TVokabel v;
    v.id = 5;
    TVokabelEntwurf e(v);
    e.SetVokabel(QStringLiteral("saltare"));
    EXPECT_EQ(e.VorhandenHinweis(gefunden), QString());
    gefunden.push_back(eintrag(6, "saltare", WA_SUBSTANTIV));
    gefunden.push_back(eintrag(7, "saltāre", WA_VERB));
    gefunden.push_back(eintrag(9, "saltare", WA_VERB));
    EXPECT_EQ(e.VorhandenHinweis(gefunden),
              QStringLiteral("„saltare“ ist bereits im Wörterbuch vorhanden (Substantiv, Verb)."));
    e.SetVokabel({});
    EXPECT_EQ(e.VorhandenHinweis(gefunden), QString());
}
