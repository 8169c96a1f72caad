#pragma once

#include "db/Connection.h"

// The rows every empty database carries in the catalogue's reference tables.
namespace zentar::catalogue::referencedata {

// Table abc: the letter codes of the Cutter lookup.
void seedLetterCodes(db::Connection& db);
// Table cutter: the generated Library of Congress author marks (needs abc).
void seedCutterTable(db::Connection& db);
// Table zmufaj: the delivered music genres.
void seedMusicGenres(db::Connection& db);
// Table mufaj: a copy of zmufaj, the list the sound-recording window works with.
void copyMusicGenres(db::Connection& db);

} // namespace zentar::catalogue::referencedata
