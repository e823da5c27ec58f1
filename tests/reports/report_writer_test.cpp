#include <gtest/gtest.h>

#include <string>

#include "reports/report_writer.h"

namespace tamrel {
namespace {

constexpr char16_t kCanary = u'#';
constexpr int32_t kStorage = 1100;

// The writer over the first `capacity` characters of a larger array whose rest is canaries.
struct WriterFixture {
    char16_t storage[kStorage];
    WriterFixture(int32_t capacity, const char16_t* initial) {
        for (char16_t& c : storage) c = kCanary;
        std::u16string start = initial;
        std::char_traits<char16_t>::copy(storage, start.c_str(), start.size() + 1);
        capacityUsed = capacity;
    }
    int32_t capacityUsed;
    std::u16string text() const { return storage; }
    bool canariesIntact() const {
        for (int32_t i = capacityUsed; i < kStorage; ++i)
            if (storage[i] != kCanary) return false;
        return true;
    }
};

enum class Piece { Line, Text };

struct AppendCase {
    const char* name;
    int32_t capacity;
    const char16_t* initial;
    Piece piece;
    const char16_t* appended;
    const char16_t* expected;
};

TEST(ReportWriter, BoundedAppendAtTheCapacityEdges) {
    const AppendCase cases[] = {
        {"line that fits", 64, u"ab", Piece::Line, u"cd", u"abcd\r\n"},
        {"line and CR LF fill it exactly", 10, u"12345", Piece::Line, u"ab", u"12345ab\r\n"},
        {"line cut, CR LF lost", 10, u"1234567", Piece::Line, u"abcdef", u"1234567ab"},
        {"one character of room: lone CR", 10, u"1234567", Piece::Line, u"a", u"1234567a\r"},
        {"full buffer drops the line", 10, u"123456789", Piece::Line, u"a", u"123456789"},
        {"empty line is CR LF alone", 64, u"ab", Piece::Line, u"", u"ab\r\n"},
        {"capacity 1 stays empty", 1, u"", Piece::Line, u"abc", u""},
        {"percent signs stay as written", 64, u"", Piece::Line, u"10% 氯化钾 %d %% %ls",
         u"10% 氯化钾 %d %% %ls\r\n"},
        {"text has no line end", 64, u"ab", Piece::Text, u"cd", u"abcd"},
        {"text cut at capacity", 10, u"1234567", Piece::Text, u"abc", u"1234567ab"},
        {"text on a full buffer", 10, u"123456789", Piece::Text, u"abc", u"123456789"},
    };
    for (const AppendCase& c : cases) {
        SCOPED_TRACE(c.name);
        WriterFixture f(c.capacity, c.initial);
        ReportWriter writer(f.storage, c.capacity);
        if (c.piece == Piece::Line)
            writer.appendLine(c.appended);
        else
            writer.appendText(c.appended);
        EXPECT_EQ(f.text(), c.expected);
        EXPECT_EQ(writer.result().length(), static_cast<int32_t>(f.text().size()));
        EXPECT_TRUE(f.canariesIntact());
    }
}

// A line holds at most 511 characters, whether fixed or built piece by piece.
TEST(ReportWriter, LongLinesAreCutAt511BeforeTheLineEnd) {
    const std::u16string longLine(600, u'x');
    const std::u16string expected = std::u16string(511, u'x') + u"\r\n";

    WriterFixture fixed(kStorage - 1, u"");
    ReportWriter fixedWriter(fixed.storage, kStorage - 1);
    fixedWriter.appendLine(longLine.c_str());
    EXPECT_EQ(fixed.text(), expected);

    WriterFixture built(kStorage - 1, u"");
    ReportWriter builtWriter(built.storage, kStorage - 1);
    TextBuffer& line = builtWriter.startLine();
    for (int32_t i = 0; i < 60; ++i) line.append(u"xxxxxxxxxx");
    builtWriter.endLine();
    EXPECT_EQ(built.text(), expected);

    // 511 characters exactly still get their line end.
    WriterFixture exact(kStorage - 1, u"");
    ReportWriter exactWriter(exact.storage, kStorage - 1);
    exactWriter.appendLine(std::u16string(511, u'y').c_str());
    EXPECT_EQ(exact.text(), std::u16string(511, u'y') + u"\r\n");
}

TEST(ReportWriter, BuiltLinesStartFromAnEmptyScratch) {
    WriterFixture f(64, u"");
    ReportWriter writer(f.storage, 64);
    TextBuffer& first = writer.startLine();
    first.append(u"床号：");
    first.appendInt(7, 2);
    writer.endLine();
    TextBuffer& second = writer.startLine();
    second.appendFixed(2.5, 0);
    writer.endLine();
    EXPECT_EQ(f.text(), u"床号：07\r\n2\r\n");
}

} // namespace
} // namespace tamrel
