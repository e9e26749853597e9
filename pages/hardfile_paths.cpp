#include "pages/hardfile_paths.h"
#include "framework/handles.h"
#include <cctype>
#include <type_traits>
#include <vector>

namespace {
template <class Char>
bool IsSeparator(Char c) { return c == Char('\\') || c == Char('/'); }

template <class Text>
Text WithSeparator(const Text& folder)
{
    return folder.empty() || IsSeparator(folder.back()) ? folder : folder + typename Text::value_type('\\');
}

template <class Text>
bool HasDrive(const Text& path)
{
    if (path.size() < 2 || path[1] != ':') return false;
    const auto letter = static_cast<std::make_unsigned_t<typename Text::value_type>>(path[0]);
    return letter < 128 && std::isalpha(letter);
}

template <class Text>
bool IsServerPath(const Text& path)
{
    return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

// "C:\" of a drive folder, "\\server\share\" of a network one.
template <class Text>
Text RootOf(const Text& folder)
{
    if (HasDrive(folder)) return folder.substr(0, 2) + typename Text::value_type('\\');
    if (!IsServerPath(folder)) return Text();
    const typename Text::value_type separators[] = {'\\', '/', 0};
    size_t share = folder.find_first_of(separators, 2);
    size_t end = share == Text::npos ? share : folder.find_first_of(separators, share + 1);
    return end == Text::npos ? WithSeparator(folder) : folder.substr(0, end + 1);
}

// The system's clean-up of a path it need not look up; the path itself when
// the system refuses it.
DWORD FullPathNameOf(const std::string& path, DWORD size, char* full)
{
    return ::GetFullPathNameA(path.c_str(), size, full, nullptr);
}
DWORD FullPathNameOf(const std::wstring& path, DWORD size, wchar_t* full)
{
    return ::GetFullPathNameW(path.c_str(), size, full, nullptr);
}

template <class Text>
Text FullPathName(const Text& path)
{
    DWORD size = FullPathNameOf(path, 0, nullptr);
    if (size == 0) return path;
    std::vector<typename Text::value_type> full(size);
    DWORD length = FullPathNameOf(path, size, full.data());
    return length == 0 || length >= size ? path : Text(full.data(), length);
}

template <class Text>
Text AbsoluteOf(const Text& path, const Text& folder)
{
    if (path.empty()) return path;
    if (HasDrive(path) || IsServerPath(path)) return FullPathName(path);
    if (IsSeparator(path[0])) return FullPathName(RootOf(folder) + path.substr(1));
    return FullPathName(WithSeparator(folder) + path);
}

std::string Upper(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}
}  // namespace

std::string CurrentFolder()
{
    DWORD size = ::GetCurrentDirectoryA(0, nullptr);
    if (size == 0) return std::string();
    std::vector<char> folder(size);
    DWORD length = ::GetCurrentDirectoryA(size, folder.data());
    return length == 0 || length >= size ? std::string() : WithSeparator(std::string(folder.data(), length));
}

std::string AbsolutePath(const std::string& path, const std::string& folder)
{
    return AbsoluteOf(path, folder);
}

std::wstring AbsolutePath(const std::wstring& path, const std::wstring& folder)
{
    return AbsoluteOf(path, folder);
}

std::wstring LongPathForm(const std::wstring& path)
{
    if (path.size() < MAX_PATH) return path;
    if (HasDrive(path)) return L"\\\\?\\" + path;
    if (IsServerPath(path) && path[2] != L'?' && path[2] != L'.') return L"\\\\?\\UNC\\" + path.substr(2);
    return path;
}

std::wstring WithoutLongPathPrefix(const std::wstring& path)
{
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0) return L"\\\\" + path.substr(8);
    if (path.compare(0, 4, L"\\\\?\\") == 0) return path.substr(4);
    return path;
}

bool SamePath(const std::string& a, const std::string& b)
{
    return ::lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

bool IsDeviceName(const std::string& path)
{
    if (path.size() >= 4 && IsSeparator(path[0]) && IsSeparator(path[1]) && path[2] == '.' && IsSeparator(path[3]))
        return true;
    // The last name of the path, without a port's colon, its extension or the
    // blanks Windows ignores: "C:\x\com1 .hfi:" is COM1.
    std::string name = path;
    while (!name.empty() && (name.back() == ':' || name.back() == ' ')) name.pop_back();
    size_t start = name.find_last_of("\\/");
    start = start == std::string::npos ? (HasDrive(name) ? 2 : 0) : start + 1;
    name = name.substr(start, name.find('.', start) - start);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    name = Upper(name);
    if (name == "CON" || name == "PRN" || name == "AUX" || name == "NUL" || name == "CONIN$" || name == "CONOUT$")
        return true;
    return name.size() == 4 && (name.compare(0, 3, "COM") == 0 || name.compare(0, 3, "LPT") == 0) &&
           name[3] >= '1' && name[3] <= '9';
}

HardFileProbe ProbeHardFile(const std::string& path)
{
    HardFileProbe probe;
    if (path.empty() || path.size() >= MAX_PATH || IsDeviceName(path)) return probe;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        probe.found = !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
        if (probe.found) probe.bytes = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        return probe;
    }
    if (::GetLastError() != ERROR_SHARING_VIOLATION) return probe;
    // Some systems answer even the attribute query of a file held open with no
    // sharing by a refusal; that file is there. Its directory entry still tells
    // its size, unless the name holds a wildcard, which would match others.
    probe.found = true;
    if (path.find_first_of("*?", path.compare(0, 4, "\\\\?\\") == 0 ? 4 : 0) != std::string::npos) return probe;
    WIN32_FIND_DATAA found;
    if (!unique_hfind(::FindFirstFileA(path.c_str(), &found))) return probe;
    probe.bytes = (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    return probe;
}
