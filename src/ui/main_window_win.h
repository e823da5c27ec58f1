#pragma once
#include <windows.h>

#include "engine/tool.h"

namespace tamrel {

// Opens the main window for `tool` and runs the message loop. Returns 1 when the window could
// not be created, 0 when the loop has ended.
int runMainWindow(HINSTANCE instance, const ToolDefinition* tool);

} // namespace tamrel
