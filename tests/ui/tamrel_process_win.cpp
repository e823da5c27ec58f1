#include "tamrel_process_win.h"

#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "window_driver_win.h"

namespace tamrel::test {

namespace {

// CMake hands in the Linux path of Tamrel.exe; Wine shows the Linux root as drive Z:.
std::wstring programPath() {
    std::wstring path = L"Z:";
    for (const char* c = TAMREL_EXE_PATH; *c != 0; ++c)
        path += *c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*c));
    return path;
}

struct ChildQuery {
    HWND parent;
    std::vector<ChildControl> found;
};

BOOL CALLBACK collectChild(HWND child, LPARAM data) {
    auto* query = reinterpret_cast<ChildQuery*>(data);
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, query->parent, reinterpret_cast<POINT*>(&rect), 2);
    query->found.push_back({child, className(child), windowText(child),
                            static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE)),
                            static_cast<DWORD>(GetWindowLongW(child, GWL_EXSTYLE)), rect,
                            GetDlgCtrlID(child)});
    return TRUE;
}

} // namespace

TamrelProcess::TamrelProcess() {
    std::wstring path = programPath();
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info_))
        return;
    waitUntil([&] {
        std::vector<HWND> windows = topLevelWindows(info_.dwProcessId, L"OrvelMedToolWnd");
        if (!windows.empty()) window_ = windows.front();
        return window_ != nullptr || WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0;
    });
    if (window_ != nullptr) WaitForInputIdle(info_.hProcess, 10000);
}

// Ends the program outright: its message boxes go with it, and a window closed the user's way
// costs Wine seconds on a display without a window manager.
TamrelProcess::~TamrelProcess() {
    if (info_.hProcess == nullptr) return;
    if (WaitForSingleObject(info_.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 10000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

int TamrelProcess::close() {
    if (WaitForSingleObject(info_.hProcess, 0) != WAIT_OBJECT_0) {
        // A message box is modal: it goes first, then the window closes as by its close box.
        closeMessageBoxes(info_.dwProcessId);
        if (window_ != nullptr) PostMessageW(window_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(info_.hProcess, 10000) != WAIT_OBJECT_0) return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<int>(code);
}

HWND TamrelProcess::childAt(int x, int y) const {
    for (const ChildControl& child : children())
        if (child.rect.left == x && child.rect.top == y) return child.window;
    return nullptr;
}

std::vector<ChildControl> TamrelProcess::children() const {
    ChildQuery query{window_, {}};
    EnumChildWindows(window_, collectChild, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

void TamrelProcess::run(int commandId) const {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window_, WM_COMMAND, commandId, 0, SMTO_ABORTIFHUNG, 10000, &result);
}

void TamrelProcess::press(int commandId) const { PostMessageW(window_, WM_COMMAND, commandId, 0); }

void TamrelProcess::pressKey(HWND target, WPARAM key) const {
    PostMessageW(target, WM_KEYDOWN, key, 1);
}

std::wstring builtInRecordFile() {
    wchar_t folder[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, folder);
    return std::wstring(folder) + L"\\OrvelMedSuite\\records\\T038.csv";
}

std::string readBytes(const std::wstring& file) {
    std::ifstream in(std::filesystem::path(file), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace tamrel::test
