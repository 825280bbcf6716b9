#include "ui/commandbars/CTavoPShowAllButton.h"
#include "res/LibraryIds.h"
#include "ui/commandbars/managers/CTavoPAcceleratorText.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "ui/foundation/CTavoPVisualManager.h"

IMPLEMENT_DYNCREATE(CTavoPShowAllButton, CTavoPToolbarMenuButton)

CTavoPShowAllButton::CTavoPShowAllButton()
{}

CTavoPShowAllButton::~CTavoPShowAllButton()
{}

SIZE CTavoPShowAllButton::OnCalculateSize(CDC* /*pDC*/, const CSize& /*sizeDefault*/,
                                          BOOL /*bHorz*/)
{
    return CSize(50, CTavoPMenuGlyphImages::Size().cy + 6);
}

void CTavoPShowAllButton::OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* /*pImages*/,
                                 BOOL /*bHorz*/, BOOL /*bCustomizeMode*/, BOOL bHighlight,
                                 BOOL /*bDrawBorder*/, BOOL /*bGrayDisabledButtons*/)
{
    CRect rectButton = rect;
    rectButton.DeflateRect(0, 1);

    CTavoPVisualManager* pVisManager = CTavoPVisualManager::GetInstance();
    // The show-all button looks the same in customize mode as outside it.
    pVisManager->OnFillButtonInterior(pDC, this, rectButton, GetFillState(FALSE, bHighlight));

    CTavoPMenuGlyphImages::Draw(pDC, CTavoPMenuGlyphImages::IdArowShowAll, rectButton,
                                CTavoPMenuGlyphImages::ImageBlack);

    if (m_nStyle & (TBBS_CHECKED | TBBS_PRESSED))
        pVisManager->OnDrawButtonBorder(pDC, this, rectButton, TAVOP_BUTTON_PRESSED);
    else if (bHighlight)
        pVisManager->OnDrawButtonBorder(pDC, this, rectButton, TAVOP_BUTTON_HIGHLIGHTED);
}

BOOL CTavoPShowAllButton::OnClick(CWnd* /*pWnd*/, BOOL bDelay)
{
    CTavoPPopupMenuBar* pBar = DYNAMIC_DOWNCAST(CTavoPPopupMenuBar, m_pWndParent);
    if (pBar == NULL)
        return FALSE;
    if (bDelay)
    {
        if (CTavoPToolBar::m_bShowAllMenusDelay)
            pBar->ScheduleOpenSubMenu(this, 2);
        return TRUE;
    }
    // Expanding rebuilds the items, this one among them: nothing here is touched afterwards.
    CTavoPPopupMenu* pPopup = pBar->GetPopup();
    if (pPopup != NULL)
        pPopup->ShowAllCommands();
    return TRUE;
}

BOOL CTavoPShowAllButton::OpenPopupMenu(CWnd* pWnd)
{
    return OnClick(pWnd, FALSE);
}

int CTavoPShowAllButton::OnToolHitTest(const CWnd* /*pWnd*/, TOOLINFO* pTI)
{
    if (pTI == NULL)
        return TRUE;
    CString strText;
    {
        CTavoPResourceScope scope;
        ACCEL accel = {FVIRTKEY | FCONTROL, VK_DOWN, 0};
        CString strKeys;
        CTavoPAcceleratorText(&accel).Format(strKeys);
        CString strFormat;
        if (strFormat.LoadString(IDS_TAVOP_EXPAND_MENU))
            strText.Format(strFormat, (LPCTSTR)strKeys);
    }
    pTI->lpszText = _tcsdup(strText);
    pTI->uId = 0;
    return TRUE;
}
