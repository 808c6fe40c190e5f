#pragma once

#include "store/schicht.h"

// Tables of the lexovita database, kept in one encrypted SQLCipher file.
//
// Index names are global in SQLite, so each index is named
// <table>_<index>; e.g. the index "vokabel_id" of merkhilfe is
// merkhilfe_vokabel_id. Lower-case indexes ("vokabel", "bedeutung_lower",
// "merkhilfe_lower", "ausdruck") run over a separate *_lower column that the
// store fills with QString::toLower(), so that range scans match regardless
// of letter case also for letters outside ASCII. Whoever writes vokabel,
// bedeutung, merkhilfe or vokwb must keep that column in step; the store's
// writers do.
//
// Column order of lektion, which lessons are read by:
//   0 id, 1 name, 2 lehrbuch_id, 3 notizen, 4 text, 5 unbenutzt,
//   6 vokabeln, 7 erstellt, 8 zugriff
// (erstellt and zugriff are time stamps "yyyymmddhhnnss").
//
// Schema versions (PRAGMA user_version):
//   1  earlier release: no lek_vok.position, no vokabel.aktualisierung
//   2  lek_vok.position and vokabel.aktualisierung
//   3  search keys *_such of the dictionary
//   4  review history lernverlauf and memory state gedaechtnis
//   5  German search keys fold ä/ae to a, ö/oe to o, ü/ue to u
//   6  current: the large lexicon lex_vokabel, lex_bedeutung, lex_sonderform,
//      lex_stamm, lex_info

#include <cstdint>

namespace lexovita {

class TVerbindung;

inline constexpr int32_t kSchemaVersion = 6;

// Creates every table and index of the current version, including the word
// index, and sets user_version. Runs inside the caller's transaction.
void SchemaAnlegen(TVerbindung &verbindung);

// Creates the empty word index table vokwb with its indexes.
void WortindexTabelleAnlegen(TVerbindung &verbindung);

// True if a database of an earlier version needs changes to its tables
// (and thus the user's consent). A database that is only marked as older
// but already has every field is brought up to date silently.
bool MigrationAendertTabellen(TVerbindung &verbindung);

// Runs every step from the stored version to the current one and sets
// user_version. Runs inside the caller's transaction.
void MigrationAusfuehren(TVerbindung &verbindung);

// Throws a DatenbankFehler with a German text for every object that is
// neither a table nor an index (triggers, views): such an object would run
// code of the file's author on the next write. Checked before a migration
// runs on a file from elsewhere.
void ObjektartenPruefen(TVerbindung &verbindung);

// Compares a database of the current version with the layout SchemaAnlegen
// and the upgrade path give: the same tables with the same columns (name,
// declared type, key, collation) in the same order, no object of another
// kind or name, no foreign key or CHECK rule, indexes (where present) as
// defined here. Older releases left some indexes out and their columns
// without NOT NULL; both are accepted. Throws a DatenbankFehler naming the
// first difference in German.
void SchemaPruefen(TVerbindung &verbindung);

} // namespace lexovita
