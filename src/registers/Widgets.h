#pragma once

#include "platform/Buttons.h"

namespace zentar::registers {

using platform::makeButton;

} // namespace zentar::registers
