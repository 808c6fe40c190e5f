#include "store/sicherung.h"

#include "store/datenmanager.h"
#include "store/schema.h"
#include "store/sqlite.h"

#include <sqlcipher/sqlite3.h>
#include <zip.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <algorithm>
#include <filesystem>
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
    // The engine's findings are English and technical: the user is told
    // what they mean, a damaged page that stops the check counts as one.
    int befunde = 0;
    try {
        TAnweisung a = verbindung.Anweisung("PRAGMA integrity_check");
        while (a.Schritt() && befunde < 100)
            if (a.Text(0) != QLatin1String("ok"))
                ++befunde;
    } catch (const DatenbankFehler &) {
        befunde = std::max(befunde, 1);
    }
    if (befunde > 0)
        throw DatenbankFehler(
            QStringLiteral("Die Prüfung der Datenbank hat Fehler gefunden: %1 Stelle(n) ihres Inhalts "
                           "sind beschädigt.")
                .arg(befunde));
    TAnweisung f = verbindung.Anweisung("PRAGMA foreign_key_check");
    if (f.Schritt())
        throw DatenbankFehler(
            QStringLiteral("Die Prüfung der Datenbank hat Fehler gefunden: Die Tabelle „%1“ verweist auf fehlende "
                           "Zeilen.")
                .arg(f.Text(0)));
}

void DatenbankPruefen(TVerbindung &verbindung)
{
    SchemaPruefen(verbindung);
    IntegritaetPruefen(verbindung);
}

void KopiePruefen(const QString &ordner)
{
    {
        TDatenmanager probe(ordner, TDatenmanager::Modus::NurVorhandene);
        ObjektartenPruefen(probe.Verbindung());
        if (probe.Bereit()) {
            DatenbankPruefen(probe.Verbindung());
            return;
        }
    }
    // An earlier release's file is checked as the upgrade would leave it,
    // on a copy: the file itself stays as the archive holds it.
    QTemporaryDir aktualisiert(QDir(ordner).filePath(QStringLiteral(".aktualisiert-XXXXXX")));
    if (!aktualisiert.isValid() || !QFile::copy(QDir(ordner).filePath(TDatenmanager::Dateiname()),
                                                aktualisiert.filePath(TDatenmanager::Dateiname())))
        throw TPlatzFehler(QStringLiteral("Für die Prüfung der Datenbank ist nicht genug Speicherplatz frei."));
    TDatenmanager probe(aktualisiert.path(), TDatenmanager::Modus::NurVorhandene);
    try {
        // Brought up to date without asking: the user chose this data.
        probe.Aktualisieren();
        probe.VokabelindexAnlegen();
    } catch (const DatenbankFehler &) {
        throw DatenbankFehler(QStringLiteral("Der Aufbau der Datenbank passt nicht zu ihrer Version %1; sie kann "
                                             "nicht aktualisiert werden.")
                                  .arg(probe.Verbindung().Benutzerversion()));
    }
    DatenbankPruefen(probe.Verbindung());
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
    constexpr qint64 kReserve = qint64(64) * 1024 * 1024; // left free for the program and the system
    if (info.size > zip_uint64_t(std::numeric_limits<qint64>::max()) ||
        (freierPlatz >= 0 && qint64(info.size) > freierPlatz - kReserve))
        throw TPlatzFehler(QStringLiteral("Für die Datenbank aus dem Archiv (%1 MB) ist nicht genug Speicherplatz frei "
                                          "(%2 MB).")
                               .arg(qint64(info.size / (zip_uint64_t(1024) * 1024)))
                               .arg(std::max<qint64>(0, freierPlatz / (qint64(1024) * 1024))));
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
                throw TPlatzFehler(QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden.").arg(ziel));
            }
        }
        const QString lesefehler = QString::fromUtf8(zip_file_strerror(ein));
        zip_fclose(ein);
        if (gelesen < 0)
            throw TFehler(QStringLiteral("Das Archiv ist beschädigt (%1).").arg(lesefehler));
        if (!aus.flush())
            throw TPlatzFehler(QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden.").arg(ziel));
    }

    KopiePruefen(zielOrdner);
    return ziel;
}

void ArbeitsresteEntfernen(const QString &ordner, const QDateTime &jetzt, bool datenordner)
{
    const QDir d(ordner);
    if (ordner.isEmpty() || !d.exists())
        return;
    const QDateTime grenze = jetzt.addSecs(-kArbeitsrestAlterSekunden);
    const QStringList ordnerMuster =
        datenordner ? QStringList{QStringLiteral(".backup-*"), QStringLiteral(".wiederherstellung-*")}
                    : QStringList{QStringLiteral(".backup-lexovita-*")};
    for (const QFileInfo &e :
         d.entryInfoList(ordnerMuster, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks))
        if (e.lastModified() < grenze)
            QDir(e.absoluteFilePath()).removeRecursively();
    for (const QFileInfo &e :
         d.entryInfoList({QStringLiteral("lexovita Backup *.zip.*")}, QDir::Files | QDir::Hidden | QDir::NoSymLinks))
        if (e.lastModified() < grenze)
            QFile::remove(e.absoluteFilePath());
}

namespace {

// A scratch folder in the first of `basen` where one can be made and
// `arbeit` succeeds in it; the system's temporary folder comes first, so a
// full data disk does not stop the backup it needs most.
template <typename F> std::unique_ptr<QTemporaryDir> InArbeitsordner(const QStringList &basen, F arbeit)
{
    QString letzterFehler = QStringLiteral("Es kann kein Arbeitsordner angelegt werden.");
    for (const QString &basis : basen) {
        if (basis.isEmpty())
            continue;
        auto ordner = std::make_unique<QTemporaryDir>(QDir(basis).filePath(QStringLiteral(".backup-lexovita-XXXXXX")));
        if (!ordner->isValid())
            continue;
        try {
            arbeit(*ordner);
            return ordner;
        } catch (const DatenbankFehler &f) {
            const int art = f.Code() & 0xff;
            if (art != SQLITE_FULL && art != SQLITE_IOERR && art != SQLITE_CANTOPEN)
                throw;
            letzterFehler = f.Meldung();
        } catch (const TPlatzFehler &f) {
            letzterFehler = f.Meldung();
        }
    }
    throw TFehler(letzterFehler);
}

// The archive is written under a scratch name beside its final place and
// takes that name only after its check; a name appearing meanwhile gets
// the next number, an existing file is never replaced.
QString EndgueltigBenennen(const QString &vorlaeufig, const QString &ordner, const QDate &datum)
{
    namespace fs = std::filesystem;
    for (int versuch = 0; versuch < 100; ++versuch) {
        const QString archiv = BackupDateiname(ordner, datum);
        std::error_code fehler;
        fs::create_hard_link(QFile::encodeName(vorlaeufig).toStdString(), QFile::encodeName(archiv).toStdString(),
                             fehler);
        if (!fehler) {
            QFile::remove(vorlaeufig);
            return archiv;
        }
        if (fehler == std::errc::file_exists)
            continue;
        // File systems without hard links.
        if (!QFileInfo::exists(archiv) && QFile::rename(vorlaeufig, archiv))
            return archiv;
    }
    throw TFehler(UngueltigesVerzeichnis());
}

} // namespace

QString BackupErstellen(TDatenmanager &daten, const QString &ordner, const QDate &datum,
                        const std::function<void(int, int)> &fortschritt)
{
    const QFileInfo info(ordner);
    if (ordner.trimmed().isEmpty() || !info.isDir() || !info.isWritable())
        throw TFehler(UngueltigesVerzeichnis());

    const QString datenOrdner =
        daten.Datei() == QLatin1String(":memory:") ? QString() : QFileInfo(daten.Datei()).absolutePath();
    const QDateTime jetzt = QDateTime::currentDateTime();
    ArbeitsresteEntfernen(datenOrdner, jetzt, true);
    ArbeitsresteEntfernen(QDir::tempPath(), jetzt, false);
    ArbeitsresteEntfernen(info.absoluteFilePath(), jetzt, false);
    const QStringList basen{QDir::tempPath(), info.absoluteFilePath()};

    const auto arbeit = InArbeitsordner(
        basen, [&](QTemporaryDir &d) { Schnappschuss(daten, d.filePath(TDatenmanager::Dateiname()), fortschritt); });
    const QString kopie = arbeit->filePath(TDatenmanager::Dateiname());

    QString vorlaeufig;
    {
        QTemporaryFile platz(QDir(ordner).filePath(BackupDateiname(ordner, datum).section(QLatin1Char('/'), -1) +
                                                   QStringLiteral(".XXXXXX")));
        platz.setAutoRemove(false);
        if (!platz.open())
            throw TFehler(UngueltigesVerzeichnis());
        vorlaeufig = platz.fileName();
    }
    const auto aufraeumen = qScopeGuard([&] {
        if (!vorlaeufig.isEmpty())
            QFile::remove(vorlaeufig);
    });
    int code = 0;
    ZipArchiv zip(zip_open(QFile::encodeName(vorlaeufig).constData(), ZIP_TRUNCATE, &code));
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
        throw TFehler(QStringLiteral("Das Backup kann nicht in „%1“ geschrieben werden (%2).")
                          .arg(QDir::toNativeSeparators(ordner), QString::fromUtf8(zip_strerror(zip.get()))));
    (void)zip.release();

    // Read back what was written and check it as a restore would: a copy
    // that fails is never saved, since restoring it later would cost the
    // data it claims to hold.
    try {
        InArbeitsordner(basen, [&](QTemporaryDir &d) { BackupEntpacken(vorlaeufig, d.path()); });
    } catch (const TPlatzFehler &) {
        throw;
    } catch (const std::exception &e) {
        throw TFehler(QStringLiteral("Die Datenbank kann nicht gesichert werden, denn sie ist fehlerhaft.\n\n%1")
                          .arg(FehlerMeldung(e)));
    }
    const QString archiv = EndgueltigBenennen(vorlaeufig, ordner, datum);
    vorlaeufig.clear();
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
