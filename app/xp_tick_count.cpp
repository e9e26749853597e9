// The 32-bit build runs on Windows XP, whose kernel has no GetTickCount64. The
// thread library that the C++ runtime links in statically was built for newer
// systems and imports it for its timed waits. Defining the import slot here, in
// the program's own objects, satisfies that reference before the linker looks
// in kernel32's import library, so KORVEX.EXE never asks XP for the function.
#include <windows.h>

namespace {
// Milliseconds from the performance counter, which XP has: the same steadily
// rising 64-bit count the callers measure intervals with.
ULONGLONG WINAPI TickCount64FromPerformanceCounter()
{
    LARGE_INTEGER frequency, counter;
    if (!::QueryPerformanceFrequency(&frequency) || !::QueryPerformanceCounter(&counter)) return ::GetTickCount();
    const ULONGLONG ticks = counter.QuadPart, perSecond = frequency.QuadPart;
    // Whole seconds and the remainder apart, so the product never overflows.
    return ticks / perSecond * 1000 + ticks % perSecond * 1000 / perSecond;
}
}  // namespace

extern "C" {
extern ULONGLONG(WINAPI* const korvexGetTickCount64Slot)() __asm__("__imp__GetTickCount64@0");
ULONGLONG(WINAPI* const korvexGetTickCount64Slot)() = TickCount64FromPerformanceCounter;
}
