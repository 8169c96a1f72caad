#pragma once

#include "platform/ModuleRegistry.h"

namespace zentar::app {

// Every folder's tables, seeders and windows, in one registry.
void registerAllModules(platform::ModuleRegistry& registry);

} // namespace zentar::app
