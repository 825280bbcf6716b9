#include "ui/foundation/CTavoPToolbarSettings.h"
#include "ui/foundation/CTavoPGlobalData.h"

#include <algorithm>

BOOL CTavoPToolbarSettings::m_bCustomizeMode = FALSE;
CSize CTavoPToolbarSettings::m_sizeMenuImage(16, 15);
COLORREF CTavoPToolbarSettings::m_clrTextHot = (COLORREF)-1;
BOOL CTavoPToolbarSettings::m_bMenuShadows = TRUE;
std::vector<CTavoPToolBarFace*> CTavoPToolbarSettings::m_lstToolbars;
BOOL (*CTavoPToolbarSettings::m_pfnLoadParameters)(LPCTSTR) = NULL;
BOOL (*CTavoPToolbarSettings::m_pfnSaveParameters)(LPCTSTR) = NULL;
BOOL (*CTavoPToolbarSettings::m_pfnLoadRebarState)(LPCTSTR, HWND) = NULL;
BOOL (*CTavoPToolbarSettings::m_pfnSaveRebarState)(LPCTSTR, HWND) = NULL;
void (*CTavoPToolbarSettings::m_pfnSaveUserImages)() = NULL;

void CTavoPToolbarSettings::AddToolbar(CTavoPToolBarFace* pToolBar)
{
    if (std::find(m_lstToolbars.begin(), m_lstToolbars.end(), pToolBar) == m_lstToolbars.end())
        m_lstToolbars.push_back(pToolBar);
}

void CTavoPToolbarSettings::RemoveToolbar(CTavoPToolBarFace* pToolBar)
{
    m_lstToolbars.erase(std::remove(m_lstToolbars.begin(), m_lstToolbars.end(), pToolBar),
                        m_lstToolbars.end());
}

COLORREF CTavoPToolbarSettings::GetHotTextColor()
{
    return m_clrTextHot == (COLORREF)-1 ? GetGlobalData().clrBtnText : m_clrTextHot;
}
