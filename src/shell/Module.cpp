#include "shell/Module.h"

namespace zentar::shell {

void registerModule(platform::ModuleRegistry& registry)
{
    (void)registry;
}

} // namespace zentar::shell
