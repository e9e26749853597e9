#include "pages/file_choice.h"
#include "framework/filedialog.h"
#include "framework/handles.h"
#include "framework/strings.h"
#include "framework/winapp.h"
#include "pages/hardfile_paths.h"
#include "res/resource.h"
#include <vector>

namespace {
// The text in the ANSI code page, when that holds every one of its characters:
// no best-fit look-alikes, which would name another file.
std::optional<std::string> ExactAnsi(const std::wstring& text)
{
    const bool utf8 = ::GetACP() == CP_UTF8;  // holds everything; takes no flags
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL lossy = FALSE;
    BOOL* lossyOut = utf8 ? nullptr : &lossy;
    int size = ::WideCharToMultiByte(CP_ACP, flags, text.c_str(), -1, nullptr, 0, nullptr, lossyOut);
    if (size <= 0 || lossy) return std::nullopt;
    std::vector<char> ansi(size);
    if (!::WideCharToMultiByte(CP_ACP, flags, text.c_str(), -1, ansi.data(), size, nullptr, lossyOut) || lossy)
        return std::nullopt;
    return std::string(ansi.data());
}

std::optional<std::string> FitsAnsiCalls(const std::wstring& path)
{
    std::optional<std::string> ansi = ExactAnsi(path);
    if (ansi && ansi->size() >= MAX_PATH) ansi.reset();
    return ansi;
}

// The short form of an existing file's path, at any length.
std::wstring ShortPathOf(const std::wstring& path)
{
    const std::wstring asked = LongPathForm(path);
    DWORD size = ::GetShortPathNameW(asked.c_str(), nullptr, 0);
    if (size == 0) return std::wstring();
    std::vector<wchar_t> shortPath(size);
    DWORD length = ::GetShortPathNameW(asked.c_str(), shortPath.data(), size);
    if (length == 0 || length >= size) return std::wstring();
    return WithoutLongPathPrefix(std::wstring(shortPath.data(), length));
}

// A file named in the save dialog that is not there yet has no short form:
// it is made, empty, so that it gets one. New writes it in full right after.
std::optional<std::string> UsableNewPathOrSay(const std::wstring& path)
{
    const std::wstring at = LongPathForm(path);
    const bool made = !FitsAnsiCalls(path) && ::GetFileAttributesW(at.c_str()) == INVALID_FILE_ATTRIBUTES &&
                      unique_hfile(::CreateFileW(at.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    std::optional<std::string> usable = UsableAnsiPath(path);
    if (!usable) {
        if (made) ::DeleteFileW(at.c_str());  // of no use: leave nothing behind
        SayFileUnusable(path);
    }
    return usable;
}
}  // namespace

std::optional<std::string> UsableAnsiPath(const std::wstring& path)
{
    if (std::optional<std::string> usable = FitsAnsiCalls(path)) return usable;
    const std::wstring shortPath = ShortPathOf(path);
    return shortPath.empty() ? std::nullopt : FitsAnsiCalls(shortPath);
}

void SayFileUnusable(const std::wstring& path)
{
    std::string text = LoadStringResource(IDS_FILE_UNUSABLE);
    size_t slot = text.find("%s");
    if (slot != std::string::npos) text.replace(slot, 2, NarrowToAnsi(path));
    AfxMessageBox(text.c_str(), MB_ICONEXCLAMATION | MB_OK);
}

std::optional<std::string> UsableAnsiPathOrSay(const std::wstring& path)
{
    std::optional<std::string> usable = UsableAnsiPath(path);
    if (!usable) SayFileUnusable(path);
    return usable;
}

std::string FolderOf(const std::string& path)
{
    size_t separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

bool ChooseFile(bool openDialog, UINT titleId, UINT filterId, UINT fileNameId, DWORD flags, std::string& path)
{
    std::string title = LoadStringResource(titleId);
    std::string filter = LoadStringResource(filterId);
    std::string fileName = LoadStringResource(fileNameId);
    // A folder too long for the dialogs of older systems is no starting folder.
    std::string initialFolder = CurrentFolder();
    if (initialFolder.size() > MAX_PATH) initialFolder.clear();

    CFileDialog dialog(openDialog, nullptr, fileName.c_str(), flags, filter.c_str());
    dialog.m_ofn.lpstrTitle = title.c_str();
    dialog.m_ofn.lpstrInitialDir = initialFolder.c_str();
    if (dialog.DoModal() != IDOK) return false;

    const std::wstring chosen = dialog.GetPathNameW();
    std::optional<std::string> usable = openDialog ? UsableAnsiPathOrSay(chosen) : UsableNewPathOrSay(chosen);
    if (!usable) return false;
    path = *usable;
    std::string folder = FolderOf(path);
    if (!folder.empty()) ::SetCurrentDirectoryA(folder.c_str());
    return true;
}
