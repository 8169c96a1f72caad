#pragma once

#include "db/Connection.h"
#include "db/Schema.h"

namespace zentar::db {

// Opens the library database and brings its schema up to date.
// A local database file that does not exist yet is created first (UTF8, Hungarian collation
// as the default for every text column), then every table of the registry is created with its
// delivered rows. Throws DbError with the engine's message when the database cannot be opened.
// Returns true when the database was created by this call.
bool openLibraryDatabase(Connection& connection, const ConnectionSettings& settings,
                         const SchemaRegistry& registry);

// The collation every text column gets: Unicode with Hungarian alphabetical order.
inline constexpr const char* kHungarianCollation = "HU_HU";

} // namespace zentar::db
