#include "catalogue/Module.h"

#include "catalogue/ReferenceData.h"

namespace zentar::catalogue {

void registerModule(platform::ModuleRegistry& registry)
{
    // Seeders run in this order inside the transaction that creates the tables: the Cutter
    // table is coded through abc, and mufaj starts as a copy of zmufaj.
    registry.schema.addSeeder(QStringLiteral("abc"), referencedata::seedLetterCodes);
    registry.schema.addSeeder(QStringLiteral("cutter"), referencedata::seedCutterTable);
    registry.schema.addSeeder(QStringLiteral("zmufaj"), referencedata::seedMusicGenres);
    registry.schema.addSeeder(QStringLiteral("mufaj"), referencedata::copyMusicGenres);
}

} // namespace zentar::catalogue
