#pragma once

#include "platform/ModuleRegistry.h"

namespace zentar::ill {
// This folder's tables, seeders and windows.
void registerModule(platform::ModuleRegistry& registry);
} // namespace zentar::ill
