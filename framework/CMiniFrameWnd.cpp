#include "framework/CMiniFrameWnd.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

CMiniFrameWnd::CMiniFrameWnd() : m_dwMiniStyle(0)
{}

CMiniFrameWnd::~CMiniFrameWnd() = default;

BOOL CMiniFrameWnd::Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                           const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName,
                             DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_strTitle = lpWindowName != nullptr ? lpWindowName : "";
    // The mini-frame bits are ours; Windows must not see them as class styles of the window.
    m_dwMiniStyle = dwStyle & (MFS_SYNCACTIVE | MFS_4THICKFRAME | MFS_THICKFRAME | MFS_MOVEFRAME |
                               MFS_BLOCKSYSMENU);
    dwStyle &= ~m_dwMiniStyle;
    if (IsSizable())
        dwStyle |= WS_THICKFRAME;
    if (dwStyle & WS_CAPTION)
        dwExStyle |= WS_EX_TOOLWINDOW; // the small caption
    if (lpClassName == nullptr)
        lpClassName = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
    // A top-level window has no control id: its menu slot must stay empty.
    HMENU hMenuOrId = (dwStyle & WS_CHILD) ? (HMENU)(UINT_PTR)nID : nullptr;
    return CWnd::CreateEx(dwExStyle, lpClassName, lpWindowName, dwStyle, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                          hMenuOrId);
}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    // No client edge and no title decoration: the frame's owner draws what it needs.
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
    cs.style &= ~(FWS_ADDTOTITLE | FWS_PREFIXTITLE);
    return TRUE;
}
