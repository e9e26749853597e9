// sheetctl against a sheet of known pages, shown in this process: the same
// messages reach it as reach KORVEX.EXE's sheet from outside.
#include "scripts/sheetctl/sheet.h"

#include <commctrl.h>
#include <prsht.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

const wchar_t* const kTitles[] = {L"General", L"Storage", L"R&AM"};
const int kPages = 3;

// What the pages were told by the sheet, to see which button was pressed.
int g_applied = 0;
int g_reset = 0;

INT_PTR CALLBACK PageProc(HWND, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_NOTIFY) return message == WM_INITDIALOG;
    switch (reinterpret_cast<NMHDR*>(lParam)->code) {
    case PSN_APPLY: ++g_applied; break;
    case PSN_RESET: ++g_reset; break;
    }
    return FALSE;
}

// An empty child dialog: header, then no menu, default class, empty caption.
std::vector<WORD> EmptyPageTemplate() {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
    auto* dialog = reinterpret_cast<DLGTEMPLATE*>(words.data());
    dialog->style = WS_CHILD | WS_CAPTION | DS_CONTROL;
    dialog->cx = 200;
    dialog->cy = 100;
    return words;
}

class SheetControl : public testing::Test {
protected:
    void SetUp() override {
        g_applied = g_reset = 0;
        PROPSHEETPAGEW pages[kPages] = {};
        for (int i = 0; i < kPages; ++i) {
            pages[i].dwSize = sizeof pages[i];
            pages[i].dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
            pages[i].pResource = reinterpret_cast<DLGTEMPLATE*>(m_template.data());
            pages[i].pszTitle = kTitles[i];
            pages[i].pfnDlgProc = PageProc;
        }
        PROPSHEETHEADERW header = {};
        header.dwSize = sizeof header;
        header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_NOAPPLYNOW;
        header.pszCaption = sheetctl::kSheetCaption;
        header.nPages = kPages;
        header.ppsp = pages;
        m_sheet = reinterpret_cast<HWND>(PropertySheetW(&header));
        ASSERT_NE(m_sheet, nullptr);
        ShowWindow(m_sheet, SW_SHOW);
    }
    void TearDown() override {
        if (m_sheet) DestroyWindow(m_sheet);
    }

    std::vector<WORD> m_template = EmptyPageTemplate();
    HWND m_sheet = nullptr;
};

TEST_F(SheetControl, FindsTheSheetOnlyWhileItIsShown) {
    EXPECT_EQ(sheetctl::WaitForSheet(1000), m_sheet);
    ShowWindow(m_sheet, SW_HIDE);
    EXPECT_EQ(sheetctl::FindSheet(), nullptr);
    EXPECT_EQ(sheetctl::WaitForSheet(200), nullptr);
}

TEST_F(SheetControl, CountsAndNamesEveryTab) {
    EXPECT_EQ(sheetctl::PageCount(m_sheet), kPages);
    std::wstring title;
    for (int i = 0; i < kPages; ++i) {
        ASSERT_TRUE(sheetctl::PageTitle(m_sheet, i, title)) << i;
        EXPECT_EQ(title, kTitles[i]);
    }
    EXPECT_FALSE(sheetctl::PageTitle(m_sheet, kPages, title));
    EXPECT_FALSE(sheetctl::PageTitle(m_sheet, -1, title));
}

TEST_F(SheetControl, SelectsPagesByIndex) {
    for (int i : {2, 0, 1}) {
        ASSERT_TRUE(sheetctl::SelectPage(m_sheet, i)) << i;
        HWND current = PropSheet_GetCurrentPageHwnd(m_sheet);
        EXPECT_EQ(PropSheet_HwndToIndex(m_sheet, current), i);
    }
    EXPECT_FALSE(sheetctl::SelectPage(m_sheet, kPages));
}

TEST_F(SheetControl, CancelEndsTheSheetWithoutApplying) {
    sheetctl::SelectPage(m_sheet, 1);  // two pages created, both told of the end
    ASSERT_TRUE(sheetctl::PressCancel(m_sheet));
    EXPECT_EQ(PropSheet_GetCurrentPageHwnd(m_sheet), nullptr);  // a modeless sheet's "ended"
    EXPECT_EQ(g_applied, 0);
    EXPECT_GE(g_reset, 1);
}

}  // namespace
