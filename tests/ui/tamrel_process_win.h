// The real Tamrel.exe, started for one test and stopped when the test ends, whatever happened.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace tamrel::test {

struct ChildControl {
    HWND window;
    std::wstring className;
    std::wstring text;
    DWORD style;
    DWORD exStyle;
    RECT rect;  // in the main window's client coordinates
    int id;
};

class TamrelProcess {
public:
    // Starts the program and waits until its main window is up and idle.
    TamrelProcess();
    ~TamrelProcess();
    TamrelProcess(const TamrelProcess&) = delete;
    TamrelProcess& operator=(const TamrelProcess&) = delete;

    bool started() const { return window_ != nullptr; }
    HWND window() const { return window_; }
    DWORD processId() const { return info_.dwProcessId; }

    HWND control(int id) const { return GetDlgItem(window_, id); }
    // The child whose top-left corner is at (x, y) of the client area.
    HWND childAt(int x, int y) const;
    std::vector<ChildControl> children() const;

    // Runs a command that shows no message box and returns when it is done.
    void run(int commandId) const;
    // Presses a button without waiting, for commands that show a message box.
    void press(int commandId) const;
    // Posts a key-down to a control, as the keyboard would.
    void pressKey(HWND target, WPARAM key) const;

    // Closes the window as the user does and returns the exit code; -1 when it did not end.
    int close();

private:
    PROCESS_INFORMATION info_{};
    HWND window_ = nullptr;
};

// The CSV record file of the built-in tool in the prefix's local application-data folder.
std::wstring builtInRecordFile();
std::string readBytes(const std::wstring& file);

} // namespace tamrel::test
