#include "tests/pages/storage_support.h"
#include "framework/handles.h"
#include "pages/hardfile_list.h"
#include "res/dlg_storage.h"
#include "tests/support/gui.h"
#include "tests/support/registry.h"
#include "tests/support/test_app.h"

namespace {
void ClickAt(HWND control, int x, int y)
{
    ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    PumpMessages();
}

void ClickInRow(HWND page, int row, int x)
{
    HWND list = ::GetDlgItem(page, IDC_HARDFILE_LIST);
    RECT rect = {};
    ::SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    ClickAt(list, x, (rect.top + rect.bottom) / 2);
}
}  // namespace

void StoragePageTest::SetUp()
{
    DeleteCompanyKey();
    TestApp().ResetScript();
    m_startFolder = CurrentDirectory();
}

void StoragePageTest::TearDown()
{
    ::SetCurrentDirectoryA(m_startFolder.c_str());
    DeleteCompanyKey();
}

void StoragePageTest::StoreVolumes(const Rows& paths)
{
    for (size_t n = 0; n < paths.size(); ++n) WriteStringSetting("Volume" + std::to_string(n), paths[n]);
}

Rows ListRows()
{
    Rows rows;
    for (int i = 0; i < theHardFileList.GetCount(); ++i)
        rows.push_back((theHardFileList.GetCheck(i) ? "+" : "-") + theHardFileList.GetText(i));
    return rows;
}

void ClickCheckBox(HWND page, int row) { ClickInRow(page, row, 8); }
void ClickRow(HWND page, int row) { ClickInRow(page, row, 100); }

void ClickSpin(HWND page, bool upperArrow)
{
    HWND spin = ::GetDlgItem(page, IDC_STORAGE_SPIN);
    RECT rect;
    ::GetClientRect(spin, &rect);
    ClickAt(spin, rect.right / 2, upperArrow ? 2 : rect.bottom - 3);
}

void WriteFilledFile(const std::string& path, size_t size, char fill)
{
    unique_hfile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    std::string content(size, fill);
    DWORD written = 0;
    ::WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
}

long long ZeroFileLength(const std::string& path)
{
    unique_hfile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return -1;
    long long length = 0;
    char buffer[65536];
    DWORD read = 0;
    while (::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
        for (DWORD i = 0; i < read; ++i)
            if (buffer[i] != 0) return -1;
        length += read;
    }
    return length;
}
