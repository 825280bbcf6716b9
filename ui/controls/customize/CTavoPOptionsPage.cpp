#include "ui/controls/customize/CTavoPOptionsPage.h"
#include "ui/controls/customize/CTavoPToolbarCustomize.h"
#include "ui/commandbars/CTavoPCommandUsage.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include "res/LibraryIds.h"

BEGIN_MESSAGE_MAP(CTavoPOptionsPage, CPropertyPage)
    ON_BN_CLICKED(IDC_TAVOP_SHORTCUT_KEYS, OnShowShortcutKeys)
    ON_BN_CLICKED(IDC_TAVOP_SCREEN_TIPS, OnShowTooltips)
    ON_BN_CLICKED(IDC_TAVOP_RESET_USAGE, OnResetUsageData)
    ON_BN_CLICKED(IDC_TAVOP_RECENT_MENUS, OnRecentlyUsedMenus)
    ON_BN_CLICKED(IDC_TAVOP_MENUS_DELAY, OnShowAllMenusDelay)
    ON_BN_CLICKED(IDC_TAVOP_LARGE_ICONS, OnLargeIcons)
    ON_BN_CLICKED(IDC_TAVOP_LOOK_2000, OnLook2000)
    ON_BN_CLICKED(IDC_TAVOP_VISUALIZATIONS, OnVisualizations)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPOptionsPage, CPropertyPage)

CTavoPOptionsPage::CTavoPOptionsPage(BOOL bIsMenuBarExist)
    : CPropertyPage(IDD_TAVOP_OPTIONS_PAGE), m_bShowTooltips(CTavoPToolBar::m_bShowTooltips),
      m_bShowShortcutKeys(CTavoPToolBar::m_bShowShortcutKeys),
      m_bRecentlyUsedMenus(CTavoPToolBar::m_bRecentlyUsedMenus),
      m_bShowAllMenusDelay(CTavoPToolBar::m_bShowAllMenusDelay),
      m_bLargeIcons(CTavoPToolBar::IsLargeIcons()),
      m_bLook2000(CTavoPVisualManager::GetInstance()->IsLook2000()),
      m_bIsMenuBarExist(bIsMenuBarExist)
{}

CTavoPOptionsPage::~CTavoPOptionsPage() = default;

void CTavoPOptionsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TAVOP_VISUALIZATIONS, m_wndVisualizations);
    DDX_Control(pDX, IDC_TAVOP_LOOK_2000, m_wndLook2000);
    DDX_Control(pDX, IDC_TAVOP_LARGE_ICONS, m_wndLargeIcons);
    DDX_Control(pDX, IDC_TAVOP_RECENT_MENUS, m_wndRUMenus);
    DDX_Control(pDX, IDC_TAVOP_RESET_USAGE, m_wndResetUsageBtn);
    DDX_Control(pDX, IDC_TAVOP_PERSONALIZED_LABEL, m_wndRuMenusTitle);
    DDX_Control(pDX, IDC_TAVOP_PERSONALIZED_LINE, m_wndRuMenusLine);
    DDX_Control(pDX, IDC_TAVOP_MENUS_DELAY, m_wndShowAllMenusDelay);
    DDX_Control(pDX, IDC_TAVOP_SHORTCUT_KEYS, m_wndShowShortcutKeys);
    DDX_Check(pDX, IDC_TAVOP_SCREEN_TIPS, m_bShowTooltips);
    DDX_Check(pDX, IDC_TAVOP_SHORTCUT_KEYS, m_bShowShortcutKeys);
    DDX_Check(pDX, IDC_TAVOP_RECENT_MENUS, m_bRecentlyUsedMenus);
    DDX_Check(pDX, IDC_TAVOP_MENUS_DELAY, m_bShowAllMenusDelay);
    DDX_Check(pDX, IDC_TAVOP_LARGE_ICONS, m_bLargeIcons);
    DDX_Check(pDX, IDC_TAVOP_LOOK_2000, m_bLook2000);
}

BOOL CTavoPOptionsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_wndShowShortcutKeys.EnableWindow(m_bShowTooltips);
    m_wndShowAllMenusDelay.EnableWindow(m_bRecentlyUsedMenus);

    if (!m_bIsMenuBarExist || !CTavoPToolBar::HasBasicCommands())
    {
        CWnd* group[] = {&m_wndRUMenus, &m_wndResetUsageBtn, &m_wndRuMenusTitle, &m_wndRuMenusLine,
                         &m_wndShowAllMenusDelay};
        for (CWnd* pWnd : group)
        {
            pWnd->ShowWindow(SW_HIDE);
            pWnd->EnableWindow(FALSE);
        }
    }

    const CTavoPToolbarCustomize* pSheet = DYNAMIC_DOWNCAST(CTavoPToolbarCustomize, GetParent());
    if (pSheet == nullptr || !(pSheet->GetFlags() & TAVOCUSTOMIZE_LOOK_2000))
    {
        m_wndLook2000.ShowWindow(SW_HIDE);
        m_wndLook2000.EnableWindow(FALSE);
    }
    m_wndVisualizations.ShowWindow(SW_HIDE);
    m_wndVisualizations.EnableWindow(FALSE);
    return TRUE;
}

void CTavoPOptionsPage::OnShowShortcutKeys()
{
    UpdateData(TRUE);
    CTavoPToolBar::m_bShowShortcutKeys = m_bShowShortcutKeys;
}

void CTavoPOptionsPage::OnShowTooltips()
{
    UpdateData(TRUE);
    CTavoPToolBar::m_bShowTooltips = m_bShowTooltips;
    m_wndShowShortcutKeys.EnableWindow(m_bShowTooltips);
}

void CTavoPOptionsPage::OnResetUsageData()
{
    UpdateData(TRUE);
    CString strPrompt;
    int nAnswer = IDNO;
    {
        CTavoPResourceScope scope;
        strPrompt.LoadString(IDS_TAVOP_RESET_USAGE_DATA);
        nAnswer = AfxMessageBox(strPrompt, MB_YESNO);
    }
    if (nAnswer == IDYES)
        GetCommandUsage().RemoveAll();
}

void CTavoPOptionsPage::OnRecentlyUsedMenus()
{
    UpdateData(TRUE);
    m_wndShowAllMenusDelay.EnableWindow(m_bRecentlyUsedMenus);
    CTavoPToolBar::m_bRecentlyUsedMenus = m_bRecentlyUsedMenus;
}

void CTavoPOptionsPage::OnShowAllMenusDelay()
{
    UpdateData(TRUE);
    CTavoPToolBar::m_bShowAllMenusDelay = m_bShowAllMenusDelay;
}

void CTavoPOptionsPage::OnLargeIcons()
{
    UpdateData(TRUE);
    CTavoPToolBar::SetLargeIcons(m_bLargeIcons);
}

void CTavoPOptionsPage::OnLook2000()
{
    UpdateData(TRUE);
    CTavoPVisualManager::GetInstance()->SetLook2000(m_bLook2000);
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != nullptr && ::IsWindow(pMainWnd->GetSafeHwnd()))
        pMainWnd->Invalidate(TRUE);
}

void CTavoPOptionsPage::OnVisualizations()
{}
