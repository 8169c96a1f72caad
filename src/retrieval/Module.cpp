#include "retrieval/Module.h"

#include "platform/AppContext.h"
#include "platform/MenuActions.h"
#include "retrieval/SearchWindow.h"

namespace zentar::retrieval {

void registerModule(platform::ModuleRegistry& registry)
{
    registry.windows.add(menu::SearchCatalogue, [](platform::AppContext& ctx) { openSearchWindow(ctx); });
}

} // namespace zentar::retrieval
