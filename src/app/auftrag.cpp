#include "app/auftrag.h"

#include "model/fehler.h"
#include "store/datenmanager.h"

#include <QFileInfo>
#include <QThread>

namespace lexovita {

namespace {

class TKontext final : public TAuftragsKontext {
  public:
    TKontext(TAuftragslaeufer &laeufer, const std::atomic<bool> &abbruch, TDatenmanager &daten)
        : m_laeufer(laeufer), m_abbruch(abbruch), m_daten(daten)
    {
    }
    bool Abbruch() const override { return m_abbruch.load(std::memory_order_relaxed); }
    const std::atomic<bool> &AbbruchFlag() const override { return m_abbruch; }
    void Gesamt(int wert, int maximum) override
    {
        // A job may count a step twice or restart its count; the bar never goes back.
        // Nothing new (a job may report after every word): no signal to queue.
        if (maximum == m_maximum && wert <= m_wert && m_gemeldet)
            return;
        m_gemeldet = true;
        if (maximum < m_maximum)
            maximum = m_maximum;
        if (wert < m_wert)
            wert = m_wert;
        m_wert = wert;
        m_maximum = maximum;
        emit m_laeufer.gesamt(wert, maximum);
    }
    void Schritt(int wert, int maximum, const QString &text) override { emit m_laeufer.schritt(wert, maximum, text); }
    void Protokoll(const QString &zeile) override { emit m_laeufer.protokoll(zeile); }
    TDatenmanager &Daten() override { return m_daten; }

  private:
    TAuftragslaeufer &m_laeufer;
    const std::atomic<bool> &m_abbruch;
    TDatenmanager &m_daten;
    int m_wert = 0;
    int m_maximum = 0;
    bool m_gemeldet = false;
};

// Runs on the caller's thread: nothing can cancel, log lines go to a function.
class TDirektKontext final : public TAuftragsKontext {
  public:
    TDirektKontext(TDatenmanager &daten, const std::function<void(const QString &)> &protokoll)
        : m_daten(daten), m_protokoll(protokoll)
    {
    }
    bool Abbruch() const override { return false; }
    const std::atomic<bool> &AbbruchFlag() const override { return m_nie; }
    void Gesamt(int, int) override {}
    void Schritt(int, int, const QString &) override {}
    void Protokoll(const QString &zeile) override
    {
        if (m_protokoll)
            m_protokoll(zeile);
    }
    TDatenmanager &Daten() override { return m_daten; }

  private:
    TDatenmanager &m_daten;
    const std::function<void(const QString &)> &m_protokoll;
    std::atomic<bool> m_nie{false};
};

} // namespace

TAuftragsausgang AuftragDirektAusfuehren(TAuftrag &auftrag, TDatenmanager &daten, QString *fehler,
                                         const std::function<void(const QString &)> &protokoll)
{
    TDirektKontext kontext(daten, protokoll);
    try {
        auftrag.Ausfuehren(kontext);
        return TAuftragsausgang::Erfolg;
    } catch (const TAuftragAbgebrochen &) {
        return TAuftragsausgang::Abgebrochen;
    } catch (const std::exception &e) {
        if (fehler)
            *fehler = FehlerMeldung(e);
        return TAuftragsausgang::Fehler;
    }
}

// A job's own connection would keep the database file in use: a swap
// cancels the job and waits for its thread, whose end is then reported as
// usual.
class TAuftragslaeufer::TTeilhaber final : public ITeilhaber {
  public:
    explicit TTeilhaber(TAuftragslaeufer &laeufer) : m_laeufer(laeufer) {}
    void Loslassen() override
    {
        if (!m_laeufer.m_thread)
            return;
        m_laeufer.m_abbruch = true;
        m_laeufer.m_thread->wait();
    }

  private:
    TAuftragslaeufer &m_laeufer;
};

TAuftragslaeufer::TAuftragslaeufer(TDatenmanager &daten, QObject *parent)
    : QObject(parent), m_daten(daten), m_teilhaber(std::make_unique<TTeilhaber>(*this))
{
    m_daten.TeilhaberAnmelden(*m_teilhaber);
}

TAuftragslaeufer::~TAuftragslaeufer()
{
    m_daten.TeilhaberAbmelden(*m_teilhaber);
    if (m_thread) {
        m_abbruch = true;
        m_thread->wait();
        delete m_thread;
    }
}

bool TAuftragslaeufer::Starten(std::shared_ptr<TAuftrag> auftrag)
{
    if (m_thread || !auftrag)
        return false;
    m_auftrag = std::move(auftrag);
    m_abbruch = false;
    m_ausgang = TAuftragsausgang::Erfolg;
    m_fehler.clear();
    const QString ordner =
        m_daten.Datei() == QLatin1String(":memory:") ? QString() : QFileInfo(m_daten.Datei()).absolutePath();
    const IUhr *uhr = &m_daten.Uhr();
    m_thread = QThread::create([this, ordner, uhr] {
        try {
            std::unique_ptr<TDatenmanager> eigene;
            if (!ordner.isEmpty()) {
                eigene = std::make_unique<TDatenmanager>(ordner, TDatenmanager::Modus::NurVorhandene);
                eigene->SetUhr(*uhr);
            }
            TKontext kontext(*this, m_abbruch, eigene ? *eigene : m_daten);
            m_auftrag->Ausfuehren(kontext);
        } catch (const TAuftragAbgebrochen &) {
            m_ausgang = TAuftragsausgang::Abgebrochen;
        } catch (const std::exception &e) {
            m_ausgang = TAuftragsausgang::Fehler;
            m_fehler = FehlerMeldung(e);
        } catch (...) {
            m_ausgang = TAuftragsausgang::Fehler;
            m_fehler = QStringLiteral("Unbekannter Fehler.");
        }
    });
    connect(m_thread, &QThread::finished, this, &TAuftragslaeufer::Fertig, Qt::QueuedConnection);
    m_thread->start();
    return true;
}

void TAuftragslaeufer::Abbrechen()
{
    if (m_thread)
        m_abbruch = true;
}

void TAuftragslaeufer::Fertig()
{
    if (!m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    // The job object stays with whoever holds it; the runner lets go.
    m_auftrag.reset();
    emit beendet(m_ausgang, m_fehler);
}

} // namespace lexovita
