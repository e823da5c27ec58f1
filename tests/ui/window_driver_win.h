// Driving windows from a test: polling with a time-out, texts of windows in any process of the
// prefix, message boxes, the clipboard and pixels of the screen.
#pragma once
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace tamrel::test {

// Polls `ready` every few milliseconds until it holds or `timeout` has passed.
template <class Ready>
bool waitUntil(Ready ready, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (ready()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Window texts through WM_GETTEXT/WM_SETTEXT, which the system carries across processes.
std::wstring windowText(HWND window);
void setWindowText(HWND window, const std::wstring& text);
std::wstring className(HWND window);

// Top-level windows of one process with the given class, in z-order.
std::vector<HWND> topLevelWindows(DWORD processId, const wchar_t* windowClass);

struct MessageBoxSeen {
    HWND box = nullptr;
    std::wstring caption;
    std::wstring text;
};
// The message box a process shows, waited for; box stays null when none appeared in time.
MessageBoxSeen waitForMessageBox(DWORD processId,
                                 std::chrono::milliseconds timeout = std::chrono::seconds(10));
// Presses OK on every message box of the process and waits until they are gone.
bool closeMessageBoxes(DWORD processId);

// The window that has the keyboard focus in the thread that owns `window`.
HWND focusOfThread(HWND window);

std::wstring clipboardText();
bool setClipboardText(const std::wstring& text);

// A copy of the screen's pixels under a window's client area.
class ClientCapture {
public:
    explicit ClientCapture(HWND window);
    int width() const { return width_; }
    int height() const { return height_; }
    // The colour at client coordinates, or CLR_INVALID outside the capture.
    COLORREF at(int x, int y) const;
    // How many pixels of the client rectangle (left, top, right, bottom) have exactly `color`.
    int count(const RECT& area, COLORREF color) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<DWORD> pixels_;  // 0x00RRGGBB, top row first
};

} // namespace tamrel::test
