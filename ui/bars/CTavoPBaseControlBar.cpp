#include "ui/bars/CTavoPBaseControlBar.h"
#include "ui/bars/docking/CTavoPDockBar.h"
#include "ui/bars/docking/CTavoPDockBarRow.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPMultiMiniFrameWnd.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/bars/frames/CTavoPMDIChildWnd.h"
#include "ui/bars/frames/CTavoPMDIFrameWnd.h"
#include "ui/bars/frames/CTavoPOleCntrFrameWnd.h"
#include "ui/bars/frames/CTavoPOleDocIPFrameWnd.h"
#include "ui/bars/frames/CTavoPOleIPFrameWnd.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/docking/CTavoPDockingCBWrapper.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include "ui/bars/CTavoPControlBar.h"
#include "ui/foundation/BuildRegistryPath.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPStateKey.h"
#include "ui/foundation/CTavoPVisualManager.h"

BEGIN_MESSAGE_MAP(CTavoPBaseControlBar, CWnd)
    ON_WM_PAINT()
    ON_WM_NCPAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPBaseControlBar, CWnd)

namespace {

const char kBaseSection[] = "TavoPBaseControlBars";

// The handle of a deferral that has no move yet; never one the platform hands out.
HDWP NoMovesYet()
{
    return reinterpret_cast<HDWP>(~static_cast<UINT_PTR>(0));
}

} // namespace

CString CTavoPBaseControlBar::BuildBarKey(LPCTSTR lpszSection, LPCTSTR lpszClassWord,
                                          LPCTSTR lpszProfileName, int nID, UINT uiSubIndex)
{
    const CString strPath = BuildRegistryPath(lpszSection, lpszProfileName);
    CString strKey;
    if (uiSubIndex == (UINT)-1)
        strKey.Format("%s%s-%d", (LPCTSTR)strPath, lpszClassWord, nID);
    else
        strKey.Format("%s%s-%d%x", (LPCTSTR)strPath, lpszClassWord, nID, uiSubIndex);
    return strKey;
}

CTavoPBaseControlBar::CTavoPBaseControlBar()
    : m_dwStyle(0), m_dwEnabledAlignment(0), m_dwBarStyle(0), m_dwControlBarBehaviour(0),
      m_bStoredVisibility(0), m_bStateLoaded(0), m_pParentDockBar(NULL), m_pDockBarRow(NULL),
      m_pDockSite(NULL), m_nDockingMode(0), m_lpszTemplateName(NULL), m_sizeDialog(0, 0),
      m_bDialogHost(FALSE)
{
    m_rect.SetRectEmpty();
}

CTavoPBaseControlBar::~CTavoPBaseControlBar()
{
    if (m_hWnd != NULL && m_hWnd != HWND_TOP && m_hWnd != HWND_BOTTOM && m_hWnd != HWND_TOPMOST &&
        m_hWnd != HWND_NOTOPMOST && ::IsWindow(m_hWnd))
    {
        // No later layout pass may reach a bar that is gone.
        if (CTavoPDockManager* pManager = GetDockManager())
        {
            pManager->RemoveControlBar(this, FALSE, FALSE, FALSE);
            pManager->RemoveControlBar(this, FALSE, FALSE, TRUE);
        }
        DestroyWindow();
    }
}

// ---- state queries

BOOL CTavoPBaseControlBar::IsHorizontal() const
{
    return (m_dwBarStyle & CBRS_ORIENT_HORZ) != 0;
}

BOOL CTavoPBaseControlBar::IsDocked() const
{
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    return pMiniFrame == NULL || pMiniFrame->GetControlBarCount() != 1;
}

BOOL CTavoPBaseControlBar::IsTabbed() const
{
    CWnd* pParent = GetParent();
    return pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabWnd));
}

BOOL CTavoPBaseControlBar::IsFloating() const
{
    return !IsDocked();
}

BOOL CTavoPBaseControlBar::IsVisible() const
{
    if (!IsTabbed())
    {
        if (CTavoPDockManager::m_bRestoringDockState)
            return GetStoredVisibility();
        return m_hWnd != NULL && (GetStyle() & WS_VISIBLE) != 0;
    }
    HWND hWndTab = NULL;
    CTavoPBaseTabWnd* pTabWnd = GetParentTabWnd(hWndTab);
    if (pTabWnd == NULL || !pTabWnd->IsWindowVisible())
        return FALSE;
    const int iTab = pTabWnd->GetTabFromHwnd(hWndTab);
    return iTab >= 0 && pTabWnd->IsTabVisible(iTab);
}

BOOL CTavoPBaseControlBar::CanFloat() const
{
    if (IsTabbed())
    {
        HWND hWndTab = NULL;
        CTavoPBaseTabWnd* pTabWnd = GetParentTabWnd(hWndTab);
        const int iTab = pTabWnd != NULL ? pTabWnd->GetTabFromHwnd(hWndTab) : -1;
        if (iTab >= 0)
            return pTabWnd->IsTabDetachable(iTab);
    }
    return (m_dwControlBarBehaviour & TAVOP_CBRS_FLOAT) != 0;
}

CFrameWnd* CTavoPBaseControlBar::GetDockSiteFrame() const
{
    if (m_pDockSite == NULL)
    {
        CWnd* pParent = GetParent();
        if (pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CDialog)))
            m_bDialogHost = TRUE;
    }
    return m_pDockSite;
}

BOOL CTavoPBaseControlBar::IsDialogHosted() const
{
    return GetDockSiteFrame() == NULL && m_bDialogHost;
}

int CTavoPBaseControlBar::GetDockingMode() const
{
    return m_nDockingMode != 0 ? m_nDockingMode : m_nDefaultDockingMode;
}

HICON CTavoPBaseControlBar::GetIcon(BOOL bBigIcon)
{
    return (HICON)SendMessage(WM_GETICON, bBigIcon ? ICON_BIG : ICON_SMALL, 0);
}

void CTavoPBaseControlBar::SetCurrentAlignment(DWORD dwAlignment)
{
    m_dwBarStyle = (m_dwBarStyle & ~CBRS_ALIGN_ANY) | (dwAlignment & CBRS_ALIGN_ANY);
}

CTavoPMiniFrameWnd* CTavoPBaseControlBar::GetParentMiniFrame(BOOL bNoAssert) const
{
    // Up through the parents only: a top-level window's "parent" would be its owner.
    for (HWND hwnd = GetSafeHwnd(); hwnd != NULL && (::GetWindowLong(hwnd, GWL_STYLE) & WS_CHILD);)
    {
        hwnd = ::GetParent(hwnd);
        CTavoPMiniFrameWnd* pMiniFrame =
            DYNAMIC_DOWNCAST(CTavoPMiniFrameWnd, CWnd::FromHandlePermanent(hwnd));
        if (pMiniFrame != NULL)
            return pMiniFrame;
    }
    return NULL;
}

CTavoPBaseTabWnd* CTavoPBaseControlBar::GetParentTabWnd(HWND& hWndTab) const
{
    hWndTab = m_hWnd;
    CWnd* pParent = GetParent();
    if (pParent == NULL)
        return NULL;
    if (pParent->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabWnd)))
        return (CTavoPBaseTabWnd*)pParent;
    if (pParent->IsKindOf(RUNTIME_CLASS(CTavoPDockingCBWrapper)))
    {
        CWnd* pTab = pParent->GetParent();
        if (pTab != NULL && pTab->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabWnd)))
        {
            hWndTab = pParent->GetSafeHwnd();
            return (CTavoPBaseTabWnd*)pTab;
        }
    }
    if (pParent->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabbedBar)))
        return ((CTavoPBaseTabbedBar*)pParent)->GetUnderlinedWindow();
    return NULL;
}

// ---- showing and layout

void CTavoPBaseControlBar::ShowControlBar(BOOL bShow, BOOL bDelay, BOOL bActivate)
{
    const int nCmdShow = bShow ? SW_SHOWNOACTIVATE : SW_HIDE;
    if (IsFloating() && !IsTabbed())
    {
        ShowWindow(nCmdShow);
        CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame();
        if (pMiniFrame != NULL)
            pMiniFrame->ShowWindow(nCmdShow);
    }
    else if (m_pParentDockBar != NULL)
    {
        m_pParentDockBar->ShowControlBar(this, bShow, bDelay, bActivate);
    }
    else if (IsTabbed())
    {
        HWND hWndTab = NULL;
        CTavoPBaseTabWnd* pTabWnd = GetParentTabWnd(hWndTab);
        CTavoPBaseTabbedBar* pTabbedBar =
            pTabWnd != NULL ? DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pTabWnd->GetParent()) : NULL;
        if (pTabbedBar != NULL)
        {
            if (bShow && !pTabbedBar->IsVisible() && pTabWnd->GetTabsNum() > 1)
            {
                pTabbedBar->ShowTab(this, TRUE, bDelay, bActivate);
            }
            else
            {
                pTabbedBar->ShowTab(this, bShow, bDelay, bActivate);
                if (pTabWnd->GetVisibleTabsNum() == 0)
                    pTabbedBar->ShowControlBar(bShow, bDelay, bActivate);
            }
        }
        else if (pTabWnd != NULL)
        {
            const int iTab = pTabWnd->GetTabFromHwnd(hWndTab);
            if (iTab >= 0)
                pTabWnd->ShowTab(iTab, bShow, !bDelay);
        }
    }
    else
    {
        ShowWindow(nCmdShow);
        if (!bDelay)
            AdjustDockingLayout(NULL);
    }

    if (m_pDockBarRow != NULL)
        m_pDockBarRow->ArrangeBars(NULL);
}

void CTavoPBaseControlBar::AdjustDockingLayout(HDWP hdwp)
{
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame();
    if (pMiniFrame != NULL)
    {
        pMiniFrame->RecalcLayout();
        return;
    }
    AdjustFrameDockingLayout(GetDockSiteFrame(), hdwp);
}

CSize CTavoPBaseControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CSize(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
}

void CTavoPBaseControlBar::DoPaint(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rectClip;
    pDC->GetClipBox(rectClip);
    CTavoPVisualManager::GetInstance()->OnFillBarBackground(pDC, this, rectClient, rectClip, FALSE);
}

// ---- moving

HDWP CTavoPBaseControlBar::BeginDeferredMoves()
{
    return NoMovesYet();
}

void CTavoPBaseControlBar::EndDeferredMoves(HDWP hdwp)
{
    if (hdwp != NULL && hdwp != NoMovesYet())
        ::EndDeferWindowPos(hdwp);
}

HDWP CTavoPBaseControlBar::SetWindowRect(LPCRECT lpRect, BOOL bRepaint, HDWP hdwp)
{
    CRect rectCurrent;
    GetWindowRect(rectCurrent);
    // The rectangle is in the client coordinates of the window the bar lives in: its mini
    // frame or dock site when it sits there directly, its dock bar when it is docked.
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->ScreenToClient(rectCurrent);
    const CRect rect(lpRect);
    if (rectCurrent == rect)
        return hdwp;
    if (hdwp == NULL)
    {
        MoveWindow(rect, bRepaint);
        return NULL;
    }
    return SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                        SWP_NOZORDER | SWP_NOACTIVATE, hdwp);
}

HDWP CTavoPBaseControlBar::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy,
                                        UINT nFlags, HDWP hdwp)
{
    // A layout pass places every bar again, and most stay where they are: a move to the place
    // the bar has would still cost the platform a round trip and a look for what to repaint.
    const UINT nNothingElse = SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOACTIVATE | SWP_NOREDRAW |
                              SWP_NOCOPYBITS | SWP_NOSENDCHANGING | SWP_NOMOVE | SWP_NOSIZE;
    if ((nFlags & SWP_NOZORDER) != 0 && (nFlags & ~nNothingElse) == 0 && m_hWnd != NULL)
    {
        CRect rectCurrent;
        GetWindowRect(rectCurrent);
        // A child is placed in its parent's client area, any other window on the screen.
        CWnd* pParent = (GetStyle() & WS_CHILD) != 0 ? GetParent() : NULL;
        if (pParent != NULL)
            pParent->ScreenToClient(rectCurrent);
        const BOOL bSamePlace = (nFlags & SWP_NOMOVE) != 0 || rectCurrent.TopLeft() == CPoint(x, y);
        const BOOL bSameSize = (nFlags & SWP_NOSIZE) != 0 || rectCurrent.Size() == CSize(cx, cy);
        if (bSamePlace && bSameSize)
            return hdwp;
    }
    if (hdwp == NoMovesYet())
        hdwp = ::BeginDeferWindowPos(4);
    if (hdwp == NULL)
    {
        CWnd::SetWindowPos(pWndInsertAfter, x, y, cx, cy, nFlags);
        return NULL;
    }
    HDWP hdwpNext =
        ::DeferWindowPos(hdwp, m_hWnd, pWndInsertAfter->GetSafeHwnd(), x, y, cx, cy, nFlags);
    if (hdwpNext == NULL)
    {
        // The caller's handle was freed by the failure: the move happens now, and the caller
        // continues with a fresh handle.
        CWnd::SetWindowPos(pWndInsertAfter, x, y, cx, cy, nFlags);
        return ::BeginDeferWindowPos(1);
    }
    return hdwpNext;
}

// ---- creation

BOOL CTavoPBaseControlBar::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                                    DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                                    DWORD dwBehaviour, CCreateContext* pContext)
{
    m_dwStyle = dwStyle & WS_VISIBLE;
    m_dwBarStyle = GetBarStyle() | dwStyle;
    m_dwControlBarBehaviour = dwBehaviour;
    // The bar bits live in the bar style; the window must not take CBRS_GRIPPER, which is
    // WS_DLGFRAME to Windows, as a border of its own.
    const DWORD dwWindowStyle = dwStyle & ~CBRS_ALL;

    if (m_lpszTemplateName != NULL)
    {
        CREATESTRUCT cs = {};
        cs.lpszClass = lpszClassName;
        cs.lpszName = lpszWindowName;
        cs.style = dwWindowStyle | WS_CHILD;
        cs.hMenu = (HMENU)(UINT_PTR)nID;
        cs.hInstance = AfxGetInstanceHandle();
        cs.hwndParent = pParentWnd->GetSafeHwnd();
        if (!PreCreateWindow(cs))
            return FALSE;
        AfxHookWindowCreate(this);
        HWND hWnd = ::CreateDialogParam(AfxGetResourceHandle(), m_lpszTemplateName,
                                        pParentWnd->GetSafeHwnd(), AfxDlgProc, 0);
        AfxUnhookWindowCreate();
        if (hWnd == NULL)
        {
            if (m_hWnd != NULL)
                Detach();
            return FALSE;
        }
        ::SetClassLongPtr(m_hWnd, GCLP_HBRBACKGROUND, (LONG_PTR)::GetSysColorBrush(COLOR_BTNFACE));
        SetDlgCtrlID((int)nID);
        if (!ExecuteDlgInit(m_lpszTemplateName))
        {
            DestroyWindow();
            return FALSE;
        }
        CRect rectWindow;
        GetWindowRect(rectWindow);
        m_sizeDialog = rectWindow.Size();
    }
    else if (!CWnd::CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwWindowStyle, rect,
                             pParentWnd, nID, pContext))
    {
        return FALSE;
    }

    if (pParentWnd != NULL && pParentWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        m_pDockSite = (CFrameWnd*)pParentWnd;
    else
        m_pDockSite = FindOwningFrame(pParentWnd);
    return TRUE;
}

// ---- requests handed to the frame

void CTavoPBaseControlBar::AdjustFrameDockingLayout(CFrameWnd* pFrame, HDWP hdwp)
{
    if (pFrame == NULL)
        return;
    if (pFrame->IsKindOf(RUNTIME_CLASS(CTavoPFrameWnd)))
        ((CTavoPFrameWnd*)pFrame)->AdjustDockingLayout(hdwp);
    else if (pFrame->IsKindOf(RUNTIME_CLASS(CTavoPMDIFrameWnd)))
        ((CTavoPMDIFrameWnd*)pFrame)->AdjustDockingLayout(hdwp);
    else if (pFrame->IsKindOf(RUNTIME_CLASS(CTavoPOleIPFrameWnd)))
        ((CTavoPOleIPFrameWnd*)pFrame)->AdjustDockingLayout(hdwp);
    else if (pFrame->IsKindOf(RUNTIME_CLASS(CTavoPOleDocIPFrameWnd)))
        ((CTavoPOleDocIPFrameWnd*)pFrame)->AdjustDockingLayout(hdwp);
    else if (pFrame->IsKindOf(RUNTIME_CLASS(CTavoPMDIChildWnd)))
        ((CTavoPMDIChildWnd*)pFrame)->AdjustDockingLayout(hdwp);
    else if (pFrame->IsKindOf(RUNTIME_CLASS(CTavoPOleCntrFrameWnd)))
        ((CTavoPOleCntrFrameWnd*)pFrame)->AdjustDockingLayout(hdwp);
}

void CTavoPBaseControlBar::RecalcFrameLayout(CFrameWnd* pFrame)
{
    if (pFrame != NULL && pFrame->GetSafeHwnd() != NULL)
        pFrame->RecalcLayout(TRUE);
}

CTavoPDockManager* CTavoPBaseControlBar::GetDockManager() const
{
    return GetDockingUtils().GetDockManager(GetDockSiteFrame());
}

BOOL CTavoPBaseControlBar::AddControlBar(CTavoPBaseControlBar* pBar)
{
    CTavoPDockManager* pManager = GetDockManager();
    if (pManager == NULL)
        return IsDialogHosted();
    return pManager->AddControlBar(pBar, TRUE);
}

void CTavoPBaseControlBar::RemoveControlBarFromDockManager(CTavoPBaseControlBar* pBar,
                                                           BOOL bDestroy, BOOL bAdjustLayout,
                                                           BOOL bAutoHide)
{
    CTavoPDockManager* pManager = GetDockManager();
    if (pManager != NULL)
        pManager->RemoveControlBar(pBar, bDestroy, bAdjustLayout, bAutoHide);
}

BOOL CTavoPBaseControlBar::IsPointNearDockSite(CPoint point, DWORD& dwBarAlignment,
                                               BOOL& bOuterEdge) const
{
    CTavoPDockManager* pManager = GetDockManager();
    if (pManager == NULL)
        return IsDialogHosted();
    return pManager->IsPointNearDockSite(point, dwBarAlignment, bOuterEdge);
}

CTavoPBaseControlBar* CTavoPBaseControlBar::ControlBarFromPoint(CPoint point, int nSensitivity,
                                                                BOOL bExactBar,
                                                                CRuntimeClass* pRTCBarType) const
{
    CTavoPDockManager* pManager = GetDockManager();
    if (pManager == NULL)
        return NULL;
    return pManager->ControlBarFromPoint(point, nSensitivity, bExactBar, pRTCBarType);
}

BOOL CTavoPBaseControlBar::InsertControlBar(CTavoPBaseControlBar* pBar,
                                            CTavoPBaseControlBar* pTarget, BOOL bAfter)
{
    CTavoPMultiMiniFrameWnd* pMultiFrame =
        DYNAMIC_DOWNCAST(CTavoPMultiMiniFrameWnd, pBar != NULL ? pBar->GetParentMiniFrame() : NULL);
    if (pMultiFrame != NULL)
        return pMultiFrame->InsertControlBar(pBar, pTarget, bAfter);
    CTavoPDockManager* pManager = GetDockManager();
    if (pManager == NULL)
        return IsDialogHosted();
    return pManager->InsertControlBar(pBar, pTarget, bAfter);
}

void CTavoPBaseControlBar::DockToFrame(BOOL bUseStoredSite)
{
    CFrameWnd* pFrame = bUseStoredSite ? m_pDockSite : FindOwningFrame(this);
    CTavoPDockManager* pManager = GetDockingUtils().GetDockManager(pFrame);
    if (pManager != NULL)
        pManager->DockControlBar(this);
}

// ---- state

void CTavoPBaseControlBar::Serialize(CArchive& ar)
{
    CWnd::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << (DWORD)(m_dwBarStyle & CBRS_ALIGN_ANY);
        ar << (DWORD)IsVisible();
    }
    else
    {
        DWORD dwAlignment = 0;
        DWORD dwVisible = 0;
        ar >> dwAlignment;
        ar >> dwVisible;
        // Only alignment bits are ever stored; other bits of a damaged archive are dropped.
        m_dwBarStyle |= dwAlignment & CBRS_ALIGN_ANY;
        m_bStoredVisibility = (BOOL)dwVisible;
    }
}

BOOL CTavoPBaseControlBar::LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    if (nIndex == -1)
        nIndex = GetDlgCtrlID();
    CTavoPStateKey key(
        BuildBarKey(kBaseSection, "TavoPBaseControlBar", lpszProfileName, nIndex, uiSubIndex),
        CTavoPStateKey::forReading);
    if (!key.Open())
        return FALSE;
    int nVisible = 0;
    if (key->ReadNumber("IsVisible", nVisible))
    {
        m_bStoredVisibility = nVisible != 0;
        m_bStateLoaded = TRUE;
    }
    return TRUE;
}

BOOL CTavoPBaseControlBar::SaveState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    if (nIndex == -1)
        nIndex = GetDlgCtrlID();
    CTavoPStateKey key(
        BuildBarKey(kBaseSection, "TavoPBaseControlBar", lpszProfileName, nIndex, uiSubIndex),
        CTavoPStateKey::forWriting);
    return key->WriteNumber("IsVisible", (DWORD)IsVisible());
}

// ---- messages

LRESULT CTavoPBaseControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_NOTIFY:
    case WM_COMMAND:
    {
        LRESULT lResult = 0;
        if (OnWndMsg(message, wParam, lParam, &lResult))
            return lResult;
        CWnd* pTarget = GetOwner();
        if (pTarget == NULL)
            pTarget = GetParent();
        lResult = pTarget != NULL ? pTarget->SendMessage(message, wParam, lParam) : 0;
        if (message == WM_NOTIFY)
        {
            NMHDR* pNMHDR = (NMHDR*)lParam;
            if (pNMHDR->code == TTN_NEEDTEXTA)
            {
                NMTTDISPINFOA* pTTT = (NMTTDISPINFOA*)pNMHDR;
                if (pTTT->hinst == NULL && (pTTT->lpszText == NULL || *pTTT->lpszText == '\0'))
                    return DefWindowProc(message, wParam, lParam);
            }
            else if (pNMHDR->code == TTN_NEEDTEXTW)
            {
                NMTTDISPINFOW* pTTT = (NMTTDISPINFOW*)pNMHDR;
                if (pTTT->hinst == NULL && (pTTT->lpszText == NULL || *pTTT->lpszText == L'\0'))
                    return DefWindowProc(message, wParam, lParam);
            }
        }
        return lResult;
    }
    default: return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CTavoPBaseControlBar::OnPaint()
{
    CPaintDC dc(this);
    if (GetStyle() & WS_VISIBLE)
        DoPaint(&dc);
}

void CTavoPBaseControlBar::OnNcPaint()
{
    // A bar without a border has no pixel outside its client area, yet the platform's border
    // painting would still take and clip a window DC on every repaint of the frame.
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CRect rectClient;
    GetClientRect(rectClient);
    if (rectWindow.Size() != rectClient.Size())
        Default();
}

BOOL CTavoPBaseControlBar::OnEraseBkgnd(CDC* pDC)
{
    return TRUE;
}

void CTavoPBaseControlBar::OnSize(UINT nType, int cx, int cy)
{
    Default();
    CTavoPControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPControlBar, this);
    if (m_pDockBarRow != NULL && pBar != NULL)
        m_pDockBarRow->OnBarResized(pBar);
}

LRESULT CTavoPBaseControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    if (!IsVisible() || (m_pParentDockBar != NULL && !m_pParentDockBar->IsVisible()))
        return 0;
    CWnd* pTarget = GetOwner();
    if (pTarget == NULL)
        pTarget = GetParent();
    if (pTarget == NULL || !pTarget->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        pTarget = FindOwningFrame(this);
    if (pTarget != NULL)
        OnUpdateCmdUI((CFrameWnd*)pTarget, (BOOL)wParam);
    return 0;
}

LRESULT CTavoPBaseControlBar::OnHelpHitTest(WPARAM wParam, LPARAM lParam)
{
    const CPoint point((short)LOWORD(lParam), (short)HIWORD(lParam));
    const INT_PTR nHit = OnToolHitTest(point, NULL);
    if (nHit != -1)
        return 0x10000 + nHit;
    const int nID = GetDlgCtrlID();
    return nID != 0 ? ((nID & 0xFFFF) | 0x50000) : 0;
}
