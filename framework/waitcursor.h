#pragma once
#include <windows.h>

// Shows the hourglass for as long as the object lives.
class CWaitCursor {
public:
    CWaitCursor() : m_previous(::SetCursor(::LoadCursor(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { ::SetCursor(m_previous); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    HCURSOR m_previous;
};
