#include <gtest/gtest.h>

#include <string>

#include "app/command_line.h"

namespace tamrel {
namespace {

struct PathCase {
    const char16_t* commandLine;
    const char16_t* path;
};

std::u16string reportPathOf(const char16_t* commandLine) {
    const char16_t* selfTestSwitch = findSelfTestSwitch(commandLine);
    if (selfTestSwitch == nullptr) return u"<no switch>";
    char16_t path[kReportPathCapacity];
    readReportPath(selfTestSwitch, path, kReportPathCapacity);
    return path;
}

TEST(CommandLine, ReportPathAfterTheSwitch) {
    const PathCase cases[] = {
        {u"Tamrel.exe --selftest", u"selftest.txt"},
        {u"Tamrel.exe --selftest ", u"selftest.txt"},
        {u"Tamrel.exe --selftest out.txt", u"out.txt"},
        {u"Tamrel.exe --selftest out.txt more", u"out.txt"},
        {u"Tamrel.exe --selftest \"C:\\my reports\\r 1.txt\" more", u"C:\\my reports\\r 1.txt"},
        {u"Tamrel.exe --selftest \"unterminated path with blanks", u"unterminated path with blanks"},
        {u"Tamrel.exe --selftest \"\"", u"selftest.txt"},
        {u"Tamrel.exe --selftest  \"\" later", u"selftest.txt"},
        {u"Tamrel.exe --selftestglued.txt", u"glued.txt"},
        {u"Tamrel.exe x--selftest--y z", u"--y"},
        {u"Tamrel.exe --selftest  two.txt", u"two.txt"},
        {u"Tamrel.exe --selftest\ttab.txt", u"\ttab.txt"},
        {u"Tamrel.exe --selftest --selftest", u"--selftest"},
        {u"\"C:\\a--selftest\\Tamrel.exe\" out.txt", u"\\Tamrel.exe\""},
        {u"Tamrel.exe --SELFTEST out.txt", u"<no switch>"},
        {u"Tamrel.exe -selftest out.txt", u"<no switch>"},
        {u"Tamrel.exe", u"<no switch>"},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(std::string(c.commandLine, c.commandLine + std::u16string(c.commandLine).size()));
        EXPECT_EQ(reportPathOf(c.commandLine), c.path);
    }
}

TEST(CommandLine, LongPathIsCutTo519Characters) {
    std::u16string longPath(600, u'p');
    std::u16string line = u"Tamrel.exe --selftest " + longPath;
    char16_t path[kReportPathCapacity + 1];
    path[kReportPathCapacity] = u'#';  // canary just past the capacity
    readReportPath(findSelfTestSwitch(line.c_str()), path, kReportPathCapacity);
    EXPECT_EQ(std::u16string(path), longPath.substr(0, 519));
    EXPECT_EQ(path[kReportPathCapacity], u'#');
}

} // namespace
} // namespace tamrel
