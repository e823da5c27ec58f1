#include "text/utf8.h"

#include "text/text_buffer.h"

namespace tamrel {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

int32_t putCodePoint(char32_t c, char* out) {
    auto* o = reinterpret_cast<unsigned char*>(out);
    if (c < 0x80) {
        o[0] = static_cast<unsigned char>(c);
        return 1;
    }
    if (c < 0x800) {
        o[0] = static_cast<unsigned char>(0xC0 | (c >> 6));
        o[1] = static_cast<unsigned char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        o[0] = static_cast<unsigned char>(0xE0 | (c >> 12));
        o[1] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
        o[2] = static_cast<unsigned char>(0x80 | (c & 0x3F));
        return 3;
    }
    o[0] = static_cast<unsigned char>(0xF0 | (c >> 18));
    o[1] = static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F));
    o[2] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
    o[3] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    return 4;
}

} // namespace

Utf8Encoder::Utf8Encoder(const char16_t* text, int32_t length)
    : next_(text), end_(text + (length > 0 ? length : 0)) {}

int32_t Utf8Encoder::fill(char* out, int32_t size) {
    int32_t written = 0;
    while (next_ < end_ && size - written >= 4) {
        char32_t c = *next_++;
        if (isHighSurrogate(c)) {
            if (next_ < end_ && isLowSurrogate(*next_))
                c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(*next_++) - 0xDC00);
            else
                c = kReplacement;
        } else if (isLowSurrogate(c)) {
            c = kReplacement;
        }
        written += putCodePoint(c, out + written);
    }
    return written;
}

int32_t encodeUtf8(const char16_t* text, char* out, int32_t size) {
    if (size < 1) return -1;
    Utf8Encoder encoder(text, textLength(text));
    int32_t used = 0;
    char piece[4];
    while (!encoder.done()) {
        int32_t n = encoder.fill(piece, 4);
        if (used + n > size - 1) {
            out[0] = 0;
            return -1;
        }
        for (int32_t i = 0; i < n; ++i) out[used + i] = piece[i];
        used += n;
    }
    out[used] = 0;
    return used;
}

void decodeUtf8(const char* text, char16_t* out, int32_t capacity) {
    TextBuffer result(out, capacity);
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p != 0 && !result.isFull()) {
        char32_t c = *p;
        int32_t extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2
                                     : (c & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0) {
            result.append(static_cast<char16_t>(kReplacement));
            ++p;
            continue;
        }
        c &= extra == 0 ? 0x7F : (0x3F >> extra);
        int32_t i = 1;
        for (; i <= extra && (p[i] & 0xC0) == 0x80; ++i) c = (c << 6) | (p[i] & 0x3F);
        static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        bool valid = i == extra + 1 && c >= kSmallest[extra] && c <= 0x10FFFF &&
                     !(c >= 0xD800 && c <= 0xDFFF);
        p += i;
        if (!valid) {
            result.append(static_cast<char16_t>(kReplacement));
        } else if (c >= 0x10000) {
            char16_t pair[2] = {static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)),
                                static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF))};
            result.append(pair, 2);
        } else {
            result.append(static_cast<char16_t>(c));
        }
    }
}

} // namespace tamrel
