#include "circulation/Module.h"

#include "circulation/CirculationWindow.h"
#include "platform/AppContext.h"
#include "platform/MenuActions.h"

namespace zentar::circulation {

void registerModule(platform::ModuleRegistry& registry)
{
    registry.windows.add(
        menu::Circulation, [](platform::AppContext& ctx) { ctx.host().showChild(new CirculationWindow(ctx)); });
}

} // namespace zentar::circulation
