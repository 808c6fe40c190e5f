#pragma once

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
//   5  current: the large lexicon lex_vokabel, lex_bedeutung, lex_sonderform,
//      lex_stamm, lex_info

#include <cstdint>

namespace lexovita {

class TVerbindung;

inline constexpr int32_t kSchemaVersion = 5;

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

} // namespace lexovita
