#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

class QThread;

namespace lexovita {

class TDatenmanager;

// How a job ended.
enum class TAuftragsausgang {
    Erfolg,
    Abgebrochen, // the user cancelled; the job kept nothing
    Fehler,      // the job threw; the message is German
};

// Thrown by a job (or by TAuftragsKontext::AbbruchPruefen) to stop at a
// cancel request. Whatever transaction it leaves is rolled back.
struct TAuftragAbgebrochen {};

// What a running job may do on its worker thread: report progress, write
// log lines, look at the cancel flag, and use its own database connection.
class TAuftragsKontext {
  public:
    virtual ~TAuftragsKontext() = default;
    virtual bool Abbruch() const = 0;
    // The flag itself, for store routines that read it between rows.
    virtual const std::atomic<bool> &AbbruchFlag() const = 0;
    // Throws TAuftragAbgebrochen once a cancel is requested.
    void AbbruchPruefen() const
    {
        if (Abbruch())
            throw TAuftragAbgebrochen{};
    }
    // Overall progress, e.g. files of an import. A value below an earlier
    // one is not passed on: the bar never goes back.
    virtual void Gesamt(int wert, int maximum) = 0;
    // Progress within the current step, e.g. entries of one lesson.
    virtual void Schritt(int wert, int maximum, const QString &text = {}) = 0;
    virtual void Protokoll(const QString &zeile) = 0;
    // The job's own connection to the program's database.
    virtual TDatenmanager &Daten() = 0;
};

// A piece of long work. Ausfuehren runs on a worker thread and throws on
// error; results are kept in the job object for the caller to read after
// the runner reported the end.
class TAuftrag {
  public:
    virtual ~TAuftrag() = default;
    virtual void Ausfuehren(TAuftragsKontext &kontext) = 0;
};

// Runs a job on the calling thread without cancel, for the command line and
// tests. Progress and log lines go to `protokoll` when given. Returns the
// outcome; `fehler` receives the message of a failed job.
TAuftragsausgang AuftragDirektAusfuehren(TAuftrag &auftrag, TDatenmanager &daten, QString *fehler = nullptr,
                                         const std::function<void(const QString &)> &protokoll = {});

// Runs one job at a time on a worker thread and reports to the thread it
// lives on (the UI thread) through queued signals. Windows show the
// signals; they never start threads themselves.
class TAuftragslaeufer : public QObject {
    Q_OBJECT
  public:
    // Jobs get their own connection to the database file of `daten`; an
    // in-memory database (tests) cannot be opened twice and is shared, which
    // is safe while the caller keeps everything else off it.
    explicit TAuftragslaeufer(TDatenmanager &daten, QObject *parent = nullptr);
    // Cancels a running job and waits for it.
    ~TAuftragslaeufer() override;

    // False while another job runs.
    bool Starten(std::shared_ptr<TAuftrag> auftrag);
    void Abbrechen();
    bool Laeuft() const { return m_thread != nullptr; }
    bool AbbruchAngefordert() const { return m_abbruch.load(); }

  signals:
    void gesamt(int wert, int maximum);
    void schritt(int wert, int maximum, const QString &text);
    void protokoll(const QString &zeile);
    // Exactly once per started job, after its thread has ended.
    void beendet(lexovita::TAuftragsausgang ausgang, const QString &fehler);

  private:
    class TTeilhaber;
    void Fertig();

    TDatenmanager &m_daten;
    // Stops a running job before the database is swapped.
    std::unique_ptr<TTeilhaber> m_teilhaber;
    QThread *m_thread = nullptr;
    std::shared_ptr<TAuftrag> m_auftrag;
    std::atomic<bool> m_abbruch{false};
    TAuftragsausgang m_ausgang = TAuftragsausgang::Erfolg;
    QString m_fehler;
};

} // namespace lexovita

Q_DECLARE_METATYPE(lexovita::TAuftragsausgang)
