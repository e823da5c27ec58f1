#pragma once
#include <cstdint>

namespace tamrel {

// Length of a terminated UTF-16 text; a null pointer counts as empty.
int32_t textLength(const char16_t* text);
bool textEquals(const char16_t* a, const char16_t* b);

// A caller-owned UTF-16 buffer of fixed capacity, terminator included, and the one
// bounded-append rule of the program: with length n and capacity c, a piece is appended
// only while n < c - 1, and then at most c - 1 - n of its characters. The text stays
// terminated, so a line built in a full buffer simply loses its tail (its CR LF first).
// A capacity below 1 leaves the buffer untouched.
class TextBuffer {
public:
    // Starts empty: writes the terminator at once.
    TextBuffer(char16_t* data, int32_t capacity);
    // Continues the terminated text already held in `data`.
    static TextBuffer attach(char16_t* data, int32_t capacity);

    void clear();
    // Each append returns true when the whole piece fitted.
    bool append(const char16_t* text);
    bool append(const char16_t* text, int32_t count);
    bool append(char16_t c);
    bool appendAscii(const char* text);
    bool appendAscii(const char* text, int32_t count);
    // Decimal integer, zero-padded to at least minDigits digits ("%0Nd").
    bool appendInt(int64_t value, int32_t minDigits = 1);
    // Exact "%.Nf": correctly rounded, halves to even.
    bool appendFixed(double value, int32_t decimals);
    // "%.Ng": N significant digits, the shorter of fixed and exponent form.
    bool appendGeneral(double value, int32_t significant = 6);

    int32_t length() const { return length_; }
    int32_t capacity() const { return capacity_; }
    bool isFull() const { return capacity_ < 1 || length_ >= capacity_ - 1; }
    const char16_t* text() const { return data_; }

private:
    TextBuffer() = default;
    char16_t* data_ = nullptr;
    int32_t capacity_ = 0;
    int32_t length_ = 0;
};

// Copies at most capacity - 1 characters of `text` (null counts as empty) and terminates.
void copyText(char16_t* out, int32_t capacity, const char16_t* text);

} // namespace tamrel
