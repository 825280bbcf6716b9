#include "ui/controls/customize/CTavoPMenuPage.h"
#include "framework/CStringList.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/bars/frames/CTavoPMDIFrameWnd.h"
#include "ui/commandbars/CTavoPBarStateCache.h"
#include "ui/commandbars/managers/CTavoPContextMenuManager.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/controls/customize/CTavoPToolbarCustomize.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include "ui/foundation/WorkArea.h"
#include "res/LibraryIds.h"
#include <algorithm>
#include <vector>

BEGIN_MESSAGE_MAP(CTavoPMenuPage, CPropertyPage)
    ON_CBN_SELCHANGE(IDC_TAVOP_MENUS_FOR, OnSelchangeMenuList)
    ON_BN_CLICKED(IDC_TAVOP_RESET_FRAME_MENU, OnResetFrameMenu)
    ON_CBN_SELCHANGE(IDC_TAVOP_CONTEXT_MENUS, OnSelchangeContextMenuList)
    ON_BN_CLICKED(IDC_TAVOP_RESET_CONTEXT_MENU, OnResetContextMenu)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPMenuPage, CPropertyPage)

CPoint CTavoPMenuPage::m_ptMenuLastPos(100, 100);

namespace {

CTavoPContextMenuManager* ContextMenuManager()
{
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    return pWorkspace != nullptr ? pWorkspace->m_pContextMenuManager : nullptr;
}

CString LibraryString(UINT nID)
{
    CTavoPResourceScope scope;
    CString str;
    str.LoadString(nID);
    return str;
}

} // namespace

CTavoPMenuPage::CTavoPMenuPage(CFrameWnd* pParentFrame, BOOL bAutoSet)
    : CPropertyPage(IDD_TAVOP_MENU_PAGE), m_iMenuAnimationType(CTavoPPopupMenu::m_AnimationType),
      m_bMenuShadows(CTavoPPopupMenu::m_bMenuShadows), m_pMenuBar(nullptr), m_hwndMenuBar(nullptr),
      m_hmenuCurr(nullptr), m_hmenuSelected(nullptr), m_pContextMenu(nullptr),
      m_uiContextMenuResId(0), m_bIsDefaultMDIMenu(FALSE), m_bAutoSet(bAutoSet),
      m_pParentFrame(pParentFrame)
{}

CTavoPMenuPage::~CTavoPMenuPage()
{
    // A popup that outlives the page window must not report back to a page that is gone.
    CTavoPPopupMenu* pPopup = m_pContextMenu;
    m_pContextMenu = nullptr;
    if (pPopup != nullptr && ::IsWindow(pPopup->GetSafeHwnd()))
        pPopup->SendMessage(WM_CLOSE);
}

void CTavoPMenuPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TAVOP_MENU_ANIMATION_LABEL, m_wndMenuAnimationsLabel);
    DDX_Control(pDX, IDC_TAVOP_MENU_ANIMATION, m_wndMenuAnimations);
    DDX_Control(pDX, IDC_TAVOP_MENU_SHADOWS, m_wndMenuShadows);
    DDX_Control(pDX, IDC_TAVOP_CONTEXT_MENU_GROUP, m_wndContextFrame);
    DDX_Control(pDX, IDC_TAVOP_CONTEXT_MENU_HINT, m_wndContextHint);
    DDX_Control(pDX, IDC_TAVOP_RESET_CONTEXT_MENU, m_wndResetMenuButton);
    DDX_Control(pDX, IDC_TAVOP_CONTEXT_MENU_LABEL, m_wndContextMenuCaption);
    DDX_Control(pDX, IDC_TAVOP_CONTEXT_MENUS, m_wndContextMenus);
    DDX_Control(pDX, IDC_TAVOP_MENU_ICON, m_wndIcon);
    DDX_Control(pDX, IDC_TAVOP_MENUS_FOR, m_wndMenuesList);
    DDX_Text(pDX, IDC_TAVOP_MENU_DESCRIPTION, m_strMenuDescr);
    DDX_CBString(pDX, IDC_TAVOP_CONTEXT_MENUS, m_strContextMenuName);
    DDX_CBString(pDX, IDC_TAVOP_MENUS_FOR, m_strMenuName);
    DDX_CBIndex(pDX, IDC_TAVOP_MENU_ANIMATION, m_iMenuAnimationType);
    DDX_Check(pDX, IDC_TAVOP_MENU_SHADOWS, m_bMenuShadows);
}

BOOL CTavoPMenuPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    FillAnimationKinds();

    const CObList& bars = CTavoPToolBar::GetAllToolbars();
    for (POSITION pos = bars.GetHeadPosition(); pos != nullptr && m_pMenuBar == nullptr;)
    {
        CTavoPToolBar* pBar = (CTavoPToolBar*)bars.GetNext(pos);
        if (pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd()) &&
            pBar->IsKindOf(RUNTIME_CLASS(CTavoPMenuBar)))
        {
            m_pMenuBar = static_cast<CTavoPMenuBar*>(pBar);
            m_hwndMenuBar = pBar->GetSafeHwnd();
        }
    }

    if (m_pMenuBar != nullptr)
    {
        m_pMenuBar->SetMenuPage(this);
        m_hmenuCurr = m_pMenuBar->GetDefaultMenu();
        m_pMenuBar->DeselectButtons();
        // The bar may show a document's menu now: its buttons are cached as that menu's when
        // the entry chosen below is shown, so that the frame's menu does not take them over.
        m_hmenuSelected = m_pMenuBar->GetMenu();

        int iNoted = -1;
        if (m_bAutoSet)
        {
            for (CMultiDocTemplate* pTemplate : CTavoPMenuBar::SharedMenuTemplates())
            {
                // Templates of one resource share its menu: one entry for them.
                BOOL bListed = FALSE;
                for (int i = 0; i < m_wndMenuesList.GetCount() && !bListed; i++)
                {
                    auto* pListed =
                        reinterpret_cast<CMultiDocTemplate*>(m_wndMenuesList.GetItemDataPtr(i));
                    bListed =
                        pListed != nullptr && pListed->m_nIDResource == pTemplate->m_nIDResource;
                }
                if (bListed)
                    continue;
                CString strName;
                pTemplate->GetDocString(strName, CDocTemplate::fileNewName);
                const int iIndex = m_wndMenuesList.AddString(strName);
                m_wndMenuesList.SetItemDataPtr(iIndex, pTemplate);
                if (pTemplate->m_hMenuShared == m_hmenuCurr)
                    iNoted = iIndex;
            }
        }
        const int iDefault = m_wndMenuesList.AddString(LibraryString(IDS_TAVOP_DEFAULT_MENU));
        m_wndMenuesList.SetItemDataPtr(iDefault, nullptr);
        if (iNoted < 0)
        {
            iNoted = iDefault;
            m_bIsDefaultMDIMenu = TRUE;
        }
        m_wndMenuesList.SetCurSel(iNoted);
        Refresh();
        OnSelchangeMenuList();
    }
    else
    {
        m_wndMenuesList.EnableWindow(FALSE);
        GetDlgItem(IDC_TAVOP_RESET_FRAME_MENU)->EnableWindow(FALSE);
        m_strMenuDescr = LibraryString(IDS_TAVOP_CANT_CUSTOMIZE_MENUS);
    }

    m_wndContextMenus.AddString(LibraryString(IDS_TAVOP_NO_CONTEXT_MENU));
    m_wndContextMenus.SetCurSel(0);
    if (CTavoPContextMenuManager* pManager = ContextMenuManager())
    {
        CStringList listOfNames;
        pManager->GetMenuNames(listOfNames);
        // The manager keeps its names in no particular order.
        std::vector<CString> names;
        for (POSITION pos = listOfNames.GetHeadPosition(); pos != nullptr;)
            names.push_back(listOfNames.GetNext(pos));
        std::sort(names.begin(), names.end(),
                  [](const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; });
        for (const CString& strName : names)
            m_wndContextMenus.AddString(strName);
        const BOOL bAny = m_wndContextMenus.GetCount() > 1;
        m_wndContextMenuCaption.EnableWindow(bAny);
        m_wndContextMenus.EnableWindow(bAny);
    }
    else
    {
        m_wndContextMenuCaption.ShowWindow(SW_HIDE);
        m_wndContextMenus.ShowWindow(SW_HIDE);
        m_wndContextHint.ShowWindow(SW_HIDE);
        m_wndContextFrame.ShowWindow(SW_HIDE);
        m_wndResetMenuButton.ShowWindow(SW_HIDE);
    }
    m_wndResetMenuButton.EnableWindow(FALSE);

    const UINT uiFlags = SheetFlags();
    if ((uiFlags & TAVOCUSTOMIZE_MENU_SHADOWS) == 0)
        m_wndMenuShadows.ShowWindow(SW_HIDE);
    if ((uiFlags & TAVOCUSTOMIZE_MENU_ANIMATIONS) == 0)
    {
        m_wndMenuAnimationsLabel.ShowWindow(SW_HIDE);
        m_wndMenuAnimations.ShowWindow(SW_HIDE);
    }
    Refresh();
    return TRUE;
}

void CTavoPMenuPage::FillAnimationKinds()
{
    // In the order of the popup menus' animation kinds: the index is the kind.
    const UINT kinds[] = {IDS_TAVOP_ANIMATION_NONE, IDS_TAVOP_ANIMATION_UNFOLD,
                          IDS_TAVOP_ANIMATION_SLIDE, IDS_TAVOP_ANIMATION_FADE};
    m_wndMenuAnimations.ResetContent();
    for (UINT uiKind : kinds)
        m_wndMenuAnimations.AddString(LibraryString(uiKind));
}

CTavoPMenuBar* CTavoPMenuPage::MenuBar() const
{
    // The bar may have gone with its frame while the page stayed open.
    if (m_pMenuBar == nullptr || !::IsWindow(m_hwndMenuBar) ||
        CWnd::FromHandlePermanent(m_hwndMenuBar) != m_pMenuBar)
        return nullptr;
    return m_pMenuBar;
}

UINT CTavoPMenuPage::SheetFlags() const
{
    CWnd* pParent = GetParent();
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CTavoPToolbarCustomize)))
        return (UINT)-1;
    return static_cast<CTavoPToolbarCustomize*>(pParent)->GetFlags();
}

void CTavoPMenuPage::Refresh()
{
    const int iMenu = m_wndMenuesList.GetCurSel();
    const int iContextMenu = m_wndContextMenus.GetCurSel();
    UpdateData(FALSE);
    m_wndMenuesList.SetCurSel(iMenu);
    m_wndContextMenus.SetCurSel(iContextMenu);
}

// ---- the frame menus ----

void CTavoPMenuPage::OnSelchangeMenuList()
{
    UpdateData();
    CTavoPMenuBar* pMenuBar = MenuBar();
    if (pMenuBar == nullptr)
        return;

    // Only the buttons of the menu shown are that menu's.
    if (m_hmenuSelected != nullptr && pMenuBar->GetMenu() == m_hmenuSelected)
    {
        pMenuBar->DeselectButtons();
        GetBarStateCache().Save(CTavoPBarStateCache::MenuKey(m_hmenuSelected), pMenuBar);
    }

    const int iIndex = m_wndMenuesList.GetCurSel();
    if (iIndex < 0)
    {
        m_strMenuDescr.Empty();
        m_wndIcon.SetIcon(nullptr);
        m_hmenuSelected = nullptr;
        Refresh();
        return;
    }

    auto* pTemplate = reinterpret_cast<CMultiDocTemplate*>(m_wndMenuesList.GetItemDataPtr(iIndex));
    HICON hIcon = nullptr;
    HMENU hMenu = nullptr;
    if (pTemplate != nullptr)
    {
        pTemplate->GetDocString(m_strMenuDescr, CDocTemplate::regFileTypeName);
        hIcon = ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(pTemplate->m_nIDResource));
        hMenu = pTemplate->m_hMenuShared;
    }
    else
    {
        m_strMenuDescr = LibraryString(IDS_TAVOP_DEFAULT_MENU_DESCRIPTION);
        CWnd* pMainWnd = AfxGetMainWnd();
        if (pMainWnd != nullptr && ::IsWindow(pMainWnd->GetSafeHwnd()))
            hIcon = (HICON)::GetClassLongPtr(pMainWnd->GetSafeHwnd(), GCLP_HICON);
        hMenu = m_hmenuCurr;
    }
    if (hIcon == nullptr)
        hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);

    pMenuBar->CreateFromMenu(hMenu, FALSE, FALSE);
    m_wndIcon.SetIcon(hIcon);
    m_hmenuSelected = hMenu;
    Refresh();
}

BOOL CTavoPMenuPage::SelectTemplateEntry(CMultiDocTemplate* pTemplate, BOOL bKeepShown)
{
    if (GetSafeHwnd() == nullptr)
        return FALSE;
    int iFound = -1;
    for (int i = 0; i < m_wndMenuesList.GetCount() && iFound < 0; i++)
    {
        if (m_wndMenuesList.GetItemDataPtr(i) == pTemplate)
            iFound = i;
    }
    if (iFound < 0)
        return FALSE;

    if (!bKeepShown)
        m_hmenuSelected = nullptr;
    if (CTavoPMenuBar* pMenuBar = MenuBar())
        m_hmenuCurr = pMenuBar->GetDefaultMenu();
    m_wndMenuesList.SetCurSel(iFound);
    OnSelchangeMenuList();
    return TRUE;
}

void CTavoPMenuPage::CollectFrames(CFrameWnd* pFrames[3]) const
{
    CWnd* pMainWnd = AfxGetMainWnd();
    CTavoPMenuBar* pMenuBar = MenuBar();
    pFrames[0] = m_pParentFrame;
    pFrames[1] = pMenuBar != nullptr ? pMenuBar->GetTopLevelFrame() : nullptr;
    pFrames[2] = DYNAMIC_DOWNCAST(CFrameWnd, pMainWnd);
    for (int i = 0; i < 3; i++)
    {
        if (pFrames[i] != nullptr && !::IsWindow(pFrames[i]->GetSafeHwnd()))
            pFrames[i] = nullptr;
    }
}

BOOL CTavoPMenuPage::IsMenuInUse(HMENU hMenu) const
{
    if (hMenu == nullptr)
        return FALSE;
    if (CTavoPMenuBar* pMenuBar = MenuBar())
    {
        if (pMenuBar->GetMenu() == hMenu || pMenuBar->GetDefaultMenu() == hMenu)
            return TRUE;
    }
    for (CMultiDocTemplate* pTemplate : CTavoPMenuBar::SharedMenuTemplates())
    {
        if (pTemplate->m_hMenuShared == hMenu)
            return TRUE;
    }

    CFrameWnd* pFrames[3];
    CollectFrames(pFrames);
    for (CFrameWnd* pFrame : pFrames)
    {
        if (pFrame == nullptr)
            continue;
        if (pFrame->m_hMenuDefault == hMenu || ::GetMenu(pFrame->GetSafeHwnd()) == hMenu)
            return TRUE;
        CTavoPFrameImpl* pImpl = CTavoPFrameImpl::FromFrame(pFrame);
        if (pImpl != nullptr && pImpl->GetDefaultMenu() == hMenu)
            return TRUE;
        // A document window may have been given the menu by the application itself.
        CMDIFrameWnd* pMDIFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, pFrame);
        HWND hwndClient = pMDIFrame != nullptr ? pMDIFrame->m_hWndMDIClient : nullptr;
        for (HWND hwndChild = hwndClient != nullptr ? ::GetWindow(hwndClient, GW_CHILD) : nullptr;
             hwndChild != nullptr; hwndChild = ::GetWindow(hwndChild, GW_HWNDNEXT))
        {
            CMDIChildWnd* pChild =
                DYNAMIC_DOWNCAST(CMDIChildWnd, CWnd::FromHandlePermanent(hwndChild));
            if (pChild != nullptr && pChild->m_hMenuShared == hMenu)
                return TRUE;
        }
    }
    return FALSE;
}

BOOL CTavoPMenuPage::HandOverDefaultMenu(HMENU hOld, HMENU hNew) const
{
    CFrameWnd* pFrames[3];
    CollectFrames(pFrames);
    BOOL bFrameOwns = FALSE;
    for (CFrameWnd* pFrame : pFrames)
    {
        if (pFrame == nullptr)
            continue;
        if (hOld != nullptr && pFrame->m_hMenuDefault == hOld)
        {
            pFrame->m_hMenuDefault = hNew;
            bFrameOwns = TRUE;
        }
        CTavoPFrameImpl* pImpl = CTavoPFrameImpl::FromFrame(pFrame);
        if (pImpl != nullptr && (pFrame == m_pParentFrame || pImpl->GetDefaultMenu() == hOld))
            pImpl->SetDefaultMenu(hNew);
    }
    return bFrameOwns;
}

void CTavoPMenuPage::OnResetFrameMenu()
{
    UpdateData();
    CTavoPMenuBar* pMenuBar = MenuBar();
    const int iIndex = m_wndMenuesList.GetCurSel();
    if (pMenuBar == nullptr || iIndex < 0)
        return;

    CString strPrompt;
    {
        CTavoPResourceScope scope;
        strPrompt.Format(IDS_TAVOP_RESET_MENU, (LPCTSTR)m_strMenuName);
    }
    if (AfxMessageBox(strPrompt, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;

    auto* pTemplate = reinterpret_cast<CMultiDocTemplate*>(m_wndMenuesList.GetItemDataPtr(iIndex));
    const UINT uiResId =
        pTemplate != nullptr ? pTemplate->m_nIDResource : pMenuBar->GetDefaultMenuResId();
    // A menu that cannot be loaded again leaves everything as it is.
    HMENU hNew =
        uiResId != 0 ? ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(uiResId)) : nullptr;
    if (hNew == nullptr)
    {
        AfxMessageBeep((UINT)-1);
        return;
    }

    HMENU hOld = nullptr;
    if (pTemplate != nullptr)
    {
        hOld = pTemplate->m_hMenuShared;
        pTemplate->m_hMenuShared = hNew;
        pMenuBar->CreateFromMenu(hNew, hOld == pMenuBar->GetDefaultMenu(), TRUE);
        CTavoPMenuBar::UpdateMDIChildrenMenu(pTemplate);
        if (m_pParentFrame != nullptr &&
            m_pParentFrame->SendMessage(CTavoPToolBar::WM_TAVOTOOLBAR_RESETMENU, uiResId) != 0)
            pMenuBar->AdjustLayout();
        GetBarStateCache().Save(CTavoPBarStateCache::MenuKey(hNew), pMenuBar);
        if (hOld == m_hmenuCurr)
            m_hmenuCurr = hNew;
    }
    else
    {
        hOld = pMenuBar->GetDefaultMenu();
        pMenuBar->CreateFromMenu(hNew, TRUE, TRUE);
        if (m_pParentFrame != nullptr &&
            m_pParentFrame->SendMessage(CTavoPToolBar::WM_TAVOTOOLBAR_RESETMENU, uiResId) != 0)
            pMenuBar->AdjustLayout();
        // Whoever destroyed the old menu destroys the new one: its frame, else the bar.
        if (!HandOverDefaultMenu(hOld, hNew))
            pMenuBar->AdoptMenu(hNew);
        GetBarStateCache().Save(CTavoPBarStateCache::MenuKey(hNew), pMenuBar);
        if (m_bIsDefaultMDIMenu)
            m_hmenuCurr = hNew;
    }
    m_hmenuSelected = hNew;

    if (m_pParentFrame != nullptr && ::IsWindow(m_pParentFrame->GetSafeHwnd()))
    {
        m_pParentFrame->OnUpdateFrameMenu(m_hmenuCurr);
        // A frame that shows its menu on the bar has just put the default menu there.
        if (pMenuBar->GetMenu() != m_hmenuSelected)
            pMenuBar->CreateFromMenu(m_hmenuSelected, FALSE, FALSE);
    }

    // A menu that a window or template still holds stays, with its buttons.
    if (hOld != nullptr && hOld != hNew && !IsMenuInUse(hOld))
    {
        GetBarStateCache().Remove(CTavoPBarStateCache::MenuKey(hOld));
        pMenuBar->ForgetBuiltMenu(hOld);
        ::DestroyMenu(hOld);
    }
    pMenuBar->Invalidate();
    pMenuBar->UpdateWindow();
}

// ---- the context menus ----

void CTavoPMenuPage::SaveContextMenuState(CTavoPPopupMenu* pPopup)
{
    if (pPopup == nullptr || !::IsWindow(pPopup->GetSafeHwnd()))
        return;
    CRect rect;
    pPopup->GetWindowRect(rect);
    m_ptMenuLastPos = rect.TopLeft();
    CTavoPPopupMenuBar* pItems = pPopup->GetMenuBar();
    if (pPopup->GetHMenu() != nullptr && ::IsWindow(pItems->GetSafeHwnd()))
        GetBarStateCache().Save(CTavoPBarStateCache::MenuKey(pPopup->GetHMenu()), pItems);
}

void CTavoPMenuPage::CloseContextMenu()
{
    CTavoPPopupMenu* pPopup = m_pContextMenu;
    if (pPopup == nullptr)
        return;
    SaveContextMenuState(pPopup);
    // Forgotten first: its closing must not take the page back to no menu.
    m_pContextMenu = nullptr;
    if (::IsWindow(pPopup->GetSafeHwnd()))
        pPopup->SendMessage(WM_CLOSE);
}

void CTavoPMenuPage::OnCloseContextMenu(CTavoPPopupMenu* pMenuPopup)
{
    if (m_pContextMenu == nullptr || pMenuPopup != m_pContextMenu)
        return;
    SaveContextMenuState(m_pContextMenu);
    m_pContextMenu = nullptr;
    if (GetSafeHwnd() != nullptr)
    {
        m_wndContextMenus.SetCurSel(0);
        m_wndResetMenuButton.EnableWindow(FALSE);
    }
    m_uiContextMenuResId = 0;
}

void CTavoPMenuPage::OnSelchangeContextMenuList()
{
    m_wndResetMenuButton.EnableWindow(FALSE);
    CTavoPContextMenuManager* pManager = ContextMenuManager();
    if (pManager == nullptr)
        return;
    m_uiContextMenuResId = 0;
    CloseContextMenu();
    if (m_wndContextMenus.GetCurSel() < 1)
        return;

    UpdateData();
    HMENU hMenu = pManager->GetMenuByName(m_strContextMenuName, &m_uiContextMenuResId);
    if (hMenu == nullptr)
    {
        AfxMessageBeep((UINT)-1);
        return;
    }
    HMENU hSubMenu = ::GetSubMenu(hMenu, 0);
    if (hSubMenu == nullptr)
        return;

    CTavoPPopupMenu* pPopup = new CTavoPPopupMenu(this, m_strContextMenuName);
    // The submenu stays the manager's: destroyed with the popup, it would leave the manager
    // holding a dead handle.
    pPopup->SetAutoDestroy(FALSE);
    CWnd* pOwner = GetTopLevelFrame();
    if (pOwner == nullptr)
        pOwner = GetParent() != nullptr ? GetParent() : this;

    // Known before it exists: a popup refused while it is made reports its closing at once.
    m_pContextMenu = pPopup;
    if (!pPopup->Create(pOwner, m_ptMenuLastPos.x, m_ptMenuLastPos.y, hSubMenu))
    {
        m_pContextMenu = nullptr;
        AfxMessageBox(_T("Can't create context menu!"));
        return;
    }
    if (m_pContextMenu != nullptr)
        m_wndResetMenuButton.EnableWindow();
}

void CTavoPMenuPage::OnResetContextMenu()
{
    CTavoPContextMenuManager* pManager = ContextMenuManager();
    if (pManager == nullptr)
        return;
    UpdateData();
    CString strPrompt;
    {
        CTavoPResourceScope scope;
        strPrompt.Format(IDS_TAVOP_RESET_MENU, (LPCTSTR)m_strContextMenuName);
    }
    if (AfxMessageBox(strPrompt, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;

    UINT uiResId = 0;
    HMENU hMenu = pManager->GetMenuByName(m_strContextMenuName, &uiResId);
    HMENU hSubMenu = hMenu != nullptr ? ::GetSubMenu(hMenu, 0) : nullptr;
    if (hSubMenu == nullptr)
    {
        AfxMessageBeep((UINT)-1);
        return;
    }
    if (m_pContextMenu != nullptr && ::IsWindow(m_pContextMenu->GetMenuBar()->GetSafeHwnd()))
        m_pContextMenu->GetMenuBar()->ImportFromMenu(hSubMenu, TRUE);
    else
        GetBarStateCache().Remove(
            CTavoPBarStateCache::MenuKey(hSubMenu)); // the next popup reads the resource's items

    if (m_pParentFrame != nullptr && ::IsWindow(m_pParentFrame->GetSafeHwnd()))
        m_pParentFrame->SendMessage(CTavoPToolBar::WM_TAVOTOOLBAR_RESETCONTEXTMENU, uiResId,
                                    (LPARAM)m_pContextMenu);

    // Opened again, the popup takes the fresh items from the cache.
    OnSelchangeContextMenuList();
    CTavoPPopupMenu* pPopup = m_pContextMenu;
    if (pPopup == nullptr || !::IsWindow(pPopup->GetSafeHwnd()))
        return;

    CRect rectMenu;
    pPopup->GetWindowRect(rectMenu);
    const CRect rectWork = GetWorkAreaAt(rectMenu.TopLeft());
    CPoint ptKept = rectMenu.TopLeft();
    ptKept.x = std::max((int)rectWork.left,
                        std::min((int)ptKept.x, (int)rectWork.right - rectMenu.Width()));
    ptKept.y = std::max((int)rectWork.top,
                        std::min((int)ptKept.y, (int)rectWork.bottom - rectMenu.Height()));
    if (ptKept != rectMenu.TopLeft())
        pPopup->SetWindowPos(nullptr, ptKept.x, ptKept.y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pPopup->GetMenuBar()->Invalidate();
    pPopup->GetMenuBar()->UpdateWindow();
}

// ---- closing ----

void CTavoPMenuPage::OnDestroy()
{
    UpdateData();
    if (m_iMenuAnimationType >= 0)
        CTavoPPopupMenu::m_AnimationType = m_iMenuAnimationType;

    if (CTavoPMenuBar* pMenuBar = MenuBar())
    {
        pMenuBar->SetMenuPage(nullptr);
        if (m_hmenuSelected != nullptr && pMenuBar->GetMenu() == m_hmenuSelected)
            GetBarStateCache().Save(CTavoPBarStateCache::MenuKey(m_hmenuSelected), pMenuBar);
        // Back to the menu that applies: the active document's, else the frame's own.
        HMENU hMenu = pMenuBar->GetDefaultMenu();
        CMDIFrameWnd* pMDIFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, pMenuBar->GetTopLevelFrame());
        CMDIChildWnd* pChild = pMDIFrame != nullptr ? pMDIFrame->MDIGetActive() : nullptr;
        if (pChild != nullptr && pChild->m_hMenuShared != nullptr)
            hMenu = pChild->m_hMenuShared;
        pMenuBar->CreateFromMenu(hMenu, hMenu == pMenuBar->GetDefaultMenu(), FALSE);
    }
    m_pMenuBar = nullptr;
    m_hwndMenuBar = nullptr;

    CloseContextMenu();
    CTavoPPopupMenu::m_bMenuShadows = m_bMenuShadows;
    CPropertyPage::OnDestroy();
}
