// The floating frame as a window: creation, non-client layout and painting, hit testing, caption buttons, sizing, roll-up and activation.
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "framework/CMiniFrameWnd.h"
#include "ui/bars/CTavoPControlBar.h"
#include "ui/bars/TavoPBarStatics.h"
#include "ui/bars/TavoPWindowClass.h"
#include "ui/bars/docking/CTavoPCaptionButton.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/commandbars/CTavoPTabbedToolbar.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CTavoPMiniFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_SETCURSOR()
    ON_WM_SIZING()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_WM_ERASEBKGND()
    ON_WM_NCMOUSEMOVE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONUP()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_NCCREATE()
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
    ON_WM_NCACTIVATE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_WM_CLOSE()
    ON_WM_SETFOCUS()
    ON_WM_ENTERSIZEMOVE()
    ON_WM_EXITSIZEMOVE()
    ON_WM_CONTEXTMENU()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOVING()
    ON_WM_MOUSEACTIVATE()
    ON_WM_TIMER()
    ON_WM_CHAR()
    ON_WM_CANCELMODE()
    ON_WM_CAPTURECHANGED()
    ON_WM_DESTROY()
    ON_WM_NCDESTROY()
    ON_REGISTERED_MESSAGE(TavoPCheckEmptyMiniFrameMessage(), OnCheckEmptyMiniFrame)
END_MESSAGE_MAP()

IMPLEMENT_SERIAL(CTavoPMiniFrameWnd, CWnd, VERSIONABLE_SCHEMA | 2)

namespace {

const int kCaptionButtonGap = 4;

BOOL HostsToolBar(const CTavoPMiniFrameWnd* pFrame)
{
    CWnd* pBar = pFrame->GetControlBar();
    return pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CTavoPToolBar));
}

}

CTavoPMiniFrameWnd::CTavoPMiniFrameWnd()
    : m_bIgnoreNextMove(false), m_bActive(FALSE),
      m_nCaptionHeight(::GetSystemMetrics(SM_CYSMCAPTION)), m_nCaptionButtons(0),
      m_pDockTarget(NULL), m_hEmbeddedBar(NULL), m_bMoving(false), m_nDockStatus(0),
      m_nMinWidth(m_nCaptionHeight + 15), m_nMinHeight(m_nCaptionHeight + 15), m_nHit(0), m_nHot(0),
      m_nMoveTimer(0), m_nRollUpTimer(0), m_bRolledUp(FALSE), m_nHeightBeforeRollUp(0),
      m_bPinned(FALSE), m_bKeepWhenEmpty(FALSE), m_hDockSite(NULL), m_hWndTearOffSource(NULL),
      m_hWndToRestoreFocus(NULL), m_nRestoredBarID(0), m_rectRecentFloatingRect(0, 0, 100, 100),
      m_ptLast(0, 0), m_bAutoDelete(FALSE), m_bSizing(FALSE), m_ptSizeStart(0, 0)
{
    m_rectRedraw.SetRectEmpty();
    m_rectSizeStart.SetRectEmpty();
}

CTavoPMiniFrameWnd::~CTavoPMiniFrameWnd()
{
    RemoveAllCaptionButtons();
}

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
    dwStyle &= ~(WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME | WS_CHILD);
    // The caption's active look follows the owner, not the platform's activation.
    dwStyle |= WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | MFS_SYNCACTIVE;
    m_hDockSite = pParentWnd->GetSafeHwnd();
    if (!CWnd::CreateEx(dwStyleEx | WS_EX_TOOLWINDOW, strClassName,
                        lpszWindowName != NULL ? lpszWindowName : "", dwStyle, rect, pParentWnd, 0,
                        pContext))
        return FALSE;
    if (pParentWnd != NULL)
    {
        CTavoPDockManager* pManager = pParentWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))
                                          ? GetDockingUtils().GetDockManager(pParentWnd)
                                          : NULL;
        if (pManager == NULL)
        {
            // A frame that nobody docks would be lost: the caller gets no window at all.
            DestroyWindow();
            return FALSE;
        }
        pManager->AddMiniFrame(this);
    }
    m_bAutoDelete = TRUE;
    m_dragFrame.Init(this);
    return TRUE;
}

int CTavoPMiniFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (Default() == -1)
        return -1;
    TavoPFloatingFrameList().push_back(m_hWnd);
    return 0;
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

CTavoPDockManager* CTavoPMiniFrameWnd::GetDockManager() const
{
    CFrameWnd* pFrame = GetDockSiteFrame();
    return pFrame != NULL ? GetDockingUtils().GetDockManager(pFrame) : NULL;
}

// ---- the hosted bar

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

void CTavoPMiniFrameWnd::ValidateBar()
{
    if (m_hEmbeddedBar == NULL)
        return;
    CWnd* pBar = GetControlBar();
    if (!::IsWindow(m_hEmbeddedBar) || pBar == NULL)
    {
        m_hEmbeddedBar = NULL;
        return;
    }
    CTavoPBaseControlBar* pBaseBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, pBar);
    if (pBaseBar != NULL && pBaseBar->GetDlgCtrlID() == -1 &&
        ::GetWindow(m_hEmbeddedBar, GW_CHILD) == NULL)
        m_hEmbeddedBar = NULL;
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

BOOL CTavoPMiniFrameWnd::IsCursorOverFrame() const
{
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CRect rect;
    GetWindowRect(rect);
    if (!rect.PtInRect(ptCursor))
        return FALSE;
    // A window of the frame (its bar) under the cursor still counts as the frame.
    HWND hwnd = ::WindowFromPoint(ptCursor);
    return hwnd == m_hWnd || ::IsChild(m_hWnd, hwnd);
}

BOOL CTavoPMiniFrameWnd::CanRollUp() const
{
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CRect rect;
    GetWindowRect(rect);
    return !rect.PtInRect(ptCursor) && !m_bPinned;
}

// ---- layout

void CTavoPMiniFrameWnd::GetBorderSize(CRect& rect) const
{
    if (HostsToolBar(this))
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

void CTavoPMiniFrameWnd::CalcMinSize(CSize& sizeBarMin, MINMAXINFO* pMinMaxInfo)
{
    CRect rectBorder;
    GetBorderSize(rectBorder);
    int nButtons = 0;
    for (POSITION pos = m_lstCaptionButtons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPCaptionButton* pButton = (CTavoPCaptionButton*)m_lstCaptionButtons.GetNext(pos);
        if (!pButton->m_bHidden)
            nButtons += CTavoPCaptionButton::GetSize().cx;
    }
    pMinMaxInfo->ptMinTrackSize.x = std::max(
        m_nMinWidth, nButtons + (int)sizeBarMin.cx + (int)(rectBorder.left + rectBorder.right));
    pMinMaxInfo->ptMinTrackSize.y =
        std::max(m_nMinHeight, GetCaptionHeight() + (int)sizeBarMin.cy +
                                   (int)(rectBorder.top + rectBorder.bottom));
}

// ---- caption buttons

void CTavoPMiniFrameWnd::RemoveAllCaptionButtons()
{
    while (!m_lstCaptionButtons.IsEmpty())
        delete (CTavoPCaptionButton*)m_lstCaptionButtons.RemoveHead();
    m_nHit = m_nHot = 0;
}

CTavoPCaptionButton* CTavoPMiniFrameWnd::FindCaptionButton(UINT nKind) const
{
    for (POSITION pos = m_lstCaptionButtons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPCaptionButton* pButton = (CTavoPCaptionButton*)m_lstCaptionButtons.GetNext(pos);
        if (pButton->GetKind() == nKind)
            return pButton;
    }
    return NULL;
}

void CTavoPMiniFrameWnd::SetCaptionButtons(int nFlags)
{
    RemoveAllCaptionButtons();
    CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, GetControlBar());
    const struct
    {
        int nFlag;
        UINT nKind;
    } kinds[] = {{TAVOP_CAPTION_BTN_CLOSE, TAVOP_HT_CLOSE},
                 {TAVOP_CAPTION_BTN_PIN, TAVOP_HT_PIN},
                 {TAVOP_CAPTION_BTN_THIRD, TAVOP_HT_THIRD}};
    for (const auto& kind : kinds)
    {
        if ((nFlags & kind.nFlag) == 0 || FindCaptionButton(kind.nKind) != NULL)
            continue;
        if (kind.nKind == TAVOP_HT_CLOSE && (pBar == NULL || !pBar->CanBeClosed()))
            continue;
        CTavoPCaptionButton* pButton = new CTavoPCaptionButton;
        pButton->m_nHit = (int)kind.nKind;
        m_lstCaptionButtons.AddHead(pButton);
    }
    m_nCaptionButtons = nFlags;
    ArrangeCaptionButtons();
    if (m_hWnd != NULL)
        SendMessage(WM_NCPAINT);
}

void CTavoPMiniFrameWnd::ArrangeCaptionButtons()
{
    if (m_hWnd == NULL)
        return;
    CRect rectCaption;
    GetCaptionRect(rectCaption);
    const CSize size = CTavoPCaptionButton::GetSize();
    int x = rectCaption.right;
    // The list holds the newest first: the first added goes rightmost.
    for (POSITION pos = m_lstCaptionButtons.GetTailPosition(); pos != NULL;)
    {
        CTavoPCaptionButton* pButton = (CTavoPCaptionButton*)m_lstCaptionButtons.GetPrev(pos);
        if (pButton->m_bHidden)
            continue;
        x -= size.cx;
        pButton->m_ptOrg = CPoint(x, rectCaption.top + (rectCaption.Height() - size.cy) / 2);
        x -= kCaptionButtonGap;
    }
}

void CTavoPMiniFrameWnd::RedrawCaptionButton(CTavoPCaptionButton* pButton)
{
    if (pButton == NULL || m_hWnd == NULL)
        return;
    m_rectRedraw = pButton->GetRect();
    SendMessage(WM_NCPAINT);
    m_rectRedraw.SetRectEmpty();
}

void CTavoPMiniFrameWnd::TrackCaptionButtons(CPoint point)
{
    const LRESULT nHit = HitTest(point, FALSE);
    UINT nHot = 0;
    if (CTavoPCaptionButton* pButton = FindCaptionButton((UINT)nHit))
        nHot = pButton->GetKind();
    if (nHot == m_nHot)
        return;
    CTavoPCaptionButton* pOld = FindCaptionButton(m_nHot);
    m_nHot = nHot;
    if (pOld != NULL)
    {
        pOld->m_bFocused = FALSE;
        RedrawCaptionButton(pOld);
    }
    if (CTavoPCaptionButton* pNew = FindCaptionButton(nHot))
    {
        pNew->m_bFocused = TRUE;
        RedrawCaptionButton(pNew);
    }
}

// ---- non-client area

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

void CTavoPMiniFrameWnd::DrawBorder(CDC* pDC)
{
    CTavoPDockManager* pManager = GetDockManager();
    if (pManager != NULL && pManager->IsUpdateLocked())
        return;
    CRect rectWindow;
    GetWindowRect(rectWindow);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    CRect rectBorder;
    GetBorderSize(rectBorder);
    if (HostsToolBar(this))
    {
        CRect rectInner = rectWindow;
        rectInner.DeflateRect(rectBorder);
        CRgn rgnOuter, rgnInner;
        rgnOuter.CreateRectRgnIndirect(rectWindow);
        rgnInner.CreateRectRgnIndirect(rectInner);
        rgnOuter.CombineRgn(&rgnOuter, &rgnInner, RGN_DIFF);
        pDC->FillRgn(&rgnOuter, &GetGlobalData().brBtnFace);
        CTavoPVisualManager::GetInstance()->OnDrawMiniFrameBorder(pDC, this, rectWindow,
                                                                  rectBorder);
        return;
    }
    CRect rect = rectWindow;
    const COLORREF clrStatus = m_nDockStatus == 1   ? RGB(127, 0, 0)
                               : m_nDockStatus == 2 ? RGB(0, 0, 127)
                                                    : ::GetSysColor(COLOR_3DDKSHADOW);
    pDC->Draw3dRect(rect, clrStatus, clrStatus);
    rect.DeflateRect(1, 1);
    if (m_nDockStatus != 0)
        pDC->Draw3dRect(rect, clrStatus, ::GetSysColor(COLOR_3DDKSHADOW));
    else
        pDC->Draw3dRect(rect, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    rect.DeflateRect(1, 1);
    const COLORREF clrFace = ::GetSysColor(COLOR_BTNFACE);
    for (int i = 2; i < std::max(rectBorder.left, rectBorder.top); i++)
    {
        pDC->Draw3dRect(rect, clrFace, clrFace);
        rect.DeflateRect(1, 1);
    }
}

void CTavoPMiniFrameWnd::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rectFrame;
    GetWindowRect(rectFrame);
    CRect rectClient;
    GetClientRect(rectClient);
    ClientToScreen(rectClient);
    rectClient.OffsetRect(-rectFrame.left, -rectFrame.top);
    dc.ExcludeClipRect(rectClient);
    CRgn rgnRedraw;
    if (!m_rectRedraw.IsRectEmpty())
    {
        rgnRedraw.CreateRectRgnIndirect(m_rectRedraw);
        dc.SelectClipRgn(&rgnRedraw, RGN_AND);
    }

    DrawBorder(&dc);

    CRect rectCaption;
    GetCaptionRect(rectCaption);
    CTavoPDockManager* pDockManager = GetDockManager();
    if (pDockManager != NULL && pDockManager->IsUpdateLocked())
        rectCaption.SetRectEmpty();
    CTavoPVisualManager* pManager = CTavoPVisualManager::GetInstance();
    const COLORREF clrText = pManager->OnFillMiniFrameCaption(&dc, rectCaption, this, m_bActive);

    int nTextRight = rectCaption.right;
    for (POSITION pos = m_lstCaptionButtons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPCaptionButton* pButton = (CTavoPCaptionButton*)m_lstCaptionButtons.GetNext(pos);
        if (pButton->m_bHidden || rectCaption.IsRectEmpty())
            continue;
        const BOOL bState = !(pButton->GetKind() == TAVOP_HT_PIN && m_bPinned);
        pManager->OnDrawCaptionButton(&dc, pButton, TRUE, TRUE, bState, FALSE);
        nTextRight = std::min(nTextRight, (int)pButton->GetRect().left);
    }

    CFont* pOldFont = dc.SelectObject(&GetGlobalData().fontRegular);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(clrText);
    CRect rectText = rectCaption;
    rectText.right = nTextRight;
    rectText.DeflateRect(2, 0);
    if (!rectText.IsRectEmpty())
        dc.DrawText(GetCaptionText(), rectText, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(pOldFont);
    dc.SelectClipRgn(NULL);
}

LRESULT CTavoPMiniFrameWnd::HitTest(CPoint point, BOOL bDetectCaption)
{
    CRect rectWindow;
    GetWindowRect(rectWindow);
    if (!rectWindow.PtInRect(point))
        return HTNOWHERE;
    const BOOL bToolBar = HostsToolBar(this);
    if (CTavoPToolBar::IsCustomizeMode() && !bToolBar)
        return HTNOWHERE;
    CRect rectClient;
    GetClientRect(rectClient);
    ClientToScreen(rectClient);
    if (rectClient.PtInRect(point))
        return HTCLIENT;

    CRect rectBorder;
    GetBorderSize(rectBorder);
    CRect rectCaption(rectWindow.left + rectBorder.left, rectWindow.top + rectBorder.top,
                      rectWindow.right - rectBorder.right,
                      rectWindow.top + rectBorder.top + GetCaptionHeight());
    if (rectCaption.PtInRect(point))
    {
        if (bDetectCaption)
            return HTCAPTION;
        const CPoint ptWindow = point - rectWindow.TopLeft();
        for (POSITION pos = m_lstCaptionButtons.GetHeadPosition(); pos != NULL;)
        {
            CTavoPCaptionButton* pButton = (CTavoPCaptionButton*)m_lstCaptionButtons.GetNext(pos);
            if (!pButton->m_bHidden && pButton->GetRect().PtInRect(ptWindow))
                return pButton->GetKind();
        }
        // A press on the caption arrives as a client press and starts the frame's own move.
        return HTCLIENT;
    }

    if (bToolBar)
    {
        if (point.y < rectWindow.top + rectBorder.top)
            return HTTOP;
        if (point.x < rectWindow.left + rectBorder.left)
            return HTLEFT;
        if (point.y >= rectWindow.bottom - rectBorder.bottom)
            return HTBOTTOM;
        if (point.x >= rectWindow.right - rectBorder.right)
            return HTRIGHT;
        return ::DefWindowProc(m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
    }
    const int cxCorner = ::GetSystemMetrics(SM_CXCURSOR) / 2;
    const int cyCorner = ::GetSystemMetrics(SM_CYCURSOR) / 2;
    const BOOL bTop = point.y < rectWindow.top + rectBorder.top;
    const BOOL bBottom = point.y >= rectWindow.bottom - rectBorder.bottom;
    const BOOL bLeft = point.x < rectWindow.left + rectBorder.left;
    const BOOL bRight = point.x >= rectWindow.right - rectBorder.right;
    const BOOL bNearLeft = point.x < rectWindow.left + cxCorner;
    const BOOL bNearRight = point.x >= rectWindow.right - cxCorner;
    const BOOL bNearTop = point.y < rectWindow.top + cyCorner;
    const BOOL bNearBottom = point.y >= rectWindow.bottom - cyCorner;
    if (bTop && bNearLeft)
        return HTTOPLEFT;
    if (bTop && !bNearRight)
        return HTTOP;
    if (bTop || (bRight && bNearTop))
        return HTTOPRIGHT;
    if (bRight && !bNearBottom)
        return HTRIGHT;
    if (bRight || (bBottom && bNearRight))
        return HTBOTTOMRIGHT;
    if (bBottom && !bNearLeft)
        return HTBOTTOM;
    if (bBottom || (bLeft && bNearBottom))
        return HTBOTTOMLEFT;
    if (bLeft && bNearTop)
        return HTTOPLEFT;
    if (bLeft)
        return HTLEFT;
    return ::DefWindowProc(m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
}

LRESULT CTavoPMiniFrameWnd::OnNcHitTest(CPoint point)
{
    return HitTest(point, FALSE);
}

BOOL CTavoPMiniFrameWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    LPCTSTR lpszCursor = NULL;
    switch (nHitTest)
    {
    case HTLEFT:
    case HTRIGHT: lpszCursor = IDC_SIZEWE; break;
    case HTTOP:
    case HTBOTTOM: lpszCursor = IDC_SIZENS; break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: lpszCursor = IDC_SIZENWSE; break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: lpszCursor = IDC_SIZENESW; break;
    default: return (BOOL)Default();
    }
    ::SetCursor(::LoadCursor(NULL, lpszCursor));
    return TRUE;
}

void CTavoPMiniFrameWnd::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    if (!m_bIgnoreNextMove && !m_bMoving)
        TrackCaptionButtons(point);
    Default();
}

void CTavoPMiniFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    // The platform would run its own move or size loop for the caption buttons' codes.
    CTavoPCaptionButton* pButton = FindCaptionButton(nHitTest);
    if (pButton == NULL)
    {
        Default();
        return;
    }
    if (m_nHot != nHitTest)
        TrackCaptionButtons(point);
    m_nHit = nHitTest;
    pButton->m_bPushed = TRUE;
    SetCapture();
    RedrawCaptionButton(pButton);
}

void CTavoPMiniFrameWnd::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
    if (m_nHit == 0)
        Default();
}

void CTavoPMiniFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    // A quick second click on a caption button arrives as a double click: it is one more press.
    if (FindCaptionButton(nHitTest) != NULL)
    {
        OnNcLButtonDown(nHitTest, point);
        return;
    }
    Default();
}

BOOL CTavoPMiniFrameWnd::OnNcCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (!Default())
        return FALSE;
    // A frame made while its owner is active starts with an active caption.
    HWND hwndOwner = m_hDockSite != NULL ? ::GetAncestor(m_hDockSite, GA_ROOT) : NULL;
    const HWND hwndForeground = ::GetForegroundWindow();
    BOOL bActive = FALSE;
    if (hwndOwner != NULL)
        bActive = hwndForeground == hwndOwner ||
                  (hwndForeground == ::GetLastActivePopup(hwndOwner) &&
                   ::SendMessage(hwndForeground, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0);
    SendMessage(WM_FLOATSTATUS, bActive ? FS_ACTIVATE : FS_DEACTIVATE);
    return TRUE;
}

LRESULT CTavoPMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM lParam)
{
    if (wParam & (FS_SHOW | FS_HIDE))
        CWnd::SetWindowPos(NULL, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                               ((wParam & FS_SHOW) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    if (wParam & (FS_ENABLE | FS_DISABLE))
        EnableWindow((wParam & FS_ENABLE) != 0);
    const BOOL bSync = (GetStyle() & MFS_SYNCACTIVE) != 0;
    if (bSync && (wParam & (FS_ACTIVATE | FS_DEACTIVATE)))
    {
        ModifyStyle(MFS_SYNCACTIVE, 0);
        SendMessage(WM_NCACTIVATE, (wParam & FS_ACTIVATE) != 0);
        ModifyStyle(0, MFS_SYNCACTIVE);
    }
    return bSync && (wParam & FS_SYNCACTIVE) != 0;
}

BOOL CTavoPMiniFrameWnd::OnNcActivate(BOOL bActive)
{
    // In step with the owner: the platform's own activation changes nothing, unless the frame
    // is told to keep its own look.
    if ((GetStyle() & MFS_SYNCACTIVE) && !IsKeepMiniActive())
        return TRUE;
    const HWND hwndFocus = ::GetFocus();
    const BOOL bNewActive = hwndFocus == m_hWnd;
    if (bNewActive != m_bActive)
    {
        m_bActive = bNewActive;
        if (GetDockManager() != NULL)
            SendMessage(WM_NCPAINT);
    }
    return TRUE;
}

LRESULT CTavoPMiniFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    const HWND hwndFocus = ::GetFocus();
    const BOOL bActive = hwndFocus == m_hWnd || ::IsChild(m_hWnd, hwndFocus);
    if (bActive != m_bActive)
    {
        m_bActive = bActive;
        SendMessage(WM_NCPAINT);
    }
    SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    return 0;
}

// ---- sizing

void CTavoPMiniFrameWnd::OnSizing(UINT nSide, LPRECT lpRect)
{
    Default();
    if (m_bRolledUp)
        return;
    CWnd* pBar = GetControlBar();
    if (pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CTavoPTabbedToolbar)))
    {
        GetWindowRect(lpRect);
        return;
    }
    if (pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CTavoPToolBar)))
        SnapToolbarSize(nSide, lpRect);
}

void CTavoPMiniFrameWnd::SnapToolbarSize(UINT nSide, LPRECT lpRect)
{
    CTavoPToolBar* pBar = (CTavoPToolBar*)GetControlBar();
    if (m_bSizing)
    {
        // The dragged edges follow the cursor from where the sizing began: a platform that
        // adds each step to the snapped rectangle would otherwise shrink it step by step.
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        const CSize delta = ptCursor - m_ptSizeStart;
        *lpRect = m_rectSizeStart;
        if (nSide == WMSZ_LEFT || nSide == WMSZ_TOPLEFT || nSide == WMSZ_BOTTOMLEFT)
            lpRect->left += delta.cx;
        if (nSide == WMSZ_RIGHT || nSide == WMSZ_TOPRIGHT || nSide == WMSZ_BOTTOMRIGHT)
            lpRect->right += delta.cx;
        if (nSide == WMSZ_TOP || nSide == WMSZ_TOPLEFT || nSide == WMSZ_TOPRIGHT)
            lpRect->top += delta.cy;
        if (nSide == WMSZ_BOTTOM || nSide == WMSZ_BOTTOMLEFT || nSide == WMSZ_BOTTOMRIGHT)
            lpRect->bottom += delta.cy;
    }
    CRect rectBorder;
    GetBorderSize(rectBorder);
    const int cxExtra = rectBorder.left + rectBorder.right;
    const int cyExtra = rectBorder.top + rectBorder.bottom + GetCaptionHeight();
    // The left and right edges give the width; the top, the bottom and every corner the height.
    const BOOL bByWidth = nSide == WMSZ_LEFT || nSide == WMSZ_RIGHT;
    const int nLength = bByWidth ? (lpRect->right - lpRect->left) - cxExtra
                                 : (lpRect->bottom - lpRect->top) - cyExtra;
    const CSize size =
        pBar->CalcLayout(LM_HORZ | LM_COMMIT | (bByWidth ? 0 : LM_LENGTHY), std::max(nLength, 0));
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CRect rectClient;
    GetClientRect(rectClient);
    if (size == rectClient.Size() || size.cx <= 0 || size.cy <= 0)
    {
        *lpRect = rectWindow;
        return;
    }
    const int cx = size.cx + cxExtra, cy = size.cy + cyExtra;
    if (nSide == WMSZ_LEFT || nSide == WMSZ_TOPLEFT || nSide == WMSZ_BOTTOMLEFT)
        lpRect->left = lpRect->right - cx;
    else
        lpRect->right = lpRect->left + cx;
    if (nSide == WMSZ_TOP || nSide == WMSZ_TOPLEFT || nSide == WMSZ_TOPRIGHT)
        lpRect->top = lpRect->bottom - cy;
    else
        lpRect->bottom = lpRect->top + cy;
    pBar->AdjustLayout();
    BOOL bFullDrag = TRUE;
    ::SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &bFullDrag, 0);
    if (!bFullDrag)
        CWnd::SetWindowPos(NULL, lpRect->left, lpRect->top, cx, cy,
                           SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
}

void CTavoPMiniFrameWnd::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    lpwndpos->flags |= SWP_NOACTIVATE;
    Default();
}

void CTavoPMiniFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    Default();
    CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, GetControlBar());
    if (pBar != NULL)
        AdjustBarLayout();
    ArrangeCaptionButtons();
    SendMessage(WM_NCPAINT);
}

void CTavoPMiniFrameWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CTavoPControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPControlBar, GetControlBar());
    if (pBar != NULL)
    {
        CSize sizeMin;
        pBar->GetMinSize(sizeMin);
        CalcMinSize(sizeMin, lpMMI);
    }
    Default();
}

BOOL CTavoPMiniFrameWnd::OnEraseBkgnd(CDC* pDC)
{
    return TRUE;
}

void CTavoPMiniFrameWnd::OnClose()
{
    if (CanClose())
        CloseMiniFrame();
}

void CTavoPMiniFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    Default();
    if (HostsToolBar(this) && ::IsWindow(m_hEmbeddedBar))
        m_hWndToRestoreFocus = pOldWnd->GetSafeHwnd();
}

void CTavoPMiniFrameWnd::OnEnterSizeMove()
{
    m_bSizing = TRUE;
    GetWindowRect(m_rectSizeStart);
    ::GetCursorPos(&m_ptSizeStart);
    Default();
}

void CTavoPMiniFrameWnd::OnExitSizeMove()
{
    m_bSizing = FALSE;
    if (m_hWndToRestoreFocus != NULL && ::IsWindow(m_hWndToRestoreFocus))
        ::SetFocus(m_hWndToRestoreFocus);
    m_hWndToRestoreFocus = NULL;
}

void CTavoPMiniFrameWnd::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (CTavoPToolBar::IsCustomizeMode() || m_bMoving)
        return;
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CRect rectCaption;
    GetCaptionRect(rectCaption);
    rectCaption.OffsetRect(rectWindow.TopLeft());
    CFrameWnd* pFrame = GetDockSiteFrame();
    if (pFrame == NULL || !rectCaption.PtInRect(point))
        return;
    pFrame->SendMessage(CTavoPControlBar::GetPopupMenuMessage(), (WPARAM)m_hWnd,
                        MAKELPARAM(point.x, point.y));
}

// ---- roll-up

void CTavoPMiniFrameWnd::StartRollUp()
{
    CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, GetControlBar());
    if (pBar == NULL || (pBar->GetBehaviourFlags() & TAVOP_CBRS_AUTO_ROLLUP) == 0 ||
        m_nRollUpTimer != 0)
        return;
    m_nRollUpTimer = SetTimer(TAVOP_MINIFRAME_ROLLUP_TIMER, 250, NULL);
    SetCaptionButtons(m_nCaptionButtons | TAVOP_CAPTION_BTN_PIN);
}

void CTavoPMiniFrameWnd::StopRollUp()
{
    CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, GetControlBar());
    if (pBar != NULL && (pBar->GetBehaviourFlags() & TAVOP_CBRS_AUTO_ROLLUP) != 0)
        return;
    if (m_nRollUpTimer != 0)
        KillTimer(m_nRollUpTimer);
    m_nRollUpTimer = 0;
    if (m_nCaptionButtons & TAVOP_CAPTION_BTN_PIN)
        SetCaptionButtons(m_nCaptionButtons & ~TAVOP_CAPTION_BTN_PIN);
}

void CTavoPMiniFrameWnd::CheckRollUp()
{
    CTavoPDockManager* pManager = GetDockManager();
    if (pManager != NULL && pManager->IsUpdateLocked())
        return;
    CRect rectWindow;
    GetWindowRect(rectWindow);
    if (m_bRolledUp)
    {
        if (!IsCursorOverFrame())
            return;
        CWnd::SetWindowPos(NULL, 0, 0, rectWindow.Width(), m_nHeightBeforeRollUp,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_bRolledUp = FALSE;
        return;
    }
    if (!CanRollUp())
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    m_nHeightBeforeRollUp = rectWindow.Height();
    m_bRolledUp = TRUE;
    CWnd::SetWindowPos(NULL, 0, 0, rectWindow.Width(), rectWindow.Height() - rectClient.Height(),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- mouse activation

int CTavoPMiniFrameWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    // A toolbar takes no keys: a click on it, also on its buttons, leaves the owner active
    // with its active caption.
    if (HostsToolBar(this))
    {
        CWnd::SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
        return MA_NOACTIVATE;
    }
    return (int)Default();
}

// ---- the process-wide list of floating frames

void CTavoPMiniFrameWnd::RedrawAll()
{
    // A copy: a redraw may destroy a frame that was left empty.
    const std::list<HWND> frames = TavoPFloatingFrameList();
    for (HWND hwnd : frames)
    {
        if (::IsWindow(hwnd))
            ::RedrawWindow(hwnd, NULL, NULL,
                           RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW |
                               RDW_FRAME);
    }
}
