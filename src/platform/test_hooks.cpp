#include "platform/platform.h"
#include "platform/os.h"

#include "text/text_buffer.h"

// The fixed clock and data folder that tests set; otherwise the system's answers.
namespace tamrel::platform {

namespace {
bool gHasFixedNow = false;
LocalDateTime gFixedNow{};
bool gDataFolderOverridden = false;
const char16_t* gDataFolder = nullptr;
} // namespace

LocalDateTime localNow() { return gHasFixedNow ? gFixedNow : os::localNow(); }

void setFixedNow(const LocalDateTime* now) {
    gHasFixedNow = now != nullptr;
    if (now != nullptr) gFixedNow = *now;
}

bool localAppDataFolder(char16_t* out, int32_t capacity) {
    if (!gDataFolderOverridden) return os::localAppDataFolder(out, capacity);
    TextBuffer folder(out, capacity);
    if (gDataFolder != nullptr && folder.append(gDataFolder)) return true;
    folder.clear();
    return false;
}

void overrideDataFolder(const char16_t* folder) {
    gDataFolderOverridden = true;
    gDataFolder = folder;
}

void clearDataFolderOverride() {
    gDataFolderOverridden = false;
    gDataFolder = nullptr;
}

} // namespace tamrel::platform
