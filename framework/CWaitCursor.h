// Shows the wait cursor from construction to destruction, for work that keeps the user waiting.
#pragma once
#include <windows.h>

class CWaitCursor
{
public:
    CWaitCursor() : m_hcurOld(::SetCursor(::LoadCursor(nullptr, IDC_WAIT))) {}
    ~CWaitCursor()
    {
        ::SetCursor(m_hcurOld != nullptr ? m_hcurOld : ::LoadCursor(nullptr, IDC_ARROW));
    }
    void Restore() { ::SetCursor(::LoadCursor(nullptr, IDC_WAIT)); }

    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    HCURSOR m_hcurOld;
};
