// The toolbar's side of dragged buttons: dragging a button off this bar, and buttons dragged over
// and dropped onto it.
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/tabs/CTavoPTabWnd.h"
#include "ui/commandbars/CTavoPToolbarDropSource.h"

namespace {

BOOL IsSeparator(const CTavoPToolbarButton* pButton)
{
    return pButton != NULL && (pButton->m_nStyle & TBBS_SEPARATOR) != 0;
}

} // namespace

void CTavoPToolBar::DragButton(CTavoPToolbarButton* pButton, CPoint point)
{
    COleDataSource source;
    if (!pButton->CanBeStored() || !pButton->OnBeforeDrag() || !pButton->PrepareDrag(source))
    {
        m_pDragButton = NULL;
        return;
    }
    ShowCommandMessage(pButton->m_nID);
    CTavoPToolbarDropSource& dropSource = GetToolbarDropSource();
    dropSource.m_bDragStarted = FALSE;
    m_ptStartDrag = point;
    if (m_bAltCustomization)
        SetCustomizeMode(TRUE);

    const CRect rectButton = pButton->Rect();
    CRect rectStart = rectButton;
    ClientToScreen(&rectStart);
    const HWND hwndThis = GetSafeHwnd();
    const DROPEFFECT dropEffect =
        source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, rectStart, &dropSource);
    if (!::IsWindow(hwndThis))
        return;

    // A drop on this bar took the button (and may have deleted it): only the pointer tells
    // which button is there now.
    CTavoPToolbarButton* pDragged = m_pDragButton;
    m_pDragButton = NULL;
    CPoint ptNow;
    ::GetCursorPos(&ptNow);
    ScreenToClient(&ptNow);
    if (!dropSource.m_bDragStarted || rectButton.PtInRect(ptNow))
    {
        const int iHot = HitTest(ptNow);
        if (iHot >= 0)
            SelectButton(iHot);
        return;
    }
    const int iDragged = ButtonToIndex(pDragged);
    if (dropEffect == DROPEFFECT_COPY || pDragged == NULL || dropSource.m_bEscapePressed)
    {
        InvalidateButton(iDragged);
        return;
    }
    // Moved to another bar, or dropped where nothing took it: it leaves this bar.
    if (iDragged >= 0 && RemoveButton(iDragged))
    {
        AdjustLayout();
        Invalidate();
        AdjustSizeImmediate();
        CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
        if (pMiniFrame != NULL)
            pMiniFrame->RecalcLayout();
    }
}

DROPEFFECT CTavoPToolBar::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    m_iDragIndex = -1;
    GetToolbarDropSource().m_bDeleteOnDrop = FALSE;
    return OnDragOver(pDataObject, dwKeyState, point);
}

DROPEFFECT CTavoPToolBar::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (m_bLocked)
        return DROPEFFECT_NONE;
    CTavoPToolbarButton* pButton = CTavoPToolbarButton::CreateFromOleData(pDataObject);
    if (pButton == NULL)
        return DROPEFFECT_NONE;
    const BOOL bAllowed = pButton->CanBeDropped(this);
    delete pButton;
    if (!bAllowed)
        return DROPEFFECT_NONE;

    const BOOL bCopy = (dwKeyState & MK_CONTROL) != 0;
    m_bIsDragCopy = bCopy;
    if (m_pDragButton == NULL && m_iSelected >= 0)
    {
        const int iOld = m_iSelected;
        m_iSelected = -1;
        InvalidateButton(iOld);
    }

    CRect rectDrag;
    const int iIndex = FindDropIndex(point, rectDrag);
    if (rectDrag != m_rectDrag)
    {
        CRect rectOld = m_rectDrag;
        m_iDragIndex = iIndex;
        m_rectDrag = rectDrag;
        rectOld.InflateRect(2, 2);
        rectDrag.InflateRect(2, 2);
        InvalidateRect(rectOld);
        InvalidateRect(rectDrag);
        UpdateWindow();
    }

    const int iHot = HitTest(point);
    if (iHot != m_iHighlighted)
        SelectButton(iHot);

    if (m_iDragIndex < 0)
        return DROPEFFECT_NONE;
    return bCopy ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

void CTavoPToolBar::OnDragLeave()
{
    m_iDragIndex = -1;
    CRect rect = m_rectDrag;
    rect.InflateRect(2, 2);
    InvalidateRect(rect);
    UpdateWindow();
    m_rectDrag.SetRectEmpty();
    GetToolbarDropSource().m_bDeleteOnDrop = TRUE;
}

BOOL CTavoPToolBar::OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    int iIndex = m_iDragIndex;
    if (iIndex < 0)
        return FALSE;
    // Taken here so that the source's end of the drag does not remove it again.
    CTavoPToolbarButton* pDragged = m_pDragButton;
    m_pDragButton = NULL;
    OnDragLeave();

    CTavoPToolbarButton* pNew = CreateDroppedButton(pDataObject);
    if (pNew == NULL)
        return FALSE;
    pNew->m_bDragFromCollection = FALSE;

    const int iDragged = ButtonToIndex(pDragged);
    if (iDragged >= 0 && dropEffect != DROPEFFECT_COPY)
    {
        if (iIndex == iDragged || iIndex == iDragged + 1)
        {
            // Dropped onto its own place: a push along the bar opens or closes a group.
            const int nDelta =
                IsHorizontalBar() ? point.x - m_ptStartDrag.x : point.y - m_ptStartDrag.y;
            CTavoPToolbarButton* pPrev = GetButton(iDragged - 1);
            if (nDelta >= 6 && pPrev != NULL && !IsSeparator(pPrev))
                InsertSeparator(iDragged);
            else if (nDelta <= -6 && IsSeparator(pPrev))
                RemoveButton(iDragged - 1);
            delete pNew;
            AdjustLayout();
            m_iSelected = -1;
            Invalidate();
            return TRUE;
        }
        // The place is kept by the button it goes before: removing the dragged button may take
        // a separator next to it along.
        CTavoPToolbarButton* pBefore = GetButton(iIndex);
        const int iByIndex = iIndex > iDragged ? iIndex - 1 : iIndex;
        RemoveButton(iDragged);
        iIndex = pBefore != NULL ? ButtonToIndex(pBefore) : GetCount();
        if (iIndex < 0)
            iIndex = iByIndex;
        if (iIndex > GetCount())
            iIndex = GetCount();
    }

    if (InsertButton(pNew, iIndex) < 0)
    {
        delete pNew;
        return FALSE;
    }
    AdjustLayout();
    CWnd* pParent = GetParent();
    if (pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CTavoPTabWnd)))
    {
        CTavoPToolBar* pOwner = DYNAMIC_DOWNCAST(CTavoPToolBar, pParent->GetParent());
        if (pOwner != NULL)
            pOwner->AdjustLayout();
    }
    if (m_bAltCustomization)
        pNew->ClosePopupChain();
    m_iSelected = -1;
    Invalidate();
    return TRUE;
}
