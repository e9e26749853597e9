// An exception thrown by a handler stops at the window procedure that called it,
// rather than unwinding through the system's frames to whoever sent the message
// (as Wine lets it) or ending the program.
#include <gtest/gtest.h>

#include "framework/checklistbox.h"
#include "res/resource.h"
#include "tests/support/gui.h"
#include <stdexcept>
#include <utility>

namespace {
struct FailingList : CCheckListBox {
    bool failNext = false;
    void OnDropFiles(HDROP) override
    {
        if (std::exchange(failNext, false)) throw std::runtime_error("a drop that failed");
    }
};

struct FailingPage : CPropertyPage {
    bool failNext = false;
    FailingPage() : CPropertyPage(IDD_INPUT) {}
    BOOL OnCommand(UINT, UINT) override
    {
        if (std::exchange(failNext, false)) throw std::bad_alloc();
        return FALSE;
    }
};
using WindowProcedure = DialogTest;
}  // namespace

// Each of the framework's procedures, with a handler of its own that throws:
// the page's dialog procedure, the sheet's and the check-list box's subclass
// procedures. The sender goes on, and so does the window.
TEST_F(WindowProcedure, StopsTheExceptionOfAHandler)
{
    FailingPage page;
    SheetHarness sheet({&page});
    FailingList list;
    list.SubclassWindow(::CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 0, 0, 100,
                                          100, page.m_hWnd, nullptr, nullptr, nullptr));
    HELPINFO help = {sizeof help, HELPINFO_WINDOW};
    const struct { const char* procedure; bool& failNext; HWND window; UINT msg; LPARAM lParam; } rows[] = {
        {"page", page.failNext, page.m_hWnd, WM_COMMAND, 0},
        {"sheet", TestApp().failNextCommand, sheet.hwnd(), WM_HELP, reinterpret_cast<LPARAM>(&help)},
        {"check-list box", list.failNext, list.m_hWnd, WM_DROPFILES, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.procedure);
        r.failNext = true;
        ::SendMessageA(r.window, r.msg, 0, r.lParam);
        EXPECT_FALSE(r.failNext) << "the handler did not run";
    }
    EXPECT_EQ(::SendMessageA(list.m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("row")), 0);
    EXPECT_EQ(::SendMessageA(sheet.hwnd(), PSM_GETCURRENTPAGEHWND, 0, 0), reinterpret_cast<LRESULT>(page.m_hWnd));
}
