#include <gtest/gtest.h>

#include <string>

#include "text/text_buffer.h"

namespace tamrel {
namespace {

constexpr char16_t kCanary = u'#';

// A buffer of `capacity` characters followed by a canary that must never be touched.
struct Guarded {
    explicit Guarded(int32_t size) : capacity(size) {
        for (char16_t& c : chars) c = kCanary;
    }
    char16_t chars[64];
    int32_t capacity;
    bool canaryIntact() const { return chars[capacity] == kCanary; }
};

struct AppendCase {
    int32_t capacity;
    const char16_t* first;
    const char16_t* second;
    const char16_t* expected;
    bool secondWhole;
};

TEST(TextBuffer, BoundedAppendCutsAtCapacityMinusOne) {
    const AppendCase cases[] = {
        {10, u"1234567", u"abcdef", u"1234567ab", false},
        {10, u"1234567", u"\r\n", u"1234567\r\n", true},
        {9, u"1234567", u"\r\n", u"1234567\r", false},
        {8, u"1234567", u"\r\n", u"1234567", false},
        {8, u"123456789", u"x", u"1234567", false},
        {1, u"abc", u"d", u"", false},
        {2, u"", u"xy", u"x", false},
        {5, u"", u"", u"", true},
    };
    for (const AppendCase& c : cases) {
        SCOPED_TRACE(c.capacity);
        Guarded g(c.capacity);
        TextBuffer b(g.chars, c.capacity);
        b.append(c.first);
        EXPECT_EQ(b.append(c.second), c.secondWhole);
        EXPECT_EQ(std::u16string(g.chars), c.expected);
        EXPECT_EQ(b.length(), static_cast<int32_t>(std::u16string(c.expected).size()));
        EXPECT_TRUE(g.canaryIntact());
    }
}

TEST(TextBuffer, ZeroCapacityWritesNothing) {
    char16_t c = kCanary;
    TextBuffer b(&c, 0);
    EXPECT_FALSE(b.append(u"x"));
    EXPECT_FALSE(b.appendInt(5));
    b.clear();
    EXPECT_EQ(c, kCanary);
}

TEST(TextBuffer, AttachContinuesExistingText) {
    Guarded g(8);
    std::u16string start = u"abc";
    std::copy(start.begin(), start.end() + 1, g.chars);
    TextBuffer b = TextBuffer::attach(g.chars, 8);
    EXPECT_EQ(b.length(), 3);
    b.append(u"defghij");
    EXPECT_EQ(std::u16string(g.chars), u"abcdefg");
    EXPECT_TRUE(g.canaryIntact());
}

TEST(TextBuffer, NumbersFollowPrintfForms) {
    struct NumberCase {
        const char16_t* expected;
        void (*write)(TextBuffer&);
    };
    const NumberCase cases[] = {
        {u"38", [](TextBuffer& b) { b.appendInt(38); }},
        {u"038", [](TextBuffer& b) { b.appendInt(38, 3); }},
        {u"-05", [](TextBuffer& b) { b.appendInt(-5, 3); }},
        {u"-001", [](TextBuffer& b) { b.appendInt(-1, 4); }},
        {u"12345", [](TextBuffer& b) { b.appendInt(12345, 3); }},
        {u"-9223372036854775808", [](TextBuffer& b) { b.appendInt(INT64_MIN); }},
        {u"22", [](TextBuffer& b) { b.appendFixed(22.5, 0); }},
        {u"24", [](TextBuffer& b) { b.appendFixed(23.5, 0); }},
        {u"0.2", [](TextBuffer& b) { b.appendFixed(0.25, 1); }},
        {u"0.12", [](TextBuffer& b) { b.appendFixed(0.125, 2); }},
        {u"-0.00", [](TextBuffer& b) { b.appendFixed(-0.004, 2); }},
        {u"1.23457e+06", [](TextBuffer& b) { b.appendGeneral(1234567, 6); }},
        {u"1e-05", [](TextBuffer& b) { b.appendGeneral(1e-5, 6); }},
        {u"0.5", [](TextBuffer& b) { b.appendGeneral(0.5, 6); }},
        {u"30", [](TextBuffer& b) { b.appendGeneral(30, 6); }},
        {u"inf", [](TextBuffer& b) { b.appendGeneral(1e308 * 10, 6); }},
    };
    for (const NumberCase& c : cases) {
        char16_t text[64];
        TextBuffer b(text, 64);
        c.write(b);
        EXPECT_EQ(std::u16string(text), c.expected);
    }
}

TEST(TextBuffer, LargestFixedNumberFits) {
    char16_t text[400];
    TextBuffer b(text, 400);
    EXPECT_TRUE(b.appendFixed(-1.7976931348623157e308, 3));
    EXPECT_EQ(b.length(), 1 + 309 + 4);
}

} // namespace
} // namespace tamrel
