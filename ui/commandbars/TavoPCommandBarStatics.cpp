// The process-wide objects of the toolbars and menus, defined here in one place. The lists, maps and image
// strips are built on their first use, so that bars and buttons made by other static objects
// find them; the registered messages are registered once when the program is loaded.
#include "ui/commandbars/CTavoPBarStateCache.h"
#include "ui/commandbars/CTavoPCommandUsage.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPToolbarDropSource.h"
#include "ui/commandbars/menus/CTavoPMenuSound.h"

CObList& CTavoPToolBar::LiveToolbars()
{
    static CObList list;
    return list;
}

CTavoPToolbarImageList& CTavoPToolBar::SharedImages(int nStrip)
{
    static CTavoPToolbarImageList strips[StripCount];
    return strips[nStrip];
}

CMap<UINT, UINT, int, int>& CTavoPToolBar::DefaultImages()
{
    static CMap<UINT, UINT, int, int> map;
    return map;
}

CList<UINT, UINT>& CTavoPToolBar::BasicCommands()
{
    static CList<UINT, UINT> list;
    return list;
}

CList<UINT, UINT>& CTavoPToolBar::UnpermittedCommands()
{
    static CList<UINT, UINT> list;
    return list;
}

CTavoPToolbarDropSource& GetToolbarDropSource()
{
    static CTavoPToolbarDropSource source;
    return source;
}

CTavoPCommandUsage& GetCommandUsage()
{
    static CTavoPCommandUsage usage;
    return usage;
}

CTavoPBarStateCache& GetBarStateCache()
{
    static CTavoPBarStateCache cache;
    return cache;
}

BOOL CTavoPToolBar::m_bShowTooltips = TRUE;
BOOL CTavoPToolBar::m_bShowShortcutKeys = TRUE;
BOOL CTavoPToolBar::m_bRecentlyUsedMenus = TRUE;
BOOL CTavoPToolBar::m_bShowAllMenusDelay = TRUE;
BOOL CTavoPToolBar::m_bAltCustomizingAllowed = FALSE;
BOOL CTavoPToolBar::m_bCustomizeMode = FALSE;
BOOL CTavoPToolBar::m_bAltCustomization = FALSE;
BOOL CTavoPToolBar::m_bLargeIcons = FALSE;
CSize CTavoPToolBar::m_sizeButton(23, 22);
CSize CTavoPToolBar::m_sizeImage(16, 15);
CSize CTavoPToolBar::m_sizeCurButton(23, 22);
CSize CTavoPToolBar::m_sizeCurImage(16, 15);
CSize CTavoPToolBar::m_sizeMenuImage(-1, -1);
CSize CTavoPToolBar::m_sizeMenuButton(-1, -1);
COLORREF CTavoPToolBar::m_clrTextHot = (COLORREF)-1;
CTavoPToolbarImageList* CTavoPToolBar::m_pUserImages = NULL;
HHOOK CTavoPToolBar::m_hookMouseHelp = NULL;
CTavoPToolBar* CTavoPToolBar::m_pLastHookedToolbar = NULL;
CTavoPToolBar* CTavoPToolBar::m_pSelToolbar = NULL;
CString CTavoPToolBar::m_strTipText;
HCURSOR CTavoPToolBar::m_hcurStretch = NULL;
HCURSOR CTavoPToolBar::m_hcurSizeAll = NULL;

UINT CTavoPToolBar::WM_TAVOTOOLBAR_POPUPMENU = ::RegisterWindowMessage(_T("TAVOTOOLBAR_POPUPMENU"));
UINT CTavoPToolBar::WM_TAVOTOOLBAR_CUSTOMIZE = ::RegisterWindowMessage(_T("TAVOTOOLBAR_CUSTOMIZE"));
UINT CTavoPToolBar::WM_TAVOTOOLBAR_CREATE = ::RegisterWindowMessage(_T("TAVOTOOLBAR_CREATE"));
UINT CTavoPToolBar::WM_TAVOTOOLBAR_DELETE = ::RegisterWindowMessage(_T("TAVOTOOLBAR_DELETE"));
UINT CTavoPToolBar::WM_TAVOTOOLBAR_CUSTOMIZEHELP =
    ::RegisterWindowMessage(_T("TAVOTOOLBAR_CUSTOMIZEHELP"));
UINT CTavoPToolBar::WM_TAVOTOOLBAR_RESETTOOLBAR =
    ::RegisterWindowMessage(_T("TAVOTOOLBAR_RESETTOOLBAR"));
UINT CTavoPToolBar::WM_TAVOTOOLBAR_RESETMENU = ::RegisterWindowMessage(_T("TAVOTOOLBAR_RESETMENU"));
UINT CTavoPToolBar::WM_TAVOTOOLBAR_SHOWREGULARMENU =
    ::RegisterWindowMessage(_T("TAVOTOOLBAR_SHOWREGULARMENU"));
UINT CTavoPToolBar::WM_TAVOTOOLBAR_RESETCONTEXTMENU =
    ::RegisterWindowMessage(_T("TAVOTOOLBAR_RESETCONTEXTMENU"));
// The name is registered as the program has always spelt it.
UINT CTavoPToolBar::WM_TAVOTOOLBAR_RESETKEYBAORD =
    ::RegisterWindowMessage(_T("TAVOTOOLBAR_RESETKEYBAORD"));

// Built on the first sound request; its end at exit stops the worker and waits for it.
CTavoPMenuSound::State& CTavoPMenuSound::GetState()
{
    static State state;
    return state;
}
