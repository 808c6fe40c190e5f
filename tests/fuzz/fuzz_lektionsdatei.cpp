// A lesson file of any content is either imported whole or refused with a
// German message; the database stays sound either way.

#include "store/datenmanager.h"
#include "store/import.h"

#include <cstdint>
#include <cstdlib>

using namespace lexovita;

namespace {

int64_t Zaehlen(TDatenmanager &daten, const char *sql)
{
    TAnweisung a = daten.Verbindung().Anweisung(sql);
    return a.Schritt() ? a.Int64(0) : -1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    // A fresh database per input keeps the runs independent of each other.
    TDatenmanager db(QStringLiteral(":memory:"));
    const QByteArray inhalt(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(groesse));
    bool gelesen = true;
    try {
        TImport(db).Importieren(inhalt);
    } catch (const TFehler &) {
        gelesen = false;
    }
    // A refused file leaves nothing behind.
    if (!gelesen &&
        (Zaehlen(db, "SELECT count(*) FROM vokabel") != 0 || Zaehlen(db, "SELECT count(*) FROM lektion") != 0))
        std::abort();
    // Every row that hangs on an entry has its entry.
    if (Zaehlen(db, "SELECT count(*) FROM vok_bed WHERE vokabel_id NOT IN (SELECT id FROM vokabel)") != 0 ||
        Zaehlen(db, "SELECT count(*) FROM lek_vok WHERE vokabel_id NOT IN (SELECT id FROM vokabel)") != 0)
        std::abort();
    return 0;
}
