// The steps of runMainWindow, apart so that tests can open the window without its loop.
#pragma once
#include <windows.h>

#include "engine/tool.h"

namespace tamrel {

// Fills gWindow (instance, tool, fonts, brushes), registers the window class and creates,
// shows and focuses the main window. Null when the window could not be created.
HWND createMainWindow(HINSTANCE instance, const ToolDefinition* tool);

// Where a frame of the given size goes on a screen of the given size: centred, but never
// above or left of the screen's corner.
POINT centredFramePosition(int frameWidth, int frameHeight, int screenWidth, int screenHeight);

// Enter and F5 pressed in any control of the main window run Calculate instead of reaching
// the control.
bool isCalculateKey(const MSG& message, HWND mainWindow);

// Runs until the quit message.
void runMessageLoop();

} // namespace tamrel
