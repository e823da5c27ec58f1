#include "ui/paint_win.h"

#include "text/text_buffer.h"
#include "ui/gdi_boxes_win.h"
#include "ui/theme_win.h"
#include "ui/window_state_win.h"

namespace tamrel {

namespace {

constexpr int32_t kSubtitleCapacity = 256;
constexpr int32_t kWebAddressCapacity = 64;

// The layout is fixed for a 1020 x 720 client area; only the full-width bands and the web
// address follow the right edge.
constexpr int kHeaderBottom = 88;
constexpr int kBottomBarTop = 660;
constexpr int kBottomBarBottom = 720;

void paintPanel(HDC dc, Box box) {
    fillBox(dc, box, kTheme.panelColor);
    frameBox(dc, box, kTheme.panelFrameColor);
}

} // namespace

void paintMainWindow(HDC dc, const RECT& client) {
    const ToolDefinition& tool = *gWindow.tool;
    const int width = client.right;
    const int height = client.bottom;

    fillBox(dc, {0, 0, width, height}, kTheme.backgroundColor);
    fillBox(dc, {0, 0, width, kHeaderBottom}, kTheme.headerColor);
    fillBox(dc, {0, 0, 8, kHeaderBottom}, kTheme.accentColor);

    drawBoxText(dc, {26, 12, 700, 38}, tool.name, kTheme.lightTextColor, gWindow.titleFont,
                TextAlign::Left);

    char16_t subtitleText[kSubtitleCapacity];
    TextBuffer subtitle(subtitleText, kSubtitleCapacity);
    subtitle.append(tool.category);
    subtitle.append(u"  ·  ");
    subtitle.append(tool.description);
    drawBoxText(dc, {28, 48, 720, 28}, subtitleText, kTheme.subtitleColor, gWindow.subtitleFont,
                TextAlign::Left);

    char16_t webAddress[kWebAddressCapacity];
    copyText(webAddress, kWebAddressCapacity, kPublisherWebAddress);
    drawBoxText(dc, {width - 240, 8, 214, 26}, webAddress, kTheme.webAddressColor,
                gWindow.smallFont, TextAlign::Right);

    paintPanel(dc, {20, 96, 440, 552});
    paintPanel(dc, {476, 96, 524, 552});

    // Each caption's rule lies on the last pixel row of its caption box, drawn after the text.
    drawBoxText(dc, {36, 104, 300, 30}, u"输入参数", kTheme.headerColor, gWindow.subtitleFont,
                TextAlign::Left);
    drawBoxText(dc, {492, 104, 300, 30}, u"计算结果", kTheme.headerColor, gWindow.subtitleFont,
                TextAlign::Left);
    fillBox(dc, {36, 133, 408, 1}, kTheme.captionRuleColor);
    fillBox(dc, {492, 133, 492, 1}, kTheme.captionRuleColor);

    fillBox(dc, {0, kBottomBarTop, width, kBottomBarBottom - kBottomBarTop},
            kTheme.bottomBarColor);
    drawBoxText(dc, {740, 704, 264, 16}, gWindow.statusText, kTheme.mutedTextColor,
                gWindow.smallFont, TextAlign::Right);
}

} // namespace tamrel
