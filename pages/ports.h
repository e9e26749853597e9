#pragma once
// The Ports page: a host serial or printer port for each of the emulated
// machine's two ports. One list serves both; the radio buttons choose which
// port it shows and sets.
#include "framework/controls.h"
#include "framework/handler_table.h"
#include "framework/propertypage.h"
#include "host/port_probe.h"
#include <string>
#include <vector>

// Bit k - 1 set when port k (1 to 4) of the family opens; `firstName` is the
// family's name with digit 1 ("COM1:").
int ProbePortFamily(const PortProbe& opens, const std::string& firstName);
// The names of the ports whose bits are set, serial ones first, each in
// ascending order of number.
std::vector<std::string> FoundPortNames(int serialMask, int printerMask);

class CPorts : public CPropertyPage {
public:
    explicit CPorts(PortProbe opens = PortOpens);

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(UINT id, UINT code) override;

private:
    void OnPortA();
    void OnPortB();
    void OnSelchangeList();
    void ShowDevice(const std::string& device);

    CButton m_btnPortA;
    CStatic m_stcStatus;
    CListBox m_lstDevices;
    int m_nPrinterPorts = 0;
    int m_nSerialPorts = 0;
    std::string m_strPortA;
    std::string m_strPortB;
    PortProbe m_probe;

    static const CommandEntry<CPorts> kCommands[];
};
