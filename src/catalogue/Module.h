#pragma once

#include "platform/ModuleRegistry.h"

namespace zentar::catalogue {
// This folder's tables, seeders and windows.
void registerModule(platform::ModuleRegistry& registry);
} // namespace zentar::catalogue
