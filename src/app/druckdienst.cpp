#include "app/druckdienst.h"

#include "app/anwendungskern.h"
#include "app/laengenanzeige.h"
#include "app/lektionssitzung.h"
#include "app/seitencache.h"
#include "learning/testbogen.h"
#include "model/config.h"
#include "model/lektion.h"
#include "model/pfade.h"
#include "model/rueckfrage.h"
#include "morph/formenmanager.h"
#include "render/html.h"
#include "render/seiten.h"
#include "store/datenmanager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace lexovita {

TDruckdienst::TDruckdienst(TAnwendungskern &kern) : m_kern(kern) {}

const TLektion *TDruckdienst::Lektion() const
{
    return m_kern.Sitzung().Aktuell();
}

QString TDruckdienst::Lektionsname() const
{
    const TLektion *l = Lektion();
    return l ? l->name : QString();
}

bool TDruckdienst::HatVokabeln() const
{
    const TLektion *l = Lektion();
    return l && !l->vokabeln.empty();
}

bool TDruckdienst::HatText() const
{
    const TLektion *l = Lektion();
    return l && !l->text.isEmpty();
}

TDruckwahl TDruckdienst::Standardwahl() const
{
    TDruckwahl w;
    w.vokabeln = HatVokabeln();
    w.text = HatText();
    return w;
}

QString TDruckdienst::VorlagenOrdner() const
{
    // Before the settings are loaded the program folder is not known yet.
    const TConfig &c = m_kern.Config();
    return c.programmordner.isEmpty() ? lexovita::VorlagenOrdner() : c.VorlagenOrdner();
}

QString TDruckdienst::TmpDatei() const
{
    return TPfade::Aktuell().SeitenDatei();
}

QStringList TDruckdienst::Zeilen(const TDruckwahl &wahl)
{
    TLektion *l = m_kern.Sitzung().Aktuell();
    if (!l)
        return {};
    // Form markers of the block templates show stored irregular forms too.
    for (auto &v : l->vokabeln)
        if (v->id > 0)
            m_kern.Daten().SonderformenLaden(*v);
    const TLaengenAnzeige anzeige = LaengenAnzeige(m_kern.Config());
    TFormenmanager formen;
    formen.SetLaengen(anzeige.laengen || anzeige.betonung);
    const VokabelFormTextFn formText = [&formen, anzeige](const TVokabel &v, int32_t id) {
        formen.Zuruecksetzen();
        formen.FormenErzeugen(v, id);
        return formen.Ergebnisliste().empty() ? QString()
                                              : LaengenZeigen(formen.Ergebnisliste().front().text, anzeige.Fuer(v));
    };
    const DruckVorlagen vorlagen =
        DruckVorlagen::Laden(VorlagenOrdner(), DruckVorlageName(wahl.vokabeln, wahl.text, wahl.textZuerst));
    return LektionDokument(LektionsDatenAus(*l), true, vorlagen, formText, anzeige);
}

QString TDruckdienst::Dokument(const TDruckwahl &wahl)
{
    return Zeilen(wahl).join(QLatin1Char('\n'));
}

QString TDruckdienst::Erzeugen(const TDruckwahl &wahl)
{
    const QStringList zeilen = Zeilen(wahl);
    m_tmpGeschrieben = !zeilen.isEmpty() && SeiteImCacheAblegen(zeilen, VorlagenOrdner(), &m_kern.Rueckfrage());
    return zeilen.join(QLatin1Char('\n'));
}

QString TDruckdienst::Vokabeltest(const TLektion &lektion, const std::vector<bool> &markiert, const TTestwahl &wahl)
{
    const QDir ordner(VorlagenOrdner());
    TestTexte texte;
    texte.verb = VorlageText(ordner.filePath(QStringLiteral("test_konjdekl_verb.txt")));
    texte.substantiv = VorlageText(ordner.filePath(QStringLiteral("test_konjdekl_substantiv.txt")));
    texte.adjektiv = VorlageText(ordner.filePath(QStringLiteral("test_konjdekl_adjektiv.txt")));
    const QStringList zeilen = VokabeltestSeite(
        TestVokabeln(lektion, markiert, wahl.mischen, m_kern.Zufall()), wahl.stammformen, wahl.konjDekl,
        VorlageLesen(ordner.filePath(QStringLiteral("vokabeltest.htm"))), texte, LaengenAnzeige(m_kern.Config()));
    m_tmpGeschrieben = SeiteImCacheAblegen(zeilen, VorlagenOrdner(), &m_kern.Rueckfrage());
    return zeilen.join(QLatin1Char('\n'));
}

bool TDruckdienst::HtmlExportieren(const QString &datei)
{
    const TLektion *l = Lektion();
    if (!l || datei.isEmpty())
        return false;
    const QStringList zeilen = Zeilen(Standardwahl());
    if (!DokumentSpeichern(datei, zeilen)) {
        m_kern.Rueckfrage().Meldung(
            ProgrammTitel(),
            QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden.").arg(QDir::toNativeSeparators(datei)));
        return false;
    }
    // The document names its pictures without a folder: they go beside it.
    QSet<QString> bilder;
    for (const auto &v : l->vokabeln)
        for (const auto &m : v->merkhilfen)
            if (const QString f = SpracheFlagge(m->sprache); !f.isEmpty())
                bilder.insert(f);
    const QDir quelle(VorlagenOrdner());
    const QDir ziel = QFileInfo(datei).absoluteDir();
    QStringList fehlend;
    for (const QString &bild : bilder) {
        const QString nach = ziel.filePath(bild);
        if (QFileInfo(quelle.filePath(bild)).canonicalFilePath() == QFileInfo(nach).canonicalFilePath())
            continue; // exported into the vorlagen folder itself
        QFile::remove(nach);
        if (!QFile::copy(quelle.filePath(bild), nach))
            fehlend.append(bild);
    }
    if (!fehlend.isEmpty()) {
        fehlend.sort();
        m_kern.Rueckfrage().Meldung(
            ProgrammTitel(),
            QStringLiteral("Die Seite wurde gespeichert, aber diese Bilder konnten nicht daneben kopiert werden: %1")
                .arg(fehlend.join(QStringLiteral(", "))));
        return false;
    }
    return true;
}

} // namespace lexovita
