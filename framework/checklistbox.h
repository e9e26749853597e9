#pragma once
// CCheckListBox: an owner-drawn list box with a two-state check box in front of
// each row. A click on the box or the space bar on the focused row toggles it
// and tells the parent with a CLBN_CHKCHANGE command notification. Checks set by
// the program send nothing.
#include "framework/controls.h"

// Command notification code a check-list box sends its parent after the user
// toggled a check.
constexpr UINT CLBN_CHKCHANGE = 40;

class CCheckListBox : public CListBox {
public:
    ~CCheckListBox() override;

    // Subclasses a list box made from a dialog template (owner-drawn fixed rows
    // that keep their strings) and gives its rows the measured height.
    void SubclassWindow(HWND hWnd) override;

    // The check is bit 0 of the row's item data; derived lists may keep flags
    // of their own in the other bits, which a check leaves alone.
    int GetCheck(int index) const;
    void SetCheck(int index, int check) const;
    // Sets the row's item data and redraws the row.
    void SetRowData(int index, LPARAM data) const;

    virtual void DrawItem(DRAWITEMSTRUCT* item);
    virtual void MeasureItem(MEASUREITEMSTRUCT* item);
    virtual int CompareItem(COMPAREITEMSTRUCT* item);

    bool OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // Files dropped onto a list that accepts them (DragAcceptFiles). The
    // handler owns the drop and ends it with DragFinish; this one ignores it.
    virtual void OnDropFiles(HDROP drop);

protected:
    // The width, from the row's left edge, that belongs to the check box.
    int CheckAreaWidth() const;
    // A row whose text is drawn grey, as something not at hand.
    virtual bool IsDimmed(int) const { return false; }

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    bool OnClick(LPARAM point);
    void OnSpace() const;
    void ToggleByUser(int index) const;
    void Unsubclass();
};
