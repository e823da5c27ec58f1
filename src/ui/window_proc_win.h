// The main window's procedure: builds the controls, fixes the frame size, draws the buttons,
// colours the controls and routes the buttons to the commands.
#pragma once
#include <windows.h>

namespace tamrel {

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace tamrel
