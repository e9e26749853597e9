#pragma once
// Typed wrappers for the standard and common controls the pages use: one
// message per member, named after it.
#include "framework/wnd.h"
#include <commctrl.h>

class CStatic : public CWnd {
public:
    HICON SetIcon(HICON icon) const { return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon))); }
};

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) const { SendMessage(BM_SETCHECK, check); }
    void Click() const { SendMessage(BM_CLICK); }
};

class CEdit : public CWnd {
public:
    void SetSel(int start, int end) const { SendMessage(EM_SETSEL, start, end); }
    void SetLimitText(UINT max) const { SendMessage(EM_LIMITTEXT, max); }
};

class CComboBox : public CWnd {
public:
    int AddString(const std::string& s) const { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()))); }
    int InsertString(int index, const std::string& s) const { return static_cast<int>(SendMessage(CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(s.c_str()))); }
    int DeleteString(int index) const { return static_cast<int>(SendMessage(CB_DELETESTRING, index)); }
    void ResetContent() const { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    // An index outside the list clears the selection (the control's own rule).
    int SetCurSel(int index) const { return static_cast<int>(SendMessage(CB_SETCURSEL, index)); }
    std::string GetLBText(int index) const;
    // First item after `startAfter` whose text begins with `prefix`, ignoring
    // case; the search wraps round to the start. CB_ERR when none does.
    int FindString(int startAfter, const std::string& prefix) const { return static_cast<int>(SendMessage(CB_FINDSTRING, startAfter, reinterpret_cast<LPARAM>(prefix.c_str()))); }
    BOOL GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
    void ShowDropDown(BOOL show = TRUE) const { SendMessage(CB_SHOWDROPDOWN, show); }
};

class CListBox : public CWnd {
public:
    int AddString(const std::string& s) const { return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()))); }
    int InsertString(int index, const std::string& s) const { return static_cast<int>(SendMessage(LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(s.c_str()))); }
    int DeleteString(int index) const { return static_cast<int>(SendMessage(LB_DELETESTRING, index)); }
    void ResetContent() const { SendMessage(LB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(SendMessage(LB_SETCURSEL, index)); }
    std::string GetText(int index) const;
    // As CComboBox::FindString; LB_ERR when no item matches.
    int FindString(int startAfter, const std::string& prefix) const { return static_cast<int>(SendMessage(LB_FINDSTRING, startAfter, reinterpret_cast<LPARAM>(prefix.c_str()))); }
    int GetItemHeight(int index) const { return static_cast<int>(SendMessage(LB_GETITEMHEIGHT, index)); }
    int SetItemHeight(int index, UINT height) const { return static_cast<int>(SendMessage(LB_SETITEMHEIGHT, index, MAKELPARAM(height, 0))); }
    LRESULT GetItemData(int index) const { return SendMessage(LB_GETITEMDATA, index); }
    int SetItemData(int index, LPARAM data) const { return static_cast<int>(SendMessage(LB_SETITEMDATA, index, data)); }
    BOOL GetItemRect(int index, RECT* rect) const { return SendMessage(LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(rect)) != LB_ERR; }
};

class CSpinButtonCtrl : public CWnd {
public:
    // The 32-bit range messages: a 16-bit range cannot hold large free-space figures.
    void SetRange32(int lower, int upper) const { SendMessage(UDM_SETRANGE32, lower, upper); }
    void GetRange32(int& lower, int& upper) const { SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper)); }
    int GetPos32() const { return static_cast<int>(SendMessage(UDM_GETPOS32)); }
    int SetPos32(int pos) const { return static_cast<int>(SendMessage(UDM_SETPOS32, 0, pos)); }
};

class CProgressCtrl : public CWnd {
public:
    void SetRange32(int lower, int upper) const { SendMessage(PBM_SETRANGE32, lower, upper); }
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
    int SetPos(int pos) const { return static_cast<int>(SendMessage(PBM_SETPOS, pos)); }
};

class CSliderCtrl : public CWnd {
public:
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
    void SetPos(int pos) const { SendMessage(TBM_SETPOS, TRUE, pos); }
    void SetRange(int min, int max, BOOL redraw = FALSE) const { SendMessage(TBM_SETRANGE, redraw, MAKELPARAM(min, max)); }
    int GetRangeMin() const { return static_cast<int>(SendMessage(TBM_GETRANGEMIN)); }
    int GetRangeMax() const { return static_cast<int>(SendMessage(TBM_GETRANGEMAX)); }
};
