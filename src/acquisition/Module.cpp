#include "acquisition/Module.h"

namespace zentar::acquisition {

void registerModule(platform::ModuleRegistry& registry)
{
    (void)registry;
}

} // namespace zentar::acquisition
