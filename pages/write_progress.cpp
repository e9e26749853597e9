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

// Clicks and keys that reach the locked sheet were meant for nothing: they are
// taken off the queue and dropped, so that none acts on the sheet once it is
// enabled again (a click on Cancel would close it, Enter would press OK).
void DropInput()
{
    // All input by its kind (PM_QS_INPUT), not by ranges of messages. Wine
    // turns the X server's events into messages only when a look finds nothing
    // waiting that it matches (a look at everything found the sheet's pending
    // repaint), and then hit-tests each click against the sheet as it is now:
    // locked, so the click is dropped. A look for keys brought clicks in that
    // it passed over, and the look for mouse messages after it did not find
    // them again: they waited for the sheet to be enabled, then pressed Cancel.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_INPUT)) {}
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
    DropInput();
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
    // Dropped as they come, not queued. Reading the queue also tells Windows the
    // program is alive, so it does not grey the window out as not responding.
    DropInput();
}
