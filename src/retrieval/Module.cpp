#include "retrieval/Module.h"

namespace zentar::retrieval {

void registerModule(platform::ModuleRegistry& registry)
{
    (void)registry;
}

} // namespace zentar::retrieval
