#include "stockcontrol/Module.h"

namespace zentar::stockcontrol {

void registerModule(platform::ModuleRegistry& registry)
{
    (void)registry;
}

} // namespace zentar::stockcontrol
