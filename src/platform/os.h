#pragma once
#include <cstdint>

#include "platform/platform.h"

// What each operating system provides beneath the test hooks of platform.h.
namespace tamrel::platform::os {

LocalDateTime localNow();
// The folder as the system reports it; false, with an empty text, when unknown or too long.
bool localAppDataFolder(char16_t* out, int32_t capacity);

} // namespace tamrel::platform::os
