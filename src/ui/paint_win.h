// The window's own surface: background, header band, the two panels with their captions, the
// bottom bar and the status line. The controls paint themselves on top.
#pragma once
#include <windows.h>

namespace tamrel {

// Draws the whole surface into `dc` for a client area of `client`; the caller owns the DC
// (BeginPaint/EndPaint in the window procedure).
void paintMainWindow(HDC dc, const RECT& client);

} // namespace tamrel
