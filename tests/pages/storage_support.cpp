#include "tests/pages/storage_support.h"
#include "pages/hardfile_list.h"

void StorageTest::Open(const Rows& stored, std::unique_ptr<CStorage> custom)
{
    sheet.reset();
    DialogTest::SetUp();
    ::SetCurrentDirectoryA(start.c_str());
    for (char letter = 'a'; letter <= 'k'; ++letter) folder.CreateFileOfSize(std::string(1, letter) + ".hfi", 16);
    for (size_t n = 0; n < stored.size(); ++n)
        WriteStringSetting("Volume" + std::to_string(n), stored[n].size() == 1 ? Path(stored[n][0]) : stored[n]);
    page = custom ? std::move(custom) : std::make_unique<CStorage>();
    sheet = std::make_unique<SheetHarness>(std::vector<CPropertyPage*>{page.get()});
    hwnd = page->m_hWnd;
}

void StorageTest::Run(const std::vector<Scenario>& scenarios)
{
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.what);
        Open(s.stored);
        s.act();
        EXPECT_EQ(Listed(), s.listed);
        EXPECT_EQ(sheet->IsApplyEnabled(), s.modified);
        Rows said, checked, volumes;
        for (const MessageBoxRecord& box : TestApp().messageBoxes) said.push_back(Box(box.text, box.type));
        EXPECT_EQ(said, s.said);
        for (int i = 0; i < theHardFileList.GetCount(); ++i)
            if (theHardFileList.GetCheck(i)) checked.push_back(theHardFileList.GetText(i));
        EXPECT_EQ(page->m_nChecked, static_cast<int>(checked.size()));
        sheet->PressOK();
        for (int n = 0; n < 10; ++n) volumes.push_back(ReadStringSetting("Volume" + std::to_string(n)).value_or("?"));
        checked.resize(10);
        EXPECT_EQ(volumes, checked);
    }
}

std::string StorageTest::Listed() const
{
    std::string listed;
    for (int i = 0; i < theHardFileList.GetCount(); ++i) {
        std::string path = theHardFileList.GetText(i);
        const size_t letter = folder.path().size();
        if (path.size() == letter + 5 && path == Path(path[letter])) path = path.substr(letter, 1);
        listed += (i ? " " : "") + std::string(theHardFileList.GetCheck(i) ? "+" : "-") + path;
    }
    return listed;
}

void StorageTest::ClickAt(int id, int x, int y)
{
    ::SendDlgItemMessageA(hwnd, id, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::SendDlgItemMessageA(hwnd, id, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    PumpMessages();
}

void StorageTest::Spin(bool up)
{
    RECT rect;
    ::GetClientRect(::GetDlgItem(hwnd, IDC_STORAGE_SPIN), &rect);
    ClickAt(IDC_STORAGE_SPIN, rect.right / 2, up ? 2 : rect.bottom - 3);
}

void StorageTest::Type(int button, int edit, const char* text)
{
    OnNextModalDialog([this, edit, text](HWND dialog) {
        shown = ControlText(dialog, edit);
        if (text) ::SetDlgItemTextA(dialog, edit, text);
        ::SendMessageA(dialog, WM_COMMAND, text ? IDOK : IDCANCEL, 0);
        if (::IsWindowVisible(dialog)) ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);  // OK refused: end, not hang
    });
    Press(button);
}
