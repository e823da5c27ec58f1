#include "platform/platform.h"

#include "text/text_buffer.h"
#include "text/utf8.h"

namespace tamrel::platform {

bool ByteFile::write(const void* bytes, size_t count) {
    if (file_ == nullptr) return false;
    return count == 0 || std::fwrite(bytes, 1, count, file_) == count;
}

bool ByteFile::close() {
    if (file_ == nullptr) return false;
    bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    return ok;
}

bool writeUtf8(ByteFile& file, const char16_t* text) {
    Utf8Encoder encoder(text, textLength(text));
    char chunk[1024];
    bool ok = file.isOpen();
    while (!encoder.done()) ok = file.write(chunk, static_cast<size_t>(encoder.fill(chunk, sizeof chunk))) && ok;
    return ok;
}

} // namespace tamrel::platform
