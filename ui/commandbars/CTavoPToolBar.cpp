#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPCommandUsage.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/foundation/BuildRegistryPath.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPRegistryHolder.h"
#include "ui/foundation/CTavoPVisualManager.h"

BEGIN_MESSAGE_MAP(CTavoPToolBar, CTavoPBaseToolBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPToolBar, CTavoPBaseToolBar)

BOOL CTavoPToolBar::m_bShowTooltips = TRUE;
BOOL CTavoPToolBar::m_bShowShortcutKeys = TRUE;
BOOL CTavoPToolBar::m_bRecentlyUsedMenus = TRUE;
BOOL CTavoPToolBar::m_bShowAllMenusDelay = TRUE;
BOOL CTavoPToolBar::m_bCustomizeMode = FALSE;
BOOL CTavoPToolBar::m_bLargeIcons = FALSE;
CSize CTavoPToolBar::m_sizeButton(23, 22);
CSize CTavoPToolBar::m_sizeImage(16, 15);
CSize CTavoPToolBar::m_sizeCurButton(23, 22);
CSize CTavoPToolBar::m_sizeCurImage(16, 15);
CSize CTavoPToolBar::m_sizeMenuImage(-1, -1);
COLORREF CTavoPToolBar::m_clrTextHot = (COLORREF)-1;
CTavoPToolbarImageList* CTavoPToolBar::m_pUserImages = nullptr;

static LPCTSTR const kToolbarSection = _T("TavoToolBars");
static LPCTSTR const kParametersKey = _T("%sTavoToolbarParameters");
static LPCTSTR const kTooltips = _T("Tooltips");
static LPCTSTR const kShortcutKeys = _T("ShortcutKeys");
static LPCTSTR const kLargeIcons = _T("LargeIcons");
static LPCTSTR const kMenuAnimation = _T("MenuAnimation");
static LPCTSTR const kRecentlyUsedMenus = _T("RecentlyUsedMenus");
static LPCTSTR const kMenuShadows = _T("MenuShadows");
static LPCTSTR const kShowAllMenusAfterDelay = _T("ShowAllMenusAfterDelay");
static LPCTSTR const kLook2000 = _T("Look2000");
static LPCTSTR const kCommandsUsage = _T("CommandsUsage");

CTavoPToolBar::CTavoPToolBar() : m_bResourceWasChanged(FALSE)
{}

CTavoPToolBar::~CTavoPToolBar()
{
    // A bar whose window went without telling it must not stay listed once it is gone.
    CObList& list = LiveToolbars();
    POSITION pos = list.Find(this);
    if (pos != nullptr)
        list.RemoveAt(pos);
}

int CTavoPToolBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTavoPBaseToolBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    LiveToolbars().AddTail(this);
    return 0;
}

void CTavoPToolBar::OnDestroy()
{
    CObList& list = LiveToolbars();
    POSITION pos = list.Find(this);
    if (pos != nullptr)
        list.RemoveAt(pos);
    CTavoPBaseToolBar::OnDestroy();
}

BOOL CTavoPToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CTavoPBaseToolBar::Create(NULL, dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

int CTavoPToolBar::HitTest(CPoint point)
{
    int iIndex = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL; iIndex++)
    {
        if (((CTavoPToolbarButton*)m_Buttons.GetNext(pos))->Rect().PtInRect(point))
            return iIndex;
    }
    return -1;
}

CTavoPToolbarButton* CTavoPToolBar::GetButton(int iIndex) const
{
    POSITION pos = iIndex >= 0 ? m_Buttons.FindIndex(iIndex) : NULL;
    return pos != NULL ? (CTavoPToolbarButton*)m_Buttons.GetAt(pos) : NULL;
}

const CObList& CTavoPToolBar::GetAllToolbars()
{
    return LiveToolbars();
}

// The bar holds no buttons whose images could change.
void CTavoPToolBar::RefreshButtonImages()
{}

void CTavoPToolBar::AddBasicCommand(UINT uiCmd)
{
    if (BasicCommands().Find(uiCmd) == nullptr)
        BasicCommands().AddTail(uiCmd);
}

BOOL CTavoPToolBar::IsBasicCommand(UINT uiCmd)
{
    return BasicCommands().Find(uiCmd) != nullptr;
}

BOOL CTavoPToolBar::IsCommandRarelyUsed(UINT uiCmd)
{
    // Without basic commands there is no shortened menu, so nothing is hidden.
    if (BasicCommands().IsEmpty())
        return FALSE;
    const CTavoPCommandUsage& usage = GetCommandUsage();
    return usage.IsCounted(uiCmd) && !usage.IsFrequent(uiCmd);
}

void CTavoPToolBar::AddCommandUsage(UINT uiCommand)
{
    GetCommandUsage().AddUsage(uiCommand);
}

BOOL CTavoPToolBar::SetCustomizeMode(BOOL bSet)
{
    if (bSet == m_bCustomizeMode)
        return FALSE;
    m_bCustomizeMode = bSet;
    const CObList& list = LiveToolbars();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
    {
        CWnd* pToolBar = (CWnd*)list.GetNext(pos);
        if (::IsWindow(pToolBar->GetSafeHwnd()))
            pToolBar->RedrawWindow(nullptr, nullptr,
                                   RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
    }
    return TRUE;
}

CSize CTavoPToolBar::GetMenuImageSize()
{
    return m_sizeMenuImage.cx == -1 ? m_sizeImage : m_sizeMenuImage;
}

COLORREF CTavoPToolBar::GetHotTextColor()
{
    return m_clrTextHot == (COLORREF)-1 ? GetGlobalData().clrBtnText : m_clrTextHot;
}

void CTavoPToolBar::SetLargeIcons(BOOL bLargeIcons)
{
    m_bLargeIcons = bLargeIcons;
    const int nFactor = bLargeIcons ? 2 : 1;
    m_sizeCurButton = CSize(m_sizeButton.cx * nFactor, m_sizeButton.cy * nFactor);
    m_sizeCurImage = CSize(m_sizeImage.cx * nFactor, m_sizeImage.cy * nFactor);
}

static CString ParametersKey(LPCTSTR lpszProfileName)
{
    CString strKey;
    strKey.Format(kParametersKey, (LPCTSTR)BuildRegistryPath(kToolbarSection, lpszProfileName));
    return strKey;
}

BOOL CTavoPToolBar::LoadParameters(LPCTSTR lpszProfileName)
{
    CTavoPRegistryHolder holder;
    CTavoPRegistry& reg = holder.Create(FALSE, TRUE);
    if (!reg.Open(ParametersKey(lpszProfileName)))
        return FALSE;

    // Values are read in order up to the first that is missing; those read before it apply.
    int nAnimation = 0;
    int nLook2000 = 0;
    const BOOL bAllRead =
        reg.ReadNumber(kTooltips, m_bShowTooltips) &&
        reg.ReadNumber(kShortcutKeys, m_bShowShortcutKeys) &&
        reg.ReadNumber(kLargeIcons, m_bLargeIcons) && reg.ReadNumber(kMenuAnimation, nAnimation) &&
        reg.ReadNumber(kRecentlyUsedMenus, m_bRecentlyUsedMenus) &&
        reg.ReadNumber(kMenuShadows, CTavoPPopupMenu::m_bMenuShadows) &&
        reg.ReadNumber(kShowAllMenusAfterDelay, m_bShowAllMenusDelay) &&
        reg.ReadNumber(kLook2000, nLook2000) && reg.Read(kCommandsUsage, GetCommandUsage());

    CTavoPPopupMenu::m_AnimationType = nAnimation;
    SetLargeIcons(m_bLargeIcons);
    CTavoPVisualManager::GetInstance()->SetLook2000(nLook2000);
    return bAllRead;
}

BOOL CTavoPToolBar::SaveParameters(LPCTSTR lpszProfileName)
{
    CTavoPRegistryHolder holder;
    CTavoPRegistry& reg = holder.Create(FALSE, FALSE);
    if (!reg.CreateKey(ParametersKey(lpszProfileName)))
        return FALSE;
    return reg.WriteNumber(kTooltips, m_bShowTooltips) &&
           reg.WriteNumber(kShortcutKeys, m_bShowShortcutKeys) &&
           reg.WriteNumber(kLargeIcons, m_bLargeIcons) &&
           reg.WriteNumber(kMenuAnimation, CTavoPPopupMenu::m_AnimationType) &&
           reg.WriteNumber(kRecentlyUsedMenus, m_bRecentlyUsedMenus) &&
           reg.WriteNumber(kMenuShadows, CTavoPPopupMenu::m_bMenuShadows) &&
           reg.WriteNumber(kShowAllMenusAfterDelay, m_bShowAllMenusDelay) &&
           reg.WriteNumber(kLook2000, CTavoPVisualManager::GetInstance()->IsLook2000()) &&
           reg.Write(kCommandsUsage, GetCommandUsage());
}

// The toolbars keep no shared image strips of their own; the usage counts go with the images.
void CTavoPToolBar::ResetAllImages()
{
    GetCommandUsage().RemoveAll();
}
