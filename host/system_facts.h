#pragma once
// The host facts of the General page as texts. The pure functions take the
// system's answers as arguments; the Current... ones ask the running system.
#include <windows.h>
#include <optional>
#include <string>

// "23 / 64 MB": available MiB rounded down, " / ", total MiB + 1, " MB".
std::string MemoryText(ULONGLONG availableBytes, ULONGLONG totalBytes);

// "Win32s", "Windows 95", "Windows 98 (or newer)", "Windows NT 4.0" (NT before 5),
// "Windows 2000 Professional" (NT 5 and later); empty for any other platform.
std::string WindowsVersionText(const OSVERSIONINFOA& version);

// "Not present" for 0, else the major release, with "+" from 5 on ("3", "6+", "7+").
std::string DirectXVersionText(DWORD directXVersion);

// "Present" when the status byte of the support information is 1, else "Not present".
std::string AspiSupportText(DWORD aspiSupportInfo);

// The user name as `getUserName` returns it into a 260-byte buffer; nothing when
// it fails (for example a longer name).
using UserNameQuery = BOOL(WINAPI*)(LPSTR buffer, LPDWORD size);
std::optional<std::string> QueryUserName(UserNameQuery getUserName = ::GetUserNameA);

// The same texts from the running system, gathered at each call.
std::string CurrentProcessorName();
// Empty when the version query itself fails.
std::string CurrentWindowsVersionText();
