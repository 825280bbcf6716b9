#include "ui/bars/docking/CTavoPSlider.h"
#include "ui/bars/TavoPWindowClass.h"
#include "ui/bars/docking/CTavoPBarContainer.h"
#include "ui/bars/docking/CTavoPBarTreeManager.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CTavoPSlider, CTavoPBaseControlBar)

BEGIN_MESSAGE_MAP(CTavoPSlider, CTavoPBaseControlBar)
    ON_WM_SIZE()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
    ON_WM_CANCELMODE()
    ON_WM_CAPTURECHANGED()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

namespace {

// The bits of a slider style a stored layout may bring back.
const DWORD kStoredStyleMask = CTavoPSlider::SS_HORZ | CTavoPSlider::SS_VERT | WS_VISIBLE;

struct SliderCursors
{
    HCURSOR hVert = NULL;
    HCURSOR hHorz = NULL;
};

// Loaded when the first slider is created.
SliderCursors& GetSliderCursors()
{
    static SliderCursors cursors;
    if (cursors.hVert == NULL)
    {
        cursors.hVert =
            ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(CTavoPSlider::IDC_SLIDER_VERT));
        if (cursors.hVert == NULL)
            cursors.hVert = ::LoadCursor(NULL, IDC_SIZEWE);
        cursors.hHorz =
            ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(CTavoPSlider::IDC_SLIDER_HORZ));
        if (cursors.hHorz == NULL)
            cursors.hHorz = ::LoadCursor(NULL, IDC_SIZENS);
    }
    return cursors;
}

}

CTavoPSlider::CTavoPSlider(BOOL bDefaultSlider, CWnd* pParentForRecreate)
    : m_nID(-1), m_dwSliderStyle(0), m_nWidth(0), m_bCaptured(FALSE),
      m_bDefaultSlider(bDefaultSlider), m_bAutoHideMode(FALSE), m_nMinOffset(0), m_nMaxOffset(0),
      m_nLimitFlags(-1), m_pTreeManager(NULL), m_pParentWndForSerialize(pParentForRecreate),
      m_hWndFocusBeforeDrag(NULL)
{
    m_rectDragBounds.SetRectEmpty();
    m_rectLastDragRect.SetRectEmpty();
}

CTavoPSlider::~CTavoPSlider()
{
    if (m_bDefaultSlider && m_pTreeManager != NULL)
    {
        // A slider that never got its window still owns the tree it made.
        delete m_pTreeManager;
        m_pTreeManager = NULL;
    }
}

// ---- creation

BOOL CTavoPSlider::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                          CCreateContext* pContext)
{
    return CreateEx(0, dwStyle, rect, pParentWnd, nID, pContext);
}

BOOL CTavoPSlider::CreateEx(DWORD dwStyleEx, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                            UINT nID, CCreateContext* pContext)
{
    if (pParentWnd == NULL || !::IsWindow(pParentWnd->GetSafeHwnd()))
        return FALSE;
    const CString strClassName = TavoPRegisterWindowClass(
        "TavoSlider", CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    m_nID = (int)nID;
    m_dwSliderStyle = dwStyle;
    const CRect rectSlider(rect);
    if (dwStyle & SS_VERT)
        m_nWidth = rectSlider.Width();
    else if (dwStyle & SS_HORZ)
        m_nWidth = rectSlider.Height();

    if (m_bDefaultSlider && m_pTreeManager == NULL)
    {
        m_pTreeManager = new CTavoPBarTreeManager;
        m_pTreeManager->Create(pParentWnd, this);
    }
    const DWORD dwWindowStyle =
        (dwStyle & ~(DWORD)(SS_HORZ | SS_VERT)) | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (!CTavoPBaseControlBar::CreateEx(dwStyleEx, strClassName, NULL, dwWindowStyle, rect,
                                        pParentWnd, nID, 0, pContext))
    {
        if (m_bDefaultSlider)
        {
            delete m_pTreeManager;
            m_pTreeManager = NULL;
        }
        return FALSE;
    }
    // The bar style keeps the side only; the orientation lives in the slider style.
    SetBarStyle(GetBarStyle() & ~(DWORD)(SS_HORZ | SS_VERT));
    return TRUE;
}

CRect CTavoPSlider::GetRectInParent() const
{
    CRect rect;
    GetWindowRect(rect);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(rect);
    return rect;
}

// ---- the tree behind the slider

CTavoPDockingControlBar* CTavoPSlider::AddBar(CTavoPDockingControlBar* pBar)
{
    if (m_pTreeManager == NULL || pBar == NULL)
        return NULL;
    m_pTreeManager->AddControlBar(pBar);
    CheckVisibility();
    return pBar;
}

CTavoPDockingControlBar* CTavoPSlider::AddRecentBar(CTavoPDockingControlBar* pBar)
{
    if (m_pTreeManager == NULL || pBar == NULL)
        return NULL;
    CTavoPRecentDockPlacement& placement = pBar->GetRecentDockInfo().m_recentSliderInfo;
    CTavoPBarContainer* pContainer = placement.m_pRecentBarContainer;
    if (pContainer == NULL)
        pContainer = placement.m_pRecentTabContainer;
    if (pContainer == NULL)
        return NULL;
    CTavoPDockingControlBar* pAdded =
        m_pTreeManager->AddControlBarToRecentContainer(pBar, pContainer);
    CheckVisibility();
    return pAdded;
}

BOOL CTavoPSlider::InsertBar(CTavoPDockingControlBar* pBar, CTavoPDockingControlBar* pTarget,
                             DWORD dwAlignment)
{
    if (m_pTreeManager == NULL)
        return FALSE;
    const BOOL bInserted = m_pTreeManager->InsertControlBar(pBar, pTarget, dwAlignment);
    CheckVisibility();
    return bInserted;
}

BOOL CTavoPSlider::ReplaceBar(CTavoPDockingControlBar* pBarOld, CTavoPDockingControlBar* pBarNew)
{
    if (m_pTreeManager == NULL || pBarNew == NULL)
        return FALSE;
    pBarNew->SetDefaultSlider(GetSafeHwnd());
    const BOOL bReplaced = m_pTreeManager->ReplaceControlBar(pBarOld, pBarNew);
    CheckVisibility();
    return bReplaced;
}

void CTavoPSlider::RemoveBar(CTavoPDockingControlBar* pBar)
{
    if (m_pTreeManager == NULL || pBar == NULL)
        return;
    const HWND hWnd = GetSafeHwnd();
    m_pTreeManager->RemoveControlBar(pBar);
    RemoveControlBarFromDockManager(pBar, FALSE, FALSE, m_bAutoHideMode);
    if (!::IsWindow(hWnd))
        return;

    const BOOL bKeep = !m_pTreeManager->IsEmpty() || m_pTreeManager->GetTotalRefCount() > 0 ||
                       pBar->GetRecentDockInfo().m_hRecentDefaultSlider == hWnd;
    if (bKeep)
    {
        if (!CheckVisibility())
            ShowWindow(SW_HIDE);
        return;
    }
    RemoveControlBarFromDockManager(this, FALSE, FALSE, m_bAutoHideMode);
    DestroyWindow(); // the object goes with its window
}

void CTavoPSlider::RemoveIfEmpty()
{
    if (m_pTreeManager == NULL || !m_pTreeManager->IsEmpty() ||
        m_pTreeManager->GetTotalRefCount() > 0)
        return;
    RemoveControlBarFromDockManager(this, FALSE, FALSE, m_bAutoHideMode);
    DestroyWindow();
}

BOOL CTavoPSlider::MergeBarTree(CTavoPDockingControlBar* pBar, CTavoPBarTreeManager* pOtherManager,
                                DWORD dwAlignment)
{
    if (m_pTreeManager == NULL)
        return FALSE;
    const BOOL bMerged = m_pTreeManager->MergeTree(pBar, dwAlignment, pOtherManager, TRUE);
    CheckVisibility();
    return bMerged;
}

BOOL CTavoPSlider::TakeOverBarTree(CTavoPBarTreeManager* pOtherManager, BOOL bAutoHide)
{
    if (m_pTreeManager == NULL)
        return FALSE;
    const BOOL bTaken = m_pTreeManager->TakeOverTree(pOtherManager, bAutoHide);
    CheckVisibility();
    return bTaken;
}

BOOL CTavoPSlider::CheckVisibility()
{
    if (!m_bDefaultSlider || m_bAutoHideMode || m_pTreeManager == NULL)
        return FALSE;
    const BOOL bVisible = m_pTreeManager->CheckVisibility();
    if (bVisible != ((GetStyle() & WS_VISIBLE) != 0))
        ShowWindow(bVisible ? SW_SHOWNOACTIVATE : SW_HIDE);
    return bVisible;
}

void CTavoPSlider::OnShowBar(CTavoPDockingControlBar* pBar, BOOL bShow)
{
    if (!m_bDefaultSlider || m_bAutoHideMode || m_pTreeManager == NULL)
        return;
    const BOOL bVisible = m_pTreeManager->CheckVisibility();
    ShowWindow(bShow || bVisible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

BOOL CTavoPSlider::CanAnyBarFloat() const
{
    return m_pTreeManager != NULL && m_pTreeManager->CanFloat();
}

BOOL CTavoPSlider::CanFloatHere() const
{
    return m_pTreeManager == NULL || m_pTreeManager->CanFloatHere();
}

void CTavoPSlider::CalcRecentDockPlacement(CPoint point, CWnd* pDraggedWnd, CRect& rectResult,
                                           BOOL& bDrawTab, CTavoPDockingControlBar** ppTargetBar)
{
    CTavoPDockingControlBar* pTarget = NULL;
    rectResult.SetRectEmpty();
    bDrawTab = FALSE;
    if (m_pTreeManager != NULL)
        GetDockingUtils().CalcTreeDockPreview(this, point, pDraggedWnd, rectResult, bDrawTab,
                                              pTarget);
    if (ppTargetBar != NULL)
        *ppTargetBar = pTarget;
}

CTavoPBaseControlBar* CTavoPSlider::GetFirstBar() const
{
    return m_pTreeManager != NULL ? m_pTreeManager->GetFirstBar() : NULL;
}

void CTavoPSlider::StoreRecentDockInfo(CTavoPDockingControlBar* pBar)
{
    if (m_pTreeManager != NULL)
        m_pTreeManager->StoreRecentDockInfo(pBar);
}

CTavoPBarContainer* CTavoPSlider::FindContainer(CTavoPDockingControlBar* pBar, BOOL& bLeftBar) const
{
    bLeftBar = FALSE;
    return m_pTreeManager != NULL ? m_pTreeManager->FindContainer(pBar, bLeftBar) : NULL;
}

BOOL CTavoPSlider::IsBarInTree(const CTavoPDockingControlBar* pBar) const
{
    return m_pTreeManager != NULL && m_pTreeManager->IsBarInTree(pBar);
}

CTavoPBaseTabbedBar* CTavoPSlider::FindTabbedBar(UINT nTabID) const
{
    return m_pTreeManager != NULL ? m_pTreeManager->FindTabbedBarByTabID(nTabID) : NULL;
}

// ---- layout

int CTavoPSlider::OffsetAlong(CSize size) const
{
    if (m_dwSliderStyle & SS_VERT)
        return size.cx;
    if (m_dwSliderStyle & SS_HORZ)
        return size.cy;
    return 0;
}

void CTavoPSlider::MoveSlider(CSize sizeOffset)
{
    int nOffset = OffsetAlong(sizeOffset);
    if (nOffset == 0 || m_pTreeManager == NULL)
        return;
    const HWND hWnd = GetSafeHwnd();
    HDWP hdwp = CTavoPBaseControlBar::BeginDeferredMoves();
    nOffset = m_pTreeManager->MoveSlider(this, nOffset, hdwp);
    CTavoPBaseControlBar::EndDeferredMoves(hdwp);
    if (!::IsWindow(hWnd))
        return;
    if (m_bDefaultSlider)
    {
        // The frame lays the tree and this slider out again around its new extent.
        CRect rect = GetRectInParent();
        rect.OffsetRect((m_dwSliderStyle & SS_VERT) ? nOffset : 0,
                        (m_dwSliderStyle & SS_HORZ) ? nOffset : 0);
        SetWindowPos(NULL, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        AdjustDockingLayout(NULL);
    }
}

HDWP CTavoPSlider::RepositionByRect(CRect rect, HDWP hdwp)
{
    CRect rectSlider = rect;
    CRect rectTree = rect;
    switch (GetCurrentAlignment() & CBRS_ALIGN_ANY)
    {
    case CBRS_ALIGN_LEFT:
        rectSlider.left = rect.right - m_nWidth;
        rectTree.right = rectSlider.left;
        break;
    case CBRS_ALIGN_TOP:
        rectSlider.top = rect.bottom - m_nWidth;
        rectTree.bottom = rectSlider.top;
        break;
    case CBRS_ALIGN_RIGHT:
        rectSlider.right = rect.left + m_nWidth;
        rectTree.left = rectSlider.right;
        break;
    case CBRS_ALIGN_BOTTOM:
        rectSlider.bottom = rect.top + m_nWidth;
        rectTree.top = rectSlider.bottom;
        break;
    default: break;
    }
    hdwp = SetWindowRect(rectSlider, TRUE, hdwp);
    if (m_pTreeManager != NULL)
        hdwp = m_pTreeManager->ResizeTree(rectTree, hdwp);
    return hdwp;
}

CSize CTavoPSlider::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CSize size = rectWindow.Size();
    if (m_pTreeManager != NULL)
    {
        CRect rectTree;
        m_pTreeManager->GetWindowRect(rectTree);
        size += rectTree.Size();
    }
    return size;
}

// ---- archive

void CTavoPSlider::Serialize(CArchive& ar)
{
    CTavoPBaseControlBar::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << (LONG)m_nID;
        ar << (LONG)m_nLimitFlags;
        ar << GetRectInParent();
        ar << (LONG)((GetStyle() & WS_VISIBLE) != 0);
        ar << (DWORD)(m_dwSliderStyle & kStoredStyleMask);
        ar << (LONG)m_nWidth;
        ar << (LONG)m_bDefaultSlider;
        ar << (LONG)m_nMinOffset;
        ar << (LONG)m_nMaxOffset;
    }
    else
    {
        LONG nID = 0, nLimitFlags = 0, nVisible = 0, nWidth = 0, bDefault = 0, nMin = 0, nMax = 0;
        DWORD dwStyle = 0;
        CRect rect;
        ar >> nID;
        ar >> nLimitFlags;
        ar >> rect;
        ar >> nVisible;
        ar >> dwStyle;
        ar >> nWidth;
        ar >> bDefault;
        ar >> nMin;
        ar >> nMax;
        // Only the orientation and visibility come back, and exactly one orientation.
        dwStyle &= kStoredStyleMask;
        const DWORD dwOrientation = dwStyle & (SS_HORZ | SS_VERT);
        if (dwOrientation != SS_HORZ && dwOrientation != SS_VERT)
            AfxThrowArchiveException(CArchiveException::badIndex);
        if (nWidth < 0 || nWidth > 64 || (bDefault != 0 && bDefault != 1) ||
            bDefault != m_bDefaultSlider)
            AfxThrowArchiveException(CArchiveException::badIndex);
        // Window coordinates beyond 16 bits are no place a slider ever had.
        for (LONG n : {rect.left, rect.top, rect.right, rect.bottom})
        {
            if (n < -0x8000 || n > 0x7FFF)
                AfxThrowArchiveException(CArchiveException::badIndex);
        }
        if (nVisible)
            dwStyle |= WS_VISIBLE;
        else
            dwStyle &= ~WS_VISIBLE;
        m_nLimitFlags = (int)nLimitFlags;
        m_nMinOffset = (int)nMin;
        m_nMaxOffset = (int)nMax;
        // The stored thickness wins over the stored rectangle.
        if (dwOrientation == SS_VERT)
            rect.right = rect.left + (int)nWidth;
        else
            rect.bottom = rect.top + (int)nWidth;
        // An id taken by a live window of the dock site gets a fresh one.
        int nNewID = (int)nID;
        if (m_pTreeManager != NULL && !m_bDefaultSlider)
            nNewID = m_pTreeManager->NextSliderID(nNewID);
        else
            nNewID = CTavoPBarTreeManager::NextFreeSliderID(m_pParentWndForSerialize, nNewID);
        const DWORD dwAlignment = GetBarStyle() & CBRS_ALIGN_ANY;
        if (!CreateEx(0, dwStyle, rect, m_pParentWndForSerialize, (UINT)nNewID))
            AfxThrowArchiveException(CArchiveException::genericException);
        SetCurrentAlignment(dwAlignment);
    }
    if (m_bDefaultSlider && m_pTreeManager != NULL)
        m_pTreeManager->Serialize(ar);
}

// ---- the drag

void CTavoPSlider::StopTracking(BOOL bApply)
{
    if (!m_bCaptured)
        return;
    CRect rectWindow;
    GetWindowRect(rectWindow);
    const CSize sizeOffset = m_rectLastDragRect.TopLeft() - rectWindow.TopLeft();
    m_outline.Hide();
    m_bCaptured = FALSE; // before the capture goes, which comes back here
    m_rectLastDragRect.SetRectEmpty();
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    const HWND hWnd = m_hWnd;
    const HWND hWndFocus = m_hWndFocusBeforeDrag;
    m_hWndFocusBeforeDrag = NULL;
    if (hWndFocus != NULL && hWndFocus != hWnd && ::IsWindow(hWndFocus))
        ::SetFocus(hWndFocus);
    if (bApply)
        MoveSlider(sizeOffset);
    if (::IsWindow(hWnd) && m_pTreeManager != NULL)
        m_pTreeManager->SetAutoHideHiding(FALSE);
}

// ---- messages

void CTavoPSlider::OnSize(UINT nType, int cx, int cy)
{
    Default();
}

BOOL CTavoPSlider::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && (m_dwSliderStyle & (SS_HORZ | SS_VERT)))
    {
        const SliderCursors& cursors = GetSliderCursors();
        ::SetCursor((m_dwSliderStyle & SS_HORZ) ? cursors.hHorz : cursors.hVert);
        return TRUE;
    }
    return (BOOL)Default();
}

void CTavoPSlider::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bCaptured)
        return;
    CRect rectWindow;
    GetWindowRect(rectWindow);
    m_nMinOffset = m_nMaxOffset = 0;
    int nStep = -1;
    if (m_pTreeManager != NULL)
        m_pTreeManager->GetSliderLimits(this, m_nMinOffset, m_nMaxOffset, nStep);
    m_rectDragBounds = rectWindow;
    if (IsHorizontal())
    {
        m_rectDragBounds.top += m_nMinOffset;
        m_rectDragBounds.bottom += m_nMaxOffset;
    }
    else
    {
        m_rectDragBounds.left += m_nMinOffset;
        m_rectDragBounds.right += m_nMaxOffset;
    }
    m_bCaptured = TRUE;
    // The keyboard comes here so that Esc can cancel the drag.
    m_hWndFocusBeforeDrag = ::GetFocus();
    SetFocus();
    SetCapture();
    m_rectLastDragRect = rectWindow;
    m_outline.Show(m_rectLastDragRect,
                   std::max(1, (std::min(rectWindow.Width(), rectWindow.Height()) + 1) / 2));
    if (m_pTreeManager != NULL)
        m_pTreeManager->SetAutoHideHiding(TRUE);
}

void CTavoPSlider::OnLButtonUp(UINT nFlags, CPoint point)
{
    StopTracking(TRUE);
}

void CTavoPSlider::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bCaptured)
        return;
    ClientToScreen(&point);
    CRect rect = m_rectLastDragRect;
    if (IsHorizontal())
    {
        const int cy = rect.Height();
        rect.top = point.y - cy / 2;
        rect.bottom = rect.top + cy;
        // Pushed back inside the bounds with its size kept.
        if (rect.top < m_rectDragBounds.top)
            rect.OffsetRect(0, m_rectDragBounds.top - rect.top);
        if (rect.bottom > m_rectDragBounds.bottom)
            rect.OffsetRect(0, m_rectDragBounds.bottom - rect.bottom);
    }
    else
    {
        const int cx = rect.Width();
        rect.left = point.x - cx / 2;
        rect.right = rect.left + cx;
        if (rect.left < m_rectDragBounds.left)
            rect.OffsetRect(m_rectDragBounds.left - rect.left, 0);
        if (rect.right > m_rectDragBounds.right)
            rect.OffsetRect(m_rectDragBounds.right - rect.right, 0);
    }
    if (rect == m_rectLastDragRect)
        return;
    m_rectLastDragRect = rect;
    m_outline.Show(rect, std::max(1, (std::min(rect.Width(), rect.Height()) + 1) / 2));
}

void CTavoPSlider::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_ESCAPE && m_bCaptured)
    {
        StopTracking(FALSE);
        return;
    }
    Default();
}

void CTavoPSlider::OnCancelMode()
{
    StopTracking(FALSE);
    Default();
}

void CTavoPSlider::OnCaptureChanged(CWnd* pWnd)
{
    // Another window took the mouse: the drag cannot go on.
    if (m_bCaptured && (pWnd == NULL || pWnd->GetSafeHwnd() != m_hWnd))
        StopTracking(FALSE);
    Default();
}

void CTavoPSlider::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    dc.FillSolidRect(rectClient, ::GetSysColor(COLOR_BTNFACE));
    if (!m_bAutoHideMode)
        return;
    const CTavoPGlobalData& data = GetGlobalData();
    CRect rectLine = rectClient;
    COLORREF clrLine = data.clrBtnDkShadow;
    switch (GetCurrentAlignment() & CBRS_ALIGN_ANY)
    {
    case CBRS_ALIGN_LEFT: rectLine.left = rectLine.right - 1; break;
    case CBRS_ALIGN_RIGHT:
        rectLine.right = rectLine.left + 1;
        clrLine = data.clrBtnHilite;
        break;
    case CBRS_ALIGN_TOP: rectLine.top = rectLine.bottom - 1; break;
    case CBRS_ALIGN_BOTTOM:
        rectLine.bottom = rectLine.top + 1;
        clrLine = data.clrBtnHilite;
        break;
    default: return;
    }
    dc.FillSolidRect(rectLine, clrLine);
}

BOOL CTavoPSlider::OnEraseBkgnd(CDC* pDC)
{
    return TRUE;
}

int CTavoPSlider::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (Default() == -1)
        return -1;
    GetSliderCursors();
    return 0;
}

void CTavoPSlider::OnDestroy()
{
    m_outline.Hide();
    Default();
}

void CTavoPSlider::OnNcDestroy()
{
    CTavoPBarTreeManager* pManager = m_pTreeManager;
    m_pTreeManager = NULL;
    if (pManager != NULL)
    {
        if (m_bDefaultSlider)
        {
            pManager->SetDefaultSlider(NULL);
            delete pManager;
        }
        else
        {
            pManager->RemoveSlider(this);
        }
    }
    CWnd::OnNcDestroy();
    delete this;
}
