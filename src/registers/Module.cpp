#include "registers/Module.h"

#include "platform/AppContext.h"
#include "platform/MenuActions.h"
#include "registers/InventoryBookWindow.h"

namespace zentar::registers {

void registerModule(platform::ModuleRegistry& registry)
{
    registry.windows.add(
        menu::InventoryBook, [](platform::AppContext& ctx) { ctx.host().showChild(new InventoryBookWindow(ctx)); });
}

} // namespace zentar::registers
