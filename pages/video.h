#pragma once
// The Video page: six video units, each with a host display device, a video
// driver file and a properties word. The combo and the two buttons act on the
// unit whose radio button is checked; every unit's line shows its state.
#include "framework/controls.h"
#include "framework/handler_table.h"
#include "framework/propertypage.h"
#include <array>
#include <string>

constexpr int VideoUnitCount = 6;

// The fields of a properties word: frame rate in bits 0-7, QD acceleration in
// bit 8, video RAM in MB in bits 16-23. The other bits are reserved.
struct VideoProperties {
    int frameRate;
    int qdAcceleration;
    int videoRAM;
};
VideoProperties UnpackVideoFlags(int flags);
// A word with only the three fields: the reserved bits come out clear.
int PackVideoFlags(const VideoProperties& properties);

class CVideo : public CPropertyPage {
public:
    CVideo();

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

    CButton m_btnProperties;
    CButton m_btnDriver;
    CComboBox m_cmbDevice;
    std::array<std::string, VideoUnitCount> m_strDriver;
    std::array<int, VideoUnitCount> m_nFlags = {};
    // Index into the host's display devices; -1 = the unit is not used.
    std::array<int, VideoUnitCount> m_nDevice = {};
    int m_nUnit = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(UINT id, UINT code) override;

    template <int unit>
    void OnVideoUnit() { SelectUnit(unit); }
    void OnDeviceChange();
    void OnDriver();
    void OnProperties();

private:
    void SelectUnit(int unit);
    void DrawUnitLine(int unit) const;
    std::string DeviceName(int unit) const;
    std::string DeviceDescription(int unit) const;

    static const CommandEntry<CVideo> kCommands[];
};
