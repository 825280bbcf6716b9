// The menu bar's state: every menu it shows (the frame's and each document template's) kept
// apart in the bar-state cache and in the registry, and the way back to the resources' menus.
#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/bars/frames/CTavoPMDIFrameWnd.h"
#include "ui/commandbars/CTavoPBarStateCache.h"
#include "ui/commandbars/menus/CTavoPMenuIdPool.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/controls/customize/CTavoPMenuPage.h"
#include "ui/foundation/BuildRegistryPath.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include <algorithm>

namespace {

// Sent to the owner frame before the frame's menu is rebuilt when it has no resource ID.
const UINT kDefaultMenuWithoutId = 0x0366;

// Whether the bar keeps the items of the menu resources, to merge a changed resource into a
// stored state.
BOOL KeepsResetItems()
{
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    return pWorkspace != NULL &&
           (CTavoPWorkspace::m_bResetItems || pWorkspace->m_bResourceSmartUpdate);
}

} // namespace

CString CTavoPMenuBar::StatePath(LPCTSTR lpszProfileName) const
{
    return BuildRegistryPath(m_lpszProfileSubKey, lpszProfileName);
}

std::vector<CMultiDocTemplate*> CTavoPMenuBar::MenuTemplates() const
{
    return m_bPerTemplateMenus ? SharedMenuTemplates() : std::vector<CMultiDocTemplate*>();
}

std::vector<CMultiDocTemplate*> CTavoPMenuBar::SharedMenuTemplates()
{
    std::vector<CMultiDocTemplate*> templates;
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return templates;
    for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != NULL;)
    {
        CMultiDocTemplate* pTemplate =
            DYNAMIC_DOWNCAST(CMultiDocTemplate, pApp->GetNextDocTemplate(pos));
        if (pTemplate != NULL && pTemplate->m_hMenuShared != NULL)
            templates.push_back(pTemplate);
    }
    return templates;
}

BOOL CTavoPMenuBar::OwnsMenu(HMENU hMenu) const
{
    return std::find(m_builtMenus.begin(), m_builtMenus.end(), hMenu) != m_builtMenus.end();
}

void CTavoPMenuBar::ForgetBuiltMenu(HMENU hMenu)
{
    m_builtMenus.erase(std::remove(m_builtMenus.begin(), m_builtMenus.end(), hMenu),
                       m_builtMenus.end());
}

void CTavoPMenuBar::AdoptMenu(HMENU hMenu)
{
    if (hMenu != NULL && !OwnsMenu(hMenu))
        m_builtMenus.push_back(hMenu);
}

void CTavoPMenuBar::DeselectButtons()
{
    if (m_iSelected < 0)
        return;
    const int iSelected = m_iSelected;
    m_iSelected = -1;
    if (GetSafeHwnd() != NULL)
        InvalidateButton(iSelected);
}

void CTavoPMenuBar::LoadResetItems(UINT uiResId)
{
    while (!m_OrigButtons.IsEmpty())
        delete m_OrigButtons.RemoveHead();
    if (uiResId == 0 || !KeepsResetItems())
        return;
    HMENU hMenu = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(uiResId));
    if (hMenu == NULL)
        return;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        const UINT uiID = ::GetMenuItemID(hMenu, i);
        char szText[257] = "";
        ::GetMenuStringA(hMenu, (UINT)i, szText, 256, MF_BYPOSITION);
        CTavoPToolbarButton* pButton;
        if (uiID == 0)
        {
            pButton = new CTavoPToolbarButton;
            pButton->m_nStyle = TBBS_SEPARATOR;
        }
        else if (uiID == (UINT)-1)
            pButton = new CTavoPToolbarMenuButton(0, ::GetSubMenu(hMenu, i), -1, szText);
        else
            pButton = new CTavoPToolbarButton(uiID, -1, szText);
        m_OrigButtons.AddTail(pButton);
    }
    ::DestroyMenu(hMenu);
}

void CTavoPMenuBar::ShowAgain(BOOL bMaximize)
{
    if (bMaximize)
        RestoreMaximizeMode(FALSE);
    if (GetSafeHwnd() == NULL)
        return;
    AdjustLayout();
    if (m_pParentWnd != NULL && ::IsWindow(m_pParentWnd->GetSafeHwnd()))
        m_pParentWnd->RecalcLayout();
    Invalidate();
}

BOOL CTavoPMenuBar::LoadOriginalItems(CTavoPRegistry& reg)
{
    // Without the resource's items to compare with, a merge would drop every stored button.
    if (m_OrigButtons.IsEmpty())
        return FALSE;
    return CTavoPToolBar::LoadOriginalItems(reg);
}

BOOL CTavoPMenuBar::LoadState(LPCTSTR lpszProfileName, int /*nIndex*/, UINT /*uiSubIndex*/)
{
    const CString strPath = StatePath(lpszProfileName);
    const BOOL bMaximize = m_bMaximizeMode;
    SetMaximizeMode(FALSE, NULL, FALSE);
    CWnd* pOwner = OwnerFrame();
    // Rebuilding a menu makes it the bar's for a while; the bar goes back to the menu it shows.
    const HMENU hShown = m_hMenu;

    // Reads one menu's stored buttons; a state that cannot be read gives the menu's own items,
    // announced to the owner frame.
    auto loadMenu = [&](HMENU hMenu, UINT uiResId, const std::vector<int>& ids, BOOL bDefault) {
        LoadResetItems(uiResId);
        BOOL bLoaded = FALSE;
        m_bLoadingState = TRUE;
        for (int nID : ids)
        {
            if (CTavoPToolBar::LoadState(strPath, nID, (UINT)-1))
            {
                bLoaded = TRUE;
                break;
            }
        }
        m_bLoadingState = FALSE;
        if (bLoaded)
        {
            GetBarStateCache().Save(CTavoPBarStateCache::MenuKey(hMenu), this);
            return;
        }
        if (pOwner == NULL)
            return;
        if (bDefault && uiResId == 0)
            pOwner->SendMessage(kDefaultMenuWithoutId, 0, 0);
        CreateFromMenu(hMenu, bDefault, TRUE);
        pOwner->SendMessage(WM_TAVOTOOLBAR_RESETMENU, uiResId);
        GetBarStateCache().Save(CTavoPBarStateCache::MenuKey(hMenu), this);
    };

    for (CMultiDocTemplate* pTemplate : MenuTemplates())
        loadMenu(pTemplate->m_hMenuShared, pTemplate->m_nIDResource,
                 {(int)pTemplate->m_nIDResource}, FALSE);

    if (m_hDefaultMenu != NULL)
    {
        // The frame's menu is saved under 0; states of other versions kept it under its
        // resource ID.
        std::vector<int> ids = {0};
        if (m_uiDefMenuResId != 0)
            ids.push_back((int)m_uiDefMenuResId);
        loadMenu(m_hDefaultMenu, m_uiDefMenuResId, ids, TRUE);
    }

    if (hShown != NULL)
        m_hMenu = hShown;
    if (m_hMenu != NULL && GetBarStateCache().Load(CTavoPBarStateCache::MenuKey(m_hMenu), this))
    {
        if (bMaximize)
            RestoreMaximizeMode(FALSE);
        if (m_pParentWnd != NULL && ::IsWindow(m_pParentWnd->GetSafeHwnd()))
            m_pParentWnd->RecalcLayout();
        if (GetSafeHwnd() != NULL)
            Invalidate();
    }
    if (GetSafeHwnd() != NULL)
        AdjustLayout();
    return TRUE;
}

BOOL CTavoPMenuBar::SaveState(LPCTSTR lpszProfileName, int /*nIndex*/, UINT /*uiSubIndex*/)
{
    const CString strPath = StatePath(lpszProfileName);
    if (m_hMenu != NULL)
        GetBarStateCache().Save(CTavoPBarStateCache::MenuKey(m_hMenu), this);
    const BOOL bMaximize = m_bMaximizeMode;
    SetMaximizeMode(FALSE, NULL, FALSE);

    for (CMultiDocTemplate* pTemplate : MenuTemplates())
    {
        if (!GetBarStateCache().Load(CTavoPBarStateCache::MenuKey(pTemplate->m_hMenuShared), this))
            continue;
        LoadResetItems(pTemplate->m_nIDResource);
        CTavoPToolBar::SaveState(strPath, (int)pTemplate->m_nIDResource, (UINT)-1);
    }
    if (m_hDefaultMenu != NULL &&
        GetBarStateCache().Load(CTavoPBarStateCache::MenuKey(m_hDefaultMenu), this))
    {
        LoadResetItems(m_uiDefMenuResId);
        CTavoPToolBar::SaveState(strPath, 0, (UINT)-1);
    }

    if (m_hMenu != NULL)
        GetBarStateCache().Load(CTavoPBarStateCache::MenuKey(m_hMenu), this);
    ShowAgain(bMaximize);
    return TRUE;
}

void CTavoPMenuBar::UpdateMDIChildrenMenu(CMultiDocTemplate* pTemplate)
{
    if (pTemplate == NULL)
        return;
    for (POSITION pos = pTemplate->GetFirstDocPosition(); pos != NULL;)
    {
        CDocument* pDoc = pTemplate->GetNextDoc(pos);
        if (pDoc == NULL)
            continue;
        for (POSITION posView = pDoc->GetFirstViewPosition(); posView != NULL;)
        {
            CView* pView = pDoc->GetNextView(posView);
            CMDIChildWnd* pChild =
                pView != NULL ? DYNAMIC_DOWNCAST(CMDIChildWnd, pView->GetParentFrame()) : NULL;
            if (pChild != NULL)
                pChild->SetHandles(pTemplate->m_hMenuShared, pTemplate->m_hAccelTable);
        }
    }
}

BOOL CTavoPMenuBar::RestoreOriginalState()
{
    if (m_bLoadingState)
        return FALSE;
    if (m_hMenu != NULL)
        GetBarStateCache().Save(CTavoPBarStateCache::MenuKey(m_hMenu), this);
    if (CTavoPWorkspace* pWorkspace = GetWorkspace())
    {
        if (pWorkspace->m_pTearOffManager != NULL)
            pWorkspace->m_pTearOffManager->ReleaseIds();
    }
    const BOOL bMaximize = m_bMaximizeMode;
    SetMaximizeMode(FALSE, NULL, FALSE);
    HMENU hShown = m_hMenu;
    CMDIChildWnd* pActiveChild = GetActiveMDIChild();
    // The template whose menu an open menu page shows, null for the frame's menu.
    CMultiDocTemplate* pShownTemplate = NULL;
    for (CMultiDocTemplate* pTemplate : MenuTemplates())
    {
        if (pTemplate->m_hMenuShared == hShown)
            pShownTemplate = pTemplate;
    }

    for (CMultiDocTemplate* pTemplate : MenuTemplates())
    {
        HMENU hNew = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(pTemplate->m_nIDResource));
        if (hNew == NULL)
            continue;
        HMENU hOld = pTemplate->m_hMenuShared;
        CreateFromMenu(hNew, FALSE, TRUE);
        GetBarStateCache().Save(CTavoPBarStateCache::MenuKey(hNew), this);
        GetBarStateCache().Remove(CTavoPBarStateCache::MenuKey(hOld));
        // The template owns its shared menu: it takes the new one, and every document window
        // of it follows.
        pTemplate->m_hMenuShared = hNew;
        if (hShown == hOld)
            hShown = hNew;
        ForgetBuiltMenu(hOld);
        ::DestroyMenu(hOld);
        UpdateMDIChildrenMenu(pTemplate);
    }

    if (m_uiDefMenuResId != 0)
    {
        HMENU hNew = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(m_uiDefMenuResId));
        if (hNew != NULL)
        {
            HMENU hOld = m_hDefaultMenu;
            CreateFromMenu(hNew, TRUE, TRUE);
            GetBarStateCache().Save(CTavoPBarStateCache::MenuKey(hNew), this);
            if (hOld != NULL)
                GetBarStateCache().Remove(CTavoPBarStateCache::MenuKey(hOld));
            if (hShown == hOld)
                hShown = hNew;

            // The frame keeps owning its menu; a menu nobody else holds stays this bar's.
            BOOL bFrameOwns = FALSE;
            if (m_pParentWnd != NULL && m_pParentWnd->m_hMenuDefault == hOld && hOld != NULL)
            {
                m_pParentWnd->m_hMenuDefault = hNew;
                bFrameOwns = TRUE;
            }
            if (CTavoPFrameWnd* pFrame = DYNAMIC_DOWNCAST(CTavoPFrameWnd, m_pParentWnd))
                pFrame->GetFrameImpl()->SetDefaultMenu(hNew);
            else if (CTavoPMDIFrameWnd* pMDIFrame =
                         DYNAMIC_DOWNCAST(CTavoPMDIFrameWnd, m_pParentWnd))
                pMDIFrame->GetFrameImpl()->SetDefaultMenu(hNew);
            if (!bFrameOwns)
                m_builtMenus.push_back(hNew);
            if (hOld != NULL && (bFrameOwns || OwnsMenu(hOld)))
            {
                ForgetBuiltMenu(hOld);
                ::DestroyMenu(hOld);
            }
        }
    }

    // Back to the menu shown before: the active document's, else the frame's.
    if (pActiveChild != NULL && pActiveChild->m_hMenuShared != NULL)
        hShown = pActiveChild->m_hMenuShared;
    if (!::IsMenu(hShown))
        hShown = m_hDefaultMenu;
    if (hShown != NULL)
    {
        m_hMenu = hShown;
        if (!GetBarStateCache().Load(CTavoPBarStateCache::MenuKey(hShown), this))
            BuildButtons(hShown);
    }
    ShowAgain(bMaximize);

    // The page's menus were replaced: it shows its entry's new menu.
    if (m_pMenuPage != NULL && !m_pMenuPage->SelectTemplateEntry(pShownTemplate, FALSE))
        m_pMenuPage->SelectTemplateEntry(NULL, FALSE);
    return TRUE;
}
