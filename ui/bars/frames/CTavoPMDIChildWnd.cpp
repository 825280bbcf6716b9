#include "ui/bars/frames/CTavoPMDIChildWnd.h"
#include "ui/bars/CTavoPBaseControlBar.h"
#include "ui/bars/frames/CTavoPMDIFrameWnd.h"
#include "ui/bars/frames/CTavoPMainClientAreaWnd.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"

BEGIN_MESSAGE_MAP(CTavoPMDIChildWnd, CMDIChildWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_MDIACTIVATE, OnMDIActivate)
    ON_WM_SIZE()
    ON_WM_SIZING()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_SETICON, OnSetText)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPMDIChildWnd, CMDIChildWnd)

namespace {

// Activation of one document deactivates another inside the framework's handler: only the
// outer call reaches the framework.
BOOL g_bInMDIActivate = FALSE;

}

CTavoPMDIChildWnd::CTavoPMDIChildWnd() : m_pMDIFrame(NULL), m_bToBeDestroyed(FALSE)
{}

CTavoPMDIChildWnd::~CTavoPMDIChildWnd() = default;

// ---- creation

BOOL CTavoPMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    m_dockManager.SetDockSite(this);
    return CMDIChildWnd::PreCreateWindow(cs);
}

int CTavoPMDIChildWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMDIChildWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pMDIFrame = DYNAMIC_DOWNCAST(CTavoPMDIFrameWnd, GetMDIFrame());
    return 0;
}

// ---- what the tabs show

CTavoPMainClientAreaWnd* CTavoPMDIChildWnd::GetClientArea() const
{
    CTavoPMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CTavoPMDIFrameWnd, GetMDIFrame());
    return pFrame != NULL ? &pFrame->GetMDIClientArea() : NULL;
}

CString CTavoPMDIChildWnd::GetFrameText() const
{
    CString strText;
    GetWindowText(strText);
    return strText;
}

HICON CTavoPMDIChildWnd::GetFrameIcon() const
{
    HICON hIcon = (HICON)::SendMessage(m_hWnd, WM_GETICON, ICON_SMALL, 0);
    if (hIcon == NULL)
        hIcon = (HICON)::GetClassLongPtr(m_hWnd, GCLP_HICONSM);
    return hIcon;
}

void CTavoPMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CMDIChildWnd::OnUpdateFrameTitle(bAddToTitle);
    if (CTavoPMainClientAreaWnd* pClientArea = GetClientArea())
        pClientArea->UpdateTabs();
}

LRESULT CTavoPMDIChildWnd::OnSetText(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    if (CTavoPMainClientAreaWnd* pClientArea = GetClientArea())
        pClientArea->UpdateTabs();
    return lResult;
}

// ---- docking inside the document window

void CTavoPMDIChildWnd::DockControlBar(CTavoPBaseControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    if (pBar == NULL)
        return;
    if (pBar->CanFloat() || pBar->HasBehaviour4())
    {
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        m_dockManager.DockControlBar(pBar, nDockBarID, lpRect);
    }
    else
        m_dockManager.AddControlBar(pBar, TRUE);
}

void CTavoPMDIChildWnd::AdjustDockingLayout(HDWP hdwp)
{
    if (m_dockManager.IsInAdjustLayout())
        return;
    m_dockManager.AdjustDockingLayout(hdwp);
    PlaceView(m_dockManager.GetClientAreaBounds());
}

void CTavoPMDIChildWnd::PlaceClientArea()
{
    if (!TavoPPlacePreviewView(this, m_dockManager))
        PlaceView(m_dockManager.GetClientAreaBounds());
}

void CTavoPMDIChildWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout || m_hWnd == NULL)
        return;
    CMDIChildWnd::RecalcLayout(bNotify);
    m_bInRecalcLayout = TRUE;
    m_dockManager.RecalcAllBars();
    PlaceClientArea();
    m_bInRecalcLayout = FALSE;
}

// ---- keys, activation, size

BOOL CTavoPMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    // While a popup menu of the library frame is open, keys belong to it: the frame's
    // pre-translation hands them over.
    CTavoPPopupMenu* pPopup = CTavoPPopupMenu::GetActiveMenu();
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_pMDIFrame != NULL &&
        pPopup != NULL && ::IsWindow(pPopup->GetSafeHwnd()))
        return FALSE;
    return CMDIChildWnd::PreTranslateMessage(pMsg);
}

LRESULT CTavoPMDIChildWnd::OnMDIActivate(WPARAM, LPARAM lParam)
{
    const BOOL bActivate = (HWND)lParam == m_hWnd;
    // Floating bars of a document show only while it is the active one.
    m_dockManager.ShowFloatingFrames(bActivate);
    if (g_bInMDIActivate)
        return 0;
    g_bInMDIActivate = TRUE;
    const LRESULT lResult = Default();
    g_bInMDIActivate = FALSE;
    if (bActivate)
    {
        if (CTavoPMainClientAreaWnd* pClientArea = GetClientArea())
            pClientArea->SetActiveTab(m_hWnd);
    }
    return lResult;
}

void CTavoPMDIChildWnd::ActivateFrame(int nCmdShow)
{
    // One repaint of the MDI client when the activation has finished, not one per step.
    CMDIFrameWnd* pFrame = GetMDIFrame();
    HWND hwndClient = pFrame != NULL ? pFrame->m_hWndMDIClient : NULL;
    if (hwndClient != NULL)
        ::SendMessage(hwndClient, WM_SETREDRAW, FALSE, 0);
    CMDIChildWnd::ActivateFrame(nCmdShow);
    if (hwndClient != NULL && ::IsWindow(hwndClient))
    {
        ::SendMessage(hwndClient, WM_SETREDRAW, TRUE, 0);
        ::RedrawWindow(hwndClient, NULL, NULL,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

void CTavoPMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    CMDIChildWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        AdjustDockingLayout();
    if (CTavoPMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CTavoPMDIFrameWnd, GetMDIFrame()))
        pFrame->UpdateMenuBarMaximizeMode();
}

void CTavoPMDIChildWnd::OnDestroy()
{
    CTavoPMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CTavoPMDIFrameWnd, GetMDIFrame());
    // The document's floating bars go with it.
    TavoPDestroyMiniFrames(m_dockManager);
    DestroyFrameParts();
    CMDIChildWnd::OnDestroy();
    // The menu bar must not keep the buttons of a window that is going.
    if (pFrame != NULL)
        pFrame->PostMessage(WM_IDLEUPDATECMDUI);
}
