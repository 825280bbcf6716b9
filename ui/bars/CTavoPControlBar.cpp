#include "ui/bars/CTavoPControlBar.h"
#include "ui/bars/TavoPWindowClass.h"
#include "ui/bars/docking/CTavoPDockBar.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/bars/docking/CTavoPDockBarRow.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/docking/CTavoPDockingCBWrapper.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include "ui/bars/tabs/CTavoPTabWnd.h"
#include "ui/commandbars/CTavoPTabbedToolbar.h"
#include "ui/foundation/BuildRegistryPath.h"
#include "ui/foundation/CTavoPStateKey.h"
#include <algorithm>
#include <new>

BEGIN_MESSAGE_MAP(CTavoPControlBar, CTavoPBaseControlBar)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_NCDESTROY()
    ON_WM_CONTEXTMENU()
    ON_WM_CANCELMODE()
    ON_WM_CHAR()
    ON_WM_DESTROY()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPControlBar, CTavoPBaseControlBar)

namespace {

const char kSection[] = "TavoControlBars";

BOOL HasOneAlignmentBit(DWORD dwAlignment)
{
    return dwAlignment == CBRS_ALIGN_LEFT || dwAlignment == CBRS_ALIGN_TOP ||
           dwAlignment == CBRS_ALIGN_RIGHT || dwAlignment == CBRS_ALIGN_BOTTOM;
}

}

CTavoPControlBar::CTavoPControlBar()
    : m_bPlaced(0), m_bProperty1(TRUE), m_bProperty2(TRUE), m_bProperty3(TRUE), m_nElements(0),
      m_pElements(NULL), m_cxLeftBorder(6), m_cxRightBorder(6), m_cyTopBorder(2),
      m_cyBottomBorder(2), m_cxDefaultGap(2), m_nMRUWidth(32767), m_bDragging(0), m_nControlID(0),
      m_ptGrab(0, 0), m_bButtonUpSwallowed(0), m_nDragMode(0),
      m_pMiniFrameRTC(RUNTIME_CLASS(CTavoPMiniFrameWnd)), m_hwndMiniFrameToDestroy(NULL),
      m_bRowExclusive(FALSE), m_bLoadedFloating(FALSE), m_bMouseDownForwarded(FALSE)
{
    m_rectRecentDocked.SetRectEmpty();
    m_rectDragWnd.SetRectEmpty();
    m_rectLoadedDocked.SetRectEmpty();
    m_recentDockInfo.m_pBar = this;
}

CTavoPControlBar::~CTavoPControlBar()
{
    // A bar deleted with its window still up leaves its dock bar, its floating frame and the
    // dock manager now, while its own handlers still run: the base class would destroy the
    // window without them and leave the layout pointing at a deleted bar.
    if (m_hWnd != NULL && ::IsWindow(m_hWnd) && CWnd::FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    delete[] m_pElements;
}

// ---- creation

BOOL CTavoPControlBar::Create(LPCTSTR lpszClassName, DWORD dwStyle, const RECT& rect,
                              CWnd* pParentWnd, UINT nID, DWORD dwBehaviour,
                              CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, dwStyle, rect, pParentWnd, nID, dwBehaviour, pContext);
}

BOOL CTavoPControlBar::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, DWORD dwStyle,
                                const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwBehaviour,
                                CCreateContext* pContext)
{
    m_nControlID = nID;
    CString strClassName;
    if (lpszClassName == NULL)
    {
        strClassName =
            TavoPRegisterWindowClass("TavoControlBar", CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW),
                                     (HBRUSH)(COLOR_BTNFACE + 1));
        lpszClassName = strClassName;
    }
    if (!CTavoPBaseControlBar::CreateEx(dwExStyle, lpszClassName, NULL,
                                        dwStyle | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rect,
                                        pParentWnd, nID, dwBehaviour, pContext))
        return FALSE;

    CRect rectScreen(rect);
    if (pParentWnd != NULL)
        pParentWnd->ClientToScreen(rectScreen);
    if (m_recentDockInfo.m_recentSliderInfo.m_rectRecentDockedRect.IsRectEmpty())
        m_recentDockInfo.m_recentSliderInfo.m_rectRecentDockedRect = rectScreen;
    if (m_recentDockInfo.m_recentMiniFrameInfo.m_rectRecentDockedRect.IsRectEmpty())
        m_recentDockInfo.m_recentMiniFrameInfo.m_rectRecentDockedRect = rectScreen;
    if (!rectScreen.IsRectEmpty())
        m_recentDockInfo.m_rectRecentFloatingRect = rectScreen;

    SetOwner(pParentWnd);
    StoreRecentDockedRect();
    if (CanFloat())
        m_dragFrame.Init(this);
    return TRUE;
}

// ---- borders and elements

void CTavoPControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

void CTavoPControlBar::SetBordersFromRect(LPCRECT lpRect)
{
    SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

void CTavoPControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    if (!IsFloating() && !IsTabbed())
    {
        if (m_dwBarStyle & CBRS_BORDER_LEFT)
            rect.left++;
        if (m_dwBarStyle & CBRS_BORDER_TOP)
            rect.top++;
        if (m_dwBarStyle & CBRS_BORDER_RIGHT)
            rect.right--;
        if (m_dwBarStyle & CBRS_BORDER_BOTTOM)
            rect.bottom--;
    }
    if (bHorz)
    {
        rect.left += m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    }
    else
    {
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
    if ((m_dwBarStyle & CBRS_GRIPPER) && !(m_dwBarStyle & CBRS_FLOATING))
    {
        if (bHorz)
            rect.left += 7;
        else
            rect.top += 7;
    }
}

BOOL CTavoPControlBar::AllocElements(int nElements, int cbElement)
{
    BYTE* pElements = NULL;
    if (nElements > 0 && cbElement > 0)
    {
        pElements = new (std::nothrow) BYTE[(size_t)nElements * (size_t)cbElement]();
        if (pElements == NULL)
            return FALSE;
    }
    delete[] m_pElements;
    m_pElements = pElements;
    m_nElements = pElements != NULL ? nElements : 0;
    return TRUE;
}

// ---- the recent docked rectangle

void CTavoPControlBar::StoreRecentDockedRect()
{
    if (m_hWnd == NULL)
        return;
    CRect rect;
    GetWindowRect(rect);
    const CSize size = CalcFixedLayout(FALSE, IsHorizontal());
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->ScreenToClient(rect);
    m_rectRecentDocked = rect;
}

void CTavoPControlBar::StoreRecentDockedRectWithSize(int cx, int cy)
{
    CRect rect;
    GetWindowRect(rect);
    rect.right = rect.left + cx;
    rect.bottom = rect.top + cy;
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->ScreenToClient(rect);
    m_rectRecentDocked = rect;
}

void CTavoPControlBar::GetRecentDockedRectScreen(CRect& rect) const
{
    rect = m_rectRecentDocked;
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->ClientToScreen(rect);
}

void CTavoPControlBar::OffsetRecentDockedRect(int dx, int dy)
{
    m_rectRecentDocked.OffsetRect(dx, dy);
}

int CTavoPControlBar::GetExpandableLength() const
{
    CRect rect;
    GetWindowRect(rect);
    const int nLength = IsHorizontal() ? rect.Width() : rect.Height();
    const int nFull = IsHorizontal() ? m_rectRecentDocked.Width() : m_rectRecentDocked.Height();
    return nLength >= nFull ? 0 : nFull - nLength;
}

int CTavoPControlBar::GetShrinkableLength() const
{
    CRect rect;
    GetWindowRect(rect);
    CSize sizeMin;
    GetMinSize(sizeMin);
    const int nShrinkable = IsHorizontal() ? rect.Width() - sizeMin.cx : rect.Height() - sizeMin.cy;
    return nShrinkable > 0 ? nShrinkable : 0;
}

BOOL CTavoPControlBar::IsPointBeforeBar(CPoint point, BOOL bScreenCoordinates) const
{
    if (m_pParentDockBar == NULL)
        return TRUE;
    CRect rect;
    GetWindowRect(rect);
    if (!bScreenCoordinates)
        m_pParentDockBar->ScreenToClient(rect);
    return m_pParentDockBar->IsHorizontal() ? point.x < rect.left : point.y < rect.top;
}

void CTavoPControlBar::MoveByAlignment(DWORD dwAlignment, int nDelta)
{
    CRect rect;
    GetWindowRect(rect);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->ScreenToClient(rect);
    int dx = 0, dy = 0;
    if (dwAlignment & CBRS_ORIENT_VERT)
        dx = nDelta;
    else
        dy = nDelta;
    rect.OffsetRect(dx, dy);
    // While a stored layout is restored the rows shift many times over; the dock manager puts
    // every bar where its row ends up once, at the end.
    if (!CTavoPDockManager::m_bRestoringDockState)
        CWnd::SetWindowPos(NULL, rect.left, rect.top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    OffsetRecentDockedRect(dx, dy);
}

// ---- sizing

CSize CTavoPControlBar::ResizeToRect(CRect rect, BOOL bNoMinimum)
{
    CRect rectWindow;
    GetWindowRect(rectWindow);
    if (!bNoMinimum)
    {
        CSize sizeMin;
        GetMinSize(sizeMin);
        if (rect.Width() < sizeMin.cx)
        {
            if (rect.left == rectWindow.left || rect.right != rectWindow.right)
                rect.right = rect.left + sizeMin.cx;
            else
                rect.left = rect.right - sizeMin.cx;
        }
        if (rect.Height() < sizeMin.cy)
        {
            if (rect.top == rectWindow.top || rect.bottom != rectWindow.bottom)
                rect.bottom = rect.top + sizeMin.cy;
            else
                rect.top = rect.bottom - sizeMin.cy;
        }
    }
    const CSize sizeDelta(rect.Width() - rectWindow.Width(), rect.Height() - rectWindow.Height());
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->ScreenToClient(rect);
    SetWindowRect(rect, TRUE, NULL);
    return sizeDelta;
}

int CTavoPControlBar::StretchBy(int nDelta)
{
    if (nDelta > 0)
        nDelta = std::min(nDelta, GetExpandableLength());
    else if (nDelta < 0)
        nDelta = std::max(nDelta, -GetShrinkableLength());
    CRect rect;
    GetWindowRect(rect);
    if (IsHorizontal())
        rect.right += nDelta;
    else
        rect.bottom += nDelta;
    OnBeforeStretch(rect);
    if (nDelta != 0)
    {
        CWnd* pParent = GetParent();
        if (pParent != NULL)
            pParent->ScreenToClient(rect);
        SetWindowRect(rect, TRUE, NULL);
        OnAfterStretch(nDelta);
    }
    return nDelta;
}

CSize CTavoPControlBar::CalcDeltaToMinimum(CRect rect)
{
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CSize sizeMin;
    GetMinSize(sizeMin);
    const int cx = std::max(rect.Width(), (int)sizeMin.cx);
    const int cy = std::max(rect.Height(), (int)sizeMin.cy);
    return CSize(cx - rectWindow.Width(), cy - rectWindow.Height());
}

int CTavoPControlBar::RecalcSize(BOOL bNotifyRow)
{
    const CSize size = CalcFixedLayout(FALSE, IsHorizontal());
    CRect rect;
    GetWindowRect(rect);
    const int nDelta = IsHorizontal() ? size.cx - rect.Width() : size.cy - rect.Height();
    if (rect.Size() != size)
        CWnd::SetWindowPos(NULL, 0, 0, size.cx, size.cy,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_pParentDockBar == NULL)
        return 0;
    StoreRecentDockedRect();
    if (bNotifyRow)
    {
        if (m_pDockBarRow != NULL)
            m_pDockBarRow->ArrangeBars(this);
        RecalcFrameLayout(FindOwningFrame(this));
    }
    return nDelta;
}

// ---- kinds and overrides

BOOL CTavoPControlBar::IsTabbed() const
{
    CWnd* pParent = GetParent();
    if (pParent == NULL)
        return FALSE;
    CWnd* pGrandParent = pParent->GetParent();
    if (pGrandParent == NULL)
        return FALSE;
    if (pParent->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabWnd)))
        return pGrandParent->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabbedBar)) ||
               pGrandParent->IsKindOf(RUNTIME_CLASS(CTavoPTabbedToolbar));
    return pParent->IsKindOf(RUNTIME_CLASS(CTavoPDockingCBWrapper)) &&
           pGrandParent->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabWnd));
}

BOOL CTavoPControlBar::CanBeDockedTo(const CTavoPDockBar* pDockBar) const
{
    return pDockBar != NULL && (pDockBar->GetCurrentAlignment() & m_dwEnabledAlignment) != 0;
}

void CTavoPControlBar::AdjustLayout()
{
    if (m_pDockBarRow != NULL)
    {
        StoreRecentDockedRect();
        return;
    }
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame();
    CWnd* pParent = GetParent();
    // The mini frame fits itself to the bar; its own layout pass asks the bar first, so the
    // bar must not ask for that pass again.
    if (pMiniFrame != NULL && pParent != NULL && !pParent->IsKindOf(RUNTIME_CLASS(CTavoPTabWnd)))
        pMiniFrame->SizeToContent();
}

void CTavoPControlBar::RemoveFromDockBar()
{
    if (m_pParentDockBar != NULL)
        m_pParentDockBar->RemoveControlBar(this);
}

void CTavoPControlBar::OnAfterChangeParent(CWnd* pWndOldParent)
{
    StoreRecentDockedRect();
    CWnd* pParent = GetParent();
    if (pParent == NULL || !pParent->IsKindOf(RUNTIME_CLASS(CTavoPDockBar)))
    {
        m_pParentDockBar = NULL;
        m_pDockBarRow = NULL;
    }
}

void CTavoPControlBar::Undock(BOOL bNoRecalc)
{
    if (m_pParentDockBar != NULL)
        m_pParentDockBar->RemoveControlBar(this);
    if (!bNoRecalc)
        AdjustDockingLayout(NULL);
}

void CTavoPControlBar::DoPaint(CDC* pDC)
{
    CTavoPBaseControlBar::DoPaint(pDC);
}

CTavoPBaseControlBar* CTavoPControlBar::GetDropTarget(BOOL& bFlag)
{
    bFlag = FALSE;
    return this;
}

// ---- saved places

BOOL CTavoPControlBar::SaveState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    const int nID = nIndex == -1 ? GetDlgCtrlID() : nIndex;
    CTavoPStateKey key(BuildBarKey(kSection, "TavoPControlBar", lpszProfileName, nID, uiSubIndex),
                       CTavoPStateKey::forWriting);
    if (!key.Open())
        return FALSE;
    CTavoPRegistry& reg = key.Registry();

    CRect& rectDocked = m_recentDockInfo.m_recentSliderInfo.m_rectRecentDockedRect;
    // A pane of a floating group keeps the docked place it came from, not its place in the group.
    if (IsFloating() || GetParentMiniFrame() != NULL)
    {
        CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame();
        if (pMiniFrame != NULL)
            pMiniFrame->GetWindowRect(m_recentDockInfo.m_rectRecentFloatingRect);
    }
    else if (m_hWnd != NULL)
    {
        GetWindowRect(rectDocked);
        if (m_pParentDockBar != NULL)
        {
            m_pParentDockBar->ScreenToClient(rectDocked);
            m_recentDockInfo.m_dwRecentAlignmentToFrame = m_pParentDockBar->GetCurrentAlignment();
            const int nRow = m_pParentDockBar->FindRowIndex(m_pDockBarRow);
            if (nRow >= 0)
                m_recentDockInfo.m_nRecentRowIndex = nRow;
        }
        else if (GetDockSiteFrame() != NULL)
        {
            GetDockSiteFrame()->ScreenToClient(rectDocked);
        }
    }

    BOOL bWritten = reg.WriteNumber("ID", (DWORD)m_nControlID);
    bWritten &= reg.WriteRect("RectRecentFloat", m_recentDockInfo.m_rectRecentFloatingRect);
    bWritten &= reg.WriteRect("RectRecentDocked", rectDocked);
    bWritten &=
        reg.WriteNumber("RecentFrameAlignment", m_recentDockInfo.m_dwRecentAlignmentToFrame);
    bWritten &= reg.WriteNumber("RecentRowIndex", (DWORD)m_recentDockInfo.m_nRecentRowIndex);
    bWritten &= reg.WriteNumber("IsFloating", (DWORD)IsFloating());
    bWritten &= reg.WriteNumber("MRUWidth", (DWORD)m_nMRUWidth);
    return CTavoPBaseControlBar::SaveState(lpszProfileName, nIndex, uiSubIndex) && bWritten;
}

BOOL CTavoPControlBar::LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    const int nID = nIndex == -1 ? GetDlgCtrlID() : nIndex;
    CTavoPStateKey key(BuildBarKey(kSection, "TavoPControlBar", lpszProfileName, nID, uiSubIndex),
                       CTavoPStateKey::forReading);
    if (!key.Open())
        return FALSE;
    CTavoPRegistry& reg = key.Registry();

    // "ID" is not taken: the bar keeps the id its key was built from. Values out of their
    // range are ignored, so that a damaged key cannot misplace the bar.
    // A rectangle thinner than the bar can be (left by a layout that squeezed the bar) would
    // hide the bar: it is ignored too.
    CSize sizeMin;
    GetMinSize(sizeMin);
    const int nThinnest = std::max(1, (int)std::min(sizeMin.cx, sizeMin.cy));
    const auto usable = [nThinnest](const CRect& rect) {
        return rect.Width() >= nThinnest && rect.Height() >= nThinnest;
    };
    CRect rect;
    if (reg.ReadRect("RectRecentFloat", rect) && usable(rect))
        m_recentDockInfo.m_rectRecentFloatingRect = rect;
    if (reg.ReadRect("RectRecentDocked", rect) && usable(rect))
    {
        m_rectLoadedDocked = rect;
        m_recentDockInfo.m_recentSliderInfo.m_rectRecentDockedRect = rect;
    }
    DWORD dwAlignment = 0;
    if (reg.ReadNumber("RecentFrameAlignment", dwAlignment) && HasOneAlignmentBit(dwAlignment))
        m_recentDockInfo.m_dwRecentAlignmentToFrame = dwAlignment;
    int nValue = 0;
    if (reg.ReadNumber("RecentRowIndex", nValue) && nValue >= 0)
        m_recentDockInfo.m_nRecentRowIndex = nValue;
    if (reg.ReadNumber("IsFloating", nValue))
        m_bLoadedFloating = nValue != 0;
    if (reg.ReadNumber("MRUWidth", nValue) && nValue > 0)
        m_nMRUWidth = nValue;
    return CTavoPBaseControlBar::LoadState(lpszProfileName, nIndex, uiSubIndex);
}

void CTavoPControlBar::RestoreDockState(CTavoPDockManager* pDockManager)
{
    if (m_bLoadedFloating)
    {
        ShowControlBar(GetStoredVisibility(), TRUE, FALSE);
        return;
    }
    if (pDockManager == NULL)
        return;
    CTavoPDockBar* pDockBar =
        pDockManager->FindDockBarByAlignment(m_recentDockInfo.m_dwRecentAlignmentToFrame);
    if (pDockBar == NULL)
        return;
    CRect rect = m_recentDockInfo.m_recentSliderInfo.m_rectRecentDockedRect;
    // A bar already at its stored place stays there: taking it out and docking it again
    // moves every row after it twice.
    if (m_pParentDockBar == pDockBar &&
        pDockBar->HoldsAt(this, m_recentDockInfo.m_nRecentRowIndex, rect))
    {
        if (((GetStyle() & WS_VISIBLE) != 0) != (GetStoredVisibility() != FALSE))
            pDockBar->ShowControlBar(this, GetStoredVisibility(), TRUE, FALSE);
        return;
    }
    pDockBar->ClientToScreen(rect);
    DockToDockBar(pDockBar, rect, TAVOP_DM_RECT);
    if (m_pParentDockBar != NULL)
    {
        m_pParentDockBar->ShowControlBar(this, GetStoredVisibility(), TRUE, FALSE);
        if (m_pDockBarRow != NULL)
            m_pDockBarRow->ArrangeBars(this);
    }
}
