#include "ui/bars/docking/CTavoPDockBar.h"
#include "ui/bars/CTavoPControlBar.h"
#include "ui/bars/TavoPWindowClass.h"
#include "ui/bars/docking/CTavoPDockBarRow.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include <algorithm>
#include <cstdlib>

BEGIN_MESSAGE_MAP(CTavoPDockBar, CTavoPBaseControlBar)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_CONTEXTMENU()
    ON_WM_DESTROY()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPDockBar, CTavoPBaseControlBar)

CTavoPDockBar::CTavoPDockBar() : m_nDockBarID(0), m_bHoldResizes(FALSE), m_nHeldResize(0)
{}

CTavoPDockBar::~CTavoPDockBar()
{
    while (!m_lstDockBarRows.IsEmpty())
        delete (CTavoPDockBarRow*)m_lstDockBarRows.RemoveHead();
    m_lstControlBars.RemoveAll();
}

UINT CTavoPDockBar::DockBarIDForAlignment(DWORD dwAlignment)
{
    switch (dwAlignment & CBRS_ALIGN_ANY)
    {
    case CBRS_ALIGN_TOP: return AFX_IDW_DOCKBAR_TOP;
    case CBRS_ALIGN_BOTTOM: return AFX_IDW_DOCKBAR_BOTTOM;
    case CBRS_ALIGN_LEFT: return AFX_IDW_DOCKBAR_LEFT;
    case CBRS_ALIGN_RIGHT: return AFX_IDW_DOCKBAR_RIGHT;
    default: return 0;
    }
}

// ---- creation

BOOL CTavoPDockBar::Create(DWORD dwAlignment, const RECT& rect, CFrameWnd* pParentWnd,
                           DWORD dwBehaviour, CCreateContext* pContext)
{
    return CreateEx(0, dwAlignment, rect, pParentWnd, dwBehaviour, pContext);
}

BOOL CTavoPDockBar::CreateEx(DWORD dwExStyle, DWORD dwAlignment, const RECT& rect,
                             CFrameWnd* pParentWnd, DWORD dwBehaviour, CCreateContext* pContext)
{
    dwAlignment &= CBRS_ALIGN_ANY;
    EnableDocking(m_dwEnabledAlignment | dwAlignment);
    SetCurrentAlignment(dwAlignment);
    const CString strClassName = TavoPRegisterWindowClass(
        "TavoDockBar", CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));

    // Zero thickness on its side until a bar docks.
    CRect rectStart;
    pParentWnd->GetClientRect(rectStart);
    switch (dwAlignment)
    {
    case CBRS_ALIGN_LEFT: rectStart.right = rectStart.left; break;
    case CBRS_ALIGN_TOP: rectStart.bottom = rectStart.top; break;
    case CBRS_ALIGN_RIGHT: rectStart.left = rectStart.right; break;
    case CBRS_ALIGN_BOTTOM: rectStart.top = rectStart.bottom; break;
    }
    m_nDockBarID = DockBarIDForAlignment(dwAlignment);
    const DWORD dwStyle = dwAlignment | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return CTavoPBaseControlBar::CreateEx(dwExStyle, strClassName, NULL, dwStyle, rectStart,
                                          pParentWnd, m_nDockBarID, dwBehaviour, pContext);
}

// ---- what a dock bar is

BOOL CTavoPDockBar::CanAcceptBar(const CTavoPBaseControlBar* pBar) const
{
    return pBar != NULL && !pBar->IsResizable();
}

void CTavoPDockBar::OnBarHook3()
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
        ((CTavoPBaseControlBar*)m_lstControlBars.GetNext(pos))->OnBarHook3();
}

CSize CTavoPDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    for (POSITION pos = m_lstDockBarRows.GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockBarRow* pRow = (CTavoPDockBarRow*)m_lstDockBarRows.GetNext(pos);
        if (!pRow->IsVisible())
            continue;
        const CSize size = pRow->CalcFixedLayout(bStretch, bHorz);
        const int nThickness = IsHorizontal() ? size.cy : size.cx;
        if (nThickness > 0 && nThickness != pRow->GetThickness())
            ResizeRow(pRow, nThickness, FALSE);
    }
    CRect rect;
    GetWindowRect(rect);
    return rect.Size();
}

BOOL CTavoPDockBar::IsAnyBarDragging() const
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPControlBar, m_lstControlBars.GetNext(pos));
        if (pBar != NULL && pBar->IsDragging())
            return TRUE;
    }
    return FALSE;
}

// ---- docking bars

int CTavoPDockBar::RowThicknessFor(CTavoPControlBar* pBar) const
{
    const CSize size = pBar->CalcFixedLayout(FALSE, IsHorizontal());
    return IsHorizontal() ? size.cy : size.cx;
}

CTavoPDockBarRow* CTavoPDockBar::RowAtIndexCreating(int nIndex, int nThickness)
{
    if (nIndex < 0)
        return NULL;
    // A stored index comes from the registry: no layout has more rows than it has bars, so a
    // larger index opens one new last row instead of millions of empty ones.
    const CTavoPDockManager* pManager = GetDockManager();
    const INT_PTR nBars = pManager != NULL ? pManager->GetDockedBars().GetCount() : 0;
    if (nIndex > m_lstDockBarRows.GetCount() + nBars)
        return NULL;
    while (m_lstDockBarRows.GetCount() <= nIndex)
    {
        if (AddRow(NULL, nThickness) == NULL)
            return NULL;
    }
    return GetRow(nIndex);
}

void CTavoPDockBar::DockControlBar(CTavoPControlBar* pBar, int nDockMethod, LPCRECT lpRect)
{
    if (pBar == NULL || m_lstControlBars.Find(pBar) != NULL)
        return;
    const int nThickness = RowThicknessFor(pBar);
    const CSize sizeBefore = pBar->CalcFixedLayout(FALSE, IsHorizontal());
    const CTavoPRecentDockInfo& recent = pBar->GetRecentDockInfo();

    CTavoPDockBarRow* pRow = NULL;
    BOOL bBeforeFirst = FALSE;
    switch (nDockMethod)
    {
    case TAVOP_DM_MOUSE:
    {
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        pRow = RowFromPoint(ptCursor, bBeforeFirst);
        break;
    }
    case TAVOP_DM_RECENT:
        if (HasRow(recent.m_pRecentDockBarRow))
            pRow = recent.m_pRecentDockBarRow;
        else if (CTavoPDockManager::m_bRestoringDockState)
            pRow = RowAtIndexCreating(recent.m_nRecentRowIndex, nThickness);
        else
        {
            pRow = GetRow(recent.m_nRecentRowIndex);
            if (pRow == NULL && !pBar->GetRecentDockedRect().IsRectEmpty())
            {
                CRect rect;
                pBar->GetRecentDockedRectScreen(rect);
                pRow = RowFromPoint(rect.TopLeft(), bBeforeFirst);
            }
        }
        break;
    case TAVOP_DM_RECT:
        if (lpRect == NULL)
            pRow = NULL;
        else if (CTavoPDockManager::m_bRestoringDockState)
            pRow = RowAtIndexCreating(recent.m_nRecentRowIndex, nThickness);
        else
            pRow = RowFromPoint(CRect(lpRect).TopLeft(), bBeforeFirst);
        break;
    default: break;
    }

    if (pRow == NULL)
    {
        // Before all rows a new first row opens; anywhere else a new last one.
        pRow = AddRow(bBeforeFirst ? m_lstDockBarRows.GetHeadPosition() : NULL, nThickness);
    }
    else if (pRow->IsExclusive() || (!pBar->CanShareRow() && !pRow->IsEmpty()))
    {
        POSITION pos = m_lstDockBarRows.Find(pRow);
        if (!bBeforeFirst)
            m_lstDockBarRows.GetNext(pos);
        pRow = AddRow(pos, nThickness);
    }
    if (pRow == NULL)
        return;

    CRect rectPlace;
    const CRect& rectRecentPlace = recent.m_recentSliderInfo.m_rectRecentDockedRect;
    if (nDockMethod == TAVOP_DM_MOUSE && lpRect != NULL)
    {
        rectPlace = *lpRect;
    }
    else if (nDockMethod == TAVOP_DM_RECENT && lpRect == NULL && !rectRecentPlace.IsRectEmpty() &&
             recent.m_pRecentDockBar == this)
    {
        // Back to the recent place is back to where the bar sat in this dock bar, not to where
        // it floats now.
        rectPlace = rectRecentPlace;
        ClientToScreen(rectPlace);
    }
    else if (nDockMethod == TAVOP_DM_RECT && lpRect != NULL &&
             CTavoPDockManager::m_bRestoringDockState)
    {
        // A restored layout puts the bar at its stored place. Its recent rectangle is still
        // where the frame's own layout had it, and only a visible neighbour would push it on
        // from there: beside a hidden one it would take the hidden bar's place.
        rectPlace = *lpRect;
    }
    else
    {
        pBar->GetRecentDockedRectScreen(rectPlace);
    }
    pBar->SetPlaced(TRUE);
    pRow->AddControlBar(pBar, nDockMethod, rectPlace);

    const CSize sizeAfter = pBar->CalcFixedLayout(FALSE, IsHorizontal());
    if (sizeAfter != sizeBefore && HasRow(pRow))
        ResizeRow(pRow, IsHorizontal() ? sizeAfter.cy : sizeAfter.cx, TRUE);

    m_lstControlBars.AddTail(pBar);
    AdjustDockSiteLayout();
    ShowWindow(SW_SHOWNOACTIVATE);
}

BOOL CTavoPDockBar::DockNextTo(CTavoPControlBar* pBar, CTavoPControlBar* pExistingBar)
{
    CTavoPDockBarRow* pRow = FindRowForBar(pExistingBar);
    if (pRow == NULL || pBar == NULL)
        return FALSE;
    CRect rectExisting;
    pExistingBar->GetWindowRect(rectExisting);
    const CSize size = pBar->CalcFixedLayout(FALSE, IsHorizontal());
    CRect rect;
    if (IsHorizontal())
        rect.SetRect(rectExisting.left - 10, rectExisting.top, rectExisting.left - 10 + size.cx,
                     rectExisting.top + size.cy);
    else
        rect.SetRect(rectExisting.left, rectExisting.top - 10, rectExisting.left + size.cx,
                     rectExisting.top - 10 + size.cy);
    pBar->OnDockedInto(this, TAVOP_DM_RECT);
    pRow->AddControlBar(pBar, TAVOP_DM_RECT, rect);
    POSITION pos = m_lstControlBars.Find(pExistingBar);
    if (m_lstControlBars.Find(pBar) == NULL)
    {
        if (pos != NULL)
            m_lstControlBars.InsertBefore(pos, pBar);
        else
            m_lstControlBars.AddTail(pBar);
    }
    AdjustDockSiteLayout();
    ArrangeRows();
    return TRUE;
}

BOOL CTavoPDockBar::RemoveControlBar(CTavoPControlBar* pBar)
{
    POSITION pos = m_lstControlBars.Find(pBar);
    if (pos == NULL)
        return FALSE;
    m_lstControlBars.RemoveAt(pos);
    CTavoPDockBarRow* pRow = FindRowForBar(pBar);
    if (pRow != NULL)
        pRow->RemoveControlBar(pBar);
    return TRUE;
}

BOOL CTavoPDockBar::MoveControlBar(CTavoPControlBar* pBar, int dx, int dy)
{
    CTavoPDockBarRow* pRow = FindRowForBar(pBar);
    if (pRow == NULL)
        return FALSE;

    CTavoPBaseControlBar* pTargetDockBar = NULL;
    if (pBar->DockTargetFromPoint(CTavoPDockManager::m_nDockSensitivity, pTargetDockBar))
    {
        CRect rectFloat;
        pBar->GetWindowRect(rectFloat);
        rectFloat.OffsetRect(dx, dy);
        pBar->FloatControlBar(rectFloat, TAVOP_DM_MOUSE, TRUE);
        return TRUE;
    }

    // Where the mouse has taken the bar: its drag rectangle follows the cursor.
    const CRect rectDrag = pBar->GetDragWindowRect();
    CRect rectRow;
    pRow->GetWindowRect(rectRow);
    const BOOL bHorz = IsHorizontal();
    const CPoint ptCenter = rectDrag.CenterPoint();
    BOOL bBeforeFirst = FALSE;
    CTavoPDockBarRow* pTarget = RowFromPoint(ptCenter, bBeforeFirst);
    const int nNear = bHorz ? rectRow.top - rectDrag.top : rectRow.left - rectDrag.left;
    const int nFar = bHorz ? rectRow.bottom - rectDrag.bottom : rectRow.right - rectDrag.right;
    const int nD = std::abs(nNear) < std::abs(nFar) ? nNear : nFar;
    const int nBarThickness = bHorz ? rectDrag.Height() : rectDrag.Width();
    const int nLimit = nBarThickness * 2 / 3;
    const int nRowThickness = pRow->GetThickness();

    if (std::abs(nD) > nLimit)
    {
        // Out of a shared row by less than a whole row: a row of its own opens beside it, also
        // where a neighbouring row already lies under the bar.
        if (pRow->GetBars().GetCount() > 1 && std::abs(nD) < nRowThickness)
        {
            POSITION pos = m_lstDockBarRows.Find(pRow);
            if (nD < 0)
                m_lstDockBarRows.GetNext(pos);
            pRow->RemoveControlBar(pBar);
            CTavoPDockBarRow* pNewRow = AddRow(pos, nBarThickness);
            if (pNewRow != NULL)
                pNewRow->AddControlBarKeepSize(pBar, TAVOP_DM_MOUSE);
            return FALSE;
        }
        if (pTarget != NULL && pTarget != pRow)
        {
            if (!pRow->IsExclusive() && !pTarget->IsExclusive())
            {
                pRow->RemoveControlBar(pBar);
                pTarget->AddControlBarKeepSize(pBar, TAVOP_DM_MOUSE);
            }
            else
            {
                const int nRow = FindRowIndex(pRow), nTarget = FindRowIndex(pTarget);
                if (std::abs(nRow - nTarget) == 1)
                    SwapRows(nRow < nTarget ? pRow : pTarget, nRow < nTarget ? pTarget : pRow);
            }
            pBar->SetPlaced(TRUE);
            return FALSE;
        }
    }
    if (std::abs(nD) >= nRowThickness)
        return FALSE;

    HDWP hdwp = CTavoPBaseControlBar::BeginDeferredMoves();
    pRow->MoveControlBar(pBar, dx, dy, &hdwp);
    CTavoPBaseControlBar::EndDeferredMoves(hdwp);
    return FALSE;
}

// ---- rows

BOOL CTavoPDockBar::HasRow(const CTavoPDockBarRow* pRow) const
{
    return pRow != NULL && m_lstDockBarRows.Find((CObject*)pRow) != NULL;
}

CTavoPDockBarRow* CTavoPDockBar::CreateRow(int nOffset, int nThickness)
{
    CTavoPDockBarRow* pRow = new CTavoPDockBarRow(this, nOffset, nThickness);
    if (!pRow->Create())
    {
        delete pRow;
        return NULL;
    }
    return pRow;
}

CTavoPDockBarRow* CTavoPDockBar::AddRow(POSITION posBefore, int nThickness)
{
    int nOffset = 0;
    for (POSITION pos = m_lstDockBarRows.GetHeadPosition(); pos != NULL && pos != posBefore;)
    {
        CTavoPDockBarRow* pRow = (CTavoPDockBarRow*)m_lstDockBarRows.GetNext(pos);
        if (pRow->IsVisible())
            nOffset += pRow->GetThickness();
    }
    // The row first: a dock bar must not grow for a row that could not be made.
    CTavoPDockBarRow* pNewRow = CreateRow(nOffset, nThickness);
    if (pNewRow == NULL)
        return NULL;
    if (posBefore != NULL)
    {
        ShiftRowsAfterInsert(posBefore, nThickness);
        m_lstDockBarRows.InsertBefore(posBefore, pNewRow);
    }
    else
    {
        m_lstDockBarRows.AddTail(pNewRow);
    }
    ResizeDockBar(nThickness, TRUE);
    return pNewRow;
}

void CTavoPDockBar::ShiftRowsAfterInsert(POSITION posAfter, int nDelta)
{
    for (POSITION pos = posAfter; pos != NULL;)
        ((CTavoPDockBarRow*)m_lstDockBarRows.GetNext(pos))->MoveBy(nDelta);
}

void CTavoPDockBar::ShiftRowsAfterRemove(POSITION posAfter, int nDelta, BOOL bWasVisible,
                                         BOOL bForce)
{
    if (!bWasVisible && !bForce)
        return;
    for (POSITION pos = posAfter; pos != NULL;)
        ((CTavoPDockBarRow*)m_lstDockBarRows.GetNext(pos))->MoveBy(-nDelta);
}

void CTavoPDockBar::RemoveRow(CTavoPDockBarRow* pRow)
{
    POSITION pos = m_lstDockBarRows.Find(pRow);
    if (pos == NULL)
        return;
    POSITION posNext = pos;
    m_lstDockBarRows.GetNext(posNext);
    const BOOL bVisible = pRow->IsVisible();
    const int nThickness = pRow->GetThickness();
    m_lstDockBarRows.RemoveAt(pos);
    ShiftRowsAfterRemove(posNext, nThickness, bVisible, FALSE);
    delete pRow;
    if (bVisible)
        ResizeDockBar(-nThickness, TRUE);
}

int CTavoPDockBar::ResizeRowBy(CTavoPDockBarRow* pRow, int nDelta)
{
    POSITION pos = m_lstDockBarRows.Find(pRow);
    if (pos == NULL || nDelta == 0)
        return 0;
    pRow->ResizeBy(nDelta);
    if (pRow->IsVisible())
    {
        m_lstDockBarRows.GetNext(pos);
        ShiftRowsAfterInsert(pos, nDelta);
    }
    return nDelta;
}

int CTavoPDockBar::ResizeRow(CTavoPDockBarRow* pRow, int nThickness, BOOL bNotify)
{
    const int nDelta = nThickness - pRow->GetThickness();
    if (nDelta == 0)
        return 0;
    if (nDelta < 0 && !pRow->IsEmpty())
    {
        const CSize size = pRow->CalcFixedLayout(FALSE, IsHorizontal());
        if (nThickness < (IsHorizontal() ? size.cy : size.cx))
            return 0;
    }
    ResizeRowBy(pRow, nDelta);
    if (pRow->IsVisible())
        ResizeDockBar(nDelta, bNotify);
    return nDelta;
}

void CTavoPDockBar::ShiftRowsAfterShow(CTavoPDockBarRow* pRow, BOOL bShow)
{
    POSITION pos = m_lstDockBarRows.Find(pRow);
    if (pos == NULL)
        return;
    m_lstDockBarRows.GetNext(pos);
    ShiftRowsAfterInsert(pos, bShow ? pRow->GetThickness() : -pRow->GetThickness());
}

void CTavoPDockBar::ShowRow(CTavoPDockBarRow* pRow, BOOL bShow, BOOL bNotify)
{
    ShiftRowsAfterShow(pRow, bShow);
    ResizeDockBar(bShow ? pRow->GetThickness() : -pRow->GetThickness(), bNotify);
}

void CTavoPDockBar::SwapRows(CTavoPDockBarRow* pFirst, CTavoPDockBarRow* pSecond)
{
    POSITION posFirst = m_lstDockBarRows.Find(pFirst);
    POSITION posSecond = m_lstDockBarRows.Find(pSecond);
    if (posFirst == NULL || posSecond == NULL)
        return;
    m_lstDockBarRows.SetAt(posFirst, pSecond);
    m_lstDockBarRows.SetAt(posSecond, pFirst);
    const int nFirst = pFirst->GetThickness(), nSecond = pSecond->GetThickness();
    pFirst->MoveBy(nSecond);
    pSecond->MoveBy(-nFirst);
    ArrangeRows();
}

void CTavoPDockBar::ResizeDockBar(int nDelta, BOOL bNotify)
{
    if (m_bHoldResizes)
    {
        m_nHeldResize += nDelta;
        return;
    }
    CRect rect;
    GetWindowRect(rect);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->ScreenToClient(rect);
    switch (GetCurrentAlignment())
    {
    case CBRS_ALIGN_LEFT: rect.right = std::max((int)rect.left, (int)rect.right + nDelta); break;
    case CBRS_ALIGN_TOP: rect.bottom = std::max((int)rect.top, (int)rect.bottom + nDelta); break;
    case CBRS_ALIGN_RIGHT: rect.left = std::min((int)rect.right, (int)rect.left - nDelta); break;
    case CBRS_ALIGN_BOTTOM: rect.top = std::min((int)rect.bottom, (int)rect.top - nDelta); break;
    }
    SetWindowRect(rect, TRUE, NULL);
    if (bNotify)
        AdjustDockSiteLayout();
}

void CTavoPDockBar::HoldResizes(BOOL bHold)
{
    if (bHold == m_bHoldResizes)
        return;
    m_bHoldResizes = bHold;
    if (bHold)
        return;
    const int nDelta = m_nHeldResize;
    m_nHeldResize = 0;
    if (nDelta != 0)
        ResizeDockBar(nDelta, TRUE);
}

void CTavoPDockBar::RepositionRows(const CRect& rectNewClient)
{
    CRect rectClient;
    GetClientRect(rectClient);
    for (POSITION pos = m_lstDockBarRows.GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockBarRow* pRow = (CTavoPDockBarRow*)m_lstDockBarRows.GetNext(pos);
        if (rectClient.Size() == rectNewClient.Size())
        {
            pRow->RecalcLayout();
            continue;
        }
        CRect rectRow = rectNewClient;
        if (IsHorizontal())
            rectRow.SetRect(0, pRow->GetOffset(), rectNewClient.Width(),
                            pRow->GetOffset() + pRow->GetThickness());
        else
            rectRow.SetRect(pRow->GetOffset(), 0, pRow->GetOffset() + pRow->GetThickness(),
                            rectNewClient.Height());
        const BOOL bWidthChanged = rectClient.Width() != rectNewClient.Width();
        const int nChange = bWidthChanged ? rectNewClient.Width() - rectClient.Width()
                                          : rectNewClient.Height() - rectClient.Height();
        pRow->StretchRow(rectRow, bWidthChanged ? 2 : 6, nChange > 0, std::abs(nChange));
    }
}

void CTavoPDockBar::ArrangeRows()
{
    for (POSITION pos = m_lstDockBarRows.GetHeadPosition(); pos != NULL;)
        ((CTavoPDockBarRow*)m_lstDockBarRows.GetNext(pos))->ArrangeBars(NULL);
}

void CTavoPDockBar::PlaceBarsAcrossRows()
{
    for (POSITION pos = m_lstDockBarRows.GetHeadPosition(); pos != NULL;)
        ((CTavoPDockBarRow*)m_lstDockBarRows.GetNext(pos))->PlaceBarsAcross();
}

BOOL CTavoPDockBar::ShowControlBar(CTavoPBaseControlBar* pBar, BOOL bShow, BOOL bDelay,
                                   BOOL bActivate)
{
    CTavoPControlBar* pControlBar = DYNAMIC_DOWNCAST(CTavoPControlBar, pBar);
    CTavoPDockBarRow* pRow = FindRowForBar(pControlBar);
    if (pRow == NULL)
        return FALSE;
    return pRow->ShowControlBar(pControlBar, bShow, bDelay);
}

CTavoPDockBarRow* CTavoPDockBar::RowFromPoint(CPoint pt, BOOL& bBeforeFirst) const
{
    bBeforeFirst = FALSE;
    for (POSITION pos = m_lstDockBarRows.GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockBarRow* pRow = (CTavoPDockBarRow*)m_lstDockBarRows.GetNext(pos);
        if (!pRow->IsVisible())
            continue;
        CRect rect;
        pRow->GetWindowRect(rect);
        if (rect.PtInRect(pt))
            return pRow;
    }
    CRect rectWindow;
    GetWindowRect(rectWindow);
    bBeforeFirst = IsHorizontal() ? pt.y < rectWindow.top : pt.x < rectWindow.left;
    return NULL;
}

CTavoPDockBarRow* CTavoPDockBar::FindRowForBar(const CTavoPBaseControlBar* pBar) const
{
    if (pBar == NULL)
        return NULL;
    for (POSITION pos = m_lstDockBarRows.GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockBarRow* pRow = (CTavoPDockBarRow*)m_lstDockBarRows.GetNext(pos);
        if (pRow->GetBars().Find((CObject*)pBar) != NULL)
            return pRow;
    }
    return NULL;
}

int CTavoPDockBar::FindRowIndex(const CTavoPDockBarRow* pRow) const
{
    int nIndex = 0;
    for (POSITION pos = m_lstDockBarRows.GetHeadPosition(); pos != NULL; nIndex++)
    {
        if (m_lstDockBarRows.GetNext(pos) == pRow)
            return nIndex;
    }
    return -1;
}

BOOL CTavoPDockBar::HoldsAt(const CTavoPControlBar* pBar, int nRow, const CRect& rectPlace) const
{
    if (pBar == NULL || m_lstControlBars.Find((CObject*)pBar) == NULL)
        return FALSE;
    CTavoPDockBarRow* pRow = FindRowForBar(pBar);
    if (pRow == NULL || FindRowIndex(pRow) != nRow)
        return FALSE;
    CRect rect;
    pBar->GetWindowRect(rect);
    ScreenToClient(rect);
    return IsHorizontal() ? rect.left == rectPlace.left : rect.top == rectPlace.top;
}

CTavoPDockBarRow* CTavoPDockBar::GetRow(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_lstDockBarRows.GetCount())
        return NULL;
    return (CTavoPDockBarRow*)m_lstDockBarRows.GetAt(m_lstDockBarRows.FindIndex(nIndex));
}

CTavoPControlBar* CTavoPDockBar::BarFromPoint(CPoint pt) const
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPControlBar* pBar = (CTavoPControlBar*)m_lstControlBars.GetNext(pos);
        CRect rect;
        pBar->GetWindowRect(rect);
        if (rect.PtInRect(pt))
            return pBar;
    }
    return NULL;
}

CTavoPBaseControlBar* CTavoPDockBar::FindBarByID(UINT nID) const
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPControlBar* pBar = (CTavoPControlBar*)m_lstControlBars.GetNext(pos);
        if ((UINT)pBar->GetDlgCtrlID() == nID)
            return pBar;
        CTavoPControlBar* pChild = DYNAMIC_DOWNCAST(CTavoPControlBar, pBar->GetDlgItem((int)nID));
        if (pChild != NULL)
            return pChild;
    }
    return NULL;
}

void CTavoPDockBar::AdjustDockSiteLayout()
{
    // A stored layout being restored lays the frame out once, when every bar is back; a pass
    // for each bar moved the rows of every dock bar again and again.
    if (CTavoPDockManager::m_bRestoringDockState)
        return;
    CFrameWnd* pFrame = GetDockSiteFrame();
    if (GetDockingUtils().GetDockManager(pFrame) != NULL)
        RecalcFrameLayout(pFrame);
}

// ---- messages

void CTavoPDockBar::OnPaint()
{
    CPaintDC dc(this);
}

void CTavoPDockBar::OnSize(UINT nType, int cx, int cy)
{
    Default();
}

BOOL CTavoPDockBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    CTavoPVisualManager::GetInstance()->OnFillBarBackground(pDC, this, rectClient, rectClient,
                                                            FALSE);
    return TRUE;
}

void CTavoPDockBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (CTavoPToolBar::IsCustomizeMode() || IsAnyBarDragging())
        return;
    CFrameWnd* pFrame = GetTopLevelFrame();
    if (pFrame != NULL)
        pFrame->SendMessage(CTavoPControlBar::GetPopupMenuMessage(), 0,
                            MAKELPARAM(point.x, point.y));
}

void CTavoPDockBar::OnDestroy()
{
    Default();
}

void CTavoPDockBar::OnNcDestroy()
{
    CWnd::OnNcDestroy();
    delete this;
}
