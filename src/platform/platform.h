#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

// The few operating-system services the core needs, one implementation per system.
namespace tamrel::platform {

// The whole command line, the program's own path included.
const char16_t* commandLine();

struct LocalDateTime {
    int32_t year;
    int32_t month;
    int32_t day;
    int32_t hour;
    int32_t minute;
    int32_t second;
};

// The local date and time, or the fixed moment a test has set.
LocalDateTime localNow();
// Tests: every later localNow() returns `now`; nullptr brings the real clock back.
void setFixedNow(const LocalDateTime* now);

// The user's local application-data folder, cut at capacity - 1. Returns false, with an empty
// text, when the folder cannot be determined or does not fit.
bool localAppDataFolder(char16_t* out, int32_t capacity);
// Tests: answer with `folder` instead (nullptr: the folder cannot be determined) until
// clearDataFolderOverride() is called.
void overrideDataFolder(const char16_t* folder);
void clearDataFolderOverride();

// Creates one directory; false when it could not be created (an existing one included).
bool createDirectory(const char16_t* path);

enum class FileMode { Read, Write, Append };

// A file of raw bytes opened by UTF-16 path: Read ("rb"), Write ("wb", created or truncated)
// or Append ("ab"). It closes itself when it goes out of scope.
class ByteFile {
public:
    ByteFile() = default;
    ByteFile(const ByteFile&) = delete;
    ByteFile& operator=(const ByteFile&) = delete;
    ~ByteFile() { close(); }

    bool open(const char16_t* path, FileMode mode);
    bool isOpen() const { return file_ != nullptr; }
    // True when every byte was handed to the system.
    bool write(const void* bytes, size_t count);
    // True when the file was open and its buffered bytes reached the system.
    bool close();

private:
    std::FILE* file_ = nullptr;
};

// Writes `text` (terminated) as UTF-8 without a terminator, whatever its length.
bool writeUtf8(ByteFile& file, const char16_t* text);

} // namespace tamrel::platform
