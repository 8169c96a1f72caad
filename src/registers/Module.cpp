#include "registers/Module.h"

namespace zentar::registers {

void registerModule(platform::ModuleRegistry& registry)
{
    (void)registry;
}

} // namespace zentar::registers
