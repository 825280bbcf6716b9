#include "ui/bars/CTavoPBaseControlBar.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"

IMPLEMENT_DYNAMIC(CTavoPBaseControlBar, CWnd)

CTavoPBaseControlBar::CTavoPBaseControlBar() : m_dwBarStyle(0), m_dwControlBarBehaviour(0)
{}

CTavoPBaseControlBar::~CTavoPBaseControlBar()
{}

BOOL CTavoPBaseControlBar::IsDocked() const
{
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    return pMiniFrame == nullptr || pMiniFrame->GetControlBarCount() != 1;
}

BOOL CTavoPBaseControlBar::IsFloating() const
{
    return !IsDocked();
}

BOOL CTavoPBaseControlBar::CanFloat() const
{
    return (m_dwControlBarBehaviour & TAVOP_CBRS_FLOAT) != 0;
}

CTavoPMiniFrameWnd* CTavoPBaseControlBar::GetParentMiniFrame(BOOL /*bNoAssert*/) const
{
    // Up through the parents only: a top-level window's "parent" would be its owner.
    for (HWND hwnd = GetSafeHwnd();
         hwnd != nullptr && (::GetWindowLong(hwnd, GWL_STYLE) & WS_CHILD);)
    {
        hwnd = ::GetParent(hwnd);
        CTavoPMiniFrameWnd* pMiniFrame =
            DYNAMIC_DOWNCAST(CTavoPMiniFrameWnd, CWnd::FromHandlePermanent(hwnd));
        if (pMiniFrame != nullptr)
            return pMiniFrame;
    }
    return nullptr;
}

BOOL CTavoPBaseControlBar::LoadState(LPCTSTR /*lpszProfileName*/, int /*nIndex*/, UINT /*uiID*/)
{
    return FALSE;
}

BOOL CTavoPBaseControlBar::SaveState(LPCTSTR /*lpszProfileName*/, int /*nIndex*/, UINT /*uiID*/)
{
    return FALSE;
}
