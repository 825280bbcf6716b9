#include "ui/bars/docking/CTavoPDockBarRow.h"
#include "ui/bars/CTavoPControlBar.h"
#include "ui/bars/docking/CTavoPDockBar.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CTavoPDockBarRow, CObject)

namespace {

// Marks the row busy while it moves and sizes its bars, so that the bars' own size
// notifications do not re-enter it.
class ArrangingScope
{
public:
    explicit ArrangingScope(BOOL& bFlag) : m_bFlag(bFlag), m_bOld(bFlag) { m_bFlag = TRUE; }
    ~ArrangingScope() { m_bFlag = m_bOld; }

private:
    BOOL& m_bFlag;
    BOOL m_bOld;
};

int SlotsTotal(const std::vector<CTavoPDockBarRow::Slot>& slots)
{
    int nTotal = 0;
    for (const auto& slot : slots)
        nTotal += slot.nLength;
    return nTotal;
}

}

CTavoPDockBarRow::CTavoPDockBarRow(CTavoPDockBar* pDockBar, int nOffset, int nThickness)
    : m_bShowHiddenBars(FALSE), m_bVisible(TRUE), m_nThickness(nThickness), m_nOffset(nOffset),
      m_dwAlignment(pDockBar->GetCurrentAlignment()), m_pDockBar(pDockBar), m_nExtraThickness(0),
      m_bExtraAtStart(FALSE), m_bArranging(FALSE)
{}

CTavoPDockBarRow::~CTavoPDockBarRow()
{
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPControlBar* pBar = (CTavoPControlBar*)m_lstBars.GetNext(pos);
        if (pBar->GetDockRow() == this)
            pBar->SetDockRow(NULL);
    }
}

// ---- geometry

int CTavoPDockBarRow::Length() const
{
    CRect rect;
    m_pDockBar->GetClientRect(rect);
    return IsHorizontal() ? rect.Width() : rect.Height();
}

int CTavoPDockBarRow::GetClientRect(CRect& rect) const
{
    m_pDockBar->GetClientRect(rect);
    if (IsHorizontal())
    {
        rect.top = m_nOffset;
        rect.bottom = m_nOffset + m_nThickness;
        return rect.top;
    }
    rect.left = m_nOffset;
    rect.right = m_nOffset + m_nThickness;
    return rect.left;
}

int CTavoPDockBarRow::GetWindowRect(CRect& rect) const
{
    GetClientRect(rect);
    m_pDockBar->ClientToScreen(rect);
    return IsHorizontal() ? rect.top : rect.left;
}

CRect CTavoPDockBarRow::BarRectInRow(const CTavoPControlBar* pBar) const
{
    CRect rect;
    pBar->GetWindowRect(rect);
    m_pDockBar->ScreenToClient(rect);
    return rect;
}

int CTavoPDockBarRow::RecentPos(const CTavoPControlBar* pBar) const
{
    // A bar under the mouse stays where the drag put it.
    if (pBar->IsDragging())
    {
        const CRect rect = BarRectInRow(pBar);
        return IsHorizontal() ? rect.left : rect.top;
    }
    const CRect& rect = pBar->GetRecentDockedRect();
    return IsHorizontal() ? rect.left : rect.top;
}

BOOL CTavoPDockBarRow::Counts(const CTavoPControlBar* pBar) const
{
    return m_bShowHiddenBars || (pBar->GetStyle() & WS_VISIBLE) != 0;
}

BOOL CTavoPDockBarRow::HasBar(const CTavoPControlBar* pBar) const
{
    return m_lstBars.Find((CObject*)pBar) != NULL;
}

std::vector<CTavoPDockBarRow::Slot> CTavoPDockBarRow::VisibleSlots() const
{
    std::vector<Slot> slots;
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPControlBar* pBar = (CTavoPControlBar*)m_lstBars.GetNext(pos);
        if (!Counts(pBar))
            continue;
        const CRect rect = BarRectInRow(pBar);
        slots.push_back({pBar, IsHorizontal() ? rect.left : rect.top,
                         IsHorizontal() ? rect.Width() : rect.Height()});
    }
    return slots;
}

int CTavoPDockBarRow::GetVisibleBarCount() const
{
    int nCount = 0;
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        if (Counts((CTavoPControlBar*)m_lstBars.GetNext(pos)))
            nCount++;
    }
    return nCount;
}

CSize CTavoPDockBarRow::CalcFixedLayout(BOOL bStretch, BOOL bHorz) const
{
    if (!m_bVisible)
        return IsHorizontal() ? CSize(32767, 0) : CSize(0, 32767);
    int nLength = 0, nThickness = 0;
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPControlBar* pBar = (CTavoPControlBar*)m_lstBars.GetNext(pos);
        if (!Counts(pBar))
            continue;
        CRect rect;
        pBar->GetWindowRect(rect);
        nLength += IsHorizontal() ? rect.Width() : rect.Height();
        nThickness = std::max(nThickness, (int)(IsHorizontal() ? rect.Height() : rect.Width()));
    }
    if (nThickness > 0)
        nThickness += m_nExtraThickness;
    return IsHorizontal() ? CSize(nLength, nThickness) : CSize(nThickness, nLength);
}

int CTavoPDockBarRow::GetFreeSpace(BOOL bRecorded) const
{
    int nUsed = 0;
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPControlBar* pBar = (CTavoPControlBar*)m_lstBars.GetNext(pos);
        if (!Counts(pBar))
            continue;
        CRect rect;
        if (bRecorded)
            rect = pBar->GetRecentDockedRect();
        else
            pBar->GetWindowRect(rect);
        nUsed += IsHorizontal() ? rect.Width() : rect.Height();
    }
    return Length() - nUsed;
}

BOOL CTavoPDockBarRow::IsExclusive() const
{
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        if (!((CTavoPControlBar*)m_lstBars.GetNext(pos))->CanShareRow())
            return TRUE;
    }
    return FALSE;
}

// ---- placing bars

void CTavoPDockBarRow::AddControlBar(CTavoPControlBar* pBar, int nDockMethod, LPCRECT lpRect,
                                     BOOL bAddLast)
{
    const CSize size = pBar->CalcFixedLayout(FALSE, IsHorizontal());
    int nAlong = 0;
    if (lpRect == NULL)
    {
        if (bAddLast)
        {
            for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
            {
                const CRect rect = BarRectInRow((CTavoPControlBar*)m_lstBars.GetNext(pos));
                nAlong = std::max(nAlong, (int)(IsHorizontal() ? rect.right : rect.bottom));
            }
        }
    }
    else
    {
        CRect rect(lpRect);
        m_pDockBar->ScreenToClient(rect);
        nAlong = IsHorizontal() ? rect.left : rect.top;
    }
    const int nAcross = m_nOffset + (m_bExtraAtStart ? m_nExtraThickness : 0);
    pBar->CWnd::SetWindowPos(NULL, IsHorizontal() ? nAlong : nAcross,
                             IsHorizontal() ? nAcross : nAlong, size.cx, size.cy,
                             SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    InsertInOrder(pBar);
    pBar->StoreRecentDockedRect();
}

void CTavoPDockBarRow::AddControlBarKeepSize(CTavoPControlBar* pBar, int nDockMethod)
{
    const CRect rectWindow = BarRectInRow(pBar);
    int nAlong = IsHorizontal() ? rectWindow.left : rectWindow.top;
    if (nDockMethod == TAVOP_DM_MOUSE)
    {
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        m_pDockBar->ScreenToClient(&ptCursor);
        // The grab point is in client coordinates: the bar's border lies before it.
        CRect rectScreen, rectClient;
        pBar->GetWindowRect(rectScreen);
        pBar->GetClientRect(rectClient);
        pBar->ClientToScreen(rectClient);
        const CPoint ptGrab = pBar->GetGrabPoint();
        nAlong = IsHorizontal() ? ptCursor.x - ptGrab.x - (rectClient.left - rectScreen.left)
                                : ptCursor.y - ptGrab.y - (rectClient.top - rectScreen.top);
    }
    const int nAcross = m_nOffset + (m_bExtraAtStart ? m_nExtraThickness : 0);
    pBar->CWnd::SetWindowPos(NULL, IsHorizontal() ? nAlong : nAcross,
                             IsHorizontal() ? nAcross : nAlong, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    InsertInOrder(pBar);
    pBar->StoreRecentDockedRect();
}

void CTavoPDockBarRow::InsertInOrder(CTavoPControlBar* pBar)
{
    const CRect rectBar = BarRectInRow(pBar);
    POSITION posBefore = NULL;
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        POSITION posCurrent = pos;
        CTavoPControlBar* pOther = (CTavoPControlBar*)m_lstBars.GetNext(pos);
        if (pOther != pBar && pOther->IsPointBeforeBar(rectBar.TopLeft(), FALSE))
        {
            posBefore = posCurrent;
            break;
        }
    }
    if (!HasBar(pBar))
    {
        if (posBefore != NULL)
            m_lstBars.InsertBefore(posBefore, pBar);
        else
            m_lstBars.AddTail(pBar);
    }
    pBar->SetDockRow(this);
    UpdateVisibility();
    const int nBarThickness = IsHorizontal() ? rectBar.Height() : rectBar.Width();
    if (nBarThickness + m_nExtraThickness > m_nThickness)
        m_pDockBar->ResizeRow(this, nBarThickness + m_nExtraThickness);
    ArrangeBars(pBar);
}

BOOL CTavoPDockBarRow::RemoveControlBar(CTavoPControlBar* pBar)
{
    POSITION pos = m_lstBars.Find(pBar);
    if (pos == NULL)
        return FALSE;
    {
        ArrangingScope scope(m_bArranging);
        pBar->StretchBy(0xFFFF);
    }
    m_lstBars.RemoveAt(pos);
    pBar->SetDockRow(NULL);
    if (m_lstBars.IsEmpty())
    {
        m_pDockBar->RemoveRow(this); // deletes this row
        return TRUE;
    }
    FitRow(Length(), TRUE);
    UpdateVisibility();
    int nThickest = 0;
    for (POSITION posBar = m_lstBars.GetHeadPosition(); posBar != NULL;)
    {
        const CRect rect = BarRectInRow((CTavoPControlBar*)m_lstBars.GetNext(posBar));
        nThickest = std::max(nThickest, (int)(IsHorizontal() ? rect.Height() : rect.Width()));
    }
    if (nThickest + m_nExtraThickness < m_nThickness)
        m_pDockBar->ResizeRow(this, nThickest + m_nExtraThickness);
    return TRUE;
}

BOOL CTavoPDockBarRow::ReplaceControlBar(CTavoPControlBar* pOldBar, CTavoPControlBar* pNewBar)
{
    POSITION pos = m_lstBars.Find(pOldBar);
    if (pos == NULL)
        return FALSE;
    m_lstBars.SetAt(pos, pNewBar);
    pOldBar->SetDockRow(NULL);
    pNewBar->SetDockRow(this);
    return TRUE;
}

BOOL CTavoPDockBarRow::ShowControlBar(CTavoPControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (!HasBar(pBar))
        return FALSE;
    pBar->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    UpdateVisibility(!bDelay);
    if (bShow)
    {
        pBar->OnBarHook3();
        ArrangeBars(pBar);
    }
    else
    {
        FitRow(Length(), TRUE);
    }
    if (!bDelay)
    {
        FitRow(Length(), TRUE);
        m_pDockBar->AdjustDockSiteLayout();
    }
    return TRUE;
}

void CTavoPDockBarRow::UpdateVisibility(BOOL bNotify)
{
    CFrameWnd* pDockSite = m_pDockBar->GetDockSiteFrame();
    const BOOL bSiteHidden = pDockSite != NULL && !pDockSite->IsWindowVisible();
    BOOL bVisible = FALSE;
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL && !bVisible;)
    {
        CTavoPControlBar* pBar = (CTavoPControlBar*)m_lstBars.GetNext(pos);
        if (bSiteHidden && pBar->GetStoredValue())
            bVisible = pBar->GetStoredVisibility();
        else
            bVisible = m_bShowHiddenBars || (pBar->GetStyle() & WS_VISIBLE) != 0;
    }
    if (bVisible != m_bVisible)
        SetVisible(bVisible, bNotify);
}

void CTavoPDockBarRow::SetVisible(BOOL bVisible, BOOL bNotify)
{
    if (bVisible == m_bVisible)
        return;
    m_bVisible = bVisible;
    m_pDockBar->ShowRow(this, bVisible, bNotify);
}

int CTavoPDockBarRow::ResizeBy(int nDelta)
{
    m_nThickness += nDelta;
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
        ((CTavoPControlBar*)m_lstBars.GetNext(pos))->AdjustLayout();
    return nDelta;
}

void CTavoPDockBarRow::MoveBy(int nDelta)
{
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
        ((CTavoPControlBar*)m_lstBars.GetNext(pos))->MoveByAlignment(m_dwAlignment, nDelta);
    m_nOffset += nDelta;
}

void CTavoPDockBarRow::PlaceBarsAcross()
{
    const int nAcross = m_nOffset + (m_bExtraAtStart ? m_nExtraThickness : 0);
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPControlBar* pBar = (CTavoPControlBar*)m_lstBars.GetNext(pos);
        const CRect rect = BarRectInRow(pBar);
        if ((IsHorizontal() ? rect.top : rect.left) == nAcross)
            continue;
        pBar->CWnd::SetWindowPos(NULL, IsHorizontal() ? rect.left : nAcross,
                                 IsHorizontal() ? nAcross : rect.top, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// ---- fitting the bars into the row

void CTavoPDockBarRow::ApplySlots(const std::vector<Slot>& slots, HDWP* phdwp)
{
    ArrangingScope scope(m_bArranging);
    const int nAcross = m_nOffset + (m_bExtraAtStart ? m_nExtraThickness : 0);
    for (const auto& slot : slots)
    {
        const CRect rect = BarRectInRow(slot.pBar);
        const int nAlong = IsHorizontal() ? rect.left : rect.top;
        const int nAcrossNow = IsHorizontal() ? rect.top : rect.left;
        if (nAlong == slot.nPos && nAcrossNow == nAcross)
            continue;
        const int x = IsHorizontal() ? slot.nPos : nAcross;
        const int y = IsHorizontal() ? nAcross : slot.nPos;
        if (phdwp != NULL && *phdwp != NULL)
            *phdwp = slot.pBar->SetWindowPos(NULL, x, y, 0, 0,
                                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE, *phdwp);
        else
            slot.pBar->CWnd::SetWindowPos(NULL, x, y, 0, 0,
                                          SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CTavoPDockBarRow::ResolveOverlaps(std::vector<Slot>& slots, int k, int nLength)
{
    const int n = (int)slots.size();
    if (n == 0)
        return;
    for (int i = k + 1; i < n; i++)
        slots[i].nPos = std::max(slots[i].nPos, slots[i - 1].nPos + slots[i - 1].nLength);
    for (int i = k - 1; i >= 0; i--)
        slots[i].nPos = std::min(slots[i].nPos, slots[i + 1].nPos - slots[i].nLength);
    if (slots[0].nPos < 0)
    {
        const int nShift = -slots[0].nPos;
        for (auto& slot : slots)
            slot.nPos += nShift;
    }
    const int nEnd = slots[n - 1].nPos + slots[n - 1].nLength;
    if (nEnd > nLength && SlotsTotal(slots) <= nLength)
    {
        slots[n - 1].nPos = nLength - slots[n - 1].nLength;
        for (int i = n - 2; i >= 0; i--)
            slots[i].nPos = std::min(slots[i].nPos, slots[i + 1].nPos - slots[i].nLength);
    }
}

void CTavoPDockBarRow::ShrinkToFit(std::vector<Slot>& slots, int nLength)
{
    ArrangingScope scope(m_bArranging);
    int nShortage = SlotsTotal(slots) - nLength;
    for (int i = (int)slots.size() - 1; i >= 0 && nShortage > 0; i--)
    {
        const int nApplied =
            slots[i].pBar->StretchBy(-std::min(nShortage, slots[i].pBar->GetShrinkableLength()));
        slots[i].nLength += nApplied;
        nShortage += nApplied;
    }
    int nPos = 0;
    for (auto& slot : slots)
    {
        slot.nPos = nPos;
        nPos += slot.nLength;
    }
}

void CTavoPDockBarRow::ArrangeBars(CTavoPControlBar* pBar)
{
    if (IsEmpty())
        return;
    CRect rectRow;
    GetClientRect(rectRow);
    if (rectRow.IsRectEmpty())
        return;
    ArrangingScope scope(m_bArranging);
    const int nLength = Length();
    std::vector<Slot> slots = VisibleSlots();
    if (slots.empty())
        return;
    if (slots.size() == 1 && slots[0].nLength > nLength)
    {
        slots[0].nLength += slots[0].pBar->StretchBy(nLength - slots[0].nLength);
        slots[0].nPos = 0;
        ApplySlots(slots);
        return;
    }
    int k = 0;
    for (int i = 0; i < (int)slots.size(); i++)
    {
        if (slots[i].pBar == pBar)
            k = i;
    }
    ResolveOverlaps(slots, k, nLength);
    if (SlotsTotal(slots) > nLength)
        ShrinkToFit(slots, nLength);
    ApplySlots(slots);
}

// Every visible bar at its full length where the row has room for all of them, else shrunk
// from the last bar towards the first; each as near its recent docked place as the others let it.
void CTavoPDockBarRow::FitRow(int nLength, BOOL bGrow)
{
    std::vector<Slot> slots = VisibleSlots();
    if (slots.empty() || nLength <= 0)
        return;
    ArrangingScope scope(m_bArranging);

    if (IsExclusive())
    {
        // A bar that wraps its buttons to the new length tells how thick it becomes; the row
        // follows it.
        CTavoPControlBar* pFirst = slots[0].pBar;
        const CSize sizeStretched = pFirst->CalcStretchedSize(nLength, !IsHorizontal());
        int nBarThickness = IsHorizontal() ? sizeStretched.cy : sizeStretched.cx;
        if (nBarThickness <= 0)
            nBarThickness = m_nThickness - m_nExtraThickness;
        const int cx = IsHorizontal() ? nLength : nBarThickness;
        const int cy = IsHorizontal() ? nBarThickness : nLength;
        CRect rectBefore;
        pFirst->GetWindowRect(rectBefore);
        // A size the bar has already is not set again: even that costs the platform a round trip.
        const auto size = [pFirst, cx, cy]() {
            CRect rect;
            pFirst->GetWindowRect(rect);
            if (rect.Size() != CSize(cx, cy))
                pFirst->CWnd::SetWindowPos(NULL, 0, 0, cx, cy,
                                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        };
        size();
        if (nBarThickness + m_nExtraThickness != m_nThickness)
        {
            // The row's bars lay out again for the dock bar's old length: the bar wraps anew.
            m_pDockBar->ResizeRow(this, nBarThickness + m_nExtraThickness, FALSE);
            pFirst->CalcStretchedSize(nLength, !IsHorizontal());
            size();
        }
        // Its buttons wrap anew only for a new length: a relayout that keeps the size keeps
        // the picture.
        CRect rectAfter;
        pFirst->GetWindowRect(rectAfter);
        if (rectAfter.Size() != rectBefore.Size())
            pFirst->RedrawWindow();
        return;
    }

    // Lengths first: full where all fit, else taken from the last bars down to their minimum.
    const int n = (int)slots.size();
    std::vector<int> want(n);
    int nFullTotal = 0;
    for (int i = 0; i < n; i++)
    {
        const CRect& rectRecent = slots[i].pBar->GetRecentDockedRect();
        want[i] = IsHorizontal() ? rectRecent.Width() : rectRecent.Height();
        if (want[i] <= 0)
            want[i] = slots[i].nLength;
        nFullTotal += want[i];
    }
    int nShortage = nFullTotal - nLength;
    for (int i = n - 1; i >= 0 && nShortage > 0; i--)
    {
        CSize sizeMin;
        slots[i].pBar->GetMinSize(sizeMin);
        const int nSpare = want[i] - (IsHorizontal() ? sizeMin.cx : sizeMin.cy);
        if (nSpare > 0)
        {
            const int nCut = std::min(nSpare, nShortage);
            want[i] -= nCut;
            nShortage -= nCut;
        }
    }
    for (int i = 0; i < n; i++)
    {
        if (want[i] != slots[i].nLength)
            slots[i].nLength += slots[i].pBar->StretchBy(want[i] - slots[i].nLength);
    }

    // Then places: each bar as near its recent docked place as the others let it.
    if (SlotsTotal(slots) > nLength)
    {
        int nPos = 0;
        for (auto& slot : slots)
        {
            slot.nPos = nPos;
            nPos += slot.nLength;
        }
    }
    else
    {
        for (auto& slot : slots)
            slot.nPos = RecentPos(slot.pBar);
        slots[0].nPos = std::max(slots[0].nPos, 0);
        ResolveOverlaps(slots, 0, nLength);
    }
    ApplySlots(slots);
}

void CTavoPDockBarRow::StretchRow(const CRect& rectNew, int nKind, BOOL bGrow, int nAmount)
{
    if (GetVisibleBarCount() == 0 || rectNew.IsRectEmpty())
        return;
    FitRow(IsHorizontal() ? rectNew.Width() : rectNew.Height(), bGrow);
}

void CTavoPDockBarRow::RecalcLayout()
{
    FitRow(Length(), TRUE);
}

void CTavoPDockBarRow::OnBarResized(CTavoPControlBar* pBar)
{
    if (!m_bArranging)
        ArrangeBars(pBar);
}

void CTavoPDockBarRow::MoveControlBar(CTavoPControlBar* pBar, int dx, int dy, HDWP* phdwp)
{
    int nDelta = IsHorizontal() ? dx : dy;
    if (nDelta == 0)
        return;
    std::vector<Slot> slots = VisibleSlots();
    int k = -1;
    for (int i = 0; i < (int)slots.size(); i++)
    {
        if (slots[i].pBar == pBar)
            k = i;
    }
    if (k < 0)
        return;
    ArrangingScope scope(m_bArranging);
    const int n = (int)slots.size();
    const int nLength = Length();

    // Past the middle of the neighbour's own place, the two change places: the neighbour
    // jumps to the other side.
    CTavoPControlBar* pSwapped = NULL;
    const int j = nDelta > 0 ? k + 1 : k - 1;
    if (j >= 0 && j < n)
    {
        const int nTryPos = slots[k].nPos + nDelta;
        const int nTryEnd = nTryPos + slots[k].nLength;
        const int nMiddle = RecentPos(slots[j].pBar) + slots[j].nLength / 2;
        const BOOL bPast = nDelta > 0 ? nTryEnd > nMiddle : nTryPos < nMiddle;
        const BOOL bOverlaps =
            nDelta > 0 ? nTryEnd > slots[j].nPos : nTryPos < slots[j].nPos + slots[j].nLength;
        if (bOverlaps && bPast)
        {
            pSwapped = slots[j].pBar;
            POSITION posBar = m_lstBars.Find(pBar);
            POSITION posOther = m_lstBars.Find(pSwapped);
            m_lstBars.SetAt(posBar, pSwapped);
            m_lstBars.SetAt(posOther, pBar);
            std::swap(slots[k], slots[j]);
            k = j;
        }
    }

    // Room: up to the row's end less the bars that must stay on that side.
    int nOthers = 0;
    for (int i = 0; i < n; i++)
    {
        if (nDelta > 0 ? i > k : i < k)
            nOthers += slots[i].nLength;
    }
    const int nRoom = nDelta > 0 ? nLength - (slots[k].nPos + slots[k].nLength) - nOthers
                                 : slots[k].nPos - nOthers;
    if (nRoom <= 0 && pSwapped == NULL)
        return;
    nDelta =
        nDelta > 0 ? std::min(nDelta, std::max(nRoom, 0)) : std::max(nDelta, -std::max(nRoom, 0));
    const int nNewPos = slots[k].nPos + nDelta;

    std::vector<int> desired(n);
    for (int i = 0; i < n; i++)
    {
        if (i == k)
            desired[i] = nNewPos;
        else if (slots[i].pBar == pSwapped)
            desired[i] = nDelta > 0 ? nNewPos - slots[i].nLength : nNewPos + slots[k].nLength;
        else
            desired[i] = RecentPos(slots[i].pBar);
    }

    for (int i = 0; i < n; i++)
        slots[i].nPos = desired[i];
    ResolveOverlaps(slots, k, nLength);
    if (SlotsTotal(slots) > nLength)
        ShrinkToFit(slots, nLength);
    ApplySlots(slots, phdwp);
    if (pSwapped != NULL)
        pSwapped->StoreRecentDockedRect();
}

void CTavoPDockBarRow::ArrangeFromOffset(int nStart, int nGap)
{
    ArrangingScope scope(m_bArranging);
    int nPos = nStart;
    const int nAcross = m_nOffset + (m_bExtraAtStart ? m_nExtraThickness : 0);
    BOOL bAfterBar = FALSE;
    for (POSITION pos = m_lstBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPControlBar* pBar = (CTavoPControlBar*)m_lstBars.GetNext(pos);
        if (!Counts(pBar))
            continue;
        // A strip that continues a group joins the one before it, sharing its border line; the
        // first strip has none to join and stays at the start.
        if (!pBar->GetFirstProperty() && bAfterBar)
            nPos -= nGap + 1;
        bAfterBar = TRUE;
        pBar->CWnd::SetWindowPos(NULL, IsHorizontal() ? nPos : nAcross,
                                 IsHorizontal() ? nAcross : nPos, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        const CRect rect = BarRectInRow(pBar);
        const int nBarLength = IsHorizontal() ? rect.Width() : rect.Height();
        pBar->CalcStretchedSize(nBarLength, !IsHorizontal());
        nPos += nBarLength + nGap;
    }
}
