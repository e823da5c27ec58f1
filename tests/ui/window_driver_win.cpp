#include "window_driver_win.h"

namespace tamrel::test {

namespace {

constexpr UINT kSendTimeoutMs = 5000;

struct EnumQuery {
    DWORD processId;
    const wchar_t* windowClass;
    std::vector<HWND> found;
};

BOOL CALLBACK collectTopLevel(HWND window, LPARAM data) {
    auto* query = reinterpret_cast<EnumQuery*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == query->processId && IsWindowVisible(window) &&
        className(window) == query->windowClass)
        query->found.push_back(window);
    return TRUE;
}

} // namespace

std::wstring windowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &length))
        return L"<no answer>";
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied);
    text.resize(copied);
    return text;
}

void setWindowText(HWND window, const std::wstring& text) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
}

std::wstring className(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::vector<HWND> topLevelWindows(DWORD processId, const wchar_t* windowClass) {
    EnumQuery query{processId, windowClass, {}};
    EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

MessageBoxSeen waitForMessageBox(DWORD processId, std::chrono::milliseconds timeout) {
    MessageBoxSeen seen;
    waitUntil(
        [&] {
            std::vector<HWND> boxes = topLevelWindows(processId, L"#32770");
            if (boxes.empty()) return false;
            seen.box = boxes.front();
            return true;
        },
        timeout);
    if (seen.box == nullptr) return seen;
    seen.caption = windowText(seen.box);
    HWND message = GetDlgItem(seen.box, 0xFFFF);
    if (message != nullptr) seen.text = windowText(message);
    return seen;
}

bool closeMessageBoxes(DWORD processId) {
    for (HWND box : topLevelWindows(processId, L"#32770"))
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    return waitUntil([&] { return topLevelWindows(processId, L"#32770").empty(); });
}

HWND focusOfThread(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

std::wstring clipboardText() {
    std::wstring text = L"<clipboard not open>";
    if (!waitUntil([] { return OpenClipboard(nullptr) != FALSE; }, std::chrono::seconds(2)))
        return text;
    text = L"<no text>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool setClipboardText(const std::wstring& text) {
    if (!waitUntil([] { return OpenClipboard(nullptr) != FALSE; }, std::chrono::seconds(2)))
        return false;
    EmptyClipboard();
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    bool placed = false;
    if (block != nullptr) {
        if (void* chars = GlobalLock(block)) {
            memcpy(chars, text.c_str(), bytes);
            GlobalUnlock(block);
            placed = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
        }
        if (!placed) GlobalFree(block);
    }
    CloseClipboard();
    return placed;
}

ClientCapture::ClientCapture(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    width_ = client.right;
    height_ = client.bottom;
    if (width_ <= 0 || height_ <= 0) return;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width_, height_, screen, origin.x, origin.y, SRCCOPY);
        GdiFlush();
        const auto* source = static_cast<const DWORD*>(bits);
        pixels_.assign(source, source + static_cast<size_t>(width_) * height_);
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

COLORREF ClientCapture::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || pixels_.empty()) return CLR_INVALID;
    DWORD p = pixels_[static_cast<size_t>(y) * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int ClientCapture::count(const RECT& area, COLORREF color) const {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (at(x, y) == color) ++n;
    return n;
}

} // namespace tamrel::test
