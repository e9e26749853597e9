#include "pages/hardfile_list.h"
#include <optional>

CHardFileListBox theHardFileList;

namespace {
constexpr UINT kRowHeight = 20;
// Item-data bit beside the check (bit 0).
constexpr LPARAM kMissingBit = 2;

// The text in the ANSI code page, when that holds every one of its characters:
// no best-fit look-alikes, which would name another file.
std::optional<std::string> ExactAnsi(const wchar_t* text)
{
    const bool utf8 = ::GetACP() == CP_UTF8;  // holds everything; takes no flags
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL lossy = FALSE;
    int size = ::WideCharToMultiByte(CP_ACP, flags, text, -1, nullptr, 0, nullptr, utf8 ? nullptr : &lossy);
    if (size <= 0 || lossy) return std::nullopt;
    std::vector<char> ansi(size);
    if (!::WideCharToMultiByte(CP_ACP, flags, text, -1, ansi.data(), size, nullptr, utf8 ? nullptr : &lossy) || lossy)
        return std::nullopt;
    return std::string(ansi.data());
}

// Paths are kept and stored as ANSI strings, which the emulator reads. A path
// the code page cannot spell is reached through its short name, if it has one.
std::optional<std::string> AnsiPathOf(const wchar_t* path)
{
    if (std::optional<std::string> exact = ExactAnsi(path)) return exact;
    DWORD length = ::GetShortPathNameW(path, nullptr, 0);
    if (length == 0) return std::nullopt;
    std::vector<wchar_t> shortPath(length);
    DWORD written = ::GetShortPathNameW(path, shortPath.data(), length);
    if (written == 0 || written >= length) return std::nullopt;
    return ExactAnsi(shortPath.data());
}
}  // namespace

void CHardFileListBox::DrawItem(DRAWITEMSTRUCT* item)
{
    CCheckListBox::DrawItem(item);
}

void CHardFileListBox::MeasureItem(MEASUREITEMSTRUCT* item)
{
    item->itemHeight = kRowHeight;
}

int CHardFileListBox::CompareItem(COMPAREITEMSTRUCT*)
{
    return 0;
}

bool CHardFileListBox::IsMissing(int index) const
{
    LRESULT data = GetItemData(index);
    return data != LB_ERR && (data & kMissingBit);
}

void CHardFileListBox::SetMissing(int index, bool missing) const
{
    LRESULT data = GetItemData(index);
    if (data != LB_ERR) SetRowData(index, missing ? data | kMissingBit : data & ~kMissingBit);
}

void CHardFileListBox::OnDropFiles(HDROP drop)
{
    m_droppedFiles.clear();
    const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::vector<wchar_t> path(::DragQueryFileW(drop, i, nullptr, 0) + 1);
        if (!::DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size()))) continue;
        if (std::optional<std::string> ansi = AnsiPathOf(path.data())) m_droppedFiles.push_back(*ansi);
    }
    ::DragFinish(drop);
    ::SendMessageA(GetParent(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), HFLN_DROPFILES), reinterpret_cast<LPARAM>(m_hWnd));
    m_droppedFiles.clear();
}
