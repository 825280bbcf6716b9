#include "ui/bars/tabs/CTavoPTabButton.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include "ui/foundation/CTavoPVisualManager.h"

IMPLEMENT_DYNCREATE(CTavoPTabButton, CTavoPButton)

CTavoPTabButton::CTavoPTabButton()
{}

CTavoPTabButton::~CTavoPTabButton()
{}

CTavoPBaseTabWnd* CTavoPTabButton::GetTabWnd() const
{
    return DYNAMIC_DOWNCAST(CTavoPBaseTabWnd, GetParent());
}

void CTavoPTabButton::OnFillBackground(CDC* pDC, const CRect& rectClient)
{
    CTavoPBaseTabWnd* pTabWnd = GetTabWnd();
    if (pTabWnd == nullptr)
    {
        CTavoPButton::OnFillBackground(pDC, rectClient);
        return;
    }
    CTavoPVisualManager::GetInstance()->OnEraseTabsButton(pDC, rectClient, this, pTabWnd);
}

void CTavoPTabButton::OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState)
{
    CTavoPBaseTabWnd* pTabWnd = GetTabWnd();
    if (pTabWnd == nullptr)
    {
        CTavoPButton::OnDrawBorder(pDC, rectClient, uiState);
        return;
    }
    CTavoPVisualManager::GetInstance()->OnDrawTabsButtonBorder(pDC, rectClient, this, uiState,
                                                               pTabWnd);
}
