#include "platform/platform.h"
#include "platform/os.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/wide_text_win.h"
#include "text/text_buffer.h"

namespace tamrel::platform {

const char16_t* commandLine() { return utf16(GetCommandLineW()); }

LocalDateTime os::localNow() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

bool os::localAppDataFolder(char16_t* out, int32_t capacity) {
    TextBuffer folder(out, capacity);
    wchar_t path[MAX_PATH];
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, path)) &&
        path[0] != 0 && folder.append(utf16(path)))
        return true;
    folder.clear();
    return false;
}

bool createDirectory(const char16_t* path) { return CreateDirectoryW(wide(path), nullptr) != 0; }

bool ByteFile::open(const char16_t* path, FileMode mode) {
    close();
    const wchar_t* how = mode == FileMode::Read ? L"rb" : mode == FileMode::Write ? L"wb" : L"ab";
    file_ = _wfopen(wide(path), how);
    return file_ != nullptr;
}

} // namespace tamrel::platform
