#include "periodicals/Module.h"

namespace zentar::periodicals {

void registerModule(platform::ModuleRegistry& registry)
{
    (void)registry;
}

} // namespace zentar::periodicals
