#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"

IMPLEMENT_DYNCREATE(CTavoPMenuBar, CTavoPToolBar)

CTavoPMenuBar::CTavoPMenuBar() : m_hMenu(NULL), m_hDefaultMenu(NULL), m_uiDefMenuResId(0)
{}

CTavoPMenuBar::~CTavoPMenuBar()
{}

BOOL CTavoPMenuBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    if (!CTavoPToolBar::Create(pParentWnd, dwStyle, nID))
        return FALSE;
    if (CTavoPFrameWnd* pFrame = DYNAMIC_DOWNCAST(CTavoPFrameWnd, pParentWnd))
        pFrame->GetFrameImpl()->SetMenuBar(this);
    return TRUE;
}

void CTavoPMenuBar::CreateFromMenu(HMENU hMenu, BOOL bDefaultMenu, BOOL /*bForceUpdate*/)
{
    m_hMenu = hMenu;
    if (bDefaultMenu)
        m_hDefaultMenu = hMenu;
}
