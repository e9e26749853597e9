#include "pages/video_props_dlg.h"
#include "framework/ddx.h"
#include "res/dlg_video.h"
#include "res/resource.h"

namespace {
constexpr int kFastestPosition = 1;  // 60 frames per second
constexpr int kSlowestPosition = 6;  // 10 frames per second
constexpr int kSlowestFrameRate = 10;
constexpr int kMinVideoRAM = 2;
constexpr int kMaxVideoRAM = 8;
}  // namespace

CVideoPropsDlg::CVideoPropsDlg(CWnd* parent) : CDialog(IDD_VIDEO_PROPS, parent) {}

void CVideoPropsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROPS_DEVICE, m_stcDevice);
    DDX_Control(pDX, IDC_PROPS_FPS, m_stcFrameRate);
    DDX_Control(pDX, IDC_PROPS_RAM_SPIN, m_spinRAM);
    DDX_Control(pDX, IDC_PROPS_FPS_SLIDER, m_sldFrameRate);
    DDX_Check(pDX, IDC_PROPS_QD, m_nQDAcceleration);
    DDX_Text(pDX, IDC_PROPS_RAM, m_nVideoRAM);
    DDV_MinMaxInt(pDX, m_nVideoRAM, kMinVideoRAM, kMaxVideoRAM);
}

BOOL CVideoPropsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_spinRAM.SetRange32(kMinVideoRAM, kMaxVideoRAM);
    m_sldFrameRate.SetRange(kFastestPosition, kSlowestPosition);
    if (m_nFrameRate < kSlowestFrameRate) m_nFrameRate = kSlowestFrameRate;
    // A rate that is not one of the six keeps its value until the track bar
    // moves; above 60 the track bar clamps to its fastest end.
    m_sldFrameRate.SetPos(60 / m_nFrameRate);
    ShowFrameRate();
    m_stcDevice.SetWindowText(m_strDescription);
    return TRUE;
}

void CVideoPropsDlg::OnHScroll(UINT, UINT, HWND)
{
    int position = m_sldFrameRate.GetPos();
    if (position < kFastestPosition) return;
    m_nFrameRate = 60 / position;
    ShowFrameRate();
}

void CVideoPropsDlg::ShowFrameRate()
{
    m_stcFrameRate.SetWindowText(std::to_string(m_nFrameRate));
}
