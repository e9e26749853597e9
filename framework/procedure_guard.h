#pragma once
// No C++ exception may leave a window procedure: between it and whoever sent
// the message lie the system's frames, which cannot be unwound safely. Every
// procedure of the framework runs its work through this, which stops any
// exception there and answers `onException` instead.
#include <windows.h>

template <class Result, class Work>
Result CallCatching(Result onException, Work&& work) noexcept
{
    try {
        return work();
    } catch (...) {
        ::OutputDebugStringA("KORVEX: exception stopped at a window procedure\r\n");
        return onException;
    }
}
