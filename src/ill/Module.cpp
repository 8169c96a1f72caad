#include "ill/Module.h"

namespace zentar::ill {

void registerModule(platform::ModuleRegistry& registry)
{
    (void)registry;
}

} // namespace zentar::ill
