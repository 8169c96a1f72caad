#include "statistics/Module.h"

namespace zentar::statistics {

void registerModule(platform::ModuleRegistry& registry)
{
    (void)registry;
}

} // namespace zentar::statistics
