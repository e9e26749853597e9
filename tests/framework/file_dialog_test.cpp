// The system's file dialogs, loaded only when first shown: a wrong library path
// or entry name would make every New, Add and Browse quietly do nothing.
#include <gtest/gtest.h>

#include "framework/filedialog.h"
#include "tests/support/gui.h"

TEST(SystemFileDialog, OpenAndSaveDialogsAppear)
{
    for (BOOL open : {TRUE, FALSE}) {
        CFileDialog dialog(open);
        HWND shown = nullptr;
        OnNextModalDialog([&shown](HWND window) { ::PostMessageA(shown = window, WM_COMMAND, IDCANCEL, 0); });
        EXPECT_EQ(dialog.ShowSystemDialog(), IDCANCEL) << open;
        EXPECT_TRUE(shown) << open;
    }
}
