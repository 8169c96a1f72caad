#pragma once

#include "platform/ModuleRegistry.h"

namespace zentar::oldbooks {
// This folder's tables, seeders and windows.
void registerModule(platform::ModuleRegistry& registry);
} // namespace zentar::oldbooks
