#pragma once
// The Video Device Properties dialog: frame rate, video RAM and QD acceleration
// of one video unit. The caller fills the members, runs it and, after OK, reads
// them back; it touches no setting itself.
#include "framework/controls.h"
#include "framework/dialog.h"
#include <string>

class CVideoPropsDlg : public CDialog {
public:
    explicit CVideoPropsDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnHScroll(UINT code, UINT pos, HWND scrollBar) override;

    CStatic m_stcDevice;
    CStatic m_stcFrameRate;
    CSpinButtonCtrl m_spinRAM;
    CSliderCtrl m_sldFrameRate;
    int m_nQDAcceleration = 0;
    int m_nVideoRAM = 0;
    int m_nFrameRate = 0;  // frames per second: 60 / the track bar's position
    std::string m_strDescription;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void ShowFrameRate();
};
