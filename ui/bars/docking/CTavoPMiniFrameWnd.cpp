#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/CTavoPControlBar.h"
#include "ui/bars/TavoPBarStatics.h"
#include "ui/bars/TavoPWindowClass.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"

BEGIN_MESSAGE_MAP(CTavoPMiniFrameWnd, CWnd)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_CAPTURECHANGED()
    ON_WM_CHAR()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_WM_NCDESTROY()
    ON_REGISTERED_MESSAGE(TavoPCheckEmptyMiniFrameMessage(), OnCheckEmptyMiniFrame)
END_MESSAGE_MAP()

IMPLEMENT_SERIAL(CTavoPMiniFrameWnd, CWnd, VERSIONABLE_SCHEMA | 2)

CTavoPMiniFrameWnd::CTavoPMiniFrameWnd()
    : m_bIgnoreNextMove(false), m_bActive(FALSE),
      m_nCaptionHeight(::GetSystemMetrics(SM_CYSMCAPTION)), m_hEmbeddedBar(NULL), m_bMoving(false),
      m_bKeepWhenEmpty(FALSE), m_hDockSite(NULL), m_hWndTearOffSource(NULL),
      m_rectRecentFloatingRect(0, 0, 100, 100), m_ptLast(0, 0), m_bAutoDelete(FALSE)
{}

CTavoPMiniFrameWnd::~CTavoPMiniFrameWnd() = default;

UINT CTavoPMiniFrameWnd::GetCheckEmptyMessage()
{
    return TavoPCheckEmptyMiniFrameMessage();
}

// ---- creation

BOOL CTavoPMiniFrameWnd::Create(LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                                CWnd* pParentWnd, CCreateContext* pContext)
{
    return CreateEx(0, lpszWindowName, dwStyle, rect, pParentWnd, pContext);
}

BOOL CTavoPMiniFrameWnd::CreateEx(DWORD dwStyleEx, LPCTSTR lpszWindowName, DWORD dwStyle,
                                  const RECT& rect, CWnd* pParentWnd, CCreateContext* pContext)
{
    const CString strClassName = TavoPRegisterWindowClass(
        "TavoMiniWrame", CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    // The frame draws its own border and caption: the platform must not add its own.
    dwStyle &= ~(WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME);
    dwStyle |= WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (!CWnd::CreateEx(dwStyleEx | WS_EX_TOOLWINDOW, strClassName,
                        lpszWindowName != NULL ? lpszWindowName : "", dwStyle, rect, pParentWnd, 0,
                        pContext))
        return FALSE;
    m_bAutoDelete = TRUE;
    CFrameWnd* pDockSite = pParentWnd != NULL && pParentWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))
                               ? (CFrameWnd*)pParentWnd
                               : FindOwningFrame(pParentWnd);
    m_hDockSite = pDockSite->GetSafeHwnd();
    CTavoPDockManager* pManager = GetDockingUtils().GetDockManager(pDockSite);
    if (pManager != NULL)
        pManager->AddMiniFrame(this);
    TavoPFloatingFrameList().push_back(m_hWnd);
    return TRUE;
}

void CTavoPMiniFrameWnd::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

CWnd* CTavoPMiniFrameWnd::GetDockSite() const
{
    return m_hDockSite != NULL ? CWnd::FromHandle(m_hDockSite) : NULL;
}

CFrameWnd* CTavoPMiniFrameWnd::GetDockSiteFrame() const
{
    if (m_hDockSite == NULL || !::IsWindow(m_hDockSite))
        return NULL;
    return DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(m_hDockSite));
}

// ---- the hosted bar

BOOL CTavoPMiniFrameWnd::AddRemoveBarFromGlobalList(CTavoPBaseControlBar* pBar, BOOL bAdd)
{
    if (pBar == NULL)
        return TRUE;
    const UINT nID = (UINT)pBar->GetDlgCtrlID();
    if (nID == (UINT)-1)
        return TRUE;
    auto& registry = TavoPFloatingBarRegistry();
    if (bAdd)
    {
        registry[nID] = pBar->GetSafeHwnd();
    }
    else
    {
        auto it = registry.find(nID);
        if (it != registry.end() && it->second == pBar->GetSafeHwnd())
            registry.erase(it);
    }
    return TRUE;
}

CTavoPBaseControlBar* CTavoPMiniFrameWnd::FindFloatingBarByID(UINT nID)
{
    auto& registry = TavoPFloatingBarRegistry();
    auto it = registry.find(nID);
    if (it == registry.end() || !::IsWindow(it->second))
        return NULL;
    return DYNAMIC_DOWNCAST(CTavoPBaseControlBar, CWnd::FromHandlePermanent(it->second));
}

BOOL CTavoPMiniFrameWnd::CanBeAttachedTo(CTavoPBaseControlBar* pDockingBar)
{
    CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, GetControlBar());
    return pDockingBar != NULL && pBar != NULL && pDockingBar->CanAcceptBar(pBar);
}

void CTavoPMiniFrameWnd::AddControlBar(CTavoPBaseControlBar* pBar)
{
    if (pBar == NULL || m_hEmbeddedBar == pBar->GetSafeHwnd())
        return;
    m_hEmbeddedBar = pBar->GetSafeHwnd();
    CString strTitle;
    pBar->GetWindowText(strTitle);
    SetWindowText(strTitle);
    SendMessage(WM_SETICON, ICON_SMALL, pBar->SendMessage(WM_GETICON, ICON_SMALL, 0));
    SendMessage(WM_SETICON, ICON_BIG, pBar->SendMessage(WM_GETICON, ICON_BIG, 0));
    AddRemoveBarFromGlobalList(pBar, TRUE);
}

void CTavoPMiniFrameWnd::RemoveControlBar(CTavoPBaseControlBar* pBar, BOOL bDestroy,
                                          BOOL bKeepWhenEmpty)
{
    m_bKeepWhenEmpty = bKeepWhenEmpty;
    AddRemoveBarFromGlobalList(pBar, FALSE);
    if (pBar != NULL && m_hEmbeddedBar == pBar->GetSafeHwnd())
        m_hEmbeddedBar = NULL;
    if (GetControlBarCount() > 0)
        return;
    if (bDestroy)
        DestroyWindow();
    else
        PostMessage(TavoPCheckEmptyMiniFrameMessage());
}

void CTavoPMiniFrameWnd::ReplaceControlBar(CTavoPBaseControlBar* pBarOrg,
                                           CTavoPBaseControlBar* pBarReplaceWith)
{
    AddRemoveBarFromGlobalList(pBarOrg, FALSE);
    if (pBarOrg != NULL && m_hEmbeddedBar == pBarOrg->GetSafeHwnd())
        m_hEmbeddedBar = pBarReplaceWith->GetSafeHwnd();
    AddRemoveBarFromGlobalList(pBarReplaceWith, TRUE);
}

int CTavoPMiniFrameWnd::GetVisibleBarCount() const
{
    return m_hEmbeddedBar != NULL && ::IsWindow(m_hEmbeddedBar) && ::IsWindowVisible(m_hEmbeddedBar)
               ? 1
               : 0;
}

CWnd* CTavoPMiniFrameWnd::GetControlBar() const
{
    return m_hEmbeddedBar != NULL ? CWnd::FromHandlePermanent(m_hEmbeddedBar) : NULL;
}

CWnd* CTavoPMiniFrameWnd::GetFirstVisibleBar() const
{
    return GetVisibleBarCount() == 1 ? GetControlBar() : NULL;
}

CTavoPBaseControlBar* CTavoPMiniFrameWnd::ControlBarFromPoint(CPoint point, int nSensitivity,
                                                              BOOL bCheckVisibility)
{
    CTavoPControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPControlBar, GetControlBar());
    if (pBar == NULL)
        return NULL;
    CRect rect;
    pBar->GetWindowRect(rect);
    if (!rect.PtInRect(point) || (bCheckVisibility && !pBar->IsVisible()))
        return NULL;
    return pBar;
}

// ---- layout

void CTavoPMiniFrameWnd::GetBorderSize(CRect& rect) const
{
    if (DYNAMIC_DOWNCAST(CTavoPToolBar, GetControlBar()) != NULL)
        rect.SetRect(3, 3, 3, 3);
    else
        rect.SetRect(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME),
                     ::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
}

void CTavoPMiniFrameWnd::GetCaptionRect(CRect& rectCaption) const
{
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CRect rectBorder;
    GetBorderSize(rectBorder);
    rectCaption.SetRect(rectBorder.left, rectBorder.top, rectWindow.Width() - rectBorder.right,
                        rectBorder.top + GetCaptionHeight());
}

CString CTavoPMiniFrameWnd::GetCaptionText() const
{
    CString strText;
    CWnd* pBar = GetControlBar();
    if (pBar != NULL)
        pBar->GetWindowText(strText);
    return strText;
}

void CTavoPMiniFrameWnd::SizeToContent()
{
    CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, GetControlBar());
    if (pBar == NULL)
        return;
    const CSize size = pBar->CalcFixedLayout(FALSE, TRUE);
    CRect rectBorder;
    GetBorderSize(rectBorder);
    CWnd::SetWindowPos(NULL, 0, 0, size.cx + rectBorder.left + rectBorder.right,
                       size.cy + rectBorder.top + rectBorder.bottom + GetCaptionHeight(),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTavoPMiniFrameWnd::AdjustBarLayout()
{
    CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, GetControlBar());
    if (pBar == NULL)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    pBar->SetWindowPos(NULL, 0, 0, rectClient.Width(), rectClient.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED, NULL);
    pBar->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CTavoPMiniFrameWnd::RecalcLayout()
{
    CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, GetControlBar());
    if (pBar != NULL)
        pBar->AdjustLayout();
    SizeToContent();
}

void CTavoPMiniFrameWnd::MoveBy(int dx, int dy)
{
    CRect rect;
    GetWindowRect(rect);
    rect.OffsetRect(dx, dy);
    MoveWindow(rect, TRUE);
}

BOOL CTavoPMiniFrameWnd::SaveState(LPCTSTR lpszProfileName, UINT uiID)
{
    CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, GetControlBar());
    return pBar != NULL ? pBar->SaveState(lpszProfileName, -1, uiID) : TRUE;
}

BOOL CTavoPMiniFrameWnd::LoadState(LPCTSTR lpszProfileName, UINT uiID)
{
    CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, GetControlBar());
    return pBar != NULL ? pBar->LoadState(lpszProfileName, -1, uiID) : TRUE;
}

void CTavoPMiniFrameWnd::CloseMiniFrame()
{
    ShowWindow(SW_HIDE);
    CWnd* pBar = GetControlBar();
    if (pBar != NULL)
        pBar->ShowWindow(SW_HIDE);
}

int CTavoPMiniFrameWnd::GetDockingMode() const
{
    CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, GetControlBar());
    return pBar != NULL ? pBar->GetDockingMode() : CTavoPBaseControlBar::m_nDefaultDockingMode;
}

// ---- moving

void CTavoPMiniFrameWnd::EnterDragMode(BOOL bEnter)
{
    CTavoPControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPControlBar, GetControlBar());
    if (pBar != NULL)
        pBar->SetDragMode(bEnter);
    if (bEnter)
        return;
    if (m_hWndTearOffSource != NULL && ::IsWindow(m_hWndTearOffSource))
        ::DestroyWindow(m_hWndTearOffSource);
    m_hWndTearOffSource = NULL;
    if (pBar != NULL)
    {
        HWND hPending = pBar->GetPendingFrameToDestroy();
        pBar->SetPendingFrameToDestroy(NULL);
        if (hPending != NULL && hPending != m_hWnd && ::IsWindow(hPending))
            ::DestroyWindow(hPending);
    }
}

void CTavoPMiniFrameWnd::StartMoving(HWND hwndTearOffSource)
{
    if (m_bMoving)
        return;
    SetCapture();
    if (m_hWndTearOffSource == NULL)
        m_hWndTearOffSource = hwndTearOffSource;
    m_bMoving = true;
    EnterDragMode(TRUE);
    ::GetCursorPos(&m_ptLast);
    m_dragFrame.m_ptHot = m_ptLast;
    if (GetDockingMode() == TAVOP_DOCK_IMMEDIATE)
        ::SetCursor(::LoadCursor(NULL, IDC_SIZEALL));
    else
        m_dragFrame.Init(this);
}

void CTavoPMiniFrameWnd::EndMoving()
{
    if (!m_bMoving)
        return;
    m_bMoving = false;
    if (::GetCapture() == m_hWnd)
        ReleaseCapture();
    EnterDragMode(FALSE);
}

void CTavoPMiniFrameWnd::StoreRecentFloatState()
{
    GetWindowRect(m_rectRecentFloatingRect);
    CTavoPControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPControlBar, GetControlBar());
    if (pBar == NULL)
        return;
    pBar->GetRecentDockInfo().m_rectRecentFloatingRect = m_rectRecentFloatingRect;
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    pBar->ScreenToClient(&ptCursor);
    pBar->SetGrabPoint(ptCursor);
}

// ---- messages

void CTavoPMiniFrameWnd::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rectBorder;
    GetBorderSize(rectBorder);
    RECT& rect = lpncsp->rgrc[0];
    rect.left += rectBorder.left;
    rect.top += rectBorder.top + GetCaptionHeight();
    rect.right -= rectBorder.right;
    rect.bottom -= rectBorder.bottom;
    if (rect.right < rect.left)
        rect.right = rect.left;
    if (rect.bottom < rect.top)
        rect.bottom = rect.top;
}

void CTavoPMiniFrameWnd::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    CRect rectClient;
    GetClientRect(rectClient);
    ClientToScreen(rectClient);
    CRect rectFrame;
    GetWindowRect(rectFrame);
    rectClient.OffsetRect(-rectFrame.left, -rectFrame.top);
    dc.ExcludeClipRect(rectClient);

    CRect rectBorder;
    GetBorderSize(rectBorder);
    CTavoPVisualManager* pManager = CTavoPVisualManager::GetInstance();
    pManager->OnDrawMiniFrameBorder(&dc, this, rectWindow, rectBorder);
    CRect rectCaption;
    GetCaptionRect(rectCaption);
    const COLORREF clrText = pManager->OnFillMiniFrameCaption(&dc, rectCaption, this, m_bActive);
    CFont* pOldFont = dc.SelectObject(&GetGlobalData().fontRegular);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(clrText);
    CRect rectText = rectCaption;
    rectText.DeflateRect(2, 0);
    const CString strText = GetCaptionText();
    dc.DrawText(strText, rectText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    dc.SelectObject(pOldFont);
}

LRESULT CTavoPMiniFrameWnd::OnNcHitTest(CPoint point)
{
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CRect rectCaption;
    GetCaptionRect(rectCaption);
    rectCaption.OffsetRect(rectWindow.TopLeft());
    if (rectCaption.PtInRect(point))
        return HTCAPTION;
    CRect rectClient;
    GetClientRect(rectClient);
    ClientToScreen(rectClient);
    return rectClient.PtInRect(point) ? HTCLIENT : HTBORDER;
}

void CTavoPMiniFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    // The frame moves itself: the platform's own move loop would not let it dock.
    if (nHitTest == HTCAPTION)
    {
        StartMoving();
        StoreRecentFloatState();
        return;
    }
    Default();
}

void CTavoPMiniFrameWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    StartMoving();
    StoreRecentFloatState();
    Default();
}

void CTavoPMiniFrameWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bIgnoreNextMove)
    {
        m_bIgnoreNextMove = false;
        return;
    }
    if (!m_bMoving)
    {
        Default();
        return;
    }
    if (GetDockingMode() == TAVOP_DOCK_OUTLINE)
    {
        m_dragFrame.MoveDragFrame();
        return;
    }
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CTavoPFrameWnd* pFrame = DYNAMIC_DOWNCAST(CTavoPFrameWnd, GetDockSiteFrame());
    if (pFrame == NULL || pFrame->OnMoveMiniFrame(this))
    {
        MoveBy(ptCursor.x - m_ptLast.x, ptCursor.y - m_ptLast.y);
        m_ptLast = ptCursor;
    }
    ::SetCursor(::LoadCursor(NULL, IDC_SIZEALL));
}

void CTavoPMiniFrameWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bMoving)
    {
        const BOOL bOutline = GetDockingMode() == TAVOP_DOCK_OUTLINE;
        const CRect rectOutline = m_dragFrame.m_rectDrag;
        EndMoving();
        if (bOutline)
        {
            m_dragFrame.EndDrawDragFrame();
            if (!rectOutline.IsRectEmpty())
                MoveWindow(rectOutline, TRUE);
        }
    }
    Default();
}

void CTavoPMiniFrameWnd::OnCancelMode()
{
    if (m_bMoving)
    {
        if (GetDockingMode() == TAVOP_DOCK_OUTLINE)
            m_dragFrame.EndDrawDragFrame();
        EndMoving();
    }
    Default();
}

void CTavoPMiniFrameWnd::OnCaptureChanged(CWnd* pWnd)
{
    if (m_bMoving && (pWnd == NULL || pWnd->GetSafeHwnd() != m_hWnd))
        OnCancelMode();
    else
        Default();
}

void CTavoPMiniFrameWnd::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_ESCAPE && m_bMoving)
    {
        OnCancelMode();
        return;
    }
    Default();
}

void CTavoPMiniFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    Default();
    AdjustBarLayout();
}

void CTavoPMiniFrameWnd::OnDestroy()
{
    if (m_bMoving)
    {
        m_bMoving = false;
        if (::GetCapture() == m_hWnd)
            ReleaseCapture();
        EnterDragMode(FALSE);
    }
    CTavoPDockManager* pManager = GetDockingUtils().GetDockManager(GetDockSiteFrame());
    if (pManager != NULL)
        pManager->RemoveMiniFrame(this);
    TavoPFloatingFrameList().remove(m_hWnd);
    // Bars that still float here leave the registry with their frame.
    for (auto it = TavoPFloatingBarRegistry().begin(); it != TavoPFloatingBarRegistry().end();)
    {
        if (::GetParent(it->second) == m_hWnd)
            it = TavoPFloatingBarRegistry().erase(it);
        else
            ++it;
    }
    Default();
}

void CTavoPMiniFrameWnd::OnNcDestroy()
{
    CWnd::OnNcDestroy();
}

LRESULT CTavoPMiniFrameWnd::OnCheckEmptyMiniFrame(WPARAM wParam, LPARAM lParam)
{
    if (GetControlBarCount() > 0 && GetControlBar() != NULL)
        return 0;
    m_hEmbeddedBar = NULL;
    if (m_bKeepWhenEmpty)
        ShowWindow(SW_HIDE);
    else
        DestroyWindow();
    return 0;
}
