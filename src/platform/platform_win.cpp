#include "platform/platform.h"

#include <windows.h>
#include <shlobj.h>

#include "text/text_buffer.h"

namespace tamrel::platform {

namespace {

bool gHasFixedNow = false;
LocalDateTime gFixedNow{};
bool gDataFolderOverridden = false;
const char16_t* gDataFolder = nullptr;

const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

} // namespace

const char16_t* commandLine() { return reinterpret_cast<const char16_t*>(GetCommandLineW()); }

LocalDateTime localNow() {
    if (gHasFixedNow) return gFixedNow;
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

void setFixedNow(const LocalDateTime* now) {
    gHasFixedNow = now != nullptr;
    if (now != nullptr) gFixedNow = *now;
}

bool localAppDataFolder(char16_t* out, int32_t capacity) {
    TextBuffer folder(out, capacity);
    bool ok = false;
    if (gDataFolderOverridden) {
        ok = gDataFolder != nullptr && folder.append(gDataFolder);
    } else {
        wchar_t path[MAX_PATH];
        ok = SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, path)) &&
             path[0] != 0 && folder.append(reinterpret_cast<const char16_t*>(path));
    }
    if (!ok) folder.clear();
    return ok;
}

void overrideDataFolder(const char16_t* folder) {
    gDataFolderOverridden = true;
    gDataFolder = folder;
}

void clearDataFolderOverride() {
    gDataFolderOverridden = false;
    gDataFolder = nullptr;
}

bool createDirectory(const char16_t* path) { return CreateDirectoryW(wide(path), nullptr) != 0; }

bool ByteFile::open(const char16_t* path, FileMode mode) {
    close();
    const wchar_t* how = mode == FileMode::Read ? L"rb" : mode == FileMode::Write ? L"wb" : L"ab";
    file_ = _wfopen(wide(path), how);
    return file_ != nullptr;
}

} // namespace tamrel::platform
