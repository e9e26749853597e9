#include "framework/mnemonic.h"
#include <cstring>

namespace {
// Captions are ASCII (the resources are kept so); other characters match as they are.
WPARAM Folded(WPARAM letter) { return letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter; }
}  // namespace

char MnemonicOf(const char* caption)
{
    for (const char* mark = caption; (mark = std::strchr(mark, '&')) != nullptr; mark += 2)
        if (mark[1] != '&') return mark[1];
    return 0;
}

// Each window's mnemonics are distinct (a test holds them so), so the first
// match in window order is the one the dialog manager would find from any focus.
bool PressMnemonic(HWND dialog, HWND manager, WPARAM letter)
{
    for (HWND control = ::GetWindow(dialog, GW_CHILD); control; control = ::GetWindow(control, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(control) || !::IsWindowEnabled(control)) continue;
        const LONG style = ::GetWindowLongA(control, GWL_STYLE);
        const LRESULT kind = ::SendMessageA(control, WM_GETDLGCODE, 0, 0);
        // Group boxes answer as labels do, and have no use for the bit of SS_NOPREFIX.
        const bool label = (kind & DLGC_STATIC) != 0;
        if (!(label || (kind & DLGC_BUTTON)) || (label && (style & SS_NOPREFIX))) continue;
        char caption[128] = {};
        ::GetWindowTextA(control, caption, sizeof caption);
        const char mark = MnemonicOf(caption);
        if (mark == 0 || Folded(static_cast<unsigned char>(mark)) != Folded(letter)) continue;
        if (label) {
            ::SendMessageA(manager, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
            ::SendMessageA(manager, WM_NEXTDLGCTL, 0, FALSE);
        } else {
            ::SendMessageA(control, BM_CLICK, 0, 0);
        }
        return true;
    }
    return false;
}
