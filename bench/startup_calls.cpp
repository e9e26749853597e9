// Reference program: the platform calls KORVEX.EXE makes at start-up, in its
// order, then a one-page sheet. What start-up costs when a program does the same
// work as ours and nothing else.
#include "bench/platform_calls.h"
#include "bench/reference_sheet.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    PlatformAspiSupportInfo();
    PlatformDirectXProbe();
    PlatformSoundEnumeration();
    PlatformDisplayEnumeration();
    ShowOnePageSheet(instance);
    return 0;
}
