#include "ui/controls/customize/CTavoPCommandsListBox.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/commandbars/CTavoPToolbarDropSource.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include "framework/COleDataSource.h"
#include "res/LibraryIds.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CTavoPCommandsListBox, CListBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPCommandsListBox, CListBox)

CTavoPCommandsListBox::CTavoPCommandsListBox() : m_iItemWidth(0), m_iItemHeight(0)
{}

CTavoPCommandsListBox::~CTavoPCommandsListBox() = default;

void CTavoPCommandsListBox::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    const CSize sizeImage = CTavoPToolBar::GetImages()->GetImageSize();
    m_iItemWidth = sizeImage.cx + 6;
    m_iItemHeight = sizeImage.cy + 6;
}

void CTavoPCommandsListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    lpMIS->itemHeight = std::max<UINT>(lpMIS->itemHeight, (UINT)m_iItemHeight);
}

void CTavoPCommandsListBox::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    const int nIndex = (int)lpDIS->itemID;
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)GetItemDataPtr(nIndex);
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const CRect rect(lpDIS->rcItem);
    if (pButton != nullptr && pButton != (void*)(INT_PTR)LB_ERR)
    {
        // The button draws under the row's name, which may be its second text.
        const CString strSaved = pButton->m_strText;
        GetText(nIndex, pButton->m_strText);
        CTavoPVisualManager::GetInstance()->OnFillCommandsListBackground(pDC, rect, FALSE);
        pButton->DrawInCommandList(pDC, rect, (lpDIS->itemState & ODS_SELECTED) != 0);
        pButton->m_strText = strSaved;
    }
    if (lpDIS->itemState & ODS_FOCUS)
    {
        CRect rectFocus = rect;
        rectFocus.DeflateRect(0, 1);
        rectFocus.right--;
        rectFocus.bottom--;
        const HDC hdc = pDC->GetSafeHdc();
        ::PatBlt(hdc, rectFocus.left, rectFocus.top, rectFocus.Width(), 1, PATINVERT);
        ::PatBlt(hdc, rectFocus.left, rectFocus.bottom, rectFocus.Width(), 1, PATINVERT);
        ::PatBlt(hdc, rectFocus.left, rectFocus.top + 1, 1, rectFocus.Height() - 1, PATINVERT);
        ::PatBlt(hdc, rectFocus.right, rectFocus.top + 1, 1, rectFocus.Height() - 1, PATINVERT);
    }
}

BOOL CTavoPCommandsListBox::OnEraseBkgnd(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    CTavoPVisualManager::GetInstance()->OnFillCommandsListBackground(pDC, rectClient, FALSE);
    return TRUE;
}

void CTavoPCommandsListBox::OnLButtonDown(UINT, CPoint point)
{
    Default(); // selects the row
    const int nIndex = GetCurSel();
    CRect rectRow;
    if (nIndex < 0 || GetItemRect(nIndex, rectRow) == LB_ERR || !rectRow.PtInRect(point))
        return;
    CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)GetItemDataPtr(nIndex);
    if (pButton == nullptr)
        return;
    SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y)); // ends the list's capture

    COleDataSource source;
    pButton->m_bDragFromCollection = TRUE;
    pButton->PrepareDrag(source);
    pButton->m_bDragFromCollection = FALSE;

    ::SetCursor(::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_TAVOP_DRAG_DELETE)));
    ClientToScreen(rectRow);
    source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, rectRow, &GetToolbarDropSource());
}
