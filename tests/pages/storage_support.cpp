#include "tests/pages/storage_support.h"
#include "pages/hardfile_list.h"
#include "res/dlg_hardfile_size.h"
#include "res/dlg_rename_file.h"
#include "res/dlg_storage.h"
#include "tests/support/registry.h"
#include "tests/support/test_app.h"
#include <fstream>
#include <iterator>

void StoragePageTest::SetUp()
{
    DeleteCompanyKey();
    TestApp().ResetScript();
    m_startFolder = CurrentDirectory();
    a = NewFile("a.hfi");
    b = NewFile("b.hfi");
    c = NewFile("c.hfi");
}

void StoragePageTest::Open(std::unique_ptr<CStorage> custom)
{
    sheet.reset();  // a page outlives the sheet that shows it
    page = custom ? std::move(custom) : std::make_unique<CStorage>();
    sheet = std::make_unique<SheetHarness>(std::initializer_list<CPropertyPage*>{page.get()});
    hwnd = page->m_hWnd;
}

void StoragePageTest::TearDown()
{
    sheet.reset();
    page.reset();
    ::SetCurrentDirectoryA(m_startFolder.c_str());
    DeleteCompanyKey();
}

void StoragePageTest::StoreVolumes(const Rows& paths)
{
    for (size_t n = 0; n < paths.size(); ++n) WriteStringSetting("Volume" + std::to_string(n), paths[n]);
}

Rows StoragePageTest::StoredVolumes()
{
    Rows values;
    for (int n = 0; n < 10; ++n) values.push_back(ReadStringSetting("Volume" + std::to_string(n)).value_or("<absent>"));
    return values;
}

Rows ListRows()
{
    Rows rows;
    for (int i = 0; i < theHardFileList.GetCount(); ++i)
        rows.push_back((theHardFileList.GetCheck(i) ? "+" : "-") + theHardFileList.GetText(i));
    return rows;
}

static void ClickAt(HWND control, int x, int y)
{
    ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    PumpMessages();
}

static void ClickInRow(HWND page, int row, int x)
{
    RECT rect = {};
    ::SendDlgItemMessageA(page, IDC_HARDFILE_LIST, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    ClickAt(::GetDlgItem(page, IDC_HARDFILE_LIST), x, (rect.top + rect.bottom) / 2);
}

void ClickCheckBox(HWND page, int row) { ClickInRow(page, row, 8); }
void ClickRow(HWND page, int row) { ClickInRow(page, row, 100); }

void ClickSpin(HWND page, bool upperArrow)
{
    RECT rect;
    ::GetClientRect(::GetDlgItem(page, IDC_STORAGE_SPIN), &rect);
    ClickAt(::GetDlgItem(page, IDC_STORAGE_SPIN), rect.right / 2, upperArrow ? 2 : rect.bottom - 3);
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void PressOKOrGiveUp(HWND dialog)
{
    ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    if (::IsWindowVisible(dialog)) ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

void RenameTo(HWND page, const std::string& text, std::string* shown)
{
    OnNextModalDialog([text, shown](HWND dialog) {
        if (shown) *shown = ControlText(dialog, IDC_RENAME_NAME);
        ::SetDlgItemTextA(dialog, IDC_RENAME_NAME, text.c_str());
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    ClickButton(page, IDC_STORAGE_RENAME);
}

void NewHardFile(HWND page, const std::string& path, const char* size)
{
    TestApp().AnswerFileDialog(path);
    OnNextModalDialog([size](HWND dialog) {
        if (!size) return (void)::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        ::SetDlgItemTextA(dialog, IDC_HARDFILE_MB, size);
        PressOKOrGiveUp(dialog);
    });
    ClickButton(page, IDC_STORAGE_NEW);
}
