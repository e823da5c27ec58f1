#pragma once

namespace tamrel::platform {

// The native entry hands its arguments over once; commandLine() then joins them as Windows
// would show them, quoting an argument that holds a space, so a path given as one argument
// stays one path.
void setCommandLineArguments(int argc, char** argv);

} // namespace tamrel::platform
