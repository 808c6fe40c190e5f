#include "store/lexikon.h"

#include "morph/collatinus.h"
#include "morph/staemme.h"
#include "store/sqlite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <zlib.h>

#include <algorithm>

namespace lexovita {

namespace {

// The key a look-up compares: no quantities, lower case, i for j, u for v.
QString Suchform(const QString &text)
{
    QString k = OhneLaengen(text).toLower();
    k.replace(QLatin1Char('v'), QLatin1Char('u'));
    return k;
}

QString DateiLesen(const QString &pfad)
{
    QFile f(pfad);
    if (!f.exists())
        throw LexikonFehler(QStringLiteral("Die Lexikondatei „%1“ fehlt.").arg(pfad));
    if (!f.open(QIODevice::ReadOnly))
        throw LexikonFehler(QStringLiteral("Die Lexikondatei „%1“ kann nicht gelesen werden.").arg(pfad));
    const QByteArray roh = f.readAll();
    QString text = QString::fromUtf8(roh);
    if (text.contains(QChar::ReplacementCharacter))
        throw LexikonFehler(QStringLiteral("Die Lexikondatei „%1“ ist beschädigt (kein UTF-8-Text).").arg(pfad));
    text.remove(QLatin1Char('\r'));
    return text;
}

// "key:text" lines of lemmes.xx.
QHash<QString, QString> Uebersetzungen(const QString &pfad, bool pflicht)
{
    QHash<QString, QString> h;
    if (!pflicht && !QFileInfo::exists(pfad))
        return h;
    for (const QString &zeile : DateiLesen(pfad).split(QLatin1Char('\n'))) {
        if (zeile.isEmpty() || zeile.startsWith(QLatin1Char('!')))
            continue;
        const qsizetype d = zeile.indexOf(QLatin1Char(':'));
        if (d <= 0)
            continue; // the language name at the top
        h.insert(zeile.left(d), zeile.mid(d + 1).trimmed());
    }
    return h;
}

// Splits at `trenner` outside brackets.
QStringList Teilen(const QString &text, QChar trenner)
{
    QStringList teile;
    int tiefe = 0;
    QString aktuell;
    for (QChar c : text) {
        if (c == QLatin1Char('(') || c == QLatin1Char('['))
            ++tiefe;
        else if ((c == QLatin1Char(')') || c == QLatin1Char(']')) && tiefe > 0)
            --tiefe;
        if (c == trenner && tiefe == 0) {
            if (!aktuell.trimmed().isEmpty())
                teile.append(aktuell.trimmed());
            aktuell.clear();
            continue;
        }
        aktuell += c;
    }
    if (!aktuell.trimmed().isEmpty())
        teile.append(aktuell.trimmed());
    return teile;
}

std::vector<QStringList> Gruppen(const QString &text)
{
    std::vector<QStringList> g;
    for (const QString &gruppe : Teilen(text, QLatin1Char(';'))) {
        const QStringList p = Teilen(gruppe, QLatin1Char(','));
        if (!p.isEmpty())
            g.push_back(p);
    }
    return g;
}

// ---------------------------------------------------------------- FreeDict

QByteArray GzipEntpacken(const QByteArray &daten, bool &ok)
{
    ok = false;
    QByteArray aus;
    z_stream s{};
    if (inflateInit2(&s, 16 + MAX_WBITS) != Z_OK)
        return aus;
    s.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(daten.constData()));
    s.avail_in = uInt(daten.size());
    char puffer[65536];
    int rc = Z_OK;
    while (rc == Z_OK) {
        s.next_out = reinterpret_cast<Bytef *>(puffer);
        s.avail_out = sizeof puffer;
        rc = inflate(&s, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END)
            break;
        aus.append(puffer, qsizetype(sizeof puffer - s.avail_out));
    }
    inflateEnd(&s);
    ok = rc == Z_STREAM_END;
    return aus;
}

// dictd numbers: base64 digits, most significant first.
bool Base64Zahl(const QString &t, qint64 &zahl)
{
    static const QString ziffern = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/");
    zahl = 0;
    if (t.isEmpty())
        return false;
    for (QChar c : t) {
        const qsizetype d = ziffern.indexOf(c);
        if (d < 0)
            return false;
        zahl = zahl * 64 + d;
    }
    return true;
}

struct TFreedictEintrag {
    QString wortart; // "v", "n", "adj", "adv", ... from the headword line
    std::vector<QStringList> gruppen;
};

// Single-word headwords only: phrases ("bellum civile") name no lemma.
QMultiHash<QString, TFreedictEintrag> FreedictLesen(const QString &ordner)
{
    QMultiHash<QString, TFreedictEintrag> h;
    const QString indexPfad = QDir(ordner).filePath(QLatin1String(TLexikonQuellen::kFreedictIndex));
    const QString datenPfad = QDir(ordner).filePath(QLatin1String(TLexikonQuellen::kFreedictDaten));
    const QString index = DateiLesen(indexPfad);
    QFile f(datenPfad);
    if (!f.open(QIODevice::ReadOnly))
        throw LexikonFehler(QStringLiteral("Die Lexikondatei „%1“ fehlt.").arg(datenPfad));
    bool ok = false;
    const QByteArray daten = GzipEntpacken(f.readAll(), ok);
    if (!ok)
        throw LexikonFehler(QStringLiteral("Die Lexikondatei „%1“ ist beschädigt.").arg(datenPfad));
    static const QRegularExpression kopf(QStringLiteral("^([^\\s/(<]+)\\s*(?:/[^/]*/)?[^<]*(?:<([^>]*)>)?"));
    static const QRegularExpression nummer(QStringLiteral("^\\d+\\.\\s*"));
    int zeilen = 0;
    for (const QString &zeile : index.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList t = zeile.split(QLatin1Char('\t'));
        qint64 von = 0, laenge = 0;
        if (t.size() != 3 || !Base64Zahl(t[1], von) || !Base64Zahl(t[2], laenge) || von + laenge > daten.size())
            throw LexikonFehler(
                QStringLiteral("Die Lexikondatei „%1“ ist beschädigt (Zeile %2).").arg(indexPfad).arg(zeilen + 1));
        ++zeilen;
        if (t[0].startsWith(QLatin1String("00database")) || t[0].contains(QLatin1Char(' ')))
            continue;
        const QStringList text = QString::fromUtf8(daten.mid(von, laenge)).split(QLatin1Char('\n'));
        if (text.isEmpty())
            continue;
        TFreedictEintrag e;
        // The last <...> of the headword line names the part of speech.
        const qsizetype a = text[0].lastIndexOf(QLatin1Char('<'));
        const qsizetype b = text[0].lastIndexOf(QLatin1Char('>'));
        if (a >= 0 && b > a) {
            const QStringList teile = text[0].mid(a + 1, b - a - 1).split(QLatin1Char(','));
            for (const QString &x : teile) {
                const QString y = x.trimmed();
                if (y == QLatin1String("v") || y == QLatin1String("n") || y == QLatin1String("adj") ||
                    y == QLatin1String("adv") || y == QLatin1String("pron") || y == QLatin1String("prep") ||
                    y == QLatin1String("conj") || y == QLatin1String("num") || y == QLatin1String("int"))
                    e.wortart = y;
            }
        }
        for (qsizetype i = 1; i < text.size(); ++i) {
            QString z = text[i].trimmed();
            if (z.isEmpty() || z.startsWith(QLatin1String("See also")) || z.startsWith(QLatin1Char('[')))
                continue;
            z.remove(nummer);
            const QStringList p = Teilen(z, QLatin1Char(','));
            if (!p.isEmpty())
                e.gruppen.push_back(p);
        }
        if (!e.gruppen.empty())
            h.insert(Suchform(t[0]), e);
    }
    if (zeilen == 0)
        throw LexikonFehler(QStringLiteral("Die Lexikondatei „%1“ ist leer.").arg(indexPfad));
    return h;
}

bool WortartPasst(const QString &freedict, int32_t wortart)
{
    if (freedict.isEmpty())
        return true;
    switch (wortart) {
    case WA_VERB:
        return freedict == QLatin1String("v");
    case WA_SUBSTANTIV:
        return freedict == QLatin1String("n");
    case WA_ADJEKTIV:
        return freedict == QLatin1String("adj") || freedict == QLatin1String("num");
    case WA_ADVERB:
        return freedict == QLatin1String("adv");
    case WA_PRONOMEN:
        return freedict == QLatin1String("pron") || freedict == QLatin1String("adj");
    default:
        return freedict != QLatin1String("v") && freedict != QLatin1String("n");
    }
}

} // namespace

// ---------------------------------------------------------------- French

bool FranzoesischerText(const QString &text, const QString &franzoesisch)
{
    // Letter case is kept for the comparison: a German noun ("Rose") is
    // not the French word ("rose").
    const auto woerter = [](const QString &t) {
        static const QRegularExpression trenner(QStringLiteral("[^\\p{L}']+"));
        return t.split(trenner, Qt::SkipEmptyParts);
    };
    const QStringList geschrieben = woerter(text);
    if (geschrieben.isEmpty())
        return false;
    if (!franzoesisch.isEmpty()) {
        // Copied over from the French file, maybe with an article more.
        const QStringList fr = woerter(franzoesisch);
        const QSet<QString> frSet(fr.begin(), fr.end());
        int gleich = 0;
        for (const QString &x : geschrieben)
            gleich += frSet.contains(x) ? 1 : 0;
        if (gleich * 10 >= int(geschrieben.size()) * 7)
            return true;
    }
    const QStringList w = woerter(text.toLower());
    static const QSet<QString> fr = {
        QStringLiteral("le"),    QStringLiteral("la"),      QStringLiteral("les"),   QStringLiteral("un"),
        QStringLiteral("une"),   QStringLiteral("du"),      QStringLiteral("de"),    QStringLiteral("et"),
        QStringLiteral("ou"),    QStringLiteral("à"),       QStringLiteral("au"),    QStringLiteral("aux"),
        QStringLiteral("pour"),  QStringLiteral("par"),     QStringLiteral("sur"),   QStringLiteral("avec"),
        QStringLiteral("dans"),  QStringLiteral("qui"),     QStringLiteral("que"),   QStringLiteral("se"),
        QStringLiteral("est"),   QStringLiteral("être"),    QStringLiteral("faire"), QStringLiteral("avoir"),
        QStringLiteral("son"),   QStringLiteral("sa"),      QStringLiteral("ses"),   QStringLiteral("ce"),
        QStringLiteral("cette"), QStringLiteral("ne"),      QStringLiteral("pas"),   QStringLiteral("très"),
        QStringLiteral("en"),    QStringLiteral("quelque"), QStringLiteral("chose"), QStringLiteral("celui")};
    static const QSet<QString> de = {
        QStringLiteral("der"),  QStringLiteral("die"),   QStringLiteral("das"),   QStringLiteral("den"),
        QStringLiteral("dem"),  QStringLiteral("ein"),   QStringLiteral("eine"),  QStringLiteral("und"),
        QStringLiteral("oder"), QStringLiteral("sich"),  QStringLiteral("zu"),    QStringLiteral("mit"),
        QStringLiteral("von"),  QStringLiteral("für"),   QStringLiteral("auf"),   QStringLiteral("ist"),
        QStringLiteral("sein"), QStringLiteral("nicht"), QStringLiteral("etwas"), QStringLiteral("jemanden"),
        QStringLiteral("im"),   QStringLiteral("am"),    QStringLiteral("aus"),   QStringLiteral("bei")};
    int punkteFr = 0, punkteDe = 0;
    for (const QString &x : w) {
        if (fr.contains(x) || x.startsWith(QLatin1String("l'")) || x.startsWith(QLatin1String("d'")) ||
            x.startsWith(QLatin1String("s'")) || x.startsWith(QLatin1String("qu'")))
            ++punkteFr;
        if (de.contains(x))
            ++punkteDe;
        for (QChar c : x) {
            const char16_t u = c.unicode();
            if (u == u'é' || u == u'è' || u == u'ê' || u == u'ç' || u == u'à' || u == u'â' || u == u'î' || u == u'ô' ||
                u == u'û' || u == u'ë' || u == u'ï' || u == u'œ')
                ++punkteFr;
            if (u == u'ä' || u == u'ö' || u == u'ü' || u == u'ß')
                ++punkteDe;
        }
    }
    return punkteFr > punkteDe;
}

// ---------------------------------------------------------------- sources

QString Schluesselformen(const QStringList &laengen, int32_t wortart)
{
    QStringList teile;
    if (wortart == WA_VERB) {
        for (int i = 1; i <= 3; ++i)
            if (!laengen.value(i).isEmpty())
                teile.append(OhneLaengen(laengen.value(i)));
    } else if (wortart == WA_SUBSTANTIV) {
        teile.append(OhneLaengen(laengen.value(0)));
        if (!laengen.value(1).isEmpty())
            teile.append(OhneLaengen(laengen.value(1)));
        if (!laengen.value(2).isEmpty())
            teile.append(laengen.value(2) == QLatin1String("p") ? QStringLiteral("m./f.") : laengen.value(2) + u'.');
    } else if (wortart == WA_ADJEKTIV) {
        teile.append(OhneLaengen(laengen.value(0)));
        for (int i = 2; i <= 3; ++i)
            if (!laengen.value(i).isEmpty())
                teile.append(OhneLaengen(laengen.value(i)));
        if (teile.size() == 1 && !laengen.value(1).isEmpty())
            teile.append(OhneLaengen(laengen.value(1)));
    } else {
        teile.append(OhneLaengen(laengen.value(0)));
        for (int i = 1; i <= 2; ++i)
            if (!laengen.value(i).isEmpty() && wortart == WA_ADVERB)
                teile.append(OhneLaengen(laengen.value(i)));
    }
    return teile.join(QStringLiteral(", "));
}

// ---------------------------------------------------------------- import

TLexikonBericht LexikonImportieren(TDatenmanager &daten, const TLexikonQuellen &quellen,
                                   const std::function<bool(int, int)> &fortschritt)
{
    TLexikonBericht bericht;
    const QDir c(quellen.collatinus);
    if (!quellen.CollatinusVorhanden())
        throw LexikonFehler(QStringLiteral("Im Ordner „%1“ liegen keine Collatinus-Daten (lemmes.la und modeles.la "
                                           "fehlen). Bitte das Paket „collatinus“ installieren.")
                                .arg(quellen.collatinus));
    TCollatinusModelle modelle;
    QString fehler;
    if (!modelle.Lesen(DateiLesen(c.filePath(QStringLiteral("modeles.la"))), fehler))
        throw LexikonFehler(QStringLiteral("Die Lexikondatei „%1“ ist beschädigt: %2")
                                .arg(c.filePath(QStringLiteral("modeles.la")), fehler));
    const QString lemmaPfad = c.filePath(QStringLiteral("lemmes.la"));
    std::vector<TCollatinusLemma> lemmata;
    int zeilenNr = 0;
    for (const QString &zeile : DateiLesen(lemmaPfad).split(QLatin1Char('\n'))) {
        ++zeilenNr;
        if (zeile.trimmed().isEmpty() || zeile.startsWith(QLatin1Char('!')))
            continue;
        std::optional<TCollatinusLemma> l = CollatinusLemmaLesen(zeile.trimmed());
        if (!l || !modelle.Hat(l->modell))
            throw LexikonFehler(
                QStringLiteral("Die Lexikondatei „%1“ ist beschädigt (Zeile %2).").arg(lemmaPfad).arg(zeilenNr));
        // A word without inflection written in several ways (ā, ăb, ābs):
        // each spelling is a lemma of its own, with the same meanings; the
        // frequency stays with the first.
        if (l->modell == QLatin1String("inv"))
            for (const QString &variante : l->varianten) {
                TCollatinusLemma zweit = *l;
                zweit.lemma = variante;
                zweit.varianten.clear();
                zweit.frequenz = 0;
                lemmata.push_back(std::move(zweit));
            }
        lemmata.push_back(std::move(*l));
    }
    if (lemmata.empty())
        throw LexikonFehler(QStringLiteral("Die Lexikondatei „%1“ enthält keine Lemmata.").arg(lemmaPfad));

    std::vector<TCollatinusIrregulaer> irregulaer;
    const QString irregPfad = c.filePath(QStringLiteral("irregs.la"));
    if (QFileInfo::exists(irregPfad)) {
        zeilenNr = 0;
        for (const QString &zeile : DateiLesen(irregPfad).split(QLatin1Char('\n'))) {
            ++zeilenNr;
            if (zeile.trimmed().isEmpty() || zeile.startsWith(QLatin1Char('!')))
                continue;
            std::optional<TCollatinusIrregulaer> i = CollatinusIrregulaerLesen(zeile.trimmed());
            if (!i)
                throw LexikonFehler(
                    QStringLiteral("Die Lexikondatei „%1“ ist beschädigt (Zeile %2).").arg(irregPfad).arg(zeilenNr));
            irregulaer.push_back(std::move(*i));
        }
    }
    const QHash<QString, QString> deutsch = Uebersetzungen(c.filePath(QStringLiteral("lemmes.de")), false);
    const QHash<QString, QString> franz = Uebersetzungen(c.filePath(QStringLiteral("lemmes.fr")), false);
    const QHash<QString, QString> englisch = Uebersetzungen(c.filePath(QStringLiteral("lemmes.en")), false);
    QMultiHash<QString, TFreedictEintrag> freedict;
    if (quellen.FreedictVorhanden())
        freedict = FreedictLesen(quellen.freedict);
    else
        bericht.hinweise.append(QStringLiteral("FreeDict (Paket „dict-freedict-lat-deu“) ist nicht installiert; "
                                               "deutsche Bedeutungen nur aus Collatinus."));

    const int gesamt = int(lemmata.size());
    const auto melden = [&](int erledigt) {
        if (fortschritt && !fortschritt(erledigt, gesamt))
            throw LexikonFehler(QStringLiteral("Der Import des Lexikons wurde abgebrochen; das bisherige Lexikon "
                                               "bleibt erhalten."));
    };
    melden(0);

    TVerbindung &db = daten.Verbindung();
    TTransaktion t(db);
    for (const char *sql : {"DELETE FROM lex_vokabel", "DELETE FROM lex_bedeutung", "DELETE FROM lex_sonderform",
                            "DELETE FROM lex_stamm", "DELETE FROM lex_info"})
        db.Ausfuehren(sql);
    const QString jetzt = daten.DatumJetzt();
    QHash<QString, int32_t> nachSchluessel; // Collatinus key -> id, for the irregular forms
    QMultiHash<QString, int32_t> nachKanon; // look-up key of the canonical form -> ids
    std::vector<bool> hatDeutsch(lemmata.size() + 1, false);
    std::vector<int32_t> wortarten(lemmata.size() + 1, WA_UNBESTIMMT);
    int32_t id = 0;
    for (const TCollatinusLemma &l : lemmata) {
        ++id;
        TLexikonEintrag e = LexikonEintragBilden(l, modelle);
        ++bericht.lemmata;
        bericht.frequenz += l.frequenz;
        if (e.abbildung.abgebildet) {
            ++bericht.abgebildet;
            bericht.frequenzAbgebildet += l.frequenz;
        } else {
            ++bericht.nichtAbgebildet[l.modell];
        }
        nachSchluessel.insert(l.schluessel, id);
        const TVokabel &v = e.vokabel;
        {
            TAnweisung a =
                db.Anweisung("INSERT INTO lex_vokabel (id, vokabel, form1, form2, form3, konjdekl, wortart, attribute, "
                             "aktualisierung, vokabel_lower, schluessel, kanon, laengen, modell, frequenz, abgebildet) "
                             "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16)");
            a.Binden(1, id)
                .Binden(2, v.vokabel)
                .Binden(3, v.form1)
                .Binden(4, v.form2)
                .Binden(5, v.form3)
                .Binden(6, KonjDeklBuchstabe(v.KonjDekl()))
                .Binden(7, WortartBuchstabe(v.Wortart()))
                .Binden(8, v.attribute)
                .Binden(9, jetzt)
                .Binden(10, v.vokabel.toLower())
                .Binden(11, Suchform(v.vokabel))
                .Binden(12, Suchform(l.lemma))
                .Binden(13, e.laengen.join(QLatin1Char('|')))
                .Binden(14, l.modell)
                .Binden(15, int32_t(l.frequenz))
                .Binden(16, int32_t(e.abbildung.abgebildet ? 1 : 0));
            a.Ausfuehren();
        }
        bericht.sonderformenJeModell[l.modell] += e.sonderformenAusModell;
        for (const auto &sf : v.sonderformen) {
            TAnweisung a = db.Anweisung("INSERT INTO lex_sonderform (vokabel_id, form_id, form) VALUES (?1, ?2, ?3)");
            a.Binden(1, id).Binden(2, sf->formId).Binden(3, sf->text);
            a.Ausfuehren();
            ++bericht.sonderformen;
        }
        for (const QString &stamm : StaemmeAbleiten(v)) {
            TAnweisung a = db.Anweisung("INSERT INTO lex_stamm (vokabel_id, stamm) VALUES (?1, ?2)");
            a.Binden(1, id).Binden(2, stamm);
            a.Ausfuehren();
        }

        // Meanings: Collatinus German unless it is French, then FreeDict
        // where Collatinus has none; the other languages apart.
        const auto bedeutung = [&](int32_t sprache, int32_t gruppe, int32_t position, const QString &text,
                                   const char *quelle) {
            TAnweisung a = db.Anweisung("INSERT INTO lex_bedeutung (vokabel_id, sprache, gruppe, position, "
                                        "bedeutung, quelle) VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
            a.Binden(1, id)
                .Binden(2, sprache)
                .Binden(3, gruppe)
                .Binden(4, position)
                .Binden(5, text)
                .Binden(6, QString::fromLatin1(quelle));
            a.Ausfuehren();
        };
        const auto gruppenSchreiben = [&](int32_t sprache, const std::vector<QStringList> &g, const char *quelle,
                                          int32_t ab) {
            for (size_t i = 0; i < g.size(); ++i)
                for (qsizetype p = 0; p < g[i].size(); ++p)
                    bedeutung(sprache, ab + int32_t(i), int32_t(p) + 1, g[i][p], quelle);
        };
        const QString fr = franz.value(l.schluessel);
        const QString de = deutsch.value(l.schluessel);
        const bool deFranz = !de.isEmpty() && FranzoesischerText(de, fr);
        if (deFranz)
            ++bericht.franzoesisch;
        int32_t gruppe = 1;
        QSet<QString> schonDa;
        const bool collatinusDeutsch = !de.isEmpty() && !deFranz;
        if (collatinusDeutsch) {
            const std::vector<QStringList> g = Gruppen(de);
            gruppenSchreiben(SPR_DEUTSCH, g, "collatinus", gruppe);
            for (const QStringList &x : g)
                for (const QString &y : x)
                    schonDa.insert(y.toLower());
            gruppe += int32_t(g.size());
            ++bericht.deutschCollatinus;
        }
        // FreeDict's meanings follow as further groups, without repeating
        // a meaning Collatinus gave.
        bool ausFreedict = false;
        const QString k = Suchform(l.lemma);
        for (auto it = freedict.constFind(k); it != freedict.constEnd() && it.key() == k; ++it) {
            if (!WortartPasst(it->wortart, v.Wortart()))
                continue;
            std::vector<QStringList> neu;
            for (const QStringList &x : it->gruppen) {
                QStringList y;
                for (const QString &z : x)
                    if (!schonDa.contains(z.toLower())) {
                        y.append(z);
                        schonDa.insert(z.toLower());
                    }
                if (!y.isEmpty())
                    neu.push_back(y);
            }
            gruppenSchreiben(SPR_DEUTSCH, neu, "freedict", gruppe);
            gruppe += int32_t(neu.size());
            ausFreedict = ausFreedict || !neu.empty();
        }
        if (!collatinusDeutsch && ausFreedict)
            ++bericht.deutschFreedict;
        hatDeutsch[size_t(id)] = collatinusDeutsch || ausFreedict;
        wortarten[size_t(id)] = v.Wortart();
        nachKanon.insert(Suchform(l.lemma), id);
        if (!fr.isEmpty())
            gruppenSchreiben(SPR_FRANZOESISCH, Gruppen(fr), "collatinus", 1);
        const QString en = englisch.value(l.schluessel);
        if (!en.isEmpty())
            gruppenSchreiben(SPR_ENGLISCH, Gruppen(en), "collatinus", 1);
        if (id % 500 == 0)
            melden(id);
    }
    // Lemmas still without German borrow it where the word itself says
    // whose it is: a reference ("cf. seruus"), an adverb of an adjective
    // (late: latus, fortiter: fortis; German uses the adjective's word),
    // a plural-only noun of a singular lemma (Graeci: Graecus).
    {
        static const QRegularExpression verweis(QStringLiteral("cf\\.\\s+([^\\s,;.()]+)"));
        TAnweisung kopieren =
            db.Anweisung("INSERT INTO lex_bedeutung (vokabel_id, sprache, gruppe, position, bedeutung, quelle) "
                         "SELECT ?1, sprache, gruppe, position, bedeutung, 'abgeleitet' FROM lex_bedeutung "
                         "WHERE vokabel_id = ?2 AND sprache = 1 ORDER BY rowid");
        const auto bedeutungSchreiben = [&](int32_t lid, const QString &text) {
            TAnweisung a = db.Anweisung("INSERT INTO lex_bedeutung (vokabel_id, sprache, gruppe, position, "
                                        "bedeutung, quelle) VALUES (?1, 1, 1, 1, ?2, 'name')");
            a.Binden(1, lid).Binden(2, text);
            a.Ausfuehren();
        };
        for (size_t i = 0; i < lemmata.size(); ++i) {
            const int32_t lid = int32_t(i) + 1;
            if (hatDeutsch[size_t(lid)])
                continue;
            const TCollatinusLemma &l = lemmata[i];
            const QString k = Suchform(l.lemma);
            QStringList kandidaten;
            const QRegularExpressionMatch m = verweis.match(l.angaben);
            if (m.hasMatch())
                kandidaten.append(Suchform(m.captured(1)));
            const int32_t wa = wortarten[size_t(lid)];
            if (wa == WA_ADVERB || l.angaben.startsWith(QLatin1String("adv"))) {
                if (k.endsWith(QLatin1String("iter")))
                    kandidaten << k.chopped(4) + QStringLiteral("is");
                else if (k.endsWith(QLatin1String("ter")))
                    kandidaten << k.chopped(3) + QStringLiteral("s");
                else if (k.endsWith(QLatin1Char('e')))
                    kandidaten << k.chopped(1) + QStringLiteral("us") << k.chopped(1) + QStringLiteral("er")
                               << k.chopped(1) + QStringLiteral("is");
            }
            if (wa == WA_SUBSTANTIV || wa == WA_ADJEKTIV) {
                if (k.endsWith(QLatin1Char('i')))
                    kandidaten << k.chopped(1) + QStringLiteral("us");
                else if (k.endsWith(QLatin1String("ae")))
                    kandidaten << k.chopped(2) + QStringLiteral("a");
                else if (k.endsWith(QLatin1String("es")))
                    kandidaten << k.chopped(2) + QStringLiteral("is") << k.chopped(1);
            }
            bool gefunden = false;
            for (const QString &kandidat : kandidaten) {
                for (auto it = nachKanon.constFind(kandidat); it != nachKanon.constEnd() && it.key() == kandidat;
                     ++it) {
                    if (it.value() == lid || !hatDeutsch[size_t(it.value())])
                        continue;
                    kopieren.Binden(1, lid).Binden(2, it.value());
                    kopieren.Ausfuehren();
                    kopieren.Zuruecksetzen();
                    gefunden = true;
                    break;
                }
                if (gefunden)
                    break;
            }
            if (gefunden) {
                ++bericht.deutschAbgeleitet;
            } else if (!l.lemma.isEmpty() && l.lemma[0].isUpper()) {
                // A name stands for itself in German (Pompeius, Turnus).
                bedeutungSchreiben(lid, OhneLaengen(l.lemma));
                ++bericht.deutschName;
            } else {
                ++bericht.ohneDeutsch;
            }
        }
    }

    // Irregular forms: special forms of their lemma.
    for (const TCollatinusIrregulaer &i : irregulaer) {
        int32_t lemmaId = nachSchluessel.value(i.schluessel);
        if (lemmaId == 0)
            continue;
        TAnweisung w = db.Anweisung("SELECT wortart, attribute, form2 FROM lex_vokabel WHERE id = ?1");
        w.Binden(1, lemmaId);
        if (!w.Schritt())
            continue;
        const int32_t wortart = WortartAusBuchstabe(w.Text(0));
        const int32_t attribute = w.Int(1);
        const QString g = w.Text(2);
        const int32_t genus = g == QLatin1String("m")   ? 0x20000
                              : g == QLatin1String("f") ? 0x40000
                              : g == QLatin1String("n") ? 0x60000
                              : g == QLatin1String("p") ? 0x800000
                                                        : 0;
        for (int m : i.morphologien) {
            const int32_t formId = FormIdAusMorphologie(m, wortart, genus, attribute & ATTR_DEPONENS);
            if (formId == 0)
                continue;
            if (!i.zusaetzlich) {
                TAnweisung d = db.Anweisung("DELETE FROM lex_sonderform WHERE vokabel_id = ?1 AND form_id = ?2");
                d.Binden(1, lemmaId).Binden(2, formId);
                d.Ausfuehren();
                bericht.sonderformen -= int(db.Aenderungen());
            }
            TAnweisung a = db.Anweisung("INSERT INTO lex_sonderform (vokabel_id, form_id, form) VALUES (?1, ?2, ?3)");
            a.Binden(1, lemmaId).Binden(2, formId).Binden(3, OhneLaengen(i.form));
            a.Ausfuehren();
            ++bericht.sonderformen;
        }
    }
    const auto info = [&](const char *schluessel, const QString &wert) {
        TAnweisung a = db.Anweisung("INSERT INTO lex_info (schluessel, wert) VALUES (?1, ?2)");
        a.Binden(1, QString::fromLatin1(schluessel)).Binden(2, wert);
        a.Ausfuehren();
    };
    info("datum", jetzt);
    info("anzahl", QString::number(bericht.lemmata));
    info("quelle",
         quellen.collatinus + (quellen.FreedictVorhanden() ? QStringLiteral(", ") + quellen.freedict : QString()));
    melden(gesamt);
    t.Bestaetigen();
    return bericht;
}

TLexikonStand LexikonStand(TDatenmanager &daten)
{
    TLexikonStand s;
    TAnweisung a = daten.Verbindung().Anweisung("SELECT schluessel, wert FROM lex_info");
    while (a.Schritt()) {
        const QString k = a.Text(0);
        if (k == QLatin1String("datum"))
            s.datum = a.Text(1);
        else if (k == QLatin1String("anzahl"))
            s.eintraege = a.Text(1).toInt();
        else if (k == QLatin1String("quelle"))
            s.quelle = a.Text(1);
    }
    return s;
}

namespace {

TLexikonLemma LemmaAusZeile(TVerbindung &db, const TAnweisung &a)
{
    TLexikonLemma l;
    l.id = a.Int(0);
    l.stichwort = a.Text(1);
    l.form1 = a.Text(2);
    l.form2 = a.Text(3);
    l.form3 = a.Text(4);
    l.konjDekl = KonjDeklAusBuchstabe(a.Text(5));
    l.wortart = WortartAusBuchstabe(a.Text(6));
    l.attribute = a.Int(7);
    l.laengen = a.Text(8).split(QLatin1Char('|'));
    l.modell = a.Text(9);
    l.frequenz = a.Int(10);
    l.schluesselformen = Schluesselformen(l.laengen, l.wortart);
    TAnweisung b = db.Anweisung("SELECT sprache, gruppe, position, bedeutung, quelle FROM lex_bedeutung "
                                "WHERE vokabel_id = ?1 ORDER BY sprache, gruppe, position, rowid");
    b.Binden(1, l.id);
    QStringList quellen;
    while (b.Schritt()) {
        const int32_t sprache = b.Int(0);
        if (sprache == SPR_DEUTSCH) {
            const auto gruppe = size_t(std::max(1, b.Int(1)));
            if (l.deutsch.size() < gruppe)
                l.deutsch.resize(gruppe);
            l.deutsch[gruppe - 1].append(b.Text(3));
            if (!quellen.contains(b.Text(4)))
                quellen.append(b.Text(4));
        } else if (sprache == SPR_ENGLISCH) {
            l.englisch.append(b.Text(3));
        } else if (sprache == SPR_FRANZOESISCH) {
            l.franzoesisch.append(b.Text(3));
        }
    }
    l.deutschQuelle = quellen.join(QLatin1Char('+'));
    return l;
}

const char *const kLemmaSpalten = "SELECT id, vokabel, form1, form2, form3, konjdekl, wortart, attribute, laengen, "
                                  "modell, frequenz FROM lex_vokabel ";

} // namespace

std::vector<TLexikonLemma> LexikonSuchen(TDatenmanager &daten, const QString &wort)
{
    std::vector<TLexikonLemma> treffer;
    TVerbindung &db = daten.Verbindung();
    TAnweisung a = db.Anweisung((std::string(kLemmaSpalten) + "WHERE schluessel = ?1 OR kanon = ?1 "
                                                              "ORDER BY frequenz DESC, id")
                                    .c_str());
    a.Binden(1, Suchform(wort.trimmed()));
    while (a.Schritt())
        treffer.push_back(LemmaAusZeile(db, a));
    return treffer;
}

TLexikonLemma LexikonLemma(TDatenmanager &daten, int32_t id)
{
    TVerbindung &db = daten.Verbindung();
    TAnweisung a = db.Anweisung((std::string(kLemmaSpalten) + "WHERE id = ?1").c_str());
    a.Binden(1, id);
    if (a.Schritt())
        return LemmaAusZeile(db, a);
    return {};
}

} // namespace lexovita
