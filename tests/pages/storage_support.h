#pragma once
// The Storage page driven the way a user drives it, and its list read back.
#include "pages/storage.h"
#include "tests/support/temp_folder.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>

using Rows = std::vector<std::string>;

// Fresh settings and a folder of files for each case; the current directory,
// which the file dialogs move, is put back afterwards.
class StoragePageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string NewFile(const std::string& name, unsigned long long size = 16) { return folder.CreateFileOfSize(name, size); }
    static void StoreVolumes(const Rows& paths);

    TempFolder folder;
    std::string m_startFolder;
};

// The hard-file list as "+path" (checked) and "-path" (unchecked) rows.
Rows ListRows();
void ClickCheckBox(HWND page, int row);
void ClickRow(HWND page, int row);
void ClickSpin(HWND page, bool upperArrow);
void WriteFilledFile(const std::string& path, size_t size, char fill);
// The file's length when every byte of it is zero; -1 otherwise.
long long ZeroFileLength(const std::string& path);
