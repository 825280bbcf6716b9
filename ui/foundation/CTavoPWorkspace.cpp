#include "ui/foundation/CTavoPWorkspace.h"
#include "ui/foundation/CTavoPCommandManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/BuildRegistryPath.h"
#include "ui/foundation/CTavoPRegistryHolder.h"
#include "ui/foundation/CTavoPToolbarSettings.h"
#include "framework/FrameworkWin.h"
#include "framework/CTestSeams.h"

static CTavoPWorkspace* g_pWorkspace = NULL;

BOOL CTavoPWorkspace::m_bResetItems = FALSE;

static LPCTSTR const kControlBarsKey = _T("\\ControlBars");
static LPCTSTR const kWindowPlacementKey = _T("WindowPlacement");
static LPCTSTR const kRectMainKey = _T("MainWindowRect");
static LPCTSTR const kFlagsKey = _T("Flags");
static LPCTSTR const kShowCmdKey = _T("ShowCmd");
static LPCTSTR const kVersionKey = _T("TavoControlBarVersion");
static LPCTSTR const kVersionMajorKey = _T("Major");
static LPCTSTR const kVersionMinorKey = _T("Minor");

static const int kVersionMajor = 6;
static const int kVersionMinor = 2;

CTavoPWorkspace* GetWorkspace()
{
    return g_pWorkspace;
}

// Deletes at exit a workspace that was made on the heap for that purpose.
static struct CTavoPWorkspaceExitCleaner
{
    ~CTavoPWorkspaceExitCleaner()
    {
        if (g_pWorkspace != NULL && g_pWorkspace->m_bIsHeapCreated)
            delete g_pWorkspace;
    }
} s_workspaceExitCleaner;

CTavoPWorkspace::CTavoPWorkspace(BOOL bResourceSmartUpdate)
    : m_pKeyboardManager(NULL), m_pContextMenuManager(NULL), m_pMouseManager(NULL),
      m_pUserToolsManager(NULL), m_pTearOffManager(NULL), m_pFurtherManager(NULL),
      m_strRegSection(_T("TavoWorkspace")), m_bKeyboardManagerAutocreated(FALSE),
      m_bContextMenuManagerAutocreated(FALSE), m_bMouseManagerAutocreated(FALSE),
      m_bUserToolsManagerAutoCreated(FALSE), m_bTearOffManagerAutoCreated(FALSE),
      m_bReserved(FALSE), m_bFurtherManagerAutocreated(FALSE), m_iSavedVersionMajor(-1),
      m_iSavedVersionMinor(-1), m_bForceDockStateLoad(FALSE), m_bLoadSaveFrameBarsOnly(FALSE),
      m_bSaveState(TRUE), m_bResourceSmartUpdate(bResourceSmartUpdate), m_bForceImageReset(FALSE),
      m_bIsHeapCreated(FALSE)
{
    g_pWorkspace = this;
}

static void DeleteManager(CTavoPManagerFace*& pManager, BOOL bOwned)
{
    if (bOwned && pManager != NULL)
    {
        delete pManager;
        pManager = NULL;
    }
}

CTavoPWorkspace::~CTavoPWorkspace()
{
    DeleteManager(m_pKeyboardManager, m_bKeyboardManagerAutocreated);
    DeleteManager(m_pContextMenuManager, m_bContextMenuManagerAutocreated);
    DeleteManager(m_pMouseManager, m_bMouseManagerAutocreated);
    DeleteManager(m_pUserToolsManager, m_bUserToolsManagerAutoCreated);
    DeleteManager(m_pTearOffManager, m_bTearOffManagerAutoCreated);
    DeleteManager(m_pFurtherManager, m_bFurtherManagerAutocreated);
    if (g_pWorkspace == this)
        g_pWorkspace = NULL;
}

void CTavoPWorkspace::SetRegistryBase(LPCTSTR lpszSectionName)
{
    m_strRegSection = lpszSectionName != NULL ? lpszSectionName : _T("");
}

CString CTavoPWorkspace::GetRegSectionPath(LPCTSTR lpszSectionAdd)
{
    CString strSectionPath = BuildRegistryPath(m_strRegSection, NULL);
    if (lpszSectionAdd != NULL && *lpszSectionAdd != 0)
    {
        strSectionPath += lpszSectionAdd;
        strSectionPath += _T("\\");
    }
    return strSectionPath;
}

// The toolbars whose windows exist, as a copy: a toolbar may leave the list while another one loads.
// With bFrameOnly, only those of the frame; with bDockedOnly, not the floating ones.
static std::vector<CTavoPToolBarFace*> LiveToolbars(HWND hwndFrame, BOOL bFrameOnly,
                                                    BOOL bDockedOnly)
{
    std::vector<CTavoPToolBarFace*> toolbars;
    for (CTavoPToolBarFace* pToolBar : CTavoPToolbarSettings::m_lstToolbars)
    {
        HWND hwnd = pToolBar->GetFaceHwnd();
        if (hwnd == NULL || !::IsWindow(hwnd) || (bDockedOnly && pToolBar->IsFloating()))
            continue;
        if (bFrameOnly && (hwndFrame == NULL || pToolBar->GetTopLevelFrameHwnd() != hwndFrame))
            continue;
        toolbars.push_back(pToolBar);
    }
    return toolbars;
}

// The optional managers that exist, in their fixed order: mouse, context menus, keyboard (which
// gets the frame), user tools.
void CTavoPWorkspace::LoadSaveManagers(BOOL bSave, LPCTSTR lpszSection, HWND hwndFrame)
{
    CWnd* pFrame = hwndFrame != NULL ? CWnd::FromHandlePermanent(hwndFrame) : NULL;
    struct
    {
        CTavoPManagerFace* pManager;
        CWnd* pFrame;
    } const managers[] = {{m_pMouseManager, NULL},
                          {m_pContextMenuManager, NULL},
                          {m_pKeyboardManager, pFrame},
                          {m_pUserToolsManager, NULL}};
    for (const auto& entry : managers)
    {
        if (entry.pManager == NULL)
            continue;
        if (bSave)
            entry.pManager->SaveState(lpszSection, entry.pFrame);
        else
            entry.pManager->LoadState(lpszSection, entry.pFrame);
    }
}

// Turns off the buttons' image registration for the length of a load, and back on however the
// load ends.
class CTavoPImageRegistrationPause
{
public:
    explicit CTavoPImageRegistrationPause(BOOL bActive) : m_bActive(bActive)
    {
        if (m_bActive)
            GetGlobalData().m_bRegisterCmdImages = FALSE;
    }
    ~CTavoPImageRegistrationPause()
    {
        if (m_bActive)
            GetGlobalData().m_bRegisterCmdImages = TRUE;
    }

private:
    BOOL m_bActive;
};

BOOL CTavoPWorkspace::LoadState(LPCTSTR lpszProfileName, CTavoPFrameImplFace* pFrameImpl)
{
    if (lpszProfileName != NULL)
        m_strRegSection = lpszProfileName;
    const CString strSection = GetRegSectionPath();

    PreLoadState();

    CTavoPRegistryHolder holder;
    CTavoPRegistry& reg = holder.Create(FALSE, TRUE);
    if (reg.Open(strSection + kVersionKey))
    {
        reg.ReadNumber(kVersionMajorKey, m_iSavedVersionMajor);
        reg.ReadNumber(kVersionMinorKey, m_iSavedVersionMinor);
    }

    if (CTavoPToolbarSettings::m_pfnLoadParameters != NULL)
        CTavoPToolbarSettings::m_pfnLoadParameters(strSection);
    GetCommandManager()->LoadState(strSection);

    BOOL bResourceChanged = FALSE;
    HWND hwndFrame = pFrameImpl != NULL ? pFrameImpl->GetFrameHwnd() : NULL;
    {
        CTavoPImageRegistrationPause pause(m_bResourceSmartUpdate);

        if (pFrameImpl != NULL)
        {
            if (CTavoPToolbarSettings::m_pfnLoadRebarState != NULL)
                CTavoPToolbarSettings::m_pfnLoadRebarState(strSection, hwndFrame);

            for (CTavoPToolBarFace* pToolBar :
                 LiveToolbars(hwndFrame, m_bLoadSaveFrameBarsOnly, TRUE))
            {
                pToolBar->LoadState(strSection);
                if (pToolBar->IsResourceChanged())
                    bResourceChanged = TRUE;
            }

            pFrameImpl->LoadUserToolbars();
            pFrameImpl->LoadTearOffMenus();

            pFrameImpl->LoadFrameworkDockState(m_strRegSection + kControlBarsKey);
            if (m_bForceDockStateLoad || pFrameImpl->IsDockStateValid())
            {
                pFrameImpl->LoadDockState(strSection);
                pFrameImpl->ApplyFrameworkDockState();
            }
        }

        LoadSaveManagers(FALSE, strSection, hwndFrame);
    }

    if (m_bForceImageReset || (m_bResourceSmartUpdate && bResourceChanged))
    {
        for (CTavoPToolBarFace* pToolBar : LiveToolbars(NULL, FALSE, FALSE))
            pToolBar->RefreshButtonImages();
        if (pFrameImpl != NULL)
            pFrameImpl->RecalcLayout();
    }

    LoadCustomState();
    m_iSavedVersionMajor = kVersionMajor;
    m_iSavedVersionMinor = kVersionMinor;
    return TRUE;
}

BOOL CTavoPWorkspace::CleanState(LPCTSTR lpszProfileName)
{
    if (lpszProfileName != NULL)
        m_strRegSection = lpszProfileName;
    const CString strSection = GetRegSectionPath();

    CTavoPRegistryHolder holder;
    CTavoPRegistry& reg = holder.Create(FALSE, FALSE);
    return reg.DeleteKey(strSection, FALSE);
}

BOOL CTavoPWorkspace::SaveState(LPCTSTR lpszProfileName, CTavoPFrameImplFace* pFrameImpl)
{
    if (!m_bSaveState)
        return FALSE;

    if (lpszProfileName != NULL)
        m_strRegSection = lpszProfileName;
    const CString strSection = GetRegSectionPath();

    PreSaveState();

    CTavoPRegistryHolder holder;
    CTavoPRegistry& reg = holder.Create(FALSE, FALSE);
    if (reg.CreateKey(strSection + kVersionKey))
    {
        reg.WriteNumber(kVersionMajorKey, kVersionMajor);
        reg.WriteNumber(kVersionMinorKey, kVersionMinor);
    }

    if (CTavoPToolbarSettings::m_pfnSaveParameters != NULL)
        CTavoPToolbarSettings::m_pfnSaveParameters(strSection);
    GetCommandManager()->SaveState(strSection);

    HWND hwndFrame = pFrameImpl != NULL ? pFrameImpl->GetFrameHwnd() : NULL;
    if (pFrameImpl != NULL)
    {
        pFrameImpl->SaveFrameworkDockState(m_strRegSection + kControlBarsKey);
        pFrameImpl->SaveDockState(strSection);

        for (CTavoPToolBarFace* pToolBar : LiveToolbars(hwndFrame, m_bLoadSaveFrameBarsOnly, FALSE))
            pToolBar->SaveState(strSection);

        pFrameImpl->SaveUserToolbars(m_bLoadSaveFrameBarsOnly);
        pFrameImpl->SaveTearOffMenus(m_bLoadSaveFrameBarsOnly);

        if (CTavoPToolbarSettings::m_pfnSaveRebarState != NULL)
            CTavoPToolbarSettings::m_pfnSaveRebarState(strSection, hwndFrame);
    }

    if (CTavoPToolbarSettings::m_pfnSaveUserImages != NULL)
        CTavoPToolbarSettings::m_pfnSaveUserImages();

    LoadSaveManagers(TRUE, strSection, hwndFrame);

    SaveCustomState();
    return TRUE;
}

BOOL CTavoPWorkspace::SaveFrameState(CTavoPFrameImplFace* pFrameImpl)
{
    return SaveState(NULL, pFrameImpl);
}

BOOL CTavoPWorkspace::LoadWindowPlacement(CRect& rectNormalPosition, int& nFlags, int& nShowCmd)
{
    CTavoPRegistryHolder holder;
    CTavoPRegistry& reg = holder.Create(FALSE, TRUE);
    if (!reg.Open(GetRegSectionPath(kWindowPlacementKey)))
        return FALSE;
    return reg.ReadRect(kRectMainKey, rectNormalPosition) && reg.ReadNumber(kFlagsKey, nFlags) &&
           reg.ReadNumber(kShowCmdKey, nShowCmd);
}

BOOL CTavoPWorkspace::StoreWindowPlacement(const CRect& rectNormalPosition, int nFlags,
                                           int nShowCmd)
{
    CTavoPRegistryHolder holder;
    CTavoPRegistry& reg = holder.Create(FALSE, FALSE);
    if (!reg.CreateKey(GetRegSectionPath(kWindowPlacementKey)))
        return FALSE;
    CRect rect = rectNormalPosition;
    return reg.WriteRect(kRectMainKey, rect) && reg.WriteNumber(kFlagsKey, nFlags) &&
           reg.WriteNumber(kShowCmdKey, nShowCmd);
}

BOOL CTavoPWorkspace::OnViewDoubleClick(CWnd* pWnd, int iViewId)
{
    if (m_pMouseManager == NULL)
        return FALSE;

    const UINT uiCmd = m_pMouseManager->GetViewCommand(iViewId);
    if (uiCmd == 0 || uiCmd == (UINT)-1)
    {
        AfxMessageBeep((UINT)-1);
        return FALSE;
    }
    if (m_pUserToolsManager != NULL && m_pUserToolsManager->InvokeTool(uiCmd))
        return TRUE;

    if (pWnd == NULL)
        pWnd = AfxGetMainWnd();
    HWND hwndTarget = pWnd != NULL ? ::GetAncestor(pWnd->GetSafeHwnd(), GA_ROOT) : NULL;
    if (hwndTarget == NULL)
        return FALSE;
    ::SendMessage(hwndTarget, WM_COMMAND, uiCmd, 0);
    return TRUE;
}

BOOL CTavoPWorkspace::ShowPopupMenu(UINT uiMenuResId, const CPoint& point, CWnd* pWnd)
{
    if (m_pContextMenuManager == NULL)
        return FALSE;
    return m_pContextMenuManager->ShowPopupMenu(uiMenuResId, point, pWnd);
}

BOOL CTavoPWorkspace::ShowContextHelp(CWnd* pWnd, const DWORD* pHelpIds)
{
    CWinApp* pApp = AfxGetApp();
    if (pWnd == NULL || pApp == NULL || pApp->m_pszHelpFilePath == NULL)
        return FALSE;
    return CTestSeams::WinHelp(pWnd->GetSafeHwnd(), pApp->m_pszHelpFilePath, HELP_CONTEXTMENU,
                               (DWORD_PTR)pHelpIds);
}
