#include <gtest/gtest.h>

#include <string>

#include "text/utf8.h"

namespace tamrel {
namespace {

struct EncodeCase {
    std::u16string text;
    std::string bytes;
};

TEST(Utf8, EncodesLikeTheWindowsConversion) {
    const EncodeCase cases[] = {
        {u"TOOL|38", "TOOL|38"},
        {u"é", "\xC3\xA9"},
        {u"疼痛", "\xE7\x96\xBC\xE7\x97\x9B"},
        {u"\U0001F600", "\xF0\x9F\x98\x80"},
        {std::u16string(1, char16_t(0xD83D)) + u"x", "\xEF\xBF\xBDx"},  // lone high surrogate
        {std::u16string(1, char16_t(0xDE00)), "\xEF\xBF\xBD"},          // lone low surrogate
        {u"", ""},
    };
    for (const EncodeCase& c : cases) {
        char out[32];
        ASSERT_EQ(encodeUtf8(c.text.c_str(), out, sizeof out), static_cast<int32_t>(c.bytes.size()));
        EXPECT_EQ(std::string(out), c.bytes);
    }
}

TEST(Utf8, EncodeFailsWholeWhenTooSmall) {
    char out[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(encodeUtf8(u"疼痛", out, 4), -1);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(encodeUtf8(u"疼", out, 4), 3);
}

// Pieces never split a character, not even a surrogate pair, and add up to the whole text.
TEST(Utf8, EncoderFillsWholeCharactersPieceByPiece) {
    std::u16string text;
    for (int i = 0; i < 50; ++i) text += u"a疼\U0001F600";
    char whole[1024];
    int32_t wholeLength = encodeUtf8(text.c_str(), whole, sizeof whole);
    for (int32_t size : {4, 5, 6, 7, 64}) {
        Utf8Encoder encoder(text.c_str(), static_cast<int32_t>(text.size()));
        std::string joined;
        char piece[64];
        while (int32_t n = encoder.fill(piece, size)) {
            ASSERT_LE(n, size);
            joined.append(piece, n);
        }
        EXPECT_TRUE(encoder.done());
        EXPECT_EQ(joined, std::string(whole, wholeLength));
    }
}

TEST(Utf8, DecodesAndReplacesMalformedBytes) {
    struct DecodeCase {
        const char* bytes;
        std::u16string text;
    };
    const DecodeCase cases[] = {
        {"report 1.txt", u"report 1.txt"},
        {"\xE7\x96\xBC", u"疼"},
        {"\xF0\x9F\x98\x80", u"\U0001F600"},
        {"\xFF", u"\uFFFD"},
        {"\xC0\xAF", u"\uFFFD"},           // overlong
        {"\xED\xA0\x80", u"\uFFFD"},       // encoded surrogate
        {"\xE7\x96", u"\uFFFD"},           // cut short
    };
    for (const DecodeCase& c : cases) {
        char16_t out[16];
        decodeUtf8(c.bytes, out, 16);
        EXPECT_EQ(std::u16string(out), c.text);
    }
    char16_t small[3];
    decodeUtf8("abcdef", small, 3);
    EXPECT_EQ(std::u16string(small), u"ab");
}

} // namespace
} // namespace tamrel
