#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"

IMPLEMENT_DYNCREATE(CTavoPPopupMenu, CMiniFrameWnd)

int CTavoPPopupMenu::m_AnimationType = 0;
BOOL CTavoPPopupMenu::m_bMenuShadows = TRUE;
CTavoPPopupMenu* CTavoPPopupMenu::m_pActivePopupMenu = nullptr;

CTavoPPopupMenu::CTavoPPopupMenu()
    : m_pParentBtn(nullptr), m_DropDirection(DROP_NONE), m_bAlwaysShow(FALSE)
{}

CTavoPPopupMenu::~CTavoPPopupMenu()
{
    if (m_pActivePopupMenu == this)
        m_pActivePopupMenu = nullptr;
}

CTavoPPopupMenu* CTavoPPopupMenu::GetParentPopupMenu() const
{
    if (m_pParentBtn == nullptr)
        return nullptr;
    CTavoPPopupMenuBar* pParentBar =
        DYNAMIC_DOWNCAST(CTavoPPopupMenuBar, m_pParentBtn->GetParentWnd());
    if (pParentBar == nullptr)
        return nullptr;
    return DYNAMIC_DOWNCAST(CTavoPPopupMenu,
                            CWnd::FromHandlePermanent(::GetParent(pParentBar->GetSafeHwnd())));
}

int CTavoPPopupMenu::HitTest(CPoint ptScreen) const
{
    CRect rect;
    if (!::IsWindow(m_hWnd))
        return HT_OUTSIDE;
    ::GetWindowRect(m_hWnd, rect);
    return rect.PtInRect(ptScreen) ? HT_INSIDE : HT_OUTSIDE;
}
