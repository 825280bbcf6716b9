// The docking pane's window: creation, the caption strip with its buttons and tooltips, hit test, painting, mouse handling, showing and hiding, and its archive record.
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "res/LibraryIds.h"
#include "ui/bars/docking/CTavoPAutoHideToolBar.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/docking/CTavoPTabbedControlBar.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPMultiMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPSlider.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"

BEGIN_MESSAGE_MAP(CTavoPDockingControlBar, CTavoPControlBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCMOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_RBUTTONDOWN()
    ON_WM_CANCELMODE()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

IMPLEMENT_SERIAL(CTavoPDockingControlBar, CTavoPControlBar, VERSIONABLE_SCHEMA | 2)

namespace {

// Tooltip tools of the two caption buttons.
const UINT_PTR kCloseTool = 1;
const UINT_PTR kPinTool = 2;

}

CTavoPDockingControlBar::CTavoPDockingControlBar()
    : m_bDragStarted(0), m_bCursorWasInside(0), m_nCaptionHeight(0), m_bHasCaption(FALSE),
      m_bActive(FALSE), m_nPercent(100), m_bAutoHideMode(FALSE), m_nMouseCheckTimer(0),
      m_nSlideTimer(0), m_nSlideStepCount(0), m_nSlideStep(0), m_bSliding(FALSE),
      m_bDisableAutoHideHiding(FALSE), m_bSlidingIn(FALSE), m_nSlideMode(m_nDefaultSlideMode),
      m_pAutoHideButton(NULL), m_pAutoHideBar(NULL), m_pTabbedControlBarRTC(NULL),
      m_hDefaultSlider(NULL), m_nHotButton(0), m_nPressedButton(0)
{
    m_rectRedrawButton.SetRectEmpty();
    m_rectSlideFull.SetRectEmpty();
    m_rectToolTips[0].SetRectEmpty();
    m_rectToolTips[1].SetRectEmpty();
    m_arrButtons[0].m_nHit = TAVOP_HT_PANE_CLOSE;
    m_arrButtons[1].m_nHit = TAVOP_HT_PANE_PIN;
    m_pTabbedControlBarRTC = RUNTIME_CLASS(CTavoPTabbedControlBar);
}

CTavoPDockingControlBar::~CTavoPDockingControlBar() = default;

// ---- creation

BOOL CTavoPDockingControlBar::CreateWithSize(LPCTSTR lpszCaption, CWnd* pParentWnd, SIZE size,
                                             BOOL bHasCaption, UINT nID, DWORD dwStyle,
                                             DWORD dwTabbedStyle, DWORD dwTavoStyle)
{
    return CreateEx(0, lpszCaption, pParentWnd, CRect(0, 0, size.cx, size.cy), bHasCaption, nID,
                    dwStyle, dwTabbedStyle, dwTavoStyle, NULL);
}

BOOL CTavoPDockingControlBar::Create(LPCTSTR lpszCaption, CWnd* pParentWnd, const RECT& rect,
                                     BOOL bHasCaption, UINT nID, DWORD dwStyle, DWORD dwTabbedStyle,
                                     DWORD dwTavoStyle, CCreateContext* pContext)
{
    return CreateEx(0, lpszCaption, pParentWnd, rect, bHasCaption, nID, dwStyle, dwTabbedStyle,
                    dwTavoStyle, pContext);
}

BOOL CTavoPDockingControlBar::CreateEx(DWORD dwStyleEx, LPCTSTR lpszCaption, CWnd* pParentWnd,
                                       const RECT& rect, BOOL bHasCaption, UINT nID, DWORD dwStyle,
                                       DWORD dwTabbedStyle, DWORD dwTavoStyle,
                                       CCreateContext* pContext)
{
    if (m_cxDrag == 0 || m_cyDrag == 0)
    {
        m_cxDrag = ::GetSystemMetrics(SM_CXDRAG);
        m_cyDrag = ::GetSystemMetrics(SM_CYDRAG);
    }
    if (dwStyle & CBRS_FLOAT_MULTI)
        SetFloatingFrameClass(RUNTIME_CLASS(CTavoPMultiMiniFrameWnd));
    // The outlook bar is found by name: a program that never uses one does not link it.
    // Tab groups are named directly, so that they are always there for a stored layout.
    if (dwTabbedStyle & TAVOP_TABBED_STYLE_OUTLOOK)
        m_pTabbedControlBarRTC = CRuntimeClass::FromName("CTavoPOutlookBar");
    else if (dwTabbedStyle & TAVOP_TABBED_STYLE_TABBED)
        m_pTabbedControlBarRTC = RUNTIME_CLASS(CTavoPTabbedControlBar);
    if (dwStyle & WS_CAPTION)
    {
        m_bHasCaption = TRUE;
        bHasCaption = TRUE;
        dwStyle &= ~WS_CAPTION;
    }
    else if (bHasCaption)
    {
        m_bHasCaption = TRUE;
    }

    if (!CTavoPControlBar::CreateEx(dwStyleEx, NULL, dwStyle, rect, pParentWnd, nID, dwTavoStyle,
                                    pContext))
        return FALSE;

    m_rectSlideFull = rect;
    SetCurrentAlignment(dwStyle & CBRS_ALIGN_ANY);
    ShowCaption(bHasCaption);
    if (lpszCaption != NULL)
        SetWindowText(lpszCaption);
    return TRUE;
}

int CTavoPDockingControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (Default() == -1)
        return -1;
    if (m_wndToolTip.Create(this, TTS_ALWAYSTIP))
    {
        m_wndToolTip.Activate(TRUE);
        m_wndToolTip.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0,
                                  SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        CString strClose, strAutoHide;
        strClose.LoadString(IDS_TAVOP_CAPTION_CLOSE);
        strAutoHide.LoadString(IDS_TAVOP_CAPTION_AUTO_HIDE);
        const CRect rectEmpty(0, 0, 0, 0);
        m_wndToolTip.AddTool(this, strClose, rectEmpty, kCloseTool);
        m_wndToolTip.AddTool(this, strAutoHide, rectEmpty, kPinTool);
        m_rectToolTips[0] = m_rectToolTips[1] = rectEmpty;
    }
    return 0;
}

// ---- the caption strip

void CTavoPDockingControlBar::ShowCaption(BOOL bShow)
{
    m_nCaptionHeight =
        bShow && m_bHasCaption ? GetGlobalData().m_nTextHeightHorz + 2 * m_nCaptionVertMargin : 0;
    if (m_hWnd != NULL)
        CWnd::SetWindowPos(NULL, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                               SWP_FRAMECHANGED);
}

int CTavoPDockingControlBar::GetCaptionHeight() const
{
    return IsFloating() ? 0 : m_nCaptionHeight;
}

CRect CTavoPDockingControlBar::GetCaptionRect() const
{
    if (m_hWnd == NULL || m_nCaptionHeight == 0 || IsFloating())
        return CRect(0, 0, 0, 0);
    CRect rectWindow, rectClient;
    GetWindowRect(rectWindow);
    GetClientRect(rectClient);
    ClientToScreen(rectClient);
    return CRect(0, rectClient.top - rectWindow.top - m_nCaptionHeight, rectWindow.Width(),
                 rectClient.top - rectWindow.top);
}

BOOL CTavoPDockingControlBar::IsPinAllowed() const
{
    CTavoPDockManager* pManager = GetDockManager();
    CTavoPSlider* pSlider = GetDefaultSlider();
    return pManager != NULL && pSlider != NULL &&
           pManager->IsAutoHideEnabled(pSlider->GetCurrentAlignment()) && HasBehaviour2();
}

void CTavoPDockingControlBar::LayoutCaptionButtons(const CRect& rectCaption)
{
    const CSize size = CTavoPCaptionButton::GetSize();
    const BOOL bAllowed[2] = {CanBeClosed(), IsPinAllowed()};
    int x = rectCaption.right;
    for (int i = 0; i < 2; i++)
    {
        CTavoPCaptionButton& button = m_arrButtons[i];
        button.m_bPushed = FALSE;
        button.m_bFocused = FALSE;
        if (m_bHideDisabledCaptionButtons)
            button.m_bHidden = !bAllowed[i];
        if (button.m_bHidden)
            continue;
        x -= size.cx + 2;
        button.m_ptOrg = CPoint(x, rectCaption.top + (rectCaption.Height() - size.cy) / 2);
    }
    m_nHotButton = 0;
    m_nPressedButton = 0;
}

void CTavoPDockingControlBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    const CRect rectWindow(lpncsp->rgrc[0]);
    Default();
    RECT& rectClient = lpncsp->rgrc[0];
    if (IsFloating())
    {
        PlaceToolTips(CPoint(rectClient.left - rectWindow.left, rectClient.top - rectWindow.top));
        return;
    }
    // Window coordinates of the strip right above the client area.
    const CRect rectCaption(rectClient.left - rectWindow.left, rectClient.top - rectWindow.top,
                            rectClient.right - rectWindow.left,
                            rectClient.top - rectWindow.top + m_nCaptionHeight);
    LayoutCaptionButtons(rectCaption);
    rectClient.top += m_nCaptionHeight;
    if (rectClient.top > rectClient.bottom)
        rectClient.top = rectClient.bottom;
    if (rectClient.right < rectClient.left)
        rectClient.right = rectClient.left;
    PlaceToolTips(CPoint(rectClient.left - rectWindow.left, rectClient.top - rectWindow.top));
}

CTavoPCaptionButton* CTavoPDockingControlBar::FindButton(int nHit)
{
    for (CTavoPCaptionButton& button : m_arrButtons)
    {
        if (button.m_nHit == nHit)
            return &button;
    }
    return NULL;
}

int CTavoPDockingControlBar::HitTest(CPoint ptScreen, BOOL bDetectCaption)
{
    CRect rectWindow;
    GetWindowRect(rectWindow);
    if (!rectWindow.PtInRect(ptScreen))
        return HTNOWHERE;

    // A floating pane draws no buttons of its own: the ones laid out while it was docked are
    // not there any more.
    const BOOL bFloating = IsFloating();
    CTavoPDockManager* pManager = GetDockManager();
    if (pManager != NULL && !pManager->IsDragOutlineShown() && !bFloating && m_nCaptionHeight > 0)
    {
        const CPoint ptWindow = ptScreen - rectWindow.TopLeft();
        for (const CTavoPCaptionButton& button : m_arrButtons)
        {
            if (!button.m_bHidden && button.GetRect().PtInRect(ptWindow))
                return button.m_nHit;
        }
    }

    CRect rectClient;
    GetClientRect(rectClient);
    ClientToScreen(rectClient);
    if (rectClient.PtInRect(ptScreen))
        return HTCLIENT;
    if (!IsDocked())
        return -2;
    const CRect rectCaption(rectWindow.left, rectWindow.top + 1, rectWindow.right,
                            rectWindow.top + 1 + m_nCaptionHeight);
    if (rectCaption.PtInRect(ptScreen))
        return bDetectCaption ? HTCAPTION : HTCLIENT;
    return -2;
}

LRESULT CTavoPDockingControlBar::OnNcHitTest(CPoint point)
{
    const int nHit = HitTest(point, FALSE);
    return nHit == -2 ? Default() : nHit;
}

// ---- painting

void CTavoPDockingControlBar::OnNcPaint()
{
    // A pane that only moved, or changed its height, is sent a strip of its frame to paint:
    // painting the whole caption for each of them made one slider step cost several full
    // captions. The region comes in screen coordinates; 0 or 1 asks for the whole frame.
    const MSG* pMsg = GetCurrentMessage();
    const HRGN hrgnUpdate = pMsg->message == WM_NCPAINT && pMsg->hwnd == m_hWnd && pMsg->wParam > 1
                                ? (HRGN)pMsg->wParam
                                : NULL;
    CWindowDC dc(this);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    const CPoint ptOrigin = rectWindow.TopLeft();
    CRect rectClient;
    GetClientRect(rectClient);
    ClientToScreen(rectClient);
    rectClient.OffsetRect(-ptOrigin);
    rectWindow.OffsetRect(-ptOrigin);

    CRect rectPaint = rectWindow;
    CRect rectUpdate;
    if (hrgnUpdate != NULL && ::GetRgnBox(hrgnUpdate, rectUpdate) != ERROR)
    {
        rectUpdate.OffsetRect(-ptOrigin);
        if (!rectPaint.IntersectRect(rectPaint, rectUpdate))
            return;
        HRGN hrgnClip = ::CreateRectRgn(0, 0, 0, 0);
        if (hrgnClip != NULL)
        {
            ::CombineRgn(hrgnClip, hrgnUpdate, NULL, RGN_COPY);
            ::OffsetRgn(hrgnClip, -ptOrigin.x, -ptOrigin.y);
            ::ExtSelectClipRgn(dc.GetSafeHdc(), hrgnClip, RGN_AND);
            ::DeleteObject(hrgnClip);
        }
    }
    if (!m_rectRedrawButton.IsRectEmpty() &&
        !rectPaint.IntersectRect(rectPaint, m_rectRedrawButton))
        return;
    dc.ExcludeClipRect(rectClient);
    dc.IntersectClipRect(rectPaint);

    CTavoPVisualManager::GetInstance()->OnFillBarBackground(&dc, this, rectWindow, rectPaint, TRUE);
    if (m_nCaptionHeight == 0 || IsFloating())
        return;
    const CRect rectStrip(rectWindow.left, rectClient.top - m_nCaptionHeight, rectWindow.right,
                          rectClient.top);
    if (!CRect().IntersectRect(rectStrip, rectPaint))
        return;
    CRect rectCaption = rectStrip;
    rectCaption.DeflateRect(0, 1);
    DrawCaption(&dc, rectCaption);
    for (int i = 0; i < 2; i++)
        m_arrButtons[i].OnDraw(&dc, m_bActive, IsHorizontal(), i == 1 ? m_bAutoHideMode : FALSE);
}

void CTavoPDockingControlBar::DrawCaption(CDC* pDC, CRect rectCaption)
{
    const COLORREF clrText =
        CTavoPVisualManager::GetInstance()->OnFillBarCaption(pDC, this, m_bActive, rectCaption);

    // The text ends where the leftmost shown button begins.
    CRect rectText = rectCaption;
    for (const CTavoPCaptionButton& button : m_arrButtons)
    {
        if (!button.m_bHidden && button.m_ptOrg.x < rectText.right)
            rectText.right = button.m_ptOrg.x;
    }
    rectText.DeflateRect(m_nCaptionTextInset, 0);

    CString strText;
    GetWindowText(strText);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    CFont* pOldFont = pDC->SelectObject(&GetGlobalData().fontRegular);
    pDC->DrawText(strText, rectText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    pDC->SelectObject(pOldFont);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

void CTavoPDockingControlBar::OnPaint()
{
    // The client area belongs to the pane's child; the caption is painted with the frame.
    ValidateRect(NULL);
}

void CTavoPDockingControlBar::RedrawButton(const CTavoPCaptionButton& button)
{
    if (m_hWnd == NULL)
        return;
    m_rectRedrawButton = button.GetRect();
    SendMessage(WM_NCPAINT);
    m_rectRedrawButton.SetRectEmpty();
    UpdateWindow();
}

void CTavoPDockingControlBar::AdjustLayout()
{
    // The pane's size comes from the layout tree or from its floating frame, never from here.
    CRect rectWindow, rectClient;
    GetWindowRect(rectWindow);
    GetClientRect(rectClient);
    ClientToScreen(rectClient);
    PlaceToolTips(rectClient.TopLeft() - rectWindow.TopLeft());
}

void CTavoPDockingControlBar::PlaceToolTips(CPoint ptClientInWindow)
{
    if (m_wndToolTip.GetSafeHwnd() == NULL)
        return;
    // The buttons are laid out in window coordinates; the tools live in client coordinates.
    const UINT_PTR tools[2] = {kCloseTool, kPinTool};
    const BOOL bFloating = IsFloating();
    for (int i = 0; i < 2; i++)
    {
        CRect rect(0, 0, 0, 0);
        if (!m_arrButtons[i].m_bHidden && !bFloating && m_nCaptionHeight > 0)
        {
            rect = m_arrButtons[i].GetRect();
            rect.OffsetRect(-ptClientInWindow);
        }
        if (rect == m_rectToolTips[i])
            continue;
        m_rectToolTips[i] = rect;
        m_wndToolTip.SetToolRect(this, tools[i], rect);
    }
}

// ---- caption buttons under the mouse

void CTavoPDockingControlBar::TrackButtons(CPoint ptScreen)
{
    CRect rectWindow;
    GetWindowRect(rectWindow);
    int nHot = 0;
    if (!IsFloating())
    {
        const CPoint ptWindow = ptScreen - rectWindow.TopLeft();
        for (const CTavoPCaptionButton& button : m_arrButtons)
        {
            if (!button.m_bHidden && button.GetRect().PtInRect(ptWindow))
                nHot = button.m_nHit;
        }
    }
    if (nHot == m_nHotButton)
        return;

    const HWND hWnd = m_hWnd;
    CTavoPCaptionButton* pOld = FindButton(m_nHotButton);
    m_nHotButton = nHot;
    CTavoPCaptionButton* pNew = FindButton(nHot);
    if (pOld != NULL)
    {
        pOld->m_bFocused = FALSE;
        RedrawButton(*pOld);
    }
    if (pNew != NULL)
    {
        pNew->m_bFocused = m_nPressedButton == 0 || m_nPressedButton == nHot;
        RedrawButton(*pNew);
    }
    if (!::IsWindow(hWnd))
        return;
    if (nHot != 0)
    {
        if (::GetCapture() != m_hWnd)
            SetCapture();
    }
    else if (m_nPressedButton == 0 && ::GetCapture() == m_hWnd && !m_bDragging)
    {
        ReleaseCapture();
    }
}

void CTavoPDockingControlBar::ReleaseButtonTracking()
{
    const BOOL bTracking = m_nHotButton != 0 || m_nPressedButton != 0;
    m_nHotButton = 0;
    m_nPressedButton = 0;
    for (CTavoPCaptionButton& button : m_arrButtons)
    {
        button.m_bFocused = FALSE;
        button.m_bPushed = FALSE;
    }
    if (!bTracking)
        return;
    if (::GetCapture() == m_hWnd && !m_bDragging)
        ReleaseCapture();
    for (const CTavoPCaptionButton& button : m_arrButtons)
    {
        if (m_hWnd != NULL)
            RedrawButton(button);
    }
}

BOOL CTavoPDockingControlBar::PressHotButton()
{
    if (m_nHotButton == 0)
        return FALSE;
    m_nPressedButton = m_nHotButton;
    CTavoPCaptionButton* pButton = FindButton(m_nPressedButton);
    if (pButton != NULL)
    {
        pButton->m_bPushed = TRUE;
        RedrawButton(*pButton);
    }
    return TRUE;
}

BOOL CTavoPDockingControlBar::PressButtonAt(CPoint ptScreen)
{
    if (m_bDragging || m_bDragStarted)
        return FALSE;
    TrackButtons(ptScreen);
    return PressHotButton();
}

void CTavoPDockingControlBar::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    if (m_bDragging || m_bDragStarted)
    {
        Default();
        return;
    }
    TrackButtons(point);
}

void CTavoPDockingControlBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    // A docked pane has no frame of its own to move; the platform's caption tracking would.
    if (!IsDocked() || IsFloating())
        Default();
}

// ---- the mouse in the pane

void CTavoPDockingControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (PressHotButton())
        return;

    const HWND hWnd = m_hWnd;
    CWnd* pChild = GetWindow(GW_CHILD);
    if (pChild != NULL && pChild->GetWindow(GW_HWNDNEXT) == NULL && pChild != &m_wndToolTip)
        pChild->SetFocus();
    if (!m_bAutoHideMode && !IsTabbed())
    {
        if (CanFloat())
        {
            m_bDragStarted = 1;
            m_bCursorWasInside = 0;
        }
        CTavoPControlBar::OnLButtonDown(nFlags, point);
    }
    if (::IsWindow(hWnd) && ::GetFocus() != hWnd && !::IsChild(hWnd, ::GetFocus()))
        SetFocus();
}

void CTavoPDockingControlBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bDragStarted && !m_bDragging)
    {
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        TrackButtons(ptScreen);
        Default();
        return;
    }
    if (m_bDragStarted && GetDockingMode() == TAVOP_DOCK_IMMEDIATE)
    {
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        CRect rectWindow;
        GetWindowRect(rectWindow);
        if (rectWindow.PtInRect(ptCursor))
            m_bCursorWasInside = 1;
        const CSize delta = ptCursor - m_dragFrame.m_ptHot;
        m_rectDragWnd.OffsetRect(delta);
        m_dragFrame.m_ptHot = ptCursor;

        // A tab is measured against the tabbed bar that holds it.
        CRect rectTest = rectWindow;
        CTavoPDockingControlBar* pOwner = GetOwnerPane();
        if (pOwner != this && pOwner != NULL)
            pOwner->GetWindowRect(rectTest);
        rectTest.InflateRect(m_cxDrag, m_cyDrag);
        if (rectTest.PtInRect(ptCursor) || !m_bCursorWasInside)
            return;

        m_bDragStarted = 0;
        m_bCursorWasInside = 0;
        if (IsTabbed())
        {
            HWND hWndTab = NULL;
            CTavoPBaseTabWnd* pTabWnd = GetParentTabWnd(hWndTab);
            CTavoPBaseTabbedBar* pTabbedBar =
                pTabWnd != NULL ? DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pTabWnd->GetParent())
                                : NULL;
            if (pTabbedBar != NULL)
                pTabbedBar->FloatTab(this, pTabWnd->GetTabFromHwnd(hWndTab), TAVOP_DM_MOUSE, FALSE);
            return;
        }
        FloatControlBar(m_recentDockInfo.m_rectRecentFloatingRect, TAVOP_DM_MOUSE, TRUE);
        return;
    }
    CTavoPControlBar::OnMouseMove(nFlags, point);
}

void CTavoPDockingControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    m_bDragStarted = 0;
    if (m_nPressedButton == 0)
    {
        CTavoPControlBar::OnLButtonUp(nFlags, point);
        return;
    }
    const int nPressed = m_nPressedButton;
    const int nHot = m_nHotButton;
    const HWND hWnd = m_hWnd;
    ReleaseButtonTracking();
    if (::GetCapture() == m_hWnd)
        ReleaseCapture();
    if (nPressed == nHot)
    {
        if (nPressed == TAVOP_HT_PANE_PIN)
        {
            CTavoPSlider* pSlider = GetDefaultSlider();
            CTavoPDockManager* pManager = GetDockManager();
            const DWORD dwAlignment =
                pSlider != NULL ? pSlider->GetCurrentAlignment() : GetCurrentAlignment();
            if (pManager != NULL && pManager->IsAutoHideEnabled(dwAlignment))
                SetAutoHideMode(!m_bAutoHideMode, dwAlignment, NULL, TRUE);
        }
        else if (nPressed == TAVOP_HT_PANE_CLOSE)
        {
            OnPressCloseButton();
        }
    }
    // The pane may have gone with its close button.
    if (::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == this)
        Default();
}

void CTavoPDockingControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // A quick second click on a caption button arrives as a double click: it is one more press
    // of that button; elsewhere the double click floats or docks the pane.
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (PressButtonAt(ptScreen))
        return;
    if (m_bAutoHideMode)
    {
        Default();
        return;
    }
    CTavoPDockingControlBar* pBar = GetOwnerPane();
    CTavoPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame();
    if (pMiniFrame != NULL && pMiniFrame->IsKindOf(RUNTIME_CLASS(CTavoPMultiMiniFrameWnd)))
    {
        pBar->StopDrag();
        pBar->DockByMethod(NULL, NULL, TAVOP_DM_RECENT);
        return;
    }
    if (pBar->GetDefaultSlider() != NULL)
    {
        const CTavoPRecentDockInfo& recent = pBar->GetRecentDockInfo();
        CTavoPMultiMiniFrameWnd* pRecentFrame =
            recent.m_hRecentMiniFrame != NULL && ::IsWindow(recent.m_hRecentMiniFrame)
                ? DYNAMIC_DOWNCAST(CTavoPMultiMiniFrameWnd,
                                   CWnd::FromHandlePermanent(recent.m_hRecentMiniFrame))
                : NULL;
        if (pRecentFrame != NULL && (recent.GetRecentContainer(FALSE) != NULL ||
                                     recent.GetRecentTabContainer(FALSE) != NULL))
        {
            // The group takes the pane back at its place there; the drag stops once the pane
            // is in the group, so that the place it had there is not forgotten first.
            const BOOL bTaken = pRecentFrame->AddRecentControlBar(pBar);
            pBar->StopDrag();
            if (bTaken)
                return;
        }
        if (pBar == this)
            CTavoPControlBar::OnLButtonDblClk(nFlags, point);
        else
            pBar->SendMessage(WM_LBUTTONDBLCLK, nFlags, MAKELPARAM(point.x, point.y));
        return;
    }
    m_bDragStarted = 0;
    StopDrag();
}

void CTavoPDockingControlBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    const HWND hWnd = m_hWnd;
    SetFocus();
    // The focus change repaints what lay under open popups: their shadows take it in again.
    CTavoPPopupMenu::UpdateAllShadows(NULL);
    if (::IsWindow(hWnd))
        Default();
}

void CTavoPDockingControlBar::OnCancelMode()
{
    ReleaseButtonTracking();
    m_bDragStarted = 0;
    CTavoPControlBar::OnCancelMode();
}

BOOL CTavoPDockingControlBar::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message)
    {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMOUSEMOVE:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (m_wndToolTip.GetSafeHwnd() != NULL)
            m_wndToolTip.RelayEvent(pMsg);
        break;
    }
    return CTavoPControlBar::PreTranslateMessage(pMsg);
}

void CTavoPDockingControlBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CTavoPControlBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
    const HWND hFocus = ::GetFocus();
    const BOOL bActive = hFocus != NULL && (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus));
    if (bActive != m_bActive)
    {
        m_bActive = bActive;
        SendMessage(WM_NCPAINT);
    }
}

// ---- closing, showing and hiding

void CTavoPDockingControlBar::OnPressCloseButton()
{
    // An auto-hidden pane is pinned back first, so that it closes at its docked place.
    if (m_bAutoHideMode)
        UnSetAutoHideMode(NULL);
    ShowControlBar(FALSE, FALSE, FALSE);
    AdjustDockingLayout(NULL);
}

void CTavoPDockingControlBar::OnClose()
{
    DestroyWindow();
}

BOOL CTavoPDockingControlBar::IsVisible() const
{
    return m_bAutoHideMode ? FALSE : CTavoPControlBar::IsVisible();
}

void CTavoPDockingControlBar::ShowControlBar(BOOL bShow, BOOL bDelay, BOOL bActivate)
{
    if (m_bAutoHideMode)
    {
        // Only the pane's button on its strip shows or hides; a pane hidden while it is out
        // goes back behind its strip at once.
        if (!bShow && (GetStyle() & WS_VISIBLE) != 0)
            Slide(FALSE, FALSE);
        if (m_pAutoHideBar != NULL && ::IsWindow(m_pAutoHideBar->GetSafeHwnd()))
            m_pAutoHideBar->ShowAutoHideButton(this, bShow);
        if (bShow && bActivate)
        {
            SetFocus();
            m_bActive = TRUE;
        }
        return;
    }
    const HWND hWnd = m_hWnd;
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame();
    if (!IsFloating() && !IsTabbed())
    {
        ShowWindow(bShow ? SW_SHOW : SW_HIDE);
        CTavoPSlider* pSlider = GetDefaultSlider();
        if (pMiniFrame != NULL)
        {
            pMiniFrame->OnShowControlBar(this, bShow);
        }
        else if (pSlider != NULL)
        {
            pSlider->OnShowBar(this, bShow);
            if (!bDelay)
                AdjustDockingLayout(NULL);
        }
        else if (!bDelay)
        {
            AdjustDockingLayout(NULL);
        }
    }
    else
    {
        CTavoPControlBar::ShowControlBar(bShow, bDelay, bActivate);
        if (::IsWindow(hWnd) && pMiniFrame != NULL && ::IsWindow(pMiniFrame->GetSafeHwnd()))
            pMiniFrame->OnShowControlBar(this, bShow);
    }
    if (!::IsWindow(hWnd) || !bShow || !bActivate || !IsTabbed())
        return;
    HWND hWndTab = NULL;
    CTavoPBaseTabWnd* pTabWnd = GetParentTabWnd(hWndTab);
    if (pTabWnd != NULL)
    {
        const int iTab = pTabWnd->GetTabFromHwnd(hWndTab);
        if (iTab >= 0)
            pTabWnd->SetActiveTab(iTab);
    }
}

LRESULT CTavoPDockingControlBar::OnSetText(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = Default();
    if (IsTabbed())
    {
        // A tab's label follows the text (the label's own change sets the same text again).
        HWND hWndTab = NULL;
        CTavoPBaseTabWnd* pTabWnd = GetParentTabWnd(hWndTab);
        const int iTab = pTabWnd != NULL ? pTabWnd->GetTabFromHwnd(hWndTab) : -1;
        CString strText, strLabel;
        GetWindowText(strText);
        if (iTab >= 0 && !strText.IsEmpty() && pTabWnd->GetTabLabel(iTab, strLabel) &&
            strLabel != strText)
            pTabWnd->SetTabLabel(iTab, strText);
        return lResult;
    }
    const UINT nFrameFlags =
        SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame();
    if (pMiniFrame != NULL)
    {
        pMiniFrame->SetWindowPos(NULL, 0, 0, 0, 0, nFrameFlags);
    }
    else if (m_bAutoHideMode && m_pAutoHideBar != NULL && ::IsWindow(m_pAutoHideBar->GetSafeHwnd()))
    {
        m_pAutoHideBar->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        AdjustDockingLayout(NULL);
    }
    else
    {
        CWnd::SetWindowPos(NULL, 0, 0, 0, 0, nFrameFlags);
    }
    return lResult;
}

void CTavoPDockingControlBar::OnDestroy()
{
    // No slide or mouse-left timer outlives the window, and the strip loses the pane's button.
    KillSlideTimers();
    m_bSliding = FALSE;
    if (m_bAutoHideMode)
    {
        m_bAutoHideMode = FALSE;
        CTavoPAutoHideToolBar* pStrip = m_pAutoHideBar;
        m_pAutoHideBar = NULL;
        if (pStrip != NULL && ::IsWindow(pStrip->GetSafeHwnd()))
            pStrip->RemoveAutoHideButton(this);
        m_pAutoHideButton = NULL;
    }
    if (IsTabbed())
    {
        // A tab that goes leaves its tab group; an emptied group goes after this message.
        HWND hWndTab = NULL;
        CTavoPBaseTabWnd* pTabWnd = GetParentTabWnd(hWndTab);
        CTavoPBaseTabbedBar* pTabbedBar =
            pTabWnd != NULL ? DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, pTabWnd->GetParent()) : NULL;
        if (pTabbedBar != NULL)
            pTabbedBar->OnTabDestroyed(CWnd::FromHandle(hWndTab));
    }
    if (m_wndToolTip.GetSafeHwnd() != NULL)
        m_wndToolTip.DestroyWindow();
    ReleaseButtonTracking();
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame();
    CFrameWnd* pDockSite = GetDockSiteFrame();
    const BOOL bDocked = pMiniFrame == NULL && GetDefaultSlider() != NULL;
    if (pMiniFrame != NULL)
        SetDockSite(pMiniFrame->GetDockSiteFrame());
    else
        Undock(TRUE);
    CTavoPControlBar::OnDestroy();
    // A pane that goes alone gives its place back; a frame that goes with its panes is hidden
    // by then and lays nothing out.
    if (bDocked && pDockSite != NULL && ::IsWindowVisible(pDockSite->GetSafeHwnd()))
        AdjustFrameDockingLayout(pDockSite, NULL);
}

// ---- the archive record

void CTavoPDockingControlBar::Serialize(CArchive& ar)
{
    CTavoPControlBar::Serialize(ar);
    CRect& rectDocked = m_recentDockInfo.m_recentSliderInfo.m_rectRecentDockedRect;
    if (ar.IsStoring())
    {
        const BOOL bFloating = m_hWnd != NULL && IsFloating();
        if (bFloating)
        {
            CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame();
            if (pMiniFrame != NULL)
                pMiniFrame->GetWindowRect(m_recentDockInfo.m_rectRecentFloatingRect);
        }
        else if (m_hWnd != NULL)
        {
            StoreRecentDockInfo();
        }
        ar << m_recentDockInfo.m_rectRecentFloatingRect;
        ar << rectDocked;
        ar << (LONG)bFloating;
        return;
    }
    CRect rectFloating, rectRecentDocked;
    LONG nFloating = 0;
    ar >> rectFloating;
    ar >> rectRecentDocked;
    ar >> nFloating;
    // Rectangles turned inside out by a damaged archive are not taken.
    if (rectFloating.left <= rectFloating.right && rectFloating.top <= rectFloating.bottom)
        m_recentDockInfo.m_rectRecentFloatingRect = rectFloating;
    if (rectRecentDocked.left <= rectRecentDocked.right &&
        rectRecentDocked.top <= rectRecentDocked.bottom)
    {
        m_rectLoadedDocked = rectRecentDocked;
        rectDocked = rectRecentDocked;
    }
    m_bLoadedFloating = nFloating != 0;
}

BOOL CTavoPDockingControlBar::LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    return CTavoPControlBar::LoadState(lpszProfileName, nIndex, uiSubIndex);
}

BOOL CTavoPDockingControlBar::SaveState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    return CTavoPControlBar::SaveState(lpszProfileName, nIndex, uiSubIndex);
}

// ---- small answers

CSize CTavoPDockingControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // A floating frame fits itself to this size: the pane keeps the frame's size, which is
    // its recent floating size, instead of collapsing it.
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    CRect rect;
    if (pMiniFrame != NULL && GetParent() == pMiniFrame)
        pMiniFrame->GetClientRect(rect);
    else
        GetWindowRect(rect);
    return rect.Size();
}

void CTavoPDockingControlBar::GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const
{
    rectTabAreaTop.SetRectEmpty();
    rectTabAreaBottom.SetRectEmpty();
}

CTavoPSlider* CTavoPDockingControlBar::GetDefaultSlider() const
{
    if (m_hDefaultSlider == NULL || !::IsWindow(m_hDefaultSlider))
        return NULL;
    return DYNAMIC_DOWNCAST(CTavoPSlider, CWnd::FromHandlePermanent(m_hDefaultSlider));
}

BOOL CTavoPDockingControlBar::CanAcceptBar(const CTavoPBaseControlBar* pBar) const
{
    if (pBar == NULL)
        return FALSE;
    if (pBar->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar)))
        return TRUE;
    CWnd* pParent = pBar->GetParent();
    return pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar));
}

BOOL CTavoPDockingControlBar::CanAcceptMiniFrame(CTavoPMiniFrameWnd* pMiniFrame) const
{
    return pMiniFrame != NULL &&
           pMiniFrame->CanBeAttachedTo(const_cast<CTavoPDockingControlBar*>(this));
}

BOOL CTavoPDockingControlBar::IsInMultiBarFrame() const
{
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    return pMiniFrame != NULL && pMiniFrame->IsKindOf(RUNTIME_CLASS(CTavoPMultiMiniFrameWnd));
}

CTavoPDockingControlBar* CTavoPDockingControlBar::GetOwnerPane()
{
    if (IsTabbed())
    {
        for (CWnd* pWnd = GetParent(); pWnd != NULL; pWnd = pWnd->GetParent())
        {
            if (pWnd->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabbedBar)))
                return (CTavoPDockingControlBar*)pWnd;
        }
    }
    return this;
}
