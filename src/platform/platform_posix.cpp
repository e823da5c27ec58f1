#include "platform/platform.h"
#include "platform/platform_posix.h"
#include "platform/os.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <sys/stat.h>

#include "text/text_buffer.h"
#include "text/utf8.h"

namespace tamrel::platform {

namespace {

char16_t gCommandLine[8192];

bool hasSpace(const char* s) {
    for (; *s != 0; ++s)
        if (*s == ' ') return true;
    return false;
}

// Paths are built with the Windows separator; here they become UTF-8 with slashes.
bool toNativePath(const char16_t* path, char* out, int32_t size) {
    if (encodeUtf8(path, out, size) < 0) return false;
    for (char* p = out; *p != 0; ++p)
        if (*p == '\\') *p = '/';
    return true;
}

} // namespace

void setCommandLineArguments(int argc, char** argv) {
    TextBuffer line(gCommandLine, sizeof gCommandLine / sizeof gCommandLine[0]);
    char16_t argument[4096];
    for (int i = 0; i < argc; ++i) {
        if (i > 0) line.append(u' ');
        decodeUtf8(argv[i], argument, 4096);
        bool quote = hasSpace(argv[i]) || argv[i][0] == 0;
        if (quote) line.append(u'"');
        line.append(argument);
        if (quote) line.append(u'"');
    }
}

const char16_t* commandLine() { return gCommandLine; }

LocalDateTime os::localNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

// $XDG_DATA_HOME, else ~/.local/share: where Linux keeps a user's application data.
bool os::localAppDataFolder(char16_t* out, int32_t capacity) {
    TextBuffer folder(out, capacity);
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    char16_t decoded[1024];
    bool ok = false;
    if (xdg != nullptr && xdg[0] == '/') {
        decodeUtf8(xdg, decoded, 1024);
        ok = folder.append(decoded);
    } else if (home != nullptr && home[0] == '/') {
        decodeUtf8(home, decoded, 1024);
        ok = folder.append(decoded) && folder.append(u"/.local/share");
    }
    if (!ok) folder.clear();
    return ok;
}

bool createDirectory(const char16_t* path) {
    char native[2048];
    return toNativePath(path, native, sizeof native) && mkdir(native, 0777) == 0;
}

bool ByteFile::open(const char16_t* path, FileMode mode) {
    close();
    char native[2048];
    if (!toNativePath(path, native, sizeof native)) return false;
    const char* how = mode == FileMode::Read ? "rb" : mode == FileMode::Write ? "wb" : "ab";
    file_ = std::fopen(native, how);
    return file_ != nullptr;
}

} // namespace tamrel::platform
