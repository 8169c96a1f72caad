#include "catalogue/Module.h"

#include "catalogue/BookWindow.h"
#include "catalogue/ReferenceData.h"
#include "platform/AppContext.h"
#include "platform/MenuActions.h"

namespace zentar::catalogue {

void registerModule(platform::ModuleRegistry& registry)
{
    // Seeders run in this order inside the transaction that creates the tables: the Cutter
    // table is coded through abc, and mufaj starts as a copy of zmufaj.
    registry.schema.addSeeder(QStringLiteral("abc"), referencedata::seedLetterCodes);
    registry.schema.addSeeder(QStringLiteral("cutter"), referencedata::seedCutterTable);
    registry.schema.addSeeder(QStringLiteral("zmufaj"), referencedata::seedMusicGenres);
    registry.schema.addSeeder(QStringLiteral("mufaj"), referencedata::copyMusicGenres);

    // The book window in its three modes; every choice of the menu item opens a new window.
    registry.windows.add(menu::CatalogueBook,
                         [](platform::AppContext& ctx) { book::openBookWindow(ctx, book::Mode::book()); });
    registry.windows.add(menu::CatalogueVideo,
                         [](platform::AppContext& ctx) { book::openBookWindow(ctx, book::Mode::video()); });
    registry.windows.add(menu::CatalogueMultimedia,
                         [](platform::AppContext& ctx) { book::openBookWindow(ctx, book::Mode::multimedia()); });
}

} // namespace zentar::catalogue
