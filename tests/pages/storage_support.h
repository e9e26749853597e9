#pragma once
// The Storage page driven the way a user drives it, and its list read back.
#include "pages/storage.h"
#include "tests/support/gui.h"
#include "tests/support/temp_folder.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using Rows = std::vector<std::string>;

// Fresh settings and a folder with the files a, b and c for each case; the
// current directory, which the file dialogs move, is put back afterwards.
class StoragePageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string NewFile(const std::string& name, unsigned long long size = 16) { return folder.CreateFileOfSize(name, size); }
    static void StoreVolumes(const Rows& paths);
    static Rows StoredVolumes();  // all ten, "<absent>" for a missing value
    // Shows the page (a CStorage unless given) on a sheet of its own.
    void Open(std::unique_ptr<CStorage> custom = nullptr);

    TempFolder folder;
    std::string a, b, c;
    std::unique_ptr<CStorage> page;
    std::unique_ptr<SheetHarness> sheet;
    HWND hwnd = nullptr;  // the page's dialog

private:
    std::string m_startFolder;
};

// The hard-file list as "+path" (checked) and "-path" (unchecked) rows.
Rows ListRows();
void ClickCheckBox(HWND page, int row);
void ClickRow(HWND page, int row);
void ClickSpin(HWND page, bool upperArrow);
std::string ReadWholeFile(const std::string& path);
// OK, then Cancel if OK was refused: a failing test must end, not hang.
void PressOKOrGiveUp(HWND dialog);
// Rename with `text` typed in its dialog; `shown` receives what the dialog showed.
void RenameTo(HWND page, const std::string& text, std::string* shown = nullptr);
// New with the save dialog answering `path` and the size dialog `size` (cancelled when null).
void NewHardFile(HWND page, const std::string& path, const char* size);
