#pragma once

#include "platform/ModuleRegistry.h"

namespace zentar::shell {
// The shell's tables, seeders and windows.
void registerModule(platform::ModuleRegistry& registry);
} // namespace zentar::shell
