#include "store/sicherung.h"

#include "store/datenmanager.h"
#include "store/sqlite.h"

#include <sqlcipher/sqlite3.h>
#include <zip.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <limits>
#include <memory>

namespace lexovita {

namespace {

QString UngueltigesVerzeichnis()
{
    return QStringLiteral("Das ausgewählte Verzeichnis ist ungültig.");
}

struct ZipSchliessen {
    void operator()(zip_t *z) const { zip_discard(z); }
};
using ZipArchiv = std::unique_ptr<zip_t, ZipSchliessen>;

QString ZipText(int code)
{
    zip_error_t e;
    zip_error_init_with_code(&e, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&e));
    zip_error_fini(&e);
    return text;
}

// Temporary files stay on the data folder's file system, so the restore's
// final rename cannot cross devices.
QString ArbeitsBasis(TDatenmanager &daten)
{
    if (daten.Datei() == QLatin1String(":memory:"))
        return QDir::tempPath();
    return QFileInfo(daten.Datei()).absolutePath();
}

void Schnappschuss(TDatenmanager &daten, const QString &kopie, const std::function<void(int, int)> &fortschritt)
{
    auto ziel = TDatenmanager::DateiOeffnen(kopie, TVerbindung::Modus::AnlegenWennNoetig);
    sqlite3_backup *b = sqlite3_backup_init(ziel->Handle(), "main", daten.Verbindung().Handle(), "main");
    if (!b)
        ziel->Fehler(sqlite3_errcode(ziel->Handle()), "backup");
    int rc = SQLITE_OK;
    // Small steps let other connections write in between; a change by
    // another connection restarts the copy, so the result is one snapshot.
    while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
        rc = sqlite3_backup_step(b, 256);
        if (fortschritt) {
            const int gesamt = sqlite3_backup_pagecount(b);
            fortschritt(gesamt - sqlite3_backup_remaining(b), gesamt);
        }
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
            sqlite3_sleep(20);
    }
    sqlite3_backup_finish(b);
    if (rc != SQLITE_DONE)
        ziel->Fehler(rc, "backup");
}

} // namespace

QString BackupDateiname(const QString &ordner, const QDate &datum)
{
    const QDir d(ordner);
    const QString stamm = QStringLiteral("lexovita Backup ") + datum.toString(QStringLiteral("yyyy-MM-dd"));
    QString name = d.filePath(stamm + QStringLiteral(".zip"));
    for (int n = 1; QFileInfo::exists(name); ++n)
        name = d.filePath(stamm + QStringLiteral(" (%1).zip").arg(n));
    return name;
}

bool EintragVerlaesstOrdner(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return true;
    if (name.size() >= 2 && name[1] == QLatin1Char(':'))
        return true;
    const QStringList teile = name.split(QLatin1Char('/'));
    return teile.contains(QStringLiteral(".."));
}

void IntegritaetPruefen(TVerbindung &verbindung)
{
    TAnweisung a = verbindung.Anweisung("PRAGMA integrity_check");
    QStringList befunde;
    while (a.Schritt() && befunde.size() < 5)
        befunde << a.Text(0);
    if (befunde != QStringList{QStringLiteral("ok")})
        throw DatenbankFehler(
            QStringLiteral("Die Prüfung der Datenbank hat Fehler gefunden:\n%1").arg(befunde.join(QLatin1Char('\n'))));
}

QString BackupEntpacken(const QString &archiv, const QString &zielOrdner, qint64 freierPlatz)
{
    if (!QFileInfo(archiv).isFile())
        throw TFehler(QStringLiteral("Die angegebene Datei existiert nicht."));
    int code = 0;
    ZipArchiv zip(zip_open(QFile::encodeName(archiv).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!zip)
        throw TFehler(
            QStringLiteral("Die Datei „%1“ ist kein lesbares Backup-Archiv (%2).").arg(archiv, ZipText(code)));

    const zip_int64_t anzahl = zip_get_num_entries(zip.get(), 0);
    zip_int64_t gefunden = -1;
    // Every name is checked before anything is written.
    for (zip_int64_t i = 0; i < anzahl; ++i) {
        const char *roh = zip_get_name(zip.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
        const QString name = roh ? QString::fromUtf8(roh) : QString();
        if (EintragVerlaesstOrdner(name))
            throw TFehler(QStringLiteral("Das Archiv enthält den unzulässigen Pfad „%1“.").arg(name));
        if (name != TDatenmanager::Dateiname())
            throw TFehler(QStringLiteral("Das Archiv enthält die fremde Datei „%1“.").arg(name));
        gefunden = i;
    }
    if (gefunden < 0)
        throw TFehler(QStringLiteral("Das Archiv enthält keine lexovita-Datenbank."));

    // An archive can declare far more than it holds compressed: it must not
    // fill the disk, and the extraction writes no more than it declared.
    zip_stat_t info;
    zip_stat_init(&info);
    if (zip_stat_index(zip.get(), static_cast<zip_uint64_t>(gefunden), 0, &info) < 0 || !(info.valid & ZIP_STAT_SIZE))
        throw TFehler(
            QStringLiteral("Das Archiv ist beschädigt (%1).").arg(QString::fromUtf8(zip_strerror(zip.get()))));
    if (freierPlatz < 0) {
        const QStorageInfo platz(zielOrdner);
        freierPlatz = platz.isValid() && platz.isReady() ? platz.bytesAvailable() : -1; // -1: unknown, not checked
    }
    constexpr qint64 kReserve = 64 * 1024 * 1024; // left free for the program and the system
    if (info.size > zip_uint64_t(std::numeric_limits<qint64>::max()) ||
        (freierPlatz >= 0 && qint64(info.size) > freierPlatz - kReserve))
        throw TFehler(QStringLiteral("Für die Datenbank aus dem Archiv (%1 MB) ist nicht genug Speicherplatz frei "
                                     "(%2 MB).")
                          .arg(qint64(info.size / (1024 * 1024)))
                          .arg(std::max<qint64>(0, freierPlatz / (1024 * 1024))));
    const QString ziel = QDir(zielOrdner).filePath(TDatenmanager::Dateiname());
    {
        QFile aus(ziel);
        if (!aus.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            throw TFehler(QStringLiteral("Die Datei „%1“ kann nicht angelegt werden.").arg(ziel));
        zip_file_t *ein = zip_fopen_index(zip.get(), static_cast<zip_uint64_t>(gefunden), 0);
        if (!ein)
            throw TFehler(QStringLiteral("Das Archiv kann nicht gelesen werden (%1).")
                              .arg(QString::fromUtf8(zip_strerror(zip.get()))));
        QByteArray puffer(1 << 16, Qt::Uninitialized);
        zip_int64_t gelesen = 0;
        zip_uint64_t geschrieben = 0;
        // libzip checks the stored checksum when the entry has been read to its end.
        while ((gelesen = zip_fread(ein, puffer.data(), static_cast<zip_uint64_t>(puffer.size()))) > 0) {
            geschrieben += zip_uint64_t(gelesen);
            if (geschrieben > info.size) {
                zip_fclose(ein);
                throw TFehler(QStringLiteral("Das Archiv ist beschädigt (mehr Daten als angegeben)."));
            }
            if (aus.write(puffer.constData(), gelesen) != gelesen) {
                zip_fclose(ein);
                throw TFehler(QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden.").arg(ziel));
            }
        }
        const QString lesefehler = QString::fromUtf8(zip_file_strerror(ein));
        zip_fclose(ein);
        if (gelesen < 0)
            throw TFehler(QStringLiteral("Das Archiv ist beschädigt (%1).").arg(lesefehler));
        if (!aus.flush())
            throw TFehler(QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden.").arg(ziel));
    }

    {
        TDatenmanager probe(zielOrdner, TDatenmanager::Modus::NurVorhandene);
        IntegritaetPruefen(probe.Verbindung());
    }
    return ziel;
}

QString BackupErstellen(TDatenmanager &daten, const QString &ordner, const QDate &datum,
                        const std::function<void(int, int)> &fortschritt)
{
    const QFileInfo info(ordner);
    if (ordner.trimmed().isEmpty() || !info.isDir() || !info.isWritable())
        throw TFehler(UngueltigesVerzeichnis());

    QTemporaryDir arbeit(QDir(ArbeitsBasis(daten)).filePath(QStringLiteral(".backup-XXXXXX")));
    if (!arbeit.isValid())
        throw TFehler(QStringLiteral("Im Datenordner kann keine Arbeitskopie angelegt werden."));
    const QString kopie = arbeit.filePath(TDatenmanager::Dateiname());
    Schnappschuss(daten, kopie, fortschritt);

    QString archiv;
    ZipArchiv zip;
    // Exclusive creation: a file appearing meanwhile gets the next number.
    for (int versuch = 0; versuch < 100 && !zip; ++versuch) {
        archiv = BackupDateiname(ordner, datum);
        int code = 0;
        zip.reset(zip_open(QFile::encodeName(archiv).constData(), ZIP_CREATE | ZIP_EXCL, &code));
        if (!zip && code != ZIP_ER_EXISTS)
            throw TFehler(UngueltigesVerzeichnis());
    }
    if (!zip)
        throw TFehler(UngueltigesVerzeichnis());
    zip_source_t *quelle = zip_source_file(zip.get(), QFile::encodeName(kopie).constData(), 0, -1);
    if (!quelle ||
        zip_file_add(zip.get(), TDatenmanager::Dateiname().toUtf8().constData(), quelle, ZIP_FL_ENC_UTF_8) < 0) {
        if (quelle)
            zip_source_free(quelle);
        throw TFehler(QStringLiteral("Das Backup kann nicht angelegt werden (%1).")
                          .arg(QString::fromUtf8(zip_strerror(zip.get()))));
    }
    // zip_close writes a temporary file and renames it: no half archive remains.
    if (zip_close(zip.get()) < 0)
        throw TFehler(QStringLiteral("Das Backup „%1“ kann nicht geschrieben werden (%2).")
                          .arg(archiv, QString::fromUtf8(zip_strerror(zip.get()))));
    (void)zip.release();

    // Read back what was written: a backup that cannot be restored is none.
    try {
        QTemporaryDir pruefen(QDir(ArbeitsBasis(daten)).filePath(QStringLiteral(".backup-XXXXXX")));
        BackupEntpacken(archiv, pruefen.path());
    } catch (const std::exception &e) {
        QFile::remove(archiv);
        throw TFehler(QStringLiteral("Das Backup „%1“ ist fehlerhaft und wurde gelöscht: %2")
                          .arg(archiv, QString::fromUtf8(e.what())));
    }
    return archiv;
}

// ---------------------------------------------------------------- cleanup

QStringList AufraeumTabellen(TDatenmanager &daten)
{
    TAnweisung a = daten.Verbindung().Anweisung(
        "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' "
        "ORDER BY name");
    QStringList tabellen;
    while (a.Schritt())
        tabellen << a.Text(0);
    return tabellen;
}

void TabelleNeuIndizieren(TDatenmanager &daten, const QString &tabelle)
{
    // Names cannot be bound; this one comes from sqlite_master and is quoted.
    QString name = tabelle;
    name.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    const QByteArray sql = (QStringLiteral("REINDEX \"") + name + QLatin1Char('"')).toUtf8();
    daten.Verbindung().Ausfuehren(sql.constData());
}

void DatenbankVerdichten(TDatenmanager &daten)
{
    daten.Verbindung().Ausfuehren("VACUUM");
}

} // namespace lexovita
