#include "host/system_facts.h"

#include "framework/strings.h"
#include "host/aspi_blocks.h"
#include "host/processor_class.h"
#include "res/resource.h"

static_assert(sizeof(OSVERSIONINFOA) == 148, "version record");

namespace {

constexpr DWORD UserNameBufferSize = 260;

ULONGLONG WholeMiB(ULONGLONG bytes) { return bytes >> 20; }

}  // namespace

std::string MemoryText(ULONGLONG availableBytes, ULONGLONG totalBytes)
{
    // The system keeps some memory for itself, so the total it reports falls just
    // short of what is installed; one more MiB gives the installed figure.
    return std::to_string(WholeMiB(availableBytes)) + " / " + std::to_string(WholeMiB(totalBytes) + 1) + " MB";
}

std::string WindowsVersionText(const OSVERSIONINFOA& version)
{
    switch (version.dwPlatformId) {
    case VER_PLATFORM_WIN32s:
        return LoadStringResource(IDS_WIN32S);
    case VER_PLATFORM_WIN32_WINDOWS:
        if (version.dwMinorVersion >= 10 || version.dwMajorVersion > 4) return LoadStringResource(IDS_WINDOWS_98);
        return LoadStringResource(IDS_WINDOWS_95);
    case VER_PLATFORM_WIN32_NT:
        if (version.dwMajorVersion >= 5) return LoadStringResource(IDS_WINDOWS_2000);
        return LoadStringResource(IDS_WINDOWS_NT) + " " + std::to_string(version.dwMajorVersion) + "." +
               std::to_string(version.dwMinorVersion);
    default:
        return std::string();
    }
}

std::string DirectXVersionText(DWORD directXVersion)
{
    if (directXVersion == 0) return LoadStringResource(IDS_NOT_PRESENT);
    // The probe knows nothing newer than what it found, so 5 and later are "at least".
    const DWORD major = (directXVersion >> 8) & 0xF;
    return std::to_string(major) + (major >= 5 ? "+" : "");
}

std::string AspiSupportText(DWORD aspiSupportInfo)
{
    return LoadStringResource(AspiSupportStatus(aspiSupportInfo) == SS_COMP ? IDS_PRESENT : IDS_NOT_PRESENT);
}

std::optional<std::string> QueryUserName(UserNameQuery getUserName)
{
    char name[UserNameBufferSize] = {};
    DWORD size = sizeof name;
    if (!getUserName(name, &size)) return std::nullopt;
    name[UserNameBufferSize - 1] = '\0';
    return std::string(name);
}

std::string CurrentProcessorName()
{
    return ProcessorClassName(ProcessorClassFromSignature(DetectProcessorClass()));
}

std::string CurrentWindowsVersionText()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!::GetVersionExA(&version)) return std::string();
    return WindowsVersionText(version);
}
