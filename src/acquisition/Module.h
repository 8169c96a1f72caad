#pragma once

#include "platform/ModuleRegistry.h"

namespace zentar::acquisition {
// This folder's tables, seeders and windows.
void registerModule(platform::ModuleRegistry& registry);
} // namespace zentar::acquisition
