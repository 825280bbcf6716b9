#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"

BEGIN_MESSAGE_MAP(CTavoPFrameWnd, CFrameWnd)
    TAVOP_LIBRARY_FRAME_MESSAGES()
    ON_WM_ACTIVATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_SIZING()
    ON_WM_SIZE()
    ON_WM_ACTIVATEAPP()
    ON_WM_WINDOWPOSCHANGED()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPFrameWnd, CFrameWnd)

CTavoPFrameWnd::CTavoPFrameWnd() = default;

CTavoPFrameWnd::~CTavoPFrameWnd() = default;

// ---- menus

void CTavoPFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CFrameWnd::OnUpdateFrameMenu(hMenuAlt);
    CTavoPMenuBar* pMenuBar = m_Impl.GetMenuBar();
    if (pMenuBar != NULL && ::IsWindow(pMenuBar->GetSafeHwnd()) &&
        (pMenuBar->GetStyle() & WS_VISIBLE) != 0)
        SetMenu(NULL);
}

void CTavoPFrameWnd::DelayUpdateFrameMenu(HMENU hMenuAlt)
{
    OnUpdateFrameMenu(hMenuAlt);
    CFrameWnd::DelayUpdateFrameMenu(hMenuAlt);
}

// ---- handlers

void CTavoPFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    if (nState != WA_INACTIVE)
        CTavoPFrameImpl::SetLastActiveFrame(this);
    if (nState == WA_INACTIVE)
    {
        if (!CTavoPToolBar::IsCustomizeMode())
            m_Impl.DeactivateMenu();
    }
    else if (nState == WA_CLICKACTIVE)
        UpdateWindow();
}

void CTavoPFrameWnd::OnClose()
{
    m_Impl.OnCloseFrame();
    CFrameWnd::OnClose();
}

void CTavoPFrameWnd::OnDestroy()
{
    // Children first, while the frame and its dock manager still exist.
    DestroyFrameParts();
    CFrameWnd::OnDestroy();
}

void CTavoPFrameWnd::OnSizing(UINT nSide, LPRECT lpRect)
{
    Default();
    AdjustDockingLayout();
}

void CTavoPFrameWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    Default();
    // Brought to the front (shown, activated, raised), the frame keeps its floating bars in
    // front of it, as the platform does for owned windows.
    if (lpwndpos != NULL && (lpwndpos->flags & (SWP_NOZORDER | SWP_SHOWWINDOW)) != SWP_NOZORDER)
        m_dockManager.KeepMiniFramesAbove();
}

LRESULT CTavoPFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    m_dockManager.SendMessageToMiniFrames(WM_IDLEUPDATECMDUI);
    // The platform may raise the frame over its floating bars where it thinks the frame was
    // uncovered (Wine without a window manager does): at rest they are in front again.
    m_dockManager.KeepMiniFramesAbove();
    return 0L;
}
