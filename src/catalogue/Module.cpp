#include "catalogue/Module.h"

namespace zentar::catalogue {

void registerModule(platform::ModuleRegistry& registry)
{
    (void)registry;
}

} // namespace zentar::catalogue
