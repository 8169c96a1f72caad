#include "circulation/Module.h"

namespace zentar::circulation {

void registerModule(platform::ModuleRegistry& registry)
{
    (void)registry;
}

} // namespace zentar::circulation
