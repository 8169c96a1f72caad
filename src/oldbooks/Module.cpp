#include "oldbooks/Module.h"

namespace zentar::oldbooks {

void registerModule(platform::ModuleRegistry& registry)
{
    (void)registry;
}

} // namespace zentar::oldbooks
