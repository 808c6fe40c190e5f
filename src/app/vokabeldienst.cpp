#include "app/vokabeldienst.h"

#include "morph/vokabelregeln.h"

#include "app/anwendungskern.h"
#include "app/laengenanzeige.h"
#include "app/lektionssitzung.h"
#include "app/seitencache.h"
#include "model/config.h"
#include "model/lektion.h"
#include "model/rueckfrage.h"
#include "render/html.h"
#include "render/seiten.h"
#include "store/datenmanager.h"
#include "store/vokabelspeicher.h"

#include <QDir>

namespace lexovita {

TVokabeldienst::TVokabeldienst(TAnwendungskern &kern)
    : TVokabeldienst(kern.Daten(), kern.Rueckfrage(), &kern.Sitzung().Lektionen(), kern.Config().VorlagenOrdner())
{
    m_config = &kern.Config();
}

TVokabeldienst::TVokabeldienst(TDatenmanager &daten, IRueckfrage &rueckfrage, TLektionManager *lektionen,
                               const QString &vorlagenOrdner)
    : m_daten(daten), m_rueckfrage(rueckfrage), m_lektionen(lektionen), m_vorlagen(vorlagenOrdner)
{
}

TVokabeldienst::Pruefung TVokabeldienst::EingabePruefen(const TVokabel &v)
{
    if (v.vokabel.trimmed().isEmpty())
        return Pruefung::VokabelFehlt;
    if (v.bedeutungen.empty())
        return Pruefung::BedeutungFehlt;
    return Pruefung::Ok;
}

QString TVokabeldienst::PruefungsMeldung(Pruefung p)
{
    switch (p) {
    case Pruefung::VokabelFehlt:
        return QStringLiteral("Es muss eine Vokabel eingegeben werden!");
    case Pruefung::BedeutungFehlt:
        return QStringLiteral("Es muss mindestens eine Bedeutung für die Vokabel angegeben werden!");
    default:
        return {};
    }
}

std::unique_ptr<TVokabel> TVokabeldienst::Laden(int32_t id)
{
    if (id <= 0)
        return nullptr;
    auto v = m_daten.VokabelLaden(id);
    if (v->id != id)
        return nullptr;
    m_daten.VerweiseLaden(*v);
    m_daten.SonderformenLaden(*v);
    return v;
}

std::unique_ptr<TVokabel> TVokabeldienst::Neu(const QString &vokabel)
{
    auto v = std::make_unique<TVokabel>();
    v->vokabel = vokabel.trimmed();
    WortartVorschlagen(*v);
    return v;
}

std::unique_ptr<TVokabel> TVokabeldienst::ZumBearbeiten(const TVokabel &lektionsEintrag)
{
    auto v = std::make_unique<TVokabel>();
    lektionsEintrag.KopierenNach(*v);
    if (v->id > 0) {
        if (v->Verweise().isEmpty())
            m_daten.VerweiseLaden(*v);
        // The editor works on the stored special forms, not on what a lesson file brought along.
        v->sonderformen.clear();
        m_daten.SonderformenLaden(*v);
    }
    return v;
}

QString TVokabeldienst::GleichlautendText(const QString &vokabel)
{
    QString zitiert = vokabel;
    zitiert.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QStringLiteral("Die Vokabel '%1' ist mit der gleichen Wortart bereits in der Datenbank vorhanden.\r\n"
                          "Soll diese Vokabel überschrieben werden?\r\n\r\n"
                          "Wähle \"Nein\", um einen neuen Vokabeldatensatz anzulegen und die bereits vorhandene "
                          "gleichlautende Vokabel nicht zu überschreiben.")
        .arg(zitiert);
}

QString TVokabeldienst::BelegtText(const QString &bisher, int32_t bisherWortart, const TVokabel &neu)
{
    return QStringLiteral("Die Vokabel \"%1 (%2)\" wurde geändert in \"%3 (%4)\".\r\n\r\n"
                          "Die Vokabel \"%3 (%4)\" ist jedoch bereits in der Datenbank vorhanden.\r\n"
                          "Soll diese Vokabel überschrieben werden?")
        .arg(bisher, WortartName(bisherWortart), neu.vokabel, neu.WortartText());
}

bool TVokabeldienst::Speichern(TVokabel &eintrag)
{
    m_ersetzt = 0;
    eintrag.vokabel = eintrag.vokabel.trimmed();
    TVokabelSpeicher speicher(m_daten);
    TVokabelSpeicher::Ergebnis e = speicher.Speichern(eintrag);
    if (e == TVokabelSpeicher::Ausgang::Gleichlautend) {
        // Overwriting changes the entry in every lesson: never the default.
        const Antwort antwort =
            m_rueckfrage.Frage(QStringLiteral("Gleichlautende Vokabel"), GleichlautendText(eintrag.vokabel),
                               KN_JA_NEIN_ABBRECHEN, Antwort::Nein, Symbol::Frage);
        if (antwort == Antwort::Abbrechen)
            return false;
        e = speicher.Speichern(eintrag, antwort == Antwort::Ja ? TVokabelSpeicher::Loesung::Ersetzen
                                                               : TVokabelSpeicher::Loesung::Daneben);
    } else if (e == TVokabelSpeicher::Ausgang::Belegt) {
        if (m_rueckfrage.Frage(ProgrammTitel(), BelegtText(e.bisherVokabel, e.bisherWortart, eintrag), KN_JA_NEIN,
                               Antwort::Nein, Symbol::Frage) != Antwort::Ja)
            return false;
        e = speicher.Speichern(eintrag, TVokabelSpeicher::Loesung::Ersetzen);
    }
    // A second conflict (the entry was renamed and then deleted meanwhile) is not asked again.
    if (!e.Gespeichert())
        return false;
    if (m_lektionen)
        m_ersetzt = m_lektionen->VokabelUeberallErsetzen(eintrag);
    return true;
}

void TVokabeldienst::Loeschen(int32_t id)
{
    m_daten.VokabelLoeschen(id);
}

std::vector<std::unique_ptr<TVokabel>> TVokabeldienst::Suchen(const QString &text)
{
    return m_daten.VokabelnSuchen(text);
}

QString TVokabeldienst::EigenschaftenHtml(int32_t id)
{
    const auto v = Laden(id);
    if (!v)
        return {};
    const QDir ordner(m_vorlagen);
    const QStringList vorlage = VorlageLesen(ordner.filePath(QStringLiteral("vokabel.htm")));
    // Shown from the template folder, so the flags need no folder of their own.
    const QStringList seite =
        VokabelSeite(*v, vorlage, QString(), m_config ? LaengenAnzeige(*m_config) : TLaengenAnzeige{});
    SeiteImCacheAblegen(seite, m_vorlagen, &m_rueckfrage);
    return seite.join(QLatin1Char('\n'));
}

} // namespace lexovita
