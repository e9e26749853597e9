#pragma once
// The platform calls KORVEX.EXE makes at start-up, made directly and with
// nothing of the program's own around them: the yardstick its discovery steps
// are timed against. Results are returned only so that the calls cannot be
// skipped and a run can show what it found.
#include <windows.h>

// LoadLibrary("wnaspi32") and its support information (0 without a layer).
DWORD PlatformAspiSupportInfo();
// The DirectX probe's calls in the probe's order: DirectDraw object, DirectDraw 2,
// DirectInput's entry point, cooperative level, primary surface, surface 3 and 4,
// DirectMusic under COM, DirectDraw 7. Returns the release reached (0x700 = "7+").
DWORD PlatformDirectXProbe();
// DirectSoundEnumerateA; returns the devices with an identifier.
int PlatformSoundEnumeration();
// DirectDrawEnumerateExA over attached and detached monitors; returns the devices
// with an identifier.
int PlatformDisplayEnumeration();
