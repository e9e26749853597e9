#pragma once
// The Storage page on a sheet of its own, driven the way a user drives it. Each
// opening finds the files a.hfi to k.hfi, named by their letter: "+a -b" is a
// list of a.hfi checked and b.hfi unchecked.
#include "pages/storage.h"
#include "res/dlg_hardfile_size.h"
#include "res/dlg_rename_file.h"
#include "res/dlg_storage.h"
#include "tests/support/gui.h"
#include "tests/support/temp_folder.h"
#include <memory>

using Rows = std::vector<std::string>;

// What the user does on the page opened on the volumes `stored` (a letter
// stands for its file), and what must follow.
struct Scenario {
    std::string what;
    Rows stored;
    std::function<void()> act;
    std::string listed;
    bool modified;
    Rows said;  // the message boxes, as Box() spells them
};

class StorageTest : public DialogTest {
protected:
    void Open(const Rows& stored, std::unique_ptr<CStorage> custom = nullptr);
    // Each scenario, then what holds after any: the count of checked entries is
    // right, and OK stores the checked entries in list order.
    void Run(const std::vector<Scenario>& scenarios);
    std::string Path(char letter) const { return folder.File(std::string(1, letter) + ".hfi"); }
    std::string Listed() const;
    static std::string Box(const std::string& text, UINT type) { return text + " #" + std::to_string(type); }
    void ClickAt(int id, int x, int y);
    // On a row's text, or on its check box; rows are 20 pixels high.
    void Click(int row, bool onBox = false) { ClickAt(IDC_HARDFILE_LIST, onBox ? 8 : 100, row * 20 + 10); }
    void Spin(bool up);
    void Space() { ::SendDlgItemMessageA(hwnd, IDC_HARDFILE_LIST, WM_KEYDOWN, VK_SPACE, 0); }
    void Press(int id) { ClickButton(hwnd, id); }
    // Presses `button`, then types `text` into `edit` of the dialog that opens and
    // presses OK (Cancel when null); `shown` receives what the edit showed.
    void Type(int button, int edit, const char* text);
    void Rename(const std::string& to) { Type(IDC_STORAGE_RENAME, IDC_RENAME_NAME, to.c_str()); }
    void New(const std::string& path, const char* size)
    {
        TestApp().AnswerFileDialog(path), Type(IDC_STORAGE_NEW, IDC_HARDFILE_MB, size);
    }

    TempFolder folder;
    const std::string start = CurrentDirectory();  // which the file dialogs move
    std::unique_ptr<CStorage> page;
    std::unique_ptr<SheetHarness> sheet;  // goes first: a page outlives the sheet that shows it
    HWND hwnd = nullptr;
    std::string shown;
};
