// The small painting operations every drawing in the window goes through. Each one makes and
// deletes its own brush or pen and puts back whatever it selected, so no GDI object outlives
// the call.
#pragma once
#include <windows.h>

namespace tamrel {

struct Box {
    int x;
    int y;
    int width;
    int height;
};

inline Box boxOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

enum class TextAlign { Left, Center, Right };

void fillBox(HDC dc, Box box, COLORREF color);
// A 1-pixel outline on the box's outermost pixels.
void frameBox(HDC dc, Box box, COLORREF color);
// One line, vertically centred, ending in an ellipsis when it does not fit.
void drawBoxText(HDC dc, Box box, const char16_t* text, COLORREF color, HFONT font,
                 TextAlign align);

} // namespace tamrel
