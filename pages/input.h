#pragma once
// The Input page: the keyboard layout, the host key that acts as the Command
// key, what each mouse button does, and the joystick panel whose buttons each
// wait for a key press.
#include "framework/controls.h"
#include "framework/handler_table.h"
#include "framework/propertypage.h"

// The combo item of the 4-bit field at `shift` of a stored value: items 0 to
// `lastItem`, anything beyond them shown as item 0.
int PackedFieldItem(int value, int shift, int lastItem);

class CInput : public CPropertyPage {
public:
    CInput();

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

    int m_bUseDiagonals = 0;  // never loaded or stored
    // The scan code of the last capture, -1 when it ended without a key.
    int m_nCapturedKey = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(UINT id, UINT code) override;

private:
    void OnComboChange();
    void OnUseDiagonals();
    void OnJoystickKey(UINT id);

    CButton m_chkUseDiagonals;
    CComboBox m_cmbMid;
    CComboBox m_cmbRight;
    CComboBox m_cmbLeft;
    CComboBox m_cmbLayout;
    CComboBox m_cmbCmdKey;

    static const CommandEntry<CInput> kCommands[];
    static const CommandRangeEntry<CInput> kRanges[];
};
