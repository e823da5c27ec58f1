// The window's look: one table of colours and the eight theme fonts.
#pragma once
#include <windows.h>

#include <cstdint>

namespace tamrel {

struct ThemeColors {
    COLORREF backgroundColor;
    COLORREF panelColor;
    COLORREF headerColor;
    COLORREF accentColor;
    COLORREF subtitleColor;
    COLORREF webAddressColor;
    COLORREF panelFrameColor;
    COLORREF captionRuleColor;
    COLORREF bottomBarColor;
    COLORREF mutedTextColor;
    COLORREF bodyTextColor;
    COLORREF verdictColors[4];  // by alert level 0 to 3
    COLORREF primaryButtonColor;
    COLORREF primaryButtonPressedColor;
    COLORREF primaryButtonBorderColor;
    COLORREF buttonPressedColor;
    COLORREF buttonBorderColor;
    COLORREF lightTextColor;    // title on the header band, caption of the Calculate button
};

inline constexpr ThemeColors kTheme = {
    RGB(244, 247, 249),  // backgroundColor
    RGB(255, 255, 255),  // panelColor
    RGB(0, 108, 150),    // headerColor
    RGB(0, 132, 176),    // accentColor
    RGB(214, 236, 246),  // subtitleColor
    RGB(190, 220, 235),  // webAddressColor
    RGB(218, 226, 232),  // panelFrameColor
    RGB(228, 234, 238),  // captionRuleColor
    RGB(236, 241, 244),  // bottomBarColor
    RGB(120, 132, 142),  // mutedTextColor
    RGB(44, 56, 66),     // bodyTextColor
    {RGB(0, 128, 96), RGB(176, 132, 0), RGB(214, 108, 0), RGB(190, 30, 45)},
    RGB(0, 122, 168),    // primaryButtonColor
    RGB(0, 100, 138),    // primaryButtonPressedColor
    RGB(0, 106, 148),    // primaryButtonBorderColor
    RGB(226, 234, 240),  // buttonPressedColor
    RGB(206, 216, 224),  // buttonBorderColor
    RGB(255, 255, 255),  // lightTextColor
};

// A level outside 0 to 3 is shown like a normal result.
inline COLORREF verdictColor(int32_t alertLevel) {
    return alertLevel >= 1 && alertLevel <= 3 ? kTheme.verdictColors[alertLevel]
                                              : kTheme.verdictColors[0];
}

// Shown in the header and at the end of the About text.
inline constexpr char16_t kPublisherWebAddress[] = u"www.example.org";

} // namespace tamrel
