#include "app/tabellenaustausch.h"

#include "app/anwendungskern.h"

#include "model/csv.h"
#include "model/fehler.h"
#include "model/lektionsdatei.h"
#include "morph/formenmanager.h"
#include "render/karteikarten.h"
#include "store/datenmanager.h"
#include "store/import.h"
#include "store/lektionsspeicher.h"
#include "store/vokabeltabelle.h"

#include <QFile>
#include <QFileInfo>

namespace lexovita {

namespace {

// Copies of the lesson's entries with what the database adds to them.
std::unique_ptr<TLektion> Vervollstaendigt(TDatenmanager &daten, const TLektion &lektion)
{
    auto kopie = std::make_unique<TLektion>();
    kopie->name = lektion.name;
    kopie->lehrbuch = lektion.lehrbuch;
    kopie->text = lektion.text;
    kopie->notizen = lektion.notizen;
    for (const auto &v : lektion.vokabeln) {
        auto e = std::make_unique<TVokabel>();
        v->KopierenNach(*e);
        if (e->id > 0) {
            daten.SonderformenLaden(*e);
            daten.VerweiseLaden(*e);
        }
        kopie->VokabelAnhaengen(std::move(e));
    }
    return kopie;
}

} // namespace

bool IstTabellendatei(const QString &datei)
{
    const QString endung = QFileInfo(datei).suffix().toLower();
    if (endung == QLatin1String("csv") || endung == QLatin1String("tsv") || endung == QLatin1String("txt"))
        return true;
    if (endung == QLatin1String("xml"))
        return false;
    // Only a regular file is sniffed: a pipe would block, /dev/zero never ends.
    if (!QFileInfo(datei).isFile())
        return false;
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) && SiehtNachCsvAus(f.read(4096));
}

TVokabeltabelle TabelleLesen(const QString &datei, const QString &lehrbuch)
{
    return VokabeltabelleLesen(LektionsdateiInhalt(datei), QFileInfo(datei).completeBaseName(), lehrbuch);
}

QString TabellenDateiname(const QString &gewaehlt)
{
    return QFileInfo(gewaehlt).suffix().isEmpty() ? gewaehlt + QStringLiteral(".csv") : gewaehlt;
}

QString KarteikartenDateiname(const QString &gewaehlt)
{
    return QFileInfo(gewaehlt).suffix().isEmpty() ? gewaehlt + QStringLiteral(".txt") : gewaehlt;
}

QByteArray LehrbuchAlsKarteikarten(TDatenmanager &daten, int32_t lehrbuchId, const QSet<int32_t> &formenFuer)
{
    QString name;
    const auto lektionen = TLektionsSpeicher(daten).LehrbuchLesen(lehrbuchId, name);
    std::vector<const TLektion *> zeiger;
    for (const auto &l : lektionen)
        zeiger.push_back(l.get());
    TFormenmanager manager;
    return KarteikartenSchreiben(name, zeiger, manager, formenFuer);
}

QByteArray LektionAlsTabelle(TDatenmanager &daten, const TLektion &lektion)
{
    const auto kopie = Vervollstaendigt(daten, lektion);
    return VokabeltabelleSchreiben(lektion.lehrbuch, {kopie.get()});
}

QByteArray LektionAlsKarteikarten(TDatenmanager &daten, const TLektion &lektion, const QSet<int32_t> &formenFuer)
{
    const auto kopie = Vervollstaendigt(daten, lektion);
    TFormenmanager manager;
    return KarteikartenSchreiben(lektion.lehrbuch, {kopie.get()}, manager, formenFuer);
}

bool FormenWortartenLesen(const QString &liste, QSet<int32_t> &wortarten)
{
    wortarten.clear();
    for (const QString &teil : liste.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString n = teil.trimmed().toLower();
        if (n == QLatin1String("keine"))
            continue;
        if (n == QLatin1String("verb") || n == QLatin1String("verben"))
            wortarten.insert(WA_VERB);
        else if (n == QLatin1String("substantiv") || n == QLatin1String("substantive"))
            wortarten.insert(WA_SUBSTANTIV);
        else if (n == QLatin1String("adjektiv") || n == QLatin1String("adjektive"))
            wortarten.insert(WA_ADJEKTIV);
        else
            return false;
    }
    return true;
}

void TTabellenImportAuftrag::Ausfuehren(TAuftragsKontext &k)
{
    TDatenmanager &daten = k.Daten();
    const int32_t letzteId = LetzteLektionsId(daten);
    std::vector<TLehrbuchInhalt> alle;
    int zeilen = 0;
    m_fehlerhafte = 0;
    for (const QString &datei : m_dateien) {
        const QString name = QFileInfo(datei).fileName();
        k.Protokoll(QStringLiteral("„%1“ wird geprüft.").arg(name));
        TVokabeltabelle t = TabelleLesen(datei, m_lehrbuch);
        for (const QString &h : t.hinweise)
            k.Protokoll(name + QStringLiteral(": ") + h);
        for (const TTabellenzeile &z : t.zeilen)
            if (!z.gut)
                k.Protokoll(name + QStringLiteral(": ") + z.Text());
        zeilen += static_cast<int>(t.zeilen.size());
        m_fehlerhafte += t.Fehlerhafte();
        for (auto &b : t.buecher)
            alle.push_back(std::move(b));
    }
    if (m_fehlerhafte > 0 && !m_teilweise)
        throw TFehler(QStringLiteral("%1 von %2 Zeilen können nicht gelesen werden; es wurde nichts übernommen.")
                          .arg(m_fehlerhafte)
                          .arg(zeilen));
    TImport import(daten);
    import.SetAbbruch(&k.AbbruchFlag());
    import.SetFortschritt([&](const TImportStand &s) {
        k.Gesamt(qMax(0, s.lektion - 1), qMax(1, s.lektionenGesamt));
    k.Schritt(s.vokabel, qMax(1, s.vokabelnInLektion), s.lektionName);
});
m_ergebnis = import.LehrbuecherImportieren(alle, QStringLiteral("Importierte Lektionen"));
if (m_ergebnis.abgebrochen)
    throw TAuftragAbgebrochen{};
m_lektionen = LektionenNach(daten, letzteId);
k.Gesamt(1, 1);
if (m_fehlerhafte > 0)
    k.Protokoll(QStringLiteral("%1 fehlerhafte Zeilen wurden übergangen.").arg(m_fehlerhafte));
k.Protokoll(ImportZusammenfassung(m_ergebnis));
} // namespace lexovita

int32_t LehrbuchSuchen(TAnwendungskern &kern, const QString &name)
{
    return TLektionsSpeicher(kern.Daten()).LehrbuchSuchen(name);
}

QByteArray LehrbuchAlsLektionsdatei(TAnwendungskern &kern, int32_t lehrbuchId, const QString &vorlagenOrdner)
{
    return TLektionsSpeicher(kern.Daten()).LehrbuchExportieren(lehrbuchId, vorlagenOrdner);
}

QByteArray LehrbuchAlsTabelle(TAnwendungskern &kern, int32_t lehrbuchId)
{
    return TLektionsSpeicher(kern.Daten()).LehrbuchAlsTabelle(lehrbuchId);
}

QByteArray LehrbuchAlsKarteikarten(TAnwendungskern &kern, int32_t lehrbuchId, const QSet<int32_t> &formenFuer)
{
    return LehrbuchAlsKarteikarten(kern.Daten(), lehrbuchId, formenFuer);
}

} // namespace lexovita
