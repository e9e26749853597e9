#include "pages/write_progress.h"
#include "framework/ddx.h"
#include "res/dlg_write_progress.h"
#include "res/resource.h"

namespace {
// Repainting costs far more than a block; a few times a second is smooth enough.
constexpr DWORD kRepaintIntervalMs = 100;

void CentreOn(HWND window, HWND owner)
{
    RECT outer, inner;
    if (!owner || !::GetWindowRect(owner, &outer) || !::GetWindowRect(window, &inner)) return;
    int x = outer.left + ((outer.right - outer.left) - (inner.right - inner.left)) / 2;
    int y = outer.top + ((outer.bottom - outer.top) - (inner.bottom - inner.top)) / 2;
    ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DiscardQueuedInput()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {}
    while (::PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {}
}
}  // namespace

std::string WrittenText(int mibWritten, int totalMiB)
{
    return std::to_string(mibWritten) + " of " + std::to_string(totalMiB) + " MB written";
}

CWriteProgressDlg::CWriteProgressDlg(HWND owner, const std::string& path, int totalMiB)
    : CDialog(IDD_WRITE_PROGRESS), m_owner(owner), m_path(path), m_totalMiB(totalMiB)
{
    m_ownerWasEnabled = owner && !::EnableWindow(owner, FALSE);
    if (!Create(IDD_WRITE_PROGRESS, &m_owner)) return;
    CentreOn(m_hWnd, owner);
    ShowWindow(SW_SHOW);
    RepaintNow();
}

CWriteProgressDlg::~CWriteProgressDlg()
{
    // Keys pressed while the sheet was locked would act on it now (an Enter
    // would close it): they were meant for nothing.
    DiscardQueuedInput();
    // The owner first, so that it, not some other program, is activated when
    // this window goes.
    if (m_ownerWasEnabled) ::EnableWindow(m_owner, TRUE);
    DestroyWindow();
}

void CWriteProgressDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROGRESS_BAR, m_progressBar);
}

BOOL CWriteProgressDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_PROGRESS_FILE, m_path);
    m_progressBar.SetRange32(0, m_totalMiB);
    SetDlgItemText(IDC_PROGRESS_AMOUNT, WrittenText(0, m_totalMiB));
    m_lastShownTicks = ::GetTickCount();
    return TRUE;
}

void CWriteProgressDlg::ShowWritten(int mibWritten)
{
    if (!m_hWnd) return;
    DWORD now = ::GetTickCount();
    if (mibWritten < m_totalMiB && now - m_lastShownTicks < kRepaintIntervalMs) return;
    m_lastShownTicks = now;
    m_progressBar.SetPos(mibWritten);
    SetDlgItemText(IDC_PROGRESS_AMOUNT, WrittenText(mibWritten, m_totalMiB));
    RepaintNow();
}

void CWriteProgressDlg::RepaintNow()
{
    // Paint what changed, here and now: the queue is not pumped, so no click or
    // key reaches the page while the file is being written.
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Looking at the queue (without taking anything from it) tells Windows the
    // program is alive, so it does not grey the window out as not responding.
    MSG msg;
    ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
}
