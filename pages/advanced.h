#pragma once
// The Advanced page: the ROM image the emulated machine boots from, the machine
// model it reports and the startup sound.
#include "framework/controls.h"
#include "framework/handler_table.h"
#include "framework/propertypage.h"
#include <string>

class CAdvanced : public CPropertyPage {
public:
    CAdvanced();

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(UINT id, UINT code) override;

private:
    void OnRomBrowse();
    void OnComboChange();

    CComboBox m_cmbStartupSound;
    CComboBox m_cmbMachine;
    CStatic m_stcRomPath;
    std::string m_strRomPath;

    static const CommandEntry<CAdvanced> kCommands[];
};
