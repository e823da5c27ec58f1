// Native entry: the self-test runs here as on Windows; the window needs Windows.
#include <cstdio>

#include "app/command_line.h"
#include "app/self_test.h"
#include "platform/platform.h"
#include "platform/platform_posix.h"

int main(int argc, char** argv) {
    tamrel::platform::setCommandLineArguments(argc, argv);
    const char16_t* selfTestSwitch = tamrel::findSelfTestSwitch(tamrel::platform::commandLine());
    if (selfTestSwitch == nullptr) {
        std::fputs("Tamrel 的窗口只能在 Windows 上打开；本机版本仅提供 --selftest [报告路径]。\n",
                   stderr);
        return 1;
    }
    char16_t reportPath[tamrel::kReportPathCapacity];
    tamrel::readReportPath(selfTestSwitch, reportPath, tamrel::kReportPathCapacity);
    return tamrel::runSelfTest(tamrel::builtInTool(), reportPath);
}
