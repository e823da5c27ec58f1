#include "text/text_buffer.h"

#include "text/number_text.h"

namespace tamrel {

int32_t textLength(const char16_t* text) {
    if (text == nullptr) return 0;
    int32_t n = 0;
    while (text[n] != 0) ++n;
    return n;
}

bool textEquals(const char16_t* a, const char16_t* b) {
    if (a == nullptr) a = u"";
    if (b == nullptr) b = u"";
    while (*a != 0 && *a == *b) { ++a; ++b; }
    return *a == *b;
}

TextBuffer::TextBuffer(char16_t* data, int32_t capacity) : data_(data), capacity_(capacity) {
    if (capacity_ >= 1) data_[0] = 0;
}

TextBuffer TextBuffer::attach(char16_t* data, int32_t capacity) {
    TextBuffer b;
    b.data_ = data;
    b.capacity_ = capacity;
    if (capacity >= 1) {
        while (b.length_ < capacity - 1 && data[b.length_] != 0) ++b.length_;
        data[b.length_] = 0;
    }
    return b;
}

void TextBuffer::clear() {
    length_ = 0;
    if (capacity_ >= 1) data_[0] = 0;
}

bool TextBuffer::append(const char16_t* text, int32_t count) {
    if (text == nullptr || count <= 0) return true;
    if (isFull()) return false;
    int32_t room = capacity_ - 1 - length_;
    int32_t n = count < room ? count : room;
    for (int32_t i = 0; i < n; ++i) data_[length_ + i] = text[i];
    length_ += n;
    data_[length_] = 0;
    return n == count;
}

bool TextBuffer::append(const char16_t* text) { return append(text, textLength(text)); }

bool TextBuffer::append(char16_t c) { return append(&c, 1); }

bool TextBuffer::appendAscii(const char* text, int32_t count) {
    if (text == nullptr || count <= 0) return true;
    if (isFull()) return false;
    int32_t room = capacity_ - 1 - length_;
    int32_t n = count < room ? count : room;
    for (int32_t i = 0; i < n; ++i) data_[length_ + i] = static_cast<unsigned char>(text[i]);
    length_ += n;
    data_[length_] = 0;
    return n == count;
}

bool TextBuffer::appendAscii(const char* text) {
    int32_t n = 0;
    if (text != nullptr)
        while (text[n] != 0) ++n;
    return appendAscii(text, n);
}

bool TextBuffer::appendInt(int64_t value, int32_t minDigits) {
    char digits[kIntTextSize];
    return appendAscii(digits, writeInt(value, minDigits, digits, kIntTextSize));
}

bool TextBuffer::appendFixed(double value, int32_t decimals) {
    char digits[kFixedTextSize];
    return appendAscii(digits, writeFixed(value, decimals, digits, kFixedTextSize));
}

bool TextBuffer::appendGeneral(double value, int32_t significant) {
    char digits[kGeneralTextSize];
    return appendAscii(digits, writeGeneral(value, significant, digits, kGeneralTextSize));
}

void copyText(char16_t* out, int32_t capacity, const char16_t* text) {
    TextBuffer b(out, capacity);
    b.append(text);
}

} // namespace tamrel
