// The item bar of a popup menu in customize mode: the customize menu of an item, items made
// from dropped buttons, the drop position between items and its marker.
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include "framework/COleDataObject.h"
#include "res/LibraryIds.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/foundation/CTavoPCommandManager.h"
#include <algorithm>

BOOL CTavoPPopupMenuBar::PrepareCustomizeMenu(CTavoPToolbarButton* pButton, CMenu* pPopup)
{
    if (!CTavoPToolBar::PrepareCustomizeMenu(pButton, pPopup))
        return FALSE;
    if (!IsCustomizeMode())
        return TRUE;
    // An item always shows its text; whether it shows its image is the command's choice.
    pPopup->EnableMenuItem(ID_TAVOP_CUSTOMIZE_IMAGE, MF_BYCOMMAND | MF_GRAYED);
    if (pButton->GetImage() >= 0)
    {
        pPopup->EnableMenuItem(ID_TAVOP_CUSTOMIZE_TEXT, MF_BYCOMMAND | MF_ENABLED);
        pPopup->EnableMenuItem(ID_TAVOP_CUSTOMIZE_IMAGE_AND_TEXT, MF_BYCOMMAND | MF_ENABLED);
    }
    if (GetCommandManager()->IsMenuItemWithoutImage(pButton->m_nID))
    {
        pPopup->CheckMenuItem(ID_TAVOP_CUSTOMIZE_TEXT, MF_BYCOMMAND | MF_CHECKED);
        pPopup->CheckMenuItem(ID_TAVOP_CUSTOMIZE_IMAGE_AND_TEXT, MF_BYCOMMAND | MF_UNCHECKED);
    }
    return TRUE;
}

void CTavoPPopupMenuBar::OnToolbarText()
{
    CTavoPToolbarButton* pButton = GetButton(m_iSelected);
    if (pButton == NULL)
        return;
    GetCommandManager()->EnableMenuItemImage(pButton->m_nID, FALSE);
    AdjustLayout();
}

void CTavoPPopupMenuBar::OnToolbarImageAndText()
{
    CTavoPToolbarButton* pButton = GetButton(m_iSelected);
    if (pButton == NULL)
        return;
    GetCommandManager()->EnableMenuItemImage(pButton->m_nID, TRUE);
    AdjustLayout();
}

CTavoPToolbarButton* CTavoPPopupMenuBar::CreateDroppedButton(COleDataObject* pDataObject)
{
    // A menu item is taken as it was, shortcut text and all.
    CTavoPToolbarButton* pDropped = CTavoPToolbarButton::CreateFromOleData(pDataObject);
    if (pDropped != NULL && pDropped->IsKindOf(RUNTIME_CLASS(CTavoPToolbarMenuButton)))
        return pDropped;
    delete pDropped;

    CTavoPToolbarButton* pButton = CTavoPToolBar::CreateDroppedButton(pDataObject);
    if (pButton == NULL)
        return NULL;
    CTavoPToolbarMenuButton* pItem = new CTavoPToolbarMenuButton(
        pButton->m_nID, NULL, pButton->m_bImage ? pButton->GetImage() : -1, pButton->m_strText,
        pButton->m_bUserButton);
    const BOOL bExported = pButton->ExportToMenuButton(*pItem);
    delete pButton;
    if (!bExported || pItem->m_strText.IsEmpty())
    {
        delete pItem;
        return NULL;
    }
    return pItem;
}

int CTavoPPopupMenuBar::FindDropIndex(const CPoint point, CRect& rectDrag) const
{
    CRect rectClient;
    GetClientRect(rectClient);
    int iIndex = 0;
    int y = rectClient.top;
    int i = 0;
    BOOL bFound = FALSE;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL; i++)
    {
        const CTavoPToolbarButton* pButton = (const CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        if (pButton->IsHidden())
            continue;
        const CRect& rect = pButton->Rect();
        if (!bFound && point.y < rect.top + rect.Height() / 2)
        {
            // Above the middle of this item (or above it altogether): the gap over it.
            iIndex = i;
            y = rect.top;
            bFound = TRUE;
        }
        if (!bFound)
        {
            iIndex = i + 1;
            y = rect.bottom;
        }
    }
    rectDrag = CRect(rectClient.left, y - 3, rectClient.right, y + 3);
    rectDrag.top = std::max(rectDrag.top, rectClient.top);
    rectDrag.bottom = std::min(rectDrag.bottom, rectClient.bottom);
    return iIndex;
}

void CTavoPPopupMenuBar::DrawDragMarker(CDC* pDC)
{
    CPen* pOldPen = pDC->SelectObject(&m_penDrag);
    const CRect& r = m_rectDrag;
    for (int i = 0; i < 2; i++)
    {
        const int y = r.top + r.Height() / 2 + i - 1;
        pDC->MoveTo(r.left, y);
        pDC->LineTo(r.right, y);
        pDC->MoveTo(r.left + i, r.top);
        pDC->LineTo(r.left + i, r.bottom);
        pDC->MoveTo(r.right - i - 1, r.top);
        pDC->LineTo(r.right - i - 1, r.bottom);
    }
    pDC->SelectObject(pOldPen);
}

DROPEFFECT CTavoPPopupMenuBar::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState,
                                          CPoint point)
{
    // A menu cannot be moved into itself.
    CTavoPPopupMenu* pPopup = GetPopup();
    CTavoPToolbarMenuButton* pParent = pPopup != NULL ? pPopup->GetParentButton() : NULL;
    if ((dwKeyState & MK_CONTROL) == 0 && pParent != NULL)
    {
        CTavoPToolBar* pParentBar = DYNAMIC_DOWNCAST(CTavoPToolBar, pParent->GetParentWnd());
        if (pParentBar != NULL && pParentBar->GetDragButton() == pParent)
            return DROPEFFECT_NONE;
    }
    return CTavoPToolBar::OnDragOver(pDataObject, dwKeyState, point);
}
