#include "ui/gdi_boxes_win.h"

#include "platform/wide_text_win.h"

namespace tamrel {

namespace {

RECT rectOf(Box box) { return {box.x, box.y, box.x + box.width, box.y + box.height}; }

UINT drawTextFormat(TextAlign align) {
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    if (align == TextAlign::Center) format |= DT_CENTER;
    if (align == TextAlign::Right) format |= DT_RIGHT;
    return format;
}

} // namespace

void fillBox(HDC dc, Box box, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    if (brush == nullptr) return;
    RECT r = rectOf(box);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void frameBox(HDC dc, Box box, COLORREF color) {
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    if (pen == nullptr) return;
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, box.x, box.y, box.x + box.width, box.y + box.height);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

void drawBoxText(HDC dc, Box box, const char16_t* text, COLORREF color, HFONT font,
                 TextAlign align) {
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    RECT r = rectOf(box);
    DrawTextW(dc, wide(text != nullptr ? text : u""), -1, &r, drawTextFormat(align));
    if (oldFont != nullptr) SelectObject(dc, oldFont);
}

} // namespace tamrel
