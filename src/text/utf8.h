#pragma once
#include <cstdint>

namespace tamrel {

// Encodes UTF-16 text as UTF-8 piece by piece, so a text of any length can be written
// through a small buffer. An unpaired surrogate becomes U+FFFD, as the Windows conversion
// does.
class Utf8Encoder {
public:
    // Encodes `length` characters of `text`; the terminator is never encoded.
    Utf8Encoder(const char16_t* text, int32_t length);
    // Fills `out` with whole encoded characters and returns the number of bytes written;
    // 0 once the text is done. `size` must be at least 4.
    int32_t fill(char* out, int32_t size);
    bool done() const { return next_ == end_; }

private:
    const char16_t* next_;
    const char16_t* end_;
};

// Encodes a whole text into `out` with a terminating zero byte; returns the number of bytes
// before the terminator, or -1 when the text does not fit (then `out` holds an empty text).
int32_t encodeUtf8(const char16_t* text, char* out, int32_t size);

// Decodes UTF-8 into UTF-16, cut at capacity - 1 characters; malformed bytes become U+FFFD.
void decodeUtf8(const char* text, char16_t* out, int32_t capacity);

} // namespace tamrel
