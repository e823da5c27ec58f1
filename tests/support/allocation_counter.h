#pragma once
#include <cstdint>

namespace tamrel::test {

// Heap allocations (operator new in all its plain forms) since the program started. A test
// reads it before and after the code under test.
int64_t allocationCount();

} // namespace tamrel::test
