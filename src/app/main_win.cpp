// Windows entry: the self-test when the command line holds "--selftest", the window otherwise.
#include <windows.h>

#include "app/command_line.h"
#include "app/self_test.h"
#include "platform/platform.h"
#include "ui/main_window_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const char16_t* selfTestSwitch = tamrel::findSelfTestSwitch(tamrel::platform::commandLine());
    if (selfTestSwitch != nullptr) {
        char16_t reportPath[tamrel::kReportPathCapacity];
        tamrel::readReportPath(selfTestSwitch, reportPath, tamrel::kReportPathCapacity);
        return tamrel::runSelfTest(tamrel::builtInTool(), reportPath);
    }
    SetProcessDPIAware();
    return tamrel::runMainWindow(instance, &tamrel::builtInTool());
}
