#include "ui/bars/CTavoPBaseControlBar.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"

BEGIN_MESSAGE_MAP(CTavoPBaseControlBar, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPBaseControlBar, CWnd)

CTavoPBaseControlBar::CTavoPBaseControlBar()
    : m_dwEnabledAlignment(0), m_dwBarStyle(0), m_dwControlBarBehaviour(0)
{}

CTavoPBaseControlBar::~CTavoPBaseControlBar()
{}

BOOL CTavoPBaseControlBar::IsDocked() const
{
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    return pMiniFrame == nullptr || pMiniFrame->GetControlBarCount() != 1;
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

CFrameWnd* CTavoPBaseControlBar::GetDockSiteFrame() const
{
    return GetParentFrame();
}

void CTavoPBaseControlBar::SetCurrentAlignment(DWORD dwAlignment)
{
    m_dwBarStyle = (m_dwBarStyle & ~CBRS_ALIGN_ANY) | (dwAlignment & CBRS_ALIGN_ANY);
}

CSize CTavoPBaseControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CSize(0, 0);
}

void CTavoPBaseControlBar::Serialize(CArchive& ar)
{
    CWnd::Serialize(ar);
}

void CTavoPBaseControlBar::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

LRESULT CTavoPBaseControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    if ((GetStyle() & WS_VISIBLE) == 0)
        return 0;
    CFrameWnd* pTarget = (CFrameWnd*)GetOwner();
    if (pTarget == NULL || !pTarget->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        pTarget = GetParentFrame();
    if (pTarget != NULL)
        OnUpdateCmdUI(pTarget, (BOOL)wParam);
    return 0;
}
