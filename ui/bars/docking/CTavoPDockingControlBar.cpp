#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPSlider.h"

IMPLEMENT_DYNCREATE(CTavoPDockingControlBar, CTavoPControlBar)

CTavoPDockingControlBar::CTavoPDockingControlBar()
    : m_nCaptionHeight(0), m_bHasCaption(FALSE), m_nPercent(100), m_bAutoHideMode(FALSE),
      m_hDefaultSlider(NULL)
{}

CTavoPDockingControlBar::~CTavoPDockingControlBar() = default;

BOOL CTavoPDockingControlBar::Create(LPCTSTR lpszCaption, CWnd* pParentWnd, const RECT& rect,
                                     BOOL bHasCaption, UINT nID, DWORD dwStyle, DWORD dwTabbedStyle,
                                     DWORD dwTavoStyle, CCreateContext* pContext)
{
    m_bHasCaption = bHasCaption;
    if (!CTavoPControlBar::CreateEx(0, NULL, dwStyle, rect, pParentWnd, nID, dwTavoStyle, pContext))
        return FALSE;
    SetWindowText(lpszCaption != NULL ? lpszCaption : "");
    return TRUE;
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
